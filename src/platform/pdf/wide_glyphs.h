#pragma once
// The glyphs a TrueType file has for characters beyond the 16-bit range,
// which libharu does not read (it reads only the font's 16-bit map). Only a
// glyph drawn by outlines of its own counts: an empty one would print as a
// blank, and one made of other glyphs would need them embedded too.
#include <cstdint>
#include <string>
#include <vector>

namespace pdf {

class WideGlyphs {
public:
    // Reads the file; a file that cannot be read or has no such map has no glyphs.
    explicit WideGlyphs(const std::string& fontFile);
    // The glyph of the character, or 0 when the font has none that counts.
    std::uint16_t glyphOf(char32_t c) const;

private:
    struct Group {
        char32_t first, last;
        std::uint32_t firstGlyph;
    };
    std::vector<Group> groups_;
    std::vector<bool> drawable_;  // by glyph: drawn by outlines of its own
};

}  // namespace pdf
