# Two account codes, no revenue type yet, and a payment item of sub-revenue 2.
sqlite3 Kasavel.db <<'SQL'
CREATE TABLE IF NOT EXISTS Konta ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Konta (ID, Sifra, Opis, Status) VALUES (1, '723', 'Приходи', 1), (2, '111', 'Персонален', 1);
CREATE TABLE Transakcii (ID INTEGER PRIMARY KEY, PotprihodiID INTEGER);
INSERT INTO Transakcii VALUES (1, 2);
SQL
