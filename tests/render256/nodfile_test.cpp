#include "render256/nodfile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "generic/kitload.h"
#include "render256/textures.h"
#include "support/engine_fixture.h"
#include "support/pak_fixture.h"
#include "support/scratch_dir.h"
#include "support/built_game.h"

namespace {

using Bytes = std::vector<uint8_t>;

// ---- small model files -------------------------------------------------------------

struct TestSurface {
  uint8_t flags;
  int16_t corner[4];
  int16_t texture;
  float u[4], v[4];
  int32_t width = 0, height = 0;
};

struct TestPoint {
  float x, y, z;
  int16_t joint, origin;
};

constexpr int kRigidSurface = 66, kJointedSurface = 60;

void PutSurface(Bytes& b, size_t at, const TestSurface& s) {
  b[at] = s.flags;
  for (int k = 0; k < 4; ++k) {
    StoreF32(&b[at + 4 + 4 * k], s.u[k]);
    StoreF32(&b[at + 20 + 4 * k], s.v[k]);
    StoreI16(&b[at + 48 + 2 * k], s.corner[k]);
  }
  StoreF32(&b[at + 44], 1.0f);
  StoreI16(&b[at + 56], s.texture);
  if (s.flags & NOD_FLAG_SIZED) {
    StoreI32(&b[at + 58], s.width);
    StoreI32(&b[at + 62], s.height);
  }
}

void PutName(Bytes& b, size_t at, const std::string& name) {
  for (size_t i = 0; i < name.size(); ++i) b[at + i] = static_cast<uint8_t>(name[i]);
}

Bytes Rigid(const std::vector<TestPoint>& points, const std::vector<TestSurface>& surfaces,
            const std::vector<std::string>& textures) {
  Bytes b(57 + points.size() * 12 + surfaces.size() * kRigidSurface + textures.size() * 16, 0);
  std::memcpy(b.data(), "NOD01", 5);
  const int32_t f[8] = {static_cast<int32_t>(points.size()),   12, 0, 0, static_cast<int32_t>(surfaces.size()),
                        kRigidSurface, static_cast<int32_t>(textures.size()), 16};
  for (int i = 0; i < 8; ++i) StoreI32(&b[5 + 4 * i], f[i]);
  size_t at = 57;
  for (const TestPoint& p : points) {
    StoreF32(&b[at], p.x);
    StoreF32(&b[at + 4], p.y);
    StoreF32(&b[at + 8], p.z);
    at += 12;
  }
  for (const TestSurface& s : surfaces) PutSurface(b, at, s), at += kRigidSurface;
  for (const std::string& t : textures) PutName(b, at, t), at += 16;
  return b;
}

// Offsets of the jointed test file's fields.
struct Jointed {
  std::vector<TestPoint> points;  // with the closing point
  std::vector<TestSurface> surfaces;
  std::vector<std::string> textures;
  std::vector<int32_t> joints{0}, sorts{0, 1}, starts{0}, ends{1};
  int32_t highestJoint = 2, parts = 1;
  int32_t recordSize[7] = {16, kJointedSurface, 16, 4, 4, 4, 4};

  Bytes Encode() const {
    const size_t counts[7] = {points.size(), surfaces.size(), textures.size(), joints.size(),
                              sorts.size(),  starts.size(),   ends.size()};
    size_t total = 77;
    for (int i = 0; i < 7; ++i) total += counts[i] * static_cast<size_t>(recordSize[i]);
    Bytes b(total + 80, 0);  // records shorter than their fields may spill; cut below
    std::memcpy(b.data(), "NOD02", 5);
    for (int i = 0; i < 7; ++i) {
      StoreI32(&b[13 + 8 * i], static_cast<int32_t>(counts[i]));
      StoreI32(&b[17 + 8 * i], recordSize[i]);
    }
    StoreI32(&b[69], highestJoint);
    StoreI32(&b[73], parts);
    size_t at = 77;
    for (const TestPoint& p : points) {
      StoreF32(&b[at], p.x);
      StoreF32(&b[at + 4], p.y);
      StoreF32(&b[at + 8], p.z);
      StoreI16(&b[at + 12], p.joint);
      StoreI16(&b[at + 14], p.origin);
      at += static_cast<size_t>(recordSize[0]);
    }
    for (const TestSurface& s : surfaces) PutSurface(b, at, s), at += static_cast<size_t>(recordSize[1]);
    for (const std::string& t : textures) PutName(b, at, t), at += static_cast<size_t>(recordSize[2]);
    const std::vector<int32_t>* tables[4] = {&joints, &sorts, &starts, &ends};
    for (int t = 0; t < 4; ++t)
      for (int32_t w : *tables[t]) StoreI32(&b[at], w), at += static_cast<size_t>(recordSize[3 + t]);
    b.resize(total);
    return b;
  }
};

// A hip point, an offset on joint 1 and one on joint 2 hanging on it, the
// closing point; one triangle with a kit texture.
Jointed SmallBody() {
  Jointed j;
  j.points = {{0, 0, 10, 0, 0}, {0, 0, 5, 1, 0}, {1, 0, 0, 2, 1}, {0, 0, 0, NOD_CLOSING_JOINT, 0}};
  j.surfaces = {{0, {0, 1, 2, -1}, 0, {0, 1, 0.5f, 0.25f}, {0, 0, 1, 0.25f}}};
  j.textures = {"shirtfr.GFX"};
  j.sorts = {0, 2};
  return j;
}

Bytes FilledTexture(int w, int h, uint8_t value) {
  Bytes b(static_cast<size_t>(4 + w * h), value);
  StoreU16(b.data(), static_cast<uint32_t>(w));
  StoreU16(b.data() + 2, static_cast<uint32_t>(h));
  return b;
}

Bytes SmallRigid() {
  return Rigid({{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, {1, 0, 1, 0, 0}, {0, 0, 1, 0, 0}},
               {{0, {0, 1, 2, 3}, 0, {0, 1, 1, 0}, {0, 0, 1, 1}}}, {"R255G0B0"});
}

class NodFileTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_nodfile");
    InitMemory(9500);
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);  // textures load in Watch mode
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  // The built data set's hard-disk pak.
  static void OpenDataSet() {
    OpenBuiltHardDiskPak();
  }
  static std::string Check(const Bytes& b, int loader) {
    NodLayout layout{};
    return NodCheckImage(b.data(), static_cast<uint32_t>(b.size()), loader, "test.nod", &layout);
  }
};

// ---- behaviour -----------------------------------------------------------------------

TEST_F(NodFileTest, FlatColourNamesGiveKitCodesOrFiveSixFiveValues) {
  const struct {
    const char* name;
    int32_t colour;
  } cases[] = {{"R255G255B255", 1}, {"R0G0B255", 2}, {"R0G255B0", 3}, {"R0G0B0", 0}, {"R255G0B0", 63488},
               {"R0G0B254", 31}};
  for (const auto& c : cases) {
    NodTexture t{};
    std::snprintf(t.name, sizeof t.name, "%s", c.name);
    t.kind = NOD_TEXTURE_NONE;
    NOD_LoadTextures(&t, "any", NOD_TEXTURES_PER_PLAYER);
    EXPECT_EQ(t.kind, NOD_TEXTURE_FLAT) << c.name;
    EXPECT_EQ(t.colour, c.colour) << c.name;
  }
  // "_L"/"_R" names are no texture only under their flag; other flags leave
  // a name unresolved.
  const struct {
    const char* name;
    int flags;
    int16_t kind;
  } skips[] = {{"_left", NOD_TEXTURES_SKIP_LEFT | 2, NOD_TEXTURE_NONE},
               {"_Right", NOD_TEXTURES_SKIP_RIGHT | 2, NOD_TEXTURE_NONE},
               {"_left", NOD_TEXTURES_SKIP_RIGHT | 2, -7},
               {"stand.gfx", 8, -7},
               {"", NOD_TEXTURES_PLAIN, -7}};
  for (const auto& c : skips) {
    NodTexture t{};
    std::snprintf(t.name, sizeof t.name, "%s", c.name);
    t.kind = -7;
    NOD_LoadTextures(&t, "any", c.flags);
    EXPECT_EQ(t.kind, c.kind) << c.name;
  }
  NodTexture bad{};
  std::snprintf(bad.name, sizeof bad.name, "R12G7");
  EXPECT_FATAL(NOD_LoadTextures(&bad, "any", 0), "NOD_LoadTextures RGB has bad read `R12G7'");
}

TEST_F(NodFileTest, RigidModelsLoadWithTexelCoordinatesAndSpareEntries) {
  // A quad on a 64 x 32 software texture, a triangle, a surface that gives
  // its own size and one on a flat colour (left as stored).
  const Bytes file =
      Rigid({{0, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, {1, 0, 1, 0, 0}, {0, 0, 1, 0, 0}},
            {{NOD_FLAG_DOUBLE_SIDED, {0, 1, 2, 3}, 0, {0, 1, 1.5f, -0.5f}, {0, 0, 1, 1}},
             {NOD_FLAG_TRANSPARENT, {0, 1, 2, -1}, 0, {0, 1, 1, 0.75f}, {0, 0.5f, 1, 0.75f}},
             {NOD_FLAG_SIZED, {0, 2, 3, -1}, -1, {1, 1, 0, 0}, {0, 1, 1, 0}, 16, 8},
             {0, {0, 1, 2, -1}, 1, {2, 1, 1, 0}, {0, 0, 1, 0}}},
            {"stand.gfx", "R0G0B255"});
  OpenTestPak({{"ZVDATA\\SOFTWARE\\STADIUM\\TEST\\BOX.NOD", file},
               {"ZVDATA\\SOFTWARE\\STADIUM\\TEXTURES\\STAND.GFX", FilledTexture(64, 32, 5)}});
  NodModel* model = nullptr;
  NOD_LoadWorld(&model, "box", "zvdata\\software\\stadium\\test", "stadium\\textures", 2, 3, NOD_TEXTURES_PLAIN);
  ASSERT_NE(model, nullptr);
  EXPECT_EQ(model->pointCount, 4);
  EXPECT_EQ(model->pointCapacity, 6);
  EXPECT_EQ(model->surfaceCount, 4);
  EXPECT_EQ(model->surfaceCapacity, 7);
  EXPECT_EQ(model->textures[0].kind, NOD_TEXTURE_SOFTWARE);
  EXPECT_EQ(model->textures[1].kind, NOD_TEXTURE_FLAT);
  EXPECT_EQ(model->textures[1].colour, NOD_KIT_COLOUR_2);
  const NodSurface& quad = model->surfaces[0];
  EXPECT_FLOAT_EQ(quad.u[1], 63.5f);
  EXPECT_FLOAT_EQ(quad.u[2], 63.5f);  // clamped to 1 first
  EXPECT_FLOAT_EQ(quad.u[3], 0.0f);
  EXPECT_FLOAT_EQ(quad.v[2], 31.5f);
  EXPECT_EQ(quad.u[4], -1.0f);
  EXPECT_EQ(quad.point[4], -1);
  EXPECT_EQ(quad.doubleSided, 0xFF);
  EXPECT_EQ(quad.transparent, 0);
  EXPECT_EQ(quad.corner[2], &model->transformed[2]);
  const NodSurface& triangle = model->surfaces[1];
  EXPECT_EQ(triangle.transparent, 0xFF);
  EXPECT_EQ(triangle.u[3], 0.0f);  // the missing corner's coordinates are not copied
  EXPECT_EQ(triangle.v[3], 0.0f);
  EXPECT_EQ(triangle.corner[3], nullptr);
  EXPECT_FLOAT_EQ(triangle.v[1], 0.5f * 31.5f);
  EXPECT_FLOAT_EQ(model->surfaces[2].u[0], 15.5f);
  EXPECT_FLOAT_EQ(model->surfaces[2].v[1], 7.5f);
  EXPECT_FLOAT_EQ(model->surfaces[3].u[0], 2.0f);  // flat: untouched
  EXPECT_EQ(model->surfaces[5].texture, 0);         // spares zeroed
  EXPECT_EQ(model->points[5].x, 0.0f);
  FreeNodModel(&model);
  EXPECT_EQ(model, nullptr);
}

TEST_F(NodFileTest, SimpleModelsLoadOnceIntoTheirSlot) {
  OpenTestPak({{"ZVDATA\\SOFTWARE\\SIMPLE\\MODEL\\CONE.NOD", SmallRigid()}});
  NodModel* slots[8] = {};
  NOD_LoadWorld2(slots, "cone", "simple", 5, 8);
  ASSERT_NE(slots[5], nullptr);
  NodModel* first = slots[5];
  NOD_LoadWorld2(slots, "cone", "simple", 5, 8);
  EXPECT_EQ(slots[5], first);
  EXPECT_EQ(first->textures[0].colour, 63488);
  FreeNodModel(&slots[5]);
}

TEST_F(NodFileTest, JointedModelsHangTheirPointsOnOriginsAndSizeKitTexturesByPart) {
  const int slot = KITPLR_GetTextureIndexFromName("shirtfr.GFX");
  KitParts[slot].width = 64;
  KitParts[slot].height = 16;
  Jointed body = SmallBody();
  body.points[1].joint = 2;  // the highest joint itself is allowed
  Jointed over = body;
  over.points[1].joint = 3;
  OpenTestPak({{"ZVDATA\\SOFTWARE\\SSKIN\\MODELS\\PLAYER\\T.NOD", body.Encode()},
               {"ZVDATA\\SOFTWARE\\SSKIN\\MODELS\\PLAYER\\OVER.NOD", over.Encode()}});
  NodModel model{};
  NOD_LoadWorld3(&model, "t.nod", "zvdata\\software\\sskin\\models\\player", NOD_TEXTURES_PER_PLAYER);
  EXPECT_EQ(model.pointCount, 3);
  EXPECT_EQ(model.secondGroupStart, 2);
  EXPECT_EQ(model.highestJoint, 2);
  EXPECT_EQ(model.partCount, 1);
  EXPECT_EQ(model.sortPoints[1], 2);
  EXPECT_EQ(model.originPoints[2], &model.transformed[1]);
  EXPECT_EQ(model.textures[0].kind, NOD_TEXTURE_PER_PLAYER);
  EXPECT_EQ(model.textures[0].number, slot);
  EXPECT_FLOAT_EQ(model.surfaces[0].u[1], 63.5f);
  EXPECT_FLOAT_EQ(model.surfaces[0].v[2], 15.5f);
  EXPECT_EQ(model.surfaces[0].corner[1], &model.transformed[1]);
  FreeNodTables(&model);
  EXPECT_EQ(model.points, nullptr);

  // An unsized kit part, or a joint above the highest, stops naming the file.
  KitParts[slot].width = 0;
  EXPECT_FATAL(NOD_LoadWorld3(&model, "t.nod", "zvdata\\software\\sskin\\models\\player", NOD_TEXTURES_PER_PLAYER),
               "texture 'shirtfr.GFX' has no size yet .* in file 'zvdata.software.sskin.models.player.t.nod'");
  EXPECT_FATAL(NOD_LoadWorld3(&model, "over.nod", "zvdata\\software\\sskin\\models\\player", 2),
               "ERROR in ORG PTS 3, file 'zvdata.software.sskin.models.player.over.nod'");
}

// ---- malformed files -----------------------------------------------------------------

TEST_F(NodFileTest, MalformedFilesAreRejectedBeforeAnythingIsCopied) {
  using Edit = std::function<void(Jointed&)>;
  using Patch = std::function<void(Bytes&)>;
  const struct {
    const char* what;
    Edit edit;
    Patch patch;
    const char* message;
  } cases[] = {
      {"magic", nullptr, [](Bytes& b) { b[4] = '1'; }, "NOD_InitializeHeaders3\\(\\) - Invalid header in file 'test.nod'"},
      {"short header", nullptr, [](Bytes& b) { b.resize(40); }, "exceded allocated memory by 37 bytes"},
      {"no points", [](Jointed& j) { j.points.clear(); }, nullptr, "NOD_CopyPoints3\\(\\): Invalid number of points"},
      {"only the closing point", [](Jointed& j) { j.points = {{0, 0, 0, NOD_CLOSING_JOINT, 0}}; }, nullptr,
       "NOD_CopyPoints3\\(\\): Invalid number of points"},
      {"no surfaces", [](Jointed& j) { j.surfaces.clear(); }, nullptr,
       "NOD_CopySurfaces3\\(\\): Invalid number of surfaces"},
      {"no textures", [](Jointed& j) { j.textures.clear(); }, nullptr,
       "NOD_CopyTextures3\\(\\): Invalid number of textures"},
      {"no joint points", [](Jointed& j) { j.joints.clear(); }, nullptr,
       "NOD_CopyJointPoints\\(\\): Invalid number of joint points"},
      {"no sort points", [](Jointed& j) { j.sorts.clear(); }, nullptr, "NOD_CopySortPoints\\(\\): Invalid number"},
      {"no start points", [](Jointed& j) { j.starts.clear(); }, nullptr, "NOD_CopyStartPoints\\(\\): Invalid number"},
      {"no end points", [](Jointed& j) { j.ends.clear(); }, nullptr, "NOD_CopyEndPoints\\(\\): Invalid number"},
      {"zero record size", [](Jointed& j) { j.recordSize[1] = 0; }, nullptr, "NOD_CopySurfaces3\\(\\): Invalid number"},
      {"short point records", [](Jointed& j) { j.recordSize[0] = 12; }, nullptr,
       "NOD_CopyPoints3\\(\\): records of 12 bytes, fewer than 16"},
      {"short surface records", [](Jointed& j) { j.recordSize[1] = 50; }, nullptr, "records of 50 bytes, fewer than 58"},
      {"short texture records", [](Jointed& j) { j.recordSize[2] = 8; }, nullptr, "records of 8 bytes, fewer than 16"},
      {"too many joint points", [](Jointed& j) { j.joints.assign(28, 0); }, nullptr,
       "NOD_CopyJointPoints\\(\\): 28 records, more than 27"},
      {"too many sort points", [](Jointed& j) { j.sorts.assign(55, 0); }, nullptr, "55 records, more than 54"},
      {"too many start points", [](Jointed& j) { j.starts.assign(28, 0); }, nullptr,
       "NOD_CopyStartPoints\\(\\): 28 records"},
      {"too many end points", [](Jointed& j) { j.ends.assign(28, 1); }, nullptr, "NOD_CopyEndPoints\\(\\): 28 records"},
      {"truncated", nullptr, [](Bytes& b) { b.resize(b.size() - 3); }, "exceded allocated memory by 3 bytes"},
      {"huge count", nullptr, [](Bytes& b) { StoreI32(&b[21], 0x7FFFFFFF); }, "exceded allocated memory by"},
      {"negative count", nullptr, [](Bytes& b) { StoreI32(&b[29], -4); }, "Invalid number of textures"},
      {"corner past the points", [](Jointed& j) { j.surfaces[0].corner[2] = 3; }, nullptr,
       "surface 0 corner 2 names point 3 of 3"},
      {"missing first corner", [](Jointed& j) { j.surfaces[0].corner[0] = -1; }, nullptr,
       "surface 0 corner 0 names point -1"},
      {"texture past the table", [](Jointed& j) { j.surfaces[0].texture = 1; }, nullptr,
       "surface 0 names texture 1 of 1"},
      {"texture below -1", [](Jointed& j) { j.surfaces[0].texture = -2; }, nullptr, "surface 0 names texture -2"},
      {"origin past the points", [](Jointed& j) { j.points[2].origin = 3; }, nullptr,
       "point 2 hangs on point 3 of 3"},
      {"origin on a later point", [](Jointed& j) { j.points[1].origin = 2; }, nullptr,
       "point 1 hangs on point 2, not one before it"},
      {"joint over the highest", [](Jointed& j) { j.points[2].joint = 3; }, nullptr, "ERROR in ORG PTS 3, file 'test.nod'"},
      {"negative joint", [](Jointed& j) { j.points[2].joint = -1; }, nullptr, "ERROR in ORG PTS -1, file"},
      {"highest joint over 22", [](Jointed& j) { j.highestJoint = 23; }, nullptr, "highest joint 23 outside 0-22"},
      {"closing point not 32000", [](Jointed& j) { j.points[3].joint = 1; }, nullptr,
       "ERROR in ORG PTS \\(pt. 2\\) 1, in file 'test.nod'"},
      {"sort point past the points", [](Jointed& j) { j.sorts[1] = 7; }, nullptr, "sort point 1 names point 7 of 3"},
      {"start past the surfaces", [](Jointed& j) { j.starts[0] = 2; }, nullptr, "start point 0 names surface 2 of 1"},
      {"end past the surfaces", [](Jointed& j) { j.ends[0] = 2; }, nullptr, "end point 0 names surface 2 of 1"},
      {"part ending before its start", [](Jointed& j) { j.starts[0] = 1, j.ends[0] = 0; }, nullptr,
       "part 0 ends before it starts"},
      {"too many parts", [](Jointed& j) { j.parts = 2; }, nullptr, "2 parts, more than the tables hold"},
      {"more than 27 parts", [](Jointed& j) { j.parts = 28; }, nullptr, "28 parts"},
      {"sized surface in a body", [](Jointed& j) { j.surfaces[0].flags = NOD_FLAG_SIZED; }, nullptr,
       "using NOD_WIDTH_HEIGHT \\?\\?\\?\\? in file 'test.nod'"},
      {"point not a number", [](Jointed& j) { j.points[1].y = std::nanf(""); }, nullptr, "point 1 is not a number"},
      {"bad flat colour", [](Jointed& j) { j.textures[0] = "R300G0B0"; }, nullptr,
       "RGB has bad read `R300G0B0' in file 'test.nod'"},
  };
  EXPECT_EQ(Check(SmallBody().Encode(), 3), "");
  for (const auto& c : cases) {
    Jointed j = SmallBody();
    if (c.edit) c.edit(j);
    Bytes b = j.Encode();
    if (c.patch) c.patch(b);
    EXPECT_THAT(Check(b, 3), ::testing::ContainsRegex(c.message)) << c.what;
  }

  // The rigid files' own rows.
  const struct {
    const char* what;
    Patch patch;
    const char* message;
  } rigid[] = {
      {"magic", [](Bytes& b) { b[4] = '2'; }, "NOD_InitializeHeaders2\\(\\) - Invalid header"},
      {"no points", [](Bytes& b) { StoreI32(&b[5], 0); }, "NOD_CopyPoints2\\(\\): Invalid number of points"},
      {"extra table past the end", [](Bytes& b) { StoreI32(&b[13], 100), StoreI32(&b[17], 4); },
       "exceded allocated memory by"},
      {"negative extra table", [](Bytes& b) { StoreI32(&b[13], -1); }, "extra table of -1 records"},
      {"sized surface in a short record", [](Bytes& b) { b[57 + 48] = NOD_FLAG_SIZED, StoreI32(&b[25], 58); },
       "gives its texture size in a record of 58 bytes"},
      {"sized surface of no size", [](Bytes& b) { b[57 + 48] = NOD_FLAG_SIZED; }, "gives a texture of 0 x 0"},
  };
  EXPECT_EQ(Check(SmallRigid(), 2), "");
  for (const auto& c : rigid) {
    Bytes b = SmallRigid();
    c.patch(b);
    EXPECT_THAT(Check(b, 2), ::testing::ContainsRegex(c.message)) << c.what;
  }

  // The loaders stop with the checker's message, naming the file.
  Bytes truncated = SmallBody().Encode();
  truncated.resize(100);
  OpenTestPak({{"ZVDATA\\SOFTWARE\\BAD.NOD", truncated}, {"ZVDATA\\SOFTWARE\\SIMPLE\\MODEL\\BAD.NOD", Bytes{'N'}}});
  NodModel model{};
  EXPECT_FATAL(NOD_LoadWorld3(&model, "bad.nod", "zvdata\\software", 2),
               "exceded allocated memory by [0-9]+ bytes in file 'zvdata.software.bad.nod'");
  NodModel* slots[1] = {};
  EXPECT_FATAL(NOD_LoadWorld2(slots, "bad", "simple", 0, 8),
               "NOD_InitializeHeaders2\\(\\) - Invalid header in file 'zvdata.software.simple.model.bad.nod'");
}

// ---- fuzz ------------------------------------------------------------------------------

// Random byte flips and truncations of sound files either load whole or are
// refused with a message; nothing is read past the image.
TEST_F(NodFileTest, DamagedFilesLoadOrAreRefusedWithAMessage) {
  std::mt19937 rng(20261211);
  struct Seed {
    Bytes file;
    int loader;
    int flags;
    int rounds;
  };
  std::vector<Seed> seeds = {{SmallBody().Encode(), 3, 2, 3000}, {SmallRigid(), 1, 8, 3000}, {SmallRigid(), 2, 8, 3000}};
  // And two models of the data set, as the game reads them.
  OpenDataSet();
  for (const char* name : {"zvdata\\software\\sskin\\models\\keeper\\60man.nod",
                           "zvdata\\software\\stadium\\models\\misc\\goal\\gtop.nod"}) {
    uint8_t* image = nullptr;
    const uint32_t size = PakLoadFile(name, &image, ManualFree);
    seeds.push_back({Bytes(image, image + size), std::strstr(name, "keeper") != nullptr ? 3 : 1, 2, 400});
    FreeMemory(&image);
  }
  PakFileUninit();
  ASSERT_EQ(seeds[3].loader, 3);
  int loaded = 0, refused = 0;
  for (const Seed& s : seeds)
    for (int round = 0; round < s.rounds; ++round) {
      Bytes b = s.file;
      const int flips = 1 + static_cast<int>(rng() % 4);
      for (int f = 0; f < flips; ++f) {
        const size_t at = rng() % b.size();
        b[at] = rng() % 3 == 0 ? static_cast<uint8_t>(rng()) : static_cast<uint8_t>(b[at] ^ (1u << (rng() % 8)));
      }
      if (rng() % 4 == 0) b.resize(rng() % b.size());
      // An exact-size copy, so that a read past the image is caught.
      std::vector<uint8_t> image(b.begin(), b.end());
      const std::string why = NodCheckImage(image.data(), static_cast<uint32_t>(image.size()), s.loader, "f", nullptr);
      if (!why.empty()) {
        EXPECT_NE(why.find("'f'"), std::string::npos) << why;
        ++refused;
        continue;
      }
      NodModel model{};
      NodBuildModel(&model, image.data(), static_cast<uint32_t>(image.size()), s.loader, "f", "x", s.flags, 1, 1);
      for (int32_t i = 0; i < model.surfaceCount; ++i)
        for (int c = 0; c < 4; ++c) {
          const int16_t p = model.surfaces[i].point[c];
          ASSERT_TRUE(p == -1 ? c == 3 : p >= 0 && p < model.pointCount);
        }
      FreeNodTables(&model);
      ++loaded;
    }
  EXPECT_GT(loaded, 100);
  EXPECT_GT(refused, 100);
}

// ---- the data set ------------------------------------------------------------------------

TEST_F(NodFileTest, EveryModelOfTheDataSetLoads) {
  OpenDataSet();
  for (KitPart& part : KitParts) part.width = part.height = 64;

  // Bodies: three kinds, five textured levels and the flat fill.
  const char* kinds[3] = {"player", "keeper", "referee"};
  const char* levels[6] = {"500man.nod", "300man.nod", "200man.nod", "100man.nod", "60man.nod", "60fill.nod"};
  for (const char* kind : kinds) {
    char folder[80];
    std::snprintf(folder, sizeof folder, "zvdata\\software\\sskin\\models\\%s", kind);
    int previousSurfaces = 1 << 30;
    for (int level = 0; level < 6; ++level) {
      NodModel m{};
      NOD_LoadWorld3(&m, levels[level], folder, level < 5 ? NOD_TEXTURES_PER_PLAYER : 2);
      const std::string what = std::string(kind) + " " + levels[level];
      EXPECT_EQ(m.highestJoint, 21) << what;
      EXPECT_GT(m.secondGroupStart, 0) << what;
      EXPECT_LE(m.partCount, NOD_MAX_PARTS) << what;
      if (level < 5) {
        EXPECT_LE(m.surfaceCount, previousSurfaces) << what;
        previousSurfaces = m.surfaceCount;
      }
      // Placed with every joint at rest, the body stands about 33 high.
      float top = 0, bottom = 1e9f;
      std::vector<float> z(static_cast<size_t>(m.pointCount));
      for (int32_t i = 0; i < m.pointCount; ++i) {
        z[static_cast<size_t>(i)] = m.points[i].z + (i >= m.secondGroupStart ? z[static_cast<size_t>(m.points[i].origin)] : 0.0f);
        top = std::max(top, z[static_cast<size_t>(i)]);
        bottom = std::min(bottom, z[static_cast<size_t>(i)]);
      }
      EXPECT_NEAR(top, 33.0f, 1.5f) << what;
      EXPECT_NEAR(bottom, 0.0f, 1.0f) << what;
      bool kitCodes[4] = {};
      for (int32_t t = 0; t < m.textureCount; ++t) {
        const NodTexture& tex = m.textures[t];
        EXPECT_EQ(tex.kind, level < 5 ? NOD_TEXTURE_PER_PLAYER : NOD_TEXTURE_FLAT) << what << " " << tex.name;
        if (tex.kind == NOD_TEXTURE_FLAT && tex.colour >= 1 && tex.colour <= 3) kitCodes[tex.colour] = true;
      }
      if (level == 5) {
        EXPECT_TRUE(kitCodes[1] && kitCodes[2] && kitCodes[3]) << what;
      }
      FreeNodTables(&m);
    }
  }

  // The ball and cone: flat colours only.
  NodModel* simple[8] = {};
  NOD_LoadWorld2(simple, "116ball", "simple", 0, 8);
  NOD_LoadWorld2(simple, "cone", "simple", 5, 8);
  for (int slot : {0, 5})
    for (int32_t t = 0; t < simple[slot]->textureCount; ++t) EXPECT_EQ(simple[slot]->textures[t].kind, NOD_TEXTURE_FLAT);
  FreeNodModel(&simple[0]);
  FreeNodModel(&simple[5]);

  // The world: every texture a software texture of the data set.
  const struct {
    const char* name;
    const char* folder;
    const char* textures;
  } world[] = {
      {"HORIZON", "zvdata\\software\\stadium\\models\\misc\\horizon", "stadium\\TEXTURES\\Stad2"},
      {"stad2", "zvdata\\software\\stadium\\models\\stads", "stadium\\TEXTURES\\stad2"},
      {"bigstad", "zvdata\\software\\stadium\\models\\stads", "stadium\\TEXTURES\\bigstad"},
      {"goal\\Gback", "zvdata\\software\\stadium\\models\\misc", "stadium\\TEXTURES\\goal00"},
      {"goal\\Gtop", "zvdata\\software\\stadium\\models\\misc", "stadium\\TEXTURES\\goal00"},
      {"goal\\Gleft", "zvdata\\software\\stadium\\models\\misc", "stadium\\TEXTURES\\goal00"},
      {"goal\\Gright", "zvdata\\software\\stadium\\models\\misc", "stadium\\TEXTURES\\goal00"},
      {"flag\\flag", "zvdata\\software\\stadium\\models\\misc", "stadium\\TEXTURES"},
  };
  for (const auto& w : world) {
    NodModel* m = nullptr;
    NOD_LoadWorld(&m, w.name, w.folder, w.textures, 0, 0, NOD_TEXTURES_PLAIN);
    for (int32_t t = 0; t < m->textureCount; ++t) EXPECT_EQ(m->textures[t].kind, NOD_TEXTURE_SOFTWARE) << w.name;
    // Stored normals are unit length.
    for (int32_t s = 0; s < m->surfaceCount; ++s) {
      const float* n = m->surfaces[s].fileNormal;
      EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0f, 1e-3f) << w.name << " " << s;
    }
    FreeNodModel(&m);
  }
  FreeTextures();
  PakFileUninit();
}

}  // namespace
