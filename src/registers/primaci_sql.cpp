#include "registers/primaci_sql.h"

#include <cstdlib>
#include <utility>

#include "registers/code_table_sql.h"
#include "registers/statements.h"
#include "shell/sql1.h"
#include "shell/udfs.h"
#include "shell/vocabulary.h"

namespace registers {

std::string recipientAccountRows(std::string_view recipientId) {
    return "SELECT ID, '', ZiroSmetka FROM PrimaciZiroSmetki WHERE PrimaciID = " + shell::quoted(recipientId) +
           " ORDER BY ID";
}

namespace {

std::vector<std::pair<std::string, std::string>> columns(const Recipient& r) {
    return {{"Ime", r.ime},
            {"Prezime", r.prezime},
            {"Adresa", r.adresa},
            {"AdresaBroj", r.adresaBroj},
            {"Mesto", r.mesto},
            {"OpstiniID", r.opstiniId},
            {"MaticenBroj", r.maticenBroj},
            {"EMBG", r.embg},
            {"EMail", r.email},
            {"DDVObvrznik", r.ddvObvrznik}};
}

// No index makes EMBG unique: the save refuses a filled one that another
// recipient holds.
bool embgTaken(sqlite3* db, const std::string& embg, const std::string& id) {
    if (shell::isBlank(embg)) return false;
    const auto rows =
        shell::SQL(db, "SELECT ID, EMBG FROM Primaci WHERE EMBG = '" + shell::doubleQuotes(embg) + "' ");
    return !rows.empty() && (id.empty() || rows.cell(0, 0) != id);
}

}  // namespace

std::vector<std::string> recipientCreateStatements() {
    return {codeTableCreate("Opstini"),
            " CREATE TABLE IF NOT EXISTS Primaci ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
            "Ime\tNVARCHAR(50) NOT NULL, Prezime\tNVARCHAR(50) NOT NULL, Adresa\tNVARCHAR(50), AdresaBroj\tNVARCHAR(10), Mesto NVARCHAR(50), "
            "MaticenBroj CHAR(8) NOT NULL,  EMBG CHAR(13) NOT NULL,  EMail VARCHAR(50),  OpstiniID INTEGER NOT NULL,  "
            "DDVObvrznik INTEGER NOT NULL  );",
            " CREATE TABLE IF NOT EXISTS PrimaciZiroSmetki (  ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
            "PrimaciID\tINTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(PrimaciID) REFERENCES "
            "Primaci(ID) ) ",
            "CREATE UNIQUE INDEX IF NOT EXISTS PrimaciZiroSmetki1 on PrimaciZiroSmetki (PrimaciID, ZiroSmetka) ;",
            "DROP INDEX IF EXISTS Primaci1 ;"};
}

std::string recipientList() {
    return " SELECT  p.ID, p.Ime, p.Prezime, p.Adresa, p.AdresaBroj, p.Mesto, o.Sifra, p.MaticenBroj, p.EMBG, "
           "p.EMail, p.DDVObvrznik, p.OpstiniID  FROM Primaci AS p  LEFT OUTER JOIN Opstini AS o ON "
           "p.OpstiniID = o.ID ";
}

void showRecipientTicks(ui::TextTable& rows) {
    for (std::size_t r = 0; r < rows.rows(); ++r)
        rows.setCell(r, 10, shell::CHKINTTOCH(std::atoll(std::string(rows.cell(r, 10)).c_str())));
}

const AccountTables& recipientAccounts() {
    static const AccountTables t{
        .table = "PrimaciZiroSmetki",
        .ownerColumn = "PrimaciID",
        .uses = {{"Transakcii", "PrimaciZiroSmetkiID", vocab::CPORNEBRISEPRIMACIZIROTRANSAKCII},
                 {"Nalozi", "PrimaciZiroSmetkiID", vocab::CPORNEBRISEPRIMACIZIRONALOZI}},
        .keepListed = true,
    };
    return t;
}

std::optional<shell::Refusal> recipientRefusal(sqlite3* db, const Recipient& r, const std::string& id) {
    using namespace vocab;
    using R = shell::Refusal;
    if (shell::isBlank(r.ime)) return R{CPORPRAZENIME, "txtPrimaciIme"};
    if (shell::isBlank(r.mesto)) return R{CPORPRAZENSEDISTE, "txtPrimaciSediste"};
    if (embgTaken(db, r.embg, id)) return R{CPORPRIMACDANOCENBROJVECPOSTOJI, "txtPrimaciDanocenBroj"};
    return std::nullopt;
}

std::string recipientInsert(const Recipient& r) {
    std::vector<std::string> values;
    for (const auto& c : columns(r)) values.push_back(c.second);
    return " INSERT INTO Primaci  (Ime, Prezime, Adresa, AdresaBroj, Mesto, OpstiniID, MaticenBroj, EMBG, EMail, "
           "DDVObvrznik ) VALUES  ('" +
           quotedList(values) + "');";
}

std::string recipientUpdate(const Recipient& r, const std::string& id) {
    return " UPDATE Primaci SET " + assignments(columns(r)) + " WHERE ID = " + shell::quoted(id) + ";";
}

RecordSave recipientSave(const Recipient& r, const std::string& id) {
    return {.insert = recipientInsert(r),
            .update = recipientUpdate(r, id),
            .lostMessage = vocab::CPORGRESKAZIROSMETKI,
            .foreignMessage = vocab::CPORPRIMACZIROVECPOSTOJI};
}

}  // namespace registers
