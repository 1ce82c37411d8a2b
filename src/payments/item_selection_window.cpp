#include "payments/item_selection_window.h"

#include "listkit/search_strip.h"
#include "listkit/selection_totals.h"
#include "listkit/sort.h"
#include "listkit/toolbar.h"
#include "payments/item_row.h"
#include "payments/transakcii_table.h"
#include "platform/ui/ui.h"
#include "registers/code_table_sql.h"
#include "registers/isplakjaci_sql.h"
#include "registers/primaci_sql.h"
#include "registers/revenue_sql.h"
#include "shell/layouts.h"
#include "shell/vocabulary.h"

namespace payments {

namespace {

// The places of the shared controls, then the window's own.
struct Layout {
    std::string window, grid;
    std::function<void(const listkit::ListState&)> more;
};

void layout(const Layout& spec, const listkit::ListState& s) {
    const ui::Win w(spec.window);
    const int width = w.width(), height = w.height(), bottom = height - 50;
    ui::Ctl(spec.window, spec.grid).at(0, 80, width - 10, height - 180);
    ui::Ctl(spec.window, "btnFilter").at(30, bottom - 30, 100, 35);
    ui::Ctl(spec.window, "lblVkupnoVir").at(170, bottom - 35, 115, 20);
    ui::Ctl(spec.window, "txtVkupnoVir").at(285, bottom - 37, 100, 24);
    ui::Ctl(spec.window, "lblVkupenIznos").at(450, bottom - 35, 115, 20);
    ui::Ctl(spec.window, "txtVkupenIznos").at(565, bottom - 37, 120, 24);
    ui::Ctl(spec.window, "btnCancel").at(870, bottom - 30, 100, 35);
    if (spec.more) spec.more(s);
    listkit::_RESIZEGRIDTOOLBAR(s);
    listkit::_RESIZESEARCH(s);
}

}  // namespace

std::shared_ptr<listkit::ListState> defineItemSelectionWindow(const ItemSelectionSpec& spec) {
    using namespace vocab;
    ui::defineWindow({.name = spec.window, .kind = ui::WindowKind::Child, .title = spec.title, .width = 1150,
                      .height = 550});
    auto list = listkit::newListState(spec.window, spec.grid, layouts::AHEADERSTRANSAKCII);
    list->AWIDTHS = spec.widths;
    list->AJUSTIFY.assign(layouts::AHEADERSTRANSAKCII.size(), 0);
    list->layout = [places = Layout{spec.window, spec.grid, spec.layoutMore}](const listkit::ListState& s) {
        layout(places, s);
    };
    if (spec.controls) spec.controls(list);
    ui::addGrid(spec.window, spec.grid)
        .headers(list->AHEADERS)
        .widths(list->AWIDTHS)
        .justify(list->AJUSTIFY)
        .multiSelect(true)
        .onHeadClick(listkit::CREATECHEADCLICK(list))
        .onChange([list] { showItemTotals(*list, list->gridCtl().selection()); });
    ui::addButton(spec.window, "btnFilter")
        .text(CCAPTIONFILTER)
        .picture("img24Filter")
        .tooltip(CTOOLTIPFILTER)
        .onClick(spec.filter);
    ui::addLabel(spec.window, "lblVkupnoVir").text(CVALUEVKUPNOVIRMANI).font("Arial", 9, true);
    ui::addNumberBox(spec.window, "txtVkupnoVir", "999,999").readOnly(true).font("Arial", 9, true).number(0);
    ui::addLabel(spec.window, "lblVkupenIznos").text(CVALUEVKUPENIZNOS).font("Arial", 9, true);
    ui::addNumberBox(spec.window, "txtVkupenIznos", "999,999,999").readOnly(true).font("Arial", 9, true).number(0);
    if (spec.bottom) spec.bottom(list);
    const std::string window = spec.window;
    ui::addButton(spec.window, "btnCancel")
        .text(CCAPTIONOTKAZI)
        .picture("img24Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([window] { ui::Win(window).release(); });
    listkit::_ADDGRIDTOOLBAR(list);
    listkit::_ADDSEARCH(list, {}, {});
    ui::Win(spec.window).onSize([list] { list->layout(*list); });
    return list;
}

void showItems(listkit::ListState& s, const ui::TextTable& stored) {
    listkit::fill(s, shownItemRows(stored));
    s.layout(s);
}

listkit::SelectionTotals showItemTotals(const listkit::ListState& s, const std::vector<int>& lines) {
    const ui::TextTable& rows = s.gridCtl().rows();
    const auto totals = listkit::selectionTotals(lines, [&](int line) {
        return amountOf(itemValue(rows, line - 1, item::GROSS)) + amountOf(itemValue(rows, line - 1, item::VAT));
    });
    listkit::showSelectionTotals(s.window, totals.count, totals.total);
    return totals;
}

std::vector<std::string> itemTablesCreate() {
    std::vector<std::string> statements;
    for (const char* table : {"Konta", "Opstini", "TipoviKalkulacii", "TipoviPlacanja"})
        statements.push_back(registers::codeTableCreate(table));
    statements.push_back(registers::revenueTypeCreate());
    statements.push_back(registers::subRevenueCreate());
    for (auto& s : registers::payerCreateStatements()) statements.push_back(std::move(s));
    for (auto& s : registers::recipientCreateStatements()) statements.push_back(std::move(s));
    statements.push_back(transakciiCreate());
    return statements;
}

}  // namespace payments
