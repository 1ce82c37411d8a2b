#include "payments/transakcii_table.h"

namespace payments {

std::string transakciiCreate() {
    return "CREATE TABLE IF NOT EXISTS Transakcii ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
           "DatumNaPlacanje CHAR(8), DatumPeriodOd CHAR(8), DatumPeriodDo CHAR(8), IznosAvans INTEGER, "
           "IznosBruto INTEGER NOT NULL, IznosOdbitoci INTEGER, IznosDanok INTEGER, IznosNeto INTEGER, "
           "IznosDDV INTEGER, BrojResenieDo TEXT, DatumResenieDo CHAR(8), Komentar TEXT, "
           "IsplakjaciZiroSmetkiID INTEGER NOT NULL, PrimaciZiroSmetkiID INTEGER NOT NULL, "
           "TipoviPrihodiID INTEGER NOT NULL, PotprihodiID INTEGER, TipoviKalkulaciiID INTEGER NOT NULL, "
           "TipoviPlacanjaID INTEGER NOT NULL, "
           "FOREIGN KEY(IsplakjaciZiroSmetkiID) REFERENCES IsplakjaciZiroSmetki(ID) "
           "FOREIGN KEY(PrimaciZiroSmetkiID) REFERENCES PrimaciZiroSmetki(ID) "
           "FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID) "
           "FOREIGN KEY(TipoviKalkulaciiID) REFERENCES TipoviKalkulacii(ID) "
           "FOREIGN KEY(TipoviPlacanjaID) REFERENCES TipoviPlacanja(ID) );";
}

}  // namespace payments
