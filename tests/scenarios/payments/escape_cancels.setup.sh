# The transfer's fixture and the payments' items, account codes and parameters.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
