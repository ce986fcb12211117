// XYZ0 models: grouping, sorting, vertices, indices, the callback protocol,
// animation, malformed data and .gfx textures.
#include "engine/d3dobj.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/d3danim.h"
#include "engine/dxd3d.h"
#include "engine/dxd3dtex.h"
#include "engine/dxenum.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/pakwrite.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr uint16_t kNone = 0xFFFF;

// What a test callback saw, and the values it hands out.
struct Recorder {
  std::vector<int> reasons;
  std::vector<std::string> created;  // names of reason-2 requests
  std::vector<std::pair<int32_t, int32_t>> destroyed;
  std::vector<int32_t> set;
  int32_t nextValue = 100;
  bool handleCreate = true;
  bool handleDestroy = true;
};

int RecordingCallback(const D3DObjRequest* request, D3DObjAnswer* answer) {
  Recorder* r = static_cast<Recorder*>(request->userData);
  r->reasons.push_back(request->reason);
  switch (request->reason) {
    case D3DOBJ_TEXTURECREATE:
      if (!r->handleCreate) return 0;
      r->created.push_back(request->textureA);
      answer->value1 = r->nextValue++;
      answer->value2 = 7;
      return 1;
    case D3DOBJ_TEXTUREDESTROY:
      if (!r->handleDestroy) return 0;
      r->destroyed.push_back({request->value1, request->value2});
      return 1;
    case D3DOBJ_TEXTURESET:
      r->set.push_back(request->value1);
      return 1;
    case D3DOBJ_TEXTURENONE:
      return 1;
    default:
      return 0;  // compare by name
  }
}

XYZ0Polygon Poly(uint32_t texture, std::vector<uint32_t> points, float u0 = 0) {
  XYZ0Polygon p{};
  p.texture = texture;
  p.pointCount = static_cast<uint32_t>(points.size());
  for (size_t k = 0; k < points.size() && k < 4; ++k) {
    p.point[k] = points[k];
    p.u[k] = u0 + static_cast<float>(k);
    p.v[k] = 0.5f * static_cast<float>(k);
  }
  return p;
}

XYZ0Texture Tex(const char* name, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0, uint8_t a = 255) {
  return XYZ0Texture{name, "", r, g, b, a};
}

// A unit square in z = 0 and a point above it.
XYZ0Model Square() {
  XYZ0Model m;
  m.points = {{0, 0, 0, 0, kNone}, {1, 0, 0, 0, kNone}, {1, 1, 0, 0, kNone}, {0, 1, 0, 0, kNone},
              {0.5f, 0.5f, 1, 0, kNone}};
  return m;
}

std::string GroupName(const Recorder& r, const D3DObjGroup& g) {
  if (g.textureValue1 < 100) return "";
  return r.created[static_cast<size_t>(g.textureValue1 - 100)];
}

const float* VertexFloats(const D3DObjGroup& g, uint32_t v) {
  uint32_t size = (g.flags & D3DOBJ_GROUP_TEXTURED) ? 32 : 28;
  return reinterpret_cast<const float*>(g.vertices + v * size);
}

class D3DObjTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    InitMemory(60000);
  }
  void TearDown() override {
    EXPECT_EQ(GetMemoryStats().count, 0u) << "blocks left allocated";
    MemoryReset();
    EngineTest::TearDown();
  }
  // The object's owner pointer is the test's own variable.
  void Create(const std::vector<uint8_t>& data, uint32_t flags, D3DObj** owner) {
    D3DObj_CreateObjectFromXYZData(owner, data.data(), data.size(), RecordingCallback, &rec_, flags);
  }
  Recorder rec_;
};

TEST_F(D3DObjTest, TexturesOfOneNameShareOneGroupPerPointCount) {
  XYZ0Model m = Square();
  m.textures = {Tex("grass"), Tex("grass")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(1, {0, 2, 3}), Poly(0, {0, 1, 2, 3}), Poly(1, {0, 1, 2, 3})};
  D3DObj* object = nullptr;
  Create(XYZ0Encode(m), 0, &object);
  ASSERT_EQ(object->groupCount, 2u);
  EXPECT_EQ(rec_.created, (std::vector<std::string>{"grass", "grass"}));  // one create per group
  EXPECT_EQ(object->groups[0].vertexCount, 6u);                          // the two triangles
  EXPECT_EQ(object->groups[1].vertexCount, 12u);                         // the two quads
  for (uint32_t g = 0; g < 2; ++g)
    EXPECT_EQ(object->groups[g].flags, D3DOBJ_GROUP_TEXTURED | D3DOBJ_GROUP_TRIANGLES);
  D3DObj_DestroyObject(&object);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(rec_.destroyed.size(), 2u);
}

TEST_F(D3DObjTest, GroupsAreSortedByTextureName) {
  XYZ0Model m = Square();
  m.textures = {Tex("b"), Tex("a"), Tex("c"), Tex("a")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(1, {0, 1}), Poly(2, {4}), Poly(3, {0, 1, 2}), Poly(1, {1, 2, 3})};
  D3DObj* object = nullptr;
  Create(XYZ0Encode(m), 0, &object);
  ASSERT_EQ(object->groupCount, 4u);
  std::vector<std::string> names;
  for (uint32_t g = 0; g < object->groupCount; ++g) names.push_back(GroupName(rec_, object->groups[g]));
  EXPECT_EQ(names, (std::vector<std::string>{"a", "a", "b", "c"}));
  // The "a" groups: lines (from numbering order, points count 2) then triangles.
  EXPECT_EQ(object->groups[0].flags, D3DOBJ_GROUP_TEXTURED | D3DOBJ_GROUP_LINES);
  EXPECT_EQ(object->groups[1].flags, D3DOBJ_GROUP_TEXTURED | D3DOBJ_GROUP_TRIANGLES);
  EXPECT_EQ(object->groups[1].vertexCount, 6u);  // textures 1 and 3 together
  EXPECT_EQ(object->groups[3].flags, D3DOBJ_GROUP_TEXTURED | D3DOBJ_GROUP_POINTS);
  D3DObj_DestroyObject(&object);
  // Destroyed in drawing order with the values the callback gave.
  ASSERT_EQ(rec_.destroyed.size(), 4u);
  for (uint32_t g = 0; g < 4; ++g) EXPECT_EQ(rec_.destroyed[g].second, 7);
}

TEST_F(D3DObjTest, AQuadGivesSixVerticesOrFourWithSixIndices) {
  struct Case {
    uint32_t flags;
    uint32_t vertices;
    std::vector<uint16_t> indices;
  } cases[] = {
      {0, 6, {}},
      {D3DOBJ_INDEXED, 4, {0, 1, 2, 2, 3, 0}},
      {D3DOBJ_INDEXED | D3DOBJ_KEEP_POINTS, 4, {0, 1, 2, 2, 3, 0}},
  };
  XYZ0Model m = Square();
  m.textures = {Tex("")};
  m.polygons = {Poly(0, {0, 1, 2, 3})};
  for (const Case& c : cases) {
    D3DObj* object = nullptr;
  Create(XYZ0Encode(m), c.flags, &object);
    const D3DObjGroup& g = object->groups[0];
    EXPECT_EQ(g.vertexCount, c.vertices) << c.flags;
    EXPECT_EQ(g.indexCount, c.indices.size());
    EXPECT_EQ(g.indices != nullptr, !c.indices.empty());
    for (size_t i = 0; i < c.indices.size(); ++i) EXPECT_EQ(g.indices[i], c.indices[i]);
    EXPECT_EQ(g.points != nullptr, (c.flags & D3DOBJ_KEEP_POINTS) != 0);
    if (!c.indices.empty() && g.points) {
      for (uint32_t v = 0; v < 4; ++v) EXPECT_EQ(g.points[v], v);
    }
    if (c.indices.empty()) {  // emitted as (0, 1, 2) and (2, 3, 0)
      const uint32_t order[6] = {0, 1, 2, 2, 3, 0};
      for (uint32_t v = 0; v < 6; ++v) EXPECT_EQ(VertexFloats(g, v)[0], m.points[order[v]].x);
    }
    D3DObj_DestroyObject(&object);
  }
}

TEST_F(D3DObjTest, FlatShadingSplitsSharedCornersOfAnIndexedGroup) {
  // Two triangles folded along the edge 0-2: smooth shares the edge's two
  // vertices, flat makes each corner its own.
  XYZ0Model m = Square();
  m.points[3].z = 1;
  m.textures = {Tex("")};
  XYZ0Polygon a = Poly(0, {0, 1, 2}), b = Poly(0, {0, 2, 3});
  for (XYZ0Polygon* p : {&a, &b})
    for (float& u : p->u) u = 0;
  m.polygons = {a, b};
  struct Case {
    uint32_t flags;
    uint32_t vertices;
  } cases[] = {{D3DOBJ_INDEXED, 4}, {D3DOBJ_INDEXED | D3DOBJ_FLAT, 6}};
  for (const Case& c : cases) {
    D3DObj* object = nullptr;
  Create(XYZ0Encode(m), c.flags, &object);
    EXPECT_EQ(object->groups[0].vertexCount, c.vertices) << c.flags;
    EXPECT_EQ(object->groups[0].indexCount, 6u);
    D3DObj_DestroyObject(&object);
  }
}

TEST_F(D3DObjTest, VerticesCarryNormalsUVsAndColours) {
  XYZ0Model m = Square();
  m.textures = {Tex("", 0x11, 0x22, 0x33, 0x44), Tex("t")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(1, {0, 1, 2}, 5)};
  D3DObj* object = nullptr;
  Create(XYZ0Encode(m), D3DOBJ_FLAT, &object);
  ASSERT_EQ(object->groupCount, 2u);
  // "" sorts before "t".
  const D3DObjGroup& plain = object->groups[0];
  const D3DObjGroup& textured = object->groups[1];
  EXPECT_EQ(plain.flags, D3DOBJ_GROUP_UNTEXTURED | D3DOBJ_GROUP_TRIANGLES);
  EXPECT_EQ(plain.textureValue1, -1);
  EXPECT_EQ(textured.flags, D3DOBJ_GROUP_TEXTURED | D3DOBJ_GROUP_TRIANGLES);
  for (uint32_t v = 0; v < 3; ++v) {
    const float* p = VertexFloats(plain, v);
    EXPECT_EQ(p[3], 0.0f);
    EXPECT_EQ(p[4], 0.0f);
    EXPECT_EQ(p[5], 1.0f);  // counter-clockwise from above: +z
    uint32_t colour;
    std::memcpy(&colour, p + 6, 4);
    EXPECT_EQ(colour, 0x44112233u);
    const float* t = VertexFloats(textured, v);
    EXPECT_EQ(t[6], 5.0f + static_cast<float>(v));
    EXPECT_EQ(t[7], 0.5f * static_cast<float>(v));
  }
  D3DObj_DestroyObject(&object);
  // An untextured group is destroyed with value 1 = -1.
  ASSERT_EQ(rec_.destroyed.size(), 2u);
  EXPECT_EQ(rec_.destroyed[0].first, -1);
  EXPECT_EQ(rec_.destroyed[1].first, 100);
}

TEST_F(D3DObjTest, SmoothNormalsAverageTheFacesOfAPoint) {
  // Point 0 is used by a face with normal +z and one with normal +x.
  XYZ0Model m;
  m.points = {{0, 0, 0, 0, kNone}, {1, 0, 0, 0, kNone}, {0, 1, 0, 0, kNone}, {0, 0, 1, 0, kNone}};
  m.textures = {Tex("")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(0, {0, 2, 3})};
  D3DObj* object = nullptr;
  Create(XYZ0Encode(m), 0, &object);
  const float* v0 = VertexFloats(object->groups[0], 0);
  const float s = 1.0f / std::sqrt(2.0f);
  EXPECT_NEAR(v0[3], s, 1e-6);  // (0, 0, 1) + (1, 0, 0), normalised
  EXPECT_NEAR(v0[4], 0, 1e-6);
  EXPECT_NEAR(v0[5], s, 1e-6);
  D3DObj_DestroyObject(&object);
}

TEST_F(D3DObjTest, TheCallbackProtocol) {
  // Compare by name when the callback does not.
  D3DObjRequest compare{};
  compare.reason = D3DOBJ_TEXTURECOMPARE;
  const char* names[][2] = {{"a", "b"}, {"b", "a"}, {"same", "same"}, {"ab", "a"}, {"\xe0", "a"}};
  const int expected[] = {-1, 1, 0, 1, 1};
  for (int i = 0; i < 5; ++i) {
    compare.textureA = names[i][0];
    compare.textureB = names[i][1];
    D3DObjAnswer answer{0, 0, 99};
    D3DObjDefaultCallback(0, &compare, &answer);
    EXPECT_EQ(answer.compare, expected[i]) << i;
    answer.compare = 42;
    D3DObjDefaultCallback(1, &compare, &answer);  // handled: left alone
    EXPECT_EQ(answer.compare, 42);
  }
  D3DObjRequest none{};
  none.reason = D3DOBJ_TEXTURENONE;
  D3DObjAnswer answer{1, 2, 3};
  D3DObjDefaultCallback(0, &none, &answer);
  EXPECT_EQ(answer.value1, 1);
  D3DObjRequest create{};
  create.reason = D3DOBJ_TEXTURECREATE;
  EXPECT_FATAL(D3DObjDefaultCallback(0, &create, &answer), "no default action for TEXTURECREATE");
  D3DObjRequest destroy{};
  destroy.reason = D3DOBJ_TEXTUREDESTROY;
  EXPECT_FATAL(D3DObjDefaultCallback(0, &destroy, &answer), "no default action for TEXTUREDESTROY");
  EXPECT_FATAL(D3DObjBasicCallback(&create, &answer), "D3DObjBasicCallback\\(\\): NULL userdata passed");
}

TEST_F(D3DObjTest, UnhandledCreateOrDestroyAborts) {
  XYZ0Model m = Square();
  m.textures = {Tex("t")};
  m.polygons = {Poly(0, {0, 1, 2})};
  std::vector<uint8_t> data = XYZ0Encode(m);
  rec_.handleCreate = false;
  EXPECT_FATAL({ D3DObj* dead = nullptr; Create(data, 0, &dead); }, "D3DObjDefaultCallback\\(\\): no default action for TEXTURECREATE");
  rec_.handleCreate = true;
  D3DObj* object = nullptr;
  Create(data, 0, &object);
  rec_.handleDestroy = false;
  EXPECT_FATAL(D3DObj_DestroyObject(&object), "D3DObjDefaultCallback\\(\\): no default action for TEXTUREDESTROY");
  rec_.handleDestroy = true;
  D3DObj_DestroyObject(&object);
}

TEST_F(D3DObjTest, AnIndexedGroupPastSixtyFiveThousandVerticesAborts) {
  XYZ0Model m = Square();
  m.textures = {Tex("t")};
  // Points that differ by u: no two vertices are alike.
  for (uint32_t i = 0; i < 65537; ++i) m.polygons.push_back(Poly(0, {i % 4}, static_cast<float>(i)));
  std::vector<uint8_t> data = XYZ0Encode(m);
  D3DObj* object = nullptr;
  Create(data, 0, &object);
  EXPECT_EQ(object->groups[0].vertexCount, 65537u);
  D3DObj_DestroyObject(&object);
  EXPECT_FATAL({ D3DObj* dead = nullptr; Create(data, D3DOBJ_INDEXED, &dead); }, "indexed group has more than 65535 vertices");
  m.polygons.pop_back();  // exactly 65536: still fits
  data = XYZ0Encode(m);
  Create(data, D3DOBJ_INDEXED, &object);
  EXPECT_EQ(object->groups[0].vertexCount, 65536u);
  EXPECT_EQ(object->groups[0].indices[65535], 65535);
  D3DObj_DestroyObject(&object);
}

// ---------------------------------------------------------------------------
// Animation
// ---------------------------------------------------------------------------

D3DMATRIX Identity() {
  D3DMATRIX m{};
  m._11 = m._22 = m._33 = m._44 = 1;
  return m;
}

TEST_F(D3DObjTest, AnimationMovesPointsByBoneAndParent) {
  XYZ0Model m;
  // 0: bone 0; 1: bone 1, parent the last point; 2: bone 21; 3: bone 2,
  // parent 1; 4 (last): bone 5, no parent.
  m.points = {{1, 2, 3, 0, kNone},  {4, 5, 6, 1, 4},  {7, 8, 9, 21, kNone},
              {10, 0, 0, 2, 1},     {1, 1, 1, 5, kNone}};
  m.textures = {Tex("")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(0, {2, 3, 4})};
  std::vector<uint8_t> data = XYZ0Encode(m);
  D3DObj* object = nullptr;
  Create(data, D3DOBJ_KEEP_POINTS | D3DOBJ_INDEXED, &object);
  D3DAnim* anim = nullptr;
  D3DAnim_CreateAnimData(&anim, object, data.data(), data.size());
  ASSERT_EQ(anim->pointCount, 5u);
  // Relative to the parent.
  EXPECT_EQ(anim->basePositions[1].x, 3.0f);
  EXPECT_EQ(anim->basePositions[3].x, 6.0f);  // 10 - 4: the parent is still absolute when subtracted
  std::vector<D3DMATRIX> bones(22, Identity());
  D3DAnim_ConvertPoints(anim, bones.data(), 1, 21);
  for (uint32_t i = 0; i < 5; ++i) {
    EXPECT_EQ(anim->convPositions[i].x, m.points[i].x) << i;
    EXPECT_EQ(anim->convPositions[i].y, m.points[i].y) << i;
    EXPECT_EQ(anim->convPositions[i].z, m.points[i].z) << i;
  }
  // Move every bone by (100, 0, 0): bones 0 and 21 stay; point 3 moves with
  // its own bone and with its parent's.
  for (D3DMATRIX& b : bones) b._41 = 100;
  D3DAnim_ConvertPoints(anim, bones.data(), 1, 21);
  EXPECT_EQ(anim->convPositions[0].x, 1.0f);
  EXPECT_EQ(anim->convPositions[2].x, 7.0f);
  EXPECT_EQ(anim->convPositions[4].x, 101.0f);
  EXPECT_EQ(anim->convPositions[1].x, 3.0f + 100 + 101);
  EXPECT_EQ(anim->convPositions[3].x, 6.0f + 100 + 204);
  // Normals turn but do not move.
  EXPECT_EQ(anim->convNormals[4].x, anim->baseNormals[4].x);
  D3DAnim_ApplyConvPoints2Object(anim);
  const D3DObjGroup& g = object->groups[0];
  for (uint32_t v = 0; v < g.vertexCount; ++v)
    EXPECT_EQ(VertexFloats(g, v)[0], anim->convPositions[g.points[v]].x) << v;
  D3DAnim_FreeAnimData(&anim);
  EXPECT_EQ(anim, nullptr);
  D3DObj_DestroyObject(&object);
}

TEST_F(D3DObjTest, AnimationTurnsNormalsAndNeedsKeptPoints) {
  XYZ0Model m = Square();
  for (XYZ0Point& p : m.points) p.bone = 1;
  m.textures = {Tex("t")};
  m.polygons = {Poly(0, {0, 1, 2})};
  std::vector<uint8_t> data = XYZ0Encode(m);
  D3DObj* object = nullptr;
  Create(data, D3DOBJ_KEEP_POINTS, &object);
  D3DAnim* anim = nullptr;
  D3DAnim_CreateAnimData(&anim, object, data.data(), data.size());
  EXPECT_EQ(anim->baseNormals[0].z, 1.0f);
  EXPECT_EQ(anim->baseNormals[4].z, 0.0f);  // used by no vertex
  // A quarter turn about y: +z becomes +x.
  std::vector<D3DMATRIX> bones(2, Identity());
  bones[1] = D3DMATRIX{0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 5, 5, 5, 1};
  D3DAnim_ConvertPoints(anim, bones.data(), 1, 2);
  EXPECT_EQ(anim->convNormals[0].x, 1.0f);
  EXPECT_EQ(anim->convNormals[0].z, 0.0f);
  EXPECT_EQ(anim->convPositions[1].x, 5.0f);
  EXPECT_EQ(anim->convPositions[1].z, 4.0f);
  D3DAnim_ApplyConvPoints2Object(anim);
  EXPECT_EQ(VertexFloats(object->groups[0], 0)[3], 1.0f);
  D3DAnim_FreeAnimData(&anim);
  D3DObj_DestroyObject(&object);

  Create(data, 0, &object);
  EXPECT_FATAL(D3DAnim_CreateAnimData(&anim, object, data.data(), data.size()), "keeps no points");
  D3DObj_DestroyObject(&object);
}

// ---------------------------------------------------------------------------
// Malformed data
// ---------------------------------------------------------------------------

// A good model to spoil: 5 points, 2 textures, 3 polygons.
std::vector<uint8_t> GoodData() {
  XYZ0Model m = Square();
  for (uint32_t i = 0; i < m.points.size(); ++i) {
    m.points[i].bone = static_cast<uint16_t>(i);
    m.points[i].parent = i ? static_cast<uint16_t>(i - 1) : kNone;
  }
  m.textures = {Tex("b"), Tex("", 1, 2, 3, 4)};
  m.polygons = {Poly(0, {0, 1, 2, 3}), Poly(1, {1, 4}), Poly(0, {4, 3, 2})};
  return XYZ0Encode(m);
}

constexpr uint32_t kTextures = 44 + 5 * 16;
constexpr uint32_t kPolygons = kTextures + 2 * 68;

TEST_F(D3DObjTest, MalformedDataAbortsNamingTheFlaw) {
  struct Case {
    const char* what;
    void (*spoil)(std::vector<uint8_t>& d);
    const char* message;
  } cases[] = {
      {"short header", [](std::vector<uint8_t>& d) { d.resize(43); }, "43 bytes is shorter than the header"},
      {"point table past the end", [](std::vector<uint8_t>& d) { StoreU32(&d[12], 100); },
       "point table \\(offset 44, 100 records of 16 bytes\\) lies outside"},
      {"huge count", [](std::vector<uint8_t>& d) { StoreU32(&d[36], 0xFFFFFFFF); }, "polygon table .* lies outside"},
      {"offset past the end", [](std::vector<uint8_t>& d) { StoreU32(&d[20], 0xFFFFFFF0); },
       "texture table .* lies outside"},
      {"point records too small", [](std::vector<uint8_t>& d) { StoreU32(&d[16], 12); },
       "point records of 12 bytes are shorter than 16"},
      {"texture records too small", [](std::vector<uint8_t>& d) { StoreU32(&d[28], 64); },
       "texture records of 64 bytes are shorter than 68"},
      {"polygon records too small", [](std::vector<uint8_t>& d) { StoreU32(&d[40], 40); },
       "polygon records of 40 bytes are shorter than 56"},
      {"name without end", [](std::vector<uint8_t>& d) { std::memset(&d[kTextures + 68], 'x', 32); },
       "texture 1: name has no zero byte"},
      {"second name without end", [](std::vector<uint8_t>& d) { std::memset(&d[kTextures + 32], 'x', 32); },
       "texture 0: second name has no zero byte"},
      {"texture index", [](std::vector<uint8_t>& d) { StoreU32(&d[kPolygons + 56], 2); },
       "polygon 1: texture 2 of 2"},
      {"no points", [](std::vector<uint8_t>& d) { StoreU32(&d[kPolygons + 4], 0); },
       "polygon 0: point count 0 is not 1 to 4"},
      {"five points", [](std::vector<uint8_t>& d) { StoreU32(&d[kPolygons + 112 + 4], 5); },
       "polygon 2: point count 5 is not 1 to 4"},
      {"point index", [](std::vector<uint8_t>& d) { StoreU32(&d[kPolygons + 112 + 16], 5); },
       "polygon 2: point 5 of 5"},
      {"too many points",
       [](std::vector<uint8_t>& d) {
         d.resize(44 + 65537 * 16);
         StoreU32(&d[8], 44);
         StoreU32(&d[12], 65537);
         StoreU32(&d[24], 0);
         StoreU32(&d[36], 0);
       },
       "65537 points are more than 65536"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> d = GoodData();
    c.spoil(d);
    char fault[200] = "";
    EXPECT_FALSE(D3DObj_FindXYZDataFault(d.data(), d.size(), fault, sizeof fault));
    EXPECT_FATAL(D3DObj_CheckXYZData(d.data(), d.size()), std::string("D3DObj_CheckXYZData\\(\\): bad XYZ0 data: ") + c.message);
  }
  // An unused point index (beyond the point count of the polygon) is not read.
  std::vector<uint8_t> d = GoodData();
  StoreU32(&d[kPolygons + 56 + 16], 0xFFFFFFFF);
  EXPECT_TRUE(D3DObj_FindXYZDataFault(d.data(), d.size(), nullptr, 0));
  // Not XYZ0 at all.
  d[3] = '1';
  std::vector<uint8_t> bad = d;
  EXPECT_FATAL({ D3DObj* dead = nullptr; Create(bad, 0, &dead); }, "D3DObj_CreateObjectFromXYZData\\(\\): bad data passed in");
}

// Mutations of a good file: each either fails the check (and then creating
// from it aborts cleanly) or makes a whole object that can be animated and
// freed. Run under the sanitizers, any read outside the data fails.
TEST_F(D3DObjTest, MutatedDataIsRefusedOrWorks) {
  const std::vector<uint8_t> good = GoodData();
  uint32_t seed = 12345;
  auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return seed >> 8;
  };
  int refused = 0, built = 0, deaths = 0;
  const std::vector<D3DMATRIX> bones(65536, Identity());
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> d = good;
    int edits = 1 + static_cast<int>(next() % 4);
    for (int e = 0; e < edits; ++e) {
      uint32_t kind = next() % 8;
      if (kind == 0) {
        d.resize(next() % (d.size() + 1));
      } else if (kind < 3 && d.size() >= 44) {  // a header word
        uint32_t field = 8 + 4 * (next() % 9);
        static const uint32_t kValues[] = {0, 1, 3, 4, 12, 16, 44, 56, 68, 0x7FFFFFFF, 0xFFFFFFFF};
        StoreU32(&d[field], next() % 2 ? kValues[next() % 11] : LoadU32(&d[field]) + (next() % 9) - 4);
      } else if (!d.empty()) {
        d[next() % d.size()] = static_cast<uint8_t>(next());
      }
    }
    // Copy to a block of exactly its size, so the sanitizer sees every overrun.
    std::vector<uint8_t> exact(d);
    exact.shrink_to_fit();
    if (!D3DObj_FindXYZDataFault(exact.data(), exact.size(), nullptr, 0)) {
      ++refused;
      if (deaths < 3) {  // a few of them through the abort itself
        ++deaths;
        EXPECT_FATAL({ D3DObj* dead = nullptr; Create(exact, 0, &dead); }, "bad (XYZ0 )?data");
      }
      continue;
    }
    ++built;
    for (uint32_t flags : {uint32_t{D3DOBJ_KEEP_POINTS}, uint32_t{D3DOBJ_KEEP_POINTS | D3DOBJ_INDEXED | D3DOBJ_FLAT}}) {
      D3DObj* object = nullptr;
  Create(exact, flags, &object);
      D3DAnim* anim = nullptr;
      D3DAnim_CreateAnimData(&anim, object, exact.data(), exact.size());
      D3DAnim_ConvertPoints(anim, bones.data(), 0, 65536);
      D3DAnim_ApplyConvPoints2Object(anim);
      D3DAnim_FreeAnimData(&anim);
      D3DObj_DestroyObject(&object);
    }
  }
  EXPECT_GT(refused, 100);
  EXPECT_GT(built, 100);
}

// ---------------------------------------------------------------------------
// The basic callback's .gfx files
// ---------------------------------------------------------------------------

std::vector<uint8_t> Gfx(uint16_t w, uint16_t h, uint32_t pixelBytes) {
  std::vector<uint8_t> d(16 + pixelBytes, 0x80);
  StoreU16(&d[4], w);
  StoreU16(&d[6], h);
  return d;
}

TEST_F(D3DObjTest, ShortGfxFilesAbortNamingTheFile) {
  ScratchDir dir("d3dobj");
  std::vector<PakWriteItem> items = {
      {"TEX\\SHORT.GFX", Gfx(4, 4, 63)},
      {"TEX\\TINY.GFX", std::vector<uint8_t>(10, 0)},
      {"TEX\\EMPTY.GFX", Gfx(0, 4, 0)},
      {"TEX\\HUGE.GFX", Gfx(65535, 65535, 64)},
  };
  std::filesystem::create_directories("pakfiles");
  std::string error;
  ASSERT_TRUE(PakWriteFiles("pakfiles/test", items, PAK_STORE_PLAIN, nullptr, &error)) << error;
  PakFileInit();
  PakFileAdd("pakfiles\\test");
  PakFileAddDone();
  D3DObjBasicUserData user{"tex"};
  struct Case {
    const char* name;
    const char* message;
  } cases[] = {
      {"short", "'tex\\\\short.gfx' \\(79 bytes\\) is too short for a 4x4 RGBA image"},
      {"tiny", "'tex\\\\tiny.gfx' \\(10 bytes\\) is too short"},
      {"empty", "'tex\\\\empty.gfx' \\(16 bytes\\) is too short for a 0x4"},
      {"huge", "'tex\\\\huge.gfx' \\(80 bytes\\) is too short for a 65535x65535"},
  };
  for (const Case& c : cases) {
    D3DObjRequest request{};
    request.reason = D3DOBJ_TEXTURECREATE;
    request.userData = &user;
    request.textureA = c.name;
    request.textureASecond = "";
    D3DObjAnswer answer{-1, 0, 0};
    EXPECT_FATAL(D3DObjBasicCallback(&request, &answer), c.message);
  }
  // Other reasons are not its business, but for destroying nothing.
  D3DObjRequest request{};
  request.userData = &user;
  D3DObjAnswer answer{-1, 0, 0};
  for (uint8_t reason : {D3DOBJ_TEXTURECOMPARE, D3DOBJ_TEXTURESET, D3DOBJ_TEXTURENONE}) {
    request.reason = reason;
    EXPECT_EQ(D3DObjBasicCallback(&request, &answer), 0);
  }
  request.reason = D3DOBJ_TEXTUREDESTROY;
  request.value1 = -1;
  EXPECT_EQ(D3DObjBasicCallback(&request, &answer), 1);
  PakFileUninit();
}

// ---------------------------------------------------------------------------
// Drawing through the 3D device
// ---------------------------------------------------------------------------

class D3DObjRenderTest : public D3DObjTest {
 protected:
  void Start3DMode() {
    WinInit(nullptr, "Gafferon test", 1);
    DXEnumDisplay();
    DXSelectDevice(0, 0);
    GfxInit(1);
    int16_t m = GfxFindMode(640, 480, 1);
    ASSERT_GE(m, 0);
    SetGraphicMode(m, GFX_MODE_D3D | GFX_MODE_ZBUFFER);
    ASSERT_NE(D3DGetD3DDevice7(), nullptr);
  }
  void TearDown() override {
    if (GfxInGraphicMode()) RestoreGraphicMode();
    D3DObjTest::TearDown();
  }
};

TEST_F(D3DObjRenderTest, OneDrawPerGroupWithTheGroupsTexture) {
  Start3DMode();
  // A screen-filling green quad (plain colour) at depth 0.5, and a textured
  // triangle and line off to the side.
  XYZ0Model m;
  m.points = {{-1, -1, 0.5f, 0, kNone}, {1, -1, 0.5f, 0, kNone}, {1, 1, 0.5f, 0, kNone}, {-1, 1, 0.5f, 0, kNone}};
  m.textures = {Tex("", 0, 255, 0, 255), Tex("t")};
  m.polygons = {Poly(0, {0, 1, 2, 3}), Poly(1, {0, 1, 2}), Poly(1, {0, 1})};
  for (uint32_t flags : {0u, uint32_t{D3DOBJ_INDEXED}}) {
    SCOPED_TRACE(flags);
    rec_ = Recorder{};
    D3DObj* object = nullptr;
    Create(XYZ0Encode(m), flags, &object);
    ASSERT_EQ(object->groupCount, 3u);
    D3DMATRIX identity{};
    identity._11 = identity._22 = identity._33 = identity._44 = 1;
    for (uint32_t t : {PLAT_TRANSFORM_WORLD, PLAT_TRANSFORM_VIEW, PLAT_TRANSFORM_PROJECTION})
      D3DSetTransformType(t, &identity);
    D3DSetRenderState(PLAT_RS_LIGHTING, 0);
    D3DSetRenderState(PLAT_RS_CULLMODE, PLAT_CULL_NONE);
    uint32_t drawsBefore = Plat3DGetStats(D3DGetD3DDevice7()).draws;
    D3DBeginScene();
    D3DClearSceneAll();
    rec_.reasons.clear();
    D3DObj_Render(object);
    D3DEndScene();
    EXPECT_EQ(Plat3DGetStats(D3DGetD3DDevice7()).draws - drawsBefore, 3u);
    // "" sorts first: the plain group asks for no texture; the two textured
    // groups are set with the value the callback gave them.
    EXPECT_EQ(rec_.reasons, (std::vector<int>{D3DOBJ_TEXTURENONE, D3DOBJ_TEXTURESET, D3DOBJ_TEXTURESET}));
    EXPECT_EQ(rec_.set, (std::vector<int32_t>{100, 101}));  // lines, then triangles
    // The plain quad in its vertex colour; the untextured-by-the-device
    // triangle over its lower right half in white.
    const uint32_t green = ColConvRGBA2Pixel(GfxScreen.colourFormat, 0, 255, 0, 255);
    const uint32_t white = ColConvRGBA2Pixel(GfxScreen.colourFormat, 255, 255, 255, 255);
    EXPECT_EQ(GfxGetPixel(100, 50), green);
    EXPECT_EQ(GfxGetPixel(5, 470), green);
    EXPECT_EQ(GfxGetPixel(600, 400), white);
    D3DObj_DestroyObject(&object);
  }
}

TEST_F(D3DObjRenderTest, WithoutAHandlerTheGroupsValueBecomesTheCurrentTexture) {
  Start3DMode();
  D3DObjRequest set{};
  set.reason = D3DOBJ_TEXTURESET;
  set.value1 = -1;
  D3DObjAnswer answer{0, 0, 0};
  D3DObjDefaultCallback(0, &set, &answer);
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
}

TEST_F(D3DObjRenderTest, TheBasicCallbackMakesAndDestroysGfxTextures) {
  ScratchDir dir("d3dobj");
  std::vector<uint8_t> gfx = Gfx(4, 2, 4 * 2 * 4);
  std::filesystem::create_directories("pakfiles");
  std::string error;
  ASSERT_TRUE(PakWriteFiles("pakfiles/test", {{"TEX\\GOOD.GFX", gfx}}, PAK_STORE_PLAIN, nullptr, &error)) << error;
  PakFileInit();
  PakFileAdd("pakfiles\\test");
  PakFileAddDone();
  Start3DMode();
  D3DTexInit();
  XYZ0Model m = Square();
  m.textures = {Tex("good"), Tex("")};
  m.polygons = {Poly(0, {0, 1, 2}), Poly(1, {0, 1, 2})};
  std::vector<uint8_t> data = XYZ0Encode(m);
  D3DObjBasicUserData user{"tex"};
  D3DObj* object = nullptr;
  D3DObj_CreateObjectFromXYZData(&object, data.data(), data.size(), nullptr, &user, 0);
  ASSERT_EQ(object->groupCount, 2u);
  const D3DObjGroup& textured = object->groups[1];
  EXPECT_EQ(textured.flags & D3DOBJ_GROUP_TEXTURED, D3DOBJ_GROUP_TEXTURED);
  ASSERT_GE(textured.textureValue1, 0);
  EXPECT_EQ(textured.textureValue2, 0);
  EXPECT_NE(D3DTexAccessDDrawSurface(textured.textureValue1), nullptr);
  const int handle = textured.textureValue1;
  // Drawing makes the group's texture current.
  D3DBeginScene();
  D3DObj_Render(object);
  D3DEndScene();
  EXPECT_EQ(D3DTexGetCurrentHandle(), handle);
  D3DObj_DestroyObject(&object);  // the texture goes with it, and is no longer current
  EXPECT_EQ(D3DTexGetCurrentHandle(), -1);
  EXPECT_FATAL(D3DTexAccessDDrawSurface(handle), "texture doesn't exist");
  D3DTexUninit();
  PakFileUninit();
}

}  // namespace
