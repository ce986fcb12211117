#include "render256/swworld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "generic/kitload.h"
#include "generic/pccamera.h"
#include "menus/loadbar.h"
#include "render256/nodfile.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/textures.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr float kPi = 3.14159265358979f;

// A model built by hand: a square wall one unit across standing on the
// ground at the origin, its corners running so that its normal points
// towards larger `along`, flat-coloured.
struct HandModel {
  std::vector<NodPoint> points;
  std::vector<CameraPoint> transformed;
  std::vector<NodSurface> surfaces;
  std::vector<NodTexture> textures;
  NodModel model{};

  explicit HandModel(float side) {
    points = {{0, 0, side, 0, 0}, {0, 0, 0, 0, 0}, {side, 0, 0, 0, 0}, {side, 0, side, 0, 0}};
    NodSurface s{};
    for (int c = 0; c < 4; ++c) s.point[c] = static_cast<int16_t>(c);
    s.point[4] = -1;
    s.texture = 0;
    surfaces = {s};
    NodTexture t{};
    t.kind = NOD_TEXTURE_FLAT;
    textures = {t};
    Wire();
  }
  void Wire() {
    transformed.assign(points.size(), CameraPoint{});
    model.points = points.data();
    model.transformed = transformed.data();
    model.pointCount = model.pointCapacity = static_cast<int32_t>(points.size());
    model.surfaces = surfaces.data();
    model.surfaceCount = model.surfaceCapacity = static_cast<int32_t>(surfaces.size());
    model.textures = textures.data();
    model.textureCount = static_cast<int32_t>(textures.size());
  }
};

// A 640 x 480 view inside a larger block whose margins must stay untouched.
struct GuardedView {
  static constexpr uint8_t kGuard = 0xFB;
  static constexpr int kMargin = 64;
  static constexpr int kWidth = 640, kHeight = 480;
  static constexpr int kStride = kWidth + 2 * kMargin;
  std::vector<uint8_t> block;
  GfxBuffer buffer{};
  GuardedView() : block(static_cast<size_t>(kStride) * (kHeight + 2 * kMargin), kGuard) {
    for (int y = 0; y < kHeight; ++y) std::fill_n(&block[Offset(0, y)], kWidth, uint8_t{0});
    buffer.w = kWidth;
    buffer.h = kHeight;
    buffer.width = kWidth;
    buffer.height = kHeight;
    buffer.stride = kStride;
    buffer.pixels = &block[Offset(0, 0)];
  }
  static size_t Offset(int x, int y) { return static_cast<size_t>(y + kMargin) * kStride + x + kMargin; }
  bool Inside(size_t i) const {
    const int x = static_cast<int>(i % kStride) - kMargin, y = static_cast<int>(i / kStride) - kMargin;
    return x >= 0 && x < kWidth && y >= 0 && y < kHeight;
  }
  bool GuardsIntact() const {
    for (size_t i = 0; i < block.size(); ++i)
      if (!Inside(i) && block[i] != kGuard) return false;
    return true;
  }
  int Count(uint8_t lo, uint8_t hi) const {
    int n = 0;
    for (size_t i = 0; i < block.size(); ++i) n += Inside(i) && block[i] >= lo && block[i] <= hi;
    return n;
  }
};

// A 16 x 16 texture of 4 x 4 checks of colours 9 and 0.
std::vector<uint8_t> ChecksFile() {
  std::vector<uint8_t> file(4 + 16 * 16);
  StoreU16(file.data(), 16);
  StoreU16(file.data() + 2, 16);
  for (int i = 0; i < 16 * 16; ++i) file[4 + i] = ((i / 16) / 4 + (i % 16) / 4) % 2 == 0 ? 9 : 0;
  return file;
}

class SwWorldTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(9500);
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE,
             2);  // textures load in Watch mode
    SetPitchGeometry();
  }
  static void SetStands(int a, int b, int c, int d) {
    const int v[4] = {a, b, c, d};
    for (int k = 0; k < 4; ++k)
      StoreI16(GetMatchSetupRecord() + SETUP_STAND_KINDS + 2 * k, static_cast<uint32_t>(v[k]));
  }
  // The extent of a model's points.
  struct Box {
    float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f, minZ = 1e9f, maxZ = -1e9f;
  };
  static Box Extent(const NodModel* m) {
    Box b;
    for (int32_t i = 0; i < m->pointCount; ++i) {
      const NodPoint& p = m->points[i];
      b.minX = std::min(b.minX, p.x), b.maxX = std::max(b.maxX, p.x);
      b.minY = std::min(b.minY, p.y), b.maxY = std::max(b.maxY, p.y);
      b.minZ = std::min(b.minZ, p.z), b.maxZ = std::max(b.maxZ, p.z);
    }
    return b;
  }
};

// ---- placement
// ------------------------------------------------------------------

TEST_F(SwWorldTest, NormalsComeFromTheFirstThreeCornersAndTurnWithTheModel) {
  HandModel wall(10.0f);
  ComputeSurfaceNormals(&wall.model);
  const float* n = wall.surfaces[0].normal;
  EXPECT_FLOAT_EQ(n[0], 0.0f);
  EXPECT_FLOAT_EQ(n[1], 1.0f);
  EXPECT_FLOAT_EQ(n[2], 0.0f);

  // A quarter turn takes across to along and along to minus across, points
  // and normals alike.
  RotateModel(&wall.model, kPi / 2);
  EXPECT_NEAR(wall.points[2].x, 0.0f, 1e-5f);
  EXPECT_NEAR(wall.points[2].y, 10.0f, 1e-5f);
  EXPECT_NEAR(n[0], -1.0f, 1e-6f);
  EXPECT_NEAR(n[1], 0.0f, 1e-6f);

  // Corners on one line give no plane: the normal is left as it was.
  HandModel line(10.0f);
  line.points[2] = {0, 0, 5, 0, 0};
  line.surfaces[0].normal[2] = 0.25f;
  ComputeSurfaceNormals(&line.model);
  EXPECT_EQ(line.surfaces[0].normal[2], 0.25f);
  EXPECT_EQ(line.surfaces[0].normal[1], 0.0f);
}

TEST_F(SwWorldTest, CornerFlagsStandOnTheirCornersAndBadTypesStop) {
  const struct {
    int type;
    float x, y;
  } corners[] = {{WORLD_FLAG_MIN_X_MIN_Y, 156, 122},
                 {WORLD_FLAG_MAX_X_MIN_Y, 1436, 122},
                 {WORLD_FLAG_MIN_X_MAX_Y, 156, 2042},
                 {WORLD_FLAG_MAX_X_MAX_Y, 1436, 2042}};
  for (const auto& c : corners) {
    HandModel unit(1.0f);
    ModifyFlagWorld(&unit.model, c.type);
    EXPECT_FLOAT_EQ(unit.points[1].x, c.x) << c.type;  // the foot of the wall
    EXPECT_FLOAT_EQ(unit.points[1].y, c.y) << c.type;
    EXPECT_FLOAT_EQ(unit.points[1].z, 0.0f) << c.type;
    EXPECT_FLOAT_EQ(unit.points[3].z, WORLD_FLAG_SCALE) << c.type;
    EXPECT_FLOAT_EQ(unit.surfaces[0].normal[1], 1.0f) << c.type;
  }
  HandModel unit(1.0f);
  EXPECT_FATAL(ModifyFlagWorld(&unit.model, 3), "ERROR: ModifyFlagWorld default case hit");
  EXPECT_FATAL(ModifyFlagWorld(&unit.model, WORLD_GOAL_MIN_Y), "ERROR: ModifyFlagWorld default case hit");
  EXPECT_FATAL(PlaceWorldItem(&unit.model, 0), "ERROR:Create3DWorld -  ModelType not found");
}

TEST_F(SwWorldTest, TheStadiumFollowsTheSumOfTheStands) {
  const struct {
    int stands[4];
    const char* name;
    int16_t big;
  } cases[] = {{{4, 4, 4, 3}, "stad2", 0},
               {{4, 4, 4, 4}, "bigstad", 1},
               {{7, 7, 7, 7}, "bigstad", 1},
               {{1, 1, 1, 1}, "stad2", 0},
               {{-1, -1, -1, -1}, "stad2", 0}};  // a set-up never filled in
  for (const auto& c : cases) {
    SetStands(c.stands[0], c.stands[1], c.stands[2], c.stands[3]);
    const uint8_t* setup = GetMatchSetupRecord();
    int sum = 0;
    for (int k = 0; k < 4; ++k) sum += LoadI16(setup + SETUP_STAND_KINDS + 2 * k);
    EXPECT_STREQ(StadiumModelName(sum), c.name) << sum;
  }
  const bool ran = WithBuiltHardDiskPak([&] {
    for (const auto& c : cases) {
      SetStands(c.stands[0], c.stands[1], c.stands[2], c.stands[3]);
      BigStadiumFlag = static_cast<int16_t>(1 - c.big);
      LoadStadiumModel();
      EXPECT_EQ(BigStadiumFlag, c.big) << c.name;
      // The same file loaded as it is has the same points, turned a quarter
      // round about the centre spot.
      NodModel* plain = nullptr;
      NOD_LoadWorld(&plain, c.name, "zvdata\\software\\stadium\\models\\stads",
                    (std::string("stadium\\TEXTURES\\") + c.name).c_str(), 0, 0, NOD_TEXTURES_PLAIN);
      const NodModel* placed = StadiumModel();
      ASSERT_EQ(placed->pointCount, plain->pointCount) << c.name;
      for (int32_t i = 0; i < plain->pointCount; i += 7) {
        EXPECT_NEAR(placed->points[i].x, Pitch.centreX + plain->points[i].y, 0.05f) << c.name << " " << i;
        EXPECT_NEAR(placed->points[i].y, Pitch.centreY - plain->points[i].x, 0.05f) << c.name << " " << i;
        EXPECT_EQ(placed->points[i].z, plain->points[i].z);
      }
      FreeNodModel(&plain);
    }
  });
  if (!ran) GTEST_SKIP() << "no built game data";
}

// Every world model of the data set loads and is placed: goals on the goal
// lines between the posts, one goal the other turned half round, flags on the
// corners; freeing gives every block back.
TEST_F(SwWorldTest, TheDataSetWorldLoadsPlacesAndFreesWhole) {
  const bool ran = WithBuiltHardDiskPak([&] {
    const uint32_t blocksBefore = GetMemoryStats().count;
    StartWindowAndTimer();
    InitPoll();
    LoadBar_Init(nullptr, nullptr);
    LoadBar_StartBlock(4.0f, 1.0f);
    Create3DWorld();
    // Its blocks closed, the world counts one unit of the block it was
    // built in.
    EXPECT_EQ(LoadBar_State().depth, 1);
    EXPECT_FLOAT_EQ(LoadBar_State().blocks[1].done, 1.0f);
    LoadBar_EndBlock();
    LoadBar_Uninit();
    UninitPoll();
    // Built again, the world replaces its models rather than losing them
    // (the block count at the end).
    Create3DWorld();

    ASSERT_NE(HorizonModel(), nullptr);
    ASSERT_NE(StadiumModel(), nullptr);
    EXPECT_EQ(WorldItemCount(), 12);
    for (int i = 0; i < WORLD_ITEM_COUNT; ++i) ASSERT_NE(WorldItemModel(i), nullptr) << i;
    // The flag of type 8 stands on (1436, 2042): every point on the ground
    // is the foot of its pole.
    const NodModel* flag = WorldItemModel(11);
    EXPECT_EQ(GetWorldItem(11).type, WORLD_FLAG_MAX_X_MAX_Y);
    int feet = 0;
    for (int32_t i = 0; i < flag->pointCount; ++i) {
      if (flag->points[i].z > 0.01f) continue;
      ++feet;
      EXPECT_NEAR(flag->points[i].x, 1436.0f, 0.5f);
      EXPECT_NEAR(flag->points[i].y, 2042.0f, 0.5f);
    }
    EXPECT_GT(feet, 0);
    EXPECT_NEAR(Extent(flag).maxZ, WORLD_FLAG_SCALE, 1e-3f);

    // The back nets: between the posts, 50.4 high, 30 behind each goal line.
    const Box back0 = Extent(WorldItemModel(0)), back1 = Extent(WorldItemModel(4));
    EXPECT_NEAR(back1.minX, Pitch.goalPostMinX, 0.01f);
    EXPECT_NEAR(back1.maxX, Pitch.goalPostMaxX, 0.01f);
    EXPECT_NEAR(back1.maxZ, WORLD_GOAL_HEIGHT, 0.01f);
    EXPECT_NEAR(back1.minY, Pitch.maxY + WORLD_GOAL_DEPTH, 0.01f);
    EXPECT_NEAR(back0.maxY, Pitch.minY - WORLD_GOAL_DEPTH, 0.01f);

    // Each part of the first goal is the same part of the second turned half
    // round about the centre spot's line, normals too.
    for (int part = 0; part < 4; ++part) {
      const NodModel* a = WorldItemModel(part);
      const NodModel* b = WorldItemModel(part + 4);
      EXPECT_STREQ(GetWorldItem(part).name, GetWorldItem(part + 4).name);
      ASSERT_EQ(a->pointCount, b->pointCount);
      for (int32_t i = 0; i < a->pointCount; ++i) {
        EXPECT_NEAR(a->points[i].x - Pitch.centreX, -(b->points[i].x - Pitch.centreX), 0.01f) << part;
        EXPECT_NEAR(a->points[i].y - Pitch.minY, -(b->points[i].y - Pitch.maxY), 0.01f) << part;
        EXPECT_EQ(a->points[i].z, b->points[i].z);
      }
      for (int32_t i = 0; i < a->surfaceCount; ++i) {
        EXPECT_NEAR(a->surfaces[i].normal[0], -b->surfaces[i].normal[0], 1e-5f) << part;
        EXPECT_NEAR(a->surfaces[i].normal[1], -b->surfaces[i].normal[1], 1e-5f) << part;
        EXPECT_NEAR(a->surfaces[i].normal[2], b->surfaces[i].normal[2], 1e-5f) << part;
      }
    }

    FreeWorld();
    EXPECT_EQ(HorizonModel(), nullptr);
    EXPECT_EQ(StadiumModel(), nullptr);
    for (int i = 0; i < WORLD_ITEM_COUNT; ++i) EXPECT_EQ(WorldItemModel(i), nullptr);
    EXPECT_EQ(GrassPages(), nullptr);
    // The textures belong to the match screen, which frees them on its own.
    FreeTextures();
    KIT_ResetTextureTable();
    EXPECT_EQ(GetMemoryStats().count, blocksBefore);
  });
  if (!ran) GTEST_SKIP() << "no built game data";
}

// ---- drawing
// --------------------------------------------------------------------

// The wall seen from in front is drawn in the flat colour; from behind only
// when double-sided (drawn reversed), else culled.
TEST_F(SwWorldTest, WallsFacingAwayAreCulledUnlessDoubleSided) {
  const struct {
    float eyeAlong, yaw;  // the eye 40 units from the wall, looking at it
    bool doubleSided;
    int16_t side;
    bool drawn;
  } cases[] = {{40, 0, false, 0, true}, {40, 0, true, 0, true}, {-40, kPi, false, 2, false}, {-40, kPi, true, 1, true}};
  for (const auto& c : cases) {
    HandModel wall(40.0f);
    wall.surfaces[0].doubleSided = c.doubleSided ? 0xFF : 0;
    ComputeSurfaceNormals(&wall.model);
    Canvas canvas(160, 120, 0);
    SetViewScreen(&canvas.buffer, 160, 120);
    SetCameraProjection(160, 120, 16 * 80.0, 16 * 60.0);
    SetSoftwareCamera(20.0f, c.eyeAlong, 20.0f, c.yaw, -kPi / 2, 1.0f);
    DrawWorldModel(&wall.model);
    EXPECT_EQ(wall.surfaces[0].side, c.side) << c.eyeAlong << " " << c.doubleSided;
    const auto filled = std::count(canvas.pixels.begin(), canvas.pixels.end(), WORLD_FLAT_COLOUR);
    if (c.drawn) {
      EXPECT_GT(filled, 160 * 120 / 4) << c.eyeAlong << " " << c.doubleSided;
      EXPECT_EQ(canvas.At(80, 60), WORLD_FLAT_COLOUR);
    } else {
      EXPECT_EQ(filled, 0) << c.eyeAlong;
    }
    for (uint8_t p : canvas.pixels) ASSERT_TRUE(p == 0 || p == WORLD_FLAT_COLOUR);
  }
}

// How a surface is filled follows its texture's kind: software textures
// (texels of 0 see-through on transparent surfaces), flat colour 28; kit
// textures and none are not drawn on the world.
TEST_F(SwWorldTest, SurfacesFillByTheirTexturesKind) {
  ScratchDir scratch("gafferon_swworld");
  OpenTestPak({{"ZVDATA\\SOFTWARE\\CHECKS.GFX", ChecksFile()}});
  const int number = TEXT_CreateTexture("checks.gfx");
  const struct {
    int16_t kind;
    bool transparent;
    int nines, zeros, flats;  // 0 none, 1 some
  } cases[] = {{NOD_TEXTURE_SOFTWARE, false, 1, 1, 0},
               {NOD_TEXTURE_SOFTWARE, true, 1, 0, 0},
               {NOD_TEXTURE_FLAT, false, 0, 0, 1},
               {NOD_TEXTURE_PER_PLAYER, false, 0, 0, 0},
               {NOD_TEXTURE_NONE, false, 0, 0, 0}};
  for (const auto& c : cases) {
    HandModel wall(40.0f);
    wall.textures[0].kind = c.kind;
    wall.textures[0].number = static_cast<int16_t>(number);
    wall.surfaces[0].transparent = c.transparent ? 0xFF : 0;
    const float u[4] = {0, 0, 15.5f, 15.5f}, v[4] = {0, 15.5f, 15.5f, 0};
    for (int k = 0; k < 4; ++k) wall.surfaces[0].u[k] = u[k], wall.surfaces[0].v[k] = v[k];
    ComputeSurfaceNormals(&wall.model);
    Canvas canvas(160, 120, 0xEE);
    SetViewScreen(&canvas.buffer, 160, 120);
    SetCameraProjection(160, 120, 16 * 80.0, 16 * 60.0);
    SetSoftwareCamera(20.0f, 40.0f, 20.0f, 0.0f, -kPi / 2, 1.0f);
    DrawWorldModel(&wall.model);
    const auto count = [&](uint8_t value) { return std::count(canvas.pixels.begin(), canvas.pixels.end(), value); };
    EXPECT_EQ(count(9) > 0, c.nines == 1) << c.kind << " " << c.transparent;
    EXPECT_EQ(count(0) > 0, c.zeros == 1) << c.kind << " " << c.transparent;
    EXPECT_EQ(count(WORLD_FLAT_COLOUR) > 0, c.flats == 1) << c.kind << " " << c.transparent;
    if (c.transparent) {
      EXPECT_GT(count(0xEE), 160 * 120 / 4);
    }
  }
}

TEST_F(SwWorldTest, AWallAcrossTheNearPlaneIsClippedAndOneBehindIsSkipped) {
  const struct {
    float eyeAlong;
    bool drawn;
  } cases[] = {{0, true},      // the near plane cuts the wall: a clipped polygon
               {400, false}};  // wholly behind the eye
  for (const auto& c : cases) {
    // A wall beside the eye running from behind it far ahead.
    HandModel wall(1.0f);
    wall.points = {{30, -100, 50, 0, 0}, {30, -100, -50, 0, 0}, {30, 300, -50, 0, 0}, {30, 300, 50, 0, 0}};
    wall.surfaces[0].doubleSided = 0xFF;
    wall.Wire();
    ComputeSurfaceNormals(&wall.model);
    Canvas canvas(160, 120, 0);
    SetViewScreen(&canvas.buffer, 160, 120);
    SetCameraProjection(160, 120, 16 * 80.0, 16 * 60.0);
    SetSoftwareCamera(0.0f, c.eyeAlong, 0.0f, kPi, -kPi / 2, 1.0f);
    DrawWorldModel(&wall.model);
    const auto filled = std::count(canvas.pixels.begin(), canvas.pixels.end(), WORLD_FLAT_COLOUR);
    EXPECT_EQ(filled > 0, c.drawn) << c.eyeAlong;
  }
}

TEST_F(SwWorldTest, AnItemsDepthIsItsFirstPointsCameraDepth) {
  const bool ran = WithBuiltHardDiskPak([&] {
    Create3DWorld();
    const NodPoint first = WorldItemModel(4)->points[0];
    // Behind the second goal looking up the pitch, then the other way.
    SetSoftwareCamera(796.0f, 2200.0f, 100.0f, 0.0f, -kPi / 2 - 0.2f, 1.0f);
    EXPECT_FLOAT_EQ(WorldItemDepth(4), TransformPoint(first.x, first.z, first.y).z);
    EXPECT_GT(WorldItemDepth(4), 0.0f);
    SetSoftwareCamera(796.0f, 2200.0f, 100.0f, kPi, -kPi / 2 - 0.2f, 1.0f);
    EXPECT_LT(WorldItemDepth(4), 0.0f);
    EXPECT_LT(WorldItemDepth(-1), 0.0f);
    EXPECT_LT(WorldItemDepth(WORLD_ITEM_COUNT), 0.0f);
    FreeWorld();
  });
  if (!ran) GTEST_SKIP() << "no built game data";
}

// The whole world from the match camera's four views, the ball in a few
// places, at 640 x 480 in both stadiums: nothing is written outside the
// view, the stands show and some goal or flag is in view.
TEST_F(SwWorldTest, TheWorldDrawsInsideTheViewFromTheFourMatchViews) {
  const bool ran = WithBuiltHardDiskPak([&] {
    const float balls[][2] = {{796, 1082}, {200, 150}, {1400, 2000}, {796, 300}};
    for (int big = 0; big < 2; ++big) {
      SetStands(big ? 7 : 1, big ? 7 : 1, big ? 7 : 1, big ? 7 : 1);
      Create3DWorld();
      ASSERT_EQ(BigStadiumFlag, big);
      Camera_ResetAll();
      for (int view = 0; view < CAMERA_VIEW_TYPES; ++view) {
        int stands = 0;  // stand and horizon texels over the ball's places
        for (const auto& ball : balls) {
          // Whoever the camera follows stands there.
          for (RenderObject& r : RenderObjects) {
            r.x = ball[0];
            r.y = ball[1];
            r.height = 0;
          }
          Cameras[0].viewType = static_cast<int16_t>(view);
          UpdateCamera();
          GuardedView g;
          SetViewScreen(&g.buffer, GuardedView::kWidth, GuardedView::kHeight);
          SetCameraProjection(GuardedView::kWidth, GuardedView::kHeight, 16 * 320.0, 16 * 240.0);
          DrawWorld();
          int items = 0;
          for (int i = 0; i < WorldItemCount(); ++i)
            if (WorldItemDepth(i) >= 0) {
              DrawWorldItem(i);
              ++items;
            }
          EXPECT_TRUE(g.GuardsIntact()) << big << " " << view << " " << ball[0] << "," << ball[1];
          stands += g.Count(222, 254);
          EXPECT_GT(items, 0) << big << " " << view;
        }
        EXPECT_GT(stands, 640 * 480 / 10) << big << " " << view;
      }
      FreeWorld();
    }
  });
  if (!ran) GTEST_SKIP() << "no built game data";
}

}  // namespace
