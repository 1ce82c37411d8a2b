# Payers, accounts, recipients and account codes, the orders, and two more
# submitted orders of form 60: order 10 on 02.12.2026 and order 11 on
# 03.12.2026, which a trigger keeps from being returned (its update reaches
# no row, as in a damaged schema).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
sqlite3 Kasavel.db "INSERT INTO Nalozi SELECT 10, '20261202', DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, 'Десетти', TrezorskaKancelarija, '             10.00', SmetkaPrimac, 'Книжарница Ликум', PodsmetkaPrimac, KontoPrimac, ProgramaPrimac, 'A10', Obrazec, Nacin, DanocenBroj, IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID FROM Nalozi WHERE ID = 5;
  INSERT INTO Nalozi SELECT 11, '20261203', DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, 'Единаесетти', TrezorskaKancelarija, '             11.00', SmetkaPrimac, 'Книжарница Табернакул', PodsmetkaPrimac, KontoPrimac, ProgramaPrimac, 'A11', Obrazec, Nacin, DanocenBroj, IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID FROM Nalozi WHERE ID = 5;
  CREATE TRIGGER NeVrakjaj BEFORE UPDATE OF DatumNaPodnesuvanje ON Nalozi WHEN OLD.ID = 11 BEGIN SELECT RAISE(IGNORE); END;"
