#include "platform/pdf/wide_glyphs.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

namespace pdf {

namespace {

std::uint32_t big(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = 0; i < size; ++i) v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return v;
}

// The named table of the font file, or nothing.
std::optional<std::string_view> table(std::string_view file, std::string_view tag) {
    if (file.size() < 12) return std::nullopt;
    const std::uint32_t count = big(file, 4, 2);
    for (std::uint32_t i = 0; i < count && 12 + 16 * (i + 1) <= file.size(); ++i) {
        const std::size_t record = 12 + 16 * i;
        const std::uint32_t offset = big(file, record + 8, 4), length = big(file, record + 12, 4);
        if (file.substr(record, 4) == tag && offset <= file.size() && length <= file.size() - offset)
            return file.substr(offset, length);
    }
    return std::nullopt;
}

}  // namespace

WideGlyphs::WideGlyphs(const std::string& fontFile) {
    std::ifstream in(fontFile, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const std::string_view file(bytes);
    const auto cmap = table(file, "cmap"), head = table(file, "head"), loca = table(file, "loca"),
               glyf = table(file, "glyf");
    if (!cmap || !head || !loca || !glyf || cmap->size() < 4 || head->size() < 54) return;

    // The map of the whole range of characters: format 12, for Windows or Unicode.
    for (std::uint32_t i = 0, n = big(*cmap, 2, 2); i < n && 4 + 8 * (i + 1) <= cmap->size(); ++i) {
        const std::uint32_t platform = big(*cmap, 4 + 8 * i, 2), encoding = big(*cmap, 6 + 8 * i, 2);
        const std::uint32_t at = big(*cmap, 8 + 8 * i, 4);
        if (!((platform == 3 && encoding == 10) || platform == 0) || at + 16 > cmap->size() || big(*cmap, at, 2) != 12)
            continue;
        const std::uint32_t groups = big(*cmap, at + 12, 4);
        for (std::uint32_t g = 0; g < groups && at + 16 + 12 * (g + 1) <= cmap->size(); ++g) {
            const std::size_t group = at + 16 + 12 * g;
            groups_.push_back({big(*cmap, group, 4), big(*cmap, group + 4, 4), big(*cmap, group + 8, 4)});
        }
        break;
    }
    const bool longOffsets = big(*head, 50, 2) == 1;
    const std::size_t step = longOffsets ? 4 : 2;
    auto offset = [&](std::size_t glyph) { return longOffsets ? big(*loca, glyph * 4, 4) : 2 * big(*loca, glyph * 2, 2); };
    for (std::size_t g = 0; (g + 2) * step <= loca->size(); ++g) {
        const std::uint32_t start = offset(g), end = offset(g + 1);
        // Not empty, and not a composite (which has a negative count of contours).
        drawable_.push_back(start < end && end <= glyf->size() && end - start >= 10 && !(big(*glyf, start, 2) & 0x8000));
    }
}

std::uint16_t WideGlyphs::glyphOf(char32_t c) const {
    const auto group = std::find_if(groups_.begin(), groups_.end(), [c](const Group& g) { return g.first <= c && c <= g.last; });
    if (group == groups_.end()) return 0;
    const std::uint32_t glyph = group->firstGlyph + (c - group->first);
    return glyph < drawable_.size() && glyph <= 0xFFFF && drawable_[glyph] ? static_cast<std::uint16_t>(glyph) : 0;
}

}  // namespace pdf
