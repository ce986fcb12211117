// The in-match information pages.
#include "generic/infopages.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "generic/ingmenu.h"
#include "generic/ingnav.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"

InfoPagesState InfoPages;

namespace {

constexpr int kMaxBench = 6;
constexpr int kStarters = 11;

// A zero-ended copy of a text field that files may leave unended.
void CopyField(char* out, size_t size, const uint8_t* field, size_t fieldSize) {
  size_t n = 0;
  while (n < fieldSize && n + 1 < size && field[n] != 0) ++n;
  std::memcpy(out, field, n);
  out[n] = 0;
}

const uint8_t* SheetEntry(int side, int entry) { return GetMatchSetupRecord() + SetupPlayerOffset(side, entry); }

void TeamName(int side, char* out, size_t size) {
  CopyField(out, size, GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME, SETUP_TEAM_NAME_SIZE);
}

// The texts the maps show, refreshed before each drawing.
char gTitle[128];
const char* const gTitleText = gTitle;
struct Shown {
  const char* performanceHead[PERF_COLUMNS] = {};
  int16_t subPageColour[PERF_PAGES] = {};
};
Shown gShown;

constexpr uint8_t kTopLeft = GN_JUSTIFY_LEFT | GN_JUSTIFY_TOP;
constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kRightMiddle = GN_JUSTIFY_RIGHT | GN_JUSTIFY_MIDDLE;

constexpr int kColourNormal = 0;
constexpr int kColourChosen = 8;

// ---- the skill columns ----

struct SkillColumn {
  const char* head;
  const char* hint;
  Skill skill;
};
constexpr SkillColumn kSkillColumns[INFO_SKILL_COLUMNS] = {
    {"Kpg", "Keeping", SKILL_KEEPING},     {"Hdg", "Heading", SKILL_HEADING},
    {"Tkl", "Tackling", SKILL_TACKLING},   {"Pas", "Passing", SKILL_PASSING},
    {"Sht", "Shooting", SKILL_SHOOTING},   {"Drb", "Dribbling", SKILL_DRIBBLING},
    {"Dbl", "Deadball", SKILL_DEADBALL},   {"Cmp", "Composure", SKILL_COMPOSURE},
    {"Ldr", "Leadership", SKILL_LEADERSHIP}, {"Pce", "Pace", SKILL_PACE},
};

// ---- layout ----

constexpr int kLineUpsTop = 70, kLineUpsStep = 20;
constexpr int kStatsHeadY = 90, kStatsTop = 110, kRowStep = 16;
constexpr int kSkillLeft = 185, kSkillWidth = 40;
constexpr int kPerfHeadY = 70, kPerfTop = 90;
constexpr int kPerfLeft = 185, kPerfWidth = 68;
constexpr int kSubPageY = 370, kSubPageW = 100, kSubPageH = 20;
constexpr int kHintY = 392;
constexpr const char* kNotPlayedMark = "-";

constexpr int16_t kSkillHeadRegion = 100;
constexpr int16_t kPerfHeadRegion = 200;
constexpr int16_t kSubPageRegion = 300;

constexpr const char* kSubPageNames[PERF_PAGES] = {"Keeping", "Defence",  "Possession",
                                                   "Distribution", "Attack", "Other Data"};

// ---- drawing ----

// The position icon with the shirt number on it, centred on (cx, cy).
void DrawShirt(int cx, int cy, int16_t icon, int16_t shirt) {
  if (icon > 0) GN_DrawGraphic(cx, cy, kCentred, icon);
  if (shirt > 0) GN_DrawNumber(cx, cy, kCentred, shirt);
}

void DrawMark(int x, int cy, int16_t graphic) {
  if (graphic > 0) GN_DrawGraphic(x, cy, kLeftMiddle, graphic);
}

void DrawLineUps(int, int, int, int) {
  GN_SetFontColour(kColourNormal);
  const int rows = InfoPages_SquadRows();
  for (int row = 0; row < rows; ++row) {
    const int cy = kLineUpsTop + row * kLineUpsStep + kLineUpsStep / 2;
    InfoLineUpRow r{};
    if (InfoPages_LineUpRow(0, row, &r)) {
      if (r.goals != 0) GN_DrawNumber(55, cy, kLeftMiddle, r.goals);
      DrawMark(80, cy, r.card1);
      DrawMark(85, cy, r.card2);  // a second card half over the first
      DrawMark(90, cy, r.injury);
      if (r.rating > 0) GN_DrawNumber(100, cy, kLeftMiddle, r.rating);
      GN_DrawTextBoxAddr(150, cy - kLineUpsStep / 2, 140, kLineUpsStep, kLeftMiddle, r.name);
      DrawShirt(305, cy, r.icon, r.shirt);
    }
    if (InfoPages_LineUpRow(1, row, &r)) {
      DrawShirt(335, cy, r.icon, r.shirt);
      GN_DrawTextBoxAddr(350, cy - kLineUpsStep / 2, 140, kLineUpsStep, kLeftMiddle, r.name);
      if (r.rating > 0) GN_DrawNumber(520, cy, kLeftMiddle, r.rating);
      // Mirrored: a second card lies towards the middle.
      DrawMark(540, cy, r.card2);
      DrawMark(545, cy, r.card1);
      DrawMark(550, cy, r.injury);
      if (r.goals != 0) GN_DrawNumber(560, cy, kLeftMiddle, r.goals);
    }
  }
}

// The left part of a Stats or Performance row: icon, shirt number and name.
void DrawRowStart(int side, int row, int cy) {
  InfoLineUpRow r{};
  if (!InfoPages_LineUpRow(side, row, &r)) return;
  if (r.icon > 0) GN_DrawGraphic(30, cy, kCentred, r.icon);
  if (r.shirt > 0) GN_DrawNumber(60, cy, kRightMiddle, r.shirt);
  GN_DrawTextBoxAddr(68, cy - kRowStep / 2, 115, kRowStep, kLeftMiddle, r.name);
}

void DrawStats(int, int, int, int) {
  GN_SetFontColour(kColourNormal);
  const int side = InGameMenuSide;
  const int rows = InfoPages_SquadRows();
  for (int row = 0; row < rows; ++row) {
    const int cy = kStatsTop + row * kRowStep + kRowStep / 2;
    DrawRowStart(side, row, cy);
    for (int c = 0; c < INFO_SKILL_COLUMNS; ++c)
      GN_DrawNumber(kSkillLeft + c * kSkillWidth + kSkillWidth / 2, cy, kCentred, InfoPages_SkillValue(side, row, c));
  }
}

void DrawPerformance(int, int, int, int) {
  GN_SetFontColour(kColourNormal);
  const int side = InGameMenuSide;
  const int rows = InfoPages_SquadRows();
  for (int row = 0; row < rows; ++row) {
    const int cy = kPerfTop + row * kRowStep + kRowStep / 2;
    DrawRowStart(side, row, cy);
    for (int c = 0; c < PERF_COLUMNS; ++c) {
      if (InGame_PerformanceColumn(InfoPages.performancePage, c)->head == nullptr) continue;
      const int cx = kPerfLeft + c * kPerfWidth + kPerfWidth / 2;
      const InfoFigureCell cell = InfoPages_PerformanceCell(side, row, InfoPages.performancePage, c);
      // The not-played mark: the layer draws only its own graphics, so a dash.
      if (cell.shown)
        GN_DrawNumber(cx, cy, kCentred, cell.value);
      else
        GN_DrawTextAddr(cx, cy, kCentred, kNotPlayedMark);
    }
  }
}

void DrawPitchAction(int, int, int, int) {
  GN_SetFontColour(kColourNormal);
  const InfoPitchShares shares = InfoPages_MatchShares();
  // The bar: the first side's defensive third, the middle, the first side's attacking third.
  constexpr int kBarX = 120, kBarY = 60, kBarW = 400, kBarH = 16;
  constexpr int kBarColour[3] = {3, 9, 4};
  int x = kBarX;
  for (int part = 0; part < 3; ++part) {
    const int w = part == 2 && shares.bar[0] + shares.bar[1] + shares.bar[2] == 100 ? kBarX + kBarW - x
                                                                                 : kBarW * shares.bar[part] / 100;
    if (w > 0) GN_DrawColourBox(x, kBarY, x + w - 1, kBarY + kBarH - 1, kBarColour[part]);
    x += w;
  }
  const InfoTeamCounters counters[2] = {InfoPages_TeamCounters(0), InfoPages_TeamCounters(1)};
  struct Line {
    const char* label;
    int32_t value[2];
    bool percent;
  };
  const Line lines[] = {
      {"Shots at goal", {counters[0].shots, counters[1].shots}, false},
      {"Shots on target", {counters[0].onTarget, counters[1].onTarget}, false},
      {"Corners", {counters[0].corners, counters[1].corners}, false},
      {"Fouls", {counters[0].fouls, counters[1].fouls}, false},
      {"Offside", {counters[0].offsides, counters[1].offsides}, false},
      {"Defence", {shares.defence[0], shares.defence[1]}, true},
      {"Midfield", {shares.midfield[0], shares.midfield[1]}, true},
      {"Attack", {shares.attack[0], shares.attack[1]}, true},
      {"Overall", {shares.overall[0], shares.overall[1]}, true},
  };
  int cy = 110;
  for (const Line& line : lines) {
    GN_DrawTextAddr(320, cy, kCentred, line.label);
    for (int side = 0; side < 2; ++side) {
      const int cx = side == 0 ? 170 : 470;
      if (line.percent) {
        char text[16];
        std::snprintf(text, sizeof text, "%d%%", static_cast<int>(line.value[side]));
        GN_DrawTextAddr(cx, cy, kCentred, text);
      } else {
        GN_DrawNumber(cx, cy, kCentred, line.value[side]);
      }
    }
    cy += &line == &lines[4] ? 44 : 28;  // a gap between the counters and the shares
  }
}

// ---- callbacks ----

int16_t HintCallback(const GNMessage* message) {
  const int16_t id = message->regionId;
  const char* hint = nullptr;
  if (id >= kSkillHeadRegion && id < kSkillHeadRegion + INFO_SKILL_COLUMNS)
    hint = InfoPages_SkillHint(id - kSkillHeadRegion);
  else if (id >= kPerfHeadRegion && id < kPerfHeadRegion + PERF_COLUMNS)
    hint = InGame_PerformanceColumn(InfoPages.performancePage, id - kPerfHeadRegion)->hint;
  if (message->code == GN_MSG_ENTER) {
    InfoPages.hint = hint;
    return GN_RESULT_REDRAW;
  }
  if (message->code == GN_MSG_LEAVE) {
    InfoPages.hint = nullptr;
    return GN_RESULT_REDRAW;
  }
  return GN_RESULT_HANDLED;
}

int16_t SubPageCallback(const GNMessage* message) {
  if (message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  const int page = message->regionId - kSubPageRegion;
  if (page < 0 || page >= PERF_PAGES) return GN_RESULT_HANDLED;
  InfoPages.performancePage = static_cast<int8_t>(page);
  return GN_RESULT_REDRAW;
}

// ---- the maps ----

using gnitem::Background;
using gnitem::End;
using gnitem::Set;
using gnitem::SetVar;
using gnitem::Text;
using gnitem::TextVar;
constexpr GNDisplayItem Title() {
  return {GN_ITEM_STATIC_TITLE, GN_DATA_STRING_VAR, GN_PASS_STATIC, 0, 0, 0, 0, GNData(&gTitleText), nullptr};
}
// A page's own drawing fills the box between the title and the bar.
constexpr GNDisplayItem Custom(GNDrawFunc draw) { return gnitem::Custom(0, 40, 640, 360, draw); }
constexpr GNDisplayItem Hint() { return TextVar(20, kHintY, 600, 16, &InfoPages.hint); }
constexpr GNDisplayItem SkillHead(int c) {
  return Text(kSkillLeft + c * kSkillWidth, kStatsHeadY - kRowStep / 2, kSkillWidth, kRowStep, kSkillColumns[c].head,
              HintCallback);
}
constexpr GNDisplayItem PerfHead(int c) {
  return TextVar(kPerfLeft + c * kPerfWidth, kPerfHeadY - kRowStep / 2, kPerfWidth, kRowStep,
                 &gShown.performanceHead[c], HintCallback);
}
constexpr GNDisplayItem SubPageButton(int page) {
  return Text(20 + 100 * page, kSubPageY, kSubPageW, kSubPageH, kSubPageNames[page], SubPageCallback);
}
constexpr GNDisplayItem SubPageColour(int page) { return SetVar(GN_ITEM_FONT_COLOUR, &gShown.subPageColour[page]); }

#define SKILL_HEAD(c) Set(GN_ITEM_REGION_ID, kSkillHeadRegion + (c)), SkillHead(c)
#define PERF_HEAD(c) Set(GN_ITEM_REGION_ID, kPerfHeadRegion + (c)), PerfHead(c)
#define SUB_PAGE(p) Set(GN_ITEM_REGION_ID, kSubPageRegion + (p)), SubPageColour(p), SubPageButton(p)

const GNDisplayItem kLineUpsMap[] = {
    Background(), Title(), Custom(DrawLineUps), INGAME_NAV_ITEMS(InGameNav_Callback), End(),
};

const GNDisplayItem kStatsMap[] = {
    Background(),
    Title(),
    Set(GN_ITEM_FONT_COLOUR, kColourNormal),
    Set(GN_ITEM_JUSTIFY, kCentred),
    SKILL_HEAD(0),
    SKILL_HEAD(1),
    SKILL_HEAD(2),
    SKILL_HEAD(3),
    SKILL_HEAD(4),
    SKILL_HEAD(5),
    SKILL_HEAD(6),
    SKILL_HEAD(7),
    SKILL_HEAD(8),
    SKILL_HEAD(9),
    Set(GN_ITEM_REGION_ID, -1),
    Hint(),
    Set(GN_ITEM_JUSTIFY, kTopLeft),
    Custom(DrawStats),
    INGAME_NAV_ITEMS(InGameNav_Callback),
    End(),
};

const GNDisplayItem kPerformanceMap[] = {
    Background(),
    Title(),
    Set(GN_ITEM_FONT_COLOUR, kColourNormal),
    Set(GN_ITEM_JUSTIFY, kCentred),
    PERF_HEAD(0),
    PERF_HEAD(1),
    PERF_HEAD(2),
    PERF_HEAD(3),
    PERF_HEAD(4),
    PERF_HEAD(5),
    Set(GN_ITEM_AUTO_BUTTON, 1),
    SUB_PAGE(0),
    SUB_PAGE(1),
    SUB_PAGE(2),
    SUB_PAGE(3),
    SUB_PAGE(4),
    SUB_PAGE(5),
    Set(GN_ITEM_AUTO_BUTTON, 0),
    Set(GN_ITEM_REGION_ID, -1),
    Set(GN_ITEM_FONT_COLOUR, kColourNormal),
    Hint(),
    Set(GN_ITEM_JUSTIFY, kTopLeft),
    Custom(DrawPerformance),
    INGAME_NAV_ITEMS(InGameNav_Callback),
    End(),
};

const GNDisplayItem kPitchActionMap[] = {
    Background(), Title(), Custom(DrawPitchAction), INGAME_NAV_ITEMS(InGameNav_Callback), End(),
};

#undef SKILL_HEAD
#undef PERF_HEAD
#undef SUB_PAGE

void SideTitle(int side) { TeamName(side, gTitle, sizeof gTitle); }

void RefreshNav() { InGameNav_Refresh(false); }
void RefreshLineUps() { InGameNav_Refresh(true); }
void RefreshPerformance() {
  InGameNav_Refresh(false);
  for (int c = 0; c < PERF_COLUMNS; ++c)
    gShown.performanceHead[c] = InGame_PerformanceColumn(InfoPages.performancePage, c)->head;
  for (int p = 0; p < PERF_PAGES; ++p)
    gShown.subPageColour[p] = static_cast<int16_t>(p == InfoPages.performancePage ? kColourChosen : kColourNormal);
}

// One opening of a page: the title before the static items are drawn.
void RunPage(const GNDisplayItem* map, void (*refresh)()) {
  InfoPages.hint = nullptr;
  refresh();
  InGame_RunGNMenu(map, refresh);
}

}  // namespace

// ---- what the pages show ----

void InfoPages_Title(char* out, size_t size) {
  char first[SETUP_TEAM_NAME_SIZE + 1], second[SETUP_TEAM_NAME_SIZE + 1];
  TeamName(0, first, sizeof first);
  TeamName(1, second, sizeof second);
  int16_t home = 0, away = 0, away2 = 0, home2 = 0;
  Football_GetScore(&home, &away, &away2, &home2);
  std::snprintf(out, size, "%s %d - %d %s", first, home, away, second);
}

int InfoPages_BenchSize() {
  return std::clamp<int>(LoadI16(GetMatchSetupRecord() + SETUP_SUBSTITUTES), 0, kMaxBench);
}

int InfoPages_SquadRows() { return kStarters + InfoPages_BenchSize(); }

int InfoPages_RowEntry(int side, int row, bool* inMatch) {
  if (inMatch != nullptr) *inMatch = false;
  if (side < 0 || side > 1 || row < 0 || row >= InfoPages_SquadRows()) return -1;
  if (row >= SIDE_OBJECTS) return row;  // the last team-sheet entry has no player in the match
  const int player = Football_GetPositionsPlayer(static_cast<int16_t>(side), static_cast<int16_t>(row));
  if (player < 0 || player >= SIDE_OBJECTS) return row;  // squad order not set up: the sheet's order
  if (inMatch != nullptr) *inMatch = true;
  return player;
}

bool InfoPages_LineUpRow(int side, int row, InfoLineUpRow* out) {
  *out = InfoLineUpRow{};
  bool inMatch = false;
  const int entry = InfoPages_RowEntry(side, row, &inMatch);
  if (entry < 0) return false;
  const uint8_t* sheet = SheetEntry(side, entry);
  char surname[SETUP_PLAYER_SURNAME_SIZE + 1];
  CopyField(surname, sizeof surname, sheet + SETUP_PLAYER_SURNAME, SETUP_PLAYER_SURNAME_SIZE);
  out->icon = InGame_PositionIcon(InGame_PlayerPositionClass(side, entry));
  out->shirt = LoadI16(sheet + SETUP_PLAYER_SHIRT);
  bool captain = false;
  if (inMatch) {
    const int16_t s = static_cast<int16_t>(side), p = static_cast<int16_t>(entry);
    uint8_t record[PLAYER_MATCH_RECORD_SIZE];
    InGame_FillRecord(side, entry, record);
    out->goals = record[MATCH_RECORD_GOALS];
    // A player who has not been on the pitch shows no rating.
    out->rating = MatchObjects[side * SIDE_OBJECTS + entry].rating > 0 ? LoadI16(record + MATCH_RECORD_PERFORMANCE)
                                                                       : int16_t{0};
    InGame_PlayerMarks(side, entry, &out->card1, &out->card2, &out->injury);
    captain = Football_IsCaptain(s, p) != 0;
  }
  if (captain)
    std::snprintf(out->name, sizeof out->name, side == 0 ? "(%s) %s" : "%s (%s)", side == 0 ? "C" : surname,
                  side == 0 ? surname : "C");
  else
    std::snprintf(out->name, sizeof out->name, "%s", surname);
  return true;
}

const char* InfoPages_SkillHead(int column) {
  return column >= 0 && column < INFO_SKILL_COLUMNS ? kSkillColumns[column].head : "";
}

const char* InfoPages_SkillHint(int column) {
  return column >= 0 && column < INFO_SKILL_COLUMNS ? kSkillColumns[column].hint : nullptr;
}

int32_t InfoPages_SkillValue(int side, int row, int column) {
  if (column < 0 || column >= INFO_SKILL_COLUMNS) return 0;
  const int entry = InfoPages_RowEntry(side, row, nullptr);
  const int value = SheetValueOfSkill(kSkillColumns[column].skill);
  if (entry < 0 || value < 0) return 0;
  return LoadI16(SheetEntry(side, entry) + SHEET_VALUE_FIRST + 2 * value);
}

InfoFigureCell InfoPages_PerformanceCell(int side, int row, int page, int column) {
  bool inMatch = false;
  const int entry = InfoPages_RowEntry(side, row, &inMatch);
  if (!inMatch || !InGame_PerformanceRowShown(side, entry, page)) return {false, 0};
  return {true, InGame_PerformanceFigure(side, entry, page, column)};
}

InfoTeamCounters InfoPages_TeamCounters(int side) {
  InfoTeamCounters c{};
  if (side < 0 || side > 1) return c;
  for (int i = 0; i < SIDE_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + i];
    c.shots += o.shots;
    c.onTarget += o.shotsOnTarget;
  }
  c.corners = SideCorners[side];
  c.fouls = SideFouls[side];
  c.offsides = SideOffsides[side];
  return c;
}

InfoPitchShares InfoPages_PitchShares(const int32_t x[2], const int32_t y[2], const int32_t z[2]) {
  auto share = [](int64_t part, int64_t sum) { return sum == 0 ? 50 : static_cast<int32_t>(part * 100 / sum); };
  InfoPitchShares s{};
  s.defence[0] = share(x[0], int64_t{x[0]} + y[1]);
  s.midfield[0] = share(z[0], int64_t{z[0]} + z[1]);
  s.attack[0] = share(y[0], int64_t{x[1]} + y[0]);
  s.overall[0] = (s.defence[0] + s.midfield[0] + s.attack[0]) * 100 / 300;
  s.defence[1] = 100 - s.attack[0];
  s.midfield[1] = 100 - s.midfield[0];
  s.attack[1] = 100 - s.defence[0];
  s.overall[1] = 100 - s.overall[0];
  const int64_t parts[3] = {int64_t{x[0]} + y[1], int64_t{z[0]} + z[1], int64_t{x[1]} + y[0]};
  const int64_t total = parts[0] + parts[1] + parts[2];
  for (int i = 0; i < 3; ++i) s.bar[i] = total == 0 ? 0 : static_cast<int32_t>(parts[i] * 100 / total);
  return s;
}

InfoPitchShares InfoPages_MatchShares() {
  const int32_t x[2] = {ThirdFrames[0][THIRD_DEFENSIVE], ThirdFrames[1][THIRD_DEFENSIVE]};
  const int32_t y[2] = {ThirdFrames[0][THIRD_ATTACKING], ThirdFrames[1][THIRD_ATTACKING]};
  const int32_t z[2] = {ThirdFrames[0][THIRD_MIDDLE], ThirdFrames[1][THIRD_MIDDLE]};
  return InfoPages_PitchShares(x, y, z);
}

// ---- the pages ----

void LineUpsPage() {
  InfoPages_Title(gTitle, sizeof gTitle);
  RunPage(kLineUpsMap, RefreshLineUps);
}

void StatsPage() {
  SideTitle(InGameMenuSide == 1 ? 1 : 0);
  RunPage(kStatsMap, RefreshNav);
}

void PerformancePage() {
  SideTitle(InGameMenuSide == 1 ? 1 : 0);
  InfoPages.performancePage = PERF_ATTACK;
  RunPage(kPerformanceMap, RefreshPerformance);
}

void PitchActionPage() {
  InfoPages_Title(gTitle, sizeof gTitle);
  RunPage(kPitchActionMap, RefreshNav);
}

void InfoPages_Reset() {
  InfoPages = InfoPagesState{PERF_ATTACK, nullptr};
  gShown = Shown{};
  gTitle[0] = 0;
}
REGISTER_RESET(RESET_PRESENTATION, InfoPages_Reset);
