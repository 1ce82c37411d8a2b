# Another program holds the database: a sqlite3 shell inside an exclusive
# transaction, kept open until the after script ends it. It waits for the
# checks below to let go of the file, which they may hold as it starts.
sqlite3 Kasavel.db "CREATE TABLE Korisnici (ID INTEGER PRIMARY KEY, UserName TEXT, Password TEXT, Opis TEXT);"
setsid bash -c '{ echo ".timeout 20000"; echo "BEGIN EXCLUSIVE;"; echo "CREATE TABLE held (a);"; sleep 60; } | sqlite3 Kasavel.db' \
  > /dev/null 2>&1 < /dev/null &
echo $! > holder.pid
for _ in $(seq 600); do  # up to 30 s: a loaded machine starts the holder late
  sqlite3 Kasavel.db "SELECT count(*) FROM sqlite_master;" > /dev/null 2>&1 || exit 0
  sleep 0.05
done
exit 1
