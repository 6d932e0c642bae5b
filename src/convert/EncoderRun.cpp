#include "convert/EncoderRun.h"

namespace {

void PrepareProcess(QProcess& process)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
}

// Terminate, give it the grace period, then kill; waits until it is reaped.
void EndAndReap(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(EncoderRun::KillGraceMs)) {
        process.kill();
        process.waitForFinished(-1);
    }
}

}  // namespace

EncoderRun::EncoderRun(QObject* parent)
    : QObject(parent)
{
    PrepareProcess(process_);
    killTimer_.setSingleShot(true);
    killTimer_.setInterval(KillGraceMs);
    connect(&killTimer_, &QTimer::timeout, &process_, &QProcess::kill);
    connect(&process_, &QProcess::started, this, &EncoderRun::started);
    connect(&process_, &QProcess::readyRead, this, &EncoderRun::readChunks);
    connect(&process_, &QProcess::finished, this, &EncoderRun::onFinished);
    connect(&process_, &QProcess::errorOccurred, this, &EncoderRun::onError);
}

EncoderRun::~EncoderRun()
{
    // No signals into a half-destroyed owner while the encoder is ended.
    process_.disconnect(this);
    killTimer_.stop();
    EndAndReap(process_);
}

void EncoderRun::start(const QString& program, const QStringList& args)
{
    if (isRunning()) {
        emit failedToStart(QStringLiteral("An encoder is already running."));
        return;
    }
    program_ = program;
    args_ = args;
    process_.start(program, args, QIODevice::ReadOnly);
}

void EncoderRun::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!killTimer_.isActive())
        killTimer_.start();
}

bool EncoderRun::isRunning() const
{
    return process_.state() != QProcess::NotRunning;
}

void EncoderRun::readChunks()
{
    while (process_.bytesAvailable() > 0) {
        const QByteArray bytes = process_.read(MaxChunk);
        if (bytes.isEmpty())
            break;
        emit chunk(bytes);
    }
}

void EncoderRun::onFinished(int exitCode, QProcess::ExitStatus status)
{
    killTimer_.stop();
    // Text still buffered when the process ended comes before the end.
    readChunks();
    emit finished(exitCode, status == QProcess::CrashExit);
}

void EncoderRun::onError(QProcess::ProcessError error)
{
    if (error == QProcess::FailedToStart)
        emit failedToStart(process_.errorString());
}

QString EncoderRun::shellQuoted(const QString& word)
{
    static const QString plain = QStringLiteral(
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_./:=,+%@");
    bool needsQuotes = word.isEmpty();
    for (const QChar c : word)
        needsQuotes = needsQuotes || !plain.contains(c);
    if (!needsQuotes)
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString EncoderRun::printableCommandLine() const
{
    QStringList words{shellQuoted(program_)};
    for (const QString& arg : args_)
        words << shellQuoted(arg);
    return words.join(QLatin1Char(' '));
}

QStringList EncoderRun::toArguments(const std::vector<std::string>& args)
{
    QStringList result;
    result.reserve(static_cast<qsizetype>(args.size()));
    for (const std::string& arg : args)
        result << QString::fromStdString(arg);
    return result;
}

ProbeRunResult EncoderRun::runToEnd(const QString& program, const QStringList& args, int timeoutMs)
{
    ProbeRunResult result;
    QProcess process;
    PrepareProcess(process);
    process.start(program, args, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.Error = process.errorString();
        return result;
    }
    result.Started = true;
    // waitForFinished also answers false for a process that has just ended.
    if (!process.waitForFinished(timeoutMs) && process.state() != QProcess::NotRunning) {
        result.TimedOut = true;
        EndAndReap(process);
    }
    result.Text = process.readAll();
    result.Crashed = process.exitStatus() == QProcess::CrashExit;
    result.ExitCode = process.exitCode();
    return result;
}
