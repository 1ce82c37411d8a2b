# The payments' items; the recipient of the paid item 9 stored by other means
# than the recipient window: a tab after the first name, a line end before the
# surname and CR LF after it.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Primaci SET Ime = 'Стар' || char(9),
  Prezime = char(10) || 'Примач' || char(13, 10) WHERE ID = 7;"
