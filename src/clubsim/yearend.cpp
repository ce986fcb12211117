#include "clubsim/yearend.h"

#include "season/seasonstate.h"
#include "world/players.h"

namespace {

constexpr int16_t NO_MANAGER_PLAYER = 1;  // the record that stands for no manager
constexpr int32_t NO_CLUB = 255;
constexpr int NUM_CUP_TIES = 7;

}  // namespace

bool YearEnd_ClearsCupTie(int cup) { return cup >= 0 && cup < NUM_CUP_TIES && cup != 5; }

void YearEnd_ResetPlayerSeason(int16_t player) {
  if (player < 0 || player >= PlayerCount) return;
  Player_SetManPrice(player, -1);
  Player_SetSaleStatus(player, 0);
  Player_SetGoals(player, 0);
  Player_SetApps(player, 0);
  Player_SetPerf(player, 0);
  Player_SetTxList(player, 0);
  Player_SetLoanList(player, 0);
  Player_SetBidCount(player, 0);
  Player_SetEuroDispoints(player, 0);
  Player_SetDispoints(player, 0);
  for (int cup = 0; cup < NUM_CUP_TIES; ++cup)
    if (YearEnd_ClearsCupTie(cup)) Player_SetCupTied(player, NO_CLUB, cup);
}

void YearEndPlayers() {
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (p == NO_MANAGER_PLAYER) {
      Player_SetReputation(p, 0);
      Player_SetExperience(p, 0);
      continue;
    }
    YearEnd_ResetPlayerSeason(p);
  }
}
