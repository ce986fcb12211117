#include "clubsim/squadplan.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/teamsel.h"
#include "clubsim/valuation.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

const int32_t PriceBands[NUM_PRICE_BANDS] = {500000,  1000000,  2000000,  3500000,  5000000,
                                             7500000, 10000000, 15000000, 20000000, 25000000};

const int8_t PositionRatingWeights[NUM_STORED_POSITIONS][NUM_RATING_COLUMNS] = {
    {60, 0, 0, 0, 0, 0, 60, 0, 0, 10, 0, 10, 10},   {0, 65, 25, 0, 0, 0, 10, 0, 25, 10, 15, 10, 0},
    {0, 65, 5, 0, 25, 0, 10, 0, 5, 20, 0, 10, 10},  {0, 50, 25, 0, 0, 15, 10, 0, 30, 0, 10, 10, 0},
    {0, 65, 25, 0, 15, 0, 0, 0, 5, 10, 10, 10, 10}, {0, 35, 50, 10, 0, 0, 0, 10, 0, 25, 10, 5, 5},
    {0, 40, 45, 0, 0, 0, 0, 0, 0, 55, 10, 0, 0},    {0, 10, 80, 10, 0, 0, 0, 20, 0, 0, 20, 0, 10},
    {0, 0, 45, 35, 0, 20, 0, 0, 15, 20, 5, 10, 0},  {0, 0, 35, 20, 0, 25, 10, 0, 40, 0, 10, 10, 0},
    {0, 0, 25, 55, 15, 0, 0, 0, 5, 25, 5, 10, 10},  {0, 0, 0, 55, 25, 0, 10, 0, 20, 20, 10, 10, 0},
    {0, 0, 0, 65, 0, 0, 15, 0, 15, 15, 20, 10, 10},
};

TransferWorkingSet TransferWork;

namespace {

constexpr int NEWS_LISTED_AT_REQUEST = 6;
constexpr int NEWS_FORCED_TO_LIST = 7;
constexpr int NEWS_TRANSFER_REFUSED = 93;
constexpr int NEWS_SURPLUS_LISTED = 94;
constexpr int POSITION_TYPE_TEXT_BASE = 300;

// What each rating column reads: an ability stat (0-7), a physical stat
// (8-14) or personality stat 19.
constexpr int kColumnStat[NUM_RATING_COLUMNS] = {0, 2, 3, 4, 1, 5, 9, 13, 8, 10, 19, 6, 14};

enum class Stats { Present, Potential };

int32_t StatOf(int16_t player, int stat, Stats which) {
  if (stat >= 15) return Player_GetPersonalityStat(player, stat);
  if (which == Stats::Present)
    return stat < 8 ? Player_GetAbilityStat(player, stat) : Player_GetPhysicalStat(player, stat);
  const int16_t age = Player_GetAge(player);
  const int32_t years = age < 7 ? 8 - age : 1;
  return stat < 8 ? Player_GetAbilityPotential(player, stat, years) : Player_GetPhysicalPotential(player, stat, years);
}

// keeperRule: an outfield player rated in goal keeps a quarter of the
// first column (the squad planning's rule; the team selection has none).
int32_t Rate(int16_t player, int16_t position, Stats which, bool keeperRule = true) {
  if (position < 0 || position >= NUM_STORED_POSITIONS) return 0;
  const int8_t* w = PositionRatingWeights[position];
  if (player < 0 || player >= PlayerTotalCount) {
    // No such player: the stat getters stop the program with their message.
    for (int c = 0; c < NUM_RATING_COLUMNS; ++c)
      if (w[c] != 0) StatOf(player, kColumnStat[c], which);
    return StatOf(player, 11, which);
  }
  // Every stat from the player's fields read once.
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  const int32_t years = f.age < 7 ? 8 - f.age : 1;
  const auto stat = [&](int s) -> int32_t {
    return which == Stats::Present ? PlayerStat_FromFields(f, s) : PlayerStat_PotentialFromFields(f, s, years);
  };
  int32_t sum = 0;
  if (w[0] != 0) {
    const int32_t term = w[0] * stat(kColumnStat[0]);
    sum = keeperRule && position == 0 && f.storedPosition != 0 ? term / 4 : term;
  }
  for (int c = 1; c < NUM_RATING_COLUMNS; ++c)
    if (w[c] != 0) sum += w[c] * stat(kColumnStat[c]);
  return sum + 20 * stat(11);
}

// The position group of a stored position: 0 keepers, 1 defence, 2 midfield,
// 3 attack; -1 for a manager.
int GroupOf(int16_t position) {
  if (position == 0) return 0;
  if (position >= 1 && position <= 4) return 1;
  if (position >= 5 && position <= 9) return 2;
  if (position >= 10 && position <= 12) return 3;
  return -1;
}

// The formation row of the current manager: his tactic code and personality
// band, each held to the table.
const FormationSlot* FormationRow() {
  const int16_t m = CurrentManager >= 0 ? CurrentManager : NO_MANAGER_PLAYER;
  const int tactic = std::clamp<int>(GetPlayerTacticType(m), 0, NUM_TACTIC_CODES - 1);
  const int band = std::clamp<int>(GetPlayerPersonalityBand(m), 0, NUM_PERSONALITY_BANDS - 1);
  return FormationSlots[tactic][band];
}

// The cover of each position group in percent of what the formation asks
// (keepers against two).
void CoverRatios(int32_t ratios[4]) {
  const FormationSlot* row = FormationRow();
  int32_t need[4] = {2, 0, 0, 0};
  for (int s = 0; s < FORMATION_OUTFIELD_SLOTS; ++s) {
    const int g = GroupOf(row[s].position);
    if (g > 0) ++need[g];
  }
  for (int g = 0; g < 4; ++g) ratios[g] = SquadPositionCounts[g] * 100 / std::max<int32_t>(need[g], 1);
}

bool IsInjured(int16_t p) { return Player_GetInFlag(p) != 0; }

void PostListingNews(int kind, int16_t club, int16_t player) {
  const int16_t type = GNW_GetPositionType(player);
  SetNewsArgs(club, -1, player, CurrentManager, -1, static_cast<int16_t>(type + POSITION_TYPE_TEXT_BASE), -1, -1,
              -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

void ListForSale(int16_t player) {
  ++ClubSimCount.listed;
  Player_SetTxList(player, 1);
  Player_SetSaleStatus(player, 0);
}

}  // namespace

bool NationalityCountsForeign(int16_t nationality) {
  if (nationality < 0 || nationality >= NUM_NATIONALITIES) return false;
  const int16_t group = NationalityGroup(nationality);
  return group != NATION_GROUP_BRITISH_ISLES && group != NATION_GROUP_WESTERN_EUROPE &&
         group != NATION_GROUP_SOUTHERN_EUROPE && group != NATION_GROUP_NORDIC;
}

int32_t RatePlayer(int16_t player, int16_t position) { return Rate(player, position, Stats::Present); }
int32_t RatePlayerPotential(int16_t player, int16_t position) { return Rate(player, position, Stats::Potential); }
int32_t RatePlayerForSlot(int16_t player, int16_t position) {
  return Rate(player, position, Stats::Present, false);
}

void AnalyseSquad(int16_t club) {
  TransferWorkingSet& w = TransferWork;
  const int32_t budget = GetClubSpendingBudget(club);
  EnsureSquadListOf(club);
  w.wanted = 16;
  for (int32_t band : PriceBands)
    if (band < budget) ++w.wanted;
  w.available = SquadListLength;
  w.foreign = 0;
  w.surplus = -1;
  w.requester = -1;
  int64_t shirtedSum = 0, listSum = 0;
  int32_t shirted = 0;
  int32_t weakest = 10000;
  int32_t ratios[4];
  CoverRatios(ratios);

  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0) continue;
    if (NationalityCountsForeign(Player_GetNationality(p))) ++w.foreign;
    if (Player_GetTxReq(p) != 0 && Player_GetTxList(p) == 0) w.requester = p;
    const int16_t position = Player_GetStoredPosition(p);
    const int32_t r = RatePlayer(p, position);
    if (Player_GetShirt(p) != 0) {
      shirtedSum += r;
      ++shirted;
    }
    listSum += r;
    if (Player_GetOnLoan(p) != 0) {
      --w.available;
    } else if (p < PlayerCount && Player_GetWage(p) == 0) {
      --w.available;
    } else if (Player_GetTxList(p) != 0) {
      --w.available;
    } else {
      if (Player_GetAge(p) < 3) continue;  // a young player is always counted
      const int32_t pr = RatePlayerPotential(p, position);
      const int g = GroupOf(position);
      const bool onlyKeeperCover = g == 0 && SquadPositionCounts[0] < 3;
      if (pr < weakest && g >= 0 && !onlyKeeperCover && ratios[g] >= 101) {
        w.surplus = p;
        weakest = pr;
      }
    }
    if (IsInjured(p) || Player_IsUnavailable(p) != 0 || Player_IsUnderSuspension(p) != 0 || Player_GetTxReq(p) != 0)
      --w.available;
  }
  w.shirtedAverage = shirted > 0 ? static_cast<int32_t>(shirtedSum / shirted) : 0;
  w.listAverage = SquadListLength > 0 ? static_cast<int32_t>(listSum / SquadListLength) : 0;
}

void DecideTransferListings(int16_t club) {
  TransferWorkingSet& w = TransferWork;
  const int16_t m = CurrentManager >= 0 ? CurrentManager : NO_MANAGER_PLAYER;
  const int32_t t = (200 - Player_GetPersonalityStat(m, 20)) / 4;
  const int16_t q = w.requester;
  if (q >= 0 && w.available >= w.wanted) {
    const int16_t shirt = Player_GetShirt(q);
    if (shirt == 0) {
      ListForSale(q);
      PostListingNews(NEWS_LISTED_AT_REQUEST, club, q);
    } else if (shirt > 11 && Player_GetMorale(q) < t) {
      ListForSale(q);
      --w.available;
      PostListingNews(NEWS_FORCED_TO_LIST, club, q);
    } else if (shirt <= 11 && Player_GetMorale(q) < t) {
      PostListingNews(NEWS_TRANSFER_REFUSED, club, q);
    }
  }
  if (w.available < w.wanted) {
    for (int i = 0; i < SquadListLength && w.available < w.wanted; ++i) {
      const int16_t p = SquadList[i];
      if (p < 0 || Player_GetTxList(p) == 0 || Player_GetTxReq(p) != 0) continue;
      Player_SetTxList(p, 0);
      ++w.available;
    }
  } else if (w.available > w.wanted && w.surplus >= 0 && Player_GetBossvane(w.surplus) == 0) {
    PostListingNews(NEWS_SURPLUS_LISTED, club, w.surplus);
    ListForSale(w.surplus);
    --w.available;
  }
}

void MarkBestPlayersNotForSale(int16_t club) {
  int16_t copy[SQUAD_LIST_SIZE];
  const int length = std::clamp<int>(SquadListLength, 0, SQUAD_LIST_SIZE);
  std::copy(SquadList, SquadList + length, copy);
  const int picks = Club_GetRep(club) / 4 + 2;
  for (int k = 0; k < picks; ++k) {
    const bool last = k == picks - 1;
    int best = -1;
    int32_t bestRating = INT32_MIN;
    for (int i = 0; i < length; ++i) {
      const int16_t p = copy[i];
      if (p < 0 || Player_GetTxReq(p) != 0 || Player_GetTxList(p) != 0) continue;
      const int16_t position = Player_GetStoredPosition(p);
      const int32_t r = last ? RatePlayer(p, position) : RatePlayerPotential(p, position);
      if (best < 0 || r > bestRating) {
        best = i;
        bestRating = r;
      }
    }
    if (best < 0) return;
    Player_SetSaleStatus(copy[best], 1);
    copy[best] = -1;
  }
}

void LoanListYoungPlayers(int16_t club) {
  (void)club;
  if (DayOfSeason == 0 || TransferWork.available <= TransferWork.wanted) return;
  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0) continue;
    Player_SetLoanList(p, 0);
    const bool young = p < PlayerCount && Player_GetWage(p) != 0 && !IsInjured(p) &&
                       Player_IsUnderSuspension(p) == 0 && Player_IsUnavailable(p) == 0 && Player_GetShirt(p) == 0 &&
                       Player_GetOnLoan(p) == 0 && Player_GetFatigue(p) == 0 && Player_GetBossvane(p) == 0 &&
                       Player_GetCareerApps(p) < 30 && Player_GetAge(p) < 3;
    if (young) Player_SetLoanList(p, 1);
  }
}

void ScoreSquadRatings(int16_t club) {
  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || Player_GetClub(p) != club) continue;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt >= 1 && shirt <= 11) (void)RatePlayer(p, Player_GetStoredPosition(p));
  }
}

int32_t FindSquadNeed(int16_t club) {
  TransferWorkingSet& w = TransferWork;
  // The eleven: the keeper, then the row's slots by group in row order.
  int16_t slotPosition[11], slotSide[11];
  int slots = 0;
  slotPosition[slots] = 0;
  slotSide[slots++] = 0;
  int32_t need[4] = {2, 0, 0, 0};
  const FormationSlot* row = FormationRow();
  for (int g = 1; g <= 3; ++g)
    for (int s = 0; s < FORMATION_OUTFIELD_SLOTS; ++s)
      if (GroupOf(row[s].position) == g) {
        slotPosition[slots] = row[s].position;
        slotSide[slots++] = row[s].side;
        ++need[g];
      }

  int32_t ratios[4];
  for (int g = 0; g < 4; ++g) ratios[g] = SquadPositionCounts[g] * 100 / std::max<int32_t>(need[g], 1);
  static constexpr int16_t kShortPosition[4] = {0, 4, 5, 11};
  for (int g = 0; g < 4; ++g) {
    bool lowest = ratios[g] < 100;
    for (int o = 0; o < 4 && lowest; ++o)
      if (o != g && ratios[g] >= ratios[o]) lowest = false;
    if (!lowest) continue;
    w.searchAll = 1;
    w.wantedSide = 0;
    w.bidPosition = kShortPosition[g];
    const int country = GameCountry >= 0 && GameCountry < NUM_MONEY_COUNTRIES ? GameCountry : 0;
    return DivisionMinimumValue[country][MoneyDivision(club)] / 10;
  }

  // The best eleven of the list, slot by slot.
  int16_t picked[11];
  int32_t pickedRating[11];
  for (int s = 0; s < slots; ++s) {
    picked[s] = -1;
    pickedRating[s] = 0;
    const int group = GroupOf(slotPosition[s]);
    for (int i = 0; i < SquadListLength; ++i) {
      const int16_t p = SquadList[i];
      if (p < 0 || GroupOf(Player_GetPosition(p)) != group) continue;
      if (std::find(picked, picked + s, p) != picked + s) continue;
      const int32_t r = RatePlayer(p, Player_GetStoredPosition(p));
      if (r > pickedRating[s]) {
        picked[s] = p;
        pickedRating[s] = r;
      }
    }
  }
  int32_t lowest = NO_SQUAD_NEED;
  for (int s = 0; s < slots; ++s) {
    if (picked[s] < 0 || pickedRating[s] >= lowest) continue;
    lowest = pickedRating[s];
    w.bidPosition = slotPosition[s];
    w.wantedSide = slotSide[s];
    w.searchAll = 0;
  }
  return lowest;
}

void SquadPlan_Reset() {
  TransferWork = TransferWorkingSet{};
  TransferWork.surplus = -1;
  TransferWork.requester = -1;
}
REGISTER_RESET(RESET_CLUBSIM, SquadPlan_Reset);
