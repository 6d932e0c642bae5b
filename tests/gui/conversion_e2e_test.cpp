// Whole batches with the real encoder on clips made here, driven through the
// main window: shipped profiles, trims typed into the options grid, where the
// outputs go, and an input the encoder can't read.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/MainForm.h"
#include "app/TimeText.h"
#include "convert/BatchRun.h"
#include "convert/Probe.h"
#include "profiles/SettingForm.h"
#include "support/ConversionTestKit.h"
#include "support/TaskRowsForTests.h"
#include "support/TestProgram.h"

namespace {

const QString kFfmpeg = QStringLiteral(LUMORA_FFMPEG);
const QString kComplete = QStringLiteral("Complete");
const QString kQuickCopy = QStringLiteral("Quick Copy - Same Streams MP4");

// A window whose encoder is the real one, with the shipped profiles and the
// profile `profile` chosen; the output folder is "out/" of the program folder.
TMainForm& StartWithFfmpeg(TestProgram& program, const QString& profile)
{
    program.copyShippedProfiles();
    program.installEncoder(Encoder::Real);
    TMainForm& main = program.start();
    program.show();
    EXPECT_TRUE(ChooseProfile(main, profile)) << profile.toStdString();
    QDir().mkpath(program.path(QStringLiteral("out")));
    main.edtOutputdir->setText(program.path(QStringLiteral("out/")));
    return main;
}

// Makes the clip and adds it as the user would.
void AddClip(TestProgram& program, const QString& name, double seconds,
             const QString& size = QStringLiteral("160x120"))
{
    const QString path = program.path(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    ASSERT_TRUE(MakeClip(path, seconds, size)) << name.toStdString();
    program.main().AddTask(path);
}

// Types a task's times into the options grid and leaves the cells.
void TypeTimes(TMainForm& main, int row, const QString& start, const QString& end)
{
    SelectRows(main, {row});
    main.ShowTaskOptions();
    main.SetGridValue(0, QStringLiteral("Start Time"), start);
    main.SetGridValue(0, QStringLiteral("End Time"), end);
    main.StoreTaskOptions();
}

ProbeResult ProbeOutput(const QString& path)
{
    return ProbeMedia(kFfmpeg.toStdString(), path.toStdString());
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool RunBatch(TMainForm& main)
{
    main.tbtnStartClick();
    return WaitForRunEnd(main);
}

}  // namespace

TEST(ConversionEndToEnd, TrimsAndPictureSizeOfAShippedProfile)
{
    TestProgram program;
    TMainForm& main = StartWithFfmpeg(program, QStringLiteral("iPhone and iPod - 640x480"));
    main.SetGridValue(3, QStringLiteral("Encoder Speed"), QStringLiteral("Ultrafast"));
    // Blanks, quotes, a non-ASCII letter and an upper-case extension.
    AddClip(program, QStringLiteral("in/clip 'one' \u00e9.MP4"), 4, QStringLiteral("320x240"));
    AddClip(program, QStringLiteral("in/second.mov"), 3);
    TypeTimes(main, 0, QStringLiteral("0:0:1"), QStringLiteral("0:0:3"));
    ASSERT_EQ(ReadTask(main, 0).Duration, "00:00:02");

    ASSERT_TRUE(RunBatch(main));

    EXPECT_EQ(Statuses(main), (QStringList{kComplete, kComplete}));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_EQ(program.Desktop.Messages[0].Text, QStringLiteral("The coversion is completed successfully."));
    // The encoder's own progress text moved the bars.
    EXPECT_GT(main.pgbTotal->value(), 50);
    EXPECT_GT(main.pgbCurrent->value(), 0);
    const struct {
        QString output;
        double seconds;
    } outputs[] = {
        {QStringLiteral("out/clip 'one' \u00e9.mp4"), 2.0},
        {QStringLiteral("out/second.mp4"), 3.0},
    };
    for (const auto& output : outputs) {
        const ProbeResult probe = ProbeOutput(program.path(output.output));
        // Within a frame or two at 10 frames a second.
        EXPECT_NEAR(ParseTimeText(probe.Length), output.seconds, 0.25) << output.output.toStdString();
        EXPECT_EQ(probe.Size.rfind(" 640x480", 0), 0u) << probe.Size;
    }
}

TEST(ConversionEndToEnd, RenameRuleKeepsAnExistingOutput)
{
    TestProgram program;
    TMainForm& main = StartWithFfmpeg(program, kQuickCopy);
    program.windows().SettingForm->rdbRename->setChecked(true);
    // Two inputs whose outputs would both be clip.mp4, and a clip.mp4 already there.
    AddClip(program, QStringLiteral("in/a/clip.mp4"), 1);
    AddClip(program, QStringLiteral("in/b/clip.mov"), 1);
    program.writeFile(QStringLiteral("out/clip.mp4"), "keep me");

    ASSERT_TRUE(RunBatch(main));

    EXPECT_EQ(Statuses(main), (QStringList{kComplete, kComplete}));
    EXPECT_EQ(Contents(program.path(QStringLiteral("out/clip.mp4"))), QByteArray("keep me"));
    for (const QString& output : {QStringLiteral("out/clip_1.mp4"), QStringLiteral("out/clip_2.mp4")})
        EXPECT_NEAR(ParseTimeText(ProbeOutput(program.path(output)).Length), 1.0, 0.25) << output.toStdString();
}

TEST(ConversionEndToEnd, OverwritingNeverTakesTheInput)
{
    TestProgram program;
    TMainForm& main = StartWithFfmpeg(program, kQuickCopy);
    program.windows().SettingForm->rdbOverWrite->setChecked(true);
    AddClip(program, QStringLiteral("in/clip.mp4"), 1);
    const QByteArray input = Contents(program.path(QStringLiteral("in/clip.mp4")));
    ASSERT_TRUE(QFile::link(program.path(QStringLiteral("in")), program.path(QStringLiteral("link"))));

    // The input's own folder, typed plainly and through a symbolic link; the
    // second run converts the task that the first completed.
    for (const QString& folder : {QStringLiteral("in"), QStringLiteral("link/")}) {
        SCOPED_TRACE(folder.toStdString());
        QFile::remove(program.path(QStringLiteral("in/clip_1.mp4")));
        main.edtOutputdir->setText(program.path(folder));
        ASSERT_TRUE(RunBatch(main));

        EXPECT_EQ(Statuses(main), QStringList{kComplete});
        EXPECT_EQ(Contents(program.path(QStringLiteral("in/clip.mp4"))), input);
        EXPECT_NEAR(ParseTimeText(ProbeOutput(program.path(QStringLiteral("in/clip_1.mp4"))).Length), 1.0, 0.25);
    }
}

TEST(ConversionEndToEnd, AnUnreadableInputFailsAndTheBatchGoesOn)
{
    TestProgram program;
    TMainForm& main = StartWithFfmpeg(program, kQuickCopy);
    AddClip(program, QStringLiteral("in/first.mp4"), 1);
    program.writeFile(QStringLiteral("in/broken.mp4"), "this is not a video\n");
    main.AddTask(program.path(QStringLiteral("in/broken.mp4")));
    AddClip(program, QStringLiteral("in/third.mp4"), 1);

    ASSERT_TRUE(RunBatch(main));

    EXPECT_EQ(Statuses(main), (QStringList{kComplete, QStringLiteral("Failed"), kComplete}));
    EXPECT_TRUE(BatchRun::Of(main).FailureReason(1).contains(QStringLiteral("Invalid data found")))
        << BatchRun::Of(main).FailureReason(1).toStdString();
    EXPECT_TRUE(QFile::exists(program.path(QStringLiteral("out/third.mp4"))));
    ASSERT_EQ(program.Desktop.Messages.size(), 1);
    EXPECT_EQ(program.Desktop.Messages[0].Caption, QStringLiteral("Complete"));
    EXPECT_EQ(program.Desktop.Messages[0].Text,
              QStringLiteral("The coversion is completed, but 1 of 3 tasks failed. "
                             "Hover over a task's status to see why."));
    EXPECT_EQ(program.Desktop.Opened, QStringList{main.edtOutputdir->text()});
}
