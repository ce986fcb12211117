// Contract Terms.
#include "menus/c_mnterms.h"

#include <algorithm>
#include <limits>

#include "engine/rand.h"
#include "engine/reset.h"
#include "menus/gfx_gen.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "menus/office.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/textmess.h"

namespace {

constexpr int16_t kPoolClub = 255;
constexpr int16_t kOptionOffice = 3;
constexpr int16_t kOptionSelectTeam = 5;
constexpr int16_t kOptionManagerName = 16;
constexpr int16_t kOptionJobCentre = 43;
constexpr int kNewsBoardPlea = 75;
constexpr int kManagers = 4;

struct TermsState {
  ContractTermsView view{};
};
TermsState gTerms;

int16_t ManagerNumber() { return std::clamp<int16_t>(MenuManager, 1, kManagers); }

void ReadClauses(int16_t club) {
  ContractTermsView& v = gTerms.view;
  v.clause[0] = GNW_GetClubContractClause(club);
  v.clause[1] = GNW_GetClubTrainingClause(club);
  v.clause[2] = GNW_GetClubBossvaneClause(club);
  v.clause[3] = GNW_GetClubStadiumClause(club);
  for (int r = 0; r < CONTRACT_TERMS_ROWS; ++r) {
    v.yesColour[r] = v.clause[r] ? 1 : 0;
    v.noColour[r] = v.clause[r] ? 0 : 1;
  }
}

void WriteClause(int16_t club, int row, int16_t value) {
  switch (row) {
    case 0: GNW_SetClubContractClause(club, value); break;
    case 1:
      GNW_SetClubTrainingClause(club, value);
      GNW_SetClubHiringClause(club, value);
      break;
    case 2: GNW_SetClubBossvaneClause(club, value); break;
    default: GNW_SetClubStadiumClause(club, value); break;
  }
}

// One payment from the money pool to the club.
void PayFromPool(int16_t club, int64_t amount) {
  const int64_t limit = std::numeric_limits<int32_t>::max();
  const int32_t paid = static_cast<int32_t>(std::clamp<int64_t>(amount, 0, limit));
  GNW_AddToClubBalance(club, paid);
  GNW_AddToClubBalance(kPoolClub, -paid);
}

template <int Row, int Answer>
int16_t RowClick(MenuHotspot*) {
  return ContractTerms_SetClause(Row, Answer);
}

}  // namespace

int16_t ContractTerms_Handler(const MenuItem*) {
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  ContractTermsView& v = gTerms.view;
  const int16_t club = MenuClub;
  v.counterOffer = 0;
  v.clubName = GNW_GetClubTextNo(GNW_GetClubDbId(club));
  SetScreenHeader(5);
  GNW_SetClubContractClause(club, 1);
  GNW_SetClubTrainingClause(club, 1);
  GNW_SetClubFinancialClause(club, 1);
  GNW_SetClubHiringClause(club, 1);
  GNW_SetClubStadiumClause(club, 1);
  if (GNW_GetSeasonNumber() == 0) GNW_SetClubBossvaneClause(club, 1);
  ReadClauses(club);
  SetScreenHeader(3);
  return 0;
}

int16_t ContractTerms_SetClause(int row, int answer) {
  if (row < 0 || row >= CONTRACT_TERMS_ROWS) return 0;
  // A manager moving from one club to another cannot change whether he plays.
  if (row == 2 && JobChangeMode == 2) return 0;
  const int16_t value = answer < 0 ? (gTerms.view.clause[row] ? 0 : 1) : (answer ? 1 : 0);
  WriteClause(MenuClub, row, value);
  ReadClauses(MenuClub);
  return MENU_RESULT_REDRAW;
}

int16_t ContractTerms_Accept(MenuHotspot*) {
  ContractTermsView& v = gTerms.view;
  if (JobChangeMode == 3) {
    MenuOption = kOptionOffice;
    JobChangeMode = 0;
    GNW_SnapshotSquadProgress(GNW_GetHumanClub(ManagerNumber()));
    return MENU_RESULT_LEAVE;
  }
  if (JobChangeMode == 2 && v.counterOffer == 0) {
    const int16_t current = GNW_GetHumanClub(ManagerNumber());
    if (current >= 0 && GNW_GetClubRepRankScore(current) > 12 && GNW_GetClubForm(current) > 35) {
      v.counterOffer = 1;
      SetNewsArgs(current, MenuClub, -1, -1, -1, -1, -1, -1, -1);
      if (const char* text = GetRandomNewsText(kNewsBoardPlea))
        ShowNewsMessage(text, 0, NEWS_SHOW_ALWAYS, current, MenuClub);
      return MENU_RESULT_REDRAW;
    }
  }
  SetBusyPointer(1);
  const int16_t manager = ManagerNumber();
  const int16_t ownPlayer = static_cast<int16_t>(manager - 1);
  const int16_t club = MenuClub;
  InstallManagerAtClub(manager, club);
  switch (JobChangeMode) {
    case 2:
      JobChangeMode = 0;
      MenuOption = kOptionOffice;
      GNW_ClearJobOffer();
      GNW_SetPlayerShirt(ownPlayer, 0);
      GNW_SetJobOfferPending(0);
      break;
    case 1:
      JobChangeMode = 0;
      MenuOption = kOptionOffice;
      break;
    default: {
      // A new career: a manager below his club's standing starts at three
      // quarters of it, and never below 12.
      const int32_t clubRep = GNW_GetClubRep(club);
      if (GNW_GetPlayerReputation(ownPlayer) < clubRep) Player_SetReputation(ownPlayer, clubRep * 75 / 100);
      if (GNW_GetPlayerReputation(ownPlayer) < 12) Player_SetReputation(ownPlayer, 12);
      MenuManager = static_cast<int16_t>(manager % kManagers + 1);
      for (int16_t& word : JobHistoryWords) word = -1;
      GNW_SetPlayerShirt(ownPlayer, 0);
      GNW_SetJobOfferPending(0);
      break;
    }
  }
  GNW_SnapshotSquadProgress(GNW_GetHumanClub(manager));
  SetBusyPointer(0);
  return MENU_RESULT_LEAVE;
}

int16_t ContractTerms_Reject(MenuHotspot*) {
  switch (JobChangeMode) {
    case 3:
      return 0;
    case 1:
      JobChangeMode = 0;
      MenuOption = kOptionJobCentre;
      return MENU_RESULT_LEAVE;
    case 2: {
      if (gTerms.view.counterOffer) {
        const int16_t club = GNW_GetHumanClub(ManagerNumber());
        if (club >= 0) {
          const int64_t balance = GNW_GetClubBalance(club);
          const int64_t roll = GameRandom() % 25 + 25;
          PayFromPool(club, balance > 0 ? roll * (balance / 100) : 100000);
        }
      }
      GNW_ClearJobOffer();
      GNW_SetJobOfferPending(0);
      // Back to the manager's own office.
      MenuOption = kOptionOffice;
      return MENU_RESULT_LEAVE;
    }
    default:
      MenuOption = kOptionSelectTeam;
      GNW_ResetHumanClub(ManagerNumber());
      return MENU_RESULT_LEAVE;
  }
}

const ContractTermsView& ContractTerms_View() { return gTerms.view; }

#define TERMS_ROW(r, y)                                                                                       \
  {MI_TEXT_BUTTON, 90, y, 280, 30, MenuArg(-1), MenuArg(RowClick<r, -1>)},                                   \
      {MI_STRING, 100, y + 15, ALIGN_LEFT | ALIGN_VMIDDLE, 0, MenuArg(kRowLabels[r]), {}},                   \
      {MI_TEXT_COLOUR_VAR, 0, 0, 0, 0, MenuArg(static_cast<void*>(&gTerms.view.yesColour[r])), {}},         \
      {MI_TEXT_BUTTON, 430, y, 50, 30, MenuArg(249), MenuArg(RowClick<r, 1>)},                               \
      {MI_TEXT_COLOUR_VAR, 0, 0, 0, 0, MenuArg(static_cast<void*>(&gTerms.view.noColour[r])), {}},          \
      {MI_TEXT_BUTTON, 500, y, 50, 30, MenuArg(248), MenuArg(RowClick<r, 0>)},                               \
      {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}}

namespace {
constexpr const char* kRowLabels[CONTRACT_TERMS_ROWS] = {"Contract clause", "Training and hiring clause",
                                                         "Manage and play clause", "Stadium clause"};
}

const MenuItem ContractTermsMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ContractTerms_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(729), {}},  // "Contract Terms"
    {MI_TEXTNO_VAR, 90, 25, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(static_cast<void*>(&gTerms.view.clubName)), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    TERMS_ROW(0, 100),
    TERMS_ROW(1, 180),
    TERMS_ROW(2, 260),
    TERMS_ROW(3, 340),
    {MI_TEXT_BUTTON, 60, 400, 110, 40, MenuArg(82), MenuArg(ContractTerms_Accept)},   // "Accept"
    {MI_TEXT_BUTTON, 490, 400, 110, 40, MenuArg(83), MenuArg(ContractTerms_Reject)},  // "Reject"
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};
#undef TERMS_ROW

void ContractTerms_Reset() {
  gTerms = TermsState{};
  gTerms.view.clubName = -1;
}
REGISTER_RESET(RESET_MENUS, ContractTerms_Reset);
