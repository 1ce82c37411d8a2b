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

std::string converted(std::string_view text, std::string (*letter)(std::string_view)) {
    const std::string t = trimmed(text);
    std::string out;
    out.reserve(t.size() * 2);
    for (std::string_view c : utf8::chars(t)) out += letter(c);
    return out;
}

}  // namespace

std::string KONVLATBUKVA(std::string_view character) {
    if (character.size() != 2) return std::string(character);  // every Cyrillic letter takes two bytes
    const auto& letters = cyrillicLetters();
    for (std::size_t i = 0; i < letters.size(); ++i)
        if (letters[i] == character) return std::string(1, LATIN[i]);
    return std::string(character);
}

std::string KONVKIRBUKVA(std::string_view character) {
    if (character.size() == 1)
        if (const auto i = YUSCII.find(character[0]); i != std::string_view::npos)
            return std::string(cyrillicLetters()[i]);
    return std::string(character);
}

std::string KONVLAT(std::string_view text) { return converted(text, KONVLATBUKVA); }
std::string KONVKIR(std::string_view text) { return converted(text, KONVKIRBUKVA); }

}  // namespace shell
