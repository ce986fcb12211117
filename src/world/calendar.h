// Calendar helpers of the world: the day of the season year on which a date
// next falls, the last transfer deadline, the progress bar's reset, and the
// daily pool of match officials.
#pragma once

#include <cstdint>

#include "world/static_officials.h"

// The day of the season year (0-365) on which the date (day of month 1-31,
// month 0-11) next falls, counting from today (SeasonState); today's own date
// answers today. The count steps one day at a time through month ends and
// years (29 February only in years divisible by 4), and the day of the season
// year wraps from 365 to 0. A date that never comes (30 February, month 12)
// answers -1.
int16_t Calendar_DayOfYear(int16_t dayOfMonth, int16_t month);

// The day of the season's last transfer deadline (DeadlineDay3).
int16_t Season_GetWindowEndDay();

// Hides the progress bar: both progress words -1.
void ProgressBar_Reset();

// Today's pool of match officials: one record per referee, copied from the
// official table, with a taken flag that is set when he is given a match.
extern DailySlotRecord DailySlots[NUM_OFFICIALS];

// Draws up to 100 times r = rand() % 100; the first draw whose record is free
// takes it and answers r. After 100 draws that met only taken records it
// answers 0 (whether or not record 0 is free).
int16_t DailySlot_TakeRandom();
// Every record free again (the day advance calls it each day).
void DailySlot_ClearAll();

// The pool as at program start: the official table, nobody taken.
void DailySlots_Reset();
