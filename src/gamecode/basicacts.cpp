// The basic outfield action codes.
#include "gamecode/basicacts.h"

#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "generic/matchctrl.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kCommentPriority = 1;
constexpr int kNoHeightLimit = 1000;  // a pure distance test


void Say(int event, int object) { MatchSeams.sayComment(event, kCommentPriority, SideOf(object), object, -1, 0); }

// One unit towards the direction, the shorter way (a half turn goes down).
void TurnOneUnit(MatchObject& o, int direction) {
  const int d = direction & 255;
  const int f = o.facing;
  if (f == d) return;
  const int step = ((d > f && d - f < 128) || (d < f && f - d > 128)) ? 1 : -1;
  o.facing = static_cast<uint8_t>((f + step) & 255);
  o.turning = 0;
}

int TargetReach(const MatchObject& o) { return ReachDistance(ActorX, ActorY, o.targetX, o.targetY, kNoHeightLimit); }

// The side attacks towards larger y while it defends the low goal.
bool AttacksUp(int side) { return side == LowGoalSide; }

bool AcrossGoalMouth() { return ActorX > Pitch.goalPostMinX - 16 && ActorX < Pitch.goalPostMaxX + 16; }

void Face(MatchObject& o, int x, int y) { o.facing = static_cast<uint8_t>(GetDirection256(ActorX, ActorY, x, y)); }

// A celebration run: the loop and the run; a running player is a mover.
void CelebrationRun(int object, int motion, int top) {
  LoopMotion(object, motion, 1, 0);
  MovePlayer(object, top, 1);
  ++MoversCount;
}

// The dribbling and running-with-the-ball commentary: which event the
// player's place asks for, 0 when none.
int DribbleEvent(int object, bool running) {
  const int side = SideOf(object);
  const bool up = AttacksUp(side);
  const int line = DefensiveLineY[1 - side];
  const bool beyond = up ? ActorY > line : ActorY < line;
  // Right and left as the side attacking towards larger y sees them.
  const bool right = up ? ActorX < Pitch.minX + (beyond ? 300 : 100) : ActorX > Pitch.maxX - (beyond ? 300 : 100);
  const bool left = up ? ActorX > Pitch.maxX - (beyond ? 300 : 100) : ActorX < Pitch.minX + (beyond ? 300 : 100);
  int event = 0;
  if (beyond) event = right ? 206 : left ? 207 : 208;
  else if (right) event = 209;
  else if (left) event = 210;
  else {
    const int areaFront = up ? Pitch.penaltyAreaMaxY : Pitch.penaltyAreaMinY;
    const int shortOfArea = up ? areaFront - ActorY : ActorY - areaFront;
    const int shortOfHalfway = up ? Pitch.centreY - ActorY : ActorY - Pitch.centreY;
    if (ActorX > Pitch.penaltyAreaMinX && ActorX < Pitch.penaltyAreaMaxX && shortOfArea >= 0 && shortOfArea < 32)
      event = 211;
    else if (shortOfHalfway >= 0 && shortOfHalfway < 32)
      event = 212;
  }
  if (event == 0) return 0;
  return running ? event + 49 : event;
}

void DribbleOrRun(int object, bool running) {
  MatchObject& o = MatchObjects[object];
  const int top = running ? 190 : 140;
  MovePlayer(object, top, 4);
  if (PlayMotion(object, running ? MOTION_ANF023 : MOTION_ANF021, 1, running ? 15 : 4) == 0) o.frame = 31;
  const int limit = o.attr[SKILL_PACE] / 4 + top;
  for (int i = 0; i < (running ? 4 : 3) && o.speed < limit; ++i) ++o.speed;
  if (SkillRoll(o.attr[SKILL_AGILITY], 100) < o.attr[SKILL_AGILITY]) {
    o.speed = static_cast<int16_t>(o.speed + (running ? 5 : 2));
    if (o.speed > limit) o.speed = static_cast<int16_t>(limit);
  }
  if (o.actionArg == 0 && DribbleCommentCounter == 0) {
    const int event = DribbleEvent(object, running);
    if (event != 0) {
      Say(event, object);
      ++DribbleCommentCounter;
      ++o.actionArg;
    }
  }
}

struct TurnMember {
  int motion, turnFrame, resumeFrame, comment;
};
// 7-10, then 11-13: the first three turned the other way (mirrored clips).
constexpr TurnMember kTurns[7] = {
    {MOTION_ANF027, 8, 0, 0},       {MOTION_ANF027B, 17, 22, 0},  {MOTION_ANF027C, 37, 0, 304},
    {MOTION_ANF027D, 32, 8, 305},   {MOTION_ANF027R, 8, 0, 0},    {MOTION_ANF027BR, 17, 22, 0},
    {MOTION_ANF027CR, 37, 0, 304},
};

int GoalDistance(int side) {
  const int goalY = AttacksUp(side) ? Pitch.maxY : Pitch.minY;
  return std::abs(ActorX - Pitch.centreX) + std::abs(ActorY - goalY);
}

}  // namespace

int SkillRoll(int value, int attribute) {
  if (value <= 0 || attribute <= 0) return 0;
  return value - GameRandom() % (attribute + 1);
}

int GetEffectiveSkill(int object, int value) {
  if (object < 0 || object >= MATCH_PLAYERS) return value;
  const int side = SideOf(object);
  for (int place = 0; place < TACTICS_SLOTS; ++place) {
    if (SideSlots[side][place] != object) continue;
    const uint8_t* slot = Football_GetTeamFormation(static_cast<int16_t>(side)) + place * TACTICS_SLOT_SIZE;
    const int across = static_cast<int16_t>(slot[TACTICS_SLOT_X] | slot[TACTICS_SLOT_X + 1] << 8);
    const MatchObject& o = MatchObjects[object];
    if ((across < 4 && o.attr[SKILL_LEFT_SIDE] != 1) || (across > 11 && o.attr[SKILL_RIGHT_SIDE] != 1))
      return value / 3 + 1;
    return value;
  }
  return value;
}

void TurnKick(int direction, int attribute, int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return;
  const double a = (direction & 255) * kTwoPi / 256.0;
  const int m = 90 - attribute / 2;
  ballVelX = static_cast<int32_t>(std::trunc(m * std::sin(a))) * 4096;
  ballVelY = -static_cast<int32_t>(std::trunc(m * std::cos(a))) * 4096;
  ballVelHeight = 20480;
  MatchObjects[object].touchLock = 16;
  MatchObjects[object].actionArg = 1;
  BallKicked(object);
}

int ReachTest(int actorX, int actorY, int x, int y, int reach, int heightLimit) {
  const double e = GetDirection256(actorX, actorY, x, y) * kTwoPi / 256.0;
  const int distance = std::abs(static_cast<int>(std::trunc(std::sin(e) * (x - actorX)))) +
                       std::abs(static_cast<int>(std::trunc(std::cos(e) * (y - actorY))));
  if (distance <= reach && BallHeight < heightLimit) return 0;
  return distance + 1;
}

void Action_Stand(int object) {
  MatchObject& o = MatchObjects[object];
  o.speed = 0;
  if (SideSlots[SideOf(object)][0] == object && MatchState != 22) {
    o.action = 122;  // the goalkeeper's own stand
    return;
  }
  if (TargetReach(o) != 0) {
    SetPlayerAction(object, 3);
    return;
  }
  // In open play his side's active player goes for the ball: the choice of
  // the active player keeps a player it already chose, so one left standing
  // here would never move again, and a still ball nobody fetches stalls play.
  if (MatchState == STATE_OPEN_PLAY && ActivePlayer[SideOf(object)] == object) {
    SetPlayerAction(object, 4);
    return;
  }
  const int apart = std::abs(o.facing - o.wantedFacing);
  const int shortWay = apart > 128 ? 256 - apart : apart;
  if (apart >= 16 && apart <= 240 && shortWay > 40) TurnOneUnit(o, o.wantedFacing);
  LoopMotion(object, MOTION_ANF001, 1, 0);
}

void Action_RunToTarget(int object) {
  MatchObject& o = MatchObjects[object];
  const int d = TargetReach(o);
  if (d == 0) {
    SetPlayerAction(object, 0);
    return;
  }
  ++MoversCount;
  const int a = GetDirection256(ActorX, ActorY, o.targetX, o.targetY);
  const int b = (a + 128) & 255;
  const int away = std::abs(o.facing - b);
  if ((away < 8 || away > 248) && d < 125) {
    // Close behind him: he backs off, still facing away.
    o.facing = static_cast<uint8_t>(b);
    LoopMotion(object, MOTION_ANF025, 1, 0);
    MoveInDirection(object, 100, 1, a);
    return;
  }
  TurnOneUnit(o, a);
  if (d > 100) {
    if (o.speed >= 64 && o.frame < 0) o.frame = 0;
    LoopMotion(object, MOTION_ANF021, 1, 0);
    MovePlayer(object, 140, 1);
  } else {
    if (o.speed >= 64 && o.frame < 31) o.frame = 31;
    LoopMotion(object, MOTION_ANF019, 1, 31);
    // Over the last 30 units he slows to a stop at the target.
    MovePlayer(object, d > 30 ? 64 : (d * 100 / 30) * 64 / 100, 1);
  }
}

void Action_OpenPlay(int object) {
  MatchObject& o = MatchObjects[object];
  if (keeperHolder != 0 || throwHolder != 0 || MatchState == STATE_FOUL || MatchState > STATE_OFFSIDE) {
    Action_RunToTarget(object);
    return;
  }
  for (int i = 0; i < 5 && o.speed < o.attr[SKILL_PACE]; ++i) ++o.speed;
  ++o.openPlayFrames;
  const int side = SideOf(object);
  if (o.hasBall != 0 || (o.touchLock > 0 && PossessionSide == side)) {
    MatchSeams.onBallDecisions(object);
    return;
  }
  MatchSeams.offBallMovement(object);
  if (o.action != 4) return;
  // Where the ball will be shortly.
  const int lookX = ballPredict[0][0], lookY = ballPredict[0][1];
  if (PossessionSide == side) {
    RunToPoint(object, lookX, lookY);
    return;
  }
  const int m = ActivePlayer[1 - side];  // the other side's man nearest the ball
  const int mDistance = m >= 0 && m < MATCH_PLAYERS ? MatchObjects[m].ballDistance : 32767;
  if (mDistance > 32 || (ballDirection == 256 && mDistance > 9)) {
    RunToPoint(object, lookX, lookY);
  } else {
    MatchSeams.challengeDecision(object);
    ++o.pressingFrames;
  }
}

void Action_LookForPass(int object) {
  MatchObject& o = MatchObjects[object];
  const int side = SideOf(object);
  o.turnFacing = static_cast<int16_t>(MatchSeams.targetPoint(object, 0, side));
  ++o.actionArg2;
  if (o.hasBall == 0) {
    SetPlayerAction(object, 3);
    return;
  }
  if (PlayMotion(object, MOTION_ANF029, 5, 4) == 0) return;
  if (o.motionFrame > 30) BallAtFeet(object);
  if (o.motionFrame <= 50) return;
  o.frame = static_cast<int16_t>(o.frame - 5);  // hold the pose
  for (int kind = 0; kind < 4; ++kind)
    if (MatchSeams.passOption(object, kind) != 0) return;
  const bool blocked = PathBlocked(object) != 0;
  if (!blocked && o.actionArg2 <= 50) {
    // His way is free: he turns to where he means to go and trots on.
    TurnTowards(object, o.turnFacing);
    if (o.facing == (o.turnFacing & 255)) {
      SetPlayerAction(object, 111);
      o.frame = 50;
    }
    return;
  }
  if (o.actionArg2 > 200) {
    Say(0, object);
    MatchSeams.clearBall(object, o.turnFacing);
  } else if (GoalDistance(side) > 1600 && o.attr[SKILL_POSITION] < 5) {
    Say(1, object);
    MatchSeams.clearBall(object, o.facing);
  } else if (SkillRoll(o.attr[SKILL_INTELLIGENCE], 100) < GetEffectiveSkill(object, o.attr[SKILL_INTELLIGENCE])) {
    MatchSeams.dribbleDecision(object);
  } else {
    Say(0, object);
    MatchSeams.clearBall(object, o.turnFacing);
  }
}

void Action_OnTheBall(int object) {
  MatchObject& o = MatchObjects[object];
  o.turnFacing = static_cast<int16_t>(MatchSeams.targetPoint(object, 0, SideOf(object)));
  if (o.hasBall == 0) {
    SetPlayerAction(object, 3);
    return;
  }
  if (PlayMotion(object, MOTION_ANF028, 5, 5) == 0) {
    o.frame = 50;
    return;
  }
  if (o.motionFrame >= 26) BallAtFeet(object);
}

void Action_TurnWithBall(int object) {
  MatchObject& o = MatchObjects[object];
  const int code = o.action;
  if (code < 7 || code > 13) return;
  const TurnMember& member = kTurns[code - 7];
  if (member.comment != 0 && o.actionArg2 == 0) {
    Say(member.comment, object);
    o.actionArg2 = 1;
  }
  if (PlayMotion(object, member.motion, 2, 4) == 0) {
    o.frame = static_cast<int16_t>(member.resumeFrame);
    o.facing = static_cast<uint8_t>(o.turnFacing & 255);
    return;
  }
  if (o.frame < member.turnFrame) {
    MovePlayer(object, 0, 2);
    if (o.hasBall != 0) BallAtFeet(object);
  } else {
    MoveInDirection(object, 100, 2, o.turnFacing);
    if (o.actionArg == 0 && o.hasBall != 0) TurnKick(o.turnFacing, o.attr[SKILL_DRIBBLING], object);
  }
}

void Action_Dribble(int object) { DribbleOrRun(object, false); }
void Action_RunWithBall(int object) { DribbleOrRun(object, true); }

void Action_Stumble(int object) { PlayMotion(object, MOTION_ANF102, 1, 4); }

void Action_JumpTackle(int object) {
  MatchObject& o = MatchObjects[object];
  MovePlayer(object, 180, 1);
  const int step = GameRandom() % 100 < o.attr[SKILL_AGILITY] ? 2 : 1;
  if (PlayMotion(object, MOTION_ANF094, step, 4) == 0) o.frame = 31;
}

void Action_FallAndGetUp(int object) {
  MatchObject& o = MatchObjects[object];
  // He leaves one mark where he lands, as a diver does.
  if (o.actionArg == 0) {
    o.actionArg = 1;
    EffectQueue_Add(o.x, o.y, 1.0f, o.facing, GROUND_EFFECT_BODY);
  }
  PlayMotion(object, MOTION_ANF103, 1, 4);
  MovePlayer(object, 0, 2);
}

void Action_StumbleForward(int object) { PlayMotion(object, MOTION_ANF098, 1, 4); }

void Action_TrotAfterClearance(int object) {
  MatchObject& o = MatchObjects[object];
  if (++o.actionCounter > 50) {
    SetPlayerAction(object, 3);
    return;
  }
  PlayMotion(object, MOTION_ANF029, 5, 4);
}

void Action_SideStep(int object) {
  MatchObject& o = MatchObjects[object];
  const int step = o.action == 112 ? -1 : 1;
  BallAtFeet(object);
  if (PlayMotion(object, MOTION_ANF031, 1, 5) == 0) o.frame = 50;
  if (o.facing != (o.turnFacing & 255)) {
    o.facing = static_cast<uint8_t>((o.facing + step) & 255);
    o.turning = 0;
  }
}

void Action_JoinCelebration(int object) {
  if (GoalScorer < 0 || GoalScorer >= MATCH_PLAYERS) return;
  MatchObject& o = MatchObjects[object];
  const MatchObject& scorer = MatchObjects[GoalScorer];
  if (AcrossGoalMouth() && (scorer.y < Pitch.minY || scorer.y > Pitch.maxY)) {
    // Out of the goal mouth first, sideways.
    Face(o, scorer.x < Pitch.centreX ? Pitch.goalPostMinX - 16 : Pitch.goalPostMaxX + 16, ActorY);
    CelebrationRun(object, MOTION_ANF023, 190);
    return;
  }
  const int reach = 48 - 2 * (object % SIDE_OBJECTS);
  const int t = ReachTest(ActorX, ActorY, scorer.x, scorer.y, reach, kNoHeightLimit);
  if (t == 0) {
    SetPlayerAction(object, 69);
    o.actionArg2 = static_cast<int16_t>(GameRandom() % 2);
    return;
  }
  Face(o, scorer.x, scorer.y);
  CelebrationRun(object, t > 200 ? MOTION_ANF021 : MOTION_ANF141C, 140);
}

void Action_Celebrate(int object) {
  MatchObject& o = MatchObjects[object];
  if (MatchState != STATE_GOAL) focusObject = static_cast<uint8_t>(GoalScorer);
  const int variant = o.actionArg2;
  const bool low = ActorX < Pitch.centreX;
  const int spotY = ActorY < Pitch.centreY ? Pitch.minY + 20 : Pitch.maxY - 20;
  int spotX = Pitch.centreX;
  switch (variant) {
    case 2:
    case 4: spotX = low ? Pitch.centreX - 160 : Pitch.centreX + 160; break;
    case 6: spotX = low ? Pitch.minX + 50 : Pitch.maxX - 50; break;
    case 3:
    case 5: spotX = low ? Pitch.minX + 80 : Pitch.maxX - 80; break;
    default: break;
  }
  if (variant < 2 || variant > 6) {
    PlayMotion(object, variant == 0 ? MOTION_ANF141 : MOTION_ANF141B, 1, 0);
  } else if (o.actionArg == 0) {
    if ((variant == 2 || variant == 4) && AcrossGoalMouth()) {
      Face(o, spotX < Pitch.centreX ? Pitch.goalPostMinX - 16 : Pitch.goalPostMaxX + 16, ActorY);
      CelebrationRun(object, MOTION_ANF023, 190);
    } else if (ReachDistance(ActorX, ActorY, spotX, spotY, kNoHeightLimit) != 0) {
      Face(o, spotX, spotY);
      CelebrationRun(object, MOTION_ANF023, 190);
    } else {
      o.speed = 0;
      ++o.actionArg;
      Say(variant == 2 ? 267 : variant == 4 ? 268 : variant == 6 ? 269 : 270, object);
    }
  } else {
    int motion = MOTION_ANF141H, runOnBelow = 120, backAbove = 370;
    if (variant == 2) motion = MOTION_ANF141D, runOnBelow = 50, backAbove = 200;
    else if (variant == 4) motion = MOTION_ANF141F, runOnBelow = 0, backAbove = 1 << 30;
    else if (variant == 6) motion = MOTION_ANF141G, runOnBelow = 0, backAbove = 280;
    if (PlayMotion(object, motion, 1, 0) != 0) {
      if (o.frame < runOnBelow) {
        MovePlayer(object, 64, 1);
        ++MoversCount;
      } else if (o.frame > backAbove) {
        MoveInDirection(object, 64, 1, (o.facing + 128) & 255);
        ++MoversCount;
      }
    }
  }
  // The scorer whose celebration is over runs back unless he is on the centre spot.
  if (o.action == 0 && object == GoalScorer &&
      ReachDistance(ActorX, ActorY, Pitch.centreX, Pitch.centreY, kNoHeightLimit) != 0)
    CelebrationRun(object, MOTION_ANF021, 140);
}
