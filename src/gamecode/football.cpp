// The match interface.
#include "gamecode/football.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "menus/gfx_gen.h"

namespace {

struct InterfaceState {
  uint8_t formation[2][TACTICS_RECORD_SIZE];  // the sides' in-match formation slots
};
InterfaceState gFootball;

// Team-sheet value k -> the attribute byte the kick-off copies it into.
constexpr Skill SHEET_SKILL[SHEET_VALUES] = {
    SKILL_PACE,         SKILL_STAMINA,      SKILL_POWER,       SKILL_AGILITY,       SKILL_RESILIENCE,
    SKILL_VISION,       SKILL_COMPOSURE,    SKILL_KEEPING,     SKILL_HEADING,       SKILL_TACKLING,
    SKILL_PASSING,      SKILL_SHOOTING,     SKILL_DRIBBLING,   SKILL_DEADBALL,      SKILL_CONTROL,
    SKILL_AGGRESSION,   SKILL_BARGAINING,   SKILL_RAPPORT,     SKILL_TEMPERAMENT,   SKILL_INTELLIGENCE,
    SKILL_LEADERSHIP,   SKILL_PERSONALITY,  SKILL_COUNT,       SKILL_POSITION,      SKILL_SHIRT,
    SKILL_LEFT_SIDE,    SKILL_RIGHT_SIDE,   SKILL_RECURRING_INJURY,
};

void Check(const char* function, int side, int player) {
  if (side < 0 || side > 1 || player < 0 || player >= SIDE_OBJECTS) {
    char message[128];
    std::snprintf(message, sizeof message, "%s: bad side %d or player %d", function, side, player);
    AbortError(__FILE__, __LINE__, message);
  }
}
void CheckSide(const char* function, int side) { Check(function, side, 0); }

MatchObject& Object(const char* function, int side, int player) {
  Check(function, side, player);
  return MatchObjects[side * SIDE_OBJECTS + player];
}

int16_t ObjectOf(int side, int player) { return static_cast<int16_t>(side * SIDE_OBJECTS + player); }

// How a statistic is read from a PlayerMatchRecord.
enum Width : uint8_t { W8, W16, BIT0, BITS };
struct Statistic {
  int16_t offset;
  Width width;
  uint8_t shift, bits;  // for BITS
  const char* label;
};

constexpr Statistic STATISTICS[PLAYER_MATCH_RECORD_STATISTICS] = {
    {0, W16, 0, 0, "Player"},
    {2, W16, 0, 0, "Fatigue"},
    {4, W16, 0, 0, "Activity"},
    {6, W16, 0, 0, "Workrate"},
    {8, W16, 0, 0, "Involvement"},
    {10, W16, 0, 0, "Performance"},
    {12, W16, 0, 0, "Appearances"},
    {14, W8, 0, 0, "Assists"},
    {15, W8, 0, 0, "Key passes"},
    {16, W8, 0, 0, "Key runs"},
    {17, W8, 0, 0, "Key crosses"},
    {18, W8, 0, 0, "Key events"},
    {19, W8, 0, 0, "Key interceptions"},
    {20, W8, 0, 0, "Key clearances"},
    {21, W16, 0, 0, "Kept Possession"},
    {23, W8, 0, 0, "Statistic 15"},
    {24, W8, 0, 0, "Possession"},
    {25, W8, 0, 0, "Offsides"},
    {26, W8, 0, 0, "Crosses received"},
    {27, W8, 0, 0, "Statistic 19"},
    {28, W8, 0, 0, "Skill loss 1"},
    {29, W8, 0, 0, "Skill loss 2"},
    {30, W8, 0, 0, "Shots on target"},
    {31, W8, 0, 0, "Shots off target"},
    {32, W8, 0, 0, "Statistic 24"},
    {33, W8, 0, 0, "Missed Pen"},
    {34, W8, 0, 0, "Goals"},
    {35, W8, 0, 0, "Statistic 27"},
    {36, W8, 0, 0, "Own Goals"},
    {37, W8, 0, 0, "Completed passes"},
    {38, W8, 0, 0, "Poor passes"},
    {39, W8, 0, 0, "Interceptions"},
    {40, W8, 0, 0, "Statistic 32"},
    {41, W8, 0, 0, "Statistic 33"},
    {42, W8, 0, 0, "Statistic 34"},
    {44, W8, 0, 0, "Poor crosses"},
    {45, W8, 0, 0, "Statistic 36"},
    {46, W8, 0, 0, "Tackles won"},
    {47, W8, 0, 0, "Statistic 38"},
    {48, W8, 0, 0, "Statistic 39"},
    {49, W8, 0, 0, "Statistic 40"},
    {50, W8, 0, 0, "Statistic 41"},
    {51, W8, 0, 0, "Handball"},
    {52, W8, 0, 0, "Corners Scored"},
    {53, W8, 0, 0, "Statistic 44"},
    {54, W8, 0, 0, "Statistic 45"},
    {55, W8, 0, 0, "Statistic 46"},
    {56, W8, 0, 0, "Statistic 47"},
    {57, W8, 0, 0, "Penalties saved"},
    {58, W8, 0, 0, "Goals conceded"},
    {59, W8, 0, 0, "Statistic 50"},
    {60, W8, 0, 0, "Statistic 51"},
    {61, W8, 0, 0, "Clearances"},
    {62, W8, 0, 0, "Crosses Fumbled"},
    {63, W8, 0, 0, "Mistakes"},
    {64, W16, 0, 0, "Statistic 55"},
    {66, W16, 0, 0, "Statistic 56"},
    {112, W8, 0, 0, "Condition"},
    {113, W8, 0, 0, "Distance 1"},
    {114, W8, 0, 0, "Distance 2"},
    {115, W8, 0, 0, "After match"},
    {116, W8, 0, 0, "Time on pitch"},
    {117, W8, 0, 0, "Injury"},
    {118, BIT0, 0, 0, "In goal"},
    {120, BIT0, 0, 0, "Outfield"},
    {121, BITS, 0, 2, "Statistic 65"},
    {121, BITS, 2, 4, "Pens"},
    {121, BITS, 6, 2, "Cards"},
    {121, BITS, 8, 2, "Injury"},
};

// The figures of the rating, by statistic number, from the object's counters.
struct RatingFigures {
  int s[56];
  int c43, cA, cB;
};

RatingFigures FiguresOf(const MatchObject& o) {
  RatingFigures f{};
  f.s[7] = o.assists;
  f.s[8] = o.keyPasses, f.s[9] = o.keyRuns, f.s[10] = o.keyCrosses;
  f.s[11] = o.keyEvent11, f.s[12] = o.keyInterceptions, f.s[13] = o.keyClearances;
  f.s[22] = o.shotsOnTarget, f.s[23] = o.shots - o.shotsOnTarget;
  f.s[24] = o.stat24, f.s[25] = o.missedPenalties, f.s[26] = o.goals, f.s[27] = o.stat27;
  f.s[28] = o.ownGoals, f.s[29] = o.passesCompleted, f.s[30] = o.passes - o.passesCompleted;
  f.s[31] = o.interceptions, f.s[32] = o.stat32, f.s[33] = o.stat33, f.s[34] = o.stat34;
  f.s[35] = o.poorCrosses, f.s[36] = o.stat36, f.s[37] = o.tacklesWon;
  f.s[38] = o.stat38, f.s[39] = o.stat39, f.s[40] = o.stat40, f.s[41] = o.stat41;
  f.s[42] = o.handballs, f.s[43] = o.cornersScored;
  f.s[44] = o.stat44, f.s[45] = o.stat45, f.s[46] = o.stat46, f.s[47] = o.stat47;
  f.s[48] = o.penaltiesSaved, f.s[49] = o.goalsConceded;
  f.s[50] = o.stat50, f.s[51] = o.stat51, f.s[52] = o.clearances;
  f.s[53] = o.crossesFumbled, f.s[54] = o.mistakes, f.s[55] = o.stat55;
  f.c43 = o.counter43, f.cA = o.ratingCounterA, f.cB = o.ratingCounterB;
  return f;
}

}  // namespace

void Football_Reset() { std::memset(&gFootball, 0, sizeof gFootball); }
REGISTER_RESET(RESET_MATCH, Football_Reset);

Skill SkillOfSheetValue(int value) {
  return value >= 0 && value < SHEET_VALUES ? SHEET_SKILL[value] : SKILL_COUNT;
}

int SheetValueOfSkill(Skill skill) {
  for (int k = 0; k < SHEET_VALUES; ++k)
    if (SHEET_SKILL[k] == skill && skill != SKILL_COUNT) return k;
  return -1;
}

uint8_t& SheetSkill(MatchObject& object, int value) {
  const Skill skill = SkillOfSheetValue(value);
  if (skill == SKILL_COUNT) {
    char message[96];
    std::snprintf(message, sizeof message, "SheetSkill: team-sheet value %d has no attribute byte", value);
    AbortError(__FILE__, __LINE__, message);
  }
  return object.attr[skill];
}

int16_t Football_GetPositionLine(int16_t position) {
  if (position == 0) return 0;
  if (position >= 1 && position <= 4) return 1;
  if ((position >= 5 && position <= 9) || position == 13) return 2;
  if (position >= 10 && position <= 12) return 3;
  return -1;
}

int16_t Football_GetPlayerMatchRecordText2(int16_t statistic, const uint8_t* record, int32_t* value) {
  if (statistic < 0 || statistic >= PLAYER_MATCH_RECORD_STATISTICS) {
    std::printf("Football_GetPlayerMatchRecordText2() record not found\n");
    return -1;
  }
  const Statistic& s = STATISTICS[statistic];
  const uint8_t* p = record + s.offset;
  switch (s.width) {
    case W8: *value = static_cast<int8_t>(p[0]); break;
    case W16: *value = LoadI16(p); break;
    case BIT0: *value = (p[0] & 1) ? -1 : 0; break;
    case BITS: *value = (LoadU16(p) >> s.shift) & ((1 << s.bits) - 1); break;
  }
  return statistic;
}

const char* Football_GetStatisticLabel(int16_t statistic) {
  return statistic >= 0 && statistic < PLAYER_MATCH_RECORD_STATISTICS ? STATISTICS[statistic].label : "";
}

const char* Football_GetStatisticText(int16_t statistic, int32_t* value, int16_t side, int16_t player) {
  Check("Football_GetStatisticText", side, player);
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  Football_FillPlayerMatchRecord(record, side, player);
  *value = 0;
  return Football_GetStatisticLabel(Football_GetPlayerMatchRecordText2(statistic, record, value));
}

void Football_GetScore(int16_t* home, int16_t* away, int16_t* away2, int16_t* home2) {
  *home = Score[0];
  *away = Score[1];
  *away2 = Score[1];
  *home2 = Score[0];
}

int16_t Football_CalcPlayerRating(int16_t postMatch, int16_t object) {
  if (object < 0 || object >= MATCH_PLAYERS) {
    char message[96];
    std::snprintf(message, sizeof message, "Football_CalcPlayerRating: bad object %d", object);
    AbortError(__FILE__, __LINE__, message);
  }
  const MatchObject& o = MatchObjects[object];
  if (o.rating < 0) return -1;
  if (o.rating == 0) return 0;
  const int side = object / SIDE_OBJECTS;
  const int bonus = postMatch != 0 && Score[side] > Score[1 - side] ? 5 : 0;
  const RatingFigures f = FiguresOf(o);
  const int* s = f.s;
  int16_t r = SimulationFlag != 0 ? static_cast<int16_t>(45 + 8 * s[43] + 5 * s[44] + 5 * s[45] - 3 * s[46])
                                  : static_cast<int16_t>(65 + 2 * s[43] + s[44] + s[45] - 6 * s[46] - 9 * s[49]);
  r = static_cast<int16_t>(r + 3 * s[50] + s[51] + s[52] - 3 * s[53] - 3 * s[54] + 2 * s[22] - s[23] - 2 * s[24] -
                           3 * s[25] + 8 * s[26] + 3 * s[27] + 2 * s[7] - 4 * s[28] - f.cA - f.cB + s[29] -
                           2 * s[30] + s[31] + 2 * s[33] + 3 * f.c43 - 2 * s[35] + 2 * s[37] - 2 * (s[38] + s[39]) -
                           4 * (s[40] + s[41]) - s[42] + s[8] + 3 * s[9] + s[10] + s[11] + s[12] + 5 * s[13] + bonus);
  if (r < 10) return 10;
  if (r <= 97) return r;
  if (r <= 100) return 97;
  if (r <= 120) return 98;
  return 99;
}

void Football_FillPlayerMatchRecord(uint8_t* record, int16_t side, int16_t player) {
  const MatchObject& o = Object("Football_FillPlayerMatchRecord", side, player);
  int32_t most1 = 1, most2 = 1, mostInvolved = 1;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (MatchObjects[i].activity1 > most1) most1 = MatchObjects[i].activity1;
    if (MatchObjects[i].activity2 > most2) most2 = MatchObjects[i].activity2;
    if (MatchObjects[i].involvement > mostInvolved) mostInvolved = MatchObjects[i].involvement;
  }
  if (SimulationFlag != 0) return;
  auto scaled = [](int64_t v, int32_t most) { return static_cast<int32_t>(v * 95 / most); };
  auto byte = [](int v) { return static_cast<uint8_t>(v & 0xFF); };
  uint8_t* r = record;
  std::memset(r, 0, PLAYER_MATCH_RECORD_SIZE);
  StoreI16(r + 0, o.playerNumber);
  StoreI16(r + 2, o.fatigue);
  StoreI16(r + 4, scaled(o.activity1, most1));
  StoreI16(r + 6, scaled(o.activity2, most2));
  StoreI16(r + 8, scaled(o.involvement, mostInvolved));
  StoreI16(r + 10, Football_CalcPlayerRating(RatingFlag, ObjectOf(side, player)));
  StoreI16(r + 12, o.appearances);
  r[14] = byte(o.assists);
  const int16_t keys[6] = {o.keyPasses, o.keyRuns, o.keyCrosses, o.keyEvent11, o.keyInterceptions, o.keyClearances};
  for (int i = 0; i < 6; ++i) r[15 + i] = byte(keys[i]);
  StoreI16(r + 21, o.keptPossession);
  r[23] = byte(o.stat15);
  r[24] = byte(o.keptPossession);
  r[25] = byte(o.offsides);
  r[26] = byte(o.crossesReceived);
  r[27] = byte(o.stat19);
  r[28] = byte((100 - o.attr[0]) * o.keptPossession / 40);
  r[29] = byte((100 - o.attr[1]) * o.keptPossession / 40);
  r[30] = byte(o.shotsOnTarget);
  r[31] = byte(o.shots - o.shotsOnTarget);
  r[32] = byte(o.stat24);
  r[33] = byte(o.missedPenalties);
  r[34] = byte(o.goals);
  r[35] = byte(o.stat27);
  r[36] = byte(o.ownGoals);
  r[37] = byte(o.passesCompleted);
  r[38] = byte(o.passes - o.passesCompleted);
  const int16_t block39[] = {o.interceptions, o.stat32,   o.stat33,     o.stat34,      o.counter43,
                             o.poorCrosses,   o.stat36,   o.tacklesWon, o.stat38,      o.stat39,
                             o.stat40,        o.stat41,   o.handballs,  o.cornersScored, o.stat44,
                             o.stat45,        o.stat46,   o.stat47,     o.penaltiesSaved, o.goalsConceded,
                             o.stat50,        o.stat51,   o.clearances, o.crossesFumbled, o.mistakes};
  for (size_t i = 0; i < sizeof block39 / sizeof block39[0]; ++i) r[39 + i] = byte(block39[i]);
  StoreI16(r + 64, o.stat55);
  StoreI16(r + 66, o.stat56);
  for (int i = 0; i < 10; ++i) r[68 + i] = byte(o.further[i]);
  std::memcpy(r + 78, o.passesTo, SIDE_OBJECTS);
  std::memcpy(r + 94, o.passesToDone, SIDE_OBJECTS);
  r[110] = byte(o.counter110);
  r[111] = byte(o.counter111);
  r[112] = byte(o.injury == 2 ? 0 : 100 - o.fatigue - 2 * o.stat55);
  r[113] = byte(o.distance1 / 333);
  r[114] = byte(o.distance2 / 333);
  r[118] = o.playedInGoal != 0 ? 1 : 0;
  r[120] = o.playedOutfield != 0 ? 1 : 0;
  const int cards = o.sentOff != 0 ? 3 : (o.cardState & 3);
  StoreU16(r + 121, static_cast<uint32_t>(cards << 6 | (o.injury & 3) << 8));
}

MatchObject* Football_GetMatchObject(int16_t side, int16_t player) {
  return &Object("Football_GetMatchObject", side, player);
}

void Football_SetCornerTaker(int16_t side, int16_t player) {
  Check("Football_SetCornerTaker", side, player);
  CornerTakerObject[side] = ObjectOf(side, player);
}
void Football_SetFreeKickTaker(int16_t side, int16_t player) {
  Check("Football_SetFreeKickTaker", side, player);
  FreeKickTakerObject[side] = ObjectOf(side, player);
}
void Football_SetFreeKickTakerB(int16_t side, int16_t player) {
  Check("Football_SetFreeKickTakerB", side, player);
  FreeKickTakerObject[side] = ObjectOf(side, player);
}
void Football_SetPenaltyTaker(int16_t side, int16_t player) {
  Check("Football_SetPenaltyTaker", side, player);
  PenaltyTakerObject[side] = ObjectOf(side, player);
}
void Football_SetCaptain(int16_t side, int16_t player) {
  Check("Football_SetCaptain", side, player);
  CaptainObject[side] = ObjectOf(side, player);
}
int16_t Football_IsCornerTaker(int16_t side, int16_t player) {
  Check("Football_IsCornerTaker", side, player);
  return CornerTakerObject[side] == ObjectOf(side, player) ? 1 : 0;
}
int16_t Football_IsFreeKickTaker(int16_t side, int16_t player) {
  Check("Football_IsFreeKickTaker", side, player);
  return FreeKickTakerObject[side] == ObjectOf(side, player) ? 1 : 0;
}
int16_t Football_IsFreeKickTakerB(int16_t side, int16_t player) {
  Check("Football_IsFreeKickTakerB", side, player);
  return FreeKickTakerObject[side] == ObjectOf(side, player) ? 1 : 0;
}
int16_t Football_IsPenaltyTaker(int16_t side, int16_t player) {
  Check("Football_IsPenaltyTaker", side, player);
  return PenaltyTakerObject[side] == ObjectOf(side, player) ? 1 : 0;
}
int16_t Football_IsCaptain(int16_t side, int16_t player) {
  Check("Football_IsCaptain", side, player);
  return CaptainObject[side] == ObjectOf(side, player) ? 1 : 0;
}

uint8_t* Football_GetTeamFormation(int16_t side) {
  CheckSide("Football_GetTeamFormation", side);
  return gFootball.formation[side];
}

void Football_SetupTeamFormation(int16_t side) {
  CheckSide("Football_SetupTeamFormation", side);
  const uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side];
  int16_t tactic = LoadI16(team + SETUP_TEAM_TACTIC);
  if (tactic < 0 || tactic >= NUM_STOCK_TACTICS + SETUP_TEAM_CUSTOM_COUNT) {
    std::printf("Football_SetupTeamFormation: side %d has tactic %d, stock tactic 0 used\n", side, tactic);
    tactic = 0;
  }
  if (tactic < NUM_STOCK_TACTICS)
    GetComputerTactics(gFootball.formation[side], tactic);
  else
    std::memcpy(gFootball.formation[side],
                team + SETUP_TEAM_CUSTOM_FORMATIONS + (tactic - NUM_STOCK_TACTICS) * TACTICS_RECORD_SIZE,
                TACTICS_RECORD_SIZE);
}

void Football_LoadMatchFormation(int16_t side) {
  CheckSide("Football_LoadMatchFormation", side);
  std::memcpy(gFootball.formation[side],
              GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_CUSTOM_FORMATIONS,
              TACTICS_RECORD_SIZE);
}

void Football_MakeSubstitution(int16_t side, int16_t on, int16_t off) {
  MatchObject& incoming = Object("Football_MakeSubstitution", side, on);
  MatchObject& leaving = Object("Football_MakeSubstitution", side, off);
  const int16_t onObject = ObjectOf(side, on), offObject = ObjectOf(side, off);
  MatchSeams.sayComment(112, 0, side, offObject, onObject, 0);
  MatchSeams.infoBar(11, onObject, offObject);  // the caption names b as "Player Off"
  AddMatchLogEntry(LOG_SUBSTITUTION, period, MatchSeams.matchTimeSeconds() / 60, side, offObject, onObject);
  MatchSeams.clearPendingSubstitution(side);
  Football_SwapSquadSlots(side, on, off);
  leaving.offPitch = 1;
  leaving.takenOff = static_cast<int16_t>(leaving.takenOff + 1);
  incoming.onBench = 0;
  incoming.offPitch = 0;
  incoming.rating = 50;
  // He carries on exactly where the other left off.
  incoming.action = leaving.action;
  incoming.targetX = leaving.targetX;
  incoming.targetY = leaving.targetY;
  incoming.x = leaving.x;
  incoming.y = leaving.y;
  incoming.fixedX = leaving.fixedX;
  incoming.fixedY = leaving.fixedY;
  incoming.facing = leaving.facing;
  incoming.wantedFacing = leaving.wantedFacing;
  incoming.speed = leaving.speed;
  SubstitutionsUsed[side] = static_cast<int16_t>(SubstitutionsUsed[side] + 1);
}

void Football_SwapSquadSlots(int16_t side, int16_t on, int16_t off) {
  Check("Football_SwapSquadSlots", side, on);
  Check("Football_SwapSquadSlots", side, off);
  const int16_t onObject = ObjectOf(side, on), offObject = ObjectOf(side, off);
  int onSlot = -1, offSlot = -1;
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    if (SideSlots[side][i] == onObject) onSlot = i;
    if (SideSlots[side][i] == offObject) offSlot = i;
  }
  if (onSlot < 0 || offSlot < 0) return;
  SideSlots[side][onSlot] = offObject;
  SideSlots[side][offSlot] = onObject;
}

int16_t Football_WasTakenOffInjured(int16_t side, int16_t player) {
  const MatchObject& o = Object("Football_WasTakenOffInjured", side, player);
  return o.takenOff != 0 && o.injury != 0 ? 1 : 0;
}
int16_t Football_IsPlayerInjured(int16_t side, int16_t player) {
  return Object("Football_IsPlayerInjured", side, player).injury > 0 ? 1 : 0;
}
int16_t Football_IsAvailableSubstitute(int16_t side, int16_t player) {
  const MatchObject& o = Object("Football_IsAvailableSubstitute", side, player);
  return o.onBench != 0 && o.rating == 0 ? 1 : 0;
}
int16_t Football_IsPlayerOnPitch(int16_t side, int16_t player) {
  return Object("Football_IsPlayerOnPitch", side, player).offPitch == 0 ? 1 : 0;
}
int16_t Football_HasPlayedOutfield(int16_t side, int16_t player) {
  return Object("Football_HasPlayedOutfield", side, player).playedOutfield;
}
int16_t Football_HasPlayedInGoal(int16_t side, int16_t player) {
  return Object("Football_HasPlayedInGoal", side, player).playedInGoal;
}
int16_t Football_HasPlayerPlayed(int16_t side, int16_t player) {
  return Object("Football_HasPlayerPlayed", side, player).rating != 0 ? 1 : 0;
}
int16_t Football_GetSubstitutionsUsed(int16_t side) {
  CheckSide("Football_GetSubstitutionsUsed", side);
  return SubstitutionsUsed[side];
}

int16_t Football_GetPositionsPlayer(int16_t side, int16_t position) {
  Check("Football_GetPositionsPlayer", side, position);
  return static_cast<int16_t>(SideSlots[side][position] - side * SIDE_OBJECTS);
}

int16_t Football_GetPlayersPosition(int16_t side, int16_t player) {
  CheckSide("Football_GetPlayersPosition", side);
  for (int i = 0; i < SIDE_OBJECTS; ++i)
    if (SideSlots[side][i] == ObjectOf(side, player)) return static_cast<int16_t>(i);
  std::printf("Football_GetPlayersPosition: invalid watch game no %d\n", player);
  return -1;
}
