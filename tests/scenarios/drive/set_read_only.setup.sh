# A user list too wide for the page, so that the report settings window stays up.
bash "$KASAVEL_SCENARIO_DIR/../gridreport/users_print_settings.setup.sh"
