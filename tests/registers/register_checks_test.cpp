#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "registers/register_cells.h"
#include "registers/register_checks.h"
#include "shell/vocabulary.h"

namespace {

using namespace registers;

// The checks run in order: the code, the description, then (sub-revenues
// only) the percentage. Expected messages: code table, revenue type,
// sub-revenue; empty when the record passes.
TEST(RegisterChecks, FirstFailingCheckGivesItsMessage) {
    using namespace vocab;
    const std::string& code = CPORPRAZNASIFRA;
    const std::string& code2 = CPORPRAZENSIFRA;
    const std::string& text = CPORPRAZENOPIS;
    const std::string& percent = CPORNEISPRAVENPROCENTODBITOCI;
    const std::string ok;
    struct Case {
        std::string sifra, opis;
        int percent;
        std::string codeTable, revenueType, subRevenue;
    } cases[] = {
        {"", "", 0, code, code2, code2},
        {" \t", "Опис", 0, code, code2, code2},
        {"01", "   ", 0, text, text, text},
        {"01", "\r\n", 0, text, text, text},
        {"01", "", 101, text, text, text},
        {"01", "Опис", 101, ok, ok, percent},
        {"01", "Опис", -1, ok, ok, percent},
        {"01", "Опис", 0, ok, ok, ok},
        {"01", "Опис", 100, ok, ok, ok},
        {" 1", " x ", 5, ok, ok, ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sifra + "|" + c.opis + "|" + std::to_string(c.percent));
        const auto message = [](const std::optional<shell::Refusal>& r) { return r ? r->message : ""; };
        EXPECT_EQ(message(codeRowRefusal({c.sifra, c.opis, 1}, "txtSimpleForms")), c.codeTable);
        RevenueType type;
        type.sifra = c.sifra, type.opis = c.opis;
        EXPECT_EQ(message(revenueTypeRefusal(type, "txtTipoviPrihodi")), c.revenueType);
        SubRevenue sub;
        sub.sifra = c.sifra, sub.opis = c.opis, sub.procentOdbitoci = c.percent;
        EXPECT_EQ(message(subRevenueRefusal(sub, "txtPotprihodi")), c.subRevenue);
    }
}

TEST(RegisterChecks, MunicipalitiesAreAlsoCheckedAgainstThePayers) {
    const auto opstini = codeTableReferences("Opstini", "Primaci", "OpstiniID", "зборува");
    ASSERT_EQ(opstini.size(), 2u);
    EXPECT_EQ(opstini[0].table, "Primaci");
    EXPECT_EQ(opstini[1].table, "Isplakjaci");
    EXPECT_EQ(opstini[1].column, "OpstiniID");
    EXPECT_EQ(opstini[1].message, "зборува");
    const auto konta = codeTableReferences("Konta", "Nalozi", "KontaIsplakjaciID", "m");
    ASSERT_EQ(konta.size(), 1u);
    EXPECT_EQ(konta[0].table + "." + konta[0].column, "Nalozi.KontaIsplakjaciID");
}

TEST(RegisterCells, NumbersReadBackFromCells) {
    const std::pair<const char*, int> cases[] = {{"5", 5},   {"  5", 5}, {"100", 100}, {"", 0},
                                                 {"   ", 0}, {"x", 0},   {"5x", 0},    {"-3", -3}};
    for (const auto& [cell, number] : cases) EXPECT_EQ(numberIn(cell), number) << '"' << cell << '"';
}

TEST(RegisterCells, PersonalTaxFlagShownAsTicks) {
    ui::TextTable rows(15);
    for (const char* flag : {"1", "0", "", "2", "v"})
        rows.appendRow({"1", "Опис", "001", "", "", "", "", "30", flag, "1", "", "", "", "", "7"});
    showSubRevenueTicks(rows);
    const char* shown[] = {"v", " ", "", "", ""};
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        EXPECT_EQ(rows.at(r, 8), shown[r]) << r;
        EXPECT_EQ(rows.at(r, 7), "30");  // the other columns as loaded
        EXPECT_EQ(rows.at(r, 9), "1");
    }
}

// The refused box is the one of the field at fault, named after its column.
TEST(RegisterChecks, NameTheRefusedBox) {
    SubRevenue sub;
    sub.sifra = "", sub.opis = "Опис";
    EXPECT_EQ(subRevenueRefusal(sub, "txtPotprihodi")->box, "txtPotprihodiSifra");
    sub.sifra = "01", sub.opis = " ";
    EXPECT_EQ(subRevenueRefusal(sub, "txtPotprihodi")->box, "txtPotprihodiOpis");
    sub.opis = "Опис", sub.procentOdbitoci = 101;
    EXPECT_EQ(subRevenueRefusal(sub, "txtPotprihodi")->box, "txtPotprihodiProcentOdbitoci");
    EXPECT_EQ(codeRowRefusal({"", "", 1}, "txtSimpleForms")->box, "txtSimpleFormsSifra");
}

}  // namespace
