#include "gamecode/tackle.h"

#include <algorithm>
#include <cstring>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/balltouch.h"
#include "gamecode/football.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

DuelCounts DuelTallies[MATCH_PLAYERS] = {};
int16_t SideInjuryCount[2] = {};

namespace {

constexpr int kActionStumble = 33;
constexpr int kActionFall = 73;
constexpr int kActionRidesTackle = 37;
constexpr int kActionSlide = 116;
constexpr int kInjuryLimit = 4;
constexpr int kTackleSound = 11;

int Sheet(int object, int value) { return SheetSkill(MatchObjects[object], value); }

// The carrier loses the ball: he stumbles on when the tackle came from
// behind him (facings within a quarter turn), else he goes down.
void LoseBall(int carrier, int tackler) {
  MatchObject& c = MatchObjects[carrier];
  const int apart = (MatchObjects[tackler].facing - c.facing) & 255;
  SetPlayerAction(carrier, apart < 64 || apart > 192 ? kActionStumble : kActionFall);
  c.actionArg = 1;
  MatchObjects[tackler].actionArg = 1;
  c.hasBall = 0;
  c.touchLock = 16;
}

// The carrier rides the tackle and takes the ball on along his facing.
void GetPast(int carrier, int tackler, int a, bool slideRoll) {
  MatchObject& c = MatchObjects[carrier];
  ++DuelTallies[carrier].dribblesPast;
  SetPlayerAction(carrier, kActionRidesTackle);
  c.actionArg = 1;
  MatchObjects[tackler].actionArg = 1;
  MatchSeams.sayComment(13, 0, carrier / SIDE_OBJECTS, carrier, tackler, 0);
  if (c.hasBall == 0 && c.ballDistance > 5) return;
  PolarToOffset(c.facing, 130 - a / 2, 256);
  ballVelX = OffsetX * 4096;
  ballVelY = -OffsetY * 4096;
  ballVelHeight = 20480;
  c.touchLock = 32;
  c.actionArg = 1;
  BallTouch(carrier);
  const bool roll = slideRoll ? GameRandom() % 200 < a : 200 - GameRandom() % (a + 1) < a;
  if (roll) MatchObjects[tackler].touchLock = 16;
}

void Knock(int carrier, bool slide) {
  MatchObject& c = MatchObjects[carrier];
  if (GameRandom() % 100 <= Sheet(carrier, 4) - 25 * slide) return;
  const int q = slide ? GameRandom() % 20 : GameRandom() % 50;
  const int side = carrier / SIDE_OBJECTS;
  if (q < 10 && SideInjuryCount[side] < kInjuryLimit) {
    c.injury = 1;
    ++SideInjuryCount[side];
    MatchSeams.sayComment(14, 0, side, carrier, -1, 0);
  }
  const int m = GameRandom() % 10 + 100 + 10 * slide;
  for (int k : {0, 1}) {
    uint8_t& skill = SheetSkill(c, k);
    skill = static_cast<uint8_t>(std::max(10, skill * 100 / m));
  }
  c.fatigue = static_cast<int8_t>(std::min(127, c.fatigue * m / 100));
  DuelTallies[carrier].knocks = static_cast<int16_t>(DuelTallies[carrier].knocks + (m - 100) / 2);
}

}  // namespace

int ResolveTackle(int carrier, int tackler) {
  if (!IsPlayer(carrier) || !IsPlayer(tackler) || carrier == tackler) return 1;
  MatchObject& c = MatchObjects[carrier];
  MatchObject& t = MatchObjects[tackler];
  if (c.actionArg != 0 || t.actionArg != 0) return 1;
  const bool slide = t.action == kActionSlide;
  const int a = Sheet(carrier, 12), b = Sheet(tackler, 9), r = Sheet(carrier, 3);
  const bool past = a >= b ? GameRandom() % std::max(1, 101 - (a - b)) < r : GameRandom() % (b - a + 80) < r;
  if (c.action >= 7 && c.action <= 13 && (a < b || past)) t.touchLock = 16;
  if (t.action == 56 || t.action == 88 || t.action == kActionSlide) {
    if (past && !slide) {
      GetPast(carrier, tackler, a, true);
      return 1;
    }
    LoseBall(carrier, tackler);
    Knock(carrier, slide);
    MatchSeams.sfxPlay(kTackleSound);
    return 0;
  }
  if (past) {
    GetPast(carrier, tackler, a, false);
    return 1;
  }
  LoseBall(carrier, tackler);
  return 0;
}

void Tackle_Reset() {
  std::memset(DuelTallies, 0, sizeof DuelTallies);
  SideInjuryCount[0] = SideInjuryCount[1] = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, Tackle_Reset);
