#include "treasury/order_filters.h"

#include "shell/dates.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/udfs.h"

namespace treasury {

namespace {

// " column op value" when the value is set, " 1 = 1 " otherwise.
std::string term(std::string_view column, std::string_view op, std::string_view value) {
    if (shell::isBlank(value)) return " 1 = 1 ";
    return " " + std::string(column) + " " + std::string(op) + " " + shell::quoted(shell::trimmed(value));
}

std::string query(const std::string& conditions) {
    return layouts::STRNALOZI + " WHERE " + conditions + " ORDER BY " + "t.ID";
}

}  // namespace

std::string overviewQuery(std::string_view payerId, const OrderFilter& f) {
    return query(term("t.IsplakjaciZiroSmetkiID", "=", f.accountId) + " AND " +
                 term("t.DatumNaDospeanost", ">=", f.dueFrom) + " AND " + term("t.DatumNaDospeanost", "<=", f.dueTo) +
                 " AND " + term("t.PrimaciID", "=", f.recipientId) + " AND " + term("t.Obrazec", "=", f.formCode) +
                 " AND " + " t.IsplakjaciID = " + shell::quoted(payerId) + " AND t.DatumNaPodnesuvanje = '' ");
}

std::string reportQuery(std::string_view payerId, const OrderFilter& f) {
    const std::string state = f.state == 1   ? " t.DatumNaPodnesuvanje <> '' "
                              : f.state == 2 ? " t.DatumNaPodnesuvanje = '' "
                                             : " 1 = 1 ";
    return query(term("t.IsplakjaciZiroSmetkiID", "=", f.accountId) + " AND " +
                 term("t.DatumNaPodnesuvanje", ">=", f.submittedFrom) + " AND " +
                 term("t.DatumNaPodnesuvanje", "<=", f.submittedTo) + " AND " +
                 term("t.DatumNaDospeanost", ">=", f.dueFrom) + " AND " + term("t.DatumNaDospeanost", "<=", f.dueTo) +
                 " AND " + term("t.PrimaciID", "=", f.recipientId) + " AND " + state + " AND " +
                 term("t.Obrazec", "=", f.formCode) + " AND " + " t.IsplakjaciID = " + shell::quoted(payerId));
}

std::optional<std::string> filterDate(std::string_view typed) {
    if (typed.find_first_not_of(" .") == std::string_view::npos) return std::string();
    const std::string stored = shell::storedDate(typed);
    if (stored.empty()) return std::nullopt;
    return stored;
}

}  // namespace treasury
