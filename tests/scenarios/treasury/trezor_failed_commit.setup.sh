# The orders, and a trigger that makes every commit changing order 3 or 5 fail:
# its row in a table whose deferred key points at no payer.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/vpregledtrezor.sql"
sqlite3 Kasavel.db "CREATE TABLE Zapis (N INTEGER REFERENCES Isplakjaci(ID) DEFERRABLE INITIALLY DEFERRED);
  CREATE TRIGGER NaloziZapis AFTER UPDATE ON Nalozi WHEN NEW.ID IN (3, 5) BEGIN INSERT INTO Zapis VALUES (999); END;"
