#pragma once
// What a PDF reader reads in a file: poppler's pdftotext, run on it, as plain
// text and as words with their boxes.
#include <cstdio>
#include <string>
#include <vector>

namespace testing_support {

inline std::string runCommand(const std::string& command) {
    std::string out;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
    return out;
}

// The text of the pages in reading order, pages separated by form feeds.
inline std::string pdfText(const std::string& path) { return runCommand("pdftotext -layout '" + path + "' - 2>&1"); }

// What poppler says while it reads the text: its warnings and errors.
inline std::string pdfTextComplaints(const std::string& path) {
    return runCommand("pdftotext '" + path + "' /dev/null 2>&1");
}

// A word with its box in mm from the page's top-left corner.
struct PdfWord {
    std::string text;
    double left = 0, top = 0, right = 0, bottom = 0;
};

// The words of the file's pages, in the order the file gives them.
inline std::vector<PdfWord> pdfWords(const std::string& path) {
    const std::string html = runCommand("pdftotext -bbox '" + path + "' - 2>/dev/null");
    std::vector<PdfWord> words;
    constexpr double mmPerPoint = 25.4 / 72;
    for (std::size_t at = html.find("<word "); at != std::string::npos; at = html.find("<word ", at + 1)) {
        auto number = [&](const char* key) {
            const std::size_t k = html.find(std::string(key) + "=\"", at);
            return std::stod(html.substr(k + std::string(key).size() + 2)) * mmPerPoint;
        };
        const std::size_t open = html.find('>', at) + 1;
        words.push_back({html.substr(open, html.find("</word>", open) - open), number("xMin"), number("yMin"),
                         number("xMax"), number("yMax")});
    }
    return words;
}

}  // namespace testing_support
