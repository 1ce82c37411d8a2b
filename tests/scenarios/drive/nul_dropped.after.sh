sqlite3 Kasavel.db "SELECT ID, hex(UserName), hex(Password), Opis, length(Opis) FROM Korisnici ORDER BY ID"
