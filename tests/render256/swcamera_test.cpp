#include "render256/swcamera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "engine/reset.h"
#include "gamecode/matchobj.h"

namespace {

constexpr float kLevel = 1.57079632679635f;  // the tilt that looks straight ahead
constexpr float kQuarter = 1.57079632679635f;
constexpr float kHalfTurn = 3.1415926535897f;

class SwCamera : public ::testing::Test {
 protected:
  void SetUp() override { ResetAllModules(); }
  void TearDown() override { ResetAllModules(); }
};

ClipPoly MakePoly(std::initializer_list<ClipVertex> vs) {
  ClipPoly p{};
  for (const ClipVertex& v : vs) p.vertex[p.count++] = v;
  return p;
}

int16_t OutcodeOf(const ClipVertex& v) { return PointOutcode(v.x, v.y, v.z); }

// u and v as affine functions of the camera position, so that clipping must
// keep them exactly on these planes wherever it cuts.
float UOf(float x, float y, float z) { return 0.5f * x - 0.25f * y + 0.125f * z + 3.0f; }
float VOf(float x, float y, float z) { return -0.375f * x + 0.5f * y + 0.0625f * z - 7.0f; }
ClipVertex Textured(float x, float y, float z) { return {x, y, z, UOf(x, y, z), VOf(x, y, z)}; }

void ExpectInsideAllPlanes(const ClipPoly& p) {
  for (int i = 0; i < p.count; ++i) {
    const ClipVertex& v = p.vertex[i];
    const float eps = 1e-4f * (std::fabs(v.z) + 1.0f);
    for (int plane = 0; plane < 5; ++plane) EXPECT_LE(ClipPlaneDistance(v, plane), eps) << "vertex " << i << " plane " << plane;
  }
}

TEST_F(SwCamera, TransformPutsTheViewDirectionAheadAndAcrossToTheRight) {
  const struct {
    float yaw, pitch, zoom;
    float across, height, along;  // offset from the eye
    float x, y, z;
  } cases[] = {
      {0, kLevel, 1, 0, 0, 100, 0, 0, 100},           // yaw 0 looks along
      {0, kLevel, 1, 10, 0, 100, 15, 0, 100},         // across is to the right, 1.5 x zoom
      {0, kLevel, 2, 10, 0, 100, 30, 0, 100},         // zoom scales x
      {0, kLevel, 1, 0, 10, 100, 0, 20, 100},         // height: 2 x zoom on y
      {kQuarter, kLevel, 1, 100, 0, 0, 0, 0, 100},    // a quarter turn looks across
      {kQuarter, kLevel, 1, 100, 0, -10, 15, 0, 100}, // ... with smaller along to the right
      {kHalfTurn, kHalfTurn, 1, 0, -100, 0, 0, 0, 100},  // a tilt of pi looks straight down
      {0, kHalfTurn, 1, 0, -100, 10, 0, 20, 100},        // ... along goes down the screen
      {0, 0, 1, 0, 100, 0, 0, 0, 100},                   // a tilt of 0 looks straight up
  };
  for (const auto& c : cases) {
    SetSoftwareCamera(500, 700, 300, c.yaw, c.pitch, c.zoom);
    const CameraPoint p = TransformPoint(500 + c.across, 300 + c.height, 700 + c.along);
    EXPECT_NEAR(p.x, c.x, 1e-3) << c.yaw << " " << c.pitch;
    EXPECT_NEAR(p.y, c.y, 1e-3) << c.yaw << " " << c.pitch;
    EXPECT_NEAR(p.z, c.z, 1e-3) << c.yaw << " " << c.pitch;
  }
}

TEST_F(SwCamera, OutcodesOfPointsOnAndOffThePlanes) {
  const struct {
    float x, y, z;
    int16_t want;
  } cases[] = {
      {30, 0, 30, 0},          // on x = z: inside
      {-30, 30, 30, 0},        // on x = -z and y = z
      {30.001f, 0, 30, OUTCODE_RIGHT},
      {-31, 0, 30, OUTCODE_LEFT},
      {0, 31, 30, OUTCODE_BELOW},
      {0, -31, 30, OUTCODE_ABOVE},
      {0, 0, 19.99f, OUTCODE_NEAR},
      {0, 0, 20, 0},
      {0, 0, -5, OUTCODE_RIGHT | OUTCODE_BELOW | OUTCODE_NEAR},  // one bit of each pair behind the eye
      {-100, -100, 50, OUTCODE_LEFT | OUTCODE_ABOVE},
  };
  for (const auto& c : cases) EXPECT_EQ(PointOutcode(c.x, c.y, c.z), c.want) << c.x << " " << c.y << " " << c.z;
}

TEST_F(SwCamera, PointProjectionAndDepthAtTheEdgesOfTheView) {
  SetCameraProjection(320, 240, 8.0 * 448, 8.0 * 368);
  SetSoftwareCamera(0, 0, 0, 0, kLevel, 2);  // camera x = 3 x across, z = along
  const struct {
    float across, height, along;
    int inside;
    int32_t sx, sy;
  } cases[] = {
      {0, 0, 100, 1, 160, 120},
      {10, 0, 30, 1, 160 + 160, 120},   // exactly x = z: inside, the right edge
      {10.01f, 0, 30, 0, 0, 0},
      {0, 0, 19.99f, 0, 0, 0},          // in front of the near plane
      {0, 0, 20, 1, 160, 120},
      {-5, 0, 30, 1, 160 - 80, 120},
  };
  for (const auto& c : cases) {
    int32_t sx = -1, sy = -1;
    EXPECT_EQ(ProjectPointToScreen(c.across, c.height, c.along, &sx, &sy), c.inside) << c.across << " " << c.along;
    if (c.inside) {
      EXPECT_NEAR(sx, c.sx, 1) << c.across;
      EXPECT_NEAR(sy, c.sy, 1) << c.across;
    }
    const float depth = PointDepth(c.across, c.height, c.along, false);
    if (c.inside)
      EXPECT_FLOAT_EQ(depth, c.along);
    else
      EXPECT_EQ(depth, -1.0f);
  }
}

TEST_F(SwCamera, PlayerDepthAsksFeetOrHeadAndSkipsHiddenObjects) {
  SetSoftwareCamera(0, 0, 0, 0, kLevel, 0.5f);  // camera y = height, x = 0.75 x across
  const struct {
    float x, height, y;
    int16_t motion;
    float want;
  } cases[] = {
      {0, 0, 100, 0, 100},
      {0, 0, 100, -1, -1},      // no model: hidden
      {0, -120, 100, 3, 100},   // feet below the view, head (-85) inside
      {0, -140, 100, 3, -1},    // both below
      {0, 90, 100, 3, 100},     // feet in, head above
      {200, 0, 100, 3, -1},     // off to the side
      {0, 0, 10, 3, -1},        // too near
  };
  for (const auto& c : cases) {
    RenderObjects[7] = RenderObject{c.x, c.height, c.y, c.motion, 0, 0, 0};
    EXPECT_FLOAT_EQ(PlayerDepth(7), c.want) << c.x << " " << c.height << " " << c.y;
  }
  EXPECT_EQ(PlayerDepth(-1), -1.0f);
  EXPECT_EQ(PlayerDepth(MATCH_OBJECTS), -1.0f);
}

TEST_F(SwCamera, EdgeMeetsEachPlaneWithUAndVCarriedAlong) {
  const struct {
    ClipVertex a, b;
    int plane;
    ClipVertex want;
  } cases[] = {
      {{0, 0, 10, 0, 0}, {0, 0, 30, 8, 16}, 0, {0, 0, 20, 4, 8}},            // near
      {{0, 0, 100, 0, 0}, {0, 200, 100, 10, 20}, 1, {0, 100, 100, 5, 10}},   // bottom
      {{0, 0, 100, 0, 0}, {0, -400, 100, 8, 4}, 2, {0, -100, 100, 2, 1}},    // top
      {{0, 0, 100, 2, 2}, {-200, 0, 100, 6, 10}, 3, {-100, 0, 100, 4, 6}},   // left
      {{0, 0, 100, 0, 0}, {300, 0, 100, 30, -60}, 4, {100, 0, 100, 10, -20}},// right
      {{100, 0, 100, 1, 2}, {300, 0, 100, 9, 9}, 4, {100, 0, 100, 1, 2}},    // starts on the plane: a
      {{300, 0, 100, 1, 2}, {100, 0, 100, 9, 9}, 4, {100, 0, 100, 9, 9}},    // ends on it: b
  };
  for (const auto& c : cases) {
    const ClipVertex r = ClipEdge(c.a, c.b, c.plane, ClipPlaneDistance(c.a, c.plane));
    EXPECT_FLOAT_EQ(r.x, c.want.x) << "plane " << c.plane;
    EXPECT_FLOAT_EQ(r.y, c.want.y) << "plane " << c.plane;
    EXPECT_FLOAT_EQ(r.z, c.want.z) << "plane " << c.plane;
    EXPECT_FLOAT_EQ(r.u, c.want.u) << "plane " << c.plane;
    EXPECT_FLOAT_EQ(r.v, c.want.v) << "plane " << c.plane;
  }
}

TEST_F(SwCamera, ClipPolygonCounts) {
  const struct {
    const char* what;
    ClipPoly poly;
    int result, minCount, maxCount;
  } cases[] = {
      {"triangle inside", MakePoly({Textured(0, 0, 100), Textured(50, 0, 100), Textured(0, 50, 120)}), 1, 3, 3},
      {"quad cut by the right plane",
       MakePoly({Textured(0, -50, 100), Textured(200, -50, 100), Textured(200, 50, 100), Textured(0, 50, 100)}), 1, 4, 4},
      {"quad with one corner off the right",
       MakePoly({Textured(0, -50, 100), Textured(150, -50, 100), Textured(90, 50, 100), Textured(0, 50, 100)}), 1, 5, 5},
      {"quad cut by all five planes",
       MakePoly({Textured(-5000, -2000, 10), Textured(5000, -4000, 3000), Textured(6000, 5000, 2000),
                 Textured(-4000, 3000, 15)}),
       1, 3, 9},
      {"all behind the near plane", MakePoly({Textured(0, 0, 5), Textured(10, 0, 19.9f), Textured(0, 10, -3)}), 0, 0, 0},
      {"wholly right of the view", MakePoly({Textured(200, 0, 100), Textured(300, 0, 100), Textured(250, 10, 100)}), 0, 0, 0},
      {"two vertices", MakePoly({Textured(0, 0, 100), Textured(10, 0, 100)}), 0, 0, 0},
  };
  for (const auto& c : cases) {
    ClipPoly p = c.poly;
    EXPECT_EQ(ClipPolygon(p), c.result) << c.what;
    EXPECT_GE(p.count, c.minCount) << c.what;
    EXPECT_LE(p.count, c.maxCount) << c.what;
    ExpectInsideAllPlanes(p);
    for (int i = 0; i < p.count; ++i) {
      const ClipVertex& v = p.vertex[i];
      EXPECT_NEAR(v.u, UOf(v.x, v.y, v.z), 1e-3 * (std::fabs(v.u) + 1)) << c.what << " " << i;
      EXPECT_NEAR(v.v, VOf(v.x, v.y, v.z), 1e-3 * (std::fabs(v.v) + 1)) << c.what << " " << i;
    }
  }
  // A triangle wholly inside comes back untouched.
  ClipPoly inside = cases[0].poly;
  ClipPolygon(inside);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(std::memcmp(&inside.vertex[i], &cases[0].poly.vertex[i], sizeof(ClipVertex)), 0);
}

TEST_F(SwCamera, OutcodesDecideSkipDrawOrClip) {
  const struct {
    std::vector<ClipVertex> corners;
    int16_t andCode, orCode;
  } cases[] = {
      {{{0, 0, 5, 0, 0}, {10, 0, 19.9f, 0, 0}, {0, 10, 1, 0, 0}}, OUTCODE_NEAR, OUTCODE_NEAR | OUTCODE_BELOW},  // behind the near plane: skipped
      {{{0, 0, 50, 0, 0}, {10, 0, 50, 0, 0}, {0, 10, 50, 0, 0}}, 0, 0},                          // drawn as it is
      {{{0, 0, 50, 0, 0}, {80, 0, 50, 0, 0}, {0, 10, 50, 0, 0}}, 0, OUTCODE_RIGHT},              // clipped
  };
  for (const auto& c : cases) {
    int16_t all = -1, any = 0;
    for (const ClipVertex& v : c.corners) {
      all &= OutcodeOf(v);
      any |= OutcodeOf(v);
    }
    EXPECT_EQ(all, c.andCode);
    EXPECT_EQ(any, c.orCode);
  }
}

TEST_F(SwCamera, ProjectPolygonToSixteenthsTruncatingTowardsZero) {
  SetCameraProjection(320, 240, 0.0, 0.0);  // scales 2561.28 and 1920 sixteenths
  const ClipPoly poly = MakePoly({{0, 0, 100, 1.5f, 2.5f}, {100, 100, 100, 0, 0}, {-100, -100, 100, 0, 0},
                                  {-1, 1, 1000, 7, 9}});
  PerspVertex out[CLIP_MAX_VERTICES];
  ASSERT_EQ(ProjectPolygon(poly, out), 4);
  const struct {
    int32_t x, y;
    float z, u, v;
  } want[] = {{0, 0, 1600, 1.5f, 2.5f}, {2561, 1920, 1600, 0, 0}, {-2561, -1920, 1600, 0, 0}, {-2, 1, 16000, 7, 9}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(out[i].x, want[i].x) << i;
    EXPECT_EQ(out[i].y, want[i].y) << i;
    EXPECT_EQ(out[i].z, want[i].z) << i;
    EXPECT_EQ(out[i].u, want[i].u) << i;
    EXPECT_EQ(out[i].v, want[i].v) << i;
  }
  SetCameraProjection(320, 240, 8.0 * 448, 8.0 * 368);
  ASSERT_EQ(ProjectPolygon(poly, out), 4);
  EXPECT_EQ(out[0].x, 3584);
  EXPECT_EQ(out[0].y, 2944);
}

// Random polygons, convex or crossing themselves, anywhere around the eye:
// clipping keeps at most a buffer's worth inside every plane with u and v
// between the corners' values, and projection lands inside the view.
TEST_F(SwCamera, FuzzClipAndProjectStayInsideTheirBuffers) {
  const int width = 320, height = 240;
  SetCameraProjection(width, height, 8.0 * (width + 128), 8.0 * (height + 128));
  std::mt19937 rng(20261211);
  std::uniform_real_distribution<float> across(-3000, 3000), depth(-500, 4000), tex(0, 255);
  int drawn = 0;
  for (int round = 0; round < 20000; ++round) {
    auto poly = std::make_unique<ClipPoly>();
    const int n = 3 + static_cast<int>(rng() % 8);
    float uMin = 1e9f, uMax = -1e9f, vMin = 1e9f, vMax = -1e9f;
    for (int i = 0; i < n; ++i) {
      ClipVertex v{across(rng), across(rng), depth(rng), tex(rng), tex(rng)};
      if (rng() % 4 == 0) v.x = v.z;  // corners exactly on a plane
      poly->vertex[i] = v;
      uMin = std::min(uMin, v.u), uMax = std::max(uMax, v.u);
      vMin = std::min(vMin, v.v), vMax = std::max(vMax, v.v);
    }
    poly->count = n;
    const int kept = ClipPolygon(*poly);
    if (!kept) {
      EXPECT_EQ(poly->count, 0);
      continue;
    }
    ++drawn;
    ASSERT_GE(poly->count, 3);
    ASSERT_LE(poly->count, CLIP_MAX_VERTICES);
    ExpectInsideAllPlanes(*poly);
    for (int i = 0; i < poly->count; ++i) {
      ASSERT_GE(poly->vertex[i].u, uMin - 1e-3f);
      ASSERT_LE(poly->vertex[i].u, uMax + 1e-3f);
      ASSERT_GE(poly->vertex[i].v, vMin - 1e-3f);
      ASSERT_LE(poly->vertex[i].v, vMax + 1e-3f);
    }
    std::vector<PerspVertex> out(static_cast<size_t>(poly->count));  // exactly sized: a write past it is caught
    ASSERT_EQ(ProjectPolygon(*poly, out.data()), poly->count);
    for (const PerspVertex& p : out) {
      // Inside the visible window give or take a pixel: well within the guard border.
      ASSERT_GE(p.x, 16 * 64 - 16 * 2);
      ASSERT_LE(p.x, 16 * (64 + width) + 16 * 2);
      ASSERT_GE(p.y, 16 * 64 - 16);
      ASSERT_LE(p.y, 16 * (64 + height) + 16);
      ASSERT_GE(p.z, 16 * CAMERA_NEAR_Z - 0.01f);
    }
  }
  EXPECT_GT(drawn, 1000);
}

// Triangles and parallelograms (flat, convex: what models and the world
// hand over): one vertex more per plane at most, and one with a corner
// well inside the view is never lost.
TEST_F(SwCamera, ConvexPolygonsGrowByOneVertexPerPlaneAtMost) {
  std::mt19937 rng(33105);
  std::uniform_real_distribution<float> pos(-2500, 2500), depth(-400, 3000), tex(0, 63);
  int cutByFour = 0;
  for (int round = 0; round < 20000; ++round) {
    ClipPoly p{};
    const ClipVertex a{pos(rng), pos(rng), depth(rng), tex(rng), tex(rng)};
    const ClipVertex b{pos(rng), pos(rng), depth(rng), tex(rng), tex(rng)};
    const ClipVertex c{pos(rng), pos(rng), depth(rng), tex(rng), tex(rng)};
    p.vertex[0] = a, p.vertex[1] = b, p.vertex[2] = c;
    p.count = 3;
    const bool quad = round % 2 == 1;
    if (quad) {  // d = a + c - b closes a parallelogram
      p.vertex[3] = {a.x + c.x - b.x, a.y + c.y - b.y, a.z + c.z - b.z, a.u + c.u - b.u, a.v + c.v - b.v};
      p.count = 4;
    }
    bool cornerWellInside = false;
    int16_t planesCut = 0;
    for (int i = 0; i < p.count; ++i) {
      const ClipVertex& v = p.vertex[i];
      if (v.z > 40 && std::fabs(v.x) < 0.9f * v.z && std::fabs(v.y) < 0.9f * v.z) cornerWellInside = true;
      planesCut |= OutcodeOf(v);
    }
    const int before = p.count;
    const int kept = ClipPolygon(p);
    if (cornerWellInside) {
      ASSERT_EQ(kept, 1) << round;
    }
    if (!kept) continue;
    ASSERT_LE(p.count, before + 5) << round;
    ExpectInsideAllPlanes(p);
    if (__builtin_popcount(static_cast<unsigned>(planesCut)) >= 4) ++cutByFour;
  }
  EXPECT_GT(cutByFour, 50);
}

TEST_F(SwCamera, BadVertexCountsAreDropped) {
  for (int count : {-1, 0, 1, 2, CLIP_MAX_VERTICES + 1, 1000}) {
    ClipPoly p{};
    for (int i = 0; i < CLIP_MAX_VERTICES; ++i) p.vertex[i] = Textured(static_cast<float>(i), 0, 100);
    p.count = count;
    EXPECT_EQ(ClipPolygon(p), 0) << count;
    EXPECT_EQ(p.count, 0) << count;
  }
}

}  // namespace
