#pragma once
// Window, dialog and control style bits, as the dialog templates spell them.
#include <cstdint>

using StyleBits = std::uint32_t;

// Any window.
constexpr StyleBits WS_POPUP = 0x80000000;
constexpr StyleBits WS_CHILD = 0x40000000;
constexpr StyleBits WS_VISIBLE = 0x10000000;
constexpr StyleBits WS_DISABLED = 0x08000000;
constexpr StyleBits WS_CLIPSIBLINGS = 0x04000000;
constexpr StyleBits WS_CLIPCHILDREN = 0x02000000;
constexpr StyleBits WS_CAPTION = 0x00C00000;
constexpr StyleBits WS_BORDER = 0x00800000;
constexpr StyleBits WS_HSCROLL = 0x00100000;
constexpr StyleBits WS_SYSMENU = 0x00080000;
constexpr StyleBits WS_GROUP = 0x00020000;
constexpr StyleBits WS_TABSTOP = 0x00010000;
constexpr StyleBits WS_EX_APPWINDOW = 0x00040000;

// Dialogs.
constexpr StyleBits DS_MODALFRAME = 0x0080;
constexpr StyleBits DS_SETFONT = 0x0040;

// Buttons: the low four bits pick the kind.
constexpr StyleBits BS_TYPEMASK = 0x000F;
constexpr StyleBits BS_PUSHBUTTON = 0x0000;
constexpr StyleBits BS_DEFPUSHBUTTON = 0x0001;
constexpr StyleBits BS_AUTOCHECKBOX = 0x0003;
constexpr StyleBits BS_GROUPBOX = 0x0007;
constexpr StyleBits BS_AUTORADIOBUTTON = 0x0009;

// Static controls: the low five bits pick the kind.
constexpr StyleBits SS_TYPEMASK = 0x001F;
constexpr StyleBits SS_LEFT = 0x0000;
constexpr StyleBits SS_CENTER = 0x0001;
constexpr StyleBits SS_BLACKFRAME = 0x0007;
constexpr StyleBits SS_CENTERIMAGE = 0x0200;
constexpr StyleBits SS_SUNKEN = 0x1000;

// Trackbars.
constexpr StyleBits TBS_VERT = 0x0002;
constexpr StyleBits TBS_BOTH = 0x0008;
constexpr StyleBits TBS_NOTICKS = 0x0010;

// Tree views.
constexpr StyleBits TVS_HASBUTTONS = 0x0001;
constexpr StyleBits TVS_HASLINES = 0x0002;
