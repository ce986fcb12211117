// Services of the club simulation that the world database relies on: the
// world's fatal stop, the stand set-up of a new game, the database clubs'
// reputations, and what the making of a new world asks of the transfer market
// (wage demands, contract clauses) and of the year end (invented figures).
#pragma once

#include <cstdint>

#include "world/source_records.h"

// The exit code of FatalExit: the program stopped on a broken world invariant.
constexpr int FATAL_EXIT_CODE = 3;

// Ends the program at once, through the runtime's normal exit (so the exit
// list still closes the services), after a world accessor has printed its
// message on standard output. Nothing of the game is saved. The exit code is
// FATAL_EXIT_CODE, never 0: a script or test running the game sees the failure.
[[noreturn]] void FatalExit();

// The source club records of the static database (count records laid out as
// in stats\totstat.dat, world/source_records.h), which the new-game set-up
// loads; InitClubStands reads the ground capacity from them. The records stay
// the caller's and must outlive their use.
void SetSourceClubRecords(const uint8_t* records, int count);

// Lays out the four stands of a club from the ground capacity of its source
// club record; source NUM_DB_CLUBS (or any record not loaded) stands for
// none, a ground of no seats. A capacity outside 0 to MAX_SOURCE_CAPACITY is
// taken as the nearer of the two.
void InitClubStands(int16_t club, int16_t source);

// The reputation and country of every database club, two bytes per club
// (reputation, country), filled from the source club records when a new game
// lays out its clubs and saved with the game. The wage and price functions
// read it.
constexpr int DB_CLUB_INFO_SIZE = 2;
extern uint8_t DbClubReputation[NUM_DB_CLUBS * DB_CLUB_INFO_SIZE];
// 0 for a number outside 0-1199.
int16_t DbClub_GetReputation(int dbClub);
int16_t DbClub_GetCountry(int dbClub);
// Stores the low bytes; a number outside 0-1199 is ignored.
void DbClub_Set(int dbClub, int32_t reputation, int32_t country);

// The weekly wage (in money) the player asks of the club: from his ability
// curve and reputation, scaled for his age at a world club (at least 50), and
// for the reserve pool (252) by the reputation of the database club he is held
// for (his reserve slot). 0 for any other club from 250 up.
int32_t GetPlayerWageDemand(int16_t player, int16_t club);

// Whether a new contract with the club carries the relegation-release (RR) or
// the buy-out (BR) clause: one chance in 13 - (months the contract has run),
// or always once the market has opened and the club has fewer than 16
// available players. The two are decided by separate draws; 0 for a club
// from 250 up.
int16_t DecideRRClause(int16_t player, int16_t club);
int16_t DecideBRClause(int16_t player, int16_t club);

// The first day of the season on which the transfer market opens.
int16_t MarketStartDay();

// Invents the season and career figures of a player whose matches are not
// played out (appearances, goals, performance, training, disciplinary points,
// experience) from his age, ability curve and position.
void EstimatePlayerStats(int16_t player);

// The first club 0-249 of the game country in divisions 0-5 whose control is
// that human manager's number, else -1.
int16_t FindHumanClub(int16_t manager);

void ClubServices_Reset();
