# The payments fixture; a file where the ePDDxml folder belongs, so that the
# proposed file cannot be written; and a trigger that refuses to record
# item 11 as paid, so that the payment fails halfway.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "CREATE TRIGGER blokada BEFORE UPDATE OF DatumNaPlacanje ON Transakcii WHEN NEW.ID = 11 BEGIN SELECT RAISE(ABORT, 'blokirano'); END;"
echo 'not a folder' > ePDDxml
