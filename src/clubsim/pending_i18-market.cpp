// TEMPORARY stand-ins (see pending_i18-market.h): every row of the formation
// table is the first one, and the club order is the game country's league
// clubs then the other countries' league clubs.
#include "clubsim/pending_i18-market.h"

#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/records.h"

#define STANDIN_ROW {{1, 1}, {1, 2}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {5, 2}}
#define STANDIN_TACTIC                                                                                  \
  {STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, STANDIN_ROW, \
   STANDIN_ROW, STANDIN_ROW}
const uint8_t FormationSlots[NUM_FORMATION_TACTICS][NUM_PERSONALITY_BANDS][NUM_FORMATION_SLOTS][2] = {
    STANDIN_TACTIC, STANDIN_TACTIC, STANDIN_TACTIC, STANDIN_TACTIC, STANDIN_TACTIC, STANDIN_TACTIC};
#undef STANDIN_TACTIC
#undef STANDIN_ROW

int16_t ClubProcessingList[250];

void BuildClubProcessingList() {
  int n = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetFullRecord(club) != nullptr && Club_GetCountry(club) == GameCountry && Club_GetDivision(club) < 6) ClubProcessingList[n++] = club;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetCountry(club) != GameCountry && Club_GetDivision(club) < 6) ClubProcessingList[n++] = club;
  while (n < NUM_CLUBS) ClubProcessingList[n++] = -1;
}
