#include "world/textmess.h"

#include <cstring>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "menus/exm_text.h"
#include "menus/langtext.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/static_clubs.h"

namespace {

class NewsTest : public WorldTest {
 protected:
  // The texts of the message boxes shown so far.
  static std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
};

TEST_F(NewsTest, SetNewsArgsClearsEveryFieldFirst) {
  SetNewsArgs(1, 2, 3, 4, 5, 6, 7, 8, 9);
  SetNewsArgs(tw::kLeagueClub, -1, -1, tw::kForward, 0, -1, 2500, -1, 0);
  const NewsArgsRecord& a = NewsArgs;
  EXPECT_EQ(a.teams[0], tw::kLeagueClub);
  EXPECT_EQ(a.teams[1], -1);
  EXPECT_EQ(a.players[0], -1);
  EXPECT_EQ(a.players[1], tw::kForward);
  EXPECT_EQ(a.money, 0);
  EXPECT_EQ(a.texts[0], -1);
  EXPECT_EQ(a.texts[1], 2500);
  EXPECT_EQ(a.numbers[0], -1);
  EXPECT_EQ(a.numbers[1], 0);
}

TEST_F(NewsTest, ATeamOf255IsNoTeam) {
  SetNewsArgs(255, 255, -1, -1, -1, -1, -1, -1, -1);
  EXPECT_EQ(NewsArgs.teams[0], -1);
  EXPECT_EQ(NewsArgs.teams[1], -1);
  SetNewsArgs(252, 254, -1, -1, -1, -1, -1, -1, -1);
  EXPECT_EQ(NewsArgs.teams[0], 252);
  EXPECT_EQ(NewsArgs.teams[1], 254);
}

TEST_F(NewsTest, EveryToken) {
  const std::string human = ClubNameTable[GNW_GetClubDbId(tw::kHumanClub)];
  const std::string league = ClubNameTable[GNW_GetClubDbId(tw::kLeagueClub)];
  const std::string money1500 = Price2str(1500);
  const std::string moneyMinus1 = Price2str(-1);
  struct {
    int16_t team0, team1, player0, player1;
    int32_t money;
    int16_t text0, text1;
    int32_t number0, number1;
    const char* templ;
    std::string expected;
  } cases[] = {
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "plain text", "plain text"},
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "", ""},
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "$$", "$"},
      {-1, -1, -1, -1, -1, -1, -1, 5, -1, "cost $$$0n", "cost $5"},
      {-1, -1, -1, -1, -1, 2500, -1, -1, -1, "<$0g><$1g>", "<END><>"},  // text -1: the empty text
      {-1, -1, -1, -1, -1, -1, 3000 + tw::kForward, -1, -1, "$1g", "Striker"},
      {-1, -1, -1, -1, 1500, -1, -1, -1, -1, "for $0m", "for " + money1500},
      {-1, -1, -1, -1, 1500, -1, -1, -1, -1, "$1m", money1500},  // the digit of m is not used
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "$0m", moneyMinus1},  // no money formats -1
      {-1, -1, -1, -1, -1, -1, -1, 42, -7, "$0n and $1n", "42 and -7"},
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "$0n", "-1"},
      {-1, -1, tw::kForward, tw::kKeeper, -1, -1, -1, -1, -1, "$0p, $1p", "Striker, J.Safehands"},
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "[$0p]", "[]"},  // no player, no name
      {tw::kHumanClub, tw::kLeagueClub, -1, -1, -1, -1, -1, -1, -1, "$0t v $1t",
       human + " v " + league},  // through the database number
      {252, 300, -1, -1, -1, -1, -1, -1, -1, "$0t/$1t",
       std::string(ClubNameTable[252]) + "/" + ClubNameTable[300]},  // 252 and above: database numbers
      {-1, -1, -1, -1, -1, -1, -1, -1, -1, "[$0t]", "[]"},
      {-1, -1, -1, -1, -1, -1, -1, 9, 9, "$2n", "-1"},  // only 0 and 1 name an argument
  };
  for (const auto& c : cases) {
    SetNewsArgs(c.team0, c.team1, c.player0, c.player1, c.money, c.text0, c.text1, c.number0, c.number1);
    EXPECT_EQ(ExpandMessageString(c.templ), c.expected) << c.templ;
  }
}

TEST_F(NewsTest, TheMalformedTokensStopTheGame) {
  SetNewsArgs(-1, -1, -1, -1, -1, -1, -1, -1, -1);
  for (const char* templ : {"$x", "ends in $", "$ 0t"})
    EXPECT_FATAL(ExpandMessageString(templ), "invalid index in message string\n\\(File: textmess  Line: 118\\)");
  for (const char* templ : {"$0q", "$1T", "ends in $0"})
    EXPECT_FATAL(ExpandMessageString(templ),
                 "unknown string type in message string\n\\(File: textmess  Line: 154\\)");
}

TEST_F(NewsTest, ALongExpansionIsCutToTheBuffer) {
  SetNewsArgs(-1, -1, tw::kKeeper, -1, -1, -1, -1, -1, -1);
  std::string templ;
  for (int i = 0; i < 200; ++i) templ += "$0p ";  // 200 x "J.Safehands "
  const char* text = ExpandMessageString(templ.c_str());
  EXPECT_EQ(std::strlen(text), static_cast<size_t>(NEWS_TEXT_SIZE - 1));
  EXPECT_EQ(std::string(text, 12), "J.Safehands ");
}

TEST_F(NewsTest, AnExpansionMayExpandItsOwnBuffer) {
  SetNewsArgs(-1, -1, tw::kForward, -1, -1, -1, -1, -1, -1);
  const char* once = ExpandMessageString("$$0p scored");
  EXPECT_STREQ(once, "$0p scored");
  EXPECT_STREQ(ExpandMessageString(once), "Striker scored");
}

TEST_F(NewsTest, NewsKindsAndTheirWordings) {
  int total = 0;
  for (int kind = 0; kind < NUM_NEWS_KINDS; ++kind) {
    int count = 0;
    for (const int16_t* t = NewsKindList[kind]; *t; ++t, ++count) {
      EXPECT_GE(*t, 1268) << kind;
      EXPECT_LE(*t, 2309) << kind;
    }
    EXPECT_GE(count, 1) << kind;
    total += count;
  }
  EXPECT_EQ(total, 287);
  struct {
    int kind;
    std::vector<int16_t> texts;
  } rows[] = {{0, {2035, 2036, 2037}}, {2, {2033, 2034}},    {23, {2082, 2083}},  {32, {2115}},
              {34, {2086, 2087}},      {39, {2105, 2106}},   {61, {2142}},        {68, {2149}},
              {73, {2031}},            {75, {2030}},         {96, {2193, 2194, 2195}},
              {99, {2202, 2203}},      {100, {2199, 2200, 2201}}, {102, {2216, 2217}},
              {136, {2273, 2274, 2275, 2276}}, {153, {2305}}, {156, {1275}},  {163, {1274}},
              {164, {2309}}};
  for (const auto& r : rows) {
    std::vector<int16_t> texts;
    for (const int16_t* t = NewsKindList[r.kind]; *t; ++t) texts.push_back(*t);
    EXPECT_EQ(texts, r.texts) << r.kind;
  }
}

TEST_F(NewsTest, ARandomWordingIsOneRollOfTheKindsList) {
  SetNewsArgs(tw::kHumanClub, -1, tw::kForward, -1, 250000, -1, -1, -1, -1);
  for (int kind : {0, 96, 136}) {
    int count = 0;
    while (NewsKindList[kind][count]) ++count;
    GameSeedRandom(1234);
    int roll = GameRandom();
    uint32_t afterOneRoll = GameRandomState();
    std::string expected = ExpandMessageString(GetTextNoAddr(NewsKindList[kind][roll % count]));
    GameSeedRandom(1234);
    const char* text = GetRandomNewsText(kind);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text, expected) << kind;
    EXPECT_EQ(GameRandomState(), afterOneRoll) << kind;
  }
}

TEST_F(NewsTest, NoKindNoText) {
  GameSeedRandom(99);
  uint32_t state = GameRandomState();
  EXPECT_EQ(GetRandomNewsText(-1), nullptr);
  EXPECT_EQ(GetRandomNewsText(NUM_NEWS_KINDS), nullptr);
  EXPECT_EQ(GameRandomState(), state);
}

// Club 0 (the user's) and club 5 stand in division 0, club 1 in division 1;
// club 3 is in no division of the table.
class ShowNewsTest : public NewsTest {
 protected:
  void SetUp() override {
    NewsTest::SetUp();
    DivisionTable[0][0] = tw::kHumanClub;
    DivisionTable[0][1] = 5;
    DivisionTable[1][0] = tw::kLeagueClub;
  }
};

TEST_F(ShowNewsTest, TheFilterModes) {
  struct {
    int mode;
    int16_t team0, team1;
    bool shown;
  } cases[] = {
      {0, -1, -1, true},  // mode 0 shows whoever it is about
      {0, tw::kForeignClub, tw::kLeagueClub, true},
      {0, 252, -1, true},   // 252 passes the filter
      {0, 250, -1, false},  // any other team from 250 shows nothing
      {0, -1, 255, false},
      {0, 254, tw::kHumanClub, false},
      {2, tw::kHumanClub, -1, true},
      {2, -1, tw::kHumanClub, true},
      {2, tw::kLeagueClub, tw::kHumanClub, true},
      {2, tw::kLeagueClub, 5, false},
      {2, -1, -1, false},
      {2, 252, -1, false},  // never the user's club
      {3, 5, -1, true},     // the user's division
      {3, -1, tw::kHumanClub, true},
      {3, tw::kLeagueClub, -1, false},
      {3, -1, -1, false},
      {3, 252, tw::kLeagueClub, false},
      {3, tw::kForeignClub, -1, true},  // a club in no division counts as division 0
      {1, tw::kHumanClub, tw::kHumanClub, false},  // other modes never count
      {4, tw::kHumanClub, -1, false},
  };
  for (const auto& c : cases) {
    MenuPrims_ClearCalls();
    ShowNewsMessage("news", 0, c.mode, c.team0, c.team1);
    EXPECT_EQ(Shown().size(), c.shown ? 1u : 0u) << c.mode << " " << c.team0 << " " << c.team1;
  }
}

TEST_F(ShowNewsTest, TheBoxGetsTheTextAndItsArgument) {
  ShowNewsMessage("Rovers sign a keeper.", 3, 2, tw::kHumanClub, -1);
  const auto& calls = MenuPrims_Calls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "Rovers sign a keeper.");
  EXPECT_EQ(calls[0].value, 3);
}

TEST_F(ShowNewsTest, WithoutAHumanClubOnlyMode0Shows) {
  Club_SetControl(tw::kHumanClub, 0);
  ShowNewsMessage("a", 0, 2, tw::kHumanClub, -1);
  ShowNewsMessage("b", 0, 3, tw::kHumanClub, 5);
  ShowNewsMessage("c", 0, 0, tw::kHumanClub, -1);
  EXPECT_EQ(Shown(), std::vector<std::string>{"c"});
}

TEST_F(ShowNewsTest, NothingShowsWithoutTextOrDuringTheSoakRun) {
  ShowNewsMessage(nullptr, 0, 0, -1, -1);
  SoakRunActive = 1;
  ShowNewsMessage("soak", 0, 0, -1, -1);
  ShowNewsMessage("soak", 0, 2, tw::kHumanClub, -1);
  EXPECT_TRUE(Shown().empty());
  SoakRunActive = 0;
  ShowNewsMessage("after", 0, 0, -1, -1);
  EXPECT_EQ(Shown(), std::vector<std::string>{"after"});
}

TEST_F(ShowNewsTest, TheSecondEuropeanBookingBansAndTellsHisClub) {
  Player_SetEuroDispoints(tw::kForward, 1);
  EXPECT_EQ(Player_GetEuroBan(tw::kForward), 0);
  EXPECT_TRUE(Shown().empty());

  GameSeedRandom(5);
  Player_SetEuroDispoints(tw::kForward, 2);
  EXPECT_EQ(Player_GetEuroBan(tw::kForward), 1);
  EXPECT_EQ(NewsArgs.teams[0], tw::kHumanClub);
  EXPECT_EQ(NewsArgs.players[0], tw::kForward);
  EXPECT_EQ(NewsArgs.teams[1], -1);
  SetNewsArgs(tw::kHumanClub, -1, tw::kForward, -1, -1, -1, -1, -1, -1);
  EXPECT_EQ(Shown(), std::vector<std::string>{ExpandMessageString(GetTextNoAddr(2305))});

  // Another club's player is banned without a message for the user.
  MenuPrims_ClearCalls();
  Player_SetEuroDispoints(tw::kMidfielder, 5);  // limited to 2
  EXPECT_EQ(Player_GetEuroBan(tw::kMidfielder), 1);
  EXPECT_EQ(NewsArgs.teams[0], tw::kLeagueClub);
  EXPECT_TRUE(Shown().empty());
}

}  // namespace
