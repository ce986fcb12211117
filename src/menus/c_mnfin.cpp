// The Finances screen (see c_mnfin.h).
#include "menus/c_mnfin.h"

#include <cstdint>

#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/money.h"
#include "world/funcs.h"
#include "world/funcs_finance.h"
#include "world/records.h"

namespace {

constexpr int16_t kTitle = 253;          // "Finances"
constexpr int16_t kTotal = 1363;         // "Total"
constexpr int16_t kCurrentBalance = 259; // "Current Balance"
constexpr int32_t kNoRedevelopment = -1; // the facade's cost without plans

FinancesView gFin;


void BlankFigures() {
  for (int32_t& v : gFin.income) v = MENU_BLANK_VALUE;
  for (int32_t& v : gFin.expenditure) v = MENU_BLANK_VALUE;
  gFin.incomeTotal = gFin.expenditureTotal = MENU_BLANK_VALUE;
  gFin.broughtForward = gFin.balance = gFin.redevelopmentCost = MENU_BLANK_VALUE;
  gFin.redevelopmentText = -1;
}

template <typename T>
MenuArg Var(T* p) {
  return MenuArg(static_cast<void*>(p));
}

constexpr uint16_t kLabel = ALIGN_LEFT | ALIGN_TOP;
constexpr uint16_t kValue = ALIGN_RIGHT | ALIGN_TOP;

int16_t BackClicked(MenuHotspot* spot) { return Finances_Back(spot); }

}  // namespace

#define INCOME_ROW(i, label)                                                          \
  {MI_STRING, 30, 80 + 20 * (i), kLabel, 0, MenuArg(label), {}},                      \
  {MI_NUMBER_S32, 260, 80 + 20 * (i), kValue, 0, Var(&gFin.income[i]), {}}
#define EXPENDITURE_ROW(i, label)                                                     \
  {MI_STRING, 350, 80 + 20 * (i), kLabel, 0, MenuArg(label), {}},                     \
  {MI_NUMBER_S32, 580, 80 + 20 * (i), kValue, 0, Var(&gFin.expenditure[i]), {}}

const MenuItem FinancesMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(Finances_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXTNO_VAR, 80, 36, ALIGN_LEFT | ALIGN_VMIDDLE, 0, Var(&gFin.clubName), {}},
    {MI_TEXTNO, 480, 36, ALIGN_RIGHT | ALIGN_VMIDDLE, 0, MenuArg(kTitle), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_MONEY), {}},
    INCOME_ROW(0, "Gate receipts"),
    INCOME_ROW(1, "Player sales"),
    INCOME_ROW(2, "Sponsorship"),
    INCOME_ROW(3, "Television"),
    INCOME_ROW(4, "Merchandising"),
    INCOME_ROW(5, "Other income"),
    INCOME_ROW(6, "Win bonuses"),
    {MI_TEXTNO, 30, 240, kLabel, 0, MenuArg(kTotal), {}},
    {MI_NUMBER_S32, 260, 240, kValue, 0, Var(&gFin.incomeTotal), {}},
    EXPENDITURE_ROW(0, "Player wages"),
    EXPENDITURE_ROW(1, "Player signings"),
    EXPENDITURE_ROW(2, "Coaching staff wages"),
    EXPENDITURE_ROW(3, "Ground staff wages"),
    EXPENDITURE_ROW(4, "Stadium upkeep"),
    EXPENDITURE_ROW(5, "Other expenditure"),
    {MI_TEXTNO, 350, 220, kLabel, 0, MenuArg(kTotal), {}},
    {MI_NUMBER_S32, 580, 220, kValue, 0, Var(&gFin.expenditureTotal), {}},
    {MI_STRING, 130, 280, kLabel, 0, MenuArg("Balance brought forward"), {}},
    {MI_NUMBER_S32, 430, 280, kValue, 0, Var(&gFin.broughtForward), {}},
    {MI_TEXTNO, 130, 300, kLabel, 0, MenuArg(kCurrentBalance), {}},
    {MI_NUMBER_S32, 430, 300, kValue, 0, Var(&gFin.balance), {}},
    {MI_STRING, 130, 340, kLabel, 0, MenuArg("Ground works"), {}},
    {MI_NUMBER_S32, 430, 340, kValue, 0, Var(&gFin.redevelopmentCost), {}},
    {MI_TEXTNO_VAR, 430, 340, kValue, 0, Var(&gFin.redevelopmentText), {}},
    {MI_NUMBER_TYPE, 0, 0, 0, 0, MenuArg(NUMBER_PLAIN), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 565, 431, 46, 46, MenuArg(-1), MenuArg(BackClicked)},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_END, 320, 452, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

#undef INCOME_ROW
#undef EXPENDITURE_ROW

int16_t Finances_Handler(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    SetScreenHeader(3);
    Finances_Read();
  }
  return 0;
}

void Finances_Read() {
  const int16_t club = MenuClub;
  BlankFigures();
  if (club < 0 || club >= NUM_CLUBS) {
    gFin.club = -1;
    gFin.clubName = -1;
    return;
  }
  gFin.club = club;
  gFin.clubName = GNW_GetClubTextNo(GNW_GetClubDbId(club));

  gFin.income[0] = GNW_GetClubGateReceipts(club);
  gFin.income[1] = GNW_GetClubSales(club);
  gFin.income[2] = GNW_GetClubSponsorship(club);
  gFin.income[3] = GNW_GetClubTVIncome(club);
  gFin.income[4] = GNW_GetClubMerchandising(club);
  gFin.income[5] = GNW_GetClubMiscIncome(club);
  gFin.income[6] = GNW_GetClubWinBonuses(club);
  int64_t in = 0;
  for (int32_t v : gFin.income) in += v;
  gFin.incomeTotal = ClampMoney(in);

  gFin.expenditure[0] = GNW_GetClubPlayerWages(club);
  gFin.expenditure[1] = GNW_GetClubSignings(club);
  gFin.expenditure[2] = GNW_GetClubCoachingStaffWages(club);
  gFin.expenditure[3] = GNW_GetClubGroundStaffWages(club);
  gFin.expenditure[4] = GNW_GetClubStadiumMaintenance(club);
  gFin.expenditure[5] = GNW_GetClubMiscExpenditure(club);
  int64_t out = 0;
  for (int32_t v : gFin.expenditure) out += v;
  gFin.expenditureTotal = ClampMoney(out);

  gFin.broughtForward = GNW_GetClubBalanceCarriedForward(club);
  gFin.balance = GNW_GetClubBalance(club);
  const int32_t cost = GNW_GetGroundRedevelopmentCost(club);
  if (cost == kNoRedevelopment) {
    gFin.redevelopmentCost = MENU_BLANK_VALUE;
    gFin.redevelopmentText = FINANCES_NO_REDEVELOPMENT_TEXT;
  } else {
    gFin.redevelopmentCost = cost;
    gFin.redevelopmentText = -1;
  }
  DPRINT(DEBUG_GENERAL, 10, "Finances(): club %d, coaching staff wages %d, balance %d\n", club,
         gFin.expenditure[FINANCES_COACHING_STAFF_ROW], gFin.balance);
}

int16_t Finances_Back(MenuHotspot*) {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

const FinancesView& Finances_View() { return gFin; }

void Finances_Reset() {
  gFin = FinancesView{};
  gFin.club = -1;
  gFin.clubName = -1;
  BlankFigures();
}
REGISTER_RESET(RESET_MENUS, Finances_Reset);
