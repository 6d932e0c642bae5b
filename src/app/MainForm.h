#pragma once
// The main window: the composition root. Handlers are short and call into the
// subsystems; each subsystem's handlers live in their own source file
// (MainForm*.cpp in the subsystem's folder).
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "tasks/TaskRecord.h"

class Platform;
class TProcessForm;
class TAboutForm;
class TSettingForm;
class TSizeForm;
class ValueListGrid;
class CollapsibleSection;
class ImageButton;
class QAction;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSlider;
class QTimer;
class QToolButton;
class QTreeWidget;
class QPlainTextEdit;
struct BatchRunState;
class PreviewPlayer;

class TMainForm : public QWidget {
    Q_OBJECT

public:
    // programFolder ends with the separator; arguments are the command-line
    // inputs (without the program's own name).
    TMainForm(Platform& platform, const QString& programFolder, const QStringList& arguments,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // The dialogs created after the main window.
    void attachDialogs(TProcessForm* process, TAboutForm* about, TSettingForm* setting, TSizeForm* size);

    Platform& platform() { return platform_; }
    const QString& programFolder() const { return programFolder_; }
    const QString& encoderPath() const { return encoderPath_; }
    const QString& versionText() const { return versionText_; }
    const std::vector<std::string>& inputExtensions() const { return inputExtensions_; }
    const QString& supportedPatterns() const { return supportedPatterns_; }
    const QString& openDialogFilter() const { return openDialogFilter_; }   // as built, with '|'
    QString openDialogQtFilter() const;                                     // for QFileDialog
    QString outputExtension() const { return OutputExtension; }
    TSettingForm* settingForm() const { return settingForm_; }
    TSizeForm* sizeForm() const { return sizeForm_; }
    TAboutForm* aboutForm() const { return aboutForm_; }
    int convertState() const;

    // ---- start-up and lifecycle ----
    void FormShow();
    void FormClose();
    // Shows one clear message (once per run) about a preferences file the
    // program can't read or write; the program goes on with its defaults.
    void ReportPreferencesProblem(const QString& reason);

    // ---- profiles and grids ----
    void FillProfileSelector();
    void cmbProfileChange();
    void vleVideoStringsChange();
    void parameterGridMouseDown();   // repaints the four grids
    void RestorePreferences();
    void SavePreferences();
    void tbtnSettingClick();
    void bbtnSettingClick();

    // ---- task list ----
    void GetItemData(int row, int part, ltvItemData& record) const;
    void SetItemData(int row, int part, ltvItemData record);
    void tbtnRemoveClick();
    void tbtnClearClick();
    void tbtnUpClick();
    void tbtnDownClick();
    void ppmTaskPopup();
    void ltvTaskKeyDown(int key);
    void ltvTaskResize(int newWidth);
    void ltvTaskClick();
    void ShowTaskOptions();
    void SetGridValue(int grid, const QString& key, const QString& value);
    void StoreTaskOptions();
    void vleOutputMouseDown();
    void vleOutputClick();
    void SetCommandState(bool enabled);
    void EnableCommandsWhenRows();
    int SelectedTask() const;   // first selected row, -1 when none

    // ---- adding media ----
    void AddTask(const QString& path);
    void AddFolder(const QString& folder);
    void tbtnAddFileClick();
    void tbtnAddDirClick();
    void DropItems(const QStringList& paths);
    void AddCommandLineInputs(const QStringList& arguments);

    // ---- conversion ----
    void tbtnStartClick();
    void tbtnStopClick();
    void imgStartClick();
    void imgStopClick();
    void timerTimeTimer();
    void DisableForRun();
    void EnableAfterRun();

    // ---- preview ----
    void sbtnPlayClick();
    void sbtnPauseClick();
    void sbtnStopClick();
    void ltvTaskDblClick();
    void PlaySelectedTask();

    // ---- chrome ----
    void btnOutputClick();
    void btnVideoClick();
    void btnAudioClick();
    void btnAdvancedClick();
    void bbtnBrowserClick();
    void bbtnOpenClick();
    void tbtnAboutClick();
    void tbtnHelpClick();

    // Shared values set at start-up or by a profile load.
    QString HelpFile;
    QString OutputExtension;
    QString ProbeLength;
    QString ProbeSize;

    // Controls, named as the window's objectNames.
    QFrame* panTop = nullptr;
    QFrame* panMain = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* Panel2 = nullptr;
    QTreeWidget* ltvTask = nullptr;
    QFrame* panSmallToolbar = nullptr;
    QLabel* imgSmalltoolBar = nullptr;
    QToolButton* sbtnDelete = nullptr;
    QToolButton* sbtnClear = nullptr;
    QToolButton* sbtnUp = nullptr;
    QToolButton* sbtnDown = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QFrame* panbg = nullptr;
    QLabel* imgBkg = nullptr;
    QLabel* labProgramName = nullptr;
    QLabel* imgAvatar = nullptr;
    QFrame* panToolbar = nullptr;
    QLabel* Image7 = nullptr;
    QFrame* Panel3 = nullptr;
    QToolButton* sbtnAddFile = nullptr;
    QToolButton* sbtnAddDir = nullptr;
    QToolButton* sbtnOptions = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

    QFrame* panProfile = nullptr;
    QFrame* panPreview = nullptr;
    QLabel* Image5 = nullptr;
    QWidget* VideoWindow1 = nullptr;   // holds the video widget made on first play
    QSlider* TrackBar = nullptr;
    QToolButton* sbtnPlay = nullptr;
    QToolButton* sbtnPause = nullptr;
    QToolButton* sbtnStop = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* labPreviewTime = nullptr;
    QFrame* panRight1 = nullptr;
    QLabel* Image6 = nullptr;
    QLabel* Label9 = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    CollapsibleSection* secOutput = nullptr;
    CollapsibleSection* secVideo = nullptr;
    CollapsibleSection* secAudio = nullptr;
    CollapsibleSection* secAdvanced = nullptr;
    ValueListGrid* vleOutput = nullptr;
    ValueListGrid* vleVideo = nullptr;
    ValueListGrid* vleAudio = nullptr;
    ValueListGrid* vleAdvanced = nullptr;
    QFrame* panRight = nullptr;

    QFrame* panBottom = nullptr;
    QFrame* panLeft = nullptr;
    QFrame* panBottomRight = nullptr;
    QFrame* panBottomCenter = nullptr;
    QLabel* Image4 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* cmbProfile = nullptr;
    QPushButton* bbtnSetting = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edtOutputdir = nullptr;
    QPushButton* bbtnBrowser = nullptr;
    QPushButton* bbtnOpen = nullptr;
    QFrame* panBottomLeft = nullptr;
    QLabel* Image8 = nullptr;
    QLabel* label4 = nullptr;
    QLabel* labConvertingFile = nullptr;
    QLabel* label5 = nullptr;
    QLabel* labElapsed = nullptr;
    QLabel* label6 = nullptr;
    QLabel* labRemaining = nullptr;
    QLabel* label7 = nullptr;
    QProgressBar* pgbCurrent = nullptr;
    QLabel* labCurProgress = nullptr;
    QLabel* label8 = nullptr;
    QProgressBar* pgbTotal = nullptr;
    QLabel* labTotalProgress = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image3 = nullptr;
    ImageButton* imgStart = nullptr;
    ImageButton* imgStop = nullptr;

    QMenu* ppmTask = nullptr;
    QTimer* timerTime = nullptr;

    // The hidden tool bar: one action per command, holding the command state.
    QAction* tbtnAddFile = nullptr;
    QAction* tbtnAddDir = nullptr;
    QAction* tbtnUp = nullptr;
    QAction* tbtnDown = nullptr;
    QAction* tbtnRemove = nullptr;
    QAction* tbtnClear = nullptr;
    QAction* tbtnStart = nullptr;
    QAction* tbtnStop = nullptr;
    QAction* tbtnSetting = nullptr;
    QAction* tbtnAbout = nullptr;
    QAction* tbtnHelp = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QStringList& arguments);
    void BuildLayout();
    void BuildCommands();
    void ConnectHandlers();
    void ReadVersion();

    Platform& platform_;
    QString programFolder_;
    QString encoderPath_;
    QString versionText_;
    std::vector<std::string> inputExtensions_;
    QString supportedPatterns_;
    QString openDialogFilter_;
    int lastListWidth_ = 562;   // ltvTask's remembered width for the column shares
    bool shown_ = false;
    bool preferencesProblemReported_ = false;

    TProcessForm* processForm_ = nullptr;
    TAboutForm* aboutForm_ = nullptr;
    TSettingForm* settingForm_ = nullptr;
    TSizeForm* sizeForm_ = nullptr;

    std::unique_ptr<BatchRunState> batch_;
    std::unique_ptr<PreviewPlayer> preview_;

    friend struct BatchRunState;
};
