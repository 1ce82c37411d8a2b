-- Two payers, 1 and 12; payer 12's municipality is no longer listed.
 CREATE TABLE IF NOT EXISTS Isplakjaci ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Naziv	NVARCHAR(50) NOT NULL, AdresaUlica	NVARCHAR(50), AdresaBroj	NVARCHAR(10), Sediste NVARCHAR(50), MaticenBroj CHAR(7) NOT NULL,  DanocenBroj CHAR(13) NOT NULL,  EMail VARCHAR(50), TrezorskaKancelarija CHAR(3), DvojazicenIspis INTEGER, OpstiniID INTEGER NOT NULL, KratenkaInstitucija CHAR(3), VidNaTrezor CHAR(3), Programa CHAR(2), VidNaSlog CHAR(1)  );
CREATE UNIQUE INDEX IF NOT EXISTS Isplakjaci1 on Isplakjaci (DanocenBroj) ;
 CREATE TABLE IF NOT EXISTS IsplakjaciZiroSmetki (  ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, IsplakjaciID	INTEGER NOT NULL, ZiroSmetka CHAR(15) NOT NULL,  FOREIGN KEY(IsplakjaciID) REFERENCES Isplakjaci(ID) ) ;
CREATE UNIQUE INDEX IF NOT EXISTS IsplakjaciZiroSmetki1 on IsplakjaciZiroSmetki (ZiroSmetka) ;
INSERT INTO Isplakjaci VALUES
  (1, 'Општина Центар', 'Илинден', '82', 'Скопје', '1234567', '4030990123456', 'info@centar.mk', 'SK', 1, 1, 'CEN', 'TRZ', '10', ''),
  (12, 'ООУ Кочо Рацин', '', '', 'Битола', '', '4002000111222', 'ou@kr.mk', '', 0, 99, 'OKR', 'FZM', '20', '1');
