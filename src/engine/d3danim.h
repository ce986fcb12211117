// Skeletal animation of a D3DObj: each XYZ0 point belongs to a bone and may
// hang from a parent point; the points are moved by bone matrices and the
// result is copied into the object's vertices.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/d3dmath.h"
#include "engine/d3dobj.h"

struct D3DAnim {
  D3DObj* object;
  uint32_t pointCount;
  D3DVECTOR* basePositions;  // relative to the parent point where there is one
  D3DVECTOR* baseNormals;
  D3DVECTOR* convPositions;  // the last conversion
  D3DVECTOR* convNormals;
  int32_t* bones;
  int32_t* parents;
};

// The object must keep the point of each vertex (D3DOBJ_KEEP_POINTS); the
// data (size bytes) is checked as D3DObj_CheckXYZData does.
void D3DAnim_CreateAnimData(D3DAnim** owner, D3DObj* object, const void* xyzData, size_t size);
// Points of bones firstBone <= bone < endBone are moved by boneMatrices[bone].
void D3DAnim_ConvertPoints(D3DAnim* anim, const D3DMATRIX* boneMatrices, int32_t firstBone, int32_t endBone);
void D3DAnim_ApplyConvPoints2Object(D3DAnim* anim);
void D3DAnim_FreeAnimData(D3DAnim** owner);
