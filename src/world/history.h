// The career's two history logs, saved whole with the game:
//
// - the club event log: one entry per notable event of a league club of the
//   game country (transfers, loans, honours, managers, record gates,
//   promotion and relegation);
// - the player career log: one entry per player per club and season
//   (appearances and goals), and one per transfer, loan, appointment, award.
//
// Both keep the entries of one owner together (a club's events of one
// season; a player's entries), in order of arrival, and when full make room
// by evicting the first entry of the oldest season. The used entries always
// come first: every empty entry stands after the last used one.
//
// An entry is a byte array of its exact size, little-endian, as it is saved.
// An empty entry has -1 in its owner field (club, player) and 0 in every
// other byte; a new entry's fields that its type does not carry are 0.
#pragma once

#include <cstdint>
#include <vector>

constexpr int32_t CLUB_EVENT_LOG_SIZE = 50000;
constexpr int32_t PLAYER_CAREER_LOG_SIZE = 200000;
constexpr int CAREER_ENTRIES_MAX = 100;             // PlayerCareerLog_GetEntries copies at most this many
constexpr int32_t CAREER_COUNT_CLUB_SPAN = 50000;   // PlayerCareerLog_CountClub looks at these first entries
constexpr int CAREER_COUNT_CLUB_LIMIT = 1000;       // ... and stops counting here

// player int16 (+0), club int16 (+2; -1 empty), season uint8 (+4), value2
// int16 (+5), value int16 (+7), type uint8 (+9).
struct ClubEventLogEntry {
  uint8_t bytes[10];
};
// player int16 (+0; -1 empty), database club int16 (+2), season uint8 (+4),
// apps uint8 (+5), goals uint8 (+6), value int16 (+7), type uint8 (+9),
// perf uint8 (+10).
struct PlayerCareerLogEntry {
  uint8_t bytes[11];
};
static_assert(sizeof(ClubEventLogEntry) == 10);
static_assert(sizeof(PlayerCareerLogEntry) == 11);

extern ClubEventLogEntry ClubEventLog[CLUB_EVENT_LOG_SIZE];
extern PlayerCareerLogEntry PlayerCareerLog[PLAYER_CAREER_LOG_SIZE];

// An entry's fields.
struct ClubEvent {
  int16_t player;
  int16_t club;
  uint8_t season;  // low byte of SeasonCounter when written
  int16_t value2;
  int16_t value;
  uint8_t type;    // 0-17
};
struct CareerEntry {
  int16_t player;
  int16_t club;    // database club number
  uint8_t season;  // low byte of SeasonCounter when written
  uint8_t apps;
  uint8_t goals;
  int16_t value;   // type 0: on loan when made; types 1, 3, 5, 6: the caller's value
  uint8_t type;    // 0-9
  uint8_t perf;    // type 0: the player's performance value
};
ClubEvent ClubEventLogEntry_Decode(const ClubEventLogEntry& entry);
ClubEventLogEntry ClubEventLogEntry_Encode(const ClubEvent& event);
CareerEntry PlayerCareerLogEntry_Decode(const PlayerCareerLogEntry& entry);
PlayerCareerLogEntry PlayerCareerLogEntry_Encode(const CareerEntry& career);

// ---- the game's logs ----

// Adds an event of a club of the game country (clubs 0-249; others are
// ignored) for the current season, after the club's other events of the
// season. Types carry: 0, 1 player, value2, value; 2, 3 player, value2; 4, 16
// player, value; 5, 12 value2, value; 6, 8, 9 value; 7, 10, 11, 13, 14, 15,
// 17 player.
void ClubEventLog_Add(int16_t player, int16_t club, int16_t value2, int16_t value, int16_t type);
// Entries n+1 to the end move up one place (the last entry keeps its contents).
void ClubEventLog_Delete(int32_t n);
// Entries n to the last but one move down one place; entry n keeps its
// contents until overwritten (the last entry is lost).
void ClubEventLog_OpenGap(int32_t n);
// Deletes the first entry of the oldest season and empties the last entry.
void ClubEventLog_DropOldest();
void ClubEventLog_RemoveClub(int16_t club);
void ClubEventLog_Clear();
// Number of used entries.
int32_t ClubEventLog_Used();

// Adds an entry for a player with a full record (wage not 0, number below
// PlayerCount) in the current season: type 0 (apps, goals) adds to the
// player's type-0 entry at the same club this season, or starts one with
// his on-loan flag and performance; types 1, 3, 5, 6 carry goalsOrValue as
// their value. A new entry goes after the player's other entries.
void PlayerCareerLog_Add(int16_t player, int16_t dbClub, int16_t apps, int16_t goalsOrValue, int16_t type);
void PlayerCareerLog_Delete(int32_t n);
void PlayerCareerLog_OpenGap(int32_t n);
void PlayerCareerLog_DropOldest();
void PlayerCareerLog_Clear();
void PlayerCareerLog_RemovePlayer(int16_t player);
// Copies up to 100 of the player's entries, in log order; answers the count.
int PlayerCareerLog_GetEntries(int16_t player, PlayerCareerLogEntry* out);
// 1 when the player has an entry at that database club, else 0.
int PlayerCareerLog_HasClub(int16_t player, int16_t dbClub);
// Used entries at that database club among the first 50,000, at most 1,000.
int PlayerCareerLog_CountClub(int16_t dbClub);
int32_t PlayerCareerLog_Used();

// After the tables' bytes were replaced whole (a loaded game): puts them in
// the shape the logs keep (used entries first, empty entries blank, each
// owner's entries together) and rebuilds what the logs know about them.
void ClubEventLog_Reindex();
void PlayerCareerLog_Reindex();

// Both logs empty (the state at program start).
void HistoryLogs_Reset();

// ---- the machinery, over a table of any size ----
// The game's logs are these tables over the arrays above; tests run the
// same code on small tables.

namespace history_detail {
// What a log keeps beside its table: the number of used entries (they come
// first) and how many of them carry each season byte.
template <typename Entry>
struct LogCore {
  Entry* entries;
  int32_t capacity;
  int32_t used;
  int32_t seasonCount[256];
};

// Where each owner's run of entries stands. Runs are numbered in log order
// (a new run always starts after every used entry); their lengths are kept
// in a Fenwick tree, so a run's first entry is the sum of the lengths before
// it and the run at a position is found in log(runs) steps.
class RunIndex {
 public:
  explicit RunIndex(int32_t capacity);
  void Clear();
  // Appends a run after every other; false when the numbers are used up.
  bool AppendRun(int16_t owner, int32_t length);
  // The owner's run, or -1 when he has no entry.
  int32_t RunOf(int16_t owner) const;
  int32_t Start(int32_t run) const;
  int32_t Length(int32_t run) const { return length_[run]; }
  // The run that holds the entry at a position (below the used count).
  int32_t RunAt(int32_t position) const;
  void Grow(int32_t run, int32_t delta);

 private:
  int32_t maxRuns_;
  int32_t runs_ = 0;
  int32_t topBit_ = 1;
  std::vector<int32_t> tree_;     // Fenwick tree of the lengths, 1-based
  std::vector<int32_t> length_;
  std::vector<int32_t> runOf_;    // by owner (as an unsigned 16-bit number)
};
}  // namespace history_detail

class ClubEventLogTable {
 public:
  ClubEventLogTable(ClubEventLogEntry* entries, int32_t capacity);
  int32_t Capacity() const { return core_.capacity; }
  int32_t Used() const { return core_.used; }
  void Clear();
  void Reindex();
  // Adds the event for the season byte (the caller has checked the club).
  void Add(int16_t player, int16_t club, uint8_t season, int16_t value2, int16_t value, int16_t type);
  void Delete(int32_t n);
  void OpenGap(int32_t n);
  void DropOldest();
  void RemoveClub(int16_t club);

 private:
  history_detail::LogCore<ClubEventLogEntry> core_;
};

class PlayerCareerLogTable {
 public:
  PlayerCareerLogTable(PlayerCareerLogEntry* entries, int32_t capacity);
  int32_t Capacity() const { return core_.capacity; }
  int32_t Used() const { return core_.used; }
  void Clear();
  void Reindex();
  // Adds or updates for the season byte (the caller has checked the player
  // and read his on-loan flag and performance).
  void Add(int16_t player, int16_t club, uint8_t season, int16_t apps, int16_t goalsOrValue, int16_t type,
           int16_t onLoan, int16_t perf);
  void Delete(int32_t n);
  void OpenGap(int32_t n);
  void DropOldest();
  void RemovePlayer(int16_t player);
  int GetEntries(int16_t player, PlayerCareerLogEntry* out) const;
  int HasClub(int16_t player, int16_t club) const;
  int CountClub(int16_t club) const;

 private:
  void RebuildIndex();

  history_detail::LogCore<PlayerCareerLogEntry> core_;
  history_detail::RunIndex index_;
};
