// The clubs of the world: 250 club ids, 114 full ClubRecords for the game
// country's league, MinorClubRecords for the rest, the ClubSlotMap between
// them, and the money pool that stands for every club outside the league.
//
// One getter and one setter per field. Getters answer the field, 0 for a club
// id of 250 or more, a fixed answer for a club without a full record, and end
// the program (FatalExit) with the field's message for a negative club id.
// Setters ignore club ids outside 0-249 and clubs without a full record
// (unless the field is also kept in the minor record) and limit the value
// silently.
#pragma once

#include <cstdint>

#include "world/records.h"

extern ClubRecord ClubRecords[NUM_FULL_CLUBS];
extern ClubSlotMap ClubSlots;
// The money pool: club 255's balance, the other side of every payment.
extern int32_t MoneyPool;
constexpr int32_t MONEY_POOL_START = 400000000;
// The largest balance the 28-bit field holds.
constexpr int32_t CLUB_BALANCE_MAX = (1 << 27) - 1;

// Every club record, minor record and season mark zero, the slot map giving
// clubs 0-113 the full records 0-113 and the rest minor records 0-135, the
// money pool at its season start and every database club number its club id.
void Clubs_Reset();

int16_t ClubSlotMap_Get(int16_t club);
void ClubSlotMap_Set(int16_t club, int16_t entry);
// The club's full record, or null (club id outside 0-249 or a minor club).
ClubRecord* Club_GetFullRecord(int16_t club);
// The club's full-record index 0-113, or -1.
int16_t GetClubRecordSlot(int16_t club);
// The club's minor record, or null.
MinorClubRecord* Club_GetMinorRecord(int16_t club);

// Adds an amount to a league club's balance (game country, division 0-5,
// full record; the result not below 0, and whatever the full balance field
// cannot hold goes to the pool); every other club's side of a payment, and
// club 255's, goes to the money pool.
void Club_AddToBalance(int16_t club, int32_t amount);

// The money that has entered the world (negative: left it) since the last
// reset, outside the payments between clubs and the pool: a payment larger
// than a balance (the club is left at 0, the pool still gets the whole
// amount), a pool at the limit of its 32-bit word, and each time the pool is
// set anew. The world's money (every balance plus the pool) less this figure
// stays the same whatever the clubs pay each other.
int64_t MoneyFlow_Total();
// Sets the money pool (the new season's pool), booking the difference.
void MoneyPool_Set(int32_t value);

// Bank balance, league place, reputation, stands, map position, control, team ratings.
int32_t Club_GetBalance(int16_t club);
void Club_SetBalance(int16_t club, int32_t value);
int16_t Club_GetDivision(int16_t club);
// Whether the club (0-249) plays in the game country's league (divisions 0-5).
bool Club_IsGameCountryLeagueClub(int16_t club);
// The same, of a club with a full record (the clubs the club simulation runs).
bool Club_IsFullGameCountryLeagueClub(int16_t club);
void Club_SetDivision(int16_t club, int32_t value);
int16_t Club_GetCountry(int16_t club);
void Club_SetCountry(int16_t club, int32_t value);
int16_t Club_GetRep(int16_t club);
void Club_SetRep(int16_t club, int32_t value);
int16_t Club_GetRepPlace(int16_t club);
void Club_SetRepPlace(int16_t club, int32_t value);
int16_t Club_GetStand1Style(int16_t club);
void Club_SetStand1Style(int16_t club, int32_t value);
int16_t Club_GetStand2Style(int16_t club);
void Club_SetStand2Style(int16_t club, int32_t value);
int16_t Club_GetStand3Style(int16_t club);
void Club_SetStand3Style(int16_t club, int32_t value);
int16_t Club_GetStand4Style(int16_t club);
void Club_SetStand4Style(int16_t club, int32_t value);
int16_t Club_GetStand1Capacity(int16_t club);
void Club_SetStand1Capacity(int16_t club, int32_t value);
int16_t Club_GetStand2Capacity(int16_t club);
void Club_SetStand2Capacity(int16_t club, int32_t value);
int16_t Club_GetStand3Capacity(int16_t club);
void Club_SetStand3Capacity(int16_t club, int32_t value);
int16_t Club_GetStand4Capacity(int16_t club);
void Club_SetStand4Capacity(int16_t club, int32_t value);
int16_t Club_GetXcoord(int16_t club);
void Club_SetXcoord(int16_t club, int32_t value);
int16_t Club_GetYcoord(int16_t club);
void Club_SetYcoord(int16_t club, int32_t value);
int16_t Club_GetControl(int16_t club);
void Club_SetControl(int16_t club, int32_t value);
int16_t Club_GetTeamwork(int16_t club);
void Club_SetTeamwork(int16_t club, int32_t value);
int16_t Club_GetSetPieces1(int16_t club);
void Club_SetSetPieces1(int16_t club, int32_t value);
int16_t Club_GetSetPieces2(int16_t club);
void Club_SetSetPieces2(int16_t club, int32_t value);
int16_t Club_GetSetPieces3(int16_t club);
void Club_SetSetPieces3(int16_t club, int32_t value);
int32_t Club_GetAvgAtt(int16_t club);
void Club_SetAvgAtt(int16_t club, int32_t value);

// Staff levels (0-10) and their contracts (0-12).
int16_t Club_GetCoach(int16_t club);
void Club_SetCoach(int16_t club, int32_t value);
int16_t Club_GetCoachContract(int16_t club);
void Club_SetCoachContract(int16_t club, int32_t value);
int16_t Club_GetCoachGK(int16_t club);
void Club_SetCoachGK(int16_t club, int32_t value);
int16_t Club_GetCoachGKContract(int16_t club);
void Club_SetCoachGKContract(int16_t club, int32_t value);
int16_t Club_GetCoachDF(int16_t club);
void Club_SetCoachDF(int16_t club, int32_t value);
int16_t Club_GetCoachDFContract(int16_t club);
void Club_SetCoachDFContract(int16_t club, int32_t value);
int16_t Club_GetCoachMD(int16_t club);
void Club_SetCoachMD(int16_t club, int32_t value);
int16_t Club_GetCoachMDContract(int16_t club);
void Club_SetCoachMDContract(int16_t club, int32_t value);
int16_t Club_GetCoachFW(int16_t club);
void Club_SetCoachFW(int16_t club, int32_t value);
int16_t Club_GetCoachFWContract(int16_t club);
void Club_SetCoachFWContract(int16_t club, int32_t value);
int16_t Club_GetCoachYouth(int16_t club);
void Club_SetCoachYouth(int16_t club, int32_t value);
int16_t Club_GetCoachYouthContract(int16_t club);
void Club_SetCoachYouthContract(int16_t club, int32_t value);
int16_t Club_GetPhysio(int16_t club);
void Club_SetPhysio(int16_t club, int32_t value);
int16_t Club_GetPhysioContract(int16_t club);
void Club_SetPhysioContract(int16_t club, int32_t value);
int16_t Club_GetPsycho(int16_t club);
void Club_SetPsycho(int16_t club, int32_t value);
int16_t Club_GetPsychoContract(int16_t club);
void Club_SetPsychoContract(int16_t club, int32_t value);
int16_t Club_GetDietition(int16_t club);
void Club_SetDietition(int16_t club, int32_t value);
int16_t Club_GetDietitionContract(int16_t club);
void Club_SetDietitionContract(int16_t club, int32_t value);
int16_t Club_GetFaith(int16_t club);
void Club_SetFaith(int16_t club, int32_t value);
int16_t Club_GetFaithContract(int16_t club);
void Club_SetFaithContract(int16_t club, int32_t value);
int16_t Club_GetYDO(int16_t club);
void Club_SetYDO(int16_t club, int32_t value);
int16_t Club_GetYDOContract(int16_t club);
void Club_SetYDOContract(int16_t club, int32_t value);

// Clauses of the manager's contract, 0 or 1.
int16_t Club_GetStadiumClause(int16_t club);
void Club_SetStadiumClause(int16_t club, int32_t value);
int16_t Club_GetBossvaneClause(int16_t club);
void Club_SetBossvaneClause(int16_t club, int32_t value);
int16_t Club_GetTrainingClause(int16_t club);
void Club_SetTrainingClause(int16_t club, int32_t value);
int16_t Club_GetHiringClause(int16_t club);
void Club_SetHiringClause(int16_t club, int32_t value);
int16_t Club_GetFinancialClause(int16_t club);
void Club_SetFinancialClause(int16_t club, int32_t value);
int16_t Club_GetContractClause(int16_t club);
void Club_SetContractClause(int16_t club, int32_t value);

// Running totals, not below 0, masked to their field widths.
int32_t Club_GetTotalWages(int16_t club);
void Club_SetTotalWages(int16_t club, int32_t value);
int32_t Club_GetGateReceipts(int16_t club);
void Club_SetGateReceipts(int16_t club, int32_t value);
int32_t Club_GetTotalSignings(int16_t club);
void Club_SetTotalSignings(int16_t club, int32_t value);
int32_t Club_GetTotalSales(int16_t club);
void Club_SetTotalSales(int16_t club, int32_t value);
int32_t Club_GetMiscIn(int16_t club);
void Club_SetMiscIn(int16_t club, int32_t value);
int32_t Club_GetMiscOut(int16_t club);
void Club_SetMiscOut(int16_t club, int32_t value);

// The finance block: this week's figures and the season's totals.
int32_t Club_GetWeeksSponsorship(int16_t club);
void Club_SetWeeksSponsorship(int16_t club, int32_t value);
int32_t Club_GetWeeksTVIncome(int16_t club);
void Club_SetWeeksTVIncome(int16_t club, int32_t value);
int32_t Club_GetWeeksMerchandising(int16_t club);
void Club_SetWeeksMerchandising(int16_t club, int32_t value);
int32_t Club_GetWeeksFakeMiscellaneousIncome(int16_t club);
void Club_SetWeeksFakeMiscellaneousIncome(int16_t club, int32_t value);
int32_t Club_GetWeeksWinBonuses(int16_t club);
void Club_SetWeeksWinBonuses(int16_t club, int32_t value);
int32_t Club_GetWeeksCoachingStaffWages(int16_t club);
void Club_SetWeeksCoachingStaffWages(int16_t club, int32_t value);
int32_t Club_GetWeeksGroundStaffWages(int16_t club);
void Club_SetWeeksGroundStaffWages(int16_t club, int32_t value);
int32_t Club_GetWeeksStadiumMaintenance(int16_t club);
void Club_SetWeeksStadiumMaintenance(int16_t club, int32_t value);
int32_t Club_GetWeeksFakeMiscellaneousExpenditure(int16_t club);
void Club_SetWeeksFakeMiscellaneousExpenditure(int16_t club, int32_t value);
int32_t Club_GetSeasonGateReceipts(int16_t club);
void Club_SetSeasonGateReceipts(int16_t club, int32_t value);
int32_t Club_GetSeasonSales(int16_t club);
void Club_SetSeasonSales(int16_t club, int32_t value);
int32_t Club_GetSeasonSponsorship(int16_t club);
void Club_SetSeasonSponsorship(int16_t club, int32_t value);
int32_t Club_GetSeasonTVIncome(int16_t club);
void Club_SetSeasonTVIncome(int16_t club, int32_t value);
int32_t Club_GetSeasonMerchandising(int16_t club);
void Club_SetSeasonMerchandising(int16_t club, int32_t value);
int32_t Club_GetSeasonRealAndFakeMiscellaneousIncome(int16_t club);
void Club_SetSeasonRealAndFakeMiscellaneousIncome(int16_t club, int32_t value);
int32_t Club_GetSeasonWinBonuses(int16_t club);
int32_t Club_GetSeasonPlayerWages(int16_t club);
void Club_SetSeasonPlayerWages(int16_t club, int32_t value);
int32_t Club_GetSeasonSignings(int16_t club);
void Club_SetSeasonSignings(int16_t club, int32_t value);
int32_t Club_GetSeasonCoachingStaffWages(int16_t club);
void Club_SetSeasonCoachingStaffWages(int16_t club, int32_t value);
int32_t Club_GetSeasonGroundStaffWages(int16_t club);
void Club_SetSeasonGroundStaffWages(int16_t club, int32_t value);
int32_t Club_GetSeasonStadiumMaintenance(int16_t club);
void Club_SetSeasonStadiumMaintenance(int16_t club, int32_t value);
int32_t Club_GetSeasonRealAndFakeMiscellaneousExpenditure(int16_t club);
void Club_SetSeasonRealAndFakeMiscellaneousExpenditure(int16_t club, int32_t value);
int32_t Club_GetBalanceCarriedForward(int16_t club);
void Club_SetBalanceCarriedForward(int16_t club, int32_t value);
int16_t Club_GetSeasonDispoints(int16_t club);
void Club_SetSeasonDispoints(int16_t club, int32_t value);

// Club records. The fees are answered in whole money (stored in hundreds).
int32_t Club_GetRecordBuy(int16_t club);
int32_t Club_GetRecordSale(int16_t club);
int32_t Club_GetRecordCrowd(int16_t club);
int32_t Club_GetRecordLowCrowd(int16_t club);
int16_t Club_GetRecordGoals(int16_t club);
int16_t Club_GetRecordGoalsInGame(int16_t club);
int16_t Club_GetRecordGoalsTotal(int16_t club);
int16_t Club_GetRecordGoalsTotalYear(int16_t club);
int16_t Club_GetRecordPointsTotal(int16_t club);
int16_t Club_GetRecordDispoints(int16_t club);
int16_t Club_GetRecordWinGoalsFor(int16_t club);
int16_t Club_GetRecordWinGoalsAgainst(int16_t club);
int16_t Club_GetRecordDefeatGoalsFor(int16_t club);
int16_t Club_GetRecordDefeatGoalsAgainst(int16_t club);

// The record setters stamp today's date (or the season year) from the calendar.
void Club_SetRecordWin(int16_t club, int32_t goalsFor, int32_t goalsAgainst, int32_t opponent);
void Club_SetRecordDefeat(int16_t club, int32_t goalsFor, int32_t goalsAgainst, int32_t opponent);
void Club_SetRecordCrowd(int16_t club, int32_t attendance, int32_t opponent);
void Club_SetRecordLowCrowd(int16_t club, int32_t attendance, int32_t opponent);
void Club_SetRecordGoals(int16_t club, int16_t player, int32_t goals);
void Club_SetRecordGoalsInGame(int16_t club, int32_t goals, int32_t player, int32_t opponent);
void Club_SetRecordGoalsTotal(int16_t club, int32_t goals);
void Club_SetRecordPointsTotal(int16_t club, int32_t points);
void Club_SetRecordDispoints(int16_t club, int32_t dispoints);
void Club_SetRecordSale(int16_t club, int16_t player, int32_t feeHundreds, int32_t buyingClub);
void Club_SetRecordBuy(int16_t club, int16_t player, int32_t feeHundreds, int32_t sellingClub);

// Season history: block 0 the current season, 1-9 the seasons before.
constexpr int CLUB_HISTORY_BLOCKS = 10;
constexpr int CLUB_HISTORY_OFFSET = 114;
constexpr int CLUB_HISTORY_SIZE = 188;
constexpr int CLUB_TOP_SCORERS = 5;
void Club_SetMonthLeaguePos(int16_t club, int block, int32_t position, int month);
int16_t Club_GetMonthLeaguePos(int16_t club, int block, int month);
// The season's league figures from the club's league-table row: points,
// played, won, drawn, goals for and against (home and away together).
void Club_StoreSeasonPoints(int16_t club, int block);
void Club_StoreSeasonPlayed(int16_t club, int block);
void Club_StoreSeasonWon(int16_t club, int block);
void Club_StoreSeasonDrawn(int16_t club, int block);
void Club_StoreSeasonGoalsFor(int16_t club, int block);
void Club_StoreSeasonGoalsAgainst(int16_t club, int block);
void Club_SetSeasonAvgAtt(int16_t club, int block, int32_t attendance);
int32_t Club_GetSeasonAvgAtt(int block, int16_t club);
void Club_StoreSeasonTopScorers(int16_t club, int block);
int16_t Club_GetSeasonTopScorer(int16_t club, int block, int entry);
int16_t Club_GetSeasonTopScorerGoals(int16_t club, int block, int entry);
// Fills each of the five (player, goals) entries whose player is -1 with the
// club's best remaining scorer (most goals, no goalkeepers, each player once).
void Club_CollectTopScorers(int16_t club, uint8_t* entries);

// The club's tie in each cup competition 0-6: one entry of five int32
// (competition code, home goals, away goals, shoot-out flag, opponent) from
// the club's first fixture in the cup in list order; an entry stays as it was
// when the club has no fixture in that cup.
constexpr int CLUB_CUP_ENTRY_SIZE = 20;
constexpr int CLUB_CUP_ENTRIES = 7;
void Club_StoreCup0Result(int16_t club, uint8_t* entry);
void Club_StoreCup1Result(int16_t club, uint8_t* entry);
void Club_StoreCup2Result(int16_t club, uint8_t* entry);
void Club_StoreCup3Result(int16_t club, uint8_t* entry);
void Club_StoreCup4Result(int16_t club, uint8_t* entry);
void Club_StoreCup5Result(int16_t club, uint8_t* entry);
void Club_StoreCup6Result(int16_t club, uint8_t* entry);
// All seven into a caller's 140 bytes of entries.
void Club_StoreAllCupResults(int16_t club, uint8_t* entries);
// All seven into the history block.
void Club_StoreSeasonCupResults(int16_t club, int block);

// The club marks of the club screens, one 6-byte entry per full record: a
// mark and its previous value (bytes), then the previous average attendance.
constexpr int CLUB_MARK_SIZE = 6;
void ClubSeasonMarks_Clear();
int32_t ClubSeasonMarks_GetPreviousAvgAtt(int16_t slot);
// The 114 entries as one block of bytes, as the saved game holds them.
constexpr int CLUB_SEASON_MARKS_SIZE = NUM_FULL_CLUBS * CLUB_MARK_SIZE;
uint8_t* ClubSeasonMarks_Bytes();
