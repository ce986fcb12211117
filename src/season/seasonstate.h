// The season's calendar scalars, read by every part of the game. The day loop
// moves them on; the world's record setters read them to date-stamp records.
#pragma once

#include <cstdint>

extern int16_t DayOfSeason;    // 0 at the season start; 366 starts the next season
extern int16_t Weekday;        // 0-6, 0 the weekday of 10 July 1999
extern int16_t DayOfMonth;     // 1-31
extern int16_t Month;          // 0-11, 0 = January
extern int16_t Year;           // calendar year, 1999 in a new game
extern int16_t SeasonCounter;  // seasons completed since the new game
extern int16_t FirstMatchDay;  // day of the season's first league matchday (fixture generation sets it)
extern int16_t Postdate;       // day of the season's last league matchday, when the season ends
extern int16_t DaysSinceFirstMatch;  // days after FirstMatchDay, 0 at the season start
extern int16_t DeadlineDay3;   // day of the season's last transfer deadline (fixture generation sets it)
extern int8_t GameCountry;     // the country whose league the user plays in, 0-8
extern int16_t PlayerCount;    // full player records
extern uint8_t MoneyRate1;
extern uint8_t InterestRate;   // percent on overdrawn balances
extern uint8_t MoneyRate2;

// The first day of a new game in England: 10 July 1999, nothing played yet.
void SeasonState_Reset();
