// d3ddemo: sets a 640 x 480 16-bit mode with a z-buffer and stencil on the 3D
// device and draws a small scene through the Direct3D layer: a pitch, the
// corner flag (its textures loaded by the basic model callback), a player
// figure lit in plain kit colours by a callback of its own, posed from the
// standing clip, his stencil shadow on the grass and a see-through panel of
// pre-transformed vertices. It writes the picture as a screen grab
// (grab0001.tga, or the next free number) in the working folder. With a
// display it then animates the clip until Escape; under
// SDL_VIDEODRIVER=dummy it exits at once.
//
// It runs from the game's working folder: pakfiles\hdcommon there and
// pakfiles\cdcommon on the CD folder (GAFFERON_CD, default "cd").
//
//   d3ddemo [-fullscreen] [-debug SETTING]
#include <strings.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "demo_engine.h"
#include "engine/bytes.h"
#include "engine/d3danim.h"
#include "engine/d3dmath.h"
#include "engine/d3dobj.h"
#include "engine/debug.h"
#include "engine/dxd3d.h"
#include "engine/dxd3dtex.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/startup.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_backend.h"
#include "render256/vidopt.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kBones = 21;
constexpr int kFrameSize = 90;

const char kFlagModel[] = "zvdata\\d3d\\stadium\\models\\misc\\flag\\flag.xyz";
const char kFlagTextures[] = "zvdata\\d3d\\stadium\\textures";
const char kPlayerModel[] = "zvdata\\d3d\\sskin\\models\\player\\500man.xyz";
const char kClip[] = "ZVDATA\\COMMON\\SSKIN\\MOTIONS\\ANF001.RAW";

// ---- the player's own texture callback: a plain colour per kit part ----------

struct KitColour {
  const char* prefix;
  PlatColourValue colour;
};
const KitColour kKitColours[] = {
    {"shirt", {0.85f, 0.1f, 0.1f, 1}},  {"uparm", {0.85f, 0.1f, 0.1f, 1}}, {"s", {0.95f, 0.95f, 0.95f, 1}},
    {"AllShin", {0.1f, 0.1f, 0.6f, 1}}, {"shoe", {0.1f, 0.1f, 0.1f, 1}},    {"bbottom", {0.2f, 0.2f, 0.2f, 1}},
    {"", {0.9f, 0.7f, 0.55f, 1}},  // skin: arms, hands, legs, face and neck
};

int KitIndex(const char* name) {
  int n = static_cast<int>(sizeof kKitColours / sizeof kKitColours[0]);
  for (int i = 0; i < n; ++i)
    if (std::strncmp(name, kKitColours[i].prefix, std::strlen(kKitColours[i].prefix)) == 0) return i;
  return n - 1;
}

void SetMaterialColour(const PlatColourValue& colour) {
  PlatMaterial3D material{};
  material.diffuse = colour;
  material.ambient = colour;
  D3DSetMaterial(&material);
}

int PlayerCallback(const D3DObjRequest* request, D3DObjAnswer* answer) {
  switch (request->reason) {
    case D3DOBJ_TEXTURECREATE:
      answer->value1 = KitIndex(request->textureA);
      answer->value2 = 0;
      return 1;
    case D3DOBJ_TEXTUREDESTROY:
      return 1;  // nothing was created
    case D3DOBJ_TEXTURESET:
      D3DTexSetCurrentHandle(-1);
      SetMaterialColour(kKitColours[request->value1].colour);
      return 1;
    case D3DOBJ_TEXTURENONE:
      SetMaterialColour({1, 1, 1, 1});  // the vertex colours give the diffuse
      return 1;
    default:
      return 0;
  }
}

// ---- scene -------------------------------------------------------------------------

struct Scene {
  void* flagData = nullptr;
  uint32_t flagSize = 0;
  void* playerData = nullptr;
  uint32_t playerSize = 0;
  uint8_t* clip = nullptr;
  uint32_t frames = 0;
  D3DObj* flag = nullptr;
  D3DObj* player = nullptr;
  D3DAnim* anim = nullptr;
  D3DObjBasicUserData flagUser{kFlagTextures};
};

void LoadScene(Scene& s) {
  s.flagSize = PakLoadFile(kFlagModel, &s.flagData, ManualFree);
  D3DObj_CreateObjectFromXYZData(&s.flag, s.flagData, s.flagSize, nullptr, &s.flagUser, 0);
  s.playerSize = PakLoadFile(kPlayerModel, &s.playerData, ManualFree);
  D3DObj_CreateObjectFromXYZData(&s.player, s.playerData, s.playerSize, PlayerCallback, nullptr,
                                 D3DOBJ_INDEXED | D3DOBJ_KEEP_POINTS);
  D3DAnim_CreateAnimData(&s.anim, s.player, s.playerData, s.playerSize);
  uint32_t size = PakLoadFile(kClip, &s.clip, ManualFree);
  if (size < 8 || LoadU32(s.clip) != size - 8) FatalError("Error: Motion capture file wrong size\n");
  s.frames = LoadU32(s.clip + 4);
  if (static_cast<uint64_t>(s.frames) * kFrameSize != size - 8)
    FatalError("Error: for %d frames, data size should be %d, but was %d\n", static_cast<int>(s.frames),
               static_cast<int>(s.frames * kFrameSize), static_cast<int>(size - 8));
  if (s.frames == 0) FatalError("Error: d3ddemo: the clip has no frames\n");
}

void FreeScene(Scene& s) {
  D3DAnim_FreeAnimData(&s.anim);
  D3DObj_DestroyObject(&s.player);
  D3DObj_DestroyObject(&s.flag);
  FreeMemory(&s.clip);
  FreeMemory(&s.playerData);
  FreeMemory(&s.flagData);
}

// Bone 0 stays in model space; bone b turns by minus its three angle bytes.
void Pose(Scene& s, uint32_t frame) {
  const uint8_t* f = s.clip + 8 + static_cast<size_t>(frame % s.frames) * kFrameSize;
  D3DMATRIX bones[kBones];
  D3DMatrixIdentity(&bones[0]);
  for (int b = 1; b < kBones; ++b)
    D3DMatrixRotateXYZ(&bones[b], -static_cast<float>(f[26 + 3 * b]) * kPi / 128,
                       -static_cast<float>(f[25 + 3 * b]) * kPi / 128, -static_cast<float>(f[24 + 3 * b]) * kPi / 128);
  D3DAnim_ConvertPoints(s.anim, bones, 1, kBones);
  D3DAnim_ApplyConvPoints2Object(s.anim);
}

// A camera at eye looking at at, z up; x right, y up and z ahead on the screen.
D3DMATRIX LookAt(D3DVECTOR eye, D3DVECTOR at) {
  D3DVECTOR up{0, 0, 1}, z, x, y;
  D3DVectorSubtract(&z, &at, &eye);
  D3DVectorNormalise(&z);
  D3DVectorCross(&x, &z, &up);
  D3DVectorNormalise(&x);
  D3DVectorCross(&y, &x, &z);
  float dx, dy, dz;
  D3DVectorDot(&dx, &x, &eye);
  D3DVectorDot(&dy, &y, &eye);
  D3DVectorDot(&dz, &z, &eye);
  return D3DMATRIX{x.x, y.x, z.x, 0, x.y, y.y, z.y, 0, x.z, y.z, z.z, 0, -dx, -dy, -dz, 1};
}

D3DMATRIX Perspective(float fovY, float aspect, float zn, float zf) {
  float h = 1.0f / std::tan(fovY / 2), w = h / aspect, q = zf / (zf - zn);
  return D3DMATRIX{w, 0, 0, 0, 0, h, 0, 0, 0, 0, q, 1, 0, 0, -q * zn, 0};
}

using ColouredVertex = PlatVertexColoured;
using ScreenVertex = PlatVertexScreen;

void DrawPitch() {
  std::vector<ColouredVertex> v;
  for (int i = -4; i < 4; ++i) {  // mown stripes, 10 units wide
    uint32_t colour = (i & 1) ? 0xff2e8b2eu : 0xff3a9a3au;
    float y0 = static_cast<float>(i) * 10, y1 = y0 + 10;
    ColouredVertex a{-40, y0, 0, 0, 0, 1, colour}, b{40, y0, 0, 0, 0, 1, colour};
    ColouredVertex c{40, y1, 0, 0, 0, 1, colour}, d{-40, y1, 0, 0, 0, 1, colour};
    for (const ColouredVertex& p : {a, b, c, a, c, d}) v.push_back(p);
  }
  // The touch line and the goal line along the flag.
  const uint32_t white = 0xffffffffu;
  auto line = [&](float x0, float y0, float x1, float y1) {
    ColouredVertex a{x0, y0, 0.01f, 0, 0, 1, white}, b{x1, y0, 0.01f, 0, 0, 1, white};
    ColouredVertex c{x1, y1, 0.01f, 0, 0, 1, white}, d{x0, y1, 0.01f, 0, 0, 1, white};
    for (const ColouredVertex& p : {a, b, c, a, c, d}) v.push_back(p);
  };
  line(-14.3f, -40, -13.7f, 6);
  line(-40, 5.4f, -13.7f, 6);
  D3DMATRIX world;
  D3DMatrixIdentity(&world);
  D3DSetTransformType(PLAT_TRANSFORM_WORLD, &world);
  D3DTexSetCurrentHandle(-1);
  SetMaterialColour({1, 1, 1, 1});
  D3DDrawPrimitive(PLAT_PT_TRIANGLELIST, PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_DIFFUSE, v.data(),
                   static_cast<uint32_t>(v.size()));
}

// The figure flattened onto the grass along the light, darkening each pixel
// once however many of its triangles cover it.
void DrawShadow(Scene& s, const D3DMATRIX& world, const D3DVECTOR& light) {
  // p' = p - (p.z / light.z) light, lifted a little off the grass.
  D3DMATRIX flatten;
  D3DMatrixIdentity(&flatten);
  flatten._31 = -light.x / light.z;
  flatten._32 = -light.y / light.z;
  flatten._33 = 0;
  flatten._43 = 0.02f;
  D3DMATRIX m;
  D3DMatrixMultiply(&m, &world, &flatten);
  D3DSetTransformType(PLAT_TRANSFORM_WORLD, &m);
  D3DSetRenderState(PLAT_RS_LIGHTING, 0);
  D3DSetRenderState(PLAT_RS_ZWRITEENABLE, 0);
  D3DSetRenderState(PLAT_RS_STENCILENABLE, 1);
  D3DSetRenderState(PLAT_RS_STENCILFUNC, PLAT_CMP_EQUAL);
  D3DSetRenderState(PLAT_RS_STENCILREF, 0);
  D3DSetRenderState(PLAT_RS_STENCILPASS, PLAT_STENCILOP_INCR);
  D3DSetRenderState(PLAT_RS_ALPHABLENDENABLE, 1);
  D3DSetRenderState(PLAT_RS_SRCBLEND, PLAT_BLEND_SRCALPHA);
  D3DSetRenderState(PLAT_RS_DESTBLEND, PLAT_BLEND_INVSRCALPHA);
  D3DSetRenderState(PLAT_RS_TEXTUREFACTOR, 0x70000000u);
  D3DSetTextureStageState(0, PLAT_TSS_COLORARG1, PLAT_TA_TFACTOR);
  D3DSetTextureStageState(0, PLAT_TSS_COLOROP, PLAT_TOP_SELECTARG1);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAARG1, PLAT_TA_TFACTOR);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAOP, PLAT_TOP_SELECTARG1);
  D3DObj_Render(s.player);
  D3DSetTextureStageState(0, PLAT_TSS_COLORARG1, PLAT_TA_TEXTURE);
  D3DSetTextureStageState(0, PLAT_TSS_COLOROP, PLAT_TOP_MODULATE);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAARG1, PLAT_TA_TEXTURE);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAOP, PLAT_TOP_SELECTARG1);
  D3DSetRenderState(PLAT_RS_ALPHABLENDENABLE, 0);
  D3DSetRenderState(PLAT_RS_STENCILENABLE, 0);
  D3DSetRenderState(PLAT_RS_ZWRITEENABLE, 1);
  D3DSetRenderState(PLAT_RS_LIGHTING, 1);
}

void DrawPanel() {
  const uint32_t colour = 0x90e0e0ffu;
  ScreenVertex v[6] = {{16, 400, 0, 1, colour}, {300, 400, 0, 1, colour}, {300, 460, 0, 1, colour},
                       {16, 400, 0, 1, colour}, {300, 460, 0, 1, colour}, {16, 460, 0, 1, colour}};
  D3DTexSetCurrentHandle(-1);
  D3DSetRenderState(PLAT_RS_ZENABLE, 0);
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_NONE);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAARG1, PLAT_TA_DIFFUSE);  // the vertices' alpha
  D3DSetRenderState(PLAT_RS_ALPHABLENDENABLE, 1);
  D3DSetRenderState(PLAT_RS_SRCBLEND, PLAT_BLEND_SRCALPHA);
  D3DSetRenderState(PLAT_RS_DESTBLEND, PLAT_BLEND_INVSRCALPHA);
  D3DDrawPrimitive(PLAT_PT_TRIANGLELIST, PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE, v, 6);
  D3DSetRenderState(PLAT_RS_ALPHABLENDENABLE, 0);
  D3DSetTextureStageState(0, PLAT_TSS_ALPHAARG1, PLAT_TA_TEXTURE);
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_CW);
  D3DSetRenderState(PLAT_RS_ZENABLE, 1);
}

void DrawScene(Scene& s, uint32_t frame) {
  const D3DVECTOR light{-0.5f, 0.4f, -1.0f};  // where the sunlight travels
  D3DBeginScene();
  D3DClearSceneAll();
  DrawPitch();

  // The corner flag, textured.
  D3DMATRIX world;
  D3DMatrixTranslation(&world, -14, 6, 0);
  D3DSetTransformType(PLAT_TRANSFORM_WORLD, &world);
  SetMaterialColour({1, 1, 1, 1});
  D3DObj_Render(s.flag);

  // The player, posed, facing the camera, and his shadow first.
  Pose(s, frame);
  // The frame's height offset: the root point's height.
  float heightOffset = LoadF32(s.clip + 8 + static_cast<size_t>(frame % s.frames) * kFrameSize + 8);
  D3DMATRIX turn, move;
  D3DMatrixRotateZ(&turn, -0.3f);
  D3DMatrixTranslation(&move, -4, 2, heightOffset);
  D3DMatrixMultiply(&world, &turn, &move);
  DrawShadow(s, world, light);
  D3DSetTransformType(PLAT_TRANSFORM_WORLD, &world);
  D3DObj_Render(s.player);

  DrawPanel();
  D3DEndScene();
}

void SetUpView() {
  D3DSetViewport(0, 0, GfxScreen.width, GfxScreen.height, 0, 1);
  D3DMATRIX view = LookAt({6, 30, 14}, {-6, 2, 7});
  D3DSetTransformType(PLAT_TRANSFORM_VIEW, &view);
  D3DMATRIX projection =
      Perspective(kPi / 3, static_cast<float>(GfxScreen.width) / static_cast<float>(GfxScreen.height), 1, 400);
  D3DSetTransformType(PLAT_TRANSFORM_PROJECTION, &projection);
  D3DSetAmbientLight(0xff202020u);
  int sun = D3DLightCreate(PlatColourValue{0.55f, 0.55f, 0.5f, 1}, D3DVECTOR{-0.5f, 0.4f, -1.0f});
  D3DLightEnable(sun, true);
  D3DSetRenderState(PLAT_RS_LIGHTING, 1);
  D3DSetRenderState(PLAT_RS_ZENABLE, 1);
  D3DSetRenderState(PLAT_RS_SHADEMODE, 2);  // Gouraud
  // Vertex colours light as ambient too; the models' faces run
  // counter-clockwise seen from outside in this z-up world, so the faces
  // turned away are the clockwise ones.
  D3DSetRenderState(PLAT_RS_AMBIENTMATERIALSOURCE, PLAT_MCS_COLOR1);
  D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_CW);
  D3DSetTextureStageState(0, PLAT_TSS_MAGFILTER, 2);  // linear
  D3DSetTextureStageState(0, PLAT_TSS_MINFILTER, 2);
}

}  // namespace

int main(int argc, char** argv) {
  DemoEngine demo;
  if (!DemoCommandLine(argc, argv, &demo)) return 1;
  DemoEngineStart(&demo, "Gafferon 2000 d3ddemo", 20000, 0, true);  // with the 3D device

  int16_t mode = GfxFindModeFlags(640, 480, 1, 1, 1);
  if (mode < 0) FatalError("Error: d3ddemo: no 640x480 16-bit mode the 3D device renders in\n");
  SetGraphicMode(mode, GFX_MODE_D3D | GFX_MODE_ZBUFFER | GFX_MODE_STENCIL);
  if (!D3DGetD3DDevice7()) FatalError("Error: d3ddemo: no 3D device\n");
  SetUpView();

  Scene scene;
  LoadScene(scene);
  DrawScene(scene, 0);
  Poll();  // shows the picture
  GfxScreenGrab();
  std::printf("d3ddemo: screen grab written\n");

  if (!SdlIsHeadless()) {
    KeyFlush();
    uint32_t frame = 0;
    uint32_t last = TimerTicks;
    while (!KeyWasPressed(1)) {
      if (TimerTicks != last) {  // one clip frame per tick
        last = TimerTicks;
        DrawScene(scene, ++frame);
      }
      Poll();
      PlatYield();
    }
  }

  FreeScene(scene);
  RestoreGraphicMode();
  return DemoEngineStop(&demo);
}
