#pragma once
// The search strip above a list's grid: a search box that selects the first
// row matching the typed text in the sorted column, four buttons that move the
// selection, and a picture. While the box has the focus the window's Insert and
// Delete keys are released, so that they edit the typed text.
#include <memory>
#include <string>
#include <vector>

#include "listkit/list_state.h"
#include "platform/ui/ui.h"

namespace listkit {

struct Place {
    std::string control;
    int col = 0, row = 0;
};

// Where the strip's controls stand in a window `width` pixels wide, in the
// order they are created: Next, Previous, First, Last, tbSearch, View.
std::vector<Place> searchStripPlaces(int width);

// _ADDSEARCH: the strip, bound to the list; the two actions are the window's
// Insert and Delete actions (empty in windows without them).
void _ADDSEARCH(std::shared_ptr<ListState> s, ui::Action insertAction, ui::Action deleteAction);
// _RESIZESEARCH: the strip's controls to their places for the window's width.
void _RESIZESEARCH(const ListState& s);

void MA_SEARCH(const ListState& s, std::string_view text);
void MA_GOTFOCUS(const ListState& s);
void MA_LOSTFOCUS(const ListState& s, const ui::Action& insertAction, const ui::Action& deleteAction);

void GOFIRST(const ListState& s);
void GOPREVIOUS(const ListState& s);
void GONEXT(const ListState& s);
void GOLAST(const ListState& s);

}  // namespace listkit
