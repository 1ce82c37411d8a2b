// Unit tests run with a Qt application on the offscreen platform, so that
// tests of the platform layer can create windows and controls.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "platform/ui/application.h"

namespace {

// Every test leaves the current folder where it found it: the tests run in one
// process in any order, and a folder left behind (perhaps deleted) would make
// later tests fail for no fault of theirs. A test that does not is reported,
// the folder is restored and the run fails.
class CurrentFolderKept : public ::testing::EmptyTestEventListener {
public:
    bool broken = false;

private:
    void OnTestStart(const ::testing::TestInfo&) override { start_ = std::filesystem::current_path(); }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        std::error_code ec;
        const auto now = std::filesystem::current_path(ec);
        if (!ec && now == start_) return;
        std::cerr << test.test_suite_name() << "." << test.name() << " left the current folder at "
                  << (ec ? "a deleted folder" : now.string()) << "\n";
        broken = true;
        std::filesystem::current_path(start_);
    }
    std::filesystem::path start_;
};

}  // namespace

int main(int argc, char** argv) {
    // Tests run in parallel processes: each gets a temporary folder of its own.
    std::string folder = (std::filesystem::temp_directory_path() / "kasavel-test-XXXXXX").string();
    if (::mkdtemp(folder.data())) ::setenv("TMPDIR", folder.c_str(), 1);
    ui::Application application(argc, argv, true);
    ::testing::InitGoogleTest(&argc, argv);
    auto* kept = new CurrentFolderKept;  // owned by the listener list
    ::testing::UnitTest::GetInstance()->listeners().Append(kept);
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return kept->broken ? 1 : result;
}
