// The CSV file's bytes and its name.
#include "listkit/csv.h"

#include <gtest/gtest.h>

namespace {

ui::TextTable lines(std::initializer_list<std::vector<std::string>> rows) {
    ui::TextTable t(rows.begin()->size());
    for (const auto& r : rows) t.appendRow(r);
    return t;
}

TEST(Csv, EveryFieldQuotedEveryRecordEndedByCarriageReturnAlone) {
    const auto t = lines({{"1", "Ана"}, {"2", "Б"}});
    EXPECT_EQ(listkit::csvBytes({{"ID", "Назив"}, t}), "\"ID\",\"Назив\"\r\"1\",\"Ана\"\r\"2\",\"Б\"\r");
}

TEST(Csv, QuotesDoubledCommasAndLineBreaksKept) {
    const auto t = lines({{"1", "Фирма \"Тест\"", "a,b", "ред\r\nдва\n"}, {"", "\"", "", ""}});
    EXPECT_EQ(listkit::csvBytes({{"ID", "Име ^", "x", "y"}, t}),
              "\"ID\",\"Име ^\",\"x\",\"y\"\r"
              "\"1\",\"Фирма \"\"Тест\"\"\",\"a,b\",\"ред\r\nдва\n\"\r"
              "\"\",\"\"\"\",\"\",\"\"\r");
}

TEST(Csv, WithoutCaptionsOnlyTheLines) {
    const auto t = lines({{"1", "x"}});
    EXPECT_EQ(listkit::csvBytes({{}, t}), "\"1\",\"x\"\r");
}

// Lists of several megabytes go out in pieces, written while the next is made.
ui::TextTable bigList(std::size_t rows) {
    ui::TextTable t(3);
    for (std::size_t r = 0; r < rows; ++r)
        t.appendRow({std::to_string(r), r % 7 ? "Ана Петровска" : "Фирма \"Тест\"", std::string(r % 50, 'x')});
    return t;
}

TEST(Csv, AListOfManyPiecesIsTheSameBytesInOrder) {
    const ui::TextTable t = bigList(100000);
    std::string expected = "\"ID\",\"Назив\",\"x\"\r";
    for (std::size_t r = 0; r < t.rows(); ++r)
        expected += "\"" + t.at(r, 0) + "\",\"" + listkit::_PARSEQUOTE(t.cell(r, 1)) + "\",\"" + t.at(r, 2) + "\"\r";
    std::size_t pieces = 0;
    std::string written;
    listkit::writeCsv({{"ID", "Назив", "x"}, t}, [&](std::string_view piece) {
        ++pieces;
        written += piece;
        return true;
    });
    EXPECT_GT(pieces, 3u);
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
}

// The file as a plain writer makes it, field by field and byte by byte: what
// the buffered copies must match.
std::string plainCsv(const std::vector<std::vector<std::string>>& records) {
    std::string out;
    for (const auto& record : records)
        for (std::size_t i = 0; i < record.size(); ++i) {
            out += '"';
            for (const char ch : record[i]) out += ch == '"' ? std::string(2, '"') : std::string(1, ch);
            out += i + 1 == record.size() ? "\"\r" : "\",";
        }
    return out;
}

TEST(Csv, CellsAroundTheFastCopiesAreTheBytesOfAPlainWriter) {
    // Lengths about the sixteen-byte copies, quotes and separators at either
    // end, several-byte letters cut nowhere, and one cell longer than a piece.
    const std::vector<std::string> cells = {
        "", "a", "\"", "\"\"", "a,b", ",", "x\r\ny", "\n", "\r", "Ана", "Ѓорѓи \"Љ\"", "€",
        std::string(15, 'x'), std::string(16, 'y'), std::string(17, 'z'), std::string(31, 'q'),
        std::string(32, 'w') + "\"", "\"" + std::string(33, 'e'), "\",\"", std::string(8, ' '),
    };
    const std::string huge = "\"" + std::string(1200000, 'h') + "\",ж";
    constexpr std::size_t columns = 5, rows = 30000;
    ui::TextTable t(columns);
    std::vector<std::vector<std::string>> records = {{"ID", "Назив \"ш\"", "", "a,b", "x"}};
    for (std::size_t r = 0; r < rows; ++r) {
        std::vector<std::string> row;
        for (std::size_t c = 0; c < columns; ++c) row.push_back(cells[(r * 7 + c * 3 + r / cells.size()) % cells.size()]);
        if (r == rows / 2) row[r % columns] = huge;
        t.appendRow(row);
        records.push_back(row);
    }
    std::vector<std::string> pieces;
    listkit::writeCsv({records.front(), t}, [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    });
    std::string written;
    for (const auto& piece : pieces) {
        EXPECT_EQ(piece.back(), '\r') << "a piece ends inside a record";
        written += piece;
    }
    const std::string expected = plainCsv(records);
    EXPECT_EQ(written.size(), expected.size());
    EXPECT_TRUE(written == expected);
    EXPECT_TRUE(listkit::csvBytes({records.front(), t}) == expected);
}

TEST(Csv, AFailedWriteStopsTheExport) {
    std::size_t pieces = 0;
    listkit::writeCsv({{}, bigList(100000)}, [&](std::string_view) {
        ++pieces;
        return false;
    });
    EXPECT_EQ(pieces, 1u);
}

TEST(Csv, QuoteDoubling) {
    EXPECT_EQ(listkit::_PARSEQUOTE(""), "");
    EXPECT_EQ(listkit::_PARSEQUOTE("\"\"a\""), "\"\"\"\"a\"\"");
    EXPECT_EQ(listkit::_PARSEQUOTE("Ана 'б'"), "Ана 'б'");
}

TEST(Csv, SuffixAddedUnlessTheNameEndsSoInAnyCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"izvoz", "izvoz.csv"},
        {"IZVOZ.CSV", "IZVOZ.CSV"},
        {"izvoz.Csv", "izvoz.Csv"},
        {"izvoz.csv.bak", "izvoz.csv.bak.csv"},
        {"/tmp/a/извоз", "/tmp/a/извоз.csv"},
        {".csv", ".csv"},
        {"csv", "csv.csv"},
    };
    for (const auto& [typed, file] : cases) EXPECT_EQ(listkit::csvFileName(typed), file);
}

}  // namespace
