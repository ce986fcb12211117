// The restarts' remaining actions: the quick free kick, the walks and
// waits of the players who are not taking the restart (the kick-off pair,
// the line, the throw-in pairs, the shoot-out's onlookers), the hand-over to
// the keeper after a goal, the direct free kick at goal and the penalty from
// the taker's set-up to the kick itself.
#pragma once

#include <cstdint>

// No restart wait lasts longer than this many frames: a walker who has not
// arrived by then stops where he is, a taker waiting for others goes on.
constexpr int kRestartLongestWait = 1000;

// The penalty's curl for the taker's S (shooting + dead ball + composure),
// the roll (0-S) and the aim across: the spin across per frame, its frames
// and the aim moved against the curl.
struct PenaltyCurl {
  int32_t spinX;
  int16_t frames;
  int aimX;
};
PenaltyCurl PenaltyCurlFor(int s, int roll, int aimX);
// The penalty's rise: `lowRoll` (0-199) below S keeps it low (a = the
// second roll % 100), else a = the second roll % 200.
int32_t PenaltyLift(int s, int lowRoll, int secondRoll);

// The penalty set-up before the kick: the aim in the goal attacked (to one
// side or, now and then, down the middle) and the keeper told a penalty is on.
void PenaltySetUp(int taker);
// The aim of a direct free kick: inside the post away from the keeper.
void DirectFreeKickAim(int taker);
// The errors of a direct free kick from the taker's passing and dead ball.
void DirectFreeKickError(int taker, int aimX);

// The shoot-out's order of takers for a side when nobody has given one (no
// entry is a player of the side): the penalty taker first, then the other
// outfield players on the pitch by shooting, best first, the keeper last;
// -1 fills the empty entries.
void DefaultShootOutOrder(int side);
bool ShootOutOrderGiven(int side);

// The taker of the last penalty while the keeper may still save it (-1 none).
extern int16_t PenaltyTaker;
// The frame the last penalty was struck.
extern uint32_t PenaltyStrikeFrame;
// The taker's wait after his penalty while the keeper may still save it:
// true while he stands by; once over the keeper's penalty flag is cleared.
bool PenaltyStillOn(int object);

void Action_QuickFreeKick(int object);     // 20
void Action_HandToKeeper(int object);      // 23
void Action_KickOffWalk(int object);       // 24 taker, 26 partner
void Action_HoldTheLine(int object);       // 25
void Action_WalkToRestartPlace(int object);  // 30, then 31
void Action_StandBy(int object);           // 31
void Action_MarkedPosition(int object);    // 45
void Action_WaitAtSpot(int object);        // 54
void Action_WalkBackDelayed(int object);   // 61
void Action_WalkToSpot(int object);        // 63
// A throw-in receiver or his marker: walks to his spot as code 63 does
// until the throw, then meets it as the receive-and-turn action.
void Action_ThrowInPair(int object);       // 76
// One step of the walk to a restart spot (codes 63 and 76).
void WalkToSpotStep(int object);
void Action_PenaltyTaker(int object);      // 60
void Action_DirectFreeKick(int object);    // 71
void Action_PenaltyKick(int object);       // 95

void SetPlays_Reset();
