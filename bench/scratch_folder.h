#pragma once
// A benchmark's folder of its own under the temporary folder, named by the
// benchmark and the process, removed with everything in it when it ends.
#include <unistd.h>

#include <filesystem>
#include <string>

namespace bench {

struct ScratchFolder {
    std::filesystem::path path;

    explicit ScratchFolder(const std::string& name)
        : path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
};

}  // namespace bench
