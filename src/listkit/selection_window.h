#pragma once
// The frame of a list whose selection an action takes (the treasury orders
// overview and report, the payments overview and report): its sortable grid
// with every column left-aligned, the filter button, the count and total of
// the selection, the cancel button, the toolbar and the search strip (without
// insert or delete), laid out on every size change.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listkit/list_state.h"

namespace listkit {

struct SelectionWindowSpec {
    std::string window, grid, title;
    std::vector<std::string> captions;
    std::vector<int> widths;
    // Defines the window's own controls above the grid.
    std::function<void(const std::shared_ptr<ListState>&)> controls;
    ui::Action filter;
    // Shows the selection's count and total; runs on every selection change.
    std::function<void(const ListState&)> totals;
    // Defines the window's own controls in the bottom row, after the totals.
    std::function<void(const std::shared_ptr<ListState>&)> bottom;
    // Places the window's own controls; runs in every layout.
    std::function<void(const ListState&)> layoutMore;
};

// Defines the window (1150 x 550, a sizable child of the main window) with the
// shared controls; the caller sets its start handler and activates it.
std::shared_ptr<ListState> defineSelectionWindow(const SelectionWindowSpec& spec);

}  // namespace listkit
