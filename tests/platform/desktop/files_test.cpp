#include "platform/desktop/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(WriteFile, WritesTheBytesAndReplacesAnOldFile) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("a.txt");
    EXPECT_EQ(desktop::writeFile(path, std::string("one\r\ntwo\0", 9)), "");
    EXPECT_EQ(contents(path), std::string("one\r\ntwo\0", 9));
    EXPECT_EQ(desktop::writeFile(path, "new"), "");
    EXPECT_EQ(contents(path), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(WriteFile, FailureGivesTheReasonAndLeavesNothing) {
    testing_support::TempFolder folder;
    // A missing folder: nothing can be created.
    EXPECT_EQ(desktop::writeFile(folder.file("missing/a.txt"), "x"), "No such file or directory");
    // A folder stands where the file should go: the old folder stays, no temporary is left.
    fs::create_directory(folder.file("taken"));
    EXPECT_NE(desktop::writeFile(folder.file("taken"), "x"), "");
    EXPECT_TRUE(fs::is_directory(folder.file("taken")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(FileWriter, ClosedFileWaitsUnderItsTemporaryNameUntilCommit) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("a.txt");
    std::ofstream(path) << "old";
    const auto count = [&] { return std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()); };
    {
        desktop::FileWriter file(path);
        file.write("new");
        EXPECT_EQ(file.close(), "");
        EXPECT_EQ(contents(path), "old");
        EXPECT_EQ(count(), 2);  // the old file and the complete temporary one
        EXPECT_EQ(file.commit(), "");
        EXPECT_EQ(contents(path), "new");
        EXPECT_EQ(count(), 1);
    }
    {
        desktop::FileWriter file(path);
        file.write("dropped");
        EXPECT_EQ(file.close(), "");
    }  // dropped after close without a commit: the temporary file goes, the old one stays
    EXPECT_EQ(contents(path), "new");
    EXPECT_EQ(count(), 1);
}

}  // namespace
