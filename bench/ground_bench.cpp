// The pitch surface of the software match at 640 x 480: the grass ground
// alone, the markings alone and both, per frame, from the match camera's
// default view and the overview.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/swmarkings.h"

namespace {

namespace fs = std::filesystem;
constexpr int kW = 640, kH = 480;

std::vector<uint8_t> Texture(int w, int h, std::mt19937& rng, int low, int count) {
  std::vector<uint8_t> b(4 + static_cast<size_t>(w) * h);
  StoreU16(b.data(), static_cast<uint32_t>(w));
  StoreU16(b.data() + 2, static_cast<uint32_t>(h));
  for (size_t i = 4; i < b.size(); ++i) b[i] = static_cast<uint8_t>(low + rng() % count);
  return b;
}

// Memory, the pitch and a pak of a grass tile and a line pattern, once.
void SetUpWorld() {
  static bool done = false;
  if (done) return;
  done = true;
  ResetAllModules();
  InitMemory(9500);
  SetPitchGeometry();
  std::mt19937 rng(5);
  const fs::path dir = fs::temp_directory_path() / "gafferon_ground_bench";
  fs::create_directories(dir);
  std::string error;
  const std::vector<PakWriteItem> items = {{"ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\GRASS.GFX", Texture(64, 64, rng, 1, 5)},
                                           {"ZVDATA\\SOFTWARE\\MISC\\TEXTURES\\LINE.GFX", Texture(256, 16, rng, 6, 4)}};
  const std::string pak = (dir / "ground").string();
  if (!PakWriteFiles(pak, items, PAK_STORE_AUTO, nullptr, &error)) {
    std::fprintf(stderr, "ground_bench: %s\n", error.c_str());
    std::exit(1);
  }
  PakFileInit();
  PakFileAdd(pak.c_str());
  PakFileAddDone();
  LoadGrass();
  LoadPitchMarkings();
  if (GrassPages() == nullptr || LineTexture() == nullptr) {
    std::fprintf(stderr, "ground_bench: the grass or the lines did not load\n");
    std::exit(1);
  }
}

struct Screen {
  Screen() : pixels(static_cast<size_t>(kW) * kH) {
    buffer.w = kW;
    buffer.h = kH;
    buffer.width = buffer.stride = kW;
    buffer.height = kH;
    buffer.pixels = pixels.data();
    SetViewScreen(&buffer, kW, kH);
    SetCameraProjection(kW, kH, 8.0 * kW, 8.0 * kH);
  }
  std::vector<uint8_t> pixels;
  GfxBuffer buffer{};
};

// The match camera's default view from the side, and the overview.
void Camera(int view) {
  const float targetX = 796.0f, targetY = view == 0 ? 1082.0f : 1360.0f, targetHeight = view == 0 ? 10.0f : 1.0f;
  const float yaw = view == 0 ? 1.5707963f : 0.0f, pitch = view == 0 ? 3.5342917f : 4.0212386f;
  const float distance = view == 0 ? 1000.0f : 2106.0f, zoom = view == 0 ? 1.1f : 1.5f;
  SetSoftwareCamera(targetX - std::sin(yaw) * std::sin(pitch) * distance,
                    targetY - std::cos(yaw) * std::sin(pitch) * distance, targetHeight - std::cos(pitch) * distance, yaw,
                    pitch, zoom);
}

void BM_Ground(benchmark::State& state) {
  SetUpWorld();
  Screen screen;
  Camera(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    DrawGround();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Ground)->Arg(0)->Arg(1);

void BM_Markings(benchmark::State& state) {
  SetUpWorld();
  Screen screen;
  Camera(static_cast<int>(state.range(0)));
  DrawGround();  // the row depths
  for (auto _ : state) {
    DrawPitchLines();
    DrawPitchCurves();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Markings)->Arg(0)->Arg(1);

void BM_GroundAndMarkings(benchmark::State& state) {
  SetUpWorld();
  Screen screen;
  Camera(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    DrawGround();
    DrawPitchLines();
    DrawPitchCurves();
    benchmark::ClobberMemory();
  }
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GroundAndMarkings)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
