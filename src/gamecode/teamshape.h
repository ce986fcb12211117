// The team shape: each side's formation turned into target points for 30
// ball zones and four set-piece line-ups, blended by where the ball is
// going, and each side's offside line.
#pragma once

#include <cstdint>

constexpr int ZONE_TABLE_ENTRIES = 340;  // 6 x 5 zones x 10 outfield players, then four sets of 10
constexpr int SHAPE_SET_KICK_OFF = 30;   // zone indices of the special sets
constexpr int SHAPE_SET_31 = 31;
constexpr int SHAPE_SET_32 = 32;
constexpr int SHAPE_SET_33 = 33;
constexpr int SHAPE_VARIANT_OFFSET = 34;  // index + 34 reads the variant-1 table

// Per side: the y of its deepest outfield player on the pitch (10000 or 0
// with nobody, by the end the side defends).
extern int16_t offsideLine[2];
extern int16_t updateGroup;  // 0-3: the quarter of the objects refreshed this frame

// Builds the side's two zone tables from its working formation and hands
// the slots' instruction bytes to its players.
void InitTeamShape(int side);
// Per frame: each side's zone pair and blends (then the targets, when they changed).
void UpdateBallZones();
// Per frame: the targets of every player free to follow the shape.
void UpdateShapeTargets();
// Per frame: one quarter of the objects: head turns and the offside line.
void UpdateObjectGroup();

void TeamShape_Reset();
