// The software match frame.
#include "render256/swframe.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/reset.h"
#include "engine/sound.h"
#include "engine/timerint.h"
#include "gamecode/highlight.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "generic/hud.h"
#include "generic/kitload.h"
#include "generic/matchctrl.h"
#include "generic/matchgrabs.h"
#include "generic/pccamera.h"
#include "generic/sfx.h"
#include "menus/exm_text.h"
#include "menus/gnlayer.h"
#include "menus/loadbar.h"
#include "menus/machine.h"
#include "render256/fontgame.h"
#include "render256/mgraphic.h"
#include "render256/polyman.h"
#include "render256/polyscan.h"
#include "render256/swcamera.h"
#include "render256/swscreen.h"
#include "render256/swworld.h"
#include "render256/textures.h"
#include "render256/vidopt.h"

FrameState SwFrame;

namespace {

constexpr int SHOOTOUT_PERIOD = 4;
constexpr int DARKEN_LUT = 1;
constexpr int LOADBAR_X = 32, LOADBAR_Y = 450;
constexpr int LABELLED_PLAYERS = 4;

uint32_t TickNow() { return TimerTicks.load(); }
constexpr FrameClock kEngineClock = {TickNow, WaitUntilTick};

struct FrameModule {
  FrameClock clock;
  LoadBarGfx loadBar;  // the loading bar's images while the environment is built
};
FrameModule gFrame;

int CountPlayers() { return OBJECT_BALL; }
int CountBall() { return 1; }
float BallDepth(int) { return PlayerDepth(OBJECT_BALL); }
void DrawBall(int) { DrawBallObject(OBJECT_BALL); }
void ShadowBall(int) { DrawBallShadow(OBJECT_BALL); }

bool Hidden(int object) { return RenderObjects[object].motion == -1; }

// A rectangle of the view darkened through a colour table.
void DarkenRect(int x, int y, int width, int height) {
  RemapScreenRect(GetGameScreen(), x + GAME_SCREEN_BORDER, y + GAME_SCREEN_BORDER, width, height,
                  GetColourLUT(DARKEN_LUT));
}

// A solid box of the view, clipped to the buffer.
void FillBox(int x, int y, int width, int height, uint8_t colour) {
  GfxBuffer* screen = GetGameScreen();
  int left = x + GAME_SCREEN_BORDER, top = y + GAME_SCREEN_BORDER;
  int right = left + width, bottom = top + height;
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  if (right > screen->width) right = screen->width;
  if (bottom > screen->height) bottom = screen->height;
  for (int row = top; row < bottom; ++row)
    std::memset(screen->pixels + static_cast<ptrdiff_t>(row) * screen->stride + left, colour,
                static_cast<size_t>(right > left ? right - left : 0));
}

void DrawPlayerLabels() {
  const int16_t* order = SortPlayersByDistance();
  for (int place = MATCH_PLAYERS - 1; place >= MATCH_PLAYERS - LABELLED_PLAYERS; --place) {
    const int object = order[place];
    if (object >= 0 && object < MATCH_PLAYERS && !Hidden(object)) DrawPlayerLabel(object);
  }
}

void DrawInfoBar() {
  const int slide = InfoBar_GetSlidePos();
  if (slide == 0) return;
  const char* text = InfoBar_GetText();
  FONT_SetFont(2);
  const int textWidth = FONT_GetTextWidth(text, 2);
  const int height = FONT_GetItem(2)->glyphHeight;
  DarkenRect(ScreenWidth / 2 - textWidth / 2 - 6, slide - GAME_SCREEN_BORDER, textWidth + 12, height + 10);
  FONT_DisplayText(0, slide - GAME_SCREEN_BORDER + 5, text, ALIGN_MIDDLE_TOP, ALIGN_MIDDLE_TOP);
}

void DrawReplayButtons() {
  int px, py, buttons;
  GetMatchPointer(&px, &py, &buttons);
  const int left = (ScreenWidth - REPLAY_BUTTONS * REPBAR_BUTTON_WIDTH) / 2;
  const int top = ScreenHeight - REPBAR_BUTTON_HEIGHT;
  for (int i = 0; i < REPLAY_BUTTONS; ++i) {
    const int x = left + i * REPBAR_BUTTON_WIDTH;
    HotSpot_Set(x, top, REPBAR_BUTTON_WIDTH, REPBAR_BUTTON_HEIGHT, REPLAY_HOTSPOT_FIRST + i);
    const bool lit = px >= x && px < x + REPBAR_BUTTON_WIDTH && py >= top && py < top + REPBAR_BUTTON_HEIGHT;
    MGraphDisplay2DGraphic(x, top, REPBAR_BUTTON_WIDTH, REPBAR_BUTTON_HEIGHT, ALIGN_LEFT_TOP, MGRAPHIC_REPBAR,
                           lit ? i + REPLAY_BUTTONS : i);
  }
  MGraphDisplay2DGraphic(px, py, 0, 0, ALIGN_LEFT_TOP, MGRAPHIC_MOUSE, 0);
}

void DrawClock() {
  DarkenRect(ScreenWidth - 50, 6, 44, 20);
  const int32_t seconds = GetMatchTimeSeconds();
  char text[32];
  std::snprintf(text, sizeof text, "%3d:%02d", seconds / 60, seconds % 60);
  FONT_SetFont(1);
  FONT_DisplayText(8, 8, text, ALIGN_RIGHT_TOP, ALIGN_RIGHT_TOP);
}

void DrawScoreLine() {
  const uint8_t* setup = GetMatchSetupRecord();
  char names[2][SETUP_TEAM_NAME_SIZE + 1];
  for (int side = 0; side < 2; ++side) {
    std::memcpy(names[side], setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME, SETUP_TEAM_NAME_SIZE);
    names[side][SETUP_TEAM_NAME_SIZE] = 0;
  }
  const int16_t* goals = period == SHOOTOUT_PERIOD ? ShootoutScore : Score;
  char text[2 * SETUP_TEAM_NAME_SIZE + 32];
  std::snprintf(text, sizeof text, "%s %2d - %-2d %s", names[0], goals[0], goals[1], names[1]);
  DarkenRect(6, 6, FONT_GetTextWidth(text, 1) + 4, FONT_GetItem(1)->glyphHeight + 4);
  FONT_SetFont(1);
  FONT_DisplayText(8, 8, text, ALIGN_LEFT_TOP, ALIGN_LEFT_TOP);
}

void DrawRadar() {
  MGraphDisplay2DGraphic(RADAR_X, RADAR_Y, 0, 0, ALIGN_LEFT_TOP, MGRAPHIC_IGSCAN, 0);
  const GraphicSlot* radar = MGraphGetItem(MGRAPHIC_IGSCAN);
  FONT_SetFont(0);
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    if (Hidden(object)) continue;
    int rx, ry;
    RadarPoint(RenderObjects[object].x, RenderObjects[object].y, radar->width, radar->height, &rx, &ry);
    const int cx = RADAR_X + rx, cy = RADAR_Y + ry;
    FillBox(cx - RADAR_PLAYER_W / 2, cy - RADAR_PLAYER_H / 2, RADAR_PLAYER_W, RADAR_PLAYER_H,
            RADAR_SIDE_COLOUR[object < SIDE_OBJECTS ? 0 : 1]);
    char number[8];
    std::snprintf(number, sizeof number, "%d", KIT_GetPlayerShirtNumber(object));
    FONT_DisplayText(cx, cy, number, ALIGN_LEFT_TOP, ALIGN_MIDDLE_MIDDLE);
  }
  int rx, ry;
  RadarPoint(RenderObjects[OBJECT_BALL].x, RenderObjects[OBJECT_BALL].y, radar->width, radar->height, &rx, &ry);
  FillBox(RADAR_X + rx - 1, RADAR_Y + ry - 1, 3, 3, RADAR_BALL_COLOUR);
}

}  // namespace

const ObjectType MatchObjectTypes[] = {
    {CountPlayers, PlayerDepth, DrawPlayerObject, DrawPlayerShadow},
    {CountBall, BallDepth, DrawBall, ShadowBall},
    {WorldItemCount, WorldItemDepth, DrawWorldItem, nullptr},
    {nullptr, nullptr, nullptr, nullptr},
};

void SwFrame_Reset() {
  SwFrame = FrameState{};
  gFrame = FrameModule{};
  gFrame.clock = kEngineClock;
}
REGISTER_RESET(RESET_RENDER, SwFrame_Reset);

void SwFrame_SetClock(const FrameClock& clock) { gFrame.clock = clock; }

void RadarPoint(float x, float y, int w, int h, int* rx, int* ry) {
  const double across = x - Pitch.minX, along = y - Pitch.minY;
  if (w > h) {
    *rx = static_cast<int>((Pitch.length - along) * w / Pitch.length);
    *ry = static_cast<int>(across * h / Pitch.width);
  } else {
    *rx = static_cast<int>(across * w / Pitch.width);
    *ry = static_cast<int>(along * h / Pitch.length);
  }
}

bool SwFrame_PaceFrame() {
  return PaceMatchFrame(SwFrame.pace, gFrame.clock, QuickWatch != 0);
}

int RenderGameEnvironment() {
  if (!SwFrame_PaceFrame()) return 0;
  DrawGameEnvironment();
  ShowDBuffer((static_cast<int>(GfxScreen.width) - ScreenWidth) / 2,
              (static_cast<int>(GfxScreen.height) - ScreenHeight) / 2, GetGameScreen(), GAME_SCREEN_BORDER,
              GAME_SCREEN_BORDER, ScreenWidth, ScreenHeight);
  MatchGrabs_FrameShown();
  ReadMatchInput();
  return 1;
}

void DrawGameEnvironment() {
  DrawGameScene();
  DrawGameDisplay2D();
}

void DrawGameScene() {
  DrawWorld();
  ObjectDisplay(MatchObjectTypes);
  if (PlayerNamesOn) DrawPlayerLabels();
}

void DrawGameDisplay2D() {
  DrawInfoBar();
  const bool replay = ReplayPlaying != 0;
  if (replay && period != SHOOTOUT_PERIOD && MenuRequest == 0) DrawReplayButtons();
  if (period != SHOOTOUT_PERIOD) DrawClock();
  DrawScoreLine();
  if (ScannerOn) DrawRadar();
  if (QuickWatch && (gFrame.clock.now() & QUICK_WATCH_BLINK_BIT)) {
    FONT_SetFont(1);
    FONT_DisplayText(4, 28, GetTextNoAddr(TEXT_QUICK_WATCH), ALIGN_RIGHT_TOP, ALIGN_RIGHT_TOP);
  }
  const int event = EventTicker_Current();
  if (event != -1 && !replay && MenuRequest == 0) DisplayEvent2(event);
  if (replay) {
    FONT_SetFont(1);
    FONT_DisplayText(0, 8, GetTextNoAddr(TEXT_REPLAY), ALIGN_MIDDLE_TOP, ALIGN_MIDDLE_TOP);
  }
}

void DrawMatchOverlays() {
  DrawScoreLine();
  const int event = EventTicker_Current();
  if (event != -1 && ReplayPlaying == 0) DisplayEvent2(event);
}

void UpdateGameEnvironment() {
  EventTicker_Update();
  InfoBar_Update();
  SFX_UpdateCrowd();
  UpdateCamera();
}

void UpdateGameHighlights() { UpdateHighLight(); }

void CreateGameEnvironment() {
  GN_Init(GN_ENV_IN_GAME);
  BuildColourLUTs();
  InitScreenResolution();
  gFrame.loadBar = LoadBarGfx{};
  gFrame.loadBar.emptyName = LOADBAR_EMPTY_FILE;
  gFrame.loadBar.fullName = LOADBAR_FULL_FILE;
  gFrame.loadBar.paletteName = LOADBAR_PALETTE_FILE;
  gFrame.loadBar.barStart = LOADBAR_X;
  gFrame.loadBar.barEnd = LOADBAR_Y;
  LoadBar_Init(LoadBarGfx_Callback, &gFrame.loadBar);
  LoadBar_StartBlock(8.0f, 1.0f);
  LoadBar_StartBlock(1.0f, 7.0f);
  ResetTextureTable();
  KIT_ResetTextureTable();
  Create3DWorld();
  LoadBar_EndBlock();
  SndSetActiveChannels(8);
  SFX_Init();
  SwFrame.pace = FramePace{static_cast<int32_t>(gFrame.clock.now()), 0, 0};
  KeyFlush();
  Camera_ResetAll();
  LoadBar_AddProgress(1.0f);
  SetPitchGeometry();
  InfoBar_Reset();
  LoadBar_EndBlock();
  LoadBar_Uninit();
  GfxClearScreen();
  {
    // The frame buffer starts black, guard and all.
    GfxBuffer* screen = GetGameScreen();
    std::memset(screen->pixels, 0, static_cast<size_t>(screen->stride) * static_cast<size_t>(screen->height));
  }
  ShowGamePalette();
  int dx, dy, buttons;
  ReadMouseDriver(&dx, &dy, &buttons);
  SwFrame.created = 1;
}

void DestroyGameEnvironment() {
  GN_Uninit();
  FreeTextures();
  SFX_Uninit();
  SndClearActiveChannels();
  CloseGameScreen();
  FreeWorld();
}

void FirstDestroyGameEnvironment() {
  MatchScreenMode = ScreenModeIndex;
  if (!FreeColourLUTs()) FatalError("Error: FirstDestroyGameEnvironment(): tried to free uncreated LUTs\n");
  FreeAutoFreeMemory();
  SwFrame.created = 0;
}

void SwFrame_CreateWhole() {
  PrepareGamePalette();
  CreateGameEnvironment();
  std::printf("swframe: match environment made (%d x %d, tick %u)\n", ScreenWidth, ScreenHeight, TimerTicks.load());
}

void SwFrame_DestroyWhole() {
  DestroyGameEnvironment();
  FirstDestroyGameEnvironment();
  std::printf("swframe: match environment freed (tick %u)\n", TimerTicks.load());
}
