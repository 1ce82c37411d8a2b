#include "payments/payroll.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/dbase/table.h"
#include "shell/udfs.h"

namespace payments {

namespace {

struct Column {
    const char* name;
    char type;  // 'C' character, 'D' date
    std::string Employment::*value;
};

const Column COLUMNS[] = {
    {"MAT_RAB", 'C', &Employment::matRab},   {"IME_RAB", 'C', &Employment::imeRab},
    {"PRZ_RAB", 'C', &Employment::przRab},   {"ADR_RAB", 'C', &Employment::adrRab},
    {"OPS_RAB", 'C', &Employment::opsRab},   {"KART_RAB", 'C', &Employment::kartRab},
    {"POC_RAB", 'D', &Employment::pocRab},   {"KRAJ_RAB", 'D', &Employment::krajRab},
};

Payroll refused(std::string message) { return {{}, std::move(message)}; }

std::string place(std::size_t record, const char* field) {
    return "Во датотеката за работниците, записот " + std::to_string(record + 1) + ", полето " + field;
}

bool printableAscii(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

std::string lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

Payroll readPayroll(const std::string& path) {
    std::string error;
    const auto table = dbase::Table::open(path, error);
    if (!table) return refused("Датотеката за работниците не може да се отвори или е оштетена!\r\n" + path);
    int field[std::size(COLUMNS)];
    for (std::size_t c = 0; c < std::size(COLUMNS); ++c) {
        field[c] = table->fieldIndex(COLUMNS[c].name);
        if (field[c] < 0)
            return refused(std::string("Во датотеката за работниците недостасува полето ") + COLUMNS[c].name + "!");
        if (table->fields()[static_cast<std::size_t>(field[c])].type != COLUMNS[c].type)
            return refused(std::string("Во датотеката за работниците полето ") + COLUMNS[c].name +
                           (COLUMNS[c].type == 'D' ? " не е датум!" : " не е знаковно поле!"));
    }
    Payroll payroll;
    // The header's count is not trusted for memory: a damaged one fails at
    // the first record the file does not hold.
    const auto count = static_cast<std::size_t>(table->recordCount());
    for (std::size_t r = 0; r < count; ++r) {
        const auto record = table->read(static_cast<int>(r), error);
        if (!record)
            return refused("Датотеката за работниците е оштетена: записот " + std::to_string(r + 1) +
                           " не може да се прочита!");
        Employment& e = payroll.records.emplace_back();
        for (std::size_t c = 0; c < std::size(COLUMNS); ++c) {
            const std::string& stored = record->values[static_cast<std::size_t>(field[c])];
            if (COLUMNS[c].type == 'D') {
                const auto date = dbase::dateText(stored);
                if (!date) return refused(place(r, COLUMNS[c].name) + " не содржи важечки датум!");
                e.*COLUMNS[c].value = *date;
            } else {
                if (!printableAscii(stored))
                    return refused(place(r, COLUMNS[c].name) + " содржи знак што не е 7-битен ASCII знак!");
                e.*COLUMNS[c].value = stored;
            }
        }
    }
    std::stable_sort(payroll.records.begin(), payroll.records.end(),
                     [](const Employment& a, const Employment& b) { return a.matRab < b.matRab; });
    return payroll;
}

std::string payrollFile(const std::string& folder) {
    std::error_code error;
    std::vector<std::string> found;
    // Stepped with the error code: a folder that fails while it is read ends the search.
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code notAFile;
        if (lower(name) == "radnik.dbf" && it->is_regular_file(notAFile)) found.push_back(name);
    }
    if (found.empty()) return {};
    std::sort(found.begin(), found.end());
    const auto exact = std::find(found.begin(), found.end(), "Radnik.dbf");
    return shell::FOLDERSOSLASH(folder) + (exact != found.end() ? *exact : found.front());
}

std::string defaultPayrollFolder(const std::string& drives) {
    for (const char* drive : {"d", "e"})
        if (shell::IMAFOLDER(shell::FOLDERSOSLASH(drives) + drive)) return shell::FOLDERSOSLASH(drives) + drive + "/Rudan";
    return shell::FOLDERSOSLASH(drives) + "c/Rudan";
}

}  // namespace payments
