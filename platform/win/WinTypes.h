#pragma once
// The handful of window-system types and constants the program is written against.
#include "resources/WindowStyles.h"

#include <cstdint>

struct HWND__;
// Names a window. Handles are never reused, so a stale handle stays invalid.
using HWND = HWND__*;

using BOOL = int;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using COLORREF = std::uint32_t;

struct HBRUSH__;
// A brush answered to a control-colour request; null stands for the default one.
using HBRUSH = HBRUSH__*;
struct HICON__;
// Names a loaded icon resource.
using HICON = HICON__*;

constexpr UINT LOWORD(std::uintptr_t value)
{
    return static_cast<UINT>(value & 0xFFFF);
}
constexpr UINT HIWORD(std::uintptr_t value)
{
    return static_cast<UINT>((value >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(UINT low, UINT high)
{
    return static_cast<WPARAM>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

// Colour references hold red in the low byte, then green, then blue.
constexpr COLORREF RGB(int red, int green, int blue)
{
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF color)
{
    return static_cast<int>(color & 0xFF);
}
constexpr int GetGValue(COLORREF color)
{
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF color)
{
    return static_cast<int>((color >> 16) & 0xFF);
}

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

struct RECT
{
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

struct POINT
{
    LONG x = 0;
    LONG y = 0;
};

// Message box types and answers.
constexpr UINT MB_OK = 0x00;
constexpr UINT MB_YESNO = 0x04;
// Our own button set for unsaved work: Save, Discard and Cancel answer IDYES, IDNO and IDCANCEL.
constexpr UINT MB_SAVEDISCARDCANCEL = 0x03;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Mouse key flags.
constexpr UINT MK_LBUTTON = 0x0001;
constexpr UINT MK_RBUTTON = 0x0002;
constexpr UINT MK_SHIFT = 0x0004;
constexpr UINT MK_CONTROL = 0x0008;
constexpr UINT MK_MBUTTON = 0x0010;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;
constexpr int SW_SHOWDEFAULT = 10;

// Notification codes of commands and the generic notification header.
constexpr UINT BN_CLICKED = 0;
struct NMHDR
{
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    UINT code = 0;
};

// Button check states.
constexpr UINT BST_UNCHECKED = 0;
constexpr UINT BST_CHECKED = 1;

constexpr short WHEEL_DELTA = 120;
constexpr UINT SIZE_RESTORED = 0;
// Our own edit-control notifications: Enter and Escape go to the edit's parent
// instead of pressing the dialog's buttons.
constexpr UINT EN_RETURN = 0x0A01;
constexpr UINT EN_ESCAPE = 0x0A02;
// Scroll codes a trackbar sends with its scroll messages.
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_ENDTRACK = 8;

// Control-colour requests.
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_STATIC = 6;

// Background modes and text formats of device contexts.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr UINT DT_CENTER = 0x0001;
constexpr UINT DT_VCENTER = 0x0004;
constexpr UINT DT_SINGLELINE = 0x0020;

// File dialog options.
constexpr DWORD OFN_OVERWRITEPROMPT = 0x0002;
constexpr DWORD OFN_HIDEREADONLY = 0x0004;
constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

// Popup menu tracking.
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_RETURNCMD = 0x0100;

// System metrics.
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
