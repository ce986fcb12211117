// The basic outfield action codes every player passes through most of the
// match: standing (0), running to his target point (3), the open-play
// decision state (4), the short on-the-ball states (5, 6, 111), turning with
// the ball (7-13), dribbling (15) and running with the ball (16), side-steps
// (112, 113), stumbles and falls (33, 37, 73, 93) and the goal celebration
// (69, 70). Each handler takes the acting object and works on the working
// copy of his position (movement.h).
#pragma once

void Action_Stand(int object);              // 0
void Action_RunToTarget(int object);        // 3
void Action_OpenPlay(int object);           // 4
void Action_LookForPass(int object);        // 5
void Action_OnTheBall(int object);          // 6
void Action_TurnWithBall(int object);       // 7-13
void Action_Dribble(int object);            // 15
void Action_RunWithBall(int object);        // 16
void Action_Stumble(int object);            // 33
void Action_JumpTackle(int object);         // 37
void Action_Celebrate(int object);          // 69
void Action_JoinCelebration(int object);    // 70
void Action_FallAndGetUp(int object);       // 73
void Action_StumbleForward(int object);     // 93
void Action_TrotAfterClearance(int object); // 111
void Action_SideStep(int object);           // 112, 113

// value - rand() % (attribute + 1); 0 when either is not positive.
int SkillRoll(int value, int attribute);
// value / 3 + 1 for a player on a flank that is not his side (his formation
// slot's across value below 4 without LeftSide, above 11 without RightSide);
// else the value.
int GetEffectiveSkill(int object, int value);
// The ball played into a turn's new direction: magnitude 90 - attribute / 2,
// lift 20480; the player may not touch it again for 16 frames.
void TurnKick(int direction, int attribute, int object);
// 0 when the point lies within the reach of the actor along the line to it
// and the ball is below the height limit; else that distance + 1.
int ReachTest(int actorX, int actorY, int x, int y, int reach, int heightLimit);
