# The payers and parameters, and the payroll's four files (CR LF line ends).
sqlite3 Kasavel.db < "$KASAVEL_SCENARIO_DIR/salary_import.sql"
# The salaries as an editor saves UTF-8: a byte-order mark before the first line.
{ printf '\xEF\xBB\xBF'; printf '%s\r\n' \
  '788014101263814;401110;25000.50;300000000211222;Petrovski Petar;Plata za 11.2026' \
  '788014101263814;401110;18000;210000000123456;Ана Јовановска;Плата 11/2026'; } > plati.csv
# The personal tax as a Windows-1251 file: refused.
printf '788014101263814;401190;3100.25;;017;\xCF\xEB\xE0\xF2\xE0\r\n' > personalen1251.csv
printf '%s\r\n' '788014101263814;401190;3100.25;;017;711111' > personalen.csv
contributions() {
  printf '%s\r\n' \
    '788014101263814;402110;Pridones PIO;9000.10;;840017011111111;721111' \
    '788014101263814;402120;Pridones zdravstvo;5000;;840017022222222;721211' \
    '788014101263814;402130;Dopolnitelen pridones;300;;840017033333333;721311' \
    '788014101263814;402140;Pridones vrabotuvanje;400;;840017044444444;721411'
  [ "$1" = whole ] && printf '%s\r\n' \
    '788014101263814;402510;Kamata PIO;;;840017055555555;722111' \
    '788014101263814;402520;Kamata zdravstvo;;;840017066666666;722211' \
    '788014101263814;402530;Kamata dopolnitelen;;;840017077777777;722311' \
    '788014101263814;402540;Kamata vrabotuvanje;;;840017088888888;722411'
  return 0
}
contributions whole > pridonesi.csv
contributions half > pridonesi4.csv
printf '%s\r\n' '788014101263814;401110;KR-2026-117;Petrovski Petar;1500.00;300000000999888;Stopanska banka kredit' > odbitoci.csv
printf '%s\r\n' '788014101263814;401110;1500,00;300000000999888;Petrovski Petar;Plata' > zapirka.csv
