// The exit list.
#include "engine/onexit.h"

#include <cstdlib>

#include "engine/debug.h"
#include "engine/reset.h"

#define ABORT_FILE "onexit"

namespace {

struct OnExitSlot {
  OnExitFunc function;
  const char* name;
  int32_t hasRun;
};

struct OnExitState {
  OnExitSlot slots[MAX_ONEXIT];
  bool handlerInstalled;
  int processExiting;
} gExit;

void RunAtProcessExit() {
  gExit.processExiting = 1;
  OnExitRun();
}

}  // namespace

void OnExitAddEx(OnExitFunc function, const char* name) {
  if (!gExit.handlerInstalled) {
    DPRINT(DEBUG_GENERAL, 20, "OnExitAdd(): installing atexit() handler\n");
    std::atexit(RunAtProcessExit);
    gExit.handlerInstalled = true;
  }
  for (int i = 0; i < MAX_ONEXIT; ++i) {
    OnExitSlot& s = gExit.slots[i];
    if (s.function == function) FatalError("Error: OnExitAddEx(): function already added (%s)\n", name);
    if (!s.function) {
      DPRINT(DEBUG_GENERAL, 20, "OnExitAddEx(): adding function at slot %d (%s)\n", i, name);
      s = {function, name, 0};
      return;
    }
  }
  ABORT("OnExitAddEx(): no free slots - increase MAX_ONEXIT");
}

void OnExitRemove(OnExitFunc function) {
  for (int i = 0; i < MAX_ONEXIT; ++i) {
    if (gExit.slots[i].function != function || !function) continue;
    DPRINT(DEBUG_GENERAL, 20, "OnExitRemove(): removing function from slot %d (%s)\n", i, gExit.slots[i].name);
    for (int j = i; j < MAX_ONEXIT - 1; ++j) gExit.slots[j] = gExit.slots[j + 1];
    gExit.slots[MAX_ONEXIT - 1] = {nullptr, nullptr, 0};
    return;
  }
  ABORT("OnExitRemove(): function not found in exit list\n");
}

void OnExitRun() {
  DPRINT(DEBUG_GENERAL, 20, "OnExitRun(): running exit funcs\n");
  for (int i = MAX_ONEXIT - 1; i >= 0; --i) {
    OnExitSlot& s = gExit.slots[i];
    if (!s.function || s.hasRun) continue;
    DPRINT(DEBUG_GENERAL, 50, "OnExitRun(): running slot %d (%s)\n", i, s.name);
    s.hasRun = 1;
    s.function();
  }
}

int OnExitProcessExiting() { return gExit.processExiting; }

int OnExitCount() {
  int n = 0;
  while (n < MAX_ONEXIT && gExit.slots[n].function) ++n;
  return n;
}

const char* OnExitName(int slot) {
  if (slot < 0 || slot >= MAX_ONEXIT || !gExit.slots[slot].function) return nullptr;
  return gExit.slots[slot].name;
}

void OnExitReset() {
  for (auto& s : gExit.slots) s = {nullptr, nullptr, 0};
}
REGISTER_RESET(RESET_ENGINE, OnExitReset);
