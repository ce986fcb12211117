#include "gamecode/goalcomment.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

struct Said {
  int event, side, first, number;
  bool operator==(const Said&) const = default;
};
std::vector<Said> gSaid;
int32_t gSeconds;

std::vector<int> Events() {
  std::vector<int> events;
  for (const Said& s : gSaid) events.push_back(s.event);
  return events;
}

class GoalCommentTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gSaid.clear();
    gSeconds = 20 * 60;
    SetPitchGeometry();
    MatchSeams.sayComment = [](int event, int, int side, int first, int, int number) {
      gSaid.push_back({event, side, first, number});
    };
    MatchSeams.matchTimeSeconds = [] { return gSeconds; };
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place)
        SideSlots[side][place] = static_cast<int16_t>(side * SIDE_OBJECTS + place);
    LowGoalSide = 0;  // side 0 attacks the goal at y 2042
    period = 0;
  }

  // The ball in the goal side attacks, last touched by toucher.
  static void BallInGoalOf(int side, int toucher) {
    ballY = static_cast<int16_t>(side == LowGoalSide ? 2050 : 114);
    BallCarrier = static_cast<int16_t>(toucher);
  }
};

TEST_F(GoalCommentTest, BracketsOfTheMinute) {
  const struct {
    int period, minute;
    MinuteBracket bracket;
  } kCases[] = {
      {1, 90, BRACKET_END},         {1, 92, BRACKET_LAST_FIVE},   {1, 86, BRACKET_LAST_FIVE},
      {1, 85, BRACKET_LAST_TEN},    {1, 81, BRACKET_LAST_TEN},    {1, 80, BRACKET_OPEN},
      {0, 44, BRACKET_BEFORE_BREAK}, {0, 43, BRACKET_OPEN},       {1, 50, BRACKET_OPEN},
      {3, 120, BRACKET_END},        {3, 116, BRACKET_LAST_FIVE},  {3, 111, BRACKET_LAST_TEN},
      {2, 104, BRACKET_BEFORE_BREAK}, {2, 103, BRACKET_OPEN},     {0, 2, BRACKET_OPEN},
  };
  for (const auto& c : kCases) {
    period = static_cast<int8_t>(c.period);
    EXPECT_EQ(MinuteBracketOf(c.minute), c.bracket) << c.period << " " << c.minute;
  }
}

// At the moment of the goal (score not yet raised): what the goal does, by
// the minute, then the scorer's tally.
TEST_F(GoalCommentTest, MomentOfTheGoalByScoreAndMinute) {
  const struct {
    int scorerGoals, other, period, minute;
    std::vector<int> events;
  } kCases[] = {
      {0, 1, 1, 90, {78}},  {0, 1, 1, 88, {79}},  {0, 1, 1, 83, {80}},  {0, 1, 0, 44, {81}}, {0, 1, 0, 20, {82}},
      {0, 0, 1, 90, {84}},  {0, 0, 1, 88, {85}},  {0, 0, 1, 83, {86}},  {0, 0, 0, 44, {87}}, {0, 0, 0, 4, {88}},
      {1, 0, 1, 90, {91}},  {1, 0, 1, 88, {92}},  {1, 0, 1, 83, {93}},  {1, 0, 0, 44, {94}}, {1, 0, 0, 7, {95}},
      {1, 0, 0, 20, {}},    {3, 0, 0, 20, {}},    {0, 3, 0, 20, {}},
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = static_cast<int16_t>(c.scorerGoals);
    Score[1] = static_cast<int16_t>(c.other);
    period = static_cast<int8_t>(c.period);
    gSeconds = c.minute * 60;
    BallInGoalOf(0, 9);
    MatchObjects[9].goals = 0;
    GoalScoredComment();
    EXPECT_EQ(Events(), c.events) << c.scorerGoals << "-" << c.other << " minute " << c.minute;
    for (const Said& s : gSaid) {
      EXPECT_EQ(s.side, 0);
      EXPECT_EQ(s.first, 9);
    }
  }
}

TEST_F(GoalCommentTest, GoingAheadInOpenPlayIsToldOneTimeInFive) {
  Score[0] = Score[1] = 1;
  gSeconds = 30 * 60;
  BallInGoalOf(0, 9);
  int told = 0;
  for (int i = 0; i < 1000; ++i) {
    gSaid.clear();
    GoalScoredComment();
    if (!gSaid.empty()) {
      EXPECT_EQ(Events(), std::vector<int>{89});
      ++told;
    }
  }
  EXPECT_GT(told, 150);
  EXPECT_LT(told, 250);
}

TEST_F(GoalCommentTest, WhoScoredIt) {
  LastScorerBySide[0] = 7;
  LastScorerBySide[1] = 25;
  const struct {
    int side, toucher;
    int named;
    bool ownGoal;
  } kCases[] = {
      {0, 9, 9, false},    // his own side's goal
      {1, 5, 5, true},     // a side-0 defender turns it in
      {1, 0, 25, false},   // off the side-0 keeper: the attacker the shot handlers recorded
      {0, 20, 7, false},   // a side-1 own goal is not told as one
      {0, 32, 7, false},   // off the referee
      {0, -1, 7, false},
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = Score[1] = 0;
    gSeconds = 83 * 60;
    period = 1;
    BallInGoalOf(c.side, c.toucher);
    GoalScoredComment();
    std::vector<int> expected{86};
    if (c.ownGoal) expected.push_back(90);
    EXPECT_EQ(Events(), expected) << c.side << " " << c.toucher;
    for (const Said& s : gSaid) {
      EXPECT_EQ(s.side, c.side);
      EXPECT_EQ(s.first, c.named);
    }
  }
}

TEST_F(GoalCommentTest, ScorerTallyAndTheRunOfPlay) {
  const struct {
    int goals;
    int shots0, shots1, noted0, noted1;
    int score0, score1;
    std::vector<int> events;
    int noted0After;
  } kCases[] = {
      {1, 0, 0, 0, 0, 3, 0, {97}, 0},
      {2, 0, 0, 0, 0, 3, 0, {98}, 0},
      {3, 0, 0, 0, 0, 3, 0, {}, 0},
      {0, 12, 5, 0, 0, 3, 0, {99}, 1},       // twice the shots and more than five
      {0, 12, 6, 0, 0, 3, 0, {}, 0},         // not twice
      {0, 10, 2, 0, 1, 3, 0, {}, 0},         // the other side had its line already
      {0, 5, 5, 0, 1, 1, 3, {100}, 1},       // level on shots, not ahead
      {0, 5, 5, 0, 1, 4, 3, {}, 0},          // ahead already
      {0, 4, 5, 0, 1, 1, 3, {}, 0},          // fewer shots
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = static_cast<int16_t>(c.score0);
    Score[1] = static_cast<int16_t>(c.score1);
    SideShots[0] = static_cast<int16_t>(c.shots0);
    SideShots[1] = static_cast<int16_t>(c.shots1);
    RunOfPlayNoted[0] = static_cast<int16_t>(c.noted0);
    RunOfPlayNoted[1] = static_cast<int16_t>(c.noted1);
    MatchObjects[9].goals = static_cast<int16_t>(c.goals);
    gSeconds = 60 * 60;
    period = 1;
    BallInGoalOf(0, 9);
    GoalScoredComment();
    EXPECT_EQ(Events(), c.events) << c.goals << " " << c.shots0 << "/" << c.shots1;
    EXPECT_EQ(RunOfPlayNoted[0], c.noted0After);
  }
}

TEST_F(GoalCommentTest, SetPieceAndUntoldKicksSayNothing) {
  Score[0] = Score[1] = 0;
  period = 1;
  gSeconds = 88 * 60;
  MatchObjects[9].goals = 1;
  BallInGoalOf(0, 9);
  FrameCountdowns[COUNTDOWN_SET_PIECE] = 50;
  GoalScoredComment();
  EXPECT_TRUE(gSaid.empty()) << "a goal straight from a set piece";
  FrameCountdowns[COUNTDOWN_SET_PIECE] = 0;
  LastKickKind = 9;
  GoalScoredComment();
  EXPECT_TRUE(gSaid.empty());
  LastKickKind = 0;
  GoalScoredComment();
  EXPECT_EQ(Events(), (std::vector<int>{85, 97}));
}

// After the score changed: where the match stands.
TEST_F(GoalCommentTest, SituationByScoreAndMinute) {
  const struct {
    int g, f, period, minute;
    int lastScoringSide;
    std::vector<int> events;
  } kCases[] = {
      {1, 1, 1, 90, 1, {27}}, {1, 1, 1, 87, 1, {28}}, {1, 1, 1, 82, 1, {29}}, {1, 1, 0, 44, 1, {30}},
      {1, 1, 0, 20, 1, {31}},
      {1, 0, 1, 90, -1, {34}}, {1, 0, 1, 87, -1, {35}}, {1, 0, 1, 82, -1, {36}}, {1, 0, 0, 44, -1, {37}},
      {1, 0, 0, 4, -1, {38}}, {1, 0, 0, 5, -1, {39}},
      {2, 0, 1, 90, 0, {42}}, {2, 0, 1, 87, 0, {43}}, {2, 0, 1, 82, 0, {44}}, {2, 0, 0, 44, 0, {45}},
      {2, 0, 0, 7, 0, {46}}, {2, 0, 0, 8, 0, {47}},
      {4, 1, 1, 90, 0, {49}}, {4, 1, 0, 20, 0, {53}},
      {1, 4, 1, 90, 1, {55}}, {1, 4, 0, 20, 1, {59}},
      {2, 4, 1, 90, 0, {61}}, {2, 4, 0, 20, 0, {65}},
      {2, 4, 1, 90, 1, {67}}, {2, 4, 0, 20, 1, {71}}, {1, 3, 0, 20, -1, {71}},
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = static_cast<int16_t>(c.g);
    Score[1] = static_cast<int16_t>(c.f);
    period = static_cast<int8_t>(c.period);
    gSeconds = c.minute * 60;
    LastScoringSide = static_cast<int16_t>(c.lastScoringSide);
    MatchObjects[9].goals = 1;
    ScoreSituationComment(0, 9);
    EXPECT_EQ(Events(), c.events) << c.g << "-" << c.f << " minute " << c.minute;
    EXPECT_EQ(LastScoringSide, 0);
  }
  // The level line in open play carries the minute.
  gSaid.clear();
  Score[0] = Score[1] = 2;
  period = 1;
  gSeconds = 61 * 60 + 30;
  ScoreSituationComment(0, 9);
  ASSERT_EQ(gSaid.size(), 1u);
  EXPECT_EQ(gSaid[0], (Said{31, 0, 9, 61}));
}

TEST_F(GoalCommentTest, SituationOwnGoalsSuddenDeathShotsAndTally) {
  const struct {
    int g, f, period, minute, scorer, scorerGoals;
    bool suddenDeath;
    int shots0, shots1;
    std::vector<int> events;
  } kCases[] = {
      {1, 1, 0, 20, 20, 0, false, 0, 0, {31, 32}},           // an own goal of the other side
      {1, 0, 0, 20, 20, 0, false, 0, 0, {39, 40}},
      {2, 0, 0, 20, 20, 0, false, 0, 0, {47, 48}},
      {3, 0, 0, 20, 20, 0, false, 0, 0, {53, 54}},
      {1, 4, 0, 20, 20, 0, false, 0, 0, {59, 60}},
      {1, 0, 2, 100, 9, 1, true, 0, 0, {33}},                // sudden death in extra time
      {1, 0, 1, 60, 9, 1, true, 0, 0, {39}},                 // not in normal time
      {1, 0, 1, 60, 9, 1, false, 2, 5, {39, 41}},            // outshot more than twice
      {1, 0, 1, 60, 9, 1, false, 2, 4, {39}},                // the other side needs more than four
      {1, 0, 1, 60, 9, 2, false, 0, 0, {39, 75}},
      {1, 0, 1, 60, 9, 3, false, 0, 0, {39, 76}},
      {1, 0, 1, 60, 9, 5, false, 0, 0, {39, 77}},
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = static_cast<int16_t>(c.g);
    Score[1] = static_cast<int16_t>(c.f);
    period = static_cast<int8_t>(c.period);
    gSeconds = c.minute * 60;
    MatchSilverGoalRule = c.suddenDeath ? 1 : 0;
    SideShots[0] = static_cast<int16_t>(c.shots0);
    SideShots[1] = static_cast<int16_t>(c.shots1);
    MatchObjects[c.scorer].goals = static_cast<int16_t>(c.scorerGoals);
    LastScoringSide = 1;
    ScoreSituationComment(0, c.scorer);
    EXPECT_EQ(Events(), c.events) << c.g << "-" << c.f << " scorer " << c.scorer;
  }
  gSaid.clear();
  MatchObjects[9].goals = 5;
  Score[0] = 1;
  Score[1] = 0;
  ScoreSituationComment(0, 9);
  EXPECT_EQ(gSaid.back(), (Said{77, 0, 9, 5}));
}

TEST_F(GoalCommentTest, AggregateOfATwoLeggedTie) {
  const struct {
    int g, f, legG, legF;
    bool twoLegs;
    int aggregateEvent;  // 0 none
  } kCases[] = {
      {1, 1, 2, 2, true, 73}, {2, 0, 0, 2, true, 73}, {2, 0, 0, 1, true, 74}, {3, 0, 0, 1, true, 0},
      {1, 1, 1, 0, true, 74}, {1, 1, 0, 1, true, 0},  {1, 1, 2, 2, false, 0},
  };
  for (const auto& c : kCases) {
    gSaid.clear();
    Score[0] = static_cast<int16_t>(c.g);
    Score[1] = static_cast<int16_t>(c.f);
    MatchFirstLegGoals[0] = static_cast<int16_t>(c.legG);
    MatchFirstLegGoals[1] = static_cast<int16_t>(c.legF);
    TwoLegFlag = c.twoLegs ? 1 : 0;
    MatchAwayGoalsRule = 0;
    ScoreSituationComment(0, 9);
    const std::vector<int> events = Events();
    const bool said73 = std::find(events.begin(), events.end(), 73) != events.end();
    const bool said74 = std::find(events.begin(), events.end(), 74) != events.end();
    EXPECT_EQ(said73, c.aggregateEvent == 73) << c.g << "-" << c.f << " after " << c.legG << "-" << c.legF;
    EXPECT_EQ(said74, c.aggregateEvent == 74) << c.g << "-" << c.f << " after " << c.legG << "-" << c.legF;
  }
  // The second leg of the set-up counts the aggregate too.
  gSaid.clear();
  TwoLegFlag = 0;
  MatchAwayGoalsRule = 1;
  Score[0] = 1;
  Score[1] = 1;
  MatchFirstLegGoals[0] = MatchFirstLegGoals[1] = 0;
  ScoreSituationComment(0, 9);
  EXPECT_EQ(Events().back(), 73);
}

// Through the seams as the match calls them: the ball's goal rule speaks
// before the goal state raises the score.
TEST_F(GoalCommentTest, SeamsReachTheGoalCommentary) {
  MatchSeams_Reset();
  MatchSeams.sayComment = [](int event, int, int side, int first, int, int number) {
    gSaid.push_back({event, side, first, number});
  };
  MatchSeams.matchTimeSeconds = [] { return gSeconds; };
  Score[0] = Score[1] = 0;
  period = 1;
  gSeconds = 83 * 60;
  BallInGoalOf(1, 20);
  MatchSeams.goalScoredComment();
  EXPECT_EQ(Events(), std::vector<int>{86});
  gSaid.clear();
  Score[1] = 1;
  MatchSeams.scoreSituationComment(1, 20);
  EXPECT_EQ(Events(), std::vector<int>{36});
}

// The ball's goal rule asks for the goal commentary once, while the score
// still stands as before the goal; a shoot-out kick has its own lines.
TEST_F(GoalCommentTest, TheBallCrossingTheLineSpeaksBeforeTheScoreChanges) {
  static std::vector<int> scoresSeen;
  for (int p : {0, 1, 2, 3, 4}) {
    ResetEngine();
    SetPitchGeometry();
    BallKickOffReset(0);
    for (int i = 0; i < MATCH_PLAYERS; ++i) MatchObjects[i].offPitch = 1;
    scoresSeen.clear();
    MatchSeams.goalScoredComment = [] { scoresSeen.push_back(Score[0] * 10 + Score[1]); };
    Score[0] = 2;
    Score[1] = 1;
    period = static_cast<int8_t>(p);
    const BallLaunchOutcome out = RunBallLaunch({796, 160, 5, 0, -3 * 65536, 0});
    ASSERT_EQ(out.outcome, BallOutcome::Goal);
    if (p == 4) EXPECT_TRUE(scoresSeen.empty());
    else EXPECT_EQ(scoresSeen, std::vector<int>{21}) << "period " << p;
  }
}

}  // namespace
