// The Job Centre and the ranked lists in the real menu loop: a vacancy row's
// list, its "Apply", a row without a club, and a ranked list's rows and OK.
#include <gtest/gtest.h>

#include <vector>

#include "menus/c_mnjobs.h"
#include "menus/c_mnrank.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/players.h"

namespace {

using menutest::ClickAt;

class JobScreensLoopTest : public menutest::MenuHarness {};

// A vacancy row opens its list under it; "Apply" (its third row) asks the
// board, whose message box a click closes.
TEST_F(JobScreensLoopTest, AVacancysListAppliesForTheJob) {
  BuildLeagueWorld();
  ClubSim.getClubManager = [](int16_t club) -> int16_t { return club == 20 ? 1 : 2; };
  CurrentHumanManager = 1;
  Player_SetReputation(0, 63);  // above twice 30: the board takes him
  MenuOption = 43;
  // Row 0 of the vacancies at y 260-286; the list's rows 20 high under it.
  ASSERT_TRUE(Run(JobCentreMenu, {ClickAt(10, 200, 273), ClickAt(80, 200, 336), ClickAt(200, 320, 240)}));
  EXPECT_EQ(MenuOption, 6);
  EXPECT_EQ(MenuClub, 20);
  EXPECT_EQ(JobChangeMode, 1);
}
// A row without a club opens no list: after the first row's list was opened
// and closed, a click where the empty row's "Apply" would be does nothing,
// and OK leaves for the office.
TEST_F(JobScreensLoopTest, ARowWithoutAClubOpensNothing) {
  BuildLeagueWorld();
  ClubSim.getClubManager = [](int16_t club) -> int16_t { return club == 20 ? 1 : 2; };
  CurrentHumanManager = 1;
  Player_SetReputation(0, 63);
  MenuOption = 43;
  MenuPrims_ClearCalls();
  ASSERT_TRUE(Run(JobCentreMenu, {ClickAt(10, 200, 273), ClickAt(60, 400, 150), ClickAt(110, 200, 299),
                                  ClickAt(160, 200, 362), ClickAt(220, 590, 456)}));
  EXPECT_EQ(MenuOption, 3);
  for (const MenuPrimCall& call : MenuPrims_Calls()) EXPECT_NE(call.name, "DoMessageBox");
}

// Club Reputations: a page down, then the first row shown opens that club's
// squad.
TEST_F(JobScreensLoopTest, ARankedClubsRowOpensItsSquad) {
  BuildLeagueWorld();
  Club_SetRep(3, 63);
  MenuOption = 68;
  ASSERT_TRUE(Run(RankListMenu, {ClickAt(10, 45, 463), ClickAt(60, 200, 90)}));
  const RankListView& v = RankList_View();
  EXPECT_EQ(v.offset, 16);
  EXPECT_EQ(MenuOption, 7);
  EXPECT_EQ(MenuClub, v.list[16]);
  EXPECT_EQ(v.list[0], 3);
}
}  // namespace
