bash "$KASAVEL_SCENARIO_DIR/primaci_dump.sh"
