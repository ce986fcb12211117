// The daily club tick on the largest world (game country 0, a new game from
// the build's database played to day 120 of its first season): each step of
// the tick, the whole tick, and a whole season of the day loop with the Poll
// calls it makes.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_world.h"
#include "clubsim/dailytick.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCountry = 0;
constexpr int kDay = 120;

// Starts the world once per benchmark.
bool StartWorld(benchmark::State& state, const char* folder) {
  return benchworld::StartPlayedWorld(state, folder, kCountry, kDay);
}

template <void (*Step)()>
void BM_TickStep(benchmark::State& state) {
  if (!StartWorld(state, "gafferon_clubtick_bench")) return;
  for (auto _ : state) {
    Weekday = static_cast<int16_t>((Weekday + 1) % 7);  // each run another day's players
    Step();
  }
  state.counters["players"] = PlayerCount;
}
BENCHMARK(BM_TickStep<DressingRoomStep>)->Name("DressingRoomStep")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickStep<SeasonEventsStep>)->Name("SeasonEventsStep")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickStep<TransferRequestStep>)->Name("TransferRequestStep")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickStep<FatigueAndIllnessStep>)->Name("FatigueAndIllnessStep")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TickStep<DailyClubAI>)->Name("DailyClubAI")->Unit(benchmark::kMillisecond);

// A whole season of the day loop (matches and all), and the Poll calls made.
void BM_Season(benchmark::State& state) {
  if (!StartWorld(state, "gafferon_clubtick_bench")) return;
  uint64_t polls = 0;
  for (auto _ : state) {
    const uint64_t before = PollCallCount();
    while (!Career_PlayDay()) {
    }
    polls = PollCallCount() - before;
  }
  state.counters["poll_calls"] = static_cast<double>(polls);
}
BENCHMARK(BM_Season)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
