// The keyboard: held keys, pressed latches, the last key, and characters
// through the selected keyboard language, read from the main window's key
// messages.
#include <cstring>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/onexit.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/winlib.h"

namespace {

constexpr int kLanguages = 5;
constexpr int kQueueLimit = 62;
constexpr int kLeftShift = 42, kRightShift = 54;

struct KeyboardState {
  int installed;
  uint16_t hookSlot;
  int language;
  uint8_t held[KEY_TABLE_SIZE];
  uint8_t pressed[KEY_TABLE_SIZE];
  int32_t last;
  uint8_t queue[KEY_QUEUE_SIZE];
  uint32_t written, read;
} gKeyboard;

// The language tables, normal and shifted, for keys 0 to 88; built from the
// keys all five languages share and the keys where they differ.
struct LanguageTables {
  uint8_t normal[kLanguages][KEY_LANGUAGE_KEYS];
  uint8_t shifted[kLanguages][KEY_LANGUAGE_KEYS];
  LanguageTables() {
    std::memset(normal, 0, sizeof normal);
    std::memset(shifted, 0, sizeof shifted);
    struct Same {
      int key;
      uint8_t normal, shifted;
    };
    static const Same kSame[] = {
        {1, 0x1B, 0x1B}, {14, 0x08, 0x08}, {15, 0x09, 0x09}, {18, 'e', 'E'}, {19, 'r', 'R'}, {20, 't', 'T'},
        {22, 'u', 'U'},  {23, 'i', 'I'},   {24, 'o', 'O'},   {25, 'p', 'P'}, {28, 0x0D, 0x0D}, {31, 's', 'S'},
        {32, 'd', 'D'},  {33, 'f', 'F'},   {34, 'g', 'G'},   {35, 'h', 'H'}, {36, 'j', 'J'}, {37, 'k', 'K'},
        {38, 'l', 'L'},  {45, 'x', 'X'},   {46, 'c', 'C'},   {47, 'v', 'V'}, {48, 'b', 'B'}, {49, 'n', 'N'},
        {55, '*', '*'},  {57, ' ', ' '},   {71, '7', '7'},   {72, '8', '8'}, {73, '9', '9'}, {74, '-', '-'},
        {75, '4', '4'},  {76, '5', '5'},   {77, '6', '6'},   {78, '+', '+'}, {79, '1', '1'}, {80, '2', '2'},
        {81, '3', '3'},  {82, '0', '0'},   {83, '.', '.'},
    };
    for (const Same& s : kSame)
      for (int l = 0; l < kLanguages; ++l) {
        normal[l][s.key] = s.normal;
        shifted[l][s.key] = s.shifted;
      }
    struct Differ {
      int key;
      uint8_t c[kLanguages][2];  // per language: normal, shifted
    };
    // clang-format off
    static const Differ kDiffer[] = {
      {2,  {{'1', '!'}, {'1', '!'}, {'1', '!'}, {'1', '!'}, {'1', '&'}}},
      {3,  {{'2', 0x22}, {'2', '@'}, {'2', 0x22}, {'2', 0x22}, {'2', 0xE9}}},
      {4,  {{'3', 0x9C}, {'3', '#'}, {'3', 0}, {'3', 0x9C}, {'3', 0x95}}},
      {5,  {{'4', '$'}, {'4', '$'}, {'4', '$'}, {'4', '$'}, {'4', ','}}},
      {6,  {{'5', '%'}, {'5', '%'}, {'5', '%'}, {'5', '%'}, {'5', '('}}},
      {7,  {{'6', '^'}, {'6', '^'}, {'6', '&'}, {'6', '^'}, {'6', '-'}}},
      {8,  {{'7', '&'}, {'7', '&'}, {'7', '/'}, {'7', '&'}, {'7', 0xE8}}},
      {9,  {{'8', '*'}, {'8', '*'}, {'8', '('}, {'8', '*'}, {'8', '_'}}},
      {10, {{'9', '('}, {'9', '('}, {'9', ')'}, {'9', '('}, {'9', 0xE7}}},
      {11, {{'0', ')'}, {'0', ')'}, {'0', '='}, {'0', ')'}, {'0', 0xE0}}},
      {12, {{'-', '_'}, {'-', '_'}, {0, '?'}, {'\'', 0}, {0xBA, ')'}}},
      {13, {{'=', '+'}, {'=', '+'}, {'\'', 0x60}, {0, 0}, {'+', '='}}},
      {16, {{'q', 'Q'}, {'q', 'Q'}, {'q', 'Q'}, {'q', 'Q'}, {'a', 'A'}}},
      {17, {{'w', 'W'}, {'w', 'W'}, {'w', 'W'}, {'w', 'W'}, {'z', 'Z'}}},
      {21, {{'y', 'Y'}, {'y', 'Y'}, {'z', 'Z'}, {'y', 'Y'}, {'y', 'Y'}}},
      {26, {{'[', '{'}, {'[', '{'}, {0, 0}, {'[', '{'}, {0x22, '^'}}},
      {27, {{']', '}'}, {']', '}'}, {'+', '*'}, {']', '}'}, {0xA3, '$'}}},
      {30, {{'a', 'A'}, {'a', 'A'}, {'a', 'A'}, {'a', 'A'}, {'q', 'Q'}}},
      {39, {{';', ':'}, {';', ':'}, {0, 0}, {0, 0}, {'m', 'M'}}},
      {40, {{'\'', '@'}, {'\'', 0x22}, {0, 0}, {0, 0}, {'%', 0xF9}}},
      {41, {{0x60, 0x60}, {0x60, '~'}, {0x5C, 0}, {0x5C, 0}, {0xB2, 0}}},
      {43, {{'#', '~'}, {0x5C, 0x7C}, {'#', 0}, {0, 0}, {0xB5, '*'}}},
      {44, {{'z', 'Z'}, {'z', 'Z'}, {'y', 'Y'}, {'z', 'Z'}, {'w', 'W'}}},
      {50, {{'m', 'M'}, {'m', 'M'}, {'m', 'M'}, {'m', 'M'}, {'?', ','}}},
      {51, {{',', '<'}, {',', '<'}, {',', ';'}, {',', ';'}, {'.', ';'}}},
      {52, {{'.', '>'}, {'.', '>'}, {'.', ':'}, {'.', ':'}, {'/', ':'}}},
      {53, {{'/', '?'}, {'/', '?'}, {'-', '_'}, {'-', '_'}, {0xA7, '!'}}},
      {86, {{0x5C, 0x7C}, {0, 0}, {'<', '>'}, {'<', '>'}, {'>', '<'}}},
    };
    // clang-format on
    for (const Differ& d : kDiffer)
      for (int l = 0; l < kLanguages; ++l) {
        normal[l][d.key] = d.c[l][0];
        shifted[l][d.key] = d.c[l][1];
      }
  }
};

const LanguageTables& Tables() {
  static const LanguageTables t;
  return t;
}

void ClearKeys() {
  std::memset(gKeyboard.held, 0, sizeof gKeyboard.held);
  std::memset(gKeyboard.pressed, 0, sizeof gKeyboard.pressed);
  gKeyboard.last = -1;
}

intptr_t KeyboardHook(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message != WM_KEYDOWN && message != WM_KEYUP) return WinPassMessage(window, message, wParam, lParam);
  uint32_t l = static_cast<uint32_t>(lParam);
  int key = static_cast<int>(((l >> 24) & 1) * 128 + ((l >> 16) & 0x7F));
  if (l & 0x80000000u) {
    gKeyboard.held[key] = 0;
    return 0;
  }
  gKeyboard.held[key] = 1;
  gKeyboard.pressed[key] = 1;
  gKeyboard.last = key;
  if (key < KEY_LANGUAGE_KEYS) {
    bool shift = gKeyboard.held[kLeftShift] || gKeyboard.held[kRightShift];
    uint8_t c = KeyToAscii(key, shift ? 1 : 0);
    if (c && gKeyboard.written - gKeyboard.read < static_cast<uint32_t>(kQueueLimit))
      gKeyboard.queue[gKeyboard.written++ % KEY_QUEUE_SIZE] = c;
  }
  return 0;
}

}  // namespace

void InitKeyboardInterrupt() {
  if (gKeyboard.installed)
    FatalError("Error: InitKeyboardInterrupt(): Cannot set keyboard interrupt if already running\n");
  gKeyboard.hookSlot = WinAddWindowProc(KeyboardHook);
  gKeyboard.installed = 1;
  OnExitAddEx(ClearKeyboardInterrupt, "ClearKeyboardInterrupt()");
  gKeyboard.language = 0;
  ClearKeys();
  gKeyboard.written = gKeyboard.read = 0;
  DPRINT(DEBUG_INPUT, 1, "InitKeyboardInterrupt(): initialised\n");
}

void ClearKeyboardInterrupt() {
  if (!gKeyboard.installed)
    FatalError("Error: ClearKeyboardInterrupt(): Cannot stop keyboard interrupt if not running\n");
  OnExitRemove(ClearKeyboardInterrupt);
  WinRemoveWindowProc(gKeyboard.hookSlot);
  gKeyboard.installed = 0;
  DPRINT(DEBUG_INPUT, 1, "ClearKeyboardInterrupt(): cleared\n");
}

void SetKeyboardLanguage(int language) {
  if (language < 0 || language >= kLanguages) FatalError("Error: SetKeyboardLanguage(): unknown language\n");
  gKeyboard.language = language;
}

int KeyIsInitialised() { return gKeyboard.installed; }

int KeyIsDown(int key) { return key >= 0 && key < KEY_TABLE_SIZE && gKeyboard.held[key] ? 1 : 0; }

int KeyWasPressed(int key) {
  if (key < 0 || key >= KEY_TABLE_SIZE || !gKeyboard.pressed[key]) return 0;
  gKeyboard.pressed[key] = 0;
  return 1;
}

int KeyGetLast() {
  int key = gKeyboard.last;
  gKeyboard.last = -1;
  return key;
}

uint8_t KeyToAscii(int key, int shifted) {
  if (key < 0 || key >= KEY_LANGUAGE_KEYS) return 0;
  const LanguageTables& t = Tables();
  return shifted ? t.shifted[gKeyboard.language][key] : t.normal[gKeyboard.language][key];
}

int KeyAsciiAvailable() {
  if (!gKeyboard.installed) FatalError("Error: KeyAsciiAvailable(): keyboard not initialised\n");
  return static_cast<int>(gKeyboard.written - gKeyboard.read);
}

uint8_t KeyAsciiRead() {
  if (!gKeyboard.installed) FatalError("Error: KeyAsciiRead(): keyboard not initialised\n");
  while (gKeyboard.written == gKeyboard.read) Poll();
  return gKeyboard.queue[gKeyboard.read++ % KEY_QUEUE_SIZE];
}

void KeyFlush() {
  ClearKeys();
  gKeyboard.read = gKeyboard.written;
}

void KeyboardReset() { gKeyboard = {}; }
REGISTER_RESET(RESET_ENGINE, KeyboardReset);
