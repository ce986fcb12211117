// The six ratings 0-9 that the statistics screens show for each player of
// the match just played, one per skill group, worked out from his counters
// in the match result.
#pragma once

#include <cstdint>

constexpr int NUM_RATING_GROUPS = 6;

// The rating of skill group 0-5 of squad place 0-16 of side 0/1 in the
// current match result: a weighted sum of his counters, cut to 0-99, in
// tens. A place, side or group out of range rates 0.
int16_t MatchPlayerRating(int16_t slot, int16_t side, int16_t group);
