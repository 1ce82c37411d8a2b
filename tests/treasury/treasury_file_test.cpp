// NAPRAVIFAJL from a producer's batch: the folder, the name, the dialog, the
// file on disk, and every way it stops.
#include "treasury/treasury_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/ui/registry.h"
#include "shell/app_state.h"
#include "shell/vocabulary.h"
#include "support/pdf_info.h"
#include "support/data_folder_test.h"
#include "support/file_bytes.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "treasury/order_file.h"
#include "treasury_fixture.h"

namespace {

namespace fs = std::filesystem;
using treasury::Mode;

using testing_support::fileBytes;

std::vector<std::string> filesIn(const fs::path& folder) {
    std::vector<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

class TreasuryFile : public testing_support::DataFolderTest {
protected:
    fs::path trezor() const { return data.path() / "TREZOR"; }
    std::string success() const { return info(vocab::CPORUSPEH, vocab::CPORUSPEHSAVEFILE); }
};

TEST_F(TreasuryFile, WritesTheProposedFileInTheTrezorFolder) {
    treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    seam.paths = {(trezor() / "N0503241.ABC").string()};
    treasury::NAPRAVIFAJL(Mode::N, input);

    ASSERT_EQ(seam.dialogs.size(), 1u);
    const ui::DialogRequest& d = seam.dialogs[0];
    EXPECT_EQ(d.kind, ui::DialogKind::Save);
    EXPECT_EQ(d.title, vocab::CTITSAVEFILE);
    EXPECT_EQ(d.folder, (trezor() / "").string());
    EXPECT_EQ(d.fileName, "N0503241.ABC");  // the submission date, not the processing date
    ASSERT_EQ(d.filters.size(), 1u);
    EXPECT_EQ(d.filters[0].name, "");
    EXPECT_EQ(d.filters[0].pattern, "*.ABC");
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|" + vocab::CTITSAVEFILE, success(), "preview|1"}));

    EXPECT_EQ(fileBytes(trezor() / "N0503241.ABC"),
              treasury::orderFile(input, treasury::TreasuryKind::TRZ, Mode::N, '1'));
    EXPECT_TRUE(input.LUSPEH);
    EXPECT_EQ(input.CDEL, '1');
    EXPECT_EQ(input.savedFile, (trezor() / "N0503241.ABC").string());
    EXPECT_EQ(std::distance(fs::directory_iterator(trezor()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(TreasuryFile, TheDaysNextBatchTakesTheNextDigitAndAnotherNameKeepsIt) {
    fs::create_directory(trezor());
    std::ofstream(trezor() / "N0503241.ABC") << "first batch";
    std::ofstream(data.path() / "N0503242.ABC") << "outside the folder: does not count";
    treasury::TreasuryFileInput input = treasury_fixture::batch("FZM");
    const fs::path chosen = data.path() / "drugo.txt";
    seam.paths = {chosen.string()};
    treasury::NAPRAVIFAJL(Mode::P, input);

    EXPECT_EQ(seam.dialogs.at(0).fileName, "N0503242.ABC");
    const std::string file = fileBytes(chosen);
    EXPECT_EQ(file.substr(0, 16), "1ABCFZM202403062");  // the header keeps the proposed digit
    EXPECT_EQ(file, treasury::orderFile(input, treasury::TreasuryKind::FZM, Mode::P, '2'));
    EXPECT_EQ(input.savedFile, chosen.string());
    EXPECT_EQ(fileBytes(trezor() / "N0503241.ABC"), "first batch");
}

TEST_F(TreasuryFile, TheSpecificationFollowsInThePreviewAndSavesAsPdf) {
    treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    input.AGFAJL.assign(15, treasury_fixture::latinRow());  // 15 entries of mode N: the footer on page 2
    const fs::path pdf = data.path() / "specifikacija.pdf";
    seam.paths = {(trezor() / "N0503241.ABC").string(), pdf.string()};
    seam.inModal = [](const std::string& window) {
        ui::detail::invoke(ui::detail::control(window, "btnSavePdf").on.click);
        ui::Win(window).release();
    };
    treasury::NAPRAVIFAJL(Mode::N, input);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|" + vocab::CTITSAVEFILE, success(), "preview|2",
                                                    "dialog|Сочувај PDF"}));
    const auto info = testing_support::pdfInfo(pdf.string());
    EXPECT_TRUE(info.readable);
    EXPECT_EQ(info.pages, 2);
}

TEST_F(TreasuryFile, StopsWithAMessageAndWritesNothing) {
    struct Case {
        const char* what;
        std::function<void(treasury::TreasuryFileInput&, const fs::path& trezor)> prepare;
        std::optional<std::string> answer;  // the save dialog's ("" cancels); none when it must not open
        std::string message;
    };
    const Case cases[] = {
        {"all nine names of the day taken",
         [](auto&, const fs::path& t) {
             fs::create_directory(t);
             for (char d = '1'; d <= '9'; ++d) std::ofstream(t / (std::string("N050324") + d + ".ABC"));
         },
         std::nullopt, vocab::CPORMAXFAJLOVI},
        {"unknown treasury kind", [](auto& in, const fs::path&) { in.payer.MVIDNATREZOR = "XYZ"; }, std::nullopt,
         vocab::CPORNESEZNAETREZOROT},
        {"negative amount", [](auto& in, const fs::path&) { in.AGFAJL[0].amount = -5; }, std::nullopt,
         vocab::CPORNEGATIVENIZNOSNALOG + "000001 (60) Kniznica Grigor Prlicev"},
        {"dialog cancelled", [](auto&, const fs::path&) {}, "", vocab::CPORNEMAFILENAME},
        {"TREZOR is a file: the proposed path cannot be written",
         [](auto&, const fs::path& t) { std::ofstream(t) << "not a folder"; }, "TREZOR/N0503241.ABC",
         vocab::CPORNEMOZESOCUVAFAJL + "Not a directory"},
        {"the chosen folder is missing", [](auto&, const fs::path&) {}, "missing/N0503241.ABC",
         vocab::CPORNEMOZESOCUVAFAJL + "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing_support::TempFolder folder;
        shell::app().CFOLDERNAINSTALACIJABAZA = folder.path().string();
        const fs::path t = folder.path() / "TREZOR";
        treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
        c.prepare(input, t);
        const auto before = filesIn(folder.path());
        seam.shown.clear();
        seam.dialogs.clear();
        seam.paths.clear();
        if (c.answer)
            seam.paths = {c.answer->empty() ? std::nullopt : std::optional((folder.path() / *c.answer).string())};
        treasury::NAPRAVIFAJL(Mode::N, input);

        EXPECT_EQ(seam.dialogs.size(), c.answer ? 1u : 0u);
        EXPECT_EQ(seam.shown.back(), info(vocab::CPORGRESKA, c.message));
        EXPECT_FALSE(input.LUSPEH);
        EXPECT_EQ(filesIn(folder.path()), before);
        fs::current_path(savedCurrent);
    }
}

TEST_F(TreasuryFile, AProducersWorkBeforePlacingDecidesWhetherTheFileAppears) {
    const fs::path target = trezor() / "N0503241.ABC";
    for (const bool agree : {false, true}) {
        SCOPED_TRACE(agree);
        treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
        seam.shown.clear();
        seam.paths = {target.string()};
        std::vector<std::string> duringTheWork;
        std::string bytes;
        treasury::NAPRAVIFAJL(Mode::N, input,
                              {.run = [&] {
                                  duringTheWork = filesIn(trezor());
                                  if (!duringTheWork.empty()) bytes = fileBytes(duringTheWork[0]);
                                  return agree;
                              }});
        // Complete, set aside under a name that no cleanup removes.
        ASSERT_EQ(duringTheWork, std::vector<std::string>{target.string() + ".задржан"});
        EXPECT_EQ(bytes, treasury::orderFile(input, treasury::TreasuryKind::TRZ, Mode::N, '1'));
        EXPECT_EQ(input.LUSPEH, agree);
        using Texts = std::vector<std::string>;
        EXPECT_EQ(filesIn(trezor()), agree ? Texts{target.string()} : Texts());
        // Refused, the producer has said why: the writer adds no message of its own.
        const Texts shown = agree ? Texts{"dialog|" + vocab::CTITSAVEFILE, success(), "preview|1"}
                                  : Texts{"dialog|" + vocab::CTITSAVEFILE};
        EXPECT_EQ(seam.shown, shown);
    }
}

TEST_F(TreasuryFile, AFileThatCannotBeWrittenNeverReachesTheProducersWork) {
    treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    seam.paths = {(data.path() / "missing" / "N0503241.ABC").string()};
    bool asked = false;
    treasury::NAPRAVIFAJL(Mode::N, input, {.run = [&] { return asked = true; }});
    EXPECT_FALSE(asked);
    EXPECT_FALSE(input.LUSPEH);
}

// The work done, the name is taken before the file can follow: the complete
// file stays under the target's name and ".задржан", and the message says
// what stands.
TEST_F(TreasuryFile, AFileThatCannotFollowTheWorkIsKeptAndNamed) {
    const fs::path target = trezor() / "N0503241.ABC";
    treasury::TreasuryFileInput input = treasury_fixture::batch("TRZ");
    seam.paths = {target.string()};
    treasury::NAPRAVIFAJL(Mode::N, input, {.run = [&] { return fs::create_directory(target); }, .done = "stored."});

    const std::vector<std::string> files = filesIn(trezor());
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0], target.string() + ".задржан");
    EXPECT_EQ(fileBytes(files[0]), treasury::orderFile(input, treasury::TreasuryKind::TRZ, Mode::N, '1'));
    EXPECT_TRUE(fs::is_directory(target));
    EXPECT_FALSE(input.LUSPEH);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|" + vocab::CTITSAVEFILE,
                                                    info(vocab::CPORGRESKA, "stored.\r\n" + vocab::CPORFAJLNESMESTEN +
                                                                                target.string() + "\r\n" +
                                                                                vocab::CPORFAJLZADRZAN + files[0])}));
}

}  // namespace
