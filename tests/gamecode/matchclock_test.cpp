#include "gamecode/matchclock.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "support/engine_fixture.h"

namespace {

std::vector<std::string> gEvents;  // "C<event>", "S<effect>"

// A period under way: both sides' starters on the pitch, the bench off, the
// ball on the centre spot in open play and the clock running.
class MatchClockTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gEvents.clear();
    SetPitchGeometry();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { gEvents.push_back("C" + std::to_string(event)); };
    MatchSeams.sfxPlay = [](int effect) { gEvents.push_back("S" + std::to_string(effect)); };
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const int object = side * SIDE_OBJECTS + place;
        SideSlots[side][place] = static_cast<int16_t>(object);
        MatchObjects[object].offPitch = place > 10 ? 1 : 0;
        MatchObjects[object].action = 3;
      }
    std::memset(GetMatchResultRecord() + MATCH_BALANCE, 0xFF, MATCH_BALANCE_MINUTES);
    period = 0;
    LowGoalSide = 0;
    StartPeriod(0, 3000);
  }
  static void StartPeriod(int p, int frames) {
    period = static_cast<int8_t>(p);
    StartPeriodClock(frames / 50);
    ClockRunning = 1;
    MatchState = STATE_OPEN_PLAY;
    ballX = 796;
    ballY = 1082;
  }
  // Ticks until the whistle or the limit; the number of ticks it took.
  static int TickToWhistle(int limit) {
    for (int n = 1; n <= limit; ++n) {
      MatchClockTick();
      if (MatchState == STATE_PERIOD_END) return n;
    }
    return -1;
  }
  static int Count(const std::string& event) {
    int n = 0;
    for (const std::string& e : gEvents) n += e == event;
    return n;
  }
};

// A half of length L lasts L x 3000 frames and a period of extra time L x
// 1000; the whistle comes once the added time is used up too.
TEST_F(MatchClockTest, PeriodsLastTheirLengthAndTheAddedTime) {
  struct Row {
    int period, length, added;
    int32_t frames;
  };
  const Row rows[] = {
      {0, 1, 0, 3000},  {1, 2, 0, 6000},  {2, 1, 0, 1000}, {3, 5, 0, 5000},
      {0, 1, 50, 3000}, {2, 3, 120, 3000},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.period * 100 + r.length);
    StartPeriod(r.period, r.period <= 1 ? r.length * 60 * 50 : r.length * 20 * 50);
    EXPECT_EQ(PeriodLengthFrames, r.frames);
    AddedTimeFrames = r.added;
    // Regular time, then the added time runs out (at least one frame of
    // it), then the whistle the next frame with the ball at halfway.
    const int expected = r.frames + (r.added > 0 ? r.added : 1) + 1;
    EXPECT_EQ(TickToWhistle(r.frames * 2), expected);
    EXPECT_EQ(PeriodFrames, r.frames);
    EXPECT_EQ(TimeUp, 1);
    EXPECT_EQ(ClockRunning, 0);
  }
}

TEST_F(MatchClockTest, AStoppedClockOrAShootOutCountsNothing) {
  for (int p : {0, 4}) {
    StartPeriod(p, 3000);
    if (p == 0) ClockRunning = 0;
    const int16_t before = ClockFrame;
    for (int n = 0; n < 10; ++n) MatchClockTick();
    EXPECT_EQ(PeriodFrames, 0);
    EXPECT_EQ(OpenPlayFrames, 0);
    EXPECT_EQ(ClockFrame, before + 10);
  }
}

// With time up the whistle waits for open play (or a goal) with the ball
// strictly within 200 of the halfway line.
TEST_F(MatchClockTest, TimeUpWaitsForTheBallNearHalfway) {
  struct Row {
    int16_t state;
    int ballY;
    bool whistle;
  };
  const Row rows[] = {
      {STATE_OPEN_PLAY, 300, false},  {STATE_OPEN_PLAY, 1900, false}, {STATE_OPEN_PLAY, 882, false},
      {STATE_OPEN_PLAY, 883, true},   {STATE_OPEN_PLAY, 1281, true},  {STATE_OPEN_PLAY, 1282, false},
      {STATE_GOAL, 1082, true},       {STATE_THROW_IN, 1082, false},  {STATE_STOPPAGE, 1000, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.ballY);
    StartPeriod(0, 100);
    ballY = 1700;  // in a penalty area when time runs out
    EXPECT_EQ(TickToWhistle(1000), -1);
    EXPECT_EQ(TimeUp, 1);
    MatchState = r.state;
    ballY = static_cast<int16_t>(r.ballY);
    MatchClockTick();
    EXPECT_EQ(MatchState == STATE_PERIOD_END, r.whistle);
  }
}

// Under the golden goal extra time ends in the frame a goal puts one side
// ahead on aggregate; a second leg level only on aggregate plays on.
TEST_F(MatchClockTest, GoldenGoalComparesTheAggregate) {
  struct Row {
    const char* name;
    int period, rule;
    int16_t score[2], firstLeg[2];
    int16_t state;
    bool ends;
  };
  const Row rows[] = {
      {"ahead in extra time", 2, 1, {2, 1}, {0, 0}, STATE_OPEN_PLAY, true},
      {"in the goal state", 3, 1, {0, 1}, {0, 0}, STATE_GOAL, true},
      {"level", 2, 1, {1, 1}, {0, 0}, STATE_OPEN_PLAY, false},
      {"level on aggregate only", 2, 1, {0, 2}, {2, 0}, STATE_OPEN_PLAY, false},
      {"ahead on aggregate only", 3, 1, {1, 1}, {0, 1}, STATE_OPEN_PLAY, true},
      {"no golden goal", 2, 0, {2, 1}, {0, 0}, STATE_OPEN_PLAY, false},
      {"not in extra time", 1, 1, {2, 1}, {0, 0}, STATE_OPEN_PLAY, false},
      {"a restart", 2, 1, {2, 1}, {0, 0}, STATE_CORNER, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    StartPeriod(r.period, 1000);
    ballY = 300;  // far from halfway
    MatchSilverGoalRule = static_cast<uint8_t>(r.rule);
    for (int s = 0; s < 2; ++s) {
      Score[s] = r.score[s];
      MatchFirstLegGoals[s] = r.firstLeg[s];
    }
    MatchState = r.state;
    MatchClockTick();
    EXPECT_EQ(MatchState == STATE_PERIOD_END, r.ends);
    EXPECT_EQ(PeriodFrames, r.ends ? 0 : 1);
  }
}

// A minute's balance of play is written when the next minute begins; in
// added time there is none to write.
TEST_F(MatchClockTest, TerritoryIsWrittenAtTheNextMinute) {
  for (int lowGoalSide : {0, 1}) {
    SCOPED_TRACE(lowGoalSide);
    std::memset(GetMatchResultRecord() + MATCH_BALANCE, 0xFF, MATCH_BALANCE_MINUTES);
    StartPeriod(1, 2700);  // 45 minutes in 2,700 frames: a minute is 60 frames
    LowGoalSide = static_cast<uint8_t>(lowGoalSide);
    const uint8_t* balance = GetMatchResultRecord() + MATCH_BALANCE;
    // 30 frames deep in the high half, 20 in midfield, 10 deep in the low half.
    for (int n = 0; n < 60; ++n) {
      ballY = static_cast<int16_t>(n < 30 ? 1555 : n < 50 ? 1554 : 609);
      MatchClockTick();
    }
    EXPECT_EQ(TerritoryMinute, 45);
    EXPECT_EQ(balance[45], 0xFF);
    const int expected = lowGoalSide == 0 ? 50 + 30 - 10 : 50 - 30 + 10;
    EXPECT_EQ(Territory, expected);
    ballY = 1082;
    MatchClockTick();
    EXPECT_EQ(balance[45], expected);
    EXPECT_EQ(TerritoryMinute, 46);
    EXPECT_EQ(Territory, 50);
  }
  // The value stays within 0-100.
  ballY = 1800;
  for (int n = 0; n < 59; ++n) MatchClockTick();
  EXPECT_EQ(Territory, 0);
  // The period's last minute is not written once the added time starts.
  std::memset(GetMatchResultRecord() + MATCH_BALANCE, 0xFF, MATCH_BALANCE_MINUTES);
  ballY = 1082;
  AddedTimeFrames = 100;
  while (PeriodFrames < PeriodLengthFrames) MatchClockTick();
  MatchClockTick();
  EXPECT_EQ(TerritoryMinute, -1);
  EXPECT_EQ(GetMatchResultRecord()[MATCH_BALANCE + 89], 0xFF);
  EXPECT_EQ(GetMatchResultRecord()[MATCH_BALANCE + 88], 50);
}

// Every frame of open play counts for the side in possession in the third of
// the pitch the ball was in at the start of the frame, named from the side's
// own direction of play, and on the flank third across.
TEST_F(MatchClockTest, PossessionIsCountedByThirds) {
  struct Row {
    uint8_t side;
    int16_t along;
    int third;
  };
  const Row rows[] = {
      {0, 762, THIRD_DEFENSIVE}, {0, 763, THIRD_MIDDLE}, {0, 1401, THIRD_MIDDLE}, {0, 1402, THIRD_ATTACKING},
      {1, 762, THIRD_ATTACKING}, {1, 1402, THIRD_DEFENSIVE}, {1, 1082, THIRD_MIDDLE},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.side * 10000 + r.along);
    StartPeriod(0, 3000);  // side 0 attacks y 2042
    PossessionSide = r.side;
    BallFramePos[0] = 200;  // near the low touch line
    BallFramePos[1] = r.along;
    ballY = 300;
    MatchClockTick();
    for (int t = 0; t < 3; ++t) EXPECT_EQ(ThirdFrames[r.side][t], t == r.third ? 1 : 0);
    EXPECT_EQ(ThirdFrames[1 - r.side][r.third], 0);
    EXPECT_EQ(SidePossession[r.side], 1);
    EXPECT_EQ(FlankFrames[r.side][r.side == 0 ? 2 : 0], 1);
    EXPECT_EQ(OpenPlayFrames, 1);
    // A stoppage counts no possession.
    MatchState = STATE_THROW_IN;
    MatchClockTick();
    EXPECT_EQ(OpenPlayFrames, 1);
    EXPECT_EQ(SidePossession[r.side], 1);
  }
}

// One player on the pitch who tires at every chance (the seed's rolls are
// all above his stamina of 0): one point of pace per 400 frames of open
// play, counted over stoppages and into the added time.
TEST_F(MatchClockTest, FatigueEvery400thFrameOfOpenPlay) {
  for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
  MatchObject& p = MatchObjects[5];
  p.offPitch = 0;
  SheetSkill(p, 0) = 100;  // pace
  SheetSkill(p, 1) = 0;    // stamina
  GameSeedRandom(11);
  StartPeriod(0, 1000);
  ballY = 300;
  auto run = [](int frames, int16_t state) {
    MatchState = state;
    for (int n = 0; n < frames; ++n) MatchClockTick();
  };
  run(250, STATE_OPEN_PLAY);
  run(300, STATE_THROW_IN);
  run(149, STATE_OPEN_PLAY);
  EXPECT_EQ(SheetSkill(p, 0), 100);
  run(1, STATE_OPEN_PLAY);
  EXPECT_EQ(SheetSkill(p, 0), 99);
  // Into the added time: still once per 400 frames of open play.
  AddedTimeFrames = 5000;
  run(1000, STATE_OPEN_PLAY);
  EXPECT_EQ(PeriodFrames, PeriodLengthFrames);
  EXPECT_EQ(TimeUp, 0);
  EXPECT_EQ(OpenPlayFrames, 1400);
  EXPECT_EQ(SheetSkill(p, 0), 97);  // at 800 and 1200
}

// Who tires: a roll of 0-199 above the player's stamina takes one point off
// each of the nine tiring skills that is 11 or more; nothing else changes.
TEST_F(MatchClockTest, FatigueTakesAPointFromTheTiringSkills) {
  const int tiring[] = {0, 1, 2, 3, 8, 9, 10, 11, 12};
  const int stamina[] = {0, 60, 120, 199};
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    MatchObject& o = MatchObjects[i];
    for (int k = 0; k < 22; ++k) SheetSkill(o, k) = static_cast<uint8_t>(k == 1 ? stamina[i % 4] : 10 + (i + k) % 3);
    SheetSkill(o, 13) = 50;  // not a tiring skill
  }
  MatchObject before[MATCH_PLAYERS];
  std::memcpy(before, MatchObjects, sizeof before);
  GameSeedRandom(5);
  std::vector<int> rolls;
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (MatchObjects[i].offPitch == 0) rolls.push_back(GameRandom() % 200);
  GameSeedRandom(5);
  UpdateFatigue();
  int next = 0, tired = 0, rested = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    SCOPED_TRACE(i);
    MatchObject& now = MatchObjects[i];
    MatchObject& was = before[i];
    const bool tires = now.offPitch == 0 && rolls[next++] > SheetSkill(was, 1);
    tired += tires;
    rested += now.offPitch == 0 && !tires;
    for (int k = 0; k < 22; ++k) {
      bool isTiring = false;
      for (int t : tiring) isTiring |= t == k;
      const int expected = SheetSkill(was, k) - (tires && isTiring && SheetSkill(was, k) >= 11 ? 1 : 0);
      EXPECT_EQ(SheetSkill(now, k), expected) << k;
    }
  }
  EXPECT_GT(tired, 0);
  EXPECT_GT(rested, 0);
}

// The whistle: the referee signals the end, the linesmen stand, everyone
// leaves, the clock stops; after the second half (and extra time) about half
// of the side ahead on aggregate celebrates.
TEST_F(MatchClockTest, EndOfPeriodAndTheLeadersCelebration) {
  struct Row {
    const char* name;
    int period;
    int16_t score[2], firstLeg[2];
    int leader;  // -1 none celebrates
  };
  const Row rows[] = {
      {"half time, a side ahead", 0, {2, 0}, {0, 0}, -1},
      {"full time, ahead", 1, {2, 1}, {0, 0}, 0},
      {"full time, ahead on the first leg's goals", 1, {1, 1}, {0, 1}, 1},
      {"full time, level on aggregate", 1, {1, 0}, {0, 1}, -1},
      {"after extra time", 3, {0, 1}, {0, 0}, 1},
      {"first period of extra time", 2, {0, 1}, {0, 0}, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    SetUp();
    GameSeedRandom(3);
    StartPeriod(r.period, 3000);
    for (int s = 0; s < 2; ++s) {
      Score[s] = r.score[s];
      MatchFirstLegGoals[s] = r.firstLeg[s];
      ActivePlayer[s] = static_cast<int16_t>(s * 16 + 4);
    }
    GoalScorer = -1;
    MatchStateTimer = 33;
    ballOutState = 2;
    MoversCount = 2;
    EndOfPeriod();
    EXPECT_EQ(MatchState, STATE_PERIOD_END);
    EXPECT_EQ(MatchStateTimer, 0);
    EXPECT_EQ(ballOutState, 0);
    const MatchObject& referee = MatchObjects[OBJECT_REFEREE];
    EXPECT_EQ(referee.action, OFFICIALS_SIGNAL);
    EXPECT_EQ(referee.actionArg, 3);   // the end-of-period signal
    EXPECT_EQ(+referee.actionArg2, 4);  // then his period-end action
    EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_NEAR].action, 5);
    EXPECT_EQ(MatchObjects[OBJECT_LINESMAN_FAR].action, 5);
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(MoversCount, 3);
    EXPECT_EQ(ActivePlayer[0], NO_ACTIVE_PLAYER);
    EXPECT_EQ(ActivePlayer[1], NO_ACTIVE_PLAYER);
    ASSERT_FALSE(gEvents.empty());
    EXPECT_EQ(gEvents[0], "S8");
    EXPECT_EQ(Count("C" + std::to_string(115 + r.period)), 1);
    int celebrating = 0;
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      const MatchObject& o = MatchObjects[i];
      if (o.action == 69) {
        ++celebrating;
        EXPECT_EQ(i / SIDE_OBJECTS, r.leader) << i;
        EXPECT_TRUE(o.actionArg2 == 0 || o.actionArg2 == 1) << i;
      } else {
        EXPECT_EQ(+o.action, 30) << i;
      }
    }
    EXPECT_EQ(Count("S28"), celebrating);
    if (r.leader < 0) {
      EXPECT_EQ(celebrating, 0);
      EXPECT_EQ(GoalScorer, -1);
    } else {
      EXPECT_GT(celebrating, 0);
      EXPECT_LT(celebrating, SIDE_OBJECTS);
      // The camera follows the last celebrating player on the pitch.
      int last = -1;
      for (int i = r.leader * SIDE_OBJECTS; i < (r.leader + 1) * SIDE_OBJECTS; ++i)
        if (MatchObjects[i].action == 69 && MatchObjects[i].offPitch == 0) last = i;
      EXPECT_EQ(GoalScorer, last);
    }
  }
}

// A period's start stops the clock and clears time up and the added time;
// the match's running counters start again only at the first kick-off.
TEST_F(MatchClockTest, StartPeriodClockStopsTheClock) {
  for (int p : {0, 1}) {
    SCOPED_TRACE(p);
    TotalFrames = 5000;
    OpenPlayFrames = 4000;
    ThirdFrames[1][2] = 9;
    TimeUp = 1;
    AddedTimeFrames = 40;
    ClockRunning = 1;
    PeriodOver = 1;
    period = static_cast<int8_t>(p);
    StartPeriodClock(60);
    EXPECT_EQ(PeriodLengthFrames, 3000);
    EXPECT_EQ(PeriodFrames, 0);
    EXPECT_EQ(PeriodOver, 0);
    EXPECT_EQ(TimeUp, 0);
    EXPECT_EQ(AddedTimeFrames, 0);
    EXPECT_EQ(ClockRunning, 0);
    EXPECT_EQ(TotalFrames, p == 0 ? 0 : 5000);
    EXPECT_EQ(OpenPlayFrames, p == 0 ? 0 : 4000);
    EXPECT_EQ(ThirdFrames[1][2], p == 0 ? 0 : 9);
  }
}

}  // namespace
