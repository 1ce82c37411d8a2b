# The payments fixture and a trigger that refuses a copy of item 13 (gross
# 20000), so that copying items 9 and 13 fails halfway.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/prefrlanje.sql"
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/payments.sql"
sqlite3 Kasavel.db "CREATE TRIGGER blokada BEFORE INSERT ON Transakcii WHEN NEW.IznosBruto = 20000 BEGIN SELECT RAISE(ABORT, 'blokirano'); END;"
