// The fixture list, the league tables and the club numbering.
//
// Every match of the career, played or to come, is one FixtureRecord in a
// list of 3,400 slots kept in day order; empty slots (day 511) stand after
// the used ones. League tables are never saved: they are recounted from the
// played league fixtures whenever they are needed.
//
// FixtureRecord, 204 bytes:
//   0   uint32 header: bits 0-8 day of the season year (511 empty slot),
//       bits 9-15 competition code, bits 16-23 home club, bits 24-31 away club
//   4   uint8 goals: bits 0-3 home, bits 4-7 away; 15 in both = not played
//   5   uint8 flags: bit 0 leg flag, bit 1 (cleared on insertion), bit 2
//       decided by a penalty shoot-out; bits 3-7 stay with the slot
//   6   2 bytes not used here
//   8   int32 attendance
//   12  home side: 16 x (int16 player, -1 none; 4 bytes of match figures)
//   108 away side, the same
// Only the header, the goals and flag bits 0-2 move when fixtures are
// inserted, removed or swapped; attendance and the sides stay with the slot.
#pragma once

#include <cstdint>

#include "world/records.h"
#include "world/static_country.h"

constexpr int NUM_FIXTURES = 3400;
constexpr int FIXTURE_RECORD_SIZE = 204;
constexpr int16_t FIXTURE_EMPTY_DAY = 511;
constexpr int16_t GOALS_NOT_PLAYED = 15;
constexpr int16_t GOALS_MAX_STORED = 14;  // the most a played match's goal field holds

// Competition codes.
constexpr int16_t COMP_LEAGUE = 0;       // the only code the league tables count
constexpr int16_t COMP_SUPER_CUP = 4;    // 1-4: further league-stage codes
constexpr int16_t COMP_CUP_FIRST = 5;    // cup k (0-6) owns 5 + 16k to 20 + 16k
constexpr int16_t COMP_CUP_LAST = 116;
constexpr int16_t COMP_CUP_CODES = 16;
constexpr int16_t COMP_FRIENDLY = 117;
constexpr int16_t COMP_SPECIAL = 118;    // counted, ordered and cup-queried by nobody
constexpr int16_t COMP_MAX = 118;

constexpr int DIVISION_PLACES = 24;
constexpr int16_t NOT_RANKED = 114;      // Club_GetOverallRank of a club in no place

struct FixtureRecord {
  uint8_t bytes[FIXTURE_RECORD_SIZE];
};
static_assert(sizeof(FixtureRecord) == 204);

extern FixtureRecord FixtureList[NUM_FIXTURES];

// One club's league figures, recounted from the fixture list (not saved).
struct LeagueTableRow {
  int16_t played;
  int16_t homeWon, homeDrawn, homeLost, homeFor, homeAgainst;
  int16_t awayWon, awayDrawn, awayLost, awayFor, awayAgainst;
  int16_t points;
  int16_t position;  // place in its division's table, 0-based; written by the league sort
};
static_assert(sizeof(LeagueTableRow) == 26);

extern LeagueTableRow LeagueTable[NUM_CLUBS];

// Per club the movement of its overall rank at the last league day:
// 0 unchanged (or no earlier league day), 1 up, 2 down.
constexpr int16_t MOVED_NOT = 0, MOVED_UP = 1, MOVED_DOWN = 2;
extern int16_t LeagueMovement[NUM_CLUBS];

// The game country's six divisions in table order, 255 = empty place (saved).
constexpr uint8_t NO_TABLE_CLUB = 255;
extern uint8_t DivisionTable[NUM_DIVISIONS][DIVISION_PLACES];

// Per division the game country's clubs in ascending club number, int16
// little-endian, -1 = empty (saved).
struct DivisionClubListTable {
  uint8_t bytes[NUM_DIVISIONS * DIVISION_PLACES * 2];
};
static_assert(sizeof(DivisionClubListTable) == 288);
extern DivisionClubListTable DivisionClubLists;

// An empty fixture list, empty tables, no movement.
void Fixtures_Reset();

// ---- single fields of one fixture ----
// The record of slot 0-3399, else null.
FixtureRecord* Fixture_GetRecord(int16_t n);
// A slot outside 0-3399 reads as an empty one: day 511, goals 15, the rest 0.
int16_t Fixture_GetDay(int16_t n);
int16_t Fixture_GetCompetition(int16_t n);
int16_t Fixture_GetHomeClub(int16_t n);
int16_t Fixture_GetAwayClub(int16_t n);
int16_t Fixture_GetHomeGoals(int16_t n);
int16_t Fixture_GetAwayGoals(int16_t n);
int16_t Fixture_GetLegFlag(int16_t n);
int16_t Fixture_GetShootoutFlag(int16_t n);
int32_t Fixture_GetAttendance(int16_t n);
// 1 when both goal fields hold a score (neither is 15).
int16_t Fixture_IsPlayed(int16_t n);

// The result of a played match. A goal field holds 0-14 (15 means not
// played), so a score above 14 is stored as 14; the match's own result
// record keeps the true score for the reports and statistics.
void Fixture_SetResult(int16_t n, int32_t homeGoals, int32_t awayGoals);
// Flag bit 2: the match was decided by a penalty shoot-out.
void Fixture_SetShootoutFlag(int16_t n, int32_t flag);
void Fixture_SetAttendance(int16_t n, int32_t attendance);

// ---- the list ----
// Inserts an unplayed fixture after every fixture of its day; every friendly
// of the home club on that day gives way first. Answers the slot written, or
// -1 (logged) when the list is full or the day is no day of the list; then
// nothing in the list has changed. A competition code outside 0-118 ends the
// program.
int16_t Fixture_Add(int32_t day, int32_t competition, int32_t home, int32_t away, int32_t flag);
// Deletes slot n; the later slots move up one place and the last becomes empty.
void Fixture_Remove(int16_t n);
// Moves slots n to 3,398 down one place; slot n keeps its contents until
// overwritten. Refuses (answers 0, nothing moved) when the last slot holds a
// fixture, which would be lost; else 1.
int Fixture_OpenGap(int16_t n);
void Fixture_Swap(int16_t a, int16_t b);
// The first slot that is empty or holds a later day, else -1.
int16_t Fixture_FindInsertSlot(int32_t day);
void Fixture_ClearAll();
// The first fixture with these clubs and code; a missing one ends the program.
int16_t Fixture_Find(int32_t home, int32_t away, int32_t competition);
int16_t Fixture_FindClubFriendlyOnDay(int32_t club, int32_t day);
int16_t Fixture_FindClubMatchOnDay(int32_t club, int32_t day);
void Fixture_RemoveClubFriendlies(int32_t club, int32_t day);
// The club's fixtures before today, friendlies and code 118 not counted.
int16_t Fixture_CountClubGamesPlayed(int32_t club);
// The cup of the club's next fixture (code 118 passed over): 0-4, 6 for both
// of the last two cups, 117 for a friendly, -1 for a league-stage code or none.
int16_t Fixture_GetClubNextCupIndex(int32_t club);
int16_t Player_IsCupTiedForNextMatch(int16_t player);
// Substitutes allowed in the club's next competitive fixture (the super cup
// passed over): its division's for a league-stage code, the cup round's for
// a cup code (255 for a cup the country does not have); 5 when none.
int16_t Fixture_GetNextMatchBenchSize(int32_t club);

// ---- today's order ----
// Mixes today's fixtures (code 118 left in place) with 100 random swaps.
void Fixture_ShuffleToday();
// Brings the human club's group of today's fixtures to the front of the day,
// its own match last in the group; 1 when it reordered, else 0.
int Fixture_OrderTodayForHumanClub();

// ---- friendlies ----
// Up to four friendlies of the club away at clubs of the given country, on
// today + 11, + 8, + 5 and + 2, each host free of fixtures two days either side.
void Fixture_ArrangeFriendlies(int32_t club, int32_t country);
// 0 when the club has any fixture from today to today + 13, else 1.
int Fixture_CanArrangeFriendly(int32_t club);
// The game country's pre-season friendlies on days 10-23: a computer-run
// club of divisions 0-2 at home to a computer-run club at most two divisions
// away with a squad of 18, neither with another friendly within two days.
void Fixture_AddPreSeasonFriendlies();

// ---- debugging ----
void Fixture_DebugPrint();
// A slot whose day is before the previous slot's ends the program.
void Debug_CheckFixtures();

// ---- league tables ----
// Recounts fields 0-11 of every row from the played league fixtures up to
// and including the given day.
void LeagueTable_Rebuild(int32_t day);
// One played league result into the two clubs' rows: played, home or away
// won, drawn or lost, goals, and points (a draw 1 each, a win winPoints).
constexpr int16_t LEAGUE_WIN_POINTS = 3;
void LeagueTable_AddResult(int16_t home, int16_t away, int16_t homeGoals, int16_t awayGoals, int16_t winPoints);
// LeagueMovement of every club from its overall rank before and after the
// division's last league day before today (the tables are left as today's).
void LeagueTable_UpdateMovement(int32_t division);
// DivisionClubLists afresh from the clubs' divisions.
void DivisionClubs_Build();
int16_t DivisionClubs_Get(int division, int place);

// ---- club numbering ----
// 1-based rank over the whole division table; 0 for a club outside the game
// country, 114 for one that stands in no place.
int16_t Club_GetOverallRank(int32_t club);
// Clubs of the game country with a full record in divisions 0-5.
int16_t CountLeagueClubs();
// The database club number of a world club in the game country's club table;
// 252, 254 and 255 pass unchanged; any other number ends the program.
int16_t Club_GetDbId(int32_t club);
// The world club of a database club number, else -1; 252, 254, 255 pass.
int16_t Club_FindByDbId(int32_t dbId);
