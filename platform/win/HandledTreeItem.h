#pragma once
#include "platform/win/TreeTypes.h"

#include <QTreeWidgetItem>

// A tree view item that carries its own handle and data value. Every live item
// is registered under its handle, so a handle finds its item in constant time
// however large the tree; the item leaves the register when it is destroyed,
// so the handle of a deleted item finds nothing.
class CHandledTreeItem : public QTreeWidgetItem
{
public:
    static constexpr int ItemType = QTreeWidgetItem::UserType + 1;

    explicit CHandledTreeItem(const QString& text);
    ~CHandledTreeItem() override;
    CHandledTreeItem(const CHandledTreeItem&) = delete;
    CHandledTreeItem& operator=(const CHandledTreeItem&) = delete;

    // The live item named by handle, or null.
    static CHandledTreeItem* Find(HTREEITEM handle);
    // item as a handled item, or null for any other item.
    static CHandledTreeItem* From(QTreeWidgetItem* item);
    static const CHandledTreeItem* From(const QTreeWidgetItem* item);

    HTREEITEM Handle() const { return handle_; }
    LPARAM Param() const { return param_; }
    void SetParam(LPARAM value) { param_ = value; }
    // The item's index among its parent's children (the tree's top level for a
    // top-level item), -1 outside a tree. Constant time when the siblings before
    // it have not changed since the last call, so walking siblings stays linear.
    int Row() const;

private:
    HTREEITEM handle_;
    LPARAM param_ = 0;
    mutable int rowHint_ = 0;
};
