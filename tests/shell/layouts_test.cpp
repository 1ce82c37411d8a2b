#include "shell/layouts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

// Values in the select list, counted by the commas before " from ".
std::size_t selectedValues(const std::string& query) {
    const std::size_t from = query.find(" from ");
    if (from == std::string::npos) return 0;
    std::size_t commas = 0;
    int depth = 0;
    for (std::size_t i = 0; i < from; ++i) {
        if (query[i] == '(') ++depth;
        else if (query[i] == ')') --depth;
        else if (query[i] == ',' && depth == 0) ++commas;
    }
    return commas + 1;
}

TEST(Layouts, BaseQueriesMatchByteForByte) {
    EXPECT_EQ(layouts::STRNALOZI,
              "SELECT  t.ID, t.Obrazec, t.DatumNaPodnesuvanje, t.DatumNaDospeanost, t.SmetkaZadolzuva, t.PodsmetkaZadolzuva, t.KontoZadolzuva,  t.ProgramaZadolzuva, t.CelNaDoznaka, t.TrezorskaKancelarija,  t.Iznos, t.SmetkaPrimac, t.NazivPrimac,  t.PodsmetkaPrimac,  t.KontoPrimac,  t.ProgramaPrimac, t.PovikuvanjeNaBroj, t.Nacin, t.DanocenBroj, t.IsplakjaciID, t.IsplakjaciZiroSmetkiID,  t.KontaIsplakjaciID, t.PrimaciID, t.PrimaciZiroSmetkiID, t.KontaPrimaciID   from Nalozi AS t ");
    EXPECT_EQ(layouts::STRTRANSAKCII,
              "SELECT  t.ID, t.DatumNaPlacanje, t.DatumPeriodOd, t.DatumPeriodDo, iz.ZiroSmetka, tp.Opis, tp.Sifra, pp.Opis,  pp.Sifra, pl.Opis, pl.Sifra, TRIM(p.Ime), TRIM(p.Prezime), p.EMBG, o.Sifra, pz.ZiroSmetka,  t.IznosAvans, t.IznosBruto, t.IznosOdbitoci, t.IznosDanok, t.IznosNeto, t.IznosDDV,  t.BrojResenieDo, t.DatumResenieDo, t.Komentar, t.IsplakjaciZiroSmetkiID, t.PrimaciZiroSmetkiID, t.TipoviPrihodiID, t.PotprihodiID, t.TipoviKalkulaciiID, t.TipoviPlacanjaID, p.ID,  k.Sifra, pp.ProgramaPrimac, pp.UplatnaSmetkaZaPD1, pp.UplatnaSmetkaZaPD2   from Transakcii AS t  LEFT OUTER JOIN IsplakjaciZiroSmetki AS iz ON t.IsplakjaciZiroSmetkiID = iz.ID  LEFT OUTER JOIN Isplakjaci AS i ON iz.IsplakjaciID = i.ID  LEFT OUTER JOIN PrimaciZiroSmetki AS pz ON t.PrimaciZiroSmetkiID = pz.ID  LEFT OUTER JOIN Primaci AS p ON pz.PrimaciID = p.ID  LEFT OUTER JOIN Opstini AS o ON p.OpstiniID = o.ID  LEFT OUTER JOIN TipoviPrihodi AS tp ON t.TipoviPrihodiID = tp.ID  JOIN Potprihodi AS pp ON pp.ID = t.PotprihodiID  LEFT OUTER JOIN Konta AS k ON pp.KontaID = k.ID  LEFT OUTER JOIN TipoviKalkulacii AS tk ON t.TipoviKalkulaciiID = tk.ID  LEFT OUTER JOIN TipoviPlacanja AS pl ON t.TipoviPlacanjaID = pl.ID ");
}

TEST(Layouts, EveryRowArrayHasOneEntryPerCaption) {
    struct Row {
        const char* name;
        const std::string& query;
        const std::vector<std::string>& captions;
        std::size_t columns;
        std::vector<const std::vector<int>*> widths;
        const std::vector<int>& alignment;
    };
    const Row rows[] = {
        {"orders", layouts::STRNALOZI, layouts::AHEADERSNALOZI, 25,
         {&layouts::AWIDTHSNALOZI, &layouts::AWIDTHSVPREGLEDTREZOR, &layouts::AWIDTHSIZVESTAJTREZOR},
         layouts::AJUSTNALOZI},
        {"payment items", layouts::STRTRANSAKCII, layouts::AHEADERSTRANSAKCII, 36,
         {&layouts::AWIDTHSTRANS, &layouts::AWIDTHSVPREGLED, &layouts::AWIDTHSIZVESTAJ},
         layouts::AJUSTTRANS},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(r.captions.size(), r.columns);
        EXPECT_EQ(selectedValues(r.query), r.columns);
        for (const std::vector<int>* w : r.widths) {
            EXPECT_EQ(w->size(), r.columns);
            for (int px : *w) EXPECT_GE(px, 0);
        }
        EXPECT_EQ(r.alignment.size(), r.columns);
        for (int a : r.alignment) EXPECT_TRUE(a >= 0 && a <= 2) << a;
    }
}

TEST(Layouts, ChosenColumns) {
    using layouts::AHEADERSNALOZI, layouts::AHEADERSTRANSAKCII;
    // Positions are 1-based, as the columns are numbered in the row.
    struct Caption { const std::vector<std::string>& array; std::size_t pos; const char* text; };
    const Caption captions[] = {
        {AHEADERSNALOZI, 1, "ID"},
        {AHEADERSNALOZI, 2, "Образец"},
        {AHEADERSNALOZI, 6, "Сметка буџ. кор."},
        {AHEADERSNALOZI, 17, "Повикување на бр"},
        {AHEADERSNALOZI, 25, "KontaPrimaciID"},
        {AHEADERSTRANSAKCII, 7, "Шф"},
        {AHEADERSTRANSAKCII, 9, "Шф"},
        {AHEADERSTRANSAKCII, 20, "Перс.Данок"},
        {AHEADERSTRANSAKCII, 32, "PrimaciID"},
        {AHEADERSTRANSAKCII, 36, "UplSmetka2"},
        {layouts::AHEADERSZIRO, 2, "Жиро сметка"},
        {layouts::AHEADERSISPLAKJACI, 16, "OpstiniID"},
        {layouts::AHEADERSPOTPRIHODI, 15, "TipoviPrihodiID"},
    };
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.text);
        ASSERT_LE(c.pos, c.array.size());
        EXPECT_EQ(c.array[c.pos - 1], c.text);
    }

    struct Number { const char* name; const std::vector<int>& array; std::size_t pos; int value; };
    const Number numbers[] = {
        // The submission date shows only in the report, the office only in the order window.
        {"AWIDTHSNALOZI", layouts::AWIDTHSNALOZI, 3, 0},
        {"AWIDTHSIZVESTAJTREZOR", layouts::AWIDTHSIZVESTAJTREZOR, 3, 80},
        {"AWIDTHSNALOZI", layouts::AWIDTHSNALOZI, 10, 60},
        {"AWIDTHSVPREGLEDTREZOR", layouts::AWIDTHSVPREGLEDTREZOR, 10, 0},
        {"AWIDTHSVPREGLEDTREZOR", layouts::AWIDTHSVPREGLEDTREZOR, 2, 30},
        {"AJUSTNALOZI", layouts::AJUSTNALOZI, 2, 1},
        {"AJUSTNALOZI", layouts::AJUSTNALOZI, 11, 1},
        {"AWIDTHSTRANS", layouts::AWIDTHSTRANS, 5, 120},
        {"AWIDTHSVPREGLED", layouts::AWIDTHSVPREGLED, 5, 0},
        {"AWIDTHSIZVESTAJ", layouts::AWIDTHSIZVESTAJ, 2, 80},
        {"AWIDTHSTRANS", layouts::AWIDTHSTRANS, 25, 200},
        {"AWIDTHSTRANS", layouts::AWIDTHSTRANS, 35, 100},
        {"AWIDTHSTRANS", layouts::AWIDTHSTRANS, 36, 0},
        {"AWIDTHSIZVESTAJ", layouts::AWIDTHSIZVESTAJ, 26, 0},
        {"AJUSTTRANS", layouts::AJUSTTRANS, 15, 0},
        {"AJUSTTRANS", layouts::AJUSTTRANS, 16, 1},
        {"AJUSTTRANS", layouts::AJUSTTRANS, 21, 1},
        {"AJUSTTRANS", layouts::AJUSTTRANS, 22, 0},
    };
    for (const Number& n : numbers) {
        SCOPED_TRACE(std::string(n.name) + " column " + std::to_string(n.pos));
        ASSERT_LE(n.pos, n.array.size());
        EXPECT_EQ(n.array[n.pos - 1], n.value);
    }

    EXPECT_EQ(layouts::AHEADERSSIMPLEFORMS,
              (std::vector<std::string>{"ID", "Шифра", "Опис", "Статус"}));
}

}  // namespace
