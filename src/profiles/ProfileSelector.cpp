#include "profiles/ProfileSelector.h"

#include <QComboBox>

#include "platform/Platform.h"
#include "settings/IniFile.h"

void FillProfileCombo(QComboBox* combo, const std::vector<ProfileEntry>& entries)
{
    for (const ProfileEntry& entry : entries)
        combo->addItem(QString::fromStdString(entry.DisplayName), QString::fromStdString(entry.FileName));
    combo->setCurrentIndex(-1);
}

void CopyProfileEntries(const QComboBox* from, QComboBox* to)
{
    for (int i = 0; i < from->count(); ++i)
        to->addItem(from->itemText(i), from->itemData(i));
    to->setCurrentIndex(-1);
}

std::string SelectedProfileFile(const QString& programFolder, const QComboBox* combo)
{
    const int index = combo->currentIndex();
    if (index < 0)
        return {};
    const std::string name = combo->itemText(index).toStdString();
    std::vector<ProfileEntry> entries;
    if (const QString found = combo->itemData(index).toString(); !found.isEmpty())
        entries.push_back({name, found.toStdString()});
    return ProfileFileOf(programFolder.toStdString(), entries, name);
}

ProfileLoadResult LoadSelectedProfile(Platform& platform, QWidget* owner, const QString& programFolder,
                                      const QComboBox* combo, const ParameterGrids& grids, bool readType)
{
    const std::string file = SelectedProfileFile(programFolder, combo);
    if (file.empty())
        return {};
    const QString shownFile = QString::fromStdString(file);
    try {
        ProfileLoadResult result = LoadProfileIntoGrids(grids, file, readType);
        if (!result.Defect.empty())
            ReportProfileProblem(platform, owner,
                                 QStringLiteral("The profile \"%1\" is faulty and was loaded only up to the "
                                                "faulty parameter.\n\n%2")
                                     .arg(shownFile, QString::fromStdString(result.Defect)));
        return result;
    } catch (const IniFileError& error) {
        ReportProfileProblem(platform, owner,
                             QStringLiteral("The profile \"%1\" can't be read.\n\n%2")
                                 .arg(shownFile, QString::fromUtf8(error.what())));
    }
    return {};
}

void ReportProfileProblem(Platform& platform, QWidget* owner, const QString& text)
{
    platform.showMessage(owner, QStringLiteral("Profile"), text, MessageIcon::Warning, MessageButtons::Ok);
}
