sqlite3 Kasavel.db <<'SQL'
CREATE TABLE Korisnici ( ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, UserName NVARCHAR(50) NOT NULL, Password NVARCHAR(50) NOT NULL, Opis NVARCHAR(50) );
INSERT INTO Korisnici (ID, UserName, Password, Opis) VALUES
  (1, 'ана', 'a1', 'таб' || char(9) || 'ред' || char(13) || char(10) || 'крај'),
  (2, 'back\slash', 'a2', 'звонче' || char(7) || ' бришење' || char(127) || ' "наводници"'),
  (3, 'прв' || char(10) || 'втор', 'a3', '');
SQL
