// The salary import's batch: the rows of the four salary files to the byte,
// their order and numbering, and every input that refuses the whole batch.
#include "treasury/salary_import.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "shell/vocabulary.h"
#include "support/temp_folder.h"
#include "treasury/order_file.h"

using treasury::RowValue;

namespace {

using treasury::ODBITOCI;
using treasury::PERSONALEN;
using treasury::PLATI;
using treasury::PRIDONESI;

const char* const SALARIES =
    "788014101263814;401110;25000.50;300000000211222;Petrovski Petar;Plata za 11.2026\r\n"
    "788014101263814;401110;18000;210000000123456;Ана Јовановска;Плата 11/2026;ignored\r\n";
const char* const TAXES =
    "788014101263814;401190;3100.25;x;017;711111\r\n"
    "788014101263815;401191;2000;;004;711112\r\n";
// One group: four contributions, then the four lines of their interest, whose
// amounts are never read.
const char* const CONTRIBUTIONS =
    "788014101263814;402110;Pridones PIO;9000.10;;840017011111111;721111\r\n"
    "788014101263814;402120;Pridones zdravstvo;5000;;840017022222222;721211\r\n"
    "788014101263814;402130;Dopolnitelen pridones;300;;840017033333333;721311\r\n"
    "788014101263814;402140;Pridones vrabotuvanje;400;;840017044444444;721411\r\n"
    "788014101263814;402510;Kamata PIO so tekst podolg od 24 bajti;not read;;840017055555555;722111\r\n"
    "788014101263814;402520;Kamata zdravstvo;x;;840017066666666;722211\r\n"
    "788014101263814;402530;Kamata dopolnitelen;x;;840017077777777;722311\r\n"
    "788014101263814;402540;Kamata vrabotuvanje;x;;840017088888888;722411\r\n";
const char* const DEDUCTIONS =
    "788014101263814;401110;KR-2026-117;Petrovski Petar;1500.00;300000000999888;Stopanska banka kredit\r\n";

std::string repeated(const std::string& line, std::size_t times) {
    std::string text;
    text.reserve(line.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += line;
    return text;
}

std::string pad(std::string text, std::size_t width) {
    EXPECT_LE(text.size(), width) << text;
    text.resize(width, ' ');
    return text;
}

// One expected detail record; the debited account, programme, office and tax
// number are the fixture payer's.
struct Expected {
    const char* seq;
    const char* sub;
    const char* konto;
    std::string purpose;
    const char* amount;
    const char* recipientAccount;
    std::string recipientName;
    const char* recipientSub;
    const char* revenueKonto;
    const char* recipientProgramme;
    std::string reference;
    const char* form;
    const char* method;
    std::string closing;  // TRZ only
};

std::string record(const Expected& e, const char* debit = "100000000063095") {
    return "2" + pad(e.seq, 6) + pad(debit, 15) + pad(e.sub, 15) + pad(e.konto, 6) + "11" + pad(e.purpose, 70) +
           "000000" + e.amount + pad(e.recipientAccount, 18) + pad(e.recipientName, 70) + pad(e.recipientSub, 15) +
           pad(e.revenueKonto, 6) + pad(e.recipientProgramme, 2) + pad(e.reference, 24) + e.form + e.method +
           "4030990123456" + e.closing + "\r\n";
}

// The first n lines of a file's text.
std::string firstLines(const std::string& text, int n) {
    std::size_t end = 0;
    for (int i = 0; i < n; ++i) end = text.find("\r\n", end) + 2;
    return text.substr(0, end);
}

// A state-treasury payer, the month and dates typed, no file chosen.
treasury::SalaryImport untouched() {
    treasury::SalaryImport import;
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
    return import;
}

class SalaryRows : public ::testing::Test {
public:  // the cases of a table prepare the fixture too
    void choose(treasury::SalaryFile file, const std::string& content) {
        const std::string path = folder.file("file" + std::to_string(file) + ".csv");
        std::ofstream(path, std::ios::binary) << content;
        import.files[file] = {path, true};
    }
    std::string fileOf(const treasury::SalaryBatch& batch) const {
        EXPECT_EQ(batch.refusal, std::nullopt);
        return treasury::orderFile(batch.input, *treasury::treasuryKind(import.payer), treasury::Mode::P, '1');
    }

    testing_support::TempFolder folder;
    treasury::SalaryImport import = untouched();
};

TEST_F(SalaryRows, EveryKindOfRowOfAStateTreasuryPayerToTheByte) {
    choose(PLATI, SALARIES);
    choose(PERSONALEN, TAXES);
    choose(PRIDONESI, CONTRIBUTIONS);
    choose(ODBITOCI, DEDUCTIONS);
    import.interest[treasury::KAMATAPIO] = "40";
    import.interest[treasury::KAMATAPD] = "    150";
    const treasury::SalaryBatch batch = treasury::salaryBatch(import);
    const std::string folio = "Folio 2026/11";
    const std::string state = "100000000063095";
    const std::string file = fileOf(batch);

    const std::string expected =
        "1ABCTRZ202612111000011+000000000064490,85\r\n" +
        record({"000001", "788014101263814", "401110", folio, "+000000000025000,50", "300000000211222",
                "Petrovski Petar", "", "", "", "101", "62", "2", "Plata za 11.2026"}) +
        record({"000002", "788014101263814", "401110", folio, "+000000000018000,00", "210000000123456",
                "Ана Јовановска", "", "", "", "101", "62", "2", "Плата 11/2026"}) +
        record({"000003", "788014101263814", "401190", folio, "+000000000003100,25", state.c_str(), "Trezorska smetka",
                "84001701242", "711111", "00", "Personalen danok", "70", "2", "danok za 11.2026"}) +
        record({"000004", "788014101263815", "401191", folio, "+000000000002000,00", state.c_str(), "Trezorska smetka",
                "84000401242", "711112", "00", "Personalen danok", "70", "2", "danok za 11.2026"}) +
        // The interest on the personal tax: the last tax line's accounts, the payer's municipality.
        record({"000005", "788014101263815", "401191", folio, "+000000000000150,00", state.c_str(), "Trezorska smetka",
                "84001701242", "711112", "00", "Kamata personalen danok", "70", "2", "Kamata personalen danok"}) +
        // Value 19 of a contribution row is filled to 24 bytes like value 15.
        record({"000006", "788014101263814", "402110", folio, "+000000000009000,10", state.c_str(), "Pridones PIO",
                "840017011111111", "721111", "00", "Pridones PIO", "70", "3", pad("Pridones PIO", 24)}) +
        // Its interest: the typed amount, the texts and codes of the group's line 5.
        record({"000007", "788014101263814", "402510", folio, "+000000000000040,00", state.c_str(),
                "Kamata PIO so tekst podolg od 24 bajti", "840017055555555", "722111", "00",
                "Kamata PIO so tekst podo", "70", "3", "Kamata PIO so tekst podo"}) +
        record({"000008", "788014101263814", "402120", folio, "+000000000005000,00", state.c_str(),
                "Pridones zdravstvo", "840017022222222", "721211", "00", "Pridones zdravstvo", "70", "3",
                pad("Pridones zdravstvo", 24)}) +
        record({"000009", "788014101263814", "402130", folio, "+000000000000300,00", state.c_str(),
                "Dopolnitelen pridones", "840017033333333", "721311", "00", "Dopolnitelen pridones", "70", "3",
                pad("Dopolnitelen pridones", 24)}) +
        record({"000010", "788014101263814", "402140", folio, "+000000000000400,00", state.c_str(),
                "Pridones vrabotuvanje", "840017044444444", "721411", "00", "Pridones vrabotuvanje", "70", "3",
                pad("Pridones vrabotuvanje", 24)}) +
        record({"000011", "788014101263814", "401110", "Petrovski Petar", "+000000000001500,00", "300000000999888",
                "Stopanska banka kredit", "", "", "", "KR-2026-117", "60", "2", "20261210"});
    EXPECT_EQ(file, expected);

    const treasury::TreasuryFileInput& input = batch.input;
    EXPECT_EQ(input.DDATANAPODNESUVANJE, "20261210");
    EXPECT_EQ(input.DDATANAOBRABOTKA, "20261211");
    EXPECT_EQ(input.CFOLIO, pad(folio, 70));
    EXPECT_TRUE(input.LODBITOCI);
    EXPECT_EQ(input.CSMETKAZADOLZUVA, "100000000063095");
    EXPECT_EQ(input.payer.MKRATENKAINSTITUCIJA, "ABC");
}

TEST_F(SalaryRows, AHealthFundPayerTakesItsFormsMethodAndAccountWithoutTheClosingText) {
    import.payer.MVIDNATREZOR = "FZM";
    choose(PLATI, "788014101263814;401110;100;300000000211222;Petrovski Petar;Plata\n");
    choose(PERSONALEN, "788014101263814;401190;10;;017;711111\n");
    choose(PRIDONESI, CONTRIBUTIONS);
    choose(ODBITOCI, DEDUCTIONS);
    const treasury::SalaryBatch batch = treasury::salaryBatch(import);
    const std::string file = fileOf(batch);
    const std::string fzom = "100000000063192", state = "100000000063095";

    EXPECT_EQ(batch.input.CSMETKAZADOLZUVA, fzom);
    ASSERT_EQ(batch.input.AGFAJL.size(), 7u);  // no interest typed: no interest rows
    const std::vector<std::pair<std::string, std::string>> formAndMethod = {
        {"92", "2"}, {"76", "2"}, {"76", "0"}, {"76", "0"}, {"76", "0"}, {"76", "0"}, {"90", "2"}};
    for (std::size_t i = 0; i < formAndMethod.size(); ++i) {
        const treasury::TreasuryOrderRow& r = batch.input.AGFAJL[i];
        EXPECT_EQ(std::string(r[RowValue::form]) + std::string(r[RowValue::method]), formAndMethod[i].first + formAndMethod[i].second) << i;
        EXPECT_EQ(r[RowValue::debitAccount], fzom);
    }
    // The state's treasury account stays the recipient of the tax.
    EXPECT_EQ(batch.input.AGFAJL[1][RowValue::recipientAccount], pad(state, 18));
    EXPECT_EQ(file.substr(43, 291),
              record({"000001", "788014101263814", "401110", "Folio 2026/11", "+000000000000100,00",
                      "300000000211222", "Petrovski Petar", "", "", "", "101", "92", "2", ""},
                     fzom.c_str())
                  .substr(0, 291));
    EXPECT_EQ(file.size(), 43u + 7 * (291 + 2));  // records without value 19
    EXPECT_TRUE(batch.input.LODBITOCI);
}

TEST_F(SalaryRows, AByteOrderMarkIsDroppedAndFifteenDigitAmountsKeepTheirCents) {
    choose(PLATI, "\xEF\xBB\xBF" "788014101263814;401110;999999999999999.99;300000000211222;Petrovski Petar;P\r\n"
                  "788014101263814;401110;123456789012345.67;300000000211222;Petrovski Petar;P\r\n");
    const treasury::SalaryBatch batch = treasury::salaryBatch(import);
    ASSERT_EQ(batch.refusal, std::nullopt);
    ASSERT_EQ(batch.input.AGFAJL.size(), 2u);
    EXPECT_EQ(batch.input.AGFAJL[0][RowValue::debitSubAccount], "788014101263814");
    EXPECT_EQ(batch.input.AGFAJL[0].amount, 99'999'999'999'999'999);
    EXPECT_EQ(batch.input.AGFAJL[1].amount, 12'345'678'901'234'567);
    const std::string file = fileOf(batch);
    EXPECT_EQ(file.substr(file.find("\r\n") + 2 + 121, 19), "+999999999999999,99");
}

TEST(SalaryInterest, WholeNumbersOfUpToSevenDigits) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"", 0},         {"       ", 0}, {"      0", 0}, {"150", 15000}, {"   150 ", 15000}, {"9999999", 999999900},
        {"12345678", {}}, {"abc", {}},  {"-50", {}},    {"1.5", {}},    {"1,000", {}},     {"1 5", {}},
    };
    for (const auto& [typed, cents] : cases) EXPECT_EQ(treasury::interestCents(typed), cents) << typed;
}

TEST_F(SalaryRows, EveryContributionsGroupGetsItsOwnInterestRowsAfterEachContribution) {
    choose(PRIDONESI, std::string(CONTRIBUTIONS) + CONTRIBUTIONS);
    import.interest = {"1", "2", "3", "4", ""};
    const treasury::SalaryBatch batch = treasury::salaryBatch(import);
    ASSERT_EQ(batch.refusal, std::nullopt);
    std::vector<std::string> kontos;
    for (const auto& r : batch.input.AGFAJL) kontos.push_back(std::string(r[RowValue::sequence]) + " " + std::string(r[RowValue::expenditureKonto]));
    const std::vector<std::string> group = {"402110", "402510", "402120", "402520",
                                            "402130", "402530", "402140", "402540"};
    std::vector<std::string> expected;
    for (int i = 0; i < 16; ++i) {
        char seq[8];
        std::snprintf(seq, sizeof seq, "%06d", i + 1);
        expected.push_back(std::string(seq) + " " + group[i % 8]);
    }
    EXPECT_EQ(kontos, expected);
    // The typed amounts count once for every group.
    EXPECT_EQ(batch.input.NUKIZNOS(), 2 * (900010 + 500000 + 30000 + 40000) + 2 * (100 + 200 + 300 + 400));
    EXPECT_FALSE(batch.input.LODBITOCI);
}

TEST_F(SalaryRows, OnlyTheFlagsOfChosenFilesCount) {
    import.files[PLATI] = {folder.file("never-chosen.csv"), false};
    const treasury::SalaryBatch none = treasury::salaryBatch(import);
    EXPECT_EQ(none.refusal, std::nullopt);
    EXPECT_TRUE(none.input.AGFAJL.empty());  // a batch without rows, for the writer to judge
    choose(ODBITOCI, "");
    const treasury::SalaryBatch emptyDeductions = treasury::salaryBatch(import);
    EXPECT_TRUE(emptyDeductions.input.AGFAJL.empty());
    EXPECT_TRUE(emptyDeductions.input.LODBITOCI);
}

TEST_F(SalaryRows, RefusesTheWholeBatchAndBuildsNothing) {
    struct Case {
        const char* what;
        std::function<void(SalaryRows&)> prepare;
        std::function<std::string(const SalaryRows&)> message;
    };
    const auto fixed = [](const std::string& text) { return [text](const SalaryRows&) { return text; }; };
    const auto at = [](const std::string& text, int line, treasury::SalaryFile file) {
        return [=](const SalaryRows& t) { return text + std::to_string(line) + "\r\n" + t.import.files[file].path; };
    };
    const Case cases[] = {
        {"month 13", [](SalaryRows& t) { t.import.month = "13.2026"; }, fixed(vocab::CPORNEVALIDENMESEC)},
        {"month not typed", [](SalaryRows& t) { t.import.month = "  .    "; }, fixed(vocab::CPORNEVALIDENMESEC)},
        {"month without its year", [](SalaryRows& t) { t.import.month = "03.    "; }, fixed(vocab::CPORNEVALIDENMESEC)},
        {"month with a two-digit year", [](SalaryRows& t) { t.import.month = "03.26  "; },
         fixed(vocab::CPORNEVALIDENMESEC)},
        {"interest in letters", [](SalaryRows& t) { t.import.interest[treasury::KAMATAPIO] = "abc"; },
         fixed(vocab::CPORNEISPRAVNAKAMATA + "\r\n" + vocab::CVALUELBLKAMATAPIO)},
        {"negative interest", [](SalaryRows& t) { t.import.interest[treasury::KAMATAVRABOTUVANJE] = "-50"; },
         fixed(vocab::CPORNEISPRAVNAKAMATA + "\r\n" + vocab::CVALUELBLKAMATAVRABOTUVANJE)},
        {"interest of 8 digits", [](SalaryRows& t) { t.import.interest[treasury::KAMATAPD] = "12345678"; },
         fixed(vocab::CPORNEISPRAVNAKAMATA + "\r\n" + vocab::CVALUELBLKAMATAPD)},
        {"interest with decimals", [](SalaryRows& t) { t.import.interest[treasury::KAMATAZDRAVSTVO] = "12.50"; },
         fixed(vocab::CPORNEISPRAVNAKAMATA + "\r\n" + vocab::CVALUELBLKAMATAZDRAVSTVO)},
        {"salary file in Windows-1251",
         [](SalaryRows& t) { t.choose(PLATI, std::string(SALARIES) + "1;2;3;4;\xCF\xE5\xF2\xE0\xF0;6\r\n"); },
         at(vocab::CPORNEUTF8, 3, PLATI)},
        {"payer of no known treasury", [](SalaryRows& t) { t.import.payer.MVIDNATREZOR = "   "; },
         fixed(vocab::CPORNESEZNAETREZOROT)},
        {"chosen file gone",
         [](SalaryRows& t) { t.import.files[PERSONALEN] = {t.folder.file("gone.csv"), true}; },
         [](const SalaryRows& t) { return vocab::CPORNEMOZEPROCITAFAJL + t.folder.file("gone.csv"); }},
        {"salary file a pipe",
         [](SalaryRows& t) {
             ASSERT_EQ(::mkfifo(t.folder.file("pipe.csv").c_str(), 0600), 0);
             t.import.files[PLATI] = {t.folder.file("pipe.csv"), true};
         },
         [](const SalaryRows& t) {
             return t.folder.file("pipe.csv") + " не е обичен фајл (туку фолдер, уред или цевка).";
         }},
        {"deductions file /dev/zero", [](SalaryRows& t) { t.import.files[ODBITOCI] = {"/dev/zero", true}; },
         fixed("/dev/zero не е обичен фајл (туку фолдер, уред или цевка).")},
        {"a million salary lines: more rows than a treasury file numbers",
         [](SalaryRows& t) {
             std::string lines;
             for (int i = 0; i < 1'000'000; ++i) lines += "1;2;3;4;5;6\n";
             t.choose(PLATI, lines);
         },
         at("Фајлот има повеќе редови отколку што собира еден фајл за трезор! Ред број: ", 1'000'000, PLATI)},
        {"salary line with five fields",
         [](SalaryRows& t) { t.choose(PLATI, "1;2;3;4;5;6\n1;2;3;4;5\n"); }, at(vocab::CPORKRATOKRED, 2, PLATI)},
        {"empty line inside the deductions",
         [](SalaryRows& t) { t.choose(ODBITOCI, std::string(DEDUCTIONS) + "\r\n" + DEDUCTIONS); },
         at(vocab::CPORKRATOKRED, 2, ODBITOCI)},
        {"empty last line of the tax file",
         [](SalaryRows& t) { t.choose(PERSONALEN, std::string(TAXES) + "\r\n"); },
         at(vocab::CPORKRATOKRED, 3, PERSONALEN)},
        {"amount with a decimal comma",
         [](SalaryRows& t) { t.choose(PLATI, "1;2;1234,56;4;5;6\n"); }, at(vocab::CPORNEISPRAVENIZNOS, 1, PLATI)},
        {"empty tax amount", [](SalaryRows& t) { t.choose(PERSONALEN, "1;2;;4;5;6\n"); },
         at(vocab::CPORNEISPRAVENIZNOS, 1, PERSONALEN)},
        {"contribution amount in letters",
         [](SalaryRows& t) {
             std::string lines = CONTRIBUTIONS;
             lines.replace(lines.find("5000;"), 4, "pet");
             t.choose(PRIDONESI, lines);
         },
         at(vocab::CPORNEISPRAVENIZNOS, 2, PRIDONESI)},
        {"negative deduction", [](SalaryRows& t) { t.choose(ODBITOCI, "1;2;3;4;-15;6;7\n"); },
         at(vocab::CPORNEISPRAVENIZNOS, 1, ODBITOCI)},
        {"contributions of 12 lines after good salaries and taxes",
         [](SalaryRows& t) {
             t.choose(PLATI, SALARIES);
             t.choose(PERSONALEN, TAXES);
             t.choose(PRIDONESI, std::string(CONTRIBUTIONS) + firstLines(CONTRIBUTIONS, 4));
         },
         fixed(vocab::CPORBROJNAREDOVIVOFAJLOT)},
        {"personal-tax interest without a tax file",
         [](SalaryRows& t) {
             t.choose(PLATI, SALARIES);
             t.import.interest[treasury::KAMATAPD] = "150";
         },
         fixed(vocab::CPORKAMATABEZPERSONALEN)},
        {"personal-tax interest with an empty tax file",
         [](SalaryRows& t) {
             t.choose(PERSONALEN, "");
             t.import.interest[treasury::KAMATAPD] = "150";
         },
         fixed(vocab::CPORKAMATABEZPERSONALEN)},
        // A contributions group with one typed interest gives 5 rows: a million
        // with the deductions' lines, refused before any row is built.
        {"a million rows over the files",
         [](SalaryRows& t) {
             t.choose(PRIDONESI, CONTRIBUTIONS);
             t.import.interest[treasury::KAMATAPIO] = "40";
             t.choose(ODBITOCI, repeated(";;;;1;;\n", 999'995));
         },
         fixed(vocab::CPORPREMNOGUNALOZI + "1000000")},
        {"one row less passes the count and reaches the last line",
         [](SalaryRows& t) {
             t.choose(PRIDONESI, CONTRIBUTIONS);
             t.import.interest[treasury::KAMATAPIO] = "40";
             t.choose(ODBITOCI, repeated(";;;;1;;\n", 999'993) + ";;;;1;\n");
         },
         at(vocab::CPORKRATOKRED, 999'994, ODBITOCI)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        import = untouched();
        c.prepare(*this);
        const treasury::SalaryBatch batch = treasury::salaryBatch(import);
        EXPECT_EQ(batch.refusal, c.message(*this));
        EXPECT_TRUE(batch.input.AGFAJL.empty());
    }
}

}  // namespace
