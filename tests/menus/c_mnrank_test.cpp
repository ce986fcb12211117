// The ranked lists: club reputations, manager reputations and the discipline
// list, their order, their rows, their scrolling and where a row leads.
#include <gtest/gtest.h>

#include <string>

#include "menus/c_mnrank.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/players.h"

namespace {

constexpr int16_t kForeign = 130;  // a club of another country (league world)
constexpr int16_t kUnattached = 255;

std::string Division(int16_t club) { return GetTextNoAddr(GNW_GetDivisionNameTextNo(GNW_GetClubDivision(club))); }
std::string ClubName(int16_t club) { return GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(club))); }

void Open(int16_t option) {
  MenuOption = option;
  SetMenuEvent(MENU_EVENT_INIT);
  RankList_Handler(nullptr);
}
void Redraw() {
  SetMenuEvent(MENU_EVENT_DRAW);
  RankList_Handler(nullptr);
}

class RankListTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    FrontEnd_Reset();
  }
  // Player p manages (or plays and manages) at the club with the reputation.
  static void MakeManager(int16_t p, int16_t club, int rep, bool bossvane = false) {
    if (bossvane)
      Player_SetBossvane(p, 1);
    else
      Player_SetManager(p, 1);
    Player_SetClub(p, club);
    Player_SetReputation(p, rep);
  }
};

// The league clubs of the game country, best reputation first: the clubs
// outside the league and abroad are left out; equal reputations all appear.
TEST_F(RankListTest, ClubReputationsListTheLeagueClubsBestFirst) {
  Club_SetRep(5, 60);
  Club_SetRep(50, 55);
  Club_SetRep(51, 55);
  Club_SetRep(100, 10);
  Club_SetRep(kForeign, 63);
  Club_SetRep(118, 63);  // England, outside the league
  Club_SetControl(50, 1);
  Open(RANK_MODE_CLUBS);
  const RankListView& v = RankList_View();
  EXPECT_EQ(v.title, 1833);
  ASSERT_EQ(v.count, tw::kLeagueClubs);
  EXPECT_EQ(v.list[0], 5);
  EXPECT_TRUE((v.list[1] == 50 && v.list[2] == 51) || (v.list[1] == 51 && v.list[2] == 50));
  EXPECT_EQ(v.list[v.count - 1], 100);
  for (int i = 0; i < v.count; ++i) {
    EXPECT_NE(v.list[i], kForeign);
    EXPECT_NE(v.list[i], 118);
    if (i > 0) {
      EXPECT_GE(GNW_GetClubRep(v.list[i - 1]), GNW_GetClubRep(v.list[i]));
    }
  }
  EXPECT_EQ(v.list[v.count], -1);

  EXPECT_STREQ(v.rows[0].rank, "1.");
  EXPECT_EQ(v.rows[0].name, GNW_GetClubTextNo(GNW_GetClubDbId(5)));
  EXPECT_EQ(v.rows[0].detail, "(" + Division(5) + ")");
  EXPECT_EQ(v.rows[0].highlight, 0);
  const int human = v.list[1] == 50 ? 1 : 2;
  EXPECT_EQ(v.rows[human].highlight, 1) << "the human-managed club";
  EXPECT_STREQ(v.rows[16].rank, "17.");
}

// The discipline list: the same clubs by their points of the season, the
// points after the division.
TEST_F(RankListTest, TheDisciplineListRanksByPoints) {
  Club_SetSeasonDispoints(30, 91);
  Club_SetSeasonDispoints(7, 40);
  Open(RANK_MODE_DISCIPLINE);
  const RankListView& v = RankList_View();
  EXPECT_EQ(v.title, 1681);
  ASSERT_EQ(v.count, tw::kLeagueClubs);
  EXPECT_EQ(v.list[0], 30);
  EXPECT_EQ(v.list[1], 7);
  EXPECT_EQ(v.rows[0].detail, "(" + Division(30) + ")  91");
  EXPECT_EQ(v.rows[1].detail, "(" + Division(7) + ")  40");
  EXPECT_EQ(v.rows[2].detail, "(" + Division(v.list[2]) + ")  0");
}

// 251 managers can be listed: the list keeps the 250 best and never runs
// past its places. Managers abroad, and players 0 and 1, are not scanned in;
// an unattached manager is, without a club.
TEST_F(RankListTest, TheManagersListKeepsTheTwoHundredAndFiftyBest) {
  // Players 2-250: managers and playing managers of English league clubs
  // (reputation 10-59); 252 unattached (63); 253 the weakest (1); 254 abroad.
  for (int16_t p = 2; p < 251; ++p) MakeManager(p, static_cast<int16_t>(p % 100), 10 + p % 50, p % 3 == 0);
  MakeManager(252, kUnattached, 63);
  MakeManager(253, 40, 1);
  MakeManager(254, kForeign, 63);
  MakeManager(0, 0, 63);
  MakeManager(1, kUnattached, 63);
  Club_SetControl(4, 1);
  Open(RANK_MODE_MANAGERS);
  const RankListView& v = RankList_View();
  EXPECT_EQ(v.title, 1834);
  ASSERT_EQ(v.count, RANK_LIST_MAX);
  EXPECT_EQ(v.list[0], 252);
  for (int i = 0; i < v.count; ++i) {
    EXPECT_NE(v.list[i], 253) << "the 251st is left out";
    EXPECT_NE(v.list[i], 254);
    EXPECT_GT(v.list[i], 1);
    if (i > 0) {
      EXPECT_GE(GNW_GetPlayerReputation(v.list[i - 1]), GNW_GetPlayerReputation(v.list[i]));
    }
  }
  EXPECT_EQ(v.rows[0].name, GNW_GetPlayerTextNo(252));
  EXPECT_STREQ(v.rows[0].detail, "") << "unattached: no club";
  EXPECT_EQ(v.rows[1].detail, "(" + ClubName(GNW_GetPlayerClub(v.list[1])) + ")");
  // Players 4, 104 and 204 manage club 4, the human-managed one: their rows
  // are lit, no other.
  int lit = 0, seen = 0;
  for (int page = 0; page < 16; ++page) {
    Redraw();
    for (int r = 0; r < RANK_LIST_ROWS; ++r) {
      const RankListRow& row = v.rows[r];
      if (row.name < 0 || v.offset + r < seen) continue;
      ++seen;
      const bool human = GNW_GetPlayerClub(v.list[v.offset + r]) == 4;
      EXPECT_EQ(row.highlight, human ? 1 : 0) << "place " << v.offset + r;
      lit += row.highlight;
    }
    RankList_ScrollDown(nullptr);
  }
  EXPECT_EQ(seen, RANK_LIST_MAX);
  EXPECT_EQ(lit, 3);
}

// Down moves 16 places but never past the last page (count - 17); up 16, not
// below 0. Past the list's end the rows are blank.
TEST_F(RankListTest, ScrollingStaysInsideTheList) {
  Open(RANK_MODE_CLUBS);  // 114 clubs: the last page starts at 97
  const RankListView& v = RankList_View();
  const int16_t steps[] = {16, 32, 48, 64, 80, 96, 97, 97};
  for (int16_t want : steps) {
    EXPECT_EQ(RankList_ScrollDown(nullptr), MENU_RESULT_REDRAW);
    EXPECT_EQ(v.offset, want);
  }
  Redraw();
  EXPECT_STREQ(v.rows[16].rank, "114.");
  const int16_t back[] = {81, 65, 49, 33, 17, 1, 0, 0};
  for (int16_t want : back) {
    RankList_ScrollUp(nullptr);
    EXPECT_EQ(v.offset, want);
  }

  // Fewer than 17: nothing moves, and the rows after the last are blank.
  for (int16_t p = 2; p < 7; ++p) MakeManager(p, 3, 20 + p);
  Open(RANK_MODE_MANAGERS);
  ASSERT_EQ(v.count, 5);
  RankList_ScrollDown(nullptr);
  EXPECT_EQ(v.offset, 0);
  RankList_ScrollUp(nullptr);
  EXPECT_EQ(v.offset, 0);
  Redraw();
  EXPECT_STREQ(v.rows[4].rank, "5.");
  for (int r = 5; r < RANK_LIST_ROWS; ++r) {
    EXPECT_STREQ(v.rows[r].rank, "");
    EXPECT_EQ(v.rows[r].name, -1);
    EXPECT_STREQ(v.rows[r].detail, "");
  }

  // An empty list: a click anywhere does nothing.
  for (int16_t p = 2; p < 7; ++p) Player_SetManager(p, 0);
  Open(RANK_MODE_MANAGERS);
  EXPECT_EQ(v.count, 0);
  RankList_ScrollDown(nullptr);
  EXPECT_EQ(v.offset, 0);
  MenuOption = 69;
  EXPECT_EQ(RankList_ClickRow(0), 0);
  EXPECT_EQ(MenuOption, 69);
}

// A manager's row opens his history; a club's row its squad, the front end
// putting the manager's own club back afterwards; OK the office.
TEST_F(RankListTest, ARowOpensTheManagersHistoryOrTheClubsSquad) {
  for (int16_t p = 2; p < 7; ++p) MakeManager(p, 3, 20 + p);
  Open(RANK_MODE_MANAGERS);
  EXPECT_EQ(RankList_ClickRow(1), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 57);
  EXPECT_EQ(MenuPlayer, 5);
  MenuOption = 69;
  EXPECT_EQ(RankList_ClickRow(5), 0) << "a blank row";
  EXPECT_EQ(RankList_ClickRow(-1), 0);
  EXPECT_EQ(RankList_ClickRow(RANK_LIST_ROWS), 0);
  EXPECT_EQ(MenuOption, 69);

  for (int16_t option : {RANK_MODE_CLUBS, RANK_MODE_DISCIPLINE}) {
    Club_SetRep(12, 63);
    Club_SetSeasonDispoints(12, 99);
    Open(option);
    MenuClubReset = 0;
    EXPECT_EQ(RankList_ClickRow(0), MENU_RESULT_LEAVE);
    EXPECT_EQ(MenuOption, 7);
    EXPECT_EQ(MenuClub, 12);
    EXPECT_EQ(ReturnMenuOption, 68);
    EXPECT_EQ(MenuClubReset, 1);
  }
  EXPECT_EQ(RankList_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
}

}  // namespace
