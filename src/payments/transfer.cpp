#include "payments/transfer.h"

#include <sqlite3.h>

#include <unordered_map>

#include "payments/day_count.h"
#include "payments/item_row.h"
#include "platform/ui/ui.h"
#include "shell/sql1.h"
#include "shell/statement.h"
#include "shell/udfs.h"
#include "shell/transliteration.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

const std::string nobodyToTransfer =
    "Во датотеката за работниците нема ниту еден работник со повеќе од 182 работни дена оваа година: "
    "ништо не е префрлено ниту избришано.";
const std::string transferNotCommitted = "Префрлањето неуспешно: ништо не е променето!";

struct FixedRow {
    const char* table;
    const char* what;
    std::string id;
};

// The inserts of one transferred employee, prepared once for all of them;
// their values are bound as texts, as the quoted values of the stored rows are.
const char* const recipientInsert =
    "insert into Primaci  (Ime, Prezime, Adresa, Mesto, OpstiniID, EMBG, DDVObvrznik, MaticenBroj)  values  "
    "(?1, ?2, ?3, '', ?4, ?5, 0, '0000000');";
const char* const recipientAccountInsert =
    "insert into PrimaciZiroSmetki  (PrimaciID, ZiroSmetka)  values  (?1, ?2);";
const char* const transferredItemInsert =
    "insert into Transakcii  (DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto, "
    "IznosOdbitoci, IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar, "
    "IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, "
    "TipoviPlacanjaID)  values  ('', '', '', '0', ?1, '0', ?2, ?3, '0', '', '', '', ?4, ?5, '28', '49', '1', '1');";

// A text value as C2SQL writes it: a blank text as the empty one.
std::string_view textValue(const std::string& text) { return shell::isBlank(text) ? std::string_view() : text; }

}  // namespace

std::string NAJDICID(sqlite3* db, const std::string& table, const std::string& column, const std::string& value) {
    const auto rows = shell::SQL(db, "SELECT ID, " + column + " FROM " + table + " WHERE " + column + " = '" +
                                         shell::doubleQuotes(value) + "'");
    return rows.empty() ? std::string() : std::string(rows.cell(0, 0));
}

std::unordered_map<std::string, std::string> municipalityIds(sqlite3* db) {
    std::unordered_map<std::string, std::string> ids;
    // A database without municipalities gives every recipient an empty one.
    if (!shell::tableExists(db, "Opstini")) return ids;
    // Should a foreign database repeat a code, its first row stands, as NAJDICID finds it.
    const auto rows = shell::SQL(db, "SELECT ID, Sifra FROM Opstini ORDER BY ID");
    for (std::size_t r = 0; r < rows.rows(); ++r) ids.emplace(rows.cell(r, 1), rows.cell(r, 0));
    return ids;
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
    shell::Statement recipients(db, recipientInsert), accounts(db, recipientAccountInsert),
        items(db, transferredItemInsert);
    if (!recipients.ready() || !accounts.ready() || !items.ready()) return false;
    const std::string bruto = shownAmount(item.bruto), danok = shownAmount(item.danok), neto = shownAmount(item.neto);
    const auto municipality = municipalityIds(db);
    for (const Employment* employee : employees) {
        const auto found = municipality.find(employee->opsRab);
        const std::string_view opstiniId = found == municipality.end() ? std::string_view() : found->second;
        const std::string ime = shell::KONVKIR(employee->imeRab), prezime = shell::KONVKIR(employee->przRab);
        if (!transaction.run(recipients,
                             {ime, prezime, textValue(employee->adrRab), opstiniId, textValue(employee->matRab)}))
            return false;
        const std::string recipientId = std::to_string(sqlite3_last_insert_rowid(db));
        if (!transaction.run(accounts, {recipientId, employee->kartRab})) return false;
        const std::string accountId = std::to_string(sqlite3_last_insert_rowid(db));
        if (!transaction.run(items, {bruto, danok, neto, item.payerAccountId, accountId})) return false;
    }
    if (!transaction.commit("COMMIT;")) {
        ui::msgPlain(transferNotCommitted);
        return false;
    }
    ui::msgPlain("Префрлањето успешно!");
    return true;
}

}  // namespace payments
