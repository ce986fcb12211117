// Short operations on whole teams: the match states use them to put everyone
// into an action, settle the players for a restart, find a free team-mate,
// set up a corner and pick the penalty takers of a shoot-out.
#include "gamecode/teamops.h"

#include <cstdlib>
#include <initializer_list>

#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/basicacts.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

int16_t ShootOutKicks = 0;
int16_t ShootOutOrder[2][10] = {};

namespace {

constexpr int kRestartWait = 3;          // an ordinary player standing by for a restart
constexpr int kKeeperStand = 122;        // a goalkeeper standing in his goal
constexpr int kOrdinaryActions = 15;     // actions up to here are ordinary open play
constexpr int kFreeActions = 16;         // a player up to here can be given a set-piece job
constexpr int kSettledActions = 17;      // a player up to here has nothing left to walk to
constexpr int kCornerDefence = 96;       // a defender walking to his corner post
constexpr int kShortCornerRun = 103;     // the team-mate offering a short corner
constexpr int kShortCornerSkillCap = 200;
// The pitch's lines (the same at every ground).
constexpr int kNearTouchLine = 156, kFarTouchLine = 1436, kCentreX = 796;
constexpr int kLowGoalLine = 122, kHighGoalLine = 2042, kCentreY = 1082;

bool ValidPlayer(int object) { return object >= 0 && object < MATCH_PLAYERS; }

bool OnPitch(int object) { return ValidPlayer(object) && MatchObjects[object].offPitch == 0; }

int SideOfObject(int object) { return object < SIDE_OBJECTS ? 0 : 1; }

bool IsKeeper(int object) {
  const int keeper = SideSlots[SideOfObject(object)][0];
  return keeper == object;
}

bool KeeperBusy(int action) { return action == 30 || action == 31 || action == 38 || action == 39; }

void Send(int object, int code, int x, int y) {
  SetPlayerAction(object, code);
  MatchObject& o = MatchObjects[object];
  o.targetX = static_cast<int16_t>(x);
  o.targetY = static_cast<int16_t>(y);
}

}  // namespace

void SetAllPlayersAction(int code) {
  for (int i = 0; i < MATCH_PLAYERS; ++i) SetPlayerAction(i, code);
}

int ReleaseTeamsForRestart() {
  int busy = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    MatchObject& o = MatchObjects[i];
    const bool keeper = IsKeeper(i);
    if (o.action <= kOrdinaryActions) {
      SetPlayerAction(i, keeper ? kKeeperStand : kRestartWait);
      o.hasBall = 0;
      continue;
    }
    if (o.offPitch != 0) continue;
    if (keeper ? KeeperBusy(o.action) : true) ++busy;
  }
  ActivePlayer[0] = ActivePlayer[1] = NO_ACTIVE_PLAYER;
  return busy;
}

void ResetTeamsForRestart() {
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].action = kRestartWait;
  for (int side = 0; side < 2; ++side)
    if (ValidPlayer(SideSlots[side][0])) SetPlayerAction(SideSlots[side][0], kKeeperStand);
  ActivePlayer[0] = ActivePlayer[1] = NO_ACTIVE_PLAYER;
}

int CountUnsettledPlayers() {
  int count = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    const MatchObject& o = MatchObjects[i];
    if (o.offPitch != 0) continue;
    if (IsKeeper(i) ? o.action != kKeeperStand : o.action > kSettledActions) ++count;
  }
  return count;
}

int NearestFreeTeamMate(int x, int y, int excluded) {
  const int side = CurrentSide & 1;
  int best = -1;
  int bestDistance = 0;
  for (int place = 1; place <= 10; ++place) {
    const int object = SideSlots[side][place];
    if (object == excluded || !OnPitch(object)) continue;
    const MatchObject& o = MatchObjects[object];
    if (o.action > kFreeActions) continue;
    const int distance = std::abs(o.x - x) + std::abs(o.y - y);
    // On equal distance the later squad position wins.
    if (best < 0 || distance <= bestDistance) {
      best = object;
      bestDistance = distance;
    }
  }
  return best;
}

void SendShortCornerOption(int taker) {
  if (!ValidPlayer(taker)) return;
  const int side = SideOfObject(taker);
  const int keeper = SideSlots[side][0];
  int chosen = -1;
  int lowest = kShortCornerSkillCap;
  for (int k = 0; k < 10; ++k) {
    const int object = ChaseOrder[side][k];
    if (!OnPitch(object) || object == taker || object == keeper) continue;
    MatchObject& o = MatchObjects[object];
    // The man least wanted in the box: the weakest shot and header.
    const int value = SheetSkill(o, 11) + SheetSkill(o, 8);
    if (value < lowest) {
      lowest = value;
      chosen = object;
    }
  }
  if (chosen < 0) return;
  const int x = restartX < kCentreX ? kNearTouchLine + 32 : kFarTouchLine - 32;
  const int y = restartY < kCentreY ? kLowGoalLine + 96 : kHighGoalLine - 96;
  Send(chosen, kShortCornerRun, x, y);
}

void PlaceCornerDefenders(int side) {
  CurrentSide = static_cast<uint8_t>(side & 1);
  const bool lowEnd = restartY < kCentreY;
  const int goalLine = lowEnd ? kLowGoalLine : kHighGoalLine;
  const int inward = lowEnd ? 1 : -1;
  // The two posts first.
  for (int postX : {730, 862}) {
    const int object = NearestFreeTeamMate(postX, goalLine, -1);
    if (object >= 0) Send(object, kCornerDefence, postX, goalLine + 10 * inward);
  }
  // Then a man at the near edge of the penalty area's width, 80 outside it.
  const bool nearTouchLine = restartX < kCentreX;
  const int edgeX = nearTouchLine ? 476 : 1116;
  const int standX = nearTouchLine ? edgeX - 80 : edgeX + 80;
  const int object = NearestFreeTeamMate(edgeX, goalLine, -1);
  if (object >= 0) Send(object, kCornerDefence, standX, goalLine + 48 * inward);
}

int NextShootOutTaker() {
  const int side = CurrentSide & 1;
  int eligible[10];
  int count = 0;
  for (int16_t object : ShootOutOrder[side])
    if (OnPitch(object)) eligible[count++] = object;
  if (count == 0) return -1;
  const int n = ShootOutKicks / 2;
  return eligible[n % count];
}

int InReachBox(int x, int y, int heightLimit, int halfSize) {
  if (BallHeight > heightLimit) return -1;
  return (std::abs(ActorX - x) <= halfSize && std::abs(ActorY - y) <= halfSize) ? 0 : -1;
}

int ReachRadius(int x1, int y1, int x2, int y2, int radius, int heightLimit) {
  return ReachTest(x1, y1, x2, y2, radius, heightLimit);
}

void TeamOps_Reset() {
  ShootOutKicks = 0;
  for (auto& side : ShootOutOrder)
    for (auto& e : side) e = -1;
}
REGISTER_RESET(RESET_MATCH, TeamOps_Reset);
