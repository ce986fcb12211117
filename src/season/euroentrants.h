// The European entrants: which clubs of the world enter the three European
// competitions of a season, chosen at every new game and new season into the
// three entrant lists (EuroListA for competition 6, EuroListB for 5,
// EuroListC for 4; world/funcs.h holds them, 255 an empty entry).
//
// Each of the 32 countries of the club lists sends a fixed number of clubs
// to each list. A club of another country is drawn at random from its
// country's block of the club list; the game country's entrants come from a
// chain of candidates (last season's honours, its top clubs), each taken
// only when it is not already entered. Every game-country entrant gains a
// reputation point. Last season's two European cup holders enter as title
// holders: A's at entry 31 of EuroListA, C's at entry 63 of EuroListC.
#pragma once

#include <cstdint>

#include "world/static_country.h"

// The world clubs of last season's winners of competitions 6 (A) and 4 (C),
// 255 when there is none (saved with the season state).
extern uint8_t EuroCupHolderA;
extern uint8_t EuroCupHolderB;

// The European honours words (saved with the season state; -1 unset), read by
// the honours labels of the world queries.
constexpr int EURO_HONOUR_WORDS = 5;
constexpr int EURO_HONOUR_HOLDER_A = 0;     // the holder placed last in EuroListA
constexpr int EURO_HONOUR_A_ENTRANT = 1;    // the game country's EuroListA entrant
constexpr int EURO_HONOUR_HOLDER_C = 2;     // the holder placed last in EuroListC
constexpr int EURO_HONOUR_CUP_WINNER = 3;   // the game country's first-cup winner ...
constexpr int EURO_HONOUR_CUP_RUNNER_UP = 4;  // ... and runner-up, as the EuroListC chain met them
extern int16_t EuroHonourWords[EURO_HONOUR_WORDS];

// Entrants each country (0-31) sends to each list.
inline constexpr uint8_t EuroQuotaA[NUM_LIST_COUNTRIES] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0,
                                                           1, 0, 1, 1, 1, 0, 1, 1, 1, 1, 1, 0, 1, 0, 0, 0};
inline constexpr uint8_t EuroQuotaB[NUM_LIST_COUNTRIES] = {1, 1, 2, 2, 1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                           0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1};
inline constexpr uint8_t EuroQuotaC[NUM_LIST_COUNTRIES] = {2, 1, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 1, 1, 1, 1,
                                                           1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};

// Entries of the three lists together that hold the club: -1 is never
// entered; 255 counts the empty entries.
int16_t Euro_CountEntries(int16_t club);

// The holders at a new game: the winners of competitions 6 and 4 in the game
// country's record of last season's honours, as world clubs; 255 for a club
// outside the game's world or none.
void Euro_SetCupHoldersFromCountryRecord();
// The holders at a new season: from last season's roll of honour.
void SetEuroCupHolders();

// The three lists afresh (SeasonCounter 0: a new game; else a new season,
// after the roll of honour has been shifted). The lists are filled in country
// order; an entry no club could be found for stays empty.
void SelectEuropeanEntrants();

// No holders, the honours words unset.
void EuroEntrants_Reset();
