#include "listkit/search.h"

#include <algorithm>
#include <cstring>
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

// The text in both letter cases, byte for byte, for a look at a cell's bytes
// alone: a cell can hold the text in any case only where each of its bytes is
// the upper-cased text's byte or its small letters' byte at that place. That
// lets through a few more (the bytes of two forms mixed within one letter), so
// a cell let through is upper-cased to be sure; every other cell is passed over
// without upper-casing it.
struct BothCases {
    std::string capital, small;

    bool at(std::string_view cell, std::size_t from) const {
        for (std::size_t j = 0; j < capital.size(); ++j)
            if (cell[from + j] != capital[j] && cell[from + j] != small[j]) return false;
        return true;
    }
    // Where the cell holds the text's last byte in either form, the rest is looked at.
    bool anywhere(std::string_view cell) const {
        return endingIn(cell, capital.back()) || (small.back() != capital.back() && endingIn(cell, small.back()));
    }
    bool endingIn(std::string_view cell, char last) const {
        const std::size_t n = capital.size();
        for (std::size_t end = n - 1; end < cell.size(); ++end) {
            const void* found = std::memchr(cell.data() + end, last, cell.size() - end);
            if (!found) return false;
            end = static_cast<std::size_t>(static_cast<const char*>(found) - cell.data());
            if (at(cell, end + 1 - n)) return true;
        }
        return false;
    }
};

}  // namespace

int findLine(const ui::TextTable& rows, int column, std::string_view text) {
    if (shell::isBlank(text) || column < 1 || column > static_cast<int>(rows.columns())) return 0;
    const std::string key = utf8::upper(text);
    const BothCases both{key, utf8::smallLetters(key)};
    const std::size_t characters = utf8::length(text);
    const auto c = static_cast<std::size_t>(column - 1);
    // One walk: a row that begins with the text wins at once; the first row
    // that contains it is kept for when none begins so. Upper-casing keeps
    // byte lengths, so a beginning of another byte length cannot match.
    int containing = 0;
    std::string cellUpper;
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        const std::string_view cell = rows.cell(r, c);
        if (cell.size() < key.size()) continue;
        if (both.at(cell, 0) && firstCharsBytes(cell, characters) == key.size() &&
            utf8::upperEquals(cell.substr(0, key.size()), key))
            return static_cast<int>(r) + 1;
        if (containing == 0 && both.anywhere(cell)) {
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
