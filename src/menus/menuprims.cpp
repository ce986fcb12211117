// The menu drawing primitives, as a call log until the menu drawing layer
// draws them (see menuprims.h).
#include "menus/menuprims.h"

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/machine.h"
#include "menus/menupc.h"

namespace {

struct MenuPrimsState {
  std::vector<MenuPrimCall> calls;
  MenuPrimCall scratch;  // where a call goes that is not kept
  int iconWidth = 0, iconHeight = 0;
  int charWidth = 0, charHeight = 0;
};

MenuPrimsState gPrims;

// The log is for runs without a menu screen (the world's tests): with one the
// primitives draw, and a long game would fill the log for ever.
MenuPrimCall& Log(const char* name) {
  if (MenuBufferPixels()) {
    gPrims.scratch = MenuPrimCall{};
    return gPrims.scratch;
  }
  gPrims.calls.emplace_back();
  gPrims.calls.back().name = name;
  return gPrims.calls.back();
}

}  // namespace

void MenuPrims_Reset() { gPrims = MenuPrimsState{}; }
REGISTER_RESET(RESET_MENUS, MenuPrims_Reset);

void MenuPrims_LogRect(const char* name, int x, int y, int width, int height) {
  MenuPrimCall& call = Log(name);
  call.x = x;
  call.y = y;
  call.width = width;
  call.height = height;
}

void WaitPointerFrame(int* x, int* y, int* buttons) {
  Log("WaitPointerFrame");
  WaitTicks(1);
  // No pointer is drawn or read yet: it stands at the top-left, no button down.
  if (x) *x = 0;
  if (y) *y = 0;
  if (buttons) *buttons = 0;
}

const std::vector<MenuPrimCall>& MenuPrims_Calls() { return gPrims.calls; }
void MenuPrims_ClearCalls() { gPrims.calls.clear(); }
void MenuPrims_SetIconSize(int width, int height) {
  gPrims.iconWidth = width;
  gPrims.iconHeight = height;
}
void MenuPrims_CharSize(int* width, int* height) {
  *width = gPrims.charWidth;
  *height = gPrims.charHeight;
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
