#pragma once
// What a PDF reader makes of a file: poppler's pdfinfo, run on it.
#include <cstdio>
#include <string>

namespace testing_support {

struct PdfInfo {
    bool readable = false;  // pdfinfo opened it without an error
    int pages = 0;
    std::string pageSize;  // "841.89 x 595.276 pts (A4)"
};

inline PdfInfo pdfInfo(const std::string& path) {
    PdfInfo info;
    const std::string command = "pdfinfo '" + path + "' 2>&1; echo \"exit=$?\"";
    std::FILE* out = popen(command.c_str(), "r");
    if (!out) return info;
    char line[512];
    while (std::fgets(line, sizeof line, out)) {
        std::string l(line);
        if (!l.empty() && l.back() == '\n') l.pop_back();
        auto value = [&](const char* key) {
            const std::string rest = l.substr(std::string(key).size());
            return rest.substr(rest.find_first_not_of(' '));
        };
        if (l.rfind("Pages:", 0) == 0)
            info.pages = std::stoi(value("Pages:"));
        else if (l.rfind("Page size:", 0) == 0)
            info.pageSize = value("Page size:");
        else if (l == "exit=0")
            info.readable = true;
    }
    pclose(out);
    return info;
}

}  // namespace testing_support
