// The stadium world of the software match: loading and placing the horizon,
// the stands, the goals and the corner flags, and drawing them each frame.
#include "render256/swworld.h"

#include <cmath>
#include <cstdio>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "generic/pccamera.h"
#include "menus/loadbar.h"
#include "render256/nodfile.h"
#include "render256/perspfill.h"
#include "render256/polyman.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/swmarkings.h"
#include "render256/textures.h"

namespace {

constexpr const char* kStadiumFolder = "zvdata\\software\\stadium";
constexpr const char* kMiscFolder = "zvdata\\software\\stadium\\models\\misc";
constexpr const char* kHorizonName = "HORIZON";
constexpr const char* kHorizonTextures = "stadium\\TEXTURES\\Stad2";
constexpr const char* kStadiumTextures = "stadium\\TEXTURES";

constexpr WorldItem kWorldItems[WORLD_ITEM_COUNT] = {
    {"Gback", WORLD_GOAL_MIN_Y},
    {"Gtop", WORLD_GOAL_MIN_Y},
    {"Gleft", WORLD_GOAL_MIN_Y},
    {"Gright", WORLD_GOAL_MIN_Y},
    {"Gback", WORLD_GOAL_MAX_Y},
    {"Gtop", WORLD_GOAL_MAX_Y},
    {"Gleft", WORLD_GOAL_MAX_Y},
    {"Gright", WORLD_GOAL_MAX_Y},
    {"flag\\flag", WORLD_FLAG_MIN_X_MIN_Y},
    {"flag\\flag", WORLD_FLAG_MAX_X_MIN_Y},
    {"flag\\flag", WORLD_FLAG_MIN_X_MAX_Y},
    {"flag\\flag", WORLD_FLAG_MAX_X_MAX_Y},
};

struct WorldState {
  NodModel* horizon;
  NodModel* stadium;
  NodModel* items[WORLD_ITEM_COUNT];
};
WorldState gWorld;

void WorldState_Reset() {
  // The models' blocks belong to the memory layer, which its own reset empties.
  gWorld = WorldState{};
}

// Turns a model just loaded about the vertical a quarter round and moves it
// onto the centre spot.
void PlaceOnCentreSpot(NodModel* model) {
  RotateModel(model, WORLD_QUARTER_TURN);
  TranslateModel(model, Pitch.centreX, Pitch.centreY, 0.0f);
  ComputeSurfaceNormals(model);
}

// Corners of a surface, in the order they are handed to the fillers.
int SurfaceCorners(const NodSurface& s, bool reversed, int order[4]) {
  const int count = s.point[3] < 0 ? 3 : 4;
  // Seen from the front, the file's corners run the other way round on the
  // screen from the one the fillers take.
  order[0] = reversed ? 0 : 2;
  order[1] = 1;
  order[2] = reversed ? 2 : 0;
  order[3] = 3;
  return count;
}

void DrawSurface(const NodModel& model, const NodSurface& s) {
  if (s.texture < 0 || s.texture >= model.textureCount) return;
  const NodTexture& texture = model.textures[s.texture];
  if (texture.kind != NOD_TEXTURE_SOFTWARE && texture.kind != NOD_TEXTURE_FLAT) return;

  int order[4];
  const int count = SurfaceCorners(s, s.side == 1, order);
  ClipPoly poly{};
  int16_t all = -1, any = 0;
  for (int i = 0; i < count; ++i) {
    const int c = order[i];
    const int16_t index = s.point[c];
    if (index < 0 || index >= model.pointCount) return;
    const CameraPoint& p = model.transformed[index];
    all = static_cast<int16_t>(all & p.outcode);
    any = static_cast<int16_t>(any | p.outcode);
    poly.vertex[i] = {p.x, p.y, p.z, s.u[c], s.v[c]};
  }
  poly.count = count;
  if (all != 0) return;
  if (any != 0 && ClipPolygon(poly) == 0) return;

  PerspVertex vertices[CLIP_MAX_VERTICES];
  const int n = ProjectPolygon(poly, vertices);
  if (n < 3) return;
  GfxBuffer* screen = ViewScreen.screen;
  if (texture.kind == NOD_TEXTURE_FLAT) {
    FillPolygonFlat(screen, vertices, n, WORLD_FLAT_COLOUR * 0x01010101u);
    return;
  }
  const uint8_t* block = TEXT_GetTexture(texture.number);
  if (block == nullptr) return;
  const Texture t{TextureWidth(block), TextureHeight(block), TexturePixels(block)};
  FillPolygonTexturedAdaptive(screen, vertices, n, t, s.transparent != 0 ? 1 : 0);
}

}  // namespace

REGISTER_RESET(RESET_RENDER, WorldState_Reset);

void SwWorld_Reset() { WorldState_Reset(); }

const WorldItem& GetWorldItem(int item) {
  if (item < 0 || item >= WORLD_ITEM_COUNT) FatalError("Error: GetWorldItem(): no world item %d\n", item);
  return kWorldItems[item];
}

NodModel* WorldItemModel(int item) { return item >= 0 && item < WORLD_ITEM_COUNT ? gWorld.items[item] : nullptr; }
NodModel* HorizonModel() { return gWorld.horizon; }
NodModel* StadiumModel() { return gWorld.stadium; }

const char* StadiumModelName(int standSum) { return standSum >= WORLD_BIG_STADIUM_STANDS ? "bigstad" : "stad2"; }

// ---- Placement
// ---------------------------------------------------------------

void ScaleModel(NodModel* model, float x, float y, float z) {
  for (int32_t i = 0; i < model->pointCount; ++i) {
    NodPoint& p = model->points[i];
    p.x *= x;
    p.y *= y;
    p.z *= z;
  }
}

void TranslateModel(NodModel* model, float dx, float dy, float dz) {
  for (int32_t i = 0; i < model->pointCount; ++i) {
    NodPoint& p = model->points[i];
    p.x += dx;
    p.y += dy;
    p.z += dz;
  }
}

void RotateModel(NodModel* model, float angle) {
  const float s = std::sin(angle), c = std::cos(angle);
  for (int32_t i = 0; i < model->pointCount; ++i) {
    NodPoint& p = model->points[i];
    const float x = p.x * c - p.y * s, y = p.x * s + p.y * c;
    p.x = x;
    p.y = y;
  }
  for (int32_t i = 0; i < model->surfaceCount; ++i) {
    float* n = model->surfaces[i].normal;
    const float x = n[0] * c - n[1] * s, y = n[0] * s + n[1] * c;
    n[0] = x;
    n[1] = y;
  }
}

void HalfTurnModel(NodModel* model) {
  for (int32_t i = 0; i < model->pointCount; ++i) {
    NodPoint& p = model->points[i];
    p.x = -p.x;
    p.y = -p.y;
  }
}

void ComputeSurfaceNormals(NodModel* model) {
  for (int32_t i = 0; i < model->surfaceCount; ++i) {
    NodSurface& s = model->surfaces[i];
    bool sound = true;
    for (int c = 0; c < 3; ++c) sound = sound && s.point[c] >= 0 && s.point[c] < model->pointCount;
    if (!sound) continue;
    const NodPoint& p0 = model->points[s.point[0]];
    const NodPoint& p1 = model->points[s.point[1]];
    const NodPoint& p2 = model->points[s.point[2]];
    const double ax = p0.x - p1.x, ay = p0.y - p1.y, az = p0.z - p1.z;
    const double bx = p2.x - p1.x, by = p2.y - p1.y, bz = p2.z - p1.z;
    const double nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
    if (length == 0.0) continue;
    s.normal[0] = static_cast<float>(nx / length);
    s.normal[1] = static_cast<float>(ny / length);
    s.normal[2] = static_cast<float>(nz / length);
  }
}

void ModifyFlagWorld(NodModel* model, int type) {
  float x = 0.0f, y = 0.0f;
  switch (type) {
    case WORLD_FLAG_MIN_X_MIN_Y:
      x = Pitch.minX, y = Pitch.minY;
      break;
    case WORLD_FLAG_MAX_X_MIN_Y:
      x = Pitch.maxX, y = Pitch.minY;
      break;
    case WORLD_FLAG_MIN_X_MAX_Y:
      x = Pitch.minX, y = Pitch.maxY;
      break;
    case WORLD_FLAG_MAX_X_MAX_Y:
      x = Pitch.maxX, y = Pitch.maxY;
      break;
    default:
      FatalError("ERROR: ModifyFlagWorld default case hit\n");
  }
  ScaleModel(model, WORLD_FLAG_SCALE, WORLD_FLAG_SCALE, WORLD_FLAG_SCALE);
  TranslateModel(model, x, y, 0.0f);
  ComputeSurfaceNormals(model);
}

void PlaceWorldItem(NodModel* model, int type) {
  if (type & (WORLD_FLAG_MIN_X_MIN_Y | WORLD_FLAG_MAX_X_MIN_Y | WORLD_FLAG_MIN_X_MAX_Y | WORLD_FLAG_MAX_X_MAX_Y)) {
    ModifyFlagWorld(model, type);
    return;
  }
  if (type < WORLD_GOAL_MIN_Y) FatalError("ERROR:Create3DWorld -  ModelType not found\n");
  ScaleModel(model, (Pitch.goalPostMaxX - Pitch.goalPostMinX) / 2.0f, WORLD_GOAL_DEPTH, WORLD_GOAL_HEIGHT);
  if (type == WORLD_GOAL_MIN_Y) {
    HalfTurnModel(model);
    TranslateModel(model, Pitch.centreX, Pitch.minY, 0.0f);
  } else {
    TranslateModel(model, Pitch.centreX, Pitch.maxY, 0.0f);
  }
  ComputeSurfaceNormals(model);
}

// ---- Building and freeing
// ------------------------------------------------------

void LoadStadiumModel() {
  const uint8_t* setup = GetMatchSetupRecord();
  int sum = 0;
  for (int k = 0; k < 4; ++k) sum += LoadI16(setup + SETUP_STAND_KINDS + 2 * k);
  const char* name = StadiumModelName(sum);
  BigStadiumFlag = sum >= WORLD_BIG_STADIUM_STANDS ? 1 : 0;
  char folder[96], textures[64];
  std::snprintf(folder, sizeof folder, "%s\\models\\stads", kStadiumFolder);
  std::snprintf(textures, sizeof textures, "%s\\%s", kStadiumTextures, name);
  FreeNodModel(&gWorld.stadium);  // a second build replaces the first
  NOD_LoadWorld(&gWorld.stadium, name, folder, textures, 0, 0, NOD_TEXTURES_PLAIN);
  PlaceOnCentreSpot(gWorld.stadium);
}

void Create3DWorld() {
  LoadBar_StartBlock(3.0f, 1.0f);

  char folder[96];
  std::snprintf(folder, sizeof folder, "%s\\models\\misc\\horizon", kStadiumFolder);
  FreeNodModel(&gWorld.horizon);  // a second build replaces the first
  NOD_LoadWorld(&gWorld.horizon, kHorizonName, folder, kHorizonTextures, 0, 0, NOD_TEXTURES_PLAIN);
  PlaceOnCentreSpot(gWorld.horizon);

  LoadStadiumModel();

  char goalTextures[64];
  std::snprintf(goalTextures, sizeof goalTextures, "%s\\goal%02d", kStadiumTextures, 0);
  for (int i = 0; i < WORLD_ITEM_COUNT; ++i) {
    const WorldItem& item = kWorldItems[i];
    const bool goal = item.type >= WORLD_GOAL_MIN_Y;
    char name[32];
    if (goal)
      std::snprintf(name, sizeof name, "goal\\%s", item.name);
    else
      std::snprintf(name, sizeof name, "%s", item.name);
    FreeNodModel(&gWorld.items[i]);
    NOD_LoadWorld(&gWorld.items[i], name, kMiscFolder, goal ? goalTextures : kStadiumTextures, 0, 0,
                  NOD_TEXTURES_PLAIN);
    PlaceWorldItem(gWorld.items[i], item.type);
  }

  LoadGrass();
  LoadPitchMarkings();
  LoadBar_AddProgress(1.0f);
  InitPerspTables();

  LoadBar_StartBlock(1.0f, 2.0f);
  LoadPlayerModels();
  LoadBar_EndBlock();
  LoadBar_EndBlock();
}

void FreeWorld() {
  FreePlayerModels();
  FreeNodModel(&gWorld.horizon);
  FreeNodModel(&gWorld.stadium);
  for (NodModel*& item : gWorld.items) FreeNodModel(&item);
  FreeLineTexture();
  FreeGrass();
}

// ---- Drawing
// -------------------------------------------------------------------

void DrawWorldModel(NodModel* model) {
  if (model == nullptr || ViewScreen.screen == nullptr) return;
  const SoftwareCameraState& eye = SoftwareCamera;

  // Which way each surface faces the eye.
  bool anyDrawn = false;
  for (int32_t i = 0; i < model->surfaceCount; ++i) {
    NodSurface& s = model->surfaces[i];
    const int16_t first = s.point[0];
    if (first < 0 || first >= model->pointCount) {
      s.side = 2;
      continue;
    }
    const NodPoint& p = model->points[first];
    const float dot =
        (p.x - eye.eyeAcross) * s.normal[0] + (p.y - eye.eyeAlong) * s.normal[1] + (p.z - eye.eyeHeight) * s.normal[2];
    s.side = dot <= 0.0f ? 0 : s.doubleSided != 0 ? 1 : 2;
    anyDrawn = anyDrawn || s.side != 2;
  }
  if (!anyDrawn) return;

  for (int32_t i = 0; i < model->pointCount; ++i) {
    const NodPoint& p = model->points[i];
    model->transformed[i] = TransformPoint(p.x, p.z, p.y);
  }

  for (int32_t i = 0; i < model->surfaceCount; ++i) {
    const NodSurface& s = model->surfaces[i];
    if (s.side != 2) DrawSurface(*model, s);
  }
}

void DrawWorld() {
  DrawGround();
  DrawPitchLines();
  DrawPitchCurves();
  DrawWorldModel(gWorld.horizon);
  DrawWorldModel(gWorld.stadium);
}

int WorldItemCount() { return WORLD_ITEM_COUNT; }

float WorldItemDepth(int item) {
  const NodModel* model = WorldItemModel(item);
  if (model == nullptr || model->pointCount < 1) return -1.0f;
  const NodPoint& p = model->points[0];
  return TransformPoint(p.x, p.z, p.y).z;
}

void DrawWorldItem(int item) { DrawWorldModel(WorldItemModel(item)); }
