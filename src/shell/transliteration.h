#pragma once
// Macedonian Cyrillic to plain Latin letters (KONVLAT) and 7-bit YUSCII text to
// Cyrillic (KONVKIR), character by character. The two are not inverses:
// KONVLAT writes Ж and З both as Z, and so for Ѓ/Г, Ќ/К, Ч/Ц, Ш/С.
#include <string>
#include <string_view>

namespace shell {

// The Latin letter of one Macedonian letter; any other character unchanged.
std::string KONVLATBUKVA(std::string_view character);
// The text trimmed, each character through KONVLATBUKVA.
std::string KONVLAT(std::string_view text);
// The same, appended to `out`.
void KONVLAT(std::string_view text, std::string& out);

// The Cyrillic letter of one YUSCII character; any other character unchanged.
std::string KONVKIRBUKVA(std::string_view character);
// The text trimmed, each character through KONVKIRBUKVA.
std::string KONVKIR(std::string_view text);
// The same, appended to `out`.
void KONVKIR(std::string_view text, std::string& out);

}  // namespace shell
