// Damaged payroll tables, made deterministically from a good one: every
// length it can be cut to and every byte replaced by a few telling values.
// Each is either refused with a message or read into records that hold only
// printable 7-bit text and valid dates; none crashes or hangs the reader. A
// damaged record count is always refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>

#include "payments/payroll.h"
#include "platform/dbase/table.h"
#include "support/dbf_fixture.h"
#include "support/temp_folder.h"

namespace {

bool printable(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

bool dateOrEmpty(const std::string& date) { return date.empty() || dbase::dateText(date) == date; }

TEST(PayrollMutation, DamagedTablesAreRefusedOrReadClean) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("Radnik.dbf");
    ASSERT_TRUE(testing_support::writeDbf(
        path, testing_support::payrollFields(),
        {{{"0101990450001", "Petar", "Petrovski", "Ilindenska 5", "017", "300000000211222", "20200101", ""}},
         {{"0202990450002", "@arko", "[uma", "Kej 2", "001", "", "20260101", "20260331"}, true}}));
    std::string good;
    {
        std::ifstream in(path, std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    int made = 0;
    const auto check = [&](const std::string& bytes, const std::string& what) {
        // A new file each time: replacing one by truncation makes the file system write it out.
        const std::string damaged = folder.file(std::to_string(++made) + ".dbf");
        std::ofstream(damaged, std::ios::binary) << bytes;
        const payments::Payroll payroll = payments::readPayroll(damaged);
        std::filesystem::remove(damaged);
        if (payroll.refusal) {
            EXPECT_FALSE(payroll.refusal->empty()) << what;
            EXPECT_TRUE(payroll.records.empty()) << what;
            return;
        }
        for (const auto& e : payroll.records) {
            for (const std::string* text : {&e.matRab, &e.imeRab, &e.przRab, &e.adrRab, &e.opsRab, &e.kartRab})
                EXPECT_TRUE(printable(*text)) << what;
            EXPECT_TRUE(dateOrEmpty(e.pocRab) && dateOrEmpty(e.krajRab)) << what;
        }
    };
    for (std::size_t length = 0; length < good.size(); ++length) check(good.substr(0, length), "cut to " + std::to_string(length));
    // The header's record count (bytes 4 to 7, lowest first) only ever matches
    // the records the file holds: any other count is refused, naming the file,
    // never read as fewer records or none.
    const std::uint32_t counts[] = {0, 1, 3, 4, 0x100, 0x10002, 0x7FFFFFFF, 0x80000000, 0x80000002, 0xFFFFFFFF};
    for (const std::uint32_t count : counts) {
        std::string bytes = good;
        for (int i = 0; i < 4; ++i) bytes[4 + static_cast<std::size_t>(i)] = static_cast<char>((count >> (8 * i)) & 0xFF);
        const std::string damaged = folder.file("count.dbf");
        std::ofstream(damaged, std::ios::binary | std::ios::trunc) << bytes;
        const payments::Payroll payroll = payments::readPayroll(damaged);
        ASSERT_TRUE(payroll.refusal) << "count " << count;
        EXPECT_NE(payroll.refusal->find(damaged), std::string::npos) << *payroll.refusal;
        EXPECT_TRUE(payroll.records.empty());
    }
    for (std::size_t at = 0; at < good.size(); ++at)
        for (const unsigned char value : {0x00, 0x01, 0x20, 0x2A, 0x7F, 0x80, 0xFF}) {
            std::string bytes = good;
            bytes[at] = static_cast<char>(value);
            check(bytes, "byte " + std::to_string(at) + " = " + std::to_string(value));
        }
}

}  // namespace
