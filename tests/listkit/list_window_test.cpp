// The toolkit on a real list window: toolbar, search strip, sorting through
// the grid, the exports and the delete protocol.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>

#include "listkit/edit_checks.h"
#include "listkit/export.h"
#include "listkit/search_strip.h"
#include "listkit/sort.h"
#include "listkit/toolbar.h"
#include "platform/ui/registry.h"
#include "shell/app_state.h"
#include "shell/sql1.h"
#include "shell/vocabulary.h"
#include "support/file_bytes.h"
#include "support/recording_interaction.h"

namespace {

using listkit::ListState;

class ListWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ui::defineWindow({.name = "frmLista", .title = "Листа", .width = 1000, .height = 600});
        state = open("frmLista", "grdLista");
        listkit::fill(*state, rows({{"1", "Петров"}, {"2", "Спектар"}, {"10", "ана"}, {"9", "Бојан"}}));
        folder = std::filesystem::temp_directory_path() / ("listkit-window-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        start = std::filesystem::current_path();
    }
    void TearDown() override {
        ui::releaseAllWindows();
        std::filesystem::current_path(start);  // the save dialog moves it to the folder saved into
        std::filesystem::remove_all(folder);
    }

    // A list window's grid with its toolbar and search strip, as a window's entry builds them.
    std::shared_ptr<ListState> open(const std::string& window, const std::string& grid) {
        auto s = listkit::newListState(window, grid, {"ID", "Име"});
        ui::addGrid(window, grid)
            .headers(s->AHEADERS)
            .widths({0, 200})
            .multiSelect(true)
            .onHeadClick(listkit::CREATECHEADCLICK(s));
        listkit::_ADDGRIDTOOLBAR(s);
        listkit::_ADDSEARCH(
            s, [this] { ++inserts; }, [this] { ++deletes; });
        return s;
    }
    static ui::TextTable rows(std::initializer_list<std::vector<std::string>> list) {
        ui::TextTable t(2);
        for (const auto& r : list) t.appendRow(r);
        return t;
    }
    ui::Ctl grid() const { return state->gridCtl(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (int line = 1; line <= grid().itemCount(); ++line) out.push_back(grid().cell(line, 2));
        return out;
    }
    std::string read(const std::filesystem::path& p) const { return testing_support::fileBytes(p); }
    bool hasKey(ui::Key key) const {
        const auto& keys = ui::detail::window("frmLista").keys;
        return keys.find(key) != keys.end();
    }

    testing_support::RecordingInteraction seam;
    std::shared_ptr<ListState> state;
    std::filesystem::path folder, start;
    int inserts = 0, deletes = 0;
};

TEST_F(ListWindow, ToolbarSlotsUnderTheGridPdfHidden) {
    struct Button {
        const char* name;
        int col;
        bool shown;
    } buttons[] = {{"Pdf", 869, false}, {"Csv", 898, true}, {"Excel", 927, true}, {"Print", 956, true}};
    for (const Button& b : buttons) {
        const ui::Ctl c("frmLista", b.name);
        EXPECT_EQ(c.col(), b.col) << b.name;
        EXPECT_EQ(c.row(), 505) << b.name;
        EXPECT_EQ(c.width(), 24) << b.name;
        EXPECT_EQ(c.visible(), b.shown) << b.name;
    }
    // The hidden Pdf button asks for the report's file; Print reaches the grid report.
    ui::detail::invoke(ui::detail::control("frmLista", "Pdf").on.click);
    EXPECT_EQ(seam.shown, std::vector<std::string>{"dialog|Export to PDF file"});
    seam.shown.clear();
    std::filesystem::current_path(folder);  // where the report keeps its settings
    ui::detail::invoke(ui::detail::control("frmLista", "Print").on.click);
    EXPECT_TRUE(std::filesystem::exists(folder / "reports.cfg"));
    EXPECT_EQ(seam.shown, std::vector<std::string>{"preview|1"});
}

TEST_F(ListWindow, SearchStripAboveTheGrid) {
    struct Place {
        const char* name;
        int col, row, width;
    } places[] = {{"Next", 748, 12, 16}, {"Previous", 769, 12, 16},  {"First", 790, 12, 16},
                  {"Last", 811, 12, 16}, {"tbSearch", 847, 10, 100}, {"View", 952, 12, 16}};
    for (const Place& p : places) {
        const ui::Ctl c("frmLista", p.name);
        EXPECT_EQ(c.col(), p.col) << p.name;
        EXPECT_EQ(c.row(), p.row) << p.name;
        EXPECT_EQ(c.width(), p.width) << p.name;
    }
    EXPECT_EQ(listkit::searchStripPlaces(600)[4].col, 447);
}

TEST_F(ListWindow, HeaderClicksSortTheGridAndKeepTheCurrentRow) {
    grid().selection({2, 4});  // Спектар first
    ui::detail::control("frmLista", "grdLista").on.headClick(2);
    EXPECT_EQ(names(), (std::vector<std::string>{"ана", "Бојан", "Петров", "Спектар"}));
    EXPECT_EQ(grid().header(2), "Име ^");
    EXPECT_EQ(grid().selection(), (std::vector<int>{4}));
    listkit::MA_SortColumn(*state, 2);
    EXPECT_EQ(names(), (std::vector<std::string>{"Спектар", "Петров", "Бојан", "ана"}));
    EXPECT_EQ(grid().header(2), "Име v");
    EXPECT_EQ(grid().selection(), (std::vector<int>{1}));
    listkit::MA_SortColumn(*state, 2);
    EXPECT_EQ(names(), (std::vector<std::string>{"Петров", "ана", "Спектар", "Бојан"}));  // IDs 1, 10, 2, 9
    EXPECT_EQ(grid().header(2), "Име");
}

// A descending click right after an ascending one reverses the runs of equal
// keys, each as it stands; after a cell changed, or an ascending click on
// another column, it sorts the rows as they are.
TEST_F(ListWindow, ADescendingClickFollowsTheRowsAsTheyAreNow) {
    struct Case {
        const char* what;
        std::function<void()> between;
        std::vector<std::string> descending;
    };
    const Case cases[] = {
        {"nothing", [] {}, {"Спектар", "Петров", "ПЕТРОВ", "Бојан", "ана"}},
        {"a cell changed", [this] { grid().cell(1, 2, "Шарко"); }, {"Шарко", "Спектар", "Петров", "ПЕТРОВ", "Бојан"}},
        {"the other column ascending", [this] { listkit::MA_SortColumn(*state, 1); }, {"Спектар", "Петров", "ПЕТРОВ", "Бојан", "ана"}},
    };
    for (const Case& c : cases) {
        listkit::fill(*state, rows({{"1", "Петров"}, {"2", "Спектар"}, {"10", "ана"}, {"9", "Бојан"}, {"3", "ПЕТРОВ"}}));
        listkit::MA_SortColumn(*state, 2);
        EXPECT_EQ(names(), (std::vector<std::string>{"ана", "Бојан", "Петров", "ПЕТРОВ", "Спектар"})) << c.what;
        c.between();
        listkit::MA_SortColumn(*state, 2);
        EXPECT_EQ(names(), c.descending) << c.what;
    }
}

TEST_F(ListWindow, AReloadStartsEveryColumnAfreshAndKeepsTheSearchColumn) {
    listkit::MA_SortColumn(*state, 2);
    listkit::MA_SortColumn(*state, 2);
    listkit::fill(*state, rows({{"1", "Петров"}, {"2", "Спектар"}, {"3", "Перо"}}));
    EXPECT_EQ(grid().header(2), "Име v");  // until the next click
    EXPECT_EQ(state->ACOLORDER[2], 0);
    EXPECT_EQ(state->NSORTCOL, 2);
    ui::Ctl("frmLista", "tbSearch").text("пер");
    EXPECT_EQ(grid().selection(), (std::vector<int>{3}));
    listkit::MA_SortColumn(*state, 2);
    EXPECT_EQ(names(), (std::vector<std::string>{"Перо", "Петров", "Спектар"}));
}

TEST_F(ListWindow, SearchOnlyInASortedColumn) {
    grid().selection({1});
    ui::Ctl("frmLista", "tbSearch").text("спе");
    EXPECT_EQ(grid().selection(), (std::vector<int>{1}));  // no column sorted yet
    listkit::MA_SortColumn(*state, 2);
    ui::Ctl("frmLista", "tbSearch").text("пе");
    EXPECT_EQ(grid().selection(), (std::vector<int>{3}));  // Петров, not Спектар
    ui::Ctl("frmLista", "tbSearch").text("ект");
    EXPECT_EQ(grid().selection(), (std::vector<int>{4}));
    ui::Ctl("frmLista", "tbSearch").text("жж");
    EXPECT_EQ(grid().selection(), (std::vector<int>{4}));
}

TEST_F(ListWindow, MovingTheSelection) {
    grid().selection({2, 3});
    ui::detail::invoke(ui::detail::control("frmLista", "Next").on.click);
    EXPECT_EQ(grid().selection(), (std::vector<int>{2, 3}));
    ui::detail::invoke(ui::detail::control("frmLista", "Last").on.click);
    EXPECT_EQ(grid().selection(), (std::vector<int>{4}));
    ui::detail::invoke(ui::detail::control("frmLista", "Previous").on.click);
    EXPECT_EQ(grid().selection(), (std::vector<int>{3}));
    ui::detail::invoke(ui::detail::control("frmLista", "First").on.click);
    EXPECT_EQ(grid().selection(), (std::vector<int>{1}));
    listkit::fill(*state, ui::TextTable(2));
    for (const char* b : {"First", "Previous", "Next", "Last"})
        ui::detail::invoke(ui::detail::control("frmLista", b).on.click);
    EXPECT_TRUE(grid().selection().empty());
}

TEST_F(ListWindow, InsertAndDeleteAreReleasedWhileTheSearchBoxHasTheFocus) {
    ui::Win("frmLista").onKey(ui::Key::Insert, [this] { ++inserts; }).onKey(ui::Key::Delete, [this] { ++deletes; });
    ui::Ctl("frmLista", "tbSearch").focus();
    EXPECT_FALSE(hasKey(ui::Key::Insert));
    EXPECT_FALSE(hasKey(ui::Key::Delete));
    grid().focus();
    ASSERT_TRUE(hasKey(ui::Key::Delete));
    ui::detail::invoke(ui::detail::window("frmLista").keys.at(ui::Key::Delete));
    EXPECT_EQ(deletes, 1);
}

TEST_F(ListWindow, AWindowWithoutActionsHasNoKeysAfterTheSearch) {
    ui::defineWindow({.name = "frmPregled", .title = "Преглед"});
    auto s = listkit::newListState("frmPregled", "grdPregled", {"ID", "Име"});
    ui::addGrid("frmPregled", "grdPregled").headers(s->AHEADERS);
    listkit::_ADDSEARCH(s, {}, {});
    ui::Ctl("frmPregled", "tbSearch").focus();
    ui::Ctl("frmPregled", "grdPregled").focus();
    EXPECT_TRUE(ui::detail::window("frmPregled").keys.empty());
}

TEST_F(ListWindow, SeveralListsKeepTheirOwnState) {
    ui::defineWindow({.name = "frmDruga", .title = "Друга", .width = 1000, .height = 600});
    auto other = open("frmDruga", "grdDruga");
    listkit::fill(*other, rows({{"1", "б"}, {"2", "а"}}));
    ui::detail::control("frmDruga", "grdDruga").on.headClick(2);
    EXPECT_EQ(other->NSORTCOL, 2);
    EXPECT_EQ(state->NSORTCOL, 0);
    EXPECT_EQ(names(), (std::vector<std::string>{"Петров", "Спектар", "ана", "Бојан"}));
    EXPECT_EQ(ui::Ctl("frmDruga", "grdDruga").cell(1, 2), "а");
}

TEST_F(ListWindow, CsvExportAsShownWithTheSuffixAdded) {
    listkit::MA_SortColumn(*state, 2);
    seam.paths = {(folder / "izvoz").string()};
    listkit::_GRID2CSV(*state);
    EXPECT_EQ(read(folder / "izvoz.csv"),
              "\"ID\",\"Име ^\"\r\"10\",\"ана\"\r\"9\",\"Бојан\"\r\"1\",\"Петров\"\r\"2\",\"Спектар\"\r");
    EXPECT_EQ(seam.shown,
              (std::vector<std::string>{"dialog|" + vocab::CTOOLTIPEXPORTTOCSV, "info||Exported Successfully!"}));
}

TEST_F(ListWindow, CsvOverwriteOnlyWhenTheUserAgrees) {
    const auto file = folder / "a.CSV";
    for (bool yes : {false, true}) {
        std::ofstream(file) << "old";
        seam.shown.clear();
        seam.paths = {file.string()};
        seam.answers = {yes};
        listkit::_GRID2CSV(*state);
        EXPECT_EQ(seam.shown[1], "question|" + vocab::CTOOLTIPEXPORTTOCSV + "|" + vocab::CPORDALIPREKUSTARA);
        EXPECT_EQ(read(file) == "old", !yes);
        EXPECT_EQ(seam.shown.size(), yes ? 3u : 2u);
    }
}

TEST_F(ListWindow, CsvCancelledEmptyOrUnwritable) {
    seam.paths = {std::nullopt};
    listkit::_GRID2CSV(*state);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"dialog|" + vocab::CTOOLTIPEXPORTTOCSV}));

    const std::string missing = (folder / "nema" / "a.csv").string();
    seam.shown.clear();
    seam.paths = {missing};
    listkit::_GRID2CSV(*state);
    EXPECT_EQ(seam.shown.back(), "stop||The file " + missing + " can't be created!");

    listkit::fill(*state, ui::TextTable(2));
    seam.shown.clear();
    seam.paths = {(folder / "prazno.csv").string()};
    listkit::_GRID2CSV(*state);
    EXPECT_EQ(seam.shown.back(), "info||" + vocab::CPORNEMAPODATOCIZAEKSPORT);
    EXPECT_EQ(read(folder / "prazno.csv"), "");
}

TEST_F(ListWindow, CsvWriteThatFailsIsNoSuccess) {
    // A disk that fills up: no file may grow beyond one byte while the list is written.
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full{1, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &full);
    seam.paths = {(folder / "a.csv").string()};
    listkit::_GRID2CSV(*state);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(seam.shown.back(), "stop||Error in saving!");
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(ListWindow, CsvToWhatIsNoFileIsRefusedAndLeftAlone) {
    const auto dir = folder / "a.csv", pipe = folder / "b.csv", device = folder / "c.csv";
    std::filesystem::create_directories(dir / "x");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/null", device);
    for (const auto& target : {dir, pipe, device}) {
        seam.shown.clear();
        seam.paths = {target.string()};
        seam.answers = {true};
        listkit::_GRID2CSV(*state);
        EXPECT_EQ(seam.shown.back(), "stop||The file " + target.string() + " can't be created!");
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "x"));
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
    EXPECT_TRUE(std::filesystem::is_character_file(device));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 3);
}

TEST_F(ListWindow, SpreadsheetErrorNamesAMissingTemporaryFolder) {
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    const std::string missing = (folder / "nema").string();
    ::setenv("TMPDIR", missing.c_str(), 1);
    listkit::_GRID2XLS(*state);
    ::setenv("TMPDIR", before.c_str(), 1);
    ASSERT_EQ(seam.shown.size(), 1u);
    EXPECT_EQ(seam.shown[0].rfind("stop||" + vocab::CPORNEMOZESOCUVATABELA + missing + "/Листа_", 0), 0u)
        << seam.shown[0];
}

TEST_F(ListWindow, SpreadsheetErrorNamesATemporaryFolderThatCannotBeLookedInto) {
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    const std::string loop = (folder / "loop").string();
    std::filesystem::create_directory_symlink("loop", loop);
    ::setenv("TMPDIR", loop.c_str(), 1);
    listkit::_GRID2XLS(*state);
    ::setenv("TMPDIR", before.c_str(), 1);
    ASSERT_EQ(seam.shown.size(), 1u);
    const std::string said = "stop||" + vocab::CPORNEMOZESOCUVATABELA + loop + "/Листа_";
    EXPECT_EQ(seam.shown[0].rfind(said, 0), 0u) << seam.shown[0];
    EXPECT_TRUE(seam.shown[0].ends_with(".xlsx: Too many levels of symbolic links")) << seam.shown[0];
}

TEST_F(ListWindow, SpreadsheetOpenedFromTheTemporaryFolder) {
    listkit::_GRID2XLS(*state);
    ASSERT_EQ(seam.shown.size(), 1u);
    const std::string opened = seam.shown[0].substr(seam.shown[0].find('|') + 1);
    EXPECT_EQ(seam.shown[0].substr(0, 5), "open|");
    const std::filesystem::path file(opened);
    EXPECT_EQ(file.parent_path(), std::filesystem::temp_directory_path());
    EXPECT_EQ(file.filename().string().rfind("Листа_", 0), 0u);
    EXPECT_EQ(file.extension(), ".xlsx");
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);

    listkit::fill(*state, ui::TextTable(2));
    seam.shown.clear();
    listkit::_GRID2XLS(*state);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"info||" + vocab::CPORNEMAPODATOCIZAEKSPORT}));
}

TEST_F(ListWindow, SpreadsheetNoProgramOpensSaysWhereItIs) {
    seam.opens = false;
    listkit::_GRID2XLS(*state);
    ASSERT_EQ(seam.shown.size(), 2u);
    const std::string file = seam.shown[0].substr(std::string("open|").size());
    EXPECT_EQ(seam.shown[1],
              "info||Табелата е зачувана во датотеката " + file + ", но ниту една програма не може да ја отвори.");
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);
}

TEST_F(ListWindow, SpreadsheetRefusesATextLongerThanACellNamingItsLineAndColumn) {
    listkit::fill(*state, rows({{"1", "Петров"}, {"2", std::string(32768, 'z')}}));
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    ::setenv("TMPDIR", folder.c_str(), 1);
    listkit::_GRID2XLS(*state);
    ::setenv("TMPDIR", before.c_str(), 1);
    EXPECT_EQ(seam.shown, (std::vector<std::string>{"stop||Табелата не е направена: текстот е подолг од 32767 знаци, колку "
                                                    "што собира една ќелија. Извозот во CSV го чува целиот текст. "
                                                    "Ред: 2, колона: 2 (Име)"}));
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

class ListDelete : public ListWindow {
protected:
    void SetUp() override {
        ListWindow::SetUp();
        ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
        ASSERT_TRUE(shell::MISCSQL1(db,
                                    "CREATE TABLE P (ID INTEGER PRIMARY KEY, Ime TEXT);"
                                    "CREATE TABLE Ziro (PID INTEGER); CREATE TABLE Nal (PID INTEGER);"
                                    "INSERT INTO P VALUES (1, 'А'), (2, 'Б'), (3, 'В'), (4, 'Г');"));
        previous = shell::app().DB;
        shell::app().DB = db;
        reload();
    }
    void TearDown() override {
        shell::app().DB = previous;
        sqlite3_close(db);
        ListWindow::TearDown();
    }
    void reload() { listkit::fill(*state, shell::SQL(db, "SELECT ID, Ime FROM P ORDER BY ID")); }
    void deleteSelected() {
        listkit::deleteSelectedRows(
            *state, "P",
            {{"Ziro", "PID", vocab::CPORNEBRISEISPLAKJACZIRO}, {"Nal", "PID", vocab::CPORNEBRISEISPLAKJACNALOZI}},
            [this] { reload(); });
    }
    sqlite3 *db = nullptr, *previous = nullptr;
};

TEST_F(ListDelete, TheFirstCheckThatRefusesStopsEverything) {
    ASSERT_TRUE(shell::MISCSQL1(db, "INSERT INTO Ziro VALUES (2); INSERT INTO Nal VALUES (2);"));
    grid().selection({1, 2, 3});
    deleteSelected();
    EXPECT_EQ(seam.shown,
              (std::vector<std::string>{"info|" + vocab::CPORGRESKA + "|" + vocab::CPORNEBRISEISPLAKJACZIRO}));
    EXPECT_EQ(grid().itemCount(), 4);
}

TEST_F(ListDelete, ReloadedAndReselected) {
    grid().selection({2});
    seam.answers = {true};
    deleteSelected();
    EXPECT_EQ(names(), (std::vector<std::string>{"А", "В", "Г"}));
    EXPECT_EQ(grid().selection(), (std::vector<int>{2}));
    grid().selection({3});
    seam.answers = {true};
    deleteSelected();
    EXPECT_TRUE(grid().selection().empty());  // the last line is gone: nothing selected
    grid().selection({1, 2});
    seam.answers = {true};
    deleteSelected();
    EXPECT_EQ(grid().itemCount(), 0);
    EXPECT_TRUE(grid().selection().empty());
}

}  // namespace
