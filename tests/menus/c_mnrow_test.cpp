// Rest of the World and the match statistics screen on the league world: the
// filter rows, the list (never more than 250), the paging (never below 0),
// the way to a squad (a foreign club outside the world by the squad screen's
// foreign flag), the match's figures, and the blanks and halves when there
// is nothing to divide.
#include "menus/c_mnrow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "clubsim/clubsvc.h"
#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "menus/m_mn7.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"

namespace {

// A database club that is none of the world's clubs, from `from` on.
int16_t ClubOutsideTheWorld(int16_t from) {
  for (int16_t db = from; db < NUM_NAMED_CLUBS; ++db)
    if ((GNW_FindClubByDbId(db) < 0 || GNW_FindClubByDbId(db) >= NUM_CLUBS) && ClubNameTable[db] != nullptr) return db;
  return -1;
}

class RestOfWorldTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    std::memset(DbClubReputation, 0, sizeof DbClubReputation);
    MenuManager = 1;
    MenuClubReset = 0;
  }
  void Show() {
    RestOfWorld_Open();
    RestOfWorld_Refresh();
  }
  const RestOfWorldView& v() { return RestOfWorld_View(); }
};

TEST_F(RestOfWorldTest, FilterRowsNameTheOtherCountriesThenTheRest) {
  Show();  // England: countries 1-7
  const int16_t codes[ROW_FILTERS] = {1, 2, 3, 4, 5, 6, 7, 104};
  const int16_t texts[ROW_FILTERS] = {2311, 2312, 2313, 2314, 2315, 2316, 2317, 857};
  for (int i = 0; i < ROW_FILTERS; ++i) {
    EXPECT_EQ(v().filterCodes[i], codes[i]) << i;
    EXPECT_EQ(v().filterTexts[i], texts[i]) << i;
  }
  EXPECT_EQ(v().filter, 1) << "a filter that is none of the rows becomes the first row's";
  EXPECT_EQ(v().filterName, 2311);

  GameCountry = 2;  // Italy: its own row shows England
  Show();
  RestOfWorld_ChooseFilter(1);
  RestOfWorld_Refresh();
  EXPECT_EQ(v().filterCodes[1], 0);
  EXPECT_EQ(v().filterTexts[1], 2310);
  EXPECT_EQ(v().filter, 0);
}

TEST_F(RestOfWorldTest, ListsTheClubsInUseOfTheFilterAndOnlyForeignOnes) {
  DbClub_Set(900, 5, 1);   // Scottish
  DbClub_Set(901, 0, 1);   // Scottish, but the entry is not in use
  DbClub_Set(902, 5, 0);   // English: the game country
  DbClub_Set(903, 5, 40);  // Lithuanian: among "Rest of the World"
  DbClub_Set(904, 5, 3);   // German: a listed country
  DbClub_Set(905, 5, 1);
  Show();
  ASSERT_EQ(v().count, 2);
  EXPECT_EQ(v().clubs[0], 900);
  EXPECT_EQ(v().clubs[1], 905);
  EXPECT_EQ(v().rowClub[0][0], 900);
  EXPECT_EQ(v().rowCrest[0][0], 105 + 900);
  EXPECT_EQ(std::string(v().rowText[0][0]), std::string(GNW_GetClubName(900)) + " (SCO)");
  EXPECT_EQ(v().rowClub[1][0], -1) << "an empty right-hand row shows nothing";
  EXPECT_EQ(v().rowText[1][0][0], 0);

  RestOfWorld_ChooseFilter(ROW_FILTERS - 1);
  RestOfWorld_Refresh();
  ASSERT_EQ(v().count, 1);
  EXPECT_EQ(v().clubs[0], 903);
  EXPECT_EQ(std::string(v().rowText[0][0]), std::string(GNW_GetClubName(903)) + " (LTU)");  // 2388 + 40
}

TEST_F(RestOfWorldTest, TheListStopsAt250AndPagingStaysInRange) {
  for (int db = 0; db < 300; ++db) DbClub_Set(db, 3, 20);
  RestOfWorld_Open();
  RestOfWorld_ChooseFilter(ROW_FILTERS - 1);
  RestOfWorld_Refresh();
  EXPECT_EQ(v().count, ROW_MAX_CLUBS);
  EXPECT_EQ(v().clubs[ROW_MAX_CLUBS - 1], 249);
  EXPECT_EQ(v().pages, 23);
  for (int i = 0; i < 40; ++i) {
    RestOfWorld_PageForward();
    RestOfWorld_Refresh();
  }
  EXPECT_EQ(v().firstPage, 21) << "the last two pages are shown together";
  EXPECT_EQ(v().rowClub[0][0], 21 * 11);
  EXPECT_EQ(v().rowClub[1][7], 249);
  EXPECT_EQ(v().rowClub[1][8], -1);
  for (int i = 0; i < 40; ++i) RestOfWorld_PageBack();
  EXPECT_EQ(v().firstPage, 0);

  // A country without clubs: an empty page, and paging does nothing.
  RestOfWorld_ChooseFilter(0);
  RestOfWorld_PageForward();
  RestOfWorld_PageBack();
  RestOfWorld_Refresh();
  EXPECT_EQ(v().count, 0);
  EXPECT_EQ(v().firstPage, 0);
  EXPECT_EQ(v().rowClub[0][0], -1);
  EXPECT_EQ(RestOfWorld_ClickRow(0, 0), 0);
  EXPECT_EQ(RestOfWorld_ClickRow(2, 40), 0);
}

// A club of the world opens its own squad; a club outside it opens the
// squad screen with the foreign flag: its name, no players, no controls,
// and the human club is the screen's club again afterwards.
TEST_F(RestOfWorldTest, AClubRowOpensItsSquad) {
  const int16_t worldClub = 130;
  const int16_t worldDb = GNW_GetClubDbId(worldClub);
  const int16_t outside = ClubOutsideTheWorld(0);
  ASSERT_GE(outside, 0);
  DbClub_Set(worldDb, 5, 1);
  DbClub_Set(outside, 5, 1);
  Show();
  ASSERT_EQ(v().count, 2);

  std::vector<const MenuItem*> screens;
  static std::vector<const MenuItem*>* gScreens = nullptr;
  gScreens = &screens;
  FrontEndSeam.runScreen = [](const MenuItem* table) {
    gScreens->push_back(table);
    if (table == SquadMenu) {
      Squad_Open();
      Squad_Refresh();
      MenuOption = 3;
    }
  };

  const int worldIndex = v().clubs[0] == worldDb ? 0 : 1;
  EXPECT_EQ(RestOfWorld_ClickRow(0, worldIndex), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 2);
  EXPECT_EQ(MenuClub, worldClub);
  DoMainMenuOption();  // 2 -> 7
  DoMainMenuOption();  // the squad
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_EQ(Squad_ForeignClub(), -1);
  EXPECT_EQ(MenuClub, GNW_GetHumanClub(1)) << "the list screen's club is put back";

  Show();
  EXPECT_EQ(RestOfWorld_ClickRow(0, 1 - worldIndex), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, outside);
  DoMainMenuOption();
  DoMainMenuOption();
  ASSERT_EQ(screens.size(), 2u);
  EXPECT_EQ(Squad_ForeignClub(), outside);
  EXPECT_EQ(Squad_ListCount(), 0);
  EXPECT_FALSE(Squad_ShowsControls());
  EXPECT_EQ(Squad_Row(0, 0).player, -1);
  EXPECT_EQ(MenuClub, GNW_GetHumanClub(1));

  // Database club 252 is no club of the world, though the lookup hands the
  // special club code 252 back for it.
  std::memset(DbClubReputation, 0, sizeof DbClubReputation);
  DbClub_Set(252, 5, 1);
  Show();
  ASSERT_EQ(v().rowClub[0][0], 252);
  RestOfWorld_ClickRow(0, 0);
  EXPECT_EQ(MenuClub, 252);
  DoMainMenuOption();
  DoMainMenuOption();
  EXPECT_EQ(Squad_ForeignClub(), 252);
  EXPECT_EQ(Squad_ListCount(), 0);

  // The flag holds for one opening only.
  MenuClub = worldClub;
  Squad_Open();
  EXPECT_EQ(Squad_ForeignClub(), -1);
  gScreens = nullptr;
}

// ---- match statistics ----

class MatchStatsTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Seam_ConnectGame();
    std::memset(GetMatchResultRecord(), 0, MATCH_RESULT_SIZE);
    StoreI16(GetMatchResultRecord() + TEAM_MAN_OF_MATCH, -1);
    StoreI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_SIZE + TEAM_MAN_OF_MATCH, -1);
    DayOfSeason = 20;
    MenuClub = 4;
  }
  void Show() {
    MatchStats_Open();
    MatchStats_Refresh();
  }
  const MatchStatsView& v() { return MatchStats_View(); }
};

TEST_F(MatchStatsTest, ThreeSharesPossessionAndBars) {
  struct Case {
    int32_t a, b, c;
    int16_t first, middle, last;
  };
  for (const Case& k : {Case{0, 0, 0, 0, 0, 0}, Case{1, 1, 1, 33, 34, 33}, Case{10, 0, 30, 25, 0, 75},
                        Case{500, 300, 200, 50, 30, 20}}) {
    int16_t out[3];
    MatchStats_Thirds(k.a, k.b, k.c, out);
    EXPECT_EQ(out[0], k.first) << k.a << " " << k.b << " " << k.c;
    EXPECT_EQ(out[1], k.middle) << k.a << " " << k.b << " " << k.c;
    EXPECT_EQ(out[2], k.last) << k.a << " " << k.b << " " << k.c;
  }
  EXPECT_EQ(MatchStats_HomeShare(0, 0), 50);
  EXPECT_EQ(MatchStats_HomeShare(3, 1), 75);
  EXPECT_EQ(MatchStats_HomeShare(0, 7), 0);
  EXPECT_EQ(MatchStats_BarShare(0, 0), 50);
  EXPECT_EQ(MatchStats_BarShare(1, 2), 33);
  EXPECT_EQ(MatchStats_BarShare(5, 0), 100);
  EXPECT_EQ(MatchStats_Colour565(255, 255, 255), 0xFFFF);
  EXPECT_EQ(MatchStats_Colour565(255, 0, 0), 0xF800);
  EXPECT_EQ(MatchStats_Colour565(0, 0, 0), 0);
}

TEST_F(MatchStatsTest, NoPlayedFixtureShowsBlanks) {
  Fixture_Add(25, COMP_LEAGUE, 4, 5, 0);  // still to come
  Show();
  EXPECT_EQ(v().fixture, -1);
  EXPECT_EQ(v().heading[0], 0);
  EXPECT_EQ(v().possessionText[0][0], 0);
  EXPECT_EQ(v().shots[0], BLANK_S16);
  EXPECT_EQ(v().attendance, MENU_BLANK_VALUE);
  EXPECT_EQ(v().manOfMatch[0], 0);
  MenuClub = -1;
  Show();
  EXPECT_EQ(v().fixture, -1);
}

TEST_F(MatchStatsTest, TheLatestPlayedFixtureUpToToday) {
  const int16_t early = Fixture_Add(10, COMP_LEAGUE, 4, 5, 0);
  Fixture_SetResult(early, 1, 0);
  Fixture_Add(30, COMP_LEAGUE, 6, 4, 0);  // later
  const int16_t other = Fixture_Add(15, COMP_LEAGUE, 7, 8, 0);
  Fixture_SetResult(other, 0, 0);
  Fixture_Add(20, COMP_LEAGUE, 9, 4, 0);
  EXPECT_EQ(MatchStats_FindFixture(4), Fixture_Find(4, 5, COMP_LEAGUE)) << "today's match is not played yet";
  const int16_t today = Fixture_Find(9, 4, COMP_LEAGUE);
  Fixture_SetResult(today, 2, 3);
  EXPECT_EQ(MatchStats_FindFixture(4), today);
}

// A played match of a simulated day: no possession counted and no shots, so
// 50-50 and bars split in the middle; the heading, crowd and man of the match.
TEST_F(MatchStatsTest, TheFiguresOfTheMatch) {
  int16_t n = Fixture_Add(19, COMP_LEAGUE, 4, 5, 0);
  Fixture_SetResult(n, 2, 1);
  n = Fixture_Find(4, 5, COMP_LEAGUE);
  Fixture_SetAttendance(n, 23456);
  uint8_t* r = GetMatchResultRecord();
  uint8_t* away = r + TEAM_MATCH_RECORD_SIZE;
  StoreI16(r + TEAM_CORNERS, 3);
  StoreI16(away + TEAM_CORNERS, 1);
  StoreI16(away + TEAM_MAN_OF_MATCH, static_cast<int16_t>(5 * tw::kLeagueSquad + 2));
  Show();
  ASSERT_EQ(v().fixture, n);
  const std::string home = GNW_GetClubName(GNW_GetClubDbId(4)), visitors = GNW_GetClubName(GNW_GetClubDbId(5));
  EXPECT_EQ(std::string(v().heading), home + " 2 - 1 " + visitors);
  EXPECT_STREQ(v().thirds[0], "0%");
  EXPECT_STREQ(v().thirds[1], "0%");
  EXPECT_STREQ(v().thirds[2], "0%");
  EXPECT_STREQ(v().possessionText[0], "50%");
  EXPECT_STREQ(v().possessionText[1], "50%");
  EXPECT_EQ(v().barShare[0], 50);
  EXPECT_EQ(v().barShare[1], 50) << "no shots: both shot bars split at 50";
  EXPECT_EQ(v().barShare[2], 50);
  EXPECT_EQ(v().barShare[3], 75);
  EXPECT_EQ(v().corners[0], 3);
  EXPECT_EQ(v().attendance, 23456);
  EXPECT_EQ(std::string(v().manOfMatch),
            std::string(GNW_GetPlayerName(5 * tw::kLeagueSquad + 2)) + " (" + visitors + ")");

  // Counted figures.
  StoreI32(r + MATCH_FLANK_TOTALS, 300);
  StoreI32(r + MATCH_FLANK_TOTALS + 4, 500);
  StoreI32(r + MATCH_FLANK_TOTALS + 8, 200);
  StoreI16(r + TEAM_POSSESSION_LOW, 600);
  StoreI16(away + TEAM_POSSESSION_LOW, 400);
  StoreI16(r + TEAM_SHOTS_ON, 4);
  StoreI16(r + TEAM_SHOTS_OFF, 2);
  StoreI16(away + TEAM_SHOTS_ON, 1);
  StoreI16(away + TEAM_SHOTS_OFF, 1);
  MatchStats_Refresh();
  EXPECT_STREQ(v().thirds[0], "30%");
  EXPECT_STREQ(v().thirds[1], "50%");
  EXPECT_STREQ(v().thirds[2], "20%");
  EXPECT_EQ(v().possession[0], 60);
  EXPECT_EQ(v().possession[1], 40);
  EXPECT_EQ(v().shots[0], 6);
  EXPECT_EQ(v().shots[1], 2);
  EXPECT_EQ(v().shotsOn[0], 4);
  EXPECT_EQ(v().barShare[1], 75);
}

TEST_F(MatchStatsTest, TheButtonsLeaveForTheAnalysisOrTheOffice) {
  EXPECT_EQ(MatchAnalysisFirstEntry(), 1);
  EXPECT_EQ(MatchStats_OpenAnalysis(2), MENU_RESULT_LEAVE);
  EXPECT_EQ(MatchAnalysisPage(), 2);
  EXPECT_EQ(MatchAnalysisFirstEntry(), 0);
  EXPECT_EQ(MenuOption, 77);
  MatchStats_OpenAnalysis(0);
  EXPECT_EQ(MatchAnalysisPage(), 0);
  EXPECT_EQ(MatchStats_Done(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

}  // namespace
