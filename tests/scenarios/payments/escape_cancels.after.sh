sqlite3 Kasavel.db "SELECT 'orders stored: ' || COUNT(*) FROM Nalozi"
