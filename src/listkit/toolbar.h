#pragma once
// The toolbar under a list's grid: four picture buttons at the bottom right
// that hand the grid to the exports and the grid report. The Pdf button is
// created hidden and nothing shows it.
#include "listkit/list_state.h"

namespace listkit {

struct Slot {
    int col = 0, row = 0;
};
// Where toolbar slot 0..3 stands in a window of the size given.
Slot toolbarSlot(int slot, int width, int height);

// _ADDGRIDTOOLBAR: the buttons Pdf (hidden), Csv, Excel and Print.
void _ADDGRIDTOOLBAR(std::shared_ptr<ListState> s);
// _RESIZEGRIDTOOLBAR: the buttons to their slots for the window's size.
void _RESIZEGRIDTOOLBAR(const ListState& s);

}  // namespace listkit
