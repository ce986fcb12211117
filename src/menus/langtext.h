// The game's built-in texts: text numbers 0-2500 of the language table.
#pragma once

#include <array>
#include <cstdint>

constexpr int NUM_LANGUAGE_TEXTS = 2501;  // 0-2499 texts, 2500 the "END" marker
constexpr int LANGUAGE_TEXT_END = 2500;

// Every entry is a zero-ended string, never null; numbers without a text are "".
extern const std::array<const char*, NUM_LANGUAGE_TEXTS> LanguageTextTable;

// One numbered text of the table's source list (tests check the list).
struct LanguageTextEntry {
  int16_t number;
  const char* text;
};
extern const LanguageTextEntry* const kLanguageTextEntries;
extern const int kLanguageTextEntryCount;
