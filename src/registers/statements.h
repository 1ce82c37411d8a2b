#pragma once
// Statement texts the registers share: column definitions joined the way the
// stored tables were created, and INSERT/UPDATE lists of quoted values.
#include <string>
#include <utility>
#include <vector>

namespace registers {

struct Column {
    std::string name;
    std::string type;  // with its constraints
};

// "name<TAB>type" of each column, joined by ", ".
std::string columnDefinitions(const std::vector<Column>& columns);

// The values between single quotes, quotes doubled, joined by "', '": the
// caller writes the outer quotes ("values ('" + list + "');").
std::string quotedList(const std::vector<std::string>& values);

// " col = 'value', " for each pair after the first, the last closed by "' "
// instead: the tail of the registers' UPDATE statements.
std::string assignments(const std::vector<std::pair<std::string, std::string>>& columns);

}  // namespace registers
