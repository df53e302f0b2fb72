#include "platform/win/TreeItemHandles.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kHandleRole = Qt::UserRole + 1;
constexpr int kParamRole = Qt::UserRole + 2;

} // namespace

namespace TreeItemHandles {

HTREEITEM HandleOf(QTreeWidgetItem* item)
{
    if (!item)
        return nullptr;
    const QVariant stored = item->data(0, kHandleRole);
    if (stored.isValid())
        return reinterpret_cast<HTREEITEM>(stored.value<quintptr>());
    static quintptr next = 0x10;
    next += 8;
    item->setData(0, kHandleRole, QVariant::fromValue(next));
    return reinterpret_cast<HTREEITEM>(next);
}

QTreeWidgetItem* ItemOf(QTreeWidget* tree, HTREEITEM handle)
{
    if (!tree || !handle)
        return nullptr;
    const auto wanted = reinterpret_cast<quintptr>(handle);
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->data(0, kHandleRole).value<quintptr>() == wanted)
            return *it;
    return nullptr;
}

void SetParam(QTreeWidgetItem* item, LPARAM value)
{
    item->setData(0, kParamRole, QVariant::fromValue<qintptr>(value));
}

LPARAM Param(const QTreeWidgetItem* item)
{
    return item ? static_cast<LPARAM>(item->data(0, kParamRole).value<qintptr>()) : 0;
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
