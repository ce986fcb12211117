// The outfield player's placed and curled shots and the small movement codes
// around them (following the ball, running to a point, the one-off clips).
#pragma once

#include <cstdint>

void Action_FollowBall(int object);   // 14
void Action_RunToPoint(int object);   // 96
void Action_CurledShot(int object);   // 97, 98
void Action_Dive(int object);         // 72
void Action_WaitForPass(int object);  // 85
void Action_Handball(int object);     // 99
void Action_PlayOnce(int object);     // 100
void Action_StumbleOn(int object);    // 102
void Action_WalkToPoint(int object);  // 103
void Action_PlacedShot(int object);   // 106, 107
void Action_Block(int object);        // 114, 115
void Action_RecklessChallenge(int object);  // 116

// The lift of a placed shot: variant 0 is low and rises with the player's
// reading of the game; variant 1 dips, with less lift inside 25 yards
// unless his shooting roll fails. `skill` is his effective intelligence.
int32_t PlacedShotLift(int variant, int skill, int goalDistance, bool shootingRollFailed);
// The lift of a curled shot from `goalDistance`.
int32_t CurledShotLift(int goalDistance);
// A wait that nothing else ends gives up after this many frames.
constexpr int OUTFIELD_WAIT_LIMIT = 1000;
// One frame of a placed or curled shot after its clip has advanced: the
// stand before the strike, the strike inside the window, the give-up when a
// keeper has the ball.
void PlacedShotFrameStep(int object);

// The referee's view of a dive in open play, judged once: fooled, he gives
// the diver a free kick; otherwise he may book the diver and give the free
// kick the other way; else play runs on.
enum DiveOutcome { DIVE_PLAY_ON = 0, DIVE_FREE_KICK = 1, DIVE_BOOKED = 2 };
DiveOutcome JudgeDive(int object);

// Reckless fouls per player.
extern int16_t RecklessFouls[32];
// The referee's view of a reckless challenge that met the man: a foul, with
// a card unless the side has four men off or the challenger is its keeper
// (red for the last man through the middle). True when a foul is given.
bool RecklessFoul(int challenger, int carrier, bool carrierClearing, int duel);
void Outfield_Reset();

// Per player: blocks that killed the ball, blocks it bounced off, handballs.
extern int16_t ControlledBlocks[32], Deflections[32], Handballs[32];
// The lift of a blocked or handled ball by its height at contact (16.16).
int32_t BlockLift(int height);
// The block's one touch when the ball is in reach: killed or bounced off
// along his facing. True when he touched it.
bool BlockTouch(int object, bool left);
// The referee and a handball in open play: waived for his favoured side,
// else a foul, perhaps booked. True when a foul is given.
bool JudgeHandball(int object);
