# The payments' items, the two paid ones stored with values that do not read:
# a net of 1e308 (item 9) and a tax of 'xyz' (item 13).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Transakcii SET IznosNeto = 1e308 WHERE ID = 9;
  UPDATE Transakcii SET IznosDanok = 'xyz' WHERE ID = 13;"
