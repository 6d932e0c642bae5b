// The command table: every button, menu entry and key of a command calls the
// one handler named after its hidden tool button.
#include "app/MainForm.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "ui/CollapsibleSection.h"
#include "ui/ImageButton.h"
#include "ui/ValueListGrid.h"

namespace {

QAction* makeCommand(QWidget* owner, const char* name, const char* hint, bool enabled)
{
    auto* action = new QAction(QString::fromUtf8(hint), owner);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(QString::fromUtf8(hint));
    action->setEnabled(enabled);
    return action;
}

} // namespace

void TMainForm::BuildCommands()
{
    tbtnAddFile = makeCommand(this, "tbtnAddFile", "Add Video Files", true);
    tbtnAddDir = makeCommand(this, "tbtnAddDir", "Add Directory", true);
    tbtnUp = makeCommand(this, "tbtnUp", "Move Up", false);
    tbtnDown = makeCommand(this, "tbtnDown", "Move Down", false);
    tbtnRemove = makeCommand(this, "tbtnRemove", "Remove", false);
    tbtnClear = makeCommand(this, "tbtnClear", "Clear", false);
    tbtnStart = makeCommand(this, "tbtnStart", "Start", false);
    tbtnStop = makeCommand(this, "tbtnStop", "Stop", false);
    tbtnSetting = makeCommand(this, "tbtnSetting", "Settings", true);
    tbtnAbout = makeCommand(this, "tbtnAbout", "About", true);
    tbtnHelp = makeCommand(this, "tbtnHelp", "Help", true);

    ppmTask = new QMenu(this);
    ppmTask->setObjectName(QStringLiteral("ppmTask"));
    QAction* open = ppmTask->addAction(QStringLiteral("Open"));
    open->setObjectName(QStringLiteral("mnuOpen"));
    ppmTask->addSeparator();
    QAction* addFiles = ppmTask->addAction(QStringLiteral("Add Files..."));
    addFiles->setObjectName(QStringLiteral("mnuAddFiles"));
    QAction* addDirs = ppmTask->addAction(QStringLiteral("Add Directorys..."));
    addDirs->setObjectName(QStringLiteral("mnuAddDirs"));
    ppmTask->addSeparator();
    QAction* remove = ppmTask->addAction(QStringLiteral("Remove"));
    remove->setObjectName(QStringLiteral("mnuRemove"));
    QAction* clear = ppmTask->addAction(QStringLiteral("Clear"));
    clear->setObjectName(QStringLiteral("mnuClear"));
    connect(open, &QAction::triggered, this, &TMainForm::ltvTaskDblClick);
    connect(addFiles, &QAction::triggered, this, &TMainForm::tbtnAddFileClick);
    connect(addDirs, &QAction::triggered, this, &TMainForm::tbtnAddDirClick);
    connect(remove, &QAction::triggered, this, &TMainForm::tbtnRemoveClick);
    connect(clear, &QAction::triggered, this, &TMainForm::tbtnClearClick);
    connect(ppmTask, &QMenu::aboutToShow, this, &TMainForm::ppmTaskPopup);

    // Keyboard users reach the commands from anywhere in the window.
    const std::pair<QAction*, QKeySequence> shortcuts[] = {
        {tbtnAddFile, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {tbtnAddDir, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {tbtnUp, QKeySequence(Qt::CTRL | Qt::Key_Up)},
        {tbtnDown, QKeySequence(Qt::CTRL | Qt::Key_Down)},
        {tbtnStart, QKeySequence(Qt::Key_F5)},
        {tbtnSetting, QKeySequence(Qt::CTRL | Qt::Key_Comma)},
        {tbtnHelp, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [action, keys] : shortcuts) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    // The Stop command's state stays disabled, yet its handler must be reachable
    // from the keyboard during a run.
    auto* stopKeys = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5), this);
    stopKeys->setObjectName(QStringLiteral("stopShortcut"));
    connect(stopKeys, &QShortcut::activated, this, &TMainForm::tbtnStopClick);
}

void TMainForm::ConnectHandlers()
{
    // A disabled tool button still runs its handler when called, so the
    // shortcuts of the hidden commands call the handlers directly.
    const std::pair<QAction*, void (TMainForm::*)()> commands[] = {
        {tbtnAddFile, &TMainForm::tbtnAddFileClick}, {tbtnAddDir, &TMainForm::tbtnAddDirClick},
        {tbtnUp, &TMainForm::tbtnUpClick},           {tbtnDown, &TMainForm::tbtnDownClick},
        {tbtnRemove, &TMainForm::tbtnRemoveClick},   {tbtnClear, &TMainForm::tbtnClearClick},
        {tbtnStart, &TMainForm::tbtnStartClick},     {tbtnStop, &TMainForm::tbtnStopClick},
        {tbtnSetting, &TMainForm::tbtnSettingClick}, {tbtnAbout, &TMainForm::tbtnAboutClick},
        {tbtnHelp, &TMainForm::tbtnHelpClick},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);

    const std::pair<QToolButton*, void (TMainForm::*)()> buttons[] = {
        {sbtnAddFile, &TMainForm::tbtnAddFileClick}, {sbtnAddDir, &TMainForm::tbtnAddDirClick},
        {sbtnOptions, &TMainForm::tbtnSettingClick}, {sbtnDelete, &TMainForm::tbtnRemoveClick},
        {sbtnClear, &TMainForm::tbtnClearClick},     {sbtnUp, &TMainForm::tbtnUpClick},
        {sbtnDown, &TMainForm::tbtnDownClick},       {SpeedButton1, &TMainForm::tbtnAboutClick},
        {SpeedButton2, &TMainForm::tbtnHelpClick},   {sbtnPlay, &TMainForm::sbtnPlayClick},
        {sbtnPause, &TMainForm::sbtnPauseClick},     {sbtnStop, &TMainForm::sbtnStopClick},
    };
    for (const auto& [button, handler] : buttons)
        connect(button, &QToolButton::clicked, this, handler);

    connect(bbtnSetting, &QPushButton::clicked, this, &TMainForm::bbtnSettingClick);
    connect(bbtnBrowser, &QPushButton::clicked, this, &TMainForm::bbtnBrowserClick);
    connect(bbtnOpen, &QPushButton::clicked, this, &TMainForm::bbtnOpenClick);
    connect(cmbProfile, qOverload<int>(&QComboBox::activated), this, &TMainForm::cmbProfileChange);
    connect(imgStart, &ImageButton::clicked, this, &TMainForm::imgStartClick);
    connect(imgStop, &ImageButton::clicked, this, &TMainForm::imgStopClick);
    connect(timerTime, &QTimer::timeout, this, &TMainForm::timerTimeTimer);

    connect(secOutput, &CollapsibleSection::toggleRequested, this, &TMainForm::btnOutputClick);
    connect(secVideo, &CollapsibleSection::toggleRequested, this, &TMainForm::btnVideoClick);
    connect(secAudio, &CollapsibleSection::toggleRequested, this, &TMainForm::btnAudioClick);
    connect(secAdvanced, &CollapsibleSection::toggleRequested, this, &TMainForm::btnAdvancedClick);

    connect(ltvTask, &QTreeWidget::itemDoubleClicked, this, &TMainForm::ltvTaskDblClick);
    connect(ltvTask, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ppmTask->popup(ltvTask->viewport()->mapToGlobal(at)); });
    ltvTask->installEventFilter(this);
    ltvTask->viewport()->installEventFilter(this);
    panBottomRight->installEventFilter(this);
    Image3->installEventFilter(this);

    connect(vleVideo, &ValueListGrid::valueChanged, this, &TMainForm::vleVideoStringsChange);
    for (ValueListGrid* grid : {vleVideo, vleAudio, vleAdvanced})
        connect(grid, &ValueListGrid::mousePressed, this, &TMainForm::parameterGridMouseDown);
    connect(vleOutput, &ValueListGrid::validate, this, &TMainForm::StoreTaskOptions);
    connect(vleOutput, &ValueListGrid::mousePressed, this, &TMainForm::vleOutputMouseDown);
    connect(vleOutput, &ValueListGrid::clicked, this, &TMainForm::vleOutputClick);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ltvTask) {
        if (event->type() == QEvent::KeyPress)
            ltvTaskKeyDown(static_cast<QKeyEvent*>(event)->key());   // not consumed
        else if (event->type() == QEvent::Resize)
            ltvTaskResize(static_cast<QResizeEvent*>(event)->size().width());
    } else if (watched == ltvTask->viewport() && event->type() == QEvent::MouseButtonRelease) {
        ltvTaskClick();
    } else if ((watched == panBottomRight || watched == Image3) && event->type() == QEvent::MouseMove) {
        imgStart->restoreNormal();
        imgStop->restoreNormal();
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    DropItems(paths);
}
