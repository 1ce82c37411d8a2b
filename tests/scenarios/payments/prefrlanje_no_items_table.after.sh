sqlite3 Kasavel.db "SELECT ID, quote(Ime), quote(EMBG) FROM Primaci ORDER BY ID"
sqlite3 Kasavel.db "SELECT ID, PrimaciID, quote(ZiroSmetka) FROM PrimaciZiroSmetki ORDER BY ID"
