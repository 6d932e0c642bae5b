#include "convert/EncoderText.h"

namespace {

bool IsBlankLine(std::string_view line)
{
    return line.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

}  // namespace

std::vector<std::string> LineAssembler::Feed(std::string_view bytes)
{
    std::vector<std::string> lines;
    for (const char c : bytes) {
        pending_ += c;
        if (c == '\r' || c == '\n' || pending_.size() >= maxLine_) {
            if (!IsBlankLine(pending_))
                lines.push_back(std::move(pending_));
            pending_.clear();
        }
    }
    return lines;
}

std::string LineAssembler::Flush()
{
    std::string rest;
    rest.swap(pending_);
    return IsBlankLine(rest) ? std::string() : rest;
}

void TextTail::Append(std::string_view piece)
{
    if (piece.size() >= limit_) {
        text_.assign(piece.substr(piece.size() - limit_));
        return;
    }
    const std::size_t total = text_.size() + piece.size();
    if (total > limit_)
        text_.erase(0, total - limit_);
    text_.append(piece);
}

std::string LastLines(std::string_view text, int count)
{
    std::vector<std::string_view> kept;
    // Walk back from the end so only the lines wanted are looked at.
    std::size_t end = text.size();
    while (end > 0 && static_cast<int>(kept.size()) < count) {
        const std::size_t cut = text.find_last_of("\r\n", end - 1);
        const std::size_t begin = cut == std::string_view::npos ? 0 : cut + 1;
        const std::string_view line = text.substr(begin, end - begin);
        if (!IsBlankLine(line))
            kept.push_back(line);
        if (cut == std::string_view::npos)
            break;
        end = cut;
    }
    std::string result;
    for (auto line = kept.rbegin(); line != kept.rend(); ++line) {
        if (!result.empty())
            result += '\n';
        result += *line;
    }
    return result;
}
