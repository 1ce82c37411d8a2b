# The payments' items, three unpaid ones stored with values that do not read:
# a gross of 1e20 (item 10) and 'xyz' (item 11), a decision date 'abcdefgh'
# (item 12, the second account).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Transakcii SET IznosBruto = 1e20 WHERE ID = 10;
  UPDATE Transakcii SET IznosBruto = 'xyz' WHERE ID = 11;
  UPDATE Transakcii SET DatumResenieDo = 'abcdefgh' WHERE ID = 12;"
