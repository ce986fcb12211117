// The match officials: a pool of 100 referees, one drawn for each match of
// the day (DailySlot_TakeRandom); a referee stands in a day's pool once.
#pragma once

#include <cstdint>

constexpr int NUM_OFFICIALS = 100;

// The first three bytes go into the match set-up header (+9, +10, +11),
// which the match reads as signed bytes: every value stays within 0-127.
struct DailySlotRecord {
  uint8_t foulValue;     // a challenge is judged a foul when rand() % 200 is below it
  uint8_t cardValue;     // a foul earns a card when rand() % 300 is below it
  uint8_t favouredSide;  // 1 favours the home side, 2 the away side, 0 neither
  uint8_t taken;         // taken today (always 0 here)
};

extern const DailySlotRecord OfficialTable[NUM_OFFICIALS];
