#include "treasury/overview_batch.h"

#include <unordered_map>

#include "platform/text/utf8.h"
#include "shell/layouts.h"
#include "shell/sql1.h"
#include "shell/transliteration.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury/order_file.h"
#include "treasury/order_list_row.h"
#include "treasury/order_values.h"

namespace treasury {

namespace {

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

}  // namespace

std::string storedOrdersQuery(const std::vector<std::string>& ids) {
    std::string list;
    for (const std::string& id : ids) list += (list.empty() ? "" : ", ") + shell::C2SQL(id);
    return layouts::STRNALOZI + " WHERE t.ID IN (" + list + ")";
}

TreasuryOrderRow overviewRow(const ui::TextTable& stored, std::size_t row, int sequence,
                             const std::string& payerTaxNumber, std::string_view label) {
    using V = RowValue;
    TreasuryOrderRow r;
    // The values at their widths and the label: one allocation.
    r.reserve(1 + 6 + 15 + 15 + 6 + 2 + 70 + 6 + 18 + 70 + 15 + 6 + 2 + 24 + 2 + 1 + 13 + 8 + label.size());
    std::string latin;
    const auto set = [&](V value, int column, std::size_t width) {
        latin.clear();
        shell::KONVLAT(orderValue(stored, row, column), latin);
        latin.resize(utf8::cutBytes(latin, width).size());
        latin.resize(width, ' ');
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
    r.set(V::label, label);
    return r;
}

OverviewBatch overviewBatch(const ui::TextTable& shown, const std::vector<int>& lines, const ui::TextTable& stored,
                            const registers::CurrentPayer& payer, const std::string& submissionDate,
                            const std::string& processingDate) {
    OverviewBatch batch;
    if (auto tooMany = batchSizeRefusal(lines.size())) return {std::move(tooMany), {}, {}};
    // In the width of the list's amounts, so that only a changed amount differs.
    const std::size_t amountWidth =
        lines.empty() ? LISTAMOUNTWIDTH : orderValue(shown, lines.front() - 1, order::AMOUNT).size();
    std::string scratch;
    // The stored orders mostly come back in the list's order: the same
    // position is tried first, the orders by ID only when it holds another.
    std::unordered_map<std::string_view, std::size_t> byId;
    const auto storedRow = [&](std::size_t r, std::string_view id) -> std::optional<std::size_t> {
        if (r < stored.rows() && orderValue(stored, r, order::ID) == id) return r;
        if (byId.empty())
            for (std::size_t s = 0; s < stored.rows(); ++s) byId.emplace(orderValue(stored, s, order::ID), s);
        const auto found = byId.find(id);
        if (found == byId.end()) return std::nullopt;
        return found->second;
    };

    TreasuryFileInput& input = batch.input;
    input.AGFAJL.reserve(lines.size());
    batch.ids.reserve(lines.size());
    for (std::size_t r = 0; r < lines.size(); ++r) {
        const auto line = static_cast<std::size_t>(lines[r] - 1);
        const std::string_view id = orderValue(shown, line, order::ID);
        const auto found = storedRow(r, id);
        if (!found) return {vocab::CPORNALOGNEPOSTOI + orderLabel(shown, line), {}, {}};
        if (!sameRow(shown, line, stored, *found, amountWidth, scratch))
            return {vocab::CPORNALOGIZMENET + orderLabel(shown, line), {}, {}};
        input.AGFAJL.push_back(
            overviewRow(stored, *found, static_cast<int>(r) + 1, payer.MDANOCENBROJ, orderLabel(shown, line)));
        batch.ids.emplace_back(id);
    }
    input.DDATANAPODNESUVANJE = submissionDate;
    input.DDATANAOBRABOTKA = processingDate;
    input.LODBITOCI = true;
    if (!input.AGFAJL.empty()) input.CSMETKAZADOLZUVA = input.AGFAJL.back()[RowValue::debitAccount];
    input.payer = payer;
    return batch;
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
