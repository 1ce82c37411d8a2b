# The payments' items, the two unpaid ones of the first account stored with
# negative amounts: a gross of -5 (item 10) and a VAT of -4500 (item 11).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Transakcii SET IznosBruto = -5 WHERE ID = 10;
  UPDATE Transakcii SET IznosDDV = -4500 WHERE ID = 11;"
