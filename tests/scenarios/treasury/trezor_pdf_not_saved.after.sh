# The file written and the order set submitted; no PDF anywhere.
LC_ALL=C ls -A TREZOR
cat -A TREZOR/N1012261.OBM
sqlite3 Kasavel.db "SELECT ID || ':' || DatumNaPodnesuvanje FROM Nalozi ORDER BY ID"
