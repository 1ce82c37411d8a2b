// kasavel-gridreport-bench: the grid report over a list of 50,000 rows of 36
// columns: the settings window opening with saved settings, the report as a PDF
// file (the Pdf route), and the print preview's Save PDF of the same report,
// each with its wall time and peak memory beside a baseline of the same run.
#include <QApplication>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/interaction.h"
#include "platform/ui/ui.h"
#include "shell/entries.h"
#include "support/recording_interaction.h"
#include "support/temp_folder.h"
#include "memory.h"

namespace {

constexpr int rowCount = 50000, columnCount = 36;

double seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}


// A list as the payment items show it: IDs, dates, accounts, names, amounts.
ui::TextTable items() {
    const char* const names[] = {"Ана", "Петар", "Снежана", "Ѓорѓи", "Љубица", "Марко", "Елена"};
    const char* const surnames[] = {"Петровски", "Стојановска", "Николов", "Јовановиќ", "Трајковска"};
    ui::TextTable t(columnCount);
    t.reserve(rowCount);
    char buffer[64];
    for (int i = 1; i <= rowCount; ++i) {
        std::vector<std::string> row;
        for (int c = 0; c < columnCount; ++c) {
            switch (c % 9) {
                case 0: row.push_back(std::to_string(i * (c / 9 + 1))); break;
                case 1: std::snprintf(buffer, sizeof buffer, "%02d.%02d.2026", i % 28 + 1, i % 12 + 1); row.push_back(buffer); break;
                case 2: std::snprintf(buffer, sizeof buffer, "3000000%08d", i % 97); row.push_back(buffer); break;
                case 3: row.push_back(std::string(names[i % 7]) + " " + surnames[i % 5]); break;
                case 4: std::snprintf(buffer, sizeof buffer, "%9d", 1000 + (i * 37 + c) % 50000); row.push_back(buffer); break;
                case 5: row.push_back("Хонорар за месец " + std::to_string(i % 12 + 1)); break;
                case 6: std::snprintf(buffer, sizeof buffer, "2100000%08d", i); row.push_back(buffer); break;
                case 7: row.push_back("08-" + std::to_string(i % 300)); break;
                default: row.push_back(i % 3 ? "1" : "0"); break;
            }
        }
        t.appendRow(row);
    }
    return t;
}

void click(const std::string& window, const char* button) {
    ui::detail::invoke(ui::detail::control(window, button).on.click);
}

// A paper, orientation and font size, then the columns from the last one left
// out until the table fits.
struct Layout {
    const char* name;
    int paper, orientation, fontEntry;

    void apply(const std::string& window) const {
        ui::Ctl(window, "selectfontsize").value(fontEntry);
        ui::Ctl(window, "pagesizes").value(paper);
        ui::Ctl(window, "paperorientation").value(orientation);
        auto& columns = dynamic_cast<ui::detail::GridLike&>(ui::detail::control(window, "columns"));
        for (int line = columnCount; line > 1 && !ui::Ctl(window, "browseprint1").enabled(); --line) {
            columns.userEditCell(line, 3, "No");
            ui::detail::invoke(ui::detail::control(window, "columns").on.lostFocus);
        }
    }
};

void figure(const char* what, double s, double mb, const char* baseline, double baseS) {
    std::printf("  %-44s %7.2f s %7.0f MB peak   %-26s %6.3f s   %6.1fx\n", what, s, mb, baseline, baseS, s / baseS);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const testing_support::TempFolder scratch;
    const std::filesystem::path& folder = scratch.path();
    std::filesystem::current_path(folder);  // where the report keeps its settings
    testing_support::RecordingInteraction user;
    // What the user does in each modal window; then the window is left.
    std::function<void(const std::string& window)> inModal;
    user.inModal = [&inModal](const std::string& window) {
        if (inModal) inModal(window);
        if (ui::windowExists(window)) ui::Win(window).release();
    };

    std::vector<std::string> captions;
    for (int c = 1; c <= columnCount; ++c) captions.push_back("Колона " + std::to_string(c));
    ui::defineWindow({.name = "frmBench", .title = "Bench", .width = 1000, .height = 600});
    const ui::Ctl grid = ui::addGrid("frmBench", "grdBench").headers(captions);
    grid.rows(items());
    std::printf("grid report, %d rows x %d columns\n", rowCount, columnCount);
    const double copy = seconds([&] { ui::TextTable t = grid.rows(); });

    // Saved settings that differ from the starting ones: font size 10, landscape.
    std::ofstream("reports.cfg", std::ios::binary) << "[frmBench_grdBench]\r\ncontrolname=frmBench_grdBench\r\n"
                                                      "gridprintdata4=3\r\ngridprintdata11=1\r\ngridprintdata10=T\r\n";
    std::chrono::steady_clock::time_point start, shown;
    inModal = [&](const std::string&) { shown = std::chrono::steady_clock::now(); };
    bench::resetPeak();
    start = std::chrono::steady_clock::now();
    gridreport::_GRIDPRINT("grdBench", "frmBench");
    figure("settings window open, settings restored", std::chrono::duration<double>(shown - start).count(), bench::peakMb(),
           "copy of the grid's rows", copy);

    const Layout layouts[] = {{"Letter portrait, 10 points", 1, 2, 3}, {"A2 landscape, 8 points", 66, 1, 1}};
    for (const Layout& layout : layouts) {
        std::printf(" %s, the columns that fit\n", layout.name);
        double pdf = 0, pdfMb = 0;
        const std::string report = (folder / "report.pdf").string();
        user.paths.push_back(report);
        inModal = [&](const std::string& window) {
            layout.apply(window);
            bench::resetPeak();
            pdf = seconds([&] { click(window, "browseprint1"); });
            pdfMb = bench::peakMb();
        };
        std::filesystem::remove("reports.cfg");
        gridreport::_GRID2PDF("grdBench", "frmBench");
        figure("Pdf route: Print to the written file", pdf, pdfMb, "copy of the grid's rows", copy);
        std::printf("    %.1f MB of PDF\n", std::filesystem::file_size(report) / 1e6);

        double save = 0, saveMb = 0;
        const std::string preview = (folder / "preview.pdf").string();
        user.paths.push_back(preview);
        inModal = [&](const std::string& window) {
            if (window == "frmPrintPreview") {
                bench::resetPeak();
                save = seconds([&] { click(window, "btnSavePdf"); });
                saveMb = bench::peakMb();
                return;
            }
            layout.apply(window);
            click(window, "browseprint1");
        };
        std::filesystem::remove("reports.cfg");
        gridreport::_GRIDPRINT("grdBench", "frmBench");
        figure("preview: Save PDF", save, saveMb, "the Pdf route", pdf);
        std::string pages;
        for (const std::string& shown : user.shown)
            if (shown.rfind("preview|", 0) == 0) pages = shown.substr(8);
        const double savedMb = std::filesystem::file_size(preview) / 1e6, reportMb = std::filesystem::file_size(report) / 1e6;
        std::printf("    %s pages\n", pages.c_str());
        std::printf("  %-44s %7.1f MB of PDF                %-26s %6.1f MB   %6.1fx\n", "preview: Save PDF, its file", savedMb,
                    "the Pdf route's file", reportMb, savedMb / reportMb);
        user.shown.clear();
        std::filesystem::remove(report);
        std::filesystem::remove(preview);
    }

    ui::releaseAllWindows();
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    return 0;
}
