// The task list: its rows, its commands from buttons, menu and keys, the
// column shares and the list click that fills the options grid.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"
#include "ui/ValueListGrid.h"

namespace {

const QStringList FiveTasks = {"A", "B", "C", "D", "E"};

// The rows by their task's name, "ABCDE".
QString Order(const TMainForm& main)
{
    QString order;
    for (int row = 0; row < main.ltvTask->topLevelItemCount(); ++row)
        order += QString::fromStdString(ReadTask(main, row).OutputName);
    return order;
}

QStringList GridValues(const TMainForm& main)
{
    return {main.vleOutput->valueOf(QStringLiteral("New Filename")),
            main.vleOutput->valueOf(QStringLiteral("Start Time")),
            main.vleOutput->valueOf(QStringLiteral("End Time"))};
}

void FillGrid(TMainForm& main)
{
    main.SetGridValue(0, QStringLiteral("New Filename"), QStringLiteral("x.mp4"));
    main.SetGridValue(0, QStringLiteral("Start Time"), QStringLiteral("00:00:01"));
    main.SetGridValue(0, QStringLiteral("End Time"), QStringLiteral("00:00:02"));
}

const QStringList EmptyGrid = {QString(), QString(), QString()};

QList<bool> CommandStates(const TMainForm& main)
{
    return {main.tbtnUp->isEnabled(), main.tbtnDown->isEnabled(), main.tbtnRemove->isEnabled(),
            main.tbtnClear->isEnabled(), main.tbtnStart->isEnabled()};
}

const QList<bool> AllEnabled = {true, true, true, true, true};
const QList<bool> AllDisabled = {false, false, false, false, false};

// A record whose every text is its own, so a copy that mixes fields shows.
ltvItemData Distinct(const std::string& tag)
{
    ltvItemData task;
    task.InputFile = "/in/" + tag + ".avi";
    for (int part = 0; part < SubItemCount; ++part)
        *SubItemField(task, part) = tag + "-" + std::to_string(part);
    task.Length = "00:00:1" + tag.substr(0, 1);
    task.SourceStart = "00:00:0" + tag.substr(0, 1);
    task.SourceEnd = "00:01:0" + tag.substr(0, 1);
    task.Duration = "00:02:0" + tag.substr(0, 1);
    task.StartTime = "00:03:0" + tag.substr(0, 1);
    task.EndTime = "00:04:0" + tag.substr(0, 1);
    RecomputeAllSeconds(task);
    return task;
}

void ExpectSameTask(const ltvItemData& actual, const ltvItemData& expected)
{
    EXPECT_EQ(actual.InputFile, expected.InputFile);
    for (int part = 0; part < SubItemCount; ++part)
        EXPECT_EQ(*SubItemField(actual, part), *SubItemField(expected, part)) << "part " << part;
}

TEST(TaskList, RowShowsCaptionAndThreeSubItemsAndHidesTheOtherSeven)
{
    TestProgram program;
    TMainForm& main = program.start();
    const ltvItemData task = Distinct("1");
    AddTestTask(main, task);

    const QTreeWidgetItem* row = main.ltvTask->topLevelItem(0);
    ASSERT_EQ(main.ltvTask->columnCount(), 4);
    EXPECT_EQ(row->text(0), QStringLiteral("/in/1.avi"));
    EXPECT_EQ(row->text(1), QString::fromStdString(task.Length));
    EXPECT_EQ(row->text(2), QString::fromStdString(task.Size));
    EXPECT_EQ(row->text(3), QString::fromStdString(task.Status));
    ExpectSameTask(ReadTask(main, 0), task);
    EXPECT_EQ(main.ltvTask->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(main.ltvTask->selectionBehavior(), QAbstractItemView::SelectRows);
}

TEST(TaskList, EachPartNumberCopiesItsOwnFieldOnly)
{
    TestProgram program;
    TMainForm& main = program.start();
    const ltvItemData inRow = Distinct("1");
    const ltvItemData other = Distinct("2");
    AddTestTask(main, inRow);

    for (int part = -3; part <= SubItemCount; ++part) {
        // Reading: the record keeps what it held except the part's field and seconds.
        ltvItemData read = other;
        main.GetItemData(0, part, read);
        ltvItemData expected = other;
        if (part == PartWhole) {
            expected = inRow;
        } else if (part == PartInputFile) {
            expected.InputFile = inRow.InputFile;
        } else if (SubItemField(expected, part)) {
            *SubItemField(expected, part) = *SubItemField(inRow, part);
            RecomputeSeconds(expected, part);
        }
        ExpectSameTask(read, expected);
        EXPECT_EQ(read.LengthSec, expected.LengthSec) << part;
        EXPECT_EQ(read.SourceStartSec, expected.SourceStartSec) << part;
        EXPECT_EQ(read.SourceEndSec, expected.SourceEndSec) << part;
        EXPECT_EQ(read.DurationSec, expected.DurationSec) << part;
        EXPECT_EQ(read.StartSec, expected.StartSec) << part;
        EXPECT_EQ(read.EndSec, expected.EndSec) << part;

        // Writing: only the part's slot of the row changes.
        main.SetItemData(0, PartWhole, inRow);
        main.SetItemData(0, part, other);
        expected = inRow;
        if (part == PartWhole)
            expected = other;
        else if (part == PartInputFile)
            expected.InputFile = other.InputFile;
        else if (SubItemField(expected, part))
            *SubItemField(expected, part) = *SubItemField(other, part);
        ExpectSameTask(ReadTask(main, 0), expected);
        main.SetItemData(0, PartWhole, inRow);
    }
}

struct MoveCase {
    QList<int> selected;
    bool up;
    const char* order;
    QList<int> selectedAfter;
};

TEST(TaskList, MoveUpAndDownMoveTheSelectedRowsAsBlocks)
{
    const MoveCase cases[] = {
        {{2}, true, "ACBDE", {1}},
        {{2}, false, "ABDCE", {3}},
        {{0}, true, "ABCDE", {0}},             // the first row can't go up
        {{4}, false, "ABCDE", {4}},            // the last row can't go down
        {{1, 2}, true, "BCADE", {0, 1}},       // rows 2 and 3 become 1 and 2
        {{1, 2}, false, "ADBCE", {2, 3}},      // rows 2 and 3 become 3 and 4
        {{0, 1}, true, "BACDE", {0}},          // two at the top trade places
        {{3, 4}, false, "ABCED", {4}},         // two at the bottom trade places
        {{0, 2, 4}, true, "ACBED", {0, 1, 3}},
        {{}, true, "ABCDE", {}},
        {{}, false, "ABCDE", {}},
    };
    for (const MoveCase& c : cases) {
        TestProgram program;
        TMainForm& main = program.start();
        program.show();
        AddTestTasks(main, FiveTasks);
        SelectRows(main, c.selected);
        (c.up ? main.sbtnUp : main.sbtnDown)->click();
        EXPECT_EQ(Order(main), QLatin1String(c.order)) << c.order;
        EXPECT_EQ(SelectedRows(main), c.selectedAfter) << c.order;
    }
}

TEST(TaskList, MovedRowsTakeAllTheirValuesAlong)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    std::vector<ltvItemData> tasks;
    for (const char* tag : {"1", "2", "3", "4"}) {
        tasks.push_back(Distinct(tag));
        AddTestTask(main, tasks.back());
    }
    FillGrid(main);

    SelectRows(main, {2, 3});
    main.tbtnUpClick();
    ExpectSameTask(ReadTask(main, 0), tasks[0]);
    ExpectSameTask(ReadTask(main, 1), tasks[2]);
    ExpectSameTask(ReadTask(main, 2), tasks[3]);
    ExpectSameTask(ReadTask(main, 3), tasks[1]);
    main.tbtnDownClick();
    for (int row = 0; row < 4; ++row)
        ExpectSameTask(ReadTask(main, row), tasks[static_cast<std::size_t>(row)]);
    // A move does not refresh the options grid.
    EXPECT_EQ(GridValues(main), QStringList({"x.mp4", "00:00:01", "00:00:02"}));
}

TEST(TaskList, MovesKeepTheFocusedRowAndTheScrollPosition)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    for (int task = 0; task < 300; ++task)
        AddTestTask(main, TestTask("t" + std::to_string(task)));
    QCoreApplication::processEvents();
    QScrollBar* scroll = main.ltvTask->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 100);
    scroll->setValue(100);
    main.ltvTask->selectionModel()->setCurrentIndex(main.ltvTask->model()->index(120, 0),
                                                    QItemSelectionModel::NoUpdate);
    SelectRows(main, {110, 111, 112});

    main.tbtnUpClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->value(), 100);
    EXPECT_EQ(main.ltvTask->currentIndex().row(), 120);
    EXPECT_EQ(SelectedRows(main), QList<int>({109, 110, 111}));
    main.tbtnDownClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(scroll->value(), 100);
    EXPECT_EQ(main.ltvTask->currentIndex().row(), 120);
    EXPECT_EQ(SelectedRows(main), QList<int>({110, 111, 112}));
    EXPECT_EQ(ReadTask(main, 110).OutputName, "t110");
}

TEST(TaskList, RemoveDeletesTheSelectedRowsAndAlwaysEmptiesTheOptions)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, FiveTasks);
    main.EnableCommandsWhenRows();

    // Nothing selected: the rows stay, the grid is emptied all the same.
    FillGrid(main);
    main.sbtnDelete->click();
    EXPECT_EQ(Order(main), QStringLiteral("ABCDE"));
    EXPECT_EQ(GridValues(main), EmptyGrid);

    FillGrid(main);
    SelectRows(main, {0, 2, 3});
    main.sbtnDelete->click();
    EXPECT_EQ(Order(main), QStringLiteral("BE"));
    EXPECT_TRUE(SelectedRows(main).isEmpty());
    EXPECT_EQ(GridValues(main), EmptyGrid);
    EXPECT_EQ(CommandStates(main), AllEnabled);

    // Removing the last rows disables the list's commands.
    SelectRows(main, {0, 1});
    main.tbtnRemoveClick();
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_EQ(CommandStates(main), AllDisabled);
}

TEST(TaskList, ClearDeletesEveryRowAndDisablesTheCommands)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, FiveTasks);
    main.EnableCommandsWhenRows();
    FillGrid(main);
    SelectRows(main, {1});

    main.sbtnClear->click();
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_EQ(GridValues(main), EmptyGrid);
    EXPECT_EQ(CommandStates(main), AllDisabled);
    EXPECT_FALSE(main.tbtnStop->isEnabled());
}

TEST(TaskList, CommandsAreSafeOnAnEmptyList)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    for (void (TMainForm::*command)() : {&TMainForm::tbtnUpClick, &TMainForm::tbtnDownClick,
                                         &TMainForm::tbtnRemoveClick, &TMainForm::tbtnClearClick,
                                         &TMainForm::ltvTaskClick, &TMainForm::ppmTaskPopup}) {
        FillGrid(main);
        (main.*command)();
        EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    }
    // Backspace in the empty list empties the grid values.
    FillGrid(main);
    PressKeyInList(main, Qt::Key_Backspace);
    EXPECT_EQ(GridValues(main), EmptyGrid);
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
}

TEST(TaskList, DeleteRemovesAndBackspaceClears)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, FiveTasks);
    SelectRows(main, {1, 3});

    for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Return})
        PressKeyInList(main, key);
    EXPECT_EQ(Order(main), QStringLiteral("ABCDE"));

    SelectRows(main, {1, 3});
    PressKeyInList(main, Qt::Key_Delete);
    EXPECT_EQ(Order(main), QStringLiteral("ACE"));
    PressKeyInList(main, Qt::Key_Backspace);
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
}

TEST(TaskList, ContextMenuEntriesFollowTheListAndRunTheCommands)
{
    const struct {
        int rows;
        QList<int> selected;
        bool open, remove, clear;
    } cases[] = {
        {0, {}, false, false, false},
        {3, {}, false, false, true},
        {3, {2}, true, true, true},
        {3, {0, 1, 2}, true, true, true},
    };
    for (const auto& c : cases) {
        TestProgram program;
        TMainForm& main = program.start();
        program.show();
        AddTestTasks(main, FiveTasks.mid(0, c.rows));
        SelectRows(main, c.selected);
        auto entry = [&](const char* name) {
            return main.ppmTask->findChild<QAction*>(QLatin1String(name));
        };
        emit main.ppmTask->aboutToShow();
        EXPECT_EQ(entry("mnuOpen")->isEnabled(), c.open) << c.rows;
        EXPECT_EQ(entry("mnuRemove")->isEnabled(), c.remove) << c.rows;
        EXPECT_EQ(entry("mnuClear")->isEnabled(), c.clear) << c.rows;
        EXPECT_TRUE(entry("mnuAddFiles")->isEnabled());
        EXPECT_TRUE(entry("mnuAddDirs")->isEnabled());

        entry("mnuRemove")->trigger();
        EXPECT_EQ(main.ltvTask->topLevelItemCount(), c.rows - c.selected.size()) << c.rows;
        entry("mnuClear")->trigger();
        EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    }
}

TEST(TaskList, ColumnsShareEveryChangeOfTheListsWidth)
{
    TestProgram program;
    TMainForm& main = program.start();
    auto widths = [&main] {
        QList<int> result;
        for (int column = 0; column < 4; ++column)
            result << main.ltvTask->columnWidth(column);
        return result;
    };
    EXPECT_EQ(widths(), QList<int>({230, 90, 80, 100}));

    // The list is laid out 519 wide: the first resize takes 43 pixels off.
    program.show();
    EXPECT_EQ(main.ltvTask->width(), 519);
    EXPECT_EQ(widths(), QList<int>({209, 83, 74, 92}));

    main.ltvTask->resize(562, main.ltvTask->height());
    EXPECT_EQ(widths(), QList<int>({230, 90, 80, 100}));
    main.ltvTask->resize(562, main.ltvTask->height() + 20);   // no change of width
    EXPECT_EQ(widths(), QList<int>({230, 90, 80, 100}));
    main.ltvTaskResize(662);
    EXPECT_EQ(widths(), QList<int>({279, 107, 95, 119}));
}

TEST(TaskList, ClickShowsTheSelectedTaskWithTheCurrentExtension)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, {"A", "B", "C"});
    ltvItemData trimmed = ReadTask(main, 1);
    trimmed.StartTime = "00:00:10";
    trimmed.EndTime = "00:01:00";
    main.SetItemData(1, PartWhole, trimmed);

    main.OutputExtension = QStringLiteral(".3gp");   // another profile than the tasks were added under
    ClickTaskRow(main, 1);
    EXPECT_EQ(SelectedRows(main), QList<int>({1}));
    EXPECT_EQ(GridValues(main), QStringList({"B.3gp", "00:00:10", "00:01:00"}));
    EXPECT_EQ(ReadTask(main, 1).OutputExt, ".mp4");

    // Arrow keys change the selection but not the grid.
    PressKeyInList(main, Qt::Key_Down);
    EXPECT_EQ(SelectedRows(main), QList<int>({2}));
    EXPECT_EQ(GridValues(main), QStringList({"B.3gp", "00:00:10", "00:01:00"}));

    ClickTaskRow(main, 2);
    EXPECT_EQ(GridValues(main), QStringList({"C.3gp", "00:00:00.0", "00:01:40"}));

    // With several selected, the first in row order is shown.
    SelectRows(main, {2, 0});
    main.ltvTaskClick();
    QCoreApplication::processEvents();
    EXPECT_EQ(GridValues(main), QStringList({"A.3gp", "00:00:00.0", "00:01:40"}));

    // A click on the empty part of the list selects nothing and empties the grid.
    ClickTaskRow(main, -1);
    EXPECT_TRUE(SelectedRows(main).isEmpty());
    EXPECT_EQ(GridValues(main), EmptyGrid);

    // A click on one row of several selected narrows the selection to it first.
    SelectRows(main, {0, 1, 2});
    ClickTaskRow(main, 2);
    EXPECT_EQ(SelectedRows(main), QList<int>({2}));
    EXPECT_EQ(GridValues(main), QStringList({"C.3gp", "00:00:00.0", "00:01:40"}));
    EXPECT_EQ(main.vleOutput->rowCount(), 3);
}

TEST(TaskList, CommandsAreEnabledOnlyWhenTheListHasRows)
{
    TestProgram program;
    TMainForm& main = program.start();
    EXPECT_EQ(CommandStates(main), AllDisabled);
    main.EnableCommandsWhenRows();
    EXPECT_EQ(CommandStates(main), AllDisabled);

    AddTestTasks(main, {"A"});
    main.EnableCommandsWhenRows();
    EXPECT_EQ(CommandStates(main), AllEnabled);
    EXPECT_FALSE(main.tbtnStop->isEnabled());
    main.SetCommandState(false);
    EXPECT_EQ(CommandStates(main), AllDisabled);
    // The state gates nothing: a disabled command still runs.
    SelectRows(main, {0});
    main.tbtnRemoveClick();
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
}

} // namespace
