// The menu buffer, its dirty rectangles, translucent shading and the menu
// item loop's state.
#include "menus/menupc.h"

#include <cstring>

#include "engine/colconv.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/menuprims.h"

#define ABORT_FILE "menus\\menupc"

namespace {

// Shading in the 256-colour mode sets a pixel when (opacity >> 5) reaches
// this matrix's entry for (y mod 4, x mod 4).
constexpr uint8_t kDither[4][4] = {{0, 4, 1, 5}, {6, 3, 7, 2}, {1, 5, 0, 4}, {7, 2, 6, 3}};

struct MenuPcState {
  uint8_t* buffer = nullptr;      // managed block: the picture being built
  uint8_t* background = nullptr;  // managed block: the saved static picture
  int32_t width = 0, height = 0, bytesPerPixel = 0;
  DirtyRect dirty[MAX_DIRTY_RECTS] = {};
  int32_t dirtyCount = 0;
  uint8_t* shadeTables[SHADE_TABLE_SLOTS] = {};  // managed blocks, null = empty slot
  // The menu item loop.
  int32_t buttons = 0;
  int16_t tableRows = 0;
  int16_t event = 0;
  int16_t hoverItem = -1;
  int16_t result = 0;
  int16_t loopValue = 0;
  MenuItemDrawer drawer = nullptr;
};

MenuPcState gPc;

// ---- pixels ----

uint32_t ReadPixel(const uint8_t* p, int32_t bpp) {
  uint32_t v = 0;
  for (int32_t i = 0; i < bpp; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

void WritePixel(uint8_t* p, uint32_t v, int32_t bpp) {
  for (int32_t i = 0; i < bpp; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint8_t* BufferAt(uint8_t* base, int32_t x, int32_t y) {
  return base + (static_cast<ptrdiff_t>(y) * gPc.width + x) * gPc.bytesPerPixel;
}

// Each channel of the 24-bit pixel p moved toward c by opacity / 256.
uint32_t BlendRGB(uint32_t p, uint32_t c, int32_t opacity) {
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int32_t pc = static_cast<int32_t>((p >> shift) & 0xFF);
    int32_t cc = static_cast<int32_t>((c >> shift) & 0xFF);
    int32_t v = pc + (((cc - pc) * opacity) >> 8);
    out |= static_cast<uint32_t>(v & 0xFF) << shift;
  }
  return out;
}

// The rectangle lies wholly on the screen and there is a buffer to draw in.
bool RectOnScreen(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (width <= 0 || height <= 0 || x < 0 || y < 0) return false;
  return static_cast<int64_t>(x) + width <= gPc.width && static_cast<int64_t>(y) + height <= gPc.height;
}

bool CanDraw(int32_t x, int32_t y, int32_t width, int32_t height) {
  return gPc.buffer != nullptr && RectOnScreen(x, y, width, height);
}

// ---- shade table fields ----

uint32_t Le32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

void PutLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint8_t TableOpacity(const uint8_t* table) { return table[0]; }
uint32_t TableColour(const uint8_t* table) { return Le32(table + 1); }
uint32_t TableTick(const uint8_t* table) { return Le32(table + 5); }

// Waits for the next tick of the frame clock and polls.
void WaitFrame() {
  WaitTicks(1);
  Poll();
}

// Row by row over the screen in the sweep order; every 16th step a frame.
template <typename F>
void Sweep(F&& drawRow) {
  std::vector<int32_t> rows = MenuSweepRows(gPc.height);
  for (size_t k = 0; k < rows.size(); k += 2) {
    int32_t i = rows[k];
    drawRow(i);
    if (k + 1 < rows.size()) drawRow(rows[k + 1]);
    if (i % 16 == 0) WaitFrame();
  }
  Poll();
}

}  // namespace

void MenuPc_Reset() { gPc = MenuPcState{}; }
REGISTER_RESET(RESET_MENUS, MenuPc_Reset);

// ---- the buffers ----

void BufferAllocate() {
  BufferFree();
  gPc.width = static_cast<int32_t>(GfxScreen.width);
  gPc.height = static_cast<int32_t>(GfxScreen.height);
  gPc.bytesPerPixel = GfxState == GFX_STATE_DIRECT ? static_cast<int32_t>(GfxScreen.colourFormat.bytesPerPixel) : 1;
  uint32_t size =
      static_cast<uint32_t>(gPc.width) * static_cast<uint32_t>(gPc.height) * static_cast<uint32_t>(gPc.bytesPerPixel);
  if (size == 0) return;
  AllocateMemory(&gPc.buffer, size, ManualFree);
  AllocateMemory(&gPc.background, size, ManualFree);
  std::memset(gPc.buffer, 0, size);
  std::memset(gPc.background, 0, size);
}

void BufferFree() {
  if (gPc.buffer) FreeMemory(&gPc.buffer);
  if (gPc.background) FreeMemory(&gPc.background);
  // The tables belong to the display format the buffers were made for.
  for (uint8_t*& table : gPc.shadeTables)
    if (table) FreeMemory(&table);
  gPc.dirtyCount = 0;
}

uint8_t* MenuBufferPixels() { return gPc.buffer; }
uint8_t* MenuBackgroundPixels() { return gPc.background; }
int32_t MenuScreenWidth() { return gPc.width; }
int32_t MenuScreenHeight() { return gPc.height; }
int32_t MenuBytesPerPixel() { return gPc.bytesPerPixel; }
bool MenuIs256Colour() { return gPc.bytesPerPixel == 1; }

uint32_t MenuPixelFromRGB565(uint16_t colour) {
  if (MenuIs256Colour()) return ColConv565ToCubeIndex(colour);
  return ColConvPixel(colour, ColFmt565, GfxScreen.colourFormat);
}

// ---- dirty rectangles ----

void AddDirtyRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  if (!RectOnScreen(x, y, width, height)) return;
  if (x == 0 && y == 0 && width == gPc.width && height == gPc.height) gPc.dirtyCount = MAX_DIRTY_RECTS;
  if (gPc.dirtyCount >= MAX_DIRTY_RECTS) return;
  for (int32_t i = 0; i < gPc.dirtyCount; ++i) {
    const DirtyRect& r = gPc.dirty[i];
    if (r.x == x && r.y == y && r.width >= width && r.height >= height) return;
  }
  gPc.dirty[gPc.dirtyCount++] = DirtyRect{x, y, width, height};
}

int32_t DirtyRectCount() { return gPc.dirtyCount; }
const DirtyRect* DirtyRects() { return gPc.dirty; }

void FlushDirtyRects() {
  // Ask every time, so an inactive spell is forgotten once it has been seen.
  bool wasInactive = WinCheckWasInactive() != 0;
  if (gPc.buffer) {
    if (gPc.dirtyCount >= MAX_DIRTY_RECTS || wasInactive) {
      GfxPutRect(0, 0, gPc.width, gPc.height, gPc.buffer);
    } else {
      for (int32_t i = 0; i < gPc.dirtyCount; ++i) {
        const DirtyRect& r = gPc.dirty[i];
        GfxPutRectStride(r.x, r.y, r.width, r.height, BufferAt(gPc.buffer, r.x, r.y), gPc.width - r.width);
      }
    }
  }
  gPc.dirtyCount = 0;
}

// ---- drawing on the buffer ----

void BufferPutPixel(int32_t x, int32_t y, uint16_t colour) { BufferFillRect(x, y, 1, 1, colour); }

void BufferFillRect(int32_t x, int32_t y, int32_t width, int32_t height, uint16_t colour) {
  if (!CanDraw(x, y, width, height)) return;
  AddDirtyRect(x, y, width, height);
  uint32_t pixel = MenuPixelFromRGB565(colour);
  for (int32_t row = 0; row < height; ++row) {
    uint8_t* p = BufferAt(gPc.buffer, x, y + row);
    for (int32_t col = 0; col < width; ++col, p += gPc.bytesPerPixel) WritePixel(p, pixel, gPc.bytesPerPixel);
  }
}

void BufferFillBox(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint16_t colour) {
  auto onScreen = [](int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < gPc.width && y < gPc.height; };
  if (!onScreen(x1, y1) || !onScreen(x2, y2)) return;
  int32_t left = x1 < x2 ? x1 : x2, top = y1 < y2 ? y1 : y2;
  int32_t width = (x1 < x2 ? x2 - x1 : x1 - x2) + 1, height = (y1 < y2 ? y2 - y1 : y1 - y2) + 1;
  BufferFillRect(left, top, width, height, colour);
}

void BufferShadeRect(int32_t x, int32_t y, int32_t width, int32_t height, uint16_t colour, uint8_t opacity) {
  if (!CanDraw(x, y, width, height)) return;
  AddDirtyRect(x, y, width, height);
  const int32_t bpp = gPc.bytesPerPixel;
  if (bpp == 1) {
    uint8_t index = ColConv565ToCubeIndex(colour);
    int level = opacity >> 5;
    for (int32_t row = y; row < y + height; ++row) {
      uint8_t* p = BufferAt(gPc.buffer, x, row);
      for (int32_t col = x; col < x + width; ++col, ++p)
        if (level >= kDither[row & 3][col & 3]) *p = index;
    }
  } else if (bpp == 2) {
    const uint8_t* entries = GetShadeTable(colour, opacity) + SHADE_TABLE_HEADER;
    for (int32_t row = y; row < y + height; ++row) {
      uint8_t* p = BufferAt(gPc.buffer, x, row);
      for (int32_t col = 0; col < width; ++col, p += 2) {
        uint32_t at = 2u * (p[0] | (static_cast<uint32_t>(p[1]) << 8));
        p[0] = entries[at];
        p[1] = entries[at + 1];
      }
    }
  } else {
    const ColFmt& fmt = GfxScreen.colourFormat;
    uint32_t c = ColConvPixel(colour, ColFmt565, ColFmtRGB888);
    for (int32_t row = y; row < y + height; ++row) {
      uint8_t* p = BufferAt(gPc.buffer, x, row);
      for (int32_t col = 0; col < width; ++col, p += bpp) {
        uint32_t rgb = ColConvPixel(ReadPixel(p, bpp), fmt, ColFmtRGB888);
        WritePixel(p, ColConvPixel(BlendRGB(rgb, c, opacity), ColFmtRGB888, fmt), bpp);
      }
    }
  }
}

void BufferRestoreRect(int32_t x, int32_t y, int32_t width, int32_t height) {
  // The drawing stand-ins keep their call log until the menu machine draws.
  MenuPrims_LogRect("BufferRestoreRect", x, y, width, height);
  if (!CanDraw(x, y, width, height)) return;
  AddDirtyRect(x, y, width, height);
  size_t rowBytes = static_cast<size_t>(width) * gPc.bytesPerPixel;
  for (int32_t row = y; row < y + height; ++row)
    std::memcpy(BufferAt(gPc.buffer, x, row), BufferAt(gPc.background, x, row), rowBytes);
}

void BufferSaveBackground() {
  if (!gPc.buffer) return;
  std::memcpy(gPc.background, gPc.buffer,
              static_cast<size_t>(gPc.width) * static_cast<size_t>(gPc.height) * gPc.bytesPerPixel);
}

void BufferGetRect(int32_t x, int32_t y, int32_t width, int32_t height, void* destination) {
  if (!CanDraw(x, y, width, height) || !destination) return;
  AddDirtyRect(x, y, width, height);
  size_t rowBytes = static_cast<size_t>(width) * gPc.bytesPerPixel;
  uint8_t* to = static_cast<uint8_t*>(destination);
  for (int32_t row = y; row < y + height; ++row, to += rowBytes)
    std::memcpy(to, BufferAt(gPc.buffer, x, row), rowBytes);
}

void BufferPutRect(int32_t x, int32_t y, int32_t width, int32_t height, const void* source) {
  if (!CanDraw(x, y, width, height) || !source) return;
  AddDirtyRect(x, y, width, height);
  size_t rowBytes = static_cast<size_t>(width) * gPc.bytesPerPixel;
  const uint8_t* from = static_cast<const uint8_t*>(source);
  for (int32_t row = y; row < y + height; ++row, from += rowBytes)
    std::memcpy(BufferAt(gPc.buffer, x, row), from, rowBytes);
}

void BufferPutRectTrans(int32_t x, int32_t y, int32_t width, int32_t height, const void* source, int32_t sourceSkip) {
  if (!CanDraw(x, y, width, height) || !source || sourceSkip < 0) return;
  AddDirtyRect(x, y, width, height);
  const int32_t bpp = gPc.bytesPerPixel;
  uint32_t key = MenuIs256Colour() ? 0 : MenuPixelFromRGB565(MENU_COLOUR_KEY);
  const uint8_t* from = static_cast<const uint8_t*>(source);
  for (int32_t row = y; row < y + height; ++row) {
    uint8_t* to = BufferAt(gPc.buffer, x, row);
    for (int32_t col = 0; col < width; ++col, from += bpp, to += bpp) {
      uint32_t v = ReadPixel(from, bpp);
      if (v != key) WritePixel(to, v, bpp);
    }
    from += static_cast<ptrdiff_t>(sourceSkip) * bpp;
  }
}

void BufferPutImageTrans(int32_t x, int32_t y, int32_t width, int32_t height, const void* source) {
  BufferPutRectTrans(x, y, width, height, source, 0);
}

// ---- full-screen sweeps ----

std::vector<int32_t> MenuSweepRows(int32_t height) {
  // Pairs: an even row from the top down and an odd row from the bottom up.
  // On an odd height the bottom row is even, so the upward sweep starts one
  // row higher; it then has one row fewer than the downward one.
  std::vector<int32_t> rows;
  if (height <= 0) return rows;
  int32_t lastOdd = (height % 2 == 0) ? height - 1 : height - 2;
  for (int32_t i = 0; i < height; i += 2) {
    rows.push_back(i);
    if (lastOdd - i >= 0) rows.push_back(lastOdd - i);
  }
  return rows;
}

void RevealMenuScreen() {
  if (!gPc.buffer || GfxState == GFX_STATE_NONE) return;
  Sweep([](int32_t row) { GfxPutRect(0, row, gPc.width, 1, BufferAt(gPc.buffer, 0, row)); });
  gPc.dirtyCount = 0;
}

void ClearMenuScreen() {
  if (GfxState == GFX_STATE_NONE) return;
  int32_t width = static_cast<int32_t>(GfxScreen.width), height = static_cast<int32_t>(GfxScreen.height);
  std::vector<int32_t> rows = MenuSweepRows(height);
  for (size_t k = 0; k < rows.size(); k += 2) {
    GfxFillRect(0, rows[k], width, 1, 0);
    if (k + 1 < rows.size()) GfxFillRect(0, rows[k + 1], width, 1, 0);
    if (rows[k] % 16 == 0) WaitFrame();
  }
  Poll();
}

// ---- shading tables ----

int FindShadeTable(uint16_t colour, uint8_t opacity) {
  for (int i = 0; i < SHADE_TABLE_SLOTS; ++i) {
    const uint8_t* t = gPc.shadeTables[i];
    if (t && TableColour(t) == colour && TableOpacity(t) == opacity) return i;
  }
  return -1;
}

uint8_t* GetShadeTable(uint16_t colour, uint8_t opacity) {
  int found = FindShadeTable(colour, opacity);
  if (found >= 0) return gPc.shadeTables[found];
  int slot = -1;
  for (int i = 0; i < SHADE_TABLE_SLOTS && slot < 0; ++i)
    if (!gPc.shadeTables[i]) slot = i;
  if (slot >= 0) {
    AllocateMemory(&gPc.shadeTables[slot], SHADE_TABLE_SIZE, ManualFree);
  } else {
    slot = 0;
    for (int i = 1; i < SHADE_TABLE_SLOTS; ++i)
      if (TableTick(gPc.shadeTables[i]) < TableTick(gPc.shadeTables[slot])) slot = i;
  }
  CreateMenuShadeRectangleCache(gPc.shadeTables[slot], opacity, colour);
  return gPc.shadeTables[slot];
}

void CreateMenuShadeRectangleCache(uint8_t* table, uint8_t opacity, uint16_t colour) {
  const ColFmt& fmt = GfxScreen.colourFormat;
  if (GfxState != GFX_STATE_DIRECT || fmt.bytesPerPixel != 2)
    ABORT("CreateMenuShadeRectangleCache(): cannot cache in non-16 bit mode");
  uint32_t c = ColConvPixel(colour, ColFmt565, ColFmtRGB888);
  uint8_t* entries = table + SHADE_TABLE_HEADER;
  // Every 16-bit value: bits outside the format's channels are ignored, so a
  // 15-bit format's values with the top bit set shade like those without.
  for (uint32_t p = 0; p < 65536; ++p) {
    uint32_t rgb = ColConvPixel(p, fmt, ColFmtRGB888);
    uint32_t shaded = ColConvPixel(BlendRGB(rgb, c, opacity), ColFmtRGB888, fmt);
    entries[2 * p] = static_cast<uint8_t>(shaded);
    entries[2 * p + 1] = static_cast<uint8_t>(shaded >> 8);
  }
  table[0] = opacity;
  PutLe32(table + 1, colour);
  PutLe32(table + 5, TimerTicks);
}

// ---- the menu item loop's state ----

int32_t GetMenuButtons() { return gPc.buttons; }
void SetMenuButtons(int32_t buttons) { gPc.buttons = buttons & 3; }
void SetTableRowCount(int16_t rows) { gPc.tableRows = rows; }
int16_t GetTableRowCount() { return gPc.tableRows; }
int16_t GetMenuEvent() { return gPc.event; }

void SetMenuEvent(int16_t event) {
  gPc.event = event;
  if (event == 1) gPc.hoverItem = -1;
}

int16_t GetMenuHoverItem() { return gPc.hoverItem; }
void SetMenuHoverItem(int16_t item) { gPc.hoverItem = item; }
void SetMenuResult(int16_t result) { gPc.result = result; }

int16_t TakeMenuResult() {
  int16_t result = gPc.result;
  gPc.result = 0;
  return result;
}

void SetMenuLoopValue(int16_t value) { gPc.loopValue = value; }
int16_t GetMenuLoopValue() { return gPc.loopValue; }
void SetMenuItemDrawer(MenuItemDrawer drawer) { gPc.drawer = drawer; }

int DrawItemByType(int16_t type, int32_t first, int32_t second) {
  static const struct {
    int16_t firstType;
    int style;
  } kStyles[] = {{5, 0}, {9, 1}, {74, 2}, {37, 3}, {1, 4}, {7, 5}};
  if (!gPc.drawer) return -1;
  for (const auto& s : kStyles) {
    if (type == s.firstType) return gPc.drawer(first, s.style);
    if (type == s.firstType + 1) return gPc.drawer(second, s.style);
  }
  return -1;
}
