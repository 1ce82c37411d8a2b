sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../payments/items.sql"
