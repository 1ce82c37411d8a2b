#pragma once
// The values of a payment item row (36, as the base query of payment items
// yields them), numbered from 1 as the row numbers them.
#include <cstddef>
#include <string>

#include "platform/text/text_table.h"

namespace payments {

namespace item {
enum Value : std::size_t {
    ID = 1,
    paymentDate = 2,
    periodFrom = 3,
    periodTo = 4,
    payerAccount = 5,
    revenueTypeCode = 7,
    subRevenueCode = 9,
    paymentTypeCode = 11,
    firstName = 12,
    surname = 13,
    embg = 14,
    municipalityCode = 15,
    recipientAccount = 16,
    advance = 17,
    gross = 18,
    deductions = 19,
    tax = 20,
    net = 21,
    vat = 22,
    decisionNumber = 23,
    decisionDate = 24,
    note = 25,
    payerAccountId = 26,
    recipientAccountId = 27,
    revenueTypeId = 28,
    subRevenueId = 29,
    calculationTypeId = 30,
    paymentTypeId = 31,
    recipientId = 32,
    revenueKonto = 33,
    recipientProgramme = 34,
    taxAccountPart1 = 35,
    taxAccountPart2 = 36,
};
}  // namespace item

inline std::string_view itemValue(const ui::TextTable& rows, std::size_t row, item::Value v) {
    return rows.cell(row, v - 1);
}

// How a message names an item: its ID and its recipient, "12 Ана Петрова".
std::string itemLabel(const ui::TextTable& rows, std::size_t row);

}  // namespace payments
