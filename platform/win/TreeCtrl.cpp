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

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    return static_cast<DWORD_PTR>(TreeItemHandles::Param(TreeItemHandles::ItemOf(TreeOf(m_hWnd), item)));
}

BOOL CTreeCtrl::DeleteAllItems()
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    if (!tree)
        return FALSE;
    const bool selectionGoes = tree->currentItem() != nullptr;
    {
        // Items on their way out must never reach the selection handling.
        const QSignalBlocker quiet(tree);
        tree->clear();
        tree->setCurrentItem(nullptr);
    }
    if (selectionGoes) {
        NMTREEVIEWW change;
        change.hdr.code = TVN_SELCHANGED;
        WindowBridge::SendNotify(tree, &change.hdr);
    }
    return TRUE;
}

HTREEITEM CTreeCtrl::GetRootItem() const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    return tree ? TreeItemHandles::HandleOf(tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM item) const
{
    QTreeWidgetItem* from = TreeItemHandles::ItemOf(TreeOf(m_hWnd), item);
    return from ? TreeItemHandles::HandleOf(from->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM item) const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    QTreeWidgetItem* from = TreeItemHandles::ItemOf(tree, item);
    if (!from)
        return nullptr;
    QTreeWidgetItem* container = from->parent() ? from->parent() : tree->invisibleRootItem();
    return TreeItemHandles::HandleOf(container->child(CHandledTreeItem::From(from)->Row() + 1));
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    return tree ? TreeItemHandles::HandleOf(FirstShown(tree)) : nullptr;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const
{
    QTreeWidget* tree = TreeOf(m_hWnd);
    return tree ? TreeItemHandles::HandleOf(tree->currentItem()) : nullptr;
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
