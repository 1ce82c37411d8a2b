#pragma once
// The checks of the register edit windows, in the order their saves run them,
// and the tables whose rows keep a code-table row from being deleted.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/edit_checks.h"
#include "registers/code_table_sql.h"
#include "registers/revenue_sql.h"
#include "shell/refusal.h"

namespace registers {

// The first check the record fails, with the box it is about: the window's
// box names are `boxes` followed by the column ("txtPotprihodi" + "Sifra").
// Nothing when it passes; a text of blanks only counts as empty.
std::optional<shell::Refusal> codeRowRefusal(const CodeRow& row, std::string_view boxes);
std::optional<shell::Refusal> revenueTypeRefusal(const RevenueType& type, std::string_view boxes);
std::optional<shell::Refusal> subRevenueRefusal(const SubRevenue& sub, std::string_view boxes);

// The references checked before a code table's rows are deleted: the table the
// menu names, and for the municipalities also the payers, whose municipality
// completes the personal-tax account of their treasury files.
std::vector<listkit::ReferenceCheck> codeTableReferences(const std::string& table, const std::string& refTable,
                                                         const std::string& refColumn, const std::string& message);

}  // namespace registers
