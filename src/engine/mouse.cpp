// Mouse and joystick start and stop.
#include "engine/debug.h"
#include "engine/input.h"

namespace {
int16_t gMouseState;  // 0 not initialised, 1 initialised, 2 ready
}

void InitMouseDriver() {
  gMouseState = 1;
  DPRINT(DEBUG_INPUT, 1, "InitMouseDriver(): initialised\n");
}

void UninitMouseDriver() {
  gMouseState = 0;
  DPRINT(DEBUG_INPUT, 1, "UninitMouseDriver(): uninitialised\n");
}

void InitJoysticks() { DPRINT(DEBUG_INPUT, 1, "InitJoysticks(): 0 joysticks\n"); }
