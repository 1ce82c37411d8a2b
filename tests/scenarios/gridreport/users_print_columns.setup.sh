bash "$KASAVEL_SCENARIO_DIR/users_print_settings.setup.sh"
