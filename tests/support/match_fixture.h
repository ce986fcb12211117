// Putting players and the ball on the pitch for a match test.
#pragma once

#include <cstdint>

#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

// A fresh player at (x, y), standing at his place (his target), in the
// action; every skill 60.
inline MatchObject& PutPlayerAt(int object, int x, int y, int action) {
  MatchObject& p = MatchObjects[object];
  p = MatchObject{};
  p.x = static_cast<int16_t>(x);
  p.y = static_cast<int16_t>(y);
  p.fixedX = x * 0x10000;
  p.fixedY = y * 0x10000;
  p.targetX = p.x;
  p.targetY = p.y;
  p.action = static_cast<int16_t>(action);
  for (int k = 0; k < 22; ++k) p.attr[k] = 60;
  return p;
}

// The ball still on the ground at (x, y), which is also the restart spot.
inline void PutRestartBall(int x, int y) {
  restartX = static_cast<int16_t>(x);
  restartY = static_cast<int16_t>(y);
  StopBall();
  ballX = static_cast<int16_t>(x);
  ballY = static_cast<int16_t>(y);
  ballFixedX = x * 0x10000;
  ballFixedY = y * 0x10000;
  BallHeight = 0;
  UpdateBallSpeed();
}

// A shooter at (x, y) facing along, in the code and its variant at the
// motion frame, with the still ball at his feet 4 along; every skill 60.
// The acting position is his.
inline MatchObject& PutShooter(int object, int code, int variant, int x, int y, int motionFrame) {
  MatchObject& p = MatchObjects[object];
  p = MatchObject{};
  p.x = static_cast<int16_t>(x);
  p.y = static_cast<int16_t>(y);
  p.fixedX = x * 0x10000;
  p.fixedY = y * 0x10000;
  p.facing = 128;
  p.action = static_cast<int16_t>(code);
  p.actionArg2 = static_cast<int16_t>(variant);
  p.motionFrame = static_cast<int16_t>(motionFrame);
  p.hasBall = 1;
  for (int k = 0; k < 22; ++k) p.attr[k] = 60;
  ActorX = p.x;
  ActorY = p.y;
  ActorFixedX = p.fixedX;
  ActorFixedY = p.fixedY;
  ballX = static_cast<int16_t>(x);
  ballY = static_cast<int16_t>(y + 4);
  ballFixedX = ballX * 0x10000;
  ballFixedY = ballY * 0x10000;
  BallHeight = 0;
  StopBall();
  UpdateBallSpeed();
  return p;
}
