CREATE TABLE IF NOT EXISTS Korisnici ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, UserName	NVARCHAR(50) NOT NULL, Password	NVARCHAR(50) NOT NULL, Opis	NVARCHAR(50) );
INSERT INTO Korisnici (UserName, Password, Opis) VALUES ('Ana', 'tajna', 'Ана Анова');
INSERT INTO Korisnici (UserName, Password, Opis) VALUES ('Ana', 'druga', 'Ана Втора');
INSERT INTO Korisnici (UserName, Password, Opis) VALUES ('Марко', 'pa''ss', 'Марко Марковски');
INSERT INTO Korisnici (UserName, Password, Opis) VALUES ('Bez', 'opis', NULL);
