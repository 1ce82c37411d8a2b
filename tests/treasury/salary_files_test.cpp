// Salary files: lines and fields as the payroll writes them, and the amounts.
#include "treasury/salary_files.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>

#include "shell/vocabulary.h"
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
    const std::string pipe = folder.file("pipe.csv");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto read = [](const std::string& path) { return treasury::MAKEARRY(path); };
    EXPECT_EQ(read(folder.file("plati.csv")).lines, (SalaryLines{{"1", "2"}, {"3", "4"}}));
    EXPECT_EQ(read(folder.file("plati.csv")).refusal, std::nullopt);
    EXPECT_EQ(read(folder.file("empty.csv")).lines, SalaryLines{});
    EXPECT_EQ(read(folder.file("empty.csv")).refusal, std::nullopt);
    EXPECT_EQ(read(folder.file("missing.csv")).refusal, vocab::CPORNEMOZEPROCITAFAJL + folder.file("missing.csv"));
    // What is no regular file is refused by name before a byte is read: a
    // pipe would wait for a writer forever, /dev/zero never ends.
    for (const std::string& path : {pipe, std::string("/dev/zero"), folder.path().string()}) {
        const treasury::SalaryRead refused = read(path);
        EXPECT_EQ(refused.refusal, path + " не е обичен фајл (туку фолдер, уред или цевка).");
        EXPECT_TRUE(refused.lines.empty());
    }
}

TEST(SalaryFiles, MakearryReadsLineByLine) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("plati.csv");
    // Line ends of every kind across the reader's pieces of 64 KiB: the
    // lines come out as splitting the whole text gives them.
    std::string content = "\xEF\xBB\xBF";
    const char* ends[] = {"\r\n", "\n", "\r", "\r\r\n"};
    for (int i = 0; content.size() < 300'000; ++i)
        content += std::to_string(i) + ";" + std::string(static_cast<std::size_t>(i % 97), 'x') + ends[i % 4];
    std::ofstream(path, std::ios::binary) << content;
    EXPECT_EQ(treasury::MAKEARRY(path).lines, treasury::splitSalaryLines(content));

    // A check stops the reading at the first line it refuses, naming line and file.
    std::size_t checked = 0;
    const treasury::SalaryRead stopped =
        treasury::MAKEARRY(path, [&](const std::vector<std::string>& fields, std::size_t index) {
            ++checked;
            EXPECT_EQ(fields.at(0), std::to_string(index));
            return index == 1000 ? std::optional<std::string>("Лош ред! Ред број: ") : std::nullopt;
        });
    EXPECT_EQ(stopped.refusal, "Лош ред! Ред број: 1001\r\n" + path);
    EXPECT_TRUE(stopped.lines.empty());
    EXPECT_EQ(checked, 1001u);

    // A line longer than any record is refused without holding the file.
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "1;2\n" << std::string(treasury::maxSalaryLineBytes + 1, 'x') << "\n3;4\n";
    EXPECT_EQ(treasury::MAKEARRY(path).refusal,
              "Редот е подолг од 65536 бајти: ова не е фајл за плата! Ред број: 2\r\n" + path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(1'000'000, '\0');
    EXPECT_EQ(treasury::MAKEARRY(path).refusal,
              "Редот е подолг од 65536 бајти: ова не е фајл за плата! Ред број: 1\r\n" + path);
    // Exactly as long as allowed: read.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(treasury::maxSalaryLineBytes, 'x');
    EXPECT_EQ(treasury::MAKEARRY(path).lines, (SalaryLines{{std::string(treasury::maxSalaryLineBytes, 'x')}}));
}

// A line at the limit is read, one byte more refused, wherever the reader's
// pieces of 64 KiB end: before, on or after the line's last byte and its end.
TEST(SalaryFiles, TheLineLimitDoesNotDependOnWhereAPieceEnds) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("plati.csv");
    constexpr std::size_t piece = 1 << 16;
    const std::string ends[] = {"\r\n", "\n", "\r", "\r\r\n"};
    // Where the long line's text ends, from the boundary between the
    // second and the third piece: at -1 its CR is the piece's last byte.
    const int offsets[] = {-4, -3, -2, -1, 0, 1, 2, 3, 4};
    for (const std::string& end : ends) {
        for (const int offset : offsets) {
            for (const std::size_t length : {treasury::maxSalaryLineBytes, treasury::maxSalaryLineBytes + 1}) {
                // A short line first, then one that fills the rest, so that the
                // long line starts where its text ends at the offset.
                const std::size_t before = 2 * piece + offset - length;
                const std::string fill(before - 2 * end.size() - 3, 'a');
                const std::string line(length, 'x');
                std::ofstream(path, std::ios::binary | std::ios::trunc)
                    << "1;2" << end << fill << end << line << end << "3;4" << end;
                const treasury::SalaryRead read = treasury::MAKEARRY(path);
                SCOPED_TRACE(testing::Message() << "end " << testing::PrintToString(end) << ", offset " << offset
                                                << ", length " << length);
                if (length == treasury::maxSalaryLineBytes) {
                    EXPECT_EQ(read.refusal, std::nullopt);
                    EXPECT_EQ(read.lines, (SalaryLines{{"1", "2"}, {fill}, {line}, {"3", "4"}}));
                } else {
                    EXPECT_EQ(read.refusal,
                              "Редот е подолг од 65536 бајти: ова не е фајл за плата! Ред број: 3\r\n" + path);
                    EXPECT_TRUE(read.lines.empty());
                }
            }
        }
    }
    // The first line at the limit, its end at the first boundary.
    for (const std::string& end : ends) {
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            << std::string(treasury::maxSalaryLineBytes, 'x') << end << "3;4";
        EXPECT_EQ(treasury::MAKEARRY(path).lines,
                  (SalaryLines{{std::string(treasury::maxSalaryLineBytes, 'x')}, {"3", "4"}}))
            << testing::PrintToString(end);
    }
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
