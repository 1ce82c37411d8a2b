#pragma once
// The statements of the payment items window and its edit window: the list of
// one payer's items, the lookups behind the edit window's combos and the save
// of one item.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"

namespace payments {

// Payers of the payer combo and the accounts of one payer, as every payer
// combo reads them.
using registers::PAYERROWS, registers::payerAccountRows;
// Every item paid from one of the payer's giro accounts, in any payment state.
std::string itemListQuery(std::string_view payerId);

// Lookups of the edit window; each row is the ID and two display parts, then
// what the calculation reads (the VAT flag, the progressive flag, the
// deduction percent and the personal-tax flag).
extern const std::string RECIPIENTROWS;
using registers::recipientAccountRows;
std::string revenueTypeRows(bool activeOnly);
std::string subRevenueRows(std::string_view revenueTypeId);
extern const std::string CALCULATIONTYPEROWS;
extern const std::string PAYMENTTYPEROWS;
// The recipient owning a giro account: PrimaciID, ID.
std::string recipientOfAccount(std::string_view accountId);

// The values one save writes, as the edit window read them.
struct ItemValues {
    std::int64_t advance = 0, gross = 0, deductions = 0, tax = 0, net = 0, vat = 0;
    std::string decisionNumber;
    std::string decisionDate;  // yyyymmdd, or empty when the item has none
    std::string note;
    std::string payerAccountId, recipientAccountId, revenueTypeId, subRevenueId, calculationTypeId, paymentTypeId;
};

// The values one save writes, in the order of the columns it writes them to.
inline constexpr std::size_t ITEMCOLUMNS = 18;
std::vector<std::string> savedItemValues(const ItemValues& item);
// The INSERT of a new item whose values are the parameters ?1 to ?18.
std::string itemInsert();

// The INSERT of a new item (empty `id`) or the UPDATE of item `id`. Either
// leaves the item unpaid with an empty period; every value is quoted, amounts
// right-aligned in 9 characters and a missing decision date as eight blanks.
std::string itemSave(const ItemValues& item, std::string_view id);

}  // namespace payments
