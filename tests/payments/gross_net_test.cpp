#include "payments/gross_net.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using payments::BoxValues;
using payments::TaxRates;

const std::string DEDUCTIONS = "txtTransakciiIznosOdbitoci", TAX = "txtTransakciiIznosDanok",
                  NET = "txtTransakciiIznosNeto", GROSS = "txtTransakciiIznosBruto", VAT = "txtTransakciiIznosDDV";

struct Case {
    const char* what;
    std::int64_t amount;  // the typed gross or net
    TaxRates rates;
    std::int64_t deductions, tax, computed, vat;  // computed: the net or the gross
};

constexpr bool T = true, F = false;

void expectWrites(const BoxValues& got, const std::string& computedBox, const Case& c) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(got[0].box, DEDUCTIONS);
    EXPECT_EQ(got[1].box, TAX);
    EXPECT_EQ(got[2].box, computedBox);
    EXPECT_EQ(got[3].box, VAT);
    EXPECT_EQ(got[0].value, c.deductions);
    EXPECT_EQ(got[1].value, c.tax);
    EXPECT_EQ(got[2].value, c.computed);
    EXPECT_EQ(got[3].value, c.vat);
}

TEST(GrossToNet, DeductionsTaxNetAndVatInThisOrder) {
    // rates: deduction percent, tax withheld, progressive, VAT liable.
    const Case cases[] = {
        {"taxed base 6500", 10000, {35, T, F, F}, 3500, 650, 9350, 0},
        {"deductions 1234.5 round up, VAT 2222.1 down", 12345, {10, T, F, T}, 1235, 1111, 11234, 2222},
        {"no tax, VAT 184.5 rounds up", 1025, {0, F, F, T}, 0, 0, 1025, 185},
        {"not the net a net-to-gross started from", 10360, {35, T, F, F}, 3626, 673, 9687, 0},
        {"progressive is taxed at 10 % here too", 113171, {0, T, T, F}, 0, 11317, 101854, 0},
        {"tax 1.5 rounds up", 15, {0, T, F, F}, 0, 2, 13, 0},
        {"deductions 1.5 round up", 15, {10, T, F, F}, 2, 1, 14, 0},
        {"everything deducted: no tax", 5000, {100, T, F, T}, 5000, 0, 5000, 900},
        {"no tax withheld: net is gross", 7777, {20, F, F, F}, 1555, 0, 7777, 0},
        {"the largest gross", 99999999, {0, T, F, T}, 0, 10000000, 89999999, 18000000},
        {"zero", 0, {35, T, T, T}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) expectWrites(payments::grossToNet(c.amount, c.rates), NET, c);
}

TEST(NetToGross, DeductionsTaxGrossAndVatInThisOrder) {
    const Case cases[] = {
        {"flat: q 9.75", 9350, {35, T, F, F}, 3626, 1010, 10360, 0},
        {"flat, P 0: 15 %", 9000, {0, T, F, F}, 0, 1588, 10588, 0},
        {"flat: tax 1.5 rounds up", 11, {20, T, F, F}, 3, 2, 13, 0},
        {"no tax withheld, VAT of the gross", 5000, {20, F, F, T}, 1000, 0, 5000, 900},
        {"no tax withheld, progressive", 5000, {20, F, T, F}, 1000, 0, 5000, 0},
        {"progressive, below the threshold", 50000, {0, T, T, F}, 0, 5556, 55556, 0},
        {"progressive, at the threshold", 81000, {0, T, T, F}, 0, 9000, 90000, 0},
        {"progressive, one denar above", 81001, {0, T, T, F}, 0, 9000, 90001, 0},
        {"progressive, above", 100000, {0, T, T, F}, 0, 13171, 113171, 0},
        {"progressive with deductions, above", 60000, {35, T, T, F}, 23388, 6824, 66824, 0},
        // The threshold is 52650 for P 35; the tax steps from 3660 to 5850.
        {"progressive with deductions, at the threshold; deductions 19708.5", 52650, {35, T, T, F}, 19709, 3660,
         56310, 0},
        {"progressive with deductions, one denar above", 52651, {35, T, T, F}, 20475, 5850, 58501, 0},
        {"progressive: tax 493.5 rounds up", 8319, {44, T, T, F}, 3878, 494, 8813, 0},
        {"everything deducted, progressive", 5000, {100, T, T, F}, 5000, 0, 5000, 0},
        {"everything deducted, flat", 5000, {100, T, F, T}, 5000, 0, 5000, 900},
        {"the largest net whose gross fits", 84999999, {0, T, F, T}, 0, 15000000, 99999999, 18000000},
        {"a gross of 9 digits", 85000000, {0, T, F, F}, 0, 15000000, 100000000, 0},
    };
    for (const Case& c : cases) expectWrites(payments::netToGross(c.amount, c.rates), GROSS, c);
}

TEST(AmountBoxes, TheFirstValueBeyondEightDigitsOrBelowZero) {
    const TaxRates flatVat{0, T, F, T};
    EXPECT_EQ(payments::firstTooWide(payments::netToGross(84999999, flatVat)), std::nullopt);
    EXPECT_EQ(payments::firstTooWide(payments::netToGross(85000000, flatVat)), GROSS);
    EXPECT_EQ(payments::firstTooWide(payments::grossToNet(99999999, flatVat)), std::nullopt);
    // More deductions than gross (a percentage above 100) give a negative tax.
    EXPECT_EQ(payments::firstTooWide(payments::grossToNet(1000, {150, T, F, F})), TAX);
    const BoxValues wideVat{{{DEDUCTIONS, 0}, {TAX, 0}, {NET, 1}, {VAT, 100000000}}};
    EXPECT_EQ(payments::firstTooWide(wideVat), VAT);
}

TEST(AmountBoxes, ARefusedCalculationEmptiesEveryBoxItFills) {
    const TaxRates flat{0, T, F, T};
    struct Refused {
        const char* what;
        BoxValues values;
        std::string required;  // the box the save refuses when it reads 0
    };
    const Refused refused[] = {
        {"a gross of 9 digits", payments::netToGross(85000000, flat), GROSS},
        // More deductions than gross: a negative tax and a net above the gross.
        {"a percentage above 100", payments::grossToNet(1000, {150, T, F, F}), NET},
        {"a negative percentage", payments::grossToNet(1000, {-10, T, F, F}), NET},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.what);
        const auto fills = payments::boxFills(r.values);
        bool requiredEmptied = false;
        for (std::size_t i = 0; i < fills.size(); ++i) {
            EXPECT_EQ(fills[i].box, r.values[i].box);
            EXPECT_EQ(fills[i].value, std::nullopt);
            requiredEmptied = requiredEmptied || fills[i].box == r.required;
        }
        EXPECT_TRUE(requiredEmptied);
    }
    const BoxValues fitting = payments::netToGross(84999999, flat);
    const auto fills = payments::boxFills(fitting);
    for (std::size_t i = 0; i < fills.size(); ++i) {
        EXPECT_EQ(fills[i].box, fitting[i].box);
        EXPECT_EQ(fills[i].value, fitting[i].value);
    }
}

}  // namespace
