# The payment orders stored, and the treasury order files written, byte for byte.
sqlite3 Kasavel.db "SELECT ID, quote(DatumNaPodnesuvanje), quote(DatumNaDospeanost), quote(SmetkaZadolzuva), quote(PodsmetkaZadolzuva), quote(KontoZadolzuva), quote(ProgramaZadolzuva), quote(CelNaDoznaka), quote(TrezorskaKancelarija), quote(Iznos), quote(SmetkaPrimac), quote(NazivPrimac), quote(PodsmetkaPrimac), quote(KontoPrimac), quote(ProgramaPrimac), quote(PovikuvanjeNaBroj), quote(Obrazec), quote(Nacin), quote(DanocenBroj), IsplakjaciID, IsplakjaciZiroSmetkiID, KontaIsplakjaciID, quote(PrimaciID), quote(PrimaciZiroSmetkiID), quote(KontaPrimaciID) FROM Nalozi ORDER BY ID"
ls TREZOR 2>/dev/null
cat -A TREZOR/* 2>/dev/null
