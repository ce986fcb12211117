// The start page and Past Transfers (see c_mnstart.h).
#include "menus/c_mnstart.h"

#include "menus/c_mnload.h"

#include <cstdio>

#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"

namespace {

constexpr int kRows = PAST_TRANSFERS_ROWS;
constexpr int kLogEntries = 10000;  // the transfer log's ring
constexpr int16_t kTextFreeAgent = 789;

struct PastTransfersState {
  int16_t length = 0;
  int16_t position = kLogEntries + 1;
  char dates[kRows][24] = {};
  const char* date[kRows] = {};
  int16_t player[kRows] = {};
  int16_t buyingClub[kRows] = {};
  int16_t sellingClub[kRows] = {};
  int32_t fee[kRows] = {};
  int16_t day[kRows] = {};
  int16_t month[kRows] = {};
  int16_t year[kRows] = {};
  PastTransferRow shown{};
};
PastTransfersState gPast;

// The saved careers of the save index (none when it cannot be read).
int16_t SavedGames() { return static_cast<int16_t>(CountSaveGames()); }

void BlankRow(int i) {
  gPast.dates[i][0] = 0;
  gPast.date[i] = gPast.dates[i];
  gPast.player[i] = -1;
  gPast.buyingClub[i] = -1;
  gPast.sellingClub[i] = -1;
  gPast.fee[i] = MENU_BLANK_VALUE;
  gPast.day[i] = BLANK_S16;
  gPast.month[i] = BLANK_S16;
  gPast.year[i] = BLANK_S16;
}

// A club of the log as a text number: its name, or "Free Agent" for the
// pool's ids 250-255.
int16_t ClubText(int16_t club) {
  if (club >= 250 && club <= 255) return kTextFreeAgent;
  return static_cast<int16_t>(TEXTNO_CLUB_BASE + club);
}

void FillRows() {
  for (int i = 0; i < kRows; ++i) {
    BlankRow(i);
    if (gPast.position + i > kLogEntries) continue;
    const int16_t e = static_cast<int16_t>(kLogEntries - gPast.position - i);
    const TransferLogEntry* entry = GNW_GetTransferLogEntry(e);
    if (entry == nullptr) continue;
    gPast.player[i] = entry->player >= 0 ? static_cast<int16_t>(TEXTNO_PLAYER_BASE + entry->player) : int16_t{-1};
    if (entry->buyingClub == entry->sellingClub) continue;  // no fee, no date
    gPast.buyingClub[i] = ClubText(entry->buyingClub);
    gPast.sellingClub[i] = ClubText(entry->sellingClub);
    gPast.fee[i] = entry->fee;
    gPast.day[i] = entry->day;
    gPast.month[i] = static_cast<int16_t>(entry->month + 1);
    gPast.year[i] = entry->year;
    std::snprintf(gPast.dates[i], sizeof gPast.dates[i], "%d/%d/%d", entry->day, entry->month + 1, entry->year);
  }
}

void DarkBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

int16_t StartPageHandler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) SetScreenHeader(4);
  return 0;
}

int16_t PastTransfersDone(MenuHotspot*) {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

const MenuItem kRowTemplate[] = {
    {MI_OWNER_DRAW, 0, 0, 600, 20, MenuArg(DarkBox), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(4), {}},
    {MI_STRING_VAR, 10, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(gPast.date), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 110, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPast.player), {}},
    {MI_TEXTNO_VAR, 260, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPast.buyingClub), {}},
    {MI_TEXTNO_VAR, 420, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), Var(gPast.sellingClub), {}},
    {MI_NUMBER_S32, 560, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(int32_t), Var(gPast.fee), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

}  // namespace

StartPageSeamTable StartPageSeam = {SavedGames};

// ---- the start page ----

int16_t StartPage_NewGame(MenuHotspot*) {
  MenuOption = 1;
  return MENU_RESULT_LEAVE;
}

int16_t StartPage_LoadGame(MenuHotspot*) {
  if (StartPageSeam.countSaveGames() > 0) {
    MenuOption = 49;
    return MENU_RESULT_LEAVE;
  }
  DoMessageBox(GetTextNoAddr(1676), 0);  // "There are no save games to load"
  return MENU_RESULT_REDRAW;
}

int16_t StartPage_Friendly(MenuHotspot*) {
  GNW_SetGameCountry(0);
  MenuOption = 53;
  return MENU_RESULT_LEAVE;
}

int16_t StartPage_Replays(MenuHotspot*) {
  if (FrontEndSeam.countReplayFiles() > 0) {
    FrontEndSeam.setMatchRunMode(3);
    MenuOption = 55;
    return MENU_RESULT_LEAVE;
  }
  DoMessageBox(GetTextNoAddr(1677), 0);  // "There are no replays saved for you to load"
  return MENU_RESULT_REDRAW;
}

const MenuItem StartPageMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(StartPageHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(BACKGROUND_START_PAGE), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 630, 10, ALIGN_RIGHT | ALIGN_TOP, 0, MenuArg("v2000.0"), {}},
    {MI_CLICK_REGION, 0, 136, 640, 49, MenuArg(-1), MenuArg(StartPage_NewGame)},
    {MI_CLICK_REGION, 0, 209, 640, 49, MenuArg(-1), MenuArg(StartPage_LoadGame)},
    {MI_CLICK_REGION, 0, 287, 640, 49, MenuArg(-1), MenuArg(StartPage_Friendly)},
    {MI_CLICK_REGION, 0, 362, 640, 49, MenuArg(-1), MenuArg(StartPage_Replays)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- Past Transfers ----

int16_t PastTransfers_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    // Counted up to the first entry never written, never past the ring.
    gPast.length = 0;
    while (gPast.length < kLogEntries) {
      const TransferLogEntry* entry = GNW_GetTransferLogEntry(gPast.length);
      if (entry == nullptr || entry->buyingClub == -1) break;
      ++gPast.length;
    }
    gPast.position = static_cast<int16_t>(kLogEntries + 1 - gPast.length);
    SetScreenHeader(2);
  }
  FillRows();
  return 0;
}

int16_t PastTransfers_Newer(MenuHotspot*) {
  const int16_t first = static_cast<int16_t>(kLogEntries + 1 - gPast.length);
  gPast.position = static_cast<int16_t>(gPast.position - kRows < first ? first : gPast.position - kRows);
  return MENU_RESULT_REDRAW;
}

int16_t PastTransfers_Older(MenuHotspot*) {
  constexpr int16_t kLast = kLogEntries - kRows + 1;  // the last page shows entries 15 down to 0
  gPast.position = static_cast<int16_t>(gPast.position + kRows > kLast ? kLast : gPast.position + kRows);
  return MENU_RESULT_REDRAW;
}

const PastTransferRow& PastTransfers_Row(int row) {
  PastTransferRow& r = gPast.shown;
  r = PastTransferRow{};
  if (row < 0 || row >= kRows) return r;
  std::snprintf(r.date, sizeof r.date, "%s", gPast.date[row] ? gPast.date[row] : "");
  r.player = gPast.player[row];
  r.buyingClub = gPast.buyingClub[row];
  r.sellingClub = gPast.sellingClub[row];
  r.fee = gPast.fee[row];
  r.day = gPast.day[row];
  r.month = gPast.month[row];
  r.year = gPast.year[row];
  return r;
}
int16_t PastTransfers_Length() { return gPast.length; }
int16_t PastTransfers_Position() { return gPast.position; }

const MenuItem PastTransfersMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(PastTransfers_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(795), {}},  // "Past Transfers"
    {MI_ICON, 32, 434, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_OWNER_DRAW, 32, 74, 576, 20, MenuArg(DarkBox), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO, 300, 76, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(793), {}},  // "Club To"
    {MI_TEXTNO, 450, 76, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(794), {}},  // "Club From"
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 35, 440, 30, 15, MenuArg(-1), MenuArg(PastTransfers_Newer)},
    {MI_CLICK_REGION, 35, 460, 30, 15, MenuArg(-1), MenuArg(PastTransfers_Older)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 32, 100, kRows, 20, MenuArg(static_cast<const void*>(kRowTemplate)), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(PastTransfersDone)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void StartPage_Reset() {
  gPast = PastTransfersState{};
  for (int i = 0; i < kRows; ++i) BlankRow(i);
  StartPageSeam = {SavedGames};
}
REGISTER_RESET(RESET_MENUS, StartPage_Reset);
