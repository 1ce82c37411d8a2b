# The recipients and their accounts as stored, blanks shown between brackets.
sqlite3 Kasavel.db "SELECT ID, '[' || Ime || ']', '[' || Prezime || ']', quote(Adresa), quote(AdresaBroj), '[' || Mesto || ']', quote(MaticenBroj), '[' || EMBG || ']', quote(EMail), OpstiniID, DDVObvrznik FROM Primaci ORDER BY ID"
sqlite3 Kasavel.db "SELECT ID, PrimaciID, '[' || ZiroSmetka || ']' FROM PrimaciZiroSmetki ORDER BY ID"
