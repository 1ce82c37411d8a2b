# The payments fixture: a report of five items.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../payments/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../payments/payments.sql"
