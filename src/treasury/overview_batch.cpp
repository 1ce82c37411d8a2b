#include "treasury/overview_batch.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "platform/text/utf8.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/carried_orders.h"
#include "treasury/order_file.h"
#include "treasury/order_list_row.h"
#include "treasury/order_values.h"

namespace treasury {

std::string storedOrdersQuery(const std::vector<std::string>& ids) {
    std::string list;
    for (const std::string& id : ids) list += (list.empty() ? "" : ", ") + shell::C2SQL(id);
    return layouts::STRNALOZI + " WHERE t.ID IN (" + list + ")";
}

void overviewRow(const ui::TextTable& stored, std::size_t row, int sequence, const std::string& payerTaxNumber,
                 TreasuryOrderRow& r) {
    using V = RowValue;
    std::string latin;
    const auto set = [&](V value, int column, std::size_t width) {
        latin.clear();
        shell::KONVLAT(orderValue(stored, row, column), latin);
        latin.resize(utf8::cutBytes(latin, width).size());
        r.set(value, latin);
    };
    r.set(V::sequence, shell::DODAJ0(std::to_string(sequence), 6));
    set(V::debitAccount, order::DEBITACCOUNT, 15);
    set(V::debitSubAccount, order::DEBITSUBACCOUNT, 15);
    set(V::expenditureKonto, order::EXPENDITUREKONTO, 6);
    set(V::debitProgramme, order::DEBITPROGRAMME, 2);
    set(V::purpose, order::PURPOSE, 70);
    r.amount = parseCents(orderValue(stored, row, order::AMOUNT)).value_or(maxFileCents + 1);
    set(V::recipientAccount, order::RECIPIENTACCOUNT, 18);
    set(V::recipientName, order::RECIPIENTNAME, 70);
    set(V::recipientSubAccount, order::RECIPIENTSUBACCOUNT, 15);
    set(V::revenueKonto, order::REVENUEKONTO, 6);
    set(V::recipientProgramme, order::RECIPIENTPROGRAMME, 2);
    set(V::reference, order::REFERENCE, 24);
    set(V::form, order::FORM, 2);
    set(V::method, order::METHOD, 1);
    // A cash payment names the person paid: the reference holds the recipient's EMBG.
    const bool cash = r[V::form] == "80" || r[V::form] == "94";
    r.set(V::taxNumber, utf8::fitBytes(cash ? r[V::reference] : std::string_view(payerTaxNumber), 13));
    r.set(V::closing, utf8::fitBytes(orderValue(stored, row, order::DUE), 8));
}

namespace {

// The stored orders are asked for this many IDs at a time: a statement of
// every ID would hold them all once more, in its text and in its program.
constexpr std::size_t idsPerQuery = 1000;

// Whether the shown row equals the stored row as the list would show it; each
// stored value is shaped on its own, so the stored orders need no shaped copy.
bool sameRow(const ui::TextTable& shown, std::size_t shownRow, const ui::TextTable& stored, std::size_t storedRow,
             std::size_t amountWidth, std::string& scratch) {
    for (int c = 1; c <= order::COLUMNS; ++c) {
        scratch.clear();
        appendShownValue(c, orderValue(stored, storedRow, c), amountWidth, scratch);
        if (orderValue(shown, shownRow, c) != scratch) return false;
    }
    return true;
}

// The batch of the selected lines, from their stored orders handed over one
// at a time and in any order; each becomes its file row at once.
class BatchBuilder {
public:
    BatchBuilder(const ui::TextTable& shown, const std::vector<int>& lines, const registers::CurrentPayer& payer)
        : shown_(shown), lines_(lines), payer_(payer), found_(lines.size(), Found::no),
          // In the width of the list's amounts, so that only a changed amount differs.
          amountWidth_(lines.empty() ? LISTAMOUNTWIDTH : orderValue(shown, line(0), order::AMOUNT).size()) {
        batch_.input.AGFAJL.resize(lines.size());
    }

    void add(const ui::TextTable& stored, std::size_t row) {
        const auto r = position(orderValue(stored, row, order::ID));
        ++added_;
        if (!r || found_[*r] != Found::no) return;
        if (!sameRow(shown_, line(*r), stored, row, amountWidth_, scratch_)) {
            found_[*r] = Found::changed;
            return;
        }
        overviewRow(stored, row, static_cast<int>(*r) + 1, payer_.MDANOCENBROJ, row_);
        // Only a row whose amount the file refuses is ever named (treasury::refusal):
        // the others keep no label, which would weigh a large batch down.
        row_.set(RowValue::label, fileHolds(row_.amount) ? std::string() : orderLabel(shown_, line(*r)));
        batch_.input.AGFAJL[*r] = TreasuryOrderRow(row_);  // a copy at its own size, not at the scratch row's room
        found_[*r] = Found::same;
    }

    // The batch, or the refusal for the first line whose order is missing or changed.
    OverviewBatch finish(const std::string& submissionDate, const std::string& processingDate) {
        for (std::size_t r = 0; r < lines_.size(); ++r) {
            if (found_[r] == Found::no) return {vocab::CPORNALOGNEPOSTOI + orderLabel(shown_, line(r)), {}, {}};
            if (found_[r] == Found::changed) return {vocab::CPORNALOGIZMENET + orderLabel(shown_, line(r)), {}, {}};
        }
        batch_.ids.reserve(lines_.size());
        for (std::size_t r = 0; r < lines_.size(); ++r) batch_.ids.emplace_back(shownId(r));
        TreasuryFileInput& input = batch_.input;
        input.DDATANAPODNESUVANJE = submissionDate;
        input.DDATANAOBRABOTKA = processingDate;
        input.LODBITOCI = true;
        if (!input.AGFAJL.empty()) input.CSMETKAZADOLZUVA = utf8::fitBytes(input.AGFAJL.back()[RowValue::debitAccount], 15);
        input.payer = payer_;
        return std::move(batch_);
    }

private:
    enum class Found : std::uint8_t { no, same, changed };

    std::size_t line(std::size_t r) const { return static_cast<std::size_t>(lines_[r] - 1); }
    std::string_view shownId(std::size_t r) const { return orderValue(shown_, line(r), order::ID); }

    // The selected line of a stored order. The stored orders mostly come back
    // in the list's order: the next position is tried first, the lines by ID
    // only when it holds another.
    std::optional<std::size_t> position(std::string_view id) {
        if (added_ < lines_.size() && shownId(added_) == id) return added_;
        if (byId_.empty())
            for (std::size_t r = 0; r < lines_.size(); ++r) byId_.emplace(shownId(r), r);
        const auto found = byId_.find(id);
        if (found == byId_.end()) return std::nullopt;
        return found->second;
    }

    const ui::TextTable& shown_;
    const std::vector<int>& lines_;
    const registers::CurrentPayer& payer_;
    std::vector<Found> found_;
    std::size_t amountWidth_;
    std::size_t added_ = 0;
    std::unordered_map<std::string_view, std::size_t> byId_;
    std::string scratch_;
    TreasuryOrderRow row_;  // the row being made, its room kept from order to order
    OverviewBatch batch_;
};

}  // namespace

OverviewBatch overviewBatch(const ui::TextTable& shown, const std::vector<int>& lines, const ui::TextTable& stored,
                            const registers::CurrentPayer& payer, const std::string& submissionDate,
                            const std::string& processingDate) {
    if (auto tooMany = batchSizeRefusal(lines.size())) return {std::move(tooMany), {}, {}};
    BatchBuilder builder(shown, lines, payer);
    for (std::size_t s = 0; s < stored.rows(); ++s) builder.add(stored, s);
    return builder.finish(submissionDate, processingDate);
}

OverviewBatch storedOverviewBatch(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines,
                                  const registers::CurrentPayer& payer, const std::string& submissionDate,
                                  const std::string& processingDate) {
    if (auto tooMany = batchSizeRefusal(lines.size())) return {std::move(tooMany), {}, {}};
    BatchBuilder builder(shown, lines, payer);
    std::optional<std::string> unreadable;
    const auto take = [&](const ui::TextTable& stored) {
        if (!unreadable) unreadable = unreadableOrderValue(stored);
        if (!unreadable) builder.add(stored, 0);
    };
    // The parts in one read of the database, so that they show it at one moment.
    if (!shell::MISCSQL1(db, "SAVEPOINT storedOrders")) return {.refusal = ""};
    bool read = true;
    std::vector<std::string> ids;
    for (std::size_t from = 0; read && from < lines.size(); from += idsPerQuery) {
        ids.clear();
        for (std::size_t r = from; r < std::min(lines.size(), from + idsPerQuery); ++r)
            ids.emplace_back(orderValue(shown, static_cast<std::size_t>(lines[r] - 1), order::ID));
        read = shell::query(db, storedOrdersQuery(ids), take).ok;
    }
    shell::MISCSQL1(db, "RELEASE storedOrders");
    if (!read) return {.refusal = ""};
    if (unreadable) return {.refusal = std::move(unreadable)};
    return builder.finish(submissionDate, processingDate);
}

shell::RowChange submissionChange(const std::vector<std::string>& ids, const std::string& submissionDate) {
    shell::RowChange change{.statement = "UPDATE Nalozi SET DatumNaPodnesuvanje = ?2 WHERE ID = ?1",
                            .rows = ui::TextTable(1),
                            .fixed = {submissionDate}};
    change.rows.reserve(ids.size());
    for (const std::string& id : ids) change.rows.appendRow({std::string_view(id)});
    return change;
}

}  // namespace treasury
