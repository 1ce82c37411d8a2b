# The rows of Parametri with the storage type of the two percents.
sqlite3 Kasavel.db "SELECT ID, TrezorskaSmetkaNaRM, TrezorskaSmetkaNaFZOM, PodsmetkaGotovinaNaRM, PodsmetkaGotovinaNaFZOM, KontoGotovinaNaRM, KontoGotovinaNaFZOM, ProcentZaPD, typeof(ProcentZaPD), UplatnaSmetkaZaPD1, UplatnaSmetkaZaPD2, ProcentZaDDV, typeof(ProcentZaDDV) FROM Parametri ORDER BY ID"
