bash "$KASAVEL_SCENARIO_DIR/parametri_dump.sh"
