// What the commentator says about a goal: GoalScoredComment at the moment the
// ball crosses the line (before the score changes) names the scorer and says
// what the goal does to the game; ScoreSituationComment, once the score has
// changed, sums up where the match stands.
//
// Minute brackets of both, with m the game clock's minute, E 90 (120 in extra
// time) and H 43 (103): at the end m = E; the last five E - 5 < m, m != E
// (added time included); the last ten E - 10 < m <= E - 5; before the break
// m <= E - 10, m > H in the first period of a pair (0 or 2); open otherwise.
#pragma once

#include <cstdint>

#include "gamecode/matchstates.h"

extern int16_t SideShots[2];         // per side, the shots taken in this match
extern int16_t RunOfPlayNoted[2];    // per side, set once an against-the-run-of-play line was said
extern int16_t LastScoringSide;      // the side that scored the previous goal
extern uint8_t LastScorerBySide[2];  // per side, the last attacker the shot handlers recorded (255 none)
extern int16_t TwoLegFlag;           // set when the aggregate of a two-legged tie counts

// The set-piece countdown (COUNTDOWN_SET_PIECE): a goal while it runs is a
// set-piece goal.
int SetPieceCountdown();

enum MinuteBracket { BRACKET_END, BRACKET_LAST_FIVE, BRACKET_LAST_TEN, BRACKET_BEFORE_BREAK, BRACKET_OPEN };
// The bracket of minute m in the current period.
MinuteBracket MinuteBracketOf(int minute);

void GoalScoredComment();
void ScoreSituationComment(int side, int scorer);

void GoalComment_Reset();
