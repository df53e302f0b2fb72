#pragma once
// Tree view items, their attributes and the selection-changed notification.
#include "platform/win/WinTypes.h"

struct HTREEITEM__;
// Names one item of one tree; never reused, so a deleted item's handle stays invalid.
using HTREEITEM = HTREEITEM__*;

// The top level, as a parent.
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));

// Which parts of a TVITEMW are meant.
constexpr UINT TVIF_PARAM = 0x0004;
constexpr UINT TVIF_HANDLE = 0x0010;

// The selection-change cause the tree reports.
constexpr UINT TVC_UNKNOWN = 0x0000;

constexpr UINT TVN_SELCHANGED = static_cast<UINT>(-451);

struct TVITEMW
{
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    const wchar_t* pszText = nullptr;
    LPARAM lParam = 0;
};

// One item of a batch inserted at once: its text (read during the insertion),
// data value and icon (null for none), and the batch index of its parent, which
// comes earlier in the batch; -1 makes it a last child of the batch's parent.
struct TreeBatchItem
{
    const wchar_t* text = nullptr;
    LPARAM data = 0;
    HICON icon = nullptr;
    int parent = -1;
};

// Sent with TVN_SELCHANGED: the item that lost and the one that gained the selection.
struct NMTREEVIEWW
{
    NMHDR hdr;
    UINT action = TVC_UNKNOWN;
    TVITEMW itemOld;
    TVITEMW itemNew;
    POINT ptDrag;
};
