// Setting up a new game: the source database the world is built from
// (stats\totstat.dat, read through the pak layer) and the laying out of the
// world's clubs from it.
//
// The file is read whole and checked before any of it is taken: its size, the
// player count, and every field of every record that the new game uses as an
// index or a code (club database numbers, the players' surname index, club,
// position and nationality). A bad file stops the game with a fatal error that
// names the file and the fault; the buffers keep what they held before.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "world/source_records.h"

constexpr const char* TOTSTAT_FILE_NAME = "stats\\totstat.dat";

// Reads and checks stats\totstat.dat: the 1,200 source club records, the
// source player records, their first names and the player count. The club
// records are handed to the stand set-up (SetSourceClubRecords).
void LoadTotStats();

// The check LoadTotStats makes, on a file image of size bytes: true when the
// image is sound, else false and the fault in words (without the file name).
bool TotStats_Check(const uint8_t* image, size_t size, std::string* fault);

// Whether a database has been loaded since the last reset.
bool TotStats_Loaded();
// Source player records in use (0 before a load).
int32_t SourcePlayerCount();
// Source club record 0-1199, else null.
const uint8_t* SourceClubRecord(int index);
// Source player record 0 to SourcePlayerCount() - 1, else null.
const uint8_t* SourcePlayerRecord(int index);
// The first name of source player record 0-24,999 (zero-ended), else "".
const char* SourceFirstName(int index);
// The first source club record whose database number is dbClub, else
// NUM_DB_CLUBS (which stands for none).
int16_t SourceClubIndexOf(int dbClub);

// The game's first day, 10 July 1999, and its weekday, 0: the weekday of
// another date is counted from it day by day.
constexpr int16_t NEW_GAME_DAY = 10;
constexpr int16_t NEW_GAME_MONTH = 6;  // July: months count from 0
constexpr int16_t NEW_GAME_YEAR = 1999;
int16_t WeekdayOfDate(int16_t dayOfMonth, int16_t month, int16_t year);

// A new game's clubs, from the loaded source database and the game country's
// club list: the club-slot map, the database clubs' reputations, and for
// every world club its bids cleared, reputation, country, stands, records,
// staff, clauses, map position, and for a club of the game country its
// division and opening balance (other countries' clubs: division 0, no
// balance); then the calendar at the start date.
void Club_InitCountryClubs();

// The opening balance of a game-country club of division 0-5 with that
// reputation.
int32_t NewGame_OpeningBalance(int gameCountry, int division, int reputation);

void NewGame_Reset();
