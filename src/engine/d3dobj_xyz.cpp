// XYZ0 data: checking it against its size, and writing it.
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/d3dobj.h"
#include "engine/debug.h"

#define ABORT_FILE "d3dobj"

namespace {


bool Fault(char* fault, size_t faultSize, const char* format, ...) __attribute__((format(printf, 3, 4)));
bool Fault(char* fault, size_t faultSize, const char* format, ...) {
  if (fault && faultSize) {
    va_list args;
    va_start(args, format);
    std::vsnprintf(fault, faultSize, format, args);
    va_end(args);
  }
  return false;
}

bool TableInside(const XYZ0Table& t, size_t size) {
  uint64_t end = static_cast<uint64_t>(t.offset) + static_cast<uint64_t>(t.count) * t.recordSize;
  return t.offset <= size && end <= size;
}

bool NameTerminated(const uint8_t* name) { return std::memchr(name, 0, XYZ0_NAME_SIZE) != nullptr; }

}  // namespace

XYZ0Header XYZ0ReadHeader(const uint8_t* d) {
  XYZ0Header h;
  h.points = {LoadU32(d + 8), LoadU32(d + 12), LoadU32(d + 16)};
  h.textures = {LoadU32(d + 20), LoadU32(d + 24), LoadU32(d + 28)};
  h.polygons = {LoadU32(d + 32), LoadU32(d + 36), LoadU32(d + 40)};
  return h;
}

XYZ0Point XYZ0ReadPoint(const uint8_t* r) {
  return XYZ0Point{LoadF32(r), LoadF32(r + 4), LoadF32(r + 8), LoadU16(r + 12), LoadU16(r + 14)};
}

XYZ0Polygon XYZ0ReadPolygon(const uint8_t* r) {
  XYZ0Polygon p;
  p.texture = LoadU32(r);
  p.pointCount = LoadU32(r + 4);
  for (int k = 0; k < 4; ++k) {
    p.point[k] = LoadU32(r + 8 + 4 * k);
    p.u[k] = LoadF32(r + 24 + 4 * k);
    p.v[k] = LoadF32(r + 40 + 4 * k);
  }
  return p;
}

// ---------------------------------------------------------------------------
// Checking the data
// ---------------------------------------------------------------------------

bool D3DObj_FindXYZDataFault(const void* xyzData, size_t size, char* fault, size_t faultSize) {
  const uint8_t* d = static_cast<const uint8_t*>(xyzData);
  if (!d) return Fault(fault, faultSize, "no data");
  if (size < XYZ0_HEADER_SIZE) return Fault(fault, faultSize, "%zu bytes is shorter than the header", size);
  if (std::memcmp(d, "XYZ0", 4) != 0) return Fault(fault, faultSize, "not XYZ0 data");
  XYZ0Header h = XYZ0ReadHeader(d);
  struct {
    const XYZ0Table& table;
    const char* name;
    uint32_t minSize;
  } tables[3] = {{h.points, "point", XYZ0_POINT_MIN_SIZE},
                 {h.textures, "texture", XYZ0_TEXTURE_MIN_SIZE},
                 {h.polygons, "polygon", XYZ0_POLYGON_MIN_SIZE}};
  for (const auto& t : tables) {
    if (t.table.count > 0 && t.table.recordSize < t.minSize)
      return Fault(fault, faultSize, "%s records of %u bytes are shorter than %u", t.name, t.table.recordSize,
                   t.minSize);
    if (!TableInside(t.table, size))
      return Fault(fault, faultSize, "%s table (offset %u, %u records of %u bytes) lies outside the %zu bytes",
                   t.name, t.table.offset, t.table.count, t.table.recordSize, size);
  }
  if (h.points.count > XYZ0_MAX_POINTS)
    return Fault(fault, faultSize, "%u points are more than %u", h.points.count, XYZ0_MAX_POINTS);
  for (uint32_t t = 0; t < h.textures.count; ++t) {
    const uint8_t* r = h.textures.Record(d, t);
    if (!NameTerminated(r)) return Fault(fault, faultSize, "texture %u: name has no zero byte", t);
    if (!NameTerminated(r + XYZ0_NAME_SIZE))
      return Fault(fault, faultSize, "texture %u: second name has no zero byte", t);
  }
  for (uint32_t i = 0; i < h.polygons.count; ++i) {
    XYZ0Polygon p = XYZ0ReadPolygon(h.polygons.Record(d, i));
    if (p.texture >= h.textures.count)
      return Fault(fault, faultSize, "polygon %u: texture %u of %u", i, p.texture, h.textures.count);
    if (p.pointCount < 1 || p.pointCount > 4)
      return Fault(fault, faultSize, "polygon %u: point count %u is not 1 to 4", i, p.pointCount);
    for (uint32_t k = 0; k < p.pointCount; ++k)
      if (p.point[k] >= h.points.count)
        return Fault(fault, faultSize, "polygon %u: point %u of %u", i, p.point[k], h.points.count);
  }
  return true;
}

void D3DObj_CheckXYZData(const void* xyzData, size_t size) {
  char fault[200];
  if (D3DObj_FindXYZDataFault(xyzData, size, fault, sizeof fault)) return;
  char message[256];
  std::snprintf(message, sizeof message, "D3DObj_CheckXYZData(): bad XYZ0 data: %s", fault);
  AbortError(ABORT_FILE, __LINE__, message);
}

// ---------------------------------------------------------------------------
// Writing
// ---------------------------------------------------------------------------

std::vector<uint8_t> XYZ0Encode(const XYZ0Model& model) {
  const uint32_t points = static_cast<uint32_t>(model.points.size());
  const uint32_t textures = static_cast<uint32_t>(model.textures.size());
  const uint32_t polygons = static_cast<uint32_t>(model.polygons.size());
  const uint32_t pointsAt = XYZ0_HEADER_SIZE;
  const uint32_t texturesAt = pointsAt + points * XYZ0_POINT_MIN_SIZE;
  const uint32_t polygonsAt = texturesAt + textures * XYZ0_TEXTURE_MIN_SIZE;
  std::vector<uint8_t> out(polygonsAt + polygons * XYZ0_POLYGON_MIN_SIZE, 0);
  uint8_t* d = out.data();
  std::memcpy(d, "XYZ0", 4);
  const uint32_t header[9] = {pointsAt,   points,   XYZ0_POINT_MIN_SIZE,  texturesAt,           textures,
                              XYZ0_TEXTURE_MIN_SIZE, polygonsAt, polygons, XYZ0_POLYGON_MIN_SIZE};
  for (int i = 0; i < 9; ++i) StoreU32(d + 8 + 4 * i, header[i]);
  for (uint32_t i = 0; i < points; ++i) {
    uint8_t* r = d + pointsAt + i * XYZ0_POINT_MIN_SIZE;
    const XYZ0Point& p = model.points[i];
    StoreF32(r, p.x);
    StoreF32(r + 4, p.y);
    StoreF32(r + 8, p.z);
    StoreU16(r + 12, p.bone);
    StoreU16(r + 14, p.parent);
  }
  for (uint32_t i = 0; i < textures; ++i) {
    uint8_t* r = d + texturesAt + i * XYZ0_TEXTURE_MIN_SIZE;
    const XYZ0Texture& t = model.textures[i];
    std::memcpy(r, t.name.data(), std::min<size_t>(t.name.size(), XYZ0_NAME_SIZE - 1));
    std::memcpy(r + XYZ0_NAME_SIZE, t.second.data(), std::min<size_t>(t.second.size(), XYZ0_NAME_SIZE - 1));
    r[64] = t.r;
    r[65] = t.g;
    r[66] = t.b;
    r[67] = t.a;
  }
  for (uint32_t i = 0; i < polygons; ++i) {
    uint8_t* r = d + polygonsAt + i * XYZ0_POLYGON_MIN_SIZE;
    const XYZ0Polygon& p = model.polygons[i];
    StoreU32(r, p.texture);
    StoreU32(r + 4, p.pointCount);
    for (int k = 0; k < 4; ++k) {
      StoreU32(r + 8 + 4 * k, p.point[k]);
      StoreF32(r + 24 + 4 * k, p.u[k]);
      StoreF32(r + 40 + 4 * k, p.v[k]);
    }
  }
  return out;
}
