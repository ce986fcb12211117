// The world facade over a world filled from the generated database
// (stats\totstat.dat and stats\names.dat of the build's data set), for every
// game country: the world's clubs, divisions and squads laid out the way a new
// game lays them out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "menus/exm_text.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/source_records.h"
#include "world/static_clubs.h"
#include "world/static_country.h"

namespace {

std::vector<uint8_t> ReadDataSetFile(const char* name) {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const std::filesystem::path dir =
      bin != nullptr ? std::filesystem::path(bin)
                     : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
  std::ifstream in(dir / "dataset" / "hd" / "stats" / name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The source database, read once for all tests.
struct SourceDatabase {
  std::vector<uint8_t> totstat = ReadDataSetFile("totstat.dat");
  std::vector<uint8_t> names = ReadDataSetFile("names.dat");
  bool Complete() const {
    return totstat.size() == static_cast<size_t>(TOTSTAT_SIZE) && names.size() == static_cast<size_t>(NAMES_FILE_SIZE);
  }
  SourceClub Club(int db) const {
    return DecodeSourceClub(totstat.data() + TOTSTAT_CLUBS_OFFSET + db * SOURCE_CLUB_RECORD_SIZE);
  }
  int32_t PlayerCount() const { return LoadI32(totstat.data() + TOTSTAT_COUNT_OFFSET); }
  SourcePlayer Player(int n) const {
    return DecodeSourcePlayer(totstat.data() + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE);
  }
};

const SourceDatabase& Source() {
  static const SourceDatabase db;
  return db;
}

class GeneratedWorldTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ResetWorld();
    ASSERT_TRUE(Source().Complete()) << "the build's data set holds the world database";
  }
  void TearDown() override {
    ResetWorld();
    EngineTest::TearDown();
  }

  // The world of game country g: each world club's country and division from
  // its source record (clubs of other countries in division 0), the league
  // clubs in full records, the division table in club order, and the league
  // clubs' players with their names.
  void FillWorld(int g) {
    ResetWorld();
    GNW_SetGameCountry(static_cast<int16_t>(g));
    std::copy(Source().names.begin(), Source().names.end(), NameBuffer);
    int full = 0, minor = 0, places[NUM_DIVISIONS] = {};
    leagueClubs_.clear();
    for (int16_t c = 0; c < NUM_CLUBS; ++c) {
      const int db = CountryClubList[g][c];
      const SourceClub s = db != NO_DB_CLUB ? Source().Club(db) : SourceClub{};
      const bool league = db != NO_DB_CLUB && s.country == g && s.division >= 0 && s.division < NUM_DIVISIONS;
      ClubSlotMap_Set(c, static_cast<int16_t>(league ? full++ : NUM_CLUBS + minor++));
      if (db == NO_DB_CLUB) continue;
      Club_SetCountry(c, s.country);
      Club_SetDivision(c, s.country == g ? s.division : 0);
      Club_SetRep(c, s.capacity / 1000 + (s.capacity != 0 ? 1 : 0));
      if (league) {
        DivisionTable[s.division][places[s.division]++] = static_cast<uint8_t>(c);
        leagueClubs_.push_back(c);
      }
    }
    ASSERT_LE(full, NUM_FULL_CLUBS);

    int16_t n = 0;
    squads_.assign(NUM_CLUBS, 0);
    for (int i = 0; i < Source().PlayerCount() && n < MAX_PLAYERS; ++i) {
      const SourcePlayer s = Source().Player(i);
      if (s.dbClub < 0 || s.dbClub >= NUM_DB_CLUBS || IsSpecialClubNumber(s.dbClub)) continue;
      const int16_t club = Club_FindByDbId(s.dbClub);
      if (club < 0 || Club_GetFullRecord(club) == nullptr) continue;
      PlayerCount = PlayerTotalCount = static_cast<int16_t>(n + 1);
      Player_SetClub(n, club);
      int position = s.position;
      if (position >= SRC_POS_PLAYER_MANAGER) position -= SRC_POS_PLAYER_MANAGER;
      if (position == SRC_POS_ANY_DEFENDER) position = 2;
      if (position == SRC_POS_ANY_MIDFIELDER) position = 5;
      if (position == SRC_POS_ANY_FORWARD) position = 11;
      Player_SetPosition(n, position);
      Player_SetNationality(n, s.nationality);
      Player_SetSurname(n, s.surname);
      Player_SetInitial(n, s.initial >= 'A' && s.initial <= 'Z' ? s.initial - 64 : 0);
      Player_SetAge(n, std::clamp(1999 - 1900 - s.birthYear - 16, 0, 63));
      Player_SetWage(n, 100);
      Player_SetFitness(n, 60);
      for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(n, PLAYER_CLUB_NONE, cup);
      if (position != POSITION_MANAGER) ++squads_[club];
      ++n;
    }
  }

  std::vector<int16_t> leagueClubs_;
  std::vector<int> squads_;  // listed players per club
};

TEST_F(GeneratedWorldTest, EveryCountrysDivisionsAndCompetitionsHaveTheirNames) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    FillWorld(g);
    const int16_t divisions = GNW_GetNumDivisions();
    ASSERT_GT(divisions, 0);
    int listed = 0;
    std::set<std::string> names;
    for (int16_t d = 0; d < divisions; ++d) {
      const std::string name = GNW_GetCompNameString(COMP_LEAGUE, d, 0);
      EXPECT_FALSE(name.empty()) << d;
      EXPECT_TRUE(names.insert(name).second) << name;
      EXPECT_STRNE(GetTextNoAddr(GNW_GetDivisionShortTextNo(d)), "") << d;
      EXPECT_STRNE(GetTextNoAddr(GNW_GetDivisionLetterTextNo(d)), "") << d;
      int16_t label = 0;
      if (d < 4) {
        EXPECT_EQ(GetTextNoAddr(GNW_GetCompPosition(static_cast<int16_t>(d + 1), &label)), name);
      }
      for (int16_t place = 0; place < DIVISION_PLACES; ++place)
        if (GNW_GetDivisionClub(d, place) != NO_TABLE_CLUB) ++listed;
    }
    EXPECT_EQ(listed, static_cast<int>(leagueClubs_.size()));
    EXPECT_EQ(GNW_GetCompNameString(COMP_LEAGUE, divisions, 0), std::string());
    for (int16_t cup = 0; cup < NUM_CUP_COMPETITIONS; ++cup) {
      if (GNW_GetCupRounds(cup) == 0) continue;
      const std::string name = GNW_GetCompNameString(static_cast<int16_t>(COMP_CUP_FIRST + 16 * cup), 0, 0);
      EXPECT_FALSE(name.empty()) << cup;
      // The qualifying round (cup 5) shows as the Champions League.
      EXPECT_TRUE(names.insert(name).second || cup == 6) << name;
    }
    EXPECT_TRUE(names.insert(GNW_GetCompNameString(COMP_SUPER_CUP, 0, 0)).second);
  }
}

TEST_F(GeneratedWorldTest, LeagueClubsStandInTheirDivisionsInClubOrder) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    FillWorld(g);
    for (int16_t d = 0; d < GNW_GetNumDivisions(); ++d) {
      for (int16_t place = 0; place < GNW_GetDivisionSize(d); ++place) {
        const int16_t club = GNW_GetDivisionClub(d, place);
        ASSERT_NE(club, NO_TABLE_CLUB) << "division " << d << " place " << place;
        EXPECT_EQ(GNW_GetClubDivision(club), d);
        EXPECT_EQ(GNW_FindClubDivisionIndex(club), d);
        EXPECT_EQ(GNW_GetClubDivisionIndex(club), d);
        EXPECT_EQ(GNW_GetClubDivisionSlot(club), place);
        EXPECT_EQ(GNW_GetLeaguePlace(club), place);
        EXPECT_EQ(GNW_GetClubCountry(club), g);
        EXPECT_STREQ(GNW_GetClubName(GNW_GetClubDbId(club)), ClubNameTable[CountryClubList[g][club]]);
        EXPECT_EQ(GNW_FindClubByDbId(GNW_GetClubDbId(club)), club);
      }
      if (GNW_GetDivisionSize(d) < DIVISION_PLACES) {
        EXPECT_EQ(GNW_GetDivisionClub(d, GNW_GetDivisionSize(d)), NO_TABLE_CLUB);
      }
    }
    // The clubs of other countries stand in no division and have no slot.
    for (int16_t c = 0; c < NUM_CLUBS; ++c) {
      if (GNW_GetClubCountry(c) == g) continue;
      EXPECT_EQ(GNW_FindClubDivisionIndex(c), 6) << c;
      EXPECT_EQ(GNW_GetClubDivisionSlot(c), -1) << c;
    }
  }
}

TEST_F(GeneratedWorldTest, ReputationOrderRanksEveryLeagueClubOnce) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    FillWorld(g);
    std::vector<int16_t> byPosition(leagueClubs_.size(), -1);
    for (int16_t club : leagueClubs_) {
      const int16_t pos = GNW_GetClubReputationPos(club);
      ASSERT_GE(pos, 0);
      ASSERT_LT(pos, static_cast<int>(byPosition.size()));
      EXPECT_EQ(byPosition[pos], -1) << "position " << pos << " twice";
      byPosition[pos] = club;
    }
    for (size_t i = 1; i < byPosition.size(); ++i)
      EXPECT_GE(GNW_GetClubRep(byPosition[i - 1]), GNW_GetClubRep(byPosition[i])) << i;
  }
}

TEST_F(GeneratedWorldTest, SquadsOfTheLeagueClubs) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    FillWorld(g);
    ASSERT_GT(PlayerCount, 0);
    Club_SetControl(leagueClubs_.back(), 1);
    EXPECT_EQ(GNW_GetHumanClub(1), leagueClubs_.back());
    for (int16_t club : leagueClubs_) {
      const int16_t length = GNW_FillSquadList(club);
      EXPECT_EQ(length, std::min(squads_[club], SQUAD_LIST_SIZE)) << club;
      EXPECT_GE(length, 16) << club;  // a match squad
      int16_t counts[4][4];
      GNW_CountSquadByPositionType(club, counts);
      EXPECT_EQ(counts[0][0] + counts[0][1] + counts[0][2] + counts[0][3], length) << club;
      EXPECT_GT(counts[0][0], 0) << club;  // a goalkeeper
      GNW_FillSquadList(club);
      for (int i = 0; i < length; ++i) {
        const int16_t p = SquadList[i];
        EXPECT_EQ(GNW_GetPlayerClub(p), club);
        const int16_t type = GNW_GetPositionType(p);
        EXPECT_TRUE(type >= 0 && type <= 3) << p;
        EXPECT_GE(GNW_GetPlayerAge(p), 16);
        EXPECT_EQ(GNW_GetPlayerWage(p), 2500);
        EXPECT_EQ(GNW_GetPlayerFitnessPercent(p), 100);
        const std::string name = GNW_GetPlayerName(p);
        EXPECT_GT(name.size(), 2u) << p;
        EXPECT_EQ(name.substr(2), GNW_GetPlayerSurname(p)) << p;  // "I.Surname"
        EXPECT_EQ(name, GetTextNoAddr(GNW_GetPlayerTextNo(p)));
      }
    }
  }
}

}  // namespace
