#include "clubsim/dailytick.h"

#include <gtest/gtest.h>

#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

// Personality rows the tests give players: stat 15 + k is column k.
constexpr int kCalm = 1, kFiery = 2, kCalmPeer = 3, kPlacid = 4;
constexpr int STAT_PATIENCE = 17, STAT_AGGRESSION = 20, STAT_TEMPERAMENT = 21;

void SetPersonalityRow(int row, int patience, int composure, int aggression, int temperament) {
  uint8_t* t = PlayerStatTables.personalityTemplate[row];
  t[STAT_PATIENCE - 15] = static_cast<uint8_t>(patience);
  t[18 - 15] = static_cast<uint8_t>(composure);
  t[STAT_AGGRESSION - 15] = static_cast<uint8_t>(aggression);
  t[STAT_TEMPERAMENT - 15] = static_cast<uint8_t>(temperament);
}

class DailyTickTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    StartWindowAndTimer();  // the tick polls the window
    // Temperaments 60 and 140 are opposites (they make 200); 60 and 60 alike.
    SetPersonalityRow(kCalm, 50, 50, 40, 60);
    SetPersonalityRow(kFiery, 10, 20, 90, 140);
    SetPersonalityRow(kCalmPeer, 50, 50, 40, 60);
    SetPersonalityRow(kPlacid, 100, 100, 0, 30);
    for (int16_t p = 0; p < PlayerCount; ++p) Player_SetPersonalityStats(p, p % 3 == 0 ? kFiery : p % 3 == 1 ? kCalm : kCalmPeer);
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) BuildClubSquadList(club);
  }
  static int16_t PlayerOf(int16_t club, int k) { return static_cast<int16_t>(club * tw::kLeagueSquad + k); }
};

// The scan as the rules word it: every player visited is tested.
int16_t LiteralScan(int16_t player, bool rival) {
  const int16_t club = Player_GetClub(player);
  const int stride = rival ? 10 : 5;
  for (int i = GameRandom() % stride; i < PlayerCount; i += GameRandom() % stride + 1) {
    const int16_t q = static_cast<int16_t>(i);
    if (Player_GetClub(q) != club) continue;
    if (rival) {
      if (Player_GetPosition(q) == 13 || Player_GetBossvane(q)) continue;
      if (Player_GetPersonalityStat(q, STAT_TEMPERAMENT) == 200 - Player_GetPersonalityStat(player, STAT_TEMPERAMENT) &&
          Player_GetPersonalityStat(q, STAT_AGGRESSION) > Player_GetPersonalityStat(player, STAT_AGGRESSION))
        return q;
    } else if (Player_GetPersonalityStat(q, STAT_TEMPERAMENT) == Player_GetPersonalityStat(player, STAT_TEMPERAMENT) &&
               Player_GetMorale(q) > Player_GetMorale(player)) {
      return q;
    }
  }
  return -1;
}

TEST_F(DailyTickTest, RivalsAndFriendsAreWhomAScanOfEveryPlayerWouldFind) {
  // Clubs at the start, middle and end of the table, so that scans find
  // team-mates early, late and not at all.
  for (int16_t club : {0, 57, 113}) {
    for (int k = 0; k < tw::kLeagueSquad; ++k) Player_SetMorale(PlayerOf(club, k), 20 + 2 * k);
    for (int k = 0; k < tw::kLeagueSquad; ++k) {
      const int16_t p = PlayerOf(club, k);
      for (uint32_t seed = 1; seed <= 300; ++seed)
        for (bool rival : {true, false}) {
          GameSeedRandom(seed);
          const int16_t expected = LiteralScan(p, rival);
          GameSeedRandom(seed);
          const int16_t found = rival ? FindRival(p) : FindFriend(p);
          ASSERT_EQ(found, expected) << "club " << club << " player " << p << " seed " << seed << (rival ? " rival" : " friend");
        }
    }
  }
  // A player with no team-mate of the opposite temperament has no rival.
  Player_SetPersonalityStats(PlayerOf(5, 0), kPlacid);
  EXPECT_EQ(FindRival(PlayerOf(5, 0)), -1);
}

TEST_F(DailyTickTest, ManagersAreInSpiritsOnTheirDayOfTheWeekOnly) {
  Weekday = 3;
  DayOfSeason = 5;
  const int16_t today = 185, other = 186;  // 185 % 7 = 3
  for (int16_t p : {today, other}) {
    Player_SetPosition(p, 13);
    Player_SetMorale(p, 10);
  }
  DailyClubAI();
  EXPECT_EQ(Player_GetMorale(today), 60);
  EXPECT_EQ(Player_GetMorale(other), 10);
  EXPECT_EQ(Player_GetTxReq(today), 0);
}

TEST_F(DailyTickTest, UnhappyPlayersAskToLeaveOutsideTheBlackout) {
  struct Case {
    const char* what;
    int country;
    int16_t day;
    bool requests;
  };
  const Case cases[] = {
      {"early season", 0, 100, true},     {"first blackout day", 0, 233, false},
      {"last blackout day", 0, 307, false}, {"after the blackout", 0, 308, true},
      {"country 1 starts later", 1, 235, true}, {"no blackout in country 2", 2, 250, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ResetWorld();
    SetUp();
    GameCountry = static_cast<int8_t>(c.country);
    for (int16_t club = 0; club < NUM_CLUBS; ++club)
      if (Club_GetCountry(club) == 0) Club_SetCountry(club, c.country);
    DayOfSeason = c.day;
    Weekday = 2;
    // The season's random events lift morale to the club's reputation: keep it low.
    for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetRep(club, 3);
    // Two unhappy players whose day it is, at two clubs.
    const int16_t first = 9, second = 1402;  // both 2 modulo 7
    for (int16_t p : {first, second}) {
      Player_SetMorale(p, 0);
      Player_SetPersonalityStats(p, kCalm);
    }
    ClubSimCounts_Clear();
    DailyClubAI();
    EXPECT_EQ(Player_GetTxReq(first), c.requests);
    EXPECT_EQ(Player_GetTxReq(second), c.requests);
    EXPECT_EQ(RequestBlackoutToday(), !c.requests);
    EXPECT_EQ(ClubSimCount.requests > 0, c.requests);
  }
}

TEST_F(DailyTickTest, HappyPlayersWithdrawTheirRequests) {
  Weekday = 2;
  DayOfSeason = 250;  // in the blackout: withdrawing is still allowed
  const int16_t p = 16;  // 16 % 7 = 2
  Player_SetTxReq(p, 1);
  Player_SetTxList(p, 1);
  Player_SetMorale(p, 50);  // 83 %
  DailyClubAI();
  EXPECT_EQ(Player_GetTxReq(p), 0);
  EXPECT_EQ(Player_GetTxList(p), 0);
  EXPECT_EQ(ClubSimCount.withdrawn, 1);
}

TEST_F(DailyTickTest, TheSeasonsRandomEventsWaitForDay21) {
  // Morale below the club's reputation (30) is lifted to it by the events.
  for (int16_t p = 0; p < PlayerCount; ++p) Player_SetMorale(p, 5);
  const auto lifted = [] {
    int n = 0;
    for (int16_t p = 0; p < PlayerCount; ++p) n += Player_GetMorale(p) >= 30;
    return n;
  };
  Weekday = 1;  // no training
  DayOfSeason = 20;
  DailyClubAI();
  EXPECT_EQ(lifted(), 0);
  DayOfSeason = 21;
  DailyClubAI();
  EXPECT_GT(lifted(), PlayerCount / 20);
}

TEST_F(DailyTickTest, RowsAtTheHumanClubNeedABigRollComputerClubsFeelAnyRow) {
  // Every player of club 4 and club 5 is a rival of his team-mates of the
  // other temperament; with aggression 90 on both sides a row's roll is at
  // most 179: too small to matter at the human club.
  Club_SetControl(4, 1);
  for (int16_t club : {4, 5})
    for (int k = 0; k < tw::kLeagueSquad; ++k) {
      const int16_t p = PlayerOf(club, k);
      Player_SetPersonalityStats(p, k % 2 ? kFiery : kCalm);
    }
  SetPersonalityRow(kCalm, 50, 50, 89, 60);
  SetPersonalityRow(kFiery, 50, 50, 90, 140);
  int humanFalls = 0, computerFalls = 0;
  for (int day = 0; day < 70; ++day) {
    Weekday = static_cast<int16_t>(day % 7);
    DayOfSeason = 10;  // no random events
    for (int16_t club : {4, 5})
      for (int k = 0; k < tw::kLeagueSquad; ++k) Player_SetMorale(PlayerOf(club, k), 60);  // nobody has a friend in better spirits
    DailyClubAI();
    for (int k = 0; k < tw::kLeagueSquad; ++k) {
      humanFalls += Player_GetMorale(PlayerOf(4, k)) < 60;
      computerFalls += Player_GetMorale(PlayerOf(5, k)) < 60;
    }
  }
  EXPECT_EQ(humanFalls, 0);
  EXPECT_GT(computerFalls, 0);
}

TEST_F(DailyTickTest, OnlyClubsOfSixteenOrMoreFallIll) {
  // Club 0 keeps 18 players, club 1 only 15; nobody else is paid. With no
  // resilience every roll but the illness's rarity succeeds.
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetClub(p) > 1) Player_SetWage(p, 0);
  for (int k = 15; k < tw::kLeagueSquad; ++k) Player_SetClub(PlayerOf(1, k), 254);
  BuildClubSquadList(0);
  BuildClubSquadList(1);
  // Placid players: no rows, no requests, nobody going absent.
  for (int16_t p = 0; p < PlayerCount; ++p) Player_SetPhysicalStats(p, 0), Player_SetPersonalityStats(p, kPlacid);
  ASSERT_EQ(Player_GetPhysicalStat(PlayerOf(0, 0), 12), 0);
  int ill[2] = {0, 0};
  for (int day = 0; day < 400; ++day) {
    Weekday = 1;
    DayOfSeason = 10;
    DailyClubAI();
    for (int16_t club : {0, 1})
      for (int k = 0; k < tw::kLeagueSquad; ++k) {
        const int16_t p = PlayerOf(club, k);
        if (Player_GetInFlag(p)) ++ill[club], Player_SetInFlag(p, 0);
      }
  }
  EXPECT_GT(ill[0], 0);
  EXPECT_EQ(ill[1], 0);
}

}  // namespace
