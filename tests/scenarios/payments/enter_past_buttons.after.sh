bash "$KASAVEL_SCENARIO_DIR/items_dump.sh"
