# No file anywhere in the data folder, and every item as it was stored.
find . -type f ! -name Kasavel.db | sort
bash "$KASAVEL_SCENARIO_DIR/items_dump.sh"
