sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/items.sql"
