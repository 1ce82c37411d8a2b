#include "shell/layouts.h"

namespace layouts {

// Captions of the lists that set their own widths and alignments.
const std::vector<std::string> AHEADERSKORISNICI = {
    "ID", "Корисничко име", "Лозинка", "Опис",
};

const std::vector<std::string> AHEADERSSIMPLEFORMS = {
    "ID", "Шифра", "Опис", "Статус",
};

const std::vector<std::string> AHEADERSTIPOVIPRIHODI = {
    "ID", "Опис тип на приход", "Шифра", "Опис конто",
    "Шифра", "Пг", "Уп. сметка 1", "Уп. сметка 2",
    "Статус", "TipoviPrihodiID",
};

const std::vector<std::string> AHEADERSPOTPRIHODI = {
    "ID", "Опис подвид на приход", "Шифра", "Опис вид на приход",
    "Шифра", "Опис конто", "Шифра", "Одбитоци",
    "ПД", "Статус", "Програма", "Уплатна сметка 1",
    "Уплатна сметка 2", "KontaID", "TipoviPrihodiID",
};

const std::vector<std::string> AHEADERSISPLAKJACI = {
    "ID", "Име", "Улица", "Број",
    "Седиште", "Матичен бр", "Даночен бр", "ЕМаил",
    "Трез.канц.", "Дв.", "Општина", "Инст",
    "Трезор", "Прг", "С", "OpstiniID",
};

const std::vector<std::string> AHEADERSPRIMACI = {
    "ID", "Име", "Презиме", "Улица",
    "Број", "Седиште", "Општина", "Матичен бр",
    "Даночен бр", "ЕМаил", "ДДВ", "OpstiniID",
};

const std::vector<std::string> AHEADERSZIRO = {
    "ID", "Жиро сметка",
};

// Payment orders: one row of 25 values. Ends with a blank so that a window
// appends its WHERE clause directly.
const std::string STRNALOZI =
    "SELECT  t.ID, t.Obrazec, t.DatumNaPodnesuvanje, t.DatumNaDospeanost, "
    "t.SmetkaZadolzuva, t.PodsmetkaZadolzuva, t.KontoZadolzuva,  "
    "t.ProgramaZadolzuva, t.CelNaDoznaka, t.TrezorskaKancelarija,  t.Iznos, "
    "t.SmetkaPrimac, t.NazivPrimac,  t.PodsmetkaPrimac,  t.KontoPrimac,  "
    "t.ProgramaPrimac, t.PovikuvanjeNaBroj, t.Nacin, t.DanocenBroj, t.IsplakjaciID, "
    "t.IsplakjaciZiroSmetkiID,  t.KontaIsplakjaciID, t.PrimaciID, "
    "t.PrimaciZiroSmetkiID, t.KontaPrimaciID   "
    "from Nalozi AS t ";

const std::vector<std::string> AHEADERSNALOZI = {
    "ID",  // 1
    "Образец",  // 2
    "Датум поднес.",  // 3
    "Датум валута",  // 4
    "Трезорска сметка",  // 5
    "Сметка буџ. кор.",  // 6
    "Конто задолжува",  // 7
    "Програма",  // 8
    "Цел на дознака",  // 9
    "Канц.",  // 10
    "Износ",  // 11
    "Сметка примач",  // 12
    "Назив примач",  // 13
    "Подсметка примач",  // 14
    "Конто примач",  // 15
    "Програма примач",  // 16
    "Повикување на бр",  // 17
    "Начин",  // 18
    "Даночен бр",  // 19
    "IsplakjaciID",  // 20
    "IsplakjaciZiroSmetkiID",  // 21
    "KontaIsplakjaciID",  // 22
    "PrimaciID",  // 23
    "PrimaciZiroSmetkiID",  // 24
    "KontaPrimaciID",  // 25
};

// Widths in pixels; 0 hides a column whose value is still loaded.
const std::vector<int> AWIDTHSNALOZI = {
      0,   0,   0,  80, 120,  // 1-5
    120,  60,  30, 120,  60,  // 6-10
     80, 120, 120, 120,  60,  // 11-15
     20, 120,  40, 120,   0,  // 16-20
      0,   0,   0,   0,   0,  // 21-25
};

const std::vector<int> AWIDTHSVPREGLEDTREZOR = {
      0,  30,   0,  80, 120,  // 1-5
    120,  60,  30, 120,   0,  // 6-10
     80, 120, 120, 120,  60,  // 11-15
     20, 120,  40, 120,   0,  // 16-20
      0,   0,   0,   0,   0,  // 21-25
};

const std::vector<int> AWIDTHSIZVESTAJTREZOR = {
      0,  30,  80,  80, 120,  // 1-5
    120,  60,  30, 120,   0,  // 6-10
     80, 120, 120, 120,  60,  // 11-15
     20, 120,  40, 120,   0,  // 16-20
      0,   0,   0,   0,   0,  // 21-25
};

// 0 left, 1 right, 2 centred.
const std::vector<int> AJUSTNALOZI = {
      0,   1,   0,   0,   0,  // 1-5
      0,   0,   0,   0,   0,  // 6-10
      1,   0,   0,   0,   0,  // 11-15
      0,   0,   0,   0,   0,  // 16-20
      0,   0,   0,   0,   0,  // 21-25
};

// Payment items: one row of 36 values. The master tables are outer-joined so a
// missing one gives empty values; an item without its sub-revenue is not listed.
const std::string STRTRANSAKCII =
    "SELECT  t.ID, t.DatumNaPlacanje, t.DatumPeriodOd, t.DatumPeriodDo, "
    "iz.ZiroSmetka, tp.Opis, tp.Sifra, pp.Opis,  pp.Sifra, pl.Opis, pl.Sifra, "
    "TRIM(p.Ime), TRIM(p.Prezime), p.EMBG, o.Sifra, pz.ZiroSmetka,  t.IznosAvans, "
    "t.IznosBruto, t.IznosOdbitoci, t.IznosDanok, t.IznosNeto, t.IznosDDV,  "
    "t.BrojResenieDo, t.DatumResenieDo, t.Komentar, t.IsplakjaciZiroSmetkiID, "
    "t.PrimaciZiroSmetkiID, t.TipoviPrihodiID, t.PotprihodiID, t.TipoviKalkulaciiID, "
    "t.TipoviPlacanjaID, p.ID,  k.Sifra, pp.ProgramaPrimac, pp.UplatnaSmetkaZaPD1, "
    "pp.UplatnaSmetkaZaPD2   "
    "from Transakcii AS t  "
    "LEFT OUTER JOIN IsplakjaciZiroSmetki AS iz ON t.IsplakjaciZiroSmetkiID = iz.ID  "
    "LEFT OUTER JOIN Isplakjaci AS i ON iz.IsplakjaciID = i.ID  "
    "LEFT OUTER JOIN PrimaciZiroSmetki AS pz ON t.PrimaciZiroSmetkiID = pz.ID  "
    "LEFT OUTER JOIN Primaci AS p ON pz.PrimaciID = p.ID  "
    "LEFT OUTER JOIN Opstini AS o ON p.OpstiniID = o.ID  "
    "LEFT OUTER JOIN TipoviPrihodi AS tp ON t.TipoviPrihodiID = tp.ID  "
    "JOIN Potprihodi AS pp ON pp.ID = t.PotprihodiID  "
    "LEFT OUTER JOIN Konta AS k ON pp.KontaID = k.ID  "
    "LEFT OUTER JOIN TipoviKalkulacii AS tk ON t.TipoviKalkulaciiID = tk.ID  "
    "LEFT OUTER JOIN TipoviPlacanja AS pl ON t.TipoviPlacanjaID = pl.ID ";

const std::vector<std::string> AHEADERSTRANSAKCII = {
    "ID",  // 1
    "Датум плаќање",  // 2
    "Датум од",  // 3
    "Датум до",  // 4
    "Сметка поднесувач",  // 5
    "Вид приход",  // 6
    "Шф",  // 7
    "Подвид приход",  // 8
    "Шф",  // 9
    "Вид плаќање",  // 10
    "Шифра",  // 11
    "Име примач",  // 12
    "Презиме примач",  // 13
    "ЕМБГ",  // 14
    "Опш",  // 15
    "Сметка примач",  // 16
    "Аванс",  // 17
    "Бруто",  // 18
    "Одбитоци",  // 19
    "Перс.Данок",  // 20
    "Нето",  // 21
    "ДДВ",  // 22
    "Број решение дог",  // 23
    "Датум",  // 24
    "Забелешка",  // 25
    "IsplakjaciZiroSmetkiID",  // 26
    "PrimaciZiroSmetkiID",  // 27
    "TipoviPrihodiID",  // 28
    "PotprihodiID",  // 29
    "TipoviKalkulaciiID",  // 30
    "TipoviPlacanjaID",  // 31
    "PrimaciID",  // 32
    "KontoSifra",  // 33
    "PrihodnaPrograma",  // 34
    "UplSmetka1",  // 35
    "UplSmetka2",  // 36
};

const std::vector<int> AWIDTHSTRANS = {
      0,   0,   0,   0, 120,  // 1-5
    120,  35, 120,  35,  95,  // 6-10
     50,  90,  90, 105,  40,  // 11-15
    120,  62,  68,  75,  80,  // 16-20
     65,  70, 120, 100, 200,  // 21-25
    100, 100, 100, 100, 100,  // 26-30
    100, 100, 100, 100, 100,  // 31-35
      0,  // 36
};

const std::vector<int> AWIDTHSVPREGLED = {
      0,   0,   0,   0,   0,  // 1-5
    120,  35, 120,  35,  95,  // 6-10
     50,  90,  90, 105,  40,  // 11-15
    120,  62,  68,  75,  80,  // 16-20
     65,  70, 120, 100, 200,  // 21-25
      0,   0,   0,   0,   0,  // 26-30
      0,   0,   0,   0,   0,  // 31-35
      0,  // 36
};

const std::vector<int> AWIDTHSIZVESTAJ = {
      0,  80,  80,  80, 120,  // 1-5
    120,  35, 120,  35,  95,  // 6-10
     50,  90,  90, 105,  40,  // 11-15
    120,  62,  68,  75,  80,  // 16-20
     65,  70, 120, 100, 200,  // 21-25
      0,   0,   0,   0,   0,  // 26-30
      0,   0,   0,   0,   0,  // 31-35
      0,  // 36
};

const std::vector<int> AJUSTTRANS = {
      0,   0,   0,   0,   0,  // 1-5
      0,   0,   0,   0,   0,  // 6-10
      0,   0,   0,   0,   0,  // 11-15
      1,   1,   1,   1,   1,  // 16-20
      1,   0,   0,   0,   0,  // 21-25
      0,   0,   0,   0,   0,  // 26-30
      0,   0,   0,   0,   0,  // 31-35
      0,  // 36
};

}  // namespace layouts
