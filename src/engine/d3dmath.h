// Vectors and 4 x 4 matrices for the 3D layer: bone, world and view
// transforms, and moving the points of loaded XYZ0 models.
//
// Points are row vectors multiplied on the left (p x M); the translation
// lives in the fourth row. Angles are in radians.
#pragma once

#include <cstdint>

struct D3DVECTOR {
  float x, y, z;
};

struct D3DMATRIX {
  float _11, _12, _13, _14;
  float _21, _22, _23, _24;
  float _31, _32, _33, _34;
  float _41, _42, _43, _44;
};
static_assert(sizeof(D3DMATRIX) == 64 && sizeof(D3DVECTOR) == 12);

// Each computes into a temporary first, so the destination may be a source.
D3DVECTOR* D3DVectorTransform(D3DVECTOR* dest, const D3DVECTOR* src, float w, const D3DMATRIX* m);
D3DVECTOR* D3DVectorSubtract(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b);
D3DVECTOR* D3DVectorAdd(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b);
void D3DVectorDot(float* out, const D3DVECTOR* a, const D3DVECTOR* b);
D3DVECTOR* D3DVectorCross(D3DVECTOR* dest, const D3DVECTOR* a, const D3DVECTOR* b);
D3DVECTOR* D3DVectorNormalise(D3DVECTOR* v);
D3DVECTOR* D3DVectorZero(D3DVECTOR* v);

D3DMATRIX* D3DMatrixIdentity(D3DMATRIX* m);
D3DMATRIX* D3DMatrixMultiply(D3DMATRIX* result, const D3DMATRIX* a, const D3DMATRIX* b);
D3DMATRIX* D3DMatrixScale(D3DMATRIX* m, float sx, float sy, float sz);
D3DMATRIX* D3DMatrixTranslation(D3DMATRIX* m, float tx, float ty, float tz);
D3DMATRIX* D3DMatrixAddTranslation(D3DMATRIX* m, float tx, float ty, float tz);
D3DMATRIX* D3DMatrixRotateX(D3DMATRIX* m, float angle);
D3DMATRIX* D3DMatrixRotateY(D3DMATRIX* m, float angle);
D3DMATRIX* D3DMatrixRotateZ(D3DMATRIX* m, float angle);
D3DMATRIX* D3DMatrixRotateXYZ(D3DMATRIX* m, float ax, float ay, float az);

// The point table of loaded XYZ0 data (the header's points offset, count and
// record size; each record starts with x, y, z). The data must have been
// checked (D3DObj_CheckXYZData) before.
void XYZData_RotateZ(void* xyzData, float angle);
void XYZData_RotateY(void* xyzData, float angle);
void XYZData_RotateX(void* xyzData, float angle);
void XYZData_Translate(void* xyzData, float tx, float ty, float tz);
void XYZData_Scale(void* xyzData, float sx, float sy, float sz);
