# The payments fixture with payer 3 of the health-fund treasury.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Isplakjaci SET VidNaTrezor = 'FZM', TrezorskaKancelarija = '042' WHERE ID = 3"
