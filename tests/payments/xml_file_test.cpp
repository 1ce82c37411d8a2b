// NAPRAVIXML: the folder, the save dialog, the file on disk and every way it
// stops without one.
#include "payments/xml_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "item_rows.h"
#include "shell/app_state.h"
#include "shell/vocabulary.h"
#include "support/data_folder_test.h"
#include "support/file_bytes.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

using testing_support::fileBytes;

class XmlFile : public testing_support::DataFolderTest {
protected:
    const payments::XmlExport header{.taxNumber = "4030990123456",
                                     .payerName = "  Гимназија Кочо Рацин",
                                     .payerAccount = "300000000012345",
                                     .periodFrom = "01.01.2024",
                                     .periodTo = "31.01.2024",
                                     .paymentDate = "05.02.2024"};
    const ui::TextTable items = testing_support::itemTable({testing_support::itemRow()});
};

TEST_F(XmlFile, ProposesItsNameInTheEpddFolderAndWritesTheFile) {
    const fs::path folder = data.path() / "ePDDxml";
    seam.paths = {(folder / "fGim20240205.xml").string()};
    EXPECT_EQ(payments::NAPRAVIXML(header, items), (folder / "fGim20240205.xml").string());
    ASSERT_EQ(seam.dialogs.size(), 1u);
    const ui::DialogRequest& d = seam.dialogs[0];
    EXPECT_EQ(d.kind, ui::DialogKind::Save);
    EXPECT_EQ(d.title, vocab::CTITSAVEFILE);
    EXPECT_EQ(d.folder, (folder / "").string());
    EXPECT_EQ(d.fileName, "fGim20240205.xml");
    ASSERT_EQ(d.filters.size(), 1u);
    EXPECT_EQ(d.filters[0].name, "Xml files");
    EXPECT_EQ(d.filters[0].pattern, "*.xml");
    EXPECT_EQ(seam.shown.back(), info(vocab::CPORUSPEH, vocab::CPORUSPEHSAVEFILE));
    EXPECT_EQ(fileBytes(folder / "fGim20240205.xml"), payments::revenueOfficeXml(header, items));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(XmlFile, ANameTypedWithoutItsExtensionIsUsedAsTyped) {
    seam.paths = {(data.path() / "izvoz").string()};
    EXPECT_EQ(payments::NAPRAVIXML(header, items), (data.path() / "izvoz").string());
    EXPECT_TRUE(fs::is_regular_file(data.path() / "izvoz"));
}

TEST_F(XmlFile, StopsWithAMessageAndWritesNothing) {
    struct Case {
        const char* what;
        std::optional<std::string> answer;  // the dialog's, relative to the data folder; none cancels
        bool folderIsAFile;
        std::string message;
    };
    const Case cases[] = {
        {"dialog cancelled", std::nullopt, false, vocab::CPORNEMAFILENAME},
        {"ePDDxml is a file", "ePDDxml/f.xml", true, vocab::CPORNEMOZESOCUVAFAJL + "Not a directory"},
        {"a folder that is not there", "nema/f.xml", false, vocab::CPORNEMOZESOCUVAFAJL + "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::TempFolder folder;
        shell::app().CFOLDERNAINSTALACIJABAZA = folder.path().string();
        if (c.folderIsAFile) std::ofstream(folder.path() / "ePDDxml") << "not a folder";
        seam.shown.clear();
        seam.paths = {c.answer ? std::optional((folder.path() / *c.answer).string()) : std::nullopt};
        EXPECT_EQ(payments::NAPRAVIXML(header, items), std::nullopt);
        EXPECT_EQ(seam.shown.back(), info(vocab::CPORGRESKA, c.message));
        std::size_t files = 0;
        for (const auto& e : fs::recursive_directory_iterator(folder.path())) files += e.is_regular_file();
        EXPECT_EQ(files, c.folderIsAFile ? 1u : 0u);
        fs::current_path(savedCurrent);
    }
}

}  // namespace
