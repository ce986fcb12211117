// The stubs behind the entry points of the parts not built yet.
#include "season/seam.h"

#include <initializer_list>

#include "engine/reset.h"

namespace {

std::vector<SeamCall> gCalls;

void Note(const char* name, std::initializer_list<int32_t> args = {}) { gCalls.push_back(SeamCall{name, args}); }

constexpr int16_t NO_MANAGER_PLAYER = 1;

constexpr SeasonEngineSeam kSeasonStubs = {
    [] () -> int16_t { Note("PlayNextFixture"); return 0; },
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
    []() -> int16_t { Note("PackCupDrawTable"); return 0; },
    []() -> int16_t { Note("UnpackCupDrawTable"); return 0; },
    [](const uint8_t*, const uint8_t*, const uint8_t*) -> int16_t { Note("CupDraw_Unpack"); return 0; },
};

constexpr ClubSimSeam kClubSimStubs = {
    [](int16_t club) -> int16_t { Note("GetClubManager", {club}); return NO_MANAGER_PLAYER; },
    [](int16_t club) { Note("ClearClubCaptainFlags", {club}); },
    [](int16_t club, int16_t substitutes, int16_t mode, int16_t competition) {
      Note("SelectMatchTeam", {club, substitutes, mode, competition});
    },
    [](int16_t club, int16_t second, int16_t third) { Note("CompleteMatchTeam", {club, second, third}); },
    [](int16_t value) { Note("HumanClubsAppointCoach", {value}); },
    [](int16_t first, int16_t second) { Note("ComputerClubsHireStaff", {first, second}); },
    [](int16_t first, int16_t second) { Note("UpdateTransferWindows", {first, second}); },
    [](int16_t player) -> int16_t { Note("GetPlayerTacticType", {player}); return 0; },
    [](int16_t player) { Note("EstimatePlayerStats", {player}); },
    [] { Note("BuildReputationTable"); },
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
    [] { Note("LoadNamesFile"); },
};

}  // namespace

// The stubs from program start, before any reset.
SeasonEngineSeam SeasonEngine = kSeasonStubs;
ClubSimSeam ClubSim = kClubSimStubs;
ClubScreensSeam ClubScreens = kClubScreensStubs;
MenuSystemSeam MenuSystem = kMenuStubs;
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
  CurrentManager = -1;
  ViewedClub = -1;
  gCalls.clear();
}
REGISTER_RESET(RESET_SEASON, Seam_Reset);
