// Unit tests run with a Qt application on the offscreen platform, so that
// tests of the platform layer can create windows and controls.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/ui/application.h"

int main(int argc, char** argv) {
    // Tests run in parallel processes: each gets a temporary folder of its own.
    std::string folder = (std::filesystem::temp_directory_path() / "kasavel-test-XXXXXX").string();
    if (::mkdtemp(folder.data())) ::setenv("TMPDIR", folder.c_str(), 1);
    ui::Application application(argc, argv, true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
