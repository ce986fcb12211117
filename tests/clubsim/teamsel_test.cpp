// Match team selection: the formation table, the order shirts are given in,
// duplicate shirts, sides, cup ties, bans, the reserve pool and the plain
// choice of the variant mode.
#include "clubsim/teamsel.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "clubsim/squadlist.h"
#include "season/matchday_support.h"
#include "season/seam.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

using mdtest::SetPlayerStats;

int Group(int position) { return position == 0 ? 0 : position <= 4 ? 1 : position <= 9 ? 2 : 3; }

TEST(FormationSlotsTest, EveryRowAsksForOutfieldPositionsOfEveryLine) {
  constexpr int kGiven[FORMATION_OUTFIELD_SLOTS] = {1, 1, 6, 2, 2, 5, 6, 10, 11, 5};
  for (int k = 0; k < FORMATION_OUTFIELD_SLOTS; ++k) EXPECT_EQ(FormationSlots[0][0][k].position, kGiven[k]) << k;
  for (int tactic = 0; tactic < NUM_TACTIC_CODES; ++tactic)
    for (int band = 0; band < NUM_PERSONALITY_BANDS; ++band) {
      const FormationSlot* row = FormationSlots[tactic][band];
      const FormationSlot* base = FormationSlots[tactic][0];
      std::array<int, 4> perGroup{};
      int moved = 0, left = 0, right = 0;
      for (int k = 0; k < FORMATION_OUTFIELD_SLOTS; ++k) {
        EXPECT_GE(row[k].position, 1);
        EXPECT_LE(row[k].position, 12);
        ++perGroup[Group(row[k].position)];
        if (Group(row[k].position) != Group(base[k].position)) ++moved;
        // The sides stand with the slots, whatever the band.
        EXPECT_EQ(row[k].side, base[k].side) << tactic << "/" << band << " slot " << k;
        left += row[k].side == SIDE_LEFT;
        right += row[k].side == SIDE_RIGHT;
        EXPECT_LE(row[k].side, SIDE_RIGHT);
      }
      EXPECT_GT(perGroup[1], 0) << tactic << "/" << band;
      EXPECT_GT(perGroup[2], 0) << tactic << "/" << band;
      EXPECT_GT(perGroup[3], 0) << tactic << "/" << band;
      EXPECT_LE(moved, 1) << tactic << "/" << band;
      EXPECT_EQ(left, right) << tactic << "/" << band;
      EXPECT_GT(left, 0) << tactic << "/" << band;
    }
}

TEST(CupIndexTest, CodesGiveTheirCups) {
  const std::map<int16_t, int16_t> cases = {{0, -1}, {4, -1},  {5, 0},  {20, 0},  {21, 1},  {52, 2},  {53, 3},
                                            {69, 4}, {84, 4},  {85, 6}, {100, 6}, {101, 6}, {116, 6}, {117, -1}};
  for (const auto& [code, cup] : cases) EXPECT_EQ(CupIndexOfCompetition(code), cup) << code;
}

// Club 2 of England's league world: players 36-53, at positions p % 13 (keepers
// 39 and 52). Every stat is 0 until a test gives one, so all rate alike and the
// list order decides.
constexpr int16_t kClub = 2;
constexpr int16_t kFirst = 36, kLast = 53;
constexpr int16_t kKeeperA = 39, kKeeperB = 52;

class TeamSelectionTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    for (int16_t p = kFirst; p <= kLast; ++p) {
      Player_SetMorale(p, 60);
      Player_SetSide(p, SIDE_ANY);
    }
    // The keepers can keep (ability 0), and nobody else can.
    for (const int16_t keeper : {kKeeperA, kKeeperB}) {
      std::array<int, 8> keeping{};
      keeping[0] = 50;
      SetPlayerStats(keeper, 8 * (keeper - kFirst + 1), keeping, {}, {});
    }
    CurrentManager = -1;  // no manager: tactic 0, band 0
    BuildClubSquadList(kClub);
  }

  // Tackling (ability 2) only: every defensive position rates by it.
  static void Tackler(int16_t p, int tackling) {
    std::array<int, 8> ability{};
    ability[2] = tackling;
    SetPlayerStats(p, 8 * (p - kFirst + 1), ability, {}, {});
  }

  static std::map<int, int16_t> Shirts() {
    std::map<int, int16_t> shirts;
    for (int16_t p = kFirst; p <= kLast; ++p)
      if (Player_GetShirt(p) != 0) {
        EXPECT_EQ(shirts.count(Player_GetShirt(p)), 0u) << "shirt " << Player_GetShirt(p) << " twice";
        shirts[Player_GetShirt(p)] = p;
      }
    return shirts;
  }
};

TEST_F(TeamSelectionTest, TacticZeroGivesShirtFiveFirst) {
  // The best tackler suits shirt 2 (right back) as well as shirt 5 (centre
  // back), but shirt 5 is given first; the next best gets shirt 6, the next 4.
  Tackler(53, 90);
  Tackler(43, 80);
  Tackler(42, 70);
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 0);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.at(5), 53);
  EXPECT_EQ(shirts.at(6), 43);
  EXPECT_EQ(shirts.at(4), 42);
  EXPECT_EQ(shirts.at(1), kKeeperA);  // keepers rate alike: the first listed
  EXPECT_EQ(shirts.size(), 11u);      // no substitutes asked for
}

TEST_F(TeamSelectionTest, SubstitutesTakeShirtsTwelveOnAndASecondKeeper) {
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 5);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.size(), 16u);
  EXPECT_EQ(shirts.at(16), kKeeperB);
  // The captain comes from the starters.
  int captains = 0;
  for (int16_t p = kFirst; p <= kLast; ++p)
    if (Player_GetCaptain(p)) {
      ++captains;
      EXPECT_LE(Player_GetShirt(p), 11);
    }
  EXPECT_EQ(captains, 1);
}

TEST_F(TeamSelectionTest, ADuplicateShirtStaysWithTheFirstListed) {
  // Shirts 1-11 all worn, and 7 twice: the later listed loses his.
  int16_t p = kFirst;
  for (int16_t shirt = 1; shirt <= 11; ++shirt, ++p) Player_SetShirt(p, shirt);
  Player_SetShirt(50, 7);
  const int16_t firstSeven = 42;  // kFirst + 6
  CompleteMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 0);
  EXPECT_EQ(Player_GetShirt(firstSeven), 7);
  EXPECT_EQ(Player_GetShirt(50), 0);
  EXPECT_EQ(Shirts().size(), 11u);
}

TEST_F(TeamSelectionTest, CompletingKeepsGivenShirtsAndFillsTheRest) {
  Player_SetShirt(kKeeperB, 1);
  Player_SetShirt(36, 9);
  CompleteMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 2);
  const std::map<int, int16_t> shirts = Shirts();
  EXPECT_EQ(shirts.at(1), kKeeperB);
  EXPECT_EQ(shirts.at(9), 36);
  EXPECT_EQ(shirts.size(), 13u);
  EXPECT_EQ(IsTeamComplete(kClub, 13), 0);
  EXPECT_EQ(IsTeamComplete(kClub, 14), -1);
}

struct SideCase {
  int16_t wanted;  // the slot's side
  int16_t sideA;   // player A, the better tackler (100)
  int16_t sideB;   // player B
  int tacklingB;
  int16_t winner;  // 0 A, 1 B
};

TEST_F(TeamSelectionTest, SidesWeighTheRating) {
  // A left-sided player in a central slot counts 80 %, in a right-hand slot
  // half; a player of the wanted side or of any side counts whole.
  const SideCase cases[] = {
      {SIDE_CENTRAL, SIDE_LEFT, SIDE_CENTRAL, 85, 1}, {SIDE_CENTRAL, SIDE_LEFT, SIDE_CENTRAL, 75, 0},
      {SIDE_RIGHT, SIDE_LEFT, SIDE_RIGHT, 55, 1},     {SIDE_RIGHT, SIDE_LEFT, SIDE_RIGHT, 45, 0},
      {SIDE_RIGHT, SIDE_LEFT, SIDE_ANY, 55, 1},       {SIDE_LEFT, SIDE_LEFT, SIDE_CENTRAL, 95, 0},
      {SIDE_ANY, SIDE_LEFT, SIDE_RIGHT, 95, 0},
      // At the edges: A rates 6,500, 6,440 after fitness and fatigue, so
      // 5,152 at 80 % and 3,220 at half; B at 80 rates 5,180, at 79 5,110,
      // at 51 3,290 and at 50 3,220, level with A, who is listed first.
      {SIDE_CENTRAL, SIDE_LEFT, SIDE_CENTRAL, 80, 1}, {SIDE_CENTRAL, SIDE_LEFT, SIDE_CENTRAL, 79, 0},
      {SIDE_RIGHT, SIDE_LEFT, SIDE_RIGHT, 51, 1},     {SIDE_RIGHT, SIDE_LEFT, SIDE_RIGHT, 50, 0},
  };
  const int16_t a = 40, b = 41;  // positions 1 and 2
  for (const SideCase& c : cases) {
    Tackler(a, 100);
    Tackler(b, c.tacklingB);
    Player_SetSide(a, c.sideA);
    Player_SetSide(b, c.sideB);
    SquadList[0] = a;
    SquadList[1] = b;
    SquadListLength = 2;
    EXPECT_EQ(PickPlayerForSlot(2, c.wanted, kClub, 0, 0, 0, COMP_LEAGUE), c.winner == 0 ? a : b)
        << "wanted " << c.wanted << " B " << c.tacklingB;
  }
}

TEST_F(TeamSelectionTest, CupTiedPlayersAreLeftOutOfThatCup) {
  Tackler(40, 100);  // the best defender, tied to club 5 in cup 6 (codes 85-116)
  Player_SetCupTied(40, 5, 6);
  Player_SetCupTied(41, kClub, 6);  // tied to this club: may play
  for (const int16_t code : {int16_t{90}, int16_t{101}}) {
    EXPECT_NE(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, code), 40) << code;
  }
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), 40);
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, 21), 40);  // another cup
  SelectMatchTeam(kClub, 101, SELECT_LOOK, 5);
  EXPECT_EQ(Player_GetShirt(40), 0);
}

TEST_F(TeamSelectionTest, InjuredBannedAndLentPlayersAreLeftOut) {
  Tackler(40, 100);
  Tackler(41, 90);
  Tackler(42, 80);
  Tackler(43, 70);
  Player_SetInFlag(40, 1);
  Player_SetSuspension(41, 2);  // ban wait 0: suspended now
  Player_SetEuroBan(42, 1);
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), 42);
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, 70), 41);  // a European match
  Player_SetBanwait(41, 1);  // the ban has not begun
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), 41);
  Player_SetClub(41, 7);  // another club's now
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), 42);
}

TEST_F(TeamSelectionTest, TheMatchDayServesBansAndTheLookDoesNot) {
  Player_SetSuspension(41, 2);
  Player_SetEuroBan(42, 1);
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 5);
  EXPECT_EQ(Player_GetSuspension(41), 2);
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_MATCH_DAY, 5);
  EXPECT_EQ(Player_GetSuspension(41), 1);
  EXPECT_EQ(Player_GetShirt(41), 0);
  EXPECT_EQ(Player_GetEuroBan(42), 1);
  SelectMatchTeam(kClub, COMP_FRIENDLY, SELECT_MATCH_DAY, 5);  // friendlies serve nothing
  EXPECT_EQ(Player_GetSuspension(41), 1);
  CompleteMatchTeam(kClub, 70, SELECT_MATCH_DAY, 5);  // a European match serves the European ban
  EXPECT_EQ(Player_GetEuroBan(42), 0);
  EXPECT_EQ(Player_GetSuspension(41), 1);
}

TEST_F(TeamSelectionTest, TheReservePoolFillsWhatTheSquadCannot) {
  // Only the two keepers listed: an outfield slot of a league club takes no keeper.
  SquadList[0] = kKeeperA;
  SquadList[1] = kKeeperB;
  SquadListLength = 2;
  const int16_t reserve = 200;  // a free agent of club 11's range, outfield
  Player_SetClub(reserve, PLAYER_CLUB_FREE_AGENT);
  Player_SetWage(reserve, 0);
  Player_SetPosition(reserve, 6);
  Reserve_SetPlayer(0, reserve);
  Reserve_SetClub(0, PLAYER_CLUB_NONE);
  EXPECT_EQ(PickPlayerForSlot(6, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), reserve);
  EXPECT_EQ(Player_GetClub(reserve), kClub);
  EXPECT_EQ(Reserve_GetPicked(0), 1);
  EXPECT_EQ(SquadListLength, 3);
  EXPECT_EQ(SquadList[2], reserve);
  // Nobody left anywhere: no player, and the shirt stays empty.
  Player_SetShirt(reserve, 6);
  EXPECT_EQ(PickPlayerForSlot(6, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), -1);
  SquadListLength = 2;
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 0);
  EXPECT_EQ(Player_GetShirt(kKeeperA), 1);
  EXPECT_EQ(IsTeamComplete(kClub, 2), -1);
}

TEST_F(TeamSelectionTest, TheVariantTakesTheFirstEligibleEntry) {
  Tackler(43, 100);
  Player_SetInFlag(36, 1);
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 0, COMP_LEAGUE), 43);
  EXPECT_EQ(PickPlayerForSlot(2, SIDE_CENTRAL, kClub, 0, 0, 1, COMP_LEAGUE), 37);
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_VARIANT, 0);
  EXPECT_EQ(Player_GetShirt(37), 5);  // shirt 5 first
}

TEST_F(TeamSelectionTest, TheManagersTacticAndBandChooseTheSlots) {
  // Manager 0 (club 0's first player) plays tactic 5: shirt 10 is given
  // first, to the slot of the tactic's band 0 row.
  CurrentManager = 0;
  Player_SetTactic(0, 5);
  EXPECT_EQ(FormationSlots[5][0][8].position, 11);
  std::array<int, 8> shooting{};
  shooting[4] = 90;  // shooting: the forwards' stat
  SetPlayerStats(49, 200, shooting, {}, {});
  SelectMatchTeam(kClub, COMP_LEAGUE, SELECT_LOOK, 0);
  EXPECT_EQ(Player_GetShirt(49), 10);
}

}  // namespace
