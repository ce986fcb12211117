// A match between two clubs outside the fixture list, prepared as the match
// day prepares a fixture (the headless match tool plays these).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "season/matchday.h"
#include "season/matchday_support.h"
#include "season/playfix.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/static_officials.h"

namespace {

using mdtest::GeneratedWorldTest;

class ClubMatchTest : public GeneratedWorldTest {
 protected:
  // Two league clubs of the game country.
  void SetUp() override {
    GeneratedWorldTest::SetUp();
    MakeWorld(0, 77);
    for (int16_t c = 0; c < NUM_CLUBS && clubs.size() < 2; ++c)
      if (Club_GetCountry(c) == 0 && Club_GetDivision(c) >= 0 && Club_GetDivision(c) < NUM_DIVISIONS)
        clubs.push_back(c);
    ASSERT_EQ(clubs.size(), 2u);
  }
  std::vector<int16_t> clubs;
};

const uint8_t* TeamOf(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }

TEST_F(ClubMatchTest, BothSidesArePickedFromTheirClubsUnderTheRulesAsked) {
  struct Case {
    bool cup;
    uint8_t extraTime, penalties;
  };
  for (const Case& k : {Case{false, 0, 0}, Case{true, 1, 1}}) {
    SCOPED_TRACE(k.cup ? "cup" : "league");
    const std::vector<uint8_t> fixtures(reinterpret_cast<const uint8_t*>(&FixtureList),
                                        reinterpret_cast<const uint8_t*>(&FixtureList) + sizeof FixtureList);
    PrepareClubMatch(clubs[0], clubs[1], k.cup);
    SetUpEngineSides(clubs[0], clubs[1]);
    const uint8_t* setup = GetMatchSetupRecord();
    EXPECT_EQ(setup[SETUP_EXTRA_TIME], k.extraTime);
    EXPECT_EQ(setup[SETUP_PENALTIES], k.penalties);
    EXPECT_EQ(setup[SETUP_SECOND_LEG], 0);
    EXPECT_EQ(MatchDayFixture, -1);
    EXPECT_EQ(std::memcmp(fixtures.data(), &FixtureList, sizeof FixtureList), 0) << "a fixture was touched";
    // The referee is one of the pool.
    EXPECT_TRUE(std::any_of(std::begin(OfficialTable), std::end(OfficialTable), [&](const DailySlotRecord& r) {
      return r.foulValue == setup[SETUP_OFFICIAL] && r.cardValue == setup[SETUP_OFFICIAL + 1] &&
             r.favouredSide == setup[SETUP_OFFICIAL + 2];
    }));
    for (int side = 0; side < 2; ++side) {
      const uint8_t* team = TeamOf(side);
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(team + SETUP_TEAM_NAME)),
                GNW_GetClubName(GNW_GetClubDbId(clubs[side])));
      // Eleven starters of the club.
      for (int entry = 0; entry < 11; ++entry) {
        const int16_t player = LoadI16(team + SETUP_TEAM_PLAYERS + entry * MATCH_SETUP_PLAYER_SIZE + SETUP_PLAYER_NUMBER);
        ASSERT_GE(player, 0) << "side " << side << " entry " << entry;
        EXPECT_EQ(Player_GetClub(player), clubs[side]) << "side " << side << " entry " << entry;
      }
    }
  }
}

TEST_F(ClubMatchTest, ARefereeIsFoundWhenTheDaysPoolIsUsedUp) {
  for (DailySlotRecord& slot : DailySlots) slot.taken = 1;
  PrepareClubMatch(clubs[0], clubs[1], false);
  // A new day's pool: only the referee of this match has one.
  EXPECT_EQ(std::count_if(std::begin(DailySlots), std::end(DailySlots),
                          [](const DailySlotRecord& slot) { return slot.taken != 0; }),
            1);
}

}  // namespace
