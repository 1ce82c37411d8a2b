// INI files to the byte: UTF-16LE after FF FE, CR LF lines, case-blind names,
// keys replaced in place or added at the end of their section.
#include "platform/ini/ini_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include <functional>

#include "support/temp_folder.h"

namespace {

std::string utf16(std::string_view ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) out += std::string{c, '\0'};
    return out;
}

TEST(IniFile, NewFileIsUtf16WithBom) {
    ini::File f;
    f.write("frmA_grdA", "controlname", "frmA_grdA");
    f.write("frmA_grdA", "k", "v");
    EXPECT_EQ(f.bytes(), utf16("[frmA_grdA]\r\ncontrolname=frmA_grdA\r\nk=v\r\n"));
}

TEST(IniFile, CyrillicTextRoundTripsThroughUtf16) {
    ini::File f;
    f.write("s", "k", "Износ 𝄞");
    const std::string bytes = f.bytes();
    // И is U+0418: 18 04 in UTF-16LE; the clef is a surrogate pair.
    EXPECT_NE(bytes.find(std::string("\x18\x04", 2)), std::string::npos);
    EXPECT_NE(bytes.find("\x34\xD8\x1E\xDD"), std::string::npos);
    EXPECT_EQ(ini::File(bytes).read("S", "K"), "Износ 𝄞");
}

TEST(IniFile, ReplacesAddsAndRemoves) {
    ini::File f(utf16("[One]\r\na=1\r\n\r\n[Two]\r\nb=2\r\n"));
    f.write("one", "A", "10");      // replaced in place, key spelled as written now
    f.write("ONE", "c", "3");       // added after the section's last entry
    f.write("Three", "d", "4");     // a new section at the end
    EXPECT_EQ(f.bytes(), utf16("[One]\r\nA=10\r\nc=3\r\n\r\n[Two]\r\nb=2\r\n[Three]\r\nd=4\r\n"));
    f.removeSection("two");
    EXPECT_EQ(f.bytes(), utf16("[One]\r\nA=10\r\nc=3\r\n\r\n[Three]\r\nd=4\r\n"));
    EXPECT_FALSE(f.hasSection("Two"));
    EXPECT_EQ(f.read("two", "b"), std::nullopt);
    EXPECT_EQ(f.read("one", "missing"), std::nullopt);
    EXPECT_EQ(f.read("one", "c"), "3");
}

TEST(IniFile, ValuesKeepTheirBlanksAndEqualSigns) {
    ini::File f;
    f.write("s", "k", "  a=b ");
    EXPECT_EQ(ini::File(f.bytes()).read("s", "k"), "  a=b ");
}

TEST(IniFile, FileWithoutBomStaysUtf8) {
    ini::File f(std::string_view("[s]\nk=Износ\n"));
    f.write("s", "k2", "x");
    EXPECT_EQ(f.bytes(), "[s]\r\nk=Износ\r\nk2=x\r\n");
}

TEST(IniFile, LoadAndSave) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("reports.cfg");
    int error = -1;
    EXPECT_FALSE(ini::load(path, error));
    EXPECT_EQ(error, 0);
    ini::File f;
    f.write("s", "k", "v");
    ASSERT_EQ(ini::save(f, path), "");
    const auto back = ini::load(path, error);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->bytes(), f.bytes());
    // Only the file itself: no temporary left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()), 1);
    EXPECT_NE(ini::save(f, folder.file("missing/reports.cfg")), "");
}

// Whatever stands at the path, loading ends at once: a file is read, anything
// else is an error number and no contents.
TEST(IniFile, OnlyARegularFileIsRead) {
    testing_support::TempFolder folder;
    const std::string path = folder.file("reports.cfg");
    struct Case {
        const char* what;
        std::function<void()> make;
        int error;
    };
    const Case cases[] = {
        {"folder", [&] { std::filesystem::create_directory(path); }, EISDIR},
        {"pipe", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }, EINVAL},
        {"empty file", [&] { std::ofstream(path, std::ios::binary); }, 0},
        {"cut UTF-16", [&] { std::ofstream(path, std::ios::binary) << std::string("\xFF\xFE[\0s\0]", 7); }, 0},
        {"below a file", [&] { std::ofstream(folder.file("x"), std::ios::binary); }, 0},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(path);
        c.make();
        const std::string at = std::string(c.what) == "below a file" ? folder.file("x/reports.cfg") : path;
        int error = -1;
        const auto file = ini::load(at, error);
        EXPECT_EQ(error, c.error) << c.what;
        EXPECT_EQ(file.has_value(), c.error == 0 && std::filesystem::is_regular_file(at)) << c.what;
    }
    std::filesystem::remove_all(path);
    std::ofstream(path, std::ios::binary) << "[s]\r\nk=v\r\n";
    if (::geteuid() != 0) {  // the superuser reads any file
        std::filesystem::permissions(path, std::filesystem::perms::none);
        int error = 0;
        EXPECT_FALSE(ini::load(path, error));
        EXPECT_EQ(error, EACCES);
    }
}

// Bytes of any kind make a file that can be written and read back.
TEST(IniFile, DamagedBytesStillMakeAFile) {
    for (const std::string& bytes : {std::string("\xFF\xFE\x00\xD8[\0", 5), std::string("\xFE\xFF\0[\0s\0]"),
                                    std::string("[s]\r\nk=\xC0\xFF\x80\r\n"), std::string("\xFF\xFE\x41")}) {
        ini::File f(bytes);
        f.write("frm_grd", "k", "v");
        EXPECT_EQ(ini::File(f.bytes()).read("frm_grd", "k"), "v");
    }
}

}  // namespace
