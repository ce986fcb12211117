// The fixture's match, headless.
#include "gamecode/fixturematch.h"

#include <algorithm>
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
  // Nothing of an earlier match carries over: the match layer starts afresh
  // (the motions are read again, their blocks given back first), keeping the
  // set-up the match day wrote and the seams as they are installed.
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
  return PlayMatchGetResult();
}
