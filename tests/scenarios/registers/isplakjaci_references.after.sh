bash "$KASAVEL_SCENARIO_DIR/isplakjaci_dump.sh"
