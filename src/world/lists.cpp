// The injury, loan, bid and reserve lists.
#include "world/lists.h"

#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "engine/reset.h"
#include "world/records.h"
#include "world/recordbits.h"

PatientEntry PatientList[NUM_PATIENTS];
LoanEntry LoanList[NUM_LOANS];
ClubBids ClubBidTable[NUM_CLUBS];
BidInfo BidInfoList[NUM_BID_INFOS];
ReserveSlot ReservePool[NUM_RESERVE_SLOTS];

namespace {

[[noreturn]] void Fatal1(const char* message, int32_t a) {
  std::printf(message, a);
  FatalExit();
}

[[noreturn]] void Fatal2(const char* message, int32_t value, int32_t slot) {
  std::printf(message, value, slot);
  FatalExit();
}

uint8_t Byte(int32_t value) { return static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value); }

// A slot for a getter, or for both getters and setters of the lists that end
// the program on any bad slot: outside the list it ends the program.
int CheckGet(int16_t slot, int count, const char* message) {
  if (slot < 0 || slot >= count) Fatal1(message, slot);
  return slot;
}

// The injury and loan lists name only a negative slot; a slot past the end
// ends the program without a word.
int CheckListGet(int16_t slot, int count, const char* negative) {
  if (slot < 0) Fatal1(negative, slot);
  if (slot >= count) FatalExit();
  return slot;
}

constexpr int RESERVE_PLAYER = 4;
constexpr int RESERVE_FLAGS = 6;

}  // namespace

void Lists_Reset() {
  for (auto& p : PatientList) {
    StoreI16(p.bytes, -1);
    p.bytes[2] = p.bytes[3] = 0;
  }
  for (auto& l : LoanList) {
    StoreI16(l.bytes, -1);
    l.bytes[2] = 255;
    l.bytes[3] = 0;
  }
  std::memset(ClubBidTable, 0, sizeof ClubBidTable);
  for (auto& c : ClubBidTable)
    for (int s = 0; s < NUM_CLUB_BIDS; ++s) StoreI16(c.bytes + 2 * s, -1);
  BidInfo_ClearAll();
  std::memset(ReservePool, 0, sizeof ReservePool);
  for (auto& r : ReservePool) StoreI16(r.bytes + RESERVE_PLAYER, -1);
}
REGISTER_RESET(RESET_WORLD, Lists_Reset);

// ---- injury list ----

int16_t Patient_GetPlayerNo(int16_t slot) {
  return LoadI16(PatientList[CheckListGet(slot, NUM_PATIENTS, "Trying to get negative patient player no: '%d'\n")].bytes);
}
int16_t Patient_GetInjuryType(int16_t slot) {
  return PatientList[CheckListGet(slot, NUM_PATIENTS, "Trying to get negative patient injurytype : '%d'\n")].bytes[2];
}
int16_t Patient_GetInjuryTime(int16_t slot) {
  return PatientList[CheckListGet(slot, NUM_PATIENTS, "Trying to get negative patient injurytime : '%d'\n")].bytes[3];
}

void Patient_SetPlayerNo(int16_t slot, int32_t player) {
  if (slot < 0) Fatal2("Trying to give negative patient a player no: '%d,%d'\n", player, slot);
  if (slot < NUM_PATIENTS) StoreI16(PatientList[slot].bytes, player);
}
void Patient_SetInjuryType(int16_t slot, int32_t type) {
  if (slot < 0) Fatal2("Trying to give negative patient an injury type: '%d,%d'\n", type, slot);
  if (slot < NUM_PATIENTS) PatientList[slot].bytes[2] = Byte(type);
}
void Patient_SetInjuryTime(int16_t slot, int32_t time) {
  if (slot < 0) Fatal2("Trying to give negative patient an injury time: '%d,%d'\n", time, slot);
  if (slot < NUM_PATIENTS) PatientList[slot].bytes[3] = Byte(time);
}

int16_t InjuryList_FindPlayer(int16_t player) {
  for (int16_t s = 0; s < NUM_PATIENTS; ++s)
    if (LoadI16(PatientList[s].bytes) == player) return s;
  return -1;
}

// ---- loan list ----

int16_t Loan_GetPlayerNo(int16_t slot) {
  return LoadI16(LoanList[CheckListGet(slot, NUM_LOANS, "Trying to get negative Loan player no: '%d'\n")].bytes);
}
int16_t Loan_GetLoanClub(int16_t slot) {
  return LoanList[CheckListGet(slot, NUM_LOANS, "Trying to get negative Loan club : '%d'\n")].bytes[2];
}
int16_t Loan_GetLoanWeeks(int16_t slot) {
  return LoanList[CheckListGet(slot, NUM_LOANS, "Trying to get negative Loan weeks : '%d'\n")].bytes[3];
}

void Loan_SetPlayerNo(int16_t slot, int32_t player) {
  if (slot < 0) Fatal2("Trying to give negative Loan a player no: '%d,%d'\n", player, slot);
  if (slot < NUM_LOANS) StoreI16(LoanList[slot].bytes, player);
}
void Loan_SetLoanClub(int16_t slot, int32_t club) {
  if (slot < 0) Fatal2("Trying to give negative Loan a Loan club: '%d,%d'\n", club, slot);
  if (slot < NUM_LOANS) LoanList[slot].bytes[2] = Byte(club);
}
void Loan_SetLoanWeeks(int16_t slot, int32_t weeks) {
  if (slot < 0) Fatal2("Trying to give negative Loan a Loan week: '%d,%d'\n", weeks, slot);
  if (slot < NUM_LOANS) LoanList[slot].bytes[3] = Byte(weeks);
}

int16_t Player_GetLoanClub(int16_t player) {
  for (const auto& l : LoanList)
    if (LoadI16(l.bytes) == player) return l.bytes[2];
  Fatal1("Player has loan flag set but no loan club: '%d'\n", player);
}

// ---- club bids ----

void Club_SetBid(int16_t club, int slot, int32_t player, int32_t price, int32_t clause) {
  if (club < 0 || club >= NUM_CLUBS || slot < 0 || slot >= NUM_CLUB_BIDS) return;
  uint8_t* b = ClubBidTable[club].bytes;
  StoreI16(b + 2 * slot, player);
  StoreI16(b + 8 + 2 * slot, clause);
  StoreI32(b + 16 + 4 * slot, price);
}

// The bid getters are handed clubs 0-249 and slots 0-3; anything else past
// the table ends the program like a negative club.
static const uint8_t* BidBytes(int16_t club, int slot, const char* message) {
  if (club < 0 || club >= NUM_CLUBS || slot < 0 || slot >= NUM_CLUB_BIDS) Fatal1(message, club);
  return ClubBidTable[club].bytes;
}

int16_t Club_GetBidPlayer(int16_t club, int slot) {
  return LoadI16(BidBytes(club, slot, "Trying to get Bid player of neg club : '%d'\n") + 2 * slot);
}
int32_t Club_GetBidPrice(int16_t club, int slot) {
  return LoadI32(BidBytes(club, slot, "Trying to get Bid price of neg club : '%d'\n") + 16 + 4 * slot);
}
int16_t Club_GetBidClause(int16_t club, int slot) {
  return LoadI16(BidBytes(club, slot, "Trying to get Bid Clause of neg club : '%d'\n") + 8 + 2 * slot);
}

// ---- bid answers ----

int16_t BidInfo_GetPlayer(int16_t entry) {
  return LoadI16(BidInfoList[CheckGet(entry, NUM_BID_INFOS, "Trying to get Invalid BidInfo Player : '%d'\n")].bytes);
}
int16_t BidInfo_GetDays(int16_t entry) {
  return BidInfoList[CheckGet(entry, NUM_BID_INFOS, "Trying to get Invalid BidInfo Days: '%d'\n")].bytes[2];
}
void BidInfo_SetPlayer(int16_t entry, int32_t player) {
  StoreI16(BidInfoList[CheckGet(entry, NUM_BID_INFOS, "Trying to set Invalid BidInfo Player : '%d'\n")].bytes, player);
}
void BidInfo_SetDays(int16_t entry, int32_t days) {
  BidInfoList[CheckGet(entry, NUM_BID_INFOS, "Trying to set Invalid BidInfo Days: '%d'\n")].bytes[2] =
      static_cast<uint8_t>(days < 0 ? 0 : days > 15 ? 15 : days);
}

void BidInfo_Clear(int16_t entry) {
  BidInfo_SetPlayer(entry, -1);
  BidInfo_SetDays(entry, 0);
}

void BidInfo_ClearAll() {
  for (int16_t e = 0; e < NUM_BID_INFOS; ++e) BidInfo_Clear(e);
}

int16_t BidInfo_FindPlayer(int16_t player) {
  for (int16_t e = 0; e < NUM_BID_INFOS; ++e)
    if (LoadI16(BidInfoList[e].bytes) == player) return e;
  return -1;
}

int16_t BidInfo_FindFreeSlot() { return BidInfo_FindPlayer(-1); }

// ---- reserve pool ----

int16_t Reserve_GetClub(int16_t slot) {
  return ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to get Invalid Reserve Club: '%d'\n")].bytes[0];
}
int16_t Reserve_GetPlayer(int16_t slot) {
  return LoadI16(
      ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to set Invalid Reserve Player: '%d'\n")].bytes +
      RESERVE_PLAYER);
}
int16_t Reserve_GetInUse(int16_t slot) {
  return ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to get Invalid Reserve InUse: '%d'\n")]
             .bytes[RESERVE_FLAGS] & 1;
}
int16_t Reserve_GetPicked(int16_t slot) {
  return ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to get Invalid Reserve Picked : '%d'\n")]
                 .bytes[RESERVE_FLAGS] >> 1 & 1;
}

void Reserve_SetClub(int16_t slot, int32_t club) {
  ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to set Invalid Reserve Club: '%d'\n")].bytes[0] =
      static_cast<uint8_t>(club);
}
void Reserve_SetPlayer(int16_t slot, int32_t player) {
  StoreI16(ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, "Trying to set Invalid Reserve Player: '%d'\n")].bytes +
               RESERVE_PLAYER,
           player);
}

static void SetReserveFlag(int16_t slot, int32_t flag, int bit, const char* badSlot, const char* excessive) {
  uint8_t& flags = ReservePool[CheckGet(slot, NUM_RESERVE_SLOTS, badSlot)].bytes[RESERVE_FLAGS];
  if (flag > 1) {
    std::printf(excessive, flag);
    flag = 1;
  }
  flags = static_cast<uint8_t>((flags & ~(1 << bit)) | ((flag & 1) << bit));
}

void Reserve_SetInUse(int16_t slot, int32_t flag) {
  SetReserveFlag(slot, flag, 0, "Trying to set Invalid Reserve InUse: '%d'\n", "Trying excessive rinuse : '%d'\n");
}
void Reserve_SetPicked(int16_t slot, int32_t flag) {
  SetReserveFlag(slot, flag, 1, "Trying to set Invalid Reserve Picked: '%d'\n", "Trying excessive Picked : '%d'\n");
}
