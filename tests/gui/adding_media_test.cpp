// Adding media: the Add File dialog, the Add Dir picker, drops, the command
// line, and what the probe leaves in each new row. Real ffmpeg on clips made
// here; the fake encoder only where a fault must be staged.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>
#include <memory>

#include "app/MainForm.h"
#include "convert/Probe.h"
#include "support/EventWait.h"
#include "support/IntakeWait.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"
#include "tasks/IntakeQueue.h"
#include "ui/ValueListGrid.h"

namespace {

const QString AddDirTitle = QStringLiteral("Add a directory to the Task List");
// A name that contains what the probe searches for, and blanks, quotes and non-ASCII letters.
const QString OddName = QStringLiteral("Duration 'Video' \"Clip\" \u00dcn\u00efc\u00f6d\u00e9.AVI");

// One path a line, so a failure shows readable paths.
std::string Lines(const QStringList& paths)
{
    return paths.join(QLatin1Char('\n')).toStdString();
}

QList<QAction*> ListCommands(const TMainForm& main)
{
    return {main.tbtnUp, main.tbtnDown, main.tbtnRemove, main.tbtnClear, main.tbtnStart};
}

bool AllEnabled(const QList<QAction*>& actions)
{
    return std::all_of(actions.begin(), actions.end(), [](const QAction* a) { return a->isEnabled(); });
}

bool NoneEnabled(const QList<QAction*>& actions)
{
    return std::none_of(actions.begin(), actions.end(), [](const QAction* a) { return a->isEnabled(); });
}

// Drops the paths on the window as the desktop would.
void DropOnWindow(TMainForm& main, const QStringList& paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &enter);   // makes the window the drop's target
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&main, &drop);
}

bool IsProbedLength(const std::string& length)
{
    static const QRegularExpression shape(QStringLiteral("^00:00:0[0-9]\\.[0-9][0-9]$"));
    return shape.match(QString::fromStdString(length)).hasMatch();
}

void RunEventsUntilRows(TMainForm& main, int rows)
{
    RunEventsUntil([&] { return main.ltvTask->topLevelItemCount() >= rows || !IntakeQueue::of(main).busy(); });
}

// Clips are made once for the suite and copied where a test needs them.
class AddingMedia : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        clips_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(MakeClip(Clip(QStringLiteral("one.mp4")), 1.0));
        ASSERT_TRUE(MakeClip(Clip(QStringLiteral("two.mov")), 2.0));
        ASSERT_TRUE(MakeClip(Clip(QStringLiteral("clip.wmv")), 1.0));
        ASSERT_TRUE(MakeClip(Clip(QStringLiteral("clip.asf")), 1.0, QStringLiteral("160x120"), false));
        ASSERT_TRUE(MakeClip(Clip(OddName), 1.0));
        QProcess audio;
        audio.start(QStringLiteral(LUMORA_FFMPEG),
                    {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                     QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=1"),
                     Clip(QStringLiteral("audio only.mp4"))});
        ASSERT_TRUE(audio.waitForFinished(60000) && audio.exitCode() == 0);
    }
    static void TearDownTestSuite() { clips_.reset(); }
    static QString Clip(const QString& name) { return clips_->filePath(name); }

    void SetUp() override { program.installEncoder(Encoder::Real); }

    // A copy of a clip at media/relative; returns its path.
    QString Place(const QString& relative, const QString& clip = Clip(QStringLiteral("one.mp4"))) const
    {
        const QString target = media.filePath(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        EXPECT_TRUE(QFile::copy(clip, target)) << target.toStdString();
        return target;
    }
    QString Write(const QString& relative, const QByteArray& bytes) const
    {
        const QString target = media.filePath(relative);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile file(target);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return target;
    }
    void UseFakeEncoder(const QByteArray& script) const
    {
        program.installEncoder(Encoder::Fake);
        program.writeFile(QStringLiteral("durodu.dll.script"), script);
    }

    static std::unique_ptr<QTemporaryDir> clips_;
    TestProgram program;
    QTemporaryDir media;
};

std::unique_ptr<QTemporaryDir> AddingMedia::clips_;

TEST_F(AddingMedia, ProbesEachContainerAndKeepsTheWholePath)
{
    TMainForm& main = program.start();
    ASSERT_FALSE(main.panbg->isHidden());
    const QString longPath = Place(QString(200, QLatin1Char('d')) + QLatin1Char('/') + QString(60, QLatin1Char('n'))
                                   + QStringLiteral(".mp4"));
    ASSERT_GT(longPath.toUtf8().size(), 253);
    const struct {
        QString path;
        const char* length;   // nullptr: any probed length of one second
        const char* outputName;
    } cases[] = {
        {Clip(QStringLiteral("one.mp4")), nullptr, "one"},
        {Clip(QStringLiteral("two.mov")), "00:00:02.00", "two"},
        {Clip(QStringLiteral("clip.wmv")), nullptr, "clip"},
        {Clip(QStringLiteral("clip.asf")), nullptr, "clip"},
        {Clip(OddName), nullptr, "Duration 'Video' \"Clip\" \u00dcn\u00efc\u00f6d\u00e9"},
        {longPath, nullptr, nullptr},
    };
    int row = 0;
    for (const auto& c : cases) {
        main.AddTask(c.path);
        ASSERT_EQ(main.ltvTask->topLevelItemCount(), row + 1);
        const ltvItemData task = ReadTask(main, row++);
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(task.InputFile, c.path.toStdString());
        EXPECT_TRUE(c.length ? task.Length == c.length : IsProbedLength(task.Length)) << task.Length;
        EXPECT_EQ(task.Size.rfind(" 160x120", 0), 0u) << task.Size;
        EXPECT_EQ(main.ProbeLength.toStdString(), task.Length);
        EXPECT_EQ(main.ProbeSize.toStdString(), task.Size);
        EXPECT_EQ(task.Status, "OK");
        EXPECT_EQ(task.OutputName, c.outputName ? std::string(c.outputName) : std::string(60, 'n'));
        EXPECT_EQ(task.OutputExt, main.OutputExtension.toStdString());
        EXPECT_EQ(task.SourceStart, "00:00:00.0");
        EXPECT_EQ(task.StartTime, "00:00:00.0");
        EXPECT_EQ(task.SourceEnd, task.Length);
        EXPECT_EQ(task.Duration, task.Length);
        EXPECT_EQ(task.EndTime, task.Length);
        EXPECT_GT(task.LengthSec, 0.9);
    }
    EXPECT_TRUE(main.panbg->isHidden());
    EXPECT_EQ(main.SelectedTask(), -1);   // adding selects nothing
}

TEST_F(AddingMedia, InputsTheEncoderCannotReadAreAddedWithEmptyResults)
{
    TMainForm& main = program.start();
    main.AddTask(Clip(QStringLiteral("one.mp4")));   // leaves probe results behind
    ASSERT_FALSE(main.ProbeLength.isEmpty());
    const struct {
        QString path;
        bool hasLength;
    } cases[] = {
        {Write(QStringLiteral("garbage.avi"), QByteArray(4096, '\x5a')), false},
        {Write(QStringLiteral("empty.mp4"), QByteArray()), false},
        {Write(QStringLiteral("letter.avi"), "Dear reader,\nthis is no video.\n"), false},
        {media.filePath(QStringLiteral("never made.avi")), false},
        {Clip(QStringLiteral("audio only.mp4")), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        main.AddTask(c.path);
        const ltvItemData task = ReadTask(main, main.ltvTask->topLevelItemCount() - 1);
        EXPECT_EQ(task.InputFile, c.path.toStdString());
        EXPECT_EQ(task.Status, "OK");
        EXPECT_EQ(task.Size, "");
        EXPECT_EQ(main.ProbeSize, QString());
        if (c.hasLength) {
            EXPECT_TRUE(IsProbedLength(task.Length)) << task.Length;
        } else {
            EXPECT_EQ(task.Length, "");
            EXPECT_EQ(task.LengthSec, -1);
        }
    }
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 6);
}

TEST_F(AddingMedia, EncoderFaultsGiveEmptyResultsNotTheLastProbes)
{
    const QByteArray goodProbe =
        "chunk 1\n"
        "print Input #0, avi, from '{input}':\\n  Duration: 00:00:03.50, start: 0.000000, bitrate: 9 kb/s\\n"
        "print     Stream #0:0: Video: mpeg4, yuv420p, 320x240 [SAR 1:1 DAR 4:3], 10 fps\\n\n";
    TMainForm& main = program.start();
    const struct {
        const char* fault;
        QByteArray script;   // empty: no encoder at all
    } cases[] = {
        {"missing encoder", {}},
        {"hung encoder", "print Input #0, avi, from '{input}':\\n  Duration: 00:00:03.50, start: 0\\n\nhang\n"},
        {"crash before any text", "crash\n"},
        {"no output", "exit 1\n"},
    };
    int task = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        // Text that arrives one byte at a time reads as if it came whole.
        // The byte-by-byte reply gets the full timeout, so a busy machine can't cut it short.
        IntakeQueue::of(main).setProbeTimeoutMs(ProbeTimeoutMs);
        UseFakeEncoder(goodProbe);
        main.AddTask(QStringLiteral("/nowhere/good %1.avi").arg(task++));
        ASSERT_EQ(main.ProbeLength, QStringLiteral("00:00:03.50"));
        ASSERT_EQ(main.ProbeSize, QStringLiteral(" 320x240 [SAR 1:1 DAR 4:3]"));

        if (c.script.isEmpty())
            program.installEncoder(Encoder::None);
        else
            UseFakeEncoder(c.script);
        IntakeQueue::of(main).setProbeTimeoutMs(300);   // the hung encoder is ended this soon
        main.AddTask(QStringLiteral("/nowhere/faulty %1.avi").arg(task++));
        const ltvItemData faulty = ReadTask(main, task - 1);
        EXPECT_EQ(faulty.Length, "");
        EXPECT_EQ(faulty.Size, "");
        EXPECT_EQ(main.ProbeLength, QString());
        EXPECT_EQ(main.ProbeSize, QString());
    }
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), task);
}

TEST_F(AddingMedia, ListedPathIsRefusedWithoutProbingButCaseMatters)
{
    TMainForm& main = program.start();
    const QString lower = Place(QStringLiteral("clip.mp4"));
    const QString upper = Place(QStringLiteral("Clip.mp4"));
    const QString twoSeconds = Clip(QStringLiteral("two.mov"));
    main.AddTask(lower);
    main.AddTask(twoSeconds);
    main.AddTask(lower);
    // A second probe of the one-second clip would have left its length behind.
    EXPECT_EQ(main.ProbeLength, QStringLiteral("00:00:02.00"));
    main.AddTask(upper);
    EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({lower, twoSeconds, upper})));
}

TEST_F(AddingMedia, AddFileAddsTheFirstReportedPathLast)
{
    TMainForm& main = program.start();
    const QString x = Place(QStringLiteral("x.mp4")), y = Place(QStringLiteral("y.mp4")),
                  z = Place(QStringLiteral("z.mp4"));
    program.Desktop.NextOpenFiles = {{z, x, y}};
    main.tbtnAddFileClick();

    EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({x, y, z})));
    EXPECT_EQ(program.Desktop.OpenFilters, QStringList{main.openDialogQtFilter()});
    EXPECT_EQ(main.SelectedTask(), -1);   // more than one row: nothing selected
    EXPECT_EQ(main.focusWidget(), main.ltvTask);
    EXPECT_TRUE(AllEnabled(ListCommands(main)));
}

TEST_F(AddingMedia, AddFileSelectsTheOnlyTaskAndShowsItsOptions)
{
    program.copyShippedProfiles();
    TMainForm& main = program.start();
    program.show();
    const QString first = Place(QStringLiteral("first clip.mp4")), second = Place(QStringLiteral("second.mp4"));

    main.tbtnAddFileClick();   // cancelled on an empty list: nothing happens
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_TRUE(NoneEnabled(ListCommands(main)));

    program.Desktop.NextOpenFiles = {{first}};
    main.tbtnAddFileClick();
    ASSERT_EQ(main.ltvTask->topLevelItemCount(), 1);
    EXPECT_EQ(main.SelectedTask(), 0);
    const std::string length = ReadTask(main, 0).Length;
    EXPECT_EQ(main.vleOutput->valueOf(QStringLiteral("New Filename")),
              QStringLiteral("first clip") + main.OutputExtension);
    EXPECT_EQ(main.vleOutput->valueOf(QStringLiteral("Start Time")), QStringLiteral("00:00:00.0"));
    EXPECT_EQ(main.vleOutput->valueOf(QStringLiteral("End Time")).toStdString(), length);

    program.Desktop.NextOpenFiles = {{second}};
    main.tbtnAddFileClick();
    EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({first, second})));
    EXPECT_EQ(main.ltvTask->selectedItems().size(), 1);
    EXPECT_EQ(main.SelectedTask(), 0);
    EXPECT_EQ(main.vleOutput->valueOf(QStringLiteral("New Filename")),
              QStringLiteral("first clip") + main.OutputExtension);
}

TEST_F(AddingMedia, AddDirScansOneFolderLevelInNameOrderIgnoringCase)
{
    for (const bool trailingSeparator : {false, true}) {
        TestProgram program;
        program.installEncoder(Encoder::Real);
        TMainForm& main = program.start();
        QTemporaryDir folder;
        const QString base = folder.path() + QLatin1Char('/');
        for (const char* name : {"b.avi", "A.mp4", "C.MOV", ".hidden.avi", "sub/d.avi", "e.avi/inner.mp4"}) {
            QDir().mkpath(QFileInfo(base + QLatin1String(name)).absolutePath());
            ASSERT_TRUE(QFile::copy(Clip(QStringLiteral("one.mp4")), base + QLatin1String(name)));
        }
        for (const char* name : {"notes.txt", "b.avi.txt", "noext"})
            QFile(base + QLatin1String(name)).open(QIODevice::WriteOnly);

        program.Desktop.NextFolders = {trailingSeparator ? base : folder.path()};
        main.tbtnAddDirClick();
        WaitForIntake(main);

        EXPECT_EQ(program.Desktop.FolderTitles, QStringList{AddDirTitle});
        EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({base + QStringLiteral("A.mp4"), base + QStringLiteral("b.avi"),
                                               base + QStringLiteral("C.MOV")})));
        EXPECT_TRUE(IsProbedLength(ReadTask(main, 2).Length));
        EXPECT_EQ(main.SelectedTask(), -1);
        EXPECT_EQ(main.focusWidget(), main.ltvTask);
        EXPECT_TRUE(AllEnabled(ListCommands(main)));
    }
}

TEST_F(AddingMedia, FoldersWithNothingToAddAddNothing)
{
    TMainForm& main = program.start();
    const QString vanished = media.filePath(QStringLiteral("vanished"));
    QDir().mkpath(vanished);
    QDir(vanished).removeRecursively();
    Write(QStringLiteral("only text/notes.txt"), "no video");
    program.Desktop.NextFolders = {vanished, media.filePath(QStringLiteral("only text")), QString()};
    for (int pick = 0; pick < 3; ++pick)   // a vanished folder, a folder without videos, a cancelled picker
        main.tbtnAddDirClick();
    main.AddFolder(media.filePath(QStringLiteral("only text/notes.txt")));   // a file, not a folder
    WaitForIntake(main);
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_TRUE(NoneEnabled(ListCommands(main)));
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST_F(AddingMedia, DropTakesFoldersAndSupportedFilesOnly)
{
    TMainForm& main = program.start();
    const QString inner = Place(QStringLiteral("x.avi/inner.mp4"));
    const QString capitals = Place(QStringLiteral("CLIP.AVI"));
    const QStringList dropped{media.filePath(QStringLiteral("x.avi")), capitals,
                              Place(QStringLiteral("clip.avi.txt")), Place(QStringLiteral("noext"))};
    main.ltvTask->setEnabled(false);   // as while a batch runs
    DropOnWindow(main, dropped);
    WaitForIntake(main);
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_TRUE(NoneEnabled(ListCommands(main)));

    main.ltvTask->setEnabled(true);
    QWidget* focusBefore = main.focusWidget();
    DropOnWindow(main, dropped);
    WaitForIntake(main);
    EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({inner, capitals})));
    EXPECT_EQ(main.SelectedTask(), -1);
    EXPECT_EQ(main.focusWidget(), focusBefore);
    EXPECT_EQ(main.vleOutput->valueOf(QStringLiteral("New Filename")), QString());
    EXPECT_TRUE(AllEnabled(ListCommands(main)));
}

class ScanInterrupted : public AddingMedia {
protected:
    void SetUp() override
    {
        AddingMedia::SetUp();
        for (const char* name : {"a.mp4", "b.mp4", "c.mp4", "d.mp4", "e.mp4", "f.mp4"})
            names << Place(QStringLiteral("scan/") + QLatin1String(name));
        main = &program.start();
        main->AddFolder(media.filePath(QStringLiteral("scan")));
        RunEventsUntilRows(*main, 1);
        rowsBefore = main->ltvTask->topLevelItemCount();
        ASSERT_GE(rowsBefore, 1);
        ASSERT_LT(rowsBefore, names.size());   // the scan is still going
    }

    QStringList names;
    TMainForm* main = nullptr;
    int rowsBefore = 0;
};

TEST_F(ScanInterrupted, DropDuringAScanIsAddedAfterIt)
{
    const QString dropped = Clip(QStringLiteral("two.mov"));
    main->DropItems({dropped, names.first()});
    WaitForIntake(*main);
    EXPECT_EQ(Lines(RowCaptions(*main)), Lines(names + QStringList{dropped}));
}

TEST_F(ScanInterrupted, ClearedListGetsTheRestWithWholeRecords)
{
    main->ltvTask->clear();
    WaitForIntake(*main);
    ASSERT_EQ(Lines(RowCaptions(*main)), Lines(names.mid(rowsBefore)));
    for (int row = 0; row < main->ltvTask->topLevelItemCount(); ++row) {
        const ltvItemData task = ReadTask(*main, row);
        EXPECT_EQ(task.OutputName, QFileInfo(names[rowsBefore + row]).completeBaseName().toStdString());
        EXPECT_TRUE(IsProbedLength(task.Length)) << task.Length;
    }
}

TEST_F(ScanInterrupted, ScanWaitsWhileABatchRuns)
{
    main->ltvTask->setEnabled(false);
    for (int turn = 0; turn < 30; ++turn) {   // a few hundred milliseconds of events
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
    EXPECT_EQ(main->ltvTask->topLevelItemCount(), rowsBefore);
    main->ltvTask->setEnabled(true);
    WaitForIntake(*main);
    EXPECT_EQ(Lines(RowCaptions(*main)), Lines(names));
}

TEST_F(ScanInterrupted, ClosingTheWindowEndsTheScan)
{
    program.close();
    EXPECT_FALSE(IntakeQueue::of(*main).busy());
    QCoreApplication::processEvents();
    EXPECT_EQ(main->ltvTask->topLevelItemCount(), rowsBefore);
}

TEST_F(ScanInterrupted, DestroyingTheWindowDuringAScanIsSafe)
{
    program.windows() = AppWindows();
    main = nullptr;
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
    SUCCEED();
}

TEST_F(AddingMedia, CommandLineTakesSupportedFilesAndFoldersInOrder)
{
    const QString first = Place(QStringLiteral("FIRST.AVI")), second = Place(QStringLiteral("Second.AVI"));
    const QString inFolder = Place(QStringLiteral("folder/inner.mov"));
    const QStringList arguments{first,
                                media.filePath(QStringLiteral("missing.avi")),
                                Write(QStringLiteral("notes.txt"), "text"),
                                media.filePath(QStringLiteral("folder")),
                                second};
    TMainForm& main = program.start(arguments);
    WaitForIntake(main);
    EXPECT_EQ(Lines(RowCaptions(main)), Lines(QStringList({first, inFolder, second})));
    EXPECT_TRUE(IsProbedLength(ReadTask(main, 0).Length));
    EXPECT_TRUE(AllEnabled(ListCommands(main)));
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST_F(AddingMedia, CommandLineListFileNamesTheInputs)
{
    const QString blank = Place(QStringLiteral(" leading blank.avi"));
    const QString clip = Place(QStringLiteral("clip.mp4"));
    const QString inFolder = Place(QStringLiteral("folder/inner.wmv"));
    // Lines are taken exactly: "other.mp4 " (trailing blank) names no file.
    const QString withBlank = Place(QStringLiteral("other.mp4")) + QLatin1Char(' ');
    const QStringList lines{QString(), media.filePath(QStringLiteral("folder")),
                            Write(QStringLiteral("letter.txt"), "text"), withBlank, clip, blank};
    // Every kind of line end, and none after the last line.
    const QString list = Write(QStringLiteral("inputs.TMP"),
                               (lines[0] + "\r\n" + lines[1] + "\n" + lines[2] + "\r" + lines[3] + "\r\n" + lines[4]
                                + "\n" + lines[5])
                                   .toUtf8());
    TMainForm& main = program.start({list, Place(QStringLiteral("beside the list.avi"))});
    WaitForIntake(main);
    EXPECT_EQ(Lines(RowCaptions(main)), Lines({inFolder, clip, blank}));
    EXPECT_TRUE(QFileInfo::exists(list));
    EXPECT_TRUE(program.Desktop.Messages.isEmpty());
}

TEST_F(AddingMedia, UnopenableListFileGivesOneMessageAndStartUpGoesOn)
{
    TMainForm& main = program.start({media.filePath(QStringLiteral("gone.tmp")), Place(QStringLiteral("clip.avi"))});
    WaitForIntake(main);
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_TRUE(program.Desktop.Messages[0].Text.contains(QStringLiteral("gone.tmp")));
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Lumora iPhone Video Converter V3.0"));
    program.show();
    EXPECT_TRUE(main.isVisible());
}

TEST_F(AddingMedia, NoArgumentsLeaveTheListEmptyAndTheCommandsDisabled)
{
    TMainForm& main = program.start();
    WaitForIntake(main);
    EXPECT_EQ(main.ltvTask->topLevelItemCount(), 0);
    EXPECT_FALSE(main.panbg->isHidden());
    EXPECT_TRUE(NoneEnabled(ListCommands(main)));
}

}  // namespace
