// Both the club services and the source-record layout in one file: the layout
// has one home, and the services use it rather than a copy.
#include "clubsim/clubsvc.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/reset.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/source_records.h"

namespace {

struct Stands {
  int styles[4];
  int capacities[4];
};

Stands StandsOf(int16_t club) {
  return {{Club_GetStand1Style(club), Club_GetStand2Style(club), Club_GetStand3Style(club), Club_GetStand4Style(club)},
          {Club_GetStand1Capacity(club), Club_GetStand2Capacity(club), Club_GetStand3Capacity(club),
           Club_GetStand4Capacity(club)}};
}

void ExpectStands(int16_t club, const Stands& expected) {
  const Stands got = StandsOf(club);
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(got.styles[s], expected.styles[s]) << "style of stand " << s + 1;
    EXPECT_EQ(got.capacities[s], expected.capacities[s]) << "capacity of stand " << s + 1;
  }
}

// What a club gets without a source ground: four style-0 stands of the
// smallest share.
constexpr Stands kNoGround = {{0, 0, 0, 0}, {1, 1, 1, 1}};
// The biggest ground the format allows: every stand of the best style, the
// ends at 17 % of the seats.
constexpr Stands kBiggestGround = {{7, 7, 7, 7}, {16, 16, 29, 29}};

class ClubStandsTest : public WorldTest {
 protected:
  // Source records of exactly the given number, so that a read past the last
  // one is caught by the sanitizer build.
  std::vector<uint8_t> records;

  void Load(const std::vector<SourceClub>& clubs) {
    records.assign(clubs.size() * SOURCE_CLUB_RECORD_SIZE, 0);
    for (size_t i = 0; i < clubs.size(); ++i) EncodeSourceClub(clubs[i], records.data() + i * SOURCE_CLUB_RECORD_SIZE);
    SetSourceClubRecords(records.data(), static_cast<int>(clubs.size()));
  }
  static SourceClub Ground(int16_t dbNumber, int32_t capacity) {
    SourceClub c{};
    std::strcpy(c.name, "Kestlemore Swifts");
    c.dbNumber = dbNumber;
    c.capacity = capacity;
    return c;
  }
};

TEST_F(ClubStandsTest, StandsAreLaidOutFromTheSourceGroundWhateverItsCapacity) {
  const struct {
    const char* what;
    SourceClub record;
    Stands stands;
  } cases[] = {
      // Style 4 from 40,000; ends 6,800 rounded down to 6,000; the sides'
      // 14,000 each are above the style-4 side limit, so they move to style 5.
      {"40,000 seats", Ground(12, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"9,999 seats: the sides move up a style", Ground(12, 9999), {{0, 0, 1, 1}, {1, 1, 3, 4}}},
      {"database club 0: style 2 at least", Ground(0, 3000), {{2, 2, 2, 2}, {1, 1, 1, 1}}},
      {"no seats", Ground(12, 0), kNoGround},
      {"-1 seats", Ground(12, -1), kNoGround},
      {"-100,000 seats", Ground(12, -100000), kNoGround},
      {"INT32_MIN seats", Ground(12, INT32_MIN), kNoGround},
      {"the biggest ground", Ground(12, MAX_SOURCE_CAPACITY), kBiggestGround},
      {"one seat more", Ground(12, MAX_SOURCE_CAPACITY + 1), kBiggestGround},
      {"150,000 seats", Ground(12, 150000), kBiggestGround},
      {"INT32_MAX seats", Ground(12, INT32_MAX), kBiggestGround},
      {"database number past the club lists", Ground(NUM_DB_CLUBS + 100, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"database number of an unused record", Ground(-1, 40000), {{4, 4, 5, 5}, {6, 6, 14, 14}}},
      {"database number INT16_MIN, no seats", Ground(INT16_MIN, INT32_MIN), kNoGround},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Load({Ground(5, 20000), c.record});
    InitClubStands(tw::kLeagueClub, 1);
    ExpectStands(tw::kLeagueClub, c.stands);
    // A minor club keeps its stands in its compact record, laid out the same way.
    InitClubStands(tw::kMinorClub, 1);
    ExpectStands(tw::kMinorClub, c.stands);
  }
}

TEST_F(ClubStandsTest, ASourceIndexWithoutALoadedRecordIsNoGround) {
  Load({Ground(5, 40000), Ground(6, 40000), Ground(7, 40000)});
  for (int16_t source : {int16_t{-1}, int16_t{3}, int16_t{NUM_DB_CLUBS}, int16_t{INT16_MAX}, int16_t{INT16_MIN}}) {
    SCOPED_TRACE(source);
    InitClubStands(tw::kLeagueClub, 2);
    InitClubStands(tw::kLeagueClub, source);
    ExpectStands(tw::kLeagueClub, kNoGround);
  }
}

TEST_F(ClubStandsTest, NoRecordsLoadedIsNoGround) {
  const struct {
    const char* what;
    void (*load)(const uint8_t* records);
  } cases[] = {
      {"never loaded", [](const uint8_t*) {}},
      {"no records", [](const uint8_t* r) { SetSourceClubRecords(r, 0); }},
      {"a negative count", [](const uint8_t* r) { SetSourceClubRecords(r, -5); }},
      {"a count without records", [](const uint8_t*) { SetSourceClubRecords(nullptr, NUM_DB_CLUBS); }},
      {"dropped by the module resets", [](const uint8_t* r) {
         SetSourceClubRecords(r, 1);
         ResetAllModules();
         BuildTestWorld();
       }},
  };
  uint8_t record[SOURCE_CLUB_RECORD_SIZE];
  EncodeSourceClub(Ground(5, 40000), record);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ClubServices_Reset();
    c.load(record);
    InitClubStands(tw::kLeagueClub, 0);
    ExpectStands(tw::kLeagueClub, kNoGround);
  }
}

}  // namespace
