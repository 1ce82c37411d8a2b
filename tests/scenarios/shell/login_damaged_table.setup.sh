# A user table that cannot be read: a view over a table that is gone.
sqlite3 Kasavel.db "CREATE TABLE Gone (a); CREATE VIEW Korisnici AS SELECT a AS ID, a AS UserName, a AS Password, a AS Opis FROM Gone; DROP TABLE Gone;"
