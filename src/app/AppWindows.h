#pragma once
// Creates the program's windows in their fixed order: the main window, then
// the Process dialog, the About box, the settings dialog and the size dialog.
#include <QString>
#include <QStringList>
#include <memory>

class Platform;
class TMainForm;
class TProcessForm;
class TAboutForm;
class TSettingForm;
class TSizeForm;

struct AppWindows {
    std::unique_ptr<TMainForm> MainForm;   // owns the dialogs as its children
    TProcessForm* ProcessForm = nullptr;
    TAboutForm* AboutForm = nullptr;
    TSettingForm* SettingForm = nullptr;
    TSizeForm* SizeForm = nullptr;

    AppWindows();
    AppWindows(AppWindows&&) noexcept;
    AppWindows& operator=(AppWindows&&) noexcept;
    ~AppWindows();
};

AppWindows CreateAppWindows(Platform& platform, const QString& programFolder, const QStringList& arguments);
