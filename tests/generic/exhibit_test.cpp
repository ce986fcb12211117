#include "generic/exhibit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "season/matchday.h"
#include "season/postmatch.h"
#include "season/simmatch.h"
#include "world/savegame.h"
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

// ---- the exhibition match's set-up ----

namespace {

// A team record as a team file brings it: names filled to the last byte (a
// file of someone else's making need not end them), two players, a tactic.
void FillTeam(uint8_t* team, char letter) {
  std::memset(team, 0, EXHIBITION_TEAM_SIZE);
  std::memset(team + EXHIBITION_NAME, letter, EXHIBITION_NAME_SIZE);
  for (int n = 0; n < 2; ++n) {
    uint8_t* e = team + EXHIBITION_PLAYERS + n * MATCH_SETUP_PLAYER_SIZE;
    std::memset(e, letter, SETUP_PLAYER_SURNAME_SIZE);
    StoreI16(e + SETUP_PLAYER_SHIRT, n + 1);
  }
  StoreI16(team + EXHIBITION_TACTIC, 41);
  StoreI16(team + EXHIBITION_TACTIC_VALUE, 7);
  team[EXHIBITION_FORMATIONS + 5] = static_cast<uint8_t>(letter);
  team[EXHIBITION_FORMATIONS + 11 * TACTICS_RECORD_SIZE + 300] = static_cast<uint8_t>(letter);
}

}  // namespace

TEST_F(ExhibitTest, SetUpPutsBothTeamsAndTheFriendlysRulesIntoTheMatchSetup) {
  FillTeam(SavePlaceholders.teamSlots[0], 'A');
  FillTeam(SavePlaceholders.teamSlots[1], 'B');
  SetupExhibitionTeams();
  const uint8_t* setup = GetMatchSetupRecord();

  // The header: the stated bytes and words, and the values the friendly
  // leaves open stated too.
  for (int b : {0, 1, 6, 7, 8}) EXPECT_EQ(setup[b], 1) << b;
  EXPECT_EQ(setup[2], 0);
  EXPECT_EQ(setup[5], 0);
  EXPECT_EQ(LoadI16(setup + SETUP_MATCH_LENGTH), 5);
  EXPECT_EQ(LoadI16(setup + SETUP_DISPLAY_MODE), 2);
  EXPECT_EQ(LoadI16(setup + SETUP_SUBSTITUTES), 5);
  EXPECT_EQ(LoadI16(setup + SETUP_THREE), 3);
  EXPECT_EQ(setup[SETUP_GROUND], 0);
  EXPECT_EQ(setup[SETUP_CROWD_LEVEL], 3);
  EXPECT_EQ(setup[SETUP_WEEKDAY], 0);
  EXPECT_EQ(setup[SETUP_REFEREE_FAVOUR], 0);
  EXPECT_LT(static_cast<int8_t>(setup[SETUP_REFEREE_RULE1]), 127);
  EXPECT_GT(static_cast<int8_t>(setup[SETUP_REFEREE_RULE1]), 0);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(LoadI16(setup + SETUP_STAND_KINDS + 2 * k), 1) << k;  // a small ground
    EXPECT_EQ(setup[SETUP_STAND_ZEROS + k], 0) << k;
  }

  for (int side = 0; side < 2; ++side) {
    SCOPED_TRACE(side);
    const char letter = side == 0 ? 'A' : 'B';
    const uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    // The names end inside their fields: 39 letters, then the terminator.
    EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(team + SETUP_TEAM_NAME)), 39u);
    EXPECT_EQ(team[SETUP_TEAM_NAME], letter);
    const uint8_t* first = team + SETUP_TEAM_PLAYERS;
    EXPECT_EQ(std::strlen(reinterpret_cast<const char*>(first + SETUP_PLAYER_SURNAME)), 19u);
    EXPECT_EQ(LoadI16(first + MATCH_SETUP_PLAYER_SIZE + SETUP_PLAYER_SHIRT), 2);
    EXPECT_EQ(team[SETUP_TEAM_HUMAN], 1);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_TACTIC), 41);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_TACTIC_VALUE), 7);
    EXPECT_EQ(team[SETUP_TEAM_CUSTOM_FORMATIONS + 5], letter);
    EXPECT_EQ(team[SETUP_TEAM_CUSTOM_FORMATIONS + 11 * TACTICS_RECORD_SIZE + 300], letter);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_FIRST_LEG_GOALS), 0);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_CAPTAIN), 9);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_CORNER_TAKER), 11);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_PENALTY_TAKER), 8);
    EXPECT_EQ(LoadI16(team + SETUP_TEAM_FREE_KICK_TAKER), 7);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(LoadI16(team + SETUP_TEAM_RATINGS + 2 * k), 100) << k;
  }
  // The team records themselves are the user's and stay as loaded.
  EXPECT_EQ(SavePlaceholders.teamSlots[0][EXHIBITION_NAME + EXHIBITION_NAME_SIZE - 1], 'A');
}
