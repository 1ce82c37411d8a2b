// Salary files: lines and fields as the payroll writes them, and the amounts.
#include "treasury/salary_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"
#include "treasury/amounts.h"

namespace {

using treasury::SalaryLines;

TEST(SalaryFiles, LinesEndInEveryConventionAndFieldsSplitAtEverySemicolon) {
    const std::pair<const char*, SalaryLines> cases[] = {
        {"", {}},
        {"a;b", {{"a", "b"}}},
        {"a;b\r\n", {{"a", "b"}}},                                 // a final line end makes no line
        {"a\r\nb\nc\rd\r\r\ne", {{"a"}, {"b"}, {"c"}, {"d"}, {"e"}}},  // CR LF, LF, CR, CR CR LF
        {"a\n\nb\n", {{"a"}, {""}, {"b"}}},                         // an empty line stays a line
        {";;x; y ;", {{"", "", "x", " y ", ""}}},                   // no trimming, empty fields kept
        {"\"a;b\"", {{"\"a", "b\""}}},                              // no quoting
        {"Ана;Јованоска\r\n", {{"Ана", "Јованоска"}}},
        {"\xEF\xBB\xBF" "a;b\r\n", {{"a", "b"}}},                  // a byte-order mark is no text
        {"a;\xEF\xBB\xBF" "b", {{"a", "\xEF\xBB\xBF" "b"}}},          // only before the first line
    };
    for (const auto& [content, lines] : cases) EXPECT_EQ(treasury::splitSalaryLines(content), lines) << content;
}

TEST(SalaryFiles, MakearryReadsAFileAndTellsAFileItCannotRead) {
    testing_support::TempFolder folder;
    std::ofstream(folder.file("plati.csv"), std::ios::binary) << "1;2\r\n3;4\r\n";
    std::ofstream(folder.file("empty.csv"), std::ios::binary);
    EXPECT_EQ(treasury::MAKEARRY(folder.file("plati.csv")), (SalaryLines{{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(treasury::MAKEARRY(folder.file("empty.csv")), SalaryLines{});
    EXPECT_EQ(treasury::MAKEARRY(folder.file("missing.csv")), std::nullopt);
    EXPECT_EQ(treasury::MAKEARRY(folder.path().string()), std::nullopt);  // a folder
}

TEST(SalaryFiles, AmountsArePlainNumbersWithADecimalPoint) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"25000.50", 2500050}, {"18000", 1800000}, {"0.07", 7},         {" 12.5 ", 1250}, {"0", 0},
        {"1.005", 101},        {"1234,56", {}},    {"", {}},            {"abc", {}},      {"-5", {}},
        {"+5", {}},            {"12.", {}},        {".5", {}},          {"12.5x", {}},    {"1 000", {}},
        {"1e5", {}},           {"0.005", 1},       {"0.0049999", 0},    {"7.1", 710},
        // Fifteen integer digits keep every cent: no double on the way.
        {"999999999999999.99", 99'999'999'999'999'999}, {"123456789012345.67", 12'345'678'901'234'567},
        {"100000000000000.01", 10'000'000'000'000'001},
    };
    for (const auto& [field, cents] : cases) EXPECT_EQ(treasury::salaryAmount(field), cents) << field;
    // Beyond the file's digits: left for the writer to refuse as too large.
    EXPECT_GT(*treasury::salaryAmount("99999999999999999"), treasury::maxFileCents);
}

}  // namespace
