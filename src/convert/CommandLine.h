#pragma once
// The encoder's command line for a probe and for one conversion, and where a
// task's output goes. Every piece keeps two forms: the argument vector that is
// passed to the encoder (never through a shell) and a printable text for
// messages and tests.
#include "profiles/ProfileModel.h"
#include "tasks/TaskRecord.h"

#include <functional>
#include <string>
#include <vector>

struct CommandPieces {
    std::string Text;               // e.g. " -vcodec libx264 -s 640x480"
    std::vector<std::string> Args;  // e.g. {"-vcodec", "libx264", "-s", "640x480"}

    void Append(const CommandPieces& other);
};

// The text shown in the grid of a group (GroupVideo...) in the row whose key
// is name (letter case ignored); empty when there is no such row.
using ShownValueFn = std::function<std::string(int group, const std::string& name)>;

// One piece per contributing parameter, in the profile's order: nothing when
// the switch or the encoder value is empty; the switch alone for "\" (the text
// then shows the switch and one blank). The arguments are the piece split at
// blanks, so a "\" value adds no empty argument the encoder would take as the
// switch's value. Throws ProfileDefect when a shown choice has no encoder value.
CommandPieces ParameterArgs(const Profile& profile, const ShownValueFn& shownValue);

// The task's own options: " -ss <StartTime>" when the start was moved,
// " -t <whole seconds>" when the duration differs from the length.
CommandPieces TaskOptionArgs(const ltvItemData& task);

// The output file of a task: folder + OutputName + outputExtension, or
// folder + OutputName + "_" + position + OutputExt when that file exists and
// renameExisting is set, or when it is the input itself (compared after
// resolving ".", ".." and symbolic links). The result never names the input.
std::string OutputPathFor(const ltvItemData& task, const std::string& outputFolderText,
                          const std::string& outputExtension, bool renameExisting, int position1Based);

// True when both paths name the same file: the same entry once made canonical,
// or the same file on disk (hard links).
bool IsSameFile(const std::string& a, const std::string& b);

// A path as the encoder must receive it: an absolute path as it is; any other
// path behind "file:", so a name beginning with '-' is not read as an option
// and one such as "a:b.mp4" not as a protocol.
std::string EncoderPathArgument(const std::string& path);

// "-i <input>": the probe.
CommandPieces ProbeArgs(const std::string& inputPath);

// "-y -i <input> <parameters> <task options> <output>"; the text quotes the
// two paths in double quotes (nothing escaped) and starts with a blank.
CommandPieces ConversionArgs(const std::string& inputPath, const CommandPieces& parameters,
                             const CommandPieces& taskOptions, const std::string& outputPath);
