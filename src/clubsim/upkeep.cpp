#include "clubsim/upkeep.h"

#include <algorithm>

#include "clubsim/bids.h"
#include "clubsim/compbids.h"
#include "clubsim/contracts.h"
#include "clubsim/injuries.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/staffhire.h"
#include "clubsim/staffpool.h"
#include "clubsim/teamsel.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/history.h"
#include "world/honours.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

const int32_t OverdraftLimit[6] = {5000000, 2000000, 1000000, 500000, 50000, 50000};
int32_t HumanWagesPaid = 0;

namespace {

constexpr int16_t MATCH_SHIRTS = 11;
constexpr int16_t LAST_SHIRT = 16;
constexpr int32_t WAGE_UNIT = 25;
constexpr int16_t WAGES_AFTER_POSTDATE = 35;
constexpr int STAT_PATIENCE = 17;
constexpr int SHOPPING_CHANCE = 20;
constexpr int16_t TRANSFER_DAY_COMPETITION = 0;

constexpr int NEWS_LEFT_OUT = 80;
constexpr int NEWS_RELISHING = 81;
constexpr int NEWS_DEBUT = 98;

constexpr int TEAMWORK_DECAY_PERCENT = 35;
constexpr int SET_PIECE_DECAY_PERCENT = 25;

constexpr int FIRST_DROPPED_KIND = 9;
constexpr int LAST_DROPPED_KIND = 13;

struct ManagerEntry {
  int16_t kind, a, b;
};
ManagerEntry gManagerList[MANAGER_LIST_SIZE];

bool AbsentWithoutLeave(int16_t player) {
  const int16_t slot = InjuryList_FindPlayer(player);
  return slot >= 0 && Patient_GetInjuryType(slot) == INJURY_TYPE_AWOL;
}

bool IsManager(int16_t player) {
  return Player_GetPosition(player) == POSITION_MANAGER || Player_GetManager(player) != 0;
}

void News(int kind, int16_t club, int16_t player) {
  SetNewsArgs(club, -1, player, -1, -1, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

int32_t Decayed(int32_t value, int percent) { return value - value * percent / 100; }

bool ValidEntry(int16_t entry) { return entry >= 0 && entry < MANAGER_LIST_SIZE; }

}  // namespace

void ComputerSquadUpkeep(int16_t club, int16_t allowed) {
  CurrentManager = GetClubManager(club);
  BuildClubSquadList(club);
  if (IsTeamComplete(club, MATCH_SHIRTS) != 0) SelectMatchTeam(club, TRANSFER_DAY_COMPETITION, 0, 0);
  if (allowed != 0 && GameRandom() % SHOPPING_CHANCE == 1 && MoneyPool > SHOPPING_POOL_MINIMUM)
    ComputerSquadBuying(club);
  RenewSquadContracts(club);
}

void ComputerSquadBuying(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return;
  const int32_t target = Club_GetRep(club) / 5 + 16;
  for (int period = 0; period < NUM_DEADLINE_PERIODS; ++period)
    if (DeadlinePeriodInForce(period, DayOfSeason)) return;
  const int32_t budget = GetClubSpendingBudget(club);
  const int32_t maxWage = CalcClubMaxWage(club);
  EnsureSquadListOf(club);
  // A squad at or above its target size buys nobody.
  if (SquadListLength >= target) return;
  AnalyseSquad(club);
  const int32_t need = FindSquadNeed(club);
  if (need == NO_SQUAD_NEED) return;
  const int32_t wanted = need + need * 3 / 100;

  bool firstVariant = true;
  int16_t p = PickBidTarget(wanted, club, 0, 1, budget, maxWage);
  if (p < 0) {
    firstVariant = false;
    p = PickBidTarget(wanted, club, 0, 0, budget, maxWage);
  }
  if (p < 0) return;

  // The big-club release: a bigger buyer (by the same size score on both
  // sides) frees a player with the clause.
  const int16_t owner = PlayerOwningClub(p);
  const bool ownerIsClub = owner >= 0 && owner < NUM_CLUBS;
  const bool released = Player_GetBRClause(p) != 0 && ownerIsClub && BidderStanding(club) < BidderStanding(owner);
  if (ownerIsClub && Club_GetControl(owner) != 0 && !released) {
    GNW_AddHumanSale(Club_GetControl(owner), p, club);
    return;
  }

  int32_t price = firstVariant ? GetPlayerValue(p) : CalcComputerOfferPrice(p, club);
  if (price < 0) return;
  const bool loanListed = Player_GetLoanList(p) != 0;
  if (price > budget && !loanListed) return;
  if (loanListed && price >= budget) price = LOAN_BID_PRICE;

  const int16_t answer = BidInfo_FindFreeSlot();
  if (answer < 0) return;
  if (MakeTransferOffer(club, p, price, TransferWork.bidPosition, 0) < 0) return;
  if (BidInfo_FindPlayer(p) < 0) BidInfo_Start(p, answer);
}

void PayWeeklyWages() {
  if (DayOfSeason > Postdate + WAGES_AFTER_POSTDATE) return;
  for (int16_t player = 0; player < PlayerCount; ++player) {
    const int16_t club = Player_GetClub(player);
    if (!Club_IsGameCountryLeagueClub(club) || IsManager(player) || AbsentWithoutLeave(player)) continue;
    const int16_t division = Club_GetDivision(club);
    if (Club_GetBalance(club) > -OverdraftLimit[division]) {
      const int64_t wage = static_cast<int64_t>(Player_GetWage(player)) * WAGE_UNIT;
      const auto pay = static_cast<int32_t>(wage);
      Club_AddToBalance(club, -pay);
      Club_AddToBalance(PLAYER_CLUB_NONE, pay);
      Club_SetTotalWages(club, static_cast<int32_t>(std::min<int64_t>(Club_GetTotalWages(club) + wage, INT32_MAX)));
      if (Club_GetControl(club) != 0)
        HumanWagesPaid = static_cast<int32_t>(std::min<int64_t>(HumanWagesPaid + wage, INT32_MAX));
    } else if (Player_GetWage(player) != 0) {
      Player_RequestTransfer(player);
      Player_SetMorale(player, Player_GetMorale(player) * Player_GetPersonalityStat(player, STAT_PATIENCE) / 200);
    }
  }
  PayStaffWages();
}

void SelectionMorale(int16_t club) {
  if (!Club_IsGameCountryLeagueClub(club)) return;
  const int32_t leagueClubs = std::max<int32_t>(CountLeagueClubs(), 1);
  const int32_t standing = 100 - Club_GetOverallRank(club) * 100 / leagueClubs;
  const bool matchToday = Fixture_FindClubMatchOnDay(club, DayOfSeason) >= 0;
  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t player = SquadList[i];
    if (player < 0 || player >= PlayerCount || Player_GetClub(player) != club) continue;
    if (Player_GetInFlag(player) != 0 || Player_IsUnavailable(player) != 0 || Player_IsUnderSuspension(player) != 0)
      continue;
    if (Player_GetBossvane(player) != 0 || IsManager(player)) continue;
    const int32_t ability = Player_GetAbilityCurve(player) * 100 / 250;
    const int16_t shirt = Player_GetShirt(player);
    const bool listed = Player_GetTxList(player) != 0;
    if (shirt == 0) {
      if (!(ability > standing * 100 / 75 || listed)) continue;
      const int32_t fall =
          std::max<int32_t>((200 - Player_GetPersonalityStat(player, STAT_PATIENCE)) * (ability - standing) / 200, 1);
      const int32_t r = listed ? Player_GetReputation(player) / 3 + 2 : Player_GetReputation(player) + 2;
      if (GameRandom() % r == 0) {
        Player_ChangeMorale(player, -fall);
        if (GameRandom() % 10 == 0) News(NEWS_LEFT_OUT, club, player);
      }
    } else if (shirt <= MATCH_SHIRTS) {
      if (Player_GetWage(player) != 0 && matchToday && SeasonCounter > 0 &&
          PlayerCareerLog_HasClub(player, Club_GetDbId(club)) == 0)
        News(NEWS_DEBUT, club, player);
      const int16_t careerApps = Player_GetCareerApps(player);
      if (ability <= standing / 2 && careerApps >= 1 && careerApps <= 19) {
        Player_ChangeMorale(player, (standing / 2 - ability) / 2);
        if (GameRandom() % 20 == 0) News(NEWS_RELISHING, club, player);
      } else {
        Player_ChangeMorale(player, 5);
      }
    } else if (shirt <= LAST_SHIRT && ability <= standing / 2) {
      Player_ChangeMorale(player, 5);
    }
  }
}

void DecayClubRatings() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    Club_SetTeamwork(club, Decayed(Club_GetTeamwork(club), TEAMWORK_DECAY_PERCENT));
    Club_SetSetPieces1(club, Decayed(Club_GetSetPieces1(club), SET_PIECE_DECAY_PERCENT));
    Club_SetSetPieces3(club, Decayed(Club_GetSetPieces3(club), SET_PIECE_DECAY_PERCENT));
    Club_SetSetPieces2(club, Decayed(Club_GetSetPieces2(club), SET_PIECE_DECAY_PERCENT));
  }
}

void TurnOverStaffCandidates() {
  const int target = STAFF_CANDIDATES_AVAILABLE - (GameRandom() % 4 + 2);
  while (StaffCandidate_CountAvailable() > target) {
    const int n = GameRandom() % NUM_STAFF_CANDIDATES;
    StaffCandidateAvailable[n] = 0;
  }
  while (StaffCandidate_CountAvailable() < STAFF_CANDIDATES_AVAILABLE) {
    const int n = GameRandom() % NUM_STAFF_CANDIDATES;
    StaffCandidateAvailable[n] = 1;
  }
}

void ManagerList_Clear() {
  for (ManagerEntry& e : gManagerList) e = ManagerEntry{0, 0, 0};
}

int16_t ManagerList_FindFree(int16_t /*manager*/) {
  for (int16_t entry = 0; entry < MANAGER_LIST_SIZE; ++entry)
    if (gManagerList[entry].kind == 0) return entry;
  return -1;
}

void ManagerList_Set(int16_t /*manager*/, int16_t entry, int16_t kind, int16_t a, int16_t b) {
  if (ValidEntry(entry)) gManagerList[entry] = ManagerEntry{kind, a, b};
}

int16_t ManagerList_GetKind(int16_t /*manager*/, int16_t entry) {
  return ValidEntry(entry) ? gManagerList[entry].kind : 0;
}
int16_t ManagerList_GetA(int16_t /*manager*/, int16_t entry) { return ValidEntry(entry) ? gManagerList[entry].a : 0; }
int16_t ManagerList_GetB(int16_t /*manager*/, int16_t entry) { return ValidEntry(entry) ? gManagerList[entry].b : 0; }

void ManagerList_DropKinds(int16_t /*manager*/) {
  for (ManagerEntry& e : gManagerList)
    if (e.kind >= FIRST_DROPPED_KIND && e.kind <= LAST_DROPPED_KIND) e.kind = 0;
}

void Upkeep_Reset() {
  ManagerList_Clear();
  HumanWagesPaid = 0;
}
REGISTER_RESET(RESET_CLUBSIM, Upkeep_Reset);
