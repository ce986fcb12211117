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
int16_t DeadlineDay3;
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
  DeadlineDay3 = 0;
  GameCountry = 0;
  PlayerCount = 0;
  MoneyRate1 = 17;
  InterestRate = 1;
  MoneyRate2 = 17;
}
REGISTER_RESET(RESET_SEASON, SeasonState_Reset);
