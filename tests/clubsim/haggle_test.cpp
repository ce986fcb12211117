#include "clubsim/haggle.h"

#include <cstdint>

#include "clubsim/market_world.h"
#include "world/lists.h"

namespace {

using market::AddPlayer;
using market::MarketTest;

// The bidder is the foreign club (its budget is its reputation x 750,000 +
// 100,000; its manager's stat 16 is 0); the player's market price is his
// asking price.
class HaggleTest : public MarketTest {
 protected:
  int16_t PlayerPricedAt(int32_t price) {
    const int16_t p = AddPlayer(tw::kLeagueClub, 5, 100, 40);
    Player_SetManPrice(p, price);
    return p;
  }
};

TEST_F(HaggleTest, TheBiddingClubSettlesWithinItsBudgetAndTheAskingPrice) {
  const struct {
    const char* what;
    int reputation;  // 3-63; budget = reputation x 750,000 + 100,000
    int32_t worth, asking;
    int16_t clause;
    int32_t fee;
    int16_t patience;
  } cases[] = {
      {"haggled down from its target", 3, 1000000, 2000000, 0, 850000, 51},
      {"the sell-on clause doubles the haggling", 3, 1000000, 2000000, 1, 700000, 53},
      {"budget cap: target cut to the budget", 3, 5000000, 4000000, 0, 2100000, 42},
      {"asking-price cap: never above the asking price", 60, 5000000, 2000000, 0, 2000000, 1},
      {"fees above 25 M", 63, 30000000, 40000000, 0, 27000000, 27},
      {"budget cap above 25 M", 63, 60000000, 50000000, 0, 46000000, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Club_SetRep(tw::kForeignClub, c.reputation);
    const int16_t p = PlayerPricedAt(c.worth);
    int16_t patience = -99;
    const int32_t fee = EvaluateBidForPlayer(p, c.asking, 1, tw::kForeignClub, &patience, 0, c.clause);
    EXPECT_EQ(fee, c.fee);
    EXPECT_EQ(patience, c.patience);
    EXPECT_LE(fee, c.reputation * 750000 + 100000);
    EXPECT_LE(fee, c.asking);
  }
}

TEST_F(HaggleTest, AFarTooHighAskingPriceLeavesLittlePatience) {
  Club_SetRep(tw::kForeignClub, 3);
  const int16_t p = PlayerPricedAt(1000000);
  int16_t patience = 0;
  EvaluateBidForPlayer(p, 1000000000, 1, tw::kForeignClub, &patience, 0, 0);
  EXPECT_EQ(patience, 99);
}

TEST_F(HaggleTest, TheOwnersDemandAnswersEachOffer) {
  const struct {
    const char* what;
    int32_t target, offer, previous, demand;
    int16_t turn, clause;
    int32_t answer;
    int16_t patience;
  } cases[] = {
      {"an offer not raised leaves the demand", 5000000, 1000000, 1000000, 3000000, 2, 0, 3000000, -1},
      {"an offer at the target is taken at the target", 900000, 1000000, 0, 3000000, 2, 0, 900000, 0},
      // stat 16 of the owner's manager is 0: (200 - 0) / 4 = 50 % off.
      {"the clause cuts the target", 1800000, 1000000, 0, 3000000, 2, 1, 900000, 0},
      {"the first answer names the target", 1500000, 1000000, 0, -1, 0, 0, 1500000, 49},
      {"v 245: the demand comes down", 5000000, 1000000, 900000, 1500000, 1, 0, 1400000, 245},
      {"v 295: the demand stands", 5000000, 1000000, 900000, 1600000, 1, 0, 1600000, 295},
      {"a later turn gives nothing", 5000000, 1000000, 900000, 1500000, 4, 0, 1500000, 245},
      {"fees above 25 M", 60000000, 30000000, 29000000, 45000000, 1, 0, 44000000, 245},
      {"the clause cuts a target above 25 M", 60000000, 31000000, 0, 45000000, 1, 1, 30000000, 0},
      {"the first answer names a target above 25 M", 60000000, 30000000, 0, -1, 0, 0, 60000000, 99},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const int16_t p = PlayerPricedAt(c.target);
    int16_t patience = -99;
    const int32_t answer =
        EvaluatePlayerOffer(p, c.offer, c.previous, c.demand, c.turn, tw::kHumanClub, &patience, c.clause);
    EXPECT_EQ(answer, c.answer);
    EXPECT_EQ(patience, c.patience);
  }
}

TEST_F(HaggleTest, AnInjuredPlayersOwnerGivesMore) {
  // The owner's manager with stat 16 of 200 gives nothing of his own (200 -
  // 200 - 61, taken as 0); an injury of type 0 adds 100, still below the
  // divisor 110; a recurring injury adds another 100.
  market::SetPersonality(9, 200, 0, 0, 0);
  const int16_t manager = AddPlayer(tw::kLeagueClub, 13, 100, 40, 0, 9);
  (void)manager;
  const int16_t p = PlayerPricedAt(5000000);
  Player_SetInFlag(p, 1);
  Patient_SetPlayerNo(0, p);
  Patient_SetInjuryType(0, 0);
  int16_t patience = 0;
  EXPECT_EQ(EvaluatePlayerOffer(p, 1000000, 900000, 1500000, 1, tw::kHumanClub, &patience, 0), 1500000);
  Player_SetRecurringInjury(p, 1);
  EXPECT_EQ(EvaluatePlayerOffer(p, 1000000, 900000, 1500000, 1, tw::kHumanClub, &patience, 0), 1400000);
}

}  // namespace
