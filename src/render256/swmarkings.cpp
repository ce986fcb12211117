// The pitch markings of the software match.
#include "render256/swmarkings.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "render256/polyscan.h"
#include "render256/swground.h"
#include "render256/textures.h"

namespace {

constexpr const char* kLineTextureName = "ZVDATA\\software\\misc\\textures\\line.gfx";
constexpr int kLineTextureBytes = LINE_TEXTURE_WIDTH * LINE_TEXTURE_ROWS;  // 4,096
constexpr int kLineGuardFrom = 3968;                                       // the 4 bytes copied past the last row
// A polygon no taller than this (in sixteenths) is one span on its middle row.
constexpr int32_t kSingleRowHeight = 23;

struct MarkingState {
  PitchMarkings marks;
  uint8_t* lineBlock;  // managed block; the pattern starts at its first 256-byte boundary
  MarkingSpan spans[MARKING_SPAN_ROWS];
};
MarkingState gMark;

void MarkingState_Reset() {
  // The line block belongs to the memory layer, which its own reset empties.
  std::memset(&gMark, 0, sizeof gMark);
}

uint8_t* AlignedLines() {
  if (gMark.lineBlock == nullptr) return nullptr;
  const uintptr_t p = reinterpret_cast<uintptr_t>(gMark.lineBlock);
  return gMark.lineBlock + ((256 - (p & 255)) & 255);
}

int32_t FloorDiv16(int64_t v) { return static_cast<int32_t>(v >= 0 ? v / 16 : -((-v + 15) / 16)); }
int32_t FloorDiv32(int64_t v) { return static_cast<int32_t>(v >= 0 ? v / 32 : -((-v + 31) / 32)); }

void Rectangle(MarkingPoint* q, float x0, float x1, float y0, float y1) {
  q[0] = {x0, y0, 0.0f};
  q[1] = {x1, y0, 0.0f};
  q[2] = {x1, y1, 0.0f};
  q[3] = {x0, y1, 0.0f};
}

void BuildLines() {
  const PitchGeometry& p = Pitch;
  const float w = MARKING_WIDTH;
  const float minX = p.minX, maxX = p.maxX, minY = p.minY, maxY = p.maxY;
  MarkingPoint(*q)[4] = gMark.marks.lineQuads;
  Rectangle(q[0], minX, maxX, minY, minY + w);
  Rectangle(q[1], maxX - w, maxX, minY, maxY);
  Rectangle(q[2], minX, maxX, maxY - w, maxY);
  Rectangle(q[3], minX, minX + w, minY, maxY);
  Rectangle(q[4], minX, maxX, p.centreY - w / 2, p.centreY + w / 2);
  // The penalty and goal areas: two sides and a front at each end.
  const float areaMinX[2] = {static_cast<float>(p.penaltyAreaMinX), static_cast<float>(p.goalAreaMinX)};
  const float areaMaxX[2] = {static_cast<float>(p.penaltyAreaMaxX), static_cast<float>(p.goalAreaMaxX)};
  const float areaMinY[2] = {static_cast<float>(p.penaltyAreaMinY), static_cast<float>(p.goalAreaMinY)};
  const float areaMaxY[2] = {static_cast<float>(p.penaltyAreaMaxY), static_cast<float>(p.goalAreaMaxY)};
  for (int area = 0; area < 2; ++area) {
    MarkingPoint(*nearEnd)[4] = q + 5 + area * 6;
    MarkingPoint(*farEnd)[4] = q + 8 + area * 6;
    Rectangle(nearEnd[0], areaMinX[area], areaMinX[area] + w, minY, areaMinY[area]);
    Rectangle(nearEnd[1], areaMaxX[area] - w, areaMaxX[area], minY, areaMinY[area]);
    Rectangle(nearEnd[2], areaMinX[area], areaMaxX[area], areaMinY[area] - w, areaMinY[area]);
    Rectangle(farEnd[0], areaMinX[area], areaMinX[area] + w, areaMaxY[area], maxY);
    Rectangle(farEnd[1], areaMaxX[area] - w, areaMaxX[area], areaMaxY[area], maxY);
    Rectangle(farEnd[2], areaMinX[area], areaMaxX[area], areaMaxY[area], areaMaxY[area] + w);
  }
  static const float kHexagon[SPOT_POINTS][2] = {{0.0f, -6.0f}, {5.196f, -3.0f}, {5.196f, 3.0f},
                                                 {0.0f, 6.0f},  {-5.196f, 3.0f}, {-5.196f, -3.0f}};
  const float spotY[SPOT_COUNT] = {static_cast<float>(p.centreY), static_cast<float>(p.penaltySpotMinY),
                                   static_cast<float>(p.penaltySpotMaxY)};
  for (int s = 0; s < SPOT_COUNT; ++s)
    for (int i = 0; i < SPOT_POINTS; ++i)
      gMark.marks.spots[s][i] = {p.centreX + kHexagon[i][0], spotY[s] + kHexagon[i][1], 0.0f};
}

void BuildCornerArcs() {
  const PitchGeometry& p = Pitch;
  static const float kInner[4][2] = {{24.0f, 0.0f}, {20.784f, 12.0f}, {12.0f, 20.784f}, {0.0f, 24.0f}};
  static const float kOuter[4][2] = {{28.0f, 0.0f}, {24.248f, 14.0f}, {14.0f, 24.248f}, {0.0f, 28.0f}};
  const float cornerX[4] = {static_cast<float>(p.minX), static_cast<float>(p.maxX), static_cast<float>(p.minX),
                            static_cast<float>(p.maxX)};
  const float cornerY[4] = {static_cast<float>(p.minY), static_cast<float>(p.minY), static_cast<float>(p.maxY),
                            static_cast<float>(p.maxY)};
  for (int c = 0; c < 4; ++c) {
    const float sx = c == 0 || c == 2 ? 1.0f : -1.0f;
    const float sy = c < 2 ? 1.0f : -1.0f;
    for (int j = 0; j < 3; ++j) {
      MarkingPoint quad[4] = {
          {cornerX[c] + sx * kInner[j][0], cornerY[c] + sy * kInner[j][1], 0.0f},
          {cornerX[c] + sx * kOuter[j][0], cornerY[c] + sy * kOuter[j][1], 0.0f},
          {cornerX[c] + sx * kOuter[j + 1][0], cornerY[c] + sy * kOuter[j + 1][1], 0.0f},
          {cornerX[c] + sx * kInner[j + 1][0], cornerY[c] + sy * kInner[j + 1][1], 0.0f},
      };
      // A corner turned one way only is a mirror image: its quads go the other way round.
      if (sx != sy) std::reverse(quad, quad + 4);
      std::copy(quad, quad + 4, gMark.marks.cornerArcs[c * 3 + j]);
    }
  }
}

void BuildCurves() {
  const PitchGeometry& p = Pitch;
  PitchMarkings& m = gMark.marks;
  const double pi = 3.14159265358979323846;
  const float cx = p.centreX, cy = p.centreY;
  const float outer = CENTRE_CIRCLE_RADIUS, inner = CENTRE_CIRCLE_RADIUS - MARKING_WIDTH;
  for (int i = 0; i < CENTRE_CIRCLE_POINTS; ++i) {
    const double a = i * 2.0 * pi / CENTRE_CIRCLE_POINTS;
    const float c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
    m.centreOuter[i] = {cx + outer * c, cy + outer * s, 0.0f};
    m.centreInner[i] = {cx + inner * c, cy + inner * s, 0.0f};
  }
  Rectangle(m.centreSquare, cx - outer, cx + outer, cy - outer, cy + outer);
  const double ratio = std::clamp(1.02 * (p.penaltyAreaMinY - p.penaltySpotMinY) / CENTRE_CIRCLE_RADIUS, -1.0, 1.0);
  const double a0 = std::asin(ratio);
  const float spotY[2] = {static_cast<float>(p.penaltySpotMinY), static_cast<float>(p.penaltySpotMaxY)};
  for (int end = 0; end < 2; ++end) {
    const float turn = end == 0 ? 1.0f : -1.0f;  // the far arc is turned half round its spot
    for (int i = 0; i < PENALTY_ARC_POINTS; ++i) {
      const double a = a0 + i * (pi - 2.0 * a0) / (PENALTY_ARC_POINTS - 1);
      const float c = turn * static_cast<float>(std::cos(a)), s = turn * static_cast<float>(std::sin(a));
      m.arcOuter[end][i] = {cx + outer * c, spotY[end] + outer * s, 0.0f};
      m.arcInner[end][i] = {cx + inner * c, spotY[end] + inner * s, 0.0f};
    }
    // The rectangle round both rings.
    float x0 = m.arcOuter[end][0].x, x1 = x0, y0 = m.arcOuter[end][0].y, y1 = y0;
    for (int i = 0; i < PENALTY_ARC_POINTS; ++i)
      for (const MarkingPoint& q : {m.arcOuter[end][i], m.arcInner[end][i]}) {
        x0 = std::min(x0, q.x);
        x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y);
        y1 = std::max(y1, q.y);
      }
    Rectangle(m.arcRectangle[end], x0, x1, y0, y1);
  }
}

void LoadLineTexture() {
  if (gMark.lineBlock != nullptr) FreeMemory(reinterpret_cast<void**>(&gMark.lineBlock));
  AllocateMemory(reinterpret_cast<void**>(&gMark.lineBlock), LINE_TEXTURE_BLOCK_SIZE, ManualNoMove);
  uint8_t* file = nullptr;
  const uint32_t size = PakLoadFile(kLineTextureName, &file, ManualFree);
  const char* why = nullptr;
  if (CheckTextureImage(file, size, &why) < 0) FatalError("Error: LoadPitchMarkings(): '%s': %s\n", kLineTextureName, why);
  if (TextureWidth(file) != LINE_TEXTURE_WIDTH || TextureHeight(file) != LINE_TEXTURE_ROWS)
    FatalError("Error: LoadPitchMarkings(): '%s' is %d x %d, not 256 x 16\n", kLineTextureName, TextureWidth(file),
               TextureHeight(file));
  uint8_t* lines = AlignedLines();
  std::memcpy(lines, TexturePixels(file), kLineTextureBytes);
  std::memcpy(lines + kLineTextureBytes, lines + kLineGuardFrom, 4);
  FreeMemory(reinterpret_cast<void**>(&file));
}

// ---- drawing ---------------------------------------------------------------------

GfxBuffer* ViewBuffer() {
  GfxBuffer* b = ViewScreen.screen;
  return b != nullptr && b->pixels != nullptr ? b : nullptr;
}

int32_t SpanRows() {
  GfxBuffer* b = ViewBuffer();
  return b == nullptr ? 0 : std::min(b->height, MARKING_SPAN_ROWS);
}

void CopyPatternSpan(GfxBuffer* b, int32_t row, int32_t left, int32_t right, const uint8_t* rowA,
                     const uint8_t* rowB) {
  left = std::max(left, 0);
  right = std::min(right, b->width - 1);
  if (right < left) return;
  const int64_t offset = static_cast<int64_t>(row) * b->stride + left;
  uint8_t* dest = b->pixels + offset;
  const uint32_t dither = static_cast<uint32_t>(dest[0]) ^ static_cast<uint32_t>(offset & 0xFF) ^
                          static_cast<uint32_t>((offset >> 8) & 0xFF);
  const uint8_t* source = (dither & 1) ? rowA : rowB;
  uint32_t column = (dither & 1) ? dither : 0;
  for (int32_t x = left; x <= right; ++x, ++column) *dest++ = source[column & (LINE_TEXTURE_WIDTH - 1)];
}

// Clips, projects and fills one marking polygon of camera-space points.
void DrawMarkingPolygon(const ClipVertex* points, int count) {
  if (count < 3 || count > MARKING_MAX_POINTS) return;
  int16_t all = -1, any = 0;
  for (int i = 0; i < count; ++i) {
    const int16_t code = PointOutcode(points[i].x, points[i].y, points[i].z);
    all = static_cast<int16_t>(all & code);
    any = static_cast<int16_t>(any | code);
  }
  if (all != 0) return;
  MarkingPoly poly;
  std::copy(points, points + count, poly.vertex);
  poly.count = count;
  poly.capacity = count + MARKING_CLIP_ROOM;
  if (any != 0 && !ClipPolygonToView(poly, 0, 4)) return;
  int32_t xs[MARKING_MAX_POINTS + MARKING_CLIP_ROOM], ys[MARKING_MAX_POINTS + MARKING_CLIP_ROOM];
  for (int i = 0; i < poly.count; ++i) {
    ProjectClipVertex(poly.vertex[i], &xs[i], &ys[i]);
    // Half a pixel less: a pixel is in when its centre is.
    xs[i] -= 8;
    ys[i] -= 8;
  }
  FillMarkingPolygon(xs, ys, poly.count);
}

ClipVertex ToCamera(const MarkingPoint& p) {
  const CameraPoint c = TransformPoint(p.x, p.height, p.y);
  return {c.x, c.y, c.z, 0.0f, 0.0f};
}

void DrawMarking(const MarkingPoint* points, int count) {
  ClipVertex camera[MARKING_MAX_POINTS];
  for (int i = 0; i < count; ++i) camera[i] = ToCamera(points[i]);
  DrawMarkingPolygon(camera, count);
}

// True when something of the quad round a curve is in view.
bool BoundsVisible(const MarkingPoint* quad) {
  MarkingPoly poly;
  for (int i = 0; i < 4; ++i) poly.vertex[i] = ToCamera(quad[i]);
  poly.count = 4;
  poly.capacity = 4 + MARKING_CLIP_ROOM;
  return ClipPolygonToView(poly, 0, 4) != 0;
}

// The band between outer[first..] and inner[first..] over `run` points
// (indices wrap at `ringSize`): drawn whole when it lies in the view, else
// segment by segment, each clipped.
void DrawBand(const ClipVertex* outer, const ClipVertex* inner, int ringSize, int first, int run) {
  if (run < 2) return;
  ClipVertex segment[MARKING_MAX_POINTS];
  bool inside = true;
  for (int k = 0; k < run; ++k) {
    const int i = (first + k) % ringSize;
    segment[k] = outer[i];
    segment[2 * run - 1 - k] = inner[i];
  }
  for (int k = 0; k < 2 * run && inside; ++k) inside = PointOutcode(segment[k].x, segment[k].y, segment[k].z) == 0;
  if (inside) {
    DrawMarkingPolygon(segment, 2 * run);
    return;
  }
  for (int k = 0; k + 1 < run; ++k) {
    const int i = (first + k) % ringSize, j = (first + k + 1) % ringSize;
    const ClipVertex quad[4] = {outer[i], outer[j], inner[j], inner[i]};
    DrawMarkingPolygon(quad, 4);
  }
}

void DrawCentreCircle() {
  const PitchMarkings& m = gMark.marks;
  if (!BoundsVisible(m.centreSquare)) return;
  ClipVertex outer[CENTRE_CIRCLE_POINTS], inner[CENTRE_CIRCLE_POINTS];
  int top = 0, bottom = 0;
  for (int i = 0; i < CENTRE_CIRCLE_POINTS; ++i) {
    outer[i] = ToCamera(m.centreOuter[i]);
    inner[i] = ToCamera(m.centreInner[i]);
    if (outer[i].y < outer[top].y) top = i;
    if (outer[i].y > outer[bottom].y) bottom = i;
  }
  if (top == bottom) {
    DrawBand(outer, inner, CENTRE_CIRCLE_POINTS, 0, CENTRE_CIRCLE_POINTS + 1);
    return;
  }
  // Two halves, cut at the ring's highest and lowest points.
  const int n = CENTRE_CIRCLE_POINTS;
  DrawBand(outer, inner, n, top, (bottom - top + n) % n + 1);
  DrawBand(outer, inner, n, bottom, (top - bottom + n) % n + 1);
}

void DrawPenaltyArc(int end) {
  const PitchMarkings& m = gMark.marks;
  if (!BoundsVisible(m.arcRectangle[end])) return;
  ClipVertex outer[PENALTY_ARC_POINTS], inner[PENALTY_ARC_POINTS];
  for (int i = 0; i < PENALTY_ARC_POINTS; ++i) {
    outer[i] = ToCamera(m.arcOuter[end][i]);
    inner[i] = ToCamera(m.arcInner[end][i]);
  }
  DrawBand(outer, inner, PENALTY_ARC_POINTS, 0, PENALTY_ARC_POINTS);
}

void SetSpan(MarkingSpan& s, int32_t left, int32_t right) {
  s.left = left;
  s.right = right;
  s.left2 = 0;
  s.right2 = -1;
}

}  // namespace

REGISTER_RESET(RESET_RENDER, MarkingState_Reset);

void SwMarkings_Reset() { MarkingState_Reset(); }

const PitchMarkings& GetPitchMarkings() { return gMark.marks; }

int32_t LineDepthLimit(int i) {
  if (i < 0) return 100;
  return i < 28 ? 100 + 20 * i : INT32_MAX;
}

void LoadPitchMarkings() {
  BuildLines();
  BuildCornerArcs();
  LoadLineTexture();
  BuildCurves();
}

void FreeLineTexture() {
  if (gMark.lineBlock != nullptr) FreeMemory(reinterpret_cast<void**>(&gMark.lineBlock));
}

const uint8_t* LineTexture() { return AlignedLines(); }

MarkingSpan* MarkingSpanRow(int row) {
  return row >= 0 && row < MARKING_SPAN_ROWS ? &gMark.spans[row] : nullptr;
}

void ClearMarkingDepths() {
  for (MarkingSpan& s : gMark.spans) s.depth = 0;
}

void SetMarkingDepth(int row, int32_t depth) {
  if (row >= 0 && row < MARKING_SPAN_ROWS) gMark.spans[row].depth = depth;
}

int ClipPolygonToView(MarkingPoly& poly, int first, int last) {
  const int capacity = std::min(poly.capacity, MARKING_MAX_POINTS + MARKING_CLIP_ROOM);
  if (poly.count < 3 || poly.count > capacity || first < 0 || last > 4) {
    poly.count = 0;
    return 0;
  }
  ClipVertex lists[2][MARKING_MAX_POINTS + MARKING_CLIP_ROOM];
  const ClipVertex* in = poly.vertex;
  int inCount = poly.count;
  for (int plane = first; plane <= last; ++plane) {
    ClipVertex* dst = lists[plane & 1];
    int n = 0;
    for (int i = 0; i < inCount; ++i) {
      const ClipVertex& a = in[i];
      const ClipVertex& b = in[i + 1 < inCount ? i + 1 : 0];
      const float da = ClipPlaneDistance(a, plane);
      const float db = ClipPlaneDistance(b, plane);
      const bool aIn = da <= 0.0f, bIn = db <= 0.0f;
      if (n + (aIn ? 1 : 0) + (aIn != bIn ? 1 : 0) > capacity) {
        poly.count = 0;
        return 0;
      }
      if (aIn) dst[n++] = a;
      if (aIn != bIn) dst[n++] = ClipEdge(a, b, plane, da);
    }
    if (n < 3) {
      poly.count = 0;
      return 0;
    }
    in = dst;
    inCount = n;
  }
  if (in != poly.vertex) std::copy(in, in + inCount, poly.vertex);
  poly.count = inCount;
  return 1;
}

void DrawLineSpans(int first, int last) {
  GfxBuffer* b = ViewBuffer();
  const uint8_t* lines = AlignedLines();
  if (b == nullptr || lines == nullptr) return;
  first = std::max(first, 0);
  last = std::min(last, SpanRows() - 1);
  int limit = 0;
  int rowA = LINE_TEXTURE_ROWS - 1, rowB = LINE_TEXTURE_ROWS - 1;
  for (int row = first; row <= last; ++row) {
    const MarkingSpan& s = gMark.spans[row];
    while (limit < LINE_DEPTH_LIMITS && s.depth > LineDepthLimit(limit)) {
      ++limit;
      if (rowA == rowB)
        --rowB;
      else
        --rowA;
    }
    const uint8_t* a = lines + rowA * LINE_TEXTURE_WIDTH;
    const uint8_t* c = lines + rowB * LINE_TEXTURE_WIDTH;
    if (s.left <= s.right) CopyPatternSpan(b, row, s.left, s.right, a, c);
    if (s.left2 <= s.right2) CopyPatternSpan(b, row, s.left2, s.right2, a, c);
  }
}

bool FillMarkingPolygon(const int32_t* xs, const int32_t* ys, int count) {
  if (count < 3 || count > MARKING_MAX_POINTS + MARKING_CLIP_ROOM) return false;
  // Far beyond any screen: refused, which keeps every crossing product in range.
  for (int i = 0; i < count; ++i)
    if (xs[i] < -kMaxPolygonCoord || xs[i] > kMaxPolygonCoord || ys[i] < -kMaxPolygonCoord || ys[i] > kMaxPolygonCoord)
      return false;
  const int32_t rows = SpanRows();
  if (rows <= 0) return false;
  int64_t minX = xs[0], maxX = xs[0], minY = ys[0], maxY = ys[0];
  for (int i = 1; i < count; ++i) {
    minX = std::min<int64_t>(minX, xs[i]);
    maxX = std::max<int64_t>(maxX, xs[i]);
    minY = std::min<int64_t>(minY, ys[i]);
    maxY = std::max<int64_t>(maxY, ys[i]);
  }
  if (maxY - minY <= kSingleRowHeight) {
    const int32_t row = FloorDiv32(minY + maxY + 16);
    if (row < 0 || row >= rows) return false;
    SetSpan(gMark.spans[row], FloorDiv16(minX + 8), FloorDiv16(maxX + 8));
    DrawLineSpans(row, row);
    return true;
  }
  const int32_t top = Ceil16(static_cast<int32_t>(minY)), bottom = Ceil16(static_cast<int32_t>(maxY)) - 1;
  const int32_t first = std::max(top, 0), last = std::min(bottom, rows - 1);
  if (first > last) return false;
  int64_t crossings[MARKING_MAX_POINTS + MARKING_CLIP_ROOM + 1];
  for (int32_t row = first; row <= last; ++row) {
    const int64_t y = 16 * static_cast<int64_t>(row);
    int n = 0;
    for (int i = 0; i < count; ++i) {
      const int j = i + 1 < count ? i + 1 : 0;
      const int64_t ya = ys[i], yb = ys[j];
      if (ya == yb || !((ya <= y && y < yb) || (yb <= y && y < ya))) continue;
      const int64_t xa = xs[i], xb = xs[j];
      crossings[n++] = xa + (y - ya) * (xb - xa) / (yb - ya);
    }
    std::sort(crossings, crossings + n);
    MarkingSpan& s = gMark.spans[row];
    if (n < 2) {
      SetSpan(s, 0, -1);
      continue;
    }
    SetSpan(s, Ceil16(static_cast<int32_t>(crossings[0])), Ceil16(static_cast<int32_t>(crossings[1])) - 1);
    if (n >= 4) {
      s.left2 = Ceil16(static_cast<int32_t>(crossings[2]));
      s.right2 = Ceil16(static_cast<int32_t>(crossings[n - 1])) - 1;
    }
    // A sliver narrower than a pixel on this row still shows as one.
    if (s.right < s.left) s.left = s.right = FloorDiv16((crossings[0] + crossings[1]) / 2 + 8);
  }
  // The end rows reach out to the corners that round onto them.
  for (int i = 0; i < count; ++i) {
    const int32_t row = std::clamp(FloorDiv16(static_cast<int64_t>(ys[i]) + 8), top, bottom);
    if ((row != top && row != bottom) || row < first || row > last) continue;
    MarkingSpan& s = gMark.spans[row];
    const int32_t column = FloorDiv16(static_cast<int64_t>(xs[i]) + 8);
    if (s.left > s.right) {
      SetSpan(s, column, column);
      continue;
    }
    s.left = std::min(s.left, column);
    if (s.left2 <= s.right2)
      s.right2 = std::max(s.right2, column);
    else
      s.right = std::max(s.right, column);
  }
  DrawLineSpans(first, last);
  return true;
}

void DrawPitchLines() {
  if (ViewBuffer() == nullptr || AlignedLines() == nullptr) return;
  for (const auto& quad : gMark.marks.lineQuads) DrawMarking(quad, 4);
  for (const auto& spot : gMark.marks.spots) DrawMarking(spot, SPOT_POINTS);
}

void DrawPitchCurves() {
  if (ViewBuffer() == nullptr || AlignedLines() == nullptr) return;
  for (const auto& quad : gMark.marks.cornerArcs) DrawMarking(quad, 4);
  DrawCentreCircle();
  DrawPenaltyArc(0);
  DrawPenaltyArc(1);
}
