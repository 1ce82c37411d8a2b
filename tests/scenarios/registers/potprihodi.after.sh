sqlite3 Kasavel.db "SELECT ID, quote(Sifra), quote(Opis), quote(ProcentOdbitoci), SePlakjaPD, Status, TipoviPrihodiID, quote(UplatnaSmetkaZaPD1), quote(UplatnaSmetkaZaPD2), KontaID, quote(ProgramaPrimac) FROM Potprihodi ORDER BY ID"
# The treasury parameters keep their own personal-tax account parts.
sqlite3 Kasavel.db "SELECT quote(UplatnaSmetkaZaPD1), quote(UplatnaSmetkaZaPD2) FROM Parametri"
