// Keyboard start and stop.
#include "engine/debug.h"
#include "engine/input.h"
#include "engine/onexit.h"

namespace {
struct KeyboardState {
  int installed;
  int language;
} gKeyboard;
}  // namespace

void InitKeyboardInterrupt() {
  if (gKeyboard.installed)
    FatalError("Error: InitKeyboardInterrupt(): Cannot set keyboard interrupt if already running\n");
  gKeyboard.installed = 1;
  OnExitAddEx(ClearKeyboardInterrupt, "ClearKeyboardInterrupt()");
  gKeyboard.language = 0;
  DPRINT(DEBUG_INPUT, 1, "InitKeyboardInterrupt(): initialised\n");
}

void ClearKeyboardInterrupt() {
  if (!gKeyboard.installed)
    FatalError("Error: ClearKeyboardInterrupt(): Cannot stop keyboard interrupt if not running\n");
  OnExitRemove(ClearKeyboardInterrupt);
  gKeyboard.installed = 0;
  DPRINT(DEBUG_INPUT, 1, "ClearKeyboardInterrupt(): cleared\n");
}

void SetKeyboardLanguage(int language) {
  if (language < 0 || language > 4) FatalError("Error: SetKeyboardLanguage(): unknown language\n");
  gKeyboard.language = language;
}

int KeyIsInitialised() { return gKeyboard.installed; }
