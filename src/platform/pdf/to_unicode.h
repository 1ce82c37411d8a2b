#pragma once
// A font's ToUnicode map: the character each two-byte code of its texts
// stands for, as a CMap that readers use to copy and search the text.
#include <cstdint>
#include <map>
#include <string>

namespace pdf {

// Consecutive codes of consecutive characters go in ranges, the others one
// by one; a character beyond the 16-bit range is written as its UTF-16 pair.
std::string toUnicodeCMap(const std::map<std::uint16_t, char32_t>& characters);

}  // namespace pdf
