-- Beside the transfer's fixture (payer 3, TRZ, with accounts 1 and 2; payer 5,
-- FZM, without accounts; recipient 7 in municipality 001; item 9 paid on
-- 05.11.2026): a second recipient, a revenue type with a sub-revenue that has
-- its own personal-tax account parts, account codes with the fixed rows 13 to
-- 15, the treasury parameters, and items of every kind.
CREATE TABLE IF NOT EXISTS Konta ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, Sifra	NVARCHAR(10) NOT NULL UNIQUE, Opis	NVARCHAR(50) NOT NULL,  Status	INTEGER NOT NULL );
INSERT INTO Konta VALUES (1, '423110', 'Канцелариски материјали', 1), (2, '722319', 'Други приходи', 1),
  (13, '404110', 'Договори', 1), (14, '401320', 'Персонален данок', 1), (15, '711111', 'Данок на доход', 1);
UPDATE Potprihodi SET KontaID = 2 WHERE ID = 49;
INSERT INTO TipoviPrihodi (ID, Sifra, Opis, Status) VALUES (29, '29', 'Авторски хонорар', 1), (30, '30', 'Без подвидови', 1);
INSERT INTO Potprihodi (ID, Sifra, Opis, Status, TipoviPrihodiID, UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, KontaID, ProgramaPrimac)
  VALUES (50, '050', 'Книжевно дело', 1, 29, '123', '45678', 2, 'AB');
INSERT INTO TipoviKalkulacii VALUES (2, '2', 'Нето во бруто', 1);
INSERT INTO TipoviPlacanja VALUES (2, '2', 'Готовина', 1);
INSERT INTO Primaci VALUES (8, 'Жарко', 'Шапков', '', '', 'Струга', '', '0202990450002', '', 2, 1);
INSERT INTO PrimaciZiroSmetki VALUES (9, 8, '210000000000017');
INSERT INTO Transakcii VALUES
  (10, '', '', '', 0, 10000, 0, 1000, 9000, 0, '', '        ', '', 1, 8, 28, 49, 1, 1),
  (11, '', '', '', 500, 25000, 0, 2500, 22500, 4500, '08-1/2', '20261115', 'Прв ред' || char(13, 10) || 'втор & ред', 1, 9, 29, 50, 1, 2),
  (12, '', '', '', 0, 7000, 0, 700, 6300, 0, '', '        ', '', 2, 8, 28, 49, 1, 1),
  (13, '20261120', '20261101', '20261130', 0, 20000, 0, 2000, 18000, 0, '', '        ', '', 1, 9, 29, 50, 2, 2);
UPDATE Transakcii SET IznosOdbitoci = 0, IznosDanok = 100, IznosNeto = 900, DatumPeriodOd = '20261101', DatumPeriodDo = '20261130' WHERE ID = 9;
CREATE TABLE IF NOT EXISTS Parametri ( ID	INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT, TrezorskaSmetkaNaRM	CHAR(18), TrezorskaSmetkaNaFZOM	CHAR(18), PodsmetkaGotovinaNaRM	CHAR(18), PodsmetkaGotovinaNaFZOM	CHAR(18), KontoGotovinaNaRM	CHAR(6), KontoGotovinaNaFZOM	CHAR(6), ProcentZaPD	NUMERIC(2, 0), UplatnaSmetkaZaPD1	CHAR(18), UplatnaSmetkaZaPD2	CHAR(18), ProcentZaDDV	NUMERIC(2, 0));
INSERT INTO Parametri VALUES (1, '100000000063095', '100000000063192', '', '', '', '', 10, '840', '01242', 18);
