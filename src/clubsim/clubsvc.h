// Services of the club simulation that the world database relies on: the
// world's fatal stop and the stand set-up of a new game.
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

// The first club 0-249 of the game country in divisions 0-5 whose control is
// that human manager's number, else -1.
int16_t FindHumanClub(int16_t manager);

void ClubServices_Reset();
