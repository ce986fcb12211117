// Text numbers: one number space for every string a menu, message or news
// item shows (TextNumber, a signed 16-bit number).
//
//   below 0        the empty string
//   0-2500         the language table (2501-2999 lie outside every table: "")
//   3000-27999     the name of player n - 3000
//   28000-29199    the name of database club n - 28000
//   29200-29303    the nationality name of nation n - 29200
//   29304-29354    the soak tool's texts (above them: "")
#pragma once

#include <cstdint>

constexpr int TEXTNO_PLAYER_BASE = 3000;
constexpr int TEXTNO_CLUB_BASE = 28000;
constexpr int TEXTNO_NATIONALITY_BASE = 29200;
constexpr int TEXTNO_SOAK_BASE = 29304;
constexpr int NUM_SOAK_TEXTS = 51;

// The string of a text number; never null. Table texts are permanent; player,
// club and nationality names may sit in the world facade's static buffers,
// valid until the next call that fills the same buffer.
const char* GetTextNoAddr(int textNumber);

// The soak tool's text i (0-50), "" outside the table.
const char* SoakTextByNumber(int index);

// ---- the text input field ----

// The finish callback of a field: answers the frame result for the field's
// end result (2 accepted, 0 cancelled).
typedef int16_t (*TextInputFinishFunc)(int16_t result);
// Opens the field at x, y (menu units; top-left alignment 5 only) of the
// width, editing a copy of initial (a blank-padded buffer as long as the
// field's maximum), written to destination on accept; allowed is the list of
// characters that may be typed (null: any).
void InitTextInput(int x, uint16_t alignment, int y, int width, const char* initial, char* destination,
                   const char* allowed, TextInputFinishFunc finish);
bool IsTextInputActive();
