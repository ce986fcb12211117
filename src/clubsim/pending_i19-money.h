// TEMPORARY: calls into the boards' part (another branch), with a stand-in
// definition until it lands. Delete this file and pending_i19-money.cpp at
// the merge, and point the callers at the boards' own functions.
#pragma once

#include <cstdint>

// The board's form score over the whole season so far (at least one game
// counts; 30 when the club has played none), 0-60.
int16_t CalcClubSeasonFormScore(int16_t club);
