#include "app/AppWindows.h"

#include "app/MainForm.h"
#include "profiles/SettingForm.h"
#include "profiles/SizeForm.h"
#include "ui/AboutForm.h"
#include "ui/ProcessForm.h"

AppWindows::AppWindows() = default;
AppWindows::AppWindows(AppWindows&&) noexcept = default;
AppWindows& AppWindows::operator=(AppWindows&&) noexcept = default;
AppWindows::~AppWindows() = default;

AppWindows CreateAppWindows(Platform& platform, const QString& programFolder, const QStringList& arguments)
{
    AppWindows windows;
    windows.MainForm = std::make_unique<TMainForm>(platform, programFolder, arguments);
    TMainForm& main = *windows.MainForm;
    windows.ProcessForm = new TProcessForm(&main);
    windows.AboutForm = new TAboutForm(main);
    windows.SettingForm = new TSettingForm(main);
    windows.SizeForm = new TSizeForm(main);
    main.attachDialogs(windows.ProcessForm, windows.AboutForm, windows.SettingForm, windows.SizeForm);
    return windows;
}
