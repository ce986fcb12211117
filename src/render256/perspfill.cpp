#include "render256/perspfill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/reset.h"

namespace {

// Twice the working thresholds: they are halved as the tables are built.
constexpr float kRunThresholdsStored[kRunLengthCount] = {0.0009f,      0.000003f,   0.0000006f,  0.00000035f,
                                                         0.000000117f, 0.000000076f, 0.000000048f, 0.000000031f,
                                                         0.00000002f,  0.0f};
constexpr int32_t kRunLengths[kRunLengthCount] = {8, 16, 24, 32, 48, 64, 96, 128, 176, 256};

struct SpanState {
  const Texture* texture = nullptr;
  uint8_t* destRow = nullptr;  // the current row's first pixel
  int32_t stride = 0;
  int32_t width = 0;  // columns of the buffer
  bool transparent = false;
  int32_t runLength = 256;
  float runReciprocal = 256.0f;  // 65536 / run length
  int32_t runBlocks = 32;        // run length / 8
  int32_t runMask = 255;         // run length - 1
  int32_t runShift = 8;          // log2 of the run length
  bool runNotPowerOfTwo = false;
};

struct PerspFillState {
  bool tablesBuilt = false;
  float reciprocal[65] = {};
  RunLengthTable runTable{};
  PerspGradients gradients{};
  PerspEdge left{};
  PerspEdge right{};
  SpanState span{};
};
PerspFillState gFill;

void PerspFill_Reset() { gFill = PerspFillState{}; }
REGISTER_RESET(RESET_RENDER, PerspFill_Reset);

void EnsureTables() {
  if (!gFill.tablesBuilt) InitPerspTables();
}

float Reciprocal(int32_t w) { return w <= 64 ? gFill.reciprocal[w] : 65536.0f / static_cast<float>(w); }

// 0x8000 when the coordinate grows along the row (or, level along it, does
// not fall down the rows), else 0x7FFF.
int32_t Bias(float dqdx, float dqdy, float ooz0, float qoz0, float doozdx, float doozdy) {
  const float across = dqdx * ooz0 - doozdx * qoz0;
  if (across > 0.0f) return 0x8000;
  if (across < 0.0f) return 0x7FFF;
  return (ooz0 * dqdy - qoz0 * doozdy) >= 0.0f ? 0x8000 : 0x7FFF;
}

void UpdateBiases(PerspGradients& g) {
  g.uBias = Bias(g.dUOverZdX, g.dUOverZdY, g.oneOverZ[0], g.uOverZ[0], g.dOneOverZdX, g.dOneOverZdY);
  g.vBias = Bias(g.dVOverZdX, g.dVOverZdY, g.oneOverZ[0], g.vOverZ[0], g.dOneOverZdX, g.dOneOverZdY);
}

// Per-vertex values and the plane gradients from vertices 0, 1 and 2; false
// for a polygon that cannot be textured (depth not above 0, values not
// finite, the first three vertices in a line).
bool SetupGradients(const PerspVertex* v, int count) {
  PerspGradients& g = gFill.gradients;
  for (int i = 0; i < count; ++i) {
    if (!(v[i].z > 0.0f) || !std::isfinite(v[i].z) || !std::isfinite(v[i].u) || !std::isfinite(v[i].v)) return false;
    g.oneOverZ[i] = 1.0f / v[i].z;
    g.uOverZ[i] = v[i].u * g.oneOverZ[i];
    g.vOverZ[i] = v[i].v * g.oneOverZ[i];
    if (!std::isfinite(g.oneOverZ[i]) || !std::isfinite(g.uOverZ[i]) || !std::isfinite(g.vOverZ[i])) return false;
  }
  const int64_t x0 = v[0].x, y0 = v[0].y, x1 = v[1].x, y1 = v[1].y, x2 = v[2].x, y2 = v[2].y;
  const int64_t area = (x1 - x2) * (y0 - y2) / 16 - (x0 - x2) * (y1 - y2) / 16;
  const float a = static_cast<float>(area) * 0.0625f;
  if (a == 0.0f) return false;
  const float invdx = 1.0f / a, invdy = -invdx;
  const float X0 = static_cast<float>(v[0].x) * 0.0625f, Y0 = static_cast<float>(v[0].y) * 0.0625f;
  const float X1 = static_cast<float>(v[1].x) * 0.0625f, Y1 = static_cast<float>(v[1].y) * 0.0625f;
  const float X2 = static_cast<float>(v[2].x) * 0.0625f, Y2 = static_cast<float>(v[2].y) * 0.0625f;
  const float L = static_cast<float>(gFill.span.runLength);
  auto plane = [&](const float* q, float& dx, float& dxRun, float& dy) {
    dx = ((q[1] - q[2]) * (Y0 - Y2) - (q[0] - q[2]) * (Y1 - Y2)) * invdx;
    dy = ((q[1] - q[2]) * (X0 - X2) - (q[0] - q[2]) * (X1 - X2)) * invdy;
    dxRun = dx * L;
  };
  plane(g.oneOverZ, g.dOneOverZdX, g.dOneOverZdXRun, g.dOneOverZdY);
  plane(g.uOverZ, g.dUOverZdX, g.dUOverZdXRun, g.dUOverZdY);
  plane(g.vOverZ, g.dVOverZdX, g.dVOverZdXRun, g.dVOverZdY);
  UpdateBiases(g);
  return true;
}

void ChooseRunLength(float dOneOverZdX) {
  SpanState& s = gFill.span;
  s.runLength = PerspRunLength(dOneOverZdX);
  s.runReciprocal = 65536.0f / static_cast<float>(s.runLength);
  s.runBlocks = s.runLength / 8;
  s.runMask = s.runLength - 1;
  s.runNotPowerOfTwo = (s.runLength & s.runMask) != 0;
  s.runShift = 0;
  while ((1 << (s.runShift + 1)) <= s.runLength) ++s.runShift;
}

void SetupPerspEdge(PerspEdge& e, const PerspVertex* v, int from, int to) {
  const PerspVertex& p = v[from];
  const PerspVertex& q = v[to];
  SetupEdgeWalk(e, p.x, p.y, q.x, q.y);
  e.oneOverZ = e.uOverZ = e.vOverZ = 0.0f;
  e.oneOverZStep = e.uOverZStep = e.vOverZStep = 0.0f;
  if (e.rowsLeft <= 0 || q.y == p.y) return;
  PerspGradients& g = gFill.gradients;
  const float height = static_cast<float>(static_cast<int64_t>(q.y) - p.y);
  const float into = static_cast<float>(16 * static_cast<int64_t>(e.row) - p.y) * 0.0625f;
  auto setup = [&](const float* values, float& value, float& step) {
    step = (values[to] - values[from]) * 16.0f / height;
    value = values[from] + step * into;
  };
  setup(g.oneOverZ, e.oneOverZ, e.oneOverZStep);
  setup(g.uOverZ, e.uOverZ, e.uOverZStep);
  setup(g.vOverZ, e.vOverZ, e.vOverZStep);
  g.dOneOverZdY = e.oneOverZStep;
  g.dUOverZdY = e.uOverZStep;
  g.dVOverZdY = e.vOverZStep;
  UpdateBiases(g);
}

void StepPerspEdge(PerspEdge& e) {
  StepEdgeWalk(e);
  e.oneOverZ += e.oneOverZStep;
  e.uOverZ += e.uOverZStep;
  e.vOverZ += e.vOverZStep;
}

// count pixels from column start, texel coordinates from u, v (16.16) by
// du, dv a pixel; only the columns inside the buffer are written.
void DrawSegment(int32_t start, int32_t count, int64_t u, int64_t v, int64_t du, int64_t dv) {
  const SpanState& s = gFill.span;
  const Texture& t = *s.texture;
  const int32_t first = std::max(start, 0);
  const int32_t end = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(start) + count, s.width));
  if (first >= end) return;
  const int64_t skip = first - start;
  u += skip * du;
  v += skip * dv;
  const int64_t n = end - first;
  const int64_t uLast = u + (n - 1) * du, vLast = v + (n - 1) * dv;
  const int64_t uLimit = static_cast<int64_t>(t.rowLength) << 16, vLimit = static_cast<int64_t>(t.rows) << 16;
  const bool inside = std::min(u, uLast) >= 0 && std::max(u, uLast) < uLimit && std::min(v, vLast) >= 0 &&
                      std::max(v, vLast) < vLimit;
  uint8_t* dest = s.destRow + first;
  const uint8_t* texels = t.texels;
  const int64_t row = t.rowLength;
  if (inside) {
    if (s.transparent) {
      for (int64_t i = 0; i < n; ++i, u += du, v += dv) {
        const uint8_t texel = texels[(v >> 16) * row + (u >> 16)];
        if (texel) dest[i] = texel;
      }
    } else {
      for (int64_t i = 0; i < n; ++i, u += du, v += dv) dest[i] = texels[(v >> 16) * row + (u >> 16)];
    }
    return;
  }
  for (int64_t i = 0; i < n; ++i, u += du, v += dv) {
    const uint8_t texel = texels[ClampedTexel(t, u, v)];
    if (texel || !s.transparent) dest[i] = texel;
  }
}

// One affine segment of w pixels from texel coordinates (u0, v0) towards
// (u1, v1), both in texels.
void AffineSegment(int32_t start, int32_t w, float u0, float v0, float u1, float v1) {
  const PerspGradients& g = gFill.gradients;
  const float r = Reciprocal(w);
  const int64_t u = static_cast<int64_t>(FloatToInt32(u0 * 65536.0f)) + g.uBias;
  const int64_t v = static_cast<int64_t>(FloatToInt32(v0 * 65536.0f)) + g.vBias;
  DrawSegment(start, w, u, v, FloatToInt32((u1 - u0) * r), FloatToInt32((v1 - v0) * r));
}

bool BeginPolygon(GfxBuffer* screen, const PerspVertex* vertices, int count) {
  if (!screen || !screen->pixels || count > kMaxPerspVertices || !PolygonInRange(vertices, count)) return false;
  EnsureTables();
  gFill.span.stride = screen->stride;
  gFill.span.width = screen->width;
  return true;
}

// Walks the polygon; rowFn(row pointer, left, right) draws each row.
template <class RowFn>
void WalkPersp(GfxBuffer* screen, const PerspVertex* v, int count, bool textured, RowFn rowFn) {
  const int32_t height = screen->height;
  WalkPolygon(
      count, [v](int i) { return v[i].y; }, gFill.left, gFill.right,
      [v, textured](PerspEdge& e, int from, int to) {
        if (textured) {
          SetupPerspEdge(e, v, from, to);
        } else {
          SetupEdgeWalk(e, v[from].x, v[from].y, v[to].x, v[to].y);
        }
      },
      StepPerspEdge,
      [&](const PerspEdge& l, const PerspEdge& r) {
        if (l.row >= height) return false;
        if (l.row < 0 || r.x - l.x <= 0) return true;
        gFill.span.destRow = screen->pixels + static_cast<int64_t>(l.row) * screen->stride;
        rowFn(l, r);
        return true;
      });
}

}  // namespace

void InitPerspTables() {
  gFill.reciprocal[0] = 65536.0f;
  for (int i = 1; i <= 64; ++i) gFill.reciprocal[i] = 65536.0f / static_cast<float>(i);
  for (int i = 0; i < kRunLengthCount; ++i) {
    gFill.runTable.threshold[i] = kRunThresholdsStored[i] * 0.5f;
    gFill.runTable.runLength[i] = kRunLengths[i];
  }
  gFill.tablesBuilt = true;
}

int32_t PerspRunLength(float dOneOverZdX) {
  EnsureTables();
  const float a = std::fabs(dOneOverZdX);
  for (int i = 0; i < kRunLengthCount; ++i)
    if (gFill.runTable.threshold[i] <= a) return gFill.runTable.runLength[i];
  return gFill.runTable.runLength[kRunLengthCount - 1];  // not a number
}

float PerspReciprocal(int i) {
  EnsureTables();
  return i >= 0 && i <= 64 ? gFill.reciprocal[i] : 65536.0f / static_cast<float>(i);
}

const PerspGradients& LastPerspGradients() { return gFill.gradients; }

void FillPolygonFlat(GfxBuffer* screen, const PerspVertex* vertices, int count, uint32_t colourWord) {
  if (!BeginPolygon(screen, vertices, count)) return;
  const uint8_t colour = static_cast<uint8_t>(colourWord & 0xFF);
  const int32_t width = screen->width;
  WalkPersp(screen, vertices, count, false, [&](const PerspEdge& l, const PerspEdge& r) {
    const int32_t first = std::max(l.x, 0), end = std::min(r.x, width);
    if (first < end) std::memset(gFill.span.destRow + first, colour, static_cast<size_t>(end - first));
  });
}

void FillPolygonTextured(GfxBuffer* screen, const PerspVertex* vertices, int count, const Texture& texture) {
  if (!texture.texels || texture.rowLength <= 0 || texture.rows <= 0) return;
  if (!BeginPolygon(screen, vertices, count) || !SetupGradients(vertices, count)) return;
  gFill.span.texture = &texture;
  gFill.span.transparent = false;
  WalkPersp(screen, vertices, count, true, [](const PerspEdge& l, const PerspEdge& r) {
    AffineSegment(l.x, r.x - l.x, l.uOverZ / l.oneOverZ, l.vOverZ / l.oneOverZ, r.uOverZ / r.oneOverZ,
                  r.vOverZ / r.oneOverZ);
  });
  gFill.span.texture = nullptr;
}

void FillPolygonTexturedAdaptive(GfxBuffer* screen, const PerspVertex* vertices, int count, const Texture& texture,
                                 int transparent) {
  if (!texture.texels || texture.rowLength <= 0 || texture.rows <= 0) return;
  if (!BeginPolygon(screen, vertices, count) || !SetupGradients(vertices, count)) return;
  ChooseRunLength(gFill.gradients.dOneOverZdX);
  PerspGradients& g = gFill.gradients;
  const float L = static_cast<float>(gFill.span.runLength);
  g.dOneOverZdXRun = g.dOneOverZdX * L;
  g.dUOverZdXRun = g.dUOverZdX * L;
  g.dVOverZdXRun = g.dVOverZdX * L;
  gFill.span.texture = &texture;
  gFill.span.transparent = transparent != 0;
  WalkPersp(screen, vertices, count, true, [](const PerspEdge& l, const PerspEdge& r) {
    const SpanState& s = gFill.span;
    PerspGradients& pg = gFill.gradients;
    const int32_t w = r.x - l.x;
    const float uRight = r.uOverZ / r.oneOverZ, vRight = r.vOverZ / r.oneOverZ;
    float uNow = l.uOverZ / l.oneOverZ, vNow = l.vOverZ / l.oneOverZ;
    if (w <= s.runLength) {
      AffineSegment(l.x, w, uNow, vNow, uRight, vRight);
      return;
    }
    // Gradients across this row, and over one run.
    const float fw = static_cast<float>(w);
    pg.dOneOverZdX = (r.oneOverZ - l.oneOverZ) / fw;
    pg.dUOverZdX = (r.uOverZ - l.uOverZ) / fw;
    pg.dVOverZdX = (r.vOverZ - l.vOverZ) / fw;
    const float runL = static_cast<float>(s.runLength);
    pg.dOneOverZdXRun = pg.dOneOverZdX * runL;
    pg.dUOverZdXRun = pg.dUOverZdX * runL;
    pg.dVOverZdXRun = pg.dVOverZdX * runL;
    const int32_t runs = s.runNotPowerOfTwo ? w / s.runLength : w >> s.runShift;
    const int32_t remainder = s.runNotPowerOfTwo ? w % s.runLength : w & s.runMask;
    float ooz = l.oneOverZ, uoz = l.uOverZ, voz = l.vOverZ;
    int32_t column = l.x;
    for (int32_t i = 0; i < runs; ++i) {
      ooz += pg.dOneOverZdXRun;
      uoz += pg.dUOverZdXRun;
      voz += pg.dVOverZdXRun;
      const float uEnd = uoz / ooz, vEnd = voz / ooz;
      const int64_t u = static_cast<int64_t>(FloatToInt32(uNow * 65536.0f)) + pg.uBias;
      const int64_t v = static_cast<int64_t>(FloatToInt32(vNow * 65536.0f)) + pg.vBias;
      DrawSegment(column, s.runLength, u, v, FloatToInt32((uEnd - uNow) * s.runReciprocal),
                  FloatToInt32((vEnd - vNow) * s.runReciprocal));
      column += s.runLength;
      uNow = uEnd;
      vNow = vEnd;
    }
    if (remainder > 0) AffineSegment(column, remainder, uNow, vNow, uRight, vRight);
  });
  gFill.span.texture = nullptr;
}
