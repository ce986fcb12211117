// The transfer market and team selection on the largest world (game country
// 0, a new game from the build's database played to day 120 of its first
// season): the day's transfer turns on an ordinary day and on the eve of a
// deadline period (when every club takes its turn), one bid search, one
// side picked for a full squad, and every side of a match day.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench_world.h"
#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/compbids.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/teamsel.h"
#include "clubsim/transferday.h"
#include "clubsim/valuation.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"

namespace {

constexpr int kCountry = 0;
constexpr int kDay = 120;
constexpr const char* kFolder = "gafferon_transfer_bench";

// Starts the world once per benchmark.
bool StartWorld(benchmark::State& state) {
  return benchworld::StartPlayedWorld(state, kFolder, kCountry, kDay);
}

// Every club's bids withdrawn and every answer slot free, as between days
// once the answers have come: each run bids from the same footing.
void ClearAllBids() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubBid_ClearAll(club);
  BidInfo_ClearAll();
}

int CountTurns(int16_t mode) {
  const bool eve = CountPeriodsStartingAfter(DayOfSeason) > 0;
  BuildClubProcessingList();
  int turns = 0;
  for (int16_t club : ClubProcessingList)
    if (club >= 0 && TakesTransferTurn(club, mode, eve)) ++turns;
  return turns;
}

// The first day from `from` on, up to the postdate, that is neither the
// eve of a deadline period nor inside one, nor the market's first day; -1 none.
int16_t OrdinaryDay(int16_t from) {
  for (int16_t d = from; d <= Postdate; ++d)
    if (CountPeriodsStartingAfter(d) == 0 && CountPeriodsInForce(d) == 0 && d != MarketStartDay()) return d;
  return -1;
}

// The eve of the first deadline period that starts after the market's first
// day and by the postdate; -1 none.
int16_t PeriodEve() {
  for (int16_t d = static_cast<int16_t>(MarketStartDay() + 1); d <= Postdate; ++d)
    if (CountPeriodsStartingAfter(d) > 0) return d;
  return -1;
}

void RunTransferDay(benchmark::State& state, int16_t day) {
  if (day < 0) {
    state.SkipWithError("no such day this season");
    return;
  }
  DayOfSeason = day;
  int turns = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Weekday = static_cast<int16_t>((Weekday + 1) % 7);  // each run another day's clubs
    ClearAllBids();
    turns = CountTurns(1);
    state.ResumeTiming();
    UpdateTransferWindows(1, 1);
  }
  state.counters["day"] = day;
  state.counters["turns"] = turns;
}

void BM_UpdateTransferWindowsOrdinaryDay(benchmark::State& state) {
  if (!StartWorld(state)) return;
  RunTransferDay(state, OrdinaryDay(static_cast<int16_t>(DayOfSeason)));
}
BENCHMARK(BM_UpdateTransferWindowsOrdinaryDay)->Name("UpdateTransferWindows/ordinary_day")->Unit(benchmark::kMillisecond);

void BM_UpdateTransferWindowsPeriodEve(benchmark::State& state) {
  if (!StartWorld(state)) return;
  RunTransferDay(state, PeriodEve());
}
BENCHMARK(BM_UpdateTransferWindowsPeriodEve)->Name("UpdateTransferWindows/period_eve")->Unit(benchmark::kMillisecond);

// A computer-run league club with a need, its working set filled as on its
// transfer day; -1 none.
int16_t ClubWithANeed(int32_t* need) {
  BuildClubProcessingList();
  for (int16_t club : ClubProcessingList) {
    if (club < 0 || Club_GetCountry(club) != GameCountry || Club_GetControl(club) != 0) continue;
    CurrentManager = GetClubManager(club);
    BuildClubSquadList(club);
    AnalyseSquad(club);
    *need = FindSquadNeed(club);
    if (*need != NO_SQUAD_NEED && TransferWork.searchAll == 0) return club;
  }
  return -1;
}

// One search: arg 0 the ordinary search for the club's weakest starter
// (strides of up to ten players), arg 1 the open search of a club short of
// players (every player looked at).
void BM_PickBidTarget(benchmark::State& state) {
  if (!StartWorld(state)) return;
  int32_t need = 0;
  const int16_t club = ClubWithANeed(&need);
  if (club < 0) {
    state.SkipWithError("no club with a need");
    return;
  }
  const bool open = state.range(0) != 0;
  const int32_t rating = open ? 0 : need + need * 3 / 100;
  const int32_t budget = GetClubSpendingBudget(club);
  const int32_t maxWage = CalcClubMaxWage(club);
  int found = 0;
  for (auto _ : state) {
    const int16_t p = PickBidTarget(rating, club, 0, open ? 0 : 1, budget, maxWage);
    benchmark::DoNotOptimize(p);
    if (p >= 0) ++found;
  }
  state.counters["players"] = PlayerCount;
  state.counters["found"] = benchmark::Counter(found, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PickBidTarget)->Name("PickBidTarget")->Arg(0)->Arg(1)->ArgName("open")->Unit(benchmark::kMicrosecond);

// One side picked afresh, substitutes and all, for the league club with the
// largest squad.
void BM_SelectMatchTeam(benchmark::State& state) {
  if (!StartWorld(state)) return;
  int16_t club = -1, largest = 0;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    if (Club_GetFullRecord(c) == nullptr || Club_GetCountry(c) != GameCountry || Club_GetDivision(c) >= 6) continue;
    const int16_t n = CountClubSquadPlayers(c);
    if (n > largest) {
      largest = n;
      club = c;
    }
  }
  if (club < 0) {
    state.SkipWithError("no league club");
    return;
  }
  CurrentManager = GetClubManager(club);
  for (auto _ : state) {
    BuildClubSquadList(club);
    SelectMatchTeam(club, COMP_LEAGUE, SELECT_LOOK, MAX_MATCH_SUBSTITUTES);
  }
  state.counters["squad"] = largest;
}
BENCHMARK(BM_SelectMatchTeam)->Name("SelectMatchTeam/full_squad")->Unit(benchmark::kMicrosecond);

// Every side of the busiest match day still to come, picked as the match
// day picks them.
void BM_MatchDaySelection(benchmark::State& state) {
  if (!StartWorld(state)) return;
  int counts[FIXTURE_EMPTY_DAY] = {};
  for (int16_t f = 0; f < NUM_FIXTURES && Fixture_GetDay(f) != FIXTURE_EMPTY_DAY; ++f)
    if (Fixture_GetDay(f) >= DayOfSeason && Fixture_GetDay(f) < FIXTURE_EMPTY_DAY) ++counts[Fixture_GetDay(f)];
  int16_t day = -1;
  for (int16_t d = 0; d < FIXTURE_EMPTY_DAY; ++d)
    if (counts[d] > 0 && (day < 0 || counts[d] > counts[day])) day = d;
  if (day < 0) {
    state.SkipWithError("no match day left");
    return;
  }
  int sides = 0;
  for (auto _ : state) {
    sides = 0;
    for (int16_t f = 0; f < NUM_FIXTURES && Fixture_GetDay(f) != FIXTURE_EMPTY_DAY; ++f) {
      if (Fixture_GetDay(f) != day) continue;
      for (const int16_t club : {Fixture_GetHomeClub(f), Fixture_GetAwayClub(f)}) {
        if (club < 0 || club >= NUM_CLUBS) continue;
        CurrentManager = GetClubManager(club);
        BuildClubSquadList(club);
        SelectMatchTeam(club, Fixture_GetCompetition(f), SELECT_MATCH_DAY, MAX_MATCH_SUBSTITUTES);
        ++sides;
      }
    }
  }
  state.counters["day"] = day;
  state.counters["sides"] = sides;
}
BENCHMARK(BM_MatchDaySelection)->Name("SelectMatchTeam/match_day")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
