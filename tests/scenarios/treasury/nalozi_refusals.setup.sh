# The orders fixture without its health-fund payer.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db "DELETE FROM IsplakjaciZiroSmetki WHERE IsplakjaciID = 5; DELETE FROM Isplakjaci WHERE ID = 5;"
