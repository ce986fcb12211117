// 3D models from XYZ0 data.
#include "engine/d3dobj.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/dxd3d.h"
#include "engine/dxd3dtex.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"

#define ABORT_FILE "d3dobj"

namespace {

// ---------------------------------------------------------------------------
// The callback protocol
// ---------------------------------------------------------------------------

void Ask(const D3DObj* object, const D3DObjRequest& request, D3DObjAnswer* answer) {
  D3DObjCallback callback = object->callback ? object->callback : D3DObjBasicCallback;
  int handled = callback(&request, answer);
  D3DObjDefaultCallback(handled, &request, answer);
}

const char* TextureName(const uint8_t* d, const XYZ0Header& h, uint32_t t) {
  return reinterpret_cast<const char*>(h.textures.Record(d, t));
}
const char* TextureSecondName(const uint8_t* d, const XYZ0Header& h, uint32_t t) {
  return reinterpret_cast<const char*>(h.textures.Record(d, t) + XYZ0_NAME_SIZE);
}

int32_t CompareTextures(const D3DObj* object, const uint8_t* d, const XYZ0Header& h, uint32_t a, uint32_t b) {
  D3DObjRequest request{};
  request.reason = D3DOBJ_TEXTURECOMPARE;
  request.userData = object->userData;
  request.textureA = TextureName(d, h, a);
  request.textureASecond = TextureSecondName(d, h, a);
  request.textureB = TextureName(d, h, b);
  request.textureBSecond = TextureSecondName(d, h, b);
  D3DObjAnswer answer{0, 0, 0};
  Ask(object, request, &answer);
  return answer.compare;
}

// A group while it is built: its vertex bytes, points and indices.
struct GroupBuild {
  std::vector<uint8_t> vertices;
  std::vector<uint16_t> points;
  std::vector<uint16_t> indices;
  std::unordered_map<std::string, uint32_t> firstVertex;  // bytes -> first vertex with them
  uint32_t vertexCount = 0;
};

void AddVertex(GroupBuild& g, const uint8_t* bytes, uint32_t vertexSize, uint16_t point, uint32_t flags) {
  bool indexed = flags & D3DOBJ_INDEXED;
  bool keep = flags & D3DOBJ_KEEP_POINTS;
  if (indexed) {
    std::string key(reinterpret_cast<const char*>(bytes), vertexSize);
    auto found = g.firstVertex.find(key);
    if (found != g.firstVertex.end() && (!keep || g.points[found->second] == point)) {
      g.indices.push_back(static_cast<uint16_t>(found->second));
      return;
    }
    if (g.vertexCount > 0xFFFF) ABORT("D3DObj_CreateObjectFromXYZData(): indexed group has more than 65535 vertices");
    if (found == g.firstVertex.end()) g.firstVertex.emplace(std::move(key), g.vertexCount);
    g.indices.push_back(static_cast<uint16_t>(g.vertexCount));
  }
  g.vertices.insert(g.vertices.end(), bytes, bytes + vertexSize);
  if (keep) g.points.push_back(point);
  ++g.vertexCount;
}

D3DVECTOR Normalised(D3DVECTOR v) {
  D3DVectorNormalise(&v);
  return v;
}

}  // namespace

// ---------------------------------------------------------------------------
// Callbacks
// ---------------------------------------------------------------------------

void D3DObjDefaultCallback(int handled, const D3DObjRequest* request, D3DObjAnswer* answer) {
  switch (request->reason) {
    case D3DOBJ_TEXTURECOMPARE:
      if (!handled) {
        int c = std::strcmp(request->textureA, request->textureB);
        answer->compare = c < 0 ? -1 : (c > 0 ? 1 : 0);
      }
      break;
    case D3DOBJ_TEXTURECREATE:
      if (!handled) ABORT("D3DObjDefaultCallback(): no default action for TEXTURECREATE");
      break;
    case D3DOBJ_TEXTUREDESTROY:
      if (!handled) ABORT("D3DObjDefaultCallback(): no default action for TEXTUREDESTROY");
      break;
    case D3DOBJ_TEXTURESET:
      if (!handled) D3DTexSetCurrentHandle(request->value1);
      break;
    case D3DOBJ_TEXTURENONE:
      break;
    default:
      ABORT("D3DObjDefaultCallback(): unknown reason");
  }
}

int D3DObjBasicCallback(const D3DObjRequest* request, D3DObjAnswer* answer) {
  const D3DObjBasicUserData* data = static_cast<const D3DObjBasicUserData*>(request->userData);
  if (!data) ABORT("D3DObjBasicCallback(): NULL userdata passed");
  switch (request->reason) {
    case D3DOBJ_TEXTURECREATE: {
      std::string path = std::string(data->directory ? data->directory : "") + "\\" + request->textureA + ".gfx";
      void* block = nullptr;
      uint32_t size = PakLoadFile(path.c_str(), &block, ManualFree);
      uint32_t width = size >= 16 ? LoadU16(static_cast<uint8_t*>(block) + 4) : 0;
      uint32_t height = size >= 16 ? LoadU16(static_cast<uint8_t*>(block) + 6) : 0;
      uint64_t needed = 16 + static_cast<uint64_t>(width) * height * 4;
      if (size < 16 || width == 0 || height == 0 || size < needed) {
        char message[256];
        std::snprintf(message, sizeof message,
                      "D3DObjBasicCallback(): '%s' (%u bytes) is too short for a %ux%u RGBA image", path.c_str(),
                      size, width, height);
        FreeMemory(&block);
        AbortError(ABORT_FILE, __LINE__, message);
      }
      answer->value1 = D3DTexAdvancedCreateTexture(width, height, &block, 16, D3DTEX_SOURCE_RGBA32);
      answer->value2 = 0;
      return 1;
    }
    case D3DOBJ_TEXTUREDESTROY:
      if (request->value1 != -1) D3DTexDestroyTexture(request->value1);
      return 1;
    default:
      return 0;
  }
}

// ---------------------------------------------------------------------------
// Creation
// ---------------------------------------------------------------------------

void D3DObj_CreateObjectFromXYZData(D3DObj** owner, const void* xyzData, size_t size, D3DObjCallback callback,
                                    void* userData, uint32_t flags) {
  const uint8_t* d = static_cast<const uint8_t*>(xyzData);
  if (!d || size < 4 || std::memcmp(d, "XYZ0", 4) != 0)
    ABORT("D3DObj_CreateObjectFromXYZData(): bad data passed in");
  D3DObj_CheckXYZData(xyzData, size);
  XYZ0Header h = XYZ0ReadHeader(d);

  AllocateMemory(owner, sizeof(D3DObj), ManualNoMove);
  D3DObj* object = *owner;
  std::memset(object, 0, sizeof *object);
  object->callback = callback ? callback : D3DObjBasicCallback;
  object->userData = userData;

  // The point counts each texture's polygons use, and the group of each
  // (texture, point count).
  const uint32_t textureCount = h.textures.count;
  std::vector<uint8_t> mask(textureCount, 0);
  std::vector<int32_t> groupOf(static_cast<size_t>(textureCount) * 4, -1);
  auto G = [&](uint32_t t, uint32_t n) -> int32_t& { return groupOf[static_cast<size_t>(t) * 4 + (n - 1)]; };
  for (uint32_t i = 0; i < h.polygons.count; ++i) {
    XYZ0Polygon p = XYZ0ReadPolygon(h.polygons.Record(d, i));
    mask[p.texture] |= static_cast<uint8_t>(1u << (p.pointCount - 1));
  }

  // Number the groups: a texture that compares equal to an earlier one
  // shares its group for that point count.
  int32_t groupCount = 0;
  for (uint32_t n = 1; n <= 4; ++n) {
    for (uint32_t j = 0; j < textureCount; ++j) {
      if (!(mask[j] & (1u << (n - 1)))) continue;
      for (uint32_t k = 0; k < j; ++k) {
        if (CompareTextures(object, d, h, j, k) == 0) {
          G(j, n) = G(k, n);
          break;
        }
      }
      if (G(j, n) == -1) G(j, n) = groupCount++;
    }
  }

  // The texture record and point count each group stands for.
  std::vector<uint32_t> groupTexture(groupCount), groupPoints(groupCount);
  for (int32_t g = 0; g < groupCount; ++g) {
    bool found = false;
    for (uint32_t n = 1; n <= 4 && !found; ++n)
      for (uint32_t t = 0; t < textureCount && !found; ++t)
        if (G(t, n) == g) {
          groupTexture[g] = t;
          groupPoints[g] = n;
          found = true;
        }
    if (!found) ABORT("D3DObj_CreateObjectFromXYZData(): failed to find index in table");
  }

  // Sort: groups of one texture end up next to each other, in texture order.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int32_t g = 0; g + 1 < groupCount; ++g) {
      if (CompareTextures(object, d, h, groupTexture[g], groupTexture[g + 1]) > 0) {
        std::swap(groupTexture[g], groupTexture[g + 1]);
        std::swap(groupPoints[g], groupPoints[g + 1]);
        for (int32_t& v : groupOf) {
          if (v == g)
            v = g + 1;
          else if (v == g + 1)
            v = g;
        }
        swapped = true;
      }
    }
  }

  // The groups, their textures.
  object->groupCount = static_cast<uint32_t>(groupCount);
  if (groupCount > 0) {
    AllocateMemory(&object->groups, static_cast<uint32_t>(groupCount * sizeof(D3DObjGroup)), ManualNoMove);
    std::memset(object->groups, 0, groupCount * sizeof(D3DObjGroup));
  }
  for (int32_t g = 0; g < groupCount; ++g) {
    D3DObjGroup& group = object->groups[g];
    uint32_t n = groupPoints[g];
    group.flags = n == 1 ? D3DOBJ_GROUP_POINTS : n == 2 ? D3DOBJ_GROUP_LINES : D3DOBJ_GROUP_TRIANGLES;
    const char* name = TextureName(d, h, groupTexture[g]);
    if (name[0]) {
      group.flags |= D3DOBJ_GROUP_TEXTURED;
      D3DObjRequest request{};
      request.reason = D3DOBJ_TEXTURECREATE;
      request.userData = object->userData;
      request.textureA = name;
      request.textureASecond = TextureSecondName(d, h, groupTexture[g]);
      D3DObjAnswer answer{-1, 0, 0};
      Ask(object, request, &answer);
      group.textureValue1 = answer.value1;
      group.textureValue2 = answer.value2;
    } else {
      group.flags |= D3DOBJ_GROUP_UNTEXTURED;
      group.textureValue1 = -1;
      group.textureValue2 = 0;
    }
  }

  // Positions, face normals, point normals.
  const uint32_t pointCount = h.points.count;
  std::vector<D3DVECTOR> position(pointCount);
  for (uint32_t i = 0; i < pointCount; ++i) {
    XYZ0Point p = XYZ0ReadPoint(h.points.Record(d, i));
    position[i] = {p.x, p.y, p.z};
  }
  std::vector<D3DVECTOR> faceNormal(h.polygons.count, D3DVECTOR{0, 0, 0});
  for (uint32_t i = 0; i < h.polygons.count; ++i) {
    XYZ0Polygon p = XYZ0ReadPolygon(h.polygons.Record(d, i));
    if (p.pointCount < 3) continue;
    D3DVECTOR a, b, n;
    D3DVectorSubtract(&a, &position[p.point[1]], &position[p.point[2]]);
    D3DVectorSubtract(&b, &position[p.point[1]], &position[p.point[0]]);
    D3DVectorNormalise(&a);
    D3DVectorNormalise(&b);
    D3DVectorCross(&n, &a, &b);
    faceNormal[i] = Normalised(n);
  }
  std::vector<D3DVECTOR> pointNormal;
  if (!(flags & D3DOBJ_FLAT)) {
    pointNormal.assign(pointCount, D3DVECTOR{0, 0, 0});
    for (uint32_t i = 0; i < h.polygons.count; ++i) {
      XYZ0Polygon p = XYZ0ReadPolygon(h.polygons.Record(d, i));
      for (uint32_t k = 0; k < p.pointCount; ++k)
        D3DVectorAdd(&pointNormal[p.point[k]], &pointNormal[p.point[k]], &faceNormal[i]);
    }
    for (D3DVECTOR& v : pointNormal) D3DVectorNormalise(&v);
  }

  // The vertices.
  std::vector<GroupBuild> build(groupCount);
  static const uint32_t kQuad[6] = {0, 1, 2, 2, 3, 0};
  static const uint32_t kPlain[3] = {0, 1, 2};
  for (uint32_t i = 0; i < h.polygons.count; ++i) {
    XYZ0Polygon p = XYZ0ReadPolygon(h.polygons.Record(d, i));
    int32_t g = G(p.texture, p.pointCount);
    if (g < 0)
      FatalError("Error: D3DObj_CreateObjectFromXYZData(): no texture object for texture %d (poly %d, %d points)\n",
                 static_cast<int>(p.texture), static_cast<int>(i), static_cast<int>(p.pointCount));
    const D3DObjGroup& group = object->groups[g];
    const uint8_t* texRecord = h.textures.Record(d, p.texture);
    uint32_t colour = static_cast<uint32_t>(texRecord[67]) << 24 | static_cast<uint32_t>(texRecord[64]) << 16 |
                      static_cast<uint32_t>(texRecord[65]) << 8 | texRecord[66];
    const uint32_t* order = p.pointCount == 4 ? kQuad : kPlain;
    uint32_t emitted = p.pointCount == 4 ? 6 : p.pointCount;
    for (uint32_t e = 0; e < emitted; ++e) {
      uint32_t k = order[e];
      uint32_t point = p.point[k];
      const D3DVECTOR& normal = (flags & D3DOBJ_FLAT) ? faceNormal[i] : pointNormal[point];
      float f[8] = {position[point].x, position[point].y, position[point].z, normal.x, normal.y, normal.z,
                    p.u[k], p.v[k]};
      uint8_t bytes[D3DOBJ_TEXTURED_VERTEX_SIZE];
      uint32_t vertexSize;
      if (group.flags & D3DOBJ_GROUP_TEXTURED) {
        std::memcpy(bytes, f, 32);
        vertexSize = D3DOBJ_TEXTURED_VERTEX_SIZE;
      } else {
        std::memcpy(bytes, f, 24);
        std::memcpy(bytes + 24, &colour, 4);
        vertexSize = D3DOBJ_UNTEXTURED_VERTEX_SIZE;
      }
      AddVertex(build[g], bytes, vertexSize, static_cast<uint16_t>(point), flags);
    }
  }

  // Into managed blocks, in the final layout.
  for (int32_t g = 0; g < groupCount; ++g) {
    D3DObjGroup& group = object->groups[g];
    GroupBuild& b = build[g];
    group.vertexCount = b.vertexCount;
    AllocateMemory(&group.vertices, static_cast<uint32_t>(b.vertices.size()), ManualFree);
    if (!b.vertices.empty()) std::memcpy(group.vertices, b.vertices.data(), b.vertices.size());
    if (flags & D3DOBJ_KEEP_POINTS) {
      AllocateMemory(&group.points, static_cast<uint32_t>(b.points.size() * sizeof(uint16_t)), ManualFree);
      if (!b.points.empty()) std::memcpy(group.points, b.points.data(), b.points.size() * sizeof(uint16_t));
    }
    if (flags & D3DOBJ_INDEXED) {
      group.indexCount = static_cast<uint32_t>(b.indices.size());
      AllocateMemory(&group.indices, static_cast<uint32_t>(b.indices.size() * sizeof(uint16_t)), ManualFree);
      if (!b.indices.empty()) std::memcpy(group.indices, b.indices.data(), b.indices.size() * sizeof(uint16_t));
    }
  }
}

// ---------------------------------------------------------------------------
// Drawing and destroying
// ---------------------------------------------------------------------------

void D3DObj_Render(const D3DObj* object) {
  for (uint32_t g = 0; g < object->groupCount; ++g) {
    const D3DObjGroup& group = object->groups[g];
    uint32_t format;
    if (group.flags & D3DOBJ_GROUP_TEXTURED) {
      D3DObjRequest request{};
      request.reason = D3DOBJ_TEXTURESET;
      request.userData = object->userData;
      request.value1 = group.textureValue1;
      request.value2 = group.textureValue2;
      D3DObjAnswer answer{0, 0, 0};
      Ask(object, request, &answer);
      format = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_TEX1;
    } else if (group.flags & D3DOBJ_GROUP_UNTEXTURED) {
      D3DTexSetCurrentHandle(-1);
      D3DObjRequest request{};
      request.reason = D3DOBJ_TEXTURENONE;
      request.userData = object->userData;
      D3DObjAnswer answer{0, 0, 0};
      Ask(object, request, &answer);
      format = PLAT_FVF_XYZ | PLAT_FVF_NORMAL | PLAT_FVF_DIFFUSE;
    } else {
      ABORT("D3DObj_Render(): flags not set correctly for points");
    }
    uint32_t primitive;
    if (group.flags & D3DOBJ_GROUP_TRIANGLES)
      primitive = PLAT_PT_TRIANGLELIST;
    else if (group.flags & D3DOBJ_GROUP_LINES)
      primitive = PLAT_PT_LINELIST;
    else if (group.flags & D3DOBJ_GROUP_POINTS)
      primitive = PLAT_PT_POINTLIST;
    else
      ABORT("D3DObj_Render(): flags not set for poly type (tri, line, point)");
    if (group.indices)
      D3DDrawIndexedPrimitive(primitive, format, group.vertices, group.vertexCount, group.indices, group.indexCount);
    else
      D3DDrawPrimitive(primitive, format, group.vertices, group.vertexCount);
  }
}

void D3DObj_DestroyObject(D3DObj** owner) {
  D3DObj* object = *owner;
  for (uint32_t g = 0; g < object->groupCount; ++g) {
    D3DObjGroup& group = object->groups[g];
    D3DObjRequest request{};
    request.reason = D3DOBJ_TEXTUREDESTROY;
    request.userData = object->userData;
    request.value1 = (group.flags & D3DOBJ_GROUP_TEXTURED) ? group.textureValue1 : -1;
    request.value2 = group.textureValue2;
    D3DObjAnswer answer{0, 0, 0};
    Ask(object, request, &answer);
    if (group.vertices) FreeMemory(&group.vertices);
    if (group.indices) FreeMemory(&group.indices);
    if (group.points) FreeMemory(&group.points);
  }
  if (object->groups) FreeMemory(&object->groups);
  FreeMemory(owner);
}

