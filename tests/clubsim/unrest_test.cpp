// Dressing-room unrest: the club's roll, the foreign majority, the clash
// score, the morale rounds and the troublemaker put on the list.
#include "clubsim/unrest.h"

#include <gtest/gtest.h>

#include <vector>

#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/recordbits.h"

namespace {

constexpr int16_t kClub = 40;  // England, division 2
constexpr int kEnglish = 0, kItalian = 2;

// Personality template rows by their stat 21; stat 18 is 0 in every row
// unless a test says otherwise.
constexpr int kRowOf60 = 1, kRowOf140 = 2, kRowOf99 = 3, kRowOf50 = 4, kRowOf100 = 5, kRowOf10 = 6;

// The league world with club 40 cut to a squad of 16 English players of
// morale 60; other clubs' players keep template row 0.
class UnrestTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    const std::pair<int, uint8_t> rows[] = {{kRowOf60, 60}, {kRowOf140, 140}, {kRowOf99, 99},
                                            {kRowOf50, 50}, {kRowOf100, 100}, {kRowOf10, 10}};
    for (const auto& [row, value] : rows) PlayerStatTables.personalityTemplate[row][21 - 15] = value;
    const int16_t first = kClub * tw::kLeagueSquad;
    for (int16_t i = 0; i < tw::kLeagueSquad; ++i) {
      const auto p = static_cast<int16_t>(first + i);
      if (i >= 16) {
        Player_SetClub(p, 113);
        continue;
      }
      squad_.push_back(p);
      Player_SetMorale(p, 60);
      Player_SetNationality(p, kEnglish);
      Player_SetPersonalityStats(p, kRowOf50);
    }
  }

  void SetRows(int firstHalf, int secondHalf) {
    for (size_t i = 0; i < squad_.size(); ++i)
      Player_SetPersonalityStats(squad_[i], i < squad_.size() / 2 ? firstHalf : secondHalf);
  }
  // The reputation field written as it stands in the record (the setter keeps 3-63).
  static void SetRawReputation(int16_t club, uint32_t rep) {
    SetBits(Club_GetFullRecord(club)->bytes, {64, 26, 6}, rep);
  }

  int TotalMorale() const {
    int total = 0;
    for (int16_t p : squad_) total += Player_GetMorale(p);
    return total;
  }
  std::vector<int16_t> Listed() const {
    std::vector<int16_t> listed;
    for (int16_t p : squad_)
      if (Player_GetTxList(p)) listed.push_back(p);
    return listed;
  }

  std::vector<int16_t> squad_;
};

TEST_F(UnrestTest, TheClashScoreSetsLikeAgainstMirroredPersonalities) {
  struct Case {
    const char* name;
    int firstHalf, secondHalf;
    int32_t score;
  };
  const Case cases[] = {
      {"half 60, half 140: like = opposite = 1,152", kRowOf60, kRowOf140, 100},
      {"all 99: like 2,304, opposite 256", kRowOf99, kRowOf99, 11},
      {"all 50: no opposite", kRowOf50, kRowOf50, 0},
      {"all 100: their own mirror", kRowOf100, kRowOf100, 100},
  };
  for (const Case& c : cases) {
    SetRows(c.firstHalf, c.secondHalf);
    BuildClubSquadList(kClub);
    ASSERT_EQ(SquadListLength, 16);
    EXPECT_EQ(SquadClashScore(), c.score) << c.name;
  }
}

TEST_F(UnrestTest, AClubOfReputationZeroIsVisitedEveryTimeOneOfSixtyThreeRarely) {
  // A foreign majority costs two points whenever the club's roll comes up;
  // the clash score of players all at 50 is 0, so nothing else happens.
  for (int16_t p : squad_) Player_SetNationality(p, kItalian);
  SetRawReputation(kClub, 0);
  ASSERT_EQ(Club_GetRep(kClub), 0);
  for (int call = 1; call <= 10; ++call) {
    SquadUnrestEvent();
    for (int16_t p : squad_) ASSERT_EQ(Player_GetMorale(p), 60 - 2 * call);
  }

  Club_SetRep(kClub, 63);
  int visits = 0;
  for (uint32_t seed = 1; seed <= 640; ++seed) {
    for (int16_t p : squad_) Player_SetMorale(p, 60);
    GameSeedRandom(seed);
    SquadUnrestEvent();
    visits += Player_GetMorale(squad_[0]) == 58;
  }
  EXPECT_GE(visits, 2);  // about 10
  EXPECT_LE(visits, 30);
}

TEST_F(UnrestTest, ForeignersCostMoraleOnlyWhenTheyAreNotFewer) {
  SetRawReputation(kClub, 0);
  for (size_t i = 0; i < squad_.size(); ++i) Player_SetNationality(squad_[i], i < 7 ? kItalian : kEnglish);
  SquadUnrestEvent();
  EXPECT_EQ(TotalMorale(), 16 * 60);  // 7 foreign, 9 home
  Player_SetNationality(squad_[7], kItalian);
  SquadUnrestEvent();
  EXPECT_EQ(TotalMorale(), 16 * 58);  // 8 and 8
}

TEST_F(UnrestTest, AClashingSquadLosesMoraleForSeventyRoundsAndItsWorstIsListed) {
  SetRawReputation(kClub, 0);
  SetRows(kRowOf60, kRowOf140);
  Player_SetPersonalityStats(squad_[5], kRowOf10);  // the lowest stat 21 of all
  SquadUnrestEvent();
  // Stat 18 of 0 resists nothing: about 70 points lost, morale at the floor.
  for (int16_t p : squad_) EXPECT_LE(Player_GetMorale(p), 5) << p;
  EXPECT_EQ(Listed(), std::vector<int16_t>{squad_[5]});
  EXPECT_EQ(Player_GetSaleStatus(squad_[5]), 0);
  EXPECT_EQ(CurrentManager, GetClubManager(kClub));
  // Listed already: nobody else is listed for him.
  SquadUnrestEvent();
  EXPECT_EQ(Listed(), std::vector<int16_t>{squad_[5]});
}

TEST_F(UnrestTest, APersonalityThatKeepsItsHeadLosesNothing) {
  SetRawReputation(kClub, 0);
  SetRows(kRowOf60, kRowOf140);
  for (int row : {kRowOf60, kRowOf140}) PlayerStatTables.personalityTemplate[row][18 - 15] = 200;
  SquadUnrestEvent();
  EXPECT_EQ(TotalMorale(), 16 * 60);
  EXPECT_EQ(Listed().size(), 1u);
}

TEST_F(UnrestTest, ASquadWithoutTroublemakersOrClashesIsLeftAlone) {
  SetRawReputation(kClub, 0);
  struct Case {
    const char* name;
    int row;
  };
  // All at 99: score 11, under 30. All at 100: score 100, but nobody below
  // 100 is drawn for the first pick (50 draws at most), so the event ends.
  const Case cases[] = {{"all 99", kRowOf99}, {"all 100", kRowOf100}};
  for (const Case& c : cases) {
    SetRows(c.row, c.row);
    for (uint32_t seed = 1; seed <= 10; ++seed) {
      GameSeedRandom(seed);
      SquadUnrestEvent();
      EXPECT_EQ(TotalMorale(), 16 * 60) << c.name;
      EXPECT_TRUE(Listed().empty()) << c.name;
    }
  }
}

TEST_F(UnrestTest, AHumanClubLosesMoraleButListsNobody) {
  SetRawReputation(kClub, 0);
  Club_SetControl(kClub, 1);
  SetRows(kRowOf60, kRowOf140);
  SquadUnrestEvent();
  EXPECT_LT(TotalMorale(), 16 * 60);
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(CurrentManager, GetClubManager(kClub));
}

TEST_F(UnrestTest, ClubsOutsideTheLeagueAreNeverVisited) {
  for (int16_t p : squad_) Player_SetNationality(p, kItalian);
  SetRawReputation(kClub, 0);
  Club_SetDivision(kClub, 6);
  for (int call = 0; call < 5; ++call) SquadUnrestEvent();
  EXPECT_EQ(TotalMorale(), 16 * 60);
}

}  // namespace
