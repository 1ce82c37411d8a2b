// The treasury order file to the byte: amounts, records, names and refusals.
#include "treasury/order_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "shell/vocabulary.h"
#include "treasury/amounts.h"
#include "treasury_fixture.h"

using treasury::RowValue;

namespace {

using treasury::Mode;
using treasury::TreasuryKind;
using treasury_fixture::batch;

TEST(TreasuryAmounts, DecimalTextsStraightIntoCents) {
    const std::pair<const char*, std::optional<std::int64_t>> cases[] = {
        {"    1234.50", 123450}, {"1234.5", 123450}, {"1500", 150000}, {"-2.50", -250}, {"-0.005", -1},
        {"0.07", 7},            {"1.0e+15", {}},     {"- 5", {}},      {"--5", {}},    {"", {}},
    };
    for (const auto& [text, cents] : cases) EXPECT_EQ(treasury::parseCents(text), cents) << text;
    EXPECT_GT(*treasury::parseCents("12345678901234567890"), treasury::maxFileCents);
}

TEST(TreasuryAmounts, WholeDenarsRoundHalvesAwayFromZero) {
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 0}, {49, 0}, {50, 1}, {123450, 1235}, {123449, 1234}, {-49, 0}, {-50, -1}, {-150, -2},
    };
    for (const auto& [cents, whole] : cases) EXPECT_EQ(treasury::wholeDenars(cents), whole) << cents;
}

TEST(TreasuryAmounts, FileFormatAndSpecificationPicture) {
    const std::pair<std::int64_t, const char*> fields[] = {
        {123450, "+000000000001234,50"}, {0, "+000000000000000,00"},      {150000, "+000000000001500,00"},
        {7, "+000000000000000,07"},      {treasury::maxFileCents, "+999999999999999,99"},
        {treasury::maxFileCents + 1, "+1000000000000000,00"},  // refused before any file: still whole
    };
    for (const auto& [cents, text] : fields) EXPECT_EQ(treasury::amountField(cents), text);
    const std::pair<std::int64_t, const char*> pictures[] = {
        {123450, "     1235"},     {123449, "     1234"},     {0, "        0"},
        {99999999949, "999999999"}, {99999999950, "*********"}, {-150, "       -2"},
    };
    for (const auto& [cents, text] : pictures) EXPECT_EQ(treasury::wholeAmount9(cents), text) << cents;
}

TEST(TreasuryOrderFile, HeaderRecord) {
    EXPECT_EQ(treasury::headerRecord(batch("TRZ"), '1'), "1ABCTRZ202403061000002+000000000001234,57");
    // Twelve rows totalling 10500.25, the day's third batch, a shorter abbreviation padded.
    treasury::TreasuryFileInput twelve = batch("FZM");
    twelve.payer.MKRATENKAINSTITUCIJA = "AB";
    twelve.AGFAJL.assign(12, treasury_fixture::latinRow());
    for (auto& r : twelve.AGFAJL) r.amount = 87500;
    twelve.AGFAJL.back().amount = 87525;
    EXPECT_EQ(treasury::headerRecord(twelve, '3'), "1AB FZM202403063000012+000000000010500,25");
    // No rows: a zero count and total.
    treasury::TreasuryFileInput empty = batch("TRZ");
    empty.AGFAJL.clear();
    EXPECT_EQ(treasury::headerRecord(empty, '1'), "1ABCTRZ202403061000000+000000000000000,00");
}

// The two rows of the fixture, field by field.
const std::string latinTo18 =
    "2" "000001" "100000000063095" "788014101263814" "423110" "11"
    "Kancelariski materijali                                               " "000000" "+000000000001234,50"
    "300000000211222   " "Kniznica Grigor Prlicev                                               "
    "               " "      " "  " "2024  117               " "60" "2" "4030990123456";
const std::string cyrillicTo18 =
    "2" "000002" "100000000063095" "788014101263814" "464990" "11"
    "ХНадоместок за патни трошоци за служб " "000000" "+000000000000000,07"
    "210000000123456789" "AЈованка Трајковска-Поповска, Здравст "
    "123456789012345" "722319" "AB" "                        " "92" "2" "0101990450011";

TEST(TreasuryOrderFile, DetailRecordsByKindAndMode) {
    struct Case {
        const char* what;
        TreasuryKind kind;
        Mode mode;
        const char* closing1;
        const char* closing2;
        std::string first, second;
        std::size_t length1, length2;
    };
    const Case cases[] = {
        {"TRZ mode N: the due date closes the record", TreasuryKind::TRZ, Mode::N, "20240315", "20241231",
         latinTo18 + "20240315", cyrillicTo18 + "20241231", 299, 299},
        {"TRZ mode N: a due date of another width is fitted", TreasuryKind::TRZ, Mode::N, "202403150", "2024",
         latinTo18 + "20240315", cyrillicTo18 + "2024    ", 299, 299},
        {"FZM: no closing value", TreasuryKind::FZM, Mode::N, "20240315", "20241231", latinTo18, cyrillicTo18, 291, 291},
        {"TRZ mode P: the closing text as it is", TreasuryKind::TRZ, Mode::P, "PLATA", "PRIDONES PIO",
         latinTo18 + "PLATA", cyrillicTo18 + "PRIDONES PIO", 296, 303},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto first = treasury_fixture::latinRow(), second = treasury_fixture::cyrillicRow();
        first.set(RowValue::closing, c.closing1);
        second.set(RowValue::closing, c.closing2);
        const std::string r1 = treasury::detailRecord(first, c.kind, c.mode);
        const std::string r2 = treasury::detailRecord(second, c.kind, c.mode);
        EXPECT_EQ(r1, c.first);
        EXPECT_EQ(r2, c.second);
        EXPECT_EQ(r1.size(), c.length1);
        EXPECT_EQ(r2.size(), c.length2);
    }
}

TEST(TreasuryOrderFile, EveryControlCharacterIsABlankWhereverItStands) {
    // At every position of the purpose and of a free closing text, each kind
    // of control character, and nothing else, turns into a blank.
    const std::string purpose = "Kancelariski materijali za mesec mart, Ѓорѓи Ќосе, broj 117/2024 ок";
    const std::string closing = "PRIDONES ZA PIO 03.2024";
    for (const char control : {'\x01', '\t', '\n', '\r', '\x1f', '\x7f'}) {
        for (std::size_t at = 0; at < purpose.size() + closing.size(); ++at) {
            const bool inPurpose = at < purpose.size();
            const std::size_t k = inPurpose ? at : at - purpose.size();
            std::string withControl = inPurpose ? purpose : closing, withBlank = withControl;
            withControl.insert(k, 1, control);
            withBlank.insert(k, 1, ' ');
            auto row = treasury_fixture::latinRow(), expected = row;
            const RowValue value = inPurpose ? RowValue::purpose : RowValue::closing;
            row.set(value, withControl);
            expected.set(value, withBlank);
            EXPECT_EQ(treasury::detailRecord(row, TreasuryKind::TRZ, Mode::P),
                      treasury::detailRecord(expected, TreasuryKind::TRZ, Mode::P))
                << "byte " << int(control) << " at " << at;
        }
    }
}

TEST(TreasuryOrderFile, PositionsOfTheValues) {
    // Position (1-based) and length of values 1, 7, 9, 11, 16, 18 and 19 in a TRZ record.
    const std::string r = treasury::detailRecord(treasury_fixture::latinRow(), TreasuryKind::TRZ, Mode::N);
    EXPECT_EQ(r.substr(0, 1), "2");
    EXPECT_EQ(r.substr(45, 23), "Kancelariski materijali");
    EXPECT_EQ(r.substr(121, 19), "+000000000001234,50");
    EXPECT_EQ(r.substr(158, 23), "Kniznica Grigor Prlicev");
    EXPECT_EQ(r.substr(275, 2), "60");
    EXPECT_EQ(r.substr(278, 13), "4030990123456");
    EXPECT_EQ(r.substr(291, 8), "20240315");
}

TEST(TreasuryOrderFile, WholeFileEndsEveryRecordWithCrLfAndHasNoSignature) {
    const std::string file = treasury::orderFile(batch("TRZ"), TreasuryKind::TRZ, Mode::N, '2');
    EXPECT_EQ(file, "1ABCTRZ202403062000002+000000000001234,57\r\n" + latinTo18 + "20240315\r\n" + cyrillicTo18 +
                        "20241231\r\n");
}

TEST(TreasuryOrderFile, TreasuryKindFromTheFirstThreeBytes) {
    const std::pair<const char*, std::optional<TreasuryKind>> cases[] = {
        {"TRZ", TreasuryKind::TRZ}, {"FZM", TreasuryKind::FZM}, {"TRZX", TreasuryKind::TRZ},
        {"trz", std::nullopt},      {"", std::nullopt},         {"XYZ", std::nullopt},
    };
    for (const auto& [kind, expected] : cases) {
        registers::CurrentPayer p;
        p.MVIDNATREZOR = kind;
        EXPECT_EQ(treasury::treasuryKind(p), expected) << kind;
    }
}

TEST(TreasuryOrderFile, ProposedNameTakesTheFirstFreeDigitOfTheSubmissionDay) {
    struct Case {
        const char* what;
        std::vector<std::string> existing;
        std::optional<char> digit;
    };
    std::vector<std::string> allNine;
    for (char d = '1'; d <= '9'; ++d) allNine.push_back(std::string("N050324") + d + ".ABC");
    const Case cases[] = {
        {"empty folder", {}, '1'},
        {"the day's first file exists", {"N0503241.ABC"}, '2'},
        {"a gap is filled first", {"N0503241.ABC", "N0503243.ABC"}, '2'},
        {"other days, institutions and names do not count",
         {"N0603241.ABC", "N0503241.XYZ", "N0503241.abc", "x"},
         '1'},
        {"all nine taken", allNine, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto proposal = treasury::proposedName("20240305", "ABC", c.existing);
        ASSERT_EQ(proposal.has_value(), c.digit.has_value());
        if (!proposal) continue;
        EXPECT_EQ(proposal->batchDigit, *c.digit);
        EXPECT_EQ(proposal->name, std::string("N050324") + *c.digit + ".ABC");
    }
}

TEST(TreasuryOrderFile, RefusalsBeforeTheDialog) {
    struct Case {
        const char* what;
        std::function<void(treasury::TreasuryFileInput&)> change;
        std::optional<std::string> message;
    };
    const Case cases[] = {
        {"a sound batch", [](auto&) {}, std::nullopt},
        {"an empty batch", [](auto& in) { in.AGFAJL.clear(); }, std::nullopt},
        {"the largest amount",
         [](auto& in) {
             in.AGFAJL = {treasury_fixture::latinRow()};
             in.AGFAJL[0].amount = treasury::maxFileCents;
         },
         std::nullopt},
        {"unknown treasury kind", [](auto& in) { in.payer.MVIDNATREZOR = "ABC"; }, vocab::CPORNESEZNAETREZOROT},
        {"no treasury kind", [](auto& in) { in.payer.MVIDNATREZOR = ""; }, vocab::CPORNESEZNAETREZOROT},
        {"abbreviation leading into a folder", [](auto& in) { in.payer.MKRATENKAINSTITUCIJA = "A/B"; },
         vocab::CPORNEISPRAVNOIMENAFAJL},
        {"negative amount names its stored order",
         [](auto& in) {
             in.AGFAJL[1].amount = -1;
             in.AGFAJL[1].set(RowValue::label, "32 (92) Јованка");
         },
         vocab::CPORNEGATIVENIZNOSNALOG + "32 (92) Јованка"},
        {"amount beyond 15 digits of a row no order stands behind: its sequence, form and recipient",
         [](auto& in) { in.AGFAJL[0].amount = treasury::maxFileCents + 1; },
         vocab::CPORPREGOLEMIZNOSNALOG + "000001 (60) Kniznica Grigor Prlicev"},
        {"total beyond 15 digits",
         [](auto& in) { in.AGFAJL[0].amount = in.AGFAJL[1].amount = treasury::maxFileCents / 2 + 1; },
         vocab::CPORPREGOLEMVKUPENIZNOS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        treasury::TreasuryFileInput input = batch("TRZ");
        c.change(input);
        EXPECT_EQ(treasury::refusal(input), c.message);
    }
}

// A row's ends count its texts in two bytes: a text that would take them
// further is cut at a whole letter, and every other value stays where it was.
TEST(TreasuryOrderFile, ARowsTextsStopAtItsLimitCutAtAWholeLetter) {
    const treasury::TreasuryOrderRow before = treasury_fixture::cyrillicRow();
    treasury::TreasuryOrderRow row = before;
    std::string label;
    while (label.size() <= treasury::TreasuryOrderRow::maxBytes) label += "Ж";
    row.set(RowValue::label, label);
    std::size_t others = 0;
    for (std::size_t v = 0; v + 1 < treasury::ROWVALUES; ++v) {
        EXPECT_EQ(row[RowValue(v)], before[RowValue(v)]) << "value " << v;
        others += before[RowValue(v)].size();
    }
    const std::size_t room = treasury::TreasuryOrderRow::maxBytes - others;
    EXPECT_EQ(row[RowValue::label], label.substr(0, room - room % 2));
    EXPECT_EQ(treasury::detailRecord(row, TreasuryKind::TRZ, Mode::N),
              treasury::detailRecord(before, TreasuryKind::TRZ, Mode::N));
    // The room comes back with a shorter text.
    row.set(RowValue::label, "3 (92) Јованка");
    row.set(RowValue::purpose, label.substr(0, 200));
    EXPECT_EQ(row[RowValue::label], "3 (92) Јованка");
    EXPECT_EQ(row[RowValue::purpose], label.substr(0, 200));
    EXPECT_EQ(row[RowValue::closing], "20241231");
}

// Six digits count the rows and number them: a seventh would shift every record.
TEST(TreasuryOrderFile, ABatchOfAMillionRowsIsRefused) {
    EXPECT_EQ(treasury::batchSizeRefusal(0), std::nullopt);
    EXPECT_EQ(treasury::batchSizeRefusal(999'999), std::nullopt);
    EXPECT_EQ(treasury::batchSizeRefusal(1'000'000), vocab::CPORPREMNOGUNALOZI + "1000000");
    EXPECT_EQ(treasury::batchSizeRefusal(2'400'000), vocab::CPORPREMNOGUNALOZI + "2400000");
}

}  // namespace
