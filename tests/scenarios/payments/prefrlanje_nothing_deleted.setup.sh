# The database, and payroll tables from which nobody can be transferred: a
# table whose header counts no record while three follow, one whose count is
# only the top bit (00 00 00 80), one without records, and one whose
# employees all worked half the year or less.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
mkdir zero topbit empty short
fields='MAT_RAB:C:13 IME_RAB:C:15 PRZ_RAB:C:20 ADR_RAB:C:30 OPS_RAB:C:3 KART_RAB:C:15 POC_RAB:D:8 KRAJ_RAB:D:8'
{ echo "$fields"
  echo '0101990450001|Petar|Petrovski|Ilindenska 5|017|300000000211222|20200101|'
  echo '0202990450002|Ana|Markovic|Partizanska 3|017|300000000311333|20200101|'
  echo '0303990450003|Boris|Trajkovski|Kej 2|017|300000000411444|20200101|'
} | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" zero/Radnik.dbf
cp zero/Radnik.dbf topbit/Radnik.dbf
printf '\x00\x00\x00\x00' | dd of=zero/Radnik.dbf bs=1 seek=4 conv=notrunc status=none
printf '\x00\x00\x00\x80' | dd of=topbit/Radnik.dbf bs=1 seek=4 conv=notrunc status=none
echo "$fields" | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" empty/Radnik.dbf
{ echo "$fields"
  echo '0303990450003|Kratko|Vreme|Goce Del^ev 7|017|300000000311333|20260703|'
  echo '0505990450005|Stari|Rabotnik|Kej 2|017|300000000511555|20150101|20251231'
} | "$KASAVEL_BUILD_DIR/kasavel-write-dbf" short/Radnik.dbf
