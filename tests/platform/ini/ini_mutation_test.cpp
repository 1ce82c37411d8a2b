// Damaged INI files, made deterministically from small valid ones in both
// encodings: every one is read without a crash or a hang, is written back the
// same once read, and keeps a value written into it.
#include <gtest/gtest.h>

#include "platform/ini/ini_file.h"
#include "support/mutator.h"

namespace {

// A value of blanks, signs, digits, ASCII and Cyrillic letters, on one line.
std::string someValue(testing_support::Mutator& m) {
    static const std::string_view pieces[] = {" ", "=", "[", "]", ";", "A", "z", "0", "9", ".", "Ж", "ѓ", "\t", "\"",
                                              "\xF0\x9F\x98\x80"};
    std::string value;
    for (unsigned n = m.below(12); n > 0; --n) value += pieces[m.below(std::size(pieces))];
    return value;
}

TEST(IniMutation, DamagedFilesAreReadWrittenBackAndKeepWhatIsWritten) {
    ini::File utf16;
    utf16.write("frmA_grdA", "controlname", "frmA_grdA");
    utf16.write("frmA_grdA", "gridprintdata1", "A  21C   6НасловC   0C   0");
    utf16.write("Друго", "kluc", "вредност = 5");
    const std::string seeds[] = {
        utf16.bytes(),
        "[frmA_grdA]\r\ncontrolname=frmA_grdA\r\ngridprintdata4=5\r\n\r\n[B]\r\nx = y\r\n",
    };
    const std::initializer_list<std::string_view> tokens = {
        "[", "]", "=", "\r\n", "\n", "\r", "\xFF\xFE", std::string_view("\0\0", 2), std::string_view("\n\0", 2),
        std::string_view("[\0", 2), std::string_view("]\0", 2), "\x00\xD8", "\x00\xDC", "\xD0", " ",
    };
    testing_support::Mutator mutator(1);
    for (int i = 0; i < 30000; ++i) {
        const std::string damaged = mutator.mutate(seeds[mutator.below(2)], tokens);
        ini::File file(damaged);
        const std::string written = file.bytes();
        if (!written.empty()) {  // no bytes at all read back as a new file, in UTF-16LE
            ASSERT_EQ(ini::File(written).bytes(), written) << testing::PrintToString(damaged);
        }

        const std::string section = mutator.below(2) ? "frmA_grdA" : "Nova";
        const std::string key = mutator.below(2) ? "gridprintdata4" : "NovKluc";
        const std::string value = someValue(mutator);
        file.write(section, key, value);
        ASSERT_EQ(file.read(section, key), value) << testing::PrintToString(damaged);
        const ini::File back(file.bytes());
        ASSERT_EQ(back.read(section, key), value) << testing::PrintToString(damaged);
        ASSERT_TRUE(back.hasSection(section));
    }
}

}  // namespace
