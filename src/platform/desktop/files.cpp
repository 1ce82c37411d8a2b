#include "platform/desktop/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace desktop {

namespace {
// Opens a new file beside `path` under a name of its own; -1 on failure.
int openBeside(const std::string& path, std::string& name) {
    name = path + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return -1;
    // mkstemp makes the file private; a written file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    return fd;
}
}  // namespace

std::string refusedTarget(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) return "";
    return path + " не е обичен фајл (туку фолдер, уред или цевка): ништо не е запишано.";
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
