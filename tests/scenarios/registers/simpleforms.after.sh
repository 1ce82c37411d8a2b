sqlite3 Kasavel.db "SELECT sql FROM sqlite_master WHERE name = 'Konta'"
for t in Konta Opstini TipoviPlacanja; do
  echo "$t:"
  sqlite3 Kasavel.db "SELECT ID, quote(Sifra), quote(Opis), Status FROM $t ORDER BY ID"
done
