#include "gamecode/matchres.h"

#include <gtest/gtest.h>

#include "engine/bytes.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

int32_t gSeconds;

class MatchResultTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gSeconds = 0;
    MatchSeams.matchTimeSeconds = [] { return gSeconds; };
    for (int object = 0; object < MATCH_PLAYERS; ++object) {
      MatchObject& o = MatchObjects[object];
      o.playerNumber = static_cast<int16_t>(1000 + object);
      o.rating = object % SIDE_OBJECTS < 11 ? 50 : 0;
      o.playedOutfield = object % SIDE_OBJECTS < 11 ? 1 : 0;
      o.motion = -1;
    }
  }
  static uint8_t* Team(int side) { return GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[side]; }
  static int16_t TeamI16(int side, int offset) { return LoadI16(Team(side) + offset); }
  static const uint8_t* Log(int n) { return GetMatchResultRecord() + MATCH_LOG + n * MATCH_LOG_ENTRY_SIZE; }
  static void Goal(int side, int scorerObject, int seconds, int action = 0, int distance = 5) {
    gSeconds = seconds;
    MatchObjects[scorerObject].action = static_cast<int16_t>(action);
    RecordGoal(side, Score[side]++, scorerObject, scorerObject, -1, STATE_GOAL, distance);
  }
  static void Card(int object, int16_t cardState, int seconds, bool sentOff = false) {
    gSeconds = seconds;
    MatchObjects[object].cardState = cardState;
    MatchObjects[object].sentOff = sentOff ? 1 : 0;
    RecordCard(object);
  }
};

TEST(GoalTypeCodes, EveryKind) {
  const int expected[12] = {2, 3, 8, 5, 3, 2, 3, 3, 6, 4, 4, 7};
  for (int kind = 0; kind < 12; ++kind) EXPECT_EQ(GoalTypeCode(kind), expected[kind]) << kind;
}

TEST_F(MatchResultTest, GoalMinutesAreCappedByThePeriod) {
  struct Row {
    int8_t period;
    int seconds;
    int minute;
  };
  const Row rows[] = {
      {0, 0, 1},          {0, 59, 1},         {0, 600, 10},       {0, 47 * 60, 46}, {1, 93 * 60, 91},
      {1, 90 * 60 + 59, 90}, {2, 110 * 60, 106}, {3, 119 * 60, 119}, {3, 125 * 60, 121}, {4, 121 * 60, 121},
  };
  for (const Row& r : rows) {
    period = r.period;
    gSeconds = r.seconds;
    RecordGoal(0, 0, 3, 3, -1, STATE_GOAL, 5);
    EXPECT_EQ(GetGoalRecord(0, 0).minute, r.minute) << int(r.period) << " " << r.seconds;
    EXPECT_EQ(CurrentEventMinute(), r.minute);
  }
}

TEST_F(MatchResultTest, GoalKindAndAreaFromTheScorersActionAndTheDistance) {
  struct Row {
    int16_t action;
    int distance;
    int ownGoal;
    int kind, area, scorer;
  };
  const Row rows[] = {
      {46, 5, -1, 10, 3, 4}, {87, 30, -1, 10, 1, 4}, {50, 12, -1, 5, 0, 4}, {84, 11, -1, 5, 3, 4},
      {55, 5, -1, 8, 1, 4},  {94, 15, -1, 8, 1, 4},  {60, 22, -1, 3, 1, 4}, {95, 21, -1, 3, 0, 4},
      {0, 23, -1, 2, 1, 4},  {0, 22, -1, 1, 1, 4},   {0, 11, -1, 1, 3, 4},  {7, 10, 20, 11, 3, 9},
      {7, 23, 20, 2, 1, 4},
  };
  for (const Row& r : rows) {
    MatchObjects[4].action = r.action;
    RecordGoal(0, 2, 9, 4, r.ownGoal, STATE_GOAL, r.distance);
    const GoalRecord& g = GetGoalRecord(0, 2);
    EXPECT_EQ(g.kind, r.kind) << r.action << " " << r.distance;
    EXPECT_EQ(g.area, r.area) << r.action << " " << r.distance;
    EXPECT_EQ(g.scorer, r.scorer) << r.action << " " << r.distance;
  }
  // No scorer named: the fallback, and the fallback's action.
  MatchObjects[9].action = 60;
  RecordGoal(1, -1, 9, -1, -1, STATE_GOAL, 5);
  EXPECT_EQ(GetGoalRecord(1, 0).scorer, 9);
  EXPECT_EQ(GetGoalRecord(1, 0).kind, 3);
}

TEST_F(MatchResultTest, CardsAppendPerSideAndStopAtTwenty) {
  // Three booked once and one sent off: the next record is the fifth.
  Card(1, 1, 600);
  Card(2, 1, 700);
  Card(3, 1, 800);
  Card(4, 0, 900, true);
  Card(17, 1, 1000);  // the other side's first
  EXPECT_EQ(GetCardRecordCount(0), 4);
  EXPECT_EQ(GetCardRecordCount(1), 1);
  // A second booking is a new record of kind 3; the first stays.
  Card(2, 2, 4000);
  ASSERT_EQ(GetCardRecordCount(0), 5);
  EXPECT_EQ(CARD_OBJECT(GetCardRecord(0, 1)), 2);
  EXPECT_EQ(CARD_KIND(GetCardRecord(0, 1)), 1);
  EXPECT_EQ(CARD_MINUTE(GetCardRecord(0, 1)), 11);
  EXPECT_EQ(CARD_OBJECT(GetCardRecord(0, 4)), 2);
  EXPECT_EQ(CARD_KIND(GetCardRecord(0, 4)), 3);
  EXPECT_EQ(CARD_MINUTE(GetCardRecord(0, 4)), 46);  // capped in the first half
  EXPECT_EQ(CARD_KIND(GetCardRecord(0, 3)), 3);
  EXPECT_EQ(CARD_OBJECT(GetCardRecord(1, 0)), 17);
  for (int i = 0; i < 30; ++i) Card(5, 1, 100);
  EXPECT_EQ(GetCardRecordCount(0), MAX_CARD_RECORDS);
  EXPECT_EQ(CARD_OBJECT(GetCardRecord(0, 4)), 2);
  EXPECT_EQ(GetCardRecordCount(1), 1);
  MatchResults_ClearTables();
  EXPECT_EQ(GetCardRecordCount(0), 0);
}

// A minute alone does not tell the period: the 45th is in either half, the
// 90th in the second half or in extra time. The log keeps the period of each event.
TEST_F(MatchResultTest, TheLogKeepsThePeriodOfEachEvent) {
  period = 1;
  Goal(0, 9, 45 * 60 + 30);
  Card(18, 2, 45 * 60 + 40, true);
  period = 2;
  Goal(1, 20, 90 * 60 + 20);
  CompileMatchResult();
  struct LogRow {
    int kind, period, minute;
  };
  const LogRow log[] = {{LOG_GOAL, 1, 45}, {LOG_GOAL, 2, 90}, {LOG_RED, 1, 45}};
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(Log(n)[MATCH_LOG_KIND], log[n].kind) << n;
    EXPECT_EQ(LoadI16(Log(n) + MATCH_LOG_PERIOD), log[n].period) << n;
    EXPECT_EQ(LoadI16(Log(n) + MATCH_LOG_MINUTE), log[n].minute) << n;
  }
  EXPECT_EQ(Log(3)[MATCH_LOG_KIND], MATCH_LOG_END);
}

TEST_F(MatchResultTest, CompiledResultFromTheGoalAndCardTables) {
  period = 0;
  Goal(0, 9, 0);                  // minute 1
  Goal(1, 20, 30 * 60, 50, 15);   // a volley from outside the area
  period = 1;
  Goal(0, 10, 93 * 60, 60, 25);   // minute 91
  Card(18, 1, 50 * 60);
  Card(18, 2, 80 * 60);           // his second booking
  MatchObjects[18].sentOff = 1;
  Card(5, 1, 70 * 60);
  Card(6, 0, 75 * 60, true);
  MatchObjects[9].shots = 4, MatchObjects[9].shotsOnTarget = 2;
  MatchObjects[10].shots = 1, MatchObjects[10].shotsOnTarget = 1;
  MatchObjects[20].shots = 3, MatchObjects[20].shotsOnTarget = 1;
  SideCorners[0] = 7, SideCorners[1] = 2;
  SideFouls[1] = 11;
  SidePossession[0] = 0x12345;
  MatchObjects[9].goals = 1;  // his goal makes him the man of the match
  RatingFlag = 1;
  CompileMatchResult();

  // Side 0: two goals, the list ends after them.
  EXPECT_EQ(TeamI16(0, TEAM_GOAL_LIST + 0 * 8 + GOAL_ENTRY_SCORER), 1009);
  EXPECT_EQ(Team(0)[TEAM_GOAL_LIST + 0 * 8 + GOAL_ENTRY_MINUTE], 1);
  EXPECT_EQ(Team(0)[TEAM_GOAL_LIST + 0 * 8 + GOAL_ENTRY_PACKED], GoalTypeCode(1) | 3 << 5);
  EXPECT_EQ(TeamI16(0, TEAM_GOAL_LIST + 1 * 8 + GOAL_ENTRY_SCORER), 1010);
  EXPECT_EQ(Team(0)[TEAM_GOAL_LIST + 1 * 8 + GOAL_ENTRY_MINUTE], 91);
  EXPECT_EQ(Team(0)[TEAM_GOAL_LIST + 1 * 8 + GOAL_ENTRY_PACKED], GoalTypeCode(3) | 1 << 5);
  EXPECT_EQ(TeamI16(0, TEAM_GOAL_LIST + 2 * 8), -1);
  EXPECT_EQ(TeamI16(1, TEAM_GOAL_LIST + 0 * 8), 1020);
  EXPECT_EQ(Team(1)[TEAM_GOAL_LIST + GOAL_ENTRY_MINUTE], 30);
  EXPECT_EQ(Team(1)[TEAM_GOAL_LIST + GOAL_ENTRY_PACKED], GoalTypeCode(5) | 0 << 5 | 1 << 7);
  EXPECT_EQ(TeamI16(1, TEAM_GOAL_LIST + 1 * 8), -1);

  // Cards: side 0 a booking at 70 and a sending-off at 75; side 1 the two bookings of one player.
  const uint8_t cards0[6] = {70, 1, 75, 3, 0xFF, 0xFF};
  const uint8_t cards1[6] = {50, 1, 80, 3, 0xFF, 0xFF};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(Team(0)[TEAM_CARD_LIST + i], cards0[i]) << i;
    EXPECT_EQ(Team(1)[TEAM_CARD_LIST + i], cards1[i]) << i;
  }
  EXPECT_EQ(Team(0)[TEAM_CARD_LIST + 39], 0xFF);

  struct Row {
    int side, offset, expected;
  };
  const Row rows[] = {
      {0, TEAM_SHOTS_ON, 3},      {0, TEAM_SHOTS_OFF, 2},     {1, TEAM_SHOTS_ON, 1},    {1, TEAM_SHOTS_OFF, 2},
      {0, TEAM_CORNERS, 7},       {1, TEAM_FOULS, 11},        {0, TEAM_POSSESSION_LOW, 0x2345},
      {0, TEAM_CORNERS_COPY, 7},  {0, TEAM_SHOTS_ON_COPY, 3}, {0, TEAM_SHOTS_OFF_COPY, 2},
      {0, TEAM_BOOKED, 1},        {0, TEAM_SENT_OFF, 1},      {1, TEAM_BOOKED, 0},      {1, TEAM_SENT_OFF, 1},
      {0, TEAM_OPP_CORNERS, 2},   {0, TEAM_OPP_SHOTS_ON, 1},  {0, TEAM_OPP_SHOTS_OFF, 2},
      {0, TEAM_OPP_BOOKED, 0},    {0, TEAM_OPP_SENT_OFF, 1},  {1, TEAM_OPP_CORNERS, 7}, {1, TEAM_OPP_BOOKED, 1},
      {0, TEAM_MAN_OF_MATCH, 1009}, {1, TEAM_MAN_OF_MATCH, -1},
  };
  for (const Row& r : rows) EXPECT_EQ(TeamI16(r.side, r.offset), r.expected) << r.side << " " << r.offset;

  // The log: side 0's goals, side 0's sending-off, side 1's goal, side 1's sending-off, the end.
  struct LogRow {
    int kind, period, minute, side, first, second;
  };
  const LogRow log[] = {
      {LOG_GOAL, 0, 1, 0, 9, GoalTypeCode(1)}, {LOG_GOAL, 1, 91, 0, 10, GoalTypeCode(3)},
      {LOG_RED, 1, 75, 0, 1006, 0},            {LOG_GOAL, 0, 30, 1, 20, GoalTypeCode(5)},
      {LOG_RED, 1, 80, 1, 1018, 0},
  };
  for (int n = 0; n < 5; ++n) {
    const uint8_t* e = Log(n);
    EXPECT_EQ(e[MATCH_LOG_KIND], log[n].kind) << n;
    EXPECT_EQ(LoadI16(e + MATCH_LOG_PERIOD), log[n].period) << n;
    EXPECT_EQ(LoadI16(e + MATCH_LOG_MINUTE), log[n].minute) << n;
    EXPECT_EQ(LoadI16(e + MATCH_LOG_SIDE), log[n].side) << n;
    EXPECT_EQ(LoadI16(e + MATCH_LOG_FIRST), log[n].first) << n;
    EXPECT_EQ(LoadI16(e + MATCH_LOG_SECOND), log[n].second) << n;
  }
  EXPECT_EQ(Log(5)[MATCH_LOG_KIND], MATCH_LOG_END);
  EXPECT_EQ(MatchLogCount, 5);
}

TEST_F(MatchResultTest, PastTwentyGoalsTheTablesHoldAndTheScoreCountsOn) {
  for (int i = 0; i < 23; ++i) Goal(0, 9 + i % 2, 60 * (i + 1));
  Card(17, 1, 100);
  CompileMatchResult();
  EXPECT_EQ(Score[0], 23);
  EXPECT_EQ(GetGoalRecord(0, 19).minute, 20);
  for (int n = 0; n < GOAL_LIST_GOALS; ++n)
    EXPECT_EQ(TeamI16(0, TEAM_GOAL_LIST + n * 8), 1009 + n % 2) << n;
  EXPECT_EQ(TeamI16(0, TEAM_GOAL_LIST + 19 * 8), -1);
  // The card list behind the goal list is whole.
  EXPECT_EQ(Team(0)[TEAM_CARD_LIST], 0xFF);
  EXPECT_EQ(Team(1)[TEAM_CARD_LIST], 1);
  // The log: 20 goals of side 0, then side 1 has no sending-off.
  EXPECT_EQ(MatchLogCount, 20);
  EXPECT_EQ(Log(19)[MATCH_LOG_KIND], LOG_GOAL);
  EXPECT_EQ(Log(20)[MATCH_LOG_KIND], MATCH_LOG_END);
}

TEST_F(MatchResultTest, ManOfTheMatchTieBreak) {
  // Everyone rates 65: the score decides. Three goals or more count 100 each,
  // an assist 50; on equal scores the first in side and slot order.
  struct Row {
    int16_t goals20, assists7;
    int side, player;
  };
  const Row rows[] = {{0, 0, 0, 0}, {0, 1, 0, 7}, {3, 1, 1, 4}, {2, 0, 0, 0}};
  for (const Row& r : rows) {
    ResetAllModules();
    SetUp();
    // Goals and assists count in the rating too: balance them with own goals
    // (-4 each) and statistic 38 (-2 each) so the ratings stay level.
    MatchObjects[20].goals = r.goals20;
    MatchObjects[20].ownGoals = static_cast<int16_t>(2 * r.goals20);
    MatchObjects[7].assists = r.assists7;
    MatchObjects[7].stat38 = r.assists7;
    ASSERT_EQ(Football_CalcPlayerRating(1, 20), 65);
    ASSERT_EQ(Football_CalcPlayerRating(1, 7), 65);
    int side = -2, player = -2;
    ChooseManOfTheMatch(&side, &player);
    EXPECT_EQ(side, r.side) << r.goals20 << " " << r.assists7;
    EXPECT_EQ(player, r.player) << r.goals20 << " " << r.assists7;
    EXPECT_EQ(MatchObjects[side * 16 + player].rating, 66);
    EXPECT_EQ(MatchObjects[(side * 16 + player + 1) % 32].rating, 65);
  }
}

TEST_F(MatchResultTest, ManOfTheMatchIsTheBestRatedAndNobodyWhenNoOnePlayed) {
  MatchObjects[22].goals = 1;
  int side, player;
  ChooseManOfTheMatch(&side, &player);
  EXPECT_EQ(side, 1);
  EXPECT_EQ(player, 6);
  EXPECT_EQ(MatchObjects[22].rating, 74);
  // A substitute (object 11-15) is not considered.
  MatchObjects[13].rating = 50, MatchObjects[13].playedOutfield = 1, MatchObjects[13].goals = 9;
  ChooseManOfTheMatch(&side, &player);
  EXPECT_EQ(player, 6);
  for (auto& o : MatchObjects) o.playedOutfield = 0, o.playedInGoal = 0;
  ChooseManOfTheMatch(&side, &player);
  EXPECT_EQ(side, -1);
  EXPECT_EQ(player, -1);
  CompileMatchResult();
  EXPECT_EQ(TeamI16(0, TEAM_MAN_OF_MATCH), -1);
  EXPECT_EQ(TeamI16(1, TEAM_MAN_OF_MATCH), -1);
}

TEST_F(MatchResultTest, HeatMapsCountZonesAlongFromYAndAcrossFromX) {
  SetPitchGeometry();
  uint8_t* result = GetMatchResultRecord();
  auto cell = [&](int map, int along, int across) { return LoadI32(result + HeatCellOffset(map, along, across)); };
  struct Row {
    int8_t period;
    int16_t x, y;
    int along, across;
  };
  // Along: (y - 122) x 15 / 1920; across: (x - 156) x 18 / 1280.
  const Row rows[] = {
      {0, 156, 122, 0, 0},    {0, 1436, 2042, 14, 17}, {0, 100, 50, 0, 0},  {0, 796, 1082, 7, 9},
      {0, 1500, 2100, 14, 17}, {1, 156, 122, 14, 17},  {3, 796, 1082, 7, 8}, {2, 300, 500, 2, 2},
  };
  for (const Row& r : rows) {
    MatchResults_ClearTables();
    ClearHeatMaps();
    period = r.period;
    MatchObjects[5].motion = 0;
    MatchObjects[5].x = r.x, MatchObjects[5].y = r.y;
    ballX = r.x, ballY = r.y;
    PossessionSide = 1;
    UpdateHeatMaps(result);
    EXPECT_EQ(cell(5, r.along, r.across), 1) << int(r.period) << " " << r.x << "," << r.y;
    // The ball's map is never mirrored.
    const bool mirrored = r.period == 1 || r.period == 3;
    const int ballAlong = mirrored ? 14 - r.along : r.along, ballAcross = mirrored ? 17 - r.across : r.across;
    EXPECT_EQ(cell(HEAT_BALL_MAP + 1, ballAlong, ballAcross), 1) << int(r.period);
    EXPECT_EQ(cell(HEAT_BALL_MAP, ballAlong, ballAcross), 0);
    EXPECT_EQ(cell(6, r.along, r.across), 0);  // no motion, no count
  }
  // Only open play counts.
  ClearHeatMaps();
  MatchState = STATE_CORNER;
  UpdateHeatMaps(result);
  EXPECT_EQ(cell(HEAT_BALL_MAP + 1, 2, 2), 0);
}

TEST_F(MatchResultTest, TheLiveLogStopsAt199Entries) {
  uint8_t* result = GetMatchResultRecord();
  result[MATCH_BALANCE] = 0x77;
  for (int i = 0; i < 250; ++i) AddMatchLogEntry(LOG_YELLOW, 0, i, i % 2, i, -i);
  EXPECT_EQ(MatchLogCount, MATCH_LOG_LIVE_LIMIT);
  EXPECT_EQ(LoadI16(Log(198) + MATCH_LOG_MINUTE), 198);
  EXPECT_EQ(LoadI16(Log(198) + MATCH_LOG_SECOND), -198);
  EXPECT_EQ(Log(199)[MATCH_LOG_KIND], MATCH_LOG_END);
  EXPECT_EQ(result[MATCH_BALANCE], 0x77);
}

TEST_F(MatchResultTest, TheRewrittenLogHoldsEveryRecordedGoalAndSendingOff) {
  Score[0] = 20, Score[1] = 20;
  for (int i = 0; i < 20; ++i) {
    RecordGoal(0, i, 3, 3, -1, STATE_GOAL, 5);
    RecordGoal(1, i, 19, 19, -1, STATE_GOAL, 5);
  }
  for (int i = 0; i < 20; ++i) Card(i % 11, 2, 60);
  for (int i = 0; i < 20; ++i) Card(16 + i % 11, 2, 60);
  CompileMatchResult();
  EXPECT_EQ(MatchLogCount, 80);
  EXPECT_EQ(Log(80)[MATCH_LOG_KIND], MATCH_LOG_END);
}

}  // namespace
