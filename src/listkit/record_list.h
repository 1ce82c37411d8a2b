#pragma once
// The list window of a table whose records are added, edited and deleted: the
// users list, the registers, the order and payment-item lists. It follows one
// protocol: single instance, tables created inside the wait window, the grid
// with sorting, the three buttons, the Insert and Delete keys, the toolbar and
// the search strip, the load on opening and the re-layout on every size change.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "listkit/edit_checks.h"
#include "listkit/list_state.h"

namespace listkit {

// The record an edit window works on, from its opening to its closing.
struct EditState {
    bool isNew = true;
    std::string MID;  // the record's ID as decimal text, empty for a new record
    int LINENO = 0;   // its grid line: the number of lines + 1 for a new record
};

using ListAction = std::function<void(const std::shared_ptr<ListState>&)>;

// The picture and size of one of the three buttons.
struct ListButton {
    std::string picture;
    int width = 105, height = 25;
};
using ListButtons = std::array<ListButton, 3>;  // add, edit, delete

inline const ListButtons BUTTONS16 = {{{"img16Add"}, {"img16Edit"}, {"img16Delete"}}};
// The larger buttons of the lists that sit above a chosen payer.
inline const ListButtons BUTTONS24 = {{{"img24Add", 115, 35}, {"img24Edit", 105, 35}, {"img24Delete", 105, 35}}};

struct RecordListSpec {
    std::string window;  // frm...
    std::string grid;    // grd...
    std::string title;
    int width = 600, height = 400;
    std::vector<std::string> captions;
    std::vector<int> widths, justify;
    std::vector<std::string> createStatements;  // CREATE TABLE / INDEX IF NOT EXISTS
    int buttonsFromBottom = 98;                 // the buttons' row: window height minus this
    std::vector<int> buttonColumns = {30, 180, 330};
    ListButtons buttons = BUTTONS16;
    // Runs after the tables are created and before the window is defined;
    // false keeps the window from opening (it has told the user why).
    std::function<bool()> admit;
    // Defines the controls of the row above the grid, ahead of the grid in the
    // focus order; they get the state for their handlers.
    ListAction controls;
    std::function<void(const std::shared_ptr<ListState>&, bool isNew)> change;  // add (true) or edit
    ListAction remove;
    // The query of the load, run at opening and by reload().
    std::function<std::string()> query;
    // Turns a loaded row into grid values where a window shows 0/1 as ticks.
    std::function<void(ui::TextTable&)> shape;
    // After the standard layout, for windows with controls of their own.
    std::function<void(const ListState&)> layoutMore;
};

// Opens the window; nothing when it is already open.
void openRecordList(const RecordListSpec& definition);

// The load of the window: its query into the grid, then the re-layout.
void reload(const std::shared_ptr<ListState>& s);

// A delete with the window's reference checks, then the reload and reselection.
void deleteRecords(const std::shared_ptr<ListState>& s, std::string_view table,
                   const std::vector<ReferenceCheck>& checks);

}  // namespace listkit
