// Cup ties and cup fixtures: the placing of a cup fixture in the calendar
// (moving a league fixture that stands in the way), the fixtures of a freshly
// drawn round, the decision of a tie after each of its fixtures (aggregate
// with away goals, shoot-out, replay while level), the loser's removal, the
// winner's next tie, the giant-killing news, the European list moves and the
// cup prize money.
//
// Cup c (0-6) owns the competition codes 5 + 16c to 20 + 16c: 5 + 16c + r is a
// single match, a first leg or a group match of round r, 13 + 16c + r a second
// leg or a replay of it.
#pragma once

#include "season/matchday.h"

#include <cstdint>

#include "world/static_country.h"

// What the match day knows of the cup fixture just played, set before the
// tie is decided: home and away goals, home and away shoot-out scores; the
// goals this leg's home side and away side scored in the first leg; 1 while
// the second leg of a two-legged tie is played. The tie decision turns the
// goals of a second leg into the tie's aggregate (away goals counting double
// on a level aggregate).
// (CurrentMatchScores, FirstLegGoals and SecondLegFlag are the match day's.)

// The prize of each cup competition per game country, before the money rate.
extern const int32_t CupPrizeTable[NUM_GAME_COUNTRIES][NUM_CUP_COMPETITIONS];

// Honour kinds of cup c: 9 + 2c the winner, 10 + 2c the runner-up.
constexpr int16_t CUP_HONOUR_FIRST = 9;

// The match-day values zero, no fixture refused.
void CupTies_Reset();

// Adds one cup fixture of the round on today + dayOffset (days counted from
// FirstMatchDay + DaysSinceFirstMatch): a league fixture of either club on
// that day, the day before or the day after is moved to a later free day
// (with news for a human club); another competition's fixture there moves the
// cup match on by two days at a time instead. second: 0 a single match, first
// leg or group match, 1 a second leg or replay; codeBase = 16 x competition.
// The round's neutral flag goes into the fixture. Answers the fixture's slot,
// or -1 when the fixture list refused it (logged and counted).
int16_t CupTie_AddFixture(int16_t home, int16_t away, int32_t dayOffset, int round, int second, int competition,
                          int codeBase);

// The fixtures of a round just drawn: pending clubs attached to the slots of
// the clubs drawn in their place, all the matches of a group stage (the first
// eight groups of four of the day recorded as the Champions League groups,
// counted in *groupsRecorded), and for every pair of single clubs its tie
// with the pairing news.
void CupRound_MakeFixtures(int competition, int round, int* groupsRecorded);

// Decides the tie of a cup fixture just played, from CurrentMatchScores (and
// FirstLegGoals when SecondLegFlag is set): the winner goes on, the loser is
// removed and paid its share, a final records both honours; a level tie gets
// a replay at the other club's ground. firstCode = 5 + 16c, honourKind =
// 9 + 2c, legBase = firstCode for a single match or first leg, 13 + 16c for a
// second leg or replay. A fixture whose home club stands in no pair of its
// round changes nothing.
void CupTie_Resolve(int16_t fixture, int firstCode, int competition, int honourKind, int legBase);

// Schedules the winner's tie in `round` when its pair is complete (both slots
// single clubs): 10 days from today (and 24 for a second leg) when the
// round's match day has passed, else on the match day (a second leg 14 days
// later). A code base of 16c + 8 counts as 16c.
void CupTie_Advance(int round, int16_t winner, int competition, int codeBase);

// The match day's booking of a played cup fixture (codes 5-116): the tie is
// decided (CupTie_Resolve with the cup's arguments) except after the first leg
// of a two-legged round and after a group match. Other codes change nothing.
void CupTie_BookResult(int16_t fixture);

// Pays a club `percent` of the competition's prize, scaled by MoneyRate2,
// from the money pool: only a club of the game country in divisions 0-5; the
// club's miscellaneous income (and the human club's weekly account) grows by
// the amount. Answers the amount paid (0 when the club is not paid).
int32_t CupPrizeMoney(int16_t club, int competition, int32_t percent);

// Cup fixtures the fixture list refused since the last reset.
int32_t CupTies_RefusedFixtures();
