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

void layout(const Layout& definition, const ListState& s) {
    const ui::Win w(definition.window);
    const int width = w.width(), height = w.height(), bottom = height - 50;
    ui::Ctl(definition.window, definition.grid).at(0, 80, width - 10, height - 180);
    ui::Ctl(definition.window, "btnFilter").at(30, bottom - 30, 100, 35);
    ui::Ctl(definition.window, "lblVkupnoVir").at(170, bottom - 35, 115, 20);
    ui::Ctl(definition.window, "txtVkupnoVir").at(285, bottom - 37, 100, 24);
    ui::Ctl(definition.window, "lblVkupenIznos").at(450, bottom - 35, 115, 20);
    ui::Ctl(definition.window, "txtVkupenIznos").at(565, bottom - 37, 120, 24);
    if (definition.confirm) ui::Ctl(definition.window, "btnConfirm").at(730, bottom - 30, 100, 35);
    ui::Ctl(definition.window, "btnCancel").at(870, bottom - 30, 100, 35);
    if (definition.more) definition.more(s);
    _RESIZEGRIDTOOLBAR(s);
    _RESIZESEARCH(s);
}

}  // namespace

std::shared_ptr<ListState> defineSelectionWindow(const SelectionWindowSpec& definition) {
    using namespace vocab;
    ui::defineWindow({.name = definition.window, .kind = ui::WindowKind::Child, .title = definition.title, .width = 1150,
                      .height = 550});
    auto list = newListState(definition.window, definition.grid, definition.captions);
    list->AWIDTHS = definition.widths;
    list->AJUSTIFY.assign(definition.captions.size(), 0);
    const Layout places{definition.window, definition.grid, definition.confirm.has_value(), definition.layoutMore};
    list->layout = [places](const ListState& s) { layout(places, s); };
    if (definition.controls) definition.controls(list);
    ui::addGrid(definition.window, definition.grid)
        .headers(list->AHEADERS)
        .widths(list->AWIDTHS)
        .justify(list->AJUSTIFY)
        .multiSelect(true)
        .onHeadClick(CREATECHEADCLICK(list))
        .onChange([list, totals = definition.totals] { totals(*list); });
    ui::addButton(definition.window, "btnFilter")
        .text(CCAPTIONFILTER)
        .picture("img24Filter")
        .tooltip(CTOOLTIPFILTER)
        .onClick(definition.filter);
    ui::addLabel(definition.window, "lblVkupnoVir").text(CVALUEVKUPNOVIRMANI).font("Arial", 9, true);
    ui::addNumberBox(definition.window, "txtVkupnoVir", "999,999").readOnly(true).font("Arial", 9, true).number(0);
    ui::addLabel(definition.window, "lblVkupenIznos").text(CVALUEVKUPENIZNOS).font("Arial", 9, true);
    ui::addNumberBox(definition.window, "txtVkupenIznos", "999,999,999").readOnly(true).font("Arial", 9, true).number(0);
    if (definition.confirm)
        ui::addButton(definition.window, "btnConfirm")
            .text(definition.confirm->caption)
            .picture(definition.confirm->picture)
            .tooltip(definition.confirm->tooltip)
            .onClick(definition.confirm->action);
    const std::string window = definition.window;
    ui::addButton(definition.window, "btnCancel")
        .text(CCAPTIONOTKAZI)
        .picture("img24Cancel")
        .tooltip(CTOOLTIPOTKAZI)
        .onClick([window] { ui::Win(window).release(); });
    _ADDGRIDTOOLBAR(list);
    _ADDSEARCH(list, {}, {});
    ui::Win(definition.window).onSize([list] { list->layout(*list); });
    return list;
}

void addActionDate(const std::string& window, const std::string& name, int col, int labelWidth,
                   const std::string& label, const std::string& tooltip, const std::string& date) {
    ui::addLabel(window, "lbl" + name).at(col, 50, labelWidth, 20).text(label);
    ui::addDatePicker(window, "txt" + name).at(col + labelWidth, 50, 110, 24).tooltip(tooltip).date(date);
}

}  // namespace listkit
