bash "$KASAVEL_SCENARIO_DIR/report_settings_dump.sh"
