# No file anywhere in the data folder, no order stored, every item as it was.
find . -type f ! -name Kasavel.db | sort
sqlite3 Kasavel.db "SELECT count(*) FROM Nalozi"
bash "$KASAVEL_SCENARIO_DIR/items_dump.sh"
