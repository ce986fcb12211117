// swdemo --out DIR [--pak PAK]: draws the software renderer's test pictures
// as palettised TGA files (the golden digests watch them). At 320 x 240 in a
// fixed palette:
//   clip_near.tga ... clip_right.tga  a perspective checker quad cut by each
//                                     of the five planes of the view volume
//   grid_view0.tga ... grid_view3.tga the pitch in 10-yard squares from the
//   grid_overview.tga                 four match views and the overview
// With the data set's pak (its base name, as "game/pakfiles/hdcommon"), in
// the game's palette:
//   pitch_view0.tga ... pitch_view3.tga, pitch_overview.tga, pitch_low.tga
//                      the grassed and lined pitch at 640 x 480 from the four
//                      views, the overview and a camera just above the grass
//   fonts.tga          the six match fonts
//   kits_side1.tga, kits_side2.tga, kits_officials.tga
//                      every kit and skin texture of a player of each side
//                      and of the referee
// Everything is drawn by the game's own code from fixed inputs: the same
// bytes on every machine.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/gfx.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "generic/kitload.h"
#include "generic/pccamera.h"
#include "menus/kittab.h"
#include "render256/fontgame.h"
#include "render256/perspfill.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/swmarkings.h"
#include "render256/swscreen.h"

namespace {

constexpr int kWidth = 320, kHeight = 240;
constexpr uint8_t kSky = 1, kGreen1 = 2, kGreen2 = 3, kCheckA = 4, kCheckB = 5, kEdge = 6;

struct Picture {
  std::vector<uint8_t> pixels;
  GfxBuffer buffer{};
  explicit Picture(int width = kWidth, int height = kHeight, uint8_t fill = kSky)
      : pixels(static_cast<size_t>(width) * height, fill) {
    buffer.w = static_cast<int16_t>(width);
    buffer.h = static_cast<int16_t>(height);
    buffer.width = width;
    buffer.height = height;
    buffer.stride = width;
    buffer.pixels = pixels.data();
  }
};

struct WorldPoint {
  float across, height, along, u, v;
};

// One world quad through the camera: rejected when all its corners are
// outside one plane, clipped when any is outside, projected and filled.
void DrawQuad(Picture& p, const WorldPoint (&corner)[4], const Texture* texture, uint8_t colour) {
  ClipPoly poly;
  int16_t all = -1, any = 0;
  for (int i = 0; i < 4; ++i) {
    const CameraPoint c = TransformPoint(corner[i].across, corner[i].height, corner[i].along);
    poly.vertex[i] = {c.x, c.y, c.z, corner[i].u, corner[i].v};
    all &= c.outcode;
    any |= c.outcode;
  }
  poly.count = 4;
  if (all != 0) return;
  if (any != 0 && !ClipPolygon(poly)) return;
  PerspVertex out[CLIP_MAX_VERTICES];
  const int n = ProjectPolygon(poly, out);
  if (texture != nullptr)
    FillPolygonTexturedAdaptive(&p.buffer, out, n, *texture, 0);
  else
    FillPolygonFlat(&p.buffer, out, n, colour * 0x01010101u);
}

bool Save(const Picture& p, const std::string& dir, const char* name, const uint8_t* palette) {
  const std::string path = dir + "/" + name;
  return GfxWriteTga8(path.c_str(), p.buffer, palette);
}

// A checker of 8 x 8 squares on a 64 x 64 texture.
std::vector<uint8_t> Checker() {
  std::vector<uint8_t> t(64 * 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) t[y * 64 + x] = ((x / 8 + y / 8) & 1) ? kCheckA : kCheckB;
  for (int i = 0; i < 64; ++i) t[i] = t[63 * 64 + i] = t[i * 64] = t[i * 64 + 63] = kEdge;
  return t;
}

bool ClipPictures(const std::string& dir, const uint8_t* palette) {
  const std::vector<uint8_t> texels = Checker();
  const Texture checker{64, 64, texels.data()};
  // The eye 100 above the ground at the origin, looking level along the
  // pitch (yaw pi, pitch -pi/2): at depth z the view is z / 1.5 to each side
  // and z / 2 up and down. Across runs from right to left in this view.
  SetSoftwareCamera(0, 0, 100, 3.14159265f, -1.5707963f, 1);
  struct Case {
    const char* name;
    WorldPoint quad[4];
  };
  const Case cases[] = {
      // A ramp from 5 to 300 ahead: the near plane cuts its front edge.
      {"clip_near.tga", {{-8, 95, 5, 0, 0}, {8, 95, 5, 63.5f, 0}, {100, 60, 300, 63.5f, 63.5f}, {-100, 60, 300, 0, 63.5f}}},
      // Walls 400 ahead (267 across, 200 up or down in view) reaching past one side each.
      {"clip_below.tga", {{-150, -250, 400, 0, 0}, {150, -250, 400, 63.5f, 0}, {150, 120, 400, 63.5f, 63.5f}, {-150, 120, 400, 0, 63.5f}}},
      {"clip_above.tga", {{-150, 80, 400, 0, 0}, {150, 80, 400, 63.5f, 0}, {150, 450, 400, 63.5f, 63.5f}, {-150, 450, 400, 0, 63.5f}}},
      // (Across runs right to left, so these reach past the left and right.)
      {"clip_left.tga", {{-60, 0, 400, 0, 0}, {450, 0, 400, 63.5f, 0}, {450, 200, 400, 63.5f, 63.5f}, {-60, 200, 400, 0, 63.5f}}},
      {"clip_right.tga", {{-450, 0, 400, 0, 0}, {60, 0, 400, 63.5f, 0}, {60, 200, 400, 63.5f, 63.5f}, {-450, 200, 400, 0, 63.5f}}},
  };
  for (const Case& c : cases) {
    Picture p;
    DrawQuad(p, c.quad, &checker, 0);
    if (!Save(p, dir, c.name, palette)) return false;
  }
  return true;
}

void DrawPitchGrid(Picture& p) {
  const int step = 10 * Pitch.yard;
  for (int y = Pitch.minY, row = 0; y < Pitch.maxY; y += step, ++row)
    for (int x = Pitch.minX, col = 0; x < Pitch.maxX; x += step, ++col) {
      const float x1 = static_cast<float>(std::min(x + step, static_cast<int>(Pitch.maxX)));
      const float y1 = static_cast<float>(std::min(y + step, static_cast<int>(Pitch.maxY)));
      const WorldPoint q[4] = {{static_cast<float>(x), 0, static_cast<float>(y), 0, 0},
                               {x1, 0, static_cast<float>(y), 0, 0},
                               {x1, 0, y1, 0, 0},
                               {static_cast<float>(x), 0, y1, 0, 0}};
      DrawQuad(p, q, nullptr, ((row + col) & 1) ? kGreen1 : kGreen2);
    }
}

bool GridPictures(const std::string& dir, const uint8_t* palette) {
  SetPitchGeometry();
  uint8_t* setup = GetMatchSetupRecord();
  // The ball a little off the centre spot towards the first goal, so that
  // every view looks at the same point of play.
  RenderObjects[OBJECT_BALL].x = static_cast<float>(Pitch.centreX + 120);
  RenderObjects[OBJECT_BALL].y = static_cast<float>(Pitch.centreY - 300);
  RenderObjects[OBJECT_BALL].height = 0;
  focusObject = OBJECT_BALL;
  const char* names[5] = {"grid_view0.tga", "grid_view1.tga", "grid_view2.tga", "grid_view3.tga", "grid_overview.tga"};
  for (int view = 0; view < 5; ++view) {
    StoreU16(setup + SETUP_DISPLAY_MODE, view == 4 ? 1 : 2);
    Camera_ResetAll();
    if (view < 4) Camera_SetViewType(view);
    UpdateCamera();
    UpdateCamera();  // the end views' eye catches up with the play
    Picture p;
    DrawPitchGrid(p);
    if (!Save(p, dir, names[view], palette)) return false;
  }
  return true;
}

// A match between two sides of every look, numbered 1-16, in Watch.
void SetUpMatch() {
  uint8_t* setup = GetMatchSetupRecord();
  StoreU16(setup + SETUP_DISPLAY_MODE, 2);
  std::memcpy(setup + MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_KIT, KitHomeDesigns[3].bytes, SETUP_TEAM_KIT_SIZE);
  std::memcpy(setup + MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_KIT, KitAwayDesigns[17].bytes, SETUP_TEAM_KIT_SIZE);
  for (int object = 0; object < 32; ++object) {
    uint8_t* entry = setup + SetupPlayerOffset(object / 16, object % 16);
    StoreU16(entry + SETUP_PLAYER_LOOK1, static_cast<uint32_t>(object % 8));
    StoreU16(entry + SETUP_PLAYER_LOOK2, static_cast<uint32_t>((object / 2) % 8));
    StoreU16(entry + SETUP_PLAYER_LOOK3, static_cast<uint32_t>((object / 3) % 8));
    StoreU16(entry + SETUP_PLAYER_SHIRT, static_cast<uint32_t>(object % 16 + 1));
  }
}

bool PitchPictures(const std::string& dir) {
  LoadGrass();
  LoadPitchMarkings();
  const char* names[6] = {"pitch_view0.tga", "pitch_view1.tga", "pitch_view2.tga",
                          "pitch_view3.tga", "pitch_overview.tga", "pitch_low.tga"};
  uint8_t* setup = GetMatchSetupRecord();
  for (int view = 0; view < 6; ++view) {
    StoreU16(setup + SETUP_DISPLAY_MODE, view == 4 ? 1 : 2);
    Camera_ResetAll();
    if (view < 4) Camera_SetViewType(view);
    if (view < 5) {
      UpdateCamera();
      UpdateCamera();
    } else {
      // Three units above the grass by a corner flag: the near plane cuts
      // the ground and the lines.
      CameraRecord& c = Cameras[0];
      c.targetX = 300, c.targetY = 140, c.targetZ = 0;
      c.yaw = 2.5, c.pitch = 4.6, c.distance = 30, c.zoom = 1.1f;
      ApplyCameraView(0);
    }
    Picture p(640, 480, 0);
    DrawPitchSurface(&p.buffer);
    if (!Save(p, dir, names[view], GamePalette)) return false;
  }
  return true;
}

bool FontAndKitPictures(const std::string& dir) {
  Picture fonts(1024, FontSamplesHeight(), 0);
  DrawFontSamples(&fonts.buffer);
  if (!Save(fonts, dir, "fonts.tga", GamePalette)) return false;
  KITPLR_ResetTextures();
  KIT_LoadTextures();
  const struct {
    int object;
    const char* name;
  } sheets[] = {{1, "kits_side1.tga"}, {17, "kits_side2.tga"}, {32, "kits_officials.tga"}};
  for (const auto& sheet : sheets) {
    Picture p(640, 400, 0);
    KIT_DrawKitSheet(p.pixels.data(), 640, 400, 640, sheet.object);
    if (!Save(p, dir, sheet.name, GamePalette)) return false;
  }
  return true;
}

bool DataSetPictures(const std::string& dir, const std::string& pak) {
  InitMemory(32 * 1024);
  PakFileInit();
  PakFileAdd(pak.c_str());
  PakFileAddDone();
  SetPitchGeometry();
  SetUpMatch();
  SetupGamePalette();
  BuildColourLUTs();
  RenderObjects[OBJECT_BALL].x = static_cast<float>(Pitch.centreX + 120);
  RenderObjects[OBJECT_BALL].y = static_cast<float>(Pitch.centreY - 300);
  focusObject = OBJECT_BALL;
  const bool ok = PitchPictures(dir) && FontAndKitPictures(dir);
  PakFileUninit();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, pak;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--pak") == 0 && i + 1 < argc) {
      pak = argv[++i];
    } else {
      out.clear();
      break;
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: swdemo --out DIR [--pak PAK]\n");
    return 2;
  }
  ResetAllModules();
  uint8_t palette[256 * 3] = {};
  const uint8_t colours[][3] = {{0, 0, 0}, {120, 160, 220}, {40, 130, 40}, {60, 160, 60},
                                {230, 230, 230}, {200, 40, 40}, {20, 20, 20}};
  std::memcpy(palette, colours, sizeof colours);
  SetCameraProjection(kWidth, kHeight, 8.0 * kWidth, 8.0 * kHeight);
  if (!ClipPictures(out, palette) || !GridPictures(out, palette)) return 1;
  if (!pak.empty() && !DataSetPictures(out, pak)) return 1;
  return 0;
}
