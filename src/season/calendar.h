// The game's clock: the end of a played day (AdvanceDay) and the daily tick
// (ProcessDay), which moves the calendar of SeasonState on by one day and runs
// the daily, weekly and monthly steps of the club simulation.
//
// AdvanceDay, once after all of a day's fixtures are played:
//   - up to Postdate the league tables are put in order;
//   - on 15 June the four season awards of every division with clubs
//     (manager of the year, player of the year, young player of the year,
//     top scorer);
//   - on Postdate the cup seeding list follows the league places and the
//     league season ends; 17 days later the play-off finals are added;
//   - the daily tick, then the next day: the match officials all free again,
//     the winter postponements of the new day, the count of days since the
//     first matchday, the cup draws due;
//   - a season has days 0-364, and day 365 too when its second calendar year
//     is a leap year; the day after its last is day 366, the new year: the
//     season counter, the cup seeding by division, the year-end steps of the
//     club simulation, the money rates and the money pool as at a new game,
//     the next season's set-up and every balance carried forward.
//
// ProcessDay(full) steps the date (a month end moves Month, and Year after
// December); a new week restarts the human club's weekly account. With full
// set it also runs, in this order: the unrest event (one day in seven), the
// transfer-deadline news or the market-open message, the daily club steps,
// the month-end steps, the weekday-2 steps and the interest and bans of the
// week's first day. At a month end with full set it gives the manager of the
// month awards (well inside the season) and stores every full-record club's
// league place under the next MonthCounter slot. DayOfSeason is the caller's
// to move.
//
// Neither calls Poll; callers stepping many days do, between days.
#pragma once

#include <cstdint>

void AdvanceDay();
void ProcessDay(int16_t full);

// The market opens again: text 1030.
constexpr int16_t TEXT_TRANSFER_MARKET_OPEN = 1030;
// News kinds of the transfer deadlines: a week away, today, passed.
constexpr int NEWS_DEADLINE_WEEK_AWAY = 36;
constexpr int NEWS_DEADLINE_TODAY = 37;
constexpr int NEWS_DEADLINE_PASSED = 38;

// The money pool and the money rates at every new year (as at a new game).
constexpr uint8_t NEW_YEAR_MONEY_RATE = 17;  // MoneyRate1 and MoneyRate2
constexpr uint8_t NEW_YEAR_INTEREST_RATE = 1;

// Divisions 0-5 of the game country that have clubs (0 outside the game
// countries 0-8).
int16_t Calendar_DivisionsWithClubs();

// Every club's balance carried forward takes its current balance.
void Clubs_CarryBalancesForward();
// The empty steps of the day and the year.
void EmptyDayStep();
void EmptyYearStep();
