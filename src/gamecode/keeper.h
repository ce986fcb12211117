// The goalkeeper's actions once chosen: the dives and what they do to the
// ball (caught, parried or spilled), the catches and saves that end at once,
// the kicks from the hands and the keeper's decision after holding the ball.
#pragma once

#include <cstdint>

// Set by the dive choice, read by the dives and the ball code.
extern int16_t KeeperDiveDirection;   // 0-255
extern int16_t KeeperDiveClass;       // 0 middle, 1 low, 2 high
extern int16_t KeeperSaveFlag;        // cleared by every outcome dive
extern int16_t KeeperPenaltyFlag;     // set while a penalty is taken
extern int16_t KeeperDivePointX, KeeperDivePointY;

enum SaveResult { SAVE_NONE = 0, SAVE_CATCH, SAVE_PARRY, SAVE_SPILL };

// The keeper's reach from his keeping skill: keeping / 8 + 20.
int KeeperReach(int keeping);
// Whether the ball at (bx, by) lies in the catching box of a keeper at
// (kx, ky) diving along `direction`: the box is centred half the reach out
// along the dive, half the reach either side across, a quarter along.
bool BallInSaveBox(int kx, int ky, int reach, int direction, int bx, int by);
// Whether a ball at height h suits a dive of the height class.
bool HeightSuitsDive(int heightClass, int h);
// The outcome of the keeper's touch (first roll spill, second catch or
// parry) for the rolls given: the pure decision the save makes.
SaveResult SaveDecision(int spillRoll, int catchRoll, int reachSkill, int handling, int strength, bool parryOnly);
// The save outcome of a dive: touches the ball at most once per dive.
SaveResult KeeperSaveOutcome(int keeper, bool parryOnly);

// The dive family: the motion a code plays (flag 0; flag 1 plays it + 20),
// -1 for codes outside it; whether it ends in the save outcome.
int DiveMotion(int code);
bool IsOutcomeDive(int code);

// The dive choice's rules for the predicted meeting: distance L, frames N,
// height h, |px - his x| across, the keeper's agility; `crossing` when the
// ball crosses the pitch, `fast` for the fast variant. 122 when none fits.
int DiveRule(int L, int N, int h, int acrossOffset, int agility, bool crossing, bool fast);

// The keeper takes the ball in his hands where he stands; in open play the
// match goes to the keeper's hold.
void Keeper_HoldBall(int object);
// A ball in open play below height 16 and within his keeping / 8 + 20 on
// both axes he takes in his hands (Keeper_HoldBall); true when he did.
bool Keeper_GathersBall(int object);

// The keeper's decision after a hold or a save (codes 120, 128, 149-151).
void KeeperDecide(int keeper);

// Handlers.
void Keeper_Dive(int object);
void Keeper_DecisionAction(int object);    // 120
void Keeper_TakeAtFeet(int object);        // 124
void Keeper_EasyTake(int object);          // 125
void Keeper_BallBack(int object);          // 128
void Keeper_HandKick(int object);          // 131
void Keeper_GoalKick(int object);          // 132
void Keeper_DesperateClear(int object);    // 133
void Keeper_Punch(int object);             // 134
void Keeper_TipOver(int object);           // 135
void Keeper_EasyCatch(int object);         // 140
void Keeper_NoProblems(int object);        // 143
void Keeper_LowCatch(int object);          // 149
void Keeper_LowTake(int object);           // 150
void Keeper_GatherUp(int object);          // 151
void Keeper_LegSave(int object);           // 154, 155
void Keeper_GoalKickLoop(int object);      // 158
void Keeper_Bowl(int object);              // 159
void Keeper_Motion101(int object);         // 160
void Keeper_Motion102(int object);         // 161

// The velocity the keeper's next kick from the hands, goal kick or bowl
// leaves with (16.16 per frame); without one the ball goes upfield.
void Keeper_SetNextKick(int object, int32_t vx, int32_t vy, int32_t vz);

void Keeper_Reset();
