// What the active player on the ball does this frame: a trick past a close
// opponent, a shot, a tactics instruction (a long ball, a pass to a named
// team-mate or into a named cell), the ball put out for a substitution, or
// a pass, cross, dribble or turn chosen through the pass finders and the
// free-lane search. He is the acting player (ActorX, ActorY).
#pragma once

#include <cstdint>

// At most one new action or one kick for the player.
void DecideWithBall(int object);
// 1 when a shot is on, else 0 (may roll).
int CanShoot(int object);

// The options a player standing on the ball weighs: pass kind 0 short (to
// his feet), 1 medium, 2 long, 3 very long; 1 when a team-mate was found and
// the pass is played, else 0.
int PlayPassOption(int object, int kind);
// He takes the ball on along the freest way forward, or clears it.
void TakeBallOn(int object);

// Per player: runs with the ball, and those of them made with skill.
extern int16_t BallRuns[32], SkilfulRuns[32];

void Decide_Reset();
