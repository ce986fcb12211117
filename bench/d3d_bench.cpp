// The 3D device on a match-like frame: a screen-filling textured pitch, 5,000
// stadium triangles, 35 lit figures of about 500 triangles with stencil
// shadows, fogged and mip-mapped; at 640 x 480 x 16 and 1024 x 768 x 32. And
// 20,000 small triangles. Reports milliseconds per frame.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/reset.h"
#include "platform/platform.h"

namespace {

using NT = PlatVertexTextured;
using LV = PlatVertexColoured;
using TL = PlatVertexScreen;
constexpr uint32_t kNT = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_TEX1;
constexpr uint32_t kLV = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_DIFFUSE;
constexpr uint32_t kTL = PLAT_FVF_XYZRHW | PLAT_FVF_DIFFUSE;

void Identity(float* m) {
  for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

// Left-handed look-at and perspective, row vectors.
void LookAt(float* m, const float eye[3], const float at[3]) {
  float z[3] = {at[0] - eye[0], at[1] - eye[1], at[2] - eye[2]};
  float l = std::sqrt(z[0] * z[0] + z[1] * z[1] + z[2] * z[2]);
  for (float& v : z) v /= l;
  float up[3] = {0, 1, 0};
  float x[3] = {up[1] * z[2] - up[2] * z[1], up[2] * z[0] - up[0] * z[2], up[0] * z[1] - up[1] * z[0]};
  l = std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
  for (float& v : x) v /= l;
  float y[3] = {z[1] * x[2] - z[2] * x[1], z[2] * x[0] - z[0] * x[2], z[0] * x[1] - z[1] * x[0]};
  float t[3] = {-(x[0] * eye[0] + x[1] * eye[1] + x[2] * eye[2]), -(y[0] * eye[0] + y[1] * eye[1] + y[2] * eye[2]),
                -(z[0] * eye[0] + z[1] * eye[1] + z[2] * eye[2])};
  float r[16] = {x[0], y[0], z[0], 0, x[1], y[1], z[1], 0, x[2], y[2], z[2], 0, t[0], t[1], t[2], 1};
  std::memcpy(m, r, 64);
}
void Perspective(float* m, float fovY, float aspect, float n, float f) {
  std::memset(m, 0, 64);
  float ys = 1.0f / std::tan(fovY / 2), q = f / (f - n);
  m[0] = ys / aspect;
  m[5] = ys;
  m[10] = q;
  m[11] = 1;
  m[14] = -q * n;
}

struct Scene {
  PlatDisplay* dd = nullptr;
  PlatSurface* target = nullptr;
  PlatSurface* zbuf = nullptr;
  PlatSurface* grass = nullptr;
  PlatSurface* stand = nullptr;
  PlatSurface* kit = nullptr;
  PlatDevice3D* dev = nullptr;
  std::vector<NT> pitch, stadium, figure;
  std::vector<uint16_t> pitchIdx, stadiumIdx, figureIdx;
  std::vector<LV> shadow;
  float pos[35][2];
};

PlatSurface* MakeTexture(PlatDisplay* dd, uint32_t size, uint32_t levels, uint32_t seed) {
  PlatSurfaceDesc d{};
  d.caps = uint32_t{PLAT_SCAPS_TEXTURE} | uint32_t{PLAT_SCAPS_MIPMAP} | uint32_t{PLAT_SCAPS_COMPLEX};
  d.width = d.height = size;
  d.hasFormat = true;
  d.format = {PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0};
  d.mipMapCount = levels;
  PlatSurface* t = nullptr;
  PlatCreateSurface(dd, d, &t);
  uint32_t s = seed;
  PlatSurfaceAddRef(t);
  for (PlatSurface* l = t; l;) {
    void* p;
    int32_t pitch;
    uint32_t w, h;
    PlatSurfaceSize(l, &w, &h);
    PlatSurfaceLock(l, &p, &pitch);
    for (uint32_t y = 0; y < h; ++y)
      for (uint32_t x = 0; x < w; ++x) {
        s = s * 1103515245u + 12345u;
        uint16_t c = static_cast<uint16_t>(((s >> 16) & 0x39E7) | (((x / 8 + y / 8) & 1) ? 0x0400 : 0x0200));
        std::memcpy(static_cast<uint8_t*>(p) + y * static_cast<uint32_t>(pitch) + x * 2, &c, 2);
      }
    PlatSurfaceUnlock(l);
    PlatSurface* next = nullptr;
    if (PlatSurfaceGetNextMipLevel(l, &next) != PLAT_OK) next = nullptr;
    PlatSurfaceRelease(l);
    l = next;
  }
  return t;
}

// A grid of n x m quads over a rectangle, as indexed triangles.
void Grid(std::vector<NT>* v, std::vector<uint16_t>* idx, int n, int m, float x0, float z0, float x1, float z1,
          float y, float tile) {
  uint16_t base = static_cast<uint16_t>(v->size());
  for (int j = 0; j <= m; ++j)
    for (int i = 0; i <= n; ++i) {
      float x = x0 + (x1 - x0) * static_cast<float>(i) / static_cast<float>(n);
      float z = z0 + (z1 - z0) * static_cast<float>(j) / static_cast<float>(m);
      v->push_back({x, y, z, 0, 1, 0, static_cast<float>(i) * tile, static_cast<float>(j) * tile});
    }
  for (int j = 0; j < m; ++j)
    for (int i = 0; i < n; ++i) {
      uint16_t a = static_cast<uint16_t>(base + j * (n + 1) + i), b = static_cast<uint16_t>(a + 1);
      uint16_t c = static_cast<uint16_t>(a + n + 1), d = static_cast<uint16_t>(c + 1);
      idx->insert(idx->end(), {a, c, b, b, c, d});
    }
}

void Build(Scene& s, uint32_t w, uint32_t h, uint32_t bits) {
  ResetAllModules();
  PlatCreateDisplay(&s.dd);
  PlatDisplayInitialize(s.dd, nullptr);
  PlatSurfaceDesc d{};
  d.caps = PLAT_SCAPS_3DDEVICE | PLAT_SCAPS_OFFSCREENPLAIN;
  d.width = w;
  d.height = h;
  d.hasFormat = true;
  d.format = bits == 16 ? PlatPixelFormat{PLAT_PF_RGB, 16, 0xF800, 0x07E0, 0x001F, 0, 0}
                        : PlatPixelFormat{PLAT_PF_RGB, 32, 0xFF0000, 0xFF00, 0xFF, 0, 0};
  PlatCreateSurface(s.dd, d, &s.target);
  d.caps = PLAT_SCAPS_ZBUFFER;
  d.format = bits == 16 ? PlatPixelFormat{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, 0x7FFF, 0x8000, 0, 0, 1}
                        : PlatPixelFormat{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, 0xFFFFFF, 0xFF000000, 0, 0, 8};
  PlatCreateSurface(s.dd, d, &s.zbuf);
  PlatSurfaceAddAttached(s.target, s.zbuf);
  if (Plat3DCreateDevice(s.dd, PLAT_3D_DEVICE_GUID, s.target, &s.dev) != PLAT_OK) std::abort();
  s.grass = MakeTexture(s.dd, 256, 9, 1);
  s.stand = MakeTexture(s.dd, 128, 8, 2);
  s.kit = MakeTexture(s.dd, 64, 7, 3);

  // Pitch 105 x 68, 24 x 16 quads; stadium: four banks of stands, 5,000 triangles.
  Grid(&s.pitch, &s.pitchIdx, 24, 16, -60, -40, 60, 40, 0, 1.5f);
  const int banks[4][2] = {{50, 10}, {50, 10}, {25, 10}, {25, 10}};  // 2 x (1000 + 1000 + 250 + 250) triangles
  for (int b = 0; b < 4; ++b) {
    std::vector<NT> v;
    std::vector<uint16_t> idx;
    Grid(&v, &idx, banks[b][0], banks[b][1], -60, 0, 60, 20, 0, 1);
    uint16_t base = static_cast<uint16_t>(s.stadium.size());
    for (NT p : v) {
      // Tilt the flat grid into a rising bank behind each touch line.
      float x = p.x, along = p.z;
      NT q = p;
      q.y = along * 0.6f;
      float off = 45 + along;
      if (b == 0) { q.x = x; q.z = off; }
      if (b == 1) { q.x = -x; q.z = -off; }
      if (b == 2) { q.x = off + 20; q.z = x * 0.6f; }
      if (b == 3) { q.x = -off - 20; q.z = -x * 0.6f; }
      q.nx = 0;
      q.ny = 1;
      q.nz = 0;
      s.stadium.push_back(q);
    }
    for (uint16_t i : idx) s.stadiumIdx.push_back(static_cast<uint16_t>(base + i));
  }
  // A figure: a tessellated body of 16 x 16 (480 triangles) and 1.8 tall.
  const int slices = 16, stacks = 16;
  for (int j = 0; j <= stacks; ++j)
    for (int i = 0; i <= slices; ++i) {
      float a = static_cast<float>(i) / slices * 6.2831853f, t = static_cast<float>(j) / stacks * 3.1415926f;
      float nx = std::sin(t) * std::cos(a), ny = std::cos(t), nz = std::sin(t) * std::sin(a);
      s.figure.push_back({nx * 0.35f, 0.9f + ny * 0.9f, nz * 0.25f, nx, ny, nz, static_cast<float>(i) / slices,
                          static_cast<float>(j) / stacks});
    }
  for (int j = 0; j < stacks; ++j)
    for (int i = 0; i < slices; ++i) {
      uint16_t a = static_cast<uint16_t>(j * (slices + 1) + i), b = static_cast<uint16_t>(a + 1);
      uint16_t c = static_cast<uint16_t>(a + slices + 1), d = static_cast<uint16_t>(c + 1);
      if (j != 0) s.figureIdx.insert(s.figureIdx.end(), {a, b, c});
      if (j != stacks - 1) s.figureIdx.insert(s.figureIdx.end(), {b, d, c});
    }
  // Its shadow: the same body flattened on the grass along the light.
  for (const NT& p : s.figure) s.shadow.push_back({p.x + p.y * 0.5f, 0.02f, p.z + p.y * 0.3f, 0, 1, 0, 0x80000000});
  for (int i = 0; i < 35; ++i) {
    s.pos[i][0] = static_cast<float>((i * 37) % 90) - 45.0f;
    s.pos[i][1] = static_cast<float>((i * 23) % 56) - 28.0f;
  }
}

void Tear(Scene& s) {
  ResetAllModules();
  s = Scene{};
}

void RS(Scene& s, uint32_t state, uint32_t value) { Plat3DSetRenderState(s.dev, state, value); }
void TS(Scene& s, uint32_t state, uint32_t value) { Plat3DSetTextureStageState(s.dev, 0, state, value); }

void DrawFrame(Scene& s, uint32_t w, uint32_t h) {
  PlatDevice3D* dev = s.dev;
  float view[16], proj[16], world[16];
  const float eye[3] = {0, 24, -42}, at[3] = {0, 0, 12};
  LookAt(view, eye, at);
  Perspective(proj, 0.9f, static_cast<float>(w) / static_cast<float>(h), 1.0f, 400.0f);
  Identity(world);
  Plat3DSetTransform(dev, PLAT_TRANSFORM_VIEW, view);
  Plat3DSetTransform(dev, PLAT_TRANSFORM_PROJECTION, proj);
  Plat3DSetTransform(dev, PLAT_TRANSFORM_WORLD, world);
  Plat3DBeginScene(dev);
  Plat3DClear(dev, 0, nullptr, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER | PLAT_CLEAR_STENCIL, 0xFF204080, 1.0f, 0);
  RS(s, PLAT_RS_FOGENABLE, 1);
  RS(s, PLAT_RS_FOGTABLEMODE, PLAT_FOG_LINEAR);
  RS(s, PLAT_RS_FOGCOLOR, 0xFFFFFFFF);
  RS(s, PLAT_RS_FOGSTART, Plat3DFloatBits(50.0f));
  RS(s, PLAT_RS_FOGEND, Plat3DFloatBits(300.0f));
  RS(s, PLAT_RS_LIGHTING, 0);
  RS(s, PLAT_RS_SHADEMODE, PLAT_SHADE_FLAT);
  TS(s, PLAT_TSS_MAGFILTER, PLAT_TFG_LINEAR);
  TS(s, PLAT_TSS_MINFILTER, PLAT_TFN_LINEAR);
  TS(s, PLAT_TSS_MIPFILTER, PLAT_TFP_POINT);
  // The pitch and the stands.
  Plat3DSetTexture(dev, 0, s.grass);
  Plat3DDrawIndexedPrimitive(dev, PLAT_PT_TRIANGLELIST, kNT, s.pitch.data(), static_cast<uint32_t>(s.pitch.size()),
                             s.pitchIdx.data(), static_cast<uint32_t>(s.pitchIdx.size()), 0);
  Plat3DSetTexture(dev, 0, s.stand);
  RS(s, PLAT_RS_CULLMODE, PLAT_CULL_NONE);
  Plat3DDrawIndexedPrimitive(dev, PLAT_PT_TRIANGLELIST, kNT, s.stadium.data(),
                             static_cast<uint32_t>(s.stadium.size()), s.stadiumIdx.data(),
                             static_cast<uint32_t>(s.stadiumIdx.size()), 0);
  RS(s, PLAT_RS_CULLMODE, PLAT_CULL_CCW);
  // Shadows: darken once where the stencil is still 0.
  Plat3DSetTexture(dev, 0, nullptr);
  RS(s, PLAT_RS_ZWRITEENABLE, 0);
  RS(s, PLAT_RS_STENCILENABLE, 1);
  RS(s, PLAT_RS_STENCILFUNC, PLAT_CMP_EQUAL);
  RS(s, PLAT_RS_STENCILREF, 0);
  RS(s, PLAT_RS_STENCILPASS, PLAT_STENCILOP_INCR);
  RS(s, PLAT_RS_ALPHABLENDENABLE, 1);
  RS(s, PLAT_RS_SRCBLEND, PLAT_BLEND_SRCALPHA);
  RS(s, PLAT_RS_DESTBLEND, PLAT_BLEND_INVSRCALPHA);
  TS(s, PLAT_TSS_ALPHAOP, PLAT_TOP_SELECTARG2);
  RS(s, PLAT_RS_CULLMODE, PLAT_CULL_NONE);
  for (auto& p : s.pos) {
    world[12] = p[0];
    world[14] = p[1];
    Plat3DSetTransform(dev, PLAT_TRANSFORM_WORLD, world);
    Plat3DDrawIndexedPrimitive(dev, PLAT_PT_TRIANGLELIST, kLV, s.shadow.data(), static_cast<uint32_t>(s.shadow.size()),
                               s.figureIdx.data(), static_cast<uint32_t>(s.figureIdx.size()), 0);
  }
  RS(s, PLAT_RS_CULLMODE, PLAT_CULL_CCW);
  TS(s, PLAT_TSS_ALPHAOP, PLAT_TOP_SELECTARG1);
  RS(s, PLAT_RS_ALPHABLENDENABLE, 0);
  RS(s, PLAT_RS_STENCILENABLE, 0);
  RS(s, PLAT_RS_ZWRITEENABLE, 1);
  // The figures: lit, Gouraud, kit texture, no perspective.
  PlatLight3D light{};
  light.type = PLAT_LIGHT_DIRECTIONAL;
  light.diffuse = {1, 1, 1, 1};
  light.direction = {0.4f, -1, 0.3f};
  Plat3DSetLight(dev, 0, light);
  Plat3DLightEnable(dev, 0, true);
  PlatMaterial3D mat{};
  mat.diffuse = {1, 1, 1, 1};
  mat.ambient = {1, 1, 1, 1};
  Plat3DSetMaterial(dev, mat);
  RS(s, PLAT_RS_AMBIENT, 0x00404040);
  RS(s, PLAT_RS_LIGHTING, 1);
  RS(s, PLAT_RS_SHADEMODE, PLAT_SHADE_GOURAUD);
  RS(s, PLAT_RS_TEXTUREPERSPECTIVE, 0);
  TS(s, PLAT_TSS_MIPMAPLODBIAS, Plat3DFloatBits(-1.0f));
  Plat3DSetTexture(dev, 0, s.kit);
  for (auto& p : s.pos) {
    world[12] = p[0];
    world[14] = p[1];
    Plat3DSetTransform(dev, PLAT_TRANSFORM_WORLD, world);
    Plat3DDrawIndexedPrimitive(dev, PLAT_PT_TRIANGLELIST, kNT, s.figure.data(), static_cast<uint32_t>(s.figure.size()),
                               s.figureIdx.data(), static_cast<uint32_t>(s.figureIdx.size()), 0);
  }
  RS(s, PLAT_RS_TEXTUREPERSPECTIVE, 1);
  TS(s, PLAT_TSS_MIPMAPLODBIAS, Plat3DFloatBits(0.0f));
  Plat3DSetTexture(dev, 0, nullptr);
  Plat3DEndScene(dev);
}

// With D3D_BENCH_TGA set, each benchmark's last frame is written to look at:
// the benchmark's tag goes before the extension ("/tmp/f.tga" gives
// "/tmp/f-640x480x16.tga"), so the three frames land in distinct files.
void WriteTga(PlatSurface* target, const char* base, const char* tag) {
  std::string path = base;
  size_t dot = path.rfind('.');
  size_t slash = path.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
  path.insert(dot, std::string("-") + tag);
  uint32_t w, h;
  PlatSurfaceSize(target, &w, &h);
  PlatPixelFormat f;
  PlatSurfacePixelFormat(target, &f);
  void* p;
  int32_t pitch;
  if (PlatSurfaceLock(target, &p, &pitch) != PLAT_OK) return;
  std::vector<uint8_t> out = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(w), static_cast<uint8_t>(w >> 8),
                              static_cast<uint8_t>(h), static_cast<uint8_t>(h >> 8), 24, 0x20};
  for (uint32_t y = 0; y < h; ++y)
    for (uint32_t x = 0; x < w; ++x) {
      const uint8_t* row = static_cast<const uint8_t*>(p) + y * static_cast<uint32_t>(pitch);
      uint32_t r, g, b;
      if (f.bitCount == 16) {
        uint16_t c;
        std::memcpy(&c, row + x * 2, 2);
        r = (c >> 11) << 3;
        g = ((c >> 5) & 63) << 2;
        b = (c & 31) << 3;
      } else {
        uint32_t c;
        std::memcpy(&c, row + x * 4, 4);
        r = (c >> 16) & 0xFF;
        g = (c >> 8) & 0xFF;
        b = c & 0xFF;
      }
      out.insert(out.end(), {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r)});
    }
  PlatSurfaceUnlock(target);
  if (FILE* file = std::fopen(path.c_str(), "wb")) {
    std::fwrite(out.data(), 1, out.size(), file);
    std::fclose(file);
  }
}

void MatchFrame(benchmark::State& state, uint32_t w, uint32_t h, uint32_t bits) {
  Scene s;
  Build(s, w, h, bits);
  for (auto _ : state) DrawFrame(s, w, h);
  if (const char* path = std::getenv("D3D_BENCH_TGA"))
    WriteTga(s.target, path, (std::to_string(w) + "x" + std::to_string(h) + "x" + std::to_string(bits)).c_str());
  Plat3DStats st = Plat3DGetStats(s.dev);
  state.counters["triangles/frame"] =
      benchmark::Counter(static_cast<double>(st.triangles) / static_cast<double>(state.iterations()));
  Tear(s);
}

void BM_MatchFrame640x480x16(benchmark::State& state) { MatchFrame(state, 640, 480, 16); }
void BM_MatchFrame1024x768x32(benchmark::State& state) { MatchFrame(state, 1024, 768, 32); }
BENCHMARK(BM_MatchFrame640x480x16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MatchFrame1024x768x32)->Unit(benchmark::kMillisecond);

// 20,000 small pre-transformed Gouraud triangles with z.
void BM_SmallTriangles20000(benchmark::State& state) {
  Scene s;
  Build(s, 640, 480, 16);
  std::vector<TL> v;
  uint32_t r = 7;
  for (int i = 0; i < 20000; ++i) {
    r = r * 1103515245u + 12345u;
    float x = static_cast<float>((r >> 8) % 630), y = static_cast<float>((r >> 4) % 470);
    float z = static_cast<float>(r % 1000) / 1000.0f;
    v.push_back({x, y, z, 1, 0xFFFF0000 | (r & 0xFFFF)});
    v.push_back({x + 6.5f, y + 0.5f, z, 1, 0xFF00FF00});
    v.push_back({x + 1.5f, y + 5.5f, z, 1, 0xFF0000FF});
  }
  for (auto _ : state) {
    Plat3DBeginScene(s.dev);
    Plat3DClear(s.dev, 0, nullptr, PLAT_CLEAR_TARGET | PLAT_CLEAR_ZBUFFER, 0, 1.0f, 0);
    Plat3DDrawPrimitive(s.dev, PLAT_PT_TRIANGLELIST, kTL, v.data(), static_cast<uint32_t>(v.size()), 0);
    Plat3DEndScene(s.dev);
  }
  if (const char* path = std::getenv("D3D_BENCH_TGA")) WriteTga(s.target, path, "small");
  Plat3DStats st = Plat3DGetStats(s.dev);
  state.counters["triangles/frame"] =
      benchmark::Counter(static_cast<double>(st.triangles) / static_cast<double>(state.iterations()));
  Tear(s);
}
BENCHMARK(BM_SmallTriangles20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
