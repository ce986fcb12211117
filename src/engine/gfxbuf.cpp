// 8-bit byte blitters and off-screen buffers.
#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"

#define ABORT_FILE "gfx"

namespace {

// The scaled copy in 16.16 fixed point: target pixel (i, j) takes source
// column i x step / 65536 and row j x step / 65536, as accumulated. Pixels
// outside clipWidth x clipHeight (when given) are not written.
void ScaledLoop(int x, int y, int sourceWidth, int sourceHeight, const uint8_t* source, int targetWidth,
                int targetHeight, uint8_t* dest, int destStride, bool transparent, int clipWidth, int clipHeight) {
  if (targetWidth <= 0 || targetHeight <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
  uint32_t xStep = static_cast<uint32_t>((static_cast<int64_t>(sourceWidth) << 16) / targetWidth);
  uint32_t yStep = static_cast<uint32_t>((static_cast<int64_t>(sourceHeight) << 16) / targetHeight);
  uint32_t xInt = xStep >> 16, xFrac = xStep & 0xFFFF, yInt = yStep >> 16, yFrac = yStep & 0xFFFF;
  size_t sourceRow = 0;
  uint32_t rowFraction = 0;
  for (int j = 0; j < targetHeight; ++j) {
    int ty = y + j;
    bool rowInside = clipHeight < 0 || (ty >= 0 && ty < clipHeight);
    if (rowInside) {
      size_t s = sourceRow;
      uint32_t fraction = 0;
      for (int i = 0; i < targetWidth; ++i) {
        int tx = x + i;
        uint8_t v = source[s];
        if ((clipWidth < 0 || (tx >= 0 && tx < clipWidth)) && (!transparent || v))
          dest[static_cast<ptrdiff_t>(ty) * destStride + tx] = v;
        fraction += xFrac;
        s += xInt + (fraction >> 16);
        fraction &= 0xFFFF;
      }
    }
    rowFraction += yFrac;
    sourceRow += static_cast<size_t>(yInt + (rowFraction >> 16)) * sourceWidth;
    rowFraction &= 0xFFFF;
  }
}

void PutBufferPixel(GfxBuffer* b, int x, int y, uint8_t colour) {
  if (x < 0 || y < 0 || x >= b->width || y >= b->height) return;
  b->pixels[static_cast<ptrdiff_t>(y) * b->stride + x] = colour;
}

}  // namespace

void BlitCopy(int rows, int width, const uint8_t* source, int sourceSkip, uint8_t* dest, int destSkip) {
  for (int r = 0; r < rows; ++r) {
    std::memcpy(dest, source, static_cast<size_t>(width));
    source += width + sourceSkip;
    dest += width + destSkip;
  }
}

void BlitCopyTrans(int rows, int width, const uint8_t* source, int sourceSkip, uint8_t* dest, int destSkip) {
  for (int r = 0; r < rows; ++r) {
    for (int i = 0; i < width; ++i)
      if (source[i]) dest[i] = source[i];
    source += width + sourceSkip;
    dest += width + destSkip;
  }
}

void BlitFill(uint32_t pattern, int rows, int width, uint8_t* dest, int destSkip) {
  for (int r = 0; r < rows; ++r) {
    std::memset(dest, static_cast<int>(pattern & 0xFF), static_cast<size_t>(width));
    dest += width + destSkip;
  }
}

void BlitScaled(int x, int y, int sourceWidth, int sourceHeight, const uint8_t* source, int targetWidth,
                int targetHeight, uint8_t* dest, int destStride) {
  ScaledLoop(x, y, sourceWidth, sourceHeight, source, targetWidth, targetHeight, dest, destStride, false, -1, -1);
}

void BlitScaledTrans(int x, int y, int sourceWidth, int sourceHeight, const uint8_t* source, int targetWidth,
                     int targetHeight, uint8_t* dest, int destStride) {
  ScaledLoop(x, y, sourceWidth, sourceHeight, source, targetWidth, targetHeight, dest, destStride, true, -1, -1);
}

void CreateBuffer(GfxBuffer** owner, int width, int height) {
  int stride = (width + 15) & ~15;
  DPRINT(DEBUG_GRAPHICS, 30, "CreateBuffer(): making buffer %d,%d (%d bytes/line)\n", width, height, stride);
  AllocateMemory(owner, sizeof(GfxBuffer), ManualNoMove);
  GfxBuffer* b = *owner;
  b->w = static_cast<int16_t>(width);
  b->h = static_cast<int16_t>(height);
  b->width = width;
  b->height = height;
  b->stride = stride;
  b->pixels = nullptr;
  AllocateMemory(&b->pixels, static_cast<uint32_t>(height * stride), ManualFree);
}

void DestroyBuffer(GfxBuffer** owner) {
  GfxBuffer* b = *owner;
  DPRINT(DEBUG_GRAPHICS, 30, "DestroyBuffer(): destroying buffer %d,%d\n", b->width, b->height);
  FreeMemory(&b->pixels);
  FreeMemory(owner);
}

void BufferBlitScaled(GfxBuffer* b, int16_t x, int16_t y, int16_t sourceWidth, int16_t sourceHeight,
                      int16_t targetWidth, int16_t targetHeight, const uint8_t* source) {
  ScaledLoop(x, y, sourceWidth, sourceHeight, source, targetWidth, targetHeight, b->pixels, b->stride, false,
             b->width, b->height);
}

void BufferBlitScaledTrans(GfxBuffer* b, int16_t x, int16_t y, int16_t sourceWidth, int16_t sourceHeight,
                           int16_t targetWidth, int16_t targetHeight, const uint8_t* source) {
  ScaledLoop(x, y, sourceWidth, sourceHeight, source, targetWidth, targetHeight, b->pixels, b->stride, true,
             b->width, b->height);
}

void BufferDrawChar(GfxBuffer* b, int16_t x, int16_t y, uint8_t character) {
  const uint8_t* glyph = GfxFont8x8[character];
  for (int row = 0; row < 8; ++row) {
    uint8_t mask = 0x80;
    for (int col = 0; col < 8; ++col, mask >>= 1) PutBufferPixel(b, x + col, y + row, (glyph[row] & mask) ? 0xFF : 0);
  }
}

void BufferPrintString(GfxBuffer* b, int16_t x, int16_t y, const char* text) {
  for (int i = 0; text[i]; ++i) BufferDrawChar(b, static_cast<int16_t>(x + 8 * i), y, static_cast<uint8_t>(text[i]));
}

void BufferPrintf(GfxBuffer* b, int16_t x, int16_t y, const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  BufferPrintString(b, x, y, text);
}

void BufferDrawLine(GfxBuffer* b, int16_t x1, int16_t y1, int16_t x2, int16_t y2, uint8_t colour) {
  int16_t dx = static_cast<int16_t>(x2 - x1 < 0 ? x1 - x2 : x2 - x1);
  int16_t dy = static_cast<int16_t>(y2 - y1 < 0 ? y1 - y2 : y2 - y1);
  int16_t sx = x2 - x1 > 0 ? 1 : -1, sy = y2 - y1 > 0 ? 1 : -1;
  int16_t x = x1, y = y1;
  if (dy > dx) {
    int16_t error = static_cast<int16_t>(2 * dx - dy);
    for (int n = 0; n < dy; ++n) {
      PutBufferPixel(b, x, y, colour);
      while (error >= 0) {
        x = static_cast<int16_t>(x + sx);
        error = static_cast<int16_t>(error - 2 * dy);
      }
      y = static_cast<int16_t>(y + sy);
      error = static_cast<int16_t>(error + 2 * dx);
    }
  } else {
    int16_t error = static_cast<int16_t>(2 * dy - dx);
    for (int n = 0; n < dx; ++n) {
      PutBufferPixel(b, x, y, colour);
      while (error >= 0) {
        y = static_cast<int16_t>(y + sy);
        error = static_cast<int16_t>(error - 2 * dx);
      }
      x = static_cast<int16_t>(x + sx);
      error = static_cast<int16_t>(error + 2 * dy);
    }
  }
}
