#include "convert/CommandLine.h"

#include "app/PathText.h"
#include "app/Rounding.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> SplitAtBlanks(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while ((start = text.find_first_not_of(' ', start)) != std::string::npos) {
        const std::size_t end = text.find(' ', start);
        words.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        start = end;
    }
    return words;
}

// The path as the encoder gets it, in double quotes for the printable text.
std::string QuotedPathPiece(const std::string& path)
{
    return " \"" + EncoderPathArgument(path) + "\"";
}

bool EntryExists(const fs::path& path)
{
    std::error_code error;
    // A dangling symbolic link is an entry too: writing through it is not wanted.
    return fs::exists(fs::symlink_status(path, error));
}

}  // namespace

void CommandPieces::Append(const CommandPieces& other)
{
    Text += other.Text;
    Args.insert(Args.end(), other.Args.begin(), other.Args.end());
}

CommandPieces ParameterArgs(const Profile& profile, const ShownValueFn& shownValue)
{
    CommandPieces result;
    for (const ProfileParameter& parameter : profile.Parameters) {
        std::string value = EncoderValue(parameter, shownValue(parameter.Sort, parameter.Name));
        if (parameter.cmd.empty() || value.empty())
            continue;
        if (value == "\\")
            value.clear();
        const std::string piece = " " + parameter.cmd + " " + value;
        result.Text += piece;
        // Split like the encoder's own command line would be: a switch written
        // as "-acodec aac -strict experimental" becomes four arguments.
        for (std::string& word : SplitAtBlanks(piece))
            result.Args.push_back(std::move(word));
    }
    return result;
}

CommandPieces TaskOptionArgs(const ltvItemData& task)
{
    CommandPieces result;
    if (task.StartSec != task.SourceStartSec) {
        result.Text += " -ss " + task.StartTime;
        result.Args.insert(result.Args.end(), {"-ss", task.StartTime});
    }
    if (task.DurationSec != task.LengthSec) {
        const std::string seconds = std::to_string(RoundHalfEven(task.DurationSec));
        result.Text += " -t " + seconds;
        result.Args.insert(result.Args.end(), {"-t", seconds});
    }
    return result;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    std::error_code error;
    if (fs::equivalent(a, b, error))
        return true;
    const fs::path canonicalA = fs::weakly_canonical(a, error);
    if (error)
        return a == b;
    const fs::path canonicalB = fs::weakly_canonical(b, error);
    if (error)
        return a == b;
    return canonicalA == canonicalB;
}

std::string OutputPathFor(const ltvItemData& task, const std::string& outputFolderText,
                          const std::string& outputExtension, bool renameExisting, int position1Based)
{
    const std::string folder = AddTrailingBackslash(outputFolderText);
    const std::string path = folder + task.OutputName + outputExtension;
    if (!(renameExisting && EntryExists(path)) && !IsSameFile(path, task.InputFile))
        return path;

    const std::string suffix = "_" + std::to_string(position1Based);
    std::string stem = task.OutputName + suffix;
    // The renamed form is not checked for an existing file, but it must not be
    // the input either (an input named "clip_1.mp4" beside an existing
    // "clip.mp4"): grow the suffix until it is not. Each try is a longer new
    // name, and a folder holds only so many entries that lead to the input.
    while (IsSameFile(folder + stem + task.OutputExt, task.InputFile))
        stem += suffix;
    return folder + stem + task.OutputExt;
}

std::string EncoderPathArgument(const std::string& path)
{
    if (!path.empty() && path.front() == '/')
        return path;
    return "file:" + path;
}

CommandPieces ProbeArgs(const std::string& inputPath)
{
    return {" -i" + QuotedPathPiece(inputPath), {"-i", EncoderPathArgument(inputPath)}};
}

CommandPieces ConversionArgs(const std::string& inputPath, const CommandPieces& parameters,
                             const CommandPieces& taskOptions, const std::string& outputPath)
{
    CommandPieces result{" -y -i" + QuotedPathPiece(inputPath), {"-y", "-i", EncoderPathArgument(inputPath)}};
    result.Append(parameters);
    result.Append(taskOptions);
    result.Text += QuotedPathPiece(outputPath);
    result.Args.push_back(EncoderPathArgument(outputPath));
    return result;
}
