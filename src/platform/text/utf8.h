#pragma once
// Small UTF-8 helpers shared by the platform layer and the subsystems.
#include <string>
#include <string_view>
#include <vector>

namespace utf8 {

// Byte length of the character starting with byte `lead` (1 for invalid bytes).
std::size_t charLength(unsigned char lead);

// One well-formed character at `at`: its code point and byte length; a
// length of 0 for a byte that starts no well-formed character (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a code
// point beyond U+10FFFF).
struct Decoded {
    char32_t codePoint = 0;
    std::size_t length = 0;
};
Decoded decode(std::string_view text, std::size_t at);

// The text split into its characters.
std::vector<std::string_view> chars(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no stray continuation bytes, no
// cut or overlong sequences, no surrogates).
bool valid(std::string_view text);

// Number of characters.
std::size_t length(std::string_view text);

// The character's UTF-8 bytes appended to `out`.
void append(std::string& out, char32_t c);

// The longest prefix of at most `bytes` bytes that ends on a character boundary.
std::string_view cutBytes(std::string_view text, std::size_t bytes);

// The text in a fixed-width field: cut at the last whole character within
// `bytes`, then filled with blanks to exactly `bytes` bytes.
std::string fitBytes(std::string_view text, std::size_t bytes);

// Without leading and trailing blanks (only the blank character).
std::string_view trimBlanks(std::string_view text);

// The text on one line, as a one-line box shows it: a CR LF pair, a CR, a LF
// and a TAB each become one blank.
std::string oneLine(std::string_view text);

// Upper case of Latin and Cyrillic letters; other characters unchanged. Every
// character keeps its byte length, so the upper case is as long as the text.
std::string upper(std::string_view text);
// The same, appended to `out` (no allocation once `out` has room).
void appendUpper(std::string& out, std::string_view text);
// The small letter of every capital that upper() makes from one (A-Z, А-Я,
// Ѐ-Џ); other characters unchanged, so the result is as long as the text.
std::string smallLetters(std::string_view upperText);
// Whether the upper case of `text` is `upperText`, without building it.
bool upperEquals(std::string_view text, std::string_view upperText);

}  // namespace utf8
