#include "profiles/SettingForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include "app/MainForm.h"
#include "ui/OutputFolderChoice.h"
#include "platform/Platform.h"
#include "profiles/FormFont.h"
#include "profiles/ProfileSaving.h"
#include "profiles/ProfileSelector.h"
#include "settings/Preferences.h"
#include "ui/CollapsibleSection.h"
#include "ui/ValueListGrid.h"
#include "ui/WidgetMaking.h"

namespace {

constexpr int KeyColumnWidth = 160;
// Where captions that need more room may reach on the General page.
constexpr int PageRightEdge = 377;
constexpr int GroupMargin = 8;

QCheckBox* makeCheckBox(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

QRadioButton* makeRadioButton(QWidget* parent, const char* name, const char* caption, const QRect& geometry)
{
    auto* button = new QRadioButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

ValueListGrid* makeGrid(const char* name)
{
    auto* grid = new ValueListGrid(KeyColumnWidth);
    grid->setObjectName(QLatin1String(name));
    grid->fitHeightToRows();
    return grid;
}

// What the dialog's grids show, for storing it into a profile.
ShownRowLookup rowsOf(const ParameterGrids& grids)
{
    return [grids](int group, const std::string& name) -> std::optional<ShownRow> {
        const ValueListGrid* grid = grids.forGroup(group);
        const int row = grid ? grid->findRow(QString::fromStdString(name)) : -1;
        if (row < 0)
            return std::nullopt;
        ShownRow shown{grid->value(row).toStdString(), {}};
        for (const QString& choice : grid->pickList(row))
            shown.PickList.push_back(choice.toStdString());
        return shown;
    };
}

} // namespace

TSettingForm::TSettingForm(TMainForm& mainForm)
    : OwnedDialog(&mainForm, QStringLiteral("Settings"), 391, 498), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TSettingForm"));
    UseFormFont(this);
    BuildLayout();
    FormCreate();
}

void TSettingForm::BuildLayout()
{
    pgcSetting = new QTabWidget(this);
    pgcSetting->setObjectName(QStringLiteral("pgcSetting"));
    pgcSetting->setGeometry(0, 5, 391, 442);
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    tabProfiles = new QWidget;
    tabProfiles->setObjectName(QStringLiteral("tabProfiles"));
    pgcSetting->addTab(tabGeneral, QStringLiteral("     General     "));
    pgcSetting->addTab(tabProfiles, QStringLiteral("     Profiles     "));
    BuildGeneralPage();
    BuildProfilesPage();

    btnDefault = makeButton(this, "btnDefault", "&Load Default", QRect(16, 461, 89, 25));
    btnOK = makeButton(this, "btnOK", "&OK", QRect(208, 461, 75, 25));
    btnCancel = makeButton(this, "btnCancel", "&Cancel", QRect(296, 461, 75, 25));

    connect(btnDefault, &QPushButton::clicked, this, &TSettingForm::btnDefaultClick);
    connect(btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSettingForm::btnCancelClick);
    connect(sbtnBrowse, &QToolButton::clicked, this, &TSettingForm::sbtnBrowseClick);
    connect(btnSaveAs, &QPushButton::clicked, this, &TSettingForm::btnSaveAsClick);
    connect(cmbProfile, qOverload<int>(&QComboBox::activated), this, &TSettingForm::cmbProfileChange);
    for (CollapsibleSection* section : {secVideo, secAudio, secAdvanced}) {
        connect(section, &CollapsibleSection::toggleRequested, section, &CollapsibleSection::toggle);
        connect(section->grid(), &ValueListGrid::mousePressed, this, &TSettingForm::parameterGridMouseDown);
    }
}

void TSettingForm::BuildGeneralPage()
{
    QWidget* page = tabGeneral;
    labOutputDir = makeLabel(page, "labOutputDir", "Default Output Path:", QPoint(8, 19));
    edtOutputDir = new QLineEdit(page);
    edtOutputDir->setObjectName(QStringLiteral("edtOutputDir"));
    edtOutputDir->setGeometry(112, 16, 225, 21);
    labOutputDir->setBuddy(edtOutputDir);
    edtOutputDir->setAccessibleName(QStringLiteral("Default Output Path"));
    sbtnBrowse = makeFlatButton(page, "sbtnBrowse", "", QRect(344, 16, 23, 22), "Browse");
    sbtnBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));

    labSyn = makeLabel(page, "labSyn", "Synchronization Mode:", QPoint(11, 59));
    cmbSyn = new QComboBox(page);
    cmbSyn->setObjectName(QStringLiteral("cmbSyn"));
    cmbSyn->setGeometry(124, 56, 245, 21);
    cmbSyn->addItems({QStringLiteral("Auto"), QStringLiteral("Force Mode"), QStringLiteral("Progressive Mode")});
    labSyn->setBuddy(cmbSyn);
    cmbSyn->setAccessibleName(QStringLiteral("Synchronization Mode"));

    Bevel1 = new QFrame(page);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
    Bevel1->setGeometry(8, 98, 369, 2);

    chkOpenDir = makeCheckBox(page, "chkOpenDir", "Open the output directory when the task is completed. ",
                              QRect(24, 128, 313, 17));
    chkExit = makeCheckBox(page, "chkExit", "Exit the program when the task is completed.", QRect(24, 160, 337, 17));
    chkTurnoff = makeCheckBox(page, "chkTurnoff", "Turn off the computer when the task is completed.",
                              QRect(24, 192, 281, 17));

    gpbOverWrite = new QGroupBox(QStringLiteral("Output File Overwrite"), page);
    gpbOverWrite->setObjectName(QStringLiteral("gpbOverWrite"));
    gpbOverWrite->setGeometry(16, 240, 353, 105);
    rdbOverWrite = makeRadioButton(gpbOverWrite, "rdbOverWrite", "Overwrite", QRect(24, 32, 305, 17));
    rdbRename = makeRadioButton(gpbOverWrite, "rdbRename", "Not overwrite (Rename to <Filename> + Index",
                                QRect(24, 67, 305, 17));

    KeepClearOf(edtOutputDir, labOutputDir);
    KeepClearOf(cmbSyn, labSyn);
    for (QCheckBox* box : {chkOpenDir, chkExit, chkTurnoff})
        GrowToCaption(box, PageRightEdge);
    for (QRadioButton* button : {rdbOverWrite, rdbRename})
        GrowToCaption(button, gpbOverWrite->width() - GroupMargin);
}

void TSettingForm::BuildProfilesPage()
{
    QWidget* page = tabProfiles;
    cmbProfile = new QComboBox(page);
    cmbProfile->setObjectName(QStringLiteral("cmbProfile"));
    cmbProfile->setGeometry(8, 7, 283, 21);
    cmbProfile->setAccessibleName(QStringLiteral("Profile"));
    btnSaveAs = makeButton(page, "btnSaveAs", "&Save as...", QRect(298, 4, 75, 25));

    ScrollBox1 = new QScrollArea(page);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setGeometry(8, 36, 366, 373);
    vleVideo = makeGrid("vleVideo");
    vleAudio = makeGrid("vleAudio");
    vleAdvanced = makeGrid("vleAdvanced");
    // The headers react to their buttons only.
    secVideo = new CollapsibleSection(QStringLiteral("Video"), QStringLiteral("panVideo"),
                                      QStringLiteral("btnVideo"), vleVideo, false);
    secAudio = new CollapsibleSection(QStringLiteral("Audio"), QStringLiteral("panAudio"),
                                      QStringLiteral("btnAudio"), vleAudio, false);
    secAdvanced = new CollapsibleSection(QStringLiteral("Advanced"), QStringLiteral("panAdvanced"),
                                         QStringLiteral("btnAdvanced"), vleAdvanced, false);
    StackSections(ScrollBox1, {secVideo, secAudio, secAdvanced});
}

void TSettingForm::FormCreate()
{
    // Same entries, same order: a position means the same profile in both selectors.
    CopyProfileEntries(mainForm_.cmbProfile, cmbProfile);
    LoadPreferencesIntoDialog();
}

void TSettingForm::showEvent(QShowEvent* event)
{
    OwnedDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TSettingForm::FormShow()
{
    // The main window's folder is the one in use, whatever was stored.
    edtOutputDir->setText(mainForm_.edtOutputdir->text());
}

void TSettingForm::showGeneralPage()
{
    pgcSetting->setCurrentWidget(tabGeneral);
    showOwned();
}

void TSettingForm::showProfilesPage(int profilePosition)
{
    pgcSetting->setCurrentWidget(tabProfiles);
    showOwned();
    cmbProfile->setCurrentIndex(profilePosition);
    cmbProfileChange();
}

PreferenceValues TSettingForm::preferenceValues() const
{
    PreferenceValues values;
    values.OutputPath = edtOutputDir->text().toStdString();
    values.SynMode = cmbSyn->currentIndex();
    values.AutoOpenDir = chkOpenDir->isChecked();
    values.AutoExit = chkExit->isChecked();
    values.AutoTurnOff = chkTurnoff->isChecked();
    values.Overwrite = rdbOverWrite->isChecked();
    return values;
}

void TSettingForm::showPreferenceValues(const PreferenceValues& values)
{
    edtOutputDir->setText(QString::fromStdString(values.OutputPath));
    // A mode outside the list leaves none chosen.
    cmbSyn->setCurrentIndex(values.SynMode);
    chkOpenDir->setChecked(values.AutoOpenDir);
    chkExit->setChecked(values.AutoExit);
    chkTurnoff->setChecked(values.AutoTurnOff);
    // Checking one of the pair clears the other.
    (values.Overwrite ? rdbOverWrite : rdbRename)->setChecked(true);
}

void TSettingForm::LoadPreferencesIntoDialog()
{
    std::string problem;
    showPreferenceValues(ReadMainPreferences(mainForm_.programFolder().toStdString(), problem));
    if (!problem.empty())
        mainForm_.ReportPreferencesProblem(QString::fromStdString(problem));
}

void TSettingForm::SavePreferencesFromDialog()
{
    const std::string problem = WriteDialogPreferences(mainForm_.programFolder().toStdString(), preferenceValues());
    if (!problem.empty())
        mainForm_.ReportPreferencesProblem(QString::fromStdString(problem));
}

ParameterGrids TSettingForm::grids() const
{
    return {vleVideo, vleAudio, vleAdvanced};
}

std::string TSettingForm::selectedProfileFile() const
{
    return SelectedProfileFile(mainForm_.programFolder(), cmbProfile);
}

void TSettingForm::reportProfileProblem(const QString& text)
{
    ReportProfileProblem(mainForm_.platform(), this, text);
}

bool TSettingForm::SaveGridsToProfile(const std::string& profileFile)
{
    const std::string problem = SaveShownValuesToProfile(profileFile, rowsOf(grids()));
    if (problem.empty())
        return true;
    reportProfileProblem(QStringLiteral("The profile \"%1\" was not changed.\n\n%2")
                             .arg(QString::fromStdString(profileFile), QString::fromStdString(problem)));
    return false;
}

void TSettingForm::SaveProfileAs(const std::string& source, const std::string& target)
{
    const std::string problem = ::SaveProfileAs(source, target, rowsOf(grids()));
    if (!problem.empty())
        reportProfileProblem(QStringLiteral("The profile could not be saved as \"%1\".\n\n%2")
                                 .arg(QString::fromStdString(target), QString::fromStdString(problem)));
}

void TSettingForm::btnOKClick()
{
    mainForm_.edtOutputdir->setText(edtOutputDir->text());
    SavePreferencesFromDialog();
    const std::string file = selectedProfileFile();
    if (!file.empty() && ProfileFileExists(file)) {
        // Stay open, so the user can correct a value the profile can't keep.
        if (!SaveGridsToProfile(file))
            return;
    }
    // Closed first: the reload may open the size dialog, which must find the
    // main window disabled for as long as it is shown.
    close();
    // The main window shows the new defaults of its own profile.
    if (mainForm_.cmbProfile->currentText() == cmbProfile->currentText())
        mainForm_.cmbProfileChange();
}

void TSettingForm::btnCancelClick()
{
    close();
}

void TSettingForm::btnDefaultClick()
{
    const MessageAnswer answer = mainForm_.platform().showMessage(
        this, QStringLiteral("Load Default"), QStringLiteral("Are you sure to load the default preferences?"),
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    std::string problem;
    showPreferenceValues(ReadDefaultPreferences(mainForm_.programFolder().toStdString(), problem));
    if (!problem.empty())
        mainForm_.ReportPreferencesProblem(QString::fromStdString(problem));
}

void TSettingForm::sbtnBrowseClick()
{
    ChooseOutputFolder(mainForm_.platform(), this, *edtOutputDir);
}

void TSettingForm::cmbProfileChange()
{
    LoadSelectedProfile(mainForm_.platform(), this, mainForm_.programFolder(), cmbProfile, grids(), false);
}

void TSettingForm::btnSaveAsClick()
{
    const QString target =
        mainForm_.platform().saveFileName(this, QStringLiteral("Profiles (*.apf)"), QStringLiteral("apf"));
    if (target.isEmpty())
        return;
    SaveProfileAs(selectedProfileFile(), target.toStdString());
}

void TSettingForm::parameterGridMouseDown()
{
    // The key cell of the current row shows which grid has the focus.
    for (ValueListGrid* grid : {vleVideo, vleAudio, vleAdvanced})
        grid->viewport()->update();
}
