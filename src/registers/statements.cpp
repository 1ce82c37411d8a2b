#include "registers/statements.h"

#include "shell/sql1.h"

namespace registers {

std::string columnDefinitions(const std::vector<Column>& columns) {
    std::string out;
    for (const auto& c : columns) out += (out.empty() ? "" : ", ") + c.name + "\t" + c.type;
    return out;
}

std::string quotedList(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) out += (i ? "', '" : "") + shell::doubleQuotes(values[i]);
    return out;
}

std::string assignments(const std::vector<std::pair<std::string, std::string>>& columns) {
    std::string out;
    for (std::size_t i = 0; i < columns.size(); ++i)
        out += " " + columns[i].first + " = '" + shell::doubleQuotes(columns[i].second) +
               (i + 1 < columns.size() ? "', " : "' ");
    return out;
}

}  // namespace registers
