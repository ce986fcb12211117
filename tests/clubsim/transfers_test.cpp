#include "clubsim/transfers.h"

#include <cstdint>
#include <functional>
#include <vector>

#include "clubsim/bids.h"
#include "clubsim/market_world.h"
#include "clubsim/squadlist.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "support/career_world.h"
#include "world/history.h"

namespace {

using market::AddPlayer;
using market::BuildMarketWorld;
using market::IsNewsOfKind;
using market::MarketTest;
using market::SetPersonality;
using market::ShownNews;
using market::WorldMoney;

// The arguments of the one transfer-log entry the seam was asked to write.
std::vector<int32_t> LoggedTransfer() {
  for (const SeamCall& call : Seam_Calls())
    if (call.name == "TransferLog_Add") return call.args;
  return {};
}

bool NoBidFor(int16_t player) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (ClubBid_HasPlayer(club, player) == -1) return false;
  return BidInfo_FindPlayer(player) == -1;
}

// ---- completed transfers ----

using TransferMoneyTest = MarketTest;

TEST_F(TransferMoneyTest, EveryPaymentHasItsOtherSide) {
  struct Case {
    const char* what;
    int16_t seller, buyer;
    int32_t fee;
    int16_t sellOnClub;
    std::function<void()> prepare;
    // Balances afterwards of clubs 0, 1 and 2; the pool's change; the
    // money the floor let into the world.
    int32_t balance0, balance1, balance2;
    int64_t poolChange, floored;
  };
  const std::vector<Case> cases = {
      {"a league sale with a sell-on clause", tw::kLeagueClub, tw::kHumanClub, 1000000, tw::kOutsideClub, [] {},
       0, 1130000, 200000, 170000, 0},
      {"a foreign seller, a buyer who cannot pay it all", tw::kForeignClub, tw::kLeagueClub, 2000000, -1, [] {},
       1000000, 0, 0, 2000000, 1500000},
      {"a reserve-pool seller", PLAYER_CLUB_RESERVE_POOL, tw::kLeagueClub, 100000, -1, [] {}, 1000000, 400000, 0,
       100000, 0},
      {"a buyer in debt", tw::kHumanClub, tw::kLeagueClub, 100000, -1,
       [] { market::WriteBalance(tw::kLeagueClub, -500000); }, 1083000, 0, 0, 17000, 600000},
      {"a fee of 999 moves nothing", tw::kLeagueClub, tw::kHumanClub, 999, -1, [] {}, 1000000, 500000, 0, 0, 0},
      {"the sell-on bonus divides the fee by 100 first", tw::kLeagueClub, tw::kHumanClub, 1550, tw::kOutsideClub,
       [] {}, 998450, 500987, 300, 263, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    BuildMarketWorld();
    Club_SetDivision(tw::kOutsideClub, 2);  // a league club too, so that its bonus shows in its balance
    c.prepare();
    const int16_t player = AddPlayer(c.seller, 7, 40, 30);
    Player_SetSellOnClause(player, c.sellOnClub);
    const int64_t worldBefore = WorldMoney();
    const int32_t poolBefore = MoneyPool;
    const int64_t flowBefore = MoneyFlow_Total();

    CompleteTransfer(player, c.buyer, c.fee, 0);

    EXPECT_EQ(Club_GetBalance(tw::kHumanClub), c.balance0);
    EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), c.balance1);
    EXPECT_EQ(Club_GetBalance(tw::kOutsideClub), c.balance2);
    EXPECT_EQ(MoneyPool - poolBefore, c.poolChange);
    EXPECT_EQ(MoneyFlow_Total() - flowBefore, c.floored);
    EXPECT_EQ(WorldMoney(), worldBefore);
    EXPECT_EQ(Player_GetClub(player), c.buyer);
    const int32_t fee = c.fee < 1000 ? 0 : c.fee;
    EXPECT_EQ(LoggedTransfer(),
              (std::vector<int32_t>{c.seller == PLAYER_CLUB_RESERVE_POOL ? -1 : Club_GetDbId(c.seller),
                                    Club_GetDbId(c.buyer), player, fee}));
    EXPECT_EQ(HumanTransferSpent, c.buyer == tw::kHumanClub ? fee : 0);
    EXPECT_EQ(HumanTransferReceived, c.seller == tw::kHumanClub ? fee : 0);
  }
}

class TransferTest : public MarketTest {
 protected:
  int16_t player = -1;  // a midfielder of club 1, shirt 4, captain, listed, on every list
  void SetUp() override {
    MarketTest::SetUp();
    player = AddPlayer(tw::kLeagueClub, 7, 40, 20);
    Player_SetShirt(player, 4);
    Player_SetCaptain(player, 1);
    Player_SetTxList(player, 1);
    Player_SetTxReq(player, 1);
    Player_SetLoanList(player, 1);
    Player_SetBidCount(player, 9);
    Player_SetManPrice(player, 750000);
    Player_SetBossvane(player, 1);
  }
};

TEST_F(TransferTest, ThePlayerStartsAfreshAtTheBuyer) {
  Club_SetBid(tw::kHumanClub, 2, player, 5000, 0);
  Club_SetBid(tw::kForeignClub, 2, player, 6000, 1);
  BidInfo_SetPlayer(3, player);
  BidInfo_SetPlayer(9, player);
  const int32_t eventsBefore = ClubEventLog_Used();

  CompleteTransfer(player, tw::kHumanClub, 500000, 1);

  EXPECT_EQ(Player_GetClub(player), tw::kHumanClub);
  EXPECT_EQ(Player_GetSellOnClause(player), tw::kLeagueClub);
  EXPECT_EQ(Player_GetMorale(player), 60);
  for (auto flag : {Player_GetShirt(player), Player_GetCaptain(player), Player_GetTxList(player),
                    Player_GetTxReq(player), Player_GetLoanList(player), Player_GetOnLoan(player),
                    Player_GetBidCount(player), Player_GetBossvane(player), Player_GetCaretaker(player)})
    EXPECT_EQ(flag, 0);
  EXPECT_EQ(Player_GetSaleStatus(player), 1);
  EXPECT_EQ(Player_GetManPrice(player), -1);
  EXPECT_TRUE(NoBidFor(player));

  // The books: both clubs' event logs, his career, the records and totals.
  EXPECT_EQ(ClubEventLog_Used(), eventsBefore + 2);
  PlayerCareerLogEntry career[CAREER_ENTRIES_MAX];
  ASSERT_EQ(PlayerCareerLog_GetEntries(player, career), 1);
  const CareerEntry entry = PlayerCareerLogEntry_Decode(career[0]);
  EXPECT_EQ(entry.type, 1);
  EXPECT_EQ(entry.club, Club_GetDbId(tw::kLeagueClub));
  EXPECT_EQ(entry.value, 500);
  EXPECT_EQ(Club_GetRecordSale(tw::kLeagueClub), 500000);
  EXPECT_EQ(Club_GetRecordBuy(tw::kHumanClub), 500000);
  EXPECT_EQ(Club_GetTotalSales(tw::kLeagueClub), 500000);
  EXPECT_EQ(Club_GetTotalSignings(tw::kHumanClub), 500000);
  EXPECT_EQ(Club_GetMiscOut(tw::kLeagueClub), 85000);

  // The human club's list and training plan take him in.
  EXPECT_EQ(Seam_CountCalls("TrainingBuffer_Sync"), 1);
  bool listed = false;
  for (int i = 0; i < SquadListLength; ++i) listed = listed || SquadList[i] == player;
  EXPECT_TRUE(listed);
}

TEST_F(TransferTest, RecordsMakeTheNewsOnceTheFirstYearIsOver) {
  const struct {
    int16_t seasons;
    bool news;
  } cases[] = {{0, false}, {1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.seasons);
    BuildMarketWorld();
    SeasonCounter = c.seasons;
    const int16_t p = AddPlayer(tw::kLeagueClub, 7, 40, 20);
    CompleteTransfer(p, tw::kHumanClub, 2000000, 0);
    const auto shown = ShownNews();
    ASSERT_EQ(shown.size(), c.news ? 2u : 0u);
    if (!c.news) continue;
    SetNewsArgs(tw::kLeagueClub, tw::kHumanClub, p, -1, 2000000, -1, -1, -1, -1);
    EXPECT_TRUE(IsNewsOfKind(shown[0], 26)) << shown[0];
    SetNewsArgs(tw::kHumanClub, -1, p, -1, 2000000, -1, -1, -1, -1);
    EXPECT_TRUE(IsNewsOfKind(shown[1], 27)) << shown[1];
  }
  // A smaller fee beats no record.
  SeasonCounter = 1;
  MenuPrims_ClearCalls();
  CompleteTransfer(AddPlayer(tw::kLeagueClub, 7, 40, 20), tw::kHumanClub, 1500000, 0);
  EXPECT_TRUE(ShownNews().empty());
  EXPECT_EQ(Club_GetRecordBuy(tw::kHumanClub), 2000000);
}

TEST_F(TransferTest, ALoanEndsWithTheSaleAndTheLenderIsPaid) {
  // Club 0 has him on loan from club 1; club 3 buys him.
  LoanPlayer(player, tw::kHumanClub);
  ASSERT_EQ(Player_GetOnLoan(player), 1);
  ASSERT_EQ(Player_GetClub(player), tw::kHumanClub);
  CompleteTransfer(player, tw::kForeignClub, 1000000, 0);
  EXPECT_EQ(Player_GetClub(player), tw::kForeignClub);
  EXPECT_EQ(Player_GetOnLoan(player), 0);
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) EXPECT_NE(Loan_GetPlayerNo(slot), player);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000 + 830000);
  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 1000000);
  EXPECT_EQ(HumanTransferReceived, 0);
}

TEST_F(TransferTest, AnAbsentPlayerIsFoundByHisNewClub) {
  const struct {
    int16_t type;
    bool stillInjured;
  } cases[] = {{0, false}, {12, true}};
  for (const auto& c : cases) {
    const int16_t p = AddPlayer(tw::kLeagueClub, 7, 40, 20);
    Patient_SetPlayerNo(5, p);
    Patient_SetInjuryType(5, c.type);
    Patient_SetInjuryTime(5, 20);
    Player_SetInFlag(p, 1);
    CompleteTransfer(p, tw::kForeignClub, 0, 0);
    EXPECT_EQ(Player_GetInFlag(p), c.stillInjured ? 1 : 0) << c.type;
    EXPECT_EQ(Patient_GetPlayerNo(5), c.stillInjured ? p : -1) << c.type;
  }
}

TEST_F(TransferTest, NoBuyerOutsideTheWorld) {
  for (int16_t buyer : {int16_t{-1}, int16_t{250}, int16_t{PLAYER_CLUB_FREE_AGENT}}) {
    CompleteTransfer(player, buyer, 100000, 0);
    EXPECT_EQ(Player_GetClub(player), tw::kLeagueClub);
  }
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000);
}

// ---- loans ----

TEST_F(TransferTest, ALoanMovesThePlayerForThirteenWeeksAndBack) {
  const int32_t eventsBefore = ClubEventLog_Used();
  LoanPlayer(player, tw::kHumanClub);
  EXPECT_EQ(Player_GetClub(player), tw::kHumanClub);
  EXPECT_EQ(Player_GetOnLoan(player), 1);
  EXPECT_EQ(Player_GetLoanList(player), 0);
  EXPECT_EQ(Player_GetShirt(player), 0);
  EXPECT_EQ(Loan_GetPlayerNo(0), player);
  EXPECT_EQ(Loan_GetLoanClub(0), tw::kLeagueClub);
  EXPECT_EQ(Loan_GetLoanWeeks(0), 13);
  EXPECT_EQ(ClubEventLog_Used(), eventsBefore + 2);
  PlayerCareerLogEntry career[CAREER_ENTRIES_MAX];
  ASSERT_EQ(PlayerCareerLog_GetEntries(player, career), 1);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(career[0]).type, 2);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(career[0]).club, Club_GetDbId(tw::kHumanClub));

  Player_SetShirt(player, 7);
  LoanPlayer(player, tw::kHumanClub);  // on loan: the loan ends
  EXPECT_EQ(Player_GetClub(player), tw::kLeagueClub);
  EXPECT_EQ(Player_GetOnLoan(player), 0);
  EXPECT_EQ(Player_GetShirt(player), 0);
  EXPECT_EQ(Loan_GetPlayerNo(0), -1);
}

TEST_F(TransferTest, NoLoanWithoutARoomOrAnotherClub) {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) Loan_SetPlayerNo(slot, tw::kItalian);
  const int32_t eventsBefore = ClubEventLog_Used();
  LoanPlayer(player, tw::kHumanClub);
  LoanPlayer(tw::kFreeAgent, tw::kHumanClub);
  EXPECT_EQ(Player_GetClub(player), tw::kLeagueClub);
  EXPECT_EQ(Player_GetOnLoan(player), 0);
  EXPECT_EQ(ClubEventLog_Used(), eventsBefore);
  Loan_SetPlayerNo(7, -1);
  LoanPlayer(player, tw::kLeagueClub);  // his own club
  LoanPlayer(player, 250);
  EXPECT_EQ(Loan_GetPlayerNo(7), -1);
  LoanPlayer(player, tw::kForeignClub);
  EXPECT_EQ(Loan_GetPlayerNo(7), player);
}

// ---- the bid decision ----

// A midfielder of club 1 (rank 2), reputation 0, morale 59 (no second
// thoughts), asking 50 a week; clubs 3 (Italy) and 200 (Germany) bid for him,
// both of reputation 40 with budgets of 30,100,000.
class DecisionTest : public MarketTest {
 protected:
  static constexpr int kTraits = 4;
  int16_t player = -1;
  void SetUp() override {
    MarketTest::SetUp();
    player = AddPlayer(tw::kLeagueClub, 7, 2, 59, 0, kTraits);
    SetPersonality(kTraits, 0, 0, 0, 0);
    Club_SetRep(tw::kForeignClub, 40);
    Club_SetRep(tw::kMinorClub, 40);
  }
  void Bid(int16_t club, int32_t price) { ASSERT_EQ(MakeTransferOffer(club, player, price, 7, 0), player); }
  void DueToday(int16_t slot = 0) {
    BidInfo_SetPlayer(slot, player);
    BidInfo_SetDays(slot, 1);
  }
};

TEST_F(DecisionTest, AnswersCountDownAndAFreeAgentsBidsLapse) {
  Bid(tw::kForeignClub, 1000000);
  BidInfo_SetPlayer(0, player);
  BidInfo_SetDays(0, 5);
  BidInfo_SetPlayer(1, tw::kMidfielder);  // an answer slot of 0 days waits for nothing
  BidDecisionStep();
  EXPECT_EQ(BidInfo_GetDays(0), 4);
  EXPECT_EQ(BidInfo_GetPlayer(1), tw::kMidfielder);
  EXPECT_EQ(BidInfo_GetDays(1), 0);
  EXPECT_EQ(Club_GetBidPlayer(tw::kForeignClub, 2), player);

  Player_SetClub(player, PLAYER_CLUB_FREE_AGENT);
  BidDecisionStep();
  EXPECT_TRUE(NoBidFor(player));
}

TEST_F(DecisionTest, TheBestBidderWinsAndTheLowerClubNumberBreaksATie) {
  const int64_t worldBefore = WorldMoney();
  Bid(tw::kMinorClub, 1200000);
  Bid(tw::kForeignClub, 1000000);
  DueToday();
  BidDecisionStep();
  EXPECT_EQ(Player_GetClub(player), tw::kForeignClub);
  EXPECT_EQ(Player_GetContract(player), 12);  // a squad of one is short: a year
  EXPECT_TRUE(NoBidFor(player));
  EXPECT_EQ(LoggedTransfer()[3], 1000000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 500000 + 830000);
  EXPECT_EQ(WorldMoney(), worldBefore);
}

TEST_F(DecisionTest, AClubWithAFullSquadOrWithoutTheMoneyNeverWins) {
  const struct {
    const char* what;
    int fullSquad, minorPrice;
    int16_t winner;
  } cases[] = {
      {"club 3 has 32 players", 1, 1000000, tw::kMinorClub},
      {"club 200 bids beyond its 24,850,000", 0, 30000000, tw::kForeignClub},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BuildMarketWorld();
    SetUp();
    if (c.fullSquad)
      for (int i = 0; i < 31; ++i) AddPlayer(tw::kForeignClub, 5, 10, 40);
    Club_SetRep(tw::kMinorClub, 33);
    Club_SetRep(tw::kForeignClub, 33);
    Bid(tw::kForeignClub, 1000000);
    Bid(tw::kMinorClub, c.minorPrice);
    DueToday();
    BidDecisionStep();
    EXPECT_EQ(Player_GetClub(player), c.winner);
  }
}

TEST_F(DecisionTest, AnAnswerNobodyWaitsForIsDropped) {
  Club_SetRep(tw::kMinorClub, 33);
  Bid(tw::kMinorClub, 30000000);  // beyond its budget of 24,850,000
  DueToday();
  BidDecisionStep();
  EXPECT_EQ(Player_GetClub(player), tw::kLeagueClub);
  EXPECT_TRUE(NoBidFor(player));
  EXPECT_EQ(BidInfo_GetPlayer(0), -1);
}

// Refusals, told to the human manager: the player belongs to club 0.
TEST_F(DecisionTest, APlayerMayTurnTheMoveDownOnceOrTwice) {
  const struct {
    const char* what;
    int rep, morale, stat16, stat17, bidderRep, loanListed;
    int32_t price;
    int kind, bids;
  } cases[] = {
      // Reputation 63 against 40: threshold 100 - 23 x 100 / 63 = 64; stat 16 / 2 = 100.
      {"a fee: loyal", 63, 59, 200, 0, 40, 0, 1000000, 21, 1},
      {"a free transfer: loyal", 63, 59, 200, 0, 40, 0, 0, 22, 0},
      {"a loan: loyal", 63, 59, 200, 0, 40, 1, LOAN_BID_PRICE, 35, 0},
      // Against 3: threshold 5; at morale 60 a roll under 255 - 15 always refuses.
      {"a fee: content where he is", 63, 60, 0, 255, 3, 0, 1000000, 23, 1},
      {"a free transfer: content where he is", 63, 60, 0, 255, 3, 0, 0, 24, 0},
      {"a loan: content where he is", 63, 60, 0, 255, 3, 1, LOAN_BID_PRICE, 34, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BuildMarketWorld();
    SetUp();
    Player_SetClub(player, tw::kHumanClub);
    Player_SetReputation(player, c.rep);
    Player_SetMorale(player, c.morale);
    Player_SetLoanList(player, c.loanListed);
    SetPersonality(kTraits, c.stat16, c.stat17, 0, 0);
    Club_SetRep(tw::kForeignClub, c.bidderRep);
    Bid(tw::kForeignClub, c.price);
    Bid(tw::kMinorClub, 0);  // a weaker rival
    Club_SetRep(tw::kMinorClub, 3);
    DueToday();
    MenuPrims_ClearCalls();
    BidDecisionStep();
    EXPECT_EQ(Player_GetClub(player), tw::kHumanClub);
    EXPECT_EQ(Player_GetBidCount(player), c.bids);
    EXPECT_TRUE(NoBidFor(player));
    // The rival's rejection, then the player's answer.
    const auto shown = ShownNews();
    ASSERT_EQ(shown.size(), 2u);
    SetNewsArgs(tw::kHumanClub, tw::kMinorClub, player, -1, -1, 300 + 2, -1, -1, -1);
    EXPECT_TRUE(IsNewsOfKind(shown[0], 60)) << shown[0];
    SetNewsArgs(tw::kHumanClub, tw::kForeignClub, player, -1, c.price, -1, -1, -1, -1);
    EXPECT_TRUE(IsNewsOfKind(shown[1], c.kind)) << shown[1];
  }
}

TEST_F(DecisionTest, APlayerWhoCannotAgreeTermsStays) {
  // He asks 17,712 a week; club 1, with 17 shirted players paid 1,000 or
  // 5,000 a week and no manager, is not keen and offers at most 3 averages.
  Player_SetClub(player, tw::kHumanClub);
  Player_SetAbilityCurve(player, 249);
  for (int i = 0; i < 16; ++i) Player_SetShirt(AddPlayer(tw::kLeagueClub, 5, 40, 40), 1 + i % 16);
  Player_SetShirt(tw::kMidfielder, 1);
  Bid(tw::kLeagueClub, 100000);
  DueToday();
  BidDecisionStep();
  EXPECT_EQ(Player_GetClub(player), tw::kHumanClub);
  EXPECT_EQ(Player_GetWage(player), 2);
  EXPECT_TRUE(NoBidFor(player));
  const auto shown = ShownNews();
  ASSERT_FALSE(shown.empty());
  SetNewsArgs(tw::kHumanClub, tw::kLeagueClub, player, -1, -1, -1, -1, -1, -1);
  EXPECT_TRUE(IsNewsOfKind(shown.back(), 144)) << shown.back();
}

TEST_F(DecisionTest, ALoanBidTakesThePlayerOnLoanWhileHeIsOnTheList) {
  const struct {
    int loanListed;
    int16_t club, onLoan;
    int kind;
  } cases[] = {{1, tw::kForeignClub, 1, 4}, {0, tw::kHumanClub, 0, 76}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.loanListed);
    BuildMarketWorld();
    SetUp();
    Player_SetClub(player, tw::kHumanClub);
    Player_SetLoanList(player, 1);
    Bid(tw::kForeignClub, LOAN_BID_PRICE);
    Player_SetLoanList(player, c.loanListed);
    DueToday();
    BidDecisionStep();
    EXPECT_EQ(Player_GetClub(player), c.club);
    EXPECT_EQ(Player_GetOnLoan(player), c.onLoan);
    EXPECT_TRUE(NoBidFor(player));
    const auto shown = ShownNews();
    ASSERT_EQ(shown.size(), 2u);  // the bid's own news, then the answer
    SetNewsArgs(tw::kHumanClub, c.kind == 4 ? tw::kForeignClub : -1, player, -1, -1, 300 + 2, -1, -1, -1);
    EXPECT_TRUE(IsNewsOfKind(shown[1], c.kind)) << shown[1];
  }
}

TEST_F(DecisionTest, AHumanClubsWonBidWaitsForItsManager) {
  Bid(tw::kHumanClub, 100000);
  DueToday();
  BidDecisionStep();
  BidDecisionStep();
  EXPECT_EQ(Player_GetClub(player), tw::kLeagueClub);
  EXPECT_EQ(Seam_CountCalls("HumanContracts_Add"), 2);
  EXPECT_EQ(Seam_Calls().back().args, (std::vector<int32_t>{1, player}));
  EXPECT_EQ(BidInfo_GetPlayer(0), player);
  EXPECT_EQ(BidInfo_GetDays(0), 1);
  EXPECT_EQ(Club_GetBidPlayer(tw::kHumanClub, 2), player);
}

TEST_F(DecisionTest, ComputerClubsGiveUpAPlayerOutForLong) {
  const struct {
    const char* what;
    int16_t type, time;
    bool humanBid;
    bool computerBidStays, slotStays;
  } cases[] = {
      {"an injury of 10: the computer withdraws, the slot goes", 12, 10, false, false, false},
      {"the human club's bid keeps the slot", 12, 10, true, false, true},
      {"an injury of 4 is waited for", 12, 4, false, true, true},
      {"absent without leave is waited for", 0, 10, false, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BuildMarketWorld();
    SetUp();
    Bid(tw::kForeignClub, 1000000);
    if (c.humanBid) Bid(tw::kHumanClub, 100000);
    BidInfo_SetPlayer(0, player);
    BidInfo_SetDays(0, 5);
    Patient_SetPlayerNo(0, player);
    Patient_SetInjuryType(0, c.type);
    Patient_SetInjuryTime(0, c.time);
    Player_SetInFlag(player, 1);
    BidDecisionStep();
    EXPECT_EQ(Club_GetBidPlayer(tw::kForeignClub, 2) == player, c.computerBidStays);
    EXPECT_EQ(BidInfo_GetPlayer(0) == player, c.slotStays);
    if (c.humanBid) {
      EXPECT_EQ(Club_GetBidPlayer(tw::kHumanClub, 2), player);
    }
  }
}

// ---- a played world ----

class MarketCareerTest : public CareerWorldTest {};

// A season on, the figures of the market stay in their ranges, and a round
// of computer bids, answered day by day, keeps every club's money and leaves
// no bid waiting for an answer that will never come.
TEST_F(MarketCareerTest, BidsOnAPlayedWorldKeepTheMoneyAndEveryBidIsAnswered) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1});
  ASSERT_GE(human, 0);
  PlatSetVirtualAutoAdvance(true);  // the ticker waits for pointer frames

  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    ASSERT_GE(GetClubSpendingBudget(club), 0) << club;
    const int32_t top = CalcClubMaxWage(club);
    ASSERT_GE(top, 0) << club;
    ASSERT_LE(top, 50000) << club;
  }
  for (int16_t p = 0; p < PlayerCount; p = static_cast<int16_t>(p + 97)) {
    ASSERT_GE(GetPlayerValue(p), 0) << p;
    ASSERT_GE(GetPlayerAskingPrice(p), 0) << p;
    ASSERT_GE(GetPlayerWageDemand(p, human), 50) << p;
  }

  GameSeedRandom(11);
  const int64_t moneyBefore = WorldMoney();
  std::vector<int16_t> targets, owners;
  for (int16_t club = 0; club < NUM_CLUBS && targets.size() < 60; ++club) {
    if (Club_GetControl(club) != 0 || Club_GetCountry(club) != GameCountry || Club_GetDivision(club) > 5) continue;
    for (int attempt = 0; attempt < 20; ++attempt) {
      const int16_t p = static_cast<int16_t>(GameRandom() % PlayerCount);
      const int16_t owner = Player_GetClub(p);
      if (owner == club || owner >= NUM_CLUBS || Player_GetWage(p) == 0 || Player_GetPosition(p) == POSITION_MANAGER)
        continue;
      const int16_t slot = BidInfo_FindFreeSlot();
      const int32_t price = attempt % 2 ? GetPlayerValue(p) : GetPlayerAskingPrice(p) / 2;
      if (MakeTransferOffer(club, p, price, Player_GetStoredPosition(p), static_cast<int16_t>(attempt % 2)) != p)
        continue;
      if (BidInfo_FindPlayer(p) == -1) BidInfo_Start(p, slot);
      targets.push_back(p);
      owners.push_back(owner);
      break;
    }
  }
  ASSERT_GE(targets.size(), 30u);

  for (int day = 0; day < 16; ++day) BidDecisionStep();

  EXPECT_EQ(WorldMoney(), moneyBefore);
  for (int16_t slot = 0; slot < NUM_BID_INFOS; ++slot) EXPECT_EQ(BidInfo_GetPlayer(slot), -1) << slot;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) EXPECT_EQ(Club_GetBidPlayer(club, slot), -1) << club;
  int moved = 0;
  for (size_t i = 0; i < targets.size(); ++i) moved += Player_GetClub(targets[i]) != owners[i];
  EXPECT_GT(moved, 0);
}

}  // namespace
