// The "Commentary" view: the match's figures on the menu screen.
#include "generic/analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/gfx.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/comments.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "generic/hud.h"
#include "generic/matchctrl.h"
#include "generic/matchgrabs.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "menus/menupc.h"

namespace {

// ---- the panel's layout (menu units of the 640 x 480 screen) ----

constexpr int kScreenW = 640, kScreenH = 480;
// The commentary box at the top: lines centred at x 320 from y 20.
constexpr int kCommentX = 320, kCommentY = 20, kCommentLineStep = 10, kCommentLines = 3;
constexpr int kCommentBoxX = 120, kCommentBoxY = 16, kCommentBoxW = 400, kCommentBoxH = 34;
// Score and clock.
constexpr int kScoreY = 56, kScoreLeftX = 40, kScoreRightX = 600;
constexpr int kAggregateY = 62, kAggregateLeftX = 11, kAggregateRightX = 629;
constexpr int kClockX = 280, kClockY = 69;
constexpr int kClockNoteX = 340;
// The small pitch.
constexpr int kPitchBoxLeft = 236, kPitchBoxRight = 405, kPitchBoxTop = 85, kPitchBoxBottom = 200;
constexpr int kPitchOriginX = 242, kPitchOriginY = 91, kPitchScaleX = 157, kPitchScaleY = 107;
constexpr int kMarkerW = 12, kMarkerH = 10;
constexpr int kBallSize = 4;
// The balance graph: a column 2 wide per second minute, 100 lines high.
constexpr int kGraphX = 232, kGraphTop = 206, kGraphLines = 100, kGraphScale = 180, kGraphColumnW = 2;
constexpr int kBalanceSamples = 120;  // minutes 0-119 are read
// The player panels of the two sides.
constexpr int kPlayersX[2] = {8, 412}, kPlayersY = 80, kPlayersW = 220, kPlayerRowH = 10;
// The event box of the day's other matches.
constexpr int kEventBoxX = 232, kEventBoxY = 322, kEventBoxW = 176, kEventBoxH = 22;
// The team figures.
constexpr int kFiguresY = 350, kFiguresStep = 14, kFiguresLeftX = 260, kFiguresRightX = 380;
constexpr int kFigureRows = 5;
// The goals, cards and substitutions: newest at the bottom.
constexpr int kGoalsX[2] = {0, 404}, kGoalsBottomY = 294, kGoalsStep = 16, kGoalsShown = 7, kGoalsW = 236;
constexpr int kCardIcons[2] = {11, 12};  // yellow, red
// The speed line and the "Subs/Tactics" button.
constexpr int kSpeedX = 50, kSpeedY = 446;
constexpr int kButtonX = 480, kButtonY = 436, kButtonW = 128, kButtonH = 26;

// Colours (RGB565).
constexpr uint16_t kPanelColour = 0x1926;
constexpr uint16_t kFrameColour = 0x4A8C;
constexpr uint16_t kPitchColour = 0x2C44;
constexpr uint16_t kLineColour = 0xDEFB;
// Text colours are the menu's text colour numbers.
constexpr int kTextColour = 0;     // white
constexpr int kShadowColour = 2;   // black
constexpr int kHeadingColour = 8;  // yellow
constexpr int kDimTextColour = 10;  // grey
constexpr uint16_t kButtonColour = 0x3A9F;

struct AnalysisState {
  int16_t speedIndex = ANALYSIS_DEFAULT_SPEED;
  float target = 0.0f;
  int32_t skipped = 0;
  int32_t frame = 0;
  int16_t fullRedraw = 0;
  int16_t lastPeriod = -1;
  int kit[2][3] = {{100, 100, 100}, {0, 0, 0}};
  std::string comment, commentCopy;
  uint32_t commentSerial = 0;
  int16_t pauseSeconds = 0;
  bool pauseRunning = false;
  uint32_t pauseStart = 0;
  int32_t lastButtons = 0;
  uint32_t drawnParts = 0;
  bool created = false;
  bool headless = false;  // no screen to show the panel on
  bool openedMenus = false;  // the view opened the menu screen (and closes it)
  // The graph as it stands on the screen: the value of each column (every
  // second minute), -1 not drawn, and the length it was drawn for.
  int16_t graphDrawn[kBalanceSamples / 2];
  int graphLengthDrawn = 0;
  AnalysisState() { std::fill(std::begin(graphDrawn), std::end(graphDrawn), int16_t{-1}); }
};

AnalysisState gView;

// A match played where no 640 x 480 screen mode exists (the headless match
// tools and tests) has no panel: it is neither drawn nor paced.
bool ScreenAvailable() {
  for (int kind = 0; kind <= 3; ++kind)
    if (GfxFindMode(kScreenW, kScreenH, kind) >= 0) return true;
  return false;
}

int Speed() { return ANALYSIS_SPEEDS[gView.speedIndex]; }

// ---- colours ----

uint16_t Rgb565(int r, int g, int b) {
  r = std::clamp(r, 0, 255);
  g = std::clamp(g, 0, 255);
  b = std::clamp(b, 0, 255);
  return static_cast<uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

// A kit colour (percentages) at `percent` of its brightness.
uint16_t KitShade(int side, int percent) {
  const int* c = gView.kit[side];
  return Rgb565(c[0] * 255 / 100 * percent / 100, c[1] * 255 / 100 * percent / 100, c[2] * 255 / 100 * percent / 100);
}

// Line `line` of a graph part in the side's ramp, mixed half and half with
// the kit colour itself.
uint16_t GraphShade(int side, int line) {
  const int* c = gView.kit[side];
  const int ramp = 55 + line * 45 / kGraphLines;
  int rgb[3];
  for (int k = 0; k < 3; ++k) {
    const int full = c[k] * 255 / 100;
    rgb[k] = (full * ramp / 100 + full) / 2;
  }
  return Rgb565(rgb[0], rgb[1], rgb[2]);
}

void Fill(uint16_t colour) { SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour); }
void Ink(int colour) { SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour); }

constexpr uint16_t kTopLeft = ALIGN_LEFT | ALIGN_TOP;

void Restore(int x, int y, int w, int h) { RestoreBackgroundRect(x, y, w, h, kTopLeft); }

// ---- the match as the panel reads it ----

uint8_t* Team(int side) { return GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side]; }

std::string TeamName(int side) {
  const char* name = reinterpret_cast<const char*>(Team(side) + SETUP_TEAM_NAME);
  return std::string(name, strnlen(name, SETUP_TEAM_NAME_SIZE));
}

std::string ObjectName(int object) {
  if (object < 0 || object >= MATCH_PLAYERS) return "";
  const char* name = MatchObjects[object].name;
  return std::string(name, strnlen(name, sizeof MatchObjects[object].name));
}

int SetupPlayerI16(int side, int player, int field) {
  return LoadI16(GetMatchSetupRecord() + SetupPlayerOffset(side, player) + field);
}

bool OnPitch(int object) {
  const MatchObject& o = MatchObjects[object];
  return o.offPitch == 0 && o.onBench == 0 && o.motion != -1;
}

void TakeKitColours() {
  for (int side = 0; side < 2; ++side) {
    const uint8_t* design = Team(side) + SETUP_TEAM_KIT;
    int slot = LoadI16(design + KIT_PART_SLOT_OFFSET);  // the shirt's colour slot
    if (slot < 1 || slot > 3) slot = 1;
    int colour = KitDesign_GetColour(design, slot);
    if (colour < 0 || colour >= KIT_COLOURS) colour = 0;
    for (int k = 0; k < 3; ++k) gView.kit[side][k] = KitRGB[static_cast<size_t>(colour)][static_cast<size_t>(k)] * 100 / 255;
  }
}

// ---- the parts ----

void ForgetGraph();

void DrawStaticPanel() {
  ForgetGraph();
  Fill(kPanelColour);
  DrawFilledRectangle(0, 0, kScreenW, kScreenH);
  Fill(kFrameColour);
  DrawRectangleOutline(kCommentBoxX - 4, kCommentBoxY - 4, kCommentBoxW + 8, kCommentBoxH + 8);
  DrawRectangleOutline(kPlayersX[0] - 4, kPlayersY - 4, kPlayersW + 8, 11 * kPlayerRowH + 8);
  DrawRectangleOutline(kPlayersX[1] - 4, kPlayersY - 4, kPlayersW + 8, 11 * kPlayerRowH + 8);
  DrawRectangleOutline(kEventBoxX - 2, kEventBoxY - 2, kEventBoxW + 4, kEventBoxH + 4);
  // The small pitch: grass, touch lines, halfway line and centre spot.
  Fill(kPitchColour);
  DrawFilledRectangle(kPitchBoxLeft, kPitchBoxTop, kPitchBoxRight - kPitchBoxLeft + 1,
                      kPitchBoxBottom - kPitchBoxTop + 1);
  Fill(kLineColour);
  DrawRectangleOutline(kPitchOriginX, kPitchOriginY, kPitchScaleX + 1, kPitchScaleY + 1);
  DrawFilledRectangle(kPitchOriginX + kPitchScaleX / 2, kPitchOriginY, 1, kPitchScaleY + 1);
  DrawRectangleOutline(kPitchOriginX, kPitchOriginY + kPitchScaleY / 2 - 14, 14, 28);
  DrawRectangleOutline(kPitchOriginX + kPitchScaleX - 13, kPitchOriginY + kPitchScaleY / 2 - 14, 14, 28);
  // The graph's axes and its balance line.
  Fill(kFrameColour);
  DrawFilledRectangle(kGraphX - 2, kGraphTop - 1, 1, kGraphLines + 2);
  DrawFilledRectangle(kGraphX - 2, kGraphTop + kGraphLines, kGraphScale / 2 + 4, 1);
  DrawFilledRectangle(kGraphX - 5, kGraphTop + kGraphLines / 2, 3, 1);
  // Headings and the figure rows' labels.
  SetFont(0);
  Ink(kHeadingColour);
  DoTextAddr(kGraphX + kGraphScale / 4, kGraphTop + kGraphLines + 4, ALIGN_HCENTRE | ALIGN_TOP, "Balance of play");
  static constexpr const char* kFigureLabels[kFigureRows] = {"Shots at goal", "Shots on target", "Fouls", "Corners",
                                                             "Offside"};
  SetFont(1);
  Ink(kTextColour);
  for (int row = 0; row < kFigureRows; ++row)
    DoTextAddr(kScreenW / 2, kFiguresY + row * kFiguresStep, ALIGN_HCENTRE | ALIGN_TOP, kFigureLabels[row]);
  // The "Subs/Tactics" button.
  Fill(kButtonColour);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
  DoButton(kButtonX, kButtonY, kButtonW, kButtonH);
  DoTextAddr(kButtonX + kButtonW / 2, kButtonY + kButtonH / 2, ALIGN_CENTRED, "Subs/Tactics");
  SaveScreenBackground();
}

void DrawClock() {
  Restore(kClockX - 2, kClockY - 1, 160, 16);
  SetFont(1);
  Ink(kTextColour);
  if (period == 4) {
    DoTextAddr(kClockX, kClockY, kTopLeft, "Penalties");
    return;
  }
  const int32_t seconds = std::max<int32_t>(0, GetMatchTimeSeconds());
  char text[16];
  std::snprintf(text, sizeof text, "%3d:%02d", static_cast<int>(seconds / 60 % 1000), static_cast<int>(seconds % 60));
  int width = 0, height = 0;
  GetCharSize('0', &width, &height);
  if (width <= 0) width = 9;
  for (int i = 0; text[i] != '\0'; ++i)
    if (text[i] != ' ') DoChar(kClockX + i * width, kClockY, kTopLeft, text[i]);
  if (TimeUp) DoTextAddr(kClockNoteX, kClockY, kTopLeft, "Inj. Time");
}

void ShadowedText(int x, int y, uint16_t alignment, const char* text) {
  Ink(kShadowColour);
  DoTextAddr(x, y + 1, alignment, text);
  Ink(kTextColour);
  DoTextAddr(x, y, alignment, text);
}

void DrawScore() {
  Restore(4, kScoreY - 4, 268, 21);
  Restore(370, kScoreY - 4, 266, 21);
  SetFont(1);
  const bool shootout = period == 4;
  const int16_t* goals = shootout ? ShootoutScore : Score;
  char text[96];
  std::snprintf(text, sizeof text, "%s - %2d", TeamName(0).c_str(), goals[0]);
  ShadowedText(kScoreLeftX, kScoreY, kTopLeft, text);
  std::snprintf(text, sizeof text, "%2d - %s", goals[1], TeamName(1).c_str());
  ShadowedText(kScoreRightX, kScoreY, ALIGN_RIGHT | ALIGN_TOP, text);
  if (GetMatchSetupRecord()[SETUP_SECOND_LEG] != 0) {
    SetFont(0);
    for (int side = 0; side < 2; ++side) {
      const int aggregate = Score[side] + LoadI16(Team(side) + SETUP_TEAM_FIRST_LEG_GOALS);
      std::snprintf(text, sizeof text, "(%d)", aggregate);
      Ink(kTextColour);
      DoTextAddr(side == 0 ? kAggregateLeftX : kAggregateRightX, kAggregateY,
                 side == 0 ? kTopLeft : ALIGN_RIGHT | ALIGN_TOP, text);
    }
  }
}

void ForgetGraph() {
  std::fill(std::begin(gView.graphDrawn), std::end(gView.graphDrawn), int16_t{-1});
  gView.graphLengthDrawn = 0;
}

// The graph is brought up to date every frame; only the columns from the
// first one whose value changed are drawn again (a column overlaps the next
// on the 120-minute scale).
void DrawGraph() {
  int16_t values[kBalanceSamples];
  const int minute = Analysis_CurrentMinute();
  const int count =
      Analysis_GraphValues(GetMatchResultRecord() + MATCH_BALANCE, kBalanceSamples, minute, values);
  const int length = Analysis_GraphLength();
  if (length != gView.graphLengthDrawn) {
    Restore(kGraphX, kGraphTop, kGraphScale / 2 + kGraphColumnW, kGraphLines);
    ForgetGraph();
    gView.graphLengthDrawn = length;
  }
  if (count == 0) return;
  int from = count;
  for (int m = 0; m < count; m += 2)
    if (gView.graphDrawn[m / 2] != values[m]) {
      from = m;
      break;
    }
  for (int m = from; m < count; m += 2) {
    gView.graphDrawn[m / 2] = values[m];
    const int x = Analysis_GraphColumnX(m, length);
    const int split = std::clamp<int>(values[m], 0, kGraphLines);
    for (int line = 0; line < kGraphLines; ++line) {
      const int side = line < split ? 0 : 1;
      Fill(GraphShade(side, side == 0 ? line : kGraphLines - 1 - line));
      DrawFilledRectangle(x, kGraphTop + line, kGraphColumnW, 1);
    }
  }
}

void DrawMiniPitch() {
  Restore(kPitchBoxLeft, kPitchBoxTop, kPitchBoxRight - kPitchBoxLeft + 1, kPitchBoxBottom - kPitchBoxTop + 1);
  SetFont(0);
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    if (!OnPitch(object)) continue;
    const int side = object / SIDE_OBJECTS;
    int x = 0, y = 0;
    if (!Analysis_MiniPitchPoint(MatchObjects[object].x, MatchObjects[object].y, &x, &y)) continue;
    const int left = x - kMarkerW / 2, top = y - kMarkerH / 2;
    // The whole marker inside the box, or none of it.
    if (left < kPitchBoxLeft || top < kPitchBoxTop || left + kMarkerW > kPitchBoxRight + 1 ||
        top + kMarkerH > kPitchBoxBottom + 1)
      continue;
    Fill(KitShade(side, 85));
    DrawFilledRectangle(left, top, kMarkerW, kMarkerH);
    const int shirt = SetupPlayerI16(side, object % SIDE_OBJECTS, SETUP_PLAYER_SHIRT);
    const int* c = gView.kit[side];
    Ink(c[0] + c[1] + c[2] > 150 ? kShadowColour : kTextColour);
    DoNumber(x, y, ALIGN_CENTRED, shirt);
  }
  int x = 0, y = 0;
  // The ball: a small white square with a dark rim.
  if (Analysis_MiniPitchPoint(ballX, ballY, &x, &y) && x - kBallSize / 2 - 1 >= kPitchBoxLeft &&
      y - kBallSize / 2 - 1 >= kPitchBoxTop && x + kBallSize / 2 + 1 <= kPitchBoxRight &&
      y + kBallSize / 2 + 1 <= kPitchBoxBottom) {
    Fill(0x0000);
    DrawFilledRectangle(x - kBallSize / 2 - 1, y - kBallSize / 2 - 1, kBallSize + 2, kBallSize + 2);
    Fill(0xFFFF);
    DrawFilledRectangle(x - kBallSize / 2, y - kBallSize / 2, kBallSize, kBallSize);
  }
}

void DrawPlayers() {
  SetFont(0);
  for (int side = 0; side < 2; ++side) {
    Restore(kPlayersX[side], kPlayersY, kPlayersW, 11 * kPlayerRowH);
    int lines[SIDE_OBJECTS];
    for (int place = 0; place < 11; ++place) {
      const int object = SideSlots[side][place];
      lines[place] = -1;
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      const int player = object % SIDE_OBJECTS;
      const int position = SetupPlayerI16(side, player, SETUP_PLAYER_POSITION);
      const int line = Football_GetPositionLine(static_cast<int16_t>(position));
      if (line < 0 || line > 3) FatalError("ERROR:analysis.c default case,%d %d %d", side, place, position);
      lines[place] = line;
    }
    int row = 0;
    for (int line = 0; line <= 3; ++line)
      for (int place = 0; place < 11; ++place) {
        if (lines[place] != line) continue;
        const int object = SideSlots[side][place];
        const MatchObject& o = MatchObjects[object];
        const int y = kPlayersY + row++ * kPlayerRowH;
        Ink(OnPitch(object) ? kTextColour : kDimTextColour);
        DoNumber(kPlayersX[side] + 14, y, ALIGN_RIGHT | ALIGN_TOP,
                 SetupPlayerI16(side, object % SIDE_OBJECTS, SETUP_PLAYER_SHIRT));
        DoTextAddr(kPlayersX[side] + 20, y, kTopLeft, ObjectName(object).c_str());
        DoNumber(kPlayersX[side] + 150, y, ALIGN_RIGHT | ALIGN_TOP, o.shots);
        DoNumber(kPlayersX[side] + 180, y, ALIGN_RIGHT | ALIGN_TOP, o.goals);
        DoNumber(kPlayersX[side] + 210, y, ALIGN_RIGHT | ALIGN_TOP, o.passesCompleted);
      }
  }
}

void DrawEventBox() {
  Restore(kEventBoxX, kEventBoxY, kEventBoxW, kEventBoxH);
  DisplayEvent2_Panel();
}

void DrawCommentary() {
  Restore(kCommentBoxX, kCommentBoxY, kCommentBoxW, kCommentBoxH);
  gView.commentCopy = gView.comment;
  if (gView.comment.empty()) return;
  SetFont(0);
  Ink(kTextColour);
  std::vector<char> text(gView.comment.begin(), gView.comment.end());
  text.push_back('\0');
  // A word wider than the box would stop the line splitter: cut such words.
  int charWidth = 0, charHeight = 0;
  GetCharSize('W', &charWidth, &charHeight);
  if (charWidth > 0) {
    const int longest = std::max(1, kCommentBoxW / charWidth - 1);
    int run = 0;
    for (char& c : text) {
      run = (c == ' ' || c == '\n' || c == '\0') ? 0 : run + 1;
      if (run > longest) {
        c = ' ';
        run = 0;
      }
    }
  }
  char* lines[kCommentLines] = {};
  const int count = XDoTextAddr(text.data(), kCommentBoxW, lines, kCommentLines);
  for (int i = 0; i < count && i < kCommentLines; ++i)
    DoTextAddr(kCommentX, kCommentY + kCommentLineStep * i, ALIGN_HCENTRE | ALIGN_TOP, lines[i]);
}

void DrawFigures() {
  SetFont(1);
  Ink(kTextColour);
  int figures[2][kFigureRows] = {};
  for (int side = 0; side < 2; ++side) {
    for (int player = 0; player < SIDE_OBJECTS; ++player) {
      const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + player];
      figures[side][0] += o.shots;
      figures[side][1] += o.shotsOnTarget;
      figures[side][4] += o.offsides;
    }
    figures[side][2] = SideFouls[side];
    figures[side][3] = SideCorners[side];
  }
  for (int row = 0; row < kFigureRows; ++row) {
    const int y = kFiguresY + row * kFiguresStep;
    Restore(kFiguresLeftX - 40, y, 44, kFiguresStep);
    Restore(kFiguresRightX - 4, y, 44, kFiguresStep);
    DoNumber(kFiguresLeftX, y, ALIGN_RIGHT | ALIGN_TOP, figures[0][row]);
    DoNumber(kFiguresRightX, y, kTopLeft, figures[1][row]);
  }
}

void DrawGoals() {
  SetFont(0);
  const uint8_t* result = GetMatchResultRecord();
  const int entries = std::clamp<int>(MatchLogCount, 0, MATCH_LOG_LIVE_LIMIT);
  for (int side = 0; side < 2; ++side) {
    Restore(kGoalsX[side], kGoalsBottomY - (kGoalsShown - 1) * kGoalsStep, kGoalsW, kGoalsShown * kGoalsStep);
    int shown = 0;
    for (int n = entries - 1; n >= 0 && shown < kGoalsShown; --n) {
      const uint8_t* entry = result + MATCH_LOG + n * MATCH_LOG_ENTRY_SIZE;
      if (LoadI16(entry + MATCH_LOG_SIDE) != side) continue;
      const int kind = entry[MATCH_LOG_KIND];
      const int minute = LoadI16(entry + MATCH_LOG_MINUTE);
      const int first = LoadI16(entry + MATCH_LOG_FIRST), second = LoadI16(entry + MATCH_LOG_SECOND);
      const int y = kGoalsBottomY - shown++ * kGoalsStep;
      const int x = kGoalsX[side] + 8;
      Ink(kTextColour);
      DoTextAddr(x + 20, y, kTopLeft, ObjectName(kind == LOG_SUBSTITUTION ? second : first).c_str());
      DoNumber(x + 180, y, ALIGN_RIGHT | ALIGN_TOP, minute);
      if (kind == LOG_SUBSTITUTION) DoTextAddr(x, y, kTopLeft, "Sub");
      else if (kind == LOG_YELLOW || kind == LOG_RED) DoIcon(x, y, kTopLeft, kCardIcons[kind == LOG_RED]);
    }
  }
}

void DrawSpeed() {
  Restore(kSpeedX, kSpeedY, 160, 18);
  SetFont(1);
  Ink(kTextColour);
  char text[32];
  std::snprintf(text, sizeof text, "%s x %d", "Speed", Speed() / 50);
  DoTextAddr(kSpeedX, kSpeedY, kTopLeft, text);
}

// The parts due this frame.
uint32_t DueParts(bool all) {
  uint32_t parts = 1u << ANALYSIS_CLOCK | 1u << ANALYSIS_SCORE | 1u << ANALYSIS_GRAPH | 1u << ANALYSIS_MINI_PITCH |
                   1u << ANALYSIS_SPEED;
  if (all) return parts | 1u << ANALYSIS_STATIC | 1u << ANALYSIS_PLAYERS | 1u << ANALYSIS_EVENT_BOX |
                  1u << ANALYSIS_COMMENTARY | 1u << ANALYSIS_FIGURES | 1u << ANALYSIS_GOALS;
  const int32_t f = gView.frame;
  if (f % 20 == 0) parts |= 1u << ANALYSIS_PLAYERS;
  if (f % 18 == 0) parts |= 1u << ANALYSIS_EVENT_BOX;
  if (f % 21 == 0 || gView.comment != gView.commentCopy) parts |= 1u << ANALYSIS_COMMENTARY;
  if (f % 11 == 0) parts |= 1u << ANALYSIS_FIGURES;
  if (f % 19 == 0) parts |= 1u << ANALYSIS_GOALS;
  return parts;
}

void DrawParts(uint32_t parts) {
  RestorePointerBackground();
  if (parts & 1u << ANALYSIS_STATIC) DrawStaticPanel();
  if (parts & 1u << ANALYSIS_PLAYERS) DrawPlayers();
  if (parts & 1u << ANALYSIS_EVENT_BOX) DrawEventBox();
  if (parts & 1u << ANALYSIS_COMMENTARY) DrawCommentary();
  if (parts & 1u << ANALYSIS_FIGURES) DrawFigures();
  if (parts & 1u << ANALYSIS_GOALS) DrawGoals();
  if (parts & 1u << ANALYSIS_CLOCK) DrawClock();
  if (parts & 1u << ANALYSIS_SCORE) DrawScore();
  if (parts & 1u << ANALYSIS_GRAPH) DrawGraph();
  if (parts & 1u << ANALYSIS_MINI_PITCH) DrawMiniPitch();
  if (parts & 1u << ANALYSIS_SPEED) DrawSpeed();
  gView.drawnParts = parts;
}

void ReadComment() {
  const uint32_t serial = CommentarySerial();
  if (serial != gView.commentSerial || gView.comment.empty()) {
    gView.commentSerial = serial;
    const char* text = CommentaryLineText();
    gView.comment = text ? text : "";
  }
}

void UpdatePanel() {
  ReadComment();
  bool all = gView.fullRedraw != 0;
  if (period != gView.lastPeriod) {
    gView.lastPeriod = period;
    all = true;
  }
  gView.fullRedraw = 0;
  DrawParts(DueParts(all));
  DrawMousePointer();
  UpdateMenuScreen();
  MatchGrabs_FrameShown();
}

// The pointer, the hot spots and the match controls.
void ReadInput() {
  int x = -1, y = -1, buttons = 0;
  if (MenuBufferPixels()) ReadMousePointer(&x, &y, &buttons);
  const bool click = (buttons & 1) != 0 && (gView.lastButtons & 1) == 0;
  gView.lastButtons = buttons;
  UpdateMatchMouse();
  HotSpot_Check();
  if (click && x >= kButtonX && x < kButtonX + kButtonW && y >= kButtonY && y < kButtonY + kButtonH)
    MenuRequest = 1;
  UpdateMatchControls(0);
}

}  // namespace

// ---- the game speed ----

void Analysis_SetGameSpeed(int16_t index) {
  gView.speedIndex = static_cast<int16_t>(std::clamp<int>(index, 0, ANALYSIS_SPEED_COUNT - 1));
}
int16_t Analysis_GetGameSpeed() { return gView.speedIndex; }

// ---- the panel sections ----

bool Analysis_IsHeadless() { return gView.created && gView.headless; }

bool Analysis_PaceFrame() {
  const int s = Speed();
  gView.target += 100.0f / static_cast<float>(s);
  if (static_cast<float>(TimerTicks.load()) > gView.target && gView.skipped < s / 20) {
    ++gView.skipped;
    return false;
  }
  gView.skipped = 0;
  WaitUntilTick(static_cast<uint32_t>(std::ceil(gView.target)));
  gView.target = static_cast<float>(TimerTicks.load());
  return true;
}

int32_t Analysis_SkippedFrames() { return gView.skipped; }
float Analysis_TargetTime() { return gView.target; }
int32_t Analysis_FrameCounter() { return gView.frame; }

int Analysis_CurrentMinute() {
  const int minute = period == 4 ? 120 : std::max<int32_t>(0, GetMatchTimeSeconds()) / 60;
  return std::min(minute, kBalanceSamples - 1);
}

int Analysis_GraphLength() { return period >= 2 ? 120 : 90; }

int Analysis_GraphValues(const uint8_t* bytes, int count, int current, int16_t* out) {
  constexpr uint8_t kMissing = 0xFF;
  if (count < 2 || bytes[1] == kMissing) return 0;
  const int last = std::clamp(current, 0, count - 1);
  out[0] = bytes[0] == kMissing ? 50 : bytes[0];
  for (int m = 1; m <= last; ++m) {
    if (bytes[m] == kMissing) {
      out[m] = 50;
    } else {
      const double step = (bytes[m] - out[m - 1]) * 0.2;
      out[m] = static_cast<int16_t>(out[m - 1] + std::trunc(step));
    }
  }
  return last + 1;
}

int Analysis_GraphColumnX(int minute, int graphLength) {
  return kGraphX + (minute / 2) * kGraphScale / graphLength;
}

bool Analysis_MiniPitchPoint(int pitchX, int pitchY, int* screenX, int* screenY) {
  const int length = Pitch.length > 0 ? Pitch.length : 1, width = Pitch.width > 0 ? Pitch.width : 1;
  const int x = kPitchOriginX + (pitchY - Pitch.minY) * kPitchScaleX / length;
  const int y = kPitchOriginY + (Pitch.maxX - pitchX) * kPitchScaleY / width;
  *screenX = x;
  *screenY = y;
  return x >= kPitchBoxLeft && x <= kPitchBoxRight && y >= kPitchBoxTop && y <= kPitchBoxBottom;
}

void Analysis_KitColour(int side, int rgb[3]) {
  for (int k = 0; k < 3; ++k) rgb[k] = gView.kit[side & 1][k];
}

uint32_t Analysis_LastDrawnParts() { return gView.drawnParts; }


// ---- the view ----

void Analysis_Create() {
  gView.pauseSeconds = 0;
  gView.pauseRunning = false;
  gView.frame = 0;
  gView.skipped = 0;
  gView.comment.clear();
  gView.commentCopy.clear();
  gView.commentSerial = CommentarySerial();
  gView.lastButtons = 0;
  gView.fullRedraw = 0;
  TakeKitColours();
  gView.created = true;
  gView.headless = !ScreenAvailable();
  if (gView.headless) return;
  // The menus' screen serves the panel when the caller has it open already
  // (the swscene tool's pictures); otherwise the view opens it and closes it
  // again.
  gView.openedMenus = !IsMenuSystemOpen();
  if (gView.openedMenus) InitSetOfMenus();
  gView.lastPeriod = period;
  DrawParts(DueParts(true));
  UpdateMenuScreen();
  gView.target = static_cast<float>(TimerTicks.load());
  std::printf("analysis: environment made (tick %u)\n", TimerTicks.load());
}

void Analysis_Destroy() {
  if (!gView.created) return;
  gView.created = false;
  if (gView.headless) return;
  if (gView.openedMenus && IsMenuSystemOpen()) UninitSetOfMenus();
  gView.openedMenus = false;
  std::printf("analysis: environment freed (tick %u)\n", TimerTicks.load());
}

void Analysis_DrawFrame() {
  if (!gView.created || gView.headless) {
    ++gView.frame;
    return;
  }
  if (!Analysis_PaceFrame()) return;
  ++gView.frame;
  EventTicker_Update();
  UpdatePanel();
  ReadInput();
}

void Analysis_RequestTimedPause(int16_t seconds) {
  gView.pauseSeconds = std::max<int16_t>(0, seconds);
  gView.pauseRunning = false;
}

void Analysis_UpdateTimedPause() {
  if (gView.pauseSeconds <= 0) return;
  const uint32_t now = TimerTicks.load();
  if (!gView.pauseRunning) {
    gView.pauseRunning = true;
    gView.pauseStart = now;
    PauseFlag = 1;
  }
  if (now - gView.pauseStart >= static_cast<uint32_t>(gView.pauseSeconds) * 100u) {
    PauseFlag = 0;
    gView.pauseSeconds = 0;
    gView.pauseRunning = false;
  }
}

void Analysis_RequestFullRedraw() { gView.fullRedraw = 1; }

bool Analysis_GrabPanel(std::vector<uint8_t>& out) {
  const uint8_t* pixels = MenuBufferPixels();
  if (pixels == nullptr || MenuScreenWidth() != kScreenW || MenuScreenHeight() != kScreenH) return false;
  ReadComment();
  DrawParts(DueParts(true));
  const size_t size = static_cast<size_t>(kScreenW) * kScreenH * static_cast<size_t>(MenuBytesPerPixel());
  out.assign(pixels, pixels + size);
  return true;
}

// The menu machine is reset on its own (its layer comes first).
void Analysis_Reset() { gView = AnalysisState{}; }

REGISTER_RESET(RESET_MATCH, Analysis_Reset);
