// The world facade: the club's money, staff and stadium.
#include "world/funcs_finance.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "clubsim/squadlist.h"
#include "clubsim/staffpool.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/weeklyaccounts.h"

int16_t MoneyDigits[MONEY_DIGIT_ROWS][MONEY_DIGITS];
StandPlan GroundRedevelopment[NUM_PLAN_MANAGERS][NUM_STANDS];

const int16_t StaffWageTable[STAFF_LEVELS] = {0, 100, 250, 500, 750, 1000, 1500, 2000, 2500, 3500, 5000};

const StandProject StandProjectTable[NUM_STAND_PROJECTS] = {
    {200000, 0, 2000, 1000},       {500000, 0, 4000, 2000},       {1000000, 100, 8000, 4000},
    {1500000, 120, 10000, 6000},   {2500000, 160, 12000, 8000},   {5000000, 200, 16000, 10000},
    {8000000, 240, 20000, 14000},  {12000000, 300, 29000, 20000},
};

namespace {

// The board's finance factor by game country and division.
constexpr int16_t kDivisionFinanceFactor[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
    {20, 8, 5, 4, 3, 3},    // 0
    {20, 8, 5, 4, 4, 4},    // 1
    {20, 10, 8, 8, 4, 4},   // 2
    {20, 10, 4, 4, 4, 4},   // 3
    {20, 10, 8, 6, 4, 4},   // 4
    {20, 10, 4, 4, 4, 4},   // 5
    {20, 10, 8, 6, 6, 4},   // 6
    {20, 10, 4, 4, 4, 4},   // 7
    {20, 10, 4, 4, 4, 4},   // 8
};

constexpr int32_t kThousand = 1000;
constexpr int32_t kWageUnit = 25;  // a stored player wage w costs 25 w a week
constexpr int kThousandsGroups = 4;

struct FinanceState {
  char thousands[32];
};
FinanceState gFinance;

bool ValidClub(int club) { return club >= 0 && club < NUM_CLUBS; }

// Money worked out in 64 bits, kept within an int32.
int32_t Money(int64_t amount) { return static_cast<int32_t>(std::clamp<int64_t>(amount, INT32_MIN, INT32_MAX)); }

int32_t Sum(std::initializer_list<int32_t> figures) {
  int64_t total = 0;
  for (int32_t f : figures) total += f;
  return Money(total);
}

// The eleven posts by kind: level and contract accessors.
struct StaffPost {
  int16_t (*level)(int16_t);
  int16_t (*contract)(int16_t);
  void (*setLevel)(int16_t, int32_t);
  void (*setContract)(int16_t, int32_t);
};
#define POST(Name) {Club_Get##Name, Club_Get##Name##Contract, Club_Set##Name, Club_Set##Name##Contract}
constexpr StaffPost kStaffPosts[NUM_STAFF_KINDS] = {
    POST(Coach),  POST(CoachGK),   POST(CoachDF),    POST(CoachMD), POST(CoachFW), POST(Physio),
    POST(YDO),    POST(Dietition), POST(CoachYouth), POST(Psycho),  POST(Faith),
};
#undef POST

const StaffPost* Post(int16_t kind) { return kind >= 0 && kind < NUM_STAFF_KINDS ? &kStaffPosts[kind] : nullptr; }

const StandProject* Project(int project) {
  return project >= 0 && project < NUM_STAND_PROJECTS ? &StandProjectTable[project] : nullptr;
}

int16_t (*const kStandStyle[NUM_STANDS])(int16_t) = {Club_GetStand1Style, Club_GetStand2Style, Club_GetStand3Style,
                                                      Club_GetStand4Style};

void SplitRow(int16_t* row, int32_t amount) {
  row[0] = static_cast<int16_t>(amount / 10000000);
  int32_t unit = 1000000;
  for (int i = 1; i < MONEY_DIGITS; ++i, unit /= 10) row[i] = static_cast<int16_t>(amount / unit % 10);
}

}  // namespace

void FuncsFinance_Reset() {
  std::memset(MoneyDigits, 0, sizeof MoneyDigits);
  gFinance = FinanceState{};
  GroundRedevelopment_Clear();
}
REGISTER_RESET(RESET_WORLD, FuncsFinance_Reset);

// ---- the club's accounts ----

int32_t GNW_GetClubBalance(int16_t club) { return Club_GetBalance(club); }
int32_t GNW_GetClubBalanceCarriedForward(int16_t club) { return Club_GetBalanceCarriedForward(club); }
int32_t GNW_GetClubGateReceipts(int16_t club) {
  return Sum({Club_GetGateReceipts(club), Club_GetSeasonGateReceipts(club)});
}
int32_t GNW_GetClubSales(int16_t club) { return Sum({Club_GetTotalSales(club), Club_GetSeasonSales(club)}); }
int32_t GNW_GetClubSponsorship(int16_t club) {
  return Sum({Club_GetSeasonSponsorship(club), Club_GetWeeksSponsorship(club)});
}
int32_t GNW_GetClubTVIncome(int16_t club) { return Sum({Club_GetSeasonTVIncome(club), Club_GetWeeksTVIncome(club)}); }
int32_t GNW_GetClubMerchandising(int16_t club) {
  return Sum({Club_GetSeasonMerchandising(club), Club_GetWeeksMerchandising(club)});
}
int32_t GNW_GetClubMiscIncome(int16_t club) {
  return Sum({Club_GetMiscIn(club), Club_GetSeasonRealAndFakeMiscellaneousIncome(club),
              Club_GetWeeksFakeMiscellaneousIncome(club)});
}
int32_t GNW_GetClubSignings(int16_t club) {
  return Sum({Club_GetTotalSignings(club), Club_GetSeasonSignings(club)});
}
int32_t GNW_GetClubPlayerWages(int16_t club) {
  return Sum({Club_GetTotalWages(club), Club_GetSeasonPlayerWages(club)});
}
int32_t GNW_GetClubWinBonuses(int16_t club) {
  return Sum({Club_GetSeasonWinBonuses(club), Club_GetWeeksWinBonuses(club)});
}
int32_t GNW_GetClubCoachingStaffWages(int16_t club) {
  return Sum({Club_GetSeasonCoachingStaffWages(club), Club_GetWeeksCoachingStaffWages(club)});
}
int32_t GNW_GetClubGroundStaffWages(int16_t club) {
  return Sum({Club_GetSeasonGroundStaffWages(club), Club_GetWeeksGroundStaffWages(club)});
}
int32_t GNW_GetClubStadiumMaintenance(int16_t club) {
  return Sum({Club_GetSeasonStadiumMaintenance(club), Club_GetWeeksStadiumMaintenance(club)});
}
int32_t GNW_GetClubMiscExpenditure(int16_t club) {
  return Sum({Club_GetMiscOut(club), Club_GetSeasonRealAndFakeMiscellaneousExpenditure(club),
              Club_GetWeeksFakeMiscellaneousExpenditure(club)});
}

void GNW_AddToClubBalance(int16_t club, int32_t amount) { Club_AddToBalance(club, amount); }

int32_t GNW_GetClubHistoryMoney(int16_t club, int16_t block) { return Club_GetSeasonAvgAtt(block, club); }
int32_t GNW_GetClubAvgAtt(int16_t club) { return Club_GetAvgAtt(club); }

int32_t GNW_GetClubWageBill(int16_t club) {
  if (!ValidClub(club) || Club_GetDbId(club) == NO_DB_CLUB) return 0;
  BuildClubSquadList(club);
  int64_t bill = 0;
  for (int16_t player : SquadList)
    if (player >= 0) bill += static_cast<int64_t>(Player_GetWage(player)) * kWageUnit;
  return Money(bill);
}

int32_t GNW_GetClubMaxWage(int16_t club) {
  if (!ValidClub(club)) return 0;
  BuildClubSquadList(club);
  return ClubSim.calcClubMaxWage(club);
}

int32_t GNW_GetClubSpendingBudget(int16_t club) {
  if (!ValidClub(club)) return 0;
  BuildClubSquadList(club);
  return ClubSim.getClubSpendingBudget(club);
}

int32_t GNW_GetWeekStartBalance() { return WeeklyAccounts.weekStartBalance; }

int32_t GNW_GetWeeklyIncome(int32_t* a, int32_t* b, int32_t* c, int32_t* d, int32_t* e) {
  int32_t* outs[WEEKLY_INCOME_FIGURES] = {a, b, c, d, e};
  int64_t total = 0;
  for (int i = 0; i < WEEKLY_INCOME_FIGURES; ++i) {
    const int32_t figure = WeeklyAccounts.figures[i];
    if (outs[i]) *outs[i] = figure;
    total += figure;
  }
  return Money(total);
}

int32_t GNW_GetWeeklyExpenditure(int32_t* a, int32_t* b, int32_t* c, int32_t* d) {
  int32_t* outs[WEEKLY_EXPENDITURE_FIGURES] = {a, b, c, d};
  int64_t total = 0;
  for (int i = 0; i < WEEKLY_EXPENDITURE_FIGURES; ++i) {
    const int32_t figure = WeeklyAccounts.figures[WEEKLY_INCOME_FIGURES + i];
    if (outs[i]) *outs[i] = figure;
    total += figure;
  }
  return Money(total);
}

// ---- money rounding, digits and thousands ----

int32_t GNW_RoundDownTo25(int32_t amount) { return amount / 25 * 25; }
int32_t GNW_RoundDownTo100(int32_t amount) { return amount / 100 * 100; }

int32_t GNW_RoundPriceDown(int32_t amount) {
  if (amount < 1000) return 0;
  const int32_t step = amount < 10000      ? 100
                       : amount < 100000   ? 1000
                       : amount < 1000000  ? 10000
                       : amount < 10000000 ? 100000
                                           : 1000000;
  return amount - amount % step;
}

void GNW_SplitMoneyDigits(int16_t flag, int32_t amount1, int32_t amount2) {
  SplitRow(MoneyDigits[0], amount1);
  if (flag == 1) SplitRow(MoneyDigits[1], amount2);
}

void GNW_SplitMoneyDigitsRounded(int16_t flag, int32_t amount1, int32_t amount2) {
  GNW_SplitMoneyDigits(flag, GNW_RoundDownTo100(amount1), GNW_RoundDownTo100(amount2));
}

const char* GNW_FormatThousands(int32_t amount) {
  char* out = gFinance.thousands;
  const size_t size = sizeof gFinance.thousands;
  std::snprintf(out, size, "0");
  if (amount <= 0) return out;
  int groups[kThousandsGroups];
  int count = 0;
  // Four groups hold every positive int32.
  for (int32_t rest = amount; rest > 0 && count < kThousandsGroups; rest /= 1000) groups[count++] = rest % 1000;
  std::snprintf(out, size, "%d", groups[count - 1]);
  for (int g = count - 2; g >= 0; --g) {
    const size_t used = std::strlen(out);
    std::snprintf(out + used, size - used, ",%03d", groups[g]);
  }
  return out;
}

// ---- staff ----

int16_t GNW_GetClubCoach(int16_t club) { return Club_GetCoach(club); }
int16_t GNW_GetClubCoachGK(int16_t club) { return Club_GetCoachGK(club); }
int16_t GNW_GetClubCoachDF(int16_t club) { return Club_GetCoachDF(club); }
int16_t GNW_GetClubCoachMD(int16_t club) { return Club_GetCoachMD(club); }
int16_t GNW_GetClubCoachFW(int16_t club) { return Club_GetCoachFW(club); }
int16_t GNW_GetClubCoachYouth(int16_t club) { return Club_GetCoachYouth(club); }
int16_t GNW_GetClubYDO(int16_t club) { return Club_GetYDO(club); }
int16_t GNW_GetClubPhysio(int16_t club) { return Club_GetPhysio(club); }
int16_t GNW_GetClubDietition(int16_t club) { return Club_GetDietition(club); }
int16_t GNW_GetClubPsycho(int16_t club) { return Club_GetPsycho(club); }
int16_t GNW_GetClubFaith(int16_t club) { return Club_GetFaith(club); }

int16_t GNW_GetClubCoachContract(int16_t club) { return Club_GetCoachContract(club); }
int16_t GNW_GetClubCoachGKContract(int16_t club) { return Club_GetCoachGKContract(club); }
int16_t GNW_GetClubCoachDFContract(int16_t club) { return Club_GetCoachDFContract(club); }
int16_t GNW_GetClubCoachMDContract(int16_t club) { return Club_GetCoachMDContract(club); }
int16_t GNW_GetClubCoachFWContract(int16_t club) { return Club_GetCoachFWContract(club); }
int16_t GNW_GetClubCoachYouthContract(int16_t club) { return Club_GetCoachYouthContract(club); }
int16_t GNW_GetClubYDOContract(int16_t club) { return Club_GetYDOContract(club); }
int16_t GNW_GetClubPhysioContract(int16_t club) { return Club_GetPhysioContract(club); }
int16_t GNW_GetClubDietitionContract(int16_t club) { return Club_GetDietitionContract(club); }
int16_t GNW_GetClubPsychoContract(int16_t club) { return Club_GetPsychoContract(club); }
int16_t GNW_GetClubFaithContract(int16_t club) { return Club_GetFaithContract(club); }

void GNW_SetClubCoach(int16_t club, int16_t level) { Club_SetCoach(club, level); }
void GNW_SetClubCoachGK(int16_t club, int16_t level) { Club_SetCoachGK(club, level); }
void GNW_SetClubCoachDF(int16_t club, int16_t level) { Club_SetCoachDF(club, level); }
void GNW_SetClubCoachMD(int16_t club, int16_t level) { Club_SetCoachMD(club, level); }
void GNW_SetClubCoachFW(int16_t club, int16_t level) { Club_SetCoachFW(club, level); }
void GNW_SetClubCoachYouth(int16_t club, int16_t level) { Club_SetCoachYouth(club, level); }
void GNW_SetClubYDO(int16_t club, int16_t level) { Club_SetYDO(club, level); }
void GNW_SetClubPhysio(int16_t club, int16_t level) { Club_SetPhysio(club, level); }
void GNW_SetClubDietition(int16_t club, int16_t level) { Club_SetDietition(club, level); }
void GNW_SetClubPsycho(int16_t club, int16_t level) { Club_SetPsycho(club, level); }
void GNW_SetClubFaith(int16_t club, int16_t level) { Club_SetFaith(club, level); }

void GNW_SetClubCoachContract(int16_t club, int16_t contract) { Club_SetCoachContract(club, contract); }
void GNW_SetClubCoachGKContract(int16_t club, int16_t contract) { Club_SetCoachGKContract(club, contract); }
void GNW_SetClubCoachDFContract(int16_t club, int16_t contract) { Club_SetCoachDFContract(club, contract); }
void GNW_SetClubCoachMDContract(int16_t club, int16_t contract) { Club_SetCoachMDContract(club, contract); }
void GNW_SetClubCoachFWContract(int16_t club, int16_t contract) { Club_SetCoachFWContract(club, contract); }
void GNW_SetClubCoachYouthContract(int16_t club, int16_t contract) { Club_SetCoachYouthContract(club, contract); }
void GNW_SetClubYDOContract(int16_t club, int16_t contract) { Club_SetYDOContract(club, contract); }
void GNW_SetClubPhysioContract(int16_t club, int16_t contract) { Club_SetPhysioContract(club, contract); }
void GNW_SetClubDietitionContract(int16_t club, int16_t contract) { Club_SetDietitionContract(club, contract); }
void GNW_SetClubPsychoContract(int16_t club, int16_t contract) { Club_SetPsychoContract(club, contract); }
void GNW_SetClubFaithContract(int16_t club, int16_t contract) { Club_SetFaithContract(club, contract); }

int16_t GNW_GetClubStaffLevel(int16_t club, int16_t kind) {
  const StaffPost* post = Post(kind);
  return post ? post->level(club) : int16_t{0};
}

int16_t GNW_GetClubStaffContract(int16_t club, int16_t kind) {
  const StaffPost* post = Post(kind);
  return post ? post->contract(club) : int16_t{0};
}

void GNW_SetClubStaffLevel(int16_t club, int16_t kind, int16_t level) {
  if (const StaffPost* post = Post(kind)) post->setLevel(club, level);
}

void GNW_SetClubStaffContract(int16_t club, int16_t kind, int16_t contract) {
  if (const StaffPost* post = Post(kind)) post->setContract(club, contract);
}

int16_t GNW_GetStaffWage(int16_t level) { return level >= 0 && level < STAFF_LEVELS ? StaffWageTable[level] : 0; }
int16_t GNW_GetStaffCandidateKind(int16_t candidate) { return StaffCandidate_GetKind(candidate); }
int16_t GNW_GetStaffCandidateLevel(int16_t candidate) { return StaffCandidate_GetLevel(candidate); }
int16_t GNW_IsStaffCandidateAvailable(int16_t candidate) { return StaffCandidate_IsAvailable(candidate); }

// ---- stadium ----

int16_t GNW_GetClubStand1Capacity(int16_t club) { return Club_GetStand1Capacity(club); }
int16_t GNW_GetClubStand2Capacity(int16_t club) { return Club_GetStand2Capacity(club); }
int16_t GNW_GetClubStand3Capacity(int16_t club) { return Club_GetStand3Capacity(club); }
int16_t GNW_GetClubStand4Capacity(int16_t club) { return Club_GetStand4Capacity(club); }
void GNW_SetClubStand1Capacity(int16_t club, int16_t code) { Club_SetStand1Capacity(club, code); }
void GNW_SetClubStand2Capacity(int16_t club, int16_t code) { Club_SetStand2Capacity(club, code); }
void GNW_SetClubStand3Capacity(int16_t club, int16_t code) { Club_SetStand3Capacity(club, code); }
void GNW_SetClubStand4Capacity(int16_t club, int16_t code) { Club_SetStand4Capacity(club, code); }
int16_t GNW_GetClubStand1Style(int16_t club) { return Club_GetStand1Style(club); }
int16_t GNW_GetClubStand2Style(int16_t club) { return Club_GetStand2Style(club); }
int16_t GNW_GetClubStand3Style(int16_t club) { return Club_GetStand3Style(club); }
int16_t GNW_GetClubStand4Style(int16_t club) { return Club_GetStand4Style(club); }
void GNW_SetClubStand1Style(int16_t club, int16_t style) { Club_SetStand1Style(club, style); }
void GNW_SetClubStand2Style(int16_t club, int16_t style) { Club_SetStand2Style(club, style); }
void GNW_SetClubStand3Style(int16_t club, int16_t style) { Club_SetStand3Style(club, style); }
void GNW_SetClubStand4Style(int16_t club, int16_t style) { Club_SetStand4Style(club, style); }

int32_t GNW_GetStandProjectCost(int16_t project) {
  const StandProject* p = Project(project);
  return p ? p->price : 0;
}
int16_t GNW_GetStandProjectValue1(int16_t project) {
  const StandProject* p = Project(project);
  return p ? p->value1 : int16_t{0};
}
int16_t GNW_GetStandProjectValue2(int16_t project) {
  const StandProject* p = Project(project);
  return p ? p->value2 : int16_t{0};
}
int16_t GNW_GetStandProjectValue3(int16_t project) {
  const StandProject* p = Project(project);
  return p ? p->value3 : int16_t{0};
}

StandPlan* GNW_GetStandProjectEntry(int16_t manager, int16_t stand) {
  const int row = manager - 1;
  if (row < 0 || row >= NUM_PLAN_MANAGERS || stand < 0 || stand >= NUM_STANDS) return nullptr;
  return &GroundRedevelopment[row][stand];
}

int16_t* GNW_GetStandProjectProgressAddr(int16_t manager, int16_t stand) {
  StandPlan* plan = GNW_GetStandProjectEntry(manager, stand);
  return plan ? &plan->progress : nullptr;
}

int16_t GNW_GetStandProjectPrevious(int16_t manager, int16_t stand) {
  const StandPlan* plan = GNW_GetStandProjectEntry(manager, stand);
  return plan ? plan->previous : int16_t{0};
}

int32_t GNW_GetGroundRedevelopmentCost(int16_t club) {
  if (Club_GetStadiumClause(club) == 0) return -1;
  // Only a human manager has plans: a computer-run club (control 0) has none.
  const int16_t manager = Club_GetControl(club);
  if (GNW_GetStandProjectEntry(manager, 0) == nullptr) return -1;
  int64_t cost = 0;
  for (int16_t stand = 0; stand < NUM_STANDS; ++stand) {
    const StandPlan& plan = *GNW_GetStandProjectEntry(manager, stand);
    // A project the table does not have (a damaged save) counts as none.
    const StandProject* building = Project(plan.project);
    if (building) cost += building->price;
    const StandProject* seats = building ? building : Project(kStandStyle[stand](club));
    if (seats) cost += static_cast<int64_t>(plan.progress) * seats->value1 * kThousand;
  }
  return Money(cost);
}

void GNW_RunGroundRedevelopment(int16_t manager) {
  // Manager 0 is the computer, whose clubs have no plans.
  if (manager < 1) return;
  const int16_t club = GNW_GetHumanClub(manager);
  if (club >= 0) ClubSim.humanGroundRedevelopment(club);
}

void GroundRedevelopment_Clear() {
  for (auto& row : GroundRedevelopment)
    for (StandPlan& plan : row) plan = StandPlan{NO_STAND_PROJECT, 0, 0};
}

void GroundRedevelopment_Pack(uint8_t* out) {
  for (const auto& row : GroundRedevelopment) {
    for (const StandPlan& plan : row) {
      StoreI16(out, plan.project);
      StoreI16(out + 2, plan.progress);
      StoreI16(out + 4, plan.previous);
      out += 6;
    }
  }
}

void GroundRedevelopment_Unpack(const uint8_t* in) {
  for (auto& row : GroundRedevelopment) {
    for (StandPlan& plan : row) {
      plan.project = LoadI16(in);
      plan.progress = LoadI16(in + 2);
      plan.previous = LoadI16(in + 4);
      in += 6;
    }
  }
}

int16_t GNW_GetDivisionFinanceFactor(int16_t division) {
  if (!IsGameCountry(GameCountry) || division < 0 || division >= NUM_DIVISIONS) return 0;
  return kDivisionFinanceFactor[GameCountry][division];
}

// ---- board clauses, control, team figures ----

int16_t GNW_GetClubBossvaneClause(int16_t club) { return Club_GetBossvaneClause(club); }
int16_t GNW_GetClubStadiumClause(int16_t club) { return Club_GetStadiumClause(club); }
int16_t GNW_GetClubHiringClause(int16_t club) { return Club_GetHiringClause(club); }
int16_t GNW_GetClubFinancialClause(int16_t club) { return Club_GetFinancialClause(club); }
int16_t GNW_GetClubTrainingClause(int16_t club) { return Club_GetTrainingClause(club); }
int16_t GNW_GetClubContractClause(int16_t club) { return Club_GetContractClause(club); }
void GNW_SetClubBossvaneClause(int16_t club, int16_t value) { Club_SetBossvaneClause(club, value); }
void GNW_SetClubStadiumClause(int16_t club, int16_t value) { Club_SetStadiumClause(club, value); }
void GNW_SetClubHiringClause(int16_t club, int16_t value) { Club_SetHiringClause(club, value); }
void GNW_SetClubFinancialClause(int16_t club, int16_t value) { Club_SetFinancialClause(club, value); }
void GNW_SetClubTrainingClause(int16_t club, int16_t value) { Club_SetTrainingClause(club, value); }
void GNW_SetClubContractClause(int16_t club, int16_t value) { Club_SetContractClause(club, value); }
int16_t GNW_GetClubControl(int16_t club) { return Club_GetControl(club); }
void GNW_SetClubControl(int16_t club, int16_t value) { Club_SetControl(club, value); }

int16_t GNW_GetClubSetPieceProficiency1(int16_t club) { return Club_GetSetPieces1(club); }
int16_t GNW_GetClubSetPieceProficiency2(int16_t club) { return Club_GetSetPieces2(club); }
int16_t GNW_GetClubSetPieceProficiency3(int16_t club) { return Club_GetSetPieces3(club); }
int16_t GNW_GetClubTeamwork(int16_t club) { return Club_GetTeamwork(club); }
