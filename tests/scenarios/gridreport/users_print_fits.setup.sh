sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../listkit/users.sql"
