#include "generic/infopages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/bytes.h"
#include "engine/poll.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "menus/gnlayer.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "platform/platform.h"
#include "support/engine_fixture.h"

namespace {

// Position codes of a squad: a keeper, four defenders, four midfielders, two
// attackers, then the bench (a keeper, a defender, a midfielder, two attackers)
// and the manager's entry.
constexpr int16_t kPositions[SETUP_TEAM_PLAYER_COUNT] = {0, 2, 3, 3, 4, 5, 6, 7, 13, 10, 11, 0, 1, 8, 12, 10, 0};

// Both sides' team sheets in the match set-up, the squads in sheet order, the
// starters on the pitch and the bench unused.
void SetUpMatch(int16_t bench) {
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_SUBSTITUTES, bench);
  const char* names[2] = {"Rovers", "United"};
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    std::memset(team + SETUP_TEAM_NAME, 0, SETUP_TEAM_NAME_SIZE);
    std::memcpy(team + SETUP_TEAM_NAME, names[side], std::strlen(names[side]));
    team[SETUP_TEAM_HUMAN] = side == 0 ? 1 : 0;
    for (int entry = 0; entry < SETUP_TEAM_PLAYER_COUNT; ++entry) {
      uint8_t* p = setup + SetupPlayerOffset(side, entry);
      std::memset(p + SETUP_PLAYER_SURNAME, 0, SETUP_PLAYER_SURNAME_SIZE);
      const std::string name = std::string(side == 0 ? "Home" : "Away") + std::to_string(entry);
      std::memcpy(p + SETUP_PLAYER_SURNAME, name.data(), name.size());
      // The sheet values (position and shirt among them), then the position and shirt.
      for (int k = 0; k < SHEET_VALUES; ++k) StoreI16(p + SHEET_VALUE_FIRST + 2 * k, 10 + k);
      StoreI16(p + SETUP_PLAYER_POSITION, kPositions[entry]);
      StoreI16(p + SETUP_PLAYER_SHIRT, entry + 1);
    }
    for (int i = 0; i < SIDE_OBJECTS; ++i) {
      SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
      MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
      o.rating = static_cast<int8_t>(i < 11 ? 50 : 0);
      o.offPitch = static_cast<uint8_t>(i < 11 ? 0 : 1);
      o.onBench = static_cast<uint8_t>(i < 11 ? 0 : 1);
      o.playedInGoal = i == 0 ? 1 : 0;
      o.playedOutfield = i > 0 && i < 11 ? 1 : 0;
    }
  }
}

class InfoPagesTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetUpMatch(5);
  }
};

TEST_F(InfoPagesTest, TitleNamesBothSidesAndTheScore) {
  Score[0] = 2;
  Score[1] = 1;
  char title[128];
  InfoPages_Title(title, sizeof title);
  EXPECT_STREQ(title, "Rovers 2 - 1 United");
  // A name that fills its field without an end is cut at the field.
  std::memset(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_NAME, 'X', SETUP_TEAM_NAME_SIZE);
  InfoPages_Title(title, sizeof title);
  EXPECT_EQ(std::string(title), "Rovers 2 - 1 " + std::string(SETUP_TEAM_NAME_SIZE, 'X'));
}

TEST_F(InfoPagesTest, TheBenchFromTheHeaderIsClampedToTheTeamSheet) {
  struct Case {
    int16_t bench;
    int rows;
  };
  for (const Case c : {Case{5, 16}, Case{3, 14}, Case{9, 17}, Case{6, 17}, Case{-1, 11}, Case{0, 11}}) {
    StoreI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES, c.bench);
    EXPECT_EQ(InfoPages_SquadRows(), c.rows) << c.bench;
    InfoLineUpRow row{};
    for (int r = 0; r < c.rows; ++r) EXPECT_TRUE(InfoPages_LineUpRow(1, r, &row)) << c.bench << " row " << r;
    EXPECT_FALSE(InfoPages_LineUpRow(1, c.rows, &row)) << c.bench;
  }
  // The last team-sheet entry has no player in the match: its row reads the sheet only.
  StoreI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES, 9);
  bool inMatch = true;
  EXPECT_EQ(InfoPages_RowEntry(0, 16, &inMatch), 16);
  EXPECT_FALSE(inMatch);
  InfoLineUpRow row{};
  ASSERT_TRUE(InfoPages_LineUpRow(0, 16, &row));
  EXPECT_STREQ(row.name, "Home16");
  EXPECT_EQ(row.shirt, 17);
  EXPECT_EQ(row.rating, 0);
  EXPECT_FALSE(InfoPages_PerformanceCell(0, 16, PERF_OTHER_DATA, 0).shown);
  EXPECT_EQ(InfoPages_RowEntry(0, 17, nullptr), -1);
  EXPECT_EQ(InfoPages_RowEntry(2, 0, nullptr), -1);
}

TEST_F(InfoPagesTest, LineUpRowsFollowTheSquadOrder) {
  Football_SetCaptain(0, 9);
  Football_SetCaptain(1, 2);
  MatchObjects[9].goals = 2;
  MatchObjects[9].cardState = 1;
  Football_SwapSquadSlots(0, 9, 4);  // squad positions 4 and 9 exchange their players
  InfoLineUpRow row{};
  ASSERT_TRUE(InfoPages_LineUpRow(0, 4, &row));
  EXPECT_STREQ(row.name, "(C) Home9");
  EXPECT_EQ(row.shirt, 10);
  EXPECT_EQ(row.icon, 6 + 3);  // an attacker
  EXPECT_EQ(row.goals, 2);
  EXPECT_EQ(row.card1, INGAME_MARK_YELLOW);
  EXPECT_GT(row.rating, 0);
  ASSERT_TRUE(InfoPages_LineUpRow(0, 9, &row));
  EXPECT_STREQ(row.name, "Home4");
  ASSERT_TRUE(InfoPages_LineUpRow(1, 2, &row));
  EXPECT_STREQ(row.name, "Away2 (C)");
  // An unused substitute: no rating, no figures.
  ASSERT_TRUE(InfoPages_LineUpRow(1, 12, &row));
  EXPECT_EQ(row.rating, 0);
  EXPECT_EQ(row.goals, 0);
}

TEST_F(InfoPagesTest, StatsShowTheTeamSheetSkills) {
  EXPECT_STREQ(InfoPages_SkillHead(0), "Kpg");
  EXPECT_STREQ(InfoPages_SkillHint(9), "Pace");
  EXPECT_EQ(InfoPages_SkillHint(10), nullptr);
  // Every column reads its own team-sheet value (10 + its number on the sheet).
  for (int c = 0; c < INFO_SKILL_COLUMNS; ++c) {
    const int32_t v = InfoPages_SkillValue(0, 3, c);
    EXPECT_GE(v, 10);
    EXPECT_LT(v, 10 + SHEET_VALUES);
    for (int d = 0; d < c; ++d) EXPECT_NE(v, InfoPages_SkillValue(0, 3, d));
  }
  EXPECT_EQ(InfoPages_SkillValue(0, 3, 9), 10);  // pace is the sheet's first value
  EXPECT_EQ(InfoPages_SkillValue(0, 3, 10), 0);
}

TEST_F(InfoPagesTest, PerformanceRowsQualifyByWhereThePlayerPlayed) {
  MatchObjects[0].goalsConceded = 3;
  MatchObjects[5].passes = 7;
  MatchObjects[5].passesCompleted = 5;
  MatchObjects[5].shots = 4;
  MatchObjects[5].shotsOnTarget = 1;
  // Keeper: figures on Keeping, the mark on the outfield pages.
  EXPECT_TRUE(InfoPages_PerformanceCell(0, 0, PERF_KEEPING, 2).shown);
  EXPECT_EQ(InfoPages_PerformanceCell(0, 0, PERF_KEEPING, 2).value, 3);
  for (int page : {PERF_DEFENCE, PERF_DISTRIBUTION, PERF_ATTACK})
    EXPECT_FALSE(InfoPages_PerformanceCell(0, 0, page, 0).shown) << page;
  // Outfield player: the reverse; totals kept in parts are summed.
  EXPECT_FALSE(InfoPages_PerformanceCell(0, 5, PERF_KEEPING, 0).shown);
  EXPECT_EQ(InfoPages_PerformanceCell(0, 5, PERF_DISTRIBUTION, 0).value, 7);  // passes made
  EXPECT_EQ(InfoPages_PerformanceCell(0, 5, PERF_DISTRIBUTION, 1).value, 5);  // passes completed
  EXPECT_EQ(InfoPages_PerformanceCell(0, 5, PERF_ATTACK, 0).value, 4);        // shots
  EXPECT_EQ(InfoPages_PerformanceCell(0, 5, PERF_ATTACK, 1).value, 1);        // on target
  // Both played: Other Data and Possession.
  for (int page : {PERF_OTHER_DATA, PERF_POSSESSION}) {
    EXPECT_TRUE(InfoPages_PerformanceCell(0, 0, page, 0).shown) << page;
    EXPECT_TRUE(InfoPages_PerformanceCell(0, 5, page, 0).shown) << page;
  }
  // An unused substitute has the not-played mark on every page.
  for (int page = 0; page < PERF_PAGES; ++page)
    for (int c = 0; c < PERF_COLUMNS; ++c) EXPECT_FALSE(InfoPages_PerformanceCell(0, 13, page, c).shown) << page;
}

TEST_F(InfoPagesTest, EveryPerformanceColumnHasItsHeadAndHint) {
  const char* const heads[PERF_PAGES][PERF_COLUMNS] = {
      {"SSV", "SFM", "GLC", "CLR", "PNS", "CFM"}, {"TKA", "TKW", "INT", "CLR", "FLS", "HDR"},
      {"GTK", "LPS", "INV", "PRV", "WRT", "AST"}, {"PMD", "PCM", "PSP", "SPC", "CRM", "CRU"},
      {"SHT", "ONT", "GLS", "OFF", "CRR", "HDR"}, {"PER", "MIN", "GLS", "Con.", "INV", nullptr}};
  for (int page = 0; page < PERF_PAGES; ++page)
    for (int c = 0; c < PERF_COLUMNS; ++c) {
      const InGameFigureColumn* column = InGame_PerformanceColumn(page, c);
      if (heads[page][c] == nullptr) {
        EXPECT_EQ(column->head, nullptr);
        continue;
      }
      EXPECT_STREQ(column->head, heads[page][c]) << page << " " << c;
      EXPECT_NE(column->hint, nullptr);
    }
  EXPECT_STREQ(InGame_PerformanceColumn(2, 5)->hint, "Assist in scoring a goal");
  EXPECT_EQ(InGame_PerformanceColumn(6, 0)->head, nullptr);
}

TEST_F(InfoPagesTest, PitchActionSharesAndTheirComplements) {
  struct Case {
    int32_t x[2], y[2], z[2];
    int32_t defence[2], midfield[2], attack[2], overall[2], bar[3];
  };
  const Case cases[] = {
      // No ball in any zone yet: every share 50%, an empty bar.
      {{0, 0}, {0, 0}, {0, 0}, {50, 50}, {50, 50}, {50, 50}, {50, 50}, {0, 0, 0}},
      {{30, 10}, {20, 40}, {50, 50}, {42, 34}, {50, 50}, {66, 58}, {52, 48}, {35, 50, 15}},
      // One zone empty: its share is 50, the others count.
      {{100, 0}, {0, 0}, {0, 0}, {100, 50}, {50, 50}, {50, 0}, {66, 34}, {100, 0, 0}},
  };
  for (const Case& c : cases) {
    const InfoPitchShares s = InfoPages_PitchShares(c.x, c.y, c.z);
    for (int side = 0; side < 2; ++side) {
      EXPECT_EQ(s.defence[side], c.defence[side]) << side;
      EXPECT_EQ(s.midfield[side], c.midfield[side]) << side;
      EXPECT_EQ(s.attack[side], c.attack[side]) << side;
      EXPECT_EQ(s.overall[side], c.overall[side]) << side;
    }
    for (int i = 0; i < 3; ++i) EXPECT_EQ(s.bar[i], c.bar[i]) << i;
  }
}

TEST_F(InfoPagesTest, PitchActionReadsTheMatchCounters) {
  ThirdFrames[0][THIRD_DEFENSIVE] = 30;
  ThirdFrames[1][THIRD_DEFENSIVE] = 10;
  ThirdFrames[0][THIRD_ATTACKING] = 20;
  ThirdFrames[1][THIRD_ATTACKING] = 40;
  ThirdFrames[0][THIRD_MIDDLE] = ThirdFrames[1][THIRD_MIDDLE] = 50;
  const InfoPitchShares s = InfoPages_MatchShares();
  EXPECT_EQ(s.defence[0], 42);
  EXPECT_EQ(s.attack[0], 66);
  MatchObjects[3].shots = 2;
  MatchObjects[7].shots = 3;
  MatchObjects[7].shotsOnTarget = 2;
  SideCorners[0] = 4;
  SideFouls[0] = 6;
  SideOffsides[0] = 1;
  const InfoTeamCounters c = InfoPages_TeamCounters(0);
  EXPECT_EQ(c.shots, 5);
  EXPECT_EQ(c.onTarget, 2);
  EXPECT_EQ(c.corners, 4);
  EXPECT_EQ(c.fouls, 6);
  EXPECT_EQ(c.offsides, 1);
  EXPECT_EQ(InfoPages_TeamCounters(1).shots, 0);
}

uint32_t gDeadline = 0;
bool gTimedOut = false;
void Watchdog() {
  const uint32_t now = PlatRawTicks();
  if (now < gDeadline) return;
  gTimedOut = true;
  SetPointerPosition(320, 460);
  PlatSetMouseButton(0, (now / 4) % 2 == 0);
}

// The pages run on the front end's menu screen, worked by an event script.
class InfoPagesMenuTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    SetUpMatch(5);
  }
  int runs_ = 0;
  // Runs a page under "click X Y" lines; with GAFFERON_GRAB_OUT set the page is
  // grabbed before the last click and the picture copied there.
  void RunPage(void (*page)(), const std::vector<std::pair<int, int>>& clicks) {
    // A script's moves are motion from the middle of the screen.
    SetPointerPosition(static_cast<int16_t>(MenuScreenWidth() / 2), static_cast<int16_t>(MenuScreenHeight() / 2));
    uint32_t at = 0;
    const std::string script = menutest::GNClickScript(clicks, PlatRawTicks() + 50, &at);
    const char* grabOut = std::getenv("GAFFERON_GRAB_OUT");
    std::string error;
    ASSERT_TRUE(PlatLoadEventScript(script, &error)) << error;
    // A watchdog: a script that misses its buttons must not hang the test; past
    // the deadline the pointer goes to the bar's middle bottom button and clicks.
    gDeadline = at + 500;
    gTimedOut = false;
    const int16_t poll = AddPollFunction(Watchdog, 1, 0);
    page();
    RemovePollFunction(poll);
    PlatClearEventScript();
    EXPECT_FALSE(gTimedOut) << "the page did not leave by the script";
    if (grabOut) {
      // The run's grab is the last one taken.
      std::string last;
      for (const auto& file : std::filesystem::directory_iterator("."))
        if (file.path().filename().string().rfind("grab", 0) == 0 && file.path().filename().string() > last)
          last = file.path().filename().string();
      // A test's later pages go next to its first one's picture as "<name>.2", "<name>.3" ...
      const std::string to = ++runs_ == 1 ? std::string(grabOut) : std::string(grabOut) + "." + std::to_string(runs_);
      std::filesystem::copy_file(last, to, std::filesystem::copy_options::overwrite_existing);
    }
  }
};

TEST_F(InfoPagesMenuTest, DoneOnLineUpsLeavesTheMenus) {
  InGameMenuCode = INGAME_MENU_LINE_UPS;
  // Something to show: goals, cards, an injury, both captains.
  MatchObjects[9].goals = 2;
  MatchObjects[4].cardState = 2;
  MatchObjects[16 + 3].sentOff = 1;
  MatchObjects[16 + 6].cardState = 1;
  MatchObjects[16 + 6].injury = 2;
  MatchObjects[16 + 6].offPitch = 1;
  MatchObjects[16 + 10].goals = 1;
  Football_SetCaptain(1, 5);
  Score[0] = 2;
  Score[1] = 1;
  RunPage(LineUpsPage, {{320, 460}});
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_LEAVE);
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
}

TEST_F(InfoPagesMenuTest, PerformanceSubPagesThenTheOtherSidesStats) {
  InGameMenuSide = 0;
  RunPage(PerformancePage, {{70, 380}, {520, 440}});
  EXPECT_EQ(InfoPages.performancePage, PERF_KEEPING);
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_STATS);
  EXPECT_EQ(InGameMenuSide, 1);
}

TEST_F(InfoPagesMenuTest, StatsAndPitchActionGoWhereTheBarSays) {
  InGameMenuSide = 1;
  // A click on a column head does nothing (its hint shows while the pointer is over it).
  RunPage(StatsPage, {{205, 90}, {320, 420}});
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_PITCH_ACTION);
  EXPECT_EQ(InGameMenuSide, 1);
  EXPECT_EQ(InfoPages.hint, nullptr);  // the pointer has left the head
  ThirdFrames[0][THIRD_DEFENSIVE] = 30;
  ThirdFrames[1][THIRD_ATTACKING] = 40;
  ThirdFrames[0][THIRD_MIDDLE] = ThirdFrames[1][THIRD_MIDDLE] = 50;
  ThirdFrames[0][THIRD_ATTACKING] = 20;
  ThirdFrames[1][THIRD_DEFENSIVE] = 10;
  RunPage(PitchActionPage, {{120, 420}});
  EXPECT_EQ(InGameMenuCode, INGAME_MENU_SUBS_TACTICS);
  EXPECT_EQ(InGameMenuSide, 0);
}

}  // namespace
