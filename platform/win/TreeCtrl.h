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
    // Inserts the batch's items, collapsed, as one change to the tree, so filling a
    // large tree costs time in proportion to its items; FALSE, and nothing
    // inserted, when parent names no item.
    BOOL InsertItems(HTREEITEM parent, const std::vector<TreeBatchItem>& batch);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    // When an item was selected, the parent hears that none is.
    BOOL DeleteAllItems();
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
