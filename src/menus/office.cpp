// The Manager's Office module: the club page and taking a job.
#include "menus/office.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

#include "clubsim/boards.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "menus/c_mnfix.h"
#include "menus/exm_text.h"
#include "menus/gfx_gen.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/textmess.h"

int16_t BoardPleaFlag = 0;
int16_t OfficeNewGameFlag = 0;
int16_t OfficeAppointmentFlag = 0;
int16_t JobHistoryWords[JOB_HISTORY_WORDS] = {-1, -1, -1, -1};

namespace {

constexpr int16_t kNoIcon = 2;
constexpr int16_t kCrestBase = 105;
constexpr int16_t kPoolClub = 255;
constexpr int16_t kHumanManager = 1;
constexpr int16_t kManagerPlayer = 0;  // human manager 1's own player
constexpr int16_t kOptionOffice = 3;
constexpr int16_t kOptionSelectTeam = 5;
constexpr int16_t kOptionClubFixtures = 8;
constexpr int16_t kOptionManagerName = 16;
constexpr int16_t kOptionJobCentre = 43;
constexpr int kNewsBoardPlea = 75;
constexpr const char* kTextExtraFunds = "The board have now made extra funds available";

struct ClubPageState {
  ClubPageView view{};
  const MenuItem* acceptButton = nullptr;
};
ClubPageState gPage;

PopupRow gRoleList[3];

void Copy(char* out, size_t size, const char* text) { std::snprintf(out, size, "%s", text ? text : ""); }

// "1,234,000": the number with its thousands groups.
void WithThousands(char* out, size_t size, int64_t value) {
  char digits[32];
  std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value < 0 ? -value : value));
  std::string text;
  const int n = static_cast<int>(std::strlen(digits));
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) text += ',';
    text += digits[i];
  }
  std::snprintf(out, size, "%s%s", value < 0 ? "-" : "", text.c_str());
}

int32_t StadiumCapacity(int16_t club) {
  return 1000 * (GNW_GetClubStand1Capacity(club) + GNW_GetClubStand2Capacity(club) +
                 GNW_GetClubStand3Capacity(club) + GNW_GetClubStand4Capacity(club));
}

void ReadSquad() {
  ClubPageView& v = gPage.view;
  v.count = 0;
  const int16_t length = GNW_FillSquadList(v.club);
  for (int i = 0; i < length && i < CLUB_PAGE_SQUAD && i < SQUAD_LIST_SIZE; ++i) {
    if (SquadList[i] < 0) break;
    v.squad[v.count++] = SquadList[i];
  }
  for (int i = v.count; i < CLUB_PAGE_SQUAD; ++i) v.squad[i] = -1;
  // A simple exchange sort by position type, keepers first.
  for (int i = 0; i < v.count; ++i)
    for (int j = i + 1; j < v.count; ++j)
      if (GNW_GetPositionType(v.squad[j]) < GNW_GetPositionType(v.squad[i])) std::swap(v.squad[i], v.squad[j]);
  v.offset = 0;
}

void FillPage() {
  ClubPageView& v = gPage.view;
  const int16_t club = v.club;
  const int16_t db = GNW_GetClubDbId(club);
  std::snprintf(v.title, sizeof v.title, "%s %s", "Job Offer", GetTextNoAddr(GNW_GetClubTextNo(db)));
  v.crest = static_cast<int16_t>(kCrestBase + db);
  for (int r = 0; r < CLUB_PAGE_ROWS; ++r) {
    const int index = v.offset + r;
    const int16_t player = index < v.count ? v.squad[index] : -1;
    if (player < 1) {
      v.rowIcon[r] = kNoIcon;
      v.rowName[r] = v.rowSide[r] = -1;
      v.rowValue[r] = MENU_BLANK_VALUE;
      continue;
    }
    v.rowIcon[r] = GNW_GetPositionTypeGraphic(player);
    v.rowName[r] = GNW_GetPlayerTextNo(player);
    v.rowSide[r] = GNW_GetSideTextNo(player);
    v.rowValue[r] = GNW_GetPlayerValue(player);
  }
  const int16_t division = GNW_GetClubDivision(club);
  char place[16];
  std::snprintf(place, sizeof place, "%d", GNW_GetClubLeaguePosition(club) + 1);
  std::snprintf(v.leaguePosition, sizeof v.leaguePosition, "%s %s", GetTextNoAddr(GNW_GetDivisionShortTextNo(division)),
                place);
  std::snprintf(v.reputation, sizeof v.reputation, "%d", GNW_GetClubReputationPos(club) + 1);
  WithThousands(v.capacity, sizeof v.capacity, StadiumCapacity(club));
  const int32_t attendance = GNW_GetClubAvgAtt(club);
  if (attendance == 0)
    v.attendance[0] = '\0';
  else
    WithThousands(v.attendance, sizeof v.attendance, attendance);
  Copy(v.cash, sizeof v.cash, PriceToFullStr(GNW_GetClubSpendingBudget(club)));
  v.target = GNW_GetBoardTargetTextNo(club);
}

int16_t RoleManageAndPlay(const PopupCall*) { return ClubPage_ChooseRole(1); }
int16_t RoleManager(const PopupCall*) { return ClubPage_ChooseRole(0); }

// ---- the tables ----

const MenuItem kSquadRow[] = {
    {MI_ICON_VAR, 32, 80, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), MenuArg(static_cast<void*>(gPage.view.rowIcon)), {}},
    {MI_TEXTNO_VAR, 68, 80, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), MenuArg(static_cast<void*>(gPage.view.rowName)),
     {}},
    {MI_TEXTNO_VAR, 212, 80, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), MenuArg(static_cast<void*>(gPage.view.rowSide)),
     {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    {MI_NUMBER_S32, 252, 80, ALIGN_LEFT | ALIGN_TOP, sizeof(int32_t),
     MenuArg(static_cast<void*>(gPage.view.rowValue)), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// A button takes a hot spot only with a handler; this one's list opens
// instead of the handler running.
int16_t OpenRoleList(MenuHotspot*) { return 0; }

const MenuItem kAcceptWithRoles[] = {
    {MI_TEXT_BUTTON, 74, 440, 265, 30, MenuArg(82), MenuArg(OpenRoleList)},  // "Accept"
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gRoleList)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kAcceptPlain[] = {
    {MI_TEXT_BUTTON, 74, 440, 265, 30, MenuArg(82), MenuArg(ClubPage_Accept)},  // "Accept"
    {MI_END, 0, 0, 0, 0, {}, {}},
};

constexpr uint16_t kLabel = ALIGN_LEFT | ALIGN_TOP;
constexpr uint16_t kValue = ALIGN_RIGHT | ALIGN_TOP;

}  // namespace

// ---- the club page ----

int16_t ClubPage_Handler(const MenuItem*) {
  ClubPageView& v = gPage.view;
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    SetScreenHeader(7);
    v.club = MenuClub;
    SetClubExpectedPlace(v.club);
    ReadSquad();
  }
  FillPage();
  gPage.acceptButton = JobChangeMode == 0 ? kAcceptWithRoles : kAcceptPlain;
  return 0;
}

int16_t ClubPage_ScrollUp(MenuHotspot*) {
  if (gPage.view.offset <= 0) return 0;
  --gPage.view.offset;
  return MENU_RESULT_REDRAW;
}

int16_t ClubPage_ScrollDown(MenuHotspot*) {
  if (gPage.view.offset >= gPage.view.count - CLUB_PAGE_ROWS) return 0;
  ++gPage.view.offset;
  return MENU_RESULT_REDRAW;
}

int16_t ClubPage_Fixtures(MenuHotspot*) {
  MatchDayFlag = 1;  // the fixtures come back to this page
  MenuOption = kOptionClubFixtures;
  return MENU_RESULT_LEAVE;
}

int16_t ClubPage_ChooseRole(int16_t bossvane) {
  GNW_SetClubBossvaneClause(MenuClub, bossvane ? 1 : 0);
  TakeManagerJob();
  return MENU_RESULT_LEAVE;
}

int16_t ClubPage_Accept(MenuHotspot*) {
  if (JobChangeMode == 2 && BoardPleaFlag == 0) {
    const int16_t current = GNW_GetHumanClub(kHumanManager);
    if (current >= 0 && GNW_GetClubRepRankScore(current) >= 7 && GNW_GetClubForm(current) >= 36 &&
        GameRandom() % 2 == 1) {
      BoardPleaFlag = 1;
      SetNewsArgs(current, MenuClub, -1, -1, -1, -1, -1, -1, -1);
      if (const char* text = GetRandomNewsText(kNewsBoardPlea)) ShowNewsMessage(text, 0, NEWS_SHOW_ALWAYS, current, MenuClub);
      return MENU_RESULT_REDRAW;
    }
  }
  const bool jobOffer = JobChangeMode == 2;
  TakeManagerJob();
  // The job taken has put the mode back to 0; the manager's other pending
  // events are routed now.
  if (jobOffer) ProcessHumanEvents();
  return MENU_RESULT_LEAVE;
}

int16_t ClubPage_Reject(MenuHotspot*) {
  switch (JobChangeMode) {
    case 2:
      if (BoardPleaFlag) {
        BoardPleaFlag = 0;
        DoMessageBox(kTextExtraFunds, 0);
        // balance x (20..39) / 100 in 64 bits; the new balance stays a 32-bit amount.
        const int16_t club = GNW_GetHumanClub(kHumanManager);
        if (club >= 0) {
          const int64_t balance = GNW_GetClubBalance(club);
          const int64_t extra = balance * (20 + GameRandom() % 20) / 100;
          const int64_t limit = std::numeric_limits<int32_t>::max();
          const int32_t paid = static_cast<int32_t>(std::clamp<int64_t>(std::min(extra, limit - balance), 0, limit));
          GNW_AddToClubBalance(club, paid);
          GNW_AddToClubBalance(kPoolClub, -paid);
        }
      }
      MenuOption = kOptionOffice;
      break;
    case 1:
      MenuOption = kOptionJobCentre;
      JobChangeMode = 0;
      break;
    default:
      MenuOption = kOptionSelectTeam;
      break;
  }
  BoardPleaFlag = 0;
  return MENU_RESULT_LEAVE;
}

void InstallManagerAtClub(int16_t manager, int16_t club) {
  MenuOption = kOptionManagerName;
  GNW_ResetHumanClub(manager);
  GNW_SetClubControl(club, manager);
  MenuClub = club;
  GNW_SnapshotSquadProgress(club);
  GNW_InstallHumanManager(manager, GNW_GetClubManager(club));
  GNW_UpdateTransferWindows(manager);
  ClearCustomTactics();
}

void TakeManagerJob() {
  const int16_t club = MenuClub;
  SetBusyPointer(1);
  InstallManagerAtClub(kHumanManager, club);
  OfficeNewGameFlag = 1;
  OfficeAppointmentFlag = 1;
  switch (JobChangeMode) {
    case 2:
      JobChangeMode = 0;
      MenuOption = kOptionOffice;
      GNW_ClearJobOffer();
      GNW_SnapshotSquadProgress(GNW_GetHumanClub(kHumanManager));
      GNW_SetPlayerShirt(kManagerPlayer, 0);
      break;
    case 1:
      JobChangeMode = 0;
      MenuOption = kOptionOffice;
      break;
    default: {
      // A new career: the manager's standing follows his first club's.
      const int32_t clubRep = GNW_GetClubRep(club);
      const int32_t own = GNW_GetPlayerReputation(kManagerPlayer);
      if (own > clubRep) Player_SetReputation(kManagerPlayer, clubRep * 75 / 100);
      if (GNW_GetPlayerReputation(kManagerPlayer) < 3) Player_SetReputation(kManagerPlayer, 3);
      for (int16_t& word : JobHistoryWords) word = -1;
      GNW_SetPlayerShirt(kManagerPlayer, 0);
      break;
    }
  }
  GNW_SetClubContractClause(club, 1);
  GNW_SetClubTrainingClause(club, 1);
  GNW_SetClubFinancialClause(club, 1);
  GNW_SetClubHiringClause(club, 1);
  GNW_SetClubStadiumClause(club, 0);
  SetBusyPointer(0);
}

const ClubPageView& ClubPage_View() { return gPage.view; }
PopupRow* ClubPage_RoleList() { return gRoleList; }

const MenuItem ClubPageMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ClubPage_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 320, 36, ALIGN_CENTRED, 0, MenuArg(static_cast<const void*>(gPage.view.title)), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING, 465, 82, ALIGN_CENTRED, 0, MenuArg("Info"), {}},
    {MI_SUBTABLE, 0, 0, CLUB_PAGE_ROWS, 20, MenuArg(static_cast<const void*>(kSquadRow)), {}},
    {MI_CLICK_REGION, 30, 436, 30, 15, MenuArg(-1), MenuArg(ClubPage_ScrollUp)},
    {MI_CLICK_REGION, 30, 456, 30, 15, MenuArg(-1), MenuArg(ClubPage_ScrollDown)},
    {MI_ICON, 30, 436, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_STRING, 340, 120, kLabel, 0, MenuArg("League Position"), {}},
    {MI_STRING, 570, 120, kValue, 0, MenuArg(static_cast<const void*>(gPage.view.leaguePosition)), {}},
    {MI_STRING, 340, 140, kLabel, 0, MenuArg("Club Reputation"), {}},
    {MI_STRING, 570, 140, kValue, 0, MenuArg(static_cast<const void*>(gPage.view.reputation)), {}},
    {MI_STRING, 340, 160, kLabel, 0, MenuArg("Stadium capacity"), {}},
    {MI_STRING, 570, 160, kValue, 0, MenuArg(static_cast<const void*>(gPage.view.capacity)), {}},
    {MI_STRING, 340, 180, kLabel, 0, MenuArg("Average Attendance"), {}},
    {MI_STRING, 570, 180, kValue, 0, MenuArg(static_cast<const void*>(gPage.view.attendance)), {}},
    {MI_STRING, 340, 200, kLabel, 0, MenuArg("Cash Available"), {}},
    {MI_STRING, 570, 200, kValue, 0, MenuArg(static_cast<const void*>(gPage.view.cash)), {}},
    {MI_STRING, 340, 240, kLabel, 0, MenuArg("Expectations"), {}},
    {MI_TEXTNO_VAR, 340, 260, kLabel, 0, MenuArg(static_cast<void*>(&gPage.view.target)), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING_BUTTON, 340, 320, 240, 30, MenuArg("Club Fixtures"), MenuArg(ClubPage_Fixtures)},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, MenuArg(static_cast<void*>(&gPage.acceptButton)), {}},
    {MI_TEXT_BUTTON, 341, 440, 265, 30, MenuArg(83), MenuArg(ClubPage_Reject)},  // "Reject"
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void Office_Reset() {
  gPage = ClubPageState{};
  gPage.view.club = -1;
  gPage.view.target = -1;
  for (int16_t& p : gPage.view.squad) p = -1;
  for (int r = 0; r < CLUB_PAGE_ROWS; ++r) {
    gPage.view.rowIcon[r] = kNoIcon;
    gPage.view.rowName[r] = gPage.view.rowSide[r] = -1;
    gPage.view.rowValue[r] = MENU_BLANK_VALUE;
  }
  gPage.acceptButton = kAcceptPlain;
  gRoleList[0] = {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("Gafferon : Manage and play"),
                  RoleManageAndPlay, nullptr};
  gRoleList[1] = {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg("Manager"), RoleManager, nullptr};
  gRoleList[2] = {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr};
  BoardPleaFlag = 0;
  OfficeNewGameFlag = 0;
  OfficeAppointmentFlag = 0;
  for (int16_t& word : JobHistoryWords) word = -1;
}
REGISTER_RESET(RESET_MENUS, Office_Reset);
