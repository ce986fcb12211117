// The 3D device's calls: device life, states, transforms, lights, textures.
// Every value is checked when it is set, so the rasteriser draws only with
// states it knows; a value it does not draw is refused, never ignored.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/reset.h"
#include "platform/d3dstate.h"

const uint8_t PLAT_3D_DEVICE_GUID[16] = {0x47, 0x61, 0x66, 0x66, 0x65, 0x72, 0x6F, 0x6E,
                                         0x52, 0x61, 0x73, 0x74, 0x65, 0x72, 0x20, 0x31};

namespace {

struct DeviceState {
  std::vector<PlatDevice3D*> devices;  // alive, in creation order
  std::vector<PlatDisplay*> displays;  // the display each device holds, same order
};

DeviceState& S() {
  static DeviceState s;
  return s;
}

bool Alive(const PlatDevice3D* device) {
  const auto& v = S().devices;
  return device && std::find(v.begin(), v.end(), device) != v.end();
}

void SetIdentity(float m[16]) {
  for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

// Direct3D 7's initial values of the render states; ZENABLE follows the z-buffer.
void InitialRenderStates(uint32_t rs[PLAT_RS_COUNT], bool hasZ) {
  std::fill(rs, rs + PLAT_RS_COUNT, 0u);
  rs[3] = PLAT_TADDRESS_WRAP;                  // TEXTUREADDRESS
  rs[PLAT_RS_TEXTUREPERSPECTIVE] = 1;
  rs[5] = 0;                                   // WRAPU
  rs[6] = 0;                                   // WRAPV
  rs[PLAT_RS_ZENABLE] = hasZ ? PLAT_ZB_TRUE : PLAT_ZB_FALSE;
  rs[PLAT_RS_FILLMODE] = PLAT_FILL_SOLID;
  rs[PLAT_RS_SHADEMODE] = PLAT_SHADE_GOURAUD;
  rs[PLAT_RS_LINEPATTERN] = 0;
  rs[11] = 0;                                  // MONOENABLE
  rs[12] = 0;                                  // ROP2
  rs[13] = 0xFFFFFFFFu;                        // PLANEMASK
  rs[PLAT_RS_ZWRITEENABLE] = 1;
  rs[PLAT_RS_ALPHATESTENABLE] = 0;
  rs[PLAT_RS_LASTPIXEL] = 1;
  rs[17] = PLAT_TFG_POINT;                     // TEXTUREMAG
  rs[18] = PLAT_TFN_POINT;                     // TEXTUREMIN
  rs[PLAT_RS_SRCBLEND] = PLAT_BLEND_ONE;
  rs[PLAT_RS_DESTBLEND] = PLAT_BLEND_ZERO;
  rs[21] = 4;                                  // TEXTUREMAPBLEND: modulate
  rs[PLAT_RS_CULLMODE] = PLAT_CULL_CCW;
  rs[PLAT_RS_ZFUNC] = PLAT_CMP_LESSEQUAL;
  rs[PLAT_RS_ALPHAREF] = 0;
  rs[PLAT_RS_ALPHAFUNC] = PLAT_CMP_ALWAYS;
  rs[PLAT_RS_DITHERENABLE] = 0;
  rs[PLAT_RS_ALPHABLENDENABLE] = 0;
  rs[PLAT_RS_FOGENABLE] = 0;
  rs[PLAT_RS_SPECULARENABLE] = 0;
  rs[PLAT_RS_ZVISIBLE] = 0;
  rs[31] = 0;                                  // SUBPIXEL
  rs[32] = 0;                                  // SUBPIXELX
  rs[PLAT_RS_STIPPLEDALPHA] = 0;
  rs[PLAT_RS_FOGCOLOR] = 0;
  rs[PLAT_RS_FOGTABLEMODE] = PLAT_FOG_NONE;
  rs[PLAT_RS_FOGSTART] = Plat3DFloatBits(0.0f);
  rs[PLAT_RS_FOGEND] = Plat3DFloatBits(1.0f);
  rs[PLAT_RS_FOGDENSITY] = Plat3DFloatBits(1.0f);
  rs[39] = 0;                                  // STIPPLEENABLE
  rs[PLAT_RS_EDGEANTIALIAS] = 0;
  rs[PLAT_RS_COLORKEYENABLE] = 0;
  rs[43] = 0;                                  // BORDERCOLOR
  rs[44] = PLAT_TADDRESS_WRAP;                 // TEXTUREADDRESSU
  rs[45] = PLAT_TADDRESS_WRAP;                 // TEXTUREADDRESSV
  rs[46] = 0;                                  // MIPMAPLODBIAS
  rs[PLAT_RS_ZBIAS] = 0;
  rs[PLAT_RS_RANGEFOGENABLE] = 0;
  rs[49] = 1;                                  // ANISOTROPY
  rs[PLAT_RS_STENCILENABLE] = 0;
  rs[PLAT_RS_STENCILFAIL] = PLAT_STENCILOP_KEEP;
  rs[PLAT_RS_STENCILZFAIL] = PLAT_STENCILOP_KEEP;
  rs[PLAT_RS_STENCILPASS] = PLAT_STENCILOP_KEEP;
  rs[PLAT_RS_STENCILFUNC] = PLAT_CMP_ALWAYS;
  rs[PLAT_RS_STENCILREF] = 0;
  rs[PLAT_RS_STENCILMASK] = 0xFFFFFFFFu;
  rs[PLAT_RS_STENCILWRITEMASK] = 0xFFFFFFFFu;
  rs[PLAT_RS_TEXTUREFACTOR] = 0xFFFFFFFFu;
  rs[PLAT_RS_CLIPPING] = 1;
  rs[PLAT_RS_LIGHTING] = 1;
  rs[PLAT_RS_EXTENTS] = 0;
  rs[PLAT_RS_AMBIENT] = 0;
  rs[PLAT_RS_FOGVERTEXMODE] = PLAT_FOG_NONE;
  rs[PLAT_RS_COLORVERTEX] = 1;
  rs[PLAT_RS_LOCALVIEWER] = 1;
  rs[PLAT_RS_NORMALIZENORMALS] = 0;
  rs[PLAT_RS_COLORKEYBLENDENABLE] = 0;
  rs[PLAT_RS_DIFFUSEMATERIALSOURCE] = PLAT_MCS_COLOR1;
  rs[PLAT_RS_SPECULARMATERIALSOURCE] = PLAT_MCS_COLOR2;
  rs[PLAT_RS_AMBIENTMATERIALSOURCE] = PLAT_MCS_MATERIAL;
  rs[PLAT_RS_EMISSIVEMATERIALSOURCE] = PLAT_MCS_MATERIAL;
  rs[PLAT_RS_VERTEXBLEND] = 0;
  rs[PLAT_RS_CLIPPLANEENABLE] = 0;
}

// Direct3D 7's initial values of stage 0.
void InitialStageStates(uint32_t ts[PLAT_TSS_COUNT]) {
  std::fill(ts, ts + PLAT_TSS_COUNT, 0u);
  ts[PLAT_TSS_COLOROP] = PLAT_TOP_MODULATE;
  ts[PLAT_TSS_COLORARG1] = PLAT_TA_TEXTURE;
  ts[PLAT_TSS_COLORARG2] = PLAT_TA_CURRENT;
  ts[PLAT_TSS_ALPHAOP] = PLAT_TOP_SELECTARG1;
  ts[PLAT_TSS_ALPHAARG1] = PLAT_TA_TEXTURE;
  ts[PLAT_TSS_ALPHAARG2] = PLAT_TA_CURRENT;
  ts[PLAT_TSS_TEXCOORDINDEX] = 0;
  ts[PLAT_TSS_ADDRESS] = PLAT_TADDRESS_WRAP;
  ts[PLAT_TSS_ADDRESSU] = PLAT_TADDRESS_WRAP;
  ts[PLAT_TSS_ADDRESSV] = PLAT_TADDRESS_WRAP;
  ts[PLAT_TSS_BORDERCOLOR] = 0;
  ts[PLAT_TSS_MAGFILTER] = PLAT_TFG_POINT;
  ts[PLAT_TSS_MINFILTER] = PLAT_TFN_POINT;
  ts[PLAT_TSS_MIPFILTER] = PLAT_TFP_NONE;
  ts[PLAT_TSS_MIPMAPLODBIAS] = Plat3DFloatBits(0.0f);
  ts[PLAT_TSS_MAXMIPLEVEL] = 0;
  ts[PLAT_TSS_MAXANISOTROPY] = 1;
  ts[PLAT_TSS_TEXTURETRANSFORMFLAGS] = 0;
}

bool IsBool(uint32_t v) { return v <= 1; }
bool InRange(uint32_t v, uint32_t lo, uint32_t hi) { return v >= lo && v <= hi; }
bool FiniteBits(uint32_t v) { return std::isfinite(Plat3DBitsFloat(v)); }

// Whether the rasteriser draws a render state at this value; the error result when not.
PlatResult CheckRenderState(uint32_t state, uint32_t v) {
  const PlatResult bad = PLAT3DERR_INVALIDSTATEVALUE;
  switch (state) {
    case PLAT_RS_ANTIALIAS:
    case PLAT_RS_LINEPATTERN:
    case PLAT_RS_SPECULARENABLE:
    case PLAT_RS_ZVISIBLE:
    case PLAT_RS_STIPPLEDALPHA:
    case PLAT_RS_EDGEANTIALIAS:
    case PLAT_RS_RANGEFOGENABLE:
    case PLAT_RS_FOGVERTEXMODE:
    case PLAT_RS_VERTEXBLEND:
    case PLAT_RS_CLIPPLANEENABLE:
      return v == 0 ? PLAT_OK : bad;
    case PLAT_RS_WRAP0 + 0:
    case PLAT_RS_WRAP0 + 1:
    case PLAT_RS_WRAP0 + 2:
    case PLAT_RS_WRAP0 + 3:
    case PLAT_RS_WRAP0 + 4:
    case PLAT_RS_WRAP0 + 5:
    case PLAT_RS_WRAP0 + 6:
    case PLAT_RS_WRAP0 + 7:
      return v == 0 ? PLAT_OK : bad;
    case PLAT_RS_TEXTUREPERSPECTIVE:
    case PLAT_RS_ZWRITEENABLE:
    case PLAT_RS_LASTPIXEL:
    case PLAT_RS_DITHERENABLE:
    case PLAT_RS_ALPHABLENDENABLE:
    case PLAT_RS_FOGENABLE:
    case PLAT_RS_STENCILENABLE:
    case PLAT_RS_CLIPPING:
    case PLAT_RS_LIGHTING:
    case PLAT_RS_EXTENTS:
    case PLAT_RS_COLORVERTEX:
    case PLAT_RS_LOCALVIEWER:
    case PLAT_RS_NORMALIZENORMALS:
      return IsBool(v) ? PLAT_OK : bad;
    case PLAT_RS_ZENABLE:
      return (v == PLAT_ZB_FALSE || v == PLAT_ZB_TRUE) ? PLAT_OK : bad;
    case PLAT_RS_FILLMODE:
      return v == PLAT_FILL_SOLID ? PLAT_OK : bad;
    case PLAT_RS_SHADEMODE:
      return (v == PLAT_SHADE_FLAT || v == PLAT_SHADE_GOURAUD) ? PLAT_OK : bad;
    case PLAT_RS_SRCBLEND:  // the saturated source alpha is a source factor only
      return InRange(v, PLAT_BLEND_ZERO, PLAT_BLEND_SRCALPHASAT) ? PLAT_OK : bad;
    case PLAT_RS_DESTBLEND:
      return InRange(v, PLAT_BLEND_ZERO, PLAT_BLEND_INVDESTCOLOR) ? PLAT_OK : bad;
    case PLAT_RS_CULLMODE:
      return InRange(v, PLAT_CULL_NONE, PLAT_CULL_CCW) ? PLAT_OK : bad;
    case PLAT_RS_ZFUNC:
    case PLAT_RS_STENCILFUNC:
      return InRange(v, PLAT_CMP_NEVER, PLAT_CMP_ALWAYS) ? PLAT_OK : bad;
    case PLAT_RS_STENCILFAIL:
    case PLAT_RS_STENCILZFAIL:
    case PLAT_RS_STENCILPASS:
      return InRange(v, PLAT_STENCILOP_KEEP, PLAT_STENCILOP_DECR) ? PLAT_OK : bad;
    case PLAT_RS_FOGTABLEMODE:
      return v <= PLAT_FOG_LINEAR ? PLAT_OK : bad;  // none, exponential, squared exponential, linear
    case PLAT_RS_FOGSTART:
    case PLAT_RS_FOGEND:
    case PLAT_RS_FOGDENSITY:
      return FiniteBits(v) ? PLAT_OK : bad;
    case PLAT_RS_ZBIAS:
      return v <= 16 ? PLAT_OK : bad;
    case PLAT_RS_DIFFUSEMATERIALSOURCE:
    case PLAT_RS_SPECULARMATERIALSOURCE:
    case PLAT_RS_AMBIENTMATERIALSOURCE:
    case PLAT_RS_EMISSIVEMATERIALSOURCE:
      return v <= PLAT_MCS_COLOR2 ? PLAT_OK : bad;
    // Kept for whoever reads them back; they change nothing drawn (alpha test
    // and colour key are refused by the rasteriser while drawing).
    case PLAT_RS_ALPHATESTENABLE:
    case PLAT_RS_ALPHAREF:
    case PLAT_RS_ALPHAFUNC:
    case PLAT_RS_COLORKEYENABLE:
    case PLAT_RS_COLORKEYBLENDENABLE:
    case PLAT_RS_FOGCOLOR:
    case PLAT_RS_STENCILREF:
    case PLAT_RS_STENCILMASK:
    case PLAT_RS_STENCILWRITEMASK:
    case PLAT_RS_TEXTUREFACTOR:
    case PLAT_RS_AMBIENT:
      return PLAT_OK;
    default:
      return bad;  // a state this device does not offer
  }
}

bool IsArg(uint32_t v) { return v <= PLAT_TA_TFACTOR; }  // no modifier bits
bool IsOp(uint32_t v) { return InRange(v, PLAT_TOP_DISABLE, PLAT_TOP_MODULATE2X); }

PlatResult CheckStageState(uint32_t type, uint32_t v) {
  switch (type) {
    case PLAT_TSS_COLOROP:
      return IsOp(v) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDCOLOROPERATION;
    case PLAT_TSS_ALPHAOP:
      return IsOp(v) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDALPHAOPERATION;
    case PLAT_TSS_COLORARG1:
    case PLAT_TSS_COLORARG2:
      return IsArg(v) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDCOLORARG;
    case PLAT_TSS_ALPHAARG1:
    case PLAT_TSS_ALPHAARG2:
      return IsArg(v) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDALPHAARG;
    case PLAT_TSS_MAGFILTER:
      return (v == PLAT_TFG_POINT || v == PLAT_TFG_LINEAR) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDTEXTUREFILTER;
    case PLAT_TSS_MINFILTER:
      return (v == PLAT_TFN_POINT || v == PLAT_TFN_LINEAR) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDTEXTUREFILTER;
    case PLAT_TSS_MIPFILTER:
      return InRange(v, PLAT_TFP_NONE, PLAT_TFP_LINEAR) ? PLAT_OK : PLAT3DERR_UNSUPPORTEDTEXTUREFILTER;
    case PLAT_TSS_ADDRESS:
    case PLAT_TSS_ADDRESSU:
    case PLAT_TSS_ADDRESSV:
      return (v == PLAT_TADDRESS_WRAP || v == PLAT_TADDRESS_CLAMP) ? PLAT_OK : PLAT3DERR_INVALIDSTATEVALUE;
    case PLAT_TSS_MIPMAPLODBIAS:
      return FiniteBits(v) ? PLAT_OK : PLAT3DERR_INVALIDSTATEVALUE;
    case PLAT_TSS_TEXCOORDINDEX:
    case PLAT_TSS_MAXMIPLEVEL:
    case PLAT_TSS_TEXTURETRANSFORMFLAGS:
      return v == 0 ? PLAT_OK : PLAT3DERR_INVALIDSTATEVALUE;
    case PLAT_TSS_MAXANISOTROPY:
      return v >= 1 ? PLAT_OK : PLAT3DERR_INVALIDSTATEVALUE;
    // No bump mapping and no border addressing: these change nothing drawn.
    case PLAT_TSS_BUMPENVMAT00:
    case PLAT_TSS_BUMPENVMAT01:
    case PLAT_TSS_BUMPENVMAT10:
    case PLAT_TSS_BUMPENVMAT11:
    case PLAT_TSS_BUMPENVLSCALE:
    case PLAT_TSS_BUMPENVLOFFSET:
    case PLAT_TSS_BORDERCOLOR:
      return PLAT_OK;
    default:
      return PLATERR_INVALIDPARAMS;
  }
}

bool TargetFormatOk(const PlatPixelFormat& f) {
  if (!(f.flags & PLAT_PF_RGB) || (f.flags & PLAT_PF_ZBUFFER)) return false;
  if (f.bitCount == 16)
    return (f.rMask == 0xF800 && f.gMask == 0x07E0 && f.bMask == 0x001F) ||
           (f.rMask == 0x7C00 && f.gMask == 0x03E0 && f.bMask == 0x001F);
  if (f.bitCount == 32) return f.rMask == 0xFF0000 && f.gMask == 0xFF00 && f.bMask == 0xFF;
  return false;
}

void DestroyDevice(PlatDevice3D* device, bool releaseSurfaces) {
  DeviceState& s = S();
  auto it = std::find(s.devices.begin(), s.devices.end(), device);
  PlatDisplay* display = nullptr;
  if (it != s.devices.end()) {
    const size_t i = static_cast<size_t>(it - s.devices.begin());
    display = s.displays[i];
    s.devices.erase(it);
    s.displays.erase(s.displays.begin() + static_cast<std::ptrdiff_t>(i));
  }
  RasterFree(*device);
  if (releaseSurfaces) {
    if (device->texture) PlatSurfaceRelease(device->texture);
    if (device->zbuffer) PlatSurfaceRelease(device->zbuffer);
    if (device->target) PlatSurfaceRelease(device->target);
    if (display) PlatDisplayRelease(display);
  }
  delete device;
}

// At program start no device exists. The display's own reset frees every
// surface whatever refers to it, so the surfaces are not touched here.
void Plat3DReset() {
  DeviceState& s = S();
  std::vector<PlatDevice3D*> all = s.devices;
  for (PlatDevice3D* d : all) DestroyDevice(d, false);
  s = DeviceState{};
}

}  // namespace

void Plat3DInitialStates(PlatDevice3D& device, bool hasZ) {
  InitialRenderStates(device.renderState, hasZ);
  InitialStageStates(device.stageState);
  SetIdentity(device.world);
  SetIdentity(device.view);
  SetIdentity(device.projection);
}

REGISTER_RESET(RESET_PLATFORM, Plat3DReset);

PlatResult Plat3DCreateDevice(PlatDisplay* display, const uint8_t* deviceGuid, PlatSurface* target,
                              PlatDevice3D** out) {
  if (!out) return PLATERR_INVALIDPARAMS;
  *out = nullptr;
  if (!display || !deviceGuid || !target) return PLATERR_INVALIDPARAMS;
  if (std::memcmp(deviceGuid, PLAT_3D_DEVICE_GUID, sizeof PLAT_3D_DEVICE_GUID) != 0) return PLATERR_INVALIDPARAMS;
  PlatSurfaceView view{};
  if (!PlatSurfaceGetView(target, &view)) return PLATERR_SURFACELOST;
  if (!(view.caps & PLAT_SCAPS_3DDEVICE)) return PLATERR_INVALIDPARAMS;
  if (!TargetFormatOk(view.format)) return PLATERR_INVALIDPIXELFORMAT;
  PlatSurface* z = PlatSurfaceAttached(target);
  if (z) {
    PlatSurfaceView zv{};
    if (!PlatSurfaceGetView(z, &zv)) return PLATERR_SURFACELOST;
    if (!(zv.caps & PLAT_SCAPS_ZBUFFER) || !(zv.format.flags & PLAT_PF_ZBUFFER)) {
      z = nullptr;  // something else attached: no z-buffer
    } else if (zv.width != view.width || zv.height != view.height) {
      return PLATERR_INVALIDPARAMS;
    }
  }
  auto* d = new PlatDevice3D;
  d->target = target;
  PlatSurfaceAddRef(target);
  if (z) {
    d->zbuffer = z;
    PlatSurfaceAddRef(z);
  }
  PlatDisplayAddRef(display);
  Plat3DInitialStates(*d, z != nullptr);
  d->viewport = {0, 0, view.width, view.height, 0.0f, 1.0f};
  S().devices.push_back(d);
  S().displays.push_back(display);
  *out = d;
  return PLAT_OK;
}

uint32_t Plat3DDeviceRelease(PlatDevice3D* device) {
  if (!Alive(device)) return 0;
  if (--device->refs) return device->refs;
  DestroyDevice(device, true);
  return 0;
}

PlatResult Plat3DEnumTextureFormats(PlatDevice3D* device, PlatTextureFormatCallback callback, void* user) {
  if (!Alive(device) || !callback) return PLATERR_INVALIDPARAMS;
  static const PlatPixelFormat kFormats[] = {
      {PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0},
      {PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 16, 0x7C00, 0x03E0, 0x001F, 0x8000, 0},
      {PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 16, 0x0F00, 0x00F0, 0x000F, 0xF000, 0},
      {PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0},
      {PLAT_PF_RGB | PLAT_PF_ALPHAPIXELS, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000u, 0},
  };
  for (const PlatPixelFormat& f : kFormats)
    if (!callback(f, user)) break;
  return PLAT_OK;
}

PlatResult Plat3DSetRenderState(PlatDevice3D* device, uint32_t state, uint32_t value) {
  if (!Alive(device) || state >= PLAT_RS_COUNT) return PLATERR_INVALIDPARAMS;
  ++device->stats.setRenderState;
  const PlatResult r = CheckRenderState(state, value);
  if (r != PLAT_OK) return r;
  device->renderState[state] = value;
  return PLAT_OK;
}

PlatResult Plat3DGetRenderState(PlatDevice3D* device, uint32_t state, uint32_t* value) {
  if (!Alive(device) || state >= PLAT_RS_COUNT || !value) return PLATERR_INVALIDPARAMS;
  *value = device->renderState[state];
  return PLAT_OK;
}

PlatResult Plat3DSetTextureStageState(PlatDevice3D* device, uint32_t stage, uint32_t type, uint32_t value) {
  if (!Alive(device) || stage != 0 || type == 0 || type >= PLAT_TSS_COUNT) return PLATERR_INVALIDPARAMS;
  ++device->stats.setTextureStageState;
  const PlatResult r = CheckStageState(type, value);
  if (r != PLAT_OK) return r;
  device->stageState[type] = value;
  return PLAT_OK;
}

PlatResult Plat3DGetTextureStageState(PlatDevice3D* device, uint32_t stage, uint32_t type, uint32_t* value) {
  if (!Alive(device) || stage != 0 || type == 0 || type >= PLAT_TSS_COUNT || !value) return PLATERR_INVALIDPARAMS;
  *value = device->stageState[type];
  return PLAT_OK;
}

PlatResult Plat3DSetTexture(PlatDevice3D* device, uint32_t stage, PlatSurface* texture) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  if (stage != 0) return (stage < 8 && !texture) ? PLAT_OK : PLATERR_INVALIDPARAMS;  // later stages stay empty
  if (texture) {
    PlatSurfaceView v{};
    if (!PlatSurfaceGetView(texture, &v)) return PLATERR_SURFACELOST;
    if (!(v.caps & PLAT_SCAPS_TEXTURE)) return PLATERR_INVALIDPARAMS;
  }
  ++device->stats.setTexture;
  if (texture == device->texture) return PLAT_OK;
  if (texture) PlatSurfaceAddRef(texture);
  if (device->texture) PlatSurfaceRelease(device->texture);
  device->texture = texture;
  return PLAT_OK;
}

namespace {
float* TransformSlot(PlatDevice3D* device, uint32_t type) {
  switch (type) {
    case PLAT_TRANSFORM_WORLD:
      return device->world;
    case PLAT_TRANSFORM_VIEW:
      return device->view;
    case PLAT_TRANSFORM_PROJECTION:
      return device->projection;
    default:
      return nullptr;
  }
}
}  // namespace

PlatResult Plat3DSetTransform(PlatDevice3D* device, uint32_t type, const float matrix[16]) {
  if (!Alive(device) || !matrix) return PLATERR_INVALIDPARAMS;
  float* slot = TransformSlot(device, type);
  if (!slot) return PLATERR_INVALIDPARAMS;
  std::memcpy(slot, matrix, 16 * sizeof(float));
  return PLAT_OK;
}

PlatResult Plat3DGetTransform(PlatDevice3D* device, uint32_t type, float matrix[16]) {
  if (!Alive(device) || !matrix) return PLATERR_INVALIDPARAMS;
  const float* slot = TransformSlot(device, type);
  if (!slot) return PLATERR_INVALIDPARAMS;
  std::memcpy(matrix, slot, 16 * sizeof(float));
  return PLAT_OK;
}

PlatResult Plat3DSetViewport(PlatDevice3D* device, const PlatViewport3D& viewport) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  PlatSurfaceView v{};
  if (!PlatSurfaceGetView(device->target, &v)) return PLATERR_SURFACELOST;
  const uint64_t right = uint64_t{viewport.x} + viewport.width;
  const uint64_t bottom = uint64_t{viewport.y} + viewport.height;
  if (viewport.width == 0 || viewport.height == 0 || right > v.width || bottom > v.height) return PLATERR_INVALIDPARAMS;
  if (!(viewport.minZ >= 0.0f && viewport.maxZ <= 1.0f && viewport.minZ <= viewport.maxZ)) return PLATERR_INVALIDPARAMS;
  device->viewport = viewport;
  return PLAT_OK;
}

PlatResult Plat3DGetViewport(PlatDevice3D* device, PlatViewport3D* viewport) {
  if (!Alive(device) || !viewport) return PLATERR_INVALIDPARAMS;
  *viewport = device->viewport;
  return PLAT_OK;
}

PlatResult Plat3DSetMaterial(PlatDevice3D* device, const PlatMaterial3D& material) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  device->material = material;
  return PLAT_OK;
}

PlatResult Plat3DSetLight(PlatDevice3D* device, uint32_t index, const PlatLight3D& light) {
  if (!Alive(device) || index >= 8) return PLATERR_INVALIDPARAMS;
  if (light.type != PLAT_LIGHT_DIRECTIONAL) return PLATERR_INVALIDPARAMS;  // only directional lights are drawn
  const PlatVector3& d = light.direction;
  if (!std::isfinite(d.x) || !std::isfinite(d.y) || !std::isfinite(d.z)) return PLATERR_INVALIDPARAMS;
  if (d.x == 0.0f && d.y == 0.0f && d.z == 0.0f) return PLATERR_INVALIDPARAMS;
  device->lights[index] = light;
  device->lightSet[index] = true;
  return PLAT_OK;
}

PlatResult Plat3DLightEnable(PlatDevice3D* device, uint32_t index, bool enable) {
  if (!Alive(device) || index >= 8) return PLATERR_INVALIDPARAMS;
  if (enable && !device->lightSet[index]) return PLAT3DERR_LIGHTNOTSET;
  device->lightOn[index] = enable;
  return PLAT_OK;
}

PlatResult Plat3DBeginScene(PlatDevice3D* device) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  if (device->inScene) return PLAT3DERR_SCENE_IN_SCENE;
  device->inScene = true;
  return PLAT_OK;
}

PlatResult Plat3DEndScene(PlatDevice3D* device) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  if (!device->inScene) return PLAT3DERR_SCENE_NOT_IN_SCENE;
  device->inScene = false;
  return PLAT_OK;
}

PlatResult Plat3DClear(PlatDevice3D* device, uint32_t count, const PlatRect* rects, uint32_t flags,
                       uint32_t colour, float z, uint32_t stencil) {
  if (!Alive(device)) return PLATERR_INVALIDPARAMS;
  if (flags == 0 || (flags & ~(PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL))) return PLATERR_INVALIDPARAMS;
  if (count && !rects) return PLATERR_INVALIDPARAMS;
  if (!count && rects) return PLATERR_INVALIDPARAMS;
  if (flags & (PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL)) {
    if (!device->zbuffer) return PLATERR_INVALIDPARAMS;  // nothing to clear
    if (flags & PLAT_CLEAR_STENCIL) {
      PlatSurfaceView zv{};
      if (!PlatSurfaceGetView(device->zbuffer, &zv)) return PLATERR_SURFACELOST;
      if (!(zv.format.flags & PLAT_PF_STENCILBUFFER) || zv.format.stencilBits == 0) return PLATERR_INVALIDPARAMS;
    }
    if ((flags & PLAT_CLEAR_ZBUFFER) && !(z >= 0.0f && z <= 1.0f)) return PLATERR_INVALIDPARAMS;
  }
  for (uint32_t i = 0; i < count; ++i)
    if (rects[i].left > rects[i].right || rects[i].top > rects[i].bottom) return PLATERR_INVALIDRECT;
  return RasterClear(*device, count, rects, flags, colour, z, stencil);
}

PlatResult Plat3DDrawPrimitive(PlatDevice3D* device, uint32_t primitiveType, uint32_t vertexFormat,
                               const void* vertices, uint32_t vertexCount, uint32_t flags) {
  if (!Alive(device) || flags != 0) return PLATERR_INVALIDPARAMS;
  if (!device->inScene) return PLAT3DERR_SCENE_NOT_IN_SCENE;
  if (vertexCount && !vertices) return PLATERR_INVALIDPARAMS;
  ++device->stats.draws;
  return RasterDraw(*device, primitiveType, vertexFormat, vertices, vertexCount, nullptr, 0);
}

PlatResult Plat3DDrawIndexedPrimitive(PlatDevice3D* device, uint32_t primitiveType, uint32_t vertexFormat,
                                      const void* vertices, uint32_t vertexCount, const uint16_t* indices,
                                      uint32_t indexCount, uint32_t flags) {
  if (!Alive(device) || flags != 0) return PLATERR_INVALIDPARAMS;
  if (!device->inScene) return PLAT3DERR_SCENE_NOT_IN_SCENE;
  if ((vertexCount && !vertices) || !indices || indexCount == 0) return PLATERR_INVALIDPARAMS;
  ++device->stats.draws;
  return RasterDraw(*device, primitiveType, vertexFormat, vertices, vertexCount, indices, indexCount);
}

PlatResult Plat3DComputeSphereVisibility(PlatDevice3D* device, const float* centres, const float* radii,
                                         uint32_t count, uint32_t flags, uint32_t* results) {
  if (!Alive(device) || flags != 0) return PLATERR_INVALIDPARAMS;
  if (count && (!centres || !radii || !results)) return PLATERR_INVALIDPARAMS;
  if (!count) return PLAT_OK;
  return RasterSphereVisibility(*device, centres, radii, count, results);
}

Plat3DStats Plat3DGetStats(PlatDevice3D* device) { return Alive(device) ? device->stats : Plat3DStats{}; }

int Plat3DLiveDevices() { return static_cast<int>(S().devices.size()); }
