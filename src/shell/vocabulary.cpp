#include "shell/vocabulary.h"

namespace vocab {

namespace {

constexpr Entry kEntries[] = {
#define KASAVEL_TEXT(name, text) {#name, text},
#include "vocabulary.inc"
#undef KASAVEL_TEXT
};

}  // namespace

std::span<const Entry> entries() { return kEntries; }

}  // namespace vocab
