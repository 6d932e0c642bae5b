#include "convert/ProbeParser.h"

namespace {

constexpr auto npos = std::string::npos;

// Index of the next ',' at or after from that is not inside parentheses, or
// npos. Depth starts again on each line so one unbalanced '(' cannot swallow
// the rest of the text.
std::size_t NextFieldComma(const std::string& text, std::size_t from)
{
    int depth = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        switch (text[i]) {
        case '(': ++depth; break;
        case ')': if (depth > 0) --depth; break;
        case '\n': depth = 0; break;
        case ',': if (depth == 0) return i; break;
        default: break;
        }
    }
    return npos;
}

// The third field after "Video", found from `from`; empty when it is missing.
std::string VideoSize(const std::string& text, std::size_t from)
{
    const std::size_t video = text.find("Video", from);
    if (video == npos)
        return {};
    std::size_t fieldStart = video;
    for (int skipped = 0; skipped < 2; ++skipped) {
        const std::size_t comma = NextFieldComma(text, fieldStart);
        if (comma == npos)
            return {};
        fieldStart = comma + 1;
    }
    const std::size_t end = NextFieldComma(text, fieldStart);
    if (end == npos)
        return {};
    return text.substr(fieldStart, end - fieldStart);
}

}  // namespace

ProbeResult ParseProbeText(const std::string& text, const std::string& inputPath)
{
    ProbeResult result;
    // The file name itself may hold "Duration" or "Video": search after its echo.
    const std::size_t path = text.find(inputPath);
    if (path == npos)
        return result;
    std::size_t rest = path + inputPath.size();

    const std::size_t duration = text.find("Duration", rest);
    if (duration != npos) {
        rest = duration + 8;
        const std::size_t colon = text.find(':', rest);
        if (colon != npos) {
            // The colon and the blank after it are not part of the duration.
            const std::size_t start = colon + 2;
            const std::size_t comma = start <= text.size() ? text.find(',', start) : npos;
            if (comma != npos) {
                result.Length = text.substr(start, comma - start);
                rest = comma + 1;
            } else {
                rest = text.size();
            }
        }
    }
    result.Size = VideoSize(text, rest);
    return result;
}
