# Payers, accounts, recipients and account codes, then the overview's orders.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
