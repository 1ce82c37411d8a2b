# The payments fixture and 499,998 more copies of the paid item 13: 500,000
# paid items, whose 1,000,000 orders no treasury file can number.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "CREATE TEMP TABLE copy AS SELECT * FROM Transakcii WHERE ID = 13;
  WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 499998)
  INSERT INTO Transakcii SELECT 100 + i, DatumNaPlacanje, DatumPeriodOd, DatumPeriodDo, IznosAvans, IznosBruto,
    IznosOdbitoci, IznosDanok, IznosNeto, IznosDDV, BrojResenieDo, DatumResenieDo, Komentar,
    IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, TipoviPlacanjaID
  FROM n, copy"
