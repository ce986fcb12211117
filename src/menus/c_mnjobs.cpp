// The Job Centre (see c_mnjobs.h).
#include "menus/c_mnjobs.h"

#include <cstdio>

#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"

namespace {

constexpr int kVacancyRows = JOB_CENTRE_VACANCY_ROWS;
constexpr int kJeopardyRows = JOB_CENTRE_JEOPARDY_ROWS;
constexpr int16_t kCrestBase = 105;
constexpr int16_t kCrests = 1100;
constexpr int16_t kNoManagerPlayer = 1;
constexpr int16_t kNoCrest = 2;  // the blank icon
constexpr int kWorldClubs = 250;
constexpr int kLeagueDivisions = 6;

constexpr int16_t kTextTitle = 1690;          // "The Job Centre"
constexpr int16_t kTextJeopardy = 1689;       // "Jobs In Jeopardy"
constexpr int16_t kTextVacancies = 791;       // "Job Vacancies"
constexpr int16_t kTextViewSquad = 29;        // "View Squad"
constexpr int16_t kTextClubRecords = 1213;    // "Club Records"
constexpr int16_t kTextApply = 790;           // "Apply"
constexpr int16_t kTextHopeless = 1116;       // "You Are A Hopeless Manager Go Play A Platform Game."
constexpr int16_t kTextGameOver = 1117;       // "GAME OVER."
constexpr int16_t kTextNoWay = 1118;          // "The board laugh at you. NO WAY !! "
constexpr int16_t kTextYouGotIt = 1119;       // "Board is delighted with you. YOU GOT IT. "
constexpr int16_t kTextMaybe = 1120;          // "Lets wait and see. MAYBE ??"

constexpr int16_t kOptionOffice = 3;
constexpr int16_t kOptionClubPage = 6;
constexpr int16_t kOptionSquad = 7;
constexpr int16_t kOptionStartPage = 24;
constexpr int16_t kOptionClubRecords = 27;

// The board's answers to an application.
constexpr int16_t kRefused = 0, kAppointed = 1, kOffered = 2;
// The tests made while the screen opens record nothing; the user's own
// application does.
constexpr int16_t kTestOnly = 0, kRecord = 1;

struct JobCentreState {
  JobCentreView view{};
  const char* vacancyDivision[kVacancyRows] = {};
  const char* jeopardyDivision[kJeopardyRows] = {};
};
JobCentreState gJobs;

void BlankRow(JobCentreRow& row) {
  row.club = -1;
  row.crest = kNoCrest;
  row.name = -1;
  row.manager = -1;
  row.division[0] = '\0';
}

// "3rd in <division>": the club's place in its division's table; only the
// division's name when the table does not hold the club.
void DivisionLine(int16_t club, char* out, size_t size) {
  out[0] = '\0';
  const int16_t division = GNW_FindClubDivisionIndex(club);
  if (division < 0 || division >= kLeagueDivisions) return;
  const char* name = GetTextNoAddr(GNW_GetDivisionNameTextNo(division));
  const int16_t places = GNW_GetDivisionSize(division);
  for (int16_t place = 0; place < places; ++place) {
    if (GNW_GetDivisionClub(division, place) != club) continue;
    const int32_t numberType = GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE);
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, NUMBER_ORDINAL);
    std::snprintf(out, size, "%s %s %s", Number2Str(place + 1), "in", name);
    SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, numberType);
    return;
  }
  std::snprintf(out, size, "%s", name);
}

void FillRow(JobCentreRow& row, int16_t club, bool withManager) {
  BlankRow(row);
  if (club < 0 || club >= kWorldClubs) return;
  const int16_t db = GNW_GetClubDbId(club);
  row.club = club;
  // Icons 105-1204 are the crests, one a database club.
  row.crest = db >= 0 && db < kCrests ? static_cast<int16_t>(kCrestBase + db) : kNoCrest;
  row.name = GNW_GetClubTextNo(db);
  if (withManager) {
    const int16_t manager = GNW_GetClubManager(club);
    if (manager >= 0 && manager != kNoManagerPlayer) row.manager = GNW_GetPlayerTextNo(manager);
  }
  DivisionLine(club, row.division, sizeof row.division);
}

void FillRows() {
  JobCentreView& v = gJobs.view;
  for (int r = 0; r < kVacancyRows; ++r) {
    const int i = v.first + r;
    FillRow(v.vacancyRows[r], i >= 0 && i < v.vacancyCount ? v.vacancies[i] : int16_t{-1}, false);
    gJobs.vacancyDivision[r] = v.vacancyRows[r].division;
  }
  for (int r = 0; r < kJeopardyRows; ++r) {
    FillRow(v.jeopardyRows[r], r < v.jeopardyCount ? v.jeopardy[r] : int16_t{-1}, true);
    gJobs.jeopardyDivision[r] = v.jeopardyRows[r].division;
  }
}

void ListVacancies() {
  JobCentreView& v = gJobs.view;
  v.vacancyCount = GNW_ListManagerVacancies(v.vacancies);
  if (v.vacancyCount < 0) v.vacancyCount = 0;
  if (v.vacancyCount > JOB_CENTRE_MAX_VACANCIES) v.vacancyCount = JOB_CENTRE_MAX_VACANCIES;
}

// The user was sacked today: unless a vacancy would take him, the best club
// of the game country whose board would (the highest reputation, the first
// on a tie) lets its manager go; with none the career is over.
void PlaceSackedManager() {
  ListVacancies();
  const JobCentreView& v = gJobs.view;
  for (int i = 0; i < v.vacancyCount; ++i)
    if (GNW_ApplyForManagerJob(v.vacancies[i], kTestOnly) != kRefused) return;
  const int16_t country = GNW_GetGameCountry();
  const int16_t divisions = GNW_CountCountryDivisions();
  int16_t best = -1;
  for (int c = 0; c < kWorldClubs; ++c) {
    const int16_t club = static_cast<int16_t>(c);
    if (GNW_GetClubCountry(club) != country || GNW_GetClubDivision(club) >= divisions) continue;
    // Only a club with a full record can show its post as a vacancy.
    if (GNW_GetClubRecord(club) == nullptr) continue;
    if (GNW_ApplyForManagerJob(club, kTestOnly) == kRefused) continue;
    if (best < 0 || GNW_GetClubRep(club) > GNW_GetClubRep(best)) best = club;
  }
  if (best >= 0) {
    GNW_ReleaseClubManager(best);
    return;
  }
  gJobs.view.gameOver = 1;
  DoMessageBox(GetTextNoAddr(kTextHopeless), 0);
  DoMessageBox(GetTextNoAddr(kTextGameOver), 0);
}

// The career is over: every way out leads to the start page.
int16_t ToStartPage() {
  MenuOption = kOptionStartPage;
  JobCentreFlag = 0;
  return MENU_RESULT_LEAVE;
}

// ---- the tables ----

void FramedBox(int x, int y, int w, int h) {
  DrawDarkShadeBox(x, y, w, h, 1);
  DrawBlackFrame(x, y, w, h);
}
void Band(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }
void RowBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 1); }

int16_t ScrollUp(MenuHotspot* spot) { return JobCentre_ScrollUp(spot); }
int16_t ScrollDown(MenuHotspot* spot) { return JobCentre_ScrollDown(spot); }
int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead

int16_t ViewSquadPicked(const PopupCall*) { return JobCentre_ViewSquad(); }
int16_t ClubRecordsPicked(const PopupCall*) { return JobCentre_ClubRecords(); }
int16_t ApplyPicked(const PopupCall*) { return JobCentre_Apply(); }

// Each vacancy row has a list of its own, so that opening it knows its row:
// the header's prepare function chooses the row's club, and empties the list
// (which then does not open) for a row without one.
constexpr int kListRows = 5;  // the header, three rows, the end
PopupRow gRowLists[kVacancyRows][kListRows];

// The list hangs under the row's left end and closes as soon as the pointer
// is beside it: it is as wide as the row, so that it stays open wherever the
// row was clicked.
constexpr int16_t kListWidth = 576;

void BuildList(PopupRow* list, PopupPrepareFunc prepare, bool withRows) {
  list[0] = {POPUP_HEADER_EMPTY, POPUP_ENABLED, -1, -1, kListWidth, -1, {}, nullptr, prepare};
  if (!withRows) {
    list[1] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
    return;
  }
  list[1] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(kTextViewSquad), ViewSquadPicked, nullptr};
  list[2] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(kTextClubRecords), ClubRecordsPicked, nullptr};
  list[3] = {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(kTextApply), ApplyPicked, nullptr};
  list[4] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
}

template <int K>
int16_t PrepareRow(PopupRow* list) {
  BuildList(list, PrepareRow<K>, JobCentre_ChooseRow(K));
  return POPUP_RESULT_KEEP_OPEN;
}

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kRowStride = sizeof(JobCentreRow);

const MenuItem kJeopardyRow[] = {
    {MI_OWNER_DRAW, 0, 0, 576, 26, MenuArg(RowBox), {}},
    {MI_ICON_VAR, 16, 13, ALIGN_CENTRED, kRowStride, Var(&gJobs.view.jeopardyRows[0].crest), {}},
    {MI_TEXTNO_VAR, 40, 5, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gJobs.view.jeopardyRows[0].name), {}},
    {MI_TEXTNO_VAR, 200, 5, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gJobs.view.jeopardyRows[0].manager), {}},
    {MI_STRING_VAR, 350, 5, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(gJobs.jeopardyDivision), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// A vacancy row: the items of row K alone, and its list.
#define VACANCY_ROW(k)                                                                                           \
  const MenuItem kVacancyRow##k[] = {                                                                            \
      {MI_OWNER_DRAW, 0, 0, 576, 26, MenuArg(RowBox), {}},                                                       \
      {MI_ICON_VAR, 16, 13, ALIGN_CENTRED, 0, Var(&gJobs.view.vacancyRows[k].crest), {}},                        \
      {MI_TEXTNO_VAR, 40, 5, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gJobs.view.vacancyRows[k].name), {}},               \
      {MI_TEXTNO_VAR, 200, 5, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gJobs.view.vacancyRows[k].manager), {}},            \
      {MI_STRING_VAR, 350, 5, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gJobs.vacancyDivision[k]), {}},                      \
      {MI_CLICK_REGION, 0, 0, 576, 26, MenuArg(-1), MenuArg(OpensList)},                                          \
      {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gRowLists[k]), {}},                                                       \
      {MI_END, 0, 0, 0, 0, {}, {}},                                                                               \
  };
VACANCY_ROW(0)
VACANCY_ROW(1)
VACANCY_ROW(2)
VACANCY_ROW(3)
VACANCY_ROW(4)
VACANCY_ROW(5)
#undef VACANCY_ROW

constexpr int kVacancyY = 260, kRowStep = 26;
#define VACANCY_SUBTABLE(k) \
  {MI_SUBTABLE, 32, kVacancyY + (k) * kRowStep, 1, 0, MenuArg(static_cast<const void*>(kVacancyRow##k)), {}}

}  // namespace

// ---- the screen ----

int16_t JobCentre_Handler(const MenuItem*) {
  JobCentreView& v = gJobs.view;
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    v.gameOver = 0;
    v.first = 0;
    v.chosenClub = -1;
    // Back at the centre: the screens it opened return to it no longer.
    JobCentreFlag = 0;
    if (GNW_GetSackedHumanManager() != 0) {
      SetScreenHeader(6);
      PlaceSackedManager();
    } else {
      SetScreenHeader(2);
    }
    ListVacancies();
    v.jeopardyCount = GNW_ListJobsInJeopardy(v.jeopardy, kJeopardyRows);
    if (v.jeopardyCount < 0) v.jeopardyCount = 0;
    if (v.jeopardyCount > kJeopardyRows) v.jeopardyCount = kJeopardyRows;
  }
  FillRows();
  return 0;
}

int16_t JobCentre_ScrollDown(MenuHotspot*) {
  JobCentreView& v = gJobs.view;
  if (v.first + kVacancyRows < v.vacancyCount) ++v.first;
  return MENU_RESULT_REDRAW;
}

int16_t JobCentre_ScrollUp(MenuHotspot*) {
  JobCentreView& v = gJobs.view;
  if (v.first > 0) --v.first;
  return MENU_RESULT_REDRAW;
}

int16_t JobCentre_Done(MenuHotspot*) {
  if (gJobs.view.gameOver) return ToStartPage();
  JobCentreFlag = 0;
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

bool JobCentre_ChooseRow(int row) {
  JobCentreView& v = gJobs.view;
  if (row < 0 || row >= kVacancyRows) return false;
  const int i = v.first + row;
  if (i < 0 || i >= v.vacancyCount) return false;
  v.chosenClub = v.vacancies[i];
  return true;
}

int16_t JobCentre_ViewSquad() {
  if (gJobs.view.gameOver) return ToStartPage();
  if (gJobs.view.chosenClub < 0) return POPUP_RESULT_CLOSE;
  MenuClub = gJobs.view.chosenClub;
  MenuClubReset = 1;
  JobCentreFlag = 1;
  MenuOption = kOptionSquad;
  return MENU_RESULT_LEAVE;
}

int16_t JobCentre_ClubRecords() {
  if (gJobs.view.gameOver) return ToStartPage();
  if (gJobs.view.chosenClub < 0) return POPUP_RESULT_CLOSE;
  MenuClub = gJobs.view.chosenClub;
  JobCentreFlag = 1;
  MenuOption = kOptionClubRecords;
  return MENU_RESULT_LEAVE;
}

int16_t JobCentre_Apply() {
  JobCentreView& v = gJobs.view;
  if (v.gameOver) return ToStartPage();
  if (v.chosenClub < 0) return POPUP_RESULT_CLOSE;
  switch (GNW_ApplyForManagerJob(v.chosenClub, kRecord)) {
    case kAppointed:
      DoMessageBox(GetTextNoAddr(kTextYouGotIt), 0);
      MenuClub = v.chosenClub;
      JobChangeMode = 1;
      JobCentreFlag = 0;
      MenuOption = kOptionClubPage;
      return MENU_RESULT_LEAVE;
    case kOffered:
      DoMessageBox(GetTextNoAddr(kTextMaybe), 0);
      break;
    default:
      DoMessageBox(GetTextNoAddr(kTextNoWay), 0);
      break;
  }
  v.chosenClub = -1;
  return MENU_RESULT_REDRAW;
}

const JobCentreView& JobCentre_View() { return gJobs.view; }

const MenuItem JobCentreMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(JobCentre_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(kTextTitle), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO, 320, 70, ALIGN_CENTRED, 0, MenuArg(kTextJeopardy), {}},
    {MI_OWNER_DRAW, 32, 90, 576, 130, MenuArg(FramedBox), {}},
    {MI_OWNER_DRAW, 195, 225, 250, 30, MenuArg(Band), {}},
    {MI_TEXTNO, 320, 240, ALIGN_CENTRED, 0, MenuArg(kTextVacancies), {}},
    {MI_OWNER_DRAW, 32, 260, 576, 156, MenuArg(FramedBox), {}},
    {MI_ICON, 24, 430, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 30, 436, 30, 15, MenuArg(-1), MenuArg(ScrollUp)},
    {MI_CLICK_REGION, 30, 456, 30, 15, MenuArg(-1), MenuArg(ScrollDown)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 90, kJeopardyRows, 26, MenuArg(static_cast<const void*>(kJeopardyRow)), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(MAIN_MENU_BAR_FILL), {}},
    VACANCY_SUBTABLE(0),
    VACANCY_SUBTABLE(1),
    VACANCY_SUBTABLE(2),
    VACANCY_SUBTABLE(3),
    VACANCY_SUBTABLE(4),
    VACANCY_SUBTABLE(5),
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(JobCentre_Done)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
#undef VACANCY_SUBTABLE

void JobCentre_Reset() {
  gJobs = JobCentreState{};
  JobCentreView& v = gJobs.view;
  for (int16_t& club : v.vacancies) club = -1;
  for (int16_t& club : v.jeopardy) club = -1;
  v.chosenClub = -1;
  for (int r = 0; r < kVacancyRows; ++r) {
    BlankRow(v.vacancyRows[r]);
    gJobs.vacancyDivision[r] = v.vacancyRows[r].division;
  }
  for (int r = 0; r < kJeopardyRows; ++r) {
    BlankRow(v.jeopardyRows[r]);
    gJobs.jeopardyDivision[r] = v.jeopardyRows[r].division;
  }
  BuildList(gRowLists[0], PrepareRow<0>, true);
  BuildList(gRowLists[1], PrepareRow<1>, true);
  BuildList(gRowLists[2], PrepareRow<2>, true);
  BuildList(gRowLists[3], PrepareRow<3>, true);
  BuildList(gRowLists[4], PrepareRow<4>, true);
  BuildList(gRowLists[5], PrepareRow<5>, true);
}
REGISTER_RESET(RESET_MENUS, JobCentre_Reset);
