// Headers, the overhead kick and the ball taken down or laid off.
#include "gamecode/control.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"
#include "gamecode/freelane.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "gamecode/passes.h"
#include "gamecode/passfind.h"
#include "gamecode/shots.h"
#include "gamecode/teamops.h"

const int32_t BallLiftTable[6][30] = {
    {-81920, -65536, -32768, -16384, 0, 4096, 8192, 12288, 16384, 24576, 32768, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960, 40960},
    {-196608, -196608, -196608, -180224, -163840, -147456, -131072, -122880, -114688, -106496, -98304, -81920, -65536, -32768, -16384, 0, 4096, 8192, 12288, 16384, 24576, 32768, 40960, 45056, 49152, 53248, 57344, 61440, 65536, 0},
    {-98304, -81920, -65536, -32768, -16384, 0, 4096, 8192, 12288, 16384, 24576, 32768, 40960, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152, 49152},
    {-196608, -196608, -196608, -196608, -196608, -196608, -196608, -196608, -196608, -196608, -180224, -163840, -147456, -131072, -122880, -114688, -106496, -98304, -81920, -65536, -32768, -16384, 0, 16384, 32768, 32768, 32768, 32768, 32768, 32768},
    {-131072, -131072, -131072, -131072, -131072, -131072, -114688, -98304, -81920, -65536, -49152, -32768, -16384, 0, 16384, 32768, 49152, 65536, 81920, 98304, 114688, 131072, 147456, 163840, 180224, 196608, 196608, 196608, 196608, 196608},
    {-65536, -65536, -65536, -65536, -65536, -65536, -61440, -57344, -53248, -49152, -45056, -40960, -36864, -32768, -28672, -24576, -20480, -16384, -12288, -8192, -4096, 0, 8192, 16384, 32768, 65536, 98304, 131072, 163840, 196608},
};

namespace {

constexpr int32_t kOne = 65536;
constexpr int kSfxHeader = 5;
constexpr int kCommentPriority = 1;
constexpr int kJumpDivisor = 38;   // the jump peaks at this motion frame
constexpr int kReceiver = 17;
constexpr int kCloseOpponent = 300;
constexpr double kTwoPi = 6.283185307179586;
constexpr int kNearGoal = 400;    // a glancing header from nearer goes at goal

enum Aim { AIM_TARGET, AIM_SHOT, AIM_OVERHEAD, AIM_PASS, AIM_WANTED, AIM_HEADER_TARGET, AIM_NONE };
enum Kind { HEADER, OVERHEAD, CONTROL, LAY_OFF };

struct AirMember {
  int code;
  int motion;
  Aim aim;
  int strikeFrame;  // the first motion frame he may play the ball in
  int waitUntil;    // the approach runs at double speed until this count
  int32_t power;    // 16.16
  int liftTable;
  int comment;
  Kind kind;
  bool jump;
  int minHeight;    // the ball must be higher than this
  bool accuracy;    // the strike's errors
  bool offside;
  int next;         // the code after the motion
};

constexpr AirMember kMembers[] = {
    {46, MOTION_ANF088, AIM_TARGET, 38, 38, 4 * kOne + kOne / 2, 4, 247, HEADER, true, 8, true, true, 0},
    {47, MOTION_ANF089, AIM_SHOT, 54, 54, 8 * kOne, 1, 249, HEADER, true, 8, true, true, 0},
    {48, MOTION_ANF092, AIM_SHOT, 47, 47, 4 * kOne + kOne / 2, 3, 250, HEADER, true, 8, false, true, 0},
    {50, MOTION_ANF104, AIM_OVERHEAD, 54, 54, 10 * kOne + kOne / 2, 3, 253, OVERHEAD, true, 8, true, true, 0},
    {51, MOTION_ANF099, AIM_TARGET, 11, 21, 7 * kOne + kOne / 2, 0, 254, HEADER, false, 4, true, true, 0},
    {86, MOTION_ANF087, AIM_PASS, 41, 41, 416, 5, 297, HEADER, true, 8, true, true, 0},
    {82, MOTION_ANF090, AIM_HEADER_TARGET, 49, 49, 0x58000, 1, 330, HEADER, true, 8, true, true, 0},
    {87, MOTION_ANF091, AIM_NONE, 40, 40, 0x30000, 1, 328, HEADER, true, 8, false, true, 0},
    {49, MOTION_ANF107, AIM_WANTED, 0, 0, kOne, 2, 251, CONTROL, false, 8, true, false, 4},
    {79, MOTION_AX002, AIM_WANTED, 0, 40, kOne, 2, 246, CONTROL, false, 8, true, true, 4},
    {88, MOTION_ANF106, AIM_WANTED, 0, 0, 3 * kOne + kOne / 2, 2, 299, LAY_OFF, false, 8, true, true, 4},
};

struct ControlState {
  AirBallCounts counts;
  int16_t headerTarget = -1;     // the team-mate a glancing header (82) goes to, -1 none
  int16_t headerDirection = 0;   // the direction to him when chosen
  int16_t headerOwner = -1;      // the header that chose him
};

ControlState gState;

// The glancing header's team-mate, if this player's header chose one that
// is still on his side.
int HeaderMate(int object) {
  const int mate = gState.headerTarget;
  if (gState.headerOwner != object || !IsPlayer(mate) || mate == object || SideOf(mate) != SideOf(object)) return -1;
  return mate;
}


const AirMember* MemberOf(int code) {
  for (const AirMember& m : kMembers)
    if (m.code == code) return &m;
  return nullptr;
}

int Heading(const MatchObject& o) { return o.attr[SKILL_HEADING]; }

int AimOf(int object, const AirMember& m) {
  const MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  switch (m.aim) {
    case AIM_TARGET: return MatchSeams.targetPoint(object, 1, side);
    case AIM_SHOT: return GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY);
    case AIM_OVERHEAD:
      // Back to goal: the ball goes over his head, at goal only from close in.
      UpdateGoalDistance(object, side);
      return (MatchSeams.targetPoint(object, GoalDistance < 25 * 16 ? 1 : 0, side) + 128) & 255;
    case AIM_PASS: return GetDirection256(ActorX, ActorY, PassPointX, PassPointY);
    case AIM_HEADER_TARGET: {
      UpdateGoalDistance(object, side);
      if (GoalDistance < kNearGoal) {
        gState.headerTarget = -1;
        return GetDirection256(ActorX, ActorY, ShotTargetX, ShotTargetY);
      }
      if (HeaderMate(object) >= 0) return gState.headerDirection;
      const int mate = FindPassTargetFacing(object);
      if (IsPlayer(mate) && SideOf(mate) == side && mate != object) {
        gState.headerTarget = static_cast<int16_t>(mate);
        gState.headerOwner = static_cast<int16_t>(object);
        gState.headerDirection =
            static_cast<int16_t>(GetDirection256(ActorX, ActorY, MatchObjects[mate].x, MatchObjects[mate].y));
        return MatchSeams.targetPoint(object, 0, side);
      }
      return MatchSeams.targetPoint(object, 1, side);
    }
    case AIM_NONE: return o.facing;
    case AIM_WANTED: break;
  }
  return o.wantedFacing & 255;
}

void Strike(int direction, int32_t power, int table) {
  PolarToOffset(direction & 255, power, 256);
  ballVelX = OffsetX;
  ballVelY = -OffsetY;
  ballVelHeight = BallLift(table, BallHeight);
}

// The smallest of the opponents' distances, each seen along his wanted
// facing; 10000 for a side with nobody on the pitch.
int NearestOpponentAlongFacing(int object) {
  const int other = 1 - SideOf(object);
  int best = 10000;
  for (int i = other * SIDE_OBJECTS; i < (other + 1) * SIDE_OBJECTS; ++i) {
    const MatchObject& q = MatchObjects[i];
    if (q.offPitch != 0) continue;
    const double w = (q.wantedFacing & 255) * kTwoPi / 256.0;
    const int d = std::abs(static_cast<int>(std::trunc((q.x - ActorX) * std::sin(w)))) +
                  std::abs(static_cast<int>(std::trunc((q.y - ActorY) * std::cos(w))));
    best = std::min(best, d);
  }
  return best;
}

void CountHeader(int object) {
  const bool highHalf = ActorY >= 1082;
  const bool attacking = SideOf(object) == LowGoalSide ? highHalf : !highHalf;
  int16_t* counter = attacking ? gState.counts.headersAttacking : gState.counts.headersDefending;
  ++counter[object];
}

void CountControl(int object, bool clean) {
  int16_t* counter = clean ? gState.counts.cleanControls : gState.counts.failedControls;
  ++counter[object];
}

// The receiver waits where he stands for the ball.
void HoldReceiver(int receiver) {
  MatchObject& r = MatchObjects[receiver];
  SetPlayerAction(receiver, kReceiver);
  r.passX = r.x;
  r.passY = r.y;
}

// The ball is played: the direction and power of the member, the lift by
// the ball's height now, and the bookkeeping of a touch.
void PlayBall(int object, const AirMember& m) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  if (m.kind == HEADER) CountHeader(object);
  o.actionArg = 1;
  if (m.offside) CheckOffside(object);
  LastKicker = 0;
  int comment = m.comment, second = -1;
  const int skill = GetEffectiveSkill(object, o.attr[SKILL_CONTROL]);
  switch (m.kind) {
    case HEADER:
      if (m.code == 82) {
        const int mate = HeaderMate(object);
        if (mate >= 0) {
          MatchObject& t = MatchObjects[mate];
          PassPointX = t.x;
          PassPointY = t.y;
          HoldReceiver(mate);
          second = mate;
          comment = 329;
          Strike(GetDirection256(ActorX, ActorY, t.x, t.y), m.power, m.liftTable);
        } else {
          Strike(o.facing, GoalDistance < kNearGoal ? 0x80000 : m.power, m.liftTable);
        }
        break;
      }
      if (m.code == 87) {
        Strike(o.facing + 128, m.power, m.liftTable);  // back over his head
        break;
      }
      Strike(o.facing, m.power, m.liftTable);
      if (m.code == 86) {
        if (IsPlayer(PassReceiver) && SideOf(PassReceiver) == side && PassReceiver != object) {
          HoldReceiver(PassReceiver);
          second = PassReceiver;
        } else {
          comment = 298;
        }
      }
      break;
    case OVERHEAD: Strike(o.facing + 128, m.power, m.liftTable); break;
    case CONTROL: {
      const bool clean = static_cast<int>(GameRandom() % 100) < skill;
      CountControl(object, clean);
      Strike(o.facing, clean ? kOne : 3 * kOne, m.liftTable);
      break;
    }
    case LAY_OFF: {
      const int receiver = FindPassTargetFacing(object);
      int direction;
      if (IsPlayer(receiver) && SideOf(receiver) == side && receiver != object) {
        HoldReceiver(receiver);
        second = receiver;
        direction = GetDirection256(ballX, ballY, MatchObjects[receiver].x, MatchObjects[receiver].y);
      } else {
        direction = FindFreeLane(object, MatchSeams.targetPoint(object, 0, side), 350);
      }
      const bool clean = static_cast<int>(GameRandom() % 100) < skill;
      CountControl(object, clean);
      if (!clean) {
        Strike(o.facing, m.power, m.liftTable);
      } else if (direction < 0) {
        Strike(o.facing, kOne * 7 / 10, m.liftTable);
      } else {
        // Softly to the first man of the list when an opponent is on him.
        const bool soft = second == 0 && NearestOpponentAlongFacing(object) < kCloseOpponent;
        Strike(direction, soft ? kOne * 7 / 8 : m.power, m.liftTable);
      }
      break;
    }
  }
  MatchSeams.sayComment(comment, kCommentPriority, side, object, second, 0);
  LeaveBall(object, kSfxHeader);
  if (m.code == 82 || m.code == 87) {
    LastPasser = static_cast<int16_t>(object);
    PassTimer = 300;
    SideLastToucher[side] = static_cast<int16_t>(object);
  }
  MarkOffsideCandidates(object);
  if (m.accuracy) SetStrikeError(object, -1);
}

void RunAirAction(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const AirMember* m = MemberOf(o.action);
  if (m == nullptr) return;
  if (m->code == 82 || m->code == 87) TurnTowards(object, AimOf(object, *m));
  else TurnOneStep(object, AimOf(object, *m));
  const bool glancing = m->code == 82;
  if (!PlayMotion(object, m->motion, o.actionArg + 1, m->next)) {
    if (glancing) gState.headerTarget = -1;
    return;
  }
  if (o.actionArg == 0 && o.actionArg2 < m->waitUntil) {
    if (!PlayMotion(object, m->motion, 1, m->next)) {
      if (glancing) gState.headerTarget = -1;
      return;
    }
    ++o.actionArg2;
  }
  AirBallFrameStep(object);
}

}  // namespace

int32_t BallLift(int table, int height) {
  table = std::clamp(table, 0, 5);
  return BallLiftTable[table][std::clamp(height, 0, 29)];
}

int JumpHeight(int heading, int motionFrame) { return JumpHeightOver(heading, motionFrame, kJumpDivisor); }

int JumpHeightOver(int heading, int motionFrame, int rise) {
  if (rise <= 0) return 0;
  const int peak = heading * 50 / 1000;
  int h = (heading * 50 / rise) * motionFrame / 1000;
  if (h > peak) h = peak - (h - peak);
  return std::max(h, 0);
}

void AirBallFrameStep(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& o = MatchObjects[object];
  const AirMember* m = MemberOf(o.action);
  if (m == nullptr) return;
  const int heading = Heading(o);
  const int rise = m->code == 82 ? 49 : m->code == 87 ? 40 : kJumpDivisor;
  o.height = static_cast<int16_t>(m->jump ? JumpHeightOver(heading, o.motionFrame, rise) : 0);
  if (o.actionArg != 0) return;
  if (ReachDistance(ActorX, ActorY, o.passX, o.passY, 1000) != 0 && PathBlocked(object) == 0)
    MoveInDirection(object, 140, 8, GetDirection256(ActorX, ActorY, o.passX, o.passY));
  const int reach = heading / 20 + 8, limit = heading / 20 + 16;
  if (BallHeight > m->minHeight && ReachTest(ActorX, ActorY, ballX, ballY, reach, limit) == 0 &&
      o.motionFrame >= m->strikeFrame && !BallInHands())
    PlayBall(object, *m);
}

void Action_Header(int object) { RunAirAction(object); }
void Action_BallControl(int object) { RunAirAction(object); }

const AirBallCounts& AirBallCountsNow() { return gState.counts; }

void Control_Reset() { gState = ControlState{}; }
REGISTER_RESET(RESET_MATCH_PLAY, Control_Reset);
