# The payments fixture with the payer without accounts first in name order.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "UPDATE Isplakjaci SET Naziv = 'ООУ А' WHERE ID = 5"
