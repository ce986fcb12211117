// What the club simulation has done since the counts were last cleared: the
// career tool prints them once a season, and the long runs judge them.
// Counting changes nothing the game reads.
#pragma once

#include <cstdint>

struct ClubSimCounts {
  int32_t injuries = 0;       // injuries (types 8-36) put on the injury list
  int32_t illnesses = 0;      // illnesses (types 1-7)
  int32_t awol = 0;           // players gone absent (type 0)
  int32_t requests = 0;       // transfer requests handed in
  int32_t withdrawn = 0;      // transfer requests withdrawn
  int32_t transfers = 0;      // permanent moves between clubs, for a fee or free
  int64_t fees = 0;           // money paid for those moves
  int32_t loans = 0;          // loans begun
  int32_t contractMoves = 0;  // players gone when their contract ran out
};

extern ClubSimCounts ClubSimCount;

void ClubSimCounts_Clear();
