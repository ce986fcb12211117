// The club's fixtures (rows, first row, scrolling, the ways out and the
// hidden shortcut) and the league table (rows, scrolling, a club's squad).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menus/c_mnfix.h"
#include "engine/poll.h"
#include "menus/exm_text.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/office.h"
#include "platform/platform.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

void Draw(int16_t (*handler)(const MenuItem*), int16_t event) {
  SetMenuEvent(event);
  handler(nullptr);
}

int16_t NameOf(int16_t club) { return GNW_GetClubTextNo(GNW_GetClubDbId(club)); }

std::string DateOf(int16_t day) {
  int16_t dayOfMonth = 0, month = 0, weekday = 0;
  GNW_GetDateOfDay(day, &dayOfMonth, &month, &weekday);
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d/%02d", GetTextNoAddr(21 + weekday), dayOfMonth, month);
  return text;
}

class ClubFixturesTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    MenuClub = 5;
    MenuOption = 8;
  }
  // A league fixture of club 5 each day from `day` on, against clubs 6, 7 ...
  void AddLeagueRun(int16_t day, int count) {
    for (int i = 0; i < count; ++i)
      ASSERT_GE(Fixture_Add(day + 7 * i, COMP_LEAGUE, i % 2 ? 5 : 6 + i, i % 2 ? 6 + i : 5, 0), 0);
  }
  void Open() { Draw(ClubFixtures_Handler, MENU_EVENT_INIT); }
};

TEST_F(ClubFixturesTest, AClubWithoutFixturesShowsSeventeenBlankRows) {
  Fixture_Add(30, COMP_LEAGUE, 6, 7, 0);  // not the club's
  Open();
  EXPECT_EQ(ClubFixtures_Length(), 0);
  for (int r = 0; r < CLUB_FIXTURES_ROWS; ++r) {
    const ClubFixtureRow& row = ClubFixtures_Row(r);
    EXPECT_EQ(row.fixture, -1);
    EXPECT_STREQ(row.date, "");
    EXPECT_EQ(row.opponent, -1);
    EXPECT_EQ(row.venue, -1);
    EXPECT_EQ(row.separator, -1);
    EXPECT_EQ(row.ownGoals, BLANK_S16);
    EXPECT_STREQ(row.competition, "");
  }
  EXPECT_EQ(ClubFixtures_ClickRow(0), 0) << "a blank row opens nothing";
  EXPECT_EQ(MenuOption, 8);
}

// Only the club's own fixtures: not a club against itself, not code 118.
// Played ones show the club's goals first; a neutral one "N".
TEST_F(ClubFixturesTest, RowsShowTheClubsSideOfEachFixture) {
  const int16_t home = Fixture_Add(30, COMP_LEAGUE, 5, 6, 0);
  Fixture_SetResult(home, 2, 1);
  const int16_t away = Fixture_Add(37, COMP_LEAGUE, 7, 5, 0);
  Fixture_SetResult(away, 3, 0);
  Fixture_Add(40, COMP_LEAGUE, 5, 5, 0);
  Fixture_Add(41, COMP_SPECIAL, 5, 8, 0);
  Fixture_Add(42, COMP_LEAGUE, 9, 10, 0);
  Fixture_Add(44, 5, 11, 5, 1);  // a cup tie on neutral ground
  Fixture_Add(51, COMP_LEAGUE, 5, 12, 0);
  DayOfSeason = 40;
  Open();
  ASSERT_EQ(ClubFixtures_Length(), 4);
  const struct {
    int16_t opponent, venue, own, sep, other;
    int16_t day;
  } want[] = {
      {6, 102, 2, 125, 1, 30},                      // "H", 2 - 1
      {7, 103, 0, 125, 3, 37},                      // "A", the club's 0 first
      {11, 1498, BLANK_S16, 152, BLANK_S16, 44},    // "N", "Vs"
      {12, 102, BLANK_S16, 152, BLANK_S16, 51},
  };
  for (int r = 0; r < 4; ++r) {
    SCOPED_TRACE(r);
    const ClubFixtureRow& row = ClubFixtures_Row(r);
    EXPECT_EQ(row.opponent, NameOf(want[r].opponent));
    EXPECT_EQ(row.venue, want[r].venue);
    EXPECT_EQ(row.ownGoals, want[r].own);
    EXPECT_EQ(row.separator, want[r].sep);
    EXPECT_EQ(row.otherGoals, want[r].other);
    EXPECT_EQ(row.date, DateOf(want[r].day));
  }
  EXPECT_EQ(std::string(ClubFixtures_Row(0).competition).rfind("League", 0), 0u);
  EXPECT_EQ(ClubFixtures_Row(4).fixture, -1);
}

// The list starts at the first fixture unless nine are played and one is
// still to come: then eight played ones stand above the next.
TEST_F(ClubFixturesTest, TheFirstRowFollowsThePlayedFixtures) {
  const struct {
    int played, toCome;
    int16_t first;
  } cases[] = {{0, 5, 0}, {8, 5, 0}, {9, 5, 1}, {14, 3, 6}, {20, 0, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.played);
    Fixture_ClearAll();
    AddLeagueRun(10, c.played + c.toCome);
    DayOfSeason = static_cast<int16_t>(10 + 7 * c.played);
    Open();
    EXPECT_EQ(ClubFixtures_Length(), c.played + c.toCome);
    EXPECT_EQ(ClubFixtures_FirstRow(), c.first);
  }
}

TEST_F(ClubFixturesTest, ScrollingStaysWithinTheList) {
  AddLeagueRun(10, 40);
  Open();
  const int16_t want[] = {16, 23, 23};
  for (int16_t first : want) {
    EXPECT_EQ(ClubFixtures_ScrollDown(nullptr), MENU_RESULT_REDRAW);
    EXPECT_EQ(ClubFixtures_FirstRow(), first);
  }
  ClubFixtures_ScrollUp(nullptr);
  EXPECT_EQ(ClubFixtures_FirstRow(), 7);
  ClubFixtures_ScrollUp(nullptr);
  EXPECT_EQ(ClubFixtures_FirstRow(), 0);
  ClubFixtures_ScrollUp(nullptr);
  EXPECT_EQ(ClubFixtures_FirstRow(), 0);
  Draw(ClubFixtures_Handler, MENU_EVENT_DRAW);
  EXPECT_EQ(ClubFixtures_Row(16).fixture, ClubFixtures_ListAt(16));

  Fixture_ClearAll();
  AddLeagueRun(10, 10);
  Open();
  ClubFixtures_ScrollDown(nullptr);
  EXPECT_EQ(ClubFixtures_FirstRow(), 0) << "a short list never scrolls below 0";
}

// A row opens the opponent's squad (option 2), except from the club page.
TEST_F(ClubFixturesTest, ARowOpensTheOpponentsSquad) {
  Fixture_Add(30, COMP_LEAGUE, 7, 5, 0);
  Open();
  MatchDayFlag = 1;
  EXPECT_EQ(ClubFixtures_ClickRow(0), 0);
  EXPECT_EQ(MenuClub, 5);
  MatchDayFlag = 0;
  EXPECT_EQ(ClubFixtures_ClickRow(0), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, 7);
  EXPECT_EQ(MenuOption, 2);
  EXPECT_EQ(ClubFixtures_ClickRow(17), 0);
  EXPECT_EQ(ClubFixtures_ClickRow(-1), 0);
}

// Done: the office, or back to the club page that opened the list (the
// flag then cleared).
TEST_F(ClubFixturesTest, DoneGoesBackWhereTheListWasOpened) {
  EXPECT_EQ(ClubFixtures_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  MatchDayFlag = 1;
  Open();
  EXPECT_EQ(MenuBarRestricted, 1) << "the page's own restricted bar";
  EXPECT_EQ(ClubFixtures_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 6);
  EXPECT_EQ(MatchDayFlag, 0);
  Open();
  EXPECT_EQ(MenuBarRestricted, 0);
}

// Left, left, right, left, right on the club name opens option 67; a wrong
// button, or another control, ends an attempt; once found, one click opens it.
TEST_F(ClubFixturesTest, TheHiddenShortcut) {
  AddLeagueRun(10, 40);
  struct Case {
    const char* name;
    std::vector<int> clicks;  // 0 left, 1 right, 9 the scroll control
    bool opens;
  };
  const Case cases[] = {
      {"the pattern", {0, 0, 1, 0, 1}, true},
      {"a wrong button", {0, 1, 0, 1}, false},
      {"a new attempt after a wrong click", {0, 0, 0, 0, 0, 1, 0, 1}, true},
      {"the wrong click does not start the new attempt", {0, 0, 1, 1, 0, 1, 0, 1}, false},
      {"another control between", {0, 0, 9, 1, 0, 1}, false},
      {"right first", {1, 0, 1, 0, 1}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ClubFixturesViewState = 0;
    MenuOption = 8;
    Open();
    int16_t result = 0;
    for (size_t i = 0; i < c.clicks.size(); ++i) {
      result = c.clicks[i] == 9 ? ClubFixtures_ScrollDown(nullptr) : ClubFixtures_NameClick(c.clicks[i]);
      if (i + 1 < c.clicks.size()) { ASSERT_NE(result, MENU_RESULT_LEAVE) << "click " << i; }
    }
    EXPECT_EQ(result == MENU_RESULT_LEAVE, c.opens);
    EXPECT_EQ(MenuOption, c.opens ? 67 : 8);
    if (c.opens) { EXPECT_EQ(ReturnMenuOption, 8); }
  }
  // Found once: a single click of either button opens it.
  MenuOption = 8;
  Open();
  for (int button : {0, 0, 1, 0}) ClubFixtures_NameClick(button);
  EXPECT_EQ(ClubFixtures_NameClick(1), MENU_RESULT_LEAVE);
  MenuOption = 8;
  Open();
  EXPECT_EQ(ClubFixtures_NameClick(1), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 67);
}

// A Champions League group fixture names the club's own group.
TEST_F(ClubFixturesTest, AGroupFixtureNamesTheClubsGroup) {
  GNW_ClearChampionsLeagueGroups();
  ChampionsLeagueGroups[2][0] = 9;
  ChampionsLeagueGroups[2][1] = 5;
  Fixture_Add(60, 101, 5, 12, 0);
  Open();
  const std::string text = ClubFixtures_Row(0).competition;
  EXPECT_NE(text.find(GetTextNoAddr(GNW_GetGroupTextNo(2))), std::string::npos) << text;
  EXPECT_EQ(text.find(GetTextNoAddr(1550)), std::string::npos) << text;
}

// ---- the league table ----

class LeagueTableScreenTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ResetWorld();
  }
  void TearDown() override {
    ResetWorld();
    EngineTest::TearDown();
  }
};

// A division of ten clubs: ten rows, the rest blank, and scrolling keeps the
// first row at 0.
TEST_F(LeagueTableScreenTest, ADivisionOfTenClubsShowsTenRows) {
  BuildCountryLeagueWorld(1);
  Draw(LeagueTable_Handler, MENU_EVENT_INIT);
  EXPECT_EQ(LeagueTable_Division(), 0);
  EXPECT_EQ(LeagueTable_Size(), 10);
  for (int r = 0; r < LEAGUE_TABLE_ROWS; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(LeagueTable_Row(r).club >= 0, r < 10);
  }
  EXPECT_EQ(LeagueTable_Row(0).position, 1);
  EXPECT_EQ(LeagueTable_ScrollDown(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(LeagueTable_FirstRow(), 0);
  EXPECT_EQ(LeagueTable_ClickRow(12), 0) << "a blank row opens nothing";
}

// Home and away records summed for the goals; a win of the human club shows
// it first and marked.
TEST_F(LeagueTableScreenTest, RowsAddUpHomeAndAway) {
  BuildCountryLeagueWorld(0);
  Club_SetControl(3, 1);
  const int16_t a = Fixture_Add(20, COMP_LEAGUE, 3, 4, 0);
  Fixture_SetResult(a, 3, 1);
  const int16_t b = Fixture_Add(27, COMP_LEAGUE, 5, 3, 0);
  Fixture_SetResult(b, 2, 2);
  DayOfSeason = 30;
  Draw(LeagueTable_Handler, MENU_EVENT_INIT);
  const LeagueTableScreenRow& top = LeagueTable_Row(0);
  ASSERT_EQ(top.club, 3);
  EXPECT_EQ(top.name, NameOf(3));
  EXPECT_EQ(top.played, 2);
  EXPECT_EQ(top.homeWon, 1);
  EXPECT_EQ(top.awayDrawn, 1);
  EXPECT_EQ(top.goalsFor, 5);
  EXPECT_EQ(top.goalsAgainst, 3);
  EXPECT_EQ(top.difference, 2);
  EXPECT_EQ(top.points, 4);
  EXPECT_EQ(top.colour, 8);
  EXPECT_EQ(top.movementIcon, 1316 + LeagueMovement[3]);
  EXPECT_EQ(LeagueTable_Row(1).colour, 0);
}

// Twenty-four clubs: one page of fifteen, then the last fifteen; up goes
// back to the top. A row opens the club's squad, back to the table.
TEST_F(LeagueTableScreenTest, ScrollingAndAClubsSquad) {
  BuildCountryLeagueWorld(0);
  Draw(LeagueTable_Handler, MENU_EVENT_INIT);
  EXPECT_EQ(LeagueTable_SelectDivision(1), MENU_RESULT_REDRAW);
  Draw(LeagueTable_Handler, MENU_EVENT_DRAW);
  EXPECT_EQ(LeagueTable_Size(), 24);
  EXPECT_EQ(LeagueTable_Heading(), GNW_GetDivisionNameTextNo(1));
  LeagueTable_ScrollDown(nullptr);
  EXPECT_EQ(LeagueTable_FirstRow(), 9);
  LeagueTable_ScrollDown(nullptr);
  EXPECT_EQ(LeagueTable_FirstRow(), 9);
  Draw(LeagueTable_Handler, MENU_EVENT_DRAW);
  EXPECT_EQ(LeagueTable_Row(14).club, GNW_GetDivisionClub(1, 23));
  EXPECT_EQ(LeagueTable_Row(14).position, 24);
  LeagueTable_ScrollUp(nullptr);
  EXPECT_EQ(LeagueTable_FirstRow(), 0);

  LeagueTable_SelectDivision(5);  // England has five divisions
  EXPECT_EQ(LeagueTable_Division(), 1);
  Draw(LeagueTable_Handler, MENU_EVENT_DRAW);
  const int16_t club = LeagueTable_Row(2).club;
  EXPECT_EQ(LeagueTable_ClickRow(2), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, club);
  EXPECT_EQ(MenuOption, 2);
  EXPECT_EQ(ReturnMenuOption, 9);
  EXPECT_EQ(LeagueTable_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

// The club page's "Club Fixtures" opens the list as the page's own: Done
// goes back to the page.
TEST_F(ClubFixturesTest, TheClubPagesFixturesComeBackToThePage) {
  EXPECT_EQ(ClubPage_Fixtures(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 8);
  EXPECT_EQ(MatchDayFlag, 1);
  Open();
  EXPECT_EQ(ClubFixtures_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 6);
}

// ---- in the menu loop ----

using menutest::ClickAt;
using menutest::MoveTo;

class ClubFixturesLoopTest : public menutest::MenuHarness {};

// The right button held down for a few ticks from `at` (ticks of the run).
std::vector<uint32_t> gRightPresses;
void HoldRightButton() {
  const uint32_t t = PlatRawTicks() - menutest::gDriver.start;
  bool down = false;
  for (uint32_t at : gRightPresses) down = down || (t >= at && t < at + 6);
  PlatSetMouseButton(1, down);
}

// The pattern clicked on the club name in the running screen, the right
// clicks seen by the screen's own watch, opens option 67.
TEST_F(ClubFixturesLoopTest, ThePatternOnTheClubNameOpensTheShortcut) {
  BuildLeagueWorld();
  MenuClub = 5;
  MenuOption = 8;
  Fixture_Add(30, COMP_LEAGUE, 5, 6, 0);
  gRightPresses = {60, 120};
  const int16_t poll = AddPollFunction(HoldRightButton, 1, 0);
  const bool ended = Run(ClubFixturesMenu, {MoveTo(5, 100, 36), ClickAt(20, 100, 36), ClickAt(40, 100, 36),
                                            ClickAt(90, 100, 36)});
  RemovePollFunction(poll);
  PlatSetMouseButton(1, false);
  ASSERT_TRUE(ended);
  EXPECT_EQ(MenuOption, 67);
  EXPECT_EQ(ReturnMenuOption, 8);
  EXPECT_EQ(ClubFixturesViewState, 1);
}

// A click on the first row opens the opponent's squad.
TEST_F(ClubFixturesLoopTest, ARowInTheRunningScreen) {
  BuildLeagueWorld();
  MenuClub = 5;
  MenuOption = 8;
  Fixture_Add(30, COMP_LEAGUE, 9, 5, 0);
  ASSERT_TRUE(Run(ClubFixturesMenu, {ClickAt(10, 200, 90)}));
  EXPECT_EQ(MenuOption, 2);
  EXPECT_EQ(MenuClub, 9);
}

}  // namespace
