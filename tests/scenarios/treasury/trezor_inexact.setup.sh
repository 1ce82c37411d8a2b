# The overview's orders, one of the state-treasury payer's stored with an
# amount of 10^13 and more: 12345678901234.56, which the column reads back as
# 12345678901234.6.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
sqlite3 Kasavel.db "UPDATE Nalozi SET Iznos = '12345678901234.56' WHERE ID = 1;"
