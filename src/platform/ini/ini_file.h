#pragma once
// INI files: sections in square brackets, key=value lines ending in CR LF.
// A file that starts with the bytes FF FE holds its text in UTF-16LE and is
// written back so; a new file is created that way. Section and key names are
// found without regard to (ASCII) case. Plain C++ over UTF-8 std::string.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

class File {
public:
    // The contents of `bytes` as stored in a file (UTF-16LE after FF FE, else
    // taken as UTF-8); empty bytes make a new UTF-16LE file.
    explicit File(std::string_view bytes = {});

    // The value after "=", as written; nothing when the section or key is missing.
    std::optional<std::string> read(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    // Replaces the key's value, or adds the key at the end of its section, or
    // the section at the end of the file.
    void write(std::string_view section, std::string_view key, std::string_view value);
    void removeSection(std::string_view section);

    // The file's bytes in its own encoding.
    std::string bytes() const;

private:
    // The section header line of `section`, or lines_.size().
    std::size_t sectionLine(std::string_view section) const;
    // The line after the section's last line.
    std::size_t sectionEnd(std::size_t header) const;

    bool utf16_ = true;
    std::vector<std::string> lines_;  // UTF-8, without line ends
};

// Reads the file at `path`: nothing when it does not exist, or when it cannot
// be read, then `error` gets the system's error number (else 0). Only a regular
// file is read: a folder (EISDIR) or a pipe or device (EINVAL) of that name is
// an error, and nothing waits on a pipe.
std::optional<File> load(const std::string& path, int& error);
// Writes the file under a temporary name beside `path` and renames it into
// place; the system's reason when that fails, empty when done.
std::string save(const File& file, const std::string& path);

}  // namespace ini
