// The ball (placeholder bodies until the ball physics lands).
#include "gamecode/ball.h"

void BallUpdate() {}
void MoveBall() {}
void BallStepRules() {}
void StopBall() {}
void BallAtFeet(int) {}
void GiveCorner() {}
void GiveGoalKick() {}
void GiveHandball() {}
void UpdateBallSpeed() {}
void NetTouch() {}
void BallKickOffReset(int) {}
