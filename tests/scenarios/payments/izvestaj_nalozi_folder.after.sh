bash "$KASAVEL_SCENARIO_DIR/payments_orders_dump.sh"
ls -A TREZOR TREZOR/N1012261.OBM
