# The database, an empty folder, and the payroll folder whose table is named
# RADNIK.dbf (shapelib writes the extension in lower case). Employee 2's records are apart in the file and one of
# employee 4's is flagged deleted; employee 3 worked exactly half the year,
# employee 5 ended last year.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
mkdir prazno payroll
"$KASAVEL_BUILD_DIR/kasavel-write-dbf" payroll/RADNIK.DBF <<'TABLE'
MAT_RAB:C:13 IME_RAB:C:15 PRZ_RAB:C:20 ADR_RAB:C:30 OPS_RAB:C:3 KART_RAB:C:15 POC_RAB:D:8 KRAJ_RAB:D:8
0202990450002|  @arko|[uma|Partizanska 3|999||20260101|20260331
0101990450001|Petar|Petrovski| Ilindenska 5|017|300000000211222|20200101|
*0404990450004|D'Ark|^a}i}|Marks i Engels 1|001||20260702|
0303990450003|Kratko|Vreme|Goce Del^ev 7|017|300000000311333|20260703|
0202990450002|@arko|[uma|Partizanska 3|999||20260501|
0505990450005|Stari|Rabotnik|Kej 2|017|300000000511555|20150101|20251231
TABLE
