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
//
// One single-line field can be open at a time. While it is open the menu
// loop hands it every frame instead of the hot spots: it edits a copy of its
// text by keyboard, blinks a cursor, and ends with accept (Enter, or a click
// in its accept box) or cancel (Escape, or its cancel box). The field is
// drawn over the screen's saved background (the menu's background mark), in
// the current font and text colour.

// The finish callback of a field: answers the frame result for the field's
// end result (2 accepted, 0 cancelled).
typedef int16_t (*TextInputFinishFunc)(int16_t result);

// A click box of a field, menu units.
struct TextInputBox {
  uint16_t x, y;
  int32_t w;
  uint16_t h;
};

// Flags of a field.
constexpr uint16_t TEXTINPUT_ACCEPT_BOX = 1;     // a click in the accept box accepts
constexpr uint16_t TEXTINPUT_NO_ENTER = 2;       // the Enter keys do not accept
constexpr uint16_t TEXTINPUT_PAD = 4;            // blanks cut from the initial text, the accepted one padded
constexpr uint16_t TEXTINPUT_CANCEL_BOX = 8;     // a click in the cancel box cancels
constexpr uint16_t TEXTINPUT_NO_ESCAPE = 16;     // Escape does not cancel
constexpr uint16_t TEXTINPUT_MASKED = 32;        // shown as one "*" per character

// What a field is opened with (copied when it opens).
struct TextInputDesc {
  int16_t x, y;
  int16_t width;               // menu units; the text must fit it in the current font
  char* destination;           // written on accept and on cancel; holds maxLength + 1 bytes
  TextInputFinishFunc finish;  // null: the end result is the frame result
  uint16_t maxLength;          // characters
  const char* initial;         // the text edited, and restored on cancel (null: empty)
  int16_t one;                 // always 1
  const char* allowed;         // the characters that may be typed (null: any)
  uint16_t flags;
  TextInputBox accept, cancel;
};

// Frame results of the field.
constexpr int16_t TEXTINPUT_CANCELLED = 0;
constexpr int16_t TEXTINPUT_GOING_ON = 1;
constexpr int16_t TEXTINPUT_ACCEPTED = 2;

// Opens the field: its own copy of the text (trailing blanks cut with
// TEXTINPUT_PAD), the cursor at the end, the keyboard queue emptied. A field
// already open stops the program.
void EXTI_InitTextInput(const TextInputDesc* descriptor);
// Opens the field at x, y (menu units; top-left alignment 5 only, any other
// stops the program) of the width, editing a copy of initial (a blank-padded
// buffer as long as the field's maximum), written to destination on accept
// padded with blanks; allowed is the list of characters that may be typed
// (null: any).
void InitTextInput(int x, uint16_t alignment, int y, int width, const char* initial, char* destination,
                   const char* allowed, TextInputFinishFunc finish);
bool IsTextInputActive();
// Marking the field inactive closes it (its buffers are given back); it can
// only be marked active again while it is still open.
void SetTextInputActive(bool active);
// One frame of editing: answers TEXTINPUT_GOING_ON, TEXTINPUT_ACCEPTED or
// TEXTINPUT_CANCELLED. A key that cannot act writes the bell character (7)
// on standard output.
int16_t TextInputFrame();
// Closes the field and answers the finish callback's result for the end
// result, or the end result itself without a callback.
int16_t TextInputFinish(int16_t result);
// Closes any open field without its callback (a new screen, the menu
// system's start).
void TextInput_Reset();

// What the open field holds (empty strings and 0 when none is open).
const char* TextInputEditText();
const char* TextInputDisplayText();
int TextInputCursor();
