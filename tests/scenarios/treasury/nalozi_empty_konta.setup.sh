# The orders fixture with an empty account-code register.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db "DELETE FROM Konta;"
