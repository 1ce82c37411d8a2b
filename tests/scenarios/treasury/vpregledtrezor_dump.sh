# The treasury order files written, byte for byte, and every order's submission date.
ls TREZOR 2>/dev/null
for f in TREZOR/*; do [ -f "$f" ] && { echo "== $f"; cat -A "$f"; }; done
sqlite3 Kasavel.db "SELECT ID || ':' || DatumNaPodnesuvanje FROM Nalozi ORDER BY ID"
