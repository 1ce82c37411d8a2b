bash "$KASAVEL_SCENARIO_DIR/vpregledtrezor_dump.sh"
