// Both the club services and the source-record layout in one file: the layout
// has one home, and the services use it rather than a copy.
#include "clubsim/clubsvc.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/source_records.h"

namespace {

struct Stands {
  int styles[4];
  int capacities[4];
};

Stands StandsOf(int16_t club) {
  return {{Club_GetStand1Style(club), Club_GetStand2Style(club), Club_GetStand3Style(club), Club_GetStand4Style(club)},
          {Club_GetStand1Capacity(club), Club_GetStand2Capacity(club), Club_GetStand3Capacity(club),
           Club_GetStand4Capacity(club)}};
}

void ExpectStands(int16_t club, const Stands& expected) {
  const Stands got = StandsOf(club);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(got.styles[s], expected.styles[s]) << "style of stand " << s + 1;
    EXPECT_EQ(got.capacities[s], expected.capacities[s]) << "capacity of stand " << s + 1;
  }
}

// What a club gets without a source ground: four style-0 stands of the
// smallest share.
constexpr Stands kNoGround = {{0, 0, 0, 0}, {1, 1, 1, 1}};
// The biggest ground the format allows: every stand of the best style, the
// ends at 17 % of the seats.
constexpr Stands kBiggestGround = {{7, 7, 7, 7}, {16, 16, 29, 29}};

class ClubStandsTest : public WorldTest {
 protected:
  // Source records of exactly the given number, so that a read past the last
  // one is caught by the sanitizer build.
  std::vector<uint8_t> records;

  void Load(const std::vector<SourceClub>& clubs) {
    records.assign(clubs.size() * SOURCE_CLUB_RECORD_SIZE, 0);
    for (size_t i = 0; i < clubs.size(); ++i) EncodeSourceClub(clubs[i], records.data() + i * SOURCE_CLUB_RECORD_SIZE);
    SetSourceClubRecords(records.data(), static_cast<int>(clubs.size()));
  }
  static SourceClub Ground(int16_t dbNumber, int32_t capacity) {
    SourceClub c{};
    std::strcpy(c.name, "Kestlemore Swifts");
    c.dbNumber = dbNumber;
    c.capacity = capacity;
    return c;
  }
};

TEST_F(ClubStandsTest, StandsAreLaidOutFromTheSourceGroundWhateverItsCapacity) {
  const struct {
    const char* what;
    SourceClub record;
    Stands stands;
  } cases[] = {
      // Style 4 from 40,000; ends 6,800 rounded down to 6,000; the sides'
      // 14,000 each are above the style-4 side limit, so they move to style 5.
      {"40,000 seats", Ground(12, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"9,999 seats: the sides move up a style", Ground(12, 9999), {{0, 0, 1, 1}, {1, 1, 3, 4}}},
      {"database club 0: style 2 at least", Ground(0, 3000), {{2, 2, 2, 2}, {1, 1, 1, 1}}},
      {"no seats", Ground(12, 0), kNoGround},
      {"-1 seats", Ground(12, -1), kNoGround},
      {"-100,000 seats", Ground(12, -100000), kNoGround},
      {"INT32_MIN seats", Ground(12, INT32_MIN), kNoGround},
      {"the biggest ground", Ground(12, MAX_SOURCE_CAPACITY), kBiggestGround},
      {"one seat more", Ground(12, MAX_SOURCE_CAPACITY + 1), kBiggestGround},
      {"150,000 seats", Ground(12, 150000), kBiggestGround},
      {"INT32_MAX seats", Ground(12, INT32_MAX), kBiggestGround},
      {"database number past the club lists", Ground(NUM_DB_CLUBS + 100, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"database number of an unused record", Ground(-1, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"database number INT16_MIN, no seats", Ground(INT16_MIN, INT32_MIN), kNoGround},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Load({Ground(5, 20000), c.record});
    InitClubStands(tw::kLeagueClub, 1);
    ExpectStands(tw::kLeagueClub, c.stands);
    // A minor club keeps its stands in its compact record, laid out the same way.
    InitClubStands(tw::kMinorClub, 1);
    ExpectStands(tw::kMinorClub, c.stands);
  }
}

TEST_F(ClubStandsTest, ASourceIndexWithoutALoadedRecordIsNoGround) {
  Load({Ground(5, 40000), Ground(6, 40000), Ground(7, 40000)});
  for (int16_t source : {int16_t{-1}, int16_t{3}, int16_t{NUM_DB_CLUBS}, int16_t{INT16_MAX}, int16_t{INT16_MIN}}) {
    SCOPED_TRACE(source);
    InitClubStands(tw::kLeagueClub, 2);
    InitClubStands(tw::kLeagueClub, source);
    ExpectStands(tw::kLeagueClub, kNoGround);
  }
}

TEST_F(ClubStandsTest, NoRecordsLoadedIsNoGround) {
  const struct {
    const char* what;
    void (*load)(const uint8_t* records);
  } cases[] = {
      {"never loaded", [](const uint8_t*) {}},
      {"no records", [](const uint8_t* r) { SetSourceClubRecords(r, 0); }},
      {"a negative count", [](const uint8_t* r) { SetSourceClubRecords(r, -5); }},
      {"a count without records", [](const uint8_t*) { SetSourceClubRecords(nullptr, NUM_DB_CLUBS); }},
      {"dropped by the module resets", [](const uint8_t* r) {
         SetSourceClubRecords(r, 1);
         ResetAllModules();
         BuildTestWorld();
       }},
  };
  uint8_t record[SOURCE_CLUB_RECORD_SIZE];
  EncodeSourceClub(Ground(5, 40000), record);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClubServices_Reset();
    c.load(record);
    InitClubStands(tw::kLeagueClub, 0);
    ExpectStands(tw::kLeagueClub, kNoGround);
  }
}

// ---- what the making of a new world asks of the club simulation ----

using ServicesTest = WorldTest;

TEST_F(ServicesTest, DatabaseClubsKeepAReputationAndACountry) {
  DbClub_Set(0, 40, 3);
  DbClub_Set(NUM_DB_CLUBS - 1, 99, 31);
  DbClub_Set(NUM_DB_CLUBS, 50, 1);  // ignored
  DbClub_Set(-1, 50, 1);
  EXPECT_EQ(DbClub_GetReputation(0), 40);
  EXPECT_EQ(DbClub_GetCountry(0), 3);
  EXPECT_EQ(DbClub_GetReputation(NUM_DB_CLUBS - 1), 99);
  EXPECT_EQ(DbClub_GetReputation(NUM_DB_CLUBS), 0);
  EXPECT_EQ(DbClub_GetCountry(-1), 0);
  EXPECT_EQ(DbClubReputation[2 * (NUM_DB_CLUBS - 1) + 1], 31);
  ResetAllModules();
  EXPECT_EQ(DbClub_GetReputation(0), 0);
}

TEST_F(ServicesTest, WageDemandsFollowCurveReputationAndAge) {
  const int16_t p = tw::kForward;
  DbClub_Set(7, 63, 0);
  DbClub_Set(8, 21, 0);
  const struct {
    const char* what;
    int16_t club;
    int curve, rep, age, reserveSlot;
    int32_t demand;
  } cases[] = {
      // base = ((200^2 / 250)^2 / 250) x 9 + 30 x 40 = 2,118; x 800 / 100.
      {"a young player of a world club", tw::kHumanClub, 200, 30, 10, -1, 16944},
      {"older: 100 / ((20 - 13)^2 + 110)", tw::kHumanClub, 200, 30, 20, -1, 16944 * 100 / 159},
      {"nothing to ask: at least 50", tw::kForeignClub, 0, 0, 30, -1, 50},
      {"the reserve pool: age counts, by his club's reputation", PLAYER_CLUB_RESERVE_POOL, 200, 30, 10, 7,
       (2118 + 3120) * 8},
      {"a smaller club of the pool", PLAYER_CLUB_RESERVE_POOL, 200, 30, 10, 8, (2118 + 3120) * 8 * 21 / 63},
      {"the pool without a database club", PLAYER_CLUB_RESERVE_POOL, 200, 30, 10, -1, 0},
      {"free agents ask nothing", PLAYER_CLUB_FREE_AGENT, 200, 30, 10, -1, 0},
      {"nor players without a club", PLAYER_CLUB_NONE, 200, 30, 10, -1, 0},
      {"nor a club past the world", 250, 200, 30, 10, -1, 0},
      {"nor a negative club", -1, 200, 30, 10, -1, 0},
  };
  for (const auto& c : cases) {
    Player_SetAbilityCurve(p, c.curve);
    Player_SetReputation(p, c.rep);
    Player_SetAge(p, c.age);
    Player_SetReserveSlot(p, c.reserveSlot);
    EXPECT_EQ(GetPlayerWageDemand(p, c.club), c.demand) << c.what;
  }
}

TEST_F(ServicesTest, ContractClausesAreDrawnUntilTheMarketFindsASmallSquad) {
  const int16_t p = tw::kKeeper;  // club 0, three players
  auto share = [&](int16_t club, int contract) {
    Player_SetContract(p, contract);
    int yes = 0;
    for (int i = 0; i < 1300; ++i) yes += DecideRRClause(p, club) + DecideBRClause(p, club);
    return yes;
  };
  GameSeedRandom(7);
  const int fresh = share(tw::kHumanClub, 12);  // one chance in 13 each
  EXPECT_GT(fresh, 130);
  EXPECT_LT(fresh, 280);
  EXPECT_EQ(share(tw::kHumanClub, 0), 2600);  // a year run: one chance in one
  const int elsewhere = share(tw::kLeagueClub, 0);  // not his club: as a fresh contract
  EXPECT_LT(elsewhere, 280);
  EXPECT_EQ(share(PLAYER_CLUB_FREE_AGENT, 0), 0);

  // Once the market is open a club short of 16 players always asks.
  BuildClubSquadList(tw::kHumanClub);
  EXPECT_LT(share(tw::kHumanClub, 12), 280);  // not yet: day 0 of the first season
  DayOfSeason = MarketStartDay();
  EXPECT_EQ(share(tw::kHumanClub, 12), 2600);
  DayOfSeason = 0;
  SeasonCounter = 1;
  EXPECT_EQ(share(tw::kHumanClub, 12), 2600);
  GameCountry = 2;
  EXPECT_EQ(MarketStartDay(), 35);
  GameCountry = 0;
  EXPECT_EQ(MarketStartDay(), 21);
}

TEST_F(ServicesTest, EstimatedFiguresFollowAgeCurveAndPosition) {
  const int16_t p = tw::kForward;  // position 11: 40 % of appearances are goals
  Player_SetAge(p, 10);
  Player_SetAbilityCurve(p, 200);
  Player_SetPersonalityStats(p, 3);
  PlayerStatTables.personalityTemplate[3][0] = 150;
  DayOfSeason = 100;
  EstimatePlayerStats(p);
  EXPECT_EQ(Player_GetApps(p), 8);            // (100 / 10) x 200 / 250
  EXPECT_EQ(Player_GetCareerApps(p), 246);    // (8 + 300) x 200 / 250
  EXPECT_EQ(Player_GetPerf(p), 66);           // 200 / 3
  EXPECT_EQ(Player_GetGoals(p), 2);           // (8 x 40 / 100) x 200 / 250
  EXPECT_EQ(Player_GetCareerGoals(p), 78);    // (246 x 40 / 100) x 200 / 250
  EXPECT_EQ(Player_GetTraining(p), 4095);     // 4,680, as much as the field holds
  EXPECT_EQ(Player_GetDispoints(p), 2);       // (150 / 10) x 8 / 50
  EXPECT_EQ(Player_GetExperience(p), 50);     // 246 / 8 + 20

  // On the first day nobody has played this season.
  DayOfSeason = 0;
  Player_SetAge(p, 2);
  EstimatePlayerStats(p);
  EXPECT_EQ(Player_GetApps(p), 0);
  EXPECT_EQ(Player_GetGoals(p), 0);
  EXPECT_EQ(Player_GetPerf(p), 0);
  EXPECT_EQ(Player_GetDispoints(p), 0);
  EXPECT_EQ(Player_GetCareerApps(p), 48);
  EXPECT_EQ(Player_GetTraining(p), 936);
  // A keeper scores nothing.
  Player_SetAge(tw::kKeeper, 10);
  Player_SetAbilityCurve(tw::kKeeper, 249);
  EstimatePlayerStats(tw::kKeeper);
  EXPECT_GT(Player_GetCareerApps(tw::kKeeper), 0);
  EXPECT_EQ(Player_GetCareerGoals(tw::kKeeper), 0);
}

}  // namespace
