#include "gridreport/pdf_file.h"

#include <algorithm>
#include <cctype>

namespace gridreport {

std::optional<std::string> pdfFileName(std::string_view chosen) {
    // The dialog gives a whole path: the name is what follows its folder.
    const std::string_view name = chosen.substr(chosen.find_last_of('/') + 1);
    if (name.find_first_not_of(" \t\r\n") == std::string_view::npos) return std::nullopt;
    std::string path(chosen);
    std::string ending = path.substr(path.size() - std::min<std::size_t>(4, path.size()));
    std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ending != ".pdf") path += ".pdf";
    return path;
}

}  // namespace gridreport
