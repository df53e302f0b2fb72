#pragma once
#include "platform/win/TreeTypes.h"
#include "platform/win/Wnd.h"

#include <string>
#include <vector>

// A tree view whose items carry a text and a pointer-sized data value.
// Selecting an item, from code or by the user, sends TVN_SELCHANGED with an
// NMTREEVIEWW to the parent.
class CTreeCtrl : public CWnd
{
public:
    // Inserts a collapsed item as the last (or first) child of parent; TVI_ROOT is the top level.
    HTREEITEM InsertItem(const wchar_t* text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST);
    // Inserts the batch's items, collapsed, as one change to the tree, so filling a
    // large tree costs time in proportion to its items; FALSE, and nothing
    // inserted, when parent names no item.
    BOOL InsertItems(HTREEITEM parent, const std::vector<TreeBatchItem>& batch);
    // Applies the TVIF_TEXT and TVIF_PARAM parts of item to item.hItem.
    BOOL SetItem(const TVITEMW* item);
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    std::wstring GetItemText(HTREEITEM item) const;
    // TVI_ROOT deletes every item.
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems();
    UINT GetCount() const;
    HTREEITEM GetNextItem(HTREEITEM item, UINT relation) const;
    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM item) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetSelectedItem() const;
    // Makes item (null for none) the selection; the parent hears of a change at once.
    BOOL SelectItem(HTREEITEM item);
    // Expands the item's ancestors and scrolls it into view.
    BOOL EnsureVisible(HTREEITEM item);
    // The item at a point of the tree's client area; null over no item.
    HTREEITEM HitTest(POINT point) const;
};
