sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/../listkit/users.sql"
sqlite3 Kasavel.db "INSERT INTO Korisnici (ID, UserName, Password, Opis) VALUES (40, 'долг', 'x', 'Опис кој е предолг за една страница од писмо во исправена положба, со уште зборови')"
# Settings of another list, which the reset leaves alone.
{ printf '\xff\xfe'; printf '[frmDrug_grdDrug]\r\ncontrolname=frmDrug_grdDrug\r\ngridprintdata4=1\r\n' | iconv -f UTF-8 -t UTF-16LE; } > reports.cfg
