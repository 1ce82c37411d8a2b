#pragma once
// The employee transfer: every recipient, recipient giro account and payment
// item replaced, in one transaction, by one of each for every employee of
// the payroll table who worked more than half of the year.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "payments/payroll.h"

struct sqlite3;

namespace payments {

// What every new payment item gets: the typed amounts (whole denars) and the
// payer giro account it is paid from.
struct TransferItem {
    std::int64_t bruto = 0, danok = 0, neto = 0;
    std::string payerAccountId;
};

// The statements of one transferred employee; `employee` is the employee's
// first record.
std::string recipientInsert(const Employment& employee, const std::string& opstiniId);
std::string recipientAccountInsert(const std::string& recipientId, const std::string& account);
std::string transferredItemInsert(const TransferItem& item, const std::string& recipientAccountId);

// The ID of the first row of `table` whose `column` equals `value`; empty
// when there is none.
std::string NAJDICID(sqlite3* db, const std::string& table, const std::string& column, const std::string& value);

// The code-table rows every new item names (revenue type 28, sub-revenue 49,
// calculation type 1, payment type 1) and the chosen payer account: the
// message naming the first one the database lacks, or an empty one when they
// could not be read (the database layer has shown why). No operation creates them.
std::optional<std::string> missingFixedRow(sqlite3* db, const std::string& payerAccountId);

// Empties Transakcii, PrimaciZiroSmetki and Primaci and fills them from the
// payroll records (in MAT_RAB order), counting days in `year`, ending with
// "COMMIT;". Any failure rolls everything back after its message (a failed
// commit with one of the transfer's own beside SQLite's); success shows
// "Префрлањето успешно!". Records without an employee who worked more than
// half the year change nothing: refused with a message before the tables are
// touched. Returns whether it was committed.
bool PREFRLI(sqlite3* db, const std::vector<Employment>& records, const TransferItem& item, int year);

}  // namespace payments
