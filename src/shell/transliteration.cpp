#include "shell/transliteration.h"

#include <vector>

#include "platform/text/utf8.h"
#include "shell/udfs.h"

namespace shell {

namespace {

// The 31 Macedonian letters in alphabet order, capitals then small letters,
// and at the same positions their Latin letters and their YUSCII characters.
constexpr std::string_view CYRILLIC =
    "АБВГДЃЕЖЗЅИЈКЛЉМНЊОПРСТЌУФХЦЧЏШ"
    "абвгдѓежзѕијклљмнњопрстќуфхцчџш";
constexpr std::string_view LATIN =
    "ABVGDGEZZYIJKLQMNWOPRSTKUFHCCXS"
    "abvgdgezzyijklqmnwoprstkufhccxs";
constexpr std::string_view YUSCII =
    "ABVGD\\E@ZYIJKLQMNWOPRST]UFHC^X["
    "abvgd|e`zyijklqmnwoprst}ufhc~x{";

const std::vector<std::string_view>& cyrillicLetters() {
    static const std::vector<std::string_view> letters = utf8::chars(CYRILLIC);
    return letters;
}

// Every Cyrillic letter takes two bytes, the first 0xD0 or 0xD1 and the second
// a continuation byte: the Latin letter of each such pair, 0 for pairs that
// are no Macedonian letter.
struct LatinTable {
    char byPair[2][64] = {};
    LatinTable() {
        const auto& letters = cyrillicLetters();
        for (std::size_t i = 0; i < letters.size(); ++i)
            byPair[static_cast<unsigned char>(letters[i][0]) - 0xD0][static_cast<unsigned char>(letters[i][1]) - 0x80] =
                LATIN[i];
    }
    // The Latin letter of the pair starting at text[i], or 0.
    char at(std::string_view text, std::size_t i) const {
        const auto lead = static_cast<unsigned char>(text[i]);
        if ((lead != 0xD0 && lead != 0xD1) || i + 1 >= text.size()) return 0;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        return next >= 0x80 && next < 0xC0 ? byPair[lead - 0xD0][next - 0x80] : 0;
    }
};

const LatinTable& latinTable() {
    static const LatinTable table;
    return table;
}

}  // namespace

std::string KONVLATBUKVA(std::string_view character) {
    if (character.size() == 2)
        if (const char latin = latinTable().at(character, 0)) return std::string(1, latin);
    return std::string(character);
}

std::string KONVKIRBUKVA(std::string_view character) {
    if (character.size() == 1)
        if (const auto i = YUSCII.find(character[0]); i != std::string_view::npos)
            return std::string(cyrillicLetters()[i]);
    return std::string(character);
}

std::string KONVLAT(std::string_view text) {
    std::string out;
    KONVLAT(text, out);
    return out;
}

void KONVLAT(std::string_view text, std::string& out) {
    // A byte at a time: every byte that starts no Macedonian letter, those of
    // other characters included, stands unchanged.
    const std::string_view t = trimmedView(text);
    const LatinTable& table = latinTable();
    out.reserve(out.size() + t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (const char latin = table.at(t, i)) {
            out += latin;
            ++i;
        } else {
            out += t[i];
        }
    }
}

std::string KONVKIR(std::string_view text) {
    std::string out;
    KONVKIR(text, out);
    return out;
}

void KONVKIR(std::string_view text, std::string& out) {
    const std::string_view t = trimmedView(text);
    out.reserve(out.size() + t.size() * 2);
    for (const char c : t) {
        if (const auto i = YUSCII.find(c); i != std::string_view::npos)
            out += cyrillicLetters()[i];
        else
            out += c;
    }
}

}  // namespace shell
