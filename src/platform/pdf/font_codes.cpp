#include "platform/pdf/font_codes.h"

#include <map>

#include "platform/pdf/to_unicode.h"
#include "platform/text/utf8.h"

namespace pdf {

namespace {

constexpr char32_t firstPrivate = 0xE000, lastPrivate = 0xF8FF;
constexpr char32_t replacementCharacter = 0xFFFD;

bool isPrivateUse(char32_t c) { return c >= firstPrivate && c <= lastPrivate; }

HPDF_FontAttr attributes(HPDF_Font font) { return static_cast<HPDF_FontAttr>(font->attr); }

std::string utf8Of(char32_t c) {
    std::string out;
    utf8::append(out, c);
    return out;
}

// The stream's bytes replaced by `bytes`, keeping its object.
void rewrite(HPDF_Dict stream, const void* bytes, std::size_t size) {
    HPDF_MemStream_FreeData(stream->stream);
    HPDF_Stream_Write(stream->stream, static_cast<const HPDF_BYTE*>(bytes), static_cast<HPDF_UINT>(size));
}

}  // namespace

FontCodes::FontCodes(HPDF_Font font)
    : font_(font), glyph_(0x10000, 0), written_(0x10000, false), nextPrivate_(firstPrivate) {
    replacement_ = hasGlyph(replacementCharacter) ? replacementCharacter : U'?';
}

bool FontCodes::hasGlyph(char32_t c) {
    std::uint8_t& known = glyph_[c];
    if (known == 0)
        known = HPDF_TTFontDef_GetGlyphid(attributes(font_)->fontdef, static_cast<HPDF_UINT16>(c)) != 0 ? 1 : 2;
    return known == 1;
}

// A private-use code the font has no glyph for: libharu gave it the font's
// default width and no width of its own, which `finish` adds.
char32_t FontCodes::newPrivateCode() {
    while (nextPrivate_ <= lastPrivate && hasGlyph(nextPrivate_)) ++nextPrivate_;
    return nextPrivate_ <= lastPrivate ? nextPrivate_++ : 0;
}

char32_t FontCodes::codeOf(char32_t c) {
    // Control characters stay as libharu has always written them.
    if (c < 0x20 || (c < 0x10000 && !isPrivateUse(c) && hasGlyph(c))) {
        written_[c] = true;
        return c;
    }
    auto [found, added] = privateCodes_.try_emplace(c, 0);
    if (added) {
        found->second = newPrivateCode();
        if (found->second == 0) {
            // More such characters than private codes: the rest are the mark itself.
            found->second = replacement_;
            written_[replacement_] = true;
        } else {
            privates_.emplace_back(found->second, c);
        }
    }
    return found->second;
}

template <typename Write>
const char* FontCodes::convert(std::string_view text, Write write) {
    buffer_.clear();
    for (std::size_t at = 0; at < text.size();) {
        const utf8::Decoded d = utf8::decode(text, at);
        write(d.length == 0 ? replacementCharacter : d.codePoint);
        at += d.length == 0 ? 1 : d.length;
    }
    return buffer_.c_str();
}

const char* FontCodes::codes(std::string_view text) {
    return convert(text, [this](char32_t c) { utf8::append(buffer_, codeOf(c)); });
}

const char* FontCodes::shown(std::string_view text) {
    return convert(text, [this](char32_t c) {
        const char32_t code = codeOf(c);
        utf8::append(buffer_, isPrivateUse(code) ? replacement_ : code);
    });
}

void FontCodes::finish() {
    const HPDF_FontAttr font = attributes(font_);
    std::map<std::uint16_t, char32_t> characters;
    for (char32_t c = 0; c < written_.size(); ++c)
        if (written_[c]) characters.emplace(static_cast<std::uint16_t>(c), c);
    if (!privates_.empty() && font->map_stream) {
        const std::string mark = utf8Of(replacement_);
        // Measuring the mark also keeps its glyph in the embedded font.
        const HPDF_UINT width = HPDF_Font_TextWidth(font_, reinterpret_cast<const HPDF_BYTE*>(mark.data()),
                                                    static_cast<HPDF_UINT>(mark.size()))
                                    .width;
        const HPDF_UINT16 glyph = HPDF_TTFontDef_GetGlyphid(font->fontdef, static_cast<HPDF_UINT16>(replacement_));
        // The glyph of each code, two bytes a code, as libharu made it when it loaded the font.
        HPDF_Stream map = font->map_stream->stream;
        HPDF_UINT size = map->size;
        std::vector<HPDF_BYTE> glyphs(size);
        HPDF_Stream_Seek(map, 0, HPDF_SEEK_SET);
        HPDF_Stream_Read(map, glyphs.data(), &size);
        auto* widths = static_cast<HPDF_Array>(HPDF_Dict_GetItem(font->descendant_font, "W", HPDF_OCLASS_ARRAY));
        for (const auto& [code, c] : privates_) {
            characters.emplace(static_cast<std::uint16_t>(code), c);
            glyphs.at(2 * code) = static_cast<HPDF_BYTE>(glyph >> 8);
            glyphs.at(2 * code + 1) = static_cast<HPDF_BYTE>(glyph);
            for (HPDF_UINT n : {static_cast<HPDF_UINT>(code), static_cast<HPDF_UINT>(code), width})
                HPDF_Array_AddNumber(widths, static_cast<HPDF_INT32>(n));
        }
        rewrite(font->map_stream, glyphs.data(), glyphs.size());
    }
    // libharu's map is a copy of its encoding, which readers refuse as a ToUnicode map.
    HPDF_Dict toUnicode = font->cmap_stream;
    if (!toUnicode) return;
    for (const char* key : {"Type", "CMapName", "CIDSystemInfo", "WMode"}) HPDF_Dict_RemoveElement(toUnicode, key);
    const std::string cmap = toUnicodeCMap(characters);
    rewrite(toUnicode, cmap.data(), cmap.size());
}

}  // namespace pdf
