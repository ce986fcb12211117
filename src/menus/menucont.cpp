// The front-end controller (see menucont.h).
#include "menus/menucont.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/pakfile.h"
#include "engine/reset.h"
#include "generic/exhibit.h"
#include "generic/gamesound.h"
#include "generic/replayfile.h"
#include "menus/c_mn22.h"
#include "menus/c_mn8.h"
#include "menus/c_mnarrange.h"
#include "menus/c_mncomp.h"
#include "menus/c_mnfin.h"
#include "menus/c_mnfix.h"
#include "menus/c_mnfriend.h"
#include "menus/c_mnjobs.h"
#include "menus/c_mnload.h"
#include "menus/c_mnrank.h"
#include "menus/c_mnrow.h"
#include "menus/c_mnshort.h"
#include "menus/c_mnstaff.h"
#include "menus/c_mnstart.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/m_mn5.h"
#include "menus/m_mn7.h"
#include "menus/m_mnhelp.h"
#include "gamecode/replay.h"
#include "menus/machine.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "menus/office.h"
#include "menus/pagebtns.h"
#include "menus/soak.h"
#include "render256/vidopt.h"
#include "season/contgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simmatch.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/funcs_finance.h"
#include "world/savegame.h"
#include "world/source_records.h"
#include "world/textmess.h"

int16_t MenuOption = 0;
int16_t PreviousMenuOption = 0;
int16_t ReturnMenuOption = 24;
int16_t MenuManager = 1;
int16_t MenuClub = 0;
int16_t MenuPlayer = 0;
int16_t MenuOtherClub = 0;
int16_t MenuClubReset = 0;
int16_t NegotiationRequest = 0;
int16_t ContinueMode = 0;
int16_t TodaysFixturesFromMenu = 0;
int16_t JobChangeMode = 0;
int16_t JobCentreFlag = 0;
int32_t SaveLoadMode = 0;
int16_t MenuBarRestricted = 0;
int32_t SoakRunActive = 0;
int16_t MenuAllNews = 0;
int16_t MenuSoundActive = 0;
int16_t Menu256Mode = 0;

// The "Save" row (89) opens the save screen, option 50.
const MenuOptionPair MenuOption_TextNumber[MENU_OPTION_PAIRS + 1] = {
    {0, -1},     {1015, -1},  {700, 3},   {29, 7},     {497, 21},   {1314, 26},  {445, 23},   {294, 8},
    {1216, 27},  {791, 43},   {1014, 52}, {700, 3},    {252, 19},   {136, 9},    {1476, 34},  {791, 43},
    {795, 35},   {28, 44},    {1817, 12}, {1833, 68},  {1834, 69},  {1469, 45},  {157, 11},   {1681, 75},
    {1682, 76},  {167, 80},   {79, 13},   {426, -1},   {427, -1},   {833, -1},   {834, -1},   {1050, 83},
    {741, -1},   {762, -1},   {764, -1},  {888, 58},   {89, 50},    {1205, 18},  {253, 33},   {0, 0},
};

namespace {

constexpr int kOptionLast = 84;
constexpr int kVolumeMax = 10;
constexpr int16_t kTextQuit = 0, kTextSaveTeam = 1015, kTextHelp = 741, kTextBackgroundHelp = 762;
constexpr int16_t kTextDivisional = 426, kTextAll = 427, kTextVolumeUp = 833, kTextVolumeDown = 834;
constexpr int16_t kTextDisplay = 1050, kTextTraining = 445;
constexpr int kSplashFrames = 300;

struct FrontEndState {
  char volumeBar[2 * (kVolumeMax + 1) + 1];
  char placeholderTitle[64];
  std::vector<const char*> seamCalls;
  int16_t matchPointerX, matchPointerY;  // where the pointer was when a match took the screen
};
FrontEndState gFront;

void NoteSeam(const char* name) { gFront.seamCalls.push_back(name); }

void RunScreenReal(const MenuItem* table) {
  PushMenu(table);
  RunMenu();
}

FrontEndSeamTable StubSeams() {
  return {
      RunScreenReal,
      DoQuestionBox,
      [] { NoteSeam("ClearTeamTrainingRows"); },
      VideoOptionsMenu,
      CountReplayFiles,
      PlayExhibitionMatch,
      [] { NoteSeam("ContinueGame"); },
      [] {
        NoteSeam("PlayMatchGetResult");
        MatchEngine.playMatchGetResult();
      },
      [](int16_t mode) {
        NoteSeam("SetMatchRunMode");
        replayMode = mode;
      },
      LoadNamesFile,
  };
}

#define ROW(kind, text) {kind, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(text), MainMenu_ItemCallback, nullptr}
#define TEXT_ROW(n) ROW(POPUP_ROW_TEXTNO, static_cast<int32_t>(n))
#define HEADER(x, title) \
  {POPUP_HEADER_STRING, POPUP_ENABLED, x, -1, -1, -1, MenuArg(title), nullptr, MainMenu_PreparePopup}

}  // namespace

PopupRow MainMenuBar[] = {
    HEADER(100, "File"),
    TEXT_ROW(89),    // "Save"
    TEXT_ROW(0),     // "Quit"
    TEXT_ROW(1015),  // "Save Team To Floppy a:\"
    TEXT_ROW(426),   // "Divisional messages"
    TEXT_ROW(427),   // "All messages"
    TEXT_ROW(1050),  // "Display Options"
    TEXT_ROW(833),   // "Menu SFX Volume Up"
    {POPUP_ROW_STRING, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(static_cast<const void*>(gFront.volumeBar)), nullptr,
     nullptr},
    TEXT_ROW(834),   // "Menu SFX Volume Down"
    // The help rows (open on every screen, as the volume and display rows are).
    TEXT_ROW(741),   // "Screen Help and Tips"
    TEXT_ROW(762),   // "Gafferon Background"
    HEADER(170, "Club Menus"),
    TEXT_ROW(700), TEXT_ROW(29), TEXT_ROW(497), TEXT_ROW(1205), TEXT_ROW(167), TEXT_ROW(1314), TEXT_ROW(445),
    TEXT_ROW(294), TEXT_ROW(1216), TEXT_ROW(791), TEXT_ROW(79), TEXT_ROW(253),
    HEADER(300, "Global Menus"),
    TEXT_ROW(700), TEXT_ROW(252), TEXT_ROW(136), TEXT_ROW(1476), TEXT_ROW(1682), TEXT_ROW(791), TEXT_ROW(795),
    TEXT_ROW(28), TEXT_ROW(888), TEXT_ROW(1817), TEXT_ROW(1833), TEXT_ROW(1834), TEXT_ROW(1681), TEXT_ROW(1469),
    TEXT_ROW(157),
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

#undef HEADER
#undef TEXT_ROW
#undef ROW

FrontEndSeamTable FrontEndSeam = StubSeams();

const std::vector<const char*>& FrontEnd_SeamCalls() { return gFront.seamCalls; }
void FrontEnd_NoteSeam(const char* name) { NoteSeam(name); }

void FrontEnd_TakeLoadedCareer() {
  // The screen globals belong to the program, not to the save: a loaded
  // career starts on its first manager and his club, whatever the screens
  // looked at before.
  MenuManager = 1;
  MenuClub = GNW_GetHumanClub(1);
  MenuClubReset = 0;
}

int FindMainMenuBarRow(int16_t text) {
  for (int i = 0; MainMenuBar[i].kind != POPUP_END; ++i)
    if ((MainMenuBar[i].kind == POPUP_ROW_TEXTNO || MainMenuBar[i].kind == POPUP_ROW_TEXTNO_VAR) &&
        MainMenuBar[i].text.number == text)
      return i;
  return -1;
}

// ---- the volume bar ----

void BuildVolumeBarText() {
  const int volume = MenuVolume;
  char* out = gFront.volumeBar;
  for (int i = 0; i <= kVolumeMax; ++i) {
    *out++ = ' ';
    *out++ = i == volume ? '|' : '.';
  }
  *out = 0;
}

const char* VolumeBarText() { return gFront.volumeBar; }

// ---- the menu-bar callbacks ----

namespace {

// The first pair of the text number, or null.
const MenuOptionPair* FindPair(int16_t text) {
  for (const MenuOptionPair* pair = MenuOption_TextNumber; !(pair->text == 0 && pair->option == 0); ++pair)
    if (pair->text == text) return pair;
  return nullptr;
}

// The text number of an option's first pair, or -1.
int16_t TextOfOption(int16_t option) {
  for (const MenuOptionPair* pair = MenuOption_TextNumber; !(pair->text == 0 && pair->option == 0); ++pair)
    if (pair->option == option) return pair->text;
  return -1;
}

int16_t ShowHelp(int16_t value) {
  const int16_t entry = FindHelpEntry(value);
  if (entry == -1) {
    DoMessageBox(GetTextNoAddr(1125), 0);  // "No help available"
    return POPUP_RESULT_REDRAW;
  }
  DoHelpPanel(entry);
  return MENU_RESULT_REDRAW;
}

int16_t SpecialRow(int16_t text) {
  switch (text) {
    case kTextQuit: {
      // "Are you sure you want to quit this game ?": only "Yes" quits.
      const int answer = FrontEndSeam.questionBox(GetTextNoAddr(769), YesNoButtons, 0);
      if (answer != 1) return MENU_RESULT_REDRAW;
      MenuOption = -1;
      return MENU_RESULT_LEAVE;
    }
    case kTextSaveTeam:
      BuildTeamExport();
      if (SaveTeamFile() != 0) DoMessageBox(GetTextNoAddr(1022), 0);
      return MENU_RESULT_REDRAW;
    case kTextHelp:
      return ShowHelp(MenuOption);
    case kTextBackgroundHelp:
      return ShowHelp(-1);
    case kTextDivisional:
      MenuAllNews = 0;
      return POPUP_RESULT_CLOSE;
    case kTextAll:
      MenuAllNews = 1;
      return POPUP_RESULT_CLOSE;
    case kTextVolumeUp:
      if (MenuVolume < kVolumeMax) ++MenuVolume;
      BuildVolumeBarText();
      return POPUP_RESULT_KEEP_OPEN;
    case kTextVolumeDown:
      if (MenuVolume > 0) --MenuVolume;
      BuildVolumeBarText();
      return POPUP_RESULT_KEEP_OPEN;
    default:  // "Demo Information" has no action
      return POPUP_RESULT_KEEP_OPEN;
  }
}

bool AllowedWhenRestricted(int16_t text) {
  return text == kTextVolumeUp || text == kTextVolumeDown || text == kTextDisplay || text == kTextHelp ||
         text == kTextBackgroundHelp;
}

// Training is closed without a training clause and from the season's
// training cut-off day to the year's end.
bool TrainingClosed() {
  const int16_t club = GNW_GetHumanClub(MenuManager);
  if (club < 0) return true;  // no game yet: no club to train
  if (GNW_GetClubTrainingClause(club) == 0) return true;
  const int day = GNW_GetCurrentDay();
  return day >= Postdate && day <= 366;  // the season's last league day closes training
}

void SetFlag(PopupRow& row, uint16_t flag, bool on) {
  if (on)
    row.flags |= flag;
  else
    row.flags &= static_cast<uint16_t>(~flag);
}

}  // namespace

int16_t MainMenu_ItemCallback(const PopupCall* call) {
  const PopupRow* row = call->rowRecord;
  const int16_t text = static_cast<int16_t>(row->text.number);
  const MenuOptionPair* pair = FindPair(text);
  if (pair == nullptr) {
    std::printf("MainMenu_ItemCallback(): text %d is not in MenuOption_TextNumber\n", text);
    return POPUP_RESULT_KEEP_OPEN;
  }
  if (row->flags == 0) return POPUP_RESULT_KEEP_OPEN;
  if (pair->option == -1) return SpecialRow(text);
  if (pair->option != MenuOption) {
    MenuOption = pair->option;
    return MENU_RESULT_LEAVE;
  }
  return POPUP_RESULT_KEEP_OPEN;
}

int16_t MainMenu_PreparePopup(PopupRow* list) {
  BuildVolumeBarText();
  const int16_t current = TextOfOption(MenuOption);
  const bool trainingClosed = MenuBarRestricted != 1 && TrainingClosed();
  for (int i = 0; list[i].kind != POPUP_END; ++i) {
    PopupRow& row = list[i];
    if (row.kind != POPUP_ROW_TEXTNO && row.kind != POPUP_ROW_TEXTNO_VAR) continue;
    const int16_t text = static_cast<int16_t>(row.text.number);
    bool enabled = true;
    if (MenuBarRestricted == 1)
      enabled = AllowedWhenRestricted(text);
    else if (text == kTextTraining)
      enabled = !trainingClosed;
    if (text == current) enabled = false;
    SetFlag(row, POPUP_ENABLED, enabled);
    if (text == kTextDivisional) SetFlag(row, POPUP_TICKED, MenuAllNews == 0);
    if (text == kTextAll) SetFlag(row, POPUP_TICKED, MenuAllNews == 1);
  }
  return POPUP_RESULT_KEEP_OPEN;
}

// ---- start and stop ----

void InitMenuSystem() {
  ExMenu_StartLists();
  InitSetOfMenus();
  InitIconLists();
  TextInput_Reset();
  SetMenuSystemRunning(true);
}

void UninitMenuSystem() {
  UninitSetOfMenus();
  ExMenu_StartLists();
  SetMenuSystemRunning(false);
}

void CloseMenusForMatch() {
  gFront.matchPointerX = GetPointerX();
  gFront.matchPointerY = GetPointerY();
  UninitMenuSystem();
}

void ReopenMenusAfterMatch() {
  InitMenuSystem();
  SetPointerPosition(gFront.matchPointerX, gFront.matchPointerY);
}

int RunFrontEnd() {
  InitMenuSystem();
  StartMainMenu();
  UninitSetOfMenus();
  ExMenu_StartLists();
  SetMenuSystemRunning(false);
  return 0;
}

void StartMainMenu() {
  MenuManager = 1;
  MenuOption = 24;
  ReturnMenuOption = 24;
  ShortList_Clear();
  GNW_ClearApproachedPlayers();
  GNW_ClearPendingContracts();
  GNW_ClearHumanSales();
  FrontEndSeam.clearTeamTrainingRows();
  DoMainMenu();
}

int WaitFramesOrClick(int frames) {
  for (int i = 0; i < frames; ++i) {
    int x = 0, y = 0, buttons = 0;
    ReadMousePointer(&x, &y, &buttons);
    if (buttons & 1) return 1;
    DrawMousePointer();
    WaitNextFrame();
    RestorePointerBackground();
  }
  return 0;
}

namespace {

void ShowSplash(int background) {
  DoBackground(background);
  SaveScreenBackground();
  UpdateMenuScreen();
  WaitFramesOrClick(kSplashFrames);
}

void RunScreen(const MenuItem* table) { FrontEndSeam.runScreen(table); }
void Placeholder() { RunScreen(PlaceholderMenu); }

void NewGame() {
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0);
  DrawShadeRectangle(120, 380, 400, 40, 50);
  DoTextAddr(320, 400, ALIGN_CENTRED, GetTextNoAddr(749));  // "Creating new game environment."
  UpdateMenuScreen();
  SetBusyPointer(1);
  GNW_ClearTransferLog();
  GNW_StartNewGame();
  if (MenuOption != -1) MenuOption = 5;
  SetBusyPointer(0);
}

void ResetClubAfterList() {
  MenuClubReset = 0;
  MenuClub = GNW_GetHumanClub(1);
}

int CoachingStaffSum(int16_t club) {
  return GNW_GetClubCoach(club) + GNW_GetClubCoachGK(club) + GNW_GetClubCoachDF(club) + GNW_GetClubCoachMD(club) +
         GNW_GetClubCoachFW(club) + GNW_GetClubCoachYouth(club) + GNW_GetClubYDO(club) + GNW_GetClubPhysio(club) +
         GNW_GetClubDietition(club) + GNW_GetClubPsycho(club) + GNW_GetClubFaith(club);
}

void PlayTheDay() {
  ClearMatchEvents();
  GNW_FindHumanFixtureComp(MenuManager);
  while (GNW_PlayNextFixture() != 0) {
  }
  GNW_AdvanceDay();
  ProcessHumanEvents();
}

void LoadCdSave() {
  SetBusyPointer(1);
  if (LoadGameSlot(SAVE_SLOT_CD) < 0)
    DoMessageBox(GetTextNoAddr(1662), 0);  // "Load Failed"
  else
    FrontEnd_TakeLoadedCareer();
  MenuOption = 3;
  SetBusyPointer(0);
}

}  // namespace

bool IsValidMenuOption(int option) {
  if (option < -1 || option > kOptionLast) return false;
  switch (option) {
    case 15: case 20: case 38: case 39: case 40: case 41: case 42: case 70: case 71:
      return false;
    default:
      return true;
  }
}

void DoMainMenuOption() {
  const int16_t option = MenuOption;
  DPRINT(DEBUG_GENERAL, 10, "DoMainMenu(): option %d\n", option);
  if (!IsValidMenuOption(option)) FatalError("Error: DoMainMenu(): Invalid MenuOption = %d\n", option);
  switch (option) {
    case -1:
      return;
    case 0:
      NewGame();
      return;
    case 1:  // Select League To Play, then the surnames
      RunScreen(SelectLeagueMenu);
      FrontEndSeam.loadNamesFile();
      return;
    case 2:
      MenuOption = 7;
      return;
    case 3:
      MenuManager = 1;
      RunScreen(OfficePlaceholderMenu);
      return;
    case 4:  // the player page
      RunScreen(PlayerPageMenu);
      if (NegotiationRequest == 1) MenuOption = 10;
      if (NegotiationRequest == 2) MenuOption = 14;
      if (MenuOption != 7 && MenuOption != 10 && MenuClubReset) ResetClubAfterList();
      return;
    case 5:
      RunScreen(SelectTeamMenu);
      return;
    case 6:
    case 73:  // the club page: a new career's choice or a job offer
      RunScreen(ClubPageMenu);
      return;
    case 7:  // Squad
      RunScreen(SquadMenu);
      if (MenuOption != 4 && MenuClubReset == 1) ResetClubAfterList();
      return;
    case 10:  // Negotiations
      Placeholder();
      if (NegotiationRequest != 1) {
        // The placeholder cannot take a club's offer: leaving it turns the
        // offer down, else the same offer would come back at once, forever.
        GNW_RemoveHumanSale(MenuPlayer);
        ProcessHumanEvents();
      }
      return;
    // ---- Staff Appointments
    case 13:
      MenuClub = GNW_GetHumanClub(MenuManager);
      RunScreen(StaffMenu);
      return;
    // ---- Arrange Friendly
    case 17:
      MenuClub = GNW_GetHumanClub(MenuManager);
      RunScreen(ArrangeFriendlyMenu);
      return;
    // ---- Player Stats
    case 18:
      RunScreen(PlayerStatsMenu);
      return;
    // ---- Statistics
    case 80:
      RunScreen(StatisticsMenu);
      return;
    // ---- club fixtures and the league table
    case 8:
      RunScreen(ClubFixturesMenu);
      return;
    case 9:
      RunScreen(LeagueTableMenu);
      return;
    // ---- competition fixtures and the Roll Of Honour
    case 11:
      RunScreen(CompFixturesMenu);
      return;
    case 12:
      RunScreen(RollOfHonourMenu);
      return;
    // ---- Job Vacancies
    case 43:
      RunScreen(JobCentreMenu);
      return;
    // ---- the ranked lists
    case 68: case 69: case 75:
      RunScreen(RankListMenu);
      return;
    // ---- Finances
    case 33:  // from the Club Menus: the human manager's club
      MenuClub = GNW_GetHumanClub(MenuManager);
      RunScreen(FinancesMenu);
      return;
    // ---- Rest of the World and match statistics
    case 79:
      RunScreen(RestOfWorldMenu);
      return;
    case 81:
      RunScreen(MatchStatsMenu);
      return;
    // ---- Friendly Setup and Player History
    case 53:
      RunScreen(FriendlySetupMenu);
      return;
    case 57:
      RunScreen(PlayerHistoryMenu);
      return;
    // ---- (end of the club screens)
    case 14:  // Negotiate Contract
      Placeholder();
      if (NegotiationRequest != 2) ProcessHumanEvents();
      return;
    case 16:  // Input Manager Name, then the clubs' staff and teams
      RunScreen(ManagerNameMenu);
      SetBusyPointer(1);
      GNW_ComputerClubsHireStaff(0, 0);
      GNW_UpdateTransferWindows(0);
      GNW_HumanClubsAppointCoach(0);
      GNW_SelectClubTeam(GNW_GetHumanClub(1), 5);
      SetBusyPointer(0);
      return;
    case 23: {  // Training Schedule
      const int16_t club = GNW_GetHumanClub(MenuManager);
      if (CoachingStaffSum(club) == 0) DoMessageBox(GetTextNoAddr(424), 0);  // no coaching staff
      MenuClub = club;
      Placeholder();
      return;
    }
    case 24:
      RunScreen(StartPageMenu);
      return;
    case 25:
      PlayTheDay();
      return;
    case 35:
      RunScreen(PastTransfersMenu);
      return;
    case 46:
      if (ContinueMode == 2) {
        TodaysFixturesFromMenu = 1;
        Placeholder();  // Today's Fixtures
      }
      FrontEndSeam.continueGame();
      return;
    case 49:
      SaveLoadMode = 1;
      RunScreen(SaveLoadMenu);
      return;
    case 50:
      SaveLoadMode = 0;
      RunScreen(SaveLoadMenu);
      return;
    case 51:
      LoadCdSave();
      return;
    case 52:  // the news test screen
      RunScreen(NewsTestMenu);
      return;
    case 54:
      FrontEndSeam.playExhibitionMatch();
      MenuOption = 53;
      return;
    case 55:  // the saved replays: a slot chosen plays as option 56
      RunScreen(ReplaySlotScreen);
      return;
    case 56:
      CloseMenusForMatch();
      FrontEndSeam.playMatchGetResult();
      // A replay shown from the start page leaves the next match a live one.
      FrontEndSeam.setMatchRunMode(0);
      MenuOption = 24;
      ReopenMenusAfterMatch();
      return;
    case 59:
      ProcessHumanEvents();
      return;
    case 60: case 61: case 62:  // the match facts views (their view word comes with their screens)
      Placeholder();
      return;
    case 83:
      FrontEndSeam.videoOptionsMenu();
      MenuOption = PreviousMenuOption;
      return;
    default:  // a screen still to come
      Placeholder();
      return;
  }
}

void DoMainMenu() {
  ShowSplash(BACKGROUND_STARTUP_SECOND);
  ShowSplash(BACKGROUND_STARTUP_FIRST);
  ShowCredits();
  MenuClubReset = 0;
  RunMainMenuLoop();
}

void RunMainMenuLoop() {
  // Every option is dispatched (and traced), -1 last of all: it ends the loop.
  int16_t acted = 0;
  do {
    if (MenuOption != 83) PreviousMenuOption = MenuOption;
    acted = MenuOption;
    DoMainMenuOption();
  } while (acted != -1);
}

// ---- events after a day ----

namespace {

void OfferLoan() {
  char question[256];
  std::snprintf(question, sizeof question, "%s%s%s%s", GetTextNoAddr(893), GNW_GetPlayerName(MenuPlayer),
                GetTextNoAddr(894), GNW_GetClubName(GNW_GetClubDbId(MenuOtherClub)));
  // "Yes" lends him; any other answer withdraws the sale.
  if (FrontEndSeam.questionBox(question, YesNoButtons, 0) != 1) {
    GNW_RemoveHumanSale(MenuPlayer);
    return;
  }
  const int16_t slot = GNW_FindFreeBidInfoSlot();
  if (slot == -1) return;
  static constexpr int16_t kKinds[4] = {0, 1, 5, 11};
  int16_t kind = -1;
  for (int i = 0; i < 4 && kind == -1; ++i)
    if (GNW_GetClubBidPlayer(MenuOtherClub, static_cast<int16_t>(i)) == -1) kind = kKinds[i];
  if (kind == -1) {
    const int16_t type = GNW_GetPositionType(MenuPlayer);
    kind = type >= 0 && type < 4 ? kKinds[type] : kKinds[0];
  }
  if (GNW_MakeTransferOffer(MenuOtherClub, MenuPlayer, 100, kind, 0) == -1) return;
  if (GNW_FindBidInfoSlot(MenuPlayer) == -1) GNW_StartBidInfo(MenuPlayer, slot);
  GNW_RemoveHumanSale(MenuPlayer);
}

void OfferSale() {
  MenuOption = 10;
  const int32_t price = GNW_GetPlayerAskingPrice(MenuPlayer);
  int16_t patience = 0;
  const int32_t offer = GNW_EvaluateBidForPlayer(MenuPlayer, price, 0, MenuOtherClub, &patience, 0, 0);
  // 40 % of the asking price, in 64 bits: a price times 40 does not fit 32.
  if (static_cast<int64_t>(offer) < static_cast<int64_t>(price) * 40 / 100) {
    MenuOption = 3;
    GNW_RemoveHumanSale(MenuPlayer);
  }
  if (GNW_GetPlayerShirt(MenuPlayer) > 0 &&
      GNW_GetClubDivision(MenuOtherClub) - GNW_GetClubDivision(MenuClub) > 1) {
    MenuOption = 3;
    GNW_RemoveHumanSale(MenuPlayer);
  }
}

}  // namespace

void ProcessHumanEvents() {
  if (MenuOption == -1) return;
  const int16_t today = GNW_GetCurrentDay();
  if (today == 364) {
    if (!SoakRunActive) DoMessageBox(GetTextNoAddr(1160), 0);  // the end of the season: save now
    MenuClub = GNW_GetHumanClub(1);
    MenuOption = 3;
    return;
  }
  if (const int16_t sacked = GNW_GetSackedHumanManager(); sacked != 0) {
    MenuManager = sacked;
    MenuOption = 43;
    return;
  }
  if (const int16_t pending = GNW_GetJobOfferPending(); pending != 0) {
    MenuManager = pending;
    MenuClub = GNW_GetJobOfferingClub();
    MenuOption = 6;
    JobChangeMode = 2;
    return;
  }
  if (MenuOption != 4) MenuOption = 3;
  if (GNW_GetJobOfferExpiry() == today) {
    const int16_t club = GNW_GetJobOfferingClub();
    if (GNW_GetJobOfferKind() == 0) {
      SetNewsArgs(club, -1, -1, -1, -1, -1, -1, -1, -1);
      if (const char* text = GetRandomNewsText(73)) ShowNewsMessage(text, 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
    } else if (GNW_GetJobOfferKind() == 1) {
      JobChangeMode = 2;
      MenuOption = 6;
      MenuClub = club;
      SetNewsArgs(club, -1, -1, -1, -1, -1, -1, -1, -1);
      if (const char* text = GetRandomNewsText(74)) ShowNewsMessage(text, 0, NEWS_SHOW_HUMAN_DIVISION, club, -1);
      return;
    }
  }
  if (const int16_t manager = GNW_HasPendingContracts(); manager != 0) {
    MenuOption = 14;
    MenuManager = manager;
    MenuClub = GNW_GetHumanClub(MenuManager);
    MenuPlayer = GNW_GetHumanContracts(MenuManager);
  }
  if (const int16_t manager = GNW_HasHumanSales(); manager != 0 && MenuOption == 3) {
    MenuManager = manager;
    MenuClub = GNW_GetHumanClub(MenuManager);
    MenuPlayer = GNW_FindHumanSales(MenuManager);
    MenuOtherClub = GNW_FindHumanSalesTeam(MenuManager);
    if (GNW_GetPlayerLoanList(MenuPlayer) != 0) {
      MenuOption = 59;
      OfferLoan();
    } else {
      OfferSale();
    }
  }
}

// ---- the exported team ----

void BuildTeamExport() {
  uint8_t* block = SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT];
  std::memset(block, 0, TEAM_RECORD_SIZE);
  const int16_t club = GNW_GetHumanClub(1);
  GNW_FillSquadList(club);
  GNW_CompleteMatchTeam(club, 5);
  const int16_t dbClub = GNW_GetClubDbId(club);
  const char* name = GNW_GetClubName(dbClub);
  std::snprintf(reinterpret_cast<char*>(block + TEAM_EXPORT_NAME_OFFSET), TEAM_RECORD_SIZE - TEAM_EXPORT_NAME_OFFSET,
                "%.39s", name ? name : "");
  for (int shirt = 1; shirt <= 16; ++shirt) {
    int16_t player = -1;
    for (int slot = 0; slot < SQUAD_LIST_SIZE && player == -1; ++slot)
      if (SquadList[slot] != -1 && GNW_GetPlayerShirt(SquadList[slot]) == shirt) player = SquadList[slot];
    if (player == -1) continue;
    uint8_t* e = block + (shirt - 1) * TEAM_EXPORT_PLAYER_SIZE;
    auto put = [e](int offset, int value) { StoreI16(e + offset, value); };
    const char* surname = GNW_GetPlayerSurname(player);
    std::snprintf(reinterpret_cast<char*>(e), 20, "%s", surname ? surname : "");
    const int16_t position = GNW_GetPlayerPosition(player);
    e[20] = static_cast<uint8_t>(position);
    put(21, GNW_GetPlayerLookA(player));
    put(23, GNW_GetPlayerLookB(player));
    put(25, -1);
    put(27, GNW_GetPlayerLookC(player));
    put(29, -1);
    static constexpr int kPhysical[7] = {31, 37, 35, 33, 39, 41, 43};  // stats 8-14
    for (int i = 0; i < 7; ++i) put(kPhysical[i], GNW_GetPlayerPhysicalStat(player, static_cast<int16_t>(8 + i)));
    static constexpr int kAbility[8] = {45, 47, 49, 51, 53, 55, 59, 57};  // stats 0-7
    for (int i = 0; i < 8; ++i) put(kAbility[i], GNW_GetPlayerAbilityStat(player, static_cast<int16_t>(i)));
    put(61, GNW_GetPlayerPersonalityStat(player, 15));
    put(69, GNW_GetPlayerPersonalityStat(player, 19));
    put(71, GNW_GetPlayerPersonalityStat(player, 20));
    put(63, GNW_GetPlayerPersonalityStat(player, 16) * 100 / 200);
    put(65, GNW_GetPlayerPersonalityStat(player, 17) * 100 / 200);
    put(67, GNW_GetPlayerPersonalityStat(player, 18) * 100 / 200);
    put(73, GNW_GetPlayerPersonalityStat(player, 21) * 100 / 200);
    put(75, GNW_GetPlayerExperiencePercent(player));
    put(77, position);
    put(79, shirt);
    const int16_t side = GNW_GetSide(player);
    put(81, side == 1 || side == 3 ? 1 : 0);
    put(83, side == 2 || side == 3 ? 1 : 0);
    put(85, 0);
    put(87, player);
  }
  std::memcpy(block + TEAM_EXPORT_TACTICS_OFFSET, SavePlaceholders.customTactics,
              sizeof SavePlaceholders.customTactics);
  std::memcpy(block + TEAM_EXPORT_TACTIC_WORDS_OFFSET, SavePlaceholders.tacticWord1, 2);
  std::memcpy(block + TEAM_EXPORT_TACTIC_WORDS_OFFSET + 2, SavePlaceholders.tacticWord2, 2);
  StoreI16(block + TEAM_EXPORT_DB_CLUB_OFFSET, dbClub);
}

// ---- the placeholder screen ----

namespace {

int16_t PlaceholderHandler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    SetScreenHeader(0);
    const int16_t text = TextOfOption(MenuOption);
    if (text >= 0)
      std::snprintf(gFront.placeholderTitle, sizeof gFront.placeholderTitle, "%s", GetTextNoAddr(text));
    else
      std::snprintf(gFront.placeholderTitle, sizeof gFront.placeholderTitle, "Option %d", MenuOption);
  }
  return 0;
}

int16_t PlaceholderBack(MenuHotspot*) {
  MenuOption = 24;
  return MENU_RESULT_LEAVE;
}

// The office's "Done": its pop-up's row continues the game (option 46).
int16_t OfficeDone(MenuHotspot*) {
  if (OfficeDonePopup() == 0) return MENU_RESULT_REDRAW;
  MenuOption = 46;
  return MENU_RESULT_LEAVE;
}

}  // namespace

const char* PlaceholderTitle() { return gFront.placeholderTitle; }

const MenuItem PlaceholderMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(PlaceholderHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 320, 180, ALIGN_CENTRED, 0, MenuArg(static_cast<const void*>(gFront.placeholderTitle)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING, 320, 240, ALIGN_CENTRED, 0, MenuArg("This screen is not built yet"), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(MAIN_MENU_BAR_FILL), {}},
    {MI_STRING_BUTTON, PLACEHOLDER_BACK_X, PLACEHOLDER_BACK_Y, PLACEHOLDER_BACK_W, PLACEHOLDER_BACK_H,
     MenuArg("Back to the start page"), {}},
    {MI_CLICK_REGION, PLACEHOLDER_BACK_X, PLACEHOLDER_BACK_Y, PLACEHOLDER_BACK_W, PLACEHOLDER_BACK_H, MenuArg(-1),
     MenuArg(PlaceholderBack)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

const MenuItem OfficePlaceholderMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(PlaceholderHandler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 320, 180, ALIGN_CENTRED, 0, MenuArg(static_cast<const void*>(gFront.placeholderTitle)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_STRING, 320, 240, ALIGN_CENTRED, 0, MenuArg("This screen is not built yet"), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(MAIN_MENU_BAR_FILL), {}},
    {MI_STRING_BUTTON, OFFICE_DONE_X, OFFICE_DONE_Y, OFFICE_DONE_W, OFFICE_DONE_H, MenuArg("Done"), {}},
    {MI_CLICK_REGION, OFFICE_DONE_X, OFFICE_DONE_Y, OFFICE_DONE_W, OFFICE_DONE_H, MenuArg(-1), MenuArg(OfficeDone)},
    {MI_STRING_BUTTON, PLACEHOLDER_BACK_X, OFFICE_BACK_Y, PLACEHOLDER_BACK_W, PLACEHOLDER_BACK_H,
     MenuArg("Back to the start page"), {}},
    {MI_CLICK_REGION, PLACEHOLDER_BACK_X, OFFICE_BACK_Y, PLACEHOLDER_BACK_W, PLACEHOLDER_BACK_H, MenuArg(-1),
     MenuArg(PlaceholderBack)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the names file ----

void LoadNamesFile() {
  PakFileEntry* file = PakOpenFile("stats\\names.dat");
  if (file == nullptr) FatalError("LoadNamesFile(): cannot open stats\\names.dat\n");
  const uint32_t size = PakFileSize(file);
  if (size != static_cast<uint32_t>(NAMES_FILE_SIZE)) {
    PakCloseFile(file);
    FatalError("LoadNamesFile(): stats\\names.dat holds %u bytes, not %d\n", size, NAMES_FILE_SIZE);
  }
  PakReadFile(NameBuffer, 0, size, file);
  PakCloseFile(file);
}

// ---- the reset ----

void FrontEnd_Reset() {
  MenuOption = 0;
  PreviousMenuOption = 0;
  ReturnMenuOption = 24;
  MenuManager = 1;
  MenuClub = 0;
  MenuPlayer = 0;
  MenuOtherClub = 0;
  MenuClubReset = 0;
  NegotiationRequest = 0;
  ContinueMode = 0;
  TodaysFixturesFromMenu = 0;
  JobChangeMode = 0;
  JobCentreFlag = 0;
  SaveLoadMode = 0;
  MenuBarRestricted = 0;
  SoakRunActive = 0;
  MenuAllNews = 0;
  MenuSoundActive = 0;
  Menu256Mode = 0;
  gFront = FrontEndState{};
  BuildVolumeBarText();
  FrontEndSeam = StubSeams();
  for (int i = 0; MainMenuBar[i].kind != POPUP_END; ++i) MainMenuBar[i].flags = POPUP_ENABLED;
}
REGISTER_RESET(RESET_MENUS, FrontEnd_Reset);
