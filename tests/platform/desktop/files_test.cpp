#include "platform/desktop/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(WithExtension, AddedOnlyToANameWithoutOne) {
    struct Case {
        const char* path;
        const char* result;
    } cases[] = {
        {"/tmp/izvestaj", "/tmp/izvestaj.pdf"},
        {"/tmp/izvestaj.pdf", "/tmp/izvestaj.pdf"},
        {"/tmp/izvestaj.PDF", "/tmp/izvestaj.PDF"},
        {"/tmp/izvestaj.2026", "/tmp/izvestaj.2026"},   // an extension of the user's own
        {"/tmp/извештај", "/tmp/извештај.pdf"},
        {"/tmp/v1.0/izvestaj", "/tmp/v1.0/izvestaj.pdf"},  // a point in the folder is none
        {"/tmp/.pdf", "/tmp/.pdf.pdf"},                    // a hidden file's name has no extension
    };
    for (const Case& c : cases) EXPECT_EQ(desktop::withExtension(c.path, ".pdf"), c.result) << c.path;
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
}

TEST(WriteFile, WhatIsNoFileIsRefusedByNameAndLeftAlone) {
    testing_support::TempFolder folder;
    const std::string dir = folder.file("folder"), pipe = folder.file("pipe"), device = folder.file("device");
    fs::create_directory(dir);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink("/dev/null", device);  // a device, reached as the user may name it
    for (const std::string& target : {dir, pipe, device}) {
        EXPECT_EQ(desktop::writeFile(target, "x"), target + " не е обичен фајл (туку фолдер, уред или цевка): ништо не е запишано.");
        EXPECT_EQ(desktop::temporaryBeside(target), "") << target;
    }
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_symlink(device));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 3);
}

TEST(WriteFile, TheTargetTakenWhileWritingIsNotReplaced) {
    testing_support::TempFolder folder;
    const std::string target = folder.file("a.txt");
    {
        desktop::FileWriter writer(target);
        ASSERT_TRUE(writer.started());
        writer.write("x");
        ASSERT_EQ(::mkfifo(target.c_str(), 0600), 0);  // a pipe, which a rename would replace
        EXPECT_NE(writer.commit(), "");
    }
    EXPECT_TRUE(fs::is_fifo(target));
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

TEST(FileWriter, APlaceTakenAfterTheStartShowsBeforeTheCommitAndAFailedCommitCanKeepTheFile) {
    testing_support::TempFolder folder;
    const std::string target = folder.file("N1012261.ABC");
    std::string kept;
    {
        desktop::FileWriter file(target);
        file.write("complete");
        ASSERT_EQ(file.close(), "");
        EXPECT_EQ(file.placeable(), "");
        fs::create_directory(target);  // something else takes the name
        EXPECT_EQ(file.placeable(),
                  target + " не е обичен фајл (туку фолдер, уред или цевка): ништо не е запишано.");
        EXPECT_NE(file.commit(), "");
        kept = file.keep();
    }  // the writer gone, the kept file stays
    EXPECT_EQ(fs::path(kept).parent_path(), folder.path());
    EXPECT_EQ(contents(kept), "complete");
    EXPECT_TRUE(fs::is_directory(target));
}

TEST(FileWriter, StaleTemporaryFilesOfTheTargetGoWhenItIsWrittenAgain) {
    testing_support::TempFolder folder;
    const std::string target = folder.file("a.txt");
    // A process number that runs no process: the writer was killed.
    pid_t gone = 0;
    {
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ASSERT_GT(child, 0);
        ::waitpid(child, nullptr, 0);
        gone = child;
    }
    const std::string dead = std::to_string(gone), alive = std::to_string(::getppid());
    const struct {
        std::string name;
        bool stays;
    } beside[] = {
        {"a.txt.kasavel-" + dead + "-Ab12Cd", false},
        {"a.txt.kasavel-" + dead + "-zzzzzz", false},
        {"a.txt.kasavel-" + alive + "-Ab12Cd", true},  // its writer is still at work
        {"b.txt.kasavel-" + dead + "-Ab12Cd", true},   // another target's
        {"a.txt.kasavel-" + dead + "-Ab12C", true},    // not a name of ours
        {"a.txt.kasavel-x" + dead + "-Ab12Cd", true},
        {"a.txt.kasavel--Ab12Cd", true},
        {"a.txt.backup", true},
        {"a.txt.Ab12Cd", true},
    };
    for (const auto& file : beside) std::ofstream(folder.file(file.name)) << "partial";
    fs::create_directory(folder.file("a.txt.kasavel-" + dead + "-folder"));  // not a file: left alone
    for (const auto& write : std::vector<std::function<void()>>{
             [&] { EXPECT_EQ(desktop::writeFile(target, "whole"), ""); },
             [&] { EXPECT_EQ(desktop::renameInto(desktop::temporaryBeside(target), target), ""); }}) {
        write();
        for (const auto& file : beside) EXPECT_EQ(fs::exists(folder.file(file.name)), file.stays) << file.name;
        std::ofstream(folder.file(beside[0].name)) << "partial";  // killed again
    }
    EXPECT_TRUE(fs::is_directory(folder.file("a.txt.kasavel-" + dead + "-folder")));
}

TEST(TemporaryFolder, NamedEvenWhenItDoesNotExist) {
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    ::setenv("TMPDIR", "/nowhere/at/all", 1);
    EXPECT_EQ(desktop::temporaryFolder(), "/nowhere/at/all");
    ::setenv("TMPDIR", before.c_str(), 1);
}

}  // namespace
