sqlite3 Kasavel.db "SELECT ID, '[' || UserName || ']', '[' || Password || ']', quote(Opis) FROM Korisnici ORDER BY ID"
