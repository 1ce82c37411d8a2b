#pragma once
// The codes a text is written with in one of libharu's UTF-8 TrueType fonts,
// and the font's map from codes back to characters. libharu writes each
// character as a code of 16 bits, the character itself: one beyond that range
// it writes as a blank, and the map it gives the font is not one a reader
// takes. Here a character the font has a glyph for in its 16-bit map keeps
// its own code; every other one (beyond the 16-bit range, of the private-use
// area, or without a glyph) gets a private-use code of its own, drawn as the
// font's glyph for it where the font has one beyond the 16-bit range, and
// otherwise as the font's replacement mark (U+FFFD, or "?" where the font
// has none). The font's map names the character of every code written, so a
// reader copies the text as it was given.
#include <hpdf.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/pdf/wide_glyphs.h"

namespace pdf {

class FontCodes {
public:
    FontCodes(HPDF_Font font, std::string fontFile);

    HPDF_Font font() const { return font_; }
    // The text as libharu is to write it; valid until the next call.
    const char* codes(std::string_view text);
    // How much wider the last text's private codes are drawn than libharu
    // measures them, in thousandths of the font size.
    int widthCorrection() const { return correction_; }
    // Once, before the document is saved: the font's map of every code
    // written, and the glyph and width of its private codes.
    void finish();

private:
    struct Private {
        char32_t code, character;
        HPDF_UINT16 glyph;
        int width;
    };
    char32_t codeOf(char32_t c);
    bool hasGlyph(char32_t c);
    std::optional<Private> newPrivate(char32_t c);

    HPDF_Font font_;
    std::string fontFile_;
    std::optional<WideGlyphs> wide_;  // read when the first such character comes
    char32_t replacement_;
    std::vector<std::uint8_t> glyph_;  // per 16-bit character: 0 not asked yet, 1 has a glyph, 2 has none
    std::vector<bool> written_;        // the 16-bit characters written under their own code
    std::unordered_map<char32_t, std::optional<Private>> privateOf_;  // none: written as the mark itself
    std::vector<Private> privates_;                                    // as handed out
    char32_t nextPrivate_;
    int correction_ = 0;
    std::string buffer_;
};

}  // namespace pdf
