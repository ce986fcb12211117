#include "engine/d3dmath.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "engine/bytes.h"

namespace {

constexpr float kPi = 3.14159265358979f;

void ExpectVector(const D3DVECTOR& v, float x, float y, float z, float tolerance = 1e-5f) {
  EXPECT_NEAR(v.x, x, tolerance);
  EXPECT_NEAR(v.y, y, tolerance);
  EXPECT_NEAR(v.z, z, tolerance);
}

bool SameBits(const D3DMATRIX& a, const D3DMATRIX& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

D3DMATRIX Sample(float seed) {
  D3DMATRIX m;
  float* f = &m._11;
  for (int i = 0; i < 16; ++i) f[i] = seed + 0.37f * static_cast<float>(i) - 0.011f * static_cast<float>(i * i);
  return m;
}

TEST(D3DMath, NormaliseScalesToUnitLengthAndLeavesZeroAlone) {
  const struct {
    D3DVECTOR in;
    D3DVECTOR want;
  } cases[] = {
      {{3, 0, 4}, {0.6f, 0, 0.8f}},
      {{0, -2, 0}, {0, -1, 0}},
      {{1, 1, 1}, {0.57735027f, 0.57735027f, 0.57735027f}},
      {{1e-20f, 0, 0}, {1, 0, 0}},
  };
  for (const auto& c : cases) {
    D3DVECTOR v = c.in;
    EXPECT_EQ(D3DVectorNormalise(&v), &v);
    ExpectVector(v, c.want.x, c.want.y, c.want.z);
  }
  // Zero and negative zero: untouched, bit for bit (no division, no NaN).
  for (D3DVECTOR zero : {D3DVECTOR{0, 0, 0}, D3DVECTOR{-0.0f, 0, 0}, D3DVECTOR{-0.0f, -0.0f, -0.0f}}) {
    D3DVECTOR v = zero;
    D3DVectorNormalise(&v);
    EXPECT_EQ(std::memcmp(&v, &zero, sizeof v), 0);
    EXPECT_TRUE(std::signbit(v.x) == std::signbit(zero.x));
  }
}

TEST(D3DMath, VectorOperationsMayWriteOverASource) {
  D3DVECTOR a{1, 2, 3}, b{-4, 5, 0.5f};
  D3DVECTOR v = a;
  D3DVectorAdd(&v, &v, &b);
  ExpectVector(v, -3, 7, 3.5f);
  v = a;
  D3DVectorSubtract(&v, &b, &v);
  ExpectVector(v, -5, 3, -2.5f);
  v = a;
  D3DVectorCross(&v, &v, &b);  // (2*0.5-3*5, 3*-4-1*0.5, 1*5-2*-4)
  ExpectVector(v, -14, -12.5f, 13);
  float dot = 0;
  D3DVectorDot(&dot, &a, &b);
  EXPECT_FLOAT_EQ(dot, -4 + 10 + 1.5f);
  D3DVectorZero(&v);
  ExpectVector(v, 0, 0, 0, 0);
}

TEST(D3DMath, TransformWithWZeroIgnoresTheTranslation) {
  D3DMATRIX rotate, move, m;
  D3DMatrixRotateZ(&rotate, kPi / 2);
  D3DMatrixTranslation(&move, 10, 20, 30);
  D3DMatrixMultiply(&m, &rotate, &move);
  D3DVECTOR p{1, 0, 0}, out;
  // Row vector times RotateZ(90): (1,0,0) goes to (cos, -sin, 0) = (0,-1,0).
  D3DVectorTransform(&out, &p, 0, &m);
  ExpectVector(out, 0, -1, 0);
  D3DVectorTransform(&out, &p, 1, &m);
  ExpectVector(out, 10, 19, 30);
  D3DVectorTransform(&p, &p, 1, &m);  // in place
  ExpectVector(p, 10, 19, 30);
}

TEST(D3DMath, MultiplyGivesTheSameProductWhenTheResultIsASource) {
  const D3DMATRIX a = Sample(1.5f), b = Sample(-2.25f);
  D3DMATRIX separate;
  D3DMatrixMultiply(&separate, &a, &b);
  D3DMATRIX ra = a;
  EXPECT_EQ(D3DMatrixMultiply(&ra, &ra, &b), &ra);
  EXPECT_TRUE(SameBits(ra, separate));
  D3DMATRIX rb = b;
  D3DMatrixMultiply(&rb, &a, &rb);
  EXPECT_TRUE(SameBits(rb, separate));
  D3DMATRIX sq = a, sqWant;
  D3DMatrixMultiply(&sqWant, &a, &a);
  D3DMatrixMultiply(&sq, &sq, &sq);
  EXPECT_TRUE(SameBits(sq, sqWant));
  // One element by hand: _23 = sum over k of a_2k * b_k3.
  float want = a._21 * b._13 + a._22 * b._23 + a._23 * b._33 + a._24 * b._43;
  EXPECT_FLOAT_EQ(separate._23, want);
}

TEST(D3DMath, BuildersStartFromTheIdentity) {
  D3DMATRIX m = Sample(9), id;
  D3DMatrixIdentity(&id);
  const float want[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
  EXPECT_EQ(std::memcmp(&id, want, sizeof want), 0);
  D3DMatrixScale(&m, 2, 3, 4);
  EXPECT_EQ(m._11, 2);
  EXPECT_EQ(m._22, 3);
  EXPECT_EQ(m._33, 4);
  EXPECT_EQ(m._44, 1);
  EXPECT_EQ(m._41, 0);
  m = Sample(9);
  D3DMatrixTranslation(&m, 5, 6, 7);
  EXPECT_EQ(m._41, 5);
  EXPECT_EQ(m._43, 7);
  EXPECT_EQ(m._11, 1);
  EXPECT_EQ(m._12, 0);
  D3DMATRIX base = Sample(2), moved = base;
  D3DMatrixAddTranslation(&moved, 1, -1, 0.5f);
  EXPECT_EQ(moved._41, base._41 + 1);
  EXPECT_EQ(moved._42, base._42 - 1);
  EXPECT_EQ(moved._43, base._43 + 0.5f);
  moved._41 = base._41, moved._42 = base._42, moved._43 = base._43;
  EXPECT_TRUE(SameBits(moved, base));
}

TEST(D3DMath, SingleRotationsPlaceSinAndCos) {
  D3DMATRIX m;
  const float a = 0.3f, c = std::cos(a), s = std::sin(a);
  D3DMatrixRotateX(&m, a);
  EXPECT_EQ(m._22, c);
  EXPECT_EQ(m._23, -s);
  EXPECT_EQ(m._32, s);
  EXPECT_EQ(m._33, c);
  EXPECT_EQ(m._11, 1);
  D3DMatrixRotateY(&m, a);
  EXPECT_EQ(m._11, c);
  EXPECT_EQ(m._13, s);
  EXPECT_EQ(m._31, -s);
  EXPECT_EQ(m._33, c);
  D3DMatrixRotateZ(&m, a);
  EXPECT_EQ(m._11, c);
  EXPECT_EQ(m._12, -s);
  EXPECT_EQ(m._21, s);
  EXPECT_EQ(m._22, c);
  EXPECT_EQ(m._33, 1);
}

TEST(D3DMath, RotateXYZEqualsTheProductOfTheThree) {
  const float angles[][3] = {{0, 0, 0}, {0.3f, -1.1f, 2.0f}, {kPi / 2, kPi / 3, -kPi / 4}, {-2.5f, 0.01f, 3.0f}};
  for (const auto& a : angles) {
    D3DMATRIX x, y, z, xy, product, direct;
    D3DMatrixRotateX(&x, a[0]);
    D3DMatrixRotateY(&y, a[1]);
    D3DMatrixRotateZ(&z, a[2]);
    D3DMatrixMultiply(&xy, &x, &y);
    D3DMatrixMultiply(&product, &xy, &z);
    D3DMatrixRotateXYZ(&direct, a[0], a[1], a[2]);
    const float* p = &product._11;
    const float* d = &direct._11;
    for (int i = 0; i < 16; ++i) {
      if (i == 11) continue;  // _34 is not read by its users
      EXPECT_NEAR(d[i], p[i], 1e-6f) << "element " << i << " angles " << a[0] << "," << a[1] << "," << a[2];
    }
    EXPECT_EQ(direct._14, 0);
    EXPECT_EQ(direct._24, 0);
    EXPECT_EQ(direct._44, 1);
  }
}

// A little XYZ0 block: header, then `count` point records of `size` bytes
// each holding x, y, z and a tail that the walks must not touch.
std::vector<uint8_t> PointData(const std::vector<D3DVECTOR>& points, uint32_t size) {
  std::vector<uint8_t> data(44 + points.size() * size, 0xA5);
  std::memcpy(data.data(), "XYZ0", 4);
  StoreU32(&data[8], 44);
  StoreU32(&data[12], static_cast<uint32_t>(points.size()));
  StoreU32(&data[16], size);
  for (int at = 20; at < 44; at += 4) StoreU32(&data[at], 0);
  for (size_t i = 0; i < points.size(); ++i) {
    uint8_t* p = &data[44 + i * size];
    StoreF32(p, points[i].x);
    StoreF32(p + 4, points[i].y);
    StoreF32(p + 8, points[i].z);
  }
  return data;
}

D3DVECTOR PointAt(const std::vector<uint8_t>& data, size_t i, uint32_t size) {
  const uint8_t* p = &data[44 + i * size];
  return {LoadF32(p), LoadF32(p + 4), LoadF32(p + 8)};
}

TEST(D3DMath, PointWalksMoveEveryPointAndNothingElse) {
  const struct {
    const char* name;
    void (*apply)(void*);
    D3DVECTOR want;  // of the point (1, 2, 3)
  } cases[] = {
      {"RotateZ", [](void* d) { XYZData_RotateZ(d, kPi / 2); }, {-2, 1, 3}},
      {"RotateY", [](void* d) { XYZData_RotateY(d, kPi / 2); }, {3, 2, -1}},
      {"RotateX", [](void* d) { XYZData_RotateX(d, kPi / 2); }, {1, -3, 2}},
      {"Translate", [](void* d) { XYZData_Translate(d, 10, -1, 0.5f); }, {11, 1, 3.5f}},
      {"Scale", [](void* d) { XYZData_Scale(d, 2, -1, 0); }, {2, -2, 0}},
  };
  for (const auto& c : cases) {
    const uint32_t size = 20;
    std::vector<uint8_t> data = PointData({{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, size);
    std::vector<uint8_t> before = data;
    c.apply(data.data());
    for (size_t i = 0; i < 3; ++i) {
      D3DVECTOR p = PointAt(data, i, size);
      EXPECT_NEAR(p.x, c.want.x, 1e-5f) << c.name;
      EXPECT_NEAR(p.y, c.want.y, 1e-5f) << c.name;
      EXPECT_NEAR(p.z, c.want.z, 1e-5f) << c.name;
      EXPECT_EQ(std::memcmp(&data[44 + i * size + 12], &before[44 + i * size + 12], size - 12), 0) << c.name;
    }
    EXPECT_EQ(std::memcmp(data.data(), before.data(), 44), 0) << c.name;
  }
}

TEST(D3DMath, PointWalksWithNoPointsChangeNothing) {
  std::vector<uint8_t> data = PointData({}, 16);
  data.resize(64, 0x5A);  // bytes after the header stay as they are
  const std::vector<uint8_t> before = data;
  XYZData_RotateZ(data.data(), 1);
  XYZData_RotateY(data.data(), 1);
  XYZData_RotateX(data.data(), 1);
  XYZData_Translate(data.data(), 1, 2, 3);
  XYZData_Scale(data.data(), 2, 2, 2);
  EXPECT_EQ(data, before);
}

}  // namespace
