// The cup draw: the packed saved form, the group tables, the removal of a
// beaten club, the filling of a round, the draw days and the European lists.
#include "season/cupdraw.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "season/cup_support.h"
#include "season/cupties.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/worldgen.h"

namespace {

using ClubSet = std::set<int16_t>;

constexpr int kUefaCup = 4, kQualifying = 5, kChampionsLeague = 6;

ClubSet Entry0Clubs(int j, int k) {
  ClubSet out;
  for (const auto& slot : CupDrawTable[j][k])
    if (slot[0] >= 0) out.insert(slot[0]);
  return out;
}

uint32_t GroupWord(const PackedCupDraw& p, int i) { return LoadU32(p.groupWords + 4 * i); }
uint32_t MaskWord(const PackedCupDraw& p, int i) { return LoadU32(p.maskWords + 4 * i); }

// ---------------------------------------------------------------- the packed form

class CupPackTest : public EngineTest {};

TEST_F(CupPackTest, AnEmptyTablePacksTo56ZeroWordsAndEmptyListsAndUnpacksToMinusOnes) {
  std::memset(&CupDrawPacked, 0xAB, sizeof CupDrawPacked);
  ASSERT_EQ(PackCupDrawTable(), CUP_PACK_OK);
  const PackedCupDraw zero{};
  EXPECT_EQ(std::memcmp(&CupDrawPacked, &zero, sizeof zero), 0);

  CupDrawTable[3][2][17][0] = 9;  // something the unpacking must clear
  ASSERT_EQ(UnpackCupDrawTable(), CUP_PACK_OK);
  EXPECT_EQ(CupDraw_CountEntries(CupDrawTable), 0);
  EXPECT_EQ(CupDrawTable[3][2][17][0], CUP_NO_CLUB);
}

TEST_F(CupPackTest, TheWordsAndValuesOfASmallTable) {
  CupDrawTable[0][0][0][0] = 5;
  CupDrawTable[0][0][9][0] = 7;  // group 1, slot 1: a pending slot of two
  CupDrawTable[0][0][9][1] = 8;
  CupDrawTable[6][7][249][0] = 249;  // the last group holds slots 248 and 249
  ASSERT_EQ(PackCupDrawTable(), CUP_PACK_OK);
  const PackedCupDraw& p = CupDrawPacked;
  EXPECT_EQ(GroupWord(p, 0), 0x3u);           // mask words 0 and 1 are used
  EXPECT_EQ(GroupWord(p, 55), 0x80000000u);   // mask word 1,791: competition 6, round 7, group 31
  for (int i = 1; i < 55; ++i) EXPECT_EQ(GroupWord(p, i), 0u) << i;
  EXPECT_EQ(MaskWord(p, 0), 0x1u);
  EXPECT_EQ(MaskWord(p, 1), 0x30u);
  EXPECT_EQ(MaskWord(p, 2), 0x10u);
  EXPECT_EQ(MaskWord(p, 3), 0u);
  EXPECT_EQ(std::vector<int>(p.values, p.values + 5), (std::vector<int>{5, 7, 8, 249, 0}));
}

// A table of random pending and single slots with the given number of
// entries spread over at most `groups` groups of slots.
void FillRandomTable(std::mt19937& rng, int entries, int groups) {
  CupDraw_ClearTable();
  std::vector<int> groupIds(1792);
  for (int i = 0; i < 1792; ++i) groupIds[i] = i;
  std::shuffle(groupIds.begin(), groupIds.end(), rng);
  groupIds.resize(groups);
  while (entries > 0) {
    const int w = groupIds[rng() % groupIds.size()];
    const int round = w / 32, group = w % 32;
    const int slot = std::min(group * 8 + static_cast<int>(rng() % 8), 249);
    int16_t* s = CupDrawTable[round / 8][round % 8][slot];
    int e = 0;
    while (e < 4 && s[e] >= 0) ++e;
    if (e == 4) continue;
    s[e] = static_cast<int16_t>(rng() % 250);
    --entries;
  }
}

TEST_F(CupPackTest, PackingAndUnpackingKeepEveryEntry) {
  std::mt19937 rng(2024);
  static CupDrawRounds before;
  for (const auto& [entries, groups] : std::vector<std::pair<int, int>>{{1, 1}, {37, 9}, {400, 100}, {800, 160}}) {
    FillRandomTable(rng, entries, groups);
    std::memcpy(before, CupDrawTable, sizeof before);
    ASSERT_EQ(PackCupDrawTable(), CUP_PACK_OK) << entries;
    CupDraw_ClearTable();
    ASSERT_EQ(UnpackCupDrawTable(), CUP_PACK_OK) << entries;
    EXPECT_EQ(std::memcmp(before, CupDrawTable, sizeof before), 0) << entries;
    EXPECT_EQ(CupDraw_CountEntries(CupDrawTable), entries);
  }
}

TEST_F(CupPackTest, ATableTooFullToSaveFailsAndLeavesTheChunksAlone) {
  struct Case {
    const char* what;
    int entries, groups;
    int result;
    const char* words;
  };
  const Case cases[] = {
      {"801 entries", 801, 160, CUP_PACK_TOO_MANY_VALUES,
       "cup draw table too full to save: 801 entries hold clubs, room for 800"},
      {"161 groups of slots", 161, 161, CUP_PACK_TOO_MANY_MASK_WORDS,
       "cup draw table too full to save: 161 groups of slots hold clubs, room for 160"},
  };
  std::mt19937 rng(7);
  for (const Case& c : cases) {
    CupDraw_ClearTable();
    // One entry in each of `groups` groups first, so that every group is used.
    for (int g = 0; g < c.groups; ++g) CupDrawTable[g / 256][(g / 32) % 8][(g % 32) * 8][0] = 1;
    for (int more = c.entries - c.groups; more > 0; --more) {
      const int g = static_cast<int>(rng() % c.groups);
      const int slot = std::min((g % 32) * 8 + 1 + static_cast<int>(rng() % 7), CUP_SLOTS - 1);
      int16_t* s = CupDrawTable[g / 256][(g / 32) % 8][slot];
      int e = 0;
      while (e < 4 && s[e] >= 0) ++e;
      if (e == 4) {
        ++more;
        continue;
      }
      s[e] = 2;
    }
    ASSERT_EQ(CupDraw_CountEntries(CupDrawTable), c.entries) << c.what;
    std::memset(&CupDrawPacked, 0x5A, sizeof CupDrawPacked);
    EXPECT_EQ(PackCupDrawTable(), c.result) << c.what;
    EXPECT_STREQ(CupPack_ResultText(c.result), c.words);
    bool untouched = true;
    for (size_t i = 0; i < sizeof CupDrawPacked; ++i)
      untouched &= reinterpret_cast<const uint8_t*>(&CupDrawPacked)[i] == 0x5A;
    EXPECT_TRUE(untouched) << c.what;
  }
}

TEST_F(CupPackTest, ATableWithAGapOrANumberThatIsNoClubIsNotPacked) {
  CupDrawTable[1][1][1][1] = 4;  // entry 1 without entry 0
  EXPECT_EQ(PackCupDrawTable(), CUP_PACK_BAD_ENTRY);
  CupDraw_ClearTable();
  CupDrawTable[1][1][1][0] = 250;
  EXPECT_EQ(PackCupDrawTable(), CUP_PACK_BAD_ENTRY);
}

TEST_F(CupPackTest, DamagedChunksAreRefusedAndChangeNothing) {
  // A sound form to damage: clubs 5 and 6 in slots 0 and 1, club 7 pending in slot 1.
  CupDrawTable[0][0][0][0] = 5;
  CupDrawTable[0][0][1][0] = 6;
  CupDrawTable[0][0][1][1] = 7;
  ASSERT_EQ(PackCupDrawTable(), CUP_PACK_OK);
  const PackedCupDraw sound = CupDrawPacked;
  ASSERT_EQ(MaskWord(sound, 0), 0x31u);

  struct Case {
    const char* what;
    void (*damage)(PackedCupDraw& p);
    int result;
  };
  const Case cases[] = {
      {"a value that is no club", [](PackedCupDraw& p) { p.values[2] = 250; }, CUP_UNPACK_BAD_ENTRY},
      {"a mask word naming slot 250",
       [](PackedCupDraw& p) {
         StoreU32(p.groupWords + 4 * 0, 0x80000001u);  // mask word 31: competition 0, round 0, group 31
         StoreU32(p.maskWords + 4 * 1, 1u << 8);         // its slot 2 is slot 250
       },
       CUP_UNPACK_BAD_ENTRY},
      {"an entry after an empty one", [](PackedCupDraw& p) { StoreU32(p.maskWords, 0x21u); }, CUP_UNPACK_BAD_ENTRY},
      {"a used mask word holding nothing",
       [](PackedCupDraw& p) {
         StoreU32(p.groupWords + 4 * 3, 1u);  // a second mask word named, but the list holds 0 there
       },
       CUP_UNPACK_BAD_ENTRY},
      {"more mask words named than the chunk holds",
       [](PackedCupDraw& p) {
         for (int i = 0; i < 6; ++i) StoreU32(p.groupWords + 4 * i, 0xFFFFFFFFu);  // 192 words named
         for (int i = 0; i < CUP_PACK_MASK_WORDS_MAX; ++i) StoreU32(p.maskWords + 4 * i, 1u);
       },
       CUP_UNPACK_MASK_WORDS_OVERRUN},
      {"more entries named than the chunk holds",
       [](PackedCupDraw& p) {
         StoreU32(p.groupWords, 0x03FFFFFFu);  // 26 mask words of 32 entries each: 832
         for (int i = 0; i < 26; ++i) StoreU32(p.maskWords + 4 * i, 0xFFFFFFFFu);
         std::memset(p.values, 1, sizeof p.values);
       },
       CUP_UNPACK_VALUES_OVERRUN},
  };
  for (const Case& c : cases) {
    CupDrawPacked = sound;
    c.damage(CupDrawPacked);
    CupDraw_ClearTable();
    CupDrawTable[2][2][2][0] = 42;  // the table as it stands before the load
    EXPECT_EQ(UnpackCupDrawTable(), c.result) << c.what;
    EXPECT_EQ(CupDraw_CountEntries(CupDrawTable), 1) << c.what;
    EXPECT_EQ(CupDrawTable[2][2][2][0], 42) << c.what;
    EXPECT_NE(std::string(CupPack_ResultText(c.result)).find("saved cup draw table damaged"), std::string::npos);
  }
}

// ---------------------------------------------------------------- group tables

class CupGroupTest : public LeagueWorldTest {
 protected:
  // A played group fixture of competition 6 (code 101).
  static void Result(int home, int away, int homeGoals, int awayGoals) {
    const int16_t n = Fixture_Add(100, 101, home, away, 0);
    Fixture_SetResult(n, homeGoals, awayGoals);
  }
  static std::vector<int> Rows() {
    std::vector<int> out;
    for (const GroupTableRow& row : GroupTable)
      out.insert(out.end(), {row.club, row.points, row.goalDifference, row.goals});
    return out;
  }
};

TEST_F(CupGroupTest, ResultsAddPointsGoalDifferenceAndGoals) {
  GroupTable[0].club = 10;
  GroupTable[1].club = 11;
  GroupTable[2].club = 12;
  GroupTable[3].club = 13;
  Result(10, 11, 3, 1);
  Result(12, 13, 2, 2);
  Fixture_Add(101, 101, 11, 12, 0);  // not played yet
  UpdateGroupTable(0, 1, 101);
  UpdateGroupTable(2, 3, 101);
  UpdateGroupTable(1, 2, 101);
  UpdateGroupTable(3, 0, 101);  // no such fixture
  EXPECT_EQ(Rows(), (std::vector<int>{10, 3, 2, 3, 11, 0, -2, 1, 12, 1, 0, 2, 13, 1, 0, 2}));
  GroupTable_SwapRows(0, 3);
  EXPECT_EQ(GroupTable[0].club, 13);
  EXPECT_EQ(GroupTable[3].club, 10);
  GroupTable_Clear();
  EXPECT_EQ(Rows(), (std::vector<int>{13, 0, 0, 0, 11, 0, 0, 0, 12, 0, 0, 0, 10, 0, 0, 0}));
}

TEST_F(CupGroupTest, AGroupOfThreeWhereEachWonOnceGoesByGoalDifferenceThenGoals) {
  struct Case {
    const char* what;
    int ab[2], bc[2], ca[2];  // scores of first v second, second v third, third v first
    int third;                // the club that goes out
  };
  // Clubs 10, 11, 12 in slots 0-2.
  const Case cases[] = {
      {"goal difference", {1, 0}, {3, 0}, {2, 1}, 12},  // 10: 0, 11: +2, 12: -2
      {"goals scored", {3, 2}, {2, 1}, {1, 0}, 12},     // all 0; goals 3, 4, 2
      {"all level: slot order", {1, 0}, {1, 0}, {1, 0}, 12},
      {"goals scored put the second slot third", {1, 0}, {1, 0}, {4, 3}, 11},  // goals 4, 1, 4
  };
  for (const Case& c : cases) {
    Fixture_ClearAll();
    CupDraw_ClearTable();
    CupDrawTable[kChampionsLeague][0][0][0] = 10;
    CupDrawTable[kChampionsLeague][0][1][0] = 11;
    CupDrawTable[kChampionsLeague][0][2][0] = 12;
    Result(10, 11, c.ab[0], c.ab[1]);
    Result(11, 12, c.bc[0], c.bc[1]);
    Result(12, 10, c.ca[0], c.ca[1]);
    CupDraw_SettleGroups(kChampionsLeague, 3);
    ClubSet left = Entry0Clubs(kChampionsLeague, 0);
    ClubSet expected{10, 11, 12};
    expected.erase(static_cast<int16_t>(c.third));
    EXPECT_EQ(left, expected) << c.what;
  }
}

TEST_F(CupGroupTest, TheChampionsLeagueGroupsPlayTwelveMatchesAndSendTheirTopTwoOn) {
  StartWindowAndTimer();
  // Eight groups of four: clubs 20 + slot.
  for (int s = 0; s < 32; ++s) CupDrawTable[kChampionsLeague][0][s][0] = static_cast<int16_t>(20 + s);
  FirstMatchDay = 30;
  DaysSinceFirstMatch = 47;  // the draw day of the groups (country 0)
  int recorded = 0;
  CupRound_MakeFixtures(kChampionsLeague, 0, &recorded);
  EXPECT_EQ(recorded, 8);
  for (int g = 0; g < 8; ++g)
    for (int s = 0; s < 4; ++s) EXPECT_EQ(ChampionsLeagueGroups[g][s], 20 + 4 * g + s);

  // Twelve matches a group, two on each of six matchdays 14 days apart from
  // the round's match day (53), each pair home and away.
  std::vector<int16_t> all;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) all.push_back(n);
  ASSERT_EQ(all.size(), 96u);
  const int base = 30 + 53;
  const int pairs[12][3] = {{0, 1, 0},  {2, 3, 0},  {1, 2, 14}, {3, 0, 14}, {0, 2, 28}, {1, 3, 28},
                            {1, 0, 42}, {3, 2, 42}, {2, 1, 56}, {0, 3, 56}, {2, 0, 70}, {3, 1, 70}};
  for (const auto& p : pairs) {
    const auto found = cuptest::FixturesOf(101, 20 + p[0], 20 + p[1]);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(Fixture_GetDay(found[0]), base + p[2]);
  }

  // The clubs in slots 1 and 2 of each group win every match at home, and
  // draw away: they finish first and second.
  for (int16_t n : all) {
    const int home = (Fixture_GetHomeClub(n) - 20) % 4;
    Fixture_SetResult(n, home == 1 || home == 2 ? 2 : 1, 1);
  }
  for (int g = 0; g < 8; ++g) Fixture_SetResult(cuptest::FixturesOf(101, 20 + 4 * g + 1, 20 + 4 * g + 2)[0], 1, 1);
  DaysSinceFirstMatch = 127;  // the draw of the round after the groups
  DayOfSeason = 157;
  CupDraw_DrawRound(kChampionsLeague, 1);
  ClubSet top;
  for (int g = 0; g < 8; ++g) top.insert({static_cast<int16_t>(20 + 4 * g + 1), static_cast<int16_t>(20 + 4 * g + 2)});
  EXPECT_EQ(Entry0Clubs(kChampionsLeague, 0), top);
  EXPECT_EQ(Entry0Clubs(kChampionsLeague, 1), top);
}

// ---------------------------------------------------------------- removal and the European lists

class CupRemoveTest : public LeagueWorldTest {};

TEST_F(CupRemoveTest, ABeatenClubLeavesItsRoundAndEveryLaterOne) {
  int16_t(&r)[CUP_ROUNDS][CUP_SLOTS][CUP_SLOT_ENTRIES] = CupDrawTable[0];
  r[1][4][0] = 9;  // an earlier round keeps it
  r[2][6][0] = 9;
  r[2][7][0] = 3;
  r[3][0][0] = 5;  // a pending slot: 5, then 9 and 8 waiting
  r[3][0][1] = 9;
  r[3][0][2] = 8;
  r[3][1][0] = 9;  // the club first in a pending slot
  r[3][1][1] = 6;
  Cup_RemoveClub(2, 9, 0);
  EXPECT_EQ(r[1][4][0], 9);
  EXPECT_EQ(std::vector<int>(r[2][6], r[2][6] + 4), (std::vector<int>{-1, -1, -1, -1}));
  EXPECT_EQ(r[2][7][0], 3);
  EXPECT_EQ(std::vector<int>(r[3][0], r[3][0] + 4), (std::vector<int>{5, 8, -1, -1}));
  EXPECT_EQ(std::vector<int>(r[3][1], r[3][1] + 4), (std::vector<int>{6, -1, -1, -1}));
  EXPECT_EQ(EuroListC[0], 255) << "only the qualifying competition sends its losers on";
}

TEST_F(CupRemoveTest, AClubBeatenInTheQualifyingRoundsGoesToTheUefaCupList) {
  EuroListC[0] = 1;
  CupDrawTable[kQualifying][0][3][0] = 150;
  Cup_RemoveClub(0, 150, kQualifying);
  EXPECT_EQ(CupDrawTable[kQualifying][0][3][0], CUP_NO_CLUB);
  EXPECT_EQ(EuroListC[0], 1);
  EXPECT_EQ(EuroListC[1], 150);
}

TEST_F(CupRemoveTest, TheListsTakeAClubInTheirFirstEmptyEntryUnlessFull) {
  EuroListA_Add(7);
  EuroListA_Add(8);
  EXPECT_EQ(EuroListA[0], 7);
  EXPECT_EQ(EuroListA[1], 8);
  EuroListA_Add(-1);
  EuroListA_Add(250);
  EXPECT_EQ(EuroListA[2], 255);
  std::memset(EuroListC, 3, sizeof EuroListC);
  EuroListC[40] = 255;
  EuroListC_Add(9);
  EXPECT_EQ(EuroListC[40], 9);
  EuroListC_Add(10);  // full now
  EXPECT_EQ(std::count(EuroListC, EuroListC + EURO_LIST_C_SIZE, 10), 0);
}

TEST_F(CupRemoveTest, AShuffledListFillsTheFirstRoundOfItsCompetition) {
  struct Case {
    void (*shuffle)();
    uint8_t* list;
    int size, competition;
  };
  const Case cases[] = {{ShuffleEuroEntrantsA, EuroListA, EURO_LIST_A_SIZE, kChampionsLeague},
                        {ShuffleEuroEntrantsB, EuroListB, EURO_LIST_B_SIZE, kQualifying},
                        {ShuffleEuroEntrantsC, EuroListC, EURO_LIST_C_SIZE, kUefaCup}};
  for (const Case& c : cases) {
    for (int i = 0; i < c.size; ++i) c.list[i] = static_cast<uint8_t>(i + 100);
    c.list[c.size - 1] = 255;
    // The swaps the shuffle makes, from the same rolls.
    std::vector<int> expected(c.list, c.list + c.size);
    GameSeedRandom(99);
    for (int i = 0; i < c.size; ++i) {
      const int a = GameRandom() % c.size;
      const int b = GameRandom() % c.size;
      std::swap(expected[a], expected[b]);
    }
    GameSeedRandom(99);
    c.shuffle();
    EXPECT_EQ(std::vector<int>(c.list, c.list + c.size), expected);
    for (int i = 0; i < c.size; ++i)
      EXPECT_EQ(CupDrawTable[c.competition][0][i][0], expected[i] == 255 ? -1 : expected[i]) << i;
    EXPECT_EQ(CupDrawTable[c.competition][0][c.size][0], CUP_NO_CLUB);
  }
}

// ---------------------------------------------------------------- the draw

class CupDrawTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    StartWindowAndTimer();  // the daily draw polls
    BuildCupSeedingList();
    FirstMatchDay = 30;
  }
};

TEST_F(CupDrawTest, ASlotIsFilledByTheFirstAvailableClubFromARandomStart) {
  // Competition 0, round 1 (country 0): 40 slots for the clubs coming on.
  struct Case {
    const char* what;
    std::vector<int16_t> available;
  };
  const Case cases[] = {{"two clubs", {10, 200}}, {"one club", {120}}, {"three clubs", {0, 125, 249}}};
  for (const Case& c : cases) {
    CupDraw_ClearTable();
    std::memset(CupExcluded[0], 1, sizeof CupExcluded[0]);
    for (int16_t club : c.available) CupExcluded[0][club] = 0;
    GameSeedRandom(5);
    // What the rolls should give: slot s searches from its start backward
    // (even slot) or forward (odd slot) for a club still available.
    std::vector<int16_t> left = c.available, expected;
    for (int slot = 0; slot < 40 && !left.empty(); ++slot) {
      const int start = GameRandom() % 250;
      for (int i = 0; i < 250; ++i) {
        const int club = slot % 2 ? (start + i) % 250 : (start - i + 250) % 250;
        auto it = std::find(left.begin(), left.end(), club);
        if (it == left.end()) continue;
        expected.push_back(static_cast<int16_t>(club));
        left.erase(it);
        break;
      }
    }
    GameSeedRandom(5);
    CupDraw_FillRound(0, 1);
    for (int slot = 0; slot < 40; ++slot)
      EXPECT_EQ(CupDrawTable[0][1][slot][0], slot < static_cast<int>(expected.size()) ? expected[slot] : -1)
          << c.what << ", slot " << slot;
    for (int16_t club : c.available) EXPECT_EQ(CupExcluded[0][club], 1) << "drawn clubs are excluded";
  }
}

TEST_F(CupDrawTest, ARoundIsDrawnOnItsDrawDayOnly) {
  ShuffleEuroEntrantsB();  // nobody in the list: the qualifying round stays empty
  for (int16_t day : {91, 93}) {
    DaysSinceFirstMatch = day;
    DayOfSeason = static_cast<int16_t>(30 + day);
    DrawCupRound();
    EXPECT_TRUE(Entry0Clubs(0, 0).empty()) << day;
  }
  DaysSinceFirstMatch = 92;  // the national cup's first round: seeding places 44-123
  DayOfSeason = 122;
  DrawCupRound();
  ClubSet seeds;
  for (int p = 44; p < 124; ++p)
    if (CupSeedingList[p] >= 0) seeds.insert(CupSeedingList[p]);
  EXPECT_EQ(seeds.size(), 80u);
  EXPECT_EQ(Entry0Clubs(0, 0), seeds);
  // 40 ties on the round's match day, 20 days on.
  int ties = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    EXPECT_EQ(Fixture_GetDay(n), 30 + 112);
    EXPECT_EQ(Fixture_GetCompetition(n), 5);
    ++ties;
  }
  EXPECT_EQ(ties, 40);
}

TEST_F(CupDrawTest, TheRoundOfDrawDayZeroIsDrawnOnTheSeasonsFirstDayOnly) {
  for (int i = 0; i < EURO_LIST_B_SIZE; ++i) EuroListB[i] = static_cast<uint8_t>(130 + i);
  ShuffleEuroEntrantsB();
  DaysSinceFirstMatch = 0;  // every day before the first league matchday
  DayOfSeason = 2;
  DrawCupRound();
  EXPECT_EQ(Fixture_GetDay(0), FIXTURE_EMPTY_DAY) << "too late";
  DayOfSeason = 1;
  DrawCupRound();
  // 16 two-legged ties: first legs on day 30 + 11, second legs 14 days later.
  int first = 0, second = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n) {
    const bool isSecond = Fixture_GetCompetition(n) == 5 + 16 * kQualifying + 8;
    EXPECT_EQ(Fixture_GetDay(n), isSecond ? 55 : 41);
    (isSecond ? second : first) += 1;
  }
  EXPECT_EQ(first, 16);
  EXPECT_EQ(second, 16);
}

TEST_F(CupDrawTest, InCountry2TheEntrantsComeFromFixedSeedingRanges) {
  GameCountry = 2;
  for (int p = 0; p < CUP_SEEDING_ENTRIES; ++p) CupSeedingList[p] = static_cast<int16_t>(p);
  DaysSinceFirstMatch = 2;
  CupDraw_DrawRound(0, 0);
  ClubSet expected;
  for (int p = 16; p <= 42; ++p) expected.insert(static_cast<int16_t>(p));
  for (int p = 56; p <= 60; ++p) expected.insert(static_cast<int16_t>(p));
  EXPECT_EQ(Entry0Clubs(0, 0), expected);

  // Round 1: places 0-15 and one club of each of round 0's pairs.
  ClubSet survivors;
  for (int m = 0; m < 16; ++m) survivors.insert(CupDrawTable[0][0][2 * m][0]);
  for (int p = 0; p <= 15; ++p) survivors.insert(static_cast<int16_t>(p));
  DaysSinceFirstMatch = 35;
  CupDraw_DrawRound(0, 1);
  EXPECT_EQ(Entry0Clubs(0, 1), survivors);
}

}  // namespace
