// The front-end controller.
//
// Until the menus exist the front end is the bare main window: it runs frames
// on the tick and returns when Escape is pressed.
#include "menus/menucont.h"

#include "engine/debug.h"
#include "engine/poll.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"

int16_t MenuOption = 0;
int16_t MenuSoundActive = 0;
int16_t Menu256Mode = 0;
int32_t SoakRunActive = 0;

namespace {

constexpr uint8_t kScanEscape = 0x01;
bool gEscapePressed;

intptr_t FrontEndKeys(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == WM_KEYDOWN && ((static_cast<uintptr_t>(lParam) >> 16) & 0xFF) == kScanEscape) gEscapePressed = true;
  return WinPassMessage(window, message, wParam, lParam);
}

}  // namespace

void RunFrontEnd() {
  gEscapePressed = false;
  uint16_t hook = WinAddWindowProc(FrontEndKeys);
  MenuOption = 0;
  while (!gEscapePressed) {
    uint32_t frame = TimerTicks;
    Poll();
    while (TimerTicks == frame && !gEscapePressed) {
      PlatYield();
      Poll();
    }
  }
  MenuOption = -1;
  WinRemoveWindowProc(hook);
  DPRINT(DEBUG_GENERAL, 1, "RunFrontEnd(): leaving\n");
}
