// Skeletal animation of XYZ0 models.
#include "engine/d3danim.h"

#include <cstring>

#include "engine/debug.h"
#include "engine/mem_win.h"

#define ABORT_FILE "d3danim"

namespace {

// The size of one vertex of a group, by its flags; null when neither kind.
uint32_t VertexSize(const D3DObjGroup& group) {
  if (group.flags & D3DOBJ_GROUP_TEXTURED) return D3DOBJ_TEXTURED_VERTEX_SIZE;
  if (group.flags & D3DOBJ_GROUP_UNTEXTURED) return D3DOBJ_UNTEXTURED_VERTEX_SIZE;
  return 0;
}

template <typename T>
void AllocateArray(T** owner, uint32_t count) {
  // At least one element, so an empty model still has its six blocks.
  uint32_t bytes = static_cast<uint32_t>((count ? count : 1) * sizeof(T));
  AllocateMemory(owner, bytes, ManualFree);
  std::memset(*owner, 0, bytes);
}

}  // namespace

void D3DAnim_CreateAnimData(D3DAnim** owner, D3DObj* object, const void* xyzData, size_t size) {
  D3DObj_CheckXYZData(xyzData, size);
  for (uint32_t g = 0; g < object->groupCount; ++g)
    if (!object->groups[g].points && object->groups[g].vertexCount)
      ABORT("D3DAnim_CreateAnimData(): the object keeps no points (create it with D3DOBJ_KEEP_POINTS)");
  const uint8_t* d = static_cast<const uint8_t*>(xyzData);
  const XYZ0Table points = XYZ0ReadHeader(d).points;
  const uint32_t count = points.count;

  AllocateMemory(owner, sizeof(D3DAnim), ManualNoMove);
  D3DAnim* anim = *owner;
  std::memset(anim, 0, sizeof *anim);
  anim->object = object;
  anim->pointCount = count;
  AllocateArray(&anim->basePositions, count);
  AllocateArray(&anim->baseNormals, count);
  AllocateArray(&anim->convPositions, count);
  AllocateArray(&anim->convNormals, count);
  AllocateArray(&anim->bones, count);
  AllocateArray(&anim->parents, count);
  for (uint32_t i = 0; i < count; ++i) {
    XYZ0Point p = XYZ0ReadPoint(points.Record(d, i));
    anim->basePositions[i] = {p.x, p.y, p.z};
    anim->bones[i] = p.bone;
    anim->parents[i] = p.parent;
  }
  // Each point's normal is that of the last vertex made from it.
  for (uint32_t g = 0; g < object->groupCount; ++g) {
    const D3DObjGroup& group = object->groups[g];
    uint32_t vertexSize = VertexSize(group);
    if (!vertexSize) ABORT("D3DAnim_CreateAnimData(): unknown point type");
    for (uint32_t v = 0; v < group.vertexCount; ++v) {
      uint32_t point = group.points[v];
      if (point >= count) continue;
      std::memcpy(&anim->baseNormals[point], group.vertices + static_cast<size_t>(v) * vertexSize + 12, 12);
    }
  }
  for (uint32_t i = count; i-- > 0;) {
    int32_t parent = anim->parents[i];
    if (parent >= 0 && static_cast<uint32_t>(parent) < count)
      D3DVectorSubtract(&anim->basePositions[i], &anim->basePositions[i], &anim->basePositions[parent]);
  }
}

void D3DAnim_ConvertPoints(D3DAnim* anim, const D3DMATRIX* boneMatrices, int32_t firstBone, int32_t endBone) {
  const uint32_t count = anim->pointCount;
  for (uint32_t i = 0; i < count; ++i) {
    int32_t bone = anim->bones[i];
    if (bone >= firstBone && bone < endBone) {
      D3DVectorTransform(&anim->convPositions[i], &anim->basePositions[i], 1.0f, &boneMatrices[bone]);
      D3DVectorTransform(&anim->convNormals[i], &anim->baseNormals[i], 0.0f, &boneMatrices[bone]);
    } else {
      anim->convPositions[i] = anim->basePositions[i];
      anim->convNormals[i] = anim->baseNormals[i];
    }
  }
  for (uint32_t i = 0; i < count; ++i) {
    int32_t parent = anim->parents[i];
    if (parent >= 0 && static_cast<uint32_t>(parent) < count)
      D3DVectorAdd(&anim->convPositions[i], &anim->convPositions[i], &anim->convPositions[parent]);
  }
}

void D3DAnim_ApplyConvPoints2Object(D3DAnim* anim) {
  D3DObj* object = anim->object;
  for (uint32_t g = 0; g < object->groupCount; ++g) {
    D3DObjGroup& group = object->groups[g];
    uint32_t vertexSize = VertexSize(group);
    if (!vertexSize) ABORT("D3DAnim_ApplyConvPoints2Object(): unknown point type");
    if (!group.points) continue;
    for (uint32_t v = 0; v < group.vertexCount; ++v) {
      uint32_t point = group.points[v];
      if (point >= anim->pointCount) continue;
      uint8_t* vertex = group.vertices + static_cast<size_t>(v) * vertexSize;
      std::memcpy(vertex, &anim->convPositions[point], 12);
      std::memcpy(vertex + 12, &anim->convNormals[point], 12);
    }
  }
}

void D3DAnim_FreeAnimData(D3DAnim** owner) {
  D3DAnim* anim = *owner;
  FreeMemory(&anim->basePositions);
  FreeMemory(&anim->baseNormals);
  FreeMemory(&anim->convPositions);
  FreeMemory(&anim->convNormals);
  FreeMemory(&anim->bones);
  FreeMemory(&anim->parents);
  FreeMemory(owner);
}
