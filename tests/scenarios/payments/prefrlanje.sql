-- Two payers: the first in name order with two accounts, the second without
-- any; the code-table rows every transferred item names; and what an earlier
-- transfer left, which the next one replaces.
CREATE TABLE IF NOT EXISTS Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Opstini (ID, Sifra, Opis, Status) VALUES (1, '001', 'Центар', 1), (2, '017', 'Струга', 1);
 CREATE TABLE IF NOT EXISTS Isplakjaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Naziv	NVARCHAR(50) NOT NULL, AdresaUlica	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), Programa CHAR(2), VidNaSlog CHAR(1)  );
 CREATE TABLE IF NOT EXISTS IsplakjaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, IsplakjaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) ) ;
INSERT INTO Isplakjaci VALUES
  (3, 'ООУ Браќа Миладиновци', '', '', 'Струга', '1234567', '4030990123456', '', '', 0, 2, 'OBM', 'TRZ', '11', ''),
  (5, 'ООУ Кочо Рацин', '', '', 'Битола', '7654321', '4002000111222', '', '', 0, 1, 'OKR', 'FZM', '20', '');
INSERT INTO IsplakjaciZiroSmetki VALUES (1, 3, '788014101263814'), (2, 3, '788014101263822');
CREATE TABLE IF NOT EXISTS TipoviPrihodi ( ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra CHAR(2) NOT NULL, Opis NVARCHAR(50) NOT NULL, UplatnaSmetkaZaPD1 CHAR(18), UplatnaSmetkaZaPD2 CHAR(18), Status INTEGER, KontaID INTEGER, ProgramaPrimac CHAR(2), ProgresivnaStapka INTEGER );
CREATE TABLE IF NOT EXISTS Potprihodi ( ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra CHAR(3) NOT NULL, Opis NVARCHAR(50) NOT NULL, ProcentOdbitoci INTEGER, SePlakjaPD INTEGER, Status INTEGER, TipoviPrihodiID INTEGER NOT NULL, UplatnaSmetkaZaPD1 CHAR(18), UplatnaSmetkaZaPD2 CHAR(18), KontaID INTEGER, ProgramaPrimac CHAR(2),  FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID));
CREATE TABLE IF NOT EXISTS TipoviKalkulacii ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
CREATE TABLE IF NOT EXISTS TipoviPlacanja ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO TipoviPrihodi (ID, Sifra, Opis, Status) VALUES (28, '28', 'Приходи од договор', 1);
INSERT INTO Potprihodi (ID, Sifra, Opis, Status, TipoviPrihodiID) VALUES (49, '049', 'Надомест', 1, 28);
INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Бруто во нето', 1);
INSERT INTO TipoviPlacanja VALUES (1, '1', 'На сметка', 1);
 CREATE TABLE IF NOT EXISTS Primaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Ime	NVARCHAR(50) NOT NULL, Prezime	NVARCHAR(50) NOT NULL, Adresa	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Mesto NVARCHAR(50), MaticenBroj CHAR(8) NOT NULL,  EMBG CHAR(13) NOT NULL,  EMail VARCHAR(50),  OpstiniID INTEGER NOT NULL,  DDVObvrznik INTEGER NOT NULL  );
 CREATE TABLE IF NOT EXISTS PrimaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, PrimaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(PrimaciID) REFERENCES Primaci(ID) ) ;
CREATE UNIQUE INDEX IF NOT EXISTS PrimaciZiroSmetki1 on PrimaciZiroSmetki (PrimaciID, ZiroSmetka) ;
CREATE TABLE IF NOT EXISTS Transakcii ( ID INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, DatumNaPlacanje CHAR(8), DatumPeriodOd CHAR(8), DatumPeriodDo CHAR(8), IznosAvans INTEGER, IznosBruto INTEGER NOT NULL, IznosOdbitoci INTEGER, IznosDanok INTEGER, IznosNeto INTEGER, IznosDDV INTEGER, BrojResenieDo TEXT, DatumResenieDo CHAR(8), Komentar TEXT, IsplakjaciZiroSmetkiID INTEGER NOT NULL, PrimaciZiroSmetkiID INTEGER NOT NULL, TipoviPrihodiID INTEGER NOT NULL, PotprihodiID INTEGER, TipoviKalkulaciiID INTEGER NOT NULL, TipoviPlacanjaID INTEGER NOT NULL, FOREIGN KEY(IsplakjaciZiroSmetkiID) REFERENCES IsplakjaciZiroSmetki(ID) FOREIGN KEY(PrimaciZiroSmetkiID) REFERENCES PrimaciZiroSmetki(ID) FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID) FOREIGN KEY(TipoviKalkulaciiID) REFERENCES TipoviKalkulacii(ID) FOREIGN KEY(TipoviPlacanjaID) REFERENCES TipoviPlacanja(ID) );
INSERT INTO Primaci VALUES (7, 'Стар', 'Примач', '', '', 'Скопје', '', '0101980455001', '', 1, 0);
INSERT INTO PrimaciZiroSmetki VALUES (8, 7, '500000000000001');
INSERT INTO Transakcii (ID, DatumNaPlacanje, IznosBruto, IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, TipoviPlacanjaID)
  VALUES (9, '20261105', 1000, 1, 8, 28, 49, 1, 1);
