# The payers and their accounts as stored, blanks shown between brackets.
sqlite3 Kasavel.db "SELECT ID, '[' || Naziv || ']', quote(AdresaUlica), Sediste, quote(MaticenBroj), DanocenBroj, EMail, quote(TrezorskaKancelarija), DvojazicenIspis, OpstiniID, KratenkaInstitucija, VidNaTrezor, Programa, quote(VidNaSlog) FROM Isplakjaci ORDER BY ID"
sqlite3 Kasavel.db "SELECT ID, IsplakjaciID, '[' || ZiroSmetka || ']' FROM IsplakjaciZiroSmetki ORDER BY ID"
