#include "platform/win/TreeItemHandles.h"

#include "platform/win/HandledTreeItem.h"

#include <QTreeWidget>

namespace TreeItemHandles {

HTREEITEM HandleOf(QTreeWidgetItem* item)
{
    const CHandledTreeItem* handled = CHandledTreeItem::From(item);
    return handled ? handled->Handle() : nullptr;
}

QTreeWidgetItem* ItemOf(QTreeWidget* tree, HTREEITEM handle)
{
    CHandledTreeItem* item = tree && handle ? CHandledTreeItem::Find(handle) : nullptr;
    return item && item->treeWidget() == tree ? item : nullptr;
}

LPARAM Param(const QTreeWidgetItem* item)
{
    const CHandledTreeItem* handled = CHandledTreeItem::From(item);
    return handled ? handled->Param() : 0;
}
TVITEMW Describe(QTreeWidgetItem* item)
{
    TVITEMW record;
    if (item) {
        record.mask = TVIF_HANDLE | TVIF_PARAM;
        record.hItem = HandleOf(item);
        record.lParam = Param(item);
    }
    return record;
}

} // namespace TreeItemHandles
