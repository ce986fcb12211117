// TEMPORARY definitions: see pending.h. Deleted when the squad module's real
// functions are linked.
#include "clubsim/pending.h"

#include <cstdio>

#include "season/seasonstate.h"
#include "world/lists.h"
#include "world/players.h"

namespace {
constexpr int16_t kNoManager = 1;
constexpr int32_t kLoanWeeks = 13;
}  // namespace

int16_t GetClubManager(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return kNoManager;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (p != kNoManager && Player_GetClub(p) == club && Player_GetPosition(p) == POSITION_MANAGER) return p;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetClub(p) == club && Player_GetBossvane(p)) return p;
  return kNoManager;
}

void Loan_Start(int16_t player, int16_t fromClub, int16_t toClub) {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    if (Loan_GetPlayerNo(slot) != -1) continue;
    Loan_SetPlayerNo(slot, player);
    Loan_SetLoanClub(slot, fromClub);
    Loan_SetLoanWeeks(slot, kLoanWeeks);
    Player_SetOnLoan(player, 1);
    Player_SetLoanList(player, 0);
    Player_SetClub(player, toClub);
    return;
  }
}

void Loan_EndForPlayer(int16_t player) {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    if (Loan_GetPlayerNo(slot) != player) continue;
    Loan_SetPlayerNo(slot, -1);
    Loan_SetLoanClub(slot, 255);
    Loan_SetLoanWeeks(slot, 0);
    Player_SetOnLoan(player, 0);
    return;
  }
  std::printf("Trying To Clear Loan Info Player has loan flag set but no loan club: '%d'\n", player);
}
