// The shots and volleys of an outfield player: the drive (78), the hit (81)
// and the try from anywhere (52) struck from the feet, and the three volleys
// (80, 83, 84) struck at a ball in the air. The decisions choose the code,
// the variant (actionArg2) and the aim (ShotTargetX/Y); these handlers turn
// the player, play the kick, strike the ball once inside the motion's window,
// count the shot and call it.
#pragma once

#include <cstdint>

// 78, 81, 52: the shot from the feet.
void Action_Shot(int object);
// 80, 83, 84: the volley.
void Action_Volley(int object);

// The frame's work of a shot or a volley once its motion goes on (the
// handlers call them after the motion step; tests call them on a placed
// motion frame): holding the ball, the strike inside the window, giving up
// when a keeper has the ball.
void ShotFrameStep(int object);
void VolleyFrameStep(int object);

// What the keeper reads of the last shot struck at him: the shooter, the
// flag that a shot is on its way and its strength (the ball's speed class
// just after the strike). Also records the shooter as his side's last
// attacker (LastScorerBySide).
void RecordShotForKeeper(int object, int side);
extern int16_t KeeperShotShooter;   // -1 none
extern int16_t KeeperShotFlag;      // 1 once a shot is struck, cleared by the keeper
extern int16_t KeeperShotStrength;  // ballSpeed after the strike

// The last player credited with a shot (-1 none).
extern int16_t LastShooter;

// Shared by the strikes: one unit of turn towards the direction, the
// shorter way; the ball kept at the acting player's feet (his working
// position); the ball's arrival points worked out afresh from its velocity.
void TurnOneStep(int object, int direction);
void KeepBallAtActor();
void RefreshBallPrediction();
// The ball leaves the striker: his contact and the possession-change lock,
// the kick's records, possession to his side, the ball's arrival points
// afresh, and the sound of the strike.
void LeaveBall(int object, int sfx);
// 1 while a goalkeeper or a thrower holds the ball in his hands.
bool BallInHands();
// The acting player has the ball: he met it this frame, or he touched it
// last and it lies at his feet (within 9 on both axes, below height 7).
bool AtHisFeet(int object);

void Shots_Reset();
