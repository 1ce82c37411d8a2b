# Payers whose first in name order has no account.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db "UPDATE Isplakjaci SET Naziv = 'ООУ А' WHERE ID = 5"
