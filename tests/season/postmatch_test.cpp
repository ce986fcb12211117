#include "season/postmatch.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchrec.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/sim_squads.h"
#include "season/simmatch.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/history.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

// Two division-1 clubs of the league world and a club of division 0.
constexpr int16_t kHome = 20, kAway = 21, kTopClub = 0;
constexpr int16_t kDay = 40;

int16_t PlayerOf(int16_t club, int place) { return static_cast<int16_t>(club * tw::kLeagueSquad + place); }

// One player's line of a hand-made MatchResult.
struct Line {
  int16_t mark = 0, goals = 0, assists = 0, card = 0, workload = 0, injury = 0;
};

// Hand-made matches between league clubs: both sides' places 0-15 hold the
// club's first 16 players (shirt = place + 1; place 0 the keeper, 1-4
// defenders, 5-9 midfielders, 10-15 forwards), nobody has played until a
// test gives him a mark.
class PostMatchTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    DayOfSeason = kDay;
    DayOfMonth = 18;
    Month = 7;  // August
    Year = 1999;
    for (int16_t club : {kHome, kAway, kTopClub}) {
      Club_SetTeamwork(club, 40);
      for (int place = 0; place < 16; ++place) {
        const int16_t p = PlayerOf(club, place);
        Player_SetPosition(p, place == 0 ? 0 : place <= 4 ? 2 : place <= 9 ? 6 : 11);
        Player_SetShirt(p, place + 1);
        Player_SetExperience(p, 0);  // morale step f = 5, also after a bump or two
      }
    }
    NewMatch(kHome, kAway);
  }

  // A fresh set-up and result for the two clubs (a background match: the
  // display mode stays as the set-up's fill leaves it).
  void NewMatch(int16_t home, int16_t away) {
    clubs_[0] = home;
    clubs_[1] = away;
    uint8_t* setup = ClearMatchSetupRecord();
    uint8_t* result = GetMatchResultRecord();
    std::memset(result, 0, MATCH_RESULT_SIZE);
    for (int side = 0; side < 2; ++side) {
      uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
      StoreI16(team + TEAM_MAN_OF_MATCH, -1);
      StoreI16(team + TEAM_GOAL_LIST, -1);
      std::memset(team + TEAM_CARD_LIST, 0xFF, TEAM_CARD_LIST_ENTRIES * 2);
      for (int place = 0; place < TEAM_PLAYER_SLOTS; ++place) {
        const int16_t p = place < 16 ? PlayerOf(clubs_[side], place) : -1;
        StoreI16(setup + SetupPlayerOffset(side, place) + SETUP_PLAYER_NUMBER, p);
        StoreI16(result + PlayerStatsOffset(side, place) + PLAYER_STATS_RECORD + MATCH_RECORD_PLAYER, p);
      }
    }
    result[MATCH_LOG] = MATCH_LOG_END;
  }

  void SetWatched() { StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2); }

  void Set(int side, int place, const Line& line) {
    uint8_t* s = GetMatchResultRecord() + PlayerStatsOffset(side, place);
    StoreI16(s + PLAYER_STATS_MARK, line.mark);
    StoreI16(s + PLAYER_STATS_GOALS, line.goals);
    StoreI16(s + PLAYER_STATS_ASSISTS, line.assists);
    StoreI16(s + PLAYER_STATS_CARD_STATE, line.card);
    StoreI16(s + PLAYER_STATS_WORKLOAD, line.workload);
    StoreI16(s + PLAYER_STATS_INJURY, line.injury);
  }
  // The starters (places 0-10) of both sides played with a plain mark.
  void StartersPlayed(int16_t mark = 30) {
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place <= 10; ++place) Set(side, place, Line{mark});
  }
  void Score(int16_t home, int16_t away) {
    StoreI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS, home);
    StoreI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS, away);
  }
  void ManOfMatch(int side, int16_t player) {
    StoreI16(GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[side] + TEAM_MAN_OF_MATCH, player);
  }

  // Adds the fixture, books the score and runs both sides' updates.
  int16_t Play(int16_t code = COMP_LEAGUE, int32_t crowd = 20000) {
    const int16_t f = Fixture_Add(DayOfSeason, code, clubs_[0], clubs_[1], 0);
    EXPECT_GE(f, 0);
    const uint8_t* result = GetMatchResultRecord();
    Fixture_SetResult(f, LoadI16(result + TEAM_GOALS), LoadI16(result + TEAM_MATCH_RECORD_SIZE + TEAM_GOALS));
    PostMatchUpdates(f, crowd, false);
    return f;
  }

  int16_t clubs_[2] = {kHome, kAway};
};

// The sum of every club's money and the pool's.
int64_t MoneyInTheWorld() {
  int64_t sum = MoneyPool;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) sum += Club_GetBalance(club);
  return sum;
}

std::vector<CareerEntry> CareerOf(int16_t player) {
  PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
  const int n = PlayerCareerLog_GetEntries(player, entries);
  std::vector<CareerEntry> out;
  for (int i = 0; i < n; ++i) out.push_back(PlayerCareerLogEntry_Decode(entries[i]));
  return out;
}

std::vector<ClubEvent> EventsOf(int16_t club) {
  std::vector<ClubEvent> out;
  for (int32_t i = 0; i < ClubEventLog_Used(); ++i) {
    const ClubEvent e = ClubEventLogEntry_Decode(ClubEventLog[i]);
    if (e.club == club) out.push_back(e);
  }
  return out;
}

uint32_t Bits(int16_t club, int offset, int first, int width) {
  return LoadU32(Club_GetFullRecord(club)->bytes + offset) >> first & ((1u << width) - 1);
}

// ---- appearances, goals, performance and the fixture's entries ----

TEST_F(PostMatchTest, PlayersWhoPlayedCountTheirAppearancesGoalsAndAssists) {
  StartersPlayed();
  const int16_t scorer = PlayerOf(kHome, 9), maker = PlayerOf(kHome, 7), sub = PlayerOf(kHome, 12);
  const int16_t unused = PlayerOf(kHome, 14);
  Set(0, 9, Line{70, 2, 0});
  Set(0, 7, Line{55, 0, 2});
  Set(0, 12, Line{44});  // came on
  Score(2, 1);
  Set(1, 10, Line{50, 1});
  ManOfMatch(0, scorer);
  Player_SetGoals(scorer, 4);
  Player_SetCareerGoals(scorer, 30);
  Player_SetCareerApps(scorer, 100);
  const int16_t f = Play();

  EXPECT_EQ(Player_GetApps(scorer), 1);
  EXPECT_EQ(Player_GetCareerApps(scorer), 101);
  EXPECT_EQ(Player_GetGoals(scorer), 6);
  EXPECT_EQ(Player_GetCareerGoals(scorer), 32);
  EXPECT_EQ(Player_GetAssists(maker), 2);
  EXPECT_EQ(Player_GetApps(sub), 1);
  EXPECT_EQ(Player_GetApps(unused), 0);  // on the bench all match
  EXPECT_EQ(Player_GetGoals(PlayerOf(kAway, 10)), 1);
  // A first appearance's mark is the performance (stored halved).
  EXPECT_EQ(Player_GetPerf(scorer), 70);
  EXPECT_EQ(Player_GetPerf(sub), 44);
  // The game country's career records.
  EXPECT_EQ(RecordCareerApps, 101);
  EXPECT_EQ(RecordCareerAppsPlayer, scorer);
  EXPECT_EQ(RecordCareerGoals, 32);
  EXPECT_EQ(RecordCareerGoalsPlayer, scorer);
  // The club's records of goals by one player.
  EXPECT_EQ(Club_GetRecordGoalsInGame(kHome), 2);
  EXPECT_EQ(Club_GetRecordGoals(kHome), 6);

  // The fixture's entries: player, mark, goals, man of the match.
  const uint8_t* entry = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[0] + 9 * FIXTURE_PLAYER_ENTRY_SIZE;
  EXPECT_EQ(LoadI16(entry), scorer);
  EXPECT_EQ(entry[2], 70);
  EXPECT_EQ(entry[3], 2 | FIXTURE_ENTRY_MAN_OF_MATCH);
  const uint8_t* bench = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[0] + 14 * FIXTURE_PLAYER_ENTRY_SIZE;
  EXPECT_EQ(LoadI16(bench), unused);
  EXPECT_EQ(bench[2], 0);
  const uint8_t* away = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[1] + 10 * FIXTURE_PLAYER_ENTRY_SIZE;
  EXPECT_EQ(LoadI16(away), PlayerOf(kAway, 10));
  EXPECT_EQ(away[3], 1);

  // The second match averages the performance over both.
  NewMatch(kHome, kAway);
  Set(0, 9, Line{50});
  Play();
  EXPECT_EQ(Player_GetApps(scorer), 2);
  EXPECT_EQ(Player_GetPerf(scorer), 60);
}

TEST_F(PostMatchTest, CareerLogAccumulatesOneEntryPerClubAndSeason) {
  const int16_t p = PlayerOf(kHome, 10);
  const int goals[3] = {1, 0, 2};
  for (int m = 0; m < 3; ++m) {
    NewMatch(kHome, kAway);
    Set(0, 10, Line{40, static_cast<int16_t>(goals[m])});
    Score(static_cast<int16_t>(goals[m]), 0);
    ++DayOfSeason;
    Play();
  }
  std::vector<CareerEntry> log = CareerOf(p);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].type, 0);
  EXPECT_EQ(log[0].club, Club_GetDbId(kHome));
  EXPECT_EQ(log[0].apps, 3);
  EXPECT_EQ(log[0].goals, 3);
  EXPECT_EQ(log[0].perf, Player_GetPerf(p));

  // A new season starts a new entry.
  ++SeasonCounter;
  NewMatch(kHome, kAway);
  Set(0, 10, Line{40, 1});
  Score(1, 0);
  Play();
  log = CareerOf(p);
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[1].apps, 1);
  EXPECT_EQ(log[1].goals, 1);
}

TEST_F(PostMatchTest, FriendliesCountNoAppearanceAndLeaveTheFixtureAlone) {
  const int16_t p = PlayerOf(kHome, 10);
  Set(0, 10, Line{40, 1, 1, 1});
  Score(1, 0);
  const int16_t f = Play(COMP_FRIENDLY);
  EXPECT_EQ(Player_GetApps(p), 0);
  EXPECT_EQ(Player_GetGoals(p), 0);
  EXPECT_EQ(Player_GetDispoints(p), 0);
  EXPECT_TRUE(CareerOf(p).empty());
  EXPECT_EQ(LoadI16(Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[0] + 10 * FIXTURE_PLAYER_ENTRY_SIZE), 0);
}

TEST_F(PostMatchTest, AKeepersCleanSheetCountsInHisGoals) {
  struct Case {
    int16_t conceded, shirt;
    int expected;
  } cases[] = {{0, 1, 1}, {1, 1, 0}, {0, 12, 0}};
  for (const Case& c : cases) {
    NewMatch(kHome, kAway);
    const int16_t keeper = PlayerOf(kHome, 0);
    Player_SetGoals(keeper, 0);
    Player_SetCareerGoals(keeper, 0);
    Player_SetShirt(keeper, c.shirt);
    Set(0, 0, Line{40});
    Score(0, c.conceded);
    ++DayOfSeason;
    Play();
    EXPECT_EQ(Player_GetGoals(keeper), c.expected) << c.conceded << " " << c.shirt;
    EXPECT_EQ(Player_GetCareerGoals(keeper), c.expected);
  }
}

TEST_F(PostMatchTest, CupMatchesCupTieThePlayersWhoPlayed) {
  Set(0, 3, Line{40});
  Play(static_cast<int16_t>(COMP_CUP_FIRST + 2 * COMP_CUP_CODES + 3));  // cup 2, round 3
  EXPECT_EQ(Player_GetCupTied(PlayerOf(kHome, 3), 2), kHome);
  EXPECT_EQ(Player_GetCupTied(PlayerOf(kHome, 4), 2), PLAYER_CLUB_NONE);
  EXPECT_EQ(Player_GetCupTied(PlayerOf(kHome, 3), 1), PLAYER_CLUB_NONE);
}

TEST_F(PostMatchTest, AFixtureThatIsNotThereStopsTheGame) {
  EXPECT_FATAL(UpdatePlayersAfterMatch(kHome, 0, 5), "Invalid fixture slot no. 5");
  EXPECT_FATAL(UpdatePlayersAfterMatch(kHome, 0, NUM_FIXTURES), "Invalid fixture slot no. 3400");
}

// ---- cards and suspensions ----

TEST_F(PostMatchTest, CardsBecomePointsAndSuspensions) {
  struct Case {
    const char* name;
    int16_t code, card, pointsBefore, suspensionBefore, banwaitBefore;
    int points, suspension, banwait, euroPoints, euroBan;
  } cases[] = {
      {"booked", COMP_LEAGUE, 1, 0, 0, 0, 2, 0, 0, 0, 0},
      {"booked past 7", COMP_LEAGUE, 1, 6, 0, 0, 8, 1, 2, 0, 0},
      {"booked past 12", COMP_LEAGUE, 1, 11, 0, 0, 13, 2, 2, 0, 0},
      {"booked twice", COMP_LEAGUE, 2, 0, 0, 0, 4, 1, 2, 0, 0},
      {"straight red", COMP_LEAGUE, 3, 0, 0, 0, 6, 3, 2, 0, 0},
      // 6 to 12: 7 is crossed and 12 reached, only the first threshold counts.
      {"red from 6", COMP_LEAGUE, 3, 6, 0, 0, 12, 4, 2, 0, 0},
      {"red while banned", COMP_LEAGUE, 3, 0, 1, 1, 6, 4, 1, 0, 0},
      {"points stop at 31", COMP_LEAGUE, 3, 30, 0, 0, 31, 3, 2, 0, 0},
      {"euro booking", 69, 1, 0, 0, 0, 0, 0, 0, 1, 0},
      {"euro red", 100, 3, 0, 0, 0, 0, 0, 0, 2, 1},
      {"cup red", 30, 3, 0, 0, 0, 6, 3, 2, 0, 0},
  };
  for (const Case& c : cases) {
    SetUp();
    const int16_t p = PlayerOf(kHome, 6);
    Player_SetDispoints(p, c.pointsBefore);
    Player_SetSuspension(p, c.suspensionBefore);
    Player_SetBanwait(p, c.banwaitBefore);
    Set(0, 6, Line{40, 0, 0, c.card});
    Play(c.code);
    EXPECT_EQ(Player_GetDispoints(p), c.points) << c.name;
    EXPECT_EQ(Player_GetSuspension(p), c.suspension) << c.name;
    EXPECT_EQ(Player_GetBanwait(p), c.banwait) << c.name;
    EXPECT_EQ(Player_GetEuroDispoints(p), c.euroPoints) << c.name;
    EXPECT_EQ(Player_GetEuroBan(p), c.euroBan) << c.name;
    // The club's season points count every card, at home and abroad.
    EXPECT_EQ(Club_GetSeasonDispoints(kHome), 2 * c.card) << c.name;
    EXPECT_EQ(Club_GetRecordDispoints(kHome), 2 * c.card) << c.name;
    // A sending-off at home is an event of the club.
    const std::vector<ClubEvent> events = EventsOf(kHome);
    const bool logged = std::any_of(events.begin(), events.end(), [&](const ClubEvent& e) {
      return e.type == 7 && e.player == p;
    });
    EXPECT_EQ(logged, c.card >= 2 && c.code < 69) << c.name;
  }
}

TEST_F(PostMatchTest, TheFirstThresholdCrossedSetsTheBan) {
  struct Case {
    int16_t before, now;
    int matches;
  } cases[] = {{6, 7, 1}, {6, 12, 1}, {11, 12, 2}, {16, 17, 3}, {21, 22, 4}, {22, 31, 0}, {7, 11, 0}, {0, 31, 1}};
  const int16_t p = PlayerOf(kHome, 6);
  for (const Case& c : cases) {
    Player_SetSuspension(p, 0);
    Player_SetBanwait(p, 0);
    Player_SetDispoints(p, c.now);
    ApplyDisciplinePoints(p, c.before);
    EXPECT_EQ(Player_GetSuspension(p), c.matches) << c.before << "->" << c.now;
    EXPECT_EQ(Player_GetBanwait(p), c.matches ? 2 : 0);
  }
}

// ---- injuries ----

TEST_F(PostMatchTest, WatchedMatchesInjureOnlyTheBadlyHurt) {
  SetWatched();
  Set(0, 5, Line{40, 0, 0, 0, 10, 1});  // a knock
  Set(0, 6, Line{40, 0, 0, 0, 10, 2});
  Set(0, 12, Line{0, 0, 0, 0, 0, 2});   // never came on
  Play();
  ASSERT_EQ(Seam_CountCalls("InjurePlayer"), 1);
  for (const SeamCall& call : Seam_Calls()) {
    if (call.name == "InjurePlayer") {
      EXPECT_EQ(call.args, (std::vector<int32_t>{PlayerOf(kHome, 6), 2, kHome}));
    }
  }
}

TEST_F(PostMatchTest, BackgroundMatchesInjureAboutThreeInTen) {
  GameSeedRandom(5);
  constexpr int kMatches = 400;
  for (int m = 0; m < kMatches; ++m) {
    NewMatch(kHome, kAway);
    Set(0, 5, Line{40, 0, 0, 0, 10, 1});
    DayOfSeason = static_cast<int16_t>(1 + m % 300);
    Play(COMP_SPECIAL);
  }
  const int hurt = Seam_CountCalls("InjurePlayer");
  EXPECT_GT(hurt, kMatches * 22 / 100);
  EXPECT_LT(hurt, kMatches * 38 / 100);
}

// ---- morale, fitness and fatigue ----

TEST_F(PostMatchTest, MoraleFollowsTheResult) {
  // Morale 40 and f = 5 (experience 3) for everyone.
  struct Case {
    const char* name;
    int16_t home, away;
    int place;
    Line line;
    int morale;
  } cases[] = {
      // Win: goals x f, f for a good mark in a starting shirt.
      {"scoring winner", 2, 1, 9, {40, 1}, 40 + (10 * 40 / 100 + 1)},
      {"scoring winner in shirt 11", 2, 1, 10, {40, 1}, 40 + (5 * 40 / 100 + 1)},
      {"plain winner", 2, 1, 10, {30}, 40},
      // Clean sheet: the keeper's shirt and the defenders.
      {"keeper, clean win", 1, 0, 0, {30}, 40 + (5 * 40 / 100 + 1)},
      {"defender, clean win", 1, 0, 2, {40}, 40 + (10 * 40 / 100 + 1)},
      // Loss: -goals x f, -1 for a good mark, then the margin x f.
      {"scoring loser", 1, 3, 10, {40, 1}, 40 - (16 * 40 / 100 + 1)},
      {"poor loser", 0, 1, 10, {20}, 40 - (4 * 40 / 100 + 1)},
      // Draw: clean sheets count, a poor mark costs f.
      {"defender, goalless draw", 0, 0, 3, {30}, 40 + (5 * 40 / 100 + 1)},
      {"poor draw", 1, 1, 7, {20}, 40 - (5 * 40 / 100 + 1)},
  };
  for (const Case& c : cases) {
    NewMatch(kHome, kAway);
    const int16_t p = PlayerOf(kHome, c.place);
    Player_SetMorale(p, 40);
    Set(0, c.place, c.line);
    Score(c.home, c.away);
    ++DayOfSeason;
    Play();
    EXPECT_EQ(Player_GetMorale(p), c.morale) << c.name;
  }
}

TEST_F(PostMatchTest, FitnessRisesWithTheWorkload) {
  struct Case {
    int16_t before, workload;
    int after;
  } cases[] = {{30, 10, 40}, {50, 30, 60}, {20, 0, 25}};
  for (const Case& c : cases) {
    NewMatch(kHome, kAway);
    const int16_t p = PlayerOf(kHome, 8);
    Player_SetFitness(p, c.before);
    Set(0, 8, Line{40, 0, 0, 0, c.workload});
    ++DayOfSeason;
    Play();
    EXPECT_EQ(Player_GetFitness(p), c.after);
  }
}

// The fatigue of a friendly (nothing else draws): x = (60 - fatigue) x 3w /
// 100, scaled by age x age / 100 up to 25, plus a draw below it, times the
// country's factor (England 90).
TEST_F(PostMatchTest, FatigueIsWorkedInThirtyTwoBitsAndTheYoungestDrawNothing) {
  struct Case {
    int16_t age, fatigue, workload;
  } cases[] = {{0, 0, 30}, {1, 0, 10}, {8, 0, 30}, {30, 0, 30}, {63, 20, 40}};
  for (const Case& c : cases) {
    NewMatch(kHome, kAway);
    const int16_t p = PlayerOf(kHome, 8);
    Player_SetAge(p, c.age);
    Player_SetFatigue(p, c.fatigue);
    Set(0, 8, Line{40, 0, 0, 0, c.workload});
    GameSeedRandom(123);
    int32_t x = (60 - c.fatigue) * 3 * c.workload / 100;
    x = std::min<int32_t>(c.age * c.age * x / 100, 25);
    int draws = 0;
    if (x > 0) {
      x += GameRandom() % x;
      draws = 1;
    }
    const int expected = std::clamp<int32_t>(x * 90 / 100 / 2, 0, 60);
    const uint32_t after = GameRandomState();
    GameSeedRandom(123);
    ++DayOfSeason;
    Play(COMP_FRIENDLY);
    EXPECT_EQ(Player_GetFatigue(p), expected) << "age " << c.age;
    EXPECT_EQ(GameRandomState(), after) << "age " << c.age << ", draws " << draws;
  }
}

TEST_F(PostMatchTest, TheYoungestPlayerDrawsNoRandomNumberForFatigue) {
  const int16_t p = PlayerOf(kHome, 8);
  Player_SetAge(p, 0);
  Set(0, 8, Line{40, 0, 0, 0, 30});
  GameSeedRandom(7);
  const uint32_t before = GameRandomState();
  Play(COMP_FRIENDLY);
  EXPECT_EQ(GameRandomState(), before);
  EXPECT_EQ(Player_GetFatigue(p), 0);
  // An older player draws exactly once, and his large strain does not wrap.
  NewMatch(kHome, kAway);
  Player_SetAge(p, 40);
  Set(0, 8, Line{40, 0, 0, 0, 30});
  GameSeedRandom(7);
  GameRandom();
  const uint32_t oneDraw = GameRandomState();
  GameSeedRandom(7);
  ++DayOfSeason;
  Play(COMP_FRIENDLY);
  EXPECT_EQ(GameRandomState(), oneDraw);
  EXPECT_GE(Player_GetFatigue(p), 25 * 90 / 100 / 2);
}

TEST_F(PostMatchTest, ConditionStaysInRangeWhateverTheMatch) {
  std::mt19937 rng(3);
  GameSeedRandom(3);
  for (int m = 0; m < 60; ++m) {
    NewMatch(kHome, kAway);
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < 16; ++place) {
        const int16_t p = PlayerOf(clubs_[side], place);
        Player_SetAge(p, static_cast<int16_t>(rng() % 64));
        Set(side, place, Line{static_cast<int16_t>(rng() % 100), static_cast<int16_t>(rng() % 4), 0, 0,
                              static_cast<int16_t>(rng() % 200), 0});
      }
    Score(static_cast<int16_t>(rng() % 6), static_cast<int16_t>(rng() % 6));
    DayOfSeason = static_cast<int16_t>(1 + m);
    Play();
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < 16; ++place) {
        const int16_t p = PlayerOf(clubs_[side], place);
        EXPECT_GE(Player_GetMorale(p), 0);
        EXPECT_LE(Player_GetMorale(p), 60);
        EXPECT_GE(Player_GetFitness(p), 0);
        EXPECT_LE(Player_GetFitness(p), 60);
        EXPECT_GE(Player_GetFatigue(p), 0);
        EXPECT_LE(Player_GetFatigue(p), 60);
        EXPECT_LE(Player_GetExperience(p), 63);
      }
  }
}

TEST_F(PostMatchTest, TheWinnerGainsTeamworkAndTheLoserLosesItByTheMargin) {
  Score(3, 0);
  Play();
  EXPECT_EQ(Club_GetTeamwork(kHome), 50);                  // 40 x 100 / 80
  EXPECT_EQ(Club_GetTeamwork(kAway), (40 - 30) * 100 / 80);  // the margin first, then its own call
}

// ---- club records ----

TEST_F(PostMatchTest, RecordWinAndDefeatAreSetAndDated) {
  Score(3, 0);
  Play();
  EXPECT_EQ(Club_GetRecordWinGoalsFor(kHome), 3);
  EXPECT_EQ(Club_GetRecordWinGoalsAgainst(kHome), 0);
  EXPECT_EQ(Club_GetRecordDefeatGoalsFor(kAway), 0);
  EXPECT_EQ(Club_GetRecordDefeatGoalsAgainst(kAway), 3);
  EXPECT_EQ(Bits(kHome, 48, 0, 8), static_cast<uint32_t>(kAway));  // opponent
  EXPECT_EQ(Bits(kHome, 48, 8, 5), 18u);                           // day
  EXPECT_EQ(Bits(kHome, 44, 24, 4), 7u);                           // month
  EXPECT_EQ(Bits(kHome, 48, 13, 7), 99u);                          // year
  EXPECT_EQ(Bits(kAway, 52, 0, 8), static_cast<uint32_t>(kHome));

  struct Step {
    int16_t home, away;
    int winFor, winAgainst;
  } steps[] = {
      {2, 0, 3, 0},  // a smaller margin
      {0, 0, 3, 0},  // a draw changes nothing
      {4, 1, 4, 1},  // the same margin with more goals
      {5, 3, 4, 1},  // a smaller margin again
  };
  for (const Step& s : steps) {
    NewMatch(kHome, kAway);
    Score(s.home, s.away);
    ++DayOfSeason;
    ++DayOfMonth;
    Play();
    EXPECT_EQ(Club_GetRecordWinGoalsFor(kHome), s.winFor) << s.home << "-" << s.away;
    EXPECT_EQ(Club_GetRecordWinGoalsAgainst(kHome), s.winAgainst);
  }
  EXPECT_EQ(Bits(kHome, 48, 8, 5), 21u);  // the 4-1 was on the 21st
  // No news and no change of reputation in the first season.
  EXPECT_EQ(Club_GetRep(kHome), 30);
}

TEST_F(PostMatchTest, AnAwayWinIsTheAwayClubsRecordWin) {
  Score(1, 4);
  Play();
  EXPECT_EQ(Club_GetRecordWinGoalsFor(kAway), 4);
  EXPECT_EQ(Club_GetRecordWinGoalsAgainst(kAway), 1);
  EXPECT_EQ(Club_GetRecordDefeatGoalsFor(kHome), 1);
  EXPECT_EQ(Club_GetRecordDefeatGoalsAgainst(kHome), 4);
  EXPECT_EQ(Club_GetRecordWinGoalsFor(kHome), 0);
}

TEST_F(PostMatchTest, FromTheSecondSeasonRecordsMoveTheReputation) {
  SeasonCounter = 1;
  Score(2, 0);
  Play();
  EXPECT_EQ(Club_GetRep(kHome), 31);
  EXPECT_EQ(Club_GetRep(kAway), 29);
  // Friendlies and fixtures outside the records set no record.
  NewMatch(kTopClub, kAway);
  Score(6, 0);
  ++DayOfSeason;
  Play(COMP_FRIENDLY);
  EXPECT_EQ(Club_GetRecordWinGoalsFor(kTopClub), 0);
}

TEST_F(PostMatchTest, CrowdRecordsAndRecordLows) {
  struct Step {
    int32_t crowd;
    int32_t record, low;
  } steps[] = {{30000, 30000, 0}, {20000, 30000, 20000}, {25000, 30000, 20000},
               {15000, 30000, 15000}, {15000, 30000, 15000}, {41000, 41000, 15000}};
  for (const Step& s : steps) {
    UpdateCrowdRecords(kHome, s.crowd, kAway);
    EXPECT_EQ(Club_GetRecordCrowd(kHome), s.record) << s.crowd;
    EXPECT_EQ(Club_GetRecordLowCrowd(kHome), s.low) << s.crowd;
  }
  EXPECT_EQ(Club_GetFullRecord(kHome)->bytes[92], kAway);  // the record's opponent
  EXPECT_EQ(Bits(kHome, 40, 14, 5), 18u);                   // day
  EXPECT_EQ(Bits(kHome, 40, 26, 4), 7u);                    // month
  EXPECT_EQ(Bits(kHome, 40, 19, 7), 99u);                   // year
  EXPECT_TRUE(EventsOf(kHome).empty());                     // no event in the first season

  SeasonCounter = 1;
  UpdateCrowdRecords(kHome, 70000, kAway);
  std::vector<ClubEvent> events = EventsOf(kHome);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_EQ(events[0].type, 12);
  EXPECT_EQ((events[0].value2 << 16) | static_cast<uint16_t>(events[0].value), 70000);
}

TEST_F(PostMatchTest, PlayingAMatchKeepsTheMoneyBalanced) {
  const int64_t before = MoneyInTheWorld();
  StartersPlayed(45);
  Set(0, 9, Line{80, 3, 0, 3, 20, 2});
  Score(3, 2);
  SeasonCounter = 2;
  Play(COMP_LEAGUE, 45000);
  EXPECT_EQ(MoneyInTheWorld(), before);
}

// ---- the club record's match lists ----

class ClubMatchListsTest : public PostMatchTest {
 protected:
  void SetUp() override {
    PostMatchTest::SetUp();
    // The lists as a new season leaves them.
    uint8_t* r = Club_GetFullRecord(kHome)->bytes;
    for (int i = 0; i < CLUB_GOAL_LOG_ITEMS; ++i)
      for (int half : {0, CLUB_GOAL_LOG_HALF}) {
        uint8_t* h = r + CLUB_GOAL_LOG + i * CLUB_GOAL_LOG_ITEM_SIZE + half;
        StoreI16(h, -1);
        h[2] = 0xFF;
        h[3] = 0x7F;
        h[7] = 0xFF;
      }
    std::memset(r + CLUB_DISCIPLINE_LOG, 0xFF, CLUB_DISCIPLINE_PAIRS * 2);
    std::memset(r + CLUB_MATCH_TOTALS, 0, CLUB_MATCH_TOTAL_BLOCKS * CLUB_MATCH_TOTAL_COUNT * 2);
  }
  uint8_t* Team(int side) { return GetMatchResultRecord() + TEAM_MATCH_RECORD_OFFSET[side]; }
  void Goal(int side, int k, int16_t scorer, uint8_t minute, uint8_t packed, uint8_t competition) {
    uint8_t* e = Team(side) + TEAM_GOAL_LIST + k * TEAM_GOAL_LIST_ENTRY_SIZE;
    StoreI16(e, scorer);
    e[2] = minute;
    e[3] = packed;
    e[7] = competition;
    StoreI16(e + TEAM_GOAL_LIST_ENTRY_SIZE, -1);
  }
  const uint8_t* Half(int item, int half) {
    return Club_GetFullRecord(kHome)->bytes + CLUB_GOAL_LOG + item * CLUB_GOAL_LOG_ITEM_SIZE + half;
  }
};

TEST_F(ClubMatchListsTest, GoalsScoredAndConcededGoIntoTheGoalLog) {
  Goal(0, 0, PlayerOf(kHome, 9), 12, 0x03, 0);
  Goal(0, 1, PlayerOf(kHome, 10), 80, 0x25, 0);
  Goal(1, 0, PlayerOf(kAway, 9), 44, 0x84, 0);
  Score(2, 1);
  Play();
  EXPECT_EQ(LoadI16(Half(0, 0)), PlayerOf(kHome, 9));
  EXPECT_EQ(Half(0, 0)[2], 12);
  EXPECT_EQ(Half(0, 0)[3], 0x03);
  EXPECT_EQ(Half(0, 0)[4], 0);  // untouched bytes
  EXPECT_EQ(LoadI16(Half(1, 0)), PlayerOf(kHome, 10));
  EXPECT_EQ(Half(1, 0)[3], 0x25);
  EXPECT_EQ(LoadI16(Half(2, 0)), -1);
  EXPECT_EQ(LoadI16(Half(0, CLUB_GOAL_LOG_HALF)), PlayerOf(kAway, 9));
  EXPECT_EQ(Half(0, CLUB_GOAL_LOG_HALF)[2], 44);
  EXPECT_EQ(LoadI16(Half(1, CLUB_GOAL_LOG_HALF)), -1);

  // The next match's goals go behind them.
  NewMatch(kHome, kAway);
  Goal(0, 0, PlayerOf(kHome, 8), 5, 0x02, 0);
  Score(1, 0);
  ++DayOfSeason;
  Play();
  EXPECT_EQ(LoadI16(Half(2, 0)), PlayerOf(kHome, 8));
  EXPECT_EQ(LoadI16(Half(1, CLUB_GOAL_LOG_HALF)), -1);
}

TEST_F(ClubMatchListsTest, AFullGoalLogTakesNoMore) {
  uint8_t* r = Club_GetFullRecord(kHome)->bytes;
  for (int i = 0; i < CLUB_GOAL_LOG_ITEMS - 1; ++i) StoreI16(r + CLUB_GOAL_LOG + i * CLUB_GOAL_LOG_ITEM_SIZE, 1);
  for (int k = 0; k < 3; ++k) Goal(0, k, PlayerOf(kHome, 9), static_cast<uint8_t>(10 + k), 0x03, 0);
  Score(3, 0);
  Play();
  EXPECT_EQ(LoadI16(Half(CLUB_GOAL_LOG_ITEMS - 1, 0)), PlayerOf(kHome, 9));
  EXPECT_EQ(Half(CLUB_GOAL_LOG_ITEMS - 1, 0)[2], 10);
  // The 2,032 bytes end where the discipline log begins.
  EXPECT_EQ(r[CLUB_DISCIPLINE_LOG], 0xFF);
}

TEST_F(ClubMatchListsTest, CardsGoIntoTheDisciplineLogAndTotalsAddUp) {
  uint8_t* cards = Team(0) + TEAM_CARD_LIST;
  cards[0] = 30, cards[1] = 1;
  cards[2] = 75, cards[3] = 3;
  const int16_t totals[10] = {5, 4, 7, 2, 1, 3, 2, 6, 1, 0};
  for (int k = 0; k < 10; ++k) StoreI16(Team(0) + TEAM_MATCH_TOTALS + 2 * k, totals[k]);
  Play();
  NewMatch(kHome, kAway);
  Team(0)[TEAM_CARD_LIST] = 88, Team(0)[TEAM_CARD_LIST + 1] = 1;
  for (int k = 0; k < 10; ++k) StoreI16(Team(0) + TEAM_MATCH_TOTALS + 2 * k, 1);
  ++DayOfSeason;
  Play();

  const uint8_t* pairs = Club_GetFullRecord(kHome)->bytes + CLUB_DISCIPLINE_LOG;
  const uint8_t expected[8] = {30, 1, 75, 3, 88, 1, 0xFF, 0xFF};
  EXPECT_EQ(0, std::memcmp(pairs, expected, sizeof expected));
  const uint8_t* home = Club_GetFullRecord(kHome)->bytes + CLUB_MATCH_TOTALS;
  for (int k = 0; k < 10; ++k) EXPECT_EQ(LoadI16(home + 2 * k), totals[k] + 1) << k;
  // Both were home matches: the away block is untouched.
  for (int k = 0; k < 10; ++k) EXPECT_EQ(LoadI16(home + 20 + 2 * k), 0);
  // The away club's block 1 got its own (zero) totals; code 118 writes nothing.
  NewMatch(kHome, kAway);
  Team(0)[TEAM_CARD_LIST] = 10, Team(0)[TEAM_CARD_LIST + 1] = 1;
  ++DayOfSeason;
  Play(COMP_SPECIAL);
  EXPECT_EQ(pairs[6], 0xFF);
}

TEST_F(ClubMatchListsTest, AFullDisciplineLogTakesNoMore) {
  uint8_t* pairs = Club_GetFullRecord(kHome)->bytes + CLUB_DISCIPLINE_LOG;
  std::memset(pairs, 1, (CLUB_DISCIPLINE_PAIRS - 1) * 2);
  uint8_t* cards = Team(0) + TEAM_CARD_LIST;
  for (int k = 0; k < 3; ++k) cards[2 * k] = static_cast<uint8_t>(50 + k), cards[2 * k + 1] = 1;
  Play();
  EXPECT_EQ(pairs[(CLUB_DISCIPLINE_PAIRS - 1) * 2], 50);
  EXPECT_EQ(LoadI16(Club_GetFullRecord(kHome)->bytes + CLUB_MATCH_TOTALS), 0);
}

// ---- the watched match's player records ----

TEST_F(PostMatchTest, PlayerMatchRecordsCopyTheSidesFigures) {
  uint8_t* result = GetMatchResultRecord();
  for (int place = 0; place < 16; ++place) {
    uint8_t* record = result + PlayerStatsOffset(1, place) + PLAYER_STATS_RECORD;
    for (int b = 2; b < PLAYER_MATCH_RECORD_SIZE; ++b) record[b] = static_cast<uint8_t>(place + b);
    record[PLAYER_MATCH_RECORD_TIME] = static_cast<uint8_t>(place == 3 ? 119 : 60);
  }
  StoreI16(result + PlayerStatsOffset(1, 15) + PLAYER_STATS_RECORD, -1);  // an empty place
  std::memset(PlayerMatchRecords[15], 0xAB, PLAYER_MATCH_RECORD_SIZE);
  // The match log: a goal and a sending-off.
  const uint8_t log[2][11] = {{0, 1, 0, 23, 0, 1, 0, 0x34, 0x12, 5, 0}, {3, 2, 0, 81, 0, 0, 0, 7, 0, 0, 0}};
  std::memcpy(result + MATCH_LOG, log, sizeof log);
  result[MATCH_LOG + 2 * 11] = MATCH_LOG_END;

  FillPlayerMatchRecords(1);
  for (int slot = 0; slot < 15; ++slot)
    EXPECT_EQ(0, std::memcmp(GetPlayerMatchRecord(static_cast<int16_t>(slot)),
                             result + PlayerStatsOffset(1, slot) + PLAYER_STATS_RECORD, PLAYER_MATCH_RECORD_SIZE));
  EXPECT_EQ(LoadI16(GetPlayerMatchRecord(15)), -1);
  EXPECT_EQ(GetPlayerMatchRecord(15)[2], 0xAB);  // nothing else of an empty place
  EXPECT_EQ(GetPlayerMatchRecord(16), nullptr);
  EXPECT_EQ(GetPlayerMatchRecord(-1), nullptr);
  EXPECT_EQ(PlayerMatchRecordMinutes, 90);

  EXPECT_EQ(LoadI16(MatchGoalLog[0]), 0x1234);
  EXPECT_EQ(MatchGoalLog[0][2], (0 << 1) | 1);
  EXPECT_EQ(MatchGoalLog[0][6], 5);
  EXPECT_EQ(MatchGoalLog[0][7], 23);
  EXPECT_EQ(LoadI16(MatchGoalLog[1]), 7);
  EXPECT_EQ(MatchGoalLog[1][2], 3 << 1);
  EXPECT_EQ(MatchGoalLog[1][7], 81);
  EXPECT_EQ(MatchGoalLog[2][2] >> 1, MATCH_GOAL_LOG_END);
}

TEST_F(PostMatchTest, ALongMatchLogFillsTheGoalLogAndStops) {
  uint8_t* result = GetMatchResultRecord();
  for (int k = 0; k < MATCH_LOG_MAX_ENTRIES; ++k) {
    uint8_t* e = result + MATCH_LOG + k * MATCH_LOG_ENTRY_SIZE;
    std::memset(e, 0, MATCH_LOG_ENTRY_SIZE);
    e[3] = static_cast<uint8_t>(k);
  }
  FillPlayerMatchRecords(0);
  EXPECT_EQ(MatchGoalLog[MATCH_GOAL_LOG_ENTRIES - 2][7], MATCH_GOAL_LOG_ENTRIES - 2);
  EXPECT_EQ(MatchGoalLog[MATCH_GOAL_LOG_ENTRIES - 1][2] >> 1, MATCH_GOAL_LOG_END);
}

// ---- operations the facade forwards here ----

TEST_F(PostMatchTest, TakersAreTheStartersWithTheBestStatistics) {
  // Player place k gets template code 8k: ability 3, 4, 7 and physical 13, 14.
  auto stats = [](int place, int a3, int a4, int a7, int p13, int p14) {
    const int16_t p = PlayerOf(kTopClub, place);
    const int code = 8 * place;
    Player_SetAbilityStats(p, code);
    Player_SetPhysicalStats(p, code);
    PlayerStatTables.abilityTemplate[code][3] = static_cast<uint8_t>(a3);
    PlayerStatTables.abilityTemplate[code][4] = static_cast<uint8_t>(a4);
    PlayerStatTables.abilityTemplate[code][6] = static_cast<uint8_t>(a7);  // ability 7 is template column 6
    PlayerStatTables.physicalTemplate[code][5] = static_cast<uint8_t>(p13);
    PlayerStatTables.physicalTemplate[code][6] = static_cast<uint8_t>(p14);
  };
  for (int place = 0; place < 16; ++place) stats(place, 10, 10, 10, 10, 10);
  stats(0, 99, 99, 99, 99, 99);   // the keeper's shirt 1 never takes them
  stats(3, 60, 20, 60, 20, 20);   // the best penalty taker
  stats(5, 20, 70, 40, 20, 70);   // the best free-kick taker
  stats(7, 20, 20, 50, 80, 20);   // the best corner taker
  stats(13, 90, 90, 90, 90, 90);  // on the bench
  EXPECT_EQ(FindBestPenaltyTaker(kTopClub), PlayerOf(kTopClub, 3));
  EXPECT_EQ(FindBestFreeKickTaker(kTopClub), PlayerOf(kTopClub, 5));
  EXPECT_EQ(FindBestCornerTaker(kTopClub), PlayerOf(kTopClub, 7));
  // A tie goes to the first in the list.
  stats(9, 60, 20, 60, 20, 20);
  EXPECT_EQ(FindBestPenaltyTaker(kTopClub), PlayerOf(kTopClub, 3));
  // The human manager chooses his own.
  Club_SetControl(kTopClub, 1);
  EXPECT_EQ(FindBestPenaltyTaker(kTopClub), -1);
  EXPECT_EQ(FindBestFreeKickTaker(kTopClub), -1);
  EXPECT_EQ(FindBestCornerTaker(kTopClub), -1);
}

TEST_F(PostMatchTest, PickAndFindCaptainAsksTheClubSimulation) {
  EXPECT_EQ(PickAndFindCaptain(kHome), -1);
  ASSERT_EQ(Seam_Calls().size(), 2u);
  EXPECT_EQ(Seam_Calls()[0].name, "PickTeamCaptain");
  EXPECT_EQ(Seam_Calls()[1].name, "FindClubCaptain");
}

TEST_F(PostMatchTest, RunsOfWinsCountTheLastFourOnOneSide) {
  // Home results of kHome: W W L W W (oldest first), with away games between.
  const int results[5][2] = {{2, 0}, {1, 0}, {0, 1}, {3, 1}, {2, 1}};
  int16_t last = -1;
  for (int m = 0; m < 5; ++m) {
    int16_t f = Fixture_Add(10 + 2 * m, COMP_LEAGUE, kHome, kAway, 0);
    Fixture_SetResult(f, results[m][0], results[m][1]);
    f = Fixture_Add(11 + 2 * m, COMP_LEAGUE, kAway, kHome, 0);
    Fixture_SetResult(f, 0, 0);
    last = f;
  }
  EXPECT_EQ(RunOfHomeWins(kHome, last), 3);  // W W L W of the last four
  EXPECT_EQ(RunOfAwayWins(kHome, last), 0);  // four draws
  EXPECT_EQ(RunOfAwayWins(kAway, last), 1);  // L W L L at kHome
  EXPECT_EQ(RunOfHomeWins(kHome, 3), 2);     // fewer than four found
  EXPECT_EQ(RunOfHomeWins(kTopClub, last), 2);
}

TEST_F(PostMatchTest, TheFollowedCompetitionIsTheHumanClubsFixtureToday) {
  ChooseFollowedCompetition();
  EXPECT_EQ(FollowedCompetition, -1);
  EXPECT_EQ(FollowedDivision, -1);
  Club_SetControl(kAway, 1);
  Fixture_Add(kDay, COMP_SPECIAL, kAway, kTopClub, 0);
  Fixture_Add(kDay, COMP_LEAGUE, kHome, kAway, 0);
  ChooseFollowedCompetition();
  EXPECT_EQ(FollowedCompetition, COMP_LEAGUE);
  EXPECT_EQ(FollowedDivision, 1);
  DayOfSeason = kDay + 1;
  Fixture_Add(kDay + 1, 40, kAway, kTopClub, 0);
  ChooseFollowedCompetition();
  EXPECT_EQ(FollowedCompetition, 40);
  EXPECT_EQ(FollowedDivision, -1);
  DayOfSeason = kDay + 2;
  ChooseFollowedCompetition();
  EXPECT_EQ(FollowedCompetition, -1);
}

TEST_F(PostMatchTest, FormFactorFollowsTheFormDip) {
  const int16_t p = PlayerOf(kHome, 5);
  struct Case {
    int16_t personality, morale, experience;
    int today;
    int factor;
  } cases[] = {
      {0, 60, 63, 23, 100 - 63 * 40 / 126},  // phase 23: the top of the first bump
      {0, 60, 63, 0, 100},                   // phase 0
      {0, 0, 63, 7, 100 - 63 * 36 / 126},    // morale 0 counts as 1: phase 420 - 200 - 200 = 20
      {0, 30, 63, 100, 100 - 63 * 21 / 126}, // phase 200: the last entry
      {10, 60, 0, 12, 100},                  // no experience, no dip
  };
  for (const Case& c : cases) {
    Player_SetPersonalityStats(p, c.personality);
    Player_SetMorale(p, c.morale);
    Player_SetExperience(p, c.experience);
    DayOfSeason = static_cast<int16_t>(c.today);
    EXPECT_EQ(GetPlayerFormFactor(p), c.factor) << c.today;
  }
}

TEST_F(PostMatchTest, ResetClearsRecordsAndTheFollowedCompetition) {
  RecordCareerApps = 400;
  RecordCareerAppsPlayer = 3;
  FollowedCompetition = 0;
  StoreI16(PlayerMatchRecords[2], 77);
  ResetAllModules();
  EXPECT_EQ(RecordCareerApps, 0);
  EXPECT_EQ(RecordCareerAppsPlayer, -1);
  EXPECT_EQ(RecordCareerGoalsPlayer, -1);
  EXPECT_EQ(FollowedCompetition, -1);
  EXPECT_EQ(LoadI16(GetPlayerMatchRecord(2)), -1);
  EXPECT_EQ(MatchGoalLog[0][2] >> 1, MATCH_GOAL_LOG_END);
}

// ---- a season's worth of background matches ----

// What the results say each player should have.
struct Tally {
  int apps = 0, goals = 0, assists = 0, points = 0, suspension = 0, banwait = 0;
};

TEST_F(PostMatchTest, BackgroundMatchesAddUpInThePlayerRecords) {
  constexpr int16_t kClubs[4] = {20, 21, 22, 23};
  std::mt19937 rng(11);
  simtest::Squad squads[4];
  for (int c = 0; c < 4; ++c) {
    squads[c] = simtest::MakeSquad(40 + 6 * c, PlayerOf(kClubs[c], 0), rng);
    for (int e = 0; e < 16; ++e) {
      const int16_t p = squads[c].players[e].number;
      Player_SetPosition(p, squads[c].players[e].position);
      Player_SetShirt(p, e + 1);
    }
  }
  std::map<int16_t, Tally> expected;
  std::map<int16_t, int> clubPoints;
  GameSeedRandom(2024);
  int matches = 0, cards = 0, sendingsOff = 0, suspensions = 0;
  for (int round = 0; round < 6; ++round)
    for (int h = 0; h < 4; ++h)
      for (int a = 0; a < 4; ++a) {
        if (h == a) continue;
        DayOfSeason = static_cast<int16_t>(10 + matches);
        simtest::WriteMatchSetup(squads[h], squads[a], rng);
        const int16_t f = Fixture_Add(DayOfSeason, COMP_LEAGUE, kClubs[h], kClubs[a], 0);
        ASSERT_EQ(SimulateMatchResult(kClubs[h], kClubs[a], COMP_LEAGUE, 0, 0, 0, 0), SIM_RESULT_DONE);
        const uint8_t* result = GetMatchResultRecord();
        const int16_t goals[2] = {LoadI16(result + TEAM_GOALS), LoadI16(result + TEAM_MATCH_RECORD_SIZE + TEAM_GOALS)};
        Fixture_SetResult(f, goals[0], goals[1]);

        // What the result holds, player by player.
        for (int side = 0; side < 2; ++side)
          for (int place = 0; place < 16; ++place) {
            const uint8_t* s = result + PlayerStatsOffset(side, place);
            const int16_t p = LoadI16(s + PLAYER_STATS_RECORD);
            if (LoadI16(s + PLAYER_STATS_MARK) <= 0) continue;
            Tally& t = expected[p];
            ++t.apps;
            t.goals += LoadI16(s + PLAYER_STATS_GOALS);
            if (Player_GetPosition(p) == 0 && Player_GetShirt(p) < 12 && goals[1 - side] == 0) ++t.goals;
            t.assists += LoadI16(s + PLAYER_STATS_ASSISTS);
            const int card = LoadI16(s + PLAYER_STATS_CARD_STATE);
            if (card == 0) continue;
            ++cards;
            clubPoints[kClubs[side == 0 ? h : a]] += 2 * card;
            const int before = t.points;
            t.points = std::min(31, t.points + 2 * card);
            if (card >= 2) {
              ++sendingsOff;
              if (t.suspension == 0 && t.banwait == 0) t.banwait = 2;
              t.suspension += card == 3 ? 3 : 1;
            }
            for (int k = 0; k < 4; ++k) {
              const int threshold = 7 + 5 * k;
              if (before < threshold && t.points >= threshold) {
                if (t.suspension == 0 && t.banwait == 0) t.banwait = 2;
                t.suspension += k + 1;
                ++suspensions;
                break;
              }
            }
            t.suspension = std::min(t.suspension, 7);
          }
        PostMatchUpdates(f, 20000, false);
        ++matches;

        // The fixture's entries hold what the result holds.
        for (int side = 0; side < 2; ++side)
          for (int place = 0; place < 16; ++place) {
            const uint8_t* s = result + PlayerStatsOffset(side, place);
            const uint8_t* e = Fixture_GetRecord(f)->bytes + FIXTURE_SIDE_OFFSET[side] + 6 * place;
            ASSERT_EQ(LoadI16(e), LoadI16(s + PLAYER_STATS_RECORD));
            ASSERT_EQ(e[2], s[PLAYER_STATS_MARK]);
            ASSERT_EQ(e[3] & FIXTURE_ENTRY_GOALS_MASK, s[PLAYER_STATS_GOALS] & FIXTURE_ENTRY_GOALS_MASK);
            const int card = LoadI16(s + PLAYER_STATS_CARD_STATE);
            ASSERT_EQ((e[3] & FIXTURE_ENTRY_BOOKED) != 0, card == 1 || card == 2);
            ASSERT_EQ((e[3] & FIXTURE_ENTRY_SENT_OFF) != 0, card > 1);
          }
      }
  ASSERT_EQ(matches, 72);
  // The seed gives bookings, sendings-off and suspensions for points.
  EXPECT_GT(cards, 20);
  EXPECT_GT(sendingsOff, 0);
  EXPECT_GT(suspensions, 0);

  int players = 0;
  for (const auto& [p, t] : expected) {
    ++players;
    EXPECT_EQ(Player_GetApps(p), t.apps) << p;
    EXPECT_EQ(Player_GetCareerApps(p), t.apps) << p;
    EXPECT_EQ(Player_GetGoals(p), t.goals) << p;
    EXPECT_EQ(Player_GetAssists(p), t.assists) << p;
    EXPECT_EQ(Player_GetDispoints(p), t.points) << p;
    EXPECT_EQ(Player_GetSuspension(p), t.suspension) << p;
    EXPECT_EQ(Player_GetBanwait(p), t.banwait) << p;
    const std::vector<CareerEntry> log = CareerOf(p);
    ASSERT_EQ(log.size(), 1u) << p;
    EXPECT_EQ(log[0].apps, t.apps) << p;
  }
  EXPECT_GE(players, 4 * 11);
  for (const auto& [club, points] : clubPoints) EXPECT_EQ(Club_GetSeasonDispoints(club), std::min(points, 255));
  // Every club has a record win or defeat after a dozen matches.
  for (int16_t club : kClubs)
    EXPECT_GT(Club_GetRecordWinGoalsFor(club) + Club_GetRecordDefeatGoalsAgainst(club), 0) << club;
}

}  // namespace
