// The in-match controls (keys, pointer, replay bar) and the services the
// renderers share with the match engine: the ground-effect queue (marks left
// on the turf by falls, dives and tackles) and the players' drawing order.
#pragma once

#include <cstdint>

// One mark on the turf, drawn by the renderers while it is active.
struct EffectQueueEntry {
  uint8_t active;
  uint8_t kind;
  int32_t x, y;  // pitch units
  float scale;
  float angle;  // radians
};

constexpr int EFFECT_QUEUE_SIZE = 16;

// The marks the players leave.
enum GroundEffectKind {
  GROUND_EFFECT_TACKLE = 2,           // a sliding tackle's scrape
  GROUND_EFFECT_BODY = 3,             // a body on the turf: a dive or a fall
  GROUND_EFFECT_STANDING_CHALLENGE = 5,
};

// Takes the next entry of the ring (the oldest is overwritten once all 16
// are in use); the angle comes in 256 steps.
void EffectQueue_Add(int32_t x, int32_t y, float scale, int angle256, int kind);
// Entry n (0-15; anything else gives nullptr).
const EffectQueueEntry* EffectQueue_Get(int n);
// All inactive, the next entry 0.
void EffectQueue_Clear();

// The match controls.
void UpdateMatchMouse();
void UpdateMatchControls(int mode);
void CheckReplayButtons(int x, int y, int clicked);
void GetMatchPointer(int* x, int* y, int* buttons);
// The 32 players by distance from the camera's reference player, farthest
// first (the drawing order).
const int16_t* SortPlayersByDistance();
