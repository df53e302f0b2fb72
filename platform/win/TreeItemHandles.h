#pragma once
// Handles and data values of tree view items. A handle names one item and is
// never reused, so handles of deleted items find nothing.
#include "platform/win/TreeTypes.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace TreeItemHandles {

HTREEITEM HandleOf(QTreeWidgetItem* item);
QTreeWidgetItem* ItemOf(QTreeWidget* tree, HTREEITEM handle);
LPARAM Param(const QTreeWidgetItem* item);
// Fills an item record with the handle and data value of item (or clears it for null).
TVITEMW Describe(QTreeWidgetItem* item);

} // namespace TreeItemHandles
