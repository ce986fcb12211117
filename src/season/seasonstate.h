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
extern int16_t FirstMatchDay;        // day of the first league matchday (fixture generation sets it)
extern int16_t Postdate;             // day of the last league matchday; the season ends on it
extern int16_t DaysSinceFirstMatch;  // days after FirstMatchDay, 0 at the season start
extern int16_t MonthCounter;         // month slot 0-11 under which the clubs' monthly league places are kept
// The transfer deadlines and the days the market opens again after each
// (fixture generation sets them); DeadlineDay3 is the season's last deadline.
extern int16_t DeadlineDay1, DeadlineDay2, DeadlineDay3;
extern int16_t WindowOpenDay1, WindowOpenDay2, WindowOpenDay3;
extern int16_t DivisionSize;         // clubs of the division whose fixtures are being made
extern int8_t GameCountry;     // the country whose league the user plays in, 0-8
extern int16_t PlayerCount;    // full player records
extern uint8_t MoneyRate1;
extern uint8_t InterestRate;   // percent on overdrawn balances
extern uint8_t MoneyRate2;

// The first day of a new game in England: 10 July 1999, nothing played yet.
void SeasonState_Reset();
