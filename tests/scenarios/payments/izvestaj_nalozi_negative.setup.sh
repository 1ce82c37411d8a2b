# The payments' items, the two paid ones stored with negative amounts: a net
# of -5 (item 9) and a tax of -1 (item 13).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Transakcii SET IznosNeto = -5 WHERE ID = 9;
  UPDATE Transakcii SET IznosDanok = -1 WHERE ID = 13;"
