#pragma once
// A profile selector (cmbProfile) lists display names and keeps, beside each,
// the file name the profile was found with, so "x.APF" is opened as "x.APF".
// Loading the selected profile tells the user about a faulty file.
#include <QString>
#include <string>
#include <vector>

#include "profiles/ProfileGrids.h"
#include "profiles/ProfileModel.h"

class Platform;
class QComboBox;
class QWidget;

// Appends the entries in order; selects none.
void FillProfileCombo(QComboBox* combo, const std::vector<ProfileEntry>& entries);
// Copies the entries of one selector into another, so that positions correspond.
void CopyProfileEntries(const QComboBox* from, QComboBox* to);
// The profile file of the entry the selector shows; empty when none is selected.
std::string SelectedProfileFile(const QString& programFolder, const QComboBox* combo);

// Loads the selected profile into the grids when its file exists. A profile
// that can't be read leaves the grids alone; a faulty one loads up to the
// fault. Either is told to the user in one message owned by `owner`.
ProfileLoadResult LoadSelectedProfile(Platform& platform, QWidget* owner, const QString& programFolder,
                                      const QComboBox* combo, const ParameterGrids& grids, bool readType);

// One message about a profile file, owned by the window concerned.
void ReportProfileProblem(Platform& platform, QWidget* owner, const QString& text);
