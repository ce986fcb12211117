// Model files: the check of a whole image, the copy into a NodModel, the
// texture names and the texture coordinates.
#include "render256/nodfile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "generic/kitload.h"
#include "render256/textures.h"

namespace {

std::string Say(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Say(const char* format, ...) {
  char text[600];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

const char* Suffix(int loader) { return loader == 2 ? "2" : loader == 3 ? "3" : ""; }

// The name of a texture record: at most 16 characters.
void CopyName(char (&name)[17], const uint8_t* record) {
  std::memset(name, 0, sizeof name);
  for (int i = 0; i < 16 && record[i] != 0; ++i) name[i] = static_cast<char>(record[i]);
}

// Reads "R%iG%iB%i"; false unless all three are read and each is 0-255.
bool ReadFlatColour(const char* name, int* r, int* g, int* b) {
  if (std::sscanf(name, "R%iG%iB%i", r, g, b) < 3) return false;
  return *r >= 0 && *r <= 255 && *g >= 0 && *g <= 255 && *b >= 0 && *b <= 255;
}

bool Finite(const uint8_t* p, int floats) {
  for (int i = 0; i < floats; ++i)
    if (!std::isfinite(LoadF32(p + 4 * i))) return false;
  return true;
}

// One table of the header: its count and record size against the file.
struct TableCheck {
  const uint8_t* image;
  uint32_t size;
  const char* file;
  int64_t at;
  std::string error;

  // Takes count x recordSize bytes from `at`; answers where the table starts.
  uint32_t Take(int32_t count, int32_t recordSize, int32_t minCount, int32_t maxCount, int32_t minSize,
                const char* function, const char* what) {
    if (!error.empty()) return 0;
    if (count < minCount || recordSize <= 0) {
      error = Say("%s: Invalid number of %s (%d of %d bytes) in file '%s'", function, what, count, recordSize, file);
      return 0;
    }
    if (count > maxCount) {
      error = Say("%s: %d records, more than %d, in file '%s'", function, count, maxCount, file);
      return 0;
    }
    if (recordSize < minSize) {
      error = Say("%s: records of %d bytes, fewer than %d, in file '%s'", function, recordSize, minSize, file);
      return 0;
    }
    const uint32_t start = static_cast<uint32_t>(at);
    at += static_cast<int64_t>(count) * recordSize;
    if (at > size)
      error = Say("NOD_LoadWorld() - exceded allocated memory by %lld bytes in file '%s'",
                  static_cast<long long>(at - size), file);
    return start;
  }
};

constexpr int32_t kNoLimit = 0x7FFFFFFF;

}  // namespace

int32_t NodFlatColour(int red, int green, int blue) {
  if (red == 255 && green == 255 && blue == 255) return NOD_KIT_COLOUR_1;
  if (red == 0 && green == 0 && blue == 255) return NOD_KIT_COLOUR_2;
  if (red == 0 && green == 255 && blue == 0) return NOD_KIT_COLOUR_3;
  return (((red * 100 / 255) * 32) / 101) * 2048 + (((green * 100 / 255) * 64) / 101) * 32 +
         ((blue * 100 / 255) * 32) / 101;
}

std::string NodCheckImage(const uint8_t* image, uint32_t size, int loader, const char* file, NodLayout* layout) {
  if (loader < 1 || loader > 3) return Say("NodCheckImage(): no loader %d for file '%s'", loader, file);
  const bool jointed = loader == 3;
  const char* sfx = Suffix(loader);
  if (image == nullptr || size < 5 || std::memcmp(image, jointed ? "NOD02" : "NOD01", 5) != 0)
    return Say("NOD_InitializeHeaders%s() - Invalid header in file '%s'", sfx, file);
  const uint32_t headerSize = jointed ? NOD2_HEADER_SIZE : NOD1_HEADER_SIZE;
  if (size < headerSize)
    return Say("NOD_LoadWorld() - exceded allocated memory by %u bytes in file '%s'", headerSize - size, file);

  NodLayout l{};
  l.version = jointed ? 2 : 1;
  if (jointed) {
    l.pointCount = LoadI32(image + 13);
    l.pointSize = LoadI32(image + 17);
    l.surfaceCount = LoadI32(image + 21);
    l.surfaceSize = LoadI32(image + 25);
    l.textureCount = LoadI32(image + 29);
    l.textureSize = LoadI32(image + 33);
    l.jointCount = LoadI32(image + 37);
    l.jointSize = LoadI32(image + 41);
    l.sortCount = LoadI32(image + 45);
    l.sortSize = LoadI32(image + 49);
    l.startCount = LoadI32(image + 53);
    l.startSize = LoadI32(image + 57);
    l.endCount = LoadI32(image + 61);
    l.endSize = LoadI32(image + 65);
    l.highestJoint = LoadI32(image + 69);
    l.partCount = LoadI32(image + 73);
  } else {
    l.pointCount = LoadI32(image + 5);
    l.pointSize = LoadI32(image + 9);
    l.extraCount = LoadI32(image + 13);
    l.extraSize = LoadI32(image + 17);
    l.surfaceCount = LoadI32(image + 21);
    l.surfaceSize = LoadI32(image + 25);
    l.textureCount = LoadI32(image + 29);
    l.textureSize = LoadI32(image + 33);
  }

  // The tables, in file order, before anything is read from them.
  TableCheck t{image, size, file, headerSize, {}};
  const std::string copyPoints = Say("NOD_CopyPoints%s()", sfx);
  const std::string copySurfaces = Say("NOD_CopySurfaces%s()", sfx);
  const std::string copyTextures = Say("NOD_CopyTextures%s()", sfx);
  // A jointed model holds at least one point besides its closing point.
  l.pointsAt = t.Take(l.pointCount, l.pointSize, jointed ? 2 : 1, kNoLimit,
                      jointed ? NOD_POINT2_MIN_SIZE : NOD_POINT1_MIN_SIZE, copyPoints.c_str(), "points");
  l.surfacesAt = t.Take(l.surfaceCount, l.surfaceSize, 1, kNoLimit, NOD_SURFACE_MIN_SIZE, copySurfaces.c_str(),
                        "surfaces");
  l.texturesAt = t.Take(l.textureCount, l.textureSize, 1, kNoLimit, NOD_TEXTURE_MIN_SIZE, copyTextures.c_str(),
                        "textures");
  if (jointed) {
    l.jointsAt = t.Take(l.jointCount, l.jointSize, 1, NOD_MAX_JOINT_POINTS, NOD_WORD_MIN_SIZE,
                        "NOD_CopyJointPoints()", "joint points");
    l.sortsAt = t.Take(l.sortCount, l.sortSize, 1, NOD_MAX_SORT_POINTS, NOD_WORD_MIN_SIZE, "NOD_CopySortPoints()",
                       "points");
    l.startsAt = t.Take(l.startCount, l.startSize, 1, NOD_MAX_START_POINTS, NOD_WORD_MIN_SIZE,
                        "NOD_CopyStartPoints()", "points");
    l.endsAt = t.Take(l.endCount, l.endSize, 1, NOD_MAX_END_POINTS, NOD_WORD_MIN_SIZE, "NOD_CopyEndPoints()",
                      "points");
  }
  if (!t.error.empty()) return t.error;
  if (!jointed) {
    if (l.extraCount < 0 || l.extraSize < 0)
      return Say("NOD_InitializeHeaders%s(): extra table of %d records of %d bytes in file '%s'", sfx, l.extraCount,
                 l.extraSize, file);
    const int64_t need = NOD1_HEADER_SIZE + static_cast<int64_t>(l.pointCount) * l.pointSize +
                         static_cast<int64_t>(l.extraCount) * l.extraSize;
    if (need > size)
      return Say("NOD_LoadWorld() - exceded allocated memory by %lld bytes in file '%s'",
                 static_cast<long long>(need - size), file);
  }

  // Points: finite; a jointed model's joints, closing point and origins.
  const int32_t points = jointed ? l.pointCount - 1 : l.pointCount;
  if (jointed && (l.highestJoint < 0 || l.highestJoint > NOD_MAX_HIGHEST_JOINT))
    return Say("NOD_InitializeHeaders3(): highest joint %d outside 0-%d in file '%s'", l.highestJoint,
               NOD_MAX_HIGHEST_JOINT, file);
  int32_t secondGroup = points;
  for (int32_t i = 0; i < l.pointCount; ++i) {
    const uint8_t* p = image + l.pointsAt + static_cast<int64_t>(i) * l.pointSize;
    if (!Finite(p, 3)) return Say("%s: point %d is not a number in file '%s'", copyPoints.c_str(), i, file);
    if (!jointed) continue;
    const int16_t joint = LoadI16(p + 12), origin = LoadI16(p + 14);
    if (i == points) {
      if (joint != NOD_CLOSING_JOINT) return Say("ERROR in ORG PTS (pt. 2) %i, in file '%s'", joint, file);
      continue;
    }
    if (joint < 0 || joint > l.highestJoint) return Say("ERROR in ORG PTS %i, file '%s'", joint, file);
    if (origin < 0 || origin >= points)
      return Say("%s: point %d hangs on point %d of %d in file '%s'", copyPoints.c_str(), i, origin, points, file);
    if (i > 0 && secondGroup == points && origin != LoadI16(image + l.pointsAt + 14)) secondGroup = i;
    if (i >= secondGroup && origin >= i)
      return Say("%s: point %d hangs on point %d, not one before it, in file '%s'", copyPoints.c_str(), i, origin,
                 file);
  }

  // Surfaces: corners, texture, coordinates and sizes.
  for (int32_t i = 0; i < l.surfaceCount; ++i) {
    const uint8_t* s = image + l.surfacesAt + static_cast<int64_t>(i) * l.surfaceSize;
    for (int c = 0; c < 4; ++c) {
      const int16_t index = LoadI16(s + 48 + 2 * c);
      if ((index == -1 && c == 3) || (index >= 0 && index < points)) {
        if (index >= 0 && (!Finite(s + 4 + 4 * c, 1) || !Finite(s + 20 + 4 * c, 1)))
          return Say("%s: surface %d corner %d has a coordinate that is not a number in file '%s'",
                     copySurfaces.c_str(), i, c, file);
        continue;
      }
      return Say("%s: surface %d corner %d names point %d of %d in file '%s'", copySurfaces.c_str(), i, c, index,
                 points, file);
    }
    const int16_t texture = LoadI16(s + 56);
    if (texture < -1 || texture >= l.textureCount)
      return Say("%s: surface %d names texture %d of %d in file '%s'", copySurfaces.c_str(), i, texture,
                 l.textureCount, file);
    if (!jointed && !Finite(s + 36, 3))
      return Say("%s: surface %d has a normal that is not a number in file '%s'", copySurfaces.c_str(), i, file);
    if ((s[0] & NOD_FLAG_SIZED) == 0) continue;
    if (jointed) return Say("using NOD_WIDTH_HEIGHT ???? in file '%s'", file);
    if (l.surfaceSize < NOD_SURFACE_SIZED_SIZE)
      return Say("%s: surface %d gives its texture size in a record of %d bytes in file '%s'", copySurfaces.c_str(),
                 i, l.surfaceSize, file);
    const int32_t w = LoadI32(s + 58), h = LoadI32(s + 62);
    if (w < 1 || h < 1 || w > TEXTURE_MAX_SIDE || h > TEXTURE_MAX_SIDE)
      return Say("%s: surface %d gives a texture of %d x %d in file '%s'", copySurfaces.c_str(), i, w, h, file);
  }

  // Texture names: flat colours must read.
  for (int32_t i = 0; i < l.textureCount; ++i) {
    char name[17];
    CopyName(name, image + l.texturesAt + static_cast<int64_t>(i) * l.textureSize);
    int r = 0, g = 0, b = 0;
    if (name[0] == 'R' && !ReadFlatColour(name, &r, &g, &b))
      return Say("ERROR:NOD_LoadTextures RGB has bad read `%s' in file '%s'", name, file);
  }

  if (jointed) {
    if (l.partCount < 0 || l.partCount > NOD_MAX_PARTS || 2 * l.partCount > l.sortCount ||
        l.partCount > l.startCount || l.partCount > l.endCount)
      return Say("NOD_LoadWorld3(): %d parts, more than the tables hold (%d sort, %d start, %d end points) in file '%s'",
                 l.partCount, l.sortCount, l.startCount, l.endCount, file);
    for (int32_t i = 0; i < l.sortCount; ++i) {
      const int32_t point = LoadI32(image + l.sortsAt + static_cast<int64_t>(i) * l.sortSize);
      if (point < 0 || point >= points)
        return Say("NOD_CopySortPoints(): sort point %d names point %d of %d in file '%s'", i, point, points, file);
    }
    const auto word = [&](uint32_t at, int32_t i, int32_t recordSize) {
      return LoadI32(image + at + static_cast<int64_t>(i) * recordSize);
    };
    for (int32_t i = 0; i < l.startCount; ++i) {
      const int32_t first = word(l.startsAt, i, l.startSize);
      if (first < 0 || first > l.surfaceCount)
        return Say("NOD_CopyStartPoints(): start point %d names surface %d of %d in file '%s'", i, first,
                   l.surfaceCount, file);
    }
    for (int32_t i = 0; i < l.endCount; ++i) {
      const int32_t end = word(l.endsAt, i, l.endSize);
      if (end < 0 || end > l.surfaceCount)
        return Say("NOD_CopyEndPoints(): end point %d names surface %d of %d in file '%s'", i, end, l.surfaceCount,
                   file);
    }
    for (int32_t k = 0; k < l.partCount; ++k)
      if (word(l.startsAt, k, l.startSize) > word(l.endsAt, k, l.endSize))
        return Say("NOD_LoadWorld3(): part %d ends before it starts in file '%s'", k, file);
  }
  if (layout != nullptr) *layout = l;
  return {};
}

void NOD_LoadTextures(NodTexture* texture, const char* directory, int textureFlags) {
  const char* name = texture->name;
  if (name[0] == 0) return;
  if (name[0] == 'R') {
    int r = 0, g = 0, b = 0;
    if (!ReadFlatColour(name, &r, &g, &b)) FatalError("ERROR:NOD_LoadTextures RGB has bad read `%s'\n", name);
    texture->kind = NOD_TEXTURE_FLAT;
    texture->colour = NodFlatColour(r, g, b);
    return;
  }
  if (name[0] == '_') {
    const int second = std::toupper(static_cast<unsigned char>(name[1]));
    if (((textureFlags & NOD_TEXTURES_SKIP_LEFT) && second == 'L') ||
        ((textureFlags & NOD_TEXTURES_SKIP_RIGHT) && second == 'R')) {
      texture->kind = NOD_TEXTURE_NONE;
      return;
    }
  }
  switch (textureFlags & 15) {
    case NOD_TEXTURES_PLAIN: {
      char path[PAK_MAX_NAME + 1];
      if (std::strncmp(name, "main", 4) == 0)
        std::snprintf(path, sizeof path, "%s\\ENG\\%s", directory, name);
      else
        std::snprintf(path, sizeof path, "%s\\%s", directory, name);
      texture->number = NORMTEXT_LoadTexture(path);
      texture->kind = NOD_TEXTURE_SOFTWARE;
      break;
    }
    case NOD_TEXTURES_PER_PLAYER:
      texture->number = static_cast<int16_t>(KITPLR_GetTextureIndexFromName(name));
      texture->kind = NOD_TEXTURE_PER_PLAYER;
      break;
    default:
      break;  // left unresolved: drawn as no texture
  }
}

int ModifyUVs(const NodTexture& texture, int32_t* width, int32_t* height) {
  switch (texture.kind) {
    case NOD_TEXTURE_SOFTWARE:
      KIT_GetTextureSizeFromIndex(texture.number, width, height);
      return 1;
    case NOD_TEXTURE_PER_PLAYER:
      KITPLR_GetTextureSizeFromIndex(texture.number, width, height);
      return 1;
    case NOD_TEXTURE_FLAT:
    case NOD_TEXTURE_NONE:
      return 0;
    default:
      AbortError("zv256\\nodfile", __LINE__, "ModifyUVs(): unknown texture type");
  }
}

void NodBuildModel(NodModel* model, const uint8_t* image, uint32_t size, int loader, const char* file,
                   const char* textureDir, int textureFlags, int32_t sparePoints, int32_t spareSurfaces) {
  NodLayout l{};
  const std::string error = NodCheckImage(image, size, loader, file, &l);
  if (!error.empty()) FatalError("%s\n", error.c_str());
  const bool jointed = l.version == 2;
  if (jointed || sparePoints < 0) sparePoints = 0;
  if (jointed || spareSurfaces < 0) spareSurfaces = 0;
  if (model->points != nullptr) FreeNodTables(model);
  std::memset(model, 0, sizeof *model);

  // Tables: a jointed model keeps its closing point in `points`.
  model->pointCount = jointed ? l.pointCount - 1 : l.pointCount;
  model->pointCapacity = l.pointCount + sparePoints;
  model->surfaceCount = l.surfaceCount;
  model->surfaceCapacity = l.surfaceCount + spareSurfaces;
  model->textureCount = l.textureCount;
  const auto bytes = [](int32_t count, size_t each) { return static_cast<uint32_t>(count * each); };
  AllocateMemory(&model->points, bytes(model->pointCapacity, sizeof(NodPoint)), ManualNoMove);
  AllocateMemory(&model->transformed, bytes(model->pointCapacity, sizeof(CameraPoint)), ManualNoMove);
  AllocateMemory(&model->surfaces, bytes(model->surfaceCapacity, sizeof(NodSurface)), ManualNoMove);
  AllocateMemory(&model->textures, bytes(model->textureCount, sizeof(NodTexture)), ManualNoMove);
  std::memset(model->points, 0, bytes(model->pointCapacity, sizeof(NodPoint)));
  std::memset(model->transformed, 0, bytes(model->pointCapacity, sizeof(CameraPoint)));
  std::memset(model->surfaces, 0, bytes(model->surfaceCapacity, sizeof(NodSurface)));

  for (int32_t i = 0; i < l.pointCount; ++i) {
    const uint8_t* p = image + l.pointsAt + static_cast<int64_t>(i) * l.pointSize;
    NodPoint& q = model->points[i];
    q.x = LoadF32(p);
    q.y = LoadF32(p + 4);
    q.z = LoadF32(p + 8);
    if (jointed) {
      q.joint = LoadI16(p + 12);
      q.origin = LoadI16(p + 14);
    }
  }

  for (int32_t i = 0; i < l.surfaceCount; ++i) {
    const uint8_t* s = image + l.surfacesAt + static_cast<int64_t>(i) * l.surfaceSize;
    NodSurface& q = model->surfaces[i];
    q.u[4] = -1.0f;
    q.v[4] = -1.0f;
    q.point[4] = -1;
    for (int c = 0; c < 4; ++c) {
      q.point[c] = LoadI16(s + 48 + 2 * c);
      if (q.point[c] == -1) continue;
      q.u[c] = LoadF32(s + 4 + 4 * c);
      q.v[c] = LoadF32(s + 20 + 4 * c);
      q.corner[c] = &model->transformed[q.point[c]];
    }
    q.doubleSided = (s[0] & NOD_FLAG_DOUBLE_SIDED) ? 0xFF : 0;
    q.transparent = (s[0] & NOD_FLAG_TRANSPARENT) ? 0xFF : 0;
    if (!jointed)
      for (int k = 0; k < 3; ++k) q.fileNormal[k] = LoadF32(s + 36 + 4 * k);
    q.texture = LoadI16(s + 56);
  }

  for (int32_t i = 0; i < l.textureCount; ++i) {
    NodTexture& q = model->textures[i];
    CopyName(q.name, image + l.texturesAt + static_cast<int64_t>(i) * l.textureSize);
    q.number = -1;
    q.colour = 0;
    q.kind = NOD_TEXTURE_NONE;
  }

  if (jointed) {
    const auto words = [&](int32_t* out, uint32_t at, int32_t count, int32_t recordSize) {
      for (int32_t i = 0; i < count; ++i) out[i] = LoadI32(image + at + static_cast<int64_t>(i) * recordSize);
    };
    words(model->jointPoints, l.jointsAt, l.jointCount, l.jointSize);
    words(model->sortPoints, l.sortsAt, l.sortCount, l.sortSize);
    words(model->startPoints, l.startsAt, l.startCount, l.startSize);
    words(model->endPoints, l.endsAt, l.endCount, l.endSize);
    model->jointPointCount = l.jointCount;
    model->sortPointCount = l.sortCount;
    model->startPointCount = l.startCount;
    model->endPointCount = l.endCount;
    model->highestJoint = l.highestJoint;
    model->partCount = l.partCount;
    model->secondGroupStart = model->pointCount;
    for (int32_t i = 1; i < model->pointCount; ++i)
      if (model->points[i].origin != model->points[0].origin) {
        model->secondGroupStart = i;
        break;
      }
    AllocateMemory(&model->originPoints, bytes(model->pointCount, sizeof(CameraPoint*)), ManualNoMove);
    for (int32_t i = 0; i < model->pointCount; ++i)
      model->originPoints[i] = &model->transformed[model->points[i].origin];
  }

  for (int32_t i = 0; i < l.textureCount; ++i) NOD_LoadTextures(&model->textures[i], textureDir, textureFlags);

  // Texture coordinates into texels.
  for (int32_t i = 0; i < l.surfaceCount; ++i) {
    const uint8_t* s = image + l.surfacesAt + static_cast<int64_t>(i) * l.surfaceSize;
    NodSurface& q = model->surfaces[i];
    int32_t w = 0, h = 0;
    bool scale = false;
    if (q.texture >= 0) {
      const NodTexture& t = model->textures[q.texture];
      if (ModifyUVs(t, &w, &h) == 0) continue;
      if (w < 1 || h < 1)
        FatalError("NOD_ModifyUVs%s(): texture '%s' has no size yet (%d x %d) in file '%s'\n", Suffix(loader), t.name,
                   w, h, file);
      scale = true;
    }
    if (s[0] & NOD_FLAG_SIZED) {
      w = LoadI32(s + 58);
      h = LoadI32(s + 62);
      scale = true;
    }
    for (int c = 0; c < 4; ++c) {
      if (q.point[c] == -1) continue;
      q.u[c] = std::clamp(q.u[c], 0.0f, 1.0f);
      q.v[c] = std::clamp(q.v[c], 0.0f, 1.0f);
      if (!scale) continue;
      q.u[c] *= static_cast<float>(w) - 0.5f;
      q.v[c] *= static_cast<float>(h) - 0.5f;
    }
  }
}

namespace {

void LoadInto(NodModel* model, const char* path, int loader, const char* textureDir, int textureFlags,
              int32_t sparePoints, int32_t spareSurfaces) {
  uint8_t* image = nullptr;
  const uint32_t size = PakLoadFile(path, &image, ManualFree);
  NodBuildModel(model, image, size, loader, path, textureDir, textureFlags, sparePoints, spareSurfaces);
  FreeMemory(&image);
}

NodModel* NewModel(NodModel** owner) {
  AllocateMemory(owner, sizeof(NodModel), ManualNoMove);
  std::memset(*owner, 0, sizeof(NodModel));
  return *owner;
}

}  // namespace

void NOD_LoadWorld(NodModel** owner, const char* name, const char* directory, const char* textureDir,
                   int32_t sparePoints, int32_t spareSurfaces, int textureFlags) {
  char path[PAK_MAX_NAME + 1];
  std::snprintf(path, sizeof path, "%s\\%s.nod", directory, name);
  LoadInto(NewModel(owner), path, 1, textureDir, textureFlags, sparePoints, spareSurfaces);
}

void NOD_LoadWorld2(NodModel** table, const char* name, const char* set, int slot, int textureFlags) {
  if (table[slot] != nullptr) return;
  char path[PAK_MAX_NAME + 1], textureDir[PAK_MAX_NAME + 1];
  std::snprintf(path, sizeof path, "zvdata\\software\\%s\\model\\%s.nod", set, name);
  std::snprintf(textureDir, sizeof textureDir, "%s\\textures", set);
  LoadInto(NewModel(&table[slot]), path, 2, textureDir, textureFlags, 0, 0);
}

void NOD_LoadWorld3(NodModel* model, const char* name, const char* directory, int textureFlags) {
  char path[PAK_MAX_NAME + 1];
  std::snprintf(path, sizeof path, "%s\\%s", directory, name);
  LoadInto(model, path, 3, directory, textureFlags, 0, 0);
}

void FreeNodTables(NodModel* model) {
  if (model->points != nullptr) FreeMemory(&model->points);
  if (model->transformed != nullptr) FreeMemory(&model->transformed);
  if (model->surfaces != nullptr) FreeMemory(&model->surfaces);
  if (model->textures != nullptr) FreeMemory(&model->textures);
  if (model->originPoints != nullptr) FreeMemory(&model->originPoints);
  std::memset(model, 0, sizeof *model);
}

void FreeNodModel(NodModel** owner) {
  if (*owner == nullptr) return;
  FreeNodTables(*owner);
  FreeMemory(owner);
}
