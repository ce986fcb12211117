// What is left of the players' first stand-ins: the active player taking a
// still ball at his feet, the plain restart taker that the organiser and the
// corner walk fall back on for a restart not theirs, and the count of the
// restarts played.
#include "gamecode/playerstandin.h"

#include <cstdlib>
#include <initializer_list>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/meet.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

namespace {

constexpr int kKeeperStand = 122;
constexpr int kRestartWait = 3;
constexpr int kTakeReach = 9;
constexpr int kKickTouchLock = 16;
constexpr int kKickFrames = 40;         // a played ball reaches its point in about this many frames

struct StandInState {
  PlayerStandInCounts counts[5];
};
StandInState gState;

void ClearCounts() {
  for (PlayerStandInCounts& c : gState.counts) {
    c = {};
    c.firstTake[0] = c.firstTake[1] = -1;
  }
}

PlayerStandInCounts& Counts() {
  const int p = period < 0 ? 0 : period > 4 ? 4 : period;
  return gState.counts[p];
}


bool OnPitchPoint(int x, int y) {
  return x >= Pitch.minX && x <= Pitch.maxX && y >= Pitch.minY && y <= Pitch.maxY;
}

// The ball leaves (x, y) at the velocity: open play from here on.
void PlayBall(int object, int x, int y, int32_t vx, int32_t vy, int32_t vz) {
  if (keeperHolder == object + 1) keeperHolder = 0;
  if (throwHolder == object + 1) throwHolder = 0;
  PutBallInPlay(x, y, 0, vx, vy, vz);
  BallKicked(object);
  MatchObject& p = MatchObjects[object];
  p.hasBall = 0;
  p.touchLock = kKickTouchLock;
  PossessionSide = static_cast<uint8_t>(SideOf(object));
  BallCarrier = static_cast<int16_t>(object);
  LastKicker = static_cast<int16_t>(object);
  ++Counts().kicks;
}

// A seeded point 300-800 upfield of the ball for the object's side.
void UpfieldPoint(int object, int* x, int* y) {
  const int forward = SideOf(object) == LowGoalSide ? 1 : -1;
  *x = Pitch.minX + 100 + GameRandom() % (Pitch.width - 200);
  int ty = ballY + forward * (300 + GameRandom() % 500);
  if (ty < Pitch.minY + 60) ty = Pitch.minY + 60;
  if (ty > Pitch.maxY - 60) ty = Pitch.maxY - 60;
  *y = ty;
}

void NoteTake(int object) {
  PlayerStandInCounts& c = Counts();
  const int side = SideOf(object);
  ++c.takes[side];
  if (c.firstTake[side] < 0) c.firstTake[side] = static_cast<int32_t>(MatchFrameCounter);
}

// Walks the acting player towards (x, y): 1 once he stands there.
bool WalkTo(int object, int x, int y, int topSpeed) {
  MatchObject& o = MatchObjects[object];
  if (ReachDistance(ActorX, ActorY, x, y, 1000) == 0) {
    o.speed = 0;
    LoopMotion(object, MOTION_ANF001, 1, 0);
    return true;
  }
  TurnTowards(object, GetDirection256(ActorX, ActorY, x, y));
  LoopMotion(object, MOTION_ANF019, 1, 31);
  MovePlayer(object, topSpeed, 1);
  return false;
}

bool KeeperCode(int code) { return code >= 120; }

}  // namespace

void PlayerStandIn_TakeStillBall(int object) {
  if (!IsPlayer(object) || MatchState != STATE_OPEN_PLAY || ballOutState != 0) return;
  if (ballDirection != 256 || BallHeight != 0 || keeperHolder != 0 || throwHolder != 0) return;
  if (ActivePlayer[SideOf(object)] != object) return;
  MatchObject& p = MatchObjects[object];
  if (std::abs(ballX - ActorX) > kTakeReach || std::abs(ballY - ActorY) > kTakeReach) return;
  BallAtFeet(object);
  p.hasBall = 1;
  BallCarrier = static_cast<int16_t>(object);
  NoteTake(object);
  MatchSeams.onBallDecisions(object);
}

void PlayerStandIn_TakeRestart(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const int code = o.action;
  // The keeper's release (and a kick-off) are taken where the ball is; the
  // other restarts from the restart spot, where the taker puts the ball.
  const bool fromBall = code == 27 || code == 123;
  const int spotX = fromBall ? ballX : restartX;
  const int spotY = fromBall ? ballY : restartY;
  o.targetX = static_cast<int16_t>(spotX);
  o.targetY = static_cast<int16_t>(spotY);
  // The ball in his hands (a throw-in, the keeper's release) goes with him.
  const bool holding = keeperHolder == object + 1 || throwHolder == object + 1;
  if (!holding && !WalkTo(object, spotX, spotY, 64)) {
    ++MoversCount;
    return;
  }
  const int fromX = holding ? ballX : spotX;
  const int fromY = holding ? ballY : spotY;
  const MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  int tx = marker.x, ty = marker.y;
  if (!OnPitchPoint(tx, ty) || (tx == fromX && ty == fromY)) UpfieldPoint(object, &tx, &ty);
  ++Counts().restartKicks;
  if (period == 4) ShootoutKickFlag = 1;
  PlayBall(object, fromX, fromY, (tx - fromX) * 65536 / kKickFrames, (ty - fromY) * 65536 / kKickFrames, 0);
  if (code == 27) ClockRunning = 1;  // the kick-off is taken: the clock starts
  MatchState = STATE_OPEN_PLAY;
  MatchStateTimer = 0;
  SetPlayerAction(object, KeeperCode(code) ? kKeeperStand : kRestartWait);
}

void PlayerStandIn_NoteRestartKick() { ++Counts().restartKicks; }

void PlayerStandIns_Install(MatchSeamTable& t) {
  t.offBallMovement = MeetOffBall;
}

const PlayerStandInCounts& PlayerStandInCountsOf(int p) { return gState.counts[p < 0 ? 0 : p > 4 ? 4 : p]; }

void PlayerStandIns_Reset() { ClearCounts(); }
REGISTER_RESET(RESET_MATCH_PLAY, PlayerStandIns_Reset);
