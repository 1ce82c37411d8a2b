#include "platform/desktop/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>

#include <sys/resource.h>
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

// A file larger than the writer holds before the system takes it, and than
// the system holds before its disk is started on it, in pieces of no round size.
TEST(FileWriter, ALargeFileArrivesWholeAndOneTheSystemStopsTakingFails) {
    testing_support::TempFolder folder;
    std::string bytes(20'000'000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>('a' + i * 7919 % 26);
    const auto writeAll = [&](desktop::FileWriter& file) {
        constexpr std::size_t piece = 65'537;
        bool accepted = true;
        for (std::size_t at = 0; at < bytes.size() && accepted; at += piece)
            accepted = file.write(std::string_view(bytes).substr(at, piece));
        return accepted;
    };
    {
        desktop::FileWriter file(folder.file("whole.xml"));
        EXPECT_TRUE(writeAll(file));
        EXPECT_EQ(file.commit(), "");
        EXPECT_EQ(contents(folder.file("whole.xml")), bytes);
    }
    // The system stops taking the file at 3 MB (the limit of a file's size
    // for this process, its signal ignored so that the write fails instead).
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit before = limit;
    limit.rlim_cur = 3'000'000;
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    bool accepted = true;
    std::string reason;
    {
        desktop::FileWriter file(folder.file("cut.xml"));
        accepted = writeAll(file);
        reason = file.commit();
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signalBefore);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(reason, std::strerror(EFBIG));
    EXPECT_FALSE(fs::exists(folder.file("cut.xml")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
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

// A process number that runs no process: its writer was killed.
pid_t goneProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileWriter, StaleTemporaryFilesGoWhenAFileIsWrittenInTheirFolder) {
    testing_support::TempFolder folder;
    const std::string target = folder.file("a.txt");
    const std::string dead = std::to_string(goneProcess()), alive = std::to_string(::getppid());
    const struct {
        std::string name;
        bool stays;
    } beside[] = {
        {".kasavel-" + dead + "-Ab12Cd", false},
        {".kasavel-" + dead + "-zzzzzz", false},
        {".kasavel-" + alive + "-Ab12Cd", true},  // its writer is still at work
        {".kasavel-" + dead + "-Ab12C", true},    // not a name of ours
        {".kasavel-x" + dead + "-Ab12Cd", true},
        {".kasavel--Ab12Cd", true},
        {"a.txt.kasavel-" + dead + "-Ab12Cd", true},
        {"a.txt.задржан", true},  // set aside: its work may stand
        {"a.txt.backup", true},
    };
    for (const auto& file : beside) std::ofstream(folder.file(file.name)) << "partial";
    fs::create_directory(folder.file(".kasavel-" + dead + "-folder"));  // not a file: left alone
    for (const auto& write : std::vector<std::function<void()>>{
             [&] { EXPECT_EQ(desktop::writeFile(target, "whole"), ""); },
             [&] { EXPECT_EQ(desktop::renameInto(desktop::temporaryBeside(folder.file("b.txt")), target), ""); }}) {
        write();
        for (const auto& file : beside) EXPECT_EQ(fs::exists(folder.file(file.name)), file.stays) << file.name;
        std::ofstream(folder.file(beside[0].name)) << "partial";  // killed again
    }
    EXPECT_TRUE(fs::is_directory(folder.file(".kasavel-" + dead + "-folder")));
}

// A writer killed at each step: before its file is set aside nothing it did
// was committed and the file goes with the next write; once set aside (the
// work committed or about to be) the file stays whole under its own name.
TEST(FileWriter, AKilledWritersFileStaysOnceSetAside) {
    for (const bool setAside : {false, true}) {
        SCOPED_TRACE(setAside);
        testing_support::TempFolder folder;
        const std::string target = folder.file("N1012261.ABC");
        const pid_t child = ::fork();
        if (child == 0) {
            desktop::FileWriter file(target);
            file.write("complete");
            const bool ready = file.close().empty() && (!setAside || file.setAside().empty());
            ::_exit(ready ? 9 : 1);  // no destructor runs, as after a kill
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_EQ(WEXITSTATUS(status), 9);
        ASSERT_EQ(namesIn(folder.path()).size(), 1u);
        EXPECT_EQ(desktop::writeFile(target, "next batch"), "");
        const auto names = namesIn(folder.path());
        using Names = std::vector<std::string>;
        const Names expected = setAside ? Names{"N1012261.ABC", "N1012261.ABC.задржан"} : Names{"N1012261.ABC"};
        EXPECT_EQ(names, expected);
        if (setAside) EXPECT_EQ(contents(folder.file("N1012261.ABC.задржан")), "complete");
    }
}

TEST(FileWriter, SetAsideFilesTakeTheirTargetsNameAndANumberOnceTaken) {
    testing_support::TempFolder folder;
    const std::string target = folder.file("N1012261.ABC");
    std::vector<std::string> kept;
    for (const char* bytes : {"first", "second"}) {
        desktop::FileWriter file(target);
        file.write(bytes);
        ASSERT_EQ(file.setAside(), "");
        fs::create_directory(target);  // the rename fails after the work
        EXPECT_NE(file.commit(), "");
        kept.push_back(file.keep());
        fs::remove(target);
    }
    EXPECT_EQ(kept, (std::vector<std::string>{folder.file("N1012261.ABC.задржан"), folder.file("N1012261.ABC.задржан-2")}));
    EXPECT_EQ(contents(kept[0]), "first");
    EXPECT_EQ(contents(kept[1]), "second");
    // Each one takes its target's name from what a new file may be called.
    std::vector<std::string> taken = desktop::takenNames(folder.path().string());
    std::sort(taken.begin(), taken.end());
    EXPECT_EQ(taken, (std::vector<std::string>{"N1012261.ABC", "N1012261.ABC", "N1012261.ABC.задржан",
                                               "N1012261.ABC.задржан-2"}));
    // Set aside, a file whose work failed goes like a temporary one.
    {
        desktop::FileWriter file(target);
        file.write("work refused");
        ASSERT_EQ(file.setAside(), "");
    }
    EXPECT_EQ(namesIn(folder.path()).size(), 2u);
}

TEST(KeptFor, OnlyTheSetAsideNamesStandForATarget) {
    const struct {
        const char* name;
        std::optional<std::string> target;
    } cases[] = {
        {"N1012261.ABC.задржан", "N1012261.ABC"},
        {"N1012261.ABC.задржан-12", "N1012261.ABC"},
        {"a.задржан.задржан", "a.задржан"},
        {".задржан", std::nullopt},
        {"N1012261.ABC.задржан-", std::nullopt},
        {"N1012261.ABC.задржан-02", std::nullopt},
        {"N1012261.ABC.задржан-2x", std::nullopt},
        {"N1012261.ABC.задржанx", std::nullopt},
        {"N1012261.ABC", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(desktop::keptFor(c.name), c.target) << c.name;
}

// Every name the file system takes can be written and set aside: the
// temporary name is short, and the set-aside one gives up the end of a
// long name, a whole character at a time.
TEST(FileWriter, TheLongestNameIsWrittenAndSetAside) {
    testing_support::TempFolder folder;
    std::string longest(253, 'a');
    longest += "ж";  // 255 bytes, its last character two of them
    ASSERT_EQ(longest.size(), 255u);
    EXPECT_EQ(desktop::writeFile(folder.file(longest), "whole"), "");
    EXPECT_EQ(contents(folder.file(longest)), "whole");
    desktop::FileWriter file(folder.file(longest));
    file.write("kept");
    ASSERT_EQ(file.setAside(), "");
    const std::string kept = file.keep();
    EXPECT_EQ(fs::path(kept).filename().string(), std::string(255 - 15, 'a') + ".задржан");
    EXPECT_EQ(contents(kept), "kept");
    EXPECT_EQ(desktop::writeFile(folder.file(longest + "b"), "x"), "File name too long");
}

TEST(Presence, TellsWhatStandsOrWhyItCannotBeTold) {
    testing_support::TempFolder folder;
    const std::string file = folder.file("a.txt"), loop = folder.file("loop"), tooLong = folder.file(std::string(256, 'a'));
    std::ofstream(file) << "x";
    fs::create_symlink("loop", loop);
    const struct {
        std::string path;
        bool exists;
        std::string failure;
    } cases[] = {
        {file, true, ""},
        {folder.file("missing"), false, ""},
        {folder.file("missing/a.txt"), false, ""},
        {loop, false, loop + ": Too many levels of symbolic links"},
        {loop + "/a.txt", false, loop + "/a.txt: Too many levels of symbolic links"},
        {tooLong, false, tooLong + ": File name too long"},
        {file + "/a.txt", false, file + "/a.txt: Not a directory"},
    };
    for (const auto& c : cases) {
        const desktop::Presence p = desktop::presence(c.path);
        EXPECT_EQ(p.exists, c.exists) << c.path;
        EXPECT_EQ(p.failure, c.failure) << c.path;
    }
}

TEST(TemporaryFolder, NamedEvenWhenItDoesNotExist) {
    const char* saved = std::getenv("TMPDIR");
    const std::string before = saved ? saved : "";
    ::setenv("TMPDIR", "/nowhere/at/all", 1);
    EXPECT_EQ(desktop::temporaryFolder(), "/nowhere/at/all");
    ::setenv("TMPDIR", before.c_str(), 1);
}

}  // namespace
