#pragma once
// The codes a text is written with in one of libharu's UTF-8 TrueType fonts,
// and the font's map from codes back to characters. libharu writes each
// character as a code of 16 bits, the character itself: one beyond that range
// it writes as a blank, and the map it gives the font is not one a reader
// takes. Here a character the font has a glyph for keeps its own code; every
// other one (beyond the 16-bit range, of the private-use area, or without a
// glyph in the font) gets a private-use code of its own, drawn as the font's
// replacement mark (U+FFFD, or "?" where the font has none). The font's map
// names the character of every code written, so a reader copies the text as
// it was given.
#include <hpdf.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pdf {

class FontCodes {
public:
    explicit FontCodes(HPDF_Font font);

    HPDF_Font font() const { return font_; }
    // The text as libharu is to write it; valid until the next call.
    const char* codes(std::string_view text);
    // The text as it is drawn, the replacement mark for each character under
    // a private code: it measures as wide as the drawn text.
    const char* shown(std::string_view text);
    // Once, before the document is saved: the font's map of every code
    // written, and the glyph and width of its private codes.
    void finish();

private:
    char32_t codeOf(char32_t c);
    bool hasGlyph(char32_t c);
    char32_t newPrivateCode();
    template <typename Write>
    const char* convert(std::string_view text, Write write);

    HPDF_Font font_;
    char32_t replacement_;
    std::vector<std::uint8_t> glyph_;      // per 16-bit character: 0 not asked yet, 1 has a glyph, 2 has none
    std::vector<bool> written_;            // the 16-bit characters written under their own code
    std::unordered_map<char32_t, char32_t> privateCodes_;  // character -> its private code
    std::vector<std::pair<char32_t, char32_t>> privates_;  // private code and its character, as handed out
    char32_t nextPrivate_;
    std::string buffer_;
};

}  // namespace pdf
