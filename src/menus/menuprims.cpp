// The menu drawing primitives, as a call log until the menu drawing layer
// draws them (see menuprims.h).
#include "menus/menuprims.h"

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"

namespace {

struct MenuPrimsState {
  std::vector<MenuPrimCall> calls;
  int iconWidth = 0, iconHeight = 0;
  int charWidth = 0, charHeight = 0;
  int hideCount = 0;
  // The drawing attributes: text colour 0 (the normal text colour), fill
  // colour 0xF81F, number type 0, button type 0.
  int32_t textColour = 0;
  int32_t fillColour = 0xF81F;
  int32_t numberType = 0;
  int32_t buttonType = 0;
};

MenuPrimsState gPrims;

MenuPrimCall& Log(const char* name) {
  gPrims.calls.emplace_back();
  gPrims.calls.back().name = name;
  return gPrims.calls.back();
}

}  // namespace

void MenuPrims_Reset() { gPrims = MenuPrimsState{}; }
REGISTER_RESET(RESET_MENUS, MenuPrims_Reset);

int GetIconSizeScaled(int icon, int* width, int* height) {
  MenuPrimCall& call = Log("GetIconSizeScaled");
  call.value = icon;
  if (width) *width = gPrims.iconWidth;
  if (height) *height = gPrims.iconHeight;
  return gPrims.iconWidth;
}

int GetCharSize(int character, int* width, int* height) {
  MenuPrimCall& call = Log("GetCharSize");
  call.value = character;
  if (width) *width = gPrims.charWidth;
  if (height) *height = gPrims.charHeight;
  return gPrims.charWidth;
}

void MenuPrims_LogRect(const char* name, int x, int y, int width, int height) {
  MenuPrimCall& call = Log(name);
  call.x = x;
  call.y = y;
  call.width = width;
  call.height = height;
}

void DoIcon(int x, int y, int icon, uint16_t alignment) {
  MenuPrimCall& call = Log("DoIcon");
  call.x = x;
  call.y = y;
  call.value = icon;
  call.alignment = alignment;
}

void DoTextAddr(int x, int y, const char* text, uint16_t alignment) {
  MenuPrimCall& call = Log("DoTextAddr");
  call.x = x;
  call.y = y;
  call.alignment = alignment;
  call.text = text ? text : "";
}

void DoNumber(int x, int y, int32_t number, uint16_t alignment) {
  MenuPrimCall& call = Log("DoNumber");
  call.x = x;
  call.y = y;
  call.value = number;
  call.alignment = alignment;
}

void DoTextBoxAddr(int x, int y, int width, int height, uint16_t alignment, const char* text) {
  MenuPrimCall& call = Log("DoTextBoxAddr");
  call.x = x;
  call.y = y;
  call.width = width;
  call.height = height;
  call.alignment = alignment;
  call.text = text ? text : "";
}

void HideBusyPointer(int on) {
  Log("HideBusyPointer").value = on;
  if (on) {
    ++gPrims.hideCount;
  } else if (gPrims.hideCount > 0) {
    --gPrims.hideCount;
  }
}

void WaitPointerFrame(int* x, int* y, int* buttons) {
  Log("WaitPointerFrame");
  WaitTicks(1);
  // No pointer is drawn or read yet: it stands at the top-left, no button down.
  if (x) *x = 0;
  if (y) *y = 0;
  if (buttons) *buttons = 0;
}

void DoMessageBox(const char* text, int32_t arg) {
  MenuPrimCall& call = Log("DoMessageBox");
  call.value = arg;
  call.text = text ? text : "";
  DPRINT(DEBUG_GENERAL, 1, "DoMessageBox(): %s\n", call.text.c_str());
}

void SetDrawAttribute(int kind, int32_t value) {
  switch (kind) {
    case DRAW_ATTR_TEXT_COLOUR: gPrims.textColour = value; break;
    case DRAW_ATTR_FILL_COLOUR: gPrims.fillColour = value; break;
    case DRAW_ATTR_NUMBER_TYPE: gPrims.numberType = value; break;
    case DRAW_ATTR_BUTTON_TYPE: gPrims.buttonType = value; break;
    default: break;
  }
}

int32_t GetDrawAttribute(int kind) {
  switch (kind) {
    case DRAW_ATTR_TEXT_COLOUR: return gPrims.textColour;
    case DRAW_ATTR_FILL_COLOUR: return gPrims.fillColour;
    case DRAW_ATTR_NUMBER_TYPE: return gPrims.numberType;
    case DRAW_ATTR_BUTTON_TYPE: return gPrims.buttonType;
    default: return 0;
  }
}

const std::vector<MenuPrimCall>& MenuPrims_Calls() { return gPrims.calls; }
void MenuPrims_ClearCalls() { gPrims.calls.clear(); }
void MenuPrims_SetIconSize(int width, int height) {
  gPrims.iconWidth = width;
  gPrims.iconHeight = height;
}
void MenuPrims_SetCharSize(int width, int height) {
  gPrims.charWidth = width;
  gPrims.charHeight = height;
}
int MenuPrims_PointerHideCount() { return gPrims.hideCount; }
