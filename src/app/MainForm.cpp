#include "app/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QShowEvent>
#include <QTreeWidget>
#include <QHeaderView>

#include "app/PathText.h"
#include "app/ProgramInfo.h"
#include "app/StartupValues.h"
#include "convert/BatchRunState.h"
#include "platform/Platform.h"
#include "preview/PreviewPlayer.h"
#include "settings/Preferences.h"

TMainForm::TMainForm(Platform& platform, const QString& programFolder, const QStringList& arguments,
                     QWidget* parent)
    : QWidget(parent), platform_(platform), programFolder_(programFolder)
{
    setObjectName(QStringLiteral("TMainForm"));
    batch_ = std::make_unique<BatchRunState>();
    BuildLayout();
    BuildCommands();
    ConnectHandlers();
    FormCreate(arguments);
}

TMainForm::~TMainForm() = default;

void TMainForm::attachDialogs(TProcessForm* process, TAboutForm* about, TSettingForm* setting,
                              TSizeForm* size)
{
    processForm_ = process;
    aboutForm_ = about;
    settingForm_ = setting;
    sizeForm_ = size;
}

QString TMainForm::openDialogQtFilter() const
{
    return QString::fromStdString(ToQtFilter(openDialogFilter_.toStdString()));
}

void TMainForm::FormCreate(const QStringList& arguments)
{
    // 1. The program folder always ends with one separator.
    programFolder_ = QString::fromStdString(AddTrailingBackslash(programFolder_.toStdString()));
    // 2. Overwritten by the stored output folder when the window is shown.
    edtOutputdir->setText(programFolder_);
    // 3.
    encoderPath_ = QString::fromStdString(EncoderPathOf(programFolder_.toStdString()));
    // 4. Header colour of the task list.
    ltvTask->header()->setStyleSheet(
        QStringLiteral("QHeaderView::section { background-color: rgb(202, 227, 255); }"));
    // 5.
    ReadVersion();
    // 6.
    InitProgramInfo(*this);
    // 7.
    inputExtensions_ = BuildInputExtensions();
    const std::string patterns = BuildSupportedPatterns(inputExtensions_);
    supportedPatterns_ = QString::fromStdString(patterns);
    openDialogFilter_ = QString::fromStdString(BuildOpenDialogFilter(inputExtensions_, patterns));
    // 8. Profiles.
    FillProfileSelector();
    // 9. Inputs named on the command line.
    AddCommandLineInputs(arguments);
    // 10. Files dropped from the desktop.
    setAcceptDrops(true);
    // 11. First layout.
    panBottomCenter->setFixedWidth(637);
    panBottomLeft->setFixedWidth(637);
    panBottomLeft->move(0, panBottomLeft->y());
    panBottomLeft->hide();
    const int widths[] = {230, 90, 80, 100};
    for (int column = 0; column < 4; ++column)
        ltvTask->setColumnWidth(column, widths[column]);
}

void TMainForm::ReadVersion()
{
    std::string problem;
    versionText_ = QString::fromStdString(ReadVersionText(programFolder_.toStdString(), problem));
    if (!problem.empty())
        ReportPreferencesProblem(QString::fromStdString(problem));
}

void TMainForm::ReportPreferencesProblem(const QString& reason)
{
    // One message per run is enough: the program goes on with its defaults.
    if (preferencesProblemReported_)
        return;
    preferencesProblemReported_ = true;
    platform_.showMessage(this, QStringLiteral("Preferences"),
                          QStringLiteral("The preferences file can't be used:\n%1\n\n"
                                         "The program goes on with the default settings; "
                                         "changes may not be saved.")
                              .arg(reason),
                          MessageIcon::Warning, MessageButtons::Ok);
}

int TMainForm::convertState() const
{
    return batch_->ConvertState;
}

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

void TMainForm::FormShow()
{
    RestorePreferences();
}

void TMainForm::FormClose()
{
    SavePreferences();
}
