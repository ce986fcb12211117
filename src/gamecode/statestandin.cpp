#include "gamecode/statestandin.h"

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchres.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"


void StateStandIn_Foul() {
  const int side = 1 - (FoulingSide & 1);
  PossessionSide = static_cast<uint8_t>(side);
  CurrentSide = static_cast<uint8_t>(side);
  RestartSide = static_cast<uint8_t>(side);
  int taker = NearestFreeTeamMate(restartX, restartY, FouledPlayer);
  // The fouled player does not take it himself: the next chase place does.
  for (int k = 1; k <= 4 && (taker < 0 || taker == FouledPlayer); ++k) {
    const int object = ChaseOrder[side][k];
    if (object >= 0 && object < MATCH_PLAYERS && MatchObjects[object].offPitch == 0) taker = object;
  }
  MatchState = STATE_FREE_KICK_PLACED;
  MatchStateTimer = 0;
  SettleWait = 0;
  MatchObject& marker = MatchObjects[OBJECT_RESTART_SPOT];
  marker.x = restartX;
  marker.y = restartY;
  marker.frame = 12;
  AimPointX = restartX;
  AimPointY = restartY;
  focusObject = OBJECT_BALL;
  if (taker >= 0 && taker < MATCH_PLAYERS) {
    ActivePlayer[side] = static_cast<int16_t>(taker);
    SetPlayerAction(taker, 53);
    PlaceObjectAt(taker, restartX, restartY);
  }
  ServeSubstitutionRequests();
}

void StateStandIn_Goal() {
  // The side attacking the end the ball went in at scores.
  const int scorer = BallFramePos[1] >= Pitch.centreY ? LowGoalSide : 1 - LowGoalSide;
  const int conceder = 1 - scorer;
  if (period == 4) {
    // The ball's rule has counted a shoot-out goal; the next kick follows.
    FrameCountdowns[COUNTDOWN_POST_GOAL] = 0;
    MatchState = STATE_SHOOTOUT_KICK;
    MatchStateTimer = 0;
    return;
  }
  Score[scorer] = static_cast<int16_t>(Score[scorer] + 1);
  const int last = LastKicker;
  int credited = -1, ownGoal = -1;
  if (last >= 0 && last < MATCH_PLAYERS && last / SIDE_OBJECTS == conceder && last != SideSlots[conceder][0]) {
    ownGoal = last;
    credited = last;
    MatchObjects[last].ownGoals = static_cast<int16_t>(MatchObjects[last].ownGoals + 1);
  } else if (last >= 0 && last < MATCH_PLAYERS && last / SIDE_OBJECTS == scorer) {
    credited = last;
    MatchObjects[last].goals = static_cast<int16_t>(MatchObjects[last].goals + 1);
  }
  const int keeper = SideSlots[conceder][0];
  if (keeper >= 0 && keeper < MATCH_PLAYERS)
    MatchObjects[keeper].goalsConceded = static_cast<int16_t>(MatchObjects[keeper].goalsConceded + 1);
  RecordGoal(scorer, Score[scorer] - 1, credited, credited, ownGoal, MatchState, 0);
  StopBall();
  BallHeight = 0;
  ballX = Pitch.centreX;
  ballY = Pitch.centreY;
  ballFixedX = ballX * 65536;
  ballFixedY = ballY * 65536;
  ballFixedHeight = 0;
  keeperHolder = throwHolder = 0;
  ballOutState = 0;
  PlaceObjectAt(OBJECT_BALL, ballX, ballY);
  kickOffSide = static_cast<uint8_t>(conceder);
  ResetTeamsForRestart();
  MatchState = STATE_PERIOD_START_AFTER_GOAL;
  MatchStateTimer = 100;
}

void StateStandIn_AfterGoal() {
  MatchState = STATE_AFTER_GOAL_WAIT;
  MatchStateTimer = 0;
}

void StateStandIn_ClearOffsideFlags() {}
