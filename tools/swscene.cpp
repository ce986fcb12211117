// swscene --out DIR [--game GAMEDIR]: the watched match's golden pictures,
// drawn by the 256-colour match frame from fixed render records (no match is
// played), 640 x 480 palettised TGA files:
//   kickoff_viewV.tga     both sides lined up for the kick-off
//   keeper_viewV.tga      a goalkeeper holding the ball in his area
//   crowd_dD_viewV.tga    a crowd in the goal mouth at model detail D (0-2)
//   bigstad_view0.tga     the kick-off in the big stadium
// for the four match views V = 0-3; and on the 640 x 480 menu screen, as
// 24-bit TGA files:
//   scanner.tga           the "Scanner" view of the kick-off, two players followed
//   commentary.tga        the "Commentary" panel of the kick-off GAMEDIR is the built game folder (the
// folder game/ beside the program when not given).
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/dxdraw.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "generic/analysis.h"
#include "generic/overlay.h"
#include "generic/pccamera.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "platform/platform.h"
#include "render256/swframe.h"
#include "render256/swscreen.h"
#include "render256/vidopt.h"

namespace {

namespace fs = std::filesystem;

constexpr int kHandKickMotion = 98;  // a goalkeeper's kick from the hands: the ball held up front

void SetName(uint8_t* field, int size, const char* name) {
  std::memset(field, 0, static_cast<size_t>(size));
  std::snprintf(reinterpret_cast<char*>(field), static_cast<size_t>(size), "%s", name);
}

void SetUpMatch(bool bigStadium) {
  uint8_t* setup = GetMatchSetupRecord();
  StoreU16(setup + SETUP_DISPLAY_MODE, 2);
  for (int i = 0; i < 4; ++i) StoreU16(setup + SETUP_STAND_KINDS + 2 * i, bigStadium ? 7 : 1);
  const char* teams[2] = {"Harbour Rovers", "Castleford Albion"};
  const KitDesign* designs[2] = {&KitHomeDesigns[3], &KitAwayDesigns[17]};
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    SetName(team + SETUP_TEAM_NAME, SETUP_TEAM_NAME_SIZE, teams[side]);
    std::memcpy(team + SETUP_TEAM_KIT, designs[side]->bytes, SETUP_TEAM_KIT_SIZE);
  }
  static const char* const kSurnames[16] = {"Archer", "Bell",   "Carver", "Dunn",  "Ellis", "Frost",
                                            "Gale",   "Harte",  "Irwin",  "Joyce", "Keane", "Lowe",
                                            "Marsh",  "Nolan",  "Orme",   "Pryce"};
  for (int object = 0; object < 32; ++object) {
    uint8_t* entry = setup + SetupPlayerOffset(object / 16, object % 16);
    SetName(entry + SETUP_PLAYER_SURNAME, SETUP_PLAYER_SURNAME_SIZE, kSurnames[(object * 7) % 16]);
    StoreU16(entry + SETUP_PLAYER_LOOK1, static_cast<uint32_t>(object % 8));
    StoreU16(entry + SETUP_PLAYER_LOOK2, static_cast<uint32_t>((object / 2) % 8));
    StoreU16(entry + SETUP_PLAYER_LOOK3, static_cast<uint32_t>((object / 3) % 8));
    StoreU16(entry + SETUP_PLAYER_SHIRT, static_cast<uint32_t>(object % 16 + 1));
  }
}

// Object o at (x, y) facing `facing` (0 towards -y, 64 towards +x), in
// frame `frame` of `motion`.
void Put(int o, double x, double y, int facing, int motion = MOTION_ANF001, int frame = 0, float height = 0) {
  RenderObject& r = RenderObjects[o];
  r.x = static_cast<float>(x);
  r.y = static_cast<float>(y);
  r.height = height;
  r.motion = static_cast<int16_t>(motion);
  const int frames = GetMotionFrames(motion);
  r.motionFrame = static_cast<int16_t>(frames > 0 ? frame % frames : 0);
  r.drawFacing = static_cast<int16_t>((facing + 64) & 255);
  r.headTurn = 0;
  MatchObjects[o].x = static_cast<int16_t>(x);
  MatchObjects[o].y = static_cast<int16_t>(y);
}

void HideAll() {
  for (RenderObject& r : RenderObjects) r = RenderObject{};
  for (int o = 0; o < MATCH_OBJECTS; ++o) RenderObjects[o].motion = -1;
  RenderObjects[OBJECT_RESTART_SPOT].x = Pitch.offPitch;
}

void Officials() {
  Put(OBJECT_REFEREE, Pitch.centreX + 60, Pitch.centreY - 40, 192, MOTION_ANF001, 5);
  Put(OBJECT_LINESMAN_NEAR, Pitch.minX - 8, Pitch.centreY - 300, 64, MOTION_ANF001, 9);
  Put(OBJECT_LINESMAN_FAR, Pitch.maxX + 8, Pitch.centreY + 300, 192, MOTION_ANF001, 13);
}

// Both sides in their halves in 4-4-2, the first side's goal at the low end.
void KickOff() {
  HideAll();
  const double w = Pitch.width;
  const double rows[4][4] = {{0.5, 0, 0, 0}, {0.15, 0.38, 0.62, 0.85}, {0.15, 0.38, 0.62, 0.85}, {0.4, 0.6, 0, 0}};
  const int counts[4] = {1, 4, 4, 2};
  const double depth[4] = {0.03, 0.18, 0.33, 0.47};
  for (int side = 0; side < 2; ++side) {
    int p = 0;
    for (int row = 0; row < 4; ++row)
      for (int i = 0; i < counts[row]; ++i, ++p) {
        const double along = Pitch.length * depth[row];
        const double y = side == 0 ? Pitch.minY + along : Pitch.maxY - along;
        Put(side * 16 + p, Pitch.minX + w * rows[row][i], y, side == 0 ? 128 : 0, MOTION_ANF001, p * 3 + side);
      }
  }
  Put(OBJECT_BALL, Pitch.centreX, Pitch.centreY, 0, 0);
  RenderObjects[OBJECT_BALL].motion = 0;
  Officials();
  MatchState = STATE_KICK_OFF;
  focusObject = OBJECT_BALL;
  keeperHolder = 0;
}

// The first side's goalkeeper with the ball in his hands at the edge of his
// six-yard box, the second side's forwards walking away.
void KeeperHolds() {
  KickOff();
  Put(0, Pitch.centreX - 30, Pitch.goalAreaMinY + 40, 128, kHandKickMotion, 6);
  for (int p = 9; p < 11; ++p) Put(16 + p, Pitch.centreX + 120 * (p - 9) - 60, Pitch.penaltyAreaMinY + 60, 0, MOTION_ANF021, 4 * p);
  keeperHolder = 1;
  MatchState = STATE_KEEPER_HOLDS;
  focusObject = OBJECT_BALL;
  PlaceBallInHands(OBJECT_BALL, 0);
}

// Twelve players and the ball in the second side's goal mouth.
void GoalMouth() {
  HideAll();
  const double goalY = Pitch.maxY;
  int n = 0;
  for (int side = 0; side < 2; ++side)
    for (int p = 0; p < 7; ++p, ++n) {
      const int object = side == 0 ? 5 + p : (p == 0 ? 16 : 18 + p);
      const double x = Pitch.centreX - 90 + (n % 5) * 45 + (side * 17);
      const double y = goalY - 25 - (n / 5) * 40 - side * 12;
      Put(object, x, y, side == 0 ? 128 : (n * 37) & 255, side == 0 ? MOTION_ANF021 : MOTION_ANF001, n * 5);
    }
  Put(OBJECT_BALL, Pitch.centreX + 10, goalY - 60, 0, 0);
  RenderObjects[OBJECT_BALL].motion = 0;
  RenderObjects[OBJECT_BALL].height = 30;
  Officials();
  MatchState = STATE_OPEN_PLAY;
  focusObject = OBJECT_BALL;
  keeperHolder = 0;
}

bool Grab(const fs::path& dir, const std::string& name, int view) {
  Camera_ResetAll();
  Camera_SetViewType(view);
  UpdateCamera();
  UpdateCamera();
  DrawGameEnvironment();
  const GfxBuffer* screen = GetGameScreen();
  std::vector<uint8_t> pixels(static_cast<size_t>(ScreenWidth) * ScreenHeight);
  for (int y = 0; y < ScreenHeight; ++y)
    std::memcpy(&pixels[static_cast<size_t>(y) * ScreenWidth],
                screen->pixels + static_cast<size_t>(y + GAME_SCREEN_BORDER) * screen->stride + GAME_SCREEN_BORDER,
                static_cast<size_t>(ScreenWidth));
  GfxBuffer window{};
  window.w = static_cast<int16_t>(ScreenWidth);
  window.h = static_cast<int16_t>(ScreenHeight);
  window.width = ScreenWidth;
  window.height = ScreenHeight;
  window.stride = ScreenWidth;
  window.pixels = pixels.data();
  return GfxWriteTga8((dir / name).string().c_str(), window, GamePalette);
}

bool DrawStadium(const fs::path& dir, bool big) {
  SetUpMatch(big);
  SwFrame_CreateWhole();
  bool ok = true;
  if (big) {
    KickOff();
    ok = Grab(dir, "bigstad_view0.tga", 0);
  } else {
    for (int view = 0; view < 4 && ok; ++view) {
      KickOff();
      ok = Grab(dir, "kickoff_view" + std::to_string(view) + ".tga", view);
      KeeperHolds();
      ok = ok && Grab(dir, "keeper_view" + std::to_string(view) + ".tga", view);
      for (int detail = 0; detail < 3 && ok; ++detail) {
        ModelDetail = detail;
        GoalMouth();
        ok = Grab(dir, "crowd_d" + std::to_string(detail) + "_view" + std::to_string(view) + ".tga", view);
      }
      ModelDetail = MODEL_DETAIL_DEFAULT;
    }
  }
  SwFrame_DestroyWhole();
  return ok;
}

// A 640 x 480 picture of the menu screen's 16-bit pixels as a 24-bit TGA
// file, each pixel converted from the screen's colour format.
bool SaveMenuPicture(const fs::path& path, const uint16_t* pixels) {
  FILE* f = std::fopen(path.string().c_str(), "wb");
  if (f == nullptr) return false;
  uint8_t header[18] = {};
  header[2] = 2;
  header[12] = 640 & 0xFF, header[13] = 640 >> 8, header[14] = 480 & 0xFF, header[15] = 480 >> 8;
  header[16] = 24;
  header[17] = 0x20;
  std::fwrite(header, 1, sizeof header, f);
  std::vector<uint8_t> row(640 * 3);
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x) {
      const uint32_t c = ColConvPixel(pixels[y * 640 + x], GfxScreen.colourFormat, ColFmtRGB888);
      row[x * 3] = static_cast<uint8_t>(c >> 16);
      row[x * 3 + 1] = static_cast<uint8_t>(c >> 8);
      row[x * 3 + 2] = static_cast<uint8_t>(c);
    }
    std::fwrite(row.data(), 1, row.size(), f);
  }
  return std::fclose(f) == 0;
}

bool DrawMenuViews(const fs::path& dir) {
  SetUpMatch(false);
  KickOff();
  InitSetOfMenus();
  std::vector<uint16_t> pixels(640 * 480);
  StoreU16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 1);
  Overlay_Create();
  Overlay_ToggleFollow(9);
  Overlay_ToggleFollow(25);
  bool ok = Overlay_DrawPicture(pixels.data()) && SaveMenuPicture(dir / "scanner.tga", pixels.data());
  Overlay_Destroy();
  StoreU16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 0);
  Analysis_Create();
  std::vector<uint8_t> panel;
  ok = ok && Analysis_GrabPanel(panel) && panel.size() == pixels.size() * 2;
  if (ok) {
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint16_t>(panel[2 * i] | panel[2 * i + 1] << 8);
    ok = SaveMenuPicture(dir / "commentary.tga", pixels.data());
  }
  Analysis_Destroy();
  UninitSetOfMenus();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, game;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc)
      out = argv[++i];
    else if (std::strcmp(argv[i], "--game") == 0 && i + 1 < argc)
      game = argv[++i];
    else
      out.clear(), i = argc;
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: swscene --out DIR [--game GAMEDIR]\n");
    return 2;
  }
  const fs::path outDir = fs::absolute(out);
  const fs::path gameDir = game.empty() ? fs::absolute(argv[0]).parent_path() / "game" : fs::path(game);
  if (!fs::exists(gameDir / "pakfiles" / "hdcommon.pki")) {
    std::fprintf(stderr, "swscene: no game data in %s\n", gameDir.string().c_str());
    return 1;
  }
  fs::create_directories(outDir);
  fs::current_path(gameDir);
  ResetAllModules();
  PlatUseVirtualClock(true);
  PlatSetVirtualAutoAdvance(true);
  InitMemory(48 * 1024);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd("cd\\pakfiles\\cdcommon");
  PakFileAddDone();
  WinInit(nullptr, "Gafferon swscene", 1);
  InitTimerInterrupt();
  DXEnumDisplay();
  GfxInit(0);
  InitPoll();
  InitMouseDriver();
  InitKeyboardInterrupt();
  SetPitchGeometry();
  LoadMotions();
  PlayerNamesOn = 1;
  ScannerOn = 1;
  const bool ok = DrawStadium(outDir, false) && DrawStadium(outDir, true) && DrawMenuViews(outDir);
  FreeMotions();
  return ok ? 0 : 1;
}
