#pragma once
// A temporary program folder with its own preferences, profiles and encoder,
// and the program's windows created in it with a fake platform.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "app/AppWindows.h"
#include "support/FakePlatform.h"

class TMainForm;

enum class Encoder { None, Real, Fake };

class TestProgram {
public:
    TestProgram();
    ~TestProgram();

    // The folder, ending with '/'.
    QString folder() const;
    QString path(const QString& name) const { return folder() + name; }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // Copies the shipped profiles into Profiles/.
    void copyShippedProfiles() const;
    // Puts "durodu.dll" in place: a link to the real ffmpeg or to the fake encoder.
    void installEncoder(Encoder encoder) const;

    // Creates the windows (main window first) with these command-line inputs.
    TMainForm& start(const QStringList& arguments = {});
    // Shows the main window (runs its show hook) and processes events.
    void show();
    // Closes the main window as the user would (runs its close hook).
    void close();

    TMainForm& main() const;
    AppWindows& windows() { return windows_; }

    FakePlatform Desktop;

private:
    QTemporaryDir dir_;
    AppWindows windows_;
};

// Generates a small clip with the real encoder; returns false when it failed.
bool MakeClip(const QString& path, double seconds = 1.0, const QString& size = QStringLiteral("160x120"),
              bool withAudio = true);
