// The keyboard side of the menu loop, hover tips, hot spots made by code and
// the column text boxes (see exmenu_keys.h).
#include "menus/exmenu_keys.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menupc.h"

namespace {

constexpr int kScreenW = 640, kScreenH = 480;
constexpr int kTipSection = 0;
constexpr int kFocusSection = 1;
constexpr uint16_t kFocusColour = 0xFFE0;
constexpr uint16_t kTipFill = 0x2104;
constexpr int kTipWidth = 240;
constexpr int kTipMaxLines = 12;
constexpr int kBoxMargin = 32;
constexpr int16_t kReopenFrames = 10;

struct KeysState {
  int16_t focus = 0;
  bool keyboard = false;
  bool focusShown = false;
  int lastX = -1, lastY = -1;
  const MenuItem* screen = nullptr;
  int16_t reopen = 0;  // frames before F10 opens the bar again after a close
  // The hover tip.
  int restHotspot = -1;
  uint32_t restSince = 0;
  int tipHotspot = -1;
  // The last column text-box layout.
  std::vector<ColumnTextBox> boxes;
};

KeysState gKeys;

bool IsHeaderKind(uint16_t kind) { return kind >= POPUP_HEADER_TEXTNO && kind <= POPUP_HEADER_EMPTY; }
bool IsRowKind(uint16_t kind) { return kind >= POPUP_ROW_TEXTNO && kind <= POPUP_ROW_TEXTNO_VAR; }
bool HasText(uint16_t kind) {
  return IsRowKind(kind) || (kind >= POPUP_HEADER_TEXTNO && kind <= POPUP_HEADER_TEXTNO_VAR);
}

bool Inside(const MenuHotspot& s, int x, int y) { return x >= s.x && x < s.x + s.w && y >= s.y && y < s.y + s.h; }

// ---- marks on the screen: the focus frame and the tip ----

void DropSection(int slot, bool* shown) {
  if (*shown && IsSavedScreenSection(slot)) RestoreScreenSection(slot);
  *shown = false;
}

bool TipShown() { return gKeys.tipHotspot >= 0; }

void HideTip() {
  if (gKeys.tipHotspot >= 0 && IsSavedScreenSection(kTipSection)) RestoreScreenSection(kTipSection);
  gKeys.tipHotspot = -1;
}

// Keeps a rectangle of menu units on the screen; answers false when nothing
// of it is left.
bool ClipToScreen(int* x, int* y, int* w, int* h) {
  const int x0 = std::max(*x, 0), y0 = std::max(*y, 0);
  const int x1 = std::min(*x + *w, kScreenW), y1 = std::min(*y + *h, kScreenH);
  if (x1 <= x0 || y1 <= y0) return false;
  *x = x0;
  *y = y0;
  *w = x1 - x0;
  *h = y1 - y0;
  return true;
}

bool SaveSection(int slot, int x, int y, int w, int h) {
  if (!MenuBufferPixels() || IsSavedScreenSection(slot)) return false;
  if (!ClipToScreen(&x, &y, &w, &h)) return false;
  const int s = GetScreenScale();
  if ((x + w) * s > MenuScreenWidth() || (y + h) * s > MenuScreenHeight()) return false;
  PreserveScreenSection(slot, x * s, y * s, w * s, h * s);
  return true;
}

void ShowFocus() {
  if (gKeys.focusShown || !gKeys.keyboard || ExMenu_OpenPopupView().open) return;
  const MenuHotspot* spot = MenuHotspotAt(gKeys.focus);
  if (!spot || spot->w <= 0 || spot->h <= 0) return;
  int x = spot->x - 2, y = spot->y - 2, w = spot->w + 4, h = spot->h + 4;
  if (!ClipToScreen(&x, &y, &w, &h) || !SaveSection(kFocusSection, x, y, w, h)) return;
  gKeys.focusShown = true;
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kFocusColour);
  DrawRectangleOutline(x, y, w, h);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
}

void HideFocus() { DropSection(kFocusSection, &gKeys.focusShown); }

// A new screen starts with the focus on its first hot spot.
void FollowScreen() {
  const MenuStackEntry* entry = MenuStackCurrent();
  const MenuItem* screen = entry ? entry->first : nullptr;
  if (screen != gKeys.screen) {
    gKeys.screen = screen;
    gKeys.focus = 0;
    gKeys.restHotspot = -1;
  }
  const int count = MenuHotspotCount();
  if (gKeys.focus >= count) gKeys.focus = static_cast<int16_t>(std::max(0, count - 1));
}

// The tip of a hot spot: the icon's text for an icon item, else the text of
// its text number.
const char* TipText(const MenuHotspot& spot) {
  if (spot.item && (spot.item->type == MI_ICON || spot.item->type == MI_ICON_VAR)) {
    const char* text = GetIconText(spot.value);
    if (text && *text) return text;
  }
  return GetTextNoAddr(spot.value);
}

void ShowTip(int index) {
  const MenuHotspot* spot = MenuHotspotAt(index);
  if (!spot || !MenuBufferPixels()) return;
  const char* source = TipText(*spot);
  if (!source || !*source) return;
  const int font = GetFont();
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  const int32_t colour = GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR);
  const int32_t buttonType = GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE);
  SetFont(0);
  // The wrap width: a word wider than the usual width widens the box rather
  // than stopping the program.
  char text[512];
  std::snprintf(text, sizeof text, "%s", source);
  int width = kTipWidth, lineHeight = 0;
  {
    char word[512];
    size_t n = 0;
    for (const char* c = text;; ++c) {
      if (*c == ' ' || *c == '\n' || *c == 0) {
        word[n] = 0;
        int w = 0, h = 0;
        GetStringSize(word, &w, &h);
        width = std::max(width, w);
        lineHeight = std::max(lineHeight, h);
        n = 0;
        if (*c == 0) break;
      } else if (n + 1 < sizeof word) {
        word[n++] = *c;
      }
    }
  }
  if (width > kScreenW - 16) {
    SetFont(font);
    return;
  }
  char* lines[kTipMaxLines] = {};
  const int count = XDoTextAddr(text, width, lines, kTipMaxLines);
  int boxW = 0;
  for (int i = 0; i < count; ++i) {
    int w = 0, h = 0;
    GetStringSize(lines[i], &w, &h);
    boxW = std::max(boxW, w);
  }
  boxW += 8;
  const int boxH = count * lineHeight + 8;
  int x = MenuPointerX() + 16, y = MenuPointerY() + 16;
  if (x + boxW > kScreenW) x = std::max(0, MenuPointerX() - 8 - boxW);
  if (y + boxH > kScreenH) y = std::max(0, MenuPointerY() - 8 - boxH);
  if (count > 0 && SaveSection(kTipSection, x, y, boxW, boxH)) {
    gKeys.tipHotspot = index;
    SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kTipFill);
    SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
    DoButton(x, y, boxW, boxH);
    for (int i = 0; i < count; ++i) DoTextAddr(x + 4, y + 4 + i * lineHeight, ALIGN_LEFT | ALIGN_TOP, lines[i]);
  }
  SetFont(font);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, buttonType);
}

// ---- the frame's input ----

int ReadInputWord(const PopupView& view) {
  int input = GetMenuButtons() & 3;
  if (KeyIsDown(KEY_INDEX_ALT) || (view.open && view.keyboard)) input |= MENU_INPUT_SHORTCUTS;
  if (KeyWasPressed(KEY_INDEX_F10)) input |= MENU_INPUT_OPEN_BAR;
  // Escape is only taken from the screens while a list is open.
  if (view.open && KeyWasPressed(KEY_INDEX_ESCAPE)) input |= MENU_INPUT_CLOSE_BAR;
  return input;
}

// The letters and digits typed since the last frame, as shortcuts.
int16_t ServeShortcutKeys() {
  for (int key = 2; key <= 56; ++key) {
    const int character = KeyToAscii(key, 0);
    if (!std::isalnum(character)) continue;
    if (!KeyWasPressed(key)) continue;
    PopupRow* list = nullptr;
    int row = -1, dropDown = 0;
    int16_t result = SHORTCUT_NONE;
    if (FindShortcut(character, &list, &row, &dropDown)) result = ActOnShortcut(list, row, dropDown);
    if (result == SHORTCUT_NONE) result = 0;
    if (result != 0) return result;
  }
  return 0;
}

int16_t ServeOpenList(const PopupView& view, int input, int direction) {
  if (input & MENU_INPUT_CLOSE_BAR) {
    ResetPopups();
    return 0;
  }
  const int highlight = view.highlight < 0 ? 0 : view.highlight;
  switch (direction) {
    case 1:
      ExMenu_SetPopupHighlight(std::max(0, view.highlight < 0 ? 0 : highlight - 1));
      break;
    case 3:
      ExMenu_SetPopupHighlight(view.highlight < 0 ? 0 : std::min(view.rows - 1, highlight + 1));
      break;
    case 2:
    case 4: {
      if (!view.menuBar) break;
      const int headers = ExMenu_MenuBarLayout().headers;
      const int next = std::clamp(view.listIndex + (direction == 2 ? 1 : -1), 0, std::max(0, headers - 1));
      if (next != view.listIndex) {
        HideFocus();
        ExMenu_OpenDropDown(next, 0);
      }
      break;
    }
    default:
      break;
  }
  if (KeyWasPressed(KEY_INDEX_RETURN) && view.highlight >= 0) return ExMenu_ChoosePopupRow(view.highlight);
  return 0;
}

}  // namespace

void ExMenuKeys_Reset() { gKeys = KeysState{}; }
REGISTER_RESET(RESET_MENUS, ExMenuKeys_Reset);

// ---- shortcuts ----

int FindShortcutRow(const PopupRow* list, int character, int* dropDown) {
  if (dropDown) *dropDown = 0;
  if (!list) return -1;
  const int wanted = std::tolower(static_cast<unsigned char>(character));
  int headers = 0;
  for (int i = 0; list[i].kind != POPUP_END; ++i) {
    if (IsHeaderKind(list[i].kind)) ++headers;
    if (!HasText(list[i].kind)) continue;
    const char* text = PopupRowText(&list[i]);
    for (const char* c = text; c && *c && c[1]; ++c) {
      if (*c != '_') continue;
      if (std::tolower(static_cast<unsigned char>(c[1])) == wanted) {
        if (dropDown) *dropDown = std::max(0, headers - 1);
        return i;
      }
      ++c;  // "__" marks nothing
    }
  }
  return -1;
}

bool FindShortcut(int character, PopupRow** list, int* row, int* dropDown) {
  *list = nullptr;
  *row = -1;
  *dropDown = 0;
  const PopupLayout& bar = ExMenu_MenuBarLayout();
  if (bar.list) {
    const int found = FindShortcutRow(bar.list, character, dropDown);
    if (found >= 0) {
      *list = bar.list;
      *row = found;
      return true;
    }
  }
  for (int i = 0; i < MenuHotspotCount(); ++i) {
    PopupRow* candidate = MenuHotspotAt(i)->popup;
    if (!candidate || candidate == bar.list || !IsRowKind(candidate[0].kind)) continue;
    const int found = FindShortcutRow(candidate, character, dropDown);
    if (found >= 0) {
      *list = candidate;
      *row = found;
      *dropDown = 0;
      return true;
    }
  }
  return false;
}

int16_t ActOnShortcut(PopupRow* list, int row, int dropDown) {
  if (!list || row < 0) return SHORTCUT_NONE;
  const PopupRow& pick = list[row];
  if (IsHeaderKind(pick.kind)) {
    if (pick.kind == POPUP_HEADER_EMPTY) return SHORTCUT_NONE;
    HideFocus();
    if (!ExMenu_OpenDropDown(dropDown, 0)) return SHORTCUT_NONE;
    SetKeyboardMode(true);
    return 0;
  }
  if (!IsRowKind(pick.kind)) return SHORTCUT_NONE;
  // A menu-bar row is enabled or not by its drop-down's prepare function.
  const PopupLayout& bar = ExMenu_MenuBarLayout();
  if (list == bar.list && dropDown >= 0 && dropDown < bar.headers) {
    const int header = bar.header[dropDown].first;
    if (header >= 0 && list[header].prepare) list[header].prepare(list);
  }
  return ExMenu_CallListRow(list, list == bar.list ? dropDown : 0, row);
}

// ---- the keyboard step ----

int16_t GetKeyboardFocus() { return gKeys.focus; }
void SetKeyboardFocus(int16_t hotspot) {
  HideFocus();
  gKeys.focus = std::max<int16_t>(0, hotspot);
  ShowFocus();
}
bool IsKeyboardMode() { return gKeys.keyboard; }
void SetKeyboardMode(bool on) {
  if (gKeys.keyboard == on) return;
  gKeys.keyboard = on;
  if (on) {
    gKeys.lastX = MenuPointerX();
    gKeys.lastY = MenuPointerY();
    ShowFocus();
  } else {
    HideFocus();
  }
}

void MoveKeyboardFocus(int direction) {
  const int count = MenuHotspotCount();
  if (count <= 0 || direction < 1 || direction > 4) return;
  int focus = std::clamp<int>(gKeys.focus, 0, count - 1);
  const int neighbour = MenuHotspotAt(focus)->neighbour[direction - 1];
  if (neighbour > 0 && neighbour < count)
    focus = neighbour;
  else
    focus += (direction == 1 || direction == 4) ? -1 : 1;
  focus = std::clamp(focus, 0, count - 1);
  HideFocus();
  gKeys.focus = static_cast<int16_t>(focus);
  ShowFocus();
}

int16_t MenuKeyboardStep() {
  if (IsTextInputActive()) return 0;
  FollowScreen();
  // The mouse takes over again when it moves or clicks.
  const int px = MenuPointerX(), py = MenuPointerY();
  if (gKeys.keyboard && (px != gKeys.lastX || py != gKeys.lastY || (GetMenuButtons() & 1))) SetKeyboardMode(false);
  gKeys.lastX = px;
  gKeys.lastY = py;
  if (gKeys.reopen > 0) --gKeys.reopen;

  PopupView view = ExMenu_OpenPopupView();
  const int input = ReadInputWord(view);
  if (input & MENU_INPUT_SHORTCUTS) {
    const int16_t result = ServeShortcutKeys();
    if (result != 0) return result;
    view = ExMenu_OpenPopupView();
  }
  if ((input & MENU_INPUT_OPEN_BAR) && !view.open && gKeys.reopen == 0) {
    HideFocus();
    if (ExMenu_OpenDropDown(0, 0)) SetKeyboardMode(true);
    return 0;
  }
  int direction = 0, other = 0;
  ReadArrowKeys(&direction, &other);
  if (view.open) {
    HideFocus();
    if (direction != 0 || (input & MENU_INPUT_CLOSE_BAR)) SetKeyboardMode(true);
    return ServeOpenList(view, input, direction);
  }
  if (direction != 0) {
    SetKeyboardMode(true);
    MoveKeyboardFocus(direction);
  }
  // Return is taken every frame, so a press made while the pointer was in
  // charge does not click the focus later.
  const bool enter = KeyWasPressed(KEY_INDEX_RETURN) != 0;
  if (gKeys.keyboard) {
    ShowFocus();
    if (enter) {
      HideFocus();
      return ExMenu_ActivateHotspot(gKeys.focus);
    }
  }
  return 0;
}

// ---- hot spots made by code ----

int AddMenuHotspot(int x, int y, int w, int h, uint16_t alignment, const int16_t* neighbours,
                   MenuClickHandler handler, int32_t value, uint8_t role) {
  MenuHotspot& spot = ExMenu_AppendHotspot(x, y, w, h, alignment);
  if (neighbours) std::memcpy(spot.neighbour, neighbours, sizeof spot.neighbour);
  spot.handler = handler;
  spot.value = value;
  spot.role = role;
  return MenuHotspotCount() - 1;
}

void SetHotspotPopup(int hotspot, PopupRow* list) {
  MenuHotspot* spot = MenuHotspotAt(hotspot);
  if (!spot) return;
  spot->popup = list;
  spot->popupIndex = 0;
  spot->popupFill = static_cast<uint16_t>(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR));
}

void SetPopupRowFlags(PopupRow* list, int row, uint16_t flags) {
  if (list && row >= 0) list[row].flags = flags;
}

void ResetPopups() {
  ExMenu_ClosePopup();
  if (IsSavedScreenSection(1)) RestoreScreenSection(1);
  if (IsSavedScreenSection(2)) RestoreScreenSection(2);
  gKeys.focusShown = false;  // section 1 held the focus frame
  ExMenu_SetPopupHighlight(-1);
  gKeys.reopen = kReopenFrames;
}

int16_t PopupReopenCounter() { return gKeys.reopen; }

// ---- hover tips ----

void MenuTipsStep() {
  if (ExMenu_OpenPopupView().open) {
    HideTip();
    return;
  }
  int under = -1;
  if (gKeys.keyboard) {
    under = MenuHotspotAt(gKeys.focus) ? gKeys.focus : -1;
  } else {
    for (int i = 0; i < MenuHotspotCount(); ++i)
      if (Inside(*MenuHotspotAt(i), MenuPointerX(), MenuPointerY())) {
        under = i;
        break;
      }
  }
  const uint32_t now = TimerTicks.load();
  if (under != gKeys.restHotspot) {
    HideTip();
    gKeys.restHotspot = under;
    gKeys.restSince = now;
    return;
  }
  if (under < 0 || TipShown()) return;
  const MenuHotspot* spot = MenuHotspotAt(under);
  if (spot->role != HOTSPOT_TIP || spot->value == 0) return;
  if (now - gKeys.restSince >= MENU_TIP_DELAY) ShowTip(under);
}

int MenuTipHotspot() { return gKeys.tipHotspot; }

void HideMenuKeyboardMarks() {
  HideTip();
  HideFocus();
  gKeys.restHotspot = -1;
  // A screen that starts (or starts again) has the focus on its first hot
  // spot and the pointer in charge.
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    gKeys.focus = 0;
    gKeys.keyboard = false;
  }
}

// ---- column text boxes ----

void MoveCTDir(int direction, int w, int* x, int* y, int h) {
  switch (direction) {
    case CT_UP: *y -= h; break;
    case CT_DOWN: *y += h; break;
    case CT_LEFT: *x -= w; break;
    case CT_RIGHT: *x += w; break;
    default: FatalError("Uh Oh!  Which way do I go { MoveCTDir() }");
  }
}

int DoColumnTextBoxes(const ColumnTextCommand* commands, int x, int y, uint16_t alignment) {
  gKeys.boxes.clear();
  const int direction = alignment & 15;
  if (!commands) return 0;
  int probeX = 0, probeY = 0;
  MoveCTDir(direction, 0, &probeX, &probeY, 0);  // an unknown direction stops here
  const bool vertical = direction == CT_UP || direction == CT_DOWN;
  // The limit point: by default the screen's edges ahead and across.
  int limitX = direction == CT_LEFT ? 0 : kScreenW;
  int limitY = direction == CT_UP ? 0 : kScreenH;
  int fixedBoxW = 0, fixedBoxH = 0, fixedTextW = 0, fixedTextH = 0;
  int cx = x, cy = y, lane = 0;  // lane: the widest (tallest) box of this column (row)
  for (const ColumnTextCommand* c = commands; c->command != CT_END; ++c) {
    const char* text = nullptr;
    switch (c->command) {
      case CT_LIMIT:
        limitX = std::clamp(x + c->x, 0, kScreenW);
        limitY = std::clamp(y + c->y, 0, kScreenH);
        continue;
      case CT_BOX_SIZE:
        fixedBoxW = c->w;
        fixedBoxH = c->h;
        continue;
      case CT_TEXT_SIZE:
        fixedTextW = c->w;
        fixedTextH = c->h;
        continue;
      case CT_TEXTNO:
        text = GetTextNoAddr(c->number);
        break;
      case CT_STRING:
        text = c->text ? c->text : "";
        break;
      case CT_TEXTNO_VAR:
        if (!c->textNumber) FatalError("DoColumnTextBoxes(): invalid item.");
        text = GetTextNoAddr(*c->textNumber);
        break;
      default:
        FatalError("DoColumnTextBoxes(): invalid item.");
    }
    int tw = 0, th = 0;
    GetStringSize(text, &tw, &th);
    if (fixedTextW > 0) tw = fixedTextW;
    if (fixedTextH > 0) th = fixedTextH;
    const int bw = fixedBoxW > 0 ? fixedBoxW : tw + kBoxMargin;
    const int bh = fixedBoxH > 0 ? fixedBoxH : th + kBoxMargin;
    // The box's top-left from the point, and whether it keeps within the limit.
    auto place = [&](int px, int py, int* bx, int* by) {
      *bx = direction == CT_LEFT ? px - bw : px;
      *by = direction == CT_UP ? py - bh : py;
      const bool alongOk = direction == CT_DOWN    ? *by + bh <= limitY
                           : direction == CT_UP    ? *by >= limitY
                           : direction == CT_RIGHT ? *bx + bw <= limitX
                                                   : *bx >= limitX;
      const bool acrossOk = vertical ? *bx + bw <= limitX && *bx >= 0 : *by + bh <= limitY && *by >= 0;
      return alongOk && acrossOk;
    };
    int bx = 0, by = 0;
    if (!place(cx, cy, &bx, &by)) {
      // A new column to the right (or row below), back at the start.
      if (lane > 0) {
        if (vertical) {
          cx += lane;
          cy = y;
        } else {
          cy += lane;
          cx = x;
        }
        lane = 0;
      }
      if (!place(cx, cy, &bx, &by)) FatalError("Uh Oh!  Ran out of room at point 1. { DoColumnTextBoxes() }");
    }
    DoButton(bx, by, bw, bh);
    DoTextAddr(bx + bw / 2, by + bh / 2, ALIGN_CENTRED, text);
    gKeys.boxes.push_back(ColumnTextBox{static_cast<int16_t>(bx), static_cast<int16_t>(by), static_cast<int16_t>(bw),
                                        static_cast<int16_t>(bh), text});
    MoveCTDir(direction, bw, &cx, &cy, bh);
    lane = std::max(lane, vertical ? bw : bh);
  }
  return static_cast<int>(gKeys.boxes.size());
}

int ColumnTextBoxCount() { return static_cast<int>(gKeys.boxes.size()); }
const ColumnTextBox* ColumnTextBoxAt(int index) {
  return index >= 0 && index < ColumnTextBoxCount() ? &gKeys.boxes[index] : nullptr;
}

void DoColumnTextBoxesItem(const MenuItem* item, int x, int y, uint16_t alignment) {
  DoColumnTextBoxes(static_cast<const ColumnTextCommand*>(item->a.data), x, y, alignment);
}
