#include "clubsim/transfers.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/contracts.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_finance.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/newsticker.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

int32_t HumanTransferSpent;
int32_t HumanTransferReceived;
int32_t HumanSellOnReceived;

const int16_t AgeLoyaltyPercent[NUM_PULL_AGES] = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100,
                                                  100, 100, 90,  80,  70,  60,  40,  20,  10,  10,  10,  10};

namespace {

// News kinds of the market.
constexpr int kNewsTransfer = 0;
constexpr int kNewsLoanDone = 4;
constexpr int kNewsFreeTransfer = 5;
constexpr int kNewsRefusedFee = 21;
constexpr int kNewsRefusedFree = 22;
constexpr int kNewsRefusedFeeAgain = 23;
constexpr int kNewsRefusedFreeAgain = 24;
constexpr int kNewsRecordSale = 26;
constexpr int kNewsRecordBuy = 27;
constexpr int kNewsRefusedLoanAgain = 34;
constexpr int kNewsRefusedLoan = 35;
constexpr int kNewsBidWithdrawn = 59;
constexpr int kNewsBidRejected = 60;
constexpr int kNewsOffLoanList = 76;
constexpr int kNewsTermsCollapsed = 144;
constexpr int kNewsSellOn = 155;

constexpr int16_t kPositionTextBase = 300;
constexpr int16_t kFullSquad = SQUAD_LIST_SIZE;
constexpr int16_t kLongInjury = 4;
constexpr int16_t kAbsentWithoutLeave = 0;  // injury type
constexpr int16_t kCareerTransfer = 1;
constexpr int16_t kCareerLoan = 2;
constexpr int16_t kEventBought = 0;
constexpr int16_t kEventSold = 1;
constexpr int16_t kEventLoanedIn = 2;
constexpr int16_t kEventLoanedOut = 3;
constexpr int32_t kSellOnShare = 20;  // per 100 of the fee
constexpr int32_t kLeastFee = 1000;

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }
bool HumanClub(int16_t club) { return WorldClub(club) && Club_GetControl(club) != 0; }
int16_t Team(int16_t club) { return WorldClub(club) ? club : int16_t{-1}; }

int16_t PositionText(int16_t player) {
  return static_cast<int16_t>(kPositionTextBase + BidSlotOfPosition(Player_GetStoredPosition(player)));
}

void ShowNews(int kind, int16_t team0, int16_t team1) {
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, Team(team0), Team(team1));
}

int16_t Thousands(int32_t fee) { return static_cast<int16_t>(std::min<int32_t>(fee / 1000, INT16_MAX)); }

bool AnyBidFor(int16_t player) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (ClubBid_HasPlayer(club, player) == -1) return true;
  return false;
}

void WithdrawEveryBid(int16_t player) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubBid_WithdrawPlayer(club, player);
}

// Clearing a player's answer slot ends the bidding for him: no bid is left
// waiting for an answer that will never come.
void EndBidding(int16_t slot, int16_t player) {
  BidInfo_Clear(slot);
  WithdrawEveryBid(player);
}

// The club's first bid slot naming the player, else -1.
int BidSlotFor(int16_t club, int16_t player) {
  for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot)
    if (Club_GetBidPlayer(club, slot) == player) return slot;
  return -1;
}

// The club's name as the logs keep it: its database number; the reserve pool
// by the database club the player is held for.
int16_t LogClub(int16_t club, int16_t player) {
  if (club == PLAYER_CLUB_RESERVE_POOL) return Player_GetReserveSlot(player);
  if (WorldClub(club)) return Club_GetDbId(club);
  return club;
}

bool BadlyInjured(int16_t player) {
  if (!Player_GetInFlag(player)) return false;
  const int16_t slot = InjuryList_FindPlayer(player);
  return slot >= 0 && Patient_GetInjuryTime(slot) > kLongInjury && Patient_GetInjuryType(slot) != kAbsentWithoutLeave;
}

// Computer clubs give up their bids for a player who will be out for long.
void WithdrawComputerBids(int16_t player) {
  const int16_t owner = PlayerOwningClub(player);
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetControl(club) != 0 || BidSlotFor(club, player) < 0) continue;
    ClubBid_WithdrawPlayer(club, player);
    SetNewsArgs(owner, club, player, -1, -1, PositionText(player), -1, -1, -1);
    ShowNews(kNewsBidWithdrawn, owner, club);
  }
}

struct BestBid {
  int16_t club = -1;
  int32_t score = -1;
  int32_t fee = 0;
  int16_t clause = 0;
};

// Every club bidding for the player is weighed; the best stays, the others
// withdraw.
BestBid WeighBids(int16_t player) {
  const int16_t owner = PlayerOwningClub(player);
  BestBid best;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    const int slot = BidSlotFor(club, player);
    if (slot < 0) continue;
    const int16_t manager = GetClubManager(club);
    BuildClubSquadList(club);
    const int32_t budget = GetClubSpendingBudget(club);
    int32_t score = std::max<int32_t>(Player_GetReputation(manager), Club_GetRep(club));
    const int32_t fee = ClampMoney(int64_t{Club_GetBidPrice(club, slot)} * 100);
    if (SquadListLength >= kFullSquad || fee > budget) {
      ClubBid_WithdrawPlayer(club, player);
      SetNewsArgs(owner, club, player, -1, -1, PositionText(player), -1, -1, -1);
      ShowNews(kNewsBidWithdrawn, owner, club);
      score = -1;
    }
    if (score > best.score) {
      best = BestBid{club, score, fee, Club_GetBidClause(club, slot)};
    } else {
      ClubBid_WithdrawPlayer(club, player);
      if (score != -1) {
        SetNewsArgs(owner, club, player, -1, -1, PositionText(player), -1, -1, -1);
        ShowNews(kNewsBidRejected, owner, club);
      }
    }
  }
  return best;
}

// The player's answer to the best bid: 0 he goes, 1 or 2 he turned it down
// (first or second test).
int PlayerRefuses(int16_t player, const BestBid& best) {
  const int age = std::clamp<int>(Player_GetAge(player), 0, NUM_PULL_AGES - 1);
  const int32_t pull = Player_GetReputation(player) * AgeLoyaltyPercent[age] / 100;
  // The second test measures against the first one's threshold when it ran,
  // else against the bidder's score.
  int32_t threshold = best.score;
  if (pull >= best.score) {
    threshold = 100 - (pull - best.score) * 100 / 63;
    if (Player_GetPersonalityStat(player, 16) / 2 > threshold) return 1;
  }
  if (!Player_GetTxList(player) && Player_GetMorale(player) == 60) {
    const int roll = GameRandom() % 200;
    if (roll < Player_GetPersonalityStat(player, 17) - 3 * threshold) return 2;
  }
  return 0;
}

void PostRefusal(int16_t player, int16_t owner, const BestBid& best, int which) {
  const bool loan = best.fee == LOAN_BID_PRICE && Player_GetLoanList(player);
  int kind;
  if (loan) {
    kind = which == 1 ? kNewsRefusedLoan : kNewsRefusedLoanAgain;
  } else if (best.fee == 0) {
    kind = which == 1 ? kNewsRefusedFree : kNewsRefusedFreeAgain;
  } else {
    kind = which == 1 ? kNewsRefusedFee : kNewsRefusedFeeAgain;
    Player_SetBidCount(player, Player_GetBidCount(player) + 1);
  }
  SetNewsArgs(owner, best.club, player, -1, best.fee, -1, -1, -1, -1);
  ShowNews(kind, owner, best.club);
}

void DecideBids(int16_t slot, int16_t player) {
  const BestBid best = WeighBids(player);
  if (best.club < 0) {
    // Nobody bids for him any more.
    BidInfo_Clear(slot);
    return;
  }
  const int16_t owner = PlayerOwningClub(player);
  if (WorldClub(Player_GetClub(player))) {
    const int refusal = PlayerRefuses(player, best);
    if (refusal != 0) {
      PostRefusal(player, owner, best, refusal);
      EndBidding(slot, player);
      return;
    }
  }

  const bool loanBid = best.fee == LOAN_BID_PRICE;
  const int16_t control = Club_GetControl(best.club);
  if (control != 0 && !loanBid) {
    // The human manager settles it on his screens; the answer slot stays.
    WorldRecords.addHumanContract(control, player);
    return;
  }

  ClubBid_WithdrawPlayer(best.club, player);
  if (loanBid) {
    if (Player_GetLoanList(player)) {
      // A loan the loan list cannot take is no loan: no news of it.
      if (LoanPlayer(player, best.club)) {
        SetNewsArgs(owner, best.club, player, -1, -1, PositionText(player), -1, -1, -1);
        ShowNews(kNewsLoanDone, owner, best.club);
      }
    } else {
      SetNewsArgs(owner, -1, player, -1, -1, -1, -1, -1, -1);
      ShowNews(kNewsOffLoanList, owner, best.club);
    }
    EndBidding(slot, player);
    return;
  }

  const int16_t months = ContractLength(player, best.club);
  const int16_t br = DecideBRClause(player, best.club);
  const int16_t rr = DecideRRClause(player, best.club);
  int16_t patience = 0;
  if (ConcludeContractOffer(player, best.club, months, br, rr, OfferedWage(player, best.club), &patience) == 0) {
    SetNewsArgs(owner, best.club, player, -1, -1, -1, -1, -1, -1);
    ShowNews(kNewsTermsCollapsed, owner, best.club);
    EndBidding(slot, player);
    return;
  }
  if (best.fee == 0) {
    SetNewsArgs(best.club, owner, player, -1, -1, PositionText(player), -1, Player_GetAge(player) + 16, -1);
    ShowNews(kNewsFreeTransfer, best.club, owner);
  } else {
    SetNewsArgs(best.club, owner, player, -1, best.fee, PositionText(player), -1, -1, -1);
    ShowNews(kNewsTransfer, best.club, owner);
  }
  CompleteTransfer(player, best.club, best.fee, best.clause);
  ++ClubSimCount.transfers;
  if (!Club_IsGameCountryLeagueClub(owner) && !Club_IsGameCountryLeagueClub(best.club)) ++ClubSimCount.transfersAbroad;
  ClubSimCount.fees += best.fee < kLeastFee ? 0 : best.fee;
  BidInfo_Clear(slot);
}

}  // namespace

void Transfers_Reset() {
  HumanTransferSpent = 0;
  HumanTransferReceived = 0;
  HumanSellOnReceived = 0;
}
REGISTER_RESET(RESET_CLUBSIM, Transfers_Reset);

void BidDecisionStep() {
  for (int16_t slot = 0; slot < NUM_BID_INFOS; ++slot) {
    const int16_t player = BidInfo_GetPlayer(slot);
    if (player == -1) continue;
    if (player < 0 || player >= PlayerTotalCount) {
      BidInfo_Clear(slot);  // a slot naming nobody of the world
      continue;
    }
    if (Player_GetClub(player) == PLAYER_CLUB_FREE_AGENT) {
      EndBidding(slot, player);
      continue;
    }
    const int16_t days = BidInfo_GetDays(slot);
    if (days == 0) continue;
    if (days > 1) {
      BidInfo_SetDays(slot, days - 1);
      if (BadlyInjured(player)) {
        WithdrawComputerBids(player);
        if (!AnyBidFor(player)) BidInfo_Clear(slot);
      }
      continue;
    }
    DecideBids(slot, player);
  }
}

void CompleteTransfer(int16_t player, int16_t buyer, int32_t fee, int16_t clause) {
  if (!WorldClub(buyer) || player < 0 || player >= PlayerTotalCount) return;
  int16_t seller = Player_GetClub(player);
  if (Player_GetOnLoan(player)) {
    const int16_t lender = PlayerLoanOwner(player);
    if (lender >= 0) seller = lender;
    Loan_EndForPlayer(player);
  }
  if (fee < kLeastFee) fee = 0;

  if (HumanClub(buyer)) HumanTransferSpent = ClampMoney(int64_t{HumanTransferSpent} + fee);
  if (HumanClub(seller)) HumanTransferReceived = ClampMoney(int64_t{HumanTransferReceived} + fee);

  WithdrawEveryBid(player);
  for (int16_t slot = BidInfo_FindPlayer(player); slot >= 0; slot = BidInfo_FindPlayer(player)) BidInfo_Clear(slot);

  // Every payment has its other side: the buyer pays it all, the pool takes
  // the levy, a sell-on club its bonus and the seller the rest.
  const int64_t levy = int64_t{fee} * MoneyRate1 / 100;
  int64_t bonus = 0;
  const int16_t sellOnClub = Player_GetSellOnClause(player);
  Club_AddToBalance(buyer, -fee);
  Club_AddToBalance(PLAYER_CLUB_NONE, ClampMoney(levy));
  if (WorldClub(sellOnClub)) {
    bonus = int64_t{fee / 100} * kSellOnShare;
    Club_AddToBalance(sellOnClub, ClampMoney(bonus));
    if (HumanClub(sellOnClub)) HumanSellOnReceived = ClampMoney(HumanSellOnReceived + bonus);
    if (bonus != 0) {
      SetNewsArgs(Team(seller), sellOnClub, player, -1, ClampMoney(bonus), -1, -1, -1, -1);
      ShowNews(kNewsSellOn, seller, sellOnClub);
    }
  }
  Club_AddToBalance(seller, ClampMoney(fee - levy - bonus));
  Club_SetMiscOut(seller, ClampMoney(int64_t{Club_GetMiscOut(seller)} + levy + bonus));

  ClubEventLog_Add(player, buyer, seller, Thousands(fee), kEventBought);
  ClubEventLog_Add(player, seller, buyer, Thousands(fee), kEventSold);

  Player_SetSellOnClause(player, clause != 0 && WorldClub(seller) ? seller : -1);
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

  PlayerCareerLog_Add(player, LogClub(seller, player), 0, Thousands(fee), kCareerTransfer);
  NewsTicker_AddTransfer(player, buyer, WorldClub(seller) ? seller : int16_t{PLAYER_CLUB_NONE}, fee, 0);

  Player_SetSaleStatus(player, 1);
  Player_SetManPrice(player, -1);

  if (Player_GetInFlag(player)) {
    const int16_t slot = InjuryList_FindPlayer(player);
    if (slot >= 0 && Patient_GetInjuryType(slot) == kAbsentWithoutLeave) {
      Patient_SetPlayerNo(slot, -1);
      Patient_SetInjuryType(slot, 0);
      Patient_SetInjuryTime(slot, 0);
      Player_SetInFlag(player, 0);
    }
  }

  WorldRecords.addTransferLogEntry(LogClub(seller, player), LogClub(buyer, player), player, fee);

  if (WorldClub(seller)) {
    if (fee > Club_GetRecordSale(seller)) {
      Club_SetRecordSale(seller, player, fee / 100, buyer);
      if (SeasonCounter > 0) {
        SetNewsArgs(seller, buyer, player, -1, fee, -1, -1, -1, -1);
        ShowNews(kNewsRecordSale, seller, buyer);
      }
    }
    Club_SetTotalSales(seller, ClampMoney(int64_t{Club_GetTotalSales(seller)} + fee));
  }
  if (fee > Club_GetRecordBuy(buyer)) {
    Club_SetRecordBuy(buyer, player, fee / 100, seller);
    if (SeasonCounter > 0) {
      SetNewsArgs(buyer, -1, player, -1, fee, -1, -1, -1, -1);
      ShowNews(kNewsRecordBuy, buyer, -1);
    }
  }
  Club_SetTotalSignings(buyer, ClampMoney(int64_t{Club_GetTotalSignings(buyer)} + fee));

  // The human club's list and training plan take in the newcomer.
  if (HumanClub(buyer)) {
    BuildClubSquadList(buyer);
    ClubScreens.trainingBufferSync();
  }
}

bool LoanPlayer(int16_t player, int16_t club) {
  if (player < 0 || player >= PlayerTotalCount) return false;
  if (Player_GetOnLoan(player)) {
    const int16_t lender = PlayerLoanOwner(player);
    Loan_EndForPlayer(player);
    if (lender >= 0) Player_SetClub(player, lender);
    Player_SetShirt(player, 0);
    return true;
  }
  const int16_t owner = Player_GetClub(player);
  if (!WorldClub(club) || !WorldClub(owner) || club == owner) return false;
  // The loan list first: a loan it refuses leaves no news and no log behind.
  if (!Loan_Start(player, owner, club)) return false;
  ++ClubSimCount.loans;
  NewsTicker_AddTransfer(player, club, owner, 0, 1);
  PlayerCareerLog_Add(player, Club_GetDbId(club), 0, 0, kCareerLoan);
  ClubEventLog_Add(player, club, owner, 0, kEventLoanedIn);
  ClubEventLog_Add(player, owner, club, 0, kEventLoanedOut);
  Player_SetShirt(player, 0);
  return true;
}
