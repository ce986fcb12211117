// The language table, written as numbered texts in ascending order so that
// each text can be reviewed beside its number. Numbers not listed are "".
#include "menus/langtext.h"

namespace {

constexpr LanguageTextEntry kEntries[] = {
    {2500, "END"},
};

constexpr std::array<const char*, NUM_LANGUAGE_TEXTS> BuildTable() {
  std::array<const char*, NUM_LANGUAGE_TEXTS> table{};
  for (auto& text : table) text = "";
  int previous = -1;
  for (const LanguageTextEntry& entry : kEntries) {
    // A number out of range or out of order stops the build.
    if (entry.number <= previous || entry.number >= NUM_LANGUAGE_TEXTS) throw "language table out of order";
    previous = entry.number;
    table[entry.number] = entry.text;
  }
  return table;
}

}  // namespace

constinit const std::array<const char*, NUM_LANGUAGE_TEXTS> LanguageTextTable = BuildTable();
const LanguageTextEntry* const kLanguageTextEntries = kEntries;
const int kLanguageTextEntryCount = static_cast<int>(sizeof(kEntries) / sizeof(kEntries[0]));
