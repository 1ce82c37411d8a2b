#include "shell/parametri_sql.h"

#include <sqlite3.h>

#include <array>
#include <charconv>

#include "shell/app_state.h"
#include "shell/database_file.h"
#include "shell/sql1.h"

namespace shell {

namespace {

constexpr std::array<const char*, 10> COLUMNS = {
    "TrezorskaSmetkaNaRM", "TrezorskaSmetkaNaFZOM", "PodsmetkaGotovinaNaRM", "PodsmetkaGotovinaNaFZOM",
    "KontoGotovinaNaRM",   "KontoGotovinaNaFZOM",   "ProcentZaPD",           "UplatnaSmetkaZaPD1",
    "UplatnaSmetkaZaPD2",  "ProcentZaDDV"};

// The ten values as they are written, in column order, each between quotes.
std::array<std::string, 10> literals(const TreasuryParameters& p) {
    return {quoted(p.trezorskaSmetkaNaRM),   quoted(p.trezorskaSmetkaNaFZOM), quoted(p.podsmetkaGotovinaNaRM),
            quoted(p.podsmetkaGotovinaNaFZOM), quoted(p.kontoGotovinaNaRM),   quoted(p.kontoGotovinaNaFZOM),
            quoted(C2SQL(p.procentZaPD)),    quoted(p.uplatnaSmetkaZaPD1),    quoted(p.uplatnaSmetkaZaPD2),
            quoted(C2SQL(p.procentZaDDV))};
}

}  // namespace

namespace {
std::string createStatement(std::string_view gapBeforeUplatnaSmetkaZaPD1) {
    return "CREATE TABLE IF NOT EXISTS Parametri ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
           "TrezorskaSmetkaNaRM\tCHAR(18), TrezorskaSmetkaNaFZOM\tCHAR(18), PodsmetkaGotovinaNaRM\tCHAR(18), "
           "PodsmetkaGotovinaNaFZOM\tCHAR(18), KontoGotovinaNaRM\tCHAR(6), KontoGotovinaNaFZOM\tCHAR(6), "
           "ProcentZaPD\tNUMERIC(2, 0)," +
           std::string(gapBeforeUplatnaSmetkaZaPD1) +
           "UplatnaSmetkaZaPD1\tCHAR(18), UplatnaSmetkaZaPD2\tCHAR(18), ProcentZaDDV\tNUMERIC(2, 0));";
}
}  // namespace

const std::string PARAMETRICREATE = createStatement(" ");
const std::string PARAMETRICREATEWINDOW = createStatement("  ");

const std::string PARAMETRISELECT =
    " select TrezorskaSmetkaNaRM, TrezorskaSmetkaNaFZOM, PodsmetkaGotovinaNaRM, PodsmetkaGotovinaNaFZOM,  "
    "KontoGotovinaNaRM, KontoGotovinaNaFZOM, ProcentZaPD, UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, ProcentZaDDV "
    "from Parametri";

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '+') ++i;
    double value = 0;
    const auto r = std::from_chars(text.data() + i, text.data() + text.size(), value, std::chars_format::fixed);
    return r.ec == std::errc() ? value : 0;
}

TreasuryParameters parametersOfRow(const ui::TextTable& rows, std::size_t row) {
    const auto text = [&](std::size_t c) { return rows.at(row, c); };
    return {text(0), text(1), text(2), text(3), text(4), text(5), leadingNumber(text(6)),
            text(7), text(8), leadingNumber(text(9))};
}

std::string parametriInsert(const TreasuryParameters& p) {
    const auto values = literals(p);
    std::string columns, list;
    for (std::size_t i = 0; i < COLUMNS.size(); ++i) {
        columns += (i ? ", " : "") + std::string(COLUMNS[i]);
        list += (i ? ", " : "") + values[i];
    }
    return "insert into Parametri (" + columns + ") values (" + list + ");";
}

std::string parametriUpdate(const TreasuryParameters& p) {
    const auto values = literals(p);
    std::string sets;
    for (std::size_t i = 0; i < COLUMNS.size(); ++i)
        sets += (i ? ", " : "") + std::string(COLUMNS[i]) + " = " + values[i];
    return "update Parametri set " + sets + ";";
}

TreasuryParameters loadParameters(sqlite3* db) {
    const TreasuryParameters defaults;
    // A read-only database is taken as it is: start-up has already said why
    // nothing can be added to it.
    const bool fixed = readOnly(db);
    if (fixed && !tableExists(db, "Parametri")) return defaults;
    if (!fixed) MISCSQL1(db, PARAMETRICREATE);
    const QueryResult r = query(db, PARAMETRISELECT);
    if (r.ok && !r.rows.empty()) return parametersOfRow(r.rows, 0);
    if (r.ok && !fixed) MISCSQL1(db, parametriInsert(defaults));
    return defaults;
}

bool storeParameters(sqlite3* db, const TreasuryParameters& p) {
    if (!MISCSQL1(db, parametriUpdate(p))) return false;
    return sqlite3_changes(db) > 0 || MISCSQL1(db, parametriInsert(p));
}

TreasuryParameters parametersOf(const AppState& a) {
    return {a.MTREZORSKASMETKANARM, a.MTREZORSKASMETKANAFZOM, a.MPODSMETKAGOTOVINANARM, a.MPODSMETKAGOTOVINANAFZOM,
            a.MKONTOGOTOVINANARM,   a.MKONTOGOTOVINANAFZOM,   a.MPROCENTZAPD,           a.MUPLATNASMETKAZAPD1,
            a.MUPLATNASMETKAZAPD2,  a.MPROCENTZADDV};
}

void setParameters(AppState& a, const TreasuryParameters& p) {
    a.MTREZORSKASMETKANARM = p.trezorskaSmetkaNaRM;
    a.MTREZORSKASMETKANAFZOM = p.trezorskaSmetkaNaFZOM;
    a.MPODSMETKAGOTOVINANARM = p.podsmetkaGotovinaNaRM;
    a.MPODSMETKAGOTOVINANAFZOM = p.podsmetkaGotovinaNaFZOM;
    a.MKONTOGOTOVINANARM = p.kontoGotovinaNaRM;
    a.MKONTOGOTOVINANAFZOM = p.kontoGotovinaNaFZOM;
    a.MPROCENTZAPD = p.procentZaPD;
    a.MUPLATNASMETKAZAPD1 = p.uplatnaSmetkaZaPD1;
    a.MUPLATNASMETKAZAPD2 = p.uplatnaSmetkaZaPD2;
    a.MPROCENTZADDV = p.procentZaDDV;
}

}  // namespace shell
