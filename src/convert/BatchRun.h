#pragma once
// The batch run of the main window: every task of the list converted in turn,
// one encoder run at a time, driven by the encoder's signals and queued steps
// so that the window stays responsive at every moment (no nested event loop).
#include <QObject>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <string>

#include "convert/BatchOutcome.h"
#include "convert/CommandLine.h"
#include "convert/EncoderText.h"

class EncoderRun;
class QHelpEvent;
class TMainForm;
struct BatchRunState;

class BatchRun : public QObject {
    Q_OBJECT

public:
    explicit BatchRun(TMainForm& form);
    ~BatchRun() override;

    // The run of a main window, made on first use.
    static BatchRun& Of(TMainForm& form);

    // The profile's part of every task's command line: the profile shown in
    // cmbProfile with the values its grids show now. Empty when the profile
    // file does not exist; nothing (after a message) when it can't be used.
    std::optional<CommandPieces> ParameterString();
    // Prepares the run and converts the tasks from the first row to the last;
    // returns at once. When the run has ended the controls are enabled again
    // (EnableAfterRun) and ended() is emitted.
    void ConvertTasks(const CommandPieces& parameters);
    // Stop: only while converting; the running encoder is asked to end.
    void Stop();
    // The window is closing: a running encoder is ended before the window
    // goes (its task becomes "Stop"); no message, no completion action.
    void StopRunForClose();

    // Why the task of a row failed ("" when its status is not "Failed");
    // kept by input path, so it moves with its task when rows are reordered.
    QString FailureReason(int row) const;
    // The running encoder's process id, 0 when none runs.
    qint64 encoderProcessId() const;

signals:
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    BatchRunState& state() const;
    EncoderRun& encoder();
    // Runs step on a later turn of the event loop, unless the run ended meanwhile.
    void queueStep(void (BatchRun::*step)());

    void startTask();
    void onChunk(const QByteArray& bytes);
    void feedProgress(const std::vector<std::string>& lines);
    void onFinished(int exitCode, bool crashed);
    void onFailedToStart(const QString& reason);
    void nextTask();
    void handleStop();
    void endAfterStartFailure();
    void finishBatch();
    void endRun(bool showSettingsStrip);

    void showProgress();
    void showRunStrip(bool running);
    void setStatus(int row, const std::string& status);
    void message(const QString& caption, const QString& text, bool warning);
    bool showStatusToolTip(QHelpEvent* event);

    TMainForm& form_;
    std::unique_ptr<EncoderRun> encoder_;
    CommandPieces parameters_;
    int row_ = 0;
    int rowCount_ = 0;
    int failed_ = 0;
    bool encoderActive_ = false;   // started and its end not yet handled
    bool finishing_ = false;       // completion actions under way
    unsigned runId_ = 0;
    QString startError_;
    LineAssembler lines_;
    TextTail tail_;
    std::map<std::string, QString> failureReasons_;
};
