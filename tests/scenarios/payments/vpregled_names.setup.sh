# The payments' items; the recipient of item 10 stored by other means than
# the recipient window: a tab before the first name and a line end after it,
# CR LF before the surname and a tab after it.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Primaci SET Ime = char(9) || 'Стар' || char(10),
  Prezime = char(13, 10) || 'Примач' || char(9) WHERE ID = 7;"
