#include "world/history.h"

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
bool EvEmpty(const ClubEventLogEntry& e) { return EvClub(e) == kEmpty; }
int32_t CaKey(const PlayerCareerLogEntry& e) { return CaPlayer(e); }
bool CaEmpty(const PlayerCareerLogEntry& e) { return CaPlayer(e) == kEmpty; }

template <typename Entry, typename IsEmpty>
int32_t CountUsed(const Entry* entries, int32_t capacity, IsEmpty isEmpty) {
  int32_t used = 0;
  for (int32_t i = 0; i < capacity; ++i)
    if (!isEmpty(entries[i])) used = i + 1;
  return used;
}

struct HistoryState {
  ClubEventLogTable clubLog{ClubEventLog, CLUB_EVENT_LOG_SIZE};
  PlayerCareerLogTable careerLog{PlayerCareerLog, PLAYER_CAREER_LOG_SIZE};
};
HistoryState gHistory;

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

// ---- the club event log ----

int32_t ClubEventLogTable::Used() const { return CountUsed(entries_, capacity_, EvEmpty); }

ClubEventLogTable::ClubEventLogTable(ClubEventLogEntry* entries, int32_t capacity)
    : entries_(entries), capacity_(capacity) {
  Clear();
}

void ClubEventLogTable::Clear() {
  const ClubEventLogEntry blank = Blank<ClubEventLogEntry>(kEvClub);
  for (int32_t i = 0; i < capacity_; ++i) entries_[i] = blank;
  used_ = 0;
}

void ClubEventLogTable::Reindex() {
  used_ = Normalise(entries_, capacity_, Blank<ClubEventLogEntry>(kEvClub), EvKey, EvEmpty);
}

void ClubEventLogTable::Delete(int32_t n) {
  if (n < 0 || n >= capacity_) return;
  std::memmove(entries_ + n, entries_ + n + 1, sizeof(ClubEventLogEntry) * (capacity_ - 1 - n));
}

void ClubEventLogTable::OpenGap(int32_t n) {
  if (n < 0 || n >= capacity_) return;
  std::memmove(entries_ + n + 1, entries_ + n, sizeof(ClubEventLogEntry) * (capacity_ - 1 - n));
}

void ClubEventLogTable::DropOldest() { DropOldestAt(); }

int32_t ClubEventLogTable::DropOldestAt() {
  int32_t oldest = -1;
  for (int32_t i = 0; i < capacity_; ++i)
    if (EvClub(entries_[i]) != kEmpty && (oldest < 0 || EvSeason(entries_[i]) < EvSeason(entries_[oldest])))
      oldest = i;
  if (oldest < 0) return -1;
  Delete(oldest);
  entries_[capacity_ - 1] = Blank<ClubEventLogEntry>(kEvClub);
  return oldest;
}

void ClubEventLogTable::Add(int16_t player, int16_t club, uint8_t season, int16_t value2, int16_t value,
                            int16_t type) {
  const Carried carried = CarriedBy(type);
  ClubEvent event{carried.player ? player : int16_t{0}, club, season, carried.value2 ? value2 : int16_t{0},
                  carried.value ? value : int16_t{0}, static_cast<uint8_t>(type)};
  for (;;) {
    int32_t runEnd = -1;
    for (int32_t i = 0; i < capacity_; ++i) {
      const ClubEventLogEntry& e = entries_[i];
      if (EvClub(e) == club && EvSeason(e) == season) {
        runEnd = i;
        continue;
      }
      if (runEnd >= 0) {
        int32_t at = i;
        // A full log first evicts; when the evicted entry stood before this
        // place, the run has moved up one, and so does the place after it.
        if (EvClub(entries_[capacity_ - 1]) != kEmpty && DropOldestAt() < at) --at;
        OpenGap(at);
        entries_[at] = ClubEventLogEntry_Encode(event);
        return;
      }
      if (EvClub(e) == kEmpty) {
        entries_[i] = ClubEventLogEntry_Encode(event);
        return;
      }
    }
    DropOldestAt();
  }
}

void ClubEventLogTable::RemoveClub(int16_t club) {
  if (club == kEmpty) return;
  for (int32_t i = 0; i < capacity_;) {
    if (EvClub(entries_[i]) == club) {
      Delete(i);
      entries_[capacity_ - 1] = Blank<ClubEventLogEntry>(kEvClub);
    } else {
      ++i;
    }
  }
}

// ---- the player career log ----

int32_t PlayerCareerLogTable::Used() const { return CountUsed(entries_, capacity_, CaEmpty); }

PlayerCareerLogTable::PlayerCareerLogTable(PlayerCareerLogEntry* entries, int32_t capacity)
    : entries_(entries), capacity_(capacity) {
  Clear();
}

void PlayerCareerLogTable::Clear() {
  const PlayerCareerLogEntry blank = Blank<PlayerCareerLogEntry>(kCaPlayer);
  for (int32_t i = 0; i < capacity_; ++i) entries_[i] = blank;
  used_ = 0;
}

void PlayerCareerLogTable::Reindex() {
  used_ = Normalise(entries_, capacity_, Blank<PlayerCareerLogEntry>(kCaPlayer), CaKey, CaEmpty);
}

void PlayerCareerLogTable::Delete(int32_t n) {
  if (n < 0 || n >= capacity_) return;
  std::memmove(entries_ + n, entries_ + n + 1, sizeof(PlayerCareerLogEntry) * (capacity_ - 1 - n));
}

void PlayerCareerLogTable::OpenGap(int32_t n) {
  if (n < 0 || n >= capacity_) return;
  std::memmove(entries_ + n + 1, entries_ + n, sizeof(PlayerCareerLogEntry) * (capacity_ - 1 - n));
}

void PlayerCareerLogTable::DropOldest() { DropOldestAt(); }

int32_t PlayerCareerLogTable::DropOldestAt() {
  int32_t oldest = -1;
  for (int32_t i = 0; i < capacity_; ++i)
    if (CaPlayer(entries_[i]) != kEmpty && (oldest < 0 || CaSeason(entries_[i]) < CaSeason(entries_[oldest])))
      oldest = i;
  if (oldest < 0) return -1;
  Delete(oldest);
  entries_[capacity_ - 1] = Blank<PlayerCareerLogEntry>(kCaPlayer);
  return oldest;
}

void PlayerCareerLogTable::Add(int16_t player, int16_t club, uint8_t season, int16_t apps, int16_t goalsOrValue,
                               int16_t type, int16_t onLoan, int16_t perf) {
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
    int32_t runEnd = -1;
    for (int32_t i = 0; i < capacity_; ++i) {
      PlayerCareerLogEntry& e = entries_[i];
      if (CaPlayer(e) == player) {
        runEnd = i;
        if (type == 0 && CaClub(e) == club && CaSeason(e) == season && e.bytes[kCaType] == 0) {
          e.bytes[kCaApps] = static_cast<uint8_t>(e.bytes[kCaApps] + apps);
          e.bytes[kCaGoals] = static_cast<uint8_t>(e.bytes[kCaGoals] + goalsOrValue);
          e.bytes[kCaPerf] = static_cast<uint8_t>(perf);
        return;
        }
        continue;
      }
      if (runEnd >= 0) {
        int32_t at = i;
        if (CaPlayer(entries_[capacity_ - 1]) != kEmpty && DropOldestAt() < at) --at;
        OpenGap(at);
        entries_[at] = PlayerCareerLogEntry_Encode(career);
        return;
      }
      if (CaPlayer(e) == kEmpty) {
        entries_[i] = PlayerCareerLogEntry_Encode(career);
        return;
      }
    }
    DropOldestAt();
  }
}

void PlayerCareerLogTable::RemovePlayer(int16_t player) {
  if (player == kEmpty) return;
  for (int32_t i = 0; i < capacity_;) {
    if (CaPlayer(entries_[i]) == player) {
      Delete(i);
      entries_[capacity_ - 1] = Blank<PlayerCareerLogEntry>(kCaPlayer);
    } else {
      ++i;
    }
  }
}

int PlayerCareerLogTable::GetEntries(int16_t player, PlayerCareerLogEntry* out) const {
  if (player == kEmpty) return 0;
  int count = 0;
  for (int32_t i = 0; i < capacity_ && count < CAREER_ENTRIES_MAX; ++i)
    if (CaPlayer(entries_[i]) == player) out[count++] = entries_[i];
  return count;
}

int PlayerCareerLogTable::HasClub(int16_t player, int16_t club) const {
  if (player == kEmpty) return 0;
  for (int32_t i = 0; i < capacity_; ++i)
    if (CaPlayer(entries_[i]) == player && CaClub(entries_[i]) == club) return 1;
  return 0;
}

int PlayerCareerLogTable::CountClub(int16_t club) const {
  int count = 0;
  for (int32_t i = 0; i < capacity_ && i < CAREER_COUNT_CLUB_SPAN && count < CAREER_COUNT_CLUB_LIMIT; ++i)
    if (CaPlayer(entries_[i]) != kEmpty && CaClub(entries_[i]) == club) ++count;
  return count;
}

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
