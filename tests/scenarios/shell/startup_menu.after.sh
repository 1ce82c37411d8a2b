test -f Kasavel.db && echo "Kasavel.db created"
