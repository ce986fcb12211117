// Putting players and the ball on the pitch for a match test.
#pragma once

#include <cstdint>

#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"

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
