// The loading bar.
#include "menus/loadbar.h"

#include <cstddef>
#include <cstring>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"

#define ABORT_FILE "loadbar"

const char LOADBAR_EMPTY_FILE[] = "zvdata\\loadicon.gfx";
const char LOADBAR_FULL_FILE[] = "zvdata\\loadico1.gfx";
const char LOADBAR_PALETTE_FILE[] = "zvdata\\loadico1.pal";

namespace {

constexpr uint32_t kGfxHeaderSize = 16;
constexpr uint32_t kPaletteSize = 768;
constexpr int32_t kPollFlags = 1;

LoadBarState gLoadBar;

// Below 0 (or not a number) gives 0, above 1 gives 1.
float Clamp01(float f) {
  if (!(f > 0.0f)) return 0.0f;
  return f > 1.0f ? 1.0f : f;
}

// done kept within 0..size; a block of no size holds nothing.
float ClampDone(float done, float size) {
  if (!(done > 0.0f) || !(size > 0.0f)) return 0.0f;
  return done > size ? size : done;
}

void Notify(int32_t event, float fraction) {
  if (!gLoadBar.callback) return;
  LoadBarEvent e{event, gLoadBar.userData, fraction};
  gLoadBar.callback(&e);
}

// ---- the two-image bar --------------------------------------------------------

// Loads one GFX0 image whole; a file too short for the header, or without
// the tag, is in the wrong format.
uint32_t LoadImage(const char* name, uint8_t** owner, const char* wrongFormat) {
  uint32_t size = PakLoadFile(name, owner, ManualFree);
  if (size < kGfxHeaderSize || std::memcmp(*owner, "GFX0", 4) != 0) ABORT(wrongFormat);
  return size;
}

void FreeImages(LoadBarGfx* gfx) {
  if (gfx->emptyImage) FreeMemory(&gfx->emptyImage);
  if (gfx->fullImage) FreeMemory(&gfx->fullImage);
}

void ClearScreen(const LoadBarGfx* gfx) {
  GfxClearScreen();
  if (gfx->flags & LOADBAR_GFX_FLIP) GfxFlip();
}

void StartGfx(LoadBarGfx* gfx) {
  FreeImages(gfx);
  const uint32_t emptySize =
      LoadImage(gfx->emptyName, &gfx->emptyImage, "LoadBarGfx_Callback(): empty graphic in wrong format");
  const uint32_t fullSize =
      LoadImage(gfx->fullName, &gfx->fullImage, "LoadBarGfx_Callback(): full graphic in wrong format");
  const uint32_t width = LoadU16(gfx->emptyImage + 4), height = LoadU16(gfx->emptyImage + 6);
  if (width != LoadU16(gfx->fullImage + 4) || height != LoadU16(gfx->fullImage + 6) || emptySize != fullSize)
    ABORT("LoadBarGfx_Callback(): empty size different from full size");
  if (static_cast<uint64_t>(width) * height + kGfxHeaderSize != emptySize)
    ABORT("LoadBarGfx_Callback(): graphic in the wrong format (must be 256 colour)");
  // A negative start would take columns before the image's first.
  if (gfx->barStart < 0 || gfx->barStart > static_cast<int32_t>(width) || gfx->barEnd > static_cast<int32_t>(width) ||
      gfx->barStart >= gfx->barEnd)
    ABORT("LoadBarGfx_Callback(): bar start/end values out of range");

  uint8_t* palette = nullptr;
  if (PakLoadFile(gfx->paletteName, &palette, ManualFree) != kPaletteSize)
    ABORT("LoadBarGfx_Callback(): palette file wrong size");

  ClearScreen(gfx);
  const uint32_t pixels = width * height;
  if (GfxState == GFX_STATE_DIRECT) {
    ColConvPalettedMemory(reinterpret_cast<void**>(&gfx->emptyImage), palette, pixels, kGfxHeaderSize, ColFmtRGB888,
                          GfxScreen.colourFormat);
    ColConvPalettedMemory(reinterpret_cast<void**>(&gfx->fullImage), palette, pixels, kGfxHeaderSize, ColFmtRGB888,
                          GfxScreen.colourFormat);
  } else {
    // The screen palette holds 6-bit components.
    uint8_t screen[kPaletteSize];
    for (uint32_t i = 0; i < kPaletteSize; ++i) screen[i] = static_cast<uint8_t>(palette[i] >> 2);
    SetPalette(screen);
  }
  FreeMemory(&palette);
  gfx->width = static_cast<int32_t>(width);
  gfx->height = static_cast<int32_t>(height);
}

void StopGfx(LoadBarGfx* gfx) {
  FreeImages(gfx);
  ClearScreen(gfx);
}

void DrawGfx(const LoadBarGfx* gfx, float fraction) {
  if (!gfx->emptyImage || !gfx->fullImage) return;
  const int32_t width = gfx->width, height = gfx->height;
  if (GfxScreen.width < static_cast<uint32_t>(width) || GfxScreen.height < static_cast<uint32_t>(height)) return;
  const int x = static_cast<int>((GfxScreen.width - static_cast<uint32_t>(width)) / 2);
  const int y = static_cast<int>((GfxScreen.height - static_cast<uint32_t>(height)) / 2);

  // The split column, kept within the bar whatever the fraction.
  int32_t split = gfx->barStart + static_cast<int32_t>(static_cast<float>(gfx->barEnd - gfx->barStart) * Clamp01(fraction));
  if (split < gfx->barStart) split = gfx->barStart;
  if (split > gfx->barEnd) split = gfx->barEnd;

  const int bpp = GfxState == GFX_STATE_DIRECT ? static_cast<int>(GfxScreen.colourFormat.bytesPerPixel) : 1;
  const uint8_t* full = gfx->fullImage + kGfxHeaderSize;
  const uint8_t* empty = gfx->emptyImage + kGfxHeaderSize + static_cast<std::ptrdiff_t>(split) * bpp;
  if (split > 0) GfxPutRectStride(x, y, split, height, full, width - split);
  if (split < width) GfxPutRectStride(x + split, y, width - split, height, empty, split);
  if (gfx->flags & LOADBAR_GFX_FLIP) GfxFlip();
}

}  // namespace

// ---- the block stack --------------------------------------------------------------

void LoadBar_Init(LoadBarCallback callback, void* userData) {
  if (gLoadBar.active) ABORT("LoadBar_Init(): the loading bar is already running");
  gLoadBar = LoadBarState{};
  gLoadBar.blocks[0] = {1.0f, 0.0f, 1.0f};
  gLoadBar.depth = 0;
  gLoadBar.callback = callback;
  gLoadBar.userData = userData;
  gLoadBar.active = 1;
  gLoadBar.pollHandle = AddPollFunction(LoadBar_Poll, LOADBAR_POLL_RATE, kPollFlags);
  Notify(LOADBAR_EVENT_START, 0.0f);
}

void LoadBar_StartBlock(float size, float weight) {
  if (!gLoadBar.active) return;
  if (gLoadBar.depth >= LOADBAR_MAX_BLOCKS - 1) ABORT("LoadBar_StartBlock(): the loadbar stack is full");
  gLoadBar.blocks[++gLoadBar.depth] = {size, 0.0f, weight};
  Poll();
}

void LoadBar_EndBlock() {
  if (!gLoadBar.active) return;
  if (gLoadBar.depth <= 0) ABORT("LoadBar_EndBlock(): there was no block to end!");
  const float weight = gLoadBar.blocks[gLoadBar.depth--].weight;
  LoadBarBlock& parent = gLoadBar.blocks[gLoadBar.depth];
  parent.done = ClampDone(parent.done + weight, parent.size);
  Poll();
}

void LoadBar_AddProgress(float amount) {
  if (!gLoadBar.active) return;
  LoadBarBlock& block = gLoadBar.blocks[gLoadBar.depth];
  block.done = ClampDone(block.done + amount, block.size);
  Poll();
}

void LoadBar_Uninit() {
  if (!gLoadBar.active) ABORT("LoadBar_Uninit(): the loading bar is not running");
  if (gLoadBar.depth != 0) FatalError("Error: LoadBar_Uninit(): stack value should be 0, was %d\n", gLoadBar.depth);
  RemovePollFunction(gLoadBar.pollHandle);
  Notify(LOADBAR_EVENT_STOP, 0.0f);
  gLoadBar.active = 0;
}

float LoadBar_Fraction() {
  if (!gLoadBar.active) return 0.0f;
  // From the current block up to the root: each level's own share plus its
  // open child's share times the child's weight, in the level's units. A
  // level of no size counts as nothing done.
  float f = 0.0f;
  for (int d = gLoadBar.depth; d >= 0; --d) {
    const LoadBarBlock& b = gLoadBar.blocks[d];
    float level = 0.0f;
    if (b.size > 0.0f) {
      level = b.done / b.size;
      if (d < gLoadBar.depth) level += f * gLoadBar.blocks[d + 1].weight / b.size;
    }
    f = Clamp01(level);
  }
  return Clamp01(f);
}

void LoadBar_Poll() {
  if (!gLoadBar.active) return;
  Notify(LOADBAR_EVENT_DRAW, LoadBar_Fraction());
}

const LoadBarState& LoadBar_State() { return gLoadBar; }

void LoadBarGfx_Callback(const LoadBarEvent* event) {
  if (!event || !event->userData) ABORT("LoadBarGfx_Callback(): UserData must not be NULL");
  LoadBarGfx* gfx = static_cast<LoadBarGfx*>(event->userData);
  switch (event->event) {
    case LOADBAR_EVENT_START: StartGfx(gfx); break;
    case LOADBAR_EVENT_STOP: StopGfx(gfx); break;
    case LOADBAR_EVENT_DRAW: DrawGfx(gfx, event->fraction); break;
    default: break;
  }
}

void LoadBar_Reset() { gLoadBar = LoadBarState{}; }
REGISTER_RESET(RESET_MENUS, LoadBar_Reset);
