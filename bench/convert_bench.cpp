// A batch of ten clips converted by the program (the main window offscreen,
// driven by Start) against the same argument vectors run directly one after
// another, in the same process run. Prints the wall-time ratio (goal <= 1.03)
// and the program's own CPU time as a share of the encoder's (goal < 2%).
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "SilentPlatform.h"
#include "app/AppWindows.h"
#include "app/MainForm.h"
#include "convert/BatchRun.h"
#include "convert/CommandLine.h"
#include "convert/EncoderRun.h"
#include "platform/Platform.h"
#include "profiles/SettingForm.h"

namespace {

constexpr int kClips = 10;
constexpr int kRounds = 3;
const char* const kProfile = "iPhone 3G and Phones - 480x320";


double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// CPU seconds (user + system) of this process and of its reaped children.
struct CpuClock {
    double Self = 0;
    double Children = 0;

    static CpuClock Now()
    {
        rusage self{};
        rusage children{};
        getrusage(RUSAGE_SELF, &self);
        getrusage(RUSAGE_CHILDREN, &children);
        return {Seconds(self.ru_utime) + Seconds(self.ru_stime),
                Seconds(children.ru_utime) + Seconds(children.ru_stime)};
    }
};

struct Sample {
    double Wall = 0;
    double Self = 0;
    double Children = 0;
};

template <typename Work>
Sample Measure(Work work)
{
    const CpuClock before = CpuClock::Now();
    QElapsedTimer clock;
    clock.start();
    work();
    const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    const CpuClock after = CpuClock::Now();
    return {wall, after.Self - before.Self, after.Children - before.Children};
}

bool MakeClip(const QString& path)
{
    QProcess encoder;
    encoder.start(QStringLiteral(LUMORA_FFMPEG),
                  {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                   QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("testsrc=size=320x240:rate=25:duration=4"), QStringLiteral("-f"),
                   QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=frequency=440:duration=4"),
                   QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), QStringLiteral("-shortest"), path});
    return encoder.waitForFinished(120000) && encoder.exitCode() == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    QDir().mkpath(folder + QStringLiteral("Profiles"));
    const QDir shipped(QStringLiteral(LUMORA_PROGRAM_DIR "/Profiles"));
    for (const QString& name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), folder + QStringLiteral("Profiles/") + name);
    QFile::link(QStringLiteral(LUMORA_FFMPEG), folder + QStringLiteral("durodu.dll"));
    for (const char* sub : {"in", "program", "direct"})
        QDir().mkpath(folder + QLatin1String(sub));

    SilentPlatform platform;
    AppWindows windows = CreateAppWindows(platform, folder, {});
    TMainForm& main = *windows.MainForm;
    main.show();
    main.cmbProfile->setCurrentIndex(main.cmbProfile->findText(QLatin1String(kProfile)));
    main.cmbProfileChange();
    windows.SettingForm->chkOpenDir->setChecked(false);
    main.edtOutputdir->setText(folder + QStringLiteral("program/"));

    for (int clip = 0; clip < kClips; ++clip) {
        const QString path = folder + QStringLiteral("in/clip%1.mp4").arg(clip);
        if (!MakeClip(path)) {
            std::fprintf(stderr, "could not make %s\n", qPrintable(path));
            return 1;
        }
        main.AddTask(path);
    }

    // The same argument vectors the program builds, with their own output folder.
    const std::optional<CommandPieces> parameters = BatchRun::Of(main).ParameterString();
    if (!parameters || main.ltvTask->topLevelItemCount() != kClips) {
        std::fprintf(stderr, "the program could not be prepared\n");
        return 1;
    }
    std::vector<QStringList> direct;
    for (int row = 0; row < kClips; ++row) {
        ltvItemData task;
        main.GetItemData(row, PartWhole, task);
        const std::string output = OutputPathFor(task, (folder + QStringLiteral("direct/")).toStdString(),
                                                 main.outputExtension().toStdString(), false, row + 1);
        direct.push_back(EncoderRun::toArguments(
            ConversionArgs(task.InputFile, *parameters, TaskOptionArgs(task), output).Args));
    }

    std::vector<Sample> baseline;
    std::vector<Sample> program;
    for (int round = 0; round < kRounds; ++round) {
        baseline.push_back(Measure([&] {
            for (const QStringList& args : direct)
                EncoderRun::runToEnd(main.encoderPath(), args, -1);
        }));
        program.push_back(Measure([&] {
            main.tbtnStartClick();
            while (main.convertState() != 0)
                QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        }));
    }

    const auto byWall = [](const Sample& a, const Sample& b) { return a.Wall < b.Wall; };
    std::sort(baseline.begin(), baseline.end(), byWall);
    std::sort(program.begin(), program.end(), byWall);
    const Sample& base = baseline[kRounds / 2];
    const Sample& run = program[kRounds / 2];
    std::printf("profile: %s, %d clips of 4 s 320x240, median of %d rounds\n", kProfile, kClips, kRounds);
    std::printf("direct runs:  %.3f s wall, encoder CPU %.3f s, own CPU %.3f s\n", base.Wall, base.Children,
                base.Self);
    std::printf("program run:  %.3f s wall, encoder CPU %.3f s, own CPU %.3f s\n", run.Wall, run.Children,
                run.Self);
    std::printf("wall-time ratio program/direct: %.3f (goal <= 1.03)\n", run.Wall / base.Wall);
    std::printf("program CPU / encoder CPU: %.2f%% (goal < 2%%)\n", 100.0 * run.Self / run.Children);
    return 0;
}
