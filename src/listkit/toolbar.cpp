#include "listkit/toolbar.h"

#include <iterator>

#include "listkit/export.h"
#include "shell/entries.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

constexpr int buttonSize = 24;
const char* const slotControls[] = {"Pdf", "Csv", "Excel", "Print"};

}  // namespace

Slot toolbarSlot(int slot, int width, int height) {
    // Four buttons of 24 with gaps of 5 and a right margin of 20.
    return {width - 131 + 29 * slot, height - 95};
}

void _ADDGRIDTOOLBAR(std::shared_ptr<ListState> s) {
    struct Button {
        const char* picture;
        const std::string& tooltip;
        ui::Action action;
    };
    const Button buttons[] = {
        {"img24Pdf", vocab::CTOOLTIPEXPORTTOPDF, [s] { gridreport::_GRID2PDF(s->grid, s->window); }},
        {"img24Txt", vocab::CTOOLTIPEXPORTTOTXT, [s] { _GRID2CSV(*s); }},
        {"img24Excel", vocab::CTOOLTIPEXPORTTOEXCEL, [s] { _GRID2XLS(*s); }},
        {"img24Print", vocab::CTOOLTIPPECATITABELA, [s] { gridreport::_GRIDPRINT(s->grid, s->window); }},
    };
    const ui::Win w = s->win();
    for (int slot = 0; slot < static_cast<int>(std::size(buttons)); ++slot) {
        const Button& b = buttons[slot];
        const Slot at = toolbarSlot(slot, w.width(), w.height());
        ui::addButton(s->window, slotControls[slot])
            .at(at.col, at.row, buttonSize, buttonSize)
            .picture(b.picture)
            .tooltip(b.tooltip)
            .onClick(b.action)
            .visible(slot != 0);
    }
}

void _RESIZEGRIDTOOLBAR(const ListState& s) {
    const ui::Win w = s.win();
    for (int slot = 0; slot < static_cast<int>(std::size(slotControls)); ++slot) {
        const Slot at = toolbarSlot(slot, w.width(), w.height());
        ui::Ctl(s.window, slotControls[slot]).move(at.col, at.row);
    }
}

}  // namespace listkit
