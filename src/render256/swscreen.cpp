#include "render256/swscreen.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchrec.h"
#include "generic/matchctrl.h"
#include "menus/kittab.h"
#include "render256/playernames.h"
#include "render256/swcamera.h"
#include "render256/swground.h"
#include "render256/vidopt.h"

int16_t ScreenModeIndex;
int16_t MatchScreenMode;
int32_t ScreenWidth, ScreenHeight;
uint8_t GamePalette[256 * 3];
int32_t ShadowColour;
uint32_t GameScreenFrameDeadline;

const KitPaletteRange KitPaletteRanges[KIT_PALETTE_RANGES] = {
    {1, {48, 92}, 48, 11}, {2, {60, 104}, 60, 12}, {3, {72, 116}, 72, 9}, {5, {81, 125}, 81, 11}, {5, {152, 154}, 152, 2},
};

const GamePaletteRange GamePaletteRanges[] = {
    {"PALETTES\\ingame\\master", 1, 254},
    {"PALETTES\\ingame\\skinhair", 10, 15},
    {"PALETTES\\ingame\\skinhair", 156, 221},
    {"PALETTES\\ingame\\stad", 222, 254},
    {"", 0, 0},
};

namespace {

constexpr int PALETTE_FILE_SIZE = 768;

// The seven tables in one block, each on a 256-byte boundary.
alignas(256) uint8_t ColourLUTBlock[COLOUR_LUT_COUNT * 256 + 256];
bool ColourLUTsAllocated;
GfxBuffer* GameScreen;
void SwScreenState_Reset() {
  ScreenModeIndex = 0;
  MatchScreenMode = -1;
  ScreenWidth = 0;
  ScreenHeight = 0;
  std::memset(GamePalette, 0, sizeof GamePalette);
  ShadowColour = 0;
  GameScreenFrameDeadline = 0;
  std::memset(ColourLUTBlock, 0, sizeof ColourLUTBlock);
  ColourLUTsAllocated = false;
  // The buffer belongs to the memory layer, which its own reset empties.
  GameScreen = nullptr;
}

int Truncated(double v) { return static_cast<int>(v); }

}  // namespace

REGISTER_RESET(RESET_RENDER, SwScreenState_Reset);

void SwScreen_Reset() { SwScreenState_Reset(); }

// ---- palette and colour tables ---------------------------------------------

int FindNearestColour(int r, int g, int b, const uint8_t* palette) {
  int best = 0;
  int64_t bestDistance = INT64_MAX;
  for (int i = 0; i < 256; ++i) {
    const int64_t dr = palette[i * 3] - r;
    const int64_t dg = palette[i * 3 + 1] - g;
    const int64_t db = palette[i * 3 + 2] - b;
    const int64_t d = 3 * dr * dr + 5 * dg * dg + 2 * db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return best;
}

void LoadPaletteRange(const GamePaletteRange& range) {
  char name[256];
  std::snprintf(name, sizeof name, "%s.pal", range.name);
  PakFileEntry* file = PakOpenFile(name);
  const uint32_t size = PakFileSize(file);
  if (size != PALETTE_FILE_SIZE)
    FatalError("Error: LoadPaletteRange(): '%s' holds %u bytes, not %d\n", name, size, PALETTE_FILE_SIZE);
  // The whole file is read (a packed file cannot be read in part), then the
  // range's entries are taken from it.
  uint8_t whole[PALETTE_FILE_SIZE];
  PakReadWhole(whole, file);
  PakCloseFile(file);
  std::memcpy(GamePalette + range.first * 3, whole + range.first * 3,
              static_cast<size_t>((range.last - range.first + 1) * 3));
}

static void LoadKitPaletteFile(int colour, uint8_t whole[PALETTE_FILE_SIZE]) {
  char name[64];
  std::snprintf(name, sizeof name, "PALETTES\\kits\\kit%02d.pal", colour);
  PakFileEntry* file = PakOpenFile(name);
  const uint32_t size = PakFileSize(file);
  if (size != PALETTE_FILE_SIZE)
    FatalError("Error: LoadKitPalettes(): '%s' holds %u bytes, not %d\n", name, size, PALETTE_FILE_SIZE);
  PakReadWhole(whole, file);
  PakCloseFile(file);
}

void LoadKitPalettes() {
  for (int side = 0; side < 2; ++side) {
    const uint8_t* design = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT;
    for (const KitPaletteRange& range : KitPaletteRanges) {
      const int colour = KitDesign_GetColour(design, range.kitColour);
      if (colour < 0 || colour >= KIT_COLOURS)
        FatalError("Error: LoadKitPalettes(): side %d kit colour %d is %d, not one of the %d\n", side + 1,
                   range.kitColour, colour, KIT_COLOURS);
      uint8_t whole[PALETTE_FILE_SIZE];
      LoadKitPaletteFile(colour, whole);
      std::memcpy(GamePalette + range.first[side] * 3, whole + range.from * 3, static_cast<size_t>(range.count * 3));
    }
  }
  uint8_t officials[PALETTE_FILE_SIZE];
  LoadKitPaletteFile(KIT_OFFICIALS_COLOUR, officials);
  for (int first : {KIT_OFFICIALS_FIRST, KIT_OFFICIALS_FIRST + KIT_OFFICIALS_SHADES})
    std::memcpy(GamePalette + first * 3, officials + KIT_OFFICIALS_FROM * 3, KIT_OFFICIALS_SHADES * 3);
}

void SetupGamePalette() {
  for (int i = 0; GamePaletteRanges[i].name[0] != 0; ++i) LoadPaletteRange(GamePaletteRanges[i]);
  LoadKitPalettes();
  if (ColourLUTsAllocated) FatalError("Error: SetupGamePalette(): tried to re-allocate LUTs\n");
  ColourLUTsAllocated = true;
}

int16_t FirstMatchScreenMode() {
  const int16_t mode = VideoSoftwareScreenMode();
  if (mode >= 0 && mode < GfxModeCount && IsMatchScreenMode(GfxModeList[mode])) return mode;
  // The stored mode does not suit the 256-colour match: the smallest that does.
  const int16_t smallest = GfxFindSmallestModeAny(640, 480, 0);
  if (smallest < 0) FatalError("Error: no 256-colour screen mode of at least 640 x 480 for the match\n");
  return smallest;
}

void PrepareGamePalette() {
  if (MatchScreenMode < 0) MatchScreenMode = FirstMatchScreenMode();
  ScreenModeIndex = MatchScreenMode;
  SetupGamePalette();
  EffectQueue_Clear();
}

void BuildColourLUTs() {
  ShadowColour = SHADOW_COLOUR;
  static const double kScale[3] = {0.25, 0.5, 0.75};
  for (int i = 0; i < 256; ++i) {
    const int r = GamePalette[i * 3], g = GamePalette[i * 3 + 1], b = GamePalette[i * 3 + 2];
    for (int t = 0; t < 3; ++t)
      ColourLUTBlock[t * 256 + i] = static_cast<uint8_t>(
          FindNearestColour(Truncated(r * kScale[t]), Truncated(g * kScale[t]), Truncated(b * kScale[t]), GamePalette));
    // Each product truncated on its own, the sum and its scaling not.
    const double l = (Truncated(0.5 * g) + Truncated(0.3 * r) + Truncated(0.2 * b)) * 12 * 0.015625;
    ColourLUTBlock[3 * 256 + i] = static_cast<uint8_t>(Truncated(59 - l));
    ColourLUTBlock[4 * 256 + i] = static_cast<uint8_t>(Truncated(103 - l));
    const int m = std::max(r, std::max(g, b));
    ColourLUTBlock[5 * 256 + i] = static_cast<uint8_t>(FindNearestColour(m, 0, 0, GamePalette));
    ColourLUTBlock[6 * 256 + i] = static_cast<uint8_t>(FindNearestColour(m, m, 0, GamePalette));
  }
}

bool FreeColourLUTs() {
  if (!ColourLUTsAllocated) return false;
  ColourLUTsAllocated = false;
  return true;
}

const uint8_t* GetColourLUT(int n) {
  if (n < 0 || n >= COLOUR_LUT_COUNT) FatalError("Error: GetColourLUT(): no table %d\n", n);
  return ColourLUTBlock + n * 256;
}

// ---- the screen ---------------------------------------------------------------

void ShowGamePalette() {
  // The display takes 6-bit components, as the VGA did; ours are 8-bit.
  uint8_t shown[256 * 3];
  for (int i = 0; i < 256 * 3; ++i) shown[i] = static_cast<uint8_t>(GamePalette[i] >> 2);
  SetPalette(shown);
}

void InitScreenResolution() {
  SetGraphicMode(ScreenModeIndex, 0);
  ResetMouseDriver();
  GfxClearScreen();
  ShowGamePalette();
  OpenGameScreen(static_cast<int32_t>(GfxScreen.width), static_cast<int32_t>(GfxScreen.height));
}

void OpenGameScreen(int32_t width, int32_t height) {
  ScreenWidth = width;
  ScreenHeight = height;
  if (ScreenHeight > LARGESTSCREENHEIGHT)
    FatalError("Error: InitScreenResolution(): CurrentScreenHeight > LARGESTSCREENHEIGHT!\n");
  if (GameScreen != nullptr) DestroyBuffer(&GameScreen);
  CreateBuffer(&GameScreen, ScreenWidth + 2 * GAME_SCREEN_BORDER, ScreenHeight + 2 * GAME_SCREEN_BORDER);
  GameScreenFrameDeadline = TimerTicks.load();
  InitPlayerNames();
  SetViewScreen(GameScreen, ScreenWidth, ScreenHeight);
  UpdateScreenProjection();
}

void UpdateScreenProjection() {
  double centreX16 = SoftwareProjection.centreX16;
  double centreY16 = SoftwareProjection.centreY16;
  const int16_t mode = MatchDisplayMode();
  if (mode == 2 && GameScreen != nullptr) {
    centreX16 = 8.0 * GameScreen->width;
    centreY16 = 8.0 * GameScreen->height;
  } else if (mode == 1) {
    centreX16 = 8.0 * GfxScreen.width;
    centreY16 = 8.0 * GfxScreen.height;
  }
  SetCameraProjection(ScreenWidth, ScreenHeight, centreX16, centreY16);
}

GfxBuffer* GetGameScreen() { return GameScreen; }

int GetScreenSizeClass() {
  if (ScreenWidth > 640 && ScreenWidth > 480) return 2;
  if (ScreenWidth >= 500 && ScreenWidth >= 350) return 1;
  return 0;
}

bool IsMatchScreenMode(const GfxMode& mode) {
  return mode.type == 0 && mode.width >= SCREEN_MODE_MIN_WIDTH && mode.width <= SCREEN_MODE_MAX_WIDTH &&
         mode.height >= SCREEN_MODE_MIN_HEIGHT && mode.height <= SCREEN_MODE_MAX_HEIGHT;
}

void StepScreenMode(int step) {
  const int count = GfxModeCount;
  if (count <= 0) return;
  int mode = ScreenModeIndex;
  for (int tries = 0; tries < count; ++tries) {
    mode += step;
    if (mode >= count) mode = 0;
    if (mode < 0) mode = count - 1;
    if (IsMatchScreenMode(GfxModeList[mode])) {
      ScreenModeIndex = static_cast<int16_t>(mode);
      return;
    }
  }
  // No mode qualifies: keep the one we have.
}

void CloseGameScreen() {
  FreePlayerNames();
  RestoreGraphicMode();
  if (GameScreen != nullptr) DestroyBuffer(&GameScreen);
}
