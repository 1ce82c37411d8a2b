sqlite3 Kasavel.db "SELECT ID || ':' || DatumNaPodnesuvanje FROM Nalozi ORDER BY ID"
