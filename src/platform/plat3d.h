// The 3D device: what the engine's Direct3D layer expects of a Direct3D 7
// device, shaped the way it calls it, drawn by our own deterministic software
// rasteriser into the display's memory surfaces.
//
// Numbers (render states, texture-stage states, blend factors, compare
// functions, stencil operations, primitive types, vertex formats, transform
// types, clear flags, sphere-visibility bits) are the public Direct3D 7 ones,
// so callers pass their values straight through. A value the rasteriser does
// not draw is refused with an error result, never ignored.
//
// Included by platform.h; nothing here needs SDL.
#pragma once

#include <cstdint>
#include <cstring>

struct PlatDisplay;
struct PlatSurface;
struct PlatPixelFormat;
struct PlatRect;
typedef int32_t PlatResult;

// ---------------------------------------------------------------------------
// Result codes of the 3D device: Direct3D's own, so a failure is reported
// by its name (a refused state value is an invalid parameter)
// ---------------------------------------------------------------------------

constexpr PlatResult PLAT3DERR_INVALIDPRIMITIVETYPE = static_cast<PlatResult>(0x887602E0u);
constexpr PlatResult PLAT3DERR_INVALIDVERTEXTYPE = static_cast<PlatResult>(0x887602E1u);
constexpr PlatResult PLAT3DERR_UNSUPPORTEDCOLOROPERATION = static_cast<PlatResult>(0x88760819u);
constexpr PlatResult PLAT3DERR_UNSUPPORTEDCOLORARG = static_cast<PlatResult>(0x8876081Au);
constexpr PlatResult PLAT3DERR_UNSUPPORTEDALPHAOPERATION = static_cast<PlatResult>(0x8876081Bu);
constexpr PlatResult PLAT3DERR_UNSUPPORTEDALPHAARG = static_cast<PlatResult>(0x8876081Cu);
constexpr PlatResult PLAT3DERR_UNSUPPORTEDTEXTUREFILTER = static_cast<PlatResult>(0x88760822u);
constexpr PlatResult PLAT3DERR_CONFLICTINGRENDERSTATE = static_cast<PlatResult>(0x88760821u);
constexpr PlatResult PLAT3DERR_INVALIDSTATEVALUE = static_cast<PlatResult>(0x80070057u);  // any other refused value
constexpr PlatResult PLAT3DERR_SCENE_IN_SCENE = static_cast<PlatResult>(0x887602F8u);
constexpr PlatResult PLAT3DERR_SCENE_NOT_IN_SCENE = static_cast<PlatResult>(0x887602F9u);
constexpr PlatResult PLAT3DERR_LIGHTNOTSET = static_cast<PlatResult>(0x887602EEu);  // enabling a light never set

// ---------------------------------------------------------------------------
// Direct3D 7 numbering
// ---------------------------------------------------------------------------

// Render states (0..152).
enum : uint32_t {
  PLAT_RS_ANTIALIAS = 2,
  PLAT_RS_TEXTUREPERSPECTIVE = 4,
  PLAT_RS_ZENABLE = 7,
  PLAT_RS_FILLMODE = 8,
  PLAT_RS_SHADEMODE = 9,
  PLAT_RS_LINEPATTERN = 10,
  PLAT_RS_ZWRITEENABLE = 14,
  PLAT_RS_ALPHATESTENABLE = 15,
  PLAT_RS_LASTPIXEL = 16,
  PLAT_RS_SRCBLEND = 19,
  PLAT_RS_DESTBLEND = 20,
  PLAT_RS_CULLMODE = 22,
  PLAT_RS_ZFUNC = 23,
  PLAT_RS_ALPHAREF = 24,
  PLAT_RS_ALPHAFUNC = 25,
  PLAT_RS_DITHERENABLE = 26,
  PLAT_RS_ALPHABLENDENABLE = 27,
  PLAT_RS_FOGENABLE = 28,
  PLAT_RS_SPECULARENABLE = 29,
  PLAT_RS_ZVISIBLE = 30,
  PLAT_RS_STIPPLEDALPHA = 33,
  PLAT_RS_FOGCOLOR = 34,
  PLAT_RS_FOGTABLEMODE = 35,
  PLAT_RS_FOGSTART = 36,  // float bits
  PLAT_RS_FOGEND = 37,    // float bits
  PLAT_RS_FOGDENSITY = 38,  // float bits
  PLAT_RS_EDGEANTIALIAS = 40,
  PLAT_RS_COLORKEYENABLE = 41,
  PLAT_RS_ZBIAS = 47,
  PLAT_RS_RANGEFOGENABLE = 48,
  PLAT_RS_STENCILENABLE = 52,
  PLAT_RS_STENCILFAIL = 53,
  PLAT_RS_STENCILZFAIL = 54,
  PLAT_RS_STENCILPASS = 55,
  PLAT_RS_STENCILFUNC = 56,
  PLAT_RS_STENCILREF = 57,
  PLAT_RS_STENCILMASK = 58,
  PLAT_RS_STENCILWRITEMASK = 59,
  PLAT_RS_TEXTUREFACTOR = 60,
  PLAT_RS_WRAP0 = 128,  // .. WRAP7 = 135
  PLAT_RS_CLIPPING = 136,
  PLAT_RS_LIGHTING = 137,
  PLAT_RS_EXTENTS = 138,
  PLAT_RS_AMBIENT = 139,
  PLAT_RS_FOGVERTEXMODE = 140,
  PLAT_RS_COLORVERTEX = 141,
  PLAT_RS_LOCALVIEWER = 142,
  PLAT_RS_NORMALIZENORMALS = 143,
  PLAT_RS_COLORKEYBLENDENABLE = 144,
  PLAT_RS_DIFFUSEMATERIALSOURCE = 145,
  PLAT_RS_SPECULARMATERIALSOURCE = 146,
  PLAT_RS_AMBIENTMATERIALSOURCE = 147,
  PLAT_RS_EMISSIVEMATERIALSOURCE = 148,
  PLAT_RS_VERTEXBLEND = 151,
  PLAT_RS_CLIPPLANEENABLE = 152,
  PLAT_RS_COUNT = 153,
};

// Texture-stage states (1..24; stage 0 only).
enum : uint32_t {
  PLAT_TSS_COLOROP = 1,
  PLAT_TSS_COLORARG1 = 2,
  PLAT_TSS_COLORARG2 = 3,
  PLAT_TSS_ALPHAOP = 4,
  PLAT_TSS_ALPHAARG1 = 5,
  PLAT_TSS_ALPHAARG2 = 6,
  PLAT_TSS_BUMPENVMAT00 = 7,
  PLAT_TSS_BUMPENVMAT01 = 8,
  PLAT_TSS_BUMPENVMAT10 = 9,
  PLAT_TSS_BUMPENVMAT11 = 10,
  PLAT_TSS_TEXCOORDINDEX = 11,
  PLAT_TSS_ADDRESS = 12,
  PLAT_TSS_ADDRESSU = 13,
  PLAT_TSS_ADDRESSV = 14,
  PLAT_TSS_BORDERCOLOR = 15,
  PLAT_TSS_MAGFILTER = 16,
  PLAT_TSS_MINFILTER = 17,
  PLAT_TSS_MIPFILTER = 18,
  PLAT_TSS_MIPMAPLODBIAS = 19,  // float bits
  PLAT_TSS_MAXMIPLEVEL = 20,
  PLAT_TSS_MAXANISOTROPY = 21,
  PLAT_TSS_BUMPENVLSCALE = 22,
  PLAT_TSS_BUMPENVLOFFSET = 23,
  PLAT_TSS_TEXTURETRANSFORMFLAGS = 24,
  PLAT_TSS_COUNT = 25,
};

enum : uint32_t { PLAT_ZB_FALSE = 0, PLAT_ZB_TRUE = 1, PLAT_ZB_USEW = 2 };
enum : uint32_t { PLAT_FILL_POINT = 1, PLAT_FILL_WIREFRAME = 2, PLAT_FILL_SOLID = 3 };
enum : uint32_t { PLAT_SHADE_FLAT = 1, PLAT_SHADE_GOURAUD = 2, PLAT_SHADE_PHONG = 3 };
enum : uint32_t { PLAT_CULL_NONE = 1, PLAT_CULL_CW = 2, PLAT_CULL_CCW = 3 };
enum : uint32_t {
  PLAT_CMP_NEVER = 1,
  PLAT_CMP_LESS = 2,
  PLAT_CMP_EQUAL = 3,
  PLAT_CMP_LESSEQUAL = 4,
  PLAT_CMP_GREATER = 5,
  PLAT_CMP_NOTEQUAL = 6,
  PLAT_CMP_GREATEREQUAL = 7,
  PLAT_CMP_ALWAYS = 8,
};
enum : uint32_t {
  PLAT_BLEND_ZERO = 1,
  PLAT_BLEND_ONE = 2,
  PLAT_BLEND_SRCCOLOR = 3,
  PLAT_BLEND_INVSRCCOLOR = 4,
  PLAT_BLEND_SRCALPHA = 5,
  PLAT_BLEND_INVSRCALPHA = 6,
  PLAT_BLEND_DESTALPHA = 7,
  PLAT_BLEND_INVDESTALPHA = 8,
  PLAT_BLEND_DESTCOLOR = 9,
  PLAT_BLEND_INVDESTCOLOR = 10,
  PLAT_BLEND_SRCALPHASAT = 11,
  PLAT_BLEND_BOTHSRCALPHA = 12,
  PLAT_BLEND_BOTHINVSRCALPHA = 13,
};
enum : uint32_t {
  PLAT_STENCILOP_KEEP = 1,
  PLAT_STENCILOP_ZERO = 2,
  PLAT_STENCILOP_REPLACE = 3,
  PLAT_STENCILOP_INCRSAT = 4,
  PLAT_STENCILOP_DECRSAT = 5,
  PLAT_STENCILOP_INVERT = 6,
  PLAT_STENCILOP_INCR = 7,
  PLAT_STENCILOP_DECR = 8,
};
enum : uint32_t { PLAT_FOG_NONE = 0, PLAT_FOG_EXP = 1, PLAT_FOG_EXP2 = 2, PLAT_FOG_LINEAR = 3 };
enum : uint32_t { PLAT_MCS_MATERIAL = 0, PLAT_MCS_COLOR1 = 1, PLAT_MCS_COLOR2 = 2 };
// Texture-stage operations and arguments.
enum : uint32_t {
  PLAT_TOP_DISABLE = 1,
  PLAT_TOP_SELECTARG1 = 2,
  PLAT_TOP_SELECTARG2 = 3,
  PLAT_TOP_MODULATE = 4,
  PLAT_TOP_MODULATE2X = 5,
};
enum : uint32_t { PLAT_TA_DIFFUSE = 0, PLAT_TA_CURRENT = 1, PLAT_TA_TEXTURE = 2, PLAT_TA_TFACTOR = 3 };
enum : uint32_t { PLAT_TADDRESS_WRAP = 1, PLAT_TADDRESS_MIRROR = 2, PLAT_TADDRESS_CLAMP = 3 };
enum : uint32_t { PLAT_TFG_POINT = 1, PLAT_TFG_LINEAR = 2 };  // magnification
enum : uint32_t { PLAT_TFN_POINT = 1, PLAT_TFN_LINEAR = 2 };  // minification
enum : uint32_t { PLAT_TFP_NONE = 1, PLAT_TFP_POINT = 2, PLAT_TFP_LINEAR = 3 };  // between mip levels

enum : uint32_t {
  PLAT_PT_POINTLIST = 1,
  PLAT_PT_LINELIST = 2,
  PLAT_PT_LINESTRIP = 3,
  PLAT_PT_TRIANGLELIST = 4,
  PLAT_PT_TRIANGLESTRIP = 5,
  PLAT_PT_TRIANGLEFAN = 6,
};

// Vertex formats. Accepted: XYZ|NORMAL|TEX1 (32 bytes), XYZ|NORMAL|DIFFUSE
// (28 bytes), XYZRHW|DIFFUSE (20 bytes), XYZRHW|DIFFUSE|TEX1 (28 bytes). The
// fields come in this order: position (3 floats, or 4 with rhw), normal (3
// floats), diffuse (0xAARRGGBB), texture u, v (2 floats).
enum : uint32_t {
  PLAT_FVF_XYZ = 0x002,
  PLAT_FVF_XYZRHW = 0x004,
  PLAT_FVF_NORMAL = 0x010,
  PLAT_FVF_DIFFUSE = 0x040,
  PLAT_FVF_SPECULAR = 0x080,
  PLAT_FVF_TEX1 = 0x100,
};

// The four accepted vertex layouts.
struct PlatVertexTextured {  // XYZ | NORMAL | TEX1
  float x, y, z, nx, ny, nz, u, v;
};
struct PlatVertexColoured {  // XYZ | NORMAL | DIFFUSE
  float x, y, z, nx, ny, nz;
  uint32_t diffuse;
};
struct PlatVertexScreen {  // XYZRHW | DIFFUSE
  float x, y, z, rhw;
  uint32_t diffuse;
};
struct PlatVertexScreenTextured {  // XYZRHW | DIFFUSE | TEX1
  float x, y, z, rhw;
  uint32_t diffuse;
  float u, v;
};
static_assert(sizeof(PlatVertexTextured) == 32 && sizeof(PlatVertexColoured) == 28 &&
              sizeof(PlatVertexScreen) == 20 && sizeof(PlatVertexScreenTextured) == 28);

enum : uint32_t { PLAT_TRANSFORM_WORLD = 1, PLAT_TRANSFORM_VIEW = 2, PLAT_TRANSFORM_PROJECTION = 3 };
enum : uint32_t { PLAT_CLEAR_TARGET = 1, PLAT_CLEAR_ZBUFFER = 2, PLAT_CLEAR_STENCIL = 4 };
enum : uint32_t { PLAT_LIGHT_POINT = 1, PLAT_LIGHT_SPOT = 2, PLAT_LIGHT_DIRECTIONAL = 3 };

// Sphere visibility: a union bit per plane the sphere crosses or lies
// beyond, an intersection bit per plane it lies wholly beyond.
enum : uint32_t {
  PLAT_CLIP_LEFT = 0x1,
  PLAT_CLIP_RIGHT = 0x2,
  PLAT_CLIP_TOP = 0x4,
  PLAT_CLIP_BOTTOM = 0x8,
  PLAT_CLIP_FRONT = 0x10,
  PLAT_CLIP_BACK = 0x20,
  PLAT_CLIPINTERSECTION_LEFT = 0x1000,
  PLAT_CLIPINTERSECTION_RIGHT = 0x2000,
  PLAT_CLIPINTERSECTION_TOP = 0x4000,
  PLAT_CLIPINTERSECTION_BOTTOM = 0x8000,
  PLAT_CLIPINTERSECTION_FRONT = 0x10000,
  PLAT_CLIPINTERSECTION_BACK = 0x20000,
  PLAT_CLIPINTERSECTION_ALL = 0x1FFF000,
};

// Surface capabilities beyond platform.h's: texture mip chains and the
// managed-texture hints.
enum : uint32_t { PLAT_SCAPS_MIPMAP = 0x400000 };
enum : uint32_t { PLAT_SCAPS2_TEXTUREMANAGE = 0x10, PLAT_SCAPS2_HINTSTATIC = 0x200 };

// Float states (fog start, end and density, the level-of-detail bias) travel
// as the float's bits.
inline uint32_t Plat3DFloatBits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}
inline float Plat3DBitsFloat(uint32_t u) {
  float f;
  std::memcpy(&f, &u, sizeof f);
  return f;
}

// ---------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------

struct PlatColourValue {
  float r, g, b, a;
};
struct PlatVector3 {
  float x, y, z;
};
struct PlatViewport3D {
  uint32_t x, y, width, height;
  float minZ, maxZ;
};
struct PlatMaterial3D {
  PlatColourValue diffuse, ambient, specular, emissive;
  float power;
};
struct PlatLight3D {
  uint32_t type;  // PLAT_LIGHT_*; only directional lights are drawn
  PlatColourValue diffuse, specular, ambient;
  PlatVector3 position, direction;
  float range, falloff, attenuation0, attenuation1, attenuation2, theta, phi;
};

// Calls that reached the device, for tests of the engine's state cache.
struct Plat3DStats {
  uint32_t setRenderState;
  uint32_t setTextureStageState;
  uint32_t setTexture;
  uint32_t draws;       // DrawPrimitive and DrawIndexedPrimitive calls
  uint32_t triangles;   // triangles that reached the rasteriser
};

// ---------------------------------------------------------------------------
// The device
// ---------------------------------------------------------------------------
//
// The card offers one device, "Gafferon Rasteriser", listed by
// PlatDisplayEnum3DDevices with hardware rasterisation, sub-pixel accuracy,
// table fog, linear filtering and mip-maps, 16 and 32-bit render depths,
// textures from 1 x 1 to 2048 x 2048 without an aspect limit, and the z
// formats 16, 15 + 1 stencil, 24 and 24 + 8 stencil (PlatDisplayEnumZFormats;
// bitCount is the bits a z pixel takes, 16 or 32; 24 without stencil has
// bitCount 24 in 32-bit pixels).
//
// A device draws into the surface it was created on (16-bit 5-6-5 or 5-5-5
// and 32-bit X8R8G8B8 targets) and into the z-buffer surface attached to that
// surface, whose pixels hold z in the low bits and stencil in the high bits
// as the z format's masks say, so grabs and locks see the results.

struct PlatDevice3D;

extern const uint8_t PLAT_3D_DEVICE_GUID[16];

PlatResult Plat3DCreateDevice(PlatDisplay* display, const uint8_t* deviceGuid, PlatSurface* target,
                              PlatDevice3D** out);
uint32_t Plat3DDeviceRelease(PlatDevice3D* device);

// The texture formats, in this order: 16-bit 5-6-5, 1-5-5-5, 4-4-4-4, 32-bit
// X8R8G8B8, A8R8G8B8. The callback answers false to stop.
typedef bool (*PlatTextureFormatCallback)(const PlatPixelFormat& format, void* user);
PlatResult Plat3DEnumTextureFormats(PlatDevice3D* device, PlatTextureFormatCallback callback, void* user);

// States: a freshly made device holds Direct3D 7's documented initial values
// (ZENABLE is TRUE when the target has a z-buffer attached).
PlatResult Plat3DSetRenderState(PlatDevice3D* device, uint32_t state, uint32_t value);
PlatResult Plat3DGetRenderState(PlatDevice3D* device, uint32_t state, uint32_t* value);
PlatResult Plat3DSetTextureStageState(PlatDevice3D* device, uint32_t stage, uint32_t type, uint32_t value);
PlatResult Plat3DGetTextureStageState(PlatDevice3D* device, uint32_t stage, uint32_t type, uint32_t* value);
// Stage 0 only; null for none. The device holds a reference to the texture.
PlatResult Plat3DSetTexture(PlatDevice3D* device, uint32_t stage, PlatSurface* texture);

// Matrices are 16 floats row by row; points are row vectors (p x M).
PlatResult Plat3DSetTransform(PlatDevice3D* device, uint32_t type, const float matrix[16]);
PlatResult Plat3DGetTransform(PlatDevice3D* device, uint32_t type, float matrix[16]);
PlatResult Plat3DSetViewport(PlatDevice3D* device, const PlatViewport3D& viewport);
PlatResult Plat3DGetViewport(PlatDevice3D* device, PlatViewport3D* viewport);
PlatResult Plat3DSetMaterial(PlatDevice3D* device, const PlatMaterial3D& material);
PlatResult Plat3DSetLight(PlatDevice3D* device, uint32_t index, const PlatLight3D& light);
PlatResult Plat3DLightEnable(PlatDevice3D* device, uint32_t index, bool enable);

PlatResult Plat3DBeginScene(PlatDevice3D* device);
PlatResult Plat3DEndScene(PlatDevice3D* device);
// Rectangles are in target pixels (null and 0: the viewport).
PlatResult Plat3DClear(PlatDevice3D* device, uint32_t count, const PlatRect* rects, uint32_t flags,
                       uint32_t colour, float z, uint32_t stencil);
PlatResult Plat3DDrawPrimitive(PlatDevice3D* device, uint32_t primitiveType, uint32_t vertexFormat,
                               const void* vertices, uint32_t vertexCount, uint32_t flags);
PlatResult Plat3DDrawIndexedPrimitive(PlatDevice3D* device, uint32_t primitiveType, uint32_t vertexFormat,
                                      const void* vertices, uint32_t vertexCount, const uint16_t* indices,
                                      uint32_t indexCount, uint32_t flags);
// Centres are x, y, z triples in world space; one result word per sphere.
PlatResult Plat3DComputeSphereVisibility(PlatDevice3D* device, const float* centres, const float* radii,
                                         uint32_t count, uint32_t flags, uint32_t* results);

// Mip chains: a texture surface made with PLAT_SCAPS_MIPMAP | PLAT_SCAPS_COMPLEX
// and mipMapCount n holds n levels, each half the size of the one before;
// this hands out the next level (adding a reference), or PLATERR_NOTFOUND.
constexpr PlatResult PLATERR_NOTFOUND = static_cast<PlatResult>(0x887600FFu);
PlatResult PlatSurfaceGetNextMipLevel(PlatSurface* surface, PlatSurface** out);

Plat3DStats Plat3DGetStats(PlatDevice3D* device);
// Devices alive (tests).
int Plat3DLiveDevices();
