#include "profiles/ProfileCheck.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "app/PathText.h"
#include "profiles/ProfileModel.h"
#include "settings/IniFile.h"

namespace {

const std::vector<std::string> ParameterKeys = {"Sort", "ReadOnly", "cmd", "List", "Caption", "Value", "Index"};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// One section as the raw lines show it: its header and the lines below it up
// to the next "[" (where the reader ends the section too).
struct RawSection {
    std::string Name;
    std::size_t HeaderLine = 0;
    std::vector<std::string> Body;
};

// The text before the first "=", or the whole line when there is none.
std::string KeyOf(const std::string& line)
{
    return line.substr(0, line.find('='));
}

bool IsNumber(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool IsProperHeader(const std::string& line)
{
    return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
           line.find_first_of("[]", 1) == line.size() - 1;
}

std::vector<RawSection> SplitSections(const std::vector<std::string>& lines, std::vector<std::string>& violations)
{
    std::vector<RawSection> sections;
    bool inSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.find('[') == std::string::npos) {
            if (inSection)
                sections.back().Body.push_back(line);
            continue;
        }
        inSection = IsProperHeader(line);
        if (inSection) {
            sections.push_back({line.substr(1, line.size() - 2), i, {}});
        } else {
            violations.push_back("line " + std::to_string(i + 1) + " holds \"[\" outside a section header, " +
                                 "which ends the section there: " + Quoted(line));
        }
    }
    return sections;
}

const RawSection* FindRawSection(const std::vector<RawSection>& sections, const std::string& name)
{
    for (const RawSection& section : sections) {
        if (EqualsNoCase(section.Name, name))
            return &section;
    }
    return nullptr;
}

void CheckDuplicateSections(const std::vector<RawSection>& sections, std::vector<std::string>& violations)
{
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (FindRawSection(sections, sections[i].Name) != &sections[i]) {
            violations.push_back("section " + Quoted(sections[i].Name) + " appears again at line " +
                                 std::to_string(sections[i].HeaderLine + 1) + "; only the first one is read");
        }
    }
}

void CheckDuplicateKeys(const RawSection& section, std::vector<std::string>& violations)
{
    std::vector<std::string> seen;
    for (const std::string& line : section.Body) {
        if (line.find('=') == std::string::npos)
            continue;
        const std::string key = KeyOf(line);
        const bool again = std::any_of(seen.begin(), seen.end(),
                                       [&](const std::string& other) { return EqualsNoCase(other, key); });
        if (again) {
            violations.push_back("section " + Quoted(section.Name) + ": key " + Quoted(key) +
                                 " appears twice; only the first entry is read");
        } else {
            seen.push_back(key);
        }
    }
}

// The reader takes the first line that contains key + "=" anywhere, so a
// longer key ("11" for "1") or a value holding that text may stand in for it.
void CheckShadowedKeys(const RawSection& section, const std::vector<std::string>& keys,
                       std::vector<std::string>& violations)
{
    for (const std::string& key : keys) {
        const auto found = std::find_if(section.Body.begin(), section.Body.end(), [&](const std::string& line) {
            return FindNoCase(line, key + "=") != std::string::npos;
        });
        if (found != section.Body.end() && !EqualsNoCase(KeyOf(*found), key)) {
            violations.push_back("section " + Quoted(section.Name) + ": a read of key " + Quoted(key) +
                                 " finds the line " + Quoted(*found) + " instead of its own entry");
        }
    }
}

// Numeric order of digit texts of any length.
bool NumberLess(const std::string& a, const std::string& b)
{
    const std::string x = a.substr(std::min(a.find_first_not_of('0'), a.size()));
    const std::string y = b.substr(std::min(b.find_first_not_of('0'), b.size()));
    return x.size() != y.size() ? x.size() < y.size() : x < y;
}

void CheckNumberedKeyOrder(const RawSection& main, std::vector<std::string>& violations)
{
    std::string previous;
    for (const std::string& line : main.Body) {
        const std::string key = KeyOf(line);
        if (line.find('=') == std::string::npos || !IsNumber(key))
            continue;
        if (!previous.empty() && !NumberLess(previous, key)) {
            violations.push_back("section \"Main\": the numbered keys are not in ascending order (" +
                                 Quoted(previous) + " stands before " + Quoted(key) + ")");
        }
        previous = key;
    }
}

void CheckName(const std::string& name, int position, const std::vector<std::string>& earlierNames,
               const std::vector<RawSection>& sections, std::vector<std::string>& violations)
{
    const std::string where = "parameter " + std::to_string(position);
    if (name.empty()) {
        violations.push_back(where + " has no name");
        return;
    }
    if (name.find_first_of("=[]") != std::string::npos)
        violations.push_back(where + " " + Quoted(name) + ": a name must not contain \"=\", \"[\" or \"]\"");
    const bool repeated = std::any_of(earlierNames.begin(), earlierNames.end(),
                                      [&](const std::string& other) { return EqualsNoCase(other, name); });
    if (repeated)
        violations.push_back(where + " " + Quoted(name) + ": the name is used twice (letter case ignored)");
    if (!FindRawSection(sections, name))
        violations.push_back(where + " " + Quoted(name) + " has no section of its own");
}

void CheckChoices(const ProfileParameter& parameter, std::vector<std::string>& violations)
{
    if (parameter.Kind() != ParameterKind::Choice)
        return;
    const std::size_t choices = parameter.Choices().size();
    const std::size_t values = parameter.EncoderValues().size();
    const std::string where = "parameter " + Quoted(parameter.Name);
    if (parameter.Index < 0 || static_cast<std::size_t>(parameter.Index) >= choices) {
        violations.push_back(where + ": Index " + std::to_string(parameter.Index) + " is outside its " +
                             std::to_string(choices) + " choices");
    }
    if (values < choices) {
        violations.push_back(where + ": " + std::to_string(choices) + " choices but only " + std::to_string(values) +
                             " encoder values");
    }
}

// The grids open the size dialog on "Custom Size" and fall back to "Original Size".
void CheckVideoSize(const ProfileParameter& parameter, int group, std::vector<std::string>& violations)
{
    if (!EqualsNoCase(parameter.Name, "Video Size"))
        return;
    if (group != GroupVideo)
        violations.push_back("parameter \"Video Size\" is not in the video group (Sort 1)");
    const std::vector<std::string> choices = parameter.Choices();
    for (const char* needed : {"Custom Size", "Original Size"}) {
        if (parameter.Kind() != ParameterKind::Choice ||
            std::find(choices.begin(), choices.end(), needed) == choices.end()) {
            violations.push_back("parameter \"Video Size\" lacks the choice " + Quoted(needed));
        }
    }
}

}  // namespace

std::vector<std::string> ProfileConstraintViolations(const std::string& file)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return {Quoted(file) + " is not a file"};
    std::vector<std::string> violations;
    try {
        const TNewInifile ini(file);
        const std::vector<RawSection> sections = SplitSections(ini.Lines(), violations);
        CheckDuplicateSections(sections, violations);
        for (const RawSection& section : sections)
            CheckDuplicateKeys(section, violations);

        const int count = ini.ReadInteger("Main", "Para", 0);
        const RawSection* main = FindRawSection(sections, "Main");
        if (!main) {
            violations.push_back("section \"Main\" is missing");
        } else {
            std::vector<std::string> mainKeys = {"Type", "Para"};
            for (int n = 0; n < count; ++n)
                mainKeys.push_back(std::to_string(n));
            CheckShadowedKeys(*main, mainKeys, violations);
            CheckNumberedKeyOrder(*main, violations);
        }

        std::vector<std::string> names;
        int group = -1;
        for (int n = 0; n < count; ++n) {
            const std::string name = ini.ReadString("Main", std::to_string(n), "");
            CheckName(name, n, names, sections, violations);
            names.push_back(name);
            if (const RawSection* own = name.empty() ? nullptr : FindRawSection(sections, name))
                CheckShadowedKeys(*own, ParameterKeys, violations);

            const ProfileParameter parameter = ReadProfileParameter(ini, name);
            if (IsGroup(parameter.Sort))
                group = parameter.Sort;
            else if (n == 0)
                violations.push_back("the first parameter " + Quoted(name) + " has no group (Sort 1, 2 or 3)");
            CheckChoices(parameter, violations);
            CheckVideoSize(parameter, group, violations);
        }
    } catch (const IniFileError& failure) {
        violations.push_back(failure.what());
    }
    return violations;
}
