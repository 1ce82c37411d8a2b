sqlite3 Kasavel.db "SELECT sql FROM sqlite_master WHERE name = 'Transakcii'"
