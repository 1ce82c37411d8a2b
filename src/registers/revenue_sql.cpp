#include "registers/revenue_sql.h"

#include "registers/statements.h"
#include "shell/sql1.h"

namespace registers {

namespace {
const char* const kId = "INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT";
}

std::string revenueTypeCreate() {
    return "CREATE TABLE IF NOT EXISTS TipoviPrihodi ( " +
           columnDefinitions({{"ID", kId},
                              {"Sifra", "CHAR(2) NOT NULL"},
                              {"Opis", "NVARCHAR(50) NOT NULL"},
                              {"UplatnaSmetkaZaPD1", "CHAR(18)"},
                              {"UplatnaSmetkaZaPD2", "CHAR(18)"},
                              {"Status", "INTEGER"},
                              {"KontaID", "INTEGER"},
                              {"ProgramaPrimac", "CHAR(2)"},
                              {"ProgresivnaStapka", "INTEGER"}}) +
           " );";
}

std::string revenueTypeLoad() {
    return " select tp.ID,  tp.Opis, tp.Sifra, k.Opis, k.Sifra, tp.ProgramaPrimac, tp.UplatnaSmetkaZaPD1, "
           "tp.UplatnaSmetkaZaPD2, tp.Status, tp.KontaID   from TipoviPrihodi as tp  LEFT OUTER JOIN Konta AS k ON "
           "tp.KontaID = k.ID  order by tp.ID";
}

std::string revenueTypeInsert(const RevenueType& t) {
    return " insert into TipoviPrihodi (Sifra, Opis, UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, Status, KontaID, "
           "ProgramaPrimac)  values ('" +
           quotedList({t.sifra, t.opis, t.uplatna1, t.uplatna2, std::to_string(t.status), t.kontaId, t.programa}) +
           "');";
}

std::string revenueTypeUpdate(const RevenueType& t, const std::string& id) {
    return " UPDATE TipoviPrihodi SET  Sifra = '" + shell::doubleQuotes(t.sifra) + "', " +
           assignments({{"Opis", t.opis},
                        {"UplatnaSmetkaZaPD1", t.uplatna1},
                        {"UplatnaSmetkaZaPD2", t.uplatna2},
                        {"Status", std::to_string(t.status)},
                        {"KontaID", t.kontaId},
                        {"ProgramaPrimac", t.programa}}) +
           " WHERE ID = " + shell::quoted(id) + ";";
}

std::string subRevenueCreate() {
    return "CREATE TABLE IF NOT EXISTS Potprihodi ( " +
           columnDefinitions({{"ID", kId},
                              {"Sifra", "CHAR(3) NOT NULL"},
                              {"Opis", "NVARCHAR(50) NOT NULL"},
                              {"ProcentOdbitoci", "INTEGER"},
                              {"SePlakjaPD", "INTEGER"},
                              {"Status", "INTEGER"},
                              {"TipoviPrihodiID", "INTEGER NOT NULL"},
                              {"UplatnaSmetkaZaPD1", "CHAR(18)"},
                              {"UplatnaSmetkaZaPD2", "CHAR(18)"},
                              {"KontaID", "INTEGER"},
                              {"ProgramaPrimac", "CHAR(2)"}}) +
           ",  FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID));";
}

std::string subRevenueLoad() {
    return " select pp.ID,  pp.Opis, pp.Sifra, tp.Opis, tp.Sifra, k.Opis, k.Sifra,  pp.ProcentOdbitoci, pp.SePlakjaPD, "
           "pp.Status, pp.ProgramaPrimac,  pp.UplatnaSmetkaZaPD1, pp.UplatnaSmetkaZaPD2,  pp.KontaID, "
           "pp.TipoviPrihodiID   from Potprihodi as pp  JOIN TipoviPrihodi AS tp ON pp.TipoviPrihodiID = tp.ID  LEFT "
           "OUTER JOIN Konta AS k ON pp.KontaID = k.ID  order by pp.ID";
}

std::string percentText(int percent) {
    std::string p = std::to_string(percent);
    return p.size() < 3 ? std::string(3 - p.size(), ' ') + p : p;
}

std::string subRevenueInsert(const SubRevenue& s) {
    return " insert into Potprihodi (Sifra, Opis, ProcentOdbitoci, SePlakjaPD, UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, "
           "Status, KontaID, ProgramaPrimac, TipoviPrihodiID)  values ('" +
           quotedList({s.sifra, s.opis, percentText(s.procentOdbitoci), s.sePlakjaPD ? "1" : "0", s.uplatna1, s.uplatna2,
                       std::to_string(s.status), s.kontaId, s.programa, s.tipoviPrihodiId}) +
           "');";
}

std::string subRevenueUpdate(const SubRevenue& s, const std::string& id) {
    return " UPDATE Potprihodi SET  Sifra = '" + shell::doubleQuotes(s.sifra) + "', " +
           assignments({{"Opis", s.opis},
                        {"ProcentOdbitoci", percentText(s.procentOdbitoci)},
                        {"SePlakjaPD", s.sePlakjaPD ? "1" : "0"},
                        {"UplatnaSmetkaZaPD1", s.uplatna1},
                        {"UplatnaSmetkaZaPD2", s.uplatna2},
                        {"Status", std::to_string(s.status)},
                        {"KontaID", s.kontaId},
                        {"ProgramaPrimac", s.programa},
                        {"TipoviPrihodiID", s.tipoviPrihodiId}}) +
           " WHERE ID = " + shell::quoted(id) + ";";
}

}  // namespace registers
