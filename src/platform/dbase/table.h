#pragma once
// dBase tables, read only: the fields of the header and each record's bytes
// exactly as stored (character fields at their full width, blanks kept).
// Plain C++ over std::string; the file is closed when the Table goes.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbase {

struct Field {
    std::string name;  // as stored, upper case in tables of the usual tools
    char type = 'C';   // 'C' character, 'D' date, 'N' numeric, 'L' logical, ...
    int width = 0;     // bytes in a record
    int decimals = 0;
};

struct Record {
    bool deleted = false;             // flagged as deleted ('*')
    std::vector<std::string> values;  // one per field, the stored bytes
};

class Table {
public:
    // Opens the file at `path` for reading; nothing when it cannot be opened,
    // its header is not that of a dBase table, or the header's record count
    // disagrees with the file's size, with the reason in `error`.
    static std::optional<Table> open(const std::string& path, std::string& error);

    Table(Table&&) noexcept;
    Table& operator=(Table&&) noexcept;
    ~Table();

    const std::vector<Field>& fields() const { return fields_; }
    // The field of that name in any letter case; -1 when there is none.
    int fieldIndex(std::string_view name) const;
    int recordCount() const;

    // Record `index` (0-based); nothing when it cannot be read (a file cut
    // short, or a first byte that is neither the deleted nor the live flag),
    // with the reason in `error`.
    std::optional<Record> read(int index, std::string& error) const;

private:
    struct Handle;
    explicit Table(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> handle_;
    std::vector<Field> fields_;
};

// A date field's bytes as "yyyymmdd"; the empty text for an empty date (all
// blanks or all zeros); nothing when the bytes are no valid calendar date.
std::optional<std::string> dateText(std::string_view stored);

}  // namespace dbase
