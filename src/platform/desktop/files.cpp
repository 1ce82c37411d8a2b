#include "platform/desktop/files.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace desktop {

std::string writeFile(const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".tmp";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f) return std::strerror(errno);
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fflush(f) == 0;
    int error = ok ? 0 : errno;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = errno;
    }
    std::error_code ec;
    if (ok) {
        std::filesystem::rename(temporary, path, ec);
        if (!ec) return "";
    }
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return ok ? ec.message() : std::strerror(error);
}

}  // namespace desktop
