#include "payments/stored_batch.h"

#include <algorithm>
#include <unordered_map>

#include "payments/item_row.h"
#include "payments/payments_sql.h"
#include "shell/dates.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace payments {

StoredBatch storedBatch(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines,
                        const std::vector<shell::CarriedValue>& carried) {
    std::vector<std::string> ids;
    ids.reserve(lines.size());
    for (int line : lines) ids.emplace_back(itemValue(shown, line - 1, item::ID));
    const shell::QueryResult stored = shell::query(db, itemsByIdQuery(ids));
    if (!stored.ok) return {.refusal = ""};
    const ui::TextTable now = shownItemRows(stored.rows);
    std::unordered_map<std::string_view, std::size_t> rowOfId;
    for (std::size_t r = 0; r < now.rows(); ++r) rowOfId.emplace(itemValue(now, r, item::ID), r);

    StoredBatch batch{.rows = ui::TextTable(now.columns())};
    batch.rows.reserve(lines.size());
    for (int line : lines) {
        const std::size_t was = line - 1;
        const auto found = rowOfId.find(itemValue(shown, was, item::ID));
        if (found == rowOfId.end() || now.columns() != shown.columns() ||
            now.rowText(found->second) != shown.rowText(was) ||
            !std::equal(now.rowEnds(found->second).begin(), now.rowEnds(found->second).end(),
                        shown.rowEnds(was).begin())) {
            batch.refusal = vocab::CPORSTAVKAIZMENETA + itemLabel(shown, was);
            batch.rows.clear();
            return batch;
        }
        batch.rows.appendRow(now.row(found->second));
    }
    batch.refusal = shell::unreadableValue(stored.rows, carried, [&](std::size_t row) {
        return vocab::CPORSTAVKA + itemLabel(stored.rows, row);
    });
    if (batch.refusal) batch.rows.clear();
    return batch;
}

bool isPaid(const ui::TextTable& rows, std::size_t row) {
    return itemValue(rows, row, item::PAID) != shell::BLANKDATE;
}

}  // namespace payments
