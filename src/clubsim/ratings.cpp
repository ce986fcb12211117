// Player match ratings from the match result's player records.
#include "clubsim/ratings.h"

#include <algorithm>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"

namespace {

// A byte counter of the player's match record at its byte position.
int32_t Byte(const uint8_t* record, int at) { return record[at]; }
// An int16 counter.
int32_t Word(const uint8_t* record, int at) { return LoadI16(record + at); }

constexpr int kActivity = 4, kWorkrate = 6, kInvolvement = 8;  // int16, scaled to 95
constexpr int kPerformanceFloor = 40;                            // a match mark that rates nothing

int32_t RawValue(const uint8_t* r, int16_t group) {
  switch (group) {
    case 0:
      return -3 * Byte(r, 45) + 20 * Byte(r, 46) + 9 * Byte(r, 68) + 7 * Byte(r, 61) + 9 * Byte(r, 39) -
             4 * (Byte(r, 47) + Byte(r, 48) + Byte(r, 49) + Byte(r, 50));
    case 1:  // the three activity counters, each halved
      return Word(r, kActivity) / 2 + Word(r, kWorkrate) / 2 + Word(r, kInvolvement) / 2 +
             10 * Byte(r, MATCH_RECORD_ASSISTS) - 5 * Byte(r, 23) - 5 * Byte(r, 77);
    case 2:
      return 11 * Byte(r, 37) - 3 * Byte(r, 38) + Byte(r, 110) + 11 * Byte(r, 111) + 5 * Byte(r, 44) +
             11 * Byte(r, 43);
    case 3:
      return 33 * (Byte(r, 72) + Byte(r, 74) + Byte(r, 76));
    case 4:
      return 11 * Byte(r, 30) + 11 * Byte(r, 69) + Byte(r, 40) + 21 * Byte(r, MATCH_RECORD_GOALS) -
             9 * Byte(r, 31) - 9 * Byte(r, 70);
    default: {  // the match mark above 40, on a scale of 100
      const int32_t above = std::max(Word(r, MATCH_RECORD_PERFORMANCE) - kPerformanceFloor, int32_t{0});
      return above * 100 / 60;
    }
  }
}

}  // namespace

int16_t MatchPlayerRating(int16_t slot, int16_t side, int16_t group) {
  if (slot < 0 || slot >= TEAM_PLAYER_SLOTS || side < 0 || side > 1 || group < 0 || group >= NUM_RATING_GROUPS)
    return 0;
  const uint8_t* record = GetMatchResultRecord() + PlayerStatsOffset(side, slot) + PLAYER_STATS_RECORD;
  return static_cast<int16_t>(std::clamp(RawValue(record, group), int32_t{0}, int32_t{99}) / 10);
}
