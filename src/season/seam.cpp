// The stubs behind the entry points of the parts not built yet.
#include "season/seam.h"

#include <array>
#include <initializer_list>

#include "engine/reset.h"
#include "season/playfix.h"
#include "season/teamsel_standin.h"

namespace {

std::vector<SeamCall> gCalls;

void Note(const char* name, std::initializer_list<int32_t> args = {}) { gCalls.push_back(SeamCall{name, args}); }

constexpr int16_t NO_MANAGER_PLAYER = 1;
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
    [] { Note("AdvanceDay"); },
    [] { Note("StartNewGame"); },
    [](int16_t manager, int16_t club) { Note("InstallHumanManager", {manager, club}); },
    [](int16_t manager, int16_t* division) -> int16_t {
      Note("FindHumanFixtureComp", {manager});
      if (division != nullptr) *division = -1;
      return -1;
    },
    [](int16_t club) { Note("PickClubCaptain", {club}); },
    [](int16_t club) -> int16_t { Note("FindBestFreeKickTaker", {club}); return -1; },
    [](int16_t club) -> int16_t { Note("FindBestPenaltyTaker", {club}); return -1; },
    [](int16_t club) -> int16_t { Note("FindBestCornerTaker", {club}); return -1; },
    [](int16_t fixture, int16_t firstCode, int16_t competition, int16_t honourKind, int16_t legBase) {
      Note("CupTie_Resolve", {fixture, firstCode, competition, honourKind, legBase});
    },
    [](int16_t club, int16_t side, int16_t fixture) { Note("UpdatePlayersAfterMatch", {club, side, fixture}); },
    [](int16_t club, int32_t attendance) { Note("UpdateCrowdRecords", {club, attendance}); },
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
    [](int16_t club, int16_t substitutes, int16_t mode, int16_t competition) {
      Note("SelectMatchTeam", {club, substitutes, mode, competition});
      StandInSelectMatchTeam(club, substitutes, competition);
    },
    [](int16_t club, int16_t second, int16_t third) {
      Note("CompleteMatchTeam", {club, second, third});
      StandInCompleteMatchTeam(club, second);
    },
    [](int16_t value) { Note("HumanClubsAppointCoach", {value}); },
    [](int16_t first, int16_t second) { Note("ComputerClubsHireStaff", {first, second}); },
    [](int16_t first, int16_t second) { Note("UpdateTransferWindows", {first, second}); },
    [](int16_t player) -> int16_t { Note("GetPlayerTacticType", {player}); return 0; },
    [](int16_t player) { Note("EstimatePlayerStats", {player}); },
    [](int16_t club) { Note("PickTeamCaptain", {club}); },
    [](int16_t club) -> int16_t { Note("FindClubCaptain", {club}); return -1; },
};

constexpr ClubScreensSeam kClubScreensStubs = {
    [] { Note("TrainingBuffer_Init"); },
    [] { Note("TrainingBuffer_Sync"); },
    [](int16_t value) { Note("SaveTrainingSliders", {value}); },
    [](int16_t value) { Note("ResetTrainingSliders", {value}); },
    [](int16_t club) { Note("SnapshotSquadProgress", {club}); },
};

constexpr MenuSystemSeam kMenuStubs = {
    [](int16_t enter) { Note("SetBusyPointer", {enter}); },
    [](int16_t background) { Note("DoBackground", {background}); },
    [] { Note("SaveScreenBackground"); },
    [] { Note("UpdateMenuScreen"); },
    [](int16_t first, int16_t value) { Note("ChooseMatchViewMode", {first, value}); },
    [](int16_t club, int16_t otherClub) -> const uint8_t* {
      Note("GetTeamDesign", {club, otherClub});
      return nullptr;
    },
    [] { Note("UninitMenuSystem"); },
    [] { Note("InitMenuSystem"); },
    [] { Note("PollWhileProcessing"); },
    [](int16_t list, uint8_t* reportFlags) {
      Note("RunMatchReportMenu", {list});
      if (reportFlags != nullptr) *reportFlags |= 1;  // the user leaves the report at once
    },
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
  MenuSystem = kMenuStubs;
  MatchEngine = kMatchEngineStubs;
  gPlayoffTable = EmptyPlayoffTable();
  CurrentManager = -1;
  ViewedClub = -1;
  gCalls.clear();
}
REGISTER_RESET(RESET_SEASON, Seam_Reset);
