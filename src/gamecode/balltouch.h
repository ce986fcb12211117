// Who touched the ball: the last and previous toucher, the kind of the last
// kick, the pending pass records and the assist candidate, kept by BallTouch
// whenever a player plays or receives the ball in open play.
// The last toucher itself is BallCarrier (matchstate.h).
#pragma once

#include <cstdint>

extern int16_t PrevToucher;   // the last toucher before the current one
extern int16_t LastKickKind;  // the kind of the last kick, set by the kick handlers

// A player plays or receives the ball.
void BallTouch(int object);

void BallTouch_Reset();
