// A new career's screens: the clubs of a division in two sorted columns, the
// manager's name, the club page with its board and the job taken, and the
// contract terms in each of their four situations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "menus/c_mnterms.h"
#include "menus/exm_text.h"
#include "menus/m_mn5.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/office.h"
#include "season/seam.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/savegame.h"

namespace {

std::string ClubNameOf(int16_t club) { return GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(club))); }

int16_t Draw(int16_t (*handler)(const MenuItem*), int16_t event) {
  SetMenuEvent(event);
  return handler(nullptr);
}

// A seed whose first roll of the game's generator has the wanted parity.
uint32_t SeedWithFirstRoll(int modulus, int wanted) {
  for (uint32_t seed = 1;; ++seed) {
    GameSeedRandom(seed);
    if (GameRandom() % modulus == wanted) return seed;
  }
}

// ---- Select Team To Manage and the manager's name ----

class SelectTeamTest : public LeagueWorldTest {};

// The clubs of a division of 24 fill 12 rows: the first twelve by name on the
// left, the other twelve on the right, each with its crest.
TEST_F(SelectTeamTest, TwentyFourClubsGiveTwelveSortedRows) {
  Draw(SelectTeam_Handler, MENU_EVENT_INIT);
  ASSERT_EQ(SelectTeam_SelectDivision(1), MENU_RESULT_REDRAW);
  Draw(SelectTeam_Handler, MENU_EVENT_DRAW);
  const SelectTeamView& v = SelectTeam_View();
  EXPECT_EQ(v.tabState[1], 1);
  EXPECT_EQ(v.tabState[0], 0);
  ASSERT_EQ(v.count, 24);
  EXPECT_EQ(v.rows, 12);
  std::vector<std::string> names;
  for (int16_t club = 20; club <= 43; ++club) names.push_back(ClubNameOf(club));
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return std::strcmp(a.c_str(), b.c_str()) < 0;
  });
  for (int r = 0; r < 12; ++r) {
    EXPECT_EQ(GetTextNoAddr(v.leftName[r]), names[r]) << "row " << r;
    EXPECT_EQ(GetTextNoAddr(v.rightName[r]), names[12 + r]) << "row " << r;
    EXPECT_EQ(v.leftIcon[r], 105 + GNW_GetClubDbId(v.clubs[r]));
    EXPECT_EQ(v.rightIcon[r], 105 + GNW_GetClubDbId(v.clubs[12 + r]));
  }
}

// An odd division shows every club: 23 clubs take 12 rows, the last right
// side empty and not clickable.
TEST_F(SelectTeamTest, TwentyThreeClubsAreAllShown) {
  Club_SetDivision(43, 6);
  Draw(SelectTeam_Handler, MENU_EVENT_INIT);
  SelectTeam_SelectDivision(1);
  Draw(SelectTeam_Handler, MENU_EVENT_DRAW);
  const SelectTeamView& v = SelectTeam_View();
  ASSERT_EQ(v.count, 23);
  EXPECT_EQ(v.rows, 12);
  for (int r = 0; r < 12; ++r) EXPECT_EQ(v.leftName[r], GNW_GetClubTextNo(GNW_GetClubDbId(v.clubs[r])));
  for (int r = 0; r < 11; ++r) EXPECT_EQ(v.rightName[r], GNW_GetClubTextNo(GNW_GetClubDbId(v.clubs[12 + r])));
  EXPECT_EQ(v.rightName[11], -1);
  EXPECT_EQ(v.rightIcon[11], 2);

  MenuOption = 5;
  EXPECT_EQ(SelectTeam_PickRow(11, true), 0) << "an empty side does nothing";
  EXPECT_EQ(MenuOption, 5);
  JobChangeMode = 2;
  EXPECT_EQ(SelectTeam_PickRow(10, true), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, v.clubs[22]);
  EXPECT_EQ(MenuOption, 73);
  EXPECT_EQ(JobChangeMode, 0);
  EXPECT_EQ(SelectTeam_PickRow(0, false), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuClub, v.clubs[0]);
  EXPECT_EQ(SelectTeam_PickRow(12, false), 0);
}

// Only the game country's divisions have tabs; the first one opens selected.
TEST_F(SelectTeamTest, TabsFollowTheCountrysDivisions) {
  Draw(SelectTeam_Handler, MENU_EVENT_INIT);
  const SelectTeamView& v = SelectTeam_View();
  EXPECT_EQ(v.division, 0);
  EXPECT_EQ(v.divisions, GNW_GetNumDivisions());
  EXPECT_EQ(v.tabState[0], 1);
  for (int d = 0; d < v.divisions; ++d) EXPECT_EQ(v.divisionNames[d], GNW_GetDivisionNameTextNo(d));
  EXPECT_EQ(SelectTeam_SelectDivision(v.divisions), 0) << "no tab past the last division";
  EXPECT_EQ(SelectTeam_SelectDivision(-1), 0);
  EXPECT_EQ(v.division, 0);
}

class ManagerNameTest : public WorldTest {};

// The name offered is "P.Manager" padded to 20; kept as it is, it is stored
// without the blanks, and the manager's own player shows it.
TEST_F(ManagerNameTest, TheOfferedNameIsStoredWithoutBlanks) {
  Draw(ManagerName_Handler, MENU_EVENT_INIT);
  EXPECT_STREQ(ManagerName_Buffer(), "P.Manager           ");
  EXPECT_EQ(ManagerName_ClubText(), GNW_GetClubTextNo(GNW_GetClubDbId(tw::kHumanClub)));
  EXPECT_EQ(ManagerName_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_STREQ(ManagerName_Stored(), "P.Manager");
  EXPECT_STREQ(reinterpret_cast<const char*>(SavePlaceholders.clubScreenName), "P.Manager");
  EXPECT_EQ(GNW_GetPlayerInitial(0), 0);
  EXPECT_STREQ(GNW_GetPlayerName(0), "P.Manager");
}

TEST_F(ManagerNameTest, ATypedNameIsCutAtItsLastCharacter) {
  Draw(ManagerName_Handler, MENU_EVENT_INIT);
  std::memcpy(ManagerName_Buffer(), "Alexander Bartholome", 20);  // the whole field
  ManagerName_Done(nullptr);
  EXPECT_STREQ(ManagerName_Stored(), "Alexander Bartholome");
  EXPECT_STREQ(GNW_GetPlayerName(0), "Alexander Barthol") << "the player's name is a surname's 17 bytes";
  Draw(ManagerName_Handler, MENU_EVENT_INIT);
  std::memcpy(ManagerName_Buffer(), "Jo Bloggs    ", 13);
  ManagerName_Done(nullptr);
  EXPECT_STREQ(ManagerName_Stored(), "Jo Bloggs");
}

// ---- the club page ----

class ClubPageTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    MenuClub = tw::kLeagueClub;
  }
  static void Scores(int16_t rank, int16_t form) {
    gRank = rank;
    gForm = form;
    ClubSim.calcRepRankScore = [](int16_t) { return gRank; };
    ClubSim.calcClubFormScore = [](int16_t) { return gForm; };
  }
  static inline int16_t gRank = 0, gForm = 0;
};

TEST_F(ClubPageTest, ThePageShowsTheClubsSquadByPositionType) {
  JobChangeMode = 0;
  Draw(ClubPage_Handler, MENU_EVENT_INIT);
  const ClubPageView& v = ClubPage_View();
  EXPECT_EQ(v.club, tw::kLeagueClub);
  EXPECT_EQ(std::string(v.title), "Job Offer " + ClubNameOf(tw::kLeagueClub));
  for (int i = 1; i < v.count; ++i)
    EXPECT_LE(GNW_GetPositionType(v.squad[i - 1]), GNW_GetPositionType(v.squad[i]));
  for (int r = v.count; r < CLUB_PAGE_ROWS; ++r) {
    EXPECT_EQ(v.rowName[r], -1);
    EXPECT_EQ(v.rowValue[r], MENU_BLANK_VALUE);
  }
  EXPECT_EQ(ClubPage_ScrollUp(nullptr), 0);
  EXPECT_EQ(ClubPage_ScrollDown(nullptr), 0) << "a squad of 17 or fewer does not scroll";
}

// Mode 0: the pop-up's two rows set whether the manager plays, then the job
// is his: the club is human-run, the manager's standing follows the club's,
// his shirt is cleared and the clauses are the board's.
TEST_F(ClubPageTest, TakingTheFirstJobInModeZero) {
  struct Case {
    int16_t bossvane;
    int32_t ownRep, clubRep, expectedRep;
  } cases[] = {{1, 60, 40, 30}, {0, 40, 60, 40}, {1, 1, 2, 3}, {0, 2, 1, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ownRep);
    ResetAllModules();
    ResetWorld();
    BuildTestWorld();
    MenuClub = tw::kLeagueClub;
    JobChangeMode = 0;
    Player_SetReputation(0, c.ownRep);
    Club_SetRep(tw::kLeagueClub, c.clubRep);
    GNW_SetPlayerShirt(0, 5);
    for (int16_t& w : JobHistoryWords) w = 7;
    Draw(ClubPage_Handler, MENU_EVENT_INIT);
    PopupRow* roles = ClubPage_RoleList();
    EXPECT_STREQ(roles[0].text.data ? static_cast<const char*>(roles[0].text.data) : "", "Gafferon : Manage and play");
    EXPECT_STREQ(static_cast<const char*>(roles[1].text.data), "Manager");
    PopupCall call{1, c.bossvane ? int16_t{0} : int16_t{1}, &roles[c.bossvane ? 0 : 1], roles};
    EXPECT_EQ(roles[call.row].callback(&call), MENU_RESULT_LEAVE);
    EXPECT_EQ(GNW_GetClubBossvaneClause(tw::kLeagueClub), c.bossvane);
    EXPECT_EQ(MenuOption, 16);
    EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
    EXPECT_EQ(Club_GetControl(tw::kHumanClub), 0) << "the old club goes back to the computer";
    EXPECT_EQ(GNW_GetPlayerReputation(0), c.expectedRep);
    EXPECT_EQ(GNW_GetPlayerShirt(0), 0);
    for (int16_t w : JobHistoryWords) EXPECT_EQ(w, -1);
    EXPECT_EQ(GNW_GetClubContractClause(tw::kLeagueClub), 1);
    EXPECT_EQ(GNW_GetClubTrainingClause(tw::kLeagueClub), 1);
    EXPECT_EQ(GNW_GetClubFinancialClause(tw::kLeagueClub), 1);
    EXPECT_EQ(GNW_GetClubHiringClause(tw::kLeagueClub), 1);
    EXPECT_EQ(GNW_GetClubStadiumClause(tw::kLeagueClub), 0);
    EXPECT_EQ(OfficeNewGameFlag, 1);
    EXPECT_EQ(OfficeAppointmentFlag, 1);
    EXPECT_EQ(Seam_CountCalls("SnapshotSquadProgress"), 1);
    EXPECT_EQ(JobChangeMode, 0);
  }
}

TEST_F(ClubPageTest, AnApplicationFromTheJobCentreGoesToTheOffice) {
  JobChangeMode = 1;
  Player_SetReputation(0, 40);
  Club_SetRep(tw::kLeagueClub, 20);
  Draw(ClubPage_Handler, MENU_EVENT_INIT);
  EXPECT_EQ(ClubPage_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(JobChangeMode, 0);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  EXPECT_EQ(GNW_GetPlayerReputation(0), 40) << "only a new career's first job changes his standing";
}

// Mode 2: a board doing well pleads once (on an odd roll) and the page stays;
// the second Accept takes the job.
TEST_F(ClubPageTest, TheBoardPleadsOnceThenTheJobIsTaken) {
  Scores(7, 36);
  JobChangeMode = 2;
  MenuOption = 6;
  Draw(ClubPage_Handler, MENU_EVENT_INIT);
  GameSeedRandom(SeedWithFirstRoll(2, 1));
  EXPECT_EQ(ClubPage_Accept(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(BoardPleaFlag, 1);
  EXPECT_EQ(MenuOption, 6);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 0);
  EXPECT_EQ(ClubPage_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(JobChangeMode, 0);
  EXPECT_EQ(GNW_GetJobOfferPending(), 0);
}

// No plea from a board below either mark, nor on an even roll.
TEST_F(ClubPageTest, NoPleaBelowTheMarks) {
  const struct {
    int16_t rank, form;
    int roll;
  } cases[] = {{6, 60, 1}, {24, 35, 1}, {24, 60, 0}};
  for (const auto& c : cases) {
    ResetAllModules();
    ResetWorld();
    BuildTestWorld();
    Scores(c.rank, c.form);
    MenuClub = tw::kLeagueClub;
    JobChangeMode = 2;
    GameSeedRandom(SeedWithFirstRoll(2, c.roll));
    EXPECT_EQ(ClubPage_Accept(nullptr), MENU_RESULT_LEAVE);
    EXPECT_EQ(BoardPleaFlag, 0);
    EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  }
}

// Rejecting after the plea: the board finds balance x (20 + roll % 20) / 100
// from the pool, worked out in 64 bits (100,000,000 x 39 passes 32 bits).
TEST_F(ClubPageTest, RejectAfterThePleaRaisesTheBalance) {
  for (const int32_t balance : {1000000, 100000000}) {
    ResetAllModules();
    ResetWorld();
    BuildTestWorld();
    Scores(24, 60);
    MenuClub = tw::kLeagueClub;
    JobChangeMode = 2;
    Club_SetBalance(tw::kHumanClub, balance);
    GameSeedRandom(SeedWithFirstRoll(2, 1));
    ASSERT_EQ(ClubPage_Accept(nullptr), MENU_RESULT_REDRAW);
    const uint32_t state = GameRandomState();
    const int roll = 20 + GameRandom() % 20;
    GameSetRandomState(state);
    const int32_t pool = MoneyPool;
    EXPECT_EQ(ClubPage_Reject(nullptr), MENU_RESULT_LEAVE);
    const int32_t extra = static_cast<int32_t>(static_cast<int64_t>(balance) * roll / 100);
    EXPECT_EQ(GNW_GetClubBalance(tw::kHumanClub), balance + extra);
    EXPECT_EQ(MoneyPool, pool - extra);
    EXPECT_EQ(BoardPleaFlag, 0);
    EXPECT_EQ(MenuOption, 3);
    EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 0);
  }
}

TEST_F(ClubPageTest, RejectByMode) {
  const struct {
    int16_t mode, option, modeAfter;
  } cases[] = {{0, 5, 0}, {1, 43, 0}, {2, 3, 2}};
  for (const auto& c : cases) {
    JobChangeMode = c.mode;
    BoardPleaFlag = 0;
    const int32_t before = GNW_GetClubBalance(tw::kHumanClub);
    EXPECT_EQ(ClubPage_Reject(nullptr), MENU_RESULT_LEAVE);
    EXPECT_EQ(MenuOption, c.option);
    EXPECT_EQ(JobChangeMode, c.modeAfter);
    EXPECT_EQ(GNW_GetClubBalance(tw::kHumanClub), before);
  }
}

// ---- Contract Terms ----

class ContractTermsTest : public ClubPageTest {
 protected:
  void Open(int16_t mode) {
    JobChangeMode = mode;
    MenuManager = 1;
    MenuClub = tw::kLeagueClub;
    Draw(ContractTerms_Handler, MENU_EVENT_INIT);
  }
};

TEST_F(ContractTermsTest, OpeningOffersEveryClauseAndTheRowsFlip) {
  GNW_SetClubBossvaneClause(tw::kLeagueClub, 0);
  Open(0);
  const ContractTermsView& v = ContractTerms_View();
  for (int r = 0; r < CONTRACT_TERMS_ROWS; ++r) {
    EXPECT_EQ(v.clause[r], 1) << r;
    EXPECT_EQ(v.yesColour[r], 1);
    EXPECT_EQ(v.noColour[r], 0);
  }
  EXPECT_EQ(GNW_GetClubFinancialClause(tw::kLeagueClub), 1);
  EXPECT_EQ(ContractTerms_SetClause(1, 0), MENU_RESULT_REDRAW);
  EXPECT_EQ(GNW_GetClubTrainingClause(tw::kLeagueClub), 0);
  EXPECT_EQ(GNW_GetClubHiringClause(tw::kLeagueClub), 0) << "hiring follows training";
  EXPECT_EQ(v.yesColour[1], 0);
  EXPECT_EQ(v.noColour[1], 1);
  ContractTerms_SetClause(3, -1);
  EXPECT_EQ(GNW_GetClubStadiumClause(tw::kLeagueClub), 0);
  ContractTerms_SetClause(3, -1);
  EXPECT_EQ(GNW_GetClubStadiumClause(tw::kLeagueClub), 1);
  JobChangeMode = 2;
  EXPECT_EQ(ContractTerms_SetClause(2, 0), 0) << "a move between clubs keeps whether he plays";
  EXPECT_EQ(GNW_GetClubBossvaneClause(tw::kLeagueClub), 1);
}

TEST_F(ContractTermsTest, AcceptByMode) {
  // Mode 0: a new career; the manager number moves on.
  Open(0);
  Player_SetReputation(0, 20);
  Club_SetRep(tw::kLeagueClub, 60);
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 16);
  EXPECT_EQ(MenuManager, 2);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  EXPECT_EQ(GNW_GetPlayerReputation(0), 45);
  EXPECT_EQ(GNW_GetPlayerShirt(0), 0);

  // Mode 1: the job centre.
  ResetAllModules();
  ResetWorld();
  BuildTestWorld();
  Open(1);
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(JobChangeMode, 0);
  EXPECT_EQ(MenuManager, 1);

  // Mode 3: the current terms.
  Open(3);
  Seam_ClearCalls();
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(JobChangeMode, 0);
  EXPECT_EQ(Seam_CountCalls("SnapshotSquadProgress"), 1);
}

// Mode 2: a board above 12 and 35 counter-offers first; turning the move down
// then brings (roll % 25 + 25) x (balance / 100) from the pool.
TEST_F(ContractTermsTest, TheCounterOfferAndItsMoney) {
  Scores(13, 36);
  Club_SetBalance(tw::kHumanClub, 1000000);
  Open(2);
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(ContractTerms_View().counterOffer, 1);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 0);
  const uint32_t state = GameRandomState();
  const int roll = GameRandom() % 25 + 25;
  GameSetRandomState(state);
  EXPECT_EQ(ContractTerms_Reject(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(GNW_GetClubBalance(tw::kHumanClub), 1000000 + roll * 10000);
  EXPECT_EQ(GNW_GetJobOfferPending(), 0);

  // Accepted after the counter-offer, the move goes ahead.
  Open(2);
  ContractTerms_Accept(nullptr);
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(JobChangeMode, 0);

  // A board at 12 or 35 lets him go at once.
  ResetAllModules();
  ResetWorld();
  BuildTestWorld();
  Scores(12, 60);
  Open(2);
  EXPECT_EQ(ContractTerms_Accept(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(Club_GetControl(tw::kLeagueClub), 1);
}

TEST_F(ContractTermsTest, RejectByMode) {
  Open(3);
  EXPECT_EQ(ContractTerms_Reject(nullptr), 0) << "the current terms stay on screen";
  Open(1);
  EXPECT_EQ(ContractTerms_Reject(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 43);
  EXPECT_EQ(JobChangeMode, 0);
  Open(0);
  EXPECT_EQ(ContractTerms_Reject(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 5);
  EXPECT_EQ(Club_GetControl(tw::kHumanClub), 0) << "the provisional club is handed back";
}

}  // namespace
