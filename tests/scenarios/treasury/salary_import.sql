-- A state-treasury payer with one account, a second payer without any, and
-- the treasury parameters.
CREATE TABLE IF NOT EXISTS Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Opstini (ID, Sifra, Opis, Status) VALUES (1, '017', 'Струга', 1);
 CREATE TABLE IF NOT EXISTS Isplakjaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Naziv	NVARCHAR(50) NOT NULL, AdresaUlica	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), Programa CHAR(2), VidNaSlog CHAR(1)  );
CREATE UNIQUE INDEX IF NOT EXISTS Isplakjaci1 on Isplakjaci (DanocenBroj) ;
 CREATE TABLE IF NOT EXISTS IsplakjaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, IsplakjaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) ) ;
CREATE UNIQUE INDEX IF NOT EXISTS IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;
INSERT INTO Isplakjaci VALUES
  (3, 'ООУ Браќа Миладиновци', '', '', 'Струга', '1234567', '4030990123456', '', '', 0, 1, 'OBM', 'TRZ', '11', ''),
  (5, 'ООУ Кочо Рацин', '', '', 'Битола', '7654321', '4002000111222', '', '', 0, 1, 'OKR', 'FZM', '20', '');
INSERT INTO IsplakjaciZiroSmetki VALUES (1, 3, '788014101263814');
CREATE TABLE IF NOT EXISTS Parametri ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, TrezorskaSmetkaNaRM	CHAR(18), TrezorskaSmetkaNaFZOM	CHAR(18), PodsmetkaGotovinaNaRM	CHAR(18), PodsmetkaGotovinaNaFZOM	CHAR(18), KontoGotovinaNaRM	CHAR(6), KontoGotovinaNaFZOM	CHAR(6), ProcentZaPD	NUMERIC(2, 0), UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), ProcentZaDDV	NUMERIC(2, 0));
INSERT INTO Parametri VALUES (1, '100000000063095', '100000000063192', '', '', '', '', 10, '', '', 18);
