#pragma once
// Quoted texts as the scenario transcript writes and reads them:
// "..." with the escapes \" \\ \t \r \n.
#include <optional>
#include <string>
#include <string_view>

namespace ui {

std::string quote(std::string_view text);
// Reads a quoted text at the start of `in`; returns it and sets `rest` to what follows.
std::optional<std::string> unquote(std::string_view in, std::string_view* rest = nullptr);

}  // namespace ui
