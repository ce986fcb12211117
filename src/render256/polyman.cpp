// Player models and drawing.
#include "render256/polyman.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "generic/kitload.h"
#include "generic/overlay.h"
#include "generic/pccamera.h"
#include "menus/loadbar.h"
#include "menus/menuprims.h"
#include "render256/mgraphic.h"
#include "render256/perspfill.h"
#include "render256/playernames.h"
#include "render256/polyscan.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/swscreen.h"
#include "render256/textures.h"
#include "render256/vidopt.h"

#define ABORT_FILE "zv256\\polyman"

const int32_t LodThresholds[3][LOD_THRESHOLDS] = {
    {23, 56, 100, 150, LOD_LAST_THRESHOLD},
    {46, 112, 200, 300, LOD_LAST_THRESHOLD},
    {93, 225, 400, 600, LOD_LAST_THRESHOLD},
};

namespace {

constexpr double kTurn = 6.2831853071854;
constexpr const char* kKindDirs[PLAYER_MODEL_KINDS] = {"player", "keeper", "referee"};
constexpr int kLevelNumbers[PLAYER_MODEL_LEVELS] = {500, 300, 200, 100, 60, 60};
constexpr int kTexturesPerPlayer = 1;
constexpr int kTexturesFlatOnly = 2;
constexpr int kTexturesSimple = 8;
// Motion frame layout: the body's height offset and the joints' angle bytes.
constexpr int kFrameHeightOffset = 8;
constexpr int kFrameJointAngles = 27;
constexpr int kHeadJoint = 4;
constexpr int kMaxParts = NOD_MAX_PARTS;

struct Rotation {
  float m[3][3];
};

struct PolyManState {
  NodModel players[PLAYER_MODEL_KINDS][PLAYER_MODEL_LEVELS];
  bool loaded[PLAYER_MODEL_KINDS][PLAYER_MODEL_LEVELS];
  NodModel* simple[SIMPLE_MODEL_SLOTS];
  float rotationSteps[256][4];
  float rotationSteps16[16][4];
  float sinTable[256], cosTable[256];
  bool tablesBuilt;
  PlayerDrawInfo last;
};
PolyManState g;

void BuildTables() {
  for (int i = 0; i < 256; ++i) {
    const double a = -(i * kTurn / 256);
    g.rotationSteps[i][0] = static_cast<float>(std::cos(a));
    g.rotationSteps[i][1] = static_cast<float>(std::sin(a));
    g.rotationSteps[i][2] = static_cast<float>(-std::sin(a));
    g.rotationSteps[i][3] = static_cast<float>(std::cos(a));
    g.sinTable[i] = static_cast<float>(std::sin(i * kTurn * 0.00390625));
    g.cosTable[i] = static_cast<float>(std::cos(i * kTurn * 0.00390625));
  }
  for (int i = 0; i < 16; ++i) {
    const double a = -(i * kTurn / 16);
    g.rotationSteps16[i][0] = static_cast<float>(std::cos(a));
    g.rotationSteps16[i][1] = static_cast<float>(std::sin(a));
    g.rotationSteps16[i][2] = static_cast<float>(-std::sin(a));
    g.rotationSteps16[i][3] = static_cast<float>(std::cos(a));
  }
  g.tablesBuilt = true;
}

void LoadBody(int kind, int level) {
  if (g.loaded[kind][level]) return;
  char name[32], dir[128];
  std::snprintf(name, sizeof name, level == PLAYER_MODEL_FILL ? "%dfill.nod" : "%dman.nod", kLevelNumbers[level]);
  std::snprintf(dir, sizeof dir, "%s\\%s", PLAYER_MODEL_DIR, kKindDirs[kind]);
  NOD_LoadWorld3(&g.players[kind][level], name, dir,
                 level == PLAYER_MODEL_FILL ? kTexturesFlatOnly : kTexturesPerPlayer);
  g.loaded[kind][level] = true;
}

void LoadSimple(int slot) {
  if (g.simple[slot] != nullptr) return;
  NOD_LoadWorld2(g.simple, slot == SIMPLE_MODEL_CONE ? "cone" : "116ball", "simple", slot, kTexturesSimple);
  NodModel* m = g.simple[slot];
  for (int32_t i = 0; i < m->pointCount; ++i) {
    m->points[i].x *= SIMPLE_MODEL_SCALE;
    m->points[i].y *= SIMPLE_MODEL_SCALE;
    m->points[i].z *= SIMPLE_MODEL_SCALE;
  }
}

// Rz(a) x Ry(b) x Rx(c) from three angle bytes.
Rotation JointRotation(int a, int b, int c) {
  const float sa = g.sinTable[a & 255], ca = g.cosTable[a & 255];
  const float sb = g.sinTable[b & 255], cb = g.cosTable[b & 255];
  const float sc = g.sinTable[c & 255], cc = g.cosTable[c & 255];
  return {{{ca * cb, ca * sb * sc - sa * cc, ca * sb * cc + sa * sc},
           {sa * cb, sa * sb * sc + ca * cc, sa * sb * cc - ca * sc},
           {-sb, cb * sc, cb * cc}}};
}

Rotation AngleRotation(float a, float b, float c) {
  const float sa = std::sin(a), ca = std::cos(a), sb = std::sin(b), cb = std::cos(b), sc = std::sin(c),
              cc = std::cos(c);
  return {{{ca * cb, ca * sb * sc - sa * cc, ca * sb * cc + sa * sc},
           {sa * cb, sa * sb * sc + ca * cc, sa * sb * cc - ca * sc},
           {-sb, cb * sc, cb * cc}}};
}

void Rotate(const Rotation& r, float x, float y, float z, CameraPoint& out) {
  out.x = r.m[0][0] * x + r.m[0][1] * y + r.m[0][2] * z;
  out.y = r.m[1][0] * x + r.m[1][1] * y + r.m[1][2] * z;
  out.z = r.m[2][0] * x + r.m[2][1] * y + r.m[2][2] * z;
}

// The motion frame of a render record; a clip or frame that does not exist
// stops the program naming them.
const uint8_t* CheckedFrame(int object, const RenderObject& r) {
  const uint8_t* frame = GetMotionFrame(r.motion, r.motionFrame);
  if (frame == nullptr) {
    char message[160];
    std::snprintf(message, sizeof message, "Error: object %d has motion %d frame %d, which no clip holds", object,
                  r.motion, r.motionFrame);
    AbortError(ABORT_FILE, __LINE__, message);
  }
  return frame;
}

void CheckHeading(const RenderObject& r) {
  if (r.drawFacing < 0 || r.drawFacing > 255) AbortError(ABORT_FILE, __LINE__, "Heading error");
}

// Poses a jointed body from its motion frame into `transformed`, turns it
// by its facing and moves it to its render position: world points (across,
// along, height), marks cleared.
void PoseBody(NodModel& m, const RenderObject& r, const uint8_t* frame, float offsetScale) {
  CameraPoint* t = m.transformed;
  const NodPoint* p = m.points;
  const int32_t n = m.pointCount;
  const int32_t second = m.secondGroupStart < n ? m.secondGroupStart : n;
  for (int32_t i = 0; i < second; ++i) t[i] = {p[i].x, p[i].y, p[i].z, 0, 0};
  Rotation joints[NOD_MAX_HIGHEST_JOINT + 1];
  const int highest = m.highestJoint < NOD_MAX_HIGHEST_JOINT ? m.highestJoint : NOD_MAX_HIGHEST_JOINT;
  for (int j = 1; j < highest; ++j) {
    const uint8_t* a = frame + kFrameJointAngles + 3 * (j - 1);
    const int first = a[0] + (j == kHeadJoint ? r.headTurn : 0);
    joints[j] = JointRotation(first, a[1], a[2]);
  }
  // Offsets on joint 0 or the highest joint have no turn of their own: they
  // hang on their origin as they are.
  for (int32_t i = second; i < n; ++i) {
    const int j = p[i].joint;
    if (j >= 1 && j < highest)
      Rotate(joints[j], p[i].x, p[i].y, p[i].z, t[i]);
    else
      t[i] = {p[i].x, p[i].y, p[i].z, 0, 0};
    t[i].x *= offsetScale;
    t[i].y *= offsetScale;
    t[i].z *= offsetScale;
    t[i].outcode = 0;
  }
  for (int32_t i = second; i < n; ++i) {
    const CameraPoint& o = *m.originPoints[i];
    t[i].x += o.x;
    t[i].y += o.y;
    t[i].z += o.z;
  }
  // Our models face +y (along) in model space; drawFacing is measured from a
  // body facing -x, so the turn is a quarter more.
  const float* turn = g.rotationSteps[(r.drawFacing + MODEL_FRONT_QUARTER_TURN) & 255];
  const float lift = r.height + LoadF32(frame + kFrameHeightOffset);
  for (int32_t i = 0; i < n; ++i) {
    const float x = t[i].x, y = t[i].y;
    t[i].x = x * turn[0] + y * turn[1] + r.x;
    t[i].y = x * turn[2] + y * turn[3] + r.y;
    t[i].z += lift;
  }
}

int CornerCount(const NodSurface& s) { return s.point[3] < 0 ? 3 : 4; }

// Back-face test of every surface against the eye; marks the corners of the
// surfaces that will be drawn.
void CullSurfaces(NodModel& m) {
  const float ex = SoftwareCamera.eyeAcross, ey = SoftwareCamera.eyeAlong, ez = SoftwareCamera.eyeHeight;
  for (int32_t k = 0; k < m.surfaceCount; ++k) {
    NodSurface& s = m.surfaces[k];
    const CameraPoint& c0 = *s.corner[0];
    const CameraPoint& c1 = *s.corner[1];
    const CameraPoint& c2 = *s.corner[2];
    const float ax = c0.x - c1.x, ay = c0.y - c1.y, az = c0.z - c1.z;
    const float bx = c2.x - c1.x, by = c2.y - c1.y, bz = c2.z - c1.z;
    const float nx = ay * bz - az * by, ny = az * bx - ax * bz, nz = ax * by - ay * bx;
    const float facing = nx * (ex - c1.x) + ny * (ey - c1.y) + nz * (ez - c1.z);
    s.side = facing > 0.0f ? 0 : (s.doubleSided ? 1 : 2);
    if (s.side == 2) continue;
    for (int c = 0; c < CornerCount(s); ++c) s.corner[c]->outcode = CAMERA_POINT_MARKED;
  }
}

// Marks every corner of every surface.
void MarkAll(NodModel& m) {
  for (int32_t k = 0; k < m.surfaceCount; ++k) {
    NodSurface& s = m.surfaces[k];
    s.side = 0;
    for (int c = 0; c < CornerCount(s); ++c) s.corner[c]->outcode = CAMERA_POINT_MARKED;
  }
}

// The surface's corners in camera space, reversed ones with corners 0 and 2
// exchanged. False when the surface lies wholly outside one plane or
// nothing of it is left after clipping.
bool SurfacePolygon(const NodSurface& s, ClipPoly& poly) {
  const int count = CornerCount(s);
  static constexpr int kFront[4] = {0, 1, 2, 3}, kBack[4] = {2, 1, 0, 3};
  const int* order = s.side == 1 ? kBack : kFront;
  int16_t all = -1, any = 0;
  for (int i = 0; i < count; ++i) {
    const int c = order[i];
    const CameraPoint& p = *s.corner[c];
    poly.vertex[i] = {p.x, p.y, p.z, s.u[c], s.v[c]};
    all = static_cast<int16_t>(all & p.outcode);
    any = static_cast<int16_t>(any | p.outcode);
  }
  poly.count = count;
  if (all != 0) return false;
  if (any != 0 && !ClipPolygon(poly)) return false;
  return true;
}

// Twice the signed screen area: positive for the winding the fillers draw.
template <class V>
double Winding(const V* v, int n) {
  double sum = 0;
  for (int i = 0; i < n; ++i) {
    const V& a = v[i];
    const V& b = v[i + 1 < n ? i + 1 : 0];
    sum += static_cast<double>(a.x) * b.y - static_cast<double>(b.x) * a.y;
  }
  return sum;
}

// The fillers draw one winding only. The camera shows the pitch mirrored
// (across runs right to left looking along), so a surface that faces the eye
// may come out either way round: it is turned to the fillers' winding.
template <class V>
void FillerWinding(V* v, int n) {
  if (Winding(v, n) >= 0) return;
  for (int i = 0, j = n - 1; i < j; ++i, --j) {
    const V keep = v[i];
    v[i] = v[j];
    v[j] = keep;
  }
}

uint32_t ColourWord(uint8_t colour) { return colour * 0x01010101u; }

// A flat 5-6-5 colour as its nearest palette entry; codes 1-3 as the
// colours they were made from.
uint8_t FlatPaletteColour(int32_t colour) {
  int r, gr, b;
  switch (colour) {
    case NOD_KIT_COLOUR_1:
      r = 255, gr = 255, b = 255;
      break;
    case NOD_KIT_COLOUR_2:
      r = 0, gr = 0, b = 255;
      break;
    case NOD_KIT_COLOUR_3:
      r = 0, gr = 255, b = 0;
      break;
    default:
      r = ((colour >> 11) & 31) * 255 / 31;
      gr = ((colour >> 5) & 63) * 255 / 63;
      b = (colour & 31) * 255 / 31;
      break;
  }
  return static_cast<uint8_t>(FindNearestColour(r, gr, b, GamePalette));
}

Texture TextureOf(const uint8_t* texture) {
  return {TextureWidth(texture), TextureHeight(texture), TexturePixels(texture)};
}

// Fills one textured or flat surface of a body or the ball. `flat` is the
// palette colour of flat surfaces, -1 to skip them (bodies outside the two
// states), -2 to take each surface's own colour (the ball).
bool FillSurface(GfxBuffer* screen, const NodModel& m, const NodSurface& s, int object, int flat) {
  if (s.texture < 0 || s.texture >= m.textureCount) return false;
  const NodTexture& tex = m.textures[s.texture];
  ClipPoly poly;
  PerspVertex v[CLIP_MAX_VERTICES];
  switch (tex.kind) {
    case NOD_TEXTURE_FLAT: {
      if (flat == -1) return false;
      if (!SurfacePolygon(s, poly)) return false;
      const int n = ProjectPolygon(poly, v);
      FillerWinding(v, n);
      const uint8_t colour = flat == -2 ? FlatPaletteColour(tex.colour) : static_cast<uint8_t>(flat);
      FillPolygonFlat(screen, v, n, ColourWord(colour));
      return true;
    }
    case NOD_TEXTURE_PER_PLAYER:
    case NOD_TEXTURE_SOFTWARE: {
      const uint8_t* texels =
          tex.kind == NOD_TEXTURE_PER_PLAYER ? KITPLR_GetTexture256(object, tex.number) : TEXT_GetTexture(tex.number);
      if (texels == nullptr) return false;
      if (!SurfacePolygon(s, poly)) return false;
      const int n = ProjectPolygon(poly, v);
      FillerWinding(v, n);
      FillPolygonTextured(screen, v, n, TextureOf(texels));
      return true;
    }
    default:
      return false;
  }
}

void MarkSortPoints(NodModel& m) {
  const int count = m.partCount < kMaxParts ? m.partCount : kMaxParts;
  for (int k = 0; k < 2 * count; ++k) m.transformed[m.sortPoints[k]].outcode = CAMERA_POINT_MARKED;
}

int FlatColourNow() {
  if (MatchState == FLAT_SHOW_STATE_RED) return FLAT_COLOUR_RED;
  if (MatchState == FLAT_SHOW_STATE_YELLOW) return FLAT_COLOUR_YELLOW;
  return -1;
}

GfxBuffer* Screen() { return ViewScreen.screen; }

bool ValidObject(int object, int last) { return object >= 0 && object <= last; }

// The blob under a ground point: a masked quad moved along the light,
// clipped with its texel corners where it crosses the view's planes.
void DrawBlob(float across, float along, float height, float halfAcross, float halfAlong) {
  GfxBuffer* screen = Screen();
  if (screen == nullptr) return;
  const float cx = across + height * std::sin(SHADOW_LIGHT_ANGLE);
  const float cy = along + height * std::cos(SHADOW_LIGHT_ANGLE);
  const float last = SHADOW_MASK_SIZE - 1;
  const float corners[4][4] = {{cx - halfAcross, cy - halfAlong, 0, 0},
                               {cx + halfAcross, cy - halfAlong, last, 0},
                               {cx + halfAcross, cy + halfAlong, last, last},
                               {cx - halfAcross, cy + halfAlong, 0, last}};
  ClipPoly poly;
  int16_t all = -1, any = 0;
  for (int i = 0; i < 4; ++i) {
    const CameraPoint p = TransformPoint(corners[i][0], 0.0f, corners[i][1]);
    poly.vertex[i] = {p.x, p.y, p.z, corners[i][2], corners[i][3]};
    all = static_cast<int16_t>(all & p.outcode);
    any = static_cast<int16_t>(any | p.outcode);
  }
  poly.count = 4;
  if (all != 0) return;
  if (any != 0 && !ClipPolygon(poly)) return;
  ScreenVertex v[CLIP_MAX_VERTICES];
  for (int i = 0; i < poly.count; ++i) {
    int32_t x, y;
    ProjectClipVertex(poly.vertex[i], &x, &y);
    v[i] = {x / 16, y / 16, poly.vertex[i].u, poly.vertex[i].v};
  }
  FillerWinding(v, poly.count);
  GraphicSlot* mask = MGraphGetItem(MGRAPHIC_SHADOW);
  const Texture texture{mask->width, mask->height, MGraphFrame(mask, 0)};
  FillPolygonMasked(screen, v, poly.count, texture, static_cast<uint8_t>(ShadowColour));
}

NodModel* BodyFor(int kind, int level) { return g.loaded[kind][level] ? &g.players[kind][level] : nullptr; }

}  // namespace

namespace {

struct PartDepth {
  float nearZ, farZ, mid;
};

// Whether part a is drawn before part b (a lies farther away).
bool DrawnBefore(const PartDepth& a, const PartDepth& b) {
  if (a.nearZ >= b.farZ) return true;
  if (a.farZ <= b.nearZ) return false;
  // Overlapping: the part reaching farther beyond the other's middle first.
  return a.farZ - b.mid > b.farZ - a.mid;
}

}  // namespace

void OrderBodyParts(const float (*depths)[2], int count, int* order) {
  PartDepth sorted[NOD_MAX_PARTS];
  if (count > NOD_MAX_PARTS) count = NOD_MAX_PARTS;
  for (int k = 0; k < count; ++k) {
    const float z0 = depths[k][0], z1 = depths[k][1];
    const PartDepth d{z0 < z1 ? z0 : z1, z0 < z1 ? z1 : z0, (z0 + z1) * 0.5f};
    int j = k;
    while (j > 0 && DrawnBefore(d, sorted[j - 1])) {
      sorted[j] = sorted[j - 1];
      order[j] = order[j - 1];
      --j;
    }
    sorted[j] = d;
    order[j] = k;
  }
}

void PolyMan_Reset() { g = PolyManState{}; }

REGISTER_RESET(RESET_MATCH, PolyMan_Reset);

const PlayerDrawInfo& LastPlayerDraw() { return g.last; }

NodModel* GetPlayerModel(int kind, int level) {
  if (kind < 0 || kind >= PLAYER_MODEL_KINDS || level < 0 || level >= PLAYER_MODEL_LEVELS) return nullptr;
  return BodyFor(kind, level);
}

NodModel* GetSimpleModel(int slot) { return slot >= 0 && slot < SIMPLE_MODEL_SLOTS ? g.simple[slot] : nullptr; }

void LoadPlayerModels() {
  LoadBar_StartBlock(5, 1);
  BuildTables();
  KITPLR_ResetTextures();
  LoadBar_StartBlock(1, 3);
  KIT_LoadTextures();
  LoadBar_EndBlock();
  LoadBar_StartBlock(1, 1);
  LoadBar_StartBlock(18, 1);
  for (int kind = 0; kind < PLAYER_MODEL_KINDS; ++kind)
    for (int level = 0; level < PLAYER_MODEL_LEVELS; ++level) {
      LoadBody(kind, level);
      LoadBar_AddProgress(1);
    }
  LoadBar_EndBlock();
  LoadBar_EndBlock();
  for (int slot = 0; slot <= SIMPLE_MODEL_CONE; ++slot) {
    LoadSimple(slot);
    LoadBar_AddProgress(static_cast<float>(slot * 0.1666667));
  }
  LoadBar_EndBlock();
}

void LoadOverlayModels() {
  BuildTables();
  for (int kind = 0; kind < PLAYER_MODEL_KINDS; ++kind) LoadBody(kind, PLAYER_MODEL_FILL);
  LoadSimple(SIMPLE_MODEL_BALL);
}

void FreePlayerModels() {
  for (auto& slot : g.simple)
    if (slot != nullptr) FreeNodModel(&slot);
  for (int kind = 0; kind < PLAYER_MODEL_KINDS; ++kind)
    for (int level = 0; level < PLAYER_MODEL_LEVELS; ++level)
      if (g.loaded[kind][level]) {
        FreeNodTables(&g.players[kind][level]);
        g.loaded[kind][level] = false;
      }
}

void FreeOverlayModels() { FreePlayerModels(); }

int PlayerModelKindOf(int object) {
  if (object > 31) return MODEL_KIND_REFEREE;
  if (object == SideSlots[0][0] || object == SideSlots[1][0]) return MODEL_KIND_KEEPER;
  return MODEL_KIND_PLAYER;
}

int PlayerModelLevel(int32_t size, int detail) {
  const int row = detail < 0 ? 0 : (detail > 2 ? 2 : detail);
  int level = 0;
  while (level < LOD_THRESHOLDS && size >= LodThresholds[row][level]) ++level;
  return level;
}

int32_t PlayerModelSize(float depth) {
  const int32_t width = ScreenWidth > 0 ? ScreenWidth : 640;
  const double scaled = std::trunc(static_cast<double>(depth) * 640 / width);
  const float zoom = CurrentCamera >= 0 && CurrentCamera < CAMERA_COUNT ? Cameras[CurrentCamera].zoom : 1.0f;
  const double s = std::trunc(scaled / (zoom > 0.0f ? zoom : 1.0f));
  return s >= 2147483647.0 ? INT32_MAX : static_cast<int32_t>(s < 0 ? 0 : s);
}

void DrawPlayerObject(int object) {
  if (!ValidObject(object, 34)) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion < 0 && (r.motion == -1 || r.motion == -2)) return;
  CheckHeading(r);
  const uint8_t* frame = CheckedFrame(object, r);
  GfxBuffer* screen = Screen();
  const int kind = PlayerModelKindOf(object);
  const int level = PlayerModelLevel(PlayerModelSize(PlayerDepth(object)), ModelDetail);
  NodModel* m = BodyFor(kind, level);
  g.last = {object, kind, level, 0};
  if (m == nullptr || screen == nullptr) return;
  PoseBody(*m, r, frame, 1.0f);
  CullSurfaces(*m);
  MarkSortPoints(*m);
  TransformModelPoints(*m);
  const int count = m->partCount < kMaxParts ? m->partCount : kMaxParts;
  float depths[kMaxParts][2];
  for (int k = 0; k < count; ++k) {
    depths[k][0] = m->transformed[m->sortPoints[2 * k]].z;
    depths[k][1] = m->transformed[m->sortPoints[2 * k + 1]].z;
  }
  int order[kMaxParts];
  OrderBodyParts(depths, count, order);
  const int flat = FlatColourNow();
  for (int i = 0; i < count; ++i) {
    const int k = order[i];
    for (int32_t q = m->startPoints[k]; q < m->endPoints[k] && q < m->surfaceCount; ++q) {
      const NodSurface& s = m->surfaces[q];
      if (s.side == 2) continue;
      if (FillSurface(screen, *m, s, object, flat)) ++g.last.surfacesDrawn;
    }
  }
}

void DrawPlayerShadow(int object) {
  if (!ValidObject(object, 34)) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion == -1) return;
  if (ModelDetail == 0) {
    DrawBlob(r.x, r.y, r.height, PLAYER_BLOB_HALF_ACROSS, PLAYER_BLOB_HALF_ALONG);
    return;
  }
  if (r.motion == -2) return;
  CheckHeading(r);
  const uint8_t* frame = CheckedFrame(object, r);
  GfxBuffer* screen = Screen();
  NodModel* m = BodyFor(PlayerModelKindOf(object), PLAYER_MODEL_FILL);
  if (m == nullptr || screen == nullptr) return;
  PoseBody(*m, r, frame, 1.0f);
  const float sl = std::sin(SHADOW_LIGHT_ANGLE), cl = std::cos(SHADOW_LIGHT_ANGLE);
  for (int32_t i = 0; i < m->pointCount; ++i) {
    CameraPoint& p = m->transformed[i];
    p.x += p.z * sl;
    p.y += p.z * cl;
    p.z = 0.0f;
  }
  MarkAll(*m);
  TransformModelPoints(*m);
  const uint32_t colour = ColourWord(static_cast<uint8_t>(ShadowColour));
  for (int32_t q = 0; q < m->surfaceCount; ++q) {
    ClipPoly poly;
    if (!SurfacePolygon(m->surfaces[q], poly)) continue;
    PerspVertex v[CLIP_MAX_VERTICES];
    const int n = ProjectPolygon(poly, v);
    FillerWinding(v, n);
    FillPolygonFlat(screen, v, n, colour);
  }
}

void DrawBallObject(int object) {
  if (object != MATCH_OBJECTS - 2) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion == -1) return;
  GfxBuffer* screen = Screen();
  NodModel* m = g.simple[SIMPLE_MODEL_BALL];
  if (m == nullptr || screen == nullptr) return;
  const Rotation spin = AngleRotation(BallDrawAngles[0], BallDrawAngles[1], BallDrawAngles[2]);
  for (int32_t i = 0; i < m->pointCount; ++i) {
    CameraPoint& t = m->transformed[i];
    Rotate(spin, m->points[i].x, m->points[i].y, m->points[i].z, t);
    t.x += r.x;
    t.y += r.y;
    t.z += r.height;
    t.outcode = 0;
  }
  CullSurfaces(*m);
  TransformModelPoints(*m);
  for (int32_t q = 0; q < m->surfaceCount; ++q)
    if (m->surfaces[q].side != 2) FillSurface(screen, *m, m->surfaces[q], object, -2);
}

void DrawBallShadow(int object) {
  if (object != MATCH_OBJECTS - 2) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion == -1) return;
  DrawBlob(r.x, r.y, r.height, BALL_BLOB_HALF, BALL_BLOB_HALF);
}

void DrawPlayerLabel(int object) {
  if (!ValidObject(object, PLAYER_NAME_SLOTS - 1)) return;
  GfxBuffer* screen = Screen();
  const PlayerNameStrip& strip = GetPlayerNameStrip();
  if (screen == nullptr || strip.buffer == nullptr) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion == -1) return;
  const CameraPoint p = TransformPoint(r.x, r.height + LABEL_HEIGHT, r.y);
  if (p.outcode != 0) return;
  const CameraProjection& s = SoftwareProjection;
  const double px = p.x * s.scaleX / p.z + s.centreX16 / 16.0;
  const double py = p.y * s.scaleY / p.z + s.centreY16 / 16.0;
  const int width = strip.width[object], height = strip.buffer->height;
  const int x = static_cast<int>(std::floor(px)) - width / 2;
  const int bottom = static_cast<int>(std::floor(py));
  const int y = bottom - height;
  if (x < 0 || y < 0 || x + width > screen->width || bottom > screen->height) return;
  DrawCellClipped(screen, x, y, strip.buffer->pixels + strip.offset[object], strip.buffer->stride, width, height,
                  nullptr);
}

void DrawPlayerFill(int object) {
  if (!ValidObject(object, 34)) return;
  const RenderObject r = RenderObjects[object];
  if (r.motion == -1 || r.motion == -2) return;
  CheckHeading(r);
  const uint8_t* frame = CheckedFrame(object, r);
  NodModel* m = BodyFor(PlayerModelKindOf(object), PLAYER_MODEL_FILL);
  if (m == nullptr) return;
  PoseBody(*m, r, frame, FILL_OFFSET_SCALE);
  CullSurfaces(*m);
  TransformModelPoints(*m);
  const int side = object > 15 ? 1 : 0;
  const int parts = m->partCount < kMaxParts ? m->partCount : kMaxParts;
  for (int k = 0; k < parts; ++k)
    for (int32_t q = m->startPoints[k]; q < m->endPoints[k] && q < m->surfaceCount; ++q) {
      const NodSurface& s = m->surfaces[q];
      if (s.side == 2 || s.texture < 0 || s.texture >= m->textureCount) continue;
      const NodTexture& tex = m->textures[s.texture];
      if (tex.kind != NOD_TEXTURE_FLAT) continue;
      ClipPoly poly;
      if (!SurfacePolygon(s, poly)) continue;
      ScreenVertex v[CLIP_MAX_VERTICES];
      for (int i = 0; i < poly.count; ++i) {
        ProjectClipVertex(poly.vertex[i], &v[i].x, &v[i].y);
        v[i].u = poly.vertex[i].u;
        v[i].v = poly.vertex[i].v;
      }
      FillerWinding(v, poly.count);
      int32_t colour = tex.colour;
      if (colour == NOD_KIT_COLOUR_1)
        colour = Overlay_GetTeamColour1(side);
      else if (colour == NOD_KIT_COLOUR_2)
        colour = Overlay_GetTeamColour2(side);
      else if (colour == NOD_KIT_COLOUR_3)
        colour = Overlay_GetTeamColour3(side);
      SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour);
      FillPolygonSolid(v, poly.count);
    }
}
