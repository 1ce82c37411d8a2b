#include "listkit/search.h"

#include <algorithm>
#include <string>

#include "platform/text/utf8.h"
#include "shell/udfs.h"

namespace listkit {

namespace {

// The byte length of the first `characters` characters of the text.
std::size_t firstCharsBytes(std::string_view text, std::size_t characters) {
    std::size_t end = 0;
    for (; characters > 0 && end < text.size(); --characters)
        end += utf8::charLength(static_cast<unsigned char>(text[end]));
    return std::min(end, text.size());
}

// The last bytes a character of the cell may end in when its upper case is
// the key's last character: that character's own and its small letter's.
// A cell that holds neither cannot contain the key, and two byte finds cost
// far less than upper-casing the cell.
std::pair<char, char> lastBytesOf(std::string_view upperKey) {
    std::size_t at = upperKey.size() - 1;
    while (at > 0 && (static_cast<unsigned char>(upperKey[at]) & 0xC0) == 0x80) --at;
    const utf8::Decoded last = utf8::decode(upperKey, at);
    const char own = upperKey.back();
    char32_t small = 0;
    if (last.codePoint >= U'A' && last.codePoint <= U'Z') small = last.codePoint + 0x20;
    else if (last.codePoint >= 0x410 && last.codePoint <= 0x42F) small = last.codePoint + 0x20;
    else if (last.codePoint >= 0x400 && last.codePoint <= 0x40F) small = last.codePoint + 0x50;
    if (small == 0) return {own, own};
    return {static_cast<char>(small < 0x80 ? small : 0x80 | (small & 0x3F)), own};
}

bool mayContain(std::string_view cell, std::pair<char, char> lastBytes) {
    return cell.find(lastBytes.first) != std::string_view::npos ||
           (lastBytes.second != lastBytes.first && cell.find(lastBytes.second) != std::string_view::npos);
}

}  // namespace

int findLine(const ui::TextTable& rows, int column, std::string_view text) {
    if (shell::isBlank(text) || column < 1 || column > static_cast<int>(rows.columns())) return 0;
    const std::string key = utf8::upper(text);
    const std::size_t characters = utf8::length(text);
    const auto c = static_cast<std::size_t>(column - 1);
    const auto lastBytes = lastBytesOf(key);
    // One walk: a row that begins with the text wins at once; the first row
    // that contains it is kept for when none begins so. Upper-casing keeps
    // byte lengths, so a beginning of another byte length cannot match.
    int containing = 0;
    std::string cellUpper;
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        const std::string_view cell = rows.cell(r, c);
        if (cell.size() >= key.size() && firstCharsBytes(cell, characters) == key.size() &&
            utf8::upperEquals(cell.substr(0, key.size()), key))
            return static_cast<int>(r) + 1;
        if (containing == 0 && cell.size() >= key.size() && mayContain(cell, lastBytes)) {
            cellUpper.clear();
            utf8::appendUpper(cellUpper, cell);
            if (cellUpper.find(key) != std::string::npos) containing = static_cast<int>(r) + 1;
        }
    }
    return containing;
}

int moveTo(Move move, int lineCount, const std::vector<int>& selection) {
    if (lineCount <= 0) return 0;
    const bool single = selection.size() == 1;
    switch (move) {
        case Move::First: return 1;
        case Move::Last: return lineCount;
        case Move::Previous: return single && selection[0] > 1 && selection[0] <= lineCount ? selection[0] - 1 : 0;
        case Move::Next: return single && selection[0] >= 1 && selection[0] < lineCount ? selection[0] + 1 : 0;
    }
    return 0;
}

}  // namespace listkit
