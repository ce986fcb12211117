// The main window and its message loop.
#include "engine/winlib.h"

#include <atomic>
#include <cstring>

#include "engine/debug.h"
#include "engine/onexit.h"
#include "engine/reset.h"

#define ABORT_FILE "winlib"

namespace {

struct WinState {
  int32_t initialised;
  WinHandle instance;
  char appName[65];
  uint32_t flags;
  WinHandle mainWindow;
  PlatMsg msg;
  // Written by the window procedure, read by the timer thread.
  std::atomic<int32_t> activated, appActive, focused, messageBox;
  int32_t wasInactive;
  WinProc hooks[MAX_WINDOW_PROCS];
  int32_t passOn;
  TaskSwitchFunc taskSwitch[MAX_TASKSWITCH_LIST];
  uint8_t lastTaskSwitch;
};

WinState gWin;
int gMainWindowToken;  // the main window's handle points here

intptr_t PlatformProc(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return WinMainWindowProc(gWin.mainWindow, message, wParam, lParam);
}

void ClearState() {
  gWin.initialised = 0;
  gWin.instance = nullptr;
  gWin.appName[0] = 0;
  gWin.flags = 0;
  gWin.mainWindow = nullptr;
  gWin.msg = {};
  gWin.activated = gWin.appActive = gWin.focused = gWin.messageBox = 0;
  gWin.wasInactive = 0;
  for (auto& h : gWin.hooks) h = nullptr;
  gWin.passOn = 0;
  for (auto& t : gWin.taskSwitch) t = nullptr;
  gWin.lastTaskSwitch = 255;
}

}  // namespace

void WinInit(WinHandle instance, const char* appName, uint32_t flags) {
  ClearState();
  gWin.instance = instance;
  gWin.initialised = 1;
  if (std::strlen(appName) > 64) ABORT("WinInit(): AppName too long");
  std::strcpy(gWin.appName, appName);
  gWin.flags = flags;
  CreateMainWindow();
}

void WinUninit() {
  gWin.initialised = 0;
  DestroyMainWindow();
}

void CreateMainWindow() {
  PlatWindowDesc desc{gWin.appName, (gWin.flags & 1) != 0, PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT};
  if (!PlatCreateWindow(desc, PlatformProc)) ABORT("CreateMainWindow(): CreateWindowEx() failed");
  gWin.mainWindow = &gMainWindowToken;
  gWin.activated = 0;
  PlatShowWindow();
}

void DestroyMainWindow() {
  if (!PlatDestroyWindow()) ABORT("DestroyMainWindow(): failed to destroy window");
  gWin.mainWindow = nullptr;
}

intptr_t WinMainWindowProc(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (WinIsAppReady()) {
    for (int i = 0; i < MAX_WINDOW_PROCS; ++i) {
      if (!gWin.hooks[i]) continue;
      gWin.passOn = 0;
      intptr_t result = gWin.hooks[i](window, message, wParam, lParam);
      if (!gWin.passOn) return result;
    }
  }

  switch (message) {
    case WM_ACTIVATE:
      gWin.activated = (wParam & 0xFFFF) != 0;
      DPRINT(DEBUG_WIN, 50, "WinMainWindowProc(): WM_ACTIVATE %s\n", gWin.activated ? "active" : "inactive");
      PlatInvalidateWindow();
      return 0;
    case WM_ACTIVATEAPP:
      gWin.appActive = wParam != 0;
      DPRINT(DEBUG_WIN, 50, "WinMainWindowProc(): WM_ACTIVATEAPP %s\n", gWin.appActive ? "active" : "inactive");
      PlatInvalidateWindow();
      return 0;
    case WM_SETFOCUS:
      gWin.focused = 1;
      DPRINT(DEBUG_WIN, 50, "WinMainWinfowProc(): WM_SETFOCUS active\n");
      return 0;
    case WM_KILLFOCUS:
      gWin.focused = 0;
      DPRINT(DEBUG_WIN, 50, "WinMainWinfowProc(): WM_KILLFOCUS inactive\n");
      return 0;
    case WM_CLOSE:
      OnExitRun();
      DPRINT(DEBUG_WIN, 50, "WinMainWindowProc(): WM_CLOSE: calling DestroyWindow()\n");
      PlatDestroyWindow();
      gWin.mainWindow = nullptr;
      return 0;
    case WM_DESTROY:
      OnExitRun();
      DPRINT(DEBUG_WIN, 50, "WinMainWindowProc(): WM_DESTROY: calling PostQuitMessage()\n");
      PlatPostQuitMessage(0);
      return 0;
    case WM_SETCURSOR:
      return 0;
    case WM_PAINT: {
      // Nobody drew it (no screen, or the game is inactive): the window is
      // valid again, so the next change paints anew.
      PlatRect rect;
      PlatBeginPaint(&rect);
      return 0;
    }
    default:
      return 0;
  }
}

intptr_t WinPassMessage(WinHandle, uint32_t, uintptr_t, intptr_t) {
  gWin.passOn = 1;
  return 0;
}

uint16_t WinAddWindowProc(WinProc function) {
  for (int i = 0; i < MAX_WINDOW_PROCS; ++i) {
    if (gWin.hooks[i]) continue;
    gWin.hooks[i] = function;
    return static_cast<uint16_t>(i);
  }
  ABORT("WinAddWindowProc(): too many window procs registered");
}

void WinRemoveWindowProc(uint16_t index) {
  if (index >= MAX_WINDOW_PROCS || !gWin.hooks[index]) ABORT("WinRemoveWindowProc(): no proc to remove");
  gWin.hooks[index] = nullptr;
}

void WinAddTaskswitchFunc(TaskSwitchFunc function) {
  for (int i = 0; i < MAX_TASKSWITCH_LIST; ++i) {
    if (gWin.taskSwitch[i] == function) ABORT("WinAddTaskswitchFunc(): function already added");
    if (!gWin.taskSwitch[i]) {
      DPRINT(DEBUG_WIN, 10, "WinAddTaskswitchFunc(): adding func at index %d\n", i);
      gWin.taskSwitch[i] = function;
      return;
    }
  }
  ABORT("WinAddTaskswitchFunc(): too many functions added - increase MAX_TASKSWITCH_LIST");
}

void WinRemoveTaskswitchFunc(TaskSwitchFunc function) {
  for (int i = 0; i < MAX_TASKSWITCH_LIST; ++i) {
    if (gWin.taskSwitch[i] != function || !function) continue;
    DPRINT(DEBUG_WIN, 10, "WinRemoveTaskswitchList(): removing from index %d (all higher indexes reduced)\n", i);
    for (int j = i; j < MAX_TASKSWITCH_LIST - 1; ++j) gWin.taskSwitch[j] = gWin.taskSwitch[j + 1];
    gWin.taskSwitch[MAX_TASKSWITCH_LIST - 1] = nullptr;
    return;
  }
  ABORT("WinRemoveTaskswitchFunc(): function not found");
}

void WinCallTaskswitchFuncs(uint8_t state) {
  const char* word = state ? "active" : "idle";
  if (state == gWin.lastTaskSwitch) {
    DPRINT(DEBUG_WIN, 80, "WinCallTaskswitchFuncs(): ignoring extra %s\n", word);
    return;
  }
  gWin.lastTaskSwitch = state;
  DPRINT(DEBUG_WIN, 80, "WinCallTaskswitchFuncs(): calling for %s\n", word);
  for (int i = 0; i < MAX_TASKSWITCH_LIST; ++i)
    if (gWin.taskSwitch[i]) gWin.taskSwitch[i](state);
}

void WinIdleMessageHandler() {
  if (!PlatGetMessage(&gWin.msg)) {
    DPRINT(DEBUG_WIN, 20, "WinIdleMessageHandler(): quit message received - terminating\n");
    PlatExit(1);
  }
  PlatTranslateMessage(gWin.msg);
  PlatDispatchMessage(gWin.msg);
}

void WinMessageHandler() {
  PlatMsg peek;
  while (WinIsAppReady() && PlatPeekMessage(&peek, false)) WinIdleMessageHandler();
  if (WinIsAppReady()) return;

  DPRINT(DEBUG_WIN, 50, "WinMessageHandler(): entering idle loop\n");
  WinCallTaskswitchFuncs(0);
  while (!WinIsAppReady()) {
    WinIdleMessageHandler();
    gWin.wasInactive = 1;
  }
  DPRINT(DEBUG_WIN, 50, "WinMessageHandler(): leaving idle loop\n");
  WinCallTaskswitchFuncs(1);
}

int WinCheckWasInactive() {
  if (!gWin.wasInactive) return 0;
  gWin.wasInactive = 0;
  return 1;
}

int WinIsAppReady() {
  return gWin.activated && gWin.appActive && gWin.focused && !gWin.messageBox ? 1 : 0;
}

int WinIsWindowed() { return (gWin.flags & 1) ? 1 : 0; }
WinHandle WinGetMainWindow() { return gWin.mainWindow; }
WinHandle WinGetInstance() { return gWin.instance; }
const char* WinGetAppName() { return gWin.appName[0] ? gWin.appName : "Gafferon 2000"; }

void WinClientOrigin(int* x, int* y) { PlatClientOrigin(x, y); }

void WinSetClientSize(int width, int height) {
  if (!WinIsWindowed()) return;
  PlatSetClientSize(width, height);
}

int WinMessageBox(const char* text, unsigned type) {
  if (gWin.messageBox) return 0;
  gWin.messageBox = 1;
  int result = PlatMessageBox(WinGetAppName(), text, type);
  gWin.messageBox = 0;
  return result;
}

int WinIsInitialised() { return gWin.initialised; }

void WinReset() { ClearState(); }
REGISTER_RESET(RESET_ENGINE, WinReset);
