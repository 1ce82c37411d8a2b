# The stored orders.
bash "$KASAVEL_SCENARIO_DIR/nalozi_dump.sh"
