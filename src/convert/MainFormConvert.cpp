// The conversion run on the main window: the handlers stay short; the run
// itself is BatchRun.
#include "app/MainForm.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <optional>
#include <vector>

#include "app/TimeText.h"
#include "convert/BatchRun.h"
#include "convert/BatchRunState.h"
#include "convert/ProgressParser.h"
#include "platform/Platform.h"
#include "ui/ImageButton.h"

void TMainForm::tbtnStartClick()
{
    ltvTask->setFocus();
    // A stopped run may still be ending: a second run never starts on top of it.
    if (batch_->ConvertState != 0)
        return;
    if (!QFileInfo(edtOutputdir->text()).isDir()) {
        platform_.showMessage(this, QStringLiteral("Output path does not exist"),
                              QStringLiteral("The output path does not exist. Please specify another one."),
                              MessageIcon::Information, MessageButtons::Ok);
        edtOutputdir->setFocus();
        return;
    }
    if (ltvTask->topLevelItemCount() == 0)
        return;
    DisableForRun();
    BatchRun& run = BatchRun::Of(*this);
    const std::optional<CommandPieces> parameters = run.ParameterString();
    if (!parameters) {
        EnableAfterRun();
        return;
    }
    run.ConvertTasks(*parameters);   // calls EnableAfterRun when the run has ended
}

void TMainForm::tbtnStopClick()
{
    BatchRun::Of(*this).Stop();
}

void TMainForm::imgStartClick()
{
    if (ltvTask->topLevelItemCount() > 0)
        tbtnStartClick();
}

void TMainForm::imgStopClick()
{
    imgStop->hide();
    imgStart->show();
    tbtnStopClick();
}

void TMainForm::timerTimeTimer()
{
    BatchRunState& run = *batch_;
    ++run.ElapsedSeconds;
    labElapsed->setText(QString::fromStdString(FormatTimeText(static_cast<double>(run.ElapsedSeconds))));
    if (const auto remaining = RemainingSeconds(run.ElapsedSeconds, pgbTotal->value()))
        run.RemainingSeconds = *remaining;
    labRemaining->setText(QString::fromStdString(FormatTimeText(static_cast<double>(run.RemainingSeconds))));
}

namespace {

// What a run disables: the list's own buttons, and the commands whose keys
// would reach the list or the settings while the run walks them.
struct RunLockedControls {
    std::vector<QWidget*> Widgets;
    std::vector<QAction*> Commands;
};

RunLockedControls LockedControls(TMainForm& form)
{
    return {{form.sbtnAddFile, form.sbtnAddDir, form.sbtnUp, form.sbtnDown, form.sbtnDelete, form.sbtnClear,
             form.sbtnOptions, form.ltvTask},
            {form.tbtnAddFile, form.tbtnAddDir, form.tbtnUp, form.tbtnDown, form.tbtnRemove, form.tbtnClear,
             form.tbtnSetting}};
}

}  // namespace

void TMainForm::DisableForRun()
{
    sbtnStopClick();
    const RunLockedControls locked = LockedControls(*this);
    for (QWidget* widget : locked.Widgets)
        widget->setEnabled(false);
    batch_->CommandsBeforeRun.clear();
    for (QAction* command : locked.Commands) {
        batch_->CommandsBeforeRun.emplace_back(command, command->isEnabled());
        command->setEnabled(false);
    }
    imgStart->hide();
    imgStop->show();
}

void TMainForm::EnableAfterRun()
{
    const RunLockedControls locked = LockedControls(*this);
    for (QWidget* widget : locked.Widgets)
        widget->setEnabled(true);
    for (const auto& [command, enabled] : batch_->CommandsBeforeRun)
        command->setEnabled(enabled);
    batch_->CommandsBeforeRun.clear();
    imgStart->show();
    imgStop->hide();
}
