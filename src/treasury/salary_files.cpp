#include "treasury/salary_files.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/desktop/files.h"
#include "platform/text/utf8.h"
#include "shell/vocabulary.h"
#include "treasury/amounts.h"

namespace treasury {

namespace {

// Editors that save UTF-8 may put these three bytes before the first line.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string> fieldsOf(std::string_view line) {
    std::vector<std::string> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(';', start);
        fields.emplace_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

// Lines out of text that comes in pieces. A line is handed on once its end
// is known: a CR waits for the two bytes that may make it CR LF or CR CR LF.
class LineSplitter {
public:
    // `take` gets each line's text and returns false to stop the reading.
    explicit LineSplitter(std::function<bool(std::string_view)> take) : take_(std::move(take)) {}

    // False once the reading has stopped: `take` refused, or a line grew
    // longer than maxSalaryLineBytes (then tooLong()).
    bool feed(std::string_view piece) {
        pending_ += piece;
        return split(false);
    }
    bool finish() { return split(true); }
    bool tooLong() const { return tooLong_; }

private:
    bool split(bool last) {
        if (!stopped_ && !bomChecked_ && (pending_.size() >= byteOrderMark.size() || last)) {
            if (std::string_view(pending_).starts_with(byteOrderMark)) pending_.erase(0, byteOrderMark.size());
            bomChecked_ = true;
        }
        std::size_t start = 0;
        while (!stopped_ && bomChecked_) {
            const std::size_t end = pending_.find_first_of("\r\n", start);
            if (end == std::string::npos) {
                if (!last) break;
                if (start < pending_.size()) hand(std::string_view(pending_).substr(start));
                start = pending_.size();
                break;
            }
            if (pending_[end] == '\r' && end + 2 >= pending_.size() && !last) break;
            hand(std::string_view(pending_).substr(start, end - start));
            start = end + lineEndLength(pending_, end);
        }
        pending_.erase(0, std::min(start, pending_.size()));
        // What waits is the line's text and perhaps the CR that ends it:
        // only the text counts, wherever the piece ended.
        if (!stopped_ && std::min(pending_.find_first_of("\r\n"), pending_.size()) > maxSalaryLineBytes) {
            tooLong_ = true;
            stopped_ = true;
        }
        return !stopped_;
    }

    void hand(std::string_view line) {
        if (line.size() > maxSalaryLineBytes) {
            tooLong_ = true;
            stopped_ = true;
        } else if (!take_(line)) {
            stopped_ = true;
        }
    }

    // The length of the line end at `at`: CR CR LF, CR LF, LF or CR.
    static std::size_t lineEndLength(std::string_view text, std::size_t at) {
        if (text[at] == '\n') return 1;
        if (text.substr(at, 3) == "\r\r\n") return 3;
        if (text.substr(at, 2) == "\r\n") return 2;
        return 1;
    }

    std::function<bool(std::string_view)> take_;
    std::string pending_;  // the bytes of lines not yet ended
    bool bomChecked_ = false, stopped_ = false, tooLong_ = false;
};

const std::string lineTooLong =
    "Редот е подолг од " + std::to_string(maxSalaryLineBytes) + " бајти: ова не е фајл за плата! Ред број: ";

}  // namespace

SalaryLines splitSalaryLines(std::string_view content) {
    SalaryLines lines;
    LineSplitter splitter([&](std::string_view line) {
        lines.push_back(fieldsOf(line));
        return true;
    });
    splitter.feed(content);
    splitter.finish();
    return lines;
}

SalaryRead MAKEARRY(const std::string& path, const SalaryLineCheck& check) {
    std::string notAFile;
    const int fd = desktop::openForReading(path, notAFile);
    if (fd < 0) return {{}, notAFile.empty() ? vocab::CPORNEMOZEPROCITAFAJL + path : notAFile};
    SalaryRead read;
    const auto refuse = [&](const std::string& message) {
        read.refusal = message + std::to_string(read.lines.size() + 1) + "\r\n" + path;
    };
    LineSplitter splitter([&](std::string_view line) {
        std::vector<std::string> fields = fieldsOf(line);
        if (check) {
            if (const auto refused = check(fields, read.lines.size())) {
                refuse(*refused);
                return false;
            }
        }
        read.lines.push_back(std::move(fields));
        return true;
    });
    std::vector<char> buffer(1 << 16);
    for (bool more = true; more;) {
        const ::ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) read.refusal = vocab::CPORNEMOZEPROCITAFAJL + path;
        more = got > 0 && splitter.feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
        if (got == 0) splitter.finish();
    }
    ::close(fd);
    if (splitter.tooLong()) refuse(lineTooLong);
    if (read.refusal) read.lines.clear();
    return read;
}

std::optional<std::int64_t> salaryAmount(std::string_view field) {
    if (utf8::trimBlanks(field).starts_with('-')) return std::nullopt;
    return parseCents(field);
}

}  // namespace treasury
