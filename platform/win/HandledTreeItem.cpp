#include "platform/win/HandledTreeItem.h"

#include <QTreeWidget>
#include <unordered_map>

namespace {

// Live items by handle. The program is single-threaded outside the device.
std::unordered_map<HTREEITEM, CHandledTreeItem*>& Register()
{
    static std::unordered_map<HTREEITEM, CHandledTreeItem*> items;
    return items;
}

// Handles count up and are never reused; they stay clear of the TVI_ markers.
HTREEITEM NextHandle()
{
    static quintptr next = 0x10;
    next += 8;
    return reinterpret_cast<HTREEITEM>(next);
}

} // namespace

CHandledTreeItem::CHandledTreeItem(const QString& text)
    : QTreeWidgetItem(QStringList(text), ItemType), handle_(NextHandle())
{
    Register().emplace(handle_, this);
}

CHandledTreeItem::~CHandledTreeItem()
{
    Register().erase(handle_);
}

CHandledTreeItem* CHandledTreeItem::Find(HTREEITEM handle)
{
    const auto found = Register().find(handle);
    return found == Register().end() ? nullptr : found->second;
}

CHandledTreeItem* CHandledTreeItem::From(QTreeWidgetItem* item)
{
    return item && item->type() == ItemType ? static_cast<CHandledTreeItem*>(item) : nullptr;
}

const CHandledTreeItem* CHandledTreeItem::From(const QTreeWidgetItem* item)
{
    return item && item->type() == ItemType ? static_cast<const CHandledTreeItem*>(item) : nullptr;
}

int CHandledTreeItem::Row() const
{
    QTreeWidgetItem* container = parent();
    if (!container && treeWidget())
        container = treeWidget()->invisibleRootItem();
    if (!container)
        return -1;
    if (container->child(rowHint_) != this)
        rowHint_ = container->indexOfChild(const_cast<CHandledTreeItem*>(this));
    return rowHint_;
}
