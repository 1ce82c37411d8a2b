#pragma once
// The CSV file of a list: UTF-8 without a byte-order mark; every field in
// double quotes with its own double quotes doubled, fields separated by commas,
// every record (the captions first) ended by a carriage return alone.
#include <functional>
#include <string>
#include <string_view>

#include "listkit/export_table.h"

namespace listkit {

// _PARSEQUOTE: the text with every double quote doubled.
std::string _PARSEQUOTE(std::string_view text);

// The bytes of the file, handed to `sink` in pieces of whole records of about
// a megabyte (a longer record in one piece), so a list of any size is written
// without holding its whole file in memory. A false from the sink stops it.
void writeCsv(const ExportTable& table, const std::function<bool(std::string_view)>& sink);
// The bytes of the file at once.
std::string csvBytes(const ExportTable& table);

// The name typed in the save dialog, with ".csv" appended unless it already
// ends so, in any mix of letter case.
std::string csvFileName(std::string name);

}  // namespace listkit
