#include "shell/carried_values.h"

namespace shell {

std::optional<std::string> unreadableValue(const ui::TextTable& stored, const std::vector<CarriedValue>& values,
                                           const std::function<std::string(std::size_t row)>& rowName) {
    for (std::size_t r = 0; r < stored.rows(); ++r)
        for (const CarriedValue& v : values) {
            if (v.readable(stored.cell(r, v.column - 1))) continue;
            std::string_view name = v.name;
            if (name.ends_with(':')) name.remove_suffix(1);
            return v.refusal + std::string(name) + ". " + rowName(r);
        }
    return std::nullopt;
}

}  // namespace shell
