#pragma once
// The frame the payments overview and the payments report share: the list
// frame of listkit/selection_window.h over payment items, with the count and
// gross-plus-VAT total of the selection.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "listkit/list_state.h"
#include "listkit/selection_totals.h"
#include "listkit/selection_window.h"
#include "shell/carried_values.h"

namespace payments {

struct ItemSelectionSpec {
    std::string window, grid, title;
    std::vector<int> widths;
    // Defines the window's own controls above the grid.
    std::function<void(const std::shared_ptr<listkit::ListState>&)> controls;
    ui::Action filter;
    std::optional<listkit::ConfirmButton> confirm;
    // Places the window's own controls; runs in every layout.
    std::function<void(const listkit::ListState&)> layoutMore;
};

// Defines the window (listkit::defineSelectionWindow); the caller sets its
// start handler and activates it.
std::shared_ptr<listkit::ListState> defineItemSelectionWindow(const ItemSelectionSpec& definition);

// Stored item rows into the grid as shown, with their load order, every sort
// state reset; then the layout.
void showItems(listkit::ListState& s, const ui::TextTable& stored);

// ONSELECTGRID: the count and the gross-plus-VAT total of the selected lines
// into the two total boxes; returns them.
listkit::SelectionTotals showItemTotals(const listkit::ListState& s, const std::vector<int>& lines);

// The last steps before an action on the selected `lines`: their count and
// total shown and named in `question`; on Yes the items as stored, the values
// `carried` by the action's file among them readable. Nothing when the action
// stops (its message shown).
std::optional<ui::TextTable> confirmedItems(const listkit::ListState& s, const std::vector<int>& lines,
                                            const std::string& question,
                                            const std::vector<shell::CarriedValue>& carried = {});

// The SQL that creates every table the item rows are read from, for a window
// that may open on a database where some were never made.
std::vector<std::string> itemTablesCreate();

}  // namespace payments
