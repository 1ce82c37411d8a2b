#pragma once
// The stored values an outside file carries, checked before the file is made:
// a value that does not read as what its column holds (an amount that is no
// number, a date that is no date) would otherwise reach the file as something
// else, read as 0, left out or copied as it stands; so would one that the
// column holds but the file must not carry (a negative amount).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/text_table.h"
#include "shell/vocabulary.h"

namespace shell {

// One column of stored rows that a file carries: where it stands (1-based, as
// the grids count), whether a stored value reads as it must, its name in the
// refusal (a label's closing colon is left out) and what the refusal says
// before the name. A column with two checks is listed twice.
struct CarriedValue {
    int column;
    bool (*readable)(std::string_view stored);
    std::string name;
    std::string refusal = vocab::CPORNECITLIVAVREDNOST;
};

// The refusal for the first value, row by row, that does not read: its
// message, the value's name and the row as `rowName` names it. Nothing when
// every value reads.
std::optional<std::string> unreadableValue(const ui::TextTable& stored, const std::vector<CarriedValue>& values,
                                           const std::function<std::string(std::size_t row)>& rowName);

}  // namespace shell
