#include "payments/transfer.h"

#include <sqlite3.h>

#include "payments/day_count.h"
#include "payments/item_row.h"
#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/transliteration.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

using shell::C2SQL;

// An amount as statements write it: right-aligned in 9 characters, quoted.
std::string amount9(std::int64_t amount) { return "'" + shownAmount(amount) + "'"; }

const std::string nobodyToTransfer =
    "Во датотеката за работниците нема ниту еден работник со повеќе од 182 работни дена оваа година: "
    "ништо не е префрлено ниту избришано.";
const std::string transferNotCommitted = "Префрлањето неуспешно: ништо не е променето!";

struct FixedRow {
    const char* table;
    const char* what;
    std::string id;
};

}  // namespace

std::string recipientInsert(const Employment& e, const std::string& opstiniId) {
    return "insert into Primaci  (Ime, Prezime, Adresa, Mesto, OpstiniID, EMBG, DDVObvrznik, MaticenBroj)  values  (" +
           C2SQL(shell::KONVKIR(e.imeRab)) + ", " + C2SQL(shell::KONVKIR(e.przRab)) + ", " + C2SQL(e.adrRab) +
           ", '', " + C2SQL(opstiniId) + ", " + C2SQL(e.matRab) + ", 0, '0000000');";
}

std::string recipientAccountInsert(const std::string& recipientId, const std::string& account) {
    return "insert into PrimaciZiroSmetki  (PrimaciID, ZiroSmetka)  values  (" + shell::quoted(recipientId) + ", '" +
           shell::doubleQuotes(account) + "');";
}

std::string transferredItemInsert(const TransferItem& item, const std::string& recipientAccountId) {
    return "insert into Transakcii  (DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto, "
           "IznosOdbitoci, IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar, "
           "IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, "
           "TipoviPlacanjaID)  values  ('', '', '', '0', " +
           amount9(item.bruto) + ", '0', " + amount9(item.danok) + ", " + amount9(item.neto) + ", '0', '', '', '', " +
           shell::quoted(item.payerAccountId) + ", " + shell::quoted(recipientAccountId) + ", '28', '49', '1', '1');";
}

std::string NAJDICID(sqlite3* db, const std::string& table, const std::string& column, const std::string& value) {
    const auto rows = shell::SQL(db, "SELECT ID, " + column + " FROM " + table + " WHERE " + column + " = '" +
                                         shell::doubleQuotes(value) + "'");
    return rows.empty() ? std::string() : std::string(rows.cell(0, 0));
}

std::optional<std::string> missingFixedRow(sqlite3* db, const std::string& payerAccountId) {
    const FixedRow rows[] = {
        {"TipoviPrihodi", "вид на приход", "28"},
        {"Potprihodi", "потприход", "49"},
        {"TipoviKalkulacii", "тип на калкулација", "1"},
        {"TipoviPlacanja", "тип на плаќање", "1"},
        {"IsplakjaciZiroSmetki", "жиро сметка на исплаќачот", payerAccountId},
    };
    for (const FixedRow& r : rows) {
        // A read that failed (a locked file) is no missing row: the database
        // layer has shown SQLite's reason, and nothing more is said.
        const std::optional<bool> table = shell::findTable(db, r.table);
        if (!table) return std::string();
        bool present = *table;
        if (present) {
            const shell::QueryResult found =
                shell::query(db, std::string("SELECT ID FROM ") + r.table + " WHERE ID = " + shell::quoted(r.id));
            if (!found.ok) return std::string();
            present = !found.rows.empty();
        }
        if (!present)
            return std::string("Префрлањето не може да се направи: во базата не постои ") + r.what + " со ID " + r.id +
                   "!";
    }
    return std::nullopt;
}

bool PREFRLI(sqlite3* db, const std::vector<Employment>& records, const TransferItem& item, int year) {
    // The employees who are transferred, each by the first of its records.
    std::vector<const Employment*> employees;
    for (std::size_t current = 0; current < records.size();) {
        const Employment& employee = records[current];
        if (workedHalfYear(PRESMETAJDENOVI(records, current, employee.matRab, year))) employees.push_back(&employee);
    }
    // The tables are emptied only to be refilled: with nobody to transfer
    // (a table without records, or none who worked half the year) nothing goes.
    if (employees.empty()) {
        ui::msgInfo(nobodyToTransfer, vocab::CPORGRESKA);
        return false;
    }
    shell::Transaction transaction(db);
    if (!transaction.open()) {
        ui::msgPlain("Бришењето неуспешно!");
        return false;
    }
    for (const char* table : {"Transakcii", "PrimaciZiroSmetki", "Primaci"}) {
        if (!transaction.run(std::string("delete from ") + table)) {
            ui::msgPlain(std::string("Проблеми при бришење од табелата") + table + "!");
            return false;
        }
    }
    // A database without municipalities gives every recipient an empty one.
    const bool municipalities = shell::tableExists(db, "Opstini");
    for (const Employment* employee : employees) {
        const std::string opstiniId = municipalities ? NAJDICID(db, "Opstini", "Sifra", employee->opsRab) : "";
        if (!transaction.run(recipientInsert(*employee, opstiniId))) return false;
        const std::string recipientId = std::to_string(sqlite3_last_insert_rowid(db));
        if (!transaction.run(recipientAccountInsert(recipientId, employee->kartRab))) return false;
        const std::string accountId = std::to_string(sqlite3_last_insert_rowid(db));
        if (!transaction.run(transferredItemInsert(item, accountId))) return false;
    }
    if (!transaction.commit("COMMIT;")) {
        ui::msgPlain(transferNotCommitted);
        return false;
    }
    ui::msgPlain("Префрлањето успешно!");
    return true;
}

}  // namespace payments
