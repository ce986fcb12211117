// Page buttons, the pointer frame of modal loops and the credits roll (see
// pagebtns.h).
#include "menus/pagebtns.h"

#include "engine/input.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"

int16_t PageLabelColour = 0;
int16_t PageButtonClicked = 0;

namespace {

constexpr int kKeyEscape = 1;
constexpr int kCreditsBackground = 32;
constexpr int kCreditLine = 32;
constexpr int kScreenW = 640, kScreenH = 480;

bool IsButtonKind(uint16_t kind) { return kind >= PAGE_BUTTON && kind <= PAGE_BUTTON_STRING_VAR; }

const char* LabelText(const PageButton& b) {
  switch (b.kind) {
    case PAGE_LABEL_TEXTNO:
    case PAGE_BUTTON_TEXTNO:
      return GetTextNoAddr(b.label.textNumber);
    case PAGE_LABEL_TEXTNO_VAR:
    case PAGE_BUTTON_TEXTNO_VAR:
      return b.label.textNumberVar ? GetTextNoAddr(*b.label.textNumberVar) : "";
    case PAGE_LABEL_STRING_VAR:
    case PAGE_BUTTON_STRING_VAR:
      return b.label.stringVar && *b.label.stringVar ? *b.label.stringVar : "";
    default:
      return nullptr;  // a bare button
  }
}

void PageButtons_Reset() {
  PageLabelColour = 0;
  PageButtonClicked = 0;
}

}  // namespace

REGISTER_RESET(RESET_MENUS, PageButtons_Reset);

// ---- page buttons ----

int16_t FindButtonAtPos(const PageButton* list, int buttons, int x, int y) {
  if (!list || !(buttons & 1)) return -1;
  for (int i = 0; i < PAGE_BUTTON_LIST_SIZE && list[i].kind != PAGE_END; ++i) {
    const PageButton& b = list[i];
    if (!IsButtonKind(b.kind)) continue;
    if (x > b.x && x < b.x + b.w && y > b.y && y < b.y + b.h) {
      PageButtonClicked = 1;
      return b.id;
    }
  }
  return -1;
}

void DrawButtonLabel(const PageButton* button) {
  const char* text = LabelText(*button);
  if (!text || !*text) return;
  SetFont(button->font);
  if (button->labelColour) SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, *button->labelColour);
  int x = button->x + 2;
  uint16_t horizontal = ALIGN_LEFT;
  switch (button->alignment & 3) {
    case 2:
      x = button->x + button->w / 2;
      horizontal = ALIGN_HCENTRE;
      break;
    case 3:
      x = button->x + button->w - 2;
      horizontal = ALIGN_RIGHT;
      break;
    default:
      break;
  }
  int y = button->y + 2;
  uint16_t vertical = ALIGN_TOP;
  switch ((button->alignment >> 2) & 3) {
    case 2:
      y = button->y + button->h / 2;
      vertical = ALIGN_VMIDDLE;
      break;
    case 3:
      y = button->y + button->h - 2;
      vertical = ALIGN_BOTTOM;
      break;
    default:
      break;
  }
  DoTextAddr(x, y, static_cast<uint16_t>(horizontal | vertical), text);
}

int FindButtonIndex(const PageButton* list, int16_t id) {
  if (!list) return -1;
  for (int i = 0; i < PAGE_BUTTON_LIST_SIZE && list[i].kind != PAGE_END; ++i)
    if (list[i].id == id) return i;
  return -1;
}

void ShowButtonById(const PageButton* list, int16_t id) {
  const int index = FindButtonIndex(list, id);
  if (index < 0) return;
  const PageButton& b = list[index];
  if (IsButtonKind(b.kind)) DoButton(b.x, b.y, b.w, b.h);
  DrawButtonLabel(&b);
}

void ClearButtonRecord(PageButton* list) {
  if (list) list[0] = PageButton{};
}

int AppendButtonList(PageButton* list, const PageButton* add, int dx, int dy) {
  int used = 0;
  while (used < PAGE_BUTTON_LIST_SIZE && list[used].kind != PAGE_END) ++used;
  if (used == PAGE_BUTTON_LIST_SIZE) return 0;  // no end record: nothing more fits
  int count = 0;
  while (add && add[count].kind != PAGE_END) {
    ++count;
    if (used + count >= PAGE_BUTTON_LIST_SIZE) return 0;  // the end record must fit too
  }
  for (int i = 0; i < count; ++i) {
    PageButton b = add[i];
    b.x = static_cast<int16_t>(b.x + dx);
    b.y = static_cast<int16_t>(b.y + dy);
    list[used + i] = b;
  }
  list[used + count] = PageButton{};
  return 1;
}

// ---- the pointer frame ----

void WaitPointerFrame(int* x, int* y, int* buttons) {
  if (!MenuBufferPixels()) {
    // No menu screen (the world's own tests): the call is logged and a tick
    // waited; the pointer stands at the top-left with no button down.
    MenuPrims_Log("WaitPointerFrame");
    WaitTicks(1);
    if (x) *x = 0;
    if (y) *y = 0;
    if (buttons) *buttons = 0;
    return;
  }
  DrawMousePointer();
  UpdateMenuScreen();
  WaitNextFrame();
  RestorePointerBackground();
  ReadMousePointer(x, y, buttons);
}

// ---- the credits roll ----

const CreditEntry CreditsTable[CREDIT_ENTRIES] = {
    {0, "Gafferon 2000", 0},
    {0, nullptr, 0},
    {0, "Game Design", 1},
    {0, "Maren Holloway", 0},
    {0, "Tobias Quillfeather", 0},
    {0, nullptr, 0},
    {0, "Programming", 1},
    {0, "Idris Pennock", 0},
    {0, "Saoirse Blackwood", 0},
    {0, "Lucan Ferreday", 0},
    {0, nullptr, 0},
    {0, "Graphics", 1},
    {0, "Juno Abernathy", 0},
    {0, "Caspar Whitlow", 0},
    {0, nullptr, 0},
    {0, "Sound and Music", 1},
    {0, "Odalys Brennet", 0},
    {0, nullptr, 0},
    {0, "Football Research", 1},
    {0, "Fergus Langridge", 0},
    {0, "Nell Ashcombe", 0},
    {0, nullptr, 0},
    {0, "Testing", 1},
    {0, "The Thursday Night Five-a-Side Club", 0},
};

const char* CreditText(const CreditEntry& entry) {
  if (entry.flags & CREDIT_TEXTNO) {
    const int16_t number = static_cast<int16_t>(entry.textNumber & 0xFFFF);
    return number < 0 ? "" : GetTextNoAddr(number);
  }
  return entry.text ? entry.text : "";
}

uint32_t RunCreditsRoll(const CreditEntry* entries, int count) {
  if (!MenuBufferPixels() || !entries || count <= 0) return 0;
  const int font = GetFont();
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  const int32_t colour = GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR);
  DoBackground(kCreditsBackground);
  SaveScreenBackground();
  UpdateMenuScreen();
  KeyGetLast();  // a key pressed before the roll does not end it
  const uint32_t start = TimerTicks.load();
  // A button still held from the click that started the roll does not end
  // it: only a press made during the roll does.
  bool released = false;
  for (;;) {
    RestoreBackgroundRect(0, 0, kScreenW, kScreenH, ALIGN_LEFT | ALIGN_TOP);
    const int32_t elapsed = static_cast<int32_t>(TimerTicks.load() - start);
    const int32_t top = kScreenH - elapsed * 50 / 100;
    bool half = true;  // 50 per cent, then 25 for the next line, alternating
    for (int i = 0; i < count; ++i) {
      const char* text = CreditText(entries[i]);
      if (!*text) {
        half = true;
        continue;
      }
      const int percent = half ? 50 : 25;
      half = !half;
      const int32_t y = top + kCreditLine * i;
      if (y < 0 || y > kScreenH - kCreditLine - 1) continue;
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x0000);
      DrawShadeRectangle(120, y, 400, kCreditLine, percent);
      const bool small = (entries[i].flags & 15) == 1;
      SetFont(small ? 1 : 2);
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, small ? 8 : 0);
      DoTextAddr(320, y + kCreditLine / 2, ALIGN_CENTRED, text);
    }
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x0000);
    DrawFilledRectangle(0, 0, kScreenW, kCreditLine);
    DrawFilledRectangle(0, kScreenH - kCreditLine, kScreenW, kCreditLine);
    int x = 0, y = 0, buttons = 0;
    WaitPointerFrame(&x, &y, &buttons);
    if (!(buttons & 3)) released = true;
    if (released && (buttons & 3)) break;
    if (top + kCreditLine * (count - 1) <= 0) break;
    if (KeyGetLast() == kKeyEscape) break;
  }
  SetFont(font);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  return TimerTicks.load() - start;
}

void ShowCredits() { RunCreditsRoll(CreditsTable, CREDIT_ENTRIES); }
