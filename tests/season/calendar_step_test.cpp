#include "season/calendar_step.h"

#include "season/seasonstate.h"
#include "support/engine_fixture.h"

namespace {

class CalendarStepTest : public EngineTest {};

TEST_F(CalendarStepTest, ADayStepMovesTheDateAndSaysWhatItCrossed) {
  struct Case {
    const char* what;
    CalendarDate from, to;
    int crossed;
  };
  const Case cases[] = {
      {"a day within a month", {0, 10, 6, 1999}, {1, 11, 6, 1999}, 0},
      {"a new week", {6, 16, 6, 1999}, {0, 17, 6, 1999}, CALENDAR_NEW_WEEK},
      {"a month end", {2, 31, 6, 1999}, {3, 1, 7, 1999}, CALENDAR_NEW_MONTH},
      {"a 30-day month", {2, 30, 8, 1999}, {3, 1, 9, 1999}, CALENDAR_NEW_MONTH},
      {"week and month together", {6, 31, 9, 1999}, {0, 1, 10, 1999}, CALENDAR_NEW_WEEK | CALENDAR_NEW_MONTH},
      {"the year end", {5, 31, 11, 1999}, {6, 1, 0, 2000}, CALENDAR_NEW_MONTH},
      {"28 February of a leap year", {1, 28, 1, 2000}, {2, 29, 1, 2000}, 0},
      {"29 February", {2, 29, 1, 2000}, {3, 1, 2, 2000}, CALENDAR_NEW_MONTH},
      {"28 February of another year", {1, 28, 1, 1999}, {2, 1, 2, 1999}, CALENDAR_NEW_MONTH},
      {"a weekday out of range wraps", {9, 3, 3, 2001}, {0, 4, 3, 2001}, CALENDAR_NEW_WEEK},
      {"a month out of range ends on the 31st", {1, 31, 14, 2001}, {2, 1, 0, 2002}, CALENDAR_NEW_MONTH},
  };
  for (const Case& c : cases) {
    CalendarDate date = c.from;
    EXPECT_EQ(Calendar_StepDate(date), c.crossed) << c.what;
    EXPECT_EQ(date.weekday, c.to.weekday) << c.what;
    EXPECT_EQ(date.dayOfMonth, c.to.dayOfMonth) << c.what;
    EXPECT_EQ(date.month, c.to.month) << c.what;
    EXPECT_EQ(date.year, c.to.year) << c.what;
  }
  EXPECT_EQ(Calendar_MonthLength(1, 2004), 29);
  EXPECT_EQ(Calendar_MonthLength(1, 2003), 28);
  EXPECT_EQ(Calendar_MonthLength(-1, 2003), 31);
  EXPECT_EQ(Calendar_MonthLength(12, 2003), 31);
}

TEST_F(CalendarStepTest, TheCountersStepTheSeasonStateDateButNotTheDayOfTheSeason) {
  SeasonState_Reset();  // Saturday 10 July 1999, weekday 0
  int weeks = 0, months = 0;
  for (int day = 0; day < 366; ++day) {
    const int crossed = AdvanceDayCounters();
    weeks += (crossed & CALENDAR_NEW_WEEK) != 0;
    months += (crossed & CALENDAR_NEW_MONTH) != 0;
  }
  // A leap season: Monday 10 July 2000.
  EXPECT_EQ(DayOfSeason, 0);
  EXPECT_EQ(DayOfMonth, 10);
  EXPECT_EQ(Month, 6);
  EXPECT_EQ(Year, 2000);
  EXPECT_EQ(Weekday, 2);
  EXPECT_EQ(weeks, 52);
  EXPECT_EQ(months, 12);
}

TEST_F(CalendarStepTest, TheDateOfALaterDay) {
  SeasonState_Reset();
  CalendarDate christmas = Calendar_DateOfDay(168);
  EXPECT_EQ(christmas.dayOfMonth, 25);
  EXPECT_EQ(christmas.month, 11);
  EXPECT_EQ(christmas.weekday, 0);
  DayOfSeason = 100;  // an earlier day than today answers today's date
  CalendarDate today = Calendar_DateOfDay(40);
  EXPECT_EQ(today.dayOfMonth, 10);
  EXPECT_EQ(today.month, 6);
  // Far ahead stops a season on.
  DayOfSeason = 0;
  CalendarDate far = Calendar_DateOfDay(30000);
  EXPECT_EQ(far.year, 2000);
  EXPECT_EQ(far.month, 6);
  EXPECT_EQ(far.dayOfMonth, 10);
}

}  // namespace
