#include "listkit/selection_window.h"

#include "listkit/search_strip.h"
#include "listkit/sort.h"
#include "listkit/toolbar.h"
#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

// The places of the shared controls, then the window's own.
struct Layout {
    std::string window, grid;
    bool confirm;
    std::function<void(const ListState&)> more;
};

void layout(const Layout& spec, const ListState& s) {
    const ui::Win w(spec.window);
    const int width = w.width(), height = w.height(), bottom = height - 50;
    ui::Ctl(spec.window, spec.grid).at(0, 80, width - 10, height - 180);
    ui::Ctl(spec.window, "btnFilter").at(30, bottom - 30, 100, 35);
    ui::Ctl(spec.window, "lblVkupnoVir").at(170, bottom - 35, 115, 20);
    ui::Ctl(spec.window, "txtVkupnoVir").at(285, bottom - 37, 100, 24);
    ui::Ctl(spec.window, "lblVkupenIznos").at(450, bottom - 35, 115, 20);
    ui::Ctl(spec.window, "txtVkupenIznos").at(565, bottom - 37, 120, 24);
    if (spec.confirm) ui::Ctl(spec.window, "btnConfirm").at(730, bottom - 30, 100, 35);
    ui::Ctl(spec.window, "btnCancel").at(870, bottom - 30, 100, 35);
    if (spec.more) spec.more(s);
    _RESIZEGRIDTOOLBAR(s);
    _RESIZESEARCH(s);
}

}  // namespace

std::shared_ptr<ListState> defineSelectionWindow(const SelectionWindowSpec& spec) {
    using namespace vocab;
    ui::defineWindow({.name = spec.window, .kind = ui::WindowKind::Child, .title = spec.title, .width = 1150,
                      .height = 550});
    auto list = newListState(spec.window, spec.grid, spec.captions);
    list->AWIDTHS = spec.widths;
    list->AJUSTIFY.assign(spec.captions.size(), 0);
    const Layout places{spec.window, spec.grid, spec.confirm.has_value(), spec.layoutMore};
    list->layout = [places](const ListState& s) { layout(places, s); };
    if (spec.controls) spec.controls(list);
    ui::addGrid(spec.window, spec.grid)
        .headers(list->AHEADERS)
        .widths(list->AWIDTHS)
        .justify(list->AJUSTIFY)
        .multiSelect(true)
        .onHeadClick(CREATECHEADCLICK(list))
        .onChange([list, totals = spec.totals] { totals(*list); });
    ui::addButton(spec.window, "btnFilter")
        .text(CCAPTIONFILTER)
        .picture("img24Filter")
        .tooltip(CTOOLTIPFILTER)
        .onClick(spec.filter);
    ui::addLabel(spec.window, "lblVkupnoVir").text(CVALUEVKUPNOVIRMANI).font("Arial", 9, true);
    ui::addNumberBox(spec.window, "txtVkupnoVir", "999,999").readOnly(true).font("Arial", 9, true).number(0);
    ui::addLabel(spec.window, "lblVkupenIznos").text(CVALUEVKUPENIZNOS).font("Arial", 9, true);
    ui::addNumberBox(spec.window, "txtVkupenIznos", "999,999,999").readOnly(true).font("Arial", 9, true).number(0);
    if (spec.confirm)
        ui::addButton(spec.window, "btnConfirm")
            .text(spec.confirm->caption)
            .picture(spec.confirm->picture)
            .tooltip(spec.confirm->tooltip)
            .onClick(spec.confirm->action);
    const std::string window = spec.window;
    ui::addButton(spec.window, "btnCancel")
        .text(CCAPTIONOTKAZI)
        .picture("img24Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([window] { ui::Win(window).release(); });
    _ADDGRIDTOOLBAR(list);
    _ADDSEARCH(list, {}, {});
    ui::Win(spec.window).onSize([list] { list->layout(*list); });
    return list;
}

void addActionDate(const std::string& window, const std::string& name, int col, int labelWidth,
                   const std::string& label, const std::string& tooltip, const std::string& date) {
    ui::addLabel(window, "lbl" + name).at(col, 50, labelWidth, 20).text(label);
    ui::addDatePicker(window, "txt" + name).at(col + labelWidth, 50, 110, 24).tooltip(tooltip).date(date);
}

}  // namespace listkit
