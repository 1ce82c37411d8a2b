#pragma once
// The name of the PDF file the grid report writes. Plain C++, no window.
#include <optional>
#include <string>
#include <string_view>

namespace gridreport {

// The chosen path with ".pdf" added unless it ends so in any case; nothing
// when its file name is blank.
std::optional<std::string> pdfFileName(std::string_view chosen);

}  // namespace gridreport
