# The recipients, their accounts and the payment items as stored, texts quoted.
sqlite3 Kasavel.db "SELECT ID, quote(Ime), quote(Prezime), quote(Adresa), quote(Mesto), quote(OpstiniID), quote(EMBG), quote(DDVObvrznik), quote(MaticenBroj) FROM Primaci ORDER BY ID"
sqlite3 Kasavel.db "SELECT ID, PrimaciID, quote(ZiroSmetka) FROM PrimaciZiroSmetki ORDER BY ID"
sqlite3 Kasavel.db "SELECT ID, quote(DatumNaPlacanje), quote(DatumPeriodOd), quote(DatumPeriodDo), quote(IznosAvans), quote(IznosBruto), quote(IznosOdbitoci), quote(IznosDanok), quote(IznosNeto), quote(IznosDDV), quote(BrojResenieDo), quote(DatumResenieDo), quote(Komentar), IsplakjaciZiroSmetkiID, PrimaciZiroSmetkiID, TipoviPrihodiID, PotprihodiID, TipoviKalkulaciiID, TipoviPlacanjaID FROM Transakcii ORDER BY ID"
