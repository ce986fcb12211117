// The competition fixtures screen and the Domestic Roll Of Honour (see
// c_mncomp.h).
#include "menus/c_mncomp.h"

#include <algorithm>
#include <cstdio>

#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "season/euroentrants.h"
#include "world/fixtures.h"
#include "world/funcs.h"

namespace {

constexpr int kRows = COMP_FIXTURES_ROWS;
constexpr int kDays = COMP_FIXTURES_DAYS;
constexpr int kDayMax = COMP_FIXTURES_DAY_MAX;
constexpr int16_t kLastDay = COMP_FIXTURES_LAST_DAY;
constexpr int16_t kFirstDay = 1;
constexpr int16_t kModeCup = 0, kModeLeague = 1;
constexpr int16_t kLeagueCodeLast = 3;        // 0 league, 1-3 the play-offs
constexpr int16_t kDomesticCupCodeEnd = 69;   // codes below are the domestic cups
constexpr int16_t kChampionsLeagueGroups = 101;
constexpr int16_t kTextDash = 125, kTextVs = 152, kTextLeg2 = 135, kTextGroupA = 1550;
constexpr int16_t kTextPlayoff = 111;         // + code 1-3: "Playoff Leg 1", "Playoff Leg 2", "Playoff Final"
constexpr int16_t kTextPlaceBase = 335;       // + place + 1: "1st" ...
constexpr int16_t kTextCountryShort = 500;    // + country: "ENG" ...
constexpr int16_t kTextWeekday = 2;           // "Saturday" ...
constexpr int16_t kTextLeagueTables = 136;
constexpr int16_t kColourHuman = 8;
constexpr int kEuropeanCups = 3;              // cups 4, 5 and 6

struct CompState {
  int16_t mode = kModeLeague;
  int16_t division = 0;
  int16_t low = 0, high = kLeagueCodeLast;  // the cup mode's code range
  int16_t cup = 0;                           // the cup mode's cup 0-6
  bool rebuild = true;
  int16_t list[NUM_FIXTURES];
  int16_t length = 0;
  int16_t dayFlags[kDays] = {};
  int16_t day = 0;
  int16_t dayList[kDayMax];
  int16_t count = 0;
  int16_t first = 0;
  bool noFixtures = true;
  CompFixtureRow rows[kRows];
  const char* aggregatePtr[kRows] = {};
  const char* homeExtraPtr[kRows] = {};
  const char* awayExtraPtr[kRows] = {};
  char competition[160] = {};
  char date[48] = {};
  const char* competitionPtr = competition;
  const char* datePtr = date;
  const char* noFixturesPtr = "";
  PopupRow divisionList[NUM_DIVISIONS + 2];
  PopupRow cupList[NUM_CUP_COMPETITIONS + 1];
  int16_t cupOfRow[NUM_CUP_COMPETITIONS] = {};
};

struct RollState {
  int16_t division = 0;
  char label[ROLL_OF_HONOUR_ROWS][100] = {};
  char text[ROLL_OF_HONOUR_ROWS][100] = {};
  const char* labelPtr[ROLL_OF_HONOUR_ROWS] = {};
  const char* textPtr[ROLL_OF_HONOUR_ROWS] = {};
  char divisionLine[100] = {};
  const char* divisionLinePtr = divisionLine;
  PopupRow divisionList[NUM_DIVISIONS + 1];
};

CompState gComp;
RollState gRoll;
CompFixtureRow gBlankRow;

CompFixtureRow BlankRow() {
  CompFixtureRow r{};
  r.fixture = -1;
  r.home = r.away = -1;
  r.homeName = r.awayName = -1;
  r.homeGoals = r.awayGoals = BLANK_S16;
  r.separator = -1;
  r.aggregateHome = r.aggregateAway = BLANK_S16;
  r.group = -1;
  r.colour = 0;
  return r;
}

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }
int16_t ClubText(int16_t club) { return WorldClub(club) ? GNW_GetClubTextNo(GNW_GetClubDbId(club)) : int16_t{-1}; }
const char* ClubName(int16_t club) { return GetTextNoAddr(ClubText(club)); }

bool HasScore(int16_t fixture) {
  return GNW_GetFixtureHomeGoals(fixture) != GOALS_NOT_PLAYED && GNW_GetFixtureAwayGoals(fixture) != GOALS_NOT_PLAYED;
}
// Played: a day before today, with its score.
bool Played(int16_t fixture) { return GNW_GetFixtureDay(fixture) < GNW_GetCurrentDay() && HasScore(fixture); }

int16_t GroupOf(int16_t club) {
  for (int16_t group = 0; group < NUM_EURO_GROUPS; ++group)
    for (int16_t slot = 0; slot < EURO_GROUP_CLUBS; ++slot)
      if (GNW_GetChampionsLeagueGroupClub(slot, group) == club) return group;
  return -1;
}

int16_t UserClub() { return GNW_GetHumanClub(MenuManager); }

// ---- the rebuild and the rows ----

void Rebuild() {
  gComp.rebuild = false;
  gComp.day = GNW_GetCurrentDay();
  gComp.length = 0;
  std::fill(gComp.dayFlags, gComp.dayFlags + kDays, int16_t{0});
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = GNW_GetFixtureDay(n);
    if (day == FIXTURE_EMPTY_DAY) break;  // the used slots come first
    const int16_t code = GNW_GetFixtureCompetition(n);
    bool joins = false;
    if (gComp.mode == kModeLeague) {
      const int16_t home = GNW_GetFixtureHomeClub(n);
      joins = code >= 0 && code <= kLeagueCodeLast && WorldClub(home) && GNW_GetClubDivision(home) == gComp.division;
    } else {
      joins = code >= gComp.low && code <= gComp.high;
    }
    if (!joins) continue;
    gComp.list[gComp.length++] = n;
    if (day >= 0 && day < kDays) gComp.dayFlags[day] = 1;
  }
}

// The day shown moves to the first day with fixtures from it on, else to the
// last one before it; false when the competition has no fixture day.
bool SettleDay() {
  const int16_t from = std::clamp<int16_t>(gComp.day, 0, kLastDay);
  for (int16_t d = from; d <= kLastDay; ++d)
    if (gComp.dayFlags[d]) {
      gComp.day = d;
      return true;
    }
  for (int16_t d = from; d >= kFirstDay; --d)
    if (gComp.dayFlags[d]) {
      gComp.day = d;
      return true;
    }
  return false;
}

// The first leg of a second leg: the clubs reversed, in the competition's
// codes; -1 when there is none.
int16_t FirstLegOf(int16_t fixture) {
  const int16_t home = GNW_GetFixtureHomeClub(fixture), away = GNW_GetFixtureAwayClub(fixture);
  const int16_t low = gComp.mode == kModeLeague ? int16_t{0} : gComp.low;
  const int16_t high = gComp.mode == kModeLeague ? kLeagueCodeLast : gComp.high;
  for (int16_t n = 0; n < NUM_FIXTURES && n < fixture; ++n) {
    if (GNW_GetFixtureDay(n) == FIXTURE_EMPTY_DAY) break;
    const int16_t code = GNW_GetFixtureCompetition(n);
    if (code < low || code > high) continue;
    if (GNW_GetFixtureHomeClub(n) == away && GNW_GetFixtureAwayClub(n) == home) return n;
  }
  return -1;
}

void ExtraText(char* out, size_t size, int16_t club, int16_t code, bool played) {
  out[0] = 0;
  if (!WorldClub(club)) return;
  int16_t text = -1;
  if (gComp.mode == kModeLeague) {
    if (played) return;
    const int16_t place = GNW_GetClubLeaguePosition(club);
    if (place < 0 || place >= 24) return;
    text = static_cast<int16_t>(kTextPlaceBase + place + 1);
  } else if (code < kDomesticCupCodeEnd) {
    text = GNW_GetDivisionShortTextNo(GNW_GetClubDivision(club));
  } else {
    text = static_cast<int16_t>(kTextCountryShort + GNW_GetClubCountry(club));
  }
  if (text < 0) return;
  std::snprintf(out, size, "(%s)", GetTextNoAddr(text));
}

void FillRow(CompFixtureRow& r, int16_t fixture) {
  r = BlankRow();
  if (fixture < 0) return;
  r.fixture = fixture;
  r.home = GNW_GetFixtureHomeClub(fixture);
  r.away = GNW_GetFixtureAwayClub(fixture);
  r.homeName = ClubText(r.home);
  r.awayName = ClubText(r.away);
  const int16_t user = UserClub();
  if (user >= 0 && (r.home == user || r.away == user)) r.colour = kColourHuman;
  const bool played = Played(fixture);
  if (played) {
    r.homeGoals = GNW_GetFixtureHomeGoals(fixture);
    r.separator = kTextDash;
    r.awayGoals = GNW_GetFixtureAwayGoals(fixture);
  } else {
    r.separator = kTextVs;
  }
  const int16_t code = GNW_GetFixtureCompetition(fixture);
  ExtraText(r.homeExtra, sizeof r.homeExtra, r.home, code, played);
  ExtraText(r.awayExtra, sizeof r.awayExtra, r.away, code, played);
  int16_t round = -1, mark = -1;
  GNW_GetCompTextNo(code, &round, &mark);
  if (code == kChampionsLeagueGroups && round == kTextGroupA) {
    const int16_t group = GroupOf(r.home);
    if (group >= 0) r.group = GNW_GetGroupTextNo(group);
  }
  if (mark == kTextLeg2) {
    const int16_t firstLeg = FirstLegOf(fixture);
    if (firstLeg >= 0 && HasScore(firstLeg)) {
      // This leg counts once it is played.
      const int16_t homeNow = played ? r.homeGoals : int16_t{0}, awayNow = played ? r.awayGoals : int16_t{0};
      r.aggregateHome = static_cast<int16_t>(homeNow + GNW_GetFixtureAwayGoals(firstLeg));
      r.aggregateAway = static_cast<int16_t>(awayNow + GNW_GetFixtureHomeGoals(firstLeg));
      std::snprintf(r.aggregate, sizeof r.aggregate, "(%d - %d)", r.aggregateHome, r.aggregateAway);
    }
  }
}

// The competition's name for the heading.
void CompetitionLine(int16_t code) {
  char* out = gComp.competition;
  const size_t size = sizeof gComp.competition;
  if (gComp.mode == kModeLeague) {
    const char* name = GetTextNoAddr(GNW_GetDivisionNameTextNo(gComp.division));
    if (code >= 1 && code <= kLeagueCodeLast)
      std::snprintf(out, size, "%s %s", name, GetTextNoAddr(kTextPlayoff + code));
    else
      std::snprintf(out, size, "%s", name);
    return;
  }
  if (code < 0) {  // no fixture day: the competition's name alone
    std::snprintf(out, size, "%s", GetTextNoAddr(GNW_GetCountryCompNameTextNo(gComp.cup)));
    return;
  }
  int16_t round = -1, mark = -1;
  const int16_t name = GNW_GetCompTextNo(code, &round, &mark);
  if (gComp.count > 0 && code == kChampionsLeagueGroups && round == kTextGroupA) {
    const int16_t group = GroupOf(GNW_GetFixtureHomeClub(gComp.dayList[0]));
    if (group >= 0) {
      std::snprintf(out, size, "%s", GetTextNoAddr(GNW_GetGroupTextNo(group)));
      return;
    }
  }
  std::snprintf(out, size, "%s %s %s", GetTextNoAddr(name), GetTextNoAddr(round), GetTextNoAddr(mark));
}

void BuildLists() {
  // The division list: the country's divisions, then the league tables.
  const int16_t divisions = std::clamp<int16_t>(GNW_GetNumDivisions(), 0, NUM_DIVISIONS);
  int i = 0;
  for (int16_t d = 0; d < divisions; ++d)
    gComp.divisionList[i++] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1,
                               MenuArg(static_cast<int32_t>(GNW_GetDivisionNameTextNo(d))), nullptr, nullptr};
  gComp.divisionList[i++] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(kTextLeagueTables), nullptr,
                             nullptr};
  gComp.divisionList[i] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  // The cup list: the country's domestic cups, then the three European ones.
  const int16_t domestic = std::clamp<int16_t>(GNW_GetNumDomesticCups(), 0, NUM_CUP_COMPETITIONS - kEuropeanCups);
  i = 0;
  auto addCup = [&i](int16_t cup) {
    gComp.cupOfRow[i] = cup;
    gComp.cupList[i++] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1,
                          MenuArg(static_cast<int32_t>(GNW_GetCountryCompNameTextNo(cup))), nullptr, nullptr};
  };
  for (int16_t cup = 0; cup < domestic; ++cup) addCup(cup);
  for (int16_t cup = NUM_CUP_COMPETITIONS - kEuropeanCups; cup < NUM_CUP_COMPETITIONS; ++cup) addCup(cup);
  gComp.cupList[i] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
}

// ---- callbacks ----

int16_t DivisionPicked(const PopupCall* call);
int16_t CupPicked(const PopupCall* call);

void WireLists() {
  for (PopupRow* row = gComp.divisionList; row->kind != POPUP_END; ++row) row->callback = DivisionPicked;
  for (PopupRow* row = gComp.cupList; row->kind != POPUP_END; ++row) row->callback = CupPicked;
}

int16_t DivisionPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  if (call->rowRecord && call->rowRecord->text.number == kTextLeagueTables) return CompFixtures_Tables();
  CompFixtures_ChooseDivision(call->row);
  return MENU_RESULT_REDRAW;
}

int16_t CupPicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= NUM_CUP_COMPETITIONS) return POPUP_RESULT_CLOSE;
  CompFixtures_ChooseCup(gComp.cupOfRow[call->row]);
  return MENU_RESULT_REDRAW;
}

int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t HomeClicked(MenuHotspot* spot) { return CompFixtures_ClickClub(spot ? spot->repetition : -1, 0); }
int16_t AwayClicked(MenuHotspot* spot) { return CompFixtures_ClickClub(spot ? spot->repetition : -1, 1); }

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kStride = sizeof(CompFixtureRow);
constexpr int16_t kPtr = sizeof(const char*);

const MenuItem kRowTemplate[] = {
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kStride, Var(&gComp.rows[0].colour), {}},
    {MI_TEXTNO_VAR, 4, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gComp.rows[0].group), {}},
    {MI_STRING_VAR, 54, 3, ALIGN_LEFT | ALIGN_TOP, kPtr, Var(gComp.homeExtraPtr), {}},
    {MI_TEXTNO_VAR, 240, 3, ALIGN_RIGHT | ALIGN_TOP, kStride, Var(&gComp.rows[0].homeName), {}},
    {MI_CLICK_REGION, 100, 0, 142, 20, MenuArg(-1), MenuArg(HomeClicked)},
    {MI_NUMBER_S16, 268, 3, ALIGN_RIGHT | ALIGN_TOP, kStride, Var(&gComp.rows[0].homeGoals), {}},
    {MI_TEXTNO_VAR, 278, 3, ALIGN_HCENTRE | ALIGN_TOP, kStride, Var(&gComp.rows[0].separator), {}},
    {MI_NUMBER_S16, 288, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gComp.rows[0].awayGoals), {}},
    {MI_TEXTNO_VAR, 318, 3, ALIGN_LEFT | ALIGN_TOP, kStride, Var(&gComp.rows[0].awayName), {}},
    {MI_CLICK_REGION, 316, 0, 142, 20, MenuArg(-1), MenuArg(AwayClicked)},
    {MI_STRING_VAR, 462, 3, ALIGN_LEFT | ALIGN_TOP, kPtr, Var(gComp.awayExtraPtr), {}},
    {MI_STRING_VAR, 572, 3, ALIGN_RIGHT | ALIGN_TOP, kPtr, Var(gComp.aggregatePtr), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

int16_t TablesClicked(MenuHotspot*) { return 0; }  // its list opens instead

// ---- the Roll Of Honour ----

void RollPut(int row, const char* label, const char* text) {
  if (row < 0 || row >= ROLL_OF_HONOUR_ROWS) return;
  std::snprintf(gRoll.label[row], sizeof gRoll.label[row], "%s", label ? label : "");
  std::snprintf(gRoll.text[row], sizeof gRoll.text[row], "%s", text ? text : "");
}

// A European qualifier: "%s (%s %s)" of its name, label and competition, or
// its name alone.
void QualifierText(char* out, size_t size, int16_t club, bool championsLeague) {
  const int16_t label = GNW_GetHonourLabelTextNo(club);
  if (label < 0) {
    std::snprintf(out, size, "%s", ClubName(club));
    return;
  }
  int16_t competition = -1;
  if (championsLeague)
    competition = label == 1470 ? GNW_GetDivisionShortTextNo(0) : GNW_GetCountryCompNameTextNo(6);
  else
    competition = GNW_GetCountryCompNameTextNo(club == EuroHonourWords[EURO_HONOUR_HOLDER_C] ? 4 : 0);
  std::snprintf(out, size, "%s (%s %s)", ClubName(club), GetTextNoAddr(label), GetTextNoAddr(competition));
}

int16_t RollDivisionPicked(const PopupCall* call) {
  if (!call) return POPUP_RESULT_CLOSE;
  return RollOfHonour_SelectDivision(call->row);
}

}  // namespace

// ---- Fixtures/Results ----

void CompFixtures_Open() {
  SetScreenHeader(2);
  BuildLists();
  WireLists();
  gComp.mode = kModeLeague;
  const int16_t user = UserClub();
  const int16_t division = user >= 0 ? GNW_GetClubDivision(user) : int16_t{0};
  gComp.division = division >= 0 && division < NUM_DIVISIONS ? division : int16_t{0};
  gComp.first = 0;
  gComp.rebuild = true;
}

void CompFixtures_Refresh() {
  if (gComp.rebuild) Rebuild();
  gComp.count = 0;
  gComp.noFixtures = !SettleDay();
  if (!gComp.noFixtures) {
    for (int i = 0; i < gComp.length; ++i) {
      const int16_t n = gComp.list[i];
      if (GNW_GetFixtureDay(n) != gComp.day) continue;
      if (gComp.count >= kDayMax) FatalError("CompFixtures_Refresh(): more than %d fixtures on day %d\n", kDayMax, gComp.day);
      gComp.dayList[gComp.count++] = n;
    }
  }
  if (gComp.first > std::max(0, gComp.count - kRows)) gComp.first = static_cast<int16_t>(std::max(0, gComp.count - kRows));
  for (int i = 0; i < kRows; ++i) {
    const int index = gComp.first + i;
    FillRow(gComp.rows[i], index < gComp.count ? gComp.dayList[index] : int16_t{-1});
    gComp.aggregatePtr[i] = gComp.rows[i].aggregate;
    gComp.homeExtraPtr[i] = gComp.rows[i].homeExtra;
    gComp.awayExtraPtr[i] = gComp.rows[i].awayExtra;
  }
  gComp.date[0] = 0;
  if (gComp.count > 0) {
    int16_t dayOfMonth = 0, month = 0, weekday = 0;
    GNW_GetDateOfDay(GNW_GetFixtureDay(gComp.dayList[0]), &dayOfMonth, &month, &weekday);
    std::snprintf(gComp.date, sizeof gComp.date, "%s %02d/%02d", GetTextNoAddr(kTextWeekday + weekday), dayOfMonth,
                  month);
  }
  CompetitionLine(gComp.count > 0 ? GNW_GetFixtureCompetition(gComp.dayList[0]) : int16_t{-1});
  gComp.noFixturesPtr = gComp.noFixtures ? GetTextNoAddr(159) : "";  // "No Fixtures"
}

int16_t CompFixtures_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) CompFixtures_Open();
  CompFixtures_Refresh();
  return 0;
}

int16_t CompFixtures_ChooseDivision(int16_t division) {
  if (division < 0 || division >= NUM_DIVISIONS || division >= GNW_GetNumDivisions()) return MENU_RESULT_REDRAW;
  gComp.mode = kModeLeague;
  gComp.division = division;
  gComp.first = 0;
  gComp.rebuild = true;
  return MENU_RESULT_REDRAW;
}

int16_t CompFixtures_ChooseCup(int16_t cup) {
  if (cup < 0 || cup >= NUM_CUP_COMPETITIONS) return MENU_RESULT_REDRAW;
  gComp.mode = kModeCup;
  gComp.cup = cup;
  gComp.low = static_cast<int16_t>(COMP_CUP_FIRST + COMP_CUP_CODES * cup);
  gComp.high = static_cast<int16_t>(gComp.low + COMP_CUP_CODES - 1);
  gComp.first = 0;
  gComp.rebuild = true;
  return MENU_RESULT_REDRAW;
}

int16_t CompFixtures_DayForward(MenuHotspot*) {
  for (int16_t d = static_cast<int16_t>(gComp.day + 1); d <= kLastDay; ++d)
    if (d >= 0 && gComp.dayFlags[d]) {
      gComp.day = d;
      gComp.first = 0;
      return MENU_RESULT_REDRAW;
    }
  return 0;
}

int16_t CompFixtures_DayBack(MenuHotspot*) {
  for (int16_t d = static_cast<int16_t>(std::min<int>(gComp.day - 1, kLastDay)); d >= kFirstDay; --d)
    if (gComp.dayFlags[d]) {
      gComp.day = d;
      gComp.first = 0;
      return MENU_RESULT_REDRAW;
    }
  return 0;
}

int16_t CompFixtures_ScrollDown(MenuHotspot*) {
  int first = gComp.first + 1;
  if (first + kRows > gComp.count) first = gComp.count - kRows;
  gComp.first = static_cast<int16_t>(std::max(0, first));
  return MENU_RESULT_REDRAW;
}

int16_t CompFixtures_ScrollUp(MenuHotspot*) {
  gComp.first = static_cast<int16_t>(std::max(0, gComp.first - 1));
  return MENU_RESULT_REDRAW;
}

int16_t CompFixtures_ClickClub(int row, int side) {
  if (row < 0 || row >= kRows) return 0;
  const CompFixtureRow& r = gComp.rows[row];
  if (r.fixture < 0) return 0;
  const int16_t club = side == 0 ? r.home : r.away;
  if (!WorldClub(club)) return 0;
  MenuClub = club;
  ReturnMenuOption = 11;
  MenuOption = 2;
  return MENU_RESULT_LEAVE;
}

int16_t CompFixtures_Done(MenuHotspot*) {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

int16_t CompFixtures_LeagueFixtures(MenuHotspot*) {
  MenuOption = 48;
  return MENU_RESULT_LEAVE;
}

int16_t CompFixtures_Tables() {
  MenuOption = 9;
  return MENU_RESULT_LEAVE;
}

const CompFixtureRow& CompFixtures_Row(int row) {
  if (row < 0 || row >= kRows) {
    gBlankRow = BlankRow();
    return gBlankRow;
  }
  return gComp.rows[row];
}
int16_t CompFixtures_Mode() { return gComp.mode; }
int16_t CompFixtures_Day() { return gComp.day; }
int16_t CompFixtures_DayCount() { return gComp.count; }
int16_t CompFixtures_FirstRow() { return gComp.first; }
int16_t CompFixtures_ListLength() { return gComp.length; }
bool CompFixtures_NoFixtures() { return gComp.noFixtures; }
const char* CompFixtures_CompetitionLine() { return gComp.competition; }
const char* CompFixtures_DateLine() { return gComp.date; }

const MenuItem CompFixturesMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(CompFixtures_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_ICON, 24, 430, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_ICON, 320, 390, ALIGN_HCENTRE | ALIGN_TOP, 0, MenuArg(1292), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_STRING_VAR, 320, 36, ALIGN_CENTRED, 0, Var(&gComp.competitionPtr), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_VAR, 320, 64, ALIGN_CENTRED, 0, Var(&gComp.datePtr), {}},
    {MI_OWNER_DRAW, 32, 90, 576, 300, MenuArg(DarkBox), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_OWNER_DRAW, 31, 89, 578, 302, MenuArg(DrawBlackFrame), {}},
    {MI_STRING_VAR, 320, 240, ALIGN_CENTRED, 0, Var(&gComp.noFixturesPtr), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 90, kRows, 20, MenuArg(static_cast<const void*>(kRowTemplate)), {}},
    {MI_CLICK_REGION, 30, 436, 24, 18, MenuArg(-1), MenuArg(CompFixtures_ScrollUp)},
    {MI_CLICK_REGION, 30, 456, 24, 18, MenuArg(-1), MenuArg(CompFixtures_ScrollDown)},
    {MI_CLICK_REGION, 296, 390, 24, 30, MenuArg(-1), MenuArg(CompFixtures_DayBack)},
    {MI_CLICK_REGION, 320, 390, 24, 30, MenuArg(-1), MenuArg(CompFixtures_DayForward)},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(CompFixtures_Done)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 74, 440, 160, 30, MenuArg(161), MenuArg(CompFixtures_LeagueFixtures)},  // "League Fixtures"
    {MI_TEXT_BUTTON, 236, 440, 160, 30, MenuArg(539), MenuArg(TablesClicked)},               // "Tables"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gComp.divisionList), {}},
    {MI_TEXT_BUTTON, 398, 440, 160, 30, MenuArg(1496), MenuArg(OpensList)},                  // "Cup Fixtures"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gComp.cupList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the Domestic Roll Of Honour ----

void RollOfHonour_Open() {
  SetScreenHeader(2);
  gRoll.division = 0;
}

void RollOfHonour_Refresh() {
  for (int r = 0; r < ROLL_OF_HONOUR_ROWS; ++r) {
    RollPut(r, "", "");
    gRoll.labelPtr[r] = gRoll.label[r];
    gRoll.textPtr[r] = gRoll.text[r];
  }
  const int16_t d = gRoll.division;
  // The list: the country's divisions, the shown one ticked.
  const int16_t divisions = std::clamp<int16_t>(GNW_GetNumDivisions(), 0, NUM_DIVISIONS);
  for (int16_t i = 0; i < divisions; ++i)
    gRoll.divisionList[i] = {POPUP_ROW_TEXTNO, static_cast<uint16_t>(POPUP_ENABLED | (i == d ? POPUP_TICKED : 0)),
                             -1, -1, -1, -1, MenuArg(static_cast<int32_t>(GNW_GetDivisionNameTextNo(i))),
                             RollDivisionPicked, nullptr};
  gRoll.divisionList[divisions] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  std::snprintf(gRoll.divisionLine, sizeof gRoll.divisionLine, "%s", GetTextNoAddr(GNW_GetDivisionNameTextNo(d)));

  int16_t runnerUp = -1;
  const int16_t champion = GNW_GetRollOfHonourEntry(1, static_cast<int16_t>(ROLL_KIND_DIVISIONS + d), &runnerUp);
  RollPut(0, GetTextNoAddr(1470), champion >= 0 ? ClubName(champion) : "");   // "Champions"
  RollPut(1, GetTextNoAddr(1467), runnerUp >= 0 ? ClubName(runnerUp) : "");    // "Runners Up"
  char line[100];
  if (d > 0) {
    if (!GNW_DivisionHasPlayOffs(d)) return;
    RollPut(3, GetTextNoAddr(1819), "");  // "Play-Off Qualifiers"
    const int16_t clubs = std::clamp<int16_t>(GNW_GetHonourListLength(), 0, ROLL_OF_HONOUR_ROWS - 4);
    for (int16_t place = 0; place < clubs; ++place) {
      int16_t mark = -1;
      const int16_t club = GNW_GetPromotedMark(d, &mark, place);
      if (club < 0) continue;
      if (mark >= 0)
        std::snprintf(line, sizeof line, "%s (%s)", ClubName(club), GetTextNoAddr(mark));
      else
        std::snprintf(line, sizeof line, "%s", ClubName(club));
      RollPut(4 + place, "", line);
    }
    return;
  }
  // The top division: the first cup's winner and the European qualifiers.
  int16_t cupRunnerUp = -1;
  const int16_t cupWinner = GNW_GetRollOfHonourEntry(1, ROLL_KIND_CUPS, &cupRunnerUp);
  std::snprintf(line, sizeof line, "%s %s", GetTextNoAddr(1466), GetTextNoAddr(GNW_GetCountryCompNameTextNo(0)));
  RollPut(2, line, cupWinner >= 0 ? ClubName(cupWinner) : "");
  int16_t championsLeague = 0, uefaCup = 0;
  GetEuroQualifiers(&championsLeague, &uefaCup);
  championsLeague = std::clamp<int16_t>(championsLeague, 0, EURO_QUALIFIERS_MAX);
  uefaCup = std::clamp<int16_t>(uefaCup, 0, static_cast<int16_t>(EURO_QUALIFIERS_MAX - championsLeague));
  int row = 4;
  RollPut(row, GetTextNoAddr(1821), "");  // "Champions League Qualifiers"
  for (int i = 0; i < championsLeague; ++i) {
    QualifierText(line, sizeof line, EuroQualifierList[i], true);
    RollPut(row + 1 + i, "", line);
  }
  row += std::max(4, championsLeague + 1);
  RollPut(row, GetTextNoAddr(1822), "");  // "UEFA Cup Qualifiers"
  for (int i = 0; i < uefaCup; ++i) {
    QualifierText(line, sizeof line, EuroQualifierList[championsLeague + i], false);
    RollPut(row + 1 + i, "", line);
  }
}

int16_t RollOfHonour_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) RollOfHonour_Open();
  RollOfHonour_Refresh();
  return 0;
}

int16_t RollOfHonour_SelectDivision(int16_t division) {
  if (division < 0 || division >= NUM_DIVISIONS || division >= GNW_GetNumDivisions()) return MENU_RESULT_REDRAW;
  gRoll.division = division;
  return MENU_RESULT_REDRAW;
}

int16_t RollOfHonour_Done(MenuHotspot*) {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

int16_t RollOfHonour_Division() { return gRoll.division; }
const char* RollOfHonour_Label(int row) { return row >= 0 && row < ROLL_OF_HONOUR_ROWS ? gRoll.label[row] : ""; }
const char* RollOfHonour_Text(int row) { return row >= 0 && row < ROLL_OF_HONOUR_ROWS ? gRoll.text[row] : ""; }
const char* RollOfHonour_DivisionLine() { return gRoll.divisionLine; }

namespace {
const MenuItem kRollRowTemplate[] = {
    {MI_STRING_VAR, 10, 3, ALIGN_LEFT | ALIGN_TOP, kPtr, Var(gRoll.labelPtr), {}},
    {MI_STRING_VAR, 270, 3, ALIGN_LEFT | ALIGN_TOP, kPtr, Var(gRoll.textPtr), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
}  // namespace

const MenuItem RollOfHonourMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(RollOfHonour_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(1817), {}},  // "Domestic Roll Of Honour"
    {MI_OWNER_DRAW, 32, 106, 576, 300, MenuArg(DarkBox), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_OWNER_DRAW, 31, 105, 578, 302, MenuArg(DrawBlackFrame), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_VAR, 320, 86, ALIGN_CENTRED, 0, Var(&gRoll.divisionLinePtr), {}},
    {MI_SUBTABLE, 32, 106, ROLL_OF_HONOUR_SHOWN, 20, MenuArg(static_cast<const void*>(kRollRowTemplate)), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(RollOfHonour_Done)},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON, 240, 440, 160, 30, MenuArg("Division"), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gRoll.divisionList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the reset ----

void CompFixtures_Reset() {
  gComp = CompState{};
  std::fill(gComp.list, gComp.list + NUM_FIXTURES, int16_t{-1});
  std::fill(gComp.dayList, gComp.dayList + kDayMax, int16_t{-1});
  for (int i = 0; i < kRows; ++i) {
    gComp.rows[i] = BlankRow();
    gComp.aggregatePtr[i] = gComp.rows[i].aggregate;
    gComp.homeExtraPtr[i] = gComp.rows[i].homeExtra;
    gComp.awayExtraPtr[i] = gComp.rows[i].awayExtra;
  }
  gComp.competitionPtr = gComp.competition;
  gComp.datePtr = gComp.date;
  gComp.divisionList[0] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  gComp.cupList[0] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  gRoll = RollState{};
  for (int r = 0; r < ROLL_OF_HONOUR_ROWS; ++r) {
    gRoll.labelPtr[r] = gRoll.label[r];
    gRoll.textPtr[r] = gRoll.text[r];
  }
  gRoll.divisionLinePtr = gRoll.divisionLine;
  gRoll.divisionList[0] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
}
REGISTER_RESET(RESET_MENUS, CompFixtures_Reset);
