#include "world/clubs.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "clubsim/clubsvc.h"
#include "engine/rand.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/players.h"
#include "world/recordbits.h"
#include "world/static_clubs.h"

namespace {

using Setter = std::function<void(int16_t, int32_t)>;
using Getter = std::function<int32_t(int16_t)>;

#define CLUB_ACCESSORS(Name) \
  #Name, [](int16_t c, int32_t v) { Club_Set##Name(c, v); }, [](int16_t c) -> int32_t { return Club_Get##Name(c); }

struct FieldCase {
  const char* name;
  Setter set;
  Getter get;
  BitField bits;
  int32_t value;
};

// A record full of a known pattern, so that every bit a setter must leave alone is worth checking.
void FillPattern(uint8_t* bytes, int size) {
  for (int i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
}

class ClubRecordTest : public WorldTest {};

TEST_F(ClubRecordTest, EachFieldIsStoredAtItsBitsAndNothingElseChanges) {
  const FieldCase cases[] = {
      {CLUB_ACCESSORS(Balance), {0, 0, 28}, 123456789},
      {CLUB_ACCESSORS(Division), {0, 28, 3}, 5},
      {CLUB_ACCESSORS(StadiumClause), {0, 31, 1}, 1},
      {CLUB_ACCESSORS(Stand1Style), {4, 0, 3}, 6},
      {CLUB_ACCESSORS(Stand2Capacity), {4, 11, 5}, 17},
      {CLUB_ACCESSORS(Stand4Style), {4, 24, 3}, 5},
      {CLUB_ACCESSORS(Stand4Capacity), {4, 27, 5}, 29},
      {CLUB_ACCESSORS(RepPlace), {8, 0, 5}, 17},
      {CLUB_ACCESSORS(TrainingClause), {24, 26, 1}, 1},
      {CLUB_ACCESSORS(BossvaneClause), {24, 27, 1}, 1},
      {CLUB_ACCESSORS(Country), {28, 0, 5}, 8},
      {CLUB_ACCESSORS(Dietition), {36, 17, 4}, 9},
      {CLUB_ACCESSORS(DietitionContract), {36, 21, 4}, 11},
      {CLUB_ACCESSORS(ContractClause), {48, 30, 1}, 1},
      {CLUB_ACCESSORS(FinancialClause), {48, 31, 1}, 1},
      {CLUB_ACCESSORS(CoachYouth), {52, 24, 4}, 3},
      {CLUB_ACCESSORS(CoachYouthContract), {52, 28, 4}, 12},
      {CLUB_ACCESSORS(TotalWages), {56, 0, 21}, 1500000},
      {CLUB_ACCESSORS(Control), {56, 21, 3}, 1},
      {CLUB_ACCESSORS(Coach), {56, 24, 4}, 7},
      {CLUB_ACCESSORS(CoachContract), {56, 28, 4}, 10},
      {CLUB_ACCESSORS(GateReceipts), {60, 0, 24}, 9000000},
      {CLUB_ACCESSORS(CoachGKContract), {60, 28, 4}, 4},
      {CLUB_ACCESSORS(TotalSignings), {64, 0, 26}, 50000000},
      {CLUB_ACCESSORS(Rep), {64, 26, 6}, 63},
      {CLUB_ACCESSORS(TotalSales), {68, 0, 26}, 12345678},
      {CLUB_ACCESSORS(Teamwork), {68, 26, 6}, 60},
      {CLUB_ACCESSORS(MiscIn), {72, 0, 24}, 777777},
      {CLUB_ACCESSORS(CoachDF), {72, 24, 4}, 2},
      {CLUB_ACCESSORS(MiscOut), {76, 0, 24}, 16000000},
      {CLUB_ACCESSORS(CoachMDContract), {76, 28, 4}, 6},
      {CLUB_ACCESSORS(AvgAtt), {80, 0, 17}, 99999},
      {CLUB_ACCESSORS(HiringClause), {80, 17, 1}, 1},
      {CLUB_ACCESSORS(SetPieces1), {80, 18, 6}, 45},
      {CLUB_ACCESSORS(CoachFW), {80, 24, 4}, 8},
      {CLUB_ACCESSORS(Physio), {84, 0, 4}, 10},
      {CLUB_ACCESSORS(YDOContract), {84, 12, 4}, 9},
      {CLUB_ACCESSORS(Psycho), {84, 16, 4}, 1},
      {CLUB_ACCESSORS(FaithContract), {84, 28, 4}, 12},
      {CLUB_ACCESSORS(Xcoord), {88, 0, 8}, 200},
      {CLUB_ACCESSORS(Ycoord), {88, 8, 8}, 77},
      {CLUB_ACCESSORS(SeasonDispoints), {110, 0, 8}, 250},
      {CLUB_ACCESSORS(SetPieces3), {1994, 0, 6}, 33},
      {CLUB_ACCESSORS(SetPieces2), {1994, 6, 6}, 59},
      {CLUB_ACCESSORS(WeeksSponsorship), {4470, 0, 32}, -5},
      {CLUB_ACCESSORS(SeasonTVIncome), {4470 + 4 * 12, 0, 32}, 250000000},
      {CLUB_ACCESSORS(BalanceCarriedForward), {4558, 0, 32}, 7777777},
  };
  const int16_t club = tw::kLeagueClub;
  uint8_t* record = Club_GetFullRecord(club)->bytes;
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.name);
    FillPattern(record, sizeof(ClubRecord));
    SetBits(record, {56, 21, 3}, 0);  // computer-run, so the average attendance keeps no mark
    uint8_t expected[sizeof(ClubRecord)];
    std::memcpy(expected, record, sizeof expected);
    SetBits(expected, c.bits, static_cast<uint32_t>(c.value));

    c.set(club, c.value);
    EXPECT_EQ(c.get(club), c.value);
    EXPECT_EQ(std::memcmp(record, expected, sizeof expected), 0);
  }
}

TEST_F(ClubRecordTest, FieldsLandOnTheRecordsBytesLittleEndian) {
  uint8_t* r = Club_GetFullRecord(tw::kLeagueClub)->bytes;
  std::memset(r, 0, sizeof(ClubRecord));
  Club_SetBalance(tw::kLeagueClub, 0x0123456);
  Club_SetDivision(tw::kLeagueClub, 3);
  Club_SetRep(tw::kLeagueClub, 63);
  Club_SetSetPieces2(tw::kLeagueClub, 1);
  const uint8_t word0[] = {0x56, 0x34, 0x12, 0x30};
  EXPECT_EQ(std::memcmp(r, word0, 4), 0);
  EXPECT_EQ(r[67], 0xFC);   // reputation in bits 26-31 of the word at 64
  EXPECT_EQ(r[1994], 0x40);  // set pieces 2 in bits 6-11 of the word at 1994
}

struct ClampCase {
  const char* name;
  Setter set;
  Getter get;
  int32_t input;
  int32_t stored;
};

TEST_F(ClubRecordTest, SettersLimitTheirValues) {
  GameCountry = 4;
  const ClampCase cases[] = {
      {CLUB_ACCESSORS(Rep), 1, 3},
      {CLUB_ACCESSORS(Rep), 70, 63},
      {CLUB_ACCESSORS(Stand1Capacity), 40, 31},
      {CLUB_ACCESSORS(Stand3Style), -2, 0},
      {CLUB_ACCESSORS(Country), 40, 4},
      {CLUB_ACCESSORS(Country), -3, 0},
      {CLUB_ACCESSORS(Division), -1, 0},
      {CLUB_ACCESSORS(Division), 9, 7},
      {CLUB_ACCESSORS(Control), 5, 1},
      {CLUB_ACCESSORS(Teamwork), 61, 60},
      {CLUB_ACCESSORS(SetPieces3), 100, 60},
      {CLUB_ACCESSORS(RepPlace), 30, 24},
      {CLUB_ACCESSORS(Coach), 11, 10},
      {CLUB_ACCESSORS(Faith), -1, 0},
      {CLUB_ACCESSORS(CoachContract), 13, 12},
      {CLUB_ACCESSORS(HiringClause), 2, 1},
      {CLUB_ACCESSORS(AvgAtt), -5, 0},
      {CLUB_ACCESSORS(AvgAtt), (1 << 17) + 5, 5},
      {CLUB_ACCESSORS(TotalWages), -1, 0},
      {CLUB_ACCESSORS(TotalWages), (1 << 21) + 7, 7},
      {CLUB_ACCESSORS(Xcoord), 300, 44},
      {CLUB_ACCESSORS(SeasonDispoints), 257, 1},
      {CLUB_ACCESSORS(BalanceCarriedForward), -100, 0},
      {CLUB_ACCESSORS(SeasonPlayerWages), -100, -100},
      {CLUB_ACCESSORS(Balance), -1, 0},
      {CLUB_ACCESSORS(Balance), 200000000, CLUB_BALANCE_MAX},
      {CLUB_ACCESSORS(Balance), CLUB_BALANCE_MAX, CLUB_BALANCE_MAX},
  };
  for (const ClampCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.input));
    c.set(tw::kLeagueClub, c.input);
    EXPECT_EQ(c.get(tw::kLeagueClub), c.stored);
  }
}

TEST_F(ClubRecordTest, TheBalanceFieldReadsAsA28BitSignedNumber) {
  SetBits(Club_GetFullRecord(tw::kLeagueClub)->bytes, {0, 0, 28}, 0x0FFFFFFF);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), -1);
  SetBits(Club_GetFullRecord(tw::kLeagueClub)->bytes, {0, 0, 28}, 0x08000000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), -(1 << 27));
}

TEST_F(ClubRecordTest, ClubsWithoutAFullRecordAnswerTheirFixedValues) {
  const int16_t m = tw::kMinorClub;
  ASSERT_EQ(Club_GetFullRecord(m), nullptr);
  Club_SetXcoord(m, 9);
  struct {
    const char* name;
    Getter get;
    int32_t expected;
  } cases[] = {
      {"Balance", [](int16_t c) { return Club_GetBalance(c); }, 0},
      {"Division", [](int16_t c) { return Club_GetDivision(c); }, 7},
      {"Country", [](int16_t c) { return Club_GetCountry(c); }, 3},
      {"Rep", [](int16_t c) { return Club_GetRep(c); }, 33},
      {"RepPlace", [](int16_t c) { return Club_GetRepPlace(c); }, 0},
      {"Stand1Style", [](int16_t c) { return Club_GetStand1Style(c); }, 3},
      {"Stand1Capacity", [](int16_t c) { return Club_GetStand1Capacity(c); }, 20},
      {"Stand3Style", [](int16_t c) { return Club_GetStand3Style(c); }, 5},
      {"Stand3Capacity", [](int16_t c) { return Club_GetStand3Capacity(c); }, 12},
      {"Xcoord", [](int16_t c) { return Club_GetXcoord(c); }, 9},
      {"AvgAtt", [](int16_t c) { return Club_GetAvgAtt(c); }, 0},
      {"Control", [](int16_t c) { return Club_GetControl(c); }, 0},
      {"Teamwork", [](int16_t c) { return Club_GetTeamwork(c); }, 33},
      {"SetPieces1", [](int16_t c) { return Club_GetSetPieces1(c); }, 33},
      {"SetPieces2", [](int16_t c) { return Club_GetSetPieces2(c); }, 60},
      {"SetPieces3", [](int16_t c) { return Club_GetSetPieces3(c); }, 60},
      {"Coach", [](int16_t c) { return Club_GetCoach(c); }, 5},
      {"YDO", [](int16_t c) { return Club_GetYDO(c); }, 5},
      {"CoachContract", [](int16_t c) { return Club_GetCoachContract(c); }, 1},
      {"PsychoContract", [](int16_t c) { return Club_GetPsychoContract(c); }, 1},
      {"StadiumClause", [](int16_t c) { return Club_GetStadiumClause(c); }, 0},
      {"TotalSales", [](int16_t c) { return Club_GetTotalSales(c); }, 0},
      {"SeasonTVIncome", [](int16_t c) { return Club_GetSeasonTVIncome(c); }, 0},
      {"RecordSale", [](int16_t c) { return Club_GetRecordSale(c); }, 0},
      {"RecordGoals", [](int16_t c) { return Club_GetRecordGoals(c); }, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.get(m), c.expected) << c.name;
}

TEST_F(ClubRecordTest, MinorRecordsKeepTheirOwnLayout) {
  MinorClubRecord* minor = Club_GetMinorRecord(tw::kMinorClub);
  ASSERT_NE(minor, nullptr);
  EXPECT_EQ(minor, &MinorClubsBlock.minorClubs[tw::kMinorClub - NUM_FULL_CLUBS]);
  std::memset(minor->bytes, 0, sizeof *minor);
  Club_SetDivision(tw::kMinorClub, 5);
  Club_SetCountry(tw::kMinorClub, 31);
  Club_SetRep(tw::kMinorClub, 70);
  Club_SetStand2Capacity(tw::kMinorClub, 31);
  Club_SetYcoord(tw::kMinorClub, 0xAB);
  EXPECT_EQ(LoadU32(minor->bytes), 5u | 31u << 10 | 63u << 21);
  EXPECT_EQ(LoadU32(minor->bytes + 4), 31u << 11);
  EXPECT_EQ(LoadU32(minor->bytes + 8), 0xABu << 8);
}

TEST_F(ClubRecordTest, SettersOfFullRecordFieldsLeaveMinorClubsAlone) {
  MinorClubsAndIdentities before = MinorClubsBlock;
  std::vector<ClubRecord> fullBefore(ClubRecords, ClubRecords + NUM_FULL_CLUBS);
  Club_SetBalance(tw::kMinorClub, 5000);
  Club_SetTeamwork(tw::kMinorClub, 20);
  Club_SetCoach(tw::kMinorClub, 4);
  Club_SetRecordWin(tw::kMinorClub, 5, 0, 1);
  Club_SetRecordSale(tw::kMinorClub, tw::kForward, 100, 1);
  Club_SetMonthLeaguePos(tw::kMinorClub, 0, 3, 2);
  EXPECT_EQ(std::memcmp(&before, &MinorClubsBlock, sizeof before), 0);
  EXPECT_EQ(std::memcmp(fullBefore.data(), ClubRecords, sizeof ClubRecords), 0);
  EXPECT_EQ(Club_GetBalance(tw::kMinorClub), 0);
}

TEST_F(ClubRecordTest, ClubIdsPastTheWorldAnswerZeroAndChangeNothing) {
  std::vector<ClubRecord> fullBefore(ClubRecords, ClubRecords + NUM_FULL_CLUBS);
  MinorClubsAndIdentities minorBefore = MinorClubsBlock;
  for (int16_t club : {int16_t{250}, int16_t{255}, int16_t{32767}}) {
    SCOPED_TRACE(club);
    EXPECT_EQ(Club_GetBalance(club), 0);
    EXPECT_EQ(Club_GetRep(club), 0);
    EXPECT_EQ(Club_GetCountry(club), 0);
    EXPECT_EQ(Club_GetCoachContract(club), 0);
    EXPECT_EQ(Club_GetSetPieces2(club), 0);
    EXPECT_EQ(Club_GetRecordBuy(club), 0);
    EXPECT_EQ(Club_GetFullRecord(club), nullptr);
    Club_SetBalance(club, 100);
    Club_SetRep(club, 20);
    Club_SetDivision(club, 2);
    Club_SetRecordCrowd(club, 40000, 3);
  }
  EXPECT_EQ(std::memcmp(fullBefore.data(), ClubRecords, sizeof ClubRecords), 0);
  EXPECT_EQ(std::memcmp(&minorBefore, &MinorClubsBlock, sizeof minorBefore), 0);
}

TEST_F(ClubRecordTest, ANegativeClubEndsTheProgramWithTheFieldsMessage) {
  struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[] { Club_GetBalance(-1); }, "Trying to get Balance of neg club : '-1'\n"},
      {[] { Club_GetRep(-7); }, "Trying to get Rep of neg club : '-7'\n"},
      {[] { Club_GetStand2Capacity(-1); }, "Trying to get Capacity of neg club : '-1'\n"},
      {[] { Club_GetFaith(-2); }, "Trying to get Faith of neg Club : '-2'\n"},
      {[] { Club_GetFaithContract(-2); }, "Trying to get Faith contract of neg Club : '-2'\n"},
      {[] { Club_GetSeasonTVIncome(-3); }, "Trying to get SeasonTVIncome of neg club : '-3'\n"},
      {[] { Club_GetRecordGoalsTotalYear(-4); }, "Trying to get Balance of neg club : '-4'\n"},
      {[] { Club_GetMonthLeaguePos(-5, 0, 0); }, "Trying to get coach of neg Club : '-5'\n"},
  };
  for (const auto& c : cases) EXPECT_FATAL_EXIT(c.call(), c.message);
}

TEST_F(ClubRecordTest, SomeGettersAnswerANegativeClubWithoutStopping) {
  testing::internal::CaptureStdout();
  EXPECT_EQ(Club_GetCountry(-1), 0);
  EXPECT_EQ(Club_GetDivision(-1), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  testing::internal::CaptureStdout();
  EXPECT_EQ(Club_GetRepPlace(-9), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Trying to get Rep of neg club : '-9'\n");
  Club_SetRep(-1, 40);  // setters say nothing
}

TEST_F(ClubRecordTest, FatalExitEndsWithANonZeroCode) {
  EXPECT_EXIT(FatalExit(), testing::ExitedWithCode(3), "");
  EXPECT_NE(FATAL_EXIT_CODE, 0);
}

// ---- the money pool ----

class MoneyPoolTest : public WorldTest {};

TEST_F(MoneyPoolTest, LeagueClubsOfTheGameCountryHoldTheirOwnMoney) {
  Club_AddToBalance(tw::kHumanClub, 250000);
  EXPECT_EQ(Club_GetBalance(tw::kHumanClub), 1250000);
  Club_AddToBalance(tw::kLeagueClub, -100000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 400000);
  EXPECT_EQ(MoneyPool, MONEY_POOL_START);
}

TEST_F(MoneyPoolTest, EveryOtherClubsMoneyIsThePools) {
  Club_SetDivision(tw::kOutsideClub, 7);
  for (int16_t club : {int16_t{CLUB_MONEY_POOL}, tw::kForeignClub, tw::kOutsideClub, tw::kMinorClub}) {
    SCOPED_TRACE(club);
    int32_t balance = Club_GetBalance(club);
    int32_t pool = MoneyPool;
    Club_AddToBalance(club, 30000);
    EXPECT_EQ(MoneyPool, pool + 30000);
    EXPECT_EQ(Club_GetBalance(club), balance);
  }
  Club_SetDivision(tw::kOutsideClub, 6);
  Club_AddToBalance(tw::kOutsideClub, -5);
  EXPECT_EQ(MoneyPool, MONEY_POOL_START + 4 * 30000 - 5);
}

TEST_F(MoneyPoolTest, ABalanceNeverGoesBelowZeroOrPastItsField) {
  Club_AddToBalance(tw::kLeagueClub, -600000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), 0);
  Club_AddToBalance(tw::kLeagueClub, CLUB_BALANCE_MAX);
  Club_AddToBalance(tw::kLeagueClub, 2000000000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), CLUB_BALANCE_MAX);
}

TEST_F(MoneyPoolTest, WhatAFullBalanceCannotHoldGoesToThePool) {
  Club_SetBalance(tw::kLeagueClub, CLUB_BALANCE_MAX - 1000);
  Club_AddToBalance(tw::kLeagueClub, 5000);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), CLUB_BALANCE_MAX);
  EXPECT_EQ(MoneyPool, MONEY_POOL_START + 4000);
  Club_AddToBalance(tw::kLeagueClub, INT32_MAX);
  EXPECT_EQ(Club_GetBalance(tw::kLeagueClub), CLUB_BALANCE_MAX);
  EXPECT_EQ(MoneyPool, INT32_MAX);  // the pool itself is a 32-bit number
}

TEST_F(MoneyPoolTest, PaymentsBetweenClubsAndThePoolKeepTheTotal) {
  auto total = [] {
    int64_t sum = MoneyPool;
    for (int16_t c = 0; c < NUM_CLUBS; ++c) sum += Club_GetBalance(c);
    return sum;
  };
  const int64_t start = total();
  const int16_t clubs[] = {tw::kHumanClub, tw::kLeagueClub, tw::kOutsideClub, tw::kForeignClub, tw::kMinorClub};
  GameSeedRandom(1234);
  for (int i = 0; i < 5000; ++i) {
    int16_t payer = clubs[GameRandom() % 5];
    int16_t payee = GameRandom() % 3 == 0 ? int16_t{CLUB_MONEY_POOL} : clubs[GameRandom() % 5];
    int32_t amount = GameRandom() * 10;
    // A club pays only what it has; the pool and the clubs outside the league always can.
    if (Club_GetFullRecord(payer) && Club_GetDivision(payer) < 6 && Club_GetCountry(payer) == GameCountry &&
        Club_GetBalance(payer) < amount)
      continue;
    Club_AddToBalance(payer, -amount);
    Club_AddToBalance(payee, amount);
    ASSERT_EQ(total(), start) << "payment " << i;
  }
  EXPECT_NE(Club_GetBalance(tw::kHumanClub), 1000000);  // money did move
}

// ---- records, history and marks ----

class ClubHistoryTest : public WorldTest {};

TEST_F(ClubHistoryTest, RecordSettersStampTheDateOrTheSeasonYear) {
  DayOfMonth = 17;
  Month = 8;  // September
  Year = 2003;
  const int16_t c = tw::kHumanClub;
  const uint8_t* r = Club_GetFullRecord(c)->bytes;
  Club_SetRecordWin(c, 7, 33, 300);
  EXPECT_EQ(Club_GetRecordWinGoalsFor(c), 7);
  EXPECT_EQ(Club_GetRecordWinGoalsAgainst(c), 1);  // low 5 bits
  EXPECT_EQ(GetBits(r, {48, 0, 8}), 300u & 255);
  EXPECT_EQ(GetBits(r, {48, 8, 5}), 17u);
  EXPECT_EQ(GetBits(r, {44, 24, 4}), 8u);
  EXPECT_EQ(GetBits(r, {48, 13, 7}), 3u);

  Club_SetRecordGoalsTotal(c, 95);  // September: the season that ends next year
  EXPECT_EQ(Club_GetRecordGoalsTotal(c), 95);
  EXPECT_EQ(Club_GetRecordGoalsTotalYear(c), 4);
  Month = 2;
  Club_SetRecordPointsTotal(c, 300);
  EXPECT_EQ(Club_GetRecordPointsTotal(c), 300 & 255);
  EXPECT_EQ(GetBits(r, {98, 4, 7}), 3u);

  Club_SetRecordLowCrowd(c, 4321, 12);
  EXPECT_EQ(Club_GetRecordLowCrowd(c), 4321);
  EXPECT_EQ(GetBits(r, {93, 0, 8}), 12u);
  EXPECT_EQ(GetBits(r, {94, 17, 5}), 17u);
  EXPECT_EQ(GetBits(r, {98, 0, 4}), 2u);
  EXPECT_EQ(GetBits(r, {94, 22, 7}), 3u);
}

TEST_F(ClubHistoryTest, RecordFeesAreKeptInHundreds) {
  Club_SetRecordSale(tw::kHumanClub, tw::kForward, 45000, tw::kForeignClub);
  EXPECT_EQ(Club_GetRecordSale(tw::kHumanClub), 4500000);
  const uint8_t* r = Club_GetFullRecord(tw::kHumanClub)->bytes;
  EXPECT_EQ(GetBits(r, {12, 0, 26}), 45000u);
  EXPECT_EQ(GetBits(r, {16, 0, 14}), static_cast<uint32_t>(Player_GetSurname(tw::kForward)));
  EXPECT_EQ(GetBits(r, {16, 14, 8}), static_cast<uint32_t>(tw::kForeignClub));
  Club_SetRecordSale(tw::kHumanClub, tw::kForward, (1 << 26) - 1, tw::kForeignClub);
  EXPECT_EQ(Club_GetRecordSale(tw::kHumanClub), INT32_MAX);  // more than 32-bit money can say
}

TEST_F(ClubHistoryTest, ARecordBuyStoresTheSellersDatabaseNumberAndRaisesThePlayer) {
  const uint32_t sellerDbId = static_cast<uint32_t>(CountryClubList[0][tw::kForeignClub]);
  ASSERT_NE(sellerDbId, static_cast<uint32_t>(tw::kForeignClub));
  const uint8_t* r = Club_GetFullRecord(tw::kHumanClub)->bytes;
  Player_SetReputation(tw::kItalian, 61);
  Club_SetRecordBuy(tw::kHumanClub, tw::kItalian, 30000, tw::kForeignClub);
  EXPECT_EQ(Club_GetRecordBuy(tw::kHumanClub), 3000000);
  EXPECT_EQ(GetBits(r, {32, 4, 16}), sellerDbId);
  EXPECT_EQ(GetBits(r, {28, 11, 14}), static_cast<uint32_t>(Player_GetSurname(tw::kItalian)));
  EXPECT_EQ(Player_GetReputation(tw::kItalian), 63);

  Player_SetReserveSlot(tw::kFreeAgent, 17);
  Club_SetRecordBuy(tw::kHumanClub, tw::kFreeAgent, 0, PLAYER_CLUB_RESERVE_POOL);
  EXPECT_EQ(GetBits(r, {32, 4, 16}), 17u);
  Club_SetRecordBuy(tw::kHumanClub, tw::kFreeAgent, 0, PLAYER_CLUB_NONE);
  EXPECT_EQ(GetBits(r, {32, 4, 16}), 255u);
  EXPECT_EQ(Player_GetReputation(tw::kFreeAgent), 0);  // a free transfer adds nothing

  Club_SetRecordBuy(tw::kMinorClub, tw::kFreeAgent, 10, 5);  // no record to keep, but the player gains
  EXPECT_EQ(Player_GetReputation(tw::kFreeAgent), 4);
}

TEST_F(ClubHistoryTest, TheHumanClubsOldAverageCrowdIsMarked) {
  Club_SetAvgAtt(tw::kHumanClub, 20000);
  Club_SetAvgAtt(tw::kHumanClub, 25000);
  EXPECT_EQ(ClubSeasonMarks_GetPreviousAvgAtt(GetClubRecordSlot(tw::kHumanClub)), 20000);
  Club_SetAvgAtt(tw::kLeagueClub, 9000);
  Club_SetAvgAtt(tw::kLeagueClub, 9500);
  EXPECT_EQ(ClubSeasonMarks_GetPreviousAvgAtt(GetClubRecordSlot(tw::kLeagueClub)), 0);
  ClubSeasonMarks_Clear();
  EXPECT_EQ(ClubSeasonMarks_GetPreviousAvgAtt(GetClubRecordSlot(tw::kHumanClub)), 0);
}

TEST_F(ClubHistoryTest, SeasonBlocksHoldLeaguePlacesAndCrowds) {
  Club_SetMonthLeaguePos(tw::kHumanClub, 3, 14, 11);
  Club_SetSeasonAvgAtt(tw::kHumanClub, 3, 31000);
  const uint8_t* block = Club_GetFullRecord(tw::kHumanClub)->bytes + 114 + 188 * 3;
  EXPECT_EQ(block[11], 14);
  EXPECT_EQ(LoadI32(block + 24), 31000);
  EXPECT_EQ(Club_GetMonthLeaguePos(tw::kHumanClub, 3, 11), 14);
  EXPECT_EQ(Club_GetSeasonAvgAtt(3, tw::kHumanClub), 31000);
  EXPECT_EQ(Club_GetSeasonAvgAtt(3, tw::kMinorClub), 0);
  EXPECT_EQ(Club_GetSeasonAvgAtt(10, tw::kHumanClub), 0);
}

TEST_F(ClubHistoryTest, TopScorersFillOnlyFreeEntries) {
  uint8_t* scorers = Club_GetFullRecord(tw::kHumanClub)->bytes + 114 + 28;
  Club_StoreSeasonTopScorers(tw::kHumanClub, 0);  // a cleared block: nothing is free
  for (int e = 0; e < 5; ++e) EXPECT_EQ(Club_GetSeasonTopScorer(tw::kHumanClub, 0, e), 0);

  Player_SetGoals(tw::kDefender, 3);
  for (int e = 0; e < 5; ++e) StoreI16(scorers + 4 * e, -1);
  Club_StoreSeasonTopScorers(tw::kHumanClub, 0);
  // Forward (10), defender (3); the keeper never counts; the rest stay free.
  const int16_t players[] = {tw::kForward, tw::kDefender, -1, -1, -1};
  const int16_t goals[] = {10, 3, 0, 0, 0};
  for (int e = 0; e < 5; ++e) {
    EXPECT_EQ(Club_GetSeasonTopScorer(tw::kHumanClub, 0, e), players[e]) << e;
    EXPECT_EQ(Club_GetSeasonTopScorerGoals(tw::kHumanClub, 0, e), goals[e]) << e;
  }
}

TEST_F(ClubRecordTest, TheSlotMapSendsEachClubToItsRecord) {
  ClubSlotMap_Set(5, 252);  // the minor record 2
  ClubSlotMap_Set(6, 113);
  ClubSlotMap_Set(7, 114);  // neither a full record nor a minor one
  EXPECT_EQ(ClubSlots.bytes[10], 0xFC);
  EXPECT_EQ(ClubSlots.bytes[11], 0x00);
  EXPECT_EQ(Club_GetFullRecord(5), nullptr);
  EXPECT_EQ(Club_GetMinorRecord(5), &MinorClubsBlock.minorClubs[2]);
  EXPECT_EQ(GetClubRecordSlot(5), -1);
  EXPECT_EQ(Club_GetFullRecord(6), &ClubRecords[113]);
  EXPECT_EQ(GetClubRecordSlot(6), 113);
  EXPECT_EQ(Club_GetFullRecord(7), nullptr);
  EXPECT_EQ(Club_GetMinorRecord(7), nullptr);
  EXPECT_EQ(Club_GetRep(7), 0);
  Club_SetRep(7, 20);  // nowhere to keep it
  EXPECT_EQ(Club_GetFullRecord(-1), nullptr);
  EXPECT_EQ(Club_GetFullRecord(250), nullptr);
}

TEST_F(ClubRecordTest, TheMinorClubsAreDirectlyFollowedByThePlayerIdentities) {
  auto* base = static_cast<uint8_t*>(MinorClubsBlock_Address());
  EXPECT_EQ(MinorClubsBlock_Size(), 140 * 12 + 25000 * 10);
  EXPECT_EQ(base + 140 * 12, PlayerIdentities()[0].bytes);
  EXPECT_EQ(base, MinorClubsBlock.minorClubs[0].bytes);
}

}  // namespace

// Whatever is paid, overdrawn or set, the world's money less the money booked
// as entering or leaving it stays the same.
TEST_F(MoneyPoolTest, MoneyEnteringOrLeavingTheWorldIsBooked) {
  auto total = [] {
    int64_t sum = MoneyPool;
    for (int16_t c = 0; c < NUM_CLUBS; ++c) sum += Club_GetBalance(c);
    return sum - MoneyFlow_Total();
  };
  const int64_t start = total();
  Club_AddToBalance(tw::kLeagueClub, -600000);  // 100,000 more than it has
  Club_AddToBalance(CLUB_MONEY_POOL, 600000);
  EXPECT_EQ(MoneyFlow_Total(), 100000);
  EXPECT_EQ(total(), start);
  MoneyPool_Set(INT32_MAX - 10);
  EXPECT_EQ(total(), start);
  Club_AddToBalance(tw::kHumanClub, -1000);  // the pool stops at its limit
  Club_AddToBalance(CLUB_MONEY_POOL, 1000);
  EXPECT_EQ(MoneyPool, INT32_MAX);
  EXPECT_EQ(total(), start);
  MoneyPool_Set(MONEY_POOL_START);
  EXPECT_EQ(total(), start);
  GameSeedRandom(99);
  const int16_t clubs[] = {tw::kHumanClub, tw::kLeagueClub, tw::kOutsideClub, tw::kForeignClub, tw::kMinorClub,
                           CLUB_MONEY_POOL};
  for (int i = 0; i < 2000; ++i) {
    const int32_t amount = GameRandom() * 1000;
    Club_AddToBalance(clubs[GameRandom() % 6], -amount);
    Club_AddToBalance(clubs[GameRandom() % 6], amount);
    ASSERT_EQ(total(), start) << "payment " << i;
  }
}
