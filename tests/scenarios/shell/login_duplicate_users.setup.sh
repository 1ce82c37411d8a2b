# Two identical users, made before the unique index existed: creating it fails.
sqlite3 Kasavel.db "CREATE TABLE Korisnici ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, UserName	NVARCHAR(50) NOT NULL, Password	NVARCHAR(50) NOT NULL, Opis	NVARCHAR(50) );
INSERT INTO Korisnici (UserName, Password, Opis) VALUES ('Ana', 'tajna', 'Прва'), ('Ana', 'tajna', 'Втора');"
