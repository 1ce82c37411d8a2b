#include "shell/udfs.h"

#include <filesystem>
#include <system_error>

#include "platform/desktop/desktop.h"
#include "platform/text/utf8.h"
#include "platform/ui/ui.h"
#include "shell/vocabulary.h"

namespace shell {

namespace {
bool leadingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string_view trimmedView(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && leadingSpace(text[begin])) ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return text.substr(begin, end - begin);
}

std::string trimmed(std::string_view text) { return std::string(trimmedView(text)); }

std::string_view trimmedName(std::string_view text) {
    std::string_view name = trimmedView(text);
    while (!name.empty() && leadingSpace(name.back())) name.remove_suffix(1);
    return name;
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

namespace {
// The text of a stored number among texts numbered from 1, and back.
std::string optionText(long long n, std::initializer_list<const std::string*> texts) {
    if (n < 1 || n > static_cast<long long>(texts.size())) return {};
    return *texts.begin()[n - 1];
}
int optionNumber(std::string_view text, std::initializer_list<const std::string*> texts) {
    int n = 0;
    for (const std::string* t : texts) {
        ++n;
        if (*t == text) return n;
    }
    return 0;
}
}  // namespace

std::string INTTOCHVII(long long n) { return optionText(n, {&COPTVLEZEN, &COPTIZLEZEN, &COPTINTEREN}); }
int CHTOINTVII(std::string_view text) { return optionNumber(text, {&COPTVLEZEN, &COPTIZLEZEN, &COPTINTEREN}); }
std::string INTTOROKOTSEPRESMETUVAOD(long long n) { return optionText(n, {&COPTODKREIRANJE, &COPTODZAKLUCUVANJE}); }
int ROKOTSEPRESMETUVAODTOINT(std::string_view text) {
    return optionNumber(text, {&COPTODKREIRANJE, &COPTODZAKLUCUVANJE});
}
std::string INTTONACINNACUVANJE(long long n) {
    return optionText(n, {&COPTIZDVOJUVA, &COPTDELIMICNO, &COPTTRAEN});
}
int NACINNACUVANJETOINT(std::string_view text) {
    return optionNumber(text, {&COPTIZDVOJUVA, &COPTDELIMICNO, &COPTTRAEN});
}

bool VALIDFAJLNAME(std::string_view name, std::string* refused) {
    constexpr std::string_view forbidden = "/\\:*\"<>|";  // the blank lies below 33
    for (std::string_view c : utf8::chars(name)) {
        // Every character of more than one byte lies above 122.
        const auto code = static_cast<unsigned char>(c[0]);
        if (c.size() > 1 || code < 33 || code > 122 || forbidden.find(c[0]) != std::string_view::npos) {
            if (refused) *refused = std::string(c);
            return false;
        }
    }
    return true;
}

void OTVORIFAJL(const std::string& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        ui::msgInfo(vocab::CPORNEPOSTOIFAJLFAJL, vocab::CPORGRESKA);
        return;
    }
    std::string refused;
    if (!VALIDFAJLNAME(std::filesystem::path(file).filename().string(), &refused)) {
        ui::msgInfo(vocab::CPORNEISPRAVNOIMENAFAJL + " " + refused, vocab::CPORGRESKA);
        return;
    }
    openOnDesktop(file);
}

void openOnDesktop(const std::string& target) {
    if (!desktop::open(target)) ui::msgInfo(vocab::CPORNEMOZEDASEOTVORI + target, vocab::CPORGRESKA);
}

std::string KREIRAJMASKA(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), '9'); }

void POSTAVILOKCODEPAGE() {}

}  // namespace shell
