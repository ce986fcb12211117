// Playing a fixture: the match values of a squad's players, the captain and
// takers, the line leadership, the formations of computer-run sides and the
// two roads of a match (the match engine, the background simulation).
#include "season/playfix.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "gamecode/fixturematch.h"
#include "gamecode/football.h"
#include "gamecode/matchrec.h"
#include "menus/gfx_gen.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/matchday.h"
#include "season/matchday_support.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"

namespace {

using mdtest::IsNewsOfKind;
using mdtest::MessagesShown;
using mdtest::SetPlayerStats;

// Club c of England's league world has players 18c to 18c + 17.
constexpr int16_t kPlayer = 3;  // club 0's, a midfielder (position 3)
constexpr int16_t kOutsideLeague = 114;

int16_t Value(int side, int entry, int field) { return LoadI16(GetMatchSetupRecord() + SetupPlayerOffset(side, entry) + field); }

class PlayFixTest : public LeagueWorldTest {
 protected:
  void SetUp() override {
    LeagueWorldTest::SetUp();
    ClearMatchSetupRecord();
    DayOfSeason = 50;
    // Abilities 0-7, physical 8-14, personality 15-21.
    SetPlayerStats(kPlayer, 16, {30, 50, 60, 80, 90, 55, 60, 70}, {80, 70, 60, 72, 66, 58, 70},
                   {100, 120, 140, 0, 160, 40, 200});
    Player_SetFitness(kPlayer, 60);
    Player_SetFatigue(kPlayer, 0);
    Player_SetMorale(kPlayer, 60);
    Player_SetExperience(kPlayer, 0);
    Player_SetSide(kPlayer, 3);
    Player_SetShirt(kPlayer, 4);
  }
};

// ---------------------------------------------------------------- a player's match values

TEST_F(PlayFixTest, AFitRestedPlayerTakesHisStatisticsIntoTheMatch) {
  BuildMatchSetupPlayer(kPlayer, 0, 3, COMP_SPECIAL, false, 0, 1);
  const struct {
    int field, value;
  } fields[] = {
      {SETUP_PLAYER_ABILITY0, 30},  {SETUP_PLAYER_ABILITY1, 50},       {SETUP_PLAYER_ABILITY2, 60},
      {SETUP_PLAYER_ABILITY3, 80},  {SETUP_PLAYER_ABILITY4, 81},       {SETUP_PLAYER_ABILITY5, 55},
      {SETUP_PLAYER_ABILITY6, 60},  {SETUP_PLAYER_ABILITY7, 70},       {SETUP_PLAYER_PACE, 80},
      {SETUP_PLAYER_PHYSICAL9, 70}, {SETUP_PLAYER_PHYSICAL10, 54},     {SETUP_PLAYER_PHYSICAL11, 60},
      {SETUP_PLAYER_PHYSICAL12, 66}, {SETUP_PLAYER_PHYSICAL13, 58},    {SETUP_PLAYER_PHYSICAL14, 70},
      {SETUP_PLAYER_PERSONALITY15, 50}, {SETUP_PLAYER_PERSONALITY16, 60}, {SETUP_PLAYER_PERSONALITY17, 70},
      {SETUP_PLAYER_PERSONALITY18, 1},  // 0 is kept within 1-99
      {SETUP_PLAYER_PERSONALITY19, 80}, {SETUP_PLAYER_PERSONALITY20, 20}, {SETUP_PLAYER_PERSONALITY21, 99},
      {SETUP_PLAYER_EXPERIENCE, 0},  {SETUP_PLAYER_POSITION, 3},        {SETUP_PLAYER_SHIRT, 4},
      {SETUP_PLAYER_LEFT_SIDE, 1},  {SETUP_PLAYER_RIGHT_SIDE, 1},       {SETUP_PLAYER_NUMBER, kPlayer},
      {SETUP_PLAYER_SPARE1, -1},     {SETUP_PLAYER_SPARE2, -1},
      // The unscaled copies.
      {SETUP_PLAYER_PERSONALITY20_RAW, 20}, {SETUP_PLAYER_ABILITY7_RAW, 70}, {SETUP_PLAYER_ABILITY0_RAW, 30},
      {SETUP_PLAYER_ABILITY3_RAW, 80},      {SETUP_PLAYER_ABILITY4_RAW, 81}, {SETUP_PLAYER_ABILITY2_RAW, 60},
      {SETUP_PLAYER_ABILITY1_RAW, 50},      {SETUP_PLAYER_PACE_RAW, 80},     {SETUP_PLAYER_PHYSICAL14_RAW, 70},
      {SETUP_PLAYER_ABILITY5_RAW, 55},
  };
  for (const auto& f : fields) EXPECT_EQ(Value(0, 3, f.field), f.value) << "field at " << f.field;
  EXPECT_EQ(GetMatchSetupRecord()[SetupPlayerOffset(0, 3) + SETUP_PLAYER_POSITION_BYTE], 3);
  EXPECT_EQ(ShirtMap[0][3], kPlayer);
  // Physical 11 is 72 x 100 / 100 x 100 / 120.
  EXPECT_EQ(Value(0, 3, SETUP_PLAYER_PHYSICAL11), 60);
}

TEST_F(PlayFixTest, ConditionFormPressureAndTheLeagueWeighOnTheMatchValues) {
  struct Case {
    const char* name;
    std::function<void()> change;
    int side;
    bool neutral;
    int16_t club;
    int field, value;
  };
  const Case cases[] = {
      // Fatigue 30: fatigue term 90, divisor 190; pace 80 x 100 / (2 x 90 + 100).
      {"tired: pace", [] { Player_SetFatigue(kPlayer, 30); }, 0, false, 0, SETUP_PLAYER_PACE, 28},
      {"tired: physical 9", [] { Player_SetFatigue(kPlayer, 30); }, 0, false, 0, SETUP_PLAYER_PHYSICAL9, 36},
      // Fitness 40: fitness term 40, divisor 140.
      {"unfit: pace", [] { Player_SetFitness(kPlayer, 40); }, 0, false, 0, SETUP_PLAYER_PACE, 57},
      {"unfit: physical 9", [] { Player_SetFitness(kPlayer, 40); }, 0, false, 0, SETUP_PLAYER_PHYSICAL9, 50},
      // Morale 30: form divisor 130.
      {"low morale", [] { Player_SetMorale(kPlayer, 30); }, 0, false, 0, SETUP_PLAYER_ABILITY3, 61},
      // A club outside the league divisions: abilities a further quarter.
      {"outside the league", [] {}, 0, false, kOutsideLeague, SETUP_PLAYER_ABILITY3, 20},
      // The away side under a home crowd of 90 per cent and personality 18 of
      // 0: pressure 90 x 200 / 900 x 2 = 40.
      {"away: ability 3", [] { HomeCrowdShare = 90; }, 1, false, 0, SETUP_PLAYER_ABILITY3, 57},
      {"away: ability 6", [] { HomeCrowdShare = 90; }, 1, false, 0, SETUP_PLAYER_ABILITY6, 42},
      {"away: physical 14", [] { HomeCrowdShare = 90; }, 1, false, 0, SETUP_PLAYER_PHYSICAL14, 50},
      {"away on neutral ground", [] { HomeCrowdShare = 90; }, 1, true, 0, SETUP_PLAYER_ABILITY3, 80},
      // Experience 63 in form phase 200 (the last entry, 21): factor 90.
      {"form dip", [] { Player_SetExperience(kPlayer, 63); DayOfSeason = static_cast<int16_t>(200 - 16); }, 0,
       false, 0, SETUP_PLAYER_ABILITY3, 72},
  };
  for (const Case& c : cases) {
    SetUp();
    c.change();
    BuildMatchSetupPlayer(kPlayer, c.side, 0, COMP_SPECIAL, c.neutral, c.club, 1);
    EXPECT_EQ(Value(c.side, 0, c.field), c.value) << c.name;
  }
}

TEST_F(PlayFixTest, NervesRiseWithTheOccasionAndAPsychologistCanCalmThem) {
  // The cup final's interest 200 with no composure, experience or morale to
  // set against it: nerves 4 x 200.
  SetPlayerStats(kPlayer, 16, {30, 50, 60, 80, 90, 55, 60, 70}, {80, 70, 60, 72, 66, 58, 70},
                 {0, 120, 140, 0, 160, 0, 0});
  BuildMatchSetupPlayer(kPlayer, 0, 0, 3, false, 0, 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PHYSICAL14), 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PERSONALITY19), 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_ABILITY6), 60 * 100 / 900);
  // Matches outside the records have no nerves.
  BuildMatchSetupPlayer(kPlayer, 0, 0, COMP_SPECIAL, false, 0, 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PHYSICAL14), 70);
  // A psychologist settles a player whose personality 21 beats his roll.
  SetPlayerStats(kPlayer, 16, {30, 50, 60, 80, 90, 55, 60, 70}, {80, 70, 60, 72, 66, 58, 70},
                 {0, 120, 140, 0, 160, 0, 200});
  Club_SetPsycho(0, 1);
  BuildMatchSetupPlayer(kPlayer, 0, 0, 3, false, 0, 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PHYSICAL14), 70);
  // A league match: 60 - 20 - 20 - experience 10 = 10, nerves 40.
  Club_SetPsycho(0, 0);
  SetPlayerStats(kPlayer, 16, {30, 50, 60, 80, 90, 55, 60, 70}, {80, 70, 60, 72, 66, 58, 70},
                 {40, 120, 140, 0, 160, 40, 0});
  Player_SetExperience(kPlayer, 10);
  BuildMatchSetupPlayer(kPlayer, 0, 0, COMP_LEAGUE, false, 0, 1);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PHYSICAL14), 70 - 40);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PERSONALITY19), 80 - 40);
}

TEST_F(PlayFixTest, LocalRivalsPlayWithMoreDrive) {
  // Personality 15 of 100 is 50; clubs on the same spot add 15 x 15 / 9 = 25.
  struct Case {
    int16_t competition;
    bool neutral;
    int otherX;  // the other club's map x (the player's club at 10, 10)
    int clubX;
    int value;
  } cases[] = {
      {COMP_LEAGUE, false, 10, 10, 75},   {COMP_FRIENDLY, false, 10, 10, 53}, {COMP_SPECIAL, false, 10, 10, 50},
      {COMP_LEAGUE, true, 10, 10, 50},    {COMP_LEAGUE, false, 20, 10, 52},   {COMP_LEAGUE, false, 40, 10, 50},
      {COMP_LEAGUE, false, 99, 99, 50},
  };
  for (const auto& c : cases) {
    Club_SetXcoord(0, c.clubX);
    Club_SetYcoord(0, 10);
    Club_SetXcoord(1, c.otherX);
    Club_SetYcoord(1, 10);
    BuildMatchSetupPlayer(kPlayer, 0, 0, c.competition, c.neutral, 0, 1);
    EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PERSONALITY15), c.value) << c.competition << " " << c.otherX;
  }
}

TEST_F(PlayFixTest, TheFormPhaseRunsInCyclesOf200) {
  const struct {
    int code, day, morale, experience, factor;
  } cases[] = {
      {23, 0, 60, 63, 80},   // phase 23: the top of the big bump, 40
      {10, 0, 3, 63, 90},    // phase 200: the last entry, 21
      {20, 0, 3, 63, 90},    // phase 400 is 200 again
      {67, 0, 20, 63, 100},  // phase 201 is 1
      {23, 0, 60, 0, 100},   // no experience, no dip
      {1, 1, 60, 63, 100},   // phase 2
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormExperienceFactor(c.code, c.day, c.morale, c.experience), c.factor) << c.code << " " << c.morale;
  // Morale 0 counts as 1.
  EXPECT_EQ(FormExperienceFactor(2, 1, 0, 63), FormExperienceFactor(2, 1, 1, 63));
}

// ---------------------------------------------------------------- the side

// A starter or substitute written straight into the set-up.
void PutEntry(int side, int entry, int16_t player, int shirt, int position, int experience,
              std::initializer_list<std::pair<int, int>> values = {}) {
  uint8_t* p = GetMatchSetupRecord() + SetupPlayerOffset(side, entry);
  StoreI16(p + SETUP_PLAYER_NUMBER, player);
  StoreI16(p + SETUP_PLAYER_SHIRT, static_cast<int16_t>(shirt));
  StoreI16(p + SETUP_PLAYER_POSITION, static_cast<int16_t>(position));
  StoreI16(p + SETUP_PLAYER_EXPERIENCE, static_cast<int16_t>(experience));
  for (int field = SETUP_PLAYER_PACE; field <= SETUP_PLAYER_PERSONALITY21; field += 2) StoreI16(p + field, 30);
  for (const auto& [field, value] : values) StoreI16(p + field, static_cast<int16_t>(value));
  ShirtMap[side][entry] = player;
}

TEST_F(PlayFixTest, TheMostExperiencedPlayerOfALineLeadsIt) {
  struct Case {
    int teamwork, experience;  // the teamwork and the line's most experienced player
    int before, after;         // a defender's personality 19
  } cases[] = {
      {24, 60, 30, 40},  // level 40: raised to the level
      {24, 60, 45, 45},  // already above it
      {60, 60, 90, 109}, // level 99: plus a fifth of it
      {60, 60, 99, 99},  // not below the level
      {30, 60, 20, 20},  // level 50: nothing
      {60, 30, 30, 40},  // level 60 x 50 / 60 = 50 ... then 51 and up
  };
  for (const Case& c : cases) {
    ClearMatchSetupRecord();
    Club_SetTeamwork(0, c.teamwork);
    PutEntry(0, 0, 100, 1, 0, 63, {{SETUP_PLAYER_PERSONALITY19, 10}});  // the keeper leads nobody
    PutEntry(0, 1, 101, 2, 2, c.experience, {{SETUP_PLAYER_PERSONALITY19, 95}});
    PutEntry(0, 2, 102, 3, 3, 5, {{SETUP_PLAYER_PERSONALITY19, c.before}, {SETUP_PLAYER_ABILITY2, c.before}});
    PutEntry(0, 11, 103, 12, 2, 5, {{SETUP_PLAYER_PERSONALITY19, 10}});  // nor a substitute
    ApplyLineLeadership(0, 0);
    const int level = std::clamp(c.teamwork * (c.experience * 100 / 60) / 60, 1, 99);
    const int expected = c.experience == 30 ? (level == 50 ? c.before : c.before + level / 5) : c.after;
    EXPECT_EQ(Value(0, 2, SETUP_PLAYER_PERSONALITY19), expected) << c.teamwork << " " << c.before;
    EXPECT_EQ(Value(0, 2, SETUP_PLAYER_ABILITY2), expected) << "the defenders' own ability";
    EXPECT_EQ(Value(0, 0, SETUP_PLAYER_PERSONALITY19), 10);
    EXPECT_EQ(Value(0, 11, SETUP_PLAYER_PERSONALITY19), 10);
  }
}

TEST_F(PlayFixTest, TheCaptainAndTakersComeFromTheStarters) {
  PutEntry(0, 0, 100, 1, 0, 10, {{SETUP_PLAYER_ABILITY3, 99}, {SETUP_PLAYER_ABILITY7, 99}});  // the keeper: never
  PutEntry(0, 1, 101, 2, 2, 10, {{SETUP_PLAYER_ABILITY3, 60}, {SETUP_PLAYER_ABILITY7, 50}});
  PutEntry(0, 2, 102, 5, 7, 10, {{SETUP_PLAYER_ABILITY3, 70}, {SETUP_PLAYER_ABILITY7, 50},
                                 {SETUP_PLAYER_PHYSICAL14, 90}});
  PutEntry(0, 3, 103, 7, 7, 10, {{SETUP_PLAYER_ABILITY3, 50}, {SETUP_PLAYER_ABILITY7, 70}});  // ties with 102
  PutEntry(0, 4, 104, 12, 10, 10, {{SETUP_PLAYER_ABILITY3, 99}, {SETUP_PLAYER_ABILITY7, 99}});  // a substitute
  Club_SetTeamwork(0, 30);
  Club_SetSetPieces1(0, 60);
  Club_SetSetPieces2(0, 12);
  Club_SetSetPieces3(0, 0);
  FirstLegGoals[0] = 2;

  ClubSim.findClubCaptain = [](int16_t) -> int16_t { return 103; };
  BuildMatchSetupTeam(0, 0);
  const uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0];
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CAPTAIN), 7);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CORNER_TAKER), 5);  // 120, first found of the two
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_PENALTY_TAKER), 5);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_FREE_KICK_TAKER), 5);
  const int16_t ratings[4] = {0, 20, 100, 50};  // set-pieces 3, 2, 1 and teamwork out of 100
  for (int k = 0; k < 4; ++k) EXPECT_EQ(LoadI16(team + SETUP_TEAM_RATINGS + 2 * k), ratings[k]) << k;
  EXPECT_EQ(team[SETUP_TEAM_HUMAN], 0);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_FIRST_LEG_GOALS), 2);
  EXPECT_EQ(Seam_CountCalls("PickTeamCaptain"), 1);
  EXPECT_EQ(HumanChoices.cornerTaker, -1);  // a computer club's picks are nobody's choice

  // No captain, or one who does not play: shirt 1.
  ClubSim.findClubCaptain = [](int16_t) -> int16_t { return -1; };
  BuildMatchSetupTeam(0, 0);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CAPTAIN), 1);
  ClubSim.findClubCaptain = [](int16_t) -> int16_t { return 104; };
  BuildMatchSetupTeam(0, 0);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CAPTAIN), 1);

  // The human manager's choices stand while they wear a starting shirt; his
  // taker on the bench is replaced, and the pick becomes his choice.
  Club_SetControl(0, 1);
  HumanChoices = HumanMatchChoices{101, 103, 104, -1};
  BuildMatchSetupTeam(0, 0);
  EXPECT_EQ(team[SETUP_TEAM_HUMAN], 1);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CAPTAIN), 2);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_CORNER_TAKER), 7);
  EXPECT_EQ(LoadI16(team + SETUP_TEAM_FREE_KICK_TAKER), 5);
  EXPECT_EQ(HumanChoices.freeKick, 102);
  EXPECT_EQ(HumanChoices.penaltyTaker, 102);
}

TEST_F(PlayFixTest, ASideTakesItsShirtsInOrderWithTheManagerLast) {
  // Club 0's players 0-17: shirts 1-11 to players 0-10, 12, 14 and 16 to
  // three more (16 is past a bench of three).
  for (int16_t p = 0; p < 18; ++p) Player_SetShirt(p, 0);
  for (int16_t p = 0; p <= 10; ++p) Player_SetShirt(p, p + 1);
  Player_SetShirt(14, 12);
  Player_SetShirt(15, 14);
  Player_SetShirt(16, 16);
  BuildClubSquadList(0);
  // A listed player of another club never plays for this one.
  Player_SetShirt(30, 13);
  SquadList[SquadListLength++] = 30;

  FillMatchSide(0, 0, 3, COMP_LEAGUE, false);
  const int16_t expected[SHIRT_MAP_ENTRIES] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, -1, -1, -1, 1};
  for (int e = 0; e < SHIRT_MAP_ENTRIES; ++e) {
    EXPECT_EQ(ShirtMap[0][e], expected[e]) << e;
    EXPECT_EQ(Value(0, e, SETUP_PLAYER_NUMBER), expected[e]) << e;
  }
  EXPECT_EQ(Value(0, 11, SETUP_PLAYER_SHIRT), 12);
  EXPECT_EQ(Value(0, 12, SETUP_PLAYER_SHIRT), 14);
  EXPECT_EQ(CurrentManager, 1);
  // With five substitutes shirt 16 comes on too.
  ClearMatchSetupRecord();
  FillMatchSide(0, 0, 5, COMP_LEAGUE, false);
  EXPECT_EQ(ShirtMap[0][12], 15);
  EXPECT_EQ(ShirtMap[0][13], 16);
  EXPECT_EQ(ShirtMap[0][14], -1);
}

TEST_F(PlayFixTest, AHumanClubHearsOfADerby) {
  Club_SetControl(0, 1);
  Club_SetXcoord(1, 1);  // clubs 0 and 1: one apart
  const int16_t f = Fixture_Add(DayOfSeason, COMP_LEAGUE, 0, 1, 0);
  PrepareFixture(f);
  std::vector<std::string> shown = MessagesShown();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_TRUE(IsNewsOfKind(shown[0], 11)) << shown[0];
  // Two apart, a friendly, or another country: no derby.
  const struct {
    int x, code, country;
  } none[] = {{2, COMP_LEAGUE, 0}, {1, COMP_FRIENDLY, 0}, {1, COMP_LEAGUE, 2}};
  for (const auto& n : none) {
    Fixtures_Reset();
    MenuPrims_ClearCalls();
    Club_SetXcoord(1, n.x);
    GameCountry = static_cast<int8_t>(n.country);
    PrepareFixture(Fixture_Add(DayOfSeason, n.code, 0, 1, 0));
    EXPECT_TRUE(MessagesShown().empty()) << n.x << " " << n.code << " " << n.country;
  }
}

// ---------------------------------------------------------------- formations

int16_t SlotField(int side, int slot, int field) {
  return LoadI16(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FORMATION +
                 slot * TACTICS_SLOT_SIZE + field);
}
uint8_t SlotByte(int side, int slot, int field) {
  return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FORMATION + slot * TACTICS_SLOT_SIZE + field];
}

TEST_F(PlayFixTest, AComputerSideShapesItsStockFormation) {
  for (int e = 0; e <= 10; ++e) PutEntry(0, e, static_cast<int16_t>(200 + e), e + 1, 5, 10);
  // Slot 6 (2, 10): a quick wide man with flair; slot 10 (12, 10) less so;
  // slot 4 (6, 5) a playmaker at the back.
  PutEntry(0, 6, 206, 7, 5, 10,
           {{SETUP_PLAYER_PACE, 95}, {SETUP_PLAYER_ABILITY5, 60}, {SETUP_PLAYER_ABILITY3, 60},
            {SETUP_PLAYER_PERSONALITY19, 60}});
  PutEntry(0, 10, 210, 11, 5, 10, {{SETUP_PLAYER_PACE, 75}});
  PutEntry(0, 4, 204, 5, 2, 10, {{SETUP_PLAYER_ABILITY3, 60}, {SETUP_PLAYER_PERSONALITY19, 40}});

  // In the background, a cautious manager (physical 14 / 2 below 50).
  BuildSideFormation(0, 0, 60, 40, 40, 1, 0);
  EXPECT_EQ(SlotField(0, 0, TACTICS_SLOT_X), 0);
  EXPECT_EQ(SlotField(0, 1, TACTICS_SLOT_Y), 3);  // (11, 6): the back line drops deeper
  EXPECT_EQ(SlotField(0, 4, TACTICS_SLOT_Y), 2);
  EXPECT_EQ(SlotField(0, 3, TACTICS_SLOT_Y), 8);
  for (int slot : {1, 2, 4, 5}) EXPECT_EQ(SlotByte(0, slot, TACTICS_SLOT_HOLD), 1) << slot;
  EXPECT_EQ(SlotByte(0, 3, TACTICS_SLOT_HOLD), 0);
  EXPECT_EQ(SlotByte(0, 8, TACTICS_SLOT_FORWARD_RUN), 2);  // (6, 13), with slot 9 further up
  EXPECT_EQ(SlotByte(0, 9, TACTICS_SLOT_FORWARD_RUN), 1);
  EXPECT_EQ(SlotByte(0, 6, TACTICS_SLOT_WING), 2);
  EXPECT_EQ(SlotByte(0, 10, TACTICS_SLOT_WING), 2);
  // The quick wide man: a column out, four rows up, and a partner in slot 9.
  EXPECT_EQ(SlotField(0, 6, TACTICS_SLOT_ATTACK_X), 1);
  EXPECT_EQ(SlotField(0, 6, TACTICS_SLOT_ATTACK_Y), 14);
  EXPECT_EQ(SlotByte(0, 6, TACTICS_SLOT_PARTNER), 9);
  EXPECT_EQ(SlotField(0, 10, TACTICS_SLOT_ATTACK_X), 12);
  EXPECT_EQ(SlotField(0, 10, TACTICS_SLOT_ATTACK_Y), 12);
  EXPECT_EQ(SlotByte(0, 10, TACTICS_SLOT_PARTNER), 31);
  // The holding playmaker without flair passes to the target man.
  EXPECT_EQ(SlotByte(0, 4, TACTICS_SLOT_PARTNER), 9);
  EXPECT_EQ(SlotField(0, 4, TACTICS_SLOT_TARGETS + 4), -1);

  // A bold manager and a roaming forward: nobody holds, the playmaker aims
  // at the widest man ahead of him on his side (slot 6), the wingers stay wide.
  PutEntry(0, 9, 209, 10, 11, 10, {{SETUP_PLAYER_PERSONALITY19, 60}});
  BuildSideFormation(0, 0, 40, 60, 60, 1, 0);
  EXPECT_EQ(SlotByte(0, 4, TACTICS_SLOT_HOLD), 0);
  EXPECT_EQ(SlotByte(0, 8, TACTICS_SLOT_FORWARD_RUN), 1);
  EXPECT_EQ(SlotField(0, 9, TACTICS_SLOT_ATTACK_X), 7);
  EXPECT_EQ(SlotField(0, 9, TACTICS_SLOT_ATTACK_Y), 17);
  EXPECT_EQ(SlotByte(0, 6, TACTICS_SLOT_WING), 1);
  EXPECT_EQ(SlotField(0, 4, TACTICS_SLOT_TARGETS + 4), 1);
  EXPECT_EQ(SlotField(0, 4, TACTICS_SLOT_TARGETS + 6), 14);

  // Watched: the back line keeps its rows; shape 1 sends a quick slot 7 through.
  PutEntry(0, 7, 207, 8, 7, 10, {{SETUP_PLAYER_PACE, 85}});
  BuildSideFormation(0, 1, 40, 40, 60, 1, -1);
  EXPECT_EQ(SlotField(0, 1, TACTICS_SLOT_Y), 7);
  EXPECT_EQ(SlotField(0, 7, TACTICS_SLOT_ATTACK_X), 8);
  EXPECT_EQ(SlotField(0, 7, TACTICS_SLOT_ATTACK_Y), 16);
  // A tactic type past the stock ones plays the first.
  BuildSideFormation(0, 9, 40, 40, 60, 1, -1);
  EXPECT_EQ(SlotField(0, 10, TACTICS_SLOT_X), 12);
  EXPECT_EQ(SlotField(0, 10, TACTICS_SLOT_Y), 10);
}

// ---------------------------------------------------------------- the match

class PlayFixtureTest : public PlayFixTest {
 protected:
  int16_t Prepare(int home, int away) {
    const int16_t f = Fixture_Add(DayOfSeason, COMP_LEAGUE, home, away, 0);
    PrepareFixture(f);
    Seam_ClearCalls();
    return f;
  }
  std::vector<std::string> CallNames() {
    std::vector<std::string> names;
    for (const SeamCall& call : Seam_Calls()) names.push_back(call.name);
    return names;
  }
};

TEST_F(PlayFixtureTest, AComputerMatchIsPlayedInTheBackground) {
  Prepare(20, 21);
  PlayFixture(20, 21, 0);
  EXPECT_EQ(SimSheets.backgroundMatches, 1);
  EXPECT_EQ(BackgroundMatchFlag, 1);
  EXPECT_EQ(LastMatchWatched, 0);
  EXPECT_EQ(Seam_CountCalls("PlayMatchGetResult"), 0);
  EXPECT_EQ(Seam_CountCalls("FillPlayerMatchRecords"), 0);
  // Both sides in their background shapes, the club names written.
  for (int side = 0; side < 2; ++side) EXPECT_EQ(SlotField(side, 1, TACTICS_SLOT_Y), 3) << side;
  const uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1];
  EXPECT_STREQ(reinterpret_cast<const char*>(team + SETUP_TEAM_NAME), GNW_GetClubName(GNW_GetClubDbId(21)));
}

TEST_F(PlayFixtureTest, AHumanClubsMatchGoesToTheMatchEngine) {
  Club_SetControl(21, 1);
  Prepare(20, 21);
  MatchViewMode = 2;
  MatchEngine.playMatchGetResult = []() -> uint8_t* {
    uint8_t* result = GetMatchResultRecord();
    StoreI16(result + TEAM_MATCH_RECORD_OFFSET[0] + 4, 6);   // shots on target
    StoreI16(result + TEAM_MATCH_RECORD_OFFSET[0] + 14, 300);  // possession
    StoreI16(result + TEAM_MATCH_RECORD_OFFSET[1] + 14, 100);
    StoreI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_MAN_OF_MATCH, 400);
    EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE), 2);
    return result;
  };
  PlayFixture(20, 21, 0);
  const std::vector<std::string> expected = {"GetTeamDesign", "GetTeamDesign", "Football_SetupTeamFormation",
                                             "Football_SetupTeamFormation", "GetClubManager",
                                             "GetPlayerTacticType", "Football_SetupTeamFormation",
                                             "UninitMenuSystem", "InitMenuSystem", "FillPlayerMatchRecords"};
  EXPECT_EQ(CallNames(), expected);
  EXPECT_EQ(Seam_Calls().back().args, std::vector<int32_t>{1});  // the away side is the human one
  EXPECT_EQ(LastMatchWatched, 1);
  EXPECT_EQ(BackgroundMatchFlag, 0);
  EXPECT_EQ(SimSheets.backgroundMatches, 0);
  EXPECT_EQ(MatchReportSummary.figures[0][0], 6);
  EXPECT_EQ(MatchReportSummary.share[0], 75);
  EXPECT_EQ(MatchReportSummary.share[1], 25);
  EXPECT_EQ(MatchReportSummary.manOfMatch[1], 400);
  EXPECT_EQ(SlotField(0, 1, TACTICS_SLOT_Y), 6);  // the computer side in its watched shape
}

TEST_F(PlayFixtureTest, ASoakRunPlaysTheHumanClubsMatchAsTheComputers) {
  Club_SetControl(20, 1);
  Prepare(20, 21);
  MatchViewMode = 2;
  SoakRunActive = 1;
  MatchEngine.playMatchGetResult = []() -> uint8_t* {
    EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE), MATCH_VIEW_DEFAULT);
    for (int side = 0; side < 2; ++side) EXPECT_EQ(GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN], 0);
    return GetMatchResultRecord();
  };
  PlayFixture(20, 21, 0);
  EXPECT_EQ(Seam_CountCalls("Football_SetupTeamFormation"), 2);
  EXPECT_EQ(Seam_CountCalls("GetPlayerTacticType"), 2);
  EXPECT_EQ(Seam_Calls().back().args, std::vector<int32_t>{1});
}

TEST_F(PlayFixtureTest, UntilTheMatchEngineExistsTheHumanClubsMatchIsSimulated) {
  Club_SetControl(20, 1);
  Prepare(20, 21);
  PlayFixture(20, 21, 0);
  EXPECT_EQ(Seam_CountCalls("PlayMatchGetResult"), 1);
  EXPECT_EQ(SimSheets.backgroundMatches, 1);
  EXPECT_EQ(LastMatchWatched, 1);
  // Both sides played in their background shapes.
  for (int side = 0; side < 2; ++side) EXPECT_EQ(SlotField(side, 1, TACTICS_SLOT_Y), 3) << side;
  EXPECT_EQ(LoadI16(GetMatchResultRecord() + TEAM_GOALS), SimSheets.sides[0].goals);
  EXPECT_NE(SimSheets.flags & SIMF_HUMAN_PLAYS, 0u);
}

struct TacticCase {
  int16_t tacticType;  // what the computer side's manager picks
  int16_t family;      // the stock tactic's family it gives (tactic / 5)
};

TEST_F(PlayFixtureTest, WithTheMatchEngineEachSideGetsItsTactic) {
  Seam_ConnectMatchEngine();
  EXPECT_EQ(MatchEngine.playMatchGetResult, &PlayFixtureMatch);
  EXPECT_EQ(MatchEngine.footballSetupTeamFormation, &Football_SetupTeamFormation);
  Club_SetControl(20, 1);
  SetTacticsDesignerSelection(0, 44);
  SetTacticsDesignerSelection(1, 2);
  static int16_t type = 0;
  ClubSim.getPlayerTacticType = [](int16_t) { return type; };
  for (const TacticCase c : {TacticCase{3, 3}, TacticCase{0, 0}, TacticCase{5, 5}, TacticCase{9, 5},
                             TacticCase{-2, 0}}) {
    SCOPED_TRACE(c.tacticType);
    type = c.tacticType;
    Prepare(20, 21);
    const uint8_t* human = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0];
    const uint8_t* computer = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1];
    EXPECT_EQ(LoadI16(human + SETUP_TEAM_TACTIC), 44);
    EXPECT_EQ(LoadI16(human + SETUP_TEAM_TACTIC_VALUE), 2);
    const int16_t tactic = LoadI16(computer + SETUP_TEAM_TACTIC);
    EXPECT_EQ(tactic / 5, c.family);
    EXPECT_EQ(tactic, ComputerSideTactic(Value(1, 16, SETUP_PLAYER_NUMBER)));
    EXPECT_EQ(LoadI16(computer + SETUP_TEAM_TACTIC_VALUE), 0);
  }
  EXPECT_EQ(ComputerSideTactic(-1), 0);  // no manager
}

}  // namespace
