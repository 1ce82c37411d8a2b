# The payment items' state, and every XML file written: each line with its CR
# and TABs shown, then whether an XML parser reads it as well-formed.
sqlite3 Kasavel.db "SELECT ID, quote(DatumNaPlacanje), quote(DatumPeriodOd), quote(DatumPeriodDo), TipoviKalkulaciiID, IznosBruto, quote(DatumResenieDo) FROM Transakcii ORDER BY ID"
for f in ePDDxml/*; do
  [ -f "$f" ] || continue
  echo "== $f"
  sed -e 's/\r$/<CR>/' -e 's/\t/<TAB>/g' "$f"
  xmllint --noout "$f" && echo "well-formed"
done
