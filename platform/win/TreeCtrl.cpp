#include "platform/win/TreeCtrl.h"

#include "platform/win/HandledTreeItem.h"
#include "platform/win/Icons.h"
#include "platform/win/TreeItemHandles.h"
#include "platform/win/WindowBridge.h"
#include "platform/win/WindowHandles.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace {

QTreeWidget* TreeOf(HWND window)
{
    return qobject_cast<QTreeWidget*>(WindowHandles::WidgetOf(window));
}

// Items of the tree in the order the user sees them, expanded branches included.
QTreeWidgetItem* FirstShown(QTreeWidget* tree)
{
    const QModelIndex top = tree->indexAt(QPoint(0, 0));
    QTreeWidgetItem* item = top.isValid() ? tree->itemFromIndex(top) : nullptr;
    return item ? item : tree->topLevelItem(0);
}

} // namespace

HTREEITEM CTreeCtrl::InsertItem(const wchar_t* text, HTREEITEM parent, HTREEITEM after)
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return nullptr;
    QTreeWidgetItem* parentItem =
        parent == TVI_ROOT || !parent ? nullptr : TreeItemHandles::ItemOf(tree, parent);
    if (parent && parent != TVI_ROOT && !parentItem)
        return nullptr;
    auto* item = new CHandledTreeItem(QString::fromWCharArray(text ? text : L""));
    QTreeWidgetItem* container = parentItem ? parentItem : tree->invisibleRootItem();
    if (after == TVI_FIRST)
        container->insertChild(0, item);
    else
        container->addChild(item);
    return item->Handle();
}

BOOL CTreeCtrl::InsertItems(HTREEITEM parent, const std::vector<TreeBatchItem>& batch)
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return FALSE;
    QTreeWidgetItem* container =
        parent == TVI_ROOT || !parent ? tree->invisibleRootItem() : TreeItemHandles::ItemOf(tree, parent);
    if (!container)
        return FALSE;
    // Items are built and joined while outside the tree, where joining costs no
    // notification; the tree hears of the batch's top items once.
    std::vector<CHandledTreeItem*> made;
    made.reserve(batch.size());
    QList<QTreeWidgetItem*> top;
    for (const TreeBatchItem& entry : batch) {
        auto* item = new CHandledTreeItem(QString::fromWCharArray(entry.text ? entry.text : L""));
        item->SetParam(entry.data);
        if (entry.icon)
            item->setIcon(0, Icons::IconOf(entry.icon));
        if (entry.parent >= 0 && static_cast<std::size_t>(entry.parent) < made.size())
            made[static_cast<std::size_t>(entry.parent)]->addChild(item);
        else
            top.append(item);
        made.push_back(item);
    }
    container->addChildren(top);
    return TRUE;
}

BOOL CTreeCtrl::SetItem(const TVITEMW* record)
{
    QTreeWidgetItem* item = record ? TreeItemHandles::ItemOf(TreeOf(m_hWnd), record->hItem) : nullptr;
    if (!item)
        return FALSE;
    if (record->mask & TVIF_TEXT)
        item->setText(0, QString::fromWCharArray(record->pszText ? record->pszText : L""));
    if (record->mask & TVIF_PARAM)
        TreeItemHandles::SetParam(item, record->lParam);
    return TRUE;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMW record;
    record.mask = TVIF_PARAM;
    record.hItem = item;
    record.lParam = static_cast<LPARAM>(data);
    return SetItem(&record);
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    return static_cast<DWORD_PTR>(TreeItemHandles::Param(TreeItemHandles::ItemOf(TreeOf(m_hWnd), item)));
}

std::wstring CTreeCtrl::GetItemText(HTREEITEM item) const
{
    QTreeWidgetItem* found = TreeItemHandles::ItemOf(TreeOf(m_hWnd), item);
    return found ? found->text(0).toStdWString() : std::wstring();
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return FALSE;
    QTreeWidgetItem* doomed = item == TVI_ROOT ? nullptr : TreeItemHandles::ItemOf(tree, item);
    if (item != TVI_ROOT && !doomed)
        return FALSE;
    bool selectionGoes = false;
    if (QTreeWidgetItem* selected = tree->currentItem()) {
        selectionGoes = item == TVI_ROOT;
        for (QTreeWidgetItem* it = selected; it && !selectionGoes; it = it->parent())
            selectionGoes = it == doomed;
    }
    {
        // Items on their way out must never reach the selection handling.
        const QSignalBlocker quiet(tree);
        if (item == TVI_ROOT)
            tree->clear();
        else
            delete doomed;
        if (selectionGoes)
            tree->setCurrentItem(nullptr);
    }
    if (selectionGoes) {
        NMTREEVIEWW change;
        change.hdr.code = TVN_SELCHANGED;
        WindowBridge::SendNotify(tree, &change.hdr);
    }
    return TRUE;
}

BOOL CTreeCtrl::DeleteAllItems()
{
    return DeleteItem(TVI_ROOT);
}

UINT CTreeCtrl::GetCount() const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    UINT count = 0;
    if (tree)
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            ++count;
    return count;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM item, UINT relation) const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return nullptr;
    QTreeWidgetItem* from = TreeItemHandles::ItemOf(tree, item);
    switch (relation) {
    case TVGN_ROOT:
        return TreeItemHandles::HandleOf(tree->topLevelItem(0));
    case TVGN_CHILD:
        if (item == TVI_ROOT || !item)
            return TreeItemHandles::HandleOf(tree->topLevelItem(0));
        return from ? TreeItemHandles::HandleOf(from->child(0)) : nullptr;
    case TVGN_NEXT: {
        if (!from)
            return nullptr;
        QTreeWidgetItem* container = from->parent() ? from->parent() : tree->invisibleRootItem();
        return TreeItemHandles::HandleOf(container->child(CHandledTreeItem::From(from)->Row() + 1));
    }
    case TVGN_FIRSTVISIBLE:
        return TreeItemHandles::HandleOf(FirstShown(tree));
    case TVGN_CARET:
        return TreeItemHandles::HandleOf(tree->currentItem());
    default:
        return nullptr;
    }
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    return GetNextItem(nullptr, TVGN_ROOT);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    return GetNextItem(item, TVGN_CHILD);
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    return GetNextItem(item, TVGN_NEXT);
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    return GetNextItem(nullptr, TVGN_FIRSTVISIBLE);
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    return GetNextItem(nullptr, TVGN_CARET);
}

BOOL CTreeCtrl::SelectItem(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    QTreeWidgetItem* target = TreeItemHandles::ItemOf(tree, item);
    if (!tree || (item && !target))
        return FALSE;
    tree->setCurrentItem(target);
    return TRUE;
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM item)
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    QTreeWidgetItem* target = TreeItemHandles::ItemOf(tree, item);
    if (!tree || !target)
        return FALSE;
    tree->scrollToItem(target);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(POINT point) const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return nullptr;
    QTreeWidgetItem* item = tree->itemAt(tree->viewport()->mapFrom(tree, QPoint(point.x, point.y)));
    return item ? TreeItemHandles::HandleOf(item) : nullptr;
}
