// The cup rounds of every game country: when each round of the seven cup
// competitions is drawn and played, which seeding places enter it, how many
// clubs come on from the round before and how its ties are played.
#pragma once

#include <cstdint>

#include "world/nationality.h"
#include "world/static_country.h"

constexpr int CUP_ROUNDS = 8;
constexpr int CUP_ROUND_RECORD_SIZE = 13;

// One round, in the field order of its 13-byte form. Days count from the
// country's first league matchday (DaysSinceFirstMatch).
struct CupRoundRecord {
  int16_t drawDay;      // -1: no such round
  int16_t matchDay;     // first (or only) leg; a second leg follows 14 days later
  int8_t firstSeed;     // first seeding place entering here (-1 none; -3/-4 after a group round)
  int8_t endSeed;       // end of the entering places (exclusive)
  int8_t comingOn;      // clubs from the previous round (2 = the final; -3/-4 a group round)
  int8_t extraTime;     // extra-time rule of a single match or first leg
  int8_t legs;          // 0 replay, 1 shoot-out, 2 two legs, 3 group stage
  int8_t extraTime2;    // extra-time rule of a second leg or replay (-1 none)
  int8_t penalties2;    // penalties rule of a second leg or replay (-1 none)
  int8_t neutral;       // 1: played on neutral ground
  int8_t substitutes;   // substitutes allowed
};

extern const CupRoundRecord CupRoundData[NUM_GAME_COUNTRIES][NUM_CUP_COMPETITIONS][CUP_ROUNDS];

// The round's 13 bytes, little-endian.
void CupRoundBytes(const CupRoundRecord& round, uint8_t out[CUP_ROUND_RECORD_SIZE]);
