// The overlay view of the "Scanner" play mode.
#include "generic/overlay.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "generic/hud.h"
#include "generic/matchgrabs.h"
#include "generic/pccamera.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "render256/polyman.h"
#include "render256/polyscan.h"
#include "render256/swcamera.h"
#include "render256/swscreen.h"

const int16_t OverlaySpeeds[OVERLAY_SPEED_COUNT] = {50, 100, 250, 500, 750, 1000, 1250};

const OverlayHotSpot OverlayHotSpots[OVERLAY_HOTSPOTS] = {
    {3, 444, 32, 16}, {3, 460, 32, 20}, {405, 445, 90, 30}, {510, 445, 100, 30}};

namespace {

constexpr uint16_t kBlack = 0x0000;
constexpr uint16_t kWhite = 0xFFFF;
constexpr int kTextWhite = 0, kTextBlack = 2;  // the menu's text colour numbers
constexpr uint16_t kHeatColour[OVERLAY_FOLLOW_SLOTS] = {0xFFE0, 0x001F};  // yellow, blue
constexpr int kSecondDiagramFromRight = 102;
constexpr int kDiagramPickDistance = 144;  // squared pixels at 640 wide
constexpr int kViewPickDistance = 576;
constexpr int kHeatInset = 4;
constexpr int kClockX = 281, kClockY = 18, kDigitAdvance = 8;
constexpr int kTitleY = 4;

struct OverlayState {
  uint16_t teamColour[2][3] = {};
  int16_t followed[OVERLAY_FOLLOW_SLOTS] = {-1, -1};
  int16_t followTurn = 0;
  int16_t underPointer = -1;
  PopUpList popUp{};
  int16_t popUpFont = 0;
  int16_t speedIndex = OVERLAY_DEFAULT_SPEED;
  double target = 0;  // ticks; a float loses the fraction once the tick count is large
  int32_t skipped = 0;
  int16_t fullRedraw = 0;
  int32_t lastButtons = 0;
  bool created = false;
  bool openedMenus = false;
};
OverlayState gOverlay;

bool HaveScreen() { return MenuBufferPixels() != nullptr; }

const uint8_t* SetupTeam(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side & 1]; }

void TeamName(int side, char* out, size_t size) {
  const char* name = reinterpret_cast<const char*>(SetupTeam(side) + SETUP_TEAM_NAME);
  const size_t n = std::min(size - 1, strnlen(name, SETUP_TEAM_NAME_SIZE));
  std::memcpy(out, name, n);
  out[n] = 0;
}

// ---- drawing helpers (menu units; nothing without a menu buffer) ----

void Text(int x, int y, uint16_t alignment, const char* text, int colour) {
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  DoTextAddr(x, y, alignment, text);
}

void OutlinedText(int x, int y, uint16_t alignment, const char* text) {
  static constexpr int kOffsets[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& o : kOffsets) Text(x + o[0], y + o[1], alignment, text, kTextBlack);
  Text(x, y, alignment, text, kTextWhite);
}

void FillBox(int x, int y, int w, int h, uint16_t colour) {
  if (x < 0 || y < 0 || x + w > OVERLAY_SCREEN_WIDTH || y + h > OVERLAY_SCREEN_HEIGHT) return;
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour);
  DrawFilledRectangle(x, y, w, h);
}

void ShadeBox(int x, int y, int w, int h, uint16_t colour, int percent) {
  if (x < 0 || y < 0 || x + w > OVERLAY_SCREEN_WIDTH || y + h > OVERLAY_SCREEN_HEIGHT) return;
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour);
  DrawShadeRectangle(x, y, w, h, percent);
}

void Line(int x0, int y0, int x1, int y1, uint16_t colour) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    FillBox(x0, y0, 1, 1, colour);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) err += dy, x0 += sx;
    if (e2 <= dx) err += dx, y0 += sy;
  }
}

// ---- the frame, section by section ----

void SetOverlayProjection() {
  ScreenWidth = OVERLAY_SCREEN_WIDTH;
  ScreenHeight = OVERLAY_SCREEN_HEIGHT;
  SetCameraProjection(OVERLAY_SCREEN_WIDTH, OVERLAY_SCREEN_HEIGHT, 8.0 * OVERLAY_SCREEN_WIDTH,
                      8.0 * OVERLAY_SCREEN_HEIGHT);
}

void DrawTitleBar() {
  char name[SETUP_TEAM_NAME_SIZE + 4];
  TeamName(0, name, sizeof name - 3);
  std::strcat(name, " -");
  SetFont(1);
  OutlinedText(220, kTitleY, ALIGN_RIGHT | ALIGN_TOP, name);
  TeamName(1, name, sizeof name);
  OutlinedText(420, kTitleY, ALIGN_LEFT | ALIGN_TOP, name);
  SetFont(0);
  OutlinedText(514, 452, ALIGN_LEFT | ALIGN_TOP, "Subs/Tactics");
}

void DrawBackground() {
  if (!HaveScreen()) return;
  DoBackground(OVERLAY_BACKGROUND);
  DrawTitleBar();
  SaveScreenBackground();
}

void ReadInput() {
  int px = 0, py = 0, buttons = 0;
  ReadMousePointer(&px, &py, &buttons);
  const bool click = (buttons & 1) && !(gOverlay.lastButtons & 1);
  gOverlay.lastButtons = buttons;
  if (click) {
    if (Overlay_HotSpotHit(7, px, py)) {
      Overlay_SetSpeedIndex(std::min<int>(gOverlay.speedIndex + 1, OVERLAY_MAX_SPEED_INDEX));
      PauseFlag = 0;
    } else if (Overlay_HotSpotHit(8, px, py)) {
      Overlay_SetSpeedIndex(std::max<int>(gOverlay.speedIndex - 1, 0));
      PauseFlag = 0;
    } else if (Overlay_HotSpotHit(10, px, py)) {
      MenuRequest = 1;
    }
  }
  gOverlay.underPointer = static_cast<int16_t>(Overlay_FindPlayerAt(px, py));
  if (gOverlay.underPointer >= 0 && click) Overlay_ToggleFollow(gOverlay.underPointer);
}

void DrawPopUp() {
  const int player = gOverlay.underPointer;
  if (player < 0) return;
  PopUp_CreatePlayerInfo(player);
  const PopUpList& list = gOverlay.popUp;
  const int x = PopUp_BoxX(player, list.width), y = POPUP_Y;
  ShadeBox(x, y, list.width, list.height, kBlack, 50);
  if (HaveScreen()) DrawBlackFrame(x, y, list.width, list.height);
  for (int i = 0; i < list.count; ++i) {
    SetFont(list.lines[i].font);
    Text(x + 5, y + 1 + i * POPUP_LINE_SPACING, ALIGN_LEFT | ALIGN_TOP, list.lines[i].text, kTextWhite);
  }
  SetFont(0);
}

// Pitch zone corners in pitch units (4 units inside the cell).
void HeatCellCorners(int along, int across, float* x0, float* y0, float* x1, float* y1) {
  *y0 = static_cast<float>(Pitch.minY + along * Pitch.length / HEAT_LENGTH_ZONES + kHeatInset);
  *y1 = static_cast<float>(Pitch.minY + (along + 1) * Pitch.length / HEAT_LENGTH_ZONES - kHeatInset);
  *x0 = static_cast<float>(Pitch.minX + across * Pitch.width / HEAT_WIDTH_ZONES + kHeatInset);
  *x1 = static_cast<float>(Pitch.minX + (across + 1) * Pitch.width / HEAT_WIDTH_ZONES - kHeatInset);
}

void DrawGroundQuad(const float corners[4][2], uint16_t colour, int percent) {
  ClipPoly poly{};
  poly.count = 4;
  for (int i = 0; i < 4; ++i) {
    const CameraPoint p = TransformPoint(corners[i][0], 0.0f, corners[i][1]);
    poly.vertex[i] = {p.x, p.y, p.z, 0.0f, 0.0f};
  }
  if (!ClipPolygon(poly)) return;
  PerspVertex projected[CLIP_MAX_VERTICES];
  const int n = ProjectPolygon(poly, projected);
  ScreenVertex screen[CLIP_MAX_VERTICES];
  for (int i = 0; i < n; ++i) screen[i] = {projected[i].x, projected[i].y, 0.0f, 0.0f};
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour);
  FillPolygonShaded(screen, n, percent);
}

void DrawHeatMaps() {
  if (Pitch.length <= 0 || Pitch.width <= 0) return;
  for (int slot = 0; slot < OVERLAY_FOLLOW_SLOTS; ++slot) {
    const int player = gOverlay.followed[slot];
    if (player < 0) continue;
    for (int along = 0; along < HEAT_LENGTH_ZONES; ++along)
      for (int across = 0; across < HEAT_WIDTH_ZONES; ++across) {
        const int32_t count = Overlay_HeatCount(player, along, across);
        if (count == 0) continue;
        float x0, y0, x1, y1;
        HeatCellCorners(along, across, &x0, &y0, &x1, &y1);
        const float corners[4][2] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
        DrawGroundQuad(corners, kHeatColour[slot], Overlay_HeatOpacity(count));
      }
  }
}

void DrawScoreAndClock() {
  const bool shootout = period == 4;
  const int16_t* scores = shootout ? ShootoutScore : Score;
  char text[32];
  SetFont(1);
  std::snprintf(text, sizeof text, "%d", scores[0]);
  OutlinedText(240, kTitleY, ALIGN_HCENTRE | ALIGN_TOP, text);
  std::snprintf(text, sizeof text, "%d", scores[1]);
  OutlinedText(400, kTitleY, ALIGN_HCENTRE | ALIGN_TOP, text);
  if (GetMatchSetupRecord()[SETUP_SECOND_LEG] == 1) {
    std::snprintf(text, sizeof text, "(%d)", Score[0] + MatchFirstLegGoals[0]);
    OutlinedText(10, kTitleY, ALIGN_LEFT | ALIGN_TOP, text);
    std::snprintf(text, sizeof text, "(%d)", Score[1] + MatchFirstLegGoals[1]);
    OutlinedText(630, kTitleY, ALIGN_RIGHT | ALIGN_TOP, text);
  }
  SetFont(0);
  std::snprintf(text, sizeof text, "%s x %d", "Speed", OverlaySpeeds[gOverlay.speedIndex] / 50);
  OutlinedText(40, 452, ALIGN_LEFT | ALIGN_TOP, text);
  if (shootout) {
    OutlinedText(kClockX, kClockY, ALIGN_LEFT | ALIGN_TOP, "Penalties");
  } else if (TimeUp) {
    OutlinedText(kClockX, kClockY, ALIGN_LEFT | ALIGN_TOP, "Inj. Time");
  } else {
    const int32_t seconds = std::max<int32_t>(0, GetMatchTimeSeconds());
    std::snprintf(text, sizeof text, "%3d:%02d", static_cast<int>(seconds / 60), static_cast<int>(seconds % 60));
    for (int i = 0; text[i]; ++i) {
      const char digit[2] = {text[i], 0};
      if (digit[0] != ' ') OutlinedText(kClockX + i * kDigitAdvance, kClockY, ALIGN_LEFT | ALIGN_TOP, digit);
    }
  }
}

void Draw3DView() {
  ObjectDisplay(OverlayObjectTypes);
  for (int slot = 0; slot < OVERLAY_FOLLOW_SLOTS; ++slot) {
    int x, y;
    const int player = gOverlay.followed[slot];
    if (player < 0 || !Overlay_LabelPosition(player, &x, &y)) continue;
    char number[8];
    std::snprintf(number, sizeof number, "%d", MatchObjects[player].attr[SKILL_SHIRT]);
    OutlinedText(x + 6, y, ALIGN_LEFT | ALIGN_VMIDDLE, number);
  }
}

void DrawDiagrams() {
  for (int side = 0; side < 2; ++side) {
    for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
      const int object = SideSlots[side][slot];
      int x, y;
      Overlay_DiagramPosition(side, slot, &x, &y);
      FillBox(x - 4, y - 4, 9, 9, gOverlay.teamColour[side][0]);
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      char number[8];
      std::snprintf(number, sizeof number, "%d", MatchObjects[object].attr[SKILL_SHIRT]);
      OutlinedText(x, y + 6, ALIGN_HCENTRE | ALIGN_TOP, number);
      int vx, vy;
      if (object == gOverlay.underPointer && Overlay_LabelPosition(object, &vx, &vy)) Line(x, y, vx, vy, kWhite);
    }
    // The substitutes panel under the diagram.
    const int panelX = side == 0 ? 12 : OVERLAY_SCREEN_WIDTH - kSecondDiagramFromRight;
    int row = 0;
    for (int place = TACTICS_SLOTS; place < SIDE_OBJECTS; ++place) {
      const int object = SideSlots[side][place];
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      const MatchObject& o = MatchObjects[object];
      if (o.onBench == 0 || o.rating < 0) continue;
      char line[40];
      std::snprintf(line, sizeof line, "%2d %s", o.attr[SKILL_SHIRT], o.name);
      OutlinedText(panelX, 150 + row++ * POPUP_LINE_SPACING, ALIGN_LEFT | ALIGN_TOP, line);
    }
  }
}

// Everything of a frame after the pacing and the input.
void DrawPresentation() {
  if (gOverlay.fullRedraw) {
    DrawBackground();
    gOverlay.fullRedraw = 0;
  }
  if (HaveScreen()) RestoreBackgroundRect(0, 0, OVERLAY_SCREEN_WIDTH, OVERLAY_SCREEN_HEIGHT, 0);
  DrawPopUp();
  DrawHeatMaps();
  DrawScoreAndClock();
  Draw3DView();
  DrawDiagrams();
  DisplayEvent2_Panel();
}

// ---- the ball of the 3D view ----

constexpr int kBall = OBJECT_BALL;

int OnePlayersCount() { return OBJECT_BALL; }  // players, referee and linesmen
int OneBallCount() { return 1; }
float BallDepth(int) { return PlayerDepth(kBall); }

void DrawBallCross(int) {
  const RenderObject& r = RenderObjects[kBall];
  int32_t x, y;
  if (!ProjectPointToScreen(r.x, r.height, r.y, &x, &y)) return;
  ShadeBox(x - 3, y, 7, 1, kWhite, 50);
  ShadeBox(x, y - 3, 1, 3, kWhite, 50);
  ShadeBox(x, y + 1, 1, 3, kWhite, 50);
}

void DrawBallShadowSpot(int) {
  const RenderObject& r = RenderObjects[kBall];
  if (r.motion == -1) return;
  int32_t x, y;
  if (!ProjectPointToScreen(r.x, 0.0f, r.y, &x, &y)) return;
  ShadeBox(x - 2, y - 1, 5, 3, kBlack, 50);
}

}  // namespace

const ObjectType OverlayObjectTypes[] = {
    {OnePlayersCount, PlayerDepth, DrawPlayerFill, nullptr},
    {OneBallCount, BallDepth, DrawBallCross, DrawBallShadowSpot},
    {nullptr, nullptr, nullptr, nullptr},
};

bool Overlay_HotSpotHit(int n, int px, int py) {
  if (n < OVERLAY_HOTSPOT_FIRST || n >= OVERLAY_HOTSPOT_FIRST + OVERLAY_HOTSPOTS) return false;
  const OverlayHotSpot& h = OverlayHotSpots[n - OVERLAY_HOTSPOT_FIRST];
  return px >= h.x && px < h.x + h.width && py >= h.y && py < h.y + h.height;
}

// ---- pop-up ----

const PopUpList& PopUp_GetList() { return gOverlay.popUp; }

void PopUp_Clear() { gOverlay.popUp = PopUpList{}; }

void PopUp_SetFont(int font) { gOverlay.popUpFont = static_cast<int16_t>(font); }

void PopUp_AddLine(const char* format, ...) {
  PopUpList& list = gOverlay.popUp;
  if (list.count >= POPUP_MAX_LINES) FatalError("Error: PopUplist to small");
  char buffer[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  PopUpLine& line = list.lines[list.count++];
  const size_t kept = strnlen(buffer, sizeof line.text - 1);
  std::memcpy(line.text, buffer, kept);
  line.text[kept] = 0;
  line.font = gOverlay.popUpFont;
}

void PopUp_SizeBox() {
  PopUpList& list = gOverlay.popUp;
  int widest = 0;
  const int font = GetFont();
  for (int i = 0; i < list.count; ++i) {
    SetFont(list.lines[i].font);
    int w = 0, h = 0;
    GetStringSize(list.lines[i].text, &w, &h);
    widest = std::max(widest, w);
  }
  SetFont(font);
  const int width = 2 + widest + 8, height = 2 + POPUP_LINE_SPACING * list.count;
  if (list.count == 0 || width <= 0 || height <= 0)
    FatalError("ERROR: PopUp_CreatePlayerInfo() bad box size");
  list.width = static_cast<int16_t>(width);
  list.height = static_cast<int16_t>(height);
}

void PopUp_CreatePlayerInfo(int player) {
  if (player < 0 || player >= MATCH_PLAYERS) FatalError("ERROR: PopUp_CreatePlayerInfo() bad player %d", player);
  const int side = player >= SIDE_OBJECTS ? 1 : 0;
  const int slot = player - side * SIDE_OBJECTS;
  const MatchObject& o = MatchObjects[player];
  PopUp_Clear();
  PopUp_SetFont(1);
  char name[sizeof o.name + 1];
  std::memcpy(name, o.name, sizeof o.name);
  name[sizeof o.name] = 0;
  PopUp_AddLine("%s", name);
  PopUp_SetFont(0);
  static const char* const kLines[4] = {"Kpr", "Def", "Mid", "Fwd"};
  const int line = Football_GetPositionLine(o.attr[SKILL_POSITION]);
  PopUp_AddLine("%s: %s", "Player Type", line >= 0 && line < 4 ? kLines[line] : "-");
  uint8_t record[PLAYER_MATCH_RECORD_SIZE] = {};
  Football_FillPlayerMatchRecord(record, static_cast<int16_t>(side), static_cast<int16_t>(slot));
  for (int16_t statistic : {3, 4, 1, 5, 67, 26}) {
    int32_t value = 0;
    Football_GetPlayerMatchRecordText2(statistic, record, &value);
    PopUp_AddLine("%s: %3d", Football_GetStatisticLabel(statistic), static_cast<int>(value));
  }
  PopUp_SizeBox();
}

int PopUp_BoxX(int player, int boxWidth) {
  return player >= SIDE_OBJECTS ? OVERLAY_SCREEN_WIDTH - boxWidth - POPUP_MARGIN : POPUP_MARGIN;
}

// ---- team colours ----

uint16_t Overlay_KitColour565(int red, int green, int blue) {
  const int r = red * 100 / 255 * 32 / 101, g = green * 100 / 255 * 64 / 101, b = blue * 100 / 255 * 32 / 101;
  return static_cast<uint16_t>(r * 2048 + g * 32 + b);
}

void Overlay_TakeTeamColours() {
  for (int side = 0; side < 2; ++side) {
    const uint8_t* design = SetupTeam(side) + SETUP_TEAM_KIT;
    for (int slot = 1; slot <= 3; ++slot) {
      int colour = KitDesign_GetColour(design, slot);
      if (colour < 0 || colour >= KIT_COLOURS) colour = 0;
      const auto& rgb = KitRGB[colour];
      gOverlay.teamColour[side][slot - 1] = Overlay_KitColour565(rgb[0], rgb[1], rgb[2]);
    }
  }
}

uint16_t Overlay_GetTeamColour1(int side) { return gOverlay.teamColour[side & 1][0]; }
uint16_t Overlay_GetTeamColour2(int side) { return gOverlay.teamColour[side & 1][1]; }
uint16_t Overlay_GetTeamColour3(int side) { return gOverlay.teamColour[side & 1][2]; }

// ---- followed players ----

void Overlay_ToggleFollow(int player) {
  if (player < 0 || player >= MATCH_PLAYERS) return;
  for (int16_t& slot : gOverlay.followed)
    if (slot == player) {
      slot = -1;
      return;
    }
  for (int16_t& slot : gOverlay.followed)
    if (slot < 0) {
      slot = static_cast<int16_t>(player);
      return;
    }
  gOverlay.followed[gOverlay.followTurn] = static_cast<int16_t>(player);
  gOverlay.followTurn = static_cast<int16_t>(gOverlay.followTurn ^ 1);
}

int16_t Overlay_FollowedPlayer(int slot) {
  return slot >= 0 && slot < OVERLAY_FOLLOW_SLOTS ? gOverlay.followed[slot] : int16_t{-1};
}
int16_t Overlay_FollowTurn() { return gOverlay.followTurn; }
int16_t Overlay_PlayerUnderPointer() { return gOverlay.underPointer; }

// ---- geometry ----

void Overlay_DiagramPosition(int side, int slot, int* x, int* y) {
  side &= 1;
  const int left = side == 0 ? 12 : OVERLAY_SCREEN_WIDTH - kSecondDiagramFromRight;
  const uint8_t* formation = Football_GetTeamFormation(static_cast<int16_t>(side));
  const int gridX = LoadI16(formation + slot * TACTICS_SLOT_SIZE + TACTICS_SLOT_X);
  const int gridY = LoadI16(formation + slot * TACTICS_SLOT_SIZE + TACTICS_SLOT_Y);
  const bool low = side == LowGoalSide;
  if (slot == 0) {
    *x = left + 42;
    *y = low ? 3 : 123;
  } else {
    *x = left + 87 - 6 * gridX;
    *y = low ? 7 * gridY + 3 : 123 - 7 * gridY;
  }
}

bool Overlay_PlayerOnPitch(int player) {
  if (player < 0 || player >= MATCH_PLAYERS) return false;
  const MatchObject& o = MatchObjects[player];
  return o.offPitch == 0 && o.onBench == 0 && RenderObjects[player].motion != -1;
}

int Overlay_FindPlayerAt(int px, int py) {
  auto squared = [px, py](int x, int y) { return (x - px) * (x - px) + (y - py) * (y - py); };
  int found = -1;
  // The diagrams, the second side's find over the first's.
  const int diagramLimit = OVERLAY_SCREEN_WIDTH * kDiagramPickDistance / 640;
  for (int side = 0; side < 2; ++side) {
    int best = -1, bestDistance = diagramLimit;
    for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
      const int object = SideSlots[side][slot];
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      int x, y;
      Overlay_DiagramPosition(side, slot, &x, &y);
      const int d = squared(x, y);
      if (d < bestDistance) bestDistance = d, best = object;
    }
    if (best >= 0) found = best;
  }
  // The 3D view wins over both.
  const int viewLimit = OVERLAY_SCREEN_WIDTH * kViewPickDistance / 640;
  for (int side = 0; side < 2; ++side) {
    int best = -1, bestDistance = viewLimit;
    for (int player = side * SIDE_OBJECTS; player < (side + 1) * SIDE_OBJECTS; ++player) {
      int x, y;
      if (!Overlay_LabelPosition(player, &x, &y)) continue;
      const int d = squared(x, y);
      if (d < bestDistance) bestDistance = d, best = player;
    }
    if (best >= 0) found = best;
  }
  return found;
}

bool Overlay_LabelPosition(int player, int* x, int* y) {
  if (!Overlay_PlayerOnPitch(player)) return false;
  const RenderObject& r = RenderObjects[player];
  int32_t sx, sy;
  if (!ProjectPointToScreen(r.x, 0.0f, r.y, &sx, &sy)) return false;
  if (sx < 0 || sy < 0 || sx >= OVERLAY_SCREEN_WIDTH || sy >= OVERLAY_SCREEN_HEIGHT) return false;
  *x = sx;
  *y = sy;
  return true;
}

int32_t Overlay_HeatCount(int player, int along, int across) {
  if (player < 0 || player >= MATCH_PLAYERS || along < 0 || along >= HEAT_LENGTH_ZONES || across < 0 ||
      across >= HEAT_WIDTH_ZONES)
    return 0;
  // The maps are kept in the first period's direction of play: while the
  // ends are changed a zone of the pitch reads the cell turned round.
  if (period == 1 || period == 3) {
    along = HEAT_LENGTH_ZONES - 1 - along;
    across = HEAT_WIDTH_ZONES - 1 - across;
  }
  return LoadI32(GetMatchResultRecord() + HeatCellOffset(player, along, across));
}

int Overlay_HeatOpacity(int32_t count) { return count < 100 ? 25 : count < 500 ? 50 : 75; }

// ---- pacing ----

int16_t Overlay_SpeedIndex() { return gOverlay.speedIndex; }

void Overlay_SetSpeedIndex(int index) {
  gOverlay.speedIndex = static_cast<int16_t>(std::clamp(index, 0, OVERLAY_SPEED_COUNT - 1));
}

bool Overlay_PaceFrame() {
  const int speed = OverlaySpeeds[gOverlay.speedIndex];
  gOverlay.target += 100.0 / speed;
  if (static_cast<double>(TimerTicks.load()) > gOverlay.target && gOverlay.skipped < speed / 20) {
    ++gOverlay.skipped;
    return false;
  }
  gOverlay.skipped = 0;
  WaitUntilTick(static_cast<uint32_t>(std::ceil(gOverlay.target)));
  // The target keeps its fraction while the view keeps up (speeds above one
  // frame a tick reach their rate); a view that fell behind beyond its skips
  // starts again from now.
  const double now = static_cast<double>(TimerTicks.load());
  if (now > gOverlay.target + 1.0) gOverlay.target = now;
  return true;
}

void Overlay_StartPacing() {
  gOverlay.target = static_cast<double>(TimerTicks.load());
  gOverlay.skipped = 0;
}

int32_t Overlay_SkippedFrames() { return gOverlay.skipped; }

void Overlay_RequestFullRedraw() { gOverlay.fullRedraw = 1; }

// ---- the view ----

void Overlay_Create() {
  Overlay_TakeTeamColours();
  gOverlay.openedMenus = !IsMenuSystemOpen();
  if (gOverlay.openedMenus) InitSetOfMenus();
  Camera_ResetAll();
  DrawBackground();
  SetOverlayProjection();
  LoadOverlayModels();
  for (int n = 0; n < OVERLAY_HOTSPOTS; ++n) {
    const OverlayHotSpot& h = OverlayHotSpots[n];
    HotSpot_Set(h.x, h.y, h.width, h.height, OVERLAY_HOTSPOT_FIRST + n);
  }
  Overlay_StartPacing();
  gOverlay.underPointer = -1;
  gOverlay.created = true;
  std::printf("overlay: environment made\n");
}

void Overlay_Destroy() {
  if (!gOverlay.created) return;
  FreeOverlayModels();
  if (gOverlay.openedMenus && IsMenuSystemOpen()) UninitSetOfMenus();
  gOverlay.openedMenus = false;
  gOverlay.created = false;
  std::printf("overlay: environment freed\n");
}

bool Overlay_IsCreated() { return gOverlay.created; }

void Overlay_UpdateCamera() {
  if (gOverlay.created) UpdateCamera();
}

// A view that is not made (a replay that switched the mode mid-period) shows
// nothing until the environment is made again.
void Overlay_DrawFrame() {
  if (!gOverlay.created) return;
  if (gOverlay.fullRedraw) {
    DrawBackground();
    gOverlay.fullRedraw = 0;
  }
  if (!Overlay_PaceFrame()) return;
  EventTicker_Update();
  ReadInput();
  DrawPresentation();
  if (HaveScreen()) {
    DrawMousePointer();
    UpdateMenuScreen();
    RestorePointerBackground();
    MatchGrabs_FrameShown();
  }
}

bool Overlay_DrawPicture(uint16_t* pixels) {
  if (!HaveScreen() || pixels == nullptr) return false;
  SetOverlayProjection();
  Overlay_UpdateCamera();
  // A fresh background without the reveal's clearing sweep.
  const bool shown = IsMenuScreenShown();
  SetMenuScreenShown(false);
  DrawBackground();
  SetMenuScreenShown(shown);
  DrawPresentation();
  const int32_t w = std::min(MenuScreenWidth(), OVERLAY_SCREEN_WIDTH);
  const int32_t h = std::min(MenuScreenHeight(), OVERLAY_SCREEN_HEIGHT);
  const int32_t bpp = MenuBytesPerPixel();
  const uint8_t* src = MenuBufferPixels();
  std::fill(pixels, pixels + OVERLAY_SCREEN_WIDTH * OVERLAY_SCREEN_HEIGHT, 0);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) {
      const uint8_t* p = src + (static_cast<size_t>(y) * MenuScreenWidth() + x) * bpp;
      uint16_t c = 0;
      if (bpp == 2) {
        c = static_cast<uint16_t>(p[0] | p[1] << 8);
      } else if (bpp == 4) {
        c = static_cast<uint16_t>((p[2] >> 3) << 11 | (p[1] >> 2) << 5 | p[0] >> 3);
      } else {
        c = p[0];
      }
      pixels[y * OVERLAY_SCREEN_WIDTH + x] = c;
    }
  return true;
}


void Overlay_Reset() { gOverlay = OverlayState{}; }

REGISTER_RESET(RESET_PRESENTATION, Overlay_Reset);
