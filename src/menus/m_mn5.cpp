// Select Team To Manage and Input Manager Name.
#include "menus/m_mn5.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "world/funcs.h"
#include "world/savegame.h"

namespace {

constexpr int16_t kNoCrest = 2;
constexpr int16_t kCrestBase = 105;
constexpr int16_t kTextManagerName = 861;  // "P.Manager"
constexpr int16_t kOptionClubPage = 73;
constexpr int16_t kOptionOffice = 3;

struct SelectTeamState {
  SelectTeamView view{};
  const MenuItem* tabBar = nullptr;
};
SelectTeamState gTeam;

struct ManagerNameState {
  char name[MANAGER_NAME_LENGTH + 1] = {};
  int16_t clubText = -1;
};
ManagerNameState gName;

// Byte-wise comparison of the two clubs' names.
bool NameBefore(int16_t a, int16_t b) {
  // A club's name is handed out in a buffer the next lookup overwrites.
  const std::string nameA = GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(a)));
  const char* nameB = GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(b)));
  const int order = std::strcmp(nameA.c_str(), nameB);
  return order != 0 ? order < 0 : a < b;
}

void FillRows() {
  SelectTeamView& v = gTeam.view;
  for (int r = 0; r < SELECT_TEAM_ROWS; ++r) {
    v.leftIcon[r] = v.rightIcon[r] = kNoCrest;
    v.leftName[r] = v.rightName[r] = -1;
  }
  // The left column takes the first half (rounded up), the right one the rest,
  // so an odd division shows every club.
  v.rows = static_cast<int16_t>((v.count + 1) / 2);
  for (int i = 0; i < v.count; ++i) {
    const int16_t db = GNW_GetClubDbId(v.clubs[i]);
    const bool right = i >= v.rows;
    const int row = right ? i - v.rows : i;
    (right ? v.rightIcon : v.leftIcon)[row] = static_cast<int16_t>(kCrestBase + db);
    (right ? v.rightName : v.leftName)[row] = GNW_GetClubTextNo(db);
  }
}

void CollectClubs() {
  SelectTeamView& v = gTeam.view;
  const int16_t country = GNW_GetGameCountry();
  v.count = 0;
  for (int16_t club = 0; club < 250 && v.count < SELECT_TEAM_MAX_CLUBS; ++club)
    if (GNW_GetClubDivision(club) == v.division && GNW_GetClubCountry(club) == country) v.clubs[v.count++] = club;
  std::stable_sort(v.clubs, v.clubs + v.count, NameBefore);
}

void TrimName(char* text) {
  for (int i = static_cast<int>(std::strlen(text)) - 1; i >= 0 && text[i] == ' '; --i) text[i] = '\0';
}

// ---- the tables ----

void DrawRowFrame(int x, int y, int w, int h) {
  if (x < 0) return;
  DrawShadeRectangle(x, y, w, h, 30);
}

const MenuItem kRow[] = {
    {MI_OWNER_DRAW, 32, 0, 576, 28, MenuArg(DrawRowFrame), {}},
    {MI_CLICK_REGION, 32, 0, 288, 28, MenuArg(-1), MenuArg(SelectTeam_PickLeft)},
    {MI_ICON_VAR, 130, 0, ALIGN_CENTRED, sizeof(int16_t), MenuArg(static_cast<void*>(gTeam.view.leftIcon)), {}},
    {MI_TEXTNO_VAR, 170, 8, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t), MenuArg(static_cast<void*>(gTeam.view.leftName)),
     {}},
    {MI_CLICK_REGION, 320, 0, 288, 28, MenuArg(-1), MenuArg(SelectTeam_PickRight)},
    {MI_ICON_VAR, 340, 0, ALIGN_CENTRED, sizeof(int16_t), MenuArg(static_cast<void*>(gTeam.view.rightIcon)), {}},
    {MI_TEXTNO_VAR, 380, 8, ALIGN_LEFT | ALIGN_TOP, sizeof(int16_t),
     MenuArg(static_cast<void*>(gTeam.view.rightName)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

template <int K>
int16_t TabClick(MenuHotspot*) {
  return SelectTeam_SelectDivision(K);
}

#define TAB(k, x, y, w)                                                                                      \
  {MI_TEXT_COLOUR_VAR, 0, 0, 0, 0, MenuArg(static_cast<void*>(&gTeam.view.tabState[k])), {}},              \
  {                                                                                                          \
    MI_TEXT_BUTTON_VAR, x, y, w, 30, MenuArg(static_cast<void*>(&gTeam.view.divisionNames[k])), \
        MenuArg(TabClick<k>)                                                                                 \
  }
#define TAB_END \
  { MI_END, 0, 0, 0, 0, {}, {} }

const MenuItem kTabs2[] = {TAB(0, 172, 440, 244), TAB(1, 368, 440, 244), TAB_END};
const MenuItem kTabs3[] = {TAB(0, 70, 440, 164), TAB(1, 236, 440, 164), TAB(2, 402, 440, 164), TAB_END};
const MenuItem kTabs4[] = {TAB(0, 74, 440, 120), TAB(1, 196, 440, 120), TAB(2, 318, 440, 120),
                           TAB(3, 440, 440, 120), TAB_END};
const MenuItem kTabs5[] = {TAB(0, 74, 440, 96),  TAB(1, 172, 440, 96), TAB(2, 270, 440, 96),
                           TAB(3, 368, 440, 96), TAB(4, 466, 440, 96), TAB_END};
const MenuItem kTabs6[] = {TAB(0, 70, 407, 164),  TAB(1, 236, 407, 164), TAB(2, 402, 407, 164),
                           TAB(3, 70, 440, 164),  TAB(4, 236, 440, 164), TAB(5, 402, 440, 164), TAB_END};
const MenuItem kNoTabs[] = {TAB_END};
#undef TAB
#undef TAB_END

const MenuItem* TabBarFor(int divisions) {
  switch (divisions) {
    case 2: return kTabs2;
    case 3: return kTabs3;
    case 4: return kTabs4;
    case 5: return kTabs5;
    case 6: return kTabs6;
    default: return kNoTabs;
  }
}

int16_t NameFinished(int16_t) { return MENU_RESULT_REDRAW; }

}  // namespace

// ---- Select Team To Manage ----

int16_t SelectTeam_Handler(const MenuItem*) {
  SelectTeamView& v = gTeam.view;
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    v.division = 0;
    v.divisions = static_cast<int16_t>(std::clamp<int>(GNW_GetNumDivisions(), 0, SELECT_TEAM_MAX_DIVISIONS));
    for (int d = 0; d < SELECT_TEAM_MAX_DIVISIONS; ++d)
      v.divisionNames[d] = d < v.divisions ? GNW_GetDivisionNameTextNo(static_cast<int16_t>(d)) : -1;
  }
  for (int d = 0; d < SELECT_TEAM_MAX_DIVISIONS; ++d) v.tabState[d] = 0;
  if (v.division >= 0 && v.division < SELECT_TEAM_MAX_DIVISIONS) v.tabState[v.division] = 1;
  CollectClubs();
  FillRows();
  SetScreenHeader(6);
  gTeam.tabBar = TabBarFor(v.divisions);
  return 0;
}

int16_t SelectTeam_PickRow(int row, bool right) {
  const SelectTeamView& v = gTeam.view;
  if (row < 0 || row >= v.rows) return 0;
  const int index = right ? row + v.rows : row;
  if (index >= v.count) return 0;
  MenuClub = v.clubs[index];
  JobChangeMode = 0;
  MenuOption = kOptionClubPage;
  return MENU_RESULT_LEAVE;
}

int16_t SelectTeam_PickLeft(MenuHotspot* hotspot) {
  return hotspot ? SelectTeam_PickRow(hotspot->repetition, false) : 0;
}
int16_t SelectTeam_PickRight(MenuHotspot* hotspot) {
  return hotspot ? SelectTeam_PickRow(hotspot->repetition, true) : 0;
}

int16_t SelectTeam_SelectDivision(int division) {
  if (division < 0 || division >= gTeam.view.divisions) return 0;
  gTeam.view.division = static_cast<int16_t>(division);
  return MENU_RESULT_REDRAW;
}

const SelectTeamView& SelectTeam_View() { return gTeam.view; }

const MenuItem SelectTeamMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(SelectTeam_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO, 320, 36, ALIGN_CENTRED, 0, MenuArg(728), {}},  // "Select Team To Manage"
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, MenuArg(static_cast<void*>(&gTeam.tabBar)), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 80, SELECT_TEAM_ROWS, 28, MenuArg(static_cast<const void*>(kRow)), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- Input Manager Name ----

int16_t ManagerName_Handler(const MenuItem*) {
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  std::memset(gName.name, ' ', MANAGER_NAME_LENGTH);
  gName.name[MANAGER_NAME_LENGTH] = '\0';
  const char* offered = GetTextNoAddr(kTextManagerName);
  std::memcpy(gName.name, offered, std::min<size_t>(std::strlen(offered), MANAGER_NAME_LENGTH));
  const int16_t club = GNW_GetHumanClub(1);
  gName.clubText = club >= 0 ? GNW_GetClubTextNo(GNW_GetClubDbId(club)) : -1;
  SetScreenHeader(7);
  return 0;
}

int16_t ManagerName_Edit(MenuHotspot*) {
  if (IsTextInputActive()) return 0;
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 1);
  SetMenuFont(2);
  InitTextInput(220, ALIGN_LEFT | ALIGN_TOP, 240, 200, gName.name, gName.name, nullptr, NameFinished);
  return 0;
}

int16_t ManagerName_Done(MenuHotspot*) {
  if (IsTextInputActive()) return 0;
  char name[MANAGER_NAME_LENGTH + 1];
  std::memcpy(name, gName.name, sizeof name);
  name[MANAGER_NAME_LENGTH] = '\0';
  TrimName(name);
  // The manager's name is the club screens' saved name string; the manager's
  // own player (player 0) shows it through his surname entry, cut to a
  // surname's size.
  std::memset(SavePlaceholders.clubScreenName, 0, sizeof SavePlaceholders.clubScreenName);
  std::memcpy(SavePlaceholders.clubScreenName, name, std::strlen(name));
  std::memset(SavePlaceholders.workingClubName, 0, sizeof SavePlaceholders.workingClubName);
  std::memcpy(SavePlaceholders.workingClubName, name, std::strlen(name));
  const int16_t surname = GNW_GetPlayerSurnameIndex(0);
  if (surname >= 0 && surname < NUM_SURNAMES) {
    char* entry = NameBuffer + static_cast<size_t>(surname) * SURNAME_SIZE;
    std::memset(entry, 0, SURNAME_SIZE);
    std::memcpy(entry, name, std::min<size_t>(std::strlen(name), SURNAME_SIZE));
  }
  GNW_SetPlayerInitial(0, 0);
  MenuOption = kOptionOffice;
  return MENU_RESULT_LEAVE;
}

char* ManagerName_Buffer() { return gName.name; }
int16_t ManagerName_ClubText() { return gName.clubText; }
const char* ManagerName_Stored() { return SavePlaceholders.workingClubName; }

const MenuItem ManagerNameMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ManagerName_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(21), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_CLICK_REGION, 150, 230, 340, 40, MenuArg(-1), MenuArg(ManagerName_Edit)},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(761), {}},  // "Input Manager Name"
    {MI_TEXTNO, 320, 292, ALIGN_CENTRED, 0, MenuArg(1812), {}},             // "Left Click on name to edit"
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(static_cast<void*>(&gName.clubText)), {}},
    {MI_STRING, 220, 240, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<const void*>(gName.name)), {}},
    {MI_CLICK_REGION, 570, 436, 40, 40, MenuArg(-1), MenuArg(ManagerName_Done)},  // OK
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void SelectTeam_Reset() {
  gTeam = SelectTeamState{};
  gTeam.tabBar = kNoTabs;
  for (int d = 0; d < SELECT_TEAM_MAX_DIVISIONS; ++d) gTeam.view.divisionNames[d] = -1;
  FillRows();
  gName = ManagerNameState{};
}
REGISTER_RESET(RESET_MENUS, SelectTeam_Reset);
