# A database whose payment items window was never opened: no Transakcii table.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db "DROP TABLE Transakcii"
mkdir payroll
"$KASAVEL_BUILD_DIR/kasavel-write-dbf" payroll/Radnik.dbf <<'TABLE'
MAT_RAB:C:13 IME_RAB:C:15 PRZ_RAB:C:20 ADR_RAB:C:30 OPS_RAB:C:3 KART_RAB:C:15 POC_RAB:D:8 KRAJ_RAB:D:8
0101990450001|Petar|Petrovski|Ilindenska 5|017|300000000211222|20200101|
TABLE
