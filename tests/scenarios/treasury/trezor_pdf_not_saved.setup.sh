# The overview's orders, and a link that loops onto itself.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
mkdir TREZOR
ln -s loop TREZOR/loop
