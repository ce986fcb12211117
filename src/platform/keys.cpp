// Physical keys: names (as input scripts write them), USB HID usages (as the
// window back ends report them) and PC scan codes (as key messages carry them).
#include <strings.h>

#include "platform/platform.h"

namespace {

struct KeyRow {
  int usage;
  const char* name;
  uint8_t scan;
  bool extended;
};

// clang-format off
const KeyRow kKeys[] = {
  {4, "A", 0x1E, false}, {5, "B", 0x30, false}, {6, "C", 0x2E, false}, {7, "D", 0x20, false},
  {8, "E", 0x12, false}, {9, "F", 0x21, false}, {10, "G", 0x22, false}, {11, "H", 0x23, false},
  {12, "I", 0x17, false}, {13, "J", 0x24, false}, {14, "K", 0x25, false}, {15, "L", 0x26, false},
  {16, "M", 0x32, false}, {17, "N", 0x31, false}, {18, "O", 0x18, false}, {19, "P", 0x19, false},
  {20, "Q", 0x10, false}, {21, "R", 0x13, false}, {22, "S", 0x1F, false}, {23, "T", 0x14, false},
  {24, "U", 0x16, false}, {25, "V", 0x2F, false}, {26, "W", 0x11, false}, {27, "X", 0x2D, false},
  {28, "Y", 0x15, false}, {29, "Z", 0x2C, false},
  {30, "1", 0x02, false}, {31, "2", 0x03, false}, {32, "3", 0x04, false}, {33, "4", 0x05, false},
  {34, "5", 0x06, false}, {35, "6", 0x07, false}, {36, "7", 0x08, false}, {37, "8", 0x09, false},
  {38, "9", 0x0A, false}, {39, "0", 0x0B, false},
  {40, "Return", 0x1C, false}, {41, "Escape", 0x01, false}, {42, "Backspace", 0x0E, false},
  {43, "Tab", 0x0F, false}, {44, "Space", 0x39, false}, {45, "-", 0x0C, false}, {46, "=", 0x0D, false},
  {47, "[", 0x1A, false}, {48, "]", 0x1B, false}, {49, "\\", 0x2B, false}, {50, "#", 0x2B, false},
  {51, ";", 0x27, false}, {52, "'", 0x28, false}, {53, "`", 0x29, false}, {54, ",", 0x33, false},
  {55, ".", 0x34, false}, {56, "/", 0x35, false}, {57, "CapsLock", 0x3A, false},
  {58, "F1", 0x3B, false}, {59, "F2", 0x3C, false}, {60, "F3", 0x3D, false}, {61, "F4", 0x3E, false},
  {62, "F5", 0x3F, false}, {63, "F6", 0x40, false}, {64, "F7", 0x41, false}, {65, "F8", 0x42, false},
  {66, "F9", 0x43, false}, {67, "F10", 0x44, false}, {68, "F11", 0x57, false}, {69, "F12", 0x58, false},
  {70, "PrintScreen", 0x37, true}, {71, "ScrollLock", 0x46, false}, {72, "Pause", 0x45, true},
  {73, "Insert", 0x52, true}, {74, "Home", 0x47, true}, {75, "PageUp", 0x49, true},
  {76, "Delete", 0x53, true}, {77, "End", 0x4F, true}, {78, "PageDown", 0x51, true},
  {79, "Right", 0x4D, true}, {80, "Left", 0x4B, true}, {81, "Down", 0x50, true}, {82, "Up", 0x48, true},
  {83, "Numlock", 0x45, false}, {84, "Keypad /", 0x35, true}, {85, "Keypad *", 0x37, false},
  {86, "Keypad -", 0x4A, false}, {87, "Keypad +", 0x4E, false}, {88, "Keypad Enter", 0x1C, true},
  {89, "Keypad 1", 0x4F, false}, {90, "Keypad 2", 0x50, false}, {91, "Keypad 3", 0x51, false},
  {92, "Keypad 4", 0x4B, false}, {93, "Keypad 5", 0x4C, false}, {94, "Keypad 6", 0x4D, false},
  {95, "Keypad 7", 0x47, false}, {96, "Keypad 8", 0x48, false}, {97, "Keypad 9", 0x49, false},
  {98, "Keypad 0", 0x52, false}, {99, "Keypad .", 0x53, false}, {100, "NonUSBackslash", 0x56, false},
  {224, "Left Ctrl", 0x1D, false}, {225, "Left Shift", 0x2A, false}, {226, "Left Alt", 0x38, false},
  {227, "Left GUI", 0x5B, true}, {228, "Right Ctrl", 0x1D, true}, {229, "Right Shift", 0x36, false},
  {230, "Right Alt", 0x38, true}, {231, "Right GUI", 0x5C, true},
};
// clang-format on

}  // namespace

bool PlatKeyFromName(const char* name, PlatKeyCode* out) {
  if (!name) return false;
  for (const KeyRow& k : kKeys) {
    if (strcasecmp(k.name, name) == 0) {
      *out = {k.scan, k.extended};
      return true;
    }
  }
  return false;
}

bool PlatKeyFromUsage(int usage, PlatKeyCode* out) {
  for (const KeyRow& k : kKeys) {
    if (k.usage == usage) {
      *out = {k.scan, k.extended};
      return true;
    }
  }
  return false;
}

intptr_t PlatKeyLParam(PlatKeyCode key, bool up) {
  uint32_t l = 1u | (static_cast<uint32_t>(key.scan & 0x7F) << 16);
  if (key.extended) l |= 1u << 24;
  if (up) l |= (1u << 30) | (1u << 31);
  return static_cast<intptr_t>(static_cast<int32_t>(l));
}
