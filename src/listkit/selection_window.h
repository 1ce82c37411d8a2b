#pragma once
// The frame of a list whose selection an action takes (the treasury orders
// overview and report, the payments overview and report): its sortable grid
// with every column left-aligned, the filter button, the count and total of
// the selection, an overview's confirm button, the cancel button, the toolbar
// and the search strip (without insert or delete), laid out on every size
// change.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "listkit/list_state.h"

namespace listkit {

// The confirm button btnConfirm in the bottom row, after the totals: the
// action an overview takes on its selection.
struct ConfirmButton {
    std::string caption, picture, tooltip;
    ui::Action action;
};

struct SelectionWindowSpec {
    std::string window, grid, title;
    std::vector<std::string> captions;
    std::vector<int> widths;
    // Defines the window's own controls above the grid.
    std::function<void(const std::shared_ptr<ListState>&)> controls;
    ui::Action filter;
    // Shows the selection's count and total; runs on every selection change.
    std::function<void(const ListState&)> totals;
    std::optional<ConfirmButton> confirm;
    // Places the window's own controls; runs in every layout.
    std::function<void(const ListState&)> layoutMore;
};

// Defines the window (1150 x 550, a sizable child of the main window) with the
// shared controls; the caller sets its start handler and activates it.
std::shared_ptr<ListState> defineSelectionWindow(const SelectionWindowSpec& definition);

// A date of the overview's action in the row above the grid: the label
// lbl<name> at `col`, `labelWidth` wide, and right after it the date picker
// txt<name> (110 x 24) showing `date` (yyyymmdd).
void addActionDate(const std::string& window, const std::string& name, int col, int labelWidth,
                   const std::string& label, const std::string& tooltip, const std::string& date);

}  // namespace listkit
