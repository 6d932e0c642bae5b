// The per-task options grid: storing typed names and times into the selected
// task, the tip on a press without a task, and SetGridValue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "platform/QtPlatform.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"
#include "ui/BalloonTip.h"
#include "ui/ValueListGrid.h"

namespace {

const QString NewFilename = QStringLiteral("New Filename");
const QString StartTime = QStringLiteral("Start Time");
const QString EndTime = QStringLiteral("End Time");
const QString Tip = QStringLiteral("Tip:|Please select a file in Task List.");

void TypeOptions(TMainForm& main, const QString& name, const QString& start, const QString& end)
{
    main.SetGridValue(0, NewFilename, name);
    main.SetGridValue(0, StartTime, start);
    main.SetGridValue(0, EndTime, end);
}

// Types into a value cell as the user does: the editor opens, keys go to it.
void TypeIntoCell(ValueListGrid& grid, int row, const QString& text)
{
    grid.setFocus();
    grid.setCurrentGridRow(row);
    grid.edit(grid.model()->index(row, 1));
    auto* editor = qobject_cast<QLineEdit*>(grid.openEditor());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    for (const QChar ch : text) {
        QKeyEvent down(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(editor, &down);
    }
}

void PressOnCell(ValueListGrid& grid, int row)
{
    const QPoint at = grid.visualRect(grid.model()->index(row, 1)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &release);
}

struct StoreCase {
    const char* name;
    const char* start;
    const char* end;
    const char* outputName;   // stored OutputName, OutputExt, StartTime, EndTime, Duration
    const char* outputExt;
    const char* startTime;
    const char* endTime;
    const char* duration;
};

TEST(TaskOptions, TypedValuesAreStoredIntoTheirFiveSlotsOnly)
{
    const StoreCase cases[] = {
        {"clip.avi", "0:0:30", "0:1:10", "clip", ".avi", "00:00:30", "00:01:10", "00:00:40"},
        {"my.clip.mp4", "0:2:00", "0:3:00", "my.clip", ".mp4", "00:00:00", "00:03:00", "00:03:00"},
        {"clip", "1:30", "0:0:0", "clip", "", "00:00:00", "00:01:40", "00:01:40"},
        {"", "abc", "0:0:.5", "", "", "00:00:00", "00:01:40", "00:01:40"},
        {"a b.", "0:0:50", "0:0:50", "a b", ".", "00:00:00", "00:00:50", "00:00:50"},
        {"x.mkv", "0:0:-5", "0:0:20.5", "x", ".mkv", "00:00:00", "00:00:20.5", "00:00:20.5"},
    };
    for (const StoreCase& c : cases) {
        TestProgram program;
        TMainForm& main = program.start();
        AddTestTasks(main, {"first", "second"});
        ltvItemData before = ReadTask(main, 1);
        before.Status = "Complete";   // a slot the grid never writes
        main.SetItemData(1, PartWhole, before);
        SelectRows(main, {1});

        TypeOptions(main, c.name, c.start, c.end);
        main.StoreTaskOptions();

        ltvItemData expected = before;
        expected.OutputName = c.outputName;
        expected.OutputExt = c.outputExt;
        expected.StartTime = c.startTime;
        expected.EndTime = c.endTime;
        expected.Duration = c.duration;
        const ltvItemData stored = ReadTask(main, 1);
        for (int part = 0; part < SubItemCount; ++part)
            EXPECT_EQ(*SubItemField(stored, part), *SubItemField(expected, part))
                << c.name << " part " << part;
        EXPECT_EQ(stored.InputFile, expected.InputFile);
        // The grid keeps the values as typed; the other task is untouched.
        EXPECT_EQ(main.vleOutput->valueOf(StartTime), QLatin1String(c.start));
        EXPECT_EQ(ReadTask(main, 0).OutputName, "first");
    }
}

TEST(TaskOptions, AnEditIsStoredWhenTheUserLeavesTheCell)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, {"A", "B"});
    ClickTaskRow(main, 1);

    TypeIntoCell(*main.vleOutput, 1, QStringLiteral("0:0:30"));
    main.vleOutput->setCurrentGridRow(2);
    TypeIntoCell(*main.vleOutput, 2, QStringLiteral("0:1:10"));
    main.vleOutput->setCurrentGridRow(0);
    TypeIntoCell(*main.vleOutput, 0, QStringLiteral("trip.mov"));
    main.vleOutput->setCurrentGridRow(1);

    const ltvItemData stored = ReadTask(main, 1);
    EXPECT_EQ(stored.OutputName, "trip");
    EXPECT_EQ(stored.OutputExt, ".mov");
    EXPECT_EQ(stored.StartTime, "00:00:30");
    EXPECT_EQ(stored.EndTime, "00:01:10");
    EXPECT_EQ(stored.Duration, "00:00:40");
    EXPECT_EQ(main.vleOutput->valueOf(StartTime), QStringLiteral("0:0:30"));

    // Shown again, the task shows what was stored.
    ClickTaskRow(main, 0);
    ClickTaskRow(main, 1);
    EXPECT_EQ(main.vleOutput->valueOf(StartTime), QStringLiteral("00:00:30"));
}

TEST(TaskOptions, ValuesGoToTheFirstSelectedTaskOnly)
{
    TestProgram program;
    TMainForm& main = program.start();
    AddTestTasks(main, {"A", "B", "C"});
    SelectRows(main, {2, 1});
    TypeOptions(main, QStringLiteral("new.mp4"), QStringLiteral("0:0:10"), QStringLiteral("0:0:20"));
    main.StoreTaskOptions();
    EXPECT_EQ(ReadTask(main, 0).OutputName, "A");
    EXPECT_EQ(ReadTask(main, 1).OutputName, "new");
    EXPECT_EQ(ReadTask(main, 1).Duration, "00:00:10");
    EXPECT_EQ(ReadTask(main, 2).OutputName, "C");
    EXPECT_EQ(ReadTask(main, 2).Duration, "00:01:40");
}

TEST(TaskOptions, NothingIsStoredWithoutASelectedTask)
{
    TestProgram program;
    TMainForm& main = program.start();
    AddTestTasks(main, {"A"});
    const ltvItemData before = ReadTask(main, 0);
    TypeOptions(main, QStringLiteral("new.mp4"), QStringLiteral("0:0:10"), QStringLiteral("0:0:20"));
    main.StoreTaskOptions();
    const ltvItemData after = ReadTask(main, 0);
    for (int part = 0; part < SubItemCount; ++part)
        EXPECT_EQ(*SubItemField(after, part), *SubItemField(before, part)) << part;
}

TEST(TaskOptions, PressWithoutATaskShowsTheTipInsteadOfAnEditor)
{
    TestProgram program;
    TMainForm& main = program.start();
    program.show();
    AddTestTasks(main, {"A"});

    PressOnCell(*main.vleOutput, 1);
    EXPECT_EQ(program.Desktop.BalloonTexts, QStringList({Tip}));
    EXPECT_EQ(main.vleOutput->openEditor(), nullptr);

    // A shown task: no tip.
    ClickTaskRow(main, 0);
    PressOnCell(*main.vleOutput, 1);
    EXPECT_EQ(program.Desktop.BalloonTexts.size(), 1);

    // Emptying the name stores an empty name, and the tip is back.
    TypeOptions(main, QString(), QStringLiteral("00:00:00.0"), QStringLiteral("00:01:40"));
    main.StoreTaskOptions();
    EXPECT_EQ(ReadTask(main, 0).OutputName, "");
    PressOnCell(*main.vleOutput, 2);
    EXPECT_EQ(program.Desktop.BalloonTexts, QStringList({Tip, Tip}));
    EXPECT_EQ(main.vleOutput->openEditor(), nullptr);
}

// The desktop's own tip: pressing again reuses the one tip of the window.
TEST(TaskOptions, TheTipIsOneReusableWindow)
{
    QTemporaryDir folder;
    QtPlatform desktop;
    TMainForm main(desktop, folder.path() + QLatin1Char('/'), {});
    main.show();
    QCoreApplication::processEvents();

    for (int press = 0; press < 3; ++press)
        PressOnCell(*main.vleOutput, press);
    const QList<BalloonTip*> tips = main.findChildren<BalloonTip*>();
    ASSERT_EQ(tips.size(), 1);
    EXPECT_EQ(tips[0]->title(), QStringLiteral("Tip:"));
    EXPECT_EQ(tips[0]->text(), QStringLiteral("Please select a file in Task List."));
}

TEST(TaskOptions, SetGridValueFindsTheKeyWithoutCaseOrAppendsIt)
{
    TestProgram program;
    TMainForm& main = program.start();
    ValueListGrid* const grids[] = {main.vleOutput, main.vleVideo, main.vleAudio, main.vleAdvanced};
    for (int number = 0; number < 4; ++number) {
        ValueListGrid& grid = *grids[number];
        const int rows = grid.rowCount();
        const QString key = grid.key(0);
        main.SetGridValue(number, key.toUpper(), QStringLiteral("first"));
        EXPECT_EQ(grid.value(0), QStringLiteral("first")) << number;
        EXPECT_EQ(grid.rowCount(), rows) << number;

        main.SetGridValue(number, QStringLiteral("Extra Key"), QStringLiteral("added"));
        ASSERT_EQ(grid.rowCount(), rows + 1) << number;
        EXPECT_EQ(grid.key(rows), QStringLiteral("Extra Key"));
        EXPECT_EQ(grid.value(rows), QStringLiteral("added"));
    }
    for (int number : {-1, 4}) {
        main.SetGridValue(number, QStringLiteral("New Filename"), QStringLiteral("nowhere"));
        main.SetGridValue(number, QStringLiteral("Other Key"), QStringLiteral("nowhere"));
    }
    EXPECT_EQ(main.vleOutput->valueOf(NewFilename), QStringLiteral("first"));
    for (ValueListGrid* grid : grids)
        EXPECT_EQ(grid->findRow(QStringLiteral("Other Key")), -1);
}

} // namespace
