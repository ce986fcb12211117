// Fill rate of the software renderer's polygon fillers on a 640 x 480 screen:
// a full-screen quad flat, textured exactly per row, and textured in adaptive
// runs (opaque and transparent), seen level and receding like the pitch.
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/gfx.h"
#include "render256/perspfill.h"
#include "render256/polyscan.h"

namespace {

constexpr int kW = 640, kH = 480;

struct Screen {
  Screen() : pixels(static_cast<size_t>(kW) * kH) {
    buffer.w = kW;
    buffer.h = kH;
    buffer.width = kW;
    buffer.height = kH;
    buffer.stride = kW;
    buffer.pixels = pixels.data();
  }
  std::vector<uint8_t> pixels;
  GfxBuffer buffer{};
};

const Texture& Checker() {
  static const std::vector<uint8_t> texels = [] {
    std::vector<uint8_t> t(256 * 256);
    for (int v = 0; v < 256; ++v)
      for (int u = 0; u < 256; ++u) t[v * 256 + u] = ((u / 16 + v / 16) & 1) ? 40 : ((u * v) % 5 == 0 ? 0 : 90);
    return t;
  }();
  static const Texture texture{256, 256, texels.data()};
  return texture;
}

// The whole screen; receding: the top row four times as deep as the bottom.
void Quad(PerspVertex* q, bool receding) {
  const float far = receding ? 4.0f : 1.0f;
  q[0] = {0, 0, far, 0.0f, 0.0f};
  q[1] = {kW * 16, 0, far, 255.0f, 0.0f};
  q[2] = {kW * 16, kH * 16, 1.0f, 255.0f, 255.0f};
  q[3] = {0, kH * 16, 1.0f, 0.0f, 255.0f};
}

void Report(benchmark::State& state) {
  state.counters["Mpixel/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kW * kH / 1e6, benchmark::Counter::kIsRate);
}

void BM_FillFlat(benchmark::State& state) {
  Screen screen;
  PerspVertex q[4];
  Quad(q, false);
  for (auto _ : state) {
    FillPolygonFlat(&screen.buffer, q, 4, 0x1C1C1C1Cu);
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_FillFlat);

void BM_FillTextured(benchmark::State& state) {
  Screen screen;
  PerspVertex q[4];
  Quad(q, state.range(0) != 0);
  for (auto _ : state) {
    FillPolygonTextured(&screen.buffer, q, 4, Checker());
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_FillTextured)->Arg(0)->Arg(1);

// Receding across the rows too, so that runs shorter than the row are used.
void BM_FillAdaptive(benchmark::State& state) {
  Screen screen;
  PerspVertex q[4];
  Quad(q, true);
  q[1].z = 2.5f;
  q[2].z = 0.7f;
  InitPerspTables();
  for (auto _ : state) {
    FillPolygonTexturedAdaptive(&screen.buffer, q, 4, Checker(), static_cast<int>(state.range(0)));
    benchmark::ClobberMemory();
  }
  Report(state);
}
BENCHMARK(BM_FillAdaptive)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
