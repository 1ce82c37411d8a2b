# Rows of other tables that refer to code-table rows: order 1 uses account
# code 2; a recipient uses municipality 1 and a payer municipality 2; a payment
# item uses payment type 1. The municipalities and payment types are there
# already; the account codes are created by their window.
sqlite3 Kasavel.db <<'SQL'
CREATE TABLE Nalozi (ID INTEGER PRIMARY KEY, KontaIsplakjaciID INTEGER);
INSERT INTO Nalozi VALUES (1, 2);
CREATE TABLE Primaci (ID INTEGER PRIMARY KEY, OpstiniID INTEGER NOT NULL);
INSERT INTO Primaci VALUES (1, 1);
CREATE TABLE Isplakjaci (ID INTEGER PRIMARY KEY, OpstiniID INTEGER NOT NULL);
INSERT INTO Isplakjaci VALUES (1, 2);
CREATE TABLE Transakcii (ID INTEGER PRIMARY KEY, TipoviKalkulaciiID INTEGER, TipoviPlacanjaID INTEGER);
INSERT INTO Transakcii VALUES (1, NULL, 1);
CREATE TABLE IF NOT EXISTS Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Opstini (Sifra, Opis, Status) VALUES ('001', 'Битола', 1), ('002', 'Прилеп', 1), ('003', 'Охрид', 2);
CREATE TABLE IF NOT EXISTS TipoviPlacanja ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO TipoviPlacanja (Sifra, Opis, Status) VALUES ('1', 'Готовина', 1), ('2', 'Жиро', 1);
SQL
