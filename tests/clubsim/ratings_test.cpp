// Player match ratings from the counters of the match result.
#include "clubsim/ratings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "support/engine_fixture.h"

namespace {

struct Counter {
  int at;       // byte position in the player's match record
  int value;
  bool word = false;  // an int16 counter, else a byte
};

struct RatingCase {
  int16_t group;
  std::vector<Counter> counters;
  int16_t rating;
};

class RatingsTest : public EngineTest {
 protected:
  static uint8_t* Record(int side, int slot) {
    return GetMatchResultRecord() + PlayerStatsOffset(side, slot) + PLAYER_STATS_RECORD;
  }
  static void Write(int side, int slot, const std::vector<Counter>& counters) {
    uint8_t* r = Record(side, slot);
    std::memset(r, 0, MATCH_PLAYER_STATS_SIZE - PLAYER_STATS_RECORD);
    for (const Counter& c : counters) {
      if (c.word) StoreI16(r + c.at, c.value);
      else r[c.at] = static_cast<uint8_t>(c.value);
    }
  }
};

TEST_F(RatingsTest, EachGroupWeighsItsCounters) {
  const RatingCase cases[] = {
      {5, {{10, 40, true}}, 0},   // a match mark of 40 rates nothing
      {5, {{10, 25, true}}, 0},   // nor does less
      {5, {{10, 70, true}}, 5},   // 30 x 100 / 60 = 50
      {5, {{10, 100, true}}, 9},  // 100, cut to 99
      {5, {{10, -30, true}}, 0},  // a negative mark rates nothing
      {1, {{4, -90, true}, {6, -90, true}, {8, -90, true}}, 0},  // negative counters: 0
      {0, {{46, 3}, {39, 2}}, 7},                 // 60 + 18 = 78
      {0, {{45, 10}}, 0},                         // negative: 0
      {0, {{46, 1}, {47, 2}, {50, 3}}, 0},        // 20 - 20 = 0
      {1, {{4, 95, true}, {6, 95, true}, {8, 41, true}}, 9},  // 47 + 47 + 20 = 114, cut
      {1, {{4, 40, true}, {14, 2}, {23, 1}, {77, 1}}, 3},     // 20 + 20 - 10 = 30
      {2, {{37, 5}, {38, 5}, {110, 7}, {111, 1}}, 5},         // 55 - 15 + 7 + 11 = 58
      {2, {{44, 2}, {43, 1}}, 2},                             // 10 + 11 = 21
      {3, {{72, 1}, {74, 1}}, 6},                             // 66
      {3, {{76, 255}}, 9},                                    // unsigned byte
      {4, {{34, 2}, {30, 3}, {31, 1}}, 6},                    // 42 + 33 - 9 = 66
      {4, {{69, 1}, {70, 2}, {40, 9}}, 0},                    // 11 - 18 + 9 = 2
  };
  for (const RatingCase& c : cases) {
    Write(1, 4, c.counters);
    EXPECT_EQ(MatchPlayerRating(4, 1, c.group), c.rating) << "group " << c.group << " first counter at "
                                                          << c.counters[0].at;
  }
}

TEST_F(RatingsTest, SidesAndPlacesAreKeptApart) {
  Write(0, 16, {{10, 100, true}});
  Write(1, 16, {{10, 46, true}});
  EXPECT_EQ(MatchPlayerRating(16, 0, 5), 9);
  EXPECT_EQ(MatchPlayerRating(16, 1, 5), 1);
  EXPECT_EQ(MatchPlayerRating(15, 0, 5), 0);
}

TEST_F(RatingsTest, ArgumentsOutOfRangeRateNothing) {
  Write(0, 0, {{10, 100, true}, {46, 5}});
  for (const auto& [slot, side, group] : {std::tuple{-1, 0, 5}, std::tuple{17, 0, 5}, std::tuple{0, 2, 5},
                                          std::tuple{0, -1, 5}, std::tuple{0, 0, 6}, std::tuple{0, 0, -1}})
    EXPECT_EQ(MatchPlayerRating(static_cast<int16_t>(slot), static_cast<int16_t>(side), static_cast<int16_t>(group)), 0);
  EXPECT_EQ(MatchPlayerRating(0, 0, 0), 9);
}

}  // namespace
