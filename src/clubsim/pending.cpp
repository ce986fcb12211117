// TEMPORARY stand-ins; see pending.h.
#include "clubsim/pending.h"

#include "clubsim/clubsvc.h"
#include "clubsim/injuries.h"
#include "clubsim/squad.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

constexpr int32_t MIN_FEE = 1000;

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

}  // namespace

int32_t CalcClubMaxWage(int16_t) { return 0; }
int32_t GetClubSpendingBudget(int16_t) { return 0; }
int32_t GetPlayerValue(int16_t) { return 0; }

int16_t MakeTransferOffer(int16_t, int16_t, int32_t, int16_t, int16_t) { return -1; }

void BidInfo_Start(int16_t player, int16_t slot) {
  BidInfo_SetPlayer(slot, player);
  BidInfo_SetDays(slot, 1);
}

void ClubBid_WithdrawPlayer(int16_t club, int16_t player) {
  if (!WorldClub(club)) return;
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot)
    if (Club_GetBidPlayer(club, slot) == player) Club_SetBid(club, slot, -1, 0, 0);
}

int16_t ContractLength(int16_t, int16_t) { return 12; }
int32_t OfferedWage(int16_t player, int16_t club) { return GetPlayerWageDemand(player, club); }

void CompleteTransfer(int16_t player, int16_t buyer, int32_t fee, int16_t) {
  int16_t seller = Player_GetClub(player);
  if (Player_GetOnLoan(player)) seller = Loan_EndForPlayer(player);
  if (seller < 0) seller = CLUB_MONEY_POOL;
  if (fee < MIN_FEE) fee = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubBid_WithdrawPlayer(club, player);
  for (int16_t entry = BidInfo_FindPlayer(player); entry >= 0; entry = BidInfo_FindPlayer(player))
    BidInfo_Clear(entry);
  if (fee > 0) {
    Club_AddToBalance(buyer, -fee);
    Club_AddToBalance(seller, fee);
  }
  Player_SetSellOnClause(player, -1);
  Player_SetBidCount(player, 0);
  Player_SetMorale(player, 60);
  Player_SetCaptain(player, 0);
  Player_SetTxList(player, 0);
  Player_SetOnLoan(player, 0);
  Player_SetLoanList(player, 0);
  Player_SetTxReq(player, 0);
  Player_SetClub(player, buyer);
  Player_SetShirt(player, 0);
  Player_SetBossvane(player, 0);
  Player_SetCaretaker(player, 0);
  Player_SetSaleStatus(player, 1);
  Player_SetManPrice(player, -1);
  const int16_t slot = InjuryList_FindPlayer(player);
  if (slot >= 0 && Patient_GetInjuryType(slot) == INJURY_TYPE_AWOL) InjuryList_FreeSlot(slot);
}

int16_t FindClubForPlayer(int16_t) { return -1; }
int32_t CalcComputerOfferPrice(int16_t, int16_t) { return -1; }

void GNW_AddHumanSale(int16_t, int16_t, int16_t) {}
