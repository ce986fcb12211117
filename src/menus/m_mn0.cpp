// Select League To Play and the player page (see m_mn0.h).
#include "menus/m_mn0.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "clubsim/bids.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/c_mnshort.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "season/seasonstate.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/funcs_finance.h"
#include "world/lists.h"

#define ABORT_FILE "menus\\m_mn0.c"

int16_t CountrySelection[MAX_NUMBER_OF_LEAGUES];
int16_t NegotiationBusy;

namespace {

constexpr int16_t kDefaultCountries[] = {1250, 1280, 1260, 1270, 0};
constexpr float kTurnStep = 0.0628318540f;  // pi / 50 a frame
constexpr float kPi = 3.14159265f;
constexpr int kIdleFramesPerStep = 26;
constexpr int16_t kCarouselTimerKey = 0x4D30;

struct CarouselState {
  int16_t count = 0;
  int16_t centre = 0;
  int16_t direction = 0;
  int16_t firstDraw = 0;
  float angle = 0.0f;
  int32_t idleFrames = 0;
  int16_t frame[MAX_NUMBER_OF_LEAGUES] = {};
  int16_t tallest = 0;
  // What the description box and the title show.
  int16_t descriptionText = -1;
  int16_t adjectiveText = -1;
};
CarouselState gCarousel;

struct PlayerPageState {
  int16_t returnOption = 3;
  int16_t list = PLAYER_ACTIONS_NOT_AVAILABLE;
  PlayerPageView view{};
};
PlayerPageState gPage;

// A non-negative remainder, whatever the sign of a.
int Wrap(int a, int n) { return n > 0 ? ((a % n) + n) % n : 0; }

int16_t IconAt(int index) {
  if (gCarousel.count <= 0) return 0;
  const int i = Wrap(index, gCarousel.count);
  return static_cast<int16_t>(CountrySelection[i] + gCarousel.frame[i]);
}

void ShowCentreCountry() {
  const int16_t icon = SelectLeague_CentreIcon();
  if (icon == 0) return;
  const int16_t country = Return_CountryFromIcon(icon);
  gCarousel.descriptionText = CountryDescriptionTextNo(country);
  gCarousel.adjectiveText = CountryAdjectiveTextNo(country);
}

void CarouselTimer(MenuTimer*, int) {
  if (SelectLeague_StepCarousel()) SelectLeague_DrawCarousel(75, 157, 490, 190);
}

// ---- the player page ----

constexpr int kSquadLimit = 32;
constexpr int kSellerMinimum = 15;
constexpr int kTalksLimit = 4;
constexpr int16_t kOfferMonths = 24;  // the contract length the buying club's terms are weighed on

int16_t ShownPlayer() { return MenuPlayer; }
int16_t UserClub() { return GNW_GetHumanClub(MenuManager); }
// The user's own player record.
bool IsManagerPlayer(int16_t player) { return player == MenuManager - 1; }
bool IsWorldClub(int16_t club) { return club >= 0 && club < 250; }
bool HasFullRecord(int16_t player) { return player >= 0 && player < PlayerCount; }
// The players the club's squad list takes (at most 32).
int16_t SquadSize(int16_t club) { return IsWorldClub(club) ? GNW_FillSquadList(club) : int16_t{0}; }

int16_t Refuse(int text) {
  DoMessageBox(GetTextNoAddr(text), 0);
  return MENU_RESULT_REDRAW;
}

int16_t FreeBidSlots(int16_t club) {
  int16_t free = 0;
  for (int16_t slot = 0; slot < 4; ++slot)
    if (GNW_GetClubBidPlayer(club, slot) == -1) ++free;
  return free;
}

// The offer made at once (a free player, or a loan), with the answer's
// countdown started unless the player already waits for one.
void OfferAtOnce(int16_t club, int16_t player, int32_t price) {
  GNW_MakeTransferOffer(club, player, price, GNW_GetPlayerPosition(player), 0);
  if (GNW_FindBidInfoSlot(player) == -1) {
    const int16_t slot = GNW_FindFreeBidInfoSlot();
    if (slot >= 0) GNW_StartBidInfo(player, slot);
  }
}

// Skills by their name's text number, in the page's order, with where each
// is read from: 0 ability, 1 physical, 2 personality, and the stat number.
struct SkillRow {
  int16_t text;
  int16_t kind;
  int16_t stat;
};
constexpr SkillRow kSkills[18] = {
    {44, 0, 3},  {45, 0, 4},  {43, 0, 2},  {42, 0, 1},  {46, 0, 5},  {41, 0, 0},
    {47, 0, 6},  {58, 2, 20}, {48, 0, 7},  {49, 1, 8},  {52, 1, 11}, {50, 1, 9},
    {51, 1, 10}, {53, 1, 12}, {54, 2, 16}, {55, 2, 18}, {56, 2, 15}, {57, 2, 17},
};

int16_t SkillValue(int16_t player, const SkillRow& row) {
  switch (row.kind) {
    case 0: return GNW_GetPlayerAbilityStat(player, row.stat);
    case 1: return GNW_GetPlayerPhysicalStat(player, row.stat);
    default: return GNW_GetPlayerPersonalityStat(player, row.stat);
  }
}

void SetRow(int row, int16_t text, const char* value) {
  PlayerPageView& v = gPage.view;
  v.rowText[row] = text;
  std::snprintf(v.rowValue[row], sizeof v.rowValue[row], "%s", value ? value : "");
}
void SetRowNumber(int row, int16_t text, int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", value);
  SetRow(row, text, buffer);
}

int16_t StatusText(int16_t player) {
  if (GNW_GetPlayerTxList(player)) return 1809;       // "Tr. Listed"
  if (GNW_GetPlayerLoanList(player)) return 875;      // "Loan Listed"
  if (GNW_GetPlayerSaleStatus(player) == 1) return 754;  // "Key Player"
  return 74;                                          // "Open"
}

void FillView(int16_t player) {
  PlayerPageView& v = gPage.view;
  const int16_t club = GNW_GetPlayerClub(player);
  const int16_t shirt = GNW_GetPlayerShirt(player);
  v.shirt = (shirt == 0 || club == 255) ? BLANK_S16 : shirt;
  v.crest = 0;
  if (IsWorldClub(club)) {
    const int16_t dbClub = GNW_GetClubDbId(club);
    if (dbClub >= 0 && dbClub < 1100) v.crest = static_cast<int16_t>(dbClub + 105);  // crests 105-1204
  }
  v.shortListText = ShortList_Contains(player) ? 1832 : 423;
  std::snprintf(v.identity, sizeof v.identity, "%s  %s  %s  %d %s",
                GNW_GetNationalityString(GNW_GetPlayerNationality(player)), GetTextNoAddr(GNW_GetSideTextNo(player)),
                GetTextNoAddr(564 + GNW_GetPositionType(player)), GNW_GetPlayerAge(player), GetTextNoAddr(185));

  int row = 0;
  for (const SkillRow& skill : kSkills) SetRowNumber(row++, skill.text, SkillValue(player, skill));
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%d%%", GNW_GetPlayerExperiencePercent(player));
  SetRow(row++, 1092, buffer);
  std::snprintf(buffer, sizeof buffer, "%d%%", GNW_GetPlayerFitnessPercent(player));
  SetRow(row++, 245, buffer);
  std::snprintf(buffer, sizeof buffer, "%d%%", GNW_GetPlayerFatiguePercent(player));
  SetRow(row++, 246, buffer);
  std::snprintf(buffer, sizeof buffer, "%d%%", GNW_GetPlayerMoralePercent(player));
  SetRow(row++, 244, buffer);
  if (IsManagerPlayer(player)) {
    for (int16_t text : {59, 241, 239, 71}) SetRow(row++, text, GetTextNoAddr(1998));
  } else {
    const int32_t wage = GNW_GetPlayerWage(player);
    SetRow(row++, 59, PriceToFullStr(wage));
    if (wage == 0) {
      SetRow(row++, 241, GetTextNoAddr(68));
    } else {
      const int32_t price = GNW_GetPlayerManPrice(player);
      SetRow(row++, 241, PriceToFullStr(price > 0 ? price : GNW_GetPlayerValue(player)));
    }
    const int16_t contract = GNW_GetPlayerContract(player);
    if (contract > 0) {
      std::snprintf(buffer, sizeof buffer, "%d %s", contract, GetTextNoAddr(196));
      SetRow(row++, 239, buffer);
    } else {
      SetRow(row++, 239, GetTextNoAddr(789));
    }
    SetRow(row++, 71, GetTextNoAddr(StatusText(player)));
  }
  SetRowNumber(row++, 247, GNW_GetPlayerDispoints(player));

  // The statistics block; a goalkeeper's goals are his clean sheets.
  const bool keeper = GNW_GetPositionType(player) == 0;
  const int16_t texts[6] = {62, 67, static_cast<int16_t>(keeper ? 199 : 64), 65, 1827,
                            static_cast<int16_t>(keeper ? 532 : 66)};
  const int values[6] = {GNW_GetPlayerApps(player),       GNW_GetPlayerPerf(player), GNW_GetPlayerGoals(player),
                         GNW_GetPlayerCareerApps(player), GNW_GetPlayerPerf(player), GNW_GetPlayerCareerGoals(player)};
  for (int i = 0; i < 6; ++i) {
    v.statText[i] = texts[i];
    std::snprintf(v.statValue[i], sizeof v.statValue[i], "%d", values[i]);
  }

  // The status lines.
  const bool available = !GNW_IsPlayerUnderSuspension(player) && GNW_FindInjurySlot(player) < 0;
  std::snprintf(v.statusLine, sizeof v.statusLine, "%s: %s", GetTextNoAddr(905), GetTextNoAddr(available ? 249 : 248));
  v.detailLine[0] = 0;
  if (v.contractView) {
    const char* clause = GetTextNoAddr(402);
    if (GNW_GetPlayerRRClause(player)) clause = GetTextNoAddr(282);
    else if (GNW_GetPlayerBRClause(player)) clause = GetTextNoAddr(283);
    std::snprintf(v.detailLine, sizeof v.detailLine, "%s%s", GetTextNoAddr(281), clause);
  } else if (const int16_t slot = GNW_FindInjurySlot(player); slot >= 0) {
    const int16_t weeks = GNW_GetInjuryTime(slot);
    if (weeks >= 26)
      std::snprintf(v.detailLine, sizeof v.detailLine, "%s", GetTextNoAddr(1178));
    else
      {
      const int16_t type = GNW_GetInjuryType(slot);  // its name is text 200 + type
      std::snprintf(v.detailLine, sizeof v.detailLine, "%s %d %s",
                    type >= 0 && type <= 36 ? GetTextNoAddr(200 + type) : "", weeks, GetTextNoAddr(748));
    }
  } else if (const int16_t ban = GNW_IsPlayerUnderSuspension(player); ban > 0) {
    std::snprintf(v.detailLine, sizeof v.detailLine, "%d %s", ban, GetTextNoAddr(171));
  }
}

// ---- the action pop-ups ----

int16_t RowResult(int16_t result) { return result == MENU_RESULT_LEAVE ? MENU_RESULT_LEAVE : POPUP_RESULT_REDRAW; }
int16_t PopBuy(const PopupCall*) { return RowResult(PlayerPage_BuyPlayer()); }
int16_t PopLoanIn(const PopupCall*) { return RowResult(PlayerPage_LoanInPlayer()); }
int16_t PopShortList(const PopupCall*) { return RowResult(PlayerPage_ShortList()); }
int16_t PopLoanList(const PopupCall*) { return RowResult(PlayerPage_LoanList()); }
int16_t PopTransferList(const PopupCall*) { return RowResult(PlayerPage_TransferList()); }
int16_t PopSetPrice(const PopupCall*) { return RowResult(PlayerPage_SetPrice()); }
int16_t PopNegotiate(const PopupCall*) { return RowResult(PlayerPage_NegotiateContract()); }
int16_t PopRelease(const PopupCall*) { return RowResult(PlayerPage_ReleasePlayer()); }
int16_t PopHangUp(const PopupCall*) { return RowResult(PlayerPage_HangUpBoots()); }
int16_t PopCareer(const PopupCall*) { return RowResult(PlayerPage_CareerHistory()); }
int16_t PopImprovement(const PopupCall*) { return RowResult(PlayerPage_ImprovementHistory()); }
int16_t PopNothing(const PopupCall*) { return POPUP_RESULT_CLOSE; }

constexpr uint16_t kOn = POPUP_ENABLED;
#define ROW(text, cb) {POPUP_ROW_TEXTNO, kOn, -1, -1, -1, -1, MenuArg(text), cb, nullptr}
#define HISTORY_ROWS ROW(1656, PopCareer), ROW(1657, PopImprovement)
#define LIST_END {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr}

PopupRow gOtherClubList[] = {
    ROW(759, PopBuy),
    ROW(1828, PopLoanIn),
    {POPUP_ROW_TEXTNO_VAR, kOn, -1, -1, -1, -1, MenuArg(static_cast<void*>(&gPage.view.shortListText)), PopShortList,
     nullptr},
    HISTORY_ROWS,
    LIST_END,
};
PopupRow gOwnList[] = {
    ROW(738, PopLoanList), ROW(755, PopTransferList), ROW(1499, PopSetPrice), ROW(1829, PopNegotiate),
    ROW(251, PopRelease),  HISTORY_ROWS,              LIST_END,
};
PopupRow gManagerList[] = {ROW(744, PopHangUp), HISTORY_ROWS, LIST_END};
PopupRow gNotAvailableList[] = {ROW(1808, PopNothing), HISTORY_ROWS, LIST_END};

#undef ROW
#undef HISTORY_ROWS
#undef LIST_END

int16_t ActionButton(MenuHotspot*) { return 0; }
int16_t FlipView(MenuHotspot*) {
  gPage.view.contractView = !gPage.view.contractView;
  return MENU_RESULT_REDRAW;
}

// Each list's button shows its first row.
const MenuItem kOtherClubButton[] = {
    {MI_TEXT_BUTTON, 0, 0, 0, 0, MenuArg(759), MenuArg(ActionButton)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gOtherClubList)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kOwnButton[] = {
    {MI_TEXT_BUTTON, 0, 0, 0, 0, MenuArg(738), MenuArg(ActionButton)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gOwnList)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kManagerButton[] = {
    {MI_TEXT_BUTTON, 0, 0, 0, 0, MenuArg(744), MenuArg(ActionButton)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gManagerList)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kNotAvailableButton[] = {
    {MI_TEXT_BUTTON, 0, 0, 0, 0, MenuArg(1808), MenuArg(ActionButton)},
    {MI_POPUP_ANCHOR, 0, 0, 0, 0, MenuArg(static_cast<void*>(gNotAvailableList)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem* const kButtons[4] = {kOtherClubButton, kOwnButton, kManagerButton, kNotAvailableButton};
const void* gActionButton = kNotAvailableButton;

// Row texts and values as the table reads them.
const char* gRowValuePtr[PLAYER_PAGE_ROWS];
const char* gStatValuePtr[6];
const char* gTitlePtr = "";
const char* gIdentityPtr = "";
const char* gStatusPtr = "";
const char* gDetailPtr = "";

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

void FramedBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

const MenuItem kSkillColumn[] = {
    {MI_TEXTNO_VAR, 8, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPage.view.rowText), {}},
    {MI_STRING_VAR, 184, 0, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gRowValuePtr), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kSkillColumn2[] = {
    {MI_TEXTNO_VAR, 8, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPage.view.rowText + 9), {}},
    {MI_STRING_VAR, 184, 0, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gRowValuePtr + 9), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kSkillColumn3[] = {
    {MI_TEXTNO_VAR, 8, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPage.view.rowText + 18), {}},
    {MI_STRING_VAR, 184, 0, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gRowValuePtr + 18), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kStatPair[] = {
    {MI_TEXTNO_VAR, 0, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPage.view.statText), {}},
    {MI_STRING_VAR, 180, 0, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gStatValuePtr), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kStatPair2[] = {
    {MI_TEXTNO_VAR, 0, 0, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPage.view.statText + 3), {}},
    {MI_STRING_VAR, 180, 0, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gStatValuePtr + 3), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// The crest, when the player's club has one.
const MenuItem kCrest[] = {
    {MI_ICON_VAR, 0, 0, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gPage.view.crest), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kNothing[] = {{MI_END, 0, 0, 0, 0, {}, {}}};
const void* gCrestTable = kNothing;

void PointTableAtView() {
  gCrestTable = gPage.view.crest > 0 ? static_cast<const void*>(kCrest) : static_cast<const void*>(kNothing);
  PlayerPageView& v = gPage.view;
  for (int i = 0; i < PLAYER_PAGE_ROWS; ++i) gRowValuePtr[i] = v.rowValue[i];
  for (int i = 0; i < 6; ++i) gStatValuePtr[i] = v.statValue[i];
  gTitlePtr = v.title;
  gIdentityPtr = v.identity;
  gStatusPtr = v.statusLine;
  gDetailPtr = v.detailLine;
  gActionButton = kButtons[gPage.list];
}

// ---- Select League To Play's texts ----

constexpr int16_t kDescriptionTexts[8] = {1586, 1590, 1593, 1591, 1602, 1598, 1597, 1603};
constexpr int16_t kAdjectiveTexts[8] = {2310, 2311, 2312, 2313, 2314, 2315, 2316, 2317};

void DescriptionBox(int x, int y, int w, int h) {
  DrawDarkShadeBox(x, y, w, h, 0);
  if (gCarousel.descriptionText >= 0) DoTextBoxAddr(x + 8, y + 6, w - 16, h - 12, ALIGN_LEFT | ALIGN_TOP,
                                                    GetTextNoAddr(gCarousel.descriptionText));
}

}  // namespace

// ======================================================================
// Select League To Play
// ======================================================================

int16_t Return_CountryFromIcon(int16_t icon) {
  switch (icon) {
    case 1250: return 0;
    case 1255: return 6;
    case 1260: return 3;
    case 1265: return 5;
    case 1270: return 2;
    case 1275: return 7;
    case 1280: return 1;
    case 1285: return 4;
    default: ABORT("Return_CountryFromIcon():M_Mn0.c Unknown icon for country");
  }
}

int16_t CountryDescriptionTextNo(int16_t country) {
  return country >= 0 && country < 8 ? kDescriptionTexts[country] : int16_t{-1};
}
int16_t CountryAdjectiveTextNo(int16_t country) {
  return country >= 0 && country < 8 ? kAdjectiveTexts[country] : int16_t{-1};
}

int16_t Init_M_MN0(const MenuItem*) {
  SetScreenHeader(4);
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  gCarousel.firstDraw = 1;
  gCarousel.tallest = 0;
  int16_t count = 0;
  for (;; ++count) {
    if (count > MAX_NUMBER_OF_LEAGUES - 1) ABORT("Init_M_MN0 Exceding MAX_NUMBER_OF_LEAGUES in CountrySelection[]");
    if (CountrySelection[count] == 0) break;
    gCarousel.frame[count] = 0;
    int w = 0, h = 0;
    GetIconSizeScaled(CountrySelection[count], &w, &h);
    if (h > gCarousel.tallest) gCarousel.tallest = static_cast<int16_t>(h);
  }
  gCarousel.count = count;
  gCarousel.centre = static_cast<int16_t>(count > 0 ? count - 1 : 0);
  gCarousel.direction = 0;
  gCarousel.angle = 0.0f;
  gCarousel.idleFrames = 0;
  ShowCentreCountry();
  KillMenuTimer(kCarouselTimerKey);
  const MenuItem timer{0, kCarouselTimerKey, 0, 0, -1, MenuArg(CarouselTimer), {}};
  AddMenuTimer(&timer);
  return 0;
}

int16_t SelectLeague_TurnLeft(MenuHotspot*) {
  if (gCarousel.direction == 0) gCarousel.direction = -1;
  return 0;
}
int16_t SelectLeague_TurnRight(MenuHotspot*) {
  if (gCarousel.direction == 0) gCarousel.direction = 1;
  return 0;
}

int16_t SelectLeague_Choose(MenuHotspot*) {
  if (gCarousel.direction != 0 || gCarousel.count == 0) return 0;
  GNW_SetGameCountry(Return_CountryFromIcon(SelectLeague_CentreIcon()));
  MenuOption = 0;
  KillMenuTimer(kCarouselTimerKey);
  if (MenuBufferPixels()) RestoreBackgroundRect(32, 100, 576, 230, ALIGN_LEFT | ALIGN_TOP);  // the ring cleared
  return MENU_RESULT_LEAVE;
}

int16_t SelectLeague_Back(MenuHotspot*) {
  MenuOption = 24;
  KillMenuTimer(kCarouselTimerKey);
  return MENU_RESULT_LEAVE;
}

bool SelectLeague_StepCarousel() {
  CarouselState& c = gCarousel;
  if (c.count == 0) return false;
  if (c.direction > 0) {
    c.angle += kTurnStep;
    if (c.angle > kPi) {
      c.centre = static_cast<int16_t>(c.centre + 1 >= c.count ? 0 : c.centre + 1);
      c.angle = 0.0f;
      c.direction = 0;
      ShowCentreCountry();
      SetMenuResult(MENU_RESULT_REDRAW);
    }
    return true;
  }
  if (c.direction < 0) {
    c.angle -= kTurnStep;
    if (c.angle < -kPi) {
      c.centre = static_cast<int16_t>(c.centre - 1 < 0 ? c.count - 1 : c.centre - 1);
      c.angle = 0.0f;
      c.direction = 0;
      ShowCentreCountry();
      SetMenuResult(MENU_RESULT_REDRAW);
    }
    return true;
  }
  if (c.firstDraw) {
    c.firstDraw = 0;
    c.angle = 0.0f;
    ShowCentreCountry();
    return true;
  }
  if (++c.idleFrames % kIdleFramesPerStep == 0) {
    const int i = Wrap(c.centre + 1, c.count);
    c.frame[i] = static_cast<int16_t>(c.frame[i] + 1 >= 5 ? 0 : c.frame[i] + 1);
    return true;
  }
  return false;
}

// Cell k of the ring is centred at 200 k + offset - 80. Turning right the
// offset runs from 200 to 0 over cells centre + k; turning left from 0 to
// 200 over cells centre + k - 1; standing, it is 200 over cells centre + k,
// so the middle flag (centre + 1) stands at 320 from one turn to the next.
int16_t SelectLeague_CellIcon(int k) {
  const int shift = gCarousel.direction >= 0 ? 0 : -1;
  return IconAt(gCarousel.centre + k + shift);
}

void SelectLeague_DrawCarousel(int, int, int, int) {
  if (gCarousel.count == 0 || !MenuBufferPixels()) return;
  const int offset = gCarousel.direction == 0
                         ? 200
                         : 100 + static_cast<int>(std::lround(std::cos(gCarousel.angle) * 100.0f * gCarousel.direction));
  const int height = gCarousel.tallest > 0 ? gCarousel.tallest : 100;
  RestoreBackgroundRect(32, 200 - height / 2 - 2, 576, height + 4, ALIGN_LEFT | ALIGN_TOP);
  for (int k = 0; k < 5; ++k) {
    const int16_t icon = SelectLeague_CellIcon(k);
    if (icon <= 0) continue;
    int w = 0, h = 0;
    GetIconSizeScaled(icon, &w, &h);
    const int left = 200 * k + offset - 80 - w / 2;
    // Only a flag wholly inside the window is drawn (the primitives do not clip).
    if (left < 32 || left + w > 608) continue;
    DoIcon(left, 200, ALIGN_LEFT | ALIGN_VMIDDLE, icon);
  }
}

int16_t SelectLeague_IconCount() { return gCarousel.count; }
int16_t SelectLeague_CentreIndex() { return gCarousel.centre; }
int16_t SelectLeague_Direction() { return gCarousel.direction; }
float SelectLeague_Angle() { return gCarousel.angle; }
int16_t SelectLeague_CentreIcon() {
  if (gCarousel.count <= 0) return 0;
  return CountrySelection[Wrap(gCarousel.centre + 1, gCarousel.count)];
}

const MenuItem SelectLeagueMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Init_M_MN0), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(4), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(459), {}},  // "Select League To Play"
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO_VAR, 320, 70, ALIGN_CENTRED, 0, Var(&gCarousel.adjectiveText), {}},
    {MI_MENU_BAR, 75, 157, 490, 190, MenuArg(SelectLeague_DrawCarousel), {}},
    {MI_OWNER_DRAW, 42, 350, 556, 86, MenuArg(DescriptionBox), {}},
    {MI_CLICK_REGION, 140, 300, 40, 40, MenuArg(-1), MenuArg(SelectLeague_TurnLeft)},
    {MI_CLICK_REGION, 32, 100, 188, 200, MenuArg(-1), MenuArg(SelectLeague_TurnLeft)},
    {MI_CLICK_REGION, 460, 300, 40, 40, MenuArg(-1), MenuArg(SelectLeague_TurnRight)},
    {MI_CLICK_REGION, 420, 100, 188, 200, MenuArg(-1), MenuArg(SelectLeague_TurnRight)},
    {MI_CLICK_REGION, 42, 350, 556, 86, MenuArg(-1), MenuArg(SelectLeague_Choose)},
    {MI_CLICK_REGION, 42, 436, 598, 40, MenuArg(-1), MenuArg(SelectLeague_Choose)},
    {MI_CLICK_REGION, 220, 100, 200, 230, MenuArg(-1), MenuArg(SelectLeague_Choose)},
    {MI_CLICK_REGION, 600, 436, 40, 40, MenuArg(-1), MenuArg(SelectLeague_Choose)},
    {MI_CLICK_REGION, 0, 436, 40, 40, MenuArg(-1), MenuArg(SelectLeague_Back)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ======================================================================
// The player page
// ======================================================================

void OpenPlayerPage(int16_t player, int16_t returnOption) {
  MenuPlayer = player;
  gPage.returnOption = returnOption;
  MenuOption = 4;
}

int16_t PlayerPageReturnOption() { return gPage.returnOption; }
int16_t PlayerPage_ActionList() { return gPage.list; }
const PlayerPageView& PlayerPage_View() { return gPage.view; }

int16_t PlayerPage_ChooseActionList(int16_t player) {
  const int16_t user = UserClub();
  const int16_t club = GNW_GetPlayerClub(player);
  if (IsManagerPlayer(player) && club == user) return PLAYER_ACTIONS_MANAGER;
  if (IsManagerPlayer(player) || (HasFullRecord(player) && (GNW_IsPlayerManager(player) || GNW_GetPlayerBossvane(player))))
    return PLAYER_ACTIONS_NOT_AVAILABLE;
  if (GNW_GetPlayerOnLoan(player) || club != user) return PLAYER_ACTIONS_OTHER_CLUB;
  return PLAYER_ACTIONS_OWN;
}

bool PlayerPage_MarketClosed() {
  for (int period = 0; period < NUM_DEADLINE_PERIODS; ++period)
    if (DeadlinePeriodInForce(period, GNW_GetCurrentDay())) return true;
  return false;
}

int64_t PlayerPage_ReleaseCost(int16_t player) {
  return int64_t{4} * GNW_GetPlayerContract(player) * GNW_GetPlayerWage(player);
}

int16_t PlayerPage_Handler(const MenuItem*) {
  const int16_t player = ShownPlayer();
  PlayerPageView& v = gPage.view;
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    const int16_t club = GNW_GetPlayerClub(player);
    if (club == 252 || club == 255 || !IsWorldClub(club)) {
      // The reserve pool's player shows the club holding his reserve slot.
      SetScreenHeader(0);
      const int16_t slot = club == 252 ? GNW_GetPlayerReserveSlot(player) : int16_t{-1};
      const int16_t reserveClub = slot >= 0 && slot < NUM_RESERVE_SLOTS ? Reserve_GetClub(slot) : int16_t{-1};
      if (IsWorldClub(reserveClub))
        std::snprintf(v.title, sizeof v.title, "%s %s", GNW_GetClubName(GNW_GetClubDbId(reserveClub)),
                      GNW_GetPlayerName(player));
      else
        std::snprintf(v.title, sizeof v.title, "%s", GNW_GetPlayerName(player));
    } else {
      SetScreenHeader(3);
      GNW_FillSquadList(club);
      GNW_CompleteMatchTeam(club, 5);
      std::snprintf(v.title, sizeof v.title, "%s %s", GNW_GetClubName(GNW_GetClubDbId(club)),
                    GNW_GetPlayerName(player));
    }
    gPage.list = PlayerPage_ChooseActionList(player);
    v.figuresGenerated = false;
    if (!HasFullRecord(player) || (IsWorldClub(club) && GNW_GetClubCountry(club) != GNW_GetGameCountry())) {
      GNW_GeneratePlayerStats(player);
      v.figuresGenerated = true;
    }
  }
  FillView(player);
  PointTableAtView();
  return 0;
}

int16_t PlayerPage_BuyPlayer() {
  if (NegotiationBusy == 1) return MENU_RESULT_LEAVE;
  const int16_t player = ShownPlayer();
  const int16_t club = UserClub();
  const int16_t seller = GNW_GetPlayerClub(player);
  const int32_t maxWage = GNW_GetClubMaxWage(club);
  if (SquadSize(club) >= kSquadLimit) return Refuse(1151);
  if (PlayerPage_MarketClosed()) return Refuse(1142);
  if (seller == club && !GNW_GetPlayerOnLoan(player)) return Refuse(1143);
  if (IsManagerPlayer(player)) return Refuse(1144);
  if (GNW_GetPlayerWage(player) > maxWage) return Refuse(1173);
  if (!GNW_IsPlayerNotApproached(MenuManager, player)) return Refuse(1145);
  if (!GNW_AddApproachedPlayer(MenuManager, player)) return Refuse(1146);
  if (GNW_GetPlayerWage(player) == 0) return Refuse(1143);
  if (IsWorldClub(seller) && SquadSize(seller) <= kSellerMinimum) return Refuse(1147);
  int16_t patience = 0;
  if (!GNW_EvaluateContractOffer(player, club, kOfferMonths, 0, 0, GNW_RoundDownTo25(maxWage), &patience)) {
    GNW_RemoveHumanSale(player);
    return Refuse(1149);
  }
  if (FreeBidSlots(club) == 0) return Refuse(1150);
  if (SquadSize(club) >= kSquadLimit) return Refuse(1151);
  if (GNW_CountBidsForPlayer(player, club) > kTalksLimit) return Refuse(1152);
  if (GNW_GetPlayerValue(player) > 0) {
    MenuOtherClub = seller;  // the negotiation haggles with the seller
    MenuOption = 10;
    return MENU_RESULT_LEAVE;
  }
  OfferAtOnce(club, player, 0);
  return MENU_RESULT_REDRAW;
}

int16_t PlayerPage_LoanInPlayer() {
  if (NegotiationBusy == 1) return MENU_RESULT_LEAVE;
  const int16_t player = ShownPlayer();
  const int16_t club = UserClub();
  const int16_t seller = GNW_GetPlayerClub(player);
  if (SquadSize(club) >= kSquadLimit) return Refuse(1140);
  if (PlayerPage_MarketClosed()) return Refuse(1142);
  if (IsManagerPlayer(player)) return Refuse(1133);
  if (!GNW_GetPlayerLoanList(player)) return Refuse(1134);
  if (GNW_GetPlayerWage(player) > GNW_GetClubMaxWage(club)) return Refuse(1172);
  if (GNW_GetPlayerWage(player) == 0 || !HasFullRecord(player) || (seller == club && !GNW_GetPlayerOnLoan(player)))
    return Refuse(1135);
  if (!GNW_IsPlayerNotApproached(MenuManager, player)) return Refuse(1136);
  if (!GNW_AddApproachedPlayer(MenuManager, player)) return Refuse(1137);
  if (IsWorldClub(seller) && SquadSize(seller) <= kSellerMinimum) return Refuse(1138);
  if (FreeBidSlots(club) == 0) return Refuse(1139);
  if (SquadSize(club) >= kSquadLimit) return Refuse(1140);
  if (GNW_CountBidsForPlayer(player, club) > kTalksLimit) return Refuse(1141);
  OfferAtOnce(club, player, LOAN_BID_PRICE);
  return MENU_RESULT_REDRAW;
}

int16_t PlayerPage_ShortList() {
  const int16_t player = ShownPlayer();
  if (ShortList_Contains(player)) {
    if (DoQuestionBox(GetTextNoAddr(425), YesNoButtons, 0) == 1) ShortList_Remove(player);
  } else {
    ShortList_Add_Player(player);
  }
  return MENU_RESULT_REDRAW;
}

int16_t PlayerPage_LoanList() {
  const int16_t player = ShownPlayer();
  const int16_t listing = GNW_GetPlayerLoanList(player) ? 0 : 1;
  GNW_SetPlayerLoanListed(player, listing);
  if (listing) GNW_SetPlayerSaleStatus(player, 0);
  return MENU_RESULT_REDRAW;
}

int16_t PlayerPage_TransferList() {
  const int16_t player = ShownPlayer();
  if (GNW_GetPlayerContract(player) <= 0) return Refuse(1163);
  const int16_t listing = GNW_GetPlayerTxList(player) ? 0 : 1;
  GNW_SetPlayerTxList(player, listing);
  if (listing) GNW_SetPlayerSaleStatus(player, 0);
  return MENU_RESULT_REDRAW;
}

int16_t PlayerPage_SetPrice() {
  MenuOption = 72;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_NegotiateContract() {
  if (NegotiationBusy == 1) return MENU_RESULT_LEAVE;
  const int16_t player = ShownPlayer();
  const int16_t club = GNW_GetPlayerOnLoan(player) ? GNW_GetPlayerLoanClub(player) : GNW_GetPlayerClub(player);
  if (!IsWorldClub(club) || GNW_GetClubControl(club) == 0) return Refuse(1155);
  const int32_t wage = GNW_GetPlayerWage(player);
  if (wage == 0 && (GNW_GetClubYDO(club) == 0 || GNW_GetClubYDOContract(club) == 0)) return Refuse(1181);
  if (!GNW_GetClubContractClause(club)) return Refuse(1156);
  if (IsManagerPlayer(player)) return Refuse(1157);
  if (!(GNW_GetClubMaxWage(club) >= wage / 2 && GNW_GetPlayerContract(player) < 24)) return Refuse(1158);
  MenuOption = 14;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_ReleasePlayer() {
  const int16_t player = ShownPlayer();
  const int16_t club = GNW_GetPlayerClub(player);
  const int64_t cost = PlayerPage_ReleaseCost(player);
  if (!IsWorldClub(club) || GNW_GetClubSpendingBudget(club) < cost) return Refuse(1168);
  char question[160];
  std::snprintf(question, sizeof question, "%s %s%s", "Are you sure you want to release this player ?",
                "This will cost ", PriceToFullStr(static_cast<int32_t>(cost)));
  if (DoQuestionBox(question, YesNoButtons, 0) != 1) return MENU_RESULT_REDRAW;
  GNW_AddToClubBalance(club, static_cast<int32_t>(-cost));
  GNW_AddToClubBalance(255, static_cast<int32_t>(cost));
  GNW_SetPlayerTxList(player, 1);
  GNW_SetPlayerClub(player, 255);
  GNW_SetPlayerWage(player, 1);
  GNW_AddClubHistoryEvent(player, 0, club, 0, 10);
  MenuOption = 7;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_HangUpBoots() {
  const int16_t player = ShownPlayer();
  if (!IsManagerPlayer(player)) return MENU_RESULT_REDRAW;
  if (!GNW_GetPlayerBossvane(player)) return Refuse(1121);
  if (DoQuestionBox(GetTextNoAddr(770), YesNoButtons, 0) != 1) return MENU_RESULT_REDRAW;
  GNW_SetPlayerBossvane(player, 0);
  DoMessageBox(GetTextNoAddr(1122), 0);
  MenuOption = 57;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_CareerHistory() {
  if (NegotiationBusy != 1) MenuOption = 57;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_ImprovementHistory() {
  if (NegotiationBusy != 1) MenuOption = 28;
  return MENU_RESULT_LEAVE;
}

int16_t PlayerPage_Done(MenuHotspot*) {
  if (NegotiationBusy != 1) MenuOption = gPage.returnOption;
  return MENU_RESULT_LEAVE;
}

const MenuItem PlayerPageMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(PlayerPage_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_STRING_VAR, 320, 36, ALIGN_CENTRED, 0, Var(&gTitlePtr), {}},
    {MI_SUBTABLE_VAR, 70, 64, 1, 0, Var(&gCrestTable), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_NUMBER_S16, 110, 76, ALIGN_CENTRED, 0, Var(&gPage.view.shirt), {}},
    {MI_STRING_VAR, 320, 76, ALIGN_CENTRED, 0, Var(&gIdentityPtr), {}},
    {MI_OWNER_DRAW, 32, 120, 576, 180, MenuArg(FramedBox), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 125, 9, 20, MenuArg(static_cast<const void*>(kSkillColumn)), {}},
    {MI_SUBTABLE, 224, 125, 9, 20, MenuArg(static_cast<const void*>(kSkillColumn2)), {}},
    {MI_SUBTABLE, 416, 125, 9, 20, MenuArg(static_cast<const void*>(kSkillColumn3)), {}},
    {MI_STRING_VAR, 40, 325, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gStatusPtr), {}},
    {MI_STRING_VAR, 40, 345, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gDetailPtr), {}},
    {MI_CLICK_REGION, 32, 322, 576, 40, MenuArg(-1), MenuArg(FlipView)},
    {MI_COLUMNS, 40, 385, 3, 192, MenuArg(static_cast<const void*>(kStatPair)), {}},
    {MI_COLUMNS, 40, 405, 3, 192, MenuArg(static_cast<const void*>(kStatPair2)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE_VAR, 60, 440, 1, 0, Var(&gActionButton), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_ICON, 570, 436, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(PlayerPage_Done)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void M_Mn0_Reset() {
  gCarousel = CarouselState{};
  gPage = PlayerPageState{};
  for (auto& row : gPage.view.rowText) row = -1;
  for (auto& text : gPage.view.statText) text = -1;
  gPage.view.shirt = BLANK_S16;
  gPage.view.shortListText = 423;
  PointTableAtView();
  for (int i = 0; i < MAX_NUMBER_OF_LEAGUES; ++i) CountrySelection[i] = 0;
  for (int i = 0; kDefaultCountries[i] != 0; ++i) CountrySelection[i] = kDefaultCountries[i];
  NegotiationBusy = 0;
}
REGISTER_RESET(RESET_MENUS, M_Mn0_Reset);
