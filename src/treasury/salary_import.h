#pragma once
// The salary import's batch: the treasury order rows of the four salary files
// and the typed interest amounts, checked whole before anything is written.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "treasury/order_row.h"

namespace treasury {

// The four files in the order their rows are made.
enum SalaryFile { PLATI, PERSONALEN, PRIDONESI, ODBITOCI };
// The typed interest amounts: the four contributions in the order of a
// contributions group's lines, then the personal tax.
enum Interest { KAMATAPIO, KAMATAZDRAVSTVO, KAMATADOPZDRAVSTVO, KAMATAVRABOTUVANJE, KAMATAPD };

struct SalaryFileChoice {
    std::string path;
    bool chosen = false;  // only the file dialog sets it
};

// What the import window holds when it is confirmed.
struct SalaryImport {
    std::array<SalaryFileChoice, 4> files;  // by SalaryFile
    std::string month;                      // "mm.yyyy"
    std::string submissionDate;             // yyyymmdd
    std::string processingDate;             // yyyymmdd
    std::array<std::string, 5> interest;    // by Interest, the boxes' texts: whole denars, blank for none
    std::string folio;
    registers::CurrentPayer payer;
    std::string treasuryAccountRM;    // MTREZORSKASMETKANARM
    std::string treasuryAccountFZOM;  // MTREZORSKASMETKANAFZOM
};

struct SalaryBatch {
    std::optional<std::string> refusal;  // the message that stops the import; then no rows
    TreasuryFileInput input;             // the batch for NAPRAVIFAJL(Mode::P, ...)
};

// An interest box's text as cents: a whole number of up to 7 digits, blanks
// around it allowed, blank meaning 0; nothing for anything else.
std::optional<std::int64_t> interestCents(std::string_view typed);

// Reads the chosen files and builds the batch. Refused, with nothing built:
// a month that is not valid or has no four-digit year, a payer of neither
// treasury kind, an interest that is not a whole number of up to 7 digits
// (naming its box), a chosen file that cannot be read or is no regular file,
// a line that is too long, is not UTF-8 or has fewer fields than its file
// needs, an amount that is not a plain number, a file with more lines than a
// treasury file can take, files that give more rows than one treasury file
// holds, a contributions file whose line count is not a multiple of 8,
// and a personal-tax interest without a personal tax line to take its
// accounts from.
SalaryBatch salaryBatch(const SalaryImport& import);

}  // namespace treasury
