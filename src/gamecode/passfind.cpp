// The pass-target finders and their lane tests.
#include "gamecode/passfind.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/basicacts.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamshape.h"

int16_t InstructionTargetX = 0, InstructionTargetY = 0;
int16_t CrossChances[32], CrossesChosen[32], BlindCrosses[32];

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kNoBest = 256;
constexpr int kCellNear = 480, kCellFar = 960, kCellAngle = 42;

bool AttacksHigh(int side) { return side == LowGoalSide; }
int Sheet(int object, int k) { return SheetSkill(MatchObjects[object], k); }
// We run no separate heading: a player runs the way he faces.
int Heading(const MatchObject& o) { return o.facing; }
int HeadingTurn(const MatchObject& o) { return DirectionDifference(Heading(o), o.facing); }

int Across(int direction, int length) {
  return static_cast<int>(std::trunc(std::sin((direction & 255) * kTwoPi / 256.0) * length));
}
int Along(int direction, int length) {
  return -static_cast<int>(std::trunc(std::cos((direction & 255) * kTwoPi / 256.0) * length));
}

// The offside awareness roll: with it, a flagged team-mate has no lane.
bool SeesOffside(int passer, int mate, bool effective) {
  const int skill = Sheet(passer, 6);
  const int chance = effective ? GetEffectiveSkill(passer, skill) : skill;
  return GameRandom() % 100 < chance && MatchObjects[mate].ruleFlag != 0;
}

struct LaneRule {
  bool absoluteGap;  // opponents considered when |q - o| >= 200; else when o <= q
  int oBase;         // added to an opponent's ball distance
  bool oTurn;        // his heading/facing difference counts twice
  int width;         // block width before the distance
};

int Blocked(int side, int d, int q, const LaneRule& rule) {
  const int other = 1 - side;
  for (int i = 0; i < 11; ++i) {
    const int o = ChaseOrder[other][i];
    if (!IsPlayer(o)) continue;
    const MatchObject& op = MatchObjects[o];
    const int value = op.ballDistance + rule.oBase + (rule.oTurn ? 2 * HeadingTurn(op) : 0);
    if (op.offPitch != 0) continue;
    if (rule.absoluteGap ? std::abs(q - value) < 200 : value > q) continue;
    int w = rule.width - op.ballDistance / 10;
    if (w < 0) w = 0;
    if (DirectionDifference(d, (Heading(op) + 128) & 255) < w + 16) return 1;
  }
  return 0;
}

// The point 140 ahead of the team-mate along his run.
void AheadOfRun(int mate, int& x, int& y) {
  const int run = GetAttackDirection(mate, 2, CurrentSide);
  x = MatchObjects[mate].x + Across(run, 140);
  y = MatchObjects[mate].y + Along(run, 140);
}

int CellDistance() { return std::abs(InstructionTargetX - ActorX) + std::abs(InstructionTargetY - ActorY); }

// The cell qualifies against the reference direction.
bool CellQualifies(int passer, int reference, bool inclusive) {
  if (!ComputeInstructionTarget(passer)) return false;
  const int distance = CellDistance();
  if (distance <= kCellNear || distance >= kCellFar) return false;
  const int diff = DirectionDifference(GetDirection256(ActorX, ActorY, InstructionTargetX, InstructionTargetY), reference);
  return inclusive ? diff <= kCellAngle : diff < kCellAngle;
}

enum class Lane { Long, VeryLong, Medium, Short, Any };

int LaneOf(Lane lane, int passer, int mate, int mode) {
  switch (lane) {
    case Lane::Long: return PassLaneLong(passer, mate);
    case Lane::VeryLong: return PassLaneVeryLong(passer, mate);
    case Lane::Medium: return PassLaneMedium(passer, mate, mode);
    case Lane::Short: return PassLaneShort(passer, mate);
    case Lane::Any: return PassLaneAny(passer, mate);
  }
  return -1;
}

struct Band {
  int extra;          // maxDist = 3 x Skill[5] + extra
  int minDistance;
  int maxAction;
  int roleMultiplier;
  int limitBase;      // skip unless diff < limitBase - Skill[16] / 4; 0: no such limit
  Lane lane;
};

int FindInBand(int passer, const Band& band, int mode) {
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  MatchObject& p = MatchObjects[passer];
  const int side = SideOf(passer);
  const int dA = GetAttackDirection(passer, 1, side);
  const int maxDistance = 3 * Sheet(passer, 5) + band.extra;
  int best = kNoBest, result = NO_PASS_TARGET;
  const int preferred = PassToObject(passer);
  if (CellQualifies(passer, dA, false)) result = PASS_TO_CELL, best = 0;
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.ballDistance > maxDistance || mate.ballDistance < band.minDistance || mate.offPitch != 0 ||
        mate.action > band.maxAction)
      continue;
    const int d = LaneOf(band.lane, passer, q, mode);
    if (d < 0) continue;
    int diff = DirectionDifference(d, dA);
    if (WingerFlag(p) == 1) diff *= 8;
    if (AttackRole(p) == 2) diff *= band.roleMultiplier;
    if (diff - 28 > Sheet(passer, 10)) continue;
    if (band.limitBase != 0 && diff >= band.limitBase - Sheet(passer, 16) / 4) continue;
    if (q == preferred) {
      result = q, best = 0;
    } else if (diff < best) {
      result = q, best = diff;
    }
  }
  return result;
}

}  // namespace

int AttackRole(const MatchObject& o) { return o.instructions[INSTRUCTION_FIRST]; }
int LongBallFlag(const MatchObject& o) { return o.instructions[INSTRUCTION_FIRST + 1]; }
int WingerFlag(const MatchObject& o) { return o.instructions[INSTRUCTION_FIRST + 2]; }
int InstructionColumn(const MatchObject& o) { return static_cast<int8_t>(o.instructions[INSTRUCTION_SHAPE]); }
int InstructionRow(const MatchObject& o) { return static_cast<int8_t>(o.instructions[INSTRUCTION_SHAPE + 1]); }

int PassToObject(int object) {
  if (!IsPlayer(object)) return -1;
  const int partner = MatchObjects[object].instructions[INSTRUCTION_PARTNER];
  if (partner == NO_PARTNER || partner >= SIDE_OBJECTS) return -1;
  const int mate = SideOf(object) * SIDE_OBJECTS + partner;
  if (mate == object || mate == SideSlots[SideOf(object)][0]) return -1;
  return mate;
}

bool ComputeInstructionTarget(int object) {
  if (!IsPlayer(object)) return false;
  const MatchObject& o = MatchObjects[object];
  const int row = InstructionRow(o), column = InstructionColumn(o);
  if (row < 0) return false;
  if (AttacksHigh(SideOf(object))) {
    InstructionTargetX = static_cast<int16_t>(156 + column * (1280 / 15));
    InstructionTargetY = static_cast<int16_t>(122 + row * (1920 / 18));
  } else {
    InstructionTargetX = static_cast<int16_t>(156 + 1280 - column * (1280 / 15));
    InstructionTargetY = static_cast<int16_t>(122 + 1920 - row * (1920 / 18));
  }
  return true;
}

int PassLaneLong(int passer, int mate) {
  if (!IsPlayer(passer) || !IsPlayer(mate)) return -1;
  const MatchObject &p = MatchObjects[passer], &q = MatchObjects[mate];
  const int d = GetDirection256(p.x, p.y, q.x, q.y);
  if (SeesOffside(passer, mate, true)) return -1;
  const int value = q.ballDistance + 2 * HeadingTurn(q);
  return Blocked(SideOf(passer), d, value, {true, 0, true, 32}) ? -1 : d;
}

int PassLaneVeryLong(int passer, int mate) {
  if (!IsPlayer(passer) || !IsPlayer(mate)) return -1;
  int x = 0, y = 0;
  AheadOfRun(mate, x, y);
  const int d = GetDirection256(MatchObjects[passer].x, MatchObjects[passer].y, x, y);
  if (SeesOffside(passer, mate, true)) return -1;
  return Blocked(SideOf(passer), d, MatchObjects[mate].ballDistance + 280, {true, 0, false, 32}) ? -1 : d;
}

int PassLaneMedium(int passer, int mate, int) {
  if (!IsPlayer(passer) || !IsPlayer(mate)) return -1;
  int x = 0, y = 0;
  AheadOfRun(mate, x, y);
  const int d = GetDirection256(MatchObjects[passer].x, MatchObjects[passer].y, x, y);
  if (SeesOffside(passer, mate, true)) return -1;
  return Blocked(SideOf(passer), d, MatchObjects[mate].ballDistance + 280, {false, 0, false, 32}) ? -1 : d;
}

int PassLaneShort(int passer, int mate) {
  if (!IsPlayer(passer) || !IsPlayer(mate)) return -1;
  const MatchObject &p = MatchObjects[passer], &q = MatchObjects[mate];
  const int side = SideOf(passer);
  const int d = GetDirection256(p.x, p.y, q.x, q.y);
  if (GameRandom() % 100 < GetEffectiveSkill(passer, Sheet(passer, 19))) {
    const int line = offsideLine[1 - side];
    const bool past = AttacksHigh(side) ? q.y > line : q.y < line;
    if (q.ruleFlag != 0 || past) return -1;
  }
  const int value = q.ballDistance + 2 * HeadingTurn(q);
  return Blocked(side, d, value, {false, -128, true, 24}) ? -1 : d;
}

int PassLaneAny(int passer, int mate) {
  if (!IsPlayer(passer) || !IsPlayer(mate)) return -1;
  const MatchObject& q = MatchObjects[mate];
  const int side = SideOf(passer);
  const int d = GetDirection256(ActorX, ActorY, q.x, q.y);
  if (SeesOffside(passer, mate, false)) return -1;
  const bool high = AttacksHigh(side);
  const int goalLine = high ? 2042 : 122;
  if (std::abs(goalLine - q.y) < 480) return -1;
  const int fromLine = std::abs(q.y - offsideLine[1 - side]);
  if (fromLine >= (high ? 160 : 80)) return -1;
  return d;
}

int FindPassTargetLong(int passer) { return FindInBand(passer, {1000, 600, 16, 8, 64, Lane::Long}, 0); }
int FindPassTargetVeryLong(int passer) { return FindInBand(passer, {1600, 1000, 16, 8, 64, Lane::VeryLong}, 0); }
int FindPassTargetMedium(int passer, int mode) { return FindInBand(passer, {600, 200, 16, 8, 72, Lane::Medium}, mode); }
int FindPassTargetShort(int passer, int) {
  // The short band's limit is a plain 32 whatever the passer's skills.
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  MatchObject& p = MatchObjects[passer];
  const int side = SideOf(passer);
  const int dA = GetAttackDirection(passer, 1, side);
  const int maxDistance = 3 * Sheet(passer, 5) + 150;
  int best = kNoBest, result = NO_PASS_TARGET;
  const int preferred = PassToObject(passer);
  if (CellQualifies(passer, dA, false)) result = PASS_TO_CELL, best = 0;
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.ballDistance > maxDistance || mate.ballDistance < 120 || mate.offPitch != 0 || mate.action > 4) continue;
    const int d = PassLaneShort(passer, q);
    if (d < 0) continue;
    int diff = DirectionDifference(d, dA);
    if (WingerFlag(p) == 1) diff *= 8;
    if (AttackRole(p) == 2) diff *= 4;
    if (diff - 28 > Sheet(passer, 10) || diff >= 32) continue;
    if (q == preferred) {
      result = q, best = 0;
    } else if (diff < best) {
      result = q, best = diff;
    }
  }
  return result;
}
int FindPassTargetAnyRange(int passer) { return FindInBand(passer, {1600, 120, 4, 8, 0, Lane::Any}, 0); }

int FindPassTargetWithMode(int passer, int mode) {
  InstructionTargetX = InstructionTargetY = 0;
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  MatchObject& p = MatchObjects[passer];
  const int side = SideOf(passer);
  const int reference = p.facing;
  const int minDistance = mode == 1 ? 60 : 120;
  const int maxDistance = 3 * Sheet(passer, 5) + 150;
  int best = kNoBest, result = NO_PASS_TARGET;
  const int preferred = PassToObject(passer);
  if (CellQualifies(passer, reference, false)) result = PASS_TO_CELL, best = 0;
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.ballDistance > maxDistance || mate.ballDistance < minDistance || mate.offPitch != 0 || mate.action > 4)
      continue;
    const int d = PassLaneShort(passer, q);
    if (d < 0) continue;
    int diff = DirectionDifference(d, reference);
    if (WingerFlag(p) == 1) diff *= 8;
    if (AttackRole(p) == 2) diff /= 4;
    if (diff - 28 > Sheet(passer, 10)) continue;
    if (mode != 1 && diff >= 72 - Sheet(passer, 16) / 4) continue;
    if (q == preferred) {
      result = q, best = 0;
    } else if (diff < best) {
      result = q, best = diff;
    }
  }
  return result;
}

int FindPassTargetNear(int passer) {
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  const int side = SideOf(passer);
  const int dA = GetAttackDirection(passer, 1, side);
  const int maxDistance = 2 * Sheet(passer, 8) + 150;
  int best = kNoBest, result = NO_PASS_TARGET;
  const int preferred = PassToObject(passer);
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.ballDistance > maxDistance || mate.ballDistance < 60 || mate.offPitch != 0 || mate.action > 4) continue;
    const int diff = DirectionDifference(GetDirection256(ActorX, ActorY, mate.x, mate.y), dA);
    if (diff - 28 > Sheet(passer, 3)) continue;
    if (q == preferred) {
      result = q, best = 0;
    } else if (diff < best) {
      result = q, best = diff;
    }
  }
  return result;
}

int FindPassTargetFacing(int passer) {
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  const int side = SideOf(passer);
  const int reference = MatchObjects[passer].facing;
  int best = kNoBest, result = NO_PASS_TARGET;
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.ballDistance > 250 || mate.ballDistance < 60 || mate.offPitch != 0 || mate.action > 4) continue;
    const int d = PassLaneShort(passer, q);
    if (d < 0) continue;
    const int diff = DirectionDifference(d, reference);
    if (diff < best) result = q, best = diff;
  }
  return result;
}

int FindCrossTarget(int passer) {
  InstructionTargetX = InstructionTargetY = 0;
  if (!IsPlayer(passer)) return NO_PASS_TARGET;
  MatchObject& p = MatchObjects[passer];
  const int side = SideOf(passer);
  const int dA = GetAttackDirection(passer, 1, side);
  const int maxDistance = 3 * Sheet(passer, 5) + 600;
  int best = kNoBest, result = NO_PASS_TARGET;
  int depthLimit = 480 - 3 * Sheet(passer, 19);
  if (WingerFlag(p) == 1) depthLimit /= 2;
  if (WingerFlag(p) == 2) depthLimit = 480;
  if (depthLimit < 80) depthLimit = 80;
  const int preferred = PassToObject(passer);
  if (DirectionDifference(p.facing, dA) > 76) return NO_PASS_TARGET;
  if (ActorX > 156 + 352 && ActorX < 1436 - 352) return NO_PASS_TARGET;  // the central corridor
  if (ActorY > 122 + depthLimit && ActorY < 2042 - depthLimit) return NO_PASS_TARGET;
  const bool high = AttacksHigh(side);
  if (high ? ActorY < 1082 : ActorY >= 1082) return NO_PASS_TARGET;  // his own half
  const int depth = high ? 2042 - ActorY : ActorY - 122;
  if (preferred < 0 && CellQualifies(passer, dA, true)) result = PASS_TO_CELL, best = 0;
  const int keeper = SideSlots[side][0];
  for (int place = 1; place <= 10; ++place) {
    const int q = ChaseOrder[side][place];
    if (!IsPlayer(q) || SideOf(q) != side || q == passer || q == keeper) continue;
    const MatchObject& mate = MatchObjects[q];
    if (mate.offPitch != 0 || mate.action > 4 || mate.ballDistance < 300 || mate.ballDistance > maxDistance) continue;
    const int diff = DirectionDifference((Heading(mate) + 128) & 255, dA);
    if (diff > kCellAngle) continue;
    if (q == preferred) {
      result = q, best = 0;
    } else if (diff < best) {
      result = q, best = diff;
    }
  }
  ++CrossChances[passer];
  const int passing = Sheet(passer, 10);
  const int roll = passing <= 0 ? 0 : 100 - GameRandom() % (passing + 1);
  if (result == NO_PASS_TARGET && (roll > passing || depth < 100)) {
    ++BlindCrosses[passer];
    return BLIND_CROSS;
  }
  ++CrossesChosen[passer];
  return result;
}

void PassFind_Reset() {
  InstructionTargetX = InstructionTargetY = 0;
  std::memset(CrossChances, 0, sizeof CrossChances);
  std::memset(CrossesChosen, 0, sizeof CrossesChosen);
  std::memset(BlindCrosses, 0, sizeof BlindCrosses);
}
REGISTER_RESET(RESET_MATCH_PLAY, PassFind_Reset);
