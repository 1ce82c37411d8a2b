#include "listkit/search_strip.h"

#include <iterator>

#include "listkit/search.h"
#include "shell/vocabulary.h"

namespace listkit {

namespace {

constexpr int searchBoxWidth = 100, searchBoxHeight = 20, buttonSize = 16;

void move(const ListState& s, Move m) {
    const ui::Ctl grid = s.gridCtl();
    if (const int line = moveTo(m, grid.itemCount(), grid.selection())) grid.selection({line});
}

}  // namespace

std::vector<Place> searchStripPlaces(int width) {
    // The box stands 153 pixels from the right edge; the four buttons start 20
    // pixels further left, every 21 pixels, and the picture follows the box.
    const int box = width - (searchBoxWidth + 3 * buttonSize + 5);
    const int first = box - (4 * buttonSize + 3 * 5 + 20);
    return {{"Next", first, 12},      {"Previous", first + 21, 12}, {"First", first + 42, 12},
            {"Last", first + 63, 12}, {"tbSearch", box, 10},        {"View", box + searchBoxWidth + 5, 12}};
}

void _ADDSEARCH(std::shared_ptr<ListState> s, ui::Action insertAction, ui::Action deleteAction) {
    struct Button {
        const char* name;
        const char* picture;
        const std::string& tooltip;
        void (*action)(const ListState&);
    };
    const Button buttons[] = {{"Next", "img16Next", vocab::CTOOLTIPSLEDENRED, GONEXT},
                              {"Previous", "img16Previous", vocab::CTOOLTIPPRETHODENRED, GOPREVIOUS},
                              {"First", "img16First", vocab::CTOOLTIPPRVRED, GOFIRST},
                              {"Last", "img16Last", vocab::CTOOLTIPPOSLEDENRED, GOLAST}};
    const auto places = searchStripPlaces(s->win().width());
    for (std::size_t i = 0; i < std::size(buttons); ++i)
        ui::addButton(s->window, buttons[i].name)
            .at(places[i].col, places[i].row, buttonSize, buttonSize)
            .picture(buttons[i].picture)
            .tooltip(buttons[i].tooltip)
            .onClick([s, action = buttons[i].action] { action(*s); });
    ui::addTextBox(s->window, "tbSearch")
        .at(places[4].col, places[4].row, searchBoxWidth, searchBoxHeight)
        .tooltip(vocab::CTOOLTIPSEARCH)
        .onChange([s] { MA_SEARCH(*s, ui::Ctl(s->window, "tbSearch").text()); })
        .onGotFocus([s] { MA_GOTFOCUS(*s); })
        .onLostFocus([s, insertAction, deleteAction] { MA_LOSTFOCUS(*s, insertAction, deleteAction); });
    ui::addButton(s->window, "View").at(places[5].col, places[5].row, buttonSize, buttonSize).picture("img16View");
}

void _RESIZESEARCH(const ListState& s) {
    for (const Place& p : searchStripPlaces(s.win().width())) ui::Ctl(s.window, p.control).move(p.col, p.row);
}

void MA_SEARCH(const ListState& s, std::string_view text) {
    if (s.NSORTCOL == 0) return;
    const ui::Ctl grid = s.gridCtl();
    if (const int line = findLine(grid.rows(), s.NSORTCOL, text)) grid.selection({line});
}

void MA_GOTFOCUS(const ListState& s) { s.win().releaseKey(ui::Key::Insert).releaseKey(ui::Key::Delete); }

void MA_LOSTFOCUS(const ListState& s, const ui::Action& insertAction, const ui::Action& deleteAction) {
    if (insertAction) s.win().onKey(ui::Key::Insert, insertAction);
    if (deleteAction) s.win().onKey(ui::Key::Delete, deleteAction);
}

void GOFIRST(const ListState& s) { move(s, Move::First); }
void GOPREVIOUS(const ListState& s) { move(s, Move::Previous); }
void GONEXT(const ListState& s) { move(s, Move::Next); }
void GOLAST(const ListState& s) { move(s, Move::Last); }

}  // namespace listkit
