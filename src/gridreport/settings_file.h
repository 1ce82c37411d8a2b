#pragma once
// The saved report settings in "reports.cfg": one section per window and grid
// (WINDOWNAME_GRIDNAME) with the keys controlname and gridprintdata1 to
// gridprintdata20, values in the report's own text encoding of values and
// lists. Plain C++ over the INI file.
#include <optional>
#include <string>
#include <vector>

#include "gridreport/settings.h"
#include "platform/ini/ini_file.h"

namespace gridreport {

// A stored value: text, number, logical, list, or absent.
struct Value {
    enum Kind { Absent, Text, Number, Logical, List } kind = Absent;
    std::string text;
    double number = 0;
    bool logical = false;
    std::vector<Value> list;

    static Value of(std::string t) { return {Text, std::move(t)}; }
    static Value of(double n) { return {Number, {}, n}; }
    static Value of(bool b) { return {Logical, {}, 0, b}; }
    static Value of(std::vector<Value> l) { return {List, {}, 0, false, std::move(l)}; }
};

// XCHAR: a number as a whole number or with two decimals, a logical as T or F.
std::string XCHAR(double number);
// ATOC: "A", the body's length in characters right-aligned in 4 places, the
// body. A body too long for 4 places is stored as the empty list.
std::string ATOC(const std::vector<Value>& list);
// CTOA: the list back; a damaged text gives what could be read.
std::vector<Value> CTOA(std::string_view text);

// What a section restores: the stored settings and the column list.
struct StoredSettings {
    Settings settings;
    std::vector<Column> columns;  // caption, width, include as stored
};

// Writes the section of the report with the window's values.
void saveSettings(ini::File& file, const ReportState& s, const Settings& v);
// The section of the report when its controlname names it; nothing otherwise.
std::optional<StoredSettings> storedSettings(const ini::File& file, const std::string& section);
// RESETPDFGRIDFORM's file step: removes the section when its controlname names it.
void removeSettings(ini::File& file, const std::string& section);

}  // namespace gridreport
