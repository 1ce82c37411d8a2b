# The overview's orders, four of the state-treasury payer's stored with values
# that do not read: an amount of 1e20, 'xyz' and 1e308, a due date 'abcdefgh'.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
sqlite3 Kasavel.db "UPDATE Nalozi SET Iznos = 1e20 WHERE ID = 1;
  UPDATE Nalozi SET Iznos = 'xyz' WHERE ID = 2;
  UPDATE Nalozi SET Iznos = 1e308 WHERE ID = 3;
  UPDATE Nalozi SET DatumNaDospeanost = 'abcdefgh' WHERE ID = 4;"
