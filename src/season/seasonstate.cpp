#include "season/seasonstate.h"

#include "engine/reset.h"

int16_t DayOfSeason;
int16_t Weekday;
int16_t DayOfMonth;
int16_t Month;
int16_t Year;
int16_t SeasonCounter;
int16_t FirstMatchDay;
int16_t Postdate;
int16_t DaysSinceFirstMatch;
int16_t MonthCounter;
int16_t DeadlineDay1, DeadlineDay2, DeadlineDay3;
int16_t WindowOpenDay1, WindowOpenDay2, WindowOpenDay3;
int16_t DivisionSize;
int8_t GameCountry;
int16_t PlayerCount;
uint8_t MoneyRate1;
uint8_t InterestRate;
uint8_t MoneyRate2;

void SeasonState_Reset() {
  DayOfSeason = 0;
  Weekday = 0;
  DayOfMonth = 10;
  Month = 6;
  Year = 1999;
  SeasonCounter = 0;
  FirstMatchDay = 0;
  Postdate = 0;
  DaysSinceFirstMatch = 0;
  MonthCounter = 0;
  DeadlineDay1 = DeadlineDay2 = DeadlineDay3 = 0;
  WindowOpenDay1 = WindowOpenDay2 = WindowOpenDay3 = 0;
  DivisionSize = 0;
  GameCountry = 0;
  PlayerCount = 0;
  MoneyRate1 = 17;
  InterestRate = 1;
  MoneyRate2 = 17;
}
REGISTER_RESET(RESET_SEASON, SeasonState_Reset);
