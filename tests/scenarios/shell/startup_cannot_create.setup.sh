mkdir Kasavel.db
