// The world facade's human deals, completed bids, job offers, the transfer
// log ring and its save, and the post-match writers of the club records.
#include "world/funcs_deals.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "clubsim/bids.h"
#include "clubsim/transfers.h"
#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/postmatch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/worldcheck.h"
#include "support/career_world.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/honours.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/savegame.h"
#include "world/textmess.h"

namespace {

using namespace tw;

class DealsTest : public WorldTest {
 protected:
  // The texts of the message boxes shown so far.
  static std::vector<std::string> Shown() {
    std::vector<std::string> texts;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox") texts.push_back(call.text);
    return texts;
  }
  // Every wording of a news kind expanded with the present news arguments.
  static std::set<std::string> Wordings(int kind) {
    std::set<std::string> texts;
    for (const int16_t* t = NewsKindList[kind]; *t != 0; ++t) texts.insert(ExpandMessageString(GetTextNoAddr(*t)));
    return texts;
  }
  static std::vector<int32_t> ArgsOf(const char* name) {
    for (const SeamCall& call : Seam_Calls())
      if (call.name == name) return call.args;
    return {};
  }
};

// ------------------------------------------------------------------ sales

TEST_F(DealsTest, AgreedSalesAreStoredFoundAndRemoved) {
  EXPECT_EQ(GNW_HasHumanSales(), 0);
  GNW_AddHumanSale(1, kForward, kLeagueClub);
  GNW_AddHumanSale(1, kKeeper, kForeignClub);
  GNW_AddHumanSale(1, kForward, kOutsideClub);  // a second sale of the same player
  GNW_AddHumanSale(2, kDefender, kLeagueClub);  // another manager's tables do not exist
  EXPECT_EQ(GNW_HasHumanSales(), 1);

  // Each step: what is removed, then the first sale every lookup sees.
  struct {
    int16_t remove;
    int16_t player, club;  // -1: no sale left
  } steps[] = {
      {-1, kForward, kLeagueClub},
      {kForward, kKeeper, kForeignClub},     // only the first sale of the forward goes
      {kKeeper, kForward, kOutsideClub},     // not the stale club of a removed sale
      {kDefender, kForward, kOutsideClub},   // a player never sold changes nothing
      {kForward, -1, -1},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.remove);
    GNW_RemoveHumanSale(s.remove);
    if (s.player < 0) {
      EXPECT_EQ(GNW_HasHumanSales(), 0);
      continue;
    }
    EXPECT_EQ(GNW_FindHumanSales(1), s.player);
    EXPECT_EQ(GNW_GetHumanSalePlayer(1), s.player);
    EXPECT_EQ(GNW_FindHumanSalesTeam(1), s.club);
    EXPECT_EQ(GNW_GetHumanSales(1), s.club);
  }
  for (int16_t club : HumanDealTables.saleClubs) EXPECT_EQ(club, -1);
}

TEST_F(DealsTest, ClearedSalesLeaveNoStaleBuyingClub) {
  for (auto clear : {+[] { GNW_ClearHumanSales(); }, +[] { GNW_ClearHumanDealLists(); }}) {
    GNW_AddHumanSale(1, kForward, kLeagueClub);
    clear();
    EXPECT_EQ(GNW_HasHumanSales(), 0);
    for (int s = 0; s < HUMAN_SALE_SLOTS; ++s) {
      EXPECT_EQ(HumanDealTables.salePlayers[s], -1);
      EXPECT_EQ(HumanDealTables.saleClubs[s], -1);
    }
    // A new sale after the clear is the one every lookup finds.
    GNW_AddHumanSale(1, kKeeper, kForeignClub);
    EXPECT_EQ(GNW_GetHumanSales(1), kForeignClub);
    EXPECT_EQ(GNW_FindHumanSalesTeam(1), kForeignClub);
    GNW_ClearHumanSales();
  }
  // With nothing pending the lookups are programming errors.
  EXPECT_FATAL(GNW_GetHumanSales(1), "GNW_GetHumanSales\\(\\) Can't find player for that manager.\\(File: funcs  Line: 1898\\)");
}

TEST_F(DealsTest, TheSaleTableHolds128Sales) {
  for (int16_t n = 0; n < HUMAN_SALE_SLOTS + 1; ++n) GNW_AddHumanSale(1, static_cast<int16_t>(100 + n), kLeagueClub);
  EXPECT_EQ(HumanDealTables.salePlayers[HUMAN_SALE_SLOTS - 1], 100 + HUMAN_SALE_SLOTS - 1);
  GNW_RemoveHumanSale(100 + HUMAN_SALE_SLOTS);  // the 129th was never stored
  for (int s = 0; s < HUMAN_SALE_SLOTS; ++s) EXPECT_EQ(HumanDealTables.salePlayers[s], 100 + s);
  // A freed slot takes the next sale.
  GNW_RemoveHumanSale(140);
  GNW_AddHumanSale(1, 999, kForeignClub);
  EXPECT_EQ(HumanDealTables.salePlayers[40], 999);
  EXPECT_EQ(HumanDealTables.saleClubs[40], kForeignClub);
}

TEST_F(DealsTest, LookupsWithNothingPendingEndTheProgram) {
  struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[] { GNW_FindHumanSales(1); }, "GNW_FindHumanSales\\(\\) Can't find player for that manager.\\(File: funcs  Line: 2097\\)"},
      {[] { GNW_FindHumanSalesTeam(1); },
       "GNW_FindHumanSalesTeam\\(\\) Can't find player for that manager.\\(File: funcs  Line: 2113\\)"},
      {[] { GNW_GetHumanSalePlayer(1); }, "GNW_GetHumanSales\\(\\) Can't find player for that manager.\\(File: funcs  Line: 1882\\)"},
      {[] { GNW_GetHumanContracts(1); },
       "GNW_GetHumanContracts\\(\\) Can't find player for that manager.\\(File: funcs  Line: 1866\\)"},
      {[] { GNW_FindBidSlot(kForward); }, "GNW_FindBidSlot\\(\\) Can't find player for that manager.\\(File: funcs  Line: 2055\\)"},
      {[] { GNW_CompleteHumanBid(kForward); }, "GNW_FindBidSlot\\(\\) Can't find player"},
  };
  for (const auto& c : cases) EXPECT_FATAL(c.call(), c.message);
  // Another manager's tables hold nothing either.
  GNW_AddHumanSale(1, kForward, kLeagueClub);
  HumanDeals_AddPendingContract(1, kKeeper);
  EXPECT_FATAL(GNW_FindHumanSales(2), "Line: 2097");
  EXPECT_FATAL(GNW_GetHumanContracts(2), "Line: 1866");
}

// ------------------------------------------------------------------ contracts and approaches

TEST_F(DealsTest, PendingContractsFillFourSlots) {
  EXPECT_EQ(GNW_HasPendingContracts(), 0);
  struct {
    int16_t manager, player, stored;
  } adds[] = {{1, kKeeper, 1},  {1, kDefender, 1},   {2, kItalian, 0},  {1, kForward, 1},
              {1, kKeeper, 1},  // pending already: not twice
              {1, kMidfielder, 1}, {1, kFreeAgent, 0}};
  for (const auto& a : adds) EXPECT_EQ(HumanDeals_AddPendingContract(a.manager, a.player), a.stored) << a.player;
  EXPECT_EQ(GNW_HasPendingContracts(), 1);
  EXPECT_EQ(GNW_GetHumanContracts(1), kKeeper);

  GNW_RemovePendingContract(kKeeper);
  EXPECT_EQ(GNW_GetHumanContracts(1), kDefender);
  EXPECT_EQ(HumanDeals_AddPendingContract(1, kFreeAgent), 1);  // into the freed first slot
  EXPECT_EQ(GNW_GetHumanContracts(1), kFreeAgent);
  GNW_RemovePendingContract(kItalian);  // not pending: nothing
  EXPECT_EQ(HumanDealTables.contracts[3], kMidfielder);

  GNW_ClearPendingContracts();
  EXPECT_EQ(GNW_HasPendingContracts(), 0);
}

TEST_F(DealsTest, ApproachedPlayersMostRecentFirstUntilTheListIsFull) {
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, kForward), 1);
  for (int16_t n = 0; n < HUMAN_APPROACHED_SLOTS; ++n) EXPECT_EQ(GNW_AddApproachedPlayer(1, static_cast<int16_t>(200 + n)), 1);
  for (int n = 0; n < HUMAN_APPROACHED_SLOTS; ++n) EXPECT_EQ(HumanDealTables.approached[n], 200 + HUMAN_APPROACHED_SLOTS - 1 - n);
  // The twentieth entry is used: the list takes no more.
  EXPECT_EQ(GNW_AddApproachedPlayer(1, kForward), 0);
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, kForward), 1);
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, 200), 0);
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, 219), 0);
  EXPECT_EQ(GNW_IsPlayerNotApproached(2, 219), 1);  // no other manager's list
  EXPECT_EQ(GNW_AddApproachedPlayer(2, kForward), 0);

  // The day loop's clear empties the approaches, the contracts and the sales.
  HumanDeals_AddPendingContract(1, kKeeper);
  GNW_AddHumanSale(1, kDefender, kLeagueClub);
  GNW_ClearHumanDealLists();
  EXPECT_EQ(GNW_IsPlayerNotApproached(1, 219), 1);
  EXPECT_EQ(GNW_HasPendingContracts(), 0);
  EXPECT_EQ(GNW_HasHumanSales(), 0);
  // An empty list still moves every entry back by one.
  EXPECT_EQ(GNW_AddApproachedPlayer(1, kForward), 1);
  EXPECT_EQ(GNW_AddApproachedPlayer(1, kKeeper), 1);
  EXPECT_EQ(HumanDealTables.approached[0], kKeeper);
  EXPECT_EQ(HumanDealTables.approached[1], kForward);
  EXPECT_EQ(HumanDealTables.approached[2], -1);
}

// ------------------------------------------------------------------ a won bid completed

TEST_F(DealsTest, AWonBidIsCompletedWithItsNews) {
  struct Case {
    const char* name;
    int16_t player;
    std::function<void()> setUp;
    int32_t price;  // hundreds in the human club's bid slot; -1 no slot names him
    int16_t clause;
    bool loan;
    int newsKind;
    int16_t team0, team1;  // the news arguments' clubs
    int32_t fee;
  };
  const Case cases[] = {
      {"transfer from a league club", kMidfielder, [] {}, 12345, 1, false, 0, kHumanClub, kLeagueClub, 1234500},
      {"free transfer", kMidfielder, [] {}, 0, 0, false, 5, kHumanClub, kLeagueClub, 0},
      {"no bid slot names him", kMidfielder, [] {}, -1, 0, false, 5, kHumanClub, kLeagueClub, 0},
      {"free agent", kFreeAgent, [] {}, 500, 0, false, 151, kHumanClub, PLAYER_CLUB_FREE_AGENT, 50000},
      {"reserve pool", kFreeAgent,
       [] {
         Player_SetClub(kFreeAgent, PLAYER_CLUB_RESERVE_POOL);
         Player_SetReserveSlot(kFreeAgent, 37);
       },
       800, 0, false, 0, kHumanClub, 37, 80000},
      {"loan", kMidfielder, [] { Player_SetLoanList(kMidfielder, 1); }, 1, 0, true, 4, kLeagueClub, kHumanClub, 100},
      {"a hundred for a player not loan-listed", kMidfielder, [] {}, 1, 0, false, 0, kHumanClub, kLeagueClub, 100},
      {"a player on loan comes from his loan club", kItalian,
       [] {
         Player_SetOnLoan(kItalian, 1);
         Player_SetClub(kItalian, kLeagueClub);
         Loan_SetPlayerNo(12, kItalian);
         Loan_SetLoanClub(12, kForeignClub);
       },
       2000, 0, false, 0, kHumanClub, kForeignClub, 200000},
      {"a fee beyond the money word is held at its limit", kMidfielder, [] {}, INT_MAX, 0, false, 0, kHumanClub,
       kLeagueClub, INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    BuildTestWorld();
    c.setUp();
    const int16_t bidSlot = 17;
    BidInfo_SetPlayer(bidSlot, c.player);
    BidInfo_SetDays(bidSlot, 1);
    Club_SetBid(kHumanClub, 0, kKeeper, 900, 0);  // another bid of the club stays
    if (c.price >= 0) Club_SetBid(kHumanClub, 2, c.player, c.price, c.clause);

    GNW_CompleteHumanBid(c.player);

    // The news: its arguments, and one of the kind's wordings shown.
    EXPECT_EQ(NewsArgs.teams[0], c.team0);
    EXPECT_EQ(NewsArgs.teams[1], c.team1);
    EXPECT_EQ(NewsArgs.players[0], c.player);
    EXPECT_EQ(NewsArgs.money, c.loan ? -1 : c.fee);
    EXPECT_EQ(NewsArgs.texts[0], GNW_GetPositionType(c.player) + 300);
    EXPECT_EQ(NewsArgs.numbers[0], GNW_GetPlayerAge(c.player));
    const std::vector<std::string> shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(Wordings(c.newsKind).count(shown[0]), 1u) << shown[0];

    // The move itself, then the bid records cleared.
    EXPECT_EQ(Seam_CountCalls("LoanPlayer"), c.loan ? 1 : 0);
    EXPECT_EQ(Seam_CountCalls("CompleteTransfer"), c.loan ? 0 : 1);
    if (c.loan)
      EXPECT_EQ(ArgsOf("LoanPlayer"), (std::vector<int32_t>{c.player, kHumanClub}));
    else
      EXPECT_EQ(ArgsOf("CompleteTransfer"), (std::vector<int32_t>{c.player, kHumanClub, c.fee, c.clause}));
    EXPECT_EQ(BidInfo_GetPlayer(bidSlot), -1);
    EXPECT_EQ(BidInfo_GetDays(bidSlot), 0);
    EXPECT_EQ(ArgsOf("ClubBid_WithdrawPlayer"), (std::vector<int32_t>{kHumanClub, c.player}));
    EXPECT_EQ(Club_GetBidPlayer(kHumanClub, 0), kKeeper);
    // A player the human club buys gets a squad statistics record.
    EXPECT_EQ(SquadStatRecord_GetPlayer(0), c.loan ? -1 : c.player);
  }
}

TEST_F(DealsTest, WithoutAHumanClubABidIsLeftAsItIs) {
  Club_SetControl(kHumanClub, 0);
  BidInfo_SetPlayer(3, kMidfielder);
  GNW_CompleteHumanBid(kMidfielder);
  EXPECT_EQ(BidInfo_GetPlayer(3), kMidfielder);
  EXPECT_TRUE(Seam_Calls().empty());
  EXPECT_TRUE(Shown().empty());
}

TEST_F(DealsTest, TransfersKeepTheHumanSquadStatisticsRecords) {
  SquadStatRecord_Reset(0, kKeeper);
  SquadStatRecord_Reset(2, kForward);
  struct {
    int16_t player, buyer;
    int16_t records[3];  // the first three records' players afterwards
  } steps[] = {
      {kMidfielder, kHumanClub, {kKeeper, kMidfielder, kForward}},  // bought: the first free record
      {kMidfielder, kHumanClub, {kKeeper, kMidfielder, kForward}},  // one record is enough
      {kForward, kLeagueClub, {kKeeper, kMidfielder, -1}},         // sold: his record freed
      {kItalian, kLeagueClub, {kKeeper, kMidfielder, -1}},         // between other clubs: nothing
  };
  for (const auto& s : steps) {
    GNW_TransferPlayer(s.player, s.buyer, 5000, 0);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(SquadStatRecord_GetPlayer(n), s.records[n]) << s.player << " " << n;
  }
  EXPECT_EQ(Seam_CountCalls("CompleteTransfer"), 4);
}

TEST_F(DealsTest, EndingALoanEmptiesEverySlotThatHoldsThePlayer) {
  Player_SetOnLoan(kItalian, 1);
  Player_SetLoanList(kItalian, 1);
  Player_SetClub(kItalian, kLeagueClub);
  Loan_SetPlayerNo(4, kItalian);
  Loan_SetLoanClub(4, kOutsideClub);
  Loan_SetLoanWeeks(4, 9);
  Loan_SetPlayerNo(150, kItalian);
  Loan_SetLoanClub(150, kForeignClub);
  Loan_SetLoanWeeks(150, 3);
  Loan_SetPlayerNo(5, kForward);
  Loan_SetLoanClub(5, kLeagueClub);

  GNW_EndPlayerLoanSlots(kItalian);
  EXPECT_EQ(Player_GetOnLoan(kItalian), 0);
  EXPECT_EQ(Player_GetLoanList(kItalian), 0);
  EXPECT_EQ(Player_GetClub(kItalian), kForeignClub);  // the last slot's club
  for (int16_t s : {4, 150}) {
    EXPECT_EQ(Loan_GetPlayerNo(s), -1);
    EXPECT_EQ(Loan_GetLoanClub(s), PLAYER_CLUB_NONE);
    EXPECT_EQ(Loan_GetLoanWeeks(s), 0);
  }
  EXPECT_EQ(Loan_GetPlayerNo(5), kForward);
  GNW_EndPlayerLoanSlots(-1);  // no slot holds a negative player
  EXPECT_EQ(Loan_GetPlayerNo(4), -1);
}

// ------------------------------------------------------------------ forwards

TEST_F(DealsTest, BidsAndOffersGoToTheClubSimulation) {
  int16_t patience = 77;
  struct {
    const char* name;
    std::function<int32_t()> call;
    std::vector<int32_t> args;
    int32_t answer;  // the stub's neutral answer
  } cases[] = {
      {"BidInfo_Start", [] { GNW_StartBidInfo(kForward, 9); return 0; }, {kForward, 9}, 0},
      {"ClubBid_WithdrawPlayer", [] { GNW_WithdrawClubBid(kLeagueClub, kForward); return 0; }, {kLeagueClub, kForward}, 0},
      {"ClubBid_CountForPlayer", [] { return GNW_CountBidsForPlayer(kForward, kLeagueClub); }, {kLeagueClub, kForward}, 0},
      {"MakeTransferOffer", [] { return GNW_MakeTransferOffer(kLeagueClub, kForward, 250000, 11, 1); },
       {kLeagueClub, kForward, 250000, 11, 1}, -1},
      {"EvaluateBidForPlayer", [&] { return GNW_EvaluateBidForPlayer(kForward, 90000, 2, kLeagueClub, &patience, 0, 1); },
       {kForward, 90000, 2, kLeagueClub, 0, 1}, 0},
      {"EvaluatePlayerOffer",
       [&] { return GNW_EvaluatePlayerOffer(kMidfielder, 50000, 40000, 70000, 1, kLeagueClub, &patience, 0); },
       {kMidfielder, 50000, 40000, 70000, 1, kLeagueClub, 0}, 70000},
      {"EvaluateContractOffer",
       [&] { return GNW_EvaluateContractOffer(kKeeper, kHumanClub, 24, 1, 0, 5000, &patience); },
       {kKeeper, kHumanClub, 24, 1, 0, 5000}, 0},
      {"ConcludeContractOffer",
       [&] { return GNW_ConcludeContractOffer(kKeeper, kHumanClub, 36, 0, 1, 6000, &patience); },
       {kKeeper, kHumanClub, 36, 0, 1, 6000}, 0},
      {"GetPlayerValue", [] { return GNW_GetPlayerValue(kForward); }, {kForward}, 0},
      {"GetPlayerAskingPrice", [] { return GNW_GetPlayerAskingPrice(kForward); }, {kForward}, 0},
      {"LoanPlayer", [] { GNW_LoanPlayer(kForward, kLeagueClub); return 0; }, {kForward, kLeagueClub}, 0},
      {"GetJobOfferClub", [] { return GNW_GetJobOfferClub(); }, {}, -1},
      {"GetJobOfferExpiry", [] { return GNW_GetJobOfferExpiry(); }, {}, -1},
      {"GetJobOfferKind", [] { return GNW_GetJobOfferKind(); }, {}, -1},
      {"ClearJobOffer", [] { GNW_ClearJobOffer(); return 0; }, {}, 0},
      {"ReleaseClubManager", [] { GNW_ReleaseClubManager(kLeagueClub); return 0; }, {kLeagueClub}, 0},
  };
  for (auto& c : cases) {
    SCOPED_TRACE(c.name);
    Seam_ClearCalls();
    patience = 77;
    EXPECT_EQ(c.call(), c.answer);
    ASSERT_EQ(Seam_Calls().size(), 1u);
    EXPECT_EQ(Seam_Calls()[0].name, c.name);
    EXPECT_EQ(Seam_Calls()[0].args, c.args);
    EXPECT_TRUE(patience == 77 || patience == 0);
  }
}

TEST_F(DealsTest, BidRecordsAndPlayerFieldsAreTheWorldsOwn) {
  Club_SetBid(kLeagueClub, 3, kForward, 4500, 1);
  EXPECT_EQ(GNW_GetClubBidPlayer(kLeagueClub, 3), kForward);
  EXPECT_EQ(GNW_GetClubBidPrice(kLeagueClub, 3), 4500);
  EXPECT_EQ(GNW_GetClubBidClause(kLeagueClub, 3), 1);
  GNW_SetClubBid(kLeagueClub, 1, kDefender, 700, 0);
  EXPECT_EQ(Club_GetBidPlayer(kLeagueClub, 1), kDefender);
  EXPECT_EQ(Club_GetBidPrice(kLeagueClub, 1), 700);

  EXPECT_EQ(GNW_FindFreeBidInfoSlot(), 0);
  BidInfo_SetPlayer(0, kKeeper);
  BidInfo_SetPlayer(5, kForward);
  EXPECT_EQ(GNW_FindBidInfoSlot(kForward), 5);
  EXPECT_EQ(GNW_FindBidSlot(kForward), 5);
  EXPECT_EQ(GNW_FindBidInfoSlot(kItalian), -1);
  EXPECT_EQ(GNW_FindFreeBidInfoSlot(), 1);
  EXPECT_EQ(GNW_GetBidInfoPlayer(5), kForward);
  GNW_ClearBidInfo(5);
  EXPECT_EQ(GNW_FindBidInfoSlot(kForward), -1);

  // The market price is kept only for a player with a wage.
  GNW_SetPlayerManPrice(kForward, 1500000);
  GNW_SetPlayerManPrice(kFreeAgent, 1500000);
  EXPECT_EQ(GNW_GetPlayerManPrice(kForward), 1500000);
  EXPECT_NE(GNW_GetPlayerManPrice(kFreeAgent), 1500000);
  GNW_SetPlayerSaleStatus(kForward, 1);
  EXPECT_EQ(GNW_GetPlayerSaleStatus(kForward), 1);
  Player_SetBRClause(kKeeper, 1);
  Player_SetRRClause(kDefender, 1);
  EXPECT_EQ(GNW_GetPlayerBRClause(kKeeper), 1);
  EXPECT_EQ(GNW_GetPlayerRRClause(kKeeper), 0);
  EXPECT_EQ(GNW_GetPlayerRRClause(kDefender), 1);
  EXPECT_TRUE(Seam_Calls().empty());
}

// ------------------------------------------------------------------ job offers

TEST_F(DealsTest, AnApplicationForAManagersJob) {
  // The human manager (player 0) applies to the league club.
  struct {
    int16_t managerRep, clubRep, flag, sackingClub;
    int16_t answer;
  } cases[] = {
      {30, 14, 0, -1, 1},          // more than twice the club's reputation: 1, flag or not
      {30, 15, 0, -1, 0},          // twice exactly, no flag
      {30, 15, 1, -1, 2},          // recorded as a job offer
      {20, 40, 1, -1, 2},          // half the club's exactly
      {20, 41, 1, -1, 0},          // far below the club
      {30, 14, 1, kLeagueClub, 0},  // the club that has just sacked him
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.managerRep << " " << c.clubRep << " " << c.flag);
    Seam_ClearCalls();
    Player_SetReputation(kHumanManager, c.managerRep);
    Club_SetRep(kLeagueClub, c.clubRep);
    SackingClub = c.sackingClub;
    EXPECT_EQ(GNW_ApplyForManagerJob(kLeagueClub, c.flag), c.answer);
    EXPECT_EQ(Seam_CountCalls("ApplyForManagerJob"), c.answer == 2 ? 1 : 0);
  }
  EXPECT_EQ(GNW_ApplyForManagerJob(-1, 1), 0);
  EXPECT_EQ(GNW_ApplyForManagerJob(NUM_CLUBS, 1), 0);
}

TEST_F(DealsTest, TheJobWordsAndTheVacancies) {
  EXPECT_EQ(GNW_GetJobOfferingClub(), -1);
  EXPECT_EQ(GNW_GetJobOfferPending(), 0);
  EXPECT_EQ(GNW_GetSackedHumanManager(), 0);
  JobOfferingClub = kLeagueClub;
  SackedHumanManager = 1;
  GNW_SetJobOfferPending(2);
  EXPECT_EQ(GNW_GetJobOfferingClub(), kLeagueClub);
  EXPECT_EQ(GNW_GetJobOfferPending(), 2);
  EXPECT_EQ(GNW_GetSackedHumanManager(), 1);

  // Club 1 has no manager, club 5 a caretaker; every other club of England
  // with a full record is managed. Club 2 plays outside the league and club
  // 3 in Italy.
  for (int16_t c = 4; c < NUM_FULL_CLUBS; ++c) Club_SetCountry(c, 1);
  Club_SetCountry(5, 0);
  Player_SetCaretaker(kForward, 1);
  ClubSim.getClubManager = [](int16_t club) -> int16_t {
    switch (club) {
      case kLeagueClub: return kNoManager;
      case kOutsideClub: return kNoManager;
      case kForeignClub: return kNoManager;
      case 5: return kForward;
      default: return kHumanManager;
    }
  };
  int16_t list[NUM_CLUBS];
  std::fill(std::begin(list), std::end(list), 77);
  EXPECT_EQ(GNW_ListManagerVacancies(list), 2);
  EXPECT_EQ(list[0], kLeagueClub);
  EXPECT_EQ(list[1], 5);
  for (int n = 2; n < NUM_CLUBS; ++n) EXPECT_EQ(list[n], -1) << n;
}

// ------------------------------------------------------------------ the transfer log

TEST_F(DealsTest, ALoggedTransferKeepsDatabaseNumbersAndTheDate) {
  DayOfMonth = 17;
  Month = 1;
  Year = 2001;
  Player_SetClub(kFreeAgent, PLAYER_CLUB_RESERVE_POOL);
  Player_SetReserveSlot(kFreeAgent, 42);
  struct {
    int16_t seller, buyer, player;
    int32_t fee;
    int16_t loggedSeller, loggedBuyer;
  } cases[] = {
      {kLeagueClub, kHumanClub, kMidfielder, 250000, GNW_GetClubDbId(kLeagueClub), GNW_GetClubDbId(kHumanClub)},
      {PLAYER_CLUB_RESERVE_POOL, kLeagueClub, kFreeAgent, 0, 42, GNW_GetClubDbId(kLeagueClub)},
      {kHumanClub, PLAYER_CLUB_FREE_AGENT, kForward, 0, GNW_GetClubDbId(kHumanClub), PLAYER_CLUB_FREE_AGENT},
  };
  int16_t n = 0;
  for (const auto& c : cases) {
    TransferLog_Append(c.seller, c.buyer, c.player, c.fee);
    const TransferLogEntry* e = GNW_GetTransferLogEntry(n++);
    EXPECT_EQ(e->sellingClub, c.loggedSeller);
    EXPECT_EQ(e->buyingClub, c.loggedBuyer);
    EXPECT_EQ(e->player, c.player);
    EXPECT_EQ(e->fee, c.fee);
    EXPECT_EQ(e->day, 17);
    EXPECT_EQ(e->month, 1);
    EXPECT_EQ(e->year, 2001);
  }
  // The transfer routine names the clubs itself.
  TransferLog_Add(612, 37, kItalian, 9900);
  EXPECT_EQ(GNW_GetTransferLogEntry(3)->sellingClub, 612);
  EXPECT_EQ(GNW_GetTransferLogEntry(3)->buyingClub, 37);
  EXPECT_EQ(GNW_GetTransferLogEntry(3)->day, 17);
  EXPECT_EQ(TransferLogIndex, 4);
  EXPECT_EQ(TransferLog_Count(), 4);
  // Outside the ring: an entry never written.
  for (int16_t bad : {-1, 10000}) {
    EXPECT_EQ(GNW_GetTransferLogEntry(bad)->buyingClub, -1);
    EXPECT_EQ(GNW_GetTransferLogEntry(bad)->fee, -1);
  }
}

TEST_F(DealsTest, TheRingWrapsAtTenThousandAndReadersSeeTheNewestFirst) {
  // The fee of the i-th transfer (1-based) is i.
  auto log = [](int from, int to) {
    for (int i = from; i <= to; ++i) TransferLog_Append(kLeagueClub, kHumanClub, kMidfielder, i);
  };
  log(1, 3);
  EXPECT_EQ(TransferLog_Count(), 3);
  EXPECT_EQ(TransferLog_GetRecent(0)->fee, 3);
  EXPECT_EQ(TransferLog_GetRecent(2)->fee, 1);
  EXPECT_EQ(TransferLog_GetRecent(3), nullptr);
  EXPECT_EQ(TransferLog_GetRecent(-1), nullptr);

  log(4, TRANSFER_LOG_ENTRIES);
  EXPECT_EQ(TransferLogIndex, TRANSFER_LOG_ENTRIES);  // full, not yet wrapped
  EXPECT_EQ(GNW_GetTransferLogEntry(9999)->fee, 10000);
  EXPECT_EQ(TransferLog_GetRecent(0)->fee, 10000);

  // The 10,001st overwrites entry 0; the 10,002nd entry 1.
  log(TRANSFER_LOG_ENTRIES + 1, TRANSFER_LOG_ENTRIES + 2);
  EXPECT_EQ(TransferLogIndex, 2);
  EXPECT_EQ(GNW_GetTransferLogEntry(0)->fee, 10001);
  EXPECT_EQ(GNW_GetTransferLogEntry(1)->fee, 10002);
  EXPECT_EQ(GNW_GetTransferLogEntry(2)->fee, 3);
  EXPECT_EQ(TransferLog_Count(), TRANSFER_LOG_ENTRIES);
  struct {
    int16_t k;
    int32_t fee;
  } recent[] = {{0, 10002}, {1, 10001}, {2, 10000}, {3, 9999}, {9999, 3}};
  for (const auto& r : recent) EXPECT_EQ(TransferLog_GetRecent(r.k)->fee, r.fee) << r.k;
  EXPECT_EQ(TransferLog_GetRecent(TRANSFER_LOG_ENTRIES), nullptr);

  // A new game starts the ring afresh from entry 0.
  GNW_ClearTransferLog();
  EXPECT_EQ(TransferLogIndex, 0);
  EXPECT_EQ(TransferLog_Count(), 0);
  for (const TransferLogEntry& e : TransferLog) {
    EXPECT_EQ(e.sellingClub, -1);
    EXPECT_EQ(e.year, -1);
  }
  log(1, 1);
  EXPECT_EQ(GNW_GetTransferLogEntry(0)->fee, 1);
}

TEST_F(DealsTest, AClubsTransferTotalsOverTheWholeLog) {
  TransferLog_Append(kLeagueClub, kHumanClub, kMidfielder, 300000);
  TransferLog_Append(kHumanClub, kLeagueClub, kForward, 120000);
  TransferLog_Append(kHumanClub, kForeignClub, kDefender, 80000);
  TransferLog_Append(kForeignClub, kLeagueClub, kItalian, 50000);
  TransferLog_Append(kHumanClub, kHumanClub, kKeeper, 10);  // bought, not sold as well
  struct {
    int16_t club;
    int32_t sold, bought;
    int16_t soldCount, boughtCount;
  } cases[] = {
      {kHumanClub, 200000, 300010, 2, 2},
      {kLeagueClub, 300000, 170000, 1, 2},
      {kForeignClub, 50000, 80000, 1, 1},
      {kOutsideClub, 0, 0, 0, 0},
      {-1, 0, 0, 0, 0},
      {NUM_CLUBS, 0, 0, 0, 0},
  };
  for (const auto& c : cases) {
    int32_t sold = 9, bought = 9;
    int16_t soldCount = 9, boughtCount = 9;
    GNW_GetClubTransferTotals(c.club, &sold, &bought, &soldCount, &boughtCount);
    EXPECT_EQ(sold, c.sold) << c.club;
    EXPECT_EQ(bought, c.bought) << c.club;
    EXPECT_EQ(soldCount, c.soldCount) << c.club;
    EXPECT_EQ(boughtCount, c.boughtCount) << c.club;
  }
  // Sums beyond the money word are held at its limit.
  TransferLog_Append(kLeagueClub, kOutsideClub, kMidfielder, INT_MAX);
  TransferLog_Append(kLeagueClub, kOutsideClub, kMidfielder, INT_MAX);
  int32_t sold, bought;
  int16_t soldCount, boughtCount;
  GNW_GetClubTransferTotals(kOutsideClub, &sold, &bought, &soldCount, &boughtCount);
  EXPECT_EQ(bought, INT_MAX);
  EXPECT_EQ(boughtCount, 2);
  GNW_GetClubTransferTotals(kLeagueClub, &sold, &bought, &soldCount, &boughtCount);
  EXPECT_EQ(sold, INT_MAX);
}

// ------------------------------------------------------------------ saved with the game

class DealsSaveTest : public DealsTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    DealsTest::SetUp();
    scratch.emplace("gafferon_deals");
    std::filesystem::create_directories("SaveData");
    StartWindowAndTimer();  // the containers poll the window
  }
  void TearDown() override {
    scratch.reset();
    DealsTest::TearDown();
  }
  static std::vector<uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
  static void WriteFile(const char* path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  static size_t BlockAt(int block) {
    size_t at = 16 + 4;
    for (int b = 0; b < block; ++b) at += 4 + static_cast<size_t>(SaveFile_BlockSize(SAVE_FILE_GAME, b));
    return at;
  }
};

TEST_F(DealsSaveTest, TheLogAndTheDealsGoRoundTheSave) {
  Year = 2003;
  TransferLogIndex = 9999;
  TransferLog_Append(kLeagueClub, kHumanClub, kMidfielder, 1234567);  // entry 9999
  TransferLog_Append(kHumanClub, kForeignClub, kForward, -5);         // entry 0 after the wrap
  GNW_AddHumanSale(1, kKeeper, kLeagueClub);
  GNW_AddHumanSale(1, kDefender, kForeignClub);
  GNW_RemoveHumanSale(kKeeper);
  HumanDeals_AddPendingContract(1, kItalian);
  const auto logBefore = std::vector<TransferLogEntry>(std::begin(TransferLog), std::end(TransferLog));
  const HumanDealTablesRecord dealsBefore = HumanDealTables;
  ASSERT_EQ(SaveGameSlot(2), SAVE_OK) << SaveGame_LastError();

  // The file holds the log field by field, little-endian.
  const std::vector<uint8_t> file = ReadFile("SaveData/save2");
  const uint8_t* entry = &file[BlockAt(SAV0_TRANSFER_LOG) + 9999 * 16];
  EXPECT_EQ(LoadI16(entry), GNW_GetClubDbId(kLeagueClub));
  EXPECT_EQ(LoadI16(entry + 2), GNW_GetClubDbId(kHumanClub));
  EXPECT_EQ(LoadI16(entry + 4), kMidfielder);
  EXPECT_EQ(LoadI32(entry + 6), 1234567);
  EXPECT_EQ(LoadI16(entry + 10), DayOfMonth);
  EXPECT_EQ(LoadI16(entry + 12), Month);
  EXPECT_EQ(LoadI16(entry + 14), 2003);
  EXPECT_EQ(LoadI16(&file[BlockAt(SAV0_TRANSFER_LOG_INDEX)]), 1);
  EXPECT_EQ(LoadI16(&file[BlockAt(SAV0_DEAL_SALE_PLAYERS) + 2]), kDefender);
  EXPECT_EQ(LoadI16(&file[BlockAt(SAV0_DEAL_SALE_CLUBS) + 2]), kForeignClub);
  EXPECT_EQ(LoadI16(&file[BlockAt(SAV0_DEAL_SALE_CLUBS)]), -1);
  EXPECT_EQ(LoadI16(&file[BlockAt(SAV0_DEAL_CONTRACTS)]), kItalian);

  GNW_ClearTransferLog();
  GNW_ClearHumanDealLists();
  ASSERT_EQ(LoadGameSlot(2), SAVE_OK) << SaveGame_LastError();
  EXPECT_EQ(TransferLogIndex, 1);
  EXPECT_EQ(std::memcmp(TransferLog, logBefore.data(), sizeof TransferLog), 0);
  EXPECT_EQ(std::memcmp(&HumanDealTables.saleClubs, &dealsBefore.saleClubs, sizeof dealsBefore.saleClubs), 0);
  EXPECT_EQ(std::memcmp(&HumanDealTables.salePlayers, &dealsBefore.salePlayers, sizeof dealsBefore.salePlayers), 0);
  EXPECT_EQ(std::memcmp(&HumanDealTables.contracts, &dealsBefore.contracts, sizeof dealsBefore.contracts), 0);
  EXPECT_EQ(TransferLog_GetRecent(0)->fee, -5);
  EXPECT_EQ(TransferLog_GetRecent(1)->fee, 1234567);
}

TEST_F(DealsSaveTest, ADamagedLogOrDealBlockIsRefusedAndChangesNothing) {
  TransferLog_Append(kLeagueClub, kHumanClub, kMidfielder, 1000);
  GNW_AddHumanSale(1, kKeeper, kLeagueClub);
  ASSERT_EQ(SaveGameSlot(2), SAVE_OK) << SaveGame_LastError();
  const std::vector<uint8_t> good = ReadFile("SaveData/save2");
  // What the world holds when the loads are tried: something else.
  TransferLog_Append(kHumanClub, kLeagueClub, kForward, 7);
  GNW_ClearHumanSales();
  const std::vector<uint8_t> world = SaveFile_WorldImage(SAVE_FILE_GAME);

  struct {
    const char* name;
    int block, offset;
    int16_t value;
    const char* message;
  } damages[] = {
      {"player past the file's players", SAV0_TRANSFER_LOG, 4, kPlayerCount, "transfer log entry 0: player 8 is outside 0-7"},
      {"player -2", SAV0_TRANSFER_LOG, 16 * 5000 + 4, -2, "transfer log entry 5000: player -2"},
      {"buying club", SAV0_TRANSFER_LOG, 2, 1200, "transfer log entry 0: buying club 1200 is outside 0-1199"},
      {"day", SAV0_TRANSFER_LOG, 10, 0, "transfer log entry 0: day 0 is outside 1-31"},
      {"month", SAV0_TRANSFER_LOG, 16 * 9999 + 12, 12, "transfer log entry 9999: month 12 is outside 0-11"},
      {"write index", SAV0_TRANSFER_LOG_INDEX, 0, 10001, "transfer log write index 10001"},
      {"sale player", SAV0_DEAL_SALE_PLAYERS, 2 * 127, kPlayerCount, "an agreed sale names player 8"},
      {"sale club", SAV0_DEAL_SALE_CLUBS, 0, -1, "an agreed sale names club -1"},
      {"contract player", SAV0_DEAL_CONTRACTS, 6, -3, "a pending contract names player -3"},
  };
  for (const auto& d : damages) {
    SCOPED_TRACE(d.name);
    std::vector<uint8_t> bad = good;
    StoreI16(&bad[BlockAt(d.block) + static_cast<size_t>(d.offset)], d.value);
    WriteFile("SaveData/save2", bad);
    EXPECT_EQ(LoadGameSlot(2), SAVE_WRONG_FILE);
    EXPECT_NE(std::string(SaveGame_LastError()).find(d.message), std::string::npos) << SaveGame_LastError();
    EXPECT_TRUE(SaveFile_WorldImage(SAVE_FILE_GAME) == world);
  }
  WriteFile("SaveData/save2", good);
  ASSERT_EQ(LoadGameSlot(2), SAVE_OK) << SaveGame_LastError();
  EXPECT_EQ(GNW_GetHumanSales(1), kLeagueClub);
  EXPECT_EQ(TransferLog_GetRecent(0)->fee, 1000);
}

// ------------------------------------------------------------------ after a played season

class DealsCareerTest : public CareerWorldTest {};

// In the world a season of the day loop leaves: the human club's won bid for
// another club's player is completed by the transfer market with its news,
// the money kept and the transfer logged, and a log of real transfers goes
// round the save and adds up.
TEST_F(DealsCareerTest, AfterASeasonABidIsCompletedAndTheLogGoesRoundTheSave) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 1});
  ASSERT_GE(human, 0);
  EXPECT_EQ(GNW_GetHumanClub(1), human);
  // The day loop's clear left no deal pending.
  EXPECT_EQ(GNW_HasHumanSales(), 0);
  EXPECT_EQ(GNW_HasPendingContracts(), 0);

  // Players of other league clubs, with a wage, no manager, not on loan.
  std::vector<int16_t> targets;
  for (int16_t p = 2; p < PlayerCount && targets.size() < 4; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club < 0 || club >= NUM_CLUBS || club == human || Club_GetDivision(club) >= NUM_DIVISIONS ||
        Player_GetPosition(p) == POSITION_MANAGER || Player_GetWage(p) == 0 || Player_GetOnLoan(p) != 0)
      continue;
    targets.push_back(p);
  }
  ASSERT_EQ(targets.size(), 4u);

  // The bid: an answer slot and a free bid slot of the human club.
  const int16_t target = targets[0], seller = Player_GetClub(target);
  const int16_t answer = GNW_FindFreeBidInfoSlot();
  ASSERT_GE(answer, 0);
  int16_t bidSlot = -1;
  for (int16_t s = 0; s < NUM_CLUB_BIDS && bidSlot < 0; ++s)
    if (GNW_GetClubBidPlayer(human, s) == -1) bidSlot = s;
  ASSERT_GE(bidSlot, 0);
  BidInfo_SetPlayer(answer, target);
  BidInfo_SetDays(answer, 1);
  // The log from here on holds this test's transfers, the ring about to wrap.
  GNW_ClearTransferLog();
  TransferLogIndex = TRANSFER_LOG_ENTRIES - 2;
  GNW_SetClubBid(human, bidSlot, target, 4200, 0);
  // The club simulation's transfer market moves him, as in the game (its
  // news ticker waits for pointer frames: the virtual clock moves whenever
  // the game waits).
  PlatSetVirtualAutoAdvance(true);
  ClubSim.completeTransfer = CompleteTransfer;
  ClubSim.clubBidWithdrawPlayer = ClubBid_WithdrawPlayer;
  WorldRecords.addTransferLogEntry = TransferLog_Add;
  const int64_t money = WorldCheck_TotalMoney() - MoneyFlow_Total();
  MenuPrims_ClearCalls();
  GNW_CompleteHumanBid(target);
  EXPECT_EQ(BidInfo_GetPlayer(answer), -1);
  EXPECT_EQ(GNW_GetClubBidPlayer(human, bidSlot), -1);
  EXPECT_EQ(Player_GetClub(target), human);
  EXPECT_EQ(WorldCheck_TotalMoney() - MoneyFlow_Total(), money);
  const TransferLogEntry* signing = TransferLog_GetRecent(0);
  ASSERT_NE(signing, nullptr);
  EXPECT_EQ(signing->sellingClub, GNW_GetClubDbId(seller));
  EXPECT_EQ(signing->buyingClub, GNW_GetClubDbId(human));
  EXPECT_EQ(signing->player, target);
  EXPECT_EQ(signing->fee, 420000);
  // The signing's news comes first (the transfer itself may tell more).
  std::vector<std::string> shown;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") shown.push_back(call.text);
  ASSERT_FALSE(shown.empty());
  EXPECT_NE(shown[0].find(GNW_GetPlayerName(target)), std::string::npos) << shown[0];
  EXPECT_NE(shown[0].find(GNW_GetClubName(GNW_GetClubDbId(seller))), std::string::npos) << shown[0];
  EXPECT_NE(shown[0].find(GNW_GetClubName(GNW_GetClubDbId(human))), std::string::npos) << shown[0];
  bool recorded = false;
  for (int n = 0; n < SQUAD_STAT_RECORDS; ++n) recorded |= SquadStatRecord_GetPlayer(n) == target;
  EXPECT_TRUE(recorded);

  // Three more transfers into the human club, logged across the ring's end.
  for (int i = 1; i < 4; ++i) TransferLog_Append(Player_GetClub(targets[i]), human, targets[i], 100000 * i);
  EXPECT_EQ(TransferLogIndex, 2);
  EXPECT_EQ(TransferLog_Count(), 4);
  int32_t sold, bought;
  int16_t soldCount, boughtCount;
  GNW_GetClubTransferTotals(human, &sold, &bought, &soldCount, &boughtCount);
  EXPECT_EQ(boughtCount, 4);
  EXPECT_EQ(bought, 420000 + 600000);
  EXPECT_EQ(soldCount, 0);
  GNW_GetClubTransferTotals(seller, &sold, &bought, &soldCount, &boughtCount);
  EXPECT_GE(soldCount, 1);
  EXPECT_GE(sold, 420000);
  const TransferLogEntry* newest = TransferLog_GetRecent(0);
  ASSERT_NE(newest, nullptr);
  EXPECT_EQ(newest->player, targets[3]);
  EXPECT_EQ(newest->sellingClub, GNW_GetClubDbId(Player_GetClub(targets[3])));
  EXPECT_EQ(newest->year, Year);

  const std::vector<TransferLogEntry> log(std::begin(TransferLog), std::end(TransferLog));
  constexpr int16_t kSlot = 7;
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  GNW_ClearTransferLog();
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  EXPECT_EQ(TransferLogIndex, 2);
  EXPECT_EQ(std::memcmp(TransferLog, log.data(), sizeof TransferLog), 0);
  std::filesystem::remove(std::filesystem::path("SaveData") / "save7");
  std::filesystem::remove(std::filesystem::path("SaveData") / "perm7");
}

// ------------------------------------------------------------------ post-match writers

class PostMatchWritersTest : public DealsTest {
 protected:
  ClubRecord* record = nullptr;
  std::vector<uint8_t> result = std::vector<uint8_t>(MATCH_RESULT_SIZE, 0);
  uint8_t* team = nullptr;
  void SetUp() override {
    DealsTest::SetUp();
    record = Club_GetFullRecord(kHumanClub);
    ASSERT_NE(record, nullptr);
    team = result.data() + TEAM_MATCH_RECORD_OFFSET[0];
  }
  uint8_t* Pair(int n) { return record->bytes + CLUB_DISCIPLINE_LOG + 2 * n; }
};

TEST_F(PostMatchWritersTest, CardPairsStopAtTheEndOfTheClubsList) {
  struct {
    int used;      // pairs of the club's list in use
    int cards;     // pairs in the team record before an end pair
    int written;   // pairs the club's list gains
  } cases[] = {{0, 3, 3}, {10, 20, 20}, {198, 5, 2}, {200, 5, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.used);
    std::memset(record->bytes + CLUB_DISCIPLINE_LOG, 0xFF, 2 * CLUB_DISCIPLINE_PAIRS);
    for (int n = 0; n < c.used; ++n) {
      Pair(n)[0] = 1;
      Pair(n)[1] = 9;
    }
    std::memset(team + TEAM_CARD_LIST, 0xFF, 2 * TEAM_CARD_LIST_ENTRIES);
    for (int k = 0; k < c.cards && k < TEAM_CARD_LIST_ENTRIES; ++k) {
      team[TEAM_CARD_LIST + 2 * k] = static_cast<uint8_t>(50 + k);
      team[TEAM_CARD_LIST + 2 * k + 1] = 2;
    }
    if (c.cards < TEAM_CARD_LIST_ENTRIES) team[TEAM_CARD_LIST + 2 * c.cards + 1] = 0;  // the end pair
    std::vector<uint8_t> after(record->bytes + CLUB_MATCH_TOTALS, record->bytes + sizeof record->bytes);

    GNW_AddMatchEventsToClub(record, team);
    int gained = 0;
    for (int n = c.used; n < CLUB_DISCIPLINE_PAIRS; ++n)
      if (Pair(n)[0] != 0xFF) {
        EXPECT_EQ(Pair(n)[0], 50 + gained);
        EXPECT_EQ(Pair(n)[1], 2);
        ++gained;
      }
    EXPECT_EQ(gained, c.written);
    // Nothing behind the list is touched.
    EXPECT_TRUE(std::equal(after.begin(), after.end(), record->bytes + CLUB_MATCH_TOTALS));
  }
}

TEST_F(PostMatchWritersTest, TotalsGoalsAndTheFixturesPlayerEntries) {
  // The ten totals add into the block of the side.
  for (int k = 0; k < CLUB_MATCH_TOTAL_COUNT; ++k) {
    StoreI16(team + TEAM_MATCH_TOTALS + 2 * k, static_cast<int16_t>(k + 1));
    StoreI16(record->bytes + CLUB_MATCH_TOTALS + 2 * CLUB_MATCH_TOTAL_COUNT + 2 * k, 100);
  }
  GNW_AddMatchStatsToClub(record, team, 1);
  GNW_AddMatchStatsToClub(record, team, 1);
  for (int k = 0; k < CLUB_MATCH_TOTAL_COUNT; ++k) {
    EXPECT_EQ(LoadI16(record->bytes + CLUB_MATCH_TOTALS + 2 * CLUB_MATCH_TOTAL_COUNT + 2 * k), 100 + 2 * (k + 1));
    EXPECT_EQ(LoadI16(record->bytes + CLUB_MATCH_TOTALS + 2 * k), 0);
  }

  // Goals scored fill the first halves, goals conceded (the other side's
  // list) the second halves, each from its first free item.
  uint8_t* items = record->bytes + CLUB_GOAL_LOG;
  for (int i = 0; i < CLUB_GOAL_LOG_ITEMS; ++i) {
    StoreI16(items + i * CLUB_GOAL_LOG_ITEM_SIZE, i < 125 ? 1 : -1);
    StoreI16(items + i * CLUB_GOAL_LOG_ITEM_SIZE + CLUB_GOAL_LOG_HALF, -1);
  }
  uint8_t* other = result.data() + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOAL_LIST;
  for (int k = 0; k < TEAM_GOAL_LIST_ENTRIES; ++k) {
    StoreI16(team + TEAM_GOAL_LIST + 8 * k, k < 3 ? kForward : -1);
    team[TEAM_GOAL_LIST + 8 * k + 2] = static_cast<uint8_t>(10 + k);  // minute
    team[TEAM_GOAL_LIST + 8 * k + 7] = 5;                              // competition
    StoreI16(other + 8 * k, k < 1 ? kItalian : -1);
  }
  GNW_AddMatchLogToClub(record, result.data(), team + TEAM_GOAL_LIST, 0);
  EXPECT_EQ(LoadI16(items + 125 * CLUB_GOAL_LOG_ITEM_SIZE), kForward);
  EXPECT_EQ(items[126 * CLUB_GOAL_LOG_ITEM_SIZE + 2], 11);
  EXPECT_EQ(items[126 * CLUB_GOAL_LOG_ITEM_SIZE + 7], 5);  // the third goal finds no item left
  EXPECT_EQ(LoadI16(items + CLUB_GOAL_LOG_HALF), kItalian);
  EXPECT_EQ(LoadI16(items + CLUB_GOAL_LOG_ITEM_SIZE + CLUB_GOAL_LOG_HALF), -1);

  // A fixture's entry from the player's match statistics.
  struct {
    int16_t mark, goals, card;
    bool manOfMatch;
    uint8_t flags;
  } cases[] = {
      {7, 2, 0, false, 0x02},
      {6, 33, 1, false, 0x01 | FIXTURE_ENTRY_BOOKED},
      {5, 0, 2, false, FIXTURE_ENTRY_BOOKED | FIXTURE_ENTRY_SENT_OFF},
      {4, 0, 3, true, FIXTURE_ENTRY_SENT_OFF | FIXTURE_ENTRY_MAN_OF_MATCH},
      {0x1209, 0, 0, false, 0},
  };
  FixtureRecord fixture{};
  for (const auto& c : cases) {
    GNW_ClearFixturePlayerEntries(&fixture, 1);
    uint8_t* s = team + TEAM_PLAYER_STATS + 3 * MATCH_PLAYER_STATS_SIZE;
    StoreI16(s + PLAYER_STATS_MARK, c.mark);
    StoreI16(s + PLAYER_STATS_GOALS, c.goals);
    StoreI16(s + PLAYER_STATS_CARD_STATE, c.card);
    StoreI16(s + PLAYER_STATS_RECORD + MATCH_RECORD_PLAYER, kForward);
    StoreI16(team + TEAM_MAN_OF_MATCH, c.manOfMatch ? kForward : kKeeper);
    GNW_SetFixturePlayerEntry(&fixture, 1, 3, team);
    const uint8_t* entry = fixture.bytes + FIXTURE_SIDE_OFFSET[1] + 3 * FIXTURE_PLAYER_ENTRY_SIZE;
    EXPECT_EQ(LoadI16(entry), kForward);
    EXPECT_EQ(entry[2], c.mark & 0xFF);
    EXPECT_EQ(entry[3], c.flags) << c.card;
    EXPECT_EQ(LoadI16(fixture.bytes + FIXTURE_SIDE_OFFSET[1]), -1);  // entry 0 still cleared
  }
}

}  // namespace
