# Two account codes; two revenue types, one with the progressive rate and one
# whose account code (9) no longer exists; a sub-revenue of type 1 and a
# payment item of type 2 (held by its foreign key alone).
sqlite3 Kasavel.db <<'SQL'
CREATE TABLE IF NOT EXISTS Konta ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Konta (ID, Sifra, Opis, Status) VALUES (1, '723', 'Приходи', 1), (2, '111', 'Персонален', 1);
CREATE TABLE IF NOT EXISTS TipoviPrihodi ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	CHAR(2) NOT NULL, Opis	NVARCHAR(50) NOT NULL, UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), Status	INTEGER, KontaID	INTEGER, ProgramaPrimac	CHAR(2), ProgresivnaStapka	INTEGER );
INSERT INTO TipoviPrihodi VALUES (1, '11', 'Хонорар', '840', '01242', 1, 1, '10', 1), (2, '12', 'Закуп', '', '', 2, 9, '', 0);
CREATE TABLE Potprihodi (ID INTEGER PRIMARY KEY, TipoviPrihodiID INTEGER NOT NULL);
INSERT INTO Potprihodi VALUES (1, 1);
CREATE TABLE Transakcii (ID INTEGER PRIMARY KEY, TipoviPrihodiID INTEGER, FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID));
INSERT INTO Transakcii VALUES (1, 2);
SQL
