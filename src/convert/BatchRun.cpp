#include "convert/BatchRun.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QComboBox>

#include "app/MainForm.h"
#include "app/PathText.h"
#include "convert/BatchRunState.h"
#include "convert/EncoderRun.h"
#include "platform/Platform.h"
#include "profiles/ProfileGrids.h"
#include "profiles/ProfileModel.h"
#include "profiles/ProfileSelector.h"
#include "profiles/SettingForm.h"
#include "settings/IniFile.h"
#include "tasks/TaskRecord.h"
#include "ui/ValueListGrid.h"

namespace {

// The task list's column that shows the status.
constexpr int StatusColumn = PartStatus + 1;

// A bar's label shows the position the bar holds; the label grows with its
// text, so "100%" is not cut off.
void showPercent(QLabel* label, int position)
{
    label->setText(QString::number(position) + QLatin1Char('%'));
    label->adjustSize();
}

QString FromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// The settings dialog's choices that the run reads when it needs them; the
// defaults of the preferences when there is no dialog.
struct RunChoices {
    bool Rename = false;
    bool TurnOff = false;
    bool Exit = false;
    bool OpenDir = true;
};

RunChoices ReadChoices(const TMainForm& form)
{
    RunChoices choices;
    if (const TSettingForm* settings = form.settingForm()) {
        choices.Rename = settings->rdbRename->isChecked();
        choices.TurnOff = settings->chkTurnoff->isChecked();
        choices.Exit = settings->chkExit->isChecked();
        choices.OpenDir = settings->chkOpenDir->isChecked();
    }
    return choices;
}

}  // namespace

BatchRunState::BatchRunState() = default;
BatchRunState::~BatchRunState() = default;

BatchRunState& BatchRunState::Of(TMainForm& form)
{
    return *form.batch_;
}

BatchRun::BatchRun(TMainForm& form)
    : form_(form)
{
    form_.installEventFilter(this);
    form_.ltvTask->viewport()->installEventFilter(this);
}

BatchRun::~BatchRun() = default;

BatchRun& BatchRun::Of(TMainForm& form)
{
    BatchRunState& state = BatchRunState::Of(form);
    if (!state.Run)
        state.Run = std::make_unique<BatchRun>(form);
    return *state.Run;
}

BatchRunState& BatchRun::state() const
{
    return BatchRunState::Of(form_);
}

EncoderRun& BatchRun::encoder()
{
    if (!encoder_) {
        encoder_ = std::make_unique<EncoderRun>();
        connect(encoder_.get(), &EncoderRun::chunk, this, &BatchRun::onChunk);
        connect(encoder_.get(), &EncoderRun::finished, this, &BatchRun::onFinished);
        connect(encoder_.get(), &EncoderRun::failedToStart, this, &BatchRun::onFailedToStart);
    }
    return *encoder_;
}

qint64 BatchRun::encoderProcessId() const
{
    return encoder_ ? encoder_->processId() : 0;
}

void BatchRun::queueStep(void (BatchRun::*step)())
{
    const unsigned run = runId_;
    QTimer::singleShot(0, this, [this, run, step] {
        if (run == runId_)
            (this->*step)();
    });
}

std::optional<CommandPieces> BatchRun::ParameterString()
{
    // The file the selector listed, without listing the folder again.
    const std::string file = SelectedProfileFile(form_.programFolder(), form_.cmbProfile);
    if (!QFileInfo(FromStd(file)).isFile())
        return CommandPieces{};
    const ParameterGrids grids{form_.vleVideo, form_.vleAudio, form_.vleAdvanced};
    try {
        return ParameterArgs(ReadProfile(file), [&grids](int group, const std::string& parameter) {
            return grids.shownValue(group, parameter);
        });
    } catch (const std::runtime_error& error) {   // ProfileDefect or IniFileError
        ReportProfileProblem(form_.platform(), &form_,
                             QStringLiteral("The profile \"%1\" can't be used:\n%2\n\nNo task was converted.")
                                 .arg(form_.cmbProfile->currentText(), QString::fromStdString(error.what())));
        return std::nullopt;
    }
}

void BatchRun::ConvertTasks(const CommandPieces& parameters)
{
    BatchRunState& run = state();
    parameters_ = parameters;
    failed_ = 0;
    finishing_ = false;
    ++runId_;

    for (QLabel* label : {form_.labConvertingFile, form_.labElapsed, form_.labRemaining})
        label->clear();
    form_.pgbCurrent->setValue(0);
    form_.pgbTotal->setValue(0);
    showPercent(form_.labCurProgress, 0);
    showPercent(form_.labTotalProgress, 0);
    showRunStrip(true);

    run.ConvertState = 1;
    run.ElapsedSeconds = 0;
    run.RemainingSeconds = 0;
    form_.timerTime->start();

    rowCount_ = form_.ltvTask->topLevelItemCount();
    double total = 0;
    for (int row = 0; row < rowCount_; ++row) {
        ltvItemData task;
        form_.GetItemData(row, PartWhole, task);
        total += task.DurationSec;
    }
    run.Progress.StartRun(total);
    row_ = 0;
    queueStep(rowCount_ > 0 ? &BatchRun::startTask : &BatchRun::finishBatch);
}

void BatchRun::startTask()
{
    BatchRunState& run = state();
    if (run.ConvertState == 2) {   // stopped between two tasks: nothing runs
        handleStop();
        return;
    }
    // Read at its start, so options stored while the run goes on take effect.
    ltvItemData task;
    form_.GetItemData(row_, PartWhole, task);
    setStatus(row_, "Converting");
    failureReasons_.erase(task.InputFile);
    form_.labConvertingFile->setText(FromStd(ExtractFileName(task.InputFile)));

    const std::string output = OutputPathFor(task, form_.edtOutputdir->text().toStdString(),
                                             form_.outputExtension().toStdString(),
                                             ReadChoices(form_).Rename, row_ + 1);
    const CommandPieces args = ConversionArgs(task.InputFile, parameters_, TaskOptionArgs(task), output);
    run.Progress.StartTask(task.DurationSec);
    lines_.Clear();
    tail_.Clear();
    encoderActive_ = true;
    encoder().start(form_.encoderPath(), EncoderRun::toArguments(args.Args));
}

void BatchRun::onChunk(const QByteArray& bytes)
{
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    tail_.Append(text);
    // Whole lines, so a progress line split over several reads still counts.
    feedProgress(lines_.Feed(text));
}

void BatchRun::feedProgress(const std::vector<std::string>& lines)
{
    bool examined = false;
    for (const std::string& line : lines)
        examined = state().Progress.FeedChunk(line) || examined;
    if (examined)
        showProgress();
}

void BatchRun::onFinished(int exitCode, bool crashed)
{
    if (!encoderActive_)
        return;
    encoderActive_ = false;
    if (std::string rest = lines_.Flush(); !rest.empty())
        feedProgress({rest});
    BatchRunState& run = state();
    if (run.ConvertState == 2) {
        // Ended by our Stop: neither complete nor failed.
        setStatus(row_, "Stop");
        queueStep(&BatchRun::handleStop);
        return;
    }
    if (crashed || exitCode != 0) {
        ltvItemData task;
        form_.GetItemData(row_, PartInputFile, task);
        failureReasons_[task.InputFile] = FromStd(EncoderFailureText(exitCode, crashed, tail_.Text()));
        ++failed_;
        setStatus(row_, "Failed");
    } else {
        setStatus(row_, "Complete");
    }
    run.Progress.CompleteTask();
    if (row_ + 1 < rowCount_) {
        run.Progress.ResetCurrentBar();
        form_.pgbCurrent->setValue(0);
        showPercent(form_.labCurProgress, 0);
    }
    queueStep(&BatchRun::nextTask);
}

void BatchRun::onFailedToStart(const QString& reason)
{
    if (!encoderActive_)
        return;
    encoderActive_ = false;
    ltvItemData task;
    form_.GetItemData(row_, PartInputFile, task);
    failureReasons_[task.InputFile] =
        QStringLiteral("The encoder could not be started:\n%1\n%2").arg(form_.encoderPath(), reason);
    setStatus(row_, "Failed");
    queueStep(&BatchRun::endAfterStartFailure);
}

void BatchRun::nextTask()
{
    ++row_;
    if (row_ < rowCount_)
        startTask();
    else
        finishBatch();
}

void BatchRun::handleStop()
{
    form_.timerTime->stop();
    message(QStringLiteral("Cancel"), QStringLiteral("The Coversion is canceled."), false);
    endRun(true);
}

void BatchRun::endAfterStartFailure()
{
    // QProcess can't tell a pipe that could not be made from a program that
    // could not be run, so both report as the process.
    message(form_.windowTitle(), QStringLiteral("Error on CreateProcess()"), false);
    form_.timerTime->stop();
    endRun(true);
}

void BatchRun::finishBatch()
{
    if (state().ConvertState == 2) {   // stopped after the last task had ended
        handleStop();
        return;
    }
    form_.timerTime->stop();
    const RunChoices choices = ReadChoices(form_);
    const BatchEndAction action = ChooseBatchEndAction(choices.TurnOff, choices.Exit);
    finishing_ = true;
    switch (action) {
    case BatchEndAction::TurnOff:
        form_.platform().powerOff();
        form_.close();
        break;
    case BatchEndAction::Exit:
        form_.close();
        break;
    case BatchEndAction::Report:
        message(QStringLiteral("Complete"), FromStd(BatchEndText(failed_, rowCount_)), failed_ > 0);
        if (choices.OpenDir)
            form_.platform().openWithDesktop(&form_, form_.edtOutputdir->text());
        break;
    }
    finishing_ = false;
    // A closing window keeps its progress strip until it is gone.
    endRun(action == BatchEndAction::Report);
}

void BatchRun::endRun(bool showSettingsStrip)
{
    if (showSettingsStrip)
        showRunStrip(false);
    state().ConvertState = 0;
    form_.EnableAfterRun();
    emit ended();
}

void BatchRun::Stop()
{
    BatchRunState& run = state();
    if (run.ConvertState != 1)
        return;
    run.ConvertState = 2;
    if (encoder_)
        encoder_->stop();
}

void BatchRun::StopRunForClose()
{
    BatchRunState& run = state();
    if (run.ConvertState == 0 || finishing_)
        return;
    ++runId_;   // drops any step still queued
    if (encoderActive_) {
        encoderActive_ = false;
        encoder_.reset();   // ends the encoder and waits until it is gone
        setStatus(row_, "Stop");
    }
    form_.timerTime->stop();
    endRun(true);
}

QString BatchRun::FailureReason(int row) const
{
    ltvItemData task;
    form_.GetItemData(row, PartStatus, task);
    if (task.Status != "Failed")
        return {};
    form_.GetItemData(row, PartInputFile, task);
    const auto found = failureReasons_.find(task.InputFile);
    return found == failureReasons_.end() ? QString() : found->second;
}

void BatchRun::showProgress()
{
    const ProgressState& progress = state().Progress;
    form_.pgbCurrent->setValue(progress.CurrentBar());
    form_.pgbTotal->setValue(progress.TotalBar());
    showPercent(form_.labCurProgress, form_.pgbCurrent->value());
    showPercent(form_.labTotalProgress, form_.pgbTotal->value());
}

void BatchRun::showRunStrip(bool running)
{
    form_.panBottomCenter->setVisible(!running);
    form_.panBottomLeft->setVisible(running);
}

void BatchRun::setStatus(int row, const std::string& status)
{
    ltvItemData task;
    task.Status = status;
    form_.SetItemData(row, PartStatus, task);
}

void BatchRun::message(const QString& caption, const QString& text, bool warning)
{
    form_.platform().showMessage(&form_, caption, text,
                                 warning ? MessageIcon::Warning : MessageIcon::Information,
                                 MessageButtons::Ok);
}

bool BatchRun::showStatusToolTip(QHelpEvent* event)
{
    QTreeWidget& list = *form_.ltvTask;
    QTreeWidgetItem* item = list.itemAt(event->pos());
    if (!item || list.columnAt(event->pos().x()) != StatusColumn)
        return false;
    const QString reason = FailureReason(list.indexOfTopLevelItem(item));
    if (reason.isEmpty())
        return false;
    QToolTip::showText(event->globalPos(), reason, list.viewport());
    return true;
}

bool BatchRun::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &form_ && event->type() == QEvent::Close)
        StopRunForClose();
    else if (watched == form_.ltvTask->viewport() && event->type() == QEvent::ToolTip)
        return showStatusToolTip(static_cast<QHelpEvent*>(event));
    return QObject::eventFilter(watched, event);
}
