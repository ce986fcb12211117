#include "season/prematch.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "menus/gfx_gen.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "season/contgame.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"
#include "world/static_cups.h"

PreMatchInfo PreMatch;
char PreMatchCompLines[2][30];
char PreMatchClubNames[2][41];
char PreMatchPlayerNames[2][PREMATCH_ROWS][21];
int16_t MatchEventCursor = 0;

namespace {

constexpr int SIDES = 2;
constexpr int STARTERS = 11;
constexpr int MAX_SUBSTITUTES = PREMATCH_ROWS - STARTERS;  // 5
constexpr int LAST_FIVE = 5;
constexpr int RECORD_FIELDS = 5;

// Text colours of the pages.
constexpr int WHITE = 0, PALE_YELLOW = 1, BLACK = 2;
// Fonts.
constexpr int FONT_SMALL = 0, FONT_MEDIUM = 1, FONT_LARGE = 2;
// Alignments.
constexpr uint16_t LEFT_TOP = 5, CENTRE_TOP = 6, RIGHT_TOP = 7, CENTRED = 10;

constexpr int32_t PANEL_COLOUR = 0x2124;
constexpr int PANEL_SHADE = 68;

// The fixture's side blocks: 16 entries of an int16 player and 4 bytes of
// match figures (the rating first).
constexpr int FIXTURE_SIDE_OFFSET[SIDES] = {12, 108};
constexpr int FIXTURE_SIDE_ENTRY = 6;
constexpr int FIXTURE_SIDE_ENTRIES = 16;

// The line-ups page: display line p at y = 105 + 18p; line 11 the caption.
constexpr int LINEUP_TOP = 105, LINEUP_LINE = 18, CAPTION_LINE = 11;

// Backgrounds.
constexpr int BACKGROUND_PAGES = 2, BACKGROUND_FORMATION = 11;

// Texts.
constexpr int TEXT_VS = 152, TEXT_HOME = 150, TEXT_AWAY = 151, TEXT_RECORD_COLUMN = 138;
constexpr int TEXT_APP = 1876, TEXT_PER = 692, TEXT_GLS = 683, TEXT_EXP = 1509, TEXT_SUBSTITUTES = 1886;
constexpr int TEXT_LAST_FIVE = 1850, TEXT_RATING_HEADING = 2011, TEXT_VENUE_HOME = 102, TEXT_VENUE_AWAY = 103;
constexpr int TEXT_DASH = 125, TEXT_TOP_PLAYERS = 1851, TEXT_TOP_SCORERS = 1852;

constexpr const int16_t* LABEL = &PageLabelColour;

constexpr PageButton Bar(int16_t x, int16_t y, int16_t w, int16_t h, int32_t text, int16_t id) {
  return PageButton{PAGE_BUTTON_TEXTNO, x, y, w, h, CENTRED, PageLabel(text), FONT_MEDIUM, LABEL, id};
}
constexpr PageButton BarEnd() { return PageButton{PAGE_END, 0, 0, 0, 0, 0, PageLabel(), 0, nullptr, 0}; }

void PreMatch_Reset() {
  PreMatch = PreMatchInfo{};
  for (auto& line : PreMatchCompLines) line[0] = 0;
  for (auto& name : PreMatchClubNames) name[0] = 0;
  for (auto& side : PreMatchPlayerNames)
    for (auto& name : side) name[0] = 0;
  MatchEventCursor = 0;
}
REGISTER_RESET(RESET_SEASON, PreMatch_Reset);

bool IsPlayer(int16_t player) { return player >= 0 && player < PlayerTotalCount; }

// The goals a list or a row shows: none for a goalkeeper.
int16_t OutfieldGoals(int16_t player) { return GNW_GetPositionType(player) == 0 ? 0 : GNW_GetPlayerGoals(player); }

// The side of the fixture the human manager runs (the home side when
// neither or both are his).
int HumanSide() {
  if (Club_GetControl(PreMatch.homeClub) == 0 && Club_GetControl(PreMatch.awayClub) != 0) return 1;
  return 0;
}
int16_t OpponentClub() { return HumanSide() == 0 ? PreMatch.awayClub : PreMatch.homeClub; }
int OpponentSide() { return 1 - HumanSide(); }

int16_t RowCount() { return static_cast<int16_t>(std::clamp<int>(PreMatch.substitutes, 0, MAX_SUBSTITUTES) + STARTERS); }

// The display line of a line-up row: the starters on lines 0-10, the
// substitutes under the caption.
int LineOfRow(int row) { return row < STARTERS ? row : row + 1; }
int LineY(int line) { return LINEUP_TOP + LINEUP_LINE * line; }

void SetTextColour(int colour) { SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour); }
void SetFillColour(int32_t colour) { SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, colour); }

// A shaded panel with a black one-pixel outline; the fill colour in force
// before is set back.
void DrawPanels(const int (*boxes)[4], int count) {
  const int32_t before = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  SetFillColour(PANEL_COLOUR);
  for (int i = 0; i < count; ++i) DrawShadeRectangle(boxes[i][0], boxes[i][1], boxes[i][2], boxes[i][3], PANEL_SHADE);
  SetFillColour(0);
  for (int i = 0; i < count; ++i) DrawRectangleOutline(boxes[i][0], boxes[i][1], boxes[i][2], boxes[i][3]);
  SetFillColour(before);
}

// Both sides' figures of one line-ups row.
void DrawLineupRowFigures(int16_t player, int x0, int y) {
  if (!IsPlayer(player)) return;
  DoNumber(x0, y, RIGHT_TOP, GNW_GetPlayerApps(player));
  DoNumber(x0 + 34, y, RIGHT_TOP, GNW_GetPlayerPerf(player));
  DoNumber(x0 + 68, y, RIGHT_TOP, OutfieldGoals(player));
  DoNumber(x0 + 102, y, RIGHT_TOP, GNW_GetPlayerExperiencePercent(player));
}

// The common frame around a page's content.
void BeginPage(int background) {
  DoBackground(background);
  SaveScreenBackground();
}

void EndPage(const PageButton* ownBar) {
  PageLabelColour = 0;
  if (SoakRunActive == 0) {
    const bool viewModes = (DayFlags & DAY_RELATED_DONE) != 0 && (DayFlags & DAY_LEFT_PAGES) != 0;
    const PageButton* bar = viewModes ? ViewModeBar : ownBar;
    SetPageButtons(bar);
    DrawPageButtons(bar);
  }
  UpdateMenuScreen();
  int x = 0, y = 0, buttons = 0;
  WaitPointerFrame(&x, &y, &buttons);
}

// One list of the opposition page: name, status icon (and shirt), value.
void DrawPlayerList(const PreMatchListEntry* list, int textNo, int x0, bool needValue) {
  SetFont(FONT_MEDIUM);
  DoTextNo(x0, 245, LEFT_TOP, textNo);
  int y = 265;
  for (int i = 0; i < PREMATCH_LIST; ++i) {
    const PreMatchListEntry& entry = list[i];
    if (!IsPlayer(entry.player) || (needValue && entry.value <= 0)) continue;
    DoTextAddr(x0, y, LEFT_TOP, GNW_GetPlayerName(entry.player));
    int16_t shirt = -1;
    DoIcon(x0 + 140, y, CENTRE_TOP, SquadStatusIcon(entry, &shirt));
    if (shirt >= 0) {
      SetFont(FONT_SMALL);
      DoNumber(x0 + 140, y + 5, CENTRE_TOP, shirt);
      SetFont(FONT_MEDIUM);
    }
    DoNumber(x0 + 190, y, RIGHT_TOP, entry.value);
    y += 16;
  }
}

struct SquadFigures {
  int16_t player, status, perf, goals;
};

// Sorts highest first by the field: at each place every later entry that is
// strictly greater than the one now there is swapped in.
void SortDescending(SquadFigures* list, int count, int16_t SquadFigures::*field) {
  for (int i = 0; i + 1 < count; ++i)
    for (int j = i + 1; j < count; ++j)
      if (list[j].*field > list[i].*field) std::swap(list[i], list[j]);
}

void FillTopList(PreMatchListEntry* out, const SquadFigures* sorted, int counted, int16_t SquadFigures::*field) {
  for (int i = 0; i < PREMATCH_LIST; ++i) out[i] = PreMatchListEntry{-1, 0, 0};
  for (int i = 0; i < std::min(counted, PREMATCH_LIST); ++i)
    out[i] = PreMatchListEntry{sorted[i].player, sorted[i].status, sorted[i].*field};
}

// The formation of a side: the human club's current tactic, or the one a
// computer manager builds for the side.
void BuildFormation(int side, int16_t club, bool human) {
  uint8_t* out = PreMatch.formations[side];
  std::memset(out, 0, TACTICS_RECORD_SIZE);
  if (human) {
    const uint8_t* record = MenuSystem.getTacticRecord(MenuSystem.getCurrentTactic());
    if (record != nullptr) std::memcpy(out, record, TACTICS_RECORD_SIZE);
    return;
  }
  const int16_t manager = ClubSim.getClubManager(club);
  int16_t tactic = 0, p15 = 0, p19 = 0, ph14 = 0;
  if (IsPlayer(manager)) {
    tactic = ClubSim.getPlayerTacticType(manager);
    p15 = static_cast<int16_t>(Player_GetPersonalityStat(manager, 15) / 2);
    p19 = static_cast<int16_t>(Player_GetPersonalityStat(manager, 19) / 2);
    ph14 = static_cast<int16_t>(Player_GetPhysicalStat(manager, 14) / 2);
  }
  BuildSideFormation(side, tactic, p15, p19, ph14, 1, -1);
  std::memcpy(out, GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FORMATION, TACTICS_RECORD_SIZE);
}

void DrawNameCentred(int x, int y, const char* text, int colour) {
  SetTextColour(colour);
  DoTextAddr(x, y, CENTRED, text);
}

}  // namespace

// ---- the bars ----

const PageButton LineupsPageBar[4] = {Bar(32, 440, 190, 30, 1018, PAGE_LEAVE), Bar(224, 440, 190, 30, 805, PAGE_FORMATION),
                                      Bar(416, 440, 190, 30, 1596, PAGE_OPPOSITION), BarEnd()};
const PageButton FormationPageBar[4] = {Bar(32, 440, 190, 30, 1018, PAGE_LEAVE), Bar(224, 440, 190, 30, 1595, PAGE_LINEUPS),
                                        Bar(416, 440, 190, 30, 1596, PAGE_OPPOSITION), BarEnd()};
const PageButton OppositionPageBar[4] = {Bar(32, 440, 190, 30, 1018, PAGE_LEAVE), Bar(224, 440, 190, 30, 1595, PAGE_LINEUPS),
                                         Bar(416, 440, 190, 30, 805, PAGE_FORMATION), BarEnd()};
const PageButton SummaryPageBar[5] = {Bar(40, 440, 140, 30, 1018, PAGE_LEAVE), Bar(184, 440, 140, 30, 1595, PAGE_LINEUPS),
                                      Bar(328, 440, 140, 30, 805, PAGE_FORMATION),
                                      Bar(472, 440, 140, 30, 1596, PAGE_OPPOSITION), BarEnd()};
const PageButton ViewModeBar[4] = {Bar(32, 430, 190, 40, 1702, PAGE_COMMENTARY), Bar(224, 430, 190, 40, 1703, PAGE_SCANNER),
                                   Bar(416, 430, 190, 40, 1704, PAGE_WATCH), BarEnd()};

// ---- the information ----

int16_t PreMatchSubstitutes(int16_t competition, int16_t homeClub) {
  constexpr int16_t FRIENDLY_SUBSTITUTES = 5;
  constexpr int16_t OUTSIDE_DIVISIONS = 5;  // divisions 6 and 7 have no rules of their own
  if (competition == COMP_FRIENDLY) return FRIENDLY_SUBSTITUTES;
  if (GameCountry < 0 || GameCountry >= NUM_GAME_COUNTRIES) return FRIENDLY_SUBSTITUTES;
  int value = OUTSIDE_DIVISIONS;
  if (competition >= COMP_CUP_FIRST && competition <= COMP_CUP_LAST) {
    const int cup = (competition - COMP_CUP_FIRST) / COMP_CUP_CODES;
    const int round = (competition - COMP_CUP_FIRST) % COMP_CUP_CODES % CUP_ROUNDS;
    value = CupRoundData[GameCountry][cup][round].substitutes;
  } else {
    const int16_t division = Club_GetDivision(homeClub);
    if (division >= 0 && division < NUM_DIVISIONS) value = DivisionRules[GameCountry][division].substitutes;
  }
  // A round the country does not play holds no number: the most a side names.
  if (value < 0 || value > MAX_SUBSTITUTES) value = MAX_SUBSTITUTES;
  return static_cast<int16_t>(value);
}

int16_t PreMatchSquadStatus(int16_t player, int16_t substitutes) {
  const int16_t shirt = GNW_GetPlayerShirt(player);
  if (shirt >= 1 && shirt <= STARTERS) return SQUAD_STARTING;
  if (shirt >= STARTERS + 1 && shirt <= substitutes + STARTERS) return SQUAD_SUBSTITUTE;
  if (Player_GetSuspension(player) != 0) return SQUAD_SUSPENDED;
  if (GNW_GetPlayerInFlag(player) != 0) return SQUAD_INJURED;
  if (GNW_IsPlayerUnavailable(player) != 0) return SQUAD_UNAVAILABLE;
  return SQUAD_NOT_PICKED;
}

int16_t SquadStatusIcon(const PreMatchListEntry& entry, int16_t* shirt) {
  if (shirt != nullptr) *shirt = -1;
  if (!IsPlayer(entry.player)) return ICON_BLANK;
  switch (entry.status) {
    case SQUAD_STARTING:
    case SQUAD_SUBSTITUTE:
      if (shirt != nullptr) *shirt = GNW_GetPlayerShirt(entry.player);
      return GNW_GetPositionTypeGraphic(entry.player);
    case SQUAD_SUSPENDED: return ICON_SUSPENDED_CARD;
    case SQUAD_INJURED: return ICON_INJURED_CARD;
    case SQUAD_UNAVAILABLE: return ICON_BLANK;
    case SQUAD_NOT_PICKED: return ICON_NOT_PICKED;
    default: return ICON_BLANK;
  }
}

void BuildPreMatchInfo(int16_t fixture) {
  const int16_t code = Fixture_GetCompetition(fixture);
  PreMatch.homeClub = Fixture_GetHomeClub(fixture);
  PreMatch.awayClub = Fixture_GetAwayClub(fixture);
  PreMatch.legFlag = Fixture_GetLegFlag(fixture);
  PreMatch.substitutes = PreMatchSubstitutes(code, PreMatch.homeClub);
  const int rows = RowCount();
  const int human = HumanSide();
  const int16_t clubs[SIDES] = {PreMatch.homeClub, PreMatch.awayClub};

  // The line-ups: per side the first listed player wearing each shirt.
  for (auto& side : PreMatch.lineups)
    for (auto& row : side) row = -1;
  for (int side = 0; side < SIDES; ++side) {
    CurrentManager = ClubSim.getClubManager(clubs[side]);
    GNW_FillSquadList(clubs[side]);
    if (side != human) ClubSim.selectMatchTeam(clubs[side], code, 0, PreMatch.substitutes);
    for (int row = 0; row < rows; ++row) {
      for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
        const int16_t player = SquadList[i];
        if (IsPlayer(player) && GNW_GetPlayerShirt(player) == row + 1) {
          PreMatch.lineups[side][row] = player;
          break;
        }
      }
    }
  }

  // The opponent's league record.
  const int16_t opponent = OpponentClub();
  int16_t* record = PreMatch.opponentRecord;
  GNW_GetClubHomeRecord(opponent, &record[0], &record[1], &record[2], &record[3], &record[4]);
  GNW_GetClubAwayRecord(opponent, &record[5], &record[6], &record[7], &record[8], &record[9]);

  // Its last five league fixtures before today, newest first.
  for (auto& n : PreMatch.lastFive) n = -1;
  int found = 0;
  for (int n = NUM_FIXTURES - 1; n >= 0 && found < LAST_FIVE; --n) {
    const auto slot = static_cast<int16_t>(n);
    if (Fixture_GetDay(slot) >= DayOfSeason) continue;
    if (Fixture_GetHomeClub(slot) != opponent && Fixture_GetAwayClub(slot) != opponent) continue;
    if (Fixture_GetCompetition(slot) > 3) continue;
    PreMatch.lastFive[found++] = slot;
  }

  // Its best performers and scorers.
  GNW_FillSquadList(opponent);
  SquadFigures figures[SQUAD_LIST_SIZE];
  int count = 0, withPerf = 0, withGoals = 0;
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t player = SquadList[i];
    if (!IsPlayer(player)) continue;
    SquadFigures& f = figures[count++];
    f.player = player;
    f.perf = GNW_GetPlayerPerf(player);
    f.goals = OutfieldGoals(player);
    f.status = PreMatchSquadStatus(player, PreMatch.substitutes);
    if (f.perf > 0) ++withPerf;
    if (f.goals > 0) ++withGoals;
  }
  SquadFigures sorted[SQUAD_LIST_SIZE];
  std::copy(figures, figures + count, sorted);
  SortDescending(sorted, count, &SquadFigures::perf);
  FillTopList(PreMatch.topPlayers, sorted, withPerf, &SquadFigures::perf);
  std::copy(figures, figures + count, sorted);
  SortDescending(sorted, count, &SquadFigures::goals);
  FillTopList(PreMatch.topScorers, sorted, withGoals, &SquadFigures::goals);

  for (int side = 0; side < SIDES; ++side) BuildFormation(side, clubs[side], side == human);
}

int16_t PastFixtureRating(int16_t fixture, int16_t club) {
  const FixtureRecord* record = Fixture_GetRecord(fixture);
  if (record == nullptr) return 0;
  const int side = Fixture_GetHomeClub(fixture) == club ? 0 : 1;
  const uint8_t* block = record->bytes + FIXTURE_SIDE_OFFSET[side];
  int total = 0, rated = 0;
  for (int e = 0; e < FIXTURE_SIDE_ENTRIES; ++e) {
    const uint8_t* entry = block + e * FIXTURE_SIDE_ENTRY;
    if (LoadI16(entry) == -1) continue;
    const int rating = entry[2];
    if (rating <= 0) continue;
    total += rating;
    ++rated;
  }
  return static_cast<int16_t>(rated == 0 ? 0 : total / rated);
}

// ---- the line-ups page ----

void DrawLineupRowShading() {
  const int lines = RowCount() + 1;  // the rows and the caption
  for (int p = 0; p < lines; ++p) {
    if (p == CAPTION_LINE) {
      const int32_t before = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
      SetFillColour(0);
      DrawShadeRectangle(260, 305, 120, 14, 70);
      SetFillColour(before);
      continue;
    }
    DrawDarkShadeBox(20, LineY(p), 600, LINEUP_LINE, (p & 1) != 0 ? 1 : 0);
  }
}

void DrawCompetitionLine() {
  char line[sizeof PreMatchCompLines[0] * 2 + 2];
  std::snprintf(line, sizeof line, "%s %s", PreMatchCompLines[0], PreMatchCompLines[1]);
  SetFont(FONT_LARGE);
  DoTextAddr(320, 36, CENTRED, line);
}

void DrawLineupClubNames() {
  SetFont(FONT_LARGE);
  DoTextAddr(270, 66, RIGHT_TOP, PreMatchClubNames[0]);
  DoTextNo(320, 66, CENTRE_TOP, TEXT_VS);
  DoTextAddr(370, 66, LEFT_TOP, PreMatchClubNames[1]);
}

void DrawLineupTable() {
  SetFont(FONT_MEDIUM);
  static constexpr int kHeadings[4] = {TEXT_APP, TEXT_PER, TEXT_GLS, TEXT_EXP};
  for (int k = 0; k < 4; ++k) {
    DoTextNo(50 + 34 * k, 91, RIGHT_TOP, kHeadings[k]);
    DoTextNo(508 + 34 * k, 91, RIGHT_TOP, kHeadings[k]);
  }
  DoTextNo(320, LineY(CAPTION_LINE), CENTRE_TOP, TEXT_SUBSTITUTES);
  const int rows = RowCount();
  for (int row = 0; row < rows; ++row) {
    const int y = LineY(LineOfRow(row));
    const int16_t home = PreMatch.lineups[0][row], away = PreMatch.lineups[1][row];
    DrawLineupRowFigures(home, 50, y);
    DoTextAddr(270, y, RIGHT_TOP, PreMatchPlayerNames[0][row]);
    if (IsPlayer(home)) DoIcon(290, y, CENTRE_TOP, GNW_GetPositionTypeGraphic(home));
    DoNumber(320, y, CENTRE_TOP, row + 1);
    if (IsPlayer(away)) DoIcon(350, y, CENTRE_TOP, GNW_GetPositionTypeGraphic(away));
    DoTextAddr(370, y, LEFT_TOP, PreMatchPlayerNames[1][row]);
    DrawLineupRowFigures(away, 508, y);
  }
}

void DrawLineupsPageContent() {
  DrawLineupRowShading();
  DrawCompetitionLine();
  DrawLineupClubNames();
  DrawLineupTable();
}

void ShowLineupsPage() {
  BeginPage(BACKGROUND_PAGES);
  DrawLineupsPageContent();
  EndPage(LineupsPageBar);
}

// ---- the formation page ----

void DrawFormationCompLines() {
  SetFont(FONT_LARGE);
  DoTextAddr(320, 36, CENTRED, PreMatchCompLines[0]);
  DoTextAddr(320, 54, CENTRED, PreMatchCompLines[1]);
}

void DrawFormationClubNames() {
  SetFont(FONT_LARGE);
  DrawNameCentred(318, 75, PreMatchClubNames[0], BLACK);
  DrawNameCentred(320, 73, PreMatchClubNames[0], WHITE);
  DrawNameCentred(318, 418, PreMatchClubNames[1], BLACK);
  DrawNameCentred(320, 420, PreMatchClubNames[1], WHITE);
}

void FormationFigurePoints(int side, const uint8_t* formation, FigurePoint points[11]) {
  constexpr int ROWS = 18;
  const int d = side == 0 ? 1 : -1;
  const int base = side == 0 ? 102 : 397;
  int16_t column[STARTERS], row[STARTERS];
  for (int k = 0; k < STARTERS; ++k) {
    column[k] = Tactic_GetColumn(formation, k + 1);
    row[k] = Tactic_GetRow(formation, k + 1);
  }
  column[0] = 7;  // the keeper stands in the middle of his line
  row[0] = 0;
  int used[ROWS] = {};
  for (int k = 0; k < STARTERS; ++k)
    if (row[k] >= 0 && row[k] < ROWS) ++used[row[k]];
  int rank[ROWS] = {}, n = 0;
  for (int r = 0; r < ROWS; ++r)
    if (used[r] != 0) rank[r] = n++;
  n = std::max(n, 1);
  const int step = 144 / n;
  for (int k = 0; k < STARTERS; ++k) {
    const int offset = row[k] >= 0 && row[k] < ROWS ? rank[row[k]] * step : row[k];
    points[k].x = 320 + d * 38 * (7 - column[k]);
    points[k].y = base + d * (k == 0 ? offset : offset + 6);
  }
}

void DrawFormationFigures() {
  for (int side = 0; side < SIDES; ++side) {
    FigurePoint points[STARTERS];
    FormationFigurePoints(side, PreMatch.formations[side], points);
    const int16_t club = side == 0 ? PreMatch.homeClub : PreMatch.awayClub;
    const int16_t dbClub = GNW_GetClubDbId(club);
    const int kit = dbClub >= 0 && dbClub < KIT_ICONS ? ICON_FIRST_KIT + dbClub : ICON_BLANK;
    for (int k = 0; k < STARTERS; ++k) {
      const int x = points[k].x, y = points[k].y;
      DoIcon(x, y - 18, CENTRE_TOP, k == 0 ? ICON_KEEPER_KIT : kit);
      SetFont(FONT_SMALL);
      SetTextColour(BLACK);
      DoNumber(x - 4, y - 9, CENTRED, k + 1);
      DoNumber(x - 2, y - 9, CENTRED, k + 1);
      DoNumber(x - 4, y - 7, CENTRED, k + 1);
      DoNumber(x - 2, y - 7, CENTRED, k + 1);
      SetTextColour(WHITE);
      DoNumber(x - 3, y - 8, CENTRED, k + 1);
      SetFont(FONT_MEDIUM);
      SetTextColour(BLACK);
      DoTextAddr(x + 1, y - 1, CENTRED, PreMatchPlayerNames[side][k]);
      DoTextAddr(x - 1, y + 1, CENTRED, PreMatchPlayerNames[side][k]);
      SetTextColour(PALE_YELLOW);
      DoTextAddr(x, y, CENTRED, PreMatchPlayerNames[side][k]);
    }
  }
  SetTextColour(WHITE);
}

void DrawFormationPageContent() {
  DrawFormationCompLines();
  DrawFormationClubNames();
  DrawFormationFigures();
}

void ShowFormationPage() {
  SetTextColour(WHITE);
  BeginPage(BACKGROUND_FORMATION);
  DrawFormationPageContent();
  EndPage(FormationPageBar);
}

// ---- the opposition page ----

void DrawOppositionPanels() {
  static constexpr int kPanels[5][4] = {
      {25, 68, 260, 55}, {345, 68, 260, 55}, {25, 130, 335, 105}, {25, 240, 260, 190}, {345, 240, 260, 190}};
  DrawPanels(kPanels, 5);
}

void DrawOpponentName() {
  SetFont(FONT_LARGE);
  DoTextAddr(320, 20, CENTRE_TOP, PreMatchClubNames[OpponentSide()]);
}

void DrawOpponentRecord() {
  SetFont(FONT_MEDIUM);
  for (int block = 0; block < 2; ++block) {
    const int x0 = block == 0 ? 60 : 380;
    DoTextNo(x0 + 100, 70, CENTRE_TOP, block == 0 ? TEXT_HOME : TEXT_AWAY);
    for (int k = 0; k < RECORD_FIELDS; ++k) {
      const int x = x0 + 50 * k;
      DoTextNo(x, 85, RIGHT_TOP, TEXT_RECORD_COLUMN + k);
      DoNumber(x, 105, RIGHT_TOP, PreMatch.opponentRecord[block * RECORD_FIELDS + k]);
    }
  }
}

void DrawLastFiveMatches() {
  SetFont(FONT_MEDIUM);
  DoTextNo(50, 135, LEFT_TOP, TEXT_LAST_FIVE);
  DoTextNo(320, 140, CENTRE_TOP, TEXT_RATING_HEADING);
  const int16_t opponent = OpponentClub();
  int y = 155;
  for (const int16_t fixture : PreMatch.lastFive) {
    if (fixture == -1) continue;
    const bool atHome = Fixture_GetHomeClub(fixture) == opponent;
    const int16_t other = atHome ? Fixture_GetAwayClub(fixture) : Fixture_GetHomeClub(fixture);
    const int16_t homeGoals = Fixture_GetHomeGoals(fixture), awayGoals = Fixture_GetAwayGoals(fixture);
    const int16_t textNo = GNW_GetClubTextNo(GNW_GetClubDbId(other));
    if (textNo >= 0) DoTextNo(50, y, LEFT_TOP, textNo);
    DoTextNo(220, y, CENTRE_TOP, atHome ? TEXT_VENUE_HOME : TEXT_VENUE_AWAY);
    DoNumber(245, y, CENTRE_TOP, atHome ? homeGoals : awayGoals);
    DoTextNo(260, y, CENTRE_TOP, TEXT_DASH);
    DoNumber(275, y, CENTRE_TOP, atHome ? awayGoals : homeGoals);
    DoNumber(320, y, CENTRE_TOP, PastFixtureRating(fixture, opponent));
    y += 16;
  }
}

void DrawTopPlayers() { DrawPlayerList(PreMatch.topPlayers, TEXT_TOP_PLAYERS, 50, true); }
void DrawTopScorers() { DrawPlayerList(PreMatch.topScorers, TEXT_TOP_SCORERS, 370, false); }

void DrawOppositionPageContent() {
  DrawOppositionPanels();
  DrawOpponentName();
  DrawOpponentRecord();
  DrawLastFiveMatches();
  DrawTopPlayers();
  DrawTopScorers();
}

void ShowOppositionPage() {
  BeginPage(BACKGROUND_PAGES);
  DrawOppositionPageContent();
  EndPage(OppositionPageBar);
}

// ---- the summary page ----

void DrawSummaryPanel() {
  static constexpr int kPanel[1][4] = {{36, 100, 568, 300}};
  DrawPanels(kPanel, 1);
}

void DrawSummaryCompLines() {
  SetFont(FONT_LARGE);
  DoTextAddr(320, 12, CENTRE_TOP, PreMatchCompLines[0]);
  DoTextAddr(320, 30, CENTRE_TOP, PreMatchCompLines[1]);
}

void DrawSummaryClubNames() {
  SetFont(FONT_LARGE);
  DoTextAddr(290, 66, RIGHT_TOP, PreMatchClubNames[0]);
  DoTextNo(320, 66, CENTRE_TOP, TEXT_VS);
  DoTextAddr(330, 66, LEFT_TOP, PreMatchClubNames[1]);
}

void DrawSummaryPageContent() {
  DrawSummaryPanel();
  DrawSummaryCompLines();
  DrawSummaryClubNames();
}

void ShowSummaryPage() {
  BeginPage(BACKGROUND_PAGES);
  DrawSummaryPageContent();
  EndPage(SummaryPageBar);
}

// ---- the event cursor and the text helper ----

int16_t NextDueMatchEvent(int16_t minute) {
  const int count = std::clamp<int>(MatchEvents.count, 0, MAX_MATCH_EVENTS);
  if (MatchEventCursor < 0 || MatchEventCursor >= count) return 0;
  const uint8_t* event = MatchEvents.events[MatchEventCursor];
  const int storedMinute = static_cast<int>((LoadU32(event) >> 15) & 0xFF);
  if (storedMinute > minute || (event[13] & 0x04) != 0) return 0;
  ++MatchEventCursor;
  return 1;
}

void ReplaceFirstSubstring(char* text, const char* replacement, const char* pattern) {
  constexpr size_t LIMIT = REPLACE_TEXT_SIZE - 1;
  std::string work(text, strnlen(text, LIMIT));
  const size_t at = work.find(pattern);
  if (at != std::string::npos) {
    const std::string tail = work.substr(at + std::strlen(pattern));
    work.resize(at);
    work.append(replacement, strnlen(replacement, LIMIT));
    work += tail;
  }
  work.resize(std::min(work.size(), LIMIT));
  std::memcpy(text, work.c_str(), work.size() + 1);
}
