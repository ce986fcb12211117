// The ranked lists (see c_mnrank.h).
#include "menus/c_mnrank.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "world/funcs.h"
#include "world/records.h"

namespace {

constexpr int16_t kTextClubReputations = 1833;
constexpr int16_t kTextManagerReputations = 1834;
constexpr int16_t kTextDisciplineList = 1681;
constexpr int16_t kOptionOffice = 3;
constexpr int16_t kOptionSquad = 7;
constexpr int16_t kOptionPlayerHistory = 57;
constexpr int16_t kUnattached = 255;
constexpr int16_t kFirstManagerPlayer = 2;  // 0 is the human manager's own player, 1 stands for none
constexpr int kWorldClubs = 250;
constexpr int kLeagueDivisions = 6;

struct RankListState {
  RankListView view{};
  const char* rankText[RANK_LIST_ROWS] = {};
  const char* detailText[RANK_LIST_ROWS] = {};
};
RankListState gRank;

bool IsWorldClub(int16_t club) { return club >= 0 && club < kWorldClubs; }

bool InGameCountry(int16_t club) {
  return IsWorldClub(club) && GNW_GetClubCountry(club) == GNW_GetGameCountry();
}

int16_t ClubNameText(int16_t club) {
  if (!IsWorldClub(club)) return -1;
  return GNW_GetClubTextNo(GNW_GetClubDbId(club));
}

int32_t RankValue(int16_t mode, int16_t entry) {
  switch (mode) {
    case RANK_MODE_MANAGERS: return GNW_GetPlayerReputation(entry);
    case RANK_MODE_DISCIPLINE: return GNW_GetClubSeasonDispoints(entry);
    default: return GNW_GetClubRep(entry);
  }
}

// Every candidate, best first (equal values keep their scan order), and the
// first 250 of them kept: the managers scanned can be far more than the list
// holds.
void Rank(int16_t mode, std::vector<int16_t>& candidates) {
  std::vector<std::pair<int32_t, int16_t>> keyed;
  keyed.reserve(candidates.size());
  for (int16_t entry : candidates) keyed.emplace_back(RankValue(mode, entry), entry);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first > b.first; });
  RankListView& v = gRank.view;
  v.count = static_cast<int16_t>(std::min<size_t>(keyed.size(), RANK_LIST_MAX));
  for (int i = 0; i < RANK_LIST_MAX; ++i) v.list[i] = i < v.count ? keyed[i].second : int16_t{-1};
}

std::vector<int16_t> Managers() {
  std::vector<int16_t> out;
  for (int p = kFirstManagerPlayer; p < MAX_PLAYERS; ++p) {
    const int16_t player = static_cast<int16_t>(p);
    if (!GNW_IsPlayerManager(player) && !GNW_GetPlayerBossvane(player)) continue;
    const int16_t club = GNW_GetPlayerClub(player);
    if (club == kUnattached || InGameCountry(club)) out.push_back(player);
  }
  return out;
}

std::vector<int16_t> LeagueClubs() {
  std::vector<int16_t> out;
  for (int c = 0; c < kWorldClubs; ++c) {
    const int16_t club = static_cast<int16_t>(c);
    if (GNW_GetClubDbId(club) == 255 || !InGameCountry(club)) continue;
    if (GNW_GetClubDivision(club) >= kLeagueDivisions) continue;
    out.push_back(club);
  }
  return out;
}

const char* DivisionName(int16_t club) { return GetTextNoAddr(GNW_GetDivisionNameTextNo(GNW_GetClubDivision(club))); }

void BlankRow(int r) {
  RankListRow& row = gRank.view.rows[r];
  row = RankListRow{};
  row.name = -1;
}

void FillRows() {
  RankListView& v = gRank.view;
  for (int r = 0; r < RANK_LIST_ROWS; ++r) {
    BlankRow(r);
    gRank.rankText[r] = v.rows[r].rank;
    gRank.detailText[r] = v.rows[r].detail;
    const int place = v.offset + r;
    if (place < 0 || place >= v.count) continue;
    RankListRow& row = v.rows[r];
    const int16_t entry = v.list[place];
    std::snprintf(row.rank, sizeof row.rank, "%d.", place + 1);
    int16_t club = entry;
    if (v.mode == RANK_MODE_MANAGERS) {
      row.name = GNW_GetPlayerTextNo(entry);
      club = GNW_GetPlayerClub(entry);
      if (IsWorldClub(club)) std::snprintf(row.detail, sizeof row.detail, "(%s)", GetTextNoAddr(ClubNameText(club)));
    } else {
      row.name = ClubNameText(entry);
      if (v.mode == RANK_MODE_DISCIPLINE)
        std::snprintf(row.detail, sizeof row.detail, "(%s)  %d", DivisionName(entry),
                      GNW_GetClubSeasonDispoints(entry));
      else
        std::snprintf(row.detail, sizeof row.detail, "(%s)", DivisionName(entry));
    }
    row.highlight = IsWorldClub(club) && GNW_GetClubControl(club) != 0 ? 1 : 0;
  }
}

int16_t RowClick(MenuHotspot* spot) { return spot ? RankList_ClickRow(spot->repetition) : 0; }

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

void Panel(int x, int y, int w, int h) { DrawShadeRectangle(x, y, w, h, 50); }

constexpr int16_t kRowStride = sizeof(RankListRow);

const MenuItem kRowTemplate[] = {
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, kRowStride, Var(&gRank.view.rows[0].highlight), {}},
    {MI_STRING_VAR, 52, 2, ALIGN_RIGHT | ALIGN_TOP, sizeof(const char*), Var(gRank.rankText), {}},
    {MI_TEXTNO_VAR, 64, 2, ALIGN_LEFT | ALIGN_TOP, kRowStride, Var(&gRank.view.rows[0].name), {}},
    {MI_STRING_VAR, 300, 2, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), Var(gRank.detailText), {}},
    {MI_CLICK_REGION, 0, 0, 576, 20, MenuArg(-1), MenuArg(RowClick)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

}  // namespace

void RankList_Fill(int16_t mode) {
  RankListView& v = gRank.view;
  v.mode = mode;
  v.title = mode == RANK_MODE_MANAGERS     ? kTextManagerReputations
            : mode == RANK_MODE_DISCIPLINE ? kTextDisciplineList
                                           : kTextClubReputations;
  v.offset = 0;
  v.count = 0;
  std::vector<int16_t> candidates = mode == RANK_MODE_MANAGERS ? Managers() : LeagueClubs();
  Rank(mode, candidates);
}

int16_t RankList_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    SetScreenHeader(2);
    RankList_Fill(MenuOption);
  }
  FillRows();
  return 0;
}

int16_t RankList_ScrollDown(MenuHotspot*) {
  RankListView& v = gRank.view;
  const int last = std::max(0, v.count - RANK_LIST_ROWS);
  v.offset = static_cast<int16_t>(std::min(v.offset + RANK_LIST_STEP, last));
  return MENU_RESULT_REDRAW;
}

int16_t RankList_ScrollUp(MenuHotspot*) {
  RankListView& v = gRank.view;
  v.offset = static_cast<int16_t>(std::max(v.offset - RANK_LIST_STEP, 0));
  return MENU_RESULT_REDRAW;
}

int16_t RankList_ClickRow(int row) {
  const RankListView& v = gRank.view;
  if (row < 0 || row >= RANK_LIST_ROWS) return 0;
  const int place = v.offset + row;
  if (place < 0 || place >= v.count) return 0;
  const int16_t entry = v.list[place];
  if (v.mode == RANK_MODE_MANAGERS) {
    MenuPlayer = entry;
    MenuOption = kOptionPlayerHistory;
  } else {
    MenuClub = entry;
    // The squad screen leaves MenuClub on this club; the front end puts the
    // manager's own club back afterwards.
    MenuClubReset = 1;
    ReturnMenuOption = RANK_MODE_CLUBS;
    MenuOption = kOptionSquad;
  }
  return MENU_RESULT_LEAVE;
}

int16_t RankList_Done(MenuHotspot*) {
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

const RankListView& RankList_View() { return gRank.view; }

const MenuItem RankListMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(RankList_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_OWNER_DRAW, 32, 80, 576, 340, MenuArg(Panel), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 320, 36, ALIGN_CENTRED, 0, Var(&gRank.view.title), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_ICON, 24, 430, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(1205), {}},
    {MI_CLICK_REGION, 30, 436, 30, 15, MenuArg(-1), MenuArg(RankList_ScrollUp)},
    {MI_CLICK_REGION, 30, 456, 30, 15, MenuArg(-1), MenuArg(RankList_ScrollDown)},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(RankList_Done)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE, 32, 80, RANK_LIST_ROWS, 20, MenuArg(static_cast<const void*>(kRowTemplate)), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void RankList_Reset() {
  gRank = RankListState{};
  gRank.view.mode = RANK_MODE_CLUBS;
  gRank.view.title = kTextClubReputations;
  for (int16_t& entry : gRank.view.list) entry = -1;
  for (int r = 0; r < RANK_LIST_ROWS; ++r) {
    BlankRow(r);
    gRank.rankText[r] = gRank.view.rows[r].rank;
    gRank.detailText[r] = gRank.view.rows[r].detail;
  }
}
REGISTER_RESET(RESET_MENUS, RankList_Reset);
