#include "app/StartupValues.h"

#include "app/PathText.h"

std::vector<std::string> BuildInputExtensions()
{
    return {".avi", ".mpg", ".mpeg", ".mp4", ".wmv", ".mov", ".vob", ".asf"};
}

std::string BuildSupportedPatterns(const std::vector<std::string>& extensions)
{
    std::string patterns;
    for (const auto& extension : extensions)
        patterns += "*" + extension + ";";
    return patterns;
}

std::string BuildOpenDialogFilter(const std::vector<std::string>& extensions,
                                  const std::string& supportedPatterns)
{
    std::string filter;
    for (const auto& extension : extensions) {
        std::string upper = extension.substr(1);
        for (char& c : upper)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        filter += upper + " Files (*" + extension + ")|";
        filter += "*" + extension + "|";
    }
    return "All Support Files(" + supportedPatterns + ")|" + supportedPatterns + "|" + filter
           + "All Files (*.*)|*.*";
}

std::string ToQtFilter(const std::string& pipeFilter)
{
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (start <= pipeFilter.size()) {
        const auto bar = pipeFilter.find('|', start);
        const auto end = bar == std::string::npos ? pipeFilter.size() : bar;
        parts.push_back(pipeFilter.substr(start, end - start));
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    std::string qtFilter;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        std::string patterns;
        std::string::size_type from = 0;
        const std::string& list = parts[i + 1];
        while (from < list.size()) {
            auto semicolon = list.find(';', from);
            if (semicolon == std::string::npos)
                semicolon = list.size();
            if (semicolon > from)
                patterns += (patterns.empty() ? "" : " ") + list.substr(from, semicolon - from);
            from = semicolon + 1;
        }
        if (!qtFilter.empty())
            qtFilter += ";;";
        qtFilter += parts[i] + " (" + patterns + ")";
    }
    return qtFilter;
}

std::string ProgramFolderOf(const std::string& executablePath)
{
    return AddTrailingBackslash(ExtractFilePath(executablePath));
}

std::string EncoderPathOf(const std::string& programFolder)
{
    return programFolder + "durodu.dll";
}

std::string PreferencesPathOf(const std::string& programFolder)
{
    return programFolder + "Preferences.ini";
}
