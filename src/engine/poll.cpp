// The poll list.
#include "engine/poll.h"

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"

#define ABORT_FILE "poll"

namespace {

struct PollItem {
  PollFunc function;
  int32_t rate;  // ticks; -1 = every Poll
  int32_t flags;
  uint32_t lastCall;
};

struct PollState {
  PollItem items[MAX_POLL_ITEMS];
  int32_t initialised;
  int32_t inPoll;
  uint32_t lastPoll;
  uint32_t lateCount;
  uint64_t calls;
} gPoll;

}  // namespace

void InitPoll() {
  DPRINT(DEBUG_POLL, 1, "InitPoll(): initialising...\n");
  if (gPoll.initialised) ABORT("InitPoll(): already initialised");
  if (!TimerRunning()) ABORT("InitPoll(): timer interrupt not initialised");
  for (auto& item : gPoll.items) item = {nullptr, 0, 0, 0};
  gPoll.lastPoll = TimerTicks;
  gPoll.lateCount = 0;
  gPoll.inPoll = 0;
  gPoll.initialised = 1;
}

void UninitPoll() {
  if (!gPoll.initialised) ABORT("UninitPoll(): not initialised");
  DPRINT(DEBUG_POLL, 1, "UninitPoll(): uninitialising\n");
  if (DebugLevel(DEBUG_POLL) >= 1 && gPoll.lateCount != 0)
    std::printf("UninitPoll(): Warning: On %d occasions, Poll() was not called for over %d seconds\n",
                static_cast<int>(gPoll.lateCount), 5);
  for (int i = 0; i < MAX_POLL_ITEMS; ++i)
    if (gPoll.items[i].function) std::printf("Error: UninitPoll(): function not released (index %d)\n", i);
  gPoll.initialised = 0;
}

int16_t AddPollFunction(PollFunc function, int32_t rate, int32_t flags) {
  if (!gPoll.initialised) ABORT("AddPollFunction(): not initialised");
  DPRINT(DEBUG_POLL, 50, "AddPollFunction(): adding func, addr 0x%08X, rate %d, flags %d\n",
         static_cast<unsigned>(reinterpret_cast<uintptr_t>(function)), rate, flags);
  for (int i = 0; i < MAX_POLL_ITEMS; ++i) {
    if (gPoll.items[i].function) continue;
    gPoll.items[i] = {function, rate, flags, TimerTicks};
    DPRINT(DEBUG_POLL, 50, "AddPollFunction(): added function at index %d\n", i);
    return static_cast<int16_t>(i);
  }
  ABORT("AddPollFunction(): cannot add another poll item - increase MAX_POLL_ITEMS");
}

void RemovePollFunction(int16_t index) {
  if (!gPoll.initialised) ABORT("RemovePollFunction(): not initialised");
  if (index < 0 || index >= MAX_POLL_ITEMS) ABORT("RemovePollFunction(): bad index");
  DPRINT(DEBUG_POLL, 50, "RemovePollFunction(): removing function - key %d\n", index);
  if (!gPoll.items[index].function) ABORT("RemovePollFunction(): no function to remove\n");
  gPoll.items[index] = {nullptr, 0, 0, 0};
}

void Poll() {
  ++gPoll.calls;
  if (gPoll.inPoll) return;
  gPoll.inPoll = 1;

  WinMessageHandler();

  if (gPoll.initialised) {
    uint32_t now = TimerTicks;
    if (gPoll.lastPoll + 500 < now) {
      ++gPoll.lateCount;
      DPRINT(DEBUG_POLL, 5, "Warning: Poll(): not called for over %d seconds\n", 5);
    }
    for (int i = 0; i < MAX_POLL_ITEMS; ++i) {
      PollItem& item = gPoll.items[i];
      if (!item.function) continue;
      now = TimerTicks;
      bool due = item.rate == -1 || item.lastCall + static_cast<uint32_t>(item.rate) < now;
      if (!due) continue;
      DPRINT(DEBUG_POLL, 120, "Poll(): calling function - addr 0x%08X, key %d\n",
             static_cast<unsigned>(reinterpret_cast<uintptr_t>(item.function)), i);
      item.lastCall = now;
      item.function();
    }
  }

  gPoll.inPoll = 0;
  gPoll.lastPoll = TimerTicks;
}

int PollIsInitialised() { return gPoll.initialised; }
uint32_t PollLateCount() { return gPoll.lateCount; }
uint64_t PollCallCount() { return gPoll.calls; }

void PollReset() { gPoll = PollState{}; }
REGISTER_RESET(RESET_ENGINE, PollReset);
