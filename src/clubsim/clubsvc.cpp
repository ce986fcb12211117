#include "clubsim/clubsvc.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "platform/platform.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/source_records.h"

uint8_t DbClubReputation[NUM_DB_CLUBS * DB_CLUB_INFO_SIZE];

namespace {

struct ClubServicesState {
  const uint8_t* sourceClubs = nullptr;
  int sourceClubCount = 0;
};
ClubServicesState gSvc;

// Stand styles 0-7: the seat limits of a side stand and of an end stand.
struct StandLimits {
  int32_t side;
  int32_t end;
};
constexpr int kBestStyle = 7;
constexpr StandLimits kStandLimits[kBestStyle + 1] = {{2000, 1000},   {4000, 2000},   {8000, 4000},
                                                      {10000, 6000},  {12000, 8000},  {16000, 10000},
                                                      {20000, 14000}, {29000, 20000}};
// The largest source ground is what four stands of the best style hold.
static_assert(MAX_SOURCE_CAPACITY == 2 * kStandLimits[kBestStyle].end + 2 * kStandLimits[kBestStyle].side);
// ... so the end stands' share below cannot overflow.
static_assert(MAX_SOURCE_CAPACITY <= INT32_MAX / 17);

// The wage scale of the first division, the same in every game country.
constexpr int32_t kTopDivisionWageScale = 800;
// Days of the first season before the market opens: 21, 35 in game country 2.
constexpr int16_t kMarketStartDay = 21;
constexpr int16_t kMarketStartDayCountry2 = 35;
// The share of a position's appearances that become goals, in percent (0-13).
constexpr int32_t kPositionGoalPercent[POSITION_MANAGER + 1] = {0, 5, 2, 8, 4, 9, 7, 11, 38, 24, 32, 40, 50, 0};

int32_t AtLeast1000Thousands(int32_t seats) {
  if (seats < 1000) seats = 1000;
  return seats / 1000 * 1000;
}

}  // namespace

void FatalExit() { PlatExit(FATAL_EXIT_CODE); }

int16_t FindHumanClub(int16_t manager) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) != GameCountry) continue;
    int16_t division = Club_GetDivision(club);
    if (division < 0 || division > 5) continue;
    if (Club_GetControl(club) == manager) return club;
  }
  return -1;
}

void SetSourceClubRecords(const uint8_t* records, int count) {
  gSvc.sourceClubs = records;
  gSvc.sourceClubCount = records != nullptr ? std::max(count, 0) : 0;
}

void InitClubStands(int16_t club, int16_t source) {
  int32_t total = 0;
  bool noDbClub = false;
  if (source >= 0 && source < gSvc.sourceClubCount) {
    const SourceClub record =
        DecodeSourceClub(gSvc.sourceClubs + static_cast<std::ptrdiff_t>(source) * SOURCE_CLUB_RECORD_SIZE);
    // A figure from the file: a negative one would pick a style below 0, a
    // huge one overflow the shares.
    total = std::clamp(record.capacity, int32_t{0}, MAX_SOURCE_CAPACITY);
    noDbClub = record.dbNumber == 0;
  }

  // The first and second stands are the ends, the third and fourth the sides.
  const int32_t start = std::min(total / 10000, int32_t{kBestStyle});
  int32_t end = AtLeast1000Thousands(total * 17 / 100);
  int32_t third = AtLeast1000Thousands((total - 2 * end) / 2);
  int32_t fourth = AtLeast1000Thousands(total - (third + 2 * end));

  int32_t endStyle = start, thirdStyle = start, fourthStyle = start;
  if (kStandLimits[endStyle].end < end && endStyle < kBestStyle) ++endStyle;
  if (kStandLimits[thirdStyle].side < third && thirdStyle < kBestStyle) ++thirdStyle;
  if (kStandLimits[fourthStyle].side < fourth && fourthStyle < kBestStyle) ++fourthStyle;
  if (noDbClub) {
    if (endStyle < 2) endStyle = 2;
    if (thirdStyle < 2) thirdStyle = 2;
    if (fourthStyle < 2) fourthStyle = 2;
  }

  auto seats = [](int32_t limit, int32_t share) { return (limit < share ? limit : share) / 1000; };
  Club_SetStand1Style(club, endStyle);
  Club_SetStand2Style(club, endStyle);
  Club_SetStand3Style(club, thirdStyle);
  Club_SetStand4Style(club, fourthStyle);
  Club_SetStand1Capacity(club, seats(kStandLimits[endStyle].end, end));
  Club_SetStand2Capacity(club, seats(kStandLimits[endStyle].end, end));
  Club_SetStand3Capacity(club, seats(kStandLimits[thirdStyle].side, third));
  Club_SetStand4Capacity(club, seats(kStandLimits[fourthStyle].side, fourth));
}

int16_t DbClub_GetReputation(int dbClub) {
  if (dbClub < 0 || dbClub >= NUM_DB_CLUBS) return 0;
  return DbClubReputation[dbClub * DB_CLUB_INFO_SIZE];
}

int16_t DbClub_GetCountry(int dbClub) {
  if (dbClub < 0 || dbClub >= NUM_DB_CLUBS) return 0;
  return DbClubReputation[dbClub * DB_CLUB_INFO_SIZE + 1];
}

void DbClub_Set(int dbClub, int32_t reputation, int32_t country) {
  if (dbClub < 0 || dbClub >= NUM_DB_CLUBS) return;
  DbClubReputation[dbClub * DB_CLUB_INFO_SIZE] = static_cast<uint8_t>(reputation);
  DbClubReputation[dbClub * DB_CLUB_INFO_SIZE + 1] = static_cast<uint8_t>(country);
}

int32_t GetPlayerWageDemand(int16_t player, int16_t club) {
  const bool reservePool = club == PLAYER_CLUB_RESERVE_POOL;
  if (club < 0 || (club >= NUM_CLUBS && !reservePool)) return 0;
  const int32_t q = Player_GetAbilityCurve(player);
  const int32_t age = Player_GetAge(player);
  const int32_t square = q * q / 250;
  int32_t base = square * square / 250 * 9 + Player_GetReputation(player) * 40;
  if (reservePool) base += age * 312;
  int32_t wage = base * kTopDivisionWageScale / 100;
  if (!reservePool) {
    if (age > 13) wage = wage * 100 / ((age - 13) * (age - 13) + 110);
    return std::max(wage, int32_t{50});
  }
  wage = std::max(wage, int32_t{50});
  return wage * DbClub_GetReputation(Player_GetReserveSlot(player)) / 63;
}

int16_t MarketStartDay() {
  return GameCountry == 2 ? kMarketStartDayCountry2 : kMarketStartDay;
}

namespace {

int16_t DecideClause(int16_t player, int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return 0;
  const bool marketOpen = SeasonCounter > 0 || DayOfSeason >= MarketStartDay();
  const bool shortSquad = marketOpen && getsquadsize(club) < 16;
  int32_t run = 12 - Player_GetContract(player);
  if (Player_GetClub(player) != club || run < 0) run = 0;
  const bool drawn = GameRandom() % (13 - run) == 0;
  return drawn || shortSquad ? 1 : 0;
}

}  // namespace

int16_t DecideRRClause(int16_t player, int16_t club) { return DecideClause(player, club); }
int16_t DecideBRClause(int16_t player, int16_t club) { return DecideClause(player, club); }

void EstimatePlayerStats(int16_t player) {
  const int32_t age = Player_GetAge(player);
  const int32_t curve = Player_GetAbilityCurve(player);
  int16_t position = Player_GetPosition(player);
  if (position < 0 || position > POSITION_MANAGER) position = 0;
  const int32_t goalPercent = kPositionGoalPercent[position];

  const int32_t apps = DayOfSeason / 10 * curve / 250;
  const int32_t careerApps = (apps + age * 30) * curve / 250;
  int32_t performance = std::max(curve / 3, int32_t{45});
  int32_t goals = apps * goalPercent / 100 * curve / 250;
  int32_t careerGoals = careerApps * goalPercent / 100 * curve / 250;
  int32_t dispoints = Player_GetPersonalityStat(player, 15) / 10 * apps / 50;
  if (apps == 0) goals = dispoints = performance = 0;
  if (careerApps == 0) careerGoals = performance = 0;

  Player_SetApps(player, apps);
  Player_SetCareerApps(player, careerApps);
  Player_SetPerf(player, performance);
  Player_SetGoals(player, goals);
  Player_SetCareerGoals(player, careerGoals);
  Player_SetTraining(player, age * 46800 / 100);
  Player_SetDispoints(player, dispoints);
  Player_SetExperience(player, careerApps / 8 + 2 * age);
}

void ClubServices_Reset() {
  gSvc = ClubServicesState{};
  std::memset(DbClubReputation, 0, sizeof DbClubReputation);
}
REGISTER_RESET(RESET_CLUBSIM, ClubServices_Reset);
