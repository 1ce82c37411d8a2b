#include "platform/ini/ini_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop/files.h"
#include "platform/text/utf8.h"

namespace ini {

namespace {

constexpr std::string_view bom = "\xFF\xFE";

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The section name of a header line "[name]", or nothing.
std::optional<std::string_view> headerName(std::string_view line) {
    const std::string_view t = trimmed(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']') return std::nullopt;
    return trimmed(t.substr(1, t.size() - 2));
}

std::string fromUtf16(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = static_cast<unsigned char>(bytes[i + 2]) | static_cast<unsigned char>(bytes[i + 3]) << 8;
            if (low >= 0xDC00 && low < 0xE000) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        utf8::append(out, unit);
    }
    return out;
}

void appendUnit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

std::string toUtf16(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = n == 1 ? lead : n == 2 ? lead & 0x1F : n == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k) c = c << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += n;
        if (c >= 0x10000) {
            appendUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            appendUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            appendUnit(out, c);
        }
    }
    return out;
}

}  // namespace

File::File(std::string_view bytes) {
    std::string text;
    if (bytes.empty() || bytes.starts_with(bom)) {
        text = fromUtf16(bytes.substr(std::min(bytes.size(), bom.size())));
    } else {
        utf16_ = false;
        text = bytes;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

std::size_t File::sectionLine(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (const auto name = headerName(lines_[i]); name && sameName(*name, section)) return i;
    return lines_.size();
}

std::size_t File::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !headerName(lines_[i])) ++i;
    return i;
}

bool File::hasSection(std::string_view section) const { return sectionLine(section) < lines_.size(); }

std::optional<std::string> File::read(std::string_view section, std::string_view key) const {
    const std::size_t header = sectionLine(section);
    if (header == lines_.size()) return std::nullopt;
    for (std::size_t i = header + 1, end = sectionEnd(header); i < end; ++i) {
        const std::string& line = lines_[i];
        const auto eq = line.find('=');
        if (eq != std::string::npos && sameName(trimmed(std::string_view(line).substr(0, eq)), key))
            return line.substr(eq + 1);
    }
    return std::nullopt;
}

void File::write(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(key) + "=" + std::string(value);
    std::size_t header = sectionLine(section);
    if (header == lines_.size()) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(entry);
        return;
    }
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto eq = lines_[i].find('=');
        if (eq != std::string::npos && sameName(trimmed(std::string_view(lines_[i]).substr(0, eq)), key)) {
            lines_[i] = entry;
            return;
        }
    }
    // After the section's last entry, before any blank lines that close it.
    std::size_t at = end;
    while (at > header + 1 && trimmed(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entry);
}

void File::removeSection(std::string_view section) {
    const std::size_t header = sectionLine(section);
    if (header == lines_.size()) return;
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                 lines_.begin() + static_cast<std::ptrdiff_t>(sectionEnd(header)));
}

std::string File::bytes() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return utf16_ ? std::string(bom) + toUtf16(text) : text;
}

std::optional<File> load(const std::string& path, int& error) {
    error = 0;
    struct stat entry {};
    if (::stat(path.c_str(), &entry) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::nullopt;
        error = errno;
        return std::nullopt;
    }
    // Only a regular file is read: a folder or a device of that name is an
    // error, and a pipe is never opened, so nothing waits for a writer.
    if (!S_ISREG(entry.st_mode)) {
        error = S_ISDIR(entry.st_mode) ? EISDIR : EINVAL;
        return std::nullopt;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return std::nullopt;
    }
    std::string bytes;
    if (::fstat(fd, &entry) != 0 || !S_ISREG(entry.st_mode)) {
        error = EINVAL;
    } else {
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes.append(buffer, static_cast<std::size_t>(n));
            } else if (n == 0) {
                break;
            } else if (errno != EINTR) {
                error = errno;
                break;
            }
        }
    }
    ::close(fd);
    if (error != 0) return std::nullopt;
    return File(bytes);
}

std::string save(const File& file, const std::string& path) {
    desktop::FileWriter writer(path);
    writer.write(file.bytes());
    return writer.commit();
}

}  // namespace ini
