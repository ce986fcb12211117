// Colour formats and conversion.
#include "engine/colconv.h"

#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/mem_win.h"

#define ABORT_FILE "colconv"

namespace {

constexpr ColComponent C(uint32_t shift, uint32_t bits) {
  return {shift, bits, bits ? ((bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1)) << shift) : 0u};
}
constexpr ColComponent kNone{0, 0, 0};

uint8_t* Bytes(void* p) { return static_cast<uint8_t*>(p); }
const uint8_t* Bytes(const void* p) { return static_cast<const uint8_t*>(p); }

uint32_t Extract(uint32_t v, const ColComponent& c) { return (v & c.mask) >> c.shift; }

// An 8-bit alpha brought to the format's alpha width.
uint32_t AlphaTo(uint32_t alpha, uint32_t bits) {
  alpha &= 0xFF;
  if (bits == 0) return 0;
  if (bits <= 8) return alpha >> (8 - bits);
  uint32_t w = alpha << (bits - 8), out = w;
  while (w) {
    w >>= 8;
    out |= w;
  }
  return out;
}

}  // namespace

const ColFmt ColFmt565 = {C(11, 5), C(5, 6), C(0, 5), kNone, 0xFFFF, 2, 16};
const ColFmt ColFmtRGB888 = {C(0, 8), C(8, 8), C(16, 8), kNone, 0xFFFFFF, 3, 24};
const ColFmt ColFmtARGB8888 = {C(16, 8), C(8, 8), C(0, 8), C(24, 8), 0xFFFFFFFF, 4, 32};
const ColFmt ColFmtABGR8888 = {C(0, 8), C(8, 8), C(16, 8), C(24, 8), 0xFFFFFFFF, 4, 32};
const ColFmt ColFmtPal666 = {C(0, 6), C(8, 6), C(16, 6), kNone, 0x3F3F3F, 3, 24};

void Mask2ColComponent(uint32_t mask, ColComponent* out) {
  out->mask = mask;
  out->shift = 0;
  out->bits = 0;
  if (mask == 0) return;
  while (!(mask & (1u << out->shift))) ++out->shift;
  while (out->shift + out->bits < 32 && (mask & (1u << (out->shift + out->bits)))) ++out->bits;
  uint32_t rebuilt = (out->bits >= 32 ? 0xFFFFFFFFu : ((1u << out->bits) - 1)) << out->shift;
  if (rebuilt != mask) ABORT("Mask2ColComponent(): failed to generate correct Bits & Shift from Mask");
}

void DDrawPixelFormat2ColFmt(const PlatPixelFormat& format, ColFmt* out) {
  if (!(format.flags & (PLAT_PF_RGB | PLAT_PF_ALPHA)))
    ABORT("DDrawPixelFormat2ColFmt(): non-rgb pixel formats cannot be converted");
  std::memset(out, 0, sizeof *out);
  if (format.flags &
      (PLAT_PF_PALETTEINDEXED1 | PLAT_PF_PALETTEINDEXED2 | PLAT_PF_PALETTEINDEXED4 | PLAT_PF_PALETTEINDEXED8))
    return;
  if (format.flags & PLAT_PF_RGB) {
    Mask2ColComponent(format.rMask, &out->red);
    Mask2ColComponent(format.gMask, &out->green);
    Mask2ColComponent(format.bMask, &out->blue);
  }
  if (format.flags & (PLAT_PF_ALPHAPIXELS | PLAT_PF_ALPHA)) Mask2ColComponent(format.aMask, &out->alpha);
  out->allBits = out->red.mask | out->green.mask | out->blue.mask | out->alpha.mask;
  out->bytesPerPixel = format.bitCount / 8;
  out->bitsPerPixel = format.bitCount;
}

uint32_t ColConvertRead(const void* pixel, const ColFmt& fmt) {
  const uint8_t* p = Bytes(pixel);
  switch (fmt.bytesPerPixel) {
    case 1: return p[0];
    case 2: return p[0] | (p[1] << 8);
    case 3: return p[0] | (p[1] << 8) | (p[2] << 16);
    case 4: return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    default: ABORT("ColConvertRead(): unknown pixel format\n");
  }
}

void ColConvertWrite(void* pixel, uint32_t value, const ColFmt& fmt) {
  uint8_t* p = Bytes(pixel);
  if (fmt.bytesPerPixel < 1 || fmt.bytesPerPixel > 4) ABORT("ColConvertWrite(): unknown pixel format\n");
  for (uint32_t i = 0; i < fmt.bytesPerPixel; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t ColConvComponent(uint32_t v, uint32_t n, uint32_t m) {
  if (n == m) return v;
  if (m < n) return v >> (n - m);
  if (n == 0) return 0;
  uint32_t w = v << (m - n), result = w;
  while (w) {
    w >>= n;
    result |= w;
  }
  return result;
}

uint32_t ColConvPixel(uint32_t v, const ColFmt& from, const ColFmt& to) {
  const ColComponent* f[4] = {&from.red, &from.green, &from.blue, &from.alpha};
  const ColComponent* t[4] = {&to.red, &to.green, &to.blue, &to.alpha};
  uint32_t result = 0;
  for (int i = 0; i < 4; ++i) {
    uint32_t c = ColConvComponent(Extract(v, *f[i]), f[i]->bits, t[i]->bits);
    result += (c << t[i]->shift) & t[i]->mask;
  }
  return result;
}

uint32_t ColConvRGBA2Pixel(const ColFmt& fmt, uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha) {
  uint32_t v = ((alpha & 0xFF) << 24) | ((red & 0xFF) << 16) | ((green & 0xFF) << 8) | (blue & 0xFF);
  return ColConvPixel(v, ColFmtARGB8888, fmt);
}

void ColFmtDescribe(char* text, const ColFmt& fmt) {
  int digits = static_cast<int>(fmt.bytesPerPixel * 2);
  std::snprintf(text, 64, "%d bit R%0*X G%0*X B%0*X A%0*X", static_cast<int>(fmt.bitsPerPixel), digits,
                fmt.red.mask, digits, fmt.green.mask, digits, fmt.blue.mask, digits, fmt.alpha.mask);
}

int ColFmtIsEqual(const ColFmt& a, const ColFmt& b) {
  return a.red.mask == b.red.mask && a.green.mask == b.green.mask && a.blue.mask == b.blue.mask &&
                 a.alpha.mask == b.alpha.mask && a.allBits == b.allBits && a.bytesPerPixel == b.bytesPerPixel &&
                 a.bitsPerPixel == b.bitsPerPixel
             ? 1
             : 0;
}

void ColConvBlock(const void* source, void* destination, uint32_t count, const ColFmt& from, const ColFmt& to) {
  if (DebugLevel(DEBUG_GRAPHICS) >= 120) {
    char a[64], b[64];
    ColFmtDescribe(a, from);
    ColFmtDescribe(b, to);
    std::printf("ColConvBlock(): converting from %s to %s\n", a, b);
  }
  const uint8_t* s = Bytes(source);
  uint8_t* d = Bytes(destination);
  // Narrowing goes upwards, widening downwards, so the two may overlap.
  if (from.bytesPerPixel >= to.bytesPerPixel) {
    for (uint32_t i = 0; i < count; ++i)
      ColConvertWrite(d + i * to.bytesPerPixel, ColConvPixel(ColConvertRead(s + i * from.bytesPerPixel, from), from, to),
                      to);
  } else {
    for (uint32_t i = count; i-- > 0;)
      ColConvertWrite(d + i * to.bytesPerPixel, ColConvPixel(ColConvertRead(s + i * from.bytesPerPixel, from), from, to),
                      to);
  }
}

void ColConvMemory(void** owner, uint32_t count, uint32_t offset, const ColFmt& from, const ColFmt& to) {
  if (ColFmtIsEqual(from, to)) {
    DPRINT(DEBUG_GRAPHICS, 120, "ColConvMemory(): both formats are identical - not converting\n");
    return;
  }
  uint32_t size = count * to.bytesPerPixel + offset;
  if (to.bytesPerPixel > from.bytesPerPixel) ResizeMemory(owner, size);
  uint8_t* base = Bytes(*owner) + offset;
  ColConvBlock(base, base, count, from, to);
  if (to.bytesPerPixel < from.bytesPerPixel) ResizeMemory(owner, size);
}

void ColConvPaletted(const uint8_t* indices, const void* palette, void* destination, uint32_t count,
                     const ColFmt& paletteFmt, const ColFmt& to) {
  const uint8_t* pal = Bytes(palette);
  uint8_t* d = Bytes(destination);
  auto one = [&](uint32_t i) {
    uint32_t v = ColConvertRead(pal + indices[i] * paletteFmt.bytesPerPixel, paletteFmt);
    ColConvertWrite(d + i * to.bytesPerPixel, ColConvPixel(v, paletteFmt, to), to);
  };
  if (to.bytesPerPixel > 1) {
    for (uint32_t i = count; i-- > 0;) one(i);
  } else {
    for (uint32_t i = 0; i < count; ++i) one(i);
  }
}

void ColConvPalettedMemory(void** owner, const void* palette, uint32_t count, uint32_t offset,
                           const ColFmt& paletteFmt, const ColFmt& to) {
  if (to.bytesPerPixel > 1) ResizeMemory(owner, count * to.bytesPerPixel + offset);
  uint8_t* base = Bytes(*owner) + offset;
  ColConvPaletted(base, palette, base, count, paletteFmt, to);
}

void ColConvHalveImageSize(const void* source, void* destination, uint32_t width, uint32_t height, const ColFmt& fmt) {
  if (width == 0 || height == 0 || (width & 1) || (height & 1))
    ABORT("ColConvHalveImageSize(): width or height is odd (or zero sized)");
  const uint8_t* s = Bytes(source);
  uint8_t* d = Bytes(destination);
  uint32_t bpp = fmt.bytesPerPixel, row = width * bpp;
  const ColComponent* cs[4] = {&fmt.red, &fmt.green, &fmt.blue, &fmt.alpha};
  for (uint32_t y = 0; y < height; y += 2) {
    for (uint32_t x = 0; x < width; x += 2) {
      const uint8_t* p = s + y * row + x * bpp;
      uint32_t px[4] = {ColConvertRead(p, fmt), ColConvertRead(p + bpp, fmt), ColConvertRead(p + row, fmt),
                        ColConvertRead(p + row + bpp, fmt)};
      uint32_t out = 0;
      for (const ColComponent* c : cs) {
        uint32_t sum = 0;
        for (uint32_t v : px) sum += Extract(v, *c);
        out |= ((sum >> 2) << c->shift) & c->mask;
      }
      ColConvertWrite(d, out, fmt);
      d += bpp;
    }
  }
}

void ColConvHalveMemory(void** owner, uint32_t offset, uint32_t width, uint32_t height, const ColFmt& fmt) {
  uint8_t* base = Bytes(*owner) + offset;
  ColConvHalveImageSize(base, base, width, height, fmt);
  ResizeMemory(owner, (width / 2) * (height / 2) * fmt.bytesPerPixel + offset);
}

void ColConvSetAlpha(void* pixels, uint32_t alpha, const ColFmt& fmt, uint32_t count) {
  uint32_t a = (AlphaTo(alpha, fmt.alpha.bits) << fmt.alpha.shift) & fmt.alpha.mask;
  uint8_t* p = Bytes(pixels);
  for (uint32_t i = 0; i < count; ++i, p += fmt.bytesPerPixel)
    ColConvertWrite(p, (ColConvertRead(p, fmt) & ~fmt.alpha.mask) | a, fmt);
}

void ColConvSetAlphaByKey(void* pixels, uint32_t key, const ColFmt& fmt, uint32_t keyAlpha, uint32_t otherAlpha,
                          uint32_t count) {
  uint32_t ka = (AlphaTo(keyAlpha, fmt.alpha.bits) << fmt.alpha.shift) & fmt.alpha.mask;
  uint32_t oa = (AlphaTo(otherAlpha, fmt.alpha.bits) << fmt.alpha.shift) & fmt.alpha.mask;
  uint32_t colourBits = fmt.allBits & ~fmt.alpha.mask;
  uint8_t* p = Bytes(pixels);
  for (uint32_t i = 0; i < count; ++i, p += fmt.bytesPerPixel) {
    uint32_t v = ColConvertRead(p, fmt);
    ColConvertWrite(p, (v & ~fmt.alpha.mask) | ((v & colourBits) == (key & colourBits) ? ka : oa), fmt);
  }
}

uint8_t ColConv565ToCubeIndex(uint16_t c) {
  uint32_t r5 = (c >> 11) & 31, g6 = (c >> 5) & 63, b5 = c & 31;
  uint32_t r = r5 * 6 / 32, g = g6 * 7 / 64, b = b5 * 6 / 32;
  return static_cast<uint8_t>(1 + 42 * r + 6 * g + b);
}

void ColConv565ToCube(void* buffer, uint32_t count) {
  uint8_t* p = Bytes(buffer);
  for (uint32_t i = 0; i < count; ++i) p[i] = ColConv565ToCubeIndex(static_cast<uint16_t>(p[2 * i] | (p[2 * i + 1] << 8)));
}

void ColConv565ToCubeTrans(void* buffer, uint32_t count, uint16_t transparent) {
  uint8_t* p = Bytes(buffer);
  for (uint32_t i = 0; i < count; ++i) {
    uint16_t c = static_cast<uint16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    p[i] = c == transparent ? 0 : ColConv565ToCubeIndex(c);
  }
}

void ColConvMakeCubePalette(uint8_t* palette) {
  for (int k = 0; k < 768; ++k) palette[k] = static_cast<uint8_t>((k / 3) * 4);
  uint8_t* e = palette + 3;
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 7; ++g)
      for (int b = 0; b < 6; ++b) {
        *e++ = static_cast<uint8_t>(64 * r / 6);
        *e++ = static_cast<uint8_t>(64 * g / 7);
        *e++ = static_cast<uint8_t>(64 * b / 6);
      }
}

void ColConvPalTo565(void* buffer, const uint8_t* palette, uint32_t count) {
  uint8_t* p = Bytes(buffer);
  for (uint32_t i = count; i-- > 0;) {
    const uint8_t* e = palette + 3 * p[i];
    uint16_t w = static_cast<uint16_t>((e[0] / 2) * 2048 + e[1] * 32 + e[2] / 2);
    p[2 * i] = static_cast<uint8_t>(w);
    p[2 * i + 1] = static_cast<uint8_t>(w >> 8);
  }
}
