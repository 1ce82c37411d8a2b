-- Registers and payment items for the payment item windows. Payers in combo
-- order: 2 Агенција (account 2), 1 Институт (account 1), 3 Фонд (none).
-- Recipients in combo order: 1 Анова (two accounts), 2 Бојаноски (VAT liable),
-- 3 Цанев (no account). Revenue types: 1 flat, 2 progressive, 3 inactive,
-- 4 without sub-revenues. Calculation types: the first by code is ID 2.
CREATE TABLE Konta ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
CREATE TABLE Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
CREATE TABLE TipoviPrihodi ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	CHAR(2) NOT NULL, Opis	NVARCHAR(50) NOT NULL, UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), Status	INTEGER, KontaID	INTEGER, ProgramaPrimac	CHAR(2), ProgresivnaStapka	INTEGER );
CREATE TABLE Potprihodi ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	CHAR(3) NOT NULL, Opis	NVARCHAR(50) NOT NULL, ProcentOdbitoci	INTEGER, SePlakjaPD	INTEGER, Status	INTEGER, TipoviPrihodiID	INTEGER NOT NULL, UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), KontaID	INTEGER, ProgramaPrimac	CHAR(2),  FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID));
CREATE TABLE TipoviKalkulacii ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
CREATE TABLE TipoviPlacanja ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
CREATE TABLE Isplakjaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Naziv	NVARCHAR(50) NOT NULL, AdresaUlica	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), Programa CHAR(2), VidNaSlog CHAR(1)  );
CREATE UNIQUE INDEX Isplakjaci1 on Isplakjaci (DanocenBroj) ;
CREATE TABLE IsplakjaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, IsplakjaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) );
CREATE UNIQUE INDEX IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;
CREATE TABLE Primaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Ime	NVARCHAR(50) NOT NULL, Prezime	NVARCHAR(50) NOT NULL, Adresa	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Mesto NVARCHAR(50), MaticenBroj CHAR(8) NOT NULL,  EMBG CHAR(13) NOT NULL,  EMail VARCHAR(50),  OpstiniID INTEGER NOT NULL,  DDVObvrznik INTEGER NOT NULL  );
CREATE TABLE PrimaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, PrimaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(PrimaciID) REFERENCES Primaci(ID) );
CREATE UNIQUE INDEX PrimaciZiroSmetki1 on PrimaciZiroSmetki (PrimaciID, ZiroSmetka) ;
CREATE TABLE Transakcii ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, DatumNaPlacanje CHAR(8), DatumPeriodOd CHAR(8), DatumPeriodDo CHAR(8), IznosAvans INTEGER, IznosBruto INTEGER NOT NULL, IznosOdbitoci INTEGER, IznosDanok INTEGER, IznosNeto INTEGER, IznosDDV INTEGER, BrojResenieDo TEXT, DatumResenieDo CHAR(8), Komentar TEXT, IsplakjaciZiroSmetkiID INTEGER NOT NULL, PrimaciZiroSmetkiID INTEGER NOT NULL, TipoviPrihodiID INTEGER NOT NULL, PotprihodiID INTEGER, TipoviKalkulaciiID INTEGER NOT NULL, TipoviPlacanjaID INTEGER NOT NULL, FOREIGN KEY(IsplakjaciZiroSmetkiID) REFERENCES IsplakjaciZiroSmetki(ID) FOREIGN KEY(PrimaciZiroSmetkiID) REFERENCES PrimaciZiroSmetki(ID) FOREIGN KEY(TipoviPrihodiID) REFERENCES TipoviPrihodi(ID) FOREIGN KEY(TipoviKalkulaciiID) REFERENCES TipoviKalkulacii(ID) FOREIGN KEY(TipoviPlacanjaID) REFERENCES TipoviPlacanja(ID) );
INSERT INTO Opstini VALUES (1, '001', 'Центар', 1);
INSERT INTO Konta VALUES (1, '723', 'Приходи', 1);
INSERT INTO TipoviKalkulacii VALUES (1, '2', 'Втора', 1), (2, '1', 'Прва', 1);
INSERT INTO TipoviPlacanja VALUES (1, '1', 'Жиро', 1), (2, '2', 'Готово', 1);
INSERT INTO TipoviPrihodi (ID, Sifra, Opis, Status, KontaID, ProgramaPrimac, ProgresivnaStapka) VALUES
  (1, '01', 'Авторски', 1, 1, '10', 0),
  (2, '02', 'Плата', 1, 1, '10', 1),
  (3, '03', 'Стар', 2, 1, '10', 0),
  (4, '04', 'Без подвидови', 1, 1, '10', NULL);
INSERT INTO Potprihodi (ID, Sifra, Opis, ProcentOdbitoci, SePlakjaPD, Status, TipoviPrihodiID, KontaID, ProgramaPrimac) VALUES
  (1, '011', 'Хонорар', 35, 1, 1, 1, 1, '10'),
  (2, '012', 'Без данок', 0, 0, 1, 1, 1, '10'),
  (3, '021', 'Плата', 0, 1, 1, 2, 1, '10'),
  (4, '022', 'Плата со одбитоци', 44, 1, 1, 2, 1, '10'),
  (5, '031', 'Стар подвид', 20, 1, 1, 3, 1, '10');
INSERT INTO Isplakjaci (ID, Naziv, Sediste, MaticenBroj, DanocenBroj, OpstiniID, KratenkaInstitucija, VidNaTrezor, Programa) VALUES
  (1, 'Институт', 'Скопје', '1234567', '4030000000001', 1, 'INS', 'TRZ', '10'),
  (2, 'Агенција', 'Битола', '7654321', '4030000000002', 1, 'AGE', 'TRZ', '10'),
  (3, 'Фонд', 'Охрид', '1111111', '4030000000003', 1, 'FON', 'FZM', '10');
INSERT INTO IsplakjaciZiroSmetki VALUES (1, 1, '300000000000001'), (2, 2, '300000000000002');
INSERT INTO Primaci VALUES
  (1, 'Ана', 'Анова', '', '', 'Скопје', '', '0101990455001', '', 1, 0),
  (2, 'Бојан', 'Бојаноски', '', '', 'Битола', '', '0202990455002', '', 1, 1),
  (3, 'Цане', 'Цанев', '', '', 'Охрид', '', '0303990455003', '', 1, 0);
INSERT INTO PrimaciZiroSmetki VALUES (1, 1, '500000000000001'), (2, 1, '500000000000002'), (3, 2, '500000000000003');
-- 1 paid, of the inactive revenue type; 2 unpaid; 3 of a sub-revenue that is
-- gone (listed nowhere); 4 of the other payer; 5 of a recipient account that
-- is gone (this shell enforces no foreign keys).
INSERT INTO Transakcii VALUES
  (1, '20261130', '20261101', '20261130', 100, 10000, 2000, 800, 9200, 0, 'УЈП-7', '20261015', 'две' || char(10) || 'линии', 2, 2, 3, 5, 1, 2),
  (2, '', '', '', 0, 12345, 4321, 802, 11543, 2222, '', '        ', '', 2, 3, 1, 1, 2, 1),
  (3, '', '', '', 0, 500, 0, 0, 500, 0, '', '        ', '', 2, 1, 1, 99, 2, 1),
  (4, '', '', '', 0, 700, 0, 0, 700, 0, '', '        ', '', 1, 1, 1, 2, 2, 1),
  (5, '', '', '', 0, 900, 0, 0, 900, 0, '', '        ', '', 2, 99, 1, 2, 2, 1);
