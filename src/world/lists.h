// The world's small lists: the injury list (patients), the loan list, four
// bid slots per club, the pending bid answers (BidInfo) and the reserve pool.
// The accessors read and write one slot; which slot an injury, loan or bid
// takes is the club simulation's business.
#pragma once

#include <cstdint>

constexpr int NUM_PATIENTS = 400;
constexpr int NUM_LOANS = 200;
constexpr int NUM_CLUB_BIDS = 4;
constexpr int NUM_BID_INFOS = 400;
constexpr int NUM_RESERVE_SLOTS = 150;

struct PatientEntry {
  uint8_t bytes[4];  // int16 player (-1 free), uint8 injury type, uint8 time left
};
struct LoanEntry {
  uint8_t bytes[4];  // int16 player (-1 free), uint8 club lent to, uint8 weeks left
};
struct ClubBids {
  uint8_t bytes[32];  // 4 x int16 player, 4 x int16 clause, 4 x int32 price
};
struct BidInfo {
  uint8_t bytes[3];  // int16 player (-1 free), uint8 days before the answer
};
struct ReserveSlot {
  uint8_t bytes[10];  // uint8 club, 3 spare, int16 player, flags (bit 0 in use, bit 1 picked), 3 spare
};
static_assert(sizeof(PatientEntry) == 4);
static_assert(sizeof(LoanEntry) == 4);
static_assert(sizeof(ClubBids) == 32);
static_assert(sizeof(BidInfo) == 3);
static_assert(sizeof(ReserveSlot) == 10);

extern PatientEntry PatientList[NUM_PATIENTS];
extern LoanEntry LoanList[NUM_LOANS];
extern ClubBids ClubBidTable[250];
extern BidInfo BidInfoList[NUM_BID_INFOS];
extern ReserveSlot ReservePool[NUM_RESERVE_SLOTS];

// As a new world has them: injury slots player -1, type 0, time 0; loan
// slots player -1, club 255, 0 weeks; bid slots and answers empty (player
// -1); reserve slots zero with player -1.
void Lists_Reset();

int16_t Patient_GetPlayerNo(int16_t slot);
int16_t Patient_GetInjuryType(int16_t slot);
int16_t Patient_GetInjuryTime(int16_t slot);
void Patient_SetPlayerNo(int16_t slot, int32_t player);
void Patient_SetInjuryType(int16_t slot, int32_t type);
void Patient_SetInjuryTime(int16_t slot, int32_t time);
// The injury-list slot that holds the player, else -1.
int16_t InjuryList_FindPlayer(int16_t player);

int16_t Loan_GetPlayerNo(int16_t slot);
int16_t Loan_GetLoanClub(int16_t slot);
int16_t Loan_GetLoanWeeks(int16_t slot);
void Loan_SetPlayerNo(int16_t slot, int32_t player);
void Loan_SetLoanClub(int16_t slot, int32_t club);
void Loan_SetLoanWeeks(int16_t slot, int32_t weeks);
// The club of the first loan slot that holds the player; ends the program
// when none does (ask only for players whose OnLoan flag is set).
int16_t Player_GetLoanClub(int16_t player);

void Club_SetBid(int16_t club, int slot, int32_t player, int32_t price, int32_t clause);
int16_t Club_GetBidPlayer(int16_t club, int slot);
int32_t Club_GetBidPrice(int16_t club, int slot);
int16_t Club_GetBidClause(int16_t club, int slot);

int16_t BidInfo_GetPlayer(int16_t entry);
int16_t BidInfo_GetDays(int16_t entry);
void BidInfo_SetPlayer(int16_t entry, int32_t player);
void BidInfo_SetDays(int16_t entry, int32_t days);
void BidInfo_Clear(int16_t entry);
void BidInfo_ClearAll();
// The first entry holding the player, else -1.
int16_t BidInfo_FindPlayer(int16_t player);
// The first entry whose player is -1, else -1.
int16_t BidInfo_FindFreeSlot();

int16_t Reserve_GetClub(int16_t slot);
int16_t Reserve_GetPlayer(int16_t slot);
int16_t Reserve_GetInUse(int16_t slot);
int16_t Reserve_GetPicked(int16_t slot);
void Reserve_SetClub(int16_t slot, int32_t club);
void Reserve_SetPlayer(int16_t slot, int32_t player);
void Reserve_SetInUse(int16_t slot, int32_t flag);
void Reserve_SetPicked(int16_t slot, int32_t flag);
