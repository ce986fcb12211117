// The software renderer's polygon scan converter: exact 28.4 fixed-point edge
// walkers, the polygon walk every software filler shares, the screen-space
// fillers on 16-byte vertices and the colour-remap routines.
//
// Coordinates are 28.4 fixed point (sixteenths of a pixel). Polygons are given
// clockwise on the screen (rows run downwards): the vertex before the top one
// lies on the left. The other winding draws nothing.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

// Smallest whole pixel not below a 28.4 value: floor((v + 15) / 16).
inline int32_t Ceil16(int32_t v) {
  const int64_t n = static_cast<int64_t>(v) + 15;
  return static_cast<int32_t>(n >= 0 ? n / 16 : -((-n + 15) / 16));
}

// Coordinates beyond this many sixteenths either way are refused by every
// filler (nothing is drawn): it keeps every edge product well inside 64 bits
// and every row count bounded.
constexpr int32_t kMaxPolygonCoord = 1 << 26;

// One screen-space vertex: x, y in 28.4, u, v texel coordinates.
struct ScreenVertex {
  int32_t x, y;
  float u, v;
};
static_assert(sizeof(ScreenVertex) == 16);

// The integer state of an edge while it is walked, one pixel row at a time.
// The running fraction is kept in 64 bits (the denominator is 16 x the edge's
// 28.4 height, beyond 32 bits on very tall edges).
struct EdgeWalk {
  int32_t x;          // column where the span starts or ends on this row
  int32_t xStep;      // whole columns per row (floor)
  int64_t errorStep;  // fractional columns per row, over the denominator
  int64_t denominator;
  int64_t error;      // 0 <= error < denominator
  int32_t row;        // current pixel row
  int32_t rowsLeft;   // rows still to draw on this edge
};

// The integer walk and the texture coordinates of the screen-space fillers.
struct ScanEdge : EdgeWalk {
  float u, v;
  float uStep, vStep;
};

// An 8-bit texture: rowLength texels a row, rows rows, row after row. Texel
// reads are kept inside it whatever the coordinates.
struct Texture {
  int32_t rowLength;
  int32_t rows;
  const uint8_t* texels;
};

// 256-byte colour table: entry i replaces colour i.
using ColourLUT = uint8_t[256];

// Sets up the integer walk from P down to Q; answers nothing the callers use
// (they read rowsLeft). An edge starting and ending on the same row sets only
// row and rowsLeft.
void SetupEdgeWalk(EdgeWalk& edge, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
// One row down the edge.
void StepEdgeWalk(EdgeWalk& edge);
// The edge from vertices[fromIndex] to vertices[toIndex], u and v included.
void SetupEdge(ScanEdge& edge, int toIndex, const ScreenVertex* vertices, int fromIndex);

// True when every vertex lies within kMaxPolygonCoord and there are at least 3.
template <class Vertex>
bool PolygonInRange(const Vertex* vertices, int count) {
  if (!vertices || count < 3) return false;
  for (int i = 0; i < count; ++i)
    if (vertices[i].x < -kMaxPolygonCoord || vertices[i].x > kMaxPolygonCoord || vertices[i].y < -kMaxPolygonCoord ||
        vertices[i].y > kMaxPolygonCoord)
      return false;
  return true;
}

// The polygon walk shared by every software filler. setup(edge, from, to)
// prepares an edge, step(edge) moves it down one row, span(left, right) draws
// the row left.row from left.x up to, not including, right.x and answers
// false to stop (below the buffer).
template <class Edge, class YOf, class SetupFn, class StepFn, class SpanFn>
void WalkPolygon(int count, YOf yOf, Edge& left, Edge& right, SetupFn setup, StepFn step, SpanFn span) {
  if (count < 3) return;
  int top = 0;
  for (int i = 1; i < count; ++i)
    if (yOf(i) < yOf(top)) top = i;
  auto previous = [count](int i) { return i == 0 ? count - 1 : i - 1; };
  auto next = [count](int i) { return i == count - 1 ? 0 : i + 1; };
  int leftEnd = previous(top), rightEnd = next(top);
  setup(left, top, leftEnd);
  setup(right, top, rightEnd);
  // Every renewal moves one edge on by a vertex; both meet within count.
  for (int renewals = 0; renewals <= 2 * count + 2;) {
    while (left.rowsLeft > 0 && right.rowsLeft > 0) {
      if (right.x < left.x) return;
      if (!span(left, right)) return;
      step(left);
      step(right);
    }
    if (left.rowsLeft < 0 || right.rowsLeft < 0) return;
    if (left.rowsLeft == 0) {
      if (leftEnd == rightEnd) return;
      const int from = leftEnd;
      leftEnd = previous(leftEnd);
      setup(left, from, leftEnd);
      ++renewals;
      if (left.rowsLeft < 0) return;
    }
    if (right.rowsLeft == 0) {
      if (leftEnd == rightEnd) return;
      const int from = rightEnd;
      rightEnd = next(rightEnd);
      setup(right, from, rightEnd);
      ++renewals;
      if (right.rowsLeft < 0) return;
    }
  }
}

// Each row's span as one translucent rectangle of height 1 in the in-match
// drawing layer's fill colour. Clears the fraction bits of every vertex.
void FillPolygonShaded(ScreenVertex* vertices, int count, int opacity);
// The same as solid rectangles in the current fill colour.
void FillPolygonSolid(ScreenVertex* vertices, int count);
// The rows of a polygon as the solid and shaded fillers draw them, without
// drawing: rowFn(context, row, left, width) for each row (whole-pixel corners
// as those fillers make them, in a copy of the vertices).
void ScanPolygonRows(const ScreenVertex* vertices, int count, void (*rowFn)(void*, int, int, int), void* context);
// Every pixel of the polygon (both end columns of each row) whose texel in the
// mask is not 0 takes the colour. Vertices in whole pixels, scaled to 28.4 in
// place. The mask is 64 texels a row (the shadow graphic).
void FillPolygonMasked(GfxBuffer* screen, ScreenVertex* vertices, int count, const Texture& mask, uint8_t colour);

// Every pixel of the rectangle becomes lut[pixel] (clipped to the screen).
void RemapScreenRect(GfxBuffer* screen, int x, int y, int width, int height, const uint8_t* lut);
// lut[source] where the source byte is not 0; after each row the source and
// destination move on by their skips beyond the width.
void BlitThroughLUT(const uint8_t* source, uint8_t* destination, int sourceSkip, int destinationSkip, int width,
                    int rows, const uint8_t* lut);

// A float to a 32-bit integer, truncating; NaN gives 0, values beyond the
// range give its ends.
inline int32_t FloatToInt32(float f) {
  if (!(f == f)) return 0;
  if (f >= 2147483520.0f) return INT32_MAX;
  if (f <= -2147483648.0f) return INT32_MIN;
  return static_cast<int32_t>(f);
}

// Texel index of 16.16 coordinates, kept inside the texture.
inline int32_t ClampedTexel(const Texture& t, int64_t u, int64_t v) {
  int64_t tu = u >> 16, tv = v >> 16;
  tu = tu < 0 ? 0 : (tu >= t.rowLength ? t.rowLength - 1 : tu);
  tv = tv < 0 ? 0 : (tv >= t.rows ? t.rows - 1 : tv);
  return static_cast<int32_t>(tv * t.rowLength + tu);
}
