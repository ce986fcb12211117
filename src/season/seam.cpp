// The entry points: stubs until Seam_ConnectGame points them at the parts that exist.
#include "season/seam.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

#include "clubsim/bids.h"
#include "clubsim/boards.h"
#include "clubsim/clubsvc.h"
#include "clubsim/compbids.h"
#include "clubsim/contracts.h"
#include "clubsim/dailytick.h"
#include "clubsim/grounds.h"
#include "clubsim/haggle.h"
#include "clubsim/injuries.h"
#include "clubsim/money.h"
#include "clubsim/ratings.h"
#include "clubsim/reserves.h"
#include "clubsim/squad.h"
#include "clubsim/staffhire.h"
#include "clubsim/teamsel.h"
#include "clubsim/training.h"
#include "clubsim/transferday.h"
#include "clubsim/transfers.h"
#include "clubsim/unrest.h"
#include "clubsim/upkeep.h"
#include "clubsim/valuation.h"
#include "clubsim/yearend.h"
#include "clubsim/youth.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/fixturematch.h"
#include "gamecode/football.h"
#include "gamecode/matchrec.h"
#include "menus/exmenu.h"
#include "menus/gfx_gen.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "season/contgame.h"
#include "season/calendar.h"
#include "season/cupdraw.h"
#include "season/cupties.h"
#include "season/endseason.h"
#include "season/euroentrants.h"
#include "season/fixgen.h"
#include "season/matchday.h"
#include "season/playfix.h"
#include "season/postmatch.h"
#include "season/seasonstate.h"
#include "season/teamsel_standin.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/funcs_deals.h"
#include "world/funcs_finance.h"
#include "world/honours.h"

namespace {

std::vector<SeamCall> gCalls;

void Note(const char* name, std::initializer_list<int32_t> args = {}) { gCalls.push_back(SeamCall{name, args}); }

constexpr int16_t NO_MANAGER_PLAYER = 1;
constexpr int16_t NO_HONOUR_HOLDER = 255;

constexpr int PLAYOFF_TABLE_SIZE = 6 * 4;
constexpr uint8_t NO_PLAYOFF_CLUB = 255;

// What the play-off table stub hands out: no club in any place.
std::array<uint8_t, PLAYOFF_TABLE_SIZE> EmptyPlayoffTable() {
  std::array<uint8_t, PLAYOFF_TABLE_SIZE> table;
  table.fill(NO_PLAYOFF_CLUB);
  return table;
}
std::array<uint8_t, PLAYOFF_TABLE_SIZE> gPlayoffTable = EmptyPlayoffTable();

constexpr SeasonEngineSeam kSeasonStubs = {
    [](int16_t manager, int16_t* division) -> int16_t {
      Note("FindHumanFixtureComp", {manager});
      if (division != nullptr) *division = -1;
      return -1;
    },
    [] { Note("EndOfSeason"); },
    [] { Note("Season_AddPlayOffFinals"); },
    [] { Note("StartNewSeason"); },
    [] { Note("DrawCupRound"); },
    [](int16_t division) { Note("Honours_SelectManagerOfYear", {division}); },
    [](int16_t division) { Note("Honours_SelectPlayerOfYear", {division}); },
    [](int16_t division) { Note("Honours_SelectYoungPlayer", {division}); },
    [](int16_t division) { Note("Honours_SelectTopScorer", {division}); },
    [](int16_t division) { Note("Honours_SelectManagerOfMonth", {division}); },
    [] { Note("CupDraw_ClearTable"); },
    [] { Note("SetEuroCupHolders"); },
    [] { Note("SelectEuropeanEntrants"); },
    [] { Note("ShuffleEuroEntrantsB"); },
    [] { Note("GNW_ClearHumanDealLists"); },
    [](int32_t amount) { Note("AddWeeklyMiscIncome", {amount}); },
    [](int32_t day, int16_t fixture) -> int16_t { Note("Fixture_Reschedule", {day, fixture}); return -1; },
    [] { Note("Season_ResetFixturesAndTables"); },
    [] { Note("Honours_ClearAll"); },
    [] { Note("Club_InitSeasonData"); },
    [] { Note("Honours_InitFromCountryRecord"); },
    [] { Note("Honours_ShiftSeasons"); },
    [](int16_t season, int16_t index) -> int16_t {
      Note("Honours_GetHolder", {season, index});
      return NO_HONOUR_HOLDER;
    },
    [] { Note("Clubs_CarryBalancesForward"); },
    [](int16_t division, int16_t slot, int16_t club) { Note("SetPlayoffClubs", {division, slot, club}); },
    [] { Note("ResetCareerRecords"); },
    [] { Note("ResetMatchDayValues"); },
    []() -> int16_t { Note("PackCupDrawTable"); return 0; },
    []() -> int16_t { Note("UnpackCupDrawTable"); return 0; },
    [](const uint8_t*, const uint8_t*, const uint8_t*) -> int16_t { Note("CupDraw_Unpack"); return 0; },
    [](int16_t fixture, int16_t firstCode, int16_t competition, int16_t honourKind, int16_t legBase) {
      Note("CupTie_Resolve", {fixture, firstCode, competition, honourKind, legBase});
    },
    [](int16_t club, int16_t side, int16_t fixture) { Note("UpdatePlayersAfterMatch", {club, side, fixture}); },
    [](int16_t club, int32_t attendance, int16_t) { Note("UpdateCrowdRecords", {club, attendance}); },
    [](int16_t side) { Note("FillPlayerMatchRecords", {side}); },
    [](int16_t club, int16_t kind) { Note("Honours_RecordWinner", {club, kind}); },
    [](int16_t club, int16_t n) { Note("Club_AwardSquadExperience", {club, n}); },
    [](int16_t club) { Note("Club_ApplyRelegationClauses", {club}); },
    []() -> uint8_t* { Note("GetPlayoffTable"); return gPlayoffTable.data(); },
    [](int16_t club, int32_t amount) { Note("AddWeeklyMatchIncome", {club, amount}); },
};

constexpr ClubSimSeam kClubSimStubs = {
    [](int16_t club) -> int16_t { Note("GetClubManager", {club}); return NO_MANAGER_PLAYER; },
    [](int16_t club) { Note("ClearClubCaptainFlags", {club}); },
    [](int16_t club, int16_t competition, int16_t mode, int16_t substitutes) {
      Note("SelectMatchTeam", {club, competition, mode, substitutes});
      StandInSelectMatchTeam(club, substitutes, competition);
    },
    [](int16_t club, int16_t competition, int16_t mode, int16_t substitutes) {
      Note("CompleteMatchTeam", {club, competition, mode, substitutes});
      StandInCompleteMatchTeam(club, substitutes);
    },
    [](int16_t value) { Note("HumanClubsAppointCoach", {value}); },
    [](int16_t first, int16_t second) { Note("ComputerClubsHireStaff", {first, second}); },
    [](int16_t first, int16_t second) { Note("UpdateTransferWindows", {first, second}); },
    [](int16_t player) -> int16_t { Note("GetPlayerTacticType", {player}); return 0; },
    [](int16_t player) { Note("EstimatePlayerStats", {player}); },
    [] { Note("SquadUnrestEvent"); },
    [] { Note("ClubsDailyTeamDecay"); },
    [] { Note("DailyClubAI"); },
    [] { Note("ComputerClubsBuyPlayers"); },
    [] { Note("DailyInjuryStep"); },
    [] { Note("Reserve_ClearAllPicked"); },
    [] { Note("MonthlyContractStep"); },
    [] { Note("RerollStaffCandidates"); },
    [] { Note("PostBoardConfidenceNews"); },
    [] { Note("BoardResignationEvent"); },
    [] { Note("NewChairmanWindfallEvent"); },
    [] { Note("BuildReputationTable"); },
    [] { Note("WeeklyWagePayments"); },
    [] { Note("WeeklyLoanStep"); },
    [] { Note("WeeklyYouthStep"); },
    [] { Note("ApplyClubInterestAndDebt"); },
    [] { Note("WeeklySuspensionCountdown"); },
    [] { Note("PayClubSponsorship"); },
    [] { Note("ClubsYearEndGroundUpdate"); },
    [] { Note("YearEndPlayerTurnover"); },
    [](int16_t player, int16_t injury, int16_t club) { Note("InjurePlayer", {player, injury, club}); },
    [] { Note("PickTeamCaptain"); },
    [](int16_t club) -> int16_t { Note("FindClubCaptain", {club}); return -1; },
    [](int16_t club) -> int16_t { Note("CalcClubFormScore", {club}); return 0; },
    [](int16_t club) -> int16_t { Note("CalcRepRankScore", {club}); return 0; },
    [] { Note("FillReservePool"); },
    [] { Note("SetAllClubsExpectedPlace"); },
    [] { Note("ClearJobOffer"); },
    [] { Note("ManagerList_Clear"); },
    [] { Note("ClearGroundRedevelopment"); },
    [](int16_t club) -> int32_t { Note("CalcClubMaxWage", {club}); return 0; },
    [](int16_t club) -> int32_t { Note("GetClubSpendingBudget", {club}); return 0; },
    [](int16_t club) { Note("HumanGroundRedevelopment", {club}); },
    [](int16_t club) -> int16_t { Note("CalcFinanceScore", {club}); return 0; },
    [](int16_t club) -> int16_t { Note("BoardWouldSackManager", {club}); return 0; },
    [](int16_t slot, int16_t side, int16_t group) -> int16_t {
      Note("MatchPlayerRating", {slot, side, group});
      return 0;
    },
    [](int16_t manager, int16_t entry, int16_t kind, int16_t a, int16_t b) {
      Note("ManagerList_Set", {manager, entry, kind, a, b});
    },
    [](int16_t manager) -> int16_t { Note("ManagerList_FindFree", {manager}); return -1; },
    [](int16_t manager) { Note("ManagerList_DropKinds", {manager}); },
    [](int16_t manager, int16_t entry) -> int16_t { Note("ManagerList_GetKind", {manager, entry}); return 0; },
    [](int16_t manager, int16_t entry) -> int16_t { Note("ManagerList_GetA", {manager, entry}); return 0; },
    [](int16_t manager, int16_t entry) -> int16_t { Note("ManagerList_GetB", {manager, entry}); return 0; },
    [](int16_t player) -> int16_t { Note("FindClubForPlayer", {player}); return -1; },
    [](int16_t player, int16_t club) -> int32_t { Note("CalcComputerOfferPrice", {player, club}); return -1; },
    [] { Note("StaffContractCountdown"); },
    [] { Note("TrainingStep"); },
    [](int16_t player) -> int32_t { Note("GetPlayerValue", {player}); return 0; },
    [](int16_t player) -> int32_t { Note("GetPlayerAskingPrice", {player}); return 0; },
    [](int16_t player, int16_t slot) { Note("BidInfo_Start", {player, slot}); },
    [](int16_t club, int16_t player) { Note("ClubBid_WithdrawPlayer", {club, player}); },
    [](int16_t club, int16_t player) -> int16_t { Note("ClubBid_CountForPlayer", {club, player}); return 0; },
    [](int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause) -> int16_t {
      Note("MakeTransferOffer", {club, player, price, position, clause});
      return -1;  // no bid placed
    },
    [](int16_t player, int32_t askingPrice, int16_t turn, int16_t club, int16_t* patience, int16_t rounds,
       int16_t clause) -> int32_t {
      Note("EvaluateBidForPlayer", {player, askingPrice, turn, club, rounds, clause});
      if (patience != nullptr) *patience = 0;
      return 0;  // no fee offered
    },
    [](int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice, int16_t turn, int16_t club,
       int16_t* patience, int16_t clause) -> int32_t {
      Note("EvaluatePlayerOffer", {player, offer, previousOffer, askingPrice, turn, club, clause});
      if (patience != nullptr) *patience = 0;
      return askingPrice;  // the demand stands
    },
    [](int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause, int32_t wage,
       int16_t* patience) -> int16_t {
      Note("EvaluateContractOffer", {player, club, months, brClause, rrClause, wage});
      if (patience != nullptr) *patience = 0;
      return 0;  // refused
    },
    [](int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause, int32_t wage,
       int16_t* patience) -> int16_t {
      Note("ConcludeContractOffer", {player, club, months, brClause, rrClause, wage});
      if (patience != nullptr) *patience = 0;
      return 0;  // refused, nothing applied
    },
    [](int16_t player, int16_t club) { Note("LoanPlayer", {player, club}); },
    [](int16_t player, int16_t buyer, int32_t fee, int16_t clause) {
      Note("CompleteTransfer", {player, buyer, fee, clause});
    },
    [](int16_t club) { Note("ApplyForManagerJob", {club}); },
    []() -> int16_t { Note("GetJobOfferClub"); return -1; },
    []() -> int16_t { Note("GetJobOfferExpiry"); return -1; },
    []() -> int16_t { Note("GetJobOfferKind"); return -1; },
    [](int16_t club) { Note("ReleaseClubManager", {club}); },
};

constexpr ClubScreensSeam kClubScreensStubs = {
    [] { Note("TrainingBuffer_Init"); },
    [] { Note("TrainingBuffer_Sync"); },
    [](int16_t value) { Note("SaveTrainingSliders", {value}); },
    [](int16_t value) { Note("ResetTrainingSliders", {value}); },
    [](int16_t club) { Note("SnapshotSquadProgress", {club}); },
};

constexpr WorldRecordsSeam kWorldRecordsStubs = {
    [](int16_t club, int16_t kind) { Note("Honours_RecordWinner", {club, kind}); },
    [](int32_t amount) { Note("WeeklyAccounts_AddMiscIncome", {amount}); },
    [](int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee) {
      Note("TransferLog_Add", {sellingClub, buyingClub, player, fee});
    },
    [](int16_t manager, int16_t player) { Note("HumanContracts_Add", {manager, player}); },
};

constexpr MenuSystemSeam kMenuStubs = {
    [](int16_t enter) { Note("SetBusyPointer", {enter}); },
    [](int16_t background) { Note("DoBackground", {background}); },
    [] { Note("SaveScreenBackground"); },
    [] { Note("UpdateMenuScreen"); },
    [](int16_t first, int16_t value) { Note("ChooseMatchViewMode", {first, value}); },
    [] { Note("LoadNamesFile"); },
    [](int16_t homeClub, int16_t otherClub, int16_t contrast) -> const uint8_t* {
      Note("GetTeamDesign", {homeClub, otherClub, contrast});
      return nullptr;
    },
    [] { Note("UninitMenuSystem"); },
    [] { Note("InitMenuSystem"); },
    [] { Note("PollWhileProcessing"); },
    [](int16_t list, uint8_t* reportFlags) {
      Note("RunMatchReportMenu", {list});
      if (reportFlags != nullptr) *reportFlags |= 1;  // the user leaves the report at once
    },
    []() -> int16_t { Note("GetCurrentTactic"); return 0; },
    [](int16_t tactic) -> const uint8_t* { Note("GetTacticRecord", {tactic}); return nullptr; },
};

constexpr MatchEngineSeam kMatchEngineStubs = {
    []() -> uint8_t* {
      Note("PlayMatchGetResult");
      return PlayMatchInBackgroundStandIn();
    },
    [](int16_t side) { Note("Football_SetupTeamFormation", {side}); },
    [] { Note("SetMatchSetupTactics"); },
};

}  // namespace

// The stubs from program start, before any reset.
SeasonEngineSeam SeasonEngine = kSeasonStubs;
ClubSimSeam ClubSim = kClubSimStubs;
ClubScreensSeam ClubScreens = kClubScreensStubs;
WorldRecordsSeam WorldRecords = kWorldRecordsStubs;
MenuSystemSeam MenuSystem = kMenuStubs;
MatchEngineSeam MatchEngine = kMatchEngineStubs;
int16_t CurrentManager = -1;
int16_t ViewedClub = -1;

const std::vector<SeamCall>& Seam_Calls() { return gCalls; }

int Seam_CountCalls(const char* name) {
  int n = 0;
  for (const SeamCall& call : gCalls)
    if (call.name == name) ++n;
  return n;
}

void Seam_ClearCalls() { gCalls.clear(); }

void Seam_Reset() {
  SeasonEngine = kSeasonStubs;
  ClubSim = kClubSimStubs;
  ClubScreens = kClubScreensStubs;
  WorldRecords = kWorldRecordsStubs;
  MenuSystem = kMenuStubs;
  MatchEngine = kMatchEngineStubs;
  gPlayoffTable = EmptyPlayoffTable();
  CurrentManager = -1;
  ViewedClub = -1;
  gCalls.clear();
}
REGISTER_RESET(RESET_SEASON, Seam_Reset);

void Seam_ConnectGame() {
  SeasonEngine.endOfSeason = EndOfSeason;
  SeasonEngine.addPlayOffFinals = Season_AddPlayOffFinals;
  SeasonEngine.startNewSeason = StartNewSeason;
  SeasonEngine.selectManagerOfYear = Honours_SelectManagerOfYear;
  SeasonEngine.selectPlayerOfYear = Honours_SelectPlayerOfYear;
  SeasonEngine.selectYoungPlayer = Honours_SelectYoungPlayer;
  SeasonEngine.selectTopScorer = Honours_SelectTopScorer;
  SeasonEngine.selectManagerOfMonth = Honours_SelectManagerOfMonth;
  SeasonEngine.drawCupRound = DrawCupRound;
  SeasonEngine.cupDrawClearTable = CupDraw_ClearTable;
  SeasonEngine.shuffleEuroEntrantsB = ShuffleEuroEntrantsB;
  SeasonEngine.rescheduleFixture = Fixture_Reschedule;
  WorldRecords.recordHonour = Honours_RecordWinner;
  SeasonEngine.setEuroCupHolders = SetEuroCupHolders;
  SeasonEngine.selectEuropeanEntrants = SelectEuropeanEntrants;
  SeasonEngine.seasonResetFixturesAndTables = Season_ResetFixturesAndTables;
  SeasonEngine.honoursClearAll = Honours_ClearAll;
  SeasonEngine.clubInitSeasonData = Club_InitSeasonData;
  SeasonEngine.honoursInitFromCountryRecord = Honours_InitFromCountryRecord;
  SeasonEngine.honoursShiftSeasons = Honours_ShiftSeasons;
  SeasonEngine.honoursGetHolder = [](int16_t season, int16_t index) { return Honours_GetHolder(season, index); };
  SeasonEngine.clubsCarryBalancesForward = Clubs_CarryBalancesForward;
  SeasonEngine.setPlayoffClubs = [](int16_t division, int16_t slot, int16_t club) {
    if (division >= 0 && division < NUM_DIVISIONS && slot >= 0 && slot < PLAYOFF_PLACES)
      PlayoffClubs[division][slot] = club;
  };
  SeasonEngine.packCupDrawTable = [] { return static_cast<int16_t>(PackCupDrawTable()); };
  SeasonEngine.unpackCupDrawTable = [] { return static_cast<int16_t>(UnpackCupDrawTable()); };
  SeasonEngine.cupDrawUnpack = [](const uint8_t* groupWords, const uint8_t* maskWords, const uint8_t* values) {
    // Unpacked into a scratch table: a file being checked changes nothing.
    static PackedCupDraw packed;
    static CupDrawRounds scratch;
    std::memcpy(packed.groupWords, groupWords, sizeof packed.groupWords);
    std::memcpy(packed.maskWords, maskWords, sizeof packed.maskWords);
    std::memcpy(packed.values, values, sizeof packed.values);
    return static_cast<int16_t>(CupDraw_Unpack(packed, &scratch));
  };
  SeasonEngine.cupTieResolve = [](int16_t fixture, int16_t firstCode, int16_t competition, int16_t honourKind,
                                 int16_t legBase) { CupTie_Resolve(fixture, firstCode, competition, honourKind, legBase); };
  SeasonEngine.updatePlayersAfterMatch = UpdatePlayersAfterMatch;
  ClubSim.yearEndPlayerTurnover = YearEndPlayers;
  ClubSim.clearGroundRedevelopment = GroundRedevelopment_Clear;
  // The club simulation: squads, managers and captains, the countdowns, the
  // money limits.
  ClubSim.getClubManager = GetClubManager;
  ClubSim.clearClubCaptainFlags = ClearClubCaptainFlags;
  ClubSim.getPlayerTacticType = GetPlayerTacticType;
  ClubSim.pickTeamCaptain = PickTeamCaptain;
  ClubSim.findClubCaptain = FindClubCaptain;
  ClubSim.dailyInjuryStep = InjuryCountdown;
  ClubSim.monthlyContractStep = ContractCountdown;
  ClubSim.weeklyLoanStep = LoanExpiryStep;
  ClubSim.injurePlayer = [](int16_t player, int16_t, int16_t club) { MatchInjury(player, club); };
  ClubSim.calcClubMaxWage = CalcClubMaxWage;
  ClubSim.getClubSpendingBudget = GetClubSpendingBudget;
  ClubSim.getPlayerValue = GetPlayerValue;
  ClubSim.getPlayerAskingPrice = GetPlayerAskingPrice;
  ClubSim.bidInfoStart = BidInfo_Start;
  ClubSim.clubBidWithdrawPlayer = ClubBid_WithdrawPlayer;
  ClubSim.clubBidCountForPlayer = ClubBid_CountForPlayer;
  ClubSim.makeTransferOffer = MakeTransferOffer;
  ClubSim.evaluateContractOffer = EvaluateContractOffer;
  ClubSim.concludeContractOffer = ConcludeContractOffer;
  ClubSim.loanPlayer = [](int16_t player, int16_t club) { LoanPlayer(player, club); };
  ClubSim.completeTransfer = CompleteTransfer;
  // The computer clubs' side of the market: the club for a player out of
  // contract, their offers, and their answers when the human manager haggles.
  ClubSim.findClubForPlayer = FindClubForPlayer;
  ClubSim.calcComputerOfferPrice = CalcComputerOfferPrice;
  ClubSim.evaluateBidForPlayer = EvaluateBidForPlayer;
  ClubSim.evaluatePlayerOffer = EvaluatePlayerOffer;
  // The human manager's deals and the transfer log.
  SeasonEngine.clearHumanDealLists = GNW_ClearHumanDealLists;
  WorldRecords.addTransferLogEntry = TransferLog_Add;
  WorldRecords.addHumanContract = [](int16_t manager, int16_t player) {
    HumanDeals_AddPendingContract(manager, player);
  };
  ClubSim.dailyClubAI = DailyClubAI;
  // The hourglass while a day or a new season is worked out.
  MenuSystem.setBusyPointer = [](int16_t enter) { SetBusyPointer(enter); };
  // Team selection: the match day serves the bans that the week's first day
  // has begun.
  ClubSim.selectMatchTeam = SelectMatchTeam;
  ClubSim.completeMatchTeam = CompleteMatchTeam;
  ClubSim.weeklySuspensionCountdown = BanWaitCountdown;
  ClubSim.matchPlayerRating = MatchPlayerRating;
  ClubSim.estimatePlayerStats = EstimatePlayerStats;
  // The transfer day, the reserve pool, the wages, the staff market and the
  // human manager's event list.
  ClubSim.updateTransferWindows = UpdateTransferWindows;
  ClubSim.fillReservePool = FillReservePool;
  ClubSim.reserveClearAllPicked = ClearReservePicks;
  ClubSim.rerollStaffCandidates = TurnOverStaffCandidates;
  ClubSim.weeklyWagePayments = PayWeeklyWages;
  ClubSim.managerListClear = ManagerList_Clear;
  ClubSim.managerListSet = ManagerList_Set;
  ClubSim.managerListFindFree = ManagerList_FindFree;
  ClubSim.managerListDropKinds = ManagerList_DropKinds;
  ClubSim.managerListGetKind = ManagerList_GetKind;
  ClubSim.managerListGetA = ManagerList_GetA;
  ClubSim.managerListGetB = ManagerList_GetB;
  SeasonEngine.updateCrowdRecords = UpdateCrowdRecords;
  SeasonEngine.fillPlayerMatchRecords = FillPlayerMatchRecords;
  SeasonEngine.honoursRecordWinner = Honours_RecordWinner;
  SeasonEngine.clubAwardSquadExperience = Club_AwardSquadExperience;
  SeasonEngine.clubApplyRelegationClauses = Club_ApplyRelegationClauses;
  SeasonEngine.getPlayoffTable = [] { return &PlayoffTable[0][0]; };
  MenuSystem.loadNamesFile = LoadNamesFile;
  SeasonEngine.resetCareerRecords = [] {
    RecordCareerApps = RecordCareerGoals = 0;
    RecordCareerAppsPlayer = RecordCareerGoalsPlayer = -1;
  };
  // Staff hiring, club money events, grounds and stands.
  ClubSim.computerClubsHireStaff = [](int16_t, int16_t) { ComputerClubsHireStaff(); };
  ClubSim.humanClubsAppointCoach = [](int16_t) { HumanClubsAppointCoach(); };
  ClubSim.staffContractCountdown = StaffContractCountdown;
  ClubSim.boardResignationEvent = BoardResignationEvent;
  ClubSim.newChairmanWindfallEvent = NewChairmanWindfallEvent;
  ClubSim.applyClubInterestAndDebt = ApplyClubInterestAndDebt;
  ClubSim.payClubSponsorship = PayClubSponsorship;
  ClubSim.clubsYearEndGroundUpdate = ClubsYearEndGroundUpdate;
  ClubSim.humanGroundRedevelopment = HumanGroundRedevelopment;
  // Training, the human club's training buffer and sliders, the squad's
  // progress snapshot; the ratings' daily decay.
  ClubSim.trainingStep = TrainingStep;
  ClubSim.clubsDailyTeamDecay = DecayClubRatings;
  ClubScreens.trainingBufferInit = TrainingBuffer_Init;
  ClubScreens.trainingBufferSync = TrainingBuffer_Sync;
  ClubScreens.saveTrainingSliders = SaveTrainingSliders;
  ClubScreens.resetTrainingSliders = ResetTrainingSliders;
  ClubScreens.snapshotSquadProgress = SnapshotSquadProgress;
  // Boards, job offers and manager changes; the squad unrest event.
  ClubSim.computerClubsBuyPlayers = ComputerClubsManagerChanges;
  ClubSim.postBoardConfidenceNews = PostBoardConfidenceNews;
  ClubSim.buildReputationTable = BuildReputationTable;
  ClubSim.boardWouldSackManager = BoardWouldSackManager;
  ClubSim.calcClubFormScore = CalcClubFormScore;
  ClubSim.calcFinanceScore = CalcFinanceScore;
  ClubSim.calcRepRankScore = CalcRepRankScore;
  ClubSim.setAllClubsExpectedPlace = SetAllClubsExpectedPlace;
  ClubSim.applyForManagerJob = ApplyForManagerJob;
  ClubSim.clearJobOffer = ClearJobOffer;
  ClubSim.getJobOfferClub = GetJobOfferClub;
  ClubSim.getJobOfferExpiry = GetJobOfferExpiry;
  ClubSim.getJobOfferKind = GetJobOfferKind;
  ClubSim.releaseClubManager = ReleaseClubManager;
  ClubSim.squadUnrestEvent = SquadUnrestEvent;
  // The year end, retirements and new players: the year end itself is
  // connected above; the clubs' youth intake joins the week.
  ClubSim.weeklyYouthStep = YouthIntake;
  // The kits a match's sides wear, the tactic records and the header badge.
  MenuSystem.getTeamDesign = [](int16_t homeClub, int16_t otherClub, int16_t contrast) {
    return GetTeamDesign(GNW_GetClubDbId(homeClub), GNW_GetClubDbId(otherClub), contrast);
  };
  MenuSystem.getTacticRecord = [](int16_t tactic) -> const uint8_t* { return GetTacticRecord(tactic); };
  ExMenu.drawClubBadge = GfxGenDrawClubBadge;
  // The continue option and the keep-alive of the day's fixtures (which
  // keeps the pre-match pages live while they are on show).
  FrontEndSeam.continueGame = [] {
    FrontEnd_NoteSeam("ContinueGame");
    ContinueGame();
  };
  MenuSystem.pollWhileProcessing = PollWhileProcessing;
}

int16_t ComputerSideTactic(int16_t manager) {
  if (manager < 0 || manager >= PlayerCount) return 0;
  const int type = std::clamp<int>(ClubSim.getPlayerTacticType(manager), 0, NUM_TACTIC_CODES - 1);
  const int style = std::clamp<int>(GNW_GetPlayerPersonalityBand(manager) / 2, 0, 4);
  return static_cast<int16_t>(type * 5 + style);
}

void Seam_ConnectMatchEngine() {
  MatchEngine.playMatchGetResult = PlayFixtureMatch;
  MatchEngine.footballSetupTeamFormation = Football_SetupTeamFormation;
  MatchEngine.setMatchSetupTactics = [] {
    // Entry 16 of each team block is the side's manager.
    const uint8_t* setup = GetMatchSetupRecord();
    int16_t tactic[2];
    for (int side = 0; side < 2; ++side)
      tactic[side] = ComputerSideTactic(LoadI16(setup + SetupPlayerOffset(side, SETUP_TEAM_PLAYER_COUNT - 1) +
                                                SETUP_PLAYER_NUMBER));
    SetMatchSetupTactics(tactic);
  };
}
