// The grass ground of the software match.
#include "render256/swground.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "render256/perspfill.h"
#include "render256/polyscan.h"
#include "render256/swcamera.h"
#include "render256/swmarkings.h"
#include "render256/textures.h"

ViewScreenState ViewScreen;

namespace {

constexpr const char* kGrassFolder = "ZVDATA\\SOFTWARE\\MISC\\TEXTURES";
// The row depth the markings choose their pattern by: this many times 1/z.
constexpr double kRowDepthScale = 1368576.0;
constexpr int32_t kModulo64Texels = 0x3FFFFF;  // 6 integer and 16 fraction bits
constexpr int32_t kStepMask = 0xFFFFF;         // below 16 texels

struct GroundState {
  GroundVertex quad[4];
  uint8_t* pageBlock;  // managed block; the pages start at its first 16,384-byte boundary
  uint32_t colourWords[256];
};
GroundState gGround;

void GroundState_Reset() {
  // The page block belongs to the memory layer, which its own reset empties.
  gGround = GroundState{};
  ViewScreen = ViewScreenState{};
}

uint8_t* AlignedPages() {
  if (gGround.pageBlock == nullptr) return nullptr;
  const uintptr_t p = reinterpret_cast<uintptr_t>(gGround.pageBlock);
  return gGround.pageBlock + ((GRASS_PAGE_SIZE - (p & (GRASS_PAGE_SIZE - 1))) & (GRASS_PAGE_SIZE - 1));
}

void BuildPages(const uint8_t* tile) {
  uint8_t* pages = AlignedPages();
  for (int page = 0; page < 4; ++page) {
    uint8_t* base = pages + page * GRASS_PAGE_SIZE;
    for (int r = 0; r < GRASS_PAGE_SIDE; ++r)
      for (int c = 0; c < GRASS_PAGE_SIDE; ++c) {
        int tc = c & (GRASS_TILE_SIDE - 1), tr = r & (GRASS_TILE_SIDE - 1);
        if (page & 1) tc = GRASS_TILE_SIDE - 1 - tc;
        if (page & 2) tr = GRASS_TILE_SIDE - 1 - tr;
        base[r * GRASS_PAGE_SIDE + c] = tile[tr * GRASS_TILE_SIDE + tc];
      }
  }
  for (int i = 0; i < 256; ++i) gGround.colourWords[i] = static_cast<uint32_t>(i) * 0x01010101u;
}

int32_t ToFixed(double v) {
  if (!(v == v)) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}

// 1/z, u/z and v/z over the screen as planes through the best-shaped
// triangle of the polygon.
struct GroundPlanes {
  double x0, y0;
  double ooz, uoz, voz;
  double doozdx, doozdy, duozdx, duozdy, dvozdx, dvozdy;
  double OneOverZ(double x, double y) const { return ooz + doozdx * (x - x0) + doozdy * (y - y0); }
  double UOverZ(double x, double y) const { return uoz + duozdx * (x - x0) + duozdy * (y - y0); }
  double VOverZ(double x, double y) const { return voz + dvozdx * (x - x0) + dvozdy * (y - y0); }
};

// Among all triples the one whose shortest side on the screen is longest
// (the first found on ties); false when every triple is degenerate.
bool GroundGradients(const PerspVertex* p, const ClipPoly& poly, int n, GroundPlanes& g) {
  double X[CLIP_MAX_VERTICES], Y[CLIP_MAX_VERTICES], ooz[CLIP_MAX_VERTICES], uoz[CLIP_MAX_VERTICES],
      voz[CLIP_MAX_VERTICES];
  for (int i = 0; i < n; ++i) {
    X[i] = p[i].x / 16.0;
    Y[i] = p[i].y / 16.0;
    ooz[i] = 1.0 / poly.vertex[i].z;
    uoz[i] = poly.vertex[i].u * ooz[i];
    voz[i] = poly.vertex[i].v * ooz[i];
  }
  auto d2 = [&](int a, int b) { return (X[a] - X[b]) * (X[a] - X[b]) + (Y[a] - Y[b]) * (Y[a] - Y[b]); };
  int best[3] = {-1, -1, -1};
  double bestShortest = -1.0;
  for (int i = 0; i < n; ++i)
    for (int j = i + 1; j < n; ++j)
      for (int k = j + 1; k < n; ++k) {
        const double shortest = std::min(d2(i, j), std::min(d2(j, k), d2(i, k)));
        if (shortest > bestShortest) {
          bestShortest = shortest;
          best[0] = i;
          best[1] = j;
          best[2] = k;
        }
      }
  if (best[0] < 0) return false;
  const int a = best[0], b = best[1], c = best[2];
  const double d = (X[b] - X[a]) * (Y[c] - Y[a]) - (X[c] - X[a]) * (Y[b] - Y[a]);
  if (d == 0.0 || !std::isfinite(d)) return false;
  auto plane = [&](const double* q, double& dx, double& dy) {
    dx = ((q[b] - q[a]) * (Y[c] - Y[a]) - (q[c] - q[a]) * (Y[b] - Y[a])) / d;
    dy = ((q[c] - q[a]) * (X[b] - X[a]) - (q[b] - q[a]) * (X[c] - X[a])) / d;
  };
  g.x0 = X[a];
  g.y0 = Y[a];
  g.ooz = ooz[a];
  g.uoz = uoz[a];
  g.voz = voz[a];
  plane(ooz, g.doozdx, g.doozdy);
  plane(uoz, g.duozdx, g.duozdy);
  plane(voz, g.dvozdx, g.dvozdy);
  return true;
}

}  // namespace

REGISTER_RESET(RESET_RENDER, GroundState_Reset);

void SwGround_Reset() { GroundState_Reset(); }

void BuildGroundQuad() {
  const PitchGeometry& p = Pitch;
  const float mx = 0.4f * static_cast<float>(p.centreX - p.minX);
  const float my = 0.4f * static_cast<float>(p.centreY - p.minY);
  const int32_t tx = (p.width / 40) & ~1, ty = (p.length / 40) & ~1;
  const int32_t U = tx * GRASS_TILE_SIDE * 65536 - 1, V = ty * GRASS_TILE_SIDE * 65536 - 1;
  const float x0 = p.minX - mx, x1 = p.maxX + mx, y0 = p.minY - my, y1 = p.maxY + my;
  gGround.quad[0] = {x0, y0, 0.0f, 0, 0};
  gGround.quad[1] = {x1, y0, 0.0f, U, 0};
  gGround.quad[2] = {x1, y1, 0.0f, U, V};
  gGround.quad[3] = {x0, y1, 0.0f, 0, V};
}

const GroundVertex* GetGroundQuad() { return gGround.quad; }

void LoadGrass() {
  BuildGroundQuad();
  if (gGround.pageBlock != nullptr) FreeMemory(reinterpret_cast<void**>(&gGround.pageBlock));
  AllocateMemory(reinterpret_cast<void**>(&gGround.pageBlock), GRASS_BLOCK_SIZE, ManualNoMove);
  char base[128], name[160];
  std::snprintf(base, sizeof base, "%s\\grass", kGrassFolder);
  std::snprintf(name, sizeof name, "%s.gfx", base);
  uint8_t* file = nullptr;
  const uint32_t size = PakLoadFile(name, &file, ManualFree);
  const char* why = nullptr;
  if (CheckTextureImage(file, size, &why) < 0) FatalError("Error: LoadGrass(): '%s': %s\n", name, why);
  if (TextureWidth(file) != GRASS_TILE_SIDE || TextureHeight(file) != GRASS_TILE_SIDE)
    FatalError("Error: LoadGrass(): '%s' is %d x %d, not 64 x 64\n", name, TextureWidth(file), TextureHeight(file));
  BuildPages(TexturePixels(file));
  FreeMemory(reinterpret_cast<void**>(&file));
}

void FreeGrass() {
  if (gGround.pageBlock != nullptr) FreeMemory(reinterpret_cast<void**>(&gGround.pageBlock));
}

const uint8_t* GrassPages() { return AlignedPages(); }

uint32_t ColourWord(int i) { return gGround.colourWords[i & 0xFF]; }

void SetViewScreen(GfxBuffer* screen, int32_t width, int32_t height) {
  ViewScreenState& v = ViewScreen;
  v.screen = screen;
  v.width = width;
  v.height = height;
  v.centreX = width / 2;
  v.centreY = height / 2;
  v.widthF = static_cast<float>(width);
  v.heightF = static_cast<float>(height);
  v.centreYF = static_cast<float>(height / 2);
  v.stride = screen != nullptr ? screen->stride : 0;
  v.centreColumn = screen != nullptr && screen->pixels != nullptr ? screen->pixels + width / 2 : nullptr;
}

void FillGroundRow(GfxBuffer* buffer, int32_t row, int32_t left, int32_t right, int32_t u, int32_t v, int32_t uEnd,
                   int32_t vEnd) {
  const uint8_t* pages = AlignedPages();
  if (pages == nullptr || buffer == nullptr || buffer->pixels == nullptr) return;
  if (row < 0 || row >= buffer->height) return;
  if (right < left) {
    std::swap(left, right);
    std::swap(u, uEnd);
    std::swap(v, vEnd);
  }
  int64_t u0 = u, u1 = uEnd, v0 = v, v1 = vEnd;
  int32_t page = 0;
  if (u1 < u0) {
    page += GRASS_PAGE_MIRROR_U;
    u0 = -u0;
    u1 = -u1;
  }
  if (v1 < v0) {
    page += GRASS_PAGE_MIRROR_V;
    v0 = -v0;
    v1 = -v1;
  }
  const int64_t count = static_cast<int64_t>(right) - left + 1;
  const int32_t du = static_cast<int32_t>(((u1 - u0) / count) & kStepMask);
  const int32_t dv = static_cast<int32_t>(((v1 - v0) / count) & kStepMask);
  // Columns off the buffer are stepped over.
  if (left < 0) {
    const int64_t skip = -static_cast<int64_t>(left);
    u0 += skip * du;
    v0 += skip * dv;
    left = 0;
  }
  right = std::min(right, buffer->width - 1);
  if (right < left) return;
  uint32_t uu = static_cast<uint32_t>(u0) & kModulo64Texels;
  uint32_t vv = static_cast<uint32_t>(v0) & kModulo64Texels;
  const uint8_t* base = pages + page;
  uint8_t* dest = buffer->pixels + static_cast<int64_t>(row) * buffer->stride + left;
  const int32_t n = right - left + 1;
  for (int32_t i = 0; i < n; ++i) {
    dest[i] = base[((vv >> 16) & (GRASS_PAGE_SIDE - 1)) * GRASS_PAGE_SIDE + ((uu >> 16) & (GRASS_PAGE_SIDE - 1))];
    uu += static_cast<uint32_t>(du);
    vv += static_cast<uint32_t>(dv);
    // The 2 x 2 repeat holds four steps; then the coordinates go back into the first tile.
    if ((i & 3) == 3) {
      uu &= kModulo64Texels;
      vv &= kModulo64Texels;
    }
  }
}

void DrawGround() {
  ClearMarkingDepths();
  GfxBuffer* screen = ViewScreen.screen;
  if (AlignedPages() == nullptr || screen == nullptr || screen->pixels == nullptr) return;
  ClipPoly poly;
  poly.count = 4;
  for (int i = 0; i < 4; ++i) {
    const GroundVertex& g = gGround.quad[i];
    const CameraPoint c = TransformPoint(g.x, g.height, g.y);
    poly.vertex[i] = {c.x, c.y, c.z, static_cast<float>(g.u / 65536.0), static_cast<float>(g.v / 65536.0)};
  }
  if (!ClipPolygon(poly)) return;
  PerspVertex projected[CLIP_MAX_VERTICES];
  const int n = ProjectPolygon(poly, projected);
  if (!PolygonInRange(projected, n)) return;
  GroundPlanes planes;
  if (!GroundGradients(projected, poly, n, planes)) return;
  // The walker takes the polygon clockwise on the screen.
  int64_t area = 0;
  for (int i = 0; i < n; ++i) {
    const PerspVertex& a = projected[i];
    const PerspVertex& b = projected[(i + 1) % n];
    area += static_cast<int64_t>(a.x) * b.y - static_cast<int64_t>(b.x) * a.y;
  }
  if (area < 0) std::reverse(projected, projected + n);
  const int32_t rows = std::min(screen->height, MARKING_SPAN_ROWS);
  EdgeWalk left{}, right{};
  WalkPolygon(
      n, [&](int i) { return projected[i].y; }, left, right,
      [&](EdgeWalk& e, int from, int to) {
        SetupEdgeWalk(e, projected[from].x, projected[from].y, projected[to].x, projected[to].y);
      },
      StepEdgeWalk,
      [&](const EdgeWalk& l, const EdgeWalk& r) {
        const int32_t row = l.row;
        if (row >= rows) return false;
        if (row < 0) return true;
        const double y = row, xl = l.x, xr = r.x;  // the right end where the next pixel would start
        const double oozLeft = planes.OneOverZ(xl, y), oozRight = planes.OneOverZ(xr, y);
        SetMarkingDepth(row, ToFixed(kRowDepthScale * oozLeft));
        if (r.x - l.x <= 0 || !(oozLeft > 0.0) || !(oozRight > 0.0)) return true;
        const int32_t u = ToFixed(planes.UOverZ(xl, y) / oozLeft * 65536.0);
        const int32_t v = ToFixed(planes.VOverZ(xl, y) / oozLeft * 65536.0);
        const int32_t uEnd = ToFixed(planes.UOverZ(xr, y) / oozRight * 65536.0);
        const int32_t vEnd = ToFixed(planes.VOverZ(xr, y) / oozRight * 65536.0);
        FillGroundRow(screen, row, l.x, r.x - 1, u, v, uEnd, vEnd);
        return true;
      });
}

void DrawPitchSurface(GfxBuffer* buffer) {
  if (buffer == nullptr) return;
  SetViewScreen(buffer, buffer->width, buffer->height);
  SetCameraProjection(buffer->width, buffer->height, 8.0 * buffer->width, 8.0 * buffer->height);
  DrawGround();
  DrawPitchLines();
  DrawPitchCurves();
}
