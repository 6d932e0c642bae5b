#pragma once
#include <string>

#include "profiles/ProfileGrids.h"
#include "ui/OwnedDialog.h"

class TMainForm;
class CollapsibleSection;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolButton;
struct PreferenceValues;

// The settings dialog: preferences on "General", profile defaults on
// "Profiles". Created once at start and only hidden; its General-page controls
// hold the live preferences that the conversion and the save at exit read.
class TSettingForm : public OwnedDialog {
    Q_OBJECT

public:
    explicit TSettingForm(TMainForm& mainForm);

    // Opening from the main window: "Settings" shows the General page;
    // "Detail" shows the Profiles page with the profile at `profilePosition`.
    void showGeneralPage();
    void showProfilesPage(int profilePosition);

    // The General page's values, and setting them (rdbRename follows rdbOverWrite).
    PreferenceValues preferenceValues() const;
    void showPreferenceValues(const PreferenceValues& values);

    void btnOKClick();
    void btnCancelClick();
    void btnDefaultClick();
    void sbtnBrowseClick();
    void cmbProfileChange();
    void btnSaveAsClick();

    ParameterGrids grids() const;

    QTabWidget* pgcSetting = nullptr;
    QWidget* tabGeneral = nullptr;
    QWidget* tabProfiles = nullptr;
    QPushButton* btnDefault = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

    QLabel* labOutputDir = nullptr;
    QLineEdit* edtOutputDir = nullptr;
    QToolButton* sbtnBrowse = nullptr;
    QLabel* labSyn = nullptr;
    QComboBox* cmbSyn = nullptr;
    QFrame* Bevel1 = nullptr;
    QCheckBox* chkOpenDir = nullptr;
    QCheckBox* chkExit = nullptr;
    QCheckBox* chkTurnoff = nullptr;
    QGroupBox* gpbOverWrite = nullptr;
    QRadioButton* rdbOverWrite = nullptr;
    QRadioButton* rdbRename = nullptr;

    QComboBox* cmbProfile = nullptr;
    QPushButton* btnSaveAs = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    CollapsibleSection* secVideo = nullptr;
    CollapsibleSection* secAudio = nullptr;
    CollapsibleSection* secAdvanced = nullptr;
    ValueListGrid* vleVideo = nullptr;
    ValueListGrid* vleAudio = nullptr;
    ValueListGrid* vleAdvanced = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLayout();
    void BuildGeneralPage();
    void BuildProfilesPage();
    void FormCreate();
    void FormShow();
    void LoadPreferencesIntoDialog();
    void SavePreferencesFromDialog();
    // Writes the grids' values into the profile file; tells the user when it can't.
    bool SaveGridsToProfile(const std::string& profileFile);
    void SaveProfileAs(const std::string& source, const std::string& target);
    void parameterGridMouseDown();
    std::string selectedProfileFile() const;
    void reportProfileProblem(const QString& text);

    TMainForm& mainForm_;
};
