sqlite3 Kasavel.db "SELECT name FROM sqlite_master WHERE name = 'Nalozi'"
