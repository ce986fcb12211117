// The mouse, read as relative motion by putting the cursor back to a fixed
// spot after every read, and the joysticks, read with a dead zone around
// their calibrated centre.
#include "engine/debug.h"
#include "engine/input.h"
#include "engine/reset.h"
#include "engine/winlib.h"
#include "platform/platform.h"

#define ABORT_FILE "mouse"

namespace {

struct MouseState {
  int16_t state;  // 0 not initialised, 1 not ready, 2 ready
  uint16_t hookSlot;
  int lastX, lastY;
  int dx, dy, buttons;
} gMouse;

struct JoystickCalibration {
  uint32_t centreX, centreY, deadX, deadY;
};

struct JoystickStates {
  uint32_t count;
  JoystickCalibration calibration[MAX_JOYSTICKS];
  JoystickState state[MAX_JOYSTICKS];
} gJoy;

intptr_t MouseHook(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  if (message == WM_SETCURSOR) {
    PlatShowCursor(false);
    return 1;
  }
  return WinPassMessage(window, message, wParam, lParam);
}

int16_t Relative(uint32_t position, uint32_t centre, uint32_t dead) {
  int64_t p = position, c = centre, d = dead;
  if (p < c - d) return static_cast<int16_t>(p + d - c);
  if (p > c + d) return static_cast<int16_t>(p - d - c);
  return 0;
}

}  // namespace

void InitMouseDriver() {
  if (gMouse.state != 0) ABORT("InitMouseDriver(): already initialised");
  gMouse.state = 1;
  gMouse.hookSlot = WinAddWindowProc(MouseHook);
  ResetMouseDriver();
}

void ResetMouseDriver() {
  if (gMouse.state == 0) ABORT("ResetMouseDriver(): not initialised");
  gMouse.state = 2;
  PlatClearMouseButtons();
  int dx, dy, buttons;
  ReadMouseDriver(&dx, &dy, &buttons);
  PlatShowCursor(false);
}

void ReadMouseDriver(int* dx, int* dy, int* buttons) {
  int x, y;
  PlatGetCursorPos(&x, &y);
  gMouse.dx = x - gMouse.lastX;
  gMouse.dy = y - gMouse.lastY;
  gMouse.buttons = static_cast<int>(PlatMouseButtons() & 7);
  int ox, oy;
  WinClientOrigin(&ox, &oy);
  PlatSetCursorPos(ox + 100, oy + 100);
  PlatGetCursorPos(&gMouse.lastX, &gMouse.lastY);
  if (dx) *dx = gMouse.dx;
  if (dy) *dy = gMouse.dy;
  if (buttons) *buttons = gMouse.buttons;
  if (gMouse.state != 2) ABORT("ReadMouseDriver(): mouse driver not ready");
}

void MarkMouseDriverNotReady() {
  if (gMouse.state == 2) gMouse.state = 1;
}

void UninitMouseDriver() {
  if (gMouse.state == 0) ABORT("UninitMouseDriver(): not initialised");
  gMouse.state = 0;
  WinRemoveWindowProc(gMouse.hookSlot);
}

int16_t MouseDriverState() { return gMouse.state; }

void MouseReset() {
  gMouse = {};
  gJoy = {};
}
REGISTER_RESET(RESET_ENGINE, MouseReset);

void InitJoysticks() {
  DPRINT(DEBUG_INPUT, 1, "InitJoysticks(): initialising joysticks...\n");
  gJoy = {};
  int n = PlatJoystickCount();
  if (n < 0) n = 0;
  DPRINT(DEBUG_INPUT, 50, "InitJoysticks(): %d joystick devices connected\n", n);
  if (n > MAX_JOYSTICKS) {
    n = MAX_JOYSTICKS;
    DPRINT(DEBUG_INPUT, 50, "InitJoysticks(): too many joysticks - reducing to %d\n", n);
  }
  gJoy.count = static_cast<uint32_t>(n);
  for (int i = 0; i < n; ++i) {
    PlatJoyCaps caps{};
    if (!PlatJoystickCaps(i, &caps)) {
      DPRINT(DEBUG_INPUT, 20, "InitJoysticks(): joystick %d failed\n", i);
      gJoy.state[i].buttons = -1;
      gJoy.state[i].marker = -1;
      continue;
    }
    DPRINT(DEBUG_INPUT, 80, "InitJoysticks(): joystick %d\n", i);
    DPRINT(DEBUG_INPUT, 80, "  .szPname = '%s'\n", caps.name);
    DPRINT(DEBUG_INPUT, 80, "  .wXmin,wXmax = %d,%d\n", caps.xMin, caps.xMax);
    DPRINT(DEBUG_INPUT, 80, "  .wYmin,wYmax = %d,%d\n", caps.yMin, caps.yMax);
    DPRINT(DEBUG_INPUT, 80, "  .wNumButtons = %d\n", caps.buttons);
    gJoy.calibration[i] = {(caps.xMin + caps.xMax) >> 1, (caps.yMin + caps.yMax) >> 1, (caps.xMax - caps.xMin) >> 3,
                           (caps.yMax - caps.yMin) >> 3};
  }
  DPRINT(DEBUG_INPUT, 50, "InitJoysticks(): done.\n");
}

const JoystickState* ReadJoysticks() {
  for (uint32_t i = 0; i < gJoy.count; ++i) {
    JoystickState& s = gJoy.state[i];
    PlatJoyPos pos{};
    if (!PlatJoystickRead(static_cast<int>(i), &pos)) {
      s.buttons = -1;
      continue;
    }
    const JoystickCalibration& c = gJoy.calibration[i];
    s.x = Relative(pos.x, c.centreX, c.deadX);
    s.y = Relative(pos.y, c.centreY, c.deadY);
    s.buttons = static_cast<int16_t>(pos.buttons);
  }
  return gJoy.state;
}

uint32_t JoystickCount() { return gJoy.count; }
