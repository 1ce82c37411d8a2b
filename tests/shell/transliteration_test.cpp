#include "shell/transliteration.h"

#include <gtest/gtest.h>

namespace {

using shell::KONVKIR;
using shell::KONVKIRBUKVA;
using shell::KONVLAT;
using shell::KONVLATBUKVA;

// UTF-8 of one code point below U+0800 (all Cyrillic letters are).
std::string utf8Of(char32_t cp) {
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    return {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
}

struct Letter {
    char32_t cyrillic;
    char latin;
    char yuscii;
};

// Every capital and small Macedonian letter by its code point, with its Latin
// letter and its YUSCII character.
const Letter LETTERS[] = {
    {0x0410, 'A', 'A'}, {0x0411, 'B', 'B'}, {0x0412, 'V', 'V'}, {0x0413, 'G', 'G'}, {0x0414, 'D', 'D'},
    {0x0403, 'G', '\\'}, {0x0415, 'E', 'E'}, {0x0416, 'Z', '@'}, {0x0417, 'Z', 'Z'}, {0x0405, 'Y', 'Y'},
    {0x0418, 'I', 'I'}, {0x0408, 'J', 'J'}, {0x041A, 'K', 'K'}, {0x041B, 'L', 'L'}, {0x0409, 'Q', 'Q'},
    {0x041C, 'M', 'M'}, {0x041D, 'N', 'N'}, {0x040A, 'W', 'W'}, {0x041E, 'O', 'O'}, {0x041F, 'P', 'P'},
    {0x0420, 'R', 'R'}, {0x0421, 'S', 'S'}, {0x0422, 'T', 'T'}, {0x040C, 'K', ']'}, {0x0423, 'U', 'U'},
    {0x0424, 'F', 'F'}, {0x0425, 'H', 'H'}, {0x0426, 'C', 'C'}, {0x0427, 'C', '^'}, {0x040F, 'X', 'X'},
    {0x0428, 'S', '['},
    {0x0430, 'a', 'a'}, {0x0431, 'b', 'b'}, {0x0432, 'v', 'v'}, {0x0433, 'g', 'g'}, {0x0434, 'd', 'd'},
    {0x0453, 'g', '|'}, {0x0435, 'e', 'e'}, {0x0436, 'z', '`'}, {0x0437, 'z', 'z'}, {0x0455, 'y', 'y'},
    {0x0438, 'i', 'i'}, {0x0458, 'j', 'j'}, {0x043A, 'k', 'k'}, {0x043B, 'l', 'l'}, {0x0459, 'q', 'q'},
    {0x043C, 'm', 'm'}, {0x043D, 'n', 'n'}, {0x045A, 'w', 'w'}, {0x043E, 'o', 'o'}, {0x043F, 'p', 'p'},
    {0x0440, 'r', 'r'}, {0x0441, 's', 's'}, {0x0442, 't', 't'}, {0x045C, 'k', '}'}, {0x0443, 'u', 'u'},
    {0x0444, 'f', 'f'}, {0x0445, 'h', 'h'}, {0x0446, 'c', 'c'}, {0x0447, 'c', '~'}, {0x045F, 'x', 'x'},
    {0x0448, 's', '{'},
};

TEST(Transliteration, EveryLetterOfBothTables) {
    ASSERT_EQ(std::size(LETTERS), 62u);
    for (const Letter& l : LETTERS) {
        const std::string cyr = utf8Of(l.cyrillic);
        EXPECT_EQ(KONVLATBUKVA(cyr), std::string(1, l.latin)) << std::hex << static_cast<unsigned>(l.cyrillic);
        EXPECT_EQ(KONVKIRBUKVA(std::string(1, l.yuscii)), cyr) << l.yuscii;
    }
}

TEST(Transliteration, CharactersOutsideTheTablesPassUnchanged) {
    // Russian letters outside the Macedonian alphabet stay two bytes long.
    EXPECT_EQ(KONVLAT("Ы Я Ё щ"), "Ы Я Ё щ");
    EXPECT_EQ(KONVLAT("Zarko 123, ok!"), "Zarko 123, ok!");
    // Bytes that start no letter stand as they are: other scripts, a letter cut
    // short, a lone continuation byte; the letters around them still change.
    EXPECT_EQ(KONVLAT("€ ñ 😀 Жа"), "€ ñ 😀 Za");
    EXPECT_EQ(KONVLAT("Ж\xD0"), "Z\xD0");
    EXPECT_EQ(KONVLAT("\xD0Ж\x96"), "\xD0Z\x96");
    EXPECT_EQ(KONVLAT("\xD0\xD0\x96"), "\xD0Z");
    // KONVKIR leaves digits, punctuation and every non-ASCII character.
    EXPECT_EQ(KONVKIR("12.5, - ! Ы"), "12.5, - ! Ы");
    EXPECT_EQ(KONVKIR("Жарко"), "Жарко");
    for (char c : std::string("0123456789 .,;:-_()!?#$%&*+=/<>\"'"))
        EXPECT_EQ(KONVKIRBUKVA(std::string(1, c)), std::string(1, c)) << c;
}

TEST(Transliteration, WholeTextsAreTrimmed) {
    EXPECT_EQ(KONVLAT("  Жарко Џамбаз  "), "Zarko Xambaz");
    EXPECT_EQ(KONVLAT("Љубица Њаго"), "Qubica Wago");
    EXPECT_EQ(KONVKIR("P@ARKO"), "ПЖАРКО");
    EXPECT_EQ(KONVKIR(" ^ovek "), "Човек");
    EXPECT_EQ(KONVKIR("{kola"), "школа");
    EXPECT_EQ(KONVLAT(""), "");
    EXPECT_EQ(KONVLAT("    "), "");
    EXPECT_EQ(KONVKIR(""), "");
    EXPECT_EQ(KONVKIR("   "), "");
}

TEST(Transliteration, RoundTripLosesTheLettersLatinMerges) {
    EXPECT_EQ(KONVKIR(KONVLAT("Жарко")), "Зарко");
    EXPECT_EQ(KONVKIR(KONVLAT("Ѓорѓи Ќосе Чаша Шише")), "Горги Косе Цаса Сисе");
    // Letters that Latin keeps apart come back as they were.
    EXPECT_EQ(KONVKIR(KONVLAT("Бранко Видов")), "Бранко Видов");
    // YUSCII text read and written back in Latin loses the special characters.
    EXPECT_EQ(KONVLAT(KONVKIR("[kola @aba")), "Skola Zaba");
}

}  // namespace
