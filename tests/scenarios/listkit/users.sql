CREATE TABLE IF NOT EXISTS Korisnici ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, UserName	NVARCHAR(50) NOT NULL, Password	NVARCHAR(50) NOT NULL, Opis	NVARCHAR(50) );
INSERT INTO Korisnici (ID, UserName, Password, Opis) VALUES
  (1, 'спектар', 'a1', 'Продавница "Спектар", Битола'),
  (2, 'Петров', 'a2', 'Петар Петров'),
  (3, 'ана', 'a3', 'Ана Анова'),
  (9, 'Бојан', 'a9', 'Бојан Бојаноски'),
  (10, 'Ѓорѓи', 'a10', 'Ѓорѓи Ѓорѓиевски'),
  (11, 'петровска', 'a11', 'Весна Петровска'),
  (12, 'Zoran', 'a12', 'Зоран Илиевски'),
  (20, 'Ана', 'a20', 'Ана Втора');
