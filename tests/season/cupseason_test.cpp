// A whole season of cups in every game country: each round drawn on its draw
// day with its entrants, every tie played out (replays, two legs, shoot-outs,
// group tables) and every cup won, with the money conserved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/rand.h"
#include "season/cup_support.h"
#include "season/cupdraw.h"
#include "season/cupties.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"
#include "world/worldgen.h"

namespace {

using ClubSet = std::set<int16_t>;

constexpr int kFirstMatchDay = 28;

const CupRoundRecord& Rec(int j, int k) { return *CupRound_Get(j, k); }

ClubSet Entry0Clubs(int j, int k) {
  ClubSet out;
  for (const auto& slot : CupDrawTable[j][k])
    if (slot[0] >= 0) out.insert(slot[0]);
  return out;
}

bool RoundEmpty(int j, int k) {
  for (const auto& slot : CupDrawTable[j][k])
    for (int16_t entry : slot)
      if (entry != CUP_NO_CLUB) return false;
  return true;
}

ClubSet ListClubs(const uint8_t* list, int size) {
  ClubSet out;
  for (int i = 0; i < size; ++i)
    if (list[i] < NUM_CLUBS) out.insert(list[i]);
  return out;
}

// The clubs of seeding places [from, to).
void AddSeeds(ClubSet* out, int from, int to) {
  for (int p = std::max(from, 0); p < to && p < CUP_SEEDING_ENTRIES; ++p)
    if (CupSeedingList[p] >= 0) out->insert(CupSeedingList[p]);
}

// The top two of each group of four of round 0, worked out from the group's
// fixtures (points, goal difference, goals scored; level clubs keep their slot
// order).
ClubSet GroupWinners(int j) {
  ClubSet out;
  const int code = COMP_CUP_FIRST + COMP_CUP_CODES * j;
  const auto& slots = CupDrawTable[j][0];
  for (int first = 0; first + 4 <= CUP_SLOTS; first += 4) {
    struct Row {
      int16_t club;
      int points = 0, difference = 0, goals = 0;
    };
    std::vector<Row> rows;
    for (int s = first; s < first + 4; ++s)
      if (slots[s][0] >= 0) rows.push_back(Row{slots[s][0]});
    for (Row& a : rows)
      for (Row& b : rows) {
        if (&a == &b) continue;
        for (int16_t n : cuptest::FixturesOf(code, a.club, b.club)) {
          if (!Fixture_IsPlayed(n)) continue;
          const int h = Fixture_GetHomeGoals(n), g = Fixture_GetAwayGoals(n);
          a.goals += h;
          b.goals += g;
          if (h == g) {
            ++a.points;
            ++b.points;
          } else {
            (h > g ? a : b).points += 3;
            a.difference += h - g;
            b.difference += g - h;
          }
        }
      }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& x, const Row& y) {
      if (x.points != y.points) return x.points > y.points;
      if (x.difference != y.difference) return x.difference > y.difference;
      return x.goals > y.goals;
    });
    for (size_t r = 0; r < rows.size() && r < 2; ++r) out.insert(rows[r].club);
  }
  return out;
}

// What the draw of round k of competition j should make available, worked
// out from the table before the draw.
ClubSet ExpectedEntrants(int j, int k) {
  const CupRoundRecord& rec = Rec(j, k);
  ClubSet out;
  if (j == 4 && k == 0) return ListClubs(EuroListC, EURO_LIST_C_SIZE);
  if (j == 5 && k == 0) return Entry0Clubs(j, k);  // EuroListB, written in at the season's start
  if (j == 6 && k == 0) return ListClubs(EuroListA, EURO_LIST_A_SIZE);
  if (rec.firstSeed >= 0) {
    if (GameCountry == 2) {
      if (k == 0) {
        AddSeeds(&out, 16, 43);
        AddSeeds(&out, 56, 61);
      } else {
        AddSeeds(&out, 0, 16);
      }
    } else {
      AddSeeds(&out, rec.firstSeed, rec.endSeed);
    }
  }
  if (rec.firstSeed == -4) return GroupWinners(j);
  if (rec.comingOn > 0 && k > 0)
    for (int m = 0; m < CUP_PAIRS; ++m) {
      const int16_t a = CupDrawTable[j][k - 1][2 * m][0], b = CupDrawTable[j][k - 1][2 * m + 1][0];
      if (a >= 0 || b >= 0) out.insert(a >= 0 ? a : b);
    }
  return out;
}

class CupSeasonTest : public EngineTest, public ::testing::WithParamInterface<int> {
 protected:
  std::optional<ScratchDir> scratch;
  std::mt19937 rng;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_cups");
    StartWindowAndTimer();  // the draw polls the window
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }

  int Roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  // Europe's entrants: distinct clubs of the world in the three lists (the
  // Champions League's list with eight places left for the qualifiers).
  void FillEuropeanLists() {
    std::vector<int16_t> clubs;
    for (int16_t c = 0; c < NUM_CLUBS; ++c)
      if (CountryClubList[GameCountry][c] != NO_DB_CLUB) clubs.push_back(c);
    std::shuffle(clubs.begin(), clubs.end(), rng);
    ASSERT_GE(clubs.size(), 120u);
    size_t next = 0;
    for (int i = 0; i < 23; ++i) EuroListA[i] = static_cast<uint8_t>(clubs[next++]);
    EuroListA[31] = static_cast<uint8_t>(clubs[next++]);
    for (uint8_t& entry : EuroListB) entry = static_cast<uint8_t>(clubs[next++]);
    for (uint8_t& entry : EuroListC) entry = static_cast<uint8_t>(clubs[next++]);
  }

  // The match day's part: a result for the fixture, a shoot-out where its
  // rules have one and the tie is level, then the tie's booking.
  void Play(int16_t n) {
    const int code = Fixture_GetCompetition(n);
    const int cup = (code - COMP_CUP_FIRST) / COMP_CUP_CODES;
    const int within = (code - COMP_CUP_FIRST) % COMP_CUP_CODES;
    const bool second = within >= 8;
    const CupRoundRecord& rec = Rec(cup, within % 8);
    int penalties = second ? rec.penalties2 : rec.legs;
    if (penalties == 2 || penalties == 3) penalties = 0;
    const int home = Roll(4), away = Roll(4);
    bool level = home == away;
    if (second && rec.legs == 2) {
      const int16_t first = Fixture_Find(Fixture_GetAwayClub(n), Fixture_GetHomeClub(n), code - 8);
      const int a = home + Fixture_GetAwayGoals(first), b = away + Fixture_GetHomeGoals(first);
      level = a == b && home + 2 * Fixture_GetAwayGoals(first) == 2 * away + Fixture_GetHomeGoals(first);
    }
    int homeShootout = 0, awayShootout = 0;
    if (level && penalties == 1) {
      const bool homeWins = Roll(2) == 1;
      homeShootout = homeWins ? 5 : 4;
      awayShootout = homeWins ? 4 : 5;
    }
    cuptest::PlayCupFixture(n, home, away, homeShootout, awayShootout);
  }
};

TEST_P(CupSeasonTest, EveryRoundIsDrawnOnItsDayWithItsEntrantsAndEveryCupIsWon) {
  const int g = GetParam();
  rng.seed(static_cast<unsigned>(4000 + g));
  GameSeedRandom(static_cast<uint32_t>(77 + g));
  cuptest::MakeCountryWorld(g);
  FillEuropeanLists();
  const int16_t human = DivisionTable[0][3];
  Club_SetControl(human, 1);
  FirstMatchDay = kFirstMatchDay;
  Postdate = 330;
  DayOfSeason = 0;
  DaysSinceFirstMatch = 0;
  ShuffleEuroEntrantsB();  // the new game's step
  const int64_t money = cuptest::MoneyInWorld();

  int roundsDrawn = 0, roundsExpected = 0, pendingSlots = 0, replays = 0;
  for (int j = 0; j < NUM_CUP_COMPETITIONS; ++j)
    for (int k = 0; k < CUP_ROUNDS; ++k) roundsExpected += Rec(j, k).drawDay >= 0;

  for (int day = 1; day < 366; ++day) {
    DayOfSeason = static_cast<int16_t>(day);
    if (day > FirstMatchDay) ++DaysSinceFirstMatch;

    struct Due {
      int j, k;
      ClubSet entrants;
    };
    std::vector<Due> due;
    for (int j = 0; j < NUM_CUP_COMPETITIONS; ++j)
      for (int k = 0; k < CUP_ROUNDS; ++k) {
        const CupRoundRecord& rec = Rec(j, k);
        if (rec.drawDay != DaysSinceFirstMatch || (rec.drawDay == 0 && day > 1)) continue;
        if (!(j == 5 && k == 0)) {
          ASSERT_TRUE(RoundEmpty(j, k)) << "competition " << j << " round " << k << " drawn early";
        }
        due.push_back(Due{j, k, ExpectedEntrants(j, k)});
      }

    DrawCupRound();

    for (const Due& d : due) {
      SCOPED_TRACE("day " + std::to_string(day) + ", competition " + std::to_string(d.j) + ", round " +
                   std::to_string(d.k));
      ++roundsDrawn;
      const CupRoundRecord& rec = Rec(d.j, d.k);
      const ClubSet drawn = Entry0Clubs(d.j, d.k);
      const bool fromList = (d.j == 4 || d.j == 5 || d.j == 6) && d.k == 0;
      // Who: exactly the clubs that were due to enter, as many as the round has slots.
      EXPECT_EQ(drawn, d.entrants);
      if (!fromList) {
        const int slots = (rec.endSeed - rec.firstSeed) + std::max<int>(rec.comingOn, 0);
        EXPECT_EQ(static_cast<int>(drawn.size()), slots) << "entrants fill the round";
        for (int s = 0; s < CUP_SLOTS; ++s) EXPECT_EQ(CupDrawTable[d.j][d.k][s][0] >= 0, s < slots) << "slot " << s;
      }
      for (int s = 0; s < CUP_SLOTS; ++s) pendingSlots += CupDrawTable[d.j][d.k][s][1] >= 0;
    }

    // Today's matches, as the match day plays them.
    for (std::vector<int16_t> today = cuptest::UnplayedOn(day); !today.empty(); today = cuptest::UnplayedOn(day)) {
      const int16_t n = today.front();
      const int code = Fixture_GetCompetition(n);
      ASSERT_GE(code, COMP_CUP_FIRST);
      ASSERT_LE(code, COMP_CUP_LAST);
      replays += (code - COMP_CUP_FIRST) % COMP_CUP_CODES >= 8 &&
                 Rec((code - COMP_CUP_FIRST) / COMP_CUP_CODES, (code - COMP_CUP_FIRST) % 8).legs != 2;
      Play(n);
    }

    // The packed form keeps the table exactly, or refuses a table too full.
    static CupDrawRounds copy;
    const int packed = PackCupDrawTable();
    if (packed == CUP_PACK_OK) {
      ASSERT_EQ(CupDraw_Unpack(CupDrawPacked, &copy), CUP_PACK_OK);
      ASSERT_EQ(std::memcmp(copy, CupDrawTable, sizeof copy), 0) << "day " << day;
    } else {
      ASSERT_EQ(packed, CUP_PACK_TOO_MANY_VALUES) << "day " << day;
      EXPECT_GT(CupDraw_CountEntries(CupDrawTable), CUP_PACK_VALUES_MAX);
    }
  }

  EXPECT_EQ(roundsDrawn, roundsExpected) << "every round drawn once";
  bool replayRounds = false;
  for (int j = 0; j < NUM_CUP_COMPETITIONS; ++j)
    for (int k = 0; k < CUP_ROUNDS; ++k) replayRounds |= Rec(j, k).drawDay >= 0 && Rec(j, k).legs == 0;
  if (replayRounds) {
    EXPECT_GT(replays, 0) << "level matches were replayed";
  }
  if (g == 0) {
    EXPECT_GT(pendingSlots, 0) << "replays still to come when the next round was drawn";
  }
  EXPECT_EQ(CupTies_RefusedFixtures(), 0);
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
    EXPECT_TRUE(Fixture_IsPlayed(n)) << "fixture " << n << " on day " << Fixture_GetDay(n);

  // Every cup won: its final leaves the winner alone, and both finalists'
  // honours are recorded.
  std::vector<std::vector<int32_t>> honours;
  for (const SeamCall& call : Seam_Calls())
    if (call.name == "Honours_RecordWinner") honours.push_back(call.args);
  std::vector<std::vector<int32_t>> expected;
  for (int j = 0; j < NUM_CUP_COMPETITIONS; ++j) {
    int final = -1;
    for (int k = 0; k < CUP_ROUNDS; ++k)
      if (Rec(j, k).comingOn == 2) final = k;
    if (final < 0) continue;
    const ClubSet left = Entry0Clubs(j, final);
    ASSERT_EQ(left.size(), 1u) << "competition " << j;
    const int16_t winner = *left.begin();
    auto won = std::find(honours.begin(), honours.end(), std::vector<int32_t>{winner, 9 + 2 * j});
    ASSERT_NE(won, honours.end()) << "competition " << j;
    ASSERT_NE(won + 1, honours.end());
    EXPECT_EQ((*(won + 1))[1], 10 + 2 * j);
    expected.push_back({winner, 9 + 2 * j});
  }
  EXPECT_EQ(honours.size(), 2 * expected.size());
  EXPECT_EQ(cuptest::MoneyInWorld(), money) << "prize money comes out of the pool";
}

INSTANTIATE_TEST_SUITE_P(GameCountries, CupSeasonTest, ::testing::Range(0, NUM_GAME_COUNTRIES));

}  // namespace
