#include "render256/polyman.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "generic/kitload.h"
#include "generic/pccamera.h"
#include "menus/kittab.h"
#include "render256/playernames.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/swscreen.h"
#include "render256/vidopt.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"

namespace {

constexpr int kViewW = 640, kViewH = 480, kBorder = GAME_SCREEN_BORDER;
constexpr int kGuardRows = 32;  // beyond the buffer: must stay untouched
constexpr uint8_t kBackground = 0xEE;

// A game screen (view plus its border) inside a larger block whose outer
// rows and columns tell whether anything was written outside the buffer.
struct GuardedScreen {
  int width = kViewW + 2 * kBorder, height = kViewH + 2 * kBorder;
  int stride = width + 2 * kGuardRows;
  std::vector<uint8_t> block =
      std::vector<uint8_t>(static_cast<size_t>(stride) * (height + 2 * kGuardRows), kBackground);
  GfxBuffer buffer{};
  GuardedScreen() {
    buffer.w = static_cast<int16_t>(width);
    buffer.h = static_cast<int16_t>(height);
    buffer.width = width;
    buffer.height = height;
    buffer.stride = stride;
    buffer.pixels = block.data() + static_cast<size_t>(kGuardRows) * stride + kGuardRows;
  }
  uint8_t At(int x, int y) const { return buffer.pixels[static_cast<ptrdiff_t>(y) * stride + x]; }
  bool GuardIntact() const {
    for (int y = -kGuardRows; y < height + kGuardRows; ++y)
      for (int x = -kGuardRows; x < width + kGuardRows; ++x) {
        const bool inside = x >= 0 && x < width && y >= 0 && y < height;
        if (!inside && At(x, y) != kBackground) return false;
      }
    return true;
  }
  int Changed() const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += At(x, y) != kBackground;
    return n;
  }
  int CountColour(uint8_t colour) const {
    int n = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) n += At(x, y) == colour;
    return n;
  }
  void Clear() { std::fill(block.begin(), block.end(), kBackground); }
};

void PutBody(int object, float x, float y, int16_t motion, int16_t frame, int16_t facing) {
  RenderObjects[object] = RenderObject{x, 0.0f, y, motion, frame, facing, 0};
}

class PolyManTest : public EngineTest {
 protected:
  GuardedScreen screen;
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
    for (auto& r : RenderObjects) r = RenderObject{0.0f, 0.0f, 0.0f, -1, 0, 0, 0};
    SideSlots[0][0] = 0;
    SideSlots[1][0] = 16;
    ScreenWidth = kViewW;
    ScreenHeight = kViewH;
    CurrentCamera = 0;
    Cameras[0].zoom = 1.0f;
    SetViewScreen(&screen.buffer, kViewW, kViewH);
    SetCameraProjection(kViewW, kViewH, 8.0 * screen.width, 8.0 * screen.height);
    // From behind the first goal line, looking along the pitch and a little down.
    LookFrom(796.0f, 880.0f, 90.0f);
  }
  static void LookFrom(float across, float along, float height) {
    SetSoftwareCamera(across, along, height, 3.1415927f, 4.45f, 1.0f);
  }
  // The built data set: its pak, both sides' kits and the motions.
  static bool OpenDataSet() {
    if (!std::filesystem::exists(BuiltGameDir() / "pakfiles" / "hdcommon.pki")) return false;
    OpenBuiltHardDiskPak();
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
    std::memcpy(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_KIT, KitHomeDesigns[3].bytes,
                sizeof KitHomeDesigns[3].bytes);
    std::memcpy(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_KIT, KitAwayDesigns[17].bytes,
                sizeof KitAwayDesigns[17].bytes);
    LoadMotions();
    return true;
  }
};

TEST_F(PolyManTest, LevelOfDetailFollowsTheThresholdsOfTheDetailSetting) {
  struct Case {
    int32_t size;
    int detail, level;
  };
  const Case cases[] = {
      {0, 0, 0},   {22, 0, 0},   {23, 0, 1},      {55, 0, 1},  {56, 0, 2},      {149, 0, 3},
      {150, 0, 4}, {5000, 0, 4}, {9999999, 0, 5}, {45, 1, 0},  {46, 1, 1},      {300, 1, 4},
      {92, 2, 0},  {93, 2, 1},   {599, 2, 3},     {600, 2, 4}, {9999998, 2, 4},
  };
  for (const Case& c : cases) EXPECT_EQ(PlayerModelLevel(c.size, c.detail), c.level) << c.size << " " << c.detail;
}

TEST_F(PolyManTest, ProjectedSizeIsScaledToA640WideScreenAndDividedByZoom) {
  struct Case {
    int32_t width;
    float zoom, depth;
    int32_t size;
  };
  const Case cases[] = {{640, 1.0f, 22.9f, 22},
                        {1280, 1.0f, 100.0f, 50},
                        {1280, 2.0f, 100.0f, 25},
                        {1024, 1.0f, 150.0f, 93},
                        {640, 3.0f, 100.0f, 33}};
  for (const Case& c : cases) {
    ScreenWidth = c.width;
    Cameras[0].zoom = c.zoom;
    EXPECT_EQ(PlayerModelSize(c.depth), c.size) << c.width << " " << c.zoom << " " << c.depth;
  }
}

TEST_F(PolyManTest, OfficialsWearTheRefereesModelAndKeepersTheKeepers) {
  SideSlots[0][0] = 3;  // the first side's keeper stands at another object
  struct Case {
    int object, kind;
  };
  const Case cases[] = {{0, MODEL_KIND_PLAYER},   {3, MODEL_KIND_KEEPER},  {15, MODEL_KIND_PLAYER},
                        {16, MODEL_KIND_KEEPER},  {31, MODEL_KIND_PLAYER}, {32, MODEL_KIND_REFEREE},
                        {33, MODEL_KIND_REFEREE}, {34, MODEL_KIND_REFEREE}};
  for (const Case& c : cases) EXPECT_EQ(PlayerModelKindOf(c.object), c.kind) << c.object;
}

TEST_F(PolyManTest, BodyPartsAreDrawnFarthestFirst) {
  struct Case {
    std::vector<std::array<float, 2>> depths;
    std::vector<int> order;
  };
  const std::vector<Case> cases = {
      {{{10, 20}, {30, 40}, {20, 30}}, {1, 2, 0}},               // apart: by depth
      {{{40, 30}, {10, 20}}, {0, 1}},                            // ends in either order
      {{{10, 50}, {20, 30}}, {0, 1}},                            // one inside the other: the one reaching farther
      {{{10, 30}, {20, 40}, {25, 26}, {0, 100}}, {3, 1, 2, 0}},  // a chain of overlaps
      {{}, {}},
  };
  for (const Case& c : cases) {
    float depths[NOD_MAX_PARTS][2];
    for (size_t k = 0; k < c.depths.size(); ++k) depths[k][0] = c.depths[k][0], depths[k][1] = c.depths[k][1];
    int order[NOD_MAX_PARTS] = {};
    OrderBodyParts(depths, static_cast<int>(c.depths.size()), order);
    EXPECT_EQ(std::vector<int>(order, order + c.depths.size()), c.order);
  }
  // Many overlapping parts (no strict weak order among them) still come out
  // as a permutation of all parts.
  float depths[NOD_MAX_PARTS][2];
  for (int k = 0; k < NOD_MAX_PARTS; ++k)
    depths[k][0] = static_cast<float>((k * 37) % 23), depths[k][1] = depths[k][0] + 10 + k % 7;
  int order[NOD_MAX_PARTS];
  OrderBodyParts(depths, NOD_MAX_PARTS, order);
  std::vector<int> seen(order, order + NOD_MAX_PARTS);
  std::sort(seen.begin(), seen.end());
  for (int k = 0; k < NOD_MAX_PARTS; ++k) EXPECT_EQ(seen[k], k);
}

TEST_F(PolyManTest, AFacingOutsideTheTurnAborts) {
  for (int16_t facing : {int16_t{256}, int16_t{-1}}) {
    PutBody(5, 796.0f, 1082.0f, 0, 0, facing);
    EXPECT_FATAL(DrawPlayerObject(5), "Heading error");
    EXPECT_FATAL(DrawPlayerFill(5), "Heading error");
    ModelDetail = 2;
    EXPECT_FATAL(DrawPlayerShadow(5), "Heading error");
  }
}

TEST_F(PolyManTest, AMotionOrFrameNoClipHoldsAbortsNamingThem) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  struct Case {
    int16_t motion, frame;
    const char* message;
  };
  const Case cases[] = {{MOTION_COUNT, 0, "object 7 has motion 159 frame 0"},
                        {0, 48, "object 7 has motion 0 frame 48"},
                        {0, -1, "object 7 has motion 0 frame -1"},
                        {-3, 0, "object 7 has motion -3 frame 0"}};
  for (const Case& c : cases) {
    PutBody(7, 796.0f, 1082.0f, c.motion, c.frame, 64);
    EXPECT_FATAL(DrawPlayerObject(7), c.message);
  }
}

TEST_F(PolyManTest, ModelMinusTwoHasOnlyTheBlobShadowOfTheLowestDetail) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  LoadPlayerModels();
  ShadowColour = SHADOW_COLOUR;
  PutBody(9, 796.0f, 1082.0f, -2, 0, 64);
  for (int detail = 0; detail <= 2; ++detail) {
    ModelDetail = detail;
    screen.Clear();
    DrawPlayerShadow(9);
    DrawPlayerObject(9);
    EXPECT_EQ(screen.CountColour(SHADOW_COLOUR) > 0, detail == 0) << detail;
    EXPECT_EQ(screen.Changed(), screen.CountColour(SHADOW_COLOUR)) << detail;
  }
  FreePlayerModels();
}

TEST_F(PolyManTest, PosedBodiesAndShadowsStayInsideTheBuffer) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  LoadPlayerModels();
  ShadowColour = SHADOW_COLOUR;
  // Bodies in mid-view, at the edges, straddling the near plane and under
  // the eye, in several clips, frames and facings; every detail setting.
  const float places[][2] = {{796, 1082},  {796, 960},  {796, 905},  {796, 885}, {500, 1000},
                             {1100, 1000}, {796, 1600}, {796, 2042}, {760, 890}, {640, 1200}};
  const int16_t clips[] = {MOTION_ANF001, MOTION_ANF011, MOTION_ANF141, MOTION_ANF003R};
  for (int detail = 0; detail <= 2; ++detail) {
    ModelDetail = detail;
    screen.Clear();
    int object = 0;
    for (const auto& p : places)
      for (int16_t clip : clips) {
        const int16_t frames = static_cast<int16_t>(GetMotionFrames(clip));
        PutBody(object, p[0], p[1], clip, static_cast<int16_t>((object * 7) % frames),
                static_cast<int16_t>((object * 37) & 255));
        RenderObjects[object].headTurn = static_cast<int16_t>(object % 81 - 40);
        object = (object + 1) % 35;
      }
    for (int o = 0; o < 35; ++o) DrawPlayerShadow(o);
    for (int o = 0; o < 35; ++o) DrawPlayerObject(o);
    RenderObjects[35] = RenderObject{796.0f, 20.0f, 1000.0f, 0, 0, 0, 0};
    DrawBallShadow(35);
    DrawBallObject(35);
    EXPECT_TRUE(screen.GuardIntact()) << detail;
    EXPECT_GT(screen.Changed(), 2000) << detail;
  }
  FreePlayerModels();
}

TEST_F(PolyManTest, ABodyInViewDrawsItsKitWithTheLevelItsSizeAsks) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  LoadPlayerModels();
  ModelDetail = 2;
  PutBody(33, 796.0f, 1000.0f, MOTION_ANF001, 0, 64);
  DrawPlayerObject(33);
  const PlayerDrawInfo& info = LastPlayerDraw();
  EXPECT_EQ(info.kind, MODEL_KIND_REFEREE);
  EXPECT_EQ(info.level, PlayerModelLevel(PlayerModelSize(PlayerDepth(33)), 2));
  EXPECT_GT(info.surfacesDrawn, 20);
  EXPECT_GT(screen.Changed(), 100);
  // A body that is hidden draws nothing.
  screen.Clear();
  RenderObjects[33].motion = -1;
  DrawPlayerObject(33);
  DrawPlayerShadow(33);
  EXPECT_EQ(screen.Changed(), 0);
  FreePlayerModels();
}

TEST_F(PolyManTest, ABlobAcrossTheNearPlaneIsClippedNotThrownAcrossTheScreen) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  ShadowColour = SHADOW_COLOUR;
  // A low eye looking down ahead: the near plane cuts the ball's shadow.
  SetSoftwareCamera(796.0f, 1082.0f, 12.0f, 3.1415927f, 3.93f, 1.0f);
  RenderObjects[35] = RenderObject{796.0f, 0.0f, 1098.0f, 0, 0, 0, 0};
  DrawBallShadow(35);
  EXPECT_TRUE(screen.GuardIntact());
  const int drawn = screen.CountColour(SHADOW_COLOUR);
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(screen.Changed(), drawn);
}

TEST_F(PolyManTest, OverlayModelsAreTheFillBodiesAndTheBallOnly) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  LoadOverlayModels();
  for (int kind = 0; kind < PLAYER_MODEL_KINDS; ++kind) {
    EXPECT_NE(GetPlayerModel(kind, PLAYER_MODEL_FILL), nullptr);
    for (int level = 0; level < PLAYER_MODEL_FILL; ++level) EXPECT_EQ(GetPlayerModel(kind, level), nullptr);
  }
  EXPECT_NE(GetSimpleModel(SIMPLE_MODEL_BALL), nullptr);
  EXPECT_EQ(GetSimpleModel(SIMPLE_MODEL_CONE), nullptr);
  // The ball is drawn from them, turned by its spin.
  BallDrawAngles[0] = 0.5f;
  RenderObjects[35] = RenderObject{796.0f, 20.0f, 1000.0f, 0, 0, 0, 0};
  DrawBallObject(35);
  EXPECT_GT(screen.Changed(), 10);
  EXPECT_TRUE(screen.GuardIntact());
  FreeOverlayModels();
  EXPECT_EQ(GetPlayerModel(0, PLAYER_MODEL_FILL), nullptr);
  EXPECT_EQ(GetSimpleModel(SIMPLE_MODEL_BALL), nullptr);
}

TEST_F(PolyManTest, ANameLabelStandsOnTheHeadPointOnlyWhenItIsInView) {
  if (!OpenDataSet()) GTEST_SKIP() << "no built game data";
  std::strcpy(reinterpret_cast<char*>(GetMatchSetupRecord() + SetupPlayerOffset(0, 4) + SETUP_PLAYER_SURNAME),
              "Wright");
  InitPlayerNames();
  const int width = GetPlayerNameStrip().width[4], height = GetPlayerNameStrip().buffer->height;
  struct Case {
    float across, along;
    int16_t motion;
    bool drawn;
  };
  const Case cases[] = {
      {796.0f, 1082.0f, 0, true},    // ahead
      {796.0f, 700.0f, 0, false},    // behind the eye
      {400.0f, 1000.0f, 0, false},   // beside the view
      {796.0f, 1082.0f, -1, false},  // hidden
      {796.0f, 1082.0f, -2, true},   // shadow only: still named
  };
  for (const Case& c : cases) {
    screen.Clear();
    PutBody(4, c.across, c.along, c.motion, 0, 64);
    DrawPlayerLabel(4);
    EXPECT_EQ(screen.Changed() > 0, c.drawn) << c.across << " " << c.along << " " << c.motion;
    EXPECT_LE(screen.Changed(), width * height);
  }
  // The label's bottom row is the head point's row.
  screen.Clear();
  PutBody(4, 796.0f, 1082.0f, 0, 0, 64);
  DrawPlayerLabel(4);
  int32_t x = 0, y = 0;
  ASSERT_EQ(ProjectPointToScreen(796.0f, LABEL_HEIGHT, 1082.0f, &x, &y), 1);
  int lowest = -1;
  for (int row = 0; row < screen.height; ++row)
    for (int col = 0; col < screen.width; ++col)
      if (screen.At(col, row) != kBackground) lowest = row;
  EXPECT_LE(lowest, y + kBorder);
  EXPECT_GE(lowest, y + kBorder - height);
  FreePlayerNames();
}

}  // namespace
