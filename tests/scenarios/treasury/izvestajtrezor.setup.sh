# Payers, accounts, recipients and account codes, then the orders, one submitted.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
