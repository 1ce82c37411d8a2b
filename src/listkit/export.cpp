#include "listkit/export.h"

#include <filesystem>

#include "listkit/csv.h"
#include "listkit/spreadsheet_export.h"
#include "platform/desktop/desktop.h"
#include "platform/desktop/files.h"
#include "shell/vocabulary.h"

namespace listkit {

ExportTable VCITAJODGRID(const ListState& s, bool withCaptions) {
    const ui::Ctl grid = s.gridCtl();
    const ui::TextTable& lines = grid.rows();
    std::vector<std::string> captions;
    if (withCaptions)
        for (std::size_t c = 1; c <= lines.columns(); ++c) captions.push_back(grid.header(static_cast<int>(c)));
    return {std::move(captions), lines};
}

void _GRID2CSV(const ListState& s, bool withCaptions) {
    const auto chosen = ui::putFile(vocab::CTOOLTIPEXPORTTOCSV, {{"Comma Separated Value Files", "*.csv"}});
    if (!chosen || chosen->empty()) return;
    const std::string file = csvFileName(*chosen);
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && !ui::msgYesNo(vocab::CPORDALIPREKUSTARA, vocab::CTOOLTIPEXPORTTOCSV))
        return;

    const ExportTable table = VCITAJODGRID(s, withCaptions);
    const bool empty = table.lines.rows() == 0;
    // A list without lines leaves the file empty, as a new export would start it.
    desktop::FileWriter out(file);
    if (!out.started()) {
        ui::msgStop("The file " + file + " can't be created!");
        return;
    }
    if (!empty) writeCsv(table, [&](std::string_view piece) { return out.write(piece); });
    if (!out.commit().empty()) {
        ui::msgStop("Error in saving!");
        return;
    }
    ui::msgInfo(empty ? vocab::CPORNEMAPODATOCIZAEKSPORT : "Exported Successfully!");
}

namespace {
// Two exports within the same second must not overwrite each other: the
// first may still be open in the spreadsheet program. Empty, with `failure`
// naming the name and the reason, when a name cannot be looked at (a folder
// behind a link that loops, one that cannot be read).
std::string unusedName(const std::filesystem::path& wanted, std::string& failure) {
    std::filesystem::path candidate = wanted;
    for (int n = 2;; ++n) {
        const desktop::Presence there = desktop::presence(candidate.string());
        failure = there.failure;
        if (!failure.empty()) return "";
        if (!there.exists) return candidate.string();
        candidate = wanted.parent_path() /
                    (wanted.stem().string() + "_" + std::to_string(n) + wanted.extension().string());
    }
}
}  // namespace

void _GRID2XLS(const ListState& s, bool withCaptions) {
    const ExportTable table = VCITAJODGRID(s, withCaptions);
    if (table.lines.rows() == 0) {
        ui::msgInfo(vocab::CPORNEMAPODATOCIZAEKSPORT);
        return;
    }
    if (const auto overlong = overlongCell(table)) {
        const std::size_t c = overlong->column;
        const std::string caption = c <= table.captions.size() ? " (" + table.captions[c - 1] + ")" : "";
        ui::msgStop(vocab::CPORPREDOLGAKELIJA + std::to_string(overlong->line) + vocab::CPORKOLONA +
                    std::to_string(c) + caption);
        return;
    }
    const std::string title = s.win().title();
    // The folder is named even when it does not exist, so the message says where.
    const std::filesystem::path folder = desktop::temporaryFolder();
    std::string failure;
    const std::string file = unusedName(folder / spreadsheetFileName(title, desktop::timestamp()), failure);
    if (!failure.empty()) {
        ui::msgStop(vocab::CPORNEMOZESOCUVATABELA + failure);
        return;
    }
    if (!writeSpreadsheet(file, title, table)) {
        ui::msgStop(vocab::CPORNEMOZESOCUVATABELA + file + "!");
        return;
    }
    if (!desktop::open(file)) ui::msgInfo(vocab::CPORTABELAZACUVANA + file + vocab::CPORNITUEDNAPROGRAMA);
}

}  // namespace listkit
