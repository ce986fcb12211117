#include "gamecode/matchrun.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/replay.h"
#include "support/engine_fixture.h"

namespace {

uint8_t* Team(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }
uint8_t* Entry(int side, int place) { return GetMatchSetupRecord() + SetupPlayerOffset(side, place); }
uint8_t* Slot(int side, int slot) { return Team(side) + SETUP_TEAM_FORMATION + FormationSlotOffset(slot); }

// Sheet value at an entry offset, distinct per offset, side and place (1-99).
int SheetValue(int offset, int side, int place) { return (offset + 3 * place + 7 * side) % 99 + 1; }

class MatchRunTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    uint8_t* setup = ClearMatchSetupRecord();
    StoreI16(setup + SETUP_MATCH_LENGTH, 5);
    StoreI16(setup + SETUP_SUBSTITUTES, 3);
    StoreI16(setup + SETUP_DISPLAY_MODE, 0);
    setup[SETUP_GROUND] = 0;
    for (int side = 0; side < 2; ++side) {
      Team(side)[SETUP_TEAM_HUMAN] = 0;  // the computer formation: the first stored one
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        uint8_t* e = Entry(side, place);
        for (int offset = SETUP_PLAYER_PACE; offset <= SETUP_PLAYER_RECURRING_INJURY; offset += 2)
          StoreI16(e + offset, SheetValue(offset, side, place));
        StoreI16(e + SETUP_PLAYER_NUMBER, 1000 + side * 100 + place);
        const std::string name = "P" + std::to_string(side) + "-" + std::to_string(place);
        std::memset(e, 0, SETUP_PLAYER_SURNAME_SIZE);
        std::memcpy(e, name.c_str(), name.size());
      }
      for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
        uint8_t* s = Slot(side, slot);
        std::memset(s, 0, 30 - (slot == 10 ? 5 : 0));
        StoreU32(s + SLOT_FLAGS, 31);
        StoreI16(s + SLOT_MARKING, -1);
        StoreI16(s + SLOT_MARKING + 2, -1);
        StoreI16(s + SLOT_MARKING + 4, -1);
      }
    }
    SetPitchGeometry();
    period = 0;
    kickOffSide = 1;
  }
};

// Every attribute byte from its offset of the sheet entry: a low-byte copy or
// min(50 + value / 2, 100).
TEST_F(MatchRunTest, AttributesComeFromTheirSheetOffsets) {
  struct Row {
    Skill skill;
    int offset;
    bool converted;
  };
  const Row rows[] = {
      {SKILL_KEEPING, 45, false},      {SKILL_SHOOTING, 53, false},     {SKILL_TACKLING, 49, false},
      {SKILL_PASSING, 51, false},      {SKILL_HEADING, 47, false},      {SKILL_DRIBBLING, 55, false},
      {SKILL_DEADBALL, 57, true},      {SKILL_CONTROL, 59, true},       {SKILL_AGGRESSION, 61, false},
      {SKILL_BARGAINING, 63, false},   {SKILL_RAPPORT, 65, false},      {SKILL_TEMPERAMENT, 67, false},
      {SKILL_INTELLIGENCE, 69, false}, {SKILL_LEADERSHIP, 71, false},   {SKILL_PERSONALITY, 73, false},
      {SKILL_PACE, 31, true},          {SKILL_STAMINA, 33, false},      {SKILL_POWER, 35, true},
      {SKILL_AGILITY, 37, false},      {SKILL_RESILIENCE, 39, false},   {SKILL_VISION, 41, true},
      {SKILL_COMPOSURE, 43, false},    {SKILL_POSITION, 77, false},     {SKILL_SHIRT, 79, false},
      {SKILL_LEFT_SIDE, 81, false},    {SKILL_RIGHT_SIDE, 83, false},   {SKILL_RECURRING_INJURY, 85, false},
  };
  static_assert(sizeof rows / sizeof rows[0] == SKILL_COUNT);
  KickOffSetup();
  for (int side = 0; side < 2; ++side)
    for (int place : {0, 7, 15}) {
      const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + place];
      for (const Row& r : rows) {
        const int v = SheetValue(r.offset, side, place);
        EXPECT_EQ(+o.attr[r.skill], r.converted ? std::min(50 + v / 2, 100) : v)
            << "side " << side << " place " << place << " offset " << r.offset;
      }
      EXPECT_EQ(+o.playerNumber, 1000 + side * 100 + place);
      EXPECT_STREQ(o.name, ("P" + std::to_string(side) + "-" + std::to_string(place)).c_str());
    }
}

TEST_F(MatchRunTest, SkillToByteHalvesAndCaps) {
  const int cases[][2] = {{0, 50}, {1, 50}, {3, 51}, {99, 99}, {100, 100}, {140, 100}, {-1, 50}};
  for (const auto& c : cases) EXPECT_EQ(SkillToByte(c[0]), c[1]) << c[0];
}

TEST_F(MatchRunTest, ATwentyCharacterNameKeepsNineteen) {
  std::memcpy(Entry(0, 3), "ABCDEFGHIJKLMNOPQRST", 20);
  KickOffSetup();
  EXPECT_STREQ(MatchObjects[3].name, "ABCDEFGHIJKLMNOPQRS");
}

// Starters on the pitch rated 50; the bench off it, rated 0 within the
// substitutes allowed and -1 beyond them.
TEST_F(MatchRunTest, BenchBeyondTheAllowanceIsRatedMinusOne) {
  const int allowances[] = {0, 3, 5, 7};
  for (int allowed : allowances) {
    SetUp();
    StoreI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES, allowed);
    KickOffSetup();
    EXPECT_EQ(SubstitutesAllowed, allowed);
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + place];
        const bool bench = place >= 11;
        EXPECT_EQ(+o.offPitch, bench ? 1 : 0);
        EXPECT_EQ(+o.onBench, bench ? 1 : 0);
        EXPECT_EQ(+o.rating, !bench ? 50 : place - 11 < allowed ? 0 : -1) << allowed << " " << place;
      }
  }
}

// Shirt numbers of the captain, corner, penalty and free-kick takers become
// the objects of those squad places; a shirt outside 1-16 is no taker.
TEST_F(MatchRunTest, TakersFromTheirShirtNumbers) {
  const int16_t shirts[2][4] = {{1, 16, 0, 17}, {5, -1, 11, 2}};
  for (int side = 0; side < 2; ++side)
    for (int k = 0; k < 4; ++k) StoreI16(Team(side) + SETUP_TEAM_CAPTAIN + 2 * k, shirts[side][k]);
  for (int k = 0; k < 4; ++k) StoreI16(Team(1) + SETUP_TEAM_RATINGS + 2 * k, 60 + k);
  KickOffSetup();
  EXPECT_EQ(CaptainObject[0], 0);
  EXPECT_EQ(CornerTakerObject[0], 15);
  EXPECT_EQ(PenaltyTakerObject[0], -1);
  EXPECT_EQ(FreeKickTakerObject[0], -1);
  EXPECT_EQ(CaptainObject[1], 20);
  EXPECT_EQ(CornerTakerObject[1], -1);
  EXPECT_EQ(PenaltyTakerObject[1], 26);
  EXPECT_EQ(FreeKickTakerObject[1], 17);
  EXPECT_EQ(TeamShootingValue[1], 60);
  EXPECT_EQ(TeamValues[1][3], 63);
}

// The kick-off itself: the squads in the tunnel, the keepers and officials in
// their actions, the ball at rest on the centre spot, the period start.
TEST_F(MatchRunTest, KickOffPutsEverythingInPlace) {
  KickOffSetup();
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    const MatchObject& o = MatchObjects[object];
    const int place = object % SIDE_OBJECTS;
    EXPECT_EQ(+o.x, place == 0 ? Pitch.tunnelX - 10 : Pitch.tunnelX - 350 - 15 * place) << object;
    EXPECT_EQ(+o.y, Pitch.tunnelY);
    EXPECT_EQ(+o.fixedX, o.x * 65536);
    EXPECT_EQ(+o.action, place == 0 ? 122 : 0);
  }
  EXPECT_EQ(+MatchObjects[OBJECT_REFEREE].action, 1);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_NEAR].action, 2);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_FAR].action, 3);
  EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].y, Pitch.offPitch);
  EXPECT_EQ(ballX, Pitch.centreX);
  EXPECT_EQ(ballY, Pitch.centreY);
  EXPECT_EQ(ballVelX | ballVelY | ballVelHeight, 0);
  EXPECT_EQ(+MatchObjects[OBJECT_BALL].x, Pitch.centreX);
  EXPECT_EQ(+MatchObjects[OBJECT_BALL].fixedY, Pitch.centreY * 65536);
  EXPECT_EQ(MatchState, STATE_PERIOD_START);
  EXPECT_EQ(MatchStateTimer, 200);
  EXPECT_EQ(CurrentSide, 1);
  EXPECT_EQ(focusObject, OBJECT_BALL);
  EXPECT_EQ(SideSlots[1][4], 20);
  EXPECT_EQ(SideLastToucher[0], 0);
  EXPECT_EQ(SideLastToucher[1], 16);
  EXPECT_EQ(ballDrag, 992);
  EXPECT_EQ(ballGravity, 4000);
}

TEST_F(MatchRunTest, ShootOutKickOff) {
  KickOffSetup();
  period = 4;
  kickOffSide = 0;
  KickOffSetup();
  EXPECT_EQ(MatchState, 20);
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(+MatchObjects[0].action, 122);
  EXPECT_EQ(+MatchObjects[16].action, 122);
}

// Period lengths in frames: L x 60 seconds a half, L x 20 in extra time, 50
// frames a second; a header below 1 plays as 1.
TEST_F(MatchRunTest, PeriodLengthFromTheHeader) {
  struct Case {
    int8_t period;
    int16_t length;
    int32_t frames;
  };
  const Case cases[] = {{0, 5, 15000}, {1, 5, 15000}, {2, 5, 5000}, {3, 2, 2000}, {4, 5, 0}, {0, -1, 3000}, {1, 0, 3000}};
  for (const Case& c : cases) {
    SetUp();
    StoreI16(GetMatchSetupRecord() + SETUP_MATCH_LENGTH, c.length);
    period = c.period;
    PeriodFrames = 77;
    PeriodOver = 1;
    KickOffSetup();
    EXPECT_EQ(PeriodLengthFrames, c.frames) << int(c.period) << " " << c.length;
    EXPECT_EQ(PeriodFrames, 0);
    EXPECT_EQ(PeriodOver, 0);
  }
}

// Statistics, ratings, names and attributes survive from one period to the
// next; positions, actions and the ball do not. The officials' attribute is
// set again at every period, the offside roll drawn once a match.
TEST_F(MatchRunTest, SecondPeriodKeepsStatisticsNotPositions) {
  GameSeedRandom(3);
  KickOffSetup();
  const int16_t roll = offsideRoll;
  EXPECT_GE(roll, 20);
  EXPECT_LE(roll, 99);
  MatchObject& p = MatchObjects[20];
  p.goals = 2;
  p.passes = 17;
  p.distance1 = 12345;
  p.rating = 64;
  p.cardState = 1;
  p.x = 700;
  p.y = 900;
  p.action = 4;
  p.hasBall = 1;
  MatchObjects[OBJECT_REFEREE].attr[SKILL_PACE] = 3;
  MatchObjects[OBJECT_LINESMAN_FAR].attr[SKILL_PACE] = 3;
  ballX = 300;
  ballVelX = 5 << 16;
  MatchState = STATE_OPEN_PLAY;
  GameSeedRandom(99);
  period = 1;
  kickOffSide = 0;
  KickOffSetup();
  EXPECT_EQ(+p.goals, 2);
  EXPECT_EQ(+p.passes, 17);
  EXPECT_EQ(+p.distance1, 12345);
  EXPECT_EQ(+p.rating, 64);
  EXPECT_EQ(+p.cardState, 1);
  EXPECT_STREQ(p.name, "P1-4");
  EXPECT_EQ(+p.x, Pitch.tunnelX - 350 - 15 * 4);
  EXPECT_EQ(+p.y, Pitch.tunnelY);
  EXPECT_EQ(+p.action, 0);
  EXPECT_EQ(+p.hasBall, 0);
  EXPECT_EQ(ballX, Pitch.centreX);
  EXPECT_EQ(ballVelX, 0);
  EXPECT_EQ(MatchState, STATE_PERIOD_START);
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(offsideRoll, roll);
  EXPECT_EQ(+MatchObjects[OBJECT_REFEREE].attr[SKILL_PACE], 80);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_NEAR].attr[SKILL_PACE], 60);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_FAR].attr[SKILL_PACE], 60);
}

// The first kick-off clears what an earlier match left behind.
TEST_F(MatchRunTest, FirstKickOffClearsTheCounters) {
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    MatchObjects[object].goals = 9;
    MatchObjects[object].openPlayFrames = 9;
    MatchObjects[object].sentOff = 1;
    MatchObjects[object].ruleWord = 9;
  }
  KickOffSetup();
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    EXPECT_EQ(+MatchObjects[object].goals, 0);
    EXPECT_EQ(+MatchObjects[object].openPlayFrames, 0);
    EXPECT_EQ(+MatchObjects[object].sentOff, 0);
    EXPECT_EQ(+MatchObjects[object].ruleWord, 0);
  }
}

// Instructions from the formation slots: the three instruction bytes, the
// partner (slots 1-10 only; 0 and 31 are none) as the side's own object
// number, the marking bytes; the bench has no slot.
TEST_F(MatchRunTest, FormationInstructions) {
  struct Case {
    int slot;
    uint32_t flags;
    int16_t marking[3];
    uint8_t partner;
    uint8_t misc[3];
    int8_t markTarget;
  };
  const Case cases[] = {
      {1, 31, {-1, -1, -1}, 255, {255, 255, 255}, -1},
      {2, 0x20 | 4, {0, 0, 0}, 4, {255, 255, 255}, -1},  // only the low five bits name the partner
      {3, 10, {7, 0, 9}, 10, {7, 255, 9}, 9},
      {4, 0, {-1, 3, 0}, 255, {255, 3, 255}, -1},
      {10, 11, {-1, -1, 5}, 255, {255, 255, 5}, 5},
  };
  for (int side = 0; side < 2; ++side)
    for (const Case& c : cases) {
      uint8_t* s = Slot(side, c.slot);
      StoreU32(s + SLOT_FLAGS, c.flags);
      for (int i = 0; i < 3; ++i) {
        s[SLOT_INSTRUCTIONS + i] = static_cast<uint8_t>(c.slot * 10 + i);
        StoreI16(s + SLOT_MARKING + 2 * i, c.marking[i]);
      }
    }
  KickOffSetup();
  for (int side = 0; side < 2; ++side) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "side " << side << " slot " << c.slot);
      const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + c.slot];
      for (int i = 0; i < 3; ++i) EXPECT_EQ(+o.instructions[i], c.slot * 10 + i);
      EXPECT_EQ(+o.instructions[INSTRUCTION_PARTNER], c.partner);
      for (int i = 0; i < 3; ++i) EXPECT_EQ(+o.misc[i], c.misc[i]);
      EXPECT_EQ(+o.markTarget, c.markTarget);
    }
    for (int place = 11; place < SIDE_OBJECTS; ++place) {
      const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + place];
      EXPECT_EQ(+o.instructions[INSTRUCTION_PARTNER], NO_PARTNER);
      EXPECT_EQ(+o.markTarget, -1);
      EXPECT_EQ(+o.misc[0], 255);
    }
  }
  EXPECT_EQ(std::memcmp(WorkingFormation[1], Team(1) + SETUP_TEAM_FORMATION, TACTICS_RECORD_SIZE), 0);
}

// A human side plays its sheet's tactic (here its third custom formation);
// the shape is set up for each side.
TEST_F(MatchRunTest, HumanSideTakesItsTactic) {
  static std::string shapes;
  shapes.clear();
  MatchSeams.initTeamShape = [](int side) { shapes += std::to_string(side); };
  Team(0)[SETUP_TEAM_HUMAN] = 1;
  StoreI16(Team(0) + SETUP_TEAM_TACTIC, 42);
  uint8_t* third = Team(0) + SETUP_TEAM_FORMATION + 2 * TACTICS_RECORD_SIZE;
  std::memset(third, 0x21, TACTICS_RECORD_SIZE);
  KickOffSetup();
  EXPECT_EQ(std::memcmp(WorkingFormation[0], third, TACTICS_RECORD_SIZE), 0);
  EXPECT_EQ(shapes, "01");
}

// The run: the ring, the motions, the pitch and the display; a stored replay
// that does not load frees the ring and plays nothing.
TEST_F(MatchRunTest, RunStartAndEnd) {
  static std::string calls;
  struct Case {
    int mode;
    int loads;
    int answer;
    const char* calls;
  };
  const Case cases[] = {
      {0, 1, 1, "alloc motions "},
      {3, 1, 1, "alloc slot motions "},
      {3, 0, 0, "alloc slot free "},
  };
  for (const Case& c : cases) {
    SetUp();
    calls.clear();
    static int loads;
    loads = c.loads;
    replayMode = c.mode;
    MatchSeams.replayBufferAlloc = [] { calls += "alloc "; };
    MatchSeams.replayBufferFree = [] { calls += "free "; };
    MatchSeams.loadReplaySlot = [] {
      calls += "slot ";
      return loads;
    };
    MatchSeams.loadMotions = [] { calls += "motions "; };
    std::memset(&Pitch, 0, sizeof Pitch);
    EXPECT_EQ(MatchRunStart(), c.answer);
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(Pitch.centreX, c.answer ? 796 : 0);
  }
  calls.clear();
  MatchRunEnd();
  EXPECT_EQ(calls, "free ");
  EXPECT_EQ(EnvironmentDestroyed, 1);
}

// A period: the ring cleared (not for a stored replay), the kick-off, then
// the frames until the clock ends it.
TEST_F(MatchRunTest, PlayPeriodRunsToTheClock) {
  static std::string calls;
  for (int mode : {0, 3}) {
    SetUp();
    calls.clear();
    replayMode = mode;
    StoreI16(GetMatchSetupRecord() + SETUP_MATCH_LENGTH, 1);
    MatchSeams.replayBufferReset = [] { calls += "reset "; };
    // The kick-off is taken at once and play goes on until the whistle,
    // whose state ends the period.
    MatchSeams.matchStateHandler = [] {
      if (MatchState == STATE_PERIOD_START) {
        MatchState = STATE_OPEN_PLAY;
        ClockRunning = 1;
      }
      if (MatchState == STATE_PERIOD_END) RunMatchState();
    };
    MatchSeams.replayRecordFrame = [] {};
    // Nobody goes for a ball in the air, so no goal or ball out of play
    // stops the clock this handler runs.
    MatchSeams.offBallMovement = [](int) {};
    PlayPeriod();
    EXPECT_EQ(calls, mode == 3 ? "" : "reset ");
    EXPECT_EQ(PeriodFrames, 3000);
    EXPECT_EQ(PeriodOver, 1);
  }
}

}  // namespace
