#include "gridreport/report_window.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>

#include "gridreport/column_checks.h"
#include "gridreport/first_page_preview.h"
#include "gridreport/paper.h"
#include "gridreport/settings_file.h"
#include "gridreport/texts.h"
#include "platform/desktop/files.h"
#include "platform/pdf/text_pages.h"
#include "platform/print/preview.h"
#include "platform/print/printers.h"
#include "platform/text/utf8.h"
#include "platform/ui/ui.h"

namespace gridreport {

namespace {

const char* const settingsFile = "reports.cfg";

// One run of the report: its state and the window that shows it.
struct Run {
    ReportState s;
    Target target = Target::Printer;
    std::string window;
    bool built = false;    // change handlers wait until the window is complete
    bool written = false;  // the PDF file of this run stands at its path
    double heldSize = 0;   // a page-size or margin box's value when the focus came to it
    std::shared_ptr<TextWidths> widths = std::make_shared<TextWidths>();
    Measure measure = [widths = widths](std::string_view text, double size) { return (*widths)(text, size); };

    ui::Ctl ctl(const char* name) const { return ui::Ctl(window, name); }
    ui::Win win() const { return ui::Win(window); }
};
using RunPtr = std::shared_ptr<Run>;

std::vector<MergeRow> mergeRows(const Run& r) {
    std::vector<MergeRow> rows;
    const ui::TextTable& t = r.ctl("merge").rows();
    for (std::size_t i = 0; i < t.rows(); ++i)
        rows.push_back({std::atoi(t.at(i, 0).c_str()), std::atoi(t.at(i, 1).c_str()), t.at(i, 2)});
    return rows;
}

void showMergeRows(const Run& r, const std::vector<MergeRow>& rows) {
    ui::TextTable t(3);
    for (const MergeRow& m : rows) t.appendRow({std::to_string(m.from), std::to_string(m.to), m.text});
    r.ctl("merge").rows(std::move(t)).selection(rows.empty() ? std::vector<int>{} : std::vector<int>{1});
}

void showColumns(const Run& r) {
    ui::TextTable t(3);
    for (const Column& c : r.s.COLUMNARR) t.appendRow({c.caption, mm2(c.width), r.s.msg(c.included() ? 59 : 60)});
    r.ctl("columns").rows(std::move(t)).selection(r.s.COLUMNARR.empty() ? std::vector<int>{} : std::vector<int>{1});
}

// The column list rewritten from the report state, its selected line kept.
void refreshColumns(const Run& r) {
    const std::vector<int> selected = r.ctl("columns").selection();
    showColumns(r);
    r.ctl("columns").selection(selected);
}

Settings readSettings(const Run& r) {
    Settings v;
    v.headers = {r.ctl("header1").text(), r.ctl("header2").text(), r.ctl("Header3").text()};
    v.footer = r.ctl("Footer1").text();
    v.fontEntry = r.ctl("selectfontsize").value();
    v.lengthyLine = r.ctl("wordwrap").value();
    v.pagination = r.ctl("pageno").value();
    v.columnLines = r.ctl("collines").value() == 1;
    v.rowLines = r.ctl("rowlines").value() == 1;
    v.centre = r.ctl("vertical").value() == 1;
    v.spread = r.ctl("spread").value() == 1;
    v.orientation = r.ctl("paperorientation").value();
    v.printer = r.ctl("printers").value();
    v.paper = r.ctl("pagesizes").value();
    v.width = r.ctl("width").number();
    v.height = r.ctl("height").number();
    v.top = r.ctl("top").number();
    v.right = r.ctl("right").number();
    v.left = r.ctl("left").number();
    v.bottom = r.ctl("bottom").number();
    v.mergeList = mergeRows(r);
    return v;
}

// ---- the first-page preview ----------------------------------------------

// The canvas covers the drawing area, so the drawing moves by its corner.
void PDFGRIDPREVIEW(const Run& r) {
    if (!r.built || !r.ctl("browseprintcancel").exists()) return;
    const PagePreview p = firstPagePreview(r.s, readSettings(r), r.measure);
    const auto shape = [](ui::Shape::Kind kind, double col1, double row1, double col2, double row2) {
        return ui::Shape{.kind = kind,
                         .col1 = col1 - previewLeft,
                         .row1 = row1 - previewTop,
                         .col2 = col2 - previewLeft,
                         .row2 = row2 - previewTop};
    };
    std::vector<ui::Shape> shapes{shape(ui::Shape::Kind::Rectangle, p.left, p.top, p.right, p.bottom)};
    shapes.front().fill = ui::Rgb{255, 255, 255};
    for (const PreviewLine& l : p.lines) shapes.push_back(shape(ui::Shape::Kind::Line, l.col1, l.row1, l.col2, l.row2));
    r.ctl("preview").drawing(std::move(shapes));
}

// ---- measurement, tally, page size ---------------------------------------

// The list shows the measured widths at once, also while the table is too wide
// for the page: they are what the user narrows or leaves out.
void measureColumns(Run& r) {
    PDFCALCULATECOLUMNSIZES(r.s, r.ctl("selectfontsize").text(), r.measure);
    refreshColumns(r);
}

void REFRESHPDFGRID(Run& r) {
    const Tally t = PDFPRINTCOLTALLY(r.s, r.ctl("spread").value() == 1);
    r.win().statusItem(2, t.status2);
    r.win().statusItem(1, t.status1);
    r.ctl("browseprint1").enabled(t.fits);
    if (t.fits) refreshColumns(r);
    PDFGRIDPREVIEW(r);
}

void PDFPAGESIZECHANGED(Run& r) {
    if (!r.built) return;
    r.s.MAXCOL2 = r.ctl("width").number() - r.ctl("left").number() - r.ctl("right").number();
    r.win().statusItem(2, widthStatus(r.s));
    REFRESHPDFGRID(r);
}

void PDFPAPERSIZECHANGED(Run& r) {
    if (!r.built) return;
    if (r.ctl("printers").value() == 0) {
        ui::msgStop(r.s.msg(47), r.s.msg(3));
        return;
    }
    const Settings v = readSettings(r);
    const auto area = print::pageArea(pageSetup(r.s, v));
    if (!area) {
        ui::msgStop(r.s.msg(48), r.s.msg(3));
        return;
    }
    const bool userDefined = v.paper == userDefinedEntry;
    if (!userDefined) {
        r.ctl("width").number(area->printableWidth + 2 * area->printableCol);
        r.ctl("height").number(area->printableHeight + 2 * area->printableRow);
    }
    if (v.paper > 0) {
        r.s.MAXCOL2 = r.ctl("width").number() - r.ctl("left").number() - r.ctl("right").number();
        r.win().statusItem(2, widthStatus(r.s));
    }
    r.ctl("width").readOnly(!userDefined);
    r.ctl("height").readOnly(!userDefined);
    REFRESHPDFGRID(r);
}

// Whether the margins leave a page: the side margins within its width, the
// top and bottom margins within its height.
bool marginsLeavePage(const Run& r) {
    return marginsWithin(r.ctl("left").number(), r.ctl("right").number(), r.ctl("width").number()) &&
           marginsWithin(r.ctl("top").number(), r.ctl("bottom").number(), r.ctl("height").number());
}

// A margin or page size typed so that no page is left is refused when the
// user leaves its box, which gets back the value it had before.
void sizeBoxLeft(Run& r, const char* box) {
    const ui::Ctl c = r.ctl(box);
    if (c.number() == r.heldSize || marginsLeavePage(r)) return;
    ui::msgStop(marginsLeaveNoPage, r.s.msg(3));
    c.number(r.heldSize);
}

void remeasure(Run& r) {
    if (!r.built) return;
    measureColumns(r);
    REFRESHPDFGRID(r);
}

// PDFSPREADCHANGED: while the spread is on the widths are the spread's, not typed.
void PDFSPREADCHANGED(Run& r) {
    const bool spread = r.ctl("spread").value() == 1;
    r.ctl("columns").columnEditor(2, {.kind = spread ? ui::CellEditor::Kind::None : ui::CellEditor::Kind::Masked,
                                      .mask = "9999.99"});
    remeasure(r);
}

// ---- merged header rows --------------------------------------------------

// A restored list is told about once, however many of its rows are refused.
enum Refusals { EveryRefusal, FirstRefusalOnly };

void PDFMERGEHEADERSCHANGED(Run& r, Refusals told = EveryRefusal) {
    std::vector<int> refused;
    r.s.MERGEHEAD = checkedMergeRows(mergeRows(r), &refused);
    if (told == FirstRefusalOnly && refused.size() > 1) refused.resize(1);
    for (int line : refused) ui::msgStop(r.s.msg(65) + std::to_string(line));
    PDFGRIDPREVIEW(r);
}

void PDFADDMERGEHEADROW(Run& r) {
    const int columns = static_cast<int>(r.s.COLUMNARR.size());
    if (r.s.MERGEHEAD.empty()) {
        r.ctl("merge").addRow({"1", "1", ""});
    } else if (const int t = r.s.MERGEHEAD.back().to; t < columns) {
        r.ctl("merge").addRow({std::to_string(t + 1), std::to_string(t + 1), ""});
    } else {
        return;
    }
    PDFMERGEHEADERSCHANGED(r);
}

void PDFDELMERGEHEADROW(Run& r) {
    const ui::Ctl merge = r.ctl("merge");
    const std::vector<int> selected = merge.selection();
    if (selected.empty()) return;
    const int line = selected.front();
    merge.deleteRow(line);
    const int left = static_cast<int>(merge.rows().rows());
    if (line > 1) merge.selection({line - 1});
    else if (left > 0) merge.selection({1});
    PDFMERGEHEADERSCHANGED(r);
}

bool mergeCellCheck(int column, const std::string& value) {
    if (column == 3) return true;
    const bool digits = !value.empty() && value.size() <= 3 && value.find_first_not_of("0123456789") == std::string::npos;
    if (!digits) ui::msgWarning(invalidEntry);
    return digits;
}

// ---- the column list -----------------------------------------------------

SelectedColumn columnOf(const Run& r, int line) {
    if (line < 1 || line > static_cast<int>(r.s.COLUMNARR.size())) return std::nullopt;
    return static_cast<std::size_t>(line - 1);
}

// PDFCOLUMNSIZEVERIFY and PDFCOLUMNSELECTED for an edit of line `line`.
bool columnCellCheck(Run& r, int line, int column, const std::string& value) {
    if (column == 2) {
        const auto width = typedWidth(value);
        if (!width || !PDFCOLUMNSIZEVERIFY(r.s, columnOf(r, line), *width)) {
            ui::msgWarning(invalidEntry);
            return false;
        }
        return true;
    }
    return column == 3 && PDFCOLUMNSELECTED(r.s, columnOf(r, line), value == r.s.msg(59) ? 1 : 2);
}

// An accepted cell shows its value as the list shows it: a width with two
// decimals, the include flag as Yes or No.
void columnCellEdited(const Run& r, int line, int column) {
    const SelectedColumn c = columnOf(r, line);
    if (!c) return;
    const Column& entry = r.s.COLUMNARR[*c];
    r.ctl("columns").cell(line, column, column == 2 ? mm2(entry.width) : r.s.msg(entry.included() ? 59 : 60));
}

// ---- saved settings ------------------------------------------------------

// The settings file, when it exists and can be read; `opened` tells whether
// it could be read (a file that does not exist reads as empty).
std::optional<ini::File> openSettings(bool& opened) {
    int error = 0;
    auto file = ini::load(settingsFile, error);
    opened = error == 0;
    if (!opened) {
        char number[8];
        std::snprintf(number, sizeof number, "%2d", error);
        ui::msgInfo(std::string(iniOpenError) + number);
    }
    return file;
}

void saveSettingsFile(const Run& r) {
    if (r.s.LARRAYMODE) return;
    bool opened = false;
    auto file = openSettings(opened);
    if (!opened) return;
    if (!file) file.emplace();
    saveSettings(*file, r.s, readSettings(r));
    if (const std::string failure = ini::save(*file, settingsFile); !failure.empty())
        ui::msgStop(failure, r.s.msg(3));
}

// Restored values take effect as the user's changes do, each through its
// control's handler; a value the file does not hold usably is left as it is.
void PDFGRIDINIT(Run& r) {
    if (!r.s.ACOLWIDTHS.empty() || r.s.LARRAYMODE) return;
    bool opened = false;
    const auto file = openSettings(opened);
    if (!file) return;
    const auto stored = storedSettings(*file, r.s.section(), r.s.COLUMNARR.size(), r.s.APRINTERNAMES.size());
    if (!stored) return;
    if (stored->columns) {
        for (std::size_t i = 0; i < stored->columns->size(); ++i) {
            Column c = (*stored->columns)[i];
            c.justify = r.s.AJUSTIFY[i];
            r.s.COLUMNARR[i] = c;
        }
        showColumns(r);
    }
    const char* const headerBoxes[] = {"header1", "header2", "Header3"};
    const std::string* asked[] = {&r.s.HEADER1, &r.s.HEADER2, &r.s.HEADER3};
    for (std::size_t i = 0; i < 3; ++i) {
        const bool blank = utf8::trimBlanks(*asked[i]).empty();
        r.ctl(headerBoxes[i]).text(blank ? stored->headers[i].value_or("") : *asked[i]);
    }
    const auto text = [&](const char* box, const std::optional<std::string>& v) {
        if (v) r.ctl(box).text(*v);
    };
    const auto value = [&](const char* box, std::optional<int> v) {
        if (v) r.ctl(box).value(*v);
    };
    const auto flag = [&](const char* box, std::optional<bool> v) {
        if (v) r.ctl(box).value(*v ? 1 : 0);
    };
    const auto number = [&](const char* box, std::optional<double> v) {
        if (v) r.ctl(box).number(*v);
    };
    text("Footer1", stored->footer);
    value("selectfontsize", stored->fontEntry);
    value("wordwrap", stored->lengthyLine);
    value("pageno", stored->pagination);
    flag("collines", stored->columnLines);
    flag("rowlines", stored->rowLines);
    flag("vertical", stored->centre);
    flag("spread", stored->spread);
    value("paperorientation", stored->orientation);
    value("printers", stored->printer);
    value("pagesizes", stored->paper);
    number("width", stored->width);
    number("height", stored->height);
    // Margins that would leave no page keep the starting ones, in pairs.
    const auto pair = [&](const char* first, std::optional<double> a, const char* second, std::optional<double> b,
                          const char* page) {
        if (!marginsWithin(a.value_or(r.ctl(first).number()), b.value_or(r.ctl(second).number()), r.ctl(page).number()))
            return;
        number(first, a);
        number(second, b);
    };
    pair("top", stored->top, "bottom", stored->bottom, "height");
    pair("right", stored->right, "left", stored->left, "width");
    if (stored->mergeList) {
        showMergeRows(r, *stored->mergeList);
        PDFMERGEHEADERSCHANGED(r, FirstRefusalOnly);
    }
    REFRESHPDFGRID(r);
}

void RESETPDFGRIDFORM(Run& r) {
    if (!ui::msgYesNo(r.s.msg(67))) return;
    std::error_code ignored;
    if (!std::filesystem::exists(settingsFile, ignored)) return;
    bool opened = false;
    auto file = openSettings(opened);
    if (r.s.LARRAYMODE) return;
    if (file && file->hasSection(r.s.section())) {
        removeSettings(*file, r.s.section());
        if (const std::string failure = ini::save(*file, settingsFile); !failure.empty())
            ui::msgStop(failure, r.s.msg(3));
    }
    showMergeRows(r, {});
    r.ctl("spread").value(0);
    r.ctl("collines").value(1);
    r.ctl("rowlines").value(1);
    r.ctl("wordwrap").value(Truncate);
    r.ctl("pageno").value(PageNoTop);
    r.ctl("vertical").value(1);
    showMergeRows(r, checkedMergeRows(r.s.MERGEHEAD));
    measureColumns(r);
    PDFPAPERSIZECHANGED(r);
}

// ---- the Print action ----------------------------------------------------

// The PDF target: the report written to CPDFFILENAME page by page, the
// document going straight into a temporary file beside it, then the window
// released. A stop leaves the window up for another try.
void writePdf(Run& r, const Settings& v, std::optional<ui::WaitWindow>& wait) {
    std::fill(r.s.TOTALARR.begin(), r.s.TOTALARR.end(), 0);
    const std::string temporary = desktop::temporaryBeside(r.s.CPDFFILENAME);
    std::string failure = temporary.empty() ? std::strerror(errno) : "";
    bool started = false;
    try {
        pdf::TextPages document(v.width, v.height, pdf::TextRow::Baseline);
        started = true;
        reportPages(r.s, v, Target::Pdf, r.measure, [&document](print::Page& page) { document.add(page); });
        if (failure.empty()) document.saveToFile(temporary);
    } catch (const pdf::Error& e) {
        if (!started) {
            std::error_code ignored;
            if (!temporary.empty()) std::filesystem::remove(temporary, ignored);
            wait.reset();
            ui::msgStop(pdfCannotStart);
            return;
        }
        failure = e.what();
    }
    wait.reset();  // before any message of the settings file or the writing
    saveSettingsFile(r);
    if (failure.empty()) failure = desktop::renameInto(temporary, r.s.CPDFFILENAME);
    if (!failure.empty()) {
        std::error_code ignored;
        if (!temporary.empty()) std::filesystem::remove(temporary, ignored);
        ui::msgStop(std::string(pdfNotWritten) + r.s.CPDFFILENAME + "\r\n" + failure, r.s.msg(3));
        return;
    }
    r.written = true;
    r.win().release();
}

void PRINTPDFSTART(Run& r) {
    std::optional<ui::WaitWindow> wait;
    if (r.target == Target::Pdf) wait.emplace(pdfWait);
    if (r.ctl("printers").value() == 0) {
        wait.reset();
        ui::msgStop(r.s.msg(47), r.s.msg(3));
        return;
    }
    if (!marginsLeavePage(r)) {
        wait.reset();
        ui::msgStop(marginsLeaveNoPage, r.s.msg(3));
        return;
    }
    const Settings v = readSettings(r);
    if (r.target == Target::Pdf) return writePdf(r, v, wait);
    if (!print::pageArea(pageSetup(r.s, v))) {
        ui::msgStop(r.s.msg(48), r.s.msg(3));
        return;
    }
    saveSettingsFile(r);
    std::fill(r.s.TOTALARR.begin(), r.s.TOTALARR.end(), 0);
    const print::Document doc = reportPages(r.s, v, r.target, r.measure);
    print::preview(doc);
    r.win().release();
}

// ---- the window ----------------------------------------------------------

void label(const Run& r, const char* name, const std::string& text, int page, int col, int row, int width = 100) {
    ui::addLabel(r.window, name).onPage("tab1", page).at(col, row, width, 20).text(text);
}

void defineWindow(const RunPtr& run) {
    Run& r = *run;
    const ReportState& s = r.s;
    ui::defineWindow({.name = r.window,
                      .kind = ui::WindowKind::Modal,
                      .title = s.msg(4),
                      .width = 700,
                      .height = 440,
                      .closeBox = false,
                      .sizable = false,
                      .maximizeBox = false,
                      .minimizeBox = false});
    ui::addTab(r.window, "tab1", {s.msg(5), s.msg(16), s.msg(30), s.msg(61)}).at(10, 10, 285, 335);

    ui::addGrid(r.window, "columns")
        .onPage("tab1", 1)
        .at(10, 30, 270, 300)
        .headers({s.msg(6), s.msg(7), s.msg(57)})
        .widths({130, 60, 60})
        .justify({0, 1, 0})
        .allowEdit(true)
        .columnEditor(1, {.kind = ui::CellEditor::Kind::None})
        .columnEditor(2, {.kind = ui::CellEditor::Kind::Masked, .mask = "9999.99"})
        .columnEditor(3, {.kind = ui::CellEditor::Kind::Choice, .items = {s.msg(59), s.msg(60)}})
        .onCellCheck([run](int line, int column, const std::string& value) {
            return columnCellCheck(*run, line, column, value);
        })
        .onCellEdit([run](int line, int column) { columnCellEdited(*run, line, column); })
        .onLostFocus([run] { REFRESHPDFGRID(*run); });

    const auto preview = [run] { PDFGRIDPREVIEW(*run); };
    label(r, "header1label", s.msg(12), 2, 10, 30);
    ui::addTextBox(r.window, "header1").onPage("tab1", 2).at(110, 30, 165, 22).onChange(preview);
    label(r, "header2label", s.msg(13), 2, 10, 70);
    ui::addTextBox(r.window, "header2").onPage("tab1", 2).at(110, 70, 165, 22).onChange(preview);
    label(r, "header3label", s.msg(14), 2, 10, 100);
    ui::addTextBox(r.window, "Header3").onPage("tab1", 2).at(110, 100, 165, 22).onChange(preview);
    label(r, "footer1label", s.msg(15), 2, 10, 130);
    ui::addTextBox(r.window, "Footer1").onPage("tab1", 2).at(110, 130, 165, 22).onChange(preview);
    label(r, "selectfontsizelabel", s.msg(17), 2, 10, 160);
    ui::addComboBox(r.window, "selectfontsize")
        .onPage("tab1", 2)
        .at(110, 160, 50, 22)
        .items(FONTSIZESSTR, s.FONTNUMBER)
        .onChange([run] { remeasure(*run); });
    label(r, "multilinelabel", s.msg(18), 2, 10, 190);
    ui::addComboBox(r.window, "wordwrap")
        .onPage("tab1", 2)
        .at(110, 190, 90, 22)
        .items({s.msg(19), s.msg(20)}, Truncate)
        .onChange(preview);
    label(r, "pagination", s.msg(21), 2, 10, 220);
    ui::addComboBox(r.window, "pageno")
        .onPage("tab1", 2)
        .at(110, 220, 90, 22)
        .items({s.msg(22), s.msg(23), s.msg(24)}, PageNoTop)
        .onChange(preview);
    label(r, "separatorlab", s.msg(25), 2, 10, 245);
    ui::addCheckBox(r.window, "collines").onPage("tab1", 2).at(110, 245, 65, 22).text(s.msg(26)).onChange(preview);
    ui::addCheckBox(r.window, "rowlines").onPage("tab1", 2).at(180, 245, 65, 22).text(s.msg(27)).onChange(preview);
    label(r, "centerlab", s.msg(28), 2, 10, 275);
    ui::addCheckBox(r.window, "vertical").onPage("tab1", 2).at(110, 275, 100, 22).text(s.msg(29)).onChange(preview);
    label(r, "spacelab", s.msg(54), 2, 10, 305);
    ui::addCheckBox(r.window, "spread")
        .onPage("tab1", 2)
        .at(110, 305, 100, 22)
        .text(s.msg(55))
        .onChange([run] { PDFSPREADCHANGED(*run); });

    const auto paperChanged = [run] { PDFPAPERSIZECHANGED(*run); };
    const auto pageChanged = [run] { PDFPAGESIZECHANGED(*run); };
    label(r, "orientationlabel", s.msg(31), 3, 10, 30);
    ui::addComboBox(r.window, "paperorientation")
        .onPage("tab1", 3)
        .at(110, 30, 90, 22)
        .items({s.msg(32), s.msg(33)})
        .onChange(paperChanged);
    label(r, "printerslabel", s.msg(34), 3, 10, 60);
    ui::addComboBox(r.window, "printers").onPage("tab1", 3).at(110, 60, 165, 22).items(s.APRINTERNAMES);
    label(r, "sizelabel", s.msg(35), 3, 10, 90);
    ui::addComboBox(r.window, "pagesizes").onPage("tab1", 3).at(110, 90, 165, 22).items(paperNames()).onChange(paperChanged);
    // Page sizes and margins are never negative, and together leave a page.
    const auto sizeBox = [run](const char* box, const char* mask) {
        return ui::addNumberBox(run->window, box, mask)
            .onPage("tab1", 3)
            .minusSign(false)
            .onGotFocus([run, box] { run->heldSize = run->ctl(box).number(); })
            .onLostFocus([run, box] { sizeBoxLeft(*run, box); });
    };
    label(r, "widthlabel", s.msg(36), 3, 10, 120);
    sizeBox("width", "999.99").at(110, 120, 60, 22).onChange(pageChanged);
    label(r, "widthmm", mm, 3, 170, 120, 30);
    label(r, "heightlabel", s.msg(37), 3, 10, 150);
    sizeBox("height", "999.99").at(110, 150, 60, 22).onChange(pageChanged);
    label(r, "heightmm", mm, 3, 170, 150, 30);
    label(r, "margins", s.msg(38), 3, 5, 180, 185);
    const struct {
        const char *label, *box;
        int text, col, row;
        bool paper;  // the side margins change the printable width, the others only the preview
    } margins[] = {{"toplabel", "top", 39, 45, 200, false},
                   {"rightlabel", "right", 40, 135, 200, true},
                   {"leftlabel", "left", 41, 45, 230, true},
                   {"bottomlabel", "bottom", 42, 135, 230, false}};
    for (const auto& m : margins) {
        label(r, m.label, s.msg(m.text), 3, m.col - 40, m.row, 40);
        sizeBox(m.box, "99.99").at(m.col, m.row, 50, 22).onChange(m.paper ? ui::Action(paperChanged) : ui::Action(preview));
    }

    ui::addGrid(r.window, "merge")
        .onPage("tab1", 4)
        .at(10, 30, 240, 240)
        .headers({s.msg(62), s.msg(63), s.msg(64)})
        .widths({40, 40, 100})
        .allowEdit(true)
        .columnEditor(1, {.kind = ui::CellEditor::Kind::Masked, .mask = "999"})
        .columnEditor(2, {.kind = ui::CellEditor::Kind::Masked, .mask = "999"})
        .onCellCheck([](int, int column, const std::string& value) { return mergeCellCheck(column, value); })
        .onLostFocus([run] { PDFMERGEHEADERSCHANGED(*run); });
    ui::addButton(r.window, "add").onPage("tab1", 4).at(260, 30, 20, 20).text("+").font("Arial", 16, true).onClick([run] {
        PDFADDMERGEHEADROW(*run);
    });
    ui::addButton(r.window, "del").onPage("tab1", 4).at(260, 55, 20, 20).text("-").font("Arial", 16, true).onClick([run] {
        PDFDELMERGEHEADROW(*run);
    });

    // Under the buttons, which reach into the drawing area.
    ui::addCanvas(r.window, "preview")
        .at(static_cast<int>(previewLeft), static_cast<int>(previewTop), static_cast<int>(previewRight - previewLeft),
            static_cast<int>(previewBottom - previewTop));
    ui::addButton(r.window, "browseprint1").at(160, 350, 80, 25).text(s.msg(43)).onClick([run] { PRINTPDFSTART(*run); });
    ui::addButton(r.window, "browseprintcancel").at(260, 350, 80, 25).text(s.msg(44)).cancel().onClick([run] {
        run->win().release();
    });
    ui::addButton(r.window, "browseprintreset").at(360, 350, 80, 25).text(s.msg(66)).onClick([run] {
        RESETPDFGRIDFORM(*run);
    });
    r.win().statusBar({s.msg(45), s.msg(10) + std::string(mm) + " " + s.msg(11) + mm});
}

// The starting values, then the page size, the widths, the tally.
void setUp(const RunPtr& run, const ReportRequest& request) {
    Run& r = *run;
    const Settings v = startingSettings(r.s, request);
    r.ctl("width").number(v.width);
    r.ctl("height").number(v.height);
    r.ctl("pagesizes").value(v.paper);
    r.ctl("top").number(v.top);
    r.ctl("bottom").number(v.bottom);
    r.ctl("left").number(v.left);
    r.ctl("right").number(v.right);
    r.ctl("collines").value(v.columnLines);
    r.ctl("rowlines").value(v.rowLines);
    r.ctl("header1").text(v.headers[0]);
    r.ctl("header2").text(v.headers[1]);
    r.ctl("Header3").text(v.headers[2]);
    r.ctl("vertical").value(1);
    r.ctl("paperorientation").value(v.orientation);
    r.ctl("printers").value(v.printer);
    r.built = true;
    PDFPAPERSIZECHANGED(r);
    showMergeRows(r, v.mergeList);
    showColumns(r);
    measureColumns(r);
    REFRESHPDFGRID(r);
}

}  // namespace

bool runReport(const ReportRequest& request, Target target) {
    const ui::Ctl grid(request.window, request.grid);
    GridSource source;
    if (request.rows.empty()) {
        source.rows = &grid.rows();
        for (std::size_t c = 1; c <= source.rows->columns(); ++c) source.captions.push_back(grid.header(static_cast<int>(c)));
        source.justify = grid.justify();
    }
    const std::vector<std::string> texts = PDFINIT_MESSAGES();
    if (rowCount(request, source) == 0) {
        ui::msgInfo(texts[0]);
        return false;
    }
    std::vector<std::string> printers = print::printerNames();
    if (printers.empty()) {
        ui::msgStop(texts[1], texts[2]);
        return false;
    }
    auto run = std::make_shared<Run>();
    run->s = startReport(request, source, std::move(printers), print::defaultPrinter());
    run->target = target;
    run->window = target == Target::Pdf ? "pdfgrid" : "printgrid";
    defineWindow(run);
    setUp(run, request);
    const bool direct = !run->s.SHOWWINDOW && run->ctl("browseprint1").enabled();
    if (direct && target == Target::Pdf) {
        // The PDF file is written while the window stays out of sight; it
        // comes up only when the writing stops.
        PRINTPDFSTART(*run);
        if (!ui::windowExists(run->window)) return run->written;
    } else {
        run->win().onStart([run, direct] {
            if (direct)
                PRINTPDFSTART(*run);
            else
                PDFGRIDINIT(*run);
        });
    }
    run->win().center().activate();
    return run->written;
}

}  // namespace gridreport
