// TEMPORARY stand-ins for steps being built elsewhere (see the header).
#include "clubsim/pending_i18-window.h"

#include "clubsim/squadlist.h"
#include "season/teamsel_standin.h"
#include "world/players.h"

void SelectMatchTeam(int16_t club, int16_t competition, int16_t /*mode*/, int16_t substitutes) {
  StandInSelectMatchTeam(club, substitutes, competition);
}

int16_t IsTeamComplete(int16_t club, int16_t n) {
  for (int16_t shirt = 1; shirt <= n; ++shirt) {
    bool worn = false;
    for (int i = 0; i < SquadListLength && !worn; ++i) {
      const int16_t player = SquadList[i];
      worn = player >= 0 && Player_GetClub(player) == club && Player_GetShirt(player) == shirt;
    }
    if (!worn) return -1;
  }
  return 0;
}

void AnalyseSquad(int16_t /*club*/) {}
void DecideTransferListings(int16_t /*club*/) {}
void MarkBestPlayersNotForSale(int16_t /*club*/) {}
void LoanListYoungPlayers(int16_t /*club*/) {}
void ComputerClubBids(int16_t /*club*/) {}
void ComputerSquadBuying(int16_t /*club*/) {}
