// The revenue-office XML file to the byte, its escaping, its well-formedness
// as an XML parser sees it, and the proposed file name.
#include "payments/revenue_xml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "item_rows.h"
#include "support/temp_folder.h"

namespace {

using payments::revenueOfficeXml;
using payments::xmlValue;
using testing_support::itemRow;
using testing_support::itemTable;
using payments::shownAmount;

const payments::XmlExport exampleHeader = {
    .taxNumber = "4030990123456",
    .payerName = "Гимназија",
    .payerAccount = "300000000012345",
    .email = "",
    .periodFrom = "01.01.2024",
    .periodTo = "31.01.2024",
    .paymentDate = "05.02.2024",
};

const std::string exampleHead =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
    "<ujp_ppf_acc_calc>\r\n"
    "\t<ppfTaxpayer>\r\n"
    "\t\t<edb>4030990123456</edb>\r\n"
    "\t</ppfTaxpayer>\r\n"
    "\t<name>Гимназија</name>\r\n"
    "\t<pca_bank_account>300000000012345</pca_bank_account>\r\n"
    "\t<periodfrom>01.01.2024</periodfrom>\r\n"
    "\t<periodto>31.01.2024</periodto>\r\n"
    "\t<mail></mail>\r\n";

// Whether xmllint reads the file as well-formed XML.
bool wellFormed(const std::string& bytes) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("x.xml");
    std::ofstream(path, std::ios::binary) << bytes;
    return std::system(("xmllint --noout " + path + " 2>/dev/null").c_str()) == 0;
}

TEST(RevenueXml, TheExampleByteForByte) {
    const std::string expected = exampleHead +
                                 "\t<calculation_detail>\r\n"
                                 "\t\t<row_id>1</row_id>\r\n"
                                 "\t\t<embg>0101990455001</embg>\r\n"
                                 "\t\t<name>Ана</name>\r\n"
                                 "\t\t<surname>Петрова</surname>\r\n"
                                 "\t\t<parMunicipality>\r\n"
                                 "\t\t\t<municipality_code>001</municipality_code>\r\n"
                                 "\t\t</parMunicipality>\r\n"
                                 "\t\t<type_income>\r\n"
                                 "\t\t\t<code>05</code>\r\n"
                                 "\t\t</type_income>\r\n"
                                 "\t\t<subtype_income>\r\n"
                                 "\t\t\t<code>051</code>\r\n"
                                 "\t\t</subtype_income>\r\n"
                                 "\t\t<grossIncome>10000</grossIncome>\r\n"
                                 "\t\t<type_payment>\r\n"
                                 "\t\t\t<ptpCode>1</ptpCode>\r\n"
                                 "\t\t</type_payment>\r\n"
                                 "\t\t<bankAccount>210000000000017</bankAccount>\r\n"
                                 "\t\t<paymentdate>05.02.2024</paymentdate>\r\n"
                                 "\t</calculation_detail>\r\n"
                                 "</ujp_ppf_acc_calc>\r\n";
    const std::string file = revenueOfficeXml(exampleHeader, itemTable({itemRow()}));
    EXPECT_EQ(file, expected);
    EXPECT_TRUE(wellFormed(file));
}

TEST(RevenueXml, EveryOptionalElementAndANoteOfTwoLines) {
    payments::XmlExport header = exampleHeader;
    header.taxNumber = "123";  // filled to 13 bytes
    header.payerName = "Училиште \"Браќа & Сестри\" <ОУ>";
    header.email = "skola@example.mk";
    const auto item = itemRow({{12, "  Марко "}, {13, " Ѓорѓиев  "}, {17, shownAmount(500)},
                               {18, shownAmount(25000)}, {22, shownAmount(4500)}, {23, "08-123/4"},
                               {24, "15.01.2024"}, {25, "Прв ред\r\nвтор ред"}});
    const std::string file = revenueOfficeXml(header, itemTable({item, itemRow({{13, "Друга"}})}));
    const std::string expected = std::string(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<ujp_ppf_acc_calc>\r\n"
        "\t<ppfTaxpayer>\r\n"
        "\t\t<edb>123          </edb>\r\n"
        "\t</ppfTaxpayer>\r\n"
        "\t<name>Училиште \"Браќа &amp; Сестри\" &lt;ОУ></name>\r\n"
        "\t<pca_bank_account>300000000012345</pca_bank_account>\r\n"
        "\t<periodfrom>01.01.2024</periodfrom>\r\n"
        "\t<periodto>31.01.2024</periodto>\r\n"
        "\t<mail>skola@example.mk</mail>\r\n"
        "\t<calculation_detail>\r\n"
        "\t\t<row_id>1</row_id>\r\n"
        "\t\t<embg>0101990455001</embg>\r\n"
        "\t\t<name>Марко</name>\r\n"
        "\t\t<surname>Ѓорѓиев</surname>\r\n"
        "\t\t<parMunicipality>\r\n"
        "\t\t\t<municipality_code>001</municipality_code>\r\n"
        "\t\t</parMunicipality>\r\n"
        "\t\t<type_income>\r\n"
        "\t\t\t<code>05</code>\r\n"
        "\t\t</type_income>\r\n"
        "\t\t<subtype_income>\r\n"
        "\t\t\t<code>051</code>\r\n"
        "\t\t</subtype_income>\r\n"
        "\t\t<avans>500</avans>\r\n"
        "\t\t<grossIncome>25000</grossIncome>\r\n"
        "\t\t<ddv_iznos>4500</ddv_iznos>\r\n"
        "\t\t<type_payment>\r\n"
        "\t\t\t<ptpCode>1</ptpCode>\r\n"
        "\t\t</type_payment>\r\n"
        "\t\t<bankAccount>210000000000017</bankAccount>\r\n"
        "\t\t<paymentdate>05.02.2024</paymentdate>\r\n"
        "\t\t<brojResenieDo>08-123/4</brojResenieDo>\r\n"
        "\t\t<datumResenieDo>15.01.2024</datumResenieDo>\r\n"
        "\t\t<commentDoc>Прв ред\r\nвтор ред</commentDoc>\r\n"
        "\t</calculation_detail>\r\n"
        "\t<calculation_detail>\r\n"
        "\t\t<row_id>2</row_id>\r\n");
    EXPECT_EQ(file.substr(0, expected.size()), expected);
    EXPECT_NE(file.find("\t\t<surname>Друга</surname>\r\n"), std::string::npos);
    EXPECT_TRUE(file.ends_with("\t</calculation_detail>\r\n</ujp_ppf_acc_calc>\r\n"));
    EXPECT_TRUE(wellFormed(file));
}

TEST(RevenueXml, OptionalElementsLeftOutWhenTheirConditionFails) {
    struct Case {
        const char* what;
        std::map<int, std::string> values;
    };
    const Case cases[] = {
        {"decision number of blanks, tabs and line breaks", {{23, " \t\r\n "}}},
        {"note of blanks, tabs and line breaks", {{25, "  \r\n\t"}}},
        {"blank decision date", {{24, "  .  .    "}}},
        {"decision date that is no day", {{24, "31.02.2024"}}},
        {"decision date not in the shown form", {{24, "20240115"}}},
        {"advance and VAT of 0", {{17, shownAmount(0)}, {22, shownAmount(0)}}},
        {"advance and VAT empty", {{17, ""}, {22, ""}}},
    };
    const std::string plain = revenueOfficeXml(exampleHeader, itemTable({itemRow()}));
    for (const Case& c : cases)
        EXPECT_EQ(revenueOfficeXml(exampleHeader, itemTable({itemRow(c.values)})), plain) << c.what;
}

// Names from a table filled by other means: what stands around them is not
// written, at either end.
TEST(RevenueXml, NamesAreTrimmedAtBothEnds) {
    const std::string file = revenueOfficeXml(
        exampleHeader, itemTable({itemRow({{12, "\tАна\n"}, {13, "\r\n Петрова\t "}})}));
    EXPECT_EQ(file, revenueOfficeXml(exampleHeader, itemTable({itemRow()})));
    EXPECT_NE(file.find("\t\t<name>Ана</name>\r\n\t\t<surname>Петрова</surname>\r\n"), std::string::npos);
}

TEST(RevenueXml, RowIdsFollowTheOrderOfTheRowsNotTheirIds) {
    const std::string file =
        revenueOfficeXml(exampleHeader, itemTable({itemRow({{1, "9"}, {14, "E9"}}), itemRow({{1, "2"}, {14, "E2"}}),
                                                   itemRow({{1, "5"}, {14, "E5"}})}));
    const auto e9 = file.find("<row_id>1</row_id>\r\n\t\t<embg>E9</embg>");
    const auto e2 = file.find("<row_id>2</row_id>\r\n\t\t<embg>E2</embg>");
    const auto e5 = file.find("<row_id>3</row_id>\r\n\t\t<embg>E5</embg>");
    EXPECT_TRUE(e9 < e2 && e2 < e5 && e5 != std::string::npos);
}

TEST(RevenueXml, NoItemsIsTheHeadAndTheClosingRoot) {
    EXPECT_EQ(revenueOfficeXml(exampleHeader, itemTable({})), exampleHead + "</ujp_ppf_acc_calc>\r\n");
}

TEST(RevenueXml, ALongFileGoesOutInPiecesAndStopsWhenRefused) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 400; ++i) rows.push_back(itemRow({{1, std::to_string(i)}, {25, "Белешка & <" + std::to_string(i) + ">"}}));
    const ui::TextTable items = itemTable(rows);
    std::vector<std::string> pieces;
    EXPECT_TRUE(payments::writeRevenueOfficeXml(exampleHeader, items, [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    }));
    ASSERT_GT(pieces.size(), 2u);
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_LT(piece.size(), 80000u);
        EXPECT_TRUE(piece.ends_with("\r\n")) << "a piece ends with a whole line";
        joined += piece;
    }
    EXPECT_TRUE(joined.starts_with(exampleHead));
    EXPECT_TRUE(joined.ends_with("\t\t<commentDoc>Белешка &amp; &lt;400></commentDoc>\r\n\t</calculation_detail>\r\n"
                                 "</ujp_ppf_acc_calc>\r\n"));
    EXPECT_TRUE(wellFormed(joined));
    // A sink that refuses is not called again, and the writing says so.
    int calls = 0;
    EXPECT_FALSE(payments::writeRevenueOfficeXml(exampleHeader, items, [&](std::string_view) { return ++calls > 1; }));
    EXPECT_EQ(calls, 1);
}

// A note that, escaped, is many pieces long goes out whole on its line, the
// items around it unchanged.
TEST(RevenueXml, ANoteLongerThanAPieceGoesOutWhole) {
    std::string note, escaped;
    for (int i = 0; i < 40000; ++i) {
        note += "Ш&<";
        escaped += "Ш&amp;&lt;";
    }
    const ui::TextTable items = itemTable({itemRow(), itemRow({{25, note}}), itemRow({{25, "крај"}})});
    std::vector<std::string> pieces;
    EXPECT_TRUE(payments::writeRevenueOfficeXml(exampleHeader, items, [&](std::string_view piece) {
        pieces.emplace_back(piece);
        return true;
    }));
    std::string joined;
    for (const std::string& piece : pieces) {
        EXPECT_TRUE(piece.ends_with("\r\n")) << "a piece ends with a whole line";
        joined += piece;
    }
    EXPECT_NE(joined.find("\t\t<paymentdate>05.02.2024</paymentdate>\r\n\t\t<commentDoc>" + escaped +
                          "</commentDoc>\r\n\t</calculation_detail>\r\n\t<calculation_detail>\r\n\t\t<row_id>3</row_id>"),
              std::string::npos);
    EXPECT_TRUE(joined.ends_with("\t\t<commentDoc>крај</commentDoc>\r\n\t</calculation_detail>\r\n</ujp_ppf_acc_calc>\r\n"));
    EXPECT_TRUE(wellFormed(joined));
}

TEST(RevenueXml, ValuesAreEscapedInOnePlace) {
    struct Case {
        std::string text, file;
    };
    const Case cases[] = {
        {"Браќа & Сестри", "Браќа &amp; Сестри"},
        {"a<b>c", "a&lt;b>c"},
        {"x]]>y ]> ]]]> ] ]>", "x]]&gt;y ]> ]]]&gt; ] ]>"},
        {"ред\nред\rред\r\nред", "ред\r\nред\r\nред\r\nред"},
        {"a\tb", "a\tb"},
        {std::string("a\0b\x01\x1F\x7F", 6) + "c\xC2\x85" "d", "abcd"},  // C0, DEL and C1 controls
        {"\xEF\xBF\xBE\xEF\xBF\xBFz", "z"},                           // U+FFFE, U+FFFF
        {"\xC8\xE0\xED", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},    // windows-1251 bytes
        {"\xD0", "\xEF\xBF\xBD"},                                    // a character cut short
        {"€ 😀", "€ 😀"},
    };
    for (const Case& c : cases) EXPECT_EQ(xmlValue(c.text), c.file) << c.text;
}

TEST(RevenueXml, FaultyTextsStillGiveAWellFormedFile) {
    payments::XmlExport header = exampleHeader;
    header.payerName = "A&B <C> ]]> \x01\xC8";
    const auto item = itemRow({{12, "x\x02y"}, {25, "]]>\r\n<!-- &"}, {23, "\xFF"}});
    EXPECT_TRUE(wellFormed(revenueOfficeXml(header, itemTable({item}))));
}

TEST(RevenueXml, ProposedName) {
    struct Case {
        std::string payer, date, name;
    };
    const Case cases[] = {
        {"Гимназија Кочо Рацин", "20240205", "fGim20240205.xml"},
        {"  Гимназија", "20240205", "fGim20240205.xml"},
        {"Ж&Ш ДООЕЛ", "20240101", "fZ&S20240101.xml"},
        {"ОУ", "20240101", "fOU20240101.xml"},
        {"A/B:C", "20240101", "fA_B20240101.xml"},
        {"a?*|", "20240101", "fa__20240101.xml"},
        {"\"<>", "20240101", "f___20240101.xml"},
        {"x\x01y", "20240101", "fx_y20240101.xml"},
        {"\xC8xy", "20240101", "f_xy20240101.xml"},
    };
    for (const Case& c : cases) EXPECT_EQ(payments::proposedXmlName(c.payer, c.date), c.name) << c.payer;
}

}  // namespace
