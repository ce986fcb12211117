// Screen grabs of a watched match on request.
#include "generic/matchgrabs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/gfx.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/matchstate.h"

namespace {

struct GrabState {
  bool configured;
  bool kickoff, goal;
  int lastPeriod;  // the period whose first frame was grabbed, -1 none
  int goalsSeen;
  bool goalPending;
  uint32_t goalDue;
  int grabs;
};
GrabState gGrabs;

void Grab(const char* why) {
  GfxScreenGrab();
  ++gGrabs.grabs;
  std::printf("matchgrabs: grab %d (%s, period %d, %d-%d)\n", gGrabs.grabs, why, period, Score[0], Score[1]);
}

bool Listed(const char* list, const char* word) {
  const size_t n = std::strlen(word);
  for (const char* p = list; (p = std::strstr(p, word)) != nullptr; p += n) {
    const bool starts = p == list || p[-1] == ',';
    const bool ends = p[n] == 0 || p[n] == ',';
    if (starts && ends) return true;
  }
  return false;
}

}  // namespace

void MatchGrabs_Reset() {
  gGrabs = GrabState{};
  gGrabs.lastPeriod = -1;
}
REGISTER_RESET(RESET_PRESENTATION, MatchGrabs_Reset);

void MatchGrabs_Configure(const char* list) {
  gGrabs.configured = true;
  gGrabs.kickoff = list != nullptr && Listed(list, "kickoff");
  gGrabs.goal = list != nullptr && Listed(list, "goal");
}

void MatchGrabs_FrameShown() {
  if (!gGrabs.configured) MatchGrabs_Configure(std::getenv("GAFFERON_GRABS"));
  if (!gGrabs.kickoff && !gGrabs.goal) return;
  const int goals = Score[0] + Score[1];
  if (goals < gGrabs.goalsSeen) {
    // A new match: the count starts again.
    gGrabs.goalsSeen = goals;
    gGrabs.goalPending = false;
    gGrabs.lastPeriod = -1;
  }
  if (gGrabs.kickoff && period != gGrabs.lastPeriod) {
    gGrabs.lastPeriod = period;
    Grab("kick-off");
  }
  if (goals > gGrabs.goalsSeen) {
    gGrabs.goalsSeen = goals;
    if (gGrabs.goal) {
      gGrabs.goalPending = true;
      gGrabs.goalDue = TimerTicks.load() + GRAB_GOAL_DELAY_TICKS;
    }
  }
  if (gGrabs.goalPending && TimerTicks.load() >= gGrabs.goalDue) {
    gGrabs.goalPending = false;
    Grab("goal");
  }
}

int MatchGrabs_Count() { return gGrabs.grabs; }
