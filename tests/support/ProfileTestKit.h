#pragma once
// Small helpers for the profile, grid and settings tests.
#include <QByteArray>
#include <QString>
#include <QStringList>

class TestProgram;
class TMainForm;
class ValueListGrid;
class QComboBox;

// The text with every "\n" turned into CR LF, as profiles and preferences are kept.
QByteArray Crlf(const char* text);
// Writes Profiles/<name> in the program folder.
void WriteProfile(const TestProgram& program, const QString& name, const char* text);
// The rows of a grid as "key=value".
QStringList GridRows(const ValueListGrid* grid);
// Picks the entry at `position` in a profile selector as the user would.
void PickProfile(QComboBox* selector, int position);
// The lines of a CR LF text file.
QStringList FileLines(const QByteArray& bytes);

// A profile with one parameter of each kind: a choice, a read-only choice,
// a fixed and a free parameter, and type "mkv".
extern const char* const SmallProfile;
