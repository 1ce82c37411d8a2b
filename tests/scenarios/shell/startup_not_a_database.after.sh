echo "Kasavel.db still $(wc -c < Kasavel.db) bytes"
