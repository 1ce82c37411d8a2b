sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/opstini.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/isplakjaci.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi_transakcii.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/isplakjaci_references.sql"
