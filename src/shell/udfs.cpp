#include "shell/udfs.h"

#include <filesystem>
#include <system_error>

#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {
bool leadingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && leadingSpace(text[begin])) ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

bool isBlank(std::string_view text) {
    for (char c : text)
        if (!leadingSpace(c)) return false;
    return true;
}

std::string DODAJ0(std::string_view text, int width) {
    std::string t = trimmed(text);
    if (static_cast<int>(t.size()) < width) t.insert(0, static_cast<std::size_t>(width) - t.size(), '0');
    return t;
}

bool VALIDENMESEC(std::string_view month) {
    const std::string m = trimmed(month.size() > 5 ? month.substr(5, 2) : std::string_view());
    return m >= "01" && m <= "12";
}

std::string MESODDAT(std::string_view yyyymmdd) {
    if (yyyymmdd.size() != 8) return "  .    ";
    return std::string(yyyymmdd.substr(4, 2)) + "." + std::string(yyyymmdd.substr(0, 4));
}

std::string MESUGOD(std::string_view month) {
    const auto part = [&](std::size_t from, std::size_t n) {
        return from < month.size() ? std::string(month.substr(from, n)) : std::string();
    };
    return part(3, 4) + "." + part(0, 2);
}

std::string CHKINTTOCH(long long n) { return n == 1 ? "v" : n == 0 ? " " : ""; }
bool CHKINTTOBOOL(long long n) { return n == 1; }
bool CHKCHTOBOOL(std::string_view tick) { return tick == "v"; }
int CHKBOOLTOINT(bool flag) { return flag ? 1 : 0; }
std::optional<bool> INTTOBOOL(long long n) {
    if (n == 1) return true;
    if (n == 0) return false;
    return std::nullopt;
}

void STATUSBARB(const std::string& window) { ui::Win(window).statusBar({vocab::CSTATUSITEM}); }

bool IMAFOLDER(std::string_view path) {
    std::error_code error;
    const std::filesystem::directory_iterator entries(std::filesystem::path(path), error);
    return !error && entries != std::filesystem::directory_iterator();
}

std::string FOLDERSOSLASH(std::string_view path) {
    std::string p(path);
    if (p.empty() || (p.back() != '/' && p.back() != '\\'))
        p += static_cast<char>(std::filesystem::path::preferred_separator);
    return p;
}

int NAPUNINIZIZAKOMBO(std::vector<std::string>& items, const ui::TextTable& rows, std::string_view id, bool first) {
    items.clear();
    int position = 1;
    for (std::size_t r = 0; r < rows.rows(); ++r) {
        std::string item = trimmed(rows.cell(r, 1));
        if (!isBlank(rows.cell(r, 2))) item += "-" + trimmed(rows.cell(r, 2));
        items.push_back(std::move(item));
        if (!first && rows.cell(r, 0) == id) position = static_cast<int>(r) + 1;
    }
    return position;
}

std::string comboId(const ui::TextTable& rows, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > rows.rows()) return {};
    return rows.at(static_cast<std::size_t>(position) - 1, 0);
}

}  // namespace shell
