-- Recipients 1 and 2 both hold account 500000000000001, as the employee
-- transfer may write; recipient 1's account 2 is used by a payment item and 3
-- by an order; recipient 3 has no account but an order names it; recipient 4
-- has nothing.
 CREATE TABLE IF NOT EXISTS Primaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Ime	NVARCHAR(50) NOT NULL, Prezime	NVARCHAR(50) NOT NULL, Adresa	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Mesto NVARCHAR(50), MaticenBroj CHAR(8) NOT NULL,  EMBG CHAR(13) NOT NULL,  EMail VARCHAR(50),  OpstiniID INTEGER NOT NULL,  DDVObvrznik INTEGER NOT NULL  );
 CREATE TABLE IF NOT EXISTS PrimaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, PrimaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(PrimaciID) REFERENCES Primaci(ID) ) ;
CREATE UNIQUE INDEX IF NOT EXISTS PrimaciZiroSmetki1 on PrimaciZiroSmetki (PrimaciID, ZiroSmetka) ;
CREATE UNIQUE INDEX Primaci1 on Primaci (EMBG) ;
INSERT INTO Primaci VALUES
  (1, 'Ана', 'Анова', '', '', 'Скопје', '', '0101990455001', '', 1, 0),
  (2, 'Бојан', 'Бојаноски', '', '', 'Скопје', '', '0202990455002', '', 1, 1),
  (3, 'Цане', 'Цанев', '', '', 'Битола', '', '0303990455003', '', 3, 0),
  (4, 'Дарко', 'Дарковски', '', '', 'Битола', '', '0404990455004', '', 3, 0);
INSERT INTO PrimaciZiroSmetki VALUES (1, 1, '500000000000001'), (2, 1, '500000000000002'), (3, 1, '500000000000003'), (4, 2, '500000000000001');
INSERT INTO Nalozi (ID, DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, Iznos, SmetkaPrimac, NazivPrimac, PodsmetkaPrimac, Obrazec, Nacin, IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID)
  VALUES (1, '', '20261201', '100000000063095', '300000000000001', '424110', '10', '       1000.00', '500000000000003', 'Ана Анова', '', '60', '2', 1, 1, 1, 1, 3, 0),
         (2, '', '20261201', '100000000063095', '300000000000001', '424110', '10', '        200.00', '210000000000001', 'Цане Цанев', '', '60', '2', 1, 1, 1, 3, 0, 0);
INSERT INTO Transakcii (ID, DatumNaPlacanje, IznosBruto, IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, TipoviKalkulaciiID, TipoviPlacanjaID)
  VALUES (1, '', 1000, 1, 2, 1, 1, 1);
