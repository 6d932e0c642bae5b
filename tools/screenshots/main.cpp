// Writes PNG screenshots of the program's windows into a folder: the main
// window empty, with tasks, while a batch runs, and the About, settings and
// custom size dialogs. Everything happens in a temporary program folder with
// generated clips; the run uses a scripted encoder that reports progress and
// then waits, so the progress strip can be photographed mid-run.
//
//   lumora_screenshots <output folder>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QDialog>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <functional>

#include "app/AppWindows.h"
#include "app/MainForm.h"
#include "platform/QtPlatform.h"
#include "profiles/SettingForm.h"
#include "profiles/SizeForm.h"
#include "ui/AboutForm.h"
#include "ui/Skin.h"

namespace {

// Runs the event loop until done() holds or the time is up.
bool settle(int ms, const std::function<bool()>& done = [] { return false; })
{
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (done())
            return true;
    }
    return done();
}

bool makeClip(const QString& path, int seconds, const QString& pattern)
{
    QProcess encoder;
    encoder.start(QStringLiteral(LUMORA_FFMPEG),
                  {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                   QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("%1=size=320x240:rate=25:duration=%2").arg(pattern).arg(seconds),
                   QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                   QStringLiteral("sine=frequency=330:duration=%1").arg(seconds), QStringLiteral("-pix_fmt"),
                   QStringLiteral("yuv420p"), QStringLiteral("-shortest"), path});
    return encoder.waitForFinished(120000) && encoder.exitCode() == 0;
}

void copyFolder(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + QLatin1Char('/') + name, to + QLatin1Char('/') + name);
}

void useEncoder(const QString& folder, const QString& program)
{
    const QString link = folder + QStringLiteral("durodu.dll");
    QFile::remove(link);
    QFile::link(program, link);
}

// A window as the screen shows it (video included); a plain render when the
// screen can't be read.
QPixmap shot(QWidget& window)
{
    window.raise();
    settle(300);
    if (QScreen* screen = window.screen()) {
        const QPixmap fromScreen = screen->grabWindow(window.winId());
        if (!fromScreen.isNull())
            return fromScreen;
    }
    return window.grab();
}

bool save(const QPixmap& picture, const QString& folder, const char* name)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    const bool saved = picture.save(path);
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

// The real desktop, except that messages are printed instead of waiting for a click.
class UnattendedPlatform : public QtPlatform {
public:
    MessageAnswer showMessage(QWidget*, const QString& caption, const QString& text, MessageIcon,
                              MessageButtons buttons) override
    {
        std::printf("message: %s: %s\n", qPrintable(caption), qPrintable(text));
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

// A program folder like the built one, with the real encoder for the probes.
void layProgramFolder(const QString& folder)
{
    QFile::copy(QStringLiteral(LUMORA_DATA_DIR "/Preferences.ini"), folder + QStringLiteral("Preferences.ini"));
    copyFolder(QStringLiteral(LUMORA_DATA_DIR "/Profiles"), folder + QStringLiteral("Profiles"));
    useEncoder(folder, QStringLiteral(LUMORA_FFMPEG));
}

// Four clips of different lengths and pictures; empty when one can't be made.
QStringList makeClips(const QString& videos)
{
    const struct {
        const char* name;
        int seconds;
        const char* pattern;
    } clips[] = {{"Beach walk at sunset.mp4", 14, "testsrc2"},
                 {"Birthday party.mov", 9, "smptebars"},
                 {"Concert - second song.avi", 21, "testsrc"},
                 {"Skate park.mp4", 6, "rgbtestsrc"}};
    QStringList inputs;
    for (const auto& clip : clips) {
        const QString path = videos + QLatin1Char('/') + QLatin1String(clip.name);
        if (!makeClip(path, clip.seconds, QLatin1String(clip.pattern))) {
            std::fprintf(stderr, "could not make the clip %s\n", clip.name);
            return {};
        }
        inputs << path;
    }
    return inputs;
}

// The list filled, the first task selected and its first seconds in the preview.
void fillTheList(TMainForm& main, const QStringList& inputs)
{
    for (const QString& input : inputs)
        main.AddTask(input);
    main.EnableCommandsWhenRows();
    main.ltvTask->setCurrentItem(main.ltvTask->topLevelItem(0), 0,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    main.ShowTaskOptions();
    main.PlaySelectedTask();
    settle(2500, [&] { return main.labPreviewTime->text() != QStringLiteral("00:00:00"); });
    settle(600);
    main.sbtnPauseClick();
}

// A run whose scripted encoder reports a third of the first clip, then waits.
void startARun(TMainForm& main, const QString& folder)
{
    QFile script(folder + QStringLiteral("encoder.script"));
    if (script.open(QIODevice::WriteOnly)) {
        script.write("print Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'clip':\\n\n"
                     "print Output #0, mp4, to 'out':\\n\n"
                     "print frame=  110 fps= 55 q=28.0 size=     480kB time=00:00:04.40 bitrate= 893.6kbits/s\\r\n"
                     "print frame=  120 fps= 60 q=28.0 size=     512kB time=00:00:04.80 bitrate= 873.8kbits/s\\r\n"
                     "hang\n");
        script.close();
    }
    qputenv("FAKE_ENCODER_SCRIPT", QFile::encodeName(script.fileName()));
    useEncoder(folder, QStringLiteral(LUMORA_FAKE_ENCODER));
    main.imgStartClick();
    settle(4000, [&] { return main.pgbCurrent->value() > 0; });
    settle(2200);   // the elapsed and remaining times tick on
}

bool shootDialog(QDialog& dialog, const std::function<void()>& open, const QString& output, const char* name)
{
    open();
    settle(300);
    const bool saved = save(shot(dialog), output, name);
    dialog.close();
    settle(100);
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString output = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(output);
    ApplySkin(application);

    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    layProgramFolder(folder);
    // A short folder name, so the list shows the clips' names.
    QTemporaryDir videos(QDir::tempPath() + QStringLiteral("/Videos-XXXXXX"));
    const QStringList inputs = makeClips(videos.path());
    if (inputs.isEmpty())
        return 1;

    UnattendedPlatform platform;
    AppWindows windows = CreateAppWindows(platform, folder, {});
    TMainForm& main = *windows.MainForm;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        main.move(screen->availableGeometry().center() - main.rect().center());
    main.show();
    settle(800);
    bool ok = save(shot(main), output, "main-empty.png");
    fillTheList(main, inputs);
    ok &= save(shot(main), output, "main-tasks.png");
    startARun(main, folder);
    ok &= save(shot(main), output, "main-running.png");
    main.imgStopClick();
    settle(1500, [&] { return main.convertState() == 0; });

    ok &= shootDialog(*main.aboutForm(), [&] { main.tbtnAboutClick(); }, output, "about.png");
    ok &= shootDialog(*main.settingForm(), [&] { main.tbtnSettingClick(); }, output, "settings-general.png");
    ok &= shootDialog(*main.settingForm(), [&] { main.bbtnSettingClick(); }, output, "settings-profiles.png");
    ok &= shootDialog(*main.sizeForm(), [&] { main.sizeForm()->showOwned(); }, output, "custom-size.png");

    windows = AppWindows();
    return ok ? 0 : 1;
}
