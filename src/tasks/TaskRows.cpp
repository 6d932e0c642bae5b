#include "tasks/TaskRows.h"

#include <QTreeWidgetItem>

#include "tasks/TaskRecord.h"

namespace {

constexpr int VisibleSubItems = 3;
constexpr int HiddenRoleBase = Qt::UserRole + 100;

} // namespace

QTreeWidgetItem* NewTaskRow(const QString& caption)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, caption);
    for (int subItem = 0; subItem < SubItemCount; ++subItem)
        SetRowSubItem(*row, subItem, QString());
    return row;
}

QString RowSubItem(const QTreeWidgetItem& row, int subItem)
{
    if (subItem < VisibleSubItems)
        return row.text(subItem + 1);
    return row.data(0, HiddenRoleBase + subItem).toString();
}

void SetRowSubItem(QTreeWidgetItem& row, int subItem, const QString& text)
{
    if (subItem < VisibleSubItems)
        row.setText(subItem + 1, text);
    else
        row.setData(0, HiddenRoleBase + subItem, text);
}
