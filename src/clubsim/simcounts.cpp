#include "clubsim/simcounts.h"

#include "engine/reset.h"

ClubSimCounts ClubSimCount;

void ClubSimCounts_Clear() { ClubSimCount = ClubSimCounts{}; }
REGISTER_RESET(RESET_CLUBSIM, ClubSimCounts_Clear);
