#include "payments/transakcii_sql.h"

#include <iterator>
#include <vector>

#include "payments/item_row.h"
#include "shell/layouts.h"
#include "shell/sql1.h"

namespace payments {

namespace {

const char* const COLUMNS[] = {"DatumNaPlacanje", "DatumPeriodOd",  "DatumPeriodDo",          "IznosAvans",
                               "IznosBruto",      "IznosOdbitoci",  "IznosDanok",             "IznosNeto",
                               "IznosDDV",        "BrojResenieDo",  "DatumResenieDo",         "Komentar",
                               "IsplakjaciZiroSmetkiID", "PrimaciZiroSmetkiID", "TipoviPrihodiID",
                               "PotprihodiID",    "TipoviKalkulaciiID", "TipoviPlacanjaID"};
static_assert(std::size(COLUMNS) == ITEMCOLUMNS);

}  // namespace

std::vector<std::string> savedItemValues(const ItemValues& v) {
    return {"",
            "",
            "",
            shownAmount(v.advance),
            shownAmount(v.gross),
            shownAmount(v.deductions),
            shownAmount(v.tax),
            shownAmount(v.net),
            shownAmount(v.vat),
            v.decisionNumber,
            v.decisionDate.empty() ? std::string(8, ' ') : v.decisionDate,
            v.note,
            v.payerAccountId,
            v.recipientAccountId,
            v.revenueTypeId,
            v.subRevenueId,
            v.calculationTypeId,
            v.paymentTypeId};
}

std::string itemInsert() {
    std::string names, parameters;
    for (std::size_t i = 0; i < ITEMCOLUMNS; ++i) {
        const std::string separator = i == 0 ? "" : ", ";
        names += separator + COLUMNS[i];
        parameters += separator + "?" + std::to_string(i + 1);
    }
    return "INSERT INTO Transakcii (" + names + ") VALUES (" + parameters + ")";
}

std::string itemListQuery(std::string_view payerId) {
    return layouts::STRTRANSAKCII + " WHERE iz.IsplakjaciID = " + shell::quoted(payerId);
}

const std::string RECIPIENTROWS =
    "select ID, TRIM(Prezime) || ' ' || TRIM(Ime) || ' ' || Mesto, DDVObvrznik from Primaci "
    "order by TRIM(Prezime) || ' ' || TRIM(Ime) || ' ' || Mesto";

std::string revenueTypeRows(bool activeOnly) {
    return activeOnly ? "select ID, Sifra, Opis, ProgresivnaStapka from TipoviPrihodi where Status = 1 order by ID"
                      : "select ID, Sifra, Opis, ProgresivnaStapka from TipoviPrihodi order by ID";
}

std::string subRevenueRows(std::string_view revenueTypeId) {
    return "select ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD from Potprihodi where TipoviPrihodiID = " +
           shell::quoted(revenueTypeId) + " order by Sifra";
}

const std::string CALCULATIONTYPEROWS = "select ID, Sifra, Opis from TipoviKalkulacii order by Sifra";
const std::string PAYMENTTYPEROWS = "select ID, Sifra, Opis from TipoviPlacanja order by Sifra";

std::string recipientOfAccount(std::string_view accountId) {
    return "SELECT PrimaciID, ID FROM PrimaciZiroSmetki WHERE ID = " + shell::quoted(accountId);
}

std::string itemSave(const ItemValues& item, std::string_view id) {
    const std::vector<std::string> values = savedItemValues(item);
    std::string names, quotedValues, assignments;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string separator = i == 0 ? "" : ", ";
        names += separator + COLUMNS[i];
        quotedValues += separator + shell::quoted(values[i]);
        assignments += separator + COLUMNS[i] + " = " + shell::quoted(values[i]);
    }
    if (id.empty()) return "INSERT INTO Transakcii (" + names + ") VALUES (" + quotedValues + ");";
    return "UPDATE Transakcii SET " + assignments + " WHERE ID = " + shell::quoted(id) + ";";
}

}  // namespace payments
