// The pitch markings: every line, arc and spot of the pitch as flat polygons
// on the ground, built from the pitch constants when the world is made and
// filled each frame with a grainy line pattern whose row follows the depth
// the ground stored for each screen row.
#pragma once

#include <cstdint>

#include "render256/swcamera.h"

// One ground point of a marking: across, along, height (always 0).
struct MarkingPoint {
  float x, y, height;
};

constexpr float MARKING_WIDTH = 4.0f;
constexpr int LINE_QUAD_COUNT = 17;
constexpr int SPOT_COUNT = 3;
constexpr int SPOT_POINTS = 6;
constexpr int CORNER_ARC_COUNT = 12;
constexpr int CENTRE_CIRCLE_POINTS = 38;
constexpr int PENALTY_ARC_POINTS = 20;
constexpr float CENTRE_CIRCLE_RADIUS = 160.0f;

constexpr int LINE_TEXTURE_WIDTH = 256;
constexpr int LINE_TEXTURE_ROWS = 16;
constexpr uint32_t LINE_TEXTURE_BLOCK_SIZE = 4355;  // 16 rows, 4 guard bytes and the alignment
constexpr int LINE_DEPTH_LIMITS = 31;

// The longest marking polygon (a band of 39 outer and 39 inner points) and
// the room clipping may add to any polygon.
constexpr int MARKING_MAX_POINTS = 78;
constexpr int MARKING_CLIP_ROOM = 5;

// One screen row of the span list: the span filled, a second span of the
// same row (a curved band can cross a row twice), and the row's depth.
struct MarkingSpan {
  int32_t left, right;
  int32_t left2, right2;
  int32_t depth;
};
constexpr int MARKING_SPAN_ROWS = 1024 + 2 * 64;  // the tallest view and its guard

struct PitchMarkings {
  MarkingPoint lineQuads[LINE_QUAD_COUNT][4];
  MarkingPoint spots[SPOT_COUNT][SPOT_POINTS];
  MarkingPoint cornerArcs[CORNER_ARC_COUNT][4];
  MarkingPoint centreOuter[CENTRE_CIRCLE_POINTS], centreInner[CENTRE_CIRCLE_POINTS];
  MarkingPoint centreSquare[4];
  MarkingPoint arcOuter[2][PENALTY_ARC_POINTS], arcInner[2][PENALTY_ARC_POINTS];
  MarkingPoint arcRectangle[2][4];
};
const PitchMarkings& GetPitchMarkings();

// The depth limits that step the pattern rows: 100, 120, ..., 640, then
// three that are never passed.
int32_t LineDepthLimit(int i);

// Builds every marking from the pitch constants and loads
// "zvdata\software\misc\textures\line.gfx" (256 x 16, row 0 for the nearest
// ground; any other size stops naming the file).
void LoadPitchMarkings();
void FreeLineTexture();
// The pattern's first row (256-byte aligned; nullptr before loading).
const uint8_t* LineTexture();

// The span list rows the ground and the markings share.
MarkingSpan* MarkingSpanRow(int row);
void ClearMarkingDepths();
void SetMarkingDepth(int row, int32_t depth);

void DrawPitchLines();
void DrawPitchCurves();

// A marking polygon in camera space, clipped by ClipPolygonToView.
struct MarkingPoly {
  ClipVertex vertex[MARKING_MAX_POINTS + MARKING_CLIP_ROOM];
  int count;     // points now
  int capacity;  // points the polygon may grow to: its size + MARKING_CLIP_ROOM
};
// Clips against planes first..last (0 near, 1 below, 2 above, 3 left,
// 4 right); 0 (count 0) when fewer than 3 points remain or the polygon would
// outgrow its capacity.
int ClipPolygonToView(MarkingPoly& poly, int first, int last);

// Fills rows first..last of the span list with the pattern (rows clamped to
// the view's buffer).
void DrawLineSpans(int first, int last);
// Fills one marking polygon given in 28.4 screen coordinates already less
// half a pixel; false when nothing of it is on the buffer's rows or a
// coordinate lies beyond kMaxPolygonCoord.
bool FillMarkingPolygon(const int32_t* xs, const int32_t* ys, int count);

void SwMarkings_Reset();
