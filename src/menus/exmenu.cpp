// The menu item interpreter, the menu stack, the menu loop, the pop-up lists
// and the timers (see exmenu.h).
#include "menus/exmenu.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/exmenu_keys.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/records.h"

#define ABORT_FILE "menus\\exmenu"

namespace {

constexpr int kScreenW = 640, kScreenH = 480;
constexpr uint16_t kAlignTopLeft = ALIGN_LEFT | ALIGN_TOP;
constexpr uint16_t kSliderDragColour = 39529;
constexpr uint16_t kSliderColour = 25388;
constexpr uint16_t kTextButtonFill = 210;
constexpr uint16_t kPopupHighlight = 6348;
constexpr uint16_t kPopupTick = 0xCE59;
constexpr int kPopupDisabledText = 10;
constexpr int kPopupSection = 3;
constexpr int kPopupSlack = 32;

// The drop-down being shown.
struct OpenPopup {
  bool open = false;
  PopupRow* list = nullptr;  // the whole list (handed to the row callbacks)
  int16_t first = 0;         // index in the list of its first row
  int16_t rows = 0;
  int16_t listIndex = 0;     // which drop-down of the list
  int16_t x = 0, y = 0, w = 0, h = 0;
  int16_t rowHeight = 0;
  int16_t textX = 0;         // where the row texts start
  int16_t highlight = -1;    // row under the pointer, -1 none
  uint16_t fill = 0;
  // Opened from the keyboard: the pointer leaves it alone until it moves.
  bool keyboard = false;
  int keyX = 0, keyY = 0;
};

struct ExMenuState {
  bool running = false;
  std::vector<MenuStackEntry> stack;
  std::vector<MenuHotspot> hotspots;
  std::vector<MenuButtonRecord> buttons;
  std::vector<MenuTimer> timers;
  int32_t nextTimerId = 1;
  // The draw pass.
  const MenuItem* pending = nullptr;
  bool drawing = false;
  bool passedMark = false;
  int mode = 0;
  int animIndex = 0;
  int32_t passes = 0;
  // The pointer and the press.
  int pointerX = 0, pointerY = 0, pointerButtons = 0, previousButtons = 0;
  bool pressPending = false;  // a press read and not yet served
  int16_t pressed = -1;
  uint32_t lastTicks = 0;
  void (*postDraw)() = nullptr;
  // The menu bar laid out by the last type-0x2008 item, and the open list.
  PopupLayout menuBar{};
  OpenPopup popup;
  // The screen header.
  int16_t badgeClub = -1;
};

ExMenuState gMenu;
// The header's two date strings (the header table points at them).
char gHeaderDates[2][40];

void NoClubBadge(int16_t, int, int, int, int) {}

[[noreturn]] void AbortF(int line, const char* format, ...) __attribute__((format(printf, 2, 3)));
void AbortF(int line, const char* format, ...) {
  char message[160];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  AbortError(ABORT_FILE, line, message);
}

// ---- item classes ----

bool IsValidType(uint16_t t) {
  return (t >= 1 && t <= 34) || (t >= 36 && t <= 38) || (t >= 48 && t <= 54) || (t >= 56 && t <= 58) ||
         (t >= 61 && t <= 68) || (t >= 70 && t <= 87) || (t >= 0x2008 && t <= 0x200F);
}

// Handled in the control pass (fonts, colours, types, backgrounds, boxes,
// sub-tables, lists, text buttons, owner-draw, the mark).
bool IsSpecial(uint16_t t) {
  return (t >= 11 && t <= 14) || (t >= 25 && t <= 30) || (t >= 33 && t <= 36) || (t >= 48 && t <= 54) ||
         (t >= 56 && t <= 58) || t == 61 || t == 62 || t == 68 || t == 70 || t == 73 || (t >= 76 && t <= 87) ||
         (t >= 0x2008 && t <= 0x200F);
}

int AnimKind(uint16_t t) {
  switch (t) {
    case 5: case 6: return ANIM_LOOP;
    case 9: case 10: return ANIM_STILL;
    case 74: case 75: return ANIM_HOVER;
    case 37: case 38: return ANIM_TOGGLE3;
    case 1: case 2: return ANIM_TOGGLE4;
    case 7: case 8: return ANIM_PATH;
    default: return -1;
  }
}

// Display types whose w is the alignment.
bool UsesAlignment(uint16_t t) { return (t >= 1 && t <= 10) || (t >= 15 && t <= 24) || AnimKind(t) >= 0; }

bool NotInRepeatedTable(uint16_t t) {
  return t == 11 || t == 12 || t == 33 || t == 35 || t == 54 || t == 56 || t == 61;
}

// Types whose value is read through the variable at a.
bool ReadsVariable(uint16_t t) {
  switch (t) {
    case 2: case 4: case 6: case 8: case 10: case 12: case 14: case 16: case 18:
    case 20: case 21: case 22: case 23: case 24: case 26: case 28: case 30: case 32: case 34:
    case 38: case 49: case 51: case 53: case 58: case 62: case 64: case 65: case 67: case 68:
    case 72: case 75: case 77: case 79: case 81: case 83: case 85: case 87:
    case 0x200D: case 0x200F:
      return true;
    default:
      return false;
  }
}

// ---- values ----

const uint8_t* VariableAt(const MenuItem* item, int row) {
  const uint8_t* base = static_cast<const uint8_t*>(item->a.data);
  if (!base) AbortF(__LINE__, "GetVarsFromMI(): no variable for item [%u]", item->type);
  if (row >= 0) base += static_cast<ptrdiff_t>(row) * item->h;
  return base;
}

template <typename T>
T ReadVar(const uint8_t* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

// A number variable of the item, or the blank marker when it holds its blank.
template <typename T>
int32_t ReadNumberOrBlank(const MenuItem* item, int row, T blank) {
  const T v = ReadVar<T>(VariableAt(item, row));
  return v == blank ? MENU_BLANK_VALUE : v;
}

void CheckAnimRecord(const int16_t* anim, uint16_t type) {
  if (!anim) AbortF(__LINE__, "ActOnType(): animated item [%u] without frames", type);
}

// The icon of a record's current frame (kind 5: the third word of a frame).
int16_t FrameIcon(const MenuButtonRecord& r) {
  return r.kind == ANIM_PATH ? r.anim[1 + 3 * r.frame + 2] : r.anim[1 + r.frame];
}
bool FrameExists(const MenuButtonRecord& r, int frame) {
  if (frame < 0) return false;
  return r.kind == ANIM_PATH ? r.anim[1 + 3 * frame + 2] != 0 : r.anim[1 + frame] != 0;
}

// ---- hot spots ----

void AlignBox(int* x, int* y, int w, int h, uint16_t alignment) {
  switch (alignment & 3) {
    case 1: break;
    case 2: *x -= w / 2; break;
    case 3: *x -= w; break;
    default: *x = 0; break;
  }
  switch ((alignment >> 2) & 3) {
    case 1: break;
    case 2: *y -= h / 2; break;
    case 3: *y -= h; break;
    default: *y = 0; break;
  }
}

MenuHotspot& AddHotspot(const MenuItem* item, int x, int y, int w, int h, uint16_t alignment, int16_t counter,
                        int column, int row, int16_t button) {
  AlignBox(&x, &y, w, h, alignment);
  MenuHotspot spot{};
  spot.x = static_cast<int16_t>(x);
  spot.y = static_cast<int16_t>(y);
  spot.w = static_cast<int16_t>(w);
  spot.h = static_cast<int16_t>(h);
  spot.handler = item ? item->b.click : nullptr;
  spot.parent = counter;
  spot.repetition = static_cast<int16_t>(row);
  spot.column = static_cast<int16_t>(column);
  spot.button = button;
  spot.kind = item ? static_cast<int16_t>(item->type) : 0;
  spot.item = item;
  gMenu.hotspots.push_back(spot);
  return gMenu.hotspots.back();
}

bool Inside(const MenuHotspot& s, int x, int y) { return x >= s.x && x < s.x + s.w && y >= s.y && y < s.y + s.h; }

int HitTest(int x, int y) {
  for (size_t i = 0; i < gMenu.hotspots.size(); ++i)
    if (Inside(gMenu.hotspots[i], x, y)) return static_cast<int>(i);
  return -1;
}

// ---- drawing helpers ----

// Drawing of the items before the background mark is left out when only the
// dynamic part is redrawn.
bool ControlDrawing() { return !(gMenu.mode == 1 && !gMenu.passedMark); }
bool DisplayDrawing() { return GetMenuEvent() == MENU_EVENT_INIT || gMenu.passedMark; }

void TextSize(const char* text, int* w, int* h) {
  *w = 0;
  *h = 0;
  GetStringSize(text ? text : "", w, h);
}

const char* TextOfButton(const MenuItem* item, int row) {
  switch (item->type) {
    case MI_TEXT_BUTTON:
    case MI_TEXT_BUTTON_VAR:
      return GetTextNoAddr(GetVarsFromMI(item, row));
    default: {
      const char* text = static_cast<const char*>(GetPointerFromMI(item, row));
      return text ? text : "";
    }
  }
}

void DrawButtonRecord(MenuButtonRecord& r) {
  const int16_t icon = FrameIcon(r);
  int x = r.x, y = r.y;
  if (r.kind == ANIM_PATH) {
    x += r.anim[1 + 3 * r.frame];
    y += r.anim[1 + 3 * r.frame + 1];
  }
  int w = 0, h = 0;
  GetIconSizeScaled(icon, &w, &h);
  int bx = x, by = y;
  ApplyAlignment(&bx, &by, w, h, r.alignment);
  r.drawnX = static_cast<int16_t>(bx);
  r.drawnY = static_cast<int16_t>(by);
  r.drawnW = static_cast<int16_t>(w);
  r.drawnH = static_cast<int16_t>(h);
  DoIcon(x, y, r.alignment, icon);
}

void RedrawButtonRecord(MenuButtonRecord& r) {
  if (r.drawnW > 0 && r.drawnH > 0) RestoreBackgroundRect(r.drawnX, r.drawnY, r.drawnW, r.drawnH, kAlignTopLeft);
  DrawButtonRecord(r);
}

// The button record of an animated item in this pass: the one made for it
// earlier, or a new one.
int16_t ButtonRecordFor(const MenuItem* item, const int16_t* anim, int x, int y, int w, int h) {
  const int index = gMenu.animIndex++;
  const int kind = AnimKind(item->type);
  if (index > static_cast<int>(gMenu.buttons.size()))
    ABORT("Error, AnimNum is greater than NumAnimates @ ActOnType()");
  if (index == static_cast<int>(gMenu.buttons.size()) || gMenu.buttons[index].anim != anim ||
      gMenu.buttons[index].kind != kind) {
    MenuButtonRecord r{};
    r.kind = static_cast<int16_t>(kind);
    r.anim = anim;
    r.delay = anim[0];
    r.countdown = 1;
    r.frame = 0;
    r.state = (kind == ANIM_TOGGLE3 || kind == ANIM_TOGGLE4) ? ANIM_STOPPED : ANIM_FORWARD;
    if (index == static_cast<int>(gMenu.buttons.size()))
      gMenu.buttons.push_back(r);
    else
      gMenu.buttons[index] = r;
  }
  MenuButtonRecord& r = gMenu.buttons[index];
  r.x = static_cast<int16_t>(x);
  r.y = static_cast<int16_t>(y);
  r.w = static_cast<int16_t>(w);
  r.h = static_cast<int16_t>(h);
  r.alignment = static_cast<uint16_t>(item->w);
  return static_cast<int16_t>(index);
}

void DrawSlider(const MenuItem* item, const MenuSlider* slider, int x, int y, int w, int h, bool dragged) {
  if (slider->max <= 0 || slider->max < slider->visible) return;  // nothing to scroll: no thumb
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, dragged ? kSliderDragColour : kSliderColour);
  if (item->type == MI_HSLIDER)
    DoButton(x + slider->pos * w / slider->max, y, std::max(1, slider->visible * w / slider->max), h);
  else
    DoButton(x, y + slider->pos * h / slider->max, w, std::max(1, slider->visible * h / slider->max));
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
}

void DrawTextButton(const MenuItem* item, int row, int x, int y, int w, int h) {
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kTextButtonFill);
  DoButton(x, y, w, h);
  DoTextAddr(x + w / 2, y + h / 2, ALIGN_CENTRED, TextOfButton(item, row));
}

void WalkSubTable(const MenuItem* item, int16_t* counter, int x, int y, int column, int mode) {
  const MenuItem* table = static_cast<const MenuItem*>(GetPointerFromMI(item, -1));
  if (!table) return;
  int repeats = item->w != 0 ? item->w : GetTableRowCount();
  const bool columns = item->type == MI_COLUMNS || item->type == MI_COLUMNS_VAR;
  for (int rep = 0; rep < repeats; ++rep) {
    const int ox = columns ? x + rep * item->h : x;
    const int oy = columns ? y : y + rep * item->h;
    for (const MenuItem* sub = table; sub->type != MI_END; ++sub) {
      ++*counter;
      ActOnType(sub, counter, ox, oy, columns ? rep : column, rep, mode);
    }
  }
}

// The menu bar of a type-0x2008 item: its titles, a hot spot on each.
void ShowMenuBar(const MenuItem* item, int16_t counter) {
  PopupRow* list = static_cast<PopupRow*>(item->a.var);
  if (!list) return;
  const uint16_t fill = static_cast<uint16_t>(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR));
  LayoutPopupList(list, &gMenu.menuBar);
  for (int i = 0; i < gMenu.menuBar.headers; ++i) {
    const PopupHeaderLayout& header = gMenu.menuBar.header[i];
    if (header.first < 0) continue;
    if (ControlDrawing()) DoTextAddr(header.x, header.y, kAlignTopLeft, PopupRowText(&list[header.first]));
    MenuHotspot& spot =
        AddHotspot(nullptr, header.x, header.y, header.titleWidth, gMenu.menuBar.rowHeight, kAlignTopLeft, counter, -1,
                   -1, -1);
    spot.kind = static_cast<int16_t>(MI_POPUP_LIST);
    spot.popup = list;
    spot.popupIndex = static_cast<int16_t>(i);
    spot.popupFill = fill;
  }
}

// ---- the control pass ----

void ShowSpecial(const MenuItem* item, int16_t* counter, int x, int y, int w, int h, int column, int row, int mode) {
  const uint16_t t = item->type;
  switch (t) {
    case MI_BACKGROUND:
    case MI_BACKGROUND_VAR:
      if (ControlDrawing()) {
        DoBackground(GetVarsFromMI(item, row));
      } else {  // the picture stays; its drawing state is set as it would be
        SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x03E0);
        SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
        SetFont(1);
        SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, 0);
        SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
      }
      break;
    case MI_FONT:
    case MI_FONT_VAR:
      SetFont(GetVarsFromMI(item, row));
      break;
    case MI_FILLED_BAR: case MI_FILLED_BAR_VAR:
      if (ControlDrawing()) DrawFilledBar(x, y, w, h);
      break;
    case MI_OUTLINE: case MI_OUTLINE_VAR:
      if (ControlDrawing()) DrawRectangleOutline(x, y, w, h);
      break;
    case MI_FILLED_RECT: case MI_FILLED_RECT_VAR:
      if (ControlDrawing()) DrawFilledRectangle(x, y, w, h);
      break;
    case MI_SUBTABLE: case MI_SUBTABLE_VAR: case MI_COLUMNS: case MI_COLUMNS_VAR:
      WalkSubTable(item, counter, x, y, column, mode);
      break;
    case MI_OWNER_DRAW:
      if (!item->a.draw) ABORT("ShowAnItem(): invalid M_SPECIAL");
      if (item->x == -1 && item->y == -1)
        item->a.draw(-1, -1, item->w, item->h);
      else if (ControlDrawing())
        item->a.draw(x, y, w, h);
      break;
    case MI_TEXT_COLOUR: case MI_TEXT_COLOUR_VAR:
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, GetVarsFromMI(item, row));
      break;
    case MI_FILL_COLOUR: case MI_FILL_COLOUR_VAR:
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, GetVarsFromMI(item, row));
      break;
    case MI_NUMBER_TYPE: case MI_NUMBER_TYPE_VAR:
      SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, GetVarsFromMI(item, row));
      break;
    case MI_HEADER: {
      if (!item->a.screen) ABORT("ShowAnItem(): invalid M_SPECIAL");
      const int16_t result = item->a.screen(item);
      if (result >= MENU_RESULT_REDRAW && result <= MENU_RESULT_LEAVE) SetMenuResult(result);
      break;
    }
    case MI_BACKGROUND_MARK:
      if (GetMenuEvent() == MENU_EVENT_INIT)
        SaveScreenBackground();
      else
        RestoreBackgroundRect(0, 0, kScreenW, kScreenH, kAlignTopLeft);
      gMenu.passedMark = true;
      break;
    case MI_ROW_COUNTER:
      *counter = static_cast<int16_t>(GetVarsFromMI(item, row));
      break;
    case MI_ROW_COUNT:
      SetTableRowCount(static_cast<int16_t>(GetVarsFromMI(item, row)));
      break;
    case MI_BUTTON_TYPE: case MI_BUTTON_TYPE_VAR:
      SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, GetVarsFromMI(item, row));
      break;
    case MI_POPUP_LIST:
      ShowMenuBar(item, *counter);
      break;
    case MI_POPUP_ANCHOR:
      if (gMenu.hotspots.empty()) ABORT("ActOnType(): pop-up anchor without a hot spot");
      gMenu.hotspots.back().popup = static_cast<PopupRow*>(item->a.var);
      gMenu.hotspots.back().popupIndex = 0;
      gMenu.hotspots.back().popupFill = static_cast<uint16_t>(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR));
      break;
    case MI_HOTSPOT_BOX: {
      if (gMenu.hotspots.empty()) ABORT("ActOnType(): hot-spot box without a hot spot");
      MenuHotspot& spot = gMenu.hotspots.back();
      spot.x = static_cast<int16_t>(x);
      spot.y = static_cast<int16_t>(y);
      spot.w = item->w;
      spot.h = item->h;
      break;
    }
    case MI_COLUMN_TEXT_BOXES:
      if (ControlDrawing()) ExMenu.doColumnTextBoxes(item, x, y, static_cast<uint16_t>(item->w));
      break;
    case MI_TEXT_BUTTON: case MI_STRING_BUTTON_VAR: case MI_STRING_BUTTON: case MI_TEXT_BUTTON_VAR:
      if (ControlDrawing()) DrawTextButton(item, row, x, y, w, h);
      break;
    case MI_ATTR0: case MI_ATTR0_VAR: case MI_REGION_VALUE:
      break;
    default:
      if (t >= MI_ATTR5 && t <= MI_ATTR9_VAR) break;
      ABORT("ShowAnItem(): invalid M_SPECIAL item");
  }
}

// ---- the display pass ----

int16_t ShowDisplayItem(const MenuItem* item, int x, int y, int w, int h, int row) {
  const uint16_t t = item->type;
  const bool draw = DisplayDrawing();
  const int kind = AnimKind(t);
  if (kind >= 0) {
    const int16_t* anim = static_cast<const int16_t*>(GetPointerFromMI(item, row));
    CheckAnimRecord(anim, t);
    const int16_t index = ButtonRecordFor(item, anim, x, y, w, h);
    if (draw && kind != ANIM_PATH) DrawButtonRecord(gMenu.buttons[index]);
    return index;
  }
  if (!draw) return -1;
  switch (t) {
    case MI_ICON: case MI_ICON_VAR:
      DoIcon(x, y, static_cast<uint16_t>(item->w), GetVarsFromMI(item, row));
      break;
    case MI_TEXTNO: case MI_TEXTNO_VAR:
      DoTextNo(x, y, static_cast<uint16_t>(item->w), GetVarsFromMI(item, row));
      break;
    case MI_STRING: case MI_STRING_VAR:
      if (const char* text = static_cast<const char*>(GetPointerFromMI(item, row)))
        DoTextAddr(x, y, static_cast<uint16_t>(item->w), text);
      break;
    case MI_NUMBER: case MI_NUMBER_U8: case MI_NUMBER_S8: case MI_NUMBER_U16: case MI_NUMBER_S16:
    case MI_NUMBER_S32: {
      const int32_t value = GetVarsFromMI(item, row);
      if (t == MI_NUMBER || value != MENU_BLANK_VALUE) DoNumber(x, y, static_cast<uint16_t>(item->w), value);
      break;
    }
    case MI_HSLIDER: case MI_VSLIDER: {
      const MenuSlider* slider = static_cast<const MenuSlider*>(GetPointerFromMI(item, row));
      if (!slider) AbortF(__LINE__, "ActOnType(): slider [%u] without a value", t);
      const bool dragged = gMenu.pressed >= 0 && gMenu.pressed < static_cast<int>(gMenu.hotspots.size()) &&
                           gMenu.hotspots[gMenu.pressed].item == item;
      DrawSlider(item, slider, x, y, w, h, dragged);
      break;
    }
    case MI_MENU_BAR:
      if (item->a.draw) item->a.draw(x, y, w, h);
      break;
    case MI_TEXT_BOX: case MI_TEXT_BOX_VAR:
      if (const char* text = static_cast<const char*>(GetPointerFromMI(item, row)))
        DoTextBoxAddr(x, y, w, h, kAlignTopLeft, text);
      break;
    default:  // regions draw nothing
      break;
  }
  return -1;
}

bool HasHotspotRule(uint16_t t) {
  if (!IsSpecial(t)) return true;
  return (t >= 25 && t <= 30) || t == MI_OWNER_DRAW || t == MI_REGION_VALUE || (t >= 0x200B && t <= 0x200F);
}

// ---- pop-up lists ----

bool IsHeaderKind(uint16_t kind) { return kind >= POPUP_HEADER_TEXTNO && kind <= POPUP_HEADER_EMPTY; }
bool IsRowKind(uint16_t kind) { return kind >= POPUP_ROW_TEXTNO && kind <= POPUP_ROW_TEXTNO_VAR; }

// Row text without the shortcut marks.
void StripShortcut(const char* text, char* out, size_t size) {
  size_t n = 0;
  for (const char* c = text; *c && n + 1 < size; ++c)
    if (*c != '_') out[n++] = *c;
  out[n] = 0;
}

void ClosePopup(bool restore) {
  if (!gMenu.popup.open) return;
  gMenu.popup.open = false;
  if (IsSavedScreenSection(kPopupSection)) {
    if (restore)
      RestoreScreenSection(kPopupSection);
    else
      ResetScreenSection(kPopupSection);
  }
}

// A ticked row's mark stands just after its text, which on the widest row is
// past the box: the kept section reaches that far too.
constexpr int kTickRoom = 12;

void ShowPopup() {
  OpenPopup& p = gMenu.popup;
  const int scale = GetScreenScale();
  const int w = std::min(p.w + kTickRoom, kScreenW - p.x);
  if (MenuBufferPixels()) PreserveScreenSection(kPopupSection, p.x * scale, p.y * scale, w * scale, p.h * scale);
  DrawPopupList();
}

// Opens the drop-down of a hot spot: the header's prepare function first,
// then the layout, then the list drawn over a kept section of the screen.
void OpenHotspotPopup(const MenuHotspot& spot) {
  PopupRow* list = spot.popup;
  PopupLayout layout{};
  LayoutPopupList(list, &layout);
  if (spot.popupIndex < 0 || spot.popupIndex >= layout.headers) return;
  const PopupHeaderLayout& header = layout.header[spot.popupIndex];
  if (header.first >= 0 && list[header.first].prepare) {
    list[header.first].prepare(list);
    LayoutPopupList(list, &layout);  // the prepare function may change the rows
  }
  const PopupHeaderLayout& laid = layout.header[spot.popupIndex];
  if (laid.rows <= 0) return;
  OpenPopup& p = gMenu.popup;
  p = OpenPopup{};
  p.open = true;
  p.list = list;
  p.first = static_cast<int16_t>(laid.first + 1);
  p.rows = laid.rows;
  p.listIndex = spot.popupIndex;
  p.rowHeight = layout.rowHeight;
  p.w = laid.w;
  p.h = laid.h;
  p.fill = spot.popupFill;
  int bang = 0, unused = 0;
  TextSize("!", &bang, &unused);
  p.textX = static_cast<int16_t>(bang);
  // A menu-bar drop-down hangs under its title, a list of a hot spot under
  // the hot spot; both stay on the screen.
  int x = spot.x, y = spot.y + spot.h;
  if (x + p.w > kScreenW) x = kScreenW - p.w;
  if (y + p.h > kScreenH) y = spot.y - p.h;
  p.x = static_cast<int16_t>(std::max(0, x));
  p.y = static_cast<int16_t>(std::max(0, y));
  p.w = static_cast<int16_t>(std::min<int>(p.w, kScreenW - p.x));
  p.h = static_cast<int16_t>(std::min<int>(p.h, kScreenH - p.y));
  ShowPopup();
}

// ---- frames ----

void ReadPointer() {
  int x = gMenu.pointerX, y = gMenu.pointerY, buttons = 0;
  ReadMousePointer(&x, &y, &buttons);
  gMenu.previousButtons = gMenu.pointerButtons;
  gMenu.pointerX = x;
  gMenu.pointerY = y;
  gMenu.pointerButtons = buttons & 3;
  SetMenuButtons(gMenu.pointerButtons);
  if ((gMenu.pointerButtons & 1) && !(gMenu.previousButtons & 1)) gMenu.pressPending = true;
}

// A press of the left button not served yet (it is kept across a redraw, so
// a click made while a screen draws is not lost).
bool TakePress() { return std::exchange(gMenu.pressPending, false); }

void RunTimers() {
  const uint32_t now = TimerTicks.load();
  for (size_t i = 0; i < gMenu.timers.size(); ++i) {
    MenuTimer& t = gMenu.timers[i];
    if (t.id == 0) continue;
    if (!t.started) {
      t.started = 1;
      t.startDelay = static_cast<int32_t>(now) + t.startDelay;  // from now on the tick it starts
      t.lastRun = static_cast<int32_t>(now);
      continue;
    }
    const int32_t n = static_cast<int32_t>(now);
    if (n > t.startDelay && t.remaining != 0 && t.lastRun + t.interval < n) {
      t.lastRun = n;
      --t.remaining;
      if (t.callback) t.callback(&t, static_cast<int>(i));
    }
  }
}

// A slider follows the pointer while it is held: answers whether it moved.
bool DragSlider(MenuHotspot& spot) {
  MenuSlider* slider = static_cast<MenuSlider*>(const_cast<void*>(spot.valuePtr));
  if (!slider) return false;
  int16_t pos = 0;
  if (slider->max > 0 && slider->max >= slider->visible) {
    const bool horizontal = spot.role == HOTSPOT_HSLIDER;
    const int offset = horizontal ? gMenu.pointerX - spot.x : gMenu.pointerY - spot.y;
    const int length = horizontal ? spot.w : spot.h;
    int p = length > 0 ? offset * slider->max / length : 0;
    p = std::clamp(p, 0, slider->max - slider->visible);
    pos = static_cast<int16_t>(p);
  }
  if (pos == slider->pos) return false;
  slider->pos = pos;
  return true;
}

// The press of the frame: a hot spot is taken under a new press; when the
// button is let go over it, its list opens or its handler runs.
int16_t ServePress() {
  if (gMenu.pressed < 0) {
    if (!gMenu.popup.open && TakePress()) {
      gMenu.pressed = static_cast<int16_t>(HitTest(gMenu.pointerX, gMenu.pointerY));
      if (gMenu.pressed >= 0) {
        SetMenuHoverItem(static_cast<int16_t>(gMenu.pressed + 1));
        MenuHotspot& spot = gMenu.hotspots[gMenu.pressed];
        if (spot.role == HOTSPOT_HSLIDER || spot.role == HOTSPOT_VSLIDER) {
          DragSlider(spot);
          return MENU_RESULT_REDRAW_DYNAMIC;  // shows the thumb as dragged
        }
      }
    }
    return 0;
  }
  if (gMenu.pressed >= static_cast<int>(gMenu.hotspots.size())) {
    gMenu.pressed = -1;
    return 0;
  }
  MenuHotspot& spot = gMenu.hotspots[gMenu.pressed];
  const bool slider = spot.role == HOTSPOT_HSLIDER || spot.role == HOTSPOT_VSLIDER;
  if (gMenu.pointerButtons & 1) {
    if (slider && DragSlider(spot)) return MENU_RESULT_REDRAW_DYNAMIC;
    return 0;
  }
  // Let go.
  const int index = gMenu.pressed;
  gMenu.pressed = -1;
  SetMenuHoverItem(0);
  int16_t result = slider ? MENU_RESULT_REDRAW_DYNAMIC : 0;
  if (!slider && !Inside(spot, gMenu.pointerX, gMenu.pointerY)) return 0;
  if (spot.popup) {
    OpenHotspotPopup(spot);
  } else if (spot.handler) {
    const int16_t r = spot.handler(&gMenu.hotspots[index]);
    if (r != 0) result = r;
  }
  return result;
}

}  // namespace

ExMenuSeam ExMenu = {DoColumnTextBoxesItem, MenuKeyboardStep, NoClubBadge};

void ExMenu_Reset() {
  gMenu = ExMenuState{};
  std::memset(gHeaderDates, 0, sizeof gHeaderDates);
  ExMenu = {DoColumnTextBoxesItem, MenuKeyboardStep, NoClubBadge};
}
REGISTER_RESET(RESET_MENUS, ExMenu_Reset);

// ---- values ----

int32_t GetVarsFromMI(const MenuItem* item, int row) {
  const uint16_t t = item->type;
  if (!IsValidType(t)) AbortF(__LINE__, "GetVarsFromMI(): invalid data type encountered [%u]", t);
  if (!ReadsVariable(t)) {
    if (t == MI_CLICK_REGION) return -1;
    return item->a.number;
  }
  switch (t) {
    case MI_NUMBER_U8: return ReadNumberOrBlank<uint8_t>(item, row, BLANK_U8);
    case MI_NUMBER_S8: return ReadNumberOrBlank<int8_t>(item, row, BLANK_S8);
    case MI_NUMBER_U16: return ReadNumberOrBlank<uint16_t>(item, row, BLANK_U16);
    case MI_NUMBER_S16: return ReadNumberOrBlank<int16_t>(item, row, BLANK_S16);
    case MI_NUMBER_S32:
    case MI_REGION_VALUE:
      return ReadVar<int32_t>(VariableAt(item, row));
    case MI_TEXT_COLOUR_VAR:
    case MI_FILL_COLOUR_VAR:
      return ReadVar<uint16_t>(VariableAt(item, row));
    case 2: case 6: case 8: case 10: case 18: case 26: case 28: case 30: case 32: case 34: case 38: case 62:
    case 64: case 65: case 72: case 75: case 0x200D:
      return 0;  // pointer values: GetPointerFromMI
    default:
      return ReadVar<int16_t>(VariableAt(item, row));
  }
}

const void* GetPointerFromMI(const MenuItem* item, int row) {
  switch (item->type) {
    // The variable holds the pointer.
    case 2: case 6: case 8: case 10: case 18: case 34: case 38: case 62: case 72: case 75: case 0x200D: {
      return ReadVar<const void*>(VariableAt(item, row));
    }
    // The pointer itself, moved along a repeated table's array.
    case 26: case 28: case 30: case 32: case 64: case 65:
      return VariableAt(item, row);
    default:
      return item->a.data;
  }
}

void CoordsCode(const MenuItem* item, int row, int* x, int* y, int* w, int* h) {
  const uint16_t t = item->type;
  *x = item->x;
  *y = item->y;
  *w = item->w;
  *h = item->h;
  const int kind = AnimKind(t);
  if (kind >= 0) {
    const int16_t* anim = static_cast<const int16_t*>(GetPointerFromMI(item, row));
    CheckAnimRecord(anim, t);
    const int16_t icon = kind == ANIM_PATH ? anim[3] : anim[1];
    GetIconSizeScaled(icon, w, h);
    return;
  }
  switch (t) {
    case MI_ICON: case MI_ICON_VAR:
      GetIconSizeScaled(GetVarsFromMI(item, row), w, h);
      break;
    case MI_TEXTNO: case MI_TEXTNO_VAR:
      *w = *h = 0;
      GetTextNoSize(GetVarsFromMI(item, row), w, h);
      break;
    case MI_STRING: case MI_STRING_VAR:
      TextSize(static_cast<const char*>(GetPointerFromMI(item, row)), w, h);
      break;
    case MI_NUMBER: case MI_NUMBER_U8: case MI_NUMBER_S8: case MI_NUMBER_U16: case MI_NUMBER_S16:
    case MI_NUMBER_S32: {
      const int32_t value = GetVarsFromMI(item, row);
      TextSize(t != MI_NUMBER && value == MENU_BLANK_VALUE ? "" : Number2Str(value), w, h);
      break;
    }
    case MI_FILLED_BAR_VAR: case MI_OUTLINE_VAR: case MI_FILLED_RECT_VAR: case MI_CLICK_REGION_VAR: {
      const MenuRect* rect = static_cast<const MenuRect*>(GetPointerFromMI(item, row));
      *x = rect->x;
      *y = rect->y;
      *w = rect->w;
      *h = rect->h;
      break;
    }
    case MI_TEXT_BUTTON: case MI_STRING_BUTTON_VAR: case MI_STRING_BUTTON: case MI_TEXT_BUTTON_VAR:
      if (*w < 1 || *h < 1) {
        int tw = 0, th = 0;
        TextSize(TextOfButton(item, row), &tw, &th);
        if (*w < 1) *w = tw + 4;
        if (*h < 1) *h = th + 4;
      }
      break;
    default:
      break;
  }
}

// ---- the interpreter ----

int ActOnType(const MenuItem* item, int16_t* counter, int xoff, int yoff, int column, int row, int mode) {
  if (!gMenu.running) return MENU_NOT_RUNNING;
  const uint16_t t = item->type;
  if (!IsValidType(t)) AbortF(__LINE__, "GetVarsFromMI(): invalid data type encountered [%u]", t);
  if (row != -1 && NotInRepeatedTable(t)) AbortF(__LINE__, "ActOnType(): invalid table item: [%u]", t);
  gMenu.mode = mode;
  const bool special = IsSpecial(t);
  if (!special && UsesAlignment(t) && item->w == 0) ABORT("ActOnType(): invalid align type");

  // The item's box, moved to the enclosing table's origin; the value types
  // without a size keep the item's own numbers.
  int x = 0, y = 0, w = 0, h = 0;
  const bool sized = !special || HasHotspotRule(t) || t == MI_HOTSPOT_BOX || t == MI_COLUMN_TEXT_BOXES;
  if (sized) CoordsCode(item, row, &x, &y, &w, &h);
  else {
    x = item->x;
    y = item->y;
    w = item->w;
    h = item->h;
  }
  if (!(t == MI_OWNER_DRAW && item->x == -1 && item->y == -1)) {
    x += xoff;
    y += yoff;
  }

  int16_t button = -1;
  if (special)
    ShowSpecial(item, counter, x, y, w, h, column, row, mode);
  else
    button = ShowDisplayItem(item, x, y, w, h, row);

  if (button >= static_cast<int>(gMenu.buttons.size()))
    ABORT("Error, AnimNum is greater than NumAnimates @ ActOnType()");

  if (!item->b.IsEmpty() && t != MI_HEADER) {
    if (!HasHotspotRule(t)) ABORT("ActOnType(): invalid hotspot item");
    const uint16_t alignment = UsesAlignment(t) ? static_cast<uint16_t>(item->w) : kAlignTopLeft;
    MenuHotspot& spot = AddHotspot(item, x, y, w, h, alignment, *counter, column, row, button);
    spot.value = GetVarsFromMI(item, row);
    spot.valuePtr = ReadsVariable(t) ? static_cast<const void*>(VariableAt(item, row)) : item->a.data;
    if (t == MI_HSLIDER || t == MI_VSLIDER) {
      spot.valuePtr = GetPointerFromMI(item, row);
      spot.role = t == MI_HSLIDER ? HOTSPOT_HSLIDER : HOTSPOT_VSLIDER;
    }
  }
  return 0;
}

// ---- button records ----

void ToggleAnimation(MenuButtonRecord* record, int direction) {
  if (record->kind != ANIM_TOGGLE3 && record->kind != ANIM_TOGGLE4) ABORT("ToggleAnimation(): invalid aip->A_Type");
  switch (direction) {
    case -1:
      if (record->state == ANIM_STOPPED || record->state == ANIM_BACKWARD)
        record->state = ANIM_FORWARD;
      else
        record->state = ANIM_BACKWARD;
      break;
    case ANIM_FORWARD:
    case ANIM_BACKWARD:
      record->state = static_cast<int16_t>(direction);
      break;
    default:
      ABORT("ToggleAnimation(): invalid AnimDir");
  }
}

void AdvanceMenuButtons(int32_t elapsed) {
  for (MenuButtonRecord& r : gMenu.buttons) {
    bool runs = false;
    switch (r.kind) {
      case ANIM_LOOP: case ANIM_PATH: case 6:
        runs = true;
        break;
      case ANIM_HOVER: {
        int bx = r.x, by = r.y;
        ApplyAlignment(&bx, &by, r.w, r.h, r.alignment);
        const bool over = gMenu.pointerX >= bx && gMenu.pointerX < bx + r.w && gMenu.pointerY >= by &&
                          gMenu.pointerY < by + r.h;
        if (!over) {
          if (r.frame != 0) {
            r.frame = 0;
            r.countdown = 1;
            RedrawButtonRecord(r);
          }
        } else {
          runs = true;
        }
        break;
      }
      case ANIM_TOGGLE3: case ANIM_TOGGLE4:
        runs = r.state >= ANIM_FORWARD;
        break;
      default:
        break;
    }
    if (!runs) continue;
    r.countdown -= elapsed;
    if (r.countdown > 0) continue;
    r.countdown = r.delay;
    const bool toggled = r.kind == ANIM_TOGGLE3 || r.kind == ANIM_TOGGLE4;
    if (r.state == ANIM_BACKWARD) {
      if (r.frame - 1 < 0) {  // back past the first frame: it stops there
        r.frame = 0;
        r.state = ANIM_STOPPED;
      } else {
        --r.frame;
      }
    } else if (FrameExists(r, r.frame + 1)) {
      ++r.frame;
    } else if (toggled) {
      r.state = ANIM_FINISHED;  // stays on its last frame
      continue;
    } else {
      r.frame = 0;
    }
    RedrawButtonRecord(r);
  }
}

// ---- the screen header ----

void SetScreenHeader(int flags) {
  if (flags & 2) {
    // A weekday or month outside its range would name some other text.
    const int weekday = GNW_GetWeekday(), month = GNW_GetMonth();
    std::snprintf(gHeaderDates[0], sizeof gHeaderDates[0], "%s %d",
                  GetTextNoAddr(weekday >= 0 && weekday < 7 ? weekday + 2 : -1), GNW_GetDayOfMonth());
    std::snprintf(gHeaderDates[1], sizeof gHeaderDates[1], "%s %d",
                  GetTextNoAddr(month >= 0 && month < 12 ? month + 9 : -1), GNW_GetYear());
  } else {
    gHeaderDates[0][0] = 0;
    gHeaderDates[1][0] = 0;
  }
  // Only a club of the world has a crest to look up: a screen about a club
  // outside it (a foreign club, or none) shows no badge.
  const bool worldClub = MenuClub >= 0 && MenuClub < NUM_CLUBS;
  gMenu.badgeClub = (flags & 1) && worldClub ? GNW_GetClubDbId(MenuClub) : -1;
  MenuBarRestricted = (flags & 4) ? 1 : 0;
}

const char* ScreenHeaderDate(int which) { return gHeaderDates[which == 1 ? 1 : 0]; }
int16_t ScreenHeaderBadgeClub() { return gMenu.badgeClub; }

void DrawHeaderClubBadge(int x, int y, int w, int h) {
  if (gMenu.badgeClub == -1) return;
  ExMenu.drawClubBadge(gMenu.badgeClub, x, y, w, h);
}

int16_t DefaultBackHandler() { return 1; }

const MenuItem ScreenHeaderDatesTable[] = {
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING, 604, 34, ALIGN_RIGHT | ALIGN_BOTTOM, 0, MenuArg(static_cast<const void*>(gHeaderDates[0])), {}},
    {MI_STRING, 604, 30, ALIGN_RIGHT | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(gHeaderDates[1])), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_MENU_BAR, 24, 12, 52, 52, MenuArg(DrawHeaderClubBadge), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

const MenuItem ScreenHeaderTable[] = {
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING, 604, 34, ALIGN_RIGHT | ALIGN_BOTTOM, 0, MenuArg(static_cast<const void*>(gHeaderDates[0])), {}},
    {MI_STRING, 604, 30, ALIGN_RIGHT | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(gHeaderDates[1])), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_MENU_BAR, 24, 12, 52, 52, MenuArg(DrawHeaderClubBadge), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(MAIN_MENU_BAR_FILL), {}},
    {MI_POPUP_LIST, 0, 0, 0, 0, MenuArg(static_cast<void*>(MainMenuBar)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// ---- the stack and the loop ----

void ExMenu_StartLists() {
  gMenu.stack.clear();
  gMenu.hotspots.clear();
  gMenu.buttons.clear();
  gMenu.timers.clear();
  gMenu.nextTimerId = 1;
  gMenu.pending = nullptr;
  gMenu.pressed = -1;
  gMenu.pressPending = false;
  gMenu.popup = OpenPopup{};
  gMenu.pointerY = 32;
}

bool IsMenuSystemRunning() { return gMenu.running; }
void SetMenuSystemRunning(bool running) { gMenu.running = running; }

int PushMenu(const MenuItem* first) {
  if (gMenu.drawing) {
    gMenu.pending = first;
    return 1;
  }
  MenuStackEntry entry{};
  entry.first = first;
  gMenu.stack.push_back(entry);
  TextInput_Reset();
  SetMenuHoverItem(-1);
  SetMenuEvent(MENU_EVENT_INIT);
  return 1;
}

const MenuItem* DrawMenuPass(const MenuItem* first, int mode) {
  gMenu.hotspots.clear();
  gMenu.passedMark = false;
  gMenu.animIndex = 0;
  gMenu.mode = mode;
  if (GetMenuEvent() == MENU_EVENT_INIT) gMenu.buttons.clear();
  ++gMenu.passes;
  const MenuItem* item = first;
  int16_t counter = 0;
  for (; item->type != MI_END; ++item, ++counter) ActOnType(item, &counter, 0, 0, 0, -1, mode);
  gMenu.buttons.resize(static_cast<size_t>(gMenu.animIndex));
  return item;
}

int ProcessMenu() {
  if (!gMenu.running) return MENU_NOT_RUNNING;
  SetMenuHoverItem(-1);
  int16_t result = 0;
  while (!gMenu.stack.empty()) {
    // The draw pass.
    int mode = 0;
    if (result == MENU_RESULT_REDRAW_DYNAMIC && GetMenuEvent() == MENU_EVENT_DRAW)
      mode = 1;
    else if (result == MENU_RESULT_REDRAW_MODE2)
      mode = 2;
    else if (result == MENU_RESULT_REINIT)
      SetMenuEvent(MENU_EVENT_INIT);
    HideMenuKeyboardMarks();
    gMenu.drawing = true;
    gMenu.pending = nullptr;
    const size_t entryIndex = gMenu.stack.size() - 1;
    const MenuItem* item = DrawMenuPass(gMenu.stack[entryIndex].first, mode);
    MenuStackEntry& entry = gMenu.stack[entryIndex];
    entry.hotspots = static_cast<int16_t>(gMenu.hotspots.size());
    entry.state = 3;
    entry.leave = item->a.leave;
    entry.back = item->b.back;
    if (!gMenu.pending) {
      for (MenuButtonRecord& r : gMenu.buttons)
        if (r.kind == ANIM_PATH) RedrawButtonRecord(r);
      AdvanceMenuButtons(0);
      UpdateMenuScreen();
      if (void (*callback)() = std::exchange(gMenu.postDraw, nullptr)) callback();
    }
    gMenu.drawing = false;
    SetMenuEvent(MENU_EVENT_DRAW);
    SetMenuHoverItem(-1);
    if (gMenu.pressed >= static_cast<int>(gMenu.hotspots.size())) gMenu.pressed = -1;
    gMenu.lastTicks = TimerTicks.load();
    ReadPointer();

    // The frames.
    result = 0;
    while (GetMenuEvent() != MENU_EVENT_INIT && !(result >= MENU_RESULT_REDRAW && result <= MENU_RESULT_LEAVE)) {
      const uint32_t now = TimerTicks.load();
      const int32_t elapsed = static_cast<int32_t>(now - gMenu.lastTicks);
      gMenu.lastTicks = now;
      DrawMousePointer();
      UpdateMenuScreen();
      WaitNextFrame();
      RestorePointerBackground();
      AdvanceMenuButtons(elapsed);
      result = TakeMenuResult();
      if (IsTextInputActive()) {
        // An open text input field takes the frame instead of the hot spots
        // (a press meanwhile is not kept for them); its end goes through its
        // finish step.
        gMenu.pressPending = false;
        if (result == 0) {
          result = TextInputFrame();
          if (result != TEXTINPUT_GOING_ON) result = TextInputFinish(result);
        }
      } else {
        if (gMenu.pending) {  // a menu pushed during the pass becomes the current one
          MenuStackEntry pushed{};
          pushed.first = std::exchange(gMenu.pending, nullptr);
          gMenu.stack.push_back(pushed);
          SetMenuEvent(MENU_EVENT_INIT);
          SetMenuHoverItem(-1);
          break;
        }
        if (result == 0) result = ServePress();
      }
      if (result == 0 && gMenu.popup.open) result = DoPopupList(gMenu.popup.listIndex);
      // What the frame drew reaches the display with the next pointer, so
      // the display always shows the pointer.
      ReadPointer();
      if (result == 0) result = ExMenu.keyboardStep();
      if (result == 0) MenuTipsStep();
      if (result == 0) RunTimers();
      if (result == 0 || result == 1) result = 0;
    }
    if (GetMenuEvent() == MENU_EVENT_DRAW && result == MENU_RESULT_LEAVE) {
      const MenuStackEntry left = gMenu.stack.back();
      gMenu.stack.pop_back();
      ClosePopup(false);
      gMenu.pressed = -1;
      if (left.leave) left.leave();
      SetMenuEvent(MENU_EVENT_INIT);
      SetMenuHoverItem(-1);
    }
  }
  return result;
}

namespace {
void ResetScreenLists() {
  ResetScreenSection(0);
  gMenu.pressed = -1;
  gMenu.hotspots.clear();
  gMenu.buttons.clear();
  gMenu.timers.clear();
  ClosePopup(false);
}
}  // namespace

int RunMenu() {
  if (!gMenu.running) return MENU_NOT_RUNNING;
  ResetScreenLists();
  ProcessMenu();
  ResetScreenLists();
  gMenu.hotspots.shrink_to_fit();
  gMenu.buttons.shrink_to_fit();
  gMenu.timers.shrink_to_fit();
  return 0;
}

int PushAndRunMenu(const MenuItem* first) {
  PushMenu(first);
  return RunMenu();
}

int RunModalMenu(const MenuItem* first) {
  if (!gMenu.running) return MENU_NOT_RUNNING;
  // The caller's screen keeps its lists and its stack.
  std::vector<MenuHotspot> hotspots;
  std::vector<MenuButtonRecord> buttons;
  std::vector<MenuTimer> timers;
  std::vector<MenuStackEntry> stack;
  std::swap(hotspots, gMenu.hotspots);
  std::swap(buttons, gMenu.buttons);
  std::swap(timers, gMenu.timers);
  std::swap(stack, gMenu.stack);
  const int16_t pressed = std::exchange(gMenu.pressed, static_cast<int16_t>(-1));
  PushMenu(first);
  const int result = ProcessMenu();
  std::swap(hotspots, gMenu.hotspots);
  std::swap(buttons, gMenu.buttons);
  std::swap(timers, gMenu.timers);
  std::swap(stack, gMenu.stack);
  gMenu.pressed = pressed;
  SetMenuEvent(MENU_EVENT_DRAW);
  return result;
}

void SetMenuPostDrawCallback(void (*callback)()) { gMenu.postDraw = callback; }

// ---- timers ----

int32_t AddMenuTimer(const MenuItem* record) {
  MenuTimer timer{};
  timer.key = record->x;
  timer.startDelay = record->y;
  timer.interval = record->w;
  timer.remaining = record->h;
  timer.callback = record->a.timer;
  timer.id = gMenu.nextTimerId++;
  for (MenuTimer& slot : gMenu.timers)
    if (slot.id == 0) {
      slot = timer;
      return timer.id;
    }
  gMenu.timers.push_back(timer);
  return timer.id;
}

void KillMenuTimer(int16_t key) {
  for (MenuTimer& slot : gMenu.timers)
    if (slot.id != 0 && slot.key == key) {
      slot = MenuTimer{};
      return;
    }
}

// ---- pop-up lists ----

const char* PopupRowText(const PopupRow* row) {
  switch (row->kind) {
    case POPUP_ROW_TEXTNO:
    case POPUP_HEADER_TEXTNO:
      return GetTextNoAddr(row->text.number);
    case POPUP_ROW_STRING:
    case POPUP_HEADER_STRING:
      return row->text.data ? static_cast<const char*>(row->text.data) : "";
    case POPUP_ROW_STRING_PTR:
    case POPUP_HEADER_STRING_PTR: {
      if (!row->text.data) return "";
      const char* text = *static_cast<const char* const*>(row->text.data);
      return text ? text : "";
    }
    case POPUP_ROW_TEXTNO_VAR:
    case POPUP_HEADER_TEXTNO_VAR:
      return row->text.data ? GetTextNoAddr(*static_cast<const int16_t*>(row->text.data)) : "";
    default:
      return "";
  }
}

void LayoutPopupList(PopupRow* list, PopupLayout* layout) {
  *layout = PopupLayout{};
  layout->list = list;
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  int bang = 0, height = 0;
  TextSize("!", &bang, &height);
  layout->rowHeight = static_cast<int16_t>(height + height / 4);
  if (!list) return;
  PopupHeaderLayout* current = nullptr;
  int widest = 0;
  auto finish = [&]() {
    if (!current) return;
    const PopupRow* header = current->first >= 0 ? &list[current->first] : nullptr;
    current->w = static_cast<int16_t>(header && header->w != -1 ? header->w : widest + 2 * bang);
    current->h = static_cast<int16_t>(header && header->h != -1 ? header->h : current->rows * layout->rowHeight);
  };
  for (int i = 0; list[i].kind != POPUP_END; ++i) {
    const PopupRow& row = list[i];
    if (IsHeaderKind(row.kind) || (i == 0 && IsRowKind(row.kind))) {
      finish();
      if (layout->headers >= POPUP_MAX_HEADERS) {
        current = nullptr;
        break;  // a bar holds at most 20 drop-downs
      }
      const bool isHeader = IsHeaderKind(row.kind);
      PopupHeaderLayout& h = layout->header[layout->headers];
      h.first = static_cast<int16_t>(isHeader ? i : -1);
      int tw = 0, th = 0;
      if (isHeader) TextSize(PopupRowText(&row), &tw, &th);
      h.titleWidth = static_cast<int16_t>(tw);
      const PopupHeaderLayout* previous = layout->headers > 0 ? &layout->header[layout->headers - 1] : nullptr;
      h.x = static_cast<int16_t>(isHeader && row.x != -1 ? row.x : previous ? previous->x + previous->titleWidth : 32);
      h.y = static_cast<int16_t>(isHeader && row.y != -1 ? row.y : 0);
      ++layout->headers;
      current = &h;
      widest = 0;
      if (isHeader) continue;
    }
    if (IsRowKind(row.kind) && current) {
      int tw = 0, th = 0;
      char text[128];
      StripShortcut(PopupRowText(&row), text, sizeof text);
      TextSize(text, &tw, &th);
      widest = std::max(widest, tw);
      ++current->rows;
    }
  }
  finish();
}

void DrawPopupRow(const PopupRow* row, int x, int y) {
  char text[128];
  StripShortcut(PopupRowText(row), text, sizeof text);
  const int32_t colour = GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR);
  if (!(row->flags & POPUP_ENABLED)) SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kPopupDisabledText);
  DoTextAddr(x, y, kAlignTopLeft, text);
  if (row->flags & POPUP_TICKED) {
    int w = 0, h = 0;
    TextSize(text, &w, &h);
    const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kPopupTick);
    const int tx = x + w + 4, ty = y + h / 2;
    DrawFilledBar(tx, ty, 1, 2);  // the short stroke
    DrawFilledBar(tx + 2, ty + 2, 1, 1);
    DrawFilledBar(tx + 4, ty - 2, 1, 3);  // the long stroke
    DrawFilledBar(tx + 6, ty - 5, 1, 3);
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  }
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
}

void DrawPopupList() {
  const OpenPopup& p = gMenu.popup;
  if (!p.open) return;
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  const int32_t text = GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR);
  const int32_t buttonType = GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE);
  const int font = GetFont();
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, p.fill);
  DoButton(p.x, p.y, p.w, p.h);
  for (int i = 0; i < p.rows; ++i) {
    const int y = p.y + i * p.rowHeight;
    if (i == p.highlight) {
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kPopupHighlight);
      DrawFilledRectangle(p.x + 2, y, p.w - 4, p.rowHeight);
    }
    DrawPopupRow(&p.list[p.first + i], p.x + p.textX, y);
  }
  SetFont(font);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, text);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, buttonType);
}

bool IsPopupOpen() { return gMenu.popup.open; }

int16_t DoPopupList(int listIndex) {
  OpenPopup& p = gMenu.popup;
  if (!p.open) return 0;
  const int px = gMenu.pointerX, py = gMenu.pointerY;
  if (p.keyboard) {
    if (px == p.keyX && py == p.keyY && !(gMenu.pointerButtons & 1)) return 0;
    p.keyboard = false;  // the pointer moved: it takes over
  }
  // Off the list (with some room above and below): it closes.
  if (px < p.x || px >= p.x + p.w || py < p.y - kPopupSlack || py >= p.y + p.h + kPopupSlack) {
    ClosePopup(true);
    return 0;
  }
  int row = -1;
  if (py >= p.y && py < p.y + p.h && p.rowHeight > 0) {
    row = (py - p.y) / p.rowHeight;
    if (row >= p.rows) row = -1;
  }
  const bool enabled = row >= 0 && (p.list[p.first + row].flags & POPUP_ENABLED);
  const int16_t highlight = static_cast<int16_t>(enabled ? row : -1);
  if (highlight != p.highlight) {
    p.highlight = highlight;
    RestoreScreenSection(kPopupSection);
    ShowPopup();
  }
  if (!TakePress() || !enabled) return 0;
  (void)listIndex;
  return ExMenu_ChoosePopupRow(row);
}

int16_t ExMenu_ChoosePopupRow(int row) {
  OpenPopup& p = gMenu.popup;
  if (!p.open || row < 0 || row >= p.rows) return 0;
  PopupRow* pick = &p.list[p.first + row];
  if (!(pick->flags & POPUP_ENABLED) || !pick->callback) return 0;
  PopupCall call{static_cast<int16_t>(p.listIndex + 1), static_cast<int16_t>(p.first + row), pick, p.list};
  const OpenPopup kept = p;
  ClosePopup(true);
  const int16_t result = pick->callback(&call);
  switch (result) {
    case MENU_RESULT_DONE:
    case POPUP_RESULT_CLOSE:
      return MENU_RESULT_DONE;
    case MENU_RESULT_REDRAW:
    case POPUP_RESULT_REDRAW:
      return MENU_RESULT_REDRAW;
    case MENU_RESULT_LEAVE:
      return MENU_RESULT_LEAVE;
    case POPUP_RESULT_KEEP_OPEN:
      p = kept;
      p.open = true;
      ShowPopup();
      return MENU_RESULT_DONE;
    default:
      FatalError("Error: unknown return value %d from menu function\n", result);
  }
}

// ---- what tests and tools look at ----

int MenuStackTop() { return static_cast<int>(gMenu.stack.size()) - 1; }
const MenuStackEntry* MenuStackCurrent() { return gMenu.stack.empty() ? nullptr : &gMenu.stack.back(); }
int MenuHotspotCount() { return static_cast<int>(gMenu.hotspots.size()); }
MenuHotspot* MenuHotspotAt(int index) {
  return index >= 0 && index < MenuHotspotCount() ? &gMenu.hotspots[index] : nullptr;
}
int MenuButtonCount() { return static_cast<int>(gMenu.buttons.size()); }
MenuButtonRecord* MenuButtonAt(int index) {
  return index >= 0 && index < MenuButtonCount() ? &gMenu.buttons[index] : nullptr;
}
int MenuTimerCount() { return static_cast<int>(gMenu.timers.size()); }
const MenuTimer* MenuTimerAt(int index) {
  return index >= 0 && index < MenuTimerCount() ? &gMenu.timers[index] : nullptr;
}
MenuButtonRecord* MenuHotspotButton(const MenuHotspot* hotspot) {
  return hotspot ? MenuButtonAt(hotspot->button) : nullptr;
}
int MenuPointerX() { return gMenu.pointerX; }
int MenuPointerY() { return gMenu.pointerY; }
int32_t MenuDrawPassCount() { return gMenu.passes; }

// ---- what the keyboard side of the loop reaches (menus/exmenu_keys.h) ----

MenuHotspot& ExMenu_AppendHotspot(int x, int y, int w, int h, uint16_t alignment) {
  return AddHotspot(nullptr, x, y, w, h, alignment, -1, -1, -1, -1);
}

const PopupLayout& ExMenu_MenuBarLayout() { return gMenu.menuBar; }

bool ExMenu_OpenDropDown(int header, int highlight) {
  if (!gMenu.menuBar.list || header < 0 || header >= gMenu.menuBar.headers) return false;
  for (const MenuHotspot& spot : gMenu.hotspots) {
    if (spot.popup != gMenu.menuBar.list || spot.popupIndex != header) continue;
    ClosePopup(true);
    const MenuHotspot copy = spot;  // opening may not move the list under it, but keep it safe
    OpenHotspotPopup(copy);
    if (!gMenu.popup.open) return false;
    gMenu.popup.keyboard = true;
    gMenu.popup.keyX = gMenu.pointerX;
    gMenu.popup.keyY = gMenu.pointerY;
    ExMenu_SetPopupHighlight(highlight);
    return true;
  }
  return false;
}

PopupView ExMenu_OpenPopupView() {
  const OpenPopup& p = gMenu.popup;
  PopupView view{};
  view.open = p.open;
  view.list = p.list;
  view.listIndex = p.listIndex;
  view.first = p.first;
  view.rows = p.rows;
  view.highlight = p.highlight;
  view.menuBar = p.open && p.list == gMenu.menuBar.list;
  view.keyboard = p.keyboard;
  return view;
}

void ExMenu_SetPopupHighlight(int row) {
  OpenPopup& p = gMenu.popup;
  if (!p.open) return;
  const int16_t highlight = static_cast<int16_t>(row >= 0 && row < p.rows ? row : -1);
  // The keyboard has the list now: the pointer leaves it alone until it moves.
  p.keyboard = true;
  p.keyX = gMenu.pointerX;
  p.keyY = gMenu.pointerY;
  if (highlight == p.highlight) return;
  p.highlight = highlight;
  if (IsSavedScreenSection(kPopupSection)) RestoreScreenSection(kPopupSection);
  ShowPopup();
}

void ExMenu_ClosePopup() { ClosePopup(true); }

int16_t ExMenu_CallListRow(PopupRow* list, int listIndex, int row) {
  if (!list || row < 0) return 0;
  PopupRow* pick = &list[row];
  if (!(pick->flags & POPUP_ENABLED) || !pick->callback) return 0;
  ClosePopup(true);
  PopupCall call{static_cast<int16_t>(listIndex + 1), static_cast<int16_t>(row), pick, list};
  const int16_t result = pick->callback(&call);
  switch (result) {
    case MENU_RESULT_DONE:
    case POPUP_RESULT_CLOSE:
    case POPUP_RESULT_KEEP_OPEN:
      return MENU_RESULT_DONE;
    case MENU_RESULT_REDRAW:
    case POPUP_RESULT_REDRAW:
      return MENU_RESULT_REDRAW;
    case MENU_RESULT_LEAVE:
      return MENU_RESULT_LEAVE;
    default:
      FatalError("Error: unknown return value %d from menu function\n", result);
  }
}

int16_t ExMenu_ActivateHotspot(int index) {
  if (index < 0 || index >= static_cast<int>(gMenu.hotspots.size())) return 0;
  MenuHotspot& spot = gMenu.hotspots[index];
  if (spot.role == HOTSPOT_HSLIDER || spot.role == HOTSPOT_VSLIDER) return 0;
  if (spot.popup) {
    const MenuHotspot copy = spot;
    ClosePopup(true);
    OpenHotspotPopup(copy);
    if (gMenu.popup.open) {
      gMenu.popup.keyboard = true;
      gMenu.popup.keyX = gMenu.pointerX;
      gMenu.popup.keyY = gMenu.pointerY;
      ExMenu_SetPopupHighlight(0);
    }
    return 0;
  }
  if (!spot.handler) return 0;
  return spot.handler(&spot);
}
