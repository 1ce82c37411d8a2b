#include "platform/desktop/files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/text/utf8.h"

namespace desktop {

namespace {

// A temporary file is named ".kasavel-", the number of the process writing it,
// "-" and six characters of mkstemp: short, so that beside a target of the
// longest name the system takes it still fits, and hidden.
constexpr std::string_view temporaryMark = ".kasavel-";
// A complete file set aside under its target's name and this mark (numbered
// when taken), which no cleanup removes.
constexpr std::string_view keptMark = ".задржан";

// What a file writer holds before the system takes it, and how much the
// system holds before its disk is started on it: a large file's writing to
// the disk goes on while the rest is made, and the sync at close waits for
// little more than the last piece.
constexpr std::size_t bufferSize = std::size_t(1) << 20, writebackStep = std::size_t(8) << 20;

std::filesystem::path folderOf(const std::string& path) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? "." : folder;
}

// The process number of a temporary file's name, or 0 for any other name.
pid_t writerOf(std::string_view name) {
    if (!name.starts_with(temporaryMark)) return 0;
    const std::string_view rest = name.substr(temporaryMark.size());
    const std::size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || rest.size() - dash - 1 != 6) return 0;
    pid_t writer = 0;
    const auto [end, parsed] = std::from_chars(rest.data(), rest.data() + dash, writer);
    return parsed == std::errc() && end == rest.data() + dash && writer > 0 ? writer : 0;
}

// Removes the temporary files in `folder` that a process no longer running
// left (killed while writing). A file whose work was committed never carries
// such a name (it is set aside first), so none of them is wanted. Those of
// running processes (a writer at work) stay.
void removeStaleTemporaries(const std::filesystem::path& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t writer = writerOf(it->path().filename().native());
        if (writer == 0 || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
        std::error_code ignored;
        if (it->symlink_status(ignored).type() == std::filesystem::file_type::regular)
            std::filesystem::remove(it->path(), ignored);
    }
}

// Opens a new file beside `path` under a name of its own; -1 on failure.
int openBeside(const std::string& path, std::string& name) {
    const std::filesystem::path folder = folderOf(path);
    removeStaleTemporaries(folder);
    name = (folder / (std::string(temporaryMark) + std::to_string(::getpid()) + "-XXXXXX")).string();
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
std::string syncToDisk(const std::string& path, int flags = O_RDONLY) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    const bool synced = ::fsync(fd) == 0 || (errno == EINVAL && (flags & O_DIRECTORY));
    const int error = errno;
    ::close(fd);
    return synced ? "" : std::strerror(error);
}

// The folder's entries on the disk, so that a name given survives a power cut;
// a folder whose file system cannot sync folders counts as synced.
std::string syncFolder(const std::string& path) { return syncToDisk(folderOf(path).string(), O_RDONLY | O_DIRECTORY); }

// Renames `from` to `to` unless something stands there already; the system's
// reason when it fails (EEXIST when the name is taken).
int renameIfFree(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    // A file system without the exclusive rename: looked at first.
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// The longest name the folder of `path` takes.
std::size_t longestName(const std::string& path) {
    const long most = ::pathconf(folderOf(path).c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<std::size_t>(most) : 255;
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
    if (::rename(temporary.c_str(), path.c_str()) != 0) return std::strerror(errno);
    // The file is in place either way; a folder that cannot be synced changes nothing of that.
    syncFolder(path);
    return "";
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
        return;
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(bufferSize);
    std::setvbuf(file_, buffer_.get(), _IOFBF, bufferSize);
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
    written_ += bytes.size();
    if (written_ - writebackStarted_ >= writebackStep) startWriteback();
    return error_.empty();
}

void FileWriter::startWriteback() {
    if (!error_.empty()) return;
    if (std::fflush(file_) != 0) return fail();
    // Only a start, whose outcome the sync at close reports: a system that
    // cannot start it early writes the bytes then.
    ::sync_file_range(::fileno(file_), static_cast<off_t>(writebackStarted_),
                      static_cast<off_t>(written_ - writebackStarted_), SYNC_FILE_RANGE_WRITE);
    writebackStarted_ = written_;
}

std::string FileWriter::close() {
    if (file_) {
        if (error_.empty() && std::fflush(file_) != 0) fail();
        // On the disk before a caller builds on it (a commit of what it records).
        if (error_.empty() && ::fsync(::fileno(file_)) != 0) fail();
        if (std::fclose(file_) != 0) fail();
        file_ = nullptr;
        buffer_.reset();
    }
    return error_;
}

std::string FileWriter::placeable() const {
    if (!error_.empty() || temporary_.empty()) return error_;
    if (std::string refused = refusedTarget(path_); !refused.empty()) return refused;
    if (::access(folderOf(path_).c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return "";
}

std::string FileWriter::setAside() {
    if (!close().empty() || temporary_.empty()) return error_;
    const std::filesystem::path target(path_);
    const std::string name = target.filename().string();
    const std::size_t longest = longestName(path_);
    for (int n = 1; n <= 999; ++n) {
        const std::string mark = std::string(keptMark) + (n > 1 ? "-" + std::to_string(n) : "");
        if (mark.size() >= longest) break;
        // A name that the mark would make too long gives up its end, a whole character at a time.
        const std::string_view stem = utf8::cutBytes(name, longest - mark.size());
        const std::string kept = std::filesystem::path(target).replace_filename(std::string(stem) + mark);
        const int failed = renameIfFree(temporary_, kept);
        if (failed == EEXIST) continue;
        if (failed != 0) return error_ = std::strerror(failed);
        temporary_ = kept;
        return error_ = syncFolder(kept);
    }
    return error_ = std::strerror(EEXIST);
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

std::optional<std::string> keptFor(std::string_view name) {
    const std::size_t at = name.rfind(keptMark);
    if (at == 0 || at == std::string_view::npos) return std::nullopt;
    const std::string_view number = name.substr(at + keptMark.size());
    const bool numbered = number.size() > 1 && number[0] == '-' && number[1] != '0' &&
                          number.find_first_not_of("0123456789", 1) == std::string_view::npos;
    if (!number.empty() && !numbered) return std::nullopt;
    return std::string(name.substr(0, at));
}

std::vector<std::string> takenNames(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
        if (auto target = keptFor(names.back())) names.push_back(std::move(*target));
    }
    return names;
}

Presence presence(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) return {.exists = true};
    if (errno == ENOENT) return {};
    return {.failure = path + ": " + std::strerror(errno)};
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
