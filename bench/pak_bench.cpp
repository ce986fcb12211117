// Throughput of the six decompressors (bytes of output per second) and the
// cost of finding a file by name in a pak of 10,000 entries.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/compress.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// 1 MiB like the game's data: text, small runs, zeros and incompressible noise.
const Bytes& MixedData() {
  static const Bytes data = [] {
    std::mt19937 rng(7);
    std::string text;
    for (int i = 0; text.size() < 6000; ++i)
      text += "Player " + std::to_string(i * 7919 % 25000) + " joins club " + std::to_string(i * 31 % 250) + ". ";
    Bytes d;
    while (d.size() < (1u << 20)) {
      d.insert(d.end(), text.begin(), text.end());
      for (int i = 0; i < 2000; ++i) d.push_back(static_cast<uint8_t>(i / 37 % 6));
      d.insert(d.end(), 3000, 0);
      for (int i = 0; i < 1500; ++i) d.push_back(static_cast<uint8_t>(rng()));
    }
    d.resize(1u << 20);
    return d;
  }();
  return data;
}

// 1 MiB of text alone.
const Bytes& TextData() {
  static const Bytes data = [] {
    std::string text;
    for (int i = 0; text.size() < (1u << 20); ++i)
      text += "Round " + std::to_string(i % 38) + ": club " + std::to_string(i * 13 % 250) + " beat club " +
              std::to_string(i * 29 % 250) + " by " + std::to_string(i % 4 + 1) + " goals.\n";
    text.resize(1u << 20);
    return Bytes(text.begin(), text.end());
  }();
  return data;
}

void BM_Decompress(benchmark::State& state) {
  const int compressor = static_cast<int>(state.range(0));
  const Bytes& data = state.range(1) ? TextData() : MixedData();
  Bytes source = data;
  Bytes packed(CompressWorstCase(compressor, static_cast<uint32_t>(source.size())));
  uint32_t packedSize = 0;
  CompressDataMem2Mem(compressor, source.data(), static_cast<uint32_t>(source.size()), packed.data(), &packedSize);
  Bytes out(data.size());
  for (auto _ : state) {
    uint32_t length = 0;
    bool ok = UncompressDataMem2Mem(compressor, packed.data(), packedSize, out.data(),
                                    static_cast<uint32_t>(out.size()), &length);
    if (!ok || length != data.size()) state.SkipWithError("bad round trip");
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
  state.SetLabel(std::string(GetCompressorName(compressor)) + (state.range(1) ? ", text" : ", mixed") + ", ratio " +
                 std::to_string(packedSize * 100 / data.size()) + "%");
}
BENCHMARK(BM_Decompress)->ArgsProduct({{0, 1, 2, 3, 4, 5}, {0, 1}})->Unit(benchmark::kMillisecond);

// A pak of 10,000 small entries in a scratch folder, added and frozen.
struct BigPak {
  fs::path dir;
  std::vector<std::string> names;
  BigPak() {
    dir = fs::temp_directory_path() / ("gafferon_pakbench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::vector<PakWriteItem> items;
    for (int i = 0; i < 10000; ++i) {
      std::string name = "ZVDATA\\COMMON\\SSKIN\\MOTIONS\\M" + std::to_string(i * 7919 % 100000) + ".RAW";
      items.push_back({name, Bytes(16, static_cast<uint8_t>(i))});
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      names.push_back(name);
    }
    std::string error;
    PakWriteFiles((dir / "big").string(), items, PAK_STORE_PLAIN, nullptr, &error);
  }
  ~BigPak() { fs::remove_all(dir); }
  std::string Base() const { return (dir / "big").string(); }
};

void BM_PakOpenFile(benchmark::State& state) {
  BigPak pak;
  InitMemory(9500);
  PakFileInit();
  PakFileAdd(pak.Base().c_str());
  PakFileAddDone();
  size_t i = 0;
  for (auto _ : state) {
    PakFileEntry* h = PakOpenFile(pak.names[i].c_str());
    PakCloseFile(h);
    if (++i == pak.names.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  PakFileUninit();
  UninitMemory();
}
BENCHMARK(BM_PakOpenFile);

// Adding the 10,000-entry index and freezing the table (start-up cost).
void BM_PakAddIndex(benchmark::State& state) {
  BigPak pak;
  InitMemory(9500);
  for (auto _ : state) {
    PakFileInit();
    PakFileAdd(pak.Base().c_str());
    PakFileAddDone();
    PakFileUninit();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 10000);
  UninitMemory();
}
BENCHMARK(BM_PakAddIndex)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
