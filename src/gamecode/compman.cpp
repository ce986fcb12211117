#include "gamecode/compman.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <utility>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamshape.h"

uint8_t SubstitutionChoice[2] = {NO_SUBSTITUTION, NO_SUBSTITUTION};
uint8_t SubstitutionPending[2] = {};
uint8_t FormationBlockCount[2][ALONG_BLOCKS][ACROSS_BLOCKS];
uint8_t FormationMainCount[2][ALONG_BLOCKS];
uint8_t FormationSecondCount[2][ALONG_BLOCKS];

namespace {

// Where the fields of a formation slot lie (slot bytes).
constexpr int kSecondAcross = 4;
constexpr int kSecondAlong = 6;
constexpr int kThirdAcross = 15;
constexpr int kThirdAlong = 17;
constexpr int kMarkingFields = 3;
constexpr int kOutfieldFirst = 1;
constexpr int kOutfieldLast = 10;
constexpr int kMaxAcross = 14;
constexpr int kMaxAlong = 17;
constexpr int kRepairRounds = 10;
constexpr int kAttackingAlongBlock = 3;  // a hole in the other half is an attacking hole

struct CompManState {
  // Per side and slot: a hole that no-one could fill in this repair.
  bool givenUp[2][TACTICS_SLOTS];
  // Per side and along-block: the block lost a player in this repair.
  bool rowLost[2][ALONG_BLOCKS];
  // Per object: already sent to mark an attacker this frame.
  bool assigned[MATCH_PLAYERS];
};
CompManState gMan;

uint8_t* SlotOf(int side, int slot) { return Football_GetTeamFormation(static_cast<int16_t>(side)) + FormationSlotOffset(slot); }
int Get(const uint8_t* slot, int field) { return LoadI16(slot + field); }
void Set(uint8_t* slot, int field, int value) { StoreI16(slot + field, value); }
int ClampAlong(int v) { return std::clamp(v, 0, kMaxAlong); }
int ClampAcross(int v) { return std::clamp(v, 0, kMaxAcross); }
bool Has(const uint8_t* slot, int acrossField, int alongField) {
  return Get(slot, acrossField) >= 0 && Get(slot, alongField) >= 0;
}
int AlongBlockOf(int along) { return std::clamp(along, 0, kMaxAlong) / 3; }
int AcrossBlockOf(int across) { return std::clamp(across, 0, kMaxAcross) / 3; }

int ObjectAt(int side, int position) {
  if (side < 0 || side > 1 || position < 0 || position >= SIDE_OBJECTS) return -1;
  const int object = SideSlots[side][position];
  return object >= 0 && object < MATCH_PLAYERS ? object : -1;
}

bool SlotPresent(int side, int slot) { return IsPlayerPresent(ObjectAt(side, slot)); }

void ClearMarking(uint8_t* slot) {
  for (int i = 0; i < kMarkingFields; ++i) Set(slot, SLOT_MARKING + 2 * i, -1);
}
bool MarkingSet(const uint8_t* slot, int index) {
  const int v = Get(slot, SLOT_MARKING + 2 * index);
  return v != -1 && v != 0;
}

void SetAllPositions(uint8_t* slot, int across, int along) {
  for (int field : {SLOT_ACROSS, kSecondAcross, kThirdAcross}) Set(slot, field, ClampAcross(across));
  for (int field : {SLOT_ALONG, kSecondAlong, kThirdAlong}) Set(slot, field, ClampAlong(along));
}

// The order in which the across-blocks of a row are searched for a player to
// fill a hole in across-block `hole`: for a hole in the other half the
// flank on the hole's side first; otherwise the blocks nearest the hole,
// the centre first between two equally near.
void AcrossSearchOrder(int hole, bool attacking, int order[ACROSS_BLOCKS]) {
  if (attacking) {
    for (int i = 0; i < ACROSS_BLOCKS; ++i) order[i] = hole >= 2 ? ACROSS_BLOCKS - 1 - i : i;
    return;
  }
  int n = 0;
  for (int distance = 0; distance < ACROSS_BLOCKS && n < ACROSS_BLOCKS; ++distance) {
    const int towardCentre = hole + (hole < 2 ? distance : -distance);
    const int awayFromCentre = hole - (hole < 2 ? distance : -distance);
    for (int k : {towardCentre, awayFromCentre}) {
      if (k < 0 || k >= ACROSS_BLOCKS) continue;
      if (std::find(order, order + n, k) == order + n) order[n++] = k;
    }
  }
}

int RowCount(int side, int alongBlock) {
  int n = 0;
  for (int k = 0; k < ACROSS_BLOCKS; ++k) n += FormationBlockCount[side][alongBlock][k];
  return n;
}

// Present outfield slots whose main position lies in the along-block, left to right.
int SlotsInRow(int side, int alongBlock, int slots[TACTICS_SLOTS]) {
  int n = 0;
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s)
    if (SlotPresent(side, s) && AlongBlockOf(Get(SlotOf(side, s), SLOT_ALONG)) == alongBlock) slots[n++] = s;
  std::stable_sort(slots, slots + n,
                   [side](int a, int b) { return Get(SlotOf(side, a), SLOT_ACROSS) < Get(SlotOf(side, b), SLOT_ACROSS); });
  return n;
}

// The match minute plus ten in the halves, 100 in extra time.
int Urgency() {
  if (period >= 2) return 100;
  return MatchSeams.matchTimeSeconds() / 60 + 10;
}

// Along-blocks in the slot's across-block with nobody in them, ahead of (or
// behind) the given along-block.
int EmptyBlocks(int side, int along, int across, bool ahead) {
  const int row = AlongBlockOf(along), column = AcrossBlockOf(across);
  int f = 0;
  if (ahead) {
    for (int b = row + 1; b < ALONG_BLOCKS; ++b) f += FormationBlockCount[side][b][column] == 0;
  } else {
    for (int b = row - 1; b >= 0; --b) f += FormationBlockCount[side][b][column] == 0;
  }
  return f;
}

bool IsHumanSide(int side) { return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] != 0; }

bool Ordinary(int object) { return object >= 0 && MatchObjects[object].action <= 17; }

int Distance(int x1, int y1, int x2, int y2) {
  return static_cast<int>(std::hypot(static_cast<double>(x1 - x2), static_cast<double>(y1 - y2)));
}

// Sends the object's target to the point `length` units from (x, y)
// towards (toX, toY).
void TargetTowards(MatchObject& object, int x, int y, int toX, int toY, int length) {
  const int direction = GetDirection256(x, y, toX, toY);
  PolarToOffset(direction, length, 256);
  object.targetX = static_cast<int16_t>(x + OffsetX);
  object.targetY = static_cast<int16_t>(y - OffsetY);
}

// The goal line a side defends.
int OwnGoalY(int side) { return side == LowGoalSide ? Pitch.minY : Pitch.maxY; }
int AttackedGoalY(int side) { return side == LowGoalSide ? Pitch.maxY : Pitch.minY; }

bool IsCandidate(const MatchObject& o) { return o.rating == 0 && o.offPitch != 0 && o.onBench == 1; }

bool BenchHoldsKeeper(int side) {
  for (int p = 0; p < SIDE_OBJECTS; ++p) {
    const int object = ObjectAt(side, p);
    if (object >= 0 && IsCandidate(MatchObjects[object]) && MatchObjects[object].attr[SKILL_POSITION] == 0) return true;
  }
  return false;
}

bool SentOff(const MatchObject& o) { return o.sentOff != 0 || o.cardState > 1; }

}  // namespace

bool IsPlayerPresent(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return false;
  const MatchObject& o = MatchObjects[object];
  return o.offPitch == 0 && o.sentOff == 0 && o.cardState <= 1;
}

// --- the formation --------------------------------------------------------------------

void CountFormationBlocks(int side) {
  if (side < 0 || side > 1) return;
  std::memset(FormationBlockCount[side], 0, sizeof FormationBlockCount[side]);
  std::memset(FormationMainCount[side], 0, sizeof FormationMainCount[side]);
  std::memset(FormationSecondCount[side], 0, sizeof FormationSecondCount[side]);
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s) {
    if (!SlotPresent(side, s)) continue;
    const uint8_t* slot = SlotOf(side, s);
    const int row = AlongBlockOf(Get(slot, SLOT_ALONG));
    ++FormationBlockCount[side][row][AcrossBlockOf(Get(slot, SLOT_ACROSS))];
    ++FormationMainCount[side][row];
    if (Has(slot, kSecondAcross, kSecondAlong)) ++FormationSecondCount[side][AlongBlockOf(Get(slot, kSecondAlong))];
  }
}

int FindMissingSlot(int side) {
  if (side < 0 || side > 1) return -1;
  int best = -1, bestAlong = 100;
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s) {
    if (SlotPresent(side, s) || gMan.givenUp[side][s]) continue;
    const int along = Get(SlotOf(side, s), SLOT_ALONG);
    if (along < bestAlong) {
      bestAlong = along;
      best = s;
    }
  }
  return best;
}

int FindSlotInBlock(int side, int alongBlock, int acrossBlock) {
  if (side < 0 || side > 1) return -1;
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s) {
    if (!SlotPresent(side, s)) continue;
    const uint8_t* slot = SlotOf(side, s);
    if (AlongBlockOf(Get(slot, SLOT_ALONG)) == alongBlock && AcrossBlockOf(Get(slot, SLOT_ACROSS)) == acrossBlock)
      return s;
  }
  return -1;
}

int MoveIntoBlock(int side, int slot, int alongBlock, int acrossBlock) {
  if (side < 0 || side > 1 || acrossBlock < 0 || acrossBlock >= ACROSS_BLOCKS) return 0;
  if (slot != -1 && (slot < kOutfieldFirst || slot > kOutfieldLast)) return 0;
  const int holeRow = slot >= 0 ? AlongBlockOf(Get(SlotOf(side, slot), SLOT_ALONG)) : alongBlock;
  int order[ACROSS_BLOCKS];
  AcrossSearchOrder(acrossBlock, holeRow >= kAttackingAlongBlock, order);
  for (int row = std::max(alongBlock, 0); row < ALONG_BLOCKS; ++row) {
    if (RowCount(side, row) == 0) continue;
    for (int k : order) {
      const int mover = FindSlotInBlock(side, row, k);
      if (mover < 0 || mover == slot) continue;
      uint8_t* from = SlotOf(side, mover);
      if (slot >= 0) {
        // The two slots exchange positions; the mover starts his new role afresh.
        uint8_t* to = SlotOf(side, slot);
        for (int field : {SLOT_ACROSS, SLOT_ALONG, kSecondAcross, kSecondAlong, kThirdAcross, kThirdAlong}) {
          const int a = Get(from, field);
          Set(from, field, Get(to, field));
          Set(to, field, a);
        }
        std::memset(from + SLOT_INSTRUCTIONS, 0, 3);
        ClearMarking(from);
        StoreU32(from + SLOT_FLAGS, (LoadU32(from + SLOT_FLAGS) & ~31u) | 31u);
      } else {
        SetAllPositions(from, 3 * acrossBlock + 1, 3 * std::clamp(alongBlock, 0, ALONG_BLOCKS - 1) + 1);
      }
      CountFormationBlocks(side);
      return 1;
    }
  }
  return 0;
}

int FillSlot(int side, int slot) {
  if (side < 0 || side > 1 || slot < kOutfieldFirst || slot > kOutfieldLast) return 0;
  const uint8_t* hole = SlotOf(side, slot);
  return MoveIntoBlock(side, slot, AlongBlockOf(Get(hole, SLOT_ALONG)) + 1, AcrossBlockOf(Get(hole, SLOT_ACROSS)));
}

void BalanceFormation(int side) {
  if (side < 0 || side > 1) return;
  // Columns for one to four players in a row.
  static constexpr int kPattern[4][4] = {{7}, {5, 9}, {4, 7, 10}, {2, 5, 9, 12}};
  CountFormationBlocks(side);
  for (int row = 0; row < ALONG_BLOCKS; ++row) {
    const uint8_t* count = FormationBlockCount[side][row];
    const int n = RowCount(side, row);
    if (n == 0) continue;
    const bool unbalanced = count[0] != count[4] || count[1] != count[3];
    const bool loneCentre = n == 1 && count[2] == 1;
    if (n <= 4 && (unbalanced || loneCentre || gMan.rowLost[side][row])) {
      int slots[TACTICS_SLOTS];
      const int m = SlotsInRow(side, row, slots);
      for (int i = 0; i < m && m <= 4; ++i) {
        uint8_t* slot = SlotOf(side, slots[i]);
        SetAllPositions(slot, kPattern[m - 1][i], Get(slot, SLOT_ALONG));
      }
    } else if (n > 4) {
      // A crowded row: the fuller flank gives one player to the emptier one.
      for (auto [left, right] : {std::pair{0, 4}, std::pair{1, 3}}) {
        const int l = FormationBlockCount[side][row][left], r = FormationBlockCount[side][row][right];
        if (l == r) continue;
        const int from = l > r ? left : right, to = l > r ? right : left;
        const int mover = FindSlotInBlock(side, row, from);
        if (mover < 0) continue;
        uint8_t* slot = SlotOf(side, mover);
        SetAllPositions(slot, 3 * to + 1, Get(slot, SLOT_ALONG));
        CountFormationBlocks(side);
      }
    }
    CountFormationBlocks(side);
  }
}

void ResetAndRepairFormation(int side) {
  if (side < 0 || side > 1) return;
  Football_LoadMatchFormation(static_cast<int16_t>(side));
  std::memset(gMan.givenUp[side], 0, sizeof gMan.givenUp[side]);
  std::memset(gMan.rowLost[side], 0, sizeof gMan.rowLost[side]);
  CountFormationBlocks(side);
  int onPitch = 0;
  for (int p = 0; p < TACTICS_SLOTS; ++p) onPitch += IsPlayerPresent(ObjectAt(side, p));
  if (onPitch >= TACTICS_SLOTS) return;
  int before[ALONG_BLOCKS];
  for (int row = 0; row < ALONG_BLOCKS; ++row) before[row] = RowCount(side, row);
  for (int round = 0; round < kRepairRounds; ++round) {
    const int hole = FindMissingSlot(side);
    if (hole < 0) break;
    if (!FillSlot(side, hole)) gMan.givenUp[side][hole] = true;
  }
  // A row left with fewer players than it had is laid out afresh.
  for (int row = 0; row < ALONG_BLOCKS; ++row) gMan.rowLost[side][row] = RowCount(side, row) < before[row];
  BalanceFormation(side);
}

// --- re-planning ----------------------------------------------------------------------

void ReplanAttack(int side) {
  if (side < 0 || side > 1) return;
  const int u = Urgency();
  ResetAndRepairFormation(side);
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s) {
    uint8_t* slot = SlotOf(side, s);
    if (Has(slot, kThirdAcross, kThirdAlong) && Get(slot, kThirdAlong) < Get(slot, SLOT_ALONG)) {
      Set(slot, SLOT_ACROSS, Get(slot, kThirdAcross));
      Set(slot, SLOT_ALONG, Get(slot, kThirdAlong));
    }
    const int along = Get(slot, SLOT_ALONG);
    const bool secondLevel = Has(slot, kSecondAcross, kSecondAlong) && Get(slot, kSecondAlong) == along;
    // Rows 0-5 move up twice as far as rows 6-11; rows 12-17 stay.
    Set(slot, SLOT_ALONG, ClampAlong(along + u * (2 - along / 6) / 100));
    if (Has(slot, kThirdAcross, kThirdAlong)) {
      const int third = Get(slot, kThirdAlong);
      Set(slot, kThirdAlong, ClampAlong(third + u * (2 - third / 6) / 100));
    }
    if (secondLevel) {
      const int f = EmptyBlocks(side, along, Get(slot, SLOT_ACROSS), true);
      Set(slot, kSecondAlong, ClampAlong(along + u * f * (4 - along / 6) / 100));
    }
    ClearMarking(slot);
    if (Get(slot, SLOT_ALONG) < 7) slot[SLOT_INSTRUCTIONS + 1] = 1;
    if (slot[SLOT_INSTRUCTIONS] != 0) slot[SLOT_INSTRUCTIONS] = 2;
  }
}

void ReplanDefend(int side) {
  if (side < 0 || side > 1) return;
  const int u = Urgency();
  ResetAndRepairFormation(side);
  for (int s = kOutfieldFirst; s <= kOutfieldLast; ++s) {
    uint8_t* slot = SlotOf(side, s);
    if (Has(slot, kSecondAcross, kSecondAlong) && Get(slot, kSecondAlong) > Get(slot, SLOT_ALONG)) {
      Set(slot, SLOT_ACROSS, Get(slot, kSecondAcross));
      Set(slot, SLOT_ALONG, Get(slot, kSecondAlong));
    }
    const int along = Get(slot, SLOT_ALONG);
    const bool thirdLevel = Has(slot, kThirdAcross, kThirdAlong) && Get(slot, kThirdAlong) == along;
    auto drop = [u](int v) { return ClampAlong(v - u * std::max(v / 4 - 1, 0) / 100); };
    Set(slot, SLOT_ALONG, drop(along));
    if (Has(slot, kSecondAcross, kSecondAlong)) Set(slot, kSecondAlong, drop(Get(slot, kSecondAlong)));
    if (Has(slot, kThirdAcross, kThirdAlong)) Set(slot, kThirdAlong, drop(Get(slot, kThirdAlong)));
    if (thirdLevel) {
      const int f = EmptyBlocks(side, along, Get(slot, SLOT_ACROSS), false);
      Set(slot, kThirdAlong, ClampAlong(Get(slot, kThirdAlong) - f * (along / 6 + 1) * u / 100));
    }
    if (slot[SLOT_INSTRUCTIONS + 2] != 0) slot[SLOT_INSTRUCTIONS + 2] = 1;
    if (slot[SLOT_INSTRUCTIONS] != 0) slot[SLOT_INSTRUCTIONS] = 0;
    if (MarkingSet(slot, 1)) {
      Set(slot, SLOT_MARKING, -1);
      Set(slot, SLOT_MARKING + 2, -1);
    }
  }
}

void ReplanTeams() {
  for (int side = 0; side < 2; ++side) {
    if (IsHumanSide(side)) continue;
    const int other = 1 - side;
    const int d = (Score[side] + MatchFirstLegGoals[side]) - (Score[other] + MatchFirstLegGoals[other]);
    if (d == 1)
      ReplanDefend(side);
    else if (d < 0)
      ReplanAttack(side);
    else
      ResetAndRepairFormation(side);
    std::memcpy(WorkingFormation[side], Football_GetTeamFormation(static_cast<int16_t>(side)), TACTICS_RECORD_SIZE);
    CopyFormationInstructions(side);
    MatchSeams.initTeamShape(side);
  }
}

// --- marking --------------------------------------------------------------------------

void UpdateManMarking() {
  static constexpr int16_t kGuardedStates[] = {6, 7, 8, 13, 17, 18, 21};
  const bool openPlay = MatchState >= STATE_OPEN_PLAY && MatchState <= STATE_OFFSIDE;
  const bool guarded = std::find(std::begin(kGuardedStates), std::end(kGuardedStates), MatchState) != std::end(kGuardedStates);
  if (!openPlay && !guarded) return;
  for (int side = 0; side < 2; ++side) {
    for (int p = kOutfieldFirst; p < SIDE_OBJECTS; ++p) {
      const int object = ObjectAt(side, p);
      if (object < 0) continue;
      MatchObject& marker = MatchObjects[object];
      if (marker.offPitch || marker.action > 17 || marker.markTarget < 0 || marker.markTarget >= SIDE_OBJECTS) continue;
      const int opponent = ObjectAt(1 - side, marker.markTarget);
      if (opponent < 0 || MatchObjects[opponent].offPitch) continue;
      if (guarded && !Ordinary(opponent)) continue;
      const MatchObject& o = MatchObjects[opponent];
      TargetTowards(marker, o.x, o.y, Pitch.centreX, OwnGoalY(side), 32);
    }
  }
}

void AssignMarkers() {
  static constexpr int16_t kStates[] = {0, 6, 7, 8, 17, 18, 21};
  if (std::find(std::begin(kStates), std::end(kStates), MatchState) == std::end(kStates)) return;
  std::memset(gMan.assigned, 0, sizeof gMan.assigned);
  const bool openPlay = MatchState == STATE_OPEN_PLAY;
  const int side = PossessionSide & 1, other = 1 - side;
  const int keeper = ObjectAt(side, 0);
  int closeLimit = 0;
  if (MatchState == 8 || MatchState == 17 || MatchState == 18 || MatchState == 21) closeLimit = Pitch.yard * 10;
  if (MatchState == 7) closeLimit = Pitch.yard * 16;
  const int aheadLimit = openPlay ? 200 : 300;
  const int goalY = AttackedGoalY(side);
  for (int p = 0; p < SIDE_OBJECTS; ++p) {
    const int object = ObjectAt(side, p);
    if (object < 0 || object == keeper) continue;
    const MatchObject& attacker = MatchObjects[object];
    if (attacker.offPitch || attacker.action == 4 || attacker.action == 103) continue;
    if (!openPlay && (attacker.hasBall || attacker.action > 15)) continue;
    if (closeLimit && Distance(attacker.x, attacker.y, ballX, ballY) < closeLimit) continue;
    const int ahead = goalY > Pitch.centreY ? attacker.y - ballY : ballY - attacker.y;
    if (ahead > aheadLimit) continue;
    int best = -1, bestDistance = 0;
    for (int q = 1; q < SIDE_OBJECTS; ++q) {
      const int d = ObjectAt(other, q);
      if (d < 0 || gMan.assigned[d]) continue;
      const MatchObject& defender = MatchObjects[d];
      if (defender.offPitch || defender.action == 4 || defender.action == 58 || defender.action == 96) continue;
      if (defender.markTarget >= 0 && defender.markTarget < SIDE_OBJECTS) {
        const int marked = ObjectAt(side, defender.markTarget);
        if (marked >= 0 && !MatchObjects[marked].offPitch) continue;
      }
      const int distance = Distance(defender.x, defender.y, attacker.x, attacker.y);
      if (openPlay && distance >= 3 * defender.attr[SKILL_TACKLING] + 120) continue;
      if (best < 0 || distance < bestDistance) {
        best = d;
        bestDistance = distance;
      }
    }
    if (best < 0) continue;
    const int yard = Pitch.yard > 0 ? Pitch.yard : 1;
    const int length = std::abs(goalY - attacker.y) / (2 * yard) + 24;
    MatchObject& defender = MatchObjects[best];
    TargetTowards(defender, attacker.x, attacker.y, Pitch.centreX, goalY, length);
    gMan.assigned[best] = true;
  }
}

void StepUp() {
  if (MatchState != STATE_OPEN_PLAY) return;
  const int side = 1 - (PossessionSide & 1), other = 1 - side;
  const int line = offsideLine[other];
  const bool defendsLow = side == LowGoalSide;
  // The other side's line with nobody behind it: no one can be caught beyond it.
  if (line == 0 || line == 10000) return;
  for (int p = kOutfieldFirst; p < SIDE_OBJECTS; ++p) {
    const int object = ObjectAt(side, p);
    if (object < 0) continue;
    MatchObject& o = MatchObjects[object];
    if (o.offPitch) continue;
    if (o.stepUpCounter > 0) --o.stepUpCounter;
    // Beyond the other side's last outfield player, away from his own goal:
    // left there when his side lost the ball, he comes back onside.
    const bool beyond = defendsLow ? o.y > line : o.y < line;
    if (beyond && o.stepUpCounter == 0) o.stepUpCounter = static_cast<int16_t>((100 - o.attr[SKILL_INTELLIGENCE]) / 2 + 1);
    if (o.stepUpCounter == 1) {
      if (beyond) {
        o.targetY = static_cast<int16_t>(defendsLow ? line - 16 : line + 16);
        o.stepUpCounter = 2;
      } else {
        // Back onside: the shape has him again.
        o.stepUpCounter = 0;
      }
    }
  }
}

// --- substitutions --------------------------------------------------------------------

int SubstitutionSuitability(int goingOff, int candidate) {
  // Like for like scores 10; a different position of the same line 6; the
  // neighbouring line 3 (a defender for a midfielder, a midfielder for an
  // attacker and the other way); any other outfield change 2; a keeper for
  // an outfield player or the other way 1.
  static constexpr uint8_t kTable[13][13] = {
      //  GK  D1  D2  D3  D4  M5  M6  M7  M8  M9 A10 A11 A12
      {10, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},   // goalkeeper
      {1, 10, 6, 6, 6, 3, 3, 3, 3, 3, 2, 2, 2},   // defenders
      {1, 6, 10, 6, 6, 3, 3, 3, 3, 3, 2, 2, 2},
      {1, 6, 6, 10, 6, 3, 3, 3, 3, 3, 2, 2, 2},
      {1, 6, 6, 6, 10, 3, 3, 3, 3, 3, 2, 2, 2},
      {1, 3, 3, 3, 3, 10, 6, 6, 6, 6, 3, 3, 3},   // midfielders
      {1, 3, 3, 3, 3, 6, 10, 6, 6, 6, 3, 3, 3},
      {1, 3, 3, 3, 3, 6, 6, 10, 6, 6, 3, 3, 3},
      {1, 3, 3, 3, 3, 6, 6, 6, 10, 6, 3, 3, 3},
      {1, 3, 3, 3, 3, 6, 6, 6, 6, 10, 3, 3, 3},
      {1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 10, 6, 6},   // attackers
      {1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 6, 10, 6},
      {1, 2, 2, 2, 2, 3, 3, 3, 3, 3, 6, 6, 10},
  };
  if (goingOff < 0 || goingOff > 12 || candidate < 0 || candidate > 12) return 1;
  return kTable[goingOff][candidate];
}

int ChooseSubstitute(int side, int goingOff) {
  const int off = ObjectAt(side, goingOff);
  if (off < 0) return -1;
  int position = MatchObjects[off].attr[SKILL_POSITION];
  // With the keeper sent off, the change brings on the bench keeper.
  const int keeper = ObjectAt(side, 0);
  if (keeper >= 0 && SentOff(MatchObjects[keeper]) && BenchHoldsKeeper(side)) position = 0;
  int best = -1, bestScore = -1;
  for (int p = 0; p < SIDE_OBJECTS; ++p) {
    const int object = ObjectAt(side, p);
    if (object < 0 || !IsCandidate(MatchObjects[object])) continue;
    const MatchObject& c = MatchObjects[object];
    const int score = SubstitutionSuitability(position, c.attr[SKILL_POSITION]) *
                      (c.attr[SKILL_SHOOTING] + c.attr[SKILL_PACE] + c.attr[SKILL_PASSING] + c.attr[SKILL_TACKLING]);
    if (score >= bestScore) {
      bestScore = score;
      best = p;
    }
  }
  return best;
}

void SubstitutionDecision(int side) {
  if (side < 0 || side > 1) return;
  SubstitutionChoice[side] = NO_SUBSTITUTION;
  SubstitutionPending[side] = 0;
  if (SubstitutionsUsed[side] >= SubstitutesAllowed) return;
  bool bench = false;
  for (int p = 0; p < SIDE_OBJECTS; ++p) {
    const int object = ObjectAt(side, p);
    bench = bench || (object >= 0 && IsCandidate(MatchObjects[object]));
  }
  if (!bench) return;  // nobody left to bring on

  int injured = -1, injury = 0, strained = -1, strain = 0, lowest = -1, lowestRating = 100;
  for (int p = 0; p < TACTICS_SLOTS; ++p) {
    const int object = ObjectAt(side, p);
    if (object < 0) continue;
    MatchObject& o = MatchObjects[object];
    if (o.offPitch) continue;
    if (p != 0) o.rating = static_cast<int8_t>(Football_CalcPlayerRating(0, static_cast<int16_t>(object)));
    if (o.injury > injury) {
      injury = o.injury;
      injured = p;
    }
    if (o.strain > strain) {
      strain = o.strain;
      strained = p;
    }
    // A player who came on in this match is not taken off again for his rating.
    const bool cameOn = object - side * SIDE_OBJECTS >= TACTICS_SLOTS;
    if (p != 0 && !cameOn && o.rating < lowestRating) {
      lowestRating = o.rating;
      lowest = p;
    }
  }

  int choice = -1;
  // A keeper in need goes first when the bench holds a keeper: injured, he
  // comes off himself; sent off, an injured outfield player (else the
  // lowest-rated one) makes room.
  const int keeper = ObjectAt(side, 0);
  if (keeper >= 0 && BenchHoldsKeeper(side)) {
    const MatchObject& k = MatchObjects[keeper];
    if (SentOff(k))
      choice = injured > 0 ? injured : lowest;
    else if (k.offPitch || k.injury > 0)
      choice = 0;
  }
  const bool secondHalf = period >= 1;
  if (choice < 0 && injured >= 0 && (injury > 60 || (secondHalf && injury > 50))) choice = injured;
  if (choice < 0 && secondHalf && lowest >= 0 && SubstitutesAllowed - SubstitutionsUsed[side] >= 2 &&
      GameRandom() % 50 == 0)
    choice = lowest;
  if (choice < 0 && secondHalf && strained >= 0 && strain > 40) choice = strained;
  if (choice < 0) return;
  SubstitutionChoice[side] = static_cast<uint8_t>(choice);
  SubstitutionPending[side] = 1;
}

void ResetLastKicker() {
  LastKicker = -1;
  for (int object = 0; object < MATCH_PLAYERS; ++object)
    if (MatchObjects[object].hasBall) {
      LastKicker = static_cast<int16_t>(object);
      return;
    }
}

void CompMan_Reset() {
  SubstitutionChoice[0] = SubstitutionChoice[1] = NO_SUBSTITUTION;
  SubstitutionPending[0] = SubstitutionPending[1] = 0;
  std::memset(FormationBlockCount, 0, sizeof FormationBlockCount);
  std::memset(FormationMainCount, 0, sizeof FormationMainCount);
  std::memset(FormationSecondCount, 0, sizeof FormationSecondCount);
  gMan = CompManState{};
}
REGISTER_RESET(RESET_MATCH_PLAY, CompMan_Reset);
