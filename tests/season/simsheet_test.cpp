#include "season/simsheet.h"

#include <random>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "season/sim_squads.h"
#include "support/engine_fixture.h"

namespace {

using namespace simtest;

class SimSheetTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::mt19937 rng(4);
    home_ = MakeSquad(60, 100, rng);
    away_ = MakeSquad(50, 200, rng);
    WriteMatchSetup(home_, away_, rng);
  }
  uint8_t* Player(int side, int entry) { return GetMatchSetupRecord() + SetupPlayerOffset(side, entry); }
  int16_t Value(int side, int entry, int field) { return LoadI16(Player(side, entry) + field); }
  void Set(int side, int entry, int field, int value) { StoreI16(Player(side, entry) + field, value); }
  const SimPlayerEntry& At(int side, int entry) { return SimSheets.sheets[side].entries[entry]; }

  Squad home_, away_;
};

TEST_F(SimSheetTest, TheSheetCopiesTheSetUpIntoBytes) {
  Set(0, 3, SETUP_PLAYER_PERSONALITY16, 97);  // capped at 90
  Set(0, 3, SETUP_PLAYER_PHYSICAL11, 95);     // capped at 90
  Set(0, 3, SETUP_PLAYER_EXPERIENCE, 63);     // x 10 / 6
  Set(0, 3, SETUP_PLAYER_PHYSICAL12, 81);     // / 2 + 45
  Set(0, 3, SETUP_PLAYER_LEFT_SIDE, 1);
  Set(0, 3, SETUP_PLAYER_RIGHT_SIDE, 1);
  Set(0, 4, SETUP_PLAYER_LEFT_SIDE, 1);
  Set(0, 4, SETUP_PLAYER_RIGHT_SIDE, 0);
  Set(0, 5, SETUP_PLAYER_LEFT_SIDE, 0);
  Set(0, 5, SETUP_PLAYER_RIGHT_SIDE, 1);
  Set(0, 5, SETUP_PLAYER_RECURRING_INJURY, 1);
  Set(1, 15, SETUP_PLAYER_NUMBER, -1);  // an empty place on the away bench
  SetupMatchTeamSheets();
  const SimPlayerEntry& e = At(0, 3);
  EXPECT_EQ(e.player, Value(0, 3, SETUP_PLAYER_NUMBER));
  EXPECT_EQ(e.personality16, 90);
  EXPECT_EQ(e.physical11, 90);
  EXPECT_EQ(e.experience, 105);
  EXPECT_EQ(e.physical12, 85);
  EXPECT_EQ(e.ability4, Value(0, 3, SETUP_PLAYER_ABILITY4));
  EXPECT_EQ(e.personality15, Value(0, 3, SETUP_PLAYER_PERSONALITY15));
  EXPECT_EQ(e.shirt, 4);
  EXPECT_EQ(e.swing, 50);
  EXPECT_EQ(e.mark, 45);
  EXPECT_STREQ(e.surname, reinterpret_cast<const char*>(Player(0, 3)));
  EXPECT_EQ(e.flags >> SIM_FLAG_FOOT_SHIFT & 3, 0);
  EXPECT_EQ(At(0, 4).flags >> SIM_FLAG_FOOT_SHIFT & 3, 1);
  EXPECT_EQ(At(0, 5).flags >> SIM_FLAG_FOOT_SHIFT & 3, 2);
  EXPECT_TRUE(At(0, 5).flags & SIM_FLAG_RECURRING);
  // Starters are on the pitch in their slots, substitutes on the bench.
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) {
    const bool starter = i < SIM_STARTERS;
    EXPECT_EQ(At(0, i).onPitch, starter ? SIM_ON_PITCH : SIM_ON_BENCH) << i;
    EXPECT_EQ(At(0, i).formationSlot, starter ? i : -1) << i;
    EXPECT_EQ(At(0, i).keeperFlag, i == 0 ? 1 : 0);
    EXPECT_EQ(At(0, i).outfieldFlag, starter && i > 0 ? 1 : 0);
  }
  EXPECT_FALSE(SimEntryPresent(At(1, 15)));
  EXPECT_EQ(At(1, 15).player, -1);
  EXPECT_EQ(At(1, 15).surname, nullptr);
  EXPECT_TRUE(SimEntryPresent(At(1, 14)));
}

TEST_F(SimSheetTest, FormationRowsGiveTheRoles) {
  SetupMatchTeamSheets();
  InitSimFormations();
  // The stock formation: full backs and centre backs at the back, two wide
  // midfielders, a striker pair; the keeper in goal.
  const int expected[SIM_FORMATION_SLOTS] = {6, 1, 1, 2, 0, 0, 3, 2, 4, 5, 3};
  for (int slot = 0; slot < SIM_FORMATION_SLOTS; ++slot) {
    EXPECT_EQ(SimSheets.formations[0][slot].role, expected[slot]) << slot;
    EXPECT_EQ(At(0, slot).role, expected[slot]) << slot;
  }
  EXPECT_EQ(SimSheets.formations[0][0].x, 25);
  EXPECT_EQ(SimSheets.formations[0][1].x, GridToPitchX(11));
  EXPECT_EQ(SimSheets.formations[0][1].y, GridToPitchY(3));
  EXPECT_EQ(SimSheets.sides[0].defenders, 4);
  EXPECT_EQ(SimSheets.sides[0].midfielders, 4);
  EXPECT_EQ(SimSheets.sides[0].attackers, 2);
  EXPECT_EQ(At(0, 12).role, SIM_NO_ROLE);
  // Rows outside the grid are taken to its edge; a band past 5 gives row % 3.
  EXPECT_EQ(RoleFromRow(17), 5);
  EXPECT_EQ(RoleFromRow(19), 1);
  EXPECT_EQ(RoleFromRow(-5), 0);
  StoreI16(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_FORMATION + 2 * TACTICS_SLOT_SIZE +
               TACTICS_SLOT_Y, 400);
  InitSimFormations();
  EXPECT_EQ(SimSheets.formations[1][2].role, 5);
}

TEST_F(SimSheetTest, TakersComeFromTheirShirtsOrAreChosenAfresh) {
  uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0];
  StoreI16(team + SETUP_TEAM_CAPTAIN, 7);           // shirt 7 is entry 6
  StoreI16(team + SETUP_TEAM_FREE_KICK_TAKER, 9);   // entry 8
  StoreI16(team + SETUP_TEAM_PENALTY_TAKER, 1);           // the keeper's shirt: chosen afresh
  StoreI16(team + SETUP_TEAM_CORNER_TAKER, 14);          // a substitute's shirt: chosen afresh
  for (int e = 1; e < SIM_STARTERS; ++e) {
    Set(0, e, SETUP_PLAYER_ABILITY7, 40 + e);
    Set(0, e, SETUP_PLAYER_ABILITY3, 40);
  }
  Set(0, 0, SETUP_PLAYER_ABILITY7, 99);  // the keeper never takes them
  Set(0, 5, SETUP_PLAYER_ABILITY7, 90);
  SetupMatchTeamSheets();
  InitSimFormations();
  BuildSimTeamRecords(3, 4);
  const SimSideRecord& s = SimSheets.sides[0];
  EXPECT_EQ(s.club, 3);
  EXPECT_EQ(SimSheets.sides[1].club, 4);
  EXPECT_EQ(s.keeper, 0);
  EXPECT_EQ(s.captain, 6);
  EXPECT_EQ(s.takers[SIM_TAKER_FIRST], 8);
  EXPECT_EQ(s.takers[SIM_TAKER_SECOND], 5);  // best ability 7
  EXPECT_EQ(s.takers[SIM_TAKER_THIRD], 5);   // best (ability 3 + ability 7) / 2
  EXPECT_EQ(s.takers[SIM_TAKER_FOURTH], 5);
  EXPECT_EQ(s.onPitchCount, SIM_STARTERS);
  // A taker who leaves is replaced by the next best on the pitch.
  TakeSimPlayerOff(0, 5, 30);
  ReplaceSimTakers(0);
  EXPECT_EQ(s.takers[SIM_TAKER_SECOND], 10);
  EXPECT_EQ(s.takers[SIM_TAKER_FOURTH], 10);
}

TEST_F(SimSheetTest, TheBestSubstituteForTheLineComesOn) {
  SetupMatchTeamSheets();
  InitSimFormations();
  BuildSimTeamRecords(3, 4);
  // Bench: 11 keeper, 12 defender, 13 and 14 midfielders, 15 forward.
  Set(0, 13, SETUP_PLAYER_ABILITY3, 10);
  EXPECT_EQ(ChooseSimSubstitute(0, 0), 11);   // the keeper by a keeper
  EXPECT_EQ(ChooseSimSubstitute(0, 4), 12);   // a centre back by the defender
  EXPECT_EQ(ChooseSimSubstitute(0, 8), 15);   // a striker by the forward
  TakeSimPlayerOff(0, 0, 40);
  EXPECT_EQ(MakeSimSubstitution(0, 0, 11, 40), 11);
  const SimPlayerEntry& in = At(0, 11);
  EXPECT_EQ(in.onPitch, SIM_ON_PITCH);
  EXPECT_EQ(in.formationSlot, 0);
  EXPECT_EQ(in.role, SIM_KEEPER_ROLE);
  EXPECT_EQ(in.minuteOn, 40);
  EXPECT_TRUE(in.flags & SIM_FLAG_CAME_ON);
  EXPECT_EQ(SimSheets.sides[0].keeper, 11);
  EXPECT_EQ(SimSheets.sides[0].substitutions, 1);
  EXPECT_EQ(At(0, 0).onPitch, SIM_TAKEN_OFF);
  EXPECT_EQ(At(0, 0).minuteOff, 40);
  EXPECT_EQ(At(0, 0).formationSlot, -1);
  EXPECT_EQ(At(0, 0).role, SIM_KEEPER_ROLE);  // he keeps his role
  // Without a keeper on the bench an outfield player goes in goal.
  EXPECT_EQ(ChooseNewSimKeeper(1), 4);  // the first centre back (role 0)
  EXPECT_EQ(At(1, 4).role, SIM_KEEPER_ROLE);
  EXPECT_EQ(SimSheets.sides[1].keeper, 4);
}

TEST_F(SimSheetTest, BookingsAddUpAndAStraightRedSendsOff) {
  SetupMatchTeamSheets();
  BookSimPlayer(0, 2, SIM_BOOKING, 12);
  EXPECT_EQ(At(0, 2).cardState, SIM_CARD_BOOKED);
  EXPECT_EQ(At(0, 2).cardMinute, 12);
  BookSimPlayer(0, 2, SIM_BOOKING, 70);
  EXPECT_EQ(At(0, 2).cardState, SIM_CARD_TWICE);
  EXPECT_EQ(At(0, 2).cardMinute, 12);
  BookSimPlayer(0, 3, SIM_STRAIGHT_RED, 5);
  EXPECT_EQ(At(0, 3).cardState, SIM_CARD_SENT_OFF);
  BookSimPlayer(0, -1, SIM_BOOKING, 5);  // no such entry: nothing
  BookSimPlayer(0, 16, SIM_BOOKING, 5);
}

TEST_F(SimSheetTest, FormStaysWithin0To100) {
  SetupMatchTeamSheets();
  BuildSimTeamRecords(3, 4);
  const int before = At(0, 2).personality18;
  ChangeSimForm(0, 2, 200);
  EXPECT_EQ(At(0, 2).personality18, before);  // would leave 0-100: unchanged
  ChangeSimForm(0, 2, 3);
  EXPECT_EQ(At(0, 2).personality18, before + 3);
  ChangeSideForm(0, 30);  // 5 x 30 for a captain who is not the keeper
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) EXPECT_EQ(At(0, i).personality18, 100);
  ChangeSideForm(0, -30);
  for (int i = 0; i < SIM_SHEET_ENTRIES; ++i) EXPECT_EQ(At(0, i).personality18, 0);
}

TEST_F(SimSheetTest, SmallHelpers) {
  EXPECT_EQ(GridToPitchX(14), 46);
  EXPECT_EQ(GridToPitchY(17), 55);
  EXPECT_EQ(MarkToGrade(60), 6);
  EXPECT_EQ(MarkToGrade(61), -1);
  EXPECT_EQ(MarkToGradeB(50), 5);
  EXPECT_EQ(MarkToGradeB(51), -1);
  EXPECT_EQ(MarkToGrade(-1), -1);
  SetupMatchTeamSheets();
  EXPECT_EQ(FindSheetEntryByShirt(0, 9), 8);
  EXPECT_EQ(FindSheetEntryByShirt(0, 17), -1);
  SwapSimPlayers(0, 1, 2);
  EXPECT_EQ(FindSheetEntryByOrder(0, 1), 2);
  EXPECT_EQ(At(0, 1).formationSlot, 2);
  EXPECT_FALSE(SimAwayGoalsRuleWaived(13));
}

// ---- NormaliseMatchSkill ----

TEST_F(SimSheetTest, ASkillIsScaledSoTheBestHas95) {
  for (int side = 0; side < 2; ++side)
    for (int e = 0; e < SETUP_TEAM_PLAYER_COUNT; ++e) Set(side, e, SETUP_PLAYER_ABILITY3, 20 + e);
  Set(1, 4, SETUP_PLAYER_ABILITY3, 50);
  Set(1, 5, SETUP_PLAYER_NUMBER, -1);   // not present: neither counted nor scaled
  Set(1, 5, SETUP_PLAYER_ABILITY3, 90);
  NormaliseMatchSkill(3);
  // 9500 / 50 = 190: each value x 190 / 100.
  EXPECT_EQ(Value(1, 4, SETUP_PLAYER_ABILITY3), 95);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_ABILITY3), 38);
  EXPECT_EQ(Value(0, 15, SETUP_PLAYER_ABILITY3), 66);
  EXPECT_EQ(Value(1, 5, SETUP_PLAYER_ABILITY3), 90);
  // A best of 95 or more changes nothing.
  NormaliseMatchSkill(3);
  EXPECT_EQ(Value(0, 15, SETUP_PLAYER_ABILITY3), 66);
  Set(0, 2, SETUP_PLAYER_ABILITY6, 99);
  const int before = Value(0, 3, SETUP_PLAYER_ABILITY6);
  NormaliseMatchSkill(6);
  EXPECT_EQ(Value(0, 3, SETUP_PLAYER_ABILITY6), before);
  // Skills 5 and 7 are never scaled.
  const int five = Value(0, 3, SETUP_PLAYER_ABILITY5);
  NormaliseMatchSkill(5);
  EXPECT_EQ(Value(0, 3, SETUP_PLAYER_ABILITY5), five);
}

TEST_F(SimSheetTest, Ability0IsScaledAmongKeepersOnly) {
  for (int side = 0; side < 2; ++side)
    for (int e = 0; e < SETUP_TEAM_PLAYER_COUNT; ++e) Set(side, e, SETUP_PLAYER_ABILITY0, 10);
  Set(0, 0, SETUP_PLAYER_ABILITY0, 60);  // keepers: entries 0 and 11 of each side
  Set(1, 0, SETUP_PLAYER_ABILITY0, 40);
  Set(0, 5, SETUP_PLAYER_ABILITY0, 80);  // an outfield player's value neither counts nor moves
  NormaliseMatchSkill(0);
  EXPECT_EQ(Value(0, 0, SETUP_PLAYER_ABILITY0), 60 * (9500 / 60) / 100);
  EXPECT_EQ(Value(1, 0, SETUP_PLAYER_ABILITY0), 40 * (9500 / 60) / 100);
  EXPECT_EQ(Value(0, 11, SETUP_PLAYER_ABILITY0), 10 * (9500 / 60) / 100);
  EXPECT_EQ(Value(0, 5, SETUP_PLAYER_ABILITY0), 80);
  EXPECT_EQ(Value(0, 6, SETUP_PLAYER_ABILITY0), 10);
}

TEST_F(SimSheetTest, NobodyPresentMeansNothingToScale) {
  for (int side = 0; side < 2; ++side)
    for (int e = 0; e < SETUP_TEAM_PLAYER_COUNT; ++e) Set(side, e, SETUP_PLAYER_NUMBER, -1);
  Set(0, 3, SETUP_PLAYER_ABILITY2, 30);
  NormaliseMatchSkill(2);
  EXPECT_EQ(Value(0, 3, SETUP_PLAYER_ABILITY2), 30);
}

}  // namespace
