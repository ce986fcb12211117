// The team sheets of a background match and the link to the match set-up.
#include "season/simsheet.h"

#include <algorithm>
#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/seasonstate.h"
#include "world/funcs.h"
#include "world/static_cups.h"

SimSheetState SimSheets;

namespace {

constexpr uint8_t FORM_MAX = 100;
constexpr uint8_t CAP_90 = 90;
constexpr int GRID_COLUMNS = 15;
constexpr int GRID_ROWS = 18;
constexpr int16_t KEEPER_POINT_X = 25;
constexpr int16_t KEEPER_POINT_Y = 0;
constexpr uint8_t STARTING_MARK = 45;
constexpr uint8_t RESERVE_START = 100;
constexpr uint8_t SWING_START = 50;
constexpr uint8_t NOT_YET = 255;
constexpr int MAX_SUBSTITUTIONS = 3;  // the count is a 2-bit field
constexpr uint8_t HARD_CHALLENGE_CLASS = 4;

// The value of an int16 set-up field as a sheet byte (its low byte).
uint8_t LowByte(const uint8_t* p) { return static_cast<uint8_t>(LoadU16(p) & 0xFF); }

SimPlayerEntry& Entry(int side, int entry) { return SimSheets.sheets[side].entries[entry]; }

bool ValidEntry(int entry) { return entry >= 0 && entry < SIM_SHEET_ENTRIES; }

bool IsKeeper(int side, int entry) { return SimSheets.sides[side].keeper == entry; }

// The highest value of a rule over the players on the pitch; the first found
// wins ties.
template <typename Fit, typename Value>
int ChooseBest(int side, Fit fit, Value value) {
  int best = -1, bestValue = 0;
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    const SimPlayerEntry& e = Entry(side, i);
    if (!SimEntryOnPitch(e) || !fit(i, e)) continue;
    int v = value(e);
    if (best < 0 || v > bestValue) {
      best = i;
      bestValue = v;
    }
  }
  return best;
}

int Limit1To100(int v) { return std::clamp(v, 1, 100); }

// The line of a position code: 0 keeper, 1 defence, 2 midfield, 3 attack.
int PositionLine(int position) {
  if (position == 0) return 0;
  if (position >= 1 && position <= 4) return 1;
  if (position >= 5 && position <= 9) return 2;
  if (position >= 10 && position <= 12) return 3;
  return -1;
}

// The line of a role: 0 keeper, 1 defence (0-1), 2 midfield (2-3), 3 attack (4-5).
int RoleLine(int role) {
  if (role == SIM_KEEPER_ROLE) return 0;
  if (role >= 0 && role <= 5) return role / 2 + 1;
  return -1;
}

// The ability that measures a player for a line.
int LineAbility(const SimPlayerEntry& e, int line) {
  switch (line) {
    case 0: return e.ability0;
    case 1: return e.ability2;
    case 2: return e.ability3;
    case 3: return e.ability4;
    default: return 0;
  }
}

int16_t TakerShirtEntry(int side, const uint8_t* team, int field) {
  int16_t shirt = LoadI16(team + field);
  if (shirt >= 2 && shirt <= 11) return static_cast<int16_t>(FindSheetEntryByShirt(side, shirt));
  return -2;  // choose afresh
}

int CountOnPitch(int side) {
  int n = 0;
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) n += SimEntryOnPitch(Entry(side, i)) ? 1 : 0;
  return n;
}

}  // namespace

void SimSheets_Reset() {
  std::memset(&SimSheets, 0, sizeof SimSheets);
  SimSheets.humanClub = -1;
}
REGISTER_RESET(RESET_SEASON, SimSheets_Reset);

void SetupMatchTeamSheets() {
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      const uint8_t* p = setup + SetupPlayerOffset(side, i);
      SimPlayerEntry& e = Entry(side, i);
      e = SimPlayerEntry{};
      e.order = static_cast<uint8_t>(i);
      e.minuteOff = NOT_YET;
      e.cardMinute = NOT_YET;
      e.injuryKind = NOT_YET;
      e.formationSlot = -1;
      e.role = SIM_NO_ROLE;
      e.attackX = e.attackY = -1;
      e.onPitch = SIM_ON_BENCH;
      int16_t player = LoadI16(p + SETUP_PLAYER_NUMBER);
      if (player < 0) {
        e.player = -1;  // an empty entry: never counted, never chosen
        continue;
      }
      e.player = player;
      e.surname = reinterpret_cast<const char*>(p + SETUP_PLAYER_SURNAME);
      e.emptyMark = 1;
      e.shirt = LowByte(p + SETUP_PLAYER_SHIRT);
      e.ability6 = LowByte(p + SETUP_PLAYER_ABILITY6);
      e.ability5 = LowByte(p + SETUP_PLAYER_ABILITY5);
      e.personality16 = std::min(LowByte(p + SETUP_PLAYER_PERSONALITY16), CAP_90);
      e.physical13 = LowByte(p + SETUP_PLAYER_PHYSICAL13);
      e.ability3 = LowByte(p + SETUP_PLAYER_ABILITY3);
      e.pace = LowByte(p + SETUP_PLAYER_PACE);
      e.physical9 = LowByte(p + SETUP_PLAYER_PHYSICAL9);
      e.physical14 = LowByte(p + SETUP_PLAYER_PHYSICAL14);
      e.physical10 = LowByte(p + SETUP_PLAYER_PHYSICAL10);
      e.ability4 = LowByte(p + SETUP_PLAYER_ABILITY4);
      e.ability1 = LowByte(p + SETUP_PLAYER_ABILITY1);
      e.ability7 = LowByte(p + SETUP_PLAYER_ABILITY7);
      e.ability0 = LowByte(p + SETUP_PLAYER_ABILITY0);
      e.ability2 = LowByte(p + SETUP_PLAYER_ABILITY2);
      e.personality15 = LowByte(p + SETUP_PLAYER_PERSONALITY15);
      e.personality19 = LowByte(p + SETUP_PLAYER_PERSONALITY19);
      e.experience = static_cast<uint8_t>(LoadI16(p + SETUP_PLAYER_EXPERIENCE) * 10 / 6);
      e.personality20 = LowByte(p + SETUP_PLAYER_PERSONALITY20);
      e.physical12 = static_cast<uint8_t>(LoadI16(p + SETUP_PLAYER_PHYSICAL12) / 2 + 45);
      e.personality18 = LowByte(p + SETUP_PLAYER_PERSONALITY18);
      e.swing = SWING_START;
      e.personality21 = LowByte(p + SETUP_PLAYER_PERSONALITY21);
      e.physical11 = std::min(LowByte(p + SETUP_PLAYER_PHYSICAL11), CAP_90);
      e.position = LoadI16(p + SETUP_PLAYER_POSITION);
      e.mark = STARTING_MARK;
      e.reserve = RESERVE_START;

      int16_t leftSide = LoadI16(p + SETUP_PLAYER_LEFT_SIDE), rightSide = LoadI16(p + SETUP_PLAYER_RIGHT_SIDE);
      int foot = leftSide == 1 && rightSide == 1 ? 0 : leftSide == 1 ? 1 : 2;
      e.flags = static_cast<uint8_t>((e.position & SIM_FLAG_POSITION_MASK) | foot << SIM_FLAG_FOOT_SHIFT);
      if (LoadI16(p + SETUP_PLAYER_RECURRING_INJURY) != 0) e.flags |= SIM_FLAG_RECURRING;

      if (i < SIM_STARTERS) {
        e.onPitch = SIM_ON_PITCH;
        e.formationSlot = static_cast<int16_t>(i);
        e.keeperFlag = i == 0 ? 1 : 0;
        e.outfieldFlag = i == 0 ? 0 : 1;
        e.attackX = e.positionX;
        e.attackY = e.positionY;
      }
    }
  }
}

int16_t GridToPitchX(int16_t x) { return static_cast<int16_t>(x * 10 / 3); }
int16_t GridToPitchY(int16_t y) { return static_cast<int16_t>(y * 50 / 17 + 5); }

int16_t RoleFromRow(int16_t row) {
  int band = row / 3;
  int role = band >= 0 && band <= 5 ? band : row % 3;
  return static_cast<int16_t>(role < 0 ? 0 : role);
}

void InitSimFormations() {
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < SIM_SIDES; ++side) {
    const uint8_t* formation = setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FORMATION;
    for (int slot = 0; slot < SIM_FORMATION_SLOTS; ++slot) {
      SimFormationSlot& s = SimSheets.formations[side][slot];
      if (slot == 0) {
        s = SimFormationSlot{static_cast<uint8_t>(SIM_KEEPER_ROLE), KEEPER_POINT_X, KEEPER_POINT_Y, KEEPER_POINT_X,
                             KEEPER_POINT_Y};
        continue;
      }
      const uint8_t* p = formation + slot * TACTICS_SLOT_SIZE;
      // A point off the grid is taken to its nearest edge.
      auto column = [](int16_t v) { return static_cast<int16_t>(std::clamp<int>(v, 0, GRID_COLUMNS - 1)); };
      auto row = [](int16_t v) { return static_cast<int16_t>(std::clamp<int>(v, 0, GRID_ROWS - 1)); };
      int16_t x = column(LoadI16(p + TACTICS_SLOT_X)), y = row(LoadI16(p + TACTICS_SLOT_Y));
      int16_t ax = column(LoadI16(p + TACTICS_SLOT_ATTACK_X)), ay = row(LoadI16(p + TACTICS_SLOT_ATTACK_Y));
      s.role = static_cast<uint8_t>(RoleFromRow(y));
      s.x = GridToPitchX(x);
      s.y = GridToPitchY(y);
      s.attackX = GridToPitchX(ax);
      s.attackY = GridToPitchY(ay);
    }
    StoreFormationLineCounts(side);
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      SimPlayerEntry& e = Entry(side, i);
      if (SimEntryPresent(e) && e.formationSlot >= 0 && e.formationSlot < SIM_FORMATION_SLOTS)
        e.role = SimSheets.formations[side][e.formationSlot].role;
    }
  }
}

void CountFormationLines(int side, int* defenders, int* midfielders, int* attackers) {
  int d = 0, m = 0, a = 0;
  for (int slot = 0; slot < SIM_FORMATION_SLOTS; ++slot) {
    int role = SimSheets.formations[side][slot].role;
    if (role <= 1) ++d;
    else if (role <= 3) ++m;
    else if (role <= 5) ++a;
  }
  *defenders = d;
  *midfielders = m;
  *attackers = a;
}

void StoreFormationLineCounts(int side) {
  int d, m, a;
  CountFormationLines(side, &d, &m, &a);
  SimSideRecord& s = SimSheets.sides[side];
  s.defenders = static_cast<uint8_t>(d);
  s.midfielders = static_cast<uint8_t>(m);
  s.attackers = static_cast<uint8_t>(a);
}

void BuildSimTeamRecords(int16_t home, int16_t away) {
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < SIM_SIDES; ++side) {
    const uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    SimSideRecord& s = SimSheets.sides[side];
    const uint8_t defenders = s.defenders, midfielders = s.midfielders, attackers = s.attackers;
    s = SimSideRecord{};
    s.defenders = defenders;
    s.midfielders = midfielders;
    s.attackers = attackers;
    s.club = side == 0 ? home : away;
    s.keeper = static_cast<int8_t>(SimEntryOnPitch(Entry(side, 0)) ? 0 : -1);
    s.firstLegGoals = static_cast<uint8_t>(std::clamp<int>(LoadI16(team + SETUP_TEAM_FIRST_LEG_GOALS), 0, 255));
    s.eventClass = HARD_CHALLENGE_CLASS;
    s.onPitchCount = static_cast<uint8_t>(CountOnPitch(side));

    int16_t captain = TakerShirtEntry(side, team, SETUP_TEAM_CAPTAIN);
    s.captain = static_cast<int8_t>(captain == -2 ? ChooseSimCaptain(side) : captain);
    int16_t first = TakerShirtEntry(side, team, SETUP_TEAM_FREE_KICK_TAKER);
    s.takers[SIM_TAKER_FIRST] = static_cast<int8_t>(first == -2 ? ChooseSimTakerA4(side) : first);
    int16_t second = TakerShirtEntry(side, team, SETUP_TEAM_PENALTY_TAKER);
    s.takers[SIM_TAKER_SECOND] = static_cast<int8_t>(second == -2 ? ChooseSimTakerA7(side) : second);
    s.takers[SIM_TAKER_THIRD] = static_cast<int8_t>(second == -2 ? ChooseSimTakerWeighted(side) : second);
    int16_t fourth = TakerShirtEntry(side, team, SETUP_TEAM_CORNER_TAKER);
    s.takers[SIM_TAKER_FOURTH] = static_cast<int8_t>(fourth == -2 ? ChooseSimTakerWeighted(side) : fourth);
    // A shirt that nobody on the pitch wears leaves no taker: choose afresh.
    ReplaceSimTakers(side);
  }
}

void NormaliseMatchSkill(int skill) {
  int field;
  switch (skill) {
    case 0: field = SETUP_PLAYER_ABILITY0; break;
    case 1: field = SETUP_PLAYER_ABILITY1; break;
    case 2: field = SETUP_PLAYER_ABILITY2; break;
    case 3: field = SETUP_PLAYER_ABILITY3; break;
    case 4: field = SETUP_PLAYER_ABILITY4; break;
    case 6: field = SETUP_PLAYER_ABILITY6; break;
    default: return;
  }
  uint8_t* setup = GetMatchSetupRecord();
  auto counts = [&](const uint8_t* p) {
    if (LoadI16(p + SETUP_PLAYER_NUMBER) < 0) return false;
    return skill != 0 || LoadI16(p + SETUP_PLAYER_POSITION) == 0;
  };
  int best = 0;
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SETUP_TEAM_PLAYER_COUNT; ++i) {
      const uint8_t* p = setup + SetupPlayerOffset(side, i);
      if (counts(p)) best = std::max<int>(best, LoadI16(p + field));
    }
  }
  if (best <= 0 || best >= 95) return;
  const int factor = 9500 / best;  // the best player comes out at 95 (or just below)
  for (int side = 0; side < SIM_SIDES; ++side) {
    for (int i = 0; i < SETUP_TEAM_PLAYER_COUNT; ++i) {
      uint8_t* p = setup + SetupPlayerOffset(side, i);
      if (counts(p)) StoreI16(p + field, LoadI16(p + field) * factor / 100);
    }
  }
}

int FindSheetEntryByShirt(int side, int shirt) {
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    const SimPlayerEntry& e = Entry(side, i);
    if (SimEntryPresent(e) && e.shirt == shirt) return i;
  }
  return -1;
}

int FindSheetEntryByOrder(int side, int order) {
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i)
    if (SimEntryPresent(Entry(side, i)) && Entry(side, i).order == order) return i;
  return -1;
}

int MarkToGrade(int mark) { return mark >= 0 && mark <= 60 ? mark / 10 : -1; }
int MarkToGradeB(int mark) { return mark >= 0 && mark <= 50 ? mark / 10 : -1; }

void SwapSimPlayers(int side, int a, int b) {
  if (!ValidEntry(a) || !ValidEntry(b)) return;
  SimPlayerEntry& x = Entry(side, a);
  SimPlayerEntry& y = Entry(side, b);
  std::swap(x.order, y.order);
  std::swap(x.positionX, y.positionX);
  std::swap(x.positionY, y.positionY);
  std::swap(x.attackX, y.attackX);
  std::swap(x.attackY, y.attackY);
  std::swap(x.formationSlot, y.formationSlot);
}

void BookSimPlayer(int side, int entry, int kind, int minute) {
  if (!ValidEntry(entry)) return;
  SimPlayerEntry& e = Entry(side, entry);
  if (kind == SIM_BOOKING) {
    if (e.cardState == SIM_CARD_NONE) e.cardMinute = static_cast<uint8_t>(minute);
    if (e.cardState < SIM_CARD_SENT_OFF) ++e.cardState;
  } else if (kind == SIM_STRAIGHT_RED) {
    e.cardState = SIM_CARD_SENT_OFF;
  }
}

int ChooseSimCaptain(int side) {
  return ChooseBest(side, [](int, const SimPlayerEntry&) { return true; },
                    [](const SimPlayerEntry& e) { return e.personality20; });
}

int ChooseSimTakerA4(int side) {
  return ChooseBest(
      side,
      [side](int i, const SimPlayerEntry& e) {
        return !IsKeeper(side, i) && e.injuryState != SIM_INJURED_OFF && !(e.flags & SIM_FLAG_CAME_ON);
      },
      [](const SimPlayerEntry& e) { return e.ability4; });
}

int ChooseSimTakerA7(int side) {
  return ChooseBest(
      side, [side](int i, const SimPlayerEntry& e) { return !IsKeeper(side, i) && e.injuryState != SIM_INJURED_OFF; },
      [](const SimPlayerEntry& e) { return e.ability7; });
}

int ChooseSimTakerWeighted(int side) {
  return ChooseBest(side, [side](int i, const SimPlayerEntry&) { return !IsKeeper(side, i); },
                    [](const SimPlayerEntry& e) { return (Limit1To100(e.ability3) + Limit1To100(e.ability7)) / 2; });
}

void ReplaceSimTakers(int side) {
  SimSideRecord& s = SimSheets.sides[side];
  auto gone = [side](int entry, bool keeperAllowed) {
    if (!ValidEntry(entry) || !SimEntryOnPitch(Entry(side, entry))) return true;
    return !keeperAllowed && IsKeeper(side, entry);
  };
  if (gone(s.captain, true)) s.captain = static_cast<int8_t>(ChooseSimCaptain(side));
  if (gone(s.takers[SIM_TAKER_FIRST], false)) s.takers[SIM_TAKER_FIRST] = static_cast<int8_t>(ChooseSimTakerA4(side));
  if (gone(s.takers[SIM_TAKER_SECOND], false))
    s.takers[SIM_TAKER_SECOND] = static_cast<int8_t>(ChooseSimTakerA7(side));
  for (int t : {SIM_TAKER_THIRD, SIM_TAKER_FOURTH})
    if (gone(s.takers[t], false)) s.takers[t] = static_cast<int8_t>(ChooseSimTakerWeighted(side));
}

int ChooseNewSimKeeper(int side) {
  SimSideRecord& s = SimSheets.sides[side];
  // From the back: a defender first, a forward last.
  static constexpr int16_t kRoleTable[] = {0, 1, 2, 3, 4, 5};
  for (int16_t role : kRoleTable) {
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      SimPlayerEntry& e = Entry(side, i);
      if (!SimEntryOnPitch(e) || IsKeeper(side, i) || e.role != role) continue;
      e.role = SIM_KEEPER_ROLE;
      e.formationSlot = 0;
      e.keeperFlag = 1;
      e.outfieldFlag = 0;
      s.keeper = static_cast<int8_t>(i);
      return i;
    }
  }
  s.keeper = -1;
  return -1;
}

void TakeSimPlayerOff(int side, int entry, int minute) {
  if (!ValidEntry(entry)) return;
  SimPlayerEntry& e = Entry(side, entry);
  e.onPitch = SIM_TAKEN_OFF;
  e.minuteOff = static_cast<uint8_t>(minute);
  // His formation slot stays noted on him until a substitute takes it.
}

int ChooseSimSubstitute(int side, int leaving) {
  if (!ValidEntry(leaving)) return -1;
  const int line = RoleLine(Entry(side, leaving).role);
  int best = -1, bestScore = 0;
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    const SimPlayerEntry& e = Entry(side, i);
    if (!SimEntryPresent(e) || e.onPitch != SIM_ON_BENCH) continue;
    int score = (PositionLine(e.position) == line ? 1000 : 0) + LineAbility(e, line);
    if (best < 0 || score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  return best;
}

int MakeSimSubstitution(int side, int leaving, int substitute, int minute) {
  if (!ValidEntry(leaving) || !ValidEntry(substitute)) return -1;
  SimPlayerEntry& out = Entry(side, leaving);
  SimPlayerEntry& in = Entry(side, substitute);
  SimSideRecord& s = SimSheets.sides[side];
  in.onPitch = SIM_ON_PITCH;
  in.formationSlot = out.formationSlot;
  in.role = out.role;
  in.minuteOn = static_cast<uint8_t>(minute);
  in.attackX = out.attackX;
  in.attackY = out.attackY;
  in.flags |= SIM_FLAG_CAME_ON;
  out.formationSlot = -1;
  if (IsKeeper(side, leaving)) {
    s.keeper = static_cast<int8_t>(substitute);
    in.keeperFlag = 1;
    in.outfieldFlag = 0;
  } else {
    in.keeperFlag = 0;
    in.outfieldFlag = 1;
  }
  if (s.substitutions < MAX_SUBSTITUTIONS) ++s.substitutions;
  s.onPitchCount = static_cast<uint8_t>(CountOnPitch(side));
  return substitute;
}

void ChangeSimForm(int side, int entry, int n) {
  if (!ValidEntry(entry)) return;
  SimPlayerEntry& e = Entry(side, entry);
  int v = e.personality18 + n;
  if (v >= 0 && v <= FORM_MAX) e.personality18 = static_cast<uint8_t>(v);
}

void ChangeSideForm(int side, int n) {
  const SimSideRecord& s = SimSheets.sides[side];
  const int delta = s.captain >= 0 && s.captain == s.keeper ? n * 7 : n * 5;
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    SimPlayerEntry& e = Entry(side, i);
    if (SimEntryPresent(e)) e.personality18 = static_cast<uint8_t>(std::clamp(e.personality18 + delta, 0, 100));
  }
}

void DecodeCompetitionCode(int16_t code, int16_t homeClub, CompetitionValues* values) {
  if (code >= 5 && code <= 116) {
    const int cup = (code - 5) / 16, round = (code - 5) % 8;
    values->cup = cup;
    values->round = round;
    const bool secondCode = (code - 5) % 16 >= 8;
    if (secondCode && GameCountry >= 0 && GameCountry < NUM_GAME_COUNTRIES &&
        CupRoundData[GameCountry][cup][round].legs != 2)
      values->singleLeg = 1;
  } else if (code >= 0 && code <= 3 && homeClub >= 0) {
    values->cup = GNW_GetClubDivisionIndex(homeClub);
  }
}

bool SimAwayGoalsRuleWaived(int16_t) { return false; }
