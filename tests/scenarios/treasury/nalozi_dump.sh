# The stored orders, every value quoted as stored (blanks kept); the amount
# with its storage class, as the column's numeric affinity keeps it.
sqlite3 -cmd ".mode quote" Kasavel.db "SELECT ID, DatumNaPodnesuvanje, DatumNaDospeanost, SmetkaZadolzuva,
  PodsmetkaZadolzuva, KontoZadolzuva, ProgramaZadolzuva, CelNaDoznaka, TrezorskaKancelarija,
  typeof(Iznos) || ':' || Iznos, SmetkaPrimac, NazivPrimac, PodsmetkaPrimac, KontoPrimac, ProgramaPrimac,
  PovikuvanjeNaBroj, Obrazec, Nacin, DanocenBroj, IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID,
  PrimaciID, PrimaciZiroSmetkiID, KontaPrimaciID FROM Nalozi ORDER BY ID"
