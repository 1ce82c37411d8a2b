# Every row is still there.
sqlite3 Kasavel.db "SELECT ID, Ime FROM Primaci; SELECT ID, PrimaciID FROM PrimaciZiroSmetki; SELECT ID, IsplakjaciID FROM IsplakjaciZiroSmetki; SELECT ID FROM Isplakjaci;"
