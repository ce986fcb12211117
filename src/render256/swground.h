// The grass under and around the pitch: one large textured quad on the
// ground, drawn from a 64 x 64 grass tile kept in four 128 x 128 pages (the
// tile as it is, mirrored left-right, top-bottom and both ways, each repeated
// 2 x 2) so that every row steps its texture coordinates forwards.
//
// The quad goes through the same camera transform, clipping and projection as
// every model (render256/swcamera.h), so the grass lies exactly under the
// players and goals whatever the zoom and the screen's shape.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

constexpr int GRASS_TILE_SIDE = 64;
constexpr int GRASS_PAGE_SIDE = 128;
constexpr int GRASS_PAGE_SIZE = GRASS_PAGE_SIDE * GRASS_PAGE_SIDE;  // 16,384
constexpr uint32_t GRASS_BLOCK_SIZE = 81920;                        // four pages and their alignment
constexpr int32_t GRASS_PAGE_MIRROR_U = 0x4000;
constexpr int32_t GRASS_PAGE_MIRROR_V = 0x8000;

// One corner of the ground quad: ground position (x across, y along, height)
// and its 16.16 texel coordinates.
struct GroundVertex {
  float x, y, height;
  int32_t u, v;
};

// The view the 3D scene is drawn into.
struct ViewScreenState {
  GfxBuffer* screen;
  int32_t width, height;
  int32_t centreX, centreY;
  float widthF, heightF, centreYF;
  uint8_t* centreColumn;  // the first row's centre column
  int32_t stride;
};
extern ViewScreenState ViewScreen;

// The quad from the pitch constants: 0.4 of the half-pitch beyond every line,
// an even number of tiles each way.
void BuildGroundQuad();
const GroundVertex* GetGroundQuad();
// Rebuilds the quad, loads "zvdata\software\misc\textures\grass.gfx" (a 64 x
// 64 texture; any other size stops naming the file) and builds the pages.
void LoadGrass();
void FreeGrass();
// The page block's first 16,384-byte boundary (nullptr before LoadGrass).
const uint8_t* GrassPages();
// Colour byte i in all four bytes of a word.
uint32_t ColourWord(int i);

// The view: the buffer the ground, markings and models are drawn into.
void SetViewScreen(GfxBuffer* screen, int32_t width, int32_t height);

// The ground for the current camera. Every row's marking depth is cleared
// first and set again for the rows the ground covers.
void DrawGround();

// One row of grass: columns left..right inclusive on `row` of `buffer`
// (clipped to it), 16.16 coordinates (u, v) at the left end and (uEnd, vEnd)
// where the pixel after the right end would start: each pixel steps by the
// difference over the pixel count.
void FillGroundRow(GfxBuffer* buffer, int32_t row, int32_t left, int32_t right, int32_t u, int32_t v, int32_t uEnd,
                   int32_t vEnd);

// Grass and markings for the current camera into a whole buffer (no guard):
// sets the view and the projection to the buffer, then draws. The grass and
// markings must be loaded.
void DrawPitchSurface(GfxBuffer* buffer);

// The module as at program start (a registered reset).
void SwGround_Reset();
