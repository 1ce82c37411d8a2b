#pragma once
// The salary import's batch: the treasury order rows of the four salary files
// and the typed interest amounts, checked whole before anything is written.
#include <array>
#include <optional>
#include <string>

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
    std::array<double, 5> interest{};       // by Interest, whole numbers as typed
    std::string folio;
    registers::CurrentPayer payer;
    std::string treasuryAccountRM;    // MTREZORSKASMETKANARM
    std::string treasuryAccountFZOM;  // MTREZORSKASMETKANAFZOM
};

struct SalaryBatch {
    std::optional<std::string> refusal;  // the message that stops the import; then no rows
    TreasuryFileInput input;             // the batch for NAPRAVIFAJL(Mode::P, ...)
};

// Reads the chosen files and builds the batch. Refused, with nothing built:
// a month that is not valid, a payer of neither treasury kind, a chosen file
// that cannot be read, a line with fewer fields than its file needs, an amount
// that is not a plain number, a contributions file whose line count is not a
// multiple of 8, and a personal-tax interest without a personal tax line to
// take its accounts from.
SalaryBatch salaryBatch(const SalaryImport& import);

}  // namespace treasury
