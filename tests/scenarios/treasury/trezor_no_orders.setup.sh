# Payers with accounts, but no orders table yet.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/salary_import.sql"
