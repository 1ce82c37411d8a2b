CREATE TABLE IF NOT EXISTS Opstini ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Opstini (ID, Sifra, Opis, Status) VALUES
  (1, '001', 'Центар', 1),
  (2, '002', 'Аеродром', 1),
  (3, '111', 'Битола', 1);
