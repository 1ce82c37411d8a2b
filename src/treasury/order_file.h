#pragma once
// The treasury order file, byte for byte: the header record, the detail
// records, the proposed file name with its batch digit, and the checks that
// refuse a batch before any dialog. Pure functions; NAPRAVIFAJL does the rest.
#include <optional>
#include <string>
#include <vector>

#include "platform/desktop/files.h"
#include "treasury/order_row.h"

namespace treasury {

// The record layout follows the payer's treasury kind.
enum class TreasuryKind {
    TRZ,  // state treasury: values 1 to 19
    FZM,  // health-fund treasury: values 1 to 18
};
// A text value as the file holds it: control characters (a line end in a
// purpose) as blanks, fitted to `width` bytes; with width 0 only cleaned.
std::string fieldText(std::string_view text, std::size_t width);
// The same, appended to `out`.
void appendField(std::string& out, std::string_view text, std::size_t width);

// From the first three bytes of the payer's kind; nothing for any other kind.
std::optional<TreasuryKind> treasuryKind(const registers::CurrentPayer& payer);

// "1", abbreviation, kind, processing date, batch digit, row count, total: 41 bytes.
std::string headerRecord(const TreasuryFileInput& input, char batchDigit);
// One row's values concatenated: 291 bytes (FZM), 299 bytes (TRZ, mode N) or
// 291 bytes and the free closing text (TRZ, mode P).
std::string detailRecord(const TreasuryOrderRow& row, TreasuryKind kind, Mode mode);
// The file: the header and every detail record, each ended by CR LF, handed
// to `out` in pieces of some 1 MB as they are made (few writes, little held);
// false when `out` refused one.
bool writeOrderFile(const TreasuryFileInput& input, TreasuryKind kind, Mode mode, char batchDigit,
                    const desktop::ByteSink& out);
// The same bytes whole.
std::string orderFile(const TreasuryFileInput& input, TreasuryKind kind, Mode mode, char batchDigit);

struct ProposedName {
    char batchDigit = '1';
    std::string name;  // "N" ddmmyy digit "." abbreviation
};
// The first name of the submission day ("yyyymmdd") that is not among the
// names already in the folder; nothing when all nine are taken.
std::optional<ProposedName> proposedName(const std::string& submissionDate, const std::string& abbreviation,
                                         const std::vector<std::string>& existingNames);

// The most detail records one file holds: its sequence numbers and the
// header's count have six digits.
inline constexpr std::size_t maxFileRows = 999'999;
// The message that refuses a batch of `rows` rows, or nothing; producers ask
// it before they build or store anything.
std::optional<std::string> batchSizeRefusal(std::size_t rows);

// The message that refuses the batch before the save dialog, or nothing: a
// payer kind other than TRZ or FZM, an abbreviation that cannot stand in a
// file name, more rows than the file holds, an amount below zero or beyond
// the file's digits (naming the order), a total beyond them.
std::optional<std::string> refusal(const TreasuryFileInput& input);

}  // namespace treasury
