// Text numbers: from a number to its string.
#include "menus/exm_text.h"

#include "menus/langtext.h"
#include "world/funcs.h"

namespace {

// The empty string every number outside the tables gives.
const char kEmptyText[1] = "";

// The soak page's own texts, text numbers 29304 on.
const char* const kSoakTexts[NUM_SOAK_TEXTS] = {
    "No fixtures left in this competition",   // 29304
    "No fixtures found for this competition",
    "Not a valid competition",
    "Not a cup competition",
    "Deficient squads",
    "Available",
    "Teams having no players of a specific type",
    "Squad size",
    "sus",
    "inj",
    "int",                                    // 29314
    "Money",
    "Squads",
    "Pick Team",
    "Budget",
    "Balance",
    "Bought",
    "Sold",
    "Transfer fees paid",
    "Transfer fees received",
    "Weekly wage bill",                       // 29324
    "Income this season",
    "Expenditure this season",
    "Profit/loss",
    "Av wage",
    "Av budget",
    "Players",
    "Set maximum value",
    "Soak until",
    "Soak for",
    "Soak to next cup match",                 // 29334
    "Soak is Off",
    "Soak is On",
    "week",
    "weeks",
    "match",
    "matches",
    "Soak to Matchday",
    "Fixing Off",
    "Fixing On",
    "Unconditional soak",                     // 29344
    "Check for squad deficiencies",
    "Check club balances",
    "Check only teams in league",
    "Check all teams",
    "Fixtures/Soak",
    "",                                       // 29350-29354: spare
    "",
    "",
    "",
    "",
};

}  // namespace

const char* SoakTextByNumber(int index) {
  if (index < 0 || index >= NUM_SOAK_TEXTS) return kEmptyText;
  return kSoakTexts[index];
}

const char* GetTextNoAddr(int textNumber) {
  if (textNumber >= TEXTNO_SOAK_BASE) return SoakTextByNumber(textNumber - TEXTNO_SOAK_BASE);
  if (textNumber >= TEXTNO_NATIONALITY_BASE) return GNW_GetNationalityString(textNumber - TEXTNO_NATIONALITY_BASE);
  if (textNumber >= TEXTNO_CLUB_BASE) return GNW_GetClubName(textNumber - TEXTNO_CLUB_BASE);
  if (textNumber >= TEXTNO_PLAYER_BASE) return GNW_GetPlayerName(textNumber - TEXTNO_PLAYER_BASE);
  if (textNumber >= 0 && textNumber < NUM_LANGUAGE_TEXTS) return LanguageTextTable[textNumber];
  return kEmptyText;
}

// ---- the text input field (not built yet: it never opens) ----

void InitTextInput(int, uint16_t, int, int, const char*, char*, const char*, TextInputFinishFunc) {}
bool IsTextInputActive() { return false; }
