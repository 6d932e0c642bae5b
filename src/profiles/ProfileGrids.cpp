#include "profiles/ProfileGrids.h"

#include <QStringList>

#include "profiles/ProfileModel.h"
#include "profiles/ProfileSaving.h"
#include "ui/ValueListGrid.h"

namespace {

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

QStringList qtList(const std::vector<std::string>& texts)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list << qt(text);
    return list;
}

std::string IndexDefect(const ProfileParameter& parameter, std::size_t choices)
{
    return "The parameter \"" + parameter.Name + "\" shows choice number " + std::to_string(parameter.Index) +
           " (counted from 0), but it has " + std::to_string(choices) + " choices.";
}

} // namespace

ValueListGrid* ParameterGrids::forGroup(int group) const
{
    switch (group) {
    case GroupVideo: return Video;
    case GroupAudio: return Audio;
    case GroupAdvanced: return Advanced;
    default: return nullptr;
    }
}

std::string ParameterGrids::shownValue(int group, const std::string& name) const
{
    const ValueListGrid* grid = forGroup(group);
    return grid ? grid->valueOf(qt(name)).toStdString() : std::string();
}

ProfileLoadResult LoadProfileIntoGrids(const ParameterGrids& grids, const std::string& profileFile, bool readType)
{
    ProfileLoadResult result;
    if (!ProfileFileExists(profileFile))
        return result;
    // Read first, so that an unreadable file leaves the grids as they were.
    const Profile profile = ReadProfile(profileFile);
    result.Loaded = true;

    ValueListGrid* const all[] = {grids.Video, grids.Audio, grids.Advanced};
    for (ValueListGrid* grid : all)
        grid->clearRows();
    if (readType)
        result.Type = profile.Type;

    for (const ProfileParameter& parameter : profile.Parameters) {
        ValueListGrid* grid = grids.forGroup(parameter.Sort);
        const std::vector<std::string> choices = parameter.List ? parameter.Choices() : std::vector<std::string>();
        // A choice that is not there stops the load; the rows before it stay.
        if (parameter.List && (parameter.Index < 0 || static_cast<std::size_t>(parameter.Index) >= choices.size())) {
            result.Defect = IndexDefect(parameter, choices.size());
            break;
        }
        const int row = grid->appendRow(qt(parameter.Name));
        grid->setRowReadOnly(row, parameter.ReadOnly);
        if (parameter.List) {
            grid->setPickList(row, qtList(choices));
            grid->setValue(row, qt(choices[static_cast<std::size_t>(parameter.Index)]));
            // Typing is never allowed in a list; picking still is.
            grid->setRowReadOnly(row, true);
        } else {
            grid->setValue(row, qt(parameter.Caption));
        }
    }

    for (ValueListGrid* grid : all)
        grid->fitHeightToRows();
    return result;
}
