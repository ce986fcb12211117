// The match's goal and card records and its result.
#include "gamecode/matchres.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"

namespace {

struct ResultTables {
  GoalRecord goals[2][MAX_GOAL_RECORDS];
  CardRecord cards[2][MAX_CARD_RECORDS];
  int cardCount[2];
};
ResultTables gTables;

[[noreturn]] void Fail(const char* function, int value) {
  char message[96];
  std::snprintf(message, sizeof message, "%s: bad side or object %d", function, value);
  AbortError(__FILE__, __LINE__, message);
}

bool IsSentOff(const MatchObject& o) { return o.cardState == 2 || o.sentOff != 0; }
bool IsBookedOnce(const MatchObject& o) { return o.cardState == 1 && o.sentOff == 0; }

int16_t PlayerNumberOf(int object) {
  return object >= 0 && object < MATCH_PLAYERS ? MatchObjects[object].playerNumber : int16_t{-1};
}

struct SideFigures {
  int shotsOn = 0, shotsOff = 0, booked = 0, sentOff = 0;
};

SideFigures FiguresOf(int side) {
  SideFigures f;
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
    f.shotsOn += o.shotsOnTarget;
    f.shotsOff += o.shots - o.shotsOnTarget;
    if (IsSentOff(o)) ++f.sentOff;
    else if (IsBookedOnce(o)) ++f.booked;
  }
  return f;
}

uint8_t* LogEntry(uint8_t* result, int n) { return result + MATCH_LOG + n * MATCH_LOG_ENTRY_SIZE; }

void WriteLogEntry(uint8_t* e, int kind, int period, int minute, int side, int first, int second) {
  e[MATCH_LOG_KIND] = static_cast<uint8_t>(kind);
  StoreI16(e + MATCH_LOG_PERIOD, period);
  StoreI16(e + MATCH_LOG_MINUTE, minute);
  StoreI16(e + MATCH_LOG_SIDE, side);
  StoreI16(e + MATCH_LOG_FIRST, first);
  StoreI16(e + MATCH_LOG_SECOND, second);
}

int Zone(int offset, int zones, int size) {
  if (offset < 0) offset = 0;
  const int z = offset * zones / size;
  return z > zones - 1 ? zones - 1 : z;
}

void CountCell(uint8_t* result, int map, int lengthZone, int widthZone) {
  uint8_t* cell = result + HeatCellOffset(map, lengthZone, widthZone);
  StoreI32(cell, LoadI32(cell) + 1);
}

}  // namespace

void MatchResults_ClearTables() { std::memset(&gTables, 0, sizeof gTables); }
REGISTER_RESET(RESET_MATCH_PLAY, MatchResults_ClearTables);

const GoalRecord& GetGoalRecord(int side, int index) {
  if (side < 0 || side > 1 || index < 0 || index >= MAX_GOAL_RECORDS) Fail("GetGoalRecord", index);
  return gTables.goals[side][index];
}
CardRecord GetCardRecord(int side, int index) {
  if (side < 0 || side > 1 || index < 0 || index >= MAX_CARD_RECORDS) Fail("GetCardRecord", index);
  return gTables.cards[side][index];
}
int GetCardRecordCount(int side) {
  if (side < 0 || side > 1) Fail("GetCardRecordCount", side);
  return gTables.cardCount[side];
}

int CurrentEventMinute() {
  const int cap = MINUTE_CAPS[period < 0 ? 0 : period > 3 ? 3 : period];
  int minute = MatchSeams.matchTimeSeconds() / 60;
  if (minute <= 0) minute = 1;
  if (minute >= cap) minute = cap;
  return minute;
}

int GoalTypeCode(int kind) {
  switch (kind) {
    case 0: case 5: return 2;
    case 2: return 8;
    case 3: return 5;
    case 8: return 6;
    case 9: case 10: return 4;
    case 11: return 7;
    default: return 3;
  }
}

void RecordGoal(int side, int index, int fallbackScorer, int scorer, int ownGoalPlayer, int /*state*/,
                int distanceClass) {
  if (side < 0 || side > 1) Fail("RecordGoal", side);
  if (index < 0) index = 0;
  if (index >= MAX_GOAL_RECORDS) return;  // the table is full; the score counts on
  GoalRecord& g = gTables.goals[side][index];
  g.minute = static_cast<uint8_t>(CurrentEventMinute());
  g.period = static_cast<uint8_t>(period < 0 ? 0 : period > 4 ? 4 : period);
  int who = scorer == -1 ? fallbackScorer : scorer;
  const int action = who >= 0 && who < MATCH_PLAYERS ? MatchObjects[who].action : -1;
  int kind;
  switch (action) {
    case 46: case 47: case 48: case 51: case 82: case 86: case 87: kind = 10; break;
    case 50: case 80: case 83: case 84: kind = 5; break;
    case 55: case 59: case 71: case 94: kind = 8; break;
    case 60: case 95: kind = 3; break;
    default:
      if (distanceClass > 22) kind = 2;
      else if (ownGoalPlayer == -1) kind = 1;
      else kind = 11, who = fallbackScorer;
  }
  g.scorer = static_cast<int8_t>(who);
  g.kind = static_cast<int8_t>(kind);
  g.area = static_cast<int8_t>(distanceClass > 21 || kind == 8 ? 1 : distanceClass >= 12 ? 0 : 3);
}

void RecordCard(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) Fail("RecordCard", object);
  const int side = object / SIDE_OBJECTS;
  int& count = gTables.cardCount[side];
  if (count >= MAX_CARD_RECORDS) return;  // the table is full
  const int kind = MatchObjects[object].cardState == 1 && MatchObjects[object].sentOff == 0 ? 1 : 3;
  gTables.cards[side][count++] =
      static_cast<CardRecord>(object) | static_cast<CardRecord>(CurrentEventMinute()) << 7 |
      static_cast<CardRecord>(kind) << 14 | static_cast<CardRecord>(period < 0 ? 0 : period > 4 ? 4 : period) << 16;
}

void ChooseManOfTheMatch(int* side, int* player) {
  int best = -1, bestObject = -1;
  bool tie = false;
  auto played = [](const MatchObject& o) { return o.playedOutfield != 0 || o.playedInGoal != 0; };
  for (int s = 0; s < 2; ++s)
    for (int i = 0; i < 11; ++i) {
      const int object = s * SIDE_OBJECTS + i;
      MatchObject& o = MatchObjects[object];
      if (!played(o)) continue;
      const int16_t rating = Football_CalcPlayerRating(1, static_cast<int16_t>(object));
      o.rating = static_cast<int8_t>(rating);
      if (rating > best) best = rating, bestObject = object;
      else if (rating == best && rating > 0) tie = true;
    }
  if (bestObject < 0) {
    *side = -1, *player = -1;
    return;
  }
  if (tie) {
    int bestScore = 0;
    bestObject = -1;
    for (int s = 0; s < 2; ++s)
      for (int i = 0; i < 11; ++i) {
        const int object = s * SIDE_OBJECTS + i;
        const MatchObject& o = MatchObjects[object];
        if (o.rating != best) continue;
        int score = (o.goals >= 3 ? o.goals * 100 : 0) + o.assists * 50 +
                    20 * (o.cornersScored + o.stat44 + o.stat45);
        if (o.appearances > 0) score += o.ratingCounterA * 100 / o.appearances;
        if (bestObject < 0 || score > bestScore) bestScore = score, bestObject = object;
      }
  }
  MatchObjects[bestObject].rating = static_cast<int8_t>(MatchObjects[bestObject].rating + 1);
  *side = bestObject / SIDE_OBJECTS;
  *player = bestObject % SIDE_OBJECTS;
}

void CompileMatchResult() {
  uint8_t* result = GetMatchResultRecord();
  int motmSide = -1, motmPlayer = -1;
  ChooseManOfTheMatch(&motmSide, &motmPlayer);
  const SideFigures figures[2] = {FiguresOf(0), FiguresOf(1)};
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    const SideFigures& own = figures[side];
    const SideFigures& other = figures[1 - side];
    StoreI16(team + TEAM_MAN_OF_MATCH,
             side == motmSide ? PlayerNumberOf(motmSide * SIDE_OBJECTS + motmPlayer) : int16_t{-1});
    StoreI16(team + TEAM_SHOTS_ON, own.shotsOn);
    StoreI16(team + TEAM_SHOTS_OFF, own.shotsOff);
    StoreI16(team + TEAM_CORNERS, SideCorners[side]);
    StoreI16(team + TEAM_FOULS, SideFouls[side]);
    StoreI16(team + TEAM_POSSESSION_LOW, static_cast<int32_t>(SidePossession[side] & 0xFFFF));

    // The goal list: at most 19 goals, then the end mark.
    std::memset(team + TEAM_GOAL_LIST, 0, TEAM_GOAL_LIST_ENTRIES * TEAM_GOAL_LIST_ENTRY_SIZE);
    const int goals = Score[side] < 0 ? 0 : Score[side] > GOAL_LIST_GOALS ? GOAL_LIST_GOALS : Score[side];
    for (int n = 0; n < goals; ++n) {
      const GoalRecord& g = gTables.goals[side][n];
      uint8_t* e = team + TEAM_GOAL_LIST + n * TEAM_GOAL_LIST_ENTRY_SIZE;
      StoreI16(e + GOAL_ENTRY_SCORER, PlayerNumberOf(g.scorer));
      e[GOAL_ENTRY_MINUTE] = g.minute;
      e[GOAL_ENTRY_PACKED] = static_cast<uint8_t>((GoalTypeCode(g.kind) & 0x1F) | (g.area & 3) << 5 | side << 7);
    }
    StoreI16(team + TEAM_GOAL_LIST + goals * TEAM_GOAL_LIST_ENTRY_SIZE + GOAL_ENTRY_SCORER, -1);

    std::memset(team + TEAM_CARD_LIST, 0xFF, TEAM_CARD_LIST_ENTRIES * CARD_ENTRY_SIZE);
    for (int n = 0; n < gTables.cardCount[side]; ++n) {
      uint8_t* e = team + TEAM_CARD_LIST + n * CARD_ENTRY_SIZE;
      e[CARD_ENTRY_MINUTE] = static_cast<uint8_t>(CARD_MINUTE(gTables.cards[side][n]));
      e[CARD_ENTRY_KIND] = static_cast<uint8_t>(CARD_KIND(gTables.cards[side][n]));
    }

    StoreI16(team + TEAM_CORNERS_COPY, SideCorners[side]);
    StoreI16(team + TEAM_SHOTS_ON_COPY, own.shotsOn);
    StoreI16(team + TEAM_SHOTS_OFF_COPY, own.shotsOff);
    StoreI16(team + TEAM_BOOKED, own.booked);
    StoreI16(team + TEAM_SENT_OFF, own.sentOff);
    StoreI16(team + TEAM_OPP_CORNERS, SideCorners[1 - side]);
    StoreI16(team + TEAM_OPP_SHOTS_ON, other.shotsOn);
    StoreI16(team + TEAM_OPP_SHOTS_OFF, other.shotsOff);
    StoreI16(team + TEAM_OPP_BOOKED, other.booked);
    StoreI16(team + TEAM_OPP_SENT_OFF, other.sentOff);
  }

  // The log again from the goal and card tables.
  int n = 0;
  for (int side = 0; side < 2; ++side) {
    const int goals = Score[side] < 0 ? 0 : Score[side] > MAX_GOAL_RECORDS ? MAX_GOAL_RECORDS : Score[side];
    for (int i = 0; i < goals && n < MATCH_LOG_REWRITE_LIMIT; ++i) {
      const GoalRecord& g = gTables.goals[side][i];
      WriteLogEntry(LogEntry(result, n++), LOG_GOAL, g.period, g.minute, side, g.scorer,
                    GoalTypeCode(g.kind));
    }
    for (int i = 0; i < gTables.cardCount[side] && n < MATCH_LOG_REWRITE_LIMIT; ++i) {
      const CardRecord c = gTables.cards[side][i];
      if (CARD_KIND(c) != 3) continue;
      WriteLogEntry(LogEntry(result, n++), LOG_RED, CARD_PERIOD(c), CARD_MINUTE(c), side,
                    PlayerNumberOf(CARD_OBJECT(c)), 0);
    }
  }
  LogEntry(result, n)[MATCH_LOG_KIND] = MATCH_LOG_END;
  MatchLogCount = static_cast<int16_t>(n);
}

void UpdateHeatMaps(uint8_t* result) {
  if (MatchState != STATE_OPEN_PLAY || Pitch.length <= 0 || Pitch.width <= 0) return;
  const bool mirrored = period == 1 || period == 3;
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    const MatchObject& o = MatchObjects[object];
    if (o.motion == -1) continue;
    int along = Zone(o.y - Pitch.minY, HEAT_LENGTH_ZONES, Pitch.length);
    int across = Zone(o.x - Pitch.minX, HEAT_WIDTH_ZONES, Pitch.width);
    if (mirrored) along = HEAT_LENGTH_ZONES - 1 - along, across = HEAT_WIDTH_ZONES - 1 - across;
    CountCell(result, object, along, across);
  }
  if (PossessionSide > 1) return;
  CountCell(result, HEAT_BALL_MAP + PossessionSide, Zone(ballY - Pitch.minY, HEAT_LENGTH_ZONES, Pitch.length),
            Zone(ballX - Pitch.minX, HEAT_WIDTH_ZONES, Pitch.width));
}

void AddMatchLogEntry(int kind, int period, int minute, int side, int first, int second) {
  if (MatchLogCount < 0 || MatchLogCount >= MATCH_LOG_LIVE_LIMIT) return;
  uint8_t* result = GetMatchResultRecord();
  WriteLogEntry(LogEntry(result, MatchLogCount), kind, period, minute, side, first, second);
  ++MatchLogCount;
  LogEntry(result, MatchLogCount)[MATCH_LOG_KIND] = MATCH_LOG_END;
}
