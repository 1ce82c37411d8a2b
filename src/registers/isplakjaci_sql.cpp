#include "registers/isplakjaci_sql.h"

#include <utility>

#include "platform/text/utf8.h"
#include "registers/code_table_sql.h"
#include "registers/statements.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"

namespace registers {

const std::string PAYERROWS =
    "select ID, ID, Naziv || ' ' || Sediste from Isplakjaci order by Naziv || ' ' || Sediste";

std::string payerAccountRows(std::string_view payerId) {
    return "SELECT ID, '', ZiroSmetka FROM IsplakjaciZiroSmetki WHERE IsplakjaciID = " + shell::quoted(payerId);
}

namespace {

using shell::doubleQuotes;

// The list's columns; the current payer takes the municipality's code where
// the list shows its description.
std::string payerQuery(const std::string& municipality) {
    return " SELECT  i.ID, i.Naziv, i.AdresaUlica, i.AdresaBroj, i.Sediste, i.MaticenBroj, i.DanocenBroj, i.EMail,  "
           "i.TrezorskaKancelarija, i.DvojazicenIspis, " +
           municipality +
           ", i.KratenkaInstitucija, i.VidNaTrezor, i.Programa, i.VidNaSlog, i.OpstiniID  FROM Isplakjaci AS i  LEFT "
           "OUTER JOIN Opstini AS o ON i.OpstiniID = o.ID ";
}

std::vector<std::pair<std::string, std::string>> columns(const Payer& p) {
    return {{"Naziv", p.naziv},
            {"AdresaUlica", p.adresaUlica},
            {"AdresaBroj", p.adresaBroj},
            {"Sediste", p.sediste},
            {"MaticenBroj", p.maticenBroj},
            {"DanocenBroj", p.danocenBroj},
            {"KratenkaInstitucija", p.kratenkaInstitucija},
            {"DvojazicenIspis", p.dvojazicenIspis},
            {"VidNaTrezor", p.vidNaTrezor},
            {"Programa", p.programa},
            {"VidNaSlog", p.vidNaSlog},
            {"OpstiniID", p.opstiniId},
            {"EMail", p.email},
            {"TrezorskaKancelarija", p.trezorskaKancelarija}};
}

bool taxNumberTaken(sqlite3* db, const std::string& taxNumber, const std::string& id) {
    const auto rows = shell::SQL(db, "SELECT ID, DanocenBroj FROM Isplakjaci WHERE DanocenBroj = '" +
                                         doubleQuotes(taxNumber) + "' ");
    return !rows.empty() && (id.empty() || rows.cell(0, 0) != id);
}

}  // namespace

std::vector<std::string> payerCreateStatements() {
    return {codeTableCreate("Opstini"),
            " CREATE TABLE IF NOT EXISTS Isplakjaci ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
            "Naziv\tNVARCHAR(50) NOT NULL, AdresaUlica\tNVARCHAR(50), AdresaBroj\tNVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) "
            "NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), "
            "DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), "
            "Programa CHAR(2), VidNaSlog CHAR(1)  );",
            "CREATE UNIQUE INDEX IF NOT EXISTS Isplakjaci1 on Isplakjaci (DanocenBroj) ;",
            " CREATE TABLE IF NOT EXISTS IsplakjaciZiroSmetki (  ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
            "IsplakjaciID\tINTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES "
            "Isplakjaci(ID) ) ",
            "CREATE UNIQUE INDEX IF NOT EXISTS IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;"};
}

std::string payerList() { return payerQuery("o.Opis"); }

const char* const MUNICIPALITYROWS = "select ID, Opis, Sifra from opstini order by Opis";

const AccountTables& payerAccounts() {
    static const AccountTables t{
        .table = "IsplakjaciZiroSmetki",
        .ownerColumn = "IsplakjaciID",
        .uses = {{"Transakcii", "IsplakjaciZiroSmetkiID", vocab::CPORNEBRISEISPLAKJACIZIROTRANSAKCII},
                 {"Nalozi", "IsplakjaciZiroSmetkiID", vocab::CPORNEBRISEISPLAKJACIZIRONALOZI}},
    };
    return t;
}

std::optional<shell::Refusal> payerRefusal(sqlite3* db, const Payer& p, const std::string& id) {
    using namespace vocab;
    const auto refused = [](const std::string& message, const char* column) {
        return shell::Refusal{message, std::string("txtIsplakjaci") + column};
    };
    if (p.naziv.empty()) return refused(CPORPRAZENNAZIV, "Naziv");
    if (p.sediste.empty()) return refused(CPORPRAZENSEDISTE, "Sediste");
    if (p.programa.empty()) return refused(CPORPRAZENPROGRAMA, "Programa");
    if (p.danocenBroj.empty()) return refused(CPORPRAZENDANOCENBROJ, "DanocenBroj");
    if (p.email.empty()) return refused(CPORPRAZENEMAIL, "EMail");
    if (taxNumberTaken(db, p.danocenBroj, id)) return refused(CPORISPLAKJACDANOCENBROJVECPOSTOJI, "DanocenBroj");
    if (p.kratenkaInstitucija.empty()) return refused(CPORPRAZENKRATENKANAINSTITUCIJA, "KratenkaInstitucija");
    // Bytes: it names the treasury order file, where a Cyrillic letter takes two.
    if (p.kratenkaInstitucija.size() != 3) return refused(CPORDOLZINAKRATENKANAINSTITUCIJA, "KratenkaInstitucija");
    return std::nullopt;
}

std::string payerInsert(const Payer& p) {
    std::vector<std::string> values;
    for (const auto& c : columns(p)) values.push_back(c.second);
    return " INSERT INTO Isplakjaci  (Naziv, AdresaUlica, AdresaBroj, Sediste, MaticenBroj, DanocenBroj, "
           "KratenkaInstitucija,  DvojazicenIspis, VidNaTrezor, Programa, VidNaSlog,  OpstiniID,  EMail,  "
           "TrezorskaKancelarija ) VALUES  ('" +
           quotedList(values) + "');";
}

std::string payerUpdate(const Payer& p, const std::string& id) {
    return " UPDATE Isplakjaci SET " + assignments(columns(p)) + " WHERE ID = " + shell::quoted(id) + ";";
}

RecordSave payerSave(const Payer& p, const std::string& id) {
    return {.insert = payerInsert(p),
            .update = payerUpdate(p, id),
            .lostMessage = vocab::CPORPROBLEMIPRIUPDATE,
            .foreignMessage = vocab::CPORISPLAKJACZIROVECPOSTOJI};
}

void ISPLAKJACICITAJ(sqlite3* db, const std::string& payerId, CurrentPayer& payer) {
    const auto rows = shell::SQL(db, payerQuery("o.Sifra") + " WHERE i.ID = '" + doubleQuotes(payerId) + "'");
    const auto value = [&](std::size_t column) { return rows.empty() ? std::string() : rows.at(0, column); };
    payer.MISPLAKJACINAZIV = value(1);
    payer.MISPLAKJACISEDISTE = value(4);
    payer.MDANOCENBROJ = utf8::fitBytes(value(6), CurrentPayer::taxNumberBytes);
    payer.MEMAIL = value(7);
    payer.MTREZORSKAKANCELARIJA = value(8);
    payer.MOPSTINAKOD = utf8::fitBytes(value(10), CurrentPayer::municipalityBytes);
    payer.MKRATENKAINSTITUCIJA = utf8::fitBytes(value(11), CurrentPayer::abbreviationBytes);
    payer.MVIDNATREZOR = utf8::fitBytes(value(12), CurrentPayer::treasuryKindBytes);
    payer.MPROGRAMAZADOLZUVA = utf8::fitBytes(value(13), CurrentPayer::programmeBytes);
}

void ISPLAKJACICITAJ(const std::string& payerId, CurrentPayer& payer) {
    ISPLAKJACICITAJ(shell::app().DB, payerId, payer);
}

}  // namespace registers
