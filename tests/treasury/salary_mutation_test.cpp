// Damaged salary files, made deterministically from small valid ones: each is
// refused with a message and no rows, or gives a treasury file whose every
// record has its exact width and whose header totals its rows. None crashes or
// hangs the reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/mutator.h"
#include "support/temp_folder.h"
#include "treasury/order_file.h"
#include "treasury/salary_files.h"
#include "treasury/salary_import.h"

using treasury::RowValue;

namespace {

using namespace treasury;

const std::string seeds[4] = {
    "788014101263814;401110;25000.50;300000000211222;Petrovski Petar;Plata za 11.2026\r\n"
    "788014101263814;401110;18000;210000000123456;Ана Јовановска;Плата 11/2026\r\n",
    "788014101263814;401190;3100.25;x;017;711111\r\n",
    "788014101263814;402110;Pridones PIO;9000.10;;840017011111111;721111\r\n"
    "788014101263814;402120;Pridones zdravstvo;5000;;840017022222222;721211\r\n"
    "788014101263814;402130;Dopolnitelen pridones;300;;840017033333333;721311\r\n"
    "788014101263814;402140;Pridones vrabotuvanje;400;;840017044444444;721411\r\n"
    "788014101263814;402510;Kamata PIO;x;;840017055555555;722111\r\n"
    "788014101263814;402520;Kamata zdravstvo;x;;840017066666666;722211\r\n"
    "788014101263814;402530;Kamata dopolnitelen;x;;840017077777777;722311\r\n"
    "788014101263814;402540;Kamata vrabotuvanje;x;;840017088888888;722411\r\n",
    "788014101263814;401110;KR-2026-117;Petrovski Petar;1500.00;300000000999888;Stopanska banka kredit\r\n",
};

const std::initializer_list<std::string_view> tokens = {
    ";", ";;", "\r\n", "\n", "\r", "\r\r\n", ".", ",", "-", " ", "0", "99999999999999999", "Ж", "\xEF\xBB\xBF",
    "\xD0", "\xFF", std::string_view("\0", 1), "\"",
};

std::string amountText(std::int64_t cents) {
    char text[32];
    std::snprintf(text, sizeof text, "+%015lld,%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

class SalaryMutation : public ::testing::Test {
protected:
    void SetUp() override {
        import.month = "11.2026";
        import.submissionDate = "20261210";
        import.processingDate = "20261211";
        import.folio = "Folio 2026/11";
        import.payer.MKRATENKAINSTITUCIJA = "ABC";
        import.payer.MVIDNATREZOR = "TRZ";
        import.payer.MPROGRAMAZADOLZUVA = "11";
        import.payer.MDANOCENBROJ = "4030990123456";
        import.payer.MOPSTINAKOD = "017";
        import.treasuryAccountRM = "100000000063095";
        import.treasuryAccountFZOM = "100000000063192";
        import.interest = {"40", "", "", "", "150"};
        for (int f = 0; f < 4; ++f) write(f, seeds[f]);
    }
    // A new file each time: a file replaced by truncation is written out to
    // the disk at once, which would make the test wait on the disk.
    void write(int file, const std::string& content) {
        const std::string path = folder.file(std::to_string(++made) + ".csv");
        std::ofstream(path, std::ios::binary) << content;
        auto& choice = import.files[static_cast<std::size_t>(file)];
        if (!choice.path.empty()) std::filesystem::remove(choice.path);
        choice = {path, true};
    }
    int made = 0;

    testing_support::TempFolder folder;
    SalaryImport import;
};

TEST_F(SalaryMutation, RefusedOrWrittenToTheExactWidths) {
    const SalaryBatch valid = salaryBatch(import);
    ASSERT_EQ(valid.refusal, std::nullopt);
    const std::string validFile = orderFile(valid.input, TreasuryKind::TRZ, Mode::P, '1');
    const std::size_t headerWidth = validFile.find("\r\n") + 2;
    // Values 1 to 18 and the line end; a state-treasury payer's records add value 19 as it stands.
    const std::size_t fixedWidth = validFile.find("\r\n", headerWidth) + 2 - headerWidth - valid.input.AGFAJL[0][RowValue::closing].size();

    testing_support::Mutator mutator(20261210);
    int refused = 0, written = 0;
    for (int i = 0; i < 20000; ++i) {
        import.payer.MVIDNATREZOR = i % 2 ? "FZM" : "TRZ";
        const TreasuryKind kind = *treasuryKind(import.payer);
        const int file = static_cast<int>(mutator.below(4));
        const std::string damaged = mutator.mutate(seeds[file], tokens);
        write(file, damaged);
        const SalaryBatch batch = salaryBatch(import);
        write(file, seeds[file]);
        const auto what = [&] { return "file " + std::to_string(file) + ": " + testing::PrintToString(damaged); };
        if (batch.refusal) {
            ++refused;
            ASSERT_FALSE(batch.refusal->empty()) << what();
            ASSERT_TRUE(batch.input.AGFAJL.empty()) << what();
            continue;
        }
        if (refusal(batch.input)) continue;  // the writer refuses it before writing
        ++written;
        const std::string bytes = orderFile(batch.input, kind, Mode::P, '1');
        std::size_t at = headerWidth;
        for (const TreasuryOrderRow& row : batch.input.AGFAJL) {
            const std::size_t width = fixedWidth + (kind == TreasuryKind::TRZ ? row[RowValue::closing].size() : 0);
            const std::string_view record = std::string_view(bytes).substr(at, width);
            ASSERT_EQ(record.size(), width) << what();
            ASSERT_EQ(record.substr(0, 7), "2" + std::string(row[RowValue::sequence])) << what();
            ASSERT_TRUE(record.ends_with("\r\n")) << what();
            for (const char c : record.substr(0, width - 2))
                ASSERT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << what();
            at += width;
        }
        ASSERT_EQ(at, bytes.size()) << what();
        ASSERT_EQ(bytes.substr(headerWidth - 21, 19), amountText(batch.input.NUKIZNOS())) << what();
    }
    // The seeds and edits reach both ends; neither count is a target.
    EXPECT_GT(refused, 0);
    EXPECT_GT(written, 0);
}

TEST(SalaryFieldsMutation, LinesAndAmountsOfAnyBytes) {
    testing_support::Mutator mutator(17);
    for (int i = 0; i < 50000; ++i) {
        const std::string& seed = seeds[mutator.below(4)];
        const std::string damaged = mutator.mutate(seed, tokens);
        const SalaryLines lines = splitSalaryLines(damaged);
        std::size_t fields = 0;
        for (const auto& line : lines) {
            ASSERT_FALSE(line.empty());
            for (const std::string& field : line) {
                ASSERT_EQ(field.find_first_of(";\n"), std::string::npos) << testing::PrintToString(damaged);
                if (const auto cents = salaryAmount(field)) {
                    ASSERT_GE(*cents, 0) << testing::PrintToString(field);
                }
                ++fields;
            }
        }
        // Every byte but separators and line ends stays in some field.
        ASSERT_LE(fields, damaged.size() + 1);
    }
}

}  // namespace
