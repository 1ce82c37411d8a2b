#include "treasury/unsubmit.h"

#include "shell/dates.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "treasury/order_label.h"
#include "treasury/order_list_row.h"

namespace treasury {

std::optional<shell::RowChange> unsubmitChange(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines) {
    shell::RowChange change{
        .statement = "UPDATE Nalozi SET DatumNaPodnesuvanje = '' WHERE ID = ?1 AND DatumNaPodnesuvanje = ?2",
        .rows = ui::TextTable(2)};
    ui::TextTable shownAs(4);  // ID, form, recipient (what a refusal names), the submission date
    change.rows.reserve(lines.size());
    shownAs.reserve(lines.size());
    for (int line : lines) {
        const std::size_t row = static_cast<std::size_t>(line - 1);
        const std::string submitted = shell::storedDate(orderValue(shown, row, order::SUBMITTED));
        if (submitted.empty()) return std::nullopt;
        change.rows.appendRow({orderValue(shown, row, order::ID), std::string_view(submitted)});
        shownAs.appendRow({orderValue(shown, row, order::ID), orderValue(shown, row, order::FORM),
                           orderValue(shown, row, order::RECIPIENTNAME), std::string_view(submitted)});
    }
    change.unchanged = [db, shownAs = std::move(shownAs)](std::size_t i) -> std::optional<std::string> {
        const std::string label = orderLabel(shownAs.cell(i, 0), shownAs.cell(i, 1), shownAs.cell(i, 2));
        const shell::QueryResult stored = shell::query(
            db, "SELECT DatumNaPodnesuvanje FROM Nalozi WHERE ID = " + shell::C2SQL(shownAs.cell(i, 0)));
        if (!stored.ok) return std::nullopt;  // its error is shown
        if (stored.rows.empty()) return vocab::CPORNALOGNEPOSTOI + label;
        if (stored.rows.cell(0, 0) != shownAs.cell(i, 3)) return vocab::CPORNALOGIZMENET + label;
        return std::nullopt;  // stored as shown, yet unchanged: the usual message
    };
    return change;
}

}  // namespace treasury
