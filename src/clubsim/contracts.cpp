#include "clubsim/contracts.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/clubsvc.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/valuation.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

namespace {

constexpr int16_t kShortSquad = 16;
constexpr int32_t kNoShirtedWage = 50000;
constexpr int16_t kAugust = 7;
constexpr int kNewsExtension = 141;
constexpr int kNewsNewContract = 142;

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }
bool Shirted(int16_t player) { return Player_GetShirt(player) != 0; }
bool Starter(int16_t player) {
  const int16_t shirt = Player_GetShirt(player);
  return shirt >= 1 && shirt <= 11;
}
int32_t Personality(int16_t player, int stat) { return Player_GetPersonalityStat(player, stat); }

// Months the contract has run from a term of `term` months, counted only for
// a player of the club (0 elsewhere or when he has more than the term left).
int32_t MonthsRun(int16_t player, int16_t club, int32_t term) {
  const int32_t k = term - Player_GetContract(player);
  return Player_GetClub(player) == club && k > 0 ? k : 0;
}

// A club's standing in the market, lower is stronger: as the bidder (rank
// less reputation; a foreign club 50 - 2 x reputation) or as the club a
// player would leave (20 more).
int32_t BidderStanding(int16_t club) {
  if (Club_GetCountry(club) != GameCountry) return 50 - 2 * Club_GetRep(club);
  return Club_GetOverallRank(club) - Club_GetRep(club);
}
int32_t OwnerStanding(int16_t club) {
  if (Club_GetCountry(club) != GameCountry) return 70 - 2 * Club_GetRep(club);
  return Club_GetOverallRank(club) + 20 - Club_GetRep(club);
}

enum class Rules { Evaluate, Conclude };

// Both judgements of an offer; the differences of a deal being closed are
// marked. All divisions truncate.
int16_t JudgeOffer(Rules rules, int16_t player, int16_t club, int32_t months, int16_t brClause, int16_t rrClause,
                   int32_t wage, int16_t* patienceOut) {
  const bool conclude = rules == Rules::Conclude;
  const int16_t own = Player_GetClub(player);
  const bool renewal = own == club;
  const int16_t manager = GetClubManager(club);
  const int32_t leagueClubs = std::max<int32_t>(CountLeagueClubs(), 1);
  const int country = GameCountry >= 0 && GameCountry < NUM_MONEY_COUNTRIES ? GameCountry : 0;
  const int32_t scale = std::max<int32_t>(DivisionWageScale[country][MoneyDivision(club)], 1);
  const int32_t morale = Player_GetMorale(player);
  const int32_t stat17 = Personality(player, 17);
  const int32_t managerStat17 = Personality(manager, 17);
  const int64_t presentWage = int64_t{25} * Player_GetWage(player);
  const int64_t demand = GetPlayerWageDemand(player, club);

  int64_t against = 0, favour = 0;
  int64_t tolerance = 100 - Personality(player, 18);
  if (morale < 30 && !renewal) tolerance -= 30 - morale;
  if (renewal && Player_GetContract(player) + months >= 48 && stat17 < managerStat17)
    against += (200 - stat17) * 100 / 200;

  // The rank test: a player better than the club's place in the league wants
  // the buy-out clause, or more.
  const int32_t rank = 100 - Club_GetOverallRank(club) * 100 / leagueClubs;
  const int32_t ability = Player_GetAbilityCurve(player) * 200 / 250;

  if (renewal) {
    const int32_t moralePercent = morale * 100 / 60;
    if (moralePercent < 40) against += (70 - moralePercent) * 100 / 60;
    if (moralePercent > 70) {
      const int32_t content = (moralePercent - 40) * 100 / 60;
      favour += conclude ? content * 2 : content / 2;
    }
    if (demand > wage) {
      if (presentWage - wage > 0) against += presentWage - wage;
      against += (demand - wage) / scale;
    } else {
      favour += (wage - demand) / scale * 8;
    }
    if (stat17 < managerStat17 && rrClause == 0 && months > 12) against += (managerStat17 - stat17) * 100 / 200;
    if (ability > rank) {
      if (brClause == 0) against += 2 * (ability - rank);
    } else {
      favour += rank - ability;
    }
  } else {
    const int32_t standing = BidderStanding(club);
    int32_t leaving = WorldClub(own) ? OwnerStanding(own) : standing;
    if (!WorldClub(own)) tolerance = -200;
    if (leaving > standing) {
      tolerance -= 4 * (leaving - standing);
    } else {
      tolerance -= 50;
      if (conclude) {
        if (Player_GetAge(player) + 16 > 30)
          tolerance -= (Player_GetAge(player) - 14) * 100;
        else if (Player_GetCareerApps(player) == 0)
          tolerance -= 200;
      }
    }
    against /= 4;
    if (demand > wage) {
      if (presentWage - wage > 0) against += presentWage - wage;
      if (Club_GetCountry(club) == GameCountry) against += (demand - wage) / scale / 2;
    } else {
      favour += conclude ? (wage - demand) / scale * 8 : (wage - demand) / scale;
    }
    // The offering club's manager (player 1, nobody, for a club from 250 up).
    if (stat17 < managerStat17 && rrClause == 0 && months > 12) {
      const int32_t gap = (managerStat17 - stat17) * 100 / 200;
      against += conclude ? gap / 2 : gap;
    }
    if (ability > rank) {
      if (brClause == 0) against += conclude ? (ability - rank) / 2 : 2 * (ability - rank);
    } else {
      favour += rank - ability;
    }
    if (conclude && against > favour && Player_GetTxList(player)) favour += 1000;
  }

  bool refuses = against > favour && against + tolerance > favour;
  if (conclude && !renewal && morale <= 10) refuses = false;
  if (refuses) {
    if (patienceOut) *patienceOut = static_cast<int16_t>(std::clamp<int64_t>(against + tolerance - favour, 0, INT16_MAX));
    return 0;
  }
  if (patienceOut) *patienceOut = 0;
  const int32_t total = months + (renewal ? Player_GetContract(player) : 0);
  return static_cast<int16_t>(std::clamp<int32_t>(total, INT16_MIN, INT16_MAX));
}

}  // namespace

int16_t ContractLength(int16_t player, int16_t club) {
  if (!WorldClub(club)) return 0;
  const bool shortSquad = getsquadsize(club) < kShortSquad;
  // What a running contract lacks of half a year; a player out of contract
  // lacks nothing.
  const int32_t missing = Player_GetContract(player) > 0 ? MonthsRun(player, club, 6) : 0;
  int32_t months = 12;
  if (Player_GetAge(player) <= 16 && !shortSquad) months = Starter(player) ? 36 : Shirted(player) ? 24 : 12;
  if (months > 12) {
    months -= missing;
    if (months < 24)
      months = 12;
    else if (months < 36)
      months = 24;
  }
  return static_cast<int16_t>(months);
}

int32_t OfferedWage(int16_t player, int16_t club) {
  if (!WorldClub(club)) return 1;
  const int32_t run = MonthsRun(player, club, 24);

  int64_t average = 0;
  if (Club_GetCountry(club) != GameCountry) {
    average = GetPlayerWageDemand(player, club);
  } else {
    int64_t total = 0, counted = 0;
    for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(static_cast<int16_t>(p + 1), club)) {
      if (!Shirted(p) || Player_GetPosition(p) == POSITION_MANAGER || Player_GetOnLoan(p)) continue;
      total += int64_t{25} * Player_GetWage(p);
      ++counted;
    }
    average = counted > 0 ? total / counted : kNoShirtedWage;
  }

  const bool keen = getsquadsize(club) < kShortSquad || Player_GetSaleStatus(player) != 0 ||
                    (Shirted(player) && run > 18);
  const int64_t share = (int64_t{run} * run + 200 - Personality(GetClubManager(club), 16)) * 100 / 200;
  const int64_t step = average * share / 100;
  const int64_t demand = GetPlayerWageDemand(player, club);
  if (keen) return static_cast<int32_t>(demand);
  return static_cast<int32_t>(std::min(demand, std::clamp<int64_t>(2 * step + average, 0, INT32_MAX)));
}

int16_t EvaluateContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                              int32_t wage, int16_t* patienceOut) {
  return JudgeOffer(Rules::Evaluate, player, club, months, brClause, rrClause, wage, patienceOut);
}

int16_t ConcludeContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                              int32_t wage, int16_t* patienceOut) {
  const int16_t contractBefore = Player_GetContract(player);
  const bool renewal = Player_GetClub(player) == club;
  const int16_t result = JudgeOffer(Rules::Conclude, player, club, months, brClause, rrClause, wage, patienceOut);
  if (result == 0) return 0;

  Player_SetContract(player, result);
  Player_SetWage(player, wage / 25);
  Player_SetBRClause(player, brClause);
  Player_SetRRClause(player, rrClause);
  if (renewal) ++ClubSimCount.renewals;
  if (renewal && WorldClub(club) && !Club_GetContractClause(club)) {
    // The news counts the years offered.
    SetNewsArgs(club, -1, player, -1, -1, -1, -1, months / 12, -1);
    ShowNewsMessage(GetRandomNewsText(contractBefore > 0 ? kNewsExtension : kNewsNewContract), 0,
                    NEWS_SHOW_HUMAN_CLUB, club, -1);
  }
  return result;
}

void RenewSquadContracts(int16_t club) {
  if (!WorldClub(club)) return;
  EnsureSquadListOf(club);
  // A copy: the terms may rebuild the shared list (the squad sizes they read
  // are the club's own and stay as they are).
  int16_t listed[SQUAD_LIST_SIZE];
  const int length = std::clamp<int>(SquadListLength, 0, SQUAD_LIST_SIZE);
  std::copy(SquadList, SquadList + length, listed);
  const bool foreign = Club_GetCountry(club) != GameCountry;

  for (int i = 0; i < length; ++i) {
    const int16_t p = listed[i];
    if (p < 0 || p >= PlayerCount || Player_GetWage(p) == 0 || Player_GetTxList(p)) continue;
    const int16_t age = Player_GetAge(p);
    if (age > 18 && (foreign || Month == kAugust)) Player_SetContract(p, 36);
    if (Player_GetContract(p) > 11) continue;
    if (!(age < 19 || GetPlayerValue(p) != 0 || (Shirted(p) && age < 21))) continue;
    const int16_t months = ContractLength(p, club);
    const int16_t rr = DecideRRClause(p, club);
    const int16_t br = DecideBRClause(p, club);
    int16_t patience = 0;
    ConcludeContractOffer(p, club, months, br, rr, OfferedWage(p, club), &patience);
  }
}
