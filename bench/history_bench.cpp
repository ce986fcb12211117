// The history logs over a season: about 20,000 appearance updates of 1,000
// players in the career log and a few hundred club events, on logs that are
// empty, half full and full (where every new entry evicts the oldest season's
// first entry); and the eviction path alone on full logs.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/history.h"
#include "world/players.h"

namespace {

constexpr int kPlayers = 10000;       // players with a full record
constexpr int kActivePlayers = 1000;  // those who play this season: every tenth, so spread over the log
constexpr int kMatchDays = 40;
constexpr int kLeagueClubs = 50;

struct Op {
  enum Kind : uint8_t { CAREER, EVENT } kind;
  int16_t a, b, c, d, type;  // career: player, club, apps, goals or value; event: player, club, value2, value
};

enum Fill { EMPTY, HALF, FULL };

struct Snapshot {
  std::vector<ClubEventLogEntry> events;
  std::vector<PlayerCareerLogEntry> careers;
  int16_t seasonCounter;
};

void SetUpWorld() {
  SeasonState_Reset();
  Clubs_Reset();
  Players_Reset();
  PlayerCount = kPlayers;
  PlayerTotalCount = kPlayers;
  for (int p = 0; p < kPlayers; ++p) Player_SetWage(static_cast<int16_t>(p), 500);
}

// Past seasons laid out as the logs keep them: each player's entries together
// (a run per player, seasons ascending), each club's events of a season together.
Snapshot MakeSnapshot(Fill fill) {
  Snapshot s;
  s.seasonCounter = fill == EMPTY ? 0 : fill == HALF ? 20 : 40;
  s.careers.assign(PLAYER_CAREER_LOG_SIZE, PlayerCareerLogEntry_Encode({-1, 0, 0, 0, 0, 0, 0, 0}));
  s.events.assign(CLUB_EVENT_LOG_SIZE, ClubEventLogEntry_Encode({0, -1, 0, 0, 0, 0}));
  if (fill == EMPTY) return s;
  const int perPlayer = fill == HALF ? 10 : 20;
  size_t at = 0;
  for (int p = 0; p < kPlayers; ++p) {
    int first = p % (s.seasonCounter - perPlayer + 1);
    for (int k = 0; k < perPlayer; ++k) {
      CareerEntry e{static_cast<int16_t>(p), static_cast<int16_t>((p + k / 4) % 114), static_cast<uint8_t>(first + k),
                    30, 5, 0, 0, 12};
      s.careers[at++] = PlayerCareerLogEntry_Encode(e);
    }
  }
  const size_t events = fill == HALF ? CLUB_EVENT_LOG_SIZE / 2 : CLUB_EVENT_LOG_SIZE;
  at = 0;
  for (int season = 0; at < events; season = (season + 1) % s.seasonCounter)
    for (int club = 0; club < 114 && at < events; ++club)
      for (int k = 0; k < 11 && at < events; ++k)
        s.events[at++] = ClubEventLogEntry_Encode({static_cast<int16_t>(club * 20 + k), static_cast<int16_t>(club),
                                                   static_cast<uint8_t>(season), 0, 1000, 7});
  return s;
}

// A season: appearances after every match day, transfers now and then, club
// events, the awards at the end.
std::vector<Op> MakeSeason() {
  std::mt19937 rng(11);
  std::vector<Op> ops;
  std::vector<int16_t> clubOf(kActivePlayers);
  for (int i = 0; i < kActivePlayers; ++i) clubOf[i] = static_cast<int16_t>(i % kLeagueClubs);
  auto player = [](int i) { return static_cast<int16_t>(i * (kPlayers / kActivePlayers)); };
  for (int day = 0; day < kMatchDays; ++day) {
    for (int i = 0; i < kActivePlayers; ++i) {
      if (rng() % 2) continue;
      ops.push_back({Op::CAREER, player(i), clubOf[i], 1, static_cast<int16_t>(rng() % 5 == 0), 0});
    }
    for (int t = 0; t < 3; ++t) {  // transfers
      int i = static_cast<int>(rng() % kActivePlayers);
      int16_t from = clubOf[i], to = static_cast<int16_t>(rng() % kLeagueClubs);
      clubOf[i] = to;
      ops.push_back({Op::CAREER, player(i), to, 0, 25000, 1});
      ops.push_back({Op::EVENT, player(i), to, from, 25000, 0});
      ops.push_back({Op::EVENT, player(i), from, to, 25000, 1});
    }
    for (int e = 0; e < 4; ++e)  // gates, managers, injuries
      ops.push_back({Op::EVENT, player(static_cast<int>(rng() % kActivePlayers)),
                     static_cast<int16_t>(rng() % 114), 0, static_cast<int16_t>(rng() % 30000),
                     static_cast<int16_t>(e == 0 ? 12 : e == 1 ? 15 : 7)});
  }
  for (int a = 0; a < 20; ++a) ops.push_back({Op::CAREER, player(a * 37), clubOf[a * 37], 0, static_cast<int16_t>(a), 5});
  return ops;
}

// Only new entries: every one of them evicts on a full log.
std::vector<Op> MakeNewEntries() {
  std::mt19937 rng(5);
  std::vector<Op> ops;
  for (int i = 0; i < 2000; ++i)
    ops.push_back({Op::CAREER, static_cast<int16_t>(rng() % kPlayers), static_cast<int16_t>(rng() % 114), 0, 1, 1});
  for (int i = 0; i < 500; ++i)
    ops.push_back({Op::EVENT, 3, static_cast<int16_t>(rng() % 114), 0, 1, 13});
  return ops;
}

void Restore(const Snapshot& s) {
  std::memcpy(PlayerCareerLog, s.careers.data(), sizeof PlayerCareerLog);
  std::memcpy(ClubEventLog, s.events.data(), sizeof ClubEventLog);
  PlayerCareerLog_Reindex();
  ClubEventLog_Reindex();
  SeasonCounter = s.seasonCounter;
}

void Run(const std::vector<Op>& ops) {
  for (const Op& op : ops) {
    if (op.kind == Op::CAREER)
      PlayerCareerLog_Add(op.a, op.b, op.c, op.d, op.type);
    else
      ClubEventLog_Add(op.a, op.b, op.c, op.d, op.type);
  }
}

void RunBench(benchmark::State& state, const std::vector<Op>& ops, Fill fill) {
  SetUpWorld();
  const Snapshot snapshot = MakeSnapshot(fill);
  for (auto _ : state) {
    state.PauseTiming();
    Restore(snapshot);
    state.ResumeTiming();
    Run(ops);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(ops.size()));
  state.counters["career_used"] = static_cast<double>(PlayerCareerLog_Used());
  state.counters["events_used"] = static_cast<double>(ClubEventLog_Used());
}

void BM_Season(benchmark::State& state) {
  static const std::vector<Op> ops = MakeSeason();
  RunBench(state, ops, static_cast<Fill>(state.range(0)));
}
BENCHMARK(BM_Season)->ArgName("fill")->Arg(EMPTY)->Arg(HALF)->Arg(FULL)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FullLogNewEntries(benchmark::State& state) {
  static const std::vector<Op> ops = MakeNewEntries();
  RunBench(state, ops, FULL);
}
BENCHMARK(BM_FullLogNewEntries)->Unit(benchmark::kMillisecond)->Iterations(3);

// The club events of a season alone, on a full club log.
void BM_SeasonClubEvents(benchmark::State& state) {
  static const std::vector<Op> ops = [] {
    std::vector<Op> events;
    for (const Op& op : MakeSeason())
      if (op.kind == Op::EVENT) events.push_back(op);
    return events;
  }();
  RunBench(state, ops, static_cast<Fill>(state.range(0)));
}
BENCHMARK(BM_SeasonClubEvents)->ArgName("fill")->Arg(EMPTY)->Arg(FULL)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
