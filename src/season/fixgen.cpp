// The season's league fixtures and the order of the league tables.
#include "season/fixgen.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/calendar.h"
#include "season/calendar_step.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/honours.h"
#include "world/static_country.h"
#include "world/textmess.h"

uint8_t DivisionClubOrder[NUM_ORDER_DIVISIONS][DIVISION_PLACES];
int16_t RoundPairs[MAX_ROUNDS][MAX_ROUND_SLOTS];
int16_t MetCount[MAX_ROUND_SLOTS][MAX_ROUND_SLOTS];
int16_t PlacedCount[MAX_ROUND_SLOTS];

REGISTER_RESET(RESET_SEASON, FixGen_Reset);

namespace {

// ---- limits of the round-robin builder ----
constexpr int kPositionLimit = 2000;       // positions placed per attempt, restarts included
constexpr int kRandomCandidates = 1000;    // cross rounds: random draws before the ordered scan
constexpr int kSameParityRejections = 1000;
constexpr int kRepairSwitchAfter = 200;    // repair iterations before the take-from-full switch flips
constexpr int kRepairLimit = 2000;         // repair iterations per attempt
constexpr int kRepairTries = 4;
constexpr int kRepairDraws = 1000;         // draws for a round or a slot of one repair try
// Far beyond what any club count needs (a few attempts at most); only a
// broken generator would reach it, and then the circle schedule stands in.
constexpr int kAttemptLimit = 2000;

constexpr int kMaxPairs = MAX_ROUND_SLOTS / 2;
// A rejected candidate costs a few instructions; the window is served every
// so many of them rather than after each.
constexpr int kRejectionsPerPoll = 64;

// ---- the season ----
constexpr int kExtraMeetingsCountry = 1;  // its divisions with the flag meet four times
constexpr int kSundayCountry = 2;         // plays its weekday-0 rounds the day after
constexpr int16_t kWeekdayMatchday = 3;
constexpr int kNewsReschedule = 146;
constexpr int kNewsWinterPostponed = 10;
constexpr int kWinterChancePercent = 5;
constexpr int kGoodGroundStyle = 5;        // an average stand style from which grounds are never waterlogged
constexpr int32_t kLastDay = 366;          // the search for a matchday gives up past this day
constexpr int16_t kChristmasDay = 25, kDecember = 11;

struct FixGenState {
  int16_t roundPairsBackup[MAX_ROUNDS][MAX_ROUND_SLOTS];
  int16_t metCountBackup[MAX_ROUND_SLOTS][MAX_ROUND_SLOTS];
  int16_t placedCountBackup[MAX_ROUND_SLOTS];
  // In the repair: where each pair of slots stands (round * 12 + pair), -1
  // nowhere; a pair stands at most once in a round robin.
  int16_t pairPlace[MAX_ROUND_SLOTS][MAX_ROUND_SLOTS];
  RoundRobinCounters counters;
  int32_t rescheduleFailures;
};
FixGenState g;

constexpr int SORT_PASSES = 24;
constexpr int TIE_GOAL_DIFFERENCE = 0;
constexpr int TIE_GOALS_SCORED = 1;

int GoalsFor(const LeagueTableRow& r) { return r.homeFor + r.awayFor; }
int GoalDifference(const LeagueTableRow& r) { return GoalsFor(r) - (r.homeAgainst + r.awayAgainst); }

// -1 when a is below b, 1 when above, 0 when level.
int Compare(int a, int b) { return a < b ? -1 : a > b ? 1 : 0; }

// ---------------------------------------------------------------------------
// The round robin
// ---------------------------------------------------------------------------

void SaveBackups() {
  std::memcpy(g.roundPairsBackup, RoundPairs, sizeof RoundPairs);
  std::memcpy(g.metCountBackup, MetCount, sizeof MetCount);
  std::memcpy(g.placedCountBackup, PlacedCount, sizeof PlacedCount);
}

void RestoreBackups() {
  std::memcpy(RoundPairs, g.roundPairsBackup, sizeof RoundPairs);
  std::memcpy(MetCount, g.metCountBackup, sizeof MetCount);
  std::memcpy(PlacedCount, g.placedCountBackup, sizeof PlacedCount);
}

void ClearRoundTables() {
  std::memset(MetCount, 0, sizeof MetCount);
  std::memset(PlacedCount, 0, sizeof PlacedCount);
  for (auto& round : RoundPairs)
    for (int16_t& slot : round) slot = NO_ROUND_SLOT;
  SaveBackups();
}

// The start of the ordered search of a same-parity round after a rejection.
int StartValue(int offset, int p, int r, int w, int candidate) {
  if (offset & 1) return offset + p + candidate;
  if (offset & 2) return offset + p + r + candidate;
  if (offset & 4) return offset + w;
  return r + candidate;
}

enum class RoundResult { kDone, kRestart, kFailed };

// One round, position by position. Cross rounds (w even) pair even slots with
// odd ones, home parity alternating by round; same-parity rounds (w odd) pair
// even with even and odd with odd.
RoundResult BuildRound(int n, int r, int w, int& offset, int& positions) {
  for (int p = 0; p < n; ++p) {
    if (++positions > kPositionLimit) return RoundResult::kFailed;
    const bool away = (p & 1) != 0;
    const int home = away ? RoundPairs[r][p - 1] : -1;
    int candidate = GameRandom() % n;
    if ((w & 1) == 0) {
      const int wanted = (r ^ p) & 1;  // 1: an odd slot
      auto fits = [&](int s) { return !PlacedCount[s] && (s & 1) == wanted && (!away || MetCount[home][s] == 0); };
      int draws = 1, next = 0;
      while (!fits(candidate)) {
        if (draws % kRejectionsPerPoll == 0) Poll();
        if (draws < kRandomCandidates) {
          candidate = GameRandom() % n;
          ++draws;
        } else if (next < n) {
          candidate = next++;
        } else {
          return RoundResult::kRestart;
        }
      }
    } else {
      auto fits = [&](int s) {
        return !PlacedCount[s] && (!away || ((s & 1) == (home & 1) && MetCount[home][s] == 0));
      };
      int start = 0, rejections = 0;
      while (!fits(candidate)) {
        if (rejections % kRejectionsPerPoll == 0) Poll();
        if (++rejections >= kSameParityRejections) {
          offset = (offset + GameRandom() % n) & 31;
          return RoundResult::kRestart;
        }
        if (rejections == 1) start = StartValue(offset, p, r, w, candidate);
        while (start >= n) start -= n;
        candidate = start++;
      }
    }
    RoundPairs[r][p] = static_cast<int16_t>(candidate);
    PlacedCount[candidate] = 1;
    if (away) {
      ++MetCount[home][candidate];
      ++MetCount[candidate][home];
    }
  }
  return RoundResult::kDone;
}

// Rounds 0 to n - 2 of a round robin of n slots (n a multiple of 4).
bool BuildRounds(int n) {
  int positions = 0, w = 0, offset = 0;
  for (int r = 0; r <= n - 2; ++r) {
    for (;;) {
      RoundResult result = BuildRound(n, r, w, offset, positions);
      if (result == RoundResult::kDone) break;
      if (result == RoundResult::kFailed) return false;
      RestoreBackups();  // the state at the end of the last completed round
    }
    if (r & 1) ++w;
    std::memset(PlacedCount, 0, sizeof PlacedCount);
    SaveBackups();
    Poll();
  }
  return true;
}

bool PairIsEmpty(int r, int k) { return RoundPairs[r][2 * k] < 0 || RoundPairs[r][2 * k + 1] < 0; }

void EmptyPair(int r, int k) { RoundPairs[r][2 * k] = RoundPairs[r][2 * k + 1] = NO_ROUND_SLOT; }

int CountPairs(int r) {
  int pairs = 0;
  for (int k = 0; k < kMaxPairs; ++k)
    if (!PairIsEmpty(r, k)) ++pairs;
  return pairs;
}

// The slots that play in round r, one bit each.
uint32_t SlotsOf(int r) {
  uint32_t slots = 0;
  for (int pos = 0; pos < MAX_ROUND_SLOTS; ++pos)
    if (RoundPairs[r][pos] >= 0) slots |= 1u << RoundPairs[r][pos];
  return slots;
}

// Draws rand() % range until the test holds, at most kRepairDraws times; -1 when it never did.
template <typename Test>
int DrawWhere(int range, Test test) {
  for (int draw = 0; draw < kRepairDraws; ++draw) {
    int value = GameRandom() % range;
    if (test(value)) return value;
  }
  return -1;
}

void SetPairPlace(int a, int b, int place) { g.pairPlace[a][b] = g.pairPlace[b][a] = static_cast<int16_t>(place); }

void BuildPairPlaces() {
  std::memset(g.pairPlace, -1, sizeof g.pairPlace);
  for (int r = 0; r < MAX_ROUNDS; ++r)
    for (int k = 0; k < kMaxPairs; ++k)
      if (!PairIsEmpty(r, k)) SetPairPlace(RoundPairs[r][2 * k], RoundPairs[r][2 * k + 1], r * kMaxPairs + k);
}

// Moves pairs between rounds until `rounds` rounds are full (clubs / 2 pairs
// each). PlacedCount holds each round's pairs.
bool RepairRounds(int clubs, int n, int rounds) {
  const int half = clubs / 2;
  BuildPairPlaces();
  int full = 0;
  for (int r = 0; r < n; ++r) {
    PlacedCount[r] = static_cast<int16_t>(CountPairs(r));
    if (PlacedCount[r] >= half) ++full;
  }
  int iterations = 0, total = 0;
  bool takeFromFull = false;
  for (;;) {
    if (full >= rounds) return true;
    if (++total > kRepairLimit) return false;
    if (++iterations > kRepairSwitchAfter) {
      takeFromFull = !takeFromFull;
      iterations = 0;
    }
    int first = -1;
    for (int r = 0; r < n && first < 0; ++r)
      if (PlacedCount[r] >= 1 && PlacedCount[r] < half) first = r;
    if (first < 0) return false;

    // Up to four tries to bring a pair that round w lacks over from another round.
    for (int attempt = 0; attempt < kRepairTries; ++attempt) {
      const int w = DrawWhere(n, [&](int r) { return PlacedCount[r] < half && r != first && PlacedCount[r] > 0; });
      if (w < 0) continue;
      const uint32_t playing = SlotsOf(w);
      const int a = DrawWhere(clubs, [&](int s) { return !(playing >> s & 1); });
      if (a < 0) continue;
      const int b = DrawWhere(clubs, [&](int s) { return s != a && !(playing >> s & 1); });
      if (b < 0) continue;
      const int place = g.pairPlace[a][b];
      if (place < 0) continue;
      const int from = place / kMaxPairs, pair = place % kMaxPairs;
      if (!takeFromFull && PlacedCount[from] >= half) continue;
      EmptyPair(from, pair);
      if (PlacedCount[from]-- == half) --full;
      if (++PlacedCount[w] == half) ++full;
      for (int e = 0; e < kMaxPairs; ++e)
        if (PairIsEmpty(w, e)) {
          RoundPairs[w][2 * e] = static_cast<int16_t>(a);
          RoundPairs[w][2 * e + 1] = static_cast<int16_t>(b);
          SetPairPlace(a, b, w * kMaxPairs + e);
          break;
        }
      break;
    }
  }
}

// Empty rounds move to the end, the full ones to rounds 0 onward.
void CompactRounds(int clubs, int n) {
  for (int step = 0; step < n; ++step) {
    int empty = -1;
    for (int r = 0; r < MAX_ROUNDS && empty < 0; ++r)
      if (CountPairs(r) == 0) empty = r;
    if (empty < 0 || empty == clubs - 1) return;
    for (int r = empty; r + 1 < MAX_ROUNDS; ++r) std::memcpy(RoundPairs[r], RoundPairs[r + 1], sizeof RoundPairs[r]);
    for (int16_t& slot : RoundPairs[MAX_ROUNDS - 1]) slot = NO_ROUND_SLOT;
  }
}

// Rounds 0 to rounds - 1 full, each slot at most once a round, every two slots
// met exactly once, the later rounds empty.
bool RoundRobinIsComplete(int clubs, int rounds) {
  int met[MAX_ROUND_SLOTS][MAX_ROUND_SLOTS] = {};
  for (int r = 0; r < MAX_ROUNDS; ++r) {
    int seen[MAX_ROUND_SLOTS] = {};
    int pairs = 0;
    for (int k = 0; k < kMaxPairs; ++k) {
      const int h = RoundPairs[r][2 * k], a = RoundPairs[r][2 * k + 1];
      if (h < 0 && a < 0) continue;
      if (h < 0 || a < 0 || h >= clubs || a >= clubs || h == a || seen[h]++ || seen[a]++) return false;
      ++met[h][a];
      ++met[a][h];
      ++pairs;
    }
    if (pairs != (r < rounds ? clubs / 2 : 0)) return false;
  }
  for (int i = 0; i < clubs; ++i)
    for (int j = i + 1; j < clubs; ++j)
      if (met[i][j] != 1) return false;
  return true;
}

// One attempt of the random round robin.
bool RoundRobinAttempt(int clubs, int n, int rounds) {
  ClearRoundTables();
  Poll();
  if (!BuildRounds(n)) return false;
  if (clubs % 4 != 0) {
    for (int r = 0; r < MAX_ROUNDS; ++r)
      for (int k = 0; k < kMaxPairs; ++k)
        if (RoundPairs[r][2 * k] >= clubs || RoundPairs[r][2 * k + 1] >= clubs) EmptyPair(r, k);
    if (!RepairRounds(clubs, n, rounds)) return false;
    CompactRounds(clubs, n);
  }
  return RoundRobinIsComplete(clubs, rounds);
}

// The circle schedule: slot m - 1 stays, the others turn one place a round;
// with an odd count the made-up slot's partner rests.
void CircleRoundRobin(int clubs) {
  ClearRoundTables();
  const int m = clubs + (clubs & 1);
  for (int r = 0; r < m - 1; ++r) {
    int k = 0;
    for (int i = 0; i < m / 2; ++i) {
      int a = (r + i) % (m - 1);
      int b = i == 0 ? m - 1 : (r + m - 1 - i) % (m - 1);
      if (a >= clubs || b >= clubs) continue;
      if ((r + i) & 1) std::swap(a, b);
      RoundPairs[r][2 * k] = static_cast<int16_t>(a);
      RoundPairs[r][2 * k + 1] = static_cast<int16_t>(b);
      ++MetCount[a][b];
      ++MetCount[b][a];
      ++k;
    }
  }
}

// ---------------------------------------------------------------------------
// The season
// ---------------------------------------------------------------------------

void StepDay() {
  ProcessDay(0);
  ++DayOfSeason;
  Poll();
}

void RestoreCalendar(const CalendarDate& date) {
  Weekday = date.weekday;
  DayOfMonth = date.dayOfMonth;
  Month = date.month;
  Year = date.year;
  DayOfSeason = 0;
}

bool IsChristmasDay(const CalendarDate& date) { return date.dayOfMonth == kChristmasDay && date.month == kDecember; }

// The day of a fixture of today's round: on a weekday-3 matchday today or
// tomorrow at even chance, on a weekday-0 matchday today (tomorrow in the
// country that plays on the day after); never on 25 December.
int32_t RoundFixtureDay(int country) {
  int32_t offset = 0;
  if (Weekday == kWeekdayMatchday)
    offset = GameRandom() % 2;
  else if (Weekday == 0 && country == kSundayCountry)
    offset = 1;
  CalendarDate date = Calendar_Today();
  if (offset) Calendar_StepDate(date);
  if (IsChristmasDay(date)) ++offset;
  return DayOfSeason + offset;
}

void SetTransferWindows(int country) {
  int16_t* const deadlines[3] = {&DeadlineDay1, &DeadlineDay2, &DeadlineDay3};
  int16_t* const reopenings[3] = {&WindowOpenDay1, &WindowOpenDay2, &WindowOpenDay3};
  const WindowTableEntry& window = WindowTable[country];
  for (int i = 0; i < 3; ++i) {
    if (window.offsets[2 * i] < 0) {
      *deadlines[i] = Calendar_DayOfYear(window.dates[2 * i][0], window.dates[2 * i][1]);
      *reopenings[i] = Calendar_DayOfYear(window.dates[2 * i + 1][0], window.dates[2 * i + 1][1]);
    } else {
      *deadlines[i] = static_cast<int16_t>(FirstMatchDay + window.offsets[2 * i]);
      *reopenings[i] = static_cast<int16_t>(FirstMatchDay + window.offsets[2 * i + 1]);
    }
  }
}

// Every complete pair of a round as a league fixture on today's matchday;
// the first slot at home in passes 1 and 3.
void AddRoundFixtures(int country, int division, int clubs, int round, int pass, int& leftOut) {
  for (int k = 0; k < kMaxPairs; ++k) {
    const int first = RoundPairs[round][2 * k], second = RoundPairs[round][2 * k + 1];
    if (first < 0 || second < 0 || first >= clubs || second >= clubs) continue;
    int home = DivisionClubOrder[division][first], away = DivisionClubOrder[division][second];
    if (home == NO_TABLE_CLUB || away == NO_TABLE_CLUB) continue;  // fewer clubs in the division than its size
    if ((pass & 1) == 0) std::swap(home, away);
    if (Fixture_Add(RoundFixtureDay(country), COMP_LEAGUE, home, away, 0) < 0) ++leftOut;
  }
}

// Steps the calendar to the next weekday-0 or weekday-3 date whose entry is a
// matchday; an entry 5 met in passes 2 and 4 fixes Postdate. Past the row's
// last entry (or the season's last day) the search gives up where it stands.
void NextMatchday(int country, const int16_t* row, int pass, int& j) {
  for (;;) {
    do StepDay();
    while (Weekday != kWeekdayMatchday && Weekday != 0);
    if (++j >= MATCHDAY_SLOTS) return;
    const int16_t entry = row[j];
    if ((pass & 1) == 0 && entry == MATCHDAY_LAST)
      Postdate = static_cast<int16_t>(DayOfSeason + (country == kSundayCountry ? 1 : 0));
    if (entry != MATCHDAY_NONE && entry != MATCHDAY_SKIP) return;
    if (DayOfSeason > kLastDay) return;
  }
}

void LayDivision(int country, int division, int clubs, int rounds, int& leftOut) {
  const int16_t* row = MatchdaySlots.rows[country][division];
  while (Weekday != 0) StepDay();
  int j = 0;
  while (!(Weekday == 0 && row[j] != MATCHDAY_NONE)) {
    StepDay();
    if (Weekday == 0 && (j += 2) >= MATCHDAY_SLOTS) return;  // a row without a matchday
  }
  FirstMatchDay = DayOfSeason;
  SetTransferWindows(country);

  const int passes = CountryDivisionInfo.sizes[country][division].second ? 4 : 2;
  for (int pass = 1; pass <= passes; ++pass)
    for (int round = 0; round < rounds; ++round) {
      AddRoundFixtures(country, division, clubs, round, pass, leftOut);
      NextMatchday(country, row, pass, j);
    }
}

// The old fixture again after a copy went in elsewhere: the same day, code and clubs.
int16_t FindFixture(int32_t day, int32_t code, int32_t home, int32_t away) {
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t d = Fixture_GetDay(n);
    if (d > day) break;
    if (d == day && Fixture_GetCompetition(n) == code && Fixture_GetHomeClub(n) == home &&
        Fixture_GetAwayClub(n) == away && !Fixture_IsPlayed(n))
      return n;
  }
  return -1;
}

void PostNews(int kind, int mode, int16_t home, int16_t away) {
  SetNewsArgs(home, away, -1, -1, -1, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, mode, home, away);
}

// Last season's holders of the first season: the country's record of honours.
int16_t RecordHolder(int country, int entry) {
  const int16_t club = Club_FindByDbId(CountryRecordTable[country][entry]);
  return club >= 0 && club < NUM_CLUBS ? club : -1;
}

void AddSuperCup(int country, int& leftOut) {
  if (country != 0 && country != kSundayCountry) return;
  // A new game's first season takes last season's holders from the
  // country's record; a later season from the roll of honour, whose season 1
  // is the season just ended.
  int16_t champion, cupWinner, runnerUp;
  if (SeasonCounter == 0) {
    champion = RecordHolder(country, REC_DIV_CHAMPION);
    cupWinner = RecordHolder(country, REC_CUP_WINNER);
    runnerUp = RecordHolder(country, REC_DIV_CHAMPION + 1);
  } else {
    champion = Honours_GetHolder(1, HOLDER_DIV0_CHAMPION);
    cupWinner = Honours_GetHolder(1, HOLDER_CUP0_WINNER);
    runnerUp = Honours_GetHolder(1, HOLDER_DIV0_RUNNER_UP);
  }
  int16_t first, second;
  if (!SuperCupPair(champion, cupWinner, runnerUp, &first, &second)) return;
  const bool human = Club_GetControl(first) != 0 || Club_GetControl(second) != 0;
  const int32_t day = FirstMatchDay + 1;
  if (country == 0) {
    if (!SuperCup_MoveClubsFixture(second, FirstMatchDay, human)) return;
  } else {
    if (!SuperCup_MoveClubsFixture(first, day, human) || !SuperCup_MoveClubsFixture(second, day, human)) return;
  }
  if (Fixture_Add(day, COMP_SUPER_CUP, first, second, country == 0 ? 1 : 0) < 0) ++leftOut;
}

}  // namespace

// ---------------------------------------------------------------------------

void FixGen_Reset() {
  std::memset(DivisionClubOrder, NO_TABLE_CLUB, sizeof DivisionClubOrder);
  g = FixGenState{};
  ClearRoundTables();
}

int RoundRobinRounds(int clubs) {
  if (clubs < 2 || clubs > MAX_ROUND_SLOTS) return 0;
  return clubs & 1 ? clubs : clubs - 1;
}

int GenerateRoundRobin(int clubs) {
  const int rounds = RoundRobinRounds(clubs);
  ++g.counters.calls;
  g.counters.lastAttempts = 0;
  if (rounds == 0) {
    ClearRoundTables();
    return 0;
  }
  int n = (clubs + 1) & ~1;  // even, then a multiple of 4
  n = (n + 3) & ~3;
  for (int attempt = 0; attempt < kAttemptLimit; ++attempt) {
    ++g.counters.attempts;
    ++g.counters.lastAttempts;
    if (RoundRobinAttempt(clubs, n, rounds)) return rounds;
  }
  std::printf("GenerateRoundRobin(): no schedule after %d attempts, %d clubs: the circle schedule stands in\n",
              kAttemptLimit, clubs);
  ++g.counters.fixedSchedules;
  CircleRoundRobin(clubs);
  return rounds;
}

const RoundRobinCounters& RoundRobin_Counters() { return g.counters; }

int GenerateFixtures() {
  if (GameCountry < 0 || GameCountry >= NUM_GAME_COUNTRIES) return 0;
  const int country = GameCountry;
  const CalendarDate saved = Calendar_Today();
  DivisionClubOrder_Build();
  int leftOut = 0;
  for (int division = 0; division < NUM_DIVISIONS; ++division) {
    RestoreCalendar(saved);
    Poll();
    DivisionSize = CountryDivisionInfo.sizes[country][division].value;
    if (DivisionSize == 0) continue;
    const int rounds = GenerateRoundRobin(DivisionSize);
    if (rounds == 0) continue;
    LayDivision(country, division, DivisionSize, rounds, leftOut);
  }
  // Back to the season's first day before the super cup, so that the
  // reschedules count their days from today.
  RestoreCalendar(saved);
  AddSuperCup(country, leftOut);
  SeasonEngine.cupDrawClearTable();  // the season's cup draws start afresh
  RestoreCalendar(saved);
  DaysSinceFirstMatch = 0;
  if (leftOut) std::printf("GenerateFixtures(): Error: %d fixtures left out, the fixture list is full\n", leftOut);
  return leftOut;
}

bool SuperCupPair(int16_t champion, int16_t cupWinner, int16_t runnerUp, int16_t* first, int16_t* second) {
  auto missing = [](int16_t club) { return club < 0 || club >= NUM_CLUBS; };
  if (champion == cupWinner) cupWinner = runnerUp;
  if (missing(champion) || missing(cupWinner) || champion == cupWinner) return false;
  *first = champion;
  *second = cupWinner;
  return true;
}

bool SuperCup_MoveClubsFixture(int16_t club, int32_t day, bool tellUser) {
  const int16_t n = Fixture_FindClubMatchOnDay(club, day);
  if (n < 0) return true;
  const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
  if (!Fixture_MoveToFreeDay(day, n)) return false;
  if (tellUser) PostNews(kNewsReschedule, NEWS_SHOW_ALWAYS, home, away);
  return true;
}

int16_t Fixture_Reschedule(int32_t day, int16_t fixture) {
  const int16_t fixtureDay = Fixture_GetDay(fixture);
  if (fixture < 0 || fixture >= NUM_FIXTURES || fixtureDay == FIXTURE_EMPTY_DAY) return -1;
  const int32_t requested = day;
  if (day >= Postdate) day = DayOfSeason;
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  const int16_t code = Fixture_GetCompetition(fixture), flag = Fixture_GetLegFlag(fixture);

  // The days either club has a match on, and 25 December.
  bool busy[FIXTURE_EMPTY_DAY + 1] = {};
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t d = Fixture_GetDay(n);
    if (d == FIXTURE_EMPTY_DAY) break;
    const int16_t h = Fixture_GetHomeClub(n), a = Fixture_GetAwayClub(n);
    if (Fixture_GetCompetition(n) < COMP_FRIENDLY && (h == home || h == away || a == home || a == away))
      busy[d] = true;
  }
  const int16_t christmas = Calendar_DayOfYear(kChristmasDay, kDecember);
  if (christmas >= DayOfSeason) busy[christmas] = true;

  if (day < -1) day = -1;
  int16_t slot = -1;
  bool found = false;
  for (int run : {5, 3, 1}) {
    int length = 0;
    for (int32_t d = Postdate < FIXTURE_EMPTY_DAY ? Postdate : FIXTURE_EMPTY_DAY - 1; d > day && !found; --d) {
      length = busy[d] ? 0 : length + 1;
      if (length == run) {
        found = true;  // no room in the list (-1) leaves no other day either
        slot = Fixture_Add(d + run / 2, code, home, away, flag);
      }
    }
    if (found) break;
  }
  if (slot >= 0) return slot;
  std::printf("no more fixture space on DayNo: '%d'\n", DayOfSeason);
  std::printf("no more fixture Finalday Postdate: '%d,%d'\n", Postdate, requested);
  ++g.rescheduleFailures;
  return -1;
}

bool Fixture_MoveToFreeDay(int32_t day, int16_t fixture) {
  const int16_t oldDay = Fixture_GetDay(fixture);
  const int16_t code = Fixture_GetCompetition(fixture);
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  if (Fixture_Reschedule(day, fixture) < 0) return false;
  const int16_t old = FindFixture(oldDay, code, home, away);
  if (old >= 0) Fixture_Remove(old);
  return true;
}

int Fixture_PostponeWinterMatches() {
  if (Month != 10 && Month != 11 && Month != 0 && Month != 1) return 0;
  int postponed = 0;
  for (int16_t n = 0; n < NUM_FIXTURES;) {
    const int16_t day = Fixture_GetDay(n);
    if (day > DayOfSeason) break;
    if (day != DayOfSeason || Fixture_GetCompetition(n) != COMP_LEAGUE || Fixture_GetLegFlag(n) != 0 ||
        Fixture_IsPlayed(n)) {
      ++n;
      continue;
    }
    const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    if (GameRandom() % 100 < kWinterChancePercent) {
      const int style = (Club_GetStand1Style(home) + Club_GetStand2Style(home) + Club_GetStand3Style(home) +
                         Club_GetStand4Style(home)) / 4;
      if (style < kGoodGroundStyle && GameRandom() % (style + 1) == 0 && Fixture_MoveToFreeDay(DayOfSeason, n)) {
        PostNews(kNewsWinterPostponed, NEWS_SHOW_HUMAN_DIVISION, home, away);
        ++postponed;
        continue;  // the next fixture now stands at n
      }
    }
    ++n;
  }
  return postponed;
}

int32_t FixGen_RescheduleFailures() { return g.rescheduleFailures; }

// ---------------------------------------------------------------------------
// The league tables
// ---------------------------------------------------------------------------

void DivisionClubOrder_Build() {
  std::memset(DivisionClubOrder, NO_TABLE_CLUB, sizeof DivisionClubOrder);
  for (int d = 0; d < NUM_ORDER_DIVISIONS; ++d) {
    int place = 0;
    for (int16_t c = 0; c < NUM_CLUBS && place < DIVISION_PLACES; ++c)
      if (Club_GetCountry(c) == GameCountry && Club_GetDivision(c) == d)
        DivisionClubOrder[d][place++] = static_cast<uint8_t>(c);
  }
}

bool LeagueRowBelow(const LeagueTableRow& a, const LeagueTableRow& b, int tieBreak) {
  int order = Compare(a.points, b.points);
  if (order != 0) return order < 0;
  if (tieBreak == TIE_GOAL_DIFFERENCE) {
    order = Compare(GoalDifference(a), GoalDifference(b));
    if (order == 0) order = Compare(GoalsFor(a), GoalsFor(b));
  } else if (tieBreak == TIE_GOALS_SCORED) {
    order = Compare(GoalsFor(a), GoalsFor(b));
    if (order == 0) order = Compare(GoalDifference(a), GoalDifference(b));
  }
  return order < 0;
}

void SortLeagueTables() {
  DivisionClubOrder_Build();
  const bool knownCountry = GameCountry >= 0 && GameCountry < NUM_GAME_COUNTRIES;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    uint8_t* table = DivisionTable[d];
    std::memcpy(table, DivisionClubOrder[d], DIVISION_PLACES);
    int count = 0;
    while (count < DIVISION_PLACES && table[count] != NO_TABLE_CLUB) ++count;
    const int tieBreak = knownCountry ? DivisionRules[GameCountry][d].tieBreak : TIE_GOAL_DIFFERENCE;

    // Bubble passes: only a strictly better club moves up, so level clubs keep their order.
    for (int pass = 0; pass < SORT_PASSES; ++pass)
      for (int i = 0; i + 1 < count; ++i)
        if (LeagueRowBelow(LeagueTable[table[i]], LeagueTable[table[i + 1]], tieBreak))
          std::swap(table[i], table[i + 1]);

    for (int k = 0; k < count; ++k) LeagueTable[table[k]].position = static_cast<int16_t>(k);
  }
}
