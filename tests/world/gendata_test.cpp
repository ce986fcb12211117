#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "world/dbbuilder.h"
#include "world/nationality.h"
#include "world/source_records.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/static_names.h"

namespace {

constexpr uint32_t kSeed = 1234;

int AgeOf(const SourcePlayer& p) { return 99 - p.birthYear; }  // in 1999, the first season

// The database read back through the record layouts.
struct ReadBack {
  std::vector<SourceClub> clubs;
  std::vector<SourcePlayer> players;
  std::vector<std::string> firstNames;
  int32_t count = 0;
  std::map<int, std::vector<const SourcePlayer*>> squads;  // by database club, managers included
};

class GendataTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = new WorldDatabase(BuildWorldDatabase(kSeed));
    rb_ = new ReadBack;
    const uint8_t* t = db_->totstat.data();
    for (int n = 0; n < NUM_DB_CLUBS; ++n)
      rb_->clubs.push_back(DecodeSourceClub(t + TOTSTAT_CLUBS_OFFSET + n * SOURCE_CLUB_RECORD_SIZE));
    rb_->count = LoadI32(t + TOTSTAT_COUNT_OFFSET);
    for (int n = 0; n < MAX_SOURCE_PLAYERS; ++n) {
      rb_->players.push_back(DecodeSourcePlayer(t + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE));
      rb_->firstNames.emplace_back(
          reinterpret_cast<const char*>(t + TOTSTAT_FIRST_NAMES_OFFSET + n * SOURCE_FIRST_NAME_SIZE),
          SOURCE_FIRST_NAME_SIZE);
    }
    for (int n = 0; n < rb_->count; ++n)
      if (rb_->players[n].dbClub >= 0) rb_->squads[rb_->players[n].dbClub].push_back(&rb_->players[n]);
  }
  static void TearDownTestSuite() {
    delete db_;
    delete rb_;
  }
  static const SourceClub& Club(int db) { return rb_->clubs[db]; }
  static const std::vector<const SourcePlayer*>& Squad(int db) { return rb_->squads[db]; }
  static std::string Surname(int index) {
    const char* p = reinterpret_cast<const char*>(db_->names.data() + index * SURNAME_SIZE);
    return std::string(p, strnlen(p, SURNAME_SIZE));
  }

  static WorldDatabase* db_;
  static ReadBack* rb_;
};
WorldDatabase* GendataTest::db_ = nullptr;
ReadBack* GendataTest::rb_ = nullptr;

TEST_F(GendataTest, FilesHaveTheirExactSizesAndTheCountFitsTheRecords) {
  EXPECT_EQ(db_->totstat.size(), 1568404u);
  EXPECT_EQ(db_->names.size(), 340000u);
  EXPECT_EQ(rb_->count, db_->playerCount);
  EXPECT_GT(rb_->count, 20000);
  EXPECT_LE(rb_->count, MAX_SOURCE_PLAYERS);
  for (int n = rb_->count; n < MAX_SOURCE_PLAYERS; ++n) {
    EXPECT_EQ(rb_->players[n].dbClub, NUM_DB_CLUBS) << n;  // "not created"
    EXPECT_EQ(rb_->firstNames[n][0], '\0') << n;
  }
}

TEST_F(GendataTest, OneSeedGivesOneWorldAndAnotherSeedAnother) {
  const WorldDatabase again = BuildWorldDatabase(kSeed);
  EXPECT_TRUE(again.totstat == db_->totstat);
  EXPECT_TRUE(again.names == db_->names);
  const WorldDatabase other = BuildWorldDatabase(kSeed + 1);
  EXPECT_FALSE(other.totstat == db_->totstat);
  EXPECT_FALSE(other.names == db_->names);
}

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(GendataTest, ToolWritesTheSameBytesIntoTheStatsFolder) {
  // The tool is built beside the tests folder of the build.
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const std::filesystem::path dir =
      bin != nullptr ? std::filesystem::path(bin) : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  const std::string tool = (dir / "gendata").string();
  ASSERT_TRUE(std::filesystem::exists(tool)) << tool;
  const std::filesystem::path out = std::filesystem::temp_directory_path() / ("gendata_test_" + std::to_string(getpid()));
  std::filesystem::remove_all(out);
  const std::string cmd = tool + " --seed " + std::to_string(kSeed) + " --out " + out.string() + " > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  EXPECT_TRUE(ReadFile(out / "stats" / "totstat.dat") == db_->totstat);
  EXPECT_TRUE(ReadFile(out / "stats" / "names.dat") == db_->names);
  // Bad arguments are refused with exit status 2.
  for (const char* args : {"", " --seed 1", " --out x", " --seed abc --out x", " --seed 1 --out x --bad"}) {
    const std::string bad = tool + args + " 2> /dev/null";
    EXPECT_EQ(WEXITSTATUS(std::system(bad.c_str())), 2) << args;
  }
  std::filesystem::remove_all(out);
}

TEST_F(GendataTest, ClubRecordsCarryTheStaticTables) {
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    const SourceClub& c = Club(db);
    EXPECT_EQ(c.dbNumber, db);
    if (ClubNameTable[db] == nullptr) {
      EXPECT_EQ(c.name[0], '\0');
      EXPECT_EQ(c.country, -1);
      EXPECT_EQ(c.capacity, 0);
      continue;
    }
    EXPECT_STREQ(c.name, ClubNameTable[db]);
    EXPECT_EQ(c.country, ClubHomeTable[db].country);
    EXPECT_EQ(c.mapX, ClubHomeTable[db].mapX);
    EXPECT_EQ(c.mapY, ClubHomeTable[db].mapY);
    EXPECT_GE(c.capacity, 1000) << db;
    EXPECT_LT(c.capacity / 1000 + 1, 64) << db;  // reputation stays within its 6 bits
    EXPECT_GE(c.managerCode, 0);
    EXPECT_LE(c.managerCode, 5);
    EXPECT_NE(c.homeKit, c.awayKit);
  }
}

// For every game country: its league filled division by division with its
// own clubs, the rest of its block outside the league, every listed club of
// the right country.
TEST_F(GendataTest, EveryGameCountryHasItsDivisionsFilledByItsOwnClubs) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    for (int t = 0; t < NUM_LIST_COUNTRIES; ++t) {
      const int start = CountryBlockStart(g, t);
      for (int i = 0; i < CountryBlockSize(g, t); ++i) EXPECT_EQ(Club(CountryClubList[g][start + i]).country, t);
    }
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      int clubs = 0;
      for (int i = 0; i < WORLD_CLUBS; ++i) {
        const int db = CountryClubList[g][i];
        if (db != NO_DB_CLUB && Club(db).country == g && Club(db).division == d) ++clubs;
      }
      EXPECT_EQ(clubs, CountryDivisionInfo.sizes[g][d].value) << "division " << d;
      for (int i = DivisionBlockStart(g, d); i < DivisionBlockStart(g, d + 1); ++i)
        EXPECT_EQ(Club(CountryClubList[g][i]).division, d);
    }
    for (int i = DivisionBlockStart(g, NUM_DIVISIONS); i < CountryBlockStart(g, g) + OwnBlockSize[g]; ++i)
      EXPECT_GE(Club(CountryClubList[g][i]).division, NUM_DIVISIONS);
    for (int k = 0; k < 6; ++k) {
      EXPECT_EQ(Club(EuroStartClubs[g][k]).country, g);
      EXPECT_EQ(Club(EuroStartClubs[g][k]).division, 0);
    }
  }
}

// Every database number a static table names is a club of the right country.
TEST_F(GendataTest, EveryNumberTheStaticTablesNameIsAClubOfTheRightCountry) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    std::set<int> world;
    for (int i = 0; i < WORLD_CLUBS; ++i)
      if (CountryClubList[g][i] != NO_DB_CLUB) world.insert(CountryClubList[g][i]);
    for (int i = 0; i < CUP_SEEDING_ENTRIES; ++i) {
      EXPECT_EQ(Club(CupSeedingTable[g][i]).country, g);
      EXPECT_TRUE(world.count(CupSeedingTable[g][i]));
    }
    for (int e = 0; e < 27; ++e) {
      const int db = CountryRecordTable[g][e];
      if (db == NO_DB_CLUB) continue;
      EXPECT_TRUE(world.count(db)) << e;
      EXPECT_EQ(Club(db).country, (e >= 8 && e < 14) ? ClubHomeTable[db].country : g) << e;
      EXPECT_GE(Club(db).division, 0);
    }
    for (int base : {REC_MANAGER_CLUB, REC_PLAYER_CLUB, REC_YOUNG_CLUB, REC_SCORER_CLUB})
      for (int d = 0; d < NUM_DIVISIONS; ++d) {
        const int db = CountryRecordTable[g][base + d];
        if (db == NO_DB_CLUB) continue;
        EXPECT_EQ(Club(db).country, g);
        EXPECT_EQ(Club(db).division, d);
      }
  }
}

// Every club that can play in some game's world: 18-25 players, at least two
// goalkeepers, each line manned, exactly one manager.
TEST_F(GendataTest, EveryClubThatCanPlayHasAProperSquadAndOneManager) {
  std::set<int> listed;
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g)
    for (int i = 0; i < WORLD_CLUBS; ++i)
      if (CountryClubList[g][i] != NO_DB_CLUB) listed.insert(CountryClubList[g][i]);
  EXPECT_GT(listed.size(), 700u);
  for (int db : listed) {
    int lines[5] = {};
    for (const SourcePlayer* p : Squad(db)) ++lines[SourcePositionLine(p->position)];
    const int players = lines[0] + lines[1] + lines[2] + lines[3];
    EXPECT_GE(players, 18) << db;
    EXPECT_LE(players, 25) << db;
    EXPECT_GE(lines[0], 2) << db;
    EXPECT_GE(lines[1], 4) << db;
    EXPECT_GE(lines[2], 4) << db;
    EXPECT_GE(lines[3], 3) << db;
    EXPECT_EQ(lines[4], 1) << db;
  }
}

// Ages, qualities and nationalities: plausible spreads, better players in
// higher divisions, bigger grounds for bigger clubs, mostly home players.
TEST_F(GendataTest, StrongerClubsPlayHigherAndSpreadsArePlausible) {
  long ageSum = 0, ageCount = 0;
  for (int n = 0; n < rb_->count; ++n) {
    const SourcePlayer& p = rb_->players[n];
    const int age = AgeOf(p);
    if (p.position == SRC_POS_MANAGER) {
      EXPECT_GE(age, 35) << n;
      EXPECT_LE(age, 66) << n;
    } else {
      EXPECT_GE(age, 16) << n;
      EXPECT_LE(age, 36) << n;
      ageSum += age;
      ++ageCount;
    }
    EXPECT_GE(p.quality, 15);
    EXPECT_LE(p.quality, 89);  // rescaled at a new game to at most 99
    EXPECT_GE(p.nationality, 0);
    EXPECT_LT(p.nationality, NUM_NATIONALITIES);
    EXPECT_GE(p.position, 0);
    EXPECT_LE(p.position, SRC_POS_ANY_FORWARD);
    EXPECT_GE(p.side, 0);
    EXPECT_LE(p.side, 4);
    EXPECT_EQ(p.initial, rb_->firstNames[n][0]);
    EXPECT_TRUE(p.initial >= 'A' && p.initial <= 'Z') << n;
    EXPECT_TRUE(p.dbClub >= -2 && p.dbClub < NUM_NAMED_CLUBS) << n;
  }
  EXPECT_GT(ageSum / ageCount, 22);
  EXPECT_LT(ageSum / ageCount, 28);
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    double lastQuality = 1e9, lastCapacity = 1e9;
    long home = 0, all = 0;
    for (int d = 0; d < NUM_DIVISIONS && CountryDivisionInfo.sizes[g][d].value > 0; ++d) {
      double quality = 0, capacity = 0;
      int players = 0, clubs = 0;
      for (int i = DivisionBlockStart(g, d); i < DivisionBlockStart(g, d + 1); ++i) {
        const int db = CountryClubList[g][i];
        capacity += Club(db).capacity;
        ++clubs;
        for (const SourcePlayer* p : Squad(db)) {
          if (p->position == SRC_POS_MANAGER) continue;
          quality += p->quality;
          ++players;
          ++all;
          if (p->nationality == g) ++home;
        }
      }
      quality /= players;
      capacity /= clubs;
      EXPECT_LT(quality, lastQuality) << "division " << d;
      EXPECT_LT(capacity, lastCapacity) << "division " << d;
      lastQuality = quality;
      lastCapacity = capacity;
      if (d == 0) {
        EXPECT_GT(capacity, 20000);
      }
    }
    EXPECT_GT(home * 100 / all, 75);
    EXPECT_LT(home * 100 / all, 98);
    // Last season's top six are among the country's biggest clubs.
    for (int k = 0; k < 2; ++k) EXPECT_GT(Club(EuroStartClubs[g][k]).capacity, 30000);
  }
}

// A new game keeps a player's club 252, 254 or 255 as the special code (a
// player abroad, a free agent, no club) without looking it up, so no player
// may belong to a database club with one of those numbers (253 for symmetry).
TEST_F(GendataTest, NoPlayerBelongsToADatabaseClubNumberedLikeASpecialCode) {
  for (int n = 0; n < rb_->count; ++n) EXPECT_FALSE(IsSpecialClubNumber(rb_->players[n].dbClub)) << n;
  for (int db = 252; db <= 255; ++db) {
    EXPECT_NE(ClubNameTable[db], nullptr) << db;  // still named clubs, only without players
    EXPECT_TRUE(Squad(db).empty()) << db;
  }
}

// The empty places at the end of a club list hold 255, and the club-slot map
// looks that number up among the source records like any other: the record
// of database number 255 must never claim a full record (a league club of
// the game country), or the 114 full records would overflow.
TEST_F(GendataTest, TheRecordOfNumber255IsNoLeagueClubOfAnyGameCountry) {
  const SourceClub& c = Club(NO_DB_CLUB);
  EXPECT_TRUE(c.country < 0 || c.country >= NUM_GAME_COUNTRIES || c.division < 0 || c.division >= NUM_DIVISIONS)
      << "country " << c.country << " division " << c.division;
}

TEST_F(GendataTest, EveryGameCountryHasFreeAgentsAndYoungPlayers) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    int free = 0, freeManagers = 0, young = 0;
    for (int n = 0; n < rb_->count; ++n) {
      const SourcePlayer& p = rb_->players[n];
      if (p.nationality != g || p.dbClub >= 0) continue;
      // A free manager has no club: as a free agent he would become a reserve player.
      if (p.position == SRC_POS_MANAGER) freeManagers += p.dbClub == SRC_CLUB_NONE;
      else if (p.dbClub == SRC_CLUB_FREE_AGENT) ++free;
      else if (p.dbClub == SRC_CLUB_NONE && AgeOf(p) <= 18) ++young;
    }
    EXPECT_GE(free, 90) << g;
    EXPECT_GE(freeManagers, 5) << g;
    EXPECT_GE(young, 25) << g;
  }
}

// Clubs of one town stand close together on the map: every country has derbies.
TEST_F(GendataTest, EveryGameCountryHasLocalDerbies) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    int derbies = 0;
    const int first = DivisionBlockStart(g, 0), end = DivisionBlockStart(g, NUM_DIVISIONS);
    for (int i = first; i < end; ++i)
      for (int j = i + 1; j < end; ++j) {
        const SourceClub& a = Club(CountryClubList[g][i]);
        const SourceClub& b = Club(CountryClubList[g][j]);
        const int dx = a.mapX - b.mapX, dy = a.mapY - b.mapY;
        if (dx * dx + dy * dy <= 100) ++derbies;
      }
    EXPECT_GE(derbies, 2) << g;
  }
}

// Last season's award winners play for the clubs the country records name,
// under the surnames they name.
TEST_F(GendataTest, AwardWinnersOfTheCountryRecordsPlayForTheirClubs) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g)
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      if (CountryDivisionInfo.sizes[g][d].value == 0) continue;
      SCOPED_TRACE(testing::Message() << "country " << g << " division " << d);
      const int16_t* rec = CountryRecordTable[g];
      auto holder = [&](int club, int surname, auto accept) {
        for (const SourcePlayer* p : Squad(rec[club + d]))
          if (p->surname == rec[surname + d] && accept(*p)) return true;
        return false;
      };
      EXPECT_TRUE(holder(REC_MANAGER_CLUB, REC_MANAGER_SURNAME, [](const SourcePlayer& p) { return p.position == SRC_POS_MANAGER; }));
      EXPECT_TRUE(holder(REC_PLAYER_CLUB, REC_PLAYER_SURNAME, [](const SourcePlayer& p) { return p.position != SRC_POS_MANAGER; }));
      EXPECT_TRUE(holder(REC_YOUNG_CLUB, REC_YOUNG_SURNAME, [](const SourcePlayer& p) {
        return p.position != SRC_POS_MANAGER && AgeOf(p) < 24;
      }));
      EXPECT_TRUE(holder(REC_SCORER_CLUB, REC_SCORER_SURNAME, [](const SourcePlayer& p) { return SourcePositionLine(p.position) == 3; }));
    }
}

TEST_F(GendataTest, SurnamesAreDistinctPrintableAndInTheStyleOfTheirNationality) {
  std::set<std::string> names;
  for (int i = 0; i < NUM_SURNAMES; ++i) {
    const std::string s = Surname(i);
    EXPECT_FALSE(s.empty()) << i;
    EXPECT_LT(s.size(), static_cast<size_t>(SURNAME_SIZE)) << i;
    for (char ch : s) EXPECT_TRUE(ch >= 32 && ch < 127) << i;
    names.insert(s);
  }
  EXPECT_GT(names.size(), 19000u);
  for (int n = 0; n < rb_->count; ++n) {
    const SourcePlayer& p = rb_->players[n];
    ASSERT_GE(p.surname, 2);
    ASSERT_LT(p.surname, NUM_PLAYER_SURNAMES);
  }
  // A home player of a game country has a surname of his country's style.
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    const SurnameRun run = SurnameRuns[NameStyleOf(g)];
    for (const SourcePlayer* p : Squad(EuroStartClubs[g][0]))
      if (p->nationality == g) {
        EXPECT_GE(p->surname, run.first);
        EXPECT_LT(p->surname, run.end);
      }
  }
}

}  // namespace
