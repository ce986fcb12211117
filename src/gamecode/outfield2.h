// The last outfield actions: the backheel passes (66 quick, 110 neat), the
// slide at the ball (105), taking a coming pass on the turn (76) and
// following a lay-off (108).
#pragma once

#include <cstdint>

void Action_BackheelPass(int object);    // 66, 110
void Action_SlidingTackle(int object);   // 105
void Action_ReceiveTurn(int object);     // 76
void Action_FollowLayOff(int object);    // 108

// The frame's work of a backheel pass once its clip has gone on (tests call
// it on a placed motion frame): the ball held before the window, the strike
// inside it, the give-up when a keeper has the ball.
void BackheelPassFrameStep(int object);
// A backheel's launch towards the point: the length along the line (capped
// at 1000 when twice it passes 2000), the speed 2000 - 2 x length + the
// code's constant, the lift 200 x length + 0x4000. Returns the length.
int LaunchBackheel(int code, int length, int toX, int toY);

// The slide's one touch when the ball is in reach on the ground: pushed on
// along his target direction. True when he touched it.
bool SlideTouch(int object);

// Per player: balls won by a slide.
extern int16_t SlidesWon[32];
void Outfield2_Reset();
