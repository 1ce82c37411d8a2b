#pragma once
// The checks of the register edit windows, in the order their saves run them,
// and the tables whose rows keep a code-table row from being deleted.
#include <optional>
#include <string>
#include <vector>

#include "listkit/edit_checks.h"
#include "registers/code_table_sql.h"
#include "registers/revenue_sql.h"

namespace registers {

// The message of the first check the record fails; nothing when it passes.
// A text of blanks only counts as empty.
std::optional<std::string> codeRowRefusal(const CodeRow& row);
std::optional<std::string> revenueTypeRefusal(const RevenueType& type);
std::optional<std::string> subRevenueRefusal(const SubRevenue& sub);

// The references checked before a code table's rows are deleted: the table the
// menu names, and for the municipalities also the payers, whose municipality
// completes the personal-tax account of their treasury files.
std::vector<listkit::ReferenceCheck> codeTableReferences(const std::string& table, const std::string& refTable,
                                                         const std::string& refColumn, const std::string& message);

}  // namespace registers
