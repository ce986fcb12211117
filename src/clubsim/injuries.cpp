#include "clubsim/injuries.h"

#include <algorithm>

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/contracts.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/transfers.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

namespace {

constexpr uint32_t Entry(uint32_t base, uint32_t contagious, uint32_t rarity) {
  return base | contagious << 8 | rarity << 9;
}

constexpr int BASE_TIME_MASK = 0xFF;
constexpr int CONTAGIOUS_BIT = 8;
constexpr int RARITY_SHIFT = 9;
constexpr uint32_t RARITY_MASK = 0x7FFF;

// News kinds.
constexpr int NEWS_INJURED = 31;
constexpr int NEWS_CALLED_IN_SICK = 32;
constexpr int NEWS_CAUGHT_ILLNESS = 33;
constexpr int NEWS_BACK_FROM_AWOL = 56;
constexpr int NEWS_RECOVERED_INJURY = 57;
constexpr int NEWS_RECOVERED_ILLNESS = 58;
constexpr int NEWS_BAN_BEGINS = 77;
constexpr int NEWS_BAN_SERVED = 78;
constexpr int NEWS_LOAN_OVER = 97;
constexpr int NEWS_FREE_TRANSFER = 143;
constexpr int NEWS_INJURED_IN_TRAINING = 148;
constexpr int NEWS_BOSMAN_MOVE = 157;

constexpr int16_t TEXT_POSITION_TYPE = 300;  // + position type 0-3

// Injury-list logging thresholds (time units).
constexpr int CLUB_EVENT_MIN_TIME = 9;
constexpr int CAREER_LOG_MIN_TIME = 4;
constexpr int16_t CLUB_EVENT_INJURY = 4;
constexpr int16_t CAREER_INJURY = 3;

// The injury countdown.
constexpr int HEAL_DICE = 7;
constexpr int FAITH_HEALER_CHANCE = 3;
constexpr int PHYSIO_DICE = 40;
constexpr int ILLNESS_HEAL_BONUS = 2;
constexpr int FITNESS_LOSS_PERCENT = 30;

// Squad sizes below which a club is spared an injury or an illness.
constexpr int CONTAGION_MIN_SQUAD = 16;
constexpr int TRAINING_INJURY_SQUAD = 20;  // above it any injury; else a short one
constexpr int MATCH_INJURY_SQUAD = 18;     // likewise
constexpr int SHORT_INJURY_TIME = 5;
constexpr int RECURRING_MIN_TIME = 20;
constexpr int STAT_RESILIENCE = 12;  // physical stat 12

// Contracts.
constexpr int RESERVE_CONTRACT = 24;
constexpr int MANAGER_CONTRACT = 12;
constexpr int CONTRACT_HOLD_SQUAD = 18;
constexpr int OLDEST_FREE_MOVER = 18;  // stored age
constexpr int WAGE_UNIT = 25;
constexpr int LEAGUE_DIVISIONS = 6;

constexpr int NO_LOAN_CLUB = 255;

bool FullRecord(int16_t p) { return p >= 0 && p < PlayerCount; }
bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

// The club's stored squad size; none for a number outside the world's clubs.
int16_t SquadSizeOf(int16_t club) { return WorldClub(club) ? getsquadsize(club) : int16_t{0}; }

int16_t Resilience(int16_t p) { return Player_GetPhysicalStat(p, STAT_RESILIENCE); }

// B + rand() % 2B: the time of a new injury or illness of the type.
int16_t RollTime(int16_t type) {
  const int base = InjuryType_BaseTime(type);
  return static_cast<int16_t>(base > 0 ? base + GameRandom() % (2 * base) : base);
}

// rand() % n for an n that a rarity may make 0.
int Roll(int n) { return GameRandom() % std::max(n, 1); }

int16_t PositionTypeText(int16_t p) {
  const int16_t position = Player_GetStoredPosition(p);
  const int type = position == 0 ? 0 : position <= 4 ? 1 : position <= 9 ? 2 : 3;
  return static_cast<int16_t>(TEXT_POSITION_TYPE + type);
}

// The news of a kind about one or two clubs, shown when one is the human's.
void Post(int kind, int16_t team0, int16_t team1, int16_t player0, int16_t player1, int16_t text0, int16_t text1,
          int32_t number0) {
  SetNewsArgs(team0, team1, player0, player1, -1, text0, text1, number0, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, team0, team1);
}

void MaybeRecurring(int16_t p, int16_t time) {
  if (time >= RECURRING_MIN_TIME && GameRandom() % 100 > Resilience(p)) Player_SetRecurringInjury(p, 1);
}

void ClearLoanSlot(int16_t slot) {
  Loan_SetLoanWeeks(slot, 0);
  Loan_SetLoanClub(slot, NO_LOAN_CLUB);
  Loan_SetPlayerNo(slot, -1);
}

// The club the player was lent to may want to keep him: a bid, or, when the
// club that lent him is human-run, an offer in that manager's pending sales.
void ConsiderBuyingLoanee(int16_t p, int16_t owner, int16_t borrower) {
  const int32_t budget = GetClubSpendingBudget(borrower);
  if (WorldClub(owner) && Club_GetControl(owner) != 0) {
    GNW_AddHumanSale(Club_GetControl(owner), p, borrower);
    return;
  }
  int32_t price = Player_GetManPrice(p);
  if (price == -1) price = Player_GetTxList(p) ? GetPlayerValue(p) : ClubSim.calcComputerOfferPrice(p, borrower);
  if (price < 0 || price > budget) return;
  const int16_t answer = BidInfo_FindFreeSlot();
  if (answer < 0) return;
  if (MakeTransferOffer(borrower, p, price, Player_GetStoredPosition(p), 0) < 0) return;
  if (BidInfo_FindPlayer(p) < 0) BidInfo_Start(p, answer);
}

void EndLoan(int16_t slot, int16_t p) {
  const int16_t owner = Loan_GetLoanClub(slot);
  const int16_t borrower = Player_GetClub(p);
  Post(NEWS_LOAN_OVER, borrower, owner, p, -1, PositionTypeText(p), -1, -1);
  if (WorldClub(borrower) && Club_GetControl(borrower) == 0 && Player_GetSaleStatus(p) == 0) {
    // The wage limit reads the borrower's list.
    BuildClubSquadList(borrower);
    if (Player_GetWage(p) * WAGE_UNIT < CalcClubMaxWage(borrower)) ConsiderBuyingLoanee(p, owner, borrower);
  }
  Player_SetOnLoan(p, 0);
  Player_SetLoanList(p, 0);
  Player_SetClub(p, owner);
  Player_SetShirt(p, 0);  // the borrower's shirt stays with the borrower
  ClearLoanSlot(slot);
}

// A contract in its last month at a club.
void ContractRunsOut(int16_t p, int16_t club) {
  BuildClubSquadList(club);
  if (SquadListLength < CONTRACT_HOLD_SQUAD) return;  // held until the club has the players
  if (Club_GetCountry(club) != GameCountry || Club_GetDivision(club) >= LEAGUE_DIVISIONS ||
      Player_GetAge(p) > OLDEST_FREE_MOVER) {
    Player_SetContract(p, 0);
    return;
  }
  if (Player_GetPosition(p) == POSITION_MANAGER || Player_GetBossvane(p)) {
    Player_SetContract(p, MANAGER_CONTRACT);
    return;
  }
  const int16_t newClub = ClubSim.findClubForPlayer(p);
  if (newClub < 0) {
    Player_SetContract(p, 0);
    if (Club_GetControl(club) != 0) Post(NEWS_FREE_TRANSFER, club, -1, p, -1, -1, -1, -1);
    return;
  }
  Post(NEWS_BOSMAN_MOVE, club, newClub, p, -1, PositionTypeText(p), -1, -1);
  CompleteTransfer(p, newClub, 0, 0);
  ++ClubSimCount.contractMoves;
  Player_SetBRClause(p, DecideBRClause(p, newClub));
  Player_SetRRClause(p, DecideRRClause(p, newClub));
  Player_SetWage(p, OfferedWage(p, newClub) / WAGE_UNIT);
  Player_SetContract(p, ContractLength(p, newClub));
  for (int16_t c = 0; c < NUM_CLUBS; ++c) ClubBid_WithdrawPlayer(c, p);
  for (int16_t entry = BidInfo_FindPlayer(p); entry >= 0; entry = BidInfo_FindPlayer(p)) BidInfo_Clear(entry);
}

// One match of a ban for every player at the club whose ban runs. The wait
// before a ban begins is the domestic ban's: a European ban keeps a player
// out of every European tie, so each of them serves it. Listed or not: a full
// squad list may have given a banned player's place to a reserve taken for
// the match, and he misses it all the same. The club's list is built.
void ServeBan(int16_t club, int16_t (*get)(int16_t), void (*set)(int16_t, int32_t), bool waits) {
  if (SquadListClub != club) BuildClubSquadList(club);
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(p + 1, club)) {
    if (!FullRecord(p)) continue;
    if ((waits && Player_GetBanwait(p) != 0) || get(p) <= 0) continue;
    const int16_t left = static_cast<int16_t>(get(p) - 1);
    set(p, left);
    if (left == 0) Post(NEWS_BAN_SERVED, club, -1, p, -1, -1, -1, -1);
  }
}

}  // namespace

const uint32_t InjuryTypeTable[NUM_INJURY_TYPES] = {
    0,                                                                           // absence without leave
    Entry(1, 1, 500),   Entry(1, 1, 100),   Entry(1, 0, 1000), Entry(25, 0, 10000),  // illnesses 1-7
    Entry(3, 0, 5000),  Entry(2, 0, 5000),  Entry(2, 0, 5000),
    Entry(1, 0, 100),   Entry(1, 0, 100),   Entry(1, 0, 100),  Entry(1, 0, 200),   // injuries 8-36
    Entry(1, 0, 100),   Entry(2, 0, 200),   Entry(52, 0, 5200), Entry(5, 0, 500),
    Entry(3, 0, 300),   Entry(1, 0, 500),   Entry(4, 0, 400),  Entry(2, 0, 200),
    Entry(4, 0, 400),   Entry(4, 0, 400),   Entry(8, 0, 800),  Entry(6, 0, 600),
    Entry(4, 0, 400),   Entry(20, 0, 2000), Entry(1, 0, 100),  Entry(1, 0, 100),
    Entry(1, 0, 100),   Entry(7, 0, 700),   Entry(8, 0, 800),  Entry(2, 0, 200),
    Entry(36, 0, 3600), Entry(2, 0, 200),   Entry(4, 0, 400),  Entry(2, 0, 200),
    Entry(12, 0, 1200),
};

int16_t InjuryType_BaseTime(int16_t type) {
  if (type < 0 || type >= NUM_INJURY_TYPES) return 0;
  return static_cast<int16_t>(InjuryTypeTable[type] & BASE_TIME_MASK);
}

int16_t InjuryType_IsContagious(int16_t type) {
  if (type < 0 || type >= NUM_INJURY_TYPES) return 0;
  return static_cast<int16_t>(InjuryTypeTable[type] >> CONTAGIOUS_BIT & 1);
}

int16_t InjuryType_Rarity(int16_t type) {
  if (type < 0 || type >= NUM_INJURY_TYPES) return 0;
  return static_cast<int16_t>(InjuryTypeTable[type] >> RARITY_SHIFT & RARITY_MASK);
}

void InjurePlayer(int16_t player, int16_t time, int16_t type, int16_t inTraining) {
  if (!FullRecord(player) || type < 0 || type >= NUM_INJURY_TYPES || Player_GetWage(player) == 0) return;
  // One slot a player: a player already out is not hurt twice.
  if (Player_GetInFlag(player) || InjuryList_FindPlayer(player) >= 0) return;
  int16_t slot = -1;
  for (int16_t s = 0; s < NUM_PATIENTS && slot < 0; ++s)
    if (Patient_GetPlayerNo(s) == -1) slot = s;
  if (slot < 0) return;

  // A time of 0 would never run out.
  time = std::clamp<int16_t>(time, 1, MAX_INJURY_TIME);
  const int16_t club = Player_GetClub(player);
  if (time >= CLUB_EVENT_MIN_TIME) ClubEventLog_Add(player, club, 0, type, CLUB_EVENT_INJURY);
  if (time >= CAREER_LOG_MIN_TIME) PlayerCareerLog_Add(player, Club_GetDbId(club), 0, type, CAREER_INJURY);

  Player_SetInFlag(player, 1);
  Patient_SetPlayerNo(slot, player);
  Patient_SetInjuryTime(slot, time);
  Patient_SetInjuryType(slot, type);
  int32_t& count = type == INJURY_TYPE_AWOL       ? ClubSimCount.awol
                   : type < FIRST_INJURY_TYPE ? ClubSimCount.illnesses
                                              : ClubSimCount.injuries;
  ++count;

  if (type == INJURY_TYPE_AWOL) return;
  const int kind = type < FIRST_INJURY_TYPE ? NEWS_CALLED_IN_SICK : inTraining ? NEWS_INJURED_IN_TRAINING : NEWS_INJURED;
  Post(kind, club, -1, player, -1, -1, static_cast<int16_t>(TEXT_INJURY_PHRASE + type), -1);
}

void InjuryList_FreeSlot(int16_t slot) {
  if (slot < 0 || slot >= NUM_PATIENTS) return;
  const int16_t player = Patient_GetPlayerNo(slot);
  Patient_SetPlayerNo(slot, -1);
  Patient_SetInjuryType(slot, 0);
  Patient_SetInjuryTime(slot, 0);
  if (FullRecord(player)) Player_SetInFlag(player, 0);
}

void InjuryCountdown() {
  for (int16_t slot = 0; slot < NUM_PATIENTS; ++slot) {
    int16_t time = Patient_GetInjuryTime(slot);
    if (time <= 0) continue;
    const int16_t p = Patient_GetPlayerNo(slot);
    if (!FullRecord(p)) {
      InjuryList_FreeSlot(slot);
      continue;
    }
    const int16_t type = Patient_GetInjuryType(slot);
    const int16_t club = Player_GetClub(p);

    int dice = HEAL_DICE;
    if (Club_GetFaithContract(club) > 0 && GameRandom() % FAITH_HEALER_CHANCE == 0) --dice;
    const int physio = Club_GetPhysioContract(club) > 0 ? Club_GetPhysio(club) : 0;
    if (GameRandom() % PHYSIO_DICE < physio) --dice;
    if (type < FIRST_INJURY_TYPE) dice -= ILLNESS_HEAL_BONUS;
    if (GameRandom() % dice == 1) {
      --time;
      if (InjuryType_IsContagious(type)) Contagion(p, type);
    } else if (GameRandom() % 100 < FITNESS_LOSS_PERCENT) {
      Player_SetFitness(p, std::max(0, Player_GetFitness(p) - 1));
    }

    Patient_SetInjuryTime(slot, time);
    if (time > 0) continue;
    if (WorldClub(club)) {
      const auto phrase = static_cast<int16_t>(TEXT_INJURY_PHRASE + type);
      if (type == INJURY_TYPE_AWOL)
        Post(NEWS_BACK_FROM_AWOL, club, -1, p, -1, PositionTypeText(p), -1, -1);
      else
        Post(type < FIRST_INJURY_TYPE ? NEWS_RECOVERED_ILLNESS : NEWS_RECOVERED_INJURY, club, -1, p, -1, -1, phrase,
             -1);
    }
    InjuryList_FreeSlot(slot);
  }
}

void Contagion(int16_t player, int16_t type) {
  if (!FullRecord(player)) return;
  const int16_t club = Player_GetClub(player);
  if (!WorldClub(club)) return;
  for (int16_t q = Player_NextAtClub(0, club); q >= 0; q = Player_NextAtClub(static_cast<int16_t>(q + 1), club)) {
    if (q == player || Player_GetPosition(q) == POSITION_MANAGER) continue;
    if (Player_GetWage(q) == 0 || Player_GetInFlag(q) || Player_IsUnavailable(q)) continue;
    if (GameRandom() % (Resilience(q) / 2 + 1) != 0) continue;
    const int16_t time = RollTime(type);
    if (Roll(InjuryType_Rarity(type) / 4) != 0 || getsquadsize(club) < CONTAGION_MIN_SQUAD) continue;
    Post(NEWS_CAUGHT_ILLNESS, club, -1, q, player, -1, static_cast<int16_t>(TEXT_INJURY_PHRASE + type), -1);
    InjurePlayer(q, time, type, 0);
  }
}

void TrainingInjuryCheck(int16_t player) {
  if (!FullRecord(player)) return;
  if (GameRandom() % (Resilience(player) / 2 + 1) != 0) return;
  const auto type = static_cast<int16_t>(GameRandom() % (LAST_INJURY_TYPE - FIRST_INJURY_TYPE + 1) + FIRST_INJURY_TYPE);
  int rarity = InjuryType_Rarity(type) / 2;
  if (Player_GetRecurringInjury(player)) rarity /= 10;
  const int16_t time = RollTime(type);
  if (rarity > 1) rarity /= 4;
  if (Roll(rarity) != 0) return;
  if (SquadSizeOf(Player_GetClub(player)) <= TRAINING_INJURY_SQUAD && time > SHORT_INJURY_TIME) return;
  InjurePlayer(player, time, type, 1);
  MaybeRecurring(player, time);
}

void MatchInjury(int16_t player, int16_t club) {
  if (!FullRecord(player)) return;
  for (int16_t type = FIRST_INJURY_TYPE; type <= LAST_INJURY_TYPE; ++type) {
    if (Roll(InjuryType_Rarity(type) / 10) != 0) continue;
    const int16_t time = RollTime(type);
    if (SquadSizeOf(club) > MATCH_INJURY_SQUAD || time <= SHORT_INJURY_TIME) {
      InjurePlayer(player, time, type, 0);
      MaybeRecurring(player, time);
    }
    return;
  }
}

void LoanExpiryStep() {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    const int16_t p = Loan_GetPlayerNo(slot);
    if (p == -1) continue;
    if (!FullRecord(p)) {
      ClearLoanSlot(slot);
      continue;
    }
    const int weeks = Loan_GetLoanWeeks(slot) - 1;
    if (weeks > 0) {
      Loan_SetLoanWeeks(slot, weeks);
      continue;
    }
    EndLoan(slot, p);
  }
}

void ContractCountdown() {
  for (int16_t p = 1; p < PlayerCount; ++p) {
    const int16_t contract = Player_GetContract(p);
    const int16_t left = static_cast<int16_t>(contract > 0 ? contract - 1 : 0);
    if (Player_GetReserveSlot(p) != -1) {
      Player_SetContract(p, RESERVE_CONTRACT);
      continue;
    }
    if (left == 0) Player_SetSaleStatus(p, 0);
    const int16_t club = Player_GetClub(p);
    if (WorldClub(club) && contract == 1) {
      ContractRunsOut(p, club);
      continue;
    }
    Player_SetContract(p, left);
  }
  ClubSim.staffContractCountdown();
}

void BanWaitCountdown() {
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t wait = Player_GetBanwait(p);
    if (wait <= 0) continue;
    Player_SetBanwait(p, wait - 1);
    const int16_t matches = Player_GetSuspension(p);
    if (wait == 1 && matches > 0) Post(NEWS_BAN_BEGINS, Player_GetClub(p), -1, p, -1, -1, -1, matches);
  }
}

void ServeSuspension(int16_t club) { ServeBan(club, Player_GetSuspension, Player_SetSuspension, true); }
void ServeEuroBan(int16_t club) { ServeBan(club, Player_GetEuroBan, Player_SetEuroBan, false); }
