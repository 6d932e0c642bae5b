// Profiles, parameter grids and preferences on the main window.
#include "app/MainForm.h"

#include <QComboBox>
#include <QLineEdit>

#include "profiles/ProfileSelector.h"
#include "profiles/SettingForm.h"
#include "profiles/SizeForm.h"
#include "settings/Preferences.h"
#include "ui/ValueListGrid.h"

void TMainForm::FillProfileSelector()
{
    FillProfileCombo(cmbProfile, ListProfiles(programFolder_.toStdString()));
}

void TMainForm::cmbProfileChange()
{
    const ProfileLoadResult result =
        LoadSelectedProfile(platform_, this, programFolder_, cmbProfile, {vleVideo, vleAudio, vleAdvanced}, true);
    if (result.Loaded)
        OutputExtension = QStringLiteral(".") + QString::fromStdString(result.Type);
}

void TMainForm::vleVideoStringsChange()
{
    const QString videoSize = QStringLiteral("Video Size");
    if (sizeForm_ && vleVideo->currentKey() == videoSize
        && vleVideo->valueOf(videoSize) == QStringLiteral("Custom Size"))
        sizeForm_->showOwned();
}

void TMainForm::parameterGridMouseDown()
{
    // The key cell of the current row shows which grid has the focus; the
    // options grid's press and click repaint the same four.
    for (ValueListGrid* grid : {vleOutput, vleVideo, vleAudio, vleAdvanced})
        grid->viewport()->update();
}

void TMainForm::RestorePreferences()
{
    const bool hasProfiles = cmbProfile->count() > 0;
    std::string problem;
    const ShownPreferences stored = ReadShownPreferences(programFolder_.toStdString(), hasProfiles, problem);
    if (!problem.empty())
        ReportPreferencesProblem(QString::fromStdString(problem));
    edtOutputdir->setText(QString::fromStdString(stored.OutputPath));
    if (!hasProfiles)
        return;
    // A stored position outside the list leaves no profile selected.
    cmbProfile->setCurrentIndex(stored.Profile);
    cmbProfileChange();
}

void TMainForm::SavePreferences()
{
    PreferenceValues values;
    if (settingForm_)
        values = settingForm_->preferenceValues();
    // The output folder in use is the main window's, whatever the dialog shows.
    values.OutputPath = edtOutputdir->text().toStdString();
    const std::string problem =
        WriteClosingPreferences(programFolder_.toStdString(), cmbProfile->currentIndex(), values);
    if (!problem.empty())
        ReportPreferencesProblem(QString::fromStdString(problem));
}

void TMainForm::tbtnSettingClick()
{
    if (settingForm_)
        settingForm_->showGeneralPage();
}

void TMainForm::bbtnSettingClick()
{
    if (settingForm_)
        settingForm_->showProfilesPage(cmbProfile->currentIndex());
}
