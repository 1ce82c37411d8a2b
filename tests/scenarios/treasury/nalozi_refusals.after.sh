# The orders table exists although no list window opened.
sqlite3 Kasavel.db "SELECT sql FROM sqlite_master WHERE name = 'Nalozi'"
