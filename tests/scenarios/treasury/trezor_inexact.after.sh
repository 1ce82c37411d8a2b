# No file anywhere in the data folder, and every order as it was stored.
find . -type f ! -name Kasavel.db | sort
sqlite3 Kasavel.db "SELECT ID, quote(DatumNaPodnesuvanje), quote(DatumNaDospeanost), quote(Iznos) FROM Nalozi ORDER BY ID"
