#include "gamecode/motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "engine/poll.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "menus/loadbar.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

class MotionTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(16000);
  }
  void TearDown() override {
    FreeMotions();
    EngineTest::TearDown();
  }
};

// The clip's frame count and its frames, straight from the built data set.
int Frames(int clip) { return GetMotionFrames(clip); }

int AngleStep(uint8_t a, uint8_t b) {
  int d = (a - b) & 0xFF;
  return d > 128 ? 256 - d : d;
}

// The largest change of any joint angle from one frame to another.
int PoseChange(int clip, int from, int to) {
  const uint8_t* a = GetMotionFrame(clip, from);
  const uint8_t* b = GetMotionFrame(clip, to);
  int most = 0;
  for (int i = 27; i < MOTION_FRAME_SIZE; ++i) most = std::max(most, AngleStep(a[i], b[i]));
  return most;
}

TEST_F(MotionTest, LoadsTheGeneratedClipsFromTheHardDiskPak) {
  ASSERT_TRUE(WithBuiltHardDiskPak([] {
    EXPECT_FALSE(MotionsLoaded());
    LoadMotions();
  }));
  ASSERT_TRUE(MotionsLoaded());

  // Every clip is longer than the frames the match code reads of it.
  for (int clip = 0; clip < MOTION_COUNT; ++clip) EXPECT_GE(Frames(clip), 48) << MotionNames[clip];
  struct Window {
    int clip, pastFrame;
  } windows[] = {
      {MOTION_ANF141H, 370}, {MOTION_ANF141G, 280}, {MOTION_ANF141D, 200}, {MOTION_ANF057, 114},
      {MOTION_ANF056, 71},   {MOTION_ANF036, 63},   {MOTION_ANF105B, 50},  {MOTION_ANF016, 57},
      {MOTION_ANF011, 42},   {MOTION_ANF019, 31},   {MOTION_ANF002, 30},   {MOTION_ANF050, 38},
  };
  for (const Window& w : windows) EXPECT_GT(Frames(w.clip), w.pastFrame) << MotionNames[w.clip];

  // The loops close: stepping from the last frame to the frame the match
  // code wraps to is no bigger a change than the clip's own steps.
  struct Loop {
    int clip, wrap;
  } loops[] = {{MOTION_ANF001, 0},  {MOTION_ANF011, 42}, {MOTION_ANF016, 57}, {MOTION_ANF019, 0},
               {MOTION_ANF019, 31}, {MOTION_ANF021, 0},  {MOTION_ANF023, 0},  {MOTION_ANF025, 0},
               {MOTION_ANF071, 0},  {MOTION_ANF072, 0},  {MOTION_ANF123, 0},  {MOTION_ANF141C, 0}};
  for (const Loop& l : loops) {
    const int n = Frames(l.clip);
    int biggest = 0;
    for (int f = 0; f + 1 < n; ++f) biggest = std::max(biggest, PoseChange(l.clip, f, f + 1));
    EXPECT_GT(biggest, 0) << MotionNames[l.clip];
    EXPECT_LE(PoseChange(l.clip, n - 1, l.wrap), biggest) << MotionNames[l.clip] << " wrapping to " << l.wrap;
  }

  // A mirrored clip is its clip's mirror image: the hand on the other side.
  for (int f : {0, 40, 80}) {
    const float hand = LoadF32(GetMotionFrame(MOTION_ANF144, f) + 12);
    EXPECT_FLOAT_EQ(LoadF32(GetMotionFrame(MOTION_ANF144R, f) + 12), -hand);
  }
  EXPECT_EQ(GetMotionFrame(MOTION_ANF001, Frames(MOTION_ANF001)), nullptr);
  EXPECT_EQ(GetMotionFrame(MOTION_COUNT, 0), nullptr);
  EXPECT_EQ(GetMotionFrames(-1), 0);

  FreeMotions();
  EXPECT_FALSE(MotionsLoaded());
  EXPECT_EQ(GetMotionFrames(MOTION_ANF001), 0);
}

std::vector<uint8_t> ClipFile(int32_t size, int32_t frames, size_t dataBytes) {
  std::vector<uint8_t> bytes(8 + dataBytes, 0);
  StoreI32(&bytes[0], size);
  StoreI32(&bytes[4], frames);
  return bytes;
}

// A pak with every clip well formed except ANF004, which gets the given bytes.
void WritePakWithBadClip(const std::vector<uint8_t>& bad) {
  std::vector<PakWriteItem> items;
  for (int clip = 0; clip < MOTION_COUNT; ++clip) {
    std::string name = std::string("ZVDATA\\COMMON\\SSKIN\\MOTIONS\\") + MotionNames[clip] + ".RAW";
    items.push_back({name, clip == MOTION_ANF004 ? bad : ClipFile(2 * 90, 2, 2 * 90)});
  }
  std::filesystem::create_directories("pakfiles");
  std::string error;
  ASSERT_TRUE(PakWriteFiles("pakfiles/test", items, PAK_STORE_PLAIN, nullptr, &error)) << error;
  PakFileReset();
  PakFileInit();
  PakFileAdd("pakfiles\\test");
  PakFileAddDone();
}

TEST_F(MotionTest, MalformedClipsStopTheProgramNamingTheFile) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* message;
  } cases[] = {
      {"empty", {}, "Motion capture file too short \\(ZVDATA.*ANF004\\.RAW, 0 bytes\\)"},
      {"short header", {1, 2, 3, 4, 5, 6, 7}, "Motion capture file too short \\(ZVDATA.*ANF004\\.RAW, 7 bytes\\)"},
      {"size beyond the file", ClipFile(3 * 90, 3, 2 * 90), "Motion capture file wrong size \\(.*ANF004\\.RAW\\)"},
      {"size short of the file", ClipFile(90, 1, 2 * 90), "Motion capture file wrong size \\(.*ANF004\\.RAW\\)"},
      {"negative size", ClipFile(-8, 1, 0), "Motion capture file wrong size \\(.*ANF004\\.RAW\\)"},
      {"no frames", ClipFile(0, 0, 0), "Motion capture file has 0 frames \\(.*ANF004\\.RAW\\)"},
      {"negative frames", ClipFile(90, -1, 90), "Motion capture file has -1 frames \\(.*ANF004\\.RAW\\)"},
      {"frames against size", ClipFile(3 * 90, 2, 3 * 90),
       "for 2 frames, data size should be 180, but was 270 \\(.*ANF004\\.RAW\\)"},
      // 47,721,859 x 90 is 14 in 32 bits: the size must not pass.
      {"frames x 90 past 32 bits", ClipFile(14, 47721859, 14),
       "for 47721859 frames, data size should be 4294967310, but was 14 \\(.*ANF004\\.RAW\\)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchDir dir("motion");
    WritePakWithBadClip(c.bytes);
    EXPECT_FATAL(LoadMotions(), c.message);
  }
}

TEST_F(MotionTest, WellFormedClipsLoadWithTheirFrameCounts) {
  ScratchDir dir("motion");
  std::vector<uint8_t> clip = ClipFile(5 * 90, 5, 5 * 90);
  StoreF32(&clip[8 + 4 * 90 + 12], 7.5f);  // frame 4's hand point, across
  WritePakWithBadClip(clip);
  LoadMotions();
  EXPECT_EQ(GetMotionFrames(MOTION_ANF004), 5);
  EXPECT_EQ(GetMotionFrames(MOTION_ANF001), 2);
  EXPECT_FLOAT_EQ(LoadF32(GetMotionFrame(MOTION_ANF004, 4) + 12), 7.5f);
  EXPECT_EQ(GetMotionFrame(MOTION_ANF004, 5), nullptr);
  EXPECT_EQ(GetMotionFrame(MOTION_ANF004, -1), nullptr);
  // Loading again replaces the clips, and with a loading bar running the
  // clips fill exactly the block the loader was given.
  StartWindowAndTimer();
  InitPoll();
  LoadBar_Init([](const LoadBarEvent*) {}, nullptr);
  LoadBar_StartBlock(4.0f, 1.0f);
  LoadMotions();
  EXPECT_EQ(GetMotionFrames(MOTION_ANF004), 5);
  EXPECT_EQ(LoadBar_State().depth, 1);
  EXPECT_FLOAT_EQ(LoadBar_State().blocks[1].done, 1.0f);
  LoadBar_EndBlock();
  EXPECT_FLOAT_EQ(LoadBar_Fraction(), 1.0f);
  LoadBar_Uninit();
}

// A clip whose frame f has the root at (1, 2) and the hand at (1 + f, 2 + 3)
// and hand height 9.
TEST_F(MotionTest, TheBallSitsInTheHoldersHandsTurnedByHisFacing) {
  ScratchDir dir("motion");
  std::vector<uint8_t> clip = ClipFile(4 * 90, 4, 4 * 90);
  for (int f = 0; f < 4; ++f) {
    uint8_t* frame = &clip[8 + 90 * f];
    StoreF32(frame + 0, 1);
    StoreF32(frame + 4, 2);
    StoreF32(frame + 8, 0.5f);
    StoreF32(frame + 12, 1.0f + f);
    StoreF32(frame + 16, 5);
    StoreF32(frame + 20, 9);
  }
  WritePakWithBadClip(clip);
  LoadMotions();
  struct Case {
    int frame, drawFacing;
    float x, height, y;  // expected ball render position
  } cases[] = {
      // The clip's (across 2, along 3) turned by drawFacing and the quarter
      // turn of our models, which face +y.
      {2, 0, 100 - 3, 20 + 9, 500 + 2},    // a quarter turn: across' = -along, along' = across
      {2, 64, 100 - 2, 20 + 9, 500 - 3},   // half a turn
      {2, 128, 100 + 3, 20 + 9, 500 - 2},  // three quarters
      {0, 192, 100 + 0, 20 + 9, 500 + 3},  // frame 0: (0, 3) turned all the way round
      // Facing 0 runs towards -y (drawFacing 64): the ball held in front
      // (along 3 in the clip) is 3 towards -y.
      {0, 64, 100 + 0, 20 + 9, 500 - 3},
  };
  for (const Case& c : cases) {
    RenderObject& holder = RenderObjects[7];
    holder = RenderObject{100, 20, 500, MOTION_ANF004, static_cast<int16_t>(c.frame),
                          static_cast<int16_t>(c.drawFacing), 0};
    RenderObjects[OBJECT_BALL] = RenderObject{};
    PlaceBallInHands(OBJECT_BALL, 7);
    EXPECT_NEAR(RenderObjects[OBJECT_BALL].x, c.x, 1e-3) << c.drawFacing;
    EXPECT_NEAR(RenderObjects[OBJECT_BALL].height, c.height, 1e-3);
    EXPECT_NEAR(RenderObjects[OBJECT_BALL].y, c.y, 1e-3) << c.drawFacing;
  }
  // A bad clip or frame leaves the ball where it was drawn.
  for (auto [motion, frame] : {std::pair{MOTION_COUNT, 0}, {-1, 0}, {MOTION_ANF004, 4}, {MOTION_ANF004, -1}}) {
    RenderObjects[7].motion = static_cast<int16_t>(motion);
    RenderObjects[7].motionFrame = static_cast<int16_t>(frame);
    RenderObjects[OBJECT_BALL] = RenderObject{11, 12, 13, 0, 0, 0, 0};
    PlaceBallInHands(OBJECT_BALL, 7);
    EXPECT_EQ(RenderObjects[OBJECT_BALL].x, 11);
    EXPECT_EQ(RenderObjects[OBJECT_BALL].y, 13);
  }
  // Through the match's seam only the drawn ball moves: the ball object keeps
  // the position the rules gave it.
  RenderObjects[7] = RenderObject{100, 20, 500, MOTION_ANF004, 2, 0, 0};
  RenderObjects[OBJECT_BALL] = RenderObject{};
  MatchObjects[OBJECT_BALL].x = 90;
  MatchObjects[OBJECT_BALL].y = 490;
  MatchSeams.placeBallInHands(OBJECT_BALL, 7);
  EXPECT_NEAR(RenderObjects[OBJECT_BALL].x, 97, 1e-3);
  EXPECT_NEAR(RenderObjects[OBJECT_BALL].y, 502, 1e-3);
  EXPECT_EQ(int{MatchObjects[OBJECT_BALL].x}, 90);
  EXPECT_EQ(int{MatchObjects[OBJECT_BALL].y}, 490);
}

TEST_F(MotionTest, NothingIsLoadedBeforeLoadMotions) {
  EXPECT_FALSE(MotionsLoaded());
  EXPECT_EQ(GetMotionFrames(MOTION_ANF001), 0);
  EXPECT_EQ(GetMotionFrame(MOTION_ANF001, 0), nullptr);
  RenderObjects[3] = RenderObject{1, 2, 3, 0, 0, 0, 0};
  RenderObjects[OBJECT_BALL] = RenderObject{9, 9, 9, 0, 0, 0, 0};
  PlaceBallInHands(OBJECT_BALL, 3);
  EXPECT_EQ(RenderObjects[OBJECT_BALL].x, 9);
  FreeMotions();  // nothing to free
}

}  // namespace
