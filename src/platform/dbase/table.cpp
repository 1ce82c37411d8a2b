#include "platform/dbase/table.h"

#include <shapefil.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>

namespace dbase {

namespace {

// shapelib's hooks take no context of their own; a table is opened and read
// on one thread, so the file being opened and the last error are kept per thread.
thread_local std::string openingPath;
thread_local std::string lastError;

// shapelib asks for "<name>.dbf", then "<name>.DBF", and for a code-page file
// "<name>.cpg" beside it. The table is the file the caller found, whatever the
// case of its name; the code page is not read, the bytes are taken as stored.
SAFile openHook(const char* filename, const char* access) {
    const std::string name(filename);
    if (name.size() < 4) return nullptr;
    std::string extension = name.substr(name.size() - 4);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension != ".dbf") return nullptr;
    return reinterpret_cast<SAFile>(std::fopen(openingPath.c_str(), access));
}

void errorHook(const char* message) { lastError = message; }

SAHooks hooks() {
    SAHooks h;
    SASetupDefaultHooks(&h);
    h.FOpen = openHook;
    h.Error = errorHook;
    return h;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The header's record count against the file: its records must end within the
// file, and no whole record may follow them (at most the end-of-file byte). A
// damaged count would otherwise read as fewer records, or none, without a word.
std::string countDamage(DBFHandle dbf) {
    const int fd = ::fileno(reinterpret_cast<std::FILE*>(dbf->fp));
    struct stat status {};
    if (::fstat(fd, &status) != 0) return "the file's size cannot be read";
    // The count as stored, all 32 bits: shapelib drops the top one.
    unsigned char stored[4] = {};
    if (::pread(fd, stored, sizeof stored, 4) != static_cast<::ssize_t>(sizeof stored)) return "the header cannot be read";
    const std::uint32_t count = stored[0] | stored[1] << 8 | stored[2] << 16 | static_cast<std::uint32_t>(stored[3]) << 24;
    if (count != static_cast<std::uint32_t>(dbf->nRecords)) return "the record count is damaged";
    const long long records = dbf->nRecords;
    const long long end = dbf->nHeaderLength + records * dbf->nRecordLength;
    const long long size = status.st_size;
    if (records < 0 || size < end) return "the header counts more records than the file holds";
    if (size - end >= std::max(dbf->nRecordLength, 2)) return "the file holds records that the header does not count";
    return "";
}

}  // namespace

struct Table::Handle {
    DBFHandle dbf = nullptr;
    std::vector<int> offsets;  // of each field in a record, after the flag byte
    ~Handle() {
        if (dbf) DBFClose(dbf);
    }
};

Table::Table(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
Table::Table(Table&&) noexcept = default;
Table& Table::operator=(Table&&) noexcept = default;
Table::~Table() = default;

std::optional<Table> Table::open(const std::string& path, std::string& error) {
    openingPath = path;
    lastError.clear();
    SAHooks h = hooks();
    auto handle = std::make_unique<Handle>();
    handle->dbf = DBFOpenLL(path.c_str(), "rb", &h);
    if (!handle->dbf) {
        error = lastError.empty() ? "the file cannot be opened" : lastError;
        return std::nullopt;
    }
    Table table(std::move(handle));
    DBFHandle dbf = table.handle_->dbf;
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        Field f;
        DBFGetFieldInfo(dbf, i, name, &f.width, &f.decimals);
        f.name = name;
        f.type = DBFGetNativeFieldType(dbf, i);
        const int offset = dbf->panFieldOffset[i];
        if (f.width <= 0 || offset < 1 || offset + f.width > dbf->nRecordLength) {
            error = "the description of field " + std::to_string(i + 1) + " is damaged";
            return std::nullopt;
        }
        table.handle_->offsets.push_back(offset);
        table.fields_.push_back(std::move(f));
    }
    if (std::string damage = countDamage(dbf); !damage.empty()) {
        error = std::move(damage);
        return std::nullopt;
    }
    return table;
}

int Table::fieldIndex(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (sameName(fields_[i].name, name)) return static_cast<int>(i);
    return -1;
}

int Table::recordCount() const { return DBFGetRecordCount(handle_->dbf); }

std::optional<Record> Table::read(int index, std::string& error) const {
    lastError.clear();
    const char* bytes = DBFReadTuple(handle_->dbf, index);
    if (!bytes) {
        error = lastError.empty() ? "the record cannot be read" : lastError;
        return std::nullopt;
    }
    if (bytes[0] != ' ' && bytes[0] != '*') {
        error = "the record's deleted flag is damaged";
        return std::nullopt;
    }
    Record record;
    record.deleted = bytes[0] == '*';
    record.values.reserve(fields_.size());
    for (std::size_t i = 0; i < fields_.size(); ++i)
        record.values.emplace_back(bytes + handle_->offsets[i], static_cast<std::size_t>(fields_[i].width));
    return record;
}

std::optional<std::string> dateText(std::string_view stored) {
    // Tools write an empty date as blanks or, as shapelib does, as zeros.
    if (stored.find_first_not_of(' ') == std::string_view::npos || stored == "00000000") return std::string();
    if (stored.size() != 8 || stored.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t length) {
        int n = 0;
        for (char c : stored.substr(at, length)) n = n * 10 + (c - '0');
        return n;
    };
    const std::chrono::year_month_day day{std::chrono::year{number(0, 4)},
                                          std::chrono::month{static_cast<unsigned>(number(4, 2))},
                                          std::chrono::day{static_cast<unsigned>(number(6, 2))}};
    if (!day.ok()) return std::nullopt;
    return std::string(stored);
}

}  // namespace dbase
