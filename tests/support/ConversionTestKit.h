#pragma once
// Helpers for the conversion tests: waiting for a batch run, scripting the
// fake encoder, choosing a profile and reading the task statuses.
#include <QString>
#include <QStringList>
#include <functional>

class TestProgram;
class TMainForm;

// Waits until the main window's batch run has ended.
bool WaitForRunEnd(TMainForm& main);
// The script the fake encoder (installed as "durodu.dll") runs every time,
// for probes and conversions alike.
void WriteEncoderScript(const TestProgram& program, const QStringList& lines);
// The script lines of an encoder banner (two lines) and progress lines with
// the given "time=" texts, pausing pauseMs after each.
QStringList ProgressScript(const QStringList& times, int pauseMs = 0);
// Picks the profile of that display name as the user would; false when it
// is not listed.
bool ChooseProfile(TMainForm& main, const QString& name);
// The Status of every row, in row order.
QStringList Statuses(const TMainForm& main);
