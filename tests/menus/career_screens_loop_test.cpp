// The new career's screens in the real menu loop: their tables draw, and a
// click on a tab, a club, a button or the OK region does what the screen's
// handlers do.
#include <gtest/gtest.h>

#include <vector>

#include "menus/c_mnterms.h"
#include "menus/m_mn5.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/office.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"

namespace {

using menutest::ClickAt;

class CareerScreensLoopTest : public menutest::MenuHarness {
 protected:
  // The harness's set-up has reset every module: the world is empty until
  // the test builds one.
};

// The second tab shows division 1; a click on the first row's left side picks
// its first club by name and opens the club page.
TEST_F(CareerScreensLoopTest, ATabThenAClubOpensTheClubPage) {
  BuildLeagueWorld();
  ASSERT_EQ(GNW_GetNumDivisions(), 5);
  MenuOption = 5;
  JobChangeMode = 2;
  // Five tabs of 96 from x 74 at y 440; the rows 28 apart from y 80.
  ASSERT_TRUE(Run(SelectTeamMenu, {ClickAt(10, 172 + 48, 455), ClickAt(60, 100, 80 + 14)}));
  const SelectTeamView& v = SelectTeam_View();
  EXPECT_EQ(v.division, 1);
  EXPECT_EQ(MenuOption, 73);
  EXPECT_EQ(MenuClub, v.clubs[0]);
  EXPECT_EQ(GNW_GetClubDivision(MenuClub), 1);
  EXPECT_EQ(JobChangeMode, 0);
}

TEST_F(CareerScreensLoopTest, OkStoresTheOfferedName) {
  BuildTestWorld();
  MenuOption = 16;
  ASSERT_TRUE(Run(ManagerNameMenu, {ClickAt(10, 590, 456)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_STREQ(ManagerName_Stored(), "P.Manager");
}

// Accept of an application takes the job; Reject of a first club goes back to
// the club selection.
TEST_F(CareerScreensLoopTest, TheClubPagesButtons) {
  BuildTestWorld();
  MenuClub = tw::kLeagueClub;
  JobChangeMode = 1;
  ASSERT_TRUE(Run(ClubPageMenu, {ClickAt(10, 74 + 132, 455)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);

  Club_SetControl(tw::kLeagueClub, 0);
  Club_SetControl(tw::kHumanClub, 1);
  MenuClub = tw::kLeagueClub;
  JobChangeMode = 0;
  ASSERT_TRUE(Run(ClubPageMenu, {ClickAt(10, 341 + 132, 455)}));
  EXPECT_EQ(MenuOption, 5);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 0);
}

// "No" on the training row, then Accept.
TEST_F(CareerScreensLoopTest, ContractTermsRowsAndAccept) {
  BuildTestWorld();
  MenuClub = tw::kLeagueClub;
  MenuManager = 1;
  JobChangeMode = 0;
  ASSERT_TRUE(Run(ContractTermsMenu, {ClickAt(10, 525, 195), ClickAt(60, 115, 420)}));
  EXPECT_EQ(GNW_GetClubTrainingClause(tw::kLeagueClub), 0);
  EXPECT_EQ(GNW_GetClubHiringClause(tw::kLeagueClub), 0);
  EXPECT_EQ(MenuOption, 16);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
}

}  // namespace

namespace {

// A new career's Accept opens the two roles; "Manager" takes the job without
// the playing clause and goes on to the manager's name.
TEST_F(CareerScreensLoopTest, ANewCareersAcceptOffersTheTwoRoles) {
  BuildTestWorld();
  MenuClub = tw::kLeagueClub;
  JobChangeMode = 0;
  // The list hangs above the button (there is no room under it): its second
  // row, "Manager", is the lower one.
  ASSERT_TRUE(Run(ClubPageMenu, {ClickAt(10, 74 + 132, 455), ClickAt(60, 74 + 40, 430)}));
  EXPECT_EQ(MenuOption, 16);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  EXPECT_EQ(GNW_GetClubBossvaneClause(tw::kLeagueClub), 0);
}

}  // namespace
