# The payments fixture, and a folder standing where the day's treasury file
# would go.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
mkdir -p TREZOR/N1012261.OBM
