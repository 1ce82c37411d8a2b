#pragma once
// Payment item rows as the lists show them (36 values), for tests: a plain
// item of the example payer, with the values a case names replaced.
#include <map>
#include <string>
#include <vector>

#include "payments/item_row.h"
#include "platform/text/text_table.h"

namespace testing_support {

inline std::vector<std::string> itemRow(const std::map<int, std::string>& values = {}) {
    std::vector<std::string> row(36);
    using payments::shownAmount;
    const std::map<int, std::string> plain = {
        {1, "1"},
        {2, "  .  .    "},
        {3, "  .  .    "},
        {4, "  .  .    "},
        {5, "300000000012345"},
        {6, "Авторски хонорар"},
        {7, "05"},
        {8, "Книжевно дело"},
        {9, "051"},
        {10, "Готовина"},
        {11, "1"},
        {12, "Ана"},
        {13, "Петрова"},
        {14, "0101990455001"},
        {15, "001"},
        {16, "210000000000017"},
        {17, shownAmount(0)},
        {18, shownAmount(10000)},
        {19, shownAmount(0)},
        {20, shownAmount(0)},
        {21, shownAmount(10000)},
        {22, shownAmount(0)},
        {24, "  .  .    "},
    };
    for (const auto& [n, v] : plain) row[n - 1] = v;
    for (const auto& [n, v] : values) row[n - 1] = v;
    return row;
}

inline ui::TextTable itemTable(const std::vector<std::vector<std::string>>& rows) {
    ui::TextTable t(36);
    for (const auto& r : rows) t.appendRow(r);
    return t;
}

}  // namespace testing_support
