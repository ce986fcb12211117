#include "world/calendar.h"

#include <vector>

#include "engine/rand.h"
#include "engine/reset.h"
#include "season/progress.h"
#include "season/seasonstate.h"
#include "support/engine_fixture.h"

namespace {

class CalendarTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SeasonState_Reset();  // 10 July 1999, day 0 of the season
  }
  void TearDown() override {
    SeasonState_Reset();
    EngineTest::TearDown();
  }
  static void Today(int dayOfSeason, int dayOfMonth, int month, int year) {
    DayOfSeason = static_cast<int16_t>(dayOfSeason);
    DayOfMonth = static_cast<int16_t>(dayOfMonth);
    Month = static_cast<int16_t>(month);
    Year = static_cast<int16_t>(year);
  }
};

struct DateCase {
  const char* what;
  int dayOfMonth, month;
  int expected;
};

TEST_F(CalendarTest, DaysOfTheFirstSeasonFromTenthJuly1999) {
  const DateCase cases[] = {
      {"today", 10, 6, 0},
      {"tomorrow, Sunday 11 July", 11, 6, 1},
      {"the end of July", 31, 6, 21},
      {"over the month end", 1, 7, 22},
      {"31 August", 31, 7, 52},
      {"1 September", 1, 8, 53},
      {"30 September", 30, 8, 82},
      {"1 October", 1, 9, 83},
      {"31 December", 31, 11, 174},
      {"over the year end", 1, 0, 175},
      {"31 January 2000", 31, 0, 205},
      {"29 February 2000, a leap year", 29, 1, 234},
      {"1 March 2000", 1, 2, 235},
      {"30 June 2000", 30, 5, 356},
      {"9 July 2000, the last day of a leap season", 9, 6, 365},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Calendar_DayOfYear(static_cast<int16_t>(c.dayOfMonth), static_cast<int16_t>(c.month)), c.expected);
  }
  // The calendar itself is not moved.
  EXPECT_EQ(DayOfMonth, 10);
  EXPECT_EQ(Month, 6);
  EXPECT_EQ(Year, 1999);
  EXPECT_EQ(DayOfSeason, 0);
}

TEST_F(CalendarTest, TwentyNinthFebruaryOnlyInYearsDivisibleByFour) {
  Today(0, 10, 6, 2000);  // the season of February 2001
  EXPECT_EQ(Calendar_DayOfYear(28, 1), 233);
  EXPECT_EQ(Calendar_DayOfYear(1, 2), 234);  // 28 February 2001 is followed by 1 March
  // 29 February next comes in 2004: 1,329 days on, counted round the season's days 0-365.
  EXPECT_EQ(Calendar_DayOfYear(29, 1), 1329 % 366);
  Today(0, 10, 6, 2003);
  EXPECT_EQ(Calendar_DayOfYear(29, 1), 234);
  Today(0, 10, 6, 2099);  // the rule is the year divisible by four, 2100 included
  EXPECT_EQ(Calendar_DayOfYear(1, 2), 235);
}

TEST_F(CalendarTest, ADatePassedThisYearWrapsThroughDay365ToZero) {
  Today(200, 26, 0, 2000);  // 26 January 2000
  // 1 January 2001 is 341 days on: day 200 counts to 365, then 0 and on.
  EXPECT_EQ(Calendar_DayOfYear(1, 0), (200 + 341) - 366);
  EXPECT_EQ(Calendar_DayOfYear(25, 0), (200 + 365) - 366);
  EXPECT_EQ(Calendar_DayOfYear(26, 0), 200);
  EXPECT_EQ(Calendar_DayOfYear(27, 0), 201);
  // The day count wraps after 365 even where a season skips it.
  Today(364, 9, 6, 2001);
  EXPECT_EQ(Calendar_DayOfYear(10, 6), 365);
  EXPECT_EQ(Calendar_DayOfYear(11, 6), 0);
}

TEST_F(CalendarTest, ADateThatNeverComesAnswersMinusOne) {
  for (auto [day, month] : {std::pair{30, 1}, {31, 3}, {32, 0}, {0, 5}, {1, 12}, {1, -1}}) {
    SCOPED_TRACE(testing::Message() << day << "/" << month);
    EXPECT_EQ(Calendar_DayOfYear(static_cast<int16_t>(day), static_cast<int16_t>(month)), -1);
  }
}

TEST_F(CalendarTest, WindowEndDayAndProgressWords) {
  DeadlineDay3 = 247;
  EXPECT_EQ(Season_GetWindowEndDay(), 247);
  ProgressWords = {19, 5};
  ProgressBar_Reset();
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
}

// The draws TakeRandom will make from a seed.
std::vector<int> Draws(uint32_t seed, int count) {
  GameSeedRandom(seed);
  std::vector<int> draws;
  for (int i = 0; i < count; ++i) draws.push_back(GameRandom() % NUM_OFFICIALS);
  GameSeedRandom(seed);
  return draws;
}

TEST_F(CalendarTest, TakeRandomTakesTheFirstFreeDrawnOfficial) {
  const std::vector<int> draws = Draws(1234, 3);
  EXPECT_EQ(DailySlot_TakeRandom(), draws[0]);
  EXPECT_EQ(DailySlots[draws[0]].taken, 1);
  EXPECT_EQ(DailySlots[draws[0]].foulValue, OfficialTable[draws[0]].foulValue);
  EXPECT_EQ(DailySlots[draws[0]].cardValue, OfficialTable[draws[0]].cardValue);

  // A taken official is drawn past.
  const std::vector<int> next = Draws(99, 3);
  for (DailySlotRecord& slot : DailySlots) slot.taken = 0;
  DailySlots[next[0]].taken = 1;
  int expected = next[1] == next[0] ? next[2] : next[1];
  EXPECT_EQ(DailySlot_TakeRandom(), expected);
}

TEST_F(CalendarTest, AHundredTakenDrawsAnswerZero) {
  // Every official taken: exactly 100 draws, then 0, although official 0 is taken too.
  for (DailySlotRecord& slot : DailySlots) slot.taken = 1;
  GameSeedRandom(7);
  for (int i = 0; i < 100; ++i) GameRandom();
  const int afterHundred = GameRandom();
  GameSeedRandom(7);
  EXPECT_EQ(DailySlot_TakeRandom(), 0);
  EXPECT_EQ(GameRandom(), afterHundred);

  // Only one official free: found when one of the 100 draws meets him ...
  const std::vector<int> draws = Draws(42, 100);
  const int drawn60th = draws[60];
  DailySlots[drawn60th].taken = 0;
  EXPECT_EQ(DailySlot_TakeRandom(), drawn60th);
  EXPECT_EQ(DailySlots[drawn60th].taken, 1);

  // ... else 0, and he stays free.
  std::vector<bool> met(NUM_OFFICIALS, false);
  for (int d : Draws(42, 100)) met[d] = true;
  int never = NUM_OFFICIALS - 1;
  while (never > 0 && met[never]) --never;
  ASSERT_GT(never, 0) << "100 draws met every official but 0";
  DailySlots[never].taken = 0;
  EXPECT_EQ(DailySlot_TakeRandom(), 0);
  EXPECT_EQ(DailySlots[never].taken, 0);
  EXPECT_EQ(DailySlots[0].taken, 1);
}

TEST_F(CalendarTest, ClearAllAndResetFreeEveryOfficial) {
  for (DailySlotRecord& slot : DailySlots) slot.taken = 1;
  DailySlot_ClearAll();
  for (int i = 0; i < NUM_OFFICIALS; ++i) {
    EXPECT_EQ(DailySlots[i].taken, 0);
    EXPECT_EQ(DailySlots[i].foulValue, OfficialTable[i].foulValue);
    EXPECT_EQ(DailySlots[i].favouredSide, OfficialTable[i].favouredSide);
  }
  DailySlots[3].taken = 1;
  DailySlots[4].foulValue = 0;
  ProgressWords = {19, 3};
  ResetAllModules();
  EXPECT_EQ(DailySlots[3].taken, 0);
  EXPECT_EQ(DailySlots[4].foulValue, OfficialTable[4].foulValue);
  EXPECT_EQ(ProgressWords.total, -1);
  EXPECT_EQ(ProgressWords.step, -1);
}

}  // namespace
