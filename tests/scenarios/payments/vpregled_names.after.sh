bash "$KASAVEL_SCENARIO_DIR/payments_dump.sh"
