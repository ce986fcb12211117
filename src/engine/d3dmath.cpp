// Vectors and 4 x 4 matrices.
#include "engine/d3dmath.h"

#include <cmath>
#include <cstring>

#include "engine/bytes.h"
#include "engine/d3dobj.h"

namespace {

const D3DMATRIX kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// Calls `move(x, y, z)` for every point of the model's point table, storing
// what it leaves in x, y, z back into the record.
template <typename Move>
void ForEachPoint(void* xyzData, Move move) {
  uint8_t* base = static_cast<uint8_t*>(xyzData);
  const XYZ0Table points = XYZ0ReadHeader(base).points;
  for (uint32_t i = 0; i < points.count; ++i) {
    uint8_t* p = base + points.offset + static_cast<size_t>(i) * points.recordSize;
    float x = LoadF32(p), y = LoadF32(p + 4), z = LoadF32(p + 8);
    move(x, y, z);
    StoreF32(p, x);
    StoreF32(p + 4, y);
    StoreF32(p + 8, z);
  }
}

}  // namespace

D3DVECTOR* D3DVectorTransform(D3DVECTOR* dest, const D3DVECTOR* src, float w, const D3DMATRIX* m) {
  D3DVECTOR t;
  t.x = src->x * m->_11 + src->y * m->_21 + src->z * m->_31 + w * m->_41;
  t.y = src->x * m->_12 + src->y * m->_22 + src->z * m->_32 + w * m->_42;
  t.z = src->x * m->_13 + src->y * m->_23 + src->z * m->_33 + w * m->_43;
  *dest = t;
  return dest;
}

D3DVECTOR* D3DVectorSubtract(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b) {
  D3DVECTOR t = {a->x - b->x, a->y - b->y, a->z - b->z};
  *dest = t;
  return dest;
}

D3DVECTOR* D3DVectorAdd(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b) {
  D3DVECTOR t = {a->x + b->x, a->y + b->y, a->z + b->z};
  *dest = t;
  return dest;
}

void D3DVectorDot(float* out, const D3DVECTOR* a, const D3DVECTOR* b) {
  *out = a->x * b->x + a->y * b->y + a->z * b->z;
}

D3DVECTOR* D3DVectorCross(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b) {
  D3DVECTOR t = {a->y * b->z - a->z * b->y, a->z * b->x - a->x * b->z, a->x * b->y - a->y * b->x};
  *dest = t;
  return dest;
}

D3DVECTOR* D3DVectorNormalise(D3DVECTOR* v) {
  double squares = static_cast<double>(v->x) * v->x + static_cast<double>(v->y) * v->y +
                   static_cast<double>(v->z) * v->z;
  float length = static_cast<float>(std::sqrt(squares));
  if (length != 0.0f) {  // -0 compares equal to 0 as well
    float inverse = 1.0f / length;
    v->x *= inverse;
    v->y *= inverse;
    v->z *= inverse;
  }
  return v;
}

D3DVECTOR* D3DVectorZero(D3DVECTOR* v) {
  v->x = v->y = v->z = 0.0f;
  return v;
}

D3DMATRIX* D3DMatrixIdentity(D3DMATRIX* m) {
  *m = kIdentity;
  return m;
}

D3DMATRIX* D3DMatrixMultiply(D3DMATRIX* result, const D3DMATRIX* a, const D3DMATRIX* b) {
  float av[16], bv[16], r[16];
  std::memcpy(av, a, sizeof av);
  std::memcpy(bv, b, sizeof bv);
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      r[i * 4 + j] = av[i * 4 + 0] * bv[0 * 4 + j] + av[i * 4 + 1] * bv[1 * 4 + j] + av[i * 4 + 2] * bv[2 * 4 + j] +
                     av[i * 4 + 3] * bv[3 * 4 + j];
  std::memcpy(result, r, sizeof r);
  return result;
}

D3DMATRIX* D3DMatrixScale(D3DMATRIX* m, float sx, float sy, float sz) {
  *m = kIdentity;
  m->_11 = sx;
  m->_22 = sy;
  m->_33 = sz;
  return m;
}

D3DMATRIX* D3DMatrixTranslation(D3DMATRIX* m, float tx, float ty, float tz) {
  *m = kIdentity;
  m->_41 = tx;
  m->_42 = ty;
  m->_43 = tz;
  return m;
}

D3DMATRIX* D3DMatrixAddTranslation(D3DMATRIX* m, float tx, float ty, float tz) {
  m->_41 += tx;
  m->_42 += ty;
  m->_43 += tz;
  return m;
}

D3DMATRIX* D3DMatrixRotateX(D3DMATRIX* m, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  *m = kIdentity;
  m->_22 = c;
  m->_23 = -s;
  m->_32 = s;
  m->_33 = c;
  return m;
}

D3DMATRIX* D3DMatrixRotateY(D3DMATRIX* m, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  *m = kIdentity;
  m->_11 = c;
  m->_13 = s;
  m->_31 = -s;
  m->_33 = c;
  return m;
}

D3DMATRIX* D3DMatrixRotateZ(D3DMATRIX* m, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  *m = kIdentity;
  m->_11 = c;
  m->_12 = -s;
  m->_21 = s;
  m->_22 = c;
  return m;
}

D3DMATRIX* D3DMatrixRotateXYZ(D3DMATRIX* m, float ax, float ay, float az) {
  float cx = std::cos(ax), sx = std::sin(ax);
  float cy = std::cos(ay), sy = std::sin(ay);
  float cz = std::cos(az), sz = std::sin(az);
  *m = kIdentity;
  m->_11 = cy * cz;
  m->_12 = -cy * sz;
  m->_13 = sy;
  m->_21 = sx * sy * cz + cx * sz;
  m->_22 = -sx * sy * sz + cx * cz;
  m->_23 = -sx * cy;
  m->_31 = -cx * sy * cz + sx * sz;
  m->_32 = cx * sy * sz + sx * cz;
  m->_33 = cx * cy;
  return m;
}

void XYZData_RotateZ(void* xyzData, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  ForEachPoint(xyzData, [c, s](float& x, float& y, float&) {
    float nx = c * x - s * y, ny = s * x + c * y;
    x = nx;
    y = ny;
  });
}

void XYZData_RotateY(void* xyzData, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  ForEachPoint(xyzData, [c, s](float& x, float&, float& z) {
    float nz = c * z - s * x, nx = s * z + c * x;
    x = nx;
    z = nz;
  });
}

void XYZData_RotateX(void* xyzData, float angle) {
  float c = std::cos(angle), s = std::sin(angle);
  ForEachPoint(xyzData, [c, s](float&, float& y, float& z) {
    float ny = c * y - s * z, nz = s * y + c * z;
    y = ny;
    z = nz;
  });
}

void XYZData_Translate(void* xyzData, float tx, float ty, float tz) {
  ForEachPoint(xyzData, [=](float& x, float& y, float& z) {
    x += tx;
    y += ty;
    z += tz;
  });
}

void XYZData_Scale(void* xyzData, float sx, float sy, float sz) {
  ForEachPoint(xyzData, [=](float& x, float& y, float& z) {
    x *= sx;
    y *= sy;
    z *= sz;
  });
}
