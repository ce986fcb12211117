// Friendly Setup and Player History (see c_mnfriend.h).
#include "menus/c_mnfriend.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/funcs_records.h"
#include "world/history.h"
#include "world/players.h"
#include "world/savegame.h"

namespace {

// ======================================================================
// Friendly Setup
// ======================================================================

constexpr int16_t kTextLoadFailed = 1662, kTextNotTwoTeams = 1020;
constexpr int kNameSize = TEAM_RECORD_SIZE - TEAM_EXPORT_NAME_OFFSET;  // 40
constexpr int kExportPlayers = 16;                                     // shirts 1-16
constexpr int kSurnameSize = 20;
constexpr int kEntryPosition = 20, kEntryPositionWord = 77, kEntryShirt = 79;
constexpr int kLastPosition = 13;  // a manager's position code

// Whether a slot holds a team is read from the slot itself, so nothing
// beside it can disagree with it.
struct FriendlyState {
  char names[FRIENDLY_TEAMS][kNameSize + 1] = {};
  const char* namePtr[FRIENDLY_TEAMS] = {};
};
FriendlyState gFriendly;

void PointNames() {
  for (int i = 0; i < FRIENDLY_TEAMS; ++i) gFriendly.namePtr[i] = gFriendly.names[i];
}

// The names of the teams in the slots ("" for a slot without a team).
void TakeNames() {
  for (int slot = 0; slot < FRIENDLY_TEAMS; ++slot) {
    const char* name = reinterpret_cast<const char*>(SavePlaceholders.teamSlots[slot] + TEAM_EXPORT_NAME_OFFSET);
    if (FriendlySetup_HoldsTeam(slot))
      std::snprintf(gFriendly.names[slot], sizeof gFriendly.names[slot], "%.*s", kNameSize, name);
    else
      gFriendly.names[slot][0] = 0;
  }
}

bool EndsWithin(const uint8_t* text, int size) { return std::memchr(text, 0, static_cast<size_t>(size)) != nullptr; }

int16_t NotTwoTeams() {
  DoMessageBox(GetTextNoAddr(kTextNotTwoTeams), 0);
  return MENU_RESULT_REDRAW;
}

// ======================================================================
// Player History
// ======================================================================

constexpr int16_t kTextSeparator = 125, kTextOnLoan = 1180, kTextManager = 30, kTextSack = 810, kTextTotal = 1363;
constexpr int16_t kTextGoals = 64, kTextCleanSheets = 1830;
constexpr int16_t kTextAbsenceBase = 200, kLastAbsence = 36;  // 200 "AWOL" ... 236
constexpr int16_t kTextAwardBase = 1447, kFirstAward = 24, kLastAward = 27;
constexpr int kFirstSeasonYear = 1999;

// Event kinds of the career log's entries.
enum : uint8_t {
  KIND_SEASON = 0,
  KIND_TRANSFER = 1,
  KIND_LOAN = 2,
  KIND_ABSENCE = 3,
  KIND_MANAGER = 4,
  KIND_AWARD = 5,
  KIND_HONOUR = 6,
  KIND_SACKED = 7,
};

struct HistoryState {
  CareerEntry entries[CAREER_ENTRIES_MAX] = {};
  PlayerHistoryView view{};
};
HistoryState gHistory;

// The rows' fields as the table reads them: one pointer per row and column.
enum Column { COL_START, COL_SEPARATOR, COL_END, COL_CLUB, COL_APPS, COL_GOALS, COL_PERF, COL_EVENT, COL_LINE, COLUMNS };
const char* gRowText[COLUMNS][PLAYER_HISTORY_ROWS];
const char* gTotalText[COLUMNS];
const char* gNamePtr = "";

char* Field(PlayerHistoryRow& row, int column) {
  switch (column) {
    case COL_START: return row.seasonStart;
    case COL_SEPARATOR: return row.separator;
    case COL_END: return row.seasonEnd;
    case COL_CLUB: return row.club;
    case COL_APPS: return row.apps;
    case COL_GOALS: return row.goals;
    case COL_PERF: return row.perf;
    case COL_EVENT: return row.eventText;
    default: return row.lineText;
  }
}

void PointRows() {
  PlayerHistoryView& v = gHistory.view;
  for (int c = 0; c < COLUMNS; ++c) {
    for (int r = 0; r < PLAYER_HISTORY_ROWS; ++r) gRowText[c][r] = Field(v.rows[r], c);
    gTotalText[c] = Field(v.total, c);
  }
  gNamePtr = v.name;
}

template <size_t N>
void Put(char (&out)[N], const char* text) {
  std::snprintf(out, N, "%s", text ? text : "");
}
template <size_t N>
void PutNumber(char (&out)[N], int value) {
  std::snprintf(out, N, "%d", value);
}

// The text of an honour won (a competition place): "League Cup Winners".
// Places outside the competitions' table name nothing.
void HonourText(char (&out)[80], int16_t kind) {
  out[0] = 0;
  const bool known = (kind >= 1 && kind <= 23) || (kind >= 28 && kind <= 31);
  if (!known) return;
  int16_t label = -1;
  const int16_t competition = GNW_GetCompPosition(kind, &label);
  if (competition < 0) return;
  std::snprintf(out, sizeof out, "%s %s", GetTextNoAddr(competition), GetTextNoAddr(label));
}

void FillRow(PlayerHistoryRow& row, const CareerEntry& e) {
  row = PlayerHistoryRow{};
  PutNumber(row.seasonStart, kFirstSeasonYear + e.season);
  Put(row.separator, GetTextNoAddr(kTextSeparator));
  PutNumber(row.seasonEnd, kFirstSeasonYear + 1 + e.season);
  Put(row.club, GNW_GetClubName(e.club));
  switch (e.type) {
    case KIND_SEASON:
      PutNumber(row.apps, e.apps);
      PutNumber(row.goals, e.goals);
      PutNumber(row.perf, e.perf);
      if (e.value != 0) Put(row.eventText, GetTextNoAddr(kTextOnLoan));
      break;
    case KIND_TRANSFER:  // the fee in thousands
      Put(row.eventText, PriceToFullStr(static_cast<int32_t>(e.value) * 1000));
      break;
    case KIND_LOAN:
      Put(row.lineText, GetTextNoAddr(kTextOnLoan));
      break;
    case KIND_ABSENCE:
      if (e.value >= 0 && e.value <= kLastAbsence) Put(row.lineText, GetTextNoAddr(kTextAbsenceBase + e.value));
      break;
    case KIND_MANAGER:
      Put(row.lineText, GetTextNoAddr(kTextManager));
      break;
    case KIND_AWARD:
      if (e.value >= kFirstAward && e.value <= kLastAward) Put(row.lineText, GetTextNoAddr(kTextAwardBase + e.value));
      break;
    case KIND_HONOUR:
      HonourText(row.lineText, e.value);
      break;
    case KIND_SACKED:
      Put(row.lineText, GetTextNoAddr(kTextSack));
      break;
    default:  // other kinds show the club and the season alone
      break;
  }
}

// The totals over the season lines with appearances.
void FillTotal() {
  PlayerHistoryView& v = gHistory.view;
  PlayerHistoryRow& t = v.total;
  t = PlayerHistoryRow{};
  Put(t.club, GetTextNoAddr(kTextTotal));
  int apps = 0, goals = 0, perf = 0, seasons = 0;
  for (int i = 0; i < v.count; ++i) {
    const CareerEntry& e = gHistory.entries[i];
    if (e.type != KIND_SEASON || e.apps == 0) continue;
    apps += e.apps;
    goals += e.goals;
    perf += e.perf;
    ++seasons;
  }
  PutNumber(t.apps, apps);
  PutNumber(t.goals, goals);
  if (seasons > 0) PutNumber(t.perf, perf / seasons);
}

void FillRows() {
  PlayerHistoryView& v = gHistory.view;
  for (int r = 0; r < PLAYER_HISTORY_ROWS; ++r) {
    const int entry = v.first + r;
    if (entry >= 0 && entry < v.count)
      FillRow(v.rows[r], gHistory.entries[entry]);
    else
      v.rows[r] = PlayerHistoryRow{};
  }
  FillTotal();
}

void ReadHistory() {
  PlayerHistoryView& v = gHistory.view;
  const int16_t player = MenuPlayer;
  v.first = 0;
  v.count = 0;
  v.name[0] = 0;
  v.goalsHead = kTextGoals;
  // Every entry empty first: a club of -1.
  PlayerCareerLogEntry table[CAREER_ENTRIES_MAX];
  CareerEntry empty{};
  empty.player = -1;
  empty.club = -1;
  const PlayerCareerLogEntry blank = PlayerCareerLogEntry_Encode(empty);
  for (auto& entry : table) entry = blank;
  if (player >= 0 && player < PlayerTotalCount) {
    const int16_t count = GNW_GetPlayerMatchHistory(player, table);
    v.count = static_cast<int16_t>(count < 0 ? 0 : count > CAREER_ENTRIES_MAX ? CAREER_ENTRIES_MAX : count);
    Put(v.name, GNW_GetPlayerName(player));
    if (GNW_GetPositionType(player) == 0) v.goalsHead = kTextCleanSheets;
  }
  for (int i = 0; i < CAREER_ENTRIES_MAX; ++i) gHistory.entries[i] = PlayerCareerLogEntry_Decode(table[i]);
}

// A club manager who is not the human manager's own player.
bool IsOtherClubManager(int16_t player) {
  if (player < 0 || player >= PlayerTotalCount) return false;
  if (player == MenuManager - 1) return false;
  return GNW_IsPlayerManager(player) != 0;
}

void FramedBox(int x, int y, int w, int h) { DrawDarkShadeBox(x, y, w, h, 0); }

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

#define HISTORY_TEXT(column, x, align)                                                                          \
  {MI_STRING_VAR, x, 2, static_cast<int16_t>((align) | ALIGN_TOP), sizeof(const char*), Var(gRowText[column]), \
   {}}

const MenuItem kHistoryRow[] = {
    HISTORY_TEXT(COL_START, 90, ALIGN_RIGHT),
    HISTORY_TEXT(COL_SEPARATOR, 100, ALIGN_LEFT),
    HISTORY_TEXT(COL_END, 110, ALIGN_LEFT),
    HISTORY_TEXT(COL_CLUB, 170, ALIGN_LEFT),
    HISTORY_TEXT(COL_LINE, 300, ALIGN_LEFT),
    HISTORY_TEXT(COL_APPS, 340, ALIGN_LEFT),
    HISTORY_TEXT(COL_GOALS, 400, ALIGN_LEFT),
    HISTORY_TEXT(COL_PERF, 460, ALIGN_LEFT),
    HISTORY_TEXT(COL_EVENT, 510, ALIGN_LEFT),
    {MI_END, 0, 0, 0, 0, {}, {}},
};
#undef HISTORY_TEXT

#define TOTAL_TEXT(column, x) \
  {MI_STRING_VAR, x, 402, ALIGN_LEFT | ALIGN_TOP, 0, Var(&gTotalText[column]), {}}

}  // namespace

// ======================================================================
// Friendly Setup
// ======================================================================

const char* FriendlyTeam_Fault(const uint8_t* record) {
  if (record == nullptr) return "no team record";
  const uint8_t* name = record + TEAM_EXPORT_NAME_OFFSET;
  if (!EndsWithin(name, kNameSize)) return "the team name does not end inside its 40 bytes";
  if (name[0] == 0) return "the file holds no team (no team name)";
  int players = 0;
  for (int n = 0; n < kExportPlayers; ++n) {
    const uint8_t* e = record + n * TEAM_EXPORT_PLAYER_SIZE;
    const int16_t shirt = LoadI16(e + kEntryShirt);
    if (shirt == 0) continue;  // a shirt nobody wore
    if (shirt != n + 1) return "a player entry wears another entry's shirt number";
    if (!EndsWithin(e, kSurnameSize)) return "a player's surname does not end inside its 20 bytes";
    const int16_t position = LoadI16(e + kEntryPositionWord);
    if (position < 0 || position > kLastPosition || e[kEntryPosition] != position)
      return "a player's position is out of range";
    ++players;
  }
  if (players == 0) return "the team has no players";
  return nullptr;
}

int FriendlySetup_TeamsLoaded() {
  int count = 0;
  for (int slot = 0; slot < FRIENDLY_TEAMS; ++slot) count += FriendlySetup_HoldsTeam(slot) ? 1 : 0;
  return count;
}

bool FriendlySetup_HoldsTeam(int slot) {
  return slot >= 0 && slot < FRIENDLY_TEAMS && FriendlyTeam_Fault(SavePlaceholders.teamSlots[slot]) == nullptr;
}

const char* FriendlySetup_TeamName(int slot) {
  if (slot < 0 || slot >= FRIENDLY_TEAMS) return "";
  TakeNames();
  return gFriendly.names[slot];
}

int16_t FriendlySetup_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) SetScreenHeader(4);  // no career: the start page's menu bar
  PointNames();
  TakeNames();
  return 0;
}

int16_t FriendlySetup_LoadTeam(int slot) {
  if (slot < 0 || slot >= FRIENDLY_TEAMS) return 0;
  uint8_t* target = SavePlaceholders.teamSlots[slot];
  uint8_t* exported = SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT];
  uint8_t keptTarget[TEAM_RECORD_SIZE], keptExport[TEAM_RECORD_SIZE];
  std::memcpy(keptTarget, target, TEAM_RECORD_SIZE);
  std::memcpy(keptExport, exported, TEAM_RECORD_SIZE);
  // The file's record is read over an empty one, so a file without the team
  // block reads as no team rather than as the last team read.
  std::memset(exported, 0, TEAM_RECORD_SIZE);
  const int read = LoadTeamFile(static_cast<int16_t>(slot));
  const char* fault = read != SAVE_OK ? SaveGame_LastError() : FriendlyTeam_Fault(target);
  if (read != SAVE_OK || fault != nullptr) {
    std::memcpy(target, keptTarget, TEAM_RECORD_SIZE);
    std::memcpy(exported, keptExport, TEAM_RECORD_SIZE);
    DPRINT(DEBUG_GENERAL, 1, "Load Friendly Team %c: %s: %s (code %d)\n", 'A' + slot,
           SaveFile_Name(SAVE_FILE_TEAM, 0, true).c_str(),
           fault != nullptr && fault[0] != 0 ? fault : "the file could not be read", read);
    DoMessageBox(GetTextNoAddr(kTextLoadFailed), 0);
    return MENU_RESULT_REDRAW;
  }
  TakeNames();
  return MENU_RESULT_REDRAW;
}

int16_t FriendlySetup_LoadA(MenuHotspot*) { return FriendlySetup_LoadTeam(0); }
int16_t FriendlySetup_LoadB(MenuHotspot*) { return FriendlySetup_LoadTeam(1); }

int16_t FriendlySetup_PlayMatch(MenuHotspot*) {
  if (FriendlySetup_TeamsLoaded() < FRIENDLY_TEAMS) return NotTwoTeams();
  GNW_SetGameCountry(0);
  MenuOption = 54;
  return MENU_RESULT_LEAVE;
}

int16_t FriendlySetup_SwapVenue(MenuHotspot*) {
  if (FriendlySetup_TeamsLoaded() < FRIENDLY_TEAMS) return NotTwoTeams();
  uint8_t kept[TEAM_RECORD_SIZE];
  std::memcpy(kept, SavePlaceholders.teamSlots[0], TEAM_RECORD_SIZE);
  std::memcpy(SavePlaceholders.teamSlots[0], SavePlaceholders.teamSlots[1], TEAM_RECORD_SIZE);
  std::memcpy(SavePlaceholders.teamSlots[1], kept, TEAM_RECORD_SIZE);
  TakeNames();
  return MENU_RESULT_REDRAW;
}

int16_t FriendlySetup_Done(MenuHotspot*) {
  MenuOption = 24;
  return MENU_RESULT_LEAVE;
}

const MenuItem FriendlySetupMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(FriendlySetup_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(1021), {}},  // "Friendly Setup"
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_BUTTON, 120, 130, 400, 30, MenuArg(1016), MenuArg(FriendlySetup_LoadA)},  // "Load Friendly Team A"
    {MI_TEXT_BUTTON, 120, 270, 400, 30, MenuArg(1017), MenuArg(FriendlySetup_LoadB)},  // "Load Friendly Team B"
    {MI_STRING_VAR, 320, 180, ALIGN_CENTRED, 0, Var(&gFriendly.namePtr[0]), {}},
    {MI_TEXTNO, 320, 210, ALIGN_CENTRED, 0, MenuArg(152), {}},  // "Vs"
    {MI_STRING_VAR, 320, 240, ALIGN_CENTRED, 0, Var(&gFriendly.namePtr[1]), {}},
    {MI_TEXT_BUTTON, 120, 380, 200, 50, MenuArg(1018), MenuArg(FriendlySetup_PlayMatch)},  // "Play Match"
    {MI_TEXT_BUTTON, 340, 380, 200, 50, MenuArg(1019), MenuArg(FriendlySetup_SwapVenue)},  // "Swap Venue"
    // "Done": the background's mark.
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(FriendlySetup_Done)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ======================================================================
// Player History
// ======================================================================

const PlayerHistoryView& PlayerHistory_View() { return gHistory.view; }

int16_t PlayerHistory_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    SetScreenHeader(3);
    ReadHistory();
  }
  PointRows();
  FillRows();
  return 0;
}

int16_t PlayerHistory_ScrollDown(MenuHotspot*) {
  PlayerHistoryView& v = gHistory.view;
  if (v.first > v.count - PLAYER_HISTORY_ROWS - 1) return 0;  // the last entry is in the bottom row
  ++v.first;
  return MENU_RESULT_REDRAW;
}

int16_t PlayerHistory_ScrollUp(MenuHotspot*) {
  PlayerHistoryView& v = gHistory.view;
  if (v.first <= 0) return 0;
  --v.first;
  return MENU_RESULT_REDRAW;
}

int16_t PlayerHistory_Done(MenuHotspot*) {
  if (IsOtherClubManager(MenuPlayer)) {
    MenuOption = 69;
  } else {
    OpenPlayerPage(MenuPlayer, 3);
  }
  return MENU_RESULT_LEAVE;
}

const MenuItem PlayerHistoryMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(PlayerHistory_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_STRING_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gNamePtr), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(1035), {}},  // "Player History"
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXTNO, 80, 80, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(554), {}},   // "Season"
    {MI_TEXTNO, 200, 80, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(173), {}},  // "Club"
    {MI_TEXTNO, 340, 80, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(1067), {}}, // "Apps."
    {MI_TEXTNO_VAR, 400, 80, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gHistory.view.goalsHead), {}},
    {MI_TEXTNO, 460, 80, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(537), {}},  // "AV.Perf"
    {MI_OWNER_DRAW, 45, 96, 550, 320, MenuArg(FramedBox), {}},
    {MI_ICON, 40, 440, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 40, 440, 30, 15, MenuArg(-1), MenuArg(PlayerHistory_ScrollUp)},
    {MI_CLICK_REGION, 40, 455, 30, 15, MenuArg(-1), MenuArg(PlayerHistory_ScrollDown)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 100, PLAYER_HISTORY_ROWS, 20, MenuArg(static_cast<const void*>(kHistoryRow)), {}},
    TOTAL_TEXT(COL_CLUB, 170),
    TOTAL_TEXT(COL_APPS, 340),
    TOTAL_TEXT(COL_GOALS, 400),
    TOTAL_TEXT(COL_PERF, 460),
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(PlayerHistory_Done)},  // "Done"
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

#undef TOTAL_TEXT

void Friendly_Reset() {
  gFriendly = FriendlyState{};
  PointNames();
  gHistory = HistoryState{};
  gHistory.view.goalsHead = kTextGoals;
  PointRows();
}
REGISTER_RESET(RESET_MENUS, Friendly_Reset);
