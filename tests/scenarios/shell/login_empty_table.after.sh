sqlite3 Kasavel.db "SELECT name FROM sqlite_master WHERE tbl_name = 'Korisnici' ORDER BY name"
