#pragma once
// Texts as the scenario transcript writes and reads them. Inside a quoted text
// and inside a grid cell, backslash and every control character are escaped
// (\t \r \n, \xHH for the others), so that a text never splits or shifts a
// transcript line; a quoted text "..." escapes its double quotes too.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

std::string quote(std::string_view text);
// The text of a grid cell, unquoted: only backslash and control characters escaped.
std::string escapeCell(std::string_view text);
// Reads a quoted text at the start of `in`; returns it and sets `rest` to what follows.
std::optional<std::string> unquote(std::string_view in, std::string_view* rest = nullptr);

}  // namespace ui
