#pragma once
// Reading the input's duration and picture size from the text the encoder
// prints when it is given an input and no output.
#include <string>

struct ProbeResult {
    std::string Length;  // the duration as printed, e.g. "00:01:23.45"
    std::string Size;    // the third field of the video stream, leading blank kept
};

// Walks the text that follows the first echo of inputPath: "Duration", its
// colon and one more character, the duration up to the next ','; then
// "Video" and its third comma-separated field. Commas inside parentheses
// (as in "yuv420p(tv, bt709, progressive)") do not separate fields. Whatever
// cannot be found comes back as an empty text.
ProbeResult ParseProbeText(const std::string& text, const std::string& inputPath);
