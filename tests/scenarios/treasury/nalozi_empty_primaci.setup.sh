# The orders fixture with an empty recipient register.
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/nalozi.sql"
sqlite3 Kasavel.db "DELETE FROM PrimaciZiroSmetki; DELETE FROM Primaci;"
