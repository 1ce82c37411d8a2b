// dBase tables read back as written by shapelib: fields, records with their
// deleted flag, bytes as stored, dates; damaged files refused; no file left open.
#include "platform/dbase/table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/dbf_fixture.h"
#include "support/temp_folder.h"

namespace {

using testing_support::DbfRecord;
using testing_support::writeDbf;

std::size_t openFiles() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}

class DbaseTable : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(writeDbf(path, {{"NAME", 'C', 6}, {"BORN", 'D', 8}, {"Code", 'C', 2}},
                             {{{"Ana", "20260101", "7"}},
                              {{" Bo b", "", "AB"}, true},
                              {{"L\xC3\xB6we", "00000000", "9"}}}));
        before = openFiles();
    }

    testing_support::TempFolder folder;
    const std::string path = folder.file("t.dbf");
    std::size_t before = 0;
    std::string error;
};

TEST_F(DbaseTable, FieldsAndRecordsAsStored) {
    {
        auto table = dbase::Table::open(path, error);
        ASSERT_TRUE(table) << error;
        ASSERT_EQ(table->fields().size(), 3u);
        EXPECT_EQ(table->fields()[0].name, "NAME");
        EXPECT_EQ(table->fields()[0].type, 'C');
        EXPECT_EQ(table->fields()[0].width, 6);
        EXPECT_EQ(table->fields()[1].type, 'D');
        EXPECT_EQ(table->fields()[1].width, 8);
        EXPECT_EQ(table->fieldIndex("born"), 1);
        EXPECT_EQ(table->fieldIndex("CODE"), 2);
        EXPECT_EQ(table->fieldIndex("NAM"), -1);
        ASSERT_EQ(table->recordCount(), 3);

        const struct {
            bool deleted;
            std::vector<std::string> values;
        } expected[] = {
            {false, {"Ana   ", "20260101", "7 "}},
            {true, {" Bo b ", "        ", "AB"}},
            {false, {"L\xC3\xB6we ", "00000000", "9 "}},
        };
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            const auto record = table->read(i, error);
            ASSERT_TRUE(record) << error;
            EXPECT_EQ(record->deleted, expected[i].deleted);
            EXPECT_EQ(record->values, expected[i].values);
        }
        EXPECT_FALSE(table->read(3, error));
        EXPECT_GT(openFiles(), before);
    }
    EXPECT_EQ(openFiles(), before);
}

TEST_F(DbaseTable, NameInAnyCase) {
    const std::string upper = folder.file("RADNIK.Dbf");
    std::filesystem::rename(path, upper);
    auto table = dbase::Table::open(upper, error);
    ASSERT_TRUE(table) << error;
    EXPECT_EQ(table->recordCount(), 3);
}

TEST_F(DbaseTable, DamagedFilesAreRefusedAndClosed) {
    const auto bytes = [&] {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    const auto rewrite = [&](const std::string& content) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
    };

    rewrite("");
    EXPECT_FALSE(dbase::Table::open(path, error));
    EXPECT_FALSE(error.empty());
    rewrite("not a table at all, only text that goes on for a while beyond the header size");
    EXPECT_FALSE(dbase::Table::open(path, error));
    EXPECT_FALSE(dbase::Table::open(folder.file("none.dbf"), error));
    EXPECT_EQ(openFiles(), before);

    // Cut in the last record: the header counts a record the file does not hold.
    rewrite(bytes.substr(0, bytes.size() - 8));
    EXPECT_FALSE(dbase::Table::open(path, error));
    EXPECT_EQ(openFiles(), before);

    // A record whose flag byte is neither blank nor '*'.
    std::string flagged = bytes;
    const std::size_t headerLength = static_cast<unsigned char>(bytes[8]) + 256u * static_cast<unsigned char>(bytes[9]);
    flagged[headerLength] = 'x';
    rewrite(flagged);
    auto table = dbase::Table::open(path, error);
    ASSERT_TRUE(table) << error;
    EXPECT_FALSE(table->read(0, error));
    EXPECT_TRUE(table->read(1, error));
}

TEST_F(DbaseTable, RecordCountMustFitTheFileSize) {
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_EQ(bytes.substr(4, 4), std::string("\x03\0\0\0", 4));
    // The header's count (bytes 4 to 7, lowest first) and the bytes after the
    // records: anything but 3 records read whole is refused, never read as fewer.
    const struct {
        const char* what;
        std::string count;
        std::string tail;  // replaces the end-of-file byte
        bool opens;
    } cases[] = {
        {"as written", std::string("\x03\0\0\0", 4), "\x1A", true},
        {"without the end-of-file byte", std::string("\x03\0\0\0", 4), "", true},
        {"0 while records follow", std::string("\0\0\0\0", 4), "\x1A", false},
        {"top bit only", std::string("\0\0\0\x80", 4), "\x1A", false},
        {"one less", std::string("\x02\0\0\0", 4), "\x1A", false},
        {"one more", std::string("\x04\0\0\0", 4), "\x1A", false},
        {"3 with the top bit", std::string("\x03\0\0\x80", 4), "\x1A", false},
        {"largest", std::string("\xFF\xFF\xFF\x7F", 4), "\x1A", false},
        {"all bits", std::string("\xFF\xFF\xFF\xFF", 4), "\x1A", false},
        {"a whole record more in the file", std::string("\x03\0\0\0", 4),
         " " + std::string(16, 'z') + "\x1A", false},
    };
    ASSERT_EQ(bytes.back(), '\x1A');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::string damaged = bytes.substr(0, bytes.size() - 1) + c.tail;
        damaged.replace(4, 4, c.count);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << damaged;
        error.clear();
        const auto table = dbase::Table::open(path, error);
        EXPECT_EQ(table.has_value(), c.opens) << error;
        if (table) EXPECT_EQ(table->recordCount(), 3);
        else EXPECT_FALSE(error.empty());
    }
    EXPECT_EQ(openFiles(), before);
}

TEST(DbaseDate, StoredDates) {
    const struct {
        const char* stored;
        std::optional<std::string> text;
    } cases[] = {
        {"20260702", "20260702"}, {"20240229", "20240229"}, {"        ", ""},        {"00000000", ""},
        {"20250229", std::nullopt}, {"20261301", std::nullopt}, {"2026070 ", std::nullopt}, {"2026-7-2", std::nullopt},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(dbase::dateText(c.stored), c.text) << c.stored;
}

}  // namespace
