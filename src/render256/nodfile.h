// Model files of the software renderer. Rigid models (stands, goals,
// flags, horizon, ball and cone) are "NOD01" files; the jointed bodies of
// players, keepers and officials are "NOD02" files with joint, sort, start and
// end point tables. All numbers little-endian, floats 32-bit IEEE.
//
// "NOD01": a 57-byte header (magic; point count and record size; an extra
// table's count and size, only counted; surface, texture count and size; 20
// spare bytes), then points, surfaces, textures.
// "NOD02": a 77-byte header (magic; 8 spare bytes; point count with the
// closing point, surface, texture, joint, sort, start and end point counts and
// record sizes; the highest joint a point may name; the body part count), then
// the tables in that order.
//
// Every table gives its record size; a reader steps by it and reads only the
// leading fields, so records may be longer. An image is checked whole before
// anything is copied: a bad file stops the program naming the file.
#pragma once

#include <cstdint>
#include <string>

#include "render256/swcamera.h"

constexpr int NOD1_HEADER_SIZE = 57;
constexpr int NOD2_HEADER_SIZE = 77;
constexpr int NOD_POINT1_MIN_SIZE = 12;    // x, y, z
constexpr int NOD_POINT2_MIN_SIZE = 16;    // + joint, origin
constexpr int NOD_SURFACE_MIN_SIZE = 58;   // up to the texture index
constexpr int NOD_SURFACE_SIZED_SIZE = 66;  // + width, height (flag bit 3)
constexpr int NOD_TEXTURE_MIN_SIZE = 16;
constexpr int NOD_WORD_MIN_SIZE = 4;

constexpr int NOD_MAX_JOINT_POINTS = 27;
constexpr int NOD_MAX_SORT_POINTS = 54;
constexpr int NOD_MAX_START_POINTS = 27;
constexpr int NOD_MAX_END_POINTS = 27;
constexpr int NOD_MAX_PARTS = 27;
// A motion frame turns joints 1-21, so a point may name at most joint 22
// (posing turns the joints below the highest).
constexpr int NOD_MAX_HIGHEST_JOINT = 22;
constexpr int16_t NOD_CLOSING_JOINT = 32000;

// Surface flag bits in the files.
constexpr uint8_t NOD_FLAG_DOUBLE_SIDED = 1;
constexpr uint8_t NOD_FLAG_TRANSPARENT = 2;
constexpr uint8_t NOD_FLAG_SIZED = 8;  // "NOD01": the texture size is in the record

// Texture flags of the loaders: the low four bits choose how names resolve.
constexpr int NOD_TEXTURES_PLAIN = 0;       // software textures from the directory
constexpr int NOD_TEXTURES_PER_PLAYER = 1;  // kit parts by name
constexpr int NOD_TEXTURES_SKIP_LEFT = 0x10;   // "_L..." names are no texture
constexpr int NOD_TEXTURES_SKIP_RIGHT = 0x20;  // "_R..." names are no texture

// Texture kinds.
enum NodTextureKind : int16_t {
  NOD_TEXTURE_SOFTWARE = 0,
  NOD_TEXTURE_FLAT = 1,
  NOD_TEXTURE_PER_PLAYER = 2,
  NOD_TEXTURE_NONE = 3,
};
// Flat colours that stand for a side's first, second and third kit colour.
constexpr int32_t NOD_KIT_COLOUR_1 = 1;
constexpr int32_t NOD_KIT_COLOUR_2 = 2;
constexpr int32_t NOD_KIT_COLOUR_3 = 3;

struct NodPoint {
  float x, y, z;   // across, along, height
  int16_t joint;   // "NOD02": the joint that turns the point
  int16_t origin;  // "NOD02": the point whose place this one hangs on
};

struct NodSurface {
  CameraPoint* corner[4];  // the corners' entries of `transformed` (null for -1)
  float u[5];              // texel units after loading; u[4] = -1
  float v[5];
  float fileNormal[3];  // "NOD01": as stored
  float normal[3];      // "NOD01": computed when the model is placed
  int16_t point[5];     // -1 a missing corner (a triangle's corner 3); point[4] = -1
  uint8_t doubleSided;  // 0xFF or 0
  uint8_t transparent;  // 0xFF or 0
  int16_t side;         // this frame's back-face result: 0 front, 1 reversed, 2 culled
  int16_t texture;      // into the model's textures, -1 none
};

struct NodTexture {
  char name[17];
  int16_t number;  // software texture number, or kit part slot
  int32_t colour;  // flat: 5-6-5 value or a kit colour code 1-3
  int16_t kind;    // NodTextureKind
};

struct NodModel {
  NodPoint* points;
  CameraPoint* transformed;  // one per point (and spare), written by the drawing code
  int32_t pointCount;        // "NOD02": without the closing point
  int32_t pointCapacity;     // with the spare entries
  NodSurface* surfaces;
  int32_t surfaceCount;
  int32_t surfaceCapacity;
  NodTexture* textures;
  int32_t textureCount;
  // "NOD02" only.
  CameraPoint** originPoints;  // per point: the `transformed` entry of its origin
  int32_t secondGroupStart;    // the first point whose origin differs from point 0's
  int32_t highestJoint;
  int32_t jointPoints[NOD_MAX_JOINT_POINTS];
  int32_t sortPoints[NOD_MAX_SORT_POINTS];  // 2k, 2k+1: the points that order part k
  int32_t startPoints[NOD_MAX_START_POINTS];  // part k's first surface
  int32_t endPoints[NOD_MAX_END_POINTS];      // the surface after part k's last
  int32_t jointPointCount, sortPointCount, startPointCount, endPointCount;
  int32_t partCount;
};

// Header numbers of a checked image and where its tables start.
struct NodLayout {
  int version;  // 1 "NOD01", 2 "NOD02"
  int32_t pointCount, pointSize, extraCount, extraSize;
  int32_t surfaceCount, surfaceSize, textureCount, textureSize;
  int32_t jointCount, jointSize, sortCount, sortSize, startCount, startSize, endCount, endSize;
  int32_t highestJoint, partCount;
  uint32_t pointsAt, surfacesAt, texturesAt, jointsAt, sortsAt, startsAt, endsAt;
};

// Checks a whole file image for loader 1, 2 or 3 (NOD_LoadWorld,
// NOD_LoadWorld2: "NOD01"; NOD_LoadWorld3: "NOD02"): header, counts and
// record sizes against the file, every index, joint and part. Answers an
// empty string and fills *layout when the image is sound, else the message
// the loader stops with (naming `file`).
std::string NodCheckImage(const uint8_t* image, uint32_t size, int loader, const char* file, NodLayout* layout);

// Builds *model from a checked image: tables, texture resolution from
// `textureDir` by `textureFlags`, texture coordinates in texels. Stops naming
// `file` when the image does not pass NodCheckImage or a texture cannot be
// resolved or sized. The spare entries are zeroed ("NOD01" only).
void NodBuildModel(NodModel* model, const uint8_t* image, uint32_t size, int loader, const char* file,
                   const char* textureDir, int textureFlags, int32_t sparePoints, int32_t spareSurfaces);

// Loads "%s\%s.nod" (directory, name) as "NOD01" into a new model owned by
// *owner, with spare zeroed points and surfaces after the file's.
void NOD_LoadWorld(NodModel** owner, const char* name, const char* directory, const char* textureDir,
                   int32_t sparePoints, int32_t spareSurfaces, int textureFlags);
// Loads "zvdata\software\%s\model\%s.nod" (set, name) as "NOD01" into
// table[slot] unless it already holds a model; textures from "%s\textures".
void NOD_LoadWorld2(NodModel** table, const char* name, const char* set, int slot, int textureFlags);
// Loads "%s\%s" (directory, name) as "NOD02" into a caller-owned record that
// must not move while loaded.
void NOD_LoadWorld3(NodModel* model, const char* name, const char* directory, int textureFlags);

// Resolves one texture record by its name (textures from `directory`, under
// "zvdata\software\").
void NOD_LoadTextures(NodTexture* texture, const char* directory, int textureFlags);
// The texel size of a record's texture: 1 for software and per-player
// textures (size set), 0 for flat colours and none.
int ModifyUVs(const NodTexture& texture, int32_t* width, int32_t* height);
// The 5-6-5 value or kit colour code of a flat colour.
int32_t NodFlatColour(int red, int green, int blue);

// Frees the tables of a model and leaves it empty (a caller-owned record).
void FreeNodTables(NodModel* model);
// Frees the tables and the model behind *owner.
void FreeNodModel(NodModel** owner);
