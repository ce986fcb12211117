#include "clubsim/clubsvc.h"

#include <algorithm>
#include <cstddef>

#include "engine/reset.h"
#include "platform/platform.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/source_records.h"

namespace {

struct ClubServicesState {
  const uint8_t* sourceClubs = nullptr;
  int sourceClubCount = 0;
};
ClubServicesState gSvc;

// Stand styles 0-7: the seat limits of a side stand and of an end stand.
struct StandLimits {
  int32_t side;
  int32_t end;
};
constexpr int kBestStyle = 7;
constexpr StandLimits kStandLimits[kBestStyle + 1] = {{2000, 1000},   {4000, 2000},   {8000, 4000},
                                                      {10000, 6000},  {12000, 8000},  {16000, 10000},
                                                      {20000, 14000}, {29000, 20000}};
// The largest source ground is what four stands of the best style hold.
static_assert(MAX_SOURCE_CAPACITY == 2 * kStandLimits[kBestStyle].end + 2 * kStandLimits[kBestStyle].side);
// ... so the end stands' share below cannot overflow.
static_assert(MAX_SOURCE_CAPACITY <= INT32_MAX / 17);

int32_t AtLeast1000Thousands(int32_t seats) {
  if (seats < 1000) seats = 1000;
  return seats / 1000 * 1000;
}

}  // namespace

void FatalExit() { PlatExit(FATAL_EXIT_CODE); }

int16_t FindHumanClub(int16_t manager) {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) != GameCountry) continue;
    int16_t division = Club_GetDivision(club);
    if (division < 0 || division > 5) continue;
    if (Club_GetControl(club) == manager) return club;
  }
  return -1;
}

void SetSourceClubRecords(const uint8_t* records, int count) {
  gSvc.sourceClubs = records;
  gSvc.sourceClubCount = records != nullptr ? std::max(count, 0) : 0;
}

void InitClubStands(int16_t club, int16_t source) {
  int32_t total = 0;
  bool noDbClub = false;
  if (source >= 0 && source < gSvc.sourceClubCount) {
    const SourceClub record =
        DecodeSourceClub(gSvc.sourceClubs + static_cast<std::ptrdiff_t>(source) * SOURCE_CLUB_RECORD_SIZE);
    // A figure from the file: a negative one would pick a style below 0, a
    // huge one overflow the shares.
    total = std::clamp(record.capacity, int32_t{0}, MAX_SOURCE_CAPACITY);
    noDbClub = record.dbNumber == 0;
  }

  // The first and second stands are the ends, the third and fourth the sides.
  const int32_t start = std::min(total / 10000, int32_t{kBestStyle});
  int32_t end = AtLeast1000Thousands(total * 17 / 100);
  int32_t third = AtLeast1000Thousands((total - 2 * end) / 2);
  int32_t fourth = AtLeast1000Thousands(total - (third + 2 * end));

  int32_t endStyle = start, thirdStyle = start, fourthStyle = start;
  if (kStandLimits[endStyle].end < end && endStyle < kBestStyle) ++endStyle;
  if (kStandLimits[thirdStyle].side < third && thirdStyle < kBestStyle) ++thirdStyle;
  if (kStandLimits[fourthStyle].side < fourth && fourthStyle < kBestStyle) ++fourthStyle;
  if (noDbClub) {
    if (endStyle < 2) endStyle = 2;
    if (thirdStyle < 2) thirdStyle = 2;
    if (fourthStyle < 2) fourthStyle = 2;
  }

  auto seats = [](int32_t limit, int32_t share) { return (limit < share ? limit : share) / 1000; };
  Club_SetStand1Style(club, endStyle);
  Club_SetStand2Style(club, endStyle);
  Club_SetStand3Style(club, thirdStyle);
  Club_SetStand4Style(club, fourthStyle);
  Club_SetStand1Capacity(club, seats(kStandLimits[endStyle].end, end));
  Club_SetStand2Capacity(club, seats(kStandLimits[endStyle].end, end));
  Club_SetStand3Capacity(club, seats(kStandLimits[thirdStyle].side, third));
  Club_SetStand4Capacity(club, seats(kStandLimits[fourthStyle].side, fourth));
}

void ClubServices_Reset() { gSvc = ClubServicesState{}; }
REGISTER_RESET(RESET_CLUBSIM, ClubServices_Reset);
