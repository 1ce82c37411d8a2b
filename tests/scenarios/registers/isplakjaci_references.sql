-- Payer 1's account 5 is used by an order, 6 by a payment item, 7 by nothing;
-- payer 12 has no account but an order names it; payer 13 has nothing.
INSERT INTO Isplakjaci VALUES (13, 'Фонд', '', '', 'Скопје', '', '4000000000013', 'f@f.mk', '', 1, 1, 'FND', 'FZM', '30', '');
INSERT INTO IsplakjaciZiroSmetki VALUES (5, 1, '300000000000001'), (6, 1, '300000000000002'), (7, 1, '300000000000003');
INSERT INTO Nalozi (ID, DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva, PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, Iznos, SmetkaPrimac, NazivPrimac, PodsmetkaPrimac, Obrazec, Nacin, IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID)
  VALUES (1, '', '20261201', '100000000063095', '300000000000001', '424110', '10', '       1000.00', '210000000000001', 'Примач', '', '60', '2', 1, 5, 1, 0, 0, 0),
         (2, '', '20261201', '100000000063095', '300000000000001', '424110', '20', '        500.00', '210000000000001', 'Примач', '', '90', '2', 12, 5, 1, 0, 0, 0);
INSERT INTO Transakcii (ID, DatumNaPlacanje, IznosBruto, IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, TipoviKalkulaciiID, TipoviPlacanjaID)
  VALUES (1, '', 1000, 6, 1, 1, 1, 1);
