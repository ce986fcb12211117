// The players' new year and the week's youth intake on the largest world
// (game country 0, a new game from the build's database played to the last
// day of its first season). Each run starts from the same world: the tables
// the two steps change are put back between runs, outside the timing.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench_world.h"
#include "clubsim/yearend.h"
#include "clubsim/youth.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

constexpr int kCountry = 0;
constexpr int kLastDay = 365;

// The tables the new year and the intake write.
struct Snapshot {
  std::vector<uint8_t> players, identities, loans, patients, answers, bids, reserves, careers, events;
  static void Take(std::vector<uint8_t>* to, const void* from, size_t size) {
    to->assign(static_cast<const uint8_t*>(from), static_cast<const uint8_t*>(from) + size);
  }
  void TakeAll() {
    Take(&players, PlayerRecords, sizeof PlayerRecords);
    Take(&identities, &MinorClubsBlock, sizeof MinorClubsBlock);
    Take(&loans, LoanList, sizeof LoanList);
    Take(&patients, PatientList, sizeof PatientList);
    Take(&answers, BidInfoList, sizeof BidInfoList);
    Take(&bids, ClubBidTable, sizeof ClubBidTable);
    Take(&reserves, ReservePool, sizeof ReservePool);
    Take(&careers, PlayerCareerLog, sizeof PlayerCareerLog);
    Take(&events, ClubEventLog, sizeof ClubEventLog);
  }
  void PutBack() const {
    std::memcpy(PlayerRecords, players.data(), players.size());
    Players_RecordsRewritten();
    std::memcpy(&MinorClubsBlock, identities.data(), identities.size());
    std::memcpy(LoanList, loans.data(), loans.size());
    std::memcpy(PatientList, patients.data(), patients.size());
    std::memcpy(BidInfoList, answers.data(), answers.size());
    std::memcpy(ClubBidTable, bids.data(), bids.size());
    std::memcpy(ReservePool, reserves.data(), reserves.size());
    std::memcpy(PlayerCareerLog, careers.data(), careers.size());
    std::memcpy(ClubEventLog, events.data(), events.size());
    PlayerCareerLog_Reindex();
    ClubEventLog_Reindex();
  }
};

bool StartWorld(benchmark::State& state) {
  ResetAllModules();
  PlatUseVirtualClock(true);
  PlatSetVirtualAutoAdvance(true);
  WinInit(nullptr, "Gafferon bench", 1);
  if (!benchworld::MountDatabase(state, "gafferon_yearend_bench")) return false;
  InitTimerInterrupt();  // the news ticker's frames wait for ticks
  Seam_ConnectGame();
  if (Career_StartNew(kCountry, 1, -1) < 0) {
    state.SkipWithError("no new game");
    return false;
  }
  while (DayOfSeason < kLastDay) Career_PlayDay();
  return true;
}

template <void (*Step)()>
void BM_Step(benchmark::State& state) {
  if (!StartWorld(state)) return;
  // Youth coaches at every league club, so that the intake looks for trainees.
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetCountry(club) == GameCountry && Club_GetDivision(club) < 6) Club_SetCoachYouth(club, 10);
  Snapshot snapshot;
  snapshot.TakeAll();
  for (auto _ : state) {
    Step();
    state.PauseTiming();
    snapshot.PutBack();
    state.ResumeTiming();
  }
  state.counters["players"] = PlayerCount;
}
BENCHMARK(BM_Step<YearEndPlayers>)->Name("YearEndPlayers")->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Step<YouthIntake>)->Name("YouthIntake")->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
