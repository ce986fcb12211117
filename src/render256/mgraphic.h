// The match's 2D graphics: up to 35 multi-frame 8-bit pictures (the shadow
// mask, the replay buttons, the pointer, the radar and the highlight icons),
// each a GFX0 image file under "MISCGFX", loaded on first use into an
// AutoFree block and drawn into the game screen with colour 0 transparent.
#pragma once

#include <cstdint>

#include "engine/gfx.h"

constexpr int MGRAPHIC_COUNT = 35;
constexpr const char* MGRAPHIC_DIR = "MISCGFX";

// Graphic numbers the renderer asks for by name.
constexpr int MGRAPHIC_SHADOW = 0;  // 64 x 64 mask of the blob shadows
constexpr int MGRAPHIC_REPBAR = 1;  // 20 replay buttons of 42 x 52: 0-9 plain, 10-19 lit
constexpr int MGRAPHIC_MOUSE = 2;
constexpr int MGRAPHIC_IGSCAN = 34;  // the radar: wider than high
constexpr int SHADOW_MASK_SIZE = 64;
constexpr int REPBAR_FRAMES = 20;
constexpr int REPBAR_BUTTON_WIDTH = 42;
constexpr int REPBAR_BUTTON_HEIGHT = 52;

// One graphic. A size field above 0 before loading is the size the file must
// have; 0 takes it from the file's header.
struct GraphicSlot {
  const char* name;  // under MGRAPHIC_DIR, without ".gfx"
  int32_t frames, width, height;
  uint8_t* pixels;  // the whole file (AutoFree); frame f at MGraphFrame
};

// The names and fixed sizes of the 35 graphics, by number.
extern const GraphicSlot MGraphicTable[MGRAPHIC_COUNT];

// Loads the graphic unless present; refreshes its last use either way. A
// number outside 0-34, a file without the "GFX0" tag, or one whose size or
// header disagrees with its pixels or its fixed size, is fatal.
void MGraphic_Load(int graphic);
// Loads on demand and answers the slot.
GraphicSlot* MGraphGetItem(int graphic);
// The pixels of frame f of a loaded slot.
const uint8_t* MGraphFrame(const GraphicSlot* slot, int frame);

// Alignment bytes: bits 0-1 across, bits 2-3 down; 1 from the left (top)
// edge, 2 from the middle, 3 from the right (bottom) edge.
constexpr int ALIGN_LEFT_TOP = 5;
constexpr int ALIGN_MIDDLE_TOP = 6;
constexpr int ALIGN_RIGHT_TOP = 7;
constexpr int ALIGN_MIDDLE_MIDDLE = 10;
constexpr int ALIGN_MIDDLE_BOTTOM = 14;

// The top-left width x height pixels of a frame at an aligned position of
// the view, colour 0 transparent. A width or height below 1 or above the
// graphic's means the graphic's; a frame outside 1..frames-1 means frame 0.
void MGraphDisplay2DGraphic(int x, int y, int width, int height, int align, int graphic, int frame);
// A whole frame at (x, y) of the view, non-zero pixels through the colour
// table; a frame outside the graphic is fatal.
void MGraphDisplay2DGraphicLUT(int x, int y, int graphic, int frame, const uint8_t* lut);

// Copies a width x height cell (rows sourceStride apart) to (x, y) of the
// buffer, clipped to it, skipping colour 0; through lut when given.
void DrawCellClipped(GfxBuffer* buffer, int x, int y, const uint8_t* source, int sourceStride, int width, int height,
                     const uint8_t* lut);

// Checks a GFX0 image of `size` bytes: the tag, sides and frames of at least
// 1 and exactly 16 + frames x width x height bytes. Null when sound, else
// what is wrong.
const char* CheckGfx0Image(const uint8_t* image, uint32_t size);
int32_t Gfx0Width(const uint8_t* image);
int32_t Gfx0Height(const uint8_t* image);
int32_t Gfx0Frames(const uint8_t* image);

// The module as at program start (a registered reset).
void MGraphic_Reset();
