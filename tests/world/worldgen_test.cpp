// Making a new world from the generated source database, for every game
// country, and the steps it is made of.
#include "world/worldgen.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "season/newgame.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_clubs.h"
#include "world/static_country.h"

namespace {

using srcdb::Bytes;

constexpr uint32_t kSeed = 1999;

// The whole making of a world as a new game runs it, from a pak holding the
// given database.
class WorldGenTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_worldgen");
    StartWindowAndTimer();  // the making polls the window
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  static void Mount(const Bytes& image) { srcdb::MountTotStat(image); }

  static void MakeWorld(int country, uint32_t seed) {
    GameCountry = static_cast<int8_t>(country);
    GameSeedRandom(seed);
    LoadWorldSourceData();
    Club_InitCountryClubs();
    BuildCupSeedingList();
    DivisionClubs_Build();
    CreateWorldPlayers();
  }

  // The player tables as bytes: records and identities of every player.
  static Bytes PlayerTables() {
    Bytes out(reinterpret_cast<const uint8_t*>(PlayerRecords),
              reinterpret_cast<const uint8_t*>(PlayerRecords + PlayerCount));
    const uint8_t* ids = PlayerIdentities()[0].bytes;
    out.insert(out.end(), ids, ids + PlayerTotalCount * sizeof(PlayerIdentity));
    return out;
  }
};

// What a source record makes, read back from the file the test mounted.
struct SourceView {
  std::vector<SourcePlayer> players;
  explicit SourceView(const Bytes& image) {
    for (int n = 0; n < srcdb::CountOf(image); ++n)
      players.push_back(DecodeSourcePlayer(image.data() + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE));
  }
};

// Whether a source record makes a player in game country g.
bool Makes(const SourcePlayer& p, int g) {
  if (p.dbClub == SRC_CLUB_FREE_AGENT || p.dbClub == SRC_CLUB_NONE) {
    const int nationality = p.dbClub == SRC_CLUB_FREE_AGENT && p.nationality == 0 && g == 1 ? 1 : p.nationality;
    return nationality == g;
  }
  return p.dbClub < NUM_DB_CLUBS;
}

class EveryCountryTest : public WorldGenTest, public ::testing::WithParamInterface<int> {};

TEST_P(EveryCountryTest, MakesAFullWorldFromTheGeneratedDatabase) {
  const int g = GetParam();
  Mount(srcdb::BuiltTotStat());
  MakeWorld(g, kSeed);
  const SourceView source(srcdb::BuiltTotStat());

  // Players 2 on, one per record that makes one, in record order.
  std::vector<int> sourceOf(2, -1);  // players 0 and 1 are built in
  for (int n = 0; n < static_cast<int>(source.players.size()); ++n)
    if (Makes(source.players[n], g)) sourceOf.push_back(n);
  ASSERT_EQ(PlayerCount, static_cast<int>(sourceOf.size()));
  ASSERT_EQ(PlayerTotalCount, PlayerCount);

  // The built-in managers.
  for (int16_t p = 0; p < 2; ++p) {
    EXPECT_EQ(Player_GetManager(p), 1);
    EXPECT_EQ(Player_GetCaretaker(p), p == 1 ? 1 : 0);
    EXPECT_EQ(Player_GetClub(p), PLAYER_CLUB_NONE);
    EXPECT_EQ(Player_GetAge(p), 12);
    EXPECT_EQ(Player_GetSurname(p), p);
    EXPECT_EQ(Player_GetNationality(p), g);
  }

  std::map<int16_t, std::vector<int16_t>> clubPlayers;
  for (int16_t p = 2; p < PlayerCount; ++p) {
    const SourcePlayer& s = source.players[sourceOf[p]];
    SCOPED_TRACE("player " + std::to_string(p));
    const int16_t club = Player_GetClub(p);
    // The club the record names, as the world numbers it.
    if (s.dbClub == SRC_CLUB_FREE_AGENT) {
      EXPECT_EQ(club, PLAYER_CLUB_FREE_AGENT);
    } else if (s.dbClub == SRC_CLUB_NONE) {
      EXPECT_EQ(club, PLAYER_CLUB_NONE);
      EXPECT_EQ(Player_GetWage(p), 1);
    } else if (Club_FindByDbId(s.dbClub) >= 0) {
      EXPECT_EQ(club, Club_FindByDbId(s.dbClub));
    } else {
      EXPECT_EQ(club, PLAYER_CLUB_RESERVE_POOL);
      EXPECT_EQ(Player_GetReserveSlot(p), s.dbClub);  // held for his database club
    }
    clubPlayers[club].push_back(p);
    // Identity and the record's plain fields.
    EXPECT_EQ(Player_GetSurname(p), s.surname);
    EXPECT_EQ(Player_GetInitial(p), s.initial - 64);
    EXPECT_EQ(Player_GetAge(p), 1999 - 1900 - s.birthYear - 16);
    EXPECT_EQ(Player_GetManager(p), s.position == SRC_POS_MANAGER ? 1 : 0);
    EXPECT_EQ(Player_GetBossvane(p), s.position >= SRC_POS_PLAYER_MANAGER ? 1 : 0);
    if (s.position <= SRC_POS_LAST_FORWARD) {
      EXPECT_EQ(Player_GetStoredPosition(p), s.position);
    }
    if (s.position >= SRC_POS_ANY_DEFENDER && s.position <= SRC_POS_ANY_FORWARD) {
      EXPECT_EQ(SourcePositionLine(Player_GetStoredPosition(p)), SourcePositionLine(s.position));
    }
    if (s.side != 4) {
      EXPECT_EQ(Player_GetSide(p), s.side);
    }
    const bool unattached = club == PLAYER_CLUB_FREE_AGENT || club == PLAYER_CLUB_NONE;
    // (In Scotland's game the English free agents count as Scots.)
    const int nationality = s.dbClub == SRC_CLUB_FREE_AGENT && s.nationality == 0 && g == 1 ? 1 : s.nationality;
    EXPECT_EQ(Player_GetNationality(p), unattached && s.position != SRC_POS_MANAGER ? g : nationality);
    EXPECT_EQ(Player_GetMorale(p), 60);
    EXPECT_EQ(Player_GetFitness(p), 50);
    EXPECT_EQ(Player_GetManPrice(p), -1);
    EXPECT_EQ(Player_GetSellOnClause(p), -1);
    EXPECT_EQ(Player_GetCupTied(p, 0), PLAYER_CLUB_NONE);
    EXPECT_EQ(Player_GetOnLoan(p), 0);
    EXPECT_EQ(Player_GetInFlag(p), 0);
    const int16_t contract = Player_GetContract(p);
    EXPECT_TRUE(contract % 12 == 0 && contract >= 12 && contract <= (Player_GetAge(p) >= 16 ? 24 : 48)) << contract;
    // Plausible skills: every statistic within its range, and players of
    // world clubs paid.
    for (int stat = 0; stat <= 7; ++stat) {
      const int16_t v = Player_GetAbilityStat(p, stat);
      EXPECT_TRUE(v >= 1 && v <= 100) << "ability " << stat << ": " << v;
    }
    for (int stat = 8; stat <= 14; ++stat) {
      const int16_t v = Player_GetPhysicalStat(p, stat);
      EXPECT_TRUE(v >= 0 && v <= 100) << "physical " << stat << ": " << v;
    }
    for (int stat = 15; stat <= 21; ++stat) EXPECT_LT(Player_GetPersonalityStat(p, stat), 200);
    if (club < NUM_CLUBS) {
      EXPECT_GT(Player_GetWage(p), 0);
      EXPECT_LE(Player_GetReputation(p), 63);
    }
    if (HasFailure()) break;
  }

  // Every league club: a full record, its stands, a squad and a manager.
  const int16_t first = static_cast<int16_t>(DivisionBlockStart(g, 0));
  const int16_t end = static_cast<int16_t>(DivisionBlockStart(g, NUM_DIVISIONS));
  std::set<int16_t> listed;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    const int16_t length = BuildClubSquadList(club);
    for (int i = 0; i < SquadListLength; ++i) {
      const int16_t p = SquadList[i];
      EXPECT_TRUE(listed.insert(p).second) << "player " << p << " listed at a second club " << club;
      EXPECT_EQ(Player_GetClub(p), club);
    }
    if (club < first || club >= end) continue;
    SCOPED_TRACE("club " + std::to_string(club));
    EXPECT_GE(GetClubRecordSlot(club), 0);
    EXPECT_EQ(Club_GetCountry(club), g);
    EXPECT_GT(Club_GetStand1Capacity(club) + Club_GetStand3Capacity(club), 0);
    int keepers = 0, managers = 0, players = 0;
    for (int16_t p : clubPlayers[club]) {
      if (Player_GetManager(p)) {
        ++managers;
        EXPECT_EQ(Player_GetReputation(p), Club_GetRep(club));
        continue;
      }
      ++players;
      if (Player_GetStoredPosition(p) == 0) ++keepers;
    }
    int sourceManagers = 0;
    for (const SourcePlayer& s : source.players)
      if (s.dbClub == Club_GetDbId(club) && s.position == SRC_POS_MANAGER) ++sourceManagers;
    EXPECT_GE(players, 18);
    EXPECT_EQ(length, players);
    EXPECT_GE(keepers, 2);
    EXPECT_EQ(managers, sourceManagers);
    EXPECT_EQ(managers, 1);
  }

  // Free agents of the game country.
  EXPECT_GT(clubPlayers[PLAYER_CLUB_FREE_AGENT].size(), 20u);
  for (int16_t p : clubPlayers[PLAYER_CLUB_FREE_AGENT]) EXPECT_EQ(Player_GetNationality(p), g);

  // Better divisions have better players.
  auto meanCurve = [&](int division) {
    int64_t sum = 0, n = 0;
    for (int16_t club = first; club < end; ++club)
      if (Club_GetDivision(club) == division)
        for (int16_t p : clubPlayers[club])
          if (!Player_GetManager(p)) sum += Player_GetAbilityCurve(p), ++n;
    return n ? sum / n : 0;
  };
  int lowest = 0;
  while (lowest + 1 < NUM_DIVISIONS && CountryDivisionInfo.sizes[g][lowest + 1].value > 0) ++lowest;
  EXPECT_GT(meanCurve(0), meanCurve(lowest) + 10);

  // The cup seeding list: the game country's clubs, each once, then empty.
  int seeded = 0;
  std::set<int16_t> seeds;
  while (seeded < CUP_SEEDING_ENTRIES && CupSeedingList[seeded] >= 0) {
    EXPECT_EQ(Club_GetCountry(CupSeedingList[seeded]), g);
    EXPECT_TRUE(seeds.insert(CupSeedingList[seeded]).second);
    ++seeded;
  }
  EXPECT_GE(seeded, LeagueClubCount(g));
  for (int i = seeded; i < CUP_SEEDING_ENTRIES; ++i) EXPECT_EQ(CupSeedingList[i], -1);

  // Empty lists.
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) EXPECT_EQ(Loan_GetPlayerNo(slot), -1);
  for (int16_t slot = 0; slot < NUM_PATIENTS; ++slot) EXPECT_EQ(Patient_GetPlayerNo(slot), -1);
  EXPECT_EQ(BidInfo_FindFreeSlot(), 0);

  // The name sets: players of clubs of countries 3 and 5.
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    const int16_t country = club < NUM_CLUBS ? Club_GetCountry(club) : -1;
    EXPECT_EQ(NameBitSet_Get(NameBitSetG, p), country == 3 ? 1 : 0) << p;
    EXPECT_EQ(NameBitSet_Get(NameBitSetD, p), country == 5 && Club_GetDbId(club) != 1011 ? 1 : 0) << p;
  }
}

INSTANTIATE_TEST_SUITE_P(GameCountries, EveryCountryTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

TEST_F(WorldGenTest, OneSeedAndCountryMakeOneWorld) {
  Mount(srcdb::BuiltTotStat());
  MakeWorld(4, kSeed);
  const Bytes first = PlayerTables();
  const Bytes stats(reinterpret_cast<const uint8_t*>(&PlayerStatTables),
                    reinterpret_cast<const uint8_t*>(&PlayerStatTables + 1));
  // The same again in the same run, over the world just made ...
  MakeWorld(4, kSeed);
  EXPECT_TRUE(PlayerTables() == first);
  EXPECT_EQ(std::memcmp(stats.data(), &PlayerStatTables, stats.size()), 0);
  // ... and from a clean start.
  ResetAllModules();
  Mount(srcdb::BuiltTotStat());
  StartWindowAndTimer();
  MakeWorld(4, kSeed);
  EXPECT_TRUE(PlayerTables() == first);
  // Another seed, another world; another country, other players.
  MakeWorld(4, kSeed + 1);
  EXPECT_FALSE(PlayerTables() == first);
  MakeWorld(3, kSeed);
  EXPECT_FALSE(PlayerTables() == first);
}

// A database of the generated clubs whose first records are the given players.
Bytes DatabaseOf(const std::vector<SourcePlayer>& players) {
  Bytes image = srcdb::BuiltTotStat();
  for (size_t n = 0; n < players.size(); ++n)
    EncodeSourcePlayer(players[n], srcdb::PlayerRecordOf(image, static_cast<int>(n)));
  srcdb::SetCount(image, static_cast<int32_t>(players.size()));
  return image;
}

SourcePlayer Record(int16_t dbClub, int16_t nationality, int16_t position = 5, int16_t surname = 50) {
  SourcePlayer p{};
  p.initial = 'K';
  p.quality = 60;
  p.position = position;
  p.nationality = nationality;
  p.birthYear = 75;
  p.side = 4;
  p.dbClub = dbClub;
  p.surname = surname;
  return p;
}

// A named database club that England's world leaves out.
int16_t ClubOutsideEnglandsWorld() {
  for (int16_t db = NUM_NAMED_CLUBS - 1; db >= 0; --db) {
    if (ClubNameTable[db] == nullptr || IsSpecialClubNumber(db)) continue;
    if (std::find(CountryClubList[0], CountryClubList[0] + WORLD_CLUBS, db) == CountryClubList[0] + WORLD_CLUBS)
      return db;
  }
  return -1;
}

TEST_F(WorldGenTest, RecordsWithoutAWorldPlaceMakeNoPlayer) {
  const int16_t italianClub = CountryClubList[0][130];  // a club of Italy's block in England's world
  const int16_t abroad = ClubOutsideEnglandsWorld();
  ASSERT_GE(abroad, 0);
  const std::vector<SourcePlayer> records = {
      Record(NUM_DB_CLUBS, 0, 5, 10),         // club 1200: not created
      Record(SRC_CLUB_NONE, 2, 5, 11),        // no club, Italian: not created in England
      Record(SRC_CLUB_NONE, 0, 5, 12),        // no club, English: player 2, unattached
      Record(SRC_CLUB_FREE_AGENT, 2, 5, 13),  // free agent from abroad: not created
      Record(SRC_CLUB_FREE_AGENT, 0, 5, 14),  // English free agent: player 3
      Record(italianClub, 2, 5, 15),          // player 4 at his world club
      Record(abroad, 18, SRC_POS_MANAGER, 16),  // a club outside England's world: player 5 abroad
      Record(1300, 0, 5, 17),                 // not created
  };
  Mount(DatabaseOf(records));
  MakeWorld(0, kSeed);
  ASSERT_EQ(PlayerCount, 6);
  EXPECT_EQ(PlayerTotalCount, 6);
  const int16_t surnames[] = {12, 14, 15, 16};
  const int16_t clubs[] = {PLAYER_CLUB_NONE, PLAYER_CLUB_FREE_AGENT, 130, PLAYER_CLUB_RESERVE_POOL};
  for (int16_t p = 2; p < 6; ++p) {
    EXPECT_EQ(Player_GetSurname(p), surnames[p - 2]);
    EXPECT_EQ(Player_GetClub(p), clubs[p - 2]);
  }
  EXPECT_EQ(Player_GetWage(2), 1);  // no club
  EXPECT_EQ(Player_GetWage(3), 0);  // free agent
  EXPECT_EQ(Player_GetReserveSlot(5), abroad);
  EXPECT_EQ(Player_GetReserveSlot(4), -1);
  EXPECT_EQ(Player_GetNationality(5), 18);  // a manager keeps his nationality
  EXPECT_EQ(Player_GetManager(5), 1);

  // In Scotland's game an English free agent counts as a Scot.
  MakeWorld(1, kSeed);
  ASSERT_EQ(PlayerCount, 5);
  EXPECT_EQ(Player_GetSurname(2), 14);
  EXPECT_EQ(Player_GetNationality(2), 1);
}

TEST_F(WorldGenTest, TheLastPlayerFitsTheTableAndOneMoreStopsTheGame) {
  // Every record an English free agent: 24,998 of them make players 2-24,999.
  std::vector<SourcePlayer> records(MAX_PLAYERS - 2, Record(SRC_CLUB_FREE_AGENT, 0));
  Mount(DatabaseOf(records));
  MakeWorld(0, kSeed);
  EXPECT_EQ(PlayerCount, MAX_PLAYERS);
  EXPECT_EQ(Player_GetClub(MAX_PLAYERS - 1), PLAYER_CLUB_FREE_AGENT);
  EXPECT_EQ(Player_GetSurname(MAX_PLAYERS - 1), 50);

  // 25,000 records would number the last player 25,001.
  records.assign(MAX_SOURCE_PLAYERS, Record(SRC_CLUB_FREE_AGENT, 0));
  Mount(DatabaseOf(records));
  EXPECT_FATAL(MakeWorld(0, kSeed),
               "Error: CreateWorldPlayers\\(\\): 'stats\\\\totstat.dat' makes 25002 players in game country 0; "
               "the player table holds 25000");
}

TEST_F(WorldGenTest, MakingPlayersNeedsADatabaseAndAGameCountry) {
  EXPECT_FATAL(CreateWorldPlayers(), "CreateWorldPlayers\\(\\): no source database loaded");
  Mount(srcdb::BuiltTotStat());
  LoadWorldSourceData();
  GameCountry = -1;
  EXPECT_FATAL(CreateWorldPlayers(), "CreateWorldPlayers\\(\\): game country -1 is outside 0-8");
}

TEST_F(WorldGenTest, AResetEmptiesTheSeedingListAndTheNameSets) {
  Mount(srcdb::BuiltTotStat());
  MakeWorld(3, kSeed);
  ASSERT_NE(CupSeedingList[0], -1);
  ResetAllModules();
  for (int16_t entry : CupSeedingList) EXPECT_EQ(entry, -1);
  for (int i = 0; i < NAME_BIT_SET_SIZE; ++i) ASSERT_EQ(NameBitSetG[i] | NameBitSetD[i], 0) << i;
}

// ---- the steps ----

class WorldStepsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    StartWindowAndTimer();
  }
};

TEST_F(WorldStepsTest, StatTemplatesKeepTheirRangesAndOrders) {
  GameSeedRandom(kSeed);
  BuildStatTemplates();
  const StatTables& t = PlayerStatTables;
  for (int n = 0; n < NUM_STAT_CODES; ++n) {
    for (uint8_t b : t.abilityTemplate[n]) ASSERT_TRUE(b >= 1 && b <= 43) << n;
    ASSERT_TRUE(t.physicalTemplate[n][0] >= 11 && t.physicalTemplate[n][0] <= 99) << n;
    ASSERT_TRUE(t.physicalTemplate[n][3] >= 81 && t.physicalTemplate[n][3] <= 100) << n;
    ASSERT_TRUE(t.physicalTemplate[n][4] >= 51 && t.physicalTemplate[n][4] <= 100) << n;
    for (int b : {1, 2, 5, 6}) ASSERT_TRUE(t.physicalTemplate[n][b] >= 26 && t.physicalTemplate[n][b] <= 99) << n;
    for (int b : {0, 1, 4}) ASSERT_TRUE(t.personalityTemplate[n][b] >= 1 && t.personalityTemplate[n][b] <= 199) << n;
    for (int b : {2, 3, 5, 6}) ASSERT_LT(t.personalityTemplate[n][b], 200) << n;
    if (n > 0) {
      ASSERT_LE(t.physicalTemplate[n - 1][0], t.physicalTemplate[n][0]) << "physical templates by b0";
    }
    // Curve parameters: slope 3-18, a share of at least 4 beside it, offset below 600.
    const int16_t a = LoadI16(t.curves + 6 * n), b = LoadI16(t.curves + 6 * n + 2), c = LoadI16(t.curves + 6 * n + 4);
    ASSERT_TRUE(b >= 3 && b <= 18 && a >= 4 && a + b <= 27 && c >= 0 && c < 600) << n;
    if (n > 0) {
      ASSERT_LE(StatCurve_Growth(n - 1, 728), StatCurve_Growth(n, 728)) << "curves by growth";
    }
  }
  // Each position's list holds every template once, by its weighted score.
  const int weights[3][8] = {{100, 0, 0, 0, 0, 0, 0, 0}, {0, 30, 70, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 90, 10, 0, 0}};
  const int positions[3] = {0, 2, 12};
  for (int k = 0; k < 3; ++k) {
    std::set<int16_t> seen(AbilityStatsChoice[positions[k]], AbilityStatsChoice[positions[k]] + NUM_STAT_CODES);
    EXPECT_EQ(seen.size(), static_cast<size_t>(NUM_STAT_CODES));
    auto score = [&](int16_t code) {
      int s = 0;
      for (int b = 0; b < 8; ++b) s += weights[k][b] * t.abilityTemplate[code][b];
      return s;
    };
    for (int i = 1; i < NUM_STAT_CODES; ++i)
      ASSERT_LE(score(AbilityStatsChoice[positions[k]][i - 1]), score(AbilityStatsChoice[positions[k]][i])) << k;
  }
  // Ability curves: template 0 all 0; the fixed columns of template j are j,
  // j / 2 or j x 75 / 100, the random ones below j.
  auto curve = [&](int row, int column, int position) {
    return LoadI16(t.curveSelection + 2 * ((row * NUM_CURVE_COLUMNS + column) * NUM_CURVE_POSITIONS + position));
  };
  for (int column = 0; column < NUM_CURVE_COLUMNS; ++column)
    for (int position = 0; position < NUM_CURVE_POSITIONS; ++position) EXPECT_EQ(curve(0, column, position), 0);
  for (int j : {1, 100, 249}) {
    EXPECT_EQ(curve(j, 0, 0), j);
    EXPECT_EQ(curve(j, 0, 5), 0);
    EXPECT_EQ(curve(j, 3, 1), j / 2);
    EXPECT_EQ(curve(j, 3, 4), j * 75 / 100);
    EXPECT_EQ(curve(j, 2, 6), j * 75 / 100);
    for (int column = 0; column < NUM_CURVE_COLUMNS; ++column)
      for (int position = 0; position < NUM_CURVE_POSITIONS; ++position)
        ASSERT_TRUE(curve(j, column, position) >= 0 && curve(j, column, position) <= j) << j;
  }
}

TEST_F(WorldStepsTest, SourcePositionsBecomePlayerPositions) {
  PlayerCount = PlayerTotalCount = 40;
  struct Case {
    int16_t code;
    std::set<int16_t> positions;
    int manager, bossvane;
  } const cases[] = {
      {0, {0}, 0, 0},          {7, {7}, 0, 0},           {12, {12}, 0, 0},
      {13, {0}, 1, 0},         {14, {1, 2, 3, 4}, 0, 0}, {15, {5, 6, 7, 8, 9}, 0, 0},
      {16, {10, 11, 12}, 0, 0}, {17, {0}, 0, 1},         {29, {12}, 0, 1},
  };
  GameSeedRandom(kSeed);
  int16_t player = 0;
  for (const Case& c : cases)
    for (int draw = 0; draw < 4; ++draw, ++player) {
      AssignPlayerPosition(player, c.code);
      const int16_t position = Player_GetStoredPosition(player);
      EXPECT_TRUE(c.positions.count(position)) << c.code << ": " << position;
      EXPECT_EQ(Player_GetManager(player), c.manager) << c.code;
      EXPECT_EQ(Player_GetBossvane(player), c.bossvane) << c.code;
    }
}

TEST_F(WorldStepsTest, TheAbilityCurveFollowsQualityOrTheTrainingFlag) {
  GameSeedRandom(kSeed);
  BuildStatTemplates();
  PlayerCount = PlayerTotalCount = 1;
  Player_SetPosition(0, 7);
  Player_SetAbilityStats(0, 100);
  Player_SetTraining(0, 1000);
  EXPECT_EQ(AbilityCurveChoice(0, 60, 0), 150);
  EXPECT_EQ(AbilityCurveChoice(0, 99, 0), 247);
  EXPECT_EQ(AbilityCurveChoice(0, 125, 0), 249);  // 312 is past the curves
  EXPECT_EQ(AbilityCurveChoice(0, 0, 1), -1);     // no curve below 0
  const int16_t chosen = AbilityCurveChoice(0, 60, 1);
  ASSERT_TRUE(chosen >= 0 && chosen < 150) << chosen;
  // The choice is the curve that makes his group's stat highest now.
  Player_SetAbilityCurve(0, chosen);
  const int16_t best = Player_GetAbilityStat(0, 3);
  for (int16_t curve = 0; curve < 150; ++curve) {
    Player_SetAbilityCurve(0, curve);
    ASSERT_LE(Player_GetAbilityStat(0, 3), best) << curve;
  }
  EXPECT_EQ(SourceQuality(89), 99);
  EXPECT_EQ(SourceQuality(15), 2);
  EXPECT_EQ(SourceQuality(-300), 1125);
}

TEST_F(WorldStepsTest, SeedingListsEndAtTheFirstRepeat) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    GameCountry = static_cast<int8_t>(g);
    BuildCupSeedingList();
    int distinct = 1;
    const int16_t* table = CupSeedingTable[g];
    while (distinct < CUP_SEEDING_ENTRIES && table[distinct] != table[distinct - 1]) ++distinct;
    for (int i = 0; i < CUP_SEEDING_ENTRIES; ++i)
      EXPECT_EQ(CupSeedingList[i], i < distinct ? Club_FindByDbId(CupSeedingTable[g][i]) : -1) << g << "/" << i;
    if (g == 5) {
      EXPECT_LT(distinct, CUP_SEEDING_ENTRIES);
    }
  }
}

TEST_F(WorldStepsTest, SeedingSortsByDivisionAndByLeaguePlace) {
  GameCountry = 0;
  std::fill(std::begin(CupSeedingList), std::end(CupSeedingList), int16_t{-1});
  // Clubs 0-5 in divisions 2, 0, 1, 0, 2, 1; an empty entry between them stays put.
  const int divisions[6] = {2, 0, 1, 0, 2, 1};
  for (int16_t c = 0; c < 6; ++c) {
    Club_SetCountry(c, 0);
    Club_SetDivision(c, divisions[c]);
  }
  const int16_t list[8] = {0, 1, 2, -1, 3, 4, 5, -1};
  std::copy(list, list + 8, CupSeedingList);
  SortCupSeedingByDivision();
  const int16_t byDivision[8] = {1, 2, 0, -1, 3, 5, 4, -1};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(CupSeedingList[i], byDivision[i]) << i;

  // League places: division 0 table 3, 1; division 1 table 5, 2 ...
  std::memset(DivisionTable, NO_TABLE_CLUB, sizeof DivisionTable);
  DivisionTable[0][0] = 3;
  DivisionTable[0][1] = 1;
  DivisionTable[1][0] = 5;
  DivisionTable[1][1] = 2;
  const int16_t before[8] = {0, 1, 2, -1, 3, 4, 5, 9};
  std::copy(before, before + 8, CupSeedingList);
  SortCupSeedingByLeaguePlace();
  // Ranks 1-4 are clubs 3, 1, 5, 2; clubs 0 and 4 stand in no place (rank
  // 114, past the list); entries nobody is written to keep what they held.
  const int16_t byPlace[8] = {3, 1, 5, 2, 3, 4, 5, 9};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(CupSeedingList[i], byPlace[i]) << i;
}

TEST_F(WorldStepsTest, CareerTotalsGrowWithAgeAndSpareKeepers) {
  PlayerCount = PlayerTotalCount = 3;
  GameSeedRandom(kSeed);
  Player_SetAge(0, 0);
  Player_SetPosition(0, 11);
  InitPlayerCareerTotals(0, -1);  // no record: a quality of 0
  EXPECT_EQ(Player_GetCareerApps(0), 0);
  EXPECT_EQ(Player_GetCareerGoals(0), 0);
  Player_SetAge(1, 20);
  Player_SetPosition(1, 0);
  InitPlayerCareerTotals(1, -1);
  EXPECT_GT(Player_GetCareerApps(1), 0);
  EXPECT_EQ(Player_GetCareerApps(1) % 2, 0);
  EXPECT_LE(Player_GetCareerApps(1), 2 * 20 * 19);
  EXPECT_LE(Player_GetCareerGoals(1), Player_GetCareerApps(1) / 2 / 2);
}

}  // namespace
