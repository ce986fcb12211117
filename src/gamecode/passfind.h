// Who a player on the ball can pass to. A family of finders, one per
// distance band, looks at the passer's team-mates in chase order, keeps those
// in the band who are free, asks a lane test for the direction the ball would
// be played in and picks the one whose direction lies closest to the
// passer's reference direction; a named team-mate (the pass-to instruction)
// is taken whenever he qualifies, and a named grid cell can be the target.
//
// Results: a team-mate's object number; PASS_TO_CELL for the grid cell at
// InstructionTargetX/Y; NO_PASS_TARGET for none. The passer is the acting
// player (ActorX, ActorY) of CurrentSide.
#pragma once

#include <cstdint>

struct MatchObject;

constexpr int NO_PASS_TARGET = -3;
constexpr int PASS_TO_CELL = -2;
constexpr int BLIND_CROSS = -1;

// The player's tactics instructions (his formation slot's bytes).
int AttackRole(const MatchObject& o);   // 0 none, 1 shoot on sight, 2 hold it up
int WingerFlag(const MatchObject& o);   // 0 none, 1 byline crossing, 2 early crossing
int LongBallFlag(const MatchObject& o); // non-zero: play it long when far from goal
// The team-mate named by the pass-to instruction, -1 none.
int PassToObject(int object);
// The instruction cell: the row is negative when none is set.
int InstructionColumn(const MatchObject& o);
int InstructionRow(const MatchObject& o);

// The pitch point of the cell instruction being weighed.
extern int16_t InstructionTargetX, InstructionTargetY;
// Sets InstructionTarget from the object's cell, seen from the end his side
// attacks; false (and nothing set) when he has no cell instruction.
bool ComputeInstructionTarget(int object);

// The lane tests: the 256-step direction the passer would play the ball to
// the team-mate in, or -1 when there is no lane.
int PassLaneLong(int passer, int mate);
int PassLaneVeryLong(int passer, int mate);
int PassLaneMedium(int passer, int mate, int mode);
int PassLaneShort(int passer, int mate);
int PassLaneAny(int passer, int mate);

int FindPassTargetLong(int passer);
int FindPassTargetVeryLong(int passer);
int FindPassTargetMedium(int passer, int mode);
int FindPassTargetShort(int passer, int mode);
int FindPassTargetAnyRange(int passer);
// Short balls relative to the passer's facing: mode 1 from 60 away without
// the final limit on the angle, other modes from 120 with it.
int FindPassTargetWithMode(int passer, int mode);
int FindPassTargetNear(int passer);
int FindPassTargetFacing(int passer);
// A ball from the wing into the area: a team-mate running towards the ball,
// the cell, BLIND_CROSS (into the area without a receiver) or NO_PASS_TARGET.
int FindCrossTarget(int passer);

// Per player: cross chances weighed, crosses with a chosen target, blind crosses.
extern int16_t CrossChances[32], CrossesChosen[32], BlindCrosses[32];

void PassFind_Reset();
