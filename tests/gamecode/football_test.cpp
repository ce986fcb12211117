#include "gamecode/football.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "menus/gfx_gen.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

class FootballTest : public EngineTest {
 protected:
  // The eleven starters of both sides in play, squad order = object order.
  void SetUp() override {
    EngineTest::SetUp();
    for (int side = 0; side < 2; ++side)
      for (int i = 0; i < SIDE_OBJECTS; ++i) {
        SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
        MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
        o.rating = i < 11 ? 50 : 0;
        o.onBench = i < 11 ? 0 : 1;
        o.offPitch = i < 11 ? 0 : 1;
      }
  }
  static int16_t Stat(const uint8_t* record, int16_t statistic) {
    int32_t v = 12345;
    EXPECT_EQ(Football_GetPlayerMatchRecordText2(statistic, record, &v), statistic);
    return static_cast<int16_t>(v);
  }
};

// ---- the team-sheet value to attribute byte mapping ----

TEST(SheetSkills, EveryTeamSheetValueHasItsAttributeByteAndBack) {
  struct Row {
    int value;
    int sheetOffset;
    Skill skill;
  };
  const Row rows[] = {
      {0, SETUP_PLAYER_PACE, SKILL_PACE},
      {1, SETUP_PLAYER_PHYSICAL11, SKILL_STAMINA},
      {2, SETUP_PLAYER_PHYSICAL10, SKILL_POWER},
      {3, SETUP_PLAYER_PHYSICAL9, SKILL_AGILITY},
      {4, SETUP_PLAYER_PHYSICAL12, SKILL_RESILIENCE},
      {5, SETUP_PLAYER_PHYSICAL13, SKILL_VISION},
      {6, SETUP_PLAYER_PHYSICAL14, SKILL_COMPOSURE},
      {7, SETUP_PLAYER_ABILITY0, SKILL_KEEPING},
      {8, SETUP_PLAYER_ABILITY1, SKILL_HEADING},
      {9, SETUP_PLAYER_ABILITY2, SKILL_TACKLING},
      {10, SETUP_PLAYER_ABILITY3, SKILL_PASSING},
      {11, SETUP_PLAYER_ABILITY4, SKILL_SHOOTING},
      {12, SETUP_PLAYER_ABILITY5, SKILL_DRIBBLING},
      {13, SETUP_PLAYER_ABILITY7, SKILL_DEADBALL},
      {14, SETUP_PLAYER_ABILITY6, SKILL_CONTROL},
      {15, SETUP_PLAYER_PERSONALITY15, SKILL_AGGRESSION},
      {16, SETUP_PLAYER_PERSONALITY16, SKILL_BARGAINING},
      {17, SETUP_PLAYER_PERSONALITY17, SKILL_RAPPORT},
      {18, SETUP_PLAYER_PERSONALITY18, SKILL_TEMPERAMENT},
      {19, SETUP_PLAYER_PERSONALITY19, SKILL_INTELLIGENCE},
      {20, SETUP_PLAYER_PERSONALITY20, SKILL_LEADERSHIP},
      {21, SETUP_PLAYER_PERSONALITY21, SKILL_PERSONALITY},
      {22, SETUP_PLAYER_EXPERIENCE, SKILL_COUNT},
      {23, SETUP_PLAYER_POSITION, SKILL_POSITION},
      {24, SETUP_PLAYER_SHIRT, SKILL_SHIRT},
      {25, SETUP_PLAYER_LEFT_SIDE, SKILL_LEFT_SIDE},
      {26, SETUP_PLAYER_RIGHT_SIDE, SKILL_RIGHT_SIDE},
      {27, SETUP_PLAYER_RECURRING_INJURY, SKILL_RECURRING_INJURY},
  };
  static_assert(sizeof rows / sizeof rows[0] == SHEET_VALUES);
  for (const Row& r : rows) {
    EXPECT_EQ(SHEET_VALUE_FIRST + 2 * r.value, r.sheetOffset) << r.value;
    EXPECT_EQ(SkillOfSheetValue(r.value), r.skill) << r.value;
    if (r.skill != SKILL_COUNT) {
      EXPECT_EQ(SheetValueOfSkill(r.skill), r.value) << r.value;
    }
  }
  // Every attribute byte is reached by exactly one value.
  for (int s = 0; s < SKILL_COUNT; ++s) {
    const int k = SheetValueOfSkill(static_cast<Skill>(s));
    ASSERT_GE(k, 0) << s;
    EXPECT_EQ(SkillOfSheetValue(k), s);
  }
  EXPECT_EQ(SkillOfSheetValue(-1), SKILL_COUNT);
  EXPECT_EQ(SkillOfSheetValue(28), SKILL_COUNT);
  MatchObject o{};
  SheetSkill(o, 25) = 1;
  EXPECT_EQ(o.attr[SKILL_LEFT_SIDE], 1);
}

TEST_F(FootballTest, PositionLines) {
  const int16_t expected[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 2};
  for (int16_t p = 0; p < 14; ++p) EXPECT_EQ(Football_GetPositionLine(p), expected[p]) << p;
  EXPECT_EQ(Football_GetPositionLine(-1), -1);
  EXPECT_EQ(Football_GetPositionLine(14), -1);
}

// ---- ratings ----

TEST_F(FootballTest, RatingIsLimitedAndSquadMembersWhoDidNotPlayGetTheirMarks) {
  struct Row {
    int16_t goals, keyPasses, conceded;
    int16_t expected;
  };
  // 65 + 8 x goals + key passes - 9 x goals conceded.
  const Row rows[] = {
      {4, 0, 0, 97},  // 97 stays
      {4, 1, 0, 97},  // 98
      {4, 3, 0, 97},  // 100
      {4, 4, 0, 98},  // 101
      {6, 7, 0, 98},  // 120
      {7, 0, 0, 99},  // 121
      {0, 0, 6, 11},
      {0, 0, 7, 10},  // 2: nobody gets less than 10
      {0, 0, 0, 65},
  };
  for (const Row& r : rows) {
    MatchObject& o = MatchObjects[3];
    o.goals = r.goals, o.keyPasses = r.keyPasses, o.goalsConceded = r.conceded;
    EXPECT_EQ(Football_CalcPlayerRating(0, 3), r.expected) << r.goals << " " << r.keyPasses << " " << r.conceded;
  }
  MatchObjects[12].rating = 0;
  EXPECT_EQ(Football_CalcPlayerRating(1, 12), 0);
  MatchObjects[13].rating = -1;
  EXPECT_EQ(Football_CalcPlayerRating(1, 13), -1);
}

TEST_F(FootballTest, WinBonusAfterTheMatchOnlyAndTheBackgroundBase) {
  Score[0] = 2, Score[1] = 1;
  EXPECT_EQ(Football_CalcPlayerRating(0, 2), 65);
  EXPECT_EQ(Football_CalcPlayerRating(1, 2), 70);
  EXPECT_EQ(Football_CalcPlayerRating(1, 18), 65);
  Score[1] = 2;
  EXPECT_EQ(Football_CalcPlayerRating(1, 2), 65);
  SimulationFlag = 1;
  MatchObjects[2].cornersScored = 1;
  EXPECT_EQ(Football_CalcPlayerRating(0, 2), 45 + 8);
}

// ---- the player's match record ----

TEST_F(FootballTest, ActivityFiguresScaleToTheBusiestPlayer) {
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  Football_FillPlayerMatchRecord(record, 0, 1);
  EXPECT_EQ(Stat(record, 2), 0);
  EXPECT_EQ(Stat(record, 3), 0);
  EXPECT_EQ(Stat(record, 4), 0);
  MatchObjects[20].activity1 = 4000000;  // large enough to overflow value x 95 in 32 bits
  MatchObjects[1].activity1 = 1000000;
  MatchObjects[1].activity2 = 10;
  MatchObjects[5].activity2 = 30;
  MatchObjects[1].involvement = 7;
  Football_FillPlayerMatchRecord(record, 0, 1);
  EXPECT_EQ(Stat(record, 2), 23);  // 1,000,000 x 95 / 4,000,000
  EXPECT_EQ(Stat(record, 3), 31);  // 10 x 95 / 30
  EXPECT_EQ(Stat(record, 4), 95);  // he is the most involved
  Football_FillPlayerMatchRecord(record, 1, 4);
  EXPECT_EQ(Stat(record, 2), 95);
}

TEST_F(FootballTest, RecordFieldsComeFromTheCounters) {
  MatchObject& o = MatchObjects[16 + 7];
  o.playerNumber = 1234;
  o.fatigue = 20;
  o.assists = 2;
  o.keyRuns = 3;
  o.keptPossession = 0x104;
  o.shots = 5, o.shotsOnTarget = 3;
  o.passes = 30, o.passesCompleted = 22;
  o.goals = 1;
  o.handballs = 1;
  o.mistakes = 4;
  o.stat55 = 5;
  o.stat56 = -300;
  o.distance1 = 3330;
  o.playedOutfield = 1;
  o.cardState = 1;
  o.injury = 1;
  o.attr[0] = 60, o.attr[1] = 90;
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  std::memset(record, 0xAA, sizeof record);
  Football_FillPlayerMatchRecord(record, 1, 7);
  struct Row {
    int16_t statistic;
    int16_t expected;
  };
  const Row rows[] = {
      {0, 1234},  {1, 20},   {5, 65 + 2 * 3 - 2 + 8 + 4 + 22 - 16 + 3 * 3 - 1 - 3 * 4},
      {7, 2},     {9, 3},    {14, 0x104}, {16, 4},  {20, 4 /* 260, its low byte */}, {21, 65},
      {22, 3},    {23, 2},   {26, 1},     {29, 22}, {30, 8},  {42, 1},  {54, 4},
      {55, 5},    {56, -300}, {57, 100 - 20 - 10}, {58, 10}, {63, 0}, {64, -1}, {67, 1}, {68, 1},
  };
  for (const Row& r : rows) EXPECT_EQ(Stat(record, r.statistic), r.expected) << r.statistic;
  // The places after the match fills stay 0.
  EXPECT_EQ(record[MATCH_RECORD_AFTER_MATCH], 0);
  EXPECT_EQ(record[MATCH_RECORD_TIME_ON_PITCH], 0);

  o.sentOff = 1;
  o.injury = 2;
  Football_FillPlayerMatchRecord(record, 1, 7);
  EXPECT_EQ(Stat(record, 67), 3);
  EXPECT_EQ(Stat(record, 68), 2);
  EXPECT_EQ(Stat(record, 57), 0);
}

TEST_F(FootballTest, ABackgroundMatchLeavesTheRecordAlone) {
  SimulationFlag = 1;
  MatchObjects[0].goals = 3;
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  std::memset(record, 0x5A, sizeof record);
  Football_FillPlayerMatchRecord(record, 0, 0);
  for (uint8_t b : record) EXPECT_EQ(b, 0x5A);
}

TEST_F(FootballTest, StatisticsOutsideTheListAreNotFound) {
  uint8_t record[PLAYER_MATCH_RECORD_SIZE] = {};
  int32_t v = 7;
  testing::internal::CaptureStdout();
  EXPECT_EQ(Football_GetPlayerMatchRecordText2(69, record, &v), -1);
  EXPECT_EQ(Football_GetPlayerMatchRecordText2(-1, record, &v), -1);
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Football_GetPlayerMatchRecordText2() record not found"),
            std::string::npos);
  EXPECT_EQ(v, 7);
  // A byte statistic is signed.
  record[MATCH_RECORD_CONDITION] = 0xF6;
  EXPECT_EQ(Stat(record, 57), -10);
  EXPECT_STREQ(Football_GetStatisticLabel(57), "Condition");
  EXPECT_STREQ(Football_GetStatisticLabel(14), "Kept Possession");
  EXPECT_STREQ(Football_GetStatisticLabel(69), "");
  MatchObjects[4].goals = 2;
  EXPECT_STREQ(Football_GetStatisticText(26, &v, 0, 4), "Goals");
  EXPECT_EQ(v, 2);
}

// ---- duties, squad order, substitutions ----

TEST_F(FootballTest, DutiesHoldTheObjectAndBothFreeKickSettersShareOne) {
  Football_SetFreeKickTaker(1, 9);
  EXPECT_EQ(Football_IsFreeKickTaker(1, 9), 1);
  EXPECT_EQ(Football_IsFreeKickTakerB(1, 9), 1);
  Football_SetFreeKickTakerB(1, 4);
  EXPECT_EQ(Football_IsFreeKickTaker(1, 9), 0);
  EXPECT_EQ(Football_IsFreeKickTaker(1, 4), 1);
  EXPECT_EQ(FreeKickTakerObject[1], 20);
  Football_SetCornerTaker(0, 7);
  Football_SetPenaltyTaker(0, 8);
  Football_SetCaptain(1, 3);
  EXPECT_EQ(CornerTakerObject[0], 7);
  EXPECT_EQ(PenaltyTakerObject[0], 8);
  EXPECT_EQ(CaptainObject[1], 19);
  EXPECT_EQ(Football_IsCornerTaker(0, 7), 1);
  EXPECT_EQ(Football_IsPenaltyTaker(0, 7), 0);
  EXPECT_EQ(Football_IsCaptain(1, 3), 1);
  EXPECT_EQ(Football_IsCaptain(0, 3), 0);
}

TEST_F(FootballTest, BadSideOrPlayerStopsNamingTheCall) {
  EXPECT_FATAL(Football_SetCaptain(2, 0), "Football_SetCaptain: bad side 2");
  EXPECT_FATAL(Football_IsCornerTaker(0, 16), "Football_IsCornerTaker: bad side 0 or player 16");
  EXPECT_FATAL(Football_MakeSubstitution(0, -1, 3), "Football_MakeSubstitution");
  EXPECT_FATAL(Football_GetMatchObject(-1, 0), "Football_GetMatchObject");
  EXPECT_FATAL(Football_GetTeamFormation(3), "Football_GetTeamFormation");
  EXPECT_FATAL(Football_CalcPlayerRating(0, 32), "Football_CalcPlayerRating: bad object 32");
}

TEST_F(FootballTest, SubstitutionPutsTheNewcomerExactlyWhereTheOtherLeftOff) {
  std::vector<std::string> calls;
  static std::vector<std::string>* seen;
  seen = &calls;
  MatchSeams.sayComment = [](int event, int, int side, int first, int second, int) {
    seen->push_back("say " + std::to_string(event) + " " + std::to_string(side) + " " + std::to_string(first) + " " +
                   std::to_string(second));
  };
  MatchSeams.infoBar = [](int type, int first, int second) {
    seen->push_back("info " + std::to_string(type) + " " + std::to_string(first) + " " + std::to_string(second));
  };
  MatchSeams.clearPendingSubstitution = [](int side) { seen->push_back("clear " + std::to_string(side)); };
  MatchSeams.matchTimeSeconds = [] { return int32_t{61 * 60 + 5}; };
  period = 1;
  MatchObject& off = MatchObjects[16 + 9];
  off.action = 4, off.x = 700, off.y = 900, off.fixedX = 700 << 16 | 0x8000, off.fixedY = 900 << 16 | 0x4000;
  off.targetX = 710, off.targetY = 950, off.speed = 3, off.facing = 40;
  Football_MakeSubstitution(1, 12, 9);
  const MatchObject& on = MatchObjects[16 + 12];
  EXPECT_EQ(+on.x, 700);
  EXPECT_EQ(+on.y, 900);
  EXPECT_EQ(+on.fixedX, 700 << 16 | 0x8000);
  EXPECT_EQ(+on.fixedY, 900 << 16 | 0x4000);
  EXPECT_EQ(+on.action, 4);
  EXPECT_EQ(+on.targetX, 710);
  EXPECT_EQ(+on.targetY, 950);
  EXPECT_EQ(+on.speed, 3);
  EXPECT_EQ(+on.facing, 40);
  EXPECT_EQ(+on.rating, 50);
  EXPECT_EQ(+on.onBench, 0);
  EXPECT_EQ(+on.offPitch, 0);
  EXPECT_EQ(+off.offPitch, 1);
  EXPECT_EQ(+off.takenOff, 1);
  EXPECT_EQ(Football_GetSubstitutionsUsed(1), 1);
  EXPECT_EQ(Football_GetPlayersPosition(1, 12), 9);
  EXPECT_EQ(Football_GetPlayersPosition(1, 9), 12);
  EXPECT_EQ(Football_GetPositionsPlayer(1, 9), 12);
  EXPECT_EQ(Football_IsPlayerOnPitch(1, 12), 1);
  EXPECT_EQ(Football_IsPlayerOnPitch(1, 9), 0);
  EXPECT_EQ(Football_HasPlayerPlayed(1, 12), 1);
  EXPECT_EQ(Football_IsAvailableSubstitute(1, 12), 0);
  EXPECT_EQ(Football_IsAvailableSubstitute(1, 13), 1);
  const std::vector<std::string> expected = {"say 112 1 25 28", "info 11 28 25", "clear 1"};
  EXPECT_EQ(calls, expected);
  const uint8_t* e = GetMatchResultRecord() + MATCH_LOG;
  EXPECT_EQ(e[MATCH_LOG_KIND], LOG_SUBSTITUTION);
  EXPECT_EQ(LoadI16(e + MATCH_LOG_PERIOD), 1);
  EXPECT_EQ(LoadI16(e + MATCH_LOG_MINUTE), 61);
  EXPECT_EQ(LoadI16(e + MATCH_LOG_SIDE), 1);
  EXPECT_EQ(LoadI16(e + MATCH_LOG_FIRST), 25);
  EXPECT_EQ(e[MATCH_LOG_ENTRY_SIZE + MATCH_LOG_KIND], MATCH_LOG_END);
  // Taken off injured.
  EXPECT_EQ(Football_WasTakenOffInjured(1, 9), 0);
  off.injury = 1;
  EXPECT_EQ(Football_WasTakenOffInjured(1, 9), 1);
  EXPECT_EQ(Football_IsPlayerInjured(1, 9), 1);
}

TEST_F(FootballTest, APlayerWithoutASquadPositionIsReported) {
  SideSlots[0][5] = 7;  // 5 is nowhere now
  testing::internal::CaptureStdout();
  EXPECT_EQ(Football_GetPlayersPosition(0, 5), -1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Football_GetPlayersPosition: invalid watch game no 5\n");
}

TEST_F(FootballTest, ScoreIsGivenTwice) {
  Score[0] = 3, Score[1] = 1;
  int16_t a, b, c, d;
  Football_GetScore(&a, &b, &c, &d);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(d, 3);
}

// ---- formations ----

class FootballFormationTest : public FootballTest {
 protected:
  std::optional<ScratchDir> scratch;
  std::vector<uint8_t> stock;
  void SetUp() override {
    FootballTest::SetUp();
    scratch.emplace("gafferon_football");
    InitMemory(9500);
    stock.resize(TACTICS_FILE_SIZE);
    for (size_t i = 0; i < stock.size(); ++i) stock[i] = static_cast<uint8_t>(i * 13 + i / 330);
    std::filesystem::create_directories("pakfiles");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/test", {{"TACTICS\\TACTICS.DAT", stock}}, PAK_STORE_AUTO, nullptr, &error))
        << error;
    PakFileInit();
    PakFileAdd("pakfiles\\test");
    PakFileAddDone();
    uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1];
    for (int k = 0; k < SETUP_TEAM_CUSTOM_COUNT; ++k)
      std::memset(team + SETUP_TEAM_CUSTOM_FORMATIONS + k * TACTICS_RECORD_SIZE, 100 + k, TACTICS_RECORD_SIZE);
  }
  void TearDown() override {
    scratch.reset();
    FootballTest::TearDown();
  }
  void SetTactic(int16_t tactic) {
    StoreI16(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_TACTIC, tactic);
  }
};

TEST_F(FootballFormationTest, TacticNumbersChooseStockOrCustomFormations) {
  struct Row {
    int16_t tactic;
    int stock;   // stock tactic loaded, or -1
    int custom;  // custom formation copied, or -1
  };
  const Row rows[] = {{0, 0, -1}, {17, 17, -1}, {39, 39, -1}, {40, -1, 0}, {45, -1, 5},
                      {51, -1, 11}, {52, 0, -1}, {-1, 0, -1}, {300, 0, -1}};
  for (const Row& r : rows) {
    SetTactic(r.tactic);
    testing::internal::CaptureStdout();
    Football_SetupTeamFormation(1);
    const std::string out = testing::internal::GetCapturedStdout();
    const uint8_t* slots = Football_GetTeamFormation(1);
    if (r.stock >= 0) {
      EXPECT_EQ(0, std::memcmp(slots, stock.data() + r.stock * TACTICS_RECORD_SIZE, TACTICS_RECORD_SIZE)) << r.tactic;
    } else {
      EXPECT_EQ(slots[0], 100 + r.custom) << r.tactic;
    }
    const bool outside = r.tactic < 0 || r.tactic > 51;
    EXPECT_EQ(out.find("stock tactic 0 used") != std::string::npos, outside) << r.tactic;
  }
  Football_LoadMatchFormation(1);
  EXPECT_EQ(Football_GetTeamFormation(1)[TACTICS_RECORD_SIZE - 1], 100);
  EXPECT_NE(Football_GetTeamFormation(0), Football_GetTeamFormation(1));
}

}  // namespace
