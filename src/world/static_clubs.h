// The clubs of the world: their names, countries and towns by database
// number, and for each game country the 250 database clubs that make up its
// world, its cup seeding list and the clubs that stand for last season's top
// of its first division. The game and the data-set builder share these tables.
#pragma once

#include <cstdint>

#include "world/nationality.h"
#include "world/source_records.h"

constexpr int NUM_NAMED_CLUBS = 1046;   // database numbers 0-1045; the rest are unused
constexpr int WORLD_CLUBS = 250;        // clubs of one game's world
constexpr int CUP_SEEDING_ENTRIES = 128;
constexpr int16_t NO_DB_CLUB = 255;     // a place of a club list with no club

struct ClubHome {
  int16_t country;  // nationality code of the club's country (0-31 for clubs of the lists); -1 unused
  int16_t mapX;     // its town on the country map, 0-639 x 0-479
  int16_t mapY;
};

// Club names by database number; null past the named clubs.
extern const char* const ClubNameTable[NUM_DB_CLUBS];
extern const ClubHome ClubHomeTable[NUM_DB_CLUBS];

// Last season's top six of division 0 of each game country, as database numbers.
extern const int16_t EuroStartClubs[NUM_GAME_COUNTRIES][6];

// Per game country, the database numbers of world clubs 0-249: the blocks of
// countries 0-31 in country order (block sizes in static_country.h), the game
// country's own block division by division and then its clubs outside the
// league, NO_DB_CLUB after the last block.
extern const int16_t CountryClubList[NUM_GAME_COUNTRIES][WORLD_CLUBS];

// Per game country, its own clubs as database numbers in seeding order (its
// league clubs division by division, then the clubs outside the league); the
// last club is repeated to the end of the 128 entries.
extern const int16_t CupSeedingTable[NUM_GAME_COUNTRIES][CUP_SEEDING_ENTRIES];
