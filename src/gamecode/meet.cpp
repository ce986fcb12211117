// Meeting a ball in the air.
#include "gamecode/meet.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"
#include "gamecode/kickexec.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/passfind.h"
#include "gamecode/playerstandin.h"
#include "gamecode/teamops.h"

int16_t MeetFrame = 0, MeetDistance = 10000, MeetHeight = 0;
int16_t MeetPointX = 0, MeetPointY = 0;
int16_t KickMarker = 0;

namespace {

constexpr int kNone = 10000;
constexpr double kTwoPi = 6.283185307179586;


void Act(int object, int code, int step) {
  SetPlayerAction(object, code);
  MatchObjects[object].actionArg2 = static_cast<int16_t>(step);
}

bool AgilityRoll(const MatchObject& p, int range) {
  return GameRandom() % range < p.attr[SKILL_AGILITY];
}

// The nearest opponent on the pitch, measured along his own heading.
int OpponentDistance(int object) {
  const MatchObject& p = MatchObjects[object];
  const int other = 1 - SideOf(object);
  int best = kNone;
  for (int o = other * SIDE_OBJECTS; o < (other + 1) * SIDE_OBJECTS; ++o) {
    const MatchObject& q = MatchObjects[o];
    if (q.offPitch != 0) continue;
    const double a = q.facing * kTwoPi / 256.0;
    const int d = std::abs(static_cast<int>(std::trunc(std::sin(a) * std::abs(q.x - p.x)))) +
                  std::abs(static_cast<int>(std::trunc(std::cos(a) * std::abs(q.y - p.y))));
    best = std::min(best, d);
  }
  return best;
}

// Between a header and a ball taken down: the header near the goal or with
// an opponent close, else the overhead kick (now and then, near the goal)
// or the chest.
void HeaderChoice(int object, int direction, int kind, int oppDist) {
  MatchObject& p = MatchObjects[object];
  if (oppDist < 160 || GoalDistance < 200) {
    ChooseHeader(object, direction, kind);
    return;
  }
  const int code = GoalDistance < 400 && AgilityRoll(p, 400) ? 50 : 79;
  Act(object, code, MeetFrame);
}

void SetReceptionPoint(int object) {
  MatchObjects[object].passX = MeetPointX;
  MatchObjects[object].passY = MeetPointY;
}

}  // namespace

void PredictBallMeeting(int frames, int x, int y, int object, int mode) {
  PredictedFlight flight = FlightFromBall();
  // A ball struck along the ground (or thrown) flies straight.
  if ((BallHeight == 0 && KickMarker == 0) || throwHolder != 0) flight.spinFrames = 0;
  const int reachHeight = (IsPlayer(object) ? MatchObjects[object].attr[SKILL_HEADING] : 0) / 20 + 16;
  const bool across = (ballDirection > 40 && ballDirection < 88) || (ballDirection > 168 && ballDirection < 216);
  int best = kNone, maxHeight = 0, bounces = 0;
  MeetFrame = 0;
  MeetHeight = 0;
  for (int f = 0; f < frames; ++f) {
    if (StepFlight(flight)) ++bounces;
    const int h = static_cast<int>(flight.h / 65536);
    const int px = static_cast<int>(flight.x >> 16), py = static_cast<int>(flight.y >> 16);
    const int d = std::abs(x - px) + std::abs(y - py);
    bool take = false;
    if (mode == 0) {
      if (d >= best || bounces > 0) break;
      take = (h < 16 && maxHeight <= 16) || (h >= 16 && h <= reachHeight && maxHeight > 16) ||
             (h >= 12 && h <= reachHeight && maxHeight < 32);
      if (!take) maxHeight = std::max(maxHeight, h);
    } else {
      const bool counts = across ? std::abs(px - ActorX) < 100 && h < 22 : std::abs(py - ActorY) < 10;
      if (counts) {
        if (d >= best) break;
        take = true;
      }
    }
    if (take) {
      MeetFrame = static_cast<int16_t>(f);
      MeetHeight = static_cast<int16_t>(h);
      MeetPointX = static_cast<int16_t>(px);
      MeetPointY = static_cast<int16_t>(py);
      best = d;
    }
  }
  MeetDistance = static_cast<int16_t>(best);
}

void ChaseBall(int object) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  if (BallHeight < 3 || (ballSpeed < 5 && BallHeight < 16) || ballDirection == 256) return;
  if (DirectionDifference(ballDirection, (p.facing + 128) & 255) > 32) return;
  PredictBallMeeting(p.attr[SKILL_HEADING], ActorX, ActorY, object, 0);
  if (MeetDistance == kNone || MeetHeight < 6) return;
  const int side = CurrentSide & 1;
  const int attack = GetAttackDirection(object, 1, side);
  const int G = GoalDistance;
  const int toPlayer = GetDirection256(MeetPointX, MeetPointY, p.x, p.y);
  const int oppDist = OpponentDistance(object);
  const int h = MeetHeight, f = MeetFrame, m = MeetDistance, s = ballSpeed;
  const int reachHeight = p.attr[SKILL_HEADING] / 20 + 16;
  if (h >= 12 && h <= 16 && f >= 21 && f <= 41 && m < 80 - 2 * s) {
    // Window 1: a headed lay-off, or a header away from goal.
    SetReceptionPoint(object);
    if (G <= 256) return;
    const int mate = FindPassTargetFacing(object);
    if (IsPlayer(mate)) {
      MatchObject& t = MatchObjects[mate];
      PassPointX = t.x;
      PassPointY = t.y;
      t.passX = t.x;
      t.passY = t.y;
      Act(object, 86, f);
      PassReceiver = static_cast<int16_t>(mate);
      return;
    }
    HeaderChoice(object, attack, 1, oppDist);
  } else if (h >= 16 && h <= reachHeight && f >= 20 && f <= 38 && m < 160 - 2 * s) {
    // Windows 2 and 3: a high ball, far from goal or near it.
    SetReceptionPoint(object);
    HeaderChoice(object, attack, G > 400 ? 1 : 0, oppDist);
  } else if (h >= 10 && h <= 13 && f >= 15 && f <= 29 && m < 8) {
    SetPlayerAction(object, G < 400 && AgilityRoll(p, 400) ? 50 : 49);
  } else if (h >= 10 && h <= 13 && f >= 11 && f <= 20 && m < 12 &&
             GameRandom() % 100 > GetEffectiveSkill(object, p.attr[SKILL_INTELLIGENCE])) {
    SetPlayerAction(object, 99);
  } else if (h >= 5 && h <= 13 && f >= 8 && f <= 30 && m < 15 && keeperHolder == 0) {
    // Window 6: a volley near the goal, a ball laid off farther out.
    SetReceptionPoint(object);
    if (G >= 560) {
      SetPlayerAction(object, 88);
      return;
    }
    Shoot(object, 1);
    Act(object, p.speed < 100 ? 80 : p.speed < 140 ? 83 : 84, f);
    if (G < 240 && AgilityRoll(p, 100)) Act(object, 51, f);
  } else if (h >= 6 && h <= 9 && f >= 14 && f <= 26 && m < 20) {
    SetReceptionPoint(object);
    const int facing = p.facing;
    const bool ahead = (toPlayer > facing && toPlayer - facing < 128) || facing - toPlayer >= 128;
    SetPlayerAction(object, ahead ? 115 : 114);
  }
}

void ChooseHeader(int object, int direction, int kind) {
  if (!IsPlayer(object)) return;
  MatchObject& p = MatchObjects[object];
  const int e = DirectionDifference(direction & 255, p.facing);
  const int G = GoalDistance;
  int code;
  if (kind == 1) {
    if (e > 96) code = AgilityRoll(p, 400) ? 50 : 87;
    else if (e >= 32) code = 82;
    else code = 46;
  } else if (e > 96) {
    code = G < 320 && AgilityRoll(p, 400) ? 50 : 87;
  } else if (e >= 20) {
    if (G < 320 && AgilityRoll(p, 400)) {
      code = 50;
    } else {
      Shoot(object, 0);
      code = 82;
    }
  } else if (G < 320 && AgilityRoll(p, 400)) {
    code = 50;
  } else {
    const int skill = p.attr[SKILL_HEADING];
    if (skill > 0 && 100 - GameRandom() % (skill + 1) < skill) {
      Shoot(object, 0);
      code = GameRandom() % 2 == 1 && G < 160 ? 48 : 47;
    } else {
      code = 46;
    }
  }
  Act(object, code, MeetFrame);
}

void MeetOffBall(int object) {
  PlayerStandIn_TakeStillBall(object);
  if (!IsPlayer(object) || MatchObjects[object].hasBall != 0) return;
  ChaseBall(object);
}

void Meet_Reset() {
  MeetFrame = 0;
  MeetDistance = kNone;
  MeetHeight = 0;
  MeetPointX = MeetPointY = 0;
  KickMarker = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Meet_Reset);
