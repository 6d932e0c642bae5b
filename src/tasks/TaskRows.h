#pragma once
// A task row of the list view: the caption in column 0, sub-items 0 to 2 in
// the visible columns 1 to 3, sub-items 3 to 9 hidden in data roles.
#include <QString>

class QTreeWidgetItem;

QTreeWidgetItem* NewTaskRow(const QString& caption);
QString RowSubItem(const QTreeWidgetItem& row, int subItem);
void SetRowSubItem(QTreeWidgetItem& row, int subItem, const QString& text);
