// Page buttons, the pointer frame of modal loops, and the credits roll.
//
// A page-button list is a plain array of PageButton records ended by one of
// kind 0: the help panel's scroll buttons and the pre-match pages' bars use
// them outside the menu-item interpreter.
#pragma once

#include <cstdint>

// Kinds of a page button: 1-3 a label alone, 500 a bare button, 501-503 a
// button with a label. Labels: 1/501 a text number, 2/502 the int16 text
// number held at an address, 3/503 the string held at an address.
enum : uint16_t {
  PAGE_END = 0,
  PAGE_LABEL_TEXTNO = 1,
  PAGE_LABEL_TEXTNO_VAR = 2,
  PAGE_LABEL_STRING_VAR = 3,
  PAGE_BUTTON = 500,
  PAGE_BUTTON_TEXTNO = 501,
  PAGE_BUTTON_TEXTNO_VAR = 502,
  PAGE_BUTTON_STRING_VAR = 503,
};

// The label of a page button, by its kind.
struct PageLabel {
  int32_t textNumber = 0;
  const int16_t* textNumberVar = nullptr;
  const char* const* stringVar = nullptr;
  constexpr PageLabel() = default;
  constexpr PageLabel(int32_t number) : textNumber(number) {}
  constexpr PageLabel(const int16_t* var) : textNumberVar(var) {}
  constexpr PageLabel(const char* const* var) : stringVar(var) {}
};

// kind, the box (menu units, top-left), the label's alignment in the box
// (bits 0-1: 0 or 1 left at x + 2, 2 centred, 3 right at x + w - 2; bits
// 2-3 the vertical placement handed to the text routine), the label, its
// font, the word holding its text colour (null: the current colour), and the
// id FindButtonAtPos answers. The fields keep the order of the game's 24-byte
// record; its addresses are native pointers here.
struct PageButton {
  uint16_t kind;
  int16_t x, y, w, h;
  uint16_t alignment;
  PageLabel label;
  int16_t font;
  const int16_t* labelColour;
  int16_t id;
};

// The most records of a list that AppendButtonList fills (the end record
// included).
constexpr int PAGE_BUTTON_LIST_SIZE = 30;

// The label colour word of the pre-match pages' bars (0 white).
extern int16_t PageLabelColour;
// Set when FindButtonAtPos found a button under a press (the click sound's
// flag); the sound's player clears it.
extern int16_t PageButtonClicked;

// The id of the first button (kinds 500-503) whose box strictly contains x,
// y while the left button (bit 0) is down; -1 otherwise.
int16_t FindButtonAtPos(const PageButton* list, int buttons, int x, int y);
// The label in its box, in its font and the colour its word holds.
void DrawButtonLabel(const PageButton* button);
// The button of that id: its box (kinds 500-503), then its label.
void ShowButtonById(const PageButton* list, int16_t id);
// The index of the record of that id, or -1.
int FindButtonIndex(const PageButton* list, int16_t id);
// Empties a list (its first record becomes the end).
void ClearButtonRecord(PageButton* list);
// Appends a zero-ended list to a list of PAGE_BUTTON_LIST_SIZE records, each
// moved by dx, dy; answers 1, or 0 (and changes nothing) when it does not fit.
int AppendButtonList(PageButton* list, const PageButton* add, int dx, int dy);

// One pointer frame of a modal loop: draws the pointer, waits for the next
// frame, takes the pointer off and reads its position (menu units) and
// buttons. Without a menu screen it only waits a tick, enters the call in the
// primitives' log and answers 0, 0, no buttons.
// (Declared with the primitives in menus/menuprims.h.)

// ---- the credits roll ----

// An entry: flag bit 12 set: the text number's text (negative: an empty
// line); clear: the string (null: an empty line). Bits 0-3 the style: 0 font
// 2 in text colour 0, 1 font 1 in text colour 8.
struct CreditEntry {
  int32_t textNumber;
  const char* text;
  uint16_t flags;
};
constexpr uint16_t CREDIT_TEXTNO = 1 << 12;
constexpr int CREDIT_ENTRIES = 24;
extern const CreditEntry CreditsTable[CREDIT_ENTRIES];

// Runs the credits roll until a mouse button, Escape, or the last line's top
// reaching the top of the screen.
void ShowCredits();
// The roll over any table (ShowCredits runs it over CreditsTable); answers
// the ticks it ran.
uint32_t RunCreditsRoll(const CreditEntry* entries, int count);
// The text of an entry ("" for an empty line).
const char* CreditText(const CreditEntry& entry);
