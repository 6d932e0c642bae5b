#include "support/TestProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include "app/MainForm.h"

TestProgram::TestProgram()
{
    dir_.setAutoRemove(true);
}

TestProgram::~TestProgram()
{
    windows_ = AppWindows();
    QCoreApplication::processEvents();
}

QString TestProgram::folder() const
{
    return dir_.path() + QLatin1Char('/');
}

void TestProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

QByteArray TestProgram::readFile(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestProgram::copyShippedProfiles() const
{
    const QDir shipped(QStringLiteral(LUMORA_DATA_DIR "/Profiles"));
    QDir().mkpath(path(QStringLiteral("Profiles")));
    for (const QString& name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), path(QStringLiteral("Profiles/") + name));
}

void TestProgram::installEncoder(Encoder encoder) const
{
    const QString link = path(QStringLiteral("durodu.dll"));
    QFile::remove(link);
    if (encoder == Encoder::Real)
        QFile::link(QStringLiteral(LUMORA_FFMPEG), link);
    else if (encoder == Encoder::Fake)
        QFile::link(QStringLiteral(LUMORA_FAKE_ENCODER), link);
}

TMainForm& TestProgram::start(const QStringList& arguments)
{
    windows_ = CreateAppWindows(Desktop, folder(), arguments);
    return *windows_.MainForm;
}

void TestProgram::show()
{
    windows_.MainForm->show();
    QCoreApplication::processEvents();
}

void TestProgram::close()
{
    windows_.MainForm->close();
    QCoreApplication::processEvents();
}

TMainForm& TestProgram::main() const
{
    return *windows_.MainForm;
}

bool MakeClip(const QString& path, double seconds, const QString& size, bool withAudio)
{
    QStringList args{QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                     QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                     QStringLiteral("testsrc=size=%1:rate=10:duration=%2").arg(size).arg(seconds)};
    if (withAudio)
        args << QStringLiteral("-f") << QStringLiteral("lavfi") << QStringLiteral("-i")
             << QStringLiteral("sine=frequency=440:duration=%1").arg(seconds);
    args << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p") << QStringLiteral("-shortest") << path;
    QProcess encoder;
    encoder.start(QStringLiteral(LUMORA_FFMPEG), args);
    return encoder.waitForFinished(60000) && encoder.exitStatus() == QProcess::NormalExit
           && encoder.exitCode() == 0;
}
