#include "clubsim/simcounts.h"

#include <algorithm>

#include "clubsim/squadlist.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/records.h"

ClubSimCounts ClubSimCount;

namespace {
// Whether minSquad and maxSquad hold a noted size since the last clearing.
bool gSquadsNoted = false;
}  // namespace

void ClubSimCounts_Clear() {
  ClubSimCount = ClubSimCounts{};
  gSquadsNoted = false;
}

void ClubSimCounts_NoteSquads() {
  int16_t sizes[NUM_CLUBS];
  CountAllClubSquads(sizes);
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!Club_IsGameCountryLeagueClub(club) || Club_GetControl(club) != 0) continue;
    ClubSimCount.minSquad = gSquadsNoted ? std::min<int32_t>(ClubSimCount.minSquad, sizes[club]) : sizes[club];
    ClubSimCount.maxSquad = gSquadsNoted ? std::max<int32_t>(ClubSimCount.maxSquad, sizes[club]) : sizes[club];
    gSquadsNoted = true;
  }
}
REGISTER_RESET(RESET_CLUBSIM, ClubSimCounts_Clear);
