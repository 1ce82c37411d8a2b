# Payers, accounts, recipients and account codes, then orders of amounts of every width.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/amounts_sort.sql"
