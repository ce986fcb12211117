// The debug soak run: the game plays on by itself, day after day, until its
// end date, a club's balance at or below a threshold, or a squad short of
// players; SoakRunActive (menus/menucont.h) is its state. The module also
// keeps the small season and club utilities of the day loop and the fixture
// pages, the soak options pop-up and the news test screen.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

// Flags bits.
enum : uint8_t {
  SOAK_UNCONDITIONAL = 1 << 0,
  SOAK_LEAGUE_ONLY = 1 << 1,       // "Check only teams in league" (else every club)
  SOAK_CHECK_SQUADS = 1 << 2,      // "Check for squad deficiencies"
  SOAK_CHECK_BALANCES = 1 << 3,    // "Check club balances"
};

struct SoakSettingsRecord {
  uint8_t flags;            // SOAK_*, bit 0 at start
  uint8_t mode;             // 0 until a date, 1 for a number of weeks, 2 to the next cup match
  uint32_t moneyThreshold;  // "Set maximum value"
  int16_t endDay;           // day of the month 1-31 (0: no end date)
  int16_t endMonth;         // 0-11
  int16_t endYear;          // calendar year
  uint8_t matchDisplay;     // 0 "Commentary", 1 "Scanner", 2 "Watch"
};
extern SoakSettingsRecord SoakSettings;

// Called by the continue loop each day of a soak run: 0 go on, 1 a club's
// balance is at or below the threshold, 2 a club's squad is deficient. On the
// end date (day, month and year) the soak run is switched off; the day's
// checks still run.
int Soak_CheckStopConditions();

// What CheckSquadDeficiency counted, per position type 0-3. A player is
// counted in one of suspended, injured and unavailable at most, in that order.
struct SquadDeficiencyCounts {
  int16_t players[4];
  int16_t suspended[4];
  int16_t injured[4];
  int16_t unavailable[4];
};

// For position types 0-3 of the club's squad: 1 when the players less the
// suspended, the injured and the unavailable are fewer than 16, or a position
// type has no player; else 0. The counts go to `counts` when given.
int CheckSquadDeficiency(int16_t club, SquadDeficiencyCounts* counts = nullptr);

// ---- season and club utilities ----

// The day of the current season (0 = 10 July of its first year) of a date:
// day of month, month 0-11, calendar year. -1 for a date that does not exist,
// -2 when the date is not a day of the current season (its day number does
// not convert back to the same date).
int16_t GetSeasonDayFromDate(int16_t day, int16_t month, int16_t year);

// The season's totals of a club's money in and out (the season fields of its
// finance block).
int32_t Club_GetSeasonIncomeTotal(int16_t club);
int32_t Club_GetSeasonExpenditureTotal(int16_t club);
// The weekly wages of the club's squad; the average per player goes to
// `average` when given (0 for an empty squad).
int32_t Club_GetSquadWageTotal(int16_t club, int32_t* average);

// Countries 0, 1, 13, 21 and 31.
bool IsBritishIslesCountry(int16_t country);
// Whether a division of the game country has at least one club.
bool DivisionHasClubs(int16_t division);
// The first competition code of cup 0-6 (5, 21, 37, 53, 70, 86, 101); -1 for
// anything else.
int16_t GetFirstCompOfCup(int16_t cup);
// The day of the earliest unplayed fixture of the cup of a competition code.
// -2 the code is no cup's, -3 the game country does not play that cup, -4 the
// fixture list has no fixture of it, -5 all of them are played.
int16_t GetNextCupMatchDay(int16_t competition);

// The index of the fixture on `day` in which the human manager's club plays,
// -1 none (the fixtures keep day order: the scan stops at a later day).
int16_t FindHumanClubFixtureOnDay(int16_t day);
// The competition of the fixture into PreMatchCompLines: line 0 the division
// or cup, line 1 the stage (a cup's round and leg, a play-off's stage).
void FormatFixtureCompetitionText(int16_t fixture);
// The keep-alive of long day processing: the pre-match pages stay live while
// they are on show, else Poll. Notes the tick of its last call.
void PollWhileProcessing();
// The tick PollWhileProcessing last noted (0 before its first call).
uint32_t SoakLastPollTick();

// ---- the soak options pop-up ----

// A drop-down (header and rows) for the soak screens' menu bar: the checks,
// the clubs checked and the match display. Its prepare function enables and
// ticks the rows from SoakSettings; every row's choice answers 7 (redraw).
extern PopupRow SoakOptionsPopup[];
int16_t SoakOptions_Prepare(PopupRow* list);
int16_t SoakOptions_Choose(const PopupCall* call);

// ---- the news test screen (MenuOption 52) ----

extern const MenuItem NewsTestMenu[];
// The message on show and its expanded text ("" for a kind without wordings).
constexpr int NEWS_TEST_LAST = 149;
int NewsTest_Message();
const char* NewsTest_Text();
