# Users, so that the login takes a name and a password.
bash "$KASAVEL_SCENARIO_DIR/../gridreport/users_print_settings.setup.sh"
