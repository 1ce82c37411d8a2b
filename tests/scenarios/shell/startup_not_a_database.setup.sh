printf 'These are not the bytes of a database file.\n%.0s' {1..200} > Kasavel.db
