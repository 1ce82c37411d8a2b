bash "$KASAVEL_SCENARIO_DIR/payments_orders_dump.sh"
