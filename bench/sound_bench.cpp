// The cost of sound: mixing one second of 44,100 Hz stereo from 1, 4 and 8
// playing channels (in the 1,024-frame pieces an audio device asks for), and
// one refill round of 8 spooled channels that each need a block.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes Noise(size_t n, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes b(n);
  for (auto& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

void BM_MixOneSecond(benchmark::State& state) {
  ResetAllModules();
  PlatUseVirtualClock(true);
  PlatSoundUseMemoryOutput(true);
  PlatSound* sound = nullptr;
  PlatSoundCreate(&sound);
  PlatSoundInitialize(sound);
  const int channels = static_cast<int>(state.range(0));
  for (int i = 0; i < channels; ++i) {
    PlatSoundBufferDesc desc{};
    desc.bytes = 131072;
    desc.format = {1, 1, 22050, 22050, 1, 8};
    PlatSoundBuffer* b = nullptr;
    PlatSoundCreateBuffer(sound, desc, &b);
    Bytes noise = Noise(desc.bytes, static_cast<uint32_t>(i));
    void *p1, *p2;
    uint32_t n1, n2;
    PlatSoundBufferLock(b, 0, desc.bytes, &p1, &n1, &p2, &n2);
    std::copy(noise.begin(), noise.end(), static_cast<uint8_t*>(p1));
    PlatSoundBufferUnlock(b, p1, n1, p2, n2);
    PlatSoundBufferSetFrequency(b, 22050 + 1000 * static_cast<uint32_t>(i));
    PlatSoundBufferSetVolume(b, -300 * i);
    PlatSoundBufferSetPan(b, 1000 * i - 3000);
    PlatSoundBufferPlay(b, true);
  }
  std::vector<int16_t> out(1024 * 2);
  for (auto _ : state) {
    for (uint32_t done = 0; done < 44100; done += 1024) {
      PlatSoundMix(out.data(), std::min<uint32_t>(1024, 44100 - done));
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetLabel("per second of audio");
  ResetAllModules();
}
BENCHMARK(BM_MixOneSecond)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);

Bytes Wav(const Bytes& data) {
  Bytes f(44 + data.size());
  std::copy_n("RIFF", 4, f.begin());
  StoreU32(f.data() + 4, static_cast<uint32_t>(f.size() - 8));
  std::copy_n("WAVEfmt ", 8, f.begin() + 8);
  StoreU32(f.data() + 16, 16);
  StoreU16(f.data() + 20, 1);
  StoreU16(f.data() + 22, 1);
  StoreU32(f.data() + 24, 22050);
  StoreU32(f.data() + 28, 22050);
  StoreU16(f.data() + 32, 1);
  StoreU16(f.data() + 34, 8);
  std::copy_n("data", 4, f.begin() + 36);
  StoreU32(f.data() + 40, static_cast<uint32_t>(data.size()));
  std::copy(data.begin(), data.end(), f.begin() + 44);
  return f;
}

void BM_RefillRoundEightSpooled(benchmark::State& state) {
  ResetAllModules();
  PakFileReset();
  PlatUseVirtualClock(true);
  const fs::path dir = fs::temp_directory_path() / ("sound_bench_" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path previous = fs::current_path();
  fs::current_path(dir);
  static const char* const kNames[] = {"s\\0.wav", "s\\1.wav", "s\\2.wav", "s\\3.wav",
                                       "s\\4.wav", "s\\5.wav", "s\\6.wav", "s\\7.wav"};
  std::vector<PakWriteItem> items;
  for (int i = 0; i < 8; ++i) items.push_back({"S\\" + std::to_string(i) + ".WAV", Wav(Noise(4 << 20, i))});
  std::string error;
  PakWriteFiles("bench", items, PAK_STORE_PLAIN, nullptr, &error);
  InitMemory(16000);
  PakFileInit();
  PakFileAdd("bench");
  PakFileAddDone();
  WinInit(nullptr, "bench", 1);
  InitTimerInterrupt();
  InitPoll();
  PlatSoundUseMemoryOutput(true);
  SndInit();
  SndSetActiveChannels(8);
  int bank = SndAddSoundBank({kNames, 8, 8, 0x111});
  for (int i = 0; i < 8; ++i) SndPlay(bank, i, i, 100, 0);
  std::vector<int16_t> out(16384 * 2);
  int refilled = 0;
  for (auto _ : state) {
    state.PauseTiming();
    PlatSoundMix(out.data(), 16384);  // every player moves on by one block
    state.ResumeTiming();
    refilled += SndUpdateChanels();
  }
  state.counters["channels_per_round"] = static_cast<double>(refilled) / static_cast<double>(state.iterations());
  SndStop(-1);
  SndClearActiveChannels();
  SndRemoveSoundBank(bank);
  SndUninit();
  UninitPoll();
  ClearTimerInterrupt();
  WinUninit();
  PakFileUninit();
  UninitMemory();
  fs::current_path(previous);
  fs::remove_all(dir);
  ResetAllModules();
}
BENCHMARK(BM_RefillRoundEightSpooled)->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
