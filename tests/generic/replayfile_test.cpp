// Saved replays: the slot file's layout and round trip, every load failure
// and its code with the live set-up and ring untouched, random damage, saves
// that cannot be written, the two slot lists, the save screen's header text
// and the front end's load list, and a saved replay played through the match.
#include "generic/replayfile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "gamecode/playmatch.h"
#include "gamecode/replay.h"
#include "menus/exmenu.h"
#include "menus/gfx_gen.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/kittab.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/menu_harness.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}
void WriteFile(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
fs::path SlotPath(int slot) { return ReplaySlotFileName(slot); }

// The built data set's stock tactics, read with the first test's clips.
std::vector<Bytes> gStockTactics;

// Opens the built data set and loads its motion clips (each test's reset
// drops them) and, once, its stock tactics; false without built data.
bool LoadBuiltData() {
  return WithBuiltHardDiskPak([] {
    LoadMotions();
    for (int16_t n = static_cast<int16_t>(gStockTactics.size()); n < NUM_STOCK_TACTICS; ++n) {
      Bytes record(TACTICS_RECORD_SIZE);
      GetComputerTactics(record.data(), n);
      gStockTactics.push_back(record);
    }
  });
}

// A formation as the tactics data lays it out: places on the grid, a run
// for some, no partner, the marking words -1.
void WriteFormation(uint8_t* record, int variant) {
  std::memset(record, 0, TACTICS_RECORD_SIZE);
  for (int k = 0; k < TACTICS_SLOTS; ++k) {
    uint8_t* slot = record + TACTICS_HEADER_SIZE + k * TACTICS_SLOT_SIZE;
    StoreI16(slot + 0, (k * 3 + variant) % 15);
    StoreI16(slot + 2, k == 0 ? 0 : (k * 5 + variant) % 18);
    StoreI16(slot + 4, k % 3 == 0 ? -1 : (k + variant) % 15);
    StoreI16(slot + 6, k % 3 == 0 ? -1 : 17);
    slot[8] = k == 4 ? 5 : 31;
    const int end = k == TACTICS_SLOTS - 1 ? 25 : 30;
    for (int b = 12; b < end; ++b) slot[b] = 0xFF;
    if (k == 6) StoreI16(slot + 23, 9);  // marks the opponents' number 9
  }
}

// A match set-up as the friendly writes it: every field the checks look at
// valid; squad entry 16 nobody's (its bytes 0xFF, its name not ended).
void WriteGoodSetup() {
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_DISPLAY_MODE, 2);
  StoreI16(setup + SETUP_SUBSTITUTES, 5);
  setup[SETUP_GROUND] = 0;
  setup[SETUP_CROWD_LEVEL] = 3;
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    std::memset(team, 0, SETUP_TEAM_NAME_SIZE);
    std::strcpy(reinterpret_cast<char*>(team), side == 0 ? "Alpha Rovers" : "Beta Town");
    std::memcpy(team + SETUP_TEAM_KIT, KitHomeDesigns[static_cast<size_t>(7 + side)].bytes, SETUP_TEAM_KIT_SIZE);
    StoreI16(team + SETUP_TEAM_TACTIC, side == 0 ? 3 : 41);
    for (int f = 0; f < SETUP_TEAM_CUSTOM_COUNT; ++f)
      WriteFormation(team + SETUP_TEAM_CUSTOM_FORMATIONS + f * TACTICS_RECORD_SIZE, f + side);
    for (int entry = 0; entry < 16; ++entry) {
      uint8_t* player = setup + SetupPlayerOffset(side, entry);
      std::memset(player, 0, SETUP_PLAYER_SURNAME_SIZE);
      std::snprintf(reinterpret_cast<char*>(player), SETUP_PLAYER_SURNAME_SIZE, "Player%d", side * 16 + entry);
      player[SETUP_PLAYER_POSITION_BYTE] = static_cast<uint8_t>(entry % 14);
      StoreI16(player + SETUP_PLAYER_POSITION, entry % 14);
      StoreI16(player + SETUP_PLAYER_SHIRT, entry + 1);
      StoreI16(player + SETUP_PLAYER_NUMBER, 1000 + side * 16 + entry);
    }
  }
}

// 800 frames captured from a moving match into the ring (so it has wrapped:
// replayWrite 50, replayCount 750); some bodies are not drawn.
void RecordGoodRing() {
  ReplayBuffer_Reset();
  for (int f = 0; f < 800; ++f) {
    for (int i = 0; i < MATCH_OBJECTS; ++i) {
      MatchObject& o = MatchObjects[i];
      o.x = static_cast<int16_t>(200 + i * 30 + f);
      o.y = static_cast<int16_t>(300 + i * 40 - f);
      o.height = static_cast<int16_t>(f % 9);
      if (i % 7 == 6) {
        o.motion = static_cast<int16_t>(i % 2 == 0 ? -1 : -2);
        o.motionFrame = 12345;
        o.drawFacing = -77;
      } else {
        o.motion = static_cast<int16_t>((i * 3 + f) % MOTION_COUNT);
        o.motionFrame = static_cast<int16_t>(f % GetMotionFrames(o.motion));
        o.drawFacing = static_cast<int16_t>((i * 5 + f) % 256);
      }
    }
    BallHeight = static_cast<int16_t>(f % 40);
    ballFixedX = (700 + f) << 16;
    ballFixedY = (1000 - f) << 16;
    ballFixedHeight = (f % 40) << 16;
    keeperHolder = static_cast<int16_t>(f % 33);
    throwHolder = static_cast<int16_t>((f / 3) % 33);
    MatchState = static_cast<int16_t>(f % MATCH_STATE_COUNT);
    focusObject = static_cast<uint8_t>(f % 36);
    PeriodFrames = f * 3;
    Score[0] = static_cast<int16_t>(f / 300);
    Score[1] = 1;
    ShootoutScore[0] = ShootoutScore[1] = 0;
    period = static_cast<int8_t>(f % 5);
    PeriodOver = 0;
    MatchObjects[OBJECT_REFEREE].action = static_cast<int16_t>(f % 4);
    BallDrawAngles[0] = f * 0.1f;
    BallDrawAngles[1] = -f * 0.2f;
    BallDrawAngles[2] = 1.5f;
    LastKicker = static_cast<int16_t>(f % 38 - 1);
    ClockRunning = static_cast<uint8_t>(f & 1);
    ReplayRecordFrame();
  }
}

struct Live {
  Bytes setup, ring;
  int32_t write = 0, count = 0;
  bool operator==(const Live&) const = default;
};
Live TakeLive() {
  Live l;
  l.setup.assign(GetMatchSetupRecord(), GetMatchSetupRecord() + MATCH_SETUP_SIZE);
  if (replayBuffer) l.ring.assign(replayBuffer, replayBuffer + REPLAY_BUFFER_SIZE);
  l.write = replayWrite;
  l.count = replayCount;
  return l;
}

// The file image of the live match with the header text, composed here
// field by field.
Bytes ImageOfLive(const std::string& text) {
  Bytes image(REPLAY_FILE_SIZE, 0);
  std::memcpy(image.data(), "RP01", 4);
  std::memcpy(image.data() + 4, text.data(), std::min<size_t>(text.size(), 127));
  StoreI32(image.data() + 132 + 896, replayWrite);
  StoreI32(image.data() + 132 + 900, replayCount);
  std::memcpy(image.data() + 1104, GetMatchSetupRecord(), MATCH_SETUP_SIZE);
  std::memcpy(image.data() + 13001, replayBuffer, REPLAY_BUFFER_SIZE);
  return image;
}

GNMessage Click(int16_t region) {
  GNMessage m{};
  m.code = GN_MSG_RELEASE;
  m.regionId = region;
  return m;
}
int16_t Send(int16_t region, int16_t code = GN_MSG_RELEASE) {
  GNMessage m = Click(region);
  m.code = code;
  return ReplaySaveScreen_Callback(&m);
}

std::string Blank() { return "<Blank Slot>"; }

class ReplayFileTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(16000);
    if (!LoadBuiltData()) GTEST_SKIP() << "no built game data";
    scratch_ = std::make_unique<ScratchDir>("replayfile");
    ReplayBuffer_Alloc();
    WriteGoodSetup();
    RecordGoodRing();
    good_ = ImageOfLive(" 3: Alpha Rovers 2 - 1 Beta Town, 48:09");
  }
  void TearDown() override {
    scratch_.reset();
    FreeMotions();
    EngineTest::TearDown();
  }

  // The match's own period and score for the slot text.
  void SetMatchMoment() {
    period = 1;
    PeriodLengthFrames = 3000;
    PeriodFrames = 211;  // 45 x 211 x 60 / 3000 = 189 s into the second half
    Score[0] = 2;
    Score[1] = 1;
  }

  std::unique_ptr<ScratchDir> scratch_;
  Bytes good_;
};

// ---- the file ----

TEST_F(ReplayFileTest, TheSaveScreenWritesTheFileFieldByFieldAndItLoadsBackByteEqual) {
  SetMatchMoment();
  ReplaySaveScreen_Open();
  EXPECT_EQ(Send(2), GN_RESULT_REDRAW);
  EXPECT_EQ(ReplaySaveScreen_ChosenSlot(), 2);
  EXPECT_STREQ(ReplaySaveHeaderText(2), " 3: Alpha Rovers 2 - 1 Beta Town, 48:09");
  EXPECT_EQ(Send(REPLAY_SAVE_REGION_SAVE), GN_RESULT_LEAVE);

  const Bytes file = ReadFile(SlotPath(2));
  ASSERT_EQ(file.size(), 390251u);
  EXPECT_EQ(file, good_);
  EXPECT_FALSE(fs::exists("Replay02.sav.tmp"));
  EXPECT_EQ(LoadI32(file.data() + 132 + 896), 50);
  EXPECT_EQ(LoadI32(file.data() + 132 + 900), 750);

  // Back into a match that holds something else: every byte returns.
  const Live saved = TakeLive();
  std::memset(GetMatchSetupRecord(), 0x5A, MATCH_SETUP_SIZE);
  std::memset(replayBuffer, 0xA5, REPLAY_BUFFER_SIZE);
  replayWrite = 7;
  replayCount = 8;
  ASSERT_EQ(LoadReplaySlot(2), REPLAY_LOAD_OK);
  EXPECT_TRUE(TakeLive() == saved);
  EXPECT_STREQ(ReplayListHeaderText(2), " 3: Alpha Rovers 2 - 1 Beta Town, 48:09");

  // Saved again from what was loaded, the file is the same.
  ReplaySaveScreen_Open();
  Send(2);
  ASSERT_EQ(Send(REPLAY_SAVE_REGION_SAVE), GN_RESULT_LEAVE);
  EXPECT_EQ(ReadFile(SlotPath(2)), good_);
}

TEST_F(ReplayFileTest, ALoadedReplayPlaysInWatch) {
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 1);
  WriteFile(SlotPath(4), ImageOfLive(" 5: x"));
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 0);
  ASSERT_EQ(LoadReplaySlot(4), REPLAY_LOAD_OK);
  EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE), 2);
}

// What the match writes of a period that never wrapped, or of a ring that
// was never filled, and values the match treats as "none", all load.
TEST_F(ReplayFileTest, WhatTheMatchLeavesLoads) {
  struct Case {
    const char* name;
    std::function<void(uint8_t*)> change;
  } cases[] = {
      {"a short period", [](uint8_t* i) { StoreI32(i + 132 + 896, 120), StoreI32(i + 132 + 900, 120); }},
      {"an empty ring", [](uint8_t* i) { StoreI32(i + 132 + 896, 0), StoreI32(i + 132 + 900, 0); }},
      {"an unwritten ground", [](uint8_t* i) { i[1104 + SETUP_GROUND] = 0xFF; }},
      {"the other grounds", [](uint8_t* i) { i[1104 + SETUP_GROUND] = 2; }},
      {"no bench", [](uint8_t* i) { StoreI16(i + 1104 + SETUP_SUBSTITUTES, 0); }},
      {"an empty squad place", [](uint8_t* i) { std::memset(i + 1104 + SetupPlayerOffset(0, 15), 0xFF, 109); }},
      {"a free custom formation",
       [](uint8_t* i) { StoreI16(i + 1104 + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_FORMATION + 5, -1); }},
      {"a name of 39 letters",
       [](uint8_t* i) { std::memset(i + 1104 + MATCH_SETUP_TEAM_OFFSET[0], 'N', SETUP_TEAM_NAME_SIZE - 1); }},
      {"the last kicker none", [](uint8_t* i) { StoreI16(i + 13001 + REPLAY_LAST_KICKER, -1); }},
      {"a clip's last frame",
       [](uint8_t* i) {
         StoreI16(i + 13001 + 6, MOTION_AX002);
         StoreI16(i + 13001 + 8, static_cast<int16_t>(GetMotionFrames(MOTION_AX002) - 1));
       }},
      {"the ball and marker not checked", [](uint8_t* i) { StoreI16(i + 13001 + 35 * 12 + 6, 999); }},
      {"reserved bytes", [](uint8_t* i) { i[132 + 10] = 0x77; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes image = good_;
    c.change(image.data());
    std::string why;
    EXPECT_EQ(CheckReplayImage(image.data(), image.size(), &why), REPLAY_LOAD_OK) << why;
  }
}

// Every damaged file answers its code; the live set-up, ring and counts stay
// as they were; both lists show "<Blank Slot>" for files of the wrong length
// or magic, and the file's own header for a file whose fields are bad.
TEST_F(ReplayFileTest, DamagedFilesAreRefusedWithTheirCode) {
  using Change = std::function<void(Bytes&)>;
  auto resize = [](size_t n) { return Change([n](Bytes& b) { b.resize(n); }); };
  auto i16 = [](int at, int value) { return Change([at, value](Bytes& b) { StoreI16(b.data() + at, value); }); };
  auto byte = [](int at, int value) {
    return Change([at, value](Bytes& b) { b[static_cast<size_t>(at)] = static_cast<uint8_t>(value); });
  };
  const int setup = 1104, team1 = 1104 + MATCH_SETUP_TEAM_OFFSET[1], kit0 = 1104 + MATCH_SETUP_TEAM_OFFSET[0] + 40;
  const int formation = team1 + SETUP_TEAM_FORMATION + 5 * TACTICS_RECORD_SIZE + TACTICS_HEADER_SIZE;
  const int lastSlot = formation + 10 * TACTICS_SLOT_SIZE;
  const int entry = 1104 + SetupPlayerOffset(1, 3);
  const int frame = 13001 + 321 * 503, object = frame + 17 * 12;
  struct Case {
    const char* name;
    Change change;
    int code;
    bool listed;
  } cases[] = {
      {"empty", resize(0), -2, false},
      {"131 bytes", resize(131), -2, false},
      {"132 bytes", resize(132), -4, false},
      {"1103 bytes", resize(1103), -4, false},
      {"13000 bytes", resize(13000), -5, false},
      {"390250 bytes", resize(390250), -6, false},
      {"390252 bytes", resize(390252), -7, false},
      {"magic", byte(3, '2'), -3, false},
      {"magic short", resize(3), -2, false},
      {"replayWrite 750", Change([](Bytes& b) { StoreI32(b.data() + 1028, 750); }), -7, true},
      {"replayWrite -1", Change([](Bytes& b) { StoreI32(b.data() + 1028, -1); }), -7, true},
      {"replayCount 751", Change([](Bytes& b) { StoreI32(b.data() + 1032, 751); }), -7, true},
      {"replayCount -1", Change([](Bytes& b) { StoreI32(b.data() + 1032, -1); }), -7, true},
      {"display mode 3", i16(setup + SETUP_DISPLAY_MODE, 3), -7, true},
      {"bench of 6", i16(setup + SETUP_SUBSTITUTES, 6), -7, true},
      {"bench of -1", i16(setup + SETUP_SUBSTITUTES, -1), -7, true},
      {"ground 3", byte(setup + SETUP_GROUND, 3), -7, true},
      {"crowd level 4", byte(setup + SETUP_CROWD_LEVEL, 4), -7, true},
      {"team name not ended", Change([team1](Bytes& b) { std::memset(b.data() + team1, 'X', 40); }), -7, true},
      {"tactic 52", i16(team1 + SETUP_TEAM_TACTIC, 52), -7, true},
      {"tactic -1", i16(team1 + SETUP_TEAM_TACTIC, -1), -7, true},
      {"kit pattern", i16(kit0 + KIT_PATTERN_OFFSET, KIT_PATTERNS), -7, true},
      {"kit style", i16(kit0 + KIT_STYLE_OFFSET + 10, KIT_STYLE_COUNT), -7, true},
      {"kit colour slot", i16(kit0 + KIT_PART_SLOT_OFFSET + 4, 4), -7, true},
      {"kit colour", i16(kit0 + KIT_COLOUR_OFFSET + 2, KIT_COLOURS), -7, true},
      {"keeper colour", i16(kit0 + KIT_KEEPER_COLOUR_OFFSET, -1), -7, true},
      {"position 14", i16(entry + SETUP_PLAYER_POSITION, 14), -7, true},
      {"position byte 14", byte(entry + SETUP_PLAYER_POSITION_BYTE, 14), -7, true},
      {"player name not ended", Change([entry](Bytes& b) { std::memset(b.data() + entry, 'Y', 20); }), -7, true},
      {"cell column 15", i16(formation + 30 * 2, 15), -7, true},
      {"cell row 18", i16(formation + 30 * 2 + 2, 18), -7, true},
      {"run cell -2", i16(formation + 30 * 2 + 4, -2), -7, true},
      {"third point off the grid", i16(lastSlot + 17, 18), -7, true},
      {"link slot 11", byte(formation + 30 * 3 + 8, 11), -7, true},
      {"marked opponent 12", i16(lastSlot + 23, 12), -7, true},
      {"marked opponent -2", i16(formation + 23, -2), -7, true},
      {"motion 159", i16(object + 6, MOTION_COUNT), -7, true},
      {"motion -3", i16(object + 6, -3), -7, true},
      {"motion frame past the clip", i16(object + 8, 4000), -7, true},
      {"motion frame -1", i16(object + 8, -1), -7, true},
      {"facing 256", i16(object + 10, 256), -7, true},
      {"official's facing -1", i16(frame + 33 * 12 + 10, -1), -7, true},
      {"match state 30", i16(frame + REPLAY_MATCH_STATE, MATCH_STATE_COUNT), -7, true},
      {"camera object 36", i16(frame + REPLAY_CAMERA_OBJECT, 36), -7, true},
      {"period 5", i16(frame + REPLAY_PERIOD, 5), -7, true},
      {"keeper holder byte 33", byte(frame + REPLAY_KEEPER_HOLDER_BYTE, 33), -7, true},
      {"throw holder 33", byte(frame + REPLAY_THROW_HOLDER_BYTE, 33), -7, true},
      {"keeper holder -1", i16(frame + REPLAY_KEEPER_HOLDER, -1), -7, true},
      {"last kicker 37", i16(frame + REPLAY_LAST_KICKER, 37), -7, true},
      {"ball angle not a number",
       Change([frame](Bytes& b) { StoreF32(b.data() + frame + REPLAY_BALL_ANGLE_THIRD, std::nanf("")); }), -7,
       true},
      {"last frame", i16(13001 + 749 * 503 + REPLAY_MATCH_STATE, -1), -7, true},
  };
  const Live before = TakeLive();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes image = good_;
    c.change(image);
    EXPECT_EQ(CheckReplayImage(image.data(), image.size(), nullptr), c.code);
    WriteFile(SlotPath(6), image);
    EXPECT_EQ(LoadReplaySlot(6), c.code);
    EXPECT_TRUE(TakeLive() == before);
    ReadReplaySlotHeaders();
    BuildReplaySlotList();
    const std::string shown = c.listed ? " 3: Alpha Rovers 2 - 1 Beta Town, 48:09" : Blank();
    EXPECT_EQ(ReplaySaveHeaderText(6), shown);
    EXPECT_EQ(ReplayListHeaderText(6), shown);
    EXPECT_EQ(ReplayListRowAvailable(6), c.listed);
  }
  fs::remove(SlotPath(6));
  EXPECT_EQ(LoadReplaySlot(6), REPLAY_LOAD_NO_FILE);
  fs::create_directory(SlotPath(6));
  EXPECT_EQ(LoadReplaySlot(6), REPLAY_LOAD_NO_FILE);
  EXPECT_EQ(LoadReplaySlot(10), REPLAY_LOAD_NO_FILE);
  EXPECT_EQ(LoadReplaySlot(-1), REPLAY_LOAD_NO_FILE);
  EXPECT_TRUE(TakeLive() == before);
}

// The slot text is read to its 128th byte and no further.
TEST_F(ReplayFileTest, AHeaderTextEndsWithinItsField) {
  Bytes image = good_;
  std::memset(image.data() + 4, 'T', 128);
  WriteFile(SlotPath(1), image);
  ReadReplaySlotHeaders();
  BuildReplaySlotList();
  EXPECT_EQ(std::string(ReplaySaveHeaderText(1)), std::string(127, 'T'));
  EXPECT_EQ(std::string(ReplayListRowText(1)), " 2: " + std::string(127, 'T'));
  ASSERT_EQ(LoadReplaySlot(1), REPLAY_LOAD_OK);
  EXPECT_EQ(std::string(ReplayListHeaderText(1)), std::string(127, 'T'));
}

// The checks take what the game itself writes: every stock tactic and every
// kit design of the tables.
TEST_F(ReplayFileTest, TheGamesOwnTacticsAndKitsPassTheChecks) {
  Bytes image = good_;
  uint8_t* formation = image.data() + 1104 + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_FORMATION;
  ASSERT_EQ(gStockTactics.size(), 40u);
  for (const Bytes& tactic : gStockTactics) {
    std::memcpy(formation, tactic.data(), TACTICS_RECORD_SIZE);
    ASSERT_EQ(CheckReplayImage(image.data(), image.size(), nullptr), REPLAY_LOAD_OK);
  }
  uint8_t* kit = image.data() + 1104 + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_KIT;
  auto all = [&](const auto& designs) {
    for (const KitDesign& d : designs) {
      std::memcpy(kit, d.bytes, KIT_DESIGN_SIZE);
      std::string why;
      ASSERT_EQ(CheckReplayImage(image.data(), image.size(), &why), REPLAY_LOAD_OK) << why;
    }
  };
  all(KitHomeDesigns);
  all(KitAwayDesigns);
  all(KitAltDesigns);
}

// Random damage: whatever is flipped, nothing crashes, and a file is taken
// only when what the match shows of it holds.
TEST_F(ReplayFileTest, RandomDamageIsRefusedOrHarmless) {
  std::mt19937 random(20261211);
  Bytes image = good_;
  auto showable = [](const uint8_t* i) {
    const int write = LoadI32(i + 1028), count = LoadI32(i + 1032);
    if (write < 0 || write >= 750 || count < 0 || count > 750) return false;
    for (int f = 0; f < 750; ++f) {
      const uint8_t* frame = i + 13001 + f * 503;
      for (int o = 0; o < 35; ++o) {
        const int motion = LoadI16(frame + o * 12 + 6);
        if (motion == -1 || motion == -2) continue;
        if (GetMotionFrame(motion, LoadI16(frame + o * 12 + 8)) == nullptr) return false;
        if (LoadI16(frame + o * 12 + 10) < 0 || LoadI16(frame + o * 12 + 10) > 255) return false;
      }
      if (LoadI16(frame + REPLAY_MATCH_STATE) < 0 || LoadI16(frame + REPLAY_MATCH_STATE) >= MATCH_STATE_COUNT)
        return false;
    }
    const uint8_t* setup = i + 1104;
    for (int side = 0; side < 2; ++side) {
      const uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
      if (std::memchr(team, 0, 40) == nullptr) return false;
      if (LoadI16(team + SETUP_TEAM_TACTIC) < 0 || LoadI16(team + SETUP_TEAM_TACTIC) > 51) return false;
      if (KitDesign_GetPattern(team + SETUP_TEAM_KIT) < 0 || KitDesign_GetPattern(team + SETUP_TEAM_KIT) >= 116)
        return false;
    }
    return true;
  };
  const auto start = std::chrono::steady_clock::now();
  int refused = 0, taken = 0;
  for (int round = 0; round < 3000; ++round) {
    // Half the rounds hit the header, state and set-up, the rest anywhere.
    const size_t span = round % 2 == 0 ? 13001 : image.size();
    const int flips = 1 + static_cast<int>(random() % 6);
    std::vector<std::pair<size_t, uint8_t>> undo;
    for (int k = 0; k < flips; ++k) {
      const size_t at = random() % span;
      undo.emplace_back(at, image[at]);
      image[at] ^= static_cast<uint8_t>(1u << (random() % 8));
    }
    const int result = CheckReplayImage(image.data(), image.size(), nullptr);
    if (result == REPLAY_LOAD_OK) {
      ++taken;
      EXPECT_TRUE(showable(image.data())) << "round " << round;
    } else {
      ++refused;
    }
    // Every hundredth round goes through a file and the load itself.
    if (round % 100 == 0) {
      WriteFile(SlotPath(9), image);
      const Live live = TakeLive();
      const int loaded = LoadReplaySlot(9);
      EXPECT_EQ(loaded, result);
      if (loaded != REPLAY_LOAD_OK) {
        EXPECT_TRUE(TakeLive() == live);
      }
    }
    for (auto it = undo.rbegin(); it != undo.rend(); ++it) image[it->first] = it->second;
  }
  EXPECT_GT(refused, 100);
  EXPECT_GT(taken, 100);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// ---- saves that cannot be written ----

TEST_F(ReplayFileTest, ASaveThatCannotBeWrittenKeepsTheOldReplay) {
  const Bytes old = good_;
  WriteFile(SlotPath(3), old);
  ReplaySaveScreen_Open();
  Send(3);

  // A full disk: the file may grow no further than 1000 bytes.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int16_t answer = Send(REPLAY_SAVE_REGION_SAVE);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(answer, GN_RESULT_REDRAW);  // the screen stays, saying so
  EXPECT_STREQ(ReplaySaveScreen_Status(),
               "The replay could not be saved. The replay saved in this slot before is kept.");
  EXPECT_EQ(ReadFile(SlotPath(3)), old);
  EXPECT_FALSE(fs::exists("Replay03.sav.tmp"));

  // A folder in the slot's place: the whole file cannot be put there.
  fs::create_directories("Replay04.sav/inside");
  Send(4);
  EXPECT_EQ(SaveReplaySlot(4), REPLAY_SAVE_FAILED);
  EXPECT_TRUE(fs::is_directory("Replay04.sav/inside"));
  EXPECT_FALSE(fs::exists("Replay04.sav.tmp"));

  // A folder the game may not write in (root may write anywhere).
  if (geteuid() != 0) {
    fs::create_directory("locked");
    WriteFile("locked/Replay03.sav", old);
    fs::current_path("locked");
    chmod(".", 0555);
    EXPECT_EQ(SaveReplaySlot(3), REPLAY_SAVE_FAILED);
    chmod(".", 0755);
    fs::current_path("..");
    EXPECT_EQ(ReadFile("locked/Replay03.sav"), old);
  }

  // Nothing to save into no slot, into a slot the screen did not prepare,
  // or without a ring.
  EXPECT_EQ(SaveReplaySlot(10), REPLAY_SAVE_NOTHING);
  EXPECT_EQ(SaveReplaySlot(5), REPLAY_SAVE_NOTHING);
  EXPECT_FALSE(fs::exists(SlotPath(5)));
  Send(5);
  ReplayBuffer_Free();
  EXPECT_EQ(SaveReplaySlot(5), REPLAY_SAVE_NOTHING);
  EXPECT_FALSE(fs::exists(SlotPath(5)));
}

// ---- the save screen ----

TEST_F(ReplayFileTest, TheSaveScreenWithoutAChoiceSavesNothingAndCancelLeaves) {
  ReplaySaveScreen_Open();
  EXPECT_EQ(ReplaySaveScreen_ChosenSlot(), -1);
  EXPECT_EQ(Send(REPLAY_SAVE_REGION_SAVE), GN_RESULT_HANDLED);
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) EXPECT_FALSE(fs::exists(SlotPath(slot)));
  // Only the click (the release) acts.
  EXPECT_EQ(Send(5, GN_MSG_PRESS), GN_RESULT_HANDLED);
  EXPECT_EQ(Send(5, GN_MSG_ENTER), GN_RESULT_HANDLED);
  EXPECT_EQ(ReplaySaveScreen_ChosenSlot(), -1);
  EXPECT_EQ(Send(77), GN_RESULT_HANDLED);
  EXPECT_EQ(Send(REPLAY_SAVE_REGION_CANCEL), GN_RESULT_LEAVE);
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) EXPECT_FALSE(fs::exists(SlotPath(slot)));
}

TEST_F(ReplayFileTest, TheSlotTextNamesTheSidesTheScoreAndTheMatchTime) {
  struct Case {
    int period, frames, length, home, away, slot;
    const char* text;
  } cases[] = {
      {0, 0, 3000, 0, 0, 0, " 1: Alpha Rovers 0 - 0 Beta Town, 0:00"},
      {1, 211, 3000, 2, 1, 2, " 3: Alpha Rovers 2 - 1 Beta Town, 48:09"},
      {2, 1500, 3000, 3, 3, 9, "10: Alpha Rovers 3 - 3 Beta Town, 97:30"},
      {3, 3000, 3000, 4, 10, 5, " 6: Alpha Rovers 4 - 10 Beta Town, 120:00"},
  };
  for (const Case& c : cases) {
    period = static_cast<int8_t>(c.period);
    PeriodFrames = c.frames;
    PeriodLengthFrames = c.length;
    Score[0] = static_cast<int16_t>(c.home);
    Score[1] = static_cast<int16_t>(c.away);
    ReplaySaveScreen_Open();
    Send(static_cast<int16_t>(c.slot));
    EXPECT_STREQ(ReplaySaveHeaderText(c.slot), c.text);
    EXPECT_EQ(std::memcmp(ReplaySaveHeader(c.slot), "RP01", 4), 0);
  }
  // Names of the longest kind still end the text within its field.
  uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side) std::memset(setup + MATCH_SETUP_TEAM_OFFSET[side], 'W', 40);
  EXPECT_EQ(ReplaySlotTextNow(0), " 1: " + std::string(40, 'W') + " 4 - 10 " + std::string(40, 'W') + ", 120:00");
}

// Each opening reads the headers from disk again; a slot chosen and then
// left for another shows what is saved in it again.
TEST_F(ReplayFileTest, TheSaveScreenShowsWhatIsOnDisk) {
  SetMatchMoment();
  ReplaySaveScreen_Open();
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) EXPECT_EQ(ReplaySaveHeaderText(slot), Blank());
  WriteFile(SlotPath(7), good_);
  WriteFile(SlotPath(8), Bytes(good_.begin(), good_.begin() + 200));  // its header whole, the file short
  ReplaySaveScreen_Open();
  EXPECT_STREQ(ReplaySaveHeaderText(7), " 3: Alpha Rovers 2 - 1 Beta Town, 48:09");
  EXPECT_EQ(ReplaySaveHeaderText(8), Blank());
  Send(7);
  EXPECT_STREQ(ReplaySaveHeaderText(7), " 8: Alpha Rovers 2 - 1 Beta Town, 48:09");
  Send(1);
  EXPECT_STREQ(ReplaySaveHeaderText(7), " 3: Alpha Rovers 2 - 1 Beta Town, 48:09");
  EXPECT_STREQ(ReplaySaveHeaderText(1), " 2: Alpha Rovers 2 - 1 Beta Town, 48:09");
  fs::remove(SlotPath(7));
  ReplaySaveScreen_Open();
  EXPECT_EQ(ReplaySaveHeaderText(7), Blank());
  EXPECT_EQ(ReplaySaveScreen_ChosenSlot(), -1);
}

TEST(ReplaySaveScreenMap, EverySlotAndButtonHasARegionOfItsOwn) {
  int16_t id = -1;
  std::vector<int16_t> ids;
  for (const GNDisplayItem* item = ReplaySaveScreenMap(); item->type != GN_ITEM_END; ++item) {
    if (item->type == GN_ITEM_REGION_ID) id = static_cast<int16_t>(item->data.value);
    if (item->callback) ids.push_back(id);
  }
  EXPECT_EQ(ids, (std::vector<int16_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, REPLAY_SAVE_REGION_SAVE,
                                       REPLAY_SAVE_REGION_CANCEL}));
}

// ---- the lists ----

TEST_F(ReplayFileTest, CountReplayFilesCountsTheSlotFilesThatOpen) {
  EXPECT_EQ(CountReplayFiles(), 0);
  WriteFile(SlotPath(0), good_);
  WriteFile(SlotPath(3), Bytes{'x'});
  WriteFile(SlotPath(9), Bytes{});
  fs::create_directory(SlotPath(5));      // a folder is no file
  WriteFile("Replay10.sav", good_);       // no slot 10
  WriteFile("Replay01.sav.tmp", good_);   // an unfinished save
  EXPECT_EQ(CountReplayFiles(), 3);
}

TEST_F(ReplayFileTest, TheLoadListShowsEachSlotAndWhichCanPlay) {
  WriteFile(SlotPath(2), good_);
  Bytes foreign = good_;
  std::memcpy(foreign.data(), "RIFF", 4);
  WriteFile(SlotPath(4), foreign);
  Bytes damaged = good_;
  StoreI16(damaged.data() + 13001 + REPLAY_MATCH_STATE, 99);
  WriteFile(SlotPath(5), damaged);
  BuildReplaySlotList();
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    SCOPED_TRACE(slot);
    if (slot == 2 || slot == 5) {
      EXPECT_EQ(std::string(ReplayListRowText(slot)),
                (slot == 2 ? " 3: " : " 6: ") + std::string(" 3: Alpha Rovers 2 - 1 Beta Town, 48:09"));
      EXPECT_TRUE(ReplayListRowAvailable(slot));
    } else {
      char row[32];
      std::snprintf(row, sizeof row, "%2d: <Blank Slot>", slot + 1);
      EXPECT_STREQ(ReplayListRowText(slot), row);
      EXPECT_FALSE(ReplayListRowAvailable(slot));
    }
  }

  // An unavailable row does nothing.
  MenuOption = 55;
  replayMode = 0;
  EXPECT_EQ(ReplayLoadRowAt(4), MENU_RESULT_NONE);
  EXPECT_EQ(ReplayLoadRowAt(10), MENU_RESULT_NONE);
  EXPECT_EQ(MenuOption, 55);
  EXPECT_EQ(replayMode, 0);
  EXPECT_EQ(ReplayChosenSlot(), -1);

  // A replay that fails its checks says "Load Failed" and goes back to the
  // start page; the next match is live.
  const Live before = TakeLive();
  MenuPrims_ClearCalls();
  replayMode = 3;
  EXPECT_EQ(ReplayLoadRowAt(5), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
  EXPECT_EQ(replayMode, 0);
  EXPECT_EQ(ReplayChosenSlot(), -1);
  ASSERT_FALSE(MenuPrims_Calls().empty());
  EXPECT_EQ(MenuPrims_Calls().back().name, "DoMessageBox");
  EXPECT_EQ(MenuPrims_Calls().back().text, "Load Failed");
  EXPECT_TRUE(TakeLive() == before);

  // A good one is chosen and played as the match of option 56.
  EXPECT_EQ(ReplayLoadRowAt(2), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 56);
  EXPECT_EQ(replayMode, 3);
  EXPECT_EQ(ReplayChosenSlot(), 2);
  EXPECT_TRUE(TakeLive() == before);  // loaded only when the match starts

  EXPECT_EQ(ReplayLoadBack(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
  EXPECT_EQ(replayMode, 0);
}

// ---- the match's side ----

TEST_F(ReplayFileTest, TheMatchRunLoadsTheChosenSlotOrSaysLoadFailed) {
  WriteFile(SlotPath(2), good_);
  BuildReplaySlotList();
  ASSERT_EQ(ReplayLoadRowAt(2), MENU_RESULT_LEAVE);

  // The file changes between the choice and the match: nothing is taken.
  Bytes damaged = good_;
  StoreI16(damaged.data() + 1104 + SETUP_DISPLAY_MODE, 7);
  WriteFile(SlotPath(2), damaged);
  const Live before = TakeLive();
  MenuPrims_ClearCalls();
  EXPECT_EQ(LoadChosenReplaySlot(), 0);
  EXPECT_EQ(replayMode, 0);
  EXPECT_TRUE(TakeLive() == before);
  EXPECT_EQ(ReplayStartRequest, 0);
  ASSERT_FALSE(MenuPrims_Calls().empty());
  EXPECT_EQ(MenuPrims_Calls().back().text, "Load Failed");

  WriteFile(SlotPath(2), good_);
  replayMode = 3;
  MenuRequest = 5;  // left over from the last match
  std::memset(replayBuffer, 0, REPLAY_BUFFER_SIZE);
  EXPECT_EQ(LoadChosenReplaySlot(), 1);
  EXPECT_EQ(ReadFile(SlotPath(2)), ImageOfLive(" 3: Alpha Rovers 2 - 1 Beta Town, 48:09"));
  EXPECT_EQ(ReplayStartRequest, 1);
  EXPECT_EQ(ReplayFollowUp, 3);
  EXPECT_EQ(MenuRequest, 0);
}

// The whole path: a saved replay chosen on the list plays as a match of one
// period over the loaded ring, from its oldest frame to its newest, and the
// period ends when the viewer leaves the replay.
TEST_F(ReplayFileTest, ASavedReplayPlaysThroughTheMatch) {
  WriteFile(SlotPath(2), good_);
  const Live saved = TakeLive();
  BuildReplaySlotList();
  ASSERT_EQ(ReplayLoadRowAt(2), MENU_RESULT_LEAVE);
  ClearMatchSetupRecord();
  ReplayBuffer_Free();

  MatchSeams.loadReplaySlot = LoadChosenReplaySlot;
  MatchSeams.videoIsDirect3D = [] { return 1; };  // the device's frame: a stand-in that draws nothing
  static int frames;
  static int32_t furthest;
  static std::vector<int16_t> states;
  frames = 0;
  furthest = -1;
  states.clear();
  MatchSeams.d3dGameRenderFrame = [] {
    ++frames;
    furthest = std::max(furthest, ReplayPosition);
    if (ReplayPlaying) states.push_back(MatchState);
    if (frames == 900) ReplayEndRequest = 1;  // Esc: the next frame is the last of the replay
  };
  PlayMatch();
  EXPECT_EQ(frames, 901);  // the frame after the replay, then the period ends
  EXPECT_EQ(furthest, 749);
  // The oldest frame first: the capture at ring slot replayWrite (50), whose
  // state the recording set from its frame number (800 - 750 + 0).
  ASSERT_GE(states.size(), 750u);
  EXPECT_EQ(states[0], 50 % MATCH_STATE_COUNT);
  EXPECT_EQ(states[749], 799 % MATCH_STATE_COUNT);
  EXPECT_EQ(PeriodOver, 1);
  EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE), 2);
  EXPECT_EQ(Bytes(GetMatchSetupRecord(), GetMatchSetupRecord() + MATCH_SETUP_SIZE), saved.setup);
}

// ---- the screens on the menu screen, worked by clicks ----

class ReplayScreensTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    LoadMotions();  // from the generated pak the harness mounts
    ReplayBuffer_Alloc();
    WriteGoodSetup();
    RecordGoodRing();
  }
  void TearDown() override {
    FreeMotions();
    MenuHarness::TearDown();
  }
  // With GAFFERON_GRAB_OUT set, the screen grabbed before the last click is
  // copied there (to look at by eye).
  static void KeepGrab() {
    if (const char* out = std::getenv("GAFFERON_GRAB_OUT"))
      fs::copy_file("grab0001.tga", out, fs::copy_options::overwrite_existing);
  }
};

// Row 4 clicked, then "Save": the slot's file holds the match.
TEST_F(ReplayScreensTest, TheSaveScreenSavesTheChosenSlot) {
  WriteFile(SlotPath(0), Bytes(300, 1));
  period = 0;
  PeriodLengthFrames = 3000;
  PeriodFrames = 1000;
  Score[0] = 1;
  Score[1] = 0;
  const std::string script = menutest::GNClickScript({{320, 62 + 33 * 3 + 15}, {220, 441}}, PlatRawTicks() + 50);
  std::string error;
  ASSERT_TRUE(PlatLoadEventScript(script, &error)) << error;
  ReplaySaveScreen();
  PlatClearEventScript();
  KeepGrab();
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
  const Bytes file = ReadFile(SlotPath(3));
  ASSERT_EQ(file.size(), 390251u);
  EXPECT_STREQ(reinterpret_cast<const char*>(file.data() + 4), " 4: Alpha Rovers 1 - 0 Beta Town, 15:00");
  EXPECT_EQ(ReadFile(SlotPath(0)), Bytes(300, 1));
}

// An unavailable row does nothing; a good one leaves for the match.
TEST_F(ReplayScreensTest, TheLoadListPlaysAChosenSlot) {
  WriteFile(SlotPath(2), ImageOfLive(" 3: Alpha Rovers 2 - 1 Beta Town, 48:09"));
  WriteFile(SlotPath(0), Bytes(300, 1));
  MenuOption = 55;
  std::vector<menutest::Step> steps = {menutest::ClickAt(10, 320, 78 + 17), menutest::ClickAt(60, 320, 78 + 72 + 17)};
  if (std::getenv("GAFFERON_GRAB_OUT")) steps.insert(steps.begin() + 1, menutest::KeyAt(50, "ScrollLock"));
  ASSERT_TRUE(Run(ReplaySlotScreen, steps));
  KeepGrab();
  EXPECT_EQ(MenuOption, 56);
  EXPECT_EQ(replayMode, 3);
  EXPECT_EQ(ReplayChosenSlot(), 2);
  const auto rows = HotspotsOfKind(MI_TEXT_BUTTON);
  ASSERT_EQ(rows.size(), 10u);
  for (int row = 0; row < REPLAY_SLOTS; ++row) EXPECT_EQ(rows[row].y, 78 + 36 * row);

  MenuOption = 55;
  ASSERT_TRUE(Run(ReplaySlotScreen, {menutest::ClickAt(10, 590, 460)}));
  EXPECT_EQ(MenuOption, 24);
  EXPECT_EQ(replayMode, 0);
}

}  // namespace
