// 3D models loaded from XYZ0 data: polygon groups, one per texture and
// primitive kind, each with its vertices already in the device's layout (and
// optionally an index list), drawn one call per group. Textures are created,
// compared, selected and destroyed through the owner's render callback.
//
// XYZ0 data (little-endian, offsets from the start of the data):
//   0 "XYZ0"; 4 not read; 8/12/16 points offset, count, record size;
//   20/24/28 textures offset, count, record size; 32/36/40 polygons offset,
//   count, record size.
//   point:   x, y, z (float) at 0, bone (uint16) at 12, parent (uint16) at 14
//   texture: name (32 bytes, zero-terminated; empty = plain colour) at 0, a
//            second name (32 bytes) at 32, colour R, G, B, A at 64-67
//   polygon: texture index (uint32) at 0, point count 1-4 (uint32) at 4, four
//            point indices (uint32) at 8, four u (float) at 24, four v at 40
// Data is checked against its size once, before anything else reads it; a
// flaw aborts naming it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/d3dmath.h"

constexpr uint32_t XYZ0_HEADER_SIZE = 44;
constexpr uint32_t XYZ0_POINT_MIN_SIZE = 16;
constexpr uint32_t XYZ0_TEXTURE_MIN_SIZE = 68;
constexpr uint32_t XYZ0_POLYGON_MIN_SIZE = 56;
constexpr uint32_t XYZ0_NAME_SIZE = 32;
constexpr uint32_t XYZ0_MAX_POINTS = 65536;  // point numbers are kept in 16 bits

// Creation flags.
enum : uint32_t {
  D3DOBJ_FLAT = 0x1,         // every vertex takes its polygon's face normal
  D3DOBJ_INDEXED = 0x2,      // vertices shared through an index list
  D3DOBJ_KEEP_POINTS = 0x4,  // keep the point of each vertex (animation needs it)
};

// Group flags.
enum : uint8_t {
  D3DOBJ_GROUP_TEXTURED = 0x01,    // 32-byte vertices: x y z nx ny nz u v
  D3DOBJ_GROUP_UNTEXTURED = 0x02,  // 28-byte vertices: x y z nx ny nz, colour 0xAARRGGBB
  D3DOBJ_GROUP_TRIANGLES = 0x10,
  D3DOBJ_GROUP_LINES = 0x20,
  D3DOBJ_GROUP_POINTS = 0x40,
};
constexpr uint32_t D3DOBJ_TEXTURED_VERTEX_SIZE = 32;
constexpr uint32_t D3DOBJ_UNTEXTURED_VERTEX_SIZE = 28;

// Callback reasons.
enum : uint8_t {
  D3DOBJ_TEXTURECOMPARE = 1,
  D3DOBJ_TEXTURECREATE = 2,
  D3DOBJ_TEXTUREDESTROY = 3,
  D3DOBJ_TEXTURESET = 4,
  D3DOBJ_TEXTURENONE = 5,
};

struct D3DObjRequest {
  uint8_t reason;
  void* userData;
  const char* textureA;        // reasons 1 and 2: the texture record's name
  const char* textureASecond;  // reasons 1 and 2: its second name
  const char* textureB;        // reason 1: the other record's name
  const char* textureBSecond;  // reason 1
  int32_t value1;              // reasons 3 and 4: the group's values
  int32_t value2;
};

struct D3DObjAnswer {
  int32_t value1;   // preset to -1 for reason 2
  int32_t value2;
  int32_t compare;  // reason 1: 0 same texture, positive when A sorts after B
};

// Returns non-zero when it handled the request; D3DObjDefaultCallback runs
// after it either way.
using D3DObjCallback = int (*)(const D3DObjRequest* request, D3DObjAnswer* answer);

struct D3DObjGroup {
  uint8_t flags;
  int32_t textureValue1;  // -1 when none
  int32_t textureValue2;
  uint8_t* vertices;  // managed block
  uint32_t vertexCount;
  uint16_t* points;   // managed block, or null: the XYZ0 point of each vertex
  uint16_t* indices;  // managed block, or null
  uint32_t indexCount;
};

struct D3DObj {
  D3DObjCallback callback;
  void* userData;
  D3DObjGroup* groups;  // managed block, in drawing order
  uint32_t groupCount;
};

// The record D3DObjBasicCallback's user data points at.
struct D3DObjBasicUserData {
  const char* directory;  // where "<texture name>.gfx" files are read from (pak names)
};

// Aborts naming the first flaw of size bytes of XYZ0 data: header, magic,
// tables outside the data, records too small for the fields read, too many
// points, names without a zero byte, texture and point indices, point counts.
void D3DObj_CheckXYZData(const void* xyzData, size_t size);
// The same check without aborting: false and the flaw in fault when bad.
bool D3DObj_FindXYZDataFault(const void* xyzData, size_t size, char* fault, size_t faultSize);

void D3DObj_CreateObjectFromXYZData(D3DObj** owner, const void* xyzData, size_t size, D3DObjCallback callback,
                                    void* userData, uint32_t flags);
void D3DObj_Render(const D3DObj* object);
void D3DObj_DestroyObject(D3DObj** owner);

void D3DObjDefaultCallback(int handled, const D3DObjRequest* request, D3DObjAnswer* answer);
int D3DObjBasicCallback(const D3DObjRequest* request, D3DObjAnswer* answer);

// Writing XYZ0 data (the model tools and tests): records at their least sizes
// (16, 68 and 56 bytes), header, points, textures, polygons in that order.
struct XYZ0Point {
  float x, y, z;
  uint16_t bone;
  uint16_t parent;  // 0xFFFF: none
};
struct XYZ0Texture {
  std::string name;    // at most 31 bytes; empty: plain colour
  std::string second;  // at most 31 bytes
  uint8_t r, g, b, a;
};
struct XYZ0Polygon {
  uint32_t texture;
  uint32_t pointCount;
  uint32_t point[4];
  float u[4], v[4];
};
struct XYZ0Model {
  std::vector<XYZ0Point> points;
  std::vector<XYZ0Texture> textures;
  std::vector<XYZ0Polygon> polygons;
};
std::vector<uint8_t> XYZ0Encode(const XYZ0Model& model);

// Reading XYZ0 data, one decoder per record (the data must have been checked).
struct XYZ0Table {
  uint32_t offset, count, recordSize;
  const uint8_t* Record(const uint8_t* data, uint32_t i) const {
    return data + offset + static_cast<size_t>(i) * recordSize;
  }
};
struct XYZ0Header {
  XYZ0Table points, textures, polygons;
};
XYZ0Header XYZ0ReadHeader(const uint8_t* data);  // at least XYZ0_HEADER_SIZE bytes
XYZ0Point XYZ0ReadPoint(const uint8_t* record);
XYZ0Polygon XYZ0ReadPolygon(const uint8_t* record);
