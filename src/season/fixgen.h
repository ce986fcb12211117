// The season's league fixtures and the order of the league tables.
//
// At every new game and new season GenerateFixtures makes the league fixtures
// of every division of the game country: a random round robin of the
// division's clubs (GenerateRoundRobin) laid round by round onto the
// division's matchdays (MatchdaySlots), home and away, and twice over where
// the division's clubs meet four times. During the season league fixtures
// can be moved to a free day (Fixture_Reschedule), which the winter
// postponements do, and the tables are put in order every day.
#pragma once

#include <cstdint>

#include "world/fixtures.h"

// Divisions 0-6 of the game country (6: the clubs outside the league), each
// its clubs in ascending club number, 255 after the last. The starting order
// of the league sort; a round robin's slot s of division d is club
// DivisionClubOrder[d][s].
constexpr int NUM_ORDER_DIVISIONS = 7;
extern uint8_t DivisionClubOrder[NUM_ORDER_DIVISIONS][DIVISION_PLACES];

// ---- the round robin ----

constexpr int MAX_ROUND_SLOTS = 24;  // clubs a round robin is made for, at most
constexpr int MAX_ROUNDS = 24;
constexpr int16_t NO_ROUND_SLOT = -1;

// Round r holds 12 pairs (home slot, away slot) at positions (0, 1), (2, 3),
// ...; -1 marks an empty pair. After GenerateRoundRobin rounds 0 to
// rounds - 1 are full (every slot plays, or all but one for an odd count) and
// the rest are empty.
extern int16_t RoundPairs[MAX_ROUNDS][MAX_ROUND_SLOTS];
// How often slots i and j were paired so far (symmetric).
extern int16_t MetCount[MAX_ROUND_SLOTS][MAX_ROUND_SLOTS];
// Per slot whether it is placed in the round being built; in the repair of
// an odd or 4k+2 count, the pairs of each round.
extern int16_t PlacedCount[MAX_ROUND_SLOTS];

// Rounds a round robin of this many clubs has: clubs - 1 when even, clubs
// when odd (one club rests each round); 0 outside 2-24.
int RoundRobinRounds(int clubs);

// Fills RoundPairs with a random single round robin of the slots 0 to
// clubs - 1 (2-24): every two slots meet exactly once. Slots are made up to a
// multiple of 4, rounds built pair by pair from random draws with restarts,
// the made-up slots' pairs emptied and the rounds repaired until full.
// Attempts that cannot be completed start afresh; should a long run of
// attempts fail, a fixed circle schedule is taken, so the call always ends.
// Answers the number of rounds; 0 (RoundPairs empty) outside 2-24.
int GenerateRoundRobin(int clubs);

// What the round robins since the last reset cost.
struct RoundRobinCounters {
  int32_t calls;
  int32_t attempts;       // attempts begun, all calls
  int32_t lastAttempts;   // attempts of the latest call
  int32_t fixedSchedules; // calls that fell back on the circle schedule
};
const RoundRobinCounters& RoundRobin_Counters();

// ---- the season's fixtures ----

// Every league fixture of the season and the opening super-cup match, with
// FirstMatchDay, Postdate and the transfer deadlines; the cup-draw table is
// emptied and the calendar left as it was, at day 0. The super cup (countries
// 0 and 2) is played by last season's league champions and first cup's
// winners: from the country's record in the first season, from the roll of
// honour's last season later on. The fixture list must have room: a fixture that
// Fixture_Add refuses (list full) is left out and counted. Answers the
// number left out (0 when all were added).
int GenerateFixtures();

// The super-cup pair from the honour holders (world clubs, 255 or -1 none):
// the league champions against the first cup's winner, the league's
// runners-up instead when the champions also won the cup. False when a club
// is missing.
bool SuperCupPair(int16_t champion, int16_t cupWinner, int16_t runnerUp, int16_t* first, int16_t* second);

// A super-cup club's match (not a friendly) on the day moves to a free day,
// with the news when the user is told; true when the club has no match that
// day or it moved, false when no day was free (the match stays).
bool SuperCup_MoveClubsFixture(int16_t club, int32_t day, bool tellUser);

// Adds a copy of the fixture (same competition, clubs and leg flag) on a
// free day after `day` and up to Postdate (after today when day is at or
// past Postdate): the middle of the latest run of five free days, else of
// three, else the latest free day. A day is free when neither club has a
// match (a friendly does not count) and it is not 25 December. Answers the
// new slot; the caller removes the old fixture. With no free day (or no room
// in the list) nothing is added, the fact is logged and counted, and the
// answer is -1: the fixture stays where it is.
int16_t Fixture_Reschedule(int32_t day, int16_t fixture);

// Fixture_Reschedule and then the removal of the old fixture; false (nothing
// changed) when no day was free.
bool Fixture_MoveToFreeDay(int32_t day, int16_t fixture);

// The daily winter step (November to February): each unplayed league
// fixture of today may be postponed when the home club's ground is poor
// (average stand style below 5), news kind 10. Answers the number postponed.
int Fixture_PostponeWinterMatches();

// Reschedules that found no free day since the last reset.
int32_t FixGen_RescheduleFailures();

// ---- the league tables ----

void FixGen_Reset();

void DivisionClubOrder_Build();

// True when row a belongs below row b in a table: fewer points, then by the
// division's tie-break (0 goal difference then goals scored, 1 goals scored
// then goal difference, any other value none).
bool LeagueRowBelow(const LeagueTableRow& a, const LeagueTableRow& b, int tieBreak);

// Puts each division of DivisionTable in order from the league rows (clubs
// level on everything keep their club order) and writes every club's table
// position.
void SortLeagueTables();
