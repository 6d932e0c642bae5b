// Time from process start to the main window shown, against a bare Qt window
// program measured in the same run. Each sample spawns this executable anew
// in one of two child modes and waits for its "shown" line.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

#include "app/AppWindows.h"
#include "app/MainForm.h"
#include "platform/QtPlatform.h"
#include "ui/Skin.h"

namespace {

// Prints "shown" once the window is exposed and leaves at once.
void reportWhenShown(QWidget& window)
{
    window.show();
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [&window] {
        if (window.windowHandle() && window.windowHandle()->isExposed()) {
            std::puts("shown");
            std::fflush(stdout);
            _exit(0);
        }
    });
    poll->start(1);
}

int runBare(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(812, 547);
    reportWhenShown(window);
    return QApplication::exec();
}

int runProgram(int argc, char** argv, const QString& folder)
{
    QApplication application(argc, argv);
    ApplySkin(application);
    QtPlatform platform;
    AppWindows windows = CreateAppWindows(platform, folder, {});
    reportWhenShown(*windows.MainForm);
    return QApplication::exec();
}

double sampleMs(const QString& self, const QStringList& args)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(self, args);
    if (!child.waitForStarted(10000))
        return -1;
    while (!child.canReadLine())
        if (!child.waitForReadyRead(60000))
            return -1;
    const double ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(10000);
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && QByteArray(argv[1]) == "--bare")
        return runBare(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--program")
        return runProgram(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication driver(argc, argv);
    QTemporaryDir folder;
    const QString programFolder = folder.path() + QLatin1Char('/');
    QDir source(QStringLiteral(LUMORA_PROGRAM_DIR));
    QFile::copy(source.filePath(QStringLiteral("Preferences.ini")), programFolder + QStringLiteral("Preferences.ini"));
    QDir().mkpath(programFolder + QStringLiteral("Profiles"));
    for (const QString& name : QDir(source.filePath(QStringLiteral("Profiles"))).entryList(QDir::Files))
        QFile::copy(source.filePath(QStringLiteral("Profiles/") + name), programFolder + QStringLiteral("Profiles/") + name);

    const QString self = QCoreApplication::applicationFilePath();
    constexpr int Samples = 15;
    std::vector<double> bare, program;
    for (int i = 0; i < Samples; ++i) {   // interleaved so both see the same machine load
        bare.push_back(sampleMs(self, {QStringLiteral("--bare")}));
        program.push_back(sampleMs(self, {QStringLiteral("--program"), programFolder}));
    }
    const double bareMs = median(bare), programMs = median(program);
    std::printf("platform: %s\n", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("bare Qt window shown:   %8.1f ms (median of %d)\n", bareMs, Samples);
    std::printf("converter window shown: %8.1f ms (median of %d)\n", programMs, Samples);
    std::printf("ratio: %.2f (goal: at most 1.30)\n", programMs / bareMs);
    return 0;
}
