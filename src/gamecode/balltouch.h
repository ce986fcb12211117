// Who touched the ball: the last and previous toucher, the kind of the last
// kick, the pending pass records and the assist candidate, kept by BallTouch
// whenever a player plays or receives the ball in open play.
// The last toucher itself is BallCarrier (matchstate.h).
#pragma once

#include <cstdint>

extern int16_t PrevToucher;   // the last toucher before the current one
extern int16_t LastKickKind;  // the kind of the last kick, set by the kick handlers

// The kinds of kick: 4 and 6 never bring interception or possession
// commentary; 1, 2 and 5 choose the line said for a completed pass.
enum : int16_t {
  KICK_NONE = 0,
  KICK_PASS = 1,
  KICK_LONG_PASS = 2,
  KICK_LOST_CHALLENGE = 3,
  KICK_CLEARANCE = 4,
  KICK_ONE_TWO = 5,
  KICK_SHOT = 6,
};
// The kind a kick by a player in the action code leaves behind.
int KickKindOfAction(int action);
// Which pass record a pass played in the action code fills: 0-2, or -1 none.
int PassRecordOfAction(int action);

// A pending pass: passer -1 means none.
struct PassRecord {
  int8_t passer;
  int8_t receiver;
};
extern PassRecord PassRecords[3];
extern int8_t AssistCandidate;       // credited with an assist if a goal follows, -1 none
extern int16_t PassCountMode;        // 0: the passer's counter for the receiver's group rises; else his special one
extern int16_t TouchCommentDelay;    // touches before the next team-mate or possession line

// The three records of a move that may end in a goal, filled by the ball
// code: the shooter, the crosser and the passer (flag and player each).
struct MoveRecord {
  int8_t flag;
  int8_t player;
};
extern MoveRecord MoveRecords[3];
// The shooter of the move (-1 none), read and cleared by the goal.
extern int16_t RecordedShooter;

// A player plays or receives the ball.
void BallTouch(int object);
// A kick by the object in his current action: the touch, the kind, and
// for a pass its record (to PassReceiver) and the assist candidate.
void BallKicked(int object);

void BallTouch_Reset();
