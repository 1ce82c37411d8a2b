sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../listkit/users.sql"
sqlite3 Kasavel.db "INSERT INTO Korisnici (ID, UserName, Password, Opis) VALUES (40, 'долг', 'x', 'Опис кој е предолг за една страница од писмо во исправена положба, со уште зборови')"
