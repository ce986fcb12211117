// The menu buffer, its dirty rectangles, translucent shading and the menu
// item loop's state.
#include "menus/menupc.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/menugfx_files.h"
#include "menus/menuprims.h"

#define ABORT_FILE "menus\\menupc"

namespace {

// Shading in the 256-colour mode sets a pixel when (opacity >> 5) reaches
// this matrix's entry for (y mod 4, x mod 4).
constexpr uint8_t kDither[4][4] = {{0, 4, 1, 5}, {6, 3, 7, 2}, {1, 5, 0, 4}, {7, 2, 6, 3}};

// The pixel format an icon file was converted to when it was loaded.
struct IconFormat {
  bool cube = false;  // 256 colours: one byte a pixel, an index of the colour cube
  ColFmt direct{};    // otherwise the display's format
};

struct IconSlot {
  uint8_t* data = nullptr;  // managed block (evictable once loaded), null until used
  IconFormat format;
};

struct IconMapEntry {
  int16_t file = 0, frame = 0;
};

struct FontSlot {
  uint8_t* sheet = nullptr;   // managed block: GFX0 header, then 256 cells of 3 bytes a pixel
  uint8_t* widths = nullptr;  // managed block: 256 advances
  uint32_t sheetSize = 0, widthsSize = 0;
  int32_t cellWidth = 0, cellHeight = 0;
};

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
  // Icons and fonts.
  IconSlot icons[MENU_ICON_FILE_COUNT + 1];
  IconMapEntry iconMap[MENU_ICON_COUNT];
  bool iconMapBuilt = false;
  FontSlot fonts[MENU_FONT_COUNT];
  int font = 0;
  int textColour = 0;
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

void MenuPc_Reset() {
  gPc = MenuPcState{};
  MenuInlineIconDrawer = nullptr;
  MenuInlineIconSizer = nullptr;
}
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

// ---- icons ----

void (*MenuInlineIconDrawer)(int icon, int32_t x, int32_t y) = nullptr;
void (*MenuInlineIconSizer)(int icon, int32_t* width, int32_t* height) = nullptr;

const int16_t MenuInlineIcons[MENU_INLINE_ICONS] = {2, 1219, 1220, 1221, 1222, 1223, 1224, 1225, 3, 3, 3, 3, 3};

const uint16_t MenuTextColours[MENU_TEXT_COLOURS] = {0xFFFF, 0xFFEF, 0x0000, 0x001F, 0xF800, 0xF81F,
                                                     0x07E0, 0x07FF, 0xFFE0, 0x4A69, 0x9CD3, 0x4A69,
                                                     0xCFF9, 0xCE5F, 0xFE59, 0xFF39, 0xFB2C, 0x01DF};

namespace {

// The format icons are converted to now: the menu buffer's, or before there
// is a buffer the display's.
IconFormat CurrentIconFormat() {
  IconFormat f;
  bool direct = gPc.bytesPerPixel > 1 || (gPc.bytesPerPixel == 0 && GfxState == GFX_STATE_DIRECT);
  f.cube = !direct;
  if (direct) f.direct = GfxScreen.colourFormat;
  return f;
}

bool SameFormat(const IconFormat& a, const IconFormat& b) {
  return a.cube == b.cube && (a.cube || ColFmtIsEqual(a.direct, b.direct));
}

int32_t FormatBytesPerPixel(const IconFormat& f) {
  return f.cube ? 1 : static_cast<int32_t>(f.direct.bytesPerPixel);
}

void CheckIconNumber(int icon, const char* routine) {
  if (icon < 1 || icon > MENU_LAST_ICON) FatalError("Error: %s(): Bad icon number: %d\n", routine, icon);
  if (!gPc.iconMapBuilt) InitIconLists();
}

uint16_t HeaderWidth(const uint8_t* data) { return LoadU16(data + GFX0_WIDTH_OFFSET); }
uint16_t HeaderHeight(const uint8_t* data) { return LoadU16(data + GFX0_HEIGHT_OFFSET); }
uint16_t HeaderFrames(const uint8_t* data) { return LoadU16(data + GFX0_FRAMES_OFFSET); }

bool HasGfx0Tag(const uint8_t* data, uint32_t size) {
  return size >= static_cast<uint32_t>(GFX0_HEADER_SIZE) && std::memcmp(data, "GFX0", 4) == 0;
}

// Loads a file whole as a block its owner frees; the caller makes it
// evictable once it is checked and converted, so that nothing loaded in
// between can take it away half done.
uint32_t LoadWhole(const char* path, uint8_t** owner) { return PakLoadFile(path, owner, ManualFree); }

}  // namespace

void InitIconLists() {
  int number = 0;
  for (int entry = 0; MenuIconFiles[entry].frames != 0; ++entry) {
    for (int frame = 0; frame < MenuIconFiles[entry].frames; ++frame, ++number) {
      if (number < MENU_ICON_COUNT)
        gPc.iconMap[number] = IconMapEntry{static_cast<int16_t>(entry), static_cast<int16_t>(frame)};
    }
  }
  if (number != MENU_ICON_COUNT) ABORT("InitIconLists(): IconList not in sync");
  if (MenuBackgroundNames[MENU_BACKGROUND_COUNT - 1] == nullptr || MenuBackgroundNames[MENU_BACKGROUND_COUNT] != nullptr)
    ABORT("InitIconLists(): backgrounds not in sync");
  gPc.iconMapBuilt = true;
}

void LoadIconFile(int entry) {
  if (entry < 1 || entry > MENU_ICON_FILE_COUNT) ABORT("LoadIconFile(): bad icon file entry");
  IconSlot& slot = gPc.icons[entry];
  const IconFormat format = CurrentIconFormat();
  if (slot.data && !SameFormat(slot.format, format)) FreeMemory(&slot.data);  // made for another screen mode
  if (slot.data) {
    SetMemoryLastUse(&slot.data, TimerTicks);
    return;
  }
  const char* path = DOSMakePath(MENUGFX_DIR, MenuIconFiles[entry].name, "gfx");
  const uint32_t size = LoadWhole(path, &slot.data);
  if (!HasGfx0Tag(slot.data, size)) {
    FreeMemory(&slot.data);
    FatalError("Error: LoadIconFile(): Bad icon file: '%s'\n", path);
  }
  const uint64_t pixels = static_cast<uint64_t>(HeaderWidth(slot.data)) * HeaderHeight(slot.data) * HeaderFrames(slot.data);
  if (size != GFX0_HEADER_SIZE + 2 * pixels) {
    FreeMemory(&slot.data);
    FatalError("Error: LoadIconFile(): icon file '%s' is wrong size\n", path);
  }
  const uint32_t count = static_cast<uint32_t>(pixels);
  if (format.cube) {
    ColConv565ToCubeTrans(slot.data + GFX0_HEADER_SIZE, count, MENU_COLOUR_KEY);
    if (count > 0) ResizeMemory(&slot.data, GFX0_HEADER_SIZE + count);
  } else {
    ColConvMemory(reinterpret_cast<void**>(&slot.data), count, GFX0_HEADER_SIZE, ColFmt565, format.direct);
  }
  slot.format = format;
  SetMemoryType(&slot.data, AutoFree);
  SetMemoryLastUse(&slot.data, TimerTicks);
}

uint8_t* GetIconAddress(int icon) {
  CheckIconNumber(icon, "GetIconAddress");
  const IconMapEntry& at = gPc.iconMap[icon];
  LoadIconFile(at.file);
  const IconSlot& slot = gPc.icons[at.file];
  const int frames = HeaderFrames(slot.data);
  if (at.frame >= frames)
    FatalError("Error: GetIconAddress(): Bad index into icon file ('%s' has %d frames)\n",
               MenuIconFiles[at.file].name, frames);
  const size_t frameBytes =
      static_cast<size_t>(HeaderWidth(slot.data)) * HeaderHeight(slot.data) * FormatBytesPerPixel(slot.format);
  return slot.data + GFX0_HEADER_SIZE + frameBytes * static_cast<size_t>(at.frame);
}

void GetIconSize(int icon, int16_t* width, int16_t* height) {
  CheckIconNumber(icon, "GetIconSize");
  const int file = gPc.iconMap[icon].file;
  LoadIconFile(file);
  const uint8_t* data = gPc.icons[file].data;
  if (width) *width = static_cast<int16_t>(HeaderWidth(data));
  if (height) *height = static_cast<int16_t>(HeaderHeight(data));
}

const char* GetIconText(int /*icon*/) {
  // No icon file carries a text table.
  return "";
}

bool IconFileLoaded(int entry) {
  return entry >= 1 && entry <= MENU_ICON_FILE_COUNT && gPc.icons[entry].data != nullptr;
}

// ---- fonts and text ----

namespace {

// Loads one file of a font unless it is in; true when it was loaded now.
bool LoadFontPart(uint8_t** owner, uint32_t* size, const char* extension, int font) {
  if (*owner) {
    SetMemoryLastUse(owner, TimerTicks);
    return false;
  }
  *size = LoadWhole(DOSMakePath(MENUGFX_DIR, MenuFontNames[font], extension), owner);
  return true;
}

[[noreturn]] void BadFont(FontSlot& f) {
  if (f.sheet) FreeMemory(&f.sheet);
  if (f.widths) FreeMemory(&f.widths);
  f.cellWidth = f.cellHeight = 0;
  FatalError("Error: LoadFont(): Bad font file\n");
}

FontSlot& CheckedFont(int font) {
  if (font < 0 || font >= MENU_FONT_COUNT) ABORT("LoadFont(): bad font number");
  return gPc.fonts[font];
}

// A "$" and two digits 00-12: the inline icon, else 0.
int InlineIconAt(const char* p) {
  if (p[0] != '$' || p[1] < '0' || p[1] > '9' || p[2] < '0' || p[2] > '9') return 0;
  int n = (p[1] - '0') * 10 + (p[2] - '0');
  return n < MENU_INLINE_ICONS ? MenuInlineIcons[n] : 0;
}

uint8_t GlyphOf(char c) { return static_cast<uint8_t>(c); }

}  // namespace

void LoadFont(int font) {
  FontSlot& f = CheckedFont(font);
  // Both stay the owner's until both are in, so loading one cannot evict the other.
  if (f.sheet) SetMemoryType(&f.sheet, ManualFree);
  if (f.widths) SetMemoryType(&f.widths, ManualFree);
  const bool newSheet = LoadFontPart(&f.sheet, &f.sheetSize, "gfx", font);
  const bool newWidths = LoadFontPart(&f.widths, &f.widthsSize, "wid", font);
  if (newSheet || newWidths) {
    if (!HasGfx0Tag(f.sheet, f.sheetSize)) BadFont(f);
    const uint32_t w = HeaderWidth(f.sheet), h = HeaderHeight(f.sheet);
    const uint64_t expected =
        GFX0_HEADER_SIZE + static_cast<uint64_t>(MENU_FONT_GLYPHS) * MENU_FONT_BYTES_PER_PIXEL * w * h;
    if (f.sheetSize != expected || f.widthsSize != static_cast<uint32_t>(MENU_FONT_GLYPHS)) BadFont(f);
    for (int g = 0; g < MENU_FONT_GLYPHS; ++g)
      if (f.widths[g] > w) BadFont(f);
  }
  f.cellWidth = HeaderWidth(f.sheet);
  f.cellHeight = HeaderHeight(f.sheet);
  SetMemoryType(&f.sheet, AutoFree);
  SetMemoryType(&f.widths, AutoFree);
}

void SetMenuFont(int font) { gPc.font = font; }
int GetMenuFont() { return gPc.font; }
void SetMenuTextColour(int colour) { gPc.textColour = colour; }
int GetMenuTextColour() { return gPc.textColour; }

int32_t MenuFontCellWidth(int font) { return CheckedFont(font).cellWidth; }
int32_t MenuFontCellHeight(int font) { return CheckedFont(font).cellHeight; }

void MeasureFontString(const char* text, int32_t* width, int32_t* height) {
  LoadFont(gPc.font);
  int32_t total = 0;
  for (const char* p = text ? text : ""; *p;) {
    if (int icon = InlineIconAt(p)) {
      int32_t w = 0, h = 0;
      if (MenuInlineIconSizer) {
        MenuInlineIconSizer(icon, &w, &h);
      } else {
        int16_t w16 = 0, h16 = 0;
        GetIconSize(icon, &w16, &h16);
        w = w16;
      }
      total += w;
      p += 3;
      LoadFont(gPc.font);  // the icon's file may have pushed the font out
      continue;
    }
    total += gPc.fonts[gPc.font].widths[GlyphOf(*p)];
    ++p;
  }
  if (width) *width = total;
  if (height) *height = gPc.fonts[gPc.font].cellHeight;
}

void DrawFontString(const char* text, int32_t x, int32_t y) {
  LoadFont(gPc.font);
  int32_t pen = x;
  for (const char* p = text ? text : ""; *p;) {
    if (int icon = InlineIconAt(p)) {
      if (MenuInlineIconDrawer) MenuInlineIconDrawer(icon, pen, y);
      int16_t w = 0, h = 0;
      GetIconSize(icon, &w, &h);
      pen += w;
      p += 3;
      LoadFont(gPc.font);  // the icon's file may have pushed the font out
      continue;
    }
    const FontSlot& f = gPc.fonts[gPc.font];
    const uint8_t g = GlyphOf(*p);
    const int32_t advance = f.widths[g];
    const size_t cellBytes = static_cast<size_t>(MENU_FONT_BYTES_PER_PIXEL) * f.cellWidth * f.cellHeight;
    BufferDrawGlyph(pen, y, advance, f.cellHeight, f.sheet + GFX0_HEADER_SIZE + g * cellBytes,
                    MENU_FONT_BYTES_PER_PIXEL * (f.cellWidth - advance));
    pen += advance;
    ++p;
  }
}

void BufferDrawGlyph(int32_t x, int32_t y, int32_t w, int32_t h, const uint8_t* source, int32_t sourceSkip) {
  if (!CanDraw(x, y, w, h) || !source || sourceSkip < 0) return;
  if (gPc.textColour < 0 || gPc.textColour >= MENU_TEXT_COLOURS) ABORT("BufferDrawGlyph(): bad text colour");
  AddDirtyRect(x, y, w, h);
  const uint16_t colour = MenuTextColours[gPc.textColour];
  const int32_t bpp = gPc.bytesPerPixel;
  const uint8_t* from = source;
  if (bpp == 1) {
    // Seven shades from black up to the colour, channel by channel.
    uint8_t shades[7];
    const uint32_t r = colour >> 11, g = (colour >> 5) & 0x3F, b = colour & 0x1F;
    for (uint32_t i = 0; i < 7; ++i)
      shades[i] = ColConv565ToCubeIndex(static_cast<uint16_t>((r * i / 6) << 11 | (g * i / 6) << 5 | (b * i / 6)));
    for (int32_t row = y; row < y + h; ++row, from += sourceSkip) {
      uint8_t* to = BufferAt(gPc.buffer, x, row);
      for (int32_t col = 0; col < w; ++col, ++to, from += MENU_FONT_BYTES_PER_PIXEL) {
        const int level = (from[0] * 7) >> 8;
        if (level > 0) *to = shades[level];
      }
    }
    return;
  }
  const ColFmt& fmt = GfxScreen.colourFormat;
  const uint32_t text = ColConvPixel(colour, ColFmt565, ColFmtRGB888);
  const uint32_t solid = ColConvPixel(text, ColFmtRGB888, fmt);
  for (int32_t row = y; row < y + h; ++row, from += sourceSkip) {
    uint8_t* to = BufferAt(gPc.buffer, x, row);
    for (int32_t col = 0; col < w; ++col, to += bpp, from += MENU_FONT_BYTES_PER_PIXEL) {
      const uint8_t a = from[0];
      if (a == 0) continue;
      if (a == 255) {
        WritePixel(to, solid, bpp);
        continue;
      }
      const uint32_t back = ColConvPixel(ReadPixel(to, bpp), fmt, ColFmtRGB888);
      WritePixel(to, ColConvPixel(BlendRGB(back, text, a), ColFmtRGB888, fmt), bpp);
    }
  }
}
