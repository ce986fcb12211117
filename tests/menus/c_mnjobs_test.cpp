// The Job Centre: the vacancies and the jobs in jeopardy, the scrolling, the
// three answers to an application, and a sacked manager either placed at the
// best club that would take him or told the game is over.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "menus/c_mnjobs.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/players.h"

namespace {

constexpr int16_t kManagerPlayer = 0;  // the human manager's own player (manager 1)
constexpr int16_t kNoManager = 1;
constexpr int16_t kForeign = 130;
constexpr int16_t kOutside = 118;  // England, outside the league

// The club managers as the club simulation keeps them (1 none).
int16_t gManager[NUM_CLUBS];
std::vector<int16_t> gReleased;
std::vector<int16_t> gInJeopardy;

int CountMessages(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == text) ++n;
  return n;
}
int CountMessages() {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") ++n;
  return n;
}

void Open() {
  SetMenuEvent(MENU_EVENT_INIT);
  JobCentre_Handler(nullptr);
}
void Redraw() {
  SetMenuEvent(MENU_EVENT_DRAW);
  JobCentre_Handler(nullptr);
}

class JobCentreTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    FrontEnd_Reset();
    MenuPrims_ClearCalls();
    // Every club managed by its squad's second player, none in jeopardy.
    for (int c = 0; c < NUM_CLUBS; ++c) gManager[c] = static_cast<int16_t>(c * tw::kLeagueSquad + 1);
    gManager[0] = kManagerPlayer;
    gReleased.clear();
    gInJeopardy.clear();
    ClubSim.getClubManager = [](int16_t club) -> int16_t {
      return club >= 0 && club < NUM_CLUBS ? gManager[club] : kNoManager;
    };
    ClubSim.releaseClubManager = [](int16_t club) {
      gReleased.push_back(club);
      gManager[club] = kNoManager;
    };
    ClubSim.boardWouldSackManager = [](int16_t club) -> int16_t {
      return std::find(gInJeopardy.begin(), gInJeopardy.end(), club) != gInJeopardy.end() ? 1 : 0;
    };
    Club_SetControl(0, 1);
    CurrentHumanManager = 1;
    Player_SetReputation(kManagerPlayer, 40);
  }
  static void Vacant(std::initializer_list<int16_t> clubs) {
    for (int16_t club : clubs) gManager[club] = kNoManager;
  }
  // The human manager sacked today by his club.
  static void Sacked() {
    SackedHumanManager = 1;
    SackingClub = 0;
    Club_SetControl(0, 0);
  }
  static int Applications() { return Seam_CountCalls("ApplyForManagerJob"); }
};

// The vacancies in club order and the clubs in jeopardy with their managers;
// each row a crest, a name and the club's place in its division. Opening the
// screen records no application.
TEST_F(JobCentreTest, OpeningListsTheVacanciesAndTheJobsInJeopardy) {
  Vacant({7, 25, 60});
  gInJeopardy = {3, 9};
  DivisionTable[0][2] = 7;
  DivisionTable[0][0] = 3;
  Open();
  const JobCentreView& v = JobCentre_View();
  ASSERT_EQ(v.vacancyCount, 3);
  EXPECT_EQ(v.vacancies[0], 7);
  EXPECT_EQ(v.vacancies[1], 25);
  EXPECT_EQ(v.vacancies[2], 60);
  EXPECT_EQ(v.jeopardyCount, 2);
  EXPECT_EQ(v.chosenClub, -1);
  EXPECT_EQ(v.gameOver, 0);
  EXPECT_EQ(Applications(), 0);
  EXPECT_EQ(MenuBarRestricted, 0);

  const std::string division0 = GetTextNoAddr(GNW_GetDivisionNameTextNo(0));
  const JobCentreRow& first = v.vacancyRows[0];
  EXPECT_EQ(first.club, 7);
  EXPECT_EQ(first.crest, 105 + GNW_GetClubDbId(7));
  EXPECT_EQ(first.name, GNW_GetClubTextNo(GNW_GetClubDbId(7)));
  EXPECT_EQ(first.manager, -1);
  EXPECT_EQ(first.division, "3rd in " + division0);
  EXPECT_STREQ(v.vacancyRows[1].division, "") << "a club the tables do not hold";
  for (int r = 3; r < JOB_CENTRE_VACANCY_ROWS; ++r) {
    EXPECT_EQ(v.vacancyRows[r].club, -1);
    EXPECT_EQ(v.vacancyRows[r].name, -1);
  }
  const JobCentreRow& danger = v.jeopardyRows[0];
  EXPECT_EQ(danger.club, 3);
  EXPECT_EQ(danger.manager, GNW_GetPlayerTextNo(gManager[3]));
  EXPECT_EQ(danger.division, "1st in " + division0);
  EXPECT_EQ(v.jeopardyRows[1].club, 9);
  EXPECT_EQ(v.jeopardyRows[2].club, -1);
}

// Down moves one row while a full page stays inside the list; up not below 0.
TEST_F(JobCentreTest, ScrollingKeepsAFullPage) {
  Vacant({4, 5, 6, 7, 8});
  Open();
  const JobCentreView& v = JobCentre_View();
  JobCentre_ScrollDown(nullptr);
  EXPECT_EQ(v.first, 0) << "five vacancies: nothing to scroll";
  JobCentre_ScrollUp(nullptr);
  EXPECT_EQ(v.first, 0);

  Vacant({9, 10, 11});
  Open();
  ASSERT_EQ(v.vacancyCount, 8);
  for (int16_t want : {1, 2, 2}) {
    JobCentre_ScrollDown(nullptr);
    EXPECT_EQ(v.first, want);
  }
  Redraw();
  EXPECT_EQ(v.vacancyRows[0].club, 6);
  EXPECT_EQ(v.vacancyRows[5].club, 11);
  for (int16_t want : {1, 0, 0}) {
    JobCentre_ScrollUp(nullptr);
    EXPECT_EQ(v.first, want);
  }
}

// A row takes its club as the chosen one; a row without a club opens nothing.
// The list's "View Squad" and "Club Records" open the club's screens, which
// come back to the centre.
TEST_F(JobCentreTest, ARowChoosesItsClub) {
  Vacant({4, 5, 6, 7, 8, 9, 10});
  Vacant({});
  Open();
  const JobCentreView& v = JobCentre_View();
  JobCentre_ScrollDown(nullptr);
  EXPECT_TRUE(JobCentre_ChooseRow(5));
  EXPECT_EQ(v.chosenClub, 10);
  EXPECT_TRUE(JobCentre_ChooseRow(0));
  EXPECT_EQ(v.chosenClub, 5);
  EXPECT_FALSE(JobCentre_ChooseRow(6));
  EXPECT_FALSE(JobCentre_ChooseRow(-1));

  EXPECT_EQ(JobCentre_ViewSquad(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 7);
  EXPECT_EQ(MenuClub, 5);
  EXPECT_EQ(JobCentreFlag, 1);
  EXPECT_EQ(MenuClubReset, 1);
  EXPECT_EQ(JobCentre_ClubRecords(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 27);
  EXPECT_EQ(MenuClub, 5);
  // Back at the centre the flag is down again; "Done" leads to the office.
  Open();
  EXPECT_EQ(JobCentreFlag, 0);
  EXPECT_EQ(JobCentre_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);

  Vacant({});
  for (int c = 4; c <= 10; ++c) gManager[c] = static_cast<int16_t>(c * tw::kLeagueSquad + 1);
  Open();
  EXPECT_FALSE(JobCentre_ChooseRow(0)) << "no vacancy at all";
}

// Apply asks the board with the recording flag: its three answers, each with
// its message; a refusal or a wait clears the chosen club, an appointment
// opens the club's page as an application from the centre.
TEST_F(JobCentreTest, ApplyShowsTheBoardsAnswer) {
  struct Case {
    int managerRep;
    const char* message;
    int16_t option;   // MenuOption after
    int applications; // recorded job offers
  } cases[] = {
      {61, "Board is delighted with you. YOU GOT IT. ", 6, 0},
      {14, "The board laugh at you. NO WAY !! ", 43, 0},
      {30, "Lets wait and see. MAYBE ??", 43, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.managerRep);
    Seam_ClearCalls();
    MenuPrims_ClearCalls();
    Vacant({20});
    Player_SetReputation(kManagerPlayer, c.managerRep);
    MenuOption = 43;
    JobChangeMode = 0;
    Open();
    ASSERT_TRUE(JobCentre_ChooseRow(0));
    const int16_t result = JobCentre_Apply();
    EXPECT_EQ(CountMessages(c.message), 1);
    EXPECT_EQ(CountMessages(), 1);
    EXPECT_EQ(MenuOption, c.option);
    EXPECT_EQ(Applications(), c.applications);
    if (c.option == 6) {
      EXPECT_EQ(result, MENU_RESULT_LEAVE);
      EXPECT_EQ(MenuClub, 20);
      EXPECT_EQ(JobChangeMode, 1);
    } else {
      EXPECT_EQ(result, MENU_RESULT_REDRAW);
      EXPECT_EQ(JobCentre_View().chosenClub, -1);
      EXPECT_EQ(JobChangeMode, 0);
    }
  }
  // With no club chosen nothing happens.
  MenuPrims_ClearCalls();
  Open();
  JobCentre_Apply();
  EXPECT_EQ(CountMessages(), 0);
}

// Sacked, with a vacancy whose board would take him: nothing else changes,
// and nothing is recorded.
TEST_F(JobCentreTest, ASackedManagerWithAWillingVacancyIsLeftToApply) {
  Sacked();
  Vacant({0, 20});
  Club_SetRep(20, 15);  // 40 > 2 x 15
  Open();
  const JobCentreView& v = JobCentre_View();
  EXPECT_EQ(MenuBarRestricted, 1);
  EXPECT_TRUE(gReleased.empty());
  EXPECT_EQ(v.gameOver, 0);
  EXPECT_EQ(v.vacancyCount, 2);
  EXPECT_EQ(Applications(), 0);
  EXPECT_EQ(CountMessages(), 0);
  // The club that sacked him will not have him back.
  ASSERT_TRUE(JobCentre_ChooseRow(0));
  JobCentre_Apply();
  EXPECT_EQ(CountMessages("The board laugh at you. NO WAY !! "), 1);
}

// Sacked, and no vacancy would take him: the best club of the game country's
// divisions whose board would (the first on equal reputations) lets its
// manager go, and its post is listed; he gets it when he applies.
TEST_F(JobCentreTest, ASackedManagerIsPlacedAtTheBestClubThatWouldTakeHim) {
  Sacked();
  Vacant({20});                     // reputation 30: no
  for (int16_t club : {10, 60, 70}) Club_SetRep(club, 19);
  Club_SetRep(10, 15);
  Club_SetRep(kForeign, 3);  // abroad
  Club_SetRep(kOutside, 3);  // outside the league
  Open();
  const JobCentreView& v = JobCentre_View();
  ASSERT_EQ(gReleased.size(), 1u);
  EXPECT_EQ(gReleased[0], 60);
  EXPECT_EQ(v.gameOver, 0);
  EXPECT_EQ(CountMessages(), 0);
  EXPECT_EQ(Applications(), 0);
  ASSERT_EQ(v.vacancyCount, 2);
  EXPECT_EQ(v.vacancies[0], 20);
  EXPECT_EQ(v.vacancies[1], 60);
  ASSERT_TRUE(JobCentre_ChooseRow(1));
  EXPECT_EQ(JobCentre_Apply(), MENU_RESULT_LEAVE);
  EXPECT_EQ(CountMessages("Board is delighted with you. YOU GOT IT. "), 1);
  EXPECT_EQ(MenuOption, 6);
  EXPECT_EQ(MenuClub, 60);
  // Opened again the same day, the vacancy takes him: no second release.
  Open();
  EXPECT_EQ(gReleased.size(), 1u);
}

// Sacked, and no board anywhere would take him: the two messages, and every
// way out of the screen leads to the start page.
TEST_F(JobCentreTest, ASackedManagerNobodyWantsEndsTheGame) {
  Sacked();
  Player_SetReputation(kManagerPlayer, 5);  // never above twice a reputation of 3 or more
  Vacant({20});
  Open();
  const JobCentreView& v = JobCentre_View();
  EXPECT_TRUE(gReleased.empty());
  EXPECT_EQ(v.gameOver, 1);
  ASSERT_EQ(CountMessages(), 2);
  std::vector<std::string> shown;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") shown.push_back(call.text);
  EXPECT_EQ(shown[0], "You Are A Hopeless Manager Go Play A Platform Game.");
  EXPECT_EQ(shown[1], "GAME OVER.");
  EXPECT_EQ(MenuBarRestricted, 1);

  ASSERT_TRUE(JobCentre_ChooseRow(0));
  MenuOption = 43;
  EXPECT_EQ(JobCentre_Apply(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
  EXPECT_EQ(Applications(), 0);
  MenuOption = 43;
  EXPECT_EQ(JobCentre_ViewSquad(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
  MenuOption = 43;
  EXPECT_EQ(JobCentre_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);

  // No vacancy at all ends the same way.
  MenuPrims_ClearCalls();
  Vacant({});
  gManager[20] = 20 * tw::kLeagueSquad + 1;
  Open();
  EXPECT_EQ(JobCentre_View().vacancyCount, 0);
  EXPECT_EQ(JobCentre_View().gameOver, 1);
  EXPECT_EQ(CountMessages("GAME OVER."), 1);
}

}  // namespace
