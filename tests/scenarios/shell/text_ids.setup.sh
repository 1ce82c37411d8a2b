# A foreign database whose IDs are text: the payer's ID and its giro
# account's ID hold statements that would empty the recipients and the
# payers' accounts if they ever ran; the payment item is found by them.
sqlite3 Kasavel.db <<'SQL'
CREATE TABLE Opstini (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, Status INTEGER);
INSERT INTO Opstini VALUES (5, '017', 'Центар', 1);
CREATE TABLE Isplakjaci (ID TEXT PRIMARY KEY, Naziv TEXT, AdresaUlica TEXT, AdresaBroj TEXT, Sediste TEXT,
  MaticenBroj TEXT, DanocenBroj TEXT, EMail TEXT, TrezorskaKancelarija TEXT, DvojazicenIspis INTEGER,
  OpstiniID INTEGER, KratenkaInstitucija TEXT, VidNaTrezor TEXT, Programa TEXT, VidNaSlog TEXT);
INSERT INTO Isplakjaci VALUES ('1; DELETE FROM Primaci', 'ООУ', '', '', 'Скопје', '1234567', '4030990123456', '',
  '001', 0, 5, 'OOU', 'TRZ', '00', '');
CREATE TABLE IsplakjaciZiroSmetki (ID TEXT PRIMARY KEY, IsplakjaciID TEXT, ZiroSmetka TEXT);
INSERT INTO IsplakjaciZiroSmetki VALUES ('2) OR 1=1; DELETE FROM IsplakjaciZiroSmetki; --', '1; DELETE FROM Primaci',
  '300000000000001');
CREATE TABLE Primaci (ID INTEGER PRIMARY KEY, Ime TEXT, Prezime TEXT, Adresa TEXT, AdresaBroj TEXT, Mesto TEXT,
  MaticenBroj TEXT, EMBG TEXT, EMail TEXT, OpstiniID INTEGER, DDVObvrznik INTEGER);
INSERT INTO Primaci VALUES (7, 'Ана', 'Петровска', '', '', 'Скопје', '0', '0101990450001', '', 5, 0);
CREATE TABLE PrimaciZiroSmetki (ID INTEGER PRIMARY KEY, PrimaciID INTEGER, ZiroSmetka TEXT);
INSERT INTO PrimaciZiroSmetki VALUES (8, 7, '500000000000001');
CREATE TABLE Konta (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, Status INTEGER);
CREATE TABLE TipoviKalkulacii (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, Status INTEGER);
INSERT INTO TipoviKalkulacii VALUES (1, '1', 'Бруто', 1);
CREATE TABLE TipoviPlacanja (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, Status INTEGER);
INSERT INTO TipoviPlacanja VALUES (1, '1', 'Сметка', 1);
CREATE TABLE TipoviPrihodi (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, UplatnaSmetkaZaPD1 TEXT,
  UplatnaSmetkaZaPD2 TEXT, Status INTEGER, KontaID INTEGER, ProgramaPrimac TEXT, ProgresivnaStapka INTEGER);
INSERT INTO TipoviPrihodi VALUES (28, '28', 'Приход', '', '', 1, NULL, '', 0);
CREATE TABLE Potprihodi (ID INTEGER PRIMARY KEY, Sifra TEXT, Opis TEXT, ProcentOdbitoci INTEGER, SePlakjaPD INTEGER,
  Status INTEGER, TipoviPrihodiID INTEGER, UplatnaSmetkaZaPD1 TEXT, UplatnaSmetkaZaPD2 TEXT, KontaID INTEGER,
  ProgramaPrimac TEXT);
INSERT INTO Potprihodi VALUES (49, '049', 'Потприход', 0, 1, 1, 28, '', '', NULL, '');
CREATE TABLE Transakcii (ID INTEGER PRIMARY KEY, DatumNaPlacanje TEXT, DatumPeriodOd TEXT, DatumPeriodDo TEXT,
  IznosAvans INTEGER, IznosBruto INTEGER, IznosOdbitoci INTEGER, IznosDanok INTEGER, IznosNeto INTEGER,
  IznosDDV INTEGER, BrojResenieDo TEXT, DatumResenieDo TEXT, Komentar TEXT, IsplakjaciZiroSmetkiID TEXT,
  PrimaciZiroSmetkiID INTEGER, TipoviPrihodiID INTEGER, PotprihodiID INTEGER, TipoviKalkulaciiID INTEGER,
  TipoviPlacanjaID INTEGER);
INSERT INTO Transakcii VALUES (9, '', '', '', '        0', '     1000', '        0', '        0', '     1000',
  '        0', '', '        ', '', '2) OR 1=1; DELETE FROM IsplakjaciZiroSmetki; --', 8, 28, 49, 1, 1);
SQL
