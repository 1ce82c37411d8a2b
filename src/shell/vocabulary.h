#pragma once

// The fixed texts of the user interface. Each entry is a named constant, so a
// misspelt name is a build error rather than a missing text at run time.

#include <span>
#include <string>
#include <string_view>

namespace vocab {

#define KASAVEL_TEXT(name, text) inline const std::string name = text;
#include "vocabulary.inc"
#undef KASAVEL_TEXT

struct Entry {
    std::string_view name;
    std::string_view text;
};

// Every entry in table order. Unlike the std::string constants it needs no
// dynamic initialisation, so it is safe to read from other static initialisers.
std::span<const Entry> entries();

}  // namespace vocab
