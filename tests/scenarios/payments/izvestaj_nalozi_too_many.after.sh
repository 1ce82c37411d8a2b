sqlite3 Kasavel.db "SELECT count(*) FROM Transakcii WHERE DatumNaPlacanje <> ''"
sqlite3 Kasavel.db "SELECT count(*) FROM Nalozi" 2>&1
ls -A TREZOR 2>&1
