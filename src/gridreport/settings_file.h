#pragma once
// The saved report settings in "reports.cfg": one section per window and grid
// (WINDOWNAME_GRIDNAME) with the keys controlname and gridprintdata1 to
// gridprintdata20, values in the report's own text encoding of values and
// lists. Plain C++ over the INI file.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gridreport/settings.h"
#include "platform/ini/ini_file.h"
#include "shell/value.h"

namespace gridreport {

// XCHAR: a number as a whole number or with two decimals, a logical as T or F.
std::string XCHAR(double number);
// ATOC: "A", the body's length in characters right-aligned in 4 places, the
// body. A body too long for 4 places is stored as the empty list.
std::string ATOC(const shell::ValueList& list);
// CTOA: the list back; a damaged text gives what could be read.
shell::ValueList CTOA(std::string_view text);

// What a section restores: each value only when its key is there and it is
// usable by its control (a finite number in the control's range and mask, a
// known entry of its list); a value left out keeps the control's start value.
struct StoredSettings {
    std::optional<std::vector<Column>> columns;  // caption, width, include; one per grid column
    std::array<std::optional<std::string>, 3> headers;
    std::optional<std::string> footer;
    std::optional<int> fontEntry, lengthyLine, pagination;
    std::optional<bool> columnLines, rowLines, centre, spread;
    std::optional<int> orientation, printer, paper;
    std::optional<double> width, height;
    std::optional<double> top, right, left, bottom;
    std::optional<std::vector<MergeRow>> mergeList;
};

// Writes the section of the report with the window's values. Texts are kept
// to one line: a line break would start a line of its own in the file.
void saveSettings(ini::File& file, const ReportState& s, const Settings& v);
// The section of the report when its controlname names it; nothing otherwise.
// `columns` and `printers` are the report's numbers of columns and printers.
std::optional<StoredSettings> storedSettings(const ini::File& file, const std::string& section, std::size_t columns,
                                             std::size_t printers);
// Whether two opposite margins leave room on a page `page` mm long.
bool marginsWithin(double first, double second, double page);
// RESETPDFGRIDFORM's file step: removes the section when its controlname names it.
void removeSettings(ini::File& file, const std::string& section);

}  // namespace gridreport
