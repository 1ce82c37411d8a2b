# The database without sub-revenue 49, and four payroll folders: a table with
# a byte above 7 bits, one cut short, one without KART_RAB, and a good one.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db "UPDATE Transakcii SET PotprihodiID = NULL; DELETE FROM Potprihodi;"
mkdir ascii cut nofield good
fields='MAT_RAB:C:13 IME_RAB:C:15 PRZ_RAB:C:20 ADR_RAB:C:30 OPS_RAB:C:3 KART_RAB:C:15 POC_RAB:D:8 KRAJ_RAB:D:8'
records() {
  echo '0101990450001|Petar|Petrovski|Ilindenska 5|017|300000000211222|20200101|'
  printf '0202990450002|Ana|Markovi\xe6|Partizanska 3|017|300000000311333|20200101|\n'
  echo '0303990450003|Boris|Trajkovski|Kej 2|017|300000000411444|20200101|'
}
{ echo "$fields"; records; } | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" ascii/Radnik.dbf
{ echo "$fields"; records | sed 's/\xe6/c/'; } | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" good/Radnik.dbf
size=$(stat -c %s good/Radnik.dbf)
head -c $((size - 30)) good/Radnik.dbf > cut/Radnik.dbf
{ echo "${fields/KART_RAB:C:15 /}"; records | sed 's/\xe6/c/'; } | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" nofield/radnik.dbf
