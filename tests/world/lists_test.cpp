#include "world/lists.h"

#include <cstring>
#include <functional>
#include <vector>

#include "support/test_world.h"
#include "world/players.h"
#include "world/recordbits.h"

namespace {

class ListsTest : public WorldTest {};

TEST_F(ListsTest, ANewWorldHasEmptyLists) {
  EXPECT_EQ(Patient_GetPlayerNo(399), -1);
  EXPECT_EQ(Patient_GetInjuryTime(0), 0);
  EXPECT_EQ(Loan_GetPlayerNo(0), -1);
  EXPECT_EQ(Loan_GetLoanClub(199), 255);
  EXPECT_EQ(Club_GetBidPlayer(249, 3), -1);
  EXPECT_EQ(BidInfo_GetPlayer(399), -1);
  EXPECT_EQ(BidInfo_FindFreeSlot(), 0);
  EXPECT_EQ(Reserve_GetPlayer(149), -1);
  EXPECT_EQ(InjuryList_FindPlayer(tw::kKeeper), -1);
}

TEST_F(ListsTest, EntriesAreLaidOutByteForByte) {
  Patient_SetPlayerNo(5, 0x1234);
  Patient_SetInjuryType(5, 7);
  Patient_SetInjuryTime(5, 300);
  const uint8_t patient[] = {0x34, 0x12, 7, 255};
  EXPECT_EQ(std::memcmp(PatientList[5].bytes, patient, 4), 0);

  Loan_SetPlayerNo(9, 1000);
  Loan_SetLoanClub(9, 42);
  Loan_SetLoanWeeks(9, -4);
  const uint8_t loan[] = {0xE8, 0x03, 42, 0};
  EXPECT_EQ(std::memcmp(LoanList[9].bytes, loan, 4), 0);

  Club_SetBid(7, 2, 321, 45000, -2);
  const uint8_t* bids = ClubBidTable[7].bytes;
  EXPECT_EQ(LoadI16(bids + 4), 321);
  EXPECT_EQ(LoadI16(bids + 12), -2);
  EXPECT_EQ(LoadI32(bids + 24), 45000);
  EXPECT_EQ(Club_GetBidPrice(7, 2), 45000);
  EXPECT_EQ(Club_GetBidClause(7, 2), -2);

  BidInfo_SetPlayer(1, 0x0102);
  BidInfo_SetDays(1, 20);
  const uint8_t info[] = {0x02, 0x01, 15};
  EXPECT_EQ(std::memcmp(BidInfoList[1].bytes, info, 3), 0);
  EXPECT_EQ(sizeof BidInfoList, 1200u);

  std::memset(ReservePool[3].bytes, 0xAA, sizeof(ReserveSlot));
  Reserve_SetClub(3, 0x1FE);
  Reserve_SetPlayer(3, 777);
  Reserve_SetInUse(3, 1);
  Reserve_SetPicked(3, 0);
  const uint8_t reserve[] = {0xFE, 0xAA, 0xAA, 0xAA, 0x09, 0x03, 0xA9, 0xAA, 0xAA, 0xAA};
  EXPECT_EQ(std::memcmp(ReservePool[3].bytes, reserve, 10), 0);
}

TEST_F(ListsTest, ValuesAreLimitedToTheirFields) {
  struct {
    std::function<void(int32_t)> set;
    std::function<int32_t()> get;
    int32_t input;
    int32_t stored;
  } cases[] = {
      {[](int32_t v) { Patient_SetInjuryTime(0, v); }, [] { return Patient_GetInjuryTime(0); }, 300, 255},
      {[](int32_t v) { Patient_SetInjuryTime(0, v); }, [] { return Patient_GetInjuryTime(0); }, -4, 0},
      {[](int32_t v) { Patient_SetInjuryType(0, v); }, [] { return Patient_GetInjuryType(0); }, 256, 255},
      {[](int32_t v) { Loan_SetLoanClub(0, v); }, [] { return Loan_GetLoanClub(0); }, 400, 255},
      {[](int32_t v) { Loan_SetLoanWeeks(0, v); }, [] { return Loan_GetLoanWeeks(0); }, 13, 13},
      {[](int32_t v) { BidInfo_SetDays(0, v); }, [] { return BidInfo_GetDays(0); }, 20, 15},
      {[](int32_t v) { BidInfo_SetDays(0, v); }, [] { return BidInfo_GetDays(0); }, -1, 0},
      {[](int32_t v) { Reserve_SetClub(0, v); }, [] { return Reserve_GetClub(0); }, 0x1FF, 0xFF},
  };
  for (const auto& c : cases) {
    c.set(c.input);
    EXPECT_EQ(c.get(), c.stored) << c.input;
  }
}

TEST_F(ListsTest, TheReserveFlagsAreTwoIndependentBits) {
  testing::internal::CaptureStdout();
  Reserve_SetPicked(8, 2);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Trying excessive Picked : '2'\n");
  EXPECT_EQ(Reserve_GetPicked(8), 1);
  EXPECT_EQ(Reserve_GetInUse(8), 0);
  testing::internal::CaptureStdout();
  Reserve_SetInUse(8, 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Trying excessive rinuse : '5'\n");
  Reserve_SetPicked(8, 0);
  EXPECT_EQ(Reserve_GetInUse(8), 1);
  EXPECT_EQ(Reserve_GetPicked(8), 0);
}

TEST_F(ListsTest, SettersPastTheListChangeNothing) {
  const auto patients = std::vector<PatientEntry>(PatientList, PatientList + NUM_PATIENTS);
  const auto loans = std::vector<LoanEntry>(LoanList, LoanList + NUM_LOANS);
  const auto bids = std::vector<ClubBids>(ClubBidTable, ClubBidTable + 250);
  Patient_SetPlayerNo(400, 3);
  Patient_SetInjuryTime(1000, 3);
  Loan_SetPlayerNo(200, 3);
  Loan_SetLoanClub(201, 3);
  Club_SetBid(250, 0, 3, 100, 0);
  Club_SetBid(-1, 0, 3, 100, 0);
  EXPECT_EQ(std::memcmp(patients.data(), PatientList, sizeof PatientList), 0);
  EXPECT_EQ(std::memcmp(loans.data(), LoanList, sizeof LoanList), 0);
  EXPECT_EQ(std::memcmp(bids.data(), ClubBidTable, sizeof ClubBidTable), 0);
}

TEST_F(ListsTest, SearchesFindTheFirstSlot) {
  Loan_SetPlayerNo(40, tw::kMidfielder);
  Loan_SetLoanClub(40, 12);
  Loan_SetPlayerNo(17, tw::kMidfielder);
  Loan_SetLoanClub(17, 9);
  EXPECT_EQ(Player_GetLoanClub(tw::kMidfielder), 9);

  Patient_SetPlayerNo(33, tw::kKeeper);
  Patient_SetPlayerNo(34, tw::kKeeper);
  EXPECT_EQ(InjuryList_FindPlayer(tw::kKeeper), 33);

  BidInfo_SetPlayer(0, tw::kItalian);
  BidInfo_SetPlayer(2, tw::kItalian);
  EXPECT_EQ(BidInfo_FindPlayer(tw::kItalian), 0);
  EXPECT_EQ(BidInfo_FindFreeSlot(), 1);
  BidInfo_SetDays(0, 9);
  BidInfo_Clear(0);
  EXPECT_EQ(BidInfo_GetPlayer(0), -1);
  EXPECT_EQ(BidInfo_GetDays(0), 0);
  EXPECT_EQ(BidInfo_FindPlayer(tw::kItalian), 2);
  for (int16_t e = 0; e < NUM_BID_INFOS; ++e) BidInfo_SetPlayer(e, 5);
  EXPECT_EQ(BidInfo_FindFreeSlot(), -1);
}

TEST_F(ListsTest, BadSlotsEndTheProgram) {
  struct {
    std::function<void()> call;
    const char* message;
  } cases[] = {
      {[] { Patient_SetInjuryType(-1, 4); }, "Trying to give negative patient an injury type: '4,-1'\n"},
      {[] { Patient_GetInjuryTime(-2); }, "Trying to get negative patient injurytime : '-2'\n"},
      {[] { Patient_GetPlayerNo(-3); }, "Trying to get negative patient player no: '-3'\n"},
      {[] { Loan_SetLoanWeeks(-1, 4); }, "Trying to give negative Loan a Loan week: '4,-1'\n"},
      {[] { Loan_GetLoanClub(-1); }, "Trying to get negative Loan club : '-1'\n"},
      {[] { Club_GetBidPrice(-1, 0); }, "Trying to get Bid price of neg club : '-1'\n"},
      {[] { BidInfo_SetDays(400, 1); }, "Trying to set Invalid BidInfo Days: '400'\n"},
      {[] { BidInfo_GetPlayer(-1); }, "Trying to get Invalid BidInfo Player : '-1'\n"},
      {[] { Reserve_GetPlayer(150); }, "Trying to set Invalid Reserve Player: '150'\n"},
      {[] { Reserve_GetPicked(-1); }, "Trying to get Invalid Reserve Picked : '-1'\n"},
      {[] { Player_GetLoanClub(tw::kKeeper); }, "Player has loan flag set but no loan club: '2'\n"},
  };
  for (const auto& c : cases) EXPECT_FATAL_EXIT(c.call(), c.message);
}

TEST_F(ListsTest, InjuryAndLoanGettersPastTheListEndTheProgramWithoutAWord) {
  EXPECT_FATAL_EXIT(Patient_GetPlayerNo(400), "^$");
  EXPECT_FATAL_EXIT(Patient_GetInjuryType(400), "^$");
  EXPECT_FATAL_EXIT(Loan_GetLoanWeeks(200), "^$");
}

}  // namespace
