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

// --- the steps of InitTeamShape, on the shape's own copy of the formation ---
// A point of a zone table: across from the side's touch line, along from its goal line.
struct ShapePoint {
  int16_t x, y;
};
// Copies a 330-byte formation record into the shape's build copy.
void LoadShapeFormation(const uint8_t* record);
// Across = 14 - across for each slot's main, second and third positions
// (the second and third only where present, not negative).
void MirrorFormation();
// Fills the build table of the variant (0 or 1) from the build copy.
void BuildZoneTable(int variant);
// Every point of the variant's build table times 126 / 100.
void ScaleZoneTable(int variant);
// A side's stored table entry: zone index 0-67 (34 and up the variant-1
// table) and outfield player 0-9 (formation slot player + 1).
ShapePoint ZoneTableEntry(int side, int zoneIndex, int player);

// Per side, the zone pair and the two blend percentages UpdateBallZones chose.
struct ShapeBlend {
  int16_t zoneA, zoneB;  // zone indices 0-67
  int16_t acrossPercent, alongPercent;  // 0-100: the way from zone A to zone B
};
ShapeBlend GetShapeBlend(int side);
// 1 when UpdateBallZones changed any stored value this frame.
int ShapeBlendChanged();
// The frame's step: UpdateShapeTargets only when the blend changed.
void UpdateShapeTargetsIfChanged();
// Per side: how far the side's shape is pushed along in open play (0 until
// the tactics give it a value).
extern int16_t ShapePush[2];
