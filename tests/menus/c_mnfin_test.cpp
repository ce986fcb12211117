// The Finances screen on the small test world: the rows in their order with
// their totals, the balances, the redevelopment cost or the text beside its
// blank, the screen's own labels, and the screen run in the menu loop.
#include "menus/c_mnfin.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "menus/c_mnstaff.h"
#include "menus/exm_text.h"
#include "menus/langtext.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/funcs_finance.h"

namespace {

constexpr int16_t kClub = tw::kHumanClub;

class FinancesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    MenuManager = 1;
    MenuClub = kClub;
  }
  static void Open() {
    SetMenuEvent(MENU_EVENT_INIT);
    Finances_Handler(nullptr);
    SetMenuEvent(MENU_EVENT_DRAW);
  }
  static const FinancesView& View() { return Finances_View(); }
};

}  // namespace

// Each row is the facade's figure for it (the season's and the running
// week's together); the totals are their sums.
TEST_F(FinancesTest, RowsInTheirOrderWithTheirTotals) {
  Club_SetGateReceipts(kClub, 1000);
  Club_SetSeasonGateReceipts(kClub, 20000);
  Club_SetTotalSales(kClub, 300000);
  Club_SetSeasonSponsorship(kClub, 40000);
  Club_SetWeeksSponsorship(kClub, 500);
  Club_SetSeasonTVIncome(kClub, 60000);
  Club_SetSeasonMerchandising(kClub, 7000);
  Club_SetMiscIn(kClub, 800);
  Club_SetWeeksWinBonuses(kClub, 9000);
  Club_SetTotalWages(kClub, 110000);
  Club_SetTotalSignings(kClub, 250000);
  Club_SetSeasonCoachingStaffWages(kClub, 13000);
  Club_SetWeeksCoachingStaffWages(kClub, 1500);
  Club_SetSeasonGroundStaffWages(kClub, 1400);
  Club_SetSeasonStadiumMaintenance(kClub, 1500);
  Club_SetMiscOut(kClub, 160);
  Club_SetBalanceCarriedForward(kClub, 777000);
  Open();

  const int32_t income[] = {GNW_GetClubGateReceipts(kClub), GNW_GetClubSales(kClub),
                            GNW_GetClubSponsorship(kClub),  GNW_GetClubTVIncome(kClub),
                            GNW_GetClubMerchandising(kClub), GNW_GetClubMiscIncome(kClub),
                            GNW_GetClubWinBonuses(kClub)};
  const int32_t expenditure[] = {GNW_GetClubPlayerWages(kClub),        GNW_GetClubSignings(kClub),
                                 GNW_GetClubCoachingStaffWages(kClub), GNW_GetClubGroundStaffWages(kClub),
                                 GNW_GetClubStadiumMaintenance(kClub), GNW_GetClubMiscExpenditure(kClub)};
  int32_t in = 0, out = 0;
  for (int i = 0; i < FINANCES_INCOME_ROWS; ++i) {
    EXPECT_EQ(View().income[i], income[i]) << i;
    in += income[i];
  }
  for (int i = 0; i < FINANCES_EXPENDITURE_ROWS; ++i) {
    EXPECT_EQ(View().expenditure[i], expenditure[i]) << i;
    out += expenditure[i];
  }
  EXPECT_EQ(View().income[0], 21000);
  EXPECT_EQ(View().income[2], 40500);
  EXPECT_EQ(View().expenditure[FINANCES_COACHING_STAFF_ROW], 14500);
  EXPECT_EQ(View().incomeTotal, in);
  EXPECT_EQ(View().expenditureTotal, out);
  EXPECT_EQ(View().broughtForward, 777000);
  EXPECT_EQ(View().balance, GNW_GetClubBalance(kClub));
  EXPECT_EQ(View().club, kClub);
  EXPECT_EQ(View().clubName, GNW_GetClubTextNo(GNW_GetClubDbId(kClub)));
}

// A cost of -1 (no stadium clause, or no human manager's plans) is a blank
// with "No ground redevelopment" beside it; any other cost is shown, without
// the text, 0 included.
TEST_F(FinancesTest, ACostOfMinusOneIsBlank) {
  GNW_SetClubStadiumClause(kClub, 0);
  ASSERT_EQ(GNW_GetGroundRedevelopmentCost(kClub), -1);
  Open();
  EXPECT_EQ(View().redevelopmentCost, MENU_BLANK_VALUE);
  EXPECT_EQ(View().redevelopmentText, FINANCES_NO_REDEVELOPMENT_TEXT);
  EXPECT_STREQ(GetTextNoAddr(View().redevelopmentText), "No ground redevelopment");

  GNW_SetClubStadiumClause(kClub, 1);
  ASSERT_EQ(GNW_GetClubControl(kClub), 1);
  Open();
  EXPECT_EQ(View().redevelopmentCost, 0) << "no project: nothing to pay";
  EXPECT_EQ(View().redevelopmentText, -1);

  StandPlan* plan = GNW_GetStandProjectEntry(1, 2);
  ASSERT_NE(plan, nullptr);
  plan->project = 3;
  plan->progress = 2;
  const int32_t cost = GNW_GetGroundRedevelopmentCost(kClub);
  ASSERT_GT(cost, 0);
  Open();
  EXPECT_EQ(View().redevelopmentCost, cost);
  EXPECT_EQ(View().redevelopmentText, -1);

  // A computer-run club has no plans.
  MenuClub = tw::kLeagueClub;
  Open();
  EXPECT_EQ(View().redevelopmentCost, MENU_BLANK_VALUE);
  EXPECT_EQ(View().redevelopmentText, FINANCES_NO_REDEVELOPMENT_TEXT);
}

// Without a club of the world every figure is blank (the club accessors would
// stop the program on a negative club).
TEST_F(FinancesTest, NoClubShowsBlanks) {
  MenuClub = -1;
  Open();
  EXPECT_EQ(View().club, -1);
  EXPECT_EQ(View().clubName, -1);
  for (int32_t v : View().income) EXPECT_EQ(v, MENU_BLANK_VALUE);
  for (int32_t v : View().expenditure) EXPECT_EQ(v, MENU_BLANK_VALUE);
  EXPECT_EQ(View().incomeTotal, MENU_BLANK_VALUE);
  EXPECT_EQ(View().balance, MENU_BLANK_VALUE);
  EXPECT_EQ(View().redevelopmentText, -1);
}

// The screen's labels are its own words: seven income rows at x 30 and six
// expenditure rows at x 350, each its own non-empty label, "Total" under
// both, and the labels of the balances and the redevelopment.
TEST_F(FinancesTest, TheLabelsAreTheScreensOwnWords) {
  std::set<std::string> income, expenditure, others;
  int totals = 0;
  for (const MenuItem* item = FinancesMenu; item->type != MI_END; ++item) {
    if (item->type == MI_TEXTNO && item->a.number == 1363) ++totals;
    if (item->type != MI_STRING) continue;
    const std::string label = static_cast<const char*>(item->a.data);
    EXPECT_FALSE(label.empty());
    if (item->x == 30) income.insert(label);
    else if (item->x == 350) expenditure.insert(label);
    else others.insert(label);
  }
  EXPECT_EQ(income.size(), 7u);
  EXPECT_EQ(expenditure.size(), 6u);
  EXPECT_EQ(totals, 2);
  EXPECT_EQ(others.size(), 2u) << "balance brought forward, ground redevelopment";
  EXPECT_TRUE(expenditure.count("Coaching staff wages"));
  EXPECT_STREQ(LanguageTextTable[253], "Finances");
  EXPECT_STREQ(LanguageTextTable[FINANCES_NO_REDEVELOPMENT_TEXT], "No ground redevelopment");
}

TEST_F(FinancesTest, BackGoesToTheOffice) {
  MenuOption = 33;
  EXPECT_EQ(Finances_Back(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

// ---- the screen in the menu loop ----

namespace {

class FinancesMenuRunTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    BuildTestWorld();
    Seam_ConnectGame();
    MenuManager = 1;
    MenuClub = kClub;
  }
  void TearDown() override {
    MenuHarness::TearDown();
    ResetWorld();
  }
};

}  // namespace

// The figures are drawn once, with the screen; the back region at
// (565, 431) leaves for the office.
TEST_F(FinancesMenuRunTest, DrawsAndGoesBack) {
  Club_SetSeasonCoachingStaffWages(kClub, 12345);
  MenuOption = 33;
  ASSERT_TRUE(Run(FinancesMenu, {menutest::ClickAt(40, 588, 454)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(Finances_View().expenditure[FINANCES_COACHING_STAFF_ROW], 12345);
}

// ---- the way in ----

// Option 33 (the Club Menus' "Finances") opens the screen on the human
// manager's club, whichever club the screens last showed; option 13 likewise
// opens Staff Appointments.
TEST_F(FinancesTest, TheOptionsOpenOnTheHumanClub) {
  static std::vector<const MenuItem*> screens;
  const auto previous = FrontEndSeam.runScreen;
  FrontEndSeam.runScreen = [](const MenuItem* table) { screens.push_back(table); };
  for (int16_t option : {int16_t{33}, int16_t{13}}) {
    SCOPED_TRACE(option);
    screens.clear();
    MenuClub = tw::kLeagueClub;
    MenuOption = option;
    DoMainMenuOption();
    ASSERT_EQ(screens.size(), 1u);
    EXPECT_EQ(screens[0], option == 33 ? FinancesMenu : StaffMenu);
    EXPECT_EQ(MenuClub, kClub);
    EXPECT_EQ(MenuOption, option);
  }
  FrontEndSeam.runScreen = previous;
}
