#include "generic/exhibit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "season/matchday.h"
#include "season/postmatch.h"
#include "season/simmatch.h"
#include "support/engine_fixture.h"

namespace {

class ExhibitTest : public EngineTest {};

// An event by its two sort keys, with a tag in the player field to follow it.
void Add(int minute, int sequence, int tag) {
  MatchEventFields f{};
  f.kind = 1;
  f.minute = minute - 1;  // stored as minute
  f.sequence = sequence;
  f.player = tag;
  EncodeMatchEvent(f, MatchEvents.events[MatchEvents.count++]);
}

std::vector<int> Tags() {
  std::vector<int> tags;
  for (int i = 0; i < MatchEvents.count; ++i) tags.push_back(DecodeMatchEvent(MatchEvents.events[i]).player);
  return tags;
}

TEST_F(ExhibitTest, SortsByMinuteThenBySequence) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> keys;  // minute, sequence; the tag is the place
    std::vector<int> order;
  };
  const Case cases[] = {
      {"empty", {}, {}},
      {"one", {{50, 3}}, {0}},
      {"minutes", {{80, 0}, {10, 1}, {45, 2}, {46, 3}}, {1, 2, 3, 0}},
      {"same minute, sequence decides", {{30, 5}, {30, 2}, {30, 9}}, {1, 0, 2}},
      {"largest fields", {{255, 255}, {255, 0}, {0, 255}}, {2, 1, 0}},
  };
  for (const Case& c : cases) {
    MatchEvents.count = 0;
    for (size_t i = 0; i < c.keys.size(); ++i) Add(c.keys[i].first, c.keys[i].second, static_cast<int>(i));
    uint8_t before[2][MATCH_EVENT_SIZE] = {};
    if (c.keys.size() == 1) std::memcpy(before[0], MatchEvents.events[0], MATCH_EVENT_SIZE);
    SortMatchEvents();
    EXPECT_EQ(Tags(), c.order) << c.name;
    if (c.keys.size() == 1) {
      EXPECT_EQ(std::memcmp(before[0], MatchEvents.events[0], MATCH_EVENT_SIZE), 0);
    }
  }
}

TEST_F(ExhibitTest, EqualKeysKeepTheirOrderOnlyWhenNoSwapCarriesOnePastTheOther) {
  struct Case {
    const char* name;
    std::vector<std::pair<int, int>> keys;
    std::vector<int> order;
  };
  const Case cases[] = {
      // The smaller third entry swaps with the first, which lands behind its tie.
      {"reversed", {{30, 4}, {30, 4}, {10, 0}}, {2, 1, 0}},
      {"kept", {{30, 1}, {20, 7}, {10, 0}, {20, 7}}, {2, 1, 3, 0}},
      {"already ascending", {{5, 1}, {5, 2}, {5, 2}}, {0, 1, 2}},
  };
  for (const Case& c : cases) {
    MatchEvents.count = 0;
    for (size_t i = 0; i < c.keys.size(); ++i) Add(c.keys[i].first, c.keys[i].second, static_cast<int>(i));
    SortMatchEvents();
    EXPECT_EQ(Tags(), c.order) << c.name;
  }
}

TEST_F(ExhibitTest, AnOutOfRangeCountSortsNoFurtherThanTheList) {
  MatchEvents.count = -3;
  SortMatchEvents();  // nothing to do, nothing read
  MatchEvents.count = 0;
  Add(9, 0, 0);
  Add(1, 0, 1);
  MatchEvents.count = 30000;  // sorts the whole list, no further
  SortMatchEvents();
  EXPECT_EQ(DecodeMatchEvent(MatchEvents.events[MAX_MATCH_EVENTS - 2]).player, 1);
  EXPECT_EQ(DecodeMatchEvent(MatchEvents.events[MAX_MATCH_EVENTS - 1]).player, 0);
}

TEST_F(ExhibitTest, PlayerRecordsFromTheMatchJustPlayedOrTheSavedReport) {
  uint8_t* result = GetMatchResultRecord();
  MatchReportFlags = REPORT_SHOWING;
  struct Case {
    int16_t side, player;
    int offset;
  };
  const Case cases[] = {{0, 0, 16 + 12}, {0, 15, 16 + 15 * 137 + 12}, {1, 0, 2569 + 16 + 12},
                        {1, 7, 2569 + 16 + 7 * 137 + 12}};
  for (const Case& c : cases) {
    EXPECT_EQ(GetPlayerMatchRecord(c.side, c.player), result + c.offset) << c.side << "," << c.player;
    EXPECT_EQ(GetLastPlayerMatchRecord(), result + c.offset);
  }
  MatchReportFlags = REPORT_LEFT | REPORT_CLEARED_AFTER;  // bit 5 clear
  for (const Case& c : cases) {
    EXPECT_EQ(GetPlayerMatchRecord(c.side, c.player), &PlayerMatchRecords[c.player][0]);
    EXPECT_EQ(GetPlayerMatchRecord(c.side, c.player), PlayerMatchRecords[0] + c.player * 125)
        << "the side is not used";
  }
}

TEST_F(ExhibitTest, APlayerRecordOutOfRangeIsNone) {
  for (uint8_t flags : {uint8_t{0}, REPORT_SHOWING}) {
    MatchReportFlags = flags;
    const std::pair<int16_t, int16_t> bad[] = {{-1, 0}, {2, 0}, {0, -1}, {0, 16}, {1, 100}};
    for (auto [side, player] : bad) EXPECT_EQ(GetPlayerMatchRecord(side, player), nullptr) << side << "," << player;
  }
}

}  // namespace
