#include "treasury/nalozi_table.h"

namespace treasury {

std::string naloziCreate() {
    return "CREATE TABLE IF NOT EXISTS Nalozi ( ID\tINTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, "
           "DatumNaPodnesuvanje CHAR(8), DatumNaDospeanost CHAR(8) NOT NULL, SmetkaZadolzuva CHAR(15) NOT NULL, "
           "PodsmetkaZadolzuva CHAR(15), KontoZadolzuva CHAR(6) NOT NULL, ProgramaZadolzuva CHAR(2) NOT NULL, "
           "CelNaDoznaka CHAR(70), TrezorskaKancelarija CHAR(6), Iznos NUMERIC(19,2) NOT NULL, "
           "SmetkaPrimac CHAR(18) NOT NULL, NazivPrimac CHAR(70) NOT NULL, PodsmetkaPrimac CHAR(15) NOT NULL, "
           "KontoPrimac CHAR(6), ProgramaPrimac CHAR(2), PovikuvanjeNaBroj CHAR(24), Obrazec CHAR(2) NOT NULL, "
           "Nacin CHAR(1) NOT NULL, DanocenBroj CHAR(13), IsplakjaciID INTEGER NOT NULL, "
           "IsplakjaciZiroSmetkiID INTEGER NOT NULL, KontaIsplakjaciID INTEGER NOT NULL, PrimaciID INTEGER, "
           "PrimaciZiroSmetkiID INTEGER, KontaPrimaciID INTEGER, "
           "FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) "
           "FOREIGN KEY(IsplakjaciZiroSmetkiID) REFERENCES IsplakjaciZiroSmetki(ID) "
           "FOREIGN KEY(KontaIsplakjaciID) REFERENCES Konta(ID) );";
}

}  // namespace treasury
