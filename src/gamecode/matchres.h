// What a match leaves behind: the goal and card tables written at the moment
// of each event, the match log, the heat maps and the result compiled after
// the last period.
#pragma once

#include <cstdint>

constexpr int MAX_GOAL_RECORDS = 20;  // per side; later goals still count in the score
constexpr int MAX_CARD_RECORDS = 20;  // per side; later cards are not recorded
constexpr int GOAL_LIST_GOALS = 19;   // the result's goal list: 19 goals and the end mark

// The highest minute a goal or card of periods 0-3 is recorded with.
constexpr int16_t MINUTE_CAPS[4] = {46, 91, 106, 121};

// One goal as the match records it.
struct GoalRecord {
  int8_t scorer;  // object 0-31
  uint8_t minute;
  int8_t kind;  // 1-11
  int8_t area;  // 0, 1 or 3
  uint8_t period;  // the period it was scored in (a minute alone cannot tell: 45 is in either half)
};
// One card: bits 0-6 the object, 7-13 the minute, 14-15 the kind (1 a
// booking, 3 a sending-off or a second booking), 16-18 the period.
using CardRecord = uint32_t;
constexpr int CARD_OBJECT(CardRecord c) { return static_cast<int>(c & 0x7F); }
constexpr int CARD_MINUTE(CardRecord c) { return static_cast<int>(c >> 7 & 0x7F); }
constexpr int CARD_KIND(CardRecord c) { return static_cast<int>(c >> 14 & 3); }
constexpr int CARD_PERIOD(CardRecord c) { return static_cast<int>(c >> 16 & 7); }

// Called by the goal state with index = the side's new score - 1.
void RecordGoal(int side, int index, int fallbackScorer, int scorer, int ownGoalPlayer, int state, int distanceClass);
// Called after the object's card state has changed: appends the side's next
// card record.
void RecordCard(int object);
// The goal kind as the report screens show it.
int GoalTypeCode(int kind);
// Rates the first eleven of each side after the match and chooses the man of
// the match (his rating byte one up); side and player -1 when no one played.
void ChooseManOfTheMatch(int* side, int* player);
// The result record from the goal and card tables and the match objects.
void CompileMatchResult();
// Called every frame of open play.
void UpdateHeatMaps(uint8_t* result);
// Appends one entry to the match log of MatchResult (kind, period, minute,
// side, two values), counting MatchLogCount on; the log holds 199 entries.
void AddMatchLogEntry(int kind, int period, int minute, int side, int first, int second);
// The goal and card tables empty: the first kick-off of a match.
void MatchResults_ClearTables();

// The tables as written so far (tests and the report code).
const GoalRecord& GetGoalRecord(int side, int index);
CardRecord GetCardRecord(int side, int index);
int GetCardRecordCount(int side);
// The minute of an event now: game-clock seconds / 60, 0 as 1, capped by the
// period's cap.
int CurrentEventMinute();
