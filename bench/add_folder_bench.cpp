// How much a folder scan costs beyond its probes, and how long it keeps the
// window from answering. Baseline: the same probes run one after another with
// QProcess in the same process. Goals: ratio at most 1.10; the longest time
// the event loop is blocked during the scan no longer than the longest probe.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "SilentPlatform.h"
#include "app/AppWindows.h"
#include "app/MainForm.h"
#include "platform/Platform.h"
#include "tasks/IntakeQueue.h"

namespace {

constexpr int ClipCount = 100;
constexpr int Rounds = 3;


bool MakeClips(const QString& folder)
{
    const QString first = folder + QStringLiteral("/clip 000.mp4");
    QProcess encoder;
    encoder.start(QStringLiteral(LUMORA_FFMPEG),
                  {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"), QStringLiteral("lavfi"),
                   QStringLiteral("-i"), QStringLiteral("testsrc=size=160x120:rate=10:duration=1"),
                   QStringLiteral("-pix_fmt"), QStringLiteral("yuv420p"), first});
    if (!encoder.waitForFinished(60000) || encoder.exitCode() != 0)
        return false;
    for (int i = 1; i < ClipCount; ++i)
        if (!QFile::copy(first, folder + QStringLiteral("/clip %1.mp4").arg(i, 3, 10, QLatin1Char('0'))))
            return false;
    return true;
}

struct Baseline {
    double totalMs = 0;
    double longestMs = 0;
};

Baseline ProbeOneAfterAnother(const QString& folder)
{
    Baseline result;
    QElapsedTimer total;
    total.start();
    for (const QString& name : QDir(folder).entryList({QStringLiteral("*.mp4")}, QDir::Files, QDir::Name)) {
        QElapsedTimer one;
        one.start();
        QProcess probe;
        probe.setProcessChannelMode(QProcess::MergedChannels);
        probe.setStandardInputFile(QProcess::nullDevice());
        probe.start(QStringLiteral(LUMORA_FFMPEG), {QStringLiteral("-i"), folder + QLatin1Char('/') + name});
        probe.waitForFinished(-1);
        probe.readAll();
        result.longestMs = std::max(result.longestMs, one.nsecsElapsed() / 1e6);
    }
    result.totalMs = total.nsecsElapsed() / 1e6;
    return result;
}

struct Scan {
    double totalMs = 0;
    double longestBlockMs = 0;
    int rows = 0;
};

Scan ScanFolder(TMainForm& main, const QString& folder)
{
    main.ltvTask->clear();
    Scan result;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        // Anything beyond the timer's own period is time the loop could not answer.
        result.longestBlockMs = std::max(result.longestBlockMs, sinceTick.nsecsElapsed() / 1e6 - 10.0);
        sinceTick.restart();
    });
    QEventLoop loop;
    QObject::connect(&IntakeQueue::of(main), &IntakeQueue::drained, &loop, &QEventLoop::quit);

    QElapsedTimer total;
    total.start();
    sinceTick.start();
    ticker.start();
    main.AddFolder(folder);
    if (IntakeQueue::of(main).busy())
        loop.exec();
    result.totalMs = total.nsecsElapsed() / 1e6;
    result.rows = main.ltvTask->topLevelItemCount();
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir program, media;
    if (!QFile::link(QStringLiteral(LUMORA_FFMPEG), program.filePath(QStringLiteral("durodu.dll")))
        || !MakeClips(media.path())) {
        std::fprintf(stderr, "could not prepare the program folder and the clips\n");
        return 1;
    }
    SilentPlatform platform;
    AppWindows windows = CreateAppWindows(platform, program.path() + QLatin1Char('/'), {});
    TMainForm& main = *windows.MainForm;

    std::vector<double> ratios;
    double longestBlock = 0, longestProbe = 0;
    for (int round = 1; round <= Rounds; ++round) {
        const Baseline baseline = ProbeOneAfterAnother(media.path());
        const Scan scan = ScanFolder(main, media.path());
        if (scan.rows != ClipCount) {
            std::fprintf(stderr, "the scan added %d rows instead of %d\n", scan.rows, ClipCount);
            return 1;
        }
        ratios.push_back(scan.totalMs / baseline.totalMs);
        longestBlock = std::max(longestBlock, scan.longestBlockMs);
        longestProbe = std::max(longestProbe, baseline.longestMs);
        std::printf("round %d: %d probes one after another %.0f ms, AddFolder %.0f ms, ratio %.3f, "
                    "longest blocked %.1f ms, longest probe %.1f ms\n",
                    round, ClipCount, baseline.totalMs, scan.totalMs, ratios.back(), scan.longestBlockMs,
                    baseline.longestMs);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("median ratio %.3f (goal <= 1.10); longest blocked %.1f ms vs longest probe %.1f ms (goal: <=)\n",
                ratios[ratios.size() / 2], longestBlock, longestProbe);
    return 0;
}
