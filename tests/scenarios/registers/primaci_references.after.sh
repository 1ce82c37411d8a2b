bash "$KASAVEL_SCENARIO_DIR/primaci_dump.sh"
sqlite3 Kasavel.db "SELECT count(*) FROM sqlite_master WHERE name = 'Primaci1'"
