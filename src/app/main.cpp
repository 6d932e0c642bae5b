// The program entry: the application object, the windows in their order, the loop.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include "app/AppWindows.h"
#include "app/MainForm.h"
#include "app/StartupValues.h"
#include "platform/QtPlatform.h"
#include "ui/Skin.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ApplySkin(application);

    const QString programFolder = QString::fromStdString(
        ProgramFolderOf(QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("x")).toStdString()));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    QtPlatform platform;
    AppWindows windows = CreateAppWindows(platform, programFolder, arguments);
    TMainForm& main = *windows.MainForm;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        main.move(screen->availableGeometry().center() - main.rect().center());
    main.show();
    return QApplication::exec();
}
