#include "world/funcs.h"

#include <cstring>
#include <string>

#include "menus/langtext.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/static_clubs.h"

namespace {

class FacadeNamesTest : public WorldTest {
 protected:
  void SetSurname(int16_t index, const char* bytes, size_t length) {
    std::memcpy(NameBuffer + index * SURNAME_SIZE, bytes, length);
  }
};

TEST_F(FacadeNamesTest, PlayerNameIsInitialAndSurnameOrTheSurnameAlone) {
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "Striker");
  EXPECT_STREQ(GNW_GetPlayerName(tw::kKeeper), "J.Safehands");
  struct {
    int initial;
    const char* expected;
  } cases[] = {{0, "Striker"}, {1, "A.Striker"}, {5, "E.Striker"}, {26, "Z.Striker"}};
  for (const auto& c : cases) {
    Player_SetInitial(tw::kForward, c.initial);
    EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), c.expected) << c.initial;
  }
}

TEST_F(FacadeNamesTest, ASurnameFillingItsWholeEntryEndsThere) {
  // 17 letters and no zero: the next entry's letters are not part of it.
  SetSurname(tw::kSurnameBase + tw::kForward, "Abcdefghijklmnopq", SURNAME_SIZE);
  SetSurname(tw::kSurnameBase + tw::kForward + 1, "XYZ", 4);
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "Abcdefghijklmnopq");
  Player_SetInitial(tw::kForward, 3);
  EXPECT_STREQ(GNW_GetPlayerName(tw::kForward), "C.Abcdefghijklmnopq");
}

TEST_F(FacadeNamesTest, ANegativePlayerStopsTheGame) {
  EXPECT_FATAL_EXIT(GNW_GetPlayerName(-1), "Trying to get .* of neg player : '-1'");
}

TEST_F(FacadeNamesTest, ClubNamesByDatabaseNumber) {
  struct {
    int16_t db;
    std::string expected;
  } cases[] = {
      {0, ClubNameTable[0]},
      {252, ClubNameTable[252]},
      {1045, ClubNameTable[1045]},
      {1046, ""},  // past the named clubs
      {1199, ""},
      {1200, ""},  // past the database
      {-1, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(GNW_GetClubName(c.db), c.expected) << c.db;
  // One static buffer.
  EXPECT_EQ(GNW_GetClubName(0), GNW_GetClubName(1));
}

TEST_F(FacadeNamesTest, TextNumbersOfClubsAndPlayers) {
  struct {
    int16_t (*get)(int16_t);
    int16_t value;
    int16_t expected;
  } cases[] = {
      {GNW_GetClubTextNo, 0, 28000},     {GNW_GetClubTextNo, 1199, 29199}, {GNW_GetClubTextNo, 255, 28255},
      {GNW_GetClubTextNo, -1, -1},       {GNW_GetClubTextNo, 1200, -1},    // not a nationality text
      {GNW_GetPlayerTextNo, 0, 3000},    {GNW_GetPlayerTextNo, 24999, 27999},
      {GNW_GetPlayerTextNo, -1, -1},     {GNW_GetPlayerTextNo, 25000, -1},  // not a club text
  };
  for (const auto& c : cases) EXPECT_EQ(c.get(c.value), c.expected) << c.value;
}

TEST_F(FacadeNamesTest, DatabaseNumbersOfWorldClubs) {
  for (int16_t club : {tw::kHumanClub, tw::kLeagueClub, tw::kMinorClub, int16_t{249}})
    EXPECT_EQ(GNW_GetClubDbId(club), Club_GetDbId(club)) << club;
  for (int16_t special : {252, 254, 255}) EXPECT_EQ(GNW_GetClubDbId(special), special);
}

TEST_F(FacadeNamesTest, NationalityNamesAreLanguageTextsFrom2310) {
  EXPECT_EQ(GNW_GetNationalityString(0), LanguageTextTable[2310]);
  EXPECT_EQ(GNW_GetNationalityString(104), LanguageTextTable[2414]);
  EXPECT_STREQ(GNW_GetNationalityString(-1), "");
  EXPECT_STREQ(GNW_GetNationalityString(105), "");
}

TEST_F(FacadeNamesTest, HumanClubIsTheLeagueClubOfTheGameCountryHeRuns) {
  EXPECT_EQ(GNW_GetHumanClub(1), tw::kHumanClub);
  EXPECT_EQ(GNW_GetHumanClub(2), -1);
  // A club of another country or outside the league is no human club.
  Club_SetControl(tw::kHumanClub, 0);
  Club_SetControl(tw::kForeignClub, 1);
  Club_SetControl(tw::kOutsideClub, 1);
  EXPECT_EQ(GNW_GetHumanClub(1), -1);
  Club_SetControl(tw::kLeagueClub, 1);
  EXPECT_EQ(GNW_GetHumanClub(1), tw::kLeagueClub);
}

TEST_F(FacadeNamesTest, DivisionIndexIsTheRowOfTheDivisionTable) {
  DivisionTable[0][0] = tw::kHumanClub;
  DivisionTable[3][7] = tw::kLeagueClub;
  DivisionTable[5][23] = 40;
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kHumanClub), 0);
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kLeagueClub), 3);  // the table, not the club's division field
  EXPECT_EQ(GNW_GetClubDivisionIndex(40), 5);
  EXPECT_EQ(GNW_GetClubDivisionIndex(tw::kForeignClub), 0);  // in no division
  EXPECT_EQ(GNW_GetClubDivisionIndex(255), 0);  // the empty places do not list club 255
  EXPECT_EQ(GNW_GetClubDivisionIndex(-1), 0);
}

}  // namespace
