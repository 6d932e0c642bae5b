// The encoder as a child process: chunks, exit reports, stopping, the probe,
// with the fake encoder where a fault must be staged and the real ffmpeg on
// clips made here.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <signal.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "convert/CommandLine.h"
#include "convert/EncoderRun.h"
#include "convert/Probe.h"
#include "convert/ProgressParser.h"
#include "tasks/TaskRecord.h"
#include "support/EventWait.h"

namespace {

// Only keeps a broken run from hanging the suite; no test expects to come near it.
constexpr int kHangGuardMs = 120000;

const QString kFake = QStringLiteral(LUMORA_FAKE_ENCODER);
const QString kFfmpeg = QStringLiteral(LUMORA_FFMPEG);

// Gives the fake encoder its script for the life of the object.
class FakeScript {
public:
    explicit FakeScript(const std::vector<std::string>& lines)
    {
        EXPECT_TRUE(dir_.isValid());
        const std::string file = dir_.filePath(QStringLiteral("script.txt")).toStdString();
        std::ofstream out(file);
        for (const std::string& line : lines)
            out << line << '\n';
        qputenv("FAKE_ENCODER_SCRIPT", QByteArray::fromStdString(file));
    }
    ~FakeScript() { qunsetenv("FAKE_ENCODER_SCRIPT"); }

private:
    QTemporaryDir dir_;
};

// Everything one run reported.
struct RunRecord {
    std::vector<QByteArray> chunks;
    bool finished = false;
    int exitCode = -1;
    bool crashed = false;
    QString failure;

    QByteArray text() const
    {
        QByteArray all;
        for (const QByteArray& chunk : chunks)
            all += chunk;
        return all;
    }
};

void Record(EncoderRun& run, RunRecord& record)
{
    QObject::connect(&run, &EncoderRun::chunk, [&record](const QByteArray& bytes) { record.chunks.push_back(bytes); });
    QObject::connect(&run, &EncoderRun::finished, [&record](int exitCode, bool crashed) {
        record.finished = true;
        record.exitCode = exitCode;
        record.crashed = crashed;
    });
    QObject::connect(&run, &EncoderRun::failedToStart, [&record](const QString& reason) { record.failure = reason; });
}

RunRecord RunToFinish(const QString& program, const QStringList& args)
{
    EncoderRun run;
    RunRecord record;
    Record(run, record);
    run.start(program, args);
    EXPECT_TRUE(RunEventsUntil([&] { return record.finished || !record.failure.isEmpty(); }));
    return record;
}

// True when no process (not even a zombie) has this id any more.
bool IsGone(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH;
}

TEST(EncoderRun, ChunksAreReadsOfAtMost4095Bytes)
{
    std::string line;
    for (int i = 0; i < 400; ++i)
        line += "frame=" + std::to_string(i) + " time=00:00:01.00 bitrate=1\\r";
    const FakeScript script({"print " + line, "chunk 1", "print a\\nb"});
    const RunRecord record = RunToFinish(kFake, {});
    ASSERT_TRUE(record.finished);
    for (const QByteArray& chunk : record.chunks)
        EXPECT_LE(chunk.size(), EncoderRun::MaxChunk);
    std::string expected;
    for (int i = 0; i < 400; ++i)
        expected += "frame=" + std::to_string(i) + " time=00:00:01.00 bitrate=1\r";
    EXPECT_EQ(record.text().toStdString(), expected + "a\nb");
    EXPECT_GE(record.chunks.size(), expected.size() / EncoderRun::MaxChunk + 1);
}

TEST(EncoderRun, ReportsExitCodeAndCrash)
{
    {
        const FakeScript script({"print bye", "exit 3"});
        const RunRecord record = RunToFinish(kFake, {});
        EXPECT_EQ(record.exitCode, 3);
        EXPECT_FALSE(record.crashed);
        EXPECT_EQ(record.text(), "bye");
    }
    {
        const FakeScript script({"print before the crash", "crash"});
        const RunRecord record = RunToFinish(kFake, {});
        EXPECT_TRUE(record.crashed);
        EXPECT_EQ(record.text(), "before the crash");
    }
}

TEST(EncoderRun, PassesArgumentsUnchanged)
{
    const FakeScript script({"echoargs"});
    const QStringList args{QStringLiteral("-y"),          QStringLiteral("two  blanks"),
                           QStringLiteral("it's \"q\""),  QStringLiteral("$HOME `id` *"),
                           QStringLiteral("Grüße ñ 日本"), QStringLiteral("-x.mp4"),
                           QString(),                     QStringLiteral("a\\b;c|d")};
    const RunRecord record = RunToFinish(kFake, args);
    EXPECT_EQ(QString::fromUtf8(record.text()), args.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    EncoderRun run;
    RunRecord quoted;
    Record(run, quoted);
    run.start(kFake, {QStringLiteral("it's"), QStringLiteral("plain")});
    EXPECT_EQ(run.printableCommandLine(), EncoderRun::shellQuoted(kFake) + QStringLiteral(" 'it'\\''s' plain"));
    EXPECT_TRUE(RunEventsUntil([&] { return quoted.finished; }));
}

TEST(EncoderRun, StopEndsAHangingEncoderAndReapsIt)
{
    for (const bool ignoresTerm : {false, true}) {
        // One that ignores SIGTERM is killed after the grace period.
        std::vector<std::string> lines{"print waiting"};
        if (ignoresTerm)
            lines.insert(lines.begin(), "ignoreterm");
        lines.push_back("hang");
        const FakeScript script(lines);
        EncoderRun run;
        RunRecord record;
        Record(run, record);
        run.start(kFake, {});
        // Once its text is out the script has reached "hang".
        ASSERT_TRUE(RunEventsUntil([&] { return !record.chunks.empty(); }));
        const qint64 pid = run.processId();
        ASSERT_GT(pid, 0);
        run.stop();
        ASSERT_TRUE(RunEventsUntil([&] { return record.finished; })) << "ignores SIGTERM: " << ignoresTerm;
        EXPECT_TRUE(record.crashed);
        EXPECT_FALSE(run.isRunning());
        EXPECT_TRUE(IsGone(pid));
    }
}

TEST(EncoderRun, DestructorEndsTheEncoder)
{
    const FakeScript script({"hang"});
    auto run = std::make_unique<EncoderRun>();
    bool started = false;
    QObject::connect(run.get(), &EncoderRun::started, [&started] { started = true; });
    run->start(kFake, {});
    ASSERT_TRUE(RunEventsUntil([&] { return started; }));
    const qint64 pid = run->processId();
    run.reset();
    EXPECT_TRUE(IsGone(pid));
}

TEST(EncoderRun, MissingProgramFailsToStart)
{
    const QString missing = QDir::temp().filePath(QStringLiteral("lumora-no-such-encoder/durodu.dll"));
    EncoderRun run;
    RunRecord record;
    Record(run, record);
    run.start(missing, {});
    ASSERT_TRUE(RunEventsUntil([&] { return !record.failure.isEmpty(); }));
    EXPECT_FALSE(record.finished);

    const ProbeRunResult result = EncoderRun::runToEnd(missing, {}, kHangGuardMs);
    EXPECT_FALSE(result.Started);
    EXPECT_FALSE(result.Error.isEmpty());
    const ProbeResult probe = ProbeMedia(missing.toStdString(), "/v/clip.mp4");
    EXPECT_EQ(probe.Length, "");
    EXPECT_EQ(probe.Size, "");
}

const std::string kProbeText =
    "Input #0, avi, from '{input}':\\n  Duration: 00:01:23.45, start: 0.000000, bitrate: 800 kb/s\\n"
    "    Stream #0:0: Video: mpeg4, yuv420p(tv, progressive), 320x240, 25 fps\\n";

TEST(ProbeMedia, SameResultsWhateverTheChunks)
{
    const std::string input = "/v/Video Duration, it's.avi";
    for (const char* chunkSize : {"0", "1", "7"}) {
        const FakeScript script({std::string("chunk ") + chunkSize, "print " + kProbeText});
        const ProbeResult probe = ProbeMedia(LUMORA_FAKE_ENCODER, input);
        EXPECT_EQ(probe.Length, "00:01:23.45") << "chunk " << chunkSize;
        EXPECT_EQ(probe.Size, " 320x240") << "chunk " << chunkSize;
    }
}

TEST(ProbeMedia, TimeoutEndsTheEncoderAndGivesNoResults)
{
    {
        // Ended even when it ignores SIGTERM; the text so far is kept. The
        // timeout leaves a busy machine time to start the encoder and print.
        const FakeScript script({"print " + kProbeText, "ignoreterm", "hang"});
        const ProbeRunResult run =
            EncoderRun::runToEnd(kFake, {QStringLiteral("-i"), QStringLiteral("/v/a.avi")}, 3000);
        EXPECT_TRUE(run.Started);
        EXPECT_TRUE(run.TimedOut);
        EXPECT_TRUE(run.Crashed);
        EXPECT_TRUE(run.Text.contains("Duration: 00:01:23.45"));
    }
    // The text is complete, but an encoder that never ends is not trusted.
    const FakeScript script({"print " + kProbeText, "hang"});
    const ProbeResult probe = ProbeMedia(LUMORA_FAKE_ENCODER, "/v/a.avi", 300);
    EXPECT_EQ(probe.Length, "");
    EXPECT_EQ(probe.Size, "");
}

// A temporary folder for clips made by the real ffmpeg.
class RealEncoderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string PathOf(const std::string& name) const { return dir.path().toStdString() + "/" + name; }

    // Runs ffmpeg to its end with an argument vector; the text for messages.
    static QByteArray Ffmpeg(const std::vector<std::string>& args)
    {
        const ProbeRunResult run = EncoderRun::runToEnd(kFfmpeg, EncoderRun::toArguments(args), -1);
        EXPECT_TRUE(run.Started);
        EXPECT_EQ(run.ExitCode, 0) << run.Text.toStdString();
        return run.Text;
    }

    static void MakeClip(const std::string& path)
    {
        Ffmpeg({"-y", "-f", "lavfi", "-i", "testsrc=duration=1:size=160x120:rate=10", "-pix_fmt", "yuv420p",
                "-c:v", "mpeg4", EncoderPathArgument(path)});
    }

    QTemporaryDir dir;
};

TEST_F(RealEncoderTest, ProbesAnAwkwardlyNamedClip)
{
    const std::string clip = PathOf("it's a \"Duration\" Video, Grüße ñ.MP4");
    MakeClip(clip);
    const ProbeResult probe = ProbeMedia(LUMORA_FFMPEG, clip);
    EXPECT_EQ(probe.Length, "00:00:01.00");
    EXPECT_EQ(probe.Size.rfind(" 160x120", 0), 0u) << probe.Size;

    const ltvItemData task = NewTaskRecord(clip, probe.Length, probe.Size, ".mp4");
    EXPECT_DOUBLE_EQ(task.LengthSec, 1.0);
}

TEST_F(RealEncoderTest, UnreadableAndAudioOnlyInputs)
{
    const std::string text = PathOf("notes.avi");
    std::ofstream(text) << "this is no video\n";
    const ProbeResult garbage = ProbeMedia(LUMORA_FFMPEG, text);
    EXPECT_EQ(garbage.Length, "");
    EXPECT_EQ(garbage.Size, "");
    // Still a task, with a length that does not read.
    const ltvItemData task = NewTaskRecord(text, garbage.Length, garbage.Size, ".mp4");
    EXPECT_EQ(task.InputFile, text);
    EXPECT_EQ(task.LengthSec, -1);

    const std::string sound = PathOf("sound only.wav");
    Ffmpeg({"-y", "-f", "lavfi", "-i", "sine=duration=1", sound});
    const ProbeResult audio = ProbeMedia(LUMORA_FFMPEG, sound);
    EXPECT_EQ(audio.Length, "00:00:01.00");
    EXPECT_EQ(audio.Size, "");
}

// Names beginning with '-' must reach ffmpeg as files, both as a bare name
// in the current folder and inside a folder.
TEST_F(RealEncoderTest, NamesWithALeadingDash)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    MakeClip("-x.mp4");
    const ProbeResult relative = ProbeMedia(LUMORA_FFMPEG, "-x.mp4");
    const ProbeResult absolute = ProbeMedia(LUMORA_FFMPEG, PathOf("-x.mp4"));

    for (const std::string& output : {std::string("-out.mp4"), PathOf("-out2.mp4")}) {
        const CommandPieces line = ConversionArgs("-x.mp4", {" -an", {"-an"}}, {}, output);
        Ffmpeg(line.Args);
        EXPECT_TRUE(std::filesystem::exists(output)) << line.Text;
    }
    QDir::setCurrent(previous);
    EXPECT_EQ(relative.Length, "00:00:01.00");
    EXPECT_EQ(absolute.Length, "00:00:01.00");
    EXPECT_FALSE(std::filesystem::exists(PathOf("file:-out.mp4")));
}

// A real conversion through the run class: its progress text reads, and a
// clip of one second ends near one second.
TEST_F(RealEncoderTest, ConversionProgressReads)
{
    const std::string clip = PathOf("in put.mp4");
    MakeClip(clip);
    const CommandPieces line = ConversionArgs(clip, {" -c:v mpeg4", {"-c:v", "mpeg4"}}, {}, PathOf("out put.avi"));
    const RunRecord record = RunToFinish(kFfmpeg, EncoderRun::toArguments(line.Args));
    ASSERT_EQ(record.exitCode, 0) << record.text().toStdString();
    EXPECT_TRUE(std::filesystem::exists(PathOf("out put.avi")));
    const std::string text = record.text().toStdString();
    const std::size_t last = text.rfind("time=");
    ASSERT_NE(last, std::string::npos) << text;
    const auto seconds = ParseProgressTime(std::string_view(text).substr(last));
    ASSERT_TRUE(seconds.has_value()) << text.substr(last);
    EXPECT_NEAR(*seconds, 1.0, 0.2);
}

}  // namespace
