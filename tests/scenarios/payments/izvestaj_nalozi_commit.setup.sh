# The payments fixture; the orders table made with a deferred reference of
# the tax orders' account code 15, which is missing, so that the orders can
# be inserted but not committed.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "DELETE FROM Konta WHERE ID = 15"
sqlite3 Kasavel.db "CREATE TABLE Nalozi ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, DatumNaPodnesuvanje CHAR(8), DatumNaDospeanost CHAR(8) NOT NULL, SmetkaZadolzuva CHAR(15) NOT NULL, PodsmetkaZadolzuva CHAR(15), KontoZadolzuva CHAR(6) NOT NULL, ProgramaZadolzuva CHAR(2) NOT NULL, CelNaDoznaka CHAR(70), TrezorskaKancelarija CHAR(6), Iznos NUMERIC(19,2) NOT NULL, SmetkaPrimac CHAR(18) NOT NULL, NazivPrimac CHAR(70) NOT NULL, PodsmetkaPrimac CHAR(15) NOT NULL, KontoPrimac CHAR(6), ProgramaPrimac CHAR(2), PovikuvanjeNaBroj CHAR(24), Obrazec CHAR(2) NOT NULL, Nacin CHAR(1) NOT NULL, DanocenBroj CHAR(13), IsplakjaciID INTEGER NOT NULL, IsplakjaciZiroSmetkiID INTEGER NOT NULL, KontaIsplakjaciID INTEGER NOT NULL, PrimaciID INTEGER, PrimaciZiroSmetkiID INTEGER, KontaPrimaciID INTEGER, FOREIGN KEY(KontaPrimaciID) REFERENCES Konta(ID) DEFERRABLE INITIALLY DEFERRED );"
