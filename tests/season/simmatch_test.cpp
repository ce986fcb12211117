#include "season/simmatch.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "season/seasonstate.h"
#include "season/sim_squads.h"
#include "support/test_world.h"
#include "world/fixtures.h"

namespace {

using namespace simtest;

constexpr int16_t kHome = 10, kAway = 11;

const SimPlayerEntry& At(int side, int entry) { return SimSheets.sheets[side].entries[entry]; }
const SimSideRecord& SideRec(int side) { return SimSheets.sides[side]; }
int Goals(int side) { return SideRec(side).goals; }

// A league's worth of fixtures: pairs of clubs of the same country and
// division of the world database (made-up squads of mixed strength without
// it), each pair with a fresh set-up.
class SimMatchTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    squads_ = LoadDatabaseSquads();
    if (squads_.size() < 20) {
      squads_.clear();
      std::mt19937 rng(99);
      for (int i = 0; i < 60; ++i) {
        // Five leagues, each with clubs a few points of quality apart.
        const int league = i % 5;
        Squad s = MakeSquad(34 + league * 9 + i / 5 % 4 * 4, static_cast<int16_t>(i * 16), rng);
        s.league = league;
        squads_.push_back(s);
      }
    }
    for (size_t i = 0; i < squads_.size(); ++i) leagues_[squads_[i].league].push_back(i);
    for (auto it = leagues_.begin(); it != leagues_.end();)
      it = it->second.size() < 2 ? leagues_.erase(it) : std::next(it);
    ASSERT_FALSE(leagues_.empty());
  }

  // The next fixture's two squads, written into the MatchSetup.
  std::pair<const Squad*, const Squad*> NextFixture(std::mt19937& rng, const TieRules& rules = TieRules{}) {
    auto it = leagues_.begin();
    std::advance(it, rng() % leagues_.size());
    const std::vector<size_t>& clubs = it->second;
    const size_t a = clubs[rng() % clubs.size()];
    size_t b = clubs[rng() % clubs.size()];
    while (b == a) b = clubs[rng() % clubs.size()];
    WriteMatchSetup(squads_[a], squads_[b], rng, rules);
    return {&squads_[a], &squads_[b]};
  }

  std::vector<Squad> squads_;
  std::map<int, std::vector<size_t>> leagues_;
};

// ---- Believable football over a season's worth of matches ----

TEST_F(SimMatchTest, ABatchOfMatchesLooksLikeFootball) {
  constexpr int kMatches = 3000;
  std::mt19937 rng(2024);
  GameSeedRandom(77);
  int goals = 0, homeWins = 0, awayWins = 0, draws = 0, highest = 0;
  int strongerWins = 0, weakerWins = 0;
  for (int m = 0; m < kMatches; ++m) {
    auto [home, away] = NextFixture(rng);
    ASSERT_EQ(SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0), SIM_RESULT_DONE);
    const int h = Goals(0), a = Goals(1);
    goals += h + a;
    homeWins += h > a;
    awayWins += h < a;
    draws += h == a;
    highest = std::max({highest, h, a});
    // A clearly stronger side (by the starters' quality) should win more often.
    if (std::abs(home->strength() - away->strength()) >= 5 && h != a) {
      const bool homeStronger = home->strength() > away->strength();
      ((h > a) == homeStronger ? strongerWins : weakerWins) += 1;
    }
    // A league match never goes to extra time or penalties.
    EXPECT_EQ(SideRec(0).shootout + SideRec(1).shootout, 0);
  }
  const double mean = static_cast<double>(goals) / kMatches;
  const double drawShare = static_cast<double>(draws) / kMatches;
  EXPECT_GE(mean, 2.0);
  EXPECT_LE(mean, 3.5);
  EXPECT_GT(homeWins, awayWins);
  EXPECT_GE(drawShare, 0.20);
  EXPECT_LE(drawShare, 0.33);
  EXPECT_LE(highest, 12);
  EXPECT_GT(strongerWins, 2 * weakerWins);
}

// ---- Knockout matches ----

TEST_F(SimMatchTest, ExtraTimeAndShootOutDecideEveryKnockoutMatch) {
  std::mt19937 rng(5);
  GameSeedRandom(5);
  TieRules cup;
  cup.extraTime = 1;
  cup.penalties = 1;
  int extraTimes = 0, shootOuts = 0;
  for (int m = 0; m < 1500; ++m) {
    NextFixture(rng, cup);
    SimulateMatchResult(kHome, kAway, 5, 1, 0, 1, 0);
    const bool extraTime = (SimSheets.flags & SIMF_IN_EXTRA_TIME) != 0;
    const int h = Goals(0), a = Goals(1), hs = SideRec(0).shootout, as = SideRec(1).shootout;
    // Extra time only after a draw in normal time, played to the 120th minute.
    if (!extraTime) {
      EXPECT_NE(h, a);
    } else {
      ++extraTimes;
      for (int side = 0; side < 2; ++side)
        for (int i = 0; i < SIM_SHEET_ENTRIES; ++i)
          if (SimEntryOnPitch(At(side, i))) {
            EXPECT_EQ(At(side, i).minuteOff, 120);
          }
    }
    if (hs + as > 0) {
      ++shootOuts;
      EXPECT_TRUE(extraTime);
      EXPECT_EQ(h, a);  // only a draw after extra time goes to penalties
      EXPECT_NE(hs, as);
      EXPECT_LE(std::max(hs, as), 6);
    } else {
      EXPECT_NE(h, a);
    }
    // The result record carries both scores.
    const uint8_t* result = GetMatchResultRecord();
    EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS), h);
    EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS), as);
  }
  EXPECT_GT(extraTimes, 150);
  EXPECT_GT(shootOuts, 40);
  EXPECT_LT(shootOuts, extraTimes);
}

TEST_F(SimMatchTest, PenaltiesWithoutExtraTimeFollowADrawAtOnce) {
  std::mt19937 rng(8);
  GameSeedRandom(8);
  TieRules rules;
  rules.penalties = 1;
  int shootOuts = 0;
  for (int m = 0; m < 400; ++m) {
    NextFixture(rng, rules);
    SimulateMatchResult(kHome, kAway, 5, 0, 0, 1, 0);
    EXPECT_EQ(SimSheets.flags & SIMF_IN_EXTRA_TIME, 0u);
    const int hs = SideRec(0).shootout, as = SideRec(1).shootout;
    EXPECT_EQ(hs + as > 0, Goals(0) == Goals(1));
    if (hs + as > 0) {
      ++shootOuts;
      EXPECT_NE(hs, as);
    }
  }
  EXPECT_GT(shootOuts, 50);
}

TEST_F(SimMatchTest, AGoldenGoalEndsExtraTime) {
  std::mt19937 rng(11);
  GameSeedRandom(11);
  TieRules rules;
  rules.extraTime = 1;
  rules.penalties = 1;
  int golden = 0;
  for (int m = 0; m < 1500; ++m) {
    NextFixture(rng, rules);
    SimulateMatchResult(kHome, kAway, 5, 1, 1, 1, 0);
    if (!(SimSheets.flags & SIMF_STOP)) continue;
    ++golden;
    // The side that scored last won by one, and nobody took a penalty.
    const int last = (SimSheets.flags & SIMF_LAST_GOAL_AWAY) ? 1 : 0;
    EXPECT_EQ(Goals(last), Goals(1 - last) + 1);
    EXPECT_EQ(SideRec(0).shootout + SideRec(1).shootout, 0);
    EXPECT_EQ(SimSheets.flags & SIMF_PENALTIES, 0u);
    const SimGoalEntry& g = SideRec(last).goalList[SideRec(last).goalListCount - 1];
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i)
      if (SimEntryOnPitch(At(0, i))) {
        EXPECT_EQ(At(0, i).minuteOff, std::clamp<int>(g.minute, 91, 120));
      }
  }
  EXPECT_GT(golden, 50);
}

// Sets the side records' goals for the aggregate checks.
void Leg(int homeGoals, int awayGoals, int homeFirstLeg, int awayFirstLeg, bool awayGoalsRule) {
  SimSheets.sides[0].goals = static_cast<uint8_t>(homeGoals);
  SimSheets.sides[1].goals = static_cast<uint8_t>(awayGoals);
  SimSheets.sides[0].firstLegGoals = static_cast<uint8_t>(homeFirstLeg);
  SimSheets.sides[1].firstLegGoals = static_cast<uint8_t>(awayFirstLeg);
  SimSheets.flags = SIMF_EXTRA_TIME | SIMF_PENALTIES | SIMF_SECOND_LEG | (awayGoalsRule ? SIMF_AWAY_GOALS : 0);
}

TEST_F(SimMatchTest, SecondLegsAreDecidedOnAggregateAndAwayGoals) {
  struct Case {
    int home, away, homeFirst, awayFirst;
    bool awayGoals, extraTime;
    uint32_t kept;  // of extra time and penalties
  };
  const Case cases[] = {
      {2, 0, 0, 1, true, false, 0},                                  // 2-1 on aggregate
      {2, 1, 0, 1, true, false, 0},                                  // 2-2; the visitors scored away, the hosts not
      {2, 1, 0, 1, true, true, SIMF_EXTRA_TIME},                     // the same after extra time: penalties go
      {1, 1, 1, 1, true, false, SIMF_EXTRA_TIME | SIMF_PENALTIES},   // 2-2, one away goal each
      {2, 1, 0, 1, false, false, SIMF_EXTRA_TIME | SIMF_PENALTIES},  // no away-goals rule
      {0, 3, 3, 0, true, false, SIMF_EXTRA_TIME | SIMF_PENALTIES},   // 3-3, three away goals each
  };
  for (const Case& c : cases) {
    Leg(c.home, c.away, c.homeFirst, c.awayFirst, c.awayGoals);
    CheckSimAggregate(c.extraTime);
    EXPECT_EQ(SimSheets.flags & (SIMF_EXTRA_TIME | SIMF_PENALTIES), c.kept)
        << c.home << "-" << c.away << " after " << c.homeFirst << "-" << c.awayFirst;
  }
}

TEST_F(SimMatchTest, ASecondLegPlaysOnOnlyWhileTheTieIsLevel) {
  std::mt19937 rng(21);
  GameSeedRandom(21);
  TieRules rules;
  rules.extraTime = 1;
  rules.penalties = 1;
  rules.secondLeg = true;
  rules.firstLegGoals[0] = 1;  // this leg's home side scored once away in the first leg
  rules.firstLegGoals[1] = 2;
  int shootOuts = 0;
  for (int m = 0; m < 600; ++m) {
    NextFixture(rng, rules);
    SimulateMatchResult(kHome, kAway, 13, 1, 0, 1, 0);
    const int aggregate[2] = {Goals(0) + 1, Goals(1) + 2};
    if (SideRec(0).shootout + SideRec(1).shootout > 0) {
      ++shootOuts;
      // Level on aggregate and on away goals (1 against the visitors' goals here).
      EXPECT_EQ(aggregate[0], aggregate[1]);
      EXPECT_EQ(Goals(1), 1);
    }
  }
  EXPECT_GT(shootOuts, 5);
}

// ---- Scorers, cards and marks ----

TEST_F(SimMatchTest, ScorersPlayForTheirSideAndAreOnThePitch) {
  std::mt19937 rng(3);
  GameSeedRandom(3);
  int ownGoals = 0;
  for (int m = 0; m < 2000; ++m) {
    NextFixture(rng);
    SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
    const uint8_t* result = GetMatchResultRecord();
    for (int side = 0; side < 2; ++side) {
      const SimSideRecord& s = SideRec(side);
      ASSERT_EQ(s.goalListCount, s.goals);
      int credited = 0;
      for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
        credited += At(side, i).goals + At(1 - side, i).ownGoals;
        EXPECT_EQ(LoadI16(result + PlayerStatsOffset(side, i) + PLAYER_STATS_GOALS), At(side, i).goals);
      }
      EXPECT_EQ(credited, s.goals);
      for (int g = 0; g < s.goalListCount; ++g) {
        const SimGoalEntry& goal = s.goalList[g];
        const bool own = goal.kind == SIM_GOAL_OWN_GOAL;
        const SimPlayerEntry& scorer = At(own ? 1 - side : side, goal.scorer);
        ASSERT_TRUE(SimEntryPresent(scorer));
        EXPECT_NE(scorer.onPitch, SIM_ON_BENCH);  // a substitute who never came on
        EXPECT_GE(goal.minute, scorer.minuteOn);
        if (scorer.onPitch != SIM_ON_PITCH) {
          EXPECT_LE(goal.minute, scorer.minuteOff);
        }
        if (scorer.onPitch == SIM_SENT_OFF) {
          const SimSideRecord& team = SideRec(own ? 1 - side : side);
          for (int k = 0; k < team.sentOffListCount; ++k) {
            if (team.sentOffList[k].player == goal.scorer) {
              EXPECT_LT(goal.sequence, team.sentOffList[k].sequence);
            }
          }
        }
        if (goal.assist >= 0) {
          EXPECT_NE(goal.assist, goal.scorer);
          EXPECT_NE(At(side, goal.assist).onPitch, SIM_ON_BENCH);
        }
        ownGoals += own;
      }
    }
  }
  EXPECT_GT(ownGoals, 0);
}

// Two sides of hot-headed players: many fouls, bookings and sendings-off.
void MakeHotHeaded(int side) {
  uint8_t* setup = GetMatchSetupRecord();
  for (int e = 0; e < 16; ++e) StoreI16(setup + SetupPlayerOffset(side, e) + SETUP_PLAYER_PERSONALITY15, 99);
}

TEST_F(SimMatchTest, SendingsOffReduceTheSide) {
  std::mt19937 rng(17);
  GameSeedRandom(17);
  int sentOff = 0, sidesWithTwo = 0;
  for (int m = 0; m < 600; ++m) {
    NextFixture(rng);
    MakeHotHeaded(0);
    MakeHotHeaded(1);
    SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
    for (int side = 0; side < 2; ++side) {
      const SimSideRecord& s = SideRec(side);
      int onPitch = 0, off = 0;
      for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
        const SimPlayerEntry& e = At(side, i);
        onPitch += SimEntryOnPitch(e);
        if (e.onPitch == SIM_SENT_OFF) {
          ++off;
          EXPECT_TRUE(e.cardState == SIM_CARD_TWICE || e.cardState == SIM_CARD_SENT_OFF);
        }
      }
      // Injured players are replaced, the sent off are not.
      EXPECT_EQ(off, s.sentOffListCount);
      EXPECT_EQ(onPitch, SIM_STARTERS - off);
      EXPECT_EQ(s.onPitchCount, onPitch);
      EXPECT_LE(off, 2);  // the gate stops a side losing a third
      sidesWithTwo += off == 2;
      sentOff += off;
      // Someone is always in goal, and the takers are on the pitch.
      ASSERT_GE(s.keeper, 0);
      EXPECT_TRUE(SimEntryOnPitch(At(side, s.keeper)));
      EXPECT_EQ(At(side, s.keeper).role, SIM_KEEPER_ROLE);
      for (int t = 0; t < SIM_TAKERS; ++t) {
        ASSERT_GE(s.takers[t], 0);
        EXPECT_TRUE(SimEntryOnPitch(At(side, s.takers[t])));
        EXPECT_NE(s.takers[t], s.keeper);
      }
      EXPECT_GE(s.sendingsOff + s.bookings, off);
    }
  }
  EXPECT_GT(sentOff, 100);
  EXPECT_GT(sidesWithTwo, 5);
}

TEST_F(SimMatchTest, KnocksTakePlayersOffAndASubstituteComesOn) {
  std::mt19937 rng(23);
  GameSeedRandom(23);
  int injured = 0;
  for (int m = 0; m < 1500; ++m) {
    NextFixture(rng);
    MakeHotHeaded(1);
    SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
    const uint8_t* result = GetMatchResultRecord();
    int cameOn = 0, hurt = 0;
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
      const SimPlayerEntry& e = At(0, i);
      if (e.injuryState == SIM_INJURED_OFF) {
        ++hurt;
        EXPECT_EQ(e.onPitch, SIM_TAKEN_OFF);
        EXPECT_NE(e.injuryKind, 255);
        EXPECT_EQ(LoadI16(result + PlayerStatsOffset(0, i) + PLAYER_STATS_INJURY), SIM_INJURED_OFF);
      }
      cameOn += (e.flags & SIM_FLAG_CAME_ON) != 0;
    }
    EXPECT_EQ(hurt, cameOn);
    EXPECT_LE(cameOn, 2);
    injured += hurt;
  }
  EXPECT_GT(injured, 10);
}

TEST(SimMarks, TheBestMarkIsScaledTo98) {
  struct Case {
    int mark, best, scaled;
  };
  const Case cases[] = {
      {60, 60, 98}, {50, 60, 69}, {40, 60, 40}, {30, 60, 30},   // best 41-84: marks above 40 stretched
      {84, 84, 98}, {41, 41, 98},                               //
      {90, 90, 90}, {85, 85, 85}, {95, 95, 95}, {70, 95, 70},   // best 85-95: unchanged
      {110, 110, 98}, {96, 96, 98}, {80, 110, 75}, {60, 110, 60},  // best 96 or more: marks above 60 squeezed
      {40, 40, 40}, {20, 30, 20},                               // best below 41: unchanged
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleSimMark(c.mark, c.best), c.scaled) << c.mark << " of " << c.best;
}

TEST_F(SimMatchTest, EveryPlayerWhoPlayedGetsAMarkAndOneBestMarkStandsOut) {
  std::mt19937 rng(31);
  GameSeedRandom(31);
  for (int m = 0; m < 500; ++m) {
    NextFixture(rng);
    SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
    const uint8_t* result = GetMatchResultRecord();
    int best = 0, atBest = 0;
    for (int side = 0; side < 2; ++side) {
      for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
        const SimPlayerEntry& e = At(side, i);
        const int mark = LoadI16(result + PlayerStatsOffset(side, i) + PLAYER_STATS_MARK);
        EXPECT_EQ(mark, e.mark);
        if (SimEntryPlayed(e)) {
          EXPECT_GE(mark, 1);
          EXPECT_EQ(LoadI16(result + PlayerStatsOffset(side, i) + PLAYER_STATS_WORKLOAD),
                    std::max(0, e.minuteOff - e.minuteOn) / 3);
        } else {
          EXPECT_EQ(mark, 0);
        }
        if (mark > best) best = mark, atBest = 0;
        atBest += mark == best;
      }
    }
    EXPECT_EQ(atBest, 1);
    EXPECT_TRUE((best >= 85 && best <= 96) || best == 98 || best == 99) << best;
  }
}

// ---- Ratings ----

TEST(SimRatings, APlayersRatingIsHisWeightedSumAfterTheTwoModifiers) {
  SimPlayerEntry e{};
  e.emptyMark = 1;
  e.player = 1;
  e.ability0 = 10, e.ability1 = 20, e.ability2 = 30, e.ability3 = 40, e.ability4 = 50, e.ability5 = 60;
  e.ability6 = 70, e.ability7 = 80, e.pace = 15, e.physical9 = 25, e.physical10 = 35, e.physical13 = 45;
  e.physical14 = 55, e.personality15 = 12, e.personality16 = 22, e.personality19 = 32, e.experience = 42;
  // Role 4: r0 = 2 x (30 + 20 + 70) + 2 x 32 + 2 x 42 = 388; r1 = 5 x 30 + 4 x 12 + 5 x 15 + 2 x 42 = 357;
  // r2 = 7 x 45 + 7 x 40 + 9 x 32 + 9 x 15 + 9 x 60 + 7 x 70 + 6 x 25 - 9 x 22 = 2000;
  // r3 = 8 x (55 + 70 + 80 + 35 + 50 + 42) = 2656; r4 = 7 x (25 + 55 + 70 + 35 + 20 + 42) = 1729;
  // in goal: r0 without 2 x ability 2 and 0 x physical 14 = 328.
  const int16_t plain[SIM_PLAYER_RATINGS] = {388, 357, 2000, 2656, 1729, 328};
  int16_t out[SIM_PLAYER_RATINGS];
  e.physical11 = 0;
  e.personality18 = 50;
  ComputeSimPlayerRatings(e, 4, out);
  for (int k = 0; k < SIM_PLAYER_RATINGS; ++k) EXPECT_EQ(out[k], plain[k]) << k;
  // A penalty byte of 50 takes a tenth off; form 30 another 4 in a hundred.
  e.physical11 = 50;
  e.personality18 = 30;
  ComputeSimPlayerRatings(e, 4, out);
  for (int k = 0; k < SIM_PLAYER_RATINGS; ++k) {
    const int s = plain[k], a = s + (50 * s * -20) / 10000, b = s + ((30 - 50) * 2 * s * 10) / 10000;
    EXPECT_EQ(out[k], a + b - s) << k;
  }
  // Without a role, or for an empty entry, nothing.
  ComputeSimPlayerRatings(e, SIM_NO_ROLE, out);
  EXPECT_EQ(out[0], 0);
  e.player = -1;
  ComputeSimPlayerRatings(e, 4, out);
  EXPECT_EQ(out[3], 0);
}

TEST_F(SimMatchTest, SubstitutesAndEmptyEntriesNeverCount) {
  std::mt19937 rng(41);
  NextFixture(rng);
  // The away side has only 14 players.
  uint8_t* setup = GetMatchSetupRecord();
  for (int e = 14; e < 16; ++e) StoreI16(setup + SetupPlayerOffset(1, e) + SETUP_PLAYER_NUMBER, -1);
  GameSeedRandom(41);
  SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
  for (int side = 0; side < 2; ++side) {
    int32_t sums[5] = {1, 1, 1, 1, 1}, form = 0, stamina = 0;
    for (int i = 0; i < SIM_STARTERS; ++i) {
      for (int k = 0; k < 5; ++k) sums[k] += GetSimPlayerRating(side, i, k);
      form += At(side, i).personality15;
      stamina += At(side, i).physical12;
    }
    const SimTeamRatings& r = GetSimTeamRatings(side);
    // (A player who came on or went in goal since was rated again.)
    bool changed = SideRec(side).keeper != 0;
    for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) changed |= (At(side, i).flags & SIM_FLAG_CAME_ON) != 0;
    if (!changed) {
      for (int k = 0; k < 5; ++k) EXPECT_EQ(r.r[k], std::min<int32_t>(sums[k], 32767)) << side << " r" << k;
    }
    EXPECT_EQ(r.r[5], form / SIM_STARTERS);
    EXPECT_EQ(r.r[6], stamina / SIM_STARTERS);
  }
  const uint8_t* result = GetMatchResultRecord();
  for (int e = 14; e < 16; ++e) {
    EXPECT_FALSE(SimEntryPresent(At(1, e)));
    EXPECT_EQ(LoadI16(result + PlayerStatsOffset(1, e) + PLAYER_STATS_RECORD + MATCH_RECORD_PLAYER), -1);
    EXPECT_EQ(LoadI16(result + PlayerStatsOffset(1, e) + PLAYER_STATS_MARK), 0);
  }
  EXPECT_EQ(result[MATCH_LOG], MATCH_LOG_END);
  EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_MAN_OF_MATCH), -1);
  EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOAL_LIST), -1);
}

TEST(SimChances, TwoHighScoringCountsComeDownTogether) {
  struct Case {
    int home, away, cutHome, cutAway;
  };
  const Case cases[] = {{12, 11, 11, 10}, {12, 3, 12, 3}, {25, 23, 12, 10}, {11, 11, 10, 10}, {10, 30, 10, 30}};
  for (const Case& c : cases) {
    int home = c.home, away = c.away;
    CutSimScoringCounts(&home, &away);
    EXPECT_EQ(home, c.cutHome) << c.home << "/" << c.away;
    EXPECT_EQ(away, c.cutAway) << c.home << "/" << c.away;
  }
}

TEST(SimInjuries, TheAttackTallyPicksTheRow) {
  ResetAllModules();
  GameSeedRandom(9);
  const std::vector<int> row1 = {14, 36, 25, 30, 31, 20}, row6 = {28, 27, 26, 17};
  for (int n = 0; n < 300; ++n) {
    const int low = DrawSimInjuryKind(0), high = DrawSimInjuryKind(9);
    EXPECT_NE(std::find(row1.begin(), row1.end(), low), row1.end()) << low;
    EXPECT_NE(std::find(row6.begin(), row6.end(), high), row6.end()) << high;
  }
  ResetAllModules();
}

// ---- The same seed, the same match ----

TEST_F(SimMatchTest, TheSameSeedGivesTheSameResultsByteForByte) {
  auto run = [this](uint32_t seed) {
    std::mt19937 rng(123);
    GameSeedRandom(seed);
    ClearMatchEvents();
    std::vector<uint8_t> bytes;
    for (int m = 0; m < 50; ++m) {
      NextFixture(rng);
      SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 1, 0, 1, 1);
      const uint8_t* result = GetMatchResultRecord();
      bytes.insert(bytes.end(), result, result + MATCH_RESULT_SIZE);
    }
    const uint8_t* events = &MatchEvents.events[0][0];
    bytes.insert(bytes.end(), events, events + MatchEvents.count * MATCH_EVENT_SIZE);
    return bytes;
  };
  const std::vector<uint8_t> first = run(1000), again = run(1000), other = run(1001);
  EXPECT_TRUE(first == again);
  EXPECT_FALSE(first == other);
}

// ---- Match events ----

TEST(MatchEvents, EveryFieldRoundTrips) {
  MatchEventFields f{};
  f.kind = 3, f.club = 249, f.goals = 15, f.minute = 119, f.sequence = 200, f.side = 1, f.player = 24999;
  f.special = 1, f.otherClub = 7, f.otherGoals = 9, f.competition = 118, f.firstLegGoals = 31;
  f.otherFirstLegGoals = 4, f.shootout = 5, f.otherShootout = 15;
  f.values = CompetitionValues{6, 7, 0, 1};
  f.secondLeg = 1;
  uint8_t bytes[MATCH_EVENT_SIZE];
  EncodeMatchEvent(f, bytes);
  const MatchEventFields d = DecodeMatchEvent(bytes);
  EXPECT_EQ(std::memcmp(&d, &f, sizeof f), 0);
  EXPECT_EQ(bytes[13], 1);
  EXPECT_EQ(bytes[14] | bytes[15] | bytes[16], 0);
  // Bit positions: kind in bits 0-2, minute + 1 in 15-22, side in 31.
  EXPECT_EQ(LoadU32(bytes) & 7, 3u);
  EXPECT_EQ(LoadU32(bytes) >> 15 & 0xFF, 120u);
  EXPECT_EQ(LoadU32(bytes) >> 31, 1u);
  // A count too big for its field stays at the field's largest value.
  f.goals = 20;
  f.firstLegGoals = 40;
  EncodeMatchEvent(f, bytes);
  EXPECT_EQ(DecodeMatchEvent(bytes).goals, 15);
  EXPECT_EQ(DecodeMatchEvent(bytes).firstLegGoals, 31);
  EXPECT_EQ(DecodeMatchEvent(bytes).club, 249);
}

TEST_F(SimMatchTest, TheFollowedCompetitionWritesItsGoalsAndSendingsOff) {
  std::mt19937 rng(51);
  GameSeedRandom(51);
  ClearMatchEvents();
  int expected = 0;
  for (int m = 0; m < 30; ++m) {
    NextFixture(rng);
    MakeHotHeaded(1);
    const int16_t before = MatchEvents.count;
    SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 1);
    const int n = Goals(0) + Goals(1) + SideRec(0).sentOffListCount + SideRec(1).sentOffListCount;
    ASSERT_EQ(MatchEvents.count - before, n);
    expected += n;
    int goalsSoFar[2] = {0, 0}, lastMinute = 0;
    for (int k = before; k < MatchEvents.count; ++k) {
      const MatchEventFields f = DecodeMatchEvent(MatchEvents.events[k]);
      EXPECT_EQ(f.sequence, k - before);
      EXPECT_GE(f.minute, lastMinute);  // minutes never run backwards
      lastMinute = f.minute;
      EXPECT_EQ(f.club, f.side == 0 ? kHome : kAway);
      EXPECT_EQ(f.otherClub, f.side == 0 ? kAway : kHome);
      EXPECT_EQ(f.competition, COMP_LEAGUE);
      if (f.kind == MATCH_EVENT_SENDING_OFF) {
        EXPECT_EQ(f.goals, goalsSoFar[f.side]);
        continue;
      }
      EXPECT_EQ(f.goals, ++goalsSoFar[f.side]);
      EXPECT_EQ(f.otherGoals, goalsSoFar[1 - f.side]);
      bool scorerFound = false;  // the scorer's own side, or the other for an own goal
      const int scorerSide = f.kind == MATCH_EVENT_OWN_GOAL ? 1 - f.side : f.side;
      for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) scorerFound |= At(scorerSide, i).player == f.player;
      EXPECT_TRUE(scorerFound);
    }
  }
  EXPECT_GT(expected, 30);
  // Without the flag nothing is written.
  const int16_t count = MatchEvents.count;
  NextFixture(rng);
  SimulateMatchResult(kHome, kAway, COMP_LEAGUE, 0, 0, 0, 0);
  EXPECT_EQ(MatchEvents.count, count);
  ClearMatchEvents();
  EXPECT_EQ(MatchEvents.count, 0);
}

// ---- Competition values and the link ----

TEST(SimCompetition, CupCodesGiveCupRoundAndTheSingleLegFlag) {
  ResetAllModules();
  GameCountry = 0;
  struct Case {
    int16_t code;
    int cup, round, singleLeg;
  };
  const Case cases[] = {
      {5, 0, 0, 0},                 // cup 0, round 0, first code
      {5 + 16 + 3, 1, 3, 0},        // cup 1, round 3
      {5 + 16 + 8 + 0, 1, 0, 0},    // second leg of a two-legged round
      {5 + 16 + 8 + 2, 1, 2, 1},    // second code of a one-match round: a replay
      {5 + 8 + 3, 0, 3, 1},
      {116, 6, 7, -1},              // the last cup code
  };
  for (const Case& c : cases) {
    CompetitionValues v{-1, -1, -1, -1};
    DecodeCompetitionCode(c.code, 0, &v);
    EXPECT_EQ(v.cup, c.cup) << c.code;
    EXPECT_EQ(v.round, c.round) << c.code;
    if (c.singleLeg >= 0) {
      EXPECT_EQ(v.singleLeg, c.singleLeg == 1 ? 1 : -1) << c.code;
    }
    EXPECT_EQ(v.spare, -1);
  }
  // Other codes leave the values alone.
  CompetitionValues v{-1, -1, -1, -1};
  DecodeCompetitionCode(COMP_FRIENDLY, 0, &v);
  EXPECT_EQ(v.cup, -1);
  ResetAllModules();
}

class SimLinkTest : public WorldTest {};

TEST_F(SimLinkTest, LeagueCodesGiveTheHomeClubsDivision) {
  DivisionTable[3][5] = 42;
  CompetitionValues v{-1, -1, -1, -1};
  DecodeCompetitionCode(COMP_LEAGUE, 42, &v);
  EXPECT_EQ(v.cup, 3);
  EXPECT_EQ(v.round, -1);
}

TEST_F(SimLinkTest, ABackgroundMatchNotesTheHumanClubAndCountsItself) {
  std::mt19937 rng(1);
  WriteMatchSetup(MakeSquad(60, 100, rng), MakeSquad(60, 200, rng), rng);
  EXPECT_EQ(RunBackgroundMatch(tw::kLeagueClub, tw::kHumanClub, COMP_LEAGUE, 0, 0, 0, 0), SIM_RESULT_DONE);
  EXPECT_EQ(SimSheets.flags & (SIMF_HUMAN_PLAYS | SIMF_HUMAN_AWAY), SIMF_HUMAN_PLAYS | SIMF_HUMAN_AWAY);
  EXPECT_EQ(SimSheets.humanClub, tw::kHumanClub);
  EXPECT_EQ(SimSheets.backgroundMatches, 1);
  // A match outside the records never counts the human club in.
  RunBackgroundMatch(tw::kHumanClub, tw::kLeagueClub, COMP_SPECIAL, 0, 0, 0, 0);
  EXPECT_EQ(SimSheets.flags & (SIMF_HUMAN_PLAYS | SIMF_HUMAN_AWAY), 0u);
  EXPECT_EQ(SimSheets.backgroundMatches, 2);
  EXPECT_EQ(SideRec(0).club, tw::kHumanClub);
  EXPECT_EQ(SideRec(1).club, tw::kLeagueClub);
}

}  // namespace
