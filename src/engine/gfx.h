// The graphics layer: display modes and the screen, simple drawing on it,
// screen grabs; and the 8-bit byte blitters and off-screen buffers.
#pragma once

#include <cstdint>

#include "engine/colconv.h"

// --- off-screen 8-bit buffers and byte blitters -------------------------------

struct GfxBuffer {
  int16_t w, h;
  uint8_t* pixels;  // owner pointer of the pixel block; row 0 first
  int32_t width, height;
  int32_t stride;  // width + 15 with the low four bits cleared
};

// The built-in 8 x 8 font: glyph n for character n, bit 7 leftmost.
extern const uint8_t GfxFont8x8[256][8];

// Sizes in bytes; skip = bytes from the end of one row to the start of the next.
void BlitCopy(int rows, int width, const uint8_t* source, int sourceSkip, uint8_t* dest, int destSkip);
void BlitCopyTrans(int rows, int width, const uint8_t* source, int sourceSkip, uint8_t* dest, int destSkip);
void BlitFill(uint32_t pattern, int rows, int width, uint8_t* dest, int destSkip);
// A packed source image scaled (nearest pixel) to target width x height with
// its top-left corner at dest + y x stride + x. The caller keeps it inside the
// destination; the buffer versions below clip.
void BlitScaled(int x, int y, int sourceWidth, int sourceHeight, const uint8_t* source, int targetWidth,
                int targetHeight, uint8_t* dest, int destStride);
void BlitScaledTrans(int x, int y, int sourceWidth, int sourceHeight, const uint8_t* source, int targetWidth,
                     int targetHeight, uint8_t* dest, int destStride);

void CreateBuffer(GfxBuffer** owner, int width, int height);
void DestroyBuffer(GfxBuffer** owner);
// Drawing into a buffer; everything is clipped to the buffer.
void BufferBlitScaled(GfxBuffer* buffer, int16_t x, int16_t y, int16_t sourceWidth, int16_t sourceHeight,
                      int16_t targetWidth, int16_t targetHeight, const uint8_t* source);
void BufferBlitScaledTrans(GfxBuffer* buffer, int16_t x, int16_t y, int16_t sourceWidth, int16_t sourceHeight,
                           int16_t targetWidth, int16_t targetHeight, const uint8_t* source);
void BufferDrawChar(GfxBuffer* buffer, int16_t x, int16_t y, uint8_t character);
void BufferPrintString(GfxBuffer* buffer, int16_t x, int16_t y, const char* text);
void BufferPrintf(GfxBuffer* buffer, int16_t x, int16_t y, const char* format, ...)
    __attribute__((format(printf, 4, 5)));
void BufferDrawLine(GfxBuffer* buffer, int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t colour);

// --- display modes and the screen -----------------------------------------------

// One entry of the mode list (kept in memory only, so naturally aligned).
struct GfxMode {
  uint16_t width;
  uint16_t height;
  uint16_t bytesPerPixel;
  uint8_t type;  // 0 8-bit palettised, 1 16-bit, 2 24-bit, 3 32-bit
  uint16_t flags;  // bit 0: the selected 3D device renders at this depth
  uint16_t standardVga;
};

constexpr int MAX_GFX_MODES = 1024;
extern GfxMode GfxModeList[MAX_GFX_MODES];
extern uint16_t GfxModeCount;
extern const char* const GfxModeTypeNames[4];

enum : uint16_t { GFX_STATE_NONE = 0, GFX_STATE_PALETTE = 1, GFX_STATE_DIRECT = 2 };
extern uint16_t GfxState;

// Mode flags of SetGraphicMode.
enum : uint16_t { GFX_MODE_FLIP = 1, GFX_MODE_D3D = 2, GFX_MODE_ZBUFFER = 4, GFX_MODE_STENCIL = 8 };

struct GfxScreenInfo {
  uint8_t palette[768];  // 6-bit components
  uint32_t width, height;
  ColFmt colourFormat;  // all zero in a palettised mode
  uint16_t initFlags;
  uint16_t modeFlags;
};
extern GfxScreenInfo GfxScreen;

void GfxInit(uint16_t flags);
void GfxUninit();
int GfxIsInitialised();
void SetGraphicMode(int16_t mode, uint16_t flags);
void RestoreGraphicMode();
int GfxInGraphicMode();
void SetPalette(uint8_t* rgb);
void GfxFlip();

int16_t GfxFindMode(int width, int height, int type);
int16_t GfxFindModeFlags(int width, int height, int type, uint16_t mask, uint16_t wanted);
int16_t GfxFindSmallestMode(int width, int height, int type, uint16_t mask, uint16_t wanted);
int16_t GfxFindSmallestModeAny(int width, int height, int type);
void GfxSortModes();
void GfxClearModeList();

// Drawing on the screen, clipped to it; nothing happens without a mode.
void GfxFillRect(int x, int y, int width, int height, uint8_t colour);
void GfxClearScreen();
void GfxGetRect(int x, int y, int width, int height, void* dest);
void GfxPutRect(int x, int y, int width, int height, const void* source);
// The source rows lie sourceSkip pixels apart beyond the row length.
void GfxPutRectStride(int x, int y, int width, int height, const void* source, int sourceSkip);
void ShowDBuffer(int x, int y, const GfxBuffer* buffer, int sourceX, int sourceY, int width, int height);
void DrawGraphicTrans(int x, int y, int width, int height, const uint8_t* source);
void GfxPutPixel(int x, int y, uint32_t colour);
uint32_t GfxGetPixel(int x, int y);
void GfxDrawLine(int x1, int y1, int x2, int y2, uint32_t colour);
void GfxDrawChar(int x, int y, uint8_t character);
void GfxPrintString(int x, int y, const char* text);
void GfxPrintf(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void GfxScreenGrab();
// Writes the rectangle of the screen as a TGA file; false when it cannot.
bool GfxWriteGrab(const char* name, int x, int y, int width, int height);
// Writes an 8-bit buffer as a palettised TGA file, with a palette of 256
// (red, green, blue) byte triples; false when it cannot.
bool GfxWriteTga8(const char* name, const GfxBuffer& buffer, const uint8_t* palette);

// Forgets the graphics state without platform calls (tests).
void GfxReset();
