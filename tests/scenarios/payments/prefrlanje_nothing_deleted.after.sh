bash "$KASAVEL_SCENARIO_DIR/prefrlanje_dump.sh"
