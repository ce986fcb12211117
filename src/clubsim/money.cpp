// The club money events.
#include "clubsim/money.h"

#include <algorithm>

#include "clubsim/boards.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/transferday.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/textmess.h"

const int32_t SponsorshipBase[NUM_SPONSOR_COUNTRIES][NUM_MONEY_EVENT_DIVISIONS] = {
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 0
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 1
    {10000000, 4000000, 1000000, 1000000, 200000, 100000},    // 2
    {10000000, 4000000, 1000000, 1000000, 1000000, 1000000},  // 3
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 4
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 5
    {10000000, 4000000, 1000000, 500000, 500000, 100000},     // 6
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 7
    {10000000, 4000000, 1000000, 500000, 200000, 100000},     // 8
};

const int32_t WindfallTable[NUM_MONEY_EVENT_DIVISIONS][WINDFALL_CHOICES] = {
    {10000000, 9000000, 8000000, 7000000, 6000000, 5000000, 4000000, 3000000, 2000000, 1000000},
    {5000000, 4500000, 4000000, 3500000, 3000000, 2500000, 2000000, 1500000, 1000000, 5000000},
    {2000000, 1750000, 1500000, 1250000, 1000000, 800000, 650000, 500000, 350000, 200000},
    {750000, 700000, 650000, 600000, 520000, 480000, 360000, 240000, 120000, 50000},
    {200000, 175000, 150000, 125000, 100000, 80000, 60000, 40000, 20000, 10000},
    {200000, 175000, 150000, 125000, 100000, 80000, 60000, 40000, 20000, 10000},
};

const int32_t DebtLimit[NUM_MONEY_EVENT_DIVISIONS] = {5000000, 2000000, 1000000, 500000, 50000, 50000};

int32_t HumanSponsorshipTotal = 0;
int32_t HumanWindfallTotal = 0;
int32_t HumanOutgoingsTotal = 0;

namespace {

constexpr int32_t SPONSOR_SCALE = 200;
// A rich club gives up 10 % and a random 0-14 % more of its balance.
constexpr int32_t SHARE_LEAST_PERCENT = 10;
constexpr int SHARE_EXTRA_PERCENTS = 15;

constexpr int NEWS_BAILED_OUT_SACKING = 8;
constexpr int NEWS_NEW_CHAIRMAN = 9;
constexpr int NEWS_SPONSORSHIP = 100;
constexpr int NEWS_FINANCES_CRITICAL = 137;
constexpr int NEWS_BOARD_STAKE_WITHDRAWN = 164;

// A league club of the game country (every one has a full record).
bool LeagueClub(int16_t club) { return Club_IsFullGameCountryLeagueClub(club); }

bool HumanRun(int16_t club) { return Club_GetControl(club) != 0; }

int32_t ClampMoney(int64_t amount) { return static_cast<int32_t>(std::clamp<int64_t>(amount, INT32_MIN, INT32_MAX)); }

void AddTo(int32_t& total, int64_t amount) { total = ClampMoney(total + amount); }

// The club gains the amount from the pool (a negative amount: pays it). A
// payment of nothing is not made.
void FromPool(int16_t club, int32_t amount) {
  if (amount == 0) return;
  Club_AddToBalance(club, amount);
  Club_AddToBalance(PLAYER_CLUB_NONE, -amount);
}

void AddMiscIn(int16_t club, int64_t amount) { Club_SetMiscIn(club, ClampMoney(Club_GetMiscIn(club) + amount)); }
void AddMiscOut(int16_t club, int64_t amount) { Club_SetMiscOut(club, ClampMoney(Club_GetMiscOut(club) + amount)); }

// 10-24 % of the balance, by a roll.
int32_t RandomShare(int32_t balance) {
  const int64_t percent = SHARE_LEAST_PERCENT + GameRandom() % SHARE_EXTRA_PERCENTS;
  return ClampMoney(int64_t{balance} * percent / 100);
}

void News(int kind, int16_t club, int16_t player, int32_t money) {
  SetNewsArgs(club, -1, player, -1, money, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

// The pool tax's term in the bail-out: 100 % at the base tax, 5 % less per point above it.
int64_t PoolTaxPercent() { return 100 - 5 * (int64_t{MoneyRate2} - POOL_TAX_BASE); }

// The manager of a club in crisis is sacked: he leaves with the club's
// number in his wage field (so it will not have him back), unless he is a
// playing manager, and the club is run by the computer from now on.
void SackCrisisManager(int16_t club) {
  const int16_t manager = GetClubManager(club);
  if (manager != NO_MANAGER_PLAYER) {
    News(NEWS_BAILED_OUT_SACKING, club, manager, -1);
    if (Player_GetPosition(manager) == POSITION_MANAGER) Player_SetWage(manager, club);
    Player_SetClub(manager, PLAYER_CLUB_NONE);
    Player_SetCaretaker(manager, 0);
    Player_SetBossvane(manager, 0);
  }
  Club_SetControl(club, 0);
}

// Half the value of the club's listed players who have a wage.
int64_t HalfPaidSquadValue(int16_t club) {
  BuildClubSquadList(club);
  int64_t total = 0;
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p >= 0 && Player_GetWage(p) != 0) total += GetPlayerValue(p);
  }
  return total / 2;
}

}  // namespace

void PayClubSponsorship() {
  if (GameCountry < 0 || GameCountry >= NUM_SPONSOR_COUNTRIES) return;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClub(club)) continue;
    CurrentManager = GetClubManager(club);
    const int16_t division = Club_GetDivision(club);
    const int64_t scores = int64_t{ClubSim.calcRepRankScore(club)} + CalcClubSeasonFormScore(club) +
                           ClubSim.calcFinanceScore(club);
    const int32_t v = ClampMoney(scores * (SponsorshipBase[GameCountry][division] / SPONSOR_SCALE));
    Club_SetWeeksSponsorship(club, v);
    FromPool(club, v);
    if (!HumanRun(club)) continue;
    const int16_t place = static_cast<int16_t>(LeagueTable[club].position + 1);
    const int16_t expected = Club_GetRepPlace(club);
    if (place <= expected) {
      AddTo(HumanSponsorshipTotal, v);
      News(NEWS_SPONSORSHIP, club, -1, v);
    } else if (CurrentManager != NO_MANAGER_PLAYER) {
      Player_SetReputation(CurrentManager, Player_GetReputation(CurrentManager) - (place - expected));
    }
  }
}

void BoardResignationEvent() {
  BuildClubProcessingList();
  for (int16_t club : ClubProcessingList) {
    if (!LeagueClub(club) || HumanRun(club)) continue;
    const int32_t balance = Club_GetBalance(club);
    if (balance <= BOARD_STAKE_BALANCE) continue;
    const int32_t stake = RandomShare(balance);
    FromPool(club, -stake);
    News(NEWS_BOARD_STAKE_WITHDRAWN, club, -1, stake);
  }
}

void NewChairmanWindfallEvent() {
  // The draw below ends only when a league club exists.
  bool anyLeagueClub = false;
  for (int16_t club = 0; club < NUM_CLUBS && !anyLeagueClub; ++club) anyLeagueClub = LeagueClub(club);
  if (anyLeagueClub) {
    int16_t club;
    do club = static_cast<int16_t>(GameRandom() % NUM_CLUBS);
    while (!LeagueClub(club));
    const int32_t w = WindfallTable[Club_GetDivision(club)][GameRandom() % WINDFALL_CHOICES];
    FromPool(club, w);
    AddMiscIn(club, w);
    if (HumanRun(club)) AddTo(HumanWindfallTotal, w);
    ++ClubSimCount.windfalls;
    News(NEWS_NEW_CHAIRMAN, club, -1, -1);
  }

  const int64_t threshold = BOARD_STAKE_BALANCE - (int64_t{MoneyRate2} - POOL_TAX_BASE) * LEVY_STEP_PER_TAX_POINT;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClub(club) || HumanRun(club) || Club_GetBalance(club) <= threshold) continue;
    const int32_t levy = WindfallTable[Club_GetDivision(club)][GameRandom() % WINDFALL_CHOICES];
    FromPool(club, -levy);
    AddMiscOut(club, levy);
  }
}

void ApplyClubInterestAndDebt() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClub(club)) continue;
    const int16_t division = Club_GetDivision(club);
    if (Club_GetBalance(club) < 0) {
      const int64_t interest = -int64_t{Club_GetBalance(club)} * InterestRate / 100;
      FromPool(club, -ClampMoney(interest));
      if (Club_GetBalance(club) < 0 && HumanRun(club)) News(NEWS_FINANCES_CRITICAL, club, -1, -1);
    }
    if (Club_GetBalance(club) < -DebtLimit[division]) {
      const int64_t debt = -int64_t{Club_GetBalance(club)};
      if (HalfPaidSquadValue(club) < debt) {
        const int32_t rescue = ClampMoney(debt * 2 * PoolTaxPercent() / 100);
        FromPool(club, rescue);
        AddMiscIn(club, rescue);
        ++ClubSimCount.bailouts;
        SackCrisisManager(club);
      }
    }
    const int32_t balance = Club_GetBalance(club);
    if (balance > RICH_CLUB_BALANCE) {
      const int32_t levy = RandomShare(balance);
      FromPool(club, -levy);
      if (HumanRun(club)) AddTo(HumanOutgoingsTotal, levy);
    }
  }
}

void Money_Reset() {
  HumanSponsorshipTotal = 0;
  HumanWindfallTotal = 0;
  HumanOutgoingsTotal = 0;
}
REGISTER_RESET(RESET_CLUBSIM, Money_Reset);
