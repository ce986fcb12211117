// The calendar's day step: the date scalars of SeasonState moved on by one
// day, without any of the daily club simulation. Fixture generation and the
// pre-season days of a new game step the calendar this way; the full daily
// tick (ProcessDay) runs the same step and then its club steps.
#pragma once

#include <cstdint>

// A calendar date with its weekday (0-6, 0 the weekday of 10 July 1999).
struct CalendarDate {
  int16_t weekday;
  int16_t dayOfMonth;  // 1-31
  int16_t month;       // 0-11, 0 = January
  int16_t year;
};

// Days of months 0-11, January first, February with 28.
extern const int16_t DaysInMonth[12];

// Days of the month; February has 29 in years divisible by 4. A month outside
// 0-11 (a damaged calendar) counts 31 days.
int16_t Calendar_MonthLength(int16_t month, int16_t year);

// What a day step crossed.
constexpr int CALENDAR_NEW_WEEK = 1;   // the weekday wrapped to 0
constexpr int CALENDAR_NEW_MONTH = 2;  // the month ended (Month, and at a year end Year, moved on)

// Moves the date on by one day; answers the CALENDAR_ flags of what it crossed.
int Calendar_StepDate(CalendarDate& date);

// The SeasonState date (Weekday, DayOfMonth, Month, Year) on by one day.
// DayOfSeason is the caller's to move. Answers the CALENDAR_ flags.
int AdvanceDayCounters();

// Today's date from SeasonState, and the date of a later day of the season
// (day at or before today answers today's date).
CalendarDate Calendar_Today();
CalendarDate Calendar_DateOfDay(int32_t dayOfSeason);
