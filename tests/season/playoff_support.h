// What the match day does with a played play-off match, as the season-end
// tests need it: a semi-final's loser is struck out of PlayoffTable, and the
// final's winner moves up to the division his play-off leads to.
#pragma once

#include <cstdint>

#include "season/endseason.h"
#include "world/clubs.h"

namespace playoff {

// The division a final's winner goes to, by country and play-off division.
inline int16_t TargetDivision(int country, int division) {
  if (country == 0 && (division == 2 || division == 3)) return static_cast<int16_t>(division - 1);
  if (country == 2 && (division == 2 || division == 3)) return 1;
  return 0;
}

// The club is out of its play-off.
inline void KnockOut(int16_t club) {
  for (auto& row : PlayoffTable)
    for (uint8_t& entry : row)
      if (entry == club) entry = PLAYOFF_EMPTY;
}

// The final's winner goes up; its division before the move.
inline int16_t PromoteWinner(int country, int16_t winner) {
  const int16_t division = Club_GetDivision(winner);
  Club_SetDivision(winner, TargetDivision(country, division));
  return division;
}

}  // namespace playoff
