// The nationalities of the game's players. Codes 0-8 are the nine game
// countries in game-country order; a club's country is a code of the same
// table, and the friendly tours name theirs by code (9 Swedish, 10 Swiss,
// 11 Turkish, 12 Greek, 14 Danish, 15 Norwegian, 18 Russian, 8 Belgian).
// Each code's entry is two int16 values:
// the game country whose league it is (-1 for none) and its nation group.
// Players moving between nation groups feel it more (morale).
#pragma once

#include <cstdint>

constexpr int NUM_NATIONALITIES = 105;
constexpr int NUM_GAME_COUNTRIES = 9;

enum NationGroup : int16_t {
  NATION_GROUP_BRITISH_ISLES = 0,
  NATION_GROUP_WESTERN_EUROPE = 1,
  NATION_GROUP_SOUTHERN_EUROPE = 2,
  NATION_GROUP_NORDIC = 3,
  NATION_GROUP_EASTERN_EUROPE = 4,
  NATION_GROUP_AFRICA = 5,
  NATION_GROUP_SOUTH_AMERICA = 6,
  NATION_GROUP_NORTH_AMERICA = 7,
  NATION_GROUP_ASIA = 8,
  NATION_GROUP_OCEANIA = 9,
};

struct NationalityEntry {
  int16_t gameCountry;  // 0-8, or -1
  int16_t nationGroup;
};

extern const NationalityEntry NationalityTable[NUM_NATIONALITIES];
// "English", "Scottish", "Italian", ...: the language texts from 2310 on.
extern const char* const NationalityNames[NUM_NATIONALITIES];

// The nation group of a code; codes outside 0-104 count as code 0.
int16_t NationalityGroup(int nationality);
