#include "platform/pdf/font_codes.h"

#include <map>

#include "platform/pdf/error.h"
#include "platform/pdf/to_unicode.h"
#include "platform/text/utf8.h"

namespace pdf {

namespace {

constexpr char32_t firstPrivate = 0xE000, lastPrivate = 0xF8FF;
constexpr char32_t replacementCharacter = 0xFFFD;

bool isPrivateUse(char32_t c) { return c >= firstPrivate && c <= lastPrivate; }

HPDF_FontAttr attributes(HPDF_Font font) { return static_cast<HPDF_FontAttr>(font->attr); }

// The stream's bytes replaced by `bytes`, keeping its object.
void rewrite(HPDF_Dict stream, const void* bytes, std::size_t size) {
    HPDF_MemStream_FreeData(stream->stream);
    HPDF_Stream_Write(stream->stream, static_cast<const HPDF_BYTE*>(bytes), static_cast<HPDF_UINT>(size));
}

}  // namespace

FontCodes::FontCodes(HPDF_Font font, std::string fontFile)
    : font_(font), fontFile_(std::move(fontFile)), glyph_(0x10000, 0), written_(0x10000, false),
      nextPrivate_(firstPrivate) {
    replacement_ = hasGlyph(replacementCharacter) ? replacementCharacter : U'?';
}

bool FontCodes::hasGlyph(char32_t c) {
    std::uint8_t& known = glyph_[c];
    if (known == 0)
        known = HPDF_TTFontDef_GetGlyphid(attributes(font_)->fontdef, static_cast<HPDF_UINT16>(c)) != 0 ? 1 : 2;
    return known == 1;
}

// The next private-use code the font has no glyph for (so that libharu gave it
// no width of its own), with the glyph and width it is to be drawn with.
std::optional<FontCodes::Private> FontCodes::newPrivate(char32_t c) {
    while (nextPrivate_ <= lastPrivate && hasGlyph(nextPrivate_)) ++nextPrivate_;
    if (nextPrivate_ > lastPrivate) return std::nullopt;
    const HPDF_FontDef fontdef = attributes(font_)->fontdef;
    Private p{nextPrivate_++, c, 0, 0};
    if (c > 0xFFFF) {
        if (!wide_) wide_.emplace(fontFile_);
        p.glyph = wide_->glyphOf(c);
        if (p.glyph >= static_cast<HPDF_TTFontDefAttr>(fontdef->attr)->num_glyphs) p.glyph = 0;
    }
    if (p.glyph != 0) {
        // Kept in the embedded font, as libharu keeps the glyphs it measures.
        static_cast<HPDF_TTFontDefAttr>(fontdef->attr)->glyph_tbl.flgs[p.glyph] = 1;
        p.width = HPDF_TTFontDef_GetGidWidth(fontdef, p.glyph);
    } else {
        std::string mark;
        utf8::append(mark, replacement_);
        // Measuring the mark also keeps its glyph in the embedded font.
        p.width = static_cast<int>(
            HPDF_Font_TextWidth(font_, reinterpret_cast<const HPDF_BYTE*>(mark.data()), static_cast<HPDF_UINT>(mark.size()))
                .width);
        p.glyph = HPDF_TTFontDef_GetGlyphid(fontdef, static_cast<HPDF_UINT16>(replacement_));
    }
    return p;
}

char32_t FontCodes::codeOf(char32_t c) {
    // Control characters stay as libharu has always written them.
    if (c < 0x20 || (c < 0x10000 && !isPrivateUse(c) && hasGlyph(c))) {
        written_[c] = true;
        return c;
    }
    auto [found, added] = privateOf_.try_emplace(c);
    if (added) {
        found->second = newPrivate(c);
        if (found->second)
            privates_.push_back(*found->second);
        else
            written_[replacement_] = true;  // more such characters than private codes: the mark itself
    }
    if (!found->second) return replacement_;
    // libharu measures a code without a glyph as the font's missing glyph.
    correction_ += found->second->width - HPDF_TTFontDef_GetGidWidth(attributes(font_)->fontdef, 0);
    return found->second->code;
}

const char* FontCodes::codes(std::string_view text) {
    buffer_.clear();
    correction_ = 0;
    for (std::size_t at = 0; at < text.size();) {
        const utf8::Decoded d = utf8::decode(text, at);
        utf8::append(buffer_, codeOf(d.length == 0 ? replacementCharacter : d.codePoint));
        at += d.length == 0 ? 1 : d.length;
    }
    return buffer_.c_str();
}

void FontCodes::finish() {
    const HPDF_FontAttr font = attributes(font_);
    std::map<std::uint16_t, char32_t> characters;
    for (char32_t c = 0; c < written_.size(); ++c)
        if (written_[c]) characters.emplace(static_cast<std::uint16_t>(c), c);
    if (!privates_.empty() && font->map_stream) {
        // The glyph of each code, two bytes a code, as libharu made it when it loaded the font.
        HPDF_Stream map = font->map_stream->stream;
        HPDF_UINT size = map->size;
        std::vector<HPDF_BYTE> glyphs(size);
        HPDF_Stream_Seek(map, 0, HPDF_SEEK_SET);
        HPDF_Stream_Read(map, glyphs.data(), &size);
        auto* widths = static_cast<HPDF_Array>(HPDF_Dict_GetItem(font->descendant_font, "W", HPDF_OCLASS_ARRAY));
        for (const Private& p : privates_) {
            characters.emplace(static_cast<std::uint16_t>(p.code), p.character);
            if (2 * p.code + 1 >= glyphs.size()) throw Error("libharu's glyph map ends before the private codes");
            glyphs[2 * p.code] = static_cast<HPDF_BYTE>(p.glyph >> 8);
            glyphs[2 * p.code + 1] = static_cast<HPDF_BYTE>(p.glyph);
            for (const int n : {static_cast<int>(p.code), static_cast<int>(p.code), p.width}) HPDF_Array_AddNumber(widths, n);
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
