// The match's 2D graphics.
#include "render256/mgraphic.h"

#include <algorithm>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/menugfx_files.h"
#include "render256/swscreen.h"

const GraphicSlot MGraphicTable[MGRAPHIC_COUNT] = {
    {"SHADOW", 1, SHADOW_MASK_SIZE, SHADOW_MASK_SIZE, nullptr},
    {"REPBAR", REPBAR_FRAMES, REPBAR_BUTTON_WIDTH, REPBAR_BUTTON_HEIGHT, nullptr},
    {"mouse", 0, 0, 0, nullptr},
    {"fonts\\6high", 0, 0, 0, nullptr},
    {"fonts\\6high_y", 0, 0, 0, nullptr},
    {"hilite\\HiLight", 0, 0, 0, nullptr},
    {"hilite\\ball2", 0, 0, 0, nullptr},
    {"hilite\\digifont", 0, 0, 0, nullptr},
    {"hilite\\arrows", 0, 0, 0, nullptr},
    {"hilite\\arrows2", 0, 0, 0, nullptr},
    {"hilite\\plus", 0, 0, 0, nullptr},
    {"hilite\\spin", 0, 0, 0, nullptr},
    {"hilite\\spin2", 0, 0, 0, nullptr},
    {"hilite\\spinout", 0, 0, 0, nullptr},
    {"hilite\\bars", 0, 0, 0, nullptr},
    {"hilite\\tickbox", 0, 0, 0, nullptr},
    {"hilite\\cards", 0, 0, 0, nullptr},
    {"hilite\\pitch", 0, 0, 0, nullptr},
    {"hilite\\players", 0, 0, 0, nullptr},
    {"hilite\\shirts", 0, 0, 0, nullptr},
    {"hilite\\isoicons", 0, 0, 0, nullptr},
    {"hilite\\smlltck", 0, 0, 0, nullptr},
    {"hilite\\smshirts", 0, 0, 0, nullptr},
    {"skid", 0, 0, 0, nullptr},
    {"scanner\\camviews", 0, 0, 0, nullptr},
    {"scanner\\PANEL", 0, 0, 0, nullptr},
    {"scanner\\buttons", 0, 0, 0, nullptr},
    {"scanner\\arrows", 0, 0, 0, nullptr},
    {"scanner\\arrwmask", 0, 0, 0, nullptr},
    {"scanner\\scan", 0, 0, 0, nullptr},
    {"scanner\\hand", 0, 0, 0, nullptr},
    {"newpitch", 0, 0, 0, nullptr},
    {"scanner\\stickmen", 0, 0, 0, nullptr},
    {"Alldisc", 0, 0, 0, nullptr},
    {"igscan", 0, 0, 0, nullptr},
};

namespace {

GraphicSlot gSlots[MGRAPHIC_COUNT];

void MGraphicState_Reset() {
  // The blocks belong to the memory layer, which its own reset empties.
  std::copy(std::begin(MGraphicTable), std::end(MGraphicTable), std::begin(gSlots));
}

void CheckNumber(int graphic, const char* format) {
  if (graphic < 0 || graphic >= MGRAPHIC_COUNT) FatalError(format, graphic);
}

// A size of the file against the slot's: a fixed one must match.
void TakeSize(int32_t* field, int32_t fromFile, const char* what, const char* path) {
  if (*field < 1)
    *field = fromFile;
  else if (*field != fromFile)
    FatalError("Error: MGraphic_Load(): '%s' has %s %d, not %d\n", path, what, fromFile, *field);
}

// Where an aligned box of `size` along an edge of `extent` starts.
int AlignedStart(int code, int at, int size, int extent) {
  switch (code) {
    case 1: return at;
    case 2: return extent / 2 + at - size / 2;
    default: return extent - at - size;
  }
}

}  // namespace

REGISTER_RESET(RESET_RENDER, MGraphicState_Reset);

void MGraphic_Reset() { MGraphicState_Reset(); }

int32_t Gfx0Width(const uint8_t* image) { return LoadU16(image + GFX0_WIDTH_OFFSET); }
int32_t Gfx0Height(const uint8_t* image) { return LoadU16(image + GFX0_HEIGHT_OFFSET); }
int32_t Gfx0Frames(const uint8_t* image) { return LoadU16(image + GFX0_FRAMES_OFFSET); }

const char* CheckGfx0Image(const uint8_t* image, uint32_t size) {
  if (size < static_cast<uint32_t>(GFX0_HEADER_SIZE)) return "shorter than its 16-byte header";
  if (std::memcmp(image, "GFX0", 4) != 0) return "no GFX0 tag";
  const int64_t w = Gfx0Width(image), h = Gfx0Height(image), f = Gfx0Frames(image);
  if (w < 1 || h < 1 || f < 1) return "a width, height or frame count of 0";
  if (static_cast<int64_t>(size) != GFX0_HEADER_SIZE + w * h * f)
    return "its size is not 16 + frames x width x height bytes";
  return nullptr;
}

void MGraphic_Load(int graphic) {
  CheckNumber(graphic, "MGraphGetItem():- Invalid graphic number %d\n");
  GraphicSlot& slot = gSlots[graphic];
  if (slot.pixels == nullptr) {
    char path[256];
    std::snprintf(path, sizeof path, "%s\\%s.gfx", MGRAPHIC_DIR, slot.name);
    const uint32_t size = PakLoadFile(path, &slot.pixels, ManualFree);
    if (size < static_cast<uint32_t>(GFX0_HEADER_SIZE) || std::memcmp(slot.pixels, "GFX0", 4) != 0)
      FatalError("MGraphic_Load():- Invalid header - %s", path);
    if (const char* why = CheckGfx0Image(slot.pixels, size))
      FatalError("Error: MGraphic_Load(): '%s': %s\n", path, why);
    TakeSize(&slot.frames, Gfx0Frames(slot.pixels), "frames", path);
    TakeSize(&slot.width, Gfx0Width(slot.pixels), "width", path);
    TakeSize(&slot.height, Gfx0Height(slot.pixels), "height", path);
    SetMemoryType(&slot.pixels, AutoFree);
  }
  SetMemoryLastUse(&slot.pixels, TimerTicks.load());
}

GraphicSlot* MGraphGetItem(int graphic) {
  CheckNumber(graphic, "MGraphGetItem():- Invalid graphic number - %d\n");
  MGraphic_Load(graphic);
  return &gSlots[graphic];
}

const uint8_t* MGraphFrame(const GraphicSlot* slot, int frame) {
  return slot->pixels + GFX0_HEADER_SIZE + static_cast<int64_t>(frame) * slot->width * slot->height;
}

void DrawCellClipped(GfxBuffer* buffer, int x, int y, const uint8_t* source, int sourceStride, int width, int height,
                     const uint8_t* lut) {
  if (buffer == nullptr || buffer->pixels == nullptr || source == nullptr) return;
  const int64_t c0 = std::max<int64_t>(0, -static_cast<int64_t>(x));
  const int64_t r0 = std::max<int64_t>(0, -static_cast<int64_t>(y));
  const int64_t c1 = std::min<int64_t>(width, static_cast<int64_t>(buffer->width) - x);
  const int64_t r1 = std::min<int64_t>(height, static_cast<int64_t>(buffer->height) - y);
  // Pointers only ever into the buffer and the cell: start at the first
  // column kept.
  for (int64_t r = r0; r < r1; ++r) {
    const uint8_t* s = source + r * sourceStride + c0;
    uint8_t* d = buffer->pixels + (y + r) * buffer->stride + (x + c0);
    for (int64_t c = 0; c < c1 - c0; ++c)
      if (s[c] != 0) d[c] = lut != nullptr ? lut[s[c]] : s[c];
  }
}

void MGraphDisplay2DGraphic(int x, int y, int width, int height, int align, int graphic, int frame) {
  if ((align & 3) == 0 || ((align >> 2) & 3) == 0)
    AbortError("zv256\\mgraphic", __LINE__, "MGraphDisplay2DGraphic(): invalid align type");
  const GraphicSlot* slot = MGraphGetItem(graphic);
  if (width < 1 || width > slot->width) width = slot->width;
  if (height < 1 || height > slot->height) height = slot->height;
  if (frame < 1 || frame >= slot->frames) frame = 0;
  const int left = AlignedStart(align & 3, x, width, ScreenWidth);
  const int top = AlignedStart((align >> 2) & 3, y, height, ScreenHeight);
  DrawCellClipped(GetGameScreen(), left + GAME_SCREEN_BORDER, top + GAME_SCREEN_BORDER, MGraphFrame(slot, frame),
                  slot->width, width, height, nullptr);
}

void MGraphDisplay2DGraphicLUT(int x, int y, int graphic, int frame, const uint8_t* lut) {
  const GraphicSlot* slot = MGraphGetItem(graphic);
  if (frame < 0 || frame >= slot->frames) FatalError("MGraphDisplay2DGraphicLUT():Bad frame %d\n", frame);
  DrawCellClipped(GetGameScreen(), x + GAME_SCREEN_BORDER, y + GAME_SCREEN_BORDER, MGraphFrame(slot, frame),
                  slot->width, slot->width, slot->height, lut);
}
