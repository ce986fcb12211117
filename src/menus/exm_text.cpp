// Text numbers: from a number to its string.
#include "menus/exm_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exmenu.h"
#include "menus/langtext.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "world/funcs.h"

#define ABORT_FILE "menus\\exm_text"

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

// ---- the text input field ----

namespace {

constexpr int kKeyEscape = 1, kKeyBackspace = 14, kKeyEnter = 28, kKeyLeftShift = 42, kKeyRightShift = 54,
              kKeyPadEnter = 156, kKeyHome = 199, kKeyLeft = 203, kKeyRight = 205, kKeyEnd = 207,
              kKeyDelete = 211;
// The only alignment a field takes: left and top.
constexpr uint16_t kAlignTopLeft = ALIGN_LEFT | ALIGN_TOP;
// The cursor blinks: shown for 18 ticks of every 25.
constexpr uint32_t kBlinkPeriod = 25, kBlinkShown = 18;
constexpr int kMaxFieldLines = 32;

const char kNoText[1] = "";

struct TextInputState {
  TextInputDesc desc{};
  // Managed blocks: the text edited and what is shown of it (maximum + 1
  // bytes each), the shown text cut into lines (maximum + 2) and a spare
  // buffer for a change being tried (maximum + 1).
  char* edit = nullptr;
  char* display = nullptr;
  char* lines = nullptr;
  char* spare = nullptr;
  int cursor = 0;  // characters from the start
  bool active = false;
  int32_t lastButtons = 0;
  // What the last drawing covered (menu units), so the next one wipes it.
  int drawnWidth = 0, drawnLines = 0;
};

TextInputState gInput;

void Bell() {
  std::fputc(7, stdout);
  std::fflush(stdout);
}

void FreeBuffers() {
  for (char** buffer : {&gInput.edit, &gInput.display, &gInput.lines, &gInput.spare})
    if (*buffer) FreeMemory(buffer);
}

void CloseField() {
  FreeBuffers();
  gInput.active = false;
}

// The shown form of a text: itself, or one "*" per character when masked.
void BuildDisplay(const char* text, char* out) {
  const size_t length = std::strlen(text);
  if (gInput.desc.flags & TEXTINPUT_MASKED)
    std::memset(out, '*', length);
  else
    std::memcpy(out, text, length);
  out[length] = '\0';
}

void RebuildDisplay() { BuildDisplay(gInput.edit, gInput.display); }

// The initial text into the edit buffer, at most the maximum length of it.
void CopyInitialText() {
  const char* initial = gInput.desc.initial ? gInput.desc.initial : kNoText;
  const size_t length = std::min<size_t>(std::strlen(initial), gInput.desc.maxLength);
  std::memmove(gInput.edit, initial, length);
  gInput.edit[length] = '\0';
}

// The width of the widest line of a text (lines end at newlines), current
// font, menu units.
int WidestLine(char* text) {
  int widest = 0;
  char* start = text;
  for (;;) {
    char* end = std::strchr(start, '\n');
    if (end) *end = '\0';
    widest = std::max(widest, GetStringSize(start, nullptr, nullptr));
    if (!end) break;
    *end = '\n';
    start = end + 1;
  }
  return widest;
}

bool InBox(const TextInputBox& box, int x, int y) {
  return box.x <= x && static_cast<int64_t>(x) < static_cast<int64_t>(box.x) + box.w && box.y <= y &&
         y < box.y + box.h;
}

char OtherLetterCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

// A typed character: inserted at the cursor when the text stays within the
// maximum length and the field's width, else the bell.
void TypeCharacter(uint8_t code) {
  if (code == 13) code = 10;
  if (code < 32 && code != 10) return;
  char c = static_cast<char>(code);
  if (const char* allowed = gInput.desc.allowed) {
    if (!std::strchr(allowed, c)) {
      const char other = OtherLetterCase(c);
      if (other == c || !std::strchr(allowed, other)) return;
      c = other;
    }
  }
  const size_t length = std::strlen(gInput.edit);
  if (length + 1 > gInput.desc.maxLength) {
    Bell();
    return;
  }
  // The text with the character, tried in the spare buffer and measured as
  // it would be shown.
  const size_t at = static_cast<size_t>(gInput.cursor);
  std::memcpy(gInput.spare, gInput.edit, at);
  gInput.spare[at] = c;
  std::memcpy(gInput.spare + at + 1, gInput.edit + at, length - at + 1);
  BuildDisplay(gInput.spare, gInput.lines);
  if (WidestLine(gInput.lines) > gInput.desc.width) {
    Bell();
    return;
  }
  std::memcpy(gInput.edit, gInput.spare, length + 2);
  ++gInput.cursor;
  RebuildDisplay();
}

int16_t ActOnKey(int key) {
  const uint16_t flags = gInput.desc.flags;
  const int length = static_cast<int>(std::strlen(gInput.edit));
  switch (key) {
    case kKeyEnter:
    case kKeyPadEnter:
      if (!(flags & TEXTINPUT_NO_ENTER)) return TEXTINPUT_ACCEPTED;
      break;  // then a newline
    case kKeyEscape:
      if (!(flags & TEXTINPUT_NO_ESCAPE)) return TEXTINPUT_CANCELLED;
      return TEXTINPUT_GOING_ON;
    case kKeyHome: gInput.cursor = 0; return TEXTINPUT_GOING_ON;
    case kKeyEnd: gInput.cursor = length; return TEXTINPUT_GOING_ON;
    case kKeyLeft:
      if (gInput.cursor > 0) --gInput.cursor;
      return TEXTINPUT_GOING_ON;
    case kKeyRight:
      if (gInput.cursor < length) ++gInput.cursor;
      return TEXTINPUT_GOING_ON;
    case kKeyBackspace:
      if (gInput.cursor == 0) {
        Bell();
      } else {
        std::memmove(gInput.edit + gInput.cursor - 1, gInput.edit + gInput.cursor,
                     static_cast<size_t>(length - gInput.cursor + 1));
        --gInput.cursor;
        RebuildDisplay();
      }
      return TEXTINPUT_GOING_ON;
    case kKeyDelete:
      if (gInput.cursor >= length) {
        Bell();
      } else {
        std::memmove(gInput.edit + gInput.cursor, gInput.edit + gInput.cursor + 1,
                     static_cast<size_t>(length - gInput.cursor));
        RebuildDisplay();
      }
      return TEXTINPUT_GOING_ON;
    default: break;
  }
  const bool shifted = KeyIsDown(kKeyLeftShift) || KeyIsDown(kKeyRightShift);
  TypeCharacter(KeyToAscii(key, shifted ? 1 : 0));
  return TEXTINPUT_GOING_ON;
}

void Accept() {
  char* destination = gInput.desc.destination;
  if (!destination) return;
  const size_t length = std::strlen(gInput.edit);
  std::memcpy(destination, gInput.edit, length + 1);
  if (gInput.desc.flags & TEXTINPUT_PAD) {
    const size_t padded = gInput.desc.maxLength > 0 ? gInput.desc.maxLength - 1u : 0u;
    if (length < padded) {
      std::memset(destination + length, ' ', padded - length);
      destination[padded] = '\0';
    }
  }
}

// The initial text back in the field and in the destination.
void Cancel() {
  CopyInitialText();
  gInput.cursor = static_cast<int>(std::strlen(gInput.edit));
  RebuildDisplay();
  if (gInput.desc.destination) std::memcpy(gInput.desc.destination, gInput.edit, std::strlen(gInput.edit) + 1);
}

// The field drawn anew over the screen's background: its lines from the
// top-left corner, and the cursor.
void DrawField(bool showCursor) {
  if (!MenuBufferPixels()) return;
  const TextInputDesc& d = gInput.desc;
  int lineHeight = 0;
  GetStringSize("", nullptr, &lineHeight);
  std::strcpy(gInput.lines, gInput.display);
  // A text wider than the field (an initial text can be) is shown whole
  // rather than wrapped.
  const int wide = std::max<int>(d.width, WidestLine(gInput.lines));
  char* lines[kMaxFieldLines];
  const int count = XDoTextAddr(gInput.lines, wide, lines, kMaxFieldLines);

  // The cursor's line, and its x from the start of that line.
  int cursorLine = 0, lineStart = 0;
  for (int i = 0; i < gInput.cursor; ++i)
    if (gInput.display[i] == '\n') {
      ++cursorLine;
      lineStart = i + 1;
    }
  std::memcpy(gInput.spare, gInput.display + lineStart, static_cast<size_t>(gInput.cursor - lineStart));
  gInput.spare[gInput.cursor - lineStart] = '\0';
  const int cursorX = d.x + GetStringSize(gInput.spare, nullptr, nullptr);

  const int shownLines = std::max({count, cursorLine + 1, 1});
  const int width = std::max(gInput.drawnWidth, wide + 2);
  const int height = std::max(gInput.drawnLines, shownLines) * lineHeight;
  const int scale = GetScreenScale();
  const int clippedW = std::min(width, MenuScreenWidth() / scale - d.x);
  const int clippedH = std::min(height, MenuScreenHeight() / scale - d.y);
  if (d.x >= 0 && d.y >= 0 && clippedW > 0 && clippedH > 0)
    RestoreBackgroundRect(d.x, d.y, clippedW, clippedH, kAlignTopLeft);
  for (int i = 0; i < count; ++i) DoTextAddr(d.x, d.y + i * lineHeight, kAlignTopLeft, lines[i]);
  if (showCursor) {
    const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
    const int colour = std::clamp(GetMenuTextColour(), 0, MENU_TEXT_COLOURS - 1);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, MenuTextColours[colour]);
    DrawFilledRectangle(cursorX, d.y + cursorLine * lineHeight, 1, lineHeight);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  }
  gInput.drawnWidth = wide + 2;
  gInput.drawnLines = shownLines;
}

}  // namespace

void ExmText_Reset() { gInput = TextInputState{}; }
REGISTER_RESET(RESET_MENUS, ExmText_Reset);

void EXTI_InitTextInput(const TextInputDesc* descriptor) {
  if (gInput.active) ABORT("EXTI_InitTextInput(): already active");
  if (!descriptor) ABORT("EXTI_InitTextInput(): no descriptor");
  FreeBuffers();
  gInput = TextInputState{};
  gInput.desc = *descriptor;
  const uint32_t maximum = gInput.desc.maxLength;
  AllocateMemory(&gInput.edit, maximum + 1, ManualFree);
  AllocateMemory(&gInput.display, maximum + 1, ManualFree);
  AllocateMemory(&gInput.lines, maximum + 2, ManualFree);
  AllocateMemory(&gInput.spare, maximum + 1, ManualFree);
  CopyInitialText();
  if (gInput.desc.flags & TEXTINPUT_PAD) TrimTrailingSpaces(gInput.edit);
  RebuildDisplay();
  gInput.cursor = static_cast<int>(std::strlen(gInput.edit));
  gInput.active = true;
  // A press already down (the click that opened the field) is not fresh.
  gInput.lastButtons = GetMenuButtons();
  KeyFlush();
}

void InitTextInput(int x, uint16_t alignment, int y, int width, const char* initial, char* destination,
                   const char* allowed, TextInputFinishFunc finish) {
  if (alignment != kAlignTopLeft) ABORT("InitTextInput(): only M_ALIGN_TL is supported");
  TextInputDesc desc{};
  desc.x = static_cast<int16_t>(x);
  desc.y = static_cast<int16_t>(y);
  desc.width = static_cast<int16_t>(width);
  desc.destination = destination;
  desc.finish = finish;
  desc.maxLength = static_cast<uint16_t>(std::min<size_t>(initial ? std::strlen(initial) : 0, 0xFFFF));
  desc.initial = initial;
  desc.one = 1;
  desc.allowed = allowed;
  desc.flags = TEXTINPUT_PAD;
  EXTI_InitTextInput(&desc);
}

bool IsTextInputActive() { return gInput.active; }

void SetTextInputActive(bool active) {
  if (!active)
    CloseField();
  else
    gInput.active = gInput.edit != nullptr;
}

int16_t TextInputFrame() {
  if (!gInput.active) return TEXTINPUT_GOING_ON;
  const TextInputDesc& d = gInput.desc;
  int16_t result = TEXTINPUT_GOING_ON;

  const int32_t buttons = GetMenuButtons();
  const bool press = (buttons & 1) && !(gInput.lastButtons & 1);
  gInput.lastButtons = buttons;
  if (press) {
    const int x = MenuPointerX(), y = MenuPointerY();
    if ((d.flags & TEXTINPUT_ACCEPT_BOX) && InBox(d.accept, x, y))
      result = TEXTINPUT_ACCEPTED;
    else if ((d.flags & TEXTINPUT_CANCEL_BOX) && InBox(d.cancel, x, y))
      result = TEXTINPUT_CANCELLED;
  }
  if (result == TEXTINPUT_GOING_ON) {
    const int key = KeyGetLast();
    if (key >= 0) {
      KeyWasPressed(key);  // the field has used it: no menu key acts on it later
      result = ActOnKey(key);
    }
  }
  // The characters typed into the field are not the menu's shortcuts.
  if (KeyIsInitialised())
    while (KeyAsciiAvailable() > 0) KeyAsciiRead();

  if (result == TEXTINPUT_ACCEPTED) Accept();
  if (result == TEXTINPUT_CANCELLED) Cancel();
  DrawField(result == TEXTINPUT_GOING_ON && TimerTicks.load() % kBlinkPeriod < kBlinkShown);
  return result;
}

int16_t TextInputFinish(int16_t result) {
  const TextInputFinishFunc finish = gInput.desc.finish;
  CloseField();
  return finish ? finish(result) : result;
}

void TextInput_Reset() { CloseField(); }

const char* TextInputEditText() { return gInput.edit ? gInput.edit : kNoText; }
const char* TextInputDisplayText() { return gInput.display ? gInput.display : kNoText; }
int TextInputCursor() { return gInput.active ? gInput.cursor : 0; }
