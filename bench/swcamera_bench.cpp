// Polygons per second through the software camera: transform the corners,
// sort by outcodes, clip the mixed ones and project what remains, as the
// world and model drawing do each frame.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "render256/swcamera.h"

namespace {

struct Quad {
  float across[4], height[4], along[4];
};

// Ground and wall quads scattered over and around the pitch, 2 to 60 yards
// on a side, seen from a camera behind one goal.
std::vector<Quad> MakeQuads(int count) {
  std::mt19937 rng(33);
  std::uniform_real_distribution<float> px(-200, 1800), py(-200, 2300), size(32, 960), up(0, 400);
  std::vector<Quad> quads(static_cast<size_t>(count));
  for (Quad& q : quads) {
    const float x = px(rng), y = py(rng), w = size(rng), d = size(rng);
    const bool wall = rng() % 3 == 0;
    const float h = wall ? up(rng) : 0.0f;
    const float xs[4] = {x, x + w, x + w, x};
    const float ys[4] = {y, y, wall ? y : y + d, wall ? y : y + d};
    const float hs[4] = {0, 0, h, h};
    for (int i = 0; i < 4; ++i) q.across[i] = xs[i], q.along[i] = ys[i], q.height[i] = hs[i];
  }
  return quads;
}

void BM_ClipAndProject(benchmark::State& state, bool allMixed) {
  SetCameraProjection(640, 480, 8.0 * (640 + 128), 8.0 * (480 + 128));
  SetSoftwareCamera(796, -300, 400, 0.0f, 1.95f, 1.0f);
  const std::vector<Quad> quads = MakeQuads(4096);
  PerspVertex out[CLIP_MAX_VERTICES];
  int64_t polygons = 0, projected = 0;
  for (auto _ : state) {
    for (const Quad& q : quads) {
      ClipPoly poly;
      int16_t all = -1, any = 0;
      for (int i = 0; i < 4; ++i) {
        const CameraPoint p = TransformPoint(q.across[i], q.height[i], q.along[i]);
        poly.vertex[i] = {p.x, p.y, p.z, static_cast<float>(i & 1) * 63, static_cast<float>(i >> 1) * 63};
        all &= p.outcode;
        any |= p.outcode;
      }
      poly.count = 4;
      ++polygons;
      if (all) continue;
      if ((any || allMixed) && !ClipPolygon(poly)) continue;
      projected += ProjectPolygon(poly, out);
      benchmark::DoNotOptimize(out);
    }
  }
  state.counters["polygons/s"] = benchmark::Counter(static_cast<double>(polygons), benchmark::Counter::kIsRate);
  state.counters["vertices out"] = static_cast<double>(projected) / static_cast<double>(polygons);
}

void BM_ClipAndProjectByOutcodes(benchmark::State& state) { BM_ClipAndProject(state, false); }
void BM_ClipAndProjectEveryPolygon(benchmark::State& state) { BM_ClipAndProject(state, true); }

}  // namespace

BENCHMARK(BM_ClipAndProjectByOutcodes);
BENCHMARK(BM_ClipAndProjectEveryPolygon);
BENCHMARK_MAIN();
