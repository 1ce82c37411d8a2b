#pragma once
// The treasury orders overview's batch: the selected orders, read again from
// the table by their IDs, as treasury order rows for the file writer, and the
// statements that set them submitted once the file is written.
#include <optional>
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "registers/current_payer.h"
#include "shell/row_changes.h"
#include "treasury/order_row.h"

struct sqlite3;

namespace treasury {

// The stored orders of the IDs, in the base query's form.
std::string storedOrdersQuery(const std::vector<std::string>& ids);

// The treasury order row of one stored order (a row of the base query as
// stored): its texts trimmed, in Latin letters and cut to their widths (the
// writer pads them); forms 80 and 94 carry the first 13 bytes of their payment
// reference as tax number, every other form the payer's tax number. Every
// value but the label is written over `r`, whose room it reuses.
void overviewRow(const ui::TextTable& stored, std::size_t row, int sequence, const std::string& payerTaxNumber,
                 TreasuryOrderRow& r);

struct OverviewBatch {
    std::optional<std::string> refusal;  // the message that stops the action; then nothing else
    TreasuryFileInput input;             // the batch for NAPRAVIFAJL(Mode::N, ...)
    std::vector<std::string> ids;        // the orders of the rows, in file order
};

// The batch of the selected lines (1-based, in grid order) of the list as
// shown, built from the stored orders. An order no longer stored, or stored
// otherwise than shown (edited, submitted or moved since the list was
// loaded), refuses the batch naming it; so does a selection of more orders
// than one file holds.
OverviewBatch overviewBatch(const ui::TextTable& shown, const std::vector<int>& lines, const ui::TextTable& stored,
                            const registers::CurrentPayer& payer, const std::string& submissionDate,
                            const std::string& processingDate);
// The same batch from the stored orders as the database gives them, taken one
// at a time, so that they are never held beside the batch. A stored value the
// file cannot carry refuses it before any other order; orders that could not
// be read at all refuse it with an empty message (the database layer has said why).
OverviewBatch storedOverviewBatch(sqlite3* db, const ui::TextTable& shown, const std::vector<int>& lines,
                                  const registers::CurrentPayer& payer, const std::string& submissionDate,
                                  const std::string& processingDate);

// The orders set submitted on the date: one update per order, by its ID.
shell::RowChange submissionChange(const std::vector<std::string>& ids, const std::string& submissionDate);

}  // namespace treasury
