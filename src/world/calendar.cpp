#include "world/calendar.h"

#include "engine/rand.h"
#include "engine/reset.h"
#include "season/calendar_step.h"
#include "season/progress.h"
#include "season/seasonstate.h"

DailySlotRecord DailySlots[NUM_OFFICIALS];

namespace {

int MonthLength(int month, int year) { return Calendar_MonthLength(static_cast<int16_t>(month), static_cast<int16_t>(year)); }

// Four years and a day reach every date that exists, 29 February included.
constexpr int kMaxCalendarSteps = 4 * 366 + 1;

}  // namespace

int16_t Calendar_DayOfYear(int16_t dayOfMonth, int16_t month) {
  int day = DayOfMonth;
  int mon = Month;
  int year = Year;
  int dayOfSeason = DayOfSeason;
  for (int steps = 0; steps <= kMaxCalendarSteps; ++steps) {
    if (day == dayOfMonth && mon == month) return static_cast<int16_t>(dayOfSeason);
    // Today's month out of range (a damaged calendar) has no length: no date follows.
    if (mon < 0 || mon > 11) return -1;
    if (day < MonthLength(mon, year)) {
      ++day;
    } else {
      day = 1;
      if (++mon > 11) {
        mon = 0;
        ++year;
      }
    }
    dayOfSeason = dayOfSeason >= 365 ? 0 : dayOfSeason + 1;
  }
  return -1;
}

int16_t Season_GetWindowEndDay() { return DeadlineDay3; }

void ProgressBar_Reset() {
  ProgressWords.total = -1;
  ProgressWords.step = -1;
}

int16_t DailySlot_TakeRandom() {
  for (int draw = 0; draw < NUM_OFFICIALS; ++draw) {
    int r = GameRandom() % NUM_OFFICIALS;
    if (!DailySlots[r].taken) {
      DailySlots[r].taken = 1;
      return static_cast<int16_t>(r);
    }
  }
  return 0;
}

void DailySlot_ClearAll() {
  for (DailySlotRecord& slot : DailySlots) slot.taken = 0;
}

void DailySlots_Reset() {
  for (int i = 0; i < NUM_OFFICIALS; ++i) DailySlots[i] = OfficialTable[i];
}

REGISTER_RESET(RESET_WORLD, DailySlots_Reset);

namespace {
// The pool holds the official table from the start (the table is constant data, ready before this runs).
[[maybe_unused]] const int gDailySlotsAtStart = (DailySlots_Reset(), 0);
}  // namespace
