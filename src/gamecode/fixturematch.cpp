// The fixture's match, headless.
#include "gamecode/fixturematch.h"

#include <cstdio>
#include <cstring>

#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "gamecode/replay.h"
#include "gamecode/setplays.h"
#include "gamecode/teamops.h"

namespace {

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
// Whether a fixture's match opens the in-match menus (the game) or has them
// return at once (the tools, which run with no menus to show).
bool gFixtureMenus = false;

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
  PrintMatchSituation(stdout, gFixture.frames);
  ++gFixture.stalls;
  PeriodOver = 1;
}

}  // namespace

void PrintMatchSituation(std::FILE* out, int frame) {
  std::fprintf(out,
               "frame period %d frame %d state %d movers %d ball %d,%d,%d active %d %d carrier %d direction %d "
               "possession %d kicker %d holders %d %d\n",
               period, frame, MatchState, MoversCount, ballX, ballY, BallHeight, ActivePlayer[0], ActivePlayer[1],
               BallCarrier, ballDirection, PossessionSide, LastKicker, keeperHolder, throwHolder);
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[i];
    std::fprintf(out,
                 "object %d action %d x %d y %d target %d,%d facing %d speed %d motion %d,%d off %d hasball %d "
                 "lock %d arg %d\n",
                 i, o.action, o.x, o.y, o.targetX, o.targetY, o.facing, o.speed, o.motion, o.motionFrame,
                 o.offPitch, o.hasBall, o.touchLock, o.actionArg);
  }
}

void PrepareMatchLayer() {
  // Nothing of an earlier match carries over: the match layer starts afresh,
  // keeping the set-up as written and the seams as installed.
  static uint8_t setup[MATCH_SETUP_SIZE];
  std::memcpy(setup, GetMatchSetupRecord(), sizeof setup);
  // A program that never ran the match layer's reset has no seams yet: it
  // gets the reset's.
  const MatchSeamTable seams = MatchSeams;
  // The run's mode is the caller's choice too: a saved replay stays one.
  const int32_t mode = replayMode;
  FreeMotions();
  ResetModulesOf(RESET_MATCH);
  if (seams.playPeriod != nullptr) MatchSeams = seams;
  replayMode = mode;
  std::memcpy(GetMatchSetupRecord(), setup, sizeof setup);
  Actions_InstallDefaults();
  PlayerStandIns_Install(MatchSeams);
}

void FixtureMatch_UseInGameMenus(bool on) { gFixtureMenus = on; }

namespace {
void FixtureMenus_Reset() { gFixtureMenus = false; }
}  // namespace
REGISTER_RESET(RESET_ENGINE, FixtureMenus_Reset);

uint8_t* PlayFixtureMatch() {
  PrepareMatchLayer();
  if (gFixtureMenus) {
    InstallInGameMenus(MatchSeams);
  } else {
    // No one to answer them (the tools): the menus between the periods
    // return at once and the shoot-out takers line up in the default order.
    MatchSeams.inGameMenuOpenSubsTactics = [](int) {};
    MatchSeams.inGameMenusLoop = [](int) {};
    MatchSeams.penaltyShootOutMenus = [] {
      for (int side = 0; side < 2; ++side) DefaultShootOutOrder(side);
    };
  }
  gFixture = FixtureMatchState{};
  gFixture.clockTick = MatchSeams.matchClockTick;
  MatchSeams.matchClockTick = ClockWithGuard;
  uint8_t* result = PlayMatchGetResult();
  // The motions go back with the match: the menus have the memory again.
  FreeMotions();
  MatchSeams.matchClockTick = gFixture.clockTick;
  return result;
}
