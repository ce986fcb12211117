// Display modes, the screen and drawing on it, screen grabs.
#include "engine/gfx.h"

#include <algorithm>
#include <cstdarg>
#include <cstddef>
#include <cstdlib>
#include <cstring>

#include "engine/debug.h"
#include "engine/dxdraw.h"
#include "engine/input.h"
#include "engine/onexit.h"
#include "engine/reset.h"

#define ABORT_FILE "gfx"

GfxMode GfxModeList[MAX_GFX_MODES];
uint16_t GfxModeCount;
const char* const GfxModeTypeNames[4] = {"256 colour", "16 bit colour", "24 bit colour", "32 bit colour"};
uint16_t GfxState;
GfxScreenInfo GfxScreen;

namespace {

uint16_t gGfxInitialised;

int BytesPerPixel() { return GfxState == GFX_STATE_DIRECT ? static_cast<int>(GfxScreen.colourFormat.bytesPerPixel) : 1; }

// Clips x, y, width, height to the screen; the source offsets say how far
// the rectangle moved. False when nothing is left.
bool ClipToScreen(int* x, int* y, int* width, int* height, int* sourceX, int* sourceY) {
  int sw = static_cast<int>(GfxScreen.width), sh = static_cast<int>(GfxScreen.height);
  *sourceX = *sourceY = 0;
  if (*x < 0) {
    *sourceX = -*x;
    *width += *x;
    *x = 0;
  }
  if (*y < 0) {
    *sourceY = -*y;
    *height += *y;
    *y = 0;
  }
  if (*x + *width > sw) *width = sw - *x;
  if (*y + *height > sh) *height = sh - *y;
  return *width > 0 && *height > 0;
}

uint8_t* ScreenAt(GfxBuffer* screen, int x, int y) {
  return screen->pixels + static_cast<ptrdiff_t>(y) * screen->stride + x * BytesPerPixel();
}

void WritePixel(GfxBuffer* screen, int x, int y, uint32_t colour) {
  if (x < 0 || y < 0 || x >= static_cast<int>(GfxScreen.width) || y >= static_cast<int>(GfxScreen.height)) return;
  uint8_t* p = ScreenAt(screen, x, y);
  for (int i = 0; i < BytesPerPixel(); ++i) p[i] = static_cast<uint8_t>(colour >> (8 * i));
}

uint32_t AllOnes() {
  int bpp = BytesPerPixel();
  return bpp >= 4 ? 0xFFFFFFFFu : (1u << (8 * bpp)) - 1;
}

void DrawGlyph(GfxBuffer* screen, int x, int y, uint8_t character) {
  const uint8_t* glyph = GfxFont8x8[character];
  uint32_t on = AllOnes();
  for (int row = 0; row < 8; ++row) {
    uint8_t mask = 0x80;
    for (int col = 0; col < 8; ++col, mask >>= 1) WritePixel(screen, x + col, y + row, (glyph[row] & mask) ? on : 0);
  }
}

}  // namespace

// --- start-up and modes -----------------------------------------------------------

void GfxInit(uint16_t flags) {
  if (gGfxInitialised) ABORT("GfxInit(): already initialised");
  gGfxInitialised = 1;
  GfxScreen.initFlags = flags;
  DDrawInit(flags & 1);
  GfxSortModes();
  if (DebugLevel(DEBUG_GRAPHICS) >= 10) {
    std::printf("GfxInit(): available modes:\n");
    for (int i = 0; i < GfxModeCount; ++i) {
      const GfxMode& m = GfxModeList[i];
      std::printf("%4d: %dx%d %s%s\n", i, m.width, m.height, GfxModeTypeNames[m.type & 3],
                  (m.flags & 1) ? " (3d support)" : "");
    }
  }
  OnExitAddEx(GfxUninit, "GfxUninit()");
}

void GfxUninit() {
  if (!gGfxInitialised) ABORT("GfxUninit(): not initialised");
  OnExitRemove(GfxUninit);
  gGfxInitialised = 0;
  GfxScreen.initFlags = 0;
  DDrawUninit();
}

int GfxIsInitialised() { return gGfxInitialised; }

void SetGraphicMode(int16_t mode, uint16_t flags) {
  if (GfxState != GFX_STATE_NONE)
    FatalError("Error: SetGraphicMode(): Cannot set graphics mode when already in graphics mode\n");
  if (mode < 0 || mode >= GfxModeCount) FatalError("Error: SetGraphicMode(): Bad mode number\n");
  const GfxMode& m = GfxModeList[mode];
  GfxScreen.width = m.width;
  GfxScreen.height = m.height;
  GfxScreen.modeFlags = flags;
  DDrawSetMode(m, flags & 15);
  if (m.type == 0) {
    for (int i = 0; i < 256; ++i) std::memset(GfxScreen.palette + 3 * i, i / 4, 3);
    GfxState = GFX_STATE_PALETTE;
    std::memset(&GfxScreen.colourFormat, 0, sizeof GfxScreen.colourFormat);
  } else {
    DDrawGetScreenColourFormat(&GfxScreen.colourFormat);
    GfxState = GFX_STATE_DIRECT;
  }
  OnExitAddEx(RestoreGraphicMode, "RestoreGraphicMode()");
  MarkMouseDriverNotReady();
}

void RestoreGraphicMode() {
  // Without a mode there is no exit-list entry to remove either.
  if (GfxState == GFX_STATE_NONE) FatalError("Error: RestoreGraphicMode(): Cannot restore graphics mode - no mode set\n");
  OnExitRemove(RestoreGraphicMode);
  GfxClearScreen();
  DDrawRestoreMode();
  GfxState = GFX_STATE_NONE;
  GfxScreen.width = GfxScreen.height = 0;
}

int GfxInGraphicMode() { return GfxState != GFX_STATE_NONE ? 1 : 0; }

void SetPalette(uint8_t* rgb) {
  std::memset(rgb, 0, 3);
  std::memset(rgb + 765, 63, 3);
  if (GfxState == GFX_STATE_PALETTE) {
    std::memcpy(GfxScreen.palette, rgb, 768);
    DDrawSetPalette(GfxScreen.palette);
  } else if (GfxState == GFX_STATE_DIRECT) {
    FatalError("Error: SetPalette(): Cannot set palette in hi-colour modes!\n");
  }
}

void GfxFlip() {
  if (!(GfxScreen.modeFlags & GFX_MODE_FLIP)) ABORT("GfxFlip(): mode is not a flippable mode");
  DDrawFlipBuffers();
}

void GfxSortModes() {
  if (GfxModeCount == 0) return;
  std::stable_sort(GfxModeList, GfxModeList + GfxModeCount, [](const GfxMode& a, const GfxMode& b) {
    if (a.type != b.type) return a.type < b.type;
    return static_cast<uint32_t>(a.width) * a.height < static_cast<uint32_t>(b.width) * b.height;
  });
}

void GfxClearModeList() { GfxModeCount = 0; }

int16_t GfxFindModeFlags(int width, int height, int type, uint16_t mask, uint16_t wanted) {
  for (int i = 0; i < GfxModeCount; ++i) {
    const GfxMode& m = GfxModeList[i];
    if (m.width == width && m.height == height && m.type == type && (m.flags & mask) == wanted)
      return static_cast<int16_t>(i);
  }
  return -1;
}

int16_t GfxFindMode(int width, int height, int type) {
  for (int i = 0; i < GfxModeCount; ++i) {
    const GfxMode& m = GfxModeList[i];
    if (m.width == width && m.height == height && m.type == type) return static_cast<int16_t>(i);
  }
  return -1;
}

int16_t GfxFindSmallestMode(int width, int height, int type, uint16_t mask, uint16_t wanted) {
  int16_t best = -1;
  uint32_t bestArea = 0;
  for (int i = 0; i < GfxModeCount; ++i) {
    const GfxMode& m = GfxModeList[i];
    if (m.type != type || (m.flags & mask) != wanted || m.width < width || m.height < height) continue;
    uint32_t area = static_cast<uint32_t>(m.width) * m.height;
    if (best < 0 || area < bestArea) {
      best = static_cast<int16_t>(i);
      bestArea = area;
    }
  }
  return best;
}

int16_t GfxFindSmallestModeAny(int width, int height, int type) { return GfxFindSmallestMode(width, height, type, 0, 0); }

// --- drawing ---------------------------------------------------------------------------

void GfxFillRect(int x, int y, int width, int height, uint8_t colour) {
  int sx, sy;
  if (GfxState == GFX_STATE_NONE || !ClipToScreen(&x, &y, &width, &height, &sx, &sy)) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  int bytes = width * BytesPerPixel();
  BlitFill(colour * 0x01010101u, height, bytes, ScreenAt(screen, x, y), screen->stride - bytes);
  DDrawEndDraw(&screen, x, y, width, height);
}

void GfxClearScreen() {
  if (GfxState == GFX_STATE_NONE) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  int bytes = static_cast<int>(GfxScreen.width) * BytesPerPixel();
  BlitFill(0, static_cast<int>(GfxScreen.height), bytes, screen->pixels, screen->stride - bytes);
  DDrawEndDrawFull(&screen);
}

void GfxGetRect(int x, int y, int width, int height, void* dest) {
  int fullWidth = width, sx, sy;
  if (GfxState == GFX_STATE_NONE || !ClipToScreen(&x, &y, &width, &height, &sx, &sy)) return;
  int bpp = BytesPerPixel();
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  uint8_t* to = static_cast<uint8_t*>(dest) + (static_cast<ptrdiff_t>(sy) * fullWidth + sx) * bpp;
  BlitCopy(height, width * bpp, ScreenAt(screen, x, y), screen->stride - width * bpp, to, (fullWidth - width) * bpp);
  DDrawEndDraw(&screen, 0, 0, 0, 0);
}

void GfxPutRectStride(int x, int y, int width, int height, const void* source, int sourceSkip) {
  int rowPixels = width + sourceSkip, sx, sy;
  if (GfxState == GFX_STATE_NONE || !ClipToScreen(&x, &y, &width, &height, &sx, &sy)) return;
  int bpp = BytesPerPixel();
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  const uint8_t* from = static_cast<const uint8_t*>(source) + (static_cast<ptrdiff_t>(sy) * rowPixels + sx) * bpp;
  BlitCopy(height, width * bpp, from, (rowPixels - width) * bpp, ScreenAt(screen, x, y), screen->stride - width * bpp);
  DDrawEndDraw(&screen, x, y, width, height);
}

void GfxPutRect(int x, int y, int width, int height, const void* source) {
  GfxPutRectStride(x, y, width, height, source, 0);
}

void ShowDBuffer(int x, int y, const GfxBuffer* buffer, int sourceX, int sourceY, int width, int height) {
  if (GfxState == GFX_STATE_DIRECT) {
    std::printf("Error: ShowDBuffer(): Hi-clour not supported yet\n");
    return;
  }
  if (GfxState == GFX_STATE_NONE) return;
  // Keep to the buffer first, then to the screen.
  if (sourceX < 0) x -= sourceX, width += sourceX, sourceX = 0;
  if (sourceY < 0) y -= sourceY, height += sourceY, sourceY = 0;
  width = std::min(width, buffer->width - sourceX);
  height = std::min(height, buffer->height - sourceY);
  int sx, sy;
  if (width <= 0 || height <= 0 || !ClipToScreen(&x, &y, &width, &height, &sx, &sy)) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  const uint8_t* from = buffer->pixels + static_cast<ptrdiff_t>(sourceY + sy) * buffer->stride + sourceX + sx;
  BlitCopy(height, width, from, buffer->stride - width, ScreenAt(screen, x, y), screen->stride - width);
  DDrawEndDraw(&screen, x, y, width, height);
}

void DrawGraphicTrans(int x, int y, int width, int height, const uint8_t* source) {
  if (GfxState == GFX_STATE_DIRECT)
    ABORT("DrawGraphicTrans(): I havn't written a direct colour direct to screen transparent for windows yet");
  int fullWidth = width, sx, sy;
  if (GfxState == GFX_STATE_NONE || !ClipToScreen(&x, &y, &width, &height, &sx, &sy)) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  BlitCopyTrans(height, width, source + static_cast<ptrdiff_t>(sy) * fullWidth + sx, fullWidth - width,
                ScreenAt(screen, x, y), screen->stride - width);
  DDrawEndDraw(&screen, x, y, width, height);
}

void GfxPutPixel(int x, int y, uint32_t colour) {
  if (GfxState == GFX_STATE_NONE) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  WritePixel(screen, x, y, colour);
  DDrawEndDraw(&screen, x, y, 1, 1);
}

uint32_t GfxGetPixel(int x, int y) {
  if (GfxState == GFX_STATE_NONE) return 0;
  if (x < 0 || y < 0 || x >= static_cast<int>(GfxScreen.width) || y >= static_cast<int>(GfxScreen.height)) return 0;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  const uint8_t* p = ScreenAt(screen, x, y);
  uint32_t v = 0;
  for (int i = 0; i < BytesPerPixel(); ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  DDrawEndDraw(&screen, 0, 0, 0, 0);
  return v;
}

void GfxDrawLine(int x1, int y1, int x2, int y2, uint32_t colour) {
  if (GfxState == GFX_STATE_NONE) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
  int sx = x2 - x1 > 0 ? 1 : -1, sy = y2 - y1 > 0 ? 1 : -1;
  int x = x1, y = y1;
  if (dy > dx) {
    int error = 2 * dx - dy;
    for (int n = 0; n < dy; ++n) {
      WritePixel(screen, x, y, colour);
      while (error >= 0) x += sx, error -= 2 * dy;
      y += sy;
      error += 2 * dx;
    }
  } else {
    int error = 2 * dy - dx;
    for (int n = 0; n < dx; ++n) {
      WritePixel(screen, x, y, colour);
      while (error >= 0) y += sy, error -= 2 * dx;
      x += sx;
      error += 2 * dy;
    }
  }
  DDrawEndDraw(&screen, std::min(x1, x2), std::min(y1, y2), dx + 1, dy + 1);
}

void GfxDrawChar(int x, int y, uint8_t character) {
  if (GfxState == GFX_STATE_NONE) return;
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  DrawGlyph(screen, x, y, character);
  DDrawEndDraw(&screen, x, y, 8, 8);
}

void GfxPrintString(int x, int y, const char* text) {
  if (GfxState == GFX_STATE_NONE) return;
  int length = static_cast<int>(std::strlen(text));
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  uint32_t on = AllOnes();
  for (int i = 0; i < length; ++i) {
    const uint8_t* glyph = GfxFont8x8[static_cast<uint8_t>(text[i])];
    for (int row = 0; row < 8; ++row)
      for (int col = 0; col < 8; ++col) GfxPutPixel(x + 8 * i + col, y + row, (glyph[row] & (0x80 >> col)) ? on : 0);
  }
  DDrawEndDraw(&screen, x, y, 8 * length, 8);
}

void GfxPrintf(int x, int y, const char* format, ...) {
  if (GfxState == GFX_STATE_NONE) return;
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  int length = static_cast<int>(std::strlen(text));
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  for (int i = 0; i < length; ++i) GfxDrawChar(x + 8 * i, y, static_cast<uint8_t>(text[i]));
  DDrawEndDraw(&screen, x, y, 8 * length, 8);
}

// --- screen grabs -----------------------------------------------------------------------

namespace {

// The 18-byte TGA header: uncompressed, top row first; a palettised image
// has 256 colour-map entries of 24 bits.
void WriteTgaHeader(FILE* f, bool palettised, int width, int height) {
  uint8_t header[18] = {};
  header[1] = palettised ? 1 : 0;
  header[2] = palettised ? 1 : 2;
  header[5] = palettised ? 0x00 : 0;
  header[6] = palettised ? 0x01 : 0;
  header[7] = palettised ? 24 : 0;
  header[12] = static_cast<uint8_t>(width);
  header[13] = static_cast<uint8_t>(width >> 8);
  header[14] = static_cast<uint8_t>(height);
  header[15] = static_cast<uint8_t>(height >> 8);
  header[16] = palettised ? 8 : 24;
  header[17] = 0x20;
  std::fwrite(header, 1, sizeof header, f);
}

}  // namespace

bool GfxWriteTga8(const char* name, const GfxBuffer& buffer, const uint8_t* palette) {
  FILE* f = PlatOpenFile(name, "wb");
  if (!f) {
    std::printf("Error: Cannot write '%s'\n", name);
    return false;
  }
  WriteTgaHeader(f, true, buffer.width, buffer.height);
  for (int i = 0; i < 256; ++i)
    for (int c = 2; c >= 0; --c) std::fputc(palette[3 * i + c], f);
  for (int y = 0; y < buffer.height; ++y)
    std::fwrite(buffer.pixels + static_cast<size_t>(y) * buffer.stride, 1, static_cast<size_t>(buffer.width), f);
  const bool ok = std::fclose(f) == 0;
  if (!ok) std::printf("Error: Cannot write '%s'\n", name);
  return ok;
}

bool GfxWriteGrab(const char* name, int x, int y, int width, int height) {
  if (GfxState == GFX_STATE_NONE) {
    std::printf("Error: Cannot save screen grab\n");
    return false;
  }
  FILE* f = PlatOpenFile(name, "wb");
  if (!f) {
    std::printf("Error: Cannot save screen grab\n");
    return false;
  }
  bool palettised = GfxState == GFX_STATE_PALETTE;
  WriteTgaHeader(f, palettised, width, height);
  if (palettised) {
    for (int i = 0; i < 256; ++i)
      for (int c = 2; c >= 0; --c) {
        uint8_t v = GfxScreen.palette[3 * i + c];
        std::fputc(((v << 2) | (v >> 4)) & 0xFF, f);
      }
  }
  GfxBuffer* screen;
  DDrawBeginDraw(&screen);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      int px = x + i, py = y + j;
      bool inside = px >= 0 && py >= 0 && px < static_cast<int>(GfxScreen.width) && py < static_cast<int>(GfxScreen.height);
      uint32_t v = 0;
      if (inside) {
        const uint8_t* p = ScreenAt(screen, px, py);
        for (int b = 0; b < BytesPerPixel(); ++b) v |= static_cast<uint32_t>(p[b]) << (8 * b);
      }
      if (palettised) {
        std::fputc(static_cast<int>(v & 0xFF), f);
      } else {
        uint32_t c = ColConvPixel(v, GfxScreen.colourFormat, ColFmtRGB888);
        std::fputc((c >> 16) & 0xFF, f);
        std::fputc((c >> 8) & 0xFF, f);
        std::fputc(c & 0xFF, f);
      }
    }
  }
  DDrawEndDraw(&screen, 0, 0, 0, 0);
  bool ok = std::fclose(f) == 0;
  if (!ok) std::printf("Error: Cannot save screen grab\n");
  return ok;
}

void GfxScreenGrab() {
  char name[32];
  for (int n = 1; n <= 9999; ++n) {
    std::snprintf(name, sizeof name, "grab%04d.tga", n);
    if (FILE* f = PlatOpenFile(name, "rb")) {
      std::fclose(f);
      continue;
    }
    if (GfxWriteGrab(name, 0, 0, static_cast<int>(GfxScreen.width), static_cast<int>(GfxScreen.height))) {
      std::printf("\a");
      std::fflush(stdout);
    }
    return;
  }
  std::printf("Error: too many screen grabs\n");
}

void GfxReset() {
  gGfxInitialised = 0;
  GfxState = GFX_STATE_NONE;
  GfxModeCount = 0;
  std::memset(&GfxScreen, 0, sizeof GfxScreen);
}
REGISTER_RESET(RESET_ENGINE, GfxReset);
