sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/users.sql"
sqlite3 Kasavel.db "INSERT INTO Korisnici (ID, UserName, Password, Opis) VALUES (30, 'Нов', 'x', 'ред' || char(13) || char(10) || 'два')"
