#pragma once
// The edit window every register shares: a modal window without close box,
// its register's fields, and the confirm and cancel buttons. The register
// gives its controls and its save; the save runs the register's checks in
// order and, when they pass, writes through writeAndClose.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "listkit/record_list.h"
#include "platform/text/text_table.h"

namespace registers {

using listkit::EditState;

struct EditWindowSpec {
    std::string name;  // "frm" + register + "Change"
    int width = 600;
    int height = 250;
    int cancelFromRight = 140;  // the cancel button's column: the width minus this
    int confirmCol = 30;
    int buttonsFromBottom = 95;  // the buttons' row: the height minus this
    bool isNew = true;
    std::function<void(const std::string& window)> controls;
    std::function<void()> save;
};

// The edit's first steps on the list: PROVERIGRID, then the edit state (a new
// record: LINENO the number of lines + 1, MID empty; an edit: the selected
// line and the ID in its column 1). Nothing when the check refuses.
std::optional<EditState> beginEdit(const listkit::ListState& list, bool isNew);

// Defines, centres and activates the edit window; returns when it closes.
void openEditWindow(const EditWindowSpec& definition);

// The red "*" of a required field.
void requiredMark(const std::string& window, const std::string& name, int col, int row);

// Runs the statement (a failure has shown its message), closes the edit
// window and reloads the list, which then has no line selected.
void writeAndClose(const std::string& window, const std::string& statement, const std::function<void()>& reload);

// A combo box's lookup: the rows of its query (ID, code, text) and the items
// made of them, with the initial position for the record's stored ID (or the
// first item when `first`).
struct Lookup {
    ui::TextTable rows;
    std::vector<std::string> items;
    int initial = 1;
    std::string idAt(int position) const;  // empty when there is no such row
};
// Runs the lookup query; when the table is empty (or the query failed) shows
// the register's empty-table message and gives nothing: no edit window opens.
// A query that failed on a locked file gives nothing after SQLite's message.
std::optional<Lookup> lookup(std::string_view query, std::string_view emptyMessage, std::string_view id, bool first);

}  // namespace registers
