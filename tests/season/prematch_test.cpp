// The pre-match pages: the information built for the human club's fixture,
// the pages' drawing as the primitives' log records it, and their bars.
#include "season/prematch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "menus/gfx_gen.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "platform/platform.h"
#include "season/contgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "support/menu_screen.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/static_country.h"
#include "world/static_cups.h"

namespace {

constexpr int16_t kHome = 0;  // the human club, division 0
constexpr int16_t kAway = 1;  // division 0
constexpr int16_t kToday = 100;

int16_t FirstPlayer(int16_t club) { return static_cast<int16_t>(club * tw::kLeagueSquad); }

int gSelectCalls = 0;

class PreMatchTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    Club_SetControl(kHome, 1);
    DayOfSeason = kToday;
    gSelectCalls = 0;
    // The computer side keeps the shirts the test gives; no manager anywhere.
    ClubSim.selectMatchTeam = [](int16_t, int16_t, int16_t, int16_t) { ++gSelectCalls; };
    ClubSim.getClubManager = [](int16_t) -> int16_t { return -1; };
    MenuPrims_ClearCalls();
  }

  int16_t AddFixture(int16_t day, int16_t code, int16_t home, int16_t away) {
    const int16_t n = Fixture_Add(day, code, home, away, 0);
    EXPECT_GE(n, 0);
    return n;
  }

  // The calls of one primitive in the log, in order.
  static std::vector<MenuPrimCall> Calls(const char* name) {
    std::vector<MenuPrimCall> out;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == name) out.push_back(call);
    return out;
  }
  static std::vector<MenuPrimCall> CallsAt(const char* name, int x) {
    std::vector<MenuPrimCall> out;
    for (const MenuPrimCall& call : Calls(name))
      if (call.x == x) out.push_back(call);
    return out;
  }
};

// The whole pages on the headless 640 x 480 menu screen with the game's menu
// graphics (the primitives' log is not kept there).
class PreMatchScreenTest : public PreMatchTest {
 protected:
  void SetUp() override {
    PreMatchTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("prematch");
    InitMemory(9500);
    menutest::OpenDisplayForMenus();
    menutest::MountGeneratedHdPak(true);
    InitSetOfMenus();
  }
  void TearDown() override {
    if (IsMenuSystemOpen()) UninitSetOfMenus();
    PreMatchTest::TearDown();
    scratch_.reset();
  }

  std::unique_ptr<ScratchDir> scratch_;
};

// ---- the information ----

TEST_F(PreMatchTest, LineUpRowsHoldTheFirstListedPlayerOfEachShirt) {
  Club_SetDivision(kHome, 4);  // three substitutes
  const int16_t p = FirstPlayer(kHome), q = FirstPlayer(kAway);
  GNW_SetPlayerShirt(static_cast<int16_t>(p + 5), 1);
  GNW_SetPlayerShirt(static_cast<int16_t>(p + 3), 2);
  GNW_SetPlayerShirt(static_cast<int16_t>(p + 7), 2);  // a second shirt 2: the first listed keeps the row
  GNW_SetPlayerShirt(static_cast<int16_t>(p + 9), 12);
  GNW_SetPlayerShirt(static_cast<int16_t>(p + 10), 16);  // past the substitutes shown
  GNW_SetPlayerShirt(static_cast<int16_t>(q + 4), 11);
  const int16_t n = AddFixture(kToday, COMP_LEAGUE, kHome, kAway);
  BuildPreMatchInfo(n);

  EXPECT_EQ(PreMatch.homeClub, kHome);
  EXPECT_EQ(PreMatch.awayClub, kAway);
  const int16_t subs = DivisionRules[0][4].substitutes;
  ASSERT_LT(subs, 5);
  EXPECT_EQ(PreMatch.substitutes, subs);
  EXPECT_EQ(PreMatch.lineups[0][0], p + 5);
  EXPECT_EQ(PreMatch.lineups[0][1], p + 3);
  EXPECT_EQ(PreMatch.lineups[0][2], -1);
  EXPECT_EQ(PreMatch.lineups[0][11], p + 9);
  for (int row = subs + 11; row < PREMATCH_ROWS; ++row) EXPECT_EQ(PreMatch.lineups[0][row], -1) << row;
  EXPECT_EQ(PreMatch.lineups[1][10], q + 4);
  EXPECT_EQ(PreMatch.lineups[1][0], -1);
  // Only the computer side is picked afresh.
  EXPECT_EQ(gSelectCalls, 1);
}

TEST_F(PreMatchTest, SubstitutesFollowTheCompetition) {
  // The league's first cup round the country plays, and its substitutes.
  int cupCode = -1, cupSubs = -1;
  for (int cup = 0; cup < NUM_CUP_COMPETITIONS && cupCode < 0; ++cup)
    for (int round = 0; round < CUP_ROUNDS && cupCode < 0; ++round)
      if (CupRoundData[0][cup][round].drawDay >= 0 && CupRoundData[0][cup][round].substitutes <= 5) {
        cupCode = COMP_CUP_FIRST + COMP_CUP_CODES * cup + round;
        cupSubs = CupRoundData[0][cup][round].substitutes;
      }
  ASSERT_GE(cupCode, 0);
  Club_SetDivision(5, 3);
  Club_SetDivision(6, 6);
  Club_SetDivision(7, 7);
  struct Case {
    int16_t code, club;
    int expected;
  } const cases[] = {
      {COMP_FRIENDLY, kHome, 5},
      {COMP_LEAGUE, kHome, DivisionRules[0][0].substitutes},
      {COMP_LEAGUE, 5, DivisionRules[0][3].substitutes},
      {3, 5, DivisionRules[0][3].substitutes},  // a play-off final counts as the division's
      {COMP_LEAGUE, 6, 5},                      // outside the six divisions
      {COMP_LEAGUE, 7, 5},
      {static_cast<int16_t>(cupCode), kHome, cupSubs},
      {static_cast<int16_t>(cupCode + 8), kHome, cupSubs},  // its second leg
  };
  for (const Case& c : cases) EXPECT_EQ(PreMatchSubstitutes(c.code, c.club), c.expected) << c.code << " " << c.club;

  // A friendly shows all sixteen rows.
  const int16_t p = FirstPlayer(kHome);
  for (int s = 0; s < 16; ++s) GNW_SetPlayerShirt(static_cast<int16_t>(p + s), static_cast<int16_t>(s + 1));
  BuildPreMatchInfo(AddFixture(kToday, COMP_FRIENDLY, kHome, kAway));
  EXPECT_EQ(PreMatch.substitutes, 5);
  EXPECT_EQ(PreMatch.lineups[0][15], p + 15);
}

TEST_F(PreMatchTest, ACupRoundTheCountryDoesNotPlayShowsFiveSubstitutes) {
  for (int cup = 0; cup < NUM_CUP_COMPETITIONS; ++cup)
    for (int round = 0; round < CUP_ROUNDS; ++round) {
      const int stored = CupRoundData[0][cup][round].substitutes;
      const int16_t code = static_cast<int16_t>(COMP_CUP_FIRST + COMP_CUP_CODES * cup + round);
      EXPECT_EQ(PreMatchSubstitutes(code, kHome), stored >= 0 && stored <= 5 ? stored : 5);
    }
}

TEST_F(PreMatchTest, TheOpponentIsTheSideTheHumanDoesNotRun) {
  LeagueTable[kAway] = LeagueTableRow{5, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 0};
  LeagueTable[kHome] = LeagueTableRow{5, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0, 0};
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  const int16_t awayFigures[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  for (int k = 0; k < 10; ++k) EXPECT_EQ(PreMatch.opponentRecord[k], awayFigures[k]) << k;

  // The human club away: the home side is the opponent.
  LeagueTable[2] = LeagueTableRow{5, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0, 0};
  LeagueTable[kHome] = LeagueTableRow{};
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, 2, kHome));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(PreMatch.opponentRecord[k], 11 + k) << k;
}

TEST_F(PreMatchTest, LastFiveAreTheOpponentsNewestLeagueFixturesBeforeToday) {
  std::vector<int16_t> league;
  for (int16_t day = 10; day <= 70; day += 10)
    league.push_back(AddFixture(day, COMP_LEAGUE, day % 20 == 0 ? kAway : int16_t{2}, day % 20 == 0 ? int16_t{3} : kAway));
  AddFixture(75, COMP_CUP_FIRST, kAway, 4);       // a cup tie: not counted
  AddFixture(80, COMP_FRIENDLY, 4, kAway);        // a friendly: not counted
  AddFixture(85, 2, 5, 6);                        // another club's play-off
  const int16_t playoff = AddFixture(90, 1, kAway, 6);  // its own play-off counts
  const int16_t today = AddFixture(kToday, COMP_LEAGUE, kHome, kAway);
  AddFixture(kToday, COMP_LEAGUE, kAway, 8);  // today's others: not before today
  BuildPreMatchInfo(today);

  // The list keeps day order, so the slots are found again by day.
  auto slotOfDay = [](int16_t day, int16_t code) {
    for (int16_t n = 0; n < NUM_FIXTURES; ++n)
      if (Fixture_GetDay(n) == day && Fixture_GetCompetition(n) == code) return n;
    return int16_t{-1};
  };
  (void)league;
  (void)playoff;
  const int16_t expected[5] = {slotOfDay(90, 1), slotOfDay(70, 0), slotOfDay(60, 0), slotOfDay(50, 0),
                               slotOfDay(40, 0)};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(PreMatch.lastFive[k], expected[k]) << k;
}

TEST_F(PreMatchTest, AnOpponentWithoutPastLeagueFixturesDrawsOnlyTheHeading) {
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  for (int16_t n : PreMatch.lastFive) EXPECT_EQ(n, -1);
  MenuPrims_ClearCalls();
  DrawLastFiveMatches();
  const auto texts = Calls("DoTextNo");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].value, 1850);
  EXPECT_EQ(texts[1].value, 2011);
  EXPECT_TRUE(Calls("DoNumber").empty());
}

TEST_F(PreMatchTest, APastAwayFixtureAveragesTheAwayBlocksRatings) {
  const int16_t n = AddFixture(50, COMP_LEAGUE, 4, kAway);
  Fixture_SetResult(n, 3, 1);
  uint8_t* bytes = Fixture_GetRecord(n)->bytes;
  for (int side = 0; side < 2; ++side)
    for (int e = 0; e < 16; ++e) StoreI16(bytes + 12 + 96 * side + 6 * e, -1);
  // Home block: ratings that must not count.
  StoreI16(bytes + 12, 40);
  bytes[12 + 2] = 99;
  // Away block: 6, 8 and 9 count; an unrated player and an empty entry with a rating do not.
  const int ratings[5] = {6, 8, 0, 9, 50};
  for (int e = 0; e < 5; ++e) {
    StoreI16(bytes + 108 + 6 * e, static_cast<int16_t>(e == 4 ? -1 : 30 + e));
    bytes[108 + 6 * e + 2] = static_cast<uint8_t>(ratings[e]);
  }
  EXPECT_EQ(PastFixtureRating(n, kAway), (6 + 8 + 9) / 3);
  EXPECT_EQ(PastFixtureRating(n, 4), 99);

  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  ASSERT_EQ(PreMatch.lastFive[0], n);
  MenuPrims_ClearCalls();
  DrawLastFiveMatches();
  // The opponent played away: venue "A", its own goals first, then the rating.
  const auto venue = CallsAt("DoTextNo", 220);
  ASSERT_EQ(venue.size(), 1u);
  EXPECT_EQ(venue[0].value, 103);
  EXPECT_EQ(venue[0].y, 155);
  EXPECT_EQ(CallsAt("DoNumber", 245).at(0).value, 1);
  EXPECT_EQ(CallsAt("DoNumber", 275).at(0).value, 3);
  EXPECT_EQ(CallsAt("DoNumber", 320).at(0).value, 7);
}

TEST_F(PreMatchTest, TopPlayersAndScorersCarryTheirStatus) {
  const int16_t q = FirstPlayer(kAway);
  // Find the opponent's first goalkeeper.
  int16_t keeper = -1;
  for (int16_t i = 0; i < tw::kLeagueSquad && keeper < 0; ++i)
    if (GNW_GetPositionType(static_cast<int16_t>(q + i)) == 0) keeper = static_cast<int16_t>(q + i);
  ASSERT_GE(keeper, 0);
  auto pick = [&](int i) {
    int16_t p = static_cast<int16_t>(q + i);
    return p == keeper ? static_cast<int16_t>(q + 17) : p;
  };
  const int16_t starter = pick(1), sub = pick(2), banned = pick(3), injured = pick(4), spare = pick(5);
  Player_SetPerf(starter, 30);
  Player_SetGoals(starter, 2);
  GNW_SetPlayerShirt(starter, 9);
  Player_SetPerf(sub, 50);
  GNW_SetPlayerShirt(sub, 12);
  Player_SetGoals(sub, 7);
  Player_SetPerf(banned, 40);
  Player_SetSuspension(banned, 2);
  Player_SetPerf(injured, 10);
  Player_SetInFlag(injured, 1);
  Player_SetGoals(injured, 1);
  Player_SetPerf(spare, 20);
  Player_SetPerf(keeper, 60);
  Player_SetGoals(keeper, 9);  // a keeper's goals never count
  GNW_SetPlayerShirt(keeper, 1);

  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  struct Want {
    int16_t player, status, value;
  };
  const Want players[] = {{keeper, 0, 60}, {sub, 1, 50}, {banned, 3, 40}, {starter, 0, 30}, {spare, 2, 20}, {injured, 4, 10}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(PreMatch.topPlayers[i].player, players[i].player) << i;
    EXPECT_EQ(PreMatch.topPlayers[i].status, players[i].status) << i;
    EXPECT_EQ(PreMatch.topPlayers[i].value, players[i].value) << i;
  }
  for (int i = 6; i < PREMATCH_LIST; ++i) EXPECT_EQ(PreMatch.topPlayers[i].player, -1) << i;
  const Want scorers[] = {{sub, 1, 7}, {starter, 0, 2}, {injured, 4, 1}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(PreMatch.topScorers[i].player, scorers[i].player) << i;
    EXPECT_EQ(PreMatch.topScorers[i].status, scorers[i].status) << i;
    EXPECT_EQ(PreMatch.topScorers[i].value, scorers[i].value) << i;
  }
  for (int i = 3; i < PREMATCH_LIST; ++i) EXPECT_EQ(PreMatch.topScorers[i].player, -1) << i;

  // The lists: icons by status, shirt numbers for the picked only.
  MenuPrims_ClearCalls();
  DrawTopPlayers();
  const auto icons = CallsAt("DoIcon", 190);
  ASSERT_EQ(icons.size(), 6u);
  EXPECT_EQ(icons[0].value, GNW_GetPositionTypeGraphic(keeper));
  EXPECT_EQ(icons[2].value, ICON_SUSPENDED_CARD);
  EXPECT_EQ(icons[4].value, ICON_NOT_PICKED);
  EXPECT_EQ(icons[5].value, ICON_INJURED_CARD);
  EXPECT_EQ(icons[5].y, 265 + 5 * 16);
  const auto shirts = CallsAt("DoNumber", 190);
  ASSERT_EQ(shirts.size(), 3u);  // keeper, substitute, starter
  EXPECT_EQ(shirts[0].value, 1);
  EXPECT_EQ(shirts[1].value, 12);
  EXPECT_EQ(shirts[2].value, 9);
  EXPECT_EQ(shirts[2].y, 265 + 3 * 16 + 5);
}

TEST_F(PreMatchTest, StatusIconsFollowTheTable) {
  const int16_t p = FirstPlayer(kAway);
  GNW_SetPlayerShirt(p, 4);
  struct Case {
    int16_t player, status;
    int icon, shirt;
  } const cases[] = {
      {p, 0, GNW_GetPositionTypeGraphic(p), 4}, {p, 1, GNW_GetPositionTypeGraphic(p), 4},
      {p, 2, ICON_NOT_PICKED, -1},             {p, 3, ICON_SUSPENDED_CARD, -1},
      {p, 4, ICON_INJURED_CARD, -1},           {p, 5, ICON_BLANK, -1},
      {p, 9, ICON_BLANK, -1},                  {-1, 0, ICON_BLANK, -1},
  };
  for (const Case& c : cases) {
    int16_t shirt = 99;
    EXPECT_EQ(SquadStatusIcon(PreMatchListEntry{c.player, c.status, 1}, &shirt), c.icon) << c.status;
    EXPECT_EQ(shirt, c.shirt) << c.status;
  }
}

// ---- the line-ups page ----

TEST_F(PreMatchTest, TheLineUpsTableSkipsEmptyRowsAndShowsNoGoalsForAKeeper) {
  const int16_t p = FirstPlayer(kHome);
  int16_t keeper = -1;
  for (int16_t i = 0; i < tw::kLeagueSquad && keeper < 0; ++i)
    if (GNW_GetPositionType(static_cast<int16_t>(p + i)) == 0) keeper = static_cast<int16_t>(p + i);
  ASSERT_GE(keeper, 0);
  GNW_SetPlayerShirt(keeper, 1);
  Player_SetGoals(keeper, 4);
  const int16_t forward = keeper == p + 2 ? p + 3 : p + 2;
  GNW_SetPlayerShirt(forward, 2);
  Player_SetGoals(forward, 6);
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  const int rows = PreMatch.substitutes + 11;

  MenuPrims_ClearCalls();
  DrawLineupsPageContent();
  // Goals column of the home side: only the two filled rows, the keeper's 0.
  const auto goals = CallsAt("DoNumber", 118);
  ASSERT_EQ(goals.size(), 2u);
  EXPECT_EQ(goals[0].value, 0);
  EXPECT_EQ(goals[0].y, 105);
  EXPECT_EQ(goals[1].value, 6);
  EXPECT_EQ(goals[1].y, 123);
  // Every row has its shirt number; the substitutes stand under the caption.
  const auto numbers = CallsAt("DoNumber", 320);
  ASSERT_EQ(static_cast<int>(numbers.size()), rows);
  EXPECT_EQ(numbers[10].y, 105 + 18 * 10);
  if (rows > 11) {
    EXPECT_EQ(numbers[11].y, 105 + 18 * 12);
  }
  const auto away = CallsAt("DoIcon", 350);
  EXPECT_TRUE(away.empty());  // the away side has no shirts: none of its figures either
  EXPECT_TRUE(CallsAt("DoNumber", 508).empty());
  EXPECT_TRUE(CallsAt("DoNumber", 610).empty());
}

TEST_F(PreMatchTest, AFriendlyShowsSixteenRowsAndTheCaption) {
  BuildPreMatchInfo(AddFixture(kToday, COMP_FRIENDLY, kHome, kAway));
  MenuPrims_ClearCalls();
  DrawLineupsPageContent();
  EXPECT_EQ(CallsAt("DoNumber", 320).size(), 16u);
  const auto caption = CallsAt("DoTextNo", 320);
  bool captionSeen = false;
  for (const auto& c : caption) captionSeen |= c.value == 1886 && c.y == 105 + 18 * 11;
  EXPECT_TRUE(captionSeen);
}

// ---- the formation page ----

void SetSlot(uint8_t* formation, int slot, int16_t column, int16_t row) {
  StoreI16(formation + 5 + 30 * slot, column);
  StoreI16(formation + 7 + 30 * slot, row);
}

TEST_F(PreMatchTest, ThreeOutfieldRowsLieFortyTwoSeventyEightAndOneHundredFourteenFromTheBaseLine) {
  uint8_t formation[TACTICS_RECORD_SIZE] = {};
  SetSlot(formation, 0, 3, 9);  // the keeper is put at column 7, row 0 whatever the record says
  for (int k = 1; k <= 4; ++k) SetSlot(formation, k, static_cast<int16_t>(2 * k), 2);
  for (int k = 5; k <= 8; ++k) SetSlot(formation, k, static_cast<int16_t>(2 * k - 8), 9);
  SetSlot(formation, 9, 6, 15);
  SetSlot(formation, 10, 8, 15);
  FigurePoint home[11], away[11];
  FormationFigurePoints(0, formation, home);
  FormationFigurePoints(1, formation, away);
  EXPECT_EQ(home[0].x, 320);
  EXPECT_EQ(home[0].y, 102);
  EXPECT_EQ(away[0].y, 397);
  const int rowOf[11] = {0, 42, 42, 42, 42, 78, 78, 78, 78, 114, 114};
  for (int k = 1; k < 11; ++k) {
    EXPECT_EQ(home[k].y, 102 + rowOf[k]) << k;
    EXPECT_EQ(away[k].y, 397 - rowOf[k]) << k;
    EXPECT_EQ(home[k].x, 320 + 38 * (7 - Tactic_GetColumn(formation, k + 1))) << k;
    EXPECT_EQ(away[k].x, 320 - 38 * (7 - Tactic_GetColumn(formation, k + 1))) << k;
  }
  // A row outside the grid is its own offset.
  SetSlot(formation, 10, 8, 30);
  FormationFigurePoints(0, formation, home);
  EXPECT_EQ(home[10].y, 102 + 30 + 6);
}

TEST_F(PreMatchTest, RepeatedFormationPagesPlaceEveryFigureAlike) {
  static uint8_t tactic[TACTICS_RECORD_SIZE];
  std::memset(tactic, 0, sizeof tactic);
  for (int k = 1; k < 11; ++k) SetSlot(tactic, k, static_cast<int16_t>(k), static_cast<int16_t>(3 + k % 3));
  MenuSystem.getTacticRecord = [](int16_t) -> const uint8_t* { return tactic; };
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  EXPECT_EQ(std::memcmp(PreMatch.formations[0], tactic, sizeof tactic), 0);

  auto figures = [this] {
    MenuPrims_ClearCalls();
    DrawFormationPageContent();
    return Calls("DoIcon");
  };
  const auto first = figures();
  ASSERT_EQ(first.size(), 22u);
  EXPECT_EQ(first[0].value, ICON_KEEPER_KIT);
  EXPECT_EQ(first[1].value, ICON_FIRST_KIT + GNW_GetClubDbId(kHome));
  EXPECT_EQ(first[11].value, ICON_KEEPER_KIT);
  const auto second = figures();
  ASSERT_EQ(second.size(), first.size());
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(second[i].x, first[i].x) << i;
    EXPECT_EQ(second[i].y, first[i].y) << i;
  }
  // The formation itself is left as built.
  EXPECT_EQ(std::memcmp(PreMatch.formations[0], tactic, sizeof tactic), 0);
}

// ---- the bars ----

TEST_F(PreMatchTest, EveryBarButtonIsALabelledButtonWithItsPageId) {
  struct BarCase {
    const PageButton* bar;
    std::vector<int16_t> ids, labels;
  } const bars[] = {
      {LineupsPageBar, {5, 1, 2}, {1018, 805, 1596}},
      {FormationPageBar, {5, 0, 2}, {1018, 1595, 1596}},
      {OppositionPageBar, {5, 0, 1}, {1018, 1595, 805}},
      {SummaryPageBar, {5, 0, 1, 2}, {1018, 1595, 805, 1596}},
      {ViewModeBar, {6, 7, 8}, {1702, 1703, 1704}},
  };
  for (const BarCase& c : bars) {
    size_t i = 0;
    for (; c.bar[i].kind != PAGE_END; ++i) {
      ASSERT_LT(i, c.ids.size());
      const PageButton& b = c.bar[i];
      EXPECT_EQ(b.kind, PAGE_BUTTON_TEXTNO);
      EXPECT_EQ(b.alignment, 10);
      EXPECT_EQ(b.font, 1);
      EXPECT_EQ(b.labelColour, &PageLabelColour);
      EXPECT_EQ(b.id, c.ids[i]);
      EXPECT_EQ(b.label.textNumber, c.labels[i]);
      EXPECT_NE(b.id, PAGE_SUMMARY);  // no bar leads to the summary page
    }
    EXPECT_EQ(i, c.ids.size());
  }
  EXPECT_EQ(ViewModeBar[1].x, 224);
  EXPECT_EQ(ViewModeBar[1].y, 430);
  EXPECT_EQ(ViewModeBar[1].h, 40);
  EXPECT_EQ(SummaryPageBar[3].x, 472);
  EXPECT_EQ(SummaryPageBar[3].w, 140);
}

std::vector<int16_t> InstalledIds() {
  std::vector<int16_t> ids;
  for (int i = 0; i < PAGE_BUTTON_LIST_SIZE && PreMatchButtons[i].kind != PAGE_END; ++i) ids.push_back(PreMatchButtons[i].id);
  return ids;
}

TEST_F(PreMatchScreenTest, PagesInstallTheirOwnBarUntilTheUserLeavesWithTheRelatedFixturesDone) {
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  struct Case {
    void (*show)();
    uint8_t flags;
    std::vector<int16_t> ids;
  } const cases[] = {
      {ShowLineupsPage, 0, {5, 1, 2}},
      {ShowFormationPage, 0, {5, 0, 2}},
      {ShowOppositionPage, 0, {5, 0, 1}},
      {ShowSummaryPage, 0, {5, 0, 1, 2}},
      {ShowLineupsPage, DAY_LEFT_PAGES, {5, 1, 2}},    // "Play Match" before the others are done
      {ShowOppositionPage, DAY_RELATED_DONE, {5, 0, 1}},
      {ShowLineupsPage, DAY_RELATED_DONE | DAY_LEFT_PAGES, {6, 7, 8}},
      {ShowSummaryPage, DAY_RELATED_DONE | DAY_LEFT_PAGES | DAY_BUSY, {6, 7, 8}},
  };
  for (const Case& c : cases) {
    DayFlags = c.flags;
    PageLabelColour = 5;
    ClearButtonRecord(PreMatchButtons);
    c.show();
    EXPECT_EQ(InstalledIds(), c.ids) << int(c.flags);
    EXPECT_EQ(PageLabelColour, 0);
  }
}

TEST_F(PreMatchScreenTest, ASoakRunInstallsNoButtons) {
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  SoakRunActive = 1;
  for (uint8_t flags : {uint8_t{0}, uint8_t{DAY_RELATED_DONE | DAY_LEFT_PAGES}}) {
    DayFlags = flags;
    for (void (*show)() : {ShowLineupsPage, ShowFormationPage, ShowOppositionPage, ShowSummaryPage}) {
      ClearButtonRecord(PreMatchButtons);
      show();
      EXPECT_TRUE(InstalledIds().empty());
    }
  }
  SoakRunActive = 0;
}

TEST_F(PreMatchTest, TheSummaryPageDrawsItsPanelAndLines) {
  BuildPreMatchInfo(AddFixture(kToday, COMP_LEAGUE, kHome, kAway));
  std::strcpy(PreMatchCompLines[0], "League");
  std::strcpy(PreMatchCompLines[1], "Match Day");
  std::strcpy(PreMatchClubNames[0], "Home Town");
  std::strcpy(PreMatchClubNames[1], "Away United");
  MenuPrims_ClearCalls();
  DrawSummaryPageContent();
  // The page's own texts (the bar's labels stand at y 440).
  std::vector<std::string> texts;
  for (const auto& c : Calls("DoTextAddr"))
    if (c.y < 430) texts.push_back(c.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"League", "Match Day", "Home Town", "Away United"}));
  std::vector<int32_t> numbers;
  for (const auto& c : Calls("DoTextNo"))
    if (c.y < 430) numbers.push_back(c.value);
  EXPECT_EQ(numbers, std::vector<int32_t>{152});
}

// ---- the pages on the screen ----

TEST_F(PreMatchScreenTest, EveryPageDrawsOnTheMenuScreenAndIsGrabbed) {
  MenuSystem.getTacticRecord = [](int16_t tactic) -> const uint8_t* { return GetTacticRecord(tactic); };
  for (int side = 0; side < 2; ++side) {
    const int16_t first = FirstPlayer(side == 0 ? kHome : kAway);
    for (int s = 0; s < 16; ++s) {
      const int16_t p = static_cast<int16_t>(first + s);
      GNW_SetPlayerShirt(p, static_cast<int16_t>(s + 1));
      Player_SetPerf(p, static_cast<int16_t>(5 + (s * 7) % 23));
      Player_SetApps(p, static_cast<int16_t>(s % 9));
      Player_SetGoals(p, static_cast<int16_t>(s % 4));
    }
  }
  Player_SetSuspension(static_cast<int16_t>(FirstPlayer(kAway) + 16), 1);
  Player_SetPerf(static_cast<int16_t>(FirstPlayer(kAway) + 16), 40);
  for (int16_t day = 20; day <= 80; day += 15) {
    const int16_t n = AddFixture(day, COMP_LEAGUE, day % 2 == 0 ? kAway : int16_t{9}, day % 2 == 0 ? int16_t{7} : kAway);
    Fixture_SetResult(n, day % 3, day % 4);
  }
  LeagueTable[kAway] = LeagueTableRow{5, 2, 1, 0, 6, 2, 1, 0, 1, 3, 4, 0, 0};
  const int16_t n = AddFixture(kToday, COMP_LEAGUE, kHome, kAway);
  BuildPreMatchInfo(n);
  std::snprintf(PreMatchCompLines[0], sizeof PreMatchCompLines[0], "%s", "Premier League");
  std::snprintf(PreMatchCompLines[1], sizeof PreMatchCompLines[1], "%s", "Saturday 28 August");
  std::snprintf(PreMatchClubNames[0], sizeof PreMatchClubNames[0], "%s", "Home Town");
  std::snprintf(PreMatchClubNames[1], sizeof PreMatchClubNames[1], "%s", "Away United");
  for (int side = 0; side < 2; ++side)
    for (int row = 0; row < PREMATCH_ROWS; ++row)
      if (PreMatch.lineups[side][row] >= 0)
        std::snprintf(PreMatchPlayerNames[side][row], sizeof PreMatchPlayerNames[side][row], "Player %d",
                      PreMatch.lineups[side][row]);

  const std::filesystem::path out = menutest::BuildDir() / "tests" / "prematch_grabs";
  std::filesystem::create_directories(out);
  struct Page {
    const char* name;
    void (*show)();
  } const pages[] = {{"lineups", ShowLineupsPage}, {"formation", ShowFormationPage},
                     {"opposition", ShowOppositionPage}, {"summary", ShowSummaryPage}};
  for (const Page& page : pages) {
    page.show();
    const std::string file = (out / (std::string(page.name) + ".tga")).string();
    EXPECT_TRUE(GfxWriteGrab(file.c_str(), 0, 0, 640, 480)) << page.name;
    EXPECT_GT(std::filesystem::file_size(file), 640u * 480u) << page.name;
  }
}

// ---- the event cursor and the text helper ----

TEST_F(PreMatchTest, NextDueMatchEventStepsOverDueUnmarkedEvents) {
  ClearMatchEvents();
  const int minutes[3] = {10, 30, 30};
  for (int i = 0; i < 3; ++i) {
    MatchEventFields f{};
    f.kind = MATCH_EVENT_GOAL;
    f.minute = minutes[i];
    EncodeMatchEvent(f, MatchEvents.events[i]);
  }
  MatchEvents.events[2][13] |= 0x04;  // marked by the ticker
  MatchEvents.count = 3;
  MatchEventCursor = 0;
  EXPECT_EQ(NextDueMatchEvent(10), 0);  // stored minute 11 is not due yet
  EXPECT_EQ(NextDueMatchEvent(11), 1);
  EXPECT_EQ(MatchEventCursor, 1);
  EXPECT_EQ(NextDueMatchEvent(20), 0);
  EXPECT_EQ(NextDueMatchEvent(31), 1);
  EXPECT_EQ(NextDueMatchEvent(90), 0);  // the marked one stops the cursor
  EXPECT_EQ(MatchEventCursor, 2);
  MatchEvents.events[2][13] &= ~0x04;
  EXPECT_EQ(NextDueMatchEvent(90), 1);
  EXPECT_EQ(NextDueMatchEvent(90), 0);  // the end of the list
  EXPECT_EQ(MatchEventCursor, 3);
}

TEST(ReplaceFirstSubstringTest, ReplacesTheFirstOccurrenceAndCutsTo299) {
  struct Case {
    std::string text, replacement, pattern, expected;
  } const cases[] = {
      {"Goal by %s for %s", "Smith", "%s", "Goal by Smith for %s"},
      {"no pattern here", "x", "%d", "no pattern here"},
      {"%n", "", "%n", ""},
      {"ab", std::string(299, 'r'), "a", std::string(299, 'r')},
      {std::string(290, 'a') + "%s" + "tail", std::string(20, 'b'), "%s",
       (std::string(290, 'a') + std::string(20, 'b') + "tail").substr(0, 299)},
  };
  for (const Case& c : cases) {
    char text[REPLACE_TEXT_SIZE];
    std::snprintf(text, sizeof text, "%s", c.text.c_str());
    ReplaceFirstSubstring(text, c.replacement.c_str(), c.pattern.c_str());
    EXPECT_EQ(std::string(text), c.expected);
  }
}

}  // namespace
