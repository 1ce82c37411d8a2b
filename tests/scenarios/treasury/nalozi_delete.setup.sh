# The orders fixture with orders of several forms and payers, one submitted.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi_orders.sql"
