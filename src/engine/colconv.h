// Colour formats: describing a pixel packing, converting pixels and images
// between packings, halving images and the 6 x 7 x 6 colour cube of the
// 256-colour front end.
#pragma once

#include <cstdint>

#include "platform/platform.h"

struct ColComponent {
  uint32_t shift;  // position of the lowest bit
  uint32_t bits;   // width; 0 = the channel is absent
  uint32_t mask;   // the channel's bits in place
};

// A pixel packing; all zeros is a palettised format.
struct ColFmt {
  ColComponent red, green, blue, alpha;
  uint32_t allBits;
  uint32_t bytesPerPixel;
  uint32_t bitsPerPixel;
};

extern const ColFmt ColFmt565;
extern const ColFmt ColFmtRGB888;
extern const ColFmt ColFmtARGB8888;
extern const ColFmt ColFmtABGR8888;
extern const ColFmt ColFmtPal666;

void DDrawPixelFormat2ColFmt(const PlatPixelFormat& format, ColFmt* out);
void Mask2ColComponent(uint32_t mask, ColComponent* out);
uint32_t ColConvertRead(const void* pixel, const ColFmt& fmt);
void ColConvertWrite(void* pixel, uint32_t value, const ColFmt& fmt);
uint32_t ColConvComponent(uint32_t value, uint32_t fromBits, uint32_t toBits);
uint32_t ColConvPixel(uint32_t value, const ColFmt& from, const ColFmt& to);
uint32_t ColConvRGBA2Pixel(const ColFmt& fmt, uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha);
void ColConvBlock(const void* source, void* destination, uint32_t count, const ColFmt& from, const ColFmt& to);
void ColConvMemory(void** owner, uint32_t count, uint32_t offset, const ColFmt& from, const ColFmt& to);
void ColConvPaletted(const uint8_t* indices, const void* palette, void* destination, uint32_t count,
                     const ColFmt& paletteFmt, const ColFmt& to);
void ColConvPalettedMemory(void** owner, const void* palette, uint32_t count, uint32_t offset,
                           const ColFmt& paletteFmt, const ColFmt& to);
void ColConvHalveImageSize(const void* source, void* destination, uint32_t width, uint32_t height, const ColFmt& fmt);
void ColConvHalveMemory(void** owner, uint32_t offset, uint32_t width, uint32_t height, const ColFmt& fmt);
// Writes "%d bit R%0*X G%0*X B%0*X A%0*X"; text needs 64 characters.
void ColFmtDescribe(char* text, const ColFmt& fmt);
int ColFmtIsEqual(const ColFmt& a, const ColFmt& b);
void ColConvSetAlpha(void* pixels, uint32_t alpha, const ColFmt& fmt, uint32_t count);
void ColConvSetAlphaByKey(void* pixels, uint32_t key, const ColFmt& fmt, uint32_t keyAlpha, uint32_t otherAlpha,
                          uint32_t count);

// The colour cube: index 1 + 42 r + 6 g + b for red 0-5, green 0-6, blue 0-5.
uint8_t ColConv565ToCubeIndex(uint16_t colour);
void ColConv565ToCube(void* buffer, uint32_t count);
void ColConv565ToCubeTrans(void* buffer, uint32_t count, uint16_t transparent);
void ColConvMakeCubePalette(uint8_t* palette);  // 768 bytes of 6-bit components
void ColConvPalTo565(void* buffer, const uint8_t* palette, uint32_t count);
