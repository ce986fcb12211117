#include "world/history.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/players.h"

ClubEventLogEntry ClubEventLog[CLUB_EVENT_LOG_SIZE];
PlayerCareerLogEntry PlayerCareerLog[PLAYER_CAREER_LOG_SIZE];

namespace {

// Byte offsets of the fields.
constexpr int kEvPlayer = 0, kEvClub = 2, kEvSeason = 4, kEvValue2 = 5, kEvValue = 7, kEvType = 9;
constexpr int kCaPlayer = 0, kCaClub = 2, kCaSeason = 4, kCaApps = 5, kCaGoals = 6, kCaValue = 7, kCaType = 9,
              kCaPerf = 10;

constexpr int16_t kEmpty = -1;

// Which optional fields a club event type carries.
struct Carried {
  bool player, value2, value;
};
Carried CarriedBy(int type) {
  switch (type) {
    case 0: case 1: return {true, true, true};
    case 2: case 3: return {true, true, false};
    case 4: case 16: return {true, false, true};
    case 5: case 12: return {false, true, true};
    case 6: case 8: case 9: return {false, false, true};
    case 7: case 10: case 11: case 13: case 14: case 15: case 17: return {true, false, false};
    default: return {false, false, false};
  }
}

int16_t EvClub(const ClubEventLogEntry& e) { return LoadI16(e.bytes + kEvClub); }
uint8_t EvSeason(const ClubEventLogEntry& e) { return e.bytes[kEvSeason]; }
int16_t CaPlayer(const PlayerCareerLogEntry& e) { return LoadI16(e.bytes + kCaPlayer); }
int16_t CaClub(const PlayerCareerLogEntry& e) { return LoadI16(e.bytes + kCaClub); }
uint8_t CaSeason(const PlayerCareerLogEntry& e) { return e.bytes[kCaSeason]; }

template <typename Entry>
Entry Blank(int keyOffset) {
  Entry e{};
  StoreI16(e.bytes + keyOffset, kEmpty);
  return e;
}

// Puts a table in the shape the logs keep: used entries first, each owner's
// entries together where the owner's first entry stands, in their order;
// every other entry blank. Answers the number of used entries.
template <typename Entry, typename Key, typename IsEmpty>
int32_t Normalise(Entry* entries, int32_t capacity, const Entry& blank, Key key, IsEmpty isEmpty) {
  std::vector<std::vector<Entry>> groups;
  std::unordered_map<int32_t, size_t> groupOf;
  for (int32_t i = 0; i < capacity; ++i) {
    if (isEmpty(entries[i])) continue;
    auto [it, added] = groupOf.try_emplace(key(entries[i]), groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(entries[i]);
  }
  int32_t used = 0;
  for (const auto& group : groups)
    for (const Entry& e : group) entries[used++] = e;
  for (int32_t i = used; i < capacity; ++i) entries[i] = blank;
  return used;
}

int32_t EvKey(const ClubEventLogEntry& e) { return EvClub(e) * 256 + EvSeason(e); }
int32_t CaKey(const PlayerCareerLogEntry& e) { return CaPlayer(e); }

}  // namespace

// ---- entries ----

ClubEvent ClubEventLogEntry_Decode(const ClubEventLogEntry& entry) {
  const uint8_t* b = entry.bytes;
  return {LoadI16(b + kEvPlayer), LoadI16(b + kEvClub), b[kEvSeason], LoadI16(b + kEvValue2), LoadI16(b + kEvValue),
          b[kEvType]};
}

ClubEventLogEntry ClubEventLogEntry_Encode(const ClubEvent& event) {
  ClubEventLogEntry entry{};
  uint8_t* b = entry.bytes;
  StoreI16(b + kEvPlayer, event.player);
  StoreI16(b + kEvClub, event.club);
  b[kEvSeason] = event.season;
  StoreI16(b + kEvValue2, event.value2);
  StoreI16(b + kEvValue, event.value);
  b[kEvType] = event.type;
  return entry;
}

CareerEntry PlayerCareerLogEntry_Decode(const PlayerCareerLogEntry& entry) {
  const uint8_t* b = entry.bytes;
  return {LoadI16(b + kCaPlayer), LoadI16(b + kCaClub), b[kCaSeason], b[kCaApps], b[kCaGoals],
          LoadI16(b + kCaValue),  b[kCaType],           b[kCaPerf]};
}

PlayerCareerLogEntry PlayerCareerLogEntry_Encode(const CareerEntry& career) {
  PlayerCareerLogEntry entry{};
  uint8_t* b = entry.bytes;
  StoreI16(b + kCaPlayer, career.player);
  StoreI16(b + kCaClub, career.club);
  b[kCaSeason] = career.season;
  b[kCaApps] = career.apps;
  b[kCaGoals] = career.goals;
  StoreI16(b + kCaValue, career.value);
  b[kCaType] = career.type;
  b[kCaPerf] = career.perf;
  return entry;
}

// ---- the run index ----

namespace history_detail {

RunIndex::RunIndex(int32_t capacity)
    : maxRuns_(2 * (capacity > 0 ? capacity : 0) + 1),
      tree_(static_cast<size_t>(maxRuns_) + 1),
      length_(static_cast<size_t>(maxRuns_)),
      runOf_(65536, -1) {
  while (topBit_ * 2 <= maxRuns_) topBit_ *= 2;
}

void RunIndex::Clear() {
  std::fill(tree_.begin(), tree_.end(), 0);
  std::fill(length_.begin(), length_.begin() + runs_, 0);
  std::fill(runOf_.begin(), runOf_.end(), -1);
  runs_ = 0;
}

bool RunIndex::AppendRun(int16_t owner, int32_t length) {
  if (runs_ == maxRuns_) return false;
  int32_t run = runs_++;
  // An owner keeps his first run (the logs never split one).
  if (RunOf(owner) < 0) runOf_[static_cast<uint16_t>(owner)] = run;
  Grow(run, length);
  return true;
}

int32_t RunIndex::RunOf(int16_t owner) const {
  int32_t run = runOf_[static_cast<uint16_t>(owner)];
  return run >= 0 && length_[run] > 0 ? run : -1;
}

int32_t RunIndex::Start(int32_t run) const {
  int32_t sum = 0;
  for (int32_t i = run; i > 0; i -= i & -i) sum += tree_[i];
  return sum;
}

int32_t RunIndex::RunAt(int32_t position) const {
  int32_t at = 0;
  for (int32_t step = topBit_; step > 0; step /= 2) {
    if (at + step <= maxRuns_ && tree_[at + step] <= position) {
      at += step;
      position -= tree_[at];
    }
  }
  return at;  // the runs before it end at or before the position
}

void RunIndex::Grow(int32_t run, int32_t delta) {
  length_[run] += delta;
  for (int32_t i = run + 1; i <= maxRuns_; i += i & -i) tree_[i] += delta;
}

}  // namespace history_detail

// ---- what both logs share ----

namespace {

using history_detail::LogCore;
using history_detail::RunIndex;

template <typename Entry>
struct Layout;
template <>
struct Layout<ClubEventLogEntry> {
  static constexpr int kOwner = kEvClub;
};
template <>
struct Layout<PlayerCareerLogEntry> {
  static constexpr int kOwner = kCaPlayer;
};

template <typename Entry>
int16_t Owner(const Entry& e) {
  return LoadI16(e.bytes + Layout<Entry>::kOwner);
}
template <typename Entry>
uint8_t SeasonOf(const Entry& e) {
  return e.bytes[kEvSeason];  // at the same offset in both layouts
}
template <typename Entry>
Entry BlankEntry() {
  return Blank<Entry>(Layout<Entry>::kOwner);
}

// What a log without a run index tells it: nothing.
struct NoRuns {
  void Removed(int32_t) {}
  void Doubled(int32_t) {}
};
// A run index told which entry leaves its run, and which entry now stands
// twice (its run one longer); positions as they are before the change.
struct IndexedRuns {
  RunIndex& index;
  void Removed(int32_t position) { index.Grow(index.RunAt(position), -1); }
  void Doubled(int32_t position) { index.Grow(index.RunAt(position), 1); }
};

template <typename Entry>
void Init(LogCore<Entry>& c, Entry* entries, int32_t capacity) {
  c.entries = entries;
  c.capacity = capacity < 0 ? 0 : capacity;
  c.used = 0;
}

template <typename Entry>
void ClearCore(LogCore<Entry>& c) {
  const Entry blank = BlankEntry<Entry>();
  for (int32_t i = 0; i < c.capacity; ++i) c.entries[i] = blank;
  c.used = 0;
  std::memset(c.seasonCount, 0, sizeof c.seasonCount);
}

template <typename Entry, typename Key>
void ReindexCore(LogCore<Entry>& c, Key key) {
  c.used = Normalise(c.entries, c.capacity, BlankEntry<Entry>(), key,
                     [](const Entry& e) { return Owner(e) == kEmpty; });
  std::memset(c.seasonCount, 0, sizeof c.seasonCount);
  for (int32_t i = 0; i < c.used; ++i) ++c.seasonCount[SeasonOf(c.entries[i])];
}

// Moves entries [from, from + count) to start at `to`.
template <typename Entry>
void Move(LogCore<Entry>& c, int32_t to, int32_t from, int32_t count) {
  if (count > 0) std::memmove(c.entries + to, c.entries + from, sizeof(Entry) * static_cast<size_t>(count));
}

// Entries n+1 onward move up one place. Past the used entries only blank
// entries would move; in a full log the last entry stays as it was.
template <typename Entry, typename Runs>
void DeleteCore(LogCore<Entry>& c, Runs runs, int32_t n) {
  if (n < 0 || n >= c.used) return;
  if (c.used == c.capacity) {
    runs.Doubled(c.capacity - 1);
    runs.Removed(n);
    --c.seasonCount[SeasonOf(c.entries[n])];
    ++c.seasonCount[SeasonOf(c.entries[c.capacity - 1])];
    Move(c, n, n + 1, c.capacity - 1 - n);
    return;
  }
  runs.Removed(n);
  --c.seasonCount[SeasonOf(c.entries[n])];
  Move(c, n, n + 1, c.used - 1 - n);
  c.entries[--c.used] = BlankEntry<Entry>();
}

// Entries n onward move down one place; entry n stays (there twice) until
// overwritten. In a full log the last entry is lost.
template <typename Entry, typename Runs>
void OpenGapCore(LogCore<Entry>& c, Runs runs, int32_t n) {
  if (n < 0 || n >= c.used) return;
  runs.Doubled(n);
  ++c.seasonCount[SeasonOf(c.entries[n])];
  if (c.used == c.capacity) {
    runs.Removed(c.capacity);  // the last entry, one place on after the doubling
    --c.seasonCount[SeasonOf(c.entries[c.capacity - 1])];
    Move(c, n + 1, n, c.capacity - 1 - n);
  } else {
    Move(c, n + 1, n, c.used - n);
    ++c.used;
  }
}

// The first used entry of the smallest season byte, or -1. The season
// counts give the smallest byte, so the search stops at its first entry.
template <typename Entry>
int32_t FirstOldest(const LogCore<Entry>& c) {
  if (c.used == 0) return -1;
  int season = 0;
  while (c.seasonCount[season] == 0) ++season;
  for (int32_t i = 0; i < c.used; ++i)
    if (SeasonOf(c.entries[i]) == season) return i;
  return -1;  // not reached: the count says there is one
}

// Deletes the first entry of the oldest season and empties the last entry.
template <typename Entry, typename Runs>
void DropOldestCore(LogCore<Entry>& c, Runs runs) {
  int32_t oldest = FirstOldest(c);
  if (oldest < 0) return;
  runs.Removed(oldest);
  --c.seasonCount[SeasonOf(c.entries[oldest])];
  Move(c, oldest, oldest + 1, c.used - 1 - oldest);
  c.entries[--c.used] = BlankEntry<Entry>();
}

// Writes a new entry at `at` (at most the used count, below the capacity),
// the entries from `at` on moving down one place. A full log first evicts
// the first entry of the oldest season; when that entry stood before `at`,
// the entries between move up instead and the new entry goes one place
// earlier, right after the entries that stood before it. Only the entries
// between the evicted one and the new one move. The caller counts the new
// entry into its run.
template <typename Entry, typename Runs>
void InsertCore(LogCore<Entry>& c, Runs runs, int32_t at, const Entry& entry) {
  if (c.used == c.capacity) {
    int32_t oldest = FirstOldest(c);
    runs.Removed(oldest);
    --c.seasonCount[SeasonOf(c.entries[oldest])];
    if (oldest < at) {
      Move(c, oldest, oldest + 1, at - 1 - oldest);
      --at;
    } else {
      Move(c, at + 1, at, oldest - at);
    }
  } else {
    Move(c, at + 1, at, c.used - at);
    ++c.used;
  }
  c.entries[at] = entry;
  ++c.seasonCount[SeasonOf(entry)];
}

}  // namespace

// ---- the club event log ----

ClubEventLogTable::ClubEventLogTable(ClubEventLogEntry* entries, int32_t capacity) {
  Init(core_, entries, capacity);
  Clear();
}

void ClubEventLogTable::Clear() { ClearCore(core_); }
void ClubEventLogTable::Reindex() { ReindexCore(core_, EvKey); }
void ClubEventLogTable::Delete(int32_t n) { DeleteCore(core_, NoRuns{}, n); }
void ClubEventLogTable::OpenGap(int32_t n) { OpenGapCore(core_, NoRuns{}, n); }
void ClubEventLogTable::DropOldest() { DropOldestCore(core_, NoRuns{}); }

// The club's events of a season form one run (never more than one); a new
// event goes right after it, or after every used entry when the club has
// none this season. The log is written a few hundred times a season, nearly
// always for the season whose runs stand last: the search for the run's end
// starts from the last used entry.
void ClubEventLogTable::Add(int16_t player, int16_t club, uint8_t season, int16_t value2, int16_t value,
                            int16_t type) {
  if (core_.capacity == 0 || club == kEmpty) return;
  const Carried carried = CarriedBy(type);
  const ClubEventLogEntry entry = ClubEventLogEntry_Encode(
      {carried.player ? player : int16_t{0}, club, season, carried.value2 ? value2 : int16_t{0},
       carried.value ? value : int16_t{0}, static_cast<uint8_t>(type)});
  for (;;) {
    const ClubEventLogEntry* e = core_.entries;
    const int32_t used = core_.used;
    int32_t at = used;  // no run: the first empty entry
    for (int32_t i = used - 1; i >= 0; --i) {
      if (EvClub(e[i]) == club && EvSeason(e[i]) == season) {
        at = i + 1;  // right after the run
        break;
      }
    }
    if (at < core_.capacity) {
      InsertCore(core_, NoRuns{}, at, entry);
      return;
    }
    // A full log with no entry after the run (or no run): evict, look again.
    DropOldestCore(core_, NoRuns{});
  }
}

void ClubEventLogTable::RemoveClub(int16_t club) {
  if (club == kEmpty) return;
  ClubEventLogEntry* e = core_.entries;
  int32_t kept = 0;
  for (int32_t i = 0; i < core_.used; ++i) {
    if (EvClub(e[i]) == club) {
      --core_.seasonCount[EvSeason(e[i])];
    } else {
      if (kept != i) e[kept] = e[i];
      ++kept;
    }
  }
  const ClubEventLogEntry blank = BlankEntry<ClubEventLogEntry>();
  for (int32_t i = kept; i < core_.used; ++i) e[i] = blank;
  core_.used = kept;
}

// ---- the player career log ----

PlayerCareerLogTable::PlayerCareerLogTable(PlayerCareerLogEntry* entries, int32_t capacity) : index_(capacity) {
  Init(core_, entries, capacity);
  Clear();
}

void PlayerCareerLogTable::Clear() {
  ClearCore(core_);
  index_.Clear();
}

void PlayerCareerLogTable::Reindex() {
  ReindexCore(core_, CaKey);
  RebuildIndex();
}

// One run per block of entries of one player, in log order.
void PlayerCareerLogTable::RebuildIndex() {
  index_.Clear();
  const PlayerCareerLogEntry* e = core_.entries;
  for (int32_t i = 0; i < core_.used;) {
    int32_t end = i + 1;
    while (end < core_.used && CaPlayer(e[end]) == CaPlayer(e[i])) ++end;
    index_.AppendRun(CaPlayer(e[i]), end - i);  // never more runs than entries
    i = end;
  }
}

void PlayerCareerLogTable::Delete(int32_t n) { DeleteCore(core_, IndexedRuns{index_}, n); }
void PlayerCareerLogTable::OpenGap(int32_t n) { OpenGapCore(core_, IndexedRuns{index_}, n); }
void PlayerCareerLogTable::DropOldest() { DropOldestCore(core_, IndexedRuns{index_}); }

// A player's entries form one run; a season's appearances at a club add up
// in the run's type-0 entry, everything else goes right after the run, or
// after every used entry when the player has none. The run index finds the
// run without a scan.
void PlayerCareerLogTable::Add(int16_t player, int16_t club, uint8_t season, int16_t apps, int16_t goalsOrValue,
                               int16_t type, int16_t onLoan, int16_t perf) {
  if (core_.capacity == 0 || player == kEmpty) return;
  CareerEntry career{player, club, season, 0, 0, 0, static_cast<uint8_t>(type), 0};
  if (type == 0) {
    career.apps = static_cast<uint8_t>(apps);
    career.goals = static_cast<uint8_t>(goalsOrValue);
    career.value = onLoan;
    career.perf = static_cast<uint8_t>(perf);
  } else if (type == 1 || type == 3 || type == 5 || type == 6) {
    career.value = goalsOrValue;
  }
  for (;;) {
    const int32_t run = index_.RunOf(player);
    int32_t at = core_.used;
    if (run >= 0) {
      const int32_t start = index_.Start(run);
      at = start + index_.Length(run);
      if (type == 0) {
        for (int32_t i = start; i < at; ++i) {
          uint8_t* b = core_.entries[i].bytes;
          if (b[kCaType] == 0 && b[kCaSeason] == season && LoadI16(b + kCaClub) == club) {
            b[kCaApps] = static_cast<uint8_t>(b[kCaApps] + apps);
            b[kCaGoals] = static_cast<uint8_t>(b[kCaGoals] + goalsOrValue);
            b[kCaPerf] = static_cast<uint8_t>(perf);
            return;
          }
        }
      }
    }
    if (at < core_.capacity) {
      InsertCore(core_, IndexedRuns{index_}, at, PlayerCareerLogEntry_Encode(career));
      // The run grows (again, if the eviction took its only entry), or a new one starts at the end.
      if (run >= 0) {
        index_.Grow(run, 1);
      } else if (!index_.AppendRun(player, 1)) {
        RebuildIndex();  // run numbers used up: number the runs afresh
      }
      return;
    }
    // A full log with no entry after the run (or no run): evict, look again.
    DropOldestCore(core_, IndexedRuns{index_});
  }
}

void PlayerCareerLogTable::RemovePlayer(int16_t player) {
  if (player == kEmpty) return;
  const int32_t run = index_.RunOf(player);
  if (run < 0) return;
  const int32_t start = index_.Start(run), length = index_.Length(run);
  PlayerCareerLogEntry* e = core_.entries;
  for (int32_t i = start; i < start + length; ++i) --core_.seasonCount[CaSeason(e[i])];
  Move(core_, start, start + length, core_.used - start - length);
  const PlayerCareerLogEntry blank = BlankEntry<PlayerCareerLogEntry>();
  for (int32_t i = core_.used - length; i < core_.used; ++i) e[i] = blank;
  core_.used -= length;
  index_.Grow(run, -length);
}

int PlayerCareerLogTable::GetEntries(int16_t player, PlayerCareerLogEntry* out) const {
  if (player == kEmpty) return 0;
  const int32_t run = index_.RunOf(player);
  if (run < 0) return 0;
  const int32_t start = index_.Start(run);
  const int count = index_.Length(run) < CAREER_ENTRIES_MAX ? index_.Length(run) : CAREER_ENTRIES_MAX;
  for (int i = 0; i < count; ++i) out[i] = core_.entries[start + i];
  return count;
}

int PlayerCareerLogTable::HasClub(int16_t player, int16_t club) const {
  if (player == kEmpty) return 0;
  const int32_t run = index_.RunOf(player);
  if (run < 0) return 0;
  const int32_t start = index_.Start(run);
  for (int32_t i = start; i < start + index_.Length(run); ++i)
    if (CaClub(core_.entries[i]) == club) return 1;
  return 0;
}

int PlayerCareerLogTable::CountClub(int16_t club) const {
  const int32_t span = core_.used < CAREER_COUNT_CLUB_SPAN ? core_.used : CAREER_COUNT_CLUB_SPAN;
  int count = 0;
  for (int32_t i = 0; i < span && count < CAREER_COUNT_CLUB_LIMIT; ++i)
    if (CaClub(core_.entries[i]) == club) ++count;
  return count;
}

namespace {

struct HistoryState {
  ClubEventLogTable clubLog{ClubEventLog, CLUB_EVENT_LOG_SIZE};
  PlayerCareerLogTable careerLog{PlayerCareerLog, PLAYER_CAREER_LOG_SIZE};
};
HistoryState gHistory;

}  // namespace

// ---- the game's logs ----

void ClubEventLog_Add(int16_t player, int16_t club, int16_t value2, int16_t value, int16_t type) {
  if (club < 0 || club >= NUM_CLUBS || Club_GetCountry(club) != GameCountry) return;
  gHistory.clubLog.Add(player, club, static_cast<uint8_t>(SeasonCounter), value2, value, type);
}
void ClubEventLog_Delete(int32_t n) { gHistory.clubLog.Delete(n); }
void ClubEventLog_OpenGap(int32_t n) { gHistory.clubLog.OpenGap(n); }
void ClubEventLog_DropOldest() { gHistory.clubLog.DropOldest(); }
void ClubEventLog_RemoveClub(int16_t club) { gHistory.clubLog.RemoveClub(club); }
void ClubEventLog_Clear() { gHistory.clubLog.Clear(); }
int32_t ClubEventLog_Used() { return gHistory.clubLog.Used(); }
void ClubEventLog_Reindex() { gHistory.clubLog.Reindex(); }

void PlayerCareerLog_Add(int16_t player, int16_t dbClub, int16_t apps, int16_t goalsOrValue, int16_t type) {
  if (Player_GetWage(player) == 0 || player >= PlayerCount) return;
  int16_t onLoan = type == 0 ? Player_GetOnLoan(player) : int16_t{0};
  int16_t perf = type == 0 ? Player_GetPerf(player) : int16_t{0};
  gHistory.careerLog.Add(player, dbClub, static_cast<uint8_t>(SeasonCounter), apps, goalsOrValue, type, onLoan,
                         perf);
}
void PlayerCareerLog_Delete(int32_t n) { gHistory.careerLog.Delete(n); }
void PlayerCareerLog_OpenGap(int32_t n) { gHistory.careerLog.OpenGap(n); }
void PlayerCareerLog_DropOldest() { gHistory.careerLog.DropOldest(); }
void PlayerCareerLog_Clear() { gHistory.careerLog.Clear(); }
void PlayerCareerLog_RemovePlayer(int16_t player) { gHistory.careerLog.RemovePlayer(player); }
int PlayerCareerLog_GetEntries(int16_t player, PlayerCareerLogEntry* out) {
  return gHistory.careerLog.GetEntries(player, out);
}
int PlayerCareerLog_HasClub(int16_t player, int16_t dbClub) { return gHistory.careerLog.HasClub(player, dbClub); }
int PlayerCareerLog_CountClub(int16_t dbClub) { return gHistory.careerLog.CountClub(dbClub); }
int32_t PlayerCareerLog_Used() { return gHistory.careerLog.Used(); }
void PlayerCareerLog_Reindex() { gHistory.careerLog.Reindex(); }

void HistoryLogs_Reset() {
  gHistory.clubLog.Clear();
  gHistory.careerLog.Clear();
}

REGISTER_RESET(RESET_WORLD, HistoryLogs_Reset);
