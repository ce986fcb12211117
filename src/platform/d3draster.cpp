// The software rasteriser behind the 3D device: transform and lighting,
// clipping, triangle set-up on a fixed sub-pixel grid and the per-pixel work
// (texture, fog, z, stencil, blending) into the device's target and z-buffer.
//
// Everything runs in a fixed order of float and integer operations, so one
// scene drawn twice gives the same bytes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/d3dstate.h"

// The pixel loops want the optimiser's full effort (loop unswitching lifts the
// per-draw state tests out of them). Float results are unchanged: no fast
// maths, no contraction.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("O3")
#endif

// The pixel path's small helpers go inline into the pixel loops.
#define RASTER_INLINE inline __attribute__((always_inline))

namespace {

constexpr int kSub = 16;             // sub-pixel steps per pixel (4 bits of fraction)
constexpr float kGuard = 8.0f;       // guard band: clip space |x|, |y| <= kGuard * w
constexpr float kRhwLimit = 16384.0f;  // pre-transformed vertices further out are not drawn

// One decoded mip level: A8R8G8B8 texels.
struct TexLevel {
  PlatSurface* surface = nullptr;
  const uint8_t* pixels = nullptr;
  uint32_t generation = 0;
  uint32_t w = 0, h = 0;
  std::vector<uint32_t> texels;
};

// A transformed vertex: clip-space position and attributes (r, g, b, a in
// 0..255, u, v, eye depth for fog).
enum { AR, AG, AB, AA, AU, AV, AF, ACOUNT };
struct ClipVertex {
  float x, y, z, w;
  float a[ACOUNT];
};

// A vertex on screen: snapped position, depth (0..1 between the viewport's
// near and far), 1/w, and attributes (divided by w when perspective-correct).
struct ScreenVertex {
  int32_t X, Y;  // sub-pixel units
  float x, y;    // the snapped position in pixels
  float z, q;
  float a[ACOUNT];
};

// The decoded copies of the textures the device drew with last, so a scene
// that moves between a few textures decodes each once.
struct TexCache {
  PlatSurface* texture = nullptr;
  std::vector<TexLevel> levels;
  uint64_t used = 0;  // when it was last drawn with
};
constexpr size_t kTexCaches = 8;

// A decoded level as the sampler reads it.
struct LevelView {
  const uint32_t* texels = nullptr;
  uint32_t w = 0, h = 0;
  float fw = 0, fh = 0;  // the sizes as floats
  int32_t wmask = 0, hmask = 0;  // size - 1
};

}  // namespace

struct RasterCache {
  std::vector<TexCache> textures;
  uint64_t uses = 0;
  LevelView views[16];  // the levels of the texture being drawn with
  std::vector<ClipVertex> vertices;
  std::vector<uint8_t> outcode;
  std::vector<ScreenVertex> screen;  // vertices inside every clip plane, projected once
  std::vector<uint8_t> projected;
};

namespace {

// ---------------------------------------------------------------------------
// Pixel formats
// ---------------------------------------------------------------------------

struct Channel {
  uint32_t shift = 0, bits = 0;
};
Channel MaskChannel(uint32_t mask) {
  Channel c;
  if (!mask) return c;
  while (!(mask & 1u)) {
    mask >>= 1;
    ++c.shift;
  }
  while (mask & 1u) {
    mask >>= 1;
    ++c.bits;
  }
  if (mask) c.bits = 0;  // not contiguous
  return c;
}
RASTER_INLINE uint32_t Expand(uint32_t v, uint32_t bits) {
  if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
  uint32_t out = 0;
  int shift = 8 - static_cast<int>(bits);
  while (shift > -static_cast<int>(bits)) {
    out |= shift >= 0 ? v << shift : v >> -shift;
    shift -= static_cast<int>(bits);
  }
  return out & 0xFF;
}

enum TargetKind { kTarget565, kTarget555, kTarget888 };

bool TargetKindOf(const PlatPixelFormat& f, TargetKind* kind) {
  if (!(f.flags & PLAT_PF_RGB) || (f.flags & PLAT_PF_PALETTEINDEXED8)) return false;
  if (f.bitCount == 16 && f.rMask == 0xF800 && f.gMask == 0x07E0 && f.bMask == 0x001F) {
    *kind = kTarget565;
    return true;
  }
  if (f.bitCount == 16 && f.rMask == 0x7C00 && f.gMask == 0x03E0 && f.bMask == 0x001F) {
    *kind = kTarget555;
    return true;
  }
  if (f.bitCount == 32 && f.rMask == 0xFF0000 && f.gMask == 0xFF00 && f.bMask == 0xFF) {
    *kind = kTarget888;
    return true;
  }
  return false;
}

RASTER_INLINE uint32_t PackTarget(TargetKind k, uint32_t r, uint32_t g, uint32_t b) {
  switch (k) {
    case kTarget565: return ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3);
    case kTarget555: return ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
    default: return (r << 16) | (g << 8) | b;
  }
}
RASTER_INLINE void UnpackTarget(TargetKind k, uint32_t p, uint32_t* r, uint32_t* g, uint32_t* b) {
  switch (k) {
    case kTarget565: {
      uint32_t r5 = (p >> 11) & 31, g6 = (p >> 5) & 63, b5 = p & 31;
      *r = (r5 << 3) | (r5 >> 2);
      *g = (g6 << 2) | (g6 >> 4);
      *b = (b5 << 3) | (b5 >> 2);
      break;
    }
    case kTarget555: {
      uint32_t r5 = (p >> 10) & 31, g5 = (p >> 5) & 31, b5 = p & 31;
      *r = (r5 << 3) | (r5 >> 2);
      *g = (g5 << 3) | (g5 >> 2);
      *b = (b5 << 3) | (b5 >> 2);
      break;
    }
    default:
      *r = (p >> 16) & 0xFF;
      *g = (p >> 8) & 0xFF;
      *b = p & 0xFF;
  }
}

// Texture formats the rasteriser reads: 16 or 32-bit RGB with contiguous masks.
bool DecodeLevel(const PlatSurfaceView& v, std::vector<uint32_t>* out) {
  const PlatPixelFormat& f = v.format;
  if (!(f.flags & PLAT_PF_RGB) || (f.flags & (PLAT_PF_PALETTEINDEXED8 | PLAT_PF_PALETTEINDEXED4))) return false;
  if (f.bitCount != 16 && f.bitCount != 32) return false;
  Channel r = MaskChannel(f.rMask), g = MaskChannel(f.gMask), b = MaskChannel(f.bMask);
  bool hasAlpha = (f.flags & PLAT_PF_ALPHAPIXELS) && f.aMask;
  Channel a = hasAlpha ? MaskChannel(f.aMask) : Channel{};
  if (!r.bits || !g.bits || !b.bits || (hasAlpha && !a.bits)) return false;
  if (v.width == 0 || v.height == 0 || !v.pixels) return false;
  uint32_t bpp = f.bitCount / 8;
  if (v.pitch < 0 || static_cast<uint64_t>(v.pitch) < static_cast<uint64_t>(v.width) * bpp) return false;
  out->resize(static_cast<size_t>(v.width) * v.height);
  for (uint32_t y = 0; y < v.height; ++y) {
    const uint8_t* row = v.pixels + static_cast<size_t>(y) * static_cast<uint32_t>(v.pitch);
    uint32_t* dst = out->data() + static_cast<size_t>(y) * v.width;
    for (uint32_t x = 0; x < v.width; ++x) {
      uint32_t p;
      if (bpp == 2) {
        uint16_t s;
        std::memcpy(&s, row + x * 2, 2);
        p = s;
      } else {
        std::memcpy(&p, row + x * 4, 4);
      }
      uint32_t rr = Expand((p >> r.shift) & ((1u << r.bits) - 1), r.bits);
      uint32_t gg = Expand((p >> g.shift) & ((1u << g.bits) - 1), g.bits);
      uint32_t bb = Expand((p >> b.shift) & ((1u << b.bits) - 1), b.bits);
      uint32_t aa = hasAlpha ? Expand((p >> a.shift) & (a.bits >= 32 ? 0xFFFFFFFFu : (1u << a.bits) - 1), a.bits)
                             : 0xFF;
      dst[x] = (aa << 24) | (rr << 16) | (gg << 8) | bb;
    }
  }
  return true;
}

// Brings the decoded copy of the device's texture up to date; null when a
// level cannot be read.
const std::vector<TexLevel>* RefreshTexture(RasterCache& rc, PlatSurface* texture) {
  TexCache* found = nullptr;
  for (TexCache& t : rc.textures)
    if (t.texture == texture) found = &t;
  if (!found) {
    if (rc.textures.size() < kTexCaches) {
      found = &rc.textures.emplace_back();
    } else {
      found = &rc.textures[0];
      for (TexCache& t : rc.textures)
        if (t.used < found->used) found = &t;
    }
    found->texture = nullptr;
    found->levels.clear();
  }
  found->used = ++rc.uses;
  TexCache& cache = *found;
  size_t index = 0;
  for (PlatSurface* s = texture; s && index < 16; s = PlatSurfaceMipLevel(s), ++index) {
    PlatSurfaceView v;
    if (!PlatSurfaceGetView(s, &v)) {
      if (index == 0) {
        cache.texture = nullptr;
        cache.levels.clear();
        return nullptr;
      }
      break;
    }
    if (index > 0 && (v.width != std::max(1u, cache.levels[index - 1].w / 2) ||
                      v.height != std::max(1u, cache.levels[index - 1].h / 2)))
      break;  // not a chain of halves: stop at the last good level
    if (index >= cache.levels.size()) cache.levels.emplace_back();
    TexLevel& l = cache.levels[index];
    if (l.surface != s || l.generation != v.generation || l.pixels != v.pixels || l.w != v.width ||
        l.h != v.height) {
      if (!DecodeLevel(v, &l.texels)) {
        cache.texture = nullptr;
        cache.levels.clear();
        return nullptr;
      }
      l.surface = s;
      l.generation = v.generation;
      l.pixels = v.pixels;
      l.w = v.width;
      l.h = v.height;
    }
  }
  cache.levels.resize(index);
  cache.texture = texture;
  if (cache.levels.empty()) return nullptr;
  return &cache.levels;
}

// ---------------------------------------------------------------------------
// The draw context: every state the pixels need, read once per draw
// ---------------------------------------------------------------------------

struct Ctx {
  // target
  uint8_t* pixels;
  int32_t pitch;
  TargetKind kind;
  int32_t sx0, sy0, sx1, sy1;  // scissor, exclusive ends
  float vx, vy, vw, vh, minZ, maxZ;
  // z-buffer
  uint8_t* zpixels = nullptr;
  int32_t zpitch = 0;
  uint32_t zbytes = 0, zmask = 0, smask = 0, sshift = 0, smax = 0;
  float zscale = 0;
  bool zTest = false, zWrite = false;
  uint32_t zFunc = PLAT_CMP_ALWAYS;
  bool stencil = false;
  uint32_t sFunc = 0, sRef = 0, sMask = 0, sWriteMask = 0, sFail = 0, sZFail = 0, sPass = 0;
  // blending
  bool blend = false;
  uint32_t srcBlend = 0, dstBlend = 0;
  // fog
  uint32_t fogMode = PLAT_FOG_NONE;
  float fogStart = 0, fogEnd = 0, fogDensity = 0, fogInvRange = 0;
  uint32_t fogR = 0, fogG = 0, fogB = 0;
  // texture stage 0
  const std::vector<TexLevel>* tex = nullptr;
  uint32_t magFilter = PLAT_TFG_POINT, minFilter = PLAT_TFN_POINT, mipFilter = PLAT_TFP_NONE;
  bool wrapU = true, wrapV = true;
  float lodBias = 0;
  uint32_t maxLevel = 0;  // most detailed level used
  uint32_t colorOp = PLAT_TOP_MODULATE, colorArg1 = PLAT_TA_TEXTURE, colorArg2 = PLAT_TA_CURRENT;
  uint32_t alphaOp = PLAT_TOP_SELECTARG1, alphaArg1 = PLAT_TA_TEXTURE, alphaArg2 = PLAT_TA_CURRENT;
  uint32_t tfactor = 0xFFFFFFFF;
  bool needLod = false;
  const LevelView* levels = nullptr;
  uint32_t baseLevel = 0, lastLevel = 0;  // most detailed level used, least detailed level
  bool fastWrap = false;  // both coordinates wrap and every level's sizes are powers of two
  // shading
  bool gouraud = true, perspective = true;
  uint32_t cull = PLAT_CULL_CCW;
  uint32_t triangles = 0;
  // The triangle loops picked for these states: flat, Gouraud.
  void (*triangleFn[2])(Ctx&, const ScreenVertex*, const ScreenVertex*, const ScreenVertex*, const float*) = {};
};

RASTER_INLINE uint32_t Mul255(uint32_t a, uint32_t b) {
  uint32_t t = a * b + 128;
  return (t + (t >> 8)) >> 8;
}

RASTER_INLINE bool Compare(uint32_t func, uint32_t value, uint32_t stored) {
  switch (func) {
    case PLAT_CMP_NEVER: return false;
    case PLAT_CMP_LESS: return value < stored;
    case PLAT_CMP_EQUAL: return value == stored;
    case PLAT_CMP_LESSEQUAL: return value <= stored;
    case PLAT_CMP_GREATER: return value > stored;
    case PLAT_CMP_NOTEQUAL: return value != stored;
    case PLAT_CMP_GREATEREQUAL: return value >= stored;
    default: return true;
  }
}

RASTER_INLINE uint32_t StencilOp(uint32_t op, uint32_t s, uint32_t ref, uint32_t smax) {
  switch (op) {
    case PLAT_STENCILOP_ZERO: return 0;
    case PLAT_STENCILOP_REPLACE: return ref & smax;
    case PLAT_STENCILOP_INCRSAT: return s < smax ? s + 1 : smax;
    case PLAT_STENCILOP_DECRSAT: return s > 0 ? s - 1 : 0;
    case PLAT_STENCILOP_INVERT: return ~s & smax;
    case PLAT_STENCILOP_INCR: return (s + 1) & smax;
    case PLAT_STENCILOP_DECR: return (s - 1) & smax;
    default: return s;
  }
}

// Fast base-2 logarithm from the float's bits (exponent plus a linear
// mantissa): exact at powers of two, monotonic between.
RASTER_INLINE float Log2Approx(float x) {
  if (!(x > 0)) return -64.0f;
  uint32_t bits;
  std::memcpy(&bits, &x, 4);
  int e = static_cast<int>((bits >> 23) & 0xFF) - 127;
  float m = static_cast<float>(bits & 0x7FFFFF) * (1.0f / 8388608.0f);
  return static_cast<float>(e) + m;
}

RASTER_INLINE int32_t FloorToInt(float f) {
  if (!(f < 1.0e8f)) f = 1.0e8f;  // NaN too
  if (!(f > -1.0e8f)) f = -1.0e8f;
  int32_t i = static_cast<int32_t>(f);
  return f < static_cast<float>(i) ? i - 1 : i;
}

RASTER_INLINE int32_t Address(int32_t i, uint32_t size, bool wrap) {
  if (wrap) {
    if ((size & (size - 1)) == 0) return i & static_cast<int32_t>(size - 1);
    int32_t m = i % static_cast<int32_t>(size);
    return m < 0 ? m + static_cast<int32_t>(size) : m;
  }
  return i < 0 ? 0 : (i >= static_cast<int32_t>(size) ? static_cast<int32_t>(size) - 1 : i);
}

RASTER_INLINE uint32_t Lerp8888(uint32_t a, uint32_t b, uint32_t t) {  // t in 0..256
  uint32_t rb = (((a & 0x00FF00FF) * (256 - t) + (b & 0x00FF00FF) * t) >> 8) & 0x00FF00FF;
  uint32_t ag = ((((a >> 8) & 0x00FF00FF) * (256 - t) + ((b >> 8) & 0x00FF00FF) * t)) & 0xFF00FF00;
  return rb | ag;
}

// A blend weight 0..256 from a float that may be out of range.
RASTER_INLINE uint32_t Weight(float t) {
  if (!(t > 0.0f)) return 0;
  return t >= 256.0f ? 256u : static_cast<uint32_t>(t);
}

template <bool FastWrap>
RASTER_INLINE int32_t AddressT(int32_t i, const LevelView& l, bool horizontal, bool wrap) {
  if (FastWrap) return i & (horizontal ? l.wmask : l.hmask);
  return Address(i, horizontal ? l.w : l.h, wrap);
}

template <bool FastWrap>
RASTER_INLINE uint32_t SampleLevel(const Ctx& c, const LevelView& l, float u, float v, bool linear) {
  if (!linear) {
    int32_t iu = AddressT<FastWrap>(FloorToInt(u * l.fw), l, true, c.wrapU);
    int32_t iv = AddressT<FastWrap>(FloorToInt(v * l.fh), l, false, c.wrapV);
    return l.texels[static_cast<size_t>(iv) * l.w + static_cast<size_t>(iu)];
  }
  float fu = u * l.fw - 0.5f, fv = v * l.fh - 0.5f;
  int32_t iu = FloorToInt(fu), iv = FloorToInt(fv);
  uint32_t tu = Weight((fu - static_cast<float>(iu)) * 256.0f);
  uint32_t tv = Weight((fv - static_cast<float>(iv)) * 256.0f);
  int32_t u0 = AddressT<FastWrap>(iu, l, true, c.wrapU), u1 = AddressT<FastWrap>(iu + 1, l, true, c.wrapU);
  int32_t v0 = AddressT<FastWrap>(iv, l, false, c.wrapV), v1 = AddressT<FastWrap>(iv + 1, l, false, c.wrapV);
  const uint32_t* r0 = l.texels + static_cast<size_t>(v0) * l.w;
  const uint32_t* r1 = l.texels + static_cast<size_t>(v1) * l.w;
  return Lerp8888(Lerp8888(r0[u0], r0[u1], tu), Lerp8888(r1[u0], r1[u1], tu), tv);
}

template <bool FastWrap>
RASTER_INLINE uint32_t SampleT(const Ctx& c, float u, float v, float lod) {
  const LevelView* levels = c.levels;
  const uint32_t last = c.lastLevel, base = c.baseLevel;
  if (!(lod > 0.0f)) return SampleLevel<FastWrap>(c, levels[base], u, v, c.magFilter == PLAT_TFG_LINEAR);
  bool linear = c.minFilter == PLAT_TFN_LINEAR;
  if (c.mipFilter == PLAT_TFP_NONE || last == base) return SampleLevel<FastWrap>(c, levels[base], u, v, linear);
  if (c.mipFilter == PLAT_TFP_POINT) {
    uint32_t l = static_cast<uint32_t>(std::min(lod + 0.5f, 30.0f)) + base;
    return SampleLevel<FastWrap>(c, levels[std::min(l, last)], u, v, linear);
  }
  float lc = std::min(lod, 30.0f);
  uint32_t l0 = static_cast<uint32_t>(lc);
  uint32_t t = Weight((lc - static_cast<float>(l0)) * 256.0f);
  l0 += base;
  if (l0 >= last) return SampleLevel<FastWrap>(c, levels[last], u, v, linear);
  return Lerp8888(SampleLevel<FastWrap>(c, levels[l0], u, v, linear),
                  SampleLevel<FastWrap>(c, levels[l0 + 1], u, v, linear), t);
}

RASTER_INLINE uint32_t Sample(const Ctx& c, float u, float v, float lod) {
  return c.fastWrap ? SampleT<true>(c, u, v, lod) : SampleT<false>(c, u, v, lod);
}

RASTER_INLINE uint32_t Arg(uint32_t arg, uint32_t diffuse, uint32_t texel, uint32_t tfactor) {
  switch (arg & 0x0F) {
    case PLAT_TA_TEXTURE: return texel;
    case PLAT_TA_TFACTOR: return tfactor;
    default: return diffuse;  // diffuse, and the current colour of stage 0
  }
}

RASTER_INLINE uint32_t Channel8(uint32_t c, int shift) { return (c >> shift) & 0xFF; }

// A colour by the stage operation, on one channel at `shift`.
RASTER_INLINE uint32_t StageOp(uint32_t op, uint32_t a1, uint32_t a2, uint32_t diffuse, int shift) {
  switch (op) {
    case PLAT_TOP_SELECTARG1: return Channel8(a1, shift);
    case PLAT_TOP_SELECTARG2: return Channel8(a2, shift);
    case PLAT_TOP_MODULATE: return Mul255(Channel8(a1, shift), Channel8(a2, shift));
    case PLAT_TOP_MODULATE2X: return std::min(2u * Mul255(Channel8(a1, shift), Channel8(a2, shift)), 255u);
    default: return Channel8(diffuse, shift);
  }
}

RASTER_INLINE uint32_t BlendFactor(uint32_t f, uint32_t src, uint32_t sa, uint32_t dst, uint32_t da, bool forSource) {
  switch (f) {
    case PLAT_BLEND_ZERO: return 0;
    case PLAT_BLEND_ONE: return 255;
    case PLAT_BLEND_SRCCOLOR: return src;
    case PLAT_BLEND_INVSRCCOLOR: return 255 - src;
    case PLAT_BLEND_SRCALPHA: return sa;
    case PLAT_BLEND_INVSRCALPHA: return 255 - sa;
    case PLAT_BLEND_DESTALPHA: return da;
    case PLAT_BLEND_INVDESTALPHA: return 255 - da;
    case PLAT_BLEND_DESTCOLOR: return dst;
    case PLAT_BLEND_INVDESTCOLOR: return 255 - dst;
    case PLAT_BLEND_SRCALPHASAT: return std::min(sa, 255 - da);
    case PLAT_BLEND_BOTHSRCALPHA: return forSource ? sa : 255 - sa;
    case PLAT_BLEND_BOTHINVSRCALPHA: return forSource ? 255 - sa : sa;
    default: return forSource ? 255 : 0;
  }
}

// The depth and stencil stage of one pixel: zn is depth 0..1 (between the
// viewport's near and far), zp the pixel's place in the z-buffer. Writes the
// z-buffer as the states say; true when the pixel goes on to be coloured.
RASTER_INLINE bool DepthStencil(const Ctx& c, uint8_t* zp, float zn) {
  if (!(zn <= 1.0f)) return false;  // beyond the far plane
  if (zn < 0.0f) zn = 0.0f;
  if (c.zpixels && (c.zTest || c.stencil)) {
    uint32_t zold = 0, znew = 0;
    if (c.zbytes == 2) {
      uint16_t s;
      std::memcpy(&s, zp, 2);
      zold = s;
    } else {
      std::memcpy(&zold, zp, 4);
    }
    znew = zold;
    bool zpass = true;
    uint32_t zi = 0;
    if (c.zTest) {
      float zf = (c.minZ + zn * (c.maxZ - c.minZ)) * c.zscale + 0.5f;
      zi = zf >= c.zscale ? c.zmask : (zf > 0.0f ? static_cast<uint32_t>(zf) : 0u);
      zpass = Compare(c.zFunc, zi, zold & c.zmask);
    }
    bool spass = true;
    if (c.stencil) {
      uint32_t s = (zold & c.smask) >> c.sshift;
      spass = Compare(c.sFunc, c.sRef & c.sMask, s & c.sMask);
      uint32_t op = !spass ? c.sFail : (!zpass ? c.sZFail : c.sPass);
      uint32_t ns = StencilOp(op, s, c.sRef, c.smax);
      ns = (s & ~c.sWriteMask) | (ns & c.sWriteMask);
      znew = (znew & ~c.smask) | ((ns << c.sshift) & c.smask);
    }
    if (spass && zpass && c.zWrite) znew = (znew & ~c.zmask) | zi;
    zpass = zpass && spass;
    if (znew != zold) {
      if (c.zbytes == 2) {
        uint16_t s = static_cast<uint16_t>(znew);
        std::memcpy(zp, &s, 2);
      } else {
        std::memcpy(zp, &znew, 4);
      }
    }
    if (!zpass) return false;
  }
  return true;
}

// The colour stage of one pixel at p in the target: texture, stage
// operations, fog and blending. Attributes are final (not divided by w).
template <TargetKind K, bool Tex>
RASTER_INLINE void ColourPixel(const Ctx& c, uint8_t* p, uint32_t diffuse, float u, float v, float fz, float lod) {
  uint32_t texel = 0xFFFFFFFF;
  if (Tex) texel = Sample(c, u, v, lod);
  uint32_t a1 = Arg(c.colorArg1, diffuse, texel, c.tfactor), a2 = Arg(c.colorArg2, diffuse, texel, c.tfactor);
  uint32_t r = StageOp(c.colorOp, a1, a2, diffuse, 16);
  uint32_t g = StageOp(c.colorOp, a1, a2, diffuse, 8);
  uint32_t b = StageOp(c.colorOp, a1, a2, diffuse, 0);
  uint32_t aa1 = Arg(c.alphaArg1, diffuse, texel, c.tfactor), aa2 = Arg(c.alphaArg2, diffuse, texel, c.tfactor);
  uint32_t a = StageOp(c.alphaOp, aa1, aa2, diffuse, 24);
  if (c.fogMode != PLAT_FOG_NONE) {
    float f;
    if (c.fogMode == PLAT_FOG_LINEAR) {
      f = (c.fogEnd - fz) * c.fogInvRange;
    } else {
      float d = c.fogDensity * fz;
      f = std::exp(c.fogMode == PLAT_FOG_EXP ? -d : -d * d);
    }
    uint32_t fi = Weight(f * 256.0f);
    r = (r * fi + c.fogR * (256 - fi)) >> 8;
    g = (g * fi + c.fogG * (256 - fi)) >> 8;
    b = (b * fi + c.fogB * (256 - fi)) >> 8;
  }
  if (c.blend) {
    uint32_t old;
    if (K == kTarget888) {
      std::memcpy(&old, p, 4);
    } else {
      uint16_t s;
      std::memcpy(&s, p, 2);
      old = s;
    }
    uint32_t dr, dg, db;
    UnpackTarget(K, old, &dr, &dg, &db);
    const uint32_t da = 255;  // targets carry no alpha
    auto mix = [&](uint32_t s, uint32_t d) {
      uint32_t v2 = Mul255(s, BlendFactor(c.srcBlend, s, a, d, da, true)) +
                    Mul255(d, BlendFactor(c.dstBlend, s, a, d, da, false));
      return v2 > 255 ? 255u : v2;
    };
    r = mix(r, dr);
    g = mix(g, dg);
    b = mix(b, db);
  }
  uint32_t packed = PackTarget(K, r, g, b);
  if (K == kTarget888) {
    std::memcpy(p, &packed, 4);
  } else {
    uint16_t s = static_cast<uint16_t>(packed);
    std::memcpy(p, &s, 2);
  }
}

template <TargetKind K>
void ColourPixelAny(const Ctx& c, uint8_t* p, uint32_t diffuse, float u, float v, float fz, float lod) {
  if (c.tex)
    ColourPixel<K, true>(c, p, diffuse, u, v, fz, lod);
  else
    ColourPixel<K, false>(c, p, diffuse, u, v, fz, lod);
}

// The per-pixel work for points and lines. zn is depth 0..1 (between the
// viewport's near and far), attributes are final (not divided by w).
RASTER_INLINE void ShadePixel(const Ctx& c, int32_t x, int32_t y, float zn, uint32_t diffuse, float u, float v, float fz,
                       float lod) {
  uint8_t* zp = c.zpixels ? c.zpixels + static_cast<ptrdiff_t>(y) * c.zpitch + static_cast<ptrdiff_t>(x) * c.zbytes
                          : nullptr;
  if (!DepthStencil(c, zp, zn)) return;
  uint8_t* p = c.pixels + static_cast<ptrdiff_t>(y) * c.pitch + static_cast<ptrdiff_t>(x) * (c.kind == kTarget888 ? 4 : 2);
  switch (c.kind) {
    case kTarget565: ColourPixelAny<kTarget565>(c, p, diffuse, u, v, fz, lod); break;
    case kTarget555: ColourPixelAny<kTarget555>(c, p, diffuse, u, v, fz, lod); break;
    default: ColourPixelAny<kTarget888>(c, p, diffuse, u, v, fz, lod);
  }
}

RASTER_INLINE uint32_t ClampColour(float v) {
  if (!(v > 0.0f)) return 0;
  if (v >= 255.0f) return 255;
  return static_cast<uint32_t>(v + 0.5f);
}
RASTER_INLINE uint32_t PackDiffuse(float r, float g, float b, float a) {
  return (ClampColour(a) << 24) | (ClampColour(r) << 16) | (ClampColour(g) << 8) | ClampColour(b);
}

// ---------------------------------------------------------------------------
// Triangles
// ---------------------------------------------------------------------------

RASTER_INLINE int64_t FloorDiv(int64_t n, int64_t d) {  // d > 0
  int64_t q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}
RASTER_INLINE int64_t CeilDiv(int64_t n, int64_t d) { return -FloorDiv(-n, d); }

// One triangle, its pixel loop made for the target kind, texturing,
// perspective and shading of the draw; the depth and stencil stage runs
// first, so hidden pixels cost no colour work.
template <TargetKind K, bool Tex, bool Persp, bool Gouraud>
void DrawTriangleT(Ctx& c, const ScreenVertex* v0, const ScreenVertex* v1, const ScreenVertex* v2,
                   const float* flatColour) {
  int64_t area = static_cast<int64_t>(v1->X - v0->X) * (v2->Y - v0->Y) -
                 static_cast<int64_t>(v2->X - v0->X) * (v1->Y - v0->Y);
  if (area == 0) return;
  // y runs down: a positive area is clockwise on screen.
  if (c.cull == PLAT_CULL_CCW && area < 0) return;
  if (c.cull == PLAT_CULL_CW && area > 0) return;
  if (area < 0) {
    std::swap(v1, v2);
    area = -area;
  }
  ++c.triangles;
  const ScreenVertex* v[3] = {v0, v1, v2};
  int64_t A[3], B[3], C[3], bias[3];
  for (int i = 0; i < 3; ++i) {
    const ScreenVertex* p = v[i];
    const ScreenVertex* q = v[(i + 1) % 3];
    int64_t dx = q->X - p->X, dy = q->Y - p->Y;
    A[i] = -dy;
    B[i] = dx;
    C[i] = -dx * p->Y + dy * p->X;
    bool topLeft = dy < 0 || (dy == 0 && dx > 0);
    bias[i] = topLeft ? 0 : 1;
  }
  int32_t minY = std::min({v0->Y, v1->Y, v2->Y}), maxY = std::max({v0->Y, v1->Y, v2->Y});
  int32_t minX = std::min({v0->X, v1->X, v2->X}), maxX = std::max({v0->X, v1->X, v2->X});
  int64_t y0 = std::max<int64_t>(CeilDiv(minY, kSub), c.sy0);
  int64_t y1 = std::min<int64_t>(FloorDiv(maxY, kSub), c.sy1 - 1);
  int64_t bx0 = std::max<int64_t>(CeilDiv(minX, kSub), c.sx0);
  int64_t bx1 = std::min<int64_t>(FloorDiv(maxX, kSub), c.sx1 - 1);
  if (y0 > y1 || bx0 > bx1) return;

  // Attribute planes over the snapped positions.
  float x10 = v1->x - v0->x, y10 = v1->y - v0->y, x20 = v2->x - v0->x, y20 = v2->y - v0->y;
  float det = x10 * y20 - x20 * y10;
  float inv = 1.0f / det;
  if (!std::isfinite(inv)) return;
  constexpr int kPlanes = 2 + ACOUNT;  // z, q, attributes
  float base[kPlanes], ddx[kPlanes], ddy[kPlanes];
  auto plane = [&](int k, float a0, float a1, float a2) {
    float d1 = a1 - a0, d2 = a2 - a0;
    base[k] = a0;
    ddx[k] = (d1 * y20 - d2 * y10) * inv;
    ddy[k] = (d2 * x10 - d1 * x20) * inv;
  };
  plane(0, v0->z, v1->z, v2->z);
  plane(1, v0->q, v1->q, v2->q);
  for (int k = 0; k < ACOUNT; ++k) plane(2 + k, v0->a[k], v1->a[k], v2->a[k]);
  constexpr bool persp = Persp;
  constexpr bool gouraud = Gouraud;
  uint32_t flat = gouraud ? 0 : PackDiffuse(flatColour[0], flatColour[1], flatColour[2], flatColour[3]);
  constexpr bool texturing = Tex;
  const bool fog = c.fogMode != PLAT_FOG_NONE;
  constexpr ptrdiff_t bpp = K == kTarget888 ? 4 : 2;
  float texW = 0, texH = 0;
  if (texturing) {
    const TexLevel& l = (*c.tex)[std::min<size_t>(c.maxLevel, c.tex->size() - 1)];
    texW = static_cast<float>(l.w);
    texH = static_cast<float>(l.h);
  }
  // Without perspective the texture's rate of change is the same everywhere.
  float affineLod = 0;
  if (texturing && c.needLod && !persp) {
    float ux = ddx[2 + AU] * texW, vx = ddx[2 + AV] * texH, uy = ddy[2 + AU] * texW, vy = ddy[2 + AV] * texH;
    affineLod = 0.5f * Log2Approx(std::max(ux * ux + vx * vx, uy * uy + vy * vy)) + c.lodBias;
  }

  // A private copy of the states for the pixel loop: the pixel stores cannot
  // touch it, so the compiler keeps the states in registers.
  const Ctx pc = c;
  float vals[kPlanes];
  for (int64_t y = y0; y <= y1; ++y) {
    int64_t py = y * kSub;
    int64_t xl = bx0, xr = bx1;
    for (int i = 0; i < 3 && xl <= xr; ++i) {
      int64_t k = B[i] * py + C[i] - bias[i];
      int64_t a = A[i];
      if (a > 0) {
        xl = std::max(xl, CeilDiv(-k, a * kSub));
      } else if (a < 0) {
        xr = std::min(xr, FloorDiv(k, -a * kSub));
      } else if (k < 0) {
        xr = xl - 1;
      }
    }
    if (xl > xr) continue;
    float fx = static_cast<float>(xl) - v0->x, fy = static_cast<float>(y) - v0->y;
    for (int k = 0; k < kPlanes; ++k) vals[k] = base[k] + ddx[k] * fx + ddy[k] * fy;
    uint8_t* prow = pc.pixels + static_cast<ptrdiff_t>(y) * pc.pitch;
    uint8_t* zrow = pc.zpixels ? pc.zpixels + static_cast<ptrdiff_t>(y) * pc.zpitch : nullptr;
    for (int64_t x = xl; x <= xr; ++x) {
      uint8_t* zp = zrow ? zrow + static_cast<ptrdiff_t>(x) * pc.zbytes : nullptr;
      if (DepthStencil(pc, zp, vals[0])) {
        float w = persp ? 1.0f / vals[1] : 1.0f;
        uint32_t diffuse = flat;
        if (gouraud)
          diffuse = PackDiffuse(vals[2 + AR] * w, vals[2 + AG] * w, vals[2 + AB] * w, vals[2 + AA] * w);
        float u = 0, tv = 0, lod = 0;
        if (texturing) {
          u = vals[2 + AU] * w;
          tv = vals[2 + AV] * w;
          lod = affineLod;
          if (pc.needLod && persp) {
            float ux = (ddx[2 + AU] - u * ddx[1]) * w * texW, vx = (ddx[2 + AV] - tv * ddx[1]) * w * texH;
            float uy = (ddy[2 + AU] - u * ddy[1]) * w * texW, vy = (ddy[2 + AV] - tv * ddy[1]) * w * texH;
            lod = 0.5f * Log2Approx(std::max(ux * ux + vx * vx, uy * uy + vy * vy)) + pc.lodBias;
          }
        }
        float fz = fog ? vals[2 + AF] * w : 0.0f;
        ColourPixel<K, Tex>(pc, prow + static_cast<ptrdiff_t>(x) * bpp, diffuse, u, tv, fz, lod);
      }
      vals[0] += ddx[0];
      vals[1] += ddx[1];
      if (gouraud)
        for (int k = 2 + AR; k <= 2 + AA; ++k) vals[k] += ddx[k];
      if (texturing) {
        vals[2 + AU] += ddx[2 + AU];
        vals[2 + AV] += ddx[2 + AV];
      }
      if (fog) vals[2 + AF] += ddx[2 + AF];
    }
  }
}

using TriangleFn = void (*)(Ctx&, const ScreenVertex*, const ScreenVertex*, const ScreenVertex*, const float*);

template <TargetKind K, bool Tex, bool Persp>
TriangleFn PickShading(bool gouraud) {
  return gouraud ? &DrawTriangleT<K, Tex, Persp, true> : &DrawTriangleT<K, Tex, Persp, false>;
}
template <TargetKind K, bool Tex>
TriangleFn PickPerspective(bool persp, bool gouraud) {
  return persp ? PickShading<K, Tex, true>(gouraud) : PickShading<K, Tex, false>(gouraud);
}
template <TargetKind K>
TriangleFn PickTexture(bool tex, bool persp, bool gouraud) {
  return tex ? PickPerspective<K, true>(persp, gouraud) : PickPerspective<K, false>(persp, gouraud);
}
// The triangle loop for the draw's states and the shading of this triangle.
TriangleFn PickTriangle(const Ctx& c, bool gouraud) {
  switch (c.kind) {
    case kTarget565: return PickTexture<kTarget565>(c.tex != nullptr, c.perspective, gouraud);
    case kTarget555: return PickTexture<kTarget555>(c.tex != nullptr, c.perspective, gouraud);
    default: return PickTexture<kTarget888>(c.tex != nullptr, c.perspective, gouraud);
  }
}

RASTER_INLINE void DrawTriangle(Ctx& c, const ScreenVertex* v0, const ScreenVertex* v1, const ScreenVertex* v2,
                         const float* flatColour) {
  const bool gouraud = flatColour == nullptr;
  TriangleFn& fn = c.triangleFn[gouraud ? 1 : 0];
  if (!fn) fn = PickTriangle(c, gouraud);
  fn(c, v0, v1, v2, flatColour);
}

// ---------------------------------------------------------------------------
// Vertices
// ---------------------------------------------------------------------------

struct Format {
  bool rhw, normal, diffuse, tex;
  uint32_t stride;
};
bool FormatOf(uint32_t fvf, Format* f) {
  switch (fvf) {
    case PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_TEX1: *f = {false, true, false, true, 32}; return true;
    case PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_DIFFUSE: *f = {false, true, true, false, 28}; return true;
    case PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE: *f = {true, false, true, false, 20}; return true;
    case PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE | PLAT_FVF_TEX1: *f = {true, false, true, true, 28}; return true;
    default: return false;
  }
}

void MatMul(const float* a, const float* b, float* out) {
  for (int r = 0; r < 4; ++r)
    for (int k = 0; k < 4; ++k)
      out[r * 4 + k] = a[r * 4] * b[k] + a[r * 4 + 1] * b[4 + k] + a[r * 4 + 2] * b[8 + k] + a[r * 4 + 3] * b[12 + k];
}

RASTER_INLINE float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }

// Transforms and lights every vertex of the draw into clip space.
void TransformVertices(const PlatDevice3D& d, const Format& f, const uint8_t* src, uint32_t count,
                       std::vector<ClipVertex>* out) {
  out->resize(count);
  const uint32_t* rs = d.renderState;
  float wv[16], wvp[16];
  MatMul(d.world, d.view, wv);
  MatMul(wv, d.projection, wvp);
  const bool lighting = rs[PLAT_RS_LIGHTING] != 0 && f.normal;
  const bool colourVertex = rs[PLAT_RS_COLORVERTEX] != 0 && f.diffuse;
  auto source = [&](uint32_t state, const PlatColourValue& material, const PlatColourValue& vertex) {
    return (colourVertex && rs[state] == PLAT_MCS_COLOR1) ? vertex : material;
  };
  uint32_t amb = rs[PLAT_RS_AMBIENT];
  PlatColourValue ambientRS{static_cast<float>((amb >> 16) & 0xFF) / 255.0f, static_cast<float>((amb >> 8) & 0xFF) / 255.0f,
                            static_cast<float>(amb & 0xFF) / 255.0f, 0.0f};
  // Lights: directional, direction normalised; lit by max(0, N . -dir).
  struct Lit {
    float dx, dy, dz;
    PlatColourValue diffuse, ambient;
  } lit[8];
  int lights = 0;
  if (lighting) {
    for (int i = 0; i < 8; ++i) {
      if (!d.lightOn[i] || !d.lightSet[i] || d.lights[i].type != PLAT_LIGHT_DIRECTIONAL) continue;
      const PlatVector3& dir = d.lights[i].direction;
      float len = std::sqrt(dir.x * dir.x + dir.y * dir.y + dir.z * dir.z);
      if (!(len > 0.0f)) continue;
      lit[lights++] = {-dir.x / len, -dir.y / len, -dir.z / len, d.lights[i].diffuse, d.lights[i].ambient};
    }
  }
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* p = src + static_cast<size_t>(i) * f.stride;
    float pos[4] = {0, 0, 0, 1};
    std::memcpy(pos, p, f.rhw ? 16 : 12);
    size_t off = f.rhw ? 16 : 12;
    float n[3] = {0, 0, 0};
    if (f.normal) {
      std::memcpy(n, p + off, 12);
      off += 12;
    }
    uint32_t colour = 0xFFFFFFFF;
    if (f.diffuse) {
      std::memcpy(&colour, p + off, 4);
      off += 4;
    }
    float uv[2] = {0, 0};
    if (f.tex) std::memcpy(uv, p + off, 8);
    ClipVertex& o = (*out)[i];
    o.a[AU] = uv[0];
    o.a[AV] = uv[1];
    if (f.rhw) {
      // Screen position already; w is kept as 1/rhw for the fog's depth.
      o.x = pos[0];
      o.y = pos[1];
      o.z = pos[2];
      o.w = pos[3];
      o.a[AF] = pos[3] != 0.0f ? 1.0f / pos[3] : 0.0f;
    } else {
      o.x = pos[0] * wvp[0] + pos[1] * wvp[4] + pos[2] * wvp[8] + wvp[12];
      o.y = pos[0] * wvp[1] + pos[1] * wvp[5] + pos[2] * wvp[9] + wvp[13];
      o.z = pos[0] * wvp[2] + pos[1] * wvp[6] + pos[2] * wvp[10] + wvp[14];
      o.w = pos[0] * wvp[3] + pos[1] * wvp[7] + pos[2] * wvp[11] + wvp[15];
      o.a[AF] = pos[0] * wv[2] + pos[1] * wv[6] + pos[2] * wv[10] + wv[14];
    }
    PlatColourValue vc{static_cast<float>((colour >> 16) & 0xFF) / 255.0f, static_cast<float>((colour >> 8) & 0xFF) / 255.0f,
                       static_cast<float>(colour & 0xFF) / 255.0f, static_cast<float>(colour >> 24) / 255.0f};
    if (lighting) {
      const PlatColourValue dif = source(PLAT_RS_DIFFUSEMATERIALSOURCE, d.material.diffuse, vc);
      const PlatColourValue am = source(PLAT_RS_AMBIENTMATERIALSOURCE, d.material.ambient, vc);
      const PlatColourValue em = source(PLAT_RS_EMISSIVEMATERIALSOURCE, d.material.emissive, vc);
      float wn[3] = {n[0] * d.world[0] + n[1] * d.world[4] + n[2] * d.world[8],
                     n[0] * d.world[1] + n[1] * d.world[5] + n[2] * d.world[9],
                     n[0] * d.world[2] + n[1] * d.world[6] + n[2] * d.world[10]};
      float r = em.r + ambientRS.r * am.r, g = em.g + ambientRS.g * am.g, b = em.b + ambientRS.b * am.b;
      for (int l = 0; l < lights; ++l) {
        float dot = wn[0] * lit[l].dx + wn[1] * lit[l].dy + wn[2] * lit[l].dz;
        if (dot < 0.0f) dot = 0.0f;
        r += lit[l].ambient.r * am.r + lit[l].diffuse.r * dif.r * dot;
        g += lit[l].ambient.g * am.g + lit[l].diffuse.g * dif.g * dot;
        b += lit[l].ambient.b * am.b + lit[l].diffuse.b * dif.b * dot;
      }
      o.a[AR] = Clamp01(r) * 255.0f;
      o.a[AG] = Clamp01(g) * 255.0f;
      o.a[AB] = Clamp01(b) * 255.0f;
      o.a[AA] = Clamp01(dif.a) * 255.0f;
    } else {
      o.a[AR] = vc.r * 255.0f;
      o.a[AG] = vc.g * 255.0f;
      o.a[AB] = vc.b * 255.0f;
      o.a[AA] = vc.a * 255.0f;
    }
  }
}

// Clip space to screen; false when the vertex cannot be placed on the grid.
bool Project(const Ctx& c, const ClipVertex& in, bool rhw, ScreenVertex* out) {
  float sx, sy, sz, q;
  if (rhw) {
    sx = in.x;
    sy = in.y;
    sz = in.z;
    q = in.w;
    if (!(std::fabs(sx) <= kRhwLimit) || !(std::fabs(sy) <= kRhwLimit) || !std::isfinite(sz) || !std::isfinite(q))
      return false;
  } else {
    if (!(in.w > 0.0f)) return false;
    q = 1.0f / in.w;
    float nx = in.x * q, ny = in.y * q;
    sx = c.vx + (nx + 1.0f) * 0.5f * c.vw;
    sy = c.vy + (1.0f - ny) * 0.5f * c.vh;
    sz = in.z * q;
    if (!(std::fabs(sx) <= 1.0e6f) || !(std::fabs(sy) <= 1.0e6f) || !std::isfinite(sz) || !std::isfinite(q))
      return false;
  }
  out->X = static_cast<int32_t>(std::floor(sx * kSub + 0.5f));
  out->Y = static_cast<int32_t>(std::floor(sy * kSub + 0.5f));
  out->x = static_cast<float>(out->X) / kSub;
  out->y = static_cast<float>(out->Y) / kSub;
  out->z = sz;
  out->q = q;
  float m = c.perspective ? q : 1.0f;
  for (int k = 0; k < ACOUNT; ++k) out->a[k] = in.a[k] * m;
  if (!std::isfinite(out->a[AU]) || !std::isfinite(out->a[AV]) || !std::isfinite(out->a[AF])) return false;
  return true;
}

// Clip planes in homogeneous space: near (z >= 0) and the guard band.
RASTER_INLINE float PlaneDistance(int plane, const ClipVertex& v) {
  switch (plane) {
    case 0: return v.z;
    case 1: return kGuard * v.w + v.x;
    case 2: return kGuard * v.w - v.x;
    case 3: return kGuard * v.w + v.y;
    default: return kGuard * v.w - v.y;
  }
}
RASTER_INLINE uint8_t Outcode(const ClipVertex& v) {
  uint8_t code = 0;
  for (int p = 0; p < 5; ++p)
    if (!(PlaneDistance(p, v) >= 0.0f)) code |= static_cast<uint8_t>(1u << p);
  return code;
}
RASTER_INLINE ClipVertex Intersect(const ClipVertex& a, const ClipVertex& b, float da, float db) {
  float t = da / (da - db);
  ClipVertex o;
  o.x = a.x + (b.x - a.x) * t;
  o.y = a.y + (b.y - a.y) * t;
  o.z = a.z + (b.z - a.z) * t;
  o.w = a.w + (b.w - a.w) * t;
  for (int k = 0; k < ACOUNT; ++k) o.a[k] = a.a[k] + (b.a[k] - a.a[k]) * t;
  return o;
}

void DrawClipTriangle(Ctx& c, const ClipVertex& a, const ClipVertex& b, const ClipVertex& d, uint8_t codes,
                      bool rhw, const float* flatColour) {
  ScreenVertex s[3];
  if (rhw || codes == 0) {
    if (!Project(c, a, rhw, &s[0]) || !Project(c, b, rhw, &s[1]) || !Project(c, d, rhw, &s[2])) return;
    DrawTriangle(c, &s[0], &s[1], &s[2], flatColour);
    return;
  }
  // Sutherland-Hodgman against the planes the triangle crosses.
  ClipVertex bufA[12], bufB[12];
  ClipVertex* in = bufA;
  ClipVertex* out = bufB;
  int n = 3;
  in[0] = a;
  in[1] = b;
  in[2] = d;
  for (int p = 0; p < 5 && n >= 3; ++p) {
    if (!(codes & (1u << p))) continue;
    int m = 0;
    for (int i = 0; i < n; ++i) {
      const ClipVertex& u = in[i];
      const ClipVertex& v = in[(i + 1) % n];
      float du = PlaneDistance(p, u), dv = PlaneDistance(p, v);
      if (du >= 0.0f) out[m++] = u;
      if ((du >= 0.0f) != (dv >= 0.0f)) out[m++] = Intersect(u, v, du, dv);
    }
    std::swap(in, out);
    n = m;
  }
  if (n < 3) return;
  ScreenVertex sv[12];
  for (int i = 0; i < n; ++i)
    if (!Project(c, in[i], false, &sv[i])) return;
  for (int i = 1; i + 1 < n; ++i) DrawTriangle(c, &sv[0], &sv[i], &sv[i + 1], flatColour);
}

void DrawPoint(Ctx& c, const ClipVertex& v, bool rhw) {
  if (!rhw && Outcode(v) != 0) return;
  ScreenVertex s;
  if (!Project(c, v, rhw, &s)) return;
  int64_t x = FloorDiv(s.X + kSub / 2, kSub), y = FloorDiv(s.Y + kSub / 2, kSub);
  if (x < c.sx0 || x >= c.sx1 || y < c.sy0 || y >= c.sy1) return;
  float w = c.perspective ? 1.0f / s.q : 1.0f;
  ShadePixel(c, static_cast<int32_t>(x), static_cast<int32_t>(y), s.z,
             PackDiffuse(s.a[AR] * w, s.a[AG] * w, s.a[AB] * w, s.a[AA] * w), s.a[AU] * w, s.a[AV] * w,
             s.a[AF] * w, 0.0f);
}

void DrawLine(Ctx& c, ClipVertex a, ClipVertex b, bool rhw, const float* flatColour) {
  if (!rhw) {
    for (int p = 0; p < 5; ++p) {
      float da = PlaneDistance(p, a), db = PlaneDistance(p, b);
      if (da < 0.0f && db < 0.0f) return;
      if (da < 0.0f) a = Intersect(a, b, da, db);
      else if (db < 0.0f) b = Intersect(a, b, da, db);
    }
  }
  ScreenVertex s0, s1;
  if (!Project(c, a, rhw, &s0) || !Project(c, b, rhw, &s1)) return;
  int64_t x0 = FloorDiv(s0.X + kSub / 2, kSub), y0 = FloorDiv(s0.Y + kSub / 2, kSub);
  int64_t x1 = FloorDiv(s1.X + kSub / 2, kSub), y1 = FloorDiv(s1.Y + kSub / 2, kSub);
  int64_t steps = std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
  for (int64_t i = 0; i <= steps; ++i) {
    float t = steps ? static_cast<float>(i) / static_cast<float>(steps) : 0.0f;
    int64_t x = x0 + (steps ? ((x1 - x0) * i * 2 + (x1 > x0 ? steps : -steps)) / (2 * steps) : 0);
    int64_t y = y0 + (steps ? ((y1 - y0) * i * 2 + (y1 > y0 ? steps : -steps)) / (2 * steps) : 0);
    if (x < c.sx0 || x >= c.sx1 || y < c.sy0 || y >= c.sy1) continue;
    float q = s0.q + (s1.q - s0.q) * t;
    float w = c.perspective ? 1.0f / q : 1.0f;
    float at[ACOUNT];
    for (int k = 0; k < ACOUNT; ++k) at[k] = (s0.a[k] + (s1.a[k] - s0.a[k]) * t) * w;
    uint32_t diffuse = flatColour ? PackDiffuse(flatColour[0], flatColour[1], flatColour[2], flatColour[3])
                                  : PackDiffuse(at[AR], at[AG], at[AB], at[AA]);
    ShadePixel(c, static_cast<int32_t>(x), static_cast<int32_t>(y), s0.z + (s1.z - s0.z) * t, diffuse, at[AU],
               at[AV], at[AF], 0.0f);
  }
}

RasterCache& Cache(PlatDevice3D& d) {
  if (!d.raster) d.raster = new RasterCache;
  return *d.raster;
}

// Reads the states into the context; an error result when they cannot be drawn.
PlatResult Prepare(PlatDevice3D& d, Ctx* out) {
  Ctx& c = *out;
  PlatSurfaceView tv;
  if (!PlatSurfaceGetView(d.target, &tv)) return PLATERR_SURFACELOST;
  if (!TargetKindOf(tv.format, &c.kind)) return PLATERR_INVALIDPIXELFORMAT;
  c.pixels = tv.pixels;
  c.pitch = tv.pitch;
  const PlatViewport3D& vp = d.viewport;
  c.vx = static_cast<float>(vp.x);
  c.vy = static_cast<float>(vp.y);
  c.vw = static_cast<float>(vp.width);
  c.vh = static_cast<float>(vp.height);
  c.minZ = vp.minZ;
  c.maxZ = vp.maxZ;
  c.sx0 = static_cast<int32_t>(std::min<uint32_t>(vp.x, tv.width));
  c.sy0 = static_cast<int32_t>(std::min<uint32_t>(vp.y, tv.height));
  c.sx1 = static_cast<int32_t>(std::min<uint64_t>(static_cast<uint64_t>(vp.x) + vp.width, tv.width));
  c.sy1 = static_cast<int32_t>(std::min<uint64_t>(static_cast<uint64_t>(vp.y) + vp.height, tv.height));
  const uint32_t* rs = d.renderState;
  if (rs[PLAT_RS_ALPHATESTENABLE] || rs[PLAT_RS_COLORKEYENABLE]) return PLAT3DERR_CONFLICTINGRENDERSTATE;
  PlatSurfaceView zv;
  if (d.zbuffer && PlatSurfaceGetView(d.zbuffer, &zv) && (zv.format.flags & PLAT_PF_ZBUFFER) && zv.width >= tv.width &&
      zv.height >= tv.height) {
    c.zpixels = zv.pixels;
    c.zpitch = zv.pitch;
    c.zbytes = zv.format.bitCount <= 16 ? 2 : 4;
    c.zmask = zv.format.rMask;
    c.smask = (zv.format.flags & PLAT_PF_STENCILBUFFER) ? zv.format.gMask : 0;
    Channel s = MaskChannel(c.smask);
    c.sshift = s.shift;
    c.smax = s.bits ? (s.bits >= 32 ? 0xFFFFFFFFu : (1u << s.bits) - 1) : 0;
    if (!s.bits) c.smask = 0;
    c.zscale = static_cast<float>(c.zmask);
    c.zTest = rs[PLAT_RS_ZENABLE] != PLAT_ZB_FALSE;
    c.zWrite = c.zTest && rs[PLAT_RS_ZWRITEENABLE] != 0;
    c.zFunc = rs[PLAT_RS_ZFUNC];
    if (rs[PLAT_RS_STENCILENABLE] && c.smask) {
      c.stencil = true;
      c.sFunc = rs[PLAT_RS_STENCILFUNC];
      c.sRef = rs[PLAT_RS_STENCILREF];
      c.sMask = rs[PLAT_RS_STENCILMASK] & c.smax;
      c.sWriteMask = rs[PLAT_RS_STENCILWRITEMASK] & c.smax;
      c.sFail = rs[PLAT_RS_STENCILFAIL];
      c.sZFail = rs[PLAT_RS_STENCILZFAIL];
      c.sPass = rs[PLAT_RS_STENCILPASS];
    }
  }
  c.blend = rs[PLAT_RS_ALPHABLENDENABLE] != 0;
  c.srcBlend = rs[PLAT_RS_SRCBLEND];
  c.dstBlend = rs[PLAT_RS_DESTBLEND];
  if (rs[PLAT_RS_FOGENABLE] && rs[PLAT_RS_FOGTABLEMODE] != PLAT_FOG_NONE) {
    c.fogMode = rs[PLAT_RS_FOGTABLEMODE];
    c.fogStart = Plat3DBitsFloat(rs[PLAT_RS_FOGSTART]);
    c.fogEnd = Plat3DBitsFloat(rs[PLAT_RS_FOGEND]);
    c.fogDensity = Plat3DBitsFloat(rs[PLAT_RS_FOGDENSITY]);
    float range = c.fogEnd - c.fogStart;
    c.fogInvRange = range != 0.0f ? 1.0f / range : 0.0f;
    uint32_t fc = rs[PLAT_RS_FOGCOLOR];
    c.fogR = (fc >> 16) & 0xFF;
    c.fogG = (fc >> 8) & 0xFF;
    c.fogB = fc & 0xFF;
  }
  const uint32_t* ts = d.stageState;
  c.colorOp = ts[PLAT_TSS_COLOROP];
  c.colorArg1 = ts[PLAT_TSS_COLORARG1];
  c.colorArg2 = ts[PLAT_TSS_COLORARG2];
  c.alphaOp = ts[PLAT_TSS_ALPHAOP];
  c.alphaArg1 = ts[PLAT_TSS_ALPHAARG1];
  c.alphaArg2 = ts[PLAT_TSS_ALPHAARG2];
  c.tfactor = rs[PLAT_RS_TEXTUREFACTOR];
  bool usesTexture = c.colorOp != PLAT_TOP_DISABLE &&
                     ((c.colorArg1 & 0x0F) == PLAT_TA_TEXTURE || (c.colorArg2 & 0x0F) == PLAT_TA_TEXTURE ||
                      (c.alphaOp != PLAT_TOP_DISABLE &&
                       ((c.alphaArg1 & 0x0F) == PLAT_TA_TEXTURE || (c.alphaArg2 & 0x0F) == PLAT_TA_TEXTURE)));
  if (d.texture && usesTexture) {
    RasterCache& cache = Cache(d);
    const std::vector<TexLevel>* levels = RefreshTexture(cache, d.texture);
    if (!levels) return PLATERR_INVALIDPIXELFORMAT;
    c.tex = levels;
    c.magFilter = ts[PLAT_TSS_MAGFILTER];
    c.minFilter = ts[PLAT_TSS_MINFILTER];
    c.mipFilter = ts[PLAT_TSS_MIPFILTER];
    c.wrapU = ts[PLAT_TSS_ADDRESSU] != PLAT_TADDRESS_CLAMP;
    c.wrapV = ts[PLAT_TSS_ADDRESSV] != PLAT_TADDRESS_CLAMP;
    c.lodBias = Plat3DBitsFloat(ts[PLAT_TSS_MIPMAPLODBIAS]);
    c.maxLevel = ts[PLAT_TSS_MAXMIPLEVEL];
    c.needLod = c.magFilter != c.minFilter || (c.mipFilter != PLAT_TFP_NONE && levels->size() > 1);
    size_t count = std::min<size_t>(levels->size(), 16);
    c.lastLevel = static_cast<uint32_t>(count) - 1;
    c.baseLevel = std::min(c.maxLevel, c.lastLevel);
    c.fastWrap = c.wrapU && c.wrapV;
    c.levels = cache.views;
    for (size_t i = 0; i < count; ++i) {
      const TexLevel& l = (*levels)[i];
      LevelView& lv = cache.views[i];
      lv.texels = l.texels.data();
      lv.w = l.w;
      lv.h = l.h;
      lv.fw = static_cast<float>(l.w);
      lv.fh = static_cast<float>(l.h);
      lv.wmask = static_cast<int32_t>(l.w - 1);
      lv.hmask = static_cast<int32_t>(l.h - 1);
      if ((l.w & (l.w - 1)) != 0 || (l.h & (l.h - 1)) != 0) c.fastWrap = false;
    }
  }
  c.gouraud = rs[PLAT_RS_SHADEMODE] != PLAT_SHADE_FLAT;
  c.perspective = rs[PLAT_RS_TEXTUREPERSPECTIVE] != 0;
  c.cull = rs[PLAT_RS_CULLMODE];
  return PLAT_OK;
}

}  // namespace

PlatResult RasterClear(PlatDevice3D& d, uint32_t count, const PlatRect* rects, uint32_t flags, uint32_t colour, float z,
                       uint32_t stencil) {
  if (!flags || (flags & ~(PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL))) return PLATERR_INVALIDPARAMS;
  if (count && !rects) return PLATERR_INVALIDPARAMS;
  PlatSurfaceView tv;
  if (!PlatSurfaceGetView(d.target, &tv)) return PLATERR_SURFACELOST;
  TargetKind kind;
  if (!TargetKindOf(tv.format, &kind)) return PLATERR_INVALIDPIXELFORMAT;
  PlatSurfaceView zv{};
  bool hasZ = d.zbuffer && PlatSurfaceGetView(d.zbuffer, &zv) && (zv.format.flags & PLAT_PF_ZBUFFER);
  if ((flags & (PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL)) && !hasZ) return PLATERR_INVALIDPARAMS;
  uint32_t smask = hasZ && (zv.format.flags & PLAT_PF_STENCILBUFFER) ? zv.format.gMask : 0;
  if ((flags & PLAT_CLEAR_STENCIL) && !smask) return PLATERR_INVALIDPARAMS;
  if ((flags & PLAT_CLEAR_ZBUFFER) && !(z >= 0.0f && z <= 1.0f)) return PLATERR_INVALIDPARAMS;
  const PlatViewport3D& vp = d.viewport;
  PlatRect view{static_cast<int32_t>(std::min<uint32_t>(vp.x, tv.width)),
                static_cast<int32_t>(std::min<uint32_t>(vp.y, tv.height)),
                static_cast<int32_t>(std::min<uint64_t>(static_cast<uint64_t>(vp.x) + vp.width, tv.width)),
                static_cast<int32_t>(std::min<uint64_t>(static_cast<uint64_t>(vp.y) + vp.height, tv.height))};
  uint32_t pixel = PackTarget(kind, (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
  uint32_t zmask = hasZ ? zv.format.rMask : 0, zbytes = hasZ && zv.format.bitCount > 16 ? 4 : 2;
  Channel sc = MaskChannel(smask);
  uint32_t zvalue = std::min(static_cast<uint32_t>(static_cast<double>(z) * zmask + 0.5), zmask);
  uint32_t svalue = (stencil << sc.shift) & smask;
  uint32_t keep = 0xFFFFFFFFu;
  if (flags & PLAT_CLEAR_ZBUFFER) keep &= ~zmask;
  if (flags & PLAT_CLEAR_STENCIL) keep &= ~smask;
  uint32_t put = ((flags & PLAT_CLEAR_ZBUFFER) ? zvalue : 0) | ((flags & PLAT_CLEAR_STENCIL) ? svalue : 0);
  uint32_t n = count ? count : 1;
  for (uint32_t i = 0; i < n; ++i) {
    PlatRect r = count ? rects[i] : view;
    r.left = std::max(r.left, view.left);
    r.top = std::max(r.top, view.top);
    r.right = std::min(r.right, view.right);
    r.bottom = std::min(r.bottom, view.bottom);
    if (r.left >= r.right || r.top >= r.bottom) continue;
    for (int32_t y = r.top; y < r.bottom; ++y) {
      if (flags & PLAT_CLEAR_TARGET) {
        uint8_t* row = tv.pixels + static_cast<ptrdiff_t>(y) * tv.pitch;
        if (kind == kTarget888) {
          for (int32_t x = r.left; x < r.right; ++x) std::memcpy(row + x * 4, &pixel, 4);
        } else {
          uint16_t p16 = static_cast<uint16_t>(pixel);
          for (int32_t x = r.left; x < r.right; ++x) std::memcpy(row + x * 2, &p16, 2);
        }
      }
      if ((flags & (PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL)) && static_cast<uint32_t>(y) < zv.height) {
        uint8_t* row = zv.pixels + static_cast<ptrdiff_t>(y) * zv.pitch;
        int32_t right = std::min<int32_t>(r.right, static_cast<int32_t>(zv.width));
        if (zbytes == 2 && (keep & 0xFFFFu) == 0) {  // every bit replaced: a plain fill
          uint16_t p16 = static_cast<uint16_t>(put);
          for (int32_t x = r.left; x < right; ++x) std::memcpy(row + x * 2, &p16, 2);
          continue;
        }
        if (zbytes == 4 && keep == 0) {
          for (int32_t x = r.left; x < right; ++x) std::memcpy(row + x * 4, &put, 4);
          continue;
        }
        for (int32_t x = r.left; x < right; ++x) {
          if (zbytes == 2) {
            uint16_t s;
            std::memcpy(&s, row + x * 2, 2);
            s = static_cast<uint16_t>((s & keep) | put);
            std::memcpy(row + x * 2, &s, 2);
          } else {
            uint32_t s;
            std::memcpy(&s, row + x * 4, 4);
            s = (s & keep) | put;
            std::memcpy(row + x * 4, &s, 4);
          }
        }
      }
    }
  }
  if (flags & PLAT_CLEAR_TARGET) PlatSurfaceTouched(d.target);
  if (flags & (PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL)) PlatSurfaceTouched(d.zbuffer);
  return PLAT_OK;
}

PlatResult RasterDraw(PlatDevice3D& d, uint32_t type, uint32_t fvf, const void* vertices, uint32_t vertexCount,
                      const uint16_t* indices, uint32_t indexCount) {
  if (type < PLAT_PT_POINTLIST || type > PLAT_PT_TRIANGLEFAN) return PLAT3DERR_INVALIDPRIMITIVETYPE;
  Format f;
  if (!FormatOf(fvf, &f)) return PLAT3DERR_INVALIDVERTEXTYPE;
  if (!vertices || vertexCount == 0) return PLATERR_INVALIDPARAMS;
  if (indices) {
    for (uint32_t i = 0; i < indexCount; ++i)
      if (indices[i] >= vertexCount) return PLATERR_INVALIDPARAMS;
  } else if (indexCount) {
    return PLATERR_INVALIDPARAMS;
  }
  uint32_t n = indices ? indexCount : vertexCount;
  uint32_t prims = 0;
  switch (type) {
    case PLAT_PT_POINTLIST: prims = n; break;
    case PLAT_PT_LINELIST: prims = n % 2 ? 0 : n / 2; break;
    case PLAT_PT_LINESTRIP: prims = n >= 2 ? n - 1 : 0; break;
    case PLAT_PT_TRIANGLELIST: prims = n % 3 ? 0 : n / 3; break;
    default: prims = n >= 3 ? n - 2 : 0;
  }
  if (prims == 0) return PLATERR_INVALIDPARAMS;
  Ctx c;
  PlatResult r = Prepare(d, &c);
  if (r != PLAT_OK) return r;
  RasterCache& cache = Cache(d);
  TransformVertices(d, f, static_cast<const uint8_t*>(vertices), vertexCount, &cache.vertices);
  const std::vector<ClipVertex>& v = cache.vertices;
  cache.outcode.resize(vertexCount);
  cache.screen.resize(vertexCount);
  cache.projected.resize(vertexCount);
  for (uint32_t i = 0; i < vertexCount; ++i) {
    cache.outcode[i] = f.rhw ? 0 : Outcode(v[i]);
    cache.projected[i] = cache.outcode[i] == 0 && Project(c, v[i], f.rhw, &cache.screen[i]);
  }
  auto at = [&](uint32_t i) -> uint32_t { return indices ? indices[i] : i; };
  auto flatOf = [&](uint32_t vi) -> const float* { return c.gouraud ? nullptr : v[vi].a; };
  auto tri = [&](uint32_t i0, uint32_t i1, uint32_t i2, uint32_t provoking) {
    uint8_t all = cache.outcode[i0] & cache.outcode[i1] & cache.outcode[i2];
    if (all) return;  // wholly beyond one plane
    uint8_t any = cache.outcode[i0] | cache.outcode[i1] | cache.outcode[i2];
    if (!any) {
      if (cache.projected[i0] && cache.projected[i1] && cache.projected[i2])
        DrawTriangle(c, &cache.screen[i0], &cache.screen[i1], &cache.screen[i2], flatOf(provoking));
      return;
    }
    DrawClipTriangle(c, v[i0], v[i1], v[i2], any, f.rhw, flatOf(provoking));
  };
  switch (type) {
    case PLAT_PT_POINTLIST:
      for (uint32_t i = 0; i < n; ++i) DrawPoint(c, v[at(i)], f.rhw);
      break;
    case PLAT_PT_LINELIST:
      for (uint32_t i = 0; i + 1 < n; i += 2) DrawLine(c, v[at(i)], v[at(i + 1)], f.rhw, flatOf(at(i)));
      break;
    case PLAT_PT_LINESTRIP:
      for (uint32_t i = 0; i + 1 < n; ++i) DrawLine(c, v[at(i)], v[at(i + 1)], f.rhw, flatOf(at(i)));
      break;
    case PLAT_PT_TRIANGLELIST:
      for (uint32_t i = 0; i + 2 < n; i += 3) tri(at(i), at(i + 1), at(i + 2), at(i));
      break;
    case PLAT_PT_TRIANGLESTRIP:
      for (uint32_t i = 0; i + 2 < n; ++i) {
        if (i % 2 == 0)
          tri(at(i), at(i + 1), at(i + 2), at(i));
        else
          tri(at(i), at(i + 2), at(i + 1), at(i));
      }
      break;
    default:
      for (uint32_t i = 1; i + 1 < n; ++i) tri(at(0), at(i), at(i + 1), at(i));
  }
  d.stats.triangles += c.triangles;
  PlatSurfaceTouched(d.target);
  if (c.zpixels && (c.zWrite || c.stencil)) PlatSurfaceTouched(d.zbuffer);
  return PLAT_OK;
}

PlatResult RasterSphereVisibility(PlatDevice3D& d, const float* centres, const float* radii, uint32_t count,
                                  uint32_t* results) {
  if (count && (!centres || !radii || !results)) return PLATERR_INVALIDPARAMS;
  // The view frustum's planes in world space from View x Projection.
  float m[16];
  MatMul(d.view, d.projection, m);
  auto col = [&](int k, float out[4]) {
    out[0] = m[k];
    out[1] = m[4 + k];
    out[2] = m[8 + k];
    out[3] = m[12 + k];
  };
  float c0[4], c1[4], c2[4], c3[4];
  col(0, c0);
  col(1, c1);
  col(2, c2);
  col(3, c3);
  float planes[6][4];
  for (int i = 0; i < 4; ++i) {
    planes[0][i] = c3[i] + c0[i];  // left: x >= -w
    planes[1][i] = c3[i] - c0[i];  // right: x <= w
    planes[2][i] = c3[i] - c1[i];  // top: y <= w
    planes[3][i] = c3[i] + c1[i];  // bottom: y >= -w
    planes[4][i] = c2[i];          // front: z >= 0
    planes[5][i] = c3[i] - c2[i];  // back: z <= w
  }
  for (auto& p : planes) {
    float len = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    if (len > 0.0f)
      for (float& x : p) x /= len;
  }
  for (uint32_t i = 0; i < count; ++i) {
    const float* c = centres + static_cast<size_t>(i) * 3;
    float r = radii[i];
    uint32_t bits = 0;
    for (int p = 0; p < 6; ++p) {
      float dist = planes[p][0] * c[0] + planes[p][1] * c[1] + planes[p][2] * c[2] + planes[p][3];
      if (dist < r) bits |= 1u << p;              // crosses or lies beyond
      if (dist < -r) bits |= 0x1000u << p;        // wholly beyond
    }
    results[i] = bits;
  }
  return PLAT_OK;
}

void RasterFree(PlatDevice3D& d) {
  delete d.raster;
  d.raster = nullptr;
}
