// Every shipped profile must give command lines the real encoder accepts: its
// defaults, and each choice of each choice parameter with the others at their
// defaults. Slow (hundreds of encoder runs), so it has a suite of its own and
// runs the program's argument vectors directly rather than through the window.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <optional>
#include <string>

#include "convert/CommandLine.h"
#include "convert/EncoderRun.h"
#include "convert/EncoderText.h"
#include "profiles/ProfileModel.h"
#include "support/TestProgram.h"

namespace {

const QString kFfmpeg = QStringLiteral(LUMORA_FFMPEG);
// Only keeps a hung encoder from hanging the suite.
constexpr int kHangGuardMs = 300000;

// What the grids show right after the profile was loaded.
std::string DefaultShown(const ProfileParameter& parameter)
{
    if (parameter.Kind() != ParameterKind::Choice)
        return parameter.Caption;
    const std::vector<std::string> choices = parameter.Choices();
    return parameter.Index >= 0 && parameter.Index < static_cast<int>(choices.size())
               ? choices[static_cast<std::size_t>(parameter.Index)]
               : std::string();
}

struct Trial {
    std::string Parameter;   // empty: every parameter at its default
    std::string Choice;
};

// Converts the input with the profile as the grids would show it with the
// trial's one change; an empty text when the encoder accepted it, else why not.
std::string Convert(const Profile& profile, const Trial& trial, const QString& input, const QString& output)
{
    const ShownValueFn shown = [&](int, const std::string& name) {
        for (const ProfileParameter& parameter : profile.Parameters)
            if (parameter.Name == name)
                return name == trial.Parameter ? trial.Choice : DefaultShown(parameter);
        return std::string();
    };
    CommandPieces args;
    try {
        args = ConversionArgs(input.toStdString(), ParameterArgs(profile, shown), {}, output.toStdString());
    } catch (const ProfileDefect& defect) {
        return std::string("profile defect: ") + defect.what();
    }
    const ProbeRunResult result = EncoderRun::runToEnd(kFfmpeg, EncoderRun::toArguments(args.Args), kHangGuardMs);
    if (result.Started && !result.TimedOut && !result.Crashed && result.ExitCode == 0)
        return {};
    return "exit " + std::to_string(result.ExitCode) + (result.Crashed ? " (crashed)" : "") + " for" + args.Text
           + "\n" + LastLines(result.Text.toStdString(), 4);
}

}  // namespace

TEST(ShippedProfileChoices, TheEncoderAcceptsEveryChoice)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString input = dir.filePath(QStringLiteral("input.mp4"));
    ASSERT_TRUE(MakeClip(input, 1.0));

    const std::string shipped = LUMORA_DATA_DIR "/";
    const std::vector<ProfileEntry> entries = ListProfiles(shipped);
    ASSERT_FALSE(entries.empty());
    for (const ProfileEntry& entry : entries) {
        const Profile profile = ReadProfile(ProfileFileOf(shipped, entries, entry.DisplayName));
        const QString output = dir.filePath(QStringLiteral("output.") + QString::fromStdString(profile.Type));
        std::vector<Trial> trials{{}};
        for (const ProfileParameter& parameter : profile.Parameters)
            if (parameter.Kind() == ParameterKind::Choice)
                for (const std::string& choice : parameter.Choices())
                    trials.push_back({parameter.Name, choice});
        for (const Trial& trial : trials)
            EXPECT_EQ(Convert(profile, trial, input, output), "")
                << entry.DisplayName << ": " << (trial.Parameter.empty() ? "defaults" : trial.Parameter)
                << " = " << trial.Choice;
    }
}
