#include "platform/desktop/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace desktop {

namespace {

// A temporary file beside a target is named after it: the target's name, this
// mark, the number of the process writing it, "-" and six characters of mkstemp.
constexpr std::string_view temporaryMark = ".kasavel-";

// Removes the temporary files beside `path` that a process no longer running
// left (killed while writing): writing the target again makes them useless.
// Those of running processes (a writer at work, a file kept for the user) stay.
void removeStaleTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string prefix = target.filename().string() + std::string(temporaryMark);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string_view::npos || rest.size() - dash - 1 != 6) continue;
        pid_t writer = 0;
        const auto [end, parsed] = std::from_chars(rest.data(), rest.data() + dash, writer);
        if (parsed != std::errc() || end != rest.data() + dash || writer <= 0) continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (entry.symlink_status(ignored).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(entry.path(), ignored);
    }
}

// Opens a new file beside `path` under a name of its own; -1 on failure.
int openBeside(const std::string& path, std::string& name) {
    removeStaleTemporaries(path);
    name = path + std::string(temporaryMark) + std::to_string(::getpid()) + "-XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return -1;
    // mkstemp makes the file private; a written file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}

// The file's bytes on the disk, not only in the system's cache: renamed into
// place before, a power cut could leave an empty file under the target's name.
std::string syncToDisk(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    return synced ? "" : std::strerror(error);
}

std::string notAFile(const std::string& path) { return path + " не е обичен фајл (туку фолдер, уред или цевка)"; }

}  // namespace

std::string refusedTarget(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) return "";
    return notAFile(path) + ": ништо не е запишано.";
}

int openForReading(const std::string& path, std::string& refusal) {
    // Without waiting: opening a pipe for reading would wait for its writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    refusal.clear();
    if (fd < 0) {
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) refusal = notAFile(path) + ".";
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        refusal = notAFile(path) + ".";
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string temporaryBeside(const std::string& path) {
    if (!refusedTarget(path).empty()) return "";
    std::string name;
    const int fd = openBeside(path, name);
    if (fd < 0) return "";
    ::close(fd);
    return name;
}

std::string renameInto(const std::string& temporary, const std::string& path) {
    // Something else may have taken the name while the file was written.
    if (std::string refused = refusedTarget(path); !refused.empty()) return refused;
    if (std::string unsynced = syncToDisk(temporary); !unsynced.empty()) return unsynced;
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    return ec ? ec.message() : "";
}

FileWriter::FileWriter(std::string path) : path_(std::move(path)), error_(refusedTarget(path_)) {
    if (!error_.empty()) return;
    std::string name;
    const int fd = openBeside(path_, name);
    if (fd < 0) {
        error_ = std::strerror(errno);
        return;
    }
    temporary_ = name;
    file_ = ::fdopen(fd, "wb");
    if (!file_) {
        error_ = std::strerror(errno);
        ::close(fd);
    }
}

FileWriter::~FileWriter() {
    if (file_) std::fclose(file_);
    if (!temporary_.empty()) {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }
}

void FileWriter::fail() {
    if (error_.empty()) error_ = std::strerror(errno ? errno : EIO);
}

bool FileWriter::write(std::string_view bytes) {
    if (!file_ || !error_.empty()) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) fail();
    return error_.empty();
}

std::string FileWriter::close() {
    if (file_) {
        if (error_.empty() && std::fflush(file_) != 0) fail();
        if (std::fclose(file_) != 0) fail();
        file_ = nullptr;
    }
    return error_;
}

std::string FileWriter::placeable() const {
    if (!error_.empty() || temporary_.empty()) return error_;
    if (std::string refused = refusedTarget(path_); !refused.empty()) return refused;
    const std::filesystem::path folder = std::filesystem::path(path_).parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return "";
}

std::string FileWriter::keep() {
    std::string kept;
    kept.swap(temporary_);
    return kept;
}

std::string FileWriter::commit() {
    if (!close().empty() || temporary_.empty()) return error_;
    if (error_ = renameInto(temporary_, path_); !error_.empty()) return error_;
    temporary_.clear();
    return "";
}

std::string temporaryFolder() {
    for (const char* name : {"TMPDIR", "TMP", "TEMP", "TEMPDIR"})
        if (const char* folder = std::getenv(name); folder && *folder) return folder;
    return "/tmp";
}

std::string writeFile(const std::string& path, std::string_view bytes) {
    FileWriter file(path);
    file.write(bytes);
    return file.commit();
}

std::string withExtension(const std::string& path, std::string_view extension) {
    const std::filesystem::path name = std::filesystem::path(path).filename();
    return name.empty() || name.has_extension() ? path : path + std::string(extension);
}

}  // namespace desktop
