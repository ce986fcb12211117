// The fixture's match, headless.
#include "gamecode/fixturematch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/motion.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "gamecode/matchstate.h"
#include "gamecode/teamops.h"

namespace {

constexpr int kOrderLength = 10;

// A period this many frames long has stalled (a whole match of the longest
// halves is 2 x 45 x 60 x 50 frames): it ends, logged.
constexpr int32_t kStalledPeriodFrames = 400000;

struct FixtureMatchState {
  void (*clockTick)() = nullptr;
  int8_t period = -1;
  int32_t frames = 0;
  int32_t stalls = 0;
};
FixtureMatchState gFixture;

// The match clock, then the guard against a period that never ends.
void ClockWithGuard() {
  gFixture.clockTick();
  if (gFixture.period != period) {
    gFixture.period = period;
    gFixture.frames = 0;
  }
  if (++gFixture.frames < kStalledPeriodFrames || PeriodOver) return;
  std::printf("PlayFixtureMatch(): period %d stalled after %d frames in state %d (ball %d,%d, carrier %d), ended\n",
              period, gFixture.frames, MatchState, ballX, ballY, BallCarrier);
  ++gFixture.stalls;
  PeriodOver = 1;
}

bool OnThePitch(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return false;
  const MatchObject& o = MatchObjects[object];
  return o.offPitch == 0 && o.onBench == 0;
}

}  // namespace

void DefaultShootOutOrder() {
  for (int side = 0; side < 2; ++side) {
    for (int16_t& entry : ShootOutOrder[side]) entry = -1;
    const int taker = PenaltyTakerObject[side];
    const int keeper = SideSlots[side][0];
    std::vector<int> others;
    for (int place = 0; place < SIDE_OBJECTS; ++place) {
      const int object = SideSlots[side][place];
      if (object == taker || object == keeper || !OnThePitch(object)) continue;
      others.push_back(object);
    }
    std::stable_sort(others.begin(), others.end(), [](int a, int b) {
      return MatchObjects[a].attr[SKILL_SHOOTING] > MatchObjects[b].attr[SKILL_SHOOTING];
    });
    std::vector<int> order;
    if (OnThePitch(taker) && taker / SIDE_OBJECTS == side) order.push_back(taker);
    order.insert(order.end(), others.begin(), others.end());
    if (OnThePitch(keeper) && keeper != taker) order.push_back(keeper);
    for (int k = 0; k < kOrderLength && k < static_cast<int>(order.size()); ++k)
      ShootOutOrder[side][k] = static_cast<int16_t>(order[k]);
  }
}

uint8_t* PlayFixtureMatch() {
  // Nothing of an earlier match carries over: the match layer starts afresh,
  // keeping the set-up the match day wrote and the seams as installed.
  static uint8_t setup[MATCH_SETUP_SIZE];
  std::memcpy(setup, GetMatchSetupRecord(), sizeof setup);
  // A program that never ran the match layer's reset has no seams yet: it
  // gets the reset's.
  const MatchSeamTable seams = MatchSeams;
  FreeMotions();
  ResetModulesOf(RESET_MATCH);
  if (seams.playPeriod != nullptr) MatchSeams = seams;
  std::memcpy(GetMatchSetupRecord(), setup, sizeof setup);
  Actions_InstallDefaults();
  PlayerStandIns_Install(MatchSeams);
  // No screen: the menus between the periods return at once and the
  // shoot-out takers line up in the default order.
  MatchSeams.inGameMenuOpenSubsTactics = [](int) {};
  MatchSeams.inGameMenusLoop = [](int) {};
  MatchSeams.penaltyShootOutMenus = DefaultShootOutOrder;
  gFixture = FixtureMatchState{};
  gFixture.clockTick = MatchSeams.matchClockTick;
  MatchSeams.matchClockTick = ClockWithGuard;
  uint8_t* result = PlayMatchGetResult();
  // The motions go back with the match: the menus have the memory again.
  FreeMotions();
  MatchSeams.matchClockTick = gFixture.clockTick;
  return result;
}
