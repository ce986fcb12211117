// The staff hiring pool: the candidates' table and which of them are on the
// market.
#include "clubsim/staffpool.h"

#include <gtest/gtest.h>

#include <iterator>

#include "engine/rand.h"
#include "engine/reset.h"
#include "support/engine_fixture.h"

namespace {

class StaffPoolTest : public EngineTest {};

TEST_F(StaffPoolTest, TheTableAndThePoolAreOneSize) {
  EXPECT_EQ(std::size(StaffCandidateTable), std::size(StaffCandidateAvailable));
  EXPECT_EQ(std::size(StaffCandidateTable), static_cast<size_t>(NUM_STAFF_CANDIDATES));
  EXPECT_EQ(NUM_STAFF_CANDIDATES, 92);
}

TEST_F(StaffPoolTest, EveryCandidateHasItsKindAndLevel) {
  // Kinds 0-8: ten each, levels 1-10 in order; kinds 9 and 10: one each, level 8.
  for (int16_t n = 0; n < 90; ++n) {
    EXPECT_EQ(StaffCandidate_GetKind(n), n / 10) << n;
    EXPECT_EQ(StaffCandidate_GetLevel(n), n % 10 + 1) << n;
  }
  EXPECT_EQ(StaffCandidate_GetKind(90), 9);
  EXPECT_EQ(StaffCandidate_GetLevel(90), 8);
  EXPECT_EQ(StaffCandidate_GetKind(91), 10);
  EXPECT_EQ(StaffCandidate_GetLevel(91), 8);
  for (int16_t outside : {int16_t{-1}, int16_t{92}, int16_t{1000}}) {
    EXPECT_EQ(StaffCandidate_GetKind(outside), -1);
    EXPECT_EQ(StaffCandidate_GetLevel(outside), -1);
    EXPECT_EQ(StaffCandidate_IsAvailable(outside), 0);
  }
}

TEST_F(StaffPoolTest, ANewGameOffersThirtyDifferentCandidatesFromTheWholePool) {
  bool everOffered[NUM_STAFF_CANDIDATES] = {};
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    GameSeedRandom(seed);
    std::fill(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), uint8_t{1});
    InitStaffCandidates();
    ASSERT_EQ(StaffCandidate_CountAvailable(), STAFF_CANDIDATES_AVAILABLE) << seed;
    for (int16_t n = 0; n < NUM_STAFF_CANDIDATES; ++n) {
      ASSERT_LE(StaffCandidateAvailable[n], 1) << n;
      EXPECT_EQ(StaffCandidate_IsAvailable(n), StaffCandidateAvailable[n]);
      everOffered[n] |= StaffCandidateAvailable[n] != 0;
    }
  }
  // The draws reach every entry of the table, the last two included, and
  // nothing beyond it.
  for (int n = 0; n < NUM_STAFF_CANDIDATES; ++n) EXPECT_TRUE(everOffered[n]) << n;

  // One seed, one market.
  GameSeedRandom(5);
  InitStaffCandidates();
  uint8_t first[NUM_STAFF_CANDIDATES];
  std::copy(std::begin(StaffCandidateAvailable), std::end(StaffCandidateAvailable), first);
  GameSeedRandom(5);
  InitStaffCandidates();
  EXPECT_TRUE(std::equal(std::begin(first), std::end(first), std::begin(StaffCandidateAvailable)));
}

TEST_F(StaffPoolTest, AResetTakesEveryoneOffTheMarket) {
  InitStaffCandidates();
  ResetAllModules();
  EXPECT_EQ(StaffCandidate_CountAvailable(), 0);
}

}  // namespace
