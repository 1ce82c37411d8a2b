// The payroll table read whole and checked: stable MAT_RAB order, bytes as
// stored, deleted records kept, and every kind of unusable table refused with
// the record and field named.
#include "payments/payroll.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/dbf_fixture.h"
#include "support/temp_folder.h"

namespace {

using payments::readPayroll;
using testing_support::DbfRecord;
using testing_support::payrollFields;
using testing_support::writeDbf;

DbfRecord employee(const std::string& mat, const std::string& ime, const std::string& poc = "20200101",
                   const std::string& kraj = "") {
    return {{mat, ime, "Petrovski", " Ilindenska 5", "017", "300000000211222", poc, kraj}};
}

class Payroll : public ::testing::Test {
protected:
    testing_support::TempFolder folder;
    const std::string path = folder.file("Radnik.dbf");
};

TEST_F(Payroll, StableOrderByMatRabWithBytesAsStored) {
    DbfRecord deleted = employee("0202990450002", "Vtor");
    deleted.deleted = true;
    ASSERT_TRUE(writeDbf(path, payrollFields(),
                         {employee("0303990450003", "Prv", "20260101", "20260331"), deleted,
                          employee("0101990450001", "Ana"), employee("0303990450003", "Tret", "20260501")}));
    const auto payroll = readPayroll(path);
    ASSERT_FALSE(payroll.refusal) << *payroll.refusal;
    ASSERT_EQ(payroll.records.size(), 4u);
    std::vector<std::string> order;
    for (const auto& e : payroll.records) order.push_back(e.matRab + " " + e.imeRab);
    EXPECT_EQ(order, (std::vector<std::string>{"0101990450001 Ana            ", "0202990450002 Vtor           ",
                                               "0303990450003 Prv            ", "0303990450003 Tret           "}));
    const auto& first = payroll.records[2];
    EXPECT_EQ(first.przRab, "Petrovski           ");
    EXPECT_EQ(first.adrRab, " Ilindenska 5                 ");
    EXPECT_EQ(first.opsRab, "017");
    EXPECT_EQ(first.kartRab, "300000000211222");
    EXPECT_EQ(first.pocRab, "20260101");
    EXPECT_EQ(first.krajRab, "20260331");
    EXPECT_EQ(payroll.records[3].krajRab, "");
}

TEST_F(Payroll, UnusableTablesAreRefused) {
    auto fields = payrollFields();
    const auto without = [&](const char* name) {
        auto f = fields;
        std::erase_if(f, [&](const auto& field) { return field.name == name; });
        return f;
    };
    auto charDate = fields;
    charDate[6].type = 'C';
    const struct {
        const char* what;
        std::vector<testing_support::DbfField> fields;
        std::vector<DbfRecord> records;
        std::string refusal;
    } cases[] = {
        {"no KART_RAB", without("KART_RAB"), {}, "Во датотеката за работниците недостасува полето KART_RAB!"},
        {"POC_RAB as text", charDate, {}, "Во датотеката за работниците полето POC_RAB не е датум!"},
        {"a byte above 7 bits",
         fields,
         {employee("1", "Ana"), employee("2", "Mar\xE9")},
         "Во датотеката за работниците, записот 2, полето IME_RAB содржи знак што не е 7-битен ASCII знак!"},
        {"a control byte",
         fields,
         {{{"1", "Ana", "P", "Adresa\t1", "017", "1", "20200101", ""}}},
         "Во датотеката за работниците, записот 1, полето ADR_RAB содржи знак што не е 7-битен ASCII знак!"},
        {"a date that is no date",
         fields,
         {employee("1", "Ana"), employee("2", "Bor"), employee("3", "Cvet", "20260101", "20260230")},
         "Во датотеката за работниците, записот 3, полето KRAJ_RAB не содржи важечки датум!"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(writeDbf(path, c.fields, c.records)) << c.what;
        const auto payroll = readPayroll(path);
        EXPECT_EQ(payroll.refusal.value_or("read"), c.refusal) << c.what;
        EXPECT_TRUE(payroll.records.empty()) << c.what;
    }
}

TEST_F(Payroll, DamagedFilesAreRefused) {
    ASSERT_TRUE(writeDbf(path, payrollFields(), {employee("1", "Ana"), employee("2", "Bor"), employee("3", "Cvet")}));
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    // Cut inside the third record: the header counts a record the file does not hold.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() - 20);
    EXPECT_EQ(readPayroll(path).refusal, "Датотеката за работниците не може да се отвори или е оштетена!\r\n" + path);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "MAT_RAB;IME_RAB\r\n1;Ana\r\n";
    EXPECT_EQ(readPayroll(path).refusal, "Датотеката за работниците не може да се отвори или е оштетена!\r\n" + path);
    EXPECT_EQ(readPayroll(folder.file("none.dbf")).refusal,
              "Датотеката за работниците не може да се отвори или е оштетена!\r\n" + folder.file("none.dbf"));
}

TEST_F(Payroll, TableFileInAnyCase) {
    namespace fs = std::filesystem;
    EXPECT_EQ(payments::payrollFile(folder.path().string()), "");
    fs::create_directory(folder.file("radnik.dbf"));  // a folder of that name is no table
    EXPECT_EQ(payments::payrollFile(folder.path().string()), "");
    std::ofstream(folder.file("RADNIK.DBF")) << "x";
    EXPECT_EQ(payments::payrollFile(folder.path().string()), folder.file("RADNIK.DBF"));
    std::ofstream(path) << "x";
    EXPECT_EQ(payments::payrollFile(folder.path().string()), path);
    EXPECT_EQ(payments::payrollFile(folder.file("missing")), "");
}

TEST(PayrollFolder, FirstDriveThatHoldsAnything) {
    namespace fs = std::filesystem;
    testing_support::TempFolder drives;
    const std::string root = drives.path().string();
    EXPECT_EQ(payments::defaultPayrollFolder(root), root + "/c/Rudan");
    fs::create_directories(drives.file("d"));  // mounted but empty
    fs::create_directories(drives.file("e/x"));
    EXPECT_EQ(payments::defaultPayrollFolder(root), root + "/e/Rudan");
    fs::create_directories(drives.file("d/x"));
    EXPECT_EQ(payments::defaultPayrollFolder(root), root + "/d/Rudan");
}

}  // namespace
