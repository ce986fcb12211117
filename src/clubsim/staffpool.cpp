// The staff hiring pool.
#include "clubsim/staffpool.h"

#include <cstring>

#include "engine/rand.h"
#include "engine/reset.h"

namespace {

constexpr int kKindsOfTen = 9;           // kinds 0-8: levels 1-10 each
constexpr int kLevelsPerKind = 10;
constexpr int32_t kSingleKindLevel = 8;  // kinds 9 and 10: one candidate each

constexpr int32_t Entry(int32_t kind, int32_t level) { return kind | level << 4; }

static_assert(kKindsOfTen * kLevelsPerKind + 2 == NUM_STAFF_CANDIDATES, "the table fills the pool");

bool InPool(int candidate) { return candidate >= 0 && candidate < NUM_STAFF_CANDIDATES; }

}  // namespace

const int32_t StaffCandidateTable[NUM_STAFF_CANDIDATES] = {
#define ROW(k) Entry(k, 1), Entry(k, 2), Entry(k, 3), Entry(k, 4), Entry(k, 5), \
               Entry(k, 6), Entry(k, 7), Entry(k, 8), Entry(k, 9), Entry(k, 10)
    ROW(0), ROW(1), ROW(2), ROW(3), ROW(4), ROW(5), ROW(6), ROW(7), ROW(8),
#undef ROW
    Entry(9, kSingleKindLevel), Entry(10, kSingleKindLevel),
};
uint8_t StaffCandidateAvailable[NUM_STAFF_CANDIDATES];

int16_t StaffCandidate_GetKind(int16_t candidate) {
  return InPool(candidate) ? static_cast<int16_t>(StaffCandidateTable[candidate] & 0xF) : int16_t{-1};
}

int16_t StaffCandidate_GetLevel(int16_t candidate) {
  return InPool(candidate) ? static_cast<int16_t>(StaffCandidateTable[candidate] >> 4 & 0xF) : int16_t{-1};
}

int16_t StaffCandidate_IsAvailable(int16_t candidate) {
  return InPool(candidate) ? StaffCandidateAvailable[candidate] : int16_t{0};
}

int StaffCandidate_CountAvailable() {
  int n = 0;
  for (uint8_t available : StaffCandidateAvailable) n += available != 0;
  return n;
}

void InitStaffCandidates() {
  std::memset(StaffCandidateAvailable, 0, sizeof StaffCandidateAvailable);
  for (int placed = 0; placed < STAFF_CANDIDATES_AVAILABLE;) {
    const int candidate = GameRandom() % NUM_STAFF_CANDIDATES;
    if (StaffCandidateAvailable[candidate]) continue;
    StaffCandidateAvailable[candidate] = 1;
    ++placed;
  }
}

void StaffPool_Reset() { std::memset(StaffCandidateAvailable, 0, sizeof StaffCandidateAvailable); }
REGISTER_RESET(RESET_CLUBSIM, StaffPool_Reset);
