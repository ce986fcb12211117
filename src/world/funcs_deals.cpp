// The world facade: the human manager's deals, his job offers, the bids and
// offers forwarded to the club simulation, and the transfer log.
#include "world/funcs_deals.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "engine/debug.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/funcs_finance.h"
#include "world/honours.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/static_clubs.h"
#include "world/textmess.h"

HumanDealTablesRecord HumanDealTables;
int16_t CurrentHumanManager = 1;
int16_t JobOfferingClub = -1;
int16_t JobOfferPending = 0;
int16_t SackedHumanManager = 0;
int16_t SackingClub = -1;
TransferLogEntry TransferLog[TRANSFER_LOG_ENTRIES];
int16_t TransferLogIndex = 0;

REGISTER_RESET(RESET_WORLD, FuncsDeals_Reset);

namespace {
// The program starts with the tables as a reset leaves them: no deal pending
// (a zero would be a sale of player 0) and the log never written.
[[maybe_unused]] const int kStartState = (FuncsDeals_Reset(), 0);
}  // namespace

namespace {

// The aborts of the deal lookups name this module and the line the game has
// always reported for them.
constexpr const char* kAbortFile = "funcs";
constexpr int kLineGetHumanContracts = 1866;
constexpr int kLineGetHumanSalePlayer = 1882;
constexpr int kLineGetHumanSales = 1898;
constexpr int kLineFindBidSlot = 2055;
constexpr int kLineFindHumanSales = 2097;
constexpr int kLineFindHumanSalesTeam = 2113;

constexpr int16_t FIRST_MANAGER = 1;
constexpr int16_t NO_MANAGER_PLAYER = 1;
constexpr int32_t LOAN_BID_FEE = 100;  // a bid of one hundred for a loan-listed player is a loan
constexpr int16_t POSITION_TEXT_BASE = 300;

// News kinds of a completed bid.
constexpr int NEWS_SIGNING = 0;          // "$0t have clinched the $0m signing of $1t $0g $0p."
constexpr int NEWS_LOAN_SIGNING = 4;     // "$1t have clinched the loan signing of $0t $0g $0p."
constexpr int NEWS_FREE_TRANSFER = 5;    // "$0t have signed $0n year old $0g $0p from $1t on a free transfer."
constexpr int NEWS_UNATTACHED_MOVE = 151;  // "$0n year old $0g $0p has successfully completed his move to $0t."

constexpr TransferLogEntry kEmptyLogEntry = {-1, -1, -1, -1, -1, -1, -1};

bool IsFirstManager(int16_t manager) { return manager == FIRST_MANAGER; }

// The first used sale slot, -1 none.
int FirstSale() {
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s)
    if (HumanDealTables.salePlayers[s] != -1) return s;
  return -1;
}

void FreeSale(int s) {
  HumanDealTables.salePlayers[s] = -1;
  HumanDealTables.saleClubs[s] = -1;
}

[[noreturn]] void AbortDeals(int line, const char* message) { AbortError(kAbortFile, line, message); }

// A price in hundreds as money, held at the limits of the int32 money word.
int32_t HundredsToMoney(int32_t hundreds) {
  return ClampMoney(static_cast<int64_t>(hundreds) * 100);
}

// The number a log entry keeps for a club: a world club's database number,
// the player's reserve slot for the reserve pool, other codes as they stand.
int16_t LogClubNumber(int16_t club, int16_t player) {
  if (club == PLAYER_CLUB_RESERVE_POOL) return Player_GetReserveSlot(player);
  if (club >= 0 && club < NUM_CLUBS) return Club_GetDbId(club);
  return club;
}

int SquadStatRecordOf(int16_t player) {
  for (int n = 0; n < SQUAD_STAT_RECORDS; ++n)
    if (SquadStatRecord_GetPlayer(n) == player) return n;
  return -1;
}

}  // namespace

void FuncsDeals_Reset() {
  std::fill(std::begin(HumanDealTables.saleClubs), std::end(HumanDealTables.saleClubs), int16_t{-1});
  std::fill(std::begin(HumanDealTables.salePlayers), std::end(HumanDealTables.salePlayers), int16_t{-1});
  std::fill(std::begin(HumanDealTables.contracts), std::end(HumanDealTables.contracts), int16_t{-1});
  std::fill(std::begin(HumanDealTables.approached), std::end(HumanDealTables.approached), int16_t{-1});
  CurrentHumanManager = FIRST_MANAGER;
  JobOfferingClub = -1;
  JobOfferPending = 0;
  SackedHumanManager = 0;
  SackingClub = -1;
  GNW_ClearTransferLog();
}

// ---------------------------------------------------------------------------
// Sales
// ---------------------------------------------------------------------------

void GNW_AddHumanSale(int16_t manager, int16_t player, int16_t club) {
  if (!IsFirstManager(manager) || player < 0) return;
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s) {
    if (HumanDealTables.salePlayers[s] != -1) continue;
    HumanDealTables.saleClubs[s] = club;
    HumanDealTables.salePlayers[s] = player;
    return;
  }
}

void GNW_RemoveHumanSale(int16_t player) {
  if (player < 0) return;
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s) {
    if (HumanDealTables.salePlayers[s] != player) continue;
    FreeSale(s);
    return;
  }
}

int16_t GNW_HasHumanSales() { return FirstSale() >= 0 ? 1 : 0; }

void GNW_ClearHumanSales() {
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s) FreeSale(s);
}

int16_t GNW_FindHumanSales(int16_t manager) {
  const int s = IsFirstManager(manager) ? FirstSale() : -1;
  if (s < 0) AbortDeals(kLineFindHumanSales, "GNW_FindHumanSales() Can't find player for that manager");
  return HumanDealTables.salePlayers[s];
}

int16_t GNW_FindHumanSalesTeam(int16_t manager) {
  const int s = IsFirstManager(manager) ? FirstSale() : -1;
  if (s < 0) AbortDeals(kLineFindHumanSalesTeam, "GNW_FindHumanSalesTeam() Can't find player for that manager");
  return HumanDealTables.saleClubs[s];
}

int16_t GNW_GetHumanSales(int16_t manager) {
  const int s = IsFirstManager(manager) ? FirstSale() : -1;
  if (s < 0) AbortDeals(kLineGetHumanSales, "GNW_GetHumanSales() Can't find player for that manager");
  return HumanDealTables.saleClubs[s];
}

int16_t GNW_GetHumanSalePlayer(int16_t manager) {
  const int s = IsFirstManager(manager) ? FirstSale() : -1;
  if (s < 0) AbortDeals(kLineGetHumanSalePlayer, "GNW_GetHumanSales() Can't find player for that manager");
  return HumanDealTables.salePlayers[s];
}

// ---------------------------------------------------------------------------
// Pending contracts and approaches
// ---------------------------------------------------------------------------

int16_t HumanDeals_AddPendingContract(int16_t manager, int16_t player) {
  if (!IsFirstManager(manager) || player < 0) return 0;
  for (int16_t pending : HumanDealTables.contracts)
    if (pending == player) return 1;
  for (int16_t& slot : HumanDealTables.contracts) {
    if (slot != -1) continue;
    slot = player;
    return 1;
  }
  return 0;
}

int16_t GNW_GetHumanContracts(int16_t manager) {
  if (IsFirstManager(manager))
    for (int16_t player : HumanDealTables.contracts)
      if (player != -1) return player;
  AbortDeals(kLineGetHumanContracts, "GNW_GetHumanContracts() Can't find player for that manager");
}

void GNW_RemovePendingContract(int16_t player) {
  if (player < 0) return;
  for (int16_t& slot : HumanDealTables.contracts) {
    if (slot != player) continue;
    slot = -1;
    return;
  }
}

int16_t GNW_HasPendingContracts() {
  for (int16_t player : HumanDealTables.contracts)
    if (player != -1) return 1;
  return 0;
}

void GNW_ClearPendingContracts() {
  std::fill(std::begin(HumanDealTables.contracts), std::end(HumanDealTables.contracts), int16_t{-1});
}

int16_t GNW_AddApproachedPlayer(int16_t manager, int16_t player) {
  int16_t* list = HumanDealTables.approached;
  if (!IsFirstManager(manager) || list[HUMAN_APPROACHED_SLOTS - 1] != -1) return 0;
  std::copy_backward(list, list + HUMAN_APPROACHED_SLOTS - 1, list + HUMAN_APPROACHED_SLOTS);
  list[0] = player;
  return 1;
}

int16_t GNW_IsPlayerNotApproached(int16_t manager, int16_t player) {
  if (IsFirstManager(manager))
    for (int16_t approached : HumanDealTables.approached)
      if (approached == player) return 0;
  return 1;
}

void GNW_ClearApproachedPlayers() {
  std::fill(std::begin(HumanDealTables.approached), std::end(HumanDealTables.approached), int16_t{-1});
}

void GNW_ClearHumanDealLists() {
  GNW_ClearApproachedPlayers();
  GNW_ClearPendingContracts();
  GNW_ClearHumanSales();
}

// ---------------------------------------------------------------------------
// Bids and offers
// ---------------------------------------------------------------------------

int16_t GNW_FindBidSlot(int16_t player) {
  const int16_t slot = BidInfo_FindPlayer(player);
  if (slot < 0) AbortDeals(kLineFindBidSlot, "GNW_FindBidSlot() Can't find player for that manager");
  return slot;
}

int16_t GNW_GetBidInfoPlayer(int16_t slot) { return BidInfo_GetPlayer(slot); }
int16_t GNW_FindBidInfoSlot(int16_t player) { return BidInfo_FindPlayer(player); }
int16_t GNW_FindFreeBidInfoSlot() { return BidInfo_FindFreeSlot(); }
void GNW_StartBidInfo(int16_t player, int16_t slot) { ClubSim.bidInfoStart(player, slot); }
void GNW_ClearBidInfo(int16_t slot) { BidInfo_Clear(slot); }

int16_t GNW_GetClubBidPlayer(int16_t club, int16_t slot) { return Club_GetBidPlayer(club, slot); }
int32_t GNW_GetClubBidPrice(int16_t club, int16_t slot) { return Club_GetBidPrice(club, slot); }
int16_t GNW_GetClubBidClause(int16_t club, int16_t slot) { return Club_GetBidClause(club, slot); }
void GNW_SetClubBid(int16_t club, int16_t slot, int16_t player, int32_t price, int16_t clause) {
  Club_SetBid(club, slot, player, price, clause);
}
void GNW_WithdrawClubBid(int16_t club, int16_t player) { ClubSim.clubBidWithdrawPlayer(club, player); }
int16_t GNW_CountBidsForPlayer(int16_t player, int16_t club) { return ClubSim.clubBidCountForPlayer(club, player); }

int16_t GNW_MakeTransferOffer(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause) {
  return ClubSim.makeTransferOffer(club, player, price, position, clause);
}

int32_t GNW_EvaluateBidForPlayer(int16_t player, int32_t askingPrice, int16_t turn, int16_t club, int16_t* patience,
                                 int16_t rounds, int16_t clause) {
  return ClubSim.evaluateBidForPlayer(player, askingPrice, turn, club, patience, rounds, clause);
}

int32_t GNW_EvaluatePlayerOffer(int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice,
                                int16_t turn, int16_t club, int16_t* patience, int16_t clause) {
  return ClubSim.evaluatePlayerOffer(player, offer, previousOffer, askingPrice, turn, club, patience, clause);
}

int16_t GNW_EvaluateContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                                  int32_t wage, int16_t* patience) {
  return ClubSim.evaluateContractOffer(player, club, months, brClause, rrClause, wage, patience);
}

int16_t GNW_ConcludeContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                                  int32_t wage, int16_t* patience) {
  return ClubSim.concludeContractOffer(player, club, months, brClause, rrClause, wage, patience);
}

int32_t GNW_GetPlayerValue(int16_t player) { return ClubSim.getPlayerValue(player); }
int32_t GNW_GetPlayerAskingPrice(int16_t player) { return ClubSim.getPlayerAskingPrice(player); }
int32_t GNW_GetPlayerManPrice(int16_t player) { return Player_GetManPrice(player); }
void GNW_SetPlayerManPrice(int16_t player, int32_t price) { Player_SetManPrice(player, price); }
int16_t GNW_GetPlayerSaleStatus(int16_t player) { return Player_GetSaleStatus(player); }
void GNW_SetPlayerSaleStatus(int16_t player, int16_t status) { Player_SetSaleStatus(player, status); }
int16_t GNW_GetPlayerBRClause(int16_t player) { return Player_GetBRClause(player); }
int16_t GNW_GetPlayerRRClause(int16_t player) { return Player_GetRRClause(player); }
void GNW_LoanPlayer(int16_t player, int16_t club) { ClubSim.loanPlayer(player, club); }

void GNW_TransferPlayer(int16_t player, int16_t club, int32_t fee, int16_t clause) {
  const int16_t human = GNW_GetHumanClub(CurrentHumanManager);
  if (human >= 0 && club == human) {
    // A player bought gets the first free statistics record (one is enough).
    if (SquadStatRecordOf(player) < 0) {
      const int n = SquadStatRecordOf(-1);
      if (n >= 0) SquadStatRecord_Reset(n, player);
    }
  } else if (human >= 0 && Player_GetClub(player) == human) {
    const int n = SquadStatRecordOf(player);
    if (n >= 0) SquadStatRecord_Reset(n, -1);
  }
  ClubSim.completeTransfer(player, club, fee, clause);
}

void GNW_CompleteHumanBid(int16_t player) {
  const int16_t slot = GNW_FindBidSlot(player);
  const int16_t club = GNW_GetHumanClub(CurrentHumanManager);
  if (club < 0) return;
  const int16_t present = Player_GetOnLoan(player) != 0 ? Player_GetLoanClub(player) : Player_GetClub(player);

  int32_t fee = 0;
  int16_t clause = 0;
  for (int s = 0; s < NUM_CLUB_BIDS; ++s) {
    if (Club_GetBidPlayer(club, s) != player) continue;
    fee = HundredsToMoney(Club_GetBidPrice(club, s));
    clause = Club_GetBidClause(club, s);
    break;
  }
  const int16_t positionText = static_cast<int16_t>(GNW_GetPositionType(player) + POSITION_TEXT_BASE);
  const int32_t age = GNW_GetPlayerAge(player);

  if (fee == LOAN_BID_FEE && Player_GetLoanList(player) != 0) {
    // Both wordings of the loan news name the lending club first and the
    // borrowing club second.
    SetNewsArgs(present, club, player, -1, -1, positionText, -1, age, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_LOAN_SIGNING), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
    ClubSim.loanPlayer(player, club);
  } else {
    int kind = fee != 0 ? NEWS_SIGNING : NEWS_FREE_TRANSFER;
    int16_t seller = present;
    if (present == PLAYER_CLUB_RESERVE_POOL) {
      kind = NEWS_SIGNING;
      seller = Player_GetReserveSlot(player);
    } else if (present >= NUM_CLUBS) {
      kind = NEWS_UNATTACHED_MOVE;
    }
    SetNewsArgs(club, seller, player, -1, fee, positionText, -1, age, -1);
    ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
    GNW_TransferPlayer(player, club, fee, clause);
  }
  BidInfo_Clear(slot);
  ClubSim.clubBidWithdrawPlayer(club, player);
}

void GNW_EndPlayerLoanSlots(int16_t player) {
  if (player < 0) return;  // no slot holds a negative player
  for (int16_t s = 0; s < NUM_LOANS; ++s) {
    if (Loan_GetPlayerNo(s) != player) continue;
    Player_SetOnLoan(player, 0);
    Player_SetLoanList(player, 0);
    Player_SetClub(player, Loan_GetLoanClub(s));
    Loan_SetLoanWeeks(s, 0);
    Loan_SetLoanClub(s, PLAYER_CLUB_NONE);
    Loan_SetPlayerNo(s, -1);
  }
}

// ---------------------------------------------------------------------------
// Job offers
// ---------------------------------------------------------------------------

int16_t GNW_GetJobOfferClub() { return ClubSim.getJobOfferClub(); }
int16_t GNW_GetJobOfferExpiry() { return ClubSim.getJobOfferExpiry(); }
int16_t GNW_GetJobOfferKind() { return ClubSim.getJobOfferKind(); }
void GNW_ClearJobOffer() { ClubSim.clearJobOffer(); }
int16_t GNW_GetJobOfferingClub() { return JobOfferingClub; }
int16_t GNW_GetJobOfferPending() { return JobOfferPending; }
void GNW_SetJobOfferPending(int16_t value) { JobOfferPending = value; }
int16_t GNW_GetSackedHumanManager() { return SackedHumanManager; }

int16_t GNW_ApplyForManagerJob(int16_t club, int16_t flag) {
  const int16_t managerPlayer = static_cast<int16_t>(CurrentHumanManager - 1);
  if (club < 0 || club >= NUM_CLUBS || managerPlayer < 0) return 0;
  if (club == SackingClub) return 0;
  const int32_t r = Player_GetReputation(managerPlayer), c = Club_GetRep(club);
  if (r > 2 * c) return 1;
  if (2 * r < c || flag == 0) return 0;
  ClubSim.applyForManagerJob(club);
  return 2;
}

int16_t GNW_ListManagerVacancies(int16_t* list) {
  int16_t count = 0;
  const int16_t divisions = GNW_CountCountryDivisions();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetFullRecord(club) == nullptr || Club_GetCountry(club) != GameCountry ||
        Club_GetDivision(club) > divisions)
      continue;
    const int16_t manager = ClubSim.getClubManager(club);
    if (manager != NO_MANAGER_PLAYER && Player_GetCaretaker(manager) == 0) continue;
    list[count++] = club;
  }
  std::fill(list + count, list + NUM_CLUBS, int16_t{-1});
  return count;
}

void GNW_ReleaseClubManager(int16_t club) { ClubSim.releaseClubManager(club); }

// ---------------------------------------------------------------------------
// The transfer log
// ---------------------------------------------------------------------------

void GNW_ClearTransferLog() {
  std::fill(std::begin(TransferLog), std::end(TransferLog), kEmptyLogEntry);
  // Written again from the ring's start, so entry 0 is the new game's first.
  TransferLogIndex = 0;
}

const TransferLogEntry* GNW_GetTransferLogEntry(int16_t n) {
  if (n < 0 || n >= TRANSFER_LOG_ENTRIES) return &kEmptyLogEntry;
  return &TransferLog[n];
}

void GNW_GetClubTransferTotals(int16_t club, int32_t* soldSum, int32_t* boughtSum, int16_t* soldCount,
                               int16_t* boughtCount) {
  *soldSum = *boughtSum = 0;
  *soldCount = *boughtCount = 0;
  if (club < 0 || club >= NUM_CLUBS) return;
  const int16_t db = Club_GetDbId(club);
  if (db == NO_DB_CLUB) return;
  int64_t sold = 0, bought = 0;
  int16_t soldN = 0, boughtN = 0;
  for (const TransferLogEntry& e : TransferLog) {
    if (e.buyingClub == db) {
      bought += e.fee;
      ++boughtN;
    } else if (e.sellingClub == db) {
      sold += e.fee;
      ++soldN;
    }
  }
  *soldSum = ClampMoney(sold);
  *boughtSum = ClampMoney(bought);
  *soldCount = soldN;
  *boughtCount = boughtN;
}

void TransferLog_Add(int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee) {
  if (TransferLogIndex < 0 || TransferLogIndex >= TRANSFER_LOG_ENTRIES) TransferLogIndex = 0;
  TransferLogEntry& e = TransferLog[TransferLogIndex];
  e.sellingClub = sellingClub;
  e.buyingClub = buyingClub;
  e.player = player;
  e.fee = fee;
  e.day = DayOfMonth;
  e.month = Month;
  e.year = Year;
  ++TransferLogIndex;
}

void TransferLog_Append(int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee) {
  TransferLog_Add(LogClubNumber(sellingClub, player), LogClubNumber(buyingClub, player), player, fee);
}

int16_t TransferLog_Count() {
  int16_t count = 0;
  for (const TransferLogEntry& e : TransferLog)
    if (e.buyingClub != -1) ++count;
  return count;
}

const TransferLogEntry* TransferLog_GetRecent(int16_t k) {
  if (k < 0 || k >= TransferLog_Count()) return nullptr;
  const int newest = TransferLogIndex - 1;
  return &TransferLog[((newest - k) % TRANSFER_LOG_ENTRIES + TRANSFER_LOG_ENTRIES) % TRANSFER_LOG_ENTRIES];
}
