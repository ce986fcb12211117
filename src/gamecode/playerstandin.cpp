// The players' stand-ins: team-shape targets from the formation grid, the
// keeper's stand, a kick upfield for the player on the ball and the match
// states of a kicked-about ball.
#include "gamecode/playerstandin.h"

#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kKeeperStand = 122;
constexpr int kKeeperLineOffset = 32;
constexpr int kOutfieldSlots = 11;
constexpr int kSettleWaitLimit = 3000;  // frames after which the ball is launched anyway
constexpr int kTakeReach = 9;
constexpr int kKickTouchLock = 16;

struct StandInState {
  PlayerStandInCounts counts[5];
  int32_t periodFrame;  // frames seen by the state handler in this period
  int8_t countedPeriod;
};
StandInState gState;

void ClearCounts() {
  for (PlayerStandInCounts& c : gState.counts) {
    c = {};
    c.settledFrame = -1;
    c.firstTake[0] = c.firstTake[1] = -1;
  }
  gState.periodFrame = 0;
  gState.countedPeriod = -1;
}

PlayerStandInCounts& Counts() {
  const int p = period < 0 ? 0 : period > 4 ? 4 : period;
  return gState.counts[p];
}

int SideOf(int object) { return object < SIDE_OBJECTS ? 0 : 1; }

// The side that defends the low goal line measures from it, the other from the high one.
void FromOwnGoal(int side, int across, int along, int16_t* x, int16_t* y) {
  const bool low = side == LowGoalSide;
  *x = static_cast<int16_t>(low ? Pitch.minX + across : Pitch.maxX - across);
  *y = static_cast<int16_t>(low ? Pitch.minY + along : Pitch.maxY - along);
}

void Launch(int x, int y, int32_t vx, int32_t vy, int32_t vz) {
  StandInLaunchBall(x, y, 0, vx, vy, vz);
  ++Counts().kicks;
}

// A seeded roll from (x, y): a random direction, 4-7 units a frame.
void LaunchRolling(int x, int y) {
  const double a = (GameRandom() % 256) * kTwoPi / 256.0;
  const double speed = (4 + GameRandom() % 4) * 65536.0;
  int32_t vx = static_cast<int32_t>(std::sin(a) * speed);
  int32_t vy = static_cast<int32_t>(-std::cos(a) * speed);
  // Near a line the roll goes back into the pitch.
  if (std::abs(x - Pitch.centreX) > Pitch.width / 3) vx = (x < Pitch.centreX ? 1 : -1) * std::abs(vx);
  if (std::abs(y - Pitch.centreY) > Pitch.length / 3) vy = (y < Pitch.centreY ? 1 : -1) * std::abs(vy);
  Launch(x, y, vx, vy, 0);
}

void NoteTake(int object) {
  PlayerStandInCounts& c = Counts();
  const int side = SideOf(object);
  ++c.takes[side];
  if (c.firstTake[side] < 0) c.firstTake[side] = gState.periodFrame;
}

bool EveryoneStands() {
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    const MatchObject& o = MatchObjects[object];
    if (o.offPitch || o.onBench) continue;
    if (o.action != 0 && o.action != kKeeperStand) return false;
    if (std::abs(o.x - o.targetX) + std::abs(o.y - o.targetY) > 5) return false;
  }
  return MoversCount == 0;
}

void TakeStillBall() {
  if (ballDirection != 256 || BallHeight != 0) return;
  for (int side = 0; side < 2; ++side) {
    const int object = ActivePlayer[side];
    if (object < 0 || object >= MATCH_PLAYERS) continue;
    MatchObject& p = MatchObjects[object];
    if (p.offPitch || std::abs(ballX - p.x) > kTakeReach || std::abs(ballY - p.y) > kTakeReach) continue;
    BallAtFeet(object);
    p.hasBall = 1;
    BallCarrier = static_cast<int16_t>(object);
    PlayerStandIn_KickUpfield(object);
    return;
  }
}

}  // namespace

void KeeperPoint(int side, int16_t* x, int16_t* y) {
  FromOwnGoal(side, Pitch.centreX - Pitch.minX, kKeeperLineOffset, x, y);
}

void PlayerStandIn_ShapeTargets() {
  for (int side = 0; side < 2; ++side) {
    const uint8_t* slots = Football_GetTeamFormation(static_cast<int16_t>(side));
    for (int place = 0; place < kOutfieldSlots; ++place) {
      const int object = SideSlots[side][place];
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      MatchObject& o = MatchObjects[object];
      int16_t x = 0, y = 0;  // the record is packed: no pointers into it
      if (place == 0) {
        KeeperPoint(side, &x, &y);
        o.targetX = x;
        o.targetY = y;
        continue;
      }
      const uint8_t* slot = slots + place * TACTICS_SLOT_SIZE;
      int column = slot[TACTICS_SLOT_X] | slot[TACTICS_SLOT_X + 1] << 8;
      int row = slot[TACTICS_SLOT_Y] | slot[TACTICS_SLOT_Y + 1] << 8;
      column = column < 0 ? 0 : column > 14 ? 14 : column;
      row = row < 0 ? 0 : row > 17 ? 17 : row;
      // The formation is drawn from the side's own view: mirrored across.
      column = 14 - column;
      const int across = (column * 1000 / 15 + 33) * 126 / 100;
      const int along = (row * 1500 / 18 + 41) * 126 / 100;
      FromOwnGoal(side, across, along, &x, &y);
      o.targetX = x;
      o.targetY = y;
    }
  }
}

void PlayerStandIn_KeeperStand(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return;
  MatchObject& o = MatchObjects[object];
  int16_t x, y;
  KeeperPoint(SideOf(object), &x, &y);
  o.targetX = x;
  o.targetY = y;
  if (ReachDistance(ActorX, ActorY, x, y, 1000) == 0) {
    o.speed = 0;
    TurnTowards(object, GetDirection256(ActorX, ActorY, Pitch.centreX, Pitch.centreY));
    LoopMotion(object, MOTION_ANF001, 1, 0);
    return;
  }
  ++MoversCount;
  TurnTowards(object, GetDirection256(ActorX, ActorY, x, y));
  LoopMotion(object, MOTION_ANF019, 1, 31);
  MovePlayer(object, 64, 1);
}

void PlayerStandIn_KickUpfield(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return;
  MatchObject& p = MatchObjects[object];
  // Only with the ball at his feet (not while his touch lock runs on).
  if (!p.hasBall) return;
  p.hasBall = 0;
  const int side = SideOf(object);
  const int forward = side == LowGoalSide ? 1 : -1;
  int tx = Pitch.minX + 100 + GameRandom() % (Pitch.width - 200);
  int ty = ballY + forward * (300 + GameRandom() % 500);
  if (ty < Pitch.minY + 60) ty = Pitch.minY + 60;
  if (ty > Pitch.maxY - 60) ty = Pitch.maxY - 60;
  NoteTake(object);
  PossessionSide = static_cast<uint8_t>(side);
  BallCarrier = static_cast<int16_t>(object);
  LastKicker = static_cast<int16_t>(object);
  p.touchLock = kKickTouchLock;
  Launch(ballX, ballY, (tx - ballX) * 65536 / 40, (ty - ballY) * 65536 / 40, GameRandom() % 3 * 65536);
}

void PlayerStandIn_MatchStates() {
  if (gState.countedPeriod != period) {
    gState.countedPeriod = period;
    gState.periodFrame = 0;
  }
  ++gState.periodFrame;
  PlayerStandInCounts& c = Counts();
  switch (MatchState) {
    case STATE_PERIOD_START:
      if ((gState.periodFrame > 2 && EveryoneStands()) || gState.periodFrame >= kSettleWaitLimit) {
        if (EveryoneStands()) c.settledFrame = gState.periodFrame;
        PossessionSide = kickOffSide;
        LaunchRolling(Pitch.centreX, Pitch.centreY);
      }
      return;
    case STATE_OPEN_PLAY:
      if (ballOutState == 2) {
        ++c.restarts;
        LaunchRolling(restartX, restartY);
      } else if (ballOutState == 0) {
        TakeStillBall();
      }
      return;
    case STATE_GOAL: {
      const int scorer = ballY < Pitch.centreY ? 1 - LowGoalSide : LowGoalSide;
      if (period != 4) ++Score[scorer];
      ++c.goals;
      PossessionSide = static_cast<uint8_t>(1 - scorer);
      LaunchRolling(Pitch.centreX, Pitch.centreY);
      return;
    }
    case STATE_THROW_IN:
    case STATE_GOAL_KICK:
    case STATE_CORNER: {
      ++c.restarts;
      int16_t x = 0, y = 0;
      BallRestartSpot(MatchState, &x, &y);
      LaunchRolling(x, y);
      return;
    }
    case STATE_SHOOTOUT_KICK:
      return;
    default:
      ++c.restarts;
      LaunchRolling(ballX, ballY);
      return;
  }
}

void PlayerStandIns_Install(MatchSeamTable& t) {
  t.teamShapeSetTargets = PlayerStandIn_ShapeTargets;
  t.matchStateHandler = PlayerStandIn_MatchStates;
  t.onBallDecisions = PlayerStandIn_KickUpfield;
  PlayerActionTable[kKeeperStand] = PlayerStandIn_KeeperStand;
}

const PlayerStandInCounts& PlayerStandInCountsOf(int p) { return gState.counts[p < 0 ? 0 : p > 4 ? 4 : p]; }

void PlayerStandIns_Reset() { ClearCounts(); }
REGISTER_RESET(RESET_MATCH, PlayerStandIns_Reset);
