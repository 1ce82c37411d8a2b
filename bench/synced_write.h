#pragma once
// The baseline of a file written whole: its bytes by one fwrite to a
// temporary file beside it, synced to the disk and renamed into place, as the
// program's file writer leaves a file.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string_view>

namespace bench {

inline void writeSynced(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path temporary = path.string() + ".part";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fflush(f) != 0 ||
        ::fsync(::fileno(f)) != 0)
        std::perror("writeSynced");
    if (f) std::fclose(f);
    std::filesystem::rename(temporary, path);
}

}  // namespace bench
