#include "render256/polyscan.h"

#include <algorithm>
#include <vector>

#include "engine/reset.h"
#include "menus/machine.h"

namespace {

// The left and right edges of the screen-space fillers.
struct PolyScanState {
  ScanEdge left{};
  ScanEdge right{};
};
PolyScanState gScan;

void PolyScan_Reset() { gScan = PolyScanState{}; }
REGISTER_RESET(RESET_RENDER, PolyScan_Reset);

int64_t FloorDiv(int64_t n, int64_t d) {  // d > 0
  const int64_t q = n / d;
  return (n % d != 0 && n < 0) ? q - 1 : q;
}

void StepScanEdge(ScanEdge& e) {
  StepEdgeWalk(e);
  e.u += e.uStep;
  e.v += e.vStep;
}

// Whole-pixel corners for the solid and shaded fillers.
void ClearFractions(ScreenVertex* vertices, int count) {
  for (int i = 0; i < count; ++i) {
    vertices[i].x &= ~15;
    vertices[i].y &= ~15;
  }
}

template <class RowFn>
void WalkRows(const ScreenVertex* vertices, int count, RowFn rowFn) {
  if (!PolygonInRange(vertices, count)) return;
  WalkPolygon(
      count, [vertices](int i) { return vertices[i].y; }, gScan.left, gScan.right,
      [vertices](ScanEdge& e, int from, int to) { SetupEdge(e, to, vertices, from); }, StepScanEdge,
      [&rowFn](const ScanEdge& l, const ScanEdge& r) {
        rowFn(l.row, l.x, r.x - l.x);
        return true;
      });
}

}  // namespace

void SetupEdgeWalk(EdgeWalk& edge, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  const int32_t y0 = Ceil16(fromY), y1 = Ceil16(toY);
  edge = EdgeWalk{};
  edge.row = y0;
  edge.rowsLeft = y1 - y0;
  if (y1 == y0) return;
  const int64_t dx = static_cast<int64_t>(toX) - fromX;
  const int64_t dy = static_cast<int64_t>(toY) - fromY;
  const int64_t d = 16 * dy;
  if (d <= 15) return;  // an upward edge: its negative row count ends the walk
  const int64_t n = 16 * dx * y0 + dy * fromX + d - dx * fromY - 1;
  const int64_t x = FloorDiv(n, d);
  edge.x = static_cast<int32_t>(x);
  edge.error = n - x * d;
  edge.denominator = d;
  const int64_t xStep = FloorDiv(16 * dx, d);
  edge.xStep = static_cast<int32_t>(xStep);
  edge.errorStep = 16 * dx - xStep * d;
}

void StepEdgeWalk(EdgeWalk& edge) {
  ++edge.row;
  --edge.rowsLeft;
  edge.x += edge.xStep;
  edge.error += edge.errorStep;
  if (edge.error >= edge.denominator) {
    ++edge.x;
    edge.error -= edge.denominator;
  }
}

void SetupEdge(ScanEdge& edge, int toIndex, const ScreenVertex* vertices, int fromIndex) {
  const ScreenVertex& p = vertices[fromIndex];
  const ScreenVertex& q = vertices[toIndex];
  SetupEdgeWalk(edge, p.x, p.y, q.x, q.y);
  edge.u = p.u;
  edge.v = p.v;
  edge.uStep = edge.vStep = 0.0f;
  if (edge.rowsLeft != 0) {
    edge.uStep = (q.u - p.u) / static_cast<float>(edge.rowsLeft);
    edge.vStep = (q.v - p.v) / static_cast<float>(edge.rowsLeft);
  }
}

void ScanPolygonRows(const ScreenVertex* vertices, int count, void (*rowFn)(void*, int, int, int), void* context) {
  if (!vertices || count < 3 || !rowFn) return;
  std::vector<ScreenVertex> copy(vertices, vertices + count);
  ClearFractions(copy.data(), count);
  WalkRows(copy.data(), count, [&](int row, int x, int width) { rowFn(context, row, x, width); });
}

void FillPolygonShaded(ScreenVertex* vertices, int count, int opacity) {
  if (!vertices || count < 3) return;
  ClearFractions(vertices, count);
  WalkRows(vertices, count, [opacity](int row, int x, int width) {
    if (width > 0) DrawShadeRectangle(x, row, width, 1, opacity);
  });
}

void FillPolygonSolid(ScreenVertex* vertices, int count) {
  if (!vertices || count < 3) return;
  ClearFractions(vertices, count);
  WalkRows(vertices, count, [](int row, int x, int width) {
    if (width > 0) DrawFilledRectangle(x, row, width, 1);
  });
}

void FillPolygonMasked(GfxBuffer* screen, ScreenVertex* vertices, int count, const Texture& mask, uint8_t colour) {
  if (!screen || !screen->pixels || !vertices || count < 3 || !mask.texels || mask.rowLength <= 0 || mask.rows <= 0)
    return;
  constexpr int32_t kLimit = kMaxPolygonCoord / 16;
  for (int i = 0; i < count; ++i) {
    vertices[i].x = std::clamp(vertices[i].x, -kLimit, kLimit) * 16;
    vertices[i].y = std::clamp(vertices[i].y, -kLimit, kLimit) * 16;
  }
  const int32_t width = screen->width, height = screen->height, stride = screen->stride;
  WalkPolygon(
      count, [vertices](int i) { return vertices[i].y; }, gScan.left, gScan.right,
      [vertices](ScanEdge& e, int from, int to) { SetupEdge(e, to, vertices, from); }, StepScanEdge,
      [&](const ScanEdge& l, const ScanEdge& r) {
        const int32_t row = l.row;
        if (row >= height) return false;
        if (row < 0) return true;
        const int32_t w = r.x - l.x + 1;  // both end columns
        const int32_t uStep = FloatToInt32((r.u - l.u) * 65536.0f) / w;
        const int32_t vStep = FloatToInt32((r.v - l.v) * 65536.0f) / w;
        const int64_t u = FloatToInt32(l.u * 65536.0f);
        const int64_t v = FloatToInt32(l.v * 65536.0f);
        const int32_t first = std::max(l.x, 0), last = std::min(r.x, width - 1);
        uint8_t* line = screen->pixels + static_cast<int64_t>(row) * stride;
        for (int32_t c = first; c <= last; ++c) {
          const int64_t k = c - l.x;
          if (mask.texels[ClampedTexel(mask, u + k * uStep, v + k * vStep)] != 0) line[c] = colour;
        }
        return true;
      });
}

void RemapScreenRect(GfxBuffer* screen, int x, int y, int width, int height, const uint8_t* lut) {
  if (!screen || !screen->pixels || !lut) return;
  const int x0 = std::max(x, 0), y0 = std::max(y, 0);
  const int x1 = static_cast<int>(std::min<int64_t>(static_cast<int64_t>(x) + width, screen->width));
  const int y1 = static_cast<int>(std::min<int64_t>(static_cast<int64_t>(y) + height, screen->height));
  for (int r = y0; r < y1; ++r) {
    uint8_t* p = screen->pixels + static_cast<int64_t>(r) * screen->stride;
    for (int c = x0; c < x1; ++c) p[c] = lut[p[c]];
  }
}

void BlitThroughLUT(const uint8_t* source, uint8_t* destination, int sourceSkip, int destinationSkip, int width,
                    int rows, const uint8_t* lut) {
  if (!source || !destination || !lut || width <= 0) return;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < width; ++c)
      if (source[c] != 0) destination[c] = lut[source[c]];
    source += width + sourceSkip;
    destination += width + destinationSkip;
  }
}
