#pragma once
// The order specification: the printed list "СПЕЦИФИКАЦИЈА НА НАЛОЗИ" that
// accompanies every treasury order file. Built here as a print document, pure;
// PRINTSPECIFIKACIJA shows it through the print preview.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/print/document.h"
#include "treasury/order_row.h"

namespace treasury {

// One entry of the list (ASPECIFIKACIJA): in mode N one row, in mode P the
// rows that go to one bank with the same accounts, programme and purpose.
struct SpecificationEntry {
    std::string bank;  // first 3 bytes of the recipient account
    std::string expenditureKonto;
    std::string debitProgramme;
    std::string form;
    std::string purpose;  // mode N: back in Cyrillic letters
    std::string revenueKonto;
    std::string method;
    std::string recipientAccount;
    std::string recipientSubAccount;
    std::string recipientName;  // mode N only: back in Cyrillic letters
    std::string taxNumber;
    std::string reference;  // mode N only
    std::string debitSubAccount;
    int count = 1;            // mode P: rows gathered
    std::int64_t amount = 0;  // cents: the sum of the entry's rows
};

std::vector<SpecificationEntry> specificationEntries(Mode mode, const std::vector<TreasuryOrderRow>& rows);

// How wide a text is on paper, in mm (print::textWidth; tests give their own).
using TextWidth = std::function<double(std::string_view, const print::Font&)>;

// The pages for the default printer in landscape: a page head on every page,
// 10 entries of mode P or 15 of mode N per page, the closing block below the
// last entry. `fileName` is the file written, named in every page head with
// its folder, or without it when the page number would then leave the paper.
// Each page is made when it is asked for, from `input`, which must outlive
// the document.
print::Document specificationDocument(Mode mode, const TreasuryFileInput& input, const std::string& fileName,
                                      const TextWidth& width);

// Shows the order specification of a written batch in the print preview; returns
// when the preview closes.
void PRINTSPECIFIKACIJA(Mode mode, const TreasuryFileInput& input);

}  // namespace treasury
