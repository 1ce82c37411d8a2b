#include "platform/ui/number_typing.h"

#include <algorithm>
#include <utility>

#include "platform/text/utf8.h"
#include "platform/ui/mask.h"

namespace ui::mask {

namespace {

bool isDigit(std::string_view k) { return k.size() == 1 && k[0] >= '0' && k[0] <= '9'; }

// The whole part [start, end) of a held number.
std::pair<std::size_t, std::size_t> wholePart(const std::string& text) {
    const std::size_t start = text.starts_with('-') ? 1 : 0;
    return {start, std::min(text.find('.'), text.size())};
}

}  // namespace

void typeNumber(std::string_view mask, bool minus, NumberBox& box, std::string_view keys) {
    const bool grouped = mask.find(',') != std::string_view::npos;
    const bool decimals = mask.find('.') != std::string_view::npos;
    for (const std::string_view k : utf8::chars(keys)) {
        const bool separator = k == "." || (k == "," && !grouped);
        if (isDigit(k) && box.fractionRefused) continue;
        if (!isDigit(k) && !separator) box.fractionRefused = false;
        if ((separator && !decimals) || (k == "-" && !minus)) {
            box.fractionRefused = separator;
            continue;
        }
        std::size_t from = box.from, to = box.to;
        if (isDigit(k) && from == to) {
            const auto [start, end] = wholePart(box.text);
            if (end - start == 1 && box.text[start] == '0' && from >= start && from <= end) from = start, to = start + 1;
        }
        const std::string candidate = box.text.substr(0, from) + (separator ? "." : std::string(k)) + box.text.substr(to);
        int caret = static_cast<int>(from) + 1;
        const auto held = typedNumber(mask, candidate, &caret);
        if (!held) {
            box.fractionRefused = separator;
            continue;
        }
        box.text = *held;
        box.from = box.to = static_cast<std::size_t>(caret);
    }
}

}  // namespace ui::mask
