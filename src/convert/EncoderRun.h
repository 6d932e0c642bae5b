#pragma once
// One run of the encoder as a child process: its standard output and error
// merged into one channel and reported in chunks, standard input from the null
// device so it can never wait on a prompt. No shell is involved: the program
// gets exactly the argument vector given.
#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <string>
#include <vector>

// The outcome of a run that is waited for (the probe).
struct ProbeRunResult {
    bool Started = false;
    bool TimedOut = false;   // ended by us after the timeout
    bool Crashed = false;    // ended by a signal
    int ExitCode = -1;
    QString Error;           // why it did not start
    QByteArray Text;         // everything it printed, in order
};

class EncoderRun : public QObject {
    Q_OBJECT
public:
    // The largest chunk: one read of the merged channel.
    static constexpr qint64 MaxChunk = 4095;
    // How long a terminated encoder may take to end before it is killed.
    static constexpr int KillGraceMs = 2000;

    explicit EncoderRun(QObject* parent = nullptr);
    // Stops a running encoder and waits until it is gone.
    ~EncoderRun() override;

    // Starts program with args; reports started() or failedToStart().
    void start(const QString& program, const QStringList& args);
    // Asks the encoder to end (SIGTERM) and kills it when it lingers longer
    // than KillGraceMs; finished() follows. Does nothing when nothing runs.
    void stop();
    bool isRunning() const;
    // The running encoder's process id, 0 when none runs.
    qint64 processId() const { return process_.processId(); }

    // The program and its arguments, quoted for a POSIX shell, so the line
    // shown in a message can be pasted into a terminal as it is.
    QString printableCommandLine() const;

    // Runs program with args to its end and collects its text. Ends it after
    // timeoutMs (terminate, then kill) and reports TimedOut; -1 waits for ever.
    static ProbeRunResult runToEnd(const QString& program, const QStringList& args, int timeoutMs);

    static QStringList toArguments(const std::vector<std::string>& args);
    static QString shellQuoted(const QString& word);

signals:
    void started();
    void chunk(const QByteArray& bytes);
    void finished(int exitCode, bool crashed);
    void failedToStart(const QString& reason);

private:
    void readChunks();
    void onFinished(int exitCode, QProcess::ExitStatus status);
    void onError(QProcess::ProcessError error);

    QProcess process_;
    QTimer killTimer_;
    QString program_;
    QStringList args_;
};
