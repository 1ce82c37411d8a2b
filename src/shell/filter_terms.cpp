#include "shell/filter_terms.h"

#include "shell/sql1.h"

namespace shell {

std::string filterTerm(std::string_view sql, std::string_view value) {
    return value.empty() ? " 1 = 1 " : std::string(sql) + quoted(value);
}

std::string joinTerms(const std::vector<std::string>& terms) {
    std::string condition;
    for (std::size_t i = 0; i < terms.size(); ++i) condition += (i ? " AND " : "") + terms[i];
    return condition;
}

}  // namespace shell
