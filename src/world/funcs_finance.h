// The world facade's money, staff and stadium: the figures of the club's
// accounts, the week's account of the human club, the facade's money
// rounding, digit splitting and thousands formatting, the club's staff and
// their contracts, its stands and the human manager's stand projects, the
// board's clauses and the club's set-piece and teamwork figures.
//
// Most operations forward to the club record's accessors (world/clubs.h), so
// a negative club ends the program with the field's message and a club id of
// 250 or more answers 0; a club without a full record answers the fixed
// values of its minor record (no money; staff levels from its reputation).
// Money is whole currency units in an int32; sums and products of money are
// worked out in 64 bits and kept within the int32 range.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

// A sum or product of money worked out in 64 bits, held at the limits of the
// int32 money word.
inline int32_t ClampMoney(int64_t amount) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(amount, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// ======================================================================
// The club's accounts
// ======================================================================

// Each figure of the accounts: the season's total so far and the running
// week's (or the club's running total) together.
int32_t GNW_GetClubBalance(int16_t club);  // 0 for a club without a full record
int32_t GNW_GetClubBalanceCarriedForward(int16_t club);
int32_t GNW_GetClubGateReceipts(int16_t club);
int32_t GNW_GetClubSales(int16_t club);
int32_t GNW_GetClubSponsorship(int16_t club);
int32_t GNW_GetClubTVIncome(int16_t club);
int32_t GNW_GetClubMerchandising(int16_t club);
int32_t GNW_GetClubMiscIncome(int16_t club);
int32_t GNW_GetClubSignings(int16_t club);
int32_t GNW_GetClubPlayerWages(int16_t club);
int32_t GNW_GetClubWinBonuses(int16_t club);
int32_t GNW_GetClubCoachingStaffWages(int16_t club);
int32_t GNW_GetClubGroundStaffWages(int16_t club);
int32_t GNW_GetClubStadiumMaintenance(int16_t club);
int32_t GNW_GetClubMiscExpenditure(int16_t club);

// One side of a payment (Club_AddToBalance): a league club's balance (not
// below 0), every other club's and club 255's the money pool. A payment is
// two calls whose amounts add up to 0, so that no money is made or lost.
void GNW_AddToClubBalance(int16_t club, int32_t amount);
// The average attendance kept in season-history block 0-9 of the club (0
// for another block or a club without a full record).
int32_t GNW_GetClubHistoryMoney(int16_t club, int16_t block);
int32_t GNW_GetClubAvgAtt(int16_t club);
// The weekly wages of the club's squad list (its players and those on loan
// to it); 0 for a club id outside 0-249 or a club with no database club.
int32_t GNW_GetClubWageBill(int16_t club);
// The highest weekly wage the club will pay, and the money it may spend on
// players, from its freshly built squad list; 0 for a club id outside 0-249.
int32_t GNW_GetClubMaxWage(int16_t club);
int32_t GNW_GetClubSpendingBudget(int16_t club);

// The human club's account of the running week: the balance when the week
// began; the five income figures (and the four expenditure figures) written
// to the outs in stored order (a null out is skipped), answering their sum.
int32_t GNW_GetWeekStartBalance();
int32_t GNW_GetWeeklyIncome(int32_t* a, int32_t* b, int32_t* c, int32_t* d, int32_t* e);
int32_t GNW_GetWeeklyExpenditure(int32_t* a, int32_t* b, int32_t* c, int32_t* d);

// ======================================================================
// Money rounding, digits and thousands
// ======================================================================

// Rounded toward zero to a multiple of 25 (of 100).
int32_t GNW_RoundDownTo25(int32_t amount);
int32_t GNW_RoundDownTo100(int32_t amount);
// A price kept to two significant figures: 0 below 1,000 (negative amounts
// too), else rounded down to a multiple of 100 (below 10,000), 1,000 (below
// 100,000), 10,000 (below 1,000,000), 100,000 (below 10,000,000) or
// 1,000,000. 123,456 gives 120,000; 9,999 gives 9,900.
int32_t GNW_RoundPriceDown(int32_t amount);

// The digit display's two rows: the amount's tens of millions (not limited
// to one digit), then its millions, hundred-thousands, ten-thousands,
// thousands, hundreds, tens and units.
constexpr int MONEY_DIGIT_ROWS = 2;
constexpr int MONEY_DIGITS = 8;
extern int16_t MoneyDigits[MONEY_DIGIT_ROWS][MONEY_DIGITS];
// Row 0 from the first amount and, only when the flag is 1, row 1 from the
// second.
void GNW_SplitMoneyDigits(int16_t flag, int32_t amount1, int32_t amount2);
// The same with both amounts rounded down to a multiple of 100 first.
void GNW_SplitMoneyDigitsRounded(int16_t flag, int32_t amount1, int32_t amount2);
// "1,234,567": the amount with comma thousands separators; "0" for 0 and for
// a negative amount (static buffer).
const char* GNW_FormatThousands(int32_t amount);

// ======================================================================
// Staff
// ======================================================================

// The eleven posts of a club's staff, numbered as the hiring pool numbers
// its candidates' kinds (clubsim/staffpool.h).
enum StaffKind : int16_t {
  STAFF_COACH = 0,         // head coach
  STAFF_COACH_GK = 1,      // goalkeeping coach
  STAFF_COACH_DF = 2,      // defence coach
  STAFF_COACH_MD = 3,      // midfield coach
  STAFF_COACH_FW = 4,      // forwards coach
  STAFF_PHYSIO = 5,
  STAFF_YDO = 6,           // youth development officer
  STAFF_DIETITION = 7,
  STAFF_COACH_YOUTH = 8,   // youth coach
  STAFF_PSYCHO = 9,
  STAFF_FAITH = 10,        // faith healer
};
constexpr int NUM_STAFF_KINDS = 11;
constexpr int STAFF_LEVELS = 11;  // 0 (nobody) to 10

// Level 0-10 (a club without a full record: its reputation / 6).
int16_t GNW_GetClubCoach(int16_t club);
int16_t GNW_GetClubCoachGK(int16_t club);
int16_t GNW_GetClubCoachDF(int16_t club);
int16_t GNW_GetClubCoachMD(int16_t club);
int16_t GNW_GetClubCoachFW(int16_t club);
int16_t GNW_GetClubCoachYouth(int16_t club);
int16_t GNW_GetClubYDO(int16_t club);
int16_t GNW_GetClubPhysio(int16_t club);
int16_t GNW_GetClubDietition(int16_t club);
int16_t GNW_GetClubPsycho(int16_t club);
int16_t GNW_GetClubFaith(int16_t club);
// Contract 0-12 months (a club without a full record: 1).
int16_t GNW_GetClubCoachContract(int16_t club);
int16_t GNW_GetClubCoachGKContract(int16_t club);
int16_t GNW_GetClubCoachDFContract(int16_t club);
int16_t GNW_GetClubCoachMDContract(int16_t club);
int16_t GNW_GetClubCoachFWContract(int16_t club);
int16_t GNW_GetClubCoachYouthContract(int16_t club);
int16_t GNW_GetClubYDOContract(int16_t club);
int16_t GNW_GetClubPhysioContract(int16_t club);
int16_t GNW_GetClubDietitionContract(int16_t club);
int16_t GNW_GetClubPsychoContract(int16_t club);
int16_t GNW_GetClubFaithContract(int16_t club);
// Levels are kept within 0-10, contracts within 0-12.
void GNW_SetClubCoach(int16_t club, int16_t level);
void GNW_SetClubCoachGK(int16_t club, int16_t level);
void GNW_SetClubCoachDF(int16_t club, int16_t level);
void GNW_SetClubCoachMD(int16_t club, int16_t level);
void GNW_SetClubCoachFW(int16_t club, int16_t level);
void GNW_SetClubCoachYouth(int16_t club, int16_t level);
void GNW_SetClubYDO(int16_t club, int16_t level);
void GNW_SetClubPhysio(int16_t club, int16_t level);
void GNW_SetClubDietition(int16_t club, int16_t level);
void GNW_SetClubPsycho(int16_t club, int16_t level);
void GNW_SetClubFaith(int16_t club, int16_t level);
void GNW_SetClubCoachContract(int16_t club, int16_t contract);
void GNW_SetClubCoachGKContract(int16_t club, int16_t contract);
void GNW_SetClubCoachDFContract(int16_t club, int16_t contract);
void GNW_SetClubCoachMDContract(int16_t club, int16_t contract);
void GNW_SetClubCoachFWContract(int16_t club, int16_t contract);
void GNW_SetClubCoachYouthContract(int16_t club, int16_t contract);
void GNW_SetClubYDOContract(int16_t club, int16_t contract);
void GNW_SetClubPhysioContract(int16_t club, int16_t contract);
void GNW_SetClubDietitionContract(int16_t club, int16_t contract);
void GNW_SetClubPsychoContract(int16_t club, int16_t contract);
void GNW_SetClubFaithContract(int16_t club, int16_t contract);

// The same posts by kind (StaffKind), for the screens and the hiring that
// walk them: a kind outside 0-10 answers 0 and changes nothing.
int16_t GNW_GetClubStaffLevel(int16_t club, int16_t kind);
int16_t GNW_GetClubStaffContract(int16_t club, int16_t kind);
void GNW_SetClubStaffLevel(int16_t club, int16_t kind, int16_t level);
void GNW_SetClubStaffContract(int16_t club, int16_t kind, int16_t contract);

// The weekly wage of a staff level: 0, 100, 250, 500, 750, 1000, 1500, 2000,
// 2500, 3500, 5000; 0 outside 0-10.
extern const int16_t StaffWageTable[STAFF_LEVELS];
int16_t GNW_GetStaffWage(int16_t level);
// A candidate of the hiring pool: kind and level (-1 outside the pool), and
// 1 when he is on the market now (0 outside the pool).
int16_t GNW_GetStaffCandidateKind(int16_t candidate);
int16_t GNW_GetStaffCandidateLevel(int16_t candidate);
int16_t GNW_IsStaffCandidateAvailable(int16_t candidate);

// ======================================================================
// Stadium
// ======================================================================

// Capacity code (thousands of seats, 0-31) and style (0-7) of each stand.
int16_t GNW_GetClubStand1Capacity(int16_t club);
int16_t GNW_GetClubStand2Capacity(int16_t club);
int16_t GNW_GetClubStand3Capacity(int16_t club);
int16_t GNW_GetClubStand4Capacity(int16_t club);
void GNW_SetClubStand1Capacity(int16_t club, int16_t code);
void GNW_SetClubStand2Capacity(int16_t club, int16_t code);
void GNW_SetClubStand3Capacity(int16_t club, int16_t code);
void GNW_SetClubStand4Capacity(int16_t club, int16_t code);
int16_t GNW_GetClubStand1Style(int16_t club);
int16_t GNW_GetClubStand2Style(int16_t club);
int16_t GNW_GetClubStand3Style(int16_t club);
int16_t GNW_GetClubStand4Style(int16_t club);
void GNW_SetClubStand1Style(int16_t club, int16_t style);
void GNW_SetClubStand2Style(int16_t club, int16_t style);
void GNW_SetClubStand3Style(int16_t club, int16_t style);
void GNW_SetClubStand4Style(int16_t club, int16_t style);

// The stand projects, one per stand style 0-7: the price of building a stand
// of that style, the cost of each extra thousand seats (in thousands, value
// 1) and the seats a side stand (value 2) and an end stand (value 3) of the
// style hold.
constexpr int NUM_STAND_PROJECTS = 8;
struct StandProject {
  int32_t price;
  int16_t value1, value2, value3;
};
extern const StandProject StandProjectTable[NUM_STAND_PROJECTS];
// 0 for a project outside 0-7.
int32_t GNW_GetStandProjectCost(int16_t project);
int16_t GNW_GetStandProjectValue1(int16_t project);
int16_t GNW_GetStandProjectValue2(int16_t project);
int16_t GNW_GetStandProjectValue3(int16_t project);

// The human managers' plans for their grounds: per manager (row = manager
// number - 1) four stands, each with the project to build (-1 none), the
// extra thousands of seats (progress) and the previous project. The ground
// redevelopment of the club simulation carries them out; saved with the game.
constexpr int NUM_PLAN_MANAGERS = 1;
constexpr int NUM_STANDS = 4;
constexpr int16_t NO_STAND_PROJECT = -1;
struct StandPlan {
  int16_t project;
  int16_t progress;
  int16_t previous;
};
extern StandPlan GroundRedevelopment[NUM_PLAN_MANAGERS][NUM_STANDS];
// The plan of a stand 0-3 of a human manager (1 and up); null for a manager
// or stand the table does not have.
StandPlan* GNW_GetStandProjectEntry(int16_t manager, int16_t stand);
int16_t* GNW_GetStandProjectProgressAddr(int16_t manager, int16_t stand);
// Its previous project; 0 for a manager or stand the table does not have.
int16_t GNW_GetStandProjectPrevious(int16_t manager, int16_t stand);
// What the human manager's plans for the club's ground cost: for each stand
// with a project, its price and the progress x the project's value 1 x
// 1,000; for each stand without one, the progress x value 1 of the stand's
// current style x 1,000. -1 when the club has no stadium clause or no human
// manager (or one the plans do not cover).
int32_t GNW_GetGroundRedevelopmentCost(int16_t club);
// Carries out the plans of the human manager's club; nothing for manager 0 (the
// computer) or a manager without a club.
void GNW_RunGroundRedevelopment(int16_t manager);

// Every plan: no project, progress 0, previous 0 (start and new game).
void GroundRedevelopment_Clear();
// The table's 24 bytes as the saved game holds them: per stand three
// little-endian int16 (project, progress, previous).
constexpr int GROUND_REDEVELOPMENT_SIZE = NUM_PLAN_MANAGERS * NUM_STANDS * 3 * 2;
void GroundRedevelopment_Pack(uint8_t* out);
void GroundRedevelopment_Unpack(const uint8_t* in);

// The board's finance factor of a division 0-5 of the game country (0 for a
// division or country outside the table).
int16_t GNW_GetDivisionFinanceFactor(int16_t division);

// ======================================================================
// Board clauses, control, team figures
// ======================================================================

int16_t GNW_GetClubBossvaneClause(int16_t club);
int16_t GNW_GetClubStadiumClause(int16_t club);
int16_t GNW_GetClubHiringClause(int16_t club);
int16_t GNW_GetClubFinancialClause(int16_t club);
int16_t GNW_GetClubTrainingClause(int16_t club);
int16_t GNW_GetClubContractClause(int16_t club);
// A clause is kept as 0 or 1.
void GNW_SetClubBossvaneClause(int16_t club, int16_t value);
void GNW_SetClubStadiumClause(int16_t club, int16_t value);
void GNW_SetClubHiringClause(int16_t club, int16_t value);
void GNW_SetClubFinancialClause(int16_t club, int16_t value);
void GNW_SetClubTrainingClause(int16_t club, int16_t value);
void GNW_SetClubContractClause(int16_t club, int16_t value);
// 0 computer-run, else the human manager's number (kept at most 1).
int16_t GNW_GetClubControl(int16_t club);
void GNW_SetClubControl(int16_t club, int16_t value);

// 0-60. A club without a full record: the first set piece and teamwork its
// reputation, the second and third set pieces 60.
int16_t GNW_GetClubSetPieceProficiency1(int16_t club);
int16_t GNW_GetClubSetPieceProficiency2(int16_t club);
int16_t GNW_GetClubSetPieceProficiency3(int16_t club);
int16_t GNW_GetClubTeamwork(int16_t club);

// The digit rows and the text buffer empty, every plan cleared.
void FuncsFinance_Reset();
