#pragma once
// The state of one list window, owned by that window from its opening to its
// closing: its handlers capture it, and every toolkit operation takes the state
// of the window whose grid raised the event.
//
// ADATA, the rows in display order, is kept in two places that always agree
// line for line: the texts of the rows are the grid's own table (so a list of
// 100,000 rows holds its text once), and `identity` holds each line's
// load-order number, which sorting moves with its row and never changes.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text/text_table.h"
#include "platform/ui/ui.h"

namespace listkit {

struct ListState {
    std::string window;  // frm...
    std::string grid;    // grd...

    std::vector<std::uint32_t> identity;   // load-order number of each grid line
    int NBRKOL = 0;                        // number of columns = number of captions
    std::vector<int> ACOLORDER;            // sort state of each column (1-based; element 0 unused)
    std::uint32_t NCURFRN = 0;             // identity of the current row, taken before a sort
    std::vector<std::string> AORGHEADERS;  // the captions without sort signs
    int NSORTCOL = 0;                      // the column the search strip searches; 0 none

    // The grid's rows as an ascending click left them: the column, where its
    // runs of equal keys begin, and the rows' version then. A descending click
    // on the same column, the rows unchanged, only reverses the runs.
    struct AscendingRuns {
        int column = 0;
        std::uint64_t version = 0;
        std::vector<std::uint32_t> starts;
    } ascending;

    // The window's own copies of its layout.
    std::vector<std::string> AHEADERS;
    std::vector<int> AWIDTHS, AJUSTIFY;

    // The window's load and re-layout, for the operations that reload it
    // (they capture the window's configuration, never the state itself).
    std::function<void(ListState&)> load;
    std::function<void(const ListState&)> layout;

    ui::Ctl gridCtl() const { return ui::Ctl(window, grid); }
    ui::Win win() const { return ui::Win(window); }
};

// A fresh state for a list window about to be defined, with its captions.
std::shared_ptr<ListState> newListState(std::string window, std::string grid, std::vector<std::string> captions);

// The load: puts the rows of a query into the grid in load order, numbers them
// 1, 2, 3, ... as their identities and resets every column's sort state. The
// captions and NSORTCOL stay as they are.
void fill(ListState& s, ui::TextTable rows);

// MA_SETFRN: remembers as NCURFRN the identity of the first selected line, or
// of line 1 when none is selected; nothing for an empty list.
void MA_SETFRN(ListState& s, const std::vector<int>& selection);

// The line whose row carries the identity; 0 when none does.
int lineOf(const ListState& s, std::uint32_t identity);

}  // namespace listkit
