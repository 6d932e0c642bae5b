// The task list's commands and the per-task options grid.
#include "app/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QTimer>
#include <QTreeWidget>

#include "platform/Platform.h"
#include "tasks/BlockMoves.h"
#include "tasks/ColumnShares.h"
#include "tasks/TaskListBulk.h"
#include "tasks/TaskOptions.h"
#include "tasks/TaskRows.h"
#include "ui/ValueListGrid.h"

namespace {

const QString NewFilenameKey = QStringLiteral("New Filename");
const QString StartTimeKey = QStringLiteral("Start Time");
const QString EndTimeKey = QStringLiteral("End Time");

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// Applies a move worked out on the selection flags: the rows travel whole
// (caption, all ten sub-items), the focused row and the scroll position stay.
void ApplyMove(QTreeWidget& list, const BlockMove& move)
{
    if (!move.Moved)
        return;
    ArrangeRows(list, move.Order);
    SelectRowFlags(list, move.Selected);
}

// The options grid shows no task.
void EmptyOptionsGrid(TMainForm& main)
{
    for (const QString& key : {NewFilenameKey, StartTimeKey, EndTimeKey})
        main.SetGridValue(0, key, QString());
}

} // namespace

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

// ---- commands of the list ----

void TMainForm::tbtnRemoveClick()
{
    const std::vector<bool> selected = SelectedRowFlags(*ltvTask);
    std::vector<int> kept;
    kept.reserve(selected.size());
    for (std::size_t row = 0; row < selected.size(); ++row)
        if (!selected[row])
            kept.push_back(static_cast<int>(row));
    if (kept.size() != selected.size())
        ArrangeRows(*ltvTask, kept);

    EmptyOptionsGrid(*this);
    if (ltvTask->topLevelItemCount() == 0)
        SetCommandState(false);
}

void TMainForm::tbtnClearClick()
{
    ltvTask->clear();
    EmptyOptionsGrid(*this);
    SetCommandState(false);
}

void TMainForm::tbtnUpClick()
{
    ApplyMove(*ltvTask, MoveSelectedUp(SelectedRowFlags(*ltvTask)));
}

void TMainForm::tbtnDownClick()
{
    ApplyMove(*ltvTask, MoveSelectedDown(SelectedRowFlags(*ltvTask)));
}

void TMainForm::ppmTaskPopup()
{
    const bool anySelected = SelectedTask() >= 0;
    const bool anyRow = ltvTask->topLevelItemCount() > 0;
    const std::pair<const char*, bool> entries[] = {
        {"mnuOpen", anySelected}, {"mnuAddFiles", true}, {"mnuAddDirs", true},
        {"mnuRemove", anySelected}, {"mnuClear", anyRow},
    };
    for (const auto& [name, enabled] : entries)
        if (QAction* entry = ppmTask->findChild<QAction*>(QLatin1String(name)))
            entry->setEnabled(enabled);
}

void TMainForm::ltvTaskKeyDown(int key)
{
    if (key == Qt::Key_Backspace)
        tbtnClearClick();
    else if (key == Qt::Key_Delete)
        tbtnRemoveClick();
}

void TMainForm::ltvTaskResize(int newWidth)
{
    const int delta = newWidth - lastListWidth_;
    lastListWidth_ = newWidth;
    if (delta == 0)
        return;
    ColumnWidths widths;
    for (int column = 0; column < TaskColumnCount; ++column)
        widths[column] = ltvTask->columnWidth(column);
    widths = WidenColumns(widths, delta);
    for (int column = 0; column < TaskColumnCount; ++column)
        ltvTask->setColumnWidth(column, widths[column]);
}

void TMainForm::ltvTaskClick()
{
    // The click reaches us before the list has applied the release to its
    // selection (a release on the empty part clears it, one on a row of a
    // larger selection narrows it to that row), so the grid is refilled once
    // the list is done with the event.
    QTimer::singleShot(0, this, &TMainForm::ShowTaskOptions);
}

void TMainForm::ShowTaskOptions()
{
    const int row = SelectedTask();
    if (row < 0) {
        EmptyOptionsGrid(*this);
        return;
    }
    ltvItemData task;
    GetItemData(row, PartWhole, task);
    // The extension shown is the profile's of now, not the one stored with the task.
    SetGridValue(0, NewFilenameKey, Text(task.OutputName) + OutputExtension);
    SetGridValue(0, StartTimeKey, Text(task.StartTime));
    SetGridValue(0, EndTimeKey, Text(task.EndTime));
}

// ---- per-task options ----

void TMainForm::SetGridValue(int grid, const QString& key, const QString& value)
{
    ValueListGrid* const grids[] = {vleOutput, vleVideo, vleAudio, vleAdvanced};
    if (grid < 0 || grid >= static_cast<int>(std::size(grids)))
        return;
    grids[grid]->setValueOf(key, value);
}

void TMainForm::StoreTaskOptions()
{
    const int row = SelectedTask();
    if (row < 0)
        return;
    ltvItemData task;
    GetItemData(row, PartWhole, task);
    const TypedTaskOptions typed{vleOutput->valueOf(NewFilenameKey).toStdString(),
                                 vleOutput->valueOf(StartTimeKey).toStdString(),
                                 vleOutput->valueOf(EndTimeKey).toStdString()};
    const StoredTaskOptions stored = TaskOptionsToStore(task, typed);
    task.OutputName = stored.OutputName;
    task.OutputExt = stored.OutputExt;
    task.Duration = stored.Duration;
    task.StartTime = stored.StartTime;
    task.EndTime = stored.EndTime;
    // Only these slots: the rest of the row is not the grid's to write.
    for (int part : {PartOutputName, PartOutputExt, PartDuration, PartStartTime, PartEndTime})
        SetItemData(row, part, task);
}

void TMainForm::vleOutputMouseDown()
{
    if (!vleOutput->valueOf(NewFilenameKey).isEmpty()) {
        parameterGridMouseDown();
        return;
    }
    // No task is shown: point the user at the list instead of opening an editor.
    QWidget* target = QApplication::widgetAt(QCursor::pos());
    if (!target || (target != vleOutput && !vleOutput->isAncestorOf(target)))
        target = vleOutput->viewport();
    platform().showBalloonTip(target, QStringLiteral("Tip:"),
                              QStringLiteral("Please select a file in Task List."));
    vleOutput->cancelEditOnPress();
}

void TMainForm::vleOutputClick()
{
    parameterGridMouseDown();
}

// ---- command state ----

void TMainForm::SetCommandState(bool enabled)
{
    for (QAction* command : {tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart})
        command->setEnabled(enabled);
}

void TMainForm::EnableCommandsWhenRows()
{
    if (ltvTask->topLevelItemCount() > 0)
        SetCommandState(true);
}
