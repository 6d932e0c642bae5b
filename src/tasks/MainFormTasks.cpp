// The task list's commands and the per-task options grid.
#include "app/MainForm.h"

#include <QTreeWidget>

#include "tasks/TaskRows.h"

void TMainForm::GetItemData(int row, int part, ltvItemData& record) const
{
    const QTreeWidgetItem* item = ltvTask->topLevelItem(row);
    if (!item)
        return;
    if (part == PartWhole || part == PartInputFile)
        record.InputFile = item->text(0).toStdString();
    for (int subItem = 0; subItem < SubItemCount; ++subItem) {
        if (part != PartWhole && part != subItem)
            continue;
        *SubItemField(record, subItem) = RowSubItem(*item, subItem).toStdString();
        RecomputeSeconds(record, subItem);
    }
}

void TMainForm::SetItemData(int row, int part, ltvItemData record)
{
    QTreeWidgetItem* item = ltvTask->topLevelItem(row);
    if (!item)
        return;
    if (part == PartWhole || part == PartInputFile)
        item->setText(0, QString::fromStdString(record.InputFile));
    for (int subItem = 0; subItem < SubItemCount; ++subItem)
        if (part == PartWhole || part == subItem)
            SetRowSubItem(*item, subItem, QString::fromStdString(*SubItemField(record, subItem)));
}

int TMainForm::SelectedTask() const
{
    for (int row = 0; row < ltvTask->topLevelItemCount(); ++row)
        if (ltvTask->topLevelItem(row)->isSelected())
            return row;
    return -1;
}

void TMainForm::tbtnRemoveClick() {}
void TMainForm::tbtnClearClick() {}
void TMainForm::tbtnUpClick() {}
void TMainForm::tbtnDownClick() {}
void TMainForm::ppmTaskPopup() {}
void TMainForm::ltvTaskKeyDown(int) {}
void TMainForm::ltvTaskResize(int) {}
void TMainForm::ltvTaskClick() {}
void TMainForm::ShowTaskOptions() {}
void TMainForm::SetGridValue(int, const QString&, const QString&) {}
void TMainForm::StoreTaskOptions() {}
void TMainForm::vleOutputMouseDown() {}
void TMainForm::vleOutputClick() {}
void TMainForm::SetCommandState(bool) {}
void TMainForm::EnableCommandsWhenRows() {}
