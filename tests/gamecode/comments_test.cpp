#include "gamecode/comments.h"

#include <algorithm>
#include <cstring>
#include <regex>
#include <set>
#include <string>

#include "engine/rand.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

void SetTeamName(int side, const std::string& name) {
  char* at = reinterpret_cast<char*>(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME);
  std::memset(at, 0, SETUP_TEAM_NAME_SIZE);
  std::memcpy(at, name.data(), std::min<size_t>(name.size(), SETUP_TEAM_NAME_SIZE - 1));
}

void SetObjectName(int object, const std::string& name) {
  char* at = MatchObjects[object].name;
  std::memset(at, 0, sizeof MatchObjects[object].name);
  std::memcpy(at, name.data(), std::min(name.size(), sizeof MatchObjects[object].name - 1));
}

class CommentsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetTeamName(0, "Rovers");
    SetTeamName(1, "Albion");
    SetObjectName(3, "Smith");
    SetObjectName(20, "Jones");
  }
};

std::string Expand(const char* text, int side, int first, int second, int number) {
  CommentArgs[0] = static_cast<int16_t>(side);
  CommentArgs[1] = static_cast<int16_t>(side ^ 1);
  CommentArgs[2] = static_cast<int16_t>(first);
  CommentArgs[3] = static_cast<int16_t>(second);
  CommentArgs[4] = static_cast<int16_t>(number);
  return ExpandComment(text);
}

bool EventHasLine(int event, const std::string& line) {
  for (int k = 0; k < COMMENT_LINES_PER_EVENT; ++k)
    if (line == GetCommentText(event * COMMENT_LINES_PER_EVENT + k)) return true;
  return false;
}

// Lines the match's own descriptions give for their events, word for word.
TEST(CommentTableTest, KnownLinesStandAtTheirEvents) {
  const struct {
    int event;
    const char* line;
  } kLines[] = {
      {0, "$0p clears upfield"}, {1, "$0p lashes at the ball"}, {7, "can $0p square it across"},
      {8, "$0p just has the keeper to beat"}, {19, "now it's $0p"}, {24, "$0p regains possession for $0t"},
      {25, "$0t seem to be on top but the scores are still level"},
      {101, "an own goal, $0p has put it through his own net"}, {102, "$0p has scored"},
      {103, "after good work from $0p"}, {104, "the referee points to the spot, it's a penalty"},
      {105, "it's all over, $0t have won"}, {105, "$0t win the shootout"},
      {106, "The game is about to get underway"}, {107, "The second half is about start"},
      {107, "The second half is about to get underway"}, {108, "The first period of extra time is about start"},
      {108, "Extra time is about to start"}, {109, "The final period of play is about to begin"},
      {109, "The final period of extra time is about to begin"}, {110, "It's $0p to restart the game"},
      {110, "It's $0p with the restart"}, {111, "It's $0p, about to start the game"}, {111, "$0p kicks off"},
      {112, "$0t are going to make a change, $0p is coming off to be replaced by $1p"},
      {113, "it's his second card of the game, and he's off, $0p has been sent off"},
      {114, "$0t are down to $0n men"}, {122, "So it's $0p with the goalkick"}, {123, "$0p races out"},
      {124, "$0p comes to collect"}, {125, "The ball is with $0p who thumps the ball upfield"},
      {127, "but the ball is easily taken by $0p"}, {128, "$0p punches it out"},
      {129, "$0p does well to tip the effort over the bar"}, {131, "$0p's got a hand to it"},
      {132, "$0p's made a mess of it"}, {133, "$0p's blocked the penalty"}, {134, "the keeper's parried it"},
      {135, "the ball squirms away from $0p"}, {136, "$0p's saved it"}, {137, "that's well taken by $0p"},
      {138, "$0p pounces to recover the ball"}, {139, "the ball is back with $0p"},
      {140, "that's easily taken by $0p"}, {141, "$0p desperately clears the ball"},
      {143, "no problems there for $0p"}, {144, "$0p has brought $1p crashing down"},
      {145, "now, what's the referee going to do"}, {146, "it's a card"},
      {147, "$0p gets a stern lecture, he's got away with that"}, {148, "$0p and $1p collide heavily"},
      {149, "$0p smothers the ball"}, {150, "$0p could be in trouble here"},
      {151, "it's going to be a yellow card for $0p"}, {152, "$0p is getting a severe lecture"},
      {152, "that's going to result in a stern lecture for $0p"}, {153, "$0p seems to be in some pain"},
      {155, "$0p takes that low down without much problem"}, {156, "$0p looks to bowl it out quickly"},
      {157, "it's off the keepers legs"}, {206, "$0p's clear down the right"}, {208, "$0p's past the last man"},
      {211, "$0p is dribbling into the penalty area"}, {212, "$0p has taken the ball past the halfway line"},
      {217, "$0p trys his luck from all of $0n yards"}, {218, "$0p lays the ball back to $1p"},
      {230, "$0p goes for a longball"}, {231, "$0p is looking to whip the ball into $1p"},
      {232, "the ball is crossed in from the right flank"}, {234, "the ball is drilled in from the right flank"},
      {236, "$0p's looking to take it quickly"}, {237, "He lays the ball off to $0p"},
      {238, "$0p has won the ball back well from $1p with a firm challenge"},
      {239, "$0p trys a neat backheel to find $1p"}, {240, "$0p is winding up for a long throw"},
      {241, "$0p with the throw"}, {242, "what can $0p do with this freekick?, it's in a dangerous position"},
      {243, "it's $0p with the freekick"}, {244, "it's $0p with the corner"}, {245, "he swings it into the box"},
      {246, "$0p controls the ball well with his chest"}, {247, "$0p gets his head to the ball"},
      {249, "$0p powers in a header"}, {250, "$0p nods the ball down"}, {251, "$0p controls"},
      {253, "$0p trys something spectacular"}, {254, "$0p dives in bravely"},
      {262, "that's a foul, $0p recklessly took out $1p"},
      {263, "no it isn't, he's been sent off, he's been sent off for a professional foul"},
      {264, "but $0p regains his footing and steals the ball back well"}, {265, "$0p wins the ball"},
      {266, "it's going to be $0p from the penalty spot"}, {267, "$0p celebrates down in front of the fans"},
      {268, "$0p celebrates down in front of the fans"}, {269, "$0p celebrates down in front of the fans"},
      {270, "$0p celebrates down in front of the fans"}, {271, "$0p's got the goal at his mercy"},
      {275, "$0p hits one from all of $0n yards"}, {276, "$0p must score"},
      {280, "$0p drives it in from $0n yards"}, {294, "$0p cracks that full on the volley"},
      {295, "$0p strikes it on the volley"}, {296, "$0p runs on to it and smashes a volley"},
      {297, "$0p heads the ball on, trying to find $1p"}, {298, "$0p glances the ball on"},
      {299, "$0p lays the ball off"}, {300, "$0p catches $1p with a lunging challenge"},
      {301, "$0p just manages to get his foot to the ball"}, {302, "$0p's won the ball back well"},
      {303, "$0p is having his shirt tugged by $1p"}, {304, "that's a good turn from $0p"},
      {305, "that's neat footwork from $0p"}, {323, "yes it's handball"}, {324, "that's going to be a card"},
      {339, "$0p's missed it, he's missed the penalty"},
  };
  for (const auto& c : kLines) EXPECT_TRUE(EventHasLine(c.event, c.line)) << c.event << ": " << c.line;
  // These open their events' lists.
  for (int event : {0, 101, 102, 104, 105, 106, 107, 108, 109, 110, 111, 112, 300, 339}) {
    bool first = false;
    for (const auto& c : kLines)
      if (c.event == event && std::string(c.line) == GetCommentText(event * COMMENT_LINES_PER_EVENT)) first = true;
    EXPECT_TRUE(first) << event;
  }
}

TEST(CommentTableTest, EveryLineIsFilledAndUsesOnlyTheFiveTokens) {
  const std::regex token(R"(\$(\$|0p|1p|0t|1t|0n))");
  for (int line = 0; line < COMMENT_LINES; ++line) {
    const std::string text = GetCommentText(line);
    EXPECT_FALSE(text.empty()) << line;
    EXPECT_EQ(std::count(text.begin(), text.end(), '$'),
              std::distance(std::sregex_iterator(text.begin(), text.end(), token), std::sregex_iterator()))
        << line << ": " << text;
  }
  EXPECT_STREQ(GetCommentText(-1), "");
  EXPECT_STREQ(GetCommentText(COMMENT_LINES), "");
}

// The longest names a match can carry in every name token, and the widest
// number, still leave every line inside the buffer.
TEST_F(CommentsTest, EveryLineFitsWithTheLongestNames) {
  const std::string name39(39, 'W');
  for (int line = 0; line < COMMENT_LINES; ++line) {
    const std::string text = GetCommentText(line);
    size_t length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] != '$') {
        ++length;
        continue;
      }
      const char kind = text[i + 1] == '$' ? '$' : text[i + 2];
      length += kind == '$' ? 1 : kind == 'n' ? std::strlen("-32768") : name39.size();
      i += kind == '$' ? 1 : 2;
    }
    EXPECT_LE(length, 199u) << line << ": " << text;
  }
  // And through the expander itself, with the longest names the records hold.
  SetTeamName(0, name39);
  SetTeamName(1, name39);
  SetObjectName(3, std::string(19, 'X'));
  SetObjectName(20, std::string(19, 'Y'));
  for (int line = 0; line < COMMENT_LINES; ++line) {
    const std::string out = Expand(GetCommentText(line), 0, 3, 20, -32768);
    EXPECT_LE(out.size(), 199u) << line;
  }
}

TEST_F(CommentsTest, TokensExpandToNamesSidesAndNumbers) {
  const struct {
    const char* text;
    int side, first, second, number;
    const char* expected;
  } kCases[] = {
      {"$0p beats $1p", 0, 3, 20, 0, "Smith beats Jones"},
      {"$0t against $1t", 0, -1, -1, 0, "Rovers against Albion"},
      {"$1t are the opponents of $0t", 1, -1, -1, 0, "Rovers are the opponents of Albion"},
      {"$0t are down to $0n men", 1, -1, -1, 10, "Albion are down to 10 men"},
      {"$0n", 0, -1, -1, 3, "3"},
      {"$0n", 0, -1, -1, -7, "-7"},
      {"it costs $$5", 0, -1, -1, 0, "it costs $5"},
      {"$$$0p$$", 0, 3, -1, 0, "$Smith$"},
      // Objects outside the match's 37 and sides other than 0 and 1 name nobody.
      {"[$0p][$1p]", 0, 37, -1, 0, "[][]"},
      {"[$0p]", 0, -1, -1, 0, "[]"},
      {"[$0t]", 2, -1, -1, 0, "[]"},
      {"plain words", 0, -1, -1, 0, "plain words"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(Expand(c.text, c.side, c.first, c.second, c.number), c.expected) << c.text;
}

TEST_F(CommentsTest, LineEndsAtItsLastByte) {
  const std::string longText(400, 'a');
  EXPECT_EQ(Expand(longText.c_str(), 0, -1, -1, 0), std::string(199, 'a'));
  SetTeamName(0, std::string(39, 'T'));
  std::string manyNames;
  for (int i = 0; i < 8; ++i) manyNames += "$0t ";
  EXPECT_EQ(Expand(manyNames.c_str(), 0, -1, -1, 0).size(), 199u);
}

TEST_F(CommentsTest, AnyOtherTokenStops) {
  for (const char* text : {"$2p", "$1n", "$0x", "$9t", "$a", "$", "ends with $0", "$ p"}) {
    EXPECT_FATAL(Expand(text, 0, 3, 20, 0), "invalid index in message string") << text;
  }
}

TEST_F(CommentsTest, SayCommentFillsTheSlotsAndPicksEveryLineInTime) {
  GameSeedRandom(7);
  std::set<std::string> seen;
  const uint32_t before = CommentarySerial();
  for (int i = 0; i < 200; ++i) seen.insert(SayComment(112, 0, 1, 20, 3, 0));
  EXPECT_EQ(CommentarySerial(), before + 200);
  EXPECT_EQ(seen.size(), 5u);
  EXPECT_TRUE(seen.count("Albion are going to make a change, Jones is coming off to be replaced by Smith"));
  EXPECT_EQ(CommentArgs[0], 1);
  EXPECT_EQ(CommentArgs[1], 0);
  EXPECT_EQ(SayComment(0, 0, 0, 3, -1, 0), CommentaryLineText());
}

TEST_F(CommentsTest, UnknownEventsSayNothing) {
  SayComment(102, 0, 0, 3, -1, 0);
  const std::string line = CommentaryLineText();
  const uint32_t serial = CommentarySerial();
  const uint32_t state = GameRandomState();
  for (int event : {-1, 340, 1000}) EXPECT_EQ(SayComment(event, 0, 0, 3, -1, 0), line);
  EXPECT_EQ(CommentarySerial(), serial);
  EXPECT_EQ(GameRandomState(), state);
}

TEST_F(CommentsTest, RefereeFavoursOnlyHisSideThreeTimesInTen) {
  const struct {
    int8_t favoured;
    int side;
    bool rolls;
  } kCases[] = {{1, 0, true}, {1, 1, false}, {2, 1, true}, {2, 0, false}, {0, 0, false}, {3, 1, false}, {-1, 0, false}};
  for (const auto& c : kCases) {
    RefereeFavouredSide = c.favoured;
    GameSeedRandom(11);
    int yes = 0;
    for (int i = 0; i < 1000; ++i) yes += RefereeFavourRoll(c.side);
    if (c.rolls) {
      EXPECT_GT(yes, 240) << int{c.favoured};
      EXPECT_LT(yes, 360) << int{c.favoured};
    } else {
      const uint32_t state = GameRandomState();
      EXPECT_EQ(yes, 0);
      EXPECT_EQ(RefereeFavourRoll(c.side), 0);
      EXPECT_EQ(GameRandomState(), state) << "no roll for a side he does not favour";
    }
  }
}

}  // namespace
