// The Staff Appointments screen (see c_mnstaff.h).
#include "menus/c_mnstaff.h"

#include <cstdint>

#include "clubsim/staffpool.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/clubs.h"
#include "world/funcs_finance.h"
#include "world/records.h"

namespace {

constexpr int16_t kTitle = 79;           // "Staff Appointments"
constexpr int16_t kSackQuestion = 422;   // "Are you sure you want to sack this person?"
constexpr int16_t kHireQuestion = 838;   // "Are you sure you want to hire this person?"
constexpr int16_t kNotJoining = 1131;    // "This person doesn't want to join your club. ..."
constexpr int16_t kCannotRelease = 1132; // "You don't have the money to release the player."
constexpr int16_t kTextContract = 239;   // "Contract"
constexpr int16_t kTextWage = 240;       // "Wage"
constexpr int16_t kTextNo = 248, kTextYes = 249;
constexpr int16_t kMoneyPool = 255;
constexpr int32_t kWeeksPerMonth = 4;

// Layout (menu units): rows centred on y 136 + 20 i.
constexpr int kRowsTop = 126, kRowStep = 20, kRowHeight = 20;
constexpr int kPostBoxX = 32, kPostBoxW = 410;
constexpr int kCandidateBoxX = 448, kCandidateBoxW = 158;

struct StaffState {
  StaffScreenView view{};
  const MenuItem* panelTable = nullptr;  // the confirmation panel while something is selected
};
StaffState gStaff;

StaffScreenView& V() { return gStaff.view; }

bool ValidClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

int32_t MonthlyWage(int16_t level) { return GNW_GetStaffWage(level) * kWeeksPerMonth; }

// What releasing every holder of a post would cost now.
int64_t TotalReleaseCost(int16_t club) {
  int64_t total = 0;
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) {
    const int16_t level = GNW_GetClubStaffLevel(club, kind);
    if (level != 0) total += static_cast<int64_t>(GNW_GetClubStaffContract(club, kind)) * MonthlyWage(level);
  }
  return total;
}

// What the club's staff are paid each week.
int64_t WeeklyWages(int16_t club) {
  int64_t total = 0;
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) total += GNW_GetStaffWage(GNW_GetClubStaffLevel(club, kind));
  return total;
}

void LogWeeklyWages(int16_t club) {
  DPRINT(DEBUG_GENERAL, 10, "StaffScreen(): club %d pays its staff %lld a week\n", club,
         static_cast<long long>(WeeklyWages(club)));
}

// The n-th (0 first) candidate of the pool on the market now of the kind; -1
// when there are not that many.
int16_t NthAvailableCandidate(int16_t kind, int n) {
  for (int16_t c = 0; c < NUM_STAFF_CANDIDATES; ++c) {
    if (GNW_IsStaffCandidateAvailable(c) != 1 || GNW_GetStaffCandidateKind(c) != kind) continue;
    if (n-- == 0) return c;
  }
  return -1;
}


void BlankPost(StaffPostRow& r, int16_t kind) {
  r.label = static_cast<int16_t>(STAFF_FIRST_LABEL + kind);
  r.level = BLANK_S16;
  r.contract = BLANK_S16;
  r.wage = MENU_BLANK_VALUE;
  r.releaseCost = MENU_BLANK_VALUE;
  r.colour = 0;
}

void BlankCandidate(StaffCandidateRow& r) {
  r.candidate = -1;
  r.label = -1;
  r.level = BLANK_S16;
  r.wage = MENU_BLANK_VALUE;
  r.colour = 0;
}

void ClearSelections() {
  V().selectedCandidate = -1;
  V().selectedPost = -1;
}

// ---- the menu's handlers ----

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

// The confirmation runs once the selection is drawn; the screen is drawn
// afresh after it.
void ConfirmAfterDraw() {
  StaffScreen_Confirm();
  SetMenuResult(MENU_RESULT_REDRAW);
}

int16_t LabelClicked(MenuHotspot* spot) {
  if (!spot) return 0;
  const int16_t before = V().kindShown;
  StaffScreen_ShowPostKind(spot->repetition);
  return V().kindShown != before ? int16_t{MENU_RESULT_REDRAW} : int16_t{0};
}

int16_t PostClicked(MenuHotspot* spot) {
  if (!spot || !StaffScreen_PostClick(spot->repetition)) return 0;
  SetMenuPostDrawCallback(ConfirmAfterDraw);
  return MENU_RESULT_REDRAW;
}

int16_t CandidateClicked(MenuHotspot* spot) {
  if (!spot) return 0;
  if (StaffScreen_CandidateClick(spot->repetition)) SetMenuPostDrawCallback(ConfirmAfterDraw);
  return MENU_RESULT_REDRAW;
}

int16_t OpensList(MenuHotspot*) { return 0; }  // the anchored list opens instead
int16_t BackClicked(MenuHotspot*) { return StaffScreen_Back(); }

int16_t KindPicked(const PopupCall* call) {
  if (!call || call->row < 0 || call->row >= STAFF_POSTS) return POPUP_RESULT_CLOSE;
  StaffScreen_ChooseKind(call->row);
  return MENU_RESULT_REDRAW;
}

#define KIND_ROW(k) \
  {POPUP_ROW_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(STAFF_FIRST_LABEL + (k)), KindPicked, nullptr}
PopupRow gKindList[] = {
    KIND_ROW(0), KIND_ROW(1), KIND_ROW(2), KIND_ROW(3), KIND_ROW(4),  KIND_ROW(5),
    KIND_ROW(6), KIND_ROW(7), KIND_ROW(8), KIND_ROW(9), KIND_ROW(10),
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};
#undef KIND_ROW

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr int16_t kPostStride = sizeof(StaffPostRow);
constexpr int16_t kCandidateStride = sizeof(StaffCandidateRow);
constexpr uint16_t kLeftMiddle = ALIGN_LEFT | ALIGN_VMIDDLE;

// One post: its box, label, level, contract and monthly wage; the label's
// region shows its kind's candidates, the rest of the row is the sack.
const MenuItem kPostRow[] = {
    {MI_OWNER_DRAW, kPostBoxX, 0, kPostBoxW, kRowHeight, MenuArg(DarkBox), {}},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kPostStride, Var(&gStaff.view.posts[0].colour), {}},
    {MI_TEXTNO_VAR, 40, 10, kLeftMiddle, kPostStride, Var(&gStaff.view.posts[0].label), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_NUMBER_S16, 230, 10, ALIGN_CENTRED, kPostStride, Var(&gStaff.view.posts[0].level), {}},
    {MI_NUMBER_S16, 300, 10, ALIGN_CENTRED, kPostStride, Var(&gStaff.view.posts[0].contract), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    {MI_NUMBER_S32, 370, 10, ALIGN_CENTRED, kPostStride, Var(&gStaff.view.posts[0].wage), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 30, 0, 150, kRowHeight, MenuArg(-1), MenuArg(LabelClicked)},
    {MI_CLICK_REGION, 180, 0, 260, kRowHeight, MenuArg(-1), MenuArg(PostClicked)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// One candidate: his box (also his click region), level and monthly wage.
const MenuItem kCandidateRow[] = {
    {MI_OWNER_DRAW, kCandidateBoxX, 0, kCandidateBoxW, kRowHeight, MenuArg(DarkBox), {}},
    {MI_CLICK_REGION, kCandidateBoxX, 0, kCandidateBoxW, kRowHeight, MenuArg(-1), MenuArg(CandidateClicked)},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kCandidateStride, Var(&gStaff.view.candidates[0].colour), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_NUMBER_S16, 480, 10, ALIGN_CENTRED, kCandidateStride, Var(&gStaff.view.candidates[0].level), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    {MI_NUMBER_S32, 560, 10, ALIGN_CENTRED, kCandidateStride, Var(&gStaff.view.candidates[0].wage), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// The confirmation's panel under the lists: the question, the heads and the
// selected post's figures (blank for a hire).
const MenuItem kPanel[] = {
    {MI_OWNER_DRAW, 32, 350, 576, 86, MenuArg(DarkBox), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO_VAR, 320, 362, ALIGN_CENTRED, 0, Var(&gStaff.view.question), {}},
    {MI_STRING, 220, 380, ALIGN_CENTRED, 0, MenuArg("Rating"), {}},
    {MI_TEXTNO, 310, 380, ALIGN_CENTRED, 0, MenuArg(kTextContract), {}},
    {MI_TEXTNO, 420, 380, ALIGN_CENTRED, 0, MenuArg(kTextWage), {}},
    {MI_STRING, 520, 380, ALIGN_CENTRED, 0, MenuArg("Release cost"), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_NUMBER_S16, 220, 400, ALIGN_CENTRED, 0, Var(&gStaff.view.panelLevel), {}},
    {MI_NUMBER_S16, 310, 400, ALIGN_CENTRED, 0, Var(&gStaff.view.panelContract), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    {MI_NUMBER_S32, 420, 400, ALIGN_CENTRED, 0, Var(&gStaff.view.panelWage), {}},
    {MI_NUMBER_S32, 520, 400, ALIGN_CENTRED, 0, Var(&gStaff.view.panelReleaseCost), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

}  // namespace

const MenuItem StaffMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(StaffScreen_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, kLeftMiddle, 0, Var(&gStaff.view.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(kTitle), {}},  // clear of the date
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 40, 120, kLeftMiddle, 0, MenuArg("Type"), {}},
    {MI_STRING, 230, 120, ALIGN_CENTRED, 0, MenuArg("Rating"), {}},
    {MI_TEXTNO, 300, 120, ALIGN_CENTRED, 0, MenuArg(kTextContract), {}},
    {MI_TEXTNO, 370, 120, ALIGN_CENTRED, 0, MenuArg(kTextWage), {}},
    {MI_STRING, 480, 120, ALIGN_CENTRED, 0, MenuArg("Rating"), {}},
    {MI_TEXTNO, 560, 120, ALIGN_CENTRED, 0, MenuArg(kTextWage), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    // The kind shown and its list.
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON_VAR, 450, 84, 158, 30, Var(&gStaff.view.kindLabel), MenuArg(OpensList)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, Var(gKindList), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE, 0, kRowsTop, STAFF_POSTS, kRowStep, MenuArg(static_cast<const void*>(kPostRow)), {}},
    {MI_SUBTABLE, 0, kRowsTop, STAFF_CANDIDATE_ROWS, kRowStep, MenuArg(static_cast<const void*>(kCandidateRow)),
     {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, Var(&gStaff.panelTable), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 438, 40, 40, MenuArg(-1), MenuArg(BackClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the screen's steps ----

int16_t StaffScreen_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    const int16_t club = MenuClub;
    V().club = ValidClub(club) ? club : int16_t{-1};
    V().clubName = V().club >= 0 ? GNW_GetClubTextNo(GNW_GetClubDbId(club)) : int16_t{-1};
    ClearSelections();
    SetScreenHeader(3);
    V().kindShown = 0;
  }
  StaffScreen_Refresh();
  return 0;
}

void StaffScreen_Refresh() {
  StaffScreenView& v = V();
  const int16_t club = v.club;
  v.kindLabel = static_cast<int16_t>(STAFF_FIRST_LABEL + v.kindShown);
  for (int i = 0; i < STAFF_POSTS; ++i) {
    PopupRow& row = gKindList[i];
    row.flags = static_cast<uint16_t>(i == v.kindShown ? (row.flags | POPUP_TICKED) : (row.flags & ~POPUP_TICKED));
  }

  // 1. The posts, and what releasing everybody would cost.
  int64_t total = 0;
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) {
    StaffPostRow& r = v.posts[kind];
    BlankPost(r, kind);
    r.colour = kind == v.selectedPost ? 1 : 0;
    if (club < 0) continue;
    const int16_t level = GNW_GetClubStaffLevel(club, kind);
    if (level == 0) continue;
    r.level = level;
    r.contract = GNW_GetClubStaffContract(club, kind);
    r.wage = MonthlyWage(level);
    r.releaseCost = ClampMoney(static_cast<int64_t>(r.contract) * r.wage);
    total += static_cast<int64_t>(r.contract) * r.wage;
  }
  v.totalReleaseCost = ClampMoney(total);

  // 2. The candidates of the kind shown on the market now, in pool order.
  for (StaffCandidateRow& r : v.candidates) BlankCandidate(r);
  int n = 0;
  for (int16_t c = 0; c < NUM_STAFF_CANDIDATES && n < STAFF_CANDIDATE_ROWS; ++c) {
    if (GNW_IsStaffCandidateAvailable(c) != 1 || GNW_GetStaffCandidateKind(c) != v.kindShown) continue;
    StaffCandidateRow& r = v.candidates[n];
    r.candidate = c;
    r.label = static_cast<int16_t>(STAFF_FIRST_LABEL + v.kindShown);
    r.level = GNW_GetStaffCandidateLevel(c);
    r.wage = MonthlyWage(r.level);
    r.colour = n == v.selectedCandidate ? 1 : 0;
    ++n;
  }

  // 3. The confirmation's texts and figures.
  v.question = -1;
  v.yes = v.no = -1;
  v.panelLevel = BLANK_S16;
  v.panelContract = BLANK_S16;
  v.panelWage = MENU_BLANK_VALUE;
  v.panelReleaseCost = MENU_BLANK_VALUE;
  if (v.selectedPost >= 0) {
    const StaffPostRow& post = v.posts[v.selectedPost];
    v.question = kSackQuestion;
    v.panelLevel = post.level;
    v.panelContract = post.contract;
    v.panelWage = post.wage;
    v.panelReleaseCost = post.releaseCost;
  } else if (v.selectedCandidate >= 0) {
    v.question = kHireQuestion;
  }
  if (v.question >= 0) {
    v.yes = kTextYes;
    v.no = kTextNo;
  }
  gStaff.panelTable = v.question >= 0 ? kPanel : nullptr;
}

void StaffScreen_ShowPostKind(int16_t row) {
  if (row < 0 || row >= STAFF_POSTS || row == V().kindShown) return;
  V().kindShown = row;
  V().selectedCandidate = -1;
}

bool StaffScreen_PostClick(int16_t row) {
  StaffScreenView& v = V();
  if (v.club < 0 || row < 0 || row >= STAFF_POSTS) return false;
  if (v.selectedCandidate >= 0 || GNW_GetClubStaffLevel(v.club, row) == 0) return false;
  v.selectedPost = row;
  return true;
}

bool StaffScreen_CandidateClick(int16_t row) {
  StaffScreenView& v = V();
  if (v.selectedPost >= 0) return false;
  if (v.club >= 0 && row >= 0 && row < STAFF_CANDIDATE_ROWS && v.candidates[row].candidate >= 0 &&
      GNW_GetClubStaffLevel(v.club, v.kindShown) == 0) {
    v.selectedCandidate = row;
    return true;
  }
  v.selectedCandidate = -1;
  return false;
}

void StaffScreen_ChooseKind(int16_t kind) {
  if (kind < 0 || kind >= STAFF_POSTS) return;
  V().kindShown = kind;
  V().selectedCandidate = -1;
}

void StaffScreen_Confirm() {
  StaffScreenView& v = V();
  const int16_t club = v.club;
  if (club < 0 || (v.selectedCandidate < 0 && v.selectedPost < 0)) {
    ClearSelections();
    return;
  }
  const bool hire = v.selectedCandidate >= 0;
  const int answer = DoQuestionBox(GetTextNoAddr(hire ? kHireQuestion : kSackQuestion), YesNoButtons, 0);
  if (answer != 1) {  // anything but "Yes"
    ClearSelections();
    return;
  }

  if (hire) {
    const int16_t candidate = NthAvailableCandidate(v.kindShown, v.selectedCandidate);
    if (candidate < 0) {  // gone from the market meanwhile
      ClearSelections();
      return;
    }
    const int16_t kind = GNW_GetStaffCandidateKind(candidate);
    const int16_t level = GNW_GetStaffCandidateLevel(candidate);
    const int64_t needed = TotalReleaseCost(club) + STAFF_HIRE_WEEKS * static_cast<int64_t>(GNW_GetStaffWage(level));
    if (needed > GNW_GetClubBalance(club)) {
      DPRINT(DEBUG_GENERAL, 10,
             "StaffScreen(): club %d, candidate %d (kind %d, level %d) refuses: needs %lld, balance %d\n", club,
             candidate, kind, level, static_cast<long long>(needed), GNW_GetClubBalance(club));
      DoMessageBox(GetTextNoAddr(kNotJoining), 0);
      // The refusal ends the hire: left selected, the candidate would keep
      // the posts from being clicked.
      ClearSelections();
      return;
    }
    if (GNW_GetClubStaffLevel(club, kind) == 0) {
      GNW_SetClubStaffLevel(club, kind, level);
      GNW_SetClubStaffContract(club, kind, STAFF_CONTRACT_MONTHS);
      DPRINT(DEBUG_GENERAL, 10, "StaffScreen(): club %d hires candidate %d as kind %d, level %d, weekly wage %d\n",
             club, candidate, kind, level, GNW_GetStaffWage(level));
    }
    v.selectedCandidate = -1;
    LogWeeklyWages(club);
    return;
  }

  const int16_t kind = v.selectedPost;
  const int16_t level = GNW_GetClubStaffLevel(club, kind);
  const int64_t cost = static_cast<int64_t>(GNW_GetClubStaffContract(club, kind)) * MonthlyWage(level);
  const int32_t balance = GNW_GetClubBalance(club);
  if (balance < cost) {
    DoMessageBox(GetTextNoAddr(kCannotRelease), 0);
    ClearSelections();  // as for the hire: nothing stays selected
    return;
  }
  const int32_t pool = MoneyPool;
  GNW_AddToClubBalance(club, static_cast<int32_t>(-cost));
  GNW_AddToClubBalance(kMoneyPool, static_cast<int32_t>(cost));
  GNW_SetClubStaffLevel(club, kind, 0);
  GNW_SetClubStaffContract(club, kind, 0);
  DPRINT(DEBUG_GENERAL, 10,
         "StaffScreen(): club %d sacks kind %d (level %d) for %lld: balance %d -> %d, pool %d -> %d\n", club, kind,
         level, static_cast<long long>(cost), balance, GNW_GetClubBalance(club), pool, MoneyPool);
  v.selectedPost = -1;
  LogWeeklyWages(club);
}

int16_t StaffScreen_Back() {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

const StaffScreenView& StaffScreen_View() { return gStaff.view; }
PopupRow* StaffScreen_KindList() { return gKindList; }

void StaffScreen_Reset() {
  gStaff.view = StaffScreenView{};
  V().club = -1;
  V().clubName = -1;
  ClearSelections();
  for (int16_t kind = 0; kind < STAFF_POSTS; ++kind) BlankPost(V().posts[kind], kind);
  for (StaffCandidateRow& r : V().candidates) BlankCandidate(r);
  V().kindLabel = STAFF_FIRST_LABEL;
  V().question = V().yes = V().no = -1;
  V().panelLevel = V().panelContract = BLANK_S16;
  V().panelWage = V().panelReleaseCost = MENU_BLANK_VALUE;
  gStaff.panelTable = nullptr;
  for (int i = 0; i < STAFF_POSTS; ++i) gKindList[i].flags = POPUP_ENABLED;
}
REGISTER_RESET(RESET_MENUS, StaffScreen_Reset);
