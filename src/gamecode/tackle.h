// A tackle meets the man on the ball: does he ride it or lose the ball? And
// the duel counters the challenges keep per player.
#pragma once

#include <cstdint>

#include "gamecode/matchobj.h"

// Per player, the duels of this match (zeroed with the match).
struct DuelCounts {
  int16_t tackles;         // challenges and tackles started
  int16_t dribblesPast;    // tacklers he got past
  int16_t knocks;          // knocks taken from tackles
  int16_t dispossessed;    // times he lost the ball to a challenge
  int16_t challengeFouls;  // fouls with a standing challenge
  int16_t tackleFouls;     // fouls with a tackle
  int16_t holdingFouls;    // fouls with a shirt pull
};
extern DuelCounts DuelTallies[MATCH_PLAYERS];

// Players per side injured by tackles this match; no new injury once a side
// has four.
extern int16_t SideInjuryCount[2];

// Settles one challenge of the tackler on the carrier (both objects): the
// carrier rides it (result 1, also when either was already through a duel
// in this action) or loses the ball (0). Both go into their follow-up
// actions; a hard tackle may knock or injure the carrier.
int ResolveTackle(int carrier, int tackler);

void Tackle_Reset();
