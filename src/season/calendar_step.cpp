#include "season/calendar_step.h"

#include "season/seasonstate.h"

const int16_t DaysInMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

namespace {

constexpr int16_t kLongestMonth = 31;
// A season has at most 366 days; a request further ahead stops there.
constexpr int32_t kMaxDaysAhead = 366;

}  // namespace

int16_t Calendar_MonthLength(int16_t month, int16_t year) {
  if (month < 0 || month > 11) return kLongestMonth;
  return static_cast<int16_t>(DaysInMonth[month] + (month == 1 && (year & 3) == 0 ? 1 : 0));
}

int Calendar_StepDate(CalendarDate& date) {
  int crossed = 0;
  if (++date.weekday > 6) {
    date.weekday = 0;
    crossed |= CALENDAR_NEW_WEEK;
  }
  if (date.dayOfMonth < Calendar_MonthLength(date.month, date.year)) {
    ++date.dayOfMonth;
    return crossed;
  }
  if (++date.month > 11) {
    date.month = 0;
    ++date.year;
  }
  date.dayOfMonth = 1;
  return crossed | CALENDAR_NEW_MONTH;
}

CalendarDate Calendar_Today() { return CalendarDate{Weekday, DayOfMonth, Month, Year}; }

int AdvanceDayCounters() {
  CalendarDate date = Calendar_Today();
  const int crossed = Calendar_StepDate(date);
  Weekday = date.weekday;
  DayOfMonth = date.dayOfMonth;
  Month = date.month;
  Year = date.year;
  return crossed;
}

CalendarDate Calendar_DateOfDay(int32_t dayOfSeason) {
  CalendarDate date = Calendar_Today();
  int32_t ahead = dayOfSeason - DayOfSeason;
  if (ahead > kMaxDaysAhead) ahead = kMaxDaysAhead;
  for (int32_t i = 0; i < ahead; ++i) Calendar_StepDate(date);
  return date;
}
