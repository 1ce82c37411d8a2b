echo "prazno.csv: $(wc -c < prazno.csv) bytes"
