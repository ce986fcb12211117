// The Staff Appointments screen on the small test world: the posts and their
// release costs, the candidates of the kind shown, the hire with its money
// test, the sack paid into the money pool, the clicks that are ignored, and
// the screen run in the menu loop with its question box.
#include "menus/c_mnstaff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "clubsim/staffpool.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/clubs.h"
#include "world/funcs_finance.h"
#include "menus/langtext.h"

namespace {

constexpr int16_t kClub = tw::kHumanClub;
constexpr int16_t kCoach = STAFF_COACH, kKeepingCoach = STAFF_COACH_GK, kFaith = STAFF_FAITH;

int CountMessages(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == text) ++n;
  return n;
}
int CountQuestions(const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoQuestionBox" && call.text == text) ++n;
  return n;
}

// Kinds 0-8 have ten candidates each, levels 1-10 in pool order.
int16_t CandidateOf(int16_t kind, int16_t level) { return static_cast<int16_t>(kind * 10 + level - 1); }

void SetBalance(int16_t club, int32_t balance) {
  GNW_AddToClubBalance(club, balance - GNW_GetClubBalance(club));
  ASSERT_EQ(GNW_GetClubBalance(club), balance);
}

void EmptyAllPosts(int16_t club) {
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) {
    GNW_SetClubStaffLevel(club, kind, 0);
    GNW_SetClubStaffContract(club, kind, 0);
  }
}

void Market(std::initializer_list<int16_t> candidates) {
  std::fill(StaffCandidateAvailable, StaffCandidateAvailable + NUM_STAFF_CANDIDATES, uint8_t{0});
  for (int16_t c : candidates) StaffCandidateAvailable[c] = 1;
}

class StaffScreenTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    Seam_ConnectGame();
    MenuPrims_ClearCalls();
    MenuManager = 1;
    MenuClub = kClub;
    EmptyAllPosts(kClub);
    Market({});
  }
  void TearDown() override {
    SetHeadlessQuestionAnswer(0);
    WorldTest::TearDown();
  }
  static void Open() {
    SetMenuEvent(MENU_EVENT_INIT);
    StaffScreen_Handler(nullptr);
    SetMenuEvent(MENU_EVENT_DRAW);
  }
  static void Redraw() { StaffScreen_Handler(nullptr); }
  static const StaffScreenView& View() { return StaffScreen_View(); }
  // Selects the candidate row of the kind shown and answers the question.
  static void Hire(int16_t row, int answer) {
    Redraw();
    ASSERT_TRUE(StaffScreen_CandidateClick(row));
    SetHeadlessQuestionAnswer(answer);
    StaffScreen_Confirm();
    Redraw();
  }
  static void Sack(int16_t kind, int answer) {
    Redraw();
    ASSERT_TRUE(StaffScreen_PostClick(kind));
    SetHeadlessQuestionAnswer(answer);
    StaffScreen_Confirm();
    Redraw();
  }
};

}  // namespace

// The posts in kind order with their labels; an empty post shows blanks; a
// filled one its level, contract, monthly wage and release cost.
TEST_F(StaffScreenTest, PostsShowTheirFiguresAndEmptyPostsBlanks) {
  GNW_SetClubStaffLevel(kClub, STAFF_PHYSIO, 3);
  GNW_SetClubStaffContract(kClub, STAFF_PHYSIO, 9);
  Open();
  EXPECT_EQ(View().club, kClub);
  EXPECT_EQ(View().clubName, GNW_GetClubTextNo(GNW_GetClubDbId(kClub)));
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) {
    const StaffPostRow& r = View().posts[kind];
    EXPECT_EQ(r.label, 411 + kind);
    if (kind == STAFF_PHYSIO) continue;
    EXPECT_EQ(r.level, BLANK_S16) << kind;
    EXPECT_EQ(r.contract, BLANK_S16) << kind;
    EXPECT_EQ(r.wage, MENU_BLANK_VALUE) << kind;
    EXPECT_EQ(r.releaseCost, MENU_BLANK_VALUE) << kind;
  }
  EXPECT_STREQ(GetTextNoAddr(View().posts[STAFF_PHYSIO].label), "Physio");
  EXPECT_STREQ(GetTextNoAddr(View().posts[STAFF_COACH_YOUTH].label), "Youth Scout");
  EXPECT_STREQ(GetTextNoAddr(View().posts[STAFF_YDO].label), "Youth Coach");
  const StaffPostRow& physio = View().posts[STAFF_PHYSIO];
  EXPECT_EQ(physio.level, 3);
  EXPECT_EQ(physio.contract, 9);
  EXPECT_EQ(physio.wage, 500 * 4);
  EXPECT_EQ(physio.releaseCost, 9 * 500 * 4);
  EXPECT_EQ(View().totalReleaseCost, 9 * 500 * 4);
  EXPECT_EQ(View().kindShown, 0);
  EXPECT_EQ(View().selectedPost, -1);
  EXPECT_EQ(View().selectedCandidate, -1);
  EXPECT_EQ(View().question, -1);
}

// A post at level 10 with 6 months left costs 6 x 5,000 x 4 = 120,000 to
// release: with that much the club pays it into the money pool and the post
// is empty; with a pound less the sack is refused and nothing is paid.
TEST_F(StaffScreenTest, LevelTenForSixMonthsCosts120000ToRelease) {
  GNW_SetClubStaffLevel(kClub, kCoach, 10);
  GNW_SetClubStaffContract(kClub, kCoach, 6);
  Open();
  EXPECT_EQ(View().posts[kCoach].releaseCost, 120000);
  EXPECT_EQ(View().totalReleaseCost, 120000);

  SetBalance(kClub, 119999);
  const int32_t pool = MoneyPool;
  Sack(kCoach, 1);
  EXPECT_EQ(CountMessages("You don't have the money to release the player."), 1);
  EXPECT_EQ(GNW_GetClubCoach(kClub), 10);
  EXPECT_EQ(GNW_GetClubCoachContract(kClub), 6);
  EXPECT_EQ(GNW_GetClubBalance(kClub), 119999);
  EXPECT_EQ(MoneyPool, pool);
  EXPECT_EQ(View().selectedPost, -1) << "the refusal leaves nothing selected";

  SetBalance(kClub, 120000);
  Sack(kCoach, 1);
  EXPECT_EQ(CountQuestions("Are you sure you want to sack this person?"), 2);
  EXPECT_EQ(GNW_GetClubCoach(kClub), 0);
  EXPECT_EQ(GNW_GetClubCoachContract(kClub), 0);
  EXPECT_EQ(GNW_GetClubBalance(kClub), 0);
  EXPECT_EQ(MoneyPool, pool + 120000);
  EXPECT_EQ(View().posts[kCoach].level, BLANK_S16);
  EXPECT_EQ(View().totalReleaseCost, 0);
  EXPECT_EQ(View().selectedPost, -1);
}

// With every post empty the total release cost is 0, so a candidate joins
// only a club with at least 144 of his weekly wages: 144 x 5,000 = 720,000
// for level 10. He joins on a 12-month contract.
TEST_F(StaffScreenTest, EmptyPostsNeed144WeeklyWages) {
  Market({CandidateOf(kCoach, 10)});
  struct Case {
    int32_t balance;
    bool joins;
  } cases[] = {{719999, false}, {720000, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.balance);
    EmptyAllPosts(kClub);
    MenuPrims_ClearCalls();
    SetBalance(kClub, c.balance);
    Open();
    ASSERT_EQ(View().totalReleaseCost, 0);
    ASSERT_EQ(View().candidates[0].candidate, CandidateOf(kCoach, 10));
    Hire(0, 1);
    EXPECT_EQ(CountQuestions("Are you sure you want to hire this person?"), 1);
    EXPECT_EQ(CountMessages(LanguageTextTable[1131]), c.joins ? 0 : 1);
    EXPECT_EQ(GNW_GetClubCoach(kClub), c.joins ? 10 : 0);
    EXPECT_EQ(GNW_GetClubCoachContract(kClub), c.joins ? 12 : 0);
    EXPECT_EQ(GNW_GetClubBalance(kClub), c.balance) << "a hire costs nothing at once";
    EXPECT_EQ(View().selectedCandidate, -1);
  }
}

// The money test counts every post's release cost as well: a keeping coach
// at level 1 (weekly wage 100) beside a coach worth 120,000 to release needs
// 120,000 + 14,400.
TEST_F(StaffScreenTest, TheHireTestCountsTheReleaseCosts) {
  GNW_SetClubStaffLevel(kClub, kCoach, 10);
  GNW_SetClubStaffContract(kClub, kCoach, 6);
  Market({CandidateOf(kKeepingCoach, 1)});
  SetBalance(kClub, 134399);
  Open();
  StaffScreen_ChooseKind(kKeepingCoach);
  Hire(0, 1);
  EXPECT_EQ(GNW_GetClubCoachGK(kClub), 0);
  EXPECT_EQ(CountMessages(LanguageTextTable[1131]), 1);
  SetBalance(kClub, 134400);
  Hire(0, 1);
  EXPECT_EQ(GNW_GetClubCoachGK(kClub), 1);
  EXPECT_EQ(GNW_GetClubCoachGKContract(kClub), 12);
}

// A candidate of a kind whose post is filled is never selected: the click
// only clears the selection. A post filled between the click and "Yes" stays
// as it is.
TEST_F(StaffScreenTest, ACandidateForAFilledPostOnlyClears) {
  Market({CandidateOf(kCoach, 4), CandidateOf(kCoach, 9)});
  SetBalance(kClub, 10000000);
  Open();
  ASSERT_TRUE(StaffScreen_CandidateClick(1));
  EXPECT_EQ(View().selectedCandidate, 1);
  GNW_SetClubStaffLevel(kClub, kCoach, 2);
  GNW_SetClubStaffContract(kClub, kCoach, 5);
  Redraw();
  EXPECT_FALSE(StaffScreen_CandidateClick(0));
  EXPECT_EQ(View().selectedCandidate, -1);
  Redraw();
  EXPECT_EQ(View().question, -1) << "nothing to confirm";

  // Selected while empty, filled before the answer.
  GNW_SetClubStaffLevel(kClub, kCoach, 0);
  Redraw();
  ASSERT_TRUE(StaffScreen_CandidateClick(1));
  GNW_SetClubStaffLevel(kClub, kCoach, 2);
  SetHeadlessQuestionAnswer(1);
  StaffScreen_Confirm();
  EXPECT_EQ(GNW_GetClubCoach(kClub), 2);
  EXPECT_EQ(GNW_GetClubCoachContract(kClub), 5);
  EXPECT_EQ(View().selectedCandidate, -1);
}

// The candidates of the kind shown that are on the market, in pool order,
// with their monthly wages; the rows after the last are blank. The kind list
// ticks the kind shown; a post's label shows its kind.
TEST_F(StaffScreenTest, CandidatesOfTheKindShownInPoolOrder) {
  Market({CandidateOf(kCoach, 7), CandidateOf(kKeepingCoach, 2), CandidateOf(kKeepingCoach, 5),
          CandidateOf(kKeepingCoach, 10), 91});
  Open();
  EXPECT_EQ(View().candidates[0].candidate, CandidateOf(kCoach, 7));
  EXPECT_EQ(View().candidates[1].candidate, -1);

  StaffScreen_ShowPostKind(kKeepingCoach);
  Redraw();
  EXPECT_EQ(View().kindShown, kKeepingCoach);
  EXPECT_EQ(View().kindLabel, 412);
  const int16_t levels[] = {2, 5, 10};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(View().candidates[i].candidate, CandidateOf(kKeepingCoach, levels[i]));
    EXPECT_EQ(View().candidates[i].level, levels[i]);
    EXPECT_EQ(View().candidates[i].wage, GNW_GetStaffWage(levels[i]) * 4);
  }
  for (int i = 3; i < STAFF_CANDIDATE_ROWS; ++i) {
    EXPECT_EQ(View().candidates[i].candidate, -1) << i;
    EXPECT_EQ(View().candidates[i].level, BLANK_S16) << i;
    EXPECT_EQ(View().candidates[i].wage, MENU_BLANK_VALUE) << i;
  }
  const PopupRow* list = StaffScreen_KindList();
  for (int k = 0; k < STAFF_POSTS; ++k) {
    EXPECT_EQ(list[k].text.number, 411 + k);
    EXPECT_EQ((list[k].flags & POPUP_TICKED) != 0, k == kKeepingCoach) << k;
  }
  EXPECT_EQ(list[STAFF_POSTS].kind, POPUP_END);

  StaffScreen_ChooseKind(kFaith);
  Redraw();
  EXPECT_EQ(View().candidates[0].candidate, 91);
  EXPECT_EQ(View().candidates[0].level, 8);
  EXPECT_FALSE(StaffScreen_CandidateClick(1)) << "a blank row";
  StaffScreen_ChooseKind(11);
  StaffScreen_ChooseKind(-1);
  EXPECT_EQ(View().kindShown, kFaith) << "no kind past the list";
}

// A post is not selected while a candidate is, nor when it is empty; a
// candidate not while a post is. Any answer but "Yes" clears both.
TEST_F(StaffScreenTest, ClicksIgnoredWhileTheOtherSideIsSelected) {
  GNW_SetClubStaffLevel(kClub, STAFF_PSYCHO, 4);
  GNW_SetClubStaffContract(kClub, STAFF_PSYCHO, 3);
  Market({CandidateOf(kCoach, 1)});
  SetBalance(kClub, 10000000);
  Open();
  EXPECT_FALSE(StaffScreen_PostClick(kCoach)) << "an empty post";
  EXPECT_FALSE(StaffScreen_PostClick(STAFF_POSTS));
  EXPECT_FALSE(StaffScreen_PostClick(-1));

  ASSERT_TRUE(StaffScreen_CandidateClick(0));
  EXPECT_FALSE(StaffScreen_PostClick(STAFF_PSYCHO));
  EXPECT_EQ(View().selectedPost, -1);
  Redraw();
  EXPECT_EQ(View().question, 838);
  EXPECT_EQ(View().yes, 249);
  EXPECT_EQ(View().no, 248);
  EXPECT_EQ(View().candidates[0].colour, 1);
  EXPECT_EQ(View().panelLevel, BLANK_S16) << "a hire shows no post's figures";
  SetHeadlessQuestionAnswer(0);  // "No"
  StaffScreen_Confirm();
  EXPECT_EQ(View().selectedCandidate, -1);
  EXPECT_EQ(GNW_GetClubCoach(kClub), 0);

  Redraw();
  ASSERT_TRUE(StaffScreen_PostClick(STAFF_PSYCHO));
  EXPECT_FALSE(StaffScreen_CandidateClick(0));
  EXPECT_EQ(View().selectedCandidate, -1);
  Redraw();
  EXPECT_EQ(View().question, 422);
  EXPECT_EQ(View().posts[STAFF_PSYCHO].colour, 1);
  EXPECT_EQ(View().panelLevel, 4);
  EXPECT_EQ(View().panelContract, 3);
  EXPECT_EQ(View().panelWage, 750 * 4);
  EXPECT_EQ(View().panelReleaseCost, 3 * 750 * 4);
  SetHeadlessQuestionAnswer(2);  // a click beside the buttons
  StaffScreen_Confirm();
  EXPECT_EQ(View().selectedPost, -1);
  EXPECT_EQ(GNW_GetClubPsycho(kClub), 4);
}

// A label shows its kind's candidates and clears the candidate selection;
// the kind already shown does nothing.
TEST_F(StaffScreenTest, ALabelShowsItsKind) {
  Market({CandidateOf(kCoach, 3)});
  Open();
  ASSERT_TRUE(StaffScreen_CandidateClick(0));
  StaffScreen_ShowPostKind(kCoach);
  EXPECT_EQ(View().selectedCandidate, 0) << "the kind shown already";
  StaffScreen_ShowPostKind(STAFF_DIETITION);
  EXPECT_EQ(View().kindShown, STAFF_DIETITION);
  EXPECT_EQ(View().selectedCandidate, -1);
  StaffScreen_ShowPostKind(STAFF_POSTS);
  EXPECT_EQ(View().kindShown, STAFF_DIETITION);
}

// Opened without a club of the world the screen shows blanks and takes no
// click (the club accessors would stop the program on a negative club).
TEST_F(StaffScreenTest, NoClubShowsBlanksAndTakesNoClick) {
  Market({CandidateOf(kCoach, 3)});
  MenuClub = -1;
  Open();
  EXPECT_EQ(View().club, -1);
  EXPECT_EQ(View().clubName, -1);
  for (const StaffPostRow& r : View().posts) EXPECT_EQ(r.level, BLANK_S16);
  EXPECT_FALSE(StaffScreen_PostClick(0));
  EXPECT_FALSE(StaffScreen_CandidateClick(0));
  StaffScreen_Confirm();
  EXPECT_EQ(CountQuestions(LanguageTextTable[838]), 0);
}

TEST_F(StaffScreenTest, BackGoesToTheOffice) {
  MenuOption = 13;
  EXPECT_EQ(StaffScreen_Back(), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

// ---- the screen in the menu loop ----

namespace {

class StaffMenuRunTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    BuildTestWorld();
    Seam_ConnectGame();
    MenuManager = 1;
    MenuClub = kClub;
    EmptyAllPosts(kClub);
    GNW_SetClubStaffLevel(kClub, STAFF_PHYSIO, 2);
    GNW_SetClubStaffContract(kClub, STAFF_PHYSIO, 4);
    Market({CandidateOf(kCoach, 5)});
    SetBalance(kClub, 5000000);
  }
  void TearDown() override {
    MenuHarness::TearDown();
    ResetWorld();
  }
};

}  // namespace

// Post rows are centred on y 136 + 20 i (values from x 180), candidate rows
// likewise from x 448; "Yes" is the question box's button at (248, 296).
TEST_F(StaffMenuRunTest, AHireAndASackThroughTheQuestionBox) {
  MenuOption = 13;
  const int32_t pool = MoneyPool;
  ASSERT_TRUE(Run(StaffMenu, {menutest::ClickAt(40, 520, 136), menutest::ClickAt(160, 248, 296),
                              menutest::ClickAt(280, 300, 136 + 20 * STAFF_PHYSIO),
                              menutest::ClickAt(400, 248, 296), menutest::ClickAt(520, 590, 456)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(GNW_GetClubCoach(kClub), 5);
  EXPECT_EQ(GNW_GetClubCoachContract(kClub), 12);
  EXPECT_EQ(GNW_GetClubPhysio(kClub), 0);
  EXPECT_EQ(MoneyPool, pool + 4 * 250 * 4);
  EXPECT_EQ(GNW_GetClubBalance(kClub), 5000000 - 4 * 250 * 4);
}

// The kind button opens the list of the eleven kinds under it; a row shows
// its kind's candidates.
TEST_F(StaffMenuRunTest, TheKindListChoosesTheKindShown) {
  MenuOption = 13;
  ASSERT_TRUE(Run(StaffMenu, {menutest::ClickAt(40, 529, 99), menutest::ClickAt(160, 500, 121 + 20 * STAFF_PHYSIO),
                              menutest::ClickAt(300, 590, 456)}));
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(StaffScreen_View().kindShown, STAFF_PHYSIO);
  EXPECT_EQ(StaffScreen_View().kindLabel, 416);
}
