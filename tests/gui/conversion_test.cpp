// The batch run on the main window with the fake encoder, where a run's
// timing or failure must be staged: Stop, closing during a run, an encoder
// that can't start or fails, progress in one-byte reads, the completion
// actions and the checks Start makes before anything runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>

#include <signal.h>

#include <cerrno>

#include "app/MainForm.h"
#include "convert/BatchRun.h"
#include "profiles/SettingForm.h"
#include "support/EventWait.h"
#include "support/ConversionTestKit.h"
#include "support/ProfileTestKit.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"
#include "ui/ImageButton.h"
#include "ui/ValueListGrid.h"

namespace {

const QString kComplete = QStringLiteral("Complete");
const QString kConverting = QStringLiteral("Converting");

// The main window of a program whose encoder is the fake running `script`,
// shown, with three tasks of 100 seconds and its own folder as output folder.
TMainForm& StartWithFakeEncoder(TestProgram& program, const QStringList& script, int tasks = 3)
{
    program.installEncoder(Encoder::Fake);
    WriteEncoderScript(program, script);
    TMainForm& main = program.start();
    program.show();
    main.edtOutputdir->setText(program.folder());
    for (int task = 0; task < tasks; ++task)
        AddTestTask(main, TestTask("clip" + std::to_string(task + 1)));
    return main;
}

// The controls a run disables, all enabled or all disabled.
void ExpectRunControls(TMainForm& main, bool running)
{
    for (QWidget* widget : std::initializer_list<QWidget*>{main.sbtnAddFile, main.sbtnAddDir, main.sbtnUp,
                                                            main.sbtnDown, main.sbtnDelete, main.sbtnClear,
                                                            main.sbtnOptions, main.ltvTask})
        EXPECT_EQ(widget->isEnabled(), !running) << widget->objectName().toStdString();
    for (QAction* command : {main.tbtnAddFile, main.tbtnAddDir, main.tbtnSetting})
        EXPECT_EQ(command->isEnabled(), !running) << command->objectName().toStdString();
    EXPECT_EQ(main.imgStart->isHidden(), running);
    EXPECT_EQ(main.imgStop->isHidden(), !running);
    EXPECT_EQ(main.panBottomLeft->isHidden(), !running);
    EXPECT_EQ(main.panBottomCenter->isHidden(), running);
    EXPECT_EQ(main.timerTime->isActive(), running);
}

bool ProcessIsGone(qint64 pid)
{
    return kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

}  // namespace

TEST(ConversionRun, StopDuringTheSecondOfThreeTasks)
{
    TestProgram program;
    TMainForm& main = StartWithFakeEncoder(
        program, ProgressScript({QStringLiteral("00:00:20.00"), QStringLiteral("00:00:40.00"),
                                 QStringLiteral("00:00:60.00"), QStringLiteral("00:01:20.00")},
                                150));
    // Stop when nothing runs does nothing.
    main.tbtnStopClick();
    EXPECT_EQ(main.convertState(), 0);
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());

    main.tbtnStartClick();
    EXPECT_EQ(main.convertState(), 1);
    ASSERT_TRUE(RunEventsUntil([&main] { return Statuses(main).value(1) == kConverting; }));
    ExpectRunControls(main, true);
    EXPECT_EQ(main.labConvertingFile->text(), QStringLiteral("clip2.avi"));
    EXPECT_EQ(Statuses(main).value(0), kComplete);

    main.imgStopClick();
    EXPECT_EQ(main.convertState(), 2);
    ASSERT_TRUE(WaitForRunEnd(main));

    EXPECT_EQ(Statuses(main), (QStringList{kComplete, QStringLiteral("Stop"), QStringLiteral("OK")}));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Cancel"));
    EXPECT_EQ(program.Desktop.Messages[0].Text, QStringLiteral("The Coversion is canceled."));
    EXPECT_EQ(program.Desktop.Messages[0].Icon, MessageIcon::Information);
    ExpectRunControls(main, false);
    // No completion action after a stop.
    EXPECT_TRUE(program.Desktop.Opened.isEmpty());
    EXPECT_EQ(program.Desktop.PowerOffRequests, 0);
    EXPECT_TRUE(main.isVisible());
}

TEST(ConversionRun, StartWhileAStoppedRunIsStillEndingIsIgnored)
{
    TestProgram program;
    // An encoder that ignores the request to end lingers until it is killed.
    QStringList script{QStringLiteral("ignoreterm")};
    script << ProgressScript({QStringLiteral("00:00:10.00")}) << QStringLiteral("hang");
    TMainForm& main = StartWithFakeEncoder(program, script, 2);

    main.imgStartClick();
    ASSERT_TRUE(RunEventsUntil([&main] { return main.pgbCurrent->value() == 10; }));
    const qint64 pid = BatchRun::Of(main).encoderProcessId();
    main.imgStopClick();
    EXPECT_FALSE(main.imgStart->isHidden());
    main.imgStartClick();   // the Start image is back before the run has ended
    EXPECT_EQ(main.convertState(), 2);
    EXPECT_EQ(BatchRun::Of(main).encoderProcessId(), pid);
    ASSERT_TRUE(WaitForRunEnd(main));

    EXPECT_EQ(Statuses(main), (QStringList{QStringLiteral("Stop"), QStringLiteral("OK")}));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Cancel"));
    ExpectRunControls(main, false);
    EXPECT_TRUE(ProcessIsGone(pid));

    // Once it has ended, Start runs again.
    WriteEncoderScript(program, ProgressScript({QStringLiteral("00:00:10.00")}));
    main.imgStartClick();
    ASSERT_TRUE(WaitForRunEnd(main));
    EXPECT_EQ(Statuses(main), (QStringList{kComplete, kComplete}));
}

TEST(ConversionRun, ClosingTheWindowDuringARunEndsTheEncoderFirst)
{
    TestProgram program;
    // Even an encoder that ignores the request to end is gone with the window.
    QStringList script{QStringLiteral("ignoreterm")};
    script << ProgressScript({QStringLiteral("00:00:10.00")}) << QStringLiteral("hang");
    TMainForm& main = StartWithFakeEncoder(program, script, 2);

    main.tbtnStartClick();
    ASSERT_TRUE(RunEventsUntil([&main] { return main.pgbCurrent->value() == 10; }));
    const qint64 pid = BatchRun::Of(main).encoderProcessId();
    program.close();

    EXPECT_TRUE(ProcessIsGone(pid));
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.convertState(), 0);
    EXPECT_EQ(Statuses(main), (QStringList{QStringLiteral("Stop"), QStringLiteral("OK")}));
    // Closing is not a cancel the user must confirm, and nothing else follows.
    QCoreApplication::processEvents();
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
    EXPECT_TRUE(program.Desktop.Opened.isEmpty());
}

TEST(ConversionRun, AnEncoderThatCannotStartEndsTheBatch)
{
    TestProgram program;
    TMainForm& main = StartWithFakeEncoder(program, {}, 2);
    program.installEncoder(Encoder::None);

    main.tbtnStartClick();
    ASSERT_TRUE(WaitForRunEnd(main));

    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_EQ(program.Desktop.Messages[0].Text, QStringLiteral("Error on CreateProcess()"));
    EXPECT_EQ(Statuses(main), (QStringList{QStringLiteral("Failed"), QStringLiteral("OK")}));
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(0).contains(main.encoderPath()));
    ExpectRunControls(main, false);
    EXPECT_TRUE(program.Desktop.Opened.isEmpty());
    EXPECT_EQ(program.Desktop.PowerOffRequests, 0);
}

TEST(ConversionRun, ProgressFromOneByteReads)
{
    // The time as seconds and as a time text; each progress line arrives one
    // byte a read, and the first two lines (the banner) never count.
    for (const QString& time : {QStringLiteral("25.0"), QStringLiteral("00:00:25.00")}) {
        TestProgram program;
        QStringList script{QStringLiteral("chunk 1")};
        script << ProgressScript({QStringLiteral("00:00:10.00"), time});
        TMainForm& main = StartWithFakeEncoder(program, script, 2);

        main.tbtnStartClick();
        ASSERT_TRUE(WaitForRunEnd(main));

        EXPECT_EQ(Statuses(main), (QStringList{kComplete, kComplete}));
        // The last task keeps its bar; the total counts the first task whole:
        // (100 + 25) / 200 = 62.5%, shown as 62%.
        EXPECT_EQ(main.pgbCurrent->value(), 25) << time.toStdString();
        EXPECT_EQ(main.labCurProgress->text(), QStringLiteral("25%"));
        EXPECT_EQ(main.pgbTotal->value(), 62);
        EXPECT_EQ(main.labTotalProgress->text(), QStringLiteral("62%"));
        EXPECT_EQ(main.labConvertingFile->text(), QStringLiteral("clip2.avi"));
    }
}

TEST(ConversionRun, FailedEncoderRunsAreMarkedKeptAndCounted)
{
    const struct {
        QStringList script;
        QString reason;
    } cases[] = {
        {{QStringLiteral("print clip1.avi: Invalid data found when processing input\\n"), QStringLiteral("exit 3")},
         QStringLiteral("The encoder ended with code 3.\nclip1.avi: Invalid data found when processing input")},
        {{QStringLiteral("print Segmentation\\n"), QStringLiteral("crash")},
         QStringLiteral("The encoder was ended abnormally.\nSegmentation")},
    };
    for (const auto& c : cases) {
        TestProgram program;
        TMainForm& main = StartWithFakeEncoder(program, c.script, 1);
        main.tbtnStartClick();
        ASSERT_TRUE(WaitForRunEnd(main));

        EXPECT_EQ(Statuses(main), QStringList{QStringLiteral("Failed")});
        EXPECT_EQ(BatchRun::Of(main).FailureReason(0), c.reason);
        ASSERT_EQ(program.Desktop.Messages.size(), 1);
        EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Complete"));
        EXPECT_EQ(program.Desktop.Messages[0].Text,
                  QStringLiteral("The coversion is completed, but 1 of 1 task failed. "
                                 "Hover over a task's status to see why."));
        EXPECT_EQ(program.Desktop.Messages[0].Icon, MessageIcon::Warning);
        // The end-of-batch actions still follow the user's choice.
        EXPECT_EQ(program.Desktop.Opened, QStringList{program.folder()});
    }
}

TEST(ConversionRun, FailureReasonTravelsWithItsTaskAndShowsOnTheStatus)
{
    TestProgram program;
    TMainForm& main = StartWithFakeEncoder(
        program, {QStringLiteral("print cannot read {input}\\n"), QStringLiteral("exit 1")}, 2);
    main.tbtnStartClick();
    ASSERT_TRUE(WaitForRunEnd(main));
    ASSERT_TRUE(BatchRun::Of(main).FailureReason(0).endsWith(QStringLiteral("cannot read /videos/clip1.avi")));

    // Moving a task swaps the rows' data; the reason goes with its task.
    const ltvItemData first = ReadTask(main, 0);
    main.SetItemData(0, PartWhole, ReadTask(main, 1));
    main.SetItemData(1, PartWhole, first);
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(1).endsWith(QStringLiteral("/videos/clip1.avi")));
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(0).endsWith(QStringLiteral("/videos/clip2.avi")));
    // A task that has not failed has none.
    ltvItemData notFailed = ReadTask(main, 0);
    notFailed.Status = "OK";
    main.SetItemData(0, PartStatus, notFailed);
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(0).isEmpty());

    // Hovering over the status cell shows it.
    QTreeWidget& list = *main.ltvTask;
    const QRect cell = list.visualItemRect(list.topLevelItem(1));
    const QPoint at(list.header()->sectionViewportPosition(3) + 5, cell.center().y());
    QHelpEvent hover(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list.viewport(), &hover);
    EXPECT_EQ(QToolTip::text(), BatchRun::Of(main).FailureReason(1));
    QToolTip::hideText();
}

TEST(ConversionRun, OptionsStoredDuringTheRunTakeEffectWhenTheirTaskStarts)
{
    TestProgram program;
    // The fake prints its arguments and fails, so they are kept for us to read.
    TMainForm& main = StartWithFakeEncoder(
        program, {QStringLiteral("sleep 200"), QStringLiteral("echoargs"), QStringLiteral("exit 1")}, 2);
    main.tbtnStartClick();
    ASSERT_TRUE(RunEventsUntil([&main] { return Statuses(main).value(0) == kConverting; }));
    ltvItemData trimmed = ReadTask(main, 1);
    trimmed.StartTime = "00:00:05";
    trimmed.Duration = "00:01:35";
    main.SetItemData(1, PartStartTime, trimmed);
    main.SetItemData(1, PartDuration, trimmed);
    ASSERT_TRUE(WaitForRunEnd(main));

    EXPECT_FALSE(BatchRun::Of(main).FailureReason(0).contains(QStringLiteral("-ss")));
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(1).contains(QStringLiteral("\n-ss\n00:00:05\n-t\n95\n")));
}

TEST(ConversionRun, CompletionActionsFollowTheSettingsAtTheEnd)
{
    const struct {
        bool turnOff, exit, openDir;
        bool message, opened, closed;
    } cases[] = {
        {false, false, true, true, true, false},   // the defaults
        {false, false, false, true, false, false},
        {true, true, true, false, false, true},
        {true, false, false, false, false, true},
        {false, true, true, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.turnOff << c.exit << c.openDir);
        TestProgram program;
        TMainForm& main = StartWithFakeEncoder(program, ProgressScript({QStringLiteral("00:01:40.00")}), 2);
        // The folder exactly as typed, without a separator at its end.
        const QString typed = program.folder().chopped(1);
        main.edtOutputdir->setText(typed);
        main.tbtnStartClick();
        // Read when the batch ends, not when it starts.
        TSettingForm& settings = *program.windows().SettingForm;
        settings.chkTurnoff->setChecked(c.turnOff);
        settings.chkExit->setChecked(c.exit);
        settings.chkOpenDir->setChecked(c.openDir);
        ASSERT_TRUE(WaitForRunEnd(main));

        EXPECT_EQ(Statuses(main), (QStringList{kComplete, kComplete}));
        EXPECT_EQ(main.pgbTotal->value(), 100);
        EXPECT_EQ(program.Desktop.PowerOffRequests, c.turnOff ? 1 : 0);
        EXPECT_EQ(main.isVisible(), !c.closed);
        if (c.message) {
            ASSERT_EQ(program.Desktop.Messages.size(), 1);
            EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Complete"));
            EXPECT_EQ(program.Desktop.Messages[0].Text, QStringLiteral("The coversion is completed successfully."));
            EXPECT_EQ(program.Desktop.Messages[0].Icon, MessageIcon::Information);
            ExpectRunControls(main, false);
        } else {
            EXPECT_TRUE(program.Desktop.Messages.isEmpty());
        }
        EXPECT_EQ(program.Desktop.Opened, c.opened ? QStringList{typed} : QStringList{});
    }
}

TEST(ConversionRun, StartChecksTheOutputFolderThenTheList)
{
    const struct {
        bool folderExists;
        int tasks;
        bool viaImage;
        bool message;
    } cases[] = {
        {false, 1, false, true},
        {false, 0, false, true},    // the folder is checked first
        {false, 0, true, false},    // the Start image does nothing on an empty list
        {true, 0, false, false},
        {false, 1, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.folderExists << c.tasks << c.viaImage);
        TestProgram program;
        TMainForm& main = StartWithFakeEncoder(program, ProgressScript({}), c.tasks);
        if (!c.folderExists)
            main.edtOutputdir->setText(program.path(QStringLiteral("missing/")));
        c.viaImage ? main.imgStartClick() : main.tbtnStartClick();

        EXPECT_EQ(main.convertState(), 0);
        ExpectRunControls(main, false);
        if (c.message) {
            ASSERT_EQ(program.Desktop.Messages.size(), 1);
            EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Output path does not exist"));
            EXPECT_EQ(program.Desktop.Messages[0].Text,
                      QStringLiteral("The output path does not exist. Please specify another one."));
            EXPECT_EQ(program.Desktop.Messages[0].Icon, MessageIcon::Information);
            EXPECT_EQ(main.focusWidget(), main.edtOutputdir);
        } else {
            EXPECT_TRUE(program.Desktop.Messages.isEmpty());
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(Statuses(main), QStringList(c.tasks, QStringLiteral("OK")));
    }
}

TEST(ConversionRun, AProfileThatBreaksItsRulesConvertsNothing)
{
    TestProgram program;
    const char* profile = "[Main]\nType=mp4\nPara=1\n0=Size\n[Size]\nSort=1\nList=1\ncmd=-s\n"
                          "Caption=A,B,C,\nValue=a,b,c,\nIndex=2\n";
    WriteProfile(program, QStringLiteral("Broken.apf"), profile);
    TMainForm& main = StartWithFakeEncoder(program, ProgressScript({}), 2);
    ASSERT_EQ(main.vleVideo->valueOf(QStringLiteral("Size")), QStringLiteral("C"));
    // The file loses the encoder value of the shown choice after it was loaded.
    WriteProfile(program, QStringLiteral("Broken.apf"),
                 "[Main]\nType=mp4\nPara=1\n0=Size\n[Size]\nSort=1\nList=1\ncmd=-s\nCaption=A,B,C,\nValue=a,b,\n");

    main.tbtnStartClick();
    QCoreApplication::processEvents();

    EXPECT_EQ(main.convertState(), 0);
    EXPECT_EQ(Statuses(main), (QStringList{QStringLiteral("OK"), QStringLiteral("OK")}));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_TRUE(program.Desktop.Messages[0].Text.contains(QStringLiteral("Broken")));
    EXPECT_TRUE(program.Desktop.Messages[0].Text.contains(QStringLiteral("No task was converted.")));
    ExpectRunControls(main, false);
}

TEST(ConversionTimer, ElapsedAndRemainingTimes)
{
    TestProgram program;
    TMainForm& main = program.start();
    // While the total bar is at 0 there is no estimate.
    for (int tick = 0; tick < 3; ++tick)
        main.timerTimeTimer();
    EXPECT_EQ(main.labElapsed->text(), QStringLiteral("00:00:03"));
    EXPECT_EQ(main.labRemaining->text(), QStringLiteral("00:00:00"));
    // 25% after 30 seconds leaves 90 seconds.
    main.pgbTotal->setValue(25);
    for (int tick = 3; tick < 30; ++tick)
        main.timerTimeTimer();
    EXPECT_EQ(main.labElapsed->text(), QStringLiteral("00:00:30"));
    EXPECT_EQ(main.labRemaining->text(), QStringLiteral("00:01:30"));
    // Back at 0, the last estimate stays.
    main.pgbTotal->setValue(0);
    main.timerTimeTimer();
    EXPECT_EQ(main.labElapsed->text(), QStringLiteral("00:00:31"));
    EXPECT_EQ(main.labRemaining->text(), QStringLiteral("00:01:30"));
}
