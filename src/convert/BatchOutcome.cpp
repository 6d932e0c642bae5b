#include "convert/BatchOutcome.h"

#include "convert/EncoderText.h"

BatchEndAction ChooseBatchEndAction(bool turnOff, bool exit)
{
    if (turnOff)
        return BatchEndAction::TurnOff;
    return exit ? BatchEndAction::Exit : BatchEndAction::Report;
}

std::string BatchEndText(int failedTasks, int allTasks)
{
    if (failedTasks <= 0)
        return "The coversion is completed successfully.";
    return "The coversion is completed, but " + std::to_string(failedTasks) + " of "
           + std::to_string(allTasks) + (allTasks == 1 ? " task" : " tasks")
           + " failed. Hover over a task's status to see why.";
}

std::string EncoderFailureText(int exitCode, bool crashed, std::string_view encoderText)
{
    std::string text = crashed ? "The encoder was ended abnormally."
                               : "The encoder ended with code " + std::to_string(exitCode) + ".";
    const std::string lines = LastLines(encoderText, 6);
    if (!lines.empty())
        text += "\n" + lines;
    return text;
}
