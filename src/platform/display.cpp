// The display: one card whose surfaces are plain memory. The primary surface
// stands for what the screen shows; every change to it is handed to the back
// end as a frame, so the SDL back end shows it in the window and the headless
// one keeps it for tests.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "platform/d3dstate.h"

#include "engine/reset.h"

struct PlatPalette {
  uint32_t refs = 1;
  PlatPaletteEntry entries[256];
};

struct PlatClipper {
  uint32_t refs = 1;
  bool window = false;
};

struct PlatSurface {
  uint32_t refs = 1;
  uint32_t caps = 0;
  uint32_t width = 0, height = 0;
  int32_t pitch = 0;
  PlatPixelFormat format{};
  std::vector<uint8_t> pixels;
  bool primary = false;
  bool locked = false;
  bool lost = false;
  PlatSurface* back = nullptr;   // the flip chain's back buffer, owned
  PlatSurface* front = nullptr;  // for a back buffer: its front surface
  PlatSurface* attached = nullptr;
  PlatSurface* mip = nullptr;  // the next level of a mip chain, owned
  PlatSurface* mipTop = nullptr;  // for a lower level: the chain's first surface
  uint32_t generation = 0;  // moves on whenever the pixels may have changed; never repeats across surfaces
  PlatPalette* palette = nullptr;
  PlatClipper* clipper = nullptr;
};

struct PlatDisplay {
  uint32_t refs = 1;
  bool initialised = false;
};

namespace {

constexpr PlatPixelFormat kFormat8{PLAT_PF_PALETTEINDEXED8 | PLAT_PF_RGB, 8, 0, 0, 0, 0, 0};
constexpr PlatPixelFormat kFormat565{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0};
constexpr PlatPixelFormat kFormat888{PLAT_PF_RGB, 24, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0};
constexpr PlatPixelFormat kFormat8888{PLAT_PF_RGB, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0, 0};

struct ModeRow {
  uint32_t width, height;
  const PlatPixelFormat* format;
  uint32_t caps;
};

// The card's modes, in the order the driver lists them.
const ModeRow kModes[] = {
    {320, 200, &kFormat8, PLAT_MODE_STANDARDVGA},
    {320, 240, &kFormat8, PLAT_MODE_MODEX},
    {640, 480, &kFormat8, 0},    {640, 480, &kFormat565, 0},    {640, 480, &kFormat8888, 0},
    {800, 600, &kFormat8, 0},    {800, 600, &kFormat565, 0},    {800, 600, &kFormat8888, 0},
    {1024, 768, &kFormat8, 0},   {1024, 768, &kFormat565, 0},   {1024, 768, &kFormat8888, 0},
};

struct DisplayState {
  uint32_t coop = PLAT_COOP_NORMAL;
  bool modeSet = false;
  uint32_t modeWidth = 0, modeHeight = 0;
  PlatPixelFormat modeFormat{};
  std::vector<PlatSurface*> surfaces;  // alive, for losing them
  uint32_t generations = 0;            // the last surface generation handed out
  std::vector<PlatPalette*> palettes;  // alive, for the reset
  std::vector<PlatClipper*> clippers;
  std::vector<PlatDisplay*> displays;
  uint32_t presents = 0;
  uint32_t lastWidth = 0, lastHeight = 0;
  std::vector<uint32_t> last;
  PlatSurface* dirtyPrimary = nullptr;  // drawn into directly; shown at the next pump
  bool paintPending = false;
  PlatRect paint{};
  int cursorX = 0, cursorY = 0;
  uint32_t buttons = 0;
  uint32_t pressed = 0;  // buttons pressed since the last read, even if let go again
};

DisplayState& D() {
  static DisplayState* d = new DisplayState;
  return *d;
}

template <typename T>
void Forget(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}

uint32_t BytesPerPixel(const PlatPixelFormat& f) {
  if (f.flags & PLAT_PF_ZBUFFER) return f.bitCount <= 16 ? 2 : 4;  // a 24-bit z takes 32-bit pixels
  return (f.bitCount + 7) / 8;
}

uint32_t ReadPixel(const uint8_t* p, uint32_t bytes) {
  uint32_t v = 0;
  for (uint32_t i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(p[i]) << (8 * i);
  return v;
}

void WritePixel(uint8_t* p, uint32_t bytes, uint32_t v) {
  for (uint32_t i = 0; i < bytes; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

// A channel of v under mask, widened to 8 bits by repeating its bits.
uint32_t Channel8(uint32_t v, uint32_t mask) {
  if (!mask) return 0;
  int shift = __builtin_ctz(mask);
  int bits = __builtin_popcount(mask);
  uint32_t c = (v & mask) >> shift;
  if (bits >= 8) return c >> (bits - 8);
  uint32_t out = 0;
  for (int have = 0; have < 8; have += bits) out = (out << bits) | c;
  int total = ((8 + bits - 1) / bits) * bits;
  return (out >> (total - 8)) & 0xFF;
}

uint32_t ToXRGB(uint32_t v, const PlatPixelFormat& f, const PlatPaletteEntry* palette) {
  if (f.flags & PLAT_PF_PALETTEINDEXED8) {
    if (!palette) return (v & 0xFF) * 0x010101u;
    const PlatPaletteEntry& e = palette[v & 0xFF];
    return (static_cast<uint32_t>(e.red) << 16) | (static_cast<uint32_t>(e.green) << 8) | e.blue;
  }
  return (Channel8(v, f.rMask) << 16) | (Channel8(v, f.gMask) << 8) | Channel8(v, f.bMask);
}

uint32_t FromXRGB(uint32_t c, const PlatPixelFormat& f) {
  auto put = [](uint32_t c8, uint32_t mask) -> uint32_t {
    if (!mask) return 0;
    int shift = __builtin_ctz(mask);
    int bits = __builtin_popcount(mask);
    uint32_t v = bits >= 8 ? c8 << (bits - 8) : c8 >> (8 - bits);
    return (v << shift) & mask;
  };
  return put((c >> 16) & 0xFF, f.rMask) | put((c >> 8) & 0xFF, f.gMask) | put(c & 0xFF, f.bMask);
}

bool IsXRGB8888(const PlatPixelFormat& f) {
  return !(f.flags & PLAT_PF_PALETTEINDEXED8) && f.bitCount == 32 && f.rMask == 0xFF0000 && f.gMask == 0xFF00 &&
         f.bMask == 0xFF;
}

// Turns rows of pixels of one format into 0x00RRGGBB quickly: through a
// table for 8 and 16-bit pixels, by shifts for 8-bit channels.
class XrgbReader {
 public:
  XrgbReader(const PlatPixelFormat& f, const PlatPaletteEntry* palette) : f_(f), bpp_(BytesPerPixel(f)) {
    if (bpp_ <= 2) {
      size_t n = size_t{1} << (8 * bpp_);
      static std::vector<uint32_t> cache;
      static PlatPixelFormat cached{};
      static bool valid = false;
      if (palette || !valid || !PlatPixelFormatEqual(cached, f) || cache.size() != n) {
        cache.resize(n);
        for (size_t v = 0; v < n; ++v) cache[v] = ToXRGB(static_cast<uint32_t>(v), f, palette);
        cached = f;
        valid = !palette;  // palettes change; their tables are made afresh
      }
      lut_ = cache.data();
    } else {
      direct_ = IsXRGB8888(f) || (f.rMask == 0xFF0000 && f.gMask == 0xFF00 && f.bMask == 0xFF);
    }
  }
  void Row(const uint8_t* src, uint32_t count, uint32_t* out) const {
    switch (bpp_) {
      case 1:
        for (uint32_t i = 0; i < count; ++i) out[i] = lut_[src[i]];
        break;
      case 2:
        for (uint32_t i = 0; i < count; ++i) out[i] = lut_[src[2 * i] | (src[2 * i + 1] << 8)];
        break;
      default:
        for (uint32_t i = 0; i < count; ++i) {
          uint32_t v = ReadPixel(src + i * bpp_, bpp_);
          out[i] = direct_ ? (v & 0xFFFFFF) : ToXRGB(v, f_, nullptr);
        }
    }
  }

 private:
  PlatPixelFormat f_;
  uint32_t bpp_;
  const uint32_t* lut_ = nullptr;
  bool direct_ = false;
};

void ClientSize(int* w, int* h);

// The primary covers the window's client area, placed at its origin.
void PrimaryOffset(const PlatSurface* s, int32_t* dx, int32_t* dy) {
  *dx = *dy = 0;
  if (s->primary && !(D().coop & PLAT_COOP_FULLSCREEN)) {
    int x, y;
    PlatClientOrigin(&x, &y);
    *dx = x;
    *dy = y;
  }
}

void Present(PlatSurface* primary) {
  DisplayState& d = D();
  PlatFrame frame{primary->pixels.data(), primary->width, primary->height, primary->pitch, primary->format,
                  primary->palette ? primary->palette->entries : nullptr};
  d.last.resize(static_cast<size_t>(primary->width) * primary->height);
  PlatFrameToXRGB(frame, d.last.data());
  d.lastWidth = primary->width;
  d.lastHeight = primary->height;
  ++d.presents;
  if (const PlatBackend* b = PlatGetBackend(); b->present) b->present(frame);
}

PlatSurface* NewSurface(uint32_t caps, uint32_t w, uint32_t h, const PlatPixelFormat& f) {
  auto* s = new PlatSurface;
  s->caps = caps;
  s->width = w;
  s->height = h;
  s->format = f;
  s->generation = ++D().generations;
  s->pitch = static_cast<int32_t>((w * BytesPerPixel(f) + 7) & ~7u);
  s->pixels.assign(static_cast<size_t>(s->pitch) * h, 0);
  D().surfaces.push_back(s);
  return s;
}

void DeleteSurface(PlatSurface* s) {
  if (!s) return;
  auto& all = D().surfaces;
  all.erase(std::remove(all.begin(), all.end(), s), all.end());
  if (D().dirtyPrimary == s) D().dirtyPrimary = nullptr;
  if (s->back) DeleteSurface(s->back);
  if (s->mip) DeleteSurface(s->mip);
  if (s->attached) PlatSurfaceRelease(s->attached);
  if (s->palette) PlatPaletteRelease(s->palette);
  if (s->clipper) PlatClipperRelease(s->clipper);
  delete s;
}

bool RectInside(const PlatRect& r, uint32_t w, uint32_t h) {
  return r.left >= 0 && r.top >= 0 && r.left <= r.right && r.top <= r.bottom && r.right <= static_cast<int32_t>(w) &&
         r.bottom <= static_cast<int32_t>(h);
}

void ClientSize(int* w, int* h) {
  *w = PLAT_LAYOUT_WIDTH;
  *h = PLAT_LAYOUT_HEIGHT;
  PlatGetClientSize(w, h);
}

}  // namespace

bool PlatPixelFormatEqual(const PlatPixelFormat& a, const PlatPixelFormat& b) {
  return a.flags == b.flags && a.bitCount == b.bitCount && a.rMask == b.rMask && a.gMask == b.gMask &&
         a.bMask == b.bMask && a.aMask == b.aMask;
}

// --- cards and display objects ------------------------------------------------

PlatResult PlatEnumDisplayCards(PlatCardCallback callback, void* user, uint32_t flags) {
  if (!callback) return PLATERR_INVALIDPARAMS;
  if (flags & PLAT_ENUM_ATTACHED) callback(nullptr, "Primary Display Driver", "display", user, nullptr);
  return PLAT_OK;
}

PlatResult PlatCreateDisplay(PlatDisplay** out) {
  if (!out) return PLATERR_INVALIDPARAMS;
  *out = new PlatDisplay;
  D().displays.push_back(*out);
  return PLAT_OK;
}

PlatResult PlatDisplayInitialize(PlatDisplay* display, const uint8_t* guid) {
  if (!display) return PLATERR_INVALIDPARAMS;
  if (display->initialised) return PLATERR_ALREADYINITIALIZED;
  if (guid) return PLATERR_INVALIDPARAMS;  // only the primary display driver exists
  display->initialised = true;
  return PLAT_OK;
}

uint32_t PlatDisplayAddRef(PlatDisplay* display) { return display ? ++display->refs : 0; }

uint32_t PlatDisplayRelease(PlatDisplay* display) {
  if (!display) return 0;
  if (--display->refs) return display->refs;
  Forget(D().displays, display);
  delete display;
  return 0;
}

PlatResult PlatDisplayIdentifier(PlatDisplay* display, PlatDeviceIdentifier* out) {
  if (!display || !out) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  std::memset(out, 0, sizeof *out);
  std::strcpy(out->description, "Gafferon memory display");
  out->driverVersionHigh = (1u << 16) | 0u;
  out->driverVersionLow = (0u << 16) | 1u;
  return PLAT_OK;
}

PlatResult PlatDisplayCaps(PlatDisplay* display, uint32_t* caps, uint32_t* caps2) {
  if (!display) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  if (caps) *caps = PLAT_CAPS_3D;
  if (caps2) *caps2 = PLAT_CAPS2_CANRENDERWINDOWED;
  return PLAT_OK;
}

PlatResult PlatDisplayVideoMemory(PlatDisplay* display, uint32_t, uint32_t* total, uint32_t* free) {
  if (!display) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  if (total) *total = 16u << 20;
  if (free) *free = 16u << 20;
  return PLAT_OK;
}

PlatResult PlatDisplayQuery3D(PlatDisplay* display) {
  if (!display) return PLATERR_INVALIDPARAMS;
  return display->initialised ? PLAT_OK : PLATERR_NOTINITIALIZED;
}

// The card's one 3D device: our own rasteriser (d3ddevice.cpp, d3draster.cpp).
PlatResult PlatDisplayEnum3DDevices(PlatDisplay* display, Plat3DDeviceCallback callback, void* user) {
  if (!display || !callback) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  Plat3DDeviceDesc desc{};
  std::memcpy(desc.guid, PLAT_3D_DEVICE_GUID, sizeof desc.guid);
  desc.devCaps = 0x80000;                         // rasterises itself, not the processor's
  desc.triRasterCaps = 0x20 | 0x100;              // sub-pixel accurate, table fog
  desc.triTextureCaps = 0x1 | 0x4;                // perspective correct, alpha
  desc.triFilterCaps = 0x1 | 0x2 | 0x4 | 0x8 | 0x10 | 0x20;  // point, linear, the four mip filters
  desc.renderDepths = 0x400 | 0x100;              // 16 and 32 bits
  desc.zBufferDepths = 0x400 | 0x200 | 0x100;     // 16, 24 and 32 bits
  desc.minTexWidth = desc.minTexHeight = 1;
  desc.maxTexWidth = desc.maxTexHeight = 2048;
  desc.maxTexAspect = 0;
  callback("Gafferon software rasteriser (deterministic)", "Gafferon Rasteriser", desc, user);
  return PLAT_OK;
}

// z formats: bitCount is the bits a z pixel takes, rMask the z bits, gMask
// the stencil bits.
PlatResult PlatDisplayEnumZFormats(PlatDisplay* display, const uint8_t* deviceGuid, PlatZFormatCallback callback,
                                   void* user) {
  if (!display || !callback) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  // Without a device there is no z-buffer to offer.
  if (!deviceGuid) return PLAT_OK;
  if (std::memcmp(deviceGuid, PLAT_3D_DEVICE_GUID, sizeof PLAT_3D_DEVICE_GUID) != 0) return PLATERR_INVALIDPARAMS;
  const PlatPixelFormat formats[] = {
      {PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, 0x7FFF, 0x8000, 0, 0, 1},
      {PLAT_PF_ZBUFFER, 24, 0xFFFFFF, 0, 0, 0, 0},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, 0xFFFFFF, 0xFF000000, 0, 0, 8},
  };
  for (const PlatPixelFormat& f : formats)
    if (!callback(f, user)) break;
  return PLAT_OK;
}

PlatResult PlatDisplaySetCooperativeLevel(PlatDisplay* display, uint32_t flags) {
  if (!display) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  D().coop = flags;
  return PLAT_OK;
}

PlatResult PlatDisplayEnumModes(PlatDisplay* display, uint32_t flags, PlatModeCallback callback, void* user) {
  if (!display || !callback) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  for (const ModeRow& m : kModes) {
    uint32_t caps = m.caps;
    if (!(flags & PLAT_ENUMMODES_STANDARDVGA)) caps &= ~PLAT_MODE_STANDARDVGA;
    if (!callback({m.width, m.height, *m.format, caps}, user)) break;
  }
  return PLAT_OK;
}

PlatResult PlatDisplaySetMode(PlatDisplay* display, uint32_t width, uint32_t height, uint32_t bitCount, uint32_t,
                              uint32_t) {
  if (!display) return PLATERR_INVALIDPARAMS;
  if (!(D().coop & PLAT_COOP_EXCLUSIVE)) return PLATERR_NOEXCLUSIVEMODE;
  for (const ModeRow& m : kModes) {
    if (m.width == width && m.height == height && m.format->bitCount == bitCount) {
      DisplayState& d = D();
      d.modeSet = true;
      d.modeWidth = width;
      d.modeHeight = height;
      d.modeFormat = *m.format;
      return PLAT_OK;
    }
  }
  return PLATERR_UNSUPPORTEDMODE;
}

PlatResult PlatDisplayRestoreMode(PlatDisplay* display) {
  if (!display) return PLATERR_INVALIDPARAMS;
  D().modeSet = false;
  return PLAT_OK;
}

// --- surfaces -------------------------------------------------------------------

PlatResult PlatCreateSurface(PlatDisplay* display, const PlatSurfaceDesc& desc, PlatSurface** out) {
  if (!display || !out) return PLATERR_INVALIDPARAMS;
  if (!display->initialised) return PLATERR_NOTINITIALIZED;
  DisplayState& d = D();
  uint32_t w = desc.width, h = desc.height;
  PlatPixelFormat f = desc.hasFormat ? desc.format : kFormat8888;
  bool primary = desc.caps & PLAT_SCAPS_PRIMARYSURFACE;
  if (primary) {
    if (d.coop & PLAT_COOP_FULLSCREEN) {
      if (!d.modeSet) return PLATERR_NOEXCLUSIVEMODE;
      w = d.modeWidth;
      h = d.modeHeight;
      f = d.modeFormat;
    } else {
      int cw, ch;
      ClientSize(&cw, &ch);
      w = static_cast<uint32_t>(cw);
      h = static_cast<uint32_t>(ch);
      f = kFormat8888;
      if (desc.backBufferCount) return PLATERR_NOEXCLUSIVEMODE;
    }
  } else if (!desc.hasFormat && d.modeSet && (d.coop & PLAT_COOP_FULLSCREEN)) {
    f = d.modeFormat;
  }
  if (w == 0 || h == 0 || w > 4096 || h > 4096) return PLATERR_INVALIDPARAMS;
  if (!(f.flags & PLAT_PF_ZBUFFER) && f.bitCount != 8 && f.bitCount != 16 && f.bitCount != 24 && f.bitCount != 32)
    return PLATERR_INVALIDPIXELFORMAT;
  bool mipmapped = (desc.caps & PLAT_SCAPS_MIPMAP) && desc.mipMapCount > 1;
  if ((desc.caps & PLAT_SCAPS_MIPMAP) && !(desc.caps & PLAT_SCAPS_TEXTURE)) return PLATERR_INVALIDPARAMS;
  if (mipmapped && (desc.mipMapCount > 12 || (w >> (desc.mipMapCount - 1)) == 0 || (h >> (desc.mipMapCount - 1)) == 0))
    return PLATERR_INVALIDPARAMS;
  PlatSurface* s = NewSurface(desc.caps, w, h, f);
  s->primary = primary;
  if (mipmapped) {
    PlatSurface* level = s;
    for (uint32_t i = 1; i < desc.mipMapCount; ++i) {
      level->mip = NewSurface(desc.caps, w >> i, h >> i, f);
      level->mip->refs = 0;  // held by the chain's first surface
      level->mip->mipTop = s;
      level = level->mip;
    }
  }
  if (desc.backBufferCount) {
    if (!(desc.caps & PLAT_SCAPS_FLIP)) {
      DeleteSurface(s);
      return PLATERR_INVALIDPARAMS;
    }
    s->back = NewSurface(PLAT_SCAPS_BACKBUFFER, w, h, f);
    s->back->refs = 0;  // held by its front surface
    s->back->front = s;
  }
  *out = s;
  return PLAT_OK;
}

void PlatSurfaceAddRef(PlatSurface* surface) {
  if (surface) ++surface->refs;
}

uint32_t PlatSurfaceRelease(PlatSurface* surface) {
  if (!surface) return 0;
  if (surface->front || surface->mipTop) {  // a back buffer goes with its front surface
    if (surface->refs) --surface->refs;
    return surface->refs;
  }
  if (--surface->refs) return surface->refs;
  DeleteSurface(surface);
  return 0;
}

PlatResult PlatSurfaceGetBackBuffer(PlatSurface* surface, PlatSurface** out) {
  if (!surface || !out) return PLATERR_INVALIDPARAMS;
  if (!surface->back) return PLATERR_NOTFLIPPABLE;
  ++surface->back->refs;
  *out = surface->back;
  return PLAT_OK;
}

PlatResult PlatSurfaceAddAttached(PlatSurface* surface, PlatSurface* attached) {
  if (!surface || !attached) return PLATERR_INVALIDPARAMS;
  if (surface->attached) return PLATERR_INVALIDPARAMS;
  PlatSurfaceAddRef(attached);
  surface->attached = attached;
  return PLAT_OK;
}

PlatResult PlatSurfacePixelFormat(PlatSurface* surface, PlatPixelFormat* out) {
  if (!surface || !out) return PLATERR_INVALIDPARAMS;
  *out = surface->format;
  return PLAT_OK;
}

PlatResult PlatSurfaceSize(PlatSurface* surface, uint32_t* width, uint32_t* height) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (width) *width = surface->width;
  if (height) *height = surface->height;
  return PLAT_OK;
}

PlatResult PlatSurfaceLock(PlatSurface* surface, void** pixels, int32_t* pitch) {
  if (!surface || !pixels || !pitch) return PLATERR_INVALIDPARAMS;
  if (surface->lost) return PLATERR_SURFACELOST;
  if (surface->locked) return PLATERR_SURFACEBUSY;
  surface->locked = true;
  *pixels = surface->pixels.data();
  *pitch = surface->pitch;
  return PLAT_OK;
}

PlatResult PlatSurfaceUnlock(PlatSurface* surface) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (!surface->locked) return PLATERR_NOTLOCKED;
  surface->locked = false;
  surface->generation = ++D().generations;
  if (surface->primary) D().dirtyPrimary = surface;
  return PLAT_OK;
}

PlatResult PlatSurfaceFill(PlatSurface* surface, const PlatRect* rect, uint32_t colour) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (surface->lost) return PLATERR_SURFACELOST;
  if (surface->locked) return PLATERR_SURFACEBUSY;
  PlatRect r = rect ? *rect : PlatRect{0, 0, static_cast<int32_t>(surface->width), static_cast<int32_t>(surface->height)};
  if (!RectInside(r, surface->width, surface->height)) return PLATERR_INVALIDRECT;
  uint32_t bpp = BytesPerPixel(surface->format);
  for (int32_t y = r.top; y < r.bottom; ++y) {
    uint8_t* row = surface->pixels.data() + static_cast<size_t>(y) * surface->pitch;
    for (int32_t x = r.left; x < r.right; ++x) WritePixel(row + x * bpp, bpp, colour);
  }
  surface->generation = ++D().generations;
  if (surface->primary) Present(surface);
  return PLAT_OK;
}

PlatResult PlatSurfaceBlt(PlatSurface* dest, const PlatRect* destRect, PlatSurface* source,
                          const PlatRect* sourceRect) {
  if (!dest || !source) return PLATERR_INVALIDPARAMS;
  if (dest->lost || source->lost) return PLATERR_SURFACELOST;
  if (dest->locked || source->locked) return PLATERR_SURFACEBUSY;
  if (!PlatPixelFormatEqual(dest->format, source->format)) return PLATERR_INVALIDPIXELFORMAT;
  PlatRect s = sourceRect ? *sourceRect
                          : PlatRect{0, 0, static_cast<int32_t>(source->width), static_cast<int32_t>(source->height)};
  if (!RectInside(s, source->width, source->height)) return PLATERR_INVALIDRECT;
  int32_t ox, oy;
  PrimaryOffset(dest, &ox, &oy);
  PlatRect t = destRect ? *destRect : PlatRect{ox, oy, ox + s.right - s.left, oy + s.bottom - s.top};
  if (t.right - t.left != s.right - s.left || t.bottom - t.top != s.bottom - s.top) return PLATERR_INVALIDRECT;
  t = {t.left - ox, t.top - oy, t.right - ox, t.bottom - oy};
  // The clipper keeps a copy to the primary inside the window.
  if (dest->clipper) {
    int32_t cl = std::max(0, -t.left), ct = std::max(0, -t.top);
    int32_t cr = std::max(0, t.right - static_cast<int32_t>(dest->width));
    int32_t cb = std::max(0, t.bottom - static_cast<int32_t>(dest->height));
    t = {t.left + cl, t.top + ct, t.right - cr, t.bottom - cb};
    s = {s.left + cl, s.top + ct, s.right - cr, s.bottom - cb};
    if (t.left >= t.right || t.top >= t.bottom) return PLAT_OK;
  }
  if (!RectInside(t, dest->width, dest->height)) return PLATERR_INVALIDRECT;
  uint32_t bpp = BytesPerPixel(dest->format);
  size_t rowBytes = static_cast<size_t>(s.right - s.left) * bpp;
  for (int32_t y = 0; y < s.bottom - s.top; ++y)
    std::memmove(dest->pixels.data() + static_cast<size_t>(t.top + y) * dest->pitch + t.left * bpp,
                 source->pixels.data() + static_cast<size_t>(s.top + y) * source->pitch + s.left * bpp, rowBytes);
  dest->generation = ++D().generations;
  if (dest->primary) Present(dest);
  return PLAT_OK;
}

PlatResult PlatDesktopBlt(PlatSurface* dest, int32_t x, int32_t y, PlatSurface* source, const PlatRect& sourceRect) {
  if (!dest || !source) return PLATERR_INVALIDPARAMS;
  if (dest->lost || source->lost) return PLATERR_SURFACELOST;
  if (dest->format.flags & PLAT_PF_PALETTEINDEXED8) return PLATERR_INVALIDPIXELFORMAT;
  PlatRect s = sourceRect;
  if (!RectInside(s, source->width, source->height)) return PLATERR_INVALIDRECT;
  int32_t ox, oy;
  PrimaryOffset(dest, &ox, &oy);
  x -= ox;
  y -= oy;
  uint32_t sb = BytesPerPixel(source->format), db = BytesPerPixel(dest->format);
  XrgbReader reader(source->format, source->palette ? source->palette->entries : nullptr);
  bool directOut = IsXRGB8888(dest->format);
  std::vector<uint32_t> row;
  for (int32_t j = 0; j < s.bottom - s.top; ++j) {
    int32_t ty = y + j;
    if (ty < 0 || ty >= static_cast<int32_t>(dest->height)) continue;
    int32_t first = std::max(0, -x), last = std::min(s.right - s.left, static_cast<int32_t>(dest->width) - x);
    if (first >= last) continue;
    row.resize(static_cast<size_t>(last - first));
    reader.Row(source->pixels.data() + static_cast<size_t>(s.top + j) * source->pitch + (s.left + first) * sb,
               static_cast<uint32_t>(last - first), row.data());
    uint8_t* out = dest->pixels.data() + static_cast<size_t>(ty) * dest->pitch + (x + first) * db;
    if (directOut) {
      std::memcpy(out, row.data(), row.size() * 4);
    } else {
      for (size_t i = 0; i < row.size(); ++i) WritePixel(out + i * db, db, FromXRGB(row[i], dest->format));
    }
  }
  if (dest->primary) Present(dest);
  return PLAT_OK;
}

PlatResult PlatSurfaceFlip(PlatSurface* surface) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (!surface->back) return PLATERR_NOTFLIPPABLE;
  if (surface->lost || surface->back->lost) return PLATERR_SURFACELOST;
  if (surface->locked || surface->back->locked) return PLATERR_SURFACEBUSY;
  surface->pixels.swap(surface->back->pixels);
  surface->generation = ++D().generations;
  surface->back->generation = ++D().generations;
  if (surface->primary) Present(surface);
  return PLAT_OK;
}

PlatResult PlatSurfaceIsLost(PlatSurface* surface) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  return surface->lost ? PLATERR_SURFACELOST : PLAT_OK;
}

PlatResult PlatSurfaceRestore(PlatSurface* surface) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  surface->lost = false;
  if (surface->back) surface->back->lost = false;
  return PLAT_OK;
}

PlatResult PlatSurfaceSetClipper(PlatSurface* surface, PlatClipper* clipper) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (clipper) ++clipper->refs;
  if (surface->clipper) PlatClipperRelease(surface->clipper);
  surface->clipper = clipper;
  return PLAT_OK;
}

PlatResult PlatSurfaceSetPalette(PlatSurface* surface, PlatPalette* palette) {
  if (!surface) return PLATERR_INVALIDPARAMS;
  if (palette && !(surface->format.flags & PLAT_PF_PALETTEINDEXED8)) return PLATERR_NOTPALETTIZED;
  if (palette == surface->palette) {
    if (surface->primary) Present(surface);
    return PLAT_OK;
  }
  if (palette) ++palette->refs;
  if (surface->palette) PlatPaletteRelease(surface->palette);
  surface->palette = palette;
  if (surface->primary) Present(surface);
  return PLAT_OK;
}

void PlatPresentPending() {
  DisplayState& d = D();
  PlatSurface* s = d.dirtyPrimary;
  d.dirtyPrimary = nullptr;
  if (s && !s->locked && !s->lost) Present(s);
}

void PlatDisplayLoseSurfaces() {
  for (PlatSurface* s : D().surfaces) s->lost = true;
}

// --- palettes and clippers ---------------------------------------------------------

PlatResult PlatCreatePalette(PlatDisplay* display, const PlatPaletteEntry entries[256], PlatPalette** out) {
  if (!display || !entries || !out) return PLATERR_INVALIDPARAMS;
  auto* p = new PlatPalette;
  D().palettes.push_back(p);
  std::memcpy(p->entries, entries, sizeof p->entries);
  *out = p;
  return PLAT_OK;
}

PlatResult PlatPaletteSetEntries(PlatPalette* palette, uint32_t first, uint32_t count,
                                 const PlatPaletteEntry* entries) {
  if (!palette || !entries || first > 256 || count > 256 - first) return PLATERR_INVALIDPARAMS;
  std::memcpy(palette->entries + first, entries, count * sizeof *entries);
  return PLAT_OK;
}

uint32_t PlatPaletteRelease(PlatPalette* palette) {
  if (!palette) return 0;
  if (--palette->refs) return palette->refs;
  Forget(D().palettes, palette);
  delete palette;
  return 0;
}

PlatResult PlatCreateClipper(PlatDisplay* display, PlatClipper** out) {
  if (!display || !out) return PLATERR_INVALIDPARAMS;
  *out = new PlatClipper;
  D().clippers.push_back(*out);
  return PLAT_OK;
}

PlatResult PlatClipperSetWindow(PlatClipper* clipper) {
  if (!clipper) return PLATERR_INVALIDPARAMS;
  clipper->window = true;
  return PLAT_OK;
}

uint32_t PlatClipperRelease(PlatClipper* clipper) {
  if (!clipper) return 0;
  if (--clipper->refs) return clipper->refs;
  Forget(D().clippers, clipper);
  delete clipper;
  return 0;
}

// --- frames ----------------------------------------------------------------------------

void PlatFrameToXRGB(const PlatFrame& frame, uint32_t* out) {
  XrgbReader reader(frame.format, frame.palette);
  for (uint32_t y = 0; y < frame.height; ++y, out += frame.width)
    reader.Row(frame.pixels + static_cast<size_t>(y) * frame.pitch, frame.width, out);
}

uint32_t PlatPresentCount() { return D().presents; }

bool PlatLastPresented(uint32_t* width, uint32_t* height, const uint32_t** pixels) {
  DisplayState& d = D();
  if (!d.presents) return false;
  *width = d.lastWidth;
  *height = d.lastHeight;
  *pixels = d.last.data();
  return true;
}

void PlatInvalidateRect(const PlatRect* rect) {
  DisplayState& d = D();
  int cw, ch;
  ClientSize(&cw, &ch);
  PlatRect r = rect ? *rect : PlatRect{0, 0, cw, ch};
  if (r.left >= r.right || r.top >= r.bottom) return;
  if (d.paintPending) {
    d.paint = {std::min(d.paint.left, r.left), std::min(d.paint.top, r.top), std::max(d.paint.right, r.right),
               std::max(d.paint.bottom, r.bottom)};
    return;
  }
  d.paint = r;
  d.paintPending = true;
  if (PlatWindowExists()) PlatPostMessage(WM_PAINT, 0, 0);
}

void PlatInvalidateWindow() { PlatInvalidateRect(nullptr); }

bool PlatBeginPaint(PlatRect* rect) {
  DisplayState& d = D();
  if (!d.paintPending) return false;
  d.paintPending = false;
  *rect = d.paint;
  return true;
}

// --- cursor and joysticks ----------------------------------------------------------------

void PlatGetCursorPos(int* x, int* y) {
  if (x) *x = D().cursorX;
  if (y) *y = D().cursorY;
}

void PlatSetCursorPos(int x, int y) {
  D().cursorX = x;
  D().cursorY = y;
}

void PlatMoveCursor(int dx, int dy) {
  D().cursorX += dx;
  D().cursorY += dy;
}

uint32_t PlatMouseButtons() {
  DisplayState& d = D();
  const uint32_t seen = d.buttons | d.pressed;
  d.pressed = 0;
  return seen;
}

void PlatSetMouseButton(int bit, bool down) {
  if (bit < 0 || bit > 2) return;
  if (down) {
    D().buttons |= 1u << bit;
    D().pressed |= 1u << bit;
  } else
    D().buttons &= ~(1u << bit);
}

void PlatClearMouseButtons() { D().buttons = D().pressed = 0; }

int PlatJoystickCount() {
  const PlatBackend* b = PlatGetBackend();
  return b->joystickCount ? b->joystickCount() : 0;
}

bool PlatJoystickCaps(int index, PlatJoyCaps* caps) {
  const PlatBackend* b = PlatGetBackend();
  return caps && b->joystickCaps && b->joystickCaps(index, caps);
}

bool PlatJoystickRead(int index, PlatJoyPos* pos) {
  const PlatBackend* b = PlatGetBackend();
  return pos && b->joystickRead && b->joystickRead(index, pos);
}

void PlatDisplayReset() {
  DisplayState& d = D();
  // Everything handed out goes, whatever still refers to it.
  for (PlatSurface* s : d.surfaces) delete s;
  for (PlatPalette* p : d.palettes) delete p;
  for (PlatClipper* c : d.clippers) delete c;
  for (PlatDisplay* x : d.displays) delete x;
  d = DisplayState{};
}
REGISTER_RESET(RESET_PLATFORM, PlatDisplayReset);

// --- access for the 3D device ----------------------------------------------------

bool PlatSurfaceGetView(PlatSurface* surface, PlatSurfaceView* out) {
  if (!surface || !out || surface->lost) return false;
  *out = {surface->pixels.data(), surface->pitch, surface->width, surface->height,
          surface->format, surface->caps, surface->generation};
  return true;
}

PlatSurface* PlatSurfaceMipLevel(PlatSurface* surface) { return surface ? surface->mip : nullptr; }

PlatSurface* PlatSurfaceAttached(PlatSurface* surface) { return surface ? surface->attached : nullptr; }

void PlatSurfaceTouched(PlatSurface* surface) {
  if (!surface) return;
  surface->generation = ++D().generations;
  if (surface->primary) D().dirtyPrimary = surface;
}

PlatResult PlatSurfaceGetNextMipLevel(PlatSurface* surface, PlatSurface** out) {
  if (!surface || !out) return PLATERR_INVALIDPARAMS;
  *out = surface->mip;
  if (!surface->mip) return PLATERR_NOTFOUND;
  ++surface->mip->refs;
  return PLAT_OK;
}
