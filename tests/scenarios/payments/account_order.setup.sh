sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/items.sql"
# Цане's accounts, entered in this order: as texts the second sorts first.
sqlite3 Kasavel.db "INSERT INTO PrimaciZiroSmetki VALUES (4, 3, '2100001'), (5, 3, '210000000000001');"
