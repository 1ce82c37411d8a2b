-- Orders fixture: payers of both treasuries and one of neither kind, their
-- accounts, account codes, recipients with and without accounts, and the
-- treasury parameters.
CREATE TABLE IF NOT EXISTS Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Opstini (ID, Sifra, Opis, Status) VALUES (1, '017', 'Струга', 1);
 CREATE TABLE IF NOT EXISTS Isplakjaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Naziv	NVARCHAR(50) NOT NULL, AdresaUlica	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), Programa CHAR(2), VidNaSlog CHAR(1)  );
CREATE UNIQUE INDEX IF NOT EXISTS Isplakjaci1 on Isplakjaci (DanocenBroj) ;
 CREATE TABLE IF NOT EXISTS IsplakjaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, IsplakjaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) ) ;
CREATE UNIQUE INDEX IF NOT EXISTS IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;
CREATE TABLE IF NOT EXISTS Parametri ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, TrezorskaSmetkaNaRM	CHAR(18), TrezorskaSmetkaNaFZOM	CHAR(18), PodsmetkaGotovinaNaRM	CHAR(18), PodsmetkaGotovinaNaFZOM	CHAR(18), KontoGotovinaNaRM	CHAR(6), KontoGotovinaNaFZOM	CHAR(6), ProcentZaPD	NUMERIC(2, 0), UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), ProcentZaDDV	NUMERIC(2, 0));
INSERT INTO Isplakjaci VALUES
  (3, 'ООУ Браќа Миладиновци', '', '', 'Струга', '1234567', '4030990123456', '', '101', 0, 1, 'OBM', 'TRZ', '11', ''),
  (5, 'ЈЗУ Здравствен дом', '', '', 'Битола', '7654321', '4002000111222', '', '202', 0, 1, 'ZDB', 'FZM', '20', ''),
  (7, 'Старо училиште', '', '', 'Охрид', '1111111', '4002000333444', '', '303', 0, 1, 'STU', '', '30', ''),
  (8, 'Без сметка', '', '', 'Прилеп', '2222222', '4002000555666', '', '404', 0, 1, 'BSM', 'TRZ', '40', '');
INSERT INTO IsplakjaciZiroSmetki VALUES (1, 3, '788014101263814'), (2, 3, '788014101263822'), (3, 5, '660014101111111'), (4, 7, '788014109999999');
INSERT INTO Parametri VALUES (1, '100000000063095', '100000000066005', '', '', '', '', 10, '', '', 18);
CREATE TABLE IF NOT EXISTS Konta ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Konta VALUES (1, '424110', 'Патни трошоци', 1), (2, '401110', 'Основни плати', 0), (3, '722111', 'Приход од камата', 1);
 CREATE TABLE IF NOT EXISTS Primaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Ime	NVARCHAR(50) NOT NULL, Prezime	NVARCHAR(50) NOT NULL, Adresa	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Mesto NVARCHAR(50), MaticenBroj CHAR(8) NOT NULL,  EMBG CHAR(13) NOT NULL,  EMail VARCHAR(50),  OpstiniID INTEGER NOT NULL,  DDVObvrznik INTEGER NOT NULL  );
 CREATE TABLE IF NOT EXISTS PrimaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, PrimaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(PrimaciID) REFERENCES Primaci(ID) ) ;
INSERT INTO Primaci VALUES
  (1, 'Ана', 'Анова', '', '', 'Скопје', 'А1234567', '0101990455001', '', 1, 0),
  (2, 'Бојан', 'Бојаноски', '', '', 'Скопје', '87654321', '', '', 1, 1),
  (3, 'Цане', 'Цанев', '', '', 'Битола', '', '0303990455003', '', 1, 0);
INSERT INTO PrimaciZiroSmetki VALUES (1, 1, '500000000000001'), (2, 1, '500000000000002'), (3, 2, '210000000000009');
