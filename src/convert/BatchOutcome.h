#pragma once
// What a finished batch leads to, and what is kept of an encoder run that
// failed, so the user can see why.
#include <string>
#include <string_view>

// The end of a batch that ran to its last task: the first matching choice
// wins, so turning the computer off beats exiting, which beats the report.
enum class BatchEndAction { TurnOff, Exit, Report };
BatchEndAction ChooseBatchEndAction(bool turnOff, bool exit);

// The report's text: success, or how many of the tasks failed.
std::string BatchEndText(int failedTasks, int allTasks);

// Why a conversion failed: how the encoder ended and its last lines.
std::string EncoderFailureText(int exitCode, bool crashed, std::string_view encoderText);
