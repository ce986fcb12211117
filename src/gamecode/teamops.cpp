// Short operations on whole teams and single players: the match states use
// them to put everyone into an action, settle the players for a restart,
// find a free team-mate, set up a corner and pick the penalty takers of a
// shoot-out; the players' actions to hand over, strike and push the ball,
// count touches in their own area, keep on the pitch and aim a free kick.
#include "gamecode/teamops.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/basicacts.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

int16_t ShootOutKicks = 0;
int16_t ShootOutOrder[2][10] = {};
int16_t ShotTargetX = 0, ShotTargetY = 0;
int16_t PassPointX = 0, PassPointY = 0;

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

// A kicked ball: 30 units a frame along the pitch's plane, and its lift.
constexpr int kKickLength = 30;
constexpr int32_t kStrikeScale = 4096;
constexpr int32_t kStrikeLift = 20480;
constexpr int kPlayingFrames = 16;
constexpr int kKickSpeed = 64;
constexpr int kTurnForward = 33, kTurnAbout = 73;
constexpr int kNearOpponent = 300;
constexpr int kComposureSheetValue = 6;
constexpr int kPressureDistance = 72;
// The penalty areas: their fronts along the pitch, their width across it
// (strictly inside).
constexpr int kLowBoxFront = 410, kHighBoxFront = 1754;
constexpr int kBoxMinX = 476, kBoxMaxX = 1116;
// How far a player may stand beyond the lines.
constexpr int kBeyondNearTouchLine = 2, kBeyondLine = 10;
constexpr int kWallAction = 58;
constexpr int kPostLowX = 730, kPostHighX = 862;  // the goal posts across the pitch
constexpr int kBehindGoalLine = 5;
constexpr int kInsidePostLow = 725, kInsidePostHigh = 867;
constexpr int kPostMiss = 20;
constexpr int kMakeRoom = 100;
constexpr int kGoalLineMargin = 64;

bool ValidPlayer(int object) { return object >= 0 && object < MATCH_PLAYERS; }

bool OnPitch(int object) { return ValidPlayer(object) && MatchObjects[object].offPitch == 0; }


bool IsKeeper(int object) {
  const int keeper = SideSlots[SideOf(object)][0];
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
  const int side = SideOf(taker);
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

namespace {

// Inside the penalty area of the goal the side defends.
bool InOwnPenaltyArea(int side, int x, int y) {
  if (x <= kBoxMinX || x >= kBoxMaxX) return false;
  return side == LowGoalSide ? y < kLowBoxFront : y > kHighBoxFront;
}

// The signed turn from direction b to direction a, -128 to 127.
int Turn(int a, int b) { return static_cast<int8_t>(static_cast<uint8_t>(a - b)); }

int32_t Fixed(int units) { return static_cast<int32_t>(static_cast<uint32_t>(units) << 16); }

}  // namespace

void GiveBallTo(int object) {
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].hasBall = 0;
  if (ValidPlayer(object)) MatchObjects[object].hasBall = 1;
}

void EnsureActivePlayer(int side) {
  side &= 1;
  if (ActivePlayer[side] == NO_ACTIVE_PLAYER) ActivePlayer[side] = ChaseOrder[side][0];
}

void SetBallVelocityTowards(int x, int y, int factor, int upward) {
  ballVelX = factor * (x - ballX);
  ballVelY = factor * (y - ballY);
  ballVelHeight = upward;
}

void KickBallFromPlayer(int direction, int object) {
  if (!ValidPlayer(object)) return;
  PolarToOffset(direction & 255, kKickLength, 256);
  ballVelX = OffsetX * kStrikeScale;
  ballVelY = -OffsetY * kStrikeScale;
  ballVelHeight = kStrikeLift;
  MatchObject& o = MatchObjects[object];
  o.touchLock = kPlayingFrames;
  o.actionArg = 1;
  o.speed = kKickSpeed;
}

void PushBallAhead(int direction, int skill, int object) { TurnKick(direction, skill, object); }

int TurnKindFor(int startDirection, int endDirection) {
  const int turn = (endDirection - startDirection) & 255;
  return turn < 64 || turn > 192 ? kTurnForward : kTurnAbout;
}

int NoOpponentNear(int object) {
  if (!ValidPlayer(object)) return 1;
  const int other = 1 - SideOf(object);
  for (int i = other * SIDE_OBJECTS; i < (other + 1) * SIDE_OBJECTS; ++i) {
    MatchObject& o = MatchObjects[i];
    if (o.offPitch != 0) continue;
    const int composure = GetEffectiveSkill(i, SheetSkill(o, kComposureSheetValue));
    if (o.ballDistance < kNearOpponent - composure) return 0;
  }
  return 1;
}

int CountBoxTouchUnderPressure(int object) {
  if (!ValidPlayer(object)) return 0;
  const int side = SideOf(object);
  const int opponent = ActivePlayer[1 - side];
  if (!ValidPlayer(opponent) || MatchObjects[opponent].ballDistance >= kPressureDistance) return 0;
  MatchObject& o = MatchObjects[object];
  if (!InOwnPenaltyArea(side, o.x, o.y)) return 0;
  ++o.boxTouchPressure;
  return 1;
}

int CountBoxTouchA(int object, int side) {
  if (!ValidPlayer(object) || !InOwnPenaltyArea(side & 1, ActorX, ActorY)) return 0;
  ++MatchObjects[object].boxTouchA;
  return 1;
}

int CountBoxTouchB(int object, int side) {
  if (!ValidPlayer(object) || !InOwnPenaltyArea(side & 1, ActorX, ActorY)) return 0;
  ++MatchObjects[object].boxTouchB;
  return 1;
}

void KeepInsidePitch() {
  ActorFixedX = std::clamp(ActorFixedX, Fixed(kNearTouchLine - kBeyondNearTouchLine),
                           Fixed(kFarTouchLine + kBeyondLine));
  ActorFixedY = std::clamp(ActorFixedY, Fixed(kLowGoalLine - kBeyondLine), Fixed(kHighGoalLine + kBeyondLine));
  ActorX = static_cast<int16_t>(ActorFixedX / 65536);
  ActorY = static_cast<int16_t>(ActorFixedY / 65536);
}

int RandomReduce(int range, int value) { return SkillRoll(value, range); }

void MarkPlayingFrames(int object) {
  if (!ValidPlayer(object) || TotalFrames == 0) return;
  MatchObject& o = MatchObjects[object];
  if (o.firstActiveFrame == 0)
    o.firstActiveFrame = TotalFrames;
  else
    o.lastActiveFrame = TotalFrames;
}

void AimFreeKickAtGap() {
  const bool attacksHigh = (CurrentSide & 1) == LowGoalSide;
  const int goalY = attacksHigh ? kHighGoalLine + kBehindGoalLine : kLowGoalLine - kBehindGoalLine;
  ShotTargetY = static_cast<int16_t>(goalY);
  // The wall's two ends across the pitch.
  int low = -1, high = -1;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    const MatchObject& o = MatchObjects[i];
    if (o.action != kWallAction) continue;
    if (low < 0 || o.targetX < MatchObjects[low].targetX) low = i;
    if (high < 0 || o.targetX > MatchObjects[high].targetX) high = i;
  }
  if (low < 0) {
    // No wall: nothing to bend the ball round.
    ShotTargetX = kCentreX;
    return;
  }
  auto directionTo = [](int x, int y) { return GetDirection256(ActorX, ActorY, x, y); };
  const MatchObject& lowEnd = MatchObjects[low];
  const MatchObject& highEnd = MatchObjects[high];
  // Each gap as the turn from the post to the wall's end, seen from the
  // taker; negative when the wall reaches past the post. Towards the goal
  // at the high end larger x turns the other way: the turns are mirrored.
  int gapLow = Turn(directionTo(lowEnd.targetX, lowEnd.targetY), directionTo(kInsidePostLow, goalY));
  int gapHigh = Turn(directionTo(kInsidePostHigh, goalY), directionTo(highEnd.targetX, highEnd.targetY));
  if (attacksHigh) {
    gapLow = -gapLow;
    gapHigh = -gapHigh;
  }
  if (gapLow < 0 && gapHigh < 0)
    ShotTargetX = kCentreX;
  else if (gapLow > gapHigh)
    ShotTargetX = static_cast<int16_t>(kPostLowX - GameRandom() % kPostMiss);
  else
    ShotTargetX = static_cast<int16_t>(kPostHighX + GameRandom() % kPostMiss);
}

void SpreadPlayersFromRestart(int taker) {
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (i == taker || i == SideSlots[0][0] || i == SideSlots[1][0]) continue;
    MatchObject& o = MatchObjects[i];
    if (o.offPitch != 0 || o.action == kWallAction) continue;
    if (o.targetX > kBoxMaxX - kMakeRoom) o.targetX = static_cast<int16_t>(o.targetX - kMakeRoom);
    if (o.targetX < kBoxMinX + kMakeRoom) o.targetX = static_cast<int16_t>(o.targetX + kMakeRoom);
    if (restartY > kCentreY) {
      if (o.targetY >= kCentreY + kMakeRoom && o.targetY < restartY)
        o.targetY = static_cast<int16_t>(o.targetY + kMakeRoom);
    } else if (o.targetY <= kCentreY - kMakeRoom && o.targetY > restartY) {
      o.targetY = static_cast<int16_t>(o.targetY - kMakeRoom);
    }
    if (o.targetY < kLowGoalLine) o.targetY = kLowGoalLine + kGoalLineMargin;
    if (o.targetY > kHighGoalLine) o.targetY = kHighGoalLine - kGoalLineMargin;
  }
}

void TeamOps_Reset() {
  ShotTargetX = ShotTargetY = 0;
  PassPointX = PassPointY = 0;
  ShootOutKicks = 0;
  for (auto& side : ShootOutOrder)
    for (auto& e : side) e = -1;
}
REGISTER_RESET(RESET_MATCH_PLAY, TeamOps_Reset);
