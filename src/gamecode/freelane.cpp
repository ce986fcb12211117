// The free-lane search.
#include "gamecode/freelane.h"

#include <cmath>
#include <cstdlib>

#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/passfind.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kFarAway = 10000;
constexpr int kLookAhead = 37;
constexpr int kStandingClose = 75;
constexpr int kAttempts = 15;

int Across(int direction, int length) {
  return static_cast<int>(std::trunc(std::sin((direction & 255) * kTwoPi / 256.0) * length));
}
int Along(int direction, int length) {
  return -static_cast<int>(std::trunc(std::cos((direction & 255) * kTwoPi / 256.0) * length));
}

bool OffThePitch(int x, int y) { return x > 1436 || x < 156 || y > 2042 || y < 122; }

}  // namespace

int FindFreeLane(int object, int direction, int range) {
  if (object < 0 || object >= MATCH_PLAYERS) return -1;
  MatchObject& p = MatchObjects[object];
  const int other = 1 - object / SIDE_OBJECTS;
  const int keeper = SideSlots[other][0];
  int distance[SIDE_OBJECTS], bearing[SIDE_OBJECTS];
  int d = direction & 255;
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    const int o = other * SIDE_OBJECTS + i;
    const MatchObject& opponent = MatchObjects[o];
    if (opponent.offPitch != 0) {
      distance[i] = kFarAway;
      bearing[i] = 0;
      continue;
    }
    distance[i] = std::abs(p.x - opponent.x) + std::abs(p.y - opponent.y);
    bearing[i] = GetDirection256(p.x, p.y, opponent.x, opponent.y);
    if (DirectionDifference(opponent.facing, d) <= 32) {
      distance[i] += range;  // running the same way
    } else if (distance[i] > kStandingClose) {
      const int x = opponent.x + Across(opponent.facing, kLookAhead);
      const int y = opponent.y + Along(opponent.facing, kLookAhead);
      distance[i] = std::abs(p.x - x) + std::abs(p.y - y);
      bearing[i] = GetDirection256(p.x, p.y, x, y);
    }
    if (o == keeper) distance[i] *= 10;
  }
  const int control = SheetSkill(p, 12);
  int diff = DirectionDifference(d, p.facing);
  for (int n = 1; n <= kAttempts; ++n) {
    int blocked = OffThePitch(p.x + Across(d, range / 2), p.y + Along(d, range / 2)) ? 1 : 0;
    for (int i = 0; i < SIDE_OBJECTS; ++i) {
      if (distance[i] > range) continue;
      if (blocked != 0) break;
      int w = diff / 5 + 50 - control / 2 + (range - (distance[i] - kStandingClose)) / 5;
      if (p.speed >= 140) w /= 2;
      if (AttackRole(p) != 0) w /= 2;
      if (p.goals == 2) w /= 2;
      if (w < 0) w = 0;
      if (DirectionDifference(bearing[i], d) < w) ++blocked;
    }
    if (blocked == 0) return d;
    d = (d + ((n & 1) != 0 ? -16 * n : 16 * n)) & 255;
    diff = DirectionDifference(d, p.facing);
  }
  return -1;
}
