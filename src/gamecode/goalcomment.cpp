#include "gamecode/goalcomment.h"

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/activeplayers.h"
#include "gamecode/balltouch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"

int16_t SideShots[2];
int16_t RunOfPlayNoted[2];
int16_t LastScoringSide;
uint8_t LastScorerBySide[2];
int16_t TwoLegFlag;

namespace {

constexpr int kLastKickNoComment = 9;

bool ExtraTime() { return period == 2 || period == 3; }
int Minute() { return MatchSeams.matchTimeSeconds() / 60; }

// The side an object plays for, -1 for the officials, the ball and nobody.
int PlayerSide(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return -1;
  return object < SIDE_OBJECTS ? 0 : 1;
}

int PlayerGoals(int object) {
  if (object < 0 || object >= MATCH_OBJECTS) return 0;
  return MatchObjects[object].goals;
}

void Say(int event, int side, int object, int number = 0) {
  MatchSeams.sayComment(event, 0, side, object, -1, number);
}

// One event per bracket, in the bracket order: end, last five, last ten,
// before the break, open.
void SayByBracket(MinuteBracket bracket, int firstEvent, int side, int scorer, int number = 0) {
  Say(firstEvent + bracket, side, scorer, number);
}

// A tie's second leg: the goals of the first leg count too.
bool AggregateCounts() { return TwoLegFlag != 0 || MatchAwayGoalsRule == 1; }
// A goal in extra time that puts a side ahead ends the match.
bool SuddenDeath() { return MatchSilverGoalRule != 0; }

}  // namespace

int SetPieceCountdown() { return FrameCountdowns[COUNTDOWN_SET_PIECE]; }

MinuteBracket MinuteBracketOf(int m) {
  const int end = ExtraTime() ? 120 : 90;
  const int breakMinute = ExtraTime() ? 103 : 43;
  if (m == end) return BRACKET_END;
  if (m > end - 5) return BRACKET_LAST_FIVE;
  if (m > end - 10) return BRACKET_LAST_TEN;
  if (m > breakMinute && (period == 0 || period == 2)) return BRACKET_BEFORE_BREAK;
  return BRACKET_OPEN;
}

void GoalScoredComment() {
  if (LastKickKind == kLastKickNoComment) return;
  // The ball is in the goal the scoring side attacks: the side defending the
  // low goal line attacks the high one.
  const int side = ballY > Pitch.centreY ? LowGoalSide : 1 - LowGoalSide;
  const int other = 1 - side;
  const int toucher = BallCarrier;
  int scorer;
  bool ownGoal = false;
  if (PlayerSide(toucher) == side) {
    scorer = toucher;
  } else if (toucher >= 0 && toucher < SIDE_OBJECTS && toucher != SideSlots[other][0]) {
    scorer = toucher;
    ownGoal = true;
  } else {
    scorer = LastScorerBySide[side];
  }
  // A goal straight from a set piece gets no line of its own.
  if (SetPieceCountdown() > 0) return;

  const int m = Minute();
  const MinuteBracket bracket = MinuteBracketOf(m);
  const int a = Score[other], b = Score[side];
  if (a == b + 1) {
    SayByBracket(bracket, 78, side, scorer);
    if (ownGoal) Say(83, side, scorer);
  } else if (a == b) {
    if (bracket != BRACKET_OPEN) SayByBracket(bracket, 84, side, scorer);
    else if (m < 5) Say(88, side, scorer);
    else if (GameRandom() % 5 == 0) Say(89, side, scorer);
    if (ownGoal) Say(90, side, scorer);
  } else if (b == a + 1) {
    if (bracket != BRACKET_OPEN) SayByBracket(bracket, 91, side, scorer);
    else if (m < 8) Say(95, side, scorer);
    if (ownGoal) Say(96, side, scorer);
  }

  const int goals = PlayerGoals(scorer);
  if (goals == 1) Say(97, side, scorer);
  else if (goals == 2) Say(98, side, scorer);

  if (SideShots[side] / 2 > SideShots[other] && RunOfPlayNoted[0] == 0 && RunOfPlayNoted[1] == 0 &&
      SideShots[side] > 5) {
    Say(99, side, scorer);
    ++RunOfPlayNoted[side];
  }
  if (SideShots[side] >= SideShots[other] && RunOfPlayNoted[side] == 0 && RunOfPlayNoted[other] != 0 &&
      Score[side] <= Score[other]) {
    Say(100, side, scorer);
    ++RunOfPlayNoted[side];
  }
}

void ScoreSituationComment(int side, int scorer) {
  if (side < 0 || side > 1) return;
  const int other = 1 - side;
  const int g = Score[side], f = Score[other];
  const bool ownGoal = PlayerSide(scorer) != side;
  const int m = Minute();
  const MinuteBracket bracket = MinuteBracketOf(m);
  if (g == f) {
    SayByBracket(bracket, 27, side, scorer, bracket == BRACKET_OPEN ? m : 0);
    if (ownGoal) Say(32, side, scorer);
  } else if (g == f + 1) {
    if (SuddenDeath() && ExtraTime()) Say(33, side, scorer);
    else if (bracket != BRACKET_OPEN) SayByBracket(bracket, 34, side, scorer);
    else Say(m <= 4 ? 38 : 39, side, scorer);
    if (ownGoal) Say(40, side, scorer);
    if (SideShots[side] * 2 < SideShots[other] && SideShots[other] > 4) Say(41, side, scorer);
  } else if (g == f + 2) {
    if (bracket != BRACKET_OPEN) SayByBracket(bracket, 42, side, scorer);
    else Say(m <= 7 ? 46 : 47, side, scorer);
    if (ownGoal) Say(48, side, scorer);
  } else if (g > f + 2) {
    SayByBracket(bracket, 49, side, scorer);
    if (ownGoal) Say(54, side, scorer);
  } else if (g == 1 && f > g + 2) {
    SayByBracket(bracket, 55, side, scorer);
    if (ownGoal) Say(60, side, scorer);
  } else if (LastScoringSide == side) {
    SayByBracket(bracket, 61, side, scorer);
    if (ownGoal) Say(66, side, scorer);
  } else {
    SayByBracket(bracket, 67, side, scorer);
    if (ownGoal) Say(72, side, scorer);
  }

  if (AggregateCounts()) {
    const int lead = (g + MatchFirstLegGoals[side]) - (f + MatchFirstLegGoals[other]);
    if (lead == 0) Say(73, side, scorer);
    else if (lead == 1) Say(74, side, scorer);
  }

  const int goals = PlayerGoals(scorer);
  if (goals == 2) Say(75, side, scorer);
  else if (goals == 3) Say(76, side, scorer);
  else if (goals > 3) Say(77, side, scorer, goals);

  LastScoringSide = static_cast<int16_t>(side);
}

void GoalComment_Reset() {
  for (int s = 0; s < 2; ++s) {
    SideShots[s] = 0;
    RunOfPlayNoted[s] = 0;
    LastScorerBySide[s] = 255;
  }
  LastScoringSide = -1;
  TwoLegFlag = 0;
}

REGISTER_RESET(RESET_MATCH_PLAY, GoalComment_Reset);
