// The 3D scene's polygon fillers: a flat one-colour filler and the
// perspective-correct texture fillers, exact per row or in affine runs of a
// length chosen per polygon. They walk polygons as the scan converter does
// (render256/polyscan.h), on projected and clipped 20-byte vertices, and
// keep every write inside the screen buffer and every read inside the
// texture.
#pragma once

#include <cstdint>

#include "engine/gfx.h"
#include "render256/polyscan.h"

// x, y in 28.4 (screen pixels x 16), z the view depth (> 0), u, v texels.
struct PerspVertex {
  int32_t x, y;
  float z, u, v;
};
static_assert(sizeof(PerspVertex) == 20);

constexpr int kMaxPerspVertices = 10;

// The per-polygon interpolation state.
struct PerspGradients {
  float oneOverZ[kMaxPerspVertices];
  float uOverZ[kMaxPerspVertices];
  float vOverZ[kMaxPerspVertices];
  float dOneOverZdX, dOneOverZdXRun, dOneOverZdY;
  float dUOverZdX, dUOverZdXRun, dUOverZdY;
  float dVOverZdX, dVOverZdXRun, dVOverZdY;
  int32_t uBias, vBias;  // 0x8000 or 0x7FFF, added to every 16.16 start
};

// The integer walk plus 1/z, u/z and v/z with their steps per row.
struct PerspEdge : EdgeWalk {
  float oneOverZ, oneOverZStep;
  float uOverZ, uOverZStep;
  float vOverZ, vOverZStep;
};

// Thresholds on abs(d(1/z)/dx) and the affine run lengths they give.
constexpr int kRunLengthCount = 10;
struct RunLengthTable {
  float threshold[kRunLengthCount];
  int32_t runLength[kRunLengthCount];
};

// The polygon in one colour: colourWord is the palette index in all four
// bytes (index x 0x01010101).
void FillPolygonFlat(GfxBuffer* screen, const PerspVertex* vertices, int count, uint32_t colourWord);
// Perspective-correct and opaque: each row one affine segment between its
// exact end values.
void FillPolygonTextured(GfxBuffer* screen, const PerspVertex* vertices, int count, const Texture& texture);
// Perspective-correct in affine runs whose length follows how fast 1/z
// changes across the polygon; texels of 0 leave the screen alone when
// transparent is not 0.
void FillPolygonTexturedAdaptive(GfxBuffer* screen, const PerspVertex* vertices, int count, const Texture& texture,
                                 int transparent);
// Builds the reciprocal table and sets the run-length thresholds (once per
// match, as the stadium world is created). The fillers build them on first
// use if nobody has.
void InitPerspTables();

// The run length the adaptive filler picks for a polygon whose 1/z changes
// by dOneOverZdX per pixel across the screen.
int32_t PerspRunLength(float dOneOverZdX);
// 65536 / i for i = 1..64, 65536 for 0.
float PerspReciprocal(int i);
// The gradients of the last textured polygon (tests and tools).
const PerspGradients& LastPerspGradients();
