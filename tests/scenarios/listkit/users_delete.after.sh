sqlite3 Kasavel.db "SELECT ID, UserName FROM Korisnici ORDER BY ID"
