#include "clubsim/valuation.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/clubsvc.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

// clang-format off
const int8_t PositionSkillWeights[NUM_STORED_POSITIONS][11] = {
    {55,  0,  0,  0, 10,  0, 35,  0,  0,  0, 20},
    { 0, 65, 25,  0,  0,  0, 10,  0, 10,  5, 15},
    { 0, 65,  5,  0, 25,  0,  0,  0,  5, 10, 10},
    { 0, 45, 25,  0,  0, 10, 10,  0, 10,  0, 10},
    { 0, 60, 25,  0, 15,  0,  0,  0,  0, 10, 10},
    { 0, 35, 50, 10,  0,  0,  0,  5,  0, 15, 10},
    { 0, 40, 45,  0,  0,  0,  0,  0,  0, 25, 10},
    { 0, 10, 70, 10,  0,  0,  0, 10,  0,  5, 15},
    { 0, 10, 40, 35,  0,  0,  0,  0, 15,  5, 15},
    { 0,  0, 35, 20,  0, 15, 10,  0, 30,  0, 10},
    { 0,  0, 20, 50, 15,  0,  0,  0,  5, 25,  5},
    { 0,  0,  0, 60, 20,  0,  0,  0, 20, 20,  0},
    { 0,  0,  0, 70,  0,  0,  0,  0, 30, 15,  5},
};

namespace {
// The age rows: full value up to a knee, then falling to nothing.
#define AGE_KEEPER    100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, \
                       90,  80,  65,  45,  15,   0
#define AGE_DEFENDER  100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, \
                       95,  90,  85,  80,  75,  50,  30,  10,   0,   0,   0,   0,   0
#define AGE_STEADY    100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, \
                       98,  95,  90,  85,  80,  75,  50,  30,  10,   0,   0,   0,   0
#define AGE_EARLY     100, 100, 100, 100, 100, 100, 100, 100, 100, 100, \
                       98,  95,  90,  85,  80,  75,  50,  30,  10,   0,   0,   0,   0,   0
#define AGE_LATE      100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100, \
                       90,  80,  65,  50,  35,  25,  15,  10,   5,   0,   0,   0
}  // namespace

const int16_t AgeValueTable[NUM_STORED_POSITIONS][NUM_VALUE_AGES] = {
    {AGE_KEEPER},   {AGE_DEFENDER}, {AGE_STEADY}, {AGE_DEFENDER}, {AGE_STEADY}, {AGE_STEADY}, {AGE_EARLY},
    {AGE_EARLY},    {AGE_STEADY},   {AGE_LATE},   {AGE_STEADY},   {AGE_EARLY},  {AGE_STEADY},
};
#undef AGE_KEEPER
#undef AGE_DEFENDER
#undef AGE_STEADY
#undef AGE_EARLY
#undef AGE_LATE

const int16_t PositionValuePercent[NUM_STORED_POSITIONS] = {40, 60, 55, 60, 50, 70, 60, 75, 70, 65, 70, 100, 95};

const int16_t DivisionValuePercent[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS] = {
    {100, 85, 50, 25,  5,  5}, {100, 85, 50, 25,  5,  5}, {100, 85, 50, 50,  5,  5},
    {100, 85, 50, 50, 50, 50}, {100, 85, 50, 25,  5,  5}, {100, 85, 50, 25,  5,  5},
    {100, 85, 50, 25, 25,  5}, {100, 85, 50, 25,  5,  5}, {100, 85, 50, 25,  5,  5},
};

const int32_t DivisionMinimumValue[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS] = {
    {50000, 25000, 10000,  5000,  1000,   100}, {50000, 25000, 10000,  5000,  1000,   100},
    {50000, 25000, 10000, 10000,  1000,   100}, {50000, 25000, 10000, 10000, 10000, 10000},
    {50000, 25000, 10000,  5000,  1000,   100}, {50000, 25000, 10000,  5000,  1000,   100},
    {50000, 25000, 10000,  5000,  5000,   100}, {50000, 25000, 10000,  5000,  1000,   100},
    {50000, 25000, 10000,  5000,  1000,   100},
};

const int16_t DivisionWageScale[NUM_MONEY_COUNTRIES][NUM_MONEY_DIVISIONS] = {
    {800, 380, 190,  70,  25,  25}, {800, 380, 190,  70,  25,  25}, {800, 380, 190, 190,  25,  25},
    {800, 380, 190, 190, 190, 190}, {800, 380, 190,  70,  25,  25}, {800, 380, 190,  70,  25,  25},
    {800, 380, 190,  70,  70,  25}, {800, 380, 190,  70,  25,  25}, {800, 380, 190,  70,  25,  25},
};
// clang-format on

namespace {

// The ability or physical stat each weight column 0-8 squares.
constexpr int kColumnStat[9] = {0, 2, 3, 4, 1, 5, 9, 13, 8};
// Columns in the order their terms are added; column 7 comes after the
// always-counted stat 11.
constexpr int kCoreOrder[8] = {0, 1, 2, 3, 4, 5, 6, 8};
constexpr int kAlwaysStat = 11;
constexpr int32_t kAlwaysWeight = 20;
constexpr int kAlwaysAfterColumn = 7;

constexpr int kYoungAge = 7;  // below this stored age a price reads the stats he will have
constexpr int kReserveMonths = 24;
constexpr int kMaxPriceMonths = 24;
constexpr int32_t kMaxWage = 50000;

int Country() { return GameCountry >= 0 && GameCountry < NUM_MONEY_COUNTRIES ? GameCountry : 0; }

int ValueAge(int storedAge) { return std::clamp(storedAge, 0, NUM_VALUE_AGES - 1); }

int StoredPosition(int16_t player) {
  return std::clamp<int>(Player_GetStoredPosition(player), 0, NUM_STORED_POSITIONS - 1);
}

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

// A stat of the player: as he is, or (potential > 0) as he will be after that
// many more years.
int32_t Stat(int16_t player, int stat, int potential) {
  if (stat <= 7)
    return potential > 0 ? Player_GetAbilityPotential(player, stat, potential) : Player_GetAbilityStat(player, stat);
  return potential > 0 ? Player_GetPhysicalPotential(player, stat, potential) : Player_GetPhysicalStat(player, stat);
}

// The skill core every valuation starts from.
double SkillCore(int16_t player, int position, int potential) {
  const int8_t* w = PositionSkillWeights[position];
  double s = 0;
  auto term = [&](int stat, int32_t weight) {
    const int32_t v = Stat(player, stat, potential);
    s += static_cast<double>(v * v * weight);
  };
  for (int column : kCoreOrder)
    if (w[column] != 0) term(kColumnStat[column], w[column]);
  term(kAlwaysStat, kAlwaysWeight);
  if (w[kAlwaysAfterColumn] != 0) term(kColumnStat[kAlwaysAfterColumn], w[kAlwaysAfterColumn]);
  s = s * 0.005;
  s = s * s * (1.0 / 9000.0);
  return s * s;
}

// Steps shared by the market value and the asking price: the age factor,
// the division's share at a world club, the age factor twice more and the
// bids made for him.
double AgeDivisionAndBids(double s, int16_t player, int position, int age, int16_t club) {
  const double ageFactor = AgeValueTable[position][age];
  s = s * ageFactor * 0.01;
  if (WorldClub(club)) s = s * DivisionValuePercent[Country()][MoneyDivision(club)] * 0.01;
  s = s * ageFactor * 0.01 * ageFactor * 0.01;
  return s * (10.0 * Player_GetBidCount(player) + 4000) * 0.00025;
}

double MoraleFactor(double s, int16_t player) { return s * (Player_GetMorale(player) + 60) * (1.0 / 120.0); }

bool BelowDivisionMinimum(double s, int16_t club) {
  return WorldClub(club) && s < DivisionMinimumValue[Country()][MoneyDivision(club)];
}

// Towards zero into a money word: what a word cannot hold is its largest
// (or smallest) value.
int32_t ToMoney(double s) {
  if (!(s > INT32_MIN)) return s < 0 ? INT32_MIN : 0;  // also NaN
  if (s >= INT32_MAX) return INT32_MAX;
  return static_cast<int32_t>(s);
}

int32_t ClampMoney(int64_t x) {
  return static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX));
}

}  // namespace

void EnsureSquadListOf(int16_t club) {
  if (SquadListClub != club) BuildClubSquadList(club);
}

int16_t PlayerLoanOwner(int16_t player) {
  if (player < 0 || !Player_GetOnLoan(player)) return -1;
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    if (Loan_GetPlayerNo(slot) != player) continue;
    const int16_t lender = Loan_GetLoanClub(slot);
    return WorldClub(lender) ? lender : int16_t{-1};
  }
  return -1;
}

int16_t PlayerOwningClub(int16_t player) {
  const int16_t owner = PlayerLoanOwner(player);
  return owner >= 0 ? owner : Player_GetClub(player);
}

int MoneyDivision(int16_t club) {
  return std::clamp<int>(Club_GetDivision(club), 0, NUM_MONEY_DIVISIONS - 1);
}

int32_t ValuePlayer(int16_t player) {
  const int position = StoredPosition(player);
  const int age = ValueAge(Player_GetAge(player));
  const int16_t club = Player_GetClub(player);

  double s = SkillCore(player, position, 0);
  s = AgeDivisionAndBids(s, player, position, age, club);
  s = s * PositionValuePercent[position] * 0.01;
  s = MoraleFactor(s, player);
  if (BelowDivisionMinimum(s, club)) s = 0;
  const int32_t apps = Player_GetCareerApps(player);
  if (WorldClub(club) && Club_GetCountry(club) == GameCountry && apps < 50) s = s * apps * 0.02;
  return RoundMoneyDown(ToMoney(s));
}

int32_t GetPlayerValue(int16_t player) {
  const int16_t club = Player_GetClub(player);
  if (club >= NUM_CLUBS && club != PLAYER_CLUB_RESERVE_POOL) return 0;
  return ValuePlayer(player);
}

int32_t GetPlayerAskingPrice(int16_t player) {
  const int16_t club = Player_GetClub(player);
  int32_t months = 0;
  if (WorldClub(club)) {
    months = Player_GetContract(player);
    if (months > 12) months = (months - 12) * Player_GetPersonalityStat(GetClubManager(club), 16) / 200 + 12;
    months = std::min(months, kMaxPriceMonths);
  } else if (club == PLAYER_CLUB_RESERVE_POOL) {
    months = kReserveMonths;
  }

  const int position = StoredPosition(player);
  const int storedAge = Player_GetAge(player);
  const bool young = storedAge < kYoungAge;
  const int age = young ? kYoungAge : ValueAge(storedAge);

  double s = SkillCore(player, position, young ? kYoungAge - storedAge : 0);
  s = AgeDivisionAndBids(s, player, position, age, club);
  if (!Player_GetTxList(player)) {
    s = s * months * (1.0 / 12.0);
    if (Player_GetSaleStatus(player))
      s = s * 2.0;
    else if (WorldClub(club) && Club_GetCountry(club) != GameCountry)
      s = s * DbClub_GetReputation(Club_GetDbId(club)) * 0.05;
  }
  s = s * PositionValuePercent[position] * 0.01;
  const int16_t shirt = Player_GetShirt(player);
  if (WorldClub(club) && Club_GetCountry(club) == GameCountry && (shirt == 0 || shirt > 11) && age > kYoungAge)
    s = s * 60.0 * 0.01;
  s = MoraleFactor(s, player);
  if (BelowDivisionMinimum(s, club)) s = 0;
  const int32_t marketPrice = Player_GetManPrice(player);
  if (marketPrice != -1) s = marketPrice;
  return RoundMoneyDown(ToMoney(s));
}

int32_t GetClubSpendingBudget(int16_t club) {
  if (!WorldClub(club)) return 0;
  if (Club_GetCountry(club) != GameCountry) return ClampMoney(int64_t{Club_GetRep(club)} * 750000 + 100000);
  EnsureSquadListOf(club);
  int64_t left = Club_GetBalance(club);
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || Player_GetClub(p) != club || Player_GetOnLoan(p)) continue;
    left -= int64_t{125} * Player_GetWage(p);
  }
  if (left < 0) left = 0;
  return ClampMoney(left / 100 * 75);
}

int32_t CalcClubMaxWage(int16_t club) {
  if (!WorldClub(club)) return 0;
  if (Club_GetCountry(club) != GameCountry) return static_cast<int32_t>(std::min<int64_t>(int64_t{Club_GetRep(club)} * 1000, kMaxWage));
  EnsureSquadListOf(club);
  int64_t total = 0;
  int64_t counted = 0;
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || Player_GetPosition(p) == POSITION_MANAGER) continue;
    total += int64_t{25} * Player_GetWage(p);
    ++counted;
  }
  const int64_t average = counted > 0 ? 10 * total / counted : 0;
  const int64_t third = Club_GetBalance(club) / 3;
  int64_t x = average >= third ? average : (third - total) / 10;
  x = std::max(x, average);
  return static_cast<int32_t>(std::min<int64_t>(x, kMaxWage));
}

int32_t RoundDownTo25(int32_t x) { return x / 25 * 25; }
int32_t RoundDownTo100(int32_t x) { return x / 100 * 100; }
int32_t RoundToThousandsMin1000(int32_t x) { return std::max(x, int32_t{1000}) / 1000 * 1000; }

int32_t RoundMoneyDown(int32_t x) {
  if (x < 1000) return 0;
  int32_t unit = 1000000;
  if (x < 10000)
    unit = 100;
  else if (x < 100000)
    unit = 1000;
  else if (x < 1000000)
    unit = 10000;
  else if (x < 10000000)
    unit = 100000;
  return x - x % unit;
}
