// The object display list: every movable thing of the 3D scene (players,
// officials, the ball, the goals and flags) drawn back to front. Each object
// type says how many objects it has, how far each is from the camera and how
// to draw one; the visible ones are sorted by depth and drawn farthest first.
#pragma once

#include <cstdint>

constexpr int MAX_OBJECT_TYPES = 16;
constexpr int MAX_OBJECTS = 256;

struct ObjectType {
  int (*count)();              // nullptr ends a table
  float (*depth)(int object);  // negative: not visible this frame
  void (*draw)(int object);
  void (*prePass)(int object);  // may be nullptr: runs for every object before any depth (shadows)
};

struct VisibleObject {
  float depth;
  int32_t type;
  int32_t index;
};

// Draws all objects of the table's types, farthest first.
void ObjectDisplay(const ObjectType* table);
// The list the last call drew, in drawing order (tests).
const VisibleObject* ObjectDisplayList(int* count);

// The module as at program start (a registered reset).
void Objects_Reset();
