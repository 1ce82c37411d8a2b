# The payment items' registers, and a sub-revenue of revenue type 1 damaged
# with a deduction percent of 150 (the register admits 0 to 100).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/items.sql"
sqlite3 Kasavel.db "INSERT INTO Potprihodi (ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD, Status, TipoviPrihodiID, KontaID, ProgramaPrimac)
  VALUES (6, '013', 'Оштетен', 150, 1, 1, 1, 1, '10');"
