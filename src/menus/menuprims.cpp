// The menu drawing primitives, as a call log until the menu drawing layer
// draws them (see menuprims.h).
#include "menus/menuprims.h"

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/machine.h"

namespace {

struct MenuPrimsState {
  std::vector<MenuPrimCall> calls;
  int iconWidth = 0, iconHeight = 0;
  int charWidth = 0, charHeight = 0;
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

void DoTextAddr(int x, int y, uint16_t alignment, const char* text) {
  MenuPrimCall& call = Log("DoTextAddr");
  call.x = x;
  call.y = y;
  call.alignment = alignment;
  call.text = text ? text : "";
}

void DoNumber(int x, int y, uint16_t alignment, int32_t number) {
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
int MenuPrims_PointerHideCount() { return BusyPointerHideCount(); }

MenuPrimCall& MenuPrims_Log(const char* name) { return Log(name); }
void MenuPrims_LogValue(const char* name, int32_t value) { Log(name).value = value; }
int MenuPrims_IconWidth() { return gPrims.iconWidth; }
int MenuPrims_IconHeight() { return gPrims.iconHeight; }
