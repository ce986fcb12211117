// The pitch surface of the software match at 640 x 480: the grass ground
// alone, the markings alone and both, per frame, from a camera behind the
// goal and one over the pitch.
#include <benchmark/benchmark.h>

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
  if (!PakWriteFiles(pak.c_str(), items, PAK_STORE_AUTO, nullptr, &error)) return;
  PakFileInit();
  PakFileAdd(pak.c_str());
  PakFileAddDone();
  LoadGrass();
  LoadPitchMarkings();
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

void Camera(int view) {
  if (view == 0)
    SetSoftwareCamera(796.0f, -400.0f, 500.0f, 0.0f, 1.1f, 1.0f);  // behind the goal
  else
    SetSoftwareCamera(1900.0f, 1082.0f, 400.0f, -1.5707964f, 1.15f, 1.0f);  // from the side
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
