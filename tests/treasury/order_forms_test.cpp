// The order forms: kinds, sets, payers offered, treasury accounts, the looks
// of the boxes and the sheet every box lies on.
#include "treasury/order_forms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using treasury::FormSet;
using treasury::Look;

const std::vector<std::string> CODES = {"60", "70", "73", "76", "80", "90", "91", "93", "94"};

// Every control of the edit window that lies over a field of the form.
const std::vector<std::string> CONTROLS = {
    "txtNaloziTrezorskaKancelarija", "txtNaloziDatumNaDospeanost", "txtNaloziSmetkaZadolzuva",
    "cbNaloziIsplakjaciZiroSmetki",  "txtNaloziIsplakjaciNaziv",   "txtNaloziIsplakjaciSediste",
    "cbNaloziKontaIsplakjaci",       "txtNaloziProgramaZadolzuva", "txtNaloziCelNaDoznaka",
    "txtNaloziSmetkaPrimac",         "cbNaloziPrimaci",            "txtNaloziPrimaci",
    "cbNaloziPrimaciZiroSmetki",     "txtNaloziPrimaciZiroSmetki", "cbNaloziKontaPrimac",
    "txtNaloziKontaPrimac",          "txtNaloziProgramaPrimac",    "txtNaloziIznos",
    "txtNaloziPovikuvanjeNaBroj",
};

TEST(OrderForms, KindsAndSetsOfTheNineCodes) {
    const struct {
        const char* code;
        const char* kind;
        FormSet set;
    } cases[] = {
        {"60", "TRZ", FormSet::Outside}, {"90", "FZM", FormSet::Outside}, {"70", "TRZ", FormSet::Levies},
        {"91", "FZM", FormSet::Levies},  {"73", "TRZ", FormSet::Refund},  {"93", "FZM", FormSet::Refund},
        {"76", "TRZ", FormSet::Between}, {"80", "TRZ", FormSet::Cash},    {"94", "FZM", FormSet::Cash},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(treasury::treasuryKindOf(c.code), c.kind) << c.code;
        EXPECT_EQ(treasury::formSetOf(c.code), c.set) << c.code;
    }
    for (const char* unknown : {"92", "", "6", "600", "61"}) {
        EXPECT_FALSE(treasury::treasuryKindOf(unknown)) << unknown;
        EXPECT_FALSE(treasury::formSetOf(unknown)) << unknown;
    }
}

TEST(OrderForms, PayersOfferedByForm) {
    EXPECT_EQ(treasury::payerRowsQuery("76", "TRZ"),
              "select ID, ID, Naziv || ' ' || Sediste from Isplakjaci order by Naziv || ' ' || Sediste");
    EXPECT_EQ(treasury::payerRowsQuery("94", "FZM"),
              "select ID, ID, Naziv || ' ' || Sediste from Isplakjaci where Vidnatrezor = 'FZM' order by Naziv || ' ' "
              "|| Sediste");
}

TEST(OrderForms, TreasuryAccountsDebitedAndPaidInto) {
    const treasury::TreasuryAccounts accounts{"100000000063095", "1000066005"};
    EXPECT_EQ(treasury::debitedAccount("TRZ", accounts), "100000000063095");
    EXPECT_EQ(treasury::debitedAccount("FZM", accounts), "1000066005     ");
    EXPECT_FALSE(treasury::debitedAccount("", accounts));
    EXPECT_FALSE(treasury::debitedAccount("XYZ", accounts));
    const std::string blanks(18, ' ');
    EXPECT_EQ(treasury::payeeAccount(FormSet::Outside, "TRZ", accounts), blanks);
    EXPECT_EQ(treasury::payeeAccount(FormSet::Refund, "FZM", accounts), blanks);
    EXPECT_EQ(treasury::payeeAccount(FormSet::Levies, "FZM", accounts), "100000000063095");
    EXPECT_EQ(treasury::payeeAccount(FormSet::Between, "TRZ", accounts), "1000066005");  // the other treasury
    EXPECT_EQ(treasury::payeeAccount(FormSet::Between, "FZM", accounts), "100000000063095");
    EXPECT_EQ(treasury::payeeAccount(FormSet::Cash, "TRZ", accounts), "");
}

TEST(OrderForms, LooksOfTheBoxesByForm) {
    const auto looks = [](const std::string& control) {
        std::string out;
        for (const auto& code : CODES) {
            const Look l = treasury::lookOf(control, code);
            out += l == Look::Enabled ? 'E' : l == Look::Disabled ? 'D' : 'H';
        }
        return out;
    };
    // Columns: 60 70 73 76 80 90 91 93 94.
    EXPECT_EQ(looks("txtNaloziSmetkaZadolzuva"), "DHHDHHHHH");
    EXPECT_EQ(looks("txtNaloziSmetkaPrimac"), "HHEDHHHEH");
    EXPECT_EQ(looks("cbNaloziPrimaci"), "EEHEEEEHE");
    EXPECT_EQ(looks("cbNaloziPrimaciZiroSmetki"), "EEHEHEEHH");
    EXPECT_EQ(looks("cbNaloziKontaPrimac"), "HEHEHHEHH");
    EXPECT_EQ(looks("txtNaloziKontaPrimac"), "HHEHEHHEE");
    EXPECT_EQ(looks("txtNaloziProgramaPrimac"), "HEEEEHEEE");
    EXPECT_EQ(looks("txtNaloziPovikuvanjeNaBroj"), "EHEHDEHED");
    // The office is never stored from its box: disabled on every form.
    EXPECT_EQ(looks("txtNaloziTrezorskaKancelarija"), "DDDDDDDDD");
    EXPECT_EQ(looks("txtNaloziIsplakjaciNaziv"), "DDDDDDDDD");
    EXPECT_EQ(looks("txtNaloziIznos"), "EEEEEEEEE");
}

// A box for every control a form shows, and no two shown controls in one box.
TEST(OrderForms, EveryShownControlLiesInItsOwnBox) {
    for (const auto& code : CODES) {
        const FormSet set = *treasury::formSetOf(code);
        for (const auto& box : treasury::formBoxes(set)) {
            const auto shown = std::count_if(box.controls.begin(), box.controls.end(), [&](const std::string& c) {
                return treasury::lookOf(c, code) != Look::Hidden;
            });
            EXPECT_LE(shown, 1) << code << " " << box.caption;
        }
        for (const auto& control : CONTROLS) {
            if (treasury::lookOf(control, code) != Look::Hidden) {
                EXPECT_TRUE(treasury::placeOf(control, set)) << code << " " << control;
            }
        }
    }
}

// Boxes stay on the sheet and never overlap, so no control covers another.
TEST(OrderForms, BoxesLieOnTheSheetApart) {
    for (const FormSet set : {FormSet::Outside, FormSet::Levies, FormSet::Refund, FormSet::Between, FormSet::Cash}) {
        const auto& boxes = treasury::formBoxes(set);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const auto& a = boxes[i];
            EXPECT_GE(a.col, 0);
            EXPECT_LE(a.col + a.width, treasury::SHEETSHOWN - 5) << a.caption;  // inside the part in sight
            EXPECT_LE(a.row + treasury::BOXHEIGHT, treasury::SHEETHEIGHT - 30) << a.caption;  // above the signatures
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                const auto& b = boxes[j];
                const bool apart = a.col + a.width <= b.col || b.col + b.width <= a.col ||
                                   a.row + treasury::BOXHEIGHT <= b.row || b.row + treasury::BOXHEIGHT <= a.row;
                EXPECT_TRUE(apart) << a.caption << " / " << b.caption;
            }
        }
    }
    EXPECT_EQ(treasury::placeOf("txtNaloziIznos", FormSet::Outside)->col, treasury::SHEETCOL + 491 + 5);
    EXPECT_FALSE(treasury::placeOf("txtNaloziSmetkaPrimac", FormSet::Outside));
}

// The sheet names its form and draws the boxes of the fields the form shows.
TEST(OrderForms, SheetOfEachForm) {
    const auto texts = [](const std::string& code) {
        std::set<std::string> out;
        for (const auto& shape : treasury::formSheet(code))
            if (shape.kind == ui::Shape::Kind::Text) out.insert(shape.text);
        return out;
    };
    EXPECT_EQ(treasury::formPictureName("73"), "imgPP73");
    const auto sixty = texts("60"), ninety = texts("90"), cash = texts("94");
    EXPECT_TRUE(sixty.count("Образец 60"));
    EXPECT_TRUE(sixty.count("Трезорска сметка"));   // debited account, shown on 60
    EXPECT_FALSE(ninety.count("Трезорска сметка"));  // hidden on 90
    EXPECT_TRUE(cash.count("ЕМБГ на примачот"));
    EXPECT_TRUE(cash.count("Барање за готовинска исплата"));
    EXPECT_FALSE(cash.count("Повикување на број (одобрува)"));
}

}  // namespace
